#pragma once
// One page of a radio-wide settings dialog, without a window: the controls it
// shows (a SettingsForm), the layout rows the binder builds them from, the
// items each combo box is bound to, and the page's own rules.
//
// Opening runs the same steps for every page: build the controls, load them
// from the image, run the dependent rules once, apply the restriction table,
// and show no value where the stored value had no row. OK writes back only
// what the user changed: a combo box without a selection, or whose value is
// the one loaded, writes nothing, so a second OK without edits changes no
// byte and an out-of-list stored value is kept.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"
#include "image/ItemList.h"
#include "settings/SettingsForm.h"

namespace Settings {

using Getter = std::function<std::int32_t(const CloneImage&)>;
using Setter = std::function<void(CloneImage&, std::int32_t)>;

// One line of a page: a caption and the control beside it. A row without a
// caption (labelId 0) holds the control alone. A row opened with BeginRow
// holds further controls (and captions) to the right, in `beside`, left to
// right; each is a cell of its own on screen and in the printout.
struct LayoutRow {
    int labelId;
    int controlId;
    std::vector<int> beside = {};
    // The cells the line takes: the caption, the control, those beside it.
    int Cells() const { return 2 + static_cast<int>(beside.size()); }
};

class SettingsPage : public RuleChecks {
  public:
    // `idd`: the page's template id (texts, help); `tabLabel`: its tab in a
    // container.
    explicit SettingsPage(int idd, std::string tabLabel = {});
    ~SettingsPage() override = default;

    int Idd() const { return idd_; }
    const std::string& TabLabel() const { return tabLabel_; }
    SettingsForm& Form() { return form_; }
    const SettingsForm& Form() const { return form_; }
    const std::vector<LayoutRow>& Layout() const { return layout_; }
    // The cells of the page's widest line (at least caption and control).
    int Columns() const;
    // The restriction table (ended by id -1); null when the page has none.
    const ControlRuleRow* RuleRows() const { return ruleRows_; }
    // The rows the printout walks; the restriction table unless a page
    // prints differently.
    virtual const ControlRuleRow* PrintRows() const { return ruleRows_; }
    // The cells a printed line has; the widest line's unless the page
    // prints its wide lines differently.
    virtual int PrintColumns() const { return Columns(); }
    int Variant() const { return variant_; }
    // Opened only to be printed: no window will show the page.
    void SetPrinting(bool printing) { printing_ = printing; }
    bool Printing() const { return printing_; }

    // The opening steps on `image` (the working copy, or the image printed).
    void Open(const CloneImage& image, int serviceMode);

    // OK: the page's own check; false keeps the dialog open (the page has
    // told the user why).
    virtual bool Validate() { return true; }
    // Writes what the user changed into `image`.
    virtual void Save(CloneImage& image);

    // What the user did: picked a row or clicked a check box; typed into an
    // edit; left an edit.
    virtual void Changed(int /*controlId*/) {}
    virtual void Edited(int /*controlId*/) {}
    virtual void Left(int /*controlId*/) {}
    // A combo box got the keyboard focus (a page whose lists depend on the
    // other controls offers them anew here).
    virtual void Entered(int /*controlId*/) {}
    // The captions printed as a heading row of the page's table, one cell
    // each (none: no heading row).
    virtual std::vector<int> PrintHeading() const { return {}; }

  protected:
    // Adds the page's controls, layout rows and bindings.
    virtual void Build() = 0;
    // Offers the rows that depend on the image (the item combo filters),
    // before loading.
    virtual void FilterLists(const CloneImage& /*image*/) {}
    // Fills the controls from the image: every bound combo box, then the
    // page's own controls.
    virtual void Load(const CloneImage& image);
    virtual void LoadOwn(const CloneImage& /*image*/) {}
    // The dependent rules, once, after loading.
    virtual void AfterLoad() {}
    // After the restriction table: the rules that override it.
    virtual void AfterRules() {}
    // The page's own controls on OK (edits, check boxes).
    virtual void SaveOwn(CloneImage& /*image*/) {}
    // After each bound control was loaded, in table order: a page whose
    // lists depend on an earlier control's value fills them here.
    virtual void Loaded(int /*controlId*/) {}
    // Whether OK may write a bound control at all (the base: always).
    virtual bool Writable(int /*controlId*/) const { return true; }

    // A caption and a combo box listing `list`, bound to an item.
    void AddCombo(int labelId, std::string label, int id, ItemList list, Getter get, Setter set);
    void AddCombo(int labelId, std::string label, int id, std::vector<ListRow> rows, Getter get, Setter set);
    // A caption and a combo box that is never filled, loaded or saved.
    void AddEmptyCombo(int labelId, std::string label, int id);
    // A caption and an edit configured by `spec`.
    void AddEdit(int labelId, std::string label, const PageControlSpec& spec);
    void AddCheck(int id, std::string caption, int labelId = 0, std::string label = {});
    // A check box bound to an item: checked while the item holds
    // `checkedValue`; saving writes `checkedValue` or `uncheckedValue`.
    void AddCheck(int id, std::string caption, Getter get, Setter set, std::int32_t checkedValue,
                  std::int32_t uncheckedValue);
    void AddButton(int id, std::string caption, int labelId = 0, std::string label = {});
    // A caption of its own (a row without a control; inside a line opened
    // by BeginRow, a cell of its own).
    void AddLabel(int id, std::string caption);
    // Until EndRow, the controls added (each with its caption, if any) go
    // side by side on one line after the caption `labelId` (0 none) instead
    // of one line each.
    void BeginRow(int labelId = 0, std::string label = {});
    void EndRow() { rowOpen_ = false; }
    void SetRuleRows(const ControlRuleRow* rows) { ruleRows_ = rows; }

    // The value a bound combo box was loaded with (-1 when none).
    std::int32_t LoadedValue(int id) const;
    // The image being opened; null outside Open.
    const CloneImage* OpeningImage() const { return opening_; }

  private:
    // Starts a line of `labelId` and `controlId`, or appends both (those not
    // 0) to the open line.
    void Place(int labelId, int controlId);

    struct Binding {
        int id;
        Getter get;
        Setter set;
        bool check = false;
        std::int32_t checkedValue = 0, uncheckedValue = 0;
    };

    int idd_;
    std::string tabLabel_;
    SettingsForm form_;
    std::vector<LayoutRow> layout_;
    std::vector<Binding> bindings_;
    std::map<int, std::int32_t> loaded_;
    const ControlRuleRow* ruleRows_ = nullptr;
    const CloneImage* opening_ = nullptr;
    int variant_ = 0;
    bool built_ = false;
    bool printing_ = false;
    bool rowOpen_ = false;
};

// A dialog: its template, caption and settings section, and its pages. A
// container shows its pages under tabs (control 1130).
struct DialogSpec {
    int idd;
    std::string caption;
    std::string section;  // where "Position" is kept
    bool container;
    // The user may make it larger (never smaller than it opened); its pages
    // take the spare room.
    bool resizable = false;
};

class SettingsDialogModel {
  public:
    SettingsDialogModel(DialogSpec spec, std::vector<std::unique_ptr<SettingsPage>> pages);
    virtual ~SettingsDialogModel() = default;

    const DialogSpec& Spec() const { return spec_; }
    std::size_t PageCount() const { return pages_.size(); }
    SettingsPage& Page(std::size_t i) { return *pages_[i]; }
    const SettingsPage& Page(std::size_t i) const { return *pages_[i]; }

    void Open(const CloneImage& image, int serviceMode);
    void SetPrinting(bool printing);
    // OK: every page's check, then every page's save; false when a check
    // failed (nothing is written then).
    bool Confirm(CloneImage& image);

  private:
    DialogSpec spec_;
    std::vector<std::unique_ptr<SettingsPage>> pages_;
};

// A message box of string-table text `rid` (in the current language) with
// `suffix` appended, under the application's title; returns the answer.
int ShowRidMessage(int rid, std::string_view suffix, unsigned style);

}  // namespace Settings
