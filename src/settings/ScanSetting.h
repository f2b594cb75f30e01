#pragma once
// "Scanning" (template 630): a container with one page, "Common" (template
// 631). The radio keeps eight identical scan records and a group-scan
// record; the page shows record 0 and a change goes into all of them.
#include <memory>
#include <optional>

#include "settings/GroupChannelSelector.h"
#include "settings/SettingsPage.h"

class CScanSettingBasicPage1Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 631,
        IDC_SCAN_TYPE = 2101,
        IDC_PRI_CHECK_TIME = 2102,
        IDC_REVERT = 2104,
        IDC_SELECT_GROUP = 2105,
        IDC_SELECT_CHANNEL = 2106,
        IDC_DISPLAY = 2112,
        IDC_RESUME_TIME_1 = 2113,
        IDC_RESUME_TIME_2 = 2114,
        IDC_DUAL_WATCH_TIME = 2115,
        IDC_FM_PRI_OVERWRITE = 2116,
        IDC_PRI_CH_BEEP = 2117,
        IDC_TALK_BACK = 2203,
        IDC_PRI_SCAN = 2208,
        IDC_GROUP_SCAN = 2209,
        IDC_SCAN_BEEP = 2210,
        IDC_SCAN_EDIT = 2211,
        // Shown instead of a silent OK when the radio's one-group mode keeps
        // the scan records as they are.
        IDC_ONE_GROUP_NOTE = 3201,
    };
    static constexpr const char* OneGroupNote =
        "One Group Mode is on: the radio keeps its scan settings, OK changes nothing.";

    CScanSettingBasicPage1Dlg() : SettingsPage(IDD, "Common") {}

    // Firmware 1.10.0.0 or later in one-group mode: OK writes nothing.
    static bool ScanSettingsLocked(const CloneImage& image);

    const ControlRuleRow* PrintRows() const override;
    bool CheckUnconditional(int controlId) override;
    void Changed(int controlId) override;

  protected:
    void Build() override;
    void FilterLists(const CloneImage& image) override;
    void Loaded(int controlId) override;
    void AfterLoad() override;
    bool Writable(int controlId) const override;

  private:
    std::vector<Settings::ListRow> RevertRows() const;
    void VoteLayout();
    void NormalLayout();

    std::unique_ptr<Settings::GroupChannelSelector> selector_;
    std::unique_ptr<Settings::ModeChoice> revert_;
    bool shownDisplay_ = false;     // display type 2, 5 or 6
    bool channelPosition_ = false;  // "CH Position" offered rather than "Start CH"
    bool oneGroupLocked_ = false;
    bool newFirmware_ = false;  // 1.10.0.0 or later
    bool plainModel_ = true;    // a ZT-610: the group is chosen
    std::int32_t lastScanType_ = 1;
};

struct CScanSettingBasicDlg {
    enum { IDD = 630 };
    static constexpr const char* Caption = "Scanning";
    static constexpr const char* Section = "ScanSettingBasic";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};
