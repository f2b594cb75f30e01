#pragma once
// An image whose tone area is cleared, the 2-tone tables at known values.
#include <cstdint>

#include "image/CloneImage.h"
#include "image/ItemsTone.h"

namespace ToneFixture {

inline constexpr std::size_t Block10 = CloneImage::BlockOffset(10);

inline CloneImage ClearedImage() {
    CloneImage image;  // erased: variant 0 (product type 3, keypad type 15)
    for (std::size_t i = 0; i < CloneImage::BlockSize; ++i) image[Block10 + i] = 0;
    return image;
}

inline std::uint8_t& B10(CloneImage& image, std::size_t offset) {
    return image[Block10 + offset];
}

}  // namespace ToneFixture
