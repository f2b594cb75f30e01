// The group allocation dialog on a default data file: OK stores tags and
// members, Cancel leaves the document byte for byte, and the printout.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>

#include "RealInput.h"
#include "WinTestUtil.h"
#include "channel/GroupAllocationDlg.h"
#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/TagCharRule.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

using namespace ZoneAllocation;

namespace {

struct AllocationWin : ::testing::Test {
    TestHost host;
    CloneImage document;
    TestFrame frame;

    void SetUp() override {
        ASSERT_EQ(FileUtil::LoadImageFile(document, std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX"),
                  1);
        ItemMap::SetOneGroupMode(document, 0);
        ASSERT_GE(ItemMap::GetMaxGroup(document), 2u);
    }
    // Types `text` into a cell as its editor leaves it.
    static void Type(CZoneAllocationDlg& dialog, int row, int col, const std::string& text) {
        CVSFlexGrid* grid = dialog.Grid();
        grid->SetTextMatrix(row, col, text);
        FlexGridEvent event(FLEXGRID_AFTER_EDIT, grid->GetId());
        event.SetEventObject(grid);
        event.row = row;
        event.col = col;
        grid->ProcessWindowEvent(event);
        ProcessQueued();
    }
    // Runs the dialog on a working copy as the main frame does; the copy
    // replaces the document only on OK.
    int RunOnCopy(std::function<int(CZoneAllocationDlg&)> user) {
        CZoneAllocationDlg::SetModalRunner(std::move(user));
        CloneImage working = document;
        int result;
        {
            CZoneAllocationDlg dialog(working);
            result = dialog.Run(frame.frame);
        }
        CZoneAllocationDlg::SetModalRunner(nullptr);
        if (result == wxID_OK) document = working;
        return result;
    }
};

}  // namespace

TEST_F(AllocationWin, OkStoresTagsAndMembers) {
    const int result = RunOnCopy([](CZoneAllocationDlg& dialog) {
        Type(dialog, TagRow, ColumnOf(1, CellKind::ChannelNo), "north");
        Type(dialog, RowOf(3), ColumnOf(0, CellKind::ChannelNo), "9");
        // Channel 1 is the only channel in use: its name can be edited.
        Type(dialog, RowOf(0), ColumnOf(0, CellKind::Tag), "home");
        dialog.Activate(GroupScanRow, ColumnOf(1, CellKind::ChannelNo));
        EXPECT_EQ(dialog.Grid()->GetTextMatrix(TagRow, ColumnOf(1, CellKind::ChannelNo)), "NORTH   ");
        dialog.OnOK();
        return dialog.GetReturnCode();
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(TagCodesToText(ItemMap::GetGroupTag(document, 1)), "NORTH   ");
    EXPECT_EQ(Channel::GetTag(document, 0), "HOME    ");
    EXPECT_EQ(ItemMap::GetGroupScanFlag(document, 1), 0u);
    EXPECT_EQ(ItemMap::ReadIndexedItem(document, 0, 3), 3u) << "a not-used member is not editable";
}

TEST_F(AllocationWin, OkStoresAMemberOfAnEditablePosition) {
    for (int c = 0; c < 16; ++c) ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], document, c, 0);
    const int result = RunOnCopy([](CZoneAllocationDlg& dialog) {
        Type(dialog, RowOf(3), ColumnOf(0, CellKind::ChannelNo), "9");
        Type(dialog, RowOf(4), ColumnOf(0, CellKind::ChannelNo), "");
        dialog.Activate(RowOf(5), ColumnOf(0, CellKind::Priority));
        dialog.OnOK();
        return dialog.GetReturnCode();
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(ItemMap::ReadIndexedItem(document, 0, 3), 8u);
    EXPECT_EQ(ItemMap::ReadIndexedItem(document, 0, 4), 0xFFu);
    EXPECT_EQ(ItemMap::GetPriorityChannel(document, 0), 5u);
}

TEST_F(AllocationWin, CancelLeavesTheDocumentByteForByte) {
    for (int c = 0; c < 16; ++c) ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], document, c, 0);
    const CloneImage before = document;
    const int result = RunOnCopy([](CZoneAllocationDlg& dialog) {
        Type(dialog, TagRow, ColumnOf(0, CellKind::ChannelNo), "gone");
        Type(dialog, RowOf(2), ColumnOf(0, CellKind::ChannelNo), "77");
        // The in-use toggle stays in the dialog until OK.
        dialog.Activate(RowOf(6), ColumnOf(0, CellKind::ChannelNo));
        EXPECT_FALSE(dialog.Model().InUse(6));
        dialog.OnCancel();
        return dialog.GetReturnCode();
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(document, before);
}

TEST_F(AllocationWin, TheHiddenOneGroupModeBoxWritesNothing) {
    ItemMap::SetDisplayType(document, 0);
    ItemMap::SetOneGroupMode(document, 1);
    const int result = RunOnCopy([](CZoneAllocationDlg& dialog) {
        auto* box = dynamic_cast<wxChoice*>(dialog.FindWindow(CZoneAllocationDlg::IDC_ONE_GROUP_MODE));
        EXPECT_NE(box, nullptr);
        EXPECT_FALSE(box->IsShown());
        EXPECT_TRUE(dialog.Grid()->GetColHidden(ColumnOf(1, CellKind::ChannelNo))) << "only group 1 shows";
        dialog.OnOK();
        return dialog.GetReturnCode();
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(ItemMap::GetOneGroupMode(document), 1u);
}

TEST_F(AllocationWin, CopyAndPasteOfTheCurrentCell) {
    for (int c = 0; c < 16; ++c) ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], document, c, 0);
    RunOnCopy([](CZoneAllocationDlg& dialog) {
        CVSFlexGrid* grid = dialog.Grid();
        grid->SetGridCursor(RowOf(1), ColumnOf(0, CellKind::Scan));
        dialog.CopyCell();
        std::string copied;
        if (wxTheClipboard->Open()) {
            wxTextDataObject data;
            if (wxTheClipboard->GetData(data)) copied = data.GetText().utf8_string();
            wxTheClipboard->SetData(new wxTextDataObject("v"));
            wxTheClipboard->Close();
        }
        EXPECT_EQ(copied, dialog.Model().ScanOn(0, 1) ? "v" : "-");
        dialog.PasteCell();
        EXPECT_TRUE(dialog.Model().ScanOn(0, 1));
        dialog.OnOK();
        return dialog.GetReturnCode();
    });
    EXPECT_EQ(ItemMap::GetChannelScanZoneBit(document, 1), 0u);
}

TEST_F(AllocationWin, PrintsEveryValidGroupInPagesOfFour) {
    CZoneAllocationDlg printer(document);
    std::string html;
    bool more = false;
    int pages = 0;
    do {
        more = false;
        printer.GetHtml(html, &document, &more, true);
        ++pages;
    } while (more && pages < 10);
    const int groups = static_cast<int>(std::min(ItemMap::GetMaxGroup(document), 8u));
    int valid = 0;
    for (int g = 0; g < groups; ++g)
        valid += ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], document, g) == 0;
    EXPECT_EQ(pages, std::max(1, (valid + 3) / 4));
    EXPECT_NE(html.find("[Group Allocation]"), std::string::npos);
    EXPECT_NE(html.find("<td>No.16</td>"), std::string::npos);
}

TEST_F(AllocationWin, TheMenuCommandWritesTheWorkingCopyOnlyOnOk) {
    CloneImage working = document;
    CZoneAllocationDlg::SetModalRunner([](CZoneAllocationDlg& dialog) {
        dialog.Model().SetGroupTag(0, "first");
        dialog.OnCancel();
        return dialog.GetReturnCode();
    });
    EXPECT_FALSE(CZoneAllocationDlg::Edit(frame.frame, working));
    EXPECT_EQ(working, document);
    CZoneAllocationDlg::SetModalRunner([](CZoneAllocationDlg& dialog) {
        dialog.Model().SetGroupTag(0, "first");
        dialog.OnOK();
        return dialog.GetReturnCode();
    });
    EXPECT_TRUE(CZoneAllocationDlg::Edit(frame.frame, working));
    CZoneAllocationDlg::SetModalRunner(nullptr);
    EXPECT_EQ(TagCodesToText(ItemMap::GetGroupTag(working, 0)), "FIRST   ");
}

// F1 on the grid asks for the help of the current cell's kind (here a
// group's tag row, sub-index 1).
TEST_F(AllocationWin, F1OnTheGridAsksForTheCellsTopic) {
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> asked;
    hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
    RunOnCopy([](CZoneAllocationDlg& dialog) {
        dialog.Show();
        CVSFlexGrid* grid = dialog.Grid();
        grid->SetGridCursor(TagRow, 1);
        EXPECT_TRUE(RealInput::Focus(grid));
        RealInput::Key(WXK_F1);
        dialog.OnCancel();
        return dialog.GetReturnCode();
    });
    hooks = saved;
    EXPECT_EQ(asked, std::vector<int>{MakeRID(1, 601, 1013)});
}

// A real right click on the grid opens its context menu (the row entries
// shown but disabled); its "Copy" entry, picked by its mnemonic, copies the
// current cell.
TEST_F(AllocationWin, TheContextMenuOpensAndItsCopyEntryCopiesTheCell) {
    RunOnCopy([](CZoneAllocationDlg& dialog) {
        dialog.Show();
        CVSFlexGrid* grid = dialog.Grid();
        EXPECT_TRUE(RealInput::Focus(grid));
        const int row = RowOf(1), col = ColumnOf(0, CellKind::ChannelNo);
        grid->SetGridCursor(row, col);
        if (wxTheClipboard->Open()) {
            wxTheClipboard->SetData(new wxTextDataObject("before"));
            wxTheClipboard->Close();
        }
        // "Copy" is picked by its key once the menu is open.
        RealInput::KeysWhenMenuOpens keys([](wxUIActionSimulator& sim) { sim.Char('c'); });
        RealInput::ClickCell(*grid, row, col, wxMOUSE_BTN_RIGHT);
        const std::string expected = grid->GetTextMatrix(row, col);
        std::string copied;
        RealInput::WaitFor([&] {
            if (wxTheClipboard->Open()) {
                wxTextDataObject data;
                if (wxTheClipboard->GetData(data)) copied = data.GetText().utf8_string();
                wxTheClipboard->Close();
            }
            return copied != "before";
        });
        EXPECT_FALSE(expected.empty());
        EXPECT_EQ(copied, expected);
        dialog.OnCancel();
        return dialog.GetReturnCode();
    });
}
