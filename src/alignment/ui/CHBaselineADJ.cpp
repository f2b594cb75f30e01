#include "alignment/ui/CHBaselineADJ.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <memory>

#include "alignment/AlignmentFiles.h"
#include "alignment/AlignmentMain.h"
#include "alignment/ui/AlignmentDialogParts.h"
#include "alignment/ui/CHBaseSQL.h"
#include "alignment/ui/CHBaseSingle.h"
#include "alignment/ui/CHBaseSixteen.h"
#include "image/ImageHost.h"
#include "image/Model.h"
#include "language/SettingsFile.h"
#include "serial/OperationView.h"
#include "serial/PXCommunicationEvent.h"
#include "ui/MessageService.h"
#include "ui/SignalLevel.h"
#include "ui/UiUtil.h"

namespace {

using namespace AlignmentMain;

struct Group {
    int id;
    const char* caption;
    std::initializer_list<int> buttons;
};
const Group kGroups[] = {
    {1102, "RX", {2403, 2420}},
    {1103, "TX Power", {2405, 2406, 2407, 2408, 2422}},
    {1104, "Modulation", {2409, 2410, 2411, 2412, 2423, 2424, 2425}},
    {1105, "Sub-Audio", {2413, 2414, 2415, 2416}},
    {1106, "Mic Gain", {2417, 2418, 2419, 2426}},
};

// The buttons that open something: every alignment item but those with
// nothing behind them, and on the special variant not the power levels whose
// values would not be stored.
bool Offered(const AlignmentMain::Button& button, const CloneImage& image) {
    return button.action != Action::None && AlignmentMain::Stores(button, image);
}

std::string Text(int rid, const char* builtin) {
    return Host().Text(rid, builtin);
}

}  // namespace

CCHBaselineADJ::CCHBaselineADJ(wxWindow* parent, const CloneImage& image, std::string backupName,
                               PXComCommandRetry* radio, ViewFactory makeView)
    : wxDialog(parent, wxID_ANY, "Alignment"),
      image_(image),
      backupName_(std::move(backupName)),
      radio_(radio),
      makeView_(std::move(makeView)) {
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(new wxStaticText(this, IDC_CAPTION, "Select the alignment menu."),
                wxSizerFlags().Border(wxALL, 8));
    auto* groups = new wxBoxSizer(wxHORIZONTAL);
    for (const auto& group : kGroups) {
        auto* box = new wxStaticBoxSizer(wxVERTICAL, this, group.caption);
        box->GetStaticBox()->SetId(group.id);
        for (const int id : group.buttons) {
            const AlignmentMain::Button* row = FindButton(id);
            auto* button = new wxButton(box->GetStaticBox(), id, row->text);
            button->Enable(Offered(*row, image_));
            button->Bind(wxEVT_BUTTON, [this, id](wxCommandEvent&) { OnItemButton(id); });
            buttons_[id] = button;
            box->Add(button, wxSizerFlags().Expand().Border(wxALL, 3));
        }
        groups->Add(box, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT, 4));
    }
    column->Add(groups, wxSizerFlags(1).Expand().Border(wxALL, 4));

    auto* bottom = new wxBoxSizer(wxHORIZONTAL);
    bottom->Add(new wxStaticText(this, IDC_UNIT_CAPTION, "UNIT"),
                wxSizerFlags().CenterVertical().Border(wxRIGHT, 6));
    unit_ = new wxChoice(this, IDC_UNIT);
    for (const auto& row : SignalLevel::UnitList) {
        if (row.value < 0) break;
        unit_->Append(wxString::FromUTF8(row.text));
    }
    const int unit = GetProfileInt(UnitSection, UnitKey, 0);
    unit_->SetSelection(unit >= 0 && unit < static_cast<int>(unit_->GetCount()) ? unit : 0);
    unit_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        WriteProfileInt(UnitSection, UnitKey, SignalLevel::UnitList[unit_->GetSelection()].value);
    });
    bottom->Add(unit_);
    bottom->AddStretchSpacer();
    auto* help = new wxButton(this, IDC_HELP, "Help");
    help->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, IDD); });
    auto* ok = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    bottom->Add(help, wxSizerFlags().Border(wxRIGHT, 6));
    bottom->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    bottom->Add(cancel);
    column->Add(bottom, wxSizerFlags().Expand().Border(wxALL, 8));
    SetSizerAndFit(column);

    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnEnd(true); });
    cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnEnd(false); });
    // The close box is Cancel: the radio must get its data back either way.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnEnd(false); });
    SetEscapeId(wxID_NONE);
    AlignmentDialogParts::TranslateTexts(this, IDD);
    CentreOnParent();
}

wxButton* CCHBaselineADJ::Button(int id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

bool CCHBaselineADJ::RunOperation(int operation, CloneImage& working) {
    if (!radio_ || !makeView_) return false;
    const auto view = makeView_(this);
    if (!view) return false;
    PXCommunicationEvent runner(*radio_);
    return runner.Run(operation, &working, *view);
}

void CCHBaselineADJ::OnItemButton(int id) {
    const AlignmentMain::Button* row = FindButton(id);
    if (!row) return;
    if (row->action == Action::NoSpecification) {
        ShowMessage(TextNoSpecification, {}, MsgStyle::Ok | MsgStyle::IconInformation);
        return;
    }
    if (!Offered(*row, image_)) return;
    CloneImage working = image_;
    if (!PrepareAlignment(radio_, row->preparation, row->point)) {
        ShowMessage(Text(RidCmdError, TextCmdError), Text(RidErrorCaption, TextErrorCaption),
                    MsgStyle::Ok | MsgStyle::IconWarning);
        return;
    }
    std::unique_ptr<wxDialog> dialog;
    switch (row->action) {
        case Action::RxTune:
            dialog = std::make_unique<CCHBaseRXTune1>(this, working, radio_, makeView_);
            break;
        case Action::Squelch:
            dialog = std::make_unique<CCHBaseSQL>(this, working, radio_, makeView_);
            break;
        case Action::TxPower:
            dialog = std::make_unique<CCHBaseTxPower>(this, working, TxPowerLevel(*row, image_), radio_, makeView_);
            break;
        case Action::MaxDev:
            dialog = std::make_unique<CCHBaseMaxDev>(this, working, row->kind, radio_, makeView_);
            break;
        case Action::CtcssDev:
            dialog = std::make_unique<CCHBaseSubAudioCTCSS>(this, working, row->kind, radio_, makeView_);
            break;
        case Action::DcsDev:
            dialog = std::make_unique<CCHBaseSubAudioDCS>(this, working, row->kind, radio_, makeView_);
            break;
        case Action::Frequency:
            dialog = std::make_unique<CCHBaseFrequency>(this, working, radio_, makeView_);
            break;
        case Action::SeqTone:
            dialog = std::make_unique<CCHBaseSeqTone>(this, working, radio_, makeView_);
            break;
        case Action::Dtmf:
            dialog = std::make_unique<CCHBaseDTMF>(this, working, radio_, makeView_);
            break;
        default:
            return;
    }
    if (dialog->ShowModal() == wxID_OK) image_ = working;
}

void CCHBaselineADJ::OnEnd(bool accept) {
    if (ShowMessage(Text(RidFinishQuestion, TextFinishQuestion), {},
                    MsgStyle::OkCancel | MsgStyle::IconWarning) != MsgAnswer::Ok)
        return;
    const auto outcome = End(accept, image_, backupName_,
                             [this](int op, CloneImage& working) { return RunOperation(op, working); });
    if (outcome == Finish::BackupUnreadable)
        ShowMessage("The alignment backup file \"" + (AlignmentFiles::BackupFolder() / backupName_).string() +
                        "\" cannot be read in full.\nNothing was written into the radio; the file is kept.",
                    Text(RidErrorCaption, TextErrorCaption), MsgStyle::Ok | MsgStyle::IconWarning);
    EndModal(accept && outcome == Finish::Done ? wxID_OK : wxID_CANCEL);
}
