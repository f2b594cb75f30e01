#include <gtest/gtest.h>

#include "ui/ItemCombo.h"

namespace {
const ST_DISPDATA kList[] = {{0, "OFF", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {-1, "", ""}};

std::vector<std::int32_t> Values(ItemList rows) {
    std::vector<std::int32_t> v;
    for (const auto& r : rows) v.push_back(r.value);
    return v;
}
}  // namespace

TEST(ItemRowSet, OffersEveryRowUntilFilteredAndKeepsTheRowCount) {
    ItemRowSet set;
    set.SetItemList(kList);
    EXPECT_EQ(set.Count(), 4u);
    EXPECT_EQ(Values(set.Rows()), (std::vector<std::int32_t>{0, 1, 2, 3, -1}));
    set.SetOffered(1, false);
    set.SetOffered(3, false);
    set.SetOffered(9, true);  // no such row: nothing happens
    set.Rebuild();
    // Offered rows first, in order, then end rows up to count + 1 rows.
    EXPECT_EQ(Values(set.Rows()), (std::vector<std::int32_t>{0, 2, -1, -1, -1}));
    set.SetOffered(1, true);
    set.Rebuild();
    EXPECT_EQ(Values(set.Rows()), (std::vector<std::int32_t>{0, 1, 2, -1, -1}));
    EXPECT_FALSE(set.Offered(3));
    // A new list offers everything again.
    set.SetItemList(kList);
    EXPECT_TRUE(set.Offered(3));
}

TEST(ItemRowSet, ListEndingAtOnce) {
    const ST_DISPDATA empty[] = {{-1, "x", ""}, {4, "after the end", ""}};
    ItemRowSet set;
    set.SetItemList(empty);
    EXPECT_EQ(set.Count(), 0u);
    set.Rebuild();
    EXPECT_EQ(Values(set.Rows()), (std::vector<std::int32_t>{-1}));
    ItemRowSet none;
    none.SetItemList({});
    EXPECT_EQ(none.Count(), 0u);
}
