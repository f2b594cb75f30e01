#include "channel/ChannelGridCells.h"

#include <algorithm>
#include <cstdio>

#include "channel/ChannelFields.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/UiUtil.h"
#include "language/Language.h"
#include "ui/MainItems.h"

namespace ChannelGridCells {

using namespace ChannelTables;

// clang-format off
const std::array<HeaderTexts, ColumnCount> Headers = {{
    {"CH \nNo.", "CH \nNo."}, {"Pri", "Pri"}, {"W/N", "W/N"}, {"TAG", "TAG"},
    {"Frequency", "RX"}, {"Frequency", "TX"}, {"Sub-Audio", "DEC"}, {"Sub-Audio", "ENC"},
    {"Save", " RX "}, {"Save", " TX "}, {"TX\nPWR", "TX\nPWR"}, {"Scan", "Scan"},
    {"Auto\nScan", "Auto\nScan"}, {"TOT", "TOT"}, {"SQL", "SQL"}, {"Clock Shift", " RX "},
    {"Clock Shift", " TX "}, {"ANI", "ANI"}, {"VOX", "VOX"}, {"Encr", "Encr"},
    {"Lock\nOut", "Lock\nOut"}, {"OLTA", "OLTA"}, {"Signaling", "Type"}, {"Signaling", "Number"},
    {"TX\nFlat", "TX\nFlat"}, {"HPF", "TX"}, {"HPF", "RX"}, {"SPL", "TX"}, {"SPL", "RX"},
}};

std::string HeaderText(int row, int col) {
    if (col < 0 || col >= ColumnCount || row < 0 || row >= FixedRows) return {};
    const std::string_view base = row == 0 ? Headers[col].top : Headers[col].bottom;
    std::string translated;
    if (LangTable::LookupRID(MakeRID(col, DialogId, GridControlId), base, translated)) return translated;
    return std::string(base);
}

const std::array<MainItemText, 21> MainItemMenuTexts = {{
    {32785, "&Pri"}, {32786, "&W/N"}, {32787, "&TAG"}, {32788, "&Frequency"}, {32789, "&Sub Audio"},
    {32790, "Power Sa&ve"}, {32791, "&Power"}, {32792, "&Scan"}, {32793, "&Dial Scan"}, {32794, "T&OT"},
    {32795, "S&quelch"}, {32796, "&Clock Shift"}, {32797, "&ANI"}, {32798, "VO&X"}, {32799, "&Encr"},
    {32800, "&Lock Out"}, {32801, "O&LTA"}, {32802, "Si&gnaling"}, {32803, "&TX Flat"}, {32804, "&HPF"},
    {32805, "&SPL"},
}};
// clang-format on

namespace {

// Record fields without a setter of their own in the channel operations.

std::uint32_t Field(const CloneImage& image, int item, int channel) {
    return ItemMap::ReadChannelField(ItemMap::ChannelItems[item], image, channel);
}

std::string Printf(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Lookup(ItemList list, std::uint32_t value) {
    return FindNameByIdOrEmpty(list, static_cast<std::int32_t>(value));
}

std::string SubAudioText(const Channel::SubAudio& s, bool decode) {
    switch (s.type) {
        case 1:
            return FindNameById(SubAudioTypeList, 1) + Printf("%.1f", s.code / 10.0);
        case 2:
        case 3: {
            const char* polarity = s.type == 3 ? "I" : (decode && s.polarity != 0 ? "B" : "N");
            char code[32];
            std::snprintf(code, sizeof code, "%03o%s", static_cast<unsigned>(s.code), polarity);
            return FindNameById(SubAudioTypeList, 2) + code;
        }
        default:
            return FindNameById(SubAudioTypeList, 0);
    }
}

}  // namespace

const GridColumnSpec& Spec(int column) {
    return ChannelGridColumns[std::clamp(column, 0, ColumnCount)];
}

int ColumnState(const CloneImage& image, int column) {
    return ChannelTables::ColumnState(column, Model::GetBandSelection(image), Host().ServiceMode());
}

bool IsColumnRestricted(const CloneImage& image, int column) {
    const int state = ColumnState(image, column);
    if (state == 3 || state == 4) return true;
    return state == 5 && column == Col::Tag && Model::IsPlainKind(image);
}

std::array<bool, ColumnCount> ShownColumns(const CloneImage& image) {
    std::array<bool, ColumnCount> shown{};
    for (int c = 0; c < ColumnCount; ++c) shown[c] = !IsColumnRestricted(image, c);
    for (const MainItemRow& row : MainItems::Table()) {
        if (row.commandId == -1) break;
        if (row.visible) continue;
        for (int c : row.columns)
            if (c > 0 && c < ColumnCount) shown[c] = false;
    }
    return shown;
}

bool IsColumnPrintable(const CloneImage& image, int column) {
    const int state = ColumnState(image, column);
    return state == 0 || state == 1 || state == 2 || state == 5;
}

int BindingCount(const CloneImage& image) {
    const int maxCh = static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxCh(image), 16));
    return std::clamp(8 * maxCh, 16, 128);
}

bool IsChannelInUse(const CloneImage& image, int channel) {
    return Channel::IsInUse(image, channel);
}

RowList SignalingNumberRows(const CloneImage& image, int channel, bool forCell) {
    const int type = static_cast<int>(ItemMap::GetChannelSignalingType(image, channel));
    RowList rows;
    auto take = [&](int first, int count) {
        for (int i = first; i < first + count; ++i) rows.push_back(SignalingNumberList[i]);
    };
    switch (type) {
        case 0:
            rows.push_back(GridBlankMarkList[0]);
            break;  // {0, "-"}
        case 1:
            take(0, 8);
            break;
        case 2:
            take(0, Model::IndexFromTypeCode(image) == 1 ? 16 : 32);
            break;
        case 3:
            take(0, 10);
            break;
        case 4:
            take(0, 2);
            break;
        case 5:
        case 6:
            take(0, 16);
            break;
        default:
            // The named rows; the cell shows them by their number alone,
            // which the list's digit rows ("0".."3") hold.
            take(forCell ? 36 : 32, 4);
            break;
    }
    rows.push_back({ItemListEnd, "", ""});
    return rows;
}

std::string FormatCellText(const CloneImage& image, int column, int channel) {
    // The fields the grid shares with the channel editor: their list text.
    if (const auto* field = ChannelFields::ForColumn(column); field && field->list)
        return Lookup(*field->list, static_cast<std::uint32_t>(field->get(image, channel)));
    const ItemList* list = Spec(column).list;
    switch (column) {
        case Col::Number:
            return std::to_string(channel + 1);
        case Col::Priority: {
            const int group = channel / RowsPerGroup, position = channel % RowsPerGroup;
            return Lookup(*list,
                          ItemMap::GetPriorityChannel(image, group) == static_cast<std::uint32_t>(position));
        }
        case Col::Tag:
            return Channel::GetTag(image, channel);
        case Col::RxFrequency:
            return Printf("%.5f", CalcPLLFrequency::RxFrequency(image, channel));
        case Col::TxFrequency:
            if (Field(image, ItemMap::ChannelTxSetItem, channel) == 0) return EmptyFrequencyText;
            return Printf("%.5f", CalcPLLFrequency::TxFrequency(image, channel));
        case Col::DecodeSubAudio:
            return SubAudioText(Channel::GetRxSubAudio(image, channel), true);
        case Col::EncodeSubAudio:
            return SubAudioText(Channel::GetTxSubAudio(image, channel), false);
        case Col::Scan:
            return Lookup(*list, static_cast<std::uint32_t>(Channel::GetScanFlag(image, channel)));
        case Col::Ani:
            return Lookup(GridBlankMarkList, ItemMap::GetChannelAniType(image, channel) != 0 ? 1 : 0);
        case Col::SignalingNumber: {
            const RowList rows = SignalingNumberRows(image, channel, true);
            return Lookup(AsItemList(rows),
                          static_cast<std::uint32_t>(Channel::GetSignalingNumber(image, channel)));
        }
        default:
            return {};
    }
}

std::string GridVisibleText(std::span<const bool> shown) {
    std::string text;
    for (bool s : shown) text += s ? "1," : "0,";
    return text;
}

}  // namespace ChannelGridCells
