#pragma once
// Where the radio keeps its alignment data: a 48-byte alignment block and a
// 256-byte alignment table, each in three copies (EEPROM, flash page 14,
// flash page 15), and the checksum of each block copy.
#include <cstddef>
#include <cstdint>

#include "image/CloneImage.h"

namespace AlignmentData {

enum class Copy { Eeprom, Page14, Page15 };

inline constexpr std::size_t BlockSize = 48;
inline constexpr std::size_t TableSize = 256;

constexpr std::size_t BlockOffset(Copy copy) {
    return copy == Copy::Eeprom   ? 0x30
           : copy == Copy::Page14 ? CloneImage::BlockOffset(14, 0x280)
                                  : CloneImage::BlockOffset(15, 0x280);
}
constexpr std::size_t TableOffset(Copy copy) {
    return copy == Copy::Eeprom   ? 0x240
           : copy == Copy::Page14 ? CloneImage::BlockOffset(14, 0x300)
                                  : CloneImage::BlockOffset(15, 0x300);
}

// The 16-bit sum of block bytes 2-47 (carries dropped).
std::uint16_t Checksum(const CloneImage& image, Copy copy);
// Stores the checksum in the block's first two bytes, low byte first.
void UpdateAlignChecksum(CloneImage& image, Copy copy);
void UpdateAllChecksums(CloneImage& image);

// The block and the table of copy `from` in `source` into copy `to` of `target`.
void CopyBlockAndTable(CloneImage& target, Copy to, const CloneImage& source, Copy from);
void CopyBlock(CloneImage& target, Copy to, const CloneImage& source, Copy from);
void CopyTable(CloneImage& target, Copy to, const CloneImage& source, Copy from);

// The first channel in use (bit clear in the in-use bitmap), -1 when none.
int FirstChannelInUse(const CloneImage& image);

// The one-byte EEPROM alignment value at header byte `offset`, in the
// image's layout (A keeps some values in 4 or 5 bits).
std::uint32_t ReadHeaderByte(const CloneImage& image, int offset);
void WriteHeaderByte(CloneImage& image, int offset, std::uint32_t value);

}  // namespace AlignmentData
