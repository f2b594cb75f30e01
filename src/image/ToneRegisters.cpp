#include "image/ToneRegisters.h"

#include <cmath>
#include <cstdio>

#include "image/ImageHost.h"
#include "image/ItemAccessors.h"
#include "image/ItemsTone.h"

namespace ToneRegisters {
namespace {

std::uint16_t Register(double value, bool& overflow) {
    const double rounded = std::floor(value + 0.5);
    if (rounded <= 0) return NoTone;
    if (rounded > 0xFFFF) {
        overflow = true;
        return NoTone;
    }
    return static_cast<std::uint16_t>(rounded);
}

void LogOverflow(const char* system, int format, int tone, double cycles) {
    char line[128];
    if (format < 0)
        std::snprintf(line, sizeof line, "%s tone %d: decoder register %.1f exceeds 16 bits, stored 0xFFFF",
                      system, tone, cycles);
    else
        std::snprintf(line, sizeof line,
                      "%s format %d tone %d: decoder register %.1f exceeds 16 bits, stored 0xFFFF", system,
                      format, tone, cycles);
    Host().Log(line);
}

}  // namespace

Pair Limits(double cycles, std::uint32_t precision) {
    const double fraction = precision / 1000.0;
    Pair pair{NoTone, NoTone, false};
    pair.low = Register(cycles * (1.0 - fraction), pair.overflow);
    pair.high = Register(cycles * (1.0 + fraction), pair.overflow);
    return pair;
}

std::uint32_t EffectiveClock(std::uint32_t stored) {
    return stored == 0xFFFFFFFFu ? DefaultReferenceClock : stored;
}

}  // namespace ToneRegisters

namespace {

using ToneRegisters::NoTone;

// The 2-tone register pairs have no accessor of their own: tone i's pair is
// the record i (4 bytes) of the low and high register items.
const ImageItemDescriptor& kTone2Low = ItemMap::Tone2TableItems[10];   // 0x2C80 + 4i
const ImageItemDescriptor& kTone2High = ItemMap::Tone2TableItems[11];  // 0x2C82 + 4i

}  // namespace

namespace TwoTone {

void RecalcToneRegisters(CloneImage& image) {
    const std::uint32_t clock = ToneRegisters::EffectiveClock(ItemMap::GetTone2ReferenceClock(image));
    const std::uint32_t precision = ItemMap::GetTone2DecodePrecision(image);
    for (int i = 0; i < ToneCount; ++i) {
        const std::uint32_t word = ItemMap::GetPackBytesLE(image, i);  // tenths of Hz
        ToneRegisters::Pair pair{NoTone, NoTone, false};
        if (word != 0 && word != 0xFFFF && clock != 0) {
            const double cycles = clock * 10.0 / word;
            pair = ToneRegisters::Limits(cycles, precision);
            if (pair.overflow) ToneRegisters::LogOverflow("2-tone", -1, i, cycles);
        }
        ItemMap::SetTableWord(kTone2Low, image, i, 4, pair.low);
        ItemMap::SetTableWord(kTone2High, image, i, 4, pair.high);
    }
}

}  // namespace TwoTone

namespace FiveTone {

void RecalcToneRegisters(CloneImage& image) {
    const std::uint32_t clock = ToneRegisters::EffectiveClock(ItemMap::GetTone5ReferenceClock(image));
    const std::uint32_t precision = ItemMap::GetTone5DecodePrecision(image);
    const std::uint32_t scale = ItemMap::Get16FromPair(image);
    for (int n = 0; n < FormatCount; ++n) {
        for (int k = 0; k < ToneCount; ++k) {
            std::uint32_t value = ItemMap::GetTone5ToneValue(image, n, k);
            if (value == 0xFFFF) value = 0;
            const double hz = std::floor(static_cast<double>(value) * scale / 10000.0 + 0.5);
            ToneRegisters::Pair pair{NoTone, NoTone, false};
            if (hz > 0 && clock != 0) {
                const double cycles = clock / hz;
                pair = ToneRegisters::Limits(cycles, precision);
                if (pair.overflow) ToneRegisters::LogOverflow("5-tone", n, k, cycles);
            }
            ItemMap::SetTone5RegisterLow(image, n, k, pair.low);
            ItemMap::SetTone5RegisterHigh(image, n, k, pair.high);
        }
    }
}

}  // namespace FiveTone
