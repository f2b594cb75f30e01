#pragma once
// The row arithmetic of the help frame's splitters, without windows. A row
// has an ideal height (what the layout gives it), a minimum and the height it
// has now. The layout gives each row but the last its ideal height in order
// (a row whose ideal is below its minimum is hidden) and the last row the
// rest; a bar of `bar` pixels lies between two rows.
#include <map>
#include <vector>

struct SplitterRow {
    int ideal = 0, minimum = 0, current = 0;
    bool operator==(const SplitterRow&) const = default;
};

namespace SplitterLayout {

// Sets every row's current height for a splitter `extent` pixels high.
void Layout(std::vector<SplitterRow>& rows, int extent, int bar);

// Row `row` grows by `extra`, taken from the rows below it: from the last row
// up to `row`, each gives its height above its minimum (row `row` counted at
// its ideal, the others at their current heights) until the extra is
// covered; what the rows below cannot give, row `row` gives back. Sets the
// ideals.
void AdjustRowSizes(std::vector<SplitterRow>& rows, int extra, int row);

// The splitter becomes `shrink` pixels lower: every row is first raised to
// its minimum (which adds to what must go), then the rows give their height
// above the minimum from the last row up. Sets the ideals; `skip` gives
// nothing (-1: none).
void GiveUpHeight(std::vector<SplitterRow>& rows, int shrink, int skip = -1);

// After a layout that gave `grown` more pixels to the last row: the rows
// give them back from the last row up, never below their minimums, and row 0
// takes what they gave. Sets the ideals.
void GrowFirstRow(std::vector<SplitterRow>& rows, int grown);

// A drag of the bar below `row` to make it `height` high (never below its
// minimum). A row that shrinks gives its height to the lowest row that is not
// fixed (from the last row up to the dragged row); a row that grows takes it
// from the rows below (AdjustRowSizes). Sets the ideals.
void TrackRowSize(std::vector<SplitterRow>& rows, int height, int row, const std::map<int, int>& fixedRows);

// A dragged column width: at least 100 pixels and at most the client width
// less 100 pixels.
int TrackColumnWidth(int x, int clientWidth);

// Whether the bar below `row` may be dragged: not while `row` is one of the
// fixed rows' bar indexes.
bool IsBarMovable(int row, const std::map<int, int>& fixedRows);

}  // namespace SplitterLayout
