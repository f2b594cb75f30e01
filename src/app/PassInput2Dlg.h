#pragma once
// The radio password prompt (dialog 609 "Password"): a prompt by kind and
// one edit; OK hands back the typed text.
#include <wx/dialog.h>

#include <string>

class wxTextCtrl;

class CPassInput2Dlg : public wxDialog {
  public:
    enum {
        IDD = 609,
        IDC_PROMPT = 2001,
        IDC_PASSWORD = 2301,
        IDC_CAPTION_TEXTS = 3901,
        IDC_PROMPT_TEXTS = 3902
    };
    // Kind 0: the programming password.
    static constexpr int ProgrammingPassword = 0;

    CPassInput2Dlg(wxWindow* parent, int promptKind = ProgrammingPassword);

    // The typed text once the dialog ended with OK.
    std::string Password;
    wxTextCtrl* Edit() const { return edit_; }
    // 6 characters for the programming password, 30 for any other kind.
    static int TextLimit(int promptKind) { return promptKind == ProgrammingPassword ? 6 : 30; }

    bool TransferDataFromWindow() override;

  private:
    wxTextCtrl* edit_ = nullptr;
};
