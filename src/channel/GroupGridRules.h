#pragma once
// The group grid without its window: the member slots of one group, one row
// per slot, with each member channel's bandwidth, name tag and frequencies.
// Typing, dropping, pasting or assigning a channel number stores it in the
// slot (0xFF for an emptied slot) and recomputes the group valid bits; the
// bandwidth and transmit switches change the member channel itself.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channel/ChannelTables.h"
#include "image/CloneImage.h"

namespace ZoneGrid {

inline constexpr int DialogId = 140;
inline constexpr int GridControlId = 1013;
inline constexpr int ColumnCount = 9;
inline constexpr int HeaderRows = 2;
inline constexpr int Slots = 16;
inline constexpr int EmptySlot = 0xFF;
inline constexpr const char* SettingsSection = "ZoneList";

namespace Col {
inline constexpr int Number = 0, Channel = 1, Bandwidth = 2, Tag = 3, Info = 4, Rx = 5, Tx = 6, Scan = 7,
                     Priority = 8;
}

// One row per column ({column, 0, width, list, kind, maximum editor length,
// Space / double-click / Enter / click actions}), then the end row.
extern const std::array<ChannelTables::GridColumnSpec, ColumnCount + 1> ZoneGridColumns;
// The two header rows' texts of a column; equal texts merge.
std::string HeaderText(int headerRow, int column);

// The number of groups (clamped to 0-8) and the data rows of a group:
// min(channel count, 16).
int GroupCount(const CloneImage& image);
int ChannelCount(const CloneImage& image);
int RowCount(const CloneImage& image);

// The member channel of a slot; -1 for an empty slot or a member at or
// beyond the channel count.
int Member(const CloneImage& image, int group, int slot);
// The texts of a slot's row, by column.
std::array<std::string, ColumnCount> RowTexts(const CloneImage& image, int group, int slot);

// State byte of a column (every variant and mode): 2 for the tag column,
// 0 for the others.
int ColumnState(int column);
// The column's cells are painted grey.
bool IsGreyColumn(const CloneImage& image, int column);

// A key typed into the cell editor: the key to accept, or 0.
char32_t FilterEditKey(int column, char32_t key);
// Only the channel-number column opens its editor.
bool CanStartEdit(int column);

enum class Commit { LeftAsTyped, Stored, Unchanged };
// The end of a channel-number edit. A text with anything but digits stays as
// typed and nothing is stored; an empty text empties the slot; a number from
// 1 to the channel count stores that channel; any other number stores
// nothing. Every stored slot is followed by the group valid bits.
Commit CommitChannelNumber(CloneImage& image, int group, int slot, std::string_view text);

// Writes the channel numbers (1-based) into consecutive slots from `first`,
// up to the last data row; answers how many were written.
int WriteChannels(CloneImage& image, int group, int first, std::span<const int> channelNumbers);
// The main frame's assign: the channel (0-based) into the slot. Refused
// under the newer firmware's group mode.
bool AssignChannel(CloneImage& image, int group, int slot, int channel);

// Row Copy: slots first..last-1 move down by one (the first stays). Row
// Paste: slots first+1..last move up by one (the last stays).
void RowCopy(CloneImage& image, int group, int first, int last);
void RowPaste(CloneImage& image, int group, int first, int last);

// Space, double click or Enter on a member's cell (action 4): the next
// bandwidth of the list, through the channel's bandwidth rules; the transmit
// switch of the TX column.
void CycleBandwidth(CloneImage& image, int channel);
void ToggleTransmit(CloneImage& image, int channel);

// A row drag between the channel grid and the group grid. The channel grid
// starts one with mode 1 and a flag per channel; this grid with mode 2 and
// the channel numbers (1-based) of up to 8 rows. A drop on this grid writes
// them into consecutive slots and sets the result (3 after mode 1, 2 after
// mode 2); the end of the drag clears the mode.
struct DragRecord {
    int mode = 0;
    int result = 0;
    std::array<bool, 128> channels{};
    std::array<int, 8> numbers{-1, -1, -1, -1, -1, -1, -1, -1};
};
DragRecord& SharedDrag();
// The channel numbers a drop writes, in order: the flagged channels in
// ascending order (mode 1) or the recorded numbers (mode 2).
std::vector<int> DroppedChannelNumbers(const DragRecord& drag);

// The printed table: the two header rows, then one row per data slot, the
// check columns reading "v" on a filled row and "-" on an empty one.
std::vector<std::vector<std::string>> PrintCells(const CloneImage& image, int group);

}  // namespace ZoneGrid
