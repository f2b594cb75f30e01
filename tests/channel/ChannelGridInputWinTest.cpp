// The channel grid driven by real keyboard and mouse input, as a user works
// it: the in-place editor's keys, moving the cell cursor, and the shortcuts.
#include <gtest/gtest.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <string>

#include "ChannelGridFixture.h"
#include "RealInput.h"
#include "WinTestUtil.h"
#include "channel/ChannelGrid.h"
#include "channel/ChannelGridCells.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/TestHost.h"

namespace Col = ChannelGridCells::Col;
using ChannelGridFixture::CopyFirstChannel;
using ChannelGridFixture::LoadDefault;

namespace {

struct InputFixture : ::testing::Test {
    TestHost host;
    TestFrame frame;
    CloneImage image = LoadDefault();
    ChannelList* pane = nullptr;

    void Open() {
        pane = new ChannelList(image);
        ASSERT_TRUE(pane->CreatePane(frame.frame, ChannelList::IDD));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(pane, wxSizerFlags(1).Expand());
        frame->SetSizer(sizer);
        frame->Layout();
        RealInput::Settle();
        ASSERT_TRUE(RealInput::Focus(pane->Grid()));
    }
    CVSFlexGrid& Grid() { return *pane->Grid(); }
    std::string Cell(int row, int col) { return Grid().GetTextMatrix(row, col); }
    wxTextCtrl* Editor() {
        if (!Grid().IsCellEditControlShown()) return nullptr;
        auto* editor = Grid().GetCellEditor(Grid().GetRow(), Grid().GetCol());
        auto* control = dynamic_cast<wxTextCtrl*>(editor->GetControl());
        editor->DecRef();
        return control;
    }
    // Puts the cursor on a cell by clicking it.
    void ClickCell(int row, int col) { RealInput::ClickCell(Grid(), row, col); }
};

}  // namespace

// Home, End, Delete and the arrows edit the text as in any text field; the
// tag filter sees only the characters typed.
TEST_F(InputFixture, NavigationKeysEditTheTagText) {
    Open();
    ASSERT_EQ(Channel::GetTag(image, 0), "CH 1    ");
    ClickCell(2, Col::Tag);
    RealInput::Key(WXK_RETURN);
    ASSERT_NE(Editor(), nullptr);
    RealInput::Key(WXK_HOME);
    RealInput::Key(WXK_DELETE);
    RealInput::Type("X");
    RealInput::Key(WXK_RIGHT);
    RealInput::Key(WXK_DELETE);
    RealInput::Key(WXK_END);
    RealInput::Key(WXK_LEFT);
    RealInput::Type("z");
    RealInput::Key(WXK_RETURN);
    EXPECT_EQ(Channel::GetTag(image, 0), "XH1   Z ");
}

// The editor opens showing the cell's value; End, Backspace, Home, the arrows
// and Delete work in a frequency cell, so a typed digit changes one digit.
TEST_F(InputFixture, FrequencyEditorKeepsTheValueAndTakesNavigationKeys) {
    ASSERT_TRUE(Channel::SetRxFrequency(image, 0, 150.0));
    Open();
    ASSERT_EQ(Cell(2, Col::RxFrequency), "150.00000");
    ClickCell(2, Col::RxFrequency);
    RealInput::Key(WXK_RETURN);
    wxTextCtrl* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->GetValue(), "150.00000");
    RealInput::Key(WXK_END);
    for (int i = 0; i < 4; ++i) RealInput::Key(WXK_BACK);
    RealInput::Type("5");
    RealInput::Key(WXK_HOME);
    RealInput::Key(WXK_RIGHT);
    RealInput::Key(WXK_DELETE);
    RealInput::Type("6");
    EXPECT_EQ(editor->GetValue(), "160.05");
    RealInput::Key(WXK_RETURN);
    EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, 0), 160.05, 1e-6);
    EXPECT_EQ(Cell(2, Col::RxFrequency), "160.05000");
}

// From start-up the keyboard alone reaches the data rows.
TEST_F(InputFixture, CursorStartsOnADataCellAndKeysMoveIt) {
    Open();
    EXPECT_EQ(Grid().GetGridCursorRow(), ChannelGridCells::FixedRows);
    EXPECT_EQ(Grid().GetGridCursorCol(), 0);
    RealInput::Key(WXK_DOWN);
    RealInput::Key(WXK_DOWN);
    EXPECT_EQ(Grid().GetGridCursorRow(), ChannelGridCells::FixedRows + 2);
    RealInput::Key(WXK_TAB);
    EXPECT_EQ(Grid().GetGridCursorCol(), 1);
    RealInput::Key(WXK_UP);
    RealInput::Key(WXK_UP);
    RealInput::Key(WXK_UP);  // the header rows take no cursor
    EXPECT_EQ(Grid().GetGridCursorRow(), ChannelGridCells::FixedRows);
    RealInput::Key(WXK_END, wxMOD_CONTROL);
    EXPECT_EQ(Grid().GetGridCursorRow(), Grid().GetNumberRows() - 1);
    RealInput::Key(WXK_HOME, wxMOD_CONTROL);
    EXPECT_EQ(Grid().GetGridCursorRow(), ChannelGridCells::FixedRows);
    EXPECT_EQ(Grid().GetGridCursorCol(), 0);
}

// A frequency outside the radio's band is refused with "Out of Frequency
// Range!" and the cell shows the value it had.
TEST_F(InputFixture, OutOfBandFrequencyIsRefusedInTheGrid) {
    ASSERT_TRUE(Channel::SetRxFrequency(image, 0, 150.0));
    Open();
    for (const char* typed : {"600", "44"}) {
        host.messages.clear();
        ClickCell(2, Col::RxFrequency);
        RealInput::Key(WXK_RETURN);
        ASSERT_NE(Editor(), nullptr);
        RealInput::Type(typed);
        RealInput::Key(WXK_RETURN);
        EXPECT_EQ(Cell(2, Col::RxFrequency), "150.00000") << typed;
        EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, 0), 150.0, 1e-6) << typed;
        ASSERT_EQ(host.messages.size(), 1u) << typed;
        EXPECT_EQ(host.messages[0].rid, Channel::RidOutOfRange);
    }
}

// The header rows keep the height of their two-line texts when the grid is
// built again (every refresh from the image does it).
TEST_F(InputFixture, HeaderRowsKeepTheirHeightAfterARebuild) {
    Open();
    const int top = Grid().GetRowSize(0), bottom = Grid().GetRowSize(1);
    EXPECT_GT(top, Grid().GetRowSize(ChannelGridCells::FixedRows));
    pane->RefreshFromImage();
    RealInput::Settle();
    EXPECT_EQ(Grid().GetRowSize(0), top);
    EXPECT_EQ(Grid().GetRowSize(1), bottom);
}
