#include "channel/GroupAllocationPrint.h"

#include <cstdio>

#include "image/ItemMap.h"
#include "image/ItemsScan.h"
#include "ui/HtmlText.h"

using namespace ZoneAllocation;

namespace {

void Open(std::string& out, std::string_view tag, std::string_view attributes = {}) {
    out += '<';
    out += tag;
    if (!attributes.empty()) {
        out += ' ';
        out += attributes;
    }
    out += '>';
}

void Close(std::string& out, std::string_view tag) {
    out += "</";
    out += tag;
    out += ">\n";
}

// An empty cell prints "-", a cell of blanks only prints a "-" per blank;
// other text (tags and channel names hold any character) is escaped.
std::string DashesIfBlank(std::string text) {
    if (text.empty()) return "-";
    if (text.find_first_not_of(' ') == std::string::npos) return std::string(text.size(), '-');
    return HtmlEscape(text);
}

constexpr int PrintedGroupsPerPage = 4;
// How a printed mark cell reads.
constexpr const char* PrintedOn = "v";
constexpr const char* PrintedOff = "-";

}  // namespace

ZoneAllocationPrinter::ZoneAllocationPrinter(const CloneImage& image) {
    model_.FillFromImage(image);
    for (int g = 0; g < Groups; ++g)
        groupValid_[g] = ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, g) == 0;
}

ZoneAllocationPrinter::ZoneAllocationPrinter(const zone_allocation_grid& model, const CloneImage& image)
    : model_(model) {
    for (int g = 0; g < Groups; ++g)
        groupValid_[g] = ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, g) == 0;
}

std::string ZoneAllocationPrinter::TitleHtml(std::string_view windowText) {
    std::string out;
    Open(out, "table", "width=\"100%\"");
    Open(out, "colgroup", "span=\"1\"");
    Close(out, "colgroup");
    Open(out, "tr");
    Open(out, "th", "colspan=\"1\"");
    out += '[';
    out += HtmlEscape(windowText);
    out += ']';
    Close(out, "th");
    Close(out, "tr");
    Close(out, "table");
    return out;
}

bool ZoneAllocationPrinter::IsPrintedGroup(int group) const {
    return group >= 0 && group < Groups && groupValid_[group];
}

bool ZoneAllocationPrinter::GetHtml(std::string& out, int page, bool withTitle, std::string_view windowText) {
    if (withTitle) out += TitleHtml(windowText);
    if (page == 0) cursor_ = 0;
    int groups[PrintedGroupsPerPage];
    int count = 0;
    while (cursor_ < Groups && count < PrintedGroupsPerPage) {
        if (IsPrintedGroup(cursor_)) groups[count++] = cursor_;
        ++cursor_;
    }
    if (count > 0) out += GridTableHtml(groups, count);
    for (int g = cursor_; g < Groups; ++g)
        if (IsPrintedGroup(g)) return true;
    return false;
}

bool ZoneAllocationPrinter::IsPrintableColumn(int col, const int* groups, int count) const {
    if (col < 0 || col >= GridCols || model_.IsColumnHidden(col)) return false;
    if (col == 0) return true;
    if (ColumnAt(col).kind == KindSeparator) return false;
    const int group = (col - 1) / 5;
    for (int i = 0; i < count; ++i)
        if (groups[i] == group) return true;
    return false;
}

std::string ZoneAllocationPrinter::PrintText(int row, int col) const {
    if (col > 0 && (row == GroupScanRow || row >= FirstPositionRow)) {
        const int g = (col - 1) / 5;
        const int within = (col - 1) % 5;
        if (row == GroupScanRow) return model_.GroupScanOn(g) ? PrintedOn : PrintedOff;
        const int p = row - FirstPositionRow;
        const bool mark = within == 2 || within == 3;
        if (mark && model_.IsGroupEnabled(g) && p < model_.PositionsPerGroup())
            return model_.CopyText(row, col);
        if (mark) return PrintedOff;
    }
    return model_.CellText(row, col);
}

std::string ZoneAllocationPrinter::GridTableHtml(const int* groups, int count) const {
    std::string out;
    char width[32];
    std::snprintf(width, sizeof width, "width=\"%d%%\"", 25 * count);
    Open(out, "table", width);

    // Title rows: column 0, then one cell over each group's visible columns.
    for (int row = 0; row <= GroupScanRow; ++row) {
        if (model_.IsRowHidden(row)) continue;
        Open(out, "tr");
        for (int col = 0; col < GridCols; ++col) {
            if (!IsPrintableColumn(col, groups, count)) continue;
            int span = 1;
            if (col > 0) {
                const int last = 5 * ((col - 1) / 5) + 4;
                while (col + 1 <= last) {
                    ++col;
                    if (IsPrintableColumn(col, groups, count)) ++span;
                }
            }
            char attributes[32] = "";
            if (span > 1) std::snprintf(attributes, sizeof attributes, " colspan=\"%d\"", span);
            Open(out, "th", attributes);
            out += DashesIfBlank(PrintText(row, col == 0 ? 0 : 5 * ((col - 1) / 5) + 1));
            Close(out, "th");
        }
        Close(out, "tr");
    }

    // The "Position" row and every position row.
    for (int row = HeadingRow; row < GridRows; ++row) {
        Open(out, "tr");
        for (int col = 0; col < GridCols; ++col) {
            if (!IsPrintableColumn(col, groups, count)) continue;
            Open(out, "td");
            out += DashesIfBlank(PrintText(row, col));
            Close(out, "td");
        }
        Close(out, "tr");
    }
    Close(out, "table");
    return out;
}
