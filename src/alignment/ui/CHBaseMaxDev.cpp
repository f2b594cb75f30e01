#include "alignment/ui/CHBaseMaxDev.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/sizer.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>

#include "alignment/AlignmentMain.h"
#include "alignment/AlignmentOperations.h"
#include "image/ImageHost.h"
#include "serial/OperationView.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"

namespace {

using Frame = AlignmentFrame;

wxString Number(int value) {
    return wxString::Format("%d", value);
}

}  // namespace

CCHBaseMaxDev::CCHBaseMaxDev(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio,
                             ViewFactory makeView)
    : wxDialog(parent, wxID_ANY, Frame::MaxDev(kind).title),
      working_(working),
      edited_(working),
      frame_(edited_, Frame::MaxDev(kind), radio),
      radio_(radio),
      makeView_(std::move(makeView)) {
    auto* grid = new wxFlexGridSizer(7, 2, 6);
    grid->AddGrowableCol(2);
    for (const char* head : {"CH", "Freq [MHz]", "", "Data", "", "", "Default"})
        grid->Add(new wxStaticText(this, wxID_ANY, head), wxSizerFlags().CenterHorizontal());
    // The scale above the scroll bars.
    auto* scale = new wxBoxSizer(wxHORIZONTAL);
    const auto marks = frame_.Scale();
    for (int i = 0; i < 5; ++i) {
        if (i) scale->AddStretchSpacer();
        scale->Add(new wxStaticText(this, IDC_SCALE + i, Number(marks[static_cast<std::size_t>(i)])));
    }
    grid->AddSpacer(0);
    grid->AddSpacer(0);
    grid->Add(scale, wxSizerFlags().Expand());
    for (int i = 0; i < 4; ++i) grid->AddSpacer(0);

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
        row.spin = new wxSpinButton(this, IDC_SPIN + r, wxDefaultPosition, wxDefaultSize, wxSP_VERTICAL);
        row.spin->SetRange(0, frame_.Maximum());
        row.spin->SetValue(frame_.Value(r));
        row.ptt = new wxButton(this, IDC_PTT + r, "PTT", wxDefaultPosition, wxSize(56, -1));
        row.defaultValue = new wxStaticText(this, IDC_DEFAULT + r, Number(frame_.DefaultValue(r)));
        grid->Add(row.label, wxSizerFlags().CenterVertical());
        grid->Add(row.frequency, wxSizerFlags().CenterVertical());
        grid->Add(row.scroll, wxSizerFlags().Expand().CenterVertical());
        grid->Add(row.edit, wxSizerFlags().CenterVertical());
        grid->Add(row.spin, wxSizerFlags().CenterVertical());
        grid->Add(row.ptt, wxSizerFlags().CenterVertical());
        grid->Add(row.defaultValue, wxSizerFlags().CenterVertical());

        row.ptt->Bind(wxEVT_BUTTON, [this, r](wxCommandEvent&) { OnPtt(r); });
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
    indicator_ = new wxStaticText(this, IDC_INDICATOR, "RX", wxDefaultPosition, wxSize(90, 40),
                                  wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    indicator_->SetFont(wxFont(wxFontInfo(20).Bold().FaceName("Courier New")));
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
    side->Add(new wxStaticText(this, IDC_TARGET_CAPTION, "Target Deviation"),
              wxSizerFlags().Border(wxLEFT, 6));
    auto* target = new wxBoxSizer(wxHORIZONTAL);
    target->Add(new wxStaticText(this, IDC_TARGET, kind == 1 ? "2.1" : "4.2"),
                wxSizerFlags().Border(wxRIGHT, 4));
    target->Add(new wxStaticText(this, IDC_UNIT, "kHz"));
    side->Add(target, wxSizerFlags().Border(wxALL, 6));
    side->AddStretchSpacer();
    auto* help = new wxButton(this, IDC_HELP, "Help");
    help->Bind(wxEVT_BUTTON,
               [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, frame_.DialogNumber()); });
    ok_ = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
    cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    SetEscapeId(wxID_NONE);
    for (wxWindow* w :
         {static_cast<wxWindow*>(help), static_cast<wxWindow*>(ok_), static_cast<wxWindow*>(cancel)})
        side->Add(w, wxSizerFlags().Expand().Border(wxALL, 4));

    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, 8));
    all->Add(side, wxSizerFlags().Expand().Border(wxALL, 4));
    SetSizerAndFit(all);
    Bind(wxEVT_CHAR_HOOK, &CCHBaseMaxDev::OnCharHook, this);
    UiUtil::TranslateWindowTexts(this, frame_.DialogNumber());
    SetTitle(Frame::MaxDev(kind).title);
    CentreOnParent();

    types_[0]->SetValue(true);
    Report(frame_.Open());
    opening_ = false;
    Refresh();
}

int CCHBaseMaxDev::RowOf(const wxWindow* window) const {
    if (!window) return -1;
    const int id = window->GetId();
    if (id >= IDC_SCROLL && id < IDC_SCROLL + Frame::Rows) return id - IDC_SCROLL;
    if (id >= IDC_EDIT && id < IDC_EDIT + Frame::Rows) return id - IDC_EDIT;
    return -1;
}

void CCHBaseMaxDev::Report(bool ok) {
    if (ok) return;
    ShowMessage(Host().Text(AlignmentMain::RidCmdError, AlignmentMain::TextCmdError),
                Host().Text(AlignmentMain::RidErrorCaption, AlignmentMain::TextErrorCaption),
                MsgStyle::Ok | MsgStyle::IconWarning);
}

void CCHBaseMaxDev::Refresh() {
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
    indicator_->SetLabel(tx ? "TX" : "RX");
    indicator_->SetBackgroundColour(tx ? wxColour(255, 0, 0) : wxColour(0, 255, 0));
    indicator_->Refresh();
    ok_->Enable(frame_.OkEnabled());
    for (auto* type : types_) type->Enable(!tx);
}

void CCHBaseMaxDev::CommitEdit(int row) {
    wxTextCtrl* edit = rows_[static_cast<std::size_t>(row)].edit;
    const std::string text(edit->GetValue().utf8_str());
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    // Not a number: the minimum; outside the range: the nearer bound.
    if (text.empty() || end == text.c_str()) value = 0;
    value = std::clamp<long>(value, 0, frame_.Maximum());
    if (value != frame_.Value(row)) Report(frame_.ApplyRowValue(row, static_cast<int>(value)));
    Refresh();
}

void CCHBaseMaxDev::OnPtt(int row) {
    const bool hadFocus = FindFocus() == rows_[static_cast<std::size_t>(row)].ptt;
    Report(frame_.OnPtt(row) != Frame::Ptt::Failed);
    Refresh();
    if (hadFocus) rows_[static_cast<std::size_t>(row)].scroll->SetFocus();
}

void CCHBaseMaxDev::OnScroll(int row, wxScrollEvent& event) {
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

void CCHBaseMaxDev::OnCharHook(wxKeyEvent& event) {
    wxWindow* focus = FindFocus();
    const int row = RowOf(focus);
    const int key = event.GetKeyCode();
    if (row >= 0 && key == WXK_SPACE) {
        OnPtt(row);
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

void CCHBaseMaxDev::OnOk() {
    if (FindFocus() != ok_) return;
    if (!frame_.Finish()) {
        Report(false);
        Refresh();
        return;
    }
    // The values reach the radio's memory with the alignment items.
    bool written = false;
    if (radio_ && makeView_)
        if (auto view = makeView_(this))
            written = AlignmentOperations::RunAlignItemsWrite(AlignmentOperations::OpItemsWithPage14, edited_,
                                                              *radio_, *view);
    if (!written) {
        Refresh();
        return;  // stays open: OK again retries the write
    }
    working_ = edited_;
    EndModal(wxID_OK);
}

void CCHBaseMaxDev::OnCancel() {
    if (!frame_.StopForCancel()) {
        Report(false);  // still transmitting: Cancel again retries the stop
        Refresh();
        return;
    }
    EndModal(wxID_CANCEL);
}
