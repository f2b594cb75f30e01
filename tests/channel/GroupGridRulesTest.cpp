// The group grid's rules: rows, key filter and the edits that are stored.
#include <gtest/gtest.h>

#include <vector>

#include "GroupAllocationFixture.h"
#include "channel/GroupGridRules.h"
#include "image/Frequency.h"
#include "image/TestHost.h"

using namespace ZoneGrid;

namespace {

struct GroupGrid : ::testing::Test {
    TestHost host;
    CloneImage image = GroupFixture::MakeImage();

    int Slot(int group, int slot) const { return image[0x3C00 + 16 * group + slot]; }
    bool GroupValid(int group) const {
        return ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, group) == 0;
    }
};

}  // namespace

TEST_F(GroupGrid, RowsFollowTheChannelAndGroupCounts) {
    struct Case {
        int maxCh, maxGroup, rows, groups;
    } cases[] = {{16, 8, 16, 8}, {1, 8, 8, 8}, {0, 0, 0, 0}, {40, 12, 16, 8}, {2, 3, 16, 3}};
    for (const Case& c : cases) {
        ItemMap::SetMaxCh(image, static_cast<std::uint32_t>(c.maxCh));
        ItemMap::SetMaxGroup(image, static_cast<std::uint32_t>(c.maxGroup));
        EXPECT_EQ(RowCount(image), c.rows) << c.maxCh;
        EXPECT_EQ(GroupCount(image), c.groups) << c.maxGroup;
    }
}

TEST_F(GroupGrid, RowTextsShowTheMemberChannel) {
    ItemMap::SetMaxCh(image, 1);
    ItemMap::WriteIndexedItem(image, 0, 1, 0xFF);
    ItemMap::WriteIndexedItem(image, 0, 2, 8);  // beyond 8 channels
    Channel::SetBandwidth(image, 3, 2);
    ASSERT_TRUE(Channel::SetRxFrequency(image, 3, 150.0));
    ItemMap::WriteChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, 3, 0);

    const auto filled = RowTexts(image, 0, 3);
    EXPECT_EQ(filled[Col::Number], "4");
    EXPECT_EQ(filled[Col::Channel], "4");
    EXPECT_EQ(filled[Col::Bandwidth], "N");
    EXPECT_EQ(filled[Col::Tag], "CH4     ");
    EXPECT_EQ(filled[Col::Rx], "150.00000");
    EXPECT_EQ(filled[Col::Tx], "---.-----");
    EXPECT_EQ(filled[Col::Info], "");
    for (int slot : {1, 2}) {
        const auto empty = RowTexts(image, 0, slot);
        EXPECT_EQ(empty[Col::Number], std::to_string(slot + 1));
        for (int col = 1; col < ColumnCount; ++col) EXPECT_EQ(empty[col], "") << slot << "," << col;
    }
}

TEST(GroupGridKeys, EditorFilterAndEditableColumns) {
    struct Case {
        int column;
        char32_t key, result;
    } cases[] = {
        {Col::Channel, '7', '7'}, {Col::Channel, 'a', 0}, {Col::Channel, 9, 0},  {Col::Channel, 8, 8},
        {Col::Channel, 13, 13},   {Col::Channel, 27, 27}, {Col::Rx, ',', ','},   {Col::Tx, '.', '.'},
        {Col::Rx, 'x', 0},        {Col::Tag, 'q', 'q'},   {Col::Info, '#', '#'},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterEditKey(c.column, c.key), c.result) << c.column << " " << int(c.key);
    for (int col = 0; col < ColumnCount; ++col) EXPECT_EQ(CanStartEdit(col), col == Col::Channel) << col;
    EXPECT_EQ(ZoneGridColumns[ColumnCount].fieldId, -1);
    EXPECT_EQ(HeaderText(0, Col::Rx), "Frequency");
    EXPECT_EQ(HeaderText(1, Col::Tx), "TX");
    EXPECT_EQ(HeaderText(0, Col::Channel), HeaderText(1, Col::Channel));
}

TEST_F(GroupGrid, TheTagColumnIsGreyOnPlainDisplays) {
    EXPECT_EQ(ColumnState(Col::Tag), 2);
    EXPECT_FALSE(IsGreyColumn(image, Col::Tag));
    ItemMap::SetDisplayType(image, 3);
    EXPECT_TRUE(IsGreyColumn(image, Col::Tag));
    EXPECT_FALSE(IsGreyColumn(image, Col::Rx));
}

TEST_F(GroupGrid, ChannelNumberEditsAreStored) {
    struct Case {
        const char* text;
        Commit result;
        int stored;
    } cases[] = {
        {"3x", Commit::LeftAsTyped, 18}, {"40", Commit::Stored, 39}, {"0", Commit::Unchanged, 39},
        {"129", Commit::Unchanged, 39},  {"", Commit::Stored, 0xFF}, {"3", Commit::Stored, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CommitChannelNumber(image, 1, 2, c.text), c.result) << c.text;
        EXPECT_EQ(Slot(1, 2), c.stored) << c.text;
    }
}

TEST_F(GroupGrid, EmptyingAGroupRecomputesItsValidBit) {
    ASSERT_TRUE(GroupValid(3));
    for (int slot = 0; slot < 16; ++slot) CommitChannelNumber(image, 3, slot, "");
    EXPECT_FALSE(GroupValid(3));
    CommitChannelNumber(image, 3, 9, "5");
    EXPECT_TRUE(GroupValid(3));
}

TEST_F(GroupGrid, DropPasteAndAssignWriteConsecutiveSlots) {
    const std::vector<int> dropped = {7, 9, 11};
    EXPECT_EQ(WriteChannels(image, 2, 14, dropped), 2) << "stops at the last data row";
    EXPECT_EQ(Slot(2, 14), 6);
    EXPECT_EQ(Slot(2, 15), 8);
    EXPECT_EQ(WriteChannels(image, 2, 0, dropped), 3);
    EXPECT_EQ(Slot(2, 2), 10);

    EXPECT_TRUE(AssignChannel(image, 4, 5, 99));
    EXPECT_EQ(Slot(4, 5), 99);
    ItemMap::SetOneGroupMode(image, 1);  // firmware 1.90: assigning is refused
    EXPECT_FALSE(AssignChannel(image, 4, 5, 3));
    EXPECT_EQ(Slot(4, 5), 99);
}

TEST_F(GroupGrid, RowCopyAndRowPasteMoveSlotsWithinTheRange) {
    RowCopy(image, 0, 2, 5);
    EXPECT_EQ((std::vector<int>{Slot(0, 1), Slot(0, 2), Slot(0, 3), Slot(0, 4), Slot(0, 5), Slot(0, 6)}),
              (std::vector<int>{1, 2, 2, 3, 4, 6}));
    RowPaste(image, 0, 2, 5);
    EXPECT_EQ((std::vector<int>{Slot(0, 1), Slot(0, 2), Slot(0, 3), Slot(0, 4), Slot(0, 5), Slot(0, 6)}),
              (std::vector<int>{1, 2, 3, 4, 4, 6}));
}

TEST_F(GroupGrid, BandwidthCyclesThroughTheChannelRules) {
    // 155 MHz lies in a narrowband band; from 2013 on wide is refused there.
    ASSERT_TRUE(Channel::SetRxFrequency(image, 5, 155.0));
    ASSERT_TRUE(Channel::SetTxFrequency(image, 5, 155.0));
    ItemMap::SetChannelWideNarrow(image, 5, 2);
    ItemMap::SetChannelTxSplType(image, 5, 0);
    CycleBandwidth(image, 5);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 5), 2u) << "wide is refused in the narrowband band";
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 5), 0u);

    host.serviceMode = 1;  // a service mode allows wide: N steps to W5, and TX SPL follows
    CycleBandwidth(image, 5);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 5), 0u);
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 5), 1u);
    CycleBandwidth(image, 5);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 5), 1u);
    CycleBandwidth(image, 5);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 5), 2u);
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 5), 0u);
}

TEST_F(GroupGrid, TransmitSwitchToggles) {
    const auto& flag = ItemMap::ChannelItems[ItemMap::ChannelTxSetItem];
    ItemMap::WriteChannelField(flag, image, 7, 1);
    ToggleTransmit(image, 7);
    EXPECT_EQ(ItemMap::ReadChannelField(flag, image, 7), 0u);
    EXPECT_EQ(RowTexts(image, 0, 7)[Col::Tx], "---.-----");
    ToggleTransmit(image, 7);
    EXPECT_EQ(ItemMap::ReadChannelField(flag, image, 7), 1u);
}

TEST_F(GroupGrid, PrintedCellsHaveBothHeaderRowsAndEveryDataRow) {
    ItemMap::WriteIndexedItem(image, 0, 4, 0xFF);
    const auto cells = PrintCells(image, 0);
    ASSERT_EQ(cells.size(), 2u + 16u);
    EXPECT_EQ(cells[0][Col::Rx], "Frequency");
    EXPECT_EQ(cells[1][Col::Rx], "RX");
    EXPECT_EQ(cells[2][Col::Channel], "1");
    EXPECT_EQ(cells[2][Col::Scan], "v");
    EXPECT_EQ(cells[2][Col::Priority], "v");
    EXPECT_EQ(cells[6][Col::Number], "5");
    EXPECT_EQ(cells[6][Col::Channel], "");
    EXPECT_EQ(cells[6][Col::Scan], "-");
}

TEST(GroupGridDrag, DroppedNumbersByMode) {
    DragRecord drag;
    EXPECT_TRUE(DroppedChannelNumbers(drag).empty());
    drag.channels[9] = drag.channels[2] = drag.channels[127] = true;
    drag.numbers = {5, -1, 7, -1, -1, -1, -1, -1};
    drag.mode = 1;
    EXPECT_EQ(DroppedChannelNumbers(drag), (std::vector<int>{3, 10, 128}));
    drag.mode = 2;
    EXPECT_EQ(DroppedChannelNumbers(drag), (std::vector<int>{5, 7}));
}
