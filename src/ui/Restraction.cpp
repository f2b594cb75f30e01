#include "ui/Restraction.h"

#include <wx/window.h>

#include "image/ImageHost.h"
#include "ui/UiUtil.h"

int RuleState(const ControlRuleRow& row, int variant, int serviceMode) {
    if (!row.states || variant < 0 || variant >= RestrictionVariants || serviceMode < 0 ||
        serviceMode >= RestrictionServiceModes)
        return -1;
    return row.states[variant * RestrictionServiceModes + serviceMode];
}

int OpeningState(const ControlRuleRow& row, int variant, int serviceMode) {
    int state = RuleState(row, variant, serviceMode);
    if (row.restrict == 0 && (state == RestrictionState::Disable || state == RestrictionState::Check ||
                              state == RestrictionState::DisableClear))
        return RestrictionState::None;
    return state;
}

void ApplyRestractionToControl(wxWindow* control) {
    if (!control) return;
    control->Disable();
    UiUtil::ClearControl(control);
}

void ApplyRestraction(std::span<const ControlRuleRow> rows, int variant, CRestraction& rules) {
    ApplyRestraction(rows, variant, Host().ServiceMode(), rules);
}

void ApplyRestraction(std::span<const ControlRuleRow> rows, int variant, int serviceMode,
                      CRestraction& rules) {
    wxWindow* dialog = rules.Dialog();
    for (const auto& row : rows) {
        if (row.controlId == -1) break;
        // A row naming a control the dialog lacks is skipped: the table and
        // the dialog disagree, and guessing would touch the wrong window.
        wxWindow* control = dialog ? dialog->FindWindow(row.controlId) : nullptr;
        if (!control) continue;
        switch (OpeningState(row, variant, serviceMode)) {
            case RestrictionState::Disable:
                control->Disable();
                break;
            case RestrictionState::Check:
                rules.CheckControl(row.controlId);
                break;
            case RestrictionState::Hide:
            case RestrictionState::HideToo:
                control->Hide();
                control->Disable();
                break;
            case RestrictionState::CheckUnconditional:
                rules.CheckControlUnconditional(row.controlId);
                break;
            case RestrictionState::DisableClear:
                ApplyRestractionToControl(control);
                break;
            default:
                break;
        }
    }
}

bool IsControlPrintable(int variant, const ControlRuleRow& row, CRestraction& rules) {
    return IsControlPrintable(variant, Host().ServiceMode(), row, rules);
}

bool IsControlPrintable(int variant, int serviceMode, const ControlRuleRow& row, CRestraction& rules) {
    if (row.controlId == -1 || !row.states) return false;
    int state = RuleState(row, variant, serviceMode);
    if (row.restrict == 0 && (state == RestrictionState::Disable || state == RestrictionState::Check))
        state = RestrictionState::None;
    switch (state) {
        case RestrictionState::None:
        case RestrictionState::Disable:
        case RestrictionState::Check:
            return true;
        case RestrictionState::CheckUnconditional:
            return rules.CheckControlUnconditional(row.controlId) == 1;
        default:
            return false;
    }
}
