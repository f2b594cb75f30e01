#include "tone/FiveToneLists.h"

#include <algorithm>
#include <array>

#include "image/Model.h"

namespace FiveToneLists {
namespace {

// clang-format off
constexpr ST_DISPDATA kFormat[] = {
    {0, "ZVEI1", ""}, {1, "ZVEI2", ""}, {2, "ZVEI3", ""}, {3, "PZVEI", ""}, {4, "DZVEI", ""},
    {5, "PDZVEI", ""}, {6, "CCIR1", ""}, {7, "CCIR2", ""}, {8, "PCCIR", ""}, {9, "EEA", ""}, {10, "EIA", ""},
    {11, "TP40", ""}, {12, "NATEL", ""}, {13, "User", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kFormatNoTp40[] = {
    {0, "ZVEI1", ""}, {1, "ZVEI2", ""}, {2, "ZVEI3", ""}, {3, "PZVEI", ""}, {4, "DZVEI", ""},
    {5, "PDZVEI", ""}, {6, "CCIR1", ""}, {7, "CCIR2", ""}, {8, "PCCIR", ""}, {9, "EEA", ""}, {10, "EIA", ""},
    {12, "NATEL", ""}, {13, "User", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kRepeaterCode[] = {
    {255, "--", ""}, {0, "1", ""}, {1, "2", ""}, {2, "3", ""}, {3, "4", ""}, {4, "5", ""}, {5, "6", ""},
    {6, "7", ""}, {7, "8", ""}, {8, "9", ""}, {9, "10", ""}, {10, "11", ""}, {11, "12", ""}, {12, "13", ""},
    {13, "14", ""}, {14, "15", ""}, {15, "16", ""}, {16, "17", ""}, {17, "18", ""}, {18, "19", ""},
    {19, "20", ""}, {20, "21", ""}, {21, "22", ""}, {22, "23", ""}, {23, "24", ""}, {24, "25", ""},
    {25, "26", ""}, {26, "27", ""}, {27, "28", ""}, {28, "29", ""}, {29, "30", ""}, {30, "31", ""},
    {31, "32", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kEncodeCode[] = {
    {0, "1", ""}, {1, "2", ""}, {2, "3", ""}, {3, "4", ""}, {4, "5", ""}, {5, "6", ""}, {6, "7", ""},
    {7, "8", ""}, {8, "9", ""}, {9, "10", ""}, {10, "11", ""}, {11, "12", ""}, {12, "13", ""}, {13, "14", ""},
    {14, "15", ""}, {15, "16", ""}, {16, "17", ""}, {17, "18", ""}, {18, "19", ""}, {19, "20", ""},
    {20, "21", ""}, {21, "22", ""}, {22, "23", ""}, {23, "24", ""}, {24, "25", ""}, {25, "26", ""},
    {26, "27", ""}, {27, "28", ""}, {28, "29", ""}, {29, "30", ""}, {30, "31", ""}, {31, "32", ""},
    {-1, "", ""}};

constexpr ST_DISPDATA kMonitorSwitch[] = {
    {0, "-----", ""}, {1, "Open", ""}, {2, "Close", ""}, {3, "Both", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kChannelSwitch[] = {
    {0, "-----", ""}, {1, "Open", ""}, {2, "Close", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kIdFlow[] = {
    {3, "ID", ""}, {1, "Call+ID", ""}, {2, "ID+Call", ""}, {0, "Call", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kAniTransmit[] = {
    {0, "------", ""}, {2, "Pressed", ""}, {1, "Released", ""}, {3, "Both", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kAutoResetTime[] = {
    {0, "Disable", ""}, {1, "sec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kFormatCaption[] = {
    {0, "Repeater Tone Table Format", ""}, {1, "Call/ID Tone Table Format", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kCodeCaption[] = {
    {0, "Repeater Code No.", ""}, {1, "Call Code No.", ""}, {2, "ID Code No.", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kTranspondCaption[] = {
    {0, "Transpond ENC Code", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kSystemNo[] = {
    {1, "No.1", ""}, {2, "No.2", ""}, {3, "No.3", ""}, {4, "No.4", ""}, {5, "No.5", ""}, {6, "No.6", ""},
    {7, "No.7", ""}, {8, "No.8", ""}, {9, "No.9", ""}, {10, "No.10", ""}, {11, "No.11", ""},
    {12, "No.12", ""}, {13, "No.13", ""}, {14, "No.14", ""}, {15, "No.15", ""}, {16, "No.16", ""},
    {17, "No.17", ""}, {18, "No.18", ""}, {19, "No.19", ""}, {20, "No.20", ""}, {21, "No.21", ""},
    {22, "No.22", ""}, {23, "No.23", ""}, {24, "No.24", ""}, {25, "No.25", ""}, {26, "No.26", ""},
    {27, "No.27", ""}, {28, "No.28", ""}, {29, "No.29", ""}, {30, "No.30", ""}, {31, "No.31", ""},
    {32, "No.32", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kGroupCaption[] = {
    {0, "Grp", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kViewKey[] = {
    {1, "Tone5_System", ""}, {2, "Tone5_Encode", ""}, {3, "Tone5_Decode", ""}};

constexpr ST_DISPDATA kIdStatus[] = {
    {0, "------", ""}, {1, "ID+Sta", ""}, {2, "Call+Sta", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kOneTwo[] = {
    {0, "1", ""}, {1, "2", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDigitCount[] = {
    {2, "3", ""}, {3, "4", ""}, {4, "5", ""}, {5, "6", ""}, {6, "7", ""}, {7, "8", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kMuteMode[] = {
    {0, "------", ""}, {2, "5Tone", ""}, {1, "Sub", ""}, {3, "5T+Sub", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDigitA[] = {
    {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""}, {5, "5", ""}, {6, "6", ""},
    {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {10, "A", ""}, {11, "B", ""}, {12, "C", ""}, {13, "D", ""},
    {14, "E", ""}, {15, "F", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDigitB[] = {
    {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""}, {5, "5", ""}, {6, "6", ""},
    {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {10, "A", ""}, {11, "B", ""}, {12, "C", ""}, {13, "D", ""},
    {14, "E", ""}, {15, "F", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDigitOrNone[] = {
    {255, "-", ""}, {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""}, {5, "5", ""},
    {6, "6", ""}, {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {10, "A", ""}, {11, "B", ""}, {12, "C", ""},
    {13, "D", ""}, {14, "E", ""}, {15, "F", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kSecWordStep[] = {
    {0, "------", ""}, {5, "sec", ""}, {10, "sec", ""}, {15, "sec", ""}, {20, "sec", ""}, {25, "sec", ""},
    {30, "sec", ""}, {35, "sec", ""}, {40, "sec", ""}, {45, "sec", ""}, {50, "sec", ""}, {55, "sec", ""},
    {60, "sec", ""}, {65, "sec", ""}, {70, "sec", ""}, {75, "sec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kSeconds5To75[] = {
    {0, "------", ""}, {5, "5 sec", ""}, {10, "10 sec", ""}, {15, "15 sec", ""}, {20, "20 sec", ""},
    {25, "25 sec", ""}, {30, "30 sec", ""}, {35, "35 sec", ""}, {40, "40 sec", ""}, {45, "45 sec", ""},
    {50, "50 sec", ""}, {55, "55 sec", ""}, {60, "60 sec", ""}, {65, "65 sec", ""}, {70, "70 sec", ""},
    {75, "75 sec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kMsec100To1500[] = {
    {0, "------", ""}, {10, "100 msec", ""}, {20, "200 msec", ""}, {30, "300 msec", ""}, {40, "400 msec", ""},
    {50, "500 msec", ""}, {60, "600 msec", ""}, {70, "700 msec", ""}, {80, "800 msec", ""},
    {90, "900 msec", ""}, {100, "1000 msec", ""}, {110, "1100 msec", ""}, {120, "1200 msec", ""},
    {130, "1300 msec", ""}, {140, "1400 msec", ""}, {150, "1500 msec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kTenthSeconds[] = {
    {0, "------", ""}, {255, "No Limit", ""}, {1, "0.1 sec", ""}, {2, "0.2 sec", ""}, {3, "0.3 sec", ""},
    {4, "0.4 sec", ""}, {5, "0.5 sec", ""}, {6, "0.6 sec", ""}, {7, "0.7 sec", ""}, {8, "0.8 sec", ""},
    {9, "0.9 sec", ""}, {10, "1.0 sec", ""}, {11, "1.1 sec", ""}, {12, "1.2 sec", ""}, {13, "1.3 sec", ""},
    {14, "1.4 sec", ""}, {15, "1.5 sec", ""}, {16, "1.6 sec", ""}, {17, "1.7 sec", ""}, {18, "1.8 sec", ""},
    {19, "1.9 sec", ""}, {20, "2.0 sec", ""}, {21, "2.1 sec", ""}, {22, "2.2 sec", ""}, {23, "2.3 sec", ""},
    {24, "2.4 sec", ""}, {25, "2.5 sec", ""}, {26, "2.6 sec", ""}, {27, "2.7 sec", ""}, {28, "2.8 sec", ""},
    {29, "2.9 sec", ""}, {30, "3.0 sec", ""}, {31, "3.1 sec", ""}, {32, "3.2 sec", ""}, {33, "3.3 sec", ""},
    {34, "3.4 sec", ""}, {35, "3.5 sec", ""}, {36, "3.6 sec", ""}, {37, "3.7 sec", ""}, {38, "3.8 sec", ""},
    {39, "3.9 sec", ""}, {40, "4.0 sec", ""}, {41, "4.1 sec", ""}, {42, "4.2 sec", ""}, {43, "4.3 sec", ""},
    {44, "4.4 sec", ""}, {45, "4.5 sec", ""}, {46, "4.6 sec", ""}, {47, "4.7 sec", ""}, {48, "4.8 sec", ""},
    {49, "4.9 sec", ""}, {50, "5.0 sec", ""}, {51, "5.1 sec", ""}, {52, "5.2 sec", ""}, {53, "5.3 sec", ""},
    {54, "5.4 sec", ""}, {55, "5.5 sec", ""}, {56, "5.6 sec", ""}, {57, "5.7 sec", ""}, {58, "5.8 sec", ""},
    {59, "5.9 sec", ""}, {60, "6.0 sec", ""}, {61, "6.1 sec", ""}, {62, "6.2 sec", ""}, {63, "6.3 sec", ""},
    {64, "6.4 sec", ""}, {65, "6.5 sec", ""}, {66, "6.6 sec", ""}, {67, "6.7 sec", ""}, {68, "6.8 sec", ""},
    {69, "6.9 sec", ""}, {70, "7.0 sec", ""}, {71, "7.1 sec", ""}, {72, "7.2 sec", ""}, {73, "7.3 sec", ""},
    {74, "7.4 sec", ""}, {75, "7.5 sec", ""}, {76, "7.6 sec", ""}, {77, "7.7 sec", ""}, {78, "7.8 sec", ""},
    {79, "7.9 sec", ""}, {80, "8.0 sec", ""}, {81, "8.1 sec", ""}, {82, "8.2 sec", ""}, {83, "8.3 sec", ""},
    {84, "8.4 sec", ""}, {85, "8.5 sec", ""}, {86, "8.6 sec", ""}, {87, "8.7 sec", ""}, {88, "8.8 sec", ""},
    {89, "8.9 sec", ""}, {90, "9.0 sec", ""}, {91, "9.1 sec", ""}, {92, "9.2 sec", ""}, {93, "9.3 sec", ""},
    {94, "9.4 sec", ""}, {95, "9.5 sec", ""}, {96, "9.6 sec", ""}, {97, "9.7 sec", ""}, {98, "9.8 sec", ""},
    {99, "9.9 sec", ""}, {100, "10.0 sec", ""}, {101, "10.1 sec", ""}, {102, "10.2 sec", ""},
    {103, "10.3 sec", ""}, {104, "10.4 sec", ""}, {105, "10.5 sec", ""}, {106, "10.6 sec", ""},
    {107, "10.7 sec", ""}, {108, "10.8 sec", ""}, {109, "10.9 sec", ""}, {110, "11.0 sec", ""},
    {111, "11.1 sec", ""}, {112, "11.2 sec", ""}, {113, "11.3 sec", ""}, {114, "11.4 sec", ""},
    {115, "11.5 sec", ""}, {116, "11.6 sec", ""}, {117, "11.7 sec", ""}, {118, "11.8 sec", ""},
    {119, "11.9 sec", ""}, {120, "12.0 sec", ""}, {121, "12.1 sec", ""}, {122, "12.2 sec", ""},
    {123, "12.3 sec", ""}, {124, "12.4 sec", ""}, {125, "12.5 sec", ""}, {126, "12.6 sec", ""},
    {127, "12.7 sec", ""}, {128, "12.8 sec", ""}, {129, "12.9 sec", ""}, {130, "13.0 sec", ""},
    {131, "13.1 sec", ""}, {132, "13.2 sec", ""}, {133, "13.3 sec", ""}, {134, "13.4 sec", ""},
    {135, "13.5 sec", ""}, {136, "13.6 sec", ""}, {137, "13.7 sec", ""}, {138, "13.8 sec", ""},
    {139, "13.9 sec", ""}, {140, "14.0 sec", ""}, {141, "14.1 sec", ""}, {142, "14.2 sec", ""},
    {143, "14.3 sec", ""}, {144, "14.4 sec", ""}, {145, "14.5 sec", ""}, {146, "14.6 sec", ""},
    {147, "14.7 sec", ""}, {148, "14.8 sec", ""}, {149, "14.9 sec", ""}, {150, "15.0 sec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kSecWord[] = {
    {0, "sec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kMsecWord[] = {
    {0, "------", ""}, {1, "msec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kSeconds1To15[] = {
    {0, "------", ""}, {10, "1 sec", ""}, {20, "2 sec", ""}, {30, "3 sec", ""}, {40, "4 sec", ""},
    {50, "5 sec", ""}, {60, "6 sec", ""}, {70, "7 sec", ""}, {80, "8 sec", ""}, {90, "9 sec", ""},
    {100, "10 sec", ""}, {110, "11 sec", ""}, {120, "12 sec", ""}, {130, "13 sec", ""}, {140, "14 sec", ""},
    {150, "15 sec", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kRepeatCount[] = {
    {0, "------", ""}, {1, "Once", ""}, {2, "2 times", ""}, {3, "3 times", ""}, {4, "4 times", ""},
    {5, "5 times", ""}, {6, "6 times", ""}, {7, "7 times", ""}, {8, "8 times", ""}, {9, "9 times", ""},
    {10, "10 times", ""}, {11, "11 times", ""}, {12, "12 times", ""}, {13, "13 times", ""},
    {14, "14 times", ""}, {15, "15 times", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kEncodeMuteMode[] = {
    {3, "-----", ""}, {1, "Open", ""}, {2, "Close", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kTranspondAll[] = {
    {0, "------", ""}, {256, "Call Code", ""}, {512, "ID Code", ""}, {768, "ENC Code 1", ""},
    {769, "ENC Code 2", ""}, {770, "ENC Code 3", ""}, {771, "ENC Code 4", ""}, {772, "ENC Code 5", ""},
    {773, "ENC Code 6", ""}, {774, "ENC Code 7", ""}, {775, "ENC Code 8", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeIdDisplay[] = {
    {0, "------", ""}, {2, "Decode", ""}, {1, "ID", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeCallDisplay[] = {
    {0, "-----", ""}, {1, "OFF", ""}, {3, "ON", ""}, {2, "Blink", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeMuteMode[] = {
    {0, "-----", ""}, {1, "Close", ""}, {3, "Open", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeScan[] = {
    {0, "-----", ""}, {2, "Start", ""}, {1, "Drop", ""}, {3, "Group", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeStun[] = {
    {0, "------", ""}, {2, "Kill", ""}, {1, "Stun", ""}, {3, "Revive", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeLedMode[] = {
    {0, "------", ""}, {255, "OFF", ""}, {1, "ON", ""}, {3, "Blink", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeLedColorNone[] = {
    {0, "------", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeLedColor[] = {
    {1, "Red", ""}, {2, "Green", ""}, {3, "Yellow", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeAlertMode[] = {
    {0, "OFF", ""}, {1, "Single", ""}, {2, "Step", ""}, {3, "Repeat", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeAlertRepeat[] = {
    {0, "Endless", ""}, {3, "3 times", ""}, {5, "5 times", ""}, {10, "10 times", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeBeep[] = {
    {0, "-", ""}, {1, "A", ""}, {2, "B", ""}, {3, "C", ""}, {4, "D", ""}, {5, "E", ""}, {6, "F", ""},
    {7, "G", ""}, {8, "H", ""}, {9, "I", ""}, {10, "J", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kDecodeAccControl[] = {
    {0, "----", ""}, {3, "High", ""}, {2, "Low", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kTableRowCaption[] = {
    {0, "Tone Prd(ms)", ""}, {1, "Gap Prd(ms)", ""}, {-1, "", ""}};

// clang-format on

// Storage of the transpond code list: the full list and its end row.
std::array<ST_DISPDATA, std::size(kTranspondAll)> g_transpond = [] {
    std::array<ST_DISPDATA, std::size(kTranspondAll)> a{};
    std::copy(std::begin(kTranspondAll), std::end(kTranspondAll), a.begin());
    return a;
}();

}  // namespace

const ItemList FiveToneFormatList = kFormat;
const ItemList FiveToneFormatListNoTp40 = kFormatNoTp40;
const ItemList FiveToneRepeaterCodeList = kRepeaterCode;
const ItemList FiveToneEncodeCodeList = kEncodeCode;
const ItemList FiveToneMonitorSwitchList = kMonitorSwitch;
const ItemList FiveToneChannelSwitchList = kChannelSwitch;
const ItemList FiveToneIdFlowList = kIdFlow;
const ItemList FiveToneAniTransmitList = kAniTransmit;
const ItemList FiveToneAutoResetTimeList = kAutoResetTime;
const ItemList FiveToneFormatCaptionList = kFormatCaption;
const ItemList FiveToneCodeCaptionList = kCodeCaption;
const ItemList FiveToneTranspondCaptionList = kTranspondCaption;
const ItemList FiveToneSystemNoList = kSystemNo;
const ItemList FiveToneGroupCaptionList = kGroupCaption;
const ItemList FiveToneViewKeyList = kViewKey;
const ItemList FiveToneIdStatusList = kIdStatus;
const ItemList FiveToneOneTwoList = kOneTwo;
const ItemList FiveToneDigitCountList = kDigitCount;
const ItemList FiveToneMuteModeList = kMuteMode;
const ItemList FiveToneDigitListA = kDigitA;
const ItemList FiveToneDigitListB = kDigitB;
const ItemList FiveToneDigitOrNoneList = kDigitOrNone;
const ItemList FiveToneSecWordStepList = kSecWordStep;
const ItemList FiveToneSeconds5To75List = kSeconds5To75;
const ItemList FiveToneMsec100To1500List = kMsec100To1500;
const ItemList FiveToneTenthSecondsList = kTenthSeconds;
const ItemList FiveToneSecWordList = kSecWord;
const ItemList FiveToneMsecWordList = kMsecWord;
const ItemList FiveToneSeconds1To15List = kSeconds1To15;
const ItemList FiveToneRepeatCountList = kRepeatCount;
const ItemList FiveToneEncodeMuteModeList = kEncodeMuteMode;
const ItemList FiveToneDecodeIdDisplayList = kDecodeIdDisplay;
const ItemList FiveToneDecodeCallDisplayList = kDecodeCallDisplay;
const ItemList FiveToneDecodeMuteModeList = kDecodeMuteMode;
const ItemList FiveToneDecodeScanList = kDecodeScan;
const ItemList FiveToneDecodeStunList = kDecodeStun;
const ItemList FiveToneDecodeLedModeList = kDecodeLedMode;
const ItemList FiveToneDecodeLedColorNoneList = kDecodeLedColorNone;
const ItemList FiveToneDecodeLedColorList = kDecodeLedColor;
const ItemList FiveToneDecodeAlertModeList = kDecodeAlertMode;
const ItemList FiveToneDecodeAlertRepeatList = kDecodeAlertRepeat;
const ItemList FiveToneDecodeBeepList = kDecodeBeep;
const ItemList FiveToneDecodeAccControlList = kDecodeAccControl;
const ItemList FiveToneTableRowCaptionList = kTableRowCaption;

ItemList BuildTranspondCodeList(const CloneImage& image) {
    const std::size_t codes = Model::IndexFromTypeCode(image) == 1 ? 5 : 8;
    std::copy(std::begin(kTranspondAll), std::end(kTranspondAll), g_transpond.begin());
    g_transpond[3 + codes] = {-1, "", ""};
    return g_transpond;
}

ItemList FiveToneTranspondCodeList() {
    return g_transpond;
}

}  // namespace FiveToneLists
