#include "app/IniFile.h"

#include <cctype>
#include <climits>
#include <fstream>
#include <sstream>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionOf(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// Key and value of a "key=value" line.
std::optional<std::pair<std::string_view, std::string_view>> EntryOf(std::string_view line) {
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return std::pair{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

}  // namespace

IniFile IniFile::Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return Parse(text.str());
}

IniFile IniFile::Parse(std::string_view text) {
    IniFile file;
    file.lineEnd_ = text.find("\r\n") != std::string_view::npos || text.find('\n') == std::string_view::npos
                        ? "\r\n"
                        : "\n";
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        file.lines_.emplace_back(line);
        start = end + 1;
    }
    return file;
}

std::optional<std::string> IniFile::Get(std::string_view section, std::string_view key) const {
    bool inSection = false;
    for (const auto& line : lines_) {
        if (auto name = SectionOf(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (auto entry = EntryOf(line); entry && SameName(entry->first, key)) {
            std::string_view value = entry->second;
            if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                value.back() == value.front())
                value = value.substr(1, value.size() - 2);
            return std::string(value);
        }
    }
    return std::nullopt;
}

std::string IniFile::GetString(std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    auto value = Get(section, key);
    return value ? *value : std::string(defaultValue);
}

int IniFile::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = Get(section, key);
    if (!value) return defaultValue;
    std::size_t i = 0;
    bool negative = false;
    if (i < value->size() && ((*value)[i] == '-' || (*value)[i] == '+')) negative = (*value)[i++] == '-';
    long long number = 0;
    for (; i < value->size() && std::isdigit(static_cast<unsigned char>((*value)[i])); ++i)
        number = std::min<long long>(number * 10 + ((*value)[i] - '0'), INT_MAX);
    return static_cast<int>(negative ? -number : number);
}

void IniFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string line = std::string(key) + "=" + std::string(value);
    bool inSection = false;
    std::size_t insertAt = lines_.size();
    bool sectionFound = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (auto name = SectionOf(lines_[i])) {
            if (inSection) break;
            inSection = SameName(*name, section);
            if (inSection) {
                sectionFound = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) continue;
        if (auto entry = EntryOf(lines_[i]); entry && SameName(entry->first, key)) {
            lines_[i] = line;
            return;
        }
        if (!Trim(lines_[i]).empty()) insertAt = i + 1;
    }
    if (!sectionFound) {
        if (!lines_.empty() && lines_.back().empty()) lines_.pop_back();
        lines_.push_back("[" + std::string(section) + "]");
        insertAt = lines_.size();
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string IniFile::Text() const {
    std::string text;
    for (const auto& line : lines_) text += line + lineEnd_;
    return text;
}
