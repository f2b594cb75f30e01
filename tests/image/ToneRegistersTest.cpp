#include <gtest/gtest.h>

#include <set>

#include "TestHost.h"
#include "image/ItemsTone.h"
#include "image/ToneRegisters.h"

namespace {

std::uint32_t Word(const CloneImage& image, std::size_t pos) {
    return image[pos] | image[pos + 1] << 8;
}

void PutWord(CloneImage& image, std::size_t pos, std::uint32_t value) {
    image[pos] = static_cast<std::uint8_t>(value);
    image[pos + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutClock(CloneImage& image, std::size_t pos, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) image[pos + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::set<std::size_t> ChangedBytes(const CloneImage& a, const CloneImage& b) {
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (a[i] != b[i]) changed.insert(i);
    return changed;
}

struct RegisterCase {
    const char* name;
    std::uint32_t tone;       // 2-tone: tenths of Hz; 5-tone: tone value
    std::uint32_t scale;      // 5-tone only
    std::uint32_t clock;      // stored reference clock
    std::uint32_t precision;  // tenths of a percent
    std::uint32_t low, high;
    bool logged;  // a limit exceeded 16 bits
};

// clang-format off
constexpr RegisterCase kTwoToneCases[] = {
    // 1,000.0 Hz with the default clock: 11,059.2 cycles, 3 % either way.
    {"OneKilohertzDefaultClock", 10000, 0, 0xFFFFFFFF, 30, 10727, 11391, false},
    {"OneKilohertzExplicitClock", 10000, 0, 11059200, 30, 10727, 11391, false},
    {"NoPrecision", 10000, 0, 11059200, 0, 11059, 11059, false},
    {"ToneUnset", 0xFFFF, 0, 11059200, 30, 0xFFFF, 0xFFFF, false},
    {"ToneZero", 0, 0, 11059200, 30, 0xFFFF, 0xFFFF, false},
    {"ClockZero", 10000, 0, 0, 30, 0xFFFF, 0xFFFF, false},
    // 170.0 Hz: 65,054.1 cycles; the high limit no longer fits 16 bits.
    {"HighLimitTooLarge", 1700, 0, 11059200, 30, 63102, 0xFFFF, true},
    {"BothLimitsTooLarge", 1, 0, 11059200, 30, 0xFFFF, 0xFFFF, true},
};
// clang-format on

void PrintTo(const RegisterCase& c, std::ostream* os) {
    *os << c.name;
}

class TwoToneRegisterTest : public ::testing::TestWithParam<RegisterCase> {};

TEST_P(TwoToneRegisterTest, RegistersBracketTheTone) {
    const RegisterCase& c = GetParam();
    TestHost host;
    CloneImage image;
    PutClock(image, 0x2C76, c.clock);
    image[0x2D01] = static_cast<std::uint8_t>(c.precision);
    for (int i = 0; i < 10; ++i) PutWord(image, 0x2C20 + 2 * i, c.tone);
    const CloneImage before = image;

    TwoTone::RecalcToneRegisters(image);

    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(Word(image, 0x2C80 + 4 * i), c.low) << "tone " << i;
        EXPECT_EQ(Word(image, 0x2C82 + 4 * i), c.high) << "tone " << i;
    }
    for (std::size_t pos : ChangedBytes(before, image)) EXPECT_TRUE(pos >= 0x2C80 && pos < 0x2CA8) << pos;
    EXPECT_EQ(host.log.size(), c.logged ? 10u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwoToneRegisterTest, ::testing::ValuesIn(kTwoToneCases),
                         [](const auto& info) { return info.param.name; });

TEST(TwoToneRegisters, EachToneGetsItsOwnPair) {
    TestHost host;
    CloneImage image;
    image[0x2D01] = 30;
    PutWord(image, 0x2C20 + 2 * 3, 10000);
    TwoTone::RecalcToneRegisters(image);
    EXPECT_EQ(image[0x2C8C], 0xE7);  // 10,727 = 0x29E7, low byte first
    EXPECT_EQ(image[0x2C8D], 0x29);
    EXPECT_EQ(Word(image, 0x2C8E), 11391u);
    EXPECT_EQ(Word(image, 0x2C88), 0xFFFFu);  // tone 2 unset
}

// clang-format off
constexpr RegisterCase kFiveToneCases[] = {
    {"OneKilohertz", 1000, 10000, 0xFFFFFFFF, 30, 10727, 11391, false},
    {"ScaleDoublesTheValue", 500, 20000, 11059200, 30, 10727, 11391, false},
    {"ToneUnset", 0xFFFF, 10000, 11059200, 30, 0xFFFF, 0xFFFF, false},
    {"ToneZero", 0, 10000, 11059200, 30, 0xFFFF, 0xFFFF, false},
    {"ClockZero", 1000, 10000, 0, 30, 0xFFFF, 0xFFFF, false},
    // 1 Hz: 11,059,200 cycles per period.
    {"BothLimitsTooLarge", 1, 10000, 11059200, 30, 0xFFFF, 0xFFFF, true},
};
// clang-format on

class FiveToneRegisterTest : public ::testing::TestWithParam<RegisterCase> {};

// Every tone 0-15 of every format 0-13 is recomputed, and nothing outside the
// register table changes: the tone values of the formats stay as they were.
TEST_P(FiveToneRegisterTest, AllFourteenFormatsAndSixteenTones) {
    const RegisterCase& c = GetParam();
    TestHost host;
    CloneImage image;
    PutWord(image, 0x3000, c.scale);
    PutClock(image, 0x3006, c.clock);
    image[0x3817] = static_cast<std::uint8_t>(c.precision);
    for (int n = 0; n < 14; ++n)
        for (int k = 0; k < 16; ++k) PutWord(image, 0x3400 + 32 * n + 2 * k, c.tone);
    for (std::size_t pos = 0x3040; pos < 0x3400; ++pos) image[pos] = 0x00;
    const CloneImage before = image;

    FiveTone::RecalcToneRegisters(image);

    for (int n = 0; n < 14; ++n) {
        for (int k = 0; k < 16; ++k) {
            EXPECT_EQ(Word(image, 0x3040 + 64 * n + 4 * k), c.low) << "format " << n << " tone " << k;
            EXPECT_EQ(Word(image, 0x3042 + 64 * n + 4 * k), c.high) << "format " << n << " tone " << k;
        }
    }
    std::set<std::size_t> registers;
    for (std::size_t pos = 0x3040; pos < 0x3040 + 14 * 64; ++pos) registers.insert(pos);
    std::set<std::size_t> changed = ChangedBytes(before, image);
    for (std::size_t pos : changed) EXPECT_TRUE(registers.count(pos)) << std::hex << pos;
    if (c.low != 0xFFFF && c.high != 0xFFFF) {
        EXPECT_EQ(changed, registers);
    }
    EXPECT_EQ(host.log.size(), c.logged ? 14u * 16u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Cases, FiveToneRegisterTest, ::testing::ValuesIn(kFiveToneCases),
                         [](const auto& info) { return info.param.name; });

TEST(FiveToneRegisters, ToneFrequencyIsRoundedToWholeHertz) {
    TestHost host;
    CloneImage image;
    PutWord(image, 0x3000, 1000);
    image[0x3817] = 0;
    PutWord(image, 0x3400 + 32 * 2 + 2 * 5, 10005);  // 10,005 x 1,000 / 10,000 = 1,000.5 Hz: 1,001 Hz
    FiveTone::RecalcToneRegisters(image);
    EXPECT_EQ(Word(image, 0x3040 + 64 * 2 + 4 * 5), 11048u);  // 11,059,200 / 1,001 = 11,048.15
}

}  // namespace
