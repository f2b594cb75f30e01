#include "settings/SettingsScreens.h"

#include "settings/Password.h"
#include "settings/PowerSaving.h"
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

}  // namespace SettingsScreens
