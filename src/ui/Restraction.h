#pragma once
// Which controls of a settings page the user may see and change, by radio
// variant and service mode. A page states this once as a constant table of
// ControlRuleRow rows; its CRestraction subclass answers the few decisions
// that need code. ApplyRestraction enforces the table when the page opens;
// IsControlPrintable decides what the page's printout shows.
#include <cstdint>
#include <span>

class wxWindow;

struct ControlRuleRow {
    std::int32_t controlId;      // -1 ends the table
    std::uint32_t restrict;      // 0: states 1, 2 and 6 count as 0 when the page opens
    const std::uint8_t* states;  // 15 bytes: [variant * 3 + service mode]
};

inline constexpr int RestrictionVariants = 5;
inline constexpr int RestrictionServiceModes = 3;

namespace RestrictionState {
inline constexpr int None = 0, Disable = 1, Check = 2, Hide = 3, HideToo = 4, CheckUnconditional = 5,
                     DisableClear = 6;
}

// The rule object of one page: the dialog that holds the controls, and in
// subclasses whatever the page's own checks need (usually the image).
class CRestraction {
  public:
    explicit CRestraction(wxWindow* dialog = nullptr) : dialog_(dialog) {}
    virtual ~CRestraction() = default;

    // State 2: a page-specific rule for one control. The base does nothing.
    virtual void CheckControl(int /*controlId*/) {}
    // State 5: a page-specific rule; answers 1 when the control is shown.
    virtual int CheckControlUnconditional(int /*controlId*/) { return 0; }

    wxWindow* Dialog() const { return dialog_; }

  protected:
    wxWindow* dialog_;
};

// The state byte of a row for a variant and service mode; -1 when the row
// has no states block or the variant or mode lies outside the table.
int RuleState(const ControlRuleRow& row, int variant, int serviceMode);
// The state ApplyRestraction acts on: with restrict 0, states 1, 2 and 6
// count as 0.
int OpeningState(const ControlRuleRow& row, int variant, int serviceMode);

// Hides, disables, clears or asks the rule object, row by row up to the
// end row, with the current service mode (or the one given).
void ApplyRestraction(std::span<const ControlRuleRow> rows, int variant, CRestraction& rules);
void ApplyRestraction(std::span<const ControlRuleRow> rows, int variant, int serviceMode,
                      CRestraction& rules);
// State 6 for one control: disable it and clear its value.
void ApplyRestractionToControl(wxWindow* control);

// Whether the control of one row appears in the page's printout.
bool IsControlPrintable(int variant, const ControlRuleRow& row, CRestraction& rules);
bool IsControlPrintable(int variant, int serviceMode, const ControlRuleRow& row, CRestraction& rules);
