#pragma once
// Where the image editor shows each byte of the image: 1,088 rows of 16
// bytes (the header area, then flash blocks 0-7 and 8-15 under the radio's
// own addresses; the trailer is not shown), the page list and the address
// jump. Pure functions so that the mapping is tested without a window.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace FileDataMap {

inline constexpr int DataRows = 1088;
inline constexpr int BytesPerRow = 16;
inline constexpr int HeaderRows = 64;      // header area, 0x000-0x3FF
inline constexpr int LowFlashRow = 64;     // blocks 0-7
inline constexpr int HighFlashRow = 576;   // blocks 8-15
inline constexpr std::uint32_t LowFlashAddress = 0x2D000;
inline constexpr std::uint32_t HighFlashAddress = 0xF1000;
inline constexpr int HeaderPage = -1;  // shown as "P"
inline constexpr int LastPage = 15;

// The image offset of the first byte of a data row.
constexpr int ImageOffsetOfRow(int row) {
    return row * BytesPerRow;
}
// The address column of a data row: the EEPROM word address on even header
// rows, nothing on odd ones, the radio's flash address on the others.
std::string AddressText(int row);
// The first data row of page -1 (header area) to 15 (block p).
constexpr int FirstRowOfPage(int page) {
    return page < 0 ? 0 : LowFlashRow + 64 * page;
}
// The page the page edit's text names: "P" the header area, a whole
// hexadecimal number below 16 that block; anything else none.
std::optional<int> PageFromText(std::string_view text);
// The page edit's text of a page.
std::string PageText(int page);

// A radio address placed in the dump: header byte offsets 0-0x3FF, flash
// 0x2D000-0x2EFFF and 0xF1000-0xF2FFF; none for any other.
struct Place {
    int row;  // data row
    int col;  // byte column 0-15
    bool operator==(const Place&) const = default;
};
std::optional<Place> PlaceAddress(std::uint32_t address);

// A key typed into a byte cell: Backspace, Enter and Escape pass, a
// hexadecimal digit passes in upper case, anything else gives 0 (dropped).
int FilterCellKey(int key);
// A committed cell text: hexadecimal digits up to the first other
// character, low eight bits; no digit gives 0.
std::uint8_t ParseCellByte(std::string_view text);
// A typed address: the whole text as hexadecimal; none when it is not.
std::optional<std::uint32_t> ParseAddress(std::string_view text);

}  // namespace FileDataMap
