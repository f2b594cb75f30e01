#pragma once
// The image items the radio link itself looks at, as item-map descriptors.
#include <cstdint>

#include "image/ItemDescriptor.h"

namespace RadioItems {

// Flash page 8: the model code of the series in the upper 16 bits.
inline constexpr ImageItemDescriptor ModelCodeField{8, 0x106, 4, 0xFFFFFFFF, 0, 0};
// Header byte 3: the radio variant; a normal-mode radio holds 0 or 1.
inline constexpr HeaderItemDescriptor VariantByte{0x03, 1, 0xFF, 0, 0};
// The product code checked before an unattended write.
inline constexpr ImageItemDescriptor ProductCode{8, 0x10C, 2, 0xFFFF, 0, 0};
inline constexpr std::uint32_t ShipProductCodes[] = {0x0204, 0x0205, 0x0206, 0x0207};
// The band limits of the radio, little-endian 16-bit values.
inline constexpr ImageItemDescriptor MinFrequency{8, 0x00C, 2, 0xFFFF, 0, 0};
inline constexpr ImageItemDescriptor MaxFrequency{8, 0x00E, 2, 0xFFFF, 0, 0};
// The programming password: bit 2 set means none; six hex digits follow.
inline constexpr ImageItemDescriptor PasswordOff{8, 0x1D0, 1, 0x04, 0, 0};
inline constexpr ImageItemDescriptor PasswordDigits[6] = {
    {8, 0x1D1, 1, 0xF0, 0, 0}, {8, 0x1D1, 1, 0x0F, 0, 1}, {8, 0x1D2, 1, 0xF0, 0, 2},
    {8, 0x1D2, 1, 0x0F, 0, 3}, {8, 0x1D3, 1, 0xF0, 0, 4}, {8, 0x1D3, 1, 0x0F, 0, 5}};
// EEPROM word 511: 5A A5 once a write into the radio has completed.
inline constexpr std::uint16_t CompletionWord = 511;
inline constexpr std::uint8_t CompletionMarker[2] = {0x5A, 0xA5};
inline constexpr std::uint8_t IncompleteMarker[2] = {0xFF, 0xFF};

}  // namespace RadioItems
