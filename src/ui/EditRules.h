#pragma once
// The rules behind the edit controls, free of any window: which typed
// characters a field accepts, how its text is corrected when the field is
// left or read, and how DTMF digits pack into the radio's nibbles. The wx
// controls in HEdit.h call these; tests call them directly.
//
// Characters are Unicode code points (what the toolkit hands to a key
// handler); texts are UTF-8.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One constant row per edit of a settings page.
struct PageControlSpec {
    std::uint32_t controlId;
    std::uint32_t digits;  // maximum text length in characters
    double min;            // min and max both 0: no range check
    double max;
    std::uint32_t kind;  // EditKind
    std::uint32_t reserved;
};

namespace EditKind {
inline constexpr std::uint32_t Any = 0, Decimal = 1, Hex = 2, Ascii = 3, Frequency = 4, DecimalNumber = 5,
                               Dtmf = 6, SubAudio = 7, FirmwareVersion = 8, NameTag = 9, SerialNumber = 10;
}

namespace EditRules {

inline constexpr char32_t Backspace = 8, Tab = 9;

// What typing one character does: drop it, insert `ch` (possibly changed,
// e.g. upper-cased), or replace the whole text and put the caret at its end.
struct Typing {
    enum Kind { Drop, Insert, Replace } kind = Drop;
    char32_t ch = 0;
    std::string text;

    static Typing Dropped() { return {}; }
    static Typing Inserted(char32_t c) { return {Insert, c, {}}; }
    static Typing Replaced(std::string t) { return {Replace, 0, std::move(t)}; }
    bool operator==(const Typing&) const = default;
};

// The character filter of kinds 0-3 (the base control's own); other kinds
// ask the subclass's filter. Returns the character to accept or 0.
char32_t BaseKindFilter(std::uint32_t kind, bool signedFlag, char32_t ch);

// Per-kind filters of the subclasses (0 drops). Each answers only for its own
// kind; the caller passes other kinds through unchanged.
char32_t FrequencyFilter(bool signedFlag, char32_t ch);  // kind 4
char32_t DoubleFilter(char32_t ch);                      // kind 5
char32_t DtmfFilter(char32_t ch);                        // kind 6
char32_t FirmwareVersionFilter(char32_t ch);             // kind 8
char32_t PageCodeFilter(char32_t ch);                    // page-code edit, any kind
char32_t Mdc1200IdFilter(bool allowF, char32_t ch);      // MDC1200 id edit
// Serial number at caret position `caret` (kind 10): the serial letter in
// the second place, digits elsewhere; the result is upper case.
char32_t SerialNumberFilter(std::size_t caret, bool signedFlag, char32_t ch);
// Sub-audio code (kind 7) typed at `caret` into `text`.
Typing SubAudioTyping(std::string_view text, std::size_t caret, char32_t ch, bool forbidB);

// ---- correction -----------------------------------------------------------

struct Corrected {
    std::string text;
    bool unchanged;  // true when the text was left as it stood
};

// Integer clamp and reformat: hexadecimal for kind 2, decimal otherwise.
Corrected FormatNumber(std::string_view text, const PageControlSpec& spec);
// Decimal number (kind 5): "," read as ".", clamped, written with `format`.
std::string CorrectDouble(std::string_view text, const PageControlSpec& spec, const char* format);
// Frequency (kind 4) before the page reads it: clamp to the range.
std::string CorrectFrequency(std::string_view text, const PageControlSpec& spec, const char* format);
// Frequency when the field is left: five decimals, at most 999.99999.
std::string FrequencyOnLeave(std::string_view text, const char* format);
// "%d.%02d.%02d.%02d" of up to four fields, each 0-99; empty stays empty.
std::string CorrectFirmwareVersion(std::string_view text);
// MDC1200 id when the field is left.
std::string Mdc1200IdOnLeave(std::string_view text, const PageControlSpec& spec, bool allowF, bool fullRange);
// "0" in front until the text is `limit` characters long.
std::string PadWithZeros(std::string_view text, std::size_t limit);

// ---- DTMF -----------------------------------------------------------------

// a-d upper-cased; the text ends at the first non-DTMF character.
std::string NormalizeDtmf(std::string_view text);
// Digit code 0-15 of a DTMF character, -1 for any other.
int DtmfCode(char c);
// Packs the digits into (digits + 2) / 2 bytes: count in the high nibble of
// byte 0, digit 0 in its low nibble, then two digits a byte, high first. A
// text of more than 15 digits, or more than the buffer holds, packs nothing.
std::vector<std::uint8_t> PackDtmf(std::string_view text, std::uint32_t digits);
// The digits of a packed buffer (reads no further than the buffer).
std::string UnpackDtmf(std::span<const std::uint8_t> packed);

// ---- serial number --------------------------------------------------------

bool IsSerialLetter(char32_t ch);
// Exactly 8 characters: a digit, a serial letter, six digits.
bool IsValidSerialNumber(std::string_view text);
// The text a paste puts into a serial-number field of `limit` characters, or
// nothing when the paste must do nothing. Two trailing characters beyond the
// limit (a line end) are dropped first.
std::optional<std::string> SerialNumberPaste(std::string_view clip, std::size_t limit);

// ---- shared parsing -------------------------------------------------------

// Whole-text numbers: optional sign and digits only (no blanks, no prefix).
std::optional<long long> ParseWholeDecimal(std::string_view text);
std::optional<long long> ParseWholeHex(std::string_view text);
// Optional sign, digits with at most one ".", at least one digit.
std::optional<double> ParseWholeDouble(std::string_view text);
// printf of one double with a caller's format such as "%.5f".
std::string FormatDouble(const char* format, double value);

}  // namespace EditRules
