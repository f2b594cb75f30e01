#pragma once
// "Front Panel" (template 355): locks, microphone gains, selector modes,
// panel LEDs and timing (page 356), and the colour of each status LED
// (page 357).
#include <cstdint>
#include <memory>

#include "settings/SettingsPage.h"

namespace FrontPanelRules {

// The microphone gains are stored as absolute levels and shown as a code
// relative to the radio's aligned reference level. `steps`: display types 2,
// 5 and 6 change the level in steps, the others in ratios; `upper`: the
// highest level the byte may hold.
struct GainScale {
    bool steps;
    std::int32_t reference;
    std::int32_t upper;
};
// The stored level of a code (codes without a level give the reference).
std::int32_t LevelOfCode(const GainScale& scale, std::int32_t code);
// The code of a stored level; 255 when the level is none of the codes'.
std::int32_t CodeOfLevel(const GainScale& scale, std::int32_t level);
// The scale of gain `which` (0 internal, 1 external, 2 external flat).
GainScale ScaleOf(const CloneImage& image, int which);

// With the one-group mode on (firmware 1.10 and later): no priority
// channel, no group kind and no group scan in the configured groups. The
// channels' in-use bits are left alone: they hold the user's channels.
void OneGroupCleanUp(CloneImage& image);

}  // namespace FrontPanelRules

class CFrontPanelDlg {
  public:
    enum { IDD = 355 };
    static constexpr const char* Caption = "Front Panel";
    static constexpr const char* Section = "FrontPanel";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};

class CFrontPanelPage1Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 356,
        IDC_PTT_LOCK = 2101,
        IDC_DIAL_LOCK = 2102,
        IDC_KEY_LOCK = 2103,
        IDC_INT_MIC_GAIN = 2104,
        IDC_EXT_MIC_GAIN = 2105,
        IDC_EXT_MIC_GAIN2 = 2106,
        IDC_ROTARY_SELECTOR_MODE = 2107,
        IDC_CH_SELECTOR_CH_MODE = 2108,
        IDC_VOX_MIC_SELECT = 2109,
        IDC_ROTARY_SW_ACTION = 2110,
        IDC_PANEL_LED_A = 2111,
        IDC_PANEL_LED_B = 2112,
        IDC_LCD_CONTRAST = 2113,
        IDC_KEY_HOLDING_TIME = 2114,
        IDC_ONE_GROUP_MODE = 2115,
        IDC_USER_LED_ON = 2311,
        IDC_USER_LED_OFF = 2313,
        IDC_VOX_ATTACK = 2320,
        IDC_VOX_RELEASE = 2321,
    };
    CFrontPanelPage1Dlg() : SettingsPage(IDD, "Front Panel") {}

    void Left(int controlId) override;
    void Save(CloneImage& image) override;

  protected:
    void Build() override;
    void FilterLists(const CloneImage& image) override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    std::string loaded_[4];
};

class CFrontPanelPage2Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 357,
        IDC_LOW_BATTERY = 2101,
        IDC_TX = 2102,
        IDC_SQL_OPEN_BUSY = 2103,
        IDC_MONITOR = 2104,
        IDC_SCAN = 2105,
        IDC_GROUP2 = 2106,
        IDC_ENCRYPTION = 2107,
        IDC_LOW_POWER = 2108,
        IDC_VOX = 2109,
    };
    CFrontPanelPage2Dlg() : SettingsPage(IDD, "LED Color") {}

  protected:
    void Build() override;
};
