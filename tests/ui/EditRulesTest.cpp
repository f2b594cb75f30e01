#include <gtest/gtest.h>

#include "ui/EditRules.h"

using namespace EditRules;

namespace {
PageControlSpec Spec(std::uint32_t kind, std::uint32_t digits, double min, double max) {
    return {2301, digits, min, max, kind, 0};
}
}  // namespace

TEST(EditRules, BaseKindFilterByKind) {
    struct Case {
        std::uint32_t kind;
        bool signedFlag;
        char32_t ch;
        char32_t expected;
    } cases[] = {
        {EditKind::Any, false, U'é', U'é'},  {EditKind::Decimal, false, '7', '7'},
        {EditKind::Decimal, false, 'a', 0},  {EditKind::Decimal, false, '-', 0},
        {EditKind::Decimal, true, '-', '-'}, {EditKind::Hex, false, 'f', 'f'},
        {EditKind::Hex, false, 'G', 0},      {EditKind::Ascii, false, '~', '~'},
        {EditKind::Ascii, false, U'é', 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BaseKindFilter(c.kind, c.signedFlag, c.ch), c.expected) << c.kind << " " << int(c.ch);
}

TEST(EditRules, SubclassFilters) {
    EXPECT_EQ(FrequencyFilter(false, ','), U',');
    EXPECT_EQ(FrequencyFilter(false, '-'), 0u);
    EXPECT_EQ(FrequencyFilter(true, '-'), U'-');
    EXPECT_EQ(DoubleFilter('-'), 0u);
    EXPECT_EQ(DoubleFilter('.'), U'.');
    for (char32_t c : std::u32string_view(U"0123456789ABCDabcd*#")) EXPECT_EQ(DtmfFilter(c), c);
    for (char32_t c : std::u32string_view(U"EeF+ ")) EXPECT_EQ(DtmfFilter(c), 0u);
    EXPECT_EQ(FirmwareVersionFilter('.'), U'.');
    EXPECT_EQ(FirmwareVersionFilter(','), 0u);
    EXPECT_EQ(PageCodeFilter('p'), U'p');
    EXPECT_EQ(PageCodeFilter('P'), U'P');
    EXPECT_EQ(PageCodeFilter('e'), U'e');
    EXPECT_EQ(PageCodeFilter(8), 8u);
    EXPECT_EQ(PageCodeFilter('q'), 0u);
    EXPECT_EQ(PageCodeFilter(U'ä'), 0u);
    EXPECT_EQ(Mdc1200IdFilter(false, 'f'), 0u);
    EXPECT_EQ(Mdc1200IdFilter(false, 'F'), 0u);
    EXPECT_EQ(Mdc1200IdFilter(true, 'f'), U'f');
    EXPECT_EQ(Mdc1200IdFilter(false, 'e'), U'e');
    EXPECT_EQ(Mdc1200IdFilter(false, 'g'), 0u);
}

TEST(EditRules, SerialNumberTyping) {
    // Second place: the sixteen serial letters (no O, no P), upper-cased.
    EXPECT_EQ(SerialNumberFilter(1, false, 'b'), U'B');
    EXPECT_EQ(SerialNumberFilter(1, false, 'S'), U'S');
    EXPECT_EQ(SerialNumberFilter(1, false, 'O'), 0u);
    EXPECT_EQ(SerialNumberFilter(1, false, 'P'), 0u);
    EXPECT_EQ(SerialNumberFilter(1, false, '5'), 0u);
    EXPECT_EQ(SerialNumberFilter(0, false, '5'), U'5');
    EXPECT_EQ(SerialNumberFilter(0, false, 'B'), 0u);
    EXPECT_EQ(SerialNumberFilter(3, false, '-'), 0u);
    EXPECT_EQ(SerialNumberFilter(3, true, '-'), U'-');
    EXPECT_EQ(SerialNumberFilter(0, false, U'٣'), 0u);
}

TEST(EditRules, SerialNumberValidityAndPaste) {
    EXPECT_TRUE(IsValidSerialNumber("1B234567"));
    EXPECT_TRUE(IsValidSerialNumber("9S000000"));
    EXPECT_FALSE(IsValidSerialNumber("1O234567"));
    EXPECT_FALSE(IsValidSerialNumber("12345678"));
    EXPECT_FALSE(IsValidSerialNumber("1b234567"));
    EXPECT_FALSE(IsValidSerialNumber("1B23456"));
    EXPECT_FALSE(IsValidSerialNumber("1B2345678"));
    EXPECT_EQ(SerialNumberPaste("1B234567\r\n", 8), "1B234567");
    EXPECT_EQ(SerialNumberPaste("1B234567", 8), "1B234567");
    EXPECT_EQ(SerialNumberPaste("1B2345678", 8), std::nullopt);
    EXPECT_EQ(SerialNumberPaste("1O234567\r\n", 8), std::nullopt);
    EXPECT_EQ(SerialNumberPaste("", 8), std::nullopt);
}

TEST(EditRules, SubAudioTyping) {
    struct Case {
        const char* text;
        std::size_t caret;
        char32_t ch;
        bool forbidB;
        Typing expected;
    } cases[] = {
        {"", 0, 'd', false, Typing::Replaced("D-")},
        {"C-67.0", 1, 'c', false, Typing::Replaced("C-")},
        {"", 0, '1', false, Typing::Dropped()},
        {"D-", 2, '8', false, Typing::Dropped()},
        {"D-", 2, '7', false, Typing::Inserted('7')},
        {"D-0", 3, 'n', false, Typing::Dropped()},  // positions 2-4 take octal digits only
        {"D-023", 5, 'n', false, Typing::Inserted('N')},
        {"D-023", 5, 'b', false, Typing::Inserted('B')},
        {"D-023", 5, 'b', true, Typing::Dropped()},
        {"D-023", 5, '7', false, Typing::Inserted('7')},
        {"D-023N", 6, 'x', false, Typing::Dropped()},
        // Six characters after the caret: nothing more fits in front of them.
        {"D-023NNN", 2, '1', false, Typing::Dropped()},
        {"C-", 2, '.', false, Typing::Dropped()},
        {"C-", 2, '6', false, Typing::Inserted('6')},
        {"C-6", 3, '.', false, Typing::Inserted('.')},
        {"C-67.0", 6, '.', false, Typing::Dropped()},
        {"C-", 2, U'ü', false, Typing::Dropped()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SubAudioTyping(c.text, c.caret, c.ch, c.forbidB), c.expected)
            << c.text << " @" << c.caret << " " << char(c.ch);
}

TEST(EditRules, FormatNumberDecimalAndHex) {
    struct Case {
        PageControlSpec spec;
        const char* in;
        const char* out;
        bool unchanged;
    } cases[] = {
        {Spec(EditKind::Decimal, 3, 0, 255), "300", "255", false},
        {Spec(EditKind::Decimal, 3, 0, 255), "", "", true},
        {Spec(EditKind::Decimal, 3, 0, 255), "007", "007", true},
        {Spec(EditKind::Decimal, 3, 10, 255), "5", "10", false},
        {Spec(EditKind::Decimal, 3, 10, 255), "1x", "10", false},
        {Spec(EditKind::Decimal, 4, -50, 50), "-51", "-50", false},
        {Spec(EditKind::Decimal, 3, 0, 0), "999", "999", true},  // no range
        {Spec(EditKind::Decimal, 30, 0, 255), "99999999999999999999999", "255", false},
        {Spec(EditKind::Hex, 4, 0, 65535), "1a", "001A", false},
        {Spec(EditKind::Hex, 4, 0, 65535), "001A", "001A", false},
        {Spec(EditKind::Hex, 4, 0, 0xFF), "1FF", "00FF", false},
        {Spec(EditKind::Hex, 1, 0, 15), "zz", "0", false},
        {Spec(EditKind::Hex, 2, 0, 255), "a", "0A", false},
        {Spec(EditKind::Hex, 8, 0, 4294967295.0), "abcdef12", "ABCDEF12", false},
        {Spec(EditKind::Hex, 10, 0, 255), "ff", "FF", false},
    };
    for (const auto& c : cases) {
        auto r = FormatNumber(c.in, c.spec);
        EXPECT_EQ(r.text, c.out) << c.in;
        EXPECT_EQ(r.unchanged, c.unchanged) << c.in;
    }
}

TEST(EditRules, DecimalNumberAndFrequencyCorrection) {
    auto dbl = Spec(EditKind::DecimalNumber, 5, -99.9, 99.9);
    EXPECT_EQ(CorrectDouble("12,5", dbl, "%.1f"), "12.5");
    EXPECT_EQ(CorrectDouble("150", dbl, "%.1f"), "99.9");
    EXPECT_EQ(CorrectDouble("abc", dbl, "%.1f"), "-99.9");
    EXPECT_EQ(CorrectDouble("", dbl, "%.1f"), "-99.9");
    EXPECT_EQ(CorrectDouble("3", Spec(EditKind::DecimalNumber, 5, 0, 0), "%.2f"), "3.00");

    auto freq = Spec(EditKind::Frequency, 10, 136, 174);
    EXPECT_EQ(CorrectFrequency("146,52", freq, "%.5f"), "146.52");  // in range keeps its text
    EXPECT_EQ(CorrectFrequency("200", freq, "%.5f"), "174.00000");
    EXPECT_EQ(CorrectFrequency("1.2.3", freq, "%.5f"), "136.00000");
    EXPECT_EQ(CorrectFrequency("", freq, "%.5f"), "");
    EXPECT_EQ(CorrectFrequency("9", Spec(EditKind::Frequency, 10, 0, 0), "%.5f"), "9");
    // Configured with an integer kind: clamped as an integer.
    EXPECT_EQ(CorrectFrequency("900", Spec(EditKind::Decimal, 3, 0, 255), "%.5f"), "255");
}

TEST(EditRules, FrequencyOnLeave) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"146,52", "146.52000"}, {"1000", "999.99999"},           {"146.123456", "146.12346"},
        {"-5.5", "-5.50000"},    {"-0.000001", "0.00000"},        {"abc", "0.00000"},
        {"", "0.00000"},         {"99999999999999", "999.99999"},
    };
    for (const auto& c : cases) EXPECT_EQ(FrequencyOnLeave(c.in, "%.5f"), c.out) << c.in;
}

TEST(EditRules, FirmwareVersionCorrection) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"1.2.345", "1.02.99.00"},    {"", ""},
        {"2.01.01.00", "2.01.01.00"}, {"1..5", "1.00.05.00"},
        {"1.2.3.4.5", "1.02.03.04"},  {"123456789012345678901234", "99.00.00.00"},
        {".7", "0.07.00.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(CorrectFirmwareVersion(c.in), c.out) << c.in;
}

TEST(EditRules, Mdc1200IdCorrection) {
    auto spec = Spec(EditKind::Hex, 4, 1, 0xDEEE);
    EXPECT_EQ(Mdc1200IdOnLeave("12f4", spec, false, false), "0001");  // F is not an id digit: 0, then min
    EXPECT_EQ(Mdc1200IdOnLeave("e000", spec, false, false), "DEEE");
    EXPECT_EQ(Mdc1200IdOnLeave("e000", spec, false, true), "E000");  // full range
    EXPECT_EQ(Mdc1200IdOnLeave("e000", spec, true, false), "D000");  // leading E becomes D
    EXPECT_EQ(Mdc1200IdOnLeave("ffff", spec, true, false), "FFFF");
    EXPECT_EQ(Mdc1200IdOnLeave("", spec, false, false), "");
}

TEST(EditRules, PadWithZeros) {
    EXPECT_EQ(PadWithZeros("1F", 4), "001F");
    EXPECT_EQ(PadWithZeros("12345", 4), "12345");
    EXPECT_EQ(PadWithZeros("", 2), "00");
}

TEST(EditRules, DtmfNormalizePackUnpack) {
    EXPECT_EQ(NormalizeDtmf("12ab*#cd"), "12AB*#CD");
    EXPECT_EQ(NormalizeDtmf("12e34"), "12");
    struct Case {
        const char* text;
        std::uint32_t digits;
        std::vector<std::uint8_t> packed;
    } cases[] = {
        {"12*", 8, {0x31, 0x2E, 0, 0, 0}},
        {"", 8, {0, 0, 0, 0, 0}},
        {"0", 1, {0x10}},
        {"1234567890ABCD#", 16, {0xF1, 0x23, 0x45, 0x67, 0x89, 0x0A, 0xBC, 0xDF, 0}},
        {"1234567890ABCD*#", 16, {0, 0, 0, 0, 0, 0, 0, 0, 0}},  // 16 digits: nothing
        {"123456", 4, {0, 0, 0}},                               // more than the buffer holds
        {"12345", 4, {0x51, 0x23, 0x45}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PackDtmf(c.text, c.digits), c.packed) << c.text;
        std::string round = UnpackDtmf(c.packed);
        if (c.packed[0] >> 4) {
            EXPECT_EQ(round, c.text) << c.text;
        }
    }
    EXPECT_EQ(UnpackDtmf(std::vector<std::uint8_t>{0x31, 0x2E}), "12*");
    // A count larger than the buffer reads only what is there.
    EXPECT_EQ(UnpackDtmf(std::vector<std::uint8_t>{0xF9, 0x87}), "987");
    EXPECT_EQ(UnpackDtmf({}), "");
}
