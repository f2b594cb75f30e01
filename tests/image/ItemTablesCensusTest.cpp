// The whole item map at once: every descriptor table, its size and the area
// of the image it covers. A table that loses or gains a row, or a descriptor
// that strays out of its area, fails here.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <variant>
#include <vector>

#include "image/Image.h"

namespace {

using HeaderTable = std::span<const HeaderItemDescriptor>;
using ImageTable = std::span<const ImageItemDescriptor>;

struct TableRow {
    const char* name;
    std::variant<HeaderTable, ImageTable> table;
    std::size_t count;
    std::uint32_t first, last;  // buffer offsets of the area
};

const std::vector<TableRow>& AllTables() {
    using namespace ItemMap;
    static const std::vector<TableRow> rows = {
        {"HeaderInfoItems", HeaderTable(HeaderInfoItems), 49, 0x000, 0x02D},
        {"AlignHeaderItemsA", HeaderTable(AlignHeaderItemsA), 35, 0x030, 0x052},
        {"AlignHeaderItemsB", HeaderTable(AlignHeaderItemsB), 35, 0x030, 0x052},
        {"HeaderMiscItems", HeaderTable(HeaderMiscItems), 25, 0x0B0, 0x0BF},
        {"HeaderPanelItems", HeaderTable(HeaderPanelItems), 12, 0x0C0, 0x0C5},
        {"HeaderTone5Items", HeaderTable(HeaderTone5Items), 6, 0x0D0, 0x0F1},
        {"HeaderCopyItems", HeaderTable(HeaderCopyItems), 9, 0x103, 0x107},
        {"HeaderOptionItems", HeaderTable(HeaderOptionItems), 5, 0x200, 0x228},
        {"HeaderModelItemsA", HeaderTable(HeaderModelItemsA), 16, 0x240, 0x24E},
        {"HeaderModelItemsB", HeaderTable(HeaderModelItemsB), 16, 0x240, 0x24E},
        {"ChannelItems", ImageTable(ChannelItems), 79, 0x400, 0x437},
        {"HardwareItems", ImageTable(HardwareItems), 116, 0x2400, 0x24AE},
        {"RadioInfoItems", ImageTable(RadioInfoItems), 19, 0x24E8, 0x24FA},
        {"SystemItems", ImageTable(SystemItems), 166, 0x2500, 0x2620},
        {"DtmfItems", ImageTable(DtmfItems), 22, 0x2800, 0x2873},
        {"Mdc1200SystemItems", ImageTable(Mdc1200SystemItems), 28, 0x2880, 0x288F},
        {"Mdc1200CallKeyItems", ImageTable(Mdc1200CallKeyItems), 6, 0x28B0, 0x28B5},
        {"FleetLinkItems", ImageTable(FleetLinkItems), 5, 0x2900, 0x2904},
        {"Mdc1200CallItems", ImageTable(Mdc1200CallItems), 13, 0x2980, 0x298F},
        {"DtmfPageItems", ImageTable(DtmfPageItems), 7, 0x2A81, 0x2A91},
        {"Tone2TableItems", ImageTable(Tone2TableItems), 12, 0x2C00, 0x2C82},
        {"Tone2Items", ImageTable(Tone2Items), 54, 0x2D01, 0x2E2F},
        {"Tone5TableItems", ImageTable(Tone5TableItems), 81, 0x3000, 0x35FB},
        {"Tone5SystemItems", ImageTable(Tone5SystemItems), 54, 0x3600, 0x3818},
        {"Tone5CodeItems", ImageTable(Tone5CodeItems), 96, 0x3820, 0x394F},
        {"ScanItems", ImageTable(ScanItems), 43, 0x3C00, 0x3D27},
        {"ChannelBitmapItems", ImageTable(ChannelBitmapItems), 2, 0x3D80, 0x3D90},
        {"AlignItemsA", ImageTable(AlignItemsA), 35, 0x3E80, 0x3EA2},
        {"AlignItemsB", ImageTable(AlignItemsB), 35, 0x3E80, 0x3EA2},
        {"AlignExtraItemsA", ImageTable(AlignExtraItemsA), 16, 0x3F00, 0x3F0E},
        {"AlignExtraItemsB", ImageTable(AlignExtraItemsB), 16, 0x3F00, 0x3F0E},
        {"PowerOnTagItems", ImageTable(PowerOnTagItems), 8, 0x4000, 0x4007},
        {"FlashInfoItems", ImageTable(FlashInfoItems), 6, 0x4100, 0x41F3},
        {"AlignFlashItemsA", ImageTable(AlignFlashItemsA), 35, 0x4280, 0x42A2},
        {"AlignFlashItemsB", ImageTable(AlignFlashItemsB), 35, 0x4280, 0x42A2},
        {"TuneItems", ImageTable(TuneItems), 16, 0x4300, 0x430E},
    };
    return rows;
}

struct Common {
    std::uint32_t position, width, mask, valueMask, ordinal;
};

std::vector<Common> Rows(const TableRow& row) {
    std::vector<Common> out;
    if (const auto* h = std::get_if<HeaderTable>(&row.table))
        for (const auto& d : *h) out.push_back({d.offset, d.width, d.mask, d.valueMask, d.ordinal});
    else
        for (const auto& d : std::get<ImageTable>(row.table))
            out.push_back({ImagePosition(d), d.width, d.mask, d.valueMask, d.ordinal});
    return out;
}

TEST(ItemTablesCensus, ThirtySixTablesWithTheirCounts) {
    ASSERT_EQ(AllTables().size(), 36u);
    std::size_t total = 0;
    for (const auto& row : AllTables()) {
        EXPECT_EQ(Rows(row).size(), row.count) << row.name;
        total += Rows(row).size();
    }
    EXPECT_EQ(total, 1213u);
}

TEST(ItemTablesCensus, WidthsAndValueMasksOverAllTables) {
    std::size_t widths[5] = {};
    std::size_t valueMasks = 0;
    for (const auto& row : AllTables()) {
        for (const auto& d : Rows(row)) {
            ASSERT_GE(d.width, 1u) << row.name << " #" << d.ordinal;
            ASSERT_LE(d.width, 4u) << row.name << " #" << d.ordinal;
            ++widths[d.width];
            if (d.valueMask != 0) {
                ++valueMasks;
                EXPECT_EQ(d.mask, 0xFFu) << row.name << " #" << d.ordinal;
                EXPECT_TRUE(d.valueMask == 0x1F || d.valueMask == 0x0F) << row.name << " #" << d.ordinal;
            }
        }
    }
    EXPECT_EQ(valueMasks, 49u);
    EXPECT_EQ(widths[1], 1108u);
    EXPECT_EQ(widths[2], 93u);
    EXPECT_EQ(widths[3], 7u);
    EXPECT_EQ(widths[4], 5u);
}

TEST(ItemTablesCensus, OrdinalsRunInOrderAndMasksFitTheirWidth) {
    for (const auto& row : AllTables()) {
        std::uint32_t expected = 0;
        for (const auto& d : Rows(row)) {
            EXPECT_EQ(d.ordinal, expected++) << row.name;
            if (d.width < 4) {
                EXPECT_EQ(d.mask >> (8 * d.width), 0u) << row.name << " #" << d.ordinal;
            }
            EXPECT_NE(d.mask, 0u) << row.name << " #" << d.ordinal;
        }
    }
}

TEST(ItemTablesCensus, EveryDescriptorStartsInsideItsArea) {
    for (const auto& row : AllTables()) {
        for (const auto& d : Rows(row)) {
            EXPECT_GE(d.position, row.first) << row.name << " #" << d.ordinal;
            EXPECT_LE(d.position, row.last) << row.name << " #" << d.ordinal;
        }
    }
}

TEST(ItemTablesCensus, LayoutPairsDifferOnlyInValueMask) {
    const std::pair<const char*, const char*> pairs[] = {{"AlignHeaderItemsA", "AlignHeaderItemsB"},
                                                         {"HeaderModelItemsA", "HeaderModelItemsB"},
                                                         {"AlignItemsA", "AlignItemsB"},
                                                         {"AlignExtraItemsA", "AlignExtraItemsB"},
                                                         {"AlignFlashItemsA", "AlignFlashItemsB"}};
    auto find = [](const std::string& name) {
        for (const auto& row : AllTables())
            if (name == row.name) return Rows(row);
        return std::vector<Common>{};
    };
    for (const auto& [a, b] : pairs) {
        const auto ra = find(a), rb = find(b);
        ASSERT_EQ(ra.size(), rb.size()) << a;
        for (std::size_t i = 0; i < ra.size(); ++i) {
            EXPECT_EQ(ra[i].position, rb[i].position) << a << " #" << i;
            EXPECT_EQ(ra[i].width, rb[i].width) << a << " #" << i;
            EXPECT_EQ(ra[i].mask, rb[i].mask) << a << " #" << i;
        }
    }
}

}  // namespace
