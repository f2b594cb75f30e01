#pragma once
// "DTMF Dialing" (template 400): keypad and side tone, the pause code with
// its pause time, delay time and speed, and five stored DTMF codes with an
// 8-character tag each. A variant-0 radio offers code 1 only.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsPage.h"

class CDtmfDialingDlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 400,
        IDC_KEYPAD = 2101,
        IDC_SIDE_TONE = 2102,
        IDC_PAUSE_CODE = 2103,
        IDC_PAUSE_TIME = 2104,
        IDC_DELAY_TIME = 2106,
        IDC_SPEED = 2107,
        IDC_CODE1 = 2308,  // codes 1-5: 2308-2312
        IDC_TAG1 = 2318,   // their tags: 2318-2322
        IDC_CODE_CAPTION = 1074,
        IDC_TAG_CAPTION = 1075,
    };
    static constexpr int CodeCount = 5;
    static constexpr const char* Caption = "DTMF Dialing";
    static constexpr const char* Section = "DTMF_Dialing";

    CDtmfDialingDlg() : SettingsPage(IDD) {}
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();

    void Changed(int controlId) override;
    // A code, once left, shows its digits in upper case.
    void Left(int controlId) override;
    // The tag of code 1 on a variant-0 radio: only with a display of type
    // 2, 5 or 6.
    bool CheckUnconditional(int controlId) override;
    void AfterRules() override;
    // The settings rows, then the full-width row before the code table.
    const ControlRuleRow* PrintRows() const override;
    // The code table's rows: each code's caption, code and tag.
    static std::vector<ControlRuleRow> CodeTableRows();

  protected:
    void Build() override;
    void Loaded(int controlId) override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    // A switched-off pause code offers no pause time.
    void PauseRule();
    std::array<std::string, CodeCount> loadedCodes_, loadedTags_;
};
