#pragma once
// Whole byte ranges of flash blocks 8-15 carried from one image into another.
// A write into the radio keeps the radio's own calibration and production
// bytes and takes the user's settings region by region; the regions are the
// fixed table below.
#include <cstdint>

#include "image/CloneImage.h"

namespace ItemMap {

// One entry of the region table. A region runs from its entry's offset to
// the offset of the next entry (same block). Entries numbered EndMark only
// mark ends; TableEnd closes the table.
struct RegionEntry {
    int region;
    std::uint32_t block;
    std::uint32_t offset;
};

inline constexpr int RegionEndMark = -2;
inline constexpr int RegionTableEnd = -1;
inline constexpr int RegionCount = 48;

// clang-format off
inline constexpr RegionEntry RegionTable[] = {
    {0, 8, 0x000},  {1, 8, 0x018},  {2, 8, 0x068},  {3, 8, 0x0A8},  {4, 8, 0x0B8},  {5, 8, 0x0E8},
    {6, 8, 0x100},  {7, 8, 0x106},  {8, 8, 0x10C},  {9, 8, 0x118},  {10, 8, 0x120}, {11, 8, 0x140},
    {12, 8, 0x1AC}, {13, 8, 0x1B0}, {14, 8, 0x1D0}, {15, 8, 0x200},
    {RegionEndMark, 8, 0x400}, {RegionEndMark, 8, 0x400},
    {16, 9, 0x000}, {17, 9, 0x070}, {18, 9, 0x080}, {19, 9, 0x0B0}, {20, 9, 0x100}, {21, 9, 0x180},
    {22, 9, 0x280},
    {RegionEndMark, 9, 0x2B0}, {RegionEndMark, 9, 0x400},
    {23, 10, 0x000}, {24, 10, 0x070}, {25, 10, 0x080}, {26, 10, 0x100}, {27, 10, 0x120}, {28, 10, 0x1A0},
    {29, 10, 0x220},
    {RegionEndMark, 10, 0x2A0}, {RegionEndMark, 10, 0x400},
    {30, 11, 0x000}, {31, 11, 0x040},
    {RegionEndMark, 11, 0x400},
    {32, 12, 0x000}, {33, 12, 0x200},
    {RegionEndMark, 12, 0x400},
    {34, 13, 0x000}, {35, 13, 0x020}, {36, 13, 0x140},
    {RegionEndMark, 13, 0x340}, {RegionEndMark, 13, 0x400},
    {37, 14, 0x000}, {38, 14, 0x080}, {39, 14, 0x120}, {40, 14, 0x180}, {41, 14, 0x190}, {42, 14, 0x280},
    {43, 14, 0x300},
    {RegionEndMark, 14, 0x400},
    {44, 15, 0x000}, {45, 15, 0x100}, {46, 15, 0x280}, {47, 15, 0x300},
    {RegionEndMark, 15, 0x400},
    {RegionTableEnd, 0, 0},
};
// clang-format on

// A region as block offsets [first, end); false for a number not in the table.
struct RegionRange {
    std::uint32_t block;
    std::uint32_t first;
    std::uint32_t end;
};
bool FindRegion(int region, RegionRange& range);

// Copies the region's bytes from `source` to the same place of `destination`
// and logs the radio flash addresses copied. Returns 1, or 0 (nothing copied)
// for a number that is not in the table.
int CopyRegion(CloneImage& destination, const CloneImage& source, int region);

}  // namespace ItemMap
