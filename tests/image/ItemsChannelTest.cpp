#include <gtest/gtest.h>

#include <bit>
#include <span>
#include <string>

#include "ItemTableChecks.h"
#include "image/ItemAccessors.h"
#include "image/ItemsChannel.h"

namespace {

using ItemTableChecks::Expected;
using ItemTableChecks::FirstDifference;

constexpr std::size_t RecordPosition(int channel) {
    return 0x400 + 64 * static_cast<std::size_t>(channel);
}

TEST(ChannelItems, CountShapeAndWidths) {
    const std::span<const ImageItemDescriptor> table = ItemMap::ChannelItems;
    EXPECT_EQ(table.size(), 79u);
    // Record-relative: block 0, within bytes 0x00-0x37 of channel 0's record.
    ItemTableChecks::ExpectWellFormed(table, RecordPosition(0), RecordPosition(0) + 0x38);
    std::size_t widths[5] = {};
    for (const auto& d : table) {
        EXPECT_EQ(d.block, 0u);
        EXPECT_EQ(d.valueMask, 0u);
        ++widths[d.width];
    }
    EXPECT_EQ(widths[1], 75u);
    EXPECT_EQ(widths[3], 4u);  // the two synthesiser words of each side
}

TEST(ChannelItems, EveryItemWritesOnlyItsBitsInItsChannelsRecord) {
    for (const auto& d : ItemMap::ChannelItems) {
        for (const int channel : {0, 17, 127}) {
            for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
                CloneImage image;
                image.Fill(fill);
                EXPECT_EQ(ItemMap::WriteChannelField(d, image, channel, fill ? 0u : 0xFFFFFFFFu), 1);
                const CloneImage expected =
                    Expected(fill, RecordPosition(channel) + d.offset, d.width, d.mask, d.valueMask);
                EXPECT_TRUE(image == expected) << "ordinal " << d.ordinal << " channel " << channel << ": "
                                               << FirstDifference(image, expected);
            }
        }
    }
}

// ---- per-field accessors, against the field's record byte and bits -------

struct FieldCase {
    const char* name;
    ItemMap::RecordGetter get;
    ItemMap::RecordSetter set;
    std::size_t offset;
    std::uint32_t mask;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

const FieldCase kFields[] = {
    {"WideNarrow", ItemMap::GetChannelWideNarrow, ItemMap::SetChannelWideNarrow, 0x00, 0x60},
    {"TxPowerHigh", ItemMap::GetChannelTxPowerHigh, ItemMap::SetChannelTxPowerHigh, 0x00, 0x1},
    {"TotTimer", ItemMap::GetChannelTotTimer, ItemMap::SetChannelTotTimer, 0x02, 0xFF},
    {"PenaltyTimer", ItemMap::GetChannelPenaltyTimer, ItemMap::SetChannelPenaltyTimer, 0x03, 0xC0},
    {"ReleaseTimer", ItemMap::GetChannelReleaseTimer, ItemMap::SetChannelReleaseTimer, 0x03, 0x30},
    {"Encryption", ItemMap::GetChannelEncryption, ItemMap::SetChannelEncryption, 0x04, 0xC},
    {"LockOut", ItemMap::GetChannelLockOut, ItemMap::SetChannelLockOut, 0x04, 0x3},
    {"AniType", ItemMap::GetChannelAniType, ItemMap::SetChannelAniType, 0x05, 0xC0},
    {"AniMonitor", ItemMap::GetChannelAniMonitor, ItemMap::SetChannelAniMonitor, 0x05, 0x20},
    {"Olta", ItemMap::GetChannelOlta, ItemMap::SetChannelOlta, 0x05, 0x3},
    {"Mdc1200Ani", ItemMap::GetChannelMdc1200Ani, ItemMap::SetChannelMdc1200Ani, 0x06, 0xFF},
    {"AutoScan", ItemMap::GetChannelAutoScan, ItemMap::SetChannelAutoScan, 0x07, 0x3},
    {"ScanZone", ItemMap::GetChannelScanZone, ItemMap::SetChannelScanZone, 0x08, 0xFF},
    {"Vox", ItemMap::GetChannelVox, ItemMap::SetChannelVox, 0x09, 0x18},
    {"ExtMicSelect", ItemMap::GetChannelExtMicSelect, ItemMap::SetChannelExtMicSelect, 0x09, 0x4},
    {"PreEmphasis", ItemMap::GetChannelPreEmphasis, ItemMap::SetChannelPreEmphasis, 0x09, 0x2},
    {"DeEmphasis", ItemMap::GetChannelDeEmphasis, ItemMap::SetChannelDeEmphasis, 0x09, 0x1},
    {"RxFlatAf", ItemMap::GetChannelRxFlatAf, ItemMap::SetChannelRxFlatAf, 0x0A, 0x20},
    {"TxFlatAf", ItemMap::GetChannelTxFlatAf, ItemMap::SetChannelTxFlatAf, 0x0A, 0x10},
    {"RxHpfType", ItemMap::GetChannelRxHpfType, ItemMap::SetChannelRxHpfType, 0x0A, 0x8},
    {"RxLpfType", ItemMap::GetChannelRxLpfType, ItemMap::SetChannelRxLpfType, 0x0A, 0x4},
    {"TxHpfType", ItemMap::GetChannelTxHpfType, ItemMap::SetChannelTxHpfType, 0x0A, 0x2},
    {"TxSplType", ItemMap::GetChannelTxSplType, ItemMap::SetChannelTxSplType, 0x0A, 0x1},
    {"SignalingType", ItemMap::GetChannelSignalingType, ItemMap::SetChannelSignalingType, 0x0C, 0xE0},
    {"SignalingNo", ItemMap::GetChannelSignalingNo, ItemMap::SetChannelSignalingNo, 0x0C, 0x1F},
    {"SqlLevel", ItemMap::GetChannelSqlLevel, ItemMap::SetChannelSqlLevel, 0x0E, 0xFF},
    {"SubAudioEncType", ItemMap::GetChannelSubAudioEncType, ItemMap::SetChannelSubAudioEncType, 0x0F, 0xC0},
    {"SubAudioDecType", ItemMap::GetChannelSubAudioDecType, ItemMap::SetChannelSubAudioDecType, 0x0F, 0xC},
    {"SubAudioDecFlag", ItemMap::GetChannelSubAudioDecFlag, ItemMap::SetChannelSubAudioDecFlag, 0x0F, 0x1},
    {"RxPllRefType", ItemMap::GetChannelRxPllRefType, ItemMap::SetChannelRxPllRefType, 0x01, 0xF0},
    {"TxPllRefType", ItemMap::GetChannelTxPllRefType, ItemMap::SetChannelTxPllRefType, 0x01, 0xF},
};

class ChannelFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ChannelFieldTest, WritesExactlyItsBitsAndReadsThemBack) {
    const FieldCase& c = GetParam();
    for (const int channel : {0, 5, 127}) {
        for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
            CloneImage image;
            image.Fill(fill);
            EXPECT_EQ(c.set(image, channel, fill ? 0u : 0xFFFFFFFFu), 1);
            const CloneImage expected = Expected(fill, RecordPosition(channel) + c.offset, 1, c.mask, 0);
            EXPECT_TRUE(image == expected)
                << "channel " << channel << ": " << FirstDifference(image, expected);
            EXPECT_EQ(c.get(image, channel), fill ? 0u : c.mask >> std::countr_zero(c.mask));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, ChannelFieldTest, ::testing::ValuesIn(kFields),
                         [](const auto& info) { return info.param.name; });

struct AdjustCase {
    const char* name;
    ItemMap::RecordSetter set;
    std::size_t offset;
    std::uint32_t mask;
};

const AdjustCase kAdjustSetters[] = {
    {"AdjustKind1", ItemMap::SetChannelAdjustKind1, 0x24, 0xFF},
    {"AdjustKind2", ItemMap::SetChannelAdjustKind2, 0x26, 0xFF},
    {"AdjustKind3And4", ItemMap::SetChannelAdjustKind3And4, 0x28, 0xFF},
    {"AdjustKind5And6", ItemMap::SetChannelAdjustKind5And6, 0x29, 0xFF},
    {"AdjustKind7To10", ItemMap::SetChannelAdjustKind7To10, 0x2A, 0xFF},
    {"AdjustKind11", ItemMap::SetChannelAdjustKind11, 0x2B, 0xFF},
    {"AdjustKind12", ItemMap::SetChannelAdjustKind12, 0x17, 0x78},
    {"AdjustKind13", ItemMap::SetChannelAdjustKind13, 0x1D, 0x78},
};

TEST(ChannelAccessors, AdjustmentSettersWriteTheirValueOnly) {
    for (const AdjustCase& c : kAdjustSetters) {
        CloneImage image;
        image.Fill(0x00);
        EXPECT_EQ(c.set(image, 33, 0xFFFFFFFF), 1);
        const CloneImage expected = Expected(0x00, RecordPosition(33) + c.offset, 1, c.mask, 0);
        EXPECT_TRUE(image == expected) << c.name << ": " << FirstDifference(image, expected);
    }
    CloneImage image;
    ItemMap::SetChannelAdjustKind1(image, 9, 0x5A);
    ItemMap::SetChannelAdjustKind2(image, 9, 0xA5);
    EXPECT_EQ(ItemMap::GetChannelAdjustKind1(image, 9), 0x5Au);
    EXPECT_EQ(ItemMap::GetChannelAdjustKind2(image, 9), 0xA5u);
    EXPECT_EQ(ItemMap::GetChannelItem(image, 9), 0xA5u);
}

TEST(ChannelAccessors, FieldByKindGivesOnlyKindsZeroAndTwo) {
    CloneImage image;
    image[RecordPosition(3) + 0x24] = 0x11;
    image[RecordPosition(3) + 0x26] = 0x22;
    const struct {
        int kind;
        std::uint32_t expected;
    } cases[] = {{0, 0x11}, {2, 0x22}, {1, 0}, {3, 0}, {4, 0}, {13, 0}, {-1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ItemMap::GetChannelFieldByKind(c.kind, image, 3), c.expected) << c.kind;
}

TEST(ChannelAccessors, SubAudioCodesAreLittleEndian) {
    struct Case {
        ItemMap::RecordGetter get;
        ItemMap::RecordSetter set;
        std::size_t low;
    };
    for (const Case& c :
         {Case{ItemMap::GetChannelSubAudioEncCode, ItemMap::SetChannelSubAudioEncCode, 0x10},
          Case{ItemMap::GetChannelSubAudioDecCode, ItemMap::SetChannelSubAudioDecCode, 0x12}}) {
        CloneImage image;
        image.Fill(0);
        EXPECT_EQ(c.set(image, 100, 0x51234), 1);  // bits above 16 are dropped
        CloneImage expected;
        expected.Fill(0);
        expected[RecordPosition(100) + c.low] = 0x34;
        expected[RecordPosition(100) + c.low + 1] = 0x12;
        EXPECT_TRUE(image == expected) << FirstDifference(image, expected);
        EXPECT_EQ(c.get(image, 100), 0x1234u);
    }
}

TEST(ChannelAccessors, NamesLieAtBytes30To37OfTheRecord) {
    struct Case {
        int channel;
        std::size_t position;
        std::string text, stored, readBack;
    };
    const Case cases[] = {
        {0, 0x430, "CH-1", std::string("CH-1\0\0\0\0", 8), "CH-1"},
        {127, 0x23F0, "ABCDEFGHIJ", "ABCDEFGH", "ABCDEFGH"},
        {64, 0x1430, "", std::string(8, '\0'), ""},
    };
    for (const Case& c : cases) {
        CloneImage image;
        EXPECT_EQ(ItemMap::SetChannelName(image, c.channel, c.text), 1);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + c.position), 8), c.stored);
        EXPECT_EQ(image[c.position + 8], 0xFF);
        EXPECT_EQ(image[c.position - 1], 0xFF);
        EXPECT_EQ(ItemMap::GetChannelName(image, c.channel), c.readBack);
    }
}

TEST(ChannelAccessors, ChannelsOutsideTheRadioReadZeroAndWriteNothing) {
    CloneImage image;
    const CloneImage before = image;
    for (const int channel : {-1, 128, 100000}) {
        EXPECT_EQ(ItemMap::SetChannelSqlLevel(image, channel, 0), 1);
        EXPECT_EQ(ItemMap::SetChannelSubAudioEncCode(image, channel, 0), 1);
        EXPECT_EQ(ItemMap::SetChannelAdjustKind12(image, channel, 0), 1);
        EXPECT_EQ(ItemMap::SetChannelName(image, channel, "X"), 1);
        EXPECT_EQ(ItemMap::GetChannelSqlLevel(image, channel), 0u);
        EXPECT_EQ(ItemMap::GetChannelSubAudioDecCode(image, channel), 0u);
        EXPECT_EQ(ItemMap::GetChannelFieldByKind(0, image, channel), 0u);
        EXPECT_EQ(ItemMap::GetChannelName(image, channel), "");
    }
    EXPECT_TRUE(image == before) << FirstDifference(image, before);
}

TEST(ChannelAccessors, SynthesiserWordsKeepTheirEdgeBits) {
    // The 18-bit fraction spans 0x14-0x16 without its two top and four low bits.
    CloneImage image;
    const ImageItemDescriptor& fraction = ItemMap::ChannelItems[ItemMap::ChannelRxFractionItem];
    ItemMap::WriteChannelField(fraction, image, 2, 0);
    EXPECT_EQ(image[RecordPosition(2) + 0x14], 0xC0);
    EXPECT_EQ(image[RecordPosition(2) + 0x15], 0x00);
    EXPECT_EQ(image[RecordPosition(2) + 0x16], 0x0F);
    ItemMap::WriteChannelField(fraction, image, 2, 0x2ABCD);
    EXPECT_EQ(ItemMap::ReadChannelField(fraction, image, 2), 0x2ABCDu);
    EXPECT_EQ(ItemMap::ReadChannelField(ItemMap::ChannelItems[50], image, 2), 0x3u);
    EXPECT_EQ(ItemMap::ReadChannelField(ItemMap::ChannelItems[52], image, 2), 0xFu);
}

}  // namespace
