#pragma once
// Which EEPROM words and flash pages an operation transfers. Each range table
// lists row starts with an enabled flag per service mode; the ranges run from
// an enabled row up to the next row that is not enabled. Word ranges are cut
// into entries of at most 16 words; a page range is one entry.
#include <cstdint>
#include <span>
#include <vector>

namespace TransferList {

struct Range {
    std::uint16_t first;
    std::uint16_t last;
    bool operator==(const Range&) const = default;
};

// Flag values of a row: off, on, or on only after an unattended preparation.
inline constexpr std::uint8_t Off = 0, On = 1, Unattended = 2;

struct Row {
    int start;                // -1 ends the table
    std::uint8_t enabled[3];  // normal mode, service mode 1, service mode 2
};

struct Table {
    std::span<const Row> rows;
    bool firstRowAlwaysAdds = false;  // a disabled first row still adds its range
};

inline constexpr int MaxWordsPerEntry = 16;

struct Lists {
    std::vector<Range> words;
    std::vector<Range> pages;
    // Progress units: one per word entry, three per page.
    int Units() const;
};

// The ranges of `table` for the service mode (0-2; others count as 0).
std::vector<Range> Walk(const Table& table, int serviceMode, bool unattended);
// Word ranges cut into entries of 16 words.
std::vector<Range> SplitWords(const std::vector<Range>& ranges);
Lists Build(const Table& words, const Table& pages, int serviceMode, bool unattended = false);

Lists UploadLists(int serviceMode);
Lists DownloadPreReadLists(int serviceMode);
Lists DownloadWriteLists(int serviceMode, bool unattended);

}  // namespace TransferList
