#pragma once
// Table-driven checks of the item tables and their accessors:
//  - a table's shape (ordinals, widths that follow from the masks, area);
//  - every descriptor written on an image of 0x00 and of 0xFF changes exactly
//    the bits it names;
//  - every numeric accessor, given as the field it should address (buffer
//    position, width, mask, record size), writes exactly that field of record
//    1 and reads back what it wrote.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "ItemTableChecks.h"
#include "image/CloneImage.h"
#include "image/ItemAccessors.h"
#include "image/ItemDescriptor.h"
#include "image/ItemMap.h"

namespace AccessorChecks {

// The image a write should leave, and the first byte that differs.
using ItemTableChecks::Expected;
using ItemTableChecks::FirstDifference;

// areaFirst/areaLast: the first and last item positions the table may hold.
inline void ExpectWellFormed(std::span<const ImageItemDescriptor> table, std::size_t areaFirst,
                             std::size_t areaLast) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ImageItemDescriptor& d = table[i];
        SCOPED_TRACE(testing::Message() << "ordinal " << i);
        EXPECT_EQ(d.ordinal, i);
        EXPECT_LE(d.block, 15u);
        ASSERT_GE(d.width, 1u);
        ASSERT_LE(d.width, 4u);
        ASSERT_NE(d.mask, 0u);
        // The width is the mask's byte count.
        EXPECT_EQ(d.width, (std::bit_width(d.mask) + 7) / 8);
        if (d.valueMask != 0) {
            EXPECT_EQ(d.mask, 0xFFu);
            EXPECT_TRUE(d.valueMask == 0x1F || d.valueMask == 0x0F);
        }
        EXPECT_GE(ImagePosition(d), areaFirst);
        EXPECT_LE(ImagePosition(d), areaLast);
    }
}

inline void ExpectEachWriteChangesOnlyItsBits(std::span<const ImageItemDescriptor> table) {
    ItemTableChecks::ExpectWritesOnlyItsBits(table);
}

// One descriptor table with its expected size and the item positions it spans.
struct TableRow {
    const char* name;
    std::span<const ImageItemDescriptor> table;
    std::size_t count;
    std::size_t first, last;  // item positions
};

inline void ExpectCountsAndShapes(std::span<const TableRow> tables) {
    for (const TableRow& row : tables) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.table.size(), row.count);
        ExpectWellFormed(row.table, row.first, row.last);
    }
}

inline void ExpectNoValueMasks(std::span<const TableRow> tables) {
    for (const TableRow& row : tables) {
        SCOPED_TRACE(row.name);
        for (const ImageItemDescriptor& d : row.table) EXPECT_EQ(d.valueMask, 0u) << d.ordinal;
    }
}

inline void ExpectEveryWriteChangesOnlyItsBits(std::span<const TableRow> tables) {
    for (const TableRow& row : tables) {
        SCOPED_TRACE(row.name);
        ExpectEachWriteChangesOnlyItsBits(row.table);
    }
}

// One numeric accessor and the field it must address. Single items have
// recordSize 0; record items are exercised on record 1.
struct Case {
    const char* name;
    ItemMap::RecordSetter set;
    ItemMap::RecordGetter get;
    std::size_t position;  // buffer offset of record 0's field
    std::uint32_t width, mask, valueMask, recordSize;
};

inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

inline void ExpectAccessorAddressesItsField(const Case& c, std::uint8_t typeCode = 0xFF) {
    const int n = c.recordSize ? 1 : 0;
    const std::size_t pos = c.position + n * c.recordSize;
    const std::uint32_t keep = ItemTableChecks::PutBits(c.mask, c.valueMask) >> std::countr_zero(c.mask);
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        CloneImage image;
        image.Fill(fill);
        image[2] = typeCode;  // radio-type code: picks the layout
        EXPECT_EQ(c.set(image, n, fill ? 0u : 0xFFFFFFFFu), 1);
        CloneImage expected = Expected(fill, pos, c.width, c.mask, c.valueMask);
        expected[2] = typeCode;
        EXPECT_TRUE(image == expected)
            << c.name << " on 0x" << std::hex << int(fill) << ": " << FirstDifference(image, expected);
        EXPECT_EQ(c.get(image, n), fill ? 0u : keep) << c.name;
    }
    // A value inside the field reads back unchanged.
    CloneImage image;
    image[2] = typeCode;
    const std::uint32_t value = 0xA5A5A5A5u & keep;
    c.set(image, n, value);
    EXPECT_EQ(c.get(image, n), value) << c.name;
}

}  // namespace AccessorChecks

// Case rows: ONE for a single item, REC for a record item.
#define ACCESSOR_ONE(X, pos, width, mask, N)                                                                 \
    AccessorChecks::Case {                                                                                   \
#X, [](CloneImage & i, int,                                                                          \
               std::uint32_t v) { return ItemMap::Set##X(i, v); },                                           \
                                                                [](const CloneImage& i,                      \
                                                                   int) { return ItemMap::Get##X(i); }, pos, \
                                                                                                     width,  \
                                                                                                     mask,   \
                                                                                                     0, N    \
    }
#define ACCESSOR_REC(X, pos, width, mask, N)                           \
    AccessorChecks::Case {                                             \
#X, &ItemMap::Set##X, &ItemMap::Get##X, pos, width, mask, 0, N \
    }
