#pragma once
// The item lists of the three pages of the 5-Tone Common dialog. Fixed lists
// are constant data; the time, code and ANI lists are built when a page
// fills its combo boxes (they are long runs of one pattern).
#include <cstdint>
#include <string>
#include <vector>

#include "image/ItemList.h"

namespace FiveToneCommonLists {

// One row of a list built at run time.
struct Row {
    std::int32_t value;
    std::string text;
    bool operator==(const Row&) const = default;
};

// Page 1.
extern const ItemList SetupList;                // 0 "Simple", 2 "Advanced" (every page)
extern const ItemList BeepRepeatIntervalList;   // 2 "2 sec" ... 30 "30 sec", 0 "Endless"
extern const ItemList CallBeepLevelList;        // 255 "AF Level", 0 "0" ... 16 "16"
extern const ItemList DecodePrecisionList;      // 5 "0.5 %" ... 100 "10.0 %"
// Page 2.
extern const ItemList AutoTxTimeList;           // 10 "10 sec" ... 150 "150 sec", 255 "Endless"
extern const ItemList AckDecodeTimeList;        // 0 "Disable", 10 "1 sec" ... 150 "15 sec"
extern const ItemList TranspondAckRetryList;    // 0 "Disable", 1 "1 time", 2 "2 times" ... 15
extern const ItemList PttCallList;              // 1 "Disable", 0 "Enable"
// Page 3.
extern const ItemList SideToneList;             // 0 "Mute", 1 "Unmute"
extern const ItemList MinimumDecodeDigitList;   // 0 "1" ... 7 "8"
extern const ItemList SignalingMonitorModeList; // 0, 2 "5Tone", 1 "Sub-Audio", 3
extern const ItemList RepeatToneList;           // 0 "0" ... 15 "F"
extern const ItemList GroupToneList;            // as RepeatToneList
extern const ItemList LastGapToneList;          // 16 "No Tone", 0 "0" ... 15 "F"
extern const ItemList TranspondDelayTimeList;   // 0 "0 msec" ... 150 "1500 msec"

// {0 "Disable"}, then n "<10n> msec" for n = 1..255: the gap and lead times
// of pages 1 and 2, in units of 10 ms.
std::vector<Row> GapTimeRows();
// {255 "Disable"}, then n - 1 "Enc-<n>" for n = 1..32: the encode record.
std::vector<Row> EncodeCodeRows();
// {0 "Disable"}, then 5r "<5r> sec" for r = 1..30.
std::vector<Row> PeriodicAniTimeRows();
// {0 "Disable"}, then 5r "<5r> sec" for r = 1..15.
std::vector<Row> AniLockoutPeriodRows();
// {0 "Disable"}, {255 "No Limit"}, then n "<n/10> sec" for n = 1..254.
std::vector<Row> ClearToTranspondRows();

}  // namespace FiveToneCommonLists
