#include "settings/PowerSaving.h"

#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "settings/SettingsFlags.h"

using namespace Settings;

namespace {

constexpr ST_DISPDATA kDisableEnable[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRxSaveMode[] = {{0, "ABS", ""}, {1, "1:1", ""}, {2, "1:2", ""},
                                       {3, "1:3", ""}, {4, "1:4", ""}, {5, "1:5", ""},
                                       {6, "1:6", ""}, {7, "1:7", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRxSaveOnTime[] = {
    {1, "25 msec", ""},   {2, "50 msec", ""},   {3, "75 msec", ""},   {4, "100 msec", ""},
    {5, "125 msec", ""},  {6, "150 msec", ""},  {7, "175 msec", ""},  {8, "200 msec", ""},
    {9, "225 msec", ""},  {10, "250 msec", ""}, {11, "275 msec", ""}, {12, "300 msec", ""},
    {13, "325 msec", ""}, {14, "350 msec", ""}, {15, "375 msec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kLcdBacklight[] = {{1, "All Key ON", ""}, {2, "Lamp Key ON", ""}, {-1, "", ""}};
// "ON" and "2" share the value 2: the display type decides which is offered.
constexpr ST_DISPDATA kDimmerLevel[] = {{0, "OFF", ""}, {2, "ON", ""}, {1, "1", ""},
                                        {2, "2", ""},   {3, "3", ""},  {-1, "", ""}};
constexpr ST_DISPDATA kRxLcdLighting[] = {{3, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kLowBatteryInterval[] = {
    {0, "0.5 sec", ""}, {1, "2 sec", ""}, {2, "5 sec", ""}, {3, "10 sec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kPenaltyTimer[] = {
    {0, "0 sec", ""}, {1, "6 sec", ""}, {2, "20 sec", ""}, {3, "60 sec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kReleaseTimer[] = {
    {0, "0 sec", ""}, {1, "2 sec", ""}, {2, "3 sec", ""}, {3, "5 sec", ""}, {-1, "", ""}};

constexpr PageControlSpec kTagSpec{CPowerSavingDlg::IDC_TAG, 8, 0, 0, EditKind::NameTag, 0};

// One state array per caption-and-control pair: the printout puts the rows
// of one array on one line. Columns: variants 0-4, each for the three
// service modes.
constexpr std::uint8_t H = RestrictionState::Hide;
constexpr std::uint8_t kStates[][15] = {
    {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 0 tag: hidden in variant 0
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 1 over write
    {},                                             // 2 RX save mode
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 3 RX save on time
    {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 4 LCD backlight
    {},                                             // 5 TX low battery alert
    {},                                             // 6 TRX LED lighting
    {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 7 RX LCD lighting
    {},                                             // 8 low battery interval
    {},                                             // 9 low battery alert
    {},                                             // 10 TOT penalty
    {},                                             // 11 TOT release
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 12 LCD backlight time
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 13 timeout time
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 14 dimmer level
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 15 auto power off
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // 16 system save
};

constexpr ControlRuleRow kRules[] = {
    {2001, 0, kStates[0]},  {2301, 1, kStates[0]},  {2201, 0, kStates[1]},  {2004, 0, kStates[2]},
    {2104, 1, kStates[2]},  {2005, 0, kStates[3]},  {2105, 1, kStates[3]},  {2006, 0, kStates[4]},
    {2106, 1, kStates[4]},  {2012, 0, kStates[5]},  {2112, 1, kStates[5]},  {2010, 0, kStates[6]},
    {2110, 1, kStates[6]},  {2009, 0, kStates[7]},  {2109, 1, kStates[7]},  {2013, 0, kStates[8]},
    {2113, 1, kStates[8]},  {2011, 0, kStates[9]},  {2111, 1, kStates[9]},  {2015, 0, kStates[10]},
    {2115, 1, kStates[10]}, {2016, 0, kStates[11]}, {2116, 1, kStates[11]}, {2008, 0, kStates[12]},
    {2108, 1, kStates[12]}, {2014, 0, kStates[13]}, {2114, 1, kStates[13]}, {2007, 0, kStates[14]},
    {2107, 1, kStates[14]}, {2002, 0, kStates[15]}, {2102, 1, kStates[15]}, {2003, 0, kStates[16]},
    {2103, 1, kStates[16]}, {-1, 0, nullptr},
};

constexpr std::uint32_t kLcdTimerOff = 0, kLcdTimerOn = 127;
// The LCD backlight timer: block 8, offset 0x127, the whole byte.
constexpr const ImageItemDescriptor& kLcdTimer = ItemMap::SystemItems[40];
static_assert(kLcdTimer.block == 8 && kLcdTimer.offset == 0x127 && kLcdTimer.mask == 0xFF);

// A byte-wide accessor pair as the combo table's getter and setter.
template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CPowerSavingDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CPowerSavingDlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

std::int32_t CPowerSavingDlg::LcdBacklightValue(const CloneImage& image) {
    const std::uint32_t timer = ItemMap::ReadImageField(kLcdTimer, image);
    if (timer == kLcdTimerOff) return 0;
    if (timer == kLcdTimerOn) return 3;
    if (timer >= 1 && timer <= 15) return ItemMap::GetLcdKeyBacklight(image) == 1 ? 1 : 2;
    return -1;
}

void CPowerSavingDlg::Build() {
    SetRuleRows(kRules);
    Getter get;
    Setter set;
    AddEdit(2001, "Power ON TA&G", kTagSpec);
    AddCheck(IDC_OVER_WRITE, "O&ver Write");
    AddEmptyCombo(2002, "&Auto Power OFF", IDC_AUTO_POWER_OFF);
    Item<ItemMap::GetSystemSave, ItemMap::SetSystemSave>(get, set);
    AddCombo(2003, "&System Save", IDC_SYSTEM_SAVE, kDisableEnable, get, set);
    Item<ItemMap::GetRxSaveMode, ItemMap::SetRxSaveMode>(get, set);
    AddCombo(2004, "&RX Save Mode", IDC_RX_SAVE_MODE, kRxSaveMode, get, set);
    Item<ItemMap::GetRxSaveOnTime, ItemMap::SetRxSaveOnTime>(get, set);
    AddCombo(2005, "R&X Save ON Time", IDC_RX_SAVE_ON_TIME, kRxSaveOnTime, get, set);
    // Only the backlight bit is written; the timer byte stays as it is.
    AddCombo(2006, "LCD &BackLight", IDC_LCD_BACKLIGHT, kLcdBacklight, &LcdBacklightValue,
             [](CloneImage& image, std::int32_t value) {
                 if (value == 1 || value == 2) ItemMap::SetLcdKeyBacklight(image, value == 1 ? 1 : 0);
             });
    AddEmptyCombo(2008, "LCD BackLight &Time", IDC_LCD_BACKLIGHT_TIME);
    Item<ItemMap::GetDimmerLevel, ItemMap::SetDimmerLevel>(get, set);
    AddCombo(2007, "&Dimmer Level", IDC_DIMMER_LEVEL, kDimmerLevel, get, set);
    Item<ItemMap::GetRxLcdKeyLighting, ItemMap::SetRxLcdKeyLighting>(get, set);
    AddCombo(2009, "RX LCD &Lighting", IDC_RX_LCD_LIGHTING, kRxLcdLighting, get, set);
    Item<ItemMap::GetTrxLedLighting, ItemMap::SetTrxLedLighting>(get, set);
    AddCombo(2010, "TRX LED L&ighting", IDC_TRX_LED_LIGHTING, kDisableEnable, get, set);
    Item<ItemMap::GetLowBatteryAlert, ItemMap::SetLowBatteryAlert>(get, set);
    AddCombo(2011, "Lo&w Battery Alert", IDC_LOW_BATTERY_ALERT, kDisableEnable, get, set);
    Item<ItemMap::GetTxLowBatteryAlert, ItemMap::SetTxLowBatteryAlert>(get, set);
    AddCombo(2012, "TX Low Batter&y Alert", IDC_TX_LOW_BATTERY_ALERT, kDisableEnable, get, set);
    Item<ItemMap::GetLowBatteryAlertInterval, ItemMap::SetLowBatteryAlertInterval>(get, set);
    AddCombo(2013, "Low Battery Alert &Interval", IDC_LOW_BATTERY_INTERVAL, kLowBatteryInterval, get, set);
    AddEmptyCombo(2014, "Timeout Time", IDC_TIMEOUT_TIME);
    // The timers are per channel; the dialog shows channel 1's and a change
    // goes into every channel record.
    AddCombo(
        2015, "TOT &Penalty Timer", IDC_TOT_PENALTY, kPenaltyTimer,
        [](const CloneImage& image) {
            return static_cast<std::int32_t>(ItemMap::GetChannelPenaltyTimer(image, 0));
        },
        [](CloneImage& image, std::int32_t value) {
            for (int c = 0; c < ItemMap::ChannelCount; ++c)
                ItemMap::SetChannelPenaltyTimer(image, c, static_cast<std::uint32_t>(value));
        });
    AddCombo(
        2016, "TOT R&elease Timer", IDC_TOT_RELEASE, kReleaseTimer,
        [](const CloneImage& image) {
            return static_cast<std::int32_t>(ItemMap::GetChannelReleaseTimer(image, 0));
        },
        [](CloneImage& image, std::int32_t value) {
            for (int c = 0; c < ItemMap::ChannelCount; ++c)
                ItemMap::SetChannelReleaseTimer(image, c, static_cast<std::uint32_t>(value));
        });
}

// Display types 2, 5 and 6 dim in steps; the others only switch the dimmer.
void CPowerSavingDlg::FilterLists(const CloneImage& image) {
    const bool steps = !Model::IsPlainKind(image);
    std::vector<ListRow> rows;
    for (const ListRow& row : RowsOf(kDimmerLevel)) {
        const bool isOn = row.text == "ON";
        const bool isStep = row.value != 0 && !isOn;
        if (row.value == 0 || (steps ? isStep : isOn)) rows.push_back(row);
    }
    Form().SetRows(IDC_DIMMER_LEVEL, std::move(rows));
}

void CPowerSavingDlg::LoadOwn(const CloneImage& image) {
    loadedTag_ = TagCodesToText(ItemMap::GetPowerOnTag(image));
    Form().SetText(IDC_TAG, loadedTag_);
    const std::uint32_t timer = ItemMap::ReadImageField(kLcdTimer, image);
    if (timer == kLcdTimerOff || timer == kLcdTimerOn) Form().Enable(IDC_LCD_BACKLIGHT_TIME, false);
    Form().SetChecked(IDC_OVER_WRITE, OverWriteFlag() != 0);
}

void CPowerSavingDlg::AfterLoad() {
    LowBatteryRule();
}

void CPowerSavingDlg::Changed(int controlId) {
    if (controlId == IDC_LOW_BATTERY_ALERT) LowBatteryRule();
    if (controlId == IDC_OVER_WRITE) Form().Enable(IDC_TAG, Form().Checked(IDC_OVER_WRITE));
}

// "Disable" (1) switches off the alert's own settings; without a selection
// the rule waits.
void CPowerSavingDlg::LowBatteryRule() {
    const std::int32_t value = Form().Value(IDC_LOW_BATTERY_ALERT);
    if (value == -1) return;
    Form().Enable(IDC_TX_LOW_BATTERY_ALERT, value != 1);
    Form().Enable(IDC_LOW_BATTERY_INTERVAL, value != 1);
}

void CPowerSavingDlg::SaveOwn(CloneImage& image) {
    // A hidden or unchanged tag is not rewritten: the text shown is the
    // normalised form of the codes, which need not read back the same bytes.
    const std::string tag = Form().Text(IDC_TAG);
    if (Form().IsVisible(IDC_TAG) && tag != loadedTag_) ItemMap::SetText4000(image, TagTextToCodes(tag));
    OverWriteFlag() = Form().Checked(IDC_OVER_WRITE) ? 1 : 0;
}
