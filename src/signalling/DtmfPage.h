#pragma once
// "DTMF Page" (template 402): the auto reset beep and time, the separate
// code and ten page codes of three DTMF digits. The template's decode alert,
// LED, answer-back, revive, group and reset controls are hidden on every
// radio; each page code's Type and Action have no place in the image and
// are shown disabled.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsPage.h"

class CDtmfPageDlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 402,
        IDC_AUTO_RESET_BEEP = 2108,
        IDC_AUTO_RESET_TIME = 2109,
        IDC_SEPARATE_CODE = 2112,
        IDC_CODE1 = 2301,    // page codes 1-10: 2301-2310
        IDC_TYPE1 = 2115,    // their Type: 2115-2124
        IDC_ACTION1 = 2125,  // their Action: 2125-2134
        IDC_CODE_CAPTION = 3202,
        IDC_TYPE_CAPTION = 3203,
        IDC_ACTION_CAPTION = 3204,
    };
    static constexpr int CodeCount = 10;
    static constexpr const char* Caption = "DTMF Page";
    static constexpr const char* Section = "DTMF_Page";

    CDtmfPageDlg() : SettingsPage(IDD) {}
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();

    // A page code the user changed must be three digits; "###" cannot be
    // stored. The user is told which code and why.
    bool Validate() override;
    void Edited(int controlId) override;
    // A code, once left, shows its digits in upper case.
    void Left(int controlId) override;
    // The settings rows, then the full-width row before the code table.
    const ControlRuleRow* PrintRows() const override;
    // The code table's rows: two page codes (caption and code) a line.
    static std::vector<ControlRuleRow> CodeTableRows();

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void AfterRules() override;
    void SaveOwn(CloneImage& image) override;

  private:
    void ShowTypeOf(int code);
    std::array<std::string, CodeCount> loaded_;
};
