#pragma once
// "DTMF ANI" (template 401): the ANI type, when the ANI is sent, its delay
// and speed, and the ANI code of up to 15 DTMF digits. A variant-0 radio
// hides the ANI type.
#include <memory>
#include <string>

#include "settings/SettingsPage.h"

class CDtmfAniDlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 401,
        IDC_TRANSMIT = 2102,
        IDC_TYPE = 2103,
        IDC_DELAY_TIME = 2106,
        IDC_SPEED = 2107,
        IDC_CODE = 2301,
    };
    static constexpr const char* Caption = "DTMF ANI";
    static constexpr const char* Section = "DTMF_ANI";

    CDtmfAniDlg() : SettingsPage(IDD) {}
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();

    // A code, once left, shows its digits in upper case.
    void Left(int controlId) override;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    std::string loadedCode_;
};
