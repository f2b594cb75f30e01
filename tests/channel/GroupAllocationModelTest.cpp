// The group allocation model: what it reads, which cells may be edited, the
// edits, and the bytes OK stores.
#include <gtest/gtest.h>

#include <vector>

#include "GroupAllocationFixture.h"
#include "channel/GroupAllocationModel.h"
#include "channel/GroupAllocationPrint.h"
#include "image/TagCharRule.h"
#include "image/TestHost.h"

using namespace ZoneAllocation;
using Kind = ZoneAllocation::CellKind;

namespace {

struct AllocationModel : ::testing::Test {
    TestHost host;
    CloneImage image = GroupFixture::MakeImage();
    zone_allocation_grid model;

    void Fill() { model.FillFromImage(image); }
    // The image as OK would leave it.
    CloneImage Stored() const {
        CloneImage out = image;
        model.StoreToImage(out);
        return out;
    }
    static Cell At(Kind kind, int g, int p = -1) { return {kind, g, p}; }
};

// Offsets of the bytes OK may touch.
std::size_t MemberByte(int g, int p) {
    return 0x3C00 + 16 * g + p;
}

std::vector<std::size_t> Differences(const CloneImage& a, const CloneImage& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (a[i] != b[i]) at.push_back(i);
    return at;
}

}  // namespace

TEST(ZoneAllocationParse, ChannelNumberTexts) {
    struct Case {
        const char* text;
        int channels;
        bool parsed;
        int member;
    } cases[] = {
        {"", 128, true, NoMember}, {"1", 128, true, 0}, {"0", 128, true, 0},   {"12", 128, true, 11},
        {"200", 64, true, 63},     {"9", 8, true, 7},   {"3x", 128, false, 0}, {"-1", 128, false, 0},
        {" 3", 128, false, 0},     {"5", 0, false, 0},
    };
    for (const Case& c : cases) {
        int member = -7;
        EXPECT_EQ(ParseChannelNoText(c.text, c.channels, member), c.parsed) << c.text;
        if (c.parsed) {
            EXPECT_EQ(member, c.member) << c.text;
        }
        EXPECT_EQ(ParseChannelNo(c.text, c.channels), c.parsed ? c.member : NoMember) << c.text;
    }
}

TEST(ZoneAllocationClassify, CellsOfGroupsBelowTheCount) {
    struct Case {
        int row, col, groups;
        Cell cell;
    } cases[] = {
        {1, 1, 8, {Kind::GroupTag, 0, -1}},
        {1, 2, 8, {}},
        {2, 6, 8, {Kind::GroupScan, 1, -1}},
        {4, 1, 8, {Kind::ChannelNo, 0, 0}},
        {4, 2, 8, {Kind::Tag, 0, 0}},
        {19, 38, 8, {Kind::Scan, 7, 15}},
        {5, 39, 8, {Kind::Priority, 7, 1}},
        {4, 5, 8, {}},
        {3, 1, 8, {}},
        {0, 1, 8, {}},
        {4, 0, 8, {}},
        {4, 6, 1, {}},
        {1, 1, 0, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Classify(c.row, c.col, c.groups), c.cell) << c.row << "," << c.col;
}

TEST_F(AllocationModel, FillsTheModelAndTheGridFromTheImage) {
    ItemMap::SetPriorityChannel(image, 2, 5);
    ItemMap::SetGroupScanFlag(image, 1, 0);
    ItemMap::SetChannelScanZoneBit(image, 16 * 0 + 3, 0);
    ItemMap::WriteIndexedItem(image, 0, 6, 0xFF);
    ItemMap::WriteIndexedItem(image, 4, 0, 0);  // channel 1 also in group 5
    Fill();

    EXPECT_EQ(model.GroupCount(), 8);
    EXPECT_EQ(model.PositionsPerGroup(), 16);
    EXPECT_EQ(model.Member(0, 6), NoMember);
    EXPECT_EQ(model.Priority(2), 5);
    EXPECT_EQ(model.Priority(0), -1);
    EXPECT_TRUE(model.GroupScanOn(1));
    EXPECT_FALSE(model.GroupScanOn(0));
    EXPECT_TRUE(model.ScanOn(0, 3));
    EXPECT_EQ(model.Locations(0), (std::vector<regist_loc>{{0, 0}, {4, 0}}));

    EXPECT_EQ(model.CellText(0, 6), "Group-2");
    EXPECT_EQ(model.CellText(1, 1), "GROUP1  ");
    EXPECT_EQ(model.CellText(2, 6), GroupScanOnText);
    EXPECT_EQ(model.CellText(2, 1), MarkOffText);
    EXPECT_EQ(model.CellText(5, 0), "No.2");
    EXPECT_EQ(model.CellText(5, 1), "2");
    EXPECT_EQ(model.CellText(5, 2), "CH2     ");
    EXPECT_EQ(model.CellText(7, 3), MarkOnText);
    EXPECT_EQ(model.CellText(RowOf(6), 1), "");
    EXPECT_EQ(model.CellLook(RowOf(6), 1).back, DisabledBack);
    EXPECT_TRUE(model.CellLook(RowOf(5), ColumnOf(2, Kind::Priority)).picture);
}

TEST_F(AllocationModel, StoresNothingButTheValidBitsWhenNothingWasEdited) {
    Fill();
    CloneImage expected = image;
    Zone::RefreshValidBits(expected);
    EXPECT_EQ(Differences(Stored(), expected), std::vector<std::size_t>{});
}

TEST_F(AllocationModel, OkStoresEveryKindOfEdit) {
    Fill();
    EXPECT_TRUE(model.EndEdit(At(Kind::GroupTag, 1), "north"));
    EXPECT_TRUE(model.Activate(At(Kind::GroupScan, 2)));
    EXPECT_TRUE(model.Activate(At(Kind::Scan, 0, 4)));
    EXPECT_TRUE(model.Activate(At(Kind::Priority, 3, 7)));
    EXPECT_TRUE(model.EndEdit(At(Kind::ChannelNo, 5, 2), "100"));
    EXPECT_TRUE(model.EndEdit(At(Kind::Tag, 6, 1), "fire"));
    EXPECT_TRUE(model.Activate(At(Kind::ChannelNo, 7, 3)));  // channel 116 no longer in use
    const CloneImage before = image;
    const CloneImage out = Stored();
    EXPECT_EQ(image, before) << "the model writes only into the image it is given";

    EXPECT_EQ(TagCodesToText(ItemMap::GetGroupTag(out, 1)), "NORTH   ");
    EXPECT_EQ(ItemMap::GetGroupScanFlag(out, 2), 0u);
    EXPECT_EQ(ItemMap::GetChannelScanZoneBit(out, 4), 0u);
    EXPECT_EQ(ItemMap::GetPriorityChannel(out, 3), 7u);
    EXPECT_EQ(out[MemberByte(5, 2)], 99);
    EXPECT_EQ(Channel::GetTag(out, 16 * 6 + 1), "FIRE    ");
    EXPECT_EQ(ItemMap::ReadBit(out, 16 * 7 + 3), 1);
    // Every other group, member, flag and name stays as it was.
    EXPECT_EQ(TagCodesToText(ItemMap::GetGroupTag(out, 0)), "GROUP1  ");
    EXPECT_EQ(out[MemberByte(5, 1)], 81);
    EXPECT_EQ(ItemMap::GetPriorityChannel(out, 2), 0xFFu);
    EXPECT_EQ(Channel::GetTag(out, 5), "CH6     ");
}

TEST_F(AllocationModel, EditsOfTheModelChangeNoImageBeforeOk) {
    const CloneImage before = image;
    Fill();
    model.Activate(At(Kind::ChannelNo, 1, 1));
    model.EndEdit(At(Kind::ChannelNo, 0, 1), "");
    model.SetGroupTag(0, "X");
    EXPECT_EQ(image, before);
    EXPECT_FALSE(model.InUse(17));
}

TEST_F(AllocationModel, GroupCountZeroDisablesEveryGroup) {
    ItemMap::SetMaxGroup(image, 0);
    Fill();
    for (int g = 0; g < Groups; ++g) {
        EXPECT_FALSE(model.IsGroupEnabled(g));
        EXPECT_EQ(model.CellLook(RowOf(0), ColumnOf(g, Kind::ChannelNo)).back, DisabledBack);
        EXPECT_FALSE(model.Activate(At(Kind::GroupScan, g)));
    }
    CloneImage expected = image;
    Zone::RefreshValidBits(expected);
    EXPECT_EQ(Stored(), expected);
}

TEST_F(AllocationModel, EightChannelsLeaveEightPositions) {
    image = GroupFixture::MakeImage(1, 8);
    Fill();
    EXPECT_EQ(model.PositionsPerGroup(), 8);
    EXPECT_EQ(model.CellText(RowOf(8), ColumnOf(0, Kind::ChannelNo)), "");
    EXPECT_EQ(model.CellLook(RowOf(8), ColumnOf(0, Kind::Scan)).back, DisabledBack);
    EXPECT_FALSE(model.IsEditable(At(Kind::ChannelNo, 0, 8)));
    // Group 2 lists channels 17-32, beyond the radio: shown grey, not editable.
    EXPECT_TRUE(model.CellLook(RowOf(0), ColumnOf(1, Kind::ChannelNo)).greyText == !model.InUse(16));
    EXPECT_TRUE(model.EndEdit(At(Kind::ChannelNo, 0, 2), "20"));
    EXPECT_EQ(model.Member(0, 2), 7);
    // Positions 9-16 are never written.
    ItemMap::WriteIndexedItem(image, 0, 12, 0x33);
    Fill();
    EXPECT_EQ(Stored()[MemberByte(0, 12)], 0x33);
}

TEST_F(AllocationModel, ChannelNumberEditsAndTheirFailures) {
    Fill();
    struct Case {
        const char* text;
        bool changed;
        int member;
    } cases[] = {
        {"0", true, 0}, {"3x", false, 0}, {"40", true, 39}, {"40", false, 39}, {"", true, NoMember},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(model.EndChannelNoEdit(2, 9, c.text), c.changed) << c.text;
        EXPECT_EQ(model.Member(2, 9), c.member) << c.text;
    }
    // The emptied position is stored as empty and edits it no more.
    EXPECT_EQ(Stored()[MemberByte(2, 9)], 0xFF);
    EXPECT_FALSE(model.EndChannelNoEdit(2, 9, "5"));
    EXPECT_EQ(model.Locations(39), (std::vector<regist_loc>{{2, 7}})) << "only its own place is left";
    EXPECT_EQ(model.Locations(0), (std::vector<regist_loc>{{0, 0}}));
}

TEST_F(AllocationModel, RenamingAMemberOfThreeGroupsShowsEverywhereAndStoresOnce) {
    ItemMap::WriteIndexedItem(image, 3, 4, 9);
    ItemMap::WriteIndexedItem(image, 6, 15, 9);
    Fill();
    ASSERT_EQ(model.Locations(9).size(), 3u);
    EXPECT_TRUE(model.EndEdit(At(Kind::Tag, 3, 4), "base"));
    for (const regist_loc& at : model.Locations(9))
        EXPECT_EQ(model.CellText(RowOf(at.position), ColumnOf(at.group, Kind::Tag)), "BASE    ");
    EXPECT_EQ(Channel::GetTag(Stored(), 9), "BASE    ");
    // A tag cell of an empty position renames nobody.
    ItemMap::WriteIndexedItem(image, 1, 1, 0xFF);
    Fill();
    EXPECT_FALSE(model.EndEdit(At(Kind::Tag, 1, 1), "none"));
}

TEST_F(AllocationModel, PriorityIsOnePositionPerGroup) {
    Fill();
    EXPECT_TRUE(model.Activate(At(Kind::Priority, 0, 2)));
    EXPECT_TRUE(model.Activate(At(Kind::Priority, 0, 5)));
    EXPECT_EQ(model.Priority(0), 5);
    EXPECT_EQ(model.CellText(RowOf(2), ColumnOf(0, Kind::Priority)), MarkOffText);
    EXPECT_EQ(ItemMap::GetPriorityChannel(Stored(), 0), 5u);
    EXPECT_TRUE(model.Activate(At(Kind::Priority, 0, 5)));
    EXPECT_EQ(ItemMap::GetPriorityChannel(Stored(), 0), 0xFFu);
}

TEST_F(AllocationModel, PriorityCannotBeMarkedInOneGroupMode) {
    ItemMap::SetOneGroupMode(image, 1);
    ItemMap::SetPriorityChannel(image, 0, 3);
    Fill();
    EXPECT_TRUE(model.PriorityLocked());
    EXPECT_EQ(model.CellLook(RowOf(3), ColumnOf(0, Kind::Priority)).back, DisabledBack);
    EXPECT_FALSE(model.Activate(At(Kind::Priority, 0, 4)));
    EXPECT_FALSE(model.Paste(At(Kind::Priority, 0, 3), "-"));
    EXPECT_EQ(ItemMap::GetPriorityChannel(Stored(), 0), 3u);
}

TEST_F(AllocationModel, InUseTogglesStayInTheModelUntilOk) {
    Fill();
    EXPECT_FALSE(model.Activate(At(Kind::ChannelNo, 0, 0))) << "group 1 position 1";
    ItemMap::WriteIndexedItem(image, 2, 0, 0);
    Fill();
    EXPECT_FALSE(model.Activate(At(Kind::ChannelNo, 2, 0))) << "channel 1 stays in use";

    EXPECT_TRUE(model.Activate(At(Kind::ChannelNo, 1, 4)));  // channel 21
    EXPECT_TRUE(model.CellLook(RowOf(4), ColumnOf(1, Kind::ChannelNo)).greyText);
    EXPECT_FALSE(model.IsEditable(At(Kind::Tag, 1, 4)));
    EXPECT_FALSE(model.Paste(At(Kind::Scan, 1, 4), "v"));
    EXPECT_EQ(ItemMap::ReadBit(image, 20), 0);
    EXPECT_EQ(ItemMap::ReadBit(Stored(), 20), 1);
    EXPECT_EQ(Stored()[0x3D90] & 0x40, 0) << "group 2 stays valid through its other members";

    // A greyed member's number still toggles it back.
    EXPECT_TRUE(model.Activate(At(Kind::ChannelNo, 1, 4)));
    EXPECT_FALSE(model.CellLook(RowOf(4), ColumnOf(1, Kind::ChannelNo)).greyText);
    EXPECT_EQ(ItemMap::ReadBit(Stored(), 20), 0);
    // An empty position toggles nothing.
    model.EndChannelNoEdit(1, 5, "");
    EXPECT_FALSE(model.Activate(At(Kind::ChannelNo, 1, 5)));
}

TEST_F(AllocationModel, GroupsOfOtherKindsAreGreyAndNeverWritten) {
    ItemMap::WriteHeaderField(ItemMap::HeaderOptionItems[4], image, 3, 1, 2);
    Fill();
    EXPECT_FALSE(model.IsGroupEnabled(3));
    EXPECT_EQ(model.CellLook(1, ColumnOf(3, Kind::ChannelNo)).back, DisabledBack);
    EXPECT_EQ(model.CellText(1, ColumnOf(3, Kind::ChannelNo)), " ");
    EXPECT_FALSE(model.SetGroupTag(3, "X"));
    ItemMap::SetGroupScanFlag(image, 3, 0);
    ItemMap::WriteIndexedItem(image, 3, 0, 0x55);
    Fill();
    const CloneImage out = Stored();
    EXPECT_EQ(ItemMap::GetGroupScanFlag(out, 3), 0u);
    EXPECT_EQ(out[MemberByte(3, 0)], 0x55);
    // Older firmware treats every kind as ordinary.
    RadioFixture::SetFirmware(image, 0x01, 0x08, 0, 0);
    Fill();
    EXPECT_TRUE(model.IsGroupEnabled(3));
}

TEST_F(AllocationModel, DisplayTypeHidesColumnsAndTheTagRow) {
    struct Case {
        int displayType;
        bool tagHidden, group2Hidden;
    } cases[] = {{2, false, false}, {5, false, false}, {3, true, false}, {0, true, true}};
    for (const Case& c : cases) {
        ItemMap::SetDisplayType(image, static_cast<std::uint32_t>(c.displayType));
        Fill();
        EXPECT_EQ(model.IsColumnHidden(ColumnOf(0, Kind::Tag)), c.tagHidden) << c.displayType;
        EXPECT_EQ(model.IsRowHidden(TagRow), c.tagHidden) << c.displayType;
        EXPECT_EQ(model.IsColumnHidden(ColumnOf(1, Kind::ChannelNo)), c.group2Hidden) << c.displayType;
        EXPECT_FALSE(model.IsColumnHidden(ColumnOf(0, Kind::ChannelNo)));
    }
}

TEST_F(AllocationModel, CopyAndPasteOfMarkCells) {
    ItemMap::SetChannelScanZoneBit(image, 2, 0);
    Fill();
    const int row = RowOf(2), sc = ColumnOf(0, Kind::Scan), p = ColumnOf(0, Kind::Priority);
    EXPECT_EQ(model.CopyText(row, sc), "v");
    EXPECT_EQ(model.CopyText(row, p), "-");
    EXPECT_EQ(model.CopyText(row, ColumnOf(0, Kind::ChannelNo)), "3");

    struct Case {
        Cell cell;
        const char* text;
        bool changed;
    } cases[] = {
        {At(Kind::Scan, 0, 2), "x", false},     {At(Kind::Scan, 0, 2), "v", false},
        {At(Kind::Scan, 0, 2), "-", true},      {At(Kind::Priority, 0, 2), "v", true},
        {At(Kind::Priority, 0, 2), "v", false}, {At(Kind::GroupScan, 0), "v", false},
        {At(Kind::ChannelNo, 0, 3), "", false}, {At(Kind::ChannelNo, 0, 3), "9", true},
        {At(Kind::GroupTag, 0), "main", true},  {At(Kind::Tag, 0, 3), "nine", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(model.Paste(c.cell, c.text), c.changed) << static_cast<int>(c.cell.kind) << " " << c.text;
    EXPECT_FALSE(model.ScanOn(0, 2));
    EXPECT_EQ(model.Priority(0), 2);
    EXPECT_EQ(model.Member(0, 3), 8);
    EXPECT_EQ(model.Name(8), "NINE    ");
}

TEST_F(AllocationModel, PrintoutPagesEveryPositionRowOfFourGroups) {
    ItemMap::WriteIndexedItem(image, 0, 15, 0x40);
    ItemMap::SetChannelScanZoneBit(image, 15, 0);
    Fill();
    ZoneAllocationPrinter printer(model, image);
    std::string first, second;
    EXPECT_TRUE(printer.GetHtml(first, 0, true));
    EXPECT_FALSE(printer.GetHtml(second, 1, false));

    EXPECT_EQ(first.find("<table width=\"100%\"><colgroup span=\"1\"></colgroup>\n<tr><th colspan=\"1\">"
                         "[Group Allocation]</th>\n</tr>\n</table>\n"),
              0u);
    EXPECT_NE(first.find("<table width=\"100%\">"), std::string::npos);
    EXPECT_NE(first.find("<th  colspan=\"4\">Group-4</th>"), std::string::npos);
    EXPECT_EQ(first.find("Group-5"), std::string::npos);
    EXPECT_NE(second.find("Group-8"), std::string::npos);
    // Three title rows, the heading row and all 16 position rows.
    auto count = [](const std::string& s, const std::string& what) {
        std::size_t n = 0;
        for (auto at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(second, "<tr>"), 3u + 1u + 16u);
    EXPECT_NE(first.find("<td>No.16</td>\n<td>65</td>\n<td>CH65    </td>\n<td>v</td>\n<td>-</td>"),
              std::string::npos);
    EXPECT_NE(first.find("<th>Group Scan</th>"), std::string::npos);
}

TEST_F(AllocationModel, PrintoutLeavesOutGroupsThatAreNotValid) {
    for (int k = 0; k < 16; ++k) ItemMap::WriteIndexedItem(image, 1, k, 0xFF);
    Zone::RefreshValidBits(image);
    ItemMap::SetDisplayType(image, 3);
    ZoneAllocationPrinter printer(image);
    std::string page;
    EXPECT_TRUE(printer.GetHtml(page, 0, false));
    EXPECT_EQ(page.find("Group-2"), std::string::npos);
    EXPECT_NE(page.find("Group-5"), std::string::npos);
    EXPECT_EQ(page.find("Group TAG"), std::string::npos);
    EXPECT_NE(page.find("<th  colspan=\"3\">Group-1</th>"), std::string::npos);
}

// "<" and ">" are tag characters: a tag or channel name holding them must
// not open or close elements of the printed document.
TEST_F(AllocationModel, PrintoutEscapesTagsAndChannelNames) {
    ItemMap::SetGroupTag(image, 0, "A<B>");
    Channel::SetTag(image, 0, "<CH1>");
    ZoneAllocationPrinter printer(image);
    std::string page;
    printer.GetHtml(page, 0, true, "Groups & <Tags>");
    EXPECT_NE(page.find("[Groups &amp; &lt;Tags&gt;]</th>"), std::string::npos);
    EXPECT_NE(page.find("\">A&lt;B&gt;</th>"), std::string::npos);
    EXPECT_NE(page.find("<td>&lt;CH1&gt;"), std::string::npos);
    EXPECT_EQ(page.find("<B>"), std::string::npos);
    EXPECT_EQ(page.find("<CH1>"), std::string::npos);
}
