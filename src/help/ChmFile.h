#pragma once
// A compiled HTML help file (".chm"), read only: the files inside it by their
// path. Paths inside the file may be written with backslashes or slashes,
// with or without the leading separator, and may hold "." and ".."; letter
// case does not matter.
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct chmFile;

class ChmFile {
  public:
    // Null when the file is missing, unreadable or not a help file.
    static std::unique_ptr<ChmFile> Open(const std::filesystem::path& path);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    bool Contains(std::string_view inner) const;
    // The bytes of the file at `inner`; nothing when it is not there, is
    // larger than the limit or cannot be read whole.
    std::optional<std::string> Read(std::string_view inner) const;
    // The topic the help file opens at, as its project named it; "" when
    // the file names none.
    std::string DefaultTopic() const;

    // Larger files inside a help file are refused (a damaged length field
    // must not make the program allocate gigabytes).
    static constexpr std::size_t MaxObjectSize = 32u << 20;

  private:
    ChmFile(chmFile* handle, std::filesystem::path path) : handle_(handle), path_(std::move(path)) {}
    chmFile* handle_;
    std::filesystem::path path_;
};

// "/a/b/c.htm" from "a\b\.\x\..\c.htm": slashes, one leading slash, "." and
// ".." resolved ("..": never above the root), any "#anchor" or "?query" after
// a name cut ("/#SYSTEM" stays).
std::string NormalizeInnerPath(std::string_view inner);
