#include "channel/GroupAllocationDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/menu.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>

#include "channel/GroupGrid.h"
#include "image/TagCharRule.h"
#include "language/Language.h"
#include "ui/GridParts.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

using namespace ZoneAllocation;

namespace {

CZoneAllocationDlg::ModalRunner& Runner() {
    static CZoneAllocationDlg::ModalRunner runner;
    return runner;
}

std::uint32_t TextColour(bool grey) {
    return CVSFlexGrid::ToColorRef(
        wxSystemSettings::GetColour(grey ? wxSYS_COLOUR_GRAYTEXT : wxSYS_COLOUR_BTNTEXT));
}

}  // namespace

CZoneAllocationDlg::CZoneAllocationDlg(CloneImage& image)
    : PrintableScreen(IDD), image_(image), model_(std::make_unique<zone_allocation_grid>()) {
    model_->FillFromImage(image_);
}

CZoneAllocationDlg::~CZoneAllocationDlg() = default;

void CZoneAllocationDlg::SetModalRunner(ModalRunner runner) {
    Runner() = std::move(runner);
}

bool CZoneAllocationDlg::Create(wxWindow* parent) {
    if (!wxDialog::Create(parent, wxID_ANY, "Group Allocation", wxDefaultPosition, wxSize(900, 520),
                          wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER))
        return false;
    grid_ = new CVSFlexGrid(this, IDC_GRID);
    // One Group Mode stays hidden: the box is never filled, and OK writes
    // nothing from it.
    auto* caption = new wxStaticText(this, IDC_ONE_GROUP_CAPTION, "&One Group Mode");
    auto* oneGroup = new wxChoice(this, IDC_ONE_GROUP_MODE);
    caption->Hide();
    oneGroup->Hide();

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(caption, 0, wxALIGN_CENTER_VERTICAL);
    buttons->Add(oneGroup);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, IDC_CANCEL, "Cancel"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, IDC_HELP, "Help"), 0, wxALL, 4);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(grid_, 1, wxEXPAND | wxALL, 4);
    column->Add(buttons, 0, wxEXPAND);
    SetSizer(column);
    SetEscapeId(IDC_CANCEL);

    model_->SetNumberWord(LangTable::TranslateCommonWord("No."));
    UiUtil::TranslateWindowTexts(this, IDD);
    BuildGrid();
    RenderGrid();

    WindowPlacement::RestoreWindow(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, 600, 400,
                                   SettingsSection);
    SetMinSize(GetSize());

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, IDC_CANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, IDD); }, IDC_HELP);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    Bind(wxEVT_HELP, [this](wxHelpEvent&) { OnHelp(); });
    grid_->Bind(FLEXGRID_START_EDIT, &CZoneAllocationDlg::OnStartEdit, this);
    grid_->Bind(FLEXGRID_KEY_PRESS_EDIT, &CZoneAllocationDlg::OnKeyPressEdit, this);
    grid_->Bind(FLEXGRID_AFTER_EDIT, &CZoneAllocationDlg::OnAfterEdit, this);
    grid_->Bind(FLEXGRID_DBL_CLICK, [this](FlexGridEvent& event) { Activate(event.row, event.col); });
    grid_->Bind(wxEVT_KEY_DOWN, &CZoneAllocationDlg::OnGridKey, this);
    GridParts::BindContextMenu(*grid_, *this,
                               [](wxMenu& menu) { GridParts::AppendClipboardItems(menu, false); });
    GridParts::BindClipboardCommands(*this, {{}, {}, [this] { CopyCell(); }, [this] { PasteCell(); }});
    return true;
}

int CZoneAllocationDlg::Run(wxWindow* parent) {
    if (!GetHandle() && !Create(parent)) return wxID_CANCEL;
    if (Runner()) return Runner()(*this);
    return ShowModal();
}

bool CZoneAllocationDlg::Edit(wxWindow* parent, CloneImage& working) {
    CZoneAllocationDlg dialog(working);
    return dialog.Run(parent) == wxID_OK;
}

void CZoneAllocationDlg::SavePlacement() {
    WindowPlacement::Save(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, SettingsSection);
    if (grid_) WindowPlacement::SaveGridWidths(*grid_, SettingsSection);
}

void CZoneAllocationDlg::OnOK() {
    if (grid_ && grid_->GetProperty200()) grid_->SaveEditControlValue();
    model_->StoreToImage(image_);
    SavePlacement();
    if (IsModal())
        EndModal(wxID_OK);
    else
        SetReturnCode(wxID_OK);
}

void CZoneAllocationDlg::OnCancel() {
    SavePlacement();
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        SetReturnCode(wxID_CANCEL);
}

// ---- the grid ----------------------------------------------------------------------------

void CZoneAllocationDlg::BuildGrid() {
    grid_->SetRedraw(false);
    grid_->SetRows(GridRows);
    grid_->SetCols(GridCols);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(1);
    for (int col = 0; col < GridCols; ++col) {
        const ColumnSpec spec = ColumnAt(col);
        if (spec.kind == KindSeparator) {
            grid_->SetColHidden(col, true);
            continue;
        }
        grid_->SetColWidthTwips(col, std::max(spec.width, grid_->GetColWidthTwips(col)));
        grid_->SetColDataAlignment(col,
                                   spec.kind == KindMark ? FlexAlign::CenterCenter : FlexAlign::LeftCenter);
        if (spec.kind == KindMark)
            grid_->SetCellRangePictureAlignment(FirstPositionRow, col, GridRows - 1, col,
                                                FlexAlign::CenterCenter);
    }
    // Each group's title, tag and Group Scan cells span its four columns.
    grid_->SetMergeCells(1);
    grid_->SetMergeRow(0, true);
    for (int g = 0; g < Groups; ++g)
        for (int row = TagRow; row <= GroupScanRow; ++row)
            grid_->SetCellSize(row, ColumnOf(g, CellKind::ChannelNo), 1, 4);
    for (int col = 0; col < GridCols; ++col)
        grid_->SetColHidden(col, ColumnAt(col).kind == KindSeparator || model_->IsColumnHidden(col));
    for (int row = 0; row < GridRows; ++row) grid_->SetRowHidden(row, model_->IsRowHidden(row));
    grid_->SetRedraw(true);
}

void CZoneAllocationDlg::RenderGrid() {
    if (!grid_) return;
    grid_->SetRedraw(false);
    for (int row = 0; row < GridRows; ++row) {
        for (int col = 0; col < GridCols; ++col) {
            if (ColumnAt(col).kind == KindSeparator) continue;
            grid_->SetTextMatrix(row, col, model_->CellText(row, col));
            if (row == 0 || col == 0) continue;
            const auto look = model_->CellLook(row, col);
            grid_->SetCellRangeBackColor(row, col, row, col, look.back);
            grid_->SetCellRangeForeColor(row, col, row, col, TextColour(look.greyText));
            grid_->SetCellRangePicture(row, col, row, col, look.picture ? &ZoneCheckPicture() : nullptr);
            grid_->SetReadOnly(row, col, !model_->IsEditable(CellAt(row, col)));
        }
    }
    grid_->SetRedraw(true);
}

Cell CZoneAllocationDlg::CellAt(int row, int col) const {
    return Classify(row, col, model_->GroupCount());
}

void CZoneAllocationDlg::OnStartEdit(FlexGridEvent& event) {
    const Cell cell = CellAt(event.row, event.col);
    const int length = model_->EditorLength(cell);
    if (length == 0 || !model_->IsEditable(cell)) {
        event.cancel = true;
        return;
    }
    grid_->SetEditMaxLength(length);
    grid_->SetEditSelStart(0);
    grid_->SetEditSelLength(length);
}

void CZoneAllocationDlg::OnKeyPressEdit(FlexGridEvent& event) {
    const int key = event.key;
    if (key == 8 || key == 13 || key == 27) return;
    if (key == 9) {
        event.key = 0;
        return;
    }
    switch (CellAt(event.row, event.col).kind) {
        case CellKind::GroupTag:
        case CellKind::Tag:
            event.key = static_cast<int>(CurrentTagCharRule().NormalizeChar(static_cast<char32_t>(key)));
            break;
        case CellKind::ChannelNo:
            event.key = key >= '0' && key <= '9' ? key : 0;
            break;
        default:
            event.key = 0;
            break;
    }
}

void CZoneAllocationDlg::OnAfterEdit(FlexGridEvent& event) {
    model_->EndEdit(CellAt(event.row, event.col), grid_->GetTextMatrix(event.row, event.col));
    // Whatever was typed, the grid shows the model.
    CallAfter([this] { RenderGrid(); });
}

void CZoneAllocationDlg::Activate(int row, int col) {
    const Cell cell = CellAt(row, col);
    switch (cell.kind) {
        case CellKind::GroupTag:
        case CellKind::Tag:
            if (model_->IsEditable(cell)) {
                grid_->SetRow(row);
                grid_->SetCol(col);
                grid_->EditCell();
            }
            return;
        case CellKind::ChannelNo: {
            // Every selected row of the column, or the cell alone.
            std::vector<int> rows;
            for (int r : grid_->SelectedRows())
                if (r >= FirstPositionRow) rows.push_back(r);
            if (rows.size() < 2) rows = {row};
            for (int r : rows) model_->ToggleInUse(cell.group, r - FirstPositionRow);
            break;
        }
        default:
            model_->Activate(cell);
            break;
    }
    RenderGrid();
}

void CZoneAllocationDlg::CopyCell() {
    Clipboard::CopyText(this, model_->CopyText(grid_->GetRow(), grid_->GetCol()));
}

void CZoneAllocationDlg::PasteCell() {
    if (model_->Paste(CellAt(grid_->GetRow(), grid_->GetCol()), Clipboard::PasteText(this))) RenderGrid();
}

void CZoneAllocationDlg::OnGridKey(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool ctrl = event.ControlDown(), shift = event.ShiftDown();
    if ((ctrl && key == 'C') || (ctrl && key == WXK_INSERT)) {
        CopyCell();
        return;
    }
    if ((ctrl && key == 'V') || (shift && key == WXK_INSERT)) {
        PasteCell();
        return;
    }
    if (!ctrl && (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_SPACE)) {
        Activate(grid_->GetRow(), grid_->GetCol());
        return;
    }
    event.Skip();
}

void CZoneAllocationDlg::OnHelp() {
    int rid = MakeRID(0, IDD, 0);
    wxWindow* focus = wxWindow::FindFocus();
    if (focus && grid_ && (focus == grid_ || grid_->IsDescendant(focus))) {
        const int row = grid_->GetRow(), col = grid_->GetCol();
        int sub = 0;
        if (row == TagRow)
            sub = 1;
        else if (row == GroupScanRow)
            sub = 2;
        else if (row >= HeadingRow && col > 0 && (col - 1) % 5 < 4)
            sub = 3 + (col - 1) % 5;
        rid = MakeRID(sub, IDD, IDC_GRID);
    } else if (focus && focus->GetId() > 0) {
        rid = MakeRID(0, IDD, focus->GetId());
    }
    GridParts::OpenHelpTopic(this, rid, IDD);
}

// ---- printing ------------------------------------------------------------------------------

std::string& CZoneAllocationDlg::GetHtml(std::string& out, PrintContext context, bool* moreToCome, bool) {
    if (!printer_) {
        printer_ = std::make_unique<ZoneAllocationPrinter>(context ? *context : image_);
        printPage_ = 0;
    }
    std::string page;
    const bool more = printer_->GetHtml(page, printPage_, printPage_ == 0, WindowText());
    ++printPage_;
    if (moreToCome) *moreToCome = more;
    if (!more) printer_.reset();
    ClassCache().html = page;
    out += page;
    return out;
}
