// What each data-signalling dialog puts into the printed document of the
// default data file: its title, its shown controls as caption and value, and
// nothing of its hidden ones.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "PrintCases.h"
#include "image/TestHost.h"
#include "settings/SettingsPrint.h"
#include "signalling/DtmfAni.h"
#include "signalling/DtmfDialing.h"
#include "signalling/DtmfPage.h"
#include "signalling/FleetLinkAni.h"
#include "signalling/Mdc1200Settings.h"
#include "signalling/SignallingScreens.h"

using namespace Settings;

TEST(SignallingPrint, EveryDialogPrintsItsShownControls) {
    const SettingsTest::PrintCase cases[] = {
        {&CDtmfDialingDlg::MakeDialog,
         {"[DTMF Dialing]", "<td>DTMF Pause Code:</td>\n<td>Disable</td>", "<td>DTMF Speed:</td>\n<td>50 mS</td>"},
         {"DTMF Keypad"}},
        {&CDtmfAniDlg::MakeDialog,
         {"[DTMF ANI]", "<td>DTMF ANI Speed:</td>\n<td>50 mS (10 dig)</td>",
          "<td>DTMF ANI Transmit:</td>\n<td>Disable</td>"},
         {}},
        {&CDtmfPageDlg::MakeDialog,
         {"[DTMF Page]", "<td>DTMF Auto Reset Time:</td>\n<td>Endless</td>",
          "<td>DTMF Separate Code:</td>\n<td>*</td>"},
         {"Page Decode LED", "Answer Back"}},
        {&CFleetLinkAniDlg::MakeDialog,
         {"[Fleetlink ANI - 1(ID)]", "<td>ID:</td>\n<td>1000</td>", "<td>Fleet:</td>\n<td>100</td>"},
         {}},
    };
    TestHost host;
    SettingsTest::ExpectFirstPages(cases);
}

TEST(SignallingPrint, Mdc1200DialogsPrintOnePagePerSystemThenNothing) {
    TestHost host;
    const CloneImage image = SettingsTest::DefaultImage();
    SettingsPrint common(CMDC1200CommonDlg::MakeDialog(), image);
    std::string first, second, third;
    common.RenderPage(first, &image);
    common.RenderPage(second, &image);
    common.RenderPage(third, &image);
    EXPECT_NE(first.find("[MDC1200 Common - 1(Primary ID)]"), std::string::npos) << first;
    EXPECT_NE(first.find("<td>ANI Trans:</td>\n<td>Disable</td>"), std::string::npos) << first;
    EXPECT_NE(first.find("<td>Lead In Delay Time (msec):</td>\n<td>200</td>"), std::string::npos) << first;
    EXPECT_NE(second.find("[MDC1200 Common - 2(Secondary ID)]"), std::string::npos) << second;
    EXPECT_NE(second.find("<td>0002</td>"), std::string::npos) << second;
    EXPECT_EQ(third, SettingsPrint::InvalidPageText);

    // The system dialog never shows nor prints its hidden fields.
    SettingsPrint system(CMDC1200SysDlg::MakeDialog(), image);
    std::string page;
    system.RenderPage(page, &image);
    EXPECT_NE(page.find("[MDC1200 ANI - 1(Primary ID)]"), std::string::npos) << page;
    EXPECT_NE(page.find("<td>0001</td>"), std::string::npos) << page;
    for (const char* hidden : {"Group ID", "Message Value", "Wild Card", "Sub-Audio"})
        EXPECT_EQ(page.find(hidden), std::string::npos) << hidden << "\n" << page;
}

TEST(SignallingPrint, DtmfCodesPrintInATableOfTheirOwnUnderCodeAndTagHeads) {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    image[0x2818] = 0x11;  // code 1: "1"
    image[0x2819] = 0x00;
    std::string dialing;
    SignallingScreens::DtmfDialingPrint(image)->RenderPage(dialing, &image);
    const std::size_t settings = dialing.find("<td>DTMF Speed:</td>");
    const std::size_t heads = dialing.find("<th>Code</th>\n<th>TAG</th>");
    const std::size_t code1 = dialing.find("<td>DTMF Code 1:</td>\n<td>1</td>");
    ASSERT_NE(settings, std::string::npos) << dialing;
    ASSERT_NE(heads, std::string::npos) << dialing;
    ASSERT_NE(code1, std::string::npos) << dialing;
    EXPECT_LT(settings, heads);
    EXPECT_LT(heads, code1);

    std::string page;
    SignallingScreens::DtmfPagePrint(image)->RenderPage(page, &image);
    EXPECT_NE(page.find("<th>Code</th>"), std::string::npos) << page;
    EXPECT_EQ(page.find("<th>TAG</th>"), std::string::npos) << page;
    // Two page codes a line.
    EXPECT_NE(page.find("<td>Page Code 1:</td>\n<td>"), std::string::npos) << page;
    const std::size_t one = page.find("Page Code 1:"), two = page.find("Page Code 2"), three = page.find("Page Code 3");
    ASSERT_NE(three, std::string::npos) << page;
    EXPECT_EQ(page.substr(one, two - one).find("<tr>"), std::string::npos) << page;
    EXPECT_NE(page.substr(two, three - two).find("<tr>"), std::string::npos) << page;
}
