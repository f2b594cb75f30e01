#pragma once
// Checks shared by the item table tests: the shape of a descriptor table, and
// that writing an item changes exactly the bits its descriptor names.
#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"
#include "image/ItemMap.h"

namespace ItemTableChecks {

inline std::uint32_t PutBits(std::uint32_t mask, std::uint32_t valueMask) {
    return valueMask ? valueMask : mask;
}

// The expected image after a write of all ones (on 0x00) or of zero (on 0xFF)
// at `position`: all ones set exactly the put bits, zero clears the mask bits.
inline CloneImage Expected(std::uint8_t fill, std::size_t position, std::uint32_t width, std::uint32_t mask,
                           std::uint32_t valueMask) {
    CloneImage image;
    image.Fill(fill);
    for (std::uint32_t i = 0; i < width; ++i) {
        const unsigned shift = 8 * (width - 1 - i);
        const auto m = static_cast<std::uint8_t>(mask >> shift);
        const auto p = static_cast<std::uint8_t>(PutBits(mask, valueMask) >> shift);
        image[position + i] = fill == 0 ? p : static_cast<std::uint8_t>(0xFF & ~m);
    }
    return image;
}

// First differing byte, for a readable failure.
inline std::string FirstDifference(const CloneImage& a, const CloneImage& b) {
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (a[i] != b[i]) {
            char text[64];
            std::snprintf(text, sizeof text, "byte 0x%04zX: 0x%02X, expected 0x%02X", i, a[i], b[i]);
            return text;
        }
    return "none";
}

// Ordinals equal indices, the mask is non-empty and lies within the width,
// a value mask narrows a whole byte, and the item lies inside its area.
template <class D>
void ExpectWellFormed(std::span<const D> table, std::size_t areaBegin, std::size_t areaEnd) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const D& d = table[i];
        SCOPED_TRACE(testing::Message() << "ordinal " << i);
        EXPECT_EQ(d.ordinal, i);
        ASSERT_GE(d.width, 1u);
        ASSERT_LE(d.width, 4u);
        EXPECT_NE(d.mask, 0u);
        if (d.width < 4) {
            EXPECT_LT(d.mask, 1u << (8 * d.width));
        }
        // Width follows from the mask: its top byte is the first byte.
        EXPECT_NE(d.mask >> (8 * (d.width - 1)), 0u);
        if (d.valueMask != 0) {
            EXPECT_EQ(d.mask, 0xFFu);
            EXPECT_TRUE(d.valueMask == 0x1F || d.valueMask == 0x0F);
        }
        std::size_t pos = 0;
        if constexpr (std::is_same_v<D, HeaderItemDescriptor>)
            pos = HeaderPosition(d);
        else
            pos = ImagePosition(d);
        EXPECT_GE(pos, areaBegin);
        EXPECT_LE(pos + d.width, areaEnd);
    }
}

// Writes every item of a header or flash table on an image of 0x00 and of
// 0xFF and compares the whole image with the bits the descriptor names.
template <class D>
void ExpectWritesOnlyItsBits(std::span<const D> table) {
    for (const D& d : table) {
        for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
            CloneImage image;
            image.Fill(fill);
            std::size_t pos = 0;
            if constexpr (std::is_same_v<D, HeaderItemDescriptor>) {
                pos = HeaderPosition(d);
                ItemMap::WriteHeaderField(d, image, 0, 0, fill ? 0u : 0xFFFFFFFFu);
            } else {
                pos = ImagePosition(d);
                ItemMap::WriteImageField(d, image, 0, 0, fill ? 0u : 0xFFFFFFFFu);
            }
            const CloneImage expected = Expected(fill, pos, d.width, d.mask, d.valueMask);
            EXPECT_TRUE(image == expected) << "ordinal " << d.ordinal << " on fill " << int(fill) << ": "
                                           << FirstDifference(image, expected);
        }
    }
}

}  // namespace ItemTableChecks
