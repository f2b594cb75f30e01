#include "ui/WindowPlacement.h"

#include <wx/display.h>
#include <wx/window.h>

#include <algorithm>

#include "image/TextUtil.h"
#include "language/SettingsFile.h"
#include "ui/EditRules.h"
#include "ui/VSFlexGrid.h"

namespace WindowPlacement {
namespace {

Rect WorkAreaAt(int x, int y) {
    int index = wxDisplay::GetFromPoint(wxPoint(x, y));
    if (index == wxNOT_FOUND) index = 0;
    const wxRect area = wxDisplay(static_cast<unsigned>(index)).GetClientArea();
    return {area.x, area.y, area.width, area.height};
}

}  // namespace

std::vector<int> ResolveGridWidths(std::span<const WidthDefault> table, std::string_view saved) {
    std::vector<int> widths;
    for (const auto& d : table) widths.push_back(d.width);
    auto pieces = TextUtil::Split(saved, ',');
    if (!pieces.empty() && pieces.back().empty()) pieces.pop_back();  // the trailing ","
    if (pieces.empty()) return widths;
    // The columns the saved pieces belong to, in order.
    std::vector<std::size_t> targets;
    if (pieces.size() < table.size()) {
        std::vector<int> gens;
        for (const auto& d : table) gens.push_back(d.generation);
        std::sort(gens.begin(), gens.end());
        gens.erase(std::unique(gens.begin(), gens.end()), gens.end());
        for (int g : gens) {
            std::vector<std::size_t> cols;
            for (std::size_t c = 0; c < table.size(); ++c)
                if (table[c].generation <= g) cols.push_back(c);
            if (cols.size() == pieces.size()) {
                targets = std::move(cols);
                break;
            }
        }
    }
    if (targets.empty())
        for (std::size_t c = 0; c < table.size() && c < pieces.size(); ++c) targets.push_back(c);
    for (std::size_t i = 0; i < targets.size(); ++i) {
        auto v = EditRules::ParseWholeDecimal(pieces[i]);
        if (v && *v > 0 && *v < 1'000'000) widths[targets[i]] = static_cast<int>(*v);
    }
    return widths;
}

Rect ClampToWorkArea(Rect rect, int minWidth, int minHeight, std::string_view position, std::string_view size,
                     unsigned flags, const Rect& work) {
    // The image library's rule works from a work area at the origin.
    rect.left -= work.left;
    rect.top -= work.top;
    int left = 0, top = 0;
    if ((flags & FlagPosition) && ParsePair(position, left, top)) {
        rect.left = left - work.left;
        rect.top = top - work.top;
    }
    rect = WindowPlacement::Restore(rect, flags & ~FlagPosition, minWidth, minHeight, {}, size, work.width,
                                    work.height);
    rect.left += work.left;
    rect.top += work.top;
    return rect;
}

void Save(wxWindow* window, unsigned flags, std::string_view section) {
    if (!window) return;
    const wxRect r = window->GetRect();
    if (flags & FlagPosition) WriteProfileString(section, EntryPosition, FormatPair(r.x, r.y));
    if (flags & FlagSize) WriteProfileString(section, EntrySize, FormatPair(r.width, r.height));
}

void SaveRect(wxWindow* window, std::string_view section) {
    if (!window) return;
    const wxRect r = window->GetRect();
    WriteProfileString(section, EntryX, FormatInt(r.x));
    WriteProfileString(section, EntryY, FormatInt(r.y));
}

void Restore(Rect& rect, unsigned flags, int minWidth, int minHeight, std::string_view section) {
    const std::string position = GetProfileString(section, EntryPosition, "");
    const std::string size = GetProfileString(section, EntrySize, "");
    // The display the window lands on decides the work area.
    int x = rect.left, y = rect.top;
    if (flags & FlagPosition) ParsePair(position, x, y);
    rect = ClampToWorkArea(rect, minWidth, minHeight, position, size, flags, WorkAreaAt(x, y));
}

void RestoreWindow(wxWindow* window, unsigned flags, int minWidth, int minHeight, std::string_view section) {
    if (!window) return;
    const wxRect r = window->GetRect();
    Rect rect{r.x, r.y, r.width, r.height};
    Restore(rect, flags, minWidth, minHeight, section);
    window->SetSize(rect.left, rect.top, rect.width, rect.height);
}

void SaveBarPosition(std::string_view section, std::span<const double> values) {
    WriteProfileString(section, EntryBarPosition, FormatDoubleList(values));
}

void LoadBarPosition(std::string_view section, std::span<double> values) {
    ParseDoubleList(GetProfileString(section, EntryBarPosition, ""), values);
}

void SaveSplitter(std::string_view section, std::span<const int> sizes) {
    WriteProfileString(section, EntrySplitter, FormatIntList(sizes));
}

void LoadSplitter(std::string_view section, std::span<int> sizes) {
    ParseIntList(GetProfileString(section, EntrySplitter, ""), sizes);
}

void SaveGridWidths(const CVSFlexGrid& grid, std::string_view section) {
    std::vector<int> widths;
    for (int c = 0; c < grid.GetCols(); ++c) widths.push_back(grid.GetColWidthTwips(c));
    WriteProfileString(section, EntryGridWidth, FormatIntList(widths));
}

void LoadGridWidths(CVSFlexGrid& grid, std::string_view section, std::span<const WidthDefault> table) {
    const auto widths = ResolveGridWidths(table, GetProfileString(section, EntryGridWidth, ""));
    for (std::size_t c = 0; c < widths.size() && static_cast<int>(c) < grid.GetCols(); ++c)
        if (widths[c] > 0) grid.SetColWidthTwips(static_cast<int>(c), widths[c]);
}

double LoadFontSize() {
    const double rate = ParseFontSize(GetProfileString(EntryFontSize, EntrySizeRate, ""), 1.0);
    if (!(rate > 0)) return 1.0;
    return std::min(rate, 2.0);
}

void SaveFontSize(double rate) {
    WriteProfileString(EntryFontSize, EntrySizeRate, FormatFontSize(rate));
}

}  // namespace WindowPlacement
