#pragma once
// C2ToneSettingDlg: the 2-Tone Setting dialog as a page of the radio-wide
// settings framework: decode precision, lead delays, beep repeat interval,
// call beep level, call key encode code, auto reset beep and time, and the
// frequencies of 2-tone tones 0-9. OK refuses overlapping decode bands
// (message 61206) and marks the offending tones; it writes only what the user
// changed, then brings the decoder registers up to date.
#include <array>
#include <functional>
#include <memory>

#include "settings/SettingsPage.h"
#include "tone/TwoToneSettingRules.h"
#include "ui/PrintableScreen.h"

class wxWindow;
class SettingsDlg;

class C2ToneSettingDlg : public Settings::SettingsPage {
  public:
    enum { IDD = 403 };
    enum {
        IDC_PRECISION = 2101,
        IDC_BEEP_INTERVAL = 2107,
        IDC_BEEP_LEVEL = 2108,
        IDC_CALL_CODE = 2109,
        IDC_RESET_BEEP = 2110,
        IDC_RESET_TIME = 2111,
        IDC_LEAD_IN = 2301,
        IDC_LEAD_OUT = 2302,
        IDC_TONE0 = 2303,  // tones 0-9: 2303-2312
    };
    static constexpr const char* Caption = "2-Tone Setting";
    static constexpr const char* Section = "Tone2_Setting";

    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
    // Runs the dialog on the working copy; true on OK.
    static bool Edit(wxWindow* parent, CloneImage& working);
    static std::unique_ptr<PrintableScreen> Print(const CloneImage& image);
    // Ties the page's own window behaviour to `dialog`: the marked tone edits
    // turn red, and Enter or a double click in a tone edit opens the code plan.
    static void Attach(SettingsDlg& dialog, C2ToneSettingDlg& page);
    // A chosen code plan row applied to the tones; `edit` is the tone 0-9
    // the popup was opened from.
    void ApplyCodePlan(int row, int edit);

    // The tones whose decode band overlaps another's, from the last OK.
    const std::array<bool, TwoToneSetting::ToneCount>& Marks() const { return marks_; }
    // Called whenever the marks change (the window colours the edits).
    std::function<void()> onMarks;

    bool Validate() override;
    void Edited(int controlId) override;
    void Left(int controlId) override;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    C2ToneSettingDlg() : SettingsPage(IDD) {}
    TwoToneSetting::ToneTexts Tones() const;

    std::array<bool, TwoToneSetting::ToneCount> marks_{};
    TwoToneSetting::Values loaded_;
};
