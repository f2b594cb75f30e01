#include "app/FileConvert.h"

#include <algorithm>
#include <cstring>

#include "image/ItemsSystem.h"

namespace FileConvert {

ModelChoice CurrentChoice(const CloneImage& image) {
    ModelChoice c;
    c.band = static_cast<int>(ItemMap::GetBandType(image) * 32 + ItemMap::GetFrequencyType(image));
    c.product = static_cast<int>(ItemMap::GetProductType(image));
    c.capacity = static_cast<int>(ItemMap::GetMaxCh(image));
    c.display = static_cast<int>(ItemMap::GetChSelectorType(image) * 16 + ItemMap::GetDisplayType(image));
    c.keyType = static_cast<int>(ItemMap::GetKeypadType(image));
    return c;
}

void WriteChoice(CloneImage& image, const ModelChoice& c) {
    if (c.band >= 0) {
        ItemMap::SetBandType(image, static_cast<std::uint32_t>((c.band >> 5) & 0x07));
        ItemMap::SetFrequencyType(image, static_cast<std::uint32_t>(c.band & 0x1F));
    }
    if (c.product >= 0) ItemMap::SetProductType(image, static_cast<std::uint32_t>(c.product));
    if (c.capacity >= 0) ItemMap::SetMaxCh(image, static_cast<std::uint32_t>(c.capacity));
    if (c.display >= 0) {
        ItemMap::SetChSelectorType(image, static_cast<std::uint32_t>((c.display >> 4) & 0x0F));
        ItemMap::SetDisplayType(image, static_cast<std::uint32_t>(c.display & 0x0F));
    }
    if (c.keyType >= 0) ItemMap::SetKeypadType(image, static_cast<std::uint32_t>(c.keyType));
}

int ChangeLevel(bool bandChanged, bool productChanged) {
    return 1 + (bandChanged ? 2 : 0) + (productChanged ? 1 : 0);
}

namespace {
using R = Rule;
constexpr std::uint32_t None = NoArea;

// The radio's positions, their rules, and the image area of each range.
// Header offsets are EEPROM bytes; 0x0400-0x23FF are the channel records of
// blocks 0-7; block b (8-15) begins at 0x0400 + 0x400 b. Ranges this image
// has no counterpart for map to no area.
constexpr Region kRegions[] = {
    // ---- EEPROM area -------------------------------------------------------------
    {0xE0000, R::Always, 0x0000, 0x0030},   // radio information (model type code, version)
    {0xE0040, R::Always, None, 0},          // adjustment and trimming: the radio's own
    {0xE0200, R::Always, 0x00B0, 0x00C0},   // backup area
    {0xE0220, R::Always, 0x00C0, 0x00C8},   // set mode data
    {0xE0230, R::Always, 0x00C8, 0x00D0},   // 2-tone backup
    {0xE0240, R::Always, 0x00D0, 0x0100},   // 5-tone backup
    {0xE0280, R::Always, None, 0},
    {0xE02B0, R::Always, None, 0},
    {0xE03B0, R::Always, None, 0},
    {0xE0430, R::Always, None, 0},
    {0xE0450, R::Always, None, 0},
    {0xE04E0, R::ChannelBox, 0x0200, 0x0208},  // group allocation
    {0xE06E0, R::ChannelBox, 0x0208, 0x0210},  // group scan allocation
    {0xE0720, R::ChannelBox, 0x0210, 0x0220},  // scan allocation
    {0xE0820, R::ChannelBox, 0x0220, 0x0228},  // priority channels
    {0xE0830, R::ChannelBox, 0x0228, 0x0230},  // group status
    {0xE0870, R::Always, None, 0},
    {0xE0880, R::Always, None, 0},
    {0xE0FF8, R::Never, 0x03FE, 0x0400},  // EEPROM condition
    {0xE1000, R::Never, None, 0},         // end of the EEPROM area
    // ---- memory area ---------------------------------------------------------------
    {0x50000, R::Always, 0x2400, 0x2418},      // block 8: radio information
    {0x50050, R::Always, 0x2418, 0x2468},      // hardware parameters
    {0x500B0, R::Always, 0x2468, 0x24A8},      // PLL data
    {0x500F0, R::Always, 0x24A8, 0x24B8},      // FQ0801 data
    {0x50100, R::Always, 0x24B8, 0x24E8},      // squelch threshold offsets
    {0x50200, R::Always, 0x24E8, 0x2500},      // editor area
    {0x50250, R::Always, 0x2500, 0x2520},      // hardware 2 (identity)
    {0x50280, R::Always, None, 0},
    {0x502A0, R::CommonBox, 0x2520, 0x25AC},   // general settings
    {0x502C0, R::CommonBox, 0x25AC, 0x25B0},   // options
    {0x50300, R::CommonBox, 0x25B0, 0x25D0},   // emergency
    {0x50320, R::CommonBox, 0x25D0, 0x2800},   // password and the rest of block 8
    {0x50368, R::ChannelBox, 0x3D20, 0x3D80},  // group name tags
    {0x50370, R::CommonBox, 0x4000, 0x4100},   // display tag
    {0x50384, R::CommonBox, None, 0},
    {0x503B0, R::CommonBox, None, 0},
    {0x503C0, R::CommonBox, None, 0},
    {0x503E0, R::Always, None, 0},
    {0x50400, R::SignalingBox, 0x2800, 0x2870},  // block 9: DTMF speed dial
    {0x50520, R::SignalingBox, 0x2870, 0x2880},  // DTMF ANI
    {0x50530, R::SignalingBox, 0x2880, 0x2900},  // MDC1200 system
    {0x50600, R::SignalingBox, 0x2900, 0x2C00},  // FleetLink
    {0x50800, R::SignalingBox, 0x2C00, 0x2C80},  // block 10: 2-tone encode table and its data
    {0x50880, R::SignalingBox, 0x2C80, 0x2D00},  // 2-tone decode table
    {0x50900, R::SignalingBox, 0x2D00, 0x2D20},  // 2-tone setting
    {0x50A00, R::SignalingBox, 0x2D20, 0x2DA0},  // 2-tone systems
    {0x50E00, R::SignalingBox, 0x2DA0, 0x2E20},  // 2-tone decode
    {0x50F00, R::SignalingBox, 0x2E20, 0x3000},  // 2-tone encode
    {0x51000, R::SignalingBox, 0x3000, 0x3040},  // block 11: 5-tone table data
    {0x51200, R::SignalingBox, 0x3040, 0x3400},  // 5-tone decode table
    {0x51400, R::SignalingBox, 0x3400, 0x3600},  // block 12: 5-tone encode table
    {0x51600, R::SignalingBox, 0x3600, 0x3800},  // 5-tone systems
    {0x51A00, R::SignalingBox, 0x3800, 0x3820},  // block 13: 5-tone common
    {0x51E00, R::SignalingBox, 0x3820, 0x3940},  // 5-tone decode
    {0x52200, R::SignalingBox, 0x3940, 0x3C00},  // 5-tone encode codes
    {0x52A00, R::SignalingBox, None, 0},
    {0x53000, R::Always, None, 0},
    {0x57000, R::ChannelBox, 0x3C00, 0x3C80},  // block 14: group member lists
    {0x57200, R::ChannelBox, 0x3C80, 0x3D20},  // scan setup
    {0x58000, R::ChannelBox, 0x3D80, 0x3D90},  // channel in-use bitmap
    {0x58600, R::ChannelBox, 0x3D90, 0x3E80},  // group allocation
    {0x59400, R::ChannelBox, None, 0},
    {0x59800, R::ChannelBox, None, 0},
    {0x59C00, R::ChannelBox, None, 0},
    {0x59C80, R::ChannelBox, None, 0},
    {0x59D00, R::ChannelBox, None, 0},
    {0x59E00, R::Always, None, 0},
    {0x5A000, R::Always, None, 0},
    {0x5A200, R::Never, 0x3E80, 0x3F00},       // alignment data: the radio's own
    {0x5A400, R::Never, 0x3F00, 0x4000},       // alignment trimming
    {0x5B000, R::ChannelBox, 0x0400, 0x2400},  // blocks 0-7: the channel records
    {0x6B000, R::Never, None, 0},              // end of the memory area
};
}  // namespace

std::span<const Region> RegionTable() {
    return kRegions;
}

bool Replaces(Rule rule, const Boxes& boxes, int changeLevel) {
    switch (rule) {
        case Rule::Always:
            return true;
        case Rule::CommonBox:
            return !boxes.common;
        case Rule::SignalingBox:
            return !boxes.signaling;
        case Rule::ChannelBox:
            return changeLevel >= 3 || !boxes.channels;
        case Rule::Never:
            return false;
    }
    return false;
}

bool CopyArea(CloneImage& to, const CloneImage& from, std::uint32_t begin, std::uint32_t end) {
    if (begin >= end || end > CloneImage::Size) return false;
    std::memcpy(to.data() + begin, from.data() + begin, end - begin);
    return true;
}

std::size_t ApplyRegions(CloneImage& image, const CloneImage& defaults, const Boxes& boxes, int changeLevel) {
    std::size_t copied = 0;
    for (const Region& region : kRegions) {
        if (region.begin == NoArea || !Replaces(region.rule, boxes, changeLevel)) continue;
        if (CopyArea(image, defaults, region.begin, region.end)) copied += region.end - region.begin;
    }
    return copied;
}

}  // namespace FileConvert
