#include <gtest/gtest.h>

#include <bit>
#include <span>

#include "ItemTableChecks.h"
#include "image/ItemAccessors.h"
#include "image/ItemsHeader.h"

namespace {

using ItemTableChecks::Expected;
using ItemTableChecks::FirstDifference;

constexpr std::uint8_t TypeCodeA = 0x35;  // model index 0: layout A
constexpr std::uint8_t TypeCodeB = 0x36;  // model index 1: layout B
constexpr std::size_t TypeCodeByte = 0x02;

struct TableCase {
    const char* name;
    std::span<const HeaderItemDescriptor> table;
    std::size_t count;
    std::size_t areaBegin, areaEnd;
    std::vector<std::uint32_t> valueMaskOrdinals;
    std::uint32_t valueMask;
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<TableCase> HeaderTables() {
    using namespace ItemMap;
    return {
        {"HeaderInfoItems", HeaderInfoItems, 49, 0x000, 0x02E, {}, 0},
        {"AlignHeaderItemsA5Bit", AlignHeaderItemsA, 35, 0x030, 0x053, {3, 4, 5, 28, 29, 30, 31}, 0x1F},
        {"AlignHeaderItemsA4Bit", AlignHeaderItemsA, 35, 0x030, 0x053, {7, 8, 9, 21}, 0x0F},
        {"AlignHeaderItemsB", AlignHeaderItemsB, 35, 0x030, 0x053, {}, 0},
        {"HeaderMiscItems", HeaderMiscItems, 25, 0x0B0, 0x0C0, {}, 0},
        {"HeaderPanelItems", HeaderPanelItems, 12, 0x0C0, 0x0C6, {}, 0},
        {"HeaderTone5Items", HeaderTone5Items, 6, 0x0D0, 0x0F2, {}, 0},
        {"HeaderCopyItems", HeaderCopyItems, 9, 0x103, 0x108, {}, 0},
        {"HeaderOptionItems", HeaderOptionItems, 5, 0x200, 0x229, {}, 0},
        {"HeaderModelItemsA5Bit", HeaderModelItemsA, 16, 0x240, 0x24F, {9, 10, 11, 12}, 0x1F},
        {"HeaderModelItemsA4Bit", HeaderModelItemsA, 16, 0x240, 0x24F, {14, 15}, 0x0F},
        {"HeaderModelItemsB", HeaderModelItemsB, 16, 0x240, 0x24F, {14, 15}, 0x0F},
    };
}

class HeaderTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(HeaderTableTest, CountShapeAndValueMasks) {
    const TableCase& c = GetParam();
    EXPECT_EQ(c.table.size(), c.count);
    ItemTableChecks::ExpectWellFormed(c.table, c.areaBegin, c.areaEnd);
    for (std::uint32_t o : c.valueMaskOrdinals)
        EXPECT_EQ(c.table[o].valueMask, c.valueMask) << "ordinal " << o;
}

TEST_P(HeaderTableTest, EveryItemWritesOnlyItsBits) {
    ItemTableChecks::ExpectWritesOnlyItsBits(GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(Tables, HeaderTableTest, ::testing::ValuesIn(HeaderTables()),
                         [](const auto& info) { return info.param.name; });

TEST(HeaderTables, ValueMasksAreExactlyTheListedOnes) {
    auto count = [](std::span<const HeaderItemDescriptor> t) {
        return std::count_if(t.begin(), t.end(), [](const auto& d) { return d.valueMask != 0; });
    };
    EXPECT_EQ(count(ItemMap::AlignHeaderItemsA), 11);
    EXPECT_EQ(count(ItemMap::AlignHeaderItemsB), 0);
    EXPECT_EQ(count(ItemMap::HeaderModelItemsA), 6);
    EXPECT_EQ(count(ItemMap::HeaderModelItemsB), 2);
    EXPECT_EQ(count(ItemMap::HeaderInfoItems) + count(ItemMap::HeaderMiscItems) +
                  count(ItemMap::HeaderPanelItems) + count(ItemMap::HeaderTone5Items) +
                  count(ItemMap::HeaderCopyItems) + count(ItemMap::HeaderOptionItems),
              0);
}

TEST(HeaderTables, LayoutPairsDifferOnlyInValueMask) {
    auto same = [](std::span<const HeaderItemDescriptor> a, std::span<const HeaderItemDescriptor> b) {
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i].offset, b[i].offset) << i;
            EXPECT_EQ(a[i].width, b[i].width) << i;
            EXPECT_EQ(a[i].mask, b[i].mask) << i;
        }
    };
    same(ItemMap::AlignHeaderItemsA, ItemMap::AlignHeaderItemsB);
    same(ItemMap::HeaderModelItemsA, ItemMap::HeaderModelItemsB);
}

// ---- single and layout accessors, against the item's position and bits ----

struct SingleCase {
    const char* name;
    ItemMap::ItemGetter get;
    ItemMap::ItemSetter set;
    std::size_t position;
    std::uint32_t width, mask, valueMask;
};

void PrintTo(const SingleCase& c, std::ostream* os) {
    *os << c.name;
}

const SingleCase kHeaderSingles[] = {
    {"VariantByte", ItemMap::GetVariantByte, ItemMap::SetVariantByte, 0x0003, 1, 0xFF, 0},
    {"Header0A", ItemMap::GetHeader0A, ItemMap::SetHeader0A, 0x000A, 1, 0xFF, 0},
    {"Header0BBits4To7", ItemMap::GetHeader0BBits4To7, ItemMap::SetHeader0BBits4To7, 0x000B, 1, 0xF0, 0},
    {"Header0BBit3", ItemMap::GetHeader0BBit3, ItemMap::SetHeader0BBit3, 0x000B, 1, 0x8, 0},
    {"Header0BBits0To2", ItemMap::GetHeader0BBits0To2, ItemMap::SetHeader0BBits0To2, 0x000B, 1, 0x7, 0},
    {"SerialPart1", ItemMap::GetSerialPart1, ItemMap::SetSerialPart1, 0x000E, 1, 0xF0, 0},
    {"SerialPart2", ItemMap::GetSerialPart2, ItemMap::SetSerialPart2, 0x000E, 1, 0xF, 0},
    {"SerialPart3", ItemMap::GetSerialPart3, ItemMap::SetSerialPart3, 0x000F, 1, 0xFF, 0},
    {"SerialPart4", ItemMap::GetSerialPart4, ItemMap::SetSerialPart4, 0x0010, 2, 0xFFFF, 0},
    {"Header1C", ItemMap::GetHeader1C, ItemMap::SetHeader1C, 0x001C, 1, 0xFF, 0},
    {"Header1D", ItemMap::GetHeader1D, ItemMap::SetHeader1D, 0x001D, 1, 0xFF, 0},
    {"Header1EBits4To7", ItemMap::GetHeader1EBits4To7, ItemMap::SetHeader1EBits4To7, 0x001E, 1, 0xF0, 0},
    {"Header1EBits0To3", ItemMap::GetHeader1EBits0To3, ItemMap::SetHeader1EBits0To3, 0x001E, 1, 0xF, 0},
    {"Header1FBits4To7", ItemMap::GetHeader1FBits4To7, ItemMap::SetHeader1FBits4To7, 0x001F, 1, 0xF0, 0},
    {"Header1FBits0To3", ItemMap::GetHeader1FBits0To3, ItemMap::SetHeader1FBits0To3, 0x001F, 1, 0xF, 0},
    {"Header20Bits6To7", ItemMap::GetHeader20Bits6To7, ItemMap::SetHeader20Bits6To7, 0x0020, 1, 0xC0, 0},
    {"Header20Bits4To5", ItemMap::GetHeader20Bits4To5, ItemMap::SetHeader20Bits4To5, 0x0020, 1, 0x30, 0},
    {"Header20Bits0To3", ItemMap::GetHeader20Bits0To3, ItemMap::SetHeader20Bits0To3, 0x0020, 1, 0xF, 0},
    {"Header23Bit3", ItemMap::GetHeader23Bit3, ItemMap::SetHeader23Bit3, 0x0023, 1, 0x8, 0},
    {"Header23Bit0", ItemMap::GetHeader23Bit0, ItemMap::SetHeader23Bit0, 0x0023, 1, 0x1, 0},
    {"HeaderProductionDate", ItemMap::GetHeaderProductionDate, ItemMap::SetHeaderProductionDate, 0x0028, 3,
     0xFFFFFF, 0},
    {"HeaderProgramVersionMajor", ItemMap::GetHeaderProgramVersionMajor,
     ItemMap::SetHeaderProgramVersionMajor, 0x002B, 1, 0xFF, 0},
    {"HeaderProgramVersionMinor", ItemMap::GetHeaderProgramVersionMinor,
     ItemMap::SetHeaderProgramVersionMinor, 0x002C, 1, 0xFF, 0},
    {"Header2D", ItemMap::GetHeader2D, ItemMap::SetHeader2D, 0x002D, 1, 0xFF, 0},
    {"ThresholdNsqLevelWide", ItemMap::GetThresholdNsqLevelWide, ItemMap::SetThresholdNsqLevelWide, 0x003A, 1,
     0xFF, 0},
    {"ThresholdNsqLevelNarrow", ItemMap::GetThresholdNsqLevelNarrow, ItemMap::SetThresholdNsqLevelNarrow,
     0x003B, 1, 0xFF, 0},
    {"TightNsqLevelWide", ItemMap::GetTightNsqLevelWide, ItemMap::SetTightNsqLevelWide, 0x003C, 1, 0xFF, 0},
    {"TightNsqLevelNarrow", ItemMap::GetTightNsqLevelNarrow, ItemMap::SetTightNsqLevelNarrow, 0x003D, 1, 0xFF,
     0},
    {"TightRssiLevelWide", ItemMap::GetTightRssiLevelWide, ItemMap::SetTightRssiLevelWide, 0x003E, 1, 0xFF,
     0},
    {"TightRssiLevelNarrow", ItemMap::GetTightRssiLevelNarrow, ItemMap::SetTightRssiLevelNarrow, 0x003F, 1,
     0xFF, 0},
    {"TxSaveLevelWide", ItemMap::GetTxSaveLevelWide, ItemMap::SetTxSaveLevelWide, 0x0040, 1, 0xFF, 0},
    {"TxSaveLevelNarrow", ItemMap::GetTxSaveLevelNarrow, ItemMap::SetTxSaveLevelNarrow, 0x0041, 1, 0xFF, 0},
    {"VoxAntiTrip", ItemMap::GetVoxAntiTrip, ItemMap::SetVoxAntiTrip, 0x00B0, 1, 0x80, 0},
    {"HeaderMiscB0Bit3", ItemMap::GetHeaderMiscB0Bit3, ItemMap::SetHeaderMiscB0Bit3, 0x00B0, 1, 0x8, 0},
    {"SqlOffsetData", ItemMap::GetSqlOffsetData, ItemMap::SetSqlOffsetData, 0x00C0, 1, 0x1F, 0},
    {"VoxOffsetData", ItemMap::GetVoxOffsetData, ItemMap::SetVoxOffsetData, 0x00C1, 1, 0x1F, 0},
    {"AfMinimumVolume", ItemMap::GetAfMinimumVolume, ItemMap::SetAfMinimumVolume, 0x00C2, 1, 0xFF, 0},
    {"BeepLevel", ItemMap::GetBeepLevel, ItemMap::SetBeepLevel, 0x00C3, 1, 0xF0, 0},
    {"LcdContrast", ItemMap::GetLcdContrast, ItemMap::SetLcdContrast, 0x00C3, 1, 0xF, 0},
    {"KeyLock", ItemMap::GetKeyLock, ItemMap::SetKeyLock, 0x00C4, 1, 0x40, 0},
    {"DialLock", ItemMap::GetDialLock, ItemMap::SetDialLock, 0x00C4, 1, 0x20, 0},
    {"PttLock", ItemMap::GetPttLock, ItemMap::SetPttLock, 0x00C4, 1, 0x10, 0},
    {"Bell", ItemMap::GetBell, ItemMap::SetBell, 0x00C4, 1, 0x4, 0},
    {"TrxLedLighting", ItemMap::GetTrxLedLighting, ItemMap::SetTrxLedLighting, 0x00C4, 1, 0x1, 0},
    {"DimmerLevel", ItemMap::GetDimmerLevel, ItemMap::SetDimmerLevel, 0x00C5, 1, 0x30, 0},
};

class HeaderAccessorTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(HeaderAccessorTest, WritesExactlyItsBitsAndReadsThemBack) {
    const SingleCase& c = GetParam();
    const std::uint32_t put = ItemTableChecks::PutBits(c.mask, c.valueMask);
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        CloneImage image;
        image.Fill(fill);
        EXPECT_EQ(c.set(image, fill ? 0u : 0xFFFFFFFFu), 1);
        const CloneImage expected = Expected(fill, c.position, c.width, c.mask, c.valueMask);
        EXPECT_TRUE(image == expected) << FirstDifference(image, expected);
        EXPECT_EQ(c.get(image), fill ? 0u : put >> std::countr_zero(c.mask));
    }
}

INSTANTIATE_TEST_SUITE_P(Items, HeaderAccessorTest, ::testing::ValuesIn(kHeaderSingles),
                         [](const auto& info) { return info.param.name; });

// ---- forms --------------------------------------------------------------

TEST(HeaderAccessors, LittleEndianPairsComposeLowByteFirst) {
    CloneImage image;
    image[0x24] = 0x34;
    image[0x25] = 0x12;
    EXPECT_EQ(ItemMap::GetHeaderWord24(image), 0x1234u);

    EXPECT_EQ(ItemMap::SetHeaderWord26(image, 0x1ABCD), 1);  // bits above 16 are dropped
    EXPECT_EQ(image[0x26], 0xCD);
    EXPECT_EQ(image[0x27], 0xAB);
    EXPECT_EQ(image[0x28], 0xFF);
    EXPECT_EQ(ItemMap::GetHeaderWord26(image), 0xABCDu);
}

TEST(HeaderAccessors, LayoutFollowsTheTypeCodeOnEveryCall) {
    struct Case {
        std::uint8_t typeCode;
        std::uint32_t kind7;   // 0x248: 5 bits in layout A
        std::uint32_t kind12;  // 0x24D: 4 bits in both layouts
        std::uint32_t level;   // 0x3A: whole byte in both layouts
    };
    const Case cases[] = {
        {TypeCodeA, 0x05, 0x05, 0xE5},
        {TypeCodeB, 0xE5, 0x05, 0xE5},
        {0x00, 0xE5, 0x05, 0xE5},  // unknown models take layout B
        {0xFF, 0xE5, 0x05, 0xE5},
    };
    for (const Case& c : cases) {
        CloneImage image;
        image[TypeCodeByte] = c.typeCode;
        image[0x3A] = image[0x248] = image[0x24D] = 0xE5;
        EXPECT_EQ(ItemMap::GetHeaderAlignKind7(image, 0), c.kind7) << int(c.typeCode);
        EXPECT_EQ(ItemMap::GetHeaderAlignKind12(image, 0), c.kind12) << int(c.typeCode);
        EXPECT_EQ(ItemMap::GetThresholdNsqLevelWide(image), c.level) << int(c.typeCode);
    }
    // The 5-bit layout clears the byte's other bits on every write.
    CloneImage image;
    image[TypeCodeByte] = TypeCodeA;
    ItemMap::SetHeaderAlignKind7(image, 2, 0xFF);
    EXPECT_EQ(image[0x248 + 32], 0x1F);
    image[TypeCodeByte] = TypeCodeB;
    ItemMap::SetHeaderAlignKind7(image, 2, 0xFF);
    EXPECT_EQ(image[0x248 + 32], 0xFF);
}

TEST(HeaderAccessors, EepromAlignmentGetterOfByte32FollowsLayout) {
    CloneImage image;
    image[0x32] = 0xE5;
    image[TypeCodeByte] = TypeCodeA;
    EXPECT_EQ(ItemMap::GetLayout(ItemMap::AlignHeaderItemsA[3], ItemMap::AlignHeaderItemsB[3], image), 0x05u);
    image[TypeCodeByte] = TypeCodeB;
    EXPECT_EQ(ItemMap::GetLayout(ItemMap::AlignHeaderItemsA[3], ItemMap::AlignHeaderItemsB[3], image), 0xE5u);
}

TEST(HeaderAccessors, AlignmentRowsAreSixteenBytesApartAndBounded) {
    CloneImage image;
    image[TypeCodeByte] = TypeCodeB;
    ItemMap::SetHeaderAlignPoint(image, 15, 0x0C1D);
    EXPECT_EQ(image[0x240 + 15 * 16], 0x1D);
    EXPECT_EQ(image[0x241 + 15 * 16], 0x0C);
    EXPECT_EQ(ItemMap::GetHeaderAlignPoint(image, 15), 0x0C1Du);
    ItemMap::SetHeaderAlignKind13(image, 3, 0x7);
    EXPECT_EQ(image[0x24E + 3 * 16], 0x07);

    // Rows outside 0-15 read 0 and change nothing.
    const CloneImage before = image;
    for (int row : {-1, 16, 1000}) {
        EXPECT_EQ(ItemMap::SetHeaderAlignKind1(image, row, 0), 1);
        EXPECT_EQ(ItemMap::SetHeaderAlignPoint(image, row, 0), 1);
        EXPECT_EQ(ItemMap::GetHeaderAlignKind1(image, row), 0u);
        EXPECT_EQ(ItemMap::GetHeaderAlignPoint(image, row), 0u);
    }
    EXPECT_TRUE(image == before);
}

TEST(HeaderAccessors, CodeDigitCopiesAreEightByteRecords) {
    CloneImage image;
    image.Fill(0);
    ItemMap::SetHeaderCodeDigitCount(image, 31, 0xA);
    ItemMap::SetHeaderCodeDigit1(image, 31, 0x1);
    ItemMap::SetHeaderCodeDigit8(image, 31, 0x8);
    EXPECT_EQ(image[0x103 + 8 * 31], 0xA0);
    EXPECT_EQ(image[0x104 + 8 * 31], 0x10);
    EXPECT_EQ(image[0x107 + 8 * 31], 0x08);
    EXPECT_EQ(ItemMap::GetHeaderCodeDigit8(image, 31), 0x8u);
    const CloneImage before = image;
    ItemMap::SetHeaderCodeDigit8(image, 32, 0xF);  // would reach 0x1FF + 8
    EXPECT_TRUE(image == before);
}

TEST(HeaderAccessors, GroupAndScanBitmapsAreMostSignificantBitFirst) {
    struct Case {
        const char* what;
        int n;
        std::size_t byte;
        std::uint8_t bit;
    };
    const Case cases[] = {
        {"group 0", 0, 0x208, 0x80},
        {"group 9", 9, 0x209, 0x40},
        {"group 63", 63, 0x20F, 0x01},
    };
    for (const Case& c : cases) {
        CloneImage image;
        image.Fill(0);
        ItemMap::SetGroupScanFlag(image, c.n, 1);
        CloneImage expected;
        expected.Fill(0);
        expected[c.byte] = c.bit;
        EXPECT_TRUE(image == expected) << c.what << ": " << FirstDifference(image, expected);
        EXPECT_EQ(ItemMap::GetGroupScanFlag(image, c.n), 1u) << c.what;
        image.Fill(0xFF);
        ItemMap::SetGroupScanFlag(image, c.n, 2);  // only the lowest bit counts
        EXPECT_EQ(image[c.byte], 0xFF & ~c.bit) << c.what;
        EXPECT_EQ(ItemMap::GetGroupScanFlag(image, c.n), 0u) << c.what;
    }
    const Case channels[] = {
        {"channel 0", 0, 0x210, 0x80}, {"channel 13", 13, 0x211, 0x04}, {"channel 127", 127, 0x21F, 0x01}};
    for (const Case& c : channels) {
        CloneImage image;
        image.Fill(0);
        ItemMap::SetChannelScanZoneBit(image, c.n, 1);
        CloneImage expected;
        expected.Fill(0);
        expected[c.byte] = c.bit;
        EXPECT_TRUE(image == expected) << c.what << ": " << FirstDifference(image, expected);
        EXPECT_EQ(ItemMap::GetChannelScanZoneBit(image, c.n), 1u) << c.what;
    }
}

TEST(HeaderAccessors, OutOfRangeBitsAndGroupsLeaveNeighboursAlone) {
    // Group 64 would be channel 0's scan bit, channel 128 the first priority
    // byte, group 8's priority channel the option byte at 0x228.
    CloneImage image;
    image.Fill(0);
    const CloneImage before = image;
    EXPECT_EQ(ItemMap::SetGroupScanFlag(image, 64, 1), 1);
    EXPECT_EQ(ItemMap::SetGroupScanFlag(image, -1, 1), 1);
    EXPECT_EQ(ItemMap::SetChannelScanZoneBit(image, 128, 1), 1);
    EXPECT_EQ(ItemMap::SetChannelScanZoneBit(image, -1, 1), 1);
    EXPECT_EQ(ItemMap::SetPriorityChannel(image, 8, 0x55), 1);
    EXPECT_EQ(ItemMap::SetPriorityChannel(image, -1, 0x55), 1);
    EXPECT_TRUE(image == before) << FirstDifference(image, before);
    image.Fill(0xFF);
    EXPECT_EQ(ItemMap::GetChannelScanZoneBit(image, 128), 0u);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 8), 0u);
}

TEST(HeaderAccessors, PriorityChannelIsOneBytePerGroup) {
    CloneImage image;
    for (int g = 0; g < ItemMap::PriorityChannelCount; ++g) ItemMap::SetPriorityChannel(image, g, 16 * g + 3);
    for (int g = 0; g < ItemMap::PriorityChannelCount; ++g) {
        EXPECT_EQ(image[0x220 + g], 16 * g + 3);
        EXPECT_EQ(ItemMap::GetPriorityChannel(image, g), std::uint32_t(16 * g + 3));
    }
    EXPECT_EQ(image[0x228], 0xFF);
}

TEST(HeaderAccessors, CopyLoopsRunOverUniformPairs) {
    const ItemMap::ItemAccessorPair pairs[] = {{ItemMap::GetBeepLevel, ItemMap::SetBeepLevel},
                                               {ItemMap::GetLcdContrast, ItemMap::SetLcdContrast},
                                               {ItemMap::GetHeaderWord24, ItemMap::SetHeaderWord24}};
    CloneImage source;
    source[0xC3] = 0x7A;
    source[0x24] = 0x01;
    source[0x25] = 0x02;
    CloneImage destination;
    destination.Fill(0);
    for (const auto& p : pairs) p.set(destination, p.get(source));
    EXPECT_EQ(destination[0xC3], 0x7A);
    EXPECT_EQ(destination[0x24], 0x01);
    EXPECT_EQ(destination[0x25], 0x02);
}

}  // namespace
