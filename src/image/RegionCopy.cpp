#include "image/RegionCopy.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "image/ImageHost.h"

namespace ItemMap {
namespace {

// Every region must end within its own block at the next entry, and the
// table must be closed, or a copy could run into a neighbouring block.
constexpr bool RegionTableIsSound() {
    constexpr std::size_t n = std::size(RegionTable);
    if (RegionTable[n - 1].region != RegionTableEnd) return false;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const RegionEntry& e = RegionTable[i];
        if (e.region == RegionTableEnd) return false;
        if (e.region < 0) continue;
        const RegionEntry& next = RegionTable[i + 1];
        if (next.region == RegionTableEnd || next.block != e.block || next.offset <= e.offset ||
            next.offset > CloneImage::BlockSize)
            return false;
    }
    return true;
}
static_assert(RegionTableIsSound(), "region table entries must end within their block");

}  // namespace

bool FindRegion(int region, RegionRange& range) {
    if (region < 0) return false;
    for (std::size_t i = 0; RegionTable[i].region != RegionTableEnd; ++i) {
        const RegionEntry& e = RegionTable[i];
        if (e.region != region) continue;
        const RegionEntry& next = RegionTable[i + 1];
        range = {e.block, e.offset, next.offset};
        return true;
    }
    return false;
}

int CopyRegion(CloneImage& destination, const CloneImage& source, int region) {
    RegionRange range{};
    if (!FindRegion(region, range)) return 0;
    const std::size_t first = CloneImage::BlockOffset(range.block, range.first);
    const std::size_t end = CloneImage::BlockOffset(range.block, range.end);
    std::copy(source.data() + first, source.data() + end, destination.data() + first);

    char line[64];
    std::snprintf(line, sizeof line, "  memcpy staddr=x%04X, edaddr=x%04X",
                  CloneImage::FlashAddress(range.block, range.first),
                  CloneImage::FlashAddress(range.block, range.end - 1));
    Host().Log(line);
    return 1;
}

}  // namespace ItemMap
