#include "channel/ChannelEditorRules.h"

#include <algorithm>
#include <cstdlib>

#include "channel/ChannelFields.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelInfoDlgRoutines.h"
#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/UiUtil.h"

namespace ChannelEditor {

using namespace ChannelTables;

namespace {

// Record items without an accessor of their own.
constexpr int kDsubAfFieldItem = 39;

constexpr int kCtcssDefault = 670, kCtcssMin = 600, kCtcssMax = 2541, kDcsMax = 511;

// clang-format off
// States per variant 0-4 and service mode: variants 0-2, 3 and 4.
constexpr std::uint8_t S000_444_444[15] = {0,0,0, 0,0,0, 0,0,0, 4,4,4, 4,4,4};
constexpr std::uint8_t S444_000_000[15] = {4,4,4, 4,4,4, 4,4,4, 0,0,0, 0,0,0};
constexpr std::uint8_t S200_200_200[15] = {2,0,0, 2,0,0, 2,0,0, 2,0,0, 2,0,0};
constexpr std::uint8_t S555_555_555[15] = {5,5,5, 5,5,5, 5,5,5, 5,5,5, 5,5,5};
constexpr std::uint8_t S222_222_222[15] = {2,2,2, 2,2,2, 2,2,2, 2,2,2, 2,2,2};
constexpr std::uint8_t S000_111_111[15] = {0,0,0, 0,0,0, 0,0,0, 1,1,1, 1,1,1};
constexpr std::uint8_t S333_222_222[15] = {3,3,3, 3,3,3, 3,3,3, 2,2,2, 2,2,2};
constexpr std::uint8_t S333_000_000[15] = {3,3,3, 3,3,3, 3,3,3, 0,0,0, 0,0,0};
constexpr std::uint8_t S300_300_300[15] = {3,0,0, 3,0,0, 3,0,0, 3,0,0, 3,0,0};
// clang-format on

}  // namespace

const std::array<ControlRuleRow, 37> RuleRows = {{
    {Id::PriorityMic, 1, S000_444_444},
    {Id::DsubMic, 1, S444_000_000},
    {Id::Bandwidth, 1, S200_200_200},
    {Id::SelectableToneCaption, 0, S555_555_555},
    {Id::SelectableTone, 1, S555_555_555},
    {Id::TagCaption, 0, S222_222_222},
    {Id::Tag, 1, S222_222_222},
    {Id::PowerSaveCaption, 0, S000_111_111},
    {Id::RxPowerSave, 1, S000_111_111},
    {Id::Mdc1200AniCaption, 0, S222_222_222},
    {Id::Mdc1200Ani, 1, S222_222_222},
    {Id::LightCaption, 0, S000_111_111},
    {Id::Light, 1, S000_111_111},
    {Id::BeepAnnounceCaption, 0, S000_111_111},
    {Id::BeepAnnounce, 1, S000_111_111},
    {Id::DsubAfInputCaption, 0, S333_222_222},
    {Id::DsubAfInput, 1, S333_222_222},
    {Id::DsubAfOutputCaption, 0, S333_000_000},
    {Id::DsubAfOutput, 1, S333_000_000},
    {Id::Encryption, 1, S222_222_222},
    {Id::TxPllRefCaption, 0, S300_300_300},
    {Id::TxPllRef, 1, S300_300_300},
    {Id::RxPllRefCaption, 0, S300_300_300},
    {Id::RxPllRef, 1, S300_300_300},
    {Id::AnnounceCaption, 0, S222_222_222},
    {Id::Announce, 1, S222_222_222},
    {Id::ScanGroupCaption, 0, S222_222_222},
    {Id::ScanGroup, 1, S222_222_222},
    {Id::PreEmphasisCaption, 0, S222_222_222},
    {Id::PreEmphasis, 1, S222_222_222},
    {Id::EncryptionCaption, 0, S222_222_222},
    {Id::Encryption, 1, S222_222_222},
    {Id::AniTypeCaption, 0, S222_222_222},
    {Id::AniType, 1, S222_222_222},
    {Id::AniMonitorCaption, 0, S222_222_222},
    {Id::AniMonitor, 1, S222_222_222},
    {-1, 0, nullptr},
}};

namespace {

const ItemList::element_type* End() {
    static constexpr ST_DISPDATA end{ItemListEnd, "", ""};
    return &end;
}

RowList RowsOf(ItemList list) {
    RowList rows;
    for (const ST_DISPDATA& row : list) {
        if (row.value == ItemListEnd) break;
        rows.push_back(row);
    }
    rows.push_back(*End());
    return rows;
}

template <class Keep>
RowList Filtered(ItemList list, Keep keep) {
    RowList rows;
    for (const ST_DISPDATA& row : list) {
        if (row.value == ItemListEnd) break;
        if (keep(row)) rows.push_back(row);
    }
    rows.push_back(*End());
    return rows;
}

std::uint32_t Item(const CloneImage& image, int item, int channel) {
    return ItemMap::ReadChannelField(ItemMap::ChannelItems[item], image, channel);
}

void WriteItem(CloneImage& image, int item, int channel, std::uint32_t value) {
    ItemMap::WriteChannelField(ItemMap::ChannelItems[item], image, channel, value);
}

bool ValidChannel(int channel) {
    return channel >= 0 && channel < 128;
}

bool InUse(const CloneImage& image, int channel) {
    return ValidChannel(channel) && ItemMap::ReadBit(image, channel) == 0;
}

bool OfferBtlo(const CloneImage& image) {
    const int bandMode = Model::ProductType(image);
    return (bandMode != 2 || Version::Compare(image, 1, 13, 4, 0) >= 0) &&
           (bandMode != 0 || Version::Compare(image, 1, 14, 4, 0) >= 0);
}

// The "Standard" label of the reference rows: its text lives for the run.
const char* StandardLabel() {
    return StandardRefLabelList[0].text;
}

}  // namespace

// ---- reading -------------------------------------------------------------------------------

int ChannelCount(const CloneImage& image) {
    return std::min(8 * static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxCh(image), 16)), 128);
}

int NextChannel(int index, int count) {
    if (count <= 0) return -1;
    return index + 1 >= count || index < 0 ? 0 : index + 1;
}

int PreviousChannel(int index, int count) {
    if (count <= 0) return -1;
    return index <= 0 || index > count ? count - 1 : index - 1;
}

bool FlatAfTxCombined(const CloneImage& image) {
    return Model::IsBandModeZero(image) && Version::Compare(image, 1, 13, 3, 0) >= 0;
}

int ComboValue(const CloneImage& image, int channel, int controlId) {
    if (!ValidChannel(channel)) return -1;
    switch (controlId) {
        case Id::Status:
            return ItemMap::ReadBit(image, channel);
        case Id::TxFlatAf: {
            const int flat = static_cast<int>(ItemMap::GetChannelTxFlatAf(image, channel));
            return FlatAfTxCombined(image)
                       ? flat + 2 * static_cast<int>(Item(image, kDsubAfFieldItem, channel))
                       : flat;
        }
        default:
            break;
    }
    const auto* field = ChannelFields::ForControl(controlId);
    return field ? field->get(image, channel) : -1;
}

bool CheckValue(const CloneImage& image, int channel, int controlId) {
    if (!ValidChannel(channel)) return false;
    const auto* field = ChannelFields::ForControl(controlId);
    return field && field->get(image, channel) == 1;
}

std::string EditText(const CloneImage& image, int channel, int controlId) {
    if (!ValidChannel(channel)) return {};
    namespace Col = ChannelGridCells::Col;
    switch (controlId) {
        case Id::Tag:
            return Channel::GetTag(image, channel);
        case Id::RxFrequency:
            return ChannelGridCells::FormatCellText(image, Col::RxFrequency, channel);
        case Id::TxFrequency:
            return ChannelGridCells::FormatCellText(image, Col::TxFrequency, channel);
        case Id::DecodeSubAudio:
            return ChannelGridCells::FormatCellText(image, Col::DecodeSubAudio, channel);
        case Id::EncodeSubAudio:
            return ChannelGridCells::FormatCellText(image, Col::EncodeSubAudio, channel);
        default:
            return {};
    }
}

RowList ComboRows(const CloneImage& image, int channel, int controlId) {
    switch (controlId) {
        case Id::ChannelCombo:
            return {*End()};
        case Id::SignalingType:
            return Filtered(SignalingTypeList, [](const ST_DISPDATA& r) { return r.value != 6; });
        case Id::SystemNo:
            // One list of signalling numbers serves the grid and this pane.
            if (!ValidChannel(channel)) return RowsOf(ItemList(GridBlankMarkList.data(), 1));
            return ChannelGridCells::SignalingNumberRows(image, channel, false);
        case Id::ScanGroup:
            return ScanGroupRows(ReadZoneCount(image));
        case Id::AutoScan: {
            const bool noScan = Version::HasFeatureFlag(image);
            const bool noGroupScan = ItemMap::GetMaxGroup(image) < 2;
            return Filtered(AutoScanList, [&](const ST_DISPDATA& r) {
                return !(r.value == 2 && noScan) && !(r.value == 3 && noGroupScan);
            });
        }
        case Id::LockOut: {
            const bool btlo = OfferBtlo(image);
            return Filtered(LockOutModeList,
                            [&](const ST_DISPDATA& r) { return btlo || std::string_view(r.text) != "BTLO"; });
        }
        case Id::TxPllRef:
            return PllRefRowsWithStandard(TxPllRefList, static_cast<int>(ItemMap::GetStandardTxPllRef(image)),
                                          StandardLabel());
        case Id::RxPllRef:
            return PllRefRowsWithStandard(RxPllRefList, static_cast<int>(ItemMap::GetStandardRxPllRef(image)),
                                          StandardLabel());
        default: {
            const ItemList* list = FindControlList(controlId);
            return list ? RowsOf(*list) : RowList{*End()};
        }
    }
}

// ---- changes ---------------------------------------------------------------------------------

namespace {

double FrequencyOf(const CloneImage& image, int channel, int which) {
    return CalcPLLFrequency::ChannelFrequency(&image, channel, which);
}

void ChangePllRef(CloneImage& image, int channel, int which, int value) {
    const int before = ComboValue(image, channel, which == DirectionTx ? Id::TxPllRef : Id::RxPllRef);
    if (before == value) return;
    const double shown = FrequencyOf(image, channel, which);
    if (which == DirectionTx) {
        ItemMap::SetChannelTxPllRefType(image, channel, static_cast<std::uint32_t>(value));
        FrequencyConvertA(image, channel, which, shown);
    } else {
        ItemMap::SetChannelRxPllRefType(image, channel, static_cast<std::uint32_t>(value));
        FrequencyConvertB(image, channel, which, shown);
    }
}

}  // namespace

bool ApplyComboChange(CloneImage& image, int channel, int controlId, int value) {
    if (!ValidChannel(channel) || value < 0) return false;
    switch (controlId) {
        case Id::Status:
            // Channel 1 is always in use.
            if (channel == 0 && value != 0) return false;
            ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, channel, value != 0 ? 1 : 0);
            Zone::RefreshValidBits(image);
            return true;
        case Id::TxFlatAf:
            ItemMap::SetChannelTxFlatAf(image, channel, static_cast<std::uint32_t>(value) & 1);
            // Only a row that stands for a D-SUB AF value changes that field.
            if (FlatAfTxCombined(image) && value > 1)
                WriteItem(image, kDsubAfFieldItem, channel, (static_cast<std::uint32_t>(value) >> 1) & 3);
            return true;
        case Id::TxPllRef:
            ChangePllRef(image, channel, DirectionTx, value);
            return true;
        case Id::RxPllRef:
            ChangePllRef(image, channel, DirectionRx, value);
            return true;
        default:
            break;
    }
    const auto* field = ChannelFields::ForControl(controlId);
    if (!field || !field->set) return false;
    field->set(image, channel, value);
    return true;
}

void ApplyCheck(CloneImage& image, int channel, int controlId, bool checked) {
    if (!ValidChannel(channel)) return;
    if (const auto* field = ChannelFields::ForControl(controlId); field && field->set)
        field->set(image, channel, checked ? 1 : 0);
}

Leave LeaveTag(CloneImage& image, int channel, std::string_view text, std::string_view shown) {
    if (!ValidChannel(channel) || text == shown) return Leave::Unchanged;
    Channel::SetTag(image, channel, text);
    return Leave::Stored;
}

Leave LeaveFrequency(CloneImage& image, int channel, int controlId, std::string_view text,
                     std::string_view shown) {
    if (!ValidChannel(channel) || text == shown) return Leave::Unchanged;
    std::string number(text);
    std::replace(number.begin(), number.end(), ',', '.');
    const auto mhz = EditRules::ParseWholeDouble(number);
    if (!mhz) return Leave::Refused;
    if (controlId == Id::RxFrequency) {
        if (!Channel::SetRxFrequency(image, channel, *mhz)) return Leave::Refused;
        // The editor's RX also switches transmitting on, at RX plus the offset.
        Channel::SetTxFrequency(image, channel, CalcPLLFrequency::TxFrequency(image, channel), false);
    } else {
        if (!Channel::SetTxFrequency(image, channel, *mhz, true)) return Leave::Refused;
    }
    if (Host().ServiceMode() == 0 && !Pll::WideBandAllowed(image, channel) &&
        Channel::BandwidthCodeIsPlain(image, channel))
        Channel::ForceNarrowBandwidth(image, channel);
    return Leave::Stored;
}

Channel::SubAudio ParseSubAudio(std::string_view raw) {
    std::string text(raw);
    std::replace(text.begin(), text.end(), ',', '.');
    Channel::SubAudio value;
    const std::string prefix = text.substr(0, std::min<std::size_t>(2, text.size()));
    const int type = FindIdByName(SubAudioTypeList, prefix);
    const std::string rest = text.size() > 2 ? text.substr(2) : std::string();
    if (type == 1) {
        value.type = 1;
        value.code = static_cast<int>(
            std::clamp(std::strtod(rest.c_str(), nullptr) * 10.0, double(kCtcssMin), double(kCtcssMax)));
    } else if (type == 2) {
        value.type = 2;
        value.code = static_cast<int>(std::clamp(std::strtol(rest.c_str(), nullptr, 8), 0L, long(kDcsMax)));
        const char last = text.back();
        if (last == 'B') value.polarity = 1;
        if (last == 'I') value.type = 3;
    }
    return value;
}

namespace {

void WriteDecode(CloneImage& image, int channel, const Channel::SubAudio& value) {
    ItemMap::SetChannelSubAudioDecType(image, channel, static_cast<std::uint32_t>(value.type));
    ItemMap::SetChannelSubAudioDecCode(image, channel, static_cast<std::uint32_t>(value.code));
    ItemMap::SetChannelSubAudioDecFlag(image, channel, static_cast<std::uint32_t>(value.polarity));
}

}  // namespace

Leave LeaveSubAudio(CloneImage& image, int channel, int controlId, std::string_view text,
                    std::string_view shown) {
    if (!ValidChannel(channel) || text == shown) return Leave::Unchanged;
    const Channel::SubAudio value = ParseSubAudio(text);
    if (controlId == Id::DecodeSubAudio)
        WriteDecode(image, channel, value);
    else
        Channel::SetTxSubAudio(image, channel, value.type, value.code);
    return Leave::Stored;
}

void StepSubAudioType(CloneImage& image, int channel, int controlId) {
    if (!ValidChannel(channel)) return;
    const bool decode = controlId == Id::DecodeSubAudio;
    const Channel::SubAudio now =
        decode ? Channel::GetRxSubAudio(image, channel) : Channel::GetTxSubAudio(image, channel);
    Channel::SubAudio next;
    if (now.type == 0)
        next = {1, kCtcssDefault, 0};
    else if (now.type == 1)
        next = {2, Channel::OltaForcedDcsCode, 0};
    if (decode)
        WriteDecode(image, channel, next);
    else
        Channel::SetTxSubAudio(image, channel, next.type, next.code);
}

void StepDcsPolarity(CloneImage& image, int channel, int controlId) {
    if (!ValidChannel(channel)) return;
    if (controlId == Id::EncodeSubAudio) {
        const Channel::SubAudio now = Channel::GetTxSubAudio(image, channel);
        if (now.type == 2 || now.type == 3)
            Channel::SetTxSubAudio(image, channel, now.type == 2 ? 3 : 2, now.code);
        return;
    }
    Channel::SubAudio now = Channel::GetRxSubAudio(image, channel);
    if (now.type != 2 && now.type != 3) return;
    if (now.type == 3)
        now = {2, now.code, 1};  // I -> B
    else if (now.polarity != 0)
        now = {2, now.code, 0};  // B -> N
    else
        now = {3, now.code, 0};  // N -> I
    WriteDecode(image, channel, now);
}

// ---- control states ---------------------------------------------------------------------------

Check CheckDecision(const CloneImage& image, int channel, int controlId) {
    const bool used = InUse(image, channel);
    const int aniType = ComboValue(image, channel, Id::AniType);
    const int signaling = ComboValue(image, channel, Id::SignalingType);
    switch (controlId) {
        case Id::ScanGroup:
            return Version::HasFeatureFlag(image) || ComboValue(image, channel, Id::AutoScan) == 3
                       ? Check::DisableClear
                       : Check::Keep;
        case Id::AniType:
            return signaling == 2 || signaling == 4 ? Check::Disable : Check::Keep;
        case Id::Tag:
            return Model::IsPlainKind(image) ? Check::DisableClear : Check::Keep;
        case Id::Bandwidth:
            if (!used) return Check::Disable;
            return Pll::WideBandAllowed(image, channel) || Channel::BandwidthCodeIsPlain(image, channel)
                       ? Check::Enable
                       : Check::Disable;
        case Id::Mdc1200Ani:
            return aniType != 2 ? Check::Disable : Check::Keep;
        case Id::Encryption:
            return signaling == 7 ? Check::Disable : Check::Keep;
        case Id::AniMonitor:
            return used && aniType != 0 ? Check::Enable : Check::Disable;
        case Id::DsubAfInput:
            return ItemMap::GetChannelTxFlatAf(image, channel) == 1 ? Check::DisableClear : Check::Keep;
        default:
            return Check::Keep;
    }
}

std::map<int, ControlState> PlanControlStates(const CloneImage& image, int channel, int serviceMode) {
    std::map<int, ControlState> plan;
    const bool selected = ValidChannel(channel);
    const bool used = selected && InUse(image, channel);

    // Every control follows the channel: enabled while it is used.
    for (const auto& pair : ChannelInfoControlLists) plan[pair.controlId] = {true, used, !selected};
    for (int id : UnlistedComboIds) plan[id] = {true, used, !selected};
    for (const auto& spec : EditSpecs) plan[static_cast<int>(spec.controlId)] = {true, used, !selected};
    for (int id : CheckIds) plan[id] = {true, used, !selected};
    plan[Id::ChannelCombo] = {};
    plan[Id::Status] = {true, !(selected && Version::HasFeatureFlag(image)), !selected};
    for (const auto& row : RuleRows)
        if (row.controlId != -1 && !plan.count(row.controlId)) plan[row.controlId] = {};

    if (selected && ComboValue(image, channel, Id::SignalingType) == 0) plan[Id::SystemNo].enabled = false;

    const int variant = Model::GetBandSelection(image);
    auto apply = [&](const ControlRuleRow& row) {
        ControlState& state = plan[row.controlId];
        switch (OpeningState(row, variant, serviceMode)) {
            case RestrictionState::Disable:
                state.enabled = false;
                break;
            case RestrictionState::Hide:
            case RestrictionState::HideToo:
                state.shown = false;
                state.enabled = false;
                break;
            case RestrictionState::DisableClear:
                state.enabled = false;
                state.cleared = true;
                break;
            case RestrictionState::CheckUnconditional:
                // The selectable tone and its caption have no place here.
                state.shown = state.enabled =
                    !(row.controlId == Id::SelectableTone || row.controlId == Id::SelectableToneCaption);
                break;
            case RestrictionState::Check:
                if (!selected) break;
                switch (CheckDecision(image, channel, row.controlId)) {
                    case Check::Enable:
                        state.enabled = true;
                        break;
                    case Check::Disable:
                        state.enabled = false;
                        break;
                    case Check::DisableClear:
                        state.enabled = false;
                        state.cleared = true;
                        break;
                    case Check::Keep:
                        break;
                }
                break;
            default:
                break;
        }
    };
    for (const auto& row : RuleRows) {
        if (row.controlId == -1) break;
        apply(row);
    }

    const bool timer = selected && ComboValue(image, channel, Id::TimeOutTimer) != 0;
    plan[Id::PenaltyTimer].enabled = plan[Id::ReleaseTimer].enabled = timer && used;
    return plan;
}

}  // namespace ChannelEditor
