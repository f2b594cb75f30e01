#include "app/HandOver.h"

#include <cstring>
#include <filesystem>

namespace HandOver {

std::vector<char> Encode(const std::string& fileName, const std::string& currentFolder) {
    std::string path;
    if (!fileName.empty()) {
        const std::filesystem::path name(fileName);
        path = (name.is_absolute() ? name : std::filesystem::path(currentFolder) / name)
                   .lexically_normal()
                   .string();
    }
    if (path.size() + 1 > MaxData || path.find('\0') != std::string::npos) path.clear();
    std::string message;
    for (int i = 0; i < 4; ++i) message += static_cast<char>((DataId >> (8 * i)) & 0xFF);
    message += path;
    message += '\0';
    return std::vector<char>(message.begin(), message.end());
}

std::optional<std::string> Decode(const void* data, std::size_t size) {
    if (!data || size < 5) return std::nullopt;
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::uint32_t id = 0;
    for (int i = 0; i < 4; ++i) id |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    if (id != DataId) return std::nullopt;
    const char* text = reinterpret_cast<const char*>(bytes + 4);
    const std::size_t length = size - 4;
    if (length > MaxData) return std::nullopt;
    const void* nul = std::memchr(text, '\0', length);
    if (!nul) return std::nullopt;
    std::string path(text, static_cast<const char*>(nul));
    if (!path.empty() && path.front() != '/') return std::nullopt;
    return path;
}

}  // namespace HandOver
