#include "settings/SettingsForm.h"

#include <algorithm>

namespace Settings {

std::vector<ListRow> RowsOf(ItemList list) {
    std::vector<ListRow> rows;
    for (const auto& row : list) {
        if (row.value == ItemListEnd) break;
        if (row.text && *row.text) rows.push_back({row.value, row.text});
    }
    return rows;
}

FormControl& SettingsForm::Add(int id, ControlKind kind, std::string caption) {
    FormControl control;
    control.id = id;
    control.kind = kind;
    control.caption = std::move(caption);
    controls_.push_back(std::move(control));
    ++revision_;
    return controls_.back();
}

FormControl* SettingsForm::Find(int id) {
    auto it =
        std::find_if(controls_.begin(), controls_.end(), [id](const FormControl& c) { return c.id == id; });
    return it == controls_.end() ? nullptr : &*it;
}

const FormControl* SettingsForm::Find(int id) const {
    return const_cast<SettingsForm*>(this)->Find(id);
}

// A page that names a control it never added has a fault in its tables;
// a spare control keeps that from touching anything real.
FormControl& SettingsForm::At(int id) {
    if (FormControl* control = Find(id)) return *control;
    static FormControl spare;
    spare = FormControl{};
    return spare;
}

void SettingsForm::SetRows(int id, std::vector<ListRow> rows) {
    FormControl& control = At(id);
    const std::int32_t value = Value(id);
    control.rows = std::move(rows);
    control.selection = -1;
    if (value != -1) {
        for (std::size_t i = 0; i < control.rows.size(); ++i)
            if (control.rows[i].value == value) {
                control.selection = static_cast<int>(i);
                break;
            }
    }
    ++revision_;
}

bool SettingsForm::SelectValue(int id, std::int32_t value) {
    FormControl& control = At(id);
    control.selection = -1;
    for (std::size_t i = 0; i < control.rows.size(); ++i)
        if (control.rows[i].value == value) {
            control.selection = static_cast<int>(i);
            break;
        }
    ++revision_;
    return control.selection != -1;
}

void SettingsForm::SelectIndex(int id, int index) {
    FormControl& control = At(id);
    control.selection = index >= 0 && index < static_cast<int>(control.rows.size()) ? index : -1;
    ++revision_;
}

std::int32_t SettingsForm::Value(int id) const {
    const FormControl* control = Find(id);
    if (!control || control->selection < 0 || control->selection >= static_cast<int>(control->rows.size()))
        return -1;
    return control->rows[control->selection].value;
}

std::string SettingsForm::SelectedText(int id) const {
    const FormControl* control = Find(id);
    if (!control || control->selection < 0 || control->selection >= static_cast<int>(control->rows.size()))
        return {};
    return control->rows[control->selection].text;
}

void SettingsForm::SetText(int id, std::string text) {
    At(id).text = std::move(text);
    ++revision_;
}

std::string SettingsForm::Text(int id) const {
    const FormControl* control = Find(id);
    return control ? control->text : std::string{};
}

void SettingsForm::SetChecked(int id, bool checked) {
    At(id).checked = checked;
    ++revision_;
}

bool SettingsForm::Checked(int id) const {
    const FormControl* control = Find(id);
    return control && control->checked;
}

void SettingsForm::Enable(int id, bool enabled) {
    At(id).enabled = enabled;
    ++revision_;
}

void SettingsForm::Show(int id, bool visible) {
    At(id).visible = visible;
    ++revision_;
}

bool SettingsForm::IsEnabled(int id) const {
    const FormControl* control = Find(id);
    return control && control->enabled;
}

bool SettingsForm::IsVisible(int id) const {
    const FormControl* control = Find(id);
    return control && control->visible;
}

void SettingsForm::ClearValue(int id) {
    FormControl& control = At(id);
    control.selection = -1;
    if (control.kind == ControlKind::Edit) control.text.clear();
    control.checked = false;
    ++revision_;
}

void SettingsForm::MarkInvalid(int id) {
    if (std::find(invalid_.begin(), invalid_.end(), id) == invalid_.end()) invalid_.push_back(id);
}

void SettingsForm::ClearInvalid() {
    for (const int id : invalid_) ClearValue(id);
}

void SettingsForm::ApplyRestrictions(std::span<const ControlRuleRow> rows, int variant, int serviceMode,
                                     RuleChecks& checks) {
    for (const auto& row : rows) {
        if (row.controlId == -1) break;
        if (!Find(row.controlId)) continue;
        switch (OpeningState(row, variant, serviceMode)) {
            case RestrictionState::Disable:
                Enable(row.controlId, false);
                break;
            case RestrictionState::Check:
                checks.CheckControl(row.controlId);
                break;
            case RestrictionState::Hide:
            case RestrictionState::HideToo:
                Show(row.controlId, false);
                Enable(row.controlId, false);
                break;
            case RestrictionState::CheckUnconditional:
                if (checks.CheckUnconditional(row.controlId)) {
                    Enable(row.controlId, true);
                    Show(row.controlId, true);
                } else {
                    Enable(row.controlId, false);
                    ClearValue(row.controlId);
                }
                break;
            case RestrictionState::DisableClear:
                Enable(row.controlId, false);
                ClearValue(row.controlId);
                break;
            default:
                break;
        }
    }
}

int SettingsForm::TakeFocusRequest() {
    const int id = focusRequest_;
    focusRequest_ = 0;
    return id;
}

}  // namespace Settings
