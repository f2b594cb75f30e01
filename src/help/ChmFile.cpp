#include "help/ChmFile.h"

#include <chm_lib.h>

#include <cstdint>
#include <vector>

std::string NormalizeInnerPath(std::string_view inner) {
    // An anchor or query after a page name is not part of the path; a name
    // that begins with "#" ("#SYSTEM") is.
    const auto slash = inner.find_last_of("/\\");
    const auto cut = inner.find_first_of("#?", slash == std::string_view::npos ? 1 : slash + 2);
    if (cut != std::string_view::npos) inner = inner.substr(0, cut);
    std::vector<std::string> parts;
    std::string part;
    auto flush = [&] {
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (char c : inner) {
        if (c == '/' || c == '\\')
            flush();
        else
            part += c;
    }
    flush();
    std::string out;
    for (const auto& p : parts) out += "/" + p;
    return out.empty() ? "/" : out;
}

std::unique_ptr<ChmFile> ChmFile::Open(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
    chmFile* handle = chm_open(path.c_str());
    if (!handle) return nullptr;
    return std::unique_ptr<ChmFile>(new ChmFile(handle, path));
}

ChmFile::~ChmFile() {
    chm_close(handle_);
}

bool ChmFile::Contains(std::string_view inner) const {
    chmUnitInfo info{};
    const std::string path = NormalizeInnerPath(inner);
    return chm_resolve_object(handle_, path.c_str(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<std::string> ChmFile::Read(std::string_view inner) const {
    chmUnitInfo info{};
    const std::string path = NormalizeInnerPath(inner);
    if (chm_resolve_object(handle_, path.c_str(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
    if (info.length > MaxObjectSize) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(info.length), '\0');
    LONGUINT64 done = 0;
    while (done < info.length) {
        const LONGINT64 got =
            chm_retrieve_object(handle_, &info, reinterpret_cast<unsigned char*>(bytes.data()) + done, done,
                                static_cast<LONGINT64>(info.length - done));
        if (got <= 0) return std::nullopt;
        done += static_cast<LONGUINT64>(got);
    }
    return bytes;
}

std::string ChmFile::DefaultTopic() const {
    // "#SYSTEM": a 4-byte version, then records {16-bit code, 16-bit length,
    // data}; code 2 holds the default topic, NUL-terminated.
    const auto system = Read("/#SYSTEM");
    if (!system || system->size() < 4) return {};
    const auto& s = *system;
    auto u16 = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(s[at])) |
               static_cast<unsigned>(static_cast<unsigned char>(s[at + 1])) << 8;
    };
    std::size_t at = 4;
    while (at + 4 <= s.size()) {
        const unsigned code = u16(at), length = u16(at + 2);
        at += 4;
        if (at + length > s.size()) break;
        if (code == 2) {
            std::string topic = s.substr(at, length);
            topic.resize(topic.find('\0') == std::string::npos ? topic.size() : topic.find('\0'));
            return topic;
        }
        at += length;
    }
    return {};
}
