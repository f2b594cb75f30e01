#pragma once
// The window side of window placement: position, size, splitter, bar
// proportions, grid column widths and the font-size rate, kept in the
// settings file under the screen's own section. The text formats and the
// work-area rule are the image library's (image/UiUtil.h).
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/UiUtil.h"

class wxWindow;
class CVSFlexGrid;

namespace WindowPlacement {

// Column widths for a grid. `table` comes from the screen's column table
// ({width generation, default width in twips} per column). A saved list as
// long as the table applies column by column; a shorter one was saved before
// later columns existed: it fills the columns of the earliest generations in
// order and the later columns keep their defaults. A piece that is not a
// width above 0 keeps the default.
struct WidthDefault {
    int generation;
    int width;
};
std::vector<int> ResolveGridWidths(std::span<const WidthDefault> table, std::string_view saved);

// Keeps `rect` inside `work` (a work area that may lie anywhere on the
// virtual screen), with the image library's rule.
Rect ClampToWorkArea(Rect rect, int minWidth, int minHeight, std::string_view position, std::string_view size,
                     unsigned flags, const Rect& work);

// "Position" (flag 1) and "Size" (flag 2) of the window's rectangle.
void Save(wxWindow* window, unsigned flags, std::string_view section);
// "X" and "Y" of the window's rectangle.
void SaveRect(wxWindow* window, std::string_view section);
// Restores `rect` (in and out) from the section, inside the work area of the
// display the rectangle lands on (the primary display when none).
void Restore(Rect& rect, unsigned flags, int minWidth, int minHeight, std::string_view section);
// Moves and sizes `window` as Restore decides.
void RestoreWindow(wxWindow* window, unsigned flags, int minWidth, int minHeight, std::string_view section);

void SaveBarPosition(std::string_view section, std::span<const double> values);
// `values` hold the defaults and receive what is stored.
void LoadBarPosition(std::string_view section, std::span<double> values);
void SaveSplitter(std::string_view section, std::span<const int> sizes);
void LoadSplitter(std::string_view section, std::span<int> sizes);
void SaveGridWidths(const CVSFlexGrid& grid, std::string_view section);
// Applies the saved widths (or the table's defaults) to the grid's columns.
void LoadGridWidths(CVSFlexGrid& grid, std::string_view section, std::span<const WidthDefault> table);
// The font-size rate of section "FontSize", entry "SizeRate": 1.0 when
// missing or not a number above 0, at most 2.0.
double LoadFontSize();
void SaveFontSize(double rate);

}  // namespace WindowPlacement
