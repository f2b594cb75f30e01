#pragma once
// Real input for the help window tests: keys and mouse through the display
// server (wxUIActionSimulator), and waits for what they cause.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <chrono>
#include <functional>

#include "WinTestUtil.h"

// Runs the event loop until `done` holds or `ms` pass; the result of `done`.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

// Gives `window` the keyboard focus; other windows on a shared display may
// hold it for a moment.
inline bool FocusOn(wxWindow* window) {
    for (int i = 0; i < 100 && wxWindow::FindFocus() != window; ++i) {
        wxGetTopLevelParent(window)->Raise();
        window->SetFocus();
        WaitUntil([&] { return wxWindow::FindFocus() == window; }, 50);
    }
    return wxWindow::FindFocus() == window;
}

// Presses one key (with modifiers) and lets the events arrive.
inline void PressKey(int key, int modifiers = wxMOD_NONE) {
    wxUIActionSimulator sim;
    sim.Char(key, modifiers);
    WaitUntil([] { return false; }, 150);
}

// Clicks the left button at a point of `window`'s client area.
inline void ClickAt(wxWindow* window, const wxPoint& client) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(client));
    WaitUntil([] { return false; }, 50);
    sim.MouseClick();
    WaitUntil([] { return false; }, 150);
}

// Drags with the left button from one client point of `window` to another.
inline void DragIn(wxWindow* window, const wxPoint& from, const wxPoint& to) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(from));
    WaitUntil([] { return false; }, 50);
    sim.MouseDown();
    WaitUntil([] { return false; }, 50);
    const wxPoint mid = (from + to) / 2;
    sim.MouseMove(window->ClientToScreen(mid));
    WaitUntil([] { return false; }, 50);
    sim.MouseMove(window->ClientToScreen(to));
    WaitUntil([] { return false; }, 50);
    sim.MouseUp();
    WaitUntil([] { return false; }, 150);
}
