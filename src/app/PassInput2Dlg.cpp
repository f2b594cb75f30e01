#include "app/PassInput2Dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/AppTables.h"
#include "image/UiUtil.h"
#include "language/Language.h"
#include "ui/UiUtil.h"

namespace {

// The text of the prompt kind, the first row's for any other kind.
std::string KindText(ItemList list, int kind, int control) {
    const int row = FindIndexInTable12(list, kind) < 0 ? 0 : kind;
    return TextByRid(MakeRID(row, CPassInput2Dlg::IDD, control), FindNameById(list, row));
}

}  // namespace

CPassInput2Dlg::CPassInput2Dlg(wxWindow* parent, int promptKind) : wxDialog(parent, wxID_ANY, "Password") {
    auto* prompt = new wxStaticText(this, IDC_PROMPT, "");
    edit_ = new wxTextCtrl(this, IDC_PASSWORD, "", wxDefaultPosition, wxSize(200, -1));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "OK"), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(prompt, wxSizerFlags().Border(wxALL, 10));
    column->Add(edit_, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 10));
    column->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 10));
    SetSizer(column);

    UiUtil::TranslateWindowTexts(this, IDD);
    SetTitle(wxString::FromUTF8(KindText(AppTables::PasswordCaptionList, promptKind, IDC_CAPTION_TEXTS)));
    prompt->SetLabel(
        wxString::FromUTF8(KindText(AppTables::PasswordPromptList, promptKind, IDC_PROMPT_TEXTS)));
    edit_->SetMaxLength(static_cast<unsigned long>(TextLimit(promptKind)));
    Fit();
    CentreOnParent();
    edit_->SetFocus();
}

bool CPassInput2Dlg::TransferDataFromWindow() {
    Password = std::string(edit_->GetValue().utf8_str());
    return true;
}
