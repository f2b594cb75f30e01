#include "tone/ToneGridView.h"

#include <wx/clipbrd.h>
#include <wx/dc.h>
#include <wx/menu.h>

#include <algorithm>
#include <vector>

#include "ui/GridParts.h"
#include "ui/UiUtil.h"
#include "ui/WindowPlacement.h"

using namespace GridView;

void AppendToneGridMenu(wxMenu& menu, bool rowCommands) {
    GridParts::AppendClipboardItems(menu, rowCommands);
    menu.AppendSeparator();
    menu.Append(CToneGridView::ID_AUTO_GRID_WIDTH, "&Auto Grid Width");
}

const wxBitmap& ToneTickPicture() { return UiUtil::TickPicture(); }

const wxBitmap& TonePlayPicture() {
    static const wxBitmap picture = GridParts::DrawCellPicture(
        [](wxDC& dc) {
            dc.SetPen(*wxBLACK_PEN);
            dc.SetBrush(*wxBLACK_BRUSH);
            const wxPoint triangle[] = {{3, 1}, {10, 6}, {3, 11}};
            dc.DrawPolygon(3, triangle);
        },
        false);
    return picture;
}

CToneGridView::CToneGridView(wxWindow* parent, const ViewSpec& spec, CloneImage& image, int gridId,
                             std::string section, int formId)
    : wxPanel(parent, wxID_ANY), model_(spec, image), gridId_(gridId), section_(std::move(section)),
      formId_(formId) {
    grid_ = GridParts::FillWithGrid(this, gridId);
    Setup();
    RefreshGrid();
}

CToneGridView::~CToneGridView() {
    SaveWidths();
}

void CToneGridView::SaveWidths() {
    if (widthsSaved_ || !grid_) return;
    widthsSaved_ = true;
    WindowPlacement::SaveGridWidths(*grid_, section_);
}

void CToneGridView::Setup() {
    grid_->SetRedraw(false);
    grid_->SetRows(model_.Rows());
    grid_->SetCols(model_.Cols());
    grid_->SetFixedRows(model_.HeaderRows());
    grid_->SetFixedCols(0);
    grid_->SetFontSize(8.25 * WindowPlacement::LoadFontSize());
    for (int r = 0; r < model_.HeaderRows(); ++r)
        for (int c = 0; c < model_.Cols(); ++c) grid_->SetTextMatrix(r, c, model_.Text(r, c));
    std::vector<WindowPlacement::WidthDefault> widths;
    for (auto [generation, twips] : model_.DefaultWidths()) widths.push_back({generation, twips});
    WindowPlacement::LoadGridWidths(*grid_, section_, widths);
    for (int c = 0; c < model_.Cols(); ++c) {
        grid_->SetColHeaderAlignment(c, FlexAlign::CenterCenter);
        grid_->SetColDataAlignment(c, FlexAlign::CenterCenter);
        if (model_.Column(c).kind == CellKind::Check)
            grid_->SetCellRangePictureAlignment(model_.HeaderRows(), c, model_.Rows() - 1, c,
                                                FlexAlign::CenterCenter);
    }
    grid_->SetMergeCells(1);
    grid_->SetMergeRow(0, true);
    grid_->SetMergeRow(1, true);
    for (int c = 0; c < model_.Cols(); ++c) grid_->SetMergeCol(c, true);
    for (int r = 1; r < model_.HeaderRows(); ++r) grid_->SetRowHeightTwips(r, grid_->GetRowHeightTwips(0));
    grid_->SetRedraw(true);

    grid_->Bind(FLEXGRID_BEFORE_EDIT, [this](FlexGridEvent& e) {
        grid_->SetComboList("");
        e.Skip();
    });
    grid_->Bind(FLEXGRID_START_EDIT, [this](FlexGridEvent& e) {
        const auto start = model_.BeginEdit(e.row, e.col);
        if (!start.allowed) {
            e.cancel = true;
            return;
        }
        if (model_.Column(e.col).kind == CellKind::Typed) {
            const std::string& text = start.text;
            grid_->SetTextMatrix(e.row, e.col, text);
            grid_->SetEditMaxLength(start.maxLength);
            grid_->SetEditSelStart(0);
            grid_->SetEditSelLength(static_cast<int>(text.size()));
        } else {
            grid_->SetColorProperty45(0xFFFFFF);
            grid_->SetComboList(start.comboList);
        }
    });
    grid_->Bind(FLEXGRID_KEY_PRESS_EDIT, [this](FlexGridEvent& e) {
        e.key = static_cast<int>(model_.FilterKey(e.col, static_cast<char32_t>(e.key)));
    });
    grid_->Bind(FLEXGRID_AFTER_EDIT, [this](FlexGridEvent& e) {
        if (!model_.IsDataRow(e.row)) return;
        // The grid puts the editor's text into the cell once this event has
        // been handled: commit after it.
        const int row = e.row, col = e.col;
        CallAfter([this, row, col] {
            model_.SetText(row, col, grid_->GetTextMatrix(row, col));
            model_.CommitCell(row, col);
            ShowRowFromModel(row);
        });
    });
    grid_->Bind(FLEXGRID_DBL_CLICK, [this](FlexGridEvent& e) {
        if (model_.IsDataRow(e.row)) Gesture(Gesture::DoubleClick, e.row, e.col);
    });
    grid_->Bind(FLEXGRID_CLICK, [this](FlexGridEvent& e) {
        if (!model_.IsDataRow(e.row) || model_.ActionOf(e.col, Gesture::Click) == Action::Consume) {
            e.Skip();
            return;
        }
        Gesture(Gesture::Click, e.row, e.col);
    });
    grid_->Bind(FLEXGRID_SEL_CHANGE, [this](FlexGridEvent& e) {
        TellColumnHelp();
        e.Skip();
    });
    grid_->Bind(FLEXGRID_BEFORE_MOUSE_DOWN, [this](FlexGridEvent& e) {
        TellColumnHelp();
        // A press on the number of a selected row keeps the selection; moved
        // on with the button held, it drags the selected rows.
        if (e.button == 1 && !e.shift && IsDragSource() && e.col == 0 && model_.IsDataRow(e.row) &&
            grid_->GetRowFlag143(e.row)) {
            e.cancel = true;
            grid_->ArmRowDrag();
            return;
        }
        e.Skip();
    });
    grid_->Bind(FLEXGRID_START_DRAG, [this](FlexGridEvent& e) { OnStartDrag(e); });
    grid_->Bind(FLEXGRID_DRAG_DROP, [this](FlexGridEvent& e) { OnDrop(e); });
    grid_->Bind(wxEVT_KEY_DOWN, &CToneGridView::OnGridKey, this);
    // Auto Grid Width goes on to the window, which fits all its grids.
    GridParts::BindContextMenu(*grid_, *this, [](wxMenu& menu) { AppendToneGridMenu(menu, true); });
    GridParts::BindClipboardCommands(
        *this, {[this] { RowCopy(); }, [this] { RowPaste(); }, [this] { Copy(); }, [this] { Paste(); }});
}

void CToneGridView::TellColumnHelp() {
    if (!columnHelp_ || !grid_->IsShownOnScreen()) return;
    wxWindow* focus = wxWindow::FindFocus();
    if (focus != grid_ && !grid_->IsDescendant(focus)) return;
    columnHelp_(gridId_, std::max(0, grid_->GetCol()));
}

void CToneGridView::RefreshGrid() {
    model_.Refresh();
    grid_->SetRedraw(false);
    for (int r = model_.HeaderRows(); r < model_.Rows(); ++r) ShowRowFromModel(r);
    for (int c = 0; c < model_.Cols(); ++c) grid_->SetColHidden(c, model_.IsColumnHidden(c));
    grid_->SetRedraw(true);
}

void CToneGridView::RefreshRow(int row) {
    model_.RefreshRow(row);
    ShowRowFromModel(row);
}

const wxBitmap* CToneGridView::PictureOf(int, int col, const std::string& text) const {
    if (model_.Column(col).kind != CellKind::Check) return nullptr;
    return text.empty() || text == "-" ? nullptr : &ToneTickPicture();
}

void CToneGridView::ShowRowFromModel(int row) {
    for (int c = 0; c < model_.Cols(); ++c) {
        const std::string text = model_.Text(row, c);
        grid_->SetTextMatrix(row, c, text);
        grid_->SetCellRangePicture(row, c, row, c, PictureOf(row, c, text));
    }
    RowShown(row);
}

void CToneGridView::CommitAllCells() {
    grid_->SetRedraw(false);
    model_.CommitChangedCells();
    for (int r = model_.HeaderRows(); r < model_.Rows(); ++r) ShowRowFromModel(r);
    grid_->SetRedraw(true);
}

std::vector<int> CToneGridView::SelectedDataRows() const {
    auto rows = GridParts::SelectedRowsIn(*grid_, model_.HeaderRows(), model_.Rows());
    if (rows.empty() && model_.IsDataRow(grid_->GetRow())) rows.push_back(grid_->GetRow());
    return rows;
}

bool CToneGridView::RunAction(int action, int row, int col) {
    switch (action) {
        case Action::PassOn:
        case Action::PassOn3:
            return false;
        case Action::Edit:
            GridParts::EditCellAt(*grid_, row, col);
            return true;
        case Action::Cycle:
        case Action::Toggle:
            for (int r : SelectedDataRows()) {
                model_.CycleCell(r, col);
                ShowRowFromModel(r);
            }
            return true;
        default:
            return true;
    }
}

void CToneGridView::Gesture(GridView::Gesture gesture, int row, int col) {
    RunAction(model_.ActionOf(col, gesture), row, col);
}

void CToneGridView::OnGridKey(wxKeyEvent& event) {
    // Keys of an open editor are the grid's: Enter ends the edit.
    if (grid_->IsCellEditControlShown()) {
        event.Skip();
        return;
    }
    const int row = grid_->GetRow(), col = grid_->GetCol();
    const bool ctrl = event.ControlDown();
    const int key = event.GetKeyCode();
    if (ctrl && (key == 'C' || key == WXK_INSERT)) return Copy();
    if (ctrl && key == 'V') return Paste();
    if (ctrl && key == 'Y') return RowCopy();
    if (ctrl && key == 'T') return RowPaste();
    if (event.ShiftDown() && key == WXK_INSERT) return Paste();
    if (!model_.IsDataRow(row) || ctrl) {
        event.Skip();
        return;
    }
    if (key == WXK_SPACE) {
        if (!RunAction(model_.ActionOf(col, Gesture::Space), row, col)) event.Skip();
        return;
    }
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        const int action = model_.ActionOf(col, Gesture::Enter);
        if (action == Action::PassOn3 && model_.Column(col).kind == CellKind::DropDown) {
            grid_->EditCell();  // the grid edits the cell with its drop-down list
            return;
        }
        if (!RunAction(action, row, col)) event.Skip();
        return;
    }
    if (key == WXK_F2 && model_.BeginEdit(row, col).allowed) {
        grid_->EditCell();
        return;
    }
    event.Skip();
}

namespace {
bool ReadClipboard(std::string& text) {
    if (!wxTheClipboard->Open()) return false;
    wxTextDataObject data;
    const bool ok = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
    if (ok) wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
    text = data.GetText().utf8_string();
    return ok;
}
void WriteClipboard(const std::string& text) {
    if (text.empty() || !wxTheClipboard->Open()) return;
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
    wxTheClipboard->Close();
}
}  // namespace

void CToneGridView::Copy() {
    if (grid_->GetCol() == 0) return RowCopy();
    if (!model_.IsDataRow(grid_->GetRow())) return;
    WriteClipboard(model_.CopyCellText(grid_->GetRow(), grid_->GetCol()));
}

void CToneGridView::Paste() {
    if (grid_->GetCol() == 0) return RowPaste();
    const int row = grid_->GetRow();
    std::string text;
    if (!model_.IsDataRow(row) || !ReadClipboard(text)) return;
    model_.PasteCell(row, grid_->GetCol(), text);
    RefreshRow(row);
}

void CToneGridView::RowCopy() {
    WriteClipboard(model_.CopyRows(SelectedDataRows()));
}

void CToneGridView::RowPaste() {
    std::string text;
    if (!ReadClipboard(text) || text.empty()) return;
    grid_->SetRedraw(false);
    model_.PasteRows(text, grid_->GetRow(), SelectedDataRows());
    for (int r = model_.HeaderRows(); r < model_.Rows(); ++r) ShowRowFromModel(r);
    grid_->SetRedraw(true);
    grid_->Refresh();
}

void CToneGridView::AutoGridWidth() {
    grid_->AutoSizeColumns(0, -1);
}

void CToneGridView::OnStartDrag(FlexGridEvent& event) {
    event.Skip();
}

void CToneGridView::OnDrop(FlexGridEvent& event) {
    event.Skip();
}
