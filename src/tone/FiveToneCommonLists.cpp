#include "tone/FiveToneCommonLists.h"

#include <cstdio>

namespace FiveToneCommonLists {

namespace {

constexpr ST_DISPDATA kSetup[] = {{0, "Simple", ""}, {2, "Advanced", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kBeepRepeatInterval[] = {
    {2, "2 sec", ""},   {4, "4 sec", ""},   {6, "6 sec", ""},   {8, "8 sec", ""},   {10, "10 sec", ""},
    {12, "12 sec", ""}, {14, "14 sec", ""}, {16, "16 sec", ""}, {18, "18 sec", ""}, {20, "20 sec", ""},
    {22, "22 sec", ""}, {24, "24 sec", ""}, {26, "26 sec", ""}, {28, "28 sec", ""}, {30, "30 sec", ""},
    {0, "Endless", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCallBeepLevel[] = {
    {255, "AF Level", ""}, {0, "0", ""},   {1, "1", ""},   {2, "2", ""},   {3, "3", ""},   {4, "4", ""},
    {5, "5", ""},          {6, "6", ""},   {7, "7", ""},   {8, "8", ""},   {9, "9", ""},   {10, "10", ""},
    {11, "11", ""},        {12, "12", ""}, {13, "13", ""}, {14, "14", ""}, {15, "15", ""}, {16, "16", ""},
    {-1, "", ""}};
constexpr ST_DISPDATA kDecodePrecision[] = {
    {5, "0.5 %", ""},  {10, "1.0 %", ""}, {15, "1.5 %", ""}, {20, "2.0 %", ""}, {25, "2.5 %", ""},
    {30, "3.0 %", ""}, {35, "3.5 %", ""}, {40, "4.0 %", ""}, {45, "4.5 %", ""}, {50, "5.0 %", ""},
    {55, "5.5 %", ""}, {60, "6.0 %", ""}, {65, "6.5 %", ""}, {70, "7.0 %", ""}, {75, "7.5 %", ""},
    {80, "8.0 %", ""}, {85, "8.5 %", ""}, {90, "9.0 %", ""}, {95, "9.5 %", ""}, {100, "10.0 %", ""},
    {-1, "", ""}};
constexpr ST_DISPDATA kAutoTxTime[] = {
    {10, "10 sec", ""},   {20, "20 sec", ""},   {30, "30 sec", ""},   {40, "40 sec", ""},
    {50, "50 sec", ""},   {60, "60 sec", ""},   {70, "70 sec", ""},   {80, "80 sec", ""},
    {90, "90 sec", ""},   {100, "100 sec", ""}, {110, "110 sec", ""}, {120, "120 sec", ""},
    {130, "130 sec", ""}, {140, "140 sec", ""}, {150, "150 sec", ""}, {255, "Endless", ""},
    {-1, "", ""}};
constexpr ST_DISPDATA kAckDecodeTime[] = {
    {0, "Disable", ""},  {10, "1 sec", ""},   {20, "2 sec", ""},   {30, "3 sec", ""},
    {40, "4 sec", ""},   {50, "5 sec", ""},   {60, "6 sec", ""},   {70, "7 sec", ""},
    {80, "8 sec", ""},   {90, "9 sec", ""},   {100, "10 sec", ""}, {110, "11 sec", ""},
    {120, "12 sec", ""}, {130, "13 sec", ""}, {140, "14 sec", ""}, {150, "15 sec", ""},
    {-1, "", ""}};
constexpr ST_DISPDATA kTranspondAckRetry[] = {
    {0, "Disable", ""},   {1, "1 time", ""},    {2, "2 times", ""},   {3, "3 times", ""},
    {4, "4 times", ""},   {5, "5 times", ""},   {6, "6 times", ""},   {7, "7 times", ""},
    {8, "8 times", ""},   {9, "9 times", ""},   {10, "10 times", ""}, {11, "11 times", ""},
    {12, "12 times", ""}, {13, "13 times", ""}, {14, "14 times", ""}, {15, "15 times", ""},
    {-1, "", ""}};
constexpr ST_DISPDATA kPttCall[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kSideTone[] = {{0, "Mute", ""}, {1, "Unmute", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kMinimumDecodeDigit[] = {{0, "1", ""}, {1, "2", ""}, {2, "3", ""}, {3, "4", ""},
                                               {4, "5", ""}, {5, "6", ""}, {6, "7", ""}, {7, "8", ""},
                                               {-1, "", ""}};
// "5Tone" (2) is offered before "Sub-Audio" (1).
constexpr ST_DISPDATA kSignalingMonitorMode[] = {
    {0, "Disable", ""}, {2, "5Tone", ""}, {1, "Sub-Audio", ""}, {3, "5Tone+Sub-Audio", ""}, {-1, "", ""}};
#define ZT_HEX_DIGITS                                                                                   \
    {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""}, {5, "5", ""}, {6, "6", ""},    \
        {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {10, "A", ""}, {11, "B", ""}, {12, "C", ""},         \
        {13, "D", ""}, {14, "E", ""}, {15, "F", ""}
constexpr ST_DISPDATA kRepeatTone[] = {ZT_HEX_DIGITS, {-1, "", ""}};
constexpr ST_DISPDATA kGroupTone[] = {ZT_HEX_DIGITS, {-1, "", ""}};
constexpr ST_DISPDATA kLastGapTone[] = {{16, "No Tone", ""}, ZT_HEX_DIGITS, {-1, "", ""}};
#undef ZT_HEX_DIGITS
constexpr ST_DISPDATA kTranspondDelayTime[] = {
    {0, "0 msec", ""},       {10, "100 msec", ""},   {20, "200 msec", ""},   {30, "300 msec", ""},
    {40, "400 msec", ""},    {50, "500 msec", ""},   {60, "600 msec", ""},   {70, "700 msec", ""},
    {80, "800 msec", ""},    {90, "900 msec", ""},   {100, "1000 msec", ""}, {110, "1100 msec", ""},
    {120, "1200 msec", ""},  {130, "1300 msec", ""}, {140, "1400 msec", ""}, {150, "1500 msec", ""},
    {-1, "", ""}};

std::string Format(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
std::string Format(const char* format, int value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::vector<Row> SecondsRows(int count) {
    std::vector<Row> rows{{0, "Disable"}};
    for (int r = 1; r <= count; ++r) rows.push_back({5 * r, Format("%d sec", 5 * r)});
    return rows;
}

}  // namespace

const ItemList SetupList{kSetup};
const ItemList BeepRepeatIntervalList{kBeepRepeatInterval};
const ItemList CallBeepLevelList{kCallBeepLevel};
const ItemList DecodePrecisionList{kDecodePrecision};
const ItemList AutoTxTimeList{kAutoTxTime};
const ItemList AckDecodeTimeList{kAckDecodeTime};
const ItemList TranspondAckRetryList{kTranspondAckRetry};
const ItemList PttCallList{kPttCall};
const ItemList SideToneList{kSideTone};
const ItemList MinimumDecodeDigitList{kMinimumDecodeDigit};
const ItemList SignalingMonitorModeList{kSignalingMonitorMode};
const ItemList RepeatToneList{kRepeatTone};
const ItemList GroupToneList{kGroupTone};
const ItemList LastGapToneList{kLastGapTone};
const ItemList TranspondDelayTimeList{kTranspondDelayTime};

std::vector<Row> GapTimeRows() {
    std::vector<Row> rows{{0, "Disable"}};
    for (int n = 1; n <= 255; ++n) rows.push_back({n, Format("%d msec", 10 * n)});
    return rows;
}

std::vector<Row> EncodeCodeRows() {
    std::vector<Row> rows{{255, "Disable"}};
    for (int n = 1; n <= 32; ++n) rows.push_back({n - 1, Format("Enc-%d", n)});
    return rows;
}

std::vector<Row> PeriodicAniTimeRows() { return SecondsRows(30); }
std::vector<Row> AniLockoutPeriodRows() { return SecondsRows(15); }

std::vector<Row> ClearToTranspondRows() {
    std::vector<Row> rows{{0, "Disable"}, {255, "No Limit"}};
    for (int n = 1; n <= 254; ++n) rows.push_back({n, Format("%2.1f sec", n * 0.1)});
    return rows;
}

}  // namespace FiveToneCommonLists
