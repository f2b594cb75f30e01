#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "image/TagCharRule.h"

namespace {

class RuleGuard {
  public:
    ~RuleGuard() { SetCurrentTagCharRule(DefaultTagCharRule::Instance()); }
};

std::string Utf8(char32_t c) {
    std::string s;
    TagUtf8::Append(s, c);
    return s;
}

struct CharCase {
    char32_t c;
    bool valid;
    char32_t normal;     // NormalizeChar
    std::uint16_t code;  // PcToRadio
};

void ExpectChars(const MultiLangTagCharRule& rule, const std::vector<CharCase>& cases) {
    for (const CharCase& k : cases) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << std::uppercase << unsigned(k.c));
        EXPECT_EQ(rule.IsValidChar(k.c), k.valid);
        EXPECT_EQ(rule.NormalizeChar(k.c), k.normal);
        EXPECT_EQ(rule.PcToRadio(k.c), k.code);
        EXPECT_EQ(rule.CharByteCount(k.c), 1);
    }
}

TEST(DefaultTagCharRule, AcceptsAsciiLettersDigitsAndItsSigns) {
    ExpectChars(DefaultTagCharRule::Instance(),
                {
                    {U'a', true, U'A', 'a'},
                    {U'Z', true, U'Z', 'Z'},
                    {U'7', true, U'7', '7'},
                    {U' ', true, U' ', ' '},
                    {U'_', true, U'_', '_'},
                    {U'=', true, U'=', '='},  // only this rule has = and :
                    {U':', true, U':', ':'},
                    {U'%', true, U'%', '%'},
                    {U'<', true, U'<', '<'},
                    {U'/', true, U'/', '/'},
                    {U'[', false, U' ', '['},  // refused, but the code is the character
                    {U'.', false, U' ', '.'},
                    {U'\0', false, U' ', 0},
                    {U'é', false, U' ', 0xE9},
                    {U'ж', false, U' ', 0},  // beyond one byte: no code
                });
}

TEST(CyrillicTagCharRule, AcceptsCyrillicLettersAndItsOwnSigns) {
    ExpectChars(CyrillicTagCharRule::Instance(),
                {
                    {U'a', true, U'A', 'a'},
                    {U'9', true, U'9', '9'},
                    {U'[', true, U'[', '['},  // only this rule has [ and ]
                    {U']', true, U']', ']'},
                    {U'*', true, U'*', '*'},
                    {U'=', false, U' ', '='},
                    {U':', false, U' ', ':'},
                    {U'А', true, U'А', 0x80},
                    {U'Е', true, U'Е', 0x85},
                    {U'Ё', true, U'Ё', 0x86},
                    {U'Ж', true, U'Ж', 0x87},
                    {U'Я', true, U'Я', 0xA0},
                    {U'а', true, U'А', 0x80},  // small letters: the capital's code
                    {U'ё', true, U'Ё', 0x86},
                    {U'я', true, U'Я', 0xA0},
                    {U'€', false, U' ', 0x88},  // in the code page, no radio letter
                    {U'і', false, U' ', 0xB3},
                    {U'é', false, U' ', 0},  // not in the code page at all
                });
}

TEST(CyrillicTagCharRule, RadioCodesRunThroughTheCapitalsInAlphabeticalOrder) {
    const std::u32string alphabet = U"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
    ASSERT_EQ(alphabet.size(), 33u);
    const CyrillicTagCharRule& rule = CyrillicTagCharRule::Instance();
    for (std::size_t i = 0; i < alphabet.size(); ++i) {
        const auto code = static_cast<std::uint8_t>(0x80 + i);
        EXPECT_EQ(rule.RadioToPc(code), alphabet[i]) << std::hex << int(code);
        EXPECT_EQ(rule.PcToRadio(alphabet[i]), code);
    }
    // ASCII passes through; codes beyond the letters show their code page character.
    EXPECT_EQ(rule.RadioToPc('A'), U'A');
    EXPECT_EQ(rule.RadioToPc(0xC0), U'А');
    EXPECT_EQ(rule.RadioToPc(0xA8), U'Ё');
}

TEST(TagCharRules, TheDefaultRuleShowsCodesAsThemselves) {
    const DefaultTagCharRule& rule = DefaultTagCharRule::Instance();
    EXPECT_EQ(rule.RadioToPc('A'), U'A');
    EXPECT_EQ(rule.RadioToPc(0x80), char32_t{0x80});
    EXPECT_EQ(rule.RadioToPc(0xE9), U'é');
}

TEST(TagCharRules, ConvertStringEndsAtTheFirstZeroCode) {
    const std::uint8_t codes[] = {'A', 0x87, 0, 'B'};
    EXPECT_EQ(CyrillicTagCharRule::Instance().ConvertString(codes, 4), "AЖ");
    EXPECT_EQ(CyrillicTagCharRule::Instance().ConvertString(codes, 1), "A");
    EXPECT_EQ(DefaultTagCharRule::Instance().ConvertString(codes, 2), "A" + Utf8(0x87));
}

TEST(TagCharRules, CurrentRuleFollowsTheLanguageCharsetClass) {
    RuleGuard guard;
    EXPECT_EQ(&CurrentTagCharRule(), &DefaultTagCharRule::Instance());
    SelectTagCharRuleForCharsetClass(3);
    EXPECT_EQ(&CurrentTagCharRule(), &CyrillicTagCharRule::Instance());
    SelectTagCharRuleForCharsetClass(0);
    EXPECT_EQ(&CurrentTagCharRule(), &DefaultTagCharRule::Instance());
    SelectTagCharRuleForCharsetClass(3);
    SelectTagCharRuleForCharsetClass(2);
    EXPECT_EQ(&CurrentTagCharRule(), &DefaultTagCharRule::Instance());
}

struct TagCase {
    const char* name;
    bool cyrillic;
    std::string text;
    int fixedLength;  // -1: as long as the text
    std::vector<std::uint8_t> codes;
    std::string shown;  // GetText
};

void PrintTo(const TagCase& c, std::ostream* os) {
    *os << c.name;
}

class KXTagStringTest : public ::testing::TestWithParam<TagCase> {};

TEST_P(KXTagStringTest, NormalisesEncodesAndShowsWhatTheRadioShows) {
    const TagCase& c = GetParam();
    RuleGuard guard;
    if (c.cyrillic) SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    const KXTagString tag = c.fixedLength < 0 ? KXTagString(c.text) : KXTagString(c.text, c.fixedLength);
    EXPECT_EQ(tag.Codes(), c.codes);
    EXPECT_EQ(tag.CodeLength(), static_cast<int>(c.codes.size()));
    EXPECT_EQ(tag.GetText(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KXTagStringTest,
    ::testing::Values(
        TagCase{"DefaultUpperCases", false, "ab-1=", -1, {'A', 'B', '-', '1', '='}, "AB-1="},
        TagCase{"DefaultRefusedBecomeSpaces", false, "é[", -1, {' ', ' '}, "  "},
        TagCase{"FixedPadsWithSpaces", false, "ABC", 8, {'A', 'B', 'C', ' ', ' ', ' ', ' ', ' '}, "ABC     "},
        TagCase{"FixedCutsLongText",
                false,
                "abcdefghij",
                8,
                {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'},
                "ABCDEFGH"},
        TagCase{"FixedZero", false, "AB", 0, {}, ""},
        TagCase{"EmptyText", false, "", 8, {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}, "        "},
        TagCase{"MalformedUtf8Refused", false, "A\xC3", -1, {'A', ' '}, "A "},
        TagCase{"OverlongUtf8Refused", false, "\xC1\x81", -1, {' ', ' '}, "  "},
        TagCase{"CyrillicWord", true, "жёлтый", -1, {0x87, 0x86, 0x8C, 0x93, 0x9C, 0x8A}, "ЖЁЛТЫЙ"},
        TagCase{
            "CyrillicFixed", true, "жёлтый", 8, {0x87, 0x86, 0x8C, 0x93, 0x9C, 0x8A, ' ', ' '}, "ЖЁЛТЫЙ  "},
        TagCase{"CyrillicRefusesEquals", true, "a=[", -1, {'A', ' ', '['}, "A ["},
        TagCase{
            "CyrillicMixed", true, "Ch 1 мой", 8, {'C', 'H', ' ', '1', ' ', 0x8D, 0x8F, 0x8A}, "CH 1 МОЙ"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KXTagString, TheSameCodesShowDifferentlyUnderEachRule) {
    RuleGuard guard;
    const std::string codes = {char(0x87), char(0x86), 'A'};
    EXPECT_EQ(TagCodesToText(codes), Utf8(0x87) + Utf8(0x86) + "A");
    SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    EXPECT_EQ(TagCodesToText(codes), "ЖЁA");
    EXPECT_EQ(TagTextToCodes("ёa"), std::string({char(0x86), 'A', ' ', ' ', ' ', ' ', ' ', ' '}));
}

TEST(KXTagString, NormalizeTextUsesTheRuleCurrentAtTheCall) {
    RuleGuard guard;
    EXPECT_EQ(KXTagString::NormalizeText("я=b"), " =B");
    SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    EXPECT_EQ(KXTagString::NormalizeText("я=b"), "Я B");
}

}  // namespace

// An erased tag (0xFF codes, as a new image holds them) reads as blanks under
// every rule, never as "ÿ" characters; codes around an erased one stay.
TEST(TagCharRules, ErasedCodesShowAsBlanks) {
    for (const MultiLangTagCharRule* rule :
         {static_cast<const MultiLangTagCharRule*>(&DefaultTagCharRule::Instance()),
          static_cast<const MultiLangTagCharRule*>(&CyrillicTagCharRule::Instance())}) {
        SetCurrentTagCharRule(*rule);
        EXPECT_EQ(TagCodesToText(std::string(8, '\xFF')), "        ");
        EXPECT_EQ(TagCodesToText("AB\xFF"
                                 "C"),
                  "AB C");
    }
    SetCurrentTagCharRule(DefaultTagCharRule::Instance());
}
