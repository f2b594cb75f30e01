#pragma once
// Real input for the help window tests (RealInput), plus clicks and drags at
// a point of a window's client area.
#include <wx/uiaction.h>
#include <wx/window.h>

#include "WinTestUtil.h"
#include "ui/RealInput.h"

using RealInput::Focus;
using RealInput::Key;
using RealInput::Settle;
using RealInput::WaitFor;

// Clicks the left button at a point of `window`'s client area.
inline void ClickAt(wxWindow* window, const wxPoint& client) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(client));
    Settle(50);
    sim.MouseClick();
    Settle();
}

// Drags with the left button from one client point of `window` to another.
inline void DragIn(wxWindow* window, const wxPoint& from, const wxPoint& to) {
    wxUIActionSimulator sim;
    sim.MouseMove(window->ClientToScreen(from));
    Settle(50);
    sim.MouseDown();
    Settle(50);
    sim.MouseMove(window->ClientToScreen((from + to) / 2));
    Settle(50);
    sim.MouseMove(window->ClientToScreen(to));
    Settle(50);
    sim.MouseUp();
    Settle();
}
