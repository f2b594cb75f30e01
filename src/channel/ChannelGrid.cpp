#include "channel/ChannelGrid.h"

#include <wx/dc.h>
#include <wx/settings.h>

#include <algorithm>

#include "channel/ChannelGridCells.h"
#include "channel/ChannelTables.h"
#include "channel/GroupGridRules.h"
#include "image/ItemsSystem.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/GridLogic.h"
#include "ui/GridParts.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/WindowPlacement.h"

namespace Col = ChannelGridCells::Col;
using ChannelGridCells::ColumnCount;
using ChannelGridCells::FixedRows;
using ChannelGridCells::RowsPerGroup;
namespace CellKind = ChannelTables::CellKind;

namespace {

constexpr std::uint32_t kWhite = ChannelTables::ChannelGridStateData::White;
constexpr std::uint32_t kSelectedBack = 0xFFFFE0;
constexpr double kFontPoints = 8.25;
constexpr int kGroups = 8;

// The four cell pictures, drawn once: the ANI column's off and on marks, and
// the check mark of a channel in use and of one that is not.
class GridCellPictures {
  public:
    enum { AniOff = 1, AniOn = 2, Check = 3, CheckGrey = 4 };

    static const wxBitmap* Get(int picture) {
        Attach();
        return picture >= AniOff && picture <= CheckGrey ? &Pictures()[picture - 1] : nullptr;
    }

    static void Attach() {
        auto& pictures = Pictures();
        if (!pictures.empty()) return;
        pictures.push_back(Draw([](wxDC& dc) {
            dc.SetPen(wxPen(wxColour(96, 96, 96)));
            dc.SetBrush(*wxTRANSPARENT_BRUSH);
            dc.DrawCircle(6, 6, 4);
        }));
        pictures.push_back(Draw([](wxDC& dc) {
            dc.SetPen(*wxBLACK_PEN);
            dc.SetBrush(wxBrush(wxColour(0, 128, 0)));
            dc.DrawCircle(6, 6, 4);
        }));
        pictures.push_back(Draw([](wxDC& dc) { GridParts::DrawCheckMark(dc, *wxBLACK); }));
        pictures.push_back(Draw([](wxDC& dc) {
            GridParts::DrawCheckMark(dc, wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
        }));
    }

  private:
    static std::vector<wxBitmap>& Pictures() {
        static std::vector<wxBitmap> pictures;
        return pictures;
    }
    static wxBitmap Draw(const std::function<void(wxDC&)>& draw) {
        return GridParts::DrawCellPicture(draw, true);
    }
};

std::uint32_t SystemColour(wxSystemColour which) {
    return CVSFlexGrid::ToColorRef(wxSystemSettings::GetColour(which));
}

bool HasPictureColumn(int column) {
    return ChannelGridCells::Spec(column).kind == CellKind::Check || column == Col::Ani;
}

}  // namespace

ChannelList::ChannelList(CloneImage& image) : image_(image) {}

ChannelList::~ChannelList() {
    if (grid_) SaveSettings();
}

void ChannelList::BuildControls() {
    SetLabel(ChannelGridCells::Caption);
    grid_ = GridParts::FillWithGrid(this, IDC_GRID, wxSize(640, 360));

    grid_->Bind(FLEXGRID_BEFORE_EDIT, &ChannelList::OnBeforeEdit, this);
    grid_->Bind(FLEXGRID_START_EDIT, &ChannelList::OnStartEdit, this);
    grid_->Bind(FLEXGRID_KEY_PRESS_EDIT, &ChannelList::OnKeyPressEdit, this);
    grid_->Bind(FLEXGRID_AFTER_EDIT, &ChannelList::OnAfterEdit, this);
    grid_->Bind(FLEXGRID_SEL_CHANGE, [this](FlexGridEvent&) { OnSelectionChanged(); });
    grid_->Bind(FLEXGRID_ROWCOL_CHANGE, &ChannelList::OnRowColChange, this);
    grid_->Bind(FLEXGRID_BEFORE_MOUSE_DOWN, &ChannelList::OnBeforeMouseDown, this);
    grid_->Bind(FLEXGRID_DBL_CLICK, &ChannelList::OnDoubleClick, this);
    grid_->Bind(FLEXGRID_CLICK, &ChannelList::OnClick, this);
    grid_->Bind(FLEXGRID_START_DRAG, &ChannelList::OnStartDrag, this);
    grid_->Bind(FLEXGRID_COMPLETE_DRAG, &ChannelList::OnCompleteDrag, this);
    grid_->Bind(wxEVT_KEY_DOWN, &ChannelList::OnGridKeyDown, this);
    grid_->Bind(wxEVT_CONTEXT_MENU, &ChannelList::OnContextMenu, this);
    Bind(wxEVT_HELP, &ChannelList::OnHelp, this);
    // The main window forwards the Edit commands as menu events to the grid
    // or the pane.
    auto onMenu = [this](wxCommandEvent& event) {
        const int command = CommandOfMenuId(event.GetId());
        if (command == 0 || !ExecuteCommand(command)) event.Skip();
    };
    grid_->Bind(wxEVT_MENU, onMenu);
    Bind(wxEVT_MENU, onMenu);
}

bool ChannelList::OnInitDialog() {
    HPainBaseDlg::OnInitDialog();
    BuildGrid();
    WriteHeaders();
    UiUtil::TranslateWindowTexts(this, IDD);
    SetLabel(ChannelGridCells::Caption);
    if (auto& font = UiHooks::Current().applyScreenFont) font(*grid_);
    RefreshAllRows();
    return true;
}

// ---- grid --------------------------------------------------------------------------

void ChannelList::BuildGrid() {
    grid_->SetFontSize(kFontPoints * WindowPlacement::LoadFontSize());
    grid_->SetRedraw(false);
    grid_->SetCols(ColumnCount);
    grid_->SetRows(FixedRows + RowsPerGroup);
    grid_->SetFixedRows(FixedRows);
    grid_->SetFixedCols(0);

    grid_->SetMinColWidthTwips(ChannelGridCells::MinColumnWidthTwips);
    WindowPlacement::LoadGridWidths(
        *grid_, ChannelGridCells::SettingsSection,
        GridParts::WidthDefaults(std::span(ChannelTables::ChannelGridColumns).first(ColumnCount)));

    const int lastRow = grid_->GetRows() - 1;
    grid_->SetCellRangeAlignment(0, 0, lastRow, ColumnCount - 1, FlexAlign::CenterCenter);
    for (int c = 0; c < ColumnCount; ++c)
        if (HasPictureColumn(c))
            grid_->SetCellRangePictureAlignment(FixedRows, c, lastRow, c, FlexAlign::CenterCenter);

    ApplyColumnVisibility();
    grid_->SetMergeCells(5);
    grid_->SetMergeRow(0, true);
    for (int c = 0; c < ColumnCount; ++c) grid_->SetMergeCol(c, true);

    GridCellPictures::Attach();
    grid_->SetRedraw(true);
    bindingCount_ = ChannelGridCells::BindingCount(image_);
}

void ChannelList::ApplyColumnVisibility() {
    const auto shown = ChannelGridCells::ShownColumns(image_);
    for (int c = 0; c < ColumnCount; ++c) grid_->SetColHidden(c, !shown[c]);
    if (grid_->GetCol() >= 0 && grid_->GetColHidden(grid_->GetCol())) grid_->SetCol(0);
    // The leading columns up to the name tag stay in view.
    int frozen = grid_->GetFixedCols();
    for (int c = grid_->GetFixedCols(); c <= Col::Tag; ++c)
        if (!grid_->GetColHidden(c)) frozen = c + 1;
    grid_->SetFrozenCols(frozen);
}

void ChannelList::WriteHeaders() {
    for (int c = 0; c < ColumnCount; ++c)
        for (int r = 0; r < FixedRows; ++r) grid_->SetTextMatrix(r, c, ChannelGridCells::HeaderText(r, c));
}

int ChannelList::ShownGroup() const {
    int group = group_;
    if (PaneHost* host = MainPaneHost()) group = host->SelectedGroup();
    return std::clamp(group, 0, kGroups - 1);
}

void ChannelList::ShowGroup(int group) {
    group_ = std::clamp(group, 0, kGroups - 1);
    RefreshAllRows();
}

int ChannelList::FirstChannel() const {
    return ShownGroup() * RowsPerGroup;
}

bool ChannelList::IsDataRow(int row) const {
    return row >= FixedRows && row < FixedRows + RowsPerGroup;
}

int ChannelList::ChannelOfRow(int row) const {
    if (!IsDataRow(row)) return -1;
    return FirstChannel() + row - FixedRows;
}

int ChannelList::GetCurrentIndex() const {
    return grid_ ? ChannelOfRow(grid_->GetRow()) : -1;
}

void ChannelList::RefreshAllRows() {
    if (!grid_) return;
    grid_->SetCellRangeBackColor(FixedRows, 0, grid_->GetRows() - 1, ColumnCount - 1, kWhite);
    grid_->SetRedraw(false);
    for (int r = FixedRows; r < FixedRows + RowsPerGroup; ++r) FillRow(r);
    RepaintSelection();
    grid_->SetRedraw(true);
}

void ChannelList::FillRow(int row) {
    const int channel = ChannelOfRow(row);
    if (channel < 0) return;
    auto& empty = ChannelTables::ChannelGridEmptyCells();
    empty.clear();
    RefreshRow(row);
    const bool inUse = ChannelGridCells::IsChannelInUse(image_, channel);
    for (int c = 0; c < ColumnCount; ++c) {
        const std::string text = ChannelGridCells::FormatCellText(image_, c, channel);
        if (c == Col::Ani) {
            grid_->SetTextMatrix(row, c, "");
            grid_->SetCellRangePicture(
                row, c, row, c,
                GridCellPictures::Get(text == "-" ? GridCellPictures::AniOff : GridCellPictures::AniOn));
            continue;
        }
        grid_->SetTextMatrix(row, c, text);
        if (ChannelGridCells::Spec(c).kind == CellKind::Check) {
            const wxBitmap* picture = nullptr;
            if (text != "-")
                picture =
                    GridCellPictures::Get(inUse ? GridCellPictures::Check : GridCellPictures::CheckGrey);
            grid_->SetCellRangePicture(row, c, row, c, picture);
        }
        if (text.empty() && ChannelGridCells::Spec(c).list) empty.push_back({row, c});
    }
    for (const auto& cell : empty) {
        grid_->SetTextMatrix(cell.row, cell.col, "");
        grid_->SetCellRangePicture(cell.row, cell.col, cell.row, cell.col, nullptr);
    }
}

void ChannelList::RefreshRow(int row) {
    if (row == 0xFFFF || !IsDataRow(row) || !grid_) return;
    const int channel = ChannelOfRow(row);
    const bool inUse = ChannelGridCells::IsChannelInUse(image_, channel);
    grid_->SetCellRangeForeColor(row, 0, row, ColumnCount - 1,
                                 SystemColour(inUse ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT));
    for (int c = 0; c < ColumnCount; ++c) {
        if (ChannelGridCells::Spec(c).kind != CellKind::Check) continue;
        const std::string text = ChannelGridCells::FormatCellText(image_, c, channel);
        const wxBitmap* picture = nullptr;
        if (!text.empty() && text != "-")
            picture = GridCellPictures::Get(inUse ? GridCellPictures::Check : GridCellPictures::CheckGrey);
        grid_->SetCellRangePicture(row, c, row, c, picture);
    }
}

void ChannelList::RepaintCellColours() {
    grid_->SetRedraw(false);
    grid_->SetCellRangeBackColor(FixedRows, 0, grid_->GetRows() - 1, ColumnCount - 1, kWhite);
    grid_->SetRedraw(true);
}

void ChannelList::RepaintSelection() {
    if (repainting_ || !grid_) return;
    repainting_ = true;
    RepaintCellColours();
    if (dragRestorePending_) {
        dragRestorePending_ = false;
        for (int row : dragRows_) grid_->SetRowFlag143(row, true);
    }
    for (int row : SelectedDataRows())
        grid_->SetCellRangeBackColor(row, 0, row, ColumnCount - 1, kSelectedBack);
    repainting_ = false;
}

std::vector<int> ChannelList::SelectedDataRows() const {
    if (!grid_) return {};
    return GridParts::SelectedRowsIn(*grid_, FixedRows, FixedRows + RowsPerGroup);
}

// ---- pane operations -------------------------------------------------------------------

void ChannelList::RefreshFromImage() {
    if (!grid_) return;
    if (!AutoGridWidth::AutoWidthFlag())
        WindowPlacement::SaveGridWidths(*grid_, ChannelGridCells::SettingsSection);
    printout_.reset();
    BuildGrid();
    RefreshAllRows();
}

void ChannelList::OnSelectionChanged() {
    GridCellPictures::Attach();
    if (PaneHost* host = MainPaneHost()) host->ShowHelpForRID(IDD, IDC_GRID, grid_->GetCol());
    RepaintSelection();
}

int ChannelList::GetColumnState(int column) const {
    return ChannelGridCells::ColumnState(image_, column);
}

bool ChannelList::IsColumnEditable(int column) const {
    return ChannelGridCells::IsColumnRestricted(image_, column);
}

bool ChannelList::IsColumnHidden(int column) const {
    return ChannelGridCells::IsColumnRestricted(image_, column);
}

bool ChannelList::HasGridFocus() const {
    for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent())
        if (w == grid_) return true;
    return false;
}

bool ChannelList::IsGridFocused() const {
    return grid_ && HasGridFocus() && grid_->GetCol() == Col::Number && !grid_->IsCellEditControlShown();
}

void ChannelList::AddPaneMenuItems(std::vector<PaneMenuItem>& items) const {
    for (const auto& item : ChannelGridCells::MainItemMenuTexts) items.push_back({item.commandId, item.text});
}

void ChannelList::RestoreFocus() {
    if (!grid_) return;
    grid_->SetRow(grid_->GetFixedRows());
    grid_->SetCol(grid_->GetFixedCols());
    grid_->SetFocus();
}

void ChannelList::FitColumnWidths() {
    if (grid_) GridParts::FitColumnWidths(*grid_, ChannelGridCells::SettingsSection);
}

void ChannelList::RegisterGridPage() {
    AutoGridWidth::RegisterPane<ChannelList>();
}

void ChannelList::SaveSettings() {
    bool shown[ColumnCount];
    for (int c = 0; c < ColumnCount; ++c) shown[c] = !grid_->GetColHidden(c);
    WriteProfileString(ChannelGridCells::SettingsSection, ChannelGridCells::EntryGridVisible,
                       ChannelGridCells::GridVisibleText(shown));
    if (!AutoGridWidth::AutoWidthFlag())
        WindowPlacement::SaveGridWidths(*grid_, ChannelGridCells::SettingsSection);
}

void ChannelList::NotifyChanged() {
    printout_.reset();
    if (onImageChanged_) onImageChanged_();
}

// ---- gestures ------------------------------------------------------------------------

bool ChannelList::CellTakesInput(int row, int column) const {
    const int channel = ChannelOfRow(row);
    if (channel < 0 || !ChannelGridEdit::AcceptsInput(image_, channel, column)) return false;
    return ChannelTables::ChannelGridState().CellFlag(channel, column) != 0;
}

bool ChannelList::DoGesture(Gesture gesture, int row, int column) {
    if (!IsDataRow(row) || column < 0 || column >= ColumnCount) return false;
    const int action = UiUtil::GestureAction(ChannelGridCells::Spec(column).Gestures(), gesture);
    if (action == ChannelTables::CellAction::None) return false;
    RunAction(action, row, column);
    return true;
}

void ChannelList::RunAction(int action, int row, int column) {
    using namespace ChannelTables::CellAction;
    switch (action) {
        case ToggleInUse:
            if (column != Col::Number || !CellTakesInput(row, column)) return;
            ChannelGridEdit::CycleCellValue(image_, ChannelOfRow(row), column,
                                            grid_->GetTextMatrix(row, column));
            RefreshRow(row);
            NotifyChanged();
            return;
        case Edit:
        case GridList:
            // Both open the cell's editor: a text box, or the list the grid
            // offers for the column.
            if (CellTakesInput(row, column)) GridParts::EditCellAt(*grid_, row, column);
            return;
        case Cycle:
        case CycleCheck: {
            const int oldPriority = ChannelGridEdit::PriorityPosition(image_, ShownGroup());
            bool changed = false;
            for (int r : SelectedDataRows()) {
                if (!CellTakesInput(r, column)) continue;
                ChannelGridEdit::CycleCellValue(image_, ChannelOfRow(r), column,
                                                grid_->GetTextMatrix(r, column));
                FillRow(r);
                changed = true;
            }
            if (!changed) return;
            if (column == Col::Priority) RefillPriorityRow(oldPriority);
            RepaintSelection();
            NotifyChanged();
            return;
        }
        case Dialog:
            OpenCellDialog(row, column);
            return;
        default:
            return;
    }
}

void ChannelList::RefillPriorityRow(int oldPosition) {
    if (oldPosition >= 0) FillRow(FixedRows + oldPosition);
}

void ChannelList::SwapDcsPolarity(int row, int column) {
    const int channel = ChannelOfRow(row);
    if (channel < 0 || !CellTakesInput(row, column)) return;
    if (!ChannelGridEdit::SwapDcsPolarity(image_, channel, column)) return;
    FillRow(row);
    RepaintSelection();
    NotifyChanged();
}

void ChannelList::OnGridKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const int row = grid_->GetRow(), col = grid_->GetCol();
    if (grid_->IsCellEditControlShown()) {
        if (key == WXK_TAB) {
            grid_->DisableCellEditControl();  // ends the edit where it is
            return;
        }
        event.Skip();
        return;
    }
    const bool plain = !event.HasAnyModifiers();
    if (plain && (key == WXK_RETURN || key == WXK_NUMPAD_ENTER)) {
        if (!DoGesture(Gesture::Enter, row, col)) event.Skip();
        return;
    }
    if (plain && key == WXK_SPACE) {
        if (!DoGesture(Gesture::Space, row, col)) event.Skip();
        return;
    }
    if ((plain && key == WXK_WINDOWS_MENU) || (key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) {
        // The context menu asked for from the keyboard opens at the current cell.
        wxContextMenuEvent menu(wxEVT_CONTEXT_MENU, grid_->GetId(), wxDefaultPosition);
        menu.SetEventObject(grid_);
        grid_->ProcessWindowEvent(menu);
        return;
    }
    if (plain && key == WXK_F3) {
        SwapDcsPolarity(row, col);
        return;
    }
    if (plain && (key == WXK_F2 || key == WXK_F4)) {
        PaneHost* host = MainPaneHost();
        HPainBaseDlg* selector = host ? host->PaneSelector() : nullptr;
        if (selector) {
            if (key == WXK_F2)
                selector->SelectNext();
            else
                selector->SelectPrevious();
        } else {
            // Without the pane selector: the image's groups in turn.
            const int groups = std::clamp(static_cast<int>(ItemMap::GetMaxGroup(image_)), 1, kGroups);
            ShowGroup((std::min(group_, groups - 1) + (key == WXK_F2 ? 1 : groups - 1)) % groups);
        }
        return;
    }
    event.Skip();
}

void ChannelList::OnRowColChange(FlexGridEvent& event) {
    if (event.col != event.oldCol && event.col >= 0 && event.col < ColumnCount &&
        event.col != lastHelpColumn_) {
        lastHelpColumn_ = event.col;
        if (PaneHost* host = MainPaneHost()) host->ShowRelatedItems(IDD, event.col);
    }
    OnSelectionChanged();
}

void ChannelList::OnBeforeMouseDown(FlexGridEvent& event) {
    // A press on the number of a row already selected keeps the selection
    // and lets a drag of the selected rows begin.
    if (event.button == 1 && event.col == Col::Number && IsDataRow(event.row) && grid_->IsSelection() &&
        grid_->GetRowFlag143(event.row)) {
        event.cancel = true;
        grid_->InvokeMethod150();
    }
}

void ChannelList::OnDoubleClick(FlexGridEvent& event) {
    if (DoGesture(Gesture::DoubleClick, event.row, event.col)) event.cancel = true;
}

void ChannelList::OnClick(FlexGridEvent& event) {
    DoGesture(Gesture::Click, event.row, event.col);
}

void ChannelList::OnStartDrag(FlexGridEvent&) {
    dragRows_.clear();
    // The group grid takes a drop of these channels from the shared record.
    ZoneGrid::DragRecord& drag = ZoneGrid::SharedDrag();
    drag = ZoneGrid::DragRecord{};
    for (int row : SelectedDataRows()) {
        if (dragRows_.size() < 128) dragRows_.push_back(row);
        const int channel = ChannelOfRow(row);
        if (channel >= 0 && channel < static_cast<int>(drag.channels.size())) drag.channels[channel] = true;
    }
    drag.mode = dragRows_.empty() ? 0 : 1;
    dragRestorePending_ = !dragRows_.empty();
}

void ChannelList::OnCompleteDrag(FlexGridEvent&) {
    ZoneGrid::SharedDrag().mode = 0;
    if (grid_->GetProperty167() < 2) dragRestorePending_ = false;
    RepaintSelection();
}

void ChannelList::OnContextMenu(wxContextMenuEvent& event) {
    // The main window shows its Edit menu; from the keyboard it opens at the
    // current cell.
    grid_->SetFocus();
    if (event.GetPosition() == wxDefaultPosition) event.SetPosition(UiUtil::GridPopupPoint(*grid_));
    event.Skip();
}

void ChannelList::OnHelp(wxHelpEvent&) {
    int rid = MakeRID(0, IDD, 0);
    if (HasGridFocus()) {
        rid = MakeRID(std::max(grid_->GetCol(), 0), IDD, IDC_GRID);
    } else if (wxWindow* focus = wxWindow::FindFocus(); focus && IsDescendant(focus) && focus->GetId() > 0) {
        rid = MakeRID(0, IDD, focus->GetId());
    }
    GridParts::OpenHelpTopic(this, rid, IDD);
}

// ---- printing ------------------------------------------------------------------------

bool ChannelList::GetHtml(std::string& out, bool withTitle) {
    if (!printout_) {
        std::array<bool, ColumnCount> shown{};
        for (int c = 0; c < ColumnCount; ++c) shown[c] = grid_ ? !grid_->GetColHidden(c) : true;
        printout_ = std::make_unique<ChannelGridPrint::Printout>(
            image_, ChannelGridPrint::PrintedColumns(image_, shown), GetLabel().utf8_string());
    }
    const bool more = printout_->GetHtml(out, withTitle);
    if (!more) printout_.reset();
    return more;
}
