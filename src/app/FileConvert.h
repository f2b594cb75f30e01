#pragma once
// File Convert without a window: the model fields the first step writes, the
// change level, and the copy of whole setting areas from the target
// variant's default data into the user's image.
//
// The conversion walks one ordered table of positions of the radio's own
// memory map (an EEPROM area 0xE0000-0xE1000 and a memory area
// 0x50000-0x6B000). Consecutive positions delimit one range; each range has
// a rule (always from the default, by a check box, or never) and, in this
// program, the area of the 17,664-byte image that holds the same settings,
// or no area at all (nothing is copied for it). `RegionTable()` is that
// table; FileConvert.cpp names what each row covers.
#include <cstdint>
#include <span>

#include "image/CloneImage.h"

namespace FileConvert {

// The model fields of step 1; -1 leaves a field as it is.
struct ModelChoice {
    int band = -1;       // band type x 32 + frequency type
    int product = -1;    // product type
    int capacity = -1;   // channel capacity in units of 8 channels
    int display = -1;    // channel-selector type x 16 + display type
    int keyType = -1;    // key type
};
ModelChoice CurrentChoice(const CloneImage& image);
void WriteChoice(CloneImage& image, const ModelChoice& choice);

// 1, plus 2 when the band text changed, plus 1 when the product type text changed.
int ChangeLevel(bool bandChanged, bool productChanged);

enum class Rule : std::uint8_t {
    Always,         // always from the default data
    CommonBox,      // from the default unless "Common Settings" is checked
    SignalingBox,   // from the default unless "Signaling Settings" is checked
    ChannelBox,     // unless "CH & Group & Scan List" is checked; always from change level 3 on
    Never,          // the user's data stays
};

inline constexpr std::uint32_t NoArea = 0xFFFFFFFF;
struct Region {
    std::uint32_t position;  // first radio position of the range
    Rule rule;
    std::uint32_t begin;     // image offsets of the same settings; begin NoArea: none
    std::uint32_t end;
};
// The ranges in walking order: the EEPROM area, then the memory area. A
// range ends where the next one of its area begins (its own end row last).
std::span<const Region> RegionTable();

struct Boxes {
    bool common = false, signaling = false, channels = false;
};
// Whether a range is taken from the default data.
bool Replaces(Rule rule, const Boxes& boxes, int changeLevel);
// Copies every replaced range's image area from `defaults` into `image`;
// answers the number of bytes copied. Areas outside the image copy nothing.
std::size_t ApplyRegions(CloneImage& image, const CloneImage& defaults, const Boxes& boxes, int changeLevel);

// Copies [begin, end) of `from` into `to` when the whole range lies inside
// both images; false (and nothing copied) otherwise.
bool CopyArea(CloneImage& to, const CloneImage& from, std::uint32_t begin, std::uint32_t end);

}  // namespace FileConvert
