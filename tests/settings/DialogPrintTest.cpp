// What each settings dialog puts into the printed document of the default
// data file: its title, its shown controls as caption and value, and
// nothing of its hidden ones.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "PrintCases.h"
#include "image/TestHost.h"
#include "settings/Emergency.h"
#include "settings/FrontPanel.h"
#include "settings/Hardware.h"
#include "image/ItemsSystem.h"
#include "settings/KeyFunction.h"
#include "settings/Marketing.h"
#include "settings/Password.h"
#include "settings/PowerSaving.h"
#include "settings/ScanSetting.h"
#include "settings/SettingsPrint.h"

using namespace Settings;

TEST(DialogPrint, EveryDialogPrintsItsShownControls) {
    const SettingsTest::PrintCase cases[] = {
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
    SettingsTest::ExpectFirstPages(cases);
}

// The key functions print the page the menu opens for the product type: a
// repeater edits and prints the portable keys, only a mobile the mobile ones.
TEST(DialogPrint, KeyFunctionsPrintThePageTheMenuOpens) {
    TestHost host;
    struct Case {
        std::uint32_t productType;
        int idd;
        const char* present;
        const char* absent;
    };
    const Case cases[] = {{2, CKeyFunctionDlg::IDD, "<td>Side-1 Key:</td>\n<td>Monitor</td>\n<td>None</td>", "MIC"},
                          {1, CKeyFunctionDlg::IDD, "<td>Side-2 Key:</td>\n<td>Low Power</td>\n<td>None</td>", "MIC"},
                          {0, CKeyFunctionDlgM::IDD, "<td>MIC A:</td>\n<td>None</td>\n<td>None</td>", "Side-1"}};
    for (const Case& c : cases) {
        CloneImage image = SettingsTest::DefaultImage();
        ItemMap::SetProductType(image, c.productType);
        for (int slot = 32; slot < 64; ++slot) image[Settings::KeyFunctions::SlotOffset(slot)] = 0;
        EXPECT_EQ(KeyFunctionScreens::MakeDialogFor(image)->Spec().idd, c.idd);
        SettingsPrint print(KeyFunctionScreens::MakeDialogFor(image), image);
        std::string out;
        print.RenderPage(out, &image);
        EXPECT_NE(out.find("<th colspan=\"3\">[Key Function]</th>\n</tr>\n<tr><th>Key Name</th>\n"
                           "<th>Press</th>\n<th>Press &amp; Hold</th>"),
                  std::string::npos)
            << out;
        EXPECT_NE(out.find(c.present), std::string::npos) << c.productType << "\n" << out;
        EXPECT_EQ(out.find(c.absent), std::string::npos) << c.productType << "\n" << out;
    }
}
