#pragma once
// Decoder registers of the 2-tone and 5-tone systems. The firmware does not
// compute them: for every tone it reads a pair of limits, in reference-clock
// cycles per tone period, that bracket the tone by the decode precision.
// They are recomputed whenever the tones, the precision or the reference
// clock change, and before an image is written into a radio.
#include <cstdint>

#include "image/CloneImage.h"

namespace ToneRegisters {

// An unset reference clock (0xFFFFFFFF) runs at this rate.
inline constexpr std::uint32_t DefaultReferenceClock = 11059200;
// A register with no usable tone.
inline constexpr std::uint16_t NoTone = 0xFFFF;

struct Pair {
    std::uint16_t low;
    std::uint16_t high;
    bool overflow;  // a limit did not fit 16 bits and was stored as NoTone
};

// The limits for `cycles` reference-clock cycles per tone period and a
// precision in tenths of a percent: cycles x (1 -/+ precision/1000), rounded
// half up. A limit that rounds to 0 or does not fit 16 bits becomes NoTone.
Pair Limits(double cycles, std::uint32_t precision);

// The stored clock with the unset value replaced by the default rate.
std::uint32_t EffectiveClock(std::uint32_t stored);

}  // namespace ToneRegisters

namespace TwoTone {

inline constexpr int ToneCount = 10;

// Recomputes the register pair of every 2-tone tone from its frequency (in
// tenths of Hz), the decode precision and the 2-tone reference clock.
void RecalcToneRegisters(CloneImage& image);

}  // namespace TwoTone

namespace FiveTone {

// Formats 0-13, tones 0-15 (one 32-byte tone-value row per format); the
// register pairs of a 15th format would lie over the tone values.
inline constexpr int FormatCount = 14;
inline constexpr int ToneCount = 16;

// Recomputes the register pair of every tone of every 5-tone format from its
// tone value, the scale, the decode precision and the 5-tone reference clock.
void RecalcToneRegisters(CloneImage& image);

}  // namespace FiveTone
