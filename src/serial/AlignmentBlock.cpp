#include "serial/AlignmentBlock.h"

namespace AlignmentBlock {

std::uint16_t Checksum(const CloneImage& image, std::size_t offset) {
    unsigned sum = 0;
    for (std::size_t i = 2; i < Size; ++i) sum += image[offset + i];
    return static_cast<std::uint16_t>(sum);
}

void RefreshChecksums(CloneImage& image) {
    for (const std::size_t offset : Copies) {
        const std::uint16_t sum = Checksum(image, offset);
        image[offset] = static_cast<std::uint8_t>(sum & 0xFF);
        image[offset + 1] = static_cast<std::uint8_t>(sum >> 8);
    }
}

}  // namespace AlignmentBlock
