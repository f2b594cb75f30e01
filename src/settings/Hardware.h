#pragma once
// "Hardware" (template 350): the radio's frequency range, synthesiser
// references, squelch and VOX timing (page 351) and its identity and
// capacities (page 352). Most fields can only be changed in a service mode.
// After OK every channel keeps its frequency in MHz while its synthesiser
// words follow the new hardware values, and the group valid bits are
// refreshed.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "settings/SettingsPage.h"

namespace HardwareRules {

// The display text of a frequency edit and the stored value it stands for.
// Min/Max Frequency are kept in 100 kHz, Ref Xtal and 1st IF in kHz; each is
// shown at the resolution it is stored in, so a text read back gives the
// stored value again (rounded to nearest, never truncated).
std::string FrequencyText(int controlId, std::uint32_t stored);
std::optional<std::uint32_t> FrequencyValue(int controlId, const std::string& text);

// The channels keep their frequencies in MHz, read from `before`, with the
// synthesiser values of `image` (only the channels within the capacity), and
// the group valid bits follow the saved capacities.
void AfterSave(CloneImage& image, const CloneImage& before);

}  // namespace HardwareRules

class CHardwareDlg {
  public:
    enum { IDD = 350 };
    static constexpr const char* Caption = "Hardware";
    static constexpr const char* Section = "Hardware";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};

class CHardwarePage1Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 351,
        IDC_MIN_FREQUENCY = 2301,
        IDC_MAX_FREQUENCY = 2302,
        IDC_REF_XTAL = 2303,
        IDC_SQL_STABILITY = 2304,
        IDC_SQL_RELEASE = 2305,
        IDC_SQL_ATTACK = 2306,
        IDC_VOX_RELEASE = 2307,
        IDC_VOX_ATTACK = 2308,
        IDC_FIRST_IF = 2309,
        IDC_SQL_HYSTERESIS = 2310,
        IDC_CH_STEP = 2104,
        IDC_LOCAL_OFFSET = 2105,
        IDC_RX_DCS = 2107,
        IDC_TX_DCS = 2108,
        IDC_VOX_HYSTERESIS = 2115,
        IDC_VOX_OFFSET_STEP = 2116,
        IDC_TX_PLL_REF = 2117,
        IDC_RX_PLL_REF = 2118,
    };
    CHardwarePage1Dlg() : SettingsPage(IDD, "Hardware") {}

    void Left(int controlId) override;
    void Save(CloneImage& image) override;
    // The image as it was before this OK wrote anything.
    const CloneImage& Before() const { return before_; }

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    std::map<int, std::string> loaded_;
    CloneImage before_;
};

class CHardwarePage2Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 352,
        IDC_MAX_GROUP = 2301,
        IDC_MAX_CHANNEL = 2302,
        IDC_PRODUCT_NAME = 2101,
        IDC_SAFETY_TYPE = 2102,
        IDC_OPERATION_MODE = 2103,
        IDC_BAND_TYPE = 2104,
        IDC_FREQUENCY_TYPE = 2105,
        IDC_DESTINATION = 2106,
        IDC_DISPLAY_TYPE = 2109,
        IDC_KEYPAD = 2110,
        IDC_CH_SELECTOR = 2112,
        IDC_OPTION_BOARD = 2113,
        IDC_DISPLAY_DIGIT = 2114,
    };
    explicit CHardwarePage2Dlg(const CHardwarePage1Dlg& page1) : SettingsPage(IDD, "Radio Information"), page1_(page1) {}

    void Left(int controlId) override;
    void Save(CloneImage& image) override;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    const CHardwarePage1Dlg& page1_;
    std::string loadedGroups_, loadedChannels_;
    bool groupsAboveEight_ = false;
};
