#pragma once
// The two MDC1200 system records (Primary ID and Secondary ID), edited page
// by page: "MDC1200 Common" (template 649, pages 648) for radios with the
// extended MDC1200 feature, "MDC1200 ANI" (template 618, pages 619) for the
// others. Both are containers of two tabs on the settings-dialog framework.
//
// What OK writes: only the fields the user changed; the Primary ID of the
// common page only while "O&ver Write" is checked; never a hidden field.
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "settings/SettingsPage.h"

class SettingsDlg;

namespace Mdc1200 {
inline constexpr int SystemCount = 2;
using Get = std::uint32_t (*)(const CloneImage&, int system);
using Set = int (*)(CloneImage&, int system, std::uint32_t);

// The settings' MDC1200 setup type: 1 (sixteen systems) or 0 for any other
// stored value.
int SetupType();
}  // namespace Mdc1200

// What the two pages share: the system index and the typed fields.
class Mdc1200SystemPage : public Settings::SettingsPage {
  public:
    enum {
        IDC_CAPTION = 2001,
        IDC_PRIMARY_ID = 2301,
        IDC_GROUP_ID = 2302,
        IDC_WILD_CARD = 2201,
    };
    int System() const { return system_; }
    void Left(int controlId) override;
    void Changed(int controlId) override;
    // The restriction rows with each check box listed twice (caption, then
    // state) and without the speaker button.
    const ControlRuleRow* PrintRows() const override;

  protected:
    Mdc1200SystemPage(int idd, int system);
    // How a typed field shows its stored value: hexadecimal ids, times in
    // milliseconds (stored in tens), plain numbers.
    enum class FieldKind { Id, GroupId, Tens, Plain };
    void AddField(int labelId, std::string label, const PageControlSpec& spec, FieldKind kind, Mdc1200::Get get,
                  Mdc1200::Set set);
    void AddItemCombo(int labelId, std::string label, int id, ItemList list, Mdc1200::Get get, Mdc1200::Set set);
    // A check box of an inverted flag (stored 0 = checked).
    void AddInvertedCheck(int id, std::string caption, Mdc1200::Get get, Mdc1200::Set set);
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;
    bool Writable(int controlId) const override;
    // Whether OK may write the Primary ID (besides having been edited).
    virtual bool PrimaryIdWritable() const { return true; }
    std::string IdCaption() const { return system_ == 0 ? "&Primary ID" : "&Secondary ID"; }

  private:
    struct Field {
        int id;
        FieldKind kind;
        PageControlSpec spec;
        Mdc1200::Get get;
        Mdc1200::Set set;
        std::string loaded;
    };
    std::vector<Field> fields_;
    mutable std::vector<ControlRuleRow> printRows_;
    int system_;
};

class CMDC1200CommonPage1Dlg : public Mdc1200SystemPage {
  public:
    enum {
        IDD = 648,
        IDC_LEAD_IN = 2304,
        IDC_PREAMBLE = 2305,
        IDC_TRANSPOND_DELAY = 2306,
        IDC_DOS_AUTO_MUTE = 2307,
        IDC_DOS_COAST = 2308,
        IDC_ANI_TRANS = 2101,
        IDC_PTT_SIDE_TONE = 2102,
        IDC_CALL_ALERT_TYPE = 2103,
        IDC_COURTESY_TONE = 2105,
        IDC_RELEASE_ANI_DISP = 2106,
        IDC_DECODE_LED = 2107,
        IDC_ANI_LOCKOUT = 2108,
        IDC_ALERT_MODE = 2109,
        IDC_ALERT_REPEAT = 2110,
        IDC_DUTY = 2111,
        IDC_BEEP_TONE = 2112,
        IDC_AUTO_RESET_TIME = 2113,
        IDC_CLEAR_TO_TRANSPOND = 2114,
        IDC_ACK_DECODE_TIME = 2115,
        IDC_BASIC_SEL_CALL = 2205,
        IDC_PL_TRANSMIT = 2210,
        IDC_DISPLAY_DECODE_ID = 2211,
        IDC_TRANSPOND_LED = 2216,
        IDC_OVER_WRITE = 2219,
        IDC_COMPLEMENT = 2220,
        IDC_AUTO_RESET_BEEP = 2221,
        IDC_PLAY_BEEP = 2401,
    };
    static constexpr int AlertModeRepeat = 3;

    explicit CMDC1200CommonPage1Dlg(int system);
    void Changed(int controlId) override;
    void CheckControl(int controlId) override;
    // The sample of the chosen beep tone; empty for "None" or no choice.
    std::filesystem::path BeepSample(const std::filesystem::path& programFolder) const;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void AfterLoad() override;
    void AfterRules() override;
    void SaveOwn(CloneImage& image) override;
    bool PrimaryIdWritable() const override;

  private:
    void ApplyAlertMode();
    int rememberedRepeat_ = -1;  // this page's Alert Repeat Time while the mode is not "Repeat"
    bool plainModel_ = false;    // the image is of the second model
};

class CMDC1200SysPage1Dlg : public Mdc1200SystemPage {
  public:
    enum {
        IDD = 619,
        IDC_MESSAGE_VALUE = 2303,
        IDC_LEAD_IN = 2304,
        IDC_ANI_TRANS = 2101,
        IDC_PTT_SIDE_TONE = 2102,
        IDC_COURTESY_TONE = 2105,
        IDC_ANI_LOCKOUT = 2108,
        IDC_PL_TRANSMIT = 2210,
    };
    explicit CMDC1200SysPage1Dlg(int system);

  protected:
    void Build() override;
};

class CMDC1200CommonDlg {
  public:
    enum { IDD = 649 };
    static constexpr const char* Caption = "MDC1200 Common";
    static constexpr const char* Section = "MDC1200_Common";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
    // The speaker buttons of both pages play the chosen beep tone.
    static void AttachButtons(SettingsDlg& dialog, std::filesystem::path programFolder);
};

class CMDC1200SysDlg {
  public:
    enum { IDD = 618 };
    static constexpr const char* Caption = "MDC1200 ANI";
    static constexpr const char* Section = "MDC1200_System";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};
