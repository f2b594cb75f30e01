#include "tone/ToneTables.h"

namespace ToneTables {
namespace {

// clang-format off
constexpr ST_DISPDATA kDecodePrecision[] = {
    {5, "0.5%", ""}, {10, "1.0%", ""}, {15, "1.5%", ""}, {20, "2.0%", ""}, {25, "2.5%", ""},
    {30, "3.0%", ""}, {35, "3.5%", ""}, {40, "4.0%", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kBeepRepeatInterval[] = {
    {2, "2 sec", ""}, {4, "4 sec", ""}, {6, "6 sec", ""}, {8, "8 sec", ""}, {10, "10 sec", ""},
    {12, "12 sec", ""}, {14, "14 sec", ""}, {16, "16 sec", ""}, {18, "18 sec", ""}, {20, "20 sec", ""},
    {22, "22 sec", ""}, {24, "24 sec", ""}, {26, "26 sec", ""}, {28, "28 sec", ""}, {30, "30 sec", ""},
    {0, "Endless", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCallBeepLevel[] = {
    {255, "AF Level", ""}, {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""},
    {5, "5", ""}, {6, "6", ""}, {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {10, "10", ""}, {11, "11", ""},
    {12, "12", ""}, {13, "13", ""}, {14, "14", ""}, {15, "15", ""}, {16, "16", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCallEncodeCode[] = {
    {255, "Disable", ""}, {0, "Enc-1", ""}, {1, "Enc-2", ""}, {2, "Enc-3", ""}, {3, "Enc-4", ""},
    {4, "Enc-5", ""}, {5, "Enc-6", ""}, {6, "Enc-7", ""}, {7, "Enc-8", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAutoResetTime[] = {
    {0, "Endless", ""}, {4, "2 sec", ""}, {6, "3 sec", ""}, {8, "4 sec", ""}, {10, "5 sec", ""},
    {20, "10 sec", ""}, {30, "15 sec", ""}, {40, "20 sec", ""}, {50, "25 sec", ""}, {60, "30 sec", ""},
    {70, "35 sec", ""}, {80, "40 sec", ""}, {90, "45 sec", ""}, {100, "50 sec", ""}, {110, "55 sec", ""},
    {120, "60 sec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAutoResetBeep[] = {{0, "Enable", ""}, {1, "Disable", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kCodePlan[] = {
    {-2, "[MOTOROLA-1]", ""},
    {3305, "110 - 330.5", ""}, {3490, "111 - 349.0", ""}, {3685, "112 - 368.5", ""}, {3890, "113 - 389.0", ""},
    {4108, "114 - 410.8", ""}, {4337, "115 - 433.7", ""}, {4579, "116 - 457.9", ""}, {4835, "117 - 483.5", ""},
    {5105, "118 - 510.5", ""}, {5390, "119 - 539.0", ""},
    {-3, "[MOTOROLA-2]", ""},
    {5691, "120 - 569.1", ""}, {6009, "121 - 600.9", ""}, {6345, "122 - 634.5", ""}, {6699, "123 - 669.9", ""},
    {7073, "124 - 707.3", ""}, {7468, "125 - 746.8", ""}, {7888, "126 - 788.8", ""}, {8325, "127 - 832.5", ""},
    {8790, "128 - 879.0", ""}, {9281, "129 - 928.1", ""},
    {-4, "[MOTOROLA-3]", ""},
    {10924, "130 -1092.4", ""}, {2885, "131 - 288.5", ""}, {2965, "132 - 296.5", ""}, {3047, "133 - 304.7", ""},
    {3130, "134 - 313.0", ""}, {9537, "135 - 953.7", ""}, {9799, "136 - 979.9", ""}, {10069, "137 -1006.9", ""},
    {10347, "138 -1034.7", ""}, {10632, "139 -1063.2", ""},
    {-5, "[MOTOROLA-4]", ""},
    {3217, "140 - 321.7", ""}, {3396, "141 - 339.6", ""}, {3586, "142 - 358.6", ""}, {3786, "143 - 378.6", ""},
    {3998, "144 - 399.8", ""}, {4221, "145 - 422.1", ""}, {4457, "146 - 445.7", ""}, {4705, "147 - 470.5", ""},
    {4968, "148 - 496.8", ""}, {5246, "149 - 524.6", ""},
    {-6, "[MOTOROLA-5]", ""},
    {5539, "150 - 553.9", ""}, {5848, "151 - 584.8", ""}, {6174, "152 - 617.4", ""}, {6519, "153 - 651.9", ""},
    {6883, "154 - 688.3", ""}, {7268, "155 - 726.8", ""}, {7674, "156 - 767.4", ""}, {8102, "157 - 810.2", ""},
    {8555, "158 - 855.5", ""}, {9032, "159 - 903.2", ""},
    {-7, "[MOTOROLA-6]", ""},
    {11225, "190 -1122.5", ""}, {11534, "191 -1153.4", ""}, {11852, "192 -1185.2", ""}, {12178, "193 -1217.8", ""},
    {12514, "194 -1251.4", ""}, {12858, "195 -1285.8", ""}, {13212, "196 -1321.2", ""}, {13576, "197 -1357.6", ""},
    {13950, "198 -1395.0", ""}, {14334, "199 -1433.4", ""},
    {-8, "[MOTOROLA-10]", ""},
    {14729, "170 -1472.9", ""}, {15135, "171 -1513.5", ""}, {15552, "172 -1555.2", ""}, {15980, "173 -1598.0", ""},
    {16420, "174 -1642.0", ""}, {16872, "175 -1687.2", ""}, {17337, "176 -1733.7", ""}, {17815, "177 -1781.5", ""},
    {18305, "178 -1830.5", ""}, {18810, "179 -1881.0", ""},
    {-9, "[MOTOROLA-11]", ""},
    {19302, "200 -1930.2", ""}, {19890, "201 -1989.0", ""}, {20438, "202 -2043.8", ""}, {20945, "203 -2094.5", ""},
    {21556, "204 -2155.6", ""}, {22122, "205 -2212.2", ""}, {22717, "206 -2271.7", ""}, {23346, "207 -2334.6", ""},
    {24010, "208 -2401.0", ""}, {24682, "209 -2468.2", ""},
    {-10, "[GE Type 99-A]", ""},
    {6825, "A0 - 682.5", ""}, {5925, "A1 - 592.5", ""}, {7575, "A2 - 757.5", ""}, {8025, "A3 - 802.5", ""},
    {8475, "A4 - 847.5", ""}, {8925, "A5 - 892.5", ""}, {9375, "A6 - 937.5", ""}, {5475, "A7 - 547.5", ""},
    {7275, "A8 - 727.5", ""}, {6375, "A9 - 637.5", ""}, {7425, "DIA - 742.5", ""},
    {-11, "[GE Type 99-B]", ""},
    {6525, "B0 - 652.5", ""}, {6075, "B1 - 607.5", ""}, {7875, "B2 - 787.5", ""}, {8325, "B3 - 832.5", ""},
    {8775, "B4 - 877.5", ""}, {9225, "B5 - 922.5", ""}, {9675, "B6 - 967.5", ""}, {5175, "B7 - 517.5", ""},
    {5625, "B8 - 562.5", ""}, {6975, "B9 - 697.5", ""}, {7425, "DIA - 742.5", ""},
    {-12, "[GE Type 99-C]", ""},
    {6675, "C0 - 667.5", ""}, {7125, "C1 - 712.5", ""}, {7725, "C2 - 772.5", ""}, {8175, "C3 - 817.5", ""},
    {8625, "C4 - 862.5", ""}, {9075, "C5 - 907.5", ""}, {9525, "C6 - 952.5", ""}, {5325, "C7 - 532.5", ""},
    {5775, "C8 - 577.5", ""}, {6225, "C9 - 622.5", ""}, {7425, "DIA - 742.5", ""},
    {-13, "[REACH 2T-A]", ""},
    {19800, "RA0 -1980.0", ""}, {27040, "RA1 -2704.0", ""}, {26120, "RA2 -2612.0", ""}, {25230, "RA3 -2523.0", ""},
    {24370, "RA4 -2437.0", ""}, {23540, "RA5 -2354.0", ""}, {22740, "RA6 -2274.0", ""}, {21960, "RA7 -2196.0", ""},
    {21210, "RA8 -2121.0", ""}, {20490, "RA9 -2049.0", ""},
    {-14, "[REACH 2T-B]", ""},
    {14000, "RB0 -1400.0", ""}, {19120, "RB1 -1912.0", ""}, {18470, "RB2 -1847.0", ""}, {17840, "RB3 -1784.0", ""},
    {17230, "RB4 -1723.0", ""}, {16640, "RB5 -1664.0", ""}, {16060, "RB6 -1606.0", ""}, {15530, "RB7 -1553.0", ""},
    {15000, "RB8 -1500.0", ""}, {14490, "RB9 -1449.0", ""},
    {-15, "[REACH 2T-C]", ""},
    {11770, "RC0 -1177.0", ""}, {16080, "RC1 -1608.0", ""}, {15530, "RC2 -1553.0", ""}, {15000, "RC3 -1500.0", ""},
    {14490, "RC4 -1449.0", ""}, {14000, "RC5 -1400.0", ""}, {13520, "RC6 -1352.0", ""}, {13060, "RC7 -1306.0", ""},
    {12610, "RC8 -1261.0", ""}, {12190, "RC9 -1219.0", ""},
    {-16, "[REACH 2T-D]", ""},
    {8320, "RD0 - 832.0", ""}, {11370, "RD1 -1137.0", ""}, {10930, "RD2 -1093.0", ""}, {10610, "RD3 -1061.0", ""},
    {10250, "RD4 -1025.0", ""}, {9900, "RD5 - 990.0", ""}, {9560, "RD6 - 956.0", ""}, {9230, "RD7 - 923.0", ""},
    {8920, "RD8 - 892.0", ""}, {8620, "RD9 - 862.0", ""},
    {-17, "[REACH 2T-E]", ""},
    {5880, "RE0 - 588.0", ""}, {8040, "RE1 - 804.0", ""}, {7760, "RE2 - 776.0", ""}, {7500, "RE3 - 750.0", ""},
    {7250, "RE4 - 725.0", ""}, {7000, "RE5 - 700.0", ""}, {6760, "RE6 - 676.0", ""}, {6530, "RE7 - 653.0", ""},
    {6310, "RE8 - 631.0", ""}, {6090, "RE9 - 609.0", ""},
    {-1, "", ""}};

constexpr ST_DISPDATA kCodeSelectTitle[] = {
    {7, "2-Tone Encode 1st Tone", ""}, {8, "2-Tone Encode 2nd Tone", ""},
    {9, "2-Tone Decode 1st Tone", ""}, {10, "2-Tone Decode 2nd Tone", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kToneCode[] = {
    {255, "Off", ""}, {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""},
    {5, "5", ""}, {6, "6", ""}, {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kRecordNo[] = {
    {1, "No.1", ""}, {2, "No.2", ""}, {3, "No.3", ""}, {4, "No.4", ""}, {5, "No.5", ""}, {6, "No.6", ""},
    {7, "No.7", ""}, {8, "No.8", ""}, {9, "No.9", ""}, {10, "No.10", ""}, {11, "No.11", ""},
    {12, "No.12", ""}, {13, "No.13", ""}, {14, "No.14", ""}, {15, "No.15", ""}, {16, "No.16", ""},
    {-1, "", ""}};

constexpr ST_DISPDATA kSystemCallCode[] = {
    {0, "Enc Code-1", ""}, {1, "Enc Code-2", ""}, {2, "Enc Code-3", ""}, {3, "Enc Code-4", ""},
    {4, "Enc Code-5", ""}, {5, "Enc Code-6", ""}, {6, "Enc Code-7", ""}, {7, "Enc Code-8", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kMonitorSwitch[] = {
    {0, "-----", ""}, {1, "Open", ""}, {2, "Close", ""}, {3, "Both", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kChannelSwitch[] = {{0, "-----", ""}, {1, "Open", ""}, {2, "Close", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kPeriodUnit[] = {{0, "------", ""}, {1, "sec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kToneIndex[] = {
    {255, "-", ""}, {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""},
    {5, "5", ""}, {6, "6", ""}, {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCallDisplay[] = {{0, "-----", ""}, {1, "OFF", ""}, {3, "ON", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAfMute[] = {{0, "-----", ""}, {1, "Close", ""}, {3, "Open", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kDecodeLed[] = {
    {0, "------", ""}, {255, "OFF", ""}, {1, "ON", ""}, {3, "Blink", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAlertMode[] = {{0, "OFF", ""}, {1, "Single", ""}, {3, "Repeat", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAlertRepeat[] = {
    {0, "Endless", ""}, {3, "3 times", ""}, {10, "10 times", ""}, {15, "15 times", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kBeep[] = {
    {0, "-", ""}, {1, "A", ""}, {2, "B", ""}, {3, "C", ""}, {4, "D", ""}, {5, "E", ""}, {6, "F", ""},
    {7, "G", ""}, {8, "H", ""}, {9, "I", ""}, {10, "J", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kCheckMark[] = {{0, "-", ""}, {1, " ", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCheckMarkActiveLow[] = {{1, "-", ""}, {0, " ", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCheckPrint[] = {{0, "-", ""}, {1, "v", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kCheckPrintActiveLow[] = {{1, "-", ""}, {0, "v", ""}, {-1, "", ""}};

constexpr ST_DISPDATA kViewKey[] = {{1, "Tone2_System", ""}, {2, "Tone2_Encode", ""}, {3, "Tone2_Decode", ""}};
// clang-format on

}  // namespace

const ItemList TwoToneDecodePrecisionList{kDecodePrecision};
const ItemList TwoToneBeepRepeatIntervalList{kBeepRepeatInterval};
const ItemList TwoToneCallBeepLevelList{kCallBeepLevel};
const ItemList TwoToneCallEncodeCodeList{kCallEncodeCode};
const ItemList TwoToneAutoResetTimeList{kAutoResetTime};
const ItemList TwoToneAutoResetBeepList{kAutoResetBeep};
const ItemList TwoToneCodePlan{kCodePlan};
const ItemList TwoToneCodeSelectTitleList{kCodeSelectTitle};
const ItemList TwoToneToneCodeList{kToneCode};
const ItemList TwoToneRecordNoList{kRecordNo};
const ItemList TwoToneSystemCallCodeList{kSystemCallCode};
const ItemList TwoToneMonitorSwitchList{kMonitorSwitch};
const ItemList TwoToneChannelSwitchList{kChannelSwitch};
const ItemList TwoTonePeriodUnitList{kPeriodUnit};
const ItemList TwoToneEncodeToneList{kToneIndex};
const ItemList TwoToneDecodeToneList{kToneIndex};
const ItemList TwoToneCallDisplayList{kCallDisplay};
const ItemList TwoToneAfMuteList{kAfMute};
const ItemList TwoToneDecodeLedList{kDecodeLed};
const ItemList TwoToneAlertModeList{kAlertMode};
const ItemList TwoToneAlertRepeatList{kAlertRepeat};
const ItemList TwoToneBeepList{kBeep};
const ItemList CheckMarkList{kCheckMark};
const ItemList CheckMarkListActiveLow{kCheckMarkActiveLow};
const ItemList CheckPrintList{kCheckPrint};
const ItemList CheckPrintListActiveLow{kCheckPrintActiveLow};

ItemList CheckPrintTwin(ItemList check) {
    if (check.data() == CheckMarkListActiveLow.data()) return CheckPrintListActiveLow;
    if (check.data() == CheckMarkList.data()) return CheckPrintList;
    return {};
}
const ItemList TwoToneViewKeyList{kViewKey};

}  // namespace ToneTables
