#include "app/VersionText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "Version.h"

namespace {

constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kFixedInfoStructVersion = 0x00010000;
// A version resource lies in the first megabytes of any real program file;
// the cap keeps a stray large file from being read whole.
constexpr std::size_t kMaxScan = 64u << 20;

std::uint32_t Le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

std::string FormatVersionText(const VersionNumbers& v) {
    char text[48];
    if (v.c == 0)
        std::snprintf(text, sizeof text, "%d.%02d", v.a, v.b);
    else
        std::snprintf(text, sizeof text, "%d.%02d.%02d", v.a, v.b, v.c);
    return text;
}

VersionNumbers GetProgramVersionNumbers() {
    return {ZT_VERSION_MAJOR, ZT_VERSION_MINOR, ZT_VERSION_PATCH};
}

std::string ProgramVersionText() {
    return FormatVersionText(GetProgramVersionNumbers());
}

bool ReadFileVersion(const std::filesystem::path& path, VersionNumbers& out) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    if (ec) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<unsigned char> bytes(std::min<std::uintmax_t>(size, kMaxScan));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    // The fixed record is 32-bit aligned inside the resource: signature,
    // structure version, then the most and least significant version words.
    for (std::size_t i = 0; i + 16 <= bytes.size(); i += 4) {
        if (Le32(&bytes[i]) != kFixedInfoSignature || Le32(&bytes[i + 4]) != kFixedInfoStructVersion)
            continue;
        const std::uint32_t ms = Le32(&bytes[i + 8]);
        const std::uint32_t ls = Le32(&bytes[i + 12]);
        out = {static_cast<int>(ms >> 16), static_cast<int>(ms & 0xFFFF), static_cast<int>(ls >> 16)};
        return true;
    }
    return false;
}

std::string FileVersionText(const std::filesystem::path& path) {
    VersionNumbers v;
    if (!ReadFileVersion(path, v)) return "0.00";
    return FormatVersionText(v);
}
