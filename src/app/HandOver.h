#pragma once
// The hand-over of a second start to the running instance: one message that
// carries a data id and the file named on the second command line as an
// absolute path, NUL-terminated, at most 500 bytes (an empty name: just the
// NUL). The receiver checks all of it before it trusts the path.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace HandOver {

inline constexpr std::size_t MaxData = 500;
inline constexpr std::uint32_t DataId = 0;
inline constexpr const char* Topic = "OpenFile";

// The message for `fileName` as given on the command line, made absolute
// against `currentFolder`. A name that does not fit is sent as an empty name
// (the running instance only comes to the front).
std::vector<char> Encode(const std::string& fileName, const std::string& currentFolder);
// The path of a message; nullopt unless the data id is 0, the data hold at
// most 500 bytes with a NUL among them, and the path is empty or absolute.
std::optional<std::string> Decode(const void* data, std::size_t size);

}  // namespace HandOver
