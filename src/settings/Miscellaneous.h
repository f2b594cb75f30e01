#pragma once
// "Miscellaneous" (template 610): the radio-wide settings of no other
// dialog. Page "Misc 1" (611): default split, power-on condition, beeps,
// VOX, radio-to-radio clone and, hidden on these radios, the power-on
// channel and the dual watch. Page "Misc 2" (613): OLTA, tail elimination,
// bell and, hidden here, the mobile installation settings.
#include <memory>
#include <string>
#include <vector>

#include "settings/GroupChannelSelector.h"
#include "settings/SettingsPage.h"

namespace MiscRules {

// The channels the groups hold, for choosing a priority channel: "Disable"
// (65535) first, then each channel a group lists, once, in channel order.
// A group holds sixteen member bytes; 255 and values of 128 and above mark
// nothing; on firmware 1.09 and later a group of another kind is skipped.
// With a full display a row reads "CH-001 :<name tag>", else "CH-001".
std::vector<Settings::ListRow> PriorityChannelRows(const CloneImage& image, const std::string& disableText);

// The default split as shown: tenths of a MHz as "%3.1f".
std::string SplitText(std::int32_t tenths);
// A typed split corrected as leaving the field does: clamped to
// -99.9..99.9, a text that is no number as the minimum; empty stays empty.
std::string CorrectSplit(const std::string& text);
// The tenths of a corrected split text (empty: 0).
std::int32_t SplitTenths(const std::string& text);

}  // namespace MiscRules

class CMiscPage1Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 611,
        IDC_DEFAULT_SPLIT = 2301,
        IDC_SPLIT_UNIT = 3101,
        IDC_POWER_ON = 2101,
        IDC_POWER_ON_GROUP = 2102,
        IDC_POWER_ON_CHANNEL = 2103,
        IDC_KEY_BEEP = 2104,
        IDC_BEEP_LEVEL = 2105,
        IDC_RADIO_CLONE = 2109,
        IDC_VOX_OFFSET = 2120,
        IDC_VOX_ANTI_TRIP = 2123,
        IDC_VOX_TPT = 2122,
        IDC_AF_MIN_VOLUME = 2302,
    };
    CMiscPage1Dlg() : SettingsPage(IDD, "Misc 1") {}

    void Changed(int controlId) override;
    void Left(int controlId) override;

  protected:
    void Build() override;
    void FilterLists(const CloneImage& image) override;
    void Loaded(int controlId) override;
    void LoadOwn(const CloneImage& image) override;
    void AfterLoad() override;
    void SaveOwn(CloneImage& image) override;

  private:
    bool ApplyMode(std::int32_t condition, bool keep);

    std::unique_ptr<Settings::GroupChannelSelector> selector_;
    std::unique_ptr<Settings::ModeChoice> powerOn_;
    bool oneGroupLocked_ = false;
    bool passwordOff_ = false;
    std::string loadedSplit_, loadedVolume_;
};

class CMiscPage2Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 613,
        IDC_OLTA_MODE = 2110,
        IDC_OLTA_BEEP = 2119,
        IDC_OLTA_TX_TIME = 2120,
        IDC_TAIL_ELIMINATION = 2121,
        IDC_TAIL_TIME = 2122,
        IDC_BELL = 2123,
        IDC_HOOK_FUNCTION = 2111,
    };
    CMiscPage2Dlg() : SettingsPage(IDD, "Misc 2") {}

    void Changed(int controlId) override;

  protected:
    void Build() override;
    void AfterRules() override;

  private:
    void HookRule();
};

class CMiscDlg {
  public:
    enum { IDD = 610 };
    static constexpr const char* Caption = "Miscellaneous";
    static constexpr const char* Section = "Miscellaneous";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};
