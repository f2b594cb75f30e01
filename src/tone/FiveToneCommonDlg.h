#pragma once
// The 5-Tone Common dialog: the settings every 5-tone system shares (block 13
// offsets 0x00-0x18), on three pages of the radio-wide settings framework.
// "Common 1" holds the digit masks, beep and decode precision; "Common 2" the
// transmit timing, PTT call and call key codes; "Common 3" side tone,
// decoding, tone repetition and transponding. The three pages each hold a
// 5-Tone Setup combo and keep them on one row; "Advanced" greys the timing
// controls of pages 2 and 3. OK saves the pages in order and then brings the
// 5-tone tone registers up to date.
#include <array>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>

#include "settings/SettingsPage.h"
#include "ui/PrintableScreen.h"

class wxWindow;

class C5ToneCommonPage;

class C5ToneCommonDlg {
  public:
    enum { IDD = 407, IDD_PAGE1 = 408, IDD_PAGE2 = 409, IDD_PAGE3 = 410 };
    enum {
        IDC_SETUP = 2101,
        // Page 1.
        IDC_BEEP_INTERVAL = 2105,
        IDC_BEEP_LEVEL = 2106,
        IDC_DECODE_PRECISION = 2110,
        IDC_TP40_LEAD_IN = 2112,
        IDC_LEAD_IN_GAP = 2116,
        IDC_DISPLAY_DIGIT1 = 2201,  // digits 1-8: 2201-2208
        IDC_COMPARE_DIGIT1 = 2209,  // digits 1-8: 2209-2216
        // Page 2.
        IDC_AUTO_TX = 2102,
        IDC_LEAD_IN_DELAY = 2103,
        IDC_EXTEND_1ST = 2104,
        IDC_SECOND_LAST_GAP = 2105,
        IDC_LAST_GAP = 2106,
        IDC_LEAD_OUT_DELAY = 2107,
        IDC_ACK_DECODE = 2108,
        IDC_TRANSPOND_RETRY = 2109,
        IDC_PTT_CALL = 2110,
        IDC_CALL1_CODE = 2111,
        IDC_CALL2_CODE = 2112,
        IDC_CALL3_CODE = 2113,
        IDC_EMERGENCY_CODE = 2116,
        // Page 3.
        IDC_SIDE_TONE = 2106,
        IDC_MIN_DECODE_DIGIT = 2108,
        IDC_MONITOR_MODE = 2109,
        IDC_REPEAT_TONE = 2110,
        IDC_GROUP_TONE = 2111,
        IDC_LAST_GAP_TONE = 2112,
        IDC_PERIODIC_ANI = 2113,
        IDC_ANI_LOCKOUT = 2114,
        IDC_TRANSPOND_DELAY = 2115,
        IDC_CLEAR_TO_TRANSPOND = 2117,
        IDC_TAG_DISPLAY = 2202,
        IDC_ANI_DISPLAY = 2203,
    };
    static constexpr const char* Caption = "5-Tone Common";
    static constexpr const char* Section = "Tone5_Common";

    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
    // Runs the dialog on the working copy; true on OK.
    static bool Edit(wxWindow* parent, CloneImage& working);
    static std::unique_ptr<PrintableScreen> Print(const CloneImage& image);
};

// What the three pages share: the 5-Tone Setup row and the Last Gap limit
// on page 1's lead-in tone gap.
class C5ToneCommonPage : public Settings::SettingsPage {
  public:
    using Pages = std::array<C5ToneCommonPage*, 3>;
    C5ToneCommonPage(int idd, std::string tab) : SettingsPage(idd, std::move(tab)) {}
    void SetPages(const Pages* pages) { pages_ = pages; }

    // Another page's 5-Tone Setup row changed: show the same row here.
    void SelectSetupMode(int row);
    void Changed(int controlId) override;

  protected:
    // Greys the controls that "Advanced" governs; a control the restriction
    // table disabled stays disabled.
    virtual void ApplySetupMode(bool /*advanced*/) {}
    void AfterRules() override;
    // Records the controls the restriction table left disabled.
    void NoteRestricted(std::initializer_list<int> ids);
    bool Restricted(int id) const { return restricted_.count(id) != 0; }
    C5ToneCommonPage* Sibling(int index) const { return pages_ ? (*pages_)[static_cast<std::size_t>(index)] : nullptr; }

  private:
    const Pages* pages_ = nullptr;
    std::set<int> restricted_;
};

class C5ToneCommonPage1Dlg : public C5ToneCommonPage {
  public:
    C5ToneCommonPage1Dlg() : C5ToneCommonPage(C5ToneCommonDlg::IDD_PAGE1, "Common 1") {}
    // The Last Gap of page 2 bounds the lead-in tone gap: only rows up to
    // `limit` are offered, and a larger current value becomes `limit`.
    void LimitLeadInGap(std::int32_t limit);

    // The digit rows print as small tables across the page's two columns.
    const ControlRuleRow* PrintRows() const override;
    int PrintColumns() const override { return 2; }

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;
    void AfterRules() override;

  private:
    std::uint8_t displayMask_ = 0, compareMask_ = 0;
};

class C5ToneCommonPage2Dlg : public C5ToneCommonPage {
  public:
    C5ToneCommonPage2Dlg() : C5ToneCommonPage(C5ToneCommonDlg::IDD_PAGE2, "Common 2") {}
    void Changed(int controlId) override;
    // The call key codes print together as a small table.
    const ControlRuleRow* PrintRows() const override;

  protected:
    void Build() override;
    void AfterRules() override;
    void ApplySetupMode(bool advanced) override;
};

class C5ToneCommonPage3Dlg : public C5ToneCommonPage {
  public:
    C5ToneCommonPage3Dlg() : C5ToneCommonPage(C5ToneCommonDlg::IDD_PAGE3, "Common 3") {}
    // The check boxes print with their captions.
    const ControlRuleRow* PrintRows() const override;

  protected:
    void Build() override;
    void AfterRules() override;
    void ApplySetupMode(bool advanced) override;
    // Saved last of the three pages: the tone registers follow.
    void SaveOwn(CloneImage& image) override;
};
