#include "alignment/ui/CHBaseSQL.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "alignment/AlignmentData.h"
#include "alignment/AlignmentMain.h"
#include "alignment/AlignmentOperations.h"
#include "alignment/Tuning.h"
#include "alignment/ui/AlignmentDialogParts.h"
#include "alignment/ui/CHBaseRXTune.h"
#include "image/ImageHost.h"
#include "serial/OperationView.h"
#include "serial/PXComCommandRetry.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"

CCHBaseSQL::CCHBaseSQL(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio, ViewFactory makeView)
    : wxDialog(parent, wxID_ANY, "SQL Alignment"),
      working_(working),
      edited_(working),
      radio_(radio),
      makeView_(std::move(makeView)) {
    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(new wxStaticText(this, 3201, "Select the SQL Alignment menu."), wxSizerFlags().Border(wxALL, 8));
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    // Wide levels (0-3) on the left, narrow (4-7) on the right.
    for (int half = 0; half < 2; ++half) {
        auto* grid = new wxFlexGridSizer(4, 4, 10);
        grid->AddSpacer(0);
        grid->AddSpacer(0);
        grid->Add(new wxStaticText(this, 1101 + half, "Data"));
        grid->Add(new wxStaticText(this, 1111 + half, "Default"));
        for (int i = half * 4; i < half * 4 + 4; ++i) {
            grid->Add(new wxStaticText(this, wxID_ANY, Squelch::Items[i].label), wxSizerFlags().CenterVertical());
            auto* start = new wxButton(this, IDC_START + i, "Start");
            start->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { OnStart(IDC_START + i); });
            grid->Add(start);
            data_[i] = new wxStaticText(this, IDC_DATA + i, "", wxDefaultPosition, wxSize(40, -1));
            default_[i] = new wxStaticText(this, IDC_DEFAULT + i, "", wxDefaultPosition, wxSize(40, -1));
            grid->Add(data_[i], wxSizerFlags().CenterVertical());
            grid->Add(default_[i], wxSizerFlags().CenterVertical());
        }
        columns->Add(grid, wxSizerFlags().Border(wxALL, 8));
    }
    all->Add(columns);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* help = new wxButton(this, IDC_HELP, "Help");
    ok_ = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    buttons->Add(help, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(ok_, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    all->Add(buttons, wxSizerFlags().Right().Border(wxALL, 8));
    SetSizerAndFit(all);
    help->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, IDD); });
    ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_RETURN || e.GetKeyCode() == WXK_NUMPAD_ENTER) {
            if (FindFocus() == ok_) OnOk();
            return;
        }
        e.Skip();
    });
    AlignmentDialogParts::TranslateTexts(this, IDD);
    SetTitle("SQL Alignment");
    CentreOnParent();
    RefreshRows();
}

void CCHBaseSQL::RefreshRows() {
    for (int i = 0; i < 8; ++i) {
        data_[i]->SetLabel(wxString::Format("%d", Squelch::Stored(edited_, i)));
        default_[i]->SetLabel(wxString::Format("%d", Squelch::Default(edited_, i)));
    }
}

void CCHBaseSQL::OnStart(int id) {
    const int i = id - IDC_START;
    if (i < 0 || i > 7) return;
    if (!radio_ || !radio_->SelectAlignChannelRetry(Squelch::Items[i].point) || !radio_->ReceiveRetry()) {
        AlignmentDialogParts::ShowCmdError();
        return;
    }
    CCHBaseSQL2 tuning(this, edited_, i, radio_);
    tuning.ShowModal();
    RefreshRows();
}

void CCHBaseSQL::OnOk() {
    if (FindFocus() != ok_) return;
    if (radio_) radio_->ReceiveRetry();  // a failure here is reported by the write below
    AlignmentData::UpdateAlignChecksum(edited_, AlignmentData::Copy::Eeprom);
    bool written = false;
    if (radio_ && makeView_)
        if (auto view = makeView_(this))
            written = AlignmentOperations::RunAlignItemsWrite(AlignmentOperations::OpItems, edited_, *radio_, *view);
    if (!written) return;  // stays open: OK again retries the write
    working_ = edited_;
    EndModal(wxID_OK);
}
