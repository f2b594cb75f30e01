#include "app/PaneSelectorDlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/AppTables.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "image/UiUtil.h"
#include "language/Language.h"
#include "ui/HEdit.h"
#include "ui/HighlightedTabCtrl.h"
#include "ui/Restraction.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiUtil.h"
#include "ui/UpDownCtrl.h"

namespace {

constexpr PageControlSpec kTagEdit{PaneSelectorDialog::IDC_TAG, 8, 0, 0, EditKind::NameTag, 0};

// Variant 0 (no keypad) has no groups to choose; the tab row is never shown.
constexpr std::uint8_t kGroupStates[15] = {3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kTabStates[15] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
constexpr ControlRuleRow kVisibility[] = {
    {PaneSelectorDialog::IDC_GROUP_CAPTION, 0, kGroupStates},
    {PaneSelectorDialog::IDC_GROUP, 0, kGroupStates},
    {PaneSelectorDialog::IDC_SPIN, 0, kGroupStates},
    {PaneSelectorDialog::IDC_TAG_CAPTION, 0, kGroupStates},
    {PaneSelectorDialog::IDC_TAG, 0, kGroupStates},
    {PaneSelectorDialog::IDC_GROUP_SCAN, 0, kGroupStates},
    {PaneSelectorDialog::IDC_TAB, 0, kTabStates},
};

constexpr const char* kTabTexts[] = {"Conventional", "LTR RF CH",      "LTR Group",
                                     "LTR System",   "Passport Group", "Passport System"};
constexpr int kTabTextControl = 3901;

}  // namespace

PaneSelectorDialog::Visibility PaneSelectorDialog::VisibilityOf(int controlId, int variant, int serviceMode) {
    for (const ControlRuleRow& row : kVisibility) {
        if (row.controlId != controlId) continue;
        switch (RuleState(row, variant, serviceMode)) {
            case 0:
                return {true, true, false};
            case 1:
            case 2:
                return {true, true, true};
            case 3:
            case 4:
            case 5:
                return {false, false, false};
            default:
                break;
        }
    }
    return {true, true, false};
}

int PaneSelectorDialog::GroupCount(const CloneImage& image) {
    return std::clamp(static_cast<int>(ItemMap::GetMaxGroup(image)), 0, 8);
}

void PaneSelectorDialog::BuildControls() {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto center = [] { return wxSizerFlags().CenterVertical(); };
    row->Add(new wxStaticText(this, IDC_GROUP_CAPTION, "Group"), center().Border(wxLEFT | wxRIGHT, 6));
    groups_ = new wxChoice(this, IDC_GROUP);
    row->Add(groups_, center());
    spin_ = new UpDownCtrl(this, IDC_SPIN, wxSP_WRAP);
    row->Add(spin_, center().Border(wxRIGHT, 8));
    row->Add(new wxStaticText(this, IDC_TAG_CAPTION, "TAG"), center().Border(wxRIGHT, 4));
    tag_ = new HEditKXTag(this, IDC_TAG);
    tag_->SetEditConfig(kTagEdit);
    tag_->SetMinSize(wxSize(tag_->GetTextExtent("WWWWWWWW").x + 12, -1));
    row->Add(tag_, center().Border(wxRIGHT, 8));
    groupScan_ = new wxCheckBox(this, IDC_GROUP_SCAN, "Group Scan");
    row->Add(groupScan_, center().Border(wxRIGHT, 6));
    tabs_ = new HighlightedTabCtrl(this, IDC_TAB);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, wxSizerFlags().Border(wxTOP | wxBOTTOM, 3));
    column->Add(tabs_, wxSizerFlags().Expand());
    SetSizer(column);

    groups_->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { ShowGroup(); });
    spin_->Bind(wxEVT_SPIN, [this](wxSpinEvent& event) {
        const int count = static_cast<int>(groups_->GetCount());
        if (event.GetPosition() >= 0 && event.GetPosition() < count) SelectGroup(event.GetPosition());
    });
    groupScan_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        const int group = SelectedGroup();
        // The stored flag is inverted: 0 is Group Scan on, as the group
        // allocation shows it.
        if (group >= 0) ItemMap::SetGroupScanFlag(image_, group, groupScan_->GetValue() ? 0 : 1);
    });
    tag_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        CommitTag();
    });
}

bool PaneSelectorDialog::OnInitDialog() {
    for (int i = 0; i < static_cast<int>(std::size(kTabTexts)); ++i)
        tabs_->InsertItem(i, TextByRid(MakeRID(i, IDD, kTabTextControl), kTabTexts[i]), i + 1);
    UiUtil::TranslateWindowTexts(this, IDD);
    RebuildList(GroupCount(image_));
    if (groups_->GetCount() > 0) groups_->SetSelection(0);
    ShowGroup();
    PrepareTabs();
    // The pane's size is what the visible controls need.
    ApplyVisibility();
    return HPainBaseDlg::OnInitDialog();
}

void PaneSelectorDialog::RebuildList(int count) {
    groups_->Clear();
    std::vector<std::string> rows;
    for (const ST_DISPDATA& row : AppTables::GroupNumberList) {
        if (row.value == ItemListEnd || static_cast<int>(rows.size()) >= count) break;
        rows.emplace_back(row.text);
    }
    for (const std::string& row : ScreenTranslation::RowsForControl(groups_, rows))
        groups_->Append(wxString::FromUTF8(row));
    listed_ = count;
    spin_->SetRange(0, std::max(0, count - 1));
}

int PaneSelectorDialog::SelectedGroup() const {
    const int selection = groups_ ? groups_->GetSelection() : wxNOT_FOUND;
    return selection == wxNOT_FOUND ? -1 : selection;
}

void PaneSelectorDialog::SelectGroup(int group) {
    if (group < 0 || group >= static_cast<int>(groups_->GetCount())) return;
    groups_->SetSelection(group);
    ShowGroup();
}

void PaneSelectorDialog::ShowGroup() {
    const int group = SelectedGroup();
    if (group >= 0) {
        tag_->SetText(TagCodesToText(ItemMap::GetGroupTag(image_, group)));
        groupScan_->SetValue(ItemMap::GetGroupScanFlag(image_, group) == 0);
        spin_->SetValue(group);
    } else {
        tag_->SetText("");
        groupScan_->SetValue(false);
    }
    if (PaneHost* host = MainPaneHost())
        if (HPainBaseDlg* grid = host->ActivePane()) grid->RefreshFromImage();
}

void PaneSelectorDialog::CommitTag() {
    const int group = SelectedGroup();
    if (group < 0 || !tag_->IsEnabled() || !tag_->IsEditable()) return;
    tag_->CorrectOnLeave();
    ItemMap::SetGroupTag(image_, group, TagTextToCodes(tag_->GetText(), 8));
}

void PaneSelectorDialog::ApplyVisibility() {
    const int variant = Model::GetBandSelection(image_);
    for (const ControlRuleRow& row : kVisibility) {
        wxWindow* control = FindWindow(row.controlId);
        if (!control) continue;
        const Visibility v = VisibilityOf(row.controlId, variant, AppState::ServiceMode());
        control->Show(v.shown);
        control->Enable(v.enabled);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) edit->SetEditable(!v.readOnly);
    }
    Layout();
}

void PaneSelectorDialog::RefreshFromImage() {
    const int group = SelectedGroup();
    const int count = GroupCount(image_);
    if (count != listed_) RebuildList(count);
    if (group >= 0 && group < static_cast<int>(groups_->GetCount()))
        groups_->SetSelection(group);
    else if (groups_->GetCount() > 0)
        groups_->SetSelection(0);
    ShowGroup();
    ApplyVisibility();
}

void PaneSelectorDialog::SelectNext() {
    const int count = static_cast<int>(groups_->GetCount());
    if (count == 0) return;
    SelectGroup((SelectedGroup() + 1) % count);
}

void PaneSelectorDialog::SelectPrevious() {
    const int count = static_cast<int>(groups_->GetCount());
    if (count == 0) return;
    const int group = SelectedGroup();
    SelectGroup(group <= 0 ? count - 1 : group - 1);
}

void inner_ConvDlg::PrepareTabs() {
    while (tabs_->GetItemCount() > 1) tabs_->DeleteItem(tabs_->GetItemCount() - 1);
    for (int i = 0; i < tabs_->GetItemCount(); ++i)
        if (tabs_->GetItemData(i) == paneKind_) tabs_->SetCurSel(i);
    tabs_->Bind(EVT_TAB_SELCHANGE, [this](wxCommandEvent& event) {
        PostToMainWindow(this, EVT_PANE_REPLACE_ACTIVE, static_cast<int>(tabs_->GetItemData(event.GetInt())));
    });
}
