#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <span>

#include "ItemAccessorCases.h"
#include "image/ItemsTone.h"
#include "image/TagCharRule.h"

namespace {

using AccessorChecks::Case;
using AccessorChecks::TableRow;

const TableRow kTables[] = {
    {"Tone2TableItems", ItemMap::Tone2TableItems, 12, 0x2C00, 0x2C82},
    {"Tone2Items", ItemMap::Tone2Items, 54, 0x2D01, 0x2E2F},
    {"Tone5TableItems", ItemMap::Tone5TableItems, 81, 0x3000, 0x35FB},
    {"Tone5SystemItems", ItemMap::Tone5SystemItems, 54, 0x3600, 0x3818},
    {"Tone5CodeItems", ItemMap::Tone5CodeItems, 96, 0x3820, 0x394F},
};

TEST(ToneTables, CountsShapesAndNoValueMasks) {
    AccessorChecks::ExpectCountsAndShapes(kTables);
    AccessorChecks::ExpectNoValueMasks(kTables);
}

TEST(ToneTables, EveryDescriptorWritesOnlyItsBits) {
    AccessorChecks::ExpectEveryWriteChangesOnlyItsBits(kTables);
}

// Every plain numeric accessor and the field it addresses: buffer position of
// record 0, width, mask, record size (0: a single item).
const Case kCases[] = {
    ACCESSOR_ONE(Tone2TableByte74, 0x2C74, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone2TableByte75, 0x2C75, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone2DecodePrecision, 0x2D01, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone2BeepRepeatInterval, 0x2D05, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone2CallBeepLevel, 0x2D06, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone2Call1To5EncodeCode, 0x2D0A, 1, 0xFF, 0),
    ACCESSOR_REC(Tone2SystemDecodeCode1, 0x2D2E, 1, 0x1, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode2, 0x2D2E, 1, 0x2, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode3, 0x2D2E, 1, 0x4, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode4, 0x2D2E, 1, 0x8, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode5, 0x2D2E, 1, 0x10, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode6, 0x2D2E, 1, 0x20, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode7, 0x2D2E, 1, 0x40, 16),
    ACCESSOR_REC(Tone2SystemDecodeCode8, 0x2D2E, 1, 0x80, 16),
    ACCESSOR_REC(Tone2DecodeAlertRepeat, 0x2DA5, 1, 0xFF, 16),
    ACCESSOR_ONE(Tone5TableByte04, 0x3004, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5TableByte05, 0x3005, 1, 0xFF, 0),
    ACCESSOR_REC(Tone5CtcssDcsComplement, 0x3600, 1, 0x2, 16),
    ACCESSOR_REC(Tone5AutoResetBeep, 0x3602, 1, 0x20, 16),
    ACCESSOR_REC(Tone5RepeaterCode, 0x3604, 1, 0xFF, 16),
    ACCESSOR_REC(Tone5CallEncodeCode, 0x3605, 1, 0xFF, 16),
    ACCESSOR_REC(Tone5IdEncodeCode, 0x3606, 1, 0xFF, 16),
    ACCESSOR_REC(Tone5DecodeCode1, 0x3607, 1, 0x80, 16),
    ACCESSOR_REC(Tone5DecodeCode2, 0x3607, 1, 0x40, 16),
    ACCESSOR_REC(Tone5DecodeCode3, 0x3607, 1, 0x20, 16),
    ACCESSOR_REC(Tone5DecodeCode4, 0x3607, 1, 0x10, 16),
    ACCESSOR_REC(Tone5DecodeCode5, 0x3607, 1, 0x8, 16),
    ACCESSOR_REC(Tone5DecodeCode6, 0x3607, 1, 0x4, 16),
    ACCESSOR_REC(Tone5DecodeCode7, 0x3607, 1, 0x2, 16),
    ACCESSOR_REC(Tone5DecodeCode8, 0x3607, 1, 0x1, 16),
    ACCESSOR_ONE(Tone5Setup, 0x3800, 1, 0x3, 0),
    ACCESSOR_ONE(Tone5TagDisplay, 0x3801, 1, 0x80, 0),
    ACCESSOR_ONE(Tone5AniDisplay, 0x3801, 1, 0x40, 0),
    ACCESSOR_ONE(Tone5PttCall, 0x3801, 1, 0x20, 0),
    ACCESSOR_ONE(Tone5SideTone, 0x3801, 1, 0x2, 0),
    ACCESSOR_ONE(Tone5MinimumDecodeDigit, 0x3802, 1, 0xE0, 0),
    ACCESSOR_ONE(Tone5SignalingMonitorMode, 0x3802, 1, 0xC, 0),
    ACCESSOR_ONE(Tone5RepeatTone, 0x3803, 1, 0xF0, 0),
    ACCESSOR_ONE(Tone5GroupTone, 0x3803, 1, 0xF, 0),
    ACCESSOR_ONE(Tone5LastGapTone, 0x3804, 1, 0x1F, 0),
    ACCESSOR_ONE(Tone5ClearToTranspond, 0x3805, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5AutoTxTime, 0x3806, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5LeadInDelay, 0x3807, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5Extend1stToneTime, 0x3808, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5SecondLastGapTime, 0x3809, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5LastGapTime, 0x380A, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5LeadOutDelay, 0x380B, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5AckDecodeTime, 0x380C, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5TranspondAckRetry, 0x380D, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5Call1EncodeCode, 0x380E, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5Call2EncodeCode, 0x380F, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5Call3EncodeCode, 0x3810, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5EmergencyEncodeCode, 0x3811, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5BeepRepeatInterval, 0x3814, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5CallBeepLevel, 0x3815, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5Tp40LeadInToneTime, 0x3816, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5DecodePrecision, 0x3817, 1, 0xFF, 0),
    ACCESSOR_ONE(Tone5TranspondDelayTime, 0x3818, 1, 0xFF, 0),
    ACCESSOR_REC(Tone5DecodeDigit1, 0x3821, 1, 0xF0, 32),
    ACCESSOR_REC(Tone5DecodeDigit2, 0x3821, 1, 0xF, 32),
    ACCESSOR_REC(Tone5DecodeDigit3, 0x3822, 1, 0xF0, 32),
    ACCESSOR_REC(Tone5DecodeDigit4, 0x3822, 1, 0xF, 32),
    ACCESSOR_REC(Tone5DecodeDigit5, 0x3823, 1, 0xF0, 32),
    ACCESSOR_REC(Tone5DecodeDigit6, 0x3823, 1, 0xF, 32),
    ACCESSOR_REC(Tone5DecodeDigit7, 0x3824, 1, 0xF0, 32),
    ACCESSOR_REC(Tone5DecodeDigit8, 0x3824, 1, 0xF, 32),
    ACCESSOR_REC(Tone5DecodeScan, 0x3826, 1, 0xC0, 32),
    ACCESSOR_REC(Tone5DecodeLedColorHigh, 0x3827, 1, 0x2, 32),
    ACCESSOR_REC(Tone5DecodeLedColorLow, 0x3827, 1, 0x1, 32),
    ACCESSOR_REC(Tone5DecodeAlertRepeat, 0x3829, 1, 0xFF, 32),
    ACCESSOR_REC(Tone5DecodeAccControl1, 0x382B, 1, 0xC0, 32),
    ACCESSOR_REC(Tone5DecodeAccControl2, 0x382B, 1, 0x30, 32),
    ACCESSOR_REC(Tone5DecodeAccControl3, 0x382B, 1, 0xC, 32),
    ACCESSOR_REC(Tone5DecodeAccControl4, 0x382B, 1, 0x3, 32),
    ACCESSOR_REC(Tone5EncodeDigitCount, 0x3940, 1, 0xF0, 16),
    ACCESSOR_REC(Tone5EncodeDigit1, 0x3941, 1, 0xF0, 16),
    ACCESSOR_REC(Tone5EncodeDigit2, 0x3941, 1, 0xF, 16),
    ACCESSOR_REC(Tone5EncodeDigit3, 0x3942, 1, 0xF0, 16),
    ACCESSOR_REC(Tone5EncodeDigit4, 0x3942, 1, 0xF, 16),
    ACCESSOR_REC(Tone5EncodeDigit5, 0x3943, 1, 0xF0, 16),
    ACCESSOR_REC(Tone5EncodeDigit6, 0x3943, 1, 0xF, 16),
    ACCESSOR_REC(Tone5EncodeDigit7, 0x3944, 1, 0xF0, 16),
    ACCESSOR_REC(Tone5EncodeDigit8, 0x3944, 1, 0xF, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit1, 0x3945, 1, 0x80, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit2, 0x3945, 1, 0x40, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit3, 0x3945, 1, 0x20, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit4, 0x3945, 1, 0x10, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit5, 0x3945, 1, 0x8, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit6, 0x3945, 1, 0x4, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit7, 0x3945, 1, 0x2, 16),
    ACCESSOR_REC(Tone5EncodeInputDigit8, 0x3945, 1, 0x1, 16),
};

class ToneAccessorTest : public ::testing::TestWithParam<Case> {};

TEST_P(ToneAccessorTest, WritesExactlyItsFieldAndReadsItBack) {
    AccessorChecks::ExpectAccessorAddressesItsField(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Blocks10To13, ToneAccessorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Tone words and clocks kept low byte first.
struct WordCase {
    const char* name;
    ItemMap::ItemSetter set;
    ItemMap::ItemGetter get;
    std::size_t position;
    std::uint32_t width;
};

void PrintTo(const WordCase& c, std::ostream* os) {
    *os << c.name;
}

class ToneWordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(ToneWordTest, StoresTheValueLowByteFirstAndNothingElse) {
    const WordCase& c = GetParam();
    const std::uint32_t value = c.width == 4 ? 0x00A8C000u : 0x1234u;  // 11,059,200 Hz / a 16-bit word
    CloneImage image;
    CloneImage expected;
    for (std::uint32_t i = 0; i < c.width; ++i)
        expected[c.position + i] = static_cast<std::uint8_t>(value >> (8 * i));
    EXPECT_EQ(c.set(image, value), 1);
    EXPECT_TRUE(image == expected) << AccessorChecks::FirstDifference(image, expected);
    EXPECT_EQ(c.get(image), value);
}

#define WORD(X, pos, width)                                                                                  \
    WordCase {                                                                                               \
#X, [](CloneImage & i,                                                                               \
               std::uint32_t v) { return ItemMap::Set##X(i, v); },                                           \
                                                                [](const CloneImage&                         \
                                                                       i) { return ItemMap::Get##X(i); },    \
                                                                                                       pos,  \
                                                                                                       width \
    }

INSTANTIATE_TEST_SUITE_P(
    LittleEndian, ToneWordTest,
    ::testing::Values(
        WordCase{"Tone2ToneWord3",
                 [](CloneImage& i, std::uint32_t v) { return ItemMap::SetPackBytesLE(i, 3, v); },
                 [](const CloneImage& i) { return ItemMap::PackBytesLE(3, i); }, 0x2C26, 2},
        WORD(Tone2ReferenceValue, 0x2C70, 2), WORD(Tone2TableWord72, 0x2C72, 2),
        WORD(Tone2ReferenceClock, 0x2C76, 4), WORD(16FromPair, 0x3000, 2), WORD(Tone5TableWord02, 0x3002, 2),
        WORD(Tone5ReferenceClock, 0x3006, 4),
        WordCase{"Tone5RegisterLowF1T2",
                 [](CloneImage& i, std::uint32_t v) { return ItemMap::SetTone5RegisterLow(i, 1, 2, v); },
                 [](const CloneImage& i) { return ItemMap::GetTone5RegisterLow(i, 1, 2); }, 0x3088, 2},
        WordCase{"Tone5RegisterHighF1T2",
                 [](CloneImage& i, std::uint32_t v) { return ItemMap::SetTone5RegisterHigh(i, 1, 2, v); },
                 [](const CloneImage& i) { return ItemMap::GetTone5RegisterHigh(i, 1, 2); }, 0x308A, 2},
        WordCase{"Tone5ToneValueF13T15",
                 [](CloneImage& i, std::uint32_t v) { return ItemMap::SetTone5ToneValue(i, 13, 15, v); },
                 [](const CloneImage& i) { return ItemMap::GetTone5ToneValue(i, 13, 15); }, 0x35BE, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToneTable, PackBytesLEReversesBytesAndReadsTheTwoToneTable) {
    EXPECT_EQ(ItemMap::PackBytesLE(0x1234u, 2u), 0x3412u);
    EXPECT_EQ(ItemMap::PackBytesLE(0x00A8C000u, 4u), 0x00C0A800u);
    EXPECT_EQ(ItemMap::PackBytesLE(0xABu, 1u), 0xABu);

    CloneImage image;
    EXPECT_EQ(ItemMap::PackBytesLE(0, image), 0xFFFFu);  // not set
    ItemMap::SetPackBytesLE(image, 15, 10000);           // 1,000.0 Hz
    EXPECT_EQ(image[0x2C3E], 0x10);
    EXPECT_EQ(image[0x2C3F], 0x27);
    EXPECT_EQ(ItemMap::PackBytesLE(15, image), 10000u);

    // Codes outside the table: no tone, and the bytes after it stay.
    const CloneImage before = image;
    ItemMap::SetPackBytesLE(image, 16, 0);
    ItemMap::SetPackBytesLE(image, -1, 0);
    EXPECT_TRUE(image == before);
    EXPECT_EQ(ItemMap::PackBytesLE(16, image), 0xFFFFu);
    EXPECT_EQ(ItemMap::GetPackBytesLE(image, -1), 0xFFFFu);
}

// The 5-tone tables: 14 formats of 16 tones. Every register pair and tone
// value of every format is its own word: writing them all and reading them
// back must give each its own value (formats 14-15 would put register pairs
// over the tone values of formats 0-1).
TEST(FiveToneTable, RegisterPairsAndToneValuesOfAllFormatsAndTonesAreDistinct) {
    CloneImage image;
    auto word = [](int family, int f, int t) {
        return static_cast<std::uint32_t>(family << 12 | f << 4 | t);
    };
    for (int f = 0; f < ItemMap::Tone5FormatCount; ++f)
        for (int t = 0; t < ItemMap::Tone5ToneCount; ++t) {
            ItemMap::SetTone5RegisterLow(image, f, t, word(1, f, t));
            ItemMap::SetTone5RegisterHigh(image, f, t, word(2, f, t));
            ItemMap::SetTone5ToneValue(image, f, t, word(3, f, t));
        }
    for (int f = 0; f < 14; ++f)
        for (int t = 0; t < 16; ++t) {
            SCOPED_TRACE(testing::Message() << "format " << f << " tone " << t);
            EXPECT_EQ(ItemMap::GetTone5RegisterLow(image, f, t), word(1, f, t));
            EXPECT_EQ(ItemMap::GetTone5RegisterHigh(image, f, t), word(2, f, t));
            EXPECT_EQ(ItemMap::GetTone5ToneValue(image, f, t), word(3, f, t));
        }
    // The register pairs end at 0x33BF; the tone values begin at 0x3400 and
    // end at 0x35BF; the scale, clock and period bytes are untouched.
    EXPECT_EQ(image[0x33BC], 0xDF);
    EXPECT_EQ(image[0x33BF], 0x20);
    for (std::size_t b = 0x33C0; b < 0x3400; ++b) EXPECT_EQ(image[b], 0xFF) << std::hex << b;
    EXPECT_EQ(image[0x3400], 0x00);
    EXPECT_EQ(image[0x3401], 0x30);
    for (std::size_t b = 0x35C0; b < 0x3600; ++b) EXPECT_EQ(image[b], 0xFF) << std::hex << b;
    for (std::size_t b = 0x3000; b < 0x3040; ++b) EXPECT_EQ(image[b], 0xFF) << std::hex << b;
}

TEST(FiveToneTable, FormatsAndTonesOutsideTheTableAreRefused) {
    CloneImage image;
    const CloneImage erased = image;
    const std::pair<int, int> outside[] = {{14, 0}, {15, 0}, {15, 13}, {-1, 0}, {0, 16}, {0, -1}, {13, 16}};
    for (const auto& [f, t] : outside) {
        SCOPED_TRACE(testing::Message() << "format " << f << " tone " << t);
        EXPECT_EQ(ItemMap::SetTone5RegisterLow(image, f, t, 0), 1);
        EXPECT_EQ(ItemMap::SetTone5RegisterHigh(image, f, t, 0), 1);
        EXPECT_EQ(ItemMap::SetTone5ToneValue(image, f, t, 0), 1);
        EXPECT_TRUE(image == erased) << AccessorChecks::FirstDifference(image, erased);
        image.Fill(0);
        EXPECT_EQ(ItemMap::GetTone5RegisterLow(image, f, t), 0xFFFFu);
        EXPECT_EQ(ItemMap::GetTone5ToneValue(image, f, t), 0xFFFFu);
        image.Fill(0xFF);
    }
    for (const int f : {14, 15, -1}) {
        ItemMap::SetTone5TonePeriod(image, f, 0);
        ItemMap::SetTone5GapPeriod(image, f, 0);
        EXPECT_EQ(ItemMap::GetTone5TonePeriod(image, f), 0xFFu);
    }
    EXPECT_TRUE(image == erased) << AccessorChecks::FirstDifference(image, erased);
}

TEST(FiveToneTable, PeriodBytesOfEachFormat) {
    CloneImage image;
    for (int f = 0; f < 14; ++f) {
        ItemMap::SetTone5TonePeriod(image, f, 100 + f);
        ItemMap::SetTone5GapPeriod(image, f, 200 + f);
    }
    for (int f = 0; f < 14; ++f) {
        EXPECT_EQ(image[0x35E0 + 2 * f], 100 + f);
        EXPECT_EQ(image[0x35E1 + 2 * f], 200 + f);
        EXPECT_EQ(ItemMap::GetTone5TonePeriod(image, f), 100u + f);
        EXPECT_EQ(ItemMap::GetTone5GapPeriod(image, f), 200u + f);
    }
    EXPECT_EQ(image[0x35FC], 0xFF);
}

// The fixed-tone wrappers reach the tone of their number.
TEST(FiveToneTable, EachWrapperAddressesItsTone) {
    using ItemMap::RecordAccessorPair;
    const RecordAccessorPair low[16] = {
        {ItemMap::GetTone5RegisterLow0, ItemMap::SetTone5RegisterLow0},
        {ItemMap::GetTone5RegisterLow1, ItemMap::SetTone5RegisterLow1},
        {ItemMap::GetTone5RegisterLow2, ItemMap::SetTone5RegisterLow2},
        {ItemMap::GetTone5RegisterLow3, ItemMap::SetTone5RegisterLow3},
        {ItemMap::GetTone5RegisterLow4, ItemMap::SetTone5RegisterLow4},
        {ItemMap::GetTone5RegisterLow5, ItemMap::SetTone5RegisterLow5},
        {ItemMap::GetTone5RegisterLow6, ItemMap::SetTone5RegisterLow6},
        {ItemMap::GetTone5RegisterLow7, ItemMap::SetTone5RegisterLow7},
        {ItemMap::GetTone5RegisterLow8, ItemMap::SetTone5RegisterLow8},
        {ItemMap::GetTone5RegisterLow9, ItemMap::SetTone5RegisterLow9},
        {ItemMap::GetTone5RegisterLow10, ItemMap::SetTone5RegisterLow10},
        {ItemMap::GetTone5RegisterLow11, ItemMap::SetTone5RegisterLow11},
        {ItemMap::GetTone5RegisterLow12, ItemMap::SetTone5RegisterLow12},
        {ItemMap::GetTone5RegisterLow13, ItemMap::SetTone5RegisterLow13},
        {ItemMap::GetTone5RegisterLow14, ItemMap::SetTone5RegisterLow14},
        {ItemMap::GetTone5RegisterLow15, ItemMap::SetTone5RegisterLow15},
    };
    const RecordAccessorPair high[16] = {
        {ItemMap::GetTone5RegisterHigh0, ItemMap::SetTone5RegisterHigh0},
        {ItemMap::GetTone5RegisterHigh1, ItemMap::SetTone5RegisterHigh1},
        {ItemMap::GetTone5RegisterHigh2, ItemMap::SetTone5RegisterHigh2},
        {ItemMap::GetTone5RegisterHigh3, ItemMap::SetTone5RegisterHigh3},
        {ItemMap::GetTone5RegisterHigh4, ItemMap::SetTone5RegisterHigh4},
        {ItemMap::GetTone5RegisterHigh5, ItemMap::SetTone5RegisterHigh5},
        {ItemMap::GetTone5RegisterHigh6, ItemMap::SetTone5RegisterHigh6},
        {ItemMap::GetTone5RegisterHigh7, ItemMap::SetTone5RegisterHigh7},
        {ItemMap::GetTone5RegisterHigh8, ItemMap::SetTone5RegisterHigh8},
        {ItemMap::GetTone5RegisterHigh9, ItemMap::SetTone5RegisterHigh9},
        {ItemMap::GetTone5RegisterHigh10, ItemMap::SetTone5RegisterHigh10},
        {ItemMap::GetTone5RegisterHigh11, ItemMap::SetTone5RegisterHigh11},
        {ItemMap::GetTone5RegisterHigh12, ItemMap::SetTone5RegisterHigh12},
        {ItemMap::GetTone5RegisterHigh13, ItemMap::SetTone5RegisterHigh13},
        {ItemMap::GetTone5RegisterHigh14, ItemMap::SetTone5RegisterHigh14},
        {ItemMap::GetTone5RegisterHigh15, ItemMap::SetTone5RegisterHigh15},
    };
    const RecordAccessorPair value[16] = {
        {ItemMap::GetTone5ToneValue0, ItemMap::SetTone5ToneValue0},
        {ItemMap::GetTone5ToneValue1, ItemMap::SetTone5ToneValue1},
        {ItemMap::GetTone5ToneValue2, ItemMap::SetTone5ToneValue2},
        {ItemMap::GetTone5ToneValue3, ItemMap::SetTone5ToneValue3},
        {ItemMap::GetTone5ToneValue4, ItemMap::SetTone5ToneValue4},
        {ItemMap::GetTone5ToneValue5, ItemMap::SetTone5ToneValue5},
        {ItemMap::GetTone5ToneValue6, ItemMap::SetTone5ToneValue6},
        {ItemMap::GetTone5ToneValue7, ItemMap::SetTone5ToneValue7},
        {ItemMap::GetTone5ToneValue8, ItemMap::SetTone5ToneValue8},
        {ItemMap::GetTone5ToneValue9, ItemMap::SetTone5ToneValue9},
        {ItemMap::GetTone5ToneValue10, ItemMap::SetTone5ToneValue10},
        {ItemMap::GetTone5ToneValue11, ItemMap::SetTone5ToneValue11},
        {ItemMap::GetTone5ToneValue12, ItemMap::SetTone5ToneValue12},
        {ItemMap::GetTone5ToneValue13, ItemMap::SetTone5ToneValue13},
        {ItemMap::GetTone5ToneValue14, ItemMap::SetTone5ToneValue14},
        {ItemMap::GetTone5ToneValue15, ItemMap::SetTone5ToneValue15},
    };
    for (int t = 0; t < 16; ++t) {
        SCOPED_TRACE(testing::Message() << "tone " << t);
        CloneImage image;
        low[t].set(image, 7, 0x1000u + t);
        high[t].set(image, 7, 0x2000u + t);
        value[t].set(image, 7, 0x3000u + t);
        EXPECT_EQ(ItemMap::GetTone5RegisterLow(image, 7, t), 0x1000u + t);
        EXPECT_EQ(ItemMap::GetTone5RegisterHigh(image, 7, t), 0x2000u + t);
        EXPECT_EQ(ItemMap::GetTone5ToneValue(image, 7, t), 0x3000u + t);
        EXPECT_EQ(low[t].get(image, 7), 0x1000u + t);
        EXPECT_EQ(value[t].get(image, 14), 0xFFFFu);  // format 14 is refused here too
    }
    using ItemMap::ItemAccessorPair;
    const ItemAccessorPair period[14] = {
        {ItemMap::GetTone5TonePeriod0, ItemMap::SetTone5TonePeriod0},
        {ItemMap::GetTone5TonePeriod1, ItemMap::SetTone5TonePeriod1},
        {ItemMap::GetTone5TonePeriod2, ItemMap::SetTone5TonePeriod2},
        {ItemMap::GetTone5TonePeriod3, ItemMap::SetTone5TonePeriod3},
        {ItemMap::GetTone5TonePeriod4, ItemMap::SetTone5TonePeriod4},
        {ItemMap::GetTone5TonePeriod5, ItemMap::SetTone5TonePeriod5},
        {ItemMap::GetTone5TonePeriod6, ItemMap::SetTone5TonePeriod6},
        {ItemMap::GetTone5TonePeriod7, ItemMap::SetTone5TonePeriod7},
        {ItemMap::GetTone5TonePeriod8, ItemMap::SetTone5TonePeriod8},
        {ItemMap::GetTone5TonePeriod9, ItemMap::SetTone5TonePeriod9},
        {ItemMap::GetTone5TonePeriod10, ItemMap::SetTone5TonePeriod10},
        {ItemMap::GetTone5TonePeriod11, ItemMap::SetTone5TonePeriod11},
        {ItemMap::GetTone5TonePeriod12, ItemMap::SetTone5TonePeriod12},
        {ItemMap::GetTone5TonePeriod13, ItemMap::SetTone5TonePeriod13},
    };
    const ItemAccessorPair gap[14] = {
        {ItemMap::GetTone5GapPeriod0, ItemMap::SetTone5GapPeriod0},
        {ItemMap::GetTone5GapPeriod1, ItemMap::SetTone5GapPeriod1},
        {ItemMap::GetTone5GapPeriod2, ItemMap::SetTone5GapPeriod2},
        {ItemMap::GetTone5GapPeriod3, ItemMap::SetTone5GapPeriod3},
        {ItemMap::GetTone5GapPeriod4, ItemMap::SetTone5GapPeriod4},
        {ItemMap::GetTone5GapPeriod5, ItemMap::SetTone5GapPeriod5},
        {ItemMap::GetTone5GapPeriod6, ItemMap::SetTone5GapPeriod6},
        {ItemMap::GetTone5GapPeriod7, ItemMap::SetTone5GapPeriod7},
        {ItemMap::GetTone5GapPeriod8, ItemMap::SetTone5GapPeriod8},
        {ItemMap::GetTone5GapPeriod9, ItemMap::SetTone5GapPeriod9},
        {ItemMap::GetTone5GapPeriod10, ItemMap::SetTone5GapPeriod10},
        {ItemMap::GetTone5GapPeriod11, ItemMap::SetTone5GapPeriod11},
        {ItemMap::GetTone5GapPeriod12, ItemMap::SetTone5GapPeriod12},
        {ItemMap::GetTone5GapPeriod13, ItemMap::SetTone5GapPeriod13},
    };
    for (int f = 0; f < 14; ++f) {
        SCOPED_TRACE(testing::Message() << "format " << f);
        CloneImage image;
        period[f].set(image, 10u + f);
        gap[f].set(image, 50u + f);
        EXPECT_EQ(ItemMap::GetTone5TonePeriod(image, f), 10u + f);
        EXPECT_EQ(ItemMap::GetTone5GapPeriod(image, f), 50u + f);
        EXPECT_EQ(period[f].get(image), 10u + f);
        EXPECT_EQ(gap[f].get(image), 50u + f);
    }
}

class RuleGuard {
  public:
    ~RuleGuard() { SetCurrentTagCharRule(DefaultTagCharRule::Instance()); }
};

using TagGetter = std::string (*)(const CloneImage&, int);
using TagSetter = int (*)(CloneImage&, int, std::string_view);

// Tone tags are display text through the current rule, 8 codes per record.
TEST(ToneTags, ConvertThroughTheCurrentRuleAndFillExactlyEightBytes) {
    struct Tag {
        const char* name;
        TagGetter get;
        TagSetter set;
        int record;
        std::size_t position;  // of that record's tag
    };
    const Tag tags[] = {
        {"Tone2DecodeTag", ItemMap::GetTone2DecodeTag, ItemMap::SetTone2DecodeTag, 1, 0x2DB8},
        {"Tone2EncodeTag", ItemMap::GetTone2EncodeTag, ItemMap::SetTone2EncodeTag, 2, 0x2E48},
        {"Tone5DecodeTag", ItemMap::GetTone5DecodeTag, ItemMap::SetTone5DecodeTag, 8, 0x3930},
        {"Tone5EncodeTag", ItemMap::GetTone5EncodeTag, ItemMap::SetTone5EncodeTag, 31, 0x3B38},
    };
    RuleGuard guard;
    SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    for (const Tag& t : tags) {
        SCOPED_TRACE(t.name);
        CloneImage image;
        CloneImage expected;
        const std::uint8_t codes[8] = {'A', 0x8B, 0x80, '-', '9', 0xA0, 0x86, 'Z'};
        std::memcpy(expected.data() + t.position, codes, 8);
        EXPECT_EQ(t.set(image, t.record, "aка-9яёzz"), 1);  // cut at 8
        EXPECT_TRUE(image == expected) << AccessorChecks::FirstDifference(image, expected);
        EXPECT_EQ(t.get(image, t.record), "AКА-9ЯЁZ");
    }
}

}  // namespace
