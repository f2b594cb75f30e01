#pragma once
// The window-free part of the screens' toolbox: item-list lookups, the text
// forms in which windows keep their placement, bar, splitter and column
// widths in the settings file, and the millisecond wait.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "image/ItemList.h"

// Item lists end at their first row of value -1 (or at the end of the span).
// Value of the first row whose display text equals `text` exactly, -1 if none.
std::int32_t FindIdByName(ItemList list, std::string_view text);
// Display text of the first row with `value`; when none has it, the text of
// the list's first row (the end row's text when the list starts with it).
std::string FindNameById(ItemList list, std::int32_t value);
// As FindNameById, but "" when no row has the value.
std::string FindNameByIdOrEmpty(ItemList list, std::int32_t value);
// Position of the first row with `value`, -1 when none.
int FindIndexInTable12(ItemList list, std::int32_t value);

// Waits `milliseconds` (0 or less returns at once). Sleeps rather than spins:
// the serial protocol calls it between frames on a worker thread.
void WaitMilliseconds(int milliseconds);

namespace UiUtil {

// Position of the first row whose display text equals `text`, -1 when none.
int FindTableRow(ItemList list, std::string_view text);
// Sorts the rows before the end row by ascending value; rows of equal value
// keep their order.
void SortTableByValue(std::span<ST_DISPDATA> list);

// The key and mouse gestures a grid's column table gives actions for, and
// one column's actions in that order.
enum class GridGesture { Space, DoubleClick, Enter, Click };
struct GestureActions {
    int space, doubleClick, enter, click;
};
constexpr int GestureAction(const GestureActions& actions, GridGesture gesture) {
    switch (gesture) {
        case GridGesture::Space:
            return actions.space;
        case GridGesture::DoubleClick:
            return actions.doubleClick;
        case GridGesture::Enter:
            return actions.enter;
        case GridGesture::Click:
            return actions.click;
    }
    return actions.click;
}

}  // namespace UiUtil

namespace WindowPlacement {

// Entry names in a window's settings section.
inline constexpr const char* EntryX = "X";
inline constexpr const char* EntryY = "Y";
inline constexpr const char* EntryPosition = "Position";
inline constexpr const char* EntrySize = "Size";
inline constexpr const char* EntryBarPosition = "BarPosition";
inline constexpr const char* EntryGridWidth = "Grid_Width";
inline constexpr const char* EntrySplitter = "SplitterPosition";
inline constexpr const char* EntryFontSize = "FontSize";
inline constexpr const char* EntrySizeRate = "SizeRate";

// Flags of Save and Restore.
inline constexpr unsigned FlagPosition = 1;
inline constexpr unsigned FlagSize = 2;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

// "X" and "Y" are single numbers: "%d".
std::string FormatInt(int value);
// "Position" (left, top) and "Size" (width, height): "%d,%d".
std::string FormatPair(int first, int second);
// Reads "%d,%d"; false (outputs untouched) unless both numbers are there.
bool ParsePair(std::string_view text, int& first, int& second);

// "BarPosition": one "%.4f," per value.
std::string FormatDoubleList(std::span<const double> values);
// "Grid_Width" and "SplitterPosition": one "%d," per value.
std::string FormatIntList(std::span<const int> values);
// Lists read back into the caller's values, which hold the defaults: a
// missing piece, or one that is not entirely a number, and every piece after
// it keep their default.
void ParseDoubleList(std::string_view text, std::span<double> values);
void ParseIntList(std::string_view text, std::span<int> values);

// "FontSize" and "SizeRate": "%2.2f"; a text that is not a number gives
// `fallback`.
std::string FormatFontSize(double value);
double ParseFontSize(std::string_view text, double fallback);

// The placement a window restores: with FlagPosition the stored "Position"
// moves the rectangle (size kept), with FlagSize the stored "Size" sets its
// size; then the size is raised to the minimum, and the rectangle is kept
// inside the work area (left edge 0..work width - width, top edge likewise,
// never below 0). A stored text that does not parse is ignored.
Rect Restore(Rect rect, unsigned flags, int minWidth, int minHeight, std::string_view storedPosition,
             std::string_view storedSize, int workAreaWidth, int workAreaHeight);

}  // namespace WindowPlacement
