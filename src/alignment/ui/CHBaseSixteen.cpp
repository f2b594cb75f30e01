#include "alignment/ui/CHBaseSixteen.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>

#include "alignment/AlignmentMain.h"
#include "alignment/AlignmentOperations.h"
#include "alignment/ui/AlignmentDialogParts.h"
#include "alignment/Tuning.h"
#include "alignment/ui/CHBaseRXTune.h"
#include "image/Model.h"
#include "language/SettingsFile.h"
#include "ui/SignalLevel.h"
#include "image/ImageHost.h"
#include "serial/OperationView.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"
#include "ui/UpDownCtrl.h"

namespace {

using Frame = AlignmentFrame;

}  // namespace

using namespace AlignmentDialogParts;

CCHBaseSixteen::CCHBaseSixteen(wxWindow* parent, CloneImage& working, const AlignmentFrame::Member& member,
                               PXComCommandRetry* radio, ViewFactory makeView)
    : wxDialog(parent, wxID_ANY, member.title),
      working_(working),
      edited_(working),
      frame_(edited_, member, radio),
      radio_(radio),
      makeView_(std::move(makeView)) {
    wxFlexGridSizer* grid = MakeValueGrid(this, frame_.Scale(), IDC_SCALE);

    const bool receiver = member.sequence == Frame::Sequence::Receiver;
    for (int r = 0; r < Frame::Rows; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        row.label = new wxStaticText(this, IDC_LABEL + r, Number(frame_.Label(r)));
        row.frequency =
            new wxStaticText(this, IDC_FREQUENCY + r, wxString::Format("%.5f", frame_.Frequency(r)));
        row.scroll =
            new wxScrollBar(this, IDC_SCROLL + r, wxDefaultPosition, wxSize(260, -1), wxSB_HORIZONTAL);
        row.scroll->SetScrollbar(frame_.Value(r), 1, frame_.Maximum() + 1, 10);
        row.edit = new wxTextCtrl(this, IDC_EDIT + r, Number(frame_.Value(r)), wxDefaultPosition,
                                  wxSize(56, -1), wxTE_PROCESS_ENTER | wxTE_RIGHT);
        row.edit->SetMaxLength(3);
        row.spin = new UpDownCtrl(this, IDC_SPIN + r);
        row.spin->SetRange(0, frame_.RowLimit(r));
        row.spin->SetValue(frame_.Value(r));
        row.ptt = new wxButton(this, IDC_PTT + r, receiver ? "Auto" : "PTT", wxDefaultPosition, wxSize(56, -1));
        const int factory = frame_.DefaultValue(r);
        row.defaultValue = new wxStaticText(this, IDC_DEFAULT + r, factory < 0 ? wxString() : Number(factory));
        grid->Add(row.label, wxSizerFlags().CenterVertical());
        grid->Add(row.frequency, wxSizerFlags().CenterVertical());
        grid->Add(row.scroll, wxSizerFlags().Expand().CenterVertical());
        grid->Add(row.edit, wxSizerFlags().CenterVertical());
        grid->Add(row.spin, wxSizerFlags().CenterVertical());
        grid->Add(row.ptt, wxSizerFlags().CenterVertical());
        grid->Add(row.defaultValue, wxSizerFlags().CenterVertical());

        row.ptt->Bind(wxEVT_BUTTON, [this, r](wxCommandEvent&) { OnRowButton(r); });
        row.scroll->Bind(wxEVT_SCROLL_LINEUP, [this, r](wxScrollEvent& e) { OnScroll(r, e); });
        row.scroll->Bind(wxEVT_SCROLL_LINEDOWN, [this, r](wxScrollEvent& e) { OnScroll(r, e); });
        row.scroll->Bind(wxEVT_SCROLL_PAGEUP, [this, r](wxScrollEvent& e) { OnScroll(r, e); });
        row.scroll->Bind(wxEVT_SCROLL_PAGEDOWN, [this, r](wxScrollEvent& e) { OnScroll(r, e); });
        row.scroll->Bind(wxEVT_SCROLL_THUMBTRACK, [this, r](wxScrollEvent& e) { OnScroll(r, e); });
        row.scroll->Bind(wxEVT_SCROLL_THUMBRELEASE, [this, r](wxScrollEvent& e) { OnScroll(r, e); });
        row.spin->Bind(wxEVT_SPIN, [this, r](wxSpinEvent& e) {
            Report(frame_.ApplyRowValue(r, e.GetPosition()));
            Refresh();
        });
        row.edit->Bind(wxEVT_TEXT_ENTER, [this, r](wxCommandEvent&) { CommitEdit(r); });
        row.edit->Bind(wxEVT_KILL_FOCUS, [this, r](wxFocusEvent& e) {
            CommitEdit(r);
            e.Skip();
        });
        for (wxWindow* w : {static_cast<wxWindow*>(row.edit), static_cast<wxWindow*>(row.scroll)})
            w->Bind(wxEVT_SET_FOCUS, [this, r](wxFocusEvent& e) {
                if (!opening_) {
                    Report(frame_.SelectRow(r));
                    Refresh();
                }
                e.Skip();
            });
    }

    auto* side = new wxBoxSizer(wxVERTICAL);
    indicator_ = MakeIndicator(this, IDC_INDICATOR);
    side->Add(indicator_, wxSizerFlags().Expand().Border(wxALL, 6));
    auto* types = new wxStaticBoxSizer(wxVERTICAL, this, "ADJ Type");
    types->GetStaticBox()->SetId(1104);
    const char* typeNames[3] = {"Basic", "All Freq", "Single"};
    for (int i = 0; i < 3; ++i) {
        types_[i] = new wxRadioButton(types->GetStaticBox(), IDC_BASIC + i, typeNames[i], wxDefaultPosition,
                                      wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        types_[i]->Bind(wxEVT_RADIOBUTTON, [this, i](wxCommandEvent&) {
            frame_.OnAdjType(static_cast<Frame::AdjType>(i));
            Refresh();
        });
        types->Add(types_[i], wxSizerFlags().Border(wxALL, 3));
    }
    side->Add(types, wxSizerFlags().Expand().Border(wxALL, 6));
    AddTarget(side);
    side->AddStretchSpacer();
    ok_ = AddFoot(this, side, IDC_HELP, frame_.DialogNumber(), [this] { OnOk(); }, [this] { OnCancel(); });
    LayOut(this, grid, side);
    Bind(wxEVT_CHAR_HOOK, &CCHBaseSixteen::OnCharHook, this);
    AlignmentDialogParts::TranslateTexts(this, frame_.DialogNumber());
    SetTitle(member.title);
    CentreOnParent();

    types_[0]->SetValue(true);
    Report(frame_.Open());
    opening_ = false;
    Refresh();
}

void CCHBaseSixteen::AddTarget(wxSizer* side) {
    const auto& member = frame_.Spec();
    const char* caption = "Target Deviation";
    std::string value = member.kind == 1 ? "2.1" : "4.2";
    const char* unit = "kHz";
    bool shown = true;
    switch (member.dialogClass) {
        case ChannelAdjust::DialogClass::SubAudioCTCSS:
            caption = "CTCSS Freq.";
            value = frame_.TargetTone(0);
            unit = "Hz";
            break;
        case ChannelAdjust::DialogClass::SubAudioDCS:
            caption = "DCS Code";
            shown = false;
            break;
        case ChannelAdjust::DialogClass::TxPower:
            caption = "Target Power";
            value = frame_.TargetPower();
            unit = "Watt";
            break;
        case ChannelAdjust::DialogClass::RXTune1:
            caption = "VCV A/D";
            value.clear();
            shown = false;
            break;
        default:
            break;
    }
    auto* captionText = new wxStaticText(this, IDC_TARGET_CAPTION, caption);
    side->Add(captionText, wxSizerFlags().Border(wxLEFT, 6));
    auto* target = new wxBoxSizer(wxHORIZONTAL);
    target_ = new wxStaticText(this, IDC_TARGET, value, wxDefaultPosition, wxSize(60, -1));
    target->Add(target_, wxSizerFlags().Border(wxRIGHT, 4));
    auto* unitText = new wxStaticText(this, IDC_UNIT, unit);
    target->Add(unitText);
    side->Add(target, wxSizerFlags().Border(wxALL, 6));
    for (wxWindow* w : {static_cast<wxWindow*>(captionText), static_cast<wxWindow*>(target_),
                        static_cast<wxWindow*>(unitText)})
        w->Show(shown);
    if (member.dialogClass != ChannelAdjust::DialogClass::RXTune1) return;
    // The receiver: its signal strength, the auto step and the signal generator settings.
    auto* rssi = new wxBoxSizer(wxHORIZONTAL);
    rssi->Add(new wxStaticText(this, IDC_RSSI_CAPTION, "RSSI"), wxSizerFlags().Border(wxRIGHT, 6));
    rssi_ = new wxStaticText(this, IDC_RSSI, "", wxDefaultPosition, wxSize(40, -1));
    rssi->Add(rssi_);
    side->Add(rssi, wxSizerFlags().Border(wxALL, 6));
    auto* step = new wxBoxSizer(wxHORIZONTAL);
    step->Add(new wxStaticText(this, IDC_STEP_CAPTION, "Auto Step"), wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    step_ = new wxTextCtrl(this, IDC_STEP, "1", wxDefaultPosition, wxSize(40, -1), wxTE_PROCESS_ENTER | wxTE_RIGHT);
    step_->SetMaxLength(2);
    step->Add(step_);
    side->Add(step, wxSizerFlags().Border(wxALL, 6));
    auto* sg = new wxStaticBoxSizer(wxVERTICAL, this, "Setting Your SG as followings!");
    sg->GetStaticBox()->SetId(IDC_SG_BOX);
    const char* captions[3] = {"Deviation", "Modulation", "RF level"};
    const int captionIds[3] = {3204, 3205, 3206};
    for (int i = 0; i < 3; ++i) {
        const auto& row = Tuning::RxTuneSg[i];
        auto* line = new wxBoxSizer(wxHORIZONTAL);
        line->Add(new wxStaticText(sg->GetStaticBox(), captionIds[i], captions[i], wxDefaultPosition, wxSize(80, -1)));
        std::string text = Tuning::SgText(row, edited_);
        if (row.signMagnitude) text = SgLevelText(Tuning::SgRaw(row, edited_));
        line->Add(new wxStaticText(sg->GetStaticBox(), row.controlId, wxString::FromUTF8(text)));
        sg->Add(line, wxSizerFlags().Border(wxALL, 2));
    }
    // The box is at least as wide as its caption.
    sg->SetMinSize(wxSize(sg->GetStaticBox()->GetTextExtent(sg->GetStaticBox()->GetLabel()).x + 24, -1));
    side->Add(sg, wxSizerFlags().Expand().Border(wxALL, 6));
}

int CCHBaseSixteen::RowOf(const wxWindow* window) const {
    if (!window) return -1;
    const int id = window->GetId();
    if (id >= IDC_SCROLL && id < IDC_SCROLL + Frame::Rows) return id - IDC_SCROLL;
    if (id >= IDC_EDIT && id < IDC_EDIT + Frame::Rows) return id - IDC_EDIT;
    return -1;
}

void CCHBaseSixteen::Report(bool ok) {
    if (!ok) ShowCmdError();
}

void CCHBaseSixteen::Refresh() {
    const bool tx = frame_.Transmitting();
    for (int r = 0; r < Frame::Rows; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        const int value = frame_.Value(r);
        if (row.scroll->GetThumbPosition() != value) row.scroll->SetThumbPosition(value);
        if (row.spin->GetValue() != value) row.spin->SetValue(value);
        if (row.edit->GetValue() != Number(value)) row.edit->ChangeValue(Number(value));
        const bool enabled = frame_.RowEnabled(r);
        row.edit->Enable(enabled);
        row.spin->Enable(enabled);
        row.ptt->Enable(enabled);
        row.scroll->Enable(frame_.ScrollEnabled(r) && enabled);
        row.label->Enable(frame_.ScrollEnabled(r));
        row.frequency->Enable(frame_.ScrollEnabled(r));
    }
    if (frame_.Spec().dialogClass == ChannelAdjust::DialogClass::SubAudioCTCSS)
        target_->SetLabel(frame_.TargetTone(std::max(frame_.CurrentRow(), 0)));
    if (rssi_ && frame_.Rssi() >= 0) rssi_->SetLabel(Number(frame_.Rssi()));
    if (target_ && frame_.Spec().dialogClass == ChannelAdjust::DialogClass::RXTune1 && frame_.Vcv() >= 0)
        target_->SetLabel(Number(frame_.Vcv()));
    ShowTransmitting(indicator_, tx);
    ok_->Enable(frame_.OkEnabled());
    for (auto* type : types_) type->Enable(!tx);
}

void CCHBaseSixteen::CommitEdit(int row) {
    const int value = ReadValue(rows_[static_cast<std::size_t>(row)].edit, frame_.Maximum());
    if (value != frame_.Value(row)) Report(frame_.ApplyRowValue(row, value));
    Refresh();
}

void CCHBaseSixteen::OnPtt(int row) {
    const bool hadFocus = FindFocus() == rows_[static_cast<std::size_t>(row)].ptt;
    Report(frame_.OnPtt(row) != Frame::Ptt::Failed);
    Refresh();
    if (hadFocus) rows_[static_cast<std::size_t>(row)].scroll->SetFocus();
}

void CCHBaseSixteen::OnScroll(int row, wxScrollEvent& event) {
    const auto type = event.GetEventType();
    Frame::Scroll code = Frame::Scroll::Other;
    if (type == wxEVT_SCROLL_LINEUP)
        code = Frame::Scroll::LineLeft;
    else if (type == wxEVT_SCROLL_LINEDOWN)
        code = Frame::Scroll::LineRight;
    else if (type == wxEVT_SCROLL_PAGEUP)
        code = Frame::Scroll::PageLeft;
    else if (type == wxEVT_SCROLL_PAGEDOWN)
        code = Frame::Scroll::PageRight;
    else if (type == wxEVT_SCROLL_THUMBTRACK || type == wxEVT_SCROLL_THUMBRELEASE)
        code = Frame::Scroll::Thumb;
    Report(frame_.ScrollRow(row, code, event.GetPosition()));
    Refresh();
}

void CCHBaseSixteen::OnCharHook(wxKeyEvent& event) {
    wxWindow* focus = FindFocus();
    const int row = RowOf(focus);
    const int key = event.GetKeyCode();
    if (row >= 0 && key == WXK_SPACE) {
        OnRowButton(row);
        return;
    }
    const bool onScroll = focus && focus->GetId() >= IDC_SCROLL && focus->GetId() < IDC_SCROLL + Frame::Rows;
    if (onScroll && (key == WXK_UP || key == WXK_DOWN)) {
        if (frame_.Transmitting()) return;
        const int step = key == WXK_UP ? -1 : 1;
        for (int n = 1; n < Frame::Rows; ++n) {
            const int next = (row + step * n + Frame::Rows) % Frame::Rows;
            if (rows_[static_cast<std::size_t>(next)].scroll->IsEnabled()) {
                rows_[static_cast<std::size_t>(next)].scroll->SetFocus();
                break;
            }
        }
        return;
    }
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        // Enter in a value commits it; it never closes the dialog.
        if (RowOf(focus) >= 0) CommitEdit(RowOf(focus));
        if (focus == ok_) OnOk();
        return;
    }
    event.Skip();
}

void CCHBaseSixteen::OnOk() {
    if (FindFocus() != ok_) return;
    if (!frame_.Finish()) {
        Report(false);
        Refresh();
        return;
    }
    // The values reach the radio's memory with the alignment items.
    OnStored();
    bool written = false;
    if (radio_ && makeView_)
        if (auto view = makeView_(this))
            written = AlignmentOperations::RunAlignItemsWrite(frame_.Spec().itemsOperation, edited_, *radio_, *view);
    if (!written) {
        Refresh();
        return;  // stays open: OK again retries the write
    }
    working_ = edited_;
    EndModal(wxID_OK);
}

void CCHBaseSixteen::OnCancel() {
    if (!frame_.StopForCancel()) {
        Report(false);  // still transmitting: Cancel again retries the stop
        Refresh();
        return;
    }
    EndModal(wxID_CANCEL);
}

CCHBaseTxPower::CCHBaseTxPower(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio,
                               ViewFactory makeView)
    : CCHBaseSixteen(parent, working, AlignmentFrame::TxPower(kind, Model::IsSpecialVariant(working)), radio,
                     std::move(makeView)) {}

CCHBaseRXTune1::CCHBaseRXTune1(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio,
                               ViewFactory makeView)
    : CCHBaseSixteen(parent, working, AlignmentFrame::RxTune(), radio, std::move(makeView)) {
    const int step = GetProfileInt(Tuning::StepSection, Tuning::StepKey, Tuning::StepMin);
    step_->ChangeValue(Number(std::clamp(step, Tuning::StepMin, Tuning::StepMax)));
    step_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
        SaveStep();
        e.Skip();
    });
    step_->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) { SaveStep(); });
}

int CCHBaseRXTune1::SaveStep() {
    const std::string text(step_->GetValue().utf8_str());
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || end == text.c_str()) value = Tuning::StepMin;
    const int step = static_cast<int>(std::clamp<long>(value, Tuning::StepMin, Tuning::StepMax));
    if (step_->GetValue() != Number(step)) step_->ChangeValue(Number(step));
    WriteProfileInt(Tuning::StepSection, Tuning::StepKey, step);
    return step;
}

void CCHBaseRXTune1::OnRowButton(int row) {
    Tuning::Request request;
    request.current = Frame().Value(row);
    request.step = SaveStep();
    if (!Frame().SendPointCommands(AlignmentFrame::Select | AlignmentFrame::Receive, row)) {
        Report(false);
        return;
    }
    CCHBaseRXTune2 search(this, Edited(), Frame().Point(row), request, Radio());
    if (search.ShowModal() == wxID_OK) Report(Frame().ApplyRowValue(row, request.bestValue));
    Refresh();
}
