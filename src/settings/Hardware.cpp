#include "settings/Hardware.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "settings/RuleStates.h"

using namespace Settings;

namespace {

using P1 = CHardwarePage1Dlg;
using P2 = CHardwarePage2Dlg;

// Page 1: the frequencies at the resolution they are stored in (Ref Xtal and
// 1st IF in kHz), the times in milliseconds.
constexpr PageControlSpec kPage1Edits[] = {
    {P1::IDC_MIN_FREQUENCY, 5, 100.0, 555.0, EditKind::Frequency, 0},
    {P1::IDC_MAX_FREQUENCY, 5, 100.0, 555.0, EditKind::Frequency, 0},
    {P1::IDC_REF_XTAL, 6, 0.0, 65.535, EditKind::Frequency, 0},
    {P1::IDC_FIRST_IF, 7, 0.0, 999.999, EditKind::Frequency, 0},
    {P1::IDC_SQL_STABILITY, 2, 2, 30, EditKind::Decimal, 0},
    {P1::IDC_SQL_RELEASE, 4, 0, 280, EditKind::Decimal, 0},
    {P1::IDC_SQL_ATTACK, 3, 0, 100, EditKind::Decimal, 0},
    {P1::IDC_SQL_HYSTERESIS, 3, 0, 255, EditKind::Decimal, 0},
    {P1::IDC_VOX_RELEASE, 4, 100, 1600, EditKind::Decimal, 0},
    {P1::IDC_VOX_ATTACK, 4, 50, 800, EditKind::Decimal, 0},
};

using Get = std::uint32_t (*)(const CloneImage&);
using Set = int (*)(CloneImage&, std::uint32_t);

// A time edit: stored in units of `unit` ms; leaving it rounds the entry
// down to a multiple of `round` ms.
struct TimeEdit {
    int id;
    Get get;
    Set set;
    int unit;
    int round;
};
constexpr TimeEdit kTimes[] = {
    {P1::IDC_SQL_STABILITY, ItemMap::GetSqlStabilityTime, ItemMap::SetSqlStabilityTime, 1, 2},
    {P1::IDC_SQL_RELEASE, ItemMap::GetSqlReleaseTime, ItemMap::SetSqlReleaseTime, 5, 40},
    {P1::IDC_SQL_ATTACK, ItemMap::GetSqlAttackTime, ItemMap::SetSqlAttackTime, 5, 5},
    {P1::IDC_SQL_HYSTERESIS, ItemMap::GetSqlHysteresis, ItemMap::SetSqlHysteresis, 1, 1},
    {P1::IDC_VOX_RELEASE, ItemMap::GetVoxReleaseTime, ItemMap::SetVoxReleaseTime, 10, 100},
    {P1::IDC_VOX_ATTACK, ItemMap::GetVoxAttackTime, ItemMap::SetVoxAttackTime, 10, 50},
};

struct FrequencyEdit {
    int id;
    Get get;
    Set set;
    double perMHz;  // stored units per MHz
    const char* format;
};
constexpr FrequencyEdit kFrequencies[] = {
    {P1::IDC_MIN_FREQUENCY, ItemMap::GetMinFrequency, ItemMap::SetMinFrequency, 10.0, "%.1f"},
    {P1::IDC_MAX_FREQUENCY, ItemMap::GetMaxFrequency, ItemMap::SetMaxFrequency, 10.0, "%.1f"},
    {P1::IDC_REF_XTAL, ItemMap::GetReferenceXtalFrequency, ItemMap::SetReferenceXtalFrequency, 1000.0, "%.3f"},
    {P1::IDC_FIRST_IF, ItemMap::GetFirstIfFrequency, ItemMap::SetFirstIfFrequency, 1000.0, "%.3f"},
};

const FrequencyEdit* FrequencyOf(int id) {
    for (const auto& f : kFrequencies)
        if (f.id == id) return &f;
    return nullptr;
}
const PageControlSpec& SpecOf(int id) {
    for (const auto& s : kPage1Edits)
        if (static_cast<int>(s.controlId) == id) return s;
    return kPage1Edits[0];
}

constexpr ST_DISPDATA kChStep[] = {{12, "5/6.25 kHz", ""},
                                   {8, "2.5/5/6.25 kHz", ""},
                                   {0, "1.25/2.5/5/6.25 kHz", ""},
                                   {14, "10/12.5 kHz", ""},
                                   {-1, "", ""}};
constexpr ST_DISPDATA kLocalOffset[] = {{1, "Upper", ""}, {0, "Lower", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kDcsData[] = {{0, "Normal", ""}, {1, "Invert", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kProductName[] = {{295, "ZT-640", ""}, {296, "ZT-610", ""}, {-1, "", ""}};
constexpr std::int32_t kSafetyOther = 255;
constexpr ST_DISPDATA kSafetyType[] = {{0, "Normal", ""}, {9, "IS", ""},    {10, "FM", ""},      {11, "ATEX", ""},
                                       {12, "CQST", ""},  {255, "Other", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kBandType[] = {
    {1, "VHF-Low", ""}, {2, "VHF-Mid", ""}, {3, "VHF", ""}, {4, "UHF", ""}, {-1, "", ""}};
constexpr std::int32_t kDisplayOther = 15;
constexpr ST_DISPDATA kDisplayType[] = {{0, "None", ""}, {3, "7seg", ""},    {2, "13seg", ""},      {5, "Dot", ""},
                                        {6, "Fulldot", ""}, {15, "Other", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kKeypad[] = {
    {0, "None", ""}, {1, "4 Key", ""}, {2, "16 Key", ""}, {3, "Simple", ""}, {4, "DTMF", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kChSelector[] = {
    {0, "None", ""}, {1, "Up/Down Key", ""}, {2, "Position SW", ""}, {3, "Rotary Encoder", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kOptionBoard[] = {{0, "None", ""}, {1, "Possible", ""}, {-1, "", ""}};

// Rows "prefix + (value + offset)" for the values 0..last.
std::vector<ListRow> Numbered(int last, const char* prefix, int offset) {
    std::vector<ListRow> rows;
    for (int v = 0; v <= last; ++v) rows.push_back({v, prefix + std::to_string(v + offset)});
    return rows;
}
std::vector<ListRow> Letters(int last) {
    std::vector<ListRow> rows;
    for (int v = 0; v <= last; ++v) rows.push_back({v, std::string(1, static_cast<char>('A' + v))});
    return rows;
}

bool HasRow(ItemList list, std::int32_t value) {
    for (const ListRow& row : RowsOf(list))
        if (row.value == value) return true;
    return false;
}

template <Get G, Set S>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(G(image)); };
    set = [](CloneImage& image, std::int32_t value) { S(image, static_cast<std::uint32_t>(value)); };
}

constexpr std::uint8_t D = RestrictionState::Disable, H = RestrictionState::Hide;
constexpr std::uint8_t kNormalDisabled[15] = {D, 0, 0, D, 0, 0, D, 0, 0, D, 0, 0, D, 0, 0};
constexpr std::uint8_t kNormalHidden[15] = {H, 0, 0, H, 0, 0, H, 0, 0, H, 0, 0, H, 0, 0};
constexpr std::uint8_t kAlwaysHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};

constexpr std::array<RulePair, 18> kPage1Pairs = {{
    {2001, 2301, kNormalDisabled}, {2002, 2302, kNormalDisabled}, {2003, 2303, kNormalDisabled},
    {2004, 2104, kNormalDisabled}, {2005, 2105, kNormalDisabled}, {2006, 2309, kNormalDisabled},
    {2009, 2304, kNormalDisabled}, {2010, 2305, kNormalDisabled}, {2011, 2306, kNormalDisabled},
    {2012, 2310, kNormalDisabled}, {2013, 2307, kNormalDisabled}, {2014, 2308, kNormalDisabled},
    {2015, 2115, kNormalDisabled}, {2016, 2116, kNormalDisabled}, {2007, 2107, kNormalHidden},
    {2008, 2108, kNormalHidden},   {2018, 2118, kNormalHidden},   {2017, 2117, kNormalHidden},
}};
constexpr auto kPage1States = PairStates(kPage1Pairs);
constexpr auto kPage1Rules = PairRows(kPage1Pairs, kPage1States);

constexpr std::array<RulePair, 12> kPage2Pairs = {{
    {2001, 2101, kNormalDisabled}, {2004, 2104, kNormalDisabled}, {2007, 2301, kNormalDisabled},
    {2008, 2302, kNormalDisabled}, {2009, 2109, kNormalDisabled}, {2010, 2110, kNormalDisabled},
    {2005, 2105, kNormalHidden},   {2014, 2114, kAlwaysHidden},   {2002, 2102, kAlwaysHidden},
    {2003, 2103, kAlwaysHidden},   {2012, 2112, kAlwaysHidden},   {2013, 2113, kAlwaysHidden},
}};
constexpr auto kPage2States = PairStates(kPage2Pairs);
constexpr auto kPage2Rules = PairRows(kPage2Pairs, kPage2States);

constexpr PageControlSpec kMaxGroupSpec{P2::IDC_MAX_GROUP, 2, 1, 8, EditKind::Decimal, 0};
constexpr PageControlSpec kMaxChannelSpec{P2::IDC_MAX_CHANNEL, 4, 8, 128, EditKind::Decimal, 0};

std::optional<long long> Whole(const std::string& text) {
    return EditRules::ParseWholeDecimal(text);
}

}  // namespace

namespace HardwareRules {

std::string FrequencyText(int controlId, std::uint32_t stored) {
    const FrequencyEdit* f = FrequencyOf(controlId);
    if (!f) return {};
    return EditRules::FormatDouble(f->format, stored / f->perMHz);
}

std::optional<std::uint32_t> FrequencyValue(int controlId, const std::string& text) {
    const FrequencyEdit* f = FrequencyOf(controlId);
    const auto mhz = EditRules::ParseWholeDouble(text);
    if (!f || !mhz) return std::nullopt;
    const PageControlSpec& spec = SpecOf(controlId);
    const double bounded = std::clamp(*mhz, spec.min, spec.max);
    return static_cast<std::uint32_t>(RoundHalfUp(bounded * f->perMHz));
}

void AfterSave(CloneImage& image, const CloneImage& before) {
    CalcPLLFrequency::ReencodeChannels(image, before, Channel::Capacity(image));
    Zone::RefreshValidBits(image);
}

}  // namespace HardwareRules

std::unique_ptr<SettingsDialogModel> CHardwareDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    auto page1 = std::make_unique<CHardwarePage1Dlg>();
    auto page2 = std::make_unique<CHardwarePage2Dlg>(*page1);
    pages.push_back(std::move(page1));
    pages.push_back(std::move(page2));
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

// ---- page 1 -----------------------------------------------------------------

void CHardwarePage1Dlg::Build() {
    SetRuleRows(kPage1Rules.data());
    using namespace ItemMap;
    Getter get;
    Setter set;
    AddEdit(2001, "Mi&n Frequency (MHz)", SpecOf(IDC_MIN_FREQUENCY));
    AddEdit(2002, "Ma&x Frequency (MHz)", SpecOf(IDC_MAX_FREQUENCY));
    AddEdit(2003, "Re&f Xtal (MHz)", SpecOf(IDC_REF_XTAL));
    Item<GetChannelStep, SetChannelStep>(get, set);
    AddCombo(2004, "&CH Step", IDC_CH_STEP, kChStep, get, set);
    Item<GetLocalOffset, SetLocalOffset>(get, set);
    AddCombo(2005, "Local &Offset", IDC_LOCAL_OFFSET, kLocalOffset, get, set);
    AddEdit(2006, "&1st IF Frequency (MHz)", SpecOf(IDC_FIRST_IF));
    AddEdit(2009, "SQL &Stability Time (msec)", SpecOf(IDC_SQL_STABILITY));
    AddEdit(2010, "SQL R&elease Time (msec)", SpecOf(IDC_SQL_RELEASE));
    AddEdit(2011, "SQL &Attack Time (msec)", SpecOf(IDC_SQL_ATTACK));
    AddEdit(2012, "SQL &Hysteresis", SpecOf(IDC_SQL_HYSTERESIS));
    AddEdit(2013, "VOX Release Ti&me (msec)", SpecOf(IDC_VOX_RELEASE));
    AddEdit(2014, "&VOX Attack Time (msec)", SpecOf(IDC_VOX_ATTACK));
    Item<GetVoxHysteresis, SetVoxHysteresis>(get, set);
    AddCombo(2015, "VOX H&ysteresis", IDC_VOX_HYSTERESIS, Numbered(15, "", 0), get, set);
    Item<GetVoxOffsetStep, SetVoxOffsetStep>(get, set);
    AddCombo(2016, "VOX Offset Ste&p", IDC_VOX_OFFSET_STEP, Numbered(15, "", 1), get, set);
    Item<GetRxDcsData, SetRxDcsData>(get, set);
    AddCombo(2007, "&RX DCS Data", IDC_RX_DCS, kDcsData, get, set);
    Item<GetTxDcsData, SetTxDcsData>(get, set);
    AddCombo(2008, "&TX DCS Data", IDC_TX_DCS, kDcsData, get, set);
    Item<GetStandardRxPllRef, SetStandardRxPllRef>(get, set);
    AddCombo(2018, "Standard RX PL&L REF", IDC_RX_PLL_REF, Numbered(7, "REF", 1), get, set);
    Item<GetStandardTxPllRef, SetStandardTxPllRef>(get, set);
    AddCombo(2017, "Standar&d TX PLL REF", IDC_TX_PLL_REF, Numbered(7, "REF", 1), get, set);
}

void CHardwarePage1Dlg::LoadOwn(const CloneImage& image) {
    loaded_.clear();
    for (const auto& f : kFrequencies) loaded_[f.id] = HardwareRules::FrequencyText(f.id, f.get(image));
    for (const auto& t : kTimes) loaded_[t.id] = std::to_string(t.get(image) * static_cast<std::uint32_t>(t.unit));
    for (const auto& [id, text] : loaded_) Form().SetText(id, text);
}

void CHardwarePage1Dlg::Left(int controlId) {
    const std::string text = Form().Text(controlId);
    if (FrequencyOf(controlId)) {
        auto value = HardwareRules::FrequencyValue(controlId, text);
        if (!value) return;
        // Min and Max Frequency limit each other.
        auto other = [&](int id) { return HardwareRules::FrequencyValue(id, Form().Text(id)); };
        if (controlId == IDC_MIN_FREQUENCY) {
            if (auto max = other(IDC_MAX_FREQUENCY); max && *value > *max) value = max;
        } else if (controlId == IDC_MAX_FREQUENCY) {
            if (auto min = other(IDC_MIN_FREQUENCY); min && *value < *min) value = min;
        }
        Form().SetText(controlId, HardwareRules::FrequencyText(controlId, *value));
        return;
    }
    for (const auto& t : kTimes) {
        if (t.id != controlId) continue;
        const auto corrected = EditRules::FormatNumber(text, SpecOf(controlId));
        if (const auto v = Whole(corrected.text)) Form().SetText(controlId, std::to_string(*v / t.round * t.round));
    }
}

// Each edit is written only when its text changed, so that a value the
// dialog cannot show exactly is never rewritten by an OK without edits.
void CHardwarePage1Dlg::SaveOwn(CloneImage& image) {
    for (const auto& f : kFrequencies) {
        const std::string text = Form().Text(f.id);
        if (text == loaded_[f.id]) continue;
        if (const auto value = HardwareRules::FrequencyValue(f.id, text)) f.set(image, *value);
    }
    for (const auto& t : kTimes) {
        const std::string text = Form().Text(t.id);
        const auto v = Whole(text);
        if (text == loaded_[t.id] || !v) continue;
        const PageControlSpec& spec = SpecOf(t.id);
        const long long ms = std::clamp<long long>(*v, static_cast<long long>(spec.min), static_cast<long long>(spec.max));
        t.set(image, static_cast<std::uint32_t>(ms / t.unit));
    }
}

void CHardwarePage1Dlg::Save(CloneImage& image) {
    before_ = image;
    SettingsPage::Save(image);
}

// ---- page 2 -----------------------------------------------------------------

void CHardwarePage2Dlg::Build() {
    SetRuleRows(kPage2Rules.data());
    using namespace ItemMap;
    Getter get;
    Setter set;
    AddCombo(
        2001, "&Product Name", IDC_PRODUCT_NAME, kProductName,
        [](const CloneImage& image) { return static_cast<std::int32_t>(GetSingle(SystemItems[9], image)); },
        nullptr);
    // A safety type without a row shows "Other", which is never written.
    AddCombo(
        2002, "&Safety Type", IDC_SAFETY_TYPE, kSafetyType,
        [](const CloneImage& image) {
            const auto v = static_cast<std::int32_t>(GetSafetyType(image));
            return HasRow(kSafetyType, v) ? v : kSafetyOther;
        },
        [](CloneImage& image, std::int32_t value) {
            if (value != kSafetyOther) SetSafetyType(image, static_cast<std::uint32_t>(value));
        });
    AddEmptyCombo(2003, "&Operation Mode", IDC_OPERATION_MODE);
    Item<GetBandType, SetBandType>(get, set);
    AddCombo(2004, "&Band Type", IDC_BAND_TYPE, kBandType, get, set);
    Item<GetFrequencyType, SetFrequencyType>(get, set);
    AddCombo(2005, "&Frequency Type", IDC_FREQUENCY_TYPE, Letters(10), get, set);
    AddEmptyCombo(2006, "D&estination", IDC_DESTINATION);
    AddEdit(2007, "Max &Group", kMaxGroupSpec);
    AddEdit(2008, "&Max Channel", kMaxChannelSpec);
    // A display type without a row shows "Other"; as the loaded value it is
    // written only when the user picks it.
    AddCombo(
        2009, "&Display Type", IDC_DISPLAY_TYPE, kDisplayType,
        [](const CloneImage& image) {
            const auto v = static_cast<std::int32_t>(GetDisplayType(image));
            return HasRow(kDisplayType, v) ? v : kDisplayOther;
        },
        [](CloneImage& image, std::int32_t value) { SetDisplayType(image, static_cast<std::uint32_t>(value)); });
    Item<GetKeypadType, SetKeypadType>(get, set);
    AddCombo(2010, "&Keypad", IDC_KEYPAD, kKeypad, get, set);
    Item<GetChSelectorType, SetChSelectorType>(get, set);
    AddCombo(2012, "&CH Selector", IDC_CH_SELECTOR, kChSelector, get, set);
    Item<GetOptionBoard, SetOptionBoard>(get, set);
    AddCombo(2013, "Optio&n Board", IDC_OPTION_BOARD, kOptionBoard, get, set);
    Item<GetDisplayDigit, SetDisplayDigit>(get, set);
    AddCombo(2014, "Display Digit", IDC_DISPLAY_DIGIT, Numbered(15, "", 1), get, set);
}

void CHardwarePage2Dlg::LoadOwn(const CloneImage& image) {
    const std::uint32_t groups = ItemMap::GetMaxGroup(image);
    groupsAboveEight_ = groups > 8;
    loadedGroups_ = std::to_string(std::min<std::uint32_t>(groups, 8));
    loadedChannels_ = std::to_string(ItemMap::GetMaxCh(image) * 8);
    Form().SetText(IDC_MAX_GROUP, loadedGroups_);
    Form().SetText(IDC_MAX_CHANNEL, loadedChannels_);
}

void CHardwarePage2Dlg::Left(int controlId) {
    if (controlId == IDC_MAX_GROUP) {
        Form().SetText(controlId, EditRules::FormatNumber(Form().Text(controlId), kMaxGroupSpec).text);
    } else if (controlId == IDC_MAX_CHANNEL) {
        const auto corrected = EditRules::FormatNumber(Form().Text(controlId), kMaxChannelSpec);
        if (const auto v = Whole(corrected.text)) Form().SetText(controlId, std::to_string(*v / 8 * 8));
    }
}

// Every reader takes at most eight groups: a larger stored count is stored
// as the eight shown.
void CHardwarePage2Dlg::SaveOwn(CloneImage& image) {
    const std::string groups = Form().Text(IDC_MAX_GROUP);
    if (const auto v = Whole(groups); v && (groups != loadedGroups_ || groupsAboveEight_))
        ItemMap::SetMaxGroup(image, static_cast<std::uint32_t>(std::clamp<long long>(*v, 1, 8)));
    const std::string channels = Form().Text(IDC_MAX_CHANNEL);
    if (const auto v = Whole(channels); v && channels != loadedChannels_)
        ItemMap::SetMaxCh(image, static_cast<std::uint32_t>(std::clamp<long long>(*v, 8, 128) / 8));
}

void CHardwarePage2Dlg::Save(CloneImage& image) {
    SettingsPage::Save(image);
    HardwareRules::AfterSave(image, page1_.Before());
}
