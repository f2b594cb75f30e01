#pragma once
// Window-test helpers of the alignment dialogs: a script of steps run from a
// timer (also inside the modal loops the steps open) and real clicks.
#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

// Runs the steps one after the other; a step returns true when it is done.
class Script {
  public:
    explicit Script(std::vector<std::function<bool()>> steps) : steps_(std::move(steps)) {
        timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) {
            if (busy_ || next_ >= steps_.size()) return;
            busy_ = true;
            if (std::getenv("ZT_SCRIPT_TRACE")) std::fprintf(stderr, "step %zu\n", next_);
            if (steps_[next_]()) ++next_;
            busy_ = false;
        });
        timer_.Start(40);
    }
    bool Done() const { return next_ >= steps_.size(); }
    std::size_t Step() const { return next_; }

  private:
    std::vector<std::function<bool()>> steps_;
    std::size_t next_ = 0;
    bool busy_ = false;
    wxTimer timer_;
};

// A real click in the middle of `window` (or at `x` within it). No yield:
// a click that opens a modal dialog must run after the step has returned,
// so that the script goes on inside that dialog.
inline void Click(wxWindow* window, int x = -1) {
    wxUIActionSimulator input;
    const wxRect r = window->GetScreenRect();
    input.MouseMove(r.x + (x < 0 ? r.width / 2 : x), r.y + r.height / 2);
    input.MouseClick();
}

// A shown modal dialog of type T (any of them).
template <class T>
T* Open() {
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* d = dynamic_cast<T*>(w); d && d->IsModal() && d->IsShownOnScreen()) return d;
    return nullptr;
}

// The modal dialog on top (the newest shown), when it is of type T.
template <class T = wxDialog>
T* Top() {
    wxDialog* found = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* d = dynamic_cast<wxDialog*>(w); d && d->IsModal() && d->IsShownOnScreen()) found = d;
    return dynamic_cast<T*>(found);
}

// A step: Cancel in the dialog of type T once it is on top.
template <class T>
std::function<bool()> CancelStep() {
    return [] {
        auto* dialog = Top<T>();
        if (!dialog) return false;
        Click(dialog->FindWindow(wxID_CANCEL));
        return true;
    };
}

// A step: `main` ends (as cancelled) once it is on top again.
inline std::function<bool()> EndStep(wxDialog& main) {
    return [&main] {
        if (Top() != &main) return false;
        main.EndModal(wxID_CANCEL);
        return true;
    };
}
