#include "ui/WindowPlacement.h"

#include <wx/display.h>
#include <wx/window.h>

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "ui/EditRules.h"
#include "ui/ProfileStore.h"
#include "ui/VSFlexGrid.h"

namespace WindowPlacement {
namespace {

std::vector<std::string_view> Pieces(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) comma = text.size();
        out.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return out;
}

std::optional<int> WholeInt(std::string_view piece) {
    auto v = EditRules::ParseWholeDecimal(piece);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
    return static_cast<int>(*v);
}

std::string Read(std::string_view section, std::string_view entry) {
    return Profile().Read(section, entry).value_or("");
}

Rect WorkAreaFor(const Rect& rect) {
    int index = wxDisplay::GetFromPoint(wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2));
    if (index == wxNOT_FOUND) index = 0;
    const wxRect area = wxDisplay(static_cast<unsigned>(index)).GetClientArea();
    return {area.x, area.y, area.width, area.height};
}

}  // namespace

std::optional<std::pair<int, int>> ParsePair(std::string_view text) {
    auto pieces = Pieces(text);
    if (pieces.size() != 2) return std::nullopt;
    auto a = WholeInt(pieces[0]), b = WholeInt(pieces[1]);
    if (!a || !b) return std::nullopt;
    return std::pair{*a, *b};
}

std::vector<int> ParseIntList(std::string_view text, std::span<const int> defaults) {
    auto pieces = Pieces(text);
    std::vector<int> out(defaults.begin(), defaults.end());
    for (std::size_t i = 0; i < out.size() && i < pieces.size(); ++i)
        if (auto v = WholeInt(pieces[i])) out[i] = *v;
    return out;
}

std::vector<double> ParseDoubleList(std::string_view text, std::span<const double> defaults) {
    auto pieces = Pieces(text);
    std::vector<double> out(defaults.begin(), defaults.end());
    for (std::size_t i = 0; i < out.size() && i < pieces.size(); ++i)
        if (auto v = EditRules::ParseWholeDouble(pieces[i])) out[i] = *v;
    return out;
}

std::string FormatIntList(std::span<const int> values) {
    std::string out;
    for (int v : values) out += std::to_string(v) + ",";
    return out;
}

std::string FormatDoubleList(std::span<const double> values) {
    std::string out;
    char buf[64];
    for (double v : values) {
        std::snprintf(buf, sizeof buf, "%.4f,", v);
        out += buf;
    }
    return out;
}

Rect RestoreRect(Rect rect, int flags, int minWidth, int minHeight, std::optional<std::pair<int, int>> position,
                 std::optional<std::pair<int, int>> size, const Rect& work) {
    if ((flags & SavePosition) && position) {
        rect.x = position->first;
        rect.y = position->second;
    }
    if ((flags & SaveSize) && size) {
        rect.width = size->first;
        rect.height = size->second;
    }
    rect.width = std::max(rect.width, minWidth);
    rect.height = std::max(rect.height, minHeight);
    // Keep the window on the work area: right and bottom edges inside it
    // where the window fits, never left of or above its origin.
    rect.x = std::max(work.x, std::min(rect.x, work.x + work.width - rect.width));
    rect.y = std::max(work.y, std::min(rect.y, work.y + work.height - rect.height));
    return rect;
}

std::vector<int> ResolveGridWidths(std::span<const WidthDefault> table, std::string_view saved) {
    std::vector<int> widths;
    for (const auto& d : table) widths.push_back(d.width);
    auto pieces = Pieces(saved);
    if (pieces.empty()) return widths;
    // The columns the saved pieces belong to, in order.
    std::vector<std::size_t> targets;
    if (pieces.size() >= table.size()) {
        for (std::size_t c = 0; c < table.size(); ++c) targets.push_back(c);
    } else {
        std::vector<int> gens;
        for (const auto& d : table) gens.push_back(d.generation);
        std::sort(gens.begin(), gens.end());
        gens.erase(std::unique(gens.begin(), gens.end()), gens.end());
        bool matched = false;
        for (int g : gens) {
            std::vector<std::size_t> cols;
            for (std::size_t c = 0; c < table.size(); ++c)
                if (table[c].generation <= g) cols.push_back(c);
            if (cols.size() == pieces.size()) {
                targets = std::move(cols);
                matched = true;
                break;
            }
        }
        if (!matched)
            for (std::size_t c = 0; c < pieces.size(); ++c) targets.push_back(c);
    }
    for (std::size_t i = 0; i < targets.size(); ++i)
        if (auto v = WholeInt(pieces[i]); v && *v > 0) widths[targets[i]] = *v;
    return widths;
}

void Save(wxWindow* window, int flags, std::string_view section) {
    if (!window) return;
    const wxRect r = window->GetRect();
    char buf[64];
    if (flags & SavePosition) {
        std::snprintf(buf, sizeof buf, "%d,%d", r.x, r.y);
        Profile().Write(section, "Position", buf);
    }
    if (flags & SaveSize) {
        std::snprintf(buf, sizeof buf, "%d,%d", r.width, r.height);
        Profile().Write(section, "Size", buf);
    }
}

void SaveRect(wxWindow* window, std::string_view section) {
    if (!window) return;
    const wxRect r = window->GetRect();
    Profile().Write(section, "X", std::to_string(r.x));
    Profile().Write(section, "Y", std::to_string(r.y));
}

void Restore(Rect& rect, int flags, int minWidth, int minHeight, std::string_view section, const Rect& workArea) {
    rect = RestoreRect(rect, flags, minWidth, minHeight, ParsePair(Read(section, "Position")),
                       ParsePair(Read(section, "Size")), workArea);
}

void Restore(Rect& rect, int flags, int minWidth, int minHeight, std::string_view section) {
    Rect moved = RestoreRect(rect, flags, 0, 0, ParsePair(Read(section, "Position")),
                             ParsePair(Read(section, "Size")), {-1000000, -1000000, 2000000, 2000000});
    Restore(rect, flags, minWidth, minHeight, section, WorkAreaFor(moved));
}

void RestoreWindow(wxWindow* window, int flags, int minWidth, int minHeight, std::string_view section) {
    if (!window) return;
    const wxRect r = window->GetRect();
    Rect rect{r.x, r.y, r.width, r.height};
    Restore(rect, flags, minWidth, minHeight, section);
    window->SetSize(rect.x, rect.y, rect.width, rect.height);
}

void SaveBarPosition(std::string_view section, std::span<const double> values) {
    Profile().Write(section, "BarPosition", FormatDoubleList(values));
}

std::vector<double> LoadBarPosition(std::string_view section, std::span<const double> defaults) {
    return ParseDoubleList(Read(section, "BarPosition"), defaults);
}

void SaveSplitter(std::string_view section, std::span<const int> sizes) {
    Profile().Write(section, "SplitterPosition", FormatIntList(sizes));
}

std::vector<int> LoadSplitter(std::string_view section, std::span<const int> defaults) {
    return ParseIntList(Read(section, "SplitterPosition"), defaults);
}

void SaveGridWidths(const CVSFlexGrid& grid, std::string_view section) {
    std::vector<int> widths;
    for (int c = 0; c < grid.GetCols(); ++c) widths.push_back(grid.GetColWidthTwips(c));
    Profile().Write(section, "Grid_Width", FormatIntList(widths));
}

void LoadGridWidths(CVSFlexGrid& grid, std::string_view section, std::span<const WidthDefault> table) {
    auto widths = ResolveGridWidths(table, Read(section, "Grid_Width"));
    for (std::size_t c = 0; c < widths.size() && static_cast<int>(c) < grid.GetCols(); ++c)
        if (widths[c] > 0) grid.SetColWidthTwips(static_cast<int>(c), widths[c]);
}

double LoadFontSize() {
    auto text = Read("FontSize", "SizeRate");
    auto v = EditRules::ParseWholeDouble(text);
    if (!v || *v <= 0) return 1.0;
    return std::min(*v, 2.0);
}

void SaveFontSize(double rate) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2.2f", rate);
    Profile().Write("FontSize", "SizeRate", buf);
}

}  // namespace WindowPlacement
