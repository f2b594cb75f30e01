#include "channel/GroupGrid.h"

#include <wx/dcmemory.h>
#include <wx/menu.h>

#include <algorithm>

#include "channel/ChannelInfoDlg.h"
#include "image/ImageHost.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "language/Language.h"
#include "ui/GridParts.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

using namespace ZoneGrid;

namespace {

constexpr double kFontPoints = 8.25;
constexpr std::uint32_t kGrey = 0xAAAAAA;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kCheckColumns[] = {Col::Scan, Col::Priority, -1};

// The gesture fields of the column table: Space, double click, Enter.
int ActionOf(int col, int kind) {
    if (col < 0 || col >= ColumnCount) return 0;
    const auto& spec = ZoneGridColumns[col];
    return kind == 0 ? spec.spaceAction : kind == 1 ? spec.dblClickAction : spec.enterAction;
}

}  // namespace

const wxBitmap& ZoneCheckPicture() { return UiUtil::TickPicture(); }

CZoneList::CZoneList(CloneImage& image) : PrintableScreen(IDD), image_(image) {}

CZoneList::~CZoneList() {
    if (grid_ && !AutoGridWidth::AutoWidthFlag()) WindowPlacement::SaveGridWidths(*grid_, SettingsSection);
}

void CZoneList::BuildControls() {
    grid_ = GridParts::FillWithGrid(this, IDC_GRID);

    grid_->Bind(FLEXGRID_START_EDIT, &CZoneList::OnStartEdit, this);
    grid_->Bind(FLEXGRID_KEY_PRESS_EDIT, &CZoneList::OnKeyPressEdit, this);
    grid_->Bind(FLEXGRID_KEY_DOWN_EDIT, &CZoneList::OnKeyDownEdit, this);
    grid_->Bind(FLEXGRID_AFTER_EDIT, &CZoneList::OnAfterEdit, this);
    grid_->Bind(FLEXGRID_SEL_CHANGE, &CZoneList::OnSelChange, this);
    grid_->Bind(FLEXGRID_BEFORE_MOUSE_DOWN, [this](FlexGridEvent& event) {
        event.Skip();
        TellHelp();
    });
    grid_->Bind(FLEXGRID_START_DRAG, &CZoneList::OnStartDrag, this);
    grid_->Bind(FLEXGRID_DRAG_DROP, &CZoneList::OnDrop, this);
    grid_->Bind(FLEXGRID_COMPLETE_DRAG, &CZoneList::OnCompleteDrag, this);
    grid_->Bind(FLEXGRID_DBL_CLICK, [this](FlexGridEvent& event) { Gesture(1, event.row, event.col); });
    grid_->Bind(FLEXGRID_CLICK, [this](FlexGridEvent& event) {
        // A click on an already selected channel cell starts a row drag,
        // unless the radio's rotary switch or a type-4 group forbids it.
        const bool forbidden =
            ItemMap::GetRotarySwAction(image_) == 1 || Version::HasFeature_1_9(image_, Group());
        if (event.col == Col::Channel && event.row >= HeaderRows && grid_->GetRowFlag143(event.row) &&
            !forbidden) {
            grid_->InvokeMethod150();
            return;
        }
        event.Skip();
    });
    grid_->Bind(wxEVT_KEY_DOWN, &CZoneList::OnGridKey, this);
    // The program's row command ids are above what the toolkit takes for a
    // menu item: the menu's entries have ids of their own.
    GridParts::BindContextMenu(*grid_, *this, [](wxMenu& menu) {
        menu.Append(GridParts::RowCopyMenuId, "Row &Copy\tCtrl+C");
        menu.Append(GridParts::RowPasteMenuId, "Row &Paste\tCtrl+V");
    });
    GridParts::BindClipboardCommands(
        *this, {[this] { RowCopy(); }, [this] { RowPaste(); }, [this] { Copy(); }, [this] { Paste(); }});
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RowCopy(); }, ID_ROW_COPY);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { RowPaste(); }, ID_ROW_PASTE);
    Bind(wxEVT_HELP, [this](wxHelpEvent&) {
        GridParts::OpenHelpTopic(this, MakeRID(std::max(grid_->GetCol(), 0), IDD, IDC_GRID), IDD);
    });
}

bool CZoneList::OnInitDialog() {
    grid_->SetFontSize(kFontPoints * WindowPlacement::LoadFontSize());
    UiUtil::TranslateWindowTexts(this, IDD);
    RebuildGrid();
    HPainBaseDlg::OnInitDialog();
    // The ship mode's automation keeps the focus where it is.
    return Host().AppMode() != 4;
}

int CZoneList::Group() const {
    if (PaneHost* host = MainPaneHost(); host && host->ActivePane() == this)
        return std::clamp(host->SelectedGroup(), 0, 7);
    return group_;
}

void CZoneList::SetGroup(int group) {
    group_ = std::clamp(group, 0, 7);
    RebuildGrid();
}

void CZoneList::RebuildGrid() {
    if (!grid_) return;
    grid_->SetRedraw(false);
    grid_->SetCols(ColumnCount);
    grid_->SetRows(HeaderRows + RowCount(image_));
    grid_->SetFixedRows(HeaderRows);
    grid_->SetFixedCols(1);
    grid_->SetMergeCells(1);
    for (int row = 0; row < HeaderRows; ++row) {
        grid_->SetMergeRow(row, true);
        for (int col = 0; col < ColumnCount; ++col) grid_->SetTextMatrix(row, col, HeaderText(row, col));
    }
    ScreenTranslation::TranslateGridHeader(*grid_, IDD);
    for (int col = 0; col < ColumnCount; ++col) grid_->SetMergeCol(col, true);
    WindowPlacement::LoadGridWidths(*grid_, SettingsSection,
                                    GridParts::WidthDefaults(std::span(ZoneGridColumns).first(ColumnCount)));
    for (int row = HeaderRows; row < grid_->GetRows(); ++row) FillRow(row);
    grid_->SetRedraw(true);
}

void CZoneList::RefreshFromImage() {
    RebuildGrid();
}

void CZoneList::FillRow(int row) {
    if (!grid_ || row < HeaderRows || row >= grid_->GetRows()) return;
    const int slot = SlotOfRow(row);
    const auto texts = RowTexts(image_, Group(), slot);
    const bool filled = Member(image_, Group(), slot) >= 0;
    for (int col = 0; col < ColumnCount; ++col) {
        grid_->SetTextMatrix(row, col, texts[col]);
        if (col > 0)
            grid_->SetCellRangeBackColor(row, col, row, col, IsGreyColumn(image_, col) ? kGrey : kWhite);
    }
    for (const int* col = kCheckColumns; *col != -1; ++col)
        grid_->SetCellRangePicture(row, *col, row, *col, filled ? &ZoneCheckPicture() : nullptr);
}

void CZoneList::UpdateGridRow(int row, int) {
    FillRow(row);
}

int CZoneList::GetRowIndex(int gridRow) const {
    if (!grid_ || gridRow < HeaderRows || gridRow >= grid_->GetRows()) return -1;
    const std::string text = grid_->GetTextMatrix(gridRow, Col::Channel);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) return -1;
    return std::stoi(text) - 1;
}

int CZoneList::GetCurrentIndex() const {
    return grid_ ? GetRowIndex(grid_->GetRow()) : -1;
}

std::vector<int> CZoneList::SelectedDataRows() const {
    if (!grid_) return {};
    auto rows = GridParts::SelectedRowsIn(*grid_, HeaderRows, grid_->GetRows());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool CZoneList::IsFirstSelectedChannelEmpty() const {
    const auto rows = SelectedDataRows();
    return !rows.empty() && grid_->GetTextMatrix(rows.front(), Col::Channel).empty();
}

void CZoneList::AssignChannelToSelection(int channel) {
    const auto rows = SelectedDataRows();
    if (rows.empty()) return;
    if (AssignChannel(image_, Group(), SlotOfRow(rows.front()), channel)) Changed();
    FillRow(rows.front());
}

void CZoneList::OnIndexChanged(int) {
    RebuildGrid();
}

bool CZoneList::IsGridFocused() const {
    wxWindow* focus = wxWindow::FindFocus();
    return grid_ && grid_->GetProperty200() == 0 && focus && (focus == grid_ || grid_->IsDescendant(focus));
}

void CZoneList::AddPaneMenuItems(std::vector<PaneMenuItem>& items) const {
    items.push_back({ID_ROW_COPY, "Row &Copy\tCtrl+C"});
    items.push_back({ID_ROW_PASTE, "Row &Paste\tCtrl+V"});
}

void CZoneList::RestoreFocus() {
    if (grid_) grid_->SetFocus();
}

void CZoneList::FitColumnWidths() {
    if (grid_) GridParts::FitColumnWidths(*grid_, SettingsSection);
}

void CZoneList::RegisterGridPage() {
    AutoGridWidth::RegisterPane<CZoneList>();
}

void CZoneList::Changed() {
    if (changed_) changed_();
}

// ---- editing ------------------------------------------------------------------------

void CZoneList::OnStartEdit(FlexGridEvent& event) {
    if (event.row < HeaderRows || !CanStartEdit(event.col)) {
        event.cancel = true;
        return;
    }
    grid_->SetColorProperty45(kWhite);
    grid_->SetEditMaxLength(ZoneGridColumns[Col::Channel].editKind);
}

void CZoneList::OnKeyPressEdit(FlexGridEvent& event) {
    event.key = static_cast<int>(FilterEditKey(event.col, static_cast<char32_t>(event.key)));
}

void CZoneList::OnKeyDownEdit(FlexGridEvent& event) {
    lastEditKey_ = event.key;
    event.Skip();
}

void CZoneList::OnAfterEdit(FlexGridEvent& event) {
    const int row = event.row;
    if (row < HeaderRows || event.col != Col::Channel) return;
    const Commit result =
        CommitChannelNumber(image_, Group(), SlotOfRow(row), grid_->GetTextMatrix(row, Col::Channel));
    if (result == Commit::LeftAsTyped) return;
    FillRow(row);
    if (result == Commit::Stored) Changed();
    if (lastEditKey_ == WXK_RETURN && row + 1 < grid_->GetRows()) grid_->SetRow(row + 1);
    lastEditKey_ = 0;
}

void CZoneList::Gesture(int kind, int row, int col) {
    if (!grid_ || row < HeaderRows || row >= grid_->GetRows()) return;
    switch (ActionOf(col, kind)) {
        case 2:
            if (CanStartEdit(col)) GridParts::EditCellAt(*grid_, row, col);
            break;
        case 4: {
            auto rows = SelectedDataRows();
            if (rows.empty()) rows.push_back(row);
            bool changed = false;
            for (int r : rows) {
                const int channel = Member(image_, Group(), SlotOfRow(r));
                if (channel < 0) continue;
                if (col == Col::Bandwidth) CycleBandwidth(image_, channel);
                if (col == Col::Tx) ToggleTransmit(image_, channel);
                changed = true;
                FillRow(r);
            }
            if (changed) Changed();
            break;
        }
        case 5:
            for (int r : SelectedDataRows()) FillRow(r);
            break;
        case 6:
            OpenInfo(row);
            break;
        default:
            break;
    }
}

void CZoneList::OpenInfo(int row) {
    const int channel = Member(image_, Group(), SlotOfRow(row));
    if (channel < 0) return;
    if (!CCHInformation::EditChannel(this, image_, channel)) return;
    FillRow(row);
    if (PaneHost* host = MainPaneHost())
        host->RefreshAllPanes();
    else
        RebuildGrid();
}

void CZoneList::OnGridKey(wxKeyEvent& event) {
    const int row = grid_->GetRow(), col = grid_->GetCol();
    switch (event.GetKeyCode()) {
        case WXK_SPACE:
            Gesture(0, row, col);
            return;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            Gesture(2, row, col);
            return;
        case WXK_DELETE:
            DeleteRows();
            return;
        case WXK_F2:
        case WXK_F4:
            if (row >= HeaderRows && CanStartEdit(col)) grid_->EditCell();
            return;
        default:
            event.Skip();
    }
}

// ---- rows and clipboard ------------------------------------------------------------------

namespace {

// Runs of consecutive rows.
std::vector<std::pair<int, int>> Ranges(const std::vector<int>& rows) {
    std::vector<std::pair<int, int>> ranges;
    for (int row : rows) {
        if (!ranges.empty() && ranges.back().second + 1 == row)
            ranges.back().second = row;
        else
            ranges.push_back({row, row});
    }
    return ranges;
}

}  // namespace

void CZoneList::ForEachSelectedRun(void (*operation)(CloneImage&, int group, int first, int last)) {
    const auto ranges = Ranges(SelectedDataRows());
    for (auto it = ranges.rbegin(); it != ranges.rend(); ++it)
        operation(image_, Group(), SlotOfRow(it->first), SlotOfRow(it->second));
    if (!ranges.empty()) {
        RebuildGrid();
        Changed();
    }
}

void CZoneList::RowCopy() {
    ForEachSelectedRun(ZoneGrid::RowCopy);
}

void CZoneList::RowPaste() {
    ForEachSelectedRun(ZoneGrid::RowPaste);
}

void CZoneList::DeleteRows() {
    RowPaste();
    grid_->ClearSelection();
}

void CZoneList::Copy() {
    if (!grid_) return;
    Clipboard::CopyText(this, grid_->GetTextMatrix(grid_->GetRow(), grid_->GetCol()));
}

void CZoneList::Paste() {
    const std::string text = Clipboard::PasteText(this);
    bool changed = false;
    for (int row : SelectedDataRows()) {
        if (CommitChannelNumber(image_, Group(), SlotOfRow(row), text) == Commit::Stored) changed = true;
        FillRow(row);
    }
    if (changed) Changed();
}

// ---- drag and drop ---------------------------------------------------------------------------

void CZoneList::OnStartDrag(FlexGridEvent&) {
    DragRecord& drag = SharedDrag();
    drag = DragRecord{};
    drag.mode = 2;
    int n = 0;
    for (int row : SelectedDataRows()) {
        if (n >= static_cast<int>(drag.numbers.size())) break;
        const int channel = GetRowIndex(row);
        if (channel >= 0) drag.numbers[n++] = channel + 1;
    }
}

void CZoneList::DropOn(int row) {
    DragRecord& drag = SharedDrag();
    if (row < HeaderRows || drag.mode == 0) return;
    const auto numbers = DroppedChannelNumbers(drag);
    if (WriteChannels(image_, Group(), SlotOfRow(row), numbers) > 0) Changed();
    drag.result = drag.mode == 2 ? 2 : 3;
    RebuildGrid();
}

void CZoneList::OnDrop(FlexGridEvent& event) {
    DropOn(event.row);
}

void CZoneList::OnCompleteDrag(FlexGridEvent&) {
    SharedDrag().mode = 0;
}

void CZoneList::OnSelChange(FlexGridEvent& event) {
    event.Skip();
    if (inSelChange_) return;
    inSelChange_ = true;
    Host().Log("SelChangeZoneList\n");
    TellHelp();
    inSelChange_ = false;
}

void CZoneList::TellHelp() {
    PaneHost* host = MainPaneHost();
    if (!host || !grid_) return;
    host->ShowHelpForRID(IDD, IDC_GRID, std::max(grid_->GetCol(), 0));
    host->ShowRelatedItems(IDD, std::max(grid_->GetCol(), 0));
}

// ---- printing ------------------------------------------------------------------------

std::string& CZoneList::GetHtml(std::string& out, PrintContext context, bool*, bool) {
    const CloneImage& image = context ? *context : image_;
    TextPrintGrid table(HeaderRows, PrintCells(image, Group()));
    std::string page;
    GridTableHtml(page, table, 0, table.Rows() - HeaderRows, true);
    ClassCache().html = page;
    out += page;
    return out;
}
