#include "app/ShipModelInfo.h"

#include <cctype>
#include <fstream>

#include "image/ItemDescriptor.h"
#include "image/ItemMap.h"

namespace ShipModelInfo {

namespace {
int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::vector<std::string> Split(std::string_view text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        fields.emplace_back(text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

// The identity's places in the image: block-8 bytes 0x10C-0x111 and the
// header copy at 0x0E-0x11.
constexpr ImageItemDescriptor kImagePrefix{8, 0x10C, 2, 0xFFFF, 0, 0};
constexpr ImageItemDescriptor kImageHigh{8, 0x10E, 1, 0xF0, 0, 0};
constexpr ImageItemDescriptor kImageLetter{8, 0x10E, 1, 0x0F, 0, 0};
constexpr ImageItemDescriptor kImageByte{8, 0x10F, 1, 0xFF, 0, 0};
constexpr ImageItemDescriptor kImageWord{8, 0x110, 2, 0xFFFF, 0, 0};
constexpr HeaderItemDescriptor kHeaderHigh{0x0E, 1, 0xF0, 0, 0};
constexpr HeaderItemDescriptor kHeaderLetter{0x0E, 1, 0x0F, 0, 0};
constexpr HeaderItemDescriptor kHeaderByte{0x0F, 1, 0xFF, 0, 0};
constexpr HeaderItemDescriptor kHeaderWord{0x10, 2, 0xFFFF, 0, 0};
}  // namespace

int SerialLetterValue(char letter) {
    letter = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    if (letter >= 'B' && letter <= 'N') return letter - 'B';
    if (letter == 'Q') return 13;
    if (letter == 'R') return 14;
    if (letter == 'S') return 15;
    return -1;
}

bool IsValidIdentity(std::string_view code) {
    if (code.size() != 10) return false;
    for (std::size_t i = 0; i < code.size(); ++i)
        if (i == 3 ? SerialLetterValue(code[i]) < 0 : Hex(code[i]) < 0) return false;
    return true;
}

bool WriteIdentity(CloneImage& image, std::string_view code) {
    if (!IsValidIdentity(code)) return false;
    auto hex = [&](std::size_t from, std::size_t count) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < count; ++i) v = v * 16 + static_cast<std::uint32_t>(Hex(code[from + i]));
        return v;
    };
    const std::uint32_t prefix = static_cast<std::uint32_t>(Hex(code[0])) * 256 + static_cast<std::uint32_t>(Hex(code[1]));
    const std::uint32_t high = hex(2, 1), letter = static_cast<std::uint32_t>(SerialLetterValue(code[3]));
    const std::uint32_t byte = hex(4, 2), word = hex(6, 4);
    ItemMap::WriteImageField(kImagePrefix, image, 0, 0, prefix);
    ItemMap::WriteImageField(kImageHigh, image, 0, 0, high);
    ItemMap::WriteImageField(kImageLetter, image, 0, 0, letter);
    ItemMap::WriteImageField(kImageByte, image, 0, 0, byte);
    ItemMap::WriteImageField(kImageWord, image, 0, 0, word);
    ItemMap::WriteHeaderField(kHeaderHigh, image, 0, 0, high);
    ItemMap::WriteHeaderField(kHeaderLetter, image, 0, 0, letter);
    ItemMap::WriteHeaderField(kHeaderByte, image, 0, 0, byte);
    ItemMap::WriteHeaderField(kHeaderWord, image, 0, 0, word);
    return true;
}

int CheckLine(std::string_view text, const Environment& env, Line& out) {
    if (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.remove_suffix(1);
    out = {};
    out.fields = Split(text);
    if (out.fields.size() < 5) return TooFewFields;
    bool versionOk = false;
    for (const auto& v : env.versions)
        if (!v.empty() && EqualNoCase(out.fields[0], v)) versionOk = true;
    out.resultText = out.fields[4];
    if (!versionOk) return VersionMismatch;
    for (char c : out.fields[1])
        if (c != '"') out.dataFile += c;
    if (out.dataFile.empty() || !env.fileExists || !env.fileExists(out.dataFile)) return NoDataFile;
    out.identity = out.fields[2];
    if (!IsValidIdentity(out.identity)) return BadIdentity;
    if (out.fields[4].empty()) return NoResultText;
    return Valid;
}

FileResult ReadFile(const std::filesystem::path& path, const Environment& env) {
    FileResult result;
    std::ifstream in(path, std::ios::binary);
    if (!in) return result;
    result.opened = true;
    std::string text;
    while (std::getline(in, text)) {
        if (text.size() > 1023) text.resize(1023);
        result.check = CheckLine(text, env, result.line);
        result.resultText = result.line.fields.size() >= 5 ? result.line.fields[4] : std::string();
        if (result.check == Valid) break;
    }
    return result;
}

}  // namespace ShipModelInfo
