#pragma once
// The channel table of the printed and exported document: the printed
// columns under their two merged header rows, one row per channel in use of
// the whole image, 52 rows a page. Every cell text is HTML-escaped; check
// cells print as "v" (on) and "-" (off). Printing never changes the image.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "channel/ChannelGridCells.h"
#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

namespace ChannelGridPrint {

using ColumnFlags = std::array<bool, ChannelGridCells::ColumnCount>;

// The View menu's column group flags as a text ("1," or "0," each): what the
// printout depends on besides the image.
std::string ColumnGroupState();
// A column is printed when its state lets it print and the grid shows it.
ColumnFlags PrintedColumns(const CloneImage& image, std::span<const bool> shownInGrid);
// The channels in use among those the grid binds, in order.
std::vector<int> PrintedChannels(const CloneImage& image);

// The printed text of one cell ("&nbsp;" for an empty one).
std::string CellHtml(const CloneImage& image, int column, int channel);

// The caption table: "[" caption "]" in one heading cell.
std::string TitleHtml(std::string_view caption);
// The two header rows: a text equal to the one below spans both rows, runs
// of equal neighbouring texts in a row span their columns.
std::string HeaderHtml(const ColumnFlags& printed);
std::string RowHtml(const CloneImage& image, int channel, const ColumnFlags& printed);

// One printout, page by page, as the document builder asks for it.
class Printout {
  public:
    Printout(const CloneImage& image, const ColumnFlags& printed, std::string caption);
    // Appends the next page; true while more pages follow.
    bool GetHtml(std::string& out, bool withTitle);
    int PagesDone() const { return page_; }

  private:
    const CloneImage& image_;
    ColumnFlags printed_;
    std::string caption_;
    std::vector<int> channels_;
    int page_ = 0;
};

}  // namespace ChannelGridPrint

// The channel grid's place in the printed document. It needs no window: the
// table comes from the image and the columns the grid would show.
class ChannelGridPrintScreen : public PrintableScreen {
  public:
    ChannelGridPrintScreen(const CloneImage& image, const ChannelGridPrint::ColumnFlags& shown);

    // One page a call; the first call (the one that would create the
    // window) also writes the caption table.
    std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome,
                         bool createHidden) override;
    std::string WindowText() const override { return ChannelGridCells::Caption; }
    bool IsDialog() const override { return false; }

    // Puts the channel grid into the printed document.
    static void Register();

  protected:
    PrintCache& ClassCache() override { return CacheOf<ChannelGridPrintScreen>(); }

  private:
    ChannelGridPrint::Printout printout_;
};
