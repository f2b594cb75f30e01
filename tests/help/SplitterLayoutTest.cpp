#include <gtest/gtest.h>

#include <numeric>

#include "help/SplitterLayout.h"

namespace {

using Rows = std::vector<SplitterRow>;

// The 5-tone window's outer rows: views, the two side by side, the button
// bar, the help pane.
Rows FiveTone() {
    return {{300, 140, 0}, {200, 100, 0}, {40, 40, 0}, {160, 0, 0}};
}

std::vector<int> Currents(const Rows& rows) {
    std::vector<int> out;
    for (const auto& r : rows) out.push_back(r.current);
    return out;
}
std::vector<int> Ideals(const Rows& rows) {
    std::vector<int> out;
    for (const auto& r : rows) out.push_back(r.ideal);
    return out;
}

TEST(SplitterLayout, LayoutGivesIdealsInOrderAndTheRestToTheLast) {
    Rows rows = FiveTone();
    SplitterLayout::Layout(rows, 800, 6);
    EXPECT_EQ(Currents(rows), (std::vector<int>{300, 200, 40, 800 - 540 - 18}));
    SplitterLayout::Layout(rows, 400, 6);  // room runs out: later rows get what is left
    EXPECT_EQ(Currents(rows), (std::vector<int>{300, 94, 0, 0}));
    rows[1].ideal = 50;  // below its minimum: hidden
    SplitterLayout::Layout(rows, 800, 6);
    EXPECT_EQ(rows[1].current, 0);
}

TEST(SplitterLayout, AdjustRowSizesTakesFromBelowThenFromTheRowItself) {
    const struct {
        const char* name;
        int extra, row;
        std::vector<int> ideals;  // after
    } cases[] = {
        // Rows now 300/200/40/160 (minimums 140/100/40/0); row 0's ideal was raised by extra.
        {"last row covers it", 60, 0, {360, 200, 40, 100}},
        {"last row, then row 1", 200, 0, {500, 160, 40, 0}},
        {"all below at minimum, row 0 gives back", 400, 0, {560, 100, 40, 0}},
        {"row 1 grows from row 3", 100, 1, {300, 300, 40, 60}},
    };
    for (const auto& c : cases) {
        Rows rows = FiveTone();
        SplitterLayout::Layout(rows, 300 + 200 + 40 + 160 + 18, 6);
        rows[c.row].ideal += c.extra;
        SplitterLayout::AdjustRowSizes(rows, c.extra, c.row);
        EXPECT_EQ(Ideals(rows), c.ideals) << c.name;
    }
}

TEST(SplitterLayout, ShrinkingStopsEveryRowAtItsMinimum) {
    Rows rows = FiveTone();
    int height = 718;
    SplitterLayout::Layout(rows, height, 6);
    for (const int shrink : {100, 60, 300, 500}) {
        SplitterLayout::GiveUpHeight(rows, shrink);
        height -= shrink;
        SplitterLayout::Layout(rows, height, 6);
        for (const auto& r : rows) EXPECT_GE(r.ideal, r.minimum);
    }
    // Far below the sum of the minimums: every row at its minimum.
    EXPECT_EQ(Ideals(rows), (std::vector<int>{140, 100, 40, 0}));
}

TEST(SplitterLayout, GrowingGivesTheHeightToTheFirstRow) {
    Rows rows = FiveTone();
    SplitterLayout::Layout(rows, 718, 6);
    SplitterLayout::Layout(rows, 818, 6);  // the last row took the 100 pixels
    SplitterLayout::GrowFirstRow(rows, 100);
    SplitterLayout::Layout(rows, 818, 6);
    EXPECT_EQ(Currents(rows), (std::vector<int>{400, 200, 40, 160}));

    // After a window lower than the minimums the rows have less to give than
    // it grew: row 0 takes only that, and no row falls below its minimum.
    Rows small = FiveTone();
    SplitterLayout::Layout(small, 718, 6);
    SplitterLayout::GiveUpHeight(small, 518);
    SplitterLayout::Layout(small, 200, 6);
    SplitterLayout::Layout(small, 800, 6);
    SplitterLayout::GrowFirstRow(small, 600);
    SplitterLayout::Layout(small, 800, 6);
    EXPECT_EQ(Currents(small), (std::vector<int>{642, 100, 40, 0}));
}

TEST(SplitterLayout, DraggingARowBar) {
    const std::map<int, int> fixed{{2, 2}};
    {  // row 0 shrinks by 50: the lowest row that is not fixed (row 3) takes it
        Rows rows = FiveTone();
        SplitterLayout::Layout(rows, 718, 6);
        SplitterLayout::TrackRowSize(rows, 250, 0, fixed);
        EXPECT_EQ(Ideals(rows), (std::vector<int>{250, 200, 40, 210}));
    }
    {  // never below the minimum
        Rows rows = FiveTone();
        SplitterLayout::Layout(rows, 718, 6);
        SplitterLayout::TrackRowSize(rows, 10, 0, fixed);
        EXPECT_EQ(rows[0].ideal, 140);
    }
    {  // row 1 grows by 100, taken from row 3 (row 2 is at its minimum)
        Rows rows = FiveTone();
        SplitterLayout::Layout(rows, 718, 6);
        SplitterLayout::TrackRowSize(rows, 300, 1, fixed);
        SplitterLayout::Layout(rows, 718, 6);
        EXPECT_EQ(Currents(rows), (std::vector<int>{300, 300, 40, 60}));
    }
    EXPECT_FALSE(SplitterLayout::IsBarMovable(2, fixed));
    EXPECT_TRUE(SplitterLayout::IsBarMovable(1, fixed));
    EXPECT_FALSE(SplitterLayout::IsBarMovable(2, {{3, 2}}));  // a hidden row locks the bar it names
    EXPECT_EQ(SplitterLayout::TrackColumnWidth(50, 600), 100);
    EXPECT_EQ(SplitterLayout::TrackColumnWidth(550, 600), 500);
    EXPECT_EQ(SplitterLayout::TrackColumnWidth(300, 600), 300);
}

}  // namespace
