#include "alignment/ui/CHBaseSingle.h"

#include <wx/button.h>
#include <wx/scrolbar.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>

#include "alignment/AlignmentMain.h"
#include "alignment/AlignmentOperations.h"
#include "alignment/ui/AlignmentDialogParts.h"
#include "image/ImageHost.h"
#include "serial/OperationView.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"
#include "ui/UpDownCtrl.h"

using namespace AlignmentDialogParts;

CCHBaseSingle::CCHBaseSingle(wxWindow* parent, CloneImage& working, SinglePoint::Kind kind,
                             PXComCommandRetry* radio, ViewFactory makeView)
    : wxDialog(parent, wxID_ANY, SinglePoint::For(kind).title),
      working_(working),
      edited_(working),
      model_(edited_, kind, radio),
      radio_(radio),
      makeView_(std::move(makeView)) {
    wxFlexGridSizer* grid = MakeValueGrid(this, model_.Scale(), IDC_SCALE);

    // The point number stays hidden: the dialog aligns a radio-wide value.
    auto* label = new wxStaticText(this, IDC_LABEL, Number(model_.Point() % 16 + 1));
    label->Hide();
    scroll_ = new wxScrollBar(this, IDC_SCROLL, wxDefaultPosition, wxSize(260, -1), wxSB_HORIZONTAL);
    scroll_->SetScrollbar(model_.Value(), 1, model_.Maximum() + 1, 10);
    edit_ = new wxTextCtrl(this, IDC_EDIT, Number(model_.Value()), wxDefaultPosition, wxSize(56, -1),
                           wxTE_PROCESS_ENTER | wxTE_RIGHT);
    edit_->SetMaxLength(3);
    spin_ = new UpDownCtrl(this, IDC_SPIN);
    spin_->SetRange(0, model_.Maximum());
    spin_->SetValue(model_.Value());
    ptt_ = new wxButton(this, IDC_PTT, "PTT", wxDefaultPosition, wxSize(56, -1));
    grid->Add(label, wxSizerFlags().CenterVertical());
    grid->Add(new wxStaticText(this, IDC_FREQUENCY, wxString::Format("%.5f", model_.Frequency())),
              wxSizerFlags().CenterVertical());
    grid->Add(scroll_, wxSizerFlags().Expand().CenterVertical());
    grid->Add(edit_, wxSizerFlags().CenterVertical());
    grid->Add(spin_, wxSizerFlags().CenterVertical());
    grid->Add(ptt_, wxSizerFlags().CenterVertical());
    grid->Add(new wxStaticText(this, IDC_DEFAULT, Number(model_.DefaultValue())), wxSizerFlags().CenterVertical());

    ptt_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPtt(); });
    for (const auto type : {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
                            wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE})
        scroll_->Bind(type, &CCHBaseSingle::OnScroll, this);
    spin_->Bind(wxEVT_SPIN, [this](wxSpinEvent& e) { Apply(e.GetPosition()); });
    edit_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { CommitEdit(); });
    edit_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        CommitEdit();
        e.Skip();
    });

    auto* side = new wxBoxSizer(wxVERTICAL);
    indicator_ = MakeIndicator(this, IDC_INDICATOR);
    side->Add(indicator_, wxSizerFlags().Expand().Border(wxALL, 6));
    side->AddStretchSpacer();
    ok_ = AddFoot(this, side, IDC_HELP, model_.DialogNumber(), [this] { OnOk(); }, [this] { OnCancel(); });
    LayOut(this, grid, side);
    Bind(wxEVT_CHAR_HOOK, &CCHBaseSingle::OnCharHook, this);
    AlignmentDialogParts::TranslateTexts(this, model_.DialogNumber());
    SetTitle(model_.Info().title);
    CentreOnParent();
    model_.Open();
    Refresh();
}

void CCHBaseSingle::Report(bool ok) {
    if (!ok) ShowCmdError();
}

void CCHBaseSingle::Refresh() {
    const int value = model_.Value();
    if (scroll_->GetThumbPosition() != value) scroll_->SetThumbPosition(value);
    if (spin_->GetValue() != value) spin_->SetValue(value);
    if (edit_->GetValue() != Number(value)) edit_->ChangeValue(Number(value));
    ShowTransmitting(indicator_, model_.Transmitting());
    ok_->Enable(model_.OkEnabled());
}

void CCHBaseSingle::Apply(int value) {
    value = std::clamp(value, 0, model_.Maximum());
    if (value != model_.Value()) Report(model_.SetValue(value));
    Refresh();
}

void CCHBaseSingle::CommitEdit() {
    Apply(ReadValue(edit_, model_.Maximum()));
}

void CCHBaseSingle::OnPtt() {
    const bool hadFocus = FindFocus() == ptt_;
    Report(model_.OnPtt() != SinglePoint::Ptt::Failed);
    Refresh();
    if (hadFocus) scroll_->SetFocus();
}

void CCHBaseSingle::OnScroll(wxScrollEvent& event) {
    const auto type = event.GetEventType();
    int value = model_.Value();
    if (type == wxEVT_SCROLL_LINEUP) value -= 1;
    else if (type == wxEVT_SCROLL_LINEDOWN) value += 1;
    else if (type == wxEVT_SCROLL_PAGEUP) value -= 10;
    else if (type == wxEVT_SCROLL_PAGEDOWN) value += 10;
    else value = event.GetPosition();
    Apply(value);
}

void CCHBaseSingle::OnCharHook(wxKeyEvent& event) {
    wxWindow* focus = FindFocus();
    const int key = event.GetKeyCode();
    const bool onRow = focus == scroll_ || focus == edit_;
    if (onRow && key == WXK_SPACE) {
        OnPtt();
        return;
    }
    if (focus == scroll_ && (key == WXK_UP || key == WXK_DOWN)) return;
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        // Enter in the value commits it; it never closes the dialog.
        if (focus == edit_) CommitEdit();
        if (focus == ok_) OnOk();
        return;
    }
    event.Skip();
}

void CCHBaseSingle::OnOk() {
    if (FindFocus() != ok_) return;
    if (!model_.Finish()) {
        Report(false);  // still transmitting: OK again retries
        Refresh();
        return;
    }
    bool written = false;
    if (radio_ && makeView_)
        if (auto view = makeView_(this))
            written = AlignmentOperations::RunAlignItemsWrite(model_.Info().operation, edited_, *radio_, *view);
    if (!written) {
        Refresh();
        return;  // stays open: OK again retries the write
    }
    working_ = edited_;
    EndModal(wxID_OK);
}

void CCHBaseSingle::OnCancel() {
    if (!model_.StopForCancel()) {
        Report(false);
        Refresh();
        return;
    }
    EndModal(wxID_CANCEL);
}
