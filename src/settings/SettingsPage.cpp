#include "settings/SettingsPage.h"

#include <algorithm>

#include "image/Model.h"
#include "language/Language.h"
#include "ui/MessageService.h"

namespace Settings {

SettingsPage::SettingsPage(int idd, std::string tabLabel) : idd_(idd), tabLabel_(std::move(tabLabel)) {}

void SettingsPage::AddCombo(int labelId, std::string label, int id, ItemList list, Getter get, Setter set) {
    AddCombo(labelId, std::move(label), id, RowsOf(list), std::move(get), std::move(set));
}

void SettingsPage::AddCombo(int labelId, std::string label, int id, std::vector<ListRow> rows, Getter get,
                            Setter set) {
    if (labelId) form_.Add(labelId, ControlKind::Label, std::move(label));
    form_.Add(id, ControlKind::Combo).rows = std::move(rows);
    Place(labelId, id);
    if (get) bindings_.push_back({id, std::move(get), std::move(set)});
}

void SettingsPage::AddEmptyCombo(int labelId, std::string label, int id) {
    AddCombo(labelId, std::move(label), id, std::vector<ListRow>{}, nullptr, nullptr);
}

void SettingsPage::AddEdit(int labelId, std::string label, const PageControlSpec& spec) {
    const int id = static_cast<int>(spec.controlId);
    if (labelId) form_.Add(labelId, ControlKind::Label, std::move(label));
    form_.Add(id, ControlKind::Edit).spec = spec;
    Place(labelId, id);
}

void SettingsPage::AddCheck(int id, std::string caption, int labelId, std::string label) {
    if (labelId) form_.Add(labelId, ControlKind::Label, std::move(label));
    form_.Add(id, ControlKind::Check, std::move(caption));
    Place(labelId, id);
}

void SettingsPage::AddCheck(int id, std::string caption, Getter get, Setter set, std::int32_t checkedValue,
                            std::int32_t uncheckedValue) {
    AddCheck(id, std::move(caption));
    bindings_.push_back({id, std::move(get), std::move(set), true, checkedValue, uncheckedValue});
}

void SettingsPage::AddButton(int id, std::string caption, int labelId, std::string label) {
    if (labelId) form_.Add(labelId, ControlKind::Label, std::move(label));
    form_.Add(id, ControlKind::Button, std::move(caption));
    Place(labelId, id);
}

void SettingsPage::AddLabel(int id, std::string caption) {
    form_.Add(id, ControlKind::Label, std::move(caption));
    Place(id, 0);
}

void SettingsPage::BeginRow(int labelId, std::string label) {
    if (labelId) form_.Add(labelId, ControlKind::Label, std::move(label));
    layout_.push_back({labelId, 0});
    rowOpen_ = true;
}

void SettingsPage::Place(int labelId, int controlId) {
    if (!rowOpen_) {
        layout_.push_back({labelId, controlId});
        return;
    }
    LayoutRow& row = layout_.back();
    for (const int id : {labelId, controlId}) {
        if (!id) continue;
        if (!row.controlId)
            row.controlId = id;
        else
            row.beside.push_back(id);
    }
}

int SettingsPage::Columns() const {
    int columns = 2;
    for (const LayoutRow& row : layout_) columns = std::max(columns, row.Cells());
    return columns;
}

std::int32_t SettingsPage::LoadedValue(int id) const {
    const auto it = loaded_.find(id);
    return it == loaded_.end() ? -1 : it->second;
}

void SettingsPage::Open(const CloneImage& image, int serviceMode) {
    if (!built_) {
        Build();
        built_ = true;
    }
    opening_ = &image;
    variant_ = Model::GetBandSelection(image);
    FilterLists(image);
    Load(image);
    AfterLoad();
    if (ruleRows_) {
        std::size_t count = 0;
        while (ruleRows_[count].controlId != -1) ++count;
        form_.ApplyRestrictions({ruleRows_, count}, variant_, serviceMode, *this);
    }
    AfterRules();
    form_.ClearInvalid();
    opening_ = nullptr;
}

void SettingsPage::Load(const CloneImage& image) {
    for (const auto& binding : bindings_) {
        const std::int32_t value = binding.get(image);
        loaded_[binding.id] = value;
        if (binding.check)
            form_.SetChecked(binding.id, value == binding.checkedValue);
        else if (!form_.SelectValue(binding.id, value))
            form_.MarkInvalid(binding.id);
        Loaded(binding.id);
    }
    LoadOwn(image);
}

void SettingsPage::Save(CloneImage& image) {
    for (const auto& binding : bindings_) {
        if (!binding.set || !Writable(binding.id)) continue;
        std::int32_t value = form_.Value(binding.id);
        if (binding.check) {
            // A check box's loaded state, not the stored value, tells a change.
            const bool loadedChecked = LoadedValue(binding.id) == binding.checkedValue;
            if (form_.Checked(binding.id) == loadedChecked) continue;
            value = form_.Checked(binding.id) ? binding.checkedValue : binding.uncheckedValue;
        } else if (value == -1 || value == LoadedValue(binding.id)) {
            continue;
        }
        binding.set(image, value);
    }
    SaveOwn(image);
}

SettingsDialogModel::SettingsDialogModel(DialogSpec spec, std::vector<std::unique_ptr<SettingsPage>> pages)
    : spec_(std::move(spec)), pages_(std::move(pages)) {}

void SettingsDialogModel::SetPrinting(bool printing) {
    for (auto& page : pages_) page->SetPrinting(printing);
}

void SettingsDialogModel::Open(const CloneImage& image, int serviceMode) {
    for (auto& page : pages_) page->Open(image, serviceMode);
}

bool SettingsDialogModel::Confirm(CloneImage& image) {
    for (auto& page : pages_)
        if (!page->Validate()) return false;
    for (auto& page : pages_) page->Save(image);
    return true;
}

int ShowRidMessage(int rid, std::string_view suffix, unsigned style) {
    constexpr int kApplicationTitle = 57344;
    return ShowMessage(GetRIDText(rid) + std::string(suffix), GetRIDText(kApplicationTitle), style);
}

}  // namespace Settings
