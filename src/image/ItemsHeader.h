#pragma once
// Items of the header area, the radio's EEPROM (image bytes 0x000-0x3FF), and
// their accessors. The descriptor tables are in ordinal order; several
// descriptors may cover the same bytes (a word and each of its bytes).
// Alignment items exist in two layouts chosen from the image's model on every
// call (layout A keeps some values in 5 or 4 bits of their byte).
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// Bits of the group-scan flag bitmap (0x208-0x20F, before the channel scan bitmap).
inline constexpr int GroupScanFlagCount = 64;
// Priority channel bytes, one per group (0x220-0x227; 0x228 is an option byte).
inline constexpr int PriorityChannelCount = 8;
// 5-tone code digit copies, one 8-byte record per code (0x103-0x1FF).
inline constexpr int HeaderCodeRecordCount = 32;
// Rows of the alignment table (16 bytes each from 0x240).
inline constexpr int AlignRowCount = 16;

// clang-format off
// Identity, firmware version, serial number and production bytes (0x000-0x02D).
inline constexpr HeaderItemDescriptor HeaderInfoItems[] = {
    {0x000, 1, 0xFF, 0, 0},  // firmware version, first field
    {0x001, 1, 0xFF, 0, 1},  // firmware version, second field
    {0x002, 1, 0xFF, 0, 2},  // radio-type code
    {0x003, 1, 0xFF, 0, 3},  // VariantByte
    {0x004, 1, 0xFF, 0, 4},  // firmware version, third field
    {0x005, 1, 0xFF, 0, 5},  // firmware version, fourth field
    {0x006, 4, 0xFFFFFFFF, 0, 6},
    {0x006, 1, 0xF0, 0, 7},
    {0x006, 2, 0xFFF, 0, 8},
    {0x008, 1, 0xF0, 0, 9},
    {0x008, 2, 0xFFF, 0, 10},
    {0x00A, 1, 0xFF, 0, 11},  // Header0A
    {0x00B, 1, 0xF0, 0, 12},  // Header0BBits4To7
    {0x00B, 1, 0x8, 0, 13},  // Header0BBit3
    {0x00B, 1, 0x7, 0, 14},  // Header0BBits0To2
    {0x00C, 2, 0xFFFF, 0, 15},
    {0x00E, 1, 0xF0, 0, 16},  // SerialPart1
    {0x00E, 1, 0xF, 0, 17},  // SerialPart2
    {0x00F, 1, 0xFF, 0, 18},  // SerialPart3
    {0x010, 2, 0xFFFF, 0, 19},  // SerialPart4
    {0x018, 1, 0x30, 0, 20},
    {0x018, 1, 0xF, 0, 21},
    {0x019, 1, 0xF, 0, 22},
    {0x01A, 1, 0xE0, 0, 23},
    {0x01A, 1, 0x1F, 0, 24},
    {0x01C, 1, 0xFF, 0, 25},  // Header1C
    {0x01D, 1, 0xFF, 0, 26},  // Header1D
    {0x01E, 1, 0xF0, 0, 27},  // Header1EBits4To7
    {0x01E, 1, 0xF, 0, 28},  // Header1EBits0To3
    {0x01F, 1, 0xF0, 0, 29},  // Header1FBits4To7
    {0x01F, 1, 0xF, 0, 30},  // Header1FBits0To3
    {0x020, 1, 0xC0, 0, 31},  // Header20Bits6To7
    {0x020, 1, 0x30, 0, 32},  // Header20Bits4To5
    {0x020, 1, 0xF, 0, 33},  // Header20Bits0To3
    {0x023, 1, 0x8, 0, 34},  // Header23Bit3
    {0x023, 1, 0x1, 0, 35},  // Header23Bit0
    {0x024, 2, 0xFFFF, 0, 36},
    {0x024, 1, 0xFF, 0, 37},  // HeaderWord24 (low byte)
    {0x025, 1, 0xFF, 0, 38},  // HeaderWord24 (high byte)
    {0x026, 2, 0xFFFF, 0, 39},
    {0x026, 1, 0xFF, 0, 40},  // HeaderWord26 (low byte)
    {0x027, 1, 0xFF, 0, 41},  // HeaderWord26 (high byte)
    {0x028, 3, 0xFFFFFF, 0, 42},  // HeaderProductionDate
    {0x028, 1, 0xFF, 0, 43},
    {0x029, 1, 0xFF, 0, 44},
    {0x02A, 1, 0xFF, 0, 45},
    {0x02B, 1, 0xFF, 0, 46},  // HeaderProgramVersionMajor
    {0x02C, 1, 0xFF, 0, 47},  // HeaderProgramVersionMinor
    {0x02D, 1, 0xFF, 0, 48},  // Header2D
};

// EEPROM alignment bytes (0x030-0x052), layout A: some levels kept in 5 or 4 bits.
inline constexpr HeaderItemDescriptor AlignHeaderItemsA[] = {
    {0x030, 2, 0xFFFF, 0, 0},
    {0x030, 1, 0xFF, 0, 1},
    {0x031, 1, 0xFF, 0, 2},
    {0x032, 1, 0xFF, 0x1F, 3},
    {0x033, 1, 0xFF, 0x1F, 4},
    {0x034, 1, 0xFF, 0x1F, 5},
    {0x035, 1, 0xFF, 0, 6},
    {0x036, 1, 0xFF, 0xF, 7},
    {0x037, 1, 0xFF, 0xF, 8},
    {0x038, 1, 0xFF, 0xF, 9},
    {0x039, 1, 0xFF, 0, 10},
    {0x03A, 1, 0xFF, 0, 11},  // ThresholdNsqLevelWide
    {0x03B, 1, 0xFF, 0, 12},  // ThresholdNsqLevelNarrow
    {0x03C, 1, 0xFF, 0, 13},  // TightNsqLevelWide
    {0x03D, 1, 0xFF, 0, 14},  // TightNsqLevelNarrow
    {0x03E, 1, 0xFF, 0, 15},  // TightRssiLevelWide
    {0x03F, 1, 0xFF, 0, 16},  // TightRssiLevelNarrow
    {0x040, 1, 0xFF, 0, 17},  // TxSaveLevelWide
    {0x041, 1, 0xFF, 0, 18},  // TxSaveLevelNarrow
    {0x042, 1, 0xFF, 0, 19},
    {0x043, 1, 0xFF, 0, 20},
    {0x044, 1, 0xFF, 0xF, 21},
    {0x046, 1, 0xFF, 0, 22},
    {0x047, 1, 0xFF, 0, 23},
    {0x048, 1, 0xFF, 0, 24},
    {0x049, 1, 0xFF, 0, 25},
    {0x04A, 1, 0xFF, 0, 26},
    {0x04B, 1, 0xFF, 0, 27},
    {0x04C, 1, 0xFF, 0x1F, 28},
    {0x04D, 1, 0xFF, 0x1F, 29},
    {0x04E, 1, 0xFF, 0x1F, 30},
    {0x04F, 1, 0xFF, 0x1F, 31},
    {0x050, 1, 0xFF, 0, 32},
    {0x051, 1, 0xFF, 0, 33},
    {0x052, 1, 0xFF, 0, 34},
};

// EEPROM alignment bytes, layout B: the same positions, whole bytes.
inline constexpr HeaderItemDescriptor AlignHeaderItemsB[] = {
    {0x030, 2, 0xFFFF, 0, 0},
    {0x030, 1, 0xFF, 0, 1},
    {0x031, 1, 0xFF, 0, 2},
    {0x032, 1, 0xFF, 0, 3},
    {0x033, 1, 0xFF, 0, 4},
    {0x034, 1, 0xFF, 0, 5},
    {0x035, 1, 0xFF, 0, 6},
    {0x036, 1, 0xFF, 0, 7},
    {0x037, 1, 0xFF, 0, 8},
    {0x038, 1, 0xFF, 0, 9},
    {0x039, 1, 0xFF, 0, 10},
    {0x03A, 1, 0xFF, 0, 11},  // ThresholdNsqLevelWide
    {0x03B, 1, 0xFF, 0, 12},  // ThresholdNsqLevelNarrow
    {0x03C, 1, 0xFF, 0, 13},  // TightNsqLevelWide
    {0x03D, 1, 0xFF, 0, 14},  // TightNsqLevelNarrow
    {0x03E, 1, 0xFF, 0, 15},  // TightRssiLevelWide
    {0x03F, 1, 0xFF, 0, 16},  // TightRssiLevelNarrow
    {0x040, 1, 0xFF, 0, 17},  // TxSaveLevelWide
    {0x041, 1, 0xFF, 0, 18},  // TxSaveLevelNarrow
    {0x042, 1, 0xFF, 0, 19},
    {0x043, 1, 0xFF, 0, 20},
    {0x044, 1, 0xFF, 0, 21},
    {0x046, 1, 0xFF, 0, 22},
    {0x047, 1, 0xFF, 0, 23},
    {0x048, 1, 0xFF, 0, 24},
    {0x049, 1, 0xFF, 0, 25},
    {0x04A, 1, 0xFF, 0, 26},
    {0x04B, 1, 0xFF, 0, 27},
    {0x04C, 1, 0xFF, 0, 28},
    {0x04D, 1, 0xFF, 0, 29},
    {0x04E, 1, 0xFF, 0, 30},
    {0x04F, 1, 0xFF, 0, 31},
    {0x050, 1, 0xFF, 0, 32},
    {0x051, 1, 0xFF, 0, 33},
    {0x052, 1, 0xFF, 0, 34},
};

// Miscellaneous switches (0x0B0-0x0BF).
inline constexpr HeaderItemDescriptor HeaderMiscItems[] = {
    {0x0B0, 1, 0x80, 0, 0},  // VoxAntiTrip
    {0x0B0, 1, 0x40, 0, 1},
    {0x0B0, 1, 0x20, 0, 2},
    {0x0B0, 1, 0x10, 0, 3},
    {0x0B0, 1, 0x8, 0, 4},  // HeaderMiscB0Bit3
    {0x0B0, 1, 0x4, 0, 5},
    {0x0B0, 1, 0x2, 0, 6},
    {0x0B0, 1, 0x1, 0, 7},
    {0x0B1, 1, 0x80, 0, 8},
    {0x0B1, 1, 0x40, 0, 9},
    {0x0B1, 1, 0x20, 0, 10},
    {0x0B1, 1, 0x10, 0, 11},
    {0x0B1, 1, 0x8, 0, 12},
    {0x0B1, 1, 0x4, 0, 13},
    {0x0B1, 1, 0x2, 0, 14},
    {0x0B1, 1, 0x1, 0, 15},
    {0x0B5, 1, 0xC0, 0, 16},
    {0x0B8, 1, 0xFF, 0, 17},
    {0x0B9, 1, 0xFF, 0, 18},
    {0x0BA, 1, 0xFF, 0, 19},
    {0x0BB, 1, 0xFF, 0, 20},
    {0x0BC, 1, 0xFF, 0, 21},
    {0x0BD, 1, 0xFF, 0, 22},
    {0x0BE, 1, 0xFF, 0, 23},
    {0x0BF, 1, 0xFF, 0, 24},
};

// Front-panel settings (0x0C0-0x0C5).
inline constexpr HeaderItemDescriptor HeaderPanelItems[] = {
    {0x0C0, 1, 0x1F, 0, 0},  // SqlOffsetData
    {0x0C1, 1, 0x1F, 0, 1},  // VoxOffsetData
    {0x0C2, 1, 0xFF, 0, 2},  // AfMinimumVolume
    {0x0C3, 1, 0xF0, 0, 3},  // BeepLevel
    {0x0C3, 1, 0xF, 0, 4},  // LcdContrast
    {0x0C4, 1, 0x40, 0, 5},  // KeyLock
    {0x0C4, 1, 0x20, 0, 6},  // DialLock
    {0x0C4, 1, 0x10, 0, 7},  // PttLock
    {0x0C4, 1, 0x8, 0, 8},
    {0x0C4, 1, 0x4, 0, 9},  // Bell
    {0x0C4, 1, 0x1, 0, 10},  // TrxLedLighting
    {0x0C5, 1, 0x30, 0, 11},  // DimmerLevel
};

// A 5-tone byte and flags (0x0D0, 0x0F1).
inline constexpr HeaderItemDescriptor HeaderTone5Items[] = {
    {0x0D0, 1, 0xFF, 0, 0},
    {0x0F1, 1, 0x10, 0, 1},
    {0x0F1, 1, 0x8, 0, 2},
    {0x0F1, 1, 0x4, 0, 3},
    {0x0F1, 1, 0x2, 0, 4},
    {0x0F1, 1, 0x1, 0, 5},
};

// Copies of the 5-tone code digit nibbles: 8-byte records from 0x103.
inline constexpr HeaderItemDescriptor HeaderCopyItems[] = {
    {0x103, 1, 0xF0, 0, 0},  // HeaderCodeDigitCount
    {0x104, 1, 0xF0, 0, 1},  // HeaderCodeDigit1
    {0x104, 1, 0xF, 0, 2},  // HeaderCodeDigit2
    {0x105, 1, 0xF0, 0, 3},  // HeaderCodeDigit3
    {0x105, 1, 0xF, 0, 4},  // HeaderCodeDigit4
    {0x106, 1, 0xF0, 0, 5},  // HeaderCodeDigit5
    {0x106, 1, 0xF, 0, 6},  // HeaderCodeDigit6
    {0x107, 1, 0xF0, 0, 7},  // HeaderCodeDigit7
    {0x107, 1, 0xF, 0, 8},  // HeaderCodeDigit8
};

// Group and scan tables (0x200-0x228).
inline constexpr HeaderItemDescriptor HeaderOptionItems[] = {
    {0x200, 1, 0xFF, 0, 0},
    {0x208, 1, 0x1, 0, 1},  // GroupScanFlag
    {0x210, 1, 0x1, 0, 2},  // ChannelScanZoneBit
    {0x220, 1, 0xFF, 0, 3},  // PriorityChannel
    {0x228, 1, 0xF0, 0, 4},  // option field
};

// EEPROM alignment table: 16-byte rows from 0x240 (frequency point, kinds 1-13), layout A.
inline constexpr HeaderItemDescriptor HeaderModelItemsA[] = {
    {0x240, 2, 0xFFFF, 0, 0},
    {0x240, 1, 0xFF, 0, 1},  // HeaderAlignPoint (low byte)
    {0x241, 1, 0xFF, 0, 2},  // HeaderAlignPoint (high byte)
    {0x242, 1, 0xFF, 0, 3},  // HeaderAlignKind1
    {0x243, 1, 0xFF, 0, 4},  // HeaderAlignKind2
    {0x244, 1, 0xFF, 0, 5},  // HeaderAlignKind3
    {0x245, 1, 0xFF, 0, 6},  // HeaderAlignKind4
    {0x246, 1, 0xFF, 0, 7},  // HeaderAlignKind5
    {0x247, 1, 0xFF, 0, 8},  // HeaderAlignKind6
    {0x248, 1, 0xFF, 0x1F, 9},  // HeaderAlignKind7
    {0x249, 1, 0xFF, 0x1F, 10},  // HeaderAlignKind8
    {0x24A, 1, 0xFF, 0x1F, 11},  // HeaderAlignKind9
    {0x24B, 1, 0xFF, 0x1F, 12},  // HeaderAlignKind10
    {0x24C, 1, 0xFF, 0, 13},  // HeaderAlignKind11
    {0x24D, 1, 0xFF, 0xF, 14},  // HeaderAlignKind12
    {0x24E, 1, 0xFF, 0xF, 15},  // HeaderAlignKind13
};

// EEPROM alignment table, layout B.
inline constexpr HeaderItemDescriptor HeaderModelItemsB[] = {
    {0x240, 2, 0xFFFF, 0, 0},
    {0x240, 1, 0xFF, 0, 1},
    {0x241, 1, 0xFF, 0, 2},
    {0x242, 1, 0xFF, 0, 3},  // HeaderAlignKind1
    {0x243, 1, 0xFF, 0, 4},  // HeaderAlignKind2
    {0x244, 1, 0xFF, 0, 5},  // HeaderAlignKind3
    {0x245, 1, 0xFF, 0, 6},  // HeaderAlignKind4
    {0x246, 1, 0xFF, 0, 7},  // HeaderAlignKind5
    {0x247, 1, 0xFF, 0, 8},  // HeaderAlignKind6
    {0x248, 1, 0xFF, 0, 9},  // HeaderAlignKind7
    {0x249, 1, 0xFF, 0, 10},  // HeaderAlignKind8
    {0x24A, 1, 0xFF, 0, 11},  // HeaderAlignKind9
    {0x24B, 1, 0xFF, 0, 12},  // HeaderAlignKind10
    {0x24C, 1, 0xFF, 0, 13},  // HeaderAlignKind11
    {0x24D, 1, 0xFF, 0xF, 14},  // HeaderAlignKind12
    {0x24E, 1, 0xFF, 0xF, 15},  // HeaderAlignKind13
};
// clang-format on

// Identity and production items.
std::uint32_t GetVariantByte(const CloneImage& image);
int SetVariantByte(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader0A(const CloneImage& image);
int SetHeader0A(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader0BBits4To7(const CloneImage& image);
int SetHeader0BBits4To7(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader0BBit3(const CloneImage& image);
int SetHeader0BBit3(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader0BBits0To2(const CloneImage& image);
int SetHeader0BBits0To2(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialPart1(const CloneImage& image);
int SetSerialPart1(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialPart2(const CloneImage& image);
int SetSerialPart2(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialPart3(const CloneImage& image);
int SetSerialPart3(CloneImage& image, std::uint32_t value);
std::uint32_t GetSerialPart4(const CloneImage& image);
int SetSerialPart4(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader1C(const CloneImage& image);
int SetHeader1C(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader1D(const CloneImage& image);
int SetHeader1D(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader1EBits4To7(const CloneImage& image);
int SetHeader1EBits4To7(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader1EBits0To3(const CloneImage& image);
int SetHeader1EBits0To3(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader1FBits4To7(const CloneImage& image);
int SetHeader1FBits4To7(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader1FBits0To3(const CloneImage& image);
int SetHeader1FBits0To3(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader20Bits6To7(const CloneImage& image);
int SetHeader20Bits6To7(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader20Bits4To5(const CloneImage& image);
int SetHeader20Bits4To5(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader20Bits0To3(const CloneImage& image);
int SetHeader20Bits0To3(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader23Bit3(const CloneImage& image);
int SetHeader23Bit3(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader23Bit0(const CloneImage& image);
int SetHeader23Bit0(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeaderProductionDate(const CloneImage& image);
int SetHeaderProductionDate(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeaderProgramVersionMajor(const CloneImage& image);
int SetHeaderProgramVersionMajor(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeaderProgramVersionMinor(const CloneImage& image);
int SetHeaderProgramVersionMinor(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeader2D(const CloneImage& image);
int SetHeader2D(CloneImage& image, std::uint32_t value);
// 16-bit numbers kept low byte first in two byte items.
std::uint32_t GetHeaderWord24(const CloneImage& image);
int SetHeaderWord24(CloneImage& image, std::uint32_t value);
std::uint32_t GetHeaderWord26(const CloneImage& image);
int SetHeaderWord26(CloneImage& image, std::uint32_t value);

// Alignment levels, in the layout of the image's model.
std::uint32_t GetThresholdNsqLevelWide(const CloneImage& image);
int SetThresholdNsqLevelWide(CloneImage& image, std::uint32_t value);
std::uint32_t GetThresholdNsqLevelNarrow(const CloneImage& image);
int SetThresholdNsqLevelNarrow(CloneImage& image, std::uint32_t value);
std::uint32_t GetTightNsqLevelWide(const CloneImage& image);
int SetTightNsqLevelWide(CloneImage& image, std::uint32_t value);
std::uint32_t GetTightNsqLevelNarrow(const CloneImage& image);
int SetTightNsqLevelNarrow(CloneImage& image, std::uint32_t value);
std::uint32_t GetTightRssiLevelWide(const CloneImage& image);
int SetTightRssiLevelWide(CloneImage& image, std::uint32_t value);
std::uint32_t GetTightRssiLevelNarrow(const CloneImage& image);
int SetTightRssiLevelNarrow(CloneImage& image, std::uint32_t value);
std::uint32_t GetTxSaveLevelWide(const CloneImage& image);
int SetTxSaveLevelWide(CloneImage& image, std::uint32_t value);
std::uint32_t GetTxSaveLevelNarrow(const CloneImage& image);
int SetTxSaveLevelNarrow(CloneImage& image, std::uint32_t value);

std::uint32_t GetVoxAntiTrip(const CloneImage& image);
int SetVoxAntiTrip(CloneImage& image, std::uint32_t value);
// Miscellaneous switches and front-panel settings.
std::uint32_t GetHeaderMiscB0Bit3(const CloneImage& image);
int SetHeaderMiscB0Bit3(CloneImage& image, std::uint32_t value);

std::uint32_t GetSqlOffsetData(const CloneImage& image);
int SetSqlOffsetData(CloneImage& image, std::uint32_t value);
std::uint32_t GetVoxOffsetData(const CloneImage& image);
int SetVoxOffsetData(CloneImage& image, std::uint32_t value);
std::uint32_t GetAfMinimumVolume(const CloneImage& image);
int SetAfMinimumVolume(CloneImage& image, std::uint32_t value);
std::uint32_t GetBeepLevel(const CloneImage& image);
int SetBeepLevel(CloneImage& image, std::uint32_t value);
std::uint32_t GetLcdContrast(const CloneImage& image);
int SetLcdContrast(CloneImage& image, std::uint32_t value);
std::uint32_t GetKeyLock(const CloneImage& image);
int SetKeyLock(CloneImage& image, std::uint32_t value);
std::uint32_t GetDialLock(const CloneImage& image);
int SetDialLock(CloneImage& image, std::uint32_t value);
std::uint32_t GetPttLock(const CloneImage& image);
int SetPttLock(CloneImage& image, std::uint32_t value);
std::uint32_t GetBell(const CloneImage& image);
int SetBell(CloneImage& image, std::uint32_t value);
std::uint32_t GetTrxLedLighting(const CloneImage& image);
int SetTrxLedLighting(CloneImage& image, std::uint32_t value);
std::uint32_t GetDimmerLevel(const CloneImage& image);
int SetDimmerLevel(CloneImage& image, std::uint32_t value);

// Copies of 5-tone code record digits: record 0-31, 8 bytes each.
std::uint32_t GetHeaderCodeDigitCount(const CloneImage& image, int record);
int SetHeaderCodeDigitCount(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit1(const CloneImage& image, int record);
int SetHeaderCodeDigit1(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit2(const CloneImage& image, int record);
int SetHeaderCodeDigit2(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit3(const CloneImage& image, int record);
int SetHeaderCodeDigit3(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit4(const CloneImage& image, int record);
int SetHeaderCodeDigit4(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit5(const CloneImage& image, int record);
int SetHeaderCodeDigit5(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit6(const CloneImage& image, int record);
int SetHeaderCodeDigit6(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit7(const CloneImage& image, int record);
int SetHeaderCodeDigit7(CloneImage& image, int record, std::uint32_t value);
std::uint32_t GetHeaderCodeDigit8(const CloneImage& image, int record);
int SetHeaderCodeDigit8(CloneImage& image, int record, std::uint32_t value);

// Bit per group from 0x208 and bit per channel from 0x210, most significant
// bit first; the priority channel byte of group g at 0x220 + g.
std::uint32_t GetGroupScanFlag(const CloneImage& image, int group);
int SetGroupScanFlag(CloneImage& image, int group, std::uint32_t value);
std::uint32_t GetChannelScanZoneBit(const CloneImage& image, int channel);
int SetChannelScanZoneBit(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetPriorityChannel(const CloneImage& image, int group);
int SetPriorityChannel(CloneImage& image, int group, std::uint32_t value);

// Alignment table row 0-15: its frequency point (low byte first, units of
// 100 kHz) and the value of adjustment kinds 1-13, in the model's layout.
std::uint32_t GetHeaderAlignPoint(const CloneImage& image, int row);
int SetHeaderAlignPoint(CloneImage& image, int row, std::uint32_t value);

std::uint32_t GetHeaderAlignKind1(const CloneImage& image, int row);
int SetHeaderAlignKind1(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind2(const CloneImage& image, int row);
int SetHeaderAlignKind2(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind3(const CloneImage& image, int row);
int SetHeaderAlignKind3(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind4(const CloneImage& image, int row);
int SetHeaderAlignKind4(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind5(const CloneImage& image, int row);
int SetHeaderAlignKind5(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind6(const CloneImage& image, int row);
int SetHeaderAlignKind6(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind7(const CloneImage& image, int row);
int SetHeaderAlignKind7(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind8(const CloneImage& image, int row);
int SetHeaderAlignKind8(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind9(const CloneImage& image, int row);
int SetHeaderAlignKind9(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind10(const CloneImage& image, int row);
int SetHeaderAlignKind10(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind11(const CloneImage& image, int row);
int SetHeaderAlignKind11(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind12(const CloneImage& image, int row);
int SetHeaderAlignKind12(CloneImage& image, int row, std::uint32_t value);
std::uint32_t GetHeaderAlignKind13(const CloneImage& image, int row);
int SetHeaderAlignKind13(CloneImage& image, int row, std::uint32_t value);

}  // namespace ItemMap
