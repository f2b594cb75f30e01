#include "channel/ChannelPopups.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#include "channel/ChannelTables.h"
#include "image/ItemsChannel.h"
#include "image/Model.h"
#include "language/Language.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"

namespace ChannelPopups {

namespace {
ModalRunner& Runner() {
    static ModalRunner runner;
    return runner;
}
std::map<AniScreen, ScreenOpener>& Screens() {
    static std::map<AniScreen, ScreenOpener> screens;
    return screens;
}
}  // namespace

void SetModalRunner(ModalRunner runner) {
    Runner() = std::move(runner);
}

int RunModal(wxDialog& dialog) {
    return Runner() ? Runner()(dialog) : dialog.ShowModal();
}

void RegisterAniScreen(AniScreen screen, ScreenOpener opener) {
    if (opener)
        Screens()[screen] = std::move(opener);
    else
        Screens().erase(screen);
}

bool IsAniScreenAvailable(AniScreen screen) {
    return Screens().count(screen) != 0;
}

int OpenAniScreen(AniScreen screen, wxWindow* parent, CloneImage& image) {
    auto it = Screens().find(screen);
    return it == Screens().end() ? -1 : it->second(parent, image);
}

}  // namespace ChannelPopups

namespace {

using namespace ChannelTables;

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

// Ends the dialog with `code`, whether it runs modally or not (tests drive
// dialogs without a modal loop).
void CloseDialog(wxDialog& dialog, int code) {
    if (dialog.IsModal())
        dialog.EndModal(code);
    else
        dialog.SetReturnCode(code);
}

void BindHelp(wxDialog& dialog, int dialogId) {
    UiUtil::OnF1(dialog, [&dialog, dialogId] {
        if (auto& open = UiHooks::Current().openHelp) open(&dialog, MakeRID(0, dialogId, 0));
    });
}

// The list box of the two list popups, with OK and Cancel under it.
wxListBox* BuildListLayout(wxDialog& dialog, int listId, wxButton*& ok) {
    auto* list = new wxListBox(&dialog, listId, wxDefaultPosition, wxSize(160, 220), 0, nullptr, wxLB_SINGLE);
    ok = new wxButton(&dialog, wxID_OK, "OK");
    auto* cancel = new wxButton(&dialog, wxID_CANCEL, "Cancel");
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(list, wxSizerFlags(1).Expand().Border(wxALL, 8));
    column->Add(buttons, wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    dialog.SetSizerAndFit(column);
    return list;
}

long SelectedData(const wxListBox* list) {
    const int selection = list->GetSelection();
    if (selection == wxNOT_FOUND) return -1;
    return static_cast<long>(reinterpret_cast<std::intptr_t>(list->GetClientData(selection)));
}

// The rows with their values, in the language in force (the list's rows are
// remembered for a later change of language; the values stay the rows' data).
void FillRows(wxListBox* list, const std::vector<std::pair<std::string, long>>& rows) {
    std::vector<std::string> texts;
    for (const auto& row : rows) texts.push_back(row.first);
    const std::vector<std::string> shown = ScreenTranslation::RowsForControl(list, texts);
    for (std::size_t i = 0; i < rows.size(); ++i)
        list->Append(Wx(i < shown.size() ? shown[i] : rows[i].first),
                     reinterpret_cast<void*>(static_cast<std::intptr_t>(rows[i].second)));
}

void SelectData(wxListBox* list, long data) {
    for (unsigned i = 0; i < list->GetCount(); ++i)
        if (reinterpret_cast<std::intptr_t>(list->GetClientData(i)) == data) {
            list->SetSelection(static_cast<int>(i));
            return;
        }
}

}  // namespace

// ---- CCHSetupANI ----------------------------------------------------------------

namespace {
constexpr std::uint8_t kCheckEverywhere[15] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2};
// Every control is decided by the rule object; restrict 1 so that state 2
// is applied when the dialog opens.
constexpr ControlRuleRow kAniRules[] = {
    {CCHSetupANI::IDC_TYPE, 1, kCheckEverywhere},
    {CCHSetupANI::IDC_TABLE, 1, kCheckEverywhere},
    {CCHSetupANI::IDC_MONITOR, 1, kCheckEverywhere},
    {CCHSetupANI::IDC_SETTING, 1, kCheckEverywhere},
    {-1, 0, nullptr},
};
}  // namespace

CCHSetupANI::CCHSetupANI(wxWindow* parent, CloneImage& image, int channel)
    : wxDialog(parent, wxID_ANY, "ANI"), image_(image), channel_(channel) {
    auto* grid = new wxFlexGridSizer(2, wxSize(8, 6));
    grid->Add(new wxStaticText(this, wxID_ANY, "CH"), wxSizerFlags().CenterVertical());
    grid->Add(new wxStaticText(this, IDC_CHANNEL, wxString::Format("%d", channel + 1)),
              wxSizerFlags().CenterVertical());
    auto addCombo = [&](int captionId, const char* caption, int comboId) {
        grid->Add(new wxStaticText(this, captionId, caption), wxSizerFlags().CenterVertical());
        auto* combo = new wxChoice(this, comboId, wxDefaultPosition, wxSize(140, -1));
        grid->Add(combo, wxSizerFlags().Expand());
        return combo;
    };
    type_ = addCombo(IDC_TYPE_CAPTION, "ANI Type", IDC_TYPE);
    table_ = addCombo(IDC_TABLE_CAPTION, "ANI Table", IDC_TABLE);
    monitor_ = addCombo(IDC_MONITOR_CAPTION, "ANI Monitor", IDC_MONITOR);
    setting_ = new wxButton(this, IDC_SETTING, "ANI Setting");
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(setting_, wxSizerFlags().Border(wxRIGHT, 16));
    buttons->Add(new wxButton(this, wxID_OK, "OK"), wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"));
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(grid, wxSizerFlags().Border(wxALL, 10));
    column->Add(buttons, wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
    SetSizerAndFit(column);

    UiUtil::TranslateWindowTexts(this, IDD);
    UiUtil::FillComboFromTable(*type_, AniTypeList,
                               static_cast<std::int32_t>(ItemMap::GetChannelAniType(image_, channel_)));
    UiUtil::FillComboFromTable(*table_, AniTableList,
                               static_cast<std::int32_t>(ItemMap::GetChannelMdc1200Ani(image_, channel_)));
    UiUtil::FillComboFromTable(*monitor_, DisableEnableList,
                               static_cast<std::int32_t>(ItemMap::GetChannelAniMonitor(image_, channel_)));
    ApplyDependentStates();
    CCHSetupANI_Restraction rules(this, channel_, image_);
    ApplyRestraction(kAniRules, Model::GetBandSelection(image_), rules);

    type_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnTypeChanged(); });
    setting_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ChooseSetting(); });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Confirm(); }, wxID_OK);
    BindHelp(*this, IDD);
    CentreOnParent();
}

void CCHSetupANI::ApplyDependentStates() {
    const int type = UiUtil::GetComboValue(*type_, AniTypeList);
    const bool mdc = type == 2;
    table_->Enable(mdc);
    if (!mdc) table_->SetSelection(0);
    monitor_->Enable(mdc);
    if (!mdc) monitor_->SetSelection(0);
    // "ANI Setting" leads to the type's own settings screen, where one exists.
    const ChannelPopups::AniScreen screen =
        ChannelPopups::ScreenForAniResult(image_, ChannelPopups::AniSettingResultBase + std::max(type, 0));
    setting_->Enable(type > 0 && ChannelPopups::IsAniScreenAvailable(screen));
}

void CCHSetupANI::OnTypeChanged() {
    ApplyDependentStates();
    // The channel's own restrictions hold whatever type is chosen.
    CCHSetupANI_Restraction rules(this, channel_, image_);
    ApplyRestraction(kAniRules, Model::GetBandSelection(image_), rules);
}

void CCHSetupANI::SaveFields() {
    ChannelPopups::AniFields fields;
    fields.type = UiUtil::GetComboValue(*type_, AniTypeList);
    fields.monitor = UiUtil::GetComboValue(*monitor_, DisableEnableList);
    fields.table = UiUtil::GetComboValue(*table_, AniTableList);
    ChannelPopups::SaveAniFields(image_, channel_, fields);
}

void CCHSetupANI::Finish(int code) {
    CloseDialog(*this, code);
}

void CCHSetupANI::Confirm() {
    SaveFields();
    Finish(wxID_OK);
}

void CCHSetupANI::ChooseSetting() {
    if (!setting_->IsEnabled()) return;
    SaveFields();
    const int type = UiUtil::GetComboValue(*type_, AniTypeList);
    Finish(ChannelPopups::AniSettingResultBase + std::max(type, 0));
}

void CCHSetupANI_Restraction::CheckControl(int controlId) {
    wxWindow* control = dialog_ ? dialog_->FindWindow(controlId) : nullptr;
    if (!control) return;
    const auto signalingType = ItemMap::GetChannelSignalingType(image_, channel_);
    switch (controlId) {
        case CCHSetupANI::IDC_TYPE:
            if (signalingType == 2 || signalingType == 4) control->Disable();
            break;
        case CCHSetupANI::IDC_MONITOR:
            if (!Version::HasFeature_1_90(image_)) {
                if (wxWindow* caption = dialog_->FindWindow(CCHSetupANI::IDC_MONITOR_CAPTION))
                    caption->Hide();
                control->Hide();
            } else {
                auto* type = dynamic_cast<wxChoice*>(dialog_->FindWindow(CCHSetupANI::IDC_TYPE));
                const int aniType = type ? UiUtil::GetComboValue(*type, AniTypeList) : -1;
                control->Enable(signalingType != 2 && aniType == 2);
            }
            break;
        case CCHSetupANI::IDC_TABLE:
        case CCHSetupANI::IDC_SETTING:
            if (signalingType == 7) control->Disable();
            break;
        default:
            break;
    }
}

// ---- CChSetupPopup ------------------------------------------------------------

CChSetupPopup::CChSetupPopup(wxWindow* parent, CloneImage& image, int channel, int kind)
    : wxDialog(parent, wxID_ANY, kind == ChannelPopups::PopupKind::Vox ? "VOX" : "Encryption"),
      image_(image),
      channel_(channel),
      kind_(kind) {
    wxButton* ok = nullptr;
    list_ = BuildListLayout(*this, IDC_LIST, ok);
    UiUtil::TranslateWindowTexts(this, IDD);
    SetTitle(kind == ChannelPopups::PopupKind::Vox ? "VOX" : "Encryption");
    const ItemList& rows = kind == ChannelPopups::PopupKind::Vox ? VoxPopupList : EncryptionPopupList;
    std::vector<std::pair<std::string, long>> listed;
    for (const auto& row : rows) {
        if (row.value == ItemListEnd) break;
        listed.emplace_back(row.text, row.value);
    }
    FillRows(list_, listed);
    SelectData(list_, ChannelPopups::PopupValue(image_, channel_, kind_));
    list_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Confirm(); });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Confirm(); }, wxID_OK);
    BindHelp(*this, IDD);
    CentreOnParent();
}

void CChSetupPopup::Confirm() {
    const long value = SelectedData(list_);
    if (value < 0) return;
    ChannelPopups::StorePopupValue(image_, channel_, kind_, static_cast<int>(value));
    CloseDialog(*this, wxID_OK);
}

// ---- CChSetupSubAudio -------------------------------------------------------------

namespace {
constexpr int kSubAudioTitleSub = 77, kSubAudioTitleControl = 3901;
}

CChSetupSubAudio::CChSetupSubAudio(wxWindow* parent, CloneImage& image, int channel, int direction)
    : wxDialog(parent, wxID_ANY, ""),
      image_(image),
      channel_(channel),
      direction_(direction),
      type_(ChannelPopups::SubAudioType(image, channel, direction)) {
    list_ = BuildListLayout(*this, IDC_LIST, ok_);
    UiUtil::TranslateWindowTexts(this, IDD);
    // The captions are a list of their own, translated under sub-index 77.
    SetTitle(Wx(LangTable::TranslateRow(MakeRID(kSubAudioTitleSub, IDD, kSubAudioTitleControl),
                                        FindNameById(SubAudioPopupTitleList,
                                                     SubAudioPopupTitleValue(type_, direction_)))));
    const int code = ChannelPopups::SubAudioCode(image_, channel_, direction_);
    if (type_ == 1) {
        std::vector<std::pair<std::string, long>> listed;
        for (int tone : ChannelPopups::CtcssTones) listed.emplace_back(ChannelPopups::CtcssText(tone), tone);
        FillRows(list_, listed);
        SelectData(list_, std::clamp(code, ChannelPopups::CtcssMin, ChannelPopups::CtcssMax));
    } else if (type_ == 2 || type_ == 3) {
        std::vector<std::pair<std::string, long>> listed;
        for (int dcs : ChannelPopups::DcsCodes) listed.emplace_back(ChannelPopups::DcsText(dcs), dcs);
        FillRows(list_, listed);
        SelectData(list_, std::clamp(code, ChannelPopups::DcsMin, ChannelPopups::DcsMax));
    }
    UpdateOk();
    list_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { UpdateOk(); });
    list_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { Confirm(); });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { Confirm(); }, wxID_OK);
    BindHelp(*this, IDD);
    CentreOnParent();
}

void CChSetupSubAudio::UpdateOk() {
    ok_->Enable(SelectedData(list_) >= 0);
}

void CChSetupSubAudio::Confirm() {
    if (type_ < 1 || type_ > 3) {
        CloseDialog(*this, wxID_CANCEL);
        return;
    }
    const long code = SelectedData(list_);
    if (code < 0) return;  // nothing chosen: the stored code stays
    ChannelPopups::StoreSubAudioCode(image_, channel_, direction_, static_cast<int>(code));
    CloseDialog(*this, wxID_OK);
}
