// Window tests of the up-down control with real clicks and keys: the arrows
// step the position, the range clamps or wraps, a vetoed step changes
// nothing, and a held arrow repeats.
#include <gtest/gtest.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <vector>

#include "RealInput.h"
#include "WinTestUtil.h"
#include "ui/UpDownCtrl.h"

using namespace RealInput;

namespace {

struct Steps {
    std::vector<int> positions;  // wxEVT_SPIN
    int ups = 0;
    int downs = 0;
};

// A control in a frame, an edit after it in the tab order, and a record of
// the events the control raised.
struct UpDownFixture {
    TestFrame f;
    UpDownCtrl* upDown;
    wxTextCtrl* next;
    Steps steps;

    explicit UpDownFixture(long style) {
        auto* sizer = new wxBoxSizer(wxHORIZONTAL);
        upDown = new UpDownCtrl(f.frame, 2701, style);
        next = new wxTextCtrl(f.frame, wxID_ANY, "");
        sizer->Add(upDown);
        sizer->Add(next);
        f->SetSizer(sizer);
        f->Layout();
        upDown->Bind(wxEVT_SPIN, [this](wxSpinEvent& e) { steps.positions.push_back(e.GetPosition()); });
        upDown->Bind(wxEVT_SPIN_UP, [this](wxSpinEvent& e) {
            ++steps.ups;
            e.Skip();
        });
        upDown->Bind(wxEVT_SPIN_DOWN, [this](wxSpinEvent& e) {
            ++steps.downs;
            e.Skip();
        });
        Settle();
    }
    // The middle of the upper (+1) or lower (-1) arrow on the screen.
    wxPoint ArrowPoint(int direction) const {
        const wxRect r = upDown->GetScreenRect();
        return {r.x + r.width / 2, direction > 0 ? r.y + r.height / 4 : r.y + r.height * 3 / 4};
    }
    void ClickArrow(int direction) {
        wxUIActionSimulator sim;
        sim.MouseMove(ArrowPoint(direction));
        Settle(30);
        sim.MouseClick();
        Settle(60);
    }
};

}  // namespace

TEST(UpDownCtrlWin, ArrowsStepWithinTheRangeAndWrapOnlyWhenAsked) {
    struct Case {
        long style;
        std::vector<int> clicks;
        std::vector<int> positions;
    };
    // Range 0-2 from 1: up, up (the end), down x3 (the other end).
    const Case cases[] = {
        {0, {+1, +1, -1, -1, -1}, {2, 1, 0}},
        {wxSP_WRAP, {+1, +1, -1, -1, -1}, {2, 0, 2, 1, 0}},
    };
    for (const Case& c : cases) {
        UpDownFixture t(c.style);
        t.upDown->SetRange(0, 2);
        t.upDown->SetValue(1);
        for (int direction : c.clicks) t.ClickArrow(direction);
        EXPECT_EQ(t.steps.positions, c.positions) << "style " << c.style;
        EXPECT_EQ(t.upDown->GetValue(), c.positions.back());
    }
}

TEST(UpDownCtrlWin, KeysStepAndAVetoedStepChangesNothing) {
    UpDownFixture t(0);
    // The range of a page control that counts down from -1 to -15.
    t.upDown->SetRange(-1, -15);
    EXPECT_EQ(t.upDown->GetMin(), -15);
    EXPECT_EQ(t.upDown->GetMax(), -1);
    t.upDown->SetValue(40);
    EXPECT_EQ(t.upDown->GetValue(), -1);
    EXPECT_TRUE(t.steps.positions.empty()) << "setting the value raises no event";

    ASSERT_TRUE(Focus(t.upDown));
    Key(WXK_DOWN);
    Key(WXK_DOWN);
    Key(WXK_UP);
    EXPECT_EQ(t.steps.positions, (std::vector<int>{-2, -3, -2}));
    EXPECT_EQ(t.steps.downs, 2);
    EXPECT_EQ(t.steps.ups, 1);

    t.upDown->Bind(wxEVT_SPIN_UP, [](wxSpinEvent& e) { e.Veto(); });
    Key(WXK_UP);
    EXPECT_EQ(t.upDown->GetValue(), -2);
    EXPECT_EQ(t.steps.positions.size(), 3u);

    // Tab leaves the control as in any dialog.
    Key(WXK_TAB);
    EXPECT_TRUE(WaitFor([&] { return t.next->HasFocus(); }));
}

TEST(UpDownCtrlWin, AHeldArrowRepeatsUntilReleased) {
    UpDownFixture t(0);
    t.upDown->SetRange(0, 1000);
    wxUIActionSimulator sim;
    sim.MouseMove(t.ArrowPoint(+1));
    Settle(30);
    sim.MouseDown();
    WaitFor([&] { return t.steps.positions.size() >= 4; });
    sim.MouseUp();
    Settle();
    const std::size_t released = t.steps.positions.size();
    EXPECT_GE(released, 4u);
    Settle(300);
    EXPECT_EQ(t.steps.positions.size(), released) << "no step after the release";
    EXPECT_EQ(t.upDown->GetValue(), static_cast<int>(released));
}
