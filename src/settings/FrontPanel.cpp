#include "settings/FrontPanel.h"

#include <charconv>
#include <cmath>
#include <string>

#include "image/ChannelOps.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "settings/RuleStates.h"

using namespace Settings;

namespace {

constexpr ST_DISPDATA kDisableEnable[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kGain[] = {{5, "-6 dB", ""},   {4, "-3 dB", ""}, {0, "Standard", ""},
                                 {1, "+3 dB", ""},   {2, "+6 dB", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRotarySelectorMode[] = {{0, "Channel", ""}, {3, "Group", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kChSelectorChMode[] = {{0, "Group", ""}, {1, "All Group", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kVoxMicSelect[] = {{0, "Front MIC", ""}, {1, "EXT MIC", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRotarySw2[] = {{1, "SW", ""}, {2, "Encoder", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRotarySw3[] = {{0, "Default", ""}, {1, "SW", ""}, {2, "Encoder", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kLedFunction[] = {
    {0, "None", ""},       {1, "Moni", ""},        {2, "Scan CH", ""}, {4, "Low Power", ""},
    {5, "TA", ""},         {6, "Encryption", ""},  {7, "Emergency", ""}, {8, "PRI-1", ""},
    {9, "Horn Alert", ""}, {10, "PA", ""},         {12, "Lock", ""},   {13, "ACC2", ""},
    {14, "REC/PLAY", ""},  {15, "RFC", ""},        {-1, "", ""}};
constexpr ST_DISPDATA kLcdContrast[] = {
    {0, "0", ""},   {1, "1", ""},   {2, "2", ""},   {3, "3", ""},   {4, "4", ""},   {5, "5", ""},
    {6, "6", ""},   {7, "7", ""},   {8, "8", ""},   {9, "9", ""},   {10, "10", ""}, {11, "11", ""},
    {12, "12", ""}, {13, "13", ""}, {14, "14", ""}, {15, "15", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kKeyHoldingTime[] = {
    {5, "50 msec", ""}, {15, "150 msec", ""}, {30, "300 msec", ""}, {65, "650 msec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRed[] = {{0, "OFF", ""}, {1, "Red", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kGreen[] = {{0, "OFF", ""}, {2, "Green", ""}, {-1, "", ""}};

// The four times in units of 10 ms.
constexpr PageControlSpec kTimeSpecs[] = {
    {CFrontPanelPage1Dlg::IDC_USER_LED_ON, 4, 10, 2550, EditKind::Decimal, 0},
    {CFrontPanelPage1Dlg::IDC_USER_LED_OFF, 4, 10, 2550, EditKind::Decimal, 0},
    {CFrontPanelPage1Dlg::IDC_VOX_ATTACK, 4, 50, 800, EditKind::Decimal, 0},
    {CFrontPanelPage1Dlg::IDC_VOX_RELEASE, 4, 100, 1600, EditKind::Decimal, 0},
};
using TimeGet = std::uint32_t (*)(const CloneImage&);
using TimeSet = int (*)(CloneImage&, std::uint32_t);
constexpr TimeGet kTimeGet[] = {ItemMap::GetUserLedOnTime, ItemMap::GetUserLedOffTime,
                                ItemMap::GetVoxAttackTime, ItemMap::GetVoxReleaseTime};
constexpr TimeSet kTimeSet[] = {ItemMap::SetUserLedOnTime, ItemMap::SetUserLedOffTime,
                                ItemMap::SetVoxAttackTime, ItemMap::SetVoxReleaseTime};

constexpr std::uint8_t H = RestrictionState::Hide;
constexpr std::uint8_t kShown[15] = {};
constexpr std::uint8_t kVariant0Hidden[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};

// The unit captions beside the hidden times are hidden with them.
constexpr std::array<RulePair, 19> kPage1Pairs = {{
    {2001, 2101, kShown},          {2002, 2102, kShown},          {2003, 2103, kShown},
    {2004, 2104, kShown},          {2005, 2105, kShown},          {2010, 2114, kShown},
    {2007, 2107, kVariant0Hidden}, {2008, 2108, kVariant0Hidden}, {2006, 2106, kHidden},
    {2009, 2109, kHidden},         {2020, 2320, kHidden},         {2021, 2321, kHidden},
    {2011, 2111, kHidden},         {2012, 2112, kHidden},         {2013, 2311, kHidden},
    {2014, 2313, kHidden},         {2017, 2113, kHidden},         {2018, 2115, kHidden},
    {2019, 2110, kHidden},
}};
constexpr auto kPage1States = PairStates(kPage1Pairs);
constexpr auto kPage1Rules = PairRows(kPage1Pairs, kPage1States);

constexpr std::array<RulePair, 9> kPage2Pairs = {{
    {2001, 2101, kShown}, {2002, 2102, kShown}, {2003, 2103, kShown}, {2004, 2104, kShown},  {2005, 2105, kShown},
    {2008, 2108, kShown}, {2009, 2109, kShown}, {2006, 2106, kHidden}, {2007, 2107, kHidden},
}};
constexpr auto kPage2States = PairStates(kPage2Pairs);
constexpr auto kPage2Rules = PairRows(kPage2Pairs, kPage2States);

template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

using GainGet = std::uint32_t (*)(const CloneImage&);
using GainSet = int (*)(CloneImage&, std::uint32_t);
constexpr GainGet kGainGet[] = {ItemMap::GetInternalMicGain, ItemMap::GetExtMicGain, ItemMap::GetExtMicGain2};
constexpr GainSet kGainSet[] = {ItemMap::SetInternalMicGain, ItemMap::SetExtMicGain, ItemMap::SetExtMicGain2};

std::int32_t Clamp(std::int32_t v, std::int32_t upper) {
    return v < 0 ? 0 : v > upper ? upper : v;
}

// A whole decimal number and nothing after it.
bool ParseNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

namespace FrontPanelRules {

std::int32_t LevelOfCode(const GainScale& scale, std::int32_t code) {
    const std::int32_t r = scale.reference;
    std::int32_t level = r;
    if (scale.steps) {
        constexpr std::int32_t kDelta[] = {0, 2, 4, 7, -2, -4, -7};
        if (code >= 1 && code <= 6) level = r + kDelta[code];
    } else if (code == 1) {
        level = static_cast<std::int32_t>(r * std::sqrt(2.0));
    } else if (code == 2) {
        level = 2 * r;
    } else if (code == 4) {
        level = static_cast<std::int32_t>(r / std::sqrt(2.0));
    } else if (code == 5) {
        level = r / 2;
    }
    return Clamp(level, scale.upper);
}

std::int32_t CodeOfLevel(const GainScale& scale, std::int32_t level) {
    const std::int32_t s = Clamp(level, scale.upper), r = Clamp(scale.reference, scale.upper);
    if (scale.steps) {
        switch (s - r) {
            case -7: return 6;
            case -4: return 5;
            case -2: return 4;
            case 0: return 0;
            case 2: return 1;
            case 4: return 2;
            case 7: return 3;
            default: return 255;
        }
    }
    if (s == r) return 0;
    if (s == static_cast<std::int32_t>(r * std::sqrt(2.0))) return 1;
    if (s == 2 * r) return 2;
    if (s == static_cast<std::int32_t>(r / std::sqrt(2.0))) return 4;
    if (s == r / 2) return 5;
    return 255;
}

GainScale ScaleOf(const CloneImage& image, int which) {
    // The alignment accessors read the low five bits on the first model and
    // the whole byte on the others.
    constexpr GainGet kReference[] = {ItemMap::GetAlignIntMicGain, ItemMap::GetAlignExtMicGain,
                                      ItemMap::GetAlignExtMicGain2};
    const bool small = Model::IndexFromTypeCode(image) == 0;
    return {!Model::IsPlainKind(image), static_cast<std::int32_t>(kReference[which](image)), small ? 31 : 255};
}

void OneGroupCleanUp(CloneImage& image) {
    if (Version::Compare(image, 1, 10, 0, 0) < 0 || ItemMap::GetOneGroupMode(image) != 1) return;
    const int groups = static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxGroup(image), 8));
    for (int g = 0; g < groups; ++g) {
        ItemMap::SetPriorityChannel(image, g, 0xFF);
        ItemMap::SetRecord(ItemMap::HeaderOptionItems[4], image, g, 1, 0);
        ItemMap::SetGroupScanFlag(image, g, 0);
    }
}

}  // namespace FrontPanelRules

std::unique_ptr<SettingsDialogModel> CFrontPanelDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CFrontPanelPage1Dlg>());
    pages.push_back(std::make_unique<CFrontPanelPage2Dlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

void CFrontPanelPage1Dlg::Build() {
    SetRuleRows(kPage1Rules.data());
    using namespace ItemMap;
    Getter get;
    Setter set;
    AddCombo(2018, "1 &Group Mode", IDC_ONE_GROUP_MODE, kDisableEnable, [](const CloneImage& image) { return static_cast<std::int32_t>(GetOneGroupMode(image)); },
             [](CloneImage& image, std::int32_t value) {
                 SetOneGroupMode(image, static_cast<std::uint32_t>(value));
                 if (value == 1) CloneImageOps::ResetUnavailableSelections(image);
             });
    Item<GetPttLock, SetPttLock>(get, set);
    AddCombo(2001, "PT&T Lock", IDC_PTT_LOCK, kDisableEnable, get, set);
    Item<GetDialLock, SetDialLock>(get, set);
    AddCombo(2002, "&Dial Lock", IDC_DIAL_LOCK, kDisableEnable, get, set);
    Item<GetKeyLock, SetKeyLock>(get, set);
    AddCombo(2003, "&Key Lock", IDC_KEY_LOCK, kDisableEnable, get, set);
    constexpr const char* kGainCaptions[] = {"&Internal MIC Gain", "&Ext MIC Gain", "Ext MIC Gain&2 (Flat)"};
    for (int g = 0; g < 3; ++g) {
        AddCombo(
            2004 + g, kGainCaptions[g], IDC_INT_MIC_GAIN + g, kGain,
            [g](const CloneImage& image) {
                return FrontPanelRules::CodeOfLevel(FrontPanelRules::ScaleOf(image, g),
                                                    static_cast<std::int32_t>(kGainGet[g](image)));
            },
            [g](CloneImage& image, std::int32_t code) {
                kGainSet[g](image, static_cast<std::uint32_t>(
                                       FrontPanelRules::LevelOfCode(FrontPanelRules::ScaleOf(image, g), code)));
            });
    }
    // The ZT-640 has no rotary selector: its mode stays "Channel".
    AddCombo(2007, "&Rotary Selector Mode", IDC_ROTARY_SELECTOR_MODE, kRotarySelectorMode,
             [](const CloneImage& image) { return static_cast<std::int32_t>(GetRotarySelectorMode(image)); }, [](CloneImage& image, std::int32_t value) {
                 SetRotarySelectorMode(image, Model::IndexFromTypeCode(image) == 1 ? 0u
                                                                                   : static_cast<std::uint32_t>(value));
             });
    Item<GetChSelectorChMode, SetChSelectorChMode>(get, set);
    AddCombo(2008, "&CH Selector CH Mode", IDC_CH_SELECTOR_CH_MODE, kChSelectorChMode, get, set);
    Item<GetVoxMicSelect, SetVoxMicSelect>(get, set);
    AddCombo(2009, "&VOX MIC Select", IDC_VOX_MIC_SELECT, kVoxMicSelect, get, set);
    Item<GetPanelLedA, SetPanelLedA>(get, set);
    AddCombo(2011, "Panel LED &A", IDC_PANEL_LED_A, kLedFunction, get, set);
    Item<GetPanelLedB, SetPanelLedB>(get, set);
    AddCombo(2012, "Panel LED &B", IDC_PANEL_LED_B, kLedFunction, get, set);
    Item<GetLcdContrast, SetLcdContrast>(get, set);
    AddCombo(2017, "&LCD Contrast", IDC_LCD_CONTRAST, kLcdContrast, get, set);
    Item<GetKeyHoldingTime, SetKeyHoldingTime>(get, set);
    AddCombo(2010, "Key &Holding Time", IDC_KEY_HOLDING_TIME, kKeyHoldingTime, get, set);
    Item<GetRotarySwAction, SetRotarySwAction>(get, set);
    AddCombo(2019, "R&otary SW Action", IDC_ROTARY_SW_ACTION, kRotarySw2, get, set);
    AddEdit(2013, "User LED ON Time", kTimeSpecs[0]);
    AddEdit(2014, "User LED OFF Time", kTimeSpecs[1]);
    AddEdit(2020, "VOX Attac&k Time", kTimeSpecs[2]);
    AddEdit(2021, "&VOX Release Time", kTimeSpecs[3]);
}

// Newer firmware of product type 2 also knows the switch's own default.
void CFrontPanelPage1Dlg::FilterLists(const CloneImage& image) {
    const std::uint32_t stored = ItemMap::GetRotarySwAction(image);
    const bool three = stored != 1 && stored != 2 && Version::Compare(image, 1, 13, 2, 0) >= 0 &&
                       ItemMap::GetProductType(image) == 2;
    Form().SetRows(IDC_ROTARY_SW_ACTION, three ? RowsOf(kRotarySw3) : RowsOf(kRotarySw2));
}

void CFrontPanelPage1Dlg::LoadOwn(const CloneImage& image) {
    for (int i = 0; i < 4; ++i) {
        loaded_[i] = std::to_string(kTimeGet[i](image) * 10);
        Form().SetText(static_cast<int>(kTimeSpecs[i].controlId), loaded_[i]);
    }
}

// A 10-ms time shows whole units: the entry is rounded toward zero.
void CFrontPanelPage1Dlg::Left(int controlId) {
    for (const auto& spec : kTimeSpecs) {
        if (static_cast<int>(spec.controlId) != controlId) continue;
        int value = 0;
        if (ParseNumber(Form().Text(controlId), value)) Form().SetText(controlId, std::to_string(value / 10 * 10));
    }
}

void CFrontPanelPage1Dlg::SaveOwn(CloneImage& image) {
    // An empty or malformed entry, or one left as loaded, writes nothing.
    for (int i = 0; i < 4; ++i) {
        const std::string text = Form().Text(static_cast<int>(kTimeSpecs[i].controlId));
        int value = 0;
        if (text == loaded_[i] || !ParseNumber(text, value) || value < 0) continue;
        kTimeSet[i](image, static_cast<std::uint32_t>(std::min(value / 10, 255)));
    }
}

void CFrontPanelPage1Dlg::Save(CloneImage& image) {
    SettingsPage::Save(image);
    FrontPanelRules::OneGroupCleanUp(image);
}

void CFrontPanelPage2Dlg::Build() {
    SetRuleRows(kPage2Rules.data());
    using namespace ItemMap;
    Getter get;
    Setter set;
    Item<GetLedColorLowBattery, SetLedColorLowBattery>(get, set);
    AddCombo(2001, "&Low Battery", IDC_LOW_BATTERY, kRed, get, set);
    Item<GetLedColorTx, SetLedColorTx>(get, set);
    AddCombo(2002, "&TX", IDC_TX, kRed, get, set);
    Item<GetLedColorSqlOpenBusy, SetLedColorSqlOpenBusy>(get, set);
    AddCombo(2003, "S&QL Open / Busy", IDC_SQL_OPEN_BUSY, kGreen, get, set);
    Item<GetLedColorMonitor, SetLedColorMonitor>(get, set);
    AddCombo(2004, "&Monitor", IDC_MONITOR, kGreen, get, set);
    Item<GetLedColorScan, SetLedColorScan>(get, set);
    AddCombo(2005, "&Scan", IDC_SCAN, kGreen, get, set);
    Item<GetLedColorGroup2, SetLedColorGroup2>(get, set);
    AddCombo(2006, "Group-&2", IDC_GROUP2, kGreen, get, set);
    Item<GetLedColorEncryption, SetLedColorEncryption>(get, set);
    AddCombo(2007, "&Encryption", IDC_ENCRYPTION, kGreen, get, set);
    Item<GetLedColorLowPower, SetLedColorLowPower>(get, set);
    AddCombo(2008, "Low &Power", IDC_LOW_POWER, kGreen, get, set);
    Item<GetLedColorVox, SetLedColorVox>(get, set);
    AddCombo(2009, "&VOX", IDC_VOX, kGreen, get, set);
}
