// The main information as the printed document shows it.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "app/MainInfoDlg.h"
#include "app/MainInfoPrint.h"
#include "image/TestHost.h"

namespace {

std::string Form(const CloneImage& image) {
    CMainInfoPrint screen(image);
    std::string out;
    bool more = false;
    screen.GetHtml(out, &image, &more, true);
    EXPECT_FALSE(more);
    return out;
}

TEST(MainInfoPrint, OneRowPerCaptionWithThePanesTexts) {
    TestHost host;
    CloneImage image = Fixtures::VariantImage(4);
    image[0x250C] = 0x04;
    image[0x250D] = 0x1A;
    image[0x250E] = 0x3D;
    image[0x250F] = 0x12;
    image[0x2510] = 0x00;
    image[0x2511] = 0x34;
    image[0x2505] = 1;  // wide band permitted: no destination for variant byte 0xFF
    image[0x003] = 0;
    const std::string expected =
        "<table width=\"100%\"><colgroup span=\"2\"></colgroup>\n"
        "<tr><th colspan=\"2\">[Main Information]</th>\n</tr>\n"
        "<tr><td>Serial No.:</td>\n<td>4Q 3Q120034</td>\n</tr>\n"
        "<tr><td>Freq. Band:</td>\n<td>" +
        MainInfo::BandText(image) +
        "</td>\n</tr>\n"
        "<tr><td>Product Type:</td>\n<td>" +
        MainInfo::ProductTypeText(image) +
        "</td>\n</tr>\n"
        "<tr><td>FW Version:</td>\n<td>" +
        MainInfo::FirmwareText(image) +
        "</td>\n</tr>\n"
        "<tr><td>Radio Channel:</td>\n<td>" +
        MainInfo::ChannelText(image) +
        "</td>\n</tr>\n"
        "</table>\n";
    EXPECT_EQ(Form(image), expected);
}

TEST(MainInfoPrint, DestinationPrintsWhenThePaneShowsIt) {
    TestHost host;
    CloneImage image = Fixtures::VariantImage(4);
    image[0x003] = 1;
    image[0x2505] = 0;  // "LTR / USA"
    EXPECT_NE(Form(image).find("<tr><td>Destination:</td>\n<td>LTR / USA</td>\n</tr>\n"), std::string::npos);
    image[0x2505] = 1;
    image[0x003] = 2;  // shown for variants other than 0 and 1
    EXPECT_NE(Form(image).find("<td>Destination:</td>\n<td>AUS</td>"), std::string::npos);
    image[0x003] = 1;
    EXPECT_EQ(Form(image).find("Destination"), std::string::npos);
}

}  // namespace
