#pragma once
// The language file: an XML file whose root carries `xml:lang`, `screenfont`
// and `printfont`; the root's children are groups, their children entries
// named "RID_<number>" with `string` (screen text), `print` and `base`
// children. Several children of one kind are joined with "\r\n". External
// entities and document types are never fetched.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language/LangTable.h"

namespace LanguageFile {

struct Contents {
    std::string language;                   // xml:lang
    std::optional<std::string> screenFont;  // cut to 31 bytes
    std::optional<std::string> printFont;
    std::vector<std::pair<int, LangTableItem>> entries;  // in file order
};

// Reads a file. False with a message naming the file when it is missing,
// not well-formed XML, or its root names no language.
bool Parse(const std::filesystem::path& path, Contents& out, std::string& error);

// The number after every "RID_" is removed, leading digits only; 0 when none.
int RidOfEntryName(std::string_view name);
// At most 31 bytes, never splitting a character.
std::string CutFaceName(std::string_view name);

}  // namespace LanguageFile
