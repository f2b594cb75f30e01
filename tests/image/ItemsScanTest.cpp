#include <gtest/gtest.h>

#include <functional>

#include <cstring>
#include <span>
#include <vector>

#include "ItemAccessorCases.h"
#include "image/ChannelOps.h"
#include "image/ItemsScan.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsTone.h"

namespace {

using AccessorChecks::Case;
using AccessorChecks::TableRow;

const TableRow kTables[] = {
    {"ScanItems", ItemMap::ScanItems, 43, 0x3C00, 0x3D27},
    {"ChannelBitmapItems", ItemMap::ChannelBitmapItems, 2, 0x3D80, 0x3D90},
    {"AlignItemsA", ItemMap::AlignItemsA, 35, 0x3E80, 0x3EA2},
    {"AlignItemsB", ItemMap::AlignItemsB, 35, 0x3E80, 0x3EA2},
    {"AlignExtraItemsA", ItemMap::AlignExtraItemsA, 16, 0x3F00, 0x3F0E},
    {"AlignExtraItemsB", ItemMap::AlignExtraItemsB, 16, 0x3F00, 0x3F0E},
    {"PowerOnTagItems", ItemMap::PowerOnTagItems, 8, 0x4000, 0x4007},
    {"FlashInfoItems", ItemMap::FlashInfoItems, 6, 0x4100, 0x41F3},
    {"AlignFlashItemsA", ItemMap::AlignFlashItemsA, 35, 0x4280, 0x42A2},
    {"AlignFlashItemsB", ItemMap::AlignFlashItemsB, 35, 0x4280, 0x42A2},
    {"TuneItems", ItemMap::TuneItems, 16, 0x4300, 0x430E},
};

TEST(ScanTables, CountsAndShapes) {
    AccessorChecks::ExpectCountsAndShapes(kTables);
}

TEST(ScanTables, EveryDescriptorWritesOnlyItsBits) {
    AccessorChecks::ExpectEveryWriteChangesOnlyItsBits(kTables);
}

// Layout A keeps 5 or 4 bits of some calibration bytes; B keeps whole bytes.
// Both layouts of a pair lie over the same bytes with the same masks.
TEST(ScanTables, LayoutPairsDifferOnlyInTheirValueMasks) {
    struct Pair {
        const char* name;
        std::span<const ImageItemDescriptor> a, b;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> valueMasksA,
            valueMasksB;  // {ordinal, value mask}
    };
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> alignA = {
        {3, 0x1F},  {4, 0x1F},  {5, 0x1F},  {7, 0x0F},  {8, 0x0F}, {9, 0x0F},
        {21, 0x0F}, {28, 0x1F}, {29, 0x1F}, {30, 0x1F}, {31, 0x1F}};
    const Pair pairs[] = {
        {"AlignItems", ItemMap::AlignItemsA, ItemMap::AlignItemsB, alignA, {}},
        {"AlignFlashItems", ItemMap::AlignFlashItemsA, ItemMap::AlignFlashItemsB, alignA, {}},
        {"AlignExtraItems",
         ItemMap::AlignExtraItemsA,
         ItemMap::AlignExtraItemsB,
         {{9, 0x1F}, {10, 0x1F}, {11, 0x1F}, {12, 0x1F}, {14, 0x0F}, {15, 0x0F}},
         {{14, 0x0F}, {15, 0x0F}}},
    };
    auto expectedMask = [](const auto& list, std::uint32_t ordinal) {
        for (const auto& [o, m] : list)
            if (o == ordinal) return m;
        return 0u;
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.name);
        ASSERT_EQ(p.a.size(), p.b.size());
        for (std::size_t i = 0; i < p.a.size(); ++i) {
            EXPECT_EQ(ImagePosition(p.a[i]), ImagePosition(p.b[i])) << i;
            EXPECT_EQ(p.a[i].width, p.b[i].width) << i;
            EXPECT_EQ(p.a[i].mask, p.b[i].mask) << i;
            EXPECT_EQ(p.a[i].valueMask, expectedMask(p.valueMasksA, i)) << i;
            EXPECT_EQ(p.b[i].valueMask, expectedMask(p.valueMasksB, i)) << i;
        }
    }
    // No other table of these blocks narrows a value.
    for (const auto table : {std::span<const ImageItemDescriptor>(ItemMap::ScanItems),
                             std::span<const ImageItemDescriptor>(ItemMap::ChannelBitmapItems),
                             std::span<const ImageItemDescriptor>(ItemMap::PowerOnTagItems),
                             std::span<const ImageItemDescriptor>(ItemMap::FlashInfoItems),
                             std::span<const ImageItemDescriptor>(ItemMap::TuneItems)})
        for (const ImageItemDescriptor& d : table) EXPECT_EQ(d.valueMask, 0u);
}

const Case kCases[] = {
    ACCESSOR_REC(ScanType, 0x3C80, 1, 0xC0, 16),
    ACCESSOR_REC(ScanTalkBack, 0x3C80, 1, 0x8, 16),
    ACCESSOR_REC(ScanRevertCh, 0x3C80, 1, 0x7, 16),
    ACCESSOR_REC(ScanPriorityCheckTime, 0x3C81, 1, 0xFF, 16),
    ACCESSOR_REC(ScanSelectCh1, 0x3C82, 1, 0xFF, 16),
    ACCESSOR_REC(ScanSelectCh2, 0x3C83, 1, 0xFF, 16),
    ACCESSOR_REC(ScanPriorityCh2Scan, 0x3C84, 1, 0x20, 16),
    ACCESSOR_REC(ScanBeep, 0x3C84, 1, 0x8, 16),
    ACCESSOR_REC(ScanEdit, 0x3C84, 1, 0x4, 16),
    ACCESSOR_REC(ScanDisplay, 0x3C84, 1, 0x3, 16),
    ACCESSOR_REC(ScanResumeTime1, 0x3C85, 1, 0xFF, 16),
    ACCESSOR_REC(ScanResumeTime2, 0x3C86, 1, 0xFF, 16),
    ACCESSOR_ONE(GroupScanType, 0x3D00, 1, 0xC0, 0),
    ACCESSOR_ONE(GroupScanTalkBack, 0x3D00, 1, 0x8, 0),
    ACCESSOR_ONE(GroupScanRevertCh, 0x3D00, 1, 0x7, 0),
    ACCESSOR_ONE(GroupScanPriorityCheckTime, 0x3D01, 1, 0xFF, 0),
    ACCESSOR_ONE(GroupScanSelectCh1, 0x3D02, 1, 0xFF, 0),
    ACCESSOR_ONE(GroupScanSelectCh2, 0x3D03, 1, 0xFF, 0),
    ACCESSOR_ONE(GroupScanPriorityCh1Scan, 0x3D04, 1, 0x40, 0),
    ACCESSOR_ONE(GroupScanPriorityCh2Scan, 0x3D04, 1, 0x20, 0),
    ACCESSOR_ONE(GroupScanBeep, 0x3D04, 1, 0x8, 0),
    ACCESSOR_ONE(GroupScanEdit, 0x3D04, 1, 0x4, 0),
    ACCESSOR_ONE(GroupScanDisplay, 0x3D04, 1, 0x3, 0),
    ACCESSOR_ONE(GroupScanResumeTime1, 0x3D05, 1, 0xFF, 0),
    ACCESSOR_ONE(GroupScanResumeTime2, 0x3D06, 1, 0xFF, 0),
    ACCESSOR_ONE(DualWatchTalkBack, 0x3D10, 1, 0x8, 0),
    ACCESSOR_ONE(DualWatchRevertCh, 0x3D10, 1, 0x7, 0),
    ACCESSOR_ONE(DualWatchTime, 0x3D11, 1, 0xFF, 0),
    ACCESSOR_ONE(Pri1DualWatch, 0x3D14, 1, 0x40, 0),
    ACCESSOR_ONE(Pri2DualWatch, 0x3D14, 1, 0x20, 0),
    ACCESSOR_ONE(DualWatchBeep, 0x3D14, 1, 0x8, 0),
    ACCESSOR_ONE(DualWatchResumeTime1, 0x3D15, 1, 0xFF, 0),
    ACCESSOR_ONE(DualWatchResumeTime2, 0x3D16, 1, 0xFF, 0),
};

class ScanAccessorTest : public ::testing::TestWithParam<Case> {};

TEST_P(ScanAccessorTest, WritesExactlyItsFieldAndReadsItBack) {
    AccessorChecks::ExpectAccessorAddressesItsField(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Block14, ScanAccessorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Alignment accessors in the layout of the image's model: radio-type code
// 0x35 is layout A; 0x36 and any other code layout B.
struct LayoutCase {
    Case a, b;  // the field as layout A and as layout B sees it
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.a.name;
}

#define LAYOUT_CASE(X, pos, mask, vmA, vmB, N)                                          \
    LayoutCase {                                                                        \
        {#X,                                                                            \
         [](CloneImage& i, int, std::uint32_t v) { return ItemMap::Set##X(i, v); },     \
         [](const CloneImage& i, int) { return ItemMap::Get##X(i); },                   \
         pos,                                                                           \
         1,                                                                             \
         mask,                                                                          \
         vmA,                                                                           \
         N},                                                                            \
            {#X,                                                                        \
             [](CloneImage& i, int, std::uint32_t v) { return ItemMap::Set##X(i, v); }, \
             [](const CloneImage& i, int) { return ItemMap::Get##X(i); },               \
             pos,                                                                       \
             1,                                                                         \
             mask,                                                                      \
             vmB,                                                                       \
             N},                                                                        \
    }
#define LAYOUT_REC_CASE(X, pos, mask, vmA, vmB, N)                          \
    LayoutCase {                                                            \
        {#X, &ItemMap::Set##X, &ItemMap::Get##X, pos, 1, mask, vmA, N},     \
            {#X, &ItemMap::Set##X, &ItemMap::Get##X, pos, 1, mask, vmB, N}, \
    }

const LayoutCase kLayoutCases[] = {
    LAYOUT_CASE(AlignIntMicGain, 0x3E82, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignExtMicGain, 0x3E83, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignExtMicGain2, 0x3E84, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind1, 0x3E96, 0xFF, 0x0, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind2, 0x3E97, 0xFF, 0x0, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind3, 0x3E98, 0xFF, 0x0, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind4, 0x3E99, 0xFF, 0x0, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind5, 0x3E9A, 0xFF, 0x0, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind6, 0x3E9B, 0xFF, 0x0, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind7, 0x3E9C, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind8, 0x3E9D, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind9, 0x3E9E, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind10, 0x3E9F, 0xFF, 0x1F, 0x0, 0),
    LAYOUT_CASE(AlignBaseKind11, 0x3EA0, 0xFF, 0x0, 0x0, 0),
    LAYOUT_REC_CASE(AlignTableKind1, 0x3F02, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind2, 0x3F03, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind3, 0x3F04, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind4, 0x3F05, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind5, 0x3F06, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind6, 0x3F07, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind7, 0x3F08, 0xFF, 0x1F, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind8, 0x3F09, 0xFF, 0x1F, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind9, 0x3F0A, 0xFF, 0x1F, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind10, 0x3F0B, 0xFF, 0x1F, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind11, 0x3F0C, 0xFF, 0x0, 0x0, 16),
    LAYOUT_REC_CASE(AlignTableKind12, 0x3F0D, 0xFF, 0xF, 0xF, 16),
    LAYOUT_REC_CASE(AlignTableKind13, 0x3F0E, 0xFF, 0xF, 0xF, 16),
};

class AlignLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(AlignLayoutTest, ChoosesTheLayoutByRadioTypeOnEveryCall) {
    AccessorChecks::ExpectAccessorAddressesItsField(GetParam().a, 0x35);
    AccessorChecks::ExpectAccessorAddressesItsField(GetParam().b, 0x36);
    AccessorChecks::ExpectAccessorAddressesItsField(GetParam().b, 0x00);
}

INSTANTIATE_TEST_SUITE_P(Blocks14, AlignLayoutTest, ::testing::ValuesIn(kLayoutCases),
                         [](const auto& info) { return std::string(info.param.a.name); });

TEST(AlignItems, MicGainReferenceReadsFiveBitsInLayoutA) {
    CloneImage image;
    image[0x3E82] = 0xE5;
    image[2] = 0x35;
    EXPECT_EQ(ItemMap::GetAlignIntMicGain(image), 0x05u);
    ItemMap::SetAlignIntMicGain(image, 40);  // 40 does not fit: 5 bits kept, byte's top bits cleared
    EXPECT_EQ(image[0x3E82], 0x08);
    ItemMap::SetAlignIntMicGain(image, 0xFF);
    EXPECT_EQ(ItemMap::GetAlignIntMicGain(image), 31u);
    image[2] = 0x36;  // the same byte, now as a whole
    image[0x3E82] = 0xE5;
    EXPECT_EQ(ItemMap::GetAlignIntMicGain(image), 0xE5u);
}

TEST(AlignItems, TablePointIsALittleEndianPairPerRow) {
    CloneImage image;
    image[2] = 0x36;
    ItemMap::SetAlignTablePoint(image, 2, 0x1234);
    EXPECT_EQ(image[0x3F20], 0x34);
    EXPECT_EQ(image[0x3F21], 0x12);
    EXPECT_EQ(image[0x3F22], 0xFF);
    EXPECT_EQ(image[0x3F1F], 0xFF);
    EXPECT_EQ(ItemMap::GetAlignTablePoint(image, 2), 0x1234u);
    image[2] = 0x35;  // the pair has one layout
    EXPECT_EQ(ItemMap::GetAlignTablePoint(image, 2), 0x1234u);
}

TEST(GroupMembers, IndexedByGroupAndPositionWithinTheTable) {
    CloneImage image;
    for (int g = 0; g < 8; ++g)
        for (int p = 0; p < 16; ++p) ItemMap::WriteIndexedItem(image, g, p, 16 * g + p);
    for (std::size_t b = 0; b < 128; ++b) EXPECT_EQ(image[0x3C00 + b], b);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 2, 5), 37u);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 7, 15), 127u);

    // Outside the table: empty, and the scan records after it stay.
    const CloneImage before = image;
    const std::pair<int, int> outside[] = {{8, 0}, {-1, 0}, {0, 16}, {0, -1}};
    for (const auto& [g, p] : outside) {
        EXPECT_EQ(ItemMap::ReadIndexedItem(image, g, p), 0xFFu);
        EXPECT_EQ(ItemMap::WriteIndexedItem(image, g, p, 0), 1);
    }
    EXPECT_TRUE(image == before);
}

TEST(GroupTags, EightBytesPerGroupPaddedWithZeroAndCut) {
    CloneImage image;
    CloneImage expected;
    ItemMap::SetGroupTag(image, 3, "ZONE");
    const std::uint8_t zone[8] = {'Z', 'O', 'N', 'E', 0, 0, 0, 0};
    std::memcpy(expected.data() + 0x3D38, zone, 8);
    EXPECT_TRUE(image == expected) << AccessorChecks::FirstDifference(image, expected);
    EXPECT_EQ(ItemMap::GetGroupTag(image, 3), "ZONE");

    ItemMap::SetGroupTag(image, 7, "ABCDEFGHIJ");
    EXPECT_EQ(ItemMap::GetGroupTag(image, 7), "ABCDEFGH");
    EXPECT_EQ(image[0x3D60], 0xFF);
    // All 8 bytes set: the tag is all 8 of them.
    EXPECT_EQ(ItemMap::GetGroupTag(image, 0), std::string(8, '\xFF'));
}

TEST(PowerOnTag, OccupiesItsEightBytesAndNothingElse) {
    CloneImage image;
    CloneImage expected;
    ItemMap::SetText4000(image, "HELLO123");
    std::memcpy(expected.data() + 0x4000, "HELLO123", 8);
    EXPECT_TRUE(image == expected) << AccessorChecks::FirstDifference(image, expected);
    EXPECT_EQ(ItemMap::GetPowerOnTag(image), "HELLO123");

    ItemMap::SetText4000(image, "TOO LONG TAG");
    EXPECT_EQ(ItemMap::GetPowerOnTag(image), "TOO LONG");
    EXPECT_EQ(image[0x4008], 0xFF);
    ItemMap::SetText4000(image, "HI");
    EXPECT_EQ(ItemMap::GetPowerOnTag(image), "HI");
    EXPECT_EQ(image[0x4007], 0x00);
}

// Both bitmaps run most significant bit first: element n at byte n/8,
// bit 7-(n mod 8).
TEST(ChannelBitmaps, ElementsRunMostSignificantBitFirst) {
    struct Bit {
        int element;
        std::size_t byte;
        std::uint8_t bit;
    };
    const Bit bits[] = {{0, 0, 0x80}, {7, 0, 0x01}, {8, 1, 0x80}, {13, 1, 0x04}, {127, 15, 0x01}};
    for (const std::size_t table : {0u, 1u}) {
        const ImageItemDescriptor& bitmap = ItemMap::ChannelBitmapItems[table];
        const std::size_t base = table == 0 ? 0x3D80 : 0x3D90;
        for (const Bit& b : bits) {
            if (table == 1 && b.element >= 8) continue;  // the group bitmap has 8 groups
            SCOPED_TRACE(testing::Message() << "bitmap " << table << " element " << b.element);
            CloneImage image;
            CloneImage expected;
            expected[base + b.byte] = static_cast<std::uint8_t>(0xFF & ~b.bit);
            ItemMap::WriteBit(bitmap, image, b.element, 0);
            EXPECT_TRUE(image == expected) << AccessorChecks::FirstDifference(image, expected);
            EXPECT_EQ(ItemMap::ReadBitmapBit(bitmap, image, b.element), 0);
            if (table == 0) {
                EXPECT_EQ(ItemMap::ReadBit(image, b.element), 0);
            }
            ItemMap::WriteBit(bitmap, image, b.element, 1);
            EXPECT_TRUE(image == CloneImage());
        }
    }
}

}  // namespace

// Record accessors of the flash area refuse an index past their table: a
// stray record number never writes the table that follows.
TEST(FlashRecordBounds, IndicesPastTheTableReadZeroAndWriteNothing) {
    CloneImage image;
    for (std::size_t i = 0; i < CloneImage::Size; ++i) image[i] = static_cast<std::uint8_t>(i * 31 + 7);
    const CloneImage before = image;
    ItemMap::SetScanType(image, 8, 3);  // the group-scan record follows record 7
    ItemMap::SetScanType(image, -1, 3);
    ItemMap::SetGroupTag(image, 8, "NINTH");
    ItemMap::SetMdc1200CallTag(image, 16, "PAGE");  // the DTMF paging area follows call 15
    ItemMap::SetMdc1200PrimaryId(image, 3, 0x1234);  // the call keys follow system 2
    ItemMap::SetTone5DecodeTag(image, 9, "X");
    ItemMap::SetTone5EncodeTag(image, 32, "X");
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);
    EXPECT_EQ(ItemMap::GetScanType(image, 8), 0u);
    EXPECT_EQ(ItemMap::GetGroupTag(image, 8), "");
    EXPECT_EQ(ItemMap::GetMdc1200CallTag(image, 16), "");
    // The last record of each table is still written.
    ItemMap::SetScanType(image, 7, 1);
    EXPECT_EQ(ItemMap::GetScanType(image, 7), 1u);
    ItemMap::SetMdc1200CallTag(image, 15, "LAST");
    EXPECT_EQ(ItemMap::GetMdc1200CallTag(image, 15), "LAST    ");
}

// Each record table refuses the index after its last record and still takes
// its last record; what follows each table is another table of the page.
TEST(FlashRecordBounds, EveryTableEndsAtItsLastRecord) {
    struct Table {
        const char* name;
        int count;
        std::function<void(CloneImage&, int)> write;
    };
    const Table tables[] = {
        {"FleetLink ANI (MDC1200 calls follow)", 8,
         [](CloneImage& im, int n) { ItemMap::SetFleetLinkAniTransmitAlt(im, n, 2); }},
        {"FleetLink side tone", 8, [](CloneImage& im, int n) { ItemMap::SetFleetLinkPttSideToneAlt(im, n, 1); }},
        {"DTMF page code digit 1", 10, [](CloneImage& im, int n) { ItemMap::SetDtmfPageCodeDigit1(im, n, 5); }},
        {"DTMF page code digit 3", 10, [](CloneImage& im, int n) { ItemMap::SetDtmfPageCodeDigit3(im, n, 5); }},
        {"2-tone system decode code", 8,
         [](CloneImage& im, int n) { ItemMap::SetTone2SystemDecodeCode8(im, n, 1); }},
        {"2-tone decode alert repeat", 8, [](CloneImage& im, int n) { ItemMap::SetTone2DecodeAlertRepeat(im, n, 9); }},
        {"2-tone decode tag (encode records follow)", 8,
         [](CloneImage& im, int n) { ItemMap::SetTone2DecodeTag(im, n, "DEC"); }},
        {"2-tone encode tag", 8, [](CloneImage& im, int n) { ItemMap::SetTone2EncodeTag(im, n, "ENC"); }},
        {"alignment point (power-on tag follows)", 16,
         [](CloneImage& im, int n) { ItemMap::SetAlignTablePoint(im, n, 0x1234); }},
        {"alignment kind 13", 16, [](CloneImage& im, int n) { ItemMap::SetAlignTableKind13(im, n, 7); }},
    };
    for (const Table& t : tables) {
        CloneImage image;
        for (std::size_t i = 0; i < CloneImage::Size; ++i) image[i] = static_cast<std::uint8_t>(i * 31 + 7);
        const CloneImage before = image;
        t.write(image, t.count);
        EXPECT_EQ(CloneImageOps::Compare(image, before), 0) << t.name << ": record " << t.count;
        CloneImage zeros;
        zeros.Fill(0);
        const CloneImage blank = zeros;
        t.write(zeros, t.count - 1);
        EXPECT_NE(CloneImageOps::Compare(zeros, blank), 0) << t.name << ": record " << t.count - 1;
    }
    CloneImage image;
    image.Fill(0x5A);
    EXPECT_EQ(ItemMap::GetAlignTablePoint(image, 16), 0u);
    EXPECT_EQ(ItemMap::GetTone2EncodeTag(image, 8), "");
    EXPECT_EQ(ItemMap::GetDtmfPageCodeDigit2(image, 10), 0u);
    EXPECT_EQ(ItemMap::GetFleetLinkAniTransmitAlt(image, 8), 0u);
}

