#include <gtest/gtest.h>

#include "image/UiUtil.h"
#include "tone/GridViewModel.h"
#include "tone/ToneTables.h"

using namespace ToneTables;

TEST(ToneTables, CodePlanHasSixteenGroupsOf163TonesAndAnEndRow) {
    const auto& plan = TwoToneCodePlan;
    ASSERT_EQ(plan.size(), 180u);
    EXPECT_EQ(plan.back().value, -1);
    int headings = 0, tones = 0, expectHeading = -2;
    for (std::size_t i = 0; i + 1 < plan.size(); ++i) {
        if (plan[i].value < 0) {
            EXPECT_EQ(plan[i].value, expectHeading--) << plan[i].text;
            ++headings;
        } else {
            ++tones;
            // "code -tone" with the tone right-aligned in six characters.
            const std::string text = plan[i].text;
            char buf[16];
            std::snprintf(buf, sizeof buf, "%6.1f", plan[i].value / 10.0);
            EXPECT_EQ(text.substr(text.size() - 6), buf) << text;
        }
    }
    EXPECT_EQ(headings, 16);
    EXPECT_EQ(tones, 163);
}

TEST(ToneTables, ListRowsAndLookups) {
    struct Case {
        ItemList list;
        std::size_t rows;  // before the end row
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {TwoToneBeepRepeatIntervalList, 16, 0, "Endless"},
        {TwoToneBeepRepeatIntervalList, 16, 30, "30 sec"},
        {TwoToneCallBeepLevelList, 18, 255, "AF Level"},
        {TwoToneAutoResetTimeList, 16, 20, "10 sec"},
        {TwoToneAutoResetTimeList, 16, 4, "2 sec"},
        {TwoToneToneCodeList, 11, 255, "Off"},
        {TwoToneRecordNoList, 16, 3, "No.3"},
        {TwoToneDecodeLedList, 4, 255, "OFF"},
        {TwoToneBeepList, 11, 10, "J"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GridView::ListRows(c.list).size(), c.rows) << c.text;
        EXPECT_EQ(FindNameById(c.list, c.value), c.text);
    }
    EXPECT_EQ(FindNameByIdOrEmpty(TwoToneAutoResetTimeList, 12), "");
    EXPECT_EQ(FindNameById(TwoToneViewKeyList, 3), "Tone2_Decode");
}
