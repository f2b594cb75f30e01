#pragma once
// The rules of the 2-Tone Setting dialog without its window: the tone table
// texts and their conversions, the decode band check, the lead delays, the
// code plan popup's choices, and loading and saving every value through the
// item map.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"

namespace TwoToneSetting {

inline constexpr int ToneCount = 10;
inline constexpr double MinTone = 288.5, MaxTone = 3000.0;
using ToneTexts = std::array<std::string, ToneCount>;

// A tone text as the edit shows it on leaving: 0 or empty is no tone (" 0.0");
// any other number is held to 288.5-3000.0; a text that is no number is 288.5.
// ',' counts as the decimal point.
std::string CommitToneText(std::string_view text);
// The text's number (',' as '.'), 0 when it is none.
double ToneValue(std::string_view text);
// The stored tone word: tenths of Hz, 0xFFFF for no tone.
std::uint32_t ToneWord(std::string_view text);
// The decoder register of a tone of `tenths` for the reference value: the
// reference 0 gives 0xFFFF.
std::uint32_t ToneRegister(std::uint32_t tenths, std::uint32_t reference);

// Decode bands [f - f p, f + f p] of the ten tones at `precision` (tenths of
// a percent); a tone of 0 takes no part. The marks are the tones whose band
// touches or overlaps another's; all false means the bands are apart.
std::array<bool, ToneCount> OverlappingBands(const ToneTexts& tones, std::uint32_t precision);

// A lead delay as typed, on leaving its edit: held to 0-2550, cut to tens.
int CommitLeadDelay(std::string_view text);

// The code plan row the popup starts on for a tone text: the first row whose
// tone equals it, else row 0.
int CodePlanStartRow(std::string_view text);
// A chosen code plan row applied to the tones: a heading fills tones 0-9 with
// its group (the rest " 0.0"), a tone row sets only `edit`.
void ApplyCodePlanRow(int row, int edit, ToneTexts& tones);

// Every value of the dialog; a combo value of -1 (no selection) is not saved.
struct Values {
    std::int32_t decodePrecision = -1, beepRepeatInterval = -1, callBeepLevel = -1, callEncodeCode = -1,
                 autoResetBeep = -1, autoResetTime = -1;
    int leadIn = 0, leadOut = 0;  // milliseconds
    ToneTexts tones;
};
Values Load(const CloneImage& image);
// Stores the values, the tone words and registers, then recomputes the
// decoder register pairs.
void Save(CloneImage& image, const Values& values);

}  // namespace TwoToneSetting
