#pragma once
// The item lists of the 5-tone system window: the system view's columns,
// popup captions and row names, the lists translated with the system view
// that no column shows, the encode and decode views' columns, and the tone
// table's row captions. Every list ends with the row {-1, "", ""} except
// FiveToneViewKeyList, which has exactly three rows. Lists are constant; the
// transpond code list is the one list filled at run time (per radio model).
#include "image/CloneImage.h"
#include "image/ItemList.h"

namespace FiveToneLists {

// System view columns.
extern const ItemList FiveToneFormatList;         // 0 "ZVEI1" ... 11 "TP40", 12 "NATEL", 13 "User"
extern const ItemList FiveToneFormatListNoTp40;   // the same without TP40
extern const ItemList FiveToneRepeaterCodeList;   // 255 "--", 0 "1" ... 31 "32"
extern const ItemList FiveToneEncodeCodeList;     // 0 "1" ... 31 "32"
extern const ItemList FiveToneMonitorSwitchList;
extern const ItemList FiveToneChannelSwitchList;
extern const ItemList FiveToneIdFlowList;         // 3 "ID", 1 "Call+ID", 2 "ID+Call", 0 "Call"
extern const ItemList FiveToneAniTransmitList;    // 0, 2 "Pressed", 1 "Released", 3 "Both"
extern const ItemList FiveToneAutoResetTimeList;  // 0 "Disable", 1 "sec" (the unit)

// Popup captions and row names.
extern const ItemList FiveToneFormatCaptionList;
extern const ItemList FiveToneCodeCaptionList;
extern const ItemList FiveToneTranspondCaptionList;
extern const ItemList FiveToneSystemNoList;  // 1 "No.1" ... 32 "No.32"
extern const ItemList FiveToneGroupCaptionList;  // 0 "Grp"
// Settings sections of the three grids' column widths, by view key 1-3.
extern const ItemList FiveToneViewKeyList;

// Translated with the system view; no column shows them.
extern const ItemList FiveToneIdStatusList;
extern const ItemList FiveToneOneTwoList;
extern const ItemList FiveToneDigitCountList;
extern const ItemList FiveToneMuteModeList;
extern const ItemList FiveToneDigitListA;
extern const ItemList FiveToneDigitListB;
extern const ItemList FiveToneDigitOrNoneList;
extern const ItemList FiveToneSecWordStepList;
extern const ItemList FiveToneSeconds5To75List;
extern const ItemList FiveToneMsec100To1500List;
extern const ItemList FiveToneTenthSecondsList;
extern const ItemList FiveToneSecWordList;
extern const ItemList FiveToneMsecWordList;
extern const ItemList FiveToneSeconds1To15List;
extern const ItemList FiveToneRepeatCountList;

// Encode view.
extern const ItemList FiveToneEncodeMuteModeList;  // 3 "-----", 1 "Open", 2 "Close"

// Decode view.
extern const ItemList FiveToneDecodeIdDisplayList;
extern const ItemList FiveToneDecodeCallDisplayList;
extern const ItemList FiveToneDecodeMuteModeList;
extern const ItemList FiveToneDecodeScanList;
extern const ItemList FiveToneDecodeStunList;
extern const ItemList FiveToneDecodeLedModeList;  // 0 "------", 255 "OFF", 1 "ON", 3 "Blink"
extern const ItemList FiveToneDecodeLedColorNoneList;
extern const ItemList FiveToneDecodeLedColorList;
extern const ItemList FiveToneDecodeAlertModeList;
extern const ItemList FiveToneDecodeAlertRepeatList;
extern const ItemList FiveToneDecodeBeepList;  // 0 "-", 1 "A" ... 10 "J"
extern const ItemList FiveToneDecodeAccControlList;
inline constexpr const char* FiveToneDecodeNotApplicableText = "------";

// The transpond code list: "------", "Call Code", "ID Code" and one
// "ENC Code n" row per encode code the radio model transponds (5 for model
// index 1, else 8). The storage is program-wide; BuildTranspondCodeList
// refills it for an image and returns it (end row included).
ItemList BuildTranspondCodeList(const CloneImage& image);
// The list as last built (the full 8-code list before the first build).
ItemList FiveToneTranspondCodeList();

// The tone table's period row captions: 0 "Tone Prd(ms)", 1 "Gap Prd(ms)".
extern const ItemList FiveToneTableRowCaptionList;

}  // namespace FiveToneLists
