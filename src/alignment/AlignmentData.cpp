#include "alignment/AlignmentData.h"

#include <algorithm>

#include "image/ItemMap.h"
#include "image/ItemsHeader.h"

namespace AlignmentData {

std::uint16_t Checksum(const CloneImage& image, Copy copy) {
    const std::size_t offset = BlockOffset(copy);
    unsigned sum = 0;
    for (std::size_t i = 2; i < BlockSize; ++i) sum += image[offset + i];
    return static_cast<std::uint16_t>(sum);
}

void UpdateAlignChecksum(CloneImage& image, Copy copy) {
    const std::uint16_t sum = Checksum(image, copy);
    image[BlockOffset(copy)] = static_cast<std::uint8_t>(sum & 0xFF);
    image[BlockOffset(copy) + 1] = static_cast<std::uint8_t>(sum >> 8);
}

void UpdateAllChecksums(CloneImage& image) {
    for (const Copy copy : {Copy::Eeprom, Copy::Page14, Copy::Page15}) UpdateAlignChecksum(image, copy);
}

void CopyBlock(CloneImage& target, Copy to, const CloneImage& source, Copy from) {
    std::copy_n(source.data() + BlockOffset(from), BlockSize, target.data() + BlockOffset(to));
}

void CopyTable(CloneImage& target, Copy to, const CloneImage& source, Copy from) {
    std::copy_n(source.data() + TableOffset(from), TableSize, target.data() + TableOffset(to));
}

void CopyBlockAndTable(CloneImage& target, Copy to, const CloneImage& source, Copy from) {
    CopyBlock(target, to, source, from);
    CopyTable(target, to, source, from);
}

int FirstChannelInUse(const CloneImage& image) {
    for (int channel = 0; channel < ItemMap::ChannelCount; ++channel)
        if (ItemMap::ReadBit(image, channel) == 0) return channel;
    return -1;
}

namespace {

const HeaderItemDescriptor& HeaderItem(const CloneImage& image, int offset) {
    auto find = [offset](const auto& layout) -> const HeaderItemDescriptor& {
        for (const auto& item : layout)
            if (item.width == 1 && static_cast<int>(item.offset) == offset) return item;
        return layout[0];
    };
    return ItemMap::ChooseLayout(image, find(ItemMap::AlignHeaderItemsA), find(ItemMap::AlignHeaderItemsB));
}

}  // namespace

std::uint32_t ReadHeaderByte(const CloneImage& image, int offset) {
    return ItemMap::ReadHeaderField(HeaderItem(image, offset), image);
}

void WriteHeaderByte(CloneImage& image, int offset, std::uint32_t value) {
    ItemMap::WriteHeaderField(HeaderItem(image, offset), image, 0, 0, value);
}

}  // namespace AlignmentData
