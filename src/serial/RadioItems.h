#pragma once
// The image items the radio link itself looks at: the item map's own
// descriptors, named for what the link reads them as.
#include <array>
#include <cstdint>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"

namespace RadioItems {

// Flash page 8 0x106, the whole serial-number word: the model code of the
// series in its upper 16 bits.
inline constexpr const ImageItemDescriptor& ModelCodeField = ItemMap::SystemItems[7];
// Header byte 3: the radio variant; a normal-mode radio holds 0 or 1.
inline constexpr const HeaderItemDescriptor& VariantByte = ItemMap::HeaderInfoItems[3];
// Page 8 0x10C (the item map's SerialNumberWord): the product code checked
// before an unattended write.
inline constexpr const ImageItemDescriptor& ProductCode = ItemMap::SystemItems[16];
// The item map's tables are indexed by position: a reordering shows here.
static_assert(ModelCodeField.block == 8 && ModelCodeField.offset == 0x106 && ModelCodeField.width == 4);
static_assert(VariantByte.offset == 0x03 && VariantByte.width == 1);
static_assert(ProductCode.block == 8 && ProductCode.offset == 0x10C && ProductCode.width == 2);
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
