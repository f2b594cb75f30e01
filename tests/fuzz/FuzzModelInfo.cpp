// The model information file of the ship mode: any bytes. The file is read
// up to its first valid line; every line is refused for the first check it
// fails, and only a valid line's identity code reaches the image, where it
// changes nothing but the identity bytes (0x250C-0x2511 and the header copy
// at 0x0E-0x11). A code the serial-letter rules refuse writes nothing.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "FuzzSupport.h"
#include "app/ShipModelInfo.h"

namespace {

using namespace ShipModelInfo;

constexpr std::size_t kIdentityAt = 0x250C;
constexpr std::size_t kHeaderIdentityAt = 0x0E;
constexpr std::string_view kVersion = "1.20";

// Data files "exist" when their names end in ".pdx": the fuzzer reaches
// valid lines without touching the disk.
bool DataFileExists(const std::string& path) {
    ZT_FUZZ_PROMISE(!path.empty() && path.find('"') == std::string::npos);
    return path.size() >= 4 && path.compare(path.size() - 4, 4, ".pdx") == 0;
}

// An empty accepted version (no version text found) must match nothing.
Environment Env() { return {{std::string(kVersion), ""}, DataFileExists}; }

int HexValue(char c) {
    const char* digits = "0123456789abcdef";
    const char* at = std::strchr(digits, std::tolower(static_cast<unsigned char>(c)));
    return (c != 0 && at != nullptr) ? static_cast<int>(at - digits) : -1;
}

int LetterValue(char c) {
    const char* letters = "BCDEFGHIJKLMNQRS";
    const char* at = std::strchr(letters, std::toupper(static_cast<unsigned char>(c)));
    return (c != 0 && at != nullptr) ? static_cast<int>(at - letters) : -1;
}

// The six identity bytes a code gives (the header copy holds the last four),
// from the byte layout: two prefix nibbles, a nibble with the serial letter,
// then three hexadecimal bytes; empty for a code the rules refuse.
std::vector<std::uint8_t> ExpectedIdentityBytes(std::string_view code) {
    if (code.size() != 10) return {};
    int nibbles[10];
    for (std::size_t i = 0; i < 10; ++i) {
        nibbles[i] = i == 3 ? LetterValue(code[i]) : HexValue(code[i]);
        if (nibbles[i] < 0) return {};
    }
    auto byte = [&](int hi, int lo) { return static_cast<std::uint8_t>(hi * 16 + lo); };
    return {static_cast<std::uint8_t>(nibbles[0]), static_cast<std::uint8_t>(nibbles[1]),
            byte(nibbles[2], nibbles[3]), byte(nibbles[4], nibbles[5]),
            byte(nibbles[6], nibbles[7]), byte(nibbles[8], nibbles[9])};
}

// Every byte but the identity's, as [from, to) ranges.
constexpr std::pair<std::size_t, std::size_t> kOtherBytes[] = {
    {0, kHeaderIdentityAt}, {kHeaderIdentityAt + 4, kIdentityAt}, {kIdentityAt + 6, CloneImage::Size}};

std::string Unquoted(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

// The check a line must get: the first rule it breaks, in the file's order.
int ExpectedCheck(const Line& line) {
    const auto& f = line.fields;
    if (f.size() < 5) return TooFewFields;
    if (f[0].size() != kVersion.size() ||
        !std::equal(f[0].begin(), f[0].end(), kVersion.begin(),
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }))
        return VersionMismatch;
    const std::string file = Unquoted(f[1]);
    if (file.empty() || !DataFileExists(file)) return NoDataFile;
    if (ExpectedIdentityBytes(f[2]).empty()) return BadIdentity;
    if (f[4].empty()) return NoResultText;
    return Valid;
}

// One line (as the reader cut it): split without losing a byte, refused for
// the right reason, and its identity code written only when it is valid.
int CheckOneLine(const std::string& text, const CloneImage& image, Line& line) {
    const int check = CheckLine(text, Env(), line);
    std::string_view body = text;
    if (!body.empty() && (body.back() == '\r' || body.back() == '\n')) body.remove_suffix(1);
    std::string joined;
    for (std::size_t i = 0; i < line.fields.size(); ++i) {
        ZT_FUZZ_PROMISE(line.fields[i].find(',') == std::string::npos);
        joined += (i ? "," : "") + line.fields[i];
    }
    ZT_FUZZ_PROMISE(joined == body);
    ZT_FUZZ_PROMISE(check == ExpectedCheck(line));
    if (check == Valid) {
        ZT_FUZZ_PROMISE(line.dataFile == Unquoted(line.fields[1]));
        ZT_FUZZ_PROMISE(line.identity == line.fields[2]);
        ZT_FUZZ_PROMISE(line.resultText == line.fields[4]);
    }

    if (line.fields.size() < 3) return check;
    const std::string& code = line.fields[2];
    const std::vector<std::uint8_t> expected = ExpectedIdentityBytes(code);
    ZT_FUZZ_PROMISE(IsValidIdentity(code) == !expected.empty());
    CloneImage written = image;
    const bool wrote = WriteIdentity(written, code);
    ZT_FUZZ_PROMISE(wrote == !expected.empty());
    if (!wrote) {
        ZT_FUZZ_PROMISE(written == image);
        return check;
    }
    for (const auto& [from, to] : kOtherBytes)
        ZT_FUZZ_PROMISE(std::memcmp(written.data() + from, image.data() + from, to - from) == 0);
    ZT_FUZZ_PROMISE(std::equal(expected.begin(), expected.end(), written.data() + kIdentityAt));
    ZT_FUZZ_PROMISE(std::equal(expected.begin() + 2, expected.end(), written.data() + kHeaderIdentityAt));
    const CloneImage once = written;
    ZT_FUZZ_PROMISE(WriteIdentity(written, code) && written == once);
    return check;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // Whatever the image held before: every byte differs from its neighbour.
    CloneImage image;
    for (std::size_t at = 0; at < CloneImage::Size; ++at)
        image[at] = static_cast<std::uint8_t>(at * 7 + size);

    const auto path = Fuzz::WriteScratch("Model_info.txt", data, size);
    const FileResult read = ReadFile(path, Env());
    ZT_FUZZ_PROMISE(read.opened);

    // The lines as a text reader sees them (the last one may lack its line
    // feed), each cut to 1,023 bytes; the file ends at its first valid line.
    int check = TooFewFields;
    Line line;
    std::string resultText;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        const std::string text(bytes.substr(start, std::min<std::size_t>(end - start, 1023)));
        start = end + 1;
        check = CheckOneLine(text, image, line);
        resultText = line.fields.size() >= 5 ? line.fields[4] : std::string();
        if (check == Valid) break;
    }
    ZT_FUZZ_PROMISE(read.check == check);
    ZT_FUZZ_PROMISE(read.line.fields == line.fields);
    ZT_FUZZ_PROMISE(read.resultText == resultText);
    if (check == Valid) {
        ZT_FUZZ_PROMISE(read.line.dataFile == line.dataFile);
        ZT_FUZZ_PROMISE(read.line.identity == line.identity);
    }
    return 0;
}
