#include "image/TagCharRule.h"

#include <atomic>

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool IsAsciiAlnum(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
}

char32_t AsciiUpper(char32_t c) {
    return (c >= U'a' && c <= U'z') ? c - 0x20 : c;
}

bool IsAsciiSign(char32_t c, std::u32string_view signs) {
    return c != 0 && signs.find(c) != signs.npos;
}

// Code page 1251, bytes 0x80-0xFF, as Unicode (0x98 is unassigned).
constexpr char32_t Cp1251High[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // 0xC0 А-З
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // 0xC8 И-П
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // 0xD0 Р-Ч
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // 0xD8 Ш-Я
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // 0xE0 а-з
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // 0xE8 и-п
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // 0xF0 р-ч
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // 0xF8 ш-я
};

// The code-page-1251 byte of a character, -1 when the code page lacks it.
int ToCp1251(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    for (int i = 0; i < 128; ++i)
        if (Cp1251High[i] == c) return 0x80 + i;
    return -1;
}

char32_t FromCp1251(std::uint8_t b) {
    if (b < 0x80) return b;
    const char32_t c = Cp1251High[b - 0x80];
    return c ? c : b;
}

std::atomic<const MultiLangTagCharRule*>& CurrentSlot() {
    static std::atomic<const MultiLangTagCharRule*> slot{&DefaultTagCharRule::Instance()};
    return slot;
}

}  // namespace

// ---- UTF-8 ----------------------------------------------------------------------------

namespace TagUtf8 {

std::u32string Decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        // Lead byte: number of continuation bytes, payload bits, smallest
        // value that needs this length (anything less is an overlong form).
        int extra = 0;
        char32_t c = 0;
        char32_t min = 0;
        if ((b0 & 0xE0) == 0xC0) {
            extra = 1;
            c = b0 & 0x1F;
            min = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2;
            c = b0 & 0x0F;
            min = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3;
            c = b0 & 0x07;
            min = 0x10000;
        } else {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        bool ok = i + extra < text.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (b & 0x3F);
        }
        if (!ok || c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(Replacement);
            ++i;
            continue;
        }
        out.push_back(c);
        i += extra + 1;
    }
    return out;
}

void Append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace TagUtf8

// ---- the rules ------------------------------------------------------------------------

char32_t MultiLangTagCharRule::NormalizeChar(char32_t c) const {
    return IsValidChar(c) ? ToUpper(c) : U' ';
}

int MultiLangTagCharRule::CharByteCount(char32_t) const {
    return 1;
}

std::string MultiLangTagCharRule::ConvertString(const std::uint8_t* codes, std::size_t count) const {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t c = RadioToPc(codes[i]);
        if (c == 0) break;
        TagUtf8::Append(text, c);
    }
    return text;
}

std::string MultiLangTagCharRule::ConvertString(std::string_view codes) const {
    return ConvertString(reinterpret_cast<const std::uint8_t*>(codes.data()), codes.size());
}

const DefaultTagCharRule& DefaultTagCharRule::Instance() {
    static const DefaultTagCharRule rule;
    return rule;
}

bool DefaultTagCharRule::IsValidChar(char32_t c) const {
    if (c >= 128) return false;
    return IsAsciiAlnum(c) || IsAsciiSign(c, U"_ <>+-*/%=:");
}

// The text side is the radio byte itself: U+0000-U+00FF.
std::uint16_t DefaultTagCharRule::PcToRadio(char32_t c) const {
    return c <= 0xFF ? static_cast<std::uint16_t>(c) : 0;
}

char32_t DefaultTagCharRule::RadioToPc(std::uint8_t code) const {
    return code;
}

char32_t DefaultTagCharRule::ToUpper(char32_t c) const {
    return AsciiUpper(c);
}

CyrillicTagCharRule::CyrillicTagCharRule() {
    // Capitals А-Е at 0x80-0x85, Ё at 0x86, Ж-Я at 0x87-0xA0; small letters
    // map to their capitals' codes but have no way back.
    for (int i = 0; i < 32; ++i) {
        const auto code = static_cast<std::uint8_t>(i < 6 ? 0x80 + i : 0x81 + i);
        textToRadio_[0xC0 + i] = code;
        radioToText_[code] = static_cast<std::uint8_t>(0xC0 + i);
        textToRadio_[0xE0 + i] = code;
    }
    textToRadio_[0xA8] = 0x86;
    radioToText_[0x86] = 0xA8;
    textToRadio_[0xB8] = 0x86;
}

const CyrillicTagCharRule& CyrillicTagCharRule::Instance() {
    static const CyrillicTagCharRule rule;
    return rule;
}

bool CyrillicTagCharRule::IsValidChar(char32_t c) const {
    const int b = ToCp1251(c);
    if (b < 0) return false;
    if (b >= 128) return textToRadio_[b] != 0;
    return IsAsciiAlnum(c) || IsAsciiSign(c, U"[]_ %<>*+-/");
}

std::uint16_t CyrillicTagCharRule::PcToRadio(char32_t c) const {
    const int b = ToCp1251(c);
    if (b < 0) return 0;
    return textToRadio_[b] ? textToRadio_[b] : static_cast<std::uint16_t>(b);
}

char32_t CyrillicTagCharRule::RadioToPc(std::uint8_t code) const {
    return FromCp1251(radioToText_[code] ? radioToText_[code] : code);
}

char32_t CyrillicTagCharRule::ToUpper(char32_t c) const {
    if (c >= 0x0430 && c <= 0x044F) return c - 0x20;  // а-я
    if (c == 0x0451) return 0x0401;                   // ё
    return AsciiUpper(c);
}

const MultiLangTagCharRule& CurrentTagCharRule() {
    return *CurrentSlot().load();
}

void SetCurrentTagCharRule(const MultiLangTagCharRule& rule) {
    CurrentSlot().store(&rule);
}

void SelectTagCharRuleForCharsetClass(int charsetClass) {
    if (charsetClass == 3)
        SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    else
        SetCurrentTagCharRule(DefaultTagCharRule::Instance());
}

// ---- tag strings ----------------------------------------------------------------------

KXTagString::KXTagString(std::string_view text) : text_(NormalizeText(text)) {
    Encode();
}

KXTagString::KXTagString(std::string_view text, int fixedLength)
    : text_(NormalizeText(text)), codeLength_(fixedLength < 0 ? -1 : fixedLength) {
    Encode();
    RefreshText();
}

std::string KXTagString::NormalizeText(std::string_view text) {
    const MultiLangTagCharRule& rule = CurrentTagCharRule();
    std::string out;
    for (char32_t c : TagUtf8::Decode(text)) {
        const char32_t n = rule.NormalizeChar(c);
        if (n != 0) TagUtf8::Append(out, n);
    }
    return out;
}

void KXTagString::Encode() {
    const MultiLangTagCharRule& rule = CurrentTagCharRule();
    std::vector<std::uint8_t> bytes;
    for (char32_t c : TagUtf8::Decode(text_)) {
        const std::uint16_t code = rule.PcToRadio(c);
        if (code == 0) continue;
        if (code > 0xFF) bytes.push_back(static_cast<std::uint8_t>(code >> 8));
        bytes.push_back(static_cast<std::uint8_t>(code & 0xFF));
    }
    const std::size_t length = codeLength_ == -1 ? bytes.size() : static_cast<std::size_t>(codeLength_);
    bytes.resize(length, 0x20);  // cut, or pad with spaces
    codes_ = std::move(bytes);
    codeLength_ = static_cast<int>(length);
}

void KXTagString::RefreshText() {
    text_ = CurrentTagCharRule().ConvertString(codes_.data(), codes_.size());
}

std::string TagCodesToText(std::string_view codes) {
    constexpr char kErased = '\xFF';
    std::string shown(codes);
    for (char& c : shown)
        if (c == kErased) c = ' ';
    return CurrentTagCharRule().ConvertString(shown);
}

std::string TagTextToCodes(std::string_view text, int length) {
    return KXTagString(text, length).CodeBytes();
}
