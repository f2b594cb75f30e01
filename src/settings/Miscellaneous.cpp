#include "settings/Miscellaneous.h"

#include <cmath>
#include <cstdio>

#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "language/Language.h"
#include "ui/EditRules.h"

using namespace Settings;

namespace {

constexpr ST_DISPDATA kDisableEnable[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kPowerOnCondition[] = {
    {0, "Backup", ""}, {1, "CH Position", ""}, {2, "PRI-1 CH", ""}, {3, "PRI CH", ""}, {4, "Power ON CH", ""},
    {5, "Group01", ""}, {16, "Scan", ""},      {17, "Group Scan", ""}, {18, "DW", ""},  {-1, "", ""}};
constexpr ST_DISPDATA kVoxOffset[] = {{2, "2", ""},   {1, "1", ""},   {0, "0", ""},
                                      {17, "-1", ""}, {18, "-2", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kVoxMic[] = {{1, "EXT MIC", ""}, {0, "Front MIC", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRevertCh[] = {{0, "PRI-1", ""}, {1, "PRI CH", ""}, {2, "Start CH", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kBusyAlert[] = {{0, "Single", ""}, {1, "Continuous", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kOltaMode[] = {{0, "TRX", ""}, {1, "RX", ""}, {2, "TX", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kOltaTxTime[] = {{0, "25 sec", ""}, {1, "55 sec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kTailElimination[] = {
    {0, "Disable", ""}, {1, "No Tone", ""}, {2, "120 deg", ""}, {3, "180 deg", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kOffHookScan[] = {{0, "Scan Enable", ""}, {1, "Scan Disable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kOffHookSignaling[] = {{1, "Sig. Enable", ""}, {0, "Sig. Off", ""}, {-1, "", ""}};

// The condition's row values the radio models leave out.
constexpr std::int32_t kBackup = 0, kPriCh = 3, kGroup01 = 5, kScan = 16;

// Rows built from a value range and a text format.
std::vector<ListRow> NumberRows(int first, int last, int step, const char* format, double scale) {
    std::vector<ListRow> rows;
    for (int v = first; step > 0 ? v <= last : v >= last; v += step) {
        char text[32];
        std::snprintf(text, sizeof text, format, v * scale);
        rows.push_back({v, text});
    }
    return rows;
}

std::vector<ListRow> BeepLevelRows() {
    std::vector<ListRow> rows;
    for (int v = 0; v <= 15; ++v) rows.push_back({v, std::to_string(v)});
    return rows;
}

// 15 .. 0, then 17 .. 31 as -1 .. -15 (16 is no value).
std::vector<ListRow> SqlOffsetRows() {
    std::vector<ListRow> rows;
    for (int v = 15; v >= 0; --v) rows.push_back({v, std::to_string(v)});
    for (int v = 17; v <= 31; ++v) rows.push_back({v, std::to_string(16 - v)});
    return rows;
}

std::vector<ListRow> DualWatchTimeRows() {
    std::vector<ListRow> rows{{0, "Disable"}};
    for (const ListRow& row : NumberRows(5, 75, 5, "%.1f sec", 0.1)) rows.push_back(row);
    return rows;
}

// 2 "0.5 sec", 4 "1.0 sec" ... 240 "60.0 sec".
std::vector<ListRow> ResumeTimeRows() {
    return NumberRows(2, 240, 2, "%2.1f sec", 0.25);
}

std::vector<ListRow> HornAlertRows() {
    std::vector<ListRow> rows{{0, "No Limit"}, {1, "1 sec"}, {2, "2 sec"}, {5, "5 sec"}};
    for (int v = 10; v <= 150; v += 10) rows.push_back({v, std::to_string(v) + " sec"});
    return rows;
}

// An item's accessor pair as a bound combo box's getter and setter.
template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
struct Item {
    static std::int32_t Read(const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); }
    static void Write(CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); }
};
#define ZT_ITEM(name) &Item<&ItemMap::Get##name, &ItemMap::Set##name>::Read, &Item<&ItemMap::Get##name, &ItemMap::Set##name>::Write

constexpr PageControlSpec kSplitSpec{CMiscPage1Dlg::IDC_DEFAULT_SPLIT, 5, -99.9, 99.9, EditKind::Frequency, 0};
constexpr PageControlSpec kVolumeSpec{CMiscPage1Dlg::IDC_AF_MIN_VOLUME, 3, 0, 255, EditKind::Decimal, 0};

// Every printed caption-and-control pair has a state array of its own (the
// printout puts the rows of one array on one line); the hidden ones share one.
constexpr std::uint8_t H = RestrictionState::Hide, D = RestrictionState::Disable;
constexpr std::uint8_t kShown1[8][15] = {};
constexpr std::uint8_t kHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};

constexpr ControlRuleRow kPage1Rules[] = {
    {2001, 0, kShown1[0]}, {2301, 1, kShown1[0]}, {3101, 0, kShown1[0]}, {2002, 0, kShown1[1]},
    {2101, 1, kShown1[1]}, {2005, 0, kShown1[2]}, {2104, 1, kShown1[2]}, {2006, 0, kShown1[3]},
    {2105, 1, kShown1[3]}, {2011, 0, kShown1[4]}, {2109, 1, kShown1[4]}, {2023, 0, kShown1[5]},
    {2120, 1, kShown1[5]}, {2026, 0, kShown1[6]}, {2123, 1, kShown1[6]}, {2025, 0, kShown1[7]},
    {2122, 1, kShown1[7]}, {2010, 0, kHidden},    {2108, 1, kHidden},    {2024, 0, kHidden},
    {2121, 1, kHidden},    {2003, 0, kHidden},    {2102, 1, kHidden},    {2004, 0, kHidden},
    {2103, 1, kHidden},    {2007, 0, kHidden},    {2302, 1, kHidden},    {2012, 0, kHidden},
    {2106, 1, kHidden},    {2013, 0, kHidden},    {2110, 1, kHidden},    {2014, 0, kHidden},
    {2111, 1, kHidden},    {2015, 0, kHidden},    {2112, 1, kHidden},    {2016, 0, kHidden},
    {2113, 1, kHidden},    {2017, 0, kHidden},    {2114, 1, kHidden},    {2018, 0, kHidden},
    {2115, 1, kHidden},    {2021, 0, kHidden},    {2118, 1, kHidden},    {2022, 0, kHidden},
    {2119, 1, kHidden},    {-1, 0, nullptr},
};

constexpr std::uint8_t kShown2[5][15] = {};
// Tail Elimination Time: disabled in the normal service mode only.
constexpr std::uint8_t kServiceOnly[15] = {D, 0, 0, D, 0, 0, D, 0, 0, D, 0, 0, D, 0, 0};

constexpr ControlRuleRow kPage2Rules[] = {
    {2009, 0, kShown2[0]}, {2110, 1, kShown2[0]}, {2017, 0, kShown2[1]}, {2119, 1, kShown2[1]},
    {2020, 0, kShown2[2]}, {2120, 1, kShown2[2]}, {2021, 0, kShown2[3]}, {2121, 1, kShown2[3]},
    {2022, 0, kServiceOnly}, {2122, 1, kServiceOnly}, {2023, 0, kShown2[4]}, {2123, 1, kShown2[4]},
    {2010, 0, kHidden},    {2107, 1, kHidden},    {2008, 0, kHidden},    {2111, 1, kHidden},
    {2012, 0, kHidden},    {2112, 1, kHidden},    {2013, 0, kHidden},    {2113, 1, kHidden},
    {2014, 0, kHidden},    {2114, 1, kHidden},    {2015, 0, kHidden},    {2115, 1, kHidden},
    {2016, 0, kHidden},    {2116, 1, kHidden},    {2018, 0, kHidden},    {2117, 1, kHidden},
    {2019, 0, kHidden},    {2118, 1, kHidden},    {-1, 0, nullptr},
};

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

namespace MiscRules {

std::vector<ListRow> PriorityChannelRows(const CloneImage& image, const std::string& disableText) {
    std::vector<ListRow> rows{{65535, disableText}};
    bool marked[128] = {};
    const bool groupKinds = Version::Compare(image, 1, 9, 0, 0) >= 0;
    for (int g = 0; g < ItemMap::GroupCount; ++g) {
        if (groupKinds) {
            const std::uint32_t kind =
                ItemMap::ReadHeaderField(ItemMap::HeaderOptionItems[4], image, static_cast<std::uint32_t>(g), 1);
            if (kind != 0 && kind != 15 && kind != 4) continue;
        }
        for (int k = 0; k < ItemMap::GroupSlotCount; ++k) {
            const std::uint32_t channel = ItemMap::ReadIndexedItem(image, g, k);
            if (channel < 128) marked[channel] = true;
        }
    }
    const std::uint32_t display = ItemMap::GetDisplayType(image);
    const bool withName = display == 2 || display == 5 || display == 6;
    for (int n = 0; n < 128; ++n) {
        if (!marked[n]) continue;
        char text[16];
        std::snprintf(text, sizeof text, "CH-%03d", n + 1);
        std::string row = text;
        if (withName) row += " :" + ItemMap::GetChannelName(image, n);
        rows.push_back({n, row});
    }
    return rows;
}

std::string SplitText(std::int32_t tenths) {
    return Format("%3.1f", tenths / 10.0);
}

std::string CorrectSplit(const std::string& text) {
    if (text.empty()) return text;
    const std::string clamped = EditRules::CorrectFrequency(text, kSplitSpec, "%3.1f");
    return SplitText(SplitTenths(clamped));
}

std::int32_t SplitTenths(const std::string& text) {
    std::string dotted = text;
    for (char& c : dotted)
        if (c == ',') c = '.';
    if (dotted.empty()) return 0;
    return static_cast<std::int32_t>(std::lround(std::strtod(dotted.c_str(), nullptr) * 10.0));
}

}  // namespace MiscRules

// ---- page 1 ------------------------------------------------------------------------------

void CMiscPage1Dlg::Build() {
    // The split and its unit on one line.
    BeginRow(2001, "&Default Split");
    AddEdit(0, {}, kSplitSpec);
    AddLabel(IDC_SPLIT_UNIT, "MHz");
    EndRow();
    Form().Find(IDC_DEFAULT_SPLIT)->format = "%3.1f";
    Form().Find(IDC_DEFAULT_SPLIT)->signedText = true;
    AddCombo(2002, "Po&wer ON Condition", IDC_POWER_ON, kPowerOnCondition, ZT_ITEM(PowerOnCondition));
    AddCombo(2005, "&Key Beep", IDC_KEY_BEEP, kDisableEnable, ZT_ITEM(KeyBeep));
    AddCombo(2006, "Beep &Level", IDC_BEEP_LEVEL, BeepLevelRows(), ZT_ITEM(BeepLevel));
    AddCombo(2011, "&Radio to Radio Clone", IDC_RADIO_CLONE, kDisableEnable, ZT_ITEM(RadioToRadioClone));
    AddCombo(2023, "&VOX Offset Data", IDC_VOX_OFFSET, kVoxOffset, ZT_ITEM(VoxOffsetData));
    AddCombo(2026, "V&OX Anti Trip", IDC_VOX_ANTI_TRIP, kDisableEnable, ZT_ITEM(VoxAntiTrip));
    AddCombo(2025, "VO&X Talk Permit Tone", IDC_VOX_TPT, kDisableEnable, ZT_ITEM(VoxTalkPermitTone));
    // Hidden on these radios, still loaded and saved.
    AddCombo(2003, "Pwr ON(Group)", IDC_POWER_ON_GROUP, std::vector<ListRow>{}, ZT_ITEM(PowerOnGroup));
    AddCombo(2004, "Pwr ON(CH)", IDC_POWER_ON_CHANNEL, std::vector<ListRow>{}, ZT_ITEM(PowerOnChannel));
    AddCombo(2010, "VOX &MIC Select", 2108, kVoxMic, ZT_ITEM(VoxMicSelect));
    AddCombo(2024, "&SQL Offset Data", 2121, SqlOffsetRows(), ZT_ITEM(SqlOffsetData));
    AddEdit(2007, "A&F Minimum Volume", kVolumeSpec);
    AddCombo(2012, "PRI-&1 DW", 2106, kDisableEnable, ZT_ITEM(Pri1DualWatch));
    AddCombo(2013, "PRI-&2 DW", 2110, kDisableEnable, ZT_ITEM(Pri2DualWatch));
    AddCombo(2014, "&Dual Watch Time", 2111, DualWatchTimeRows(), ZT_ITEM(DualWatchTime));
    AddCombo(2015, "Dual Watch &Resume Time 1", 2112, ResumeTimeRows(), ZT_ITEM(DualWatchResumeTime1));
    AddCombo(2016, "Dual Watch Resume &Time 2", 2113, ResumeTimeRows(), ZT_ITEM(DualWatchResumeTime2));
    AddCombo(2017, "Dual Watch Talk &Back", 2114, kDisableEnable, ZT_ITEM(DualWatchTalkBack));
    AddCombo(2018, "Dual Watch Re&vert CH", 2115, kRevertCh, ZT_ITEM(DualWatchRevertCh));
    AddCombo(2021, "Dual Watch B&eep", 2118, kDisableEnable, ZT_ITEM(DualWatchBeep));
    AddCombo(2022, "Busy &Alert", 2119, kBusyAlert, ZT_ITEM(BusyAlert));
    SetRuleRows(kPage1Rules);
    selector_ = std::make_unique<GroupChannelSelector>(Form(), IDC_POWER_ON_GROUP, IDC_POWER_ON_CHANNEL);
    // A condition the power-on channel cannot satisfy ends at "Backup"; an
    // empty box (a stored condition not offered) is nothing to go back to.
    powerOn_ = std::make_unique<ModeChoice>(
        Form(), IDC_POWER_ON, kBackup, [this](std::int32_t condition, bool keep) { return ApplyMode(condition, keep); },
        ModeChoice::Empty::Ignored);
}

void CMiscPage1Dlg::FilterLists(const CloneImage& image) {
    // One model offers backup, scan and dual watch only.
    const bool plain = Model::IndexFromTypeCode(image) == 1;
    std::vector<ListRow> offered;
    for (const ListRow& row : RowsOf(kPowerOnCondition)) {
        const bool withdrawn = row.value == 1 || row.value == 2 || row.value == 4 || row.value == 17 ||
                               (plain && (row.value == kPriCh || row.value == kGroup01));
        if (!withdrawn) offered.push_back(row);
    }
    Form().SetRows(IDC_POWER_ON, std::move(offered));
    oneGroupLocked_ = Version::Compare(image, 1, 10, 0, 0) >= 0 && ItemMap::GetOneGroupMode(image) == 1;
    passwordOff_ = ItemMap::GetProgrammingPasswordOn(image) == 0;
    selector_->SetWarnings(false);
    selector_->Bind(image);
}

void CMiscPage1Dlg::Loaded(int controlId) {
    if (selector_->Picked(controlId)) return;
    switch (controlId) {
        case IDC_POWER_ON: {
            // In the one-group mode the radio has no priority channel, group or scan to power on at.
            const std::int32_t value = Form().Value(IDC_POWER_ON);
            if (oneGroupLocked_ && (value == kPriCh || value == kGroup01 || value == kScan))
                Form().SelectValue(IDC_POWER_ON, kBackup);
            break;
        }
        case IDC_RADIO_CLONE:
            // Without a programming password the radio refuses cloning.
            if (passwordOff_) Form().SelectValue(IDC_RADIO_CLONE, 1);
            break;
        default:
            break;
    }
}

void CMiscPage1Dlg::LoadOwn(const CloneImage& image) {
    loadedSplit_ = MiscRules::SplitText(ItemMap::GetSignMagnitude(image));
    Form().SetText(IDC_DEFAULT_SPLIT, loadedSplit_);
    loadedVolume_ = std::to_string(ItemMap::GetAfMinimumVolume(image));
    Form().SetText(IDC_AF_MIN_VOLUME, loadedVolume_);
}

void CMiscPage1Dlg::AfterLoad() {
    powerOn_->Start();
    selector_->SetWarnings(true);
}

bool CMiscPage1Dlg::ApplyMode(std::int32_t condition, bool keep) {
    using Mode = GroupChannelSelector::Mode;
    switch (condition) {
        case kPriCh:
            return selector_->SetMode(Mode::Priority, keep);
        case kGroup01:
            // The first group only, its channels to choose from.
            if (!selector_->SetMode(Mode::Select, keep) && keep) return false;
            Form().SelectValue(IDC_POWER_ON_GROUP, 0);
            return selector_->GroupPicked();
        default:
            return selector_->SetMode(Mode::Off, keep);
    }
}

void CMiscPage1Dlg::Changed(int controlId) {
    if (selector_->Picked(controlId)) return;
    if (controlId == IDC_POWER_ON) powerOn_->Follow();
}

void CMiscPage1Dlg::Left(int controlId) {
    if (controlId == IDC_DEFAULT_SPLIT)
        Form().SetText(controlId, MiscRules::CorrectSplit(Form().Text(controlId)));
    else if (controlId == IDC_AF_MIN_VOLUME)
        Form().SetText(controlId, EditRules::FormatNumber(Form().Text(controlId), kVolumeSpec).text);
}

// The edits write only what the user changed: a stored split outside the
// field's range (or an erased one) stays as it is until edited.
void CMiscPage1Dlg::SaveOwn(CloneImage& image) {
    const std::string split = Form().Text(IDC_DEFAULT_SPLIT);
    if (split != loadedSplit_) ItemMap::SetSignMagnitude(image, MiscRules::SplitTenths(MiscRules::CorrectSplit(split)));
    const std::string volume = Form().Text(IDC_AF_MIN_VOLUME);
    if (volume != loadedVolume_) {
        const std::string corrected = EditRules::FormatNumber(volume, kVolumeSpec).text;
        ItemMap::SetAfMinimumVolume(image, corrected.empty() ? 0u : static_cast<std::uint32_t>(std::stoul(corrected)));
    }
}

// ---- page 2 ------------------------------------------------------------------------------

void CMiscPage2Dlg::Build() {
    AddCombo(2009, "&OLTA Mode", IDC_OLTA_MODE, kOltaMode, ZT_ITEM(OltaMode));
    AddCombo(2017, "OLTA Bee&p", IDC_OLTA_BEEP, kDisableEnable, ZT_ITEM(OltaBeep));
    AddCombo(2020, "OLTA T&X Time", IDC_OLTA_TX_TIME, kOltaTxTime, ZT_ITEM(OltaTxTime));
    AddCombo(2021, "&CTCSS Tail Elimination", IDC_TAIL_ELIMINATION, kTailElimination,
             ZT_ITEM(CtcssTailElimination));
    AddCombo(2022, "Tail &Elimination Time", IDC_TAIL_TIME, NumberRows(10, 25, 1, "%.0f msec", 10.0),
             ZT_ITEM(TailEliminationTime));
    AddCombo(2023, "&Bell", IDC_BELL, kDisableEnable, ZT_ITEM(Bell));
    // The mobile installation: hidden on these radios, still loaded and saved.
    AddCombo(2010, "External PT&T", 2107, kDisableEnable, ZT_ITEM(ExternalPtt));
    AddCombo(2008, "Hoo&k Function", IDC_HOOK_FUNCTION, kDisableEnable, ZT_ITEM(HookFunction));
    AddCombo(2012, "O&FF Hook Scan", 2112, kOffHookScan, ZT_ITEM(OffHookScan));
    AddCombo(2013, "OFF Hook Si&gnaling", 2113, kOffHookSignaling, ZT_ITEM(OffHookSignaling));
    AddCombo(2014, "OFF Hook Call &4", 2114, kDisableEnable, ZT_ITEM(OffHookCall4));
    AddCombo(2015, "ON Hook Call &5", 2115, kDisableEnable, ZT_ITEM(OnHookCall5));
    AddCombo(2016, "&Ignition Sense", 2116, kDisableEnable, ZT_ITEM(IgnitionSense));
    AddCombo(2018, "&Horn Alert Time", 2117, HornAlertRows(), ZT_ITEM(HornAlertTime));
    AddCombo(2019, "Horn Alert &One Time", 2118, kDisableEnable, ZT_ITEM(HornAlertOneTime));
    SetRuleRows(kPage2Rules);
}
#undef ZT_ITEM

// With the hook function off, the on- and off-hook settings do nothing.
void CMiscPage2Dlg::HookRule() {
    const std::int32_t hook = Form().Value(IDC_HOOK_FUNCTION);
    if (hook == -1) return;
    for (const int id : {2112, 2113, 2114, 2115}) Form().Enable(id, hook != 1);
}

void CMiscPage2Dlg::AfterRules() {
    HookRule();
}

void CMiscPage2Dlg::Changed(int controlId) {
    if (controlId == IDC_HOOK_FUNCTION) HookRule();
}

std::unique_ptr<SettingsDialogModel> CMiscDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CMiscPage1Dlg>());
    pages.push_back(std::make_unique<CMiscPage2Dlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}
