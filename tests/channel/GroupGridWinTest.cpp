// The group grid pane on a default data file: stored edits survive a save
// and reload; switches, drops and the information dialog.
#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include "RealInput.h"
#include "WinTestUtil.h"
#include "channel/ChannelEditor.h"
#include "channel/ChannelInfoDlg.h"
#include "channel/GroupGrid.h"
#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/TestHost.h"
#include "ui/VSFlexGrid.h"

using namespace ZoneGrid;

namespace {

struct GroupGridWin : ::testing::Test {
    TestHost host;
    TempDir folder;
    CloneImage image;
    TestFrame frame;
    CZoneList* pane = nullptr;

    void SetUp() override {
        ASSERT_EQ(FileUtil::LoadImageFile(image, std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX"), 1);
        pane = new CZoneList(image);
        ASSERT_TRUE(pane->CreatePane(frame.frame, CZoneList::IDD));
    }
    void Raise(wxEventType type, int row, int col) {
        FlexGridEvent event(type, pane->Grid()->GetId());
        event.SetEventObject(pane->Grid());
        event.row = row;
        event.col = col;
        pane->Grid()->ProcessWindowEvent(event);
    }
    // Types `text` into the channel cell of `row` as the cell editor leaves it.
    void Type(int row, const std::string& text) {
        pane->Grid()->SetTextMatrix(row, Col::Channel, text);
        Raise(FLEXGRID_AFTER_EDIT, row, Col::Channel);
    }
    std::string Cell(int row, int col) const { return pane->Grid()->GetTextMatrix(row, col); }
    // Lays the pane out in the frame for real input; answers its grid.
    CVSFlexGrid& Shown() {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(pane, wxSizerFlags(1).Expand());
        frame->SetSizer(sizer);
        frame->Layout();
        return *pane->Grid();
    }
};

constexpr int kRow3 = HeaderRows + 2;  // slot 3

}  // namespace

TEST_F(GroupGridWin, ShowsTheSlotsOfTheGroup) {
    EXPECT_EQ(pane->Grid()->GetRows(), HeaderRows + 16);
    EXPECT_EQ(Cell(HeaderRows, Col::Channel), "1");
    EXPECT_EQ(Cell(HeaderRows, Col::Tag), "CH 1    ");
    EXPECT_EQ(Cell(kRow3, Col::Number), "3");
    pane->SetGroup(2);
    EXPECT_EQ(Cell(HeaderRows, Col::Channel), "33");
    EXPECT_EQ(pane->GetRowIndex(HeaderRows), 32);
}

TEST_F(GroupGridWin, AChannelNumberEditSurvivesSaveAndReload) {
    Type(kRow3, "40");
    EXPECT_EQ(Cell(kRow3, Col::Channel), "40");
    Type(HeaderRows + 5, "");
    EXPECT_EQ(Cell(HeaderRows + 5, Col::Channel), "");
    Type(HeaderRows + 6, "7x");
    EXPECT_EQ(Cell(HeaderRows + 6, Col::Channel), "7x") << "left as typed";

    const std::string path = folder / "edited.PDX";
    ASSERT_EQ(FileUtil::SaveImageFile(image, path), 1);
    CloneImage reloaded;
    ASSERT_EQ(FileUtil::LoadImageFile(reloaded, path), 1);
    EXPECT_EQ(ItemMap::ReadIndexedItem(reloaded, 0, 2), 39u);
    EXPECT_EQ(ItemMap::ReadIndexedItem(reloaded, 0, 5), 0xFFu);
    EXPECT_EQ(ItemMap::ReadIndexedItem(reloaded, 0, 6), 6u);

    CloneImage shown = reloaded;
    auto* again = new CZoneList(shown);
    ASSERT_TRUE(again->CreatePane(frame.frame, CZoneList::IDD));
    EXPECT_EQ(again->Grid()->GetTextMatrix(kRow3, Col::Channel), "40");
}

TEST_F(GroupGridWin, PasteAndDropStoreSlots) {
    pane->Grid()->SetRow(kRow3);
    pane->Grid()->SelectRow(kRow3);
    pane->Grid()->SelectRow(kRow3 + 1, true);
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject("12"));
        wxTheClipboard->Close();
    }
    pane->Paste();
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 0, 2), 11u);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 0, 3), 11u);

    DragRecord& drag = SharedDrag();
    drag = DragRecord{};
    drag.mode = 1;
    drag.channels[20] = drag.channels[9] = true;
    pane->DropOn(HeaderRows + 14);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 0, 14), 9u);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 0, 15), 20u);
    EXPECT_EQ(drag.result, 3);
    EXPECT_EQ(Cell(HeaderRows + 15, Col::Channel), "21");

    ItemMap::SetOneGroupMode(image, 1);
    pane->AssignChannelToSelection(99);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 0, 2), 11u) << "newer firmware in One Group Mode refuses";
    ItemMap::SetOneGroupMode(image, 0);
    pane->AssignChannelToSelection(99);
    EXPECT_EQ(ItemMap::ReadIndexedItem(image, 0, 2), 99u);
}

TEST_F(GroupGridWin, SwitchesChangeTheMemberChannel) {
    const auto& txFlag = ItemMap::ChannelItems[ItemMap::ChannelTxSetItem];
    pane->Grid()->SetRow(HeaderRows);
    pane->Gesture(0, HeaderRows, Col::Tx);
    EXPECT_EQ(ItemMap::ReadChannelField(txFlag, image, 0), 0u);
    EXPECT_EQ(Cell(HeaderRows, Col::Tx), "---.-----");
    pane->Gesture(2, HeaderRows, Col::Tx);
    EXPECT_EQ(ItemMap::ReadChannelField(txFlag, image, 0), 0u) << "Enter only asks for the editor";
    pane->Gesture(0, HeaderRows, Col::Tx);
    EXPECT_EQ(ItemMap::ReadChannelField(txFlag, image, 0), 1u);

    // 150 MHz lies in a narrowband band: cycling keeps the channel narrow.
    pane->Gesture(0, HeaderRows, Col::Bandwidth);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 0), 2u);
    EXPECT_EQ(Cell(HeaderRows, Col::Bandwidth), "N");
}

TEST_F(GroupGridWin, InfoOpensTheChannelOnACopy) {
    const CloneImage before = image;
    CCHInformation::SetModalRunner([](CCHInformation& dialog) {
        dialog.Pane()->EnterText(ChannelEditor::Id::Tag, "cancel");
        return static_cast<int>(wxID_CANCEL);
    });
    pane->Gesture(1, HeaderRows, Col::Info);
    EXPECT_EQ(image, before);
    CCHInformation::SetModalRunner([](CCHInformation& dialog) {
        EXPECT_EQ(dialog.Pane()->GetCurrentIndex(), 0);
        dialog.Pane()->EnterText(ChannelEditor::Id::Tag, "kept");
        return static_cast<int>(wxID_OK);
    });
    pane->Gesture(1, HeaderRows, Col::Info);
    CCHInformation::SetModalRunner(nullptr);
    EXPECT_EQ(Channel::GetTag(image, 0), "KEPT    ");
    EXPECT_EQ(Cell(HeaderRows, Col::Tag), "KEPT    ");
}

TEST_F(GroupGridWin, OnlyTheChannelColumnOpensAnEditor) {
    for (int col = 0; col < ColumnCount; ++col) {
        FlexGridEvent event(FLEXGRID_START_EDIT, pane->Grid()->GetId());
        event.SetEventObject(pane->Grid());
        event.row = HeaderRows;
        event.col = col;
        pane->Grid()->ProcessWindowEvent(event);
        EXPECT_EQ(event.cancel, col != Col::Channel) << col;
    }
}

TEST_F(GroupGridWin, PrintsTheGroupTable) {
    std::string html;
    bool more = false;
    pane->GetHtml(html, &image, &more, false);
    EXPECT_FALSE(more);
    EXPECT_EQ(html.find("<table width=\"100%\"><tr><th  class=\"borderless\">"), 0u);
    EXPECT_NE(html.find("<td>CH 1    </td>"), std::string::npos);
    std::size_t rows = 0;
    for (auto at = html.find("<tr>"); at != std::string::npos; at = html.find("<tr>", at + 1)) ++rows;
    EXPECT_EQ(rows, 2u + 16u);
}

// A member number typed into the real cell editor and ended with Enter is
// stored in the slot, the cursor moves one row down, and the grid takes
// the next key (Enter used to re-enter the commit until the stack ran out).
TEST_F(GroupGridWin, TypedMemberIsStoredAndEnterMovesDown) {
    CVSFlexGrid& grid = Shown();
    ASSERT_TRUE(RealInput::Focus(&grid));
    RealInput::ClickCell(grid, kRow3, Col::Channel);
    ASSERT_EQ(grid.GetGridCursorRow(), kRow3);
    RealInput::Key(WXK_RETURN);
    ASSERT_TRUE(grid.IsCellEditControlShown());
    RealInput::Key(WXK_END);
    RealInput::Key(WXK_BACK);
    RealInput::Type("7");
    RealInput::Key(WXK_RETURN);
    EXPECT_FALSE(grid.IsCellEditControlShown());
    EXPECT_EQ(Member(image, 0, 2), 6) << "slot 3 holds channel 7";
    EXPECT_EQ(Cell(kRow3, Col::Channel), "7");
    EXPECT_EQ(grid.GetGridCursorRow(), kRow3 + 1);
    // The next Enter opens the editor on the row below.
    RealInput::Key(WXK_RETURN);
    EXPECT_TRUE(grid.IsCellEditControlShown());
    EXPECT_EQ(grid.GetGridCursorRow(), kRow3 + 1);
    RealInput::Key(WXK_ESCAPE);
}

// A real right click on the selected slots opens the grid's context menu;
// "Row Copy", picked by its mnemonic, moves the selected slots but the first
// down by one.
TEST_F(GroupGridWin, RowCopyFromTheContextMenuMovesTheSelectedSlotsDown) {
    CVSFlexGrid& grid = Shown();
    ASSERT_TRUE(RealInput::Focus(&grid));
    const auto before = [&](int slot) { return ItemMap::ReadIndexedItem(image, 0, slot); };
    const std::uint32_t slot3 = before(2), slot4 = before(3), slot6 = before(5);
    ASSERT_NE(slot3, slot4);
    RealInput::KeysWhenMenuOpens keys([](wxUIActionSimulator& sim) { sim.Char('c'); });
    for (int attempt = 0; attempt < 3 && before(3) == slot4; ++attempt) {
        grid.SetRow(kRow3);
        grid.SelectRow(kRow3);
        grid.SelectRow(kRow3 + 1, true);
        grid.SelectRow(kRow3 + 2, true);
        RealInput::ClickCell(grid, kRow3, Col::Tag, wxMOUSE_BTN_RIGHT);
        RealInput::WaitFor([&] { return before(3) != slot4; }, 1500);
    }
    EXPECT_EQ(before(2), slot3);
    EXPECT_EQ(before(3), slot3);
    EXPECT_EQ(before(4), slot4);
    EXPECT_EQ(before(5), slot6);
}

// Slots 3 and 4, selected by their numbers and dragged with the real mouse by
// the channel cell of slot 3 onto slot 10, put their channel numbers into
// slots 10 and 11. The rotary switch as "SW" (the default data) forbids the
// drag: the same gesture writes no slot. A press and release without a move
// keeps the selection and changes nothing; a double click still opens the
// editor.
TEST_F(GroupGridWin, SelectedSlotsDraggedByTheirChannelCellAreWrittenAtTheDropSlot) {
    CVSFlexGrid& grid = Shown();
    ASSERT_TRUE(RealInput::Focus(&grid));
    const std::vector<int> selected{kRow3, kRow3 + 1};
    const auto select = [&] {
        wxUIActionSimulator sim;
        for (int attempt = 0; attempt < 3 && grid.SelectedRows() != selected; ++attempt) {
            RealInput::Settle(600);
            RealInput::ClickCell(grid, kRow3, Col::Number);
            sim.KeyDown(WXK_CONTROL);
            RealInput::ClickCell(grid, kRow3 + 1, Col::Number);
            sim.KeyUp(WXK_CONTROL);
            RealInput::Settle();
        }
        ASSERT_EQ(grid.SelectedRows(), selected);
    };
    const auto slots = [&] {
        std::vector<std::uint32_t> members;
        for (int slot = 0; slot < 16; ++slot) members.push_back(ItemMap::ReadIndexedItem(image, 0, slot));
        return members;
    };
    const int dropRow = HeaderRows + 9;
    const auto drag = [&] {
        // A press soon after the last click would make a double click.
        RealInput::Settle(600);
        RealInput::DragMouse(RealInput::CellCentre(grid, kRow3, Col::Channel),
                             RealInput::CellCentre(grid, dropRow, Col::Channel));
    };
    std::vector<std::uint32_t> dropped = slots();
    ASSERT_EQ(dropped[2], 2u);
    ASSERT_EQ(dropped[3], 3u);
    dropped[9] = 2;
    dropped[10] = 3;
    ASSERT_NE(slots(), dropped);

    ASSERT_EQ(ItemMap::GetRotarySwAction(image), 1u);
    const CloneImage before = image;
    select();
    drag();
    EXPECT_TRUE(image == before) << "the rotary switch forbids the drag";

    ItemMap::SetRotarySwAction(image, 2);  // "Encoder"
    const CloneImage encoder = image;
    select();
    RealInput::Settle(600);
    RealInput::ClickCell(grid, kRow3, Col::Channel);
    EXPECT_EQ(grid.SelectedRows(), selected) << "press and release";
    EXPECT_FALSE(grid.IsCellEditControlShown());
    EXPECT_TRUE(image == encoder);

    RealInput::Settle(600);
    RealInput::ClickCell(grid, kRow3, Col::Channel, wxMOUSE_BTN_LEFT, true);
    EXPECT_TRUE(grid.IsCellEditControlShown()) << "double click";
    RealInput::Key(WXK_ESCAPE);
    EXPECT_TRUE(image == encoder);

    for (int attempt = 0; attempt < 3 && slots() != dropped; ++attempt) {
        select();
        drag();
    }
    EXPECT_EQ(slots(), dropped);
    EXPECT_EQ(Cell(dropRow, Col::Channel), "3");
    EXPECT_EQ(Cell(dropRow + 1, Col::Channel), "4");
}
