#pragma once
// "Emergency" (template 359): which channel an emergency call goes out on
// and where the radio returns afterwards, the emergency times, the silent
// mode and what audio, keys, display, LED and alert do, the lone worker
// timer, the DTMF emergency code and the emergency tag.
//
// The emergency channel decides how the group and channel boxes choose
// (GroupChannelSelector); the revert box refuses "PRI CH" while no group
// has a priority channel.
#include <cstdint>
#include <memory>
#include <string>

#include "settings/GroupChannelSelector.h"
#include "settings/SettingsPage.h"

namespace EmergencyRules {

inline constexpr std::int32_t RevertStartCh = 3, RevertPriCh = 2;
inline constexpr std::int32_t LedOff = 255;

// True when a group below the group count has a priority channel (its byte
// at 0x220 + g is not 0xFF); the bytes from 0x228 hold the group kinds.
bool AnyPriorityChannel(const CloneImage& image);
// The mode of the group and channel boxes for an Emergency Channel value.
Settings::GroupChannelSelector::Mode ModeOf(std::int32_t emergencyChannel);
// The Revert CH value shown for a stored one: "PRI CH" without a priority
// channel (or while one-group mode hides it), and the unlisted 1, show
// "Start CH".
std::int32_t ShownRevert(const CloneImage& image, std::int32_t stored);
// "PRI CH" is not offered in one-group mode (firmware 1.10 and later).
bool PriorityRevertOffered(const CloneImage& image);

// The alert: a disable bit and, kept while disabled, a tone 0-3 shown as
// 0, 2, 4, 6; "Disable" is 1.
std::int32_t GetEmergencyAlert(const CloneImage& image);
void SetEmergencyAlert(CloneImage& image, std::int32_t value);

// The LED as shown: 0 "------", 255 "OFF" (an LED whose colour is none),
// 1 "ON", 3 "Blink"; the colour 0-3 (0 none, 1 red, 2 green, 3 orange).
std::int32_t ShownLed(const CloneImage& image);
std::int32_t LedColour(const CloneImage& image);
// Writes the LED as chosen: "OFF" is the LED on with no colour; "------"
// keeps the colour; "ON" and "Blink" take `colour` when it is 1-3.
void SetLed(CloneImage& image, std::int32_t shownLed, std::int32_t colour);

}  // namespace EmergencyRules

class CEmergencyDlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 359,
        IDC_REVERT = 2101,
        IDC_EMERGENCY_CHANNEL = 2102,
        IDC_SELECT_GROUP = 2103,
        IDC_SELECT_CHANNEL = 2104,
        IDC_KEY_HOLD_TIME = 2105,
        IDC_CONTINUOUS_TIME = 2106,
        IDC_RX_TIME = 2107,
        IDC_TX_TIME = 2108,
        IDC_SILENT_MODE = 2109,
        IDC_AF = 2110,
        IDC_LCD_BACKLIGHT = 2111,
        IDC_KEY_INHIBIT = 2112,
        IDC_DISPLAY = 2113,
        IDC_LED = 2114,
        IDC_LED_COLOR = 2115,
        IDC_RECEIVE_FLASH = 2116,
        IDC_LONE_WORKER = 2117,
        IDC_MIC_LEVEL = 2118,
        IDC_ALERT = 2119,
        IDC_DTMF_CODE = 2318,
        IDC_TAG = 2319,
    };
    static constexpr const char* Caption = "Emergency";
    static constexpr const char* Section = "Emergency";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();

    CEmergencyDlg() : SettingsPage(IDD) {}

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
    void RevertChanged();
    void LedChanged();
    void ApplySilentMode();

    std::unique_ptr<Settings::GroupChannelSelector> selector_;
    std::unique_ptr<Settings::ModeChoice> emergencyChannel_;
    CloneImage stored_;  // the image as opened: what the silent mode shows again
    bool namedDisplay_ = false;
    bool anyPriority_ = false;
    std::int32_t loadedRevert_ = -1, storedRevert_ = -1;
    std::int32_t loadedLed_ = -1, loadedColour_ = -1;
    std::string loadedDtmf_, loadedTag_;
};
