#include "channel/GroupGridRules.h"

#include <algorithm>
#include <cstdio>

#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/UiUtil.h"

namespace ZoneGrid {

using ChannelTables::BandwidthList;
using ChannelTables::GridBlankMarkInvertedList;
using ChannelTables::GridBlankMarkList;

// clang-format off
const std::array<ChannelTables::GridColumnSpec, ColumnCount + 1> ZoneGridColumns = {{
    {0, 0, 480, nullptr, 1, 0, 1, 1, 1, 0},
    {1, 0, 480, nullptr, 2, 3, 2, 2, 2, 0},
    {2, 0, 480, &BandwidthList, 1, 0, 4, 4, 4, 0},
    {3, 0, 1500, nullptr, 2, 12, 2, 2, 2, 0},
    {4, 0, 540, nullptr, 1, 0, 6, 6, 6, 0},
    {5, 0, 1200, nullptr, 2, 9, 2, 2, 2, 0},
    {6, 0, 1200, nullptr, 2, 9, 4, 2, 2, 0},
    {7, 0, 405, &GridBlankMarkInvertedList, 5, 0, 5, 5, 5, 0},
    {8, 0, 405, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {-1, -1, 0, nullptr, 0, 0, 0, 0, 0, 0},
}};
// clang-format on

std::string HeaderText(int headerRow, int column) {
    static const char* const titles[ColumnCount][HeaderRows] = {
        {nullptr, nullptr},  {nullptr, nullptr},  {"W/N", "W/N"}, {"TAG", "TAG"}, {"Info", "Info"},
        {"Frequency", "RX"}, {"Frequency", "TX"}, {"SC", "SC"},   {"P", "P"},
    };
    if (column < 0 || column >= ColumnCount || headerRow < 0 || headerRow >= HeaderRows) return {};
    if (column <= Col::Channel) return ChannelTables::ZoneGridHeaderList[column].text;
    return titles[column][headerRow];
}

int GroupCount(const CloneImage& image) {
    return std::clamp(static_cast<int>(ItemMap::GetMaxGroup(image)), 0, 8);
}

int ChannelCount(const CloneImage& image) {
    return std::min(8 * std::clamp(static_cast<int>(ItemMap::GetMaxCh(image)), 0, 16), 128);
}

int RowCount(const CloneImage& image) {
    return std::min(ChannelCount(image), Slots);
}

namespace {

bool ValidSlot(int group, int slot) {
    return group >= 0 && group < 8 && slot >= 0 && slot < Slots;
}

std::string Frequency(double mhz) {
    char text[32];
    std::snprintf(text, sizeof text, "%.5f", mhz);
    return text;
}

void StoreSlot(CloneImage& image, int group, int slot, int value) {
    ItemMap::WriteIndexedItem(image, group, slot, static_cast<std::uint32_t>(value));
}

}  // namespace

int Member(const CloneImage& image, int group, int slot) {
    if (!ValidSlot(group, slot)) return -1;
    const auto member = static_cast<int>(ItemMap::ReadIndexedItem(image, group, slot));
    return member < ChannelCount(image) ? member : -1;
}

std::array<std::string, ColumnCount> RowTexts(const CloneImage& image, int group, int slot) {
    std::array<std::string, ColumnCount> texts;
    texts[Col::Number] = std::to_string(slot + 1);
    const int channel = Member(image, group, slot);
    if (channel < 0) return texts;
    texts[Col::Channel] = std::to_string(channel + 1);
    texts[Col::Bandwidth] = FindNameByIdOrEmpty(
        BandwidthList, static_cast<std::int32_t>(ItemMap::GetChannelWideNarrow(image, channel)));
    texts[Col::Tag] = Channel::GetTag(image, channel);
    texts[Col::Rx] = Frequency(CalcPLLFrequency::RxFrequency(image, channel));
    const bool transmits =
        ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, channel) != 0;
    texts[Col::Tx] = transmits ? Frequency(CalcPLLFrequency::TxFrequency(image, channel))
                               : ChannelTables::EmptyFrequencyText;
    return texts;
}

int ColumnState(int column) {
    return column == Col::Tag ? 2 : 0;
}

bool IsGreyColumn(const CloneImage& image, int column) {
    const int state = ColumnState(column);
    if (state == 3 || state == 4) return true;
    return state == 2 && Model::IsPlainKind(image);
}

char32_t FilterEditKey(int column, char32_t key) {
    if (key == 8 || key == 13 || key == 27) return key;
    if (key == 9) return 0;
    const bool digit = key >= '0' && key <= '9';
    switch (column) {
        case Col::Channel:
            return digit ? key : 0;
        case Col::Rx:
        case Col::Tx:
            return digit || key == '.' || key == ',' ? key : 0;
        default:
            return key;
    }
}

bool CanStartEdit(int column) {
    return column == Col::Channel;
}

Commit CommitChannelNumber(CloneImage& image, int group, int slot, std::string_view text) {
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return Commit::LeftAsTyped;
    if (!ValidSlot(group, slot)) return Commit::Unchanged;
    if (text.empty()) {
        StoreSlot(image, group, slot, EmptySlot);
    } else {
        const std::string digits(text.substr(0, std::min<std::size_t>(text.size(), 6)));
        const int number = text.size() > 6 ? 0 : std::stoi(digits);
        if (number < 1 || number > ChannelCount(image)) return Commit::Unchanged;
        StoreSlot(image, group, slot, number - 1);
    }
    Zone::RefreshValidBits(image);
    return Commit::Stored;
}

int WriteChannels(CloneImage& image, int group, int first, std::span<const int> channelNumbers) {
    int written = 0;
    for (int number : channelNumbers) {
        const int slot = first + written;
        if (slot < 0 || slot >= RowCount(image)) break;
        CommitChannelNumber(image, group, slot, std::to_string(number));
        ++written;
    }
    return written;
}

bool AssignChannel(CloneImage& image, int group, int slot, int channel) {
    if (Version::HasFeatureFlag(image)) return false;
    if (slot < 0 || slot >= RowCount(image)) return false;
    return CommitChannelNumber(image, group, slot, std::to_string(channel + 1)) == Commit::Stored;
}

void RowCopy(CloneImage& image, int group, int first, int last) {
    if (!ValidSlot(group, first) || !ValidSlot(group, last)) return;
    for (int r = last - 1; r >= first; --r)
        StoreSlot(image, group, r + 1, static_cast<int>(ItemMap::ReadIndexedItem(image, group, r)));
    Zone::RefreshValidBits(image);
}

void RowPaste(CloneImage& image, int group, int first, int last) {
    if (!ValidSlot(group, first) || !ValidSlot(group, last)) return;
    for (int r = first; r < last; ++r)
        StoreSlot(image, group, r, static_cast<int>(ItemMap::ReadIndexedItem(image, group, r + 1)));
    Zone::RefreshValidBits(image);
}

void CycleBandwidth(CloneImage& image, int channel) {
    const auto current = static_cast<std::int32_t>(ItemMap::GetChannelWideNarrow(image, channel));
    const int row = FindIndexInTable12(BandwidthList, current);
    const int rows =
        static_cast<int>(std::find_if(BandwidthList.begin(), BandwidthList.end(),
                                      [](const ST_DISPDATA& r) { return r.value == ItemListEnd; }) -
                         BandwidthList.begin());
    const int next = rows > 0 ? (row + 1) % rows : 0;
    Channel::SetBandwidth(image, channel, BandwidthList[next].value);
}

void ToggleTransmit(CloneImage& image, int channel) {
    const auto& flag = ItemMap::ChannelItems[ItemMap::ChannelTxSetItem];
    ItemMap::WriteChannelField(flag, image, channel, ItemMap::ReadChannelField(flag, image, channel) ? 0 : 1);
}

DragRecord& SharedDrag() {
    static DragRecord drag;
    return drag;
}

std::vector<int> DroppedChannelNumbers(const DragRecord& drag) {
    std::vector<int> numbers;
    if (drag.mode == 1) {
        for (int c = 0; c < 128; ++c)
            if (drag.channels[c]) numbers.push_back(c + 1);
    } else if (drag.mode == 2) {
        for (int n : drag.numbers)
            if (n > 0) numbers.push_back(n);
    }
    return numbers;
}

std::vector<std::vector<std::string>> PrintCells(const CloneImage& image, int group) {
    std::vector<std::vector<std::string>> cells;
    for (int row = 0; row < HeaderRows; ++row) {
        auto& header = cells.emplace_back();
        for (int col = 0; col < ColumnCount; ++col) header.push_back(HeaderText(row, col));
    }
    for (int slot = 0; slot < RowCount(image); ++slot) {
        auto texts = RowTexts(image, group, slot);
        texts[Col::Scan] = texts[Col::Priority] = Member(image, group, slot) >= 0 ? "v" : "-";
        cells.emplace_back(texts.begin(), texts.end());
    }
    return cells;
}

}  // namespace ZoneGrid
