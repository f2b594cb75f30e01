#pragma once
// Items of blocks 14 and 15: the group member lists and group tags, the scan,
// group-scan and dual-watch settings, the channel in-use and group valid
// bitmaps, the two flash copies of the alignment bytes (layout A for model
// index 0, B otherwise, chosen on every call), the flash alignment table, the
// power-on tag, radio-link bookkeeping bytes and the tuning values.
//
// Group tags and the power-on tag are the 8 stored radio codes as they are.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// clang-format off
// Member slot k of group g at +16g+k; scan record n at +16n; group tag g at +8g.
inline constexpr ImageItemDescriptor ScanItems[] = {
    {14, 0x000, 1, 0xFF, 0x00, 0},  // ReadIndexedItem, WriteIndexedItem
    {14, 0x080, 1, 0xC0, 0x00, 1},  // ScanType
    {14, 0x080, 1, 0x08, 0x00, 2},  // ScanTalkBack
    {14, 0x080, 1, 0x07, 0x00, 3},  // ScanRevertCh
    {14, 0x081, 1, 0xFF, 0x00, 4},  // ScanPriorityCheckTime
    {14, 0x082, 1, 0xFF, 0x00, 5},  // ScanSelectCh1
    {14, 0x083, 1, 0xFF, 0x00, 6},  // ScanSelectCh2
    {14, 0x084, 1, 0x20, 0x00, 7},  // ScanPriorityCh2Scan
    {14, 0x084, 1, 0x08, 0x00, 8},  // ScanBeep
    {14, 0x084, 1, 0x04, 0x00, 9},  // ScanEdit
    {14, 0x084, 1, 0x03, 0x00, 10},  // ScanDisplay
    {14, 0x085, 1, 0xFF, 0x00, 11},  // ScanResumeTime1
    {14, 0x086, 1, 0xFF, 0x00, 12},  // ScanResumeTime2
    {14, 0x100, 1, 0xC0, 0x00, 13},  // GroupScanType (bits 7-6, as in the scan records)
    {14, 0x100, 1, 0x08, 0x00, 14},  // GroupScanTalkBack
    {14, 0x100, 1, 0x07, 0x00, 15},  // GroupScanRevertCh
    {14, 0x101, 1, 0xFF, 0x00, 16},  // GroupScanPriorityCheckTime
    {14, 0x102, 1, 0xFF, 0x00, 17},  // GroupScanSelectCh1
    {14, 0x103, 1, 0xFF, 0x00, 18},  // GroupScanSelectCh2
    {14, 0x104, 1, 0x40, 0x00, 19},  // GroupScanPriorityCh1Scan
    {14, 0x104, 1, 0x20, 0x00, 20},  // GroupScanPriorityCh2Scan
    {14, 0x104, 1, 0x08, 0x00, 21},  // GroupScanBeep
    {14, 0x104, 1, 0x04, 0x00, 22},  // GroupScanEdit
    {14, 0x104, 1, 0x03, 0x00, 23},  // GroupScanDisplay
    {14, 0x105, 1, 0xFF, 0x00, 24},  // GroupScanResumeTime1
    {14, 0x106, 1, 0xFF, 0x00, 25},  // GroupScanResumeTime2
    {14, 0x107, 1, 0xFF, 0x00, 26},
    {14, 0x110, 1, 0x08, 0x00, 27},  // DualWatchTalkBack
    {14, 0x110, 1, 0x07, 0x00, 28},  // DualWatchRevertCh
    {14, 0x111, 1, 0xFF, 0x00, 29},  // DualWatchTime
    {14, 0x114, 1, 0x40, 0x00, 30},  // Pri1DualWatch
    {14, 0x114, 1, 0x20, 0x00, 31},  // Pri2DualWatch
    {14, 0x114, 1, 0x08, 0x00, 32},  // DualWatchBeep
    {14, 0x115, 1, 0xFF, 0x00, 33},  // DualWatchResumeTime1
    {14, 0x116, 1, 0xFF, 0x00, 34},  // DualWatchResumeTime2
    {14, 0x120, 1, 0xFF, 0x00, 35},  // GroupTag
    {14, 0x121, 1, 0xFF, 0x00, 36},
    {14, 0x122, 1, 0xFF, 0x00, 37},
    {14, 0x123, 1, 0xFF, 0x00, 38},
    {14, 0x124, 1, 0xFF, 0x00, 39},
    {14, 0x125, 1, 0xFF, 0x00, 40},
    {14, 0x126, 1, 0xFF, 0x00, 41},
    {14, 0x127, 1, 0xFF, 0x00, 42},
};

// Bit n at byte n/8, bit 7-(n mod 8).
inline constexpr ImageItemDescriptor ChannelBitmapItems[] = {
    {14, 0x180, 1, 0x01, 0x00, 0},  // channel in-use bitmap (bit 0 = in use)
    {14, 0x190, 1, 0x01, 0x00, 1},  // group valid bitmap (bit 0 = valid)
};

inline constexpr ImageItemDescriptor AlignItemsA[] = {
    {14, 0x280, 2, 0xFFFF, 0x00, 0},
    {14, 0x280, 1, 0xFF, 0x00, 1},
    {14, 0x281, 1, 0xFF, 0x00, 2},
    {14, 0x282, 1, 0xFF, 0x1F, 3},  // AlignIntMicGain
    {14, 0x283, 1, 0xFF, 0x1F, 4},  // AlignExtMicGain
    {14, 0x284, 1, 0xFF, 0x1F, 5},  // AlignExtMicGain2
    {14, 0x285, 1, 0xFF, 0x00, 6},
    {14, 0x286, 1, 0xFF, 0x0F, 7},
    {14, 0x287, 1, 0xFF, 0x0F, 8},
    {14, 0x288, 1, 0xFF, 0x0F, 9},
    {14, 0x289, 1, 0xFF, 0x00, 10},
    {14, 0x28A, 1, 0xFF, 0x00, 11},
    {14, 0x28B, 1, 0xFF, 0x00, 12},
    {14, 0x28C, 1, 0xFF, 0x00, 13},
    {14, 0x28D, 1, 0xFF, 0x00, 14},
    {14, 0x28E, 1, 0xFF, 0x00, 15},
    {14, 0x28F, 1, 0xFF, 0x00, 16},
    {14, 0x290, 1, 0xFF, 0x00, 17},
    {14, 0x291, 1, 0xFF, 0x00, 18},
    {14, 0x292, 1, 0xFF, 0x00, 19},
    {14, 0x293, 1, 0xFF, 0x00, 20},
    {14, 0x294, 1, 0xFF, 0x0F, 21},
    {14, 0x296, 1, 0xFF, 0x00, 22},  // AlignBaseKind1
    {14, 0x297, 1, 0xFF, 0x00, 23},  // AlignBaseKind2
    {14, 0x298, 1, 0xFF, 0x00, 24},  // AlignBaseKind3
    {14, 0x299, 1, 0xFF, 0x00, 25},  // AlignBaseKind4
    {14, 0x29A, 1, 0xFF, 0x00, 26},  // AlignBaseKind5
    {14, 0x29B, 1, 0xFF, 0x00, 27},  // AlignBaseKind6
    {14, 0x29C, 1, 0xFF, 0x1F, 28},  // AlignBaseKind7
    {14, 0x29D, 1, 0xFF, 0x1F, 29},  // AlignBaseKind8
    {14, 0x29E, 1, 0xFF, 0x1F, 30},  // AlignBaseKind9
    {14, 0x29F, 1, 0xFF, 0x1F, 31},  // AlignBaseKind10
    {14, 0x2A0, 1, 0xFF, 0x00, 32},  // AlignBaseKind11
    {14, 0x2A1, 1, 0xFF, 0x00, 33},
    {14, 0x2A2, 1, 0xFF, 0x00, 34},
};

inline constexpr ImageItemDescriptor AlignItemsB[] = {
    {14, 0x280, 2, 0xFFFF, 0x00, 0},
    {14, 0x280, 1, 0xFF, 0x00, 1},
    {14, 0x281, 1, 0xFF, 0x00, 2},
    {14, 0x282, 1, 0xFF, 0x00, 3},  // AlignIntMicGain
    {14, 0x283, 1, 0xFF, 0x00, 4},  // AlignExtMicGain
    {14, 0x284, 1, 0xFF, 0x00, 5},  // AlignExtMicGain2
    {14, 0x285, 1, 0xFF, 0x00, 6},
    {14, 0x286, 1, 0xFF, 0x00, 7},
    {14, 0x287, 1, 0xFF, 0x00, 8},
    {14, 0x288, 1, 0xFF, 0x00, 9},
    {14, 0x289, 1, 0xFF, 0x00, 10},
    {14, 0x28A, 1, 0xFF, 0x00, 11},
    {14, 0x28B, 1, 0xFF, 0x00, 12},
    {14, 0x28C, 1, 0xFF, 0x00, 13},
    {14, 0x28D, 1, 0xFF, 0x00, 14},
    {14, 0x28E, 1, 0xFF, 0x00, 15},
    {14, 0x28F, 1, 0xFF, 0x00, 16},
    {14, 0x290, 1, 0xFF, 0x00, 17},
    {14, 0x291, 1, 0xFF, 0x00, 18},
    {14, 0x292, 1, 0xFF, 0x00, 19},
    {14, 0x293, 1, 0xFF, 0x00, 20},
    {14, 0x294, 1, 0xFF, 0x00, 21},
    {14, 0x296, 1, 0xFF, 0x00, 22},  // AlignBaseKind1
    {14, 0x297, 1, 0xFF, 0x00, 23},  // AlignBaseKind2
    {14, 0x298, 1, 0xFF, 0x00, 24},  // AlignBaseKind3
    {14, 0x299, 1, 0xFF, 0x00, 25},  // AlignBaseKind4
    {14, 0x29A, 1, 0xFF, 0x00, 26},  // AlignBaseKind5
    {14, 0x29B, 1, 0xFF, 0x00, 27},  // AlignBaseKind6
    {14, 0x29C, 1, 0xFF, 0x00, 28},  // AlignBaseKind7
    {14, 0x29D, 1, 0xFF, 0x00, 29},  // AlignBaseKind8
    {14, 0x29E, 1, 0xFF, 0x00, 30},  // AlignBaseKind9
    {14, 0x29F, 1, 0xFF, 0x00, 31},  // AlignBaseKind10
    {14, 0x2A0, 1, 0xFF, 0x00, 32},  // AlignBaseKind11
    {14, 0x2A1, 1, 0xFF, 0x00, 33},
    {14, 0x2A2, 1, 0xFF, 0x00, 34},
};

// Alignment table row n (frequency point n) at +16n: the point (little-endian,
// 100 kHz units), then the value of adjustment kind k at byte 1+k.
inline constexpr ImageItemDescriptor AlignExtraItemsA[] = {
    {14, 0x300, 2, 0xFFFF, 0x00, 0},
    {14, 0x300, 1, 0xFF, 0x00, 1},  // AlignTablePoint (low byte)
    {14, 0x301, 1, 0xFF, 0x00, 2},  // AlignTablePoint (high byte)
    {14, 0x302, 1, 0xFF, 0x00, 3},  // AlignTableKind1
    {14, 0x303, 1, 0xFF, 0x00, 4},  // AlignTableKind2
    {14, 0x304, 1, 0xFF, 0x00, 5},  // AlignTableKind3
    {14, 0x305, 1, 0xFF, 0x00, 6},  // AlignTableKind4
    {14, 0x306, 1, 0xFF, 0x00, 7},  // AlignTableKind5
    {14, 0x307, 1, 0xFF, 0x00, 8},  // AlignTableKind6
    {14, 0x308, 1, 0xFF, 0x1F, 9},  // AlignTableKind7
    {14, 0x309, 1, 0xFF, 0x1F, 10},  // AlignTableKind8
    {14, 0x30A, 1, 0xFF, 0x1F, 11},  // AlignTableKind9
    {14, 0x30B, 1, 0xFF, 0x1F, 12},  // AlignTableKind10
    {14, 0x30C, 1, 0xFF, 0x00, 13},  // AlignTableKind11
    {14, 0x30D, 1, 0xFF, 0x0F, 14},  // AlignTableKind12
    {14, 0x30E, 1, 0xFF, 0x0F, 15},  // AlignTableKind13
};

inline constexpr ImageItemDescriptor AlignExtraItemsB[] = {
    {14, 0x300, 2, 0xFFFF, 0x00, 0},
    {14, 0x300, 1, 0xFF, 0x00, 1},
    {14, 0x301, 1, 0xFF, 0x00, 2},
    {14, 0x302, 1, 0xFF, 0x00, 3},  // AlignTableKind1
    {14, 0x303, 1, 0xFF, 0x00, 4},  // AlignTableKind2
    {14, 0x304, 1, 0xFF, 0x00, 5},  // AlignTableKind3
    {14, 0x305, 1, 0xFF, 0x00, 6},  // AlignTableKind4
    {14, 0x306, 1, 0xFF, 0x00, 7},  // AlignTableKind5
    {14, 0x307, 1, 0xFF, 0x00, 8},  // AlignTableKind6
    {14, 0x308, 1, 0xFF, 0x00, 9},  // AlignTableKind7
    {14, 0x309, 1, 0xFF, 0x00, 10},  // AlignTableKind8
    {14, 0x30A, 1, 0xFF, 0x00, 11},  // AlignTableKind9
    {14, 0x30B, 1, 0xFF, 0x00, 12},  // AlignTableKind10
    {14, 0x30C, 1, 0xFF, 0x00, 13},  // AlignTableKind11
    {14, 0x30D, 1, 0xFF, 0x0F, 14},  // AlignTableKind12
    {14, 0x30E, 1, 0xFF, 0x0F, 15},  // AlignTableKind13
};

inline constexpr ImageItemDescriptor PowerOnTagItems[] = {
    {15, 0x000, 1, 0xFF, 0x00, 0},  // GetPowerOnTag, SetText4000
    {15, 0x001, 1, 0xFF, 0x00, 1},
    {15, 0x002, 1, 0xFF, 0x00, 2},
    {15, 0x003, 1, 0xFF, 0x00, 3},
    {15, 0x004, 1, 0xFF, 0x00, 4},
    {15, 0x005, 1, 0xFF, 0x00, 5},
    {15, 0x006, 1, 0xFF, 0x00, 6},
    {15, 0x007, 1, 0xFF, 0x00, 7},
};

inline constexpr ImageItemDescriptor FlashInfoItems[] = {
    {15, 0x100, 2, 0xFFFF, 0x00, 0},
    {15, 0x172, 1, 0xFF, 0x00, 1},
    {15, 0x173, 1, 0x01, 0x00, 2},
    {15, 0x174, 1, 0xFF, 0x00, 3},
    {15, 0x180, 1, 0xFF, 0x00, 4},
    {15, 0x1F3, 1, 0xFF, 0x00, 5},
};

inline constexpr ImageItemDescriptor AlignFlashItemsA[] = {
    {15, 0x280, 2, 0xFFFF, 0x00, 0},
    {15, 0x280, 1, 0xFF, 0x00, 1},
    {15, 0x281, 1, 0xFF, 0x00, 2},
    {15, 0x282, 1, 0xFF, 0x1F, 3},
    {15, 0x283, 1, 0xFF, 0x1F, 4},
    {15, 0x284, 1, 0xFF, 0x1F, 5},
    {15, 0x285, 1, 0xFF, 0x00, 6},
    {15, 0x286, 1, 0xFF, 0x0F, 7},
    {15, 0x287, 1, 0xFF, 0x0F, 8},
    {15, 0x288, 1, 0xFF, 0x0F, 9},
    {15, 0x289, 1, 0xFF, 0x00, 10},
    {15, 0x28A, 1, 0xFF, 0x00, 11},
    {15, 0x28B, 1, 0xFF, 0x00, 12},
    {15, 0x28C, 1, 0xFF, 0x00, 13},
    {15, 0x28D, 1, 0xFF, 0x00, 14},
    {15, 0x28E, 1, 0xFF, 0x00, 15},
    {15, 0x28F, 1, 0xFF, 0x00, 16},
    {15, 0x290, 1, 0xFF, 0x00, 17},
    {15, 0x291, 1, 0xFF, 0x00, 18},
    {15, 0x292, 1, 0xFF, 0x00, 19},
    {15, 0x293, 1, 0xFF, 0x00, 20},
    {15, 0x294, 1, 0xFF, 0x0F, 21},
    {15, 0x296, 1, 0xFF, 0x00, 22},
    {15, 0x297, 1, 0xFF, 0x00, 23},
    {15, 0x298, 1, 0xFF, 0x00, 24},
    {15, 0x299, 1, 0xFF, 0x00, 25},
    {15, 0x29A, 1, 0xFF, 0x00, 26},
    {15, 0x29B, 1, 0xFF, 0x00, 27},
    {15, 0x29C, 1, 0xFF, 0x1F, 28},
    {15, 0x29D, 1, 0xFF, 0x1F, 29},
    {15, 0x29E, 1, 0xFF, 0x1F, 30},
    {15, 0x29F, 1, 0xFF, 0x1F, 31},
    {15, 0x2A0, 1, 0xFF, 0x00, 32},
    {15, 0x2A1, 1, 0xFF, 0x00, 33},
    {15, 0x2A2, 1, 0xFF, 0x00, 34},
};

inline constexpr ImageItemDescriptor AlignFlashItemsB[] = {
    {15, 0x280, 2, 0xFFFF, 0x00, 0},
    {15, 0x280, 1, 0xFF, 0x00, 1},
    {15, 0x281, 1, 0xFF, 0x00, 2},
    {15, 0x282, 1, 0xFF, 0x00, 3},
    {15, 0x283, 1, 0xFF, 0x00, 4},
    {15, 0x284, 1, 0xFF, 0x00, 5},
    {15, 0x285, 1, 0xFF, 0x00, 6},
    {15, 0x286, 1, 0xFF, 0x00, 7},
    {15, 0x287, 1, 0xFF, 0x00, 8},
    {15, 0x288, 1, 0xFF, 0x00, 9},
    {15, 0x289, 1, 0xFF, 0x00, 10},
    {15, 0x28A, 1, 0xFF, 0x00, 11},
    {15, 0x28B, 1, 0xFF, 0x00, 12},
    {15, 0x28C, 1, 0xFF, 0x00, 13},
    {15, 0x28D, 1, 0xFF, 0x00, 14},
    {15, 0x28E, 1, 0xFF, 0x00, 15},
    {15, 0x28F, 1, 0xFF, 0x00, 16},
    {15, 0x290, 1, 0xFF, 0x00, 17},
    {15, 0x291, 1, 0xFF, 0x00, 18},
    {15, 0x292, 1, 0xFF, 0x00, 19},
    {15, 0x293, 1, 0xFF, 0x00, 20},
    {15, 0x294, 1, 0xFF, 0x00, 21},
    {15, 0x296, 1, 0xFF, 0x00, 22},
    {15, 0x297, 1, 0xFF, 0x00, 23},
    {15, 0x298, 1, 0xFF, 0x00, 24},
    {15, 0x299, 1, 0xFF, 0x00, 25},
    {15, 0x29A, 1, 0xFF, 0x00, 26},
    {15, 0x29B, 1, 0xFF, 0x00, 27},
    {15, 0x29C, 1, 0xFF, 0x00, 28},
    {15, 0x29D, 1, 0xFF, 0x00, 29},
    {15, 0x29E, 1, 0xFF, 0x00, 30},
    {15, 0x29F, 1, 0xFF, 0x00, 31},
    {15, 0x2A0, 1, 0xFF, 0x00, 32},
    {15, 0x2A1, 1, 0xFF, 0x00, 33},
    {15, 0x2A2, 1, 0xFF, 0x00, 34},
};

inline constexpr ImageItemDescriptor TuneItems[] = {
    {15, 0x300, 2, 0xFFFF, 0x00, 0},
    {15, 0x300, 1, 0xFF, 0x00, 1},
    {15, 0x301, 1, 0xFF, 0x00, 2},
    {15, 0x302, 1, 0xFF, 0x00, 3},
    {15, 0x303, 1, 0xFF, 0x00, 4},
    {15, 0x304, 1, 0xFF, 0x00, 5},
    {15, 0x305, 1, 0xFF, 0x00, 6},
    {15, 0x306, 1, 0xFF, 0x00, 7},
    {15, 0x307, 1, 0xFF, 0x00, 8},
    {15, 0x308, 1, 0xFF, 0x00, 9},
    {15, 0x309, 1, 0xFF, 0x00, 10},
    {15, 0x30A, 1, 0xFF, 0x00, 11},
    {15, 0x30B, 1, 0xFF, 0x00, 12},
    {15, 0x30C, 1, 0xFF, 0x00, 13},
    {15, 0x30D, 1, 0xFF, 0x00, 14},
    {15, 0x30E, 1, 0xFF, 0x00, 15},
};
// clang-format on

// ---- Group member lists ---------------------------------------------------------------
inline constexpr int GroupCount = 8;
inline constexpr int GroupSlotCount = 16;
// The channel index in slot `position` of group `group`, 0xFF for an empty
// slot; a group or slot outside the table reads 0xFF and writes nothing.
std::uint32_t ReadIndexedItem(const CloneImage& image, int group, int position);
int WriteIndexedItem(CloneImage& image, int group, int position, std::uint32_t value);

// ---- Scan records (n = scan record 0-7), group scan, dual watch -----------------------
std::uint32_t GetScanType(const CloneImage& image, int n);
int SetScanType(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanTalkBack(const CloneImage& image, int n);
int SetScanTalkBack(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanRevertCh(const CloneImage& image, int n);
int SetScanRevertCh(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanPriorityCheckTime(const CloneImage& image, int n);
int SetScanPriorityCheckTime(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanSelectCh1(const CloneImage& image, int n);
int SetScanSelectCh1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanSelectCh2(const CloneImage& image, int n);
int SetScanSelectCh2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanPriorityCh2Scan(const CloneImage& image, int n);
int SetScanPriorityCh2Scan(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanBeep(const CloneImage& image, int n);
int SetScanBeep(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanEdit(const CloneImage& image, int n);
int SetScanEdit(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanDisplay(const CloneImage& image, int n);
int SetScanDisplay(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanResumeTime1(const CloneImage& image, int n);
int SetScanResumeTime1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetScanResumeTime2(const CloneImage& image, int n);
int SetScanResumeTime2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetGroupScanType(const CloneImage& image);
int SetGroupScanType(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanTalkBack(const CloneImage& image);
int SetGroupScanTalkBack(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanRevertCh(const CloneImage& image);
int SetGroupScanRevertCh(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanPriorityCheckTime(const CloneImage& image);
int SetGroupScanPriorityCheckTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanSelectCh1(const CloneImage& image);
int SetGroupScanSelectCh1(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanSelectCh2(const CloneImage& image);
int SetGroupScanSelectCh2(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanPriorityCh1Scan(const CloneImage& image);
int SetGroupScanPriorityCh1Scan(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanPriorityCh2Scan(const CloneImage& image);
int SetGroupScanPriorityCh2Scan(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanBeep(const CloneImage& image);
int SetGroupScanBeep(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanEdit(const CloneImage& image);
int SetGroupScanEdit(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanDisplay(const CloneImage& image);
int SetGroupScanDisplay(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanResumeTime1(const CloneImage& image);
int SetGroupScanResumeTime1(CloneImage& image, std::uint32_t value);
std::uint32_t GetGroupScanResumeTime2(const CloneImage& image);
int SetGroupScanResumeTime2(CloneImage& image, std::uint32_t value);
std::uint32_t GetDualWatchTalkBack(const CloneImage& image);
int SetDualWatchTalkBack(CloneImage& image, std::uint32_t value);
std::uint32_t GetDualWatchRevertCh(const CloneImage& image);
int SetDualWatchRevertCh(CloneImage& image, std::uint32_t value);
std::uint32_t GetDualWatchTime(const CloneImage& image);
int SetDualWatchTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetPri1DualWatch(const CloneImage& image);
int SetPri1DualWatch(CloneImage& image, std::uint32_t value);
std::uint32_t GetPri2DualWatch(const CloneImage& image);
int SetPri2DualWatch(CloneImage& image, std::uint32_t value);
std::uint32_t GetDualWatchBeep(const CloneImage& image);
int SetDualWatchBeep(CloneImage& image, std::uint32_t value);
std::uint32_t GetDualWatchResumeTime1(const CloneImage& image);
int SetDualWatchResumeTime1(CloneImage& image, std::uint32_t value);
std::uint32_t GetDualWatchResumeTime2(const CloneImage& image);
int SetDualWatchResumeTime2(CloneImage& image, std::uint32_t value);
// Raw: the group's 8-byte tag as radio codes; TagCodesToText and
// TagTextToCodes convert it for a screen.
std::string GetGroupTag(const CloneImage& image, int n);
int SetGroupTag(CloneImage& image, int n, std::string_view text);

// ---- Alignment bytes of block 14, in the image's layout -------------------------------
// Reference levels of the three microphone gains, and the base values of
// adjustment kinds 1-11.
std::uint32_t GetAlignIntMicGain(const CloneImage& image);
int SetAlignIntMicGain(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignExtMicGain(const CloneImage& image);
int SetAlignExtMicGain(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignExtMicGain2(const CloneImage& image);
int SetAlignExtMicGain2(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind1(const CloneImage& image);
int SetAlignBaseKind1(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind2(const CloneImage& image);
int SetAlignBaseKind2(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind3(const CloneImage& image);
int SetAlignBaseKind3(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind4(const CloneImage& image);
int SetAlignBaseKind4(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind5(const CloneImage& image);
int SetAlignBaseKind5(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind6(const CloneImage& image);
int SetAlignBaseKind6(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind7(const CloneImage& image);
int SetAlignBaseKind7(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind8(const CloneImage& image);
int SetAlignBaseKind8(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind9(const CloneImage& image);
int SetAlignBaseKind9(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind10(const CloneImage& image);
int SetAlignBaseKind10(CloneImage& image, std::uint32_t value);
std::uint32_t GetAlignBaseKind11(const CloneImage& image);
int SetAlignBaseKind11(CloneImage& image, std::uint32_t value);

// ---- Alignment table of block 14 (n = frequency point 0-15) ---------------------------
std::uint32_t GetAlignTablePoint(const CloneImage& image, int n);
int SetAlignTablePoint(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind1(const CloneImage& image, int n);
int SetAlignTableKind1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind2(const CloneImage& image, int n);
int SetAlignTableKind2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind3(const CloneImage& image, int n);
int SetAlignTableKind3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind4(const CloneImage& image, int n);
int SetAlignTableKind4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind5(const CloneImage& image, int n);
int SetAlignTableKind5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind6(const CloneImage& image, int n);
int SetAlignTableKind6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind7(const CloneImage& image, int n);
int SetAlignTableKind7(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind8(const CloneImage& image, int n);
int SetAlignTableKind8(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind9(const CloneImage& image, int n);
int SetAlignTableKind9(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind10(const CloneImage& image, int n);
int SetAlignTableKind10(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind11(const CloneImage& image, int n);
int SetAlignTableKind11(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind12(const CloneImage& image, int n);
int SetAlignTableKind12(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetAlignTableKind13(const CloneImage& image, int n);
int SetAlignTableKind13(CloneImage& image, int n, std::uint32_t value);

// ---- Power-on tag ---------------------------------------------------------------------
// Raw: radio codes (TagCodesToText shows them).
std::string GetPowerOnTag(const CloneImage& image);
int SetText4000(CloneImage& image, std::string_view text);

}  // namespace ItemMap
