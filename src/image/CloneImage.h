#pragma once
// The clone image: one radio's whole memory as a flat 17,664-byte array.
//   bytes 0-1,023      header area = the radio's EEPROM (word w at bytes 2w, 2w+1)
//   bytes 1,024-17,407 blocks 0-15 = the radio's flash pages (page p at (p+1)*1,024)
//   bytes 17,408-      trailer, kept only in the data file
// A new image is erased memory: every byte 0xFF.
#include <array>
#include <cstddef>
#include <cstdint>

class CloneImage {
  public:
    static constexpr std::size_t Size = 17664;
    static constexpr std::size_t HeaderSize = 1024;
    static constexpr std::size_t BlockSize = 1024;
    static constexpr std::size_t BlockCount = 16;
    static constexpr std::size_t TrailerOffset = 17408;
    static constexpr std::size_t TrailerSize = 256;

    CloneImage() { Fill(0xFF); }

    void Fill(std::uint8_t value) { bytes_.fill(value); }

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    static constexpr std::size_t size() { return Size; }

    std::uint8_t& operator[](std::size_t i) { return bytes_[i]; }
    const std::uint8_t& operator[](std::size_t i) const { return bytes_[i]; }

    // Buffer offset of offset `offset` in flash block `block`.
    static constexpr std::size_t BlockOffset(std::size_t block, std::size_t offset = 0) {
        return (block + 1) * BlockSize + offset;
    }
    // The radio's flash address of a block offset, as diagnostics print it.
    static constexpr std::uint32_t FlashAddress(std::size_t block, std::size_t offset) {
        return 0xEF000u + static_cast<std::uint32_t>(block * 0x400 + offset);
    }

    bool operator==(const CloneImage&) const = default;

  private:
    std::array<std::uint8_t, Size> bytes_;
};
