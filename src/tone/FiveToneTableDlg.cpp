#include "tone/FiveToneTableDlg.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/sizer.h>

#include <algorithm>
#include <cstring>

#include "image/ImageHost.h"
#include "image/ItemsTone.h"
#include "image/ToneRegisters.h"
#include "language/Language.h"
#include "ui/GridParts.h"
#include "tone/ToneGridPrint.h"
#include "tone/ToneGridView.h"
#include "ui/MessageService.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

using namespace FiveToneTable;

namespace {
constexpr std::uint32_t ReadOnlyBack = 0xFFFFE0;  // RGB 224, 255, 255
constexpr std::uint32_t Black = 0x000000, Red = 0x0000FF;
constexpr int Tone0Width = 1455, ToneWidth = 720;

bool SameTones(const CloneImage& a, const CloneImage& b) {
    for (int f = 0; f < ItemMap::Tone5FormatCount; ++f)
        for (int t = 0; t < ItemMap::Tone5ToneCount; ++t)
            if (ItemMap::GetTone5ToneValue(a, f, t) != ItemMap::GetTone5ToneValue(b, f, t)) return false;
    return true;
}
}  // namespace

bool C5ToneTableDlg::Edit(wxWindow* parent, CloneImage& working) {
    C5ToneTableDlg dialog(parent, working, Host().ServiceMode());
    return dialog.ShowModal() == wxID_OK;
}

C5ToneTableDlg::C5ToneTableDlg(wxWindow* parent, CloneImage& working, int serviceMode)
    : wxDialog(parent, IDD, "5-Tone Table", wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxCLOSE_BOX),
      model_(working, serviceMode) {
    grid_ = new CVSFlexGrid(this, IDC_GRID);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, IDC_HELP, "Help"), 0, wxALL, 6);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALL, 6);
    buttons->Add(new wxButton(this, IDC_CANCEL, "Cancel"), 0, wxALL, 6);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(grid_, 1, wxEXPAND | wxALL, 6);
    column->Add(buttons, 0, wxEXPAND);
    SetSizer(column);
    SetupGrid();
    UiUtil::TranslateWindowTexts(this, IDD);
    Fit();
    SetMinSize(GetSize());  // never smaller than first shown
    WindowPlacement::RestoreWindow(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, GetSize().x,
                                   GetSize().y, Section);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { TryOk(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        SavePlacement();
        EndModal(wxID_CANCEL);
    }, IDC_CANCEL);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (const auto& hooks = UiHooks::Current(); hooks.openHelp) hooks.openHelp(this, MakeRID(0, IDD, 0));
    }, IDC_HELP);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        SavePlacement();
        EndModal(wxID_CANCEL);
    });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_F1 && !e.HasAnyModifiers()) return ShowHelp();
        e.Skip();
    });
}

void C5ToneTableDlg::ShowHelp() {
    // In the grid (or its editor) each row has a topic of its own: the tone
    // digits, the tone period and the gap period.
    wxWindow* focus = wxWindow::FindFocus();
    if (focus && (focus == grid_ || grid_->IsDescendant(focus))) {
        if (const auto& hooks = UiHooks::Current(); hooks.openHelp)
            hooks.openHelp(this, MakeRID(std::max(0, grid_->GetRow()), IDD, IDC_GRID));
        return;
    }
    UiUtil::ShowHelpForFocus(this, IDD);
}

C5ToneTableDlg::~C5ToneTableDlg() {
    SavePlacement();
}

void C5ToneTableDlg::SavePlacement() {
    if (saved_) return;
    saved_ = true;
    WindowPlacement::Save(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, Section);
    WindowPlacement::SaveGridWidths(*grid_, Section);
}

void C5ToneTableDlg::FitColumnWidths() {
    grid_->AutoSizeColumns(0, -1);
    WindowPlacement::SaveGridWidths(*grid_, Section);
    saved_ = true;
}

void C5ToneTableDlg::SetupGrid() {
    grid_->SetRedraw(false);
    grid_->SetRows(Rows);
    grid_->SetCols(Cols);
    grid_->SetFixedRows(1);
    grid_->SetFixedCols(1);
    grid_->SetFontSize(8.25 * WindowPlacement::LoadFontSize());
    grid_->SetMinColWidthTwips(300);
    std::vector<WindowPlacement::WidthDefault> widths{{0, Tone0Width}};
    for (int c = 1; c < Cols; ++c) widths.push_back({0, ToneWidth});
    WindowPlacement::LoadGridWidths(*grid_, Section, widths);
    for (int c = 0; c < Cols; ++c) {
        grid_->SetTextMatrix(0, c, model_.Text(0, c));
        grid_->SetColHeaderAlignment(c, FlexAlign::CenterCenter);
        grid_->SetColDataAlignment(c, FlexAlign::CenterCenter);
        grid_->SetColHidden(c, model_.IsColumnHidden(c));
    }
    for (int r = 1; r < Rows; ++r) {
        grid_->SetTextMatrix(r, 0, model_.Text(r, 0));
        for (int c = 1; c < Cols; ++c) {
            ShowCell(r, c);
            grid_->SetCellRangeBackColor(r, c, r, c, model_.IsEditable(r, c) ? 0xFFFFFF : ReadOnlyBack);
        }
    }
    grid_->SetRedraw(true);

    grid_->Bind(FLEXGRID_START_EDIT, [this](FlexGridEvent& e) {
        if (!model_.IsEditable(e.row, e.col)) {
            e.cancel = true;
            return;
        }
        grid_->SetEditMaxLength(EditLength(e.row));
        grid_->SetEditSelStart(0);
        grid_->SetEditSelLength(static_cast<int>(model_.Text(e.row, e.col).size()));
    });
    grid_->Bind(FLEXGRID_KEY_PRESS_EDIT, [](FlexGridEvent& e) {
        if (e.key == 8 || e.key == 13 || e.key == 27) return;
        if (e.key < '0' || e.key > '9') e.key = 0;
    });
    grid_->Bind(FLEXGRID_AFTER_EDIT, [this](FlexGridEvent& e) {
        const int row = e.row, col = e.col;
        // The grid puts the editor's text into the cell after this event.
        CallAfter([this, row, col] {
            model_.SetText(row, col, grid_->GetTextMatrix(row, col));
            model_.Commit(row, col);
            ShowCell(row, col);
            if (row == TonePeriodRow) ShowCell(GapPeriodRow, col);
            grid_->SetCellRangeForeColor(row, col, row, col, Black);
        });
    });
    grid_->Bind(FLEXGRID_DBL_CLICK, [this](FlexGridEvent& e) {
        if (e.row >= 1 && e.col >= 1) {
            grid_->SetRow(e.row);
            grid_->SetCol(e.col);
            grid_->EditCell();
            e.cancel = true;
        }
    });
    grid_->Bind(wxEVT_KEY_DOWN, &C5ToneTableDlg::OnGridKey, this);
    // The table has no row commands; Auto Grid Width fits this grid only and
    // keeps nothing until the dialog closes.
    GridParts::BindContextMenu(*grid_, *this, [](wxMenu& menu) { AppendToneGridMenu(menu, false); });
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Copy(); }, wxID_COPY);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { Paste(); }, wxID_PASTE);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { grid_->AutoSizeColumns(0, -1); }, CToneGridView::ID_AUTO_GRID_WIDTH);
}

void C5ToneTableDlg::ShowCell(int row, int col) {
    grid_->SetTextMatrix(row, col, model_.Text(row, col));
}

void C5ToneTableDlg::OnGridKey(wxKeyEvent& event) {
    if (grid_->IsCellEditControlShown()) return event.Skip();
    const int key = event.GetKeyCode();
    if (event.ControlDown() && (key == 'C' || key == WXK_INSERT)) return Copy();
    if (event.ControlDown() && key == 'V') return Paste();
    if (event.ShiftDown() && key == WXK_INSERT) return Paste();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_SPACE) && grid_->GetRow() >= 1 &&
        grid_->GetCol() >= 1) {
        grid_->EditCell();
        return;
    }
    event.Skip();
}

void C5ToneTableDlg::Copy() {
    const std::string text = grid_->GetTextMatrix(grid_->GetRow(), grid_->GetCol());
    if (text.empty() || !wxTheClipboard->Open()) return;
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
    wxTheClipboard->Close();
}

void C5ToneTableDlg::Paste() {
    const int row = grid_->GetRow(), col = grid_->GetCol();
    if (!model_.IsEditable(row, col) || !wxTheClipboard->Open()) return;
    wxTextDataObject data;
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT))
        wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
    const std::string text = data.GetText().utf8_string();
    if (!ParseNumber(text)) return;  // only a whole decimal number
    model_.SetText(row, col, text);
    model_.Commit(row, col);
    ShowCell(row, col);
    if (row == TonePeriodRow) ShowCell(GapPeriodRow, col);
}

bool C5ToneTableDlg::TryOk() {
    grid_->SetCellRangeForeColor(1, UserColumn, 16, UserColumn, Black);
    const auto colliding = model_.CollidingUserTones();
    for (int t : colliding) grid_->SetCellRangeForeColor(t + 1, UserColumn, t + 1, UserColumn, Red);
    if (!colliding.empty()) {
        ShowMessage(GetRIDText(61205), {}, MsgStyle::Ok | MsgStyle::IconWarning);
        return false;
    }
    const CloneImage before = model_.Image();
    model_.CommitChanged();
    // The registers follow the tones; untouched tones keep the stored ones.
    if (!SameTones(before, model_.Image())) FiveTone::RecalcToneRegisters(model_.Image());
    SavePlacement();
    EndModal(wxID_OK);
    return true;
}

namespace {

// The table in the printed document: the title, then the grid in parts of
// 30 rows (all 18 fit in one).
class TablePrintScreen : public PrintableScreen {
  public:
    explicit TablePrintScreen(const CloneImage& image)
        : PrintableScreen(FiveToneTable::DialogId), image_(image), model_(image_, Host().ServiceMode()) {}
    std::string& GetHtml(std::string& out, PrintContext, bool* moreToCome, bool) override {
        if (part_ == 0) out += PrintTitleTable(WindowText());
        std::vector<std::vector<std::string>> cells(Rows, std::vector<std::string>(Cols));
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = model_.Text(r, c);
        TextPrintGrid grid(1, cells);
        for (int c = 0; c < Cols; ++c) grid.SetColHidden(c, model_.IsColumnHidden(c));
        const int total = Rows - 1, first = std::min(part_ * 30, total), count = std::min(30, total - first);
        GridTableHtml(out, grid, first, count, true);
        ++part_;
        if (moreToCome) *moreToCome = first + count < total;
        return out;
    }
    std::string WindowText() const override { return "5-Tone Table"; }
    bool IsDialog() const override { return true; }

  protected:
    PrintCache& ClassCache() override {
        static PrintCache cache;
        return cache;
    }

  private:
    CloneImage image_;
    FiveToneTable::Model model_;
    int part_ = 0;
};

}  // namespace

std::unique_ptr<PrintableScreen> C5ToneTableDlg::Print(const CloneImage& image) {
    return std::make_unique<TablePrintScreen>(image);
}
