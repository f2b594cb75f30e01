#pragma once
// The item lists of the 2-tone screens and the 2-tone code plan. Every list
// ends with the row {-1, "", ""} except TwoToneViewKeyList, which is looked up
// by value only. Lists are constant: a screen that translates a list works on
// its own copy.
#include "image/ItemList.h"

namespace ToneTables {

// The 2-Tone Setting dialog's combo boxes.
extern const ItemList TwoToneDecodePrecisionList;     // 5 "0.5%" ... 40 "4.0%"
extern const ItemList TwoToneBeepRepeatIntervalList;  // 2 "2 sec" ... 30 "30 sec", 0 "Endless"
extern const ItemList TwoToneCallBeepLevelList;       // 255 "AF Level", 0 "0" ... 16 "16"
extern const ItemList TwoToneCallEncodeCodeList;      // 255 "Disable", 0 "Enc-1" ... 7 "Enc-8"
extern const ItemList TwoToneAutoResetTimeList;       // 0 "Endless", 4 "2 sec" ... 120 "60 sec"
extern const ItemList TwoToneAutoResetBeepList;       // 0 "Enable", 1 "Disable"

// The code plans of other makers: headings (negative values) followed by
// their tones in tenths of Hz.
extern const ItemList TwoToneCodePlan;

// The code select popup.
extern const ItemList TwoToneCodeSelectTitleList;  // by position: kind - 7
extern const ItemList TwoToneToneCodeList;         // 255 "Off", 0 "0" ... 9 "9"
extern const ItemList TwoToneRecordNoList;         // 1 "No.1" ... 16 "No.16"

// The 2-tone grids' columns.
extern const ItemList TwoToneSystemCallCodeList;  // 0 "Enc Code-1" ... 7 "Enc Code-8"
extern const ItemList TwoToneMonitorSwitchList;
extern const ItemList TwoToneChannelSwitchList;
extern const ItemList TwoTonePeriodUnitList;  // 0 "------", 1 "sec"
extern const ItemList TwoToneEncodeToneList;  // 255 "-", 0 "0" ... 9 "9"
extern const ItemList TwoToneDecodeToneList;
extern const ItemList TwoToneCallDisplayList;
extern const ItemList TwoToneAfMuteList;
extern const ItemList TwoToneDecodeLedList;
extern const ItemList TwoToneAlertModeList;
extern const ItemList TwoToneAlertRepeatList;
extern const ItemList TwoToneBeepList;  // 0 "-", 1 "A" ... 10 "J"

// Check cells: " " shows the tick, "-" none; the print twins give "v" and "-"
// at the same row. ActiveLow lists store 0 for ticked.
extern const ItemList CheckMarkList;
extern const ItemList CheckMarkListActiveLow;
extern const ItemList CheckPrintList;
extern const ItemList CheckPrintListActiveLow;
// The print twin of a check list, empty for any other list.
ItemList CheckPrintTwin(ItemList check);

// Settings sections of the three grids' column widths, by view key 1-3.
extern const ItemList TwoToneViewKeyList;

// What the decode grid shows where a value does not apply.
inline constexpr const char* TwoToneNotApplicableText = "------";

}  // namespace ToneTables
