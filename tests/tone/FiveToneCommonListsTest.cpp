#include <gtest/gtest.h>

#include <string>

#include "tone/FiveToneCommonLists.h"

using namespace FiveToneCommonLists;

namespace {

// The rows before the end row, as "value text" lines.
std::string Rows(ItemList list) {
    std::string out;
    for (const auto& row : list) {
        if (row.value == ItemListEnd) break;
        out += std::to_string(row.value) + " " + row.text + "\n";
    }
    return out;
}

std::size_t Count(ItemList list) {
    std::size_t n = 0;
    while (list[n].value != ItemListEnd) ++n;
    return n;
}

}  // namespace

TEST(FiveToneCommonLists, EveryFixedListEndsAndHasItsRows) {
    struct Case {
        const char* name;
        ItemList list;
        std::size_t rows;
        const char* first;
        const char* last;
    };
    const Case cases[] = {
        {"setup", SetupList, 2, "0 Simple", "2 Advanced"},
        {"beep repeat", BeepRepeatIntervalList, 16, "2 2 sec", "0 Endless"},
        {"call beep level", CallBeepLevelList, 18, "255 AF Level", "16 16"},
        {"decode precision", DecodePrecisionList, 20, "5 0.5 %", "100 10.0 %"},
        {"auto tx", AutoTxTimeList, 16, "10 10 sec", "255 Endless"},
        {"ack decode", AckDecodeTimeList, 16, "0 Disable", "150 15 sec"},
        {"transpond retry", TranspondAckRetryList, 16, "0 Disable", "15 15 times"},
        {"ptt call", PttCallList, 2, "1 Disable", "0 Enable"},
        {"side tone", SideToneList, 2, "0 Mute", "1 Unmute"},
        {"minimum digit", MinimumDecodeDigitList, 8, "0 1", "7 8"},
        {"monitor", SignalingMonitorModeList, 4, "0 Disable", "3 5Tone+Sub-Audio"},
        {"repeat tone", RepeatToneList, 16, "0 0", "15 F"},
        {"group tone", GroupToneList, 16, "0 0", "15 F"},
        {"last gap tone", LastGapToneList, 17, "16 No Tone", "15 F"},
        {"transpond delay", TranspondDelayTimeList, 16, "0 0 msec", "150 1500 msec"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Count(c.list), c.rows);
        EXPECT_EQ(std::to_string(c.list[0].value) + " " + c.list[0].text, c.first);
        EXPECT_EQ(std::to_string(c.list[c.rows - 1].value) + " " + c.list[c.rows - 1].text, c.last);
        // The second text starts empty: the language layer fills it.
        for (std::size_t i = 0; i <= c.rows; ++i) EXPECT_STREQ(c.list[i].text2, "");
    }
    // "5Tone" is offered before "Sub-Audio" although its value is higher.
    EXPECT_EQ(Rows(SignalingMonitorModeList), "0 Disable\n2 5Tone\n1 Sub-Audio\n3 5Tone+Sub-Audio\n");
    EXPECT_EQ(std::string(RepeatToneList[10].text), "A");
    EXPECT_EQ(Rows(TranspondAckRetryList).substr(0, 29), "0 Disable\n1 1 time\n2 2 times\n");
}

TEST(FiveToneCommonLists, RunTimeListsFollowTheirPatterns) {
    const auto gap = GapTimeRows();
    ASSERT_EQ(gap.size(), 256u);
    EXPECT_EQ(gap[0], (Row{0, "Disable"}));
    EXPECT_EQ(gap[25], (Row{25, "250 msec"}));
    EXPECT_EQ(gap[255], (Row{255, "2550 msec"}));

    const auto codes = EncodeCodeRows();
    ASSERT_EQ(codes.size(), 33u);
    EXPECT_EQ(codes[0], (Row{255, "Disable"}));
    EXPECT_EQ(codes[1], (Row{0, "Enc-1"}));
    EXPECT_EQ(codes[32], (Row{31, "Enc-32"}));

    const auto periodic = PeriodicAniTimeRows();
    ASSERT_EQ(periodic.size(), 31u);
    EXPECT_EQ(periodic[30], (Row{150, "150 sec"}));
    const auto lockout = AniLockoutPeriodRows();
    ASSERT_EQ(lockout.size(), 16u);
    EXPECT_EQ(lockout[15], (Row{75, "75 sec"}));

    const auto clear = ClearToTranspondRows();
    ASSERT_EQ(clear.size(), 256u);
    EXPECT_EQ(clear[0], (Row{0, "Disable"}));
    EXPECT_EQ(clear[1], (Row{255, "No Limit"}));
    EXPECT_EQ(clear[2], (Row{1, "0.1 sec"}));
    EXPECT_EQ(clear[255], (Row{254, "25.4 sec"}));
}
