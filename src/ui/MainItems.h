#pragma once
// The column groups of the channel grid that the View menu shows and hides:
// one row per menu command 32785-32805 with its visible flag and up to three
// grid columns, after a leading row 32784 without a column and before an end
// row -1. The flags live for the run; every row begins visible.
#include <array>
#include <span>

struct MainItemRow {
    int commandId;
    int visible;
    std::array<int, 3> columns;  // 0: no column
};

namespace MainItems {

inline constexpr int FirstCommand = 32784;  // the leading row
inline constexpr int LastCommand = 32805;
// The View menu's column range, wider than the table.
inline constexpr int RangeFirst = 32784, RangeLast = 32808;

// The whole table, leading row and end row included.
std::span<MainItemRow> Table();
// The row of a command; null for the leading row's id and ids outside the table.
MainItemRow* Row(int commandId);
// The row's last non-zero column number, 0 when it has none.
int LastColumn(const MainItemRow& row);
// Every row visible again.
void ResetVisible();

}  // namespace MainItems
