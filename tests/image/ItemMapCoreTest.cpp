#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "image/ItemMap.h"
#include "image/Model.h"

namespace {

struct FieldCase {
    const char* name;
    std::uint32_t width, mask, valueMask;
    std::vector<std::uint8_t> before;
    std::uint32_t value;
    std::vector<std::uint8_t> after;
    std::uint32_t readBack;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class FieldWriteTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldWriteTest, WritesOnlyTheFieldAndReadsItBack) {
    const FieldCase& c = GetParam();
    CloneImage image;
    const HeaderItemDescriptor d{0x40, c.width, c.mask, c.valueMask, 0};
    std::memcpy(image.data() + 0x40, c.before.data(), c.before.size());
    CloneImage expected = image;
    std::memcpy(expected.data() + 0x40, c.after.data(), c.after.size());

    EXPECT_EQ(ItemMap::WriteHeaderField(d, image, 0, 0, c.value), 1);
    EXPECT_EQ(image, expected) << "bytes outside the field changed or field wrong";
    EXPECT_EQ(ItemMap::ReadHeaderField(d, image), c.readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FieldWriteTest,
    ::testing::Values(
        FieldCase{"ByteWhole", 1, 0xFF, 0, {0x12}, 0xAB, {0xAB}, 0xAB},
        FieldCase{"HighNibble", 1, 0xF0, 0, {0x12}, 0x7, {0x72}, 0x7},
        FieldCase{"ValueDroppedOutsideField", 1, 0x0C, 0, {0xFF}, 0x5, {0xF7}, 0x1},
        FieldCase{"FiveBitValueMaskClearsByte", 1, 0xFF, 0x1F, {0xE5}, 0xFF, {0x1F}, 0x1F},
        FieldCase{"FourBitValueMask", 1, 0xFF, 0x0F, {0xFF}, 0x3, {0x03}, 0x3},
        FieldCase{"MiddleOfTwoBytes", 2, 0x0FF0, 0, {0x12, 0x34}, 0xAB, {0x1A, 0xB4}, 0xAB},
        FieldCase{"BigEndianWord", 2, 0xFFFF, 0, {0, 0}, 0x1234, {0x12, 0x34}, 0x1234},
        FieldCase{"ThreeBytesKeepsEdges", 3, 0x3FFFF0, 0, {0xFF, 0xFF, 0xFF}, 0, {0xC0, 0x00, 0x0F}, 0},
        FieldCase{"ThreeBytesValue", 3, 0xFFFFFF, 0, {0, 0, 0}, 0x0A0B0C, {0x0A, 0x0B, 0x0C}, 0x0A0B0C},
        FieldCase{"FourBytes", 4, 0xFFFFFFFF, 0, {0, 0, 0, 0}, 0x01020304, {1, 2, 3, 4}, 0x01020304},
        FieldCase{"FourBytesTopBit", 4, 0x80000000, 0, {0, 0, 0, 0}, 1, {0x80, 0, 0, 0}, 1},
        FieldCase{"WidthZeroWritesNothing", 0, 0xFF, 0, {0x55}, 0xAA, {0x55}, 0}),
    [](const auto& info) { return info.param.name; });

TEST(ItemMapCore, ReadIgnoresBitsOutsideValueMask) {
    CloneImage image;
    image[0x40] = 0xE5;
    EXPECT_EQ(ItemMap::ReadHeaderField({0x40, 1, 0xFF, 0x1F, 0}, image), 0x05u);
}

TEST(ItemMapCore, IndexTimesStrideAddressesRecords) {
    CloneImage image;
    const ImageItemDescriptor d{9, 0x80, 1, 0xFF, 0, 0};
    ItemMap::WriteImageField(d, image, 3, 16, 0x42);
    EXPECT_EQ(image[CloneImage::BlockOffset(9, 0x80 + 48)], 0x42);
    EXPECT_EQ(ItemMap::ReadImageField(d, image, 3, 16), 0x42u);
    EXPECT_EQ(ItemMap::ReadImageField(d, image, 16, 3), 0x42u) << "only the product counts";
}

TEST(ItemMapCore, ChannelFieldsAddressTheChannelRecord) {
    const ImageItemDescriptor d{0, 0x08, 1, 0xFF, 0, 0};
    EXPECT_EQ(ItemMap::ChannelFieldPosition(d, 17), 2120u);
    EXPECT_EQ(ItemMap::ChannelFieldPosition(d, 127), CloneImage::BlockOffset(7, 15 * 64 + 8));
    CloneImage image;
    ItemMap::WriteChannelField(d, image, 17, 0x3C);
    EXPECT_EQ(image[2120], 0x3C);
    EXPECT_EQ(ItemMap::ReadChannelField(d, image, 17), 0x3Cu);
    CloneImage untouched;
    ItemMap::WriteChannelField(d, untouched, 128, 0);
    ItemMap::WriteChannelField(d, untouched, -1, 0);
    EXPECT_EQ(untouched, CloneImage{}) << "out-of-range channels write nothing";
}

TEST(ItemMapCore, OutOfImagePositionsAreIgnored) {
    CloneImage image;
    const ImageItemDescriptor d{15, 0x3FF, 2, 0xFFFF, 0, 0};
    ItemMap::WriteImageField(d, image, 300, 1, 0);
    EXPECT_EQ(image, CloneImage{});
    EXPECT_EQ(ItemMap::ReadImageField(d, image, 300, 1), 0u);
}

TEST(ItemMapCore, BitmapsAreMostSignificantBitFirstAndZeroMeansInUse) {
    CloneImage image;
    EXPECT_EQ(ItemMap::LastUsedChannel(image), -1);
    for (int c : {0, 7, 8, 127}) EXPECT_EQ(ItemMap::ReadBit(image, c), 1);

    const ImageItemDescriptor inUse{14, 0x180, 1, 0x01, 0, 0};
    ItemMap::WriteBit(inUse, image, 0, 0);
    ItemMap::WriteBit(inUse, image, 9, 0);
    EXPECT_EQ(image[0x3D80], 0x7F);
    EXPECT_EQ(image[0x3D81], 0xBF);
    EXPECT_EQ(ItemMap::ReadBit(image, 9), 0);
    EXPECT_EQ(ItemMap::LastUsedChannel(image), 9);
    ItemMap::WriteBit(inUse, image, 9, 0xFF);  // only the lowest bit counts
    EXPECT_EQ(ItemMap::ReadBit(image, 9), 1);
    EXPECT_EQ(ItemMap::LastUsedChannel(image), 0);
    ItemMap::WriteBit(inUse, image, 127, 0);
    EXPECT_EQ(ItemMap::LastUsedChannel(image), 127);
}

TEST(ItemMapCore, Texts8ArePaddedWithZeroAndCutAtEightBytes) {
    CloneImage image;
    ItemMap::WriteChannelName(image, 5, "ABC");
    const std::size_t pos = CloneImage::BlockOffset(0, 5 * 64 + 0x30);
    EXPECT_EQ(image[pos + 2], 'C');
    for (int i = 3; i < 8; ++i) EXPECT_EQ(image[pos + i], 0);
    EXPECT_EQ(image[pos + 8], 0xFF) << "the byte after the name is untouched";
    EXPECT_EQ(ItemMap::ReadChannelName(image, 5), "ABC");

    ItemMap::WriteChannelName(image, 5, "ABCDEFGHIJ");
    EXPECT_EQ(ItemMap::ReadChannelName(image, 5), "ABCDEFGH");

    const ImageItemDescriptor tag{13, 0x128, 1, 0xFF, 0, 0};
    ItemMap::WriteImageText8(tag, image, 2, 16, "TAG");
    EXPECT_EQ(ItemMap::ReadImageText8(tag, image, 2, 16), "TAG");
}

TEST(ItemMapCore, Raw8CopiesExactlyEightBytes) {
    CloneImage image;
    const ImageItemDescriptor d{9, 0x10, 1, 0xFF, 0, 0};
    const std::uint8_t in[8] = {1, 2, 3, 0, 5, 6, 7, 8};
    ItemMap::WriteRaw8(d, image, in);
    std::uint8_t out[8] = {};
    ItemMap::ReadRaw8(d, image, out);
    EXPECT_EQ(0, std::memcmp(in, out, 8));
    EXPECT_EQ(image[CloneImage::BlockOffset(9, 0x18)], 0xFF);
}

TEST(ItemMapCore, TrailerValueIsSignMagnitude) {
    CloneImage image;
    EXPECT_EQ(ItemMap::GetSignMagnitude(image), 0) << "erased reads 0";
    struct {
        std::int32_t value;
        std::uint8_t bytes[4];
    } cases[] = {
        {-25, {0x19, 0, 0, 0x80}}, {999, {0xE7, 0x03, 0, 0}}, {0, {0, 0, 0, 0}}, {-999, {0xE7, 3, 0, 0x80}}};
    for (const auto& c : cases) {
        ItemMap::SetSignMagnitude(image, c.value);
        EXPECT_EQ(0, std::memcmp(image.data() + 0x4400, c.bytes, 4)) << c.value;
        EXPECT_EQ(ItemMap::GetSignMagnitude(image), c.value);
    }
    EXPECT_EQ(image[0x4404], 0xFF);
}

TEST(ItemMapCore, LittleEndianWordsReadNativelyWithoutShift) {
    CloneImage image;
    const HeaderItemDescriptor d{0x240, 2, 0xFFFF, 0, 0};
    ItemMap::WriteHeaderFieldLE(d, image, 0, 0, 0x1234);
    EXPECT_EQ(image[0x240], 0x34);
    EXPECT_EQ(image[0x241], 0x12);
    EXPECT_EQ(ItemMap::ReadHeaderFieldLE(d, image), 0x1234u);
    EXPECT_EQ(ItemMap::ReadHeaderField(d, image), 0x3412u);
}

TEST(ItemMapCore, LayoutIsChosenOnEveryCallFromTheTypeCode) {
    static constexpr HeaderItemDescriptor a{0x30, 1, 0xFF, 0x1F, 0};
    static constexpr HeaderItemDescriptor b{0x30, 1, 0xFF, 0, 0};
    CloneImage image;
    const struct {
        std::uint8_t code;
        bool layoutA;
    } cases[] = {{0x35, true}, {0x36, false}, {0x37, false}, {0xFF, false}};
    for (const auto& c : cases) {
        image[0x02] = c.code;
        EXPECT_EQ(&ItemMap::ChooseLayout(image, a, b) == &a, c.layoutA) << int(c.code);
    }
}

}  // namespace
