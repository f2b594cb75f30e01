#pragma once
// "Key Function": the function of each programmable key, once for a short
// press and once for press and hold, one line per key (caption, press
// combo, press-and-hold combo). Portables and repeaters edit Side-1, Side-2
// and the A-D keypad keys (template 358); mobiles the radio keys Up, Down,
// P1-P4 and the microphone keys (template 606). Everything the page decides
// comes from KeyFunctions::KeyAssignments.
#include <memory>
#include <span>

#include "settings/KeyAssignments.h"
#include "settings/SettingsPage.h"

class CKeyFunctionPage : public Settings::SettingsPage {
  public:
    enum { IDC_KEY_NAME = 3202, IDC_PRESS = 3203, IDC_HOLD = 3204, IDC_FUNCTION_NAMES = 3901 };
    static constexpr const char* Caption = "Key Function";
    static constexpr const char* Section = "KeyFunction";

    // One line: the key's caption and its two combo boxes.
    struct KeyLine {
        int labelId;
        const char* label;
        int pressId;
        int holdId;
    };

    CKeyFunctionPage(Settings::KeyFunctions::Radio radio, int idd, std::span<const KeyLine> lines,
                     const ControlRuleRow* rules);

    const Settings::KeyFunctions::KeyAssignments& Keys() const { return keys_; }
    void Changed(int controlId) override;
    void Entered(int controlId) override;
    std::vector<int> PrintHeading() const override { return {IDC_KEY_NAME, IDC_PRESS, IDC_HOLD}; }
    int HelpSub() const override { return keys_.HelpSub(); }

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    // The key index of a combo box; -1 for any other control.
    int KeyOf(int controlId) const;
    int ComboOf(int key) const;
    std::vector<Settings::ListRow> RowsOf(const std::vector<int>& codes) const;
    // Shows key k's press-and-hold as the press leaves it.
    void ShowHold(int key);

    Settings::KeyFunctions::Radio radio_;
    std::span<const KeyLine> lines_;
    const ControlRuleRow* rules_;
    Settings::KeyFunctions::KeyAssignments keys_;
};

// Portables and repeaters.
class CKeyFunctionDlg {
  public:
    enum { IDD = 358 };
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};

// Mobiles.
class CKeyFunctionDlgM {
  public:
    enum { IDD = 606 };
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};

namespace KeyFunctionScreens {
// The dialog the menu opens for the image's product type (mobile 0: 606,
// the others 358); the printout prints the same one.
std::unique_ptr<Settings::SettingsDialogModel> MakeDialogFor(const CloneImage& image);
}  // namespace KeyFunctionScreens
