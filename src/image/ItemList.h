#pragma once
// Item lists: constant arrays that map a stored value to the words shown for
// it. Combo boxes, grid column lists and the printout all use them. A list
// used by a combo box ends with a row whose value is -1.
#include <cstdint>
#include <span>

struct ST_DISPDATA {
    std::int32_t value;
    const char* text;
    const char* text2;
};

using ItemList = std::span<const ST_DISPDATA>;

inline constexpr std::int32_t ItemListEnd = -1;
