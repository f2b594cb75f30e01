#include "alignment/ui/AlignmentDialogParts.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "alignment/AlignmentMain.h"
#include "image/ImageHost.h"
#include "language/Language.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"

namespace AlignmentDialogParts {

wxString Number(int value) {
    return wxString::Format("%d", value);
}

wxFlexGridSizer* MakeValueGrid(wxWindow* parent, const std::array<int, 5>& marks, int scaleId) {
    auto* grid = new wxFlexGridSizer(7, 2, 6);
    grid->AddGrowableCol(2);
    for (const char* head : {"CH", "Freq [MHz]", "", "Data", "", "", "Default"})
        grid->Add(new wxStaticText(parent, wxID_ANY, head), wxSizerFlags().CenterHorizontal());
    auto* scale = new wxBoxSizer(wxHORIZONTAL);
    for (int i = 0; i < 5; ++i) {
        if (i) scale->AddStretchSpacer();
        scale->Add(new wxStaticText(parent, scaleId + i, Number(marks[static_cast<std::size_t>(i)])));
    }
    grid->AddSpacer(0);
    grid->AddSpacer(0);
    grid->Add(scale, wxSizerFlags().Expand());
    for (int i = 0; i < 4; ++i) grid->AddSpacer(0);
    return grid;
}

wxStaticText* MakeIndicator(wxWindow* parent, int id) {
    auto* indicator = new wxStaticText(parent, id, wxString::FromUTF8(LangTable::TranslateCommonWord("RX")), wxDefaultPosition, wxSize(90, 40),
                                       wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    indicator->SetFont(wxFont(wxFontInfo(20).Bold().FaceName("Courier New")));
    return indicator;
}

void ShowTransmitting(wxStaticText* indicator, bool transmitting) {
    indicator->SetLabel(wxString::FromUTF8(LangTable::TranslateCommonWord(transmitting ? "TX" : "RX")));
    indicator->SetBackgroundColour(transmitting ? wxColour(255, 0, 0) : wxColour(0, 255, 0));
    indicator->Refresh();
}

wxButton* AddFoot(wxDialog* dialog, wxSizer* side, int helpId, int dialogNumber, std::function<void()> onOk,
                  std::function<void()> onCancel) {
    auto* help = new wxButton(dialog, helpId, "Help");
    help->Bind(wxEVT_BUTTON, [dialog, dialogNumber](wxCommandEvent&) { UiUtil::ShowContextHelp(dialog, dialogNumber); });
    auto* ok = new wxButton(dialog, wxID_OK, "OK");
    auto* cancel = new wxButton(dialog, wxID_CANCEL, "Cancel");
    ok->Bind(wxEVT_BUTTON, [onOk](wxCommandEvent&) { onOk(); });
    cancel->Bind(wxEVT_BUTTON, [onCancel](wxCommandEvent&) { onCancel(); });
    dialog->Bind(wxEVT_CLOSE_WINDOW, [onCancel](wxCloseEvent&) { onCancel(); });
    dialog->SetEscapeId(wxID_NONE);
    for (wxWindow* w : {static_cast<wxWindow*>(help), static_cast<wxWindow*>(ok), static_cast<wxWindow*>(cancel)})
        side->Add(w, wxSizerFlags().Expand().Border(wxALL, 4));
    return ok;
}

void LayOut(wxDialog* dialog, wxSizer* grid, wxSizer* side) {
    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, 8));
    all->Add(side, wxSizerFlags().Expand().Border(wxALL, 4));
    dialog->SetSizerAndFit(all);
}

int ReadValue(const wxTextCtrl* edit, int maximum) {
    const std::string text(edit->GetValue().utf8_str());
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str()) value = 0;
    return static_cast<int>(std::clamp<long>(value, 0, maximum));
}

void ShowCmdError() {
    ShowMessage(Host().Text(AlignmentMain::RidCmdError, AlignmentMain::TextCmdError),
                Host().Text(AlignmentMain::RidErrorCaption, AlignmentMain::TextErrorCaption),
                MsgStyle::Ok | MsgStyle::IconWarning);
}

void TranslateTexts(wxWindow* dialog, int dialogNumber) {
    UiUtil::TranslateWindowTexts(dialog, dialogNumber, ScreenTranslation::TemplateButtons{1, 2});
}

}  // namespace AlignmentDialogParts
