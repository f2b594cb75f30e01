#pragma once
// A small reader and writer of INI files ("[section]" and "key=value" lines)
// with the lookup rules of the classic profile calls: section and key names
// match without regard to case, values are trimmed and lose one pair of
// surrounding quotes.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniFile {
  public:
    // An empty file when `path` cannot be read.
    static IniFile Load(const std::filesystem::path& path);
    static IniFile Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const;
    // Leading decimal digits of the value (optional sign); the default when
    // the key is missing, 0 when the value does not begin with a number.
    int GetInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Replaces the key's value in place, or adds it at the end of its section
    // (the section is added at the end of the file when missing).
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // The text with the file's own line ends (CR LF for a new file).
    std::string Text() const;

  private:
    std::vector<std::string> lines_;
    std::string lineEnd_ = "\r\n";
};
