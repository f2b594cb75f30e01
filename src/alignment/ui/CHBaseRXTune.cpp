#include "alignment/ui/CHBaseRXTune.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <cstdio>

#include "alignment/AlignmentMain.h"
#include "alignment/ChannelAdjust.h"
#include "alignment/ui/AlignmentDialogParts.h"
#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"
#include "ui/SignalLevel.h"
#include "ui/UiUtil.h"

namespace {

using ChannelAdjust::DialogClass;

}  // namespace

std::string SgLevelText(int dbuv) {
    const int unit = GetProfileInt(AlignmentMain::UnitSection, AlignmentMain::UnitKey, 0);
    const auto stored = static_cast<std::uint8_t>(dbuv < 0 ? (0x80 | (-dbuv & 0x7F)) : (dbuv & 0x7F));
    std::string name = SignalLevel::UnitList[0].text;
    for (const auto& row : SignalLevel::UnitList)
        if (row.value == unit) name = row.text;
    return SignalLevel::ToText(stored, unit) + " " + name;
}

SgSettingDlg::SgSettingDlg(wxWindow* parent, const std::string& title, int dialogNumber, const CloneImage& image,
                           int point, const SgSettingRow* rows, bool showPoint)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(title)) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, "Setting Your SG as followings!");
    box->GetStaticBox()->SetId(1104);
    auto* grid = new wxFlexGridSizer(2, 4, 12);
    wxWindow* in = box->GetStaticBox();
    grid->Add(new wxStaticText(in, 1101, "CH"));
    auto* pointText = new wxStaticText(in, IDC_POINT, wxString::Format("%d", point % 16 + 1));
    pointText->Show(showPoint);
    grid->Add(pointText);
    grid->Add(new wxStaticText(in, 1310, "Frequency"));
    char frequency[32];
    std::snprintf(frequency, sizeof frequency, "%.5f ", CalcPLLFrequency::RxFrequency(image, point));
    grid->Add(new wxStaticText(in, IDC_FREQUENCY,
                               wxString::FromUTF8(frequency + LangTable::TranslateCommonWord("MHz"))));
    const char* captions[3] = {"Deviation", "Modulation", "RF Level"};
    for (int i = 0; i < 3 && rows[i].controlId >= 0; ++i) {
        grid->Add(new wxStaticText(in, 2001 + i, captions[i]));
        std::string text = Tuning::SgText(rows[i], image);
        // The RF level in the unit chosen in the main dialog.
        if (rows[i].signMagnitude && rows[i].page8Offset >= 0) text = SgLevelText(Tuning::SgRaw(rows[i], image));
        grid->Add(new wxStaticText(in, rows[i].controlId, wxString::FromUTF8(text)));
    }
    box->Add(grid, wxSizerFlags().Border(wxALL, 8));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    ok_ = new wxButton(this, wxID_OK, "OK");
    cancel_ = new wxButton(this, wxID_CANCEL, "Cancel");
    auto* help = new wxButton(this, IDC_HELP, "Help");
    buttons->Add(ok_, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel_, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(help);
    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(box, wxSizerFlags().Expand().Border(wxALL, 8));
    all->Add(buttons, wxSizerFlags().Right().Border(wxALL, 8));
    SetSizerAndFit(all);
    ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
    help->Bind(wxEVT_BUTTON, [this, dialogNumber](wxCommandEvent&) { UiUtil::ShowContextHelp(this, dialogNumber); });
    // Enter anywhere but on OK starts nothing.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_RETURN || e.GetKeyCode() == WXK_NUMPAD_ENTER) {
            if (FindFocus() == ok_) OnOk();
            return;
        }
        e.Skip();
    });
    AlignmentDialogParts::TranslateTexts(this, dialogNumber);
    SetTitle(wxString::FromUTF8(title));
    CentreOnParent();
}

void SgSettingDlg::Warn(int rid, const char* text) {
    ShowMessage(Host().Text(rid, text), Host().Text(AlignmentMain::RidErrorCaption, AlignmentMain::TextErrorCaption),
                MsgStyle::Ok | MsgStyle::IconWarning);
}

void SgSettingDlg::OnOk() {
    if (FindFocus() != ok_) return;
    ok_->Disable();
    cancel_->Disable();
    Update();
    Measure();
    ok_->Enable();
    cancel_->Enable();
}

ResultDlg::ResultDlg(wxWindow* parent, const std::string& title, const char* done, int dialogNumber, int current,
                     int result)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(title)) {
    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(new wxStaticText(this, 3201, done), wxSizerFlags().Border(wxALL, 8));
    all->Add(new wxStaticText(this, 3203, "Do you change the Alignment Data to Result?"),
             wxSizerFlags().Border(wxLEFT | wxRIGHT, 8));
    auto* values = new wxBoxSizer(wxHORIZONTAL);
    values->Add(new wxStaticText(this, 1101, "Current"), wxSizerFlags().Border(wxRIGHT, 6));
    values->Add(new wxStaticText(this, IDC_CURRENT, wxString::Format("%d", current)), wxSizerFlags().Border(wxRIGHT, 12));
    values->Add(new wxStaticText(this, wxID_ANY, "->"), wxSizerFlags().Border(wxRIGHT, 12));
    values->Add(new wxStaticText(this, 1102, "New"), wxSizerFlags().Border(wxRIGHT, 6));
    values->Add(new wxStaticText(this, IDC_NEW, wxString::Format("%d", result)));
    all->Add(values, wxSizerFlags().Border(wxALL, 12));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    auto* help = new wxButton(this, IDC_HELP, "?");
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(help);
    all->Add(buttons, wxSizerFlags().Right().Border(wxALL, 8));
    SetSizerAndFit(all);
    ok->Bind(wxEVT_BUTTON, [this, ok](wxCommandEvent&) {
        if (FindFocus() == ok) EndModal(wxID_OK);
    });
    help->Bind(wxEVT_BUTTON, [this, dialogNumber](wxCommandEvent&) { UiUtil::ShowContextHelp(this, dialogNumber); });
    Bind(wxEVT_CHAR_HOOK, [this, ok](wxKeyEvent& e) {
        if (e.GetKeyCode() == WXK_RETURN || e.GetKeyCode() == WXK_NUMPAD_ENTER) {
            if (FindFocus() == ok) EndModal(wxID_OK);
            return;
        }
        e.Skip();
    });
    AlignmentDialogParts::TranslateTexts(this, dialogNumber);
    SetTitle(wxString::FromUTF8(title));
    CentreOnParent();
}

CCHBaseRXTune2::CCHBaseRXTune2(wxWindow* parent, const CloneImage& image, int point, Tuning::Request& request,
                               PXComCommandRetry* radio)
    : SgSettingDlg(parent, "Auto Tuning", ChannelAdjust::ClassifyDialog(DialogClass::RXTune2, 0, IDD), image, point,
                   Tuning::AutoTuneSg, true),
      request_(request),
      radio_(radio) {}

void CCHBaseRXTune2::Measure() {
    if (!radio_) return;
    switch (Tuning::AutoTune(*radio_, request_)) {
        case Tuning::AutoTuneResult::CmdError:
            Warn(AlignmentMain::RidCmdError, AlignmentMain::TextCmdError);
            return;
        case Tuning::AutoTuneResult::TuneSetError:
            Warn(Tuning::RidTuneSetError, Tuning::TextTuneSetError);
            return;
        case Tuning::AutoTuneResult::NoSignal:
            ShowMessage(Tuning::TextNoSignal, {}, MsgStyle::Ok | MsgStyle::IconWarning);
            return;
        case Tuning::AutoTuneResult::Found:
            break;
    }
    CCHBaseRXTune3 confirm(this, request_);
    EndModal(confirm.ShowModal() == wxID_OK ? wxID_OK : wxID_CANCEL);
}

CCHBaseRXTune3::CCHBaseRXTune3(wxWindow* parent, const Tuning::Request& request)
    : ResultDlg(parent, "Auto Tuning", "Auto Tuning is completed.",
                ChannelAdjust::ClassifyDialog(DialogClass::RXTune3, 0, IDD), request.current, request.bestValue) {}

CCHBaseSQL2::CCHBaseSQL2(wxWindow* parent, CloneImage& image, int item, PXComCommandRetry* radio)
    : SgSettingDlg(parent, Squelch::Items[item].name, ChannelAdjust::ClassifyDialog(DialogClass::SQL2, item, IDD),
                   image, Squelch::Items[item].point, Squelch::SgTable(item), false),
      image_(image),
      item_(item),
      radio_(radio) {}

void CCHBaseSQL2::Measure() {
    if (!radio_) return;
    const auto levels = Squelch::Measure(*radio_);
    if (!levels) {
        // A level made of failed readings would be stored as if measured.
        Warn(AlignmentMain::RidCmdError, AlignmentMain::TextCmdError);
        return;
    }
    CCHBaseSQL3 result(this, image_, item_, *levels);
    if (result.ShowModal() == wxID_OK) Squelch::Store(image_, item_, result.NewValue());
    EndModal(wxID_OK);
}

CCHBaseSQL3::CCHBaseSQL3(wxWindow* parent, const CloneImage& image, int item, const Squelch::Levels& levels)
    : ResultDlg(parent, Squelch::Items[item].name, "SQL Tuning is completed.",
                ChannelAdjust::ClassifyDialog(DialogClass::SQL3, item, IDD), Squelch::Stored(image, item),
                Squelch::Items[item].noise ? levels.noise : levels.rssi),
      value_(Squelch::Items[item].noise ? levels.noise : levels.rssi) {}
