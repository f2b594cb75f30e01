#include "ui/EditRules.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "image/TextUtil.h"

namespace EditRules {
namespace {

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool IsHexDigit(char32_t c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char32_t Upper(char32_t c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

std::string CommaToDot(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == ',') c = '.';
    return s;
}

bool NoRange(const PageControlSpec& spec) {
    return spec.min == 0 && spec.max == 0;
}

std::string FormatInt(const char* format, long long value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, format, static_cast<long long>(value));
    return buf;
}

// Hex format for a field of `digits` characters: "%X" up to 1, "%0nX" for
// 2-8, "%02X" beyond.
std::string FormatHex(long long value, std::uint32_t digits) {
    int width = digits <= 1 ? 0 : digits <= 8 ? static_cast<int>(digits) : 2;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%0*llX", width, static_cast<unsigned long long>(value));
    return buf;
}

// Reads the signed decimal number at the start of `s` from `pos`; saturates
// instead of overflowing. Advances `pos` past what it read.
long long ReadLeadingDecimal(std::string_view s, std::size_t& pos) {
    std::size_t p = pos;
    bool neg = false;
    if (p < s.size() && (s[p] == '-' || s[p] == '+')) {
        neg = s[p] == '-';
        ++p;
    }
    std::size_t digitsStart = p;
    long long v = 0;
    while (p < s.size() && IsDigit(static_cast<unsigned char>(s[p]))) {
        if (v < 1'000'000'000'000LL) v = v * 10 + (s[p] - '0');
        ++p;
    }
    if (p == digitsStart) return 0;  // no number here: nothing consumed
    pos = p;
    return neg ? -v : v;
}

}  // namespace

// ---- parsing --------------------------------------------------------------

std::optional<long long> ParseWholeDecimal(std::string_view text) {
    std::size_t start = 0;
    if (!text.empty() && text[0] == '+') start = 1;
    if (start == text.size() || (start == 1 && text[1] == '-')) return std::nullopt;
    long long value = 0;
    auto s = text.substr(start);
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ptr != s.data() + s.size()) return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return s[0] == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    if (ec != std::errc()) return std::nullopt;
    return value;
}

std::optional<long long> ParseWholeHex(std::string_view text) {
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (!IsHexDigit(static_cast<unsigned char>(c))) return std::nullopt;
    unsigned long long value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (ec == std::errc::result_out_of_range ||
        value > static_cast<unsigned long long>(std::numeric_limits<long long>::max()))
        return std::numeric_limits<long long>::max();
    if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
    return static_cast<long long>(value);
}

std::optional<double> ParseWholeDouble(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    int digits = 0, dots = 0;
    for (std::size_t j = i; j < text.size(); ++j) {
        char c = text[j];
        if (IsDigit(static_cast<unsigned char>(c)))
            ++digits;
        else if (c == '.')
            ++dots;
        else
            return std::nullopt;
    }
    if (digits == 0 || dots > 1) return std::nullopt;
    std::string s(text.substr(text[0] == '+' ? 1 : 0));
    double value = 0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
    return value;
}

std::string FormatDouble(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format ? format : "%g", value);
    return buf;
}

// ---- typing filters -------------------------------------------------------

char32_t BaseKindFilter(std::uint32_t kind, bool signedFlag, char32_t ch) {
    switch (kind) {
        case EditKind::Any:
            return ch;
        case EditKind::Decimal:
            return IsDigit(ch) || (signedFlag && ch == '-') ? ch : 0;
        case EditKind::Hex:
            return IsHexDigit(ch) ? ch : 0;
        case EditKind::Ascii:
            return ch < 128 ? ch : 0;
        default:
            return ch;
    }
}

char32_t FrequencyFilter(bool signedFlag, char32_t ch) {
    return IsDigit(ch) || ch == '.' || ch == ',' || (signedFlag && ch == '-') ? ch : 0;
}

char32_t DoubleFilter(char32_t ch) {
    return IsDigit(ch) || ch == '.' || ch == ',' ? ch : 0;
}

char32_t DtmfFilter(char32_t ch) {
    return IsDigit(ch) || (ch >= 'A' && ch <= 'D') || (ch >= 'a' && ch <= 'd') || ch == '*' || ch == '#' ? ch
                                                                                                         : 0;
}

char32_t FirmwareVersionFilter(char32_t ch) {
    return IsDigit(ch) || ch == '.' ? ch : 0;
}

char32_t PageCodeFilter(char32_t ch) {
    if (ch >= 128) return 0;
    return ch < 0x20 || ch == 0x7F || IsHexDigit(ch) || ch == 'p' || ch == 'P' ? ch : 0;
}

char32_t Mdc1200IdFilter(bool allowF, char32_t ch) {
    if (!IsHexDigit(ch)) return 0;
    if ((ch == 'f' || ch == 'F') && !allowF) return 0;
    return ch;
}

bool IsSerialLetter(char32_t ch) {
    return (ch >= 'B' && ch <= 'N') || ch == 'Q' || ch == 'R' || ch == 'S';
}

char32_t SerialNumberFilter(std::size_t caret, bool signedFlag, char32_t ch) {
    if (ch >= 128) return 0;
    char32_t u = Upper(ch);
    if (caret == 1) return IsSerialLetter(u) ? u : 0;
    return IsDigit(u) || (signedFlag && u == '-') ? u : 0;
}

Typing SubAudioTyping(std::string_view text, std::size_t caret, char32_t ch, bool forbidB) {
    if (ch >= 128) return Typing::Dropped();
    char32_t u = Upper(ch);
    if (caret <= 1) {
        if (u == 'C') return Typing::Replaced("C-");
        if (u == 'D') return Typing::Replaced("D-");
        return Typing::Dropped();
    }
    if (!text.empty() && text[0] == 'D') {
        std::string_view allowed = forbidB ? "01234567NI" : "01234567NIB";
        std::size_t after = caret <= text.size() ? text.size() - caret : 0;
        if (after >= 6) return Typing::Dropped();
        bool inSet = allowed.find(static_cast<char>(u)) != std::string_view::npos;
        if (caret <= 4) return inSet && u >= '0' && u <= '7' ? Typing::Inserted(u) : Typing::Dropped();
        return inSet ? Typing::Inserted(u) : Typing::Dropped();
    }
    if (caret == 2 || caret == 6) return IsDigit(u) ? Typing::Inserted(u) : Typing::Dropped();
    return IsDigit(u) || u == '.' ? Typing::Inserted(u) : Typing::Dropped();
}

// ---- correction -----------------------------------------------------------

Corrected FormatNumber(std::string_view text, const PageControlSpec& spec) {
    if (NoRange(spec) || text.empty()) return {std::string(text), true};
    const auto min = static_cast<long long>(spec.min), max = static_cast<long long>(spec.max);
    if (spec.kind == EditKind::Hex) {
        auto v = ParseWholeHex(text);
        long long value = !v || *v < min ? min : *v > max ? max : *v;
        return {FormatHex(value, spec.digits), false};
    }
    auto v = ParseWholeDecimal(text);
    if (!v || *v < min) return {FormatInt("%lld", min), false};
    if (*v > max) return {FormatInt("%lld", max), false};
    return {std::string(text), true};
}

std::string CorrectDouble(std::string_view text, const PageControlSpec& spec, const char* format) {
    if (spec.kind != EditKind::DecimalNumber) return FormatNumber(text, spec).text;
    auto v = ParseWholeDouble(CommaToDot(text));
    double value;
    if (NoRange(spec))
        value = v ? *v : 0.0;
    else
        value = !v || *v < spec.min ? spec.min : *v > spec.max ? spec.max : *v;
    return FormatDouble(format, value);
}

std::string CorrectFrequency(std::string_view text, const PageControlSpec& spec, const char* format) {
    if (spec.kind != EditKind::Frequency) {
        if (NoRange(spec) || text.empty()) return std::string(text);
        auto v = ParseWholeDecimal(text);
        const auto min = static_cast<long long>(spec.min), max = static_cast<long long>(spec.max);
        long long value = !v || *v < min ? min : *v > max ? max : *v;
        return FormatInt("%lld", value);
    }
    if (NoRange(spec) || text.empty()) return std::string(text);
    std::string s = CommaToDot(text);
    auto v = ParseWholeDouble(s);
    if (!v || *v < spec.min) return FormatDouble(format, spec.min);
    if (*v > spec.max) return FormatDouble(format, spec.max);
    return s;
}

std::string FrequencyOnLeave(std::string_view text, const char* format) {
    double value = ParseWholeDouble(CommaToDot(text)).value_or(0.0);
    bool negative = value < 0;
    double scaled = std::fabs(value) * 100000.0;
    long long count = scaled >= 2147483647.0 ? 2147483647LL : std::llround(scaled);
    if (count > 99'999'999) count = 99'999'999;
    double result = static_cast<double>(count) / 100000.0;
    // A value that rounds to nothing is plain zero, never "-0.00000".
    if (negative && count != 0) result = -result;
    return FormatDouble(format, result);
}

std::string CorrectFirmwareVersion(std::string_view text) {
    if (text.empty()) return {};
    int fields[4] = {0, 0, 0, 0};
    std::size_t pos = 0;
    for (int f = 0; f < 4 && pos < text.size(); ++f) {
        long long v = ReadLeadingDecimal(text, pos);
        fields[f] = v < 0 ? 0 : v > 99 ? 99 : static_cast<int>(v);
        if (pos < text.size()) ++pos;  // the separator
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d.%02d.%02d.%02d", fields[0], fields[1], fields[2], fields[3]);
    return buf;
}

std::string Mdc1200IdOnLeave(std::string_view text, const PageControlSpec& spec, bool allowF,
                             bool fullRange) {
    PageControlSpec hex = spec;
    hex.kind = EditKind::Hex;
    if (allowF) {
        hex.max = 65535;
        std::string s = FormatNumber(text, hex).text;
        if (!s.empty() && s[0] == 'E') s[0] = 'D';
        return s;
    }
    if (fullRange) {
        hex.max = 65535;
        return FormatNumber(text, hex).text;
    }
    std::string s(text);
    for (char& c : s) c = static_cast<char>(Upper(static_cast<unsigned char>(c)));
    if (s.find('F') != std::string::npos) s = "0";
    return FormatNumber(s, hex).text;
}

std::string PadWithZeros(std::string_view text, std::size_t limit) {
    std::string s(text);
    if (s.size() < limit) s.insert(0, limit - s.size(), '0');
    return s;
}

// ---- DTMF -----------------------------------------------------------------

int DtmfCode(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'D') return c - 'A' + 10;
    if (c >= 'a' && c <= 'd') return c - 'a' + 10;
    if (c == '*') return 14;
    if (c == '#') return 15;
    return -1;
}

std::string NormalizeDtmf(std::string_view text) {
    std::string out(text);
    TextUtil::NormalizeDtmfString(out);
    return out;
}

std::vector<std::uint8_t> PackDtmf(std::string_view text, std::uint32_t digits) {
    std::vector<std::uint8_t> buf((digits + 2) / 2, 0);
    std::string d = NormalizeDtmf(text);
    // Byte 0 holds one digit, every further byte two.
    const std::size_t capacity = buf.empty() ? 0 : buf.size() * 2 - 1;
    if (d.size() > 15 || d.size() > capacity) return buf;
    if (d.empty()) return buf;  // a zero count
    buf[0] = static_cast<std::uint8_t>(d.size() << 4);
    for (std::size_t i = 0; i < d.size(); ++i) {
        auto code = static_cast<std::uint8_t>(DtmfCode(d[i]));
        if (i == 0)
            buf[0] |= code;
        else if (i % 2 == 1)
            buf[(i + 1) / 2] |= static_cast<std::uint8_t>(code << 4);
        else
            buf[(i + 1) / 2] |= code;
    }
    return buf;
}

std::string UnpackDtmf(std::span<const std::uint8_t> packed) {
    static constexpr char kDigits[] = "0123456789ABCD*#";
    if (packed.empty()) return {};
    const std::size_t count = packed[0] >> 4;
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t byte = i == 0 ? 0 : (i + 1) / 2;
        if (byte >= packed.size()) break;
        int code = i == 0 ? packed[0] & 0x0F : i % 2 == 1 ? packed[byte] >> 4 : packed[byte] & 0x0F;
        out.push_back(kDigits[code]);
    }
    return out;
}

// ---- serial number --------------------------------------------------------

bool IsValidSerialNumber(std::string_view text) {
    if (text.size() != 8) return false;
    for (std::size_t i = 0; i < 8; ++i) {
        auto c = static_cast<unsigned char>(text[i]);
        if (i == 1 ? !IsSerialLetter(c) : !IsDigit(c)) return false;
    }
    return true;
}

std::optional<std::string> SerialNumberPaste(std::string_view clip, std::size_t limit) {
    if (clip.size() == limit + 2) clip.remove_suffix(2);
    if (clip.size() != limit || !IsValidSerialNumber(clip)) return std::nullopt;
    return std::string(clip);
}

}  // namespace EditRules
