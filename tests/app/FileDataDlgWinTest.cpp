// The image editor driven with real keys and clicks: a typed byte reaches
// the image only through OK, Cancel and an OK without edits leave it byte for
// byte, the page edit and the jump dialog move the view.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/radiobut.h>

#include <functional>

#include "ui/RealInput.h"
#include "ui/WinTestUtil.h"
#include "app/FileDataDlg.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/HEdit.h"
#include "ui/UpDownCtrl.h"
#include "ui/VSFlexGrid.h"

using namespace RealInput;

namespace {

class FileDataWin : public ::testing::Test {
  protected:
    void SetUp() override {
        SetProfilePath(dir.path() / "pardex.xml");
        for (std::size_t i = 0; i < CloneImage::Size; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
        CFileDataJumpDlg::Choices() = {};
    }

    // Runs the editor on `image` through its command; `user` acts on it.
    bool Run(const std::function<void(CFileDataDlg&)>& user) {
        bool acted = false;
        WhenModal<CFileDataDlg>([&](CFileDataDlg& dialog) {
            Settle();
            user(dialog);
            acted = true;
            if (dialog.IsModal()) dialog.EndModal(wxID_ABORT);  // the test forgot to close it
        });
        const bool ok = CFileDataDlg::EditImage(frame.frame, image);
        EXPECT_TRUE(acted);
        return ok;
    }

    // Types a byte into a cell of data row `row`, byte column `col`.
    static void TypeByte(CFileDataDlg& dialog, int row, int col, const std::string& keys) {
        CVSFlexGrid& grid = dialog.Grid();
        ClickCell(grid, 1 + row, 1 + col);
        ASSERT_TRUE(Focus(&grid));
        Type(keys);
        Key(WXK_RETURN);
        WaitFor([&] { return !grid.IsCellEditControlShown(); });
    }

    TempDir dir;
    TestFrame frame;
    CloneImage image;
};

TEST_F(FileDataWin, TypedByteReachesTheImageOnlyThroughOk) {
    const CloneImage before = image;
    // "g" is refused, "a" enters "A": committing writes 0x0A into the copy.
    EXPECT_FALSE(Run([&](CFileDataDlg& dialog) {
        EXPECT_EQ(dialog.Grid().GetTextMatrix(1 + 2, 0), "00010");
        EXPECT_EQ(dialog.Grid().GetTextMatrix(1 + 1, 0), "");
        TypeByte(dialog, 2, 0, "ga");
        EXPECT_EQ(dialog.Grid().GetTextMatrix(1 + 2, 1), "0A");
        Click(dialog.FindWindow(wxID_CANCEL));
    }));
    EXPECT_TRUE(image == before) << "Cancel kept an edit";

    EXPECT_TRUE(Run([&](CFileDataDlg& dialog) {
        EXPECT_EQ(dialog.Grid().GetTextMatrix(1 + 576, 0), "F1000");
        TypeByte(dialog, 576, 3, "c5");
        Click(dialog.FindWindow(wxID_OK));
    }));
    CloneImage expected = before;
    expected[0x2403] = 0xC5;
    EXPECT_TRUE(image == expected) << "OK changed more or less than byte 0x2403";

    // A second OK without edits changes nothing.
    const CloneImage afterFirst = image;
    EXPECT_TRUE(Run([&](CFileDataDlg& dialog) { Click(dialog.FindWindow(wxID_OK)); }));
    EXPECT_TRUE(image == afterFirst);
}

TEST_F(FileDataWin, EnterInTheGridDoesNotClose) {
    EXPECT_FALSE(Run([&](CFileDataDlg& dialog) {
        ClickCell(dialog.Grid(), 1 + 5, 1 + 5);
        Key(WXK_RETURN);
        Key(WXK_RETURN);
        EXPECT_TRUE(dialog.IsModal());
        Click(dialog.FindWindow(wxID_CANCEL));
    }));
}

TEST_F(FileDataWin, PageEditAndUpDownScrollToThePage) {
    Run([&](CFileDataDlg& dialog) {
        CVSFlexGrid& grid = dialog.Grid();
        HEditBase& page = dialog.PageEdit();
        auto typePage = [&](const std::string& text) {
            ASSERT_TRUE(Focus(&page));
            page.SelectAll();
            Key(WXK_BACK);
            Type(text);
        };
        typePage("0F");
        EXPECT_EQ(grid.GetRow(), 1 + 1024);
        EXPECT_EQ(grid.GetCol(), 1);
        EXPECT_EQ(grid.GetFirstFullyVisibleRow(), 1 + 1024);
        typePage("P");
        EXPECT_EQ(grid.GetRow(), 1);
        EXPECT_EQ(dialog.UpDown().GetValue(), 1);  // the header area
        // The down arrow goes to page 0.
        ASSERT_TRUE(Focus(&dialog.UpDown()));
        Key(WXK_DOWN);
        WaitFor([&] { return page.GetText() == "00"; });
        EXPECT_EQ(page.GetText(), "00");
        EXPECT_EQ(grid.GetRow(), 1 + 64);
        Click(dialog.FindWindow(wxID_CANCEL));
    });
}

TEST_F(FileDataWin, JumpPlacesAnAddressAndRefusesOneOutsideTheDump) {
    Run([&](CFileDataDlg& dialog) {
        CVSFlexGrid& grid = dialog.Grid();
        bool stayedOpen = false;
        // An address outside the shown areas leaves the jump dialog open.
        WhenModal<CFileDataJumpDlg>([&](CFileDataJumpDlg& jump) {
            Settle();
            Click(&jump.AddressMode());
            EXPECT_FALSE(jump.Area().IsEnabled());
            ASSERT_TRUE(Focus(&jump.Address()));
            Type("30000");
            Click(jump.FindWindow(wxID_OK));
            stayedOpen = jump.IsModal();
            Click(jump.FindWindow(wxID_CANCEL));
        });
        Click(dialog.FindWindow(CFileDataDlg::IDC_JUMP));
        WaitFor([&] { return stayedOpen; });
        EXPECT_TRUE(stayedOpen);
        EXPECT_EQ(grid.GetRow(), 1);

        // Ctrl+G: the typed address is remembered; 2D012 is row 65, byte 2.
        WhenModal<CFileDataJumpDlg>([&](CFileDataJumpDlg& jump) {
            Settle();
            EXPECT_TRUE(jump.AddressMode().GetValue());
            EXPECT_EQ(jump.Address().GetText(), "30000");
            ASSERT_TRUE(Focus(&jump.Address()));
            jump.Address().SelectAll();
            Type("2D012");
            Click(jump.FindWindow(wxID_OK));
        });
        ASSERT_TRUE(Focus(&grid));
        Key('G', wxMOD_CONTROL);
        WaitFor([&] { return grid.GetRow() == 1 + 65; });
        EXPECT_EQ(grid.GetRow(), 1 + 65);
        EXPECT_EQ(grid.GetCol(), 1 + 2);
        EXPECT_EQ(grid.GetFirstFullyVisibleRow(), 1 + 65);

        // An area of the list: the block-8 flash area.
        WhenModal<CFileDataJumpDlg>([&](CFileDataJumpDlg& jump) {
            Settle();
            Click(&jump.SelectBlock());
            EXPECT_FALSE(jump.Address().IsEnabled());
            jump.Area().SetFocus();
            jump.Area().SetSelection(jump.Area().FindString("EE:Group Allocation Data"));
            Click(jump.FindWindow(wxID_OK));
        });
        Click(dialog.FindWindow(CFileDataDlg::IDC_JUMP));
        WaitFor([&] { return grid.GetRow() == 1 + 0x20; });
        EXPECT_EQ(grid.GetRow(), 1 + 0x20);
        Click(dialog.FindWindow(wxID_CANCEL));
    });
}

TEST_F(FileDataWin, KeepsItsHeightButNeverGoesBelowTheTemplate) {
    WriteProfileInt(CFileDataDlg::SettingsSection, "Y", 10);
    {
        CFileDataDlg dialog(frame.frame, image);
        EXPECT_EQ(dialog.GetSize().y, dialog.TemplateSize().y);
    }
    Run([&](CFileDataDlg& dialog) {
        dialog.SetSize(wxSize(dialog.GetSize().x, dialog.TemplateSize().y + 120));
        Settle();
        Click(dialog.FindWindow(wxID_CANCEL));
    });
    CFileDataDlg again(frame.frame, image);
    EXPECT_EQ(again.GetSize().y, again.TemplateSize().y + 120);
}

}  // namespace
