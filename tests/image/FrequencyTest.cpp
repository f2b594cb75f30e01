#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "RadioFixture.h"
#include "TestHost.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsScan.h"

namespace {

using RadioFixture::Hardware;
using RadioFixture::MakeImage;

constexpr double kClock = 11059200.0;  // the default reference clock

std::int64_t Hz(double mhz) {
    return RoundHalfUp(mhz * 1e6);
}

PllWords Words(const CloneImage& image, int channel, int direction) {
    return CalcPLLFrequency::ReadWords(image, channel, direction);
}

TEST(RoundHalfUp, RoundsHalvesUpward) {
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
    EXPECT_EQ(RoundHalfUp(2.4999), 2);
    EXPECT_EQ(RoundHalfUp(-0.2), 0);
}

TEST(WordsToFrequency, SignedFractionAndIfSide) {
    PllReference ref;
    ref.referenceHz = 15360000.0;
    ref.firstIfHz = 50850000.0;
    ref.localOffset = 1;
    const double step = 5120000.0;
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::WordsToFrequency({30, 0}, ref, DirectionTx, step), 153.6);
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::WordsToFrequency({30, 0x20000}, ref, DirectionTx, step), 153.6 - 2.56)
        << "0x20000 is minus half a step";
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::WordsToFrequency({30, 0x10000}, ref, DirectionTx, step), 153.6 + 1.28);
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::WordsToFrequency({30, 0}, ref, DirectionRx, step), 153.6 - 50.85)
        << "local offset 1: the synthesiser runs one IF above the receive frequency";
    ref.localOffset = 0;
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::WordsToFrequency({30, 0}, ref, DirectionRx, step), 153.6 + 50.85);
}

struct RoundTripCase {
    const char* name;
    Hardware hw;
    double firstMHz;
    double lastMHz;
    double stepHz;
};

class FrequencyRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(FrequencyRoundTrip, EveryGridFrequencyComesBackExactly) {
    const RoundTripCase& c = GetParam();
    CloneImage image = MakeImage(c.hw);
    const PllReference ref = CalcPLLFrequency::ReadReference(image);
    const std::int64_t first = Hz(c.firstMHz), last = Hz(c.lastMHz),
                       step = static_cast<std::int64_t>(c.stepHz);
    int checked = 0;
    for (std::int64_t hz = first; hz <= last; hz += step * 97) {  // a spread of grid points
        const double mhz = static_cast<double>(hz) / 1e6;
        for (int direction : {DirectionRx, DirectionTx}) {
            ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, direction, 5, ref, mhz)) << mhz;
            EXPECT_EQ(Hz(CalcPLLFrequency::ChannelFrequency(&image, 5, direction)), hz)
                << mhz << " dir " << direction;
        }
        ++checked;
    }
    EXPECT_GT(checked, 10);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, FrequencyRoundTrip,
    ::testing::Values(
        RoundTripCase{"Vhf12k5", {}, 136.0, 174.0, 12500}, RoundTripCase{"Vhf6k25", {}, 136.0, 174.0, 6250},
        RoundTripCase{"Vhf2k5LowSide", {.localOffset = 0}, 136.0, 174.0, 2500},
        RoundTripCase{"Uhf5k", {.localOffset = 0, .min100kHz = 4000, .max100kHz = 4700}, 400.0, 470.0, 5000},
        RoundTripCase{
            "Uhf1k25Divider6", {.divider = 6, .min100kHz = 4000, .max100kHz = 4700}, 400.0, 470.0, 1250},
        RoundTripCase{"Crystal12M8", {.xtalKHz = 12800, .divider = 2}, 136.0, 174.0, 12500}),
    [](const auto& info) { return info.param.name; });

TEST(UpdateChannelFrequency, SetsTheSameFrequencyFlag) {
    CloneImage image = MakeImage();
    const PllReference ref = CalcPLLFrequency::ReadReference(image);
    const auto& flag = ItemMap::ChannelItems[ItemMap::ChannelSameFrequencyItem];
    ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionRx, 3, ref, 150.0125));
    ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, 3, ref, 150.0125));
    EXPECT_EQ(ItemMap::ReadChannelField(flag, image, 3), 1u);
    ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, 3, ref, 150.025));
    EXPECT_EQ(ItemMap::ReadChannelField(flag, image, 3), 0u);
}

TEST(UpdateChannelFrequency, RefusesWhatTheSynthesiserCannotHold) {
    struct Case {
        const char* name;
        Hardware hw;
        int pllRef;
        int direction;
        double mhz;
    };
    const Case cases[] = {
        {"DividerZero", {.divider = 0}, 0, DirectionTx, 150.0},
        // 1 MHz / 255 = 3.9 kHz steps: 500 MHz needs N = 127,500 > 0x7FFF.
        {"IntegerWordTooLarge", {.xtalKHz = 1000, .divider = 255}, 0, DirectionTx, 500.0},
        // Local offset 0 with an IF above the channel: a negative synthesiser.
        {"IntegerWordNegative", {.ifKHz = 150000, .localOffset = 0}, 0, DirectionRx, 100.0},
        // PLL REF 8 divides by 1: 65.535 MHz steps leave 125 Hz.
        {"BeyondTolerance", {.xtalKHz = 65535}, 8, DirectionTx, 131.070125},
    };
    for (const auto& c : cases) {
        CloneImage image = MakeImage(c.hw);
        ItemMap::SetChannelTxPllRefType(image, 2, static_cast<std::uint32_t>(c.pllRef));
        ItemMap::SetChannelRxPllRefType(image, 2, static_cast<std::uint32_t>(c.pllRef));
        ASSERT_TRUE(CalcPLLFrequency::WriteWords(image, 2, c.direction, {1234, 0x00ABC}));
        EXPECT_FALSE(CalcPLLFrequency::UpdateChannelFrequency(image, c.direction, 2,
                                                              CalcPLLFrequency::ReadReference(image), c.mhz))
            << c.name;
        EXPECT_EQ(Words(image, 2, c.direction), (PllWords{1234, 0x00ABC})) << c.name << ": words must stay";
    }
}

TEST(WriteWords, RefusesAnIntegerWordOutsideItsField) {
    CloneImage image = MakeImage();
    ASSERT_TRUE(CalcPLLFrequency::WriteWords(image, 0, DirectionTx, {0x7FFF, 0x3FFFF}));
    EXPECT_FALSE(CalcPLLFrequency::WriteWords(image, 0, DirectionTx, {0x8000, 0}));
    EXPECT_EQ(Words(image, 0, DirectionTx), (PllWords{0x7FFF, 0x3FFFF}));
}

TEST(ChannelFrequency, ZeroWithoutImageOrDividerAndHighRefsDivideByOne) {
    CloneImage image = MakeImage({.divider = 0});
    CalcPLLFrequency::WriteWords(image, 0, DirectionTx, {10, 0});
    EXPECT_EQ(CalcPLLFrequency::ChannelFrequency(nullptr, 0, DirectionTx), 0.0);
    EXPECT_EQ(CalcPLLFrequency::ChannelFrequency(&image, 0, 2), 0.0);
    EXPECT_EQ(CalcPLLFrequency::ChannelFrequency(&image, 0, DirectionTx), 0.0);
    ItemMap::SetChannelTxPllRefType(image, 0, 9);
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::ChannelFrequency(&image, 0, DirectionTx), 153.6);
}

TEST(SnapFrequency, ClampsTruncatesAndSnapsToTheOfferedSteps) {
    struct Case {
        const char* name;
        std::uint32_t stepMask;
        double typed;
        double expected;
    };
    const Case cases[] = {
        {"ExactStays", 0, 146.0125, 146.0125},
        {"OnlyWideStepsTakeNearest", 0xE, 146.001, 146.01},  // 10 kHz leaves 9 kHz, 12.5 kHz 11.5 kHz
        {"AboveRangeClamped", 0, 600.0, 555.0},
        {"BelowRangeClamped", 0, 50.0, 100.0},
        {"FinestStepNotOffered", 0x8, 146.00125, 146.0025},
        {"NoStepOffered", 0xF, 146.0011119, 146.001111},
        {"TruncatedThenSnappedUp", 0, 144.4 - 1e-9, 144.4},
    };
    for (const auto& c : cases) {
        TestHost host;
        CloneImage image = MakeImage({.min100kHz = 1000, .max100kHz = 5550, .stepMask = c.stepMask});
        EXPECT_NEAR(Channel::SnapFrequency(image, c.typed, true), c.expected, 1e-9) << c.name;
        EXPECT_TRUE(host.messages.empty()) << c.name;
    }
}

TEST(SnapFrequency, OutOfBandShowsTheMessageOnlyWhenAsked) {
    TestHost host;
    CloneImage image = MakeImage();  // 136-174 MHz
    EXPECT_DOUBLE_EQ(Channel::SnapFrequency(image, 180.0, false), 180.0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_DOUBLE_EQ(Channel::SnapFrequency(image, 180.0, true), 180.0) << "returned even out of band";
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, 109);
    EXPECT_EQ(host.messages[0].text, "Out of Frequency Range!");
    EXPECT_TRUE(Channel::IsFrequencyInBand(image, 136.0));
    EXPECT_TRUE(Channel::IsFrequencyInBand(image, 174.0));
    EXPECT_FALSE(Channel::IsFrequencyInBand(image, 174.1));
    EXPECT_TRUE(Band::IsFrequencyInRange(image, 1500));
}

TEST(Narrowband, BandEdgesAndTheWideBandRule) {
    EXPECT_TRUE(Pll::IsNarrowbandFrequency(150.0));
    EXPECT_TRUE(Pll::IsNarrowbandFrequency(174.0));
    EXPECT_FALSE(Pll::IsNarrowbandFrequency(174.0001));
    EXPECT_FALSE(Pll::IsNarrowbandFrequency(149.999));
    EXPECT_TRUE(Pll::IsNarrowbandFrequency(421.0));
    EXPECT_TRUE(Pll::IsNarrowbandFrequency(470.0));
    EXPECT_FALSE(Pll::IsNarrowbandFrequency(420.9));

    TestHost host;
    CloneImage image = MakeImage();
    const PllReference ref = CalcPLLFrequency::ReadReference(image);
    CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, 0, ref, 155.0);
    CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, 1, ref, 140.0);
    EXPECT_TRUE(Pll::InNarrowbandRange(image, 0));
    EXPECT_FALSE(Pll::InNarrowbandRange(image, 1));
    EXPECT_FALSE(Pll::WideBandAllowed(image, 0));
    EXPECT_TRUE(Pll::WideBandAllowed(image, 1));
    host.now = TestHost::MakeTime(2012, 12, 31, 23, 59);
    EXPECT_TRUE(Pll::WideBandAllowed(image, 0)) << "before 2013";
    host.now = TestHost::MakeTime(2013, 1, 1, 0, 0);
    EXPECT_FALSE(Pll::WideBandAllowed(image, 0));
    host.serviceMode = 1;
    EXPECT_TRUE(Pll::WideBandAllowed(image, 0)) << "service mode";
    host.serviceMode = 0;
    ItemMap::SetWideBandPermit(image, 1);
    EXPECT_TRUE(Pll::WideBandAllowed(image, 0)) << "permit byte";
}

// ---- Clock shift ---------------------------------------------------------------

class ClockShiftTest : public ::testing::Test {
  protected:
    void SetTx(double mhz) {
        ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, 0,
                                                             CalcPLLFrequency::ReadReference(image), mhz));
    }
    void SetRx(double mhz) {
        ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionRx, 0,
                                                             CalcPLLFrequency::ReadReference(image), mhz));
    }
    std::uint32_t TxBit() {
        CalcClockShift(image).UpdateTxClockShift(0);
        return ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxClockShiftItem], image, 0);
    }
    std::uint32_t RxBit() {
        CalcClockShift(image).UpdateRxClockShift(0);
        return ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelRxClockShiftItem], image, 0);
    }
    CloneImage image = MakeImage({.min100kHz = 1000, .max100kHz = 5550});
};

TEST_F(ClockShiftTest, TxWindowAroundReferenceHarmonics) {
    const double harmonic = 14 * kClock / 1e6;  // 154.8288 MHz
    struct Case {
        double mhz;
        std::uint32_t bit;
    };
    const Case cases[] = {
        {harmonic, 1},
        {harmonic + 0.00155, 1},  // about -10 ppm
        {harmonic - 0.005, 0},    // about +32 ppm: above the window
        {harmonic + 0.025, 0},    // about -161 ppm: below it
    };
    ItemMap::SetTone2ReferenceClock(image, 0xFFFFFFFF);  // unset: the default clock
    // The ZT-640: its harmonics are also multiples of the ZT-610's 115,200 Hz.
    RadioFixture::SetTypeCode(image, 0x36);
    for (const auto& c : cases) {
        SetTx(c.mhz);
        EXPECT_EQ(TxBit(), c.bit) << c.mhz;
    }
}

TEST_F(ClockShiftTest, SecondClockOnlyForTheZT610BelowTheHighBand) {
    const double multiple = 1300 * 115200.0 / 1e6;  // 149.76 MHz, far from the reference harmonics
    SetTx(multiple + 0.005);                        // about -33 ppm
    EXPECT_EQ(TxBit(), 1u);
    SetTx(multiple + 0.010);  // about -67 ppm: outside +-50
    EXPECT_EQ(TxBit(), 0u);
    SetTx(multiple);
    RadioFixture::SetTypeCode(image, 0x36);
    EXPECT_EQ(TxBit(), 0u) << "the ZT-640 has no second clock";
}

TEST_F(ClockShiftTest, RxTestsOffsetsAndTheImageFrequency) {
    SetRx(9 * kClock / 1e6 + 50.85);  // f - 50.85 MHz is the 9th harmonic
    EXPECT_EQ(RxBit(), 1u);
    SetRx(140.0);
    EXPECT_EQ(RxBit(), 0u);
    SetRx(17 * kClock / 1e6 - 101.7);  // image frequency f + 2 IF on the 17th harmonic
    EXPECT_EQ(RxBit(), 1u);
}

// With the synthesiser below the channel (Local Offset 0) the image
// frequency lies 2 IF below, and its offset product can fall below zero: a
// negative product near a harmonic counts as well. At 141.49 MHz,
// 141.49 - 101.7 - 50.85 = -11.06 MHz lies 72 ppm from the first harmonic.
TEST_F(ClockShiftTest, NegativeMixingProductsCount) {
    ItemMap::SetLocalOffset(image, 0);
    ItemMap::SetTone2ReferenceClock(image, 0xFFFFFFFF);
    SetRx(141.49);
    EXPECT_EQ(RxBit(), 1u);
    SetRx(141.55);  // -11.11 MHz: 4,600 ppm away
    EXPECT_EQ(RxBit(), 0u);
    EXPECT_TRUE(CalcClockShift::Hits(-11060000.0, kClock, {-150, 20}));
}

TEST_F(ClockShiftTest, ZeroClockOrZeroFrequencyGivesBitZero) {
    RadioFixture::SetTypeCode(image, 0x36);
    SetTx(14 * kClock / 1e6);
    SetRx(14 * kClock / 1e6);
    ItemMap::SetTone2ReferenceClock(image, 0);
    EXPECT_EQ(TxBit(), 0u);
    EXPECT_EQ(RxBit(), 0u);
    ItemMap::SetTone2ReferenceClock(image, 0xFFFFFFFF);
    EXPECT_EQ(TxBit(), 1u);
    for (int k = 0; k < 8; ++k)
        ItemMap::SetSingle(ItemMap::HardwareItems[86 + k], image, 0);  // frequency 0.0
    EXPECT_EQ(TxBit(), 0u);
    EXPECT_EQ(RxBit(), 0u);
    EXPECT_FALSE(CalcClockShift::Hits(0.0, kClock, {-150, 20}));
    EXPECT_FALSE(CalcClockShift::Hits(-5.0, kClock, {-150, 20}));
}

// ---- Alignment values ------------------------------------------------------------

// A block-14 table with points 136.0, 138.5, ... MHz and, for kind k,
// value(i) = 10 k + 4 i (kind 13: i).
class AdjustmentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 16; ++i) {
            ItemMap::SetAlignTablePoint(image, i, 1360 + 25 * i);
            for (int kind = 1; kind <= 13; ++kind) SetFlash(kind, i, Value(kind, i));
        }
    }
    static int Value(int kind, int i) { return kind == 13 || kind == 12 ? i : 10 * kind + 4 * i; }
    void SetFlash(int kind, int i, int v) {
        using S = int (*)(CloneImage&, int, std::uint32_t);
        static constexpr S kSet[] = {nullptr,
                                     ItemMap::SetAlignTableKind1,
                                     ItemMap::SetAlignTableKind2,
                                     ItemMap::SetAlignTableKind3,
                                     ItemMap::SetAlignTableKind4,
                                     ItemMap::SetAlignTableKind5,
                                     ItemMap::SetAlignTableKind6,
                                     ItemMap::SetAlignTableKind7,
                                     ItemMap::SetAlignTableKind8,
                                     ItemMap::SetAlignTableKind9,
                                     ItemMap::SetAlignTableKind10,
                                     ItemMap::SetAlignTableKind11,
                                     ItemMap::SetAlignTableKind12,
                                     ItemMap::SetAlignTableKind13};
        kSet[kind](image, i, static_cast<std::uint32_t>(v));
    }
    void Tune(int channel, double rx, double tx) {
        const PllReference ref = CalcPLLFrequency::ReadReference(image);
        ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionRx, channel, ref, rx));
        ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, channel, ref, tx));
    }
    std::uint32_t Field(int channel, int offset, std::uint32_t mask = 0xFF) {
        return ItemMap::ReadChannelField({0, static_cast<std::uint32_t>(offset), 1, mask, 0, 0}, image,
                                         channel);
    }
    CloneImage image = MakeImage({.min100kHz = 1000, .max100kHz = 5550}, 0x36);  // layout B: whole bytes
};

TEST_F(AdjustmentTest, InterpolatesLinearlyOrStepwiseAndHoldsTheEnds) {
    struct Case {
        double tx;
        int kind;
        int expected;
    };
    const Case cases[] = {
        {130.0, 1, 10},   // below P0: value(0)
        {136.0, 1, 10},   // at P0
        {137.25, 1, 12},  // half way between 10 and 14
        {137.0, 1, 12},   // 10 + 4 x 0.4 = 11.6, rounded half up
        {173.5, 1, 70},   // exactly P15: value(15)
        {200.0, 1, 70},   // above
        {137.9, 13, 0},   // stepwise: the lower point's value
        {138.5, 13, 1},
    };
    for (const auto& c : cases) {
        Tune(0, 150.0, c.tx);
        EXPECT_EQ(CalcPLLFrequency::InterpolateAdjustment(image, c.kind, 0), c.expected)
            << c.tx << " kind " << c.kind;
    }
    Tune(0, 137.25, 150.0);
    EXPECT_EQ(CalcPLLFrequency::InterpolateAdjustment(image, 11, 0), 112) << "kind 11 follows RX";
    EXPECT_EQ(CalcPLLFrequency::InterpolateAdjustment(image, 0, 0), -1);
    EXPECT_EQ(CalcPLLFrequency::InterpolateAdjustment(image, 14, 0), -1);
}

TEST_F(AdjustmentTest, RecalculationFillsEveryChannelByBandwidthAndSubAudio) {
    // Channel 0 wide (W/N 1) with CTCSS, channel 1 narrow (W/N 3) with DCS,
    // channel 2 narrow (W/N 2) without TX sub-audio.
    for (int c = 0; c < 3; ++c) Tune(c, 137.25, 137.25);  // segment 0, half way
    ItemMap::SetChannelWideNarrow(image, 0, 1);
    ItemMap::SetChannelWideNarrow(image, 1, 3);
    ItemMap::SetChannelWideNarrow(image, 2, 2);
    ItemMap::SetChannelSubAudioEncType(image, 0, 1);
    ItemMap::SetChannelSubAudioEncType(image, 1, 2);
    ItemMap::SetChannelSubAudioEncType(image, 2, 0);
    ItemMap::SetChannelAdjustKind7To10(image, 2, 0x5A);

    EXPECT_TRUE(CalcPLLFrequency::RecalcAllAdjustments(image));
    auto v = [](int kind) { return 10 * kind + 2; };  // value at half way
    EXPECT_EQ(Field(0, 0x24), static_cast<std::uint32_t>(v(1)));
    EXPECT_EQ(Field(0, 0x26), static_cast<std::uint32_t>(v(2)));
    EXPECT_EQ(Field(0, 0x28), static_cast<std::uint32_t>(v(3) * 0.8)) << "W/N 1: kind 3 x 0.8, truncated";
    EXPECT_EQ(Field(1, 0x28), static_cast<std::uint32_t>(v(4) * 0.5)) << "W/N 3: kind 4 x 0.5";
    EXPECT_EQ(Field(2, 0x28), static_cast<std::uint32_t>(v(4)));
    EXPECT_EQ(Field(0, 0x29), static_cast<std::uint32_t>(v(5)));
    EXPECT_EQ(Field(1, 0x29), static_cast<std::uint32_t>(v(6)));
    EXPECT_EQ(Field(0, 0x2A), static_cast<std::uint32_t>(v(7))) << "wide CTCSS";
    EXPECT_EQ(Field(1, 0x2A), static_cast<std::uint32_t>(v(10))) << "narrow DCS";
    EXPECT_EQ(Field(2, 0x2A), 0x5Au) << "no TX sub-audio keeps the byte";
    EXPECT_EQ(Field(0, 0x2B), static_cast<std::uint32_t>(v(11)));
    EXPECT_EQ(Field(0, 0x17, 0x78), 0u) << "kind 12 stepwise: point 0";
    Tune(3, 140.0, 140.0);  // points 1 and 2: kind 12/13 values 1 and 2
    Tune(4, 150.0, 172.6);
    CalcPLLFrequency::RecalcKindAll(image, 12);
    CalcPLLFrequency::RecalcKindAll(image, 13);
    EXPECT_EQ(Field(3, 0x17, 0x78), 1u);
    EXPECT_EQ(Field(4, 0x1D, 0x78), 14u);
}

TEST_F(AdjustmentTest, StoreAdjustmentTableResamplesOntoTheHeaderPoints) {
    // Header points every 5 MHz from 135 MHz; input rows every 2.5 MHz from
    // 140 MHz with values 0, 10, 20, ...
    for (int i = 0; i < 16; ++i) ItemMap::SetHeaderAlignPoint(image, i, 1350 + 50 * i);
    std::array<AdjustmentInput, 16> rows{};
    for (int i = 0; i < 16; ++i) rows[i] = {140.0 + 2.5 * i, 10 * i};
    ASSERT_TRUE(CalcPLLFrequency::StoreAdjustmentTable(rows, 1, image));
    // 135 -> below: 0; 140 -> 0; 145 -> 20; ... 175 -> 140; 180 and beyond: 150.
    const int expected[16] = {0, 0, 20, 40, 60, 80, 100, 120, 140, 150, 150, 150, 150, 150, 150, 150};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(ItemMap::GetHeaderAlignKind1(image, i), static_cast<std::uint32_t>(expected[i])) << i;

    rows[3].value = 300;  // clamped, and rounded half up between points
    for (int i = 0; i < 16; ++i) ItemMap::SetHeaderAlignPoint(image, i, 1400 + 25 * i + (i == 1 ? 12 : 0));
    ASSERT_TRUE(CalcPLLFrequency::StoreAdjustmentTable(rows, 1, image));
    EXPECT_EQ(ItemMap::GetHeaderAlignKind1(image, 1), 15u) << "142.5 + 1.2 MHz: 10 + 10 x 0.48";
    EXPECT_EQ(ItemMap::GetHeaderAlignKind1(image, 3), 255u);
    ASSERT_TRUE(CalcPLLFrequency::StoreAdjustmentTable(rows, 12, image));
    EXPECT_EQ(ItemMap::GetHeaderAlignKind12(image, 1), 10u) << "kind 12 stepwise";
}

TEST(ReencodeChannels, KeepsFrequenciesUnderNewHardwareAndSkipsEqualParameters) {
    CloneImage source = MakeImage();
    const PllReference ref = CalcPLLFrequency::ReadReference(source);
    CalcPLLFrequency::UpdateChannelFrequency(source, DirectionRx, 7, ref, 151.0125);
    CalcPLLFrequency::UpdateChannelFrequency(source, DirectionTx, 7, ref, 156.8);
    CloneImage same = source;
    EXPECT_EQ(CalcPLLFrequency::ReencodeChannels(same, source), 0);
    EXPECT_EQ(same, source) << "equal parameters change nothing";

    CloneImage target = source;
    RadioFixture::SetHardware(target, {.xtalKHz = 12800, .ifKHz = 45100, .localOffset = 0, .divider = 2});
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], target, 7, 0);
    EXPECT_EQ(CalcPLLFrequency::ReencodeChannels(target, source), 0) << "erased records do not count";
    EXPECT_EQ(Hz(CalcPLLFrequency::RxFrequency(target, 7)), 151012500);
    EXPECT_EQ(Hz(CalcPLLFrequency::TxFrequency(target, 7)), 156800000);

    CloneImage coarse = target;  // 3.9 kHz steps: N does not fit its field
    RadioFixture::SetHardware(coarse, {.xtalKHz = 1000, .divider = 255});
    const PllWords before = CalcPLLFrequency::ReadWords(coarse, 7, DirectionTx);
    EXPECT_EQ(CalcPLLFrequency::ReencodeChannels(coarse, source), 2) << "TX and RX of channel 7";
    EXPECT_EQ(CalcPLLFrequency::ReadWords(coarse, 7, DirectionTx), before);
}

}  // namespace
