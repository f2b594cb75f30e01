#pragma once
// Helpers of the window tests: a top-level frame per test and a way to let
// queued events run without sleeping.
#include <wx/app.h>
#include <wx/frame.h>

#include <memory>

// Runs the events already queued (CallAfter, posted events) a few times.
inline void ProcessQueued() {
    for (int i = 0; i < 5; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
    }
}

// A frame that is destroyed with the test.
struct TestFrame {
    wxFrame* frame;
    TestFrame() : frame(new wxFrame(nullptr, wxID_ANY, "test", wxDefaultPosition, wxSize(800, 600))) {
        frame->Show();
    }
    ~TestFrame() {
        frame->Destroy();
        ProcessQueued();
    }
    wxFrame* operator->() const { return frame; }
};
