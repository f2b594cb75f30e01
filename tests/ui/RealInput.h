#pragma once
// Real keyboard and mouse input for the window tests: the events go through
// the X server (wxUIActionSimulator), so the program's own key and mouse
// handling runs exactly as it does for a user.
#include <wx/app.h>
#include <wx/ctrlsub.h>
#include <wx/eventfilter.h>
#include <wx/grid.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <functional>
#include <string>
#include <vector>

namespace RealInput {

// Lets the X server deliver what was sent and the program handle it.
inline void Settle(int ms = 120) {
    wxStopWatch watch;
    do {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    } while (watch.Time() < ms);
}

// Runs what is queued `rounds` times, 5 ms apart, without waiting for the
// X server.
inline void Pump(int rounds) {
    for (int i = 0; i < rounds; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
}

// Waits until `done` holds (at most `ms`); answers whether it did.
inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    wxStopWatch watch;
    while (!done()) {
        if (watch.Time() > ms) return false;
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

enum class FocusOn { Window, WindowOrChild };

inline bool HoldsFocus(wxWindow* window, FocusOn on) {
    if (on == FocusOn::Window) return wxWindow::FindFocus() == window;
    for (wxWindow* w = wxWindow::FindFocus(); w; w = w->GetParent())
        if (w == window) return true;
    return false;
}

// Asks for the keyboard focus again and again, pumping `rounds` in between
// and pausing `pauseMs` while the window lacks it: another test program on a
// shared display may hold the keyboard for a moment.
inline bool AskFocus(wxWindow* window, FocusOn on, int rounds, int pauseMs = 0) {
    for (int i = 0; i < 40 && !HoldsFocus(window, on); ++i) {
        wxGetTopLevelParent(window)->Raise();
        window->SetFocus();
        Pump(rounds);
        if (pauseMs > 0 && !HoldsFocus(window, on)) wxMilliSleep(pauseMs);
    }
    return HoldsFocus(window, on);
}

// Brings the window's top-level window up and gives the window the keyboard
// focus; the pointer rests over it so a focus-follows-pointer server agrees.
inline bool Focus(wxWindow* window) {
    wxWindow* top = wxGetTopLevelParent(window);
    top->Raise();
    Settle(50);
    wxUIActionSimulator sim;
    const wxRect r = window->GetScreenRect();
    sim.MouseMove(r.GetLeft() + r.GetWidth() / 2, r.GetTop() + r.GetHeight() / 2);
    Settle(50);
    window->SetFocus();
    return WaitFor([window] { return HoldsFocus(window, FocusOn::WindowOrChild); });
}

// One key, with modifiers (wxMOD_CONTROL, wxMOD_SHIFT).
inline void Key(int keyCode, int modifiers = wxMOD_NONE) {
    wxUIActionSimulator sim;
    sim.Char(keyCode, modifiers);
    Settle();
}

inline void Type(const std::string& text) {
    wxUIActionSimulator sim;
    for (char c : text) {
        sim.Char(static_cast<unsigned char>(c));
        Settle(30);
    }
    Settle();
}

// The screen point at the centre of a grid cell. Frozen rows and columns do
// not scroll; the others move by the scroll position.
inline wxPoint CellCentre(wxGrid& grid, int row, int col) {
    grid.MakeCellVisible(row, col);
    Settle(30);
    const wxRect cell = grid.CellToRect(row, col);
    int ppuX = 0, ppuY = 0, startX = 0, startY = 0;
    grid.GetScrollPixelsPerUnit(&ppuX, &ppuY);
    grid.GetViewStart(&startX, &startY);
    wxPoint p(cell.x + cell.width / 2, cell.y + cell.height / 2);
    if (col >= grid.GetNumberFrozenCols()) p.x -= startX * ppuX;
    if (row >= grid.GetNumberFrozenRows()) p.y -= startY * ppuY;
    p += wxPoint(grid.GetRowLabelSize(), grid.GetColLabelSize());
    return grid.ClientToScreen(p);
}

inline void ClickCell(wxGrid& grid, int row, int col, int button = wxMOUSE_BTN_LEFT, bool twice = false) {
    wxUIActionSimulator sim;
    const wxPoint p = CellCentre(grid, row, col);
    sim.MouseMove(p);
    Settle(50);
    if (twice)
        sim.MouseDblClick(button);
    else
        sim.MouseClick(button);
    Settle();
}

// A left click at the centre of a window (a button, a radio button).
inline void Click(wxWindow* window) {
    wxGetTopLevelParent(window)->Raise();
    Settle(50);
    wxUIActionSimulator sim;
    const wxRect r = window->GetScreenRect();
    sim.MouseMove(r.GetLeft() + r.GetWidth() / 2, r.GetTop() + r.GetHeight() / 2);
    Settle(50);
    sim.MouseClick();
    Settle();
}

// Keys for a pop-up menu, sent once it is open. The menu runs its own loop,
// so the keys come from a timer; the menu's opening starts that timer, never
// the click: on a slow run, keys sent before the menu is open go to the window
// below and leave the menu waiting for ever.
class KeysWhenMenuOpens : public wxEventFilter {
  public:
    explicit KeysWhenMenuOpens(std::function<void(wxUIActionSimulator&)> keys) : keys_(std::move(keys)) {
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            wxUIActionSimulator sim;
            keys_(sim);
        });
        wxEvtHandler::AddFilter(this);
    }
    ~KeysWhenMenuOpens() override { wxEvtHandler::RemoveFilter(this); }
    KeysWhenMenuOpens(const KeysWhenMenuOpens&) = delete;
    KeysWhenMenuOpens& operator=(const KeysWhenMenuOpens&) = delete;

    int FilterEvent(wxEvent& event) override {
        // Once the menu has the keyboard.
        if (event.GetEventType() == wxEVT_MENU_OPEN && !timer_.IsRunning()) timer_.StartOnce(200);
        return Event_Skip;
    }

  private:
    std::function<void(wxUIActionSimulator&)> keys_;
    wxTimer timer_;
};

// A mouse gesture sent step by step from timers: a drag runs the toolkit's
// own loop, so the moves and the release after the press must come from
// inside it. The input simulator lets the program handle each event before
// it returns, so the drag loop runs inside the step that starts it; each
// step has a timer of its own, as a timer does not fire again while its own
// step is still running.
class MouseSteps {
  public:
    using Step = std::function<void(wxUIActionSimulator&)>;
    MouseSteps(std::vector<Step> steps, int intervalMs) : steps_(std::move(steps)), timers_(steps_.size()) {
        for (std::size_t i = 0; i < steps_.size(); ++i) {
            timers_[i].Bind(wxEVT_TIMER, [this, i](wxTimerEvent&) {
                wxUIActionSimulator sim;
                ++started_;
                steps_[i](sim);
            });
            timers_[i].StartOnce(intervalMs * static_cast<int>(i + 1));
        }
    }
    bool Started() const { return started_ == steps_.size(); }

  private:
    std::vector<Step> steps_;
    std::vector<wxTimer> timers_;
    std::size_t started_ = 0;
};

// Press at screen point `from`, move with the button held to `to` in small
// steps, release there; returns once the release was sent and handled.
inline void DragMouse(wxPoint from, wxPoint to) {
    std::vector<MouseSteps::Step> steps;
    steps.push_back([=](wxUIActionSimulator& sim) { sim.MouseMove(from); });
    steps.push_back([](wxUIActionSimulator& sim) { sim.MouseDown(); });
    constexpr int Moves = 12;
    for (int i = 1; i <= Moves; ++i)
        steps.push_back([=](wxUIActionSimulator& sim) { sim.MouseMove(from + (to - from) * i / Moves); });
    steps.push_back([=](wxUIActionSimulator& sim) { sim.MouseMove(to + wxPoint(1, 0)); });
    steps.push_back([](wxUIActionSimulator& sim) { sim.MouseUp(); });
    MouseSteps gesture(std::move(steps), 60);
    WaitFor([&] { return gesture.Started(); }, 10000);
    Settle();
}

// Picks row `target` of a focused choice or combo box with the arrow keys.
inline bool PickRow(wxControlWithItems* box, int target) {
    if (!Focus(box)) return false;
    wxUIActionSimulator sim;
    for (int i = 0; i < 100 && box->GetSelection() != target; ++i) {
        sim.Char(box->GetSelection() == wxNOT_FOUND || box->GetSelection() < target ? WXK_DOWN : WXK_UP);
        Settle(60);
    }
    return box->GetSelection() == target;
}

// Answers a modal dialog that a click or key is about to open: a timer looks
// for the first shown modal window of type T and runs `act` on it (inside
// the dialog's own modal loop); it gives up after `ms`.
template <class T>
void WhenModal(std::function<void(T&)> act, int ms = 5000) {
    struct Watch : wxTimer {
        std::function<void(T&)> act;
        wxStopWatch age;
        int limit;
        Watch(std::function<void(T&)> a, int m) : act(std::move(a)), limit(m) {}
        void Notify() override {
            for (wxWindow* w : wxTopLevelWindows)
                if (auto* dialog = dynamic_cast<T*>(w); dialog && dialog->IsShown() && dialog->IsModal()) {
                    Stop();
                    act(*dialog);
                    wxTheApp->CallAfter([this] { delete this; });
                    return;
                }
            if (age.Time() > limit) {
                Stop();
                wxTheApp->CallAfter([this] { delete this; });
            }
        }
    };
    (new Watch(std::move(act), ms))->Start(30);
}

}  // namespace RealInput
