#pragma once
// The window-free value rules of the data-signalling dialogs: the DTMF pause
// code with its off flag, the three-digit DTMF page codes and the clamped
// FleetLink values.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/CloneImage.h"

namespace DtmfPauseCode {
// 255 when the pause code is switched off (flag 0x10 of page-9 byte 0x001),
// else the digit code 0-15 of the low nibble.
std::int32_t Get(const CloneImage& image);
// -1 writes nothing; 255 sets the off flag and nibble 0; 0-15 clears the
// flag and stores the digit.
void Set(CloneImage& image, std::int32_t value);
}  // namespace DtmfPauseCode

namespace DtmfPageCode {
inline constexpr int Count = 10;
using Digits = std::array<std::uint8_t, 3>;
// The three stored digit codes of page code n (0-9).
Digits Get(const CloneImage& image, int n);
void Set(CloneImage& image, int n, const Digits& digits);
// The text of stored digits: empty for 15, 15, 15 (no code), else three
// DTMF characters.
std::string Text(const Digits& digits);
// Why an entered text cannot be stored. Digit code 15 ("#") is the filler
// of an unused digit, so "12#" is a two-digit code and "###" no code at all.
enum class Problem { None, Incomplete, NoCode };
Problem Check(std::string_view text);
// The digits of an entered text: empty text is no code (15, 15, 15), else
// exactly three DTMF digits other than "#". Nothing when Check finds a
// problem.
std::optional<Digits> Parse(std::string_view text);
}  // namespace DtmfPageCode

namespace FleetLink {
// The shown values, clamped to their ranges both ways.
inline constexpr int OwnIdMin = 1000, OwnIdMax = 4999;
inline constexpr int FleetMin = 100, FleetMax = 349;
inline constexpr int LeadInMin = 10, LeadInMax = 2550;
int OwnIdGet(const CloneImage& image);
void OwnIdSet(CloneImage& image, int value);
int FleetGet(const CloneImage& image);
void FleetSet(CloneImage& image, int value);
int LeadInDelayGet(const CloneImage& image);
void LeadInDelaySet(CloneImage& image, int value);
// A lead-in delay as the edit shows it once left: clamped and rounded down
// to 10 ms.
int LeadInDelayOnLeave(int value);
}  // namespace FleetLink
