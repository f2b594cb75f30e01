#include "app/FileDataMap.h"

#include <cstdio>

namespace FileDataMap {

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Hex5(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%05X", value);
    return text;
}
}  // namespace

std::string AddressText(int row) {
    if (row < 0 || row >= DataRows) return {};
    if (row < HeaderRows) return row % 2 == 0 ? Hex5(static_cast<std::uint32_t>(8 * row)) : std::string{};
    if (row < HighFlashRow) return Hex5(LowFlashAddress + static_cast<std::uint32_t>(BytesPerRow * (row - LowFlashRow)));
    return Hex5(HighFlashAddress + static_cast<std::uint32_t>(BytesPerRow * (row - HighFlashRow)));
}

std::optional<int> PageFromText(std::string_view text) {
    if (text == "P") return HeaderPage;
    if (text.empty()) return std::nullopt;
    int value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + digit;
        if (value > LastPage) return std::nullopt;
    }
    return value;
}

std::string PageText(int page) {
    if (page < 0) return "P";
    char text[16];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(page));
    return text;
}

std::optional<Place> PlaceAddress(std::uint32_t address) {
    const int col = static_cast<int>(address % BytesPerRow);
    if (address <= 0x3FF) return Place{static_cast<int>(address / BytesPerRow), col};
    if (address >= LowFlashAddress && address <= 0x2EFFF)
        return Place{LowFlashRow + static_cast<int>((address - LowFlashAddress) / BytesPerRow), col};
    if (address >= HighFlashAddress && address <= 0xF2FFF)
        return Place{HighFlashRow + static_cast<int>((address - HighFlashAddress) / BytesPerRow), col};
    return std::nullopt;
}

int FilterCellKey(int key) {
    if (key == 8 || key == 13 || key == 27) return key;
    if (key > 0 && key < 128 && HexDigit(static_cast<char>(key)) >= 0)
        return key >= 'a' && key <= 'f' ? key - 'a' + 'A' : key;
    return 0;
}

std::uint8_t ParseCellByte(std::string_view text) {
    unsigned value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) break;
        value = (value * 16 + static_cast<unsigned>(digit)) & 0xFFFFu;
    }
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::optional<std::uint32_t> ParseAddress(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace FileDataMap
