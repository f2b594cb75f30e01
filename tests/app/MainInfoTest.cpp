// The main information pane's texts, its firmware-version writer and its
// rules, without a window.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "app/MainInfoDlg.h"

namespace {

using MainInfo::ControlShow;

CloneImage Image640() {
    return Fixtures::VariantImage(4);
}

ControlShow Show(const std::vector<ControlShow>& rules, int id) {
    for (const auto& show : rules)
        if (show.controlId == id) return show;
    ADD_FAILURE() << "no rule for " << id;
    return {};
}

}  // namespace

TEST(MainInfoText, SerialNumber) {
    struct Case {
        std::uint8_t b0c, b0d, b0e, b0f, b10, b11;
        const char* text;
    };
    const Case cases[] = {
        {0x04, 0x1A, 0x3D, 0x12, 0x00, 0x34, "4Q 3Q120034"},  // 1050, letter 13 -> Q
        {0x04, 0x19, 0x00, 0x00, 0x00, 0x01, "4P 0B000001"},  // 1049, letter 0 -> B
        {0x02, 0x07, 0x9C, 0xAB, 0x12, 0x34, "27 9NAB1234"},  // 519, letter 12 -> N
        {0x02, 0x04, 0x1F, 0x01, 0xFF, 0xFF, "24 1S01FFFF"},  // 516, letter 15 -> S
        {0x12, 0x34, 0x0E, 0x00, 0x00, 0x00, "** 0R000000"},  // unknown prefix, letter 14 -> R
    };
    for (const Case& c : cases) {
        CloneImage image;
        const std::uint8_t bytes[] = {c.b0c, c.b0d, c.b0e, c.b0f, c.b10, c.b11};
        for (int i = 0; i < 6; ++i) image[0x250C + i] = bytes[i];
        EXPECT_EQ(MainInfo::SerialNumberText(image), c.text);
    }
}

TEST(MainInfoText, BandNameAndEdges) {
    CloneImage image = Image640();  // UHF A: band type 4, frequency type 0
    image[0x240C] = 1360 & 0xFF;
    image[0x240D] = 1360 >> 8;
    image[0x240E] = 1740 & 0xFF;
    image[0x240F] = 1740 >> 8;
    EXPECT_EQ(MainInfo::BandText(image), "UHF A (136-174)");
    image[0x2402] = 0x62;  // VHF
    EXPECT_EQ(MainInfo::BandText(image), "VHF (136-174)");
    image[0x2402] = 0x21;  // no such band: the name is empty
    EXPECT_EQ(MainInfo::BandText(image), " (136-174)");
}

TEST(MainInfoText, ProductTypeByProductDisplayAndVariantNibble) {
    struct Case {
        std::uint8_t product, display, nibble;
        const char* text;
    };
    const Case cases[] = {{2, 0, 0, "ZT-610 (Portable)"},
                          {2, 2, 0, "ZT-640 (Portable)"},
                          {0, 3, 0, " "},
                          {0, 2, 0, " "},
                          {2, 2, 1, "Other"},
                          {1, 2, 0, "Other"}};
    for (const Case& c : cases) {
        CloneImage image = Image640();
        image[0x2400] = static_cast<std::uint8_t>((image[0x2400] & ~0x30) | (c.product << 4));
        image[0x2407] = static_cast<std::uint8_t>((image[0x2407] & 0xF0) | c.display);
        image[0x2401] = static_cast<std::uint8_t>((image[0x2401] & 0xF0) | c.nibble);
        EXPECT_EQ(MainInfo::ProductTypeText(image), c.text) << int(c.product) << int(c.display);
    }
}

TEST(MainInfoText, DestinationAndUsa) {
    struct Case {
        std::uint8_t variant, permit;
        const char* text;
    };
    const Case cases[] = {{1, 0, "LTR / USA"}, {0, 0, "USA"}, {2, 1, "AUS"}, {3, 1, ""},
                          {9, 1, ""},          {9, 0, "USA"}, {1, 5, "LTR"}};
    for (const Case& c : cases) {
        CloneImage image;
        image[0x003] = c.variant;
        image[0x2505] = c.permit;
        EXPECT_EQ(MainInfo::DestinationText(image), c.text) << int(c.variant);
    }
}

TEST(MainInfoText, ChannelCapacityAndFirmware) {
    CloneImage image;
    for (auto [stored, text] : {std::pair{20, "128"}, {8, "64"}, {0, "0"}, {2, "16"}}) {
        image[0x2405] = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(MainInfo::ChannelText(image), text);
    }
    image[0x000] = 0x01;
    image[0x001] = 0x90;
    image[0x004] = 0x02;
    image[0x005] = 0x0A;
    EXPECT_EQ(MainInfo::FirmwareText(image), "1.90.02.0A");
}

TEST(MainInfoFirmware, TypedVersionBecomesBcdBytes) {
    struct Case {
        const char* typed;
        std::uint8_t bytes[4];
    };
    const Case cases[] = {
        {"1.5.123", {0x01, 0x05, 0x99, 0x00}},
        {"1.90.02.05", {0x01, 0x90, 0x02, 0x05}},
        {"", {0x00, 0x00, 0x00, 0x00}},
        {"12", {0x12, 0x00, 0x00, 0x00}},
        {"-3.7", {0x00, 0x07, 0x00, 0x00}},
        {"1..2", {0x01, 0x00, 0x02, 0x00}},
        {"99999999999999999999.1", {0x99, 0x01, 0x00, 0x00}},
        {"1.2.3.4.5", {0x01, 0x02, 0x03, 0x04}},
    };
    for (const Case& c : cases) {
        CloneImage image;
        MainInfo::WriteFirmwareVersion(image, c.typed);
        const std::size_t offsets[] = {0x000, 0x001, 0x004, 0x005};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(image[offsets[i]], c.bytes[i]) << c.typed << " field " << i;
        EXPECT_EQ(image[0x002], 0xFF);
        EXPECT_EQ(image[0x003], 0xFF);
    }
}

TEST(MainInfoRules, FirmwareEditOnlyInManufactureMode) {
    const CloneImage image = Image640();
    for (int mode : {0, 1, 2}) {
        const auto rules = MainInfo::PaneRules(image, mode);
        EXPECT_EQ(Show(rules, CMainInfoDlg::IDC_FIRMWARE_EDIT).shown, mode == 2) << mode;
        EXPECT_EQ(Show(rules, CMainInfoDlg::IDC_FIRMWARE_EDIT).readOnly, false);
        EXPECT_EQ(Show(rules, CMainInfoDlg::IDC_FIRMWARE_TEXT).shown, mode != 2) << mode;
    }
}

TEST(MainInfoRules, DestinationShownByWideBandPermitAndVariant) {
    struct Case {
        std::uint8_t permit, variant;
        bool shown;
    };
    const Case cases[] = {{0, 0, true},  {0, 1, true}, {1, 0, false},
                          {1, 1, false}, {1, 2, true}, {5, 3, true}};
    for (const Case& c : cases) {
        CloneImage image = Image640();
        image[0x2505] = c.permit;
        image[0x003] = c.variant;
        const auto rules = MainInfo::PaneRules(image, 0);
        EXPECT_EQ(Show(rules, CMainInfoDlg::IDC_DESTINATION).shown, c.shown)
            << int(c.permit) << int(c.variant);
        EXPECT_EQ(Show(rules, CMainInfoDlg::IDC_DESTINATION_CAPTION).shown, c.shown);
    }
}
