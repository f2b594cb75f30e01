#pragma once
// The window-free state of one settings page: every control with its kind,
// its listed rows, its selection, text or check, and whether it is enabled
// and visible. Loading, saving, the restriction table, the dependent rules and
// the printout all run on this model; the wx binder (SettingsDlg) only shows
// it and reports what the user did.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/ItemList.h"
#include "ui/EditRules.h"
#include "ui/Restraction.h"

namespace Settings {

enum class ControlKind { Label, Combo, Edit, Check, Button };

// A listed row of a combo box; its text is owned so that lists built at run
// time (resume times, channel rows) need no static storage.
struct ListRow {
    std::int32_t value;
    std::string text;
    bool operator==(const ListRow&) const = default;
};
// The rows of an item list before its end row whose text is not empty.
std::vector<ListRow> RowsOf(ItemList list);

struct FormControl {
    int id = 0;
    ControlKind kind = ControlKind::Label;
    std::string caption;        // label, check box or button text
    std::vector<ListRow> rows;  // combo box: the rows it lists
    int selection = -1;         // combo box: listed row, -1 none
    std::string text;           // edit: its contents
    PageControlSpec spec{};     // edit: its key filter and length
    std::string format;         // edit: the display format of a number kind (empty: the kind's own)
    bool signedText = false;    // edit: a number kind takes a minus sign
    bool checked = false;       // check box
    bool enabled = true;
    bool visible = true;
};

// What a page's restriction states 2 and 5 ask of the page.
class RuleChecks {
  public:
    virtual ~RuleChecks() = default;
    // State 2: a page-specific rule applied to one control.
    virtual void CheckControl(int /*controlId*/) {}
    // State 5: true when the control is shown and enabled.
    virtual bool CheckUnconditional(int /*controlId*/) { return false; }
};

class SettingsForm {
  public:
    FormControl& Add(int id, ControlKind kind, std::string caption = {});
    FormControl* Find(int id);
    const FormControl* Find(int id) const;
    const std::vector<FormControl>& Controls() const { return controls_; }

    // ---- combo boxes --------------------------------------------------------
    // Lists `rows`; the selected value stays selected when it is still listed.
    void SetRows(int id, std::vector<ListRow> rows);
    // Selects the first listed row of `value`; false (and no selection) when
    // no row has it.
    bool SelectValue(int id, std::int32_t value);
    // What the user picked: a listed row by position (-1 none).
    void SelectIndex(int id, int index);
    // The selected row's value; -1 when nothing is selected (or no combo).
    std::int32_t Value(int id) const;
    std::string SelectedText(int id) const;

    // ---- edits and check boxes ---------------------------------------------------
    void SetText(int id, std::string text);
    std::string Text(int id) const;
    void SetChecked(int id, bool checked);
    bool Checked(int id) const;

    // ---- state ---------------------------------------------------------------------------
    void Enable(int id, bool enabled);
    void Show(int id, bool visible);
    bool IsEnabled(int id) const;
    bool IsVisible(int id) const;
    // Shows no value: no selection, empty text, unchecked.
    void ClearValue(int id);

    // The controls whose stored value had no row when the page loaded.
    void MarkInvalid(int id);
    const std::vector<int>& Invalid() const { return invalid_; }
    // Every invalid control shows no value.
    void ClearInvalid();

    // The opening rules of a restriction table (ended by id -1): disable,
    // hide, ask the page, or disable and clear, for the variant and mode.
    void ApplyRestrictions(std::span<const ControlRuleRow> rows, int variant, int serviceMode,
                           RuleChecks& checks);

    // Counts every change; the binder shows the form again when it moved.
    unsigned Revision() const { return revision_; }
    // The control the page asks to give the keyboard focus to (0 none).
    int TakeFocusRequest();
    void RequestFocus(int id) { focusRequest_ = id; }
    // The page asks for OK as if the user had pressed it.
    void RequestConfirm() { confirmRequest_ = true; }
    bool TakeConfirmRequest() { return std::exchange(confirmRequest_, false); }

  private:
    FormControl& At(int id);
    std::vector<FormControl> controls_;
    std::vector<int> invalid_;
    unsigned revision_ = 0;
    int focusRequest_ = 0;
    bool confirmRequest_ = false;
};

}  // namespace Settings
