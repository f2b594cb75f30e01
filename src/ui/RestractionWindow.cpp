// The window half of the restriction rules: applying a page's table to its
// controls. The table's reading (Restraction.cpp) needs no window.
#include <wx/window.h>

#include "image/ImageHost.h"
#include "ui/Restraction.h"
#include "ui/UiUtil.h"

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
