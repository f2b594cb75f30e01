#pragma once
// Items of blocks 10-13, the tone signalling: the 2-tone tone table with its
// decoder registers and reference clock, the 2-tone settings and decode and
// encode records, the 5-tone tone tables of the formats with their decoder
// registers, the 5-tone common settings and system records, and the 5-tone
// decode (32-byte) and encode (16-byte) code records.
//
// The radio keeps multi-byte tone values little-endian; their accessors
// reverse the bytes of the field. Tags are display text, converted through the
// current tag character rule.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// clang-format off
// Tone word i at +2i.
inline constexpr ImageItemDescriptor Tone2TableItems[] = {
    {10, 0x000, 2, 0xFFFF, 0x00, 0},  // decoder register table
    {10, 0x020, 2, 0xFFFF, 0x00, 1},  // PackBytesLE
    {10, 0x020, 1, 0xFF, 0x00, 2},
    {10, 0x021, 1, 0xFF, 0x00, 3},
    {10, 0x040, 2, 0xFFFF, 0x00, 4},
    {10, 0x070, 2, 0xFFFF, 0x00, 5},  // Tone2ReferenceValue
    {10, 0x072, 2, 0xFFFF, 0x00, 6},  // Tone2TableWord72
    {10, 0x074, 1, 0xFF, 0x00, 7},  // Tone2TableByte74
    {10, 0x075, 1, 0xFF, 0x00, 8},  // Tone2TableByte75
    {10, 0x076, 4, 0xFFFFFFFF, 0x00, 9},  // Tone2ReferenceClock
    {10, 0x080, 2, 0xFFFF, 0x00, 10},  // decoder register low of tone i at +4i
    {10, 0x082, 2, 0xFFFF, 0x00, 11},  // decoder register high of tone i at +4i
};

// System, decode and encode record n at +16n.
inline constexpr ImageItemDescriptor Tone2Items[] = {
    {10, 0x101, 1, 0xFF, 0x00, 0},  // Tone2DecodePrecision
    {10, 0x102, 1, 0xFF, 0x00, 1},
    {10, 0x103, 1, 0xFF, 0x00, 2},
    {10, 0x105, 1, 0xFF, 0x00, 3},  // Tone2BeepRepeatInterval
    {10, 0x106, 1, 0xFF, 0x00, 4},  // Tone2CallBeepLevel
    {10, 0x10A, 1, 0xFF, 0x00, 5},  // Tone2Call1To5EncodeCode
    {10, 0x120, 1, 0x0F, 0x00, 6},
    {10, 0x121, 1, 0x10, 0x00, 7},
    {10, 0x121, 1, 0x02, 0x00, 8},
    {10, 0x121, 1, 0x01, 0x00, 9},
    {10, 0x122, 1, 0xFF, 0x00, 10},
    {10, 0x123, 1, 0xC0, 0x00, 11},
    {10, 0x123, 1, 0x30, 0x00, 12},
    {10, 0x123, 1, 0x08, 0x00, 13},
    {10, 0x123, 1, 0x02, 0x00, 14},
    {10, 0x124, 1, 0xFF, 0x00, 15},
    {10, 0x125, 1, 0xFF, 0x00, 16},
    {10, 0x126, 1, 0xFF, 0x00, 17},
    {10, 0x12E, 1, 0x01, 0x00, 18},  // Tone2SystemDecodeCode1
    {10, 0x12E, 1, 0x02, 0x00, 19},  // Tone2SystemDecodeCode2
    {10, 0x12E, 1, 0x04, 0x00, 20},  // Tone2SystemDecodeCode3
    {10, 0x12E, 1, 0x08, 0x00, 21},  // Tone2SystemDecodeCode4
    {10, 0x12E, 1, 0x10, 0x00, 22},  // Tone2SystemDecodeCode5
    {10, 0x12E, 1, 0x20, 0x00, 23},  // Tone2SystemDecodeCode6
    {10, 0x12E, 1, 0x40, 0x00, 24},  // Tone2SystemDecodeCode7
    {10, 0x12E, 1, 0x80, 0x00, 25},  // Tone2SystemDecodeCode8
    {10, 0x1A0, 1, 0xFF, 0x00, 26},
    {10, 0x1A1, 1, 0xFF, 0x00, 27},
    {10, 0x1A2, 1, 0x30, 0x00, 28},
    {10, 0x1A2, 1, 0x03, 0x00, 29},
    {10, 0x1A3, 1, 0x70, 0x00, 30},
    {10, 0x1A3, 1, 0x02, 0x00, 31},
    {10, 0x1A3, 1, 0x01, 0x00, 32},
    {10, 0x1A4, 1, 0x30, 0x00, 33},
    {10, 0x1A5, 1, 0xFF, 0x00, 34},  // Tone2DecodeAlertRepeat
    {10, 0x1A6, 1, 0xF0, 0x00, 35},
    {10, 0x1A8, 1, 0xFF, 0x00, 36},  // Tone2DecodeTag
    {10, 0x1A9, 1, 0xFF, 0x00, 37},
    {10, 0x1AA, 1, 0xFF, 0x00, 38},
    {10, 0x1AB, 1, 0xFF, 0x00, 39},
    {10, 0x1AC, 1, 0xFF, 0x00, 40},
    {10, 0x1AD, 1, 0xFF, 0x00, 41},
    {10, 0x1AE, 1, 0xFF, 0x00, 42},
    {10, 0x1AF, 1, 0xFF, 0x00, 43},
    {10, 0x220, 1, 0xFF, 0x00, 44},
    {10, 0x222, 1, 0xFF, 0x00, 45},
    {10, 0x228, 1, 0xFF, 0x00, 46},  // Tone2EncodeTag
    {10, 0x229, 1, 0xFF, 0x00, 47},
    {10, 0x22A, 1, 0xFF, 0x00, 48},
    {10, 0x22B, 1, 0xFF, 0x00, 49},
    {10, 0x22C, 1, 0xFF, 0x00, 50},
    {10, 0x22D, 1, 0xFF, 0x00, 51},
    {10, 0x22E, 1, 0xFF, 0x00, 52},
    {10, 0x22F, 1, 0xFF, 0x00, 53},
};

// Per format n (0-13): register pair of tone k at +64n+4k, tone value k at
// +32n+2k; tone and gap period bytes of format n at +2n.
inline constexpr ImageItemDescriptor Tone5TableItems[] = {
    {11, 0x000, 2, 0xFFFF, 0x00, 0},  // 16FromPair
    {11, 0x002, 2, 0xFFFF, 0x00, 1},  // Tone5TableWord02
    {11, 0x004, 1, 0xFF, 0x00, 2},  // Tone5TableByte04
    {11, 0x005, 1, 0xFF, 0x00, 3},  // Tone5TableByte05
    {11, 0x006, 4, 0xFFFFFFFF, 0x00, 4},  // Tone5ReferenceClock
    {11, 0x040, 2, 0xFFFF, 0x00, 5},  // Tone5RegisterLow, tone 0
    {11, 0x044, 2, 0xFFFF, 0x00, 6},  // Tone5RegisterLow, tone 1
    {11, 0x048, 2, 0xFFFF, 0x00, 7},  // Tone5RegisterLow, tone 2
    {11, 0x04C, 2, 0xFFFF, 0x00, 8},  // Tone5RegisterLow, tone 3
    {11, 0x050, 2, 0xFFFF, 0x00, 9},  // Tone5RegisterLow, tone 4
    {11, 0x054, 2, 0xFFFF, 0x00, 10},  // Tone5RegisterLow, tone 5
    {11, 0x058, 2, 0xFFFF, 0x00, 11},  // Tone5RegisterLow, tone 6
    {11, 0x05C, 2, 0xFFFF, 0x00, 12},  // Tone5RegisterLow, tone 7
    {11, 0x060, 2, 0xFFFF, 0x00, 13},  // Tone5RegisterLow, tone 8
    {11, 0x064, 2, 0xFFFF, 0x00, 14},  // Tone5RegisterLow, tone 9
    {11, 0x068, 2, 0xFFFF, 0x00, 15},  // Tone5RegisterLow, tone 10
    {11, 0x06C, 2, 0xFFFF, 0x00, 16},  // Tone5RegisterLow, tone 11
    {11, 0x070, 2, 0xFFFF, 0x00, 17},  // Tone5RegisterLow, tone 12
    {11, 0x074, 2, 0xFFFF, 0x00, 18},  // Tone5RegisterLow, tone 13
    {11, 0x078, 2, 0xFFFF, 0x00, 19},  // Tone5RegisterLow, tone 14
    {11, 0x07C, 2, 0xFFFF, 0x00, 20},  // Tone5RegisterLow, tone 15
    {11, 0x042, 2, 0xFFFF, 0x00, 21},  // Tone5RegisterHigh, tone 0
    {11, 0x046, 2, 0xFFFF, 0x00, 22},  // Tone5RegisterHigh, tone 1
    {11, 0x04A, 2, 0xFFFF, 0x00, 23},  // Tone5RegisterHigh, tone 2
    {11, 0x04E, 2, 0xFFFF, 0x00, 24},  // Tone5RegisterHigh, tone 3
    {11, 0x052, 2, 0xFFFF, 0x00, 25},  // Tone5RegisterHigh, tone 4
    {11, 0x056, 2, 0xFFFF, 0x00, 26},  // Tone5RegisterHigh, tone 5
    {11, 0x05A, 2, 0xFFFF, 0x00, 27},  // Tone5RegisterHigh, tone 6
    {11, 0x05E, 2, 0xFFFF, 0x00, 28},  // Tone5RegisterHigh, tone 7
    {11, 0x062, 2, 0xFFFF, 0x00, 29},  // Tone5RegisterHigh, tone 8
    {11, 0x066, 2, 0xFFFF, 0x00, 30},  // Tone5RegisterHigh, tone 9
    {11, 0x06A, 2, 0xFFFF, 0x00, 31},  // Tone5RegisterHigh, tone 10
    {11, 0x06E, 2, 0xFFFF, 0x00, 32},  // Tone5RegisterHigh, tone 11
    {11, 0x072, 2, 0xFFFF, 0x00, 33},  // Tone5RegisterHigh, tone 12
    {11, 0x076, 2, 0xFFFF, 0x00, 34},  // Tone5RegisterHigh, tone 13
    {11, 0x07A, 2, 0xFFFF, 0x00, 35},  // Tone5RegisterHigh, tone 14
    {11, 0x07E, 2, 0xFFFF, 0x00, 36},  // Tone5RegisterHigh, tone 15
    {12, 0x000, 2, 0xFFFF, 0x00, 37},  // Tone5ToneValue, tone 0
    {12, 0x002, 2, 0xFFFF, 0x00, 38},  // Tone5ToneValue, tone 1
    {12, 0x004, 2, 0xFFFF, 0x00, 39},  // Tone5ToneValue, tone 2
    {12, 0x006, 2, 0xFFFF, 0x00, 40},  // Tone5ToneValue, tone 3
    {12, 0x008, 2, 0xFFFF, 0x00, 41},  // Tone5ToneValue, tone 4
    {12, 0x00A, 2, 0xFFFF, 0x00, 42},  // Tone5ToneValue, tone 5
    {12, 0x00C, 2, 0xFFFF, 0x00, 43},  // Tone5ToneValue, tone 6
    {12, 0x00E, 2, 0xFFFF, 0x00, 44},  // Tone5ToneValue, tone 7
    {12, 0x010, 2, 0xFFFF, 0x00, 45},  // Tone5ToneValue, tone 8
    {12, 0x012, 2, 0xFFFF, 0x00, 46},  // Tone5ToneValue, tone 9
    {12, 0x014, 2, 0xFFFF, 0x00, 47},  // Tone5ToneValue, tone 10
    {12, 0x016, 2, 0xFFFF, 0x00, 48},  // Tone5ToneValue, tone 11
    {12, 0x018, 2, 0xFFFF, 0x00, 49},  // Tone5ToneValue, tone 12
    {12, 0x01A, 2, 0xFFFF, 0x00, 50},  // Tone5ToneValue, tone 13
    {12, 0x01C, 2, 0xFFFF, 0x00, 51},  // Tone5ToneValue, tone 14
    {12, 0x01E, 2, 0xFFFF, 0x00, 52},  // Tone5ToneValue, tone 15
    {12, 0x1E0, 1, 0xFF, 0x00, 53},  // Tone5TonePeriod, format 0
    {12, 0x1E2, 1, 0xFF, 0x00, 54},  // Tone5TonePeriod, format 1
    {12, 0x1E4, 1, 0xFF, 0x00, 55},  // Tone5TonePeriod, format 2
    {12, 0x1E6, 1, 0xFF, 0x00, 56},  // Tone5TonePeriod, format 3
    {12, 0x1E8, 1, 0xFF, 0x00, 57},  // Tone5TonePeriod, format 4
    {12, 0x1EA, 1, 0xFF, 0x00, 58},  // Tone5TonePeriod, format 5
    {12, 0x1EC, 1, 0xFF, 0x00, 59},  // Tone5TonePeriod, format 6
    {12, 0x1EE, 1, 0xFF, 0x00, 60},  // Tone5TonePeriod, format 7
    {12, 0x1F0, 1, 0xFF, 0x00, 61},  // Tone5TonePeriod, format 8
    {12, 0x1F2, 1, 0xFF, 0x00, 62},  // Tone5TonePeriod, format 9
    {12, 0x1F4, 1, 0xFF, 0x00, 63},  // Tone5TonePeriod, format 10
    {12, 0x1F6, 1, 0xFF, 0x00, 64},  // Tone5TonePeriod, format 11
    {12, 0x1F8, 1, 0xFF, 0x00, 65},  // Tone5TonePeriod, format 12
    {12, 0x1FA, 1, 0xFF, 0x00, 66},  // Tone5TonePeriod, format 13
    {12, 0x1E1, 1, 0xFF, 0x00, 67},  // Tone5GapPeriod, format 0
    {12, 0x1E3, 1, 0xFF, 0x00, 68},  // Tone5GapPeriod, format 1
    {12, 0x1E5, 1, 0xFF, 0x00, 69},  // Tone5GapPeriod, format 2
    {12, 0x1E7, 1, 0xFF, 0x00, 70},  // Tone5GapPeriod, format 3
    {12, 0x1E9, 1, 0xFF, 0x00, 71},  // Tone5GapPeriod, format 4
    {12, 0x1EB, 1, 0xFF, 0x00, 72},  // Tone5GapPeriod, format 5
    {12, 0x1ED, 1, 0xFF, 0x00, 73},  // Tone5GapPeriod, format 6
    {12, 0x1EF, 1, 0xFF, 0x00, 74},  // Tone5GapPeriod, format 7
    {12, 0x1F1, 1, 0xFF, 0x00, 75},  // Tone5GapPeriod, format 8
    {12, 0x1F3, 1, 0xFF, 0x00, 76},  // Tone5GapPeriod, format 9
    {12, 0x1F5, 1, 0xFF, 0x00, 77},  // Tone5GapPeriod, format 10
    {12, 0x1F7, 1, 0xFF, 0x00, 78},  // Tone5GapPeriod, format 11
    {12, 0x1F9, 1, 0xFF, 0x00, 79},  // Tone5GapPeriod, format 12
    {12, 0x1FB, 1, 0xFF, 0x00, 80},  // Tone5GapPeriod, format 13
};

// System record n at +16n.
inline constexpr ImageItemDescriptor Tone5SystemItems[] = {
    {12, 0x200, 1, 0xC0, 0x00, 0},
    {12, 0x200, 1, 0x30, 0x00, 1},
    {12, 0x200, 1, 0x08, 0x00, 2},
    {12, 0x200, 1, 0x02, 0x00, 3},  // Tone5CtcssDcsComplement
    {12, 0x200, 1, 0x01, 0x00, 4},
    {12, 0x201, 1, 0xC0, 0x00, 5},
    {12, 0x201, 1, 0x30, 0x00, 6},
    {12, 0x201, 1, 0x08, 0x00, 7},
    {12, 0x202, 1, 0x80, 0x00, 8},
    {12, 0x202, 1, 0x20, 0x00, 9},  // Tone5AutoResetBeep
    {12, 0x203, 1, 0xF0, 0x00, 10},
    {12, 0x203, 1, 0x0F, 0x00, 11},
    {12, 0x204, 1, 0xFF, 0x00, 12},  // Tone5RepeaterCode
    {12, 0x205, 1, 0xFF, 0x00, 13},  // Tone5CallEncodeCode
    {12, 0x206, 1, 0xFF, 0x00, 14},  // Tone5IdEncodeCode
    {12, 0x207, 1, 0x80, 0x00, 15},  // Tone5DecodeCode1
    {12, 0x207, 1, 0x40, 0x00, 16},  // Tone5DecodeCode2
    {12, 0x207, 1, 0x20, 0x00, 17},  // Tone5DecodeCode3
    {12, 0x207, 1, 0x10, 0x00, 18},  // Tone5DecodeCode4
    {12, 0x207, 1, 0x08, 0x00, 19},  // Tone5DecodeCode5
    {12, 0x207, 1, 0x04, 0x00, 20},  // Tone5DecodeCode6
    {12, 0x207, 1, 0x02, 0x00, 21},  // Tone5DecodeCode7
    {12, 0x207, 1, 0x01, 0x00, 22},  // Tone5DecodeCode8
    {12, 0x208, 1, 0xFF, 0x00, 23},
    {13, 0x000, 1, 0x03, 0x00, 24},  // Tone5Setup
    {13, 0x001, 1, 0x80, 0x00, 25},  // Tone5TagDisplay
    {13, 0x001, 1, 0x40, 0x00, 26},  // Tone5AniDisplay
    {13, 0x001, 1, 0x20, 0x00, 27},  // Tone5PttCall
    {13, 0x001, 1, 0x02, 0x00, 28},  // Tone5SideTone
    {13, 0x002, 1, 0xE0, 0x00, 29},  // Tone5MinimumDecodeDigit
    {13, 0x002, 1, 0x0C, 0x00, 30},  // Tone5SignalingMonitorMode
    {13, 0x003, 1, 0xF0, 0x00, 31},  // Tone5RepeatTone
    {13, 0x003, 1, 0x0F, 0x00, 32},  // Tone5GroupTone
    {13, 0x004, 1, 0x1F, 0x00, 33},  // Tone5LastGapTone
    {13, 0x005, 1, 0xFF, 0x00, 34},  // Tone5ClearToTranspond
    {13, 0x006, 1, 0xFF, 0x00, 35},  // Tone5AutoTxTime
    {13, 0x007, 1, 0xFF, 0x00, 36},  // Tone5LeadInDelay
    {13, 0x008, 1, 0xFF, 0x00, 37},  // Tone5Extend1stToneTime
    {13, 0x009, 1, 0xFF, 0x00, 38},  // Tone5SecondLastGapTime
    {13, 0x00A, 1, 0xFF, 0x00, 39},  // Tone5LastGapTime
    {13, 0x00B, 1, 0xFF, 0x00, 40},  // Tone5LeadOutDelay
    {13, 0x00C, 1, 0xFF, 0x00, 41},  // Tone5AckDecodeTime
    {13, 0x00D, 1, 0xFF, 0x00, 42},  // Tone5TranspondAckRetry
    {13, 0x00E, 1, 0xFF, 0x00, 43},  // Tone5Call1EncodeCode
    {13, 0x00F, 1, 0xFF, 0x00, 44},  // Tone5Call2EncodeCode
    {13, 0x010, 1, 0xFF, 0x00, 45},  // Tone5Call3EncodeCode
    {13, 0x011, 1, 0xFF, 0x00, 46},  // Tone5EmergencyEncodeCode
    {13, 0x012, 1, 0x01, 0x00, 47},
    {13, 0x013, 1, 0x01, 0x00, 48},
    {13, 0x014, 1, 0xFF, 0x00, 49},  // Tone5BeepRepeatInterval
    {13, 0x015, 1, 0xFF, 0x00, 50},  // Tone5CallBeepLevel
    {13, 0x016, 1, 0xFF, 0x00, 51},  // Tone5Tp40LeadInToneTime
    {13, 0x017, 1, 0xFF, 0x00, 52},  // Tone5DecodePrecision
    {13, 0x018, 1, 0xFF, 0x00, 53},  // Tone5TranspondDelayTime
};

// Decode record n at +32n, encode record n at +16n.
inline constexpr ImageItemDescriptor Tone5CodeItems[] = {
    {13, 0x020, 1, 0xF0, 0x00, 0},
    {13, 0x021, 1, 0xF0, 0x00, 1},  // Tone5DecodeDigit1
    {13, 0x021, 1, 0x0F, 0x00, 2},  // Tone5DecodeDigit2
    {13, 0x022, 1, 0xF0, 0x00, 3},  // Tone5DecodeDigit3
    {13, 0x022, 1, 0x0F, 0x00, 4},  // Tone5DecodeDigit4
    {13, 0x023, 1, 0xF0, 0x00, 5},  // Tone5DecodeDigit5
    {13, 0x023, 1, 0x0F, 0x00, 6},  // Tone5DecodeDigit6
    {13, 0x024, 1, 0xF0, 0x00, 7},  // Tone5DecodeDigit7
    {13, 0x024, 1, 0x0F, 0x00, 8},  // Tone5DecodeDigit8
    {13, 0x025, 1, 0xC0, 0x00, 9},
    {13, 0x025, 1, 0x30, 0x00, 10},
    {13, 0x025, 1, 0x03, 0x00, 11},
    {13, 0x026, 1, 0xC0, 0x00, 12},  // Tone5DecodeScan
    {13, 0x026, 1, 0x30, 0x00, 13},
    {13, 0x026, 1, 0x08, 0x00, 14},
    {13, 0x026, 1, 0x02, 0x00, 15},
    {13, 0x027, 1, 0x70, 0x00, 16},
    {13, 0x027, 1, 0x02, 0x00, 17},  // Tone5DecodeLedColorHigh
    {13, 0x027, 1, 0x01, 0x00, 18},  // Tone5DecodeLedColorLow
    {13, 0x028, 1, 0xC0, 0x00, 19},
    {13, 0x028, 1, 0x30, 0x00, 20},
    {13, 0x029, 1, 0xFF, 0x00, 21},  // Tone5DecodeAlertRepeat
    {13, 0x02A, 1, 0xF0, 0x00, 22},
    {13, 0x02B, 1, 0xC0, 0x00, 23},  // Tone5DecodeAccControl1
    {13, 0x02B, 1, 0x30, 0x00, 24},  // Tone5DecodeAccControl2
    {13, 0x02B, 1, 0x0C, 0x00, 25},  // Tone5DecodeAccControl3
    {13, 0x02B, 1, 0x03, 0x00, 26},  // Tone5DecodeAccControl4
    {13, 0x02C, 1, 0xE0, 0x00, 27},
    {13, 0x02C, 1, 0x1C, 0x00, 28},
    {13, 0x02C, 1, 0x03, 0x00, 29},
    {13, 0x02D, 1, 0x80, 0x00, 30},
    {13, 0x02D, 1, 0x1F, 0x00, 31},
    {13, 0x030, 1, 0xFF, 0x00, 32},  // Tone5DecodeTag
    {13, 0x031, 1, 0xFF, 0x00, 33},
    {13, 0x032, 1, 0xFF, 0x00, 34},
    {13, 0x033, 1, 0xFF, 0x00, 35},
    {13, 0x034, 1, 0xFF, 0x00, 36},
    {13, 0x035, 1, 0xFF, 0x00, 37},
    {13, 0x036, 1, 0xFF, 0x00, 38},
    {13, 0x037, 1, 0xFF, 0x00, 39},
    {13, 0x125, 1, 0xC0, 0x00, 40},
    {13, 0x125, 1, 0x30, 0x00, 41},
    {13, 0x125, 1, 0x03, 0x00, 42},
    {13, 0x126, 1, 0xC0, 0x00, 43},
    {13, 0x126, 1, 0x30, 0x00, 44},
    {13, 0x126, 1, 0x02, 0x00, 45},
    {13, 0x127, 1, 0x70, 0x00, 46},
    {13, 0x127, 1, 0x02, 0x00, 47},
    {13, 0x127, 1, 0x01, 0x00, 48},
    {13, 0x128, 1, 0x30, 0x00, 49},
    {13, 0x129, 1, 0xFF, 0x00, 50},
    {13, 0x12A, 1, 0xF0, 0x00, 51},
    {13, 0x12B, 1, 0xC0, 0x00, 52},
    {13, 0x12B, 1, 0x30, 0x00, 53},
    {13, 0x12B, 1, 0x0C, 0x00, 54},
    {13, 0x12B, 1, 0x03, 0x00, 55},
    {13, 0x130, 1, 0xFF, 0x00, 56},
    {13, 0x131, 1, 0xFF, 0x00, 57},
    {13, 0x132, 1, 0xFF, 0x00, 58},
    {13, 0x133, 1, 0xFF, 0x00, 59},
    {13, 0x134, 1, 0xFF, 0x00, 60},
    {13, 0x135, 1, 0xFF, 0x00, 61},
    {13, 0x136, 1, 0xFF, 0x00, 62},
    {13, 0x137, 1, 0xFF, 0x00, 63},
    {13, 0x140, 1, 0xF0, 0x00, 64},  // Tone5EncodeDigitCount
    {13, 0x141, 1, 0xF0, 0x00, 65},  // Tone5EncodeDigit1
    {13, 0x141, 1, 0x0F, 0x00, 66},  // Tone5EncodeDigit2
    {13, 0x142, 1, 0xF0, 0x00, 67},  // Tone5EncodeDigit3
    {13, 0x142, 1, 0x0F, 0x00, 68},  // Tone5EncodeDigit4
    {13, 0x143, 1, 0xF0, 0x00, 69},  // Tone5EncodeDigit5
    {13, 0x143, 1, 0x0F, 0x00, 70},  // Tone5EncodeDigit6
    {13, 0x144, 1, 0xF0, 0x00, 71},  // Tone5EncodeDigit7
    {13, 0x144, 1, 0x0F, 0x00, 72},  // Tone5EncodeDigit8
    {13, 0x145, 1, 0x80, 0x00, 73},  // Tone5EncodeInputDigit1
    {13, 0x145, 1, 0x40, 0x00, 74},  // Tone5EncodeInputDigit2
    {13, 0x145, 1, 0x20, 0x00, 75},  // Tone5EncodeInputDigit3
    {13, 0x145, 1, 0x10, 0x00, 76},  // Tone5EncodeInputDigit4
    {13, 0x145, 1, 0x08, 0x00, 77},  // Tone5EncodeInputDigit5
    {13, 0x145, 1, 0x04, 0x00, 78},  // Tone5EncodeInputDigit6
    {13, 0x145, 1, 0x02, 0x00, 79},  // Tone5EncodeInputDigit7
    {13, 0x145, 1, 0x01, 0x00, 80},  // Tone5EncodeInputDigit8
    {13, 0x146, 1, 0x80, 0x00, 81},
    {13, 0x146, 1, 0x40, 0x00, 82},
    {13, 0x146, 1, 0x30, 0x00, 83},
    {13, 0x146, 1, 0x08, 0x00, 84},
    {13, 0x146, 1, 0x04, 0x00, 85},
    {13, 0x146, 1, 0x02, 0x00, 86},
    {13, 0x146, 1, 0x01, 0x00, 87},
    {13, 0x148, 1, 0xFF, 0x00, 88},  // Tone5EncodeTag
    {13, 0x149, 1, 0xFF, 0x00, 89},
    {13, 0x14A, 1, 0xFF, 0x00, 90},
    {13, 0x14B, 1, 0xFF, 0x00, 91},
    {13, 0x14C, 1, 0xFF, 0x00, 92},
    {13, 0x14D, 1, 0xFF, 0x00, 93},
    {13, 0x14E, 1, 0xFF, 0x00, 94},
    {13, 0x14F, 1, 0xFF, 0x00, 95},
};
// clang-format on

// ---- 2-tone tone table ----------------------------------------------------------------
// Reverses the byte order of the low `width` (1-4) bytes of a value.
std::uint32_t PackBytesLE(std::uint32_t value, std::uint32_t width);
// The tone word of 2-tone code `index` (0-15) in tenths of Hz, 0xFFFF when not
// set or when the index lies outside the table.
std::uint32_t PackBytesLE(int index, const CloneImage& image);
// The same word through the record accessor pair (n = code 0-15).
std::uint32_t GetPackBytesLE(const CloneImage& image, int n);
int SetPackBytesLE(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2ReferenceValue(const CloneImage& image);
int SetTone2ReferenceValue(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2TableWord72(const CloneImage& image);
int SetTone2TableWord72(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2TableByte74(const CloneImage& image);
int SetTone2TableByte74(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2TableByte75(const CloneImage& image);
int SetTone2TableByte75(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2ReferenceClock(const CloneImage& image);
int SetTone2ReferenceClock(CloneImage& image, std::uint32_t value);

// ---- 2-tone settings and records (n = system, decode or encode record) ----------------
std::uint32_t GetTone2DecodePrecision(const CloneImage& image);
int SetTone2DecodePrecision(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2BeepRepeatInterval(const CloneImage& image);
int SetTone2BeepRepeatInterval(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2CallBeepLevel(const CloneImage& image);
int SetTone2CallBeepLevel(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2Call1To5EncodeCode(const CloneImage& image);
int SetTone2Call1To5EncodeCode(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode1(const CloneImage& image, int n);
int SetTone2SystemDecodeCode1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode2(const CloneImage& image, int n);
int SetTone2SystemDecodeCode2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode3(const CloneImage& image, int n);
int SetTone2SystemDecodeCode3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode4(const CloneImage& image, int n);
int SetTone2SystemDecodeCode4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode5(const CloneImage& image, int n);
int SetTone2SystemDecodeCode5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode6(const CloneImage& image, int n);
int SetTone2SystemDecodeCode6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode7(const CloneImage& image, int n);
int SetTone2SystemDecodeCode7(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2SystemDecodeCode8(const CloneImage& image, int n);
int SetTone2SystemDecodeCode8(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone2DecodeAlertRepeat(const CloneImage& image, int n);
int SetTone2DecodeAlertRepeat(CloneImage& image, int n, std::uint32_t value);
std::string GetTone2DecodeTag(const CloneImage& image, int n);
int SetTone2DecodeTag(CloneImage& image, int n, std::string_view text);
std::string GetTone2EncodeTag(const CloneImage& image, int n);
int SetTone2EncodeTag(CloneImage& image, int n, std::string_view text);

// ---- 5-tone tone table ----------------------------------------------------------------
// 16FromPair is the scale of the tone values (16 bits); the reference clock is a
// 32-bit number of Hz (0xFFFFFFFF: the default clock).
std::uint32_t Get16FromPair(const CloneImage& image);
int Set16FromPair(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TableWord02(const CloneImage& image);
int SetTone5TableWord02(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TableByte04(const CloneImage& image);
int SetTone5TableByte04(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TableByte05(const CloneImage& image);
int SetTone5TableByte05(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5ReferenceClock(const CloneImage& image);
int SetTone5ReferenceClock(CloneImage& image, std::uint32_t value);

// The tables of the 14 formats. Each format has 16 tones (digits 0-F): a
// decoder register pair and a tone value per tone. Formats outside 0-13 and
// tones outside 0-15 read 0xFFFF (no tone) and write nothing: the register
// pairs of a format 14 or 15 would lie over the tone values of formats 0 and 1.
inline constexpr int Tone5FormatCount = 14;
inline constexpr int Tone5ToneCount = 16;
std::uint32_t GetTone5RegisterLow(const CloneImage& image, int format, int tone);
int SetTone5RegisterLow(CloneImage& image, int format, int tone, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh(const CloneImage& image, int format, int tone);
int SetTone5RegisterHigh(CloneImage& image, int format, int tone, std::uint32_t value);
std::uint32_t GetTone5ToneValue(const CloneImage& image, int format, int tone);
int SetTone5ToneValue(CloneImage& image, int format, int tone, std::uint32_t value);
// Tone period (ms) and gap period (5 ms units) of a format; outside 0-13 they
// read 0xFF and write nothing.
std::uint32_t GetTone5TonePeriod(const CloneImage& image, int format);
int SetTone5TonePeriod(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5GapPeriod(const CloneImage& image, int format);
int SetTone5GapPeriod(CloneImage& image, int format, std::uint32_t value);

// One wrapper per tone (per format for the periods), of the uniform accessor
// forms, for tables of accessor pairs.
std::uint32_t GetTone5RegisterLow0(const CloneImage& image, int format);
int SetTone5RegisterLow0(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow1(const CloneImage& image, int format);
int SetTone5RegisterLow1(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow2(const CloneImage& image, int format);
int SetTone5RegisterLow2(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow3(const CloneImage& image, int format);
int SetTone5RegisterLow3(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow4(const CloneImage& image, int format);
int SetTone5RegisterLow4(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow5(const CloneImage& image, int format);
int SetTone5RegisterLow5(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow6(const CloneImage& image, int format);
int SetTone5RegisterLow6(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow7(const CloneImage& image, int format);
int SetTone5RegisterLow7(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow8(const CloneImage& image, int format);
int SetTone5RegisterLow8(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow9(const CloneImage& image, int format);
int SetTone5RegisterLow9(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow10(const CloneImage& image, int format);
int SetTone5RegisterLow10(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow11(const CloneImage& image, int format);
int SetTone5RegisterLow11(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow12(const CloneImage& image, int format);
int SetTone5RegisterLow12(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow13(const CloneImage& image, int format);
int SetTone5RegisterLow13(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow14(const CloneImage& image, int format);
int SetTone5RegisterLow14(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterLow15(const CloneImage& image, int format);
int SetTone5RegisterLow15(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh0(const CloneImage& image, int format);
int SetTone5RegisterHigh0(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh1(const CloneImage& image, int format);
int SetTone5RegisterHigh1(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh2(const CloneImage& image, int format);
int SetTone5RegisterHigh2(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh3(const CloneImage& image, int format);
int SetTone5RegisterHigh3(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh4(const CloneImage& image, int format);
int SetTone5RegisterHigh4(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh5(const CloneImage& image, int format);
int SetTone5RegisterHigh5(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh6(const CloneImage& image, int format);
int SetTone5RegisterHigh6(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh7(const CloneImage& image, int format);
int SetTone5RegisterHigh7(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh8(const CloneImage& image, int format);
int SetTone5RegisterHigh8(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh9(const CloneImage& image, int format);
int SetTone5RegisterHigh9(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh10(const CloneImage& image, int format);
int SetTone5RegisterHigh10(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh11(const CloneImage& image, int format);
int SetTone5RegisterHigh11(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh12(const CloneImage& image, int format);
int SetTone5RegisterHigh12(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh13(const CloneImage& image, int format);
int SetTone5RegisterHigh13(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh14(const CloneImage& image, int format);
int SetTone5RegisterHigh14(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5RegisterHigh15(const CloneImage& image, int format);
int SetTone5RegisterHigh15(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue0(const CloneImage& image, int format);
int SetTone5ToneValue0(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue1(const CloneImage& image, int format);
int SetTone5ToneValue1(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue2(const CloneImage& image, int format);
int SetTone5ToneValue2(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue3(const CloneImage& image, int format);
int SetTone5ToneValue3(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue4(const CloneImage& image, int format);
int SetTone5ToneValue4(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue5(const CloneImage& image, int format);
int SetTone5ToneValue5(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue6(const CloneImage& image, int format);
int SetTone5ToneValue6(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue7(const CloneImage& image, int format);
int SetTone5ToneValue7(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue8(const CloneImage& image, int format);
int SetTone5ToneValue8(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue9(const CloneImage& image, int format);
int SetTone5ToneValue9(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue10(const CloneImage& image, int format);
int SetTone5ToneValue10(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue11(const CloneImage& image, int format);
int SetTone5ToneValue11(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue12(const CloneImage& image, int format);
int SetTone5ToneValue12(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue13(const CloneImage& image, int format);
int SetTone5ToneValue13(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue14(const CloneImage& image, int format);
int SetTone5ToneValue14(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5ToneValue15(const CloneImage& image, int format);
int SetTone5ToneValue15(CloneImage& image, int format, std::uint32_t value);
std::uint32_t GetTone5TonePeriod0(const CloneImage& image);
int SetTone5TonePeriod0(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod1(const CloneImage& image);
int SetTone5TonePeriod1(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod2(const CloneImage& image);
int SetTone5TonePeriod2(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod3(const CloneImage& image);
int SetTone5TonePeriod3(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod4(const CloneImage& image);
int SetTone5TonePeriod4(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod5(const CloneImage& image);
int SetTone5TonePeriod5(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod6(const CloneImage& image);
int SetTone5TonePeriod6(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod7(const CloneImage& image);
int SetTone5TonePeriod7(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod8(const CloneImage& image);
int SetTone5TonePeriod8(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod9(const CloneImage& image);
int SetTone5TonePeriod9(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod10(const CloneImage& image);
int SetTone5TonePeriod10(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod11(const CloneImage& image);
int SetTone5TonePeriod11(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod12(const CloneImage& image);
int SetTone5TonePeriod12(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TonePeriod13(const CloneImage& image);
int SetTone5TonePeriod13(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod0(const CloneImage& image);
int SetTone5GapPeriod0(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod1(const CloneImage& image);
int SetTone5GapPeriod1(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod2(const CloneImage& image);
int SetTone5GapPeriod2(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod3(const CloneImage& image);
int SetTone5GapPeriod3(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod4(const CloneImage& image);
int SetTone5GapPeriod4(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod5(const CloneImage& image);
int SetTone5GapPeriod5(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod6(const CloneImage& image);
int SetTone5GapPeriod6(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod7(const CloneImage& image);
int SetTone5GapPeriod7(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod8(const CloneImage& image);
int SetTone5GapPeriod8(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod9(const CloneImage& image);
int SetTone5GapPeriod9(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod10(const CloneImage& image);
int SetTone5GapPeriod10(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod11(const CloneImage& image);
int SetTone5GapPeriod11(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod12(const CloneImage& image);
int SetTone5GapPeriod12(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GapPeriod13(const CloneImage& image);
int SetTone5GapPeriod13(CloneImage& image, std::uint32_t value);

// ---- 5-tone system records (n = system 0-31) and common settings ----------------------
std::uint32_t GetTone5CtcssDcsComplement(const CloneImage& image, int n);
int SetTone5CtcssDcsComplement(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5AutoResetBeep(const CloneImage& image, int n);
int SetTone5AutoResetBeep(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5RepeaterCode(const CloneImage& image, int n);
int SetTone5RepeaterCode(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5CallEncodeCode(const CloneImage& image, int n);
int SetTone5CallEncodeCode(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5IdEncodeCode(const CloneImage& image, int n);
int SetTone5IdEncodeCode(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode1(const CloneImage& image, int n);
int SetTone5DecodeCode1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode2(const CloneImage& image, int n);
int SetTone5DecodeCode2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode3(const CloneImage& image, int n);
int SetTone5DecodeCode3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode4(const CloneImage& image, int n);
int SetTone5DecodeCode4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode5(const CloneImage& image, int n);
int SetTone5DecodeCode5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode6(const CloneImage& image, int n);
int SetTone5DecodeCode6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode7(const CloneImage& image, int n);
int SetTone5DecodeCode7(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeCode8(const CloneImage& image, int n);
int SetTone5DecodeCode8(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5Setup(const CloneImage& image);
int SetTone5Setup(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TagDisplay(const CloneImage& image);
int SetTone5TagDisplay(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5AniDisplay(const CloneImage& image);
int SetTone5AniDisplay(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5PttCall(const CloneImage& image);
int SetTone5PttCall(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5SideTone(const CloneImage& image);
int SetTone5SideTone(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5MinimumDecodeDigit(const CloneImage& image);
int SetTone5MinimumDecodeDigit(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5SignalingMonitorMode(const CloneImage& image);
int SetTone5SignalingMonitorMode(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5RepeatTone(const CloneImage& image);
int SetTone5RepeatTone(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5GroupTone(const CloneImage& image);
int SetTone5GroupTone(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5LastGapTone(const CloneImage& image);
int SetTone5LastGapTone(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5ClearToTranspond(const CloneImage& image);
int SetTone5ClearToTranspond(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5AutoTxTime(const CloneImage& image);
int SetTone5AutoTxTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5LeadInDelay(const CloneImage& image);
int SetTone5LeadInDelay(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5Extend1stToneTime(const CloneImage& image);
int SetTone5Extend1stToneTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5SecondLastGapTime(const CloneImage& image);
int SetTone5SecondLastGapTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5LastGapTime(const CloneImage& image);
int SetTone5LastGapTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5LeadOutDelay(const CloneImage& image);
int SetTone5LeadOutDelay(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5AckDecodeTime(const CloneImage& image);
int SetTone5AckDecodeTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TranspondAckRetry(const CloneImage& image);
int SetTone5TranspondAckRetry(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5Call1EncodeCode(const CloneImage& image);
int SetTone5Call1EncodeCode(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5Call2EncodeCode(const CloneImage& image);
int SetTone5Call2EncodeCode(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5Call3EncodeCode(const CloneImage& image);
int SetTone5Call3EncodeCode(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5EmergencyEncodeCode(const CloneImage& image);
int SetTone5EmergencyEncodeCode(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5BeepRepeatInterval(const CloneImage& image);
int SetTone5BeepRepeatInterval(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5CallBeepLevel(const CloneImage& image);
int SetTone5CallBeepLevel(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5Tp40LeadInToneTime(const CloneImage& image);
int SetTone5Tp40LeadInToneTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5DecodePrecision(const CloneImage& image);
int SetTone5DecodePrecision(CloneImage& image, std::uint32_t value);
std::uint32_t GetTone5TranspondDelayTime(const CloneImage& image);
int SetTone5TranspondDelayTime(CloneImage& image, std::uint32_t value);

// ---- 5-tone decode records (n = 0-8, 8 the group record) and encode records (n = 0-31) ----
std::uint32_t GetTone5DecodeDigit1(const CloneImage& image, int n);
int SetTone5DecodeDigit1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit2(const CloneImage& image, int n);
int SetTone5DecodeDigit2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit3(const CloneImage& image, int n);
int SetTone5DecodeDigit3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit4(const CloneImage& image, int n);
int SetTone5DecodeDigit4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit5(const CloneImage& image, int n);
int SetTone5DecodeDigit5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit6(const CloneImage& image, int n);
int SetTone5DecodeDigit6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit7(const CloneImage& image, int n);
int SetTone5DecodeDigit7(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeDigit8(const CloneImage& image, int n);
int SetTone5DecodeDigit8(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeScan(const CloneImage& image, int n);
int SetTone5DecodeScan(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeLedColorHigh(const CloneImage& image, int n);
int SetTone5DecodeLedColorHigh(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeLedColorLow(const CloneImage& image, int n);
int SetTone5DecodeLedColorLow(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeAlertRepeat(const CloneImage& image, int n);
int SetTone5DecodeAlertRepeat(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeAccControl1(const CloneImage& image, int n);
int SetTone5DecodeAccControl1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeAccControl2(const CloneImage& image, int n);
int SetTone5DecodeAccControl2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeAccControl3(const CloneImage& image, int n);
int SetTone5DecodeAccControl3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5DecodeAccControl4(const CloneImage& image, int n);
int SetTone5DecodeAccControl4(CloneImage& image, int n, std::uint32_t value);
std::string GetTone5DecodeTag(const CloneImage& image, int n);
int SetTone5DecodeTag(CloneImage& image, int n, std::string_view text);
std::uint32_t GetTone5EncodeDigitCount(const CloneImage& image, int n);
int SetTone5EncodeDigitCount(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit1(const CloneImage& image, int n);
int SetTone5EncodeDigit1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit2(const CloneImage& image, int n);
int SetTone5EncodeDigit2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit3(const CloneImage& image, int n);
int SetTone5EncodeDigit3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit4(const CloneImage& image, int n);
int SetTone5EncodeDigit4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit5(const CloneImage& image, int n);
int SetTone5EncodeDigit5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit6(const CloneImage& image, int n);
int SetTone5EncodeDigit6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit7(const CloneImage& image, int n);
int SetTone5EncodeDigit7(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeDigit8(const CloneImage& image, int n);
int SetTone5EncodeDigit8(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit1(const CloneImage& image, int n);
int SetTone5EncodeInputDigit1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit2(const CloneImage& image, int n);
int SetTone5EncodeInputDigit2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit3(const CloneImage& image, int n);
int SetTone5EncodeInputDigit3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit4(const CloneImage& image, int n);
int SetTone5EncodeInputDigit4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit5(const CloneImage& image, int n);
int SetTone5EncodeInputDigit5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit6(const CloneImage& image, int n);
int SetTone5EncodeInputDigit6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit7(const CloneImage& image, int n);
int SetTone5EncodeInputDigit7(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetTone5EncodeInputDigit8(const CloneImage& image, int n);
int SetTone5EncodeInputDigit8(CloneImage& image, int n, std::uint32_t value);
std::string GetTone5EncodeTag(const CloneImage& image, int n);
int SetTone5EncodeTag(CloneImage& image, int n, std::string_view text);

}  // namespace ItemMap
