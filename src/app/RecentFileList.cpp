#include "app/RecentFileList.h"

#include <algorithm>
#include <filesystem>

#include "language/SettingsFile.h"

namespace fs = std::filesystem;

namespace {
std::string EntryName(int i) {
    return "File" + std::to_string(i);
}
}  // namespace

void CVondelRecentFileList::ReadList() {
    entries_.clear();
    for (int i = 1; i <= Size; ++i) {
        std::string path = GetProfileString(Section, EntryName(i), "");
        if (!path.empty()) entries_.push_back(std::move(path));
    }
}

void CVondelRecentFileList::WriteList() const {
    for (int i = 1; i <= Size; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        // An entry removed from the list is emptied in the file too, so a dead
        // file does not come back at the next start.
        const std::string entry = index < entries_.size() ? entries_[index] : std::string();
        if (!entry.empty() || !GetProfileString(Section, EntryName(i), "").empty())
            WriteProfileString(Section, EntryName(i), entry);
    }
}

void CVondelRecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    std::error_code ec;
    const fs::path added = fs::weakly_canonical(path, ec);
    auto same = [&](const std::string& entry) {
        std::error_code e;
        return entry == path || (!ec && fs::weakly_canonical(entry, e) == added && !e);
    };
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), same), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > static_cast<std::size_t>(Size)) entries_.resize(Size);
}

void CVondelRecentFileList::Remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string CVondelRecentFileList::DisplayName(std::size_t index) const {
    return index < entries_.size() ? Abbreviate(entries_[index], DisplayLength) : std::string();
}

std::string CVondelRecentFileList::Abbreviate(const std::string& path, std::size_t length) {
    if (path.size() <= length) return path;
    const fs::path p(path);
    const std::string name = p.filename().string();
    // Keep the first folder and as many trailing folders as fit.
    std::vector<std::string> parts;
    for (const auto& part : p.parent_path()) parts.push_back(part.string());
    std::string head = p.is_absolute() && parts.size() > 1 ? "/" + parts[1] : (parts.empty() ? "" : parts[0]);
    std::string tail = "/" + name;
    std::string best;
    if (head.size() + 4 + tail.size() <= length) best = head + "/..." + tail;
    for (std::size_t i = parts.size(); i-- > 2;) {
        const std::string longer = "/" + parts[i] + tail;
        if (head.size() + 4 + longer.size() > length) break;
        tail = longer;
        best = head + "/..." + tail;
    }
    return best.empty() ? name : best;
}
