#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <vector>

#include "HelpWinUtil.h"
#include "help/HelpFrame.h"
#include "help/HelpMap.h"
#include "help/HelpTopics.h"
#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

namespace {

constexpr int kFiveToneHelpDialog = 406;

// A view of the frame: two edits, and in the button bar a Cancel (1096).
wxWindow* MakeView(wxWindow* parent, int paneId) {
    auto* panel = new wxPanel(parent, paneId);
    new wxTextCtrl(panel, paneId * 10 + 1, "", wxPoint(4, 4), wxSize(80, -1));
    if (paneId == 628)
        new wxButton(panel, 1096, "Cancel", wxPoint(100, 4));
    else
        new wxTextCtrl(panel, paneId * 10 + 2, "", wxPoint(100, 4), wxSize(80, -1));
    return panel;
}

// A view with a grid (control 1013) of three columns.
wxWindow* MakeGridView(wxWindow* parent, int paneId) {
    auto* panel = new wxPanel(parent, paneId);
    auto* grid = new CVSFlexGrid(panel, 1013, wxPoint(0, 0), wxSize(300, 150));
    grid->SetCols(3);
    grid->SetRows(4);
    grid->SetFixedRows(1);
    return panel;
}

class HelpFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        help_ = new CHelpFrameWnd(kFiveToneHelpDialog);
        auto& panes = help_->Panes();
        panes[0] = {625, MakeView, 0, 0, 0, 140, 300};
        panes[1] = {626, MakeGridView, 1, 0, 0, 100, 200};
        panes[2] = {627, MakeView, 1, 0, 1, 100, 200};
        panes[3] = {628, MakeView, 2, 2, 0, 40, 40};
        panes[4] = {CHelpTopics::IDD,
                    [](wxWindow* parent, int id) -> wxWindow* {
                        auto* pane = new CHelpTopics;
                        return pane->CreatePane(parent, id) ? pane : nullptr;
                    },
                    3,
                    3,
                    0,
                    0,
                    160};
        frame_->SetClientSize(700, 300 + 200 + 40 + 160 + 3 * CHelpSplitterWnd::BarSize);
        ASSERT_TRUE(help_->Create(frame_.frame, wxID_ANY, frame_->GetClientSize()));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(help_, 1, wxEXPAND);
        frame_->SetSizer(sizer);
        frame_->Layout();
        ProcessQueued();
        help_->OnCancel = [this] { ++cancels_; };
    }
    // Resizes the host window and waits until the frame has the new height.
    void ResizeTo(int height) {
        frame_->SetClientSize(700, height);
        WaitFor([&] { return help_->GetClientSize().y == height; });
        ProcessQueued();
        // The rows follow the new size in a size event of their own: wait
        // until they stop changing.
        for (int i = 0; i < 40; ++i) {
            const std::vector<int> seen = Heights();
            wxMilliSleep(25);
            ProcessQueued();
            if (Heights() == seen) break;
        }
    }
    std::vector<int> Heights() const {
        std::vector<int> out;
        for (const auto& row : help_->Outer()->RowData()) out.push_back(row.current);
        return out;
    }

    TestFrame frame_;
    CHelpFrameWnd* help_ = nullptr;
    int cancels_ = 0;
};

TEST_F(HelpFrameTest, PanesSitInTheirRows) {
    EXPECT_EQ(Heights(), (std::vector<int>{300, 200, 40, 160}));
    for (int key = 0; key < 5; ++key) EXPECT_TRUE(help_->GetPaneWindow(key)) << key;
    EXPECT_FALSE(help_->GetPaneWindow(5));
    EXPECT_EQ(help_->GetPaneWindow(1)->GetParent(), help_->Inner());
    EXPECT_TRUE(dynamic_cast<CHelpTopics*>(help_->GetPaneWindow(4)));
}

TEST_F(HelpFrameTest, ResizingKeepsTheMinimaAndGrowsTheFirstRow) {
    const auto& rows = help_->Outer()->RowData();
    for (const int height : {600, 450, 300, 200}) {
        ResizeTo(height);
        for (const auto& row : rows) EXPECT_GE(row.ideal, row.minimum) << height;
    }
    // Below the sum of the minimums every row is at its minimum.
    for (const auto& row : rows) EXPECT_EQ(row.ideal, row.minimum);
    ResizeTo(800);
    EXPECT_GE(Heights()[0], 140);
    EXPECT_EQ(Heights()[1], 100);
    EXPECT_EQ(Heights()[2], 40);
    const int before = Heights()[0];
    ResizeTo(900);  // growing gives the first row the room
    EXPECT_EQ(Heights()[0], before + 100);
}

TEST_F(HelpFrameTest, HidingAndShowingTheHelpRowKeepsTheOtherRows) {
    const std::vector<int> before = Heights();
    help_->ShowPaneRow(3, 2, false);
    EXPECT_FALSE(help_->GetPaneWindow(4)->IsShown());
    EXPECT_EQ(Heights()[0], before[0]);
    EXPECT_EQ(Heights()[2], before[2]);
    EXPECT_EQ(Heights()[3], 0);
    help_->ShowPaneRow(3, 2, true);
    EXPECT_TRUE(help_->GetPaneWindow(4)->IsShown());
    EXPECT_EQ(Heights(), before);
}

TEST_F(HelpFrameTest, DraggingBars) {
    const std::vector<int> before = Heights();
    // The bar below row 0 moves 50 pixels up: the help row takes them.
    const int y0 = before[0] + CHelpSplitterWnd::BarSize / 2;
    DragIn(help_->Outer(), wxPoint(350, y0), wxPoint(350, y0 - 50));
    EXPECT_EQ(Heights(), (std::vector<int>{before[0] - 50, before[1], before[2], before[3] + 50}));
    // The bar below the button bar (row 2) is fixed.
    const std::vector<int> now = Heights();
    const int y2 = now[0] + now[1] + now[2] + 2 * CHelpSplitterWnd::BarSize + CHelpSplitterWnd::BarSize / 2;
    DragIn(help_->Outer(), wxPoint(350, y2), wxPoint(350, y2 - 30));
    EXPECT_EQ(Heights(), now);
    // A column is never narrower than 100 pixels.
    int width, minimum;
    help_->Inner()->GetColumnInfo(0, width, minimum);
    const int x = width + CHelpSplitterWnd::BarSize / 2;
    DragIn(help_->Inner(), wxPoint(x, 50), wxPoint(20, 50));
    help_->Inner()->GetColumnInfo(0, width, minimum);
    EXPECT_EQ(width, 100);
}

TEST_F(HelpFrameTest, TabMovesBetweenPanesEscClosesF1AsksForTheTopic) {
    std::vector<int> asked;
    auto& hooks = UiHooks::Current();
    const auto saved = hooks;
    const HelpTopicRow rows[] = {{MakeRID(0, kFiveToneHelpDialog, 6252), "x.htm"}};
    Help::UseTopicRows(rows);
    hooks.openHelp = [&](wxWindow*, int rid) { asked.push_back(rid); };

    wxWindow* first = help_->GetPaneWindow(0)->FindWindow(6251);
    ASSERT_TRUE(Focus(first));
    Key(WXK_TAB, wxMOD_SHIFT);  // the first control of pane 0, backwards: Cancel of pane 3
    EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() && wxWindow::FindFocus()->GetId() == 1096; }));
    Key(WXK_TAB);  // the last control of pane 3: on to pane 0
    EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() == first; }));
    Key(WXK_TAB);  // inside pane 0: the usual way
    EXPECT_TRUE(WaitFor([&] { return wxWindow::FindFocus() && wxWindow::FindFocus()->GetId() == 6252; }));

    Key(WXK_F1);  // control 6252 has a topic
    ASSERT_TRUE(Focus(first));
    Key(WXK_F1);  // control 6251 has none: the dialog's
    EXPECT_EQ(asked,
              (std::vector<int>{MakeRID(0, kFiveToneHelpDialog, 6252), MakeRID(0, kFiveToneHelpDialog, 0)}));

    Key(WXK_ESCAPE);
    EXPECT_EQ(cancels_, 1);
    hooks = saved;
}

TEST_F(HelpFrameTest, InAGridF1TakesTheColumnAndEscOnlyClosesTheCellEditor) {
    std::vector<int> asked;
    auto& hooks = UiHooks::Current();
    const auto saved = hooks;
    const HelpTopicRow rows[] = {{MakeRID(2, kFiveToneHelpDialog, 1013), "column2.htm"}};
    Help::UseTopicRows(rows);
    hooks.openHelp = [&](wxWindow*, int rid) { asked.push_back(rid); };

    auto* grid = dynamic_cast<CVSFlexGrid*>(help_->GetPaneWindow(1)->FindWindow(1013));
    ASSERT_TRUE(grid);
    grid->SetGridCursor(1, 2);
    auto inGrid = [grid] {
        for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent())
            if (w == grid) return true;
        return false;
    };
    ASSERT_TRUE(Focus(grid));
    Key(WXK_F1);
    grid->SetGridCursor(1, 1);
    Key(WXK_F1);  // column 1 has no topic: the dialog's
    EXPECT_EQ(asked,
              (std::vector<int>{MakeRID(2, kFiveToneHelpDialog, 1013), MakeRID(0, kFiveToneHelpDialog, 0)}));

    grid->EditCell();
    ASSERT_TRUE(WaitFor([&] { return grid->GetProperty200() != 0; }));
    Key(WXK_ESCAPE);  // closes the editor only
    EXPECT_EQ(cancels_, 0);
    ASSERT_TRUE(WaitFor([&] { return grid->GetProperty200() == 0; }));
    ASSERT_TRUE(inGrid());
    Key(WXK_ESCAPE);
    EXPECT_EQ(cancels_, 1);
    hooks = saved;
}

}  // namespace
