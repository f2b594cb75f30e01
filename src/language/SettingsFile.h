#pragma once
// The settings file: one XML file whose root "InitialFile" holds one element
// per section and, in it, one element per entry whose text is the value.
// The file on disk is always the truth: every write saves it, and a read
// answers from the values last parsed only while the file is unchanged on
// disk (same file, size and times); otherwise it loads the file again.
// Nothing is ever deleted.
#include <filesystem>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <utility>

class SettingsFile {
  public:
    // What a missing or damaged file is replaced by on the first write.
    static constexpr std::string_view Template =
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<InitialFile>\r\n</InitialFile>";

    explicit SettingsFile(std::filesystem::path path = {}) : path_(std::move(path)) {}

    const std::filesystem::path& Path() const { return path_; }
    void SetPath(std::filesystem::path path);

    // The value's decimal number (optional sign, leading digits); the default
    // when the entry is missing, empty or does not begin with a number.
    int GetInt(std::string_view section, std::string_view entry, int defaultValue) const;
    // The value's text; "" for an empty entry; the default when missing.
    std::string GetString(std::string_view section, std::string_view entry,
                          std::string_view defaultValue) const;

    bool WriteInt(std::string_view section, std::string_view entry, int value);
    bool WriteString(std::string_view section, std::string_view entry, std::string_view value);
    // Writes each (entry, value) into `section`, appending what is new and
    // replacing in place what exists. False when the file cannot be saved or
    // a name is not a valid element name.
    bool WriteEntries(std::string_view section, std::span<const std::pair<std::string, std::string>> entries);

    // Where a damaged file is kept before it is replaced.
    std::filesystem::path BackupPath() const;

    // How many times the file was parsed for a read (for tests and benchmarks).
    int Loads() const { return loads_; }

  private:
    struct Snapshot;
    // The values of the file as last parsed; re-read when the file changed.
    const Snapshot& Current() const;

    std::filesystem::path path_;
    mutable std::mutex mutex_;
    mutable std::shared_ptr<Snapshot> snapshot_;
    mutable int loads_ = 0;
};

// The program's settings file. The start-up names its path; until then (and
// in tests that never set one) reads give their defaults and writes fail.
SettingsFile& Profile();
void SetProfilePath(const std::filesystem::path& path);

int GetProfileInt(std::string_view section, std::string_view entry, int defaultValue);
std::string GetProfileString(std::string_view section, std::string_view entry, std::string_view defaultValue);
bool WriteProfileInt(std::string_view section, std::string_view entry, int value);
bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value);
