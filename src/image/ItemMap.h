#pragma once
// The generic item reader and writer over the clone image. Every screen, the
// radio link and the printout read and write the image through these
// operations and the descriptor tables built on them; nothing else addresses
// image bytes by hand.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// Channel records: 64 bytes each, 16 per block, in blocks 0-7.
inline constexpr int ChannelCount = 128;
inline constexpr int ChannelRecordSize = 64;
inline constexpr int ChannelNameOffset = 0x30;
// The channel in-use bitmap (block 14 offset 0x180): bit 0 = in use.
inline constexpr std::size_t InUseBitmapOffset = 0x3D80;
// The transmit offset kept in the trailer (sign-magnitude, little-endian).
inline constexpr std::size_t SignMagnitudeOffset = 0x4400;

// Fields of the header area. index x stride addresses repeated records.
std::uint32_t ReadHeaderField(const HeaderItemDescriptor& d, const CloneImage& image, std::uint32_t index = 0,
                              std::uint32_t stride = 0);
int WriteHeaderField(const HeaderItemDescriptor& d, CloneImage& image, std::uint32_t index,
                     std::uint32_t stride, std::uint32_t value);

// Fields of flash blocks 0-15.
std::uint32_t ReadImageField(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index = 0,
                             std::uint32_t stride = 0);
int WriteImageField(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                    std::uint32_t stride, std::uint32_t value);

// A field of channel c's record (c 0-127).
std::uint32_t ReadChannelField(const ImageItemDescriptor& d, const CloneImage& image, int channel);
int WriteChannelField(const ImageItemDescriptor& d, CloneImage& image, int channel, std::uint32_t value);
// Buffer offset of channel c's record field at descriptor d.
std::size_t ChannelFieldPosition(const ImageItemDescriptor& d, int channel);

// Bitmaps: element n at byte n/8, bit 7-(n mod 8).
int ReadBit(const CloneImage& image, int bit);  // channel in-use bitmap
int ReadBitmapBit(const ImageItemDescriptor& bitmap, const CloneImage& image, int bit);
int WriteBit(const ImageItemDescriptor& bitmap, CloneImage& image, int bit, std::uint32_t value);
int LastUsedChannel(const CloneImage& image);

// 8-byte texts (radio codes, no conversion) and raw 8-byte copies.
std::string ReadChannelName(const CloneImage& image, int channel);
int WriteChannelName(CloneImage& image, int channel, std::string_view text);
std::string ReadImageText8(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index = 0,
                           std::uint32_t stride = 0);
int WriteImageText8(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                    std::uint32_t stride, std::string_view text);
int ReadRaw8(const ImageItemDescriptor& d, const CloneImage& image, std::uint8_t* buffer);
int WriteRaw8(const ImageItemDescriptor& d, CloneImage& image, const std::uint8_t* buffer);

// The trailer's transmit offset, in tenths of MHz.
std::int32_t GetSignMagnitude(const CloneImage& image);
int SetSignMagnitude(CloneImage& image, std::int32_t value);

// Little-endian forms for the numbers the radio keeps low byte first. The
// word is read natively and masked by keep (valueMask, else mask), no shift;
// a write replaces the mask's bits with the value's bits within put.
std::uint32_t ReadHeaderFieldLE(const HeaderItemDescriptor& d, const CloneImage& image,
                                std::uint32_t index = 0, std::uint32_t stride = 0);
int WriteHeaderFieldLE(const HeaderItemDescriptor& d, CloneImage& image, std::uint32_t index,
                       std::uint32_t stride, std::uint32_t value);
std::uint32_t ReadImageFieldLE(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index = 0,
                               std::uint32_t stride = 0);
int WriteImageFieldLE(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                      std::uint32_t stride, std::uint32_t value);

// Layout choice of the paired areas: layout A for model index 0, B otherwise.
// Decided on every call from the image given.
bool UsesLayoutA(const CloneImage& image);
template <class Descriptor>
const Descriptor& ChooseLayout(const CloneImage& image, const Descriptor& a, const Descriptor& b) {
    return UsesLayoutA(image) ? a : b;
}

// Low level: a field at an absolute buffer position. Positions outside the
// image read 0 and write nothing.
std::uint32_t ReadField(const CloneImage& image, std::size_t position, std::uint32_t width,
                        std::uint32_t mask, std::uint32_t valueMask);
void WriteField(CloneImage& image, std::size_t position, std::uint32_t width, std::uint32_t mask,
                std::uint32_t valueMask, std::uint32_t value);

}  // namespace ItemMap
