#pragma once
// "Fleetlink ANI" (template 647): a container with the one tab "ID" (page
// template 646): the fleet, the own ID, when the ANI is sent, the PTT side
// tone and the lead-in delay.
#include <array>
#include <memory>
#include <string>

#include "settings/SettingsPage.h"

class CFleetLinkAniPage1Dlg : public Settings::SettingsPage {
  public:
    enum {
        IDD = 646,
        IDC_OWN_ID = 2301,
        IDC_FLEET = 2302,
        IDC_LEAD_IN = 2303,
        IDC_ANI_TRANSMIT = 2102,
        IDC_PTT_SIDE_TONE = 2103,
    };
    CFleetLinkAniPage1Dlg() : SettingsPage(IDD, "ID") {}

    // The lead-in delay, once left, is clamped and rounded down to 10 ms.
    void Left(int controlId) override;

  protected:
    void Build() override;
    void LoadOwn(const CloneImage& image) override;
    void SaveOwn(CloneImage& image) override;

  private:
    std::array<std::string, 3> loaded_;
};

class CFleetLinkAniDlg {
  public:
    enum { IDD = 647 };
    static constexpr const char* Caption = "Fleetlink ANI";
    static constexpr const char* Section = "FleetLink_Ani";
    static std::unique_ptr<Settings::SettingsDialogModel> MakeDialog();
};
