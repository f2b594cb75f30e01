#include "tone/FiveToneSystemViews.h"

#include <wx/app.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

#include "image/ItemsTone.h"
#include "image/UiUtil.h"
#include "language/Language.h"
#include "tone/ToneSample.h"
#include "ui/MessageService.h"
#include "ui/PopupDlg.h"

using namespace GridView;
using namespace FiveToneViews;

FiveToneViews::DragState& FiveToneDragState() {
    static FiveToneViews::DragState state;
    return state;
}

bool ChooseFromPopup(CToneGridView& view, int row, int col, const std::string& caption, int key) {
    auto& model = view.Model();
    const ItemList rows = ListRows(model.Column(col).list);
    if (rows.empty()) return false;
    const int at = UiUtil::FindTableRow(rows, model.Text(row, col));
    const std::int32_t current = at < 0 ? -1 : rows[static_cast<std::size_t>(at)].value;
    int chosen = -1;
    if (CPopupDlg::Popup(&view, caption, model.Column(col).list, current, std::nullopt, chosen, key) != wxID_OK)
        return false;
    if (chosen < 0 || chosen >= static_cast<int>(rows.size())) return false;
    model.SetText(row, col, rows[static_cast<std::size_t>(chosen)].text);
    model.CommitCell(row, col);
    view.RefreshRow(row);
    return true;
}

// ---- systems -------------------------------------------------------------------------

C5ToneSystemView1::C5ToneSystemView1(wxWindow* parent, CloneImage& image, int serviceMode)
    : CToneGridView(parent, SystemSpec(image, serviceMode), image, SystemGridId, "Tone5_System", SystemFormId) {
    SetName("5-Tone System");
    model_.adjustEdit = [this](int r, int c, GridViewModel::EditStart& e) { AdjustSystemEdit(model_, r, c, e); };
    standard_ = new wxRadioButton(this, IDC_STANDARD, "Standard Setup Item", wxDefaultPosition, wxDefaultSize,
                                  wxRB_GROUP);
    advanced_ = new wxRadioButton(this, IDC_ADVANCED, "Advanced Setup Item");
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(standard_, 0, wxALL, 4);
    buttons->Add(advanced_, 0, wxALL, 4);
    GetSizer()->Insert(0, buttons, 0);
    standard_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSetupButton(IDC_STANDARD); });
    advanced_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSetupButton(IDC_ADVANCED); });
    ApplySetupMode();
}

void C5ToneSystemView1::ApplySetupMode() {
    const bool advanced = ItemMap::GetTone5Setup(model_.Image()) == 2;
    advanced_->SetValue(advanced);
    standard_->SetValue(!advanced);
    // The buttons only move the cursor to the settings of the chosen setup.
    grid_->SetCol(advanced ? SystemCol::DecodeCode1 : SystemCol::RepeaterTable);
}

void C5ToneSystemView1::OnSetupButton(int id) {
    ItemMap::SetTone5Setup(model_.Image(), id == IDC_ADVANCED ? 2 : 0);
    grid_->SetCol(id == IDC_ADVANCED ? SystemCol::DecodeCode1 : SystemCol::RepeaterTable);
}

bool C5ToneSystemView1::RunAction(int action, int row, int col) {
    if (action != Action::Select) return CToneGridView::RunAction(action, row, col);
    const std::string caption = SystemPopupCaption(col, model_.RecordOf(row));
    if (caption.empty()) return true;
    // No repeater format to choose while the system has no repeater code.
    if (col == SystemCol::RepeaterTable && model_.Text(row, col).empty() &&
        !model_.InvalidCells().count({row, col}))
        return true;
    ChooseFromPopup(*this, row, col, caption, MakeRID(0, WindowId, SystemGridId));
    return true;
}

void C5ToneSystemView1::CommitAllCells() {
    CToneGridView::CommitAllCells();
    UpdateDerivedItems(model_.Image());
}

void C5ToneSystemView1::OnDrop(FlexGridEvent& event) {
    grid_->SetRedraw(false);
    const int row = grid_->GetMouseRow(), col = grid_->GetMouseCol();
    if (DropOnSystem(model_, FiveToneDragState(), row, col))
        for (int r = model_.HeaderRows(); r < model_.Rows(); ++r) RefreshRow(r);
    grid_->SetRedraw(true);
    event.effect = 1;
}

// ---- encode codes ---------------------------------------------------------------------

C5ToneSystemView2::C5ToneSystemView2(wxWindow* parent, CloneImage& image)
    : CToneGridView(parent, EncodeSpec(), image, EncodeGridId, "Tone5_Encode", EncodeFormId) {}

void C5ToneSystemView2::OnStartDrag(FlexGridEvent& event) {
    FiveToneDragState() = MakeDrag(model_, 2, grid_->SelectedRows());
    event.Skip();
}

// ---- decode codes ---------------------------------------------------------------------

C5ToneSystemView3::C5ToneSystemView3(wxWindow* parent, CloneImage& image, std::filesystem::path programFolder)
    : CToneGridView(parent, DecodeSpec(image), image, DecodeGridId, "Tone5_Decode", DecodeFormId),
      programFolder_(std::move(programFolder)) {
    model_.adjustEdit = [this](int r, int c, GridViewModel::EditStart& e) { AdjustDecodeEdit(model_, r, c, e); };
    player_ = ToneSample::MakePlayer();
    RefreshGrid();  // pictures of the play column
}

bool C5ToneSystemView3::RunAction(int action, int row, int col) {
    if (!model_.IsCellShown(row, col)) return false;
    switch (action) {
        case Action::PassOn:  // play
            if (col == DecodeCol::Play) PlayToneSample(row);
            return false;
        case Action::Select:
            if (col == DecodeCol::TranspondCode)
                ChooseFromPopup(*this, row, col, TranspondPopupCaption(DecodeRecordOf(model_, row)),
                                MakeRID(4, WindowId, DecodeGridId));
            return true;
        default:
            return CToneGridView::RunAction(action, row, col);
    }
}

void C5ToneSystemView3::PlayToneSample(int row) {
    // The file is named after the stored beep, whatever the language.
    const std::filesystem::path path = SampleFile(model_.Image(), DecodeRecordOf(model_, row), programFolder_);
    if (path.empty()) return;
    ToneSample::Play(*player_, path);
}

const wxBitmap* C5ToneSystemView3::PictureOf(int row, int col, const std::string& text) const {
    if (col == DecodeCol::Play) return &TonePlayPicture();
    return CToneGridView::PictureOf(row, col, text);
}

void C5ToneSystemView3::OnStartDrag(FlexGridEvent& event) {
    FiveToneDragState() = MakeDrag(model_, 3, grid_->SelectedRows());
    event.Skip();
}
