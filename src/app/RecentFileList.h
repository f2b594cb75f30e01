#pragma once
// The recent-file list: four entries kept in the settings file, section
// "RecentFileList", entries "File1".."File4". An entry removed from the list
// (a file that could not be opened) is emptied in the file as well.
#include <string>
#include <vector>

class CVondelRecentFileList {
  public:
    static constexpr int Size = 4;
    static constexpr std::size_t DisplayLength = 30;
    static constexpr const char* Section = "RecentFileList";

    void ReadList();
    void WriteList() const;

    // Puts `path` first; an entry naming the same file moves up.
    void Add(const std::string& path);
    void Remove(std::size_t index);
    std::size_t Count() const { return entries_.size(); }
    const std::string& operator[](std::size_t index) const { return entries_[index]; }
    // The menu text of an entry: the path, shortened to the display length by
    // leaving out folders in the middle; the file name alone when even that
    // is too long.
    std::string DisplayName(std::size_t index) const;
    static std::string Abbreviate(const std::string& path, std::size_t length);

  private:
    std::vector<std::string> entries_;
};
