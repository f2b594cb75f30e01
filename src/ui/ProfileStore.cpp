#include "ui/ProfileStore.h"

namespace {
MemoryProfileStore g_memory;
ProfileStore* g_store = &g_memory;
}  // namespace

std::optional<std::string> MemoryProfileStore::Read(std::string_view section, std::string_view entry) const {
    auto it = entries_.find(std::pair{std::string(section), std::string(entry)});
    if (it == entries_.end()) return std::nullopt;
    return it->second;
}

void MemoryProfileStore::Write(std::string_view section, std::string_view entry, std::string_view value) {
    entries_[{std::string(section), std::string(entry)}] = std::string(value);
}

ProfileStore& Profile() { return *g_store; }
void SetProfileStore(ProfileStore* store) { g_store = store ? store : &g_memory; }
