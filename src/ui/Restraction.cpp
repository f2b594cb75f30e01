#include "ui/Restraction.h"

#include "image/ImageHost.h"

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
