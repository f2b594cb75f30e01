#include "serial/TransferList.h"

#include <algorithm>

namespace TransferList {

namespace {

constexpr Row kUploadWords[] = {
    {0, {1, 1, 1}}, {416, {0, 1, 1}}, {511, {1, 1, 1}}, {512, {0, 0, 0}}, {-1, {}}};
constexpr Row kUploadPages[] = {{0, {0, 1, 1}}, {8, {1, 1, 1}}, {16, {0, 0, 0}}, {-1, {}}};

// The radio's own areas that a write keeps: read from the radio first.
constexpr Row kPreReadWords[] = {{0, {1, 1, 1}},   {3, {1, 1, 1}},   {6, {1, 1, 1}},   {12, {1, 1, 0}},
                                 {20, {0, 1, 0}},  {24, {1, 1, 1}},  {48, {0, 0, 0}},  {88, {1, 1, 0}},
                                 {96, {0, 0, 0}},  {100, {0, 0, 0}}, {104, {0, 0, 0}}, {128, {0, 0, 0}},
                                 {256, {0, 0, 0}}, {260, {0, 0, 0}}, {264, {0, 0, 0}}, {272, {0, 0, 0}},
                                 {276, {1, 1, 0}}, {288, {1, 1, 1}}, {416, {0, 0, 0}}, {511, {0, 0, 0}},
                                 {-1, {}}};
constexpr Row kPreReadPages[] = {{0, {0, 0, 0}},  {8, {1, 1, 1}},  {9, {1, 1, 1}},  {10, {0, 0, 0}},
                                 {11, {1, 1, 0}}, {12, {0, 0, 0}}, {13, {0, 0, 0}}, {14, {1, 1, 1}},
                                 {15, {1, 1, 1}}, {16, {0, 0, 0}}, {-1, {}}};

constexpr std::uint8_t U = Unattended;
constexpr Row kWriteWords[] = {{0, {1, 0, 1}},   {3, {0, 1, 1}},   {6, {0, 1, 0}},   {9, {0, 0, 0}},
                               {12, {0, 0, 1}},  {20, {1, 1, 1}},  {24, {U, U, U}},  {48, {0, 0, 0}},
                               {88, {1, 1, 1}},  {96, {1, 1, 1}},  {100, {1, 1, 1}}, {104, {1, 1, 1}},
                               {128, {1, 1, 1}}, {256, {1, 1, 1}}, {260, {1, 1, 1}}, {264, {1, 1, 1}},
                               {272, {1, 1, 1}}, {276, {0, 0, 1}}, {288, {U, U, U}}, {416, {0, 0, 0}},
                               {511, {0, 0, 0}}, {512, {0, 0, 0}}, {-1, {}}};
constexpr Row kWritePages[] = {{0, {1, 1, 1}},  {8, {1, 1, 1}},  {9, {1, 1, 1}},  {10, {1, 1, 1}},
                               {11, {1, 1, 1}}, {12, {1, 1, 1}}, {13, {1, 1, 1}}, {14, {1, 1, 1}},
                               {15, {1, 1, 1}}, {16, {0, 0, 0}}, {-1, {}}};

bool Enabled(const Row& row, int column, bool unattended) {
    const std::uint8_t flag = row.enabled[column];
    return flag == On || (flag == Unattended && unattended);
}

}  // namespace

int Lists::Units() const {
    int units = static_cast<int>(words.size());
    for (const auto& range : pages) units += 3 * (range.last - range.first + 1);
    return units;
}

std::vector<Range> Walk(const Table& table, int serviceMode, bool unattended) {
    const int column = (serviceMode >= 0 && serviceMode <= 2) ? serviceMode : 0;
    const auto& rows = table.rows;
    std::vector<Range> ranges;
    auto count = static_cast<std::size_t>(
        std::find_if(rows.begin(), rows.end(), [](const Row& r) { return r.start < 0; }) - rows.begin());
    for (std::size_t i = 0; i < count; ++i) {
        const bool enabled = Enabled(rows[i], column, unattended);
        if (!enabled && !(i == 0 && table.firstRowAlwaysAdds)) continue;
        std::size_t j = i + 1;
        if (enabled)
            while (j < count && Enabled(rows[j], column, unattended)) ++j;
        if (j >= count) break;  // a table always ends with a disabled row
        ranges.push_back(
            {static_cast<std::uint16_t>(rows[i].start), static_cast<std::uint16_t>(rows[j].start - 1)});
        i = enabled ? j : i;
    }
    return ranges;
}

std::vector<Range> SplitWords(const std::vector<Range>& ranges) {
    std::vector<Range> entries;
    for (const auto& range : ranges)
        for (int first = range.first; first <= range.last; first += MaxWordsPerEntry)
            entries.push_back(
                {static_cast<std::uint16_t>(first),
                 static_cast<std::uint16_t>(std::min<int>(first + MaxWordsPerEntry - 1, range.last))});
    return entries;
}

Lists Build(const Table& words, const Table& pages, int serviceMode, bool unattended) {
    return {SplitWords(Walk(words, serviceMode, unattended)), Walk(pages, serviceMode, unattended)};
}

Lists UploadLists(int serviceMode) {
    return Build({kUploadWords}, {kUploadPages, true}, serviceMode);
}

Lists DownloadPreReadLists(int serviceMode) {
    return Build({kPreReadWords}, {kPreReadPages}, serviceMode);
}

Lists DownloadWriteLists(int serviceMode, bool unattended) {
    return Build({kWriteWords}, {kWritePages}, serviceMode, unattended);
}

}  // namespace TransferList
