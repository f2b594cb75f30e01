#pragma once
// The window-free parts of the grid adapter: header merging, twips, the
// drop-down list text, selected rows and the popup point. CVSFlexGrid calls
// these; tests check them without a display.
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/ItemList.h"

namespace GridLogic {

// Screen grids are laid out in twips at 15 twips a pixel.
inline constexpr int TwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
    return twips / TwipsPerPixel;
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

struct Span {
    int row, col, rows, cols;
    bool operator==(const Span&) const = default;
};

// What the merge needs to know about the header area of a grid.
struct MergeInput {
    int headerRows = 0;  // the fixed rows: only they merge
    int cols = 0;
    int frozenCols = 0;  // a merged cell never crosses this column boundary
    std::function<std::string(int row, int col)> text;
    std::function<bool(int row)> mergeRow;  // equal neighbours in the row join
    std::function<bool(int col)> mergeCol;  // equal neighbours in the column join
    std::function<bool(int col)> hidden;    // hidden columns join nothing
};

// The merged cells of the header rows: runs of equal, non-empty neighbouring
// texts in a row that allows merging, then equal runs stacked in columns that
// all allow merging. Only spans of more than one cell are returned.
std::vector<Span> ComputeHeaderSpans(const MergeInput& in);

// The drop-down text of an item list: row texts joined with "|", from the
// first row (taken whatever its value) up to the end row.
std::string JoinComboList(ItemList list);
// The choices of a drop-down text; empty for the empty text.
std::vector<std::string> SplitComboList(std::string_view list);

// A key typed into a cell editor goes through the screen's character filter
// only when it is a character (or Backspace, Tab, Enter, Escape, which the
// filters decide on). `unicode` is the key's character, 0 for keys that
// have none (Home, End, the arrows); Delete (0x7F) is no character either.
constexpr bool IsFilteredEditorKey(int unicode) {
    if (unicode >= 0x20) return unicode != 0x7F;
    return unicode == 8 || unicode == 9 || unicode == 13 || unicode == 27;
}

// The rows of a selection, each once, in the order the blocks were made;
// with no block, the cursor row alone (none when there is no cursor).
struct Block {
    int top, bottom;
};
std::vector<int> SelectedRows(std::span<const Block> blocks, int cursorRow);

// Sum of the sizes (twips) of items 0..last that are in view and not hidden,
// in pixels (truncated); a negative bound sums nothing.
int SumVisiblePixels(int last, const std::function<bool(int)>& inView, const std::function<bool(int)>& hidden,
                     const std::function<int(int)>& sizeTwips);

}  // namespace GridLogic
