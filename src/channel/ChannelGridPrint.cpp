#include "channel/ChannelGridPrint.h"

#include <algorithm>

#include "ui/HtmlDocument.h"
#include "ui/MainItems.h"

namespace ChannelGridPrint {

namespace Col = ChannelGridCells::Col;

namespace {

std::string HeaderText(std::string_view text) {
    std::string escaped = HtmlEscape(text);
    std::string out;
    for (char c : escaped) {
        if (c == '\n')
            out += "<BR>";
        else
            out += c;
    }
    return out;
}

// Check cells, and the ANI cell that the grid shows as a picture, print as
// their check form.
bool PrintsAsCheck(int column) {
    return ChannelGridCells::Spec(column).kind == ChannelTables::CellKind::Check || column == Col::Ani;
}

}  // namespace

std::string ColumnGroupState() {
    std::string state;
    for (const MainItemRow& row : MainItems::Table()) {
        if (row.commandId == -1) break;
        state += row.visible ? "1," : "0,";
    }
    return state;
}

ColumnFlags PrintedColumns(const CloneImage& image, std::span<const bool> shownInGrid) {
    ColumnFlags flags{};
    for (int c = 0; c < ChannelGridCells::ColumnCount; ++c) {
        const bool shown = static_cast<std::size_t>(c) < shownInGrid.size() && shownInGrid[c];
        flags[c] = shown && ChannelGridCells::IsColumnPrintable(image, c);
    }
    return flags;
}

std::vector<int> PrintedChannels(const CloneImage& image) {
    std::vector<int> channels;
    const int count = ChannelGridCells::BindingCount(image);
    for (int ch = 0; ch < count; ++ch)
        if (ChannelGridCells::IsChannelInUse(image, ch)) channels.push_back(ch);
    return channels;
}

std::string CellHtml(const CloneImage& image, int column, int channel) {
    const std::string text = ChannelGridCells::FormatCellText(image, column, channel);
    if (PrintsAsCheck(column)) return text.empty() || text == " " ? "v" : "-";
    if (text.empty()) return "&nbsp;";
    return HtmlEscape(text);
}

std::string TitleHtml(std::string_view caption) {
    std::string out;
    HtmlTag table(out, "table", "width=\"100%\"");
    { HtmlTag colgroup(out, "colgroup", "span=\"1\""); }
    HtmlTag row(out, "tr");
    HtmlTag heading(out, "th", "colspan=\"1\"");
    out += "[" + HtmlEscape(caption) + "]";
    heading.Close();
    row.Close();
    table.Close();
    return out;
}

std::string HeaderHtml(const ColumnFlags& printed) {
    std::vector<int> cols;
    for (int c = 0; c < ChannelGridCells::ColumnCount; ++c)
        if (printed[c]) cols.push_back(c);
    // The texts the grid shows, in the language's print form.
    std::vector<std::string> texts[ChannelGridCells::FixedRows];
    for (int row = 0; row < ChannelGridCells::FixedRows; ++row)
        for (int c = 0; c < ChannelGridCells::ColumnCount; ++c)
            texts[row].push_back(ChannelGridCells::HeaderText(row, c));
    auto text = [&texts](int row, int col) -> const std::string& { return texts[row][col]; };
    const std::size_t n = cols.size();
    std::vector<bool> spansRows(n), coveredBelow(n);
    for (std::size_t i = 0; i < n; ++i) spansRows[i] = coveredBelow[i] = text(0, cols[i]) == text(1, cols[i]);

    std::string out;
    for (int row = 0; row < ChannelGridCells::FixedRows; ++row) {
        HtmlTag tr(out, "tr");
        for (std::size_t i = 0; i < n;) {
            if (row == 1 && coveredBelow[i]) {
                ++i;
                continue;
            }
            // A run of equal texts among cells that do not span both rows.
            std::size_t j = i + 1;
            if (!spansRows[i])
                while (j < n && !spansRows[j] && text(row, cols[j]) == text(row, cols[i])) ++j;
            std::string attributes;
            if (spansRows[i]) attributes = "rowspan=\"2\"";
            if (j - i > 1) attributes = "colspan=\"" + std::to_string(j - i) + "\"";
            HtmlTag th(out, "th", attributes);
            out += HeaderText(text(row, cols[i]));
            th.Close();
            i = j;
        }
    }
    return out;
}

std::string RowHtml(const CloneImage& image, int channel, const ColumnFlags& printed) {
    std::string out;
    HtmlTag tr(out, "tr");
    for (int c = 0; c < ChannelGridCells::ColumnCount; ++c) {
        if (!printed[c]) continue;
        HtmlTag td(out, "td");
        out += CellHtml(image, c, channel);
    }
    tr.Close();
    return out;
}

Printout::Printout(const CloneImage& image, const ColumnFlags& printed, std::string caption)
    : image_(image), printed_(printed), caption_(std::move(caption)), channels_(PrintedChannels(image)) {}

bool Printout::GetHtml(std::string& out, bool withTitle) {
    if (withTitle) out += TitleHtml(caption_);
    const int total = static_cast<int>(channels_.size());
    const int first = std::min(page_ * ChannelGridCells::PrintRowsPerPage, total);
    const int count = std::min(ChannelGridCells::PrintRowsPerPage, total - first);
    HtmlTag table(out, "table", "width=\"100%\"");
    out += HeaderHtml(printed_);
    for (int i = first; i < first + count; ++i) out += RowHtml(image_, channels_[i], printed_);
    table.Close();
    ++page_;
    return first + count < total;
}

}  // namespace ChannelGridPrint

// ---- the document's screen ------------------------------------------------------

ChannelGridPrintScreen::ChannelGridPrintScreen(const CloneImage& image,
                                               const ChannelGridPrint::ColumnFlags& shown)
    : PrintableScreen(ChannelGridCells::DialogId),
      printout_(image, ChannelGridPrint::PrintedColumns(image, shown), ChannelGridCells::Caption) {}

std::string& ChannelGridPrintScreen::GetHtml(std::string& out, PrintContext, bool* moreToCome,
                                             bool createHidden) {
    const bool more = printout_.GetHtml(out, createHidden);
    if (moreToCome) *moreToCome = more;
    return out;
}

void ChannelGridPrintScreen::Register() {
    PrintScreens::Register(
        PrintScreens::Slot::ChannelGrid,
        [](const CloneImage& image) {
            return std::make_unique<ChannelGridPrintScreen>(image, ChannelGridCells::ShownColumns(image));
        },
        ChannelGridPrint::ColumnGroupState);
}
