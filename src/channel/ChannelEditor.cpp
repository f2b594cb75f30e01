#include "channel/ChannelEditor.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "channel/ChannelPopups.h"
#include "image/ImageHost.h"
#include "image/Model.h"
#include "ui/HEdit.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiUtil.h"

using namespace ChannelEditor;

namespace {

wxString Wx(const std::string& s) {
    return wxString::FromUTF8(s.c_str());
}

// One row of the pane's layout: a caption (id 0: none) and its control.
enum class Kind { Combo, Edit, Check };
struct Field {
    int captionId;
    const char* caption;
    int controlId;
    Kind kind;
    const char* checkText = nullptr;
};
struct Box {
    int boxId;
    const char* title;
    std::initializer_list<Field> fields;
};

// clang-format off
const Box kGeneral{1047, "", {
    {Id::ListNoCaption, "List No.", Id::ChannelCombo, Kind::Combo},
    {1100, "CH Status", Id::Status, Kind::Combo},
    {1101, "W/N", Id::Bandwidth, Kind::Combo},
    {Id::TagCaption, "TAG", Id::Tag, Kind::Edit},
    {1108, "Power(H)", Id::TxPower, Kind::Combo},
    {1110, "Power(L)", Id::PowerLow, Kind::Combo},
    {1111, "Standard TX Power", Id::StandardTxPower, Kind::Combo},
    {Id::PowerSaveCaption, "Power Save", Id::RxPowerSave, Kind::Check, "Power Save(RX)"},
    {0, "", Id::TxPowerSave, Kind::Check, "Power Save(TX)"},
    {1122, "SQL Level", Id::SqlLevel, Kind::Combo},
    {1123, "VOX", Id::Vox, Kind::Combo},
    {Id::EncryptionCaption, "Encryption", Id::Encryption, Kind::Combo},
    {1124, "Lock Out", Id::LockOut, Kind::Combo},
    {1125, "OLTA", Id::Olta, Kind::Combo},
    {Id::AnnounceCaption, "Announce", Id::Announce, Kind::Combo},
}};
const Box kTot{1034, "TOT", {
    {1112, "Time Out Timer", Id::TimeOutTimer, Kind::Combo},
    {1113, "Penalty Timer", Id::PenaltyTimer, Kind::Combo},
    {1114, "Release Timer", Id::ReleaseTimer, Kind::Combo},
}};
const Box kAni{1037, "ANI", {
    {Id::AniTypeCaption, "ANI Type", Id::AniType, Kind::Combo},
    {Id::AniMonitorCaption, "ANI Monitor", Id::AniMonitor, Kind::Combo},
    {Id::Mdc1200AniCaption, "MDC1200 ANI", Id::Mdc1200Ani, Kind::Combo},
}};
const Box kSignaling{1046, "Signaling", {
    {1115, "Signaling Type", Id::SignalingType, Kind::Combo},
    {1116, "Signaling", Id::SignalingButtonNumber, Kind::Combo},
    {1119, "System No.", Id::SystemNo, Kind::Combo},
    {Id::SelectableToneCaption, "Selectable Tone", Id::SelectableTone, Kind::Combo},
}};
const Box kScan{1035, "Scan", {
    {Id::ScanGroupCaption, "Scan Group", Id::ScanGroup, Kind::Combo},
    {1120, "Auto Scan", Id::AutoScan, Kind::Combo},
}};
const Box kSurveillance{1048, "Surveillance", {
    {Id::LightCaption, "Light", Id::Light, Kind::Combo},
    {Id::BeepAnnounceCaption, "Beep/Announce", Id::BeepAnnounce, Kind::Combo},
    {1126, "Surveil.<Audio>", Id::SurveilAudio, Kind::Combo},
}};
const Box kAdvance1{1062, "Advance Setup", {
    {Id::PreEmphasisCaption, "Pre-Emphasis", Id::PreEmphasis, Kind::Combo},
    {1127, "De-Emphasis", Id::DeEmphasis, Kind::Combo},
    {Id::FlatAfTxCaption, "Flat AF(TX)", Id::TxFlatAf, Kind::Combo},
    {1129, "Flat AF(RX)", Id::RxFlatAf, Kind::Combo},
    {1130, "TX HPF", Id::TxHpf, Kind::Combo},
    {1131, "TX SPL", Id::TxSpl, Kind::Combo},
    {1134, "RX HPF", Id::RxHpf, Kind::Combo},
    {1136, "RX SPL", Id::RxSpl, Kind::Combo},
    {0, "", Id::Compander, Kind::Check, "Compander"},
}};
const Box kAdvance2{1063, "Advance Setup", {
    {Id::TxPllRefCaption, "TX PLL REF", Id::TxPllRef, Kind::Combo},
    {Id::RxPllRefCaption, "RX PLL REF", Id::RxPllRef, Kind::Combo},
    {1137, "Priority Mic", Id::PriorityMic, Kind::Combo},
    {0, "", Id::DsubMic, Kind::Combo},
    {Id::DsubAfInputCaption, "D-SUB AF Input Level", Id::DsubAfInput, Kind::Combo},
    {Id::DsubAfOutputCaption, "D-SUB AF Output", Id::DsubAfOutput, Kind::Combo},
}};
// clang-format on

bool IsSubAudio(int id) {
    return id == Id::DecodeSubAudio || id == Id::EncodeSubAudio;
}

// The sub-audio list of one side, written only when confirmed.
void OpenSubAudioList(wxWindow* parent, CloneImage& image, int channel, int direction) {
    CChSetupSubAudio popup(parent, image, channel, direction);
    ChannelPopups::RunModal(popup);
}

CCHInfoSub::SubAudioPopup& PopupHook() {
    static CCHInfoSub::SubAudioPopup popup = OpenSubAudioList;
    return popup;
}

}  // namespace

// ---- rule object -----------------------------------------------------------------------------

void CCHInfoSub_Restraction::CheckControl(int controlId) {
    wxWindow* control = dialog_ ? dialog_->FindWindow(controlId) : nullptr;
    if (!control || channel_ < 0) return;
    switch (CheckDecision(image_, channel_, controlId)) {
        case Check::Enable:
            control->Enable();
            break;
        case Check::Disable:
            control->Disable();
            break;
        case Check::DisableClear:
            ApplyRestractionToControl(control);
            break;
        case Check::Keep:
            break;
    }
}

int CCHInfoSub_Restraction::CheckControlUnconditional(int controlId) {
    wxWindow* control = dialog_ ? dialog_->FindWindow(controlId) : nullptr;
    const bool hide = controlId == Id::SelectableTone || controlId == Id::SelectableToneCaption;
    if (control) {
        control->Show(!hide);
        control->Enable(!hide);
    }
    return hide ? 0 : 1;
}

// ---- the pane ----------------------------------------------------------------------------------

void CCHInfoSub::SetSubAudioPopup(SubAudioPopup popup) {
    PopupHook() = popup ? std::move(popup) : OpenSubAudioList;
}

CCHInfoSub::CCHInfoSub(CloneImage& image, int channel)
    : image_(image), channel_(channel), rules_(this, image, channel) {}

CCHInfoSub::~CCHInfoSub() = default;

void CCHInfoSub::BuildControls() {
    auto addBox = [this](const Box& box) {
        auto* staticBox = new wxStaticBox(this, box.boxId, box.title);
        auto* sizer = new wxStaticBoxSizer(staticBox, wxVERTICAL);
        auto* grid = new wxFlexGridSizer(2, 4, 8);
        grid->AddGrowableCol(1);
        for (const Field& field : box.fields) {
            if (field.captionId)
                grid->Add(new wxStaticText(staticBox, field.captionId, field.caption), 0,
                          wxALIGN_CENTER_VERTICAL);
            else
                grid->AddSpacer(0);
            wxWindow* control = nullptr;
            switch (field.kind) {
                case Kind::Combo: {
                    auto* combo = new wxChoice(staticBox, field.controlId);
                    combos_[field.controlId] = combo;
                    control = combo;
                    break;
                }
                case Kind::Edit:
                    control = MakeEdit(staticBox, field.controlId);
                    break;
                case Kind::Check: {
                    auto* check = new wxCheckBox(staticBox, field.controlId, field.checkText);
                    checks_[field.controlId] = check;
                    control = check;
                    break;
                }
            }
            grid->Add(control, 1, wxEXPAND);
        }
        sizer->Add(grid, 1, wxEXPAND | wxALL, 4);
        return sizer;
    };

    // The frequency block: a column for RX and one for TX.
    auto* frequencies = new wxFlexGridSizer(3, 4, 8);
    auto* rxHead = new wxStaticText(this, Id::RxHead, "RX");
    auto* txHead = new wxStaticText(this, Id::TxHead, "TX");
    wxFont bold = GetFont();
    bold.SetWeight(wxFONTWEIGHT_BOLD);
    rxHead->SetFont(bold);
    txHead->SetFont(bold);
    frequencies->AddSpacer(0);
    frequencies->Add(rxHead);
    frequencies->Add(txHead);
    auto edit = [this](int id, bool) { return MakeEdit(this, id); };
    frequencies->Add(new wxStaticText(this, 1104, "Frequency (MHz)"), 0, wxALIGN_CENTER_VERTICAL);
    frequencies->Add(edit(Id::RxFrequency, false));
    frequencies->Add(edit(Id::TxFrequency, false));
    frequencies->AddSpacer(0);
    frequencies->Add(new wxStaticText(this, 1105, "Sub Audio(Dec)"));
    frequencies->Add(new wxStaticText(this, 1107, "Sub Audio(Enc)"));
    frequencies->AddSpacer(0);
    frequencies->Add(edit(Id::DecodeSubAudio, false));
    frequencies->Add(edit(Id::EncodeSubAudio, true));
    const std::pair<int, const char*> clockShifts[] = {{Id::RxClockShift, "Clock Shift(RX)"},
                                                       {Id::TxClockShift, "Clock Shift(TX)"},
                                                       {Id::ClockShiftOption, "Clock Shift(Option)"}};
    frequencies->AddSpacer(0);
    for (int i = 0; i < 3; ++i) {
        if (i == 2) {
            frequencies->AddSpacer(0);
            frequencies->AddSpacer(0);
        }
        auto* check = new wxCheckBox(this, clockShifts[i].first, clockShifts[i].second);
        checks_[clockShifts[i].first] = check;
        frequencies->Add(check);
    }
    frequencies->AddSpacer(0);

    auto* first = new wxBoxSizer(wxVERTICAL);
    first->Add(addBox(kGeneral), 0, wxEXPAND | wxALL, 4);
    auto* second = new wxBoxSizer(wxVERTICAL);
    second->Add(frequencies, 0, wxEXPAND | wxALL, 8);
    second->Add(addBox(kTot), 0, wxEXPAND | wxALL, 4);
    second->Add(addBox(kAni), 0, wxEXPAND | wxALL, 4);
    second->Add(addBox(kSignaling), 0, wxEXPAND | wxALL, 4);
    auto* third = new wxBoxSizer(wxVERTICAL);
    third->Add(addBox(kScan), 0, wxEXPAND | wxALL, 4);
    third->Add(addBox(kSurveillance), 0, wxEXPAND | wxALL, 4);
    third->Add(addBox(kAdvance1), 0, wxEXPAND | wxALL, 4);
    third->Add(addBox(kAdvance2), 0, wxEXPAND | wxALL, 4);
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(first, 0, wxEXPAND);
    columns->Add(second, 0, wxEXPAND);
    columns->Add(third, 0, wxEXPAND);
    SetSizer(columns);

    for (auto& [id, combo] : combos_) {
        const int controlId = id;
        combo->Bind(wxEVT_CHOICE, [this, controlId](wxCommandEvent&) { OnCombo(controlId); });
    }
    for (auto& [id, check] : checks_) {
        const int controlId = id;
        check->Bind(wxEVT_CHECKBOX, [this, controlId](wxCommandEvent&) { OnCheck(controlId); });
    }
    for (auto& [id, control] : edits_) {
        const int controlId = id;
        control->Bind(wxEVT_KILL_FOCUS, [this, controlId](wxFocusEvent& event) {
            event.Skip();
            LeaveEdit(controlId);
        });
        if (IsSubAudio(controlId))
            control->Bind(wxEVT_LEFT_DCLICK,
                          [this, controlId](wxMouseEvent&) { OpenSubAudioPopup(controlId); });
    }
    Bind(wxEVT_CHAR_HOOK, &CCHInfoSub::OnCharHook, this);
    // The help and related-items panes follow the focused control.
    Bind(wxEVT_CHILD_FOCUS, [this](wxChildFocusEvent& event) {
        event.Skip();
        wxWindow* focused = event.GetWindow();
        if (PaneHost* host = MainPaneHost(); host && focused && focused->GetId() > 0)
            host->ShowHelpForRID(IDD, focused->GetId());
    });
    Bind(wxEVT_HELP, [this](wxHelpEvent&) { UiUtil::ShowHelpForFocus(this, IDD); });
}

bool CCHInfoSub::OnInitDialog() {
    UiUtil::TranslateWindowTexts(this, IDD);
    FillLists();
    SelectChannel(channel_);
    return HPainBaseDlg::OnInitDialog();
}

HEditBase* CCHInfoSub::MakeEdit(wxWindow* parent, int id) {
    for (const PageControlSpec& spec : EditSpecs) {
        if (static_cast<int>(spec.controlId) != id) continue;
        HEditBase* edit = CreateEditForSpec(parent, spec, wxDefaultPosition, wxSize(110, -1));
        // Only the decode side has the "B" polarity.
        if (auto* subAudio = dynamic_cast<HEditSubAudio*>(edit))
            subAudio->SetForbidB(id == Id::EncodeSubAudio);
        edits_[id] = edit;
        return edit;
    }
    return nullptr;
}

wxChoice* CCHInfoSub::Combo(int id) const {
    auto it = combos_.find(id);
    return it == combos_.end() ? nullptr : it->second;
}

HEditBase* CCHInfoSub::Edit(int id) const {
    auto it = edits_.find(id);
    return it == edits_.end() ? nullptr : it->second;
}

wxCheckBox* CCHInfoSub::CheckBox(int id) const {
    auto it = checks_.find(id);
    return it == checks_.end() ? nullptr : it->second;
}

int CCHInfoSub::SelectedValue(int id) const {
    wxChoice* combo = Combo(id);
    auto rows = rows_.find(id);
    if (!combo || rows == rows_.end()) return -1;
    const int selection = combo->GetSelection();
    if (selection == wxNOT_FOUND || selection >= static_cast<int>(rows->second.size())) return -1;
    return rows->second[selection].value;
}

void CCHInfoSub::FillCombo(int id) {
    wxChoice* combo = Combo(id);
    if (!combo) return;
    ChannelTables::RowList rows;
    if (id == Id::ChannelCombo) {
        static std::vector<std::string> numbers;
        const int count = ChannelEditor::ChannelCount(image_);
        for (int n = static_cast<int>(numbers.size()); n < count; ++n)
            numbers.push_back(std::to_string(n + 1));
        for (int n = 0; n < count; ++n) rows.push_back({n, numbers[n].c_str(), ""});
    } else {
        for (const ST_DISPDATA& row : ComboRows(image_, channel_, id))
            if (row.value != ItemListEnd) rows.push_back(row);
    }
    combo->Freeze();
    combo->Clear();
    std::vector<std::string> texts;
    for (const ST_DISPDATA& row : rows) texts.push_back(row.text);
    for (const std::string& text : ScreenTranslation::RowsForControl(combo, texts))
        combo->Append(wxString::FromUTF8(text));
    combo->Thaw();
    rows_[id] = std::move(rows);
}

void CCHInfoSub::FillLists() {
    for (auto& [id, combo] : combos_) FillCombo(id);
}

void CCHInfoSub::RefreshFromImage() {
    FillLists();
    SelectChannel(channel_ < ChannelEditor::ChannelCount(image_) ? channel_ : -1);
}

void CCHInfoSub::OnIndexChanged(int index) {
    if (index == channel_) SelectChannel(channel_);
}

void CCHInfoSub::RestoreFocus() {
    for (wxWindow* child : GetChildren())
        if (child->IsShown() && child->IsEnabled() && child->CanAcceptFocus()) {
            child->SetFocus();
            return;
        }
}

void CCHInfoSub::SelectChannel(int index) {
    channel_ = index >= 0 && index < ChannelEditor::ChannelCount(image_) ? index : -1;
    rules_.SetChannel(channel_);
    LoadChannel();
}

void CCHInfoSub::SelectNext() {
    CommitFocusedEdit();
    SelectChannel(NextChannel(channel_, ChannelEditor::ChannelCount(image_)));
}

void CCHInfoSub::SelectPrevious() {
    CommitFocusedEdit();
    SelectChannel(PreviousChannel(channel_, ChannelEditor::ChannelCount(image_)));
}

void CCHInfoSub::LoadChannel() {
    loading_ = true;
    FillCombo(Id::SystemNo);  // its rows follow the signalling type
    for (auto& [id, combo] : combos_) {
        if (id == Id::ChannelCombo) {
            combo->SetSelection(
                channel_ >= 0 && channel_ < static_cast<int>(combo->GetCount()) ? channel_ : wxNOT_FOUND);
            continue;
        }
        const int value = ComboValue(image_, channel_, id);
        int selection = wxNOT_FOUND;
        const auto& rows = rows_[id];
        for (std::size_t i = 0; i < rows.size() && value >= 0; ++i)
            if (rows[i].value == value) {
                selection = static_cast<int>(i);
                break;
            }
        combo->SetSelection(selection);
    }
    for (auto& [id, edit] : edits_) {
        shown_[id] = EditText(image_, channel_, id);
        edit->ChangeValue(Wx(shown_[id]));
    }
    for (auto& [id, check] : checks_) check->SetValue(CheckValue(image_, channel_, id));
    ApplyStates();
    loading_ = false;
}

void CCHInfoSub::ApplyStates() {
    bool shownChanged = false;
    for (const auto& [id, state] : PlanControlStates(image_, channel_, Host().ServiceMode())) {
        wxWindow* control = FindWindow(id);
        if (!control) continue;
        if (control->IsShown() != state.shown) {
            control->Show(state.shown);
            shownChanged = true;
        }
        control->Enable(state.enabled);
        if (!state.cleared) continue;
        if (auto* edit = Edit(id)) {
            edit->ChangeValue(wxString());
            shown_[id].clear();
        } else {
            UiUtil::ClearControl(control);
        }
    }
    if (shownChanged) Layout();
}

void CCHInfoSub::Changed() {
    LoadChannel();
    if (changed_) changed_(channel_);
}

void CCHInfoSub::OnCombo(int id) {
    if (loading_) return;
    if (id == Id::ChannelCombo) {
        wxChoice* combo = Combo(id);
        SelectChannel(combo->GetSelection() == wxNOT_FOUND ? -1 : combo->GetSelection());
        return;
    }
    // A selection that matches no row writes nothing.
    if (ApplyComboChange(image_, channel_, id, SelectedValue(id)))
        Changed();
    else
        LoadChannel();
}

void CCHInfoSub::OnCheck(int id) {
    if (loading_ || channel_ < 0) return;
    ApplyCheck(image_, channel_, id, CheckBox(id)->GetValue());
    Changed();
}

void CCHInfoSub::LeaveEdit(int id) {
    if (loading_ || channel_ < 0) return;
    if (IsSubAudio(id) && popupActive_) return;
    HEditBase* edit = Edit(id);
    if (!edit || !edit->IsEnabled()) return;
    const std::string text = edit->GetText();
    Leave result;
    if (id == Id::Tag)
        result = LeaveTag(image_, channel_, text, shown_[id]);
    else if (IsSubAudio(id))
        result = LeaveSubAudio(image_, channel_, id, text, shown_[id]);
    else
        result = LeaveFrequency(image_, channel_, id, text, shown_[id]);
    if (result == Leave::Stored)
        Changed();
    else if (result == Leave::Refused)
        LoadChannel();
}

void CCHInfoSub::CommitFocusedEdit() {
    wxWindow* focus = wxWindow::FindFocus();
    for (auto& [id, edit] : edits_)
        if (edit == focus) LeaveEdit(id);
}

void CCHInfoSub::OpenSubAudioPopup(int id) {
    if (channel_ < 0 || !Edit(id)->IsEnabled() || !PopupHook()) return;
    popupActive_ = true;
    PopupHook()(this, image_, channel_, id == Id::DecodeSubAudio ? 0 : 1);
    popupActive_ = false;
    Changed();
}

bool CCHInfoSub::HandleKey(int keyCode, wxWindow* target) {
    if (keyCode == WXK_F2) {
        SelectNext();
        return true;
    }
    if (keyCode == WXK_F5) {
        SelectPrevious();
        return true;
    }
    for (auto& [id, edit] : edits_) {
        if (edit != target || !IsSubAudio(id) || channel_ < 0 || !edit->IsEnabled()) continue;
        switch (keyCode) {
            case WXK_SPACE:
                StepSubAudioType(image_, channel_, id);
                Changed();
                return true;
            case WXK_F3:
                StepDcsPolarity(image_, channel_, id);
                Changed();
                return true;
            case WXK_RETURN:
            case WXK_NUMPAD_ENTER:
                OpenSubAudioPopup(id);
                return true;
            default:
                return false;
        }
    }
    return false;
}

void CCHInfoSub::OnCharHook(wxKeyEvent& event) {
    if (event.HasAnyModifiers() || !HandleKey(event.GetKeyCode(), wxWindow::FindFocus())) event.Skip();
}

void CCHInfoSub::ChooseValue(int id, int value) {
    wxChoice* combo = Combo(id);
    if (!combo) return;
    const auto& rows = rows_[id];
    int selection = wxNOT_FOUND;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].value == value) selection = static_cast<int>(i);
    combo->SetSelection(selection);
    OnCombo(id);
}

void CCHInfoSub::EnterText(int id, const std::string& text) {
    if (HEditBase* edit = Edit(id)) {
        edit->ChangeValue(Wx(text));
        LeaveEdit(id);
    }
}

void CCHInfoSub::SetCheck(int id, bool checked) {
    if (wxCheckBox* check = CheckBox(id)) {
        check->SetValue(checked);
        OnCheck(id);
    }
}
