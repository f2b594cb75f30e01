#pragma once
// The settings file as the toolkit sees it: string entries by section and
// entry name. The application installs its XML settings file; until then (and
// in tests) an in-memory store serves.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The entry's text; nothing when the entry does not exist.
    virtual std::optional<std::string> Read(std::string_view section, std::string_view entry) const = 0;
    virtual void Write(std::string_view section, std::string_view entry, std::string_view value) = 0;
};

class MemoryProfileStore : public ProfileStore {
public:
    std::optional<std::string> Read(std::string_view section, std::string_view entry) const override;
    void Write(std::string_view section, std::string_view entry, std::string_view value) override;
    void Clear() { entries_.clear(); }

private:
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> entries_;
};

// The process-wide store; never null.
ProfileStore& Profile();
// Installs `store` (not owned); nullptr restores the built-in memory store.
void SetProfileStore(ProfileStore* store);
