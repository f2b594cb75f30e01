#pragma once
// Static descriptors of the items stored in the clone image. Each descriptor
// names a big-endian field of 1-4 bytes and the bits of it that belong to the
// item. The tables of the item map are constant arrays of these records.
#include <cstdint>

// An item of the header area (the radio's EEPROM).
struct HeaderItemDescriptor {
    std::uint32_t offset;     // byte offset within the header area (0-0x3FF)
    std::uint32_t width;      // bytes spanned, 1-4 (0 reads 0, writes nothing)
    std::uint32_t mask;       // bits of the big-endian word that belong to the item
    std::uint32_t valueMask;  // 0, or the bits a read keeps and a write may set
    std::uint32_t ordinal;    // index within its table
};

// An item of flash blocks 0-15.
struct ImageItemDescriptor {
    std::uint32_t block;   // 0-15
    std::uint32_t offset;  // byte offset within the block
    std::uint32_t width;
    std::uint32_t mask;
    std::uint32_t valueMask;
    std::uint32_t ordinal;
};

constexpr std::uint32_t HeaderPosition(const HeaderItemDescriptor& d) {
    return d.offset;
}
constexpr std::uint32_t ImagePosition(const ImageItemDescriptor& d) {
    return (d.block + 1) * 1024 + d.offset;
}
