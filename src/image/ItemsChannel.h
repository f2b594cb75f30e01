#pragma once
// The 64-byte channel record (128 channels, 16 per block in blocks 0-7) and
// its accessors. Descriptor offsets are relative to the record; the channel
// reader and writer of ItemMap.h place them in channel c's record. Every
// accessor takes the channel number 0-127; other numbers read 0 and write
// nothing. The setters write their field only: rules that couple fields
// belong to the channel editing code that calls them.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// Bytes 0x20-0x23, 0x25, 0x27, 0x2C, 0x2E-0x2F and 0x38-0x3F have no item.
// The synthesiser words (items 51, 55, 58, 62) overlap the bit items of their
// edge bytes, which only record copies and the whole-word writes change.
// clang-format off
inline constexpr ImageItemDescriptor ChannelItems[] = {
    {0, 0x00, 1, 0x60, 0, 0},  // ChannelWideNarrow
    {0, 0x00, 1, 0x10, 0, 1},  // same-frequency flag
    {0, 0x00, 1, 0x8, 0, 2},  // power save (RX)
    {0, 0x00, 1, 0x4, 0, 3},  // power save (TX)
    {0, 0x00, 1, 0x2, 0, 4},  // TX frequency present
    {0, 0x00, 1, 0x1, 0, 5},  // ChannelTxPowerHigh
    {0, 0x01, 1, 0xF0, 0, 6},  // ChannelRxPllRefType
    {0, 0x01, 1, 0xF, 0, 7},  // ChannelTxPllRefType
    {0, 0x02, 1, 0xFF, 0, 8},  // ChannelTotTimer
    {0, 0x03, 1, 0xC0, 0, 9},  // ChannelPenaltyTimer
    {0, 0x03, 1, 0x30, 0, 10},  // ChannelReleaseTimer
    {0, 0x03, 1, 0x2, 0, 11},  // RX clock shift
    {0, 0x03, 1, 0x1, 0, 12},  // TX clock shift
    {0, 0x04, 1, 0xC, 0, 13},  // ChannelEncryption
    {0, 0x04, 1, 0x3, 0, 14},  // ChannelLockOut
    {0, 0x05, 1, 0xC0, 0, 15},  // ChannelAniType
    {0, 0x05, 1, 0x20, 0, 16},  // ChannelAniMonitor
    {0, 0x05, 1, 0x3, 0, 17},  // ChannelOlta
    {0, 0x06, 1, 0xFF, 0, 18},  // ChannelMdc1200Ani
    {0, 0x06, 1, 0xFF, 0, 19},  // same byte, unused
    {0, 0x07, 1, 0x3, 0, 20},  // ChannelAutoScan
    {0, 0x08, 1, 0xFF, 0, 21},  // ChannelScanZone
    {0, 0x09, 1, 0x18, 0, 22},  // ChannelVox
    {0, 0x09, 1, 0x4, 0, 23},  // ChannelExtMicSelect
    {0, 0x09, 1, 0x2, 0, 24},  // ChannelPreEmphasis
    {0, 0x09, 1, 0x1, 0, 25},  // ChannelDeEmphasis
    {0, 0x0A, 1, 0x80, 0, 26},  // compander
    {0, 0x0A, 1, 0x40, 0, 27},  // reserved
    {0, 0x0A, 1, 0x20, 0, 28},  // ChannelRxFlatAf
    {0, 0x0A, 1, 0x10, 0, 29},  // ChannelTxFlatAf
    {0, 0x0A, 1, 0x8, 0, 30},  // ChannelRxHpfType
    {0, 0x0A, 1, 0x4, 0, 31},  // ChannelRxLpfType
    {0, 0x0A, 1, 0x2, 0, 32},  // ChannelTxHpfType
    {0, 0x0A, 1, 0x1, 0, 33},  // ChannelTxSplType
    {0, 0x0B, 1, 0x80, 0, 34},  // D-SUB AF input level
    {0, 0x0B, 1, 0x40, 0, 35},  // reserved
    {0, 0x0B, 1, 0x20, 0, 36},  // reserved
    {0, 0x0B, 1, 0x10, 0, 37},  // reserved
    {0, 0x0B, 1, 0x8, 0, 38},  // D-SUB AF output
    {0, 0x0B, 1, 0x6, 0, 39},  // D-SUB AF 2-bit field
    {0, 0x0C, 1, 0xE0, 0, 40},  // ChannelSignalingType
    {0, 0x0C, 1, 0x1F, 0, 41},  // ChannelSignalingNo
    {0, 0x0E, 1, 0xFF, 0, 42},  // ChannelSqlLevel
    {0, 0x0F, 1, 0xC0, 0, 43},  // ChannelSubAudioEncType
    {0, 0x0F, 1, 0xC, 0, 44},  // ChannelSubAudioDecType
    {0, 0x0F, 1, 0x1, 0, 45},  // ChannelSubAudioDecFlag
    {0, 0x10, 1, 0xFF, 0, 46},  // ChannelSubAudioEncCode (low byte)
    {0, 0x11, 1, 0xFF, 0, 47},  // ChannelSubAudioEncCode (high byte)
    {0, 0x12, 1, 0xFF, 0, 48},  // ChannelSubAudioDecCode (low byte)
    {0, 0x13, 1, 0xFF, 0, 49},  // ChannelSubAudioDecCode (high byte)
    {0, 0x14, 1, 0xC0, 0, 50},  // RX synthesiser, high bits
    {0, 0x14, 3, 0x3FFFF0, 0, 51},  // RX synthesiser fraction F
    {0, 0x16, 1, 0xF, 0, 52},  // RX synthesiser, low nibble
    {0, 0x17, 1, 0x80, 0, 53},  // RX synthesiser, bit 7
    {0, 0x17, 1, 0x78, 0, 54},  // ChannelAdjustKind12
    {0, 0x17, 3, 0x7FFF0, 0, 55},  // RX synthesiser integer N
    {0, 0x19, 1, 0xF, 0, 56},  // RX synthesiser, low nibble
    {0, 0x1A, 1, 0xFF, 0, 57},  // byte 0x1A
    {0, 0x1A, 3, 0x3FFFF0, 0, 58},  // TX synthesiser fraction F
    {0, 0x1C, 1, 0xF, 0, 59},  // TX synthesiser, low nibble
    {0, 0x1D, 1, 0x80, 0, 60},  // TX synthesiser, bit 7
    {0, 0x1D, 1, 0x78, 0, 61},  // ChannelAdjustKind13
    {0, 0x1D, 3, 0x7FFF0, 0, 62},  // TX synthesiser integer N
    {0, 0x1F, 1, 0xF, 0, 63},  // TX synthesiser, low nibble
    {0, 0x24, 1, 0xFF, 0, 64},  // ChannelAdjustKind1
    {0, 0x26, 1, 0xFF, 0, 65},  // ChannelAdjustKind2
    {0, 0x28, 1, 0xFF, 0, 66},  // ChannelAdjustKind3And4
    {0, 0x29, 1, 0xFF, 0, 67},  // ChannelAdjustKind5And6
    {0, 0x2A, 1, 0xFF, 0, 68},  // ChannelAdjustKind7To10
    {0, 0x2B, 1, 0xFF, 0, 69},  // ChannelAdjustKind11
    {0, 0x2D, 1, 0xFF, 0, 70},  // reserved
    {0, 0x30, 1, 0xFF, 0, 71},  // name tag byte 0
    {0, 0x31, 1, 0xFF, 0, 72},  // name tag byte 1
    {0, 0x32, 1, 0xFF, 0, 73},  // name tag byte 2
    {0, 0x33, 1, 0xFF, 0, 74},  // name tag byte 3
    {0, 0x34, 1, 0xFF, 0, 75},  // name tag byte 4
    {0, 0x35, 1, 0xFF, 0, 76},  // name tag byte 5
    {0, 0x36, 1, 0xFF, 0, 77},  // name tag byte 6
    {0, 0x37, 1, 0xFF, 0, 78},  // name tag byte 7
};
// clang-format on

// Ordinals the channel arithmetic and the record copies use directly.
inline constexpr int ChannelSameFrequencyItem = 1;
inline constexpr int ChannelTxSetItem = 4;
inline constexpr int ChannelRxClockShiftItem = 11;
inline constexpr int ChannelTxClockShiftItem = 12;
inline constexpr int ChannelRxFractionItem = 51;
inline constexpr int ChannelRxIntegerItem = 55;
inline constexpr int ChannelTxFractionItem = 58;
inline constexpr int ChannelTxIntegerItem = 62;
inline constexpr int ChannelNameFirstItem = 71;

// One field each; the getter (image, channel), the setter (image, channel,
// value) returns 1.
std::uint32_t GetChannelWideNarrow(const CloneImage& image, int channel);
int SetChannelWideNarrow(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelTxPowerHigh(const CloneImage& image, int channel);
int SetChannelTxPowerHigh(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelTotTimer(const CloneImage& image, int channel);
int SetChannelTotTimer(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelPenaltyTimer(const CloneImage& image, int channel);
int SetChannelPenaltyTimer(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelReleaseTimer(const CloneImage& image, int channel);
int SetChannelReleaseTimer(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelEncryption(const CloneImage& image, int channel);
int SetChannelEncryption(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelLockOut(const CloneImage& image, int channel);
int SetChannelLockOut(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelAniType(const CloneImage& image, int channel);
int SetChannelAniType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelAniMonitor(const CloneImage& image, int channel);
int SetChannelAniMonitor(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelOlta(const CloneImage& image, int channel);
int SetChannelOlta(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelMdc1200Ani(const CloneImage& image, int channel);
int SetChannelMdc1200Ani(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelAutoScan(const CloneImage& image, int channel);
int SetChannelAutoScan(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelScanZone(const CloneImage& image, int channel);
int SetChannelScanZone(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelVox(const CloneImage& image, int channel);
int SetChannelVox(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelExtMicSelect(const CloneImage& image, int channel);
int SetChannelExtMicSelect(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelPreEmphasis(const CloneImage& image, int channel);
int SetChannelPreEmphasis(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelDeEmphasis(const CloneImage& image, int channel);
int SetChannelDeEmphasis(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelRxFlatAf(const CloneImage& image, int channel);
int SetChannelRxFlatAf(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelTxFlatAf(const CloneImage& image, int channel);
int SetChannelTxFlatAf(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelRxHpfType(const CloneImage& image, int channel);
int SetChannelRxHpfType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelRxLpfType(const CloneImage& image, int channel);
int SetChannelRxLpfType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelTxHpfType(const CloneImage& image, int channel);
int SetChannelTxHpfType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelTxSplType(const CloneImage& image, int channel);
int SetChannelTxSplType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelSignalingType(const CloneImage& image, int channel);
int SetChannelSignalingType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelSignalingNo(const CloneImage& image, int channel);
int SetChannelSignalingNo(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelSqlLevel(const CloneImage& image, int channel);
int SetChannelSqlLevel(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelSubAudioEncType(const CloneImage& image, int channel);
int SetChannelSubAudioEncType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelSubAudioDecType(const CloneImage& image, int channel);
int SetChannelSubAudioDecType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelSubAudioDecFlag(const CloneImage& image, int channel);
int SetChannelSubAudioDecFlag(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelRxPllRefType(const CloneImage& image, int channel);
int SetChannelRxPllRefType(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelTxPllRefType(const CloneImage& image, int channel);
int SetChannelTxPllRefType(CloneImage& image, int channel, std::uint32_t value);

// Sub-audio codes: 16 bits kept low byte first (encode at 0x10-0x11, decode
// at 0x12-0x13).
std::uint32_t GetChannelSubAudioEncCode(const CloneImage& image, int channel);
int SetChannelSubAudioEncCode(CloneImage& image, int channel, std::uint32_t code);
std::uint32_t GetChannelSubAudioDecCode(const CloneImage& image, int channel);
int SetChannelSubAudioDecCode(CloneImage& image, int channel, std::uint32_t code);

// Per-channel adjustment values, one setter per stored value; the name says
// which adjustment kinds it serves.
std::uint32_t GetChannelAdjustKind1(const CloneImage& image, int channel);
int SetChannelAdjustKind1(CloneImage& image, int channel, std::uint32_t value);
std::uint32_t GetChannelAdjustKind2(const CloneImage& image, int channel);
int SetChannelAdjustKind2(CloneImage& image, int channel, std::uint32_t value);
int SetChannelAdjustKind3And4(CloneImage& image, int channel, std::uint32_t value);
int SetChannelAdjustKind5And6(CloneImage& image, int channel, std::uint32_t value);
int SetChannelAdjustKind7To10(CloneImage& image, int channel, std::uint32_t value);
int SetChannelAdjustKind11(CloneImage& image, int channel, std::uint32_t value);
int SetChannelAdjustKind12(CloneImage& image, int channel, std::uint32_t value);
int SetChannelAdjustKind13(CloneImage& image, int channel, std::uint32_t value);
// Byte 0x26 of the record (adjustment kind 2), as the alignment link sends it.
std::uint32_t GetChannelItem(const CloneImage& image, int channel);
// The alignment rows' stored value: kind 0 gives byte 0x24, kind 2 byte 0x26,
// every other kind 0.
std::uint32_t GetChannelFieldByKind(int kind, const CloneImage& image, int channel);

// Raw: the 8-byte name tag in radio codes (up to the first zero byte;
// Channel::GetTag gives its text); a write
// stores the first 8 bytes of the text and zero-fills the rest.
std::string GetChannelName(const CloneImage& image, int channel);
int SetChannelName(CloneImage& image, int channel, std::string_view text);

}  // namespace ItemMap
