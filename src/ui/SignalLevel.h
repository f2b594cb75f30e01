#pragma once
// Receiver signal levels: stored as sign-magnitude bytes in dBuV (EMF),
// shown in the unit the user chooses.
#include <cstdint>
#include <string>

#include "image/CloneImage.h"
#include "image/ItemList.h"

namespace SignalLevel {

// The units (combo-box list, ended by -1) and their format texts (same values).
inline constexpr ST_DISPDATA UnitList[] = {
    {0, "dBuV(EMF)", ""}, {1, "dBuV(PD)", ""}, {2, "uV(EMF)", ""},
    {3, "uV(PD)", ""},    {4, "dBm", ""},      {-1, "", ""},
};
inline constexpr ST_DISPDATA FormatList[] = {
    {0, "%.0f", ""}, {1, "%.0f", ""}, {2, "%.2f", ""}, {3, "%.2f", ""}, {4, "%.0f", ""}, {-1, "", ""},
};

// Bit 7 the sign, bits 0-6 the magnitude.
int DecodeStored(std::uint8_t stored);
// A level in dBuV (EMF) in unit `unit`; an unknown unit keeps the value.
double Convert(double dbuvEmf, int unit);
// The stored byte converted and formatted, "+" in front of results >= 0.
std::string ToText(std::uint8_t stored, int unit);

// The reader of one level item of the image; the alignment dialogs supply
// their eight.
using LevelGetter = std::uint8_t (*)(const CloneImage&);
std::string ToText(LevelGetter getter, const CloneImage& image, int unit);

}  // namespace SignalLevel
