#include "settings/CustomCode.h"

#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/sizer.h>

#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

using namespace CustomCode;

namespace {

constexpr int kLabelTwips = 1440, kFlagTwips = 480;
constexpr int kAlignLeftCenter = 1, kAlignCenterCenter = 4;

// The mark of a switched-on function: a tick.
wxBitmap MakeMark() {
    wxBitmap bitmap(14, 14);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(wxPen(*wxBLACK, 2));
    dc.DrawLine(2, 7, 5, 11);
    dc.DrawLine(5, 11, 12, 3);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

}  // namespace

std::string CustomCode::Label(int function, const std::string& prefix) {
    return prefix + std::to_string(function + 1);
}

CCustomCodeEditDlg::CCustomCodeEditDlg(wxWindow* parent, Block& block)
    : wxDialog(parent, wxID_ANY, "Custom Code Edit", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      block_(block),
      mark_(MakeMark()) {
    grid_ = new CVSFlexGrid(this, IDC_GRID);
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(grid_, 1, wxEXPAND | wxALL, 8);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, IDC_OK, "OK"), 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, IDC_CANCEL, "Cancel"), 0);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(top);

    SetupGrid();
    LoadFlags();
    UiUtil::TranslateWindowTexts(this, IDD);

    SetEscapeId(IDC_CANCEL);
    SetAffirmativeId(wxID_NONE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, IDC_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, IDC_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    // Enter, Space and a double click switch the function of the current
    // cell; Enter never confirms the dialog.
    grid_->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (!event.ControlDown() && (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_SPACE)) {
            ToggleFlagCell(FunctionAt(grid_->GetRow(), grid_->GetCol()));
            return;
        }
        event.Skip();
    });
    grid_->Bind(FLEXGRID_DBL_CLICK,
                [this](FlexGridEvent& event) { ToggleFlagCell(FunctionAt(event.row, event.col)); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (key == WXK_F1) {
            UiUtil::ShowHelpForFocus(this, IDD);
            return;
        }
        if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && wxWindow::FindFocus() != grid_ &&
            !grid_->IsDescendant(wxWindow::FindFocus()))
            return;
        event.Skip();
    });

    top->SetSizeHints(this);
    SetSize(wxSize(std::min(GetSize().x, 1100), std::max(GetSize().y, 520)));
    CentreOnParent();
}

void CCustomCodeEditDlg::SetupGrid() {
    grid_->SetRedraw(false);
    grid_->SetRows(Rows);
    grid_->SetCols(Cols);
    grid_->EnableEditing(false);  // cells switch, they are not typed into
    for (int c = 0; c < Cols; ++c) {
        const bool label = c % 2 == 0;
        grid_->SetColWidthTwips(c, label ? kLabelTwips : kFlagTwips);
        grid_->SetColDataAlignment(c, label ? kAlignLeftCenter : kAlignCenterCenter);
    }
    if (const auto& font = UiHooks::Current().applyScreenFont) font(*grid_);
    std::string prefix = "function-";
    std::string translated;
    if (LangTable::LookupRID(MakeRID(0, IDD, IDC_PREFIX), prefix, translated)) prefix = translated;
    for (int f = 0; f < Functions; ++f) grid_->SetTextMatrix(RowOf(f), FlagColOf(f) - 1, Label(f, prefix));
    grid_->SetRedraw(true);
}

void CCustomCodeEditDlg::LoadFlags() {
    grid_->SetRedraw(false);
    for (int f = 0; f < Functions; ++f) SetFlagCell(f, IsOn(block_, f));
    grid_->SetRedraw(true);
}

void CCustomCodeEditDlg::SetFlagCell(int function, bool on) {
    const int row = RowOf(function), col = FlagColOf(function);
    grid_->SetCellRangePicture(row, col, row, col, on ? &mark_ : nullptr);
    grid_->SetTextMatrix(row, col, on ? "" : OffText);
}

bool CCustomCodeEditDlg::FlagOn(int function) const {
    return grid_->GetTextMatrix(RowOf(function), FlagColOf(function)).empty();
}

void CCustomCodeEditDlg::ToggleFlagCell(int function) {
    if (function < 0 || function >= Functions) return;
    SetFlagCell(function, !FlagOn(function));
}

void CCustomCodeEditDlg::OnOK() {
    for (int f = 0; f < Functions; ++f) SetOn(block_, f, FlagOn(f));
    Finish(wxID_OK);
}

void CCustomCodeEditDlg::OnCancel() {
    Finish(wxID_CANCEL);
}

void CCustomCodeEditDlg::Finish(int code) {
    WindowPlacement::Save(this, WindowPlacement::FlagPosition, Section);
    if (IsModal()) {
        EndModal(code);
    } else {
        SetReturnCode(code);
        Hide();
    }
}
