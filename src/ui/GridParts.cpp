#include "ui/GridParts.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/menu.h>
#include <wx/sizer.h>

#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

namespace GridParts {

CVSFlexGrid* FillWithGrid(wxWindow* parent, int gridId, const wxSize& minSize) {
    auto* grid = new CVSFlexGrid(parent, gridId, wxDefaultPosition, minSize);
    if (minSize != wxDefaultSize) grid->SetMinSize(minSize);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, 1, wxEXPAND);
    parent->SetSizer(sizer);
    return grid;
}

std::vector<int> SelectedRowsIn(const CVSFlexGrid& grid, int firstRow, int endRow) {
    std::vector<int> rows;
    for (int row : grid.SelectedRows())
        if (row >= firstRow && row < endRow) rows.push_back(row);
    return rows;
}

void EditCellAt(CVSFlexGrid& grid, int row, int col) {
    grid.SetRow(row);
    grid.SetCol(col);
    grid.EditCell();
}

void OpenHelpTopic(wxWindow* owner, int rid, int formId) {
    const auto& hooks = UiHooks::Current();
    if (!hooks.openHelp) return;
    if (hooks.hasHelpTopic && !hooks.hasHelpTopic(rid)) rid = MakeRID(0, formId, 0);
    hooks.openHelp(owner, rid);
}

void FitColumnWidths(CVSFlexGrid& grid, std::string_view section) {
    grid.AutoSizeColumns(0);
    WindowPlacement::SaveGridWidths(grid, section);
}

void AppendClipboardItems(wxMenu& menu, bool rowItemsEnabled) {
    menu.Append(RowCopyMenuId, "Row Cop&y\tCtrl+Y")->Enable(rowItemsEnabled);
    menu.Append(RowPasteMenuId, "Row Pas&te\tCtrl+T")->Enable(rowItemsEnabled);
    menu.Append(wxID_COPY, "&Copy\tCtrl+C");
    menu.Append(wxID_PASTE, "&Paste\tCtrl+V");
}

void BindClipboardCommands(wxWindow& owner, const ClipboardCommands& commands) {
    const std::pair<int, const std::function<void()>*> bindings[] = {{RowCopyMenuId, &commands.rowCopy},
                                                                     {RowPasteMenuId, &commands.rowPaste},
                                                                     {wxID_COPY, &commands.copy},
                                                                     {wxID_PASTE, &commands.paste}};
    for (const auto& [id, command] : bindings)
        if (*command)
            owner.Bind(
                wxEVT_MENU, [run = *command](wxCommandEvent&) { run(); }, id);
}

void BindContextMenu(CVSFlexGrid& grid, wxWindow& owner, std::function<void(wxMenu&)> fill) {
    grid.Bind(wxEVT_CONTEXT_MENU, [&grid, &owner, fill = std::move(fill)](wxContextMenuEvent&) {
        grid.SetFocus();
        wxMenu menu;
        fill(menu);
        owner.PopupMenu(&menu);
    });
}

wxBitmap DrawCellPicture(const std::function<void(wxDC&)>& draw, bool whiteTransparent) {
    wxBitmap picture(12, 12);
    {
        wxMemoryDC dc(picture);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        draw(dc);
    }
    if (whiteTransparent) picture.SetMask(new wxMask(picture, *wxWHITE));
    return picture;
}

void DrawCheckMark(wxDC& dc, const wxColour& colour) {
    dc.SetPen(wxPen(colour, 2));
    dc.DrawLine(2, 6, 5, 9);
    dc.DrawLine(5, 9, 10, 3);
}

}  // namespace GridParts
