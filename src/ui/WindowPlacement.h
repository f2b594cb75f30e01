#pragma once
// Window position, size, splitter, bar proportions, grid column widths and
// the font-size rate, kept in the settings file under the screen's own
// section. The list formats ("%d," and "%.4f," items) are read back
// piece by piece; a piece that is missing or not a number takes the caller's
// default for its position.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class wxWindow;
class CVSFlexGrid;

namespace WindowPlacement {

inline constexpr int SavePosition = 1, SaveSize = 2;

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// ---- window-free rules ----------------------------------------------------

// "%d,%d" -> two numbers; nothing when the text is not exactly that.
std::optional<std::pair<int, int>> ParsePair(std::string_view text);
// One number per piece of a "," list, the default where a piece is missing
// or not wholly a number.
std::vector<int> ParseIntList(std::string_view text, std::span<const int> defaults);
std::vector<double> ParseDoubleList(std::string_view text, std::span<const double> defaults);
std::string FormatIntList(std::span<const int> values);        // "%d," each
std::string FormatDoubleList(std::span<const double> values);  // "%.4f," each

// The rectangle a window is restored to: moved to `position` (flag 1),
// resized to `size` (flag 2), raised to the minimum size, then kept inside
// the work area (never left of or above its origin).
Rect RestoreRect(Rect rect, int flags, int minWidth, int minHeight, std::optional<std::pair<int, int>> position,
                 std::optional<std::pair<int, int>> size, const Rect& workArea);

// Column widths for a grid. `generations` and `defaults` come from the
// screen's column table. A saved list as long as the table applies column by
// column; a shorter one was saved before later columns existed: it fills the
// columns of the earliest generations in order and the later columns keep
// their defaults. Widths that are not above 0 keep the default.
struct WidthDefault {
    int generation;
    int width;  // twips
};
std::vector<int> ResolveGridWidths(std::span<const WidthDefault> table, std::string_view saved);

// ---- the settings file ------------------------------------------------------

void Save(wxWindow* window, int flags, std::string_view section);
void SaveRect(wxWindow* window, std::string_view section);
// Restores `rect` (in and out) from the section, inside the work area of the
// display that holds the rectangle (the primary one when none does).
void Restore(Rect& rect, int flags, int minWidth, int minHeight, std::string_view section);
void Restore(Rect& rect, int flags, int minWidth, int minHeight, std::string_view section, const Rect& workArea);
// Moves and sizes `window` from the section (window position and size).
void RestoreWindow(wxWindow* window, int flags, int minWidth, int minHeight, std::string_view section);

void SaveBarPosition(std::string_view section, std::span<const double> values);
std::vector<double> LoadBarPosition(std::string_view section, std::span<const double> defaults);
void SaveSplitter(std::string_view section, std::span<const int> sizes);
std::vector<int> LoadSplitter(std::string_view section, std::span<const int> defaults);
void SaveGridWidths(const CVSFlexGrid& grid, std::string_view section);
// Applies the saved widths (or the defaults) to the grid's columns.
void LoadGridWidths(CVSFlexGrid& grid, std::string_view section, std::span<const WidthDefault> table);
// The font-size rate of section "FontSize", entry "SizeRate": 1.0 when
// missing or not a positive number, at most 2.0.
double LoadFontSize();
void SaveFontSize(double rate);

}  // namespace WindowPlacement
