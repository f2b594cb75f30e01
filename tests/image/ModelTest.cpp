#include <gtest/gtest.h>

#include "image/Model.h"

namespace {

CloneImage WithVariant(int product, int b2401, int band, int freq, int keypad, int display) {
    CloneImage image;
    image[0x2400] = static_cast<std::uint8_t>((image[0x2400] & ~0x30) | (product << 4));
    image[0x2401] = static_cast<std::uint8_t>((image[0x2401] & 0xF0) | b2401);
    image[0x2402] = static_cast<std::uint8_t>(band << 5 | freq);
    image[0x2406] = static_cast<std::uint8_t>((image[0x2406] & 0xF0) | keypad);
    image[0x2407] = static_cast<std::uint8_t>((image[0x2407] & 0xF0) | display);
    return image;
}

TEST(Model, TypeCodeGivesModelIndex) {
    CloneImage image;
    const std::pair<std::uint8_t, int> cases[] = {{0x35, 0}, {0x36, 1}, {0x37, -1}, {0x00, -1}, {0xFF, -1}};
    for (auto [code, index] : cases) {
        image[0x02] = code;
        EXPECT_EQ(Model::IndexFromTypeCode(image), index) << int(code);
    }
}

TEST(Model, EveryVariantRowIsRecognisedAndNamesItsFile) {
    for (const auto& row : Model::VariantTable) {
        const CloneImage image = WithVariant(row.productType, row.byte2401Low, row.bandType,
                                             row.frequencyType, row.keypadType, row.displayType);
        EXPECT_EQ(Model::VariantCodeFromImage(image), row.code);
        EXPECT_EQ(Model::DefaultDataFileName(row.code, false), row.fileName);
    }
    EXPECT_EQ(Model::VariantCodeFromImage(WithVariant(2, 1, 3, 2, 0, 0)), Model::NoVariant);
    EXPECT_EQ(Model::DefaultDataFileName(Model::NoVariant, true), "default640ud.PDX");
    EXPECT_EQ(Model::DefaultDataFileName(6, false), "");
}

TEST(Model, BandSelectionAndKinds) {
    const struct {
        int product, keypad, display, column;
        bool plain;
    } cases[] = {{2, 0, 0, 0, true},  {2, 1, 2, 1, false}, {2, 2, 5, 2, false}, {2, 3, 6, 0, false},
                 {0, 1, 2, 4, false}, {0, 1, 1, 3, true},  {0, 2, 0, 3, true}};
    for (const auto& c : cases) {
        const CloneImage image = WithVariant(c.product, 0, 3, 2, c.keypad, c.display);
        EXPECT_EQ(Model::GetBandSelection(image), c.column);
        EXPECT_EQ(Model::IsPlainKind(image), c.plain);
        EXPECT_EQ(Model::IsBandModeZero(image), c.product == 0);
    }
}

TEST(Model, SpecialVariantNeedsAllFourConditions) {
    CloneImage image = WithVariant(0, 0, 4, 3, 0, 0);
    image[0x03] = 2;
    image[0x2406] = 0x50;
    EXPECT_TRUE(Model::IsSpecialVariant(image));
    CloneImage other = image;
    other[0x03] = 1;
    EXPECT_FALSE(Model::IsSpecialVariant(other));
    other = image;
    other[0x2406] = 0x40;
    EXPECT_FALSE(Model::IsSpecialVariant(other));
    other = image;
    other[0x2402] = 4 << 5 | 2;
    EXPECT_FALSE(Model::IsSpecialVariant(other));
}

CloneImage WithVersion(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    CloneImage image;
    image[0x00] = a;
    image[0x01] = b;
    image[0x04] = c;
    image[0x05] = d;
    return image;
}

TEST(Version, CompareDecodesBcdFieldByField) {
    const CloneImage v = WithVersion(0x01, 0x10, 0x00, 0x00);
    EXPECT_EQ(Version::Compare(v, 1, 9, 0, 0), 1);
    EXPECT_EQ(Version::Compare(v, 1, 10, 0, 0), 0);
    EXPECT_EQ(Version::Compare(v, 1, 90, 0, 0), -80);
    EXPECT_EQ(Version::Compare(v, 2, 0, 0, 0), -1);
    EXPECT_EQ(Version::Compare(WithVersion(1, 0x10, 0, 0x05), 1, 10, 0, 3), 2);
    EXPECT_EQ(Version::Format(WithVersion(0x01, 0x09, 0x00, 0x00)), "1.09.00.00");
}

TEST(Version, FirmwareGates) {
    CloneImage image = WithVersion(0x01, 0x09, 0, 0);
    image[0x228 + 2] = 0x40;
    EXPECT_TRUE(Version::HasFeature_1_9(image, 2));
    EXPECT_FALSE(Version::HasFeature_1_9(image, 1)) << "0xFF high nibble counts as 0";
    EXPECT_FALSE(Version::HasFeature_1_9(WithVersion(0x01, 0x08, 0x99, 0x99), 2));

    image = WithVersion(0x01, 0x10, 0, 0);
    image[0x2528] = 0x02;
    EXPECT_TRUE(Version::HasFeatureFlag(image));
    image[0x2528] = 0xFD;
    EXPECT_FALSE(Version::HasFeatureFlag(image));

    image = WithVersion(0x01, 0x90, 0, 0);
    image[0x2407] = 0xF2;
    EXPECT_TRUE(Version::HasFeature_1_90(image));
    image[0x2407] = 0xF0;
    EXPECT_FALSE(Version::HasFeature_1_90(image));
}

}  // namespace
