#pragma once
// "Password" (template 360): a container with one page, "Programming"
// (template 362): whether the radio asks for its programming password and
// the password's six hexadecimal digits.
#include <memory>

#include "settings/SettingsPage.h"

class CPasswordPage2Dlg : public Settings::SettingsPage {
  public:
    enum { IDD = 362, IDC_ON_OFF = 2101, IDC_DIGITS = 2302 };
    static constexpr int RidWarning = 32921, RidConfirmation = 32922, RidSixDigits = 33063;

    CPasswordPage2Dlg() : SettingsPage(IDD, "Programming") {}

    // Exactly six hexadecimal digits: the only text OK accepts while the
    // password is enabled, however it was entered.
    static bool IsValidPassword(std::string_view text);

    bool Validate() override;
    void Changed(int controlId) override;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void AfterLoad() override;
    void SaveOwn(CloneImage& image) override;

  private:
    std::string loadedDigits_;
};

struct CPasswordDlg {
    enum { IDD = 360 };
    static constexpr const char* Caption = "Password";
    static constexpr const char* Section = "Password";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};
