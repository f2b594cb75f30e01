// What each settings dialog puts into the printed document of the default
// data file: its title, its shown controls as caption and value, and
// nothing of its hidden ones.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/TestHost.h"
#include "settings/Emergency.h"
#include "settings/FrontPanel.h"
#include "settings/Hardware.h"
#include "settings/Marketing.h"
#include "settings/Password.h"
#include "settings/PowerSaving.h"
#include "settings/ScanSetting.h"
#include "settings/SettingsPrint.h"

using namespace Settings;

TEST(DialogPrint, EveryDialogPrintsItsShownControls) {
    struct Case {
        std::unique_ptr<SettingsDialogModel> (*make)();
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {&CPowerSavingDlg::MakeDialog,
         {"[Power Saving]", "<td>Power ON TAG:</td>\n<td>WELCOME", "<td>RX Save Mode:</td>\n<td>1:2</td>",
          "<td>TOT Penalty Timer:</td>\n<td>0 sec</td>"},
         {"Over Write", "System Save", "Dimmer"}},
        {&CPasswordDlg::MakeDialog,
         {"[Password - 1(Programming)]", "<td>Programming Password:</td>\n<td>Disable</td>",
          "<td>Programming Password Edit:</td>\n<td>000000</td>"},
         {}},
        {&CScanSettingBasicDlg::MakeDialog,
         {"[Scanning - 1(Common)]", "<td>Scan Resume Time 1:</td>\n<td>1.0 sec</td>"},
         {"Scan Type", "PRI Scan"}},
        {&CMarketingDlg::MakeDialog,
         {"[Marketing]", "<td>Serial Number:</td>\n<td>** FSFFFFFF</td>",
          "<td>Programmed Date:</td>\n<td>2026/01/01</td>"},
         {"Custom Type Code", "FCC", "Serial Write"}},
        {&CHardwareDlg::MakeDialog,
         {"[Hardware - 1(Hardware)]", "<td>Ref Xtal (MHz):</td>\n<td>15.360</td>"},
         {"RX DCS Data", "PLL REF", "Safety Type", "Display Digit"}},
        {&CFrontPanelDlg::MakeDialog,
         {"[Front Panel - 1(Front Panel)]", "<td>PTT Lock:</td>\n<td>Disable</td>",
          "<td>Key Holding Time:</td>\n<td>150 msec</td>"},
         {"Panel LED", "VOX MIC", "User LED"}},
        {&CEmergencyDlg::MakeDialog,
         {"[Emergency]", "<td>EMG Revert CH:</td>\n<td>Start CH</td>", "<td>EMG LED Color:</td>\n<td>Green</td>"},
         {"EMG TAG", "MIC Level", "EMG AF", "Receive Flash", "LCD Backlight"}},
    };
    TestHost host;
    const CloneImage image = SettingsTest::DefaultImage();
    for (const Case& c : cases) {
        SettingsPrint print(c.make(), image);
        std::string out;
        print.RenderPage(out, &image);
        for (const auto& text : c.present)
            EXPECT_NE(out.find(text), std::string::npos) << text << "\n" << out;
        for (const auto& text : c.absent) EXPECT_EQ(out.find(text), std::string::npos) << text << "\n" << out;
    }
}
