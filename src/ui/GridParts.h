#pragma once
// What every grid screen does the same way around its CVSFlexGrid: the data
// rows of the selection, opening the editor of a given cell, the help topic
// of a cell, the column widths from a column table, fitting and keeping
// them, and the clipboard entries of a grid's context menu. The channel
// grid, the group grid, the group allocation grid and the tone grid views
// share these; each keeps only what is its own.
#include <wx/gdicmn.h>

#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/WindowPlacement.h"

class CVSFlexGrid;
class wxBitmap;
class wxColour;
class wxDC;
class wxMenu;
class wxWindow;

namespace GridParts {

// A grid that fills `parent` alone, in a vertical sizer; a given `minSize`
// is also its first size.
CVSFlexGrid* FillWithGrid(wxWindow* parent, int gridId, const wxSize& minSize = wxDefaultSize);

// The selected rows from `firstRow` up to (not including) `endRow`, in the
// order the grid gives them (the cursor row when nothing is selected).
std::vector<int> SelectedRowsIn(const CVSFlexGrid& grid, int firstRow, int endRow);

// Puts the cursor on the cell and opens its editor.
void EditCellAt(CVSFlexGrid& grid, int row, int col);

// Opens help topic `rid`, or the form's own topic when `rid` has none;
// nothing without a help service.
void OpenHelpTopic(wxWindow* owner, int rid, int formId);

// The default widths of a column table whose rows carry `widthKey` and
// `width` (twips).
template <class Column>
std::vector<WindowPlacement::WidthDefault> WidthDefaults(std::span<const Column> columns) {
    std::vector<WindowPlacement::WidthDefault> widths;
    widths.reserve(columns.size());
    for (const Column& column : columns) widths.push_back({column.widthKey, column.width});
    return widths;
}

// "Auto Grid Width" on one grid: every shown column fitted to its texts, the
// widths kept in `section`.
void FitColumnWidths(CVSFlexGrid& grid, std::string_view section);

// The row and cell clipboard entries of a grid's context menu: "Row Copy"
// (Ctrl+Y) and "Row Paste" (Ctrl+T), enabled or not, then "Copy" (Ctrl+C)
// and "Paste" (Ctrl+V) as wxID_COPY and wxID_PASTE. The toolkit takes menu
// ids below 0x7fff only, so the row entries have ids of their own.
inline constexpr int RowCopyMenuId = 0x7E01, RowPasteMenuId = 0x7E02;
void AppendClipboardItems(wxMenu& menu, bool rowItemsEnabled);
// What those entries run, bound on `owner`; an empty handler is not bound.
struct ClipboardCommands {
    std::function<void()> rowCopy, rowPaste, copy, paste;
};
void BindClipboardCommands(wxWindow& owner, const ClipboardCommands& commands);
// The grid's context menu: the grid takes the focus and `owner` pops up the
// menu that `fill` builds.
void BindContextMenu(CVSFlexGrid& grid, wxWindow& owner, std::function<void(wxMenu&)> fill);

// A 12 x 12 cell picture: `draw` paints on white; with `whiteTransparent`
// the white shows the cell's background.
wxBitmap DrawCellPicture(const std::function<void(wxDC&)>& draw, bool whiteTransparent);
// The check mark of ticked cells, in `colour`.
void DrawCheckMark(wxDC& dc, const wxColour& colour);

}  // namespace GridParts
