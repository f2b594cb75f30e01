#pragma once
// The related items of a grid column or control: pairs of a name and a value
// from the related-items file ("Pardex_USA.xml" in the program folder). For an
// element name K the file's first element K, at any depth, holds the children
// NAME and VALUE, each a comma-separated list; the n-th name goes with the
// n-th value. The file is read once and again only when it changed on disk;
// a missing or damaged file gives empty texts, logged once. External
// entities are never resolved.
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class wxXmlDocument;

inline constexpr const char* RelatedItemsFileName = "Pardex_USA.xml";
inline constexpr int RelatedRows = 9;

// The element name of a grid column: the channel grid (dialog 134) and the
// group grid (140); "" for any other column or dialog.
std::string_view RelatedElementName(int dialogId, int column);
// The control key of a related item: (control id mod 10) x 100 + base + offset.
constexpr int RelatedKey(int controlId, int base, int offset) {
    return (controlId % 10) * 100 + base + offset;
}
// Rows 1 to 9 of a column for a comma-separated list: the parts in order,
// empty ones included, at most 9; a text without a comma fills row 1.
std::array<std::string, RelatedRows> SplitRelatedList(std::string_view text);

struct RelatedItem {
    std::string name, value;
    bool operator==(const RelatedItem&) const = default;
};

class RelatedItemsFile {
  public:
    explicit RelatedItemsFile(std::filesystem::path path);
    ~RelatedItemsFile();

    const std::filesystem::path& Path() const { return path_; }
    // The text of child `childName` of the first element `elementName`;
    // `fallback` when there is none or the file cannot be read.
    std::string ReadText(std::string_view elementName, std::string_view childName,
                         std::string_view fallback = {});
    // The related item of `rid` for `elementName`, kept per RID until the
    // file changes on disk.
    RelatedItem ForRID(int rid, std::string_view elementName);
    // How many times the file has been parsed.
    int LoadCount() const { return loads_; }

  private:
    // Parses the file again when it changed on disk; false when there is
    // nothing to read.
    bool Refresh();

    std::filesystem::path path_;
    std::unique_ptr<wxXmlDocument> document_;
    std::unordered_map<int, RelatedItem> cache_;
    std::filesystem::file_time_type stamp_{};
    std::uintmax_t size_ = 0;
    bool known_ = false;  // stamp_ and size_ describe the last look at the file
    bool failureLogged_ = false;
    int loads_ = 0;
};
