#include "image/ItemMap.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "image/Model.h"

namespace ItemMap {
namespace {

constexpr std::uint32_t ShiftOf(std::uint32_t mask) {
    return mask == 0 ? 0 : std::countr_zero(mask);
}
constexpr std::uint32_t KeepOf(std::uint32_t mask, std::uint32_t valueMask) {
    return valueMask ? valueMask : mask;
}

bool InImage(std::size_t position, std::size_t width) {
    return width <= CloneImage::Size && position <= CloneImage::Size - width;
}

std::size_t HeaderPos(const HeaderItemDescriptor& d, std::uint32_t index, std::uint32_t stride) {
    return std::size_t{d.offset} + std::size_t{index} * stride;
}
std::size_t ImagePos(const ImageItemDescriptor& d, std::uint32_t index, std::uint32_t stride) {
    return std::size_t{ImagePosition(d)} + std::size_t{index} * stride;
}

std::uint32_t ReadLE(const CloneImage& image, std::size_t position, std::uint32_t width, std::uint32_t mask,
                     std::uint32_t valueMask) {
    if (width == 0 || width > 4 || !InImage(position, width)) return 0;
    std::uint32_t w = 0;
    for (std::uint32_t i = width; i-- > 0;) w = (w << 8) | image[position + i];
    return w & KeepOf(mask, valueMask);
}

void WriteLE(CloneImage& image, std::size_t position, std::uint32_t width, std::uint32_t mask,
             std::uint32_t valueMask, std::uint32_t value) {
    if (width == 0 || width > 4 || !InImage(position, width)) return;
    std::uint32_t w = 0;
    for (std::uint32_t i = width; i-- > 0;) w = (w << 8) | image[position + i];
    w = (w & ~mask) | (value & KeepOf(mask, valueMask));
    for (std::uint32_t i = 0; i < width; ++i) image[position + i] = static_cast<std::uint8_t>(w >> (8 * i));
}

std::string Text8At(const CloneImage& image, std::size_t position) {
    if (!InImage(position, 8)) return {};
    const char* p = reinterpret_cast<const char*>(image.data() + position);
    return std::string(p, strnlen(p, 8));
}

void WriteText8At(CloneImage& image, std::size_t position, std::string_view text) {
    if (!InImage(position, 8)) return;
    for (std::size_t i = 0; i < 8; ++i)
        image[position + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

}  // namespace

std::uint32_t ReadField(const CloneImage& image, std::size_t position, std::uint32_t width,
                        std::uint32_t mask, std::uint32_t valueMask) {
    if (width == 0 || width > 4 || !InImage(position, width)) return 0;
    std::uint32_t w = 0;
    for (std::uint32_t i = 0; i < width; ++i) w = (w << 8) | image[position + i];
    return (w & KeepOf(mask, valueMask)) >> ShiftOf(mask);
}

void WriteField(CloneImage& image, std::size_t position, std::uint32_t width, std::uint32_t mask,
                std::uint32_t valueMask, std::uint32_t value) {
    if (width == 0 || width > 4 || !InImage(position, width)) return;
    const std::uint32_t shift = ShiftOf(mask);
    std::uint32_t v = shift >= 32 ? 0 : value << shift;
    std::uint32_t m = mask;
    std::uint32_t p = KeepOf(mask, valueMask);
    // From the last (least significant) byte to the first.
    for (std::uint32_t i = width; i-- > 0;) {
        std::uint8_t& byte = image[position + i];
        byte = static_cast<std::uint8_t>((byte & ~(m & 0xFF)) | (v & p & 0xFF));
        m >>= 8;
        p >>= 8;
        v >>= 8;
    }
}

std::uint32_t ReadHeaderField(const HeaderItemDescriptor& d, const CloneImage& image, std::uint32_t index,
                              std::uint32_t stride) {
    return ReadField(image, HeaderPos(d, index, stride), d.width, d.mask, d.valueMask);
}

int WriteHeaderField(const HeaderItemDescriptor& d, CloneImage& image, std::uint32_t index,
                     std::uint32_t stride, std::uint32_t value) {
    WriteField(image, HeaderPos(d, index, stride), d.width, d.mask, d.valueMask, value);
    return 1;
}

std::uint32_t ReadImageField(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index,
                             std::uint32_t stride) {
    return ReadField(image, ImagePos(d, index, stride), d.width, d.mask, d.valueMask);
}

int WriteImageField(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                    std::uint32_t stride, std::uint32_t value) {
    WriteField(image, ImagePos(d, index, stride), d.width, d.mask, d.valueMask, value);
    return 1;
}

std::uint32_t ReadHeaderFieldLE(const HeaderItemDescriptor& d, const CloneImage& image, std::uint32_t index,
                                std::uint32_t stride) {
    return ReadLE(image, HeaderPos(d, index, stride), d.width, d.mask, d.valueMask);
}
int WriteHeaderFieldLE(const HeaderItemDescriptor& d, CloneImage& image, std::uint32_t index,
                       std::uint32_t stride, std::uint32_t value) {
    WriteLE(image, HeaderPos(d, index, stride), d.width, d.mask, d.valueMask, value);
    return 1;
}
std::uint32_t ReadImageFieldLE(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index,
                               std::uint32_t stride) {
    return ReadLE(image, ImagePos(d, index, stride), d.width, d.mask, d.valueMask);
}
int WriteImageFieldLE(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                      std::uint32_t stride, std::uint32_t value) {
    WriteLE(image, ImagePos(d, index, stride), d.width, d.mask, d.valueMask, value);
    return 1;
}

std::size_t ChannelFieldPosition(const ImageItemDescriptor& d, int channel) {
    const std::size_t c = static_cast<std::size_t>(std::clamp(channel, 0, ChannelCount - 1));
    return CloneImage::BlockOffset(d.block + c / 16, (c % 16) * ChannelRecordSize + d.offset);
}

std::uint32_t ReadChannelField(const ImageItemDescriptor& d, const CloneImage& image, int channel) {
    if (channel < 0 || channel >= ChannelCount) return 0;
    return ReadField(image, ChannelFieldPosition(d, channel), d.width, d.mask, d.valueMask);
}

int WriteChannelField(const ImageItemDescriptor& d, CloneImage& image, int channel, std::uint32_t value) {
    if (channel < 0 || channel >= ChannelCount) return 1;
    WriteField(image, ChannelFieldPosition(d, channel), d.width, d.mask, d.valueMask, value);
    return 1;
}

int ReadBitmapBit(const ImageItemDescriptor& bitmap, const CloneImage& image, int bit) {
    if (bit < 0) return 1;
    const std::size_t pos = ImagePosition(bitmap) + static_cast<std::size_t>(bit) / 8;
    if (!InImage(pos, 1)) return 1;
    const std::uint32_t mask = bitmap.mask << (7 - bit % 8);
    return (image[pos] & mask) ? 1 : 0;
}

int ReadBit(const CloneImage& image, int bit) {
    if (bit < 0 || bit >= ChannelCount) return 1;
    return (image[InUseBitmapOffset + bit / 8] >> (7 - bit % 8)) & 1;
}

int WriteBit(const ImageItemDescriptor& bitmap, CloneImage& image, int bit, std::uint32_t value) {
    if (bit < 0) return 1;
    const std::size_t pos = ImagePosition(bitmap) + static_cast<std::size_t>(bit) / 8;
    if (!InImage(pos, 1)) return 1;
    const std::uint32_t m = bitmap.mask << (7 - bit % 8);
    image[pos] = static_cast<std::uint8_t>((image[pos] & ~m) | ((value & 1) << (7 - bit % 8)));
    return 1;
}

int LastUsedChannel(const CloneImage& image) {
    int last = -1;
    for (int c = 0; c < ChannelCount; ++c)
        if (ReadBit(image, c) == 0) last = c;
    return last;
}

std::string ReadChannelName(const CloneImage& image, int channel) {
    if (channel < 0 || channel >= ChannelCount) return {};
    return Text8At(image, CloneImage::BlockOffset(0, channel * ChannelRecordSize + ChannelNameOffset));
}

int WriteChannelName(CloneImage& image, int channel, std::string_view text) {
    if (channel >= 0 && channel < ChannelCount)
        WriteText8At(image, CloneImage::BlockOffset(0, channel * ChannelRecordSize + ChannelNameOffset),
                     text);
    return 1;
}

std::string ReadImageText8(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index,
                           std::uint32_t stride) {
    return Text8At(image, ImagePos(d, index, stride));
}

int WriteImageText8(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                    std::uint32_t stride, std::string_view text) {
    WriteText8At(image, ImagePos(d, index, stride), text);
    return 1;
}

int ReadRaw8(const ImageItemDescriptor& d, const CloneImage& image, std::uint8_t* buffer) {
    const std::size_t pos = ImagePosition(d);
    if (InImage(pos, 8)) std::memcpy(buffer, image.data() + pos, 8);
    return 1;
}

int WriteRaw8(const ImageItemDescriptor& d, CloneImage& image, const std::uint8_t* buffer) {
    const std::size_t pos = ImagePosition(d);
    if (InImage(pos, 8)) std::memcpy(image.data() + pos, buffer, 8);
    return 1;
}

std::int32_t GetSignMagnitude(const CloneImage& image) {
    std::uint32_t raw = 0;
    for (int i = 3; i >= 0; --i) raw = (raw << 8) | image[SignMagnitudeOffset + i];
    if (raw == 0xFFFFFFFFu) return 0;
    const auto magnitude = static_cast<std::int32_t>(raw & 0x7FFFFFFFu);
    return (raw & 0x80000000u) ? -magnitude : magnitude;
}

int SetSignMagnitude(CloneImage& image, std::int32_t value) {
    const std::uint32_t raw =
        value < 0 ? (static_cast<std::uint32_t>(-(std::int64_t{value})) & 0x7FFFFFFFu) | 0x80000000u
                  : static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) image[SignMagnitudeOffset + i] = static_cast<std::uint8_t>(raw >> (8 * i));
    return 1;
}

bool UsesLayoutA(const CloneImage& image) {
    return Model::IndexFromTypeCode(image) == 0;
}

}  // namespace ItemMap
