#pragma once
// The radio's 48-byte alignment block, kept in three copies (EEPROM and flash
// pages 14 and 15): a 16-bit additive checksum of bytes 2-47, low byte first,
// then 46 data bytes.
#include <cstddef>
#include <cstdint>

#include "image/CloneImage.h"

namespace AlignmentBlock {

inline constexpr std::size_t Size = 48;
inline constexpr std::size_t Copies[3] = {0x30, CloneImage::BlockOffset(14, 0x280),
                                          CloneImage::BlockOffset(15, 0x280)};

std::uint16_t Checksum(const CloneImage& image, std::size_t offset);
// Stores the checksum of each copy in its first two bytes.
void RefreshChecksums(CloneImage& image);

}  // namespace AlignmentBlock
