// The pane framework and the small shared controls in real windows: pane
// views that scroll or stretch, the static splitter's layout, locks and
// hidden panes, the highlighted tab row and the list popup.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include "WinTestUtil.h"
#include "ui/HighlightedTabCtrl.h"
#include "ui/PaneFramework.h"
#include "ui/PopupDlg.h"

namespace {

// A pane designed at a fixed size.
class FixedPane : public HPainBaseDlg {
  public:
    explicit FixedPane(wxSize size) : size_(size) {}
    int refreshed = 0;
    void RefreshFromImage() override { ++refreshed; }

  protected:
    void BuildControls() override {
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(size_.x, size_.y);
        SetSizer(sizer);
    }

  private:
    wxSize size_;
};

}  // namespace

TEST(PaneView, ScrollablePaneKeepsItsSizeInASmallViewAndStretchesInABigOne) {
    TestFrame frame;
    auto* view = new HPainBaseView(frame.frame);
    auto* pane = new FixedPane(wxSize(600, 400));
    view->SetPane(pane, 134);
    EXPECT_EQ(view->GetPane(), pane);
    EXPECT_EQ(pane->TemplateId(), 134);
    EXPECT_EQ(pane->MinimumSize(), wxSize(600, 400));

    view->SetSize(300, 200);
    view->ResizePane(300, 200);
    EXPECT_EQ(pane->GetSize(), wxSize(600, 400));
    EXPECT_EQ(view->GetVirtualSize().x >= 600, true);

    view->SetSize(800, 500);
    view->ResizePane(800, 500);
    EXPECT_EQ(pane->GetSize(), wxSize(800, 500));
    EXPECT_EQ(pane->GetPosition(), wxPoint(0, 0));

    view->OnUpdate();
    EXPECT_EQ(pane->refreshed, 1);
}

TEST(PaneView, HiddenOrFittedPanesLeaveNothingToScroll) {
    TestFrame frame;
    auto* view = new HPainBaseView(frame.frame);
    view->SetSize(300, 200);
    auto* hidden = new FixedPane(wxSize(600, 400));
    view->SetPane(hidden, 101, ShowCommand::Hide);
    EXPECT_FALSE(hidden->IsShown());
    EXPECT_EQ(view->GetVirtualSize().x < 600, true);

    // A new pane replaces (and destroys) the one before.
    auto* fitted = new FixedPane(wxSize(600, 400));
    view->SetPane(fitted, 101, ShowCommand::Show, false);
    ProcessQueued();
    EXPECT_EQ(view->GetPane(), fitted);
    view->ResizePane(300, 200);
    EXPECT_EQ(fitted->GetSize(), wxSize(300, 200));
}

TEST(Splitter, LaysOutIdealSizesAndHidesThePaneThatGetsNoRoom) {
    TestFrame frame;
    auto* splitter = new HSplitterWnd(frame.frame, 1, 3);
    for (int col = 0; col < 3; ++col) splitter->SetPane(0, col, new wxPanel(splitter->PaneParent(0, col)));
    splitter->SetSize(900, 500);
    splitter->SetColumnInfo(0, 120, 70);
    splitter->SetColumnInfo(1, 500, 0);
    splitter->SetColumnInfo(2, 200, 0);
    splitter->RecalcLayout();
    ProcessQueued();
    auto sizes = splitter->CurrentSizes();
    EXPECT_EQ(sizes[0], 120);
    EXPECT_EQ(sizes[1], 500);
    EXPECT_GT(sizes[2], 200);  // the last pane takes the rest
    EXPECT_EQ(sizes[0] + sizes[1] + sizes[2] < 900, true);

    // Column 1 takes the room of both: column 2 disappears, and comes back.
    splitter->SetColumnInfo(1, sizes[1] + sizes[2], 0);
    splitter->SetColumnInfo(2, 0, 0);
    splitter->RecalcLayout();
    ProcessQueued();
    EXPECT_EQ(splitter->CurrentSizes()[2], 0);
    EXPECT_FALSE(splitter->GetPane(0, 2)->IsShown());

    splitter->SetColumnInfo(1, 400, 0);
    splitter->RecalcLayout();
    ProcessQueued();
    sizes = splitter->CurrentSizes();
    EXPECT_EQ(sizes[1], 400);
    EXPECT_GT(sizes[2], 0);
    EXPECT_TRUE(splitter->GetPane(0, 2)->IsShown());

    // An ideal size below the minimum hides the pane.
    splitter->SetColumnInfo(0, 50, 70);
    splitter->RecalcLayout();
    ProcessQueued();
    EXPECT_EQ(splitter->CurrentSizes()[0], 0);
}

TEST(Splitter, TheStretchPaneTakesAChangeOfSize) {
    TestFrame frame;
    auto* splitter = new HSplitterWnd(frame.frame, 1, 3);
    for (int col = 0; col < 3; ++col) splitter->SetPane(0, col, new wxPanel(splitter->PaneParent(0, col)));
    splitter->SetStretchPane(1);
    splitter->SetColumnInfo(0, 100, 70);
    splitter->SetColumnInfo(1, 400, 0);
    splitter->SetColumnInfo(2, 200, 0);
    splitter->SetSize(800, 400);
    ProcessQueued();
    const auto before = splitter->CurrentSizes();
    EXPECT_EQ(before[0], 100);
    EXPECT_EQ(before[1], 400);
    splitter->SetSize(1000, 400);
    ProcessQueued();
    auto after = splitter->CurrentSizes();
    EXPECT_EQ(after[0], 100);
    EXPECT_EQ(after[1], 600);
    EXPECT_EQ(after[2], before[2]);

    // Too small for the stretch pane: it vanishes, the others keep their
    // room; grown again, every pane is back where it was.
    splitter->SetSize(300, 400);
    ProcessQueued();
    EXPECT_EQ(splitter->CurrentSizes()[1], 0);
    EXPECT_EQ(splitter->CurrentSizes()[2], 300 - 100 - splitter->BarSize(0));
    splitter->SetSize(1000, 400);
    ProcessQueued();
    EXPECT_EQ(splitter->CurrentSizes(), after);
}

TEST(Splitter, LockedBarsCannotBeDraggedAndMinimumsHold) {
    TestFrame frame;
    auto* splitter = new HSplitterWnd(frame.frame, 2, 1);
    for (int row = 0; row < 2; ++row) splitter->SetPane(row, 0, new wxPanel(splitter->PaneParent(row, 0)));
    splitter->SetSize(400, 600);
    splitter->SetRowInfo(0, 200, 50);
    splitter->SetRowInfo(1, 300, 0);
    splitter->RecalcLayout();
    ProcessQueued();

    EXPECT_EQ(splitter->TrackBar(0, 250), 250);
    EXPECT_EQ(splitter->CurrentSizes()[0], 250);
    // Below the row's minimum the row stays at its minimum.
    EXPECT_EQ(splitter->TrackBar(0, 10), 50);

    int told = 0;
    splitter->SetRowTrackHook([&](int, HSplitterWnd&, int row) { told += row == 0; });
    splitter->TrackBar(0, 100);
    EXPECT_EQ(told, 1);

    splitter->SetRowBarMovable(0, false);
    EXPECT_EQ(splitter->TrackBar(0, 300), -1);
    EXPECT_EQ(splitter->CurrentSizes()[0], 100);
    EXPECT_EQ(splitter->Cols(), 1);
    EXPECT_EQ(splitter->Rows(), 2);
}

TEST(PaneSplitterView, AsksTheMainWindowForItsSelectorAndForwardsThePane) {
    TestFrame frame;
    int rebuilds = 0;
    frame->Bind(EVT_PANE_SELECTOR_REBUILD, [&](wxCommandEvent&) { ++rebuilds; });
    auto* view = new HPaneSplitterView(frame.frame);
    ProcessQueued();
    EXPECT_EQ(rebuilds, 1);
    EXPECT_TRUE(HPaneSplitterView::SplitterCreated());

    auto* pane = new FixedPane(wxSize(100, 80));
    view->SetPane(pane, 134);
    EXPECT_EQ(view->GetPane(), pane);
    EXPECT_EQ(view->RowView(1)->GetPane(), pane);
    view->OnUpdate();
    EXPECT_EQ(pane->refreshed, 1);
}

TEST(HighlightedTab, TabsKeepTheirDataAndTheSelectionFollowsInsertAndDelete) {
    TestFrame frame;
    auto* tabs = new HighlightedTabCtrl(frame.frame, 1130);
    EXPECT_EQ(tabs->GetCurSel(), -1);
    tabs->InsertItem(0, "Conventional", 1);
    tabs->InsertItem(1, "LTR RF CH", 2);
    tabs->InsertItem(2, "LTR Group", 3);
    EXPECT_EQ(tabs->GetCurSel(), 0);
    tabs->SetCurSel(2);
    EXPECT_EQ(tabs->GetItemData(2), 3);
    tabs->DeleteItem(0);
    EXPECT_EQ(tabs->GetCurSel(), 1);
    EXPECT_EQ(tabs->GetItemText(1), "LTR Group");
    EXPECT_TRUE(tabs->HighlightFont().GetWeight() == wxFONTWEIGHT_BOLD);
    EXPECT_TRUE(tabs->HighlightFont().GetStyle() == wxFONTSTYLE_ITALIC);
    tabs->SetSize(tabs->GetBestSize());
    EXPECT_TRUE(tabs->GetItemRect(0).GetRight() < tabs->GetItemRect(1).GetLeft());
    EXPECT_FALSE(tabs->DeleteItem(5));
}

TEST(ListPopup, OkNeedsARowAndReturnsItsIndex) {
    TestFrame frame;
    const ST_DISPDATA list[] = {{10, "67.0", ""}, {11, "71.9", ""}, {-1, "", ""}};
    CPopupDlg popup(frame.frame, "Sub Audio", list, 11);
    EXPECT_EQ(popup.GetTitle(), "Sub Audio");
    EXPECT_EQ(popup.List()->GetCount(), 2u);
    EXPECT_FALSE(popup.OkButton()->IsEnabled());
    EXPECT_FALSE(popup.TryOk());
    popup.List()->SetSelection(1);
    wxCommandEvent select(wxEVT_LISTBOX, CPopupDlg::IDC_LIST);
    select.SetEventObject(popup.List());
    popup.List()->ProcessWindowEvent(select);
    EXPECT_TRUE(popup.OkButton()->IsEnabled());
    EXPECT_TRUE(popup.TryOk());
    EXPECT_EQ(popup.Chosen(), 1);
}

TEST(ListPopup, AListWhoseFirstRowHasNoTextShowsNothing) {
    TestFrame frame;
    const ST_DISPDATA list[] = {{0, "", ""}, {1, "A", ""}, {-1, "", ""}};
    CPopupDlg popup(frame.frame, "", list, 0, wxSize(300, 320));
    EXPECT_EQ(popup.List()->GetCount(), 0u);
    EXPECT_FALSE(popup.OkButton()->IsEnabled());
    EXPECT_EQ(popup.GetSize(), wxSize(300, 320));
}
