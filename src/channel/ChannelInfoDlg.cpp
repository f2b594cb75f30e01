#include "channel/ChannelInfoDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/display.h>
#include <wx/scrolwin.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "channel/ChannelEditor.h"
#include "language/Language.h"
#include "ui/UiUtil.h"

namespace {

CCHInformation::ModalRunner& Runner() {
    static CCHInformation::ModalRunner runner;
    return runner;
}

constexpr const char* kHintText = "F2 for Next CH   F5 for Previous CH";

}  // namespace

CCHInformation::CCHInformation(wxWindow* parent, CloneImage& image, int channel)
    : wxDialog(parent, wxID_ANY, "Channel Information", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    content_ = new wxScrolledWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxHSCROLL | wxVSCROLL);
    content_->SetScrollRate(8, 8);
    pane_ = new CCHInfoSub(image, channel);
    pane_->CreatePane(content_, CCHInfoSub::IDD);
    pane_->Move(0, 0);
    content_->SetVirtualSize(pane_->MinimumSize());

    const std::string hint = GetRIDText(HintRid);
    auto* hintText = new wxStaticText(this, IDC_HINT, wxString::FromUTF8(hint.empty() ? kHintText : hint));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(hintText, 1, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
    buttons->Add(new wxButton(this, IDC_HELP, "Help"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxALL, 4);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(content_, 1, wxEXPAND);
    column->Add(buttons, 0, wxEXPAND);
    SetSizer(column);
    UiUtil::TranslateWindowTexts(this, IDD);

    // The content's full size is the largest the dialog grows to; it may be
    // made smaller down to 800 x 580, and the content scrolls.
    content_->SetMinClientSize(pane_->MinimumSize());
    contentSize_ = GetBestSize();
    content_->SetMinSize(wxSize(-1, -1));
    const wxSize minimum(std::min(MinWidth, contentSize_.x), std::min(MinHeight, contentSize_.y));
    SetMinSize(minimum);
    SetMaxSize(contentSize_);
    SetSize(contentSize_);
    const wxRect work =
        wxDisplay(wxDisplay::GetFromWindow(parent ? parent : this) == wxNOT_FOUND
                      ? 0u
                      : static_cast<unsigned>(wxDisplay::GetFromWindow(parent ? parent : this)))
            .GetClientArea();
    if (work.height < 601 && work.width < 801) {
        SetSize(work.x, work.y, MinWidth, MinHeight);
    } else {
        CentreOnParent();
    }

    Bind(wxEVT_CHAR_HOOK, &CCHInformation::OnCharHook, this);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, IDD); }, IDC_HELP);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(wxID_OK); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Finish(wxID_CANCEL); }, wxID_CANCEL);
    if (wxWindow* combo = pane_->FindWindow(ChannelEditor::Id::ChannelCombo)) combo->SetFocus();
}

CCHInformation::~CCHInformation() = default;

void CCHInformation::Finish(int code) {
    // OK keeps what the focused edit holds.
    if (code == wxID_OK) pane_->CommitFocusedEdit();
    if (IsModal())
        EndModal(code);
    else
        SetReturnCode(code);
}

bool CCHInformation::HandleKey(int keyCode, bool ctrl, wxWindow* focus) {
    if (keyCode == WXK_ESCAPE && !ctrl) {
        Finish(wxID_CANCEL);
        return true;
    }
    if (ctrl && (keyCode == 'C' || keyCode == 3)) {
        // A combo box's text goes to the clipboard; nothing is discarded.
        if (auto* combo = dynamic_cast<wxChoice*>(focus)) {
            Clipboard::CopyText(this, combo->GetStringSelection().utf8_string());
            return true;
        }
        return false;
    }
    if (ctrl) return false;
    switch (keyCode) {
        case WXK_F2:
            pane_->SelectNext();
            return true;
        case WXK_F5:
            pane_->SelectPrevious();
            return true;
        case WXK_F1:
            UiUtil::ShowHelpForFocus(this, IDD);
            return true;
        default:
            return false;
    }
}

void CCHInformation::OnCharHook(wxKeyEvent& event) {
    if (!HandleKey(event.GetKeyCode(), event.ControlDown(), wxWindow::FindFocus())) event.Skip();
}

int CCHInformation::Run() {
    if (Runner()) return Runner()(*this);
    return ShowModal();
}

void CCHInformation::SetModalRunner(ModalRunner runner) {
    Runner() = std::move(runner);
}

bool CCHInformation::EditChannel(wxWindow* parent, CloneImage& document, int channel) {
    CloneImage copy = document;
    int result;
    {
        CCHInformation dialog(parent, copy, channel);
        result = dialog.Run();
    }
    if (result != wxID_OK) return false;
    document = copy;
    return true;
}
