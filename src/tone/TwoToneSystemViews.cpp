#include "tone/TwoToneSystemViews.h"

#include <wx/app.h>

#include "language/Language.h"
#include "tone/ToneSample.h"
#include "tone/TwoToneCodeSelectPopup.h"
#include "ui/MessageService.h"

using namespace GridView;
using namespace TwoToneViews;

TwoToneViews::DragPayload& ToneDragPayload() {
    static TwoToneViews::DragPayload payload;
    return payload;
}

bool SelectToneCode(CToneGridView& view, int row, int kind) {
    CloneImage copy = view.Model().Image();
    C2ToneCodeSelectPopup popup(&view, copy, view.Model().RecordOf(row), kind);
    if (popup.ShowModal() != wxID_OK) return false;
    view.Model().Image() = copy;
    view.RefreshRow(row);
    return true;
}

// ---- systems -------------------------------------------------------------------------

C2ToneSystemView1::C2ToneSystemView1(wxWindow* parent, CloneImage& image)
    : CToneGridView(parent, SystemSpec(), image, SystemGridId, "Tone2_System", SystemFormId) {
    SetName("2-Tone System");
    model_.adjustEdit = [this](int r, int c, GridViewModel::EditStart& e) { AdjustSystemEdit(model_, r, c, e); };
}

void C2ToneSystemView1::CommitAllCells() {
    CToneGridView::CommitAllCells();
    CopyCallCodesToHeader(model_.Image());
}

void C2ToneSystemView1::OnDrop(FlexGridEvent& event) {
    grid_->SetRedraw(false);
    const int row = grid_->GetMouseRow(), col = grid_->GetMouseCol();
    if (DropOnSystem(model_, ToneDragPayload(), row, col))
        for (int r = model_.HeaderRows(); r < model_.Rows(); ++r) RefreshRow(r);
    grid_->SetRedraw(true);
    event.effect = 1;
}

// ---- encode records -------------------------------------------------------------------

C2ToneSystemView2::C2ToneSystemView2(wxWindow* parent, CloneImage& image)
    : CToneGridView(parent, EncodeSpec(), image, EncodeGridId, "Tone2_Encode", EncodeFormId) {}

bool C2ToneSystemView2::RunAction(int action, int row, int col) {
    if (action == Action::Select) {
        if (col == EncodeCol::Tone1st || col == EncodeCol::Tone2nd)
            SelectToneCode(*this, row, col == EncodeCol::Tone1st ? 7 : 8);
        return true;
    }
    if (action == Action::Cycle) return true;  // nothing cycles here
    return CToneGridView::RunAction(action, row, col);
}

void C2ToneSystemView2::OnStartDrag(FlexGridEvent& event) {
    ToneDragPayload() = MakeDragPayload(model_, 2, grid_->SelectedRows());
    event.Skip();
}

// ---- decode records -------------------------------------------------------------------

C2ToneSystemView3::C2ToneSystemView3(wxWindow* parent, CloneImage& image, std::filesystem::path programFolder)
    : CToneGridView(parent, DecodeSpec(), image, DecodeGridId, "Tone2_Decode", DecodeFormId),
      programFolder_(std::move(programFolder)) {
    model_.adjustEdit = [this](int r, int c, GridViewModel::EditStart& e) { AdjustDecodeEdit(model_, r, c, e); };
    player_ = ToneSample::MakePlayer();
}

bool C2ToneSystemView3::RunAction(int action, int row, int col) {
    switch (action) {
        case Action::PassOn:  // play
            if (col == DecodeCol::Play) PlayToneSample(row);
            return false;
        case Action::Select:
            if (col == DecodeCol::Tone1st || col == DecodeCol::Tone2nd)
                SelectToneCode(*this, row, col == DecodeCol::Tone1st ? 9 : 10);
            return true;
        default:
            return CToneGridView::RunAction(action, row, col);
    }
}

void C2ToneSystemView3::PlayToneSample(int row) {
    // The file is named after the stored beep code, whatever the language.
    const std::filesystem::path path = SampleFile(model_.Image(), model_.RecordOf(row), programFolder_);
    if (path.empty()) return;
    ToneSample::Play(*player_, path);
}

const wxBitmap* C2ToneSystemView3::PictureOf(int row, int col, const std::string& text) const {
    if (col == DecodeCol::Play) return &TonePlayPicture();
    return CToneGridView::PictureOf(row, col, text);
}

void C2ToneSystemView3::OnStartDrag(FlexGridEvent& event) {
    ToneDragPayload() = MakeDragPayload(model_, 3, grid_->SelectedRows());
    event.Skip();
}
