#pragma once
// Items of block 8 (image bytes 0x2400-0x27FF) and their accessors: the
// radio's hardware description (set at production, changed only in the
// service modes or by a model conversion), the radio-information values shown
// with the alignment, and the radio-wide settings of the settings dialogs.
// Multi-byte numbers the radio keeps low byte first are composed from their
// byte items or read natively as little-endian words.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// clang-format off
// Hardware description of block 8 (0x2400-0x24AE).
inline constexpr ImageItemDescriptor HardwareItems[] = {
    {8, 0x000, 1, 0x30, 0, 0},  // ProductType
    {8, 0x000, 1, 0xF, 0, 1},  // SafetyType
    {8, 0x001, 1, 0xF, 0, 2},  // variant nibble
    {8, 0x002, 1, 0xE0, 0, 3},  // BandType
    {8, 0x002, 1, 0x1F, 0, 4},  // FrequencyType
    {8, 0x004, 1, 0xFF, 0, 5},  // MaxGroup
    {8, 0x005, 1, 0xFF, 0, 6},  // MaxCh
    {8, 0x006, 1, 0xF0, 0, 7},
    {8, 0x006, 1, 0xF, 0, 8},  // KeypadType
    {8, 0x007, 1, 0xF0, 0, 9},  // ChSelectorType
    {8, 0x007, 1, 0xF, 0, 10},  // DisplayType
    {8, 0x008, 1, 0xC0, 0, 11},
    {8, 0x008, 1, 0x30, 0, 12},
    {8, 0x008, 1, 0xF, 0, 13},  // DisplayDigit
    {8, 0x00B, 1, 0x8, 0, 14},
    {8, 0x00B, 1, 0x1, 0, 15},  // OptionBoard
    {8, 0x00C, 1, 0xFF, 0, 16},  // MinFrequency (low byte)
    {8, 0x00D, 1, 0xFF, 0, 17},  // MinFrequency (high byte)
    {8, 0x00E, 1, 0xFF, 0, 18},  // MaxFrequency (low byte)
    {8, 0x00F, 1, 0xFF, 0, 19},  // MaxFrequency (high byte)
    {8, 0x018, 1, 0xF0, 0, 20},  // ChannelStep
    {8, 0x018, 1, 0x3, 0, 21},
    {8, 0x019, 1, 0xFF, 0, 22},  // SqlStabilityTime
    {8, 0x01A, 1, 0xFF, 0, 23},  // SqlReleaseTime
    {8, 0x01B, 1, 0xFF, 0, 24},  // SqlAttackTime
    {8, 0x01C, 1, 0xFF, 0, 25},  // SqlHysteresis
    {8, 0x01D, 1, 0xFF, 0, 26},  // VoxOffsetStep
    {8, 0x01E, 1, 0xFF, 0, 27},  // VoxHysteresis
    {8, 0x022, 1, 0x4, 0, 28},
    {8, 0x023, 1, 0xFF, 0, 29},  // TailEliminationTime
    {8, 0x024, 1, 0xFF, 0, 30},
    {8, 0x025, 1, 0xFF, 0, 31},
    {8, 0x026, 1, 0xFF, 0, 32},
    {8, 0x027, 1, 0xFF, 0, 33},
    {8, 0x028, 1, 0xFF, 0, 34},
    {8, 0x029, 1, 0xFF, 0, 35},
    {8, 0x02A, 1, 0xFF, 0, 36},
    {8, 0x038, 1, 0xFF, 0, 37},
    {8, 0x039, 1, 0xFF, 0, 38},
    {8, 0x03A, 1, 0xFF, 0, 39},
    {8, 0x03B, 1, 0xFF, 0, 40},
    {8, 0x03C, 1, 0xFF, 0, 41},
    {8, 0x03D, 1, 0xFF, 0, 42},
    {8, 0x03E, 1, 0xFF, 0, 43},
    {8, 0x03F, 1, 0xFF, 0, 44},
    {8, 0x040, 1, 0xFF, 0, 45},
    {8, 0x041, 1, 0xFF, 0, 46},
    {8, 0x042, 1, 0xFF, 0, 47},
    {8, 0x043, 1, 0xFF, 0, 48},
    {8, 0x044, 1, 0xFF, 0, 49},
    {8, 0x045, 1, 0xFF, 0, 50},
    {8, 0x046, 1, 0xFF, 0, 51},
    {8, 0x047, 1, 0xFF, 0, 52},
    {8, 0x048, 1, 0xFF, 0, 53},
    {8, 0x049, 1, 0xFF, 0, 54},
    {8, 0x04A, 1, 0xFF, 0, 55},
    {8, 0x04B, 1, 0xFF, 0, 56},
    {8, 0x04C, 1, 0xFF, 0, 57},
    {8, 0x04D, 1, 0xFF, 0, 58},
    {8, 0x04E, 1, 0xFF, 0, 59},
    {8, 0x04F, 1, 0xFF, 0, 60},
    {8, 0x050, 1, 0xFF, 0, 61},
    {8, 0x051, 1, 0xFF, 0, 62},
    {8, 0x052, 1, 0xFF, 0, 63},
    {8, 0x053, 1, 0xFF, 0, 64},
    {8, 0x054, 1, 0xFF, 0, 65},
    {8, 0x055, 1, 0xFF, 0, 66},
    {8, 0x056, 1, 0xFF, 0, 67},
    {8, 0x057, 1, 0xFF, 0, 68},
    {8, 0x058, 1, 0xFF, 0, 69},
    {8, 0x059, 1, 0xFF, 0, 70},
    {8, 0x05A, 1, 0xFF, 0, 71},
    {8, 0x05B, 1, 0xFF, 0, 72},
    {8, 0x05C, 1, 0xFF, 0, 73},
    {8, 0x05D, 1, 0xFF, 0, 74},
    {8, 0x05E, 1, 0xFF, 0, 75},
    {8, 0x05F, 1, 0xFF, 0, 76},
    {8, 0x060, 1, 0xFF, 0, 77},
    {8, 0x061, 1, 0xFF, 0, 78},
    {8, 0x068, 1, 0x80, 0, 79},  // RxDcsData
    {8, 0x068, 1, 0x40, 0, 80},  // TxDcsData
    {8, 0x068, 1, 0x1, 0, 81},  // LocalOffset
    {8, 0x069, 4, 0xFFFFFFFF, 0, 82},  // FirstIfFrequency
    {8, 0x06D, 2, 0xFFFF, 0, 83},  // ReferenceXtalFrequency
    {8, 0x06F, 1, 0xF0, 0, 84},  // StandardRxPllRef
    {8, 0x06F, 1, 0xF, 0, 85},  // StandardTxPllRef
    {8, 0x071, 2, 0xFF0, 0, 86},  // synthesiser reference 0
    {8, 0x077, 2, 0xFF0, 0, 87},  // synthesiser reference 1
    {8, 0x07D, 2, 0xFF0, 0, 88},  // synthesiser reference 2
    {8, 0x083, 2, 0xFF0, 0, 89},  // synthesiser reference 3
    {8, 0x089, 2, 0xFF0, 0, 90},  // synthesiser reference 4
    {8, 0x08F, 2, 0xFF0, 0, 91},  // synthesiser reference 5
    {8, 0x095, 2, 0xFF0, 0, 92},  // synthesiser reference 6
    {8, 0x09B, 2, 0xFF0, 0, 93},  // synthesiser reference 7
    {8, 0x070, 1, 0xF0, 0, 94},
    {8, 0x070, 1, 0x8, 0, 95},
    {8, 0x070, 1, 0x4, 0, 96},
    {8, 0x070, 1, 0x3, 0, 97},
    {8, 0x071, 1, 0x80, 0, 98},
    {8, 0x071, 1, 0x40, 0, 99},
    {8, 0x071, 1, 0x30, 0, 100},
    {8, 0x071, 2, 0xFF0, 0, 101},
    {8, 0x072, 1, 0xF, 0, 102},
    {8, 0x073, 1, 0xE0, 0, 103},
    {8, 0x073, 1, 0x10, 0, 104},
    {8, 0x073, 1, 0xE, 0, 105},
    {8, 0x073, 3, 0x1FFF0, 0, 106},
    {8, 0x075, 1, 0xF, 0, 107},
    {8, 0x0A8, 1, 0xC0, 0, 108},
    {8, 0x0A8, 1, 0x20, 0, 109},
    {8, 0x0A9, 1, 0xFF, 0, 110},
    {8, 0x0AA, 1, 0xFF, 0, 111},
    {8, 0x0AB, 1, 0xFF, 0, 112},
    {8, 0x0AC, 1, 0xFF, 0, 113},
    {8, 0x0AD, 1, 0xFF, 0, 114},
    {8, 0x0AE, 1, 0xFF, 0, 115},
};

// The radio-information values (0x24E8-0x24FA), one byte each.
inline constexpr ImageItemDescriptor RadioInfoItems[] = {
    {8, 0x0E8, 1, 0xFF, 0, 0},  // RadioInfo0
    {8, 0x0E9, 1, 0xFF, 0, 1},  // RadioInfo1
    {8, 0x0EA, 1, 0xFF, 0, 2},  // RadioInfo2
    {8, 0x0EB, 1, 0xFF, 0, 3},  // RadioInfo3
    {8, 0x0EC, 1, 0xFF, 0, 4},  // RadioInfo4
    {8, 0x0ED, 1, 0xFF, 0, 5},  // RadioInfo5
    {8, 0x0EE, 1, 0xFF, 0, 6},  // RadioInfo6
    {8, 0x0EF, 1, 0xFF, 0, 7},  // RadioInfo7
    {8, 0x0F0, 1, 0xFF, 0, 8},  // RadioInfo8
    {8, 0x0F1, 1, 0xFF, 0, 9},  // RadioInfo9
    {8, 0x0F2, 1, 0xFF, 0, 10},  // RadioInfo10
    {8, 0x0F3, 1, 0xFF, 0, 11},  // RadioInfo11
    {8, 0x0F4, 1, 0xFF, 0, 12},  // RadioInfo12
    {8, 0x0F5, 1, 0xFF, 0, 13},  // RadioInfo13
    {8, 0x0F6, 1, 0xFF, 0, 14},  // RadioInfo14
    {8, 0x0F7, 1, 0xFF, 0, 15},  // RadioInfo15
    {8, 0x0F8, 1, 0xFF, 0, 16},  // RadioInfo16
    {8, 0x0F9, 1, 0xFF, 0, 17},  // RadioInfo17
    {8, 0x0FA, 1, 0xFF, 0, 18},  // RadioInfo18
};

// Radio-wide settings (0x2500-0x2620).
inline constexpr ImageItemDescriptor SystemItems[] = {
    {8, 0x100, 3, 0xFFFFFF, 0, 0},  // ProductionDate
    {8, 0x100, 1, 0xFF, 0, 1},
    {8, 0x101, 1, 0xFF, 0, 2},
    {8, 0x102, 1, 0xFF, 0, 3},
    {8, 0x103, 1, 0xFF, 0, 4},  // ProgramVersionMajor
    {8, 0x104, 1, 0xFF, 0, 5},  // ProgramVersionMinor
    {8, 0x105, 1, 0xFF, 0, 6},  // WideBandPermit
    {8, 0x106, 4, 0xFFFFFFFF, 0, 7},  // serial number, whole word
    {8, 0x106, 1, 0xF0, 0, 8},
    {8, 0x106, 2, 0xFFF, 0, 9},
    {8, 0x108, 1, 0xF0, 0, 10},
    {8, 0x108, 2, 0xFFF, 0, 11},
    {8, 0x10A, 1, 0xFF, 0, 12},
    {8, 0x10B, 1, 0xF0, 0, 13},
    {8, 0x10B, 1, 0x8, 0, 14},
    {8, 0x10B, 1, 0x7, 0, 15},
    {8, 0x10C, 2, 0xFFFF, 0, 16},  // SerialNumberWord
    {8, 0x10E, 1, 0xF0, 0, 17},  // SerialNumber1
    {8, 0x10E, 1, 0xF, 0, 18},  // SerialNumber2
    {8, 0x10F, 1, 0xFF, 0, 19},  // SerialNumber3
    {8, 0x110, 2, 0xFFFF, 0, 20},  // SerialNumber4
    {8, 0x118, 1, 0xC0, 0, 21},
    {8, 0x118, 1, 0x30, 0, 22},  // RotarySwAction
    {8, 0x118, 1, 0x3, 0, 23},  // CtcssTailElimination
    {8, 0x119, 1, 0xFF, 0, 24},  // VoxAttackTime
    {8, 0x11A, 1, 0xFF, 0, 25},  // VoxReleaseTime
    {8, 0x120, 1, 0xFF, 0, 26},  // PowerOnCondition
    {8, 0x121, 1, 0xFF, 0, 27},  // PowerOnGroup
    {8, 0x122, 1, 0xFF, 0, 28},  // PowerOnChannel
    {8, 0x123, 1, 0x80, 0, 29},  // SystemSave
    {8, 0x123, 1, 0x8, 0, 30},  // LowBatteryAlert
    {8, 0x123, 1, 0x4, 0, 31},  // TxLowBatteryAlert
    {8, 0x123, 1, 0x3, 0, 32},  // LowBatteryAlertInterval
    {8, 0x124, 1, 0xFF, 0, 33},  // RxSaveOnTime
    {8, 0x125, 1, 0xFF, 0, 34},  // RxSaveMode
    {8, 0x126, 1, 0x10, 0, 35},  // HookFunction
    {8, 0x126, 1, 0x8, 0, 36},  // OffHookScan
    {8, 0x126, 1, 0x4, 0, 37},  // OffHookSignaling
    {8, 0x126, 1, 0x2, 0, 38},  // OffHookCall4
    {8, 0x126, 1, 0x1, 0, 39},  // OnHookCall5
    {8, 0x127, 1, 0xFF, 0, 40},
    {8, 0x128, 1, 0x80, 0, 41},  // BusyAlert
    {8, 0x128, 1, 0x40, 0, 42},  // LcdKeyBacklight
    {8, 0x128, 1, 0x30, 0, 43},  // RxLcdKeyLighting
    {8, 0x128, 1, 0x8, 0, 44},  // KeyBeep
    {8, 0x128, 1, 0x4, 0, 45},
    {8, 0x128, 1, 0x2, 0, 46},  // OneGroupMode
    {8, 0x128, 1, 0x1, 0, 47},  // VoxTalkPermitTone
    {8, 0x129, 1, 0xFF, 0, 48},  // KeyHoldingTime
    {8, 0x12A, 1, 0xC0, 0, 49},  // RotarySelectorMode
    {8, 0x12A, 1, 0x20, 0, 50},  // ChSelectorChMode
    {8, 0x12A, 1, 0x10, 0, 51},  // ExternalPtt
    {8, 0x12A, 1, 0xC, 0, 52},  // OltaMode
    {8, 0x12A, 1, 0x2, 0, 53},  // OltaTxTime
    {8, 0x12A, 1, 0x1, 0, 54},  // OltaBeep
    {8, 0x12B, 1, 0xFF, 0, 55},  // HornAlertTime
    {8, 0x12C, 1, 0xFF, 0, 56},  // InternalMicGain
    {8, 0x12D, 1, 0xFF, 0, 57},  // ExtMicGain
    {8, 0x12E, 1, 0xFF, 0, 58},  // ExtMicGain2
    {8, 0x12F, 1, 0xF, 0, 59},
    {8, 0x130, 1, 0x80, 0, 60},  // IgnitionSense
    {8, 0x130, 1, 0x40, 0, 61},  // HornAlertOneTime
    {8, 0x130, 1, 0x10, 0, 62},  // VoxMicSelect
    {8, 0x130, 1, 0x8, 0, 63},  // RadioToRadioClone
    {8, 0x130, 1, 0x4, 0, 64},
    {8, 0x130, 1, 0x2, 0, 65},
    {8, 0x130, 1, 0x1, 0, 66},
    {8, 0x131, 1, 0xFF, 0, 67},
    {8, 0x132, 1, 0xFF, 0, 68},
    {8, 0x133, 1, 0xFF, 0, 69},  // UserLedOnTime
    {8, 0x134, 1, 0xFF, 0, 70},  // UserLedOffTime
    {8, 0x140, 1, 0xFF, 0, 71},
    {8, 0x170, 1, 0xFF, 0, 72},  // LedColorLowBattery
    {8, 0x171, 1, 0xFF, 0, 73},  // LedColorTx
    {8, 0x172, 1, 0xFF, 0, 74},  // LedColorSqlOpenBusy
    {8, 0x173, 1, 0xFF, 0, 75},  // LedColorMonitor
    {8, 0x174, 1, 0xFF, 0, 76},  // LedColorScan
    {8, 0x175, 1, 0xFF, 0, 77},  // LedColorGroup2
    {8, 0x176, 1, 0xFF, 0, 78},  // LedColorLowPower
    {8, 0x177, 1, 0xFF, 0, 79},  // LedColorEncryption
    {8, 0x178, 1, 0xFF, 0, 80},  // LedColorVox
    {8, 0x179, 1, 0xFF, 0, 81},  // PanelLedA
    {8, 0x17A, 1, 0xFF, 0, 82},  // PanelLedB
    {8, 0x180, 1, 0xFF, 0, 83},
    {8, 0x181, 1, 0xFF, 0, 84},
    {8, 0x182, 1, 0xFF, 0, 85},
    {8, 0x183, 1, 0xFF, 0, 86},
    {8, 0x184, 1, 0xFF, 0, 87},
    {8, 0x185, 1, 0xFF, 0, 88},
    {8, 0x186, 1, 0xFF, 0, 89},
    {8, 0x187, 1, 0xFF, 0, 90},
    {8, 0x188, 1, 0xFF, 0, 91},
    {8, 0x189, 1, 0xFF, 0, 92},
    {8, 0x18A, 1, 0xFF, 0, 93},
    {8, 0x18B, 1, 0xFF, 0, 94},
    {8, 0x18C, 1, 0xFF, 0, 95},
    {8, 0x18D, 1, 0xFF, 0, 96},
    {8, 0x18E, 1, 0xFF, 0, 97},
    {8, 0x18F, 1, 0xFF, 0, 98},
    {8, 0x190, 1, 0xFF, 0, 99},
    {8, 0x191, 1, 0xFF, 0, 100},
    {8, 0x192, 1, 0xFF, 0, 101},
    {8, 0x193, 1, 0xFF, 0, 102},
    {8, 0x194, 1, 0xFF, 0, 103},
    {8, 0x195, 1, 0xFF, 0, 104},
    {8, 0x196, 1, 0xFF, 0, 105},
    {8, 0x197, 1, 0xFF, 0, 106},
    {8, 0x198, 1, 0xFF, 0, 107},
    {8, 0x199, 1, 0xFF, 0, 108},
    {8, 0x19A, 1, 0xFF, 0, 109},
    {8, 0x19B, 1, 0xFF, 0, 110},
    {8, 0x19C, 1, 0xFF, 0, 111},
    {8, 0x19D, 1, 0xFF, 0, 112},
    {8, 0x19E, 1, 0xFF, 0, 113},
    {8, 0x19F, 1, 0xFF, 0, 114},
    {8, 0x1A0, 1, 0xFF, 0, 115},
    {8, 0x1A1, 1, 0xFF, 0, 116},
    {8, 0x1A2, 1, 0xFF, 0, 117},
    {8, 0x1A3, 1, 0xFF, 0, 118},
    {8, 0x1A4, 1, 0xFF, 0, 119},
    {8, 0x1A5, 1, 0xFF, 0, 120},
    {8, 0x1A6, 1, 0xFF, 0, 121},
    {8, 0x1A7, 1, 0xFF, 0, 122},
    {8, 0x1A8, 1, 0xFF, 0, 123},
    {8, 0x1A9, 1, 0xFF, 0, 124},
    {8, 0x1AA, 1, 0xFF, 0, 125},
    {8, 0x1AB, 1, 0xFF, 0, 126},
    {8, 0x1AD, 1, 0x2, 0, 127},
    {8, 0x1B0, 1, 0xF0, 0, 128},  // EmergencyRevertCh
    {8, 0x1B0, 1, 0x7, 0, 129},  // EmergencyChannel
    {8, 0x1B1, 1, 0xFF, 0, 130},  // EmergencySelectZone
    {8, 0x1B2, 1, 0xFF, 0, 131},  // EmergencySelectChannel
    {8, 0x1B3, 1, 0xFF, 0, 132},  // EmergencyKeyHoldTime
    {8, 0x1B4, 1, 0xFF, 0, 133},  // EmergencyContinuousTime
    {8, 0x1B5, 1, 0xFF, 0, 134},  // EmergencyTxTime
    {8, 0x1B6, 1, 0xFF, 0, 135},  // EmergencyRxTime
    {8, 0x1B7, 1, 0x80, 0, 136},  // EmergencySilentMode
    {8, 0x1B7, 1, 0x70, 0, 137},  // EmergencyLed
    {8, 0x1B7, 1, 0x2, 0, 138},
    {8, 0x1B7, 1, 0x1, 0, 139},
    {8, 0x1B8, 1, 0xC0, 0, 140},  // EmergencyAf
    {8, 0x1B8, 1, 0x20, 0, 141},  // EmergencyKeyInhibit
    {8, 0x1B8, 1, 0x10, 0, 142},  // EmergencyReceiveFlash
    {8, 0x1B8, 1, 0xC, 0, 143},  // EmergencyLcdBacklight
    {8, 0x1B8, 1, 0x3, 0, 144},  // EmergencyDisplay
    {8, 0x1B9, 1, 0xFF, 0, 145},  // LoneWorkerTimer
    {8, 0x1BA, 1, 0xC, 0, 146},
    {8, 0x1BA, 1, 0x2, 0, 147},
    {8, 0x1BA, 1, 0x1, 0, 148},  // EmergencyMicLevel
    {8, 0x1C0, 1, 0xFF, 0, 149},  // EmergencyTag
    {8, 0x1C1, 1, 0xFF, 0, 150},
    {8, 0x1C2, 1, 0xFF, 0, 151},
    {8, 0x1C3, 1, 0xFF, 0, 152},
    {8, 0x1C4, 1, 0xFF, 0, 153},
    {8, 0x1C5, 1, 0xFF, 0, 154},
    {8, 0x1C6, 1, 0xFF, 0, 155},
    {8, 0x1C7, 1, 0xFF, 0, 156},
    {8, 0x1D0, 1, 0x4, 0, 157},  // ProgrammingPasswordOn
    {8, 0x1D1, 1, 0xF0, 0, 158},  // ProgrammingPasswordDigit1
    {8, 0x1D1, 1, 0xF, 0, 159},  // ProgrammingPasswordDigit2
    {8, 0x1D2, 1, 0xF0, 0, 160},  // ProgrammingPasswordDigit3
    {8, 0x1D2, 1, 0xF, 0, 161},  // ProgrammingPasswordDigit4
    {8, 0x1D3, 1, 0xF0, 0, 162},  // ProgrammingPasswordDigit5
    {8, 0x1D3, 1, 0xF, 0, 163},  // ProgrammingPasswordDigit6
    {8, 0x200, 1, 0xFF, 0, 164},  // Text2600
    {8, 0x220, 1, 0xFF, 0, 165},  // InfoText
};
// clang-format on

// Hardware description.
std::uint32_t GetProductType(const CloneImage& image);
int SetProductType(CloneImage& image, std::uint32_t value);
std::uint32_t GetSafetyType(const CloneImage& image);
int SetSafetyType(CloneImage& image, std::uint32_t value);
std::uint32_t GetBandType(const CloneImage& image);
int SetBandType(CloneImage& image, std::uint32_t value);
std::uint32_t GetFrequencyType(const CloneImage& image);
int SetFrequencyType(CloneImage& image, std::uint32_t value);
std::uint32_t GetMaxCh(const CloneImage& image);
int SetMaxCh(CloneImage& image, std::uint32_t value);
std::uint32_t GetMaxGroup(const CloneImage& image);
int SetMaxGroup(CloneImage& image, std::uint32_t value);
std::uint32_t GetKeypadType(const CloneImage& image);
int SetKeypadType(CloneImage& image, std::uint32_t value);
std::uint32_t GetChSelectorType(const CloneImage& image);
int SetChSelectorType(CloneImage& image, std::uint32_t value);
std::uint32_t GetDisplayType(const CloneImage& image);
int SetDisplayType(CloneImage& image, std::uint32_t value);
std::uint32_t GetDisplayDigit(const CloneImage& image);
int SetDisplayDigit(CloneImage& image, std::uint32_t value);
std::uint32_t GetOptionBoard(const CloneImage& image);
int SetOptionBoard(CloneImage& image, std::uint32_t value);
std::uint32_t GetChannelStep(const CloneImage& image);
int SetChannelStep(CloneImage& image, std::uint32_t value);
std::uint32_t GetSqlStabilityTime(const CloneImage& image);
int SetSqlStabilityTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetSqlReleaseTime(const CloneImage& image);
int SetSqlReleaseTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetSqlAttackTime(const CloneImage& image);
int SetSqlAttackTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetSqlHysteresis(const CloneImage& image);
int SetSqlHysteresis(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxOffsetStep(const CloneImage& image);
int SetVoxOffsetStep(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxHysteresis(const CloneImage& image);
int SetVoxHysteresis(CloneImage& image, std::uint32_t value);
std::uint32_t GetTailEliminationTime(const CloneImage& image);
int SetTailEliminationTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetRxDcsData(const CloneImage& image);
int SetRxDcsData(CloneImage& image, std::uint32_t value);
std::uint32_t GetTxDcsData(const CloneImage& image);
int SetTxDcsData(CloneImage& image, std::uint32_t value);
std::uint32_t GetLocalOffset(const CloneImage& image);
int SetLocalOffset(CloneImage& image, std::uint32_t value);
std::uint32_t GetStandardRxPllRef(const CloneImage& image);
int SetStandardRxPllRef(CloneImage& image, std::uint32_t value);
std::uint32_t GetStandardTxPllRef(const CloneImage& image);
int SetStandardTxPllRef(CloneImage& image, std::uint32_t value);
// Frequency limits: 16-bit numbers kept low byte first.
std::uint32_t GetMinFrequency(const CloneImage& image);
int SetMinFrequency(CloneImage& image, std::uint32_t value);
std::uint32_t GetMaxFrequency(const CloneImage& image);
int SetMaxFrequency(CloneImage& image, std::uint32_t value);
// Read and written natively: the first IF as a 32-bit little-endian word,
// the reference crystal as a 16-bit one (its neighbours keep their bytes).
std::uint32_t GetFirstIfFrequency(const CloneImage& image);
int SetFirstIfFrequency(CloneImage& image, std::uint32_t value);
std::uint32_t GetReferenceXtalFrequency(const CloneImage& image);
int SetReferenceXtalFrequency(CloneImage& image, std::uint32_t value);

// Radio-information values, one byte each.
std::uint32_t GetRadioInfo0(const CloneImage& image);
int SetRadioInfo0(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo1(const CloneImage& image);
int SetRadioInfo1(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo2(const CloneImage& image);
int SetRadioInfo2(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo3(const CloneImage& image);
int SetRadioInfo3(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo4(const CloneImage& image);
int SetRadioInfo4(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo5(const CloneImage& image);
int SetRadioInfo5(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo6(const CloneImage& image);
int SetRadioInfo6(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo7(const CloneImage& image);
int SetRadioInfo7(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo8(const CloneImage& image);
int SetRadioInfo8(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo9(const CloneImage& image);
int SetRadioInfo9(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo10(const CloneImage& image);
int SetRadioInfo10(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo11(const CloneImage& image);
int SetRadioInfo11(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo12(const CloneImage& image);
int SetRadioInfo12(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo13(const CloneImage& image);
int SetRadioInfo13(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo14(const CloneImage& image);
int SetRadioInfo14(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo15(const CloneImage& image);
int SetRadioInfo15(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo16(const CloneImage& image);
int SetRadioInfo16(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo17(const CloneImage& image);
int SetRadioInfo17(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioInfo18(const CloneImage& image);
int SetRadioInfo18(CloneImage& image, std::uint32_t value);

// Radio-wide settings. The production date is BCD year, month, day; the
// serial number is the word at 0x250C and the items of 0x250E-0x2511.
std::uint32_t GetProductionDate(const CloneImage& image);
int SetProductionDate(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgramVersionMajor(const CloneImage& image);
int SetProgramVersionMajor(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgramVersionMinor(const CloneImage& image);
int SetProgramVersionMinor(CloneImage& image, std::uint32_t value);
std::uint32_t GetWideBandPermit(const CloneImage& image);
int SetWideBandPermit(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialNumberWord(const CloneImage& image);
int SetSerialNumberWord(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialNumber1(const CloneImage& image);
int SetSerialNumber1(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialNumber2(const CloneImage& image);
int SetSerialNumber2(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialNumber3(const CloneImage& image);
int SetSerialNumber3(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialNumber4(const CloneImage& image);
int SetSerialNumber4(CloneImage& image, std::uint32_t value);
std::uint32_t GetRotarySwAction(const CloneImage& image);
int SetRotarySwAction(CloneImage& image, std::uint32_t value);
std::uint32_t GetCtcssTailElimination(const CloneImage& image);
int SetCtcssTailElimination(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxAttackTime(const CloneImage& image);
int SetVoxAttackTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxReleaseTime(const CloneImage& image);
int SetVoxReleaseTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetPowerOnCondition(const CloneImage& image);
int SetPowerOnCondition(CloneImage& image, std::uint32_t value);
std::uint32_t GetPowerOnGroup(const CloneImage& image);
int SetPowerOnGroup(CloneImage& image, std::uint32_t value);
std::uint32_t GetPowerOnChannel(const CloneImage& image);
int SetPowerOnChannel(CloneImage& image, std::uint32_t value);
std::uint32_t GetSystemSave(const CloneImage& image);
int SetSystemSave(CloneImage& image, std::uint32_t value);
std::uint32_t GetLowBatteryAlert(const CloneImage& image);
int SetLowBatteryAlert(CloneImage& image, std::uint32_t value);
std::uint32_t GetTxLowBatteryAlert(const CloneImage& image);
int SetTxLowBatteryAlert(CloneImage& image, std::uint32_t value);
std::uint32_t GetLowBatteryAlertInterval(const CloneImage& image);
int SetLowBatteryAlertInterval(CloneImage& image, std::uint32_t value);
std::uint32_t GetRxSaveOnTime(const CloneImage& image);
int SetRxSaveOnTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetRxSaveMode(const CloneImage& image);
int SetRxSaveMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetHookFunction(const CloneImage& image);
int SetHookFunction(CloneImage& image, std::uint32_t value);
std::uint32_t GetOffHookScan(const CloneImage& image);
int SetOffHookScan(CloneImage& image, std::uint32_t value);
std::uint32_t GetOffHookSignaling(const CloneImage& image);
int SetOffHookSignaling(CloneImage& image, std::uint32_t value);
std::uint32_t GetOffHookCall4(const CloneImage& image);
int SetOffHookCall4(CloneImage& image, std::uint32_t value);
std::uint32_t GetOnHookCall5(const CloneImage& image);
int SetOnHookCall5(CloneImage& image, std::uint32_t value);
std::uint32_t GetBusyAlert(const CloneImage& image);
int SetBusyAlert(CloneImage& image, std::uint32_t value);
std::uint32_t GetLcdKeyBacklight(const CloneImage& image);
int SetLcdKeyBacklight(CloneImage& image, std::uint32_t value);
std::uint32_t GetRxLcdKeyLighting(const CloneImage& image);
int SetRxLcdKeyLighting(CloneImage& image, std::uint32_t value);
std::uint32_t GetKeyBeep(const CloneImage& image);
int SetKeyBeep(CloneImage& image, std::uint32_t value);
std::uint32_t GetOneGroupMode(const CloneImage& image);
int SetOneGroupMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxTalkPermitTone(const CloneImage& image);
int SetVoxTalkPermitTone(CloneImage& image, std::uint32_t value);
std::uint32_t GetKeyHoldingTime(const CloneImage& image);
int SetKeyHoldingTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetRotarySelectorMode(const CloneImage& image);
int SetRotarySelectorMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetChSelectorChMode(const CloneImage& image);
int SetChSelectorChMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetExternalPtt(const CloneImage& image);
int SetExternalPtt(CloneImage& image, std::uint32_t value);
std::uint32_t GetOltaMode(const CloneImage& image);
int SetOltaMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetOltaTxTime(const CloneImage& image);
int SetOltaTxTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetOltaBeep(const CloneImage& image);
int SetOltaBeep(CloneImage& image, std::uint32_t value);
std::uint32_t GetHornAlertTime(const CloneImage& image);
int SetHornAlertTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetInternalMicGain(const CloneImage& image);
int SetInternalMicGain(CloneImage& image, std::uint32_t value);
std::uint32_t GetExtMicGain(const CloneImage& image);
int SetExtMicGain(CloneImage& image, std::uint32_t value);
std::uint32_t GetExtMicGain2(const CloneImage& image);
int SetExtMicGain2(CloneImage& image, std::uint32_t value);
std::uint32_t GetIgnitionSense(const CloneImage& image);
int SetIgnitionSense(CloneImage& image, std::uint32_t value);
std::uint32_t GetHornAlertOneTime(const CloneImage& image);
int SetHornAlertOneTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxMicSelect(const CloneImage& image);
int SetVoxMicSelect(CloneImage& image, std::uint32_t value);
std::uint32_t GetRadioToRadioClone(const CloneImage& image);
int SetRadioToRadioClone(CloneImage& image, std::uint32_t value);
std::uint32_t GetUserLedOnTime(const CloneImage& image);
int SetUserLedOnTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetUserLedOffTime(const CloneImage& image);
int SetUserLedOffTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorLowBattery(const CloneImage& image);
int SetLedColorLowBattery(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorTx(const CloneImage& image);
int SetLedColorTx(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorSqlOpenBusy(const CloneImage& image);
int SetLedColorSqlOpenBusy(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorMonitor(const CloneImage& image);
int SetLedColorMonitor(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorScan(const CloneImage& image);
int SetLedColorScan(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorGroup2(const CloneImage& image);
int SetLedColorGroup2(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorLowPower(const CloneImage& image);
int SetLedColorLowPower(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorEncryption(const CloneImage& image);
int SetLedColorEncryption(CloneImage& image, std::uint32_t value);
std::uint32_t GetLedColorVox(const CloneImage& image);
int SetLedColorVox(CloneImage& image, std::uint32_t value);
std::uint32_t GetPanelLedA(const CloneImage& image);
int SetPanelLedA(CloneImage& image, std::uint32_t value);
std::uint32_t GetPanelLedB(const CloneImage& image);
int SetPanelLedB(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyRevertCh(const CloneImage& image);
int SetEmergencyRevertCh(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyChannel(const CloneImage& image);
int SetEmergencyChannel(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencySelectZone(const CloneImage& image);
int SetEmergencySelectZone(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencySelectChannel(const CloneImage& image);
int SetEmergencySelectChannel(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyKeyHoldTime(const CloneImage& image);
int SetEmergencyKeyHoldTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyContinuousTime(const CloneImage& image);
int SetEmergencyContinuousTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyTxTime(const CloneImage& image);
int SetEmergencyTxTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyRxTime(const CloneImage& image);
int SetEmergencyRxTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencySilentMode(const CloneImage& image);
int SetEmergencySilentMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyLed(const CloneImage& image);
int SetEmergencyLed(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyAf(const CloneImage& image);
int SetEmergencyAf(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyKeyInhibit(const CloneImage& image);
int SetEmergencyKeyInhibit(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyReceiveFlash(const CloneImage& image);
int SetEmergencyReceiveFlash(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyLcdBacklight(const CloneImage& image);
int SetEmergencyLcdBacklight(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyDisplay(const CloneImage& image);
int SetEmergencyDisplay(CloneImage& image, std::uint32_t value);
std::uint32_t GetLoneWorkerTimer(const CloneImage& image);
int SetLoneWorkerTimer(CloneImage& image, std::uint32_t value);
std::uint32_t GetEmergencyMicLevel(const CloneImage& image);
int SetEmergencyMicLevel(CloneImage& image, std::uint32_t value);
// Raw: 8 radio codes, zero-padded (TagCodesToText shows them).
std::string GetEmergencyTag(const CloneImage& image);
int SetEmergencyTag(CloneImage& image, std::string_view text);
std::uint32_t GetProgrammingPasswordOn(const CloneImage& image);
int SetProgrammingPasswordOn(CloneImage& image, std::uint32_t value);
// The six programming password digits, high nibble first.
std::uint32_t GetProgrammingPasswordDigit1(const CloneImage& image);
int SetProgrammingPasswordDigit1(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgrammingPasswordDigit2(const CloneImage& image);
int SetProgrammingPasswordDigit2(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgrammingPasswordDigit3(const CloneImage& image);
int SetProgrammingPasswordDigit3(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgrammingPasswordDigit4(const CloneImage& image);
int SetProgrammingPasswordDigit4(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgrammingPasswordDigit5(const CloneImage& image);
int SetProgrammingPasswordDigit5(CloneImage& image, std::uint32_t value);
std::uint32_t GetProgrammingPasswordDigit6(const CloneImage& image);
int SetProgrammingPasswordDigit6(CloneImage& image, std::uint32_t value);
// Texts of up to 32 characters ended (and padded) by 0xFF; the text at
// 0x2600 is only read.
std::string GetText2600(const CloneImage& image);
std::string GetInfoText(const CloneImage& image);
int SetInfoText(CloneImage& image, std::string_view text);

}  // namespace ItemMap
