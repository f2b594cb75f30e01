#pragma once
// "Power Saving" (template 354): battery saving, lighting, low-battery
// alerts, the transmit time-out timers of every channel and the power-on tag.
#include <memory>

#include "settings/SettingsPage.h"

class CPowerSavingDlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 354,
        IDC_TAG = 2301,
        IDC_OVER_WRITE = 2201,
        IDC_AUTO_POWER_OFF = 2102,
        IDC_SYSTEM_SAVE = 2103,
        IDC_RX_SAVE_MODE = 2104,
        IDC_RX_SAVE_ON_TIME = 2105,
        IDC_LCD_BACKLIGHT = 2106,
        IDC_DIMMER_LEVEL = 2107,
        IDC_LCD_BACKLIGHT_TIME = 2108,
        IDC_RX_LCD_LIGHTING = 2109,
        IDC_TRX_LED_LIGHTING = 2110,
        IDC_LOW_BATTERY_ALERT = 2111,
        IDC_TX_LOW_BATTERY_ALERT = 2112,
        IDC_LOW_BATTERY_INTERVAL = 2113,
        IDC_TIMEOUT_TIME = 2114,
        IDC_TOT_PENALTY = 2115,
        IDC_TOT_RELEASE = 2116,
    };
    static constexpr const char* Caption = "Power Saving";
    static constexpr const char* Section = "PowerSaving";

    CPowerSavingDlg() : SettingsPage(IDD) {}
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();

    // LCD BackLight from byte 0x127 of block 8 and the backlight bit: 1 "All
    // Key ON", 2 "Lamp Key ON"; 0 and 127 (the byte's own off and on) and any
    // other byte have no row and show nothing.
    static std::int32_t LcdBacklightValue(const CloneImage& image);

    void Changed(int controlId) override;

  protected:
    void Build() override;
    void FilterLists(const CloneImage& image) override;
    void LoadOwn(const CloneImage& image) override;
    void AfterLoad() override;
    void SaveOwn(CloneImage& image) override;

  private:
    void LowBatteryRule();
    std::string loadedTag_;
};
