#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "image/TextUtil.h"
#include "image/UiUtil.h"

namespace {

constexpr ST_DISPDATA kPower[] = {{0, "High", "H"}, {1, "Low", "L"}, {5, "Low", "L2"}, {-1, "End", ""}};
constexpr ST_DISPDATA kOnlyEnd[] = {{-1, "None", ""}};

TEST(ItemListLookup, FindsByTextAndValueUpToTheEndRow) {
    EXPECT_EQ(FindIdByName(kPower, "Low"), 1) << "first matching row wins";
    EXPECT_EQ(FindIdByName(kPower, "low"), -1) << "case-sensitive";
    EXPECT_EQ(FindIdByName(kPower, "End"), -1) << "the end row is not a row";
    EXPECT_EQ(FindNameById(kPower, 5), "Low");
    EXPECT_EQ(FindNameById(kPower, 7), "High") << "unknown value shows the first row";
    EXPECT_EQ(FindNameById(kOnlyEnd, 0), "None") << "a list of only the end row gives its text";
    EXPECT_EQ(FindNameById(ItemList{}, 0), "");
    EXPECT_EQ(FindNameByIdOrEmpty(kPower, 7), "");
    EXPECT_EQ(FindNameByIdOrEmpty(kPower, 1), "Low");
    EXPECT_EQ(FindIndexInTable12(kPower, 5), 2);
    EXPECT_EQ(FindIndexInTable12(kPower, -1), -1);
    EXPECT_EQ(UiUtil::FindTableRow(kPower, "Low"), 1);
    EXPECT_EQ(UiUtil::FindTableRow(kPower, "End"), -1);
}

TEST(ItemListLookup, NullTextsAreEmpty) {
    constexpr ST_DISPDATA list[] = {{3, nullptr, nullptr}, {-1, nullptr, nullptr}};
    EXPECT_EQ(FindIdByName(list, ""), 3);
    EXPECT_EQ(FindNameById(list, 3), "");
}

TEST(ItemListSort, SortsStablyBeforeTheEndRowOnly) {
    ST_DISPDATA list[] = {{3, "c", ""},  {1, "a1", ""},   {2, "b", ""},
                          {1, "a2", ""}, {-1, "end", ""}, {0, "after", ""}};
    UiUtil::SortTableByValue(list);
    const std::vector<std::string> texts = {list[0].text, list[1].text, list[2].text,
                                            list[3].text, list[4].text, list[5].text};
    EXPECT_EQ(texts, (std::vector<std::string>{"a1", "a2", "b", "c", "end", "after"}));
}

TEST(TextUtil, Split) {
    using V = std::vector<std::string>;
    EXPECT_EQ(TextUtil::Split("a,,b,", ','), (V{"a", "", "b", ""}));
    EXPECT_EQ(TextUtil::Split("abc", ','), (V{"abc"}));
    EXPECT_EQ(TextUtil::Split("", ','), V{});
}

TEST(TextUtil, SmallConversions) {
    EXPECT_EQ(TextUtil::NormalizeNewlines("a\nb\rc\r\nd\n\r"), "a\r\nb\r\nc\r\nd\r\n\r\n");
    EXPECT_EQ(TextUtil::DashesIfBlank("  "), "--");
    EXPECT_EQ(TextUtil::DashesIfBlank(" a "), " a ");
    EXPECT_EQ(TextUtil::DashesIfBlank(""), "");
    EXPECT_EQ(TextUtil::HexDigitToUpper('b'), 'B');
    EXPECT_EQ(TextUtil::HexDigitToUpper('7'), '7');
    EXPECT_EQ(TextUtil::HexDigitToUpper('g'), 0);
    std::string dtmf = "12ab*#cdE9";
    TextUtil::NormalizeDtmfString(dtmf);
    EXPECT_EQ(dtmf, "12AB*#CD");
    std::string empty;
    TextUtil::NormalizeDtmfString(empty);
    EXPECT_EQ(empty, "");
}

TEST(WindowPlacementText, ListsRoundTripAndBadPiecesKeepDefaults) {
    const double bars[] = {0.25, 0.5, 0.125};
    EXPECT_EQ(WindowPlacement::FormatDoubleList(bars), "0.2500,0.5000,0.1250,");
    double back[3] = {9, 9, 9};
    WindowPlacement::ParseDoubleList(WindowPlacement::FormatDoubleList(bars), back);
    EXPECT_EQ(back[0], 0.25);
    EXPECT_EQ(back[2], 0.125);

    const int widths[] = {40, -1, 300};
    EXPECT_EQ(WindowPlacement::FormatIntList(widths), "40,-1,300,");

    struct Case {
        const char* text;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"10,20", {10, 20, 7, 7}},       // missing pieces keep defaults
        {"10,2x,30,40", {10, 7, 7, 7}},  // a bad piece and all after it
        {"10,,30", {10, 7, 7, 7}},       // an empty piece is not a number
        {"", {7, 7, 7, 7}},
        {"1,2,3,4,5,", {1, 2, 3, 4}},  // extra pieces ignored
    };
    for (const auto& c : cases) {
        std::vector<int> values(4, 7);
        WindowPlacement::ParseIntList(c.text, values);
        EXPECT_EQ(values, c.expected) << c.text;
    }
}

TEST(WindowPlacementText, PairsAndFontSize) {
    EXPECT_EQ(WindowPlacement::FormatPair(-5, 12), "-5,12");
    int a = 1, b = 2;
    EXPECT_FALSE(WindowPlacement::ParsePair("15", a, b));
    EXPECT_EQ(a, 1);
    EXPECT_TRUE(WindowPlacement::ParsePair("-5,12", a, b));
    EXPECT_EQ(a, -5);
    EXPECT_EQ(b, 12);
    EXPECT_EQ(WindowPlacement::FormatFontSize(9.0), "9.00");
    EXPECT_EQ(WindowPlacement::FormatFontSize(1.25), "1.25");
    EXPECT_DOUBLE_EQ(WindowPlacement::ParseFontSize("1.25", 1.0), 1.25);
    EXPECT_DOUBLE_EQ(WindowPlacement::ParseFontSize("big", 1.0), 1.0);
}

TEST(WindowPlacementRestore, AppliesStoredValuesMinimumAndWorkArea) {
    using WindowPlacement::Rect;
    struct Case {
        const char* name;
        unsigned flags;
        const char* position;
        const char* size;
        Rect expected;
    };
    const Rect start{10, 20, 300, 200};
    const Case cases[] = {
        {"NoFlagsKeepsRect", 0, "50,60", "400,300", {10, 20, 300, 200}},
        {"PositionKeepsSize", 1, "50,60", "", {50, 60, 300, 200}},
        {"SizeKeepsPosition", 2, "", "400,300", {10, 20, 400, 300}},
        {"BelowMinimumRaised", 2, "", "50,40", {10, 20, 100, 80}},
        {"BeyondRightEdgeAligned", 1, "900,10", "", {724, 10, 300, 200}},
        {"NegativeClampedToZero", 1, "-40,-3", "", {0, 0, 300, 200}},
        {"LargerThanWorkAreaAtZero", 3, "30,30", "2000,1000", {0, 0, 2000, 1000}},
        {"UnparsableIgnored", 3, "x", "1,", {10, 20, 300, 200}},
    };
    for (const auto& c : cases) {
        const Rect r = WindowPlacement::Restore(start, c.flags, 100, 80, c.position, c.size, 1024, 768);
        EXPECT_EQ(r, c.expected) << c.name << " got " << r.left << "," << r.top << " " << r.width << "x"
                                 << r.height;
    }
}

TEST(WaitMilliseconds, SleepsAtLeastTheTimeAndZeroReturnsAtOnce) {
    using Clock = std::chrono::steady_clock;
    auto t0 = Clock::now();
    WaitMilliseconds(0);
    WaitMilliseconds(-5);
    EXPECT_LT(Clock::now() - t0, std::chrono::milliseconds(5));
    t0 = Clock::now();
    WaitMilliseconds(20);
    EXPECT_GE(Clock::now() - t0, std::chrono::milliseconds(20));
}

}  // namespace
