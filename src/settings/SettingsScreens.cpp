#include "settings/SettingsScreens.h"

#include "settings/CustomCode.h"
#include "settings/Emergency.h"
#include "settings/FrontPanel.h"
#include "settings/Hardware.h"
#include "settings/Marketing.h"
#include "settings/Password.h"
#include "settings/PowerSaving.h"
#include "settings/ScanSetting.h"
#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"

namespace SettingsScreens {

bool PowerSaving(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CPowerSavingDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> PowerSavingPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CPowerSavingDlg::MakeDialog(), image);
}

bool Password(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CPasswordDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> PasswordPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CPasswordDlg::MakeDialog(), image);
}

// The Edit button opens the custom type code as 256 functions.
bool Marketing(wxWindow* parent, CloneImage& working) {
    SettingsDlg dialog(parent, CMarketingDlg::MakeDialog(), working);
    dialog.SetButtonHandler(CMarketingDlg::IDC_EDIT_CUSTOM,
                            [](SettingsDlg& owner, Settings::SettingsPage& page) {
                                auto& marketing = static_cast<CMarketingDlg&>(page);
                                CustomCode::Block block = marketing.ReadCustomCode();
                                CCustomCodeEditDlg edit(&owner, block);
                                if (edit.ShowModal() == wxID_OK) marketing.WriteCustomCode(block);
                            });
    return dialog.ShowModal() == wxID_OK;
}

std::unique_ptr<PrintableScreen> MarketingPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CMarketingDlg::MakeDialog(), image);
}

bool ScanSetting(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CScanSettingBasicDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> ScanSettingPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CScanSettingBasicDlg::MakeDialog(), image);
}

bool FrontPanel(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CFrontPanelDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> FrontPanelPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CFrontPanelDlg::MakeDialog(), image);
}

bool Hardware(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CHardwareDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> HardwarePrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CHardwareDlg::MakeDialog(), image);
}

bool Emergency(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CEmergencyDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> EmergencyPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CEmergencyDlg::MakeDialog(), image);
}

}  // namespace SettingsScreens
