#pragma once
// The working model of the group allocation dialog: which channel sits at
// which of the 16 positions of each of the 8 groups, with the groups' tags
// and Group Scan flags, the members' scan ("SC") flags, each group's priority
// ("P") position, the channel names and the channels' in-use state. It is
// filled from an image when the dialog opens, edited cell by cell, and
// written back only by StoreToImage (the dialog's OK); until then the image
// is never touched, so Cancel leaves it as it was.
//
// The model also knows the dialog's 20 x 41 grid: which cell shows what, how
// it looks and whether it may be edited. Row 0 and column 0 are titles; group
// g uses columns 5g+1 .. 5g+4 ("CH No.", "TAG", "SC", "P") and column 5g+5
// separates it from the next group.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"
#include "image/ItemList.h"

// One place where a channel is a member.
struct regist_loc {
    int group;
    int position;
    bool operator==(const regist_loc&) const = default;
};

namespace ZoneAllocation {

inline constexpr int Groups = 8;
inline constexpr int Positions = 16;
inline constexpr int Channels = 128;
inline constexpr int NoMember = 0xFFFF;

inline constexpr int GridRows = 20;
inline constexpr int GridCols = 41;
inline constexpr int TagRow = 1;
inline constexpr int GroupScanRow = 2;
inline constexpr int HeadingRow = 3;
inline constexpr int FirstPositionRow = 4;

inline constexpr std::uint32_t DisabledBack = 0xAAAAAA;
inline constexpr std::uint32_t EnabledBack = 0xFFFFFF;
// Back colour of a block of selected rows in a "CH No." column.
inline constexpr std::uint32_t SelectedBack = 0xFFFFE0;

// Texts of the mark cells: on shows the check picture.
inline constexpr const char* MarkOffText = " - ";
inline constexpr const char* MarkOnText = "";
inline constexpr const char* GroupScanOnText = " ";

// "SC" and "P": 0 off, 1 on. Group Scan: 0 on, 1 off. The hidden One Group
// Mode box.
inline constexpr ST_DISPDATA MarkList[] = {{0, " - ", ""}, {1, "", ""}, {-1, "", ""}};
inline constexpr ST_DISPDATA GroupScanMarkList[] = {{0, " ", ""}, {1, " - ", ""}, {-1, "", ""}};
inline constexpr ST_DISPDATA OneGroupModeList[] = {{0, "Disable", ""}, {1, "Enable", ""}, {-1, "", ""}};

// Column table: kind 0 the title column, 2 text, 5 mark, 999 separator.
struct ColumnSpec {
    int column;
    int width;  // twips
    int kind;
};
inline constexpr int KindTitle = 0, KindText = 2, KindMark = 5, KindSeparator = 999;
constexpr ColumnSpec ColumnAt(int col) {
    if (col == 0) return {0, 1200, KindTitle};
    switch ((col - 1) % 5) {
        case 0:
            return {col, 720, KindText};
        case 1:
            return {col, 1500, KindText};
        case 2:
        case 3:
            return {col, 480, KindMark};
        default:
            return {col, 0, KindSeparator};
    }
}

enum class CellKind { None, GroupTag, GroupScan, ChannelNo, Tag, Scan, Priority };
struct Cell {
    CellKind kind = CellKind::None;
    int group = -1;
    int position = -1;  // position rows only
    bool operator==(const Cell&) const = default;
};

// The allocation cell at (row, col); groups at or above `groupCount` hold
// none.
Cell Classify(int row, int col, int groupCount);
// The grid column of a group's cell kind (ChannelNo, Tag, Scan, Priority;
// GroupTag and GroupScan use the first column of the group).
int ColumnOf(int group, CellKind kind);
inline int RowOf(int position) {
    return FirstPositionRow + position;
}

// A "CH No." text: empty gives NoMember; whole decimal digits give the
// number - 1 clamped to 0 .. channelCount - 1; anything else NoMember.
int ParseChannelNo(std::string_view text, int channelCount);
// As above, but tells an empty text (true, NoMember) from a text that is no
// number at all (false).
bool ParseChannelNoText(std::string_view text, int channelCount, int& member);

}  // namespace ZoneAllocation

class zone_allocation_grid {
  public:
    using Cell = ZoneAllocation::Cell;
    using CellKind = ZoneAllocation::CellKind;

    // How a cell looks.
    struct Look {
        std::uint32_t back = ZoneAllocation::EnabledBack;
        bool greyText = false;
        bool picture = false;  // the check mark
    };

    void FillFromImage(const CloneImage& image);

    int GroupCount() const { return groupCount_; }
    int ChannelCount() const { return channelCount_; }
    int PositionsPerGroup() const { return positions_; }
    int DisplayType() const { return displayType_; }
    bool IsOrdinary(int group) const;
    // Ordinary and below the group count: shown, edited and written.
    bool IsGroupEnabled(int group) const;
    // No priority can be marked (newer firmware in One Group Mode).
    bool PriorityLocked() const { return priorityLocked_; }

    int Member(int group, int position) const;
    const std::vector<regist_loc>& Locations(int channel) const;
    const std::string& Name(int channel) const;
    const std::string& GroupTag(int group) const;
    bool GroupScanOn(int group) const;
    bool ScanOn(int group, int position) const;
    // The marked priority position, -1 for none.
    int Priority(int group) const;
    // The dialog's view of the channel's in-use state (toggles included).
    bool InUse(int channel) const;

    // A position that can be edited: enabled group, within the positions of
    // the radio, with a member that is in use.
    bool IsPositionEditable(int group, int position) const;
    bool IsEditable(const Cell& cell) const;

    // ---- the grid -------------------------------------------------------
    std::string CellText(int row, int col) const;
    Look CellLook(int row, int col) const;
    bool IsColumnHidden(int col) const;
    bool IsRowHidden(int row) const;
    // Replaces the word "No." of the position titles (its translation).
    void SetNumberWord(std::string word) { numberWord_ = std::move(word); }

    // ---- edits (each answers whether the model changed) ------------------
    bool SetGroupTag(int group, std::string_view text);
    // The end of a "CH No." edit: an empty text empties the position; a
    // number sets the member; anything else changes nothing.
    bool EndChannelNoEdit(int group, int position, std::string_view text);
    bool RenameMember(int group, int position, std::string_view text);
    bool ToggleGroupScan(int group);
    bool ToggleScan(int group, int position);
    bool TogglePriority(int group, int position);
    // Switches the member channel between in use and not in use. Group 1
    // position 1, empty positions and channel 1 (which must stay in use) are
    // left alone.
    bool ToggleInUse(int group, int position);

    // What the cell's editor may hold; 0 when the cell opens no editor.
    int EditorLength(const Cell& cell) const;
    // Enter, Space or a double click on the cell: toggles what it toggles.
    // Tag cells answer false and want their editor opened (see EditorLength).
    bool Activate(const Cell& cell);
    // The end of an edit of the cell with `text`.
    bool EndEdit(const Cell& cell, std::string_view text);
    // The clipboard text of a cell, and a paste into it.
    std::string CopyText(int row, int col) const;
    bool Paste(const Cell& cell, std::string_view text);

    // Writes the model into `image`: group tags and names that were changed,
    // Group Scan flags, members, "SC" flags and the priority position of every
    // enabled group, the in-use toggles; then the group valid bits.
    void StoreToImage(CloneImage& image) const;

  private:
    void SetMember(int group, int position, int member);

    int groupCount_ = 0;
    int channelCount_ = 0;
    int positions_ = 0;
    int displayType_ = 0;
    bool priorityLocked_ = false;
    std::array<bool, ZoneAllocation::Groups> ordinary_{};
    std::array<std::array<int, ZoneAllocation::Positions>, ZoneAllocation::Groups> slots_{};
    std::array<std::vector<regist_loc>, ZoneAllocation::Channels> locations_;
    std::array<std::string, ZoneAllocation::Channels> names_, namesRead_;
    std::array<std::string, ZoneAllocation::Groups> tags_, tagsRead_;
    std::array<bool, ZoneAllocation::Groups> groupScan_{};
    std::array<std::array<bool, ZoneAllocation::Positions>, ZoneAllocation::Groups> scan_{};
    std::array<int, ZoneAllocation::Groups> priority_{};
    std::array<bool, ZoneAllocation::Channels> inUse_{}, inUseRead_{};
    std::string numberWord_ = "No.";
};
