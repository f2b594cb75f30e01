#include "app/FileDataDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <cstdio>

#include "app/AppTables.h"
#include "app/FileDataMap.h"
#include "language/SettingsFile.h"
#include "ui/EditRules.h"
#include "ui/HEdit.h"
#include "ui/UiUtil.h"
#include "ui/UpDownCtrl.h"
#include "ui/VSFlexGrid.h"

namespace {
constexpr int kHeaderRows = 1, kHeaderCols = 1;
constexpr PageControlSpec kPageSpec{CFileDataDlg::IDC_PAGE, 2, 8.0, 15.0, EditKind::Frequency, 0};
constexpr PageControlSpec kAddressSpec{CFileDataJumpDlg::IDC_ADDRESS, 5, 0, 995327, EditKind::Hex, 0};

std::string Hex2(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

// The grid's cursor and top row on a data row and byte column.
void PlaceCursor(CVSFlexGrid& grid, int dataRow, int byteCol) {
    grid.SetCol(kHeaderCols + byteCol);
    grid.SetTopRow(kHeaderRows + dataRow);
    grid.SetRow(kHeaderRows + dataRow);
}
}  // namespace

// ---- CFileDataDlg ------------------------------------------------------------------

CFileDataDlg::CFileDataDlg(wxWindow* parent, CloneImage& image)
    : wxDialog(parent, wxID_ANY, "File Data", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      image_(image) {
    grid_ = new CVSFlexGrid(this, IDC_GRID, wxDefaultPosition, wxSize(-1, 420));
    grid_->SetRows(kHeaderRows + FileDataMap::DataRows);
    grid_->SetCols(kHeaderCols + FileDataMap::BytesPerRow);
    grid_->SetFixedRows(kHeaderRows);
    grid_->SetFixedCols(kHeaderCols);
    // A fixed-width face keeps the bytes in columns.
    grid_->SetDefaultCellFont(wxFont(wxFontInfo(GetFont().GetPointSize()).Family(wxFONTFAMILY_TELETYPE)));
    grid_->SetColWidthTwips(0, 1020);
    for (int c = 0; c < FileDataMap::BytesPerRow; ++c) {
        grid_->SetColWidthTwips(kHeaderCols + c, 480);
        grid_->SetTextMatrix(0, kHeaderCols + c, "+" + Hex2(static_cast<unsigned>(c)));
    }

    auto* jump = new wxButton(this, IDC_JUMP, "Jump(&G)");
    pageEdit_ = new HEditPage(this, IDC_PAGE, wxDefaultPosition, wxSize(40, -1));
    pageEdit_->SetEditConfig(kPageSpec);
    upDown_ = new UpDownCtrl(this, IDC_UPDOWN);
    // The up arrow goes towards the header area: the position is the page negated.
    upDown_->SetRange(-FileDataMap::LastPage, -FileDataMap::HeaderPage);
    ok_ = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(jump, wxSizerFlags().CenterVertical().Border(wxRIGHT, 8));
    buttons->Add(pageEdit_, wxSizerFlags().CenterVertical());
    buttons->Add(upDown_, wxSizerFlags().CenterVertical().Border(wxRIGHT, 8));
    buttons->AddStretchSpacer();
    buttons->Add(ok_, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(grid_, wxSizerFlags(1).Expand().Border(wxALL, 8));
    column->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizer(column);
    UiUtil::TranslateWindowTexts(this, IDD);
    Fit();
    // The width is the template's; only the height grows.
    initialSize_ = GetSize();
    SetMinSize(initialSize_);
    SetMaxSize(wxSize(initialSize_.x, -1));
    const int height = GetProfileInt(SettingsSection, "Y", initialSize_.y);
    SetSize(wxSize(initialSize_.x, std::max(height, initialSize_.y)));
    CentreOnParent();

    FillGrid();
    upDown_->SetValue(-currentPage_);
    if (currentPage_ >= 0) {
        pageEdit_->SetText(FileDataMap::PageText(currentPage_));
        SelectPage(currentPage_);
    }

    grid_->Bind(FLEXGRID_START_EDIT, [this](FlexGridEvent& event) {
        grid_->SetEditMaxLength(2);
        event.Skip();
    });
    grid_->Bind(FLEXGRID_KEY_PRESS_EDIT,
                [](FlexGridEvent& event) { event.key = FileDataMap::FilterCellKey(event.key); });
    grid_->Bind(FLEXGRID_AFTER_EDIT, [this](FlexGridEvent& event) {
        const int dataRow = event.row - kHeaderRows, col = event.col - kHeaderCols;
        if (dataRow < 0 || dataRow >= FileDataMap::DataRows || col < 0 || col >= FileDataMap::BytesPerRow) return;
        const std::uint8_t value = FileDataMap::ParseCellByte(grid_->GetTextMatrix(event.row, event.col));
        image_[static_cast<std::size_t>(FileDataMap::ImageOffsetOfRow(dataRow) + col)] = value;
        grid_->SetTextMatrix(event.row, event.col, Hex2(value));
    });
    jump->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OpenJump(); });
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { OpenJump(); }, ID_JUMP_COMMAND);
    wxAcceleratorEntry keys[] = {{wxACCEL_CTRL, 'G', ID_JUMP_COMMAND}};
    SetAcceleratorTable(wxAcceleratorTable(1, keys));
    pageEdit_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnPageText(); });
    upDown_->Bind(wxEVT_SPIN, &CFileDataDlg::OnSpin, this);
    // OK is a button only: Enter pressed elsewhere does not close the editor.
    ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(wxID_OK); });
    cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Close(wxID_CANCEL); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Close(wxID_CANCEL); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && !grid_->IsCellEditControlShown())
            Close(wxID_CANCEL);
        else
            event.Skip();
    });
}

bool CFileDataDlg::EditImage(wxWindow* parent, CloneImage& image) {
    CloneImage working = image;
    CFileDataDlg dialog(parent, working);
    if (dialog.ShowModal() != wxID_OK) return false;
    image = working;
    return true;
}

void CFileDataDlg::FillGrid() {
    grid_->SetRedraw(false);
    for (int i = 0; i < FileDataMap::DataRows; ++i) {
        const int row = kHeaderRows + i;
        grid_->SetTextMatrix(row, 0, FileDataMap::AddressText(i));
        for (int c = 0; c < FileDataMap::BytesPerRow; ++c)
            grid_->SetTextMatrix(row, kHeaderCols + c,
                                 Hex2(image_[static_cast<std::size_t>(FileDataMap::ImageOffsetOfRow(i) + c)]));
    }
    grid_->SetRedraw(true);
}

void CFileDataDlg::SelectPage(int newPage) {
    currentPage_ = newPage;
    PlaceCursor(*grid_, FileDataMap::FirstRowOfPage(newPage), 0);
    upDown_->SetValue(-newPage);
}

void CFileDataDlg::OnPageText() {
    if (!IsShown()) return;
    std::string text = pageEdit_->GetText();
    if (text == "p") text = "P";
    if (const auto newPage = FileDataMap::PageFromText(text)) SelectPage(*newPage);
}

void CFileDataDlg::OnSpin(wxSpinEvent& event) {
    // The text change selects the page.
    pageEdit_->SetText(FileDataMap::PageText(-event.GetPosition()));
    OnPageText();
}

void CFileDataDlg::OpenJump() {
    CFileDataJumpDlg jump(this, *grid_);
    jump.ShowModal();
}

void CFileDataDlg::Close(int code) {
    if (grid_->IsCellEditControlShown()) grid_->DisableCellEditControl();
    const wxSize size = GetSize();
    WriteProfileInt(SettingsSection, "X", size.x);
    WriteProfileInt(SettingsSection, "Y", size.y);
    EndModal(code);
}

// ---- CFileDataJumpDlg ---------------------------------------------------------------

CFileDataJumpDlg::Remembered& CFileDataJumpDlg::Choices() {
    static Remembered choices;
    return choices;
}

CFileDataJumpDlg::CFileDataJumpDlg(wxWindow* parent, CVSFlexGrid& grid)
    : wxDialog(parent, wxID_ANY, "Jump"), grid_(grid) {
    auto* caption = new wxStaticText(this, IDC_CAPTION, "Address Jump");
    selectBlock_ = new wxRadioButton(this, IDC_SELECT_BLOCK, "Select Block", wxDefaultPosition, wxDefaultSize,
                                     wxRB_GROUP);
    area_ = new wxChoice(this, IDC_AREA, wxDefaultPosition, wxSize(260, -1));
    addressMode_ = new wxRadioButton(this, IDC_ADDRESS_MODE, "Address");
    address_ = new HEditBase(this, IDC_ADDRESS, wxDefaultPosition, wxSize(80, -1));
    address_->SetEditConfig(kAddressSpec);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");

    auto* choices = new wxFlexGridSizer(2, wxSize(10, 6));
    choices->Add(selectBlock_, wxSizerFlags().CenterVertical());
    choices->Add(area_, wxSizerFlags().Expand());
    choices->Add(addressMode_, wxSizerFlags().CenterVertical());
    choices->Add(address_);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(caption, wxSizerFlags().Border(wxALL, 10));
    column->Add(choices, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, 10));
    column->Add(buttons, wxSizerFlags().Expand().Border(wxALL, 10));
    SetSizer(column);
    UiUtil::TranslateWindowTexts(this, IDD);

    for (const auto& row : AppTables::JumpList) {
        if (row.value == ItemListEnd) break;
        area_->Append(wxString::FromUTF8(row.text));
    }
    const Remembered& kept = Choices();
    if (kept.areaRow >= 0 && kept.areaRow < static_cast<int>(area_->GetCount()))
        area_->SetSelection(kept.areaRow);
    if (kept.address >= 0) {
        char text[16];
        std::snprintf(text, sizeof text, "%05X", static_cast<unsigned>(kept.address));
        address_->SetText(text);
    }
    (kept.mode == 1 ? selectBlock_ : addressMode_)->SetValue(true);
    ApplyMode(kept.mode);
    Fit();
    CentreOnParent();

    selectBlock_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ApplyMode(1); });
    addressMode_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ApplyMode(0); });
    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
}

void CFileDataJumpDlg::ApplyMode(int mode) {
    area_->Enable(mode == 1);
    address_->Enable(mode == 0);
}

void CFileDataJumpDlg::OnOk() {
    Remembered& choices = Choices();
    const int mode = selectBlock_->GetValue() ? 1 : 0;
    std::optional<std::uint32_t> address;
    if (mode == 1) {
        const int row = area_->GetSelection();
        if (row == wxNOT_FOUND) return;
        address = static_cast<std::uint32_t>(AppTables::JumpList[static_cast<std::size_t>(row)].value);
        choices.areaRow = row;
    } else {
        address = FileDataMap::ParseAddress(address_->GetText());
        if (!address) return;
        choices.address = *address;
    }
    choices.mode = mode;
    const auto place = FileDataMap::PlaceAddress(*address);
    // An address outside the shown areas leaves the dialog open.
    if (!place) return;
    PlaceCursor(grid_, place->row, place->col);
    EndModal(wxID_OK);
}
