#pragma once
// The image items the radio link itself looks at, as item-map descriptors.
#include <array>
#include <cstdint>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace RadioItems {

// Flash page 8: the model code of the series in the upper 16 bits.
inline constexpr ImageItemDescriptor ModelCodeField{8, 0x106, 4, 0xFFFFFFFF, 0, 0};
// Header byte 3: the radio variant; a normal-mode radio holds 0 or 1.
inline constexpr HeaderItemDescriptor VariantByte{0x03, 1, 0xFF, 0, 0};
// The product code checked before an unattended write.
inline constexpr ImageItemDescriptor ProductCode{8, 0x10C, 2, 0xFFFF, 0, 0};
inline constexpr std::uint32_t ShipProductCodes[] = {0x0204, 0x0205, 0x0206, 0x0207};
// The programming password: its flag (1 = none) and six hex digits.
struct Password {
    int flag = 1;
    std::array<int, 6> digits{};
};
Password PasswordOf(const CloneImage& image);
// EEPROM word 511: 5A A5 once a write into the radio has completed.
inline constexpr std::uint16_t CompletionWord = 511;
inline constexpr std::uint8_t CompletionMarker[2] = {0x5A, 0xA5};
inline constexpr std::uint8_t IncompleteMarker[2] = {0xFF, 0xFF};

}  // namespace RadioItems
