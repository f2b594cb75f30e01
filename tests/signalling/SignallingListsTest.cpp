// The item lists of the data-signalling screens against their tables: row
// counts, first and last rows, and the generated auto reset list.
#include <gtest/gtest.h>

#include <string>

#include "signalling/SignallingLists.h"

using namespace SignallingLists;

namespace {

struct ListCase {
    const char* name;
    ItemList list;
    std::size_t rows;  // before the end row
    ST_DISPDATA first;
    ST_DISPDATA last;
};

const ListCase kCases[] = {
    {"DtmfAniType", DtmfAniTypeList, 2, {0, "Page", ""}, {1, "Page + ANI", ""}},
    {"DtmfAniTransmit", DtmfAniTransmitList, 4, {0, "Disable", ""}, {3, "Press & Release", ""}},
    {"DtmfAniDelayTime", DtmfAniDelayTimeList, 4, {1, "50 mS", ""}, {10, "500 mS", ""}},
    {"DtmfAniSpeed", DtmfAniSpeedList, 5, {25, "25 mS (20 dig)", ""}, {100, "100 mS (5 dig)", ""}},
    {"DtmfKeypad", DtmfKeypadList, 2, {0, "Enable", ""}, {1, "Disable", ""}},
    {"DtmfSideToneMonitor", DtmfSideToneMonitorList, 2, {0, "Enable", ""}, {1, "Disable", ""}},
    {"DtmfPauseCode", DtmfPauseCodeList, 17, {255, "Disable", ""}, {15, "#", ""}},
    {"DtmfPauseTime", DtmfPauseTimeList, 16, {0, "", ""}, {75, "7.5 sec", ""}},
    {"DtmfDelayTime", DtmfDelayTimeList, 4, {1, "50 mS", ""}, {10, "500 mS", ""}},
    {"DtmfSpeed", DtmfSpeedList, 5, {25, "25 mS", ""}, {100, "100 mS", ""}},
    {"DtmfPageDecodeLed", DtmfPageDecodeLedList, 6, {0, "Normal", ""}, {5, "User", ""}},
    {"DtmfPageLedColor", DtmfPageLedColorList, 3, {1, "Red", ""}, {3, "Yellow", ""}},
    {"DtmfPageAlertType", DtmfPageAlertTypeList, 2, {0, "None", ""}, {1, "Beep", ""}},
    {"DtmfPageAlertMode", DtmfPageAlertModeList, 3, {0, "ON", ""}, {3, "Repeat", ""}},
    {"DtmfPageAlertRepeat", DtmfPageAlertRepeatList, 3, {1, "Once", ""}, {5, "5 times", ""}},
    {"DtmfPageBeepTone", DtmfPageBeepToneList, 7, {0, "None", ""}, {6, "F", ""}},
    {"DtmfPageAnswerBack", DtmfPageAnswerBackList, 3, {0, "Disable", ""}, {1, "Tone", ""}},
    {"DtmfPageAutoResetBeep", DtmfPageAutoResetBeepList, 2, {0, "Enable", ""}, {1, "Disable", ""}},
    {"DtmfPageAutoResetTime", DtmfPageAutoResetTimeList, 256, {0, "Endless", ""}, {255, "127.5 sec", ""}},
    {"DtmfPageReviveType", DtmfPageReviveTypeList, 2, {0, "Before Code", ""}, {1, "After Code", ""}},
    {"DtmfPageDigit", DtmfPageDigitList, 16, {0, "0", ""}, {15, "#", ""}},
    {"DtmfPageCodeType", DtmfPageCodeTypeList, 3, {3, "Enc & Dec", ""}, {2, "Decode", ""}},
    {"DtmfPageCodeAction", DtmfPageCodeActionList, 4, {0, "Normal", ""}, {3, "Kill", ""}},
    {"FleetLinkAniTransmit", FleetLinkAniTransmitList, 4, {0, "Disable", ""}, {3, "Both", ""}},
    {"FleetLinkPttSideTone", FleetLinkPttSideToneList, 2, {0, "Enable", ""}, {1, "Disable", ""}},
    {"Mdc1200AniTrans", Mdc1200AniTransList, 4, {0, "Disable", ""}, {3, "Both", ""}},
    {"Mdc1200CallAlertType", Mdc1200CallAlertTypeList, 2, {0, "Normal", ""}, {1, "w/ Voice", ""}},
    {"Mdc1200CourtesyTone", Mdc1200CourtesyToneList, 2, {0, "Enable", ""}, {1, "Disable", ""}},
    {"Mdc1200ReleaseAniDisp", Mdc1200ReleaseAniDispList, 2, {0, "Key ON", ""}, {1, "5 sec", ""}},
    {"Mdc1200AniLockoutPeriod", Mdc1200AniLockoutPeriodList, 13, {0, "Disable", ""}, {12, "120 sec", ""}},
    {"Mdc1200DecodeLedMode", Mdc1200DecodeLedModeList, 3, {0, "-----", ""}, {2, "Flash", ""}},
    {"Mdc1200AlertMode", Mdc1200AlertModeList, 3, {0, "OFF", ""}, {3, "Repeat", ""}},
    {"Mdc1200AlertRepeatTime", Mdc1200AlertRepeatTimeList, 3, {0, "Endless", ""}, {3, "5 times", ""}},
    {"Mdc1200Duty", Mdc1200DutyList, 2, {0, "OFF Duty", ""}, {1, "ON Duty", ""}},
    {"Mdc1200BeepToneType", Mdc1200BeepToneTypeList, 11, {0, "None", ""}, {10, "J", ""}},
    {"Mdc1200AutoResetTime", Mdc1200AutoResetTimeList, 256, {0, "Disable", ""}, {255, "127.5 sec", ""}},
    {"Mdc1200ClearToTranspond", Mdc1200ClearToTranspondList, 256, {0, "Disable", ""}, {254, "25.4 sec", ""}},
    {"Mdc1200AckDecodeTime", Mdc1200AckDecodeTimeList, 256, {0, "Disable", ""}, {255, "25.5 sec", ""}},
    {"Mdc1200SysAniTrans", Mdc1200SysAniTransList, 4, {0, "Disable", ""}, {3, "Both", ""}},
    {"Mdc1200SysCourtesyTone", Mdc1200SysCourtesyToneList, 2, {0, "Enable", ""}, {1, "Disable", ""}},
    {"Mdc1200SysAniLockoutPeriod", Mdc1200SysAniLockoutPeriodList, 13, {0, "Disable", ""}, {12, "120 sec", ""}},
    {"Mdc1200CallKeyType", Mdc1200CallKeyTypeList, 4, {0, "Disable", ""}, {3, "Radio Check", ""}},
    {"Mdc1200CallName", Mdc1200CallNameList, 16, {0, "Call-1", ""}, {15, "Call-16", ""}},
    {"Mdc1200CheckCell", Mdc1200CheckCellList, 2, {0, " - ", ""}, {1, "", ""}},
    {"Mdc1200CallType", Mdc1200CallTypeList, 3, {0, "Individual", ""}, {2, "ALL Call", ""}},
    {"Mdc1200RingToneTemplate", Mdc1200RingToneTemplate, 11, {0, "-", ""}, {10, "J", ""}},
    {"Mdc1200SysHeader", Mdc1200SysHeaderList, 1, {0, "Sys", ""}, {0, "Sys", ""}},
};

std::string Row(const ST_DISPDATA& row) {
    return std::to_string(row.value) + " \"" + row.text + "\" \"" + row.text2 + "\"";
}

}  // namespace

TEST(SignallingLists, RowCountsFirstAndLastRowsAndEndRow) {
    for (const ListCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.list.size(), c.rows + 1);
        EXPECT_EQ(Row(c.list.front()), Row(c.first));
        EXPECT_EQ(Row(c.list[c.rows - 1]), Row(c.last));
        EXPECT_EQ(Row(c.list.back()), Row(End));
        // No choice can hold the end value, and second texts begin empty.
        for (std::size_t i = 0; i < c.rows; ++i) {
            EXPECT_NE(c.list[i].value, -1) << i;
            EXPECT_STREQ(c.list[i].text2, "") << i;
        }
    }
}

TEST(SignallingLists, RowOrderIsTheOfferedOrderNotTheValueOrder) {
    // Two before one: a combo box shows the rows in list order.
    EXPECT_STREQ(DtmfAniTransmitList[1].text, "PTT Pressed");
    EXPECT_EQ(DtmfAniTransmitList[1].value, 2);
    EXPECT_STREQ(FleetLinkAniTransmitList[2].text, "Released");
    EXPECT_EQ(FleetLinkAniTransmitList[2].value, 1);
    EXPECT_EQ(DtmfPageAnswerBackList[1].value, 2);
    // The pause code's off row comes before the digits; the page digits have none.
    EXPECT_EQ(DtmfPauseCodeList[1].value, 0);
    EXPECT_EQ(DtmfPageDigitList[0].value, 0);
}

TEST(SignallingLists, AutoResetTimeReadsHalfSecondsWithoutTrailingZeros) {
    const struct {
        int value;
        const char* text;
    } cases[] = {{0, "Endless"},   {1, "0.5 sec"},  {2, "1 sec"},     {3, "1.5 sec"},    {19, "9.5 sec"},
                 {20, "10 sec"},   {21, "10.5 sec"}, {199, "99.5 sec"}, {200, "100 sec"}, {201, "100.5 sec"},
                 {254, "127 sec"}, {255, "127.5 sec"}};
    for (const auto& c : cases) {
        EXPECT_EQ(DtmfPageAutoResetTimeList[static_cast<std::size_t>(c.value)].value, c.value);
        EXPECT_STREQ(DtmfPageAutoResetTimeList[static_cast<std::size_t>(c.value)].text, c.text);
    }
    // The pause times keep one decimal.
    EXPECT_STREQ(DtmfPauseTimeList[2].text, "1.0 sec");
}

TEST(SignallingLists, Mdc1200GeneratedTimeListsKeepOneDecimal) {
    const struct {
        ItemList list;
        std::size_t row;
        int value;
        const char* text;
    } cases[] = {
        {Mdc1200AutoResetTimeList, 1, 1, "0.5 sec"},    {Mdc1200AutoResetTimeList, 2, 2, "1.0 sec"},
        {Mdc1200AutoResetTimeList, 200, 200, "100.0 sec"},
        {Mdc1200ClearToTranspondList, 1, 255, "No Limit"}, {Mdc1200ClearToTranspondList, 2, 1, "0.1 sec"},
        {Mdc1200ClearToTranspondList, 11, 10, "1.0 sec"},  {Mdc1200AckDecodeTimeList, 1, 1, "0.1 sec"},
        {Mdc1200AckDecodeTimeList, 100, 100, "10.0 sec"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(c.list[c.row].value, c.value);
        EXPECT_STREQ(c.list[c.row].text, c.text);
    }
    // Alert Mode 2 and Alert Repeat Time 1 are values no row holds.
    for (const ST_DISPDATA& row : Mdc1200AlertModeList) EXPECT_NE(row.value, 2);
    for (const ST_DISPDATA& row : Mdc1200AlertRepeatTimeList) EXPECT_NE(row.value, 1);
}
