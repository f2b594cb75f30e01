#pragma once
// Helpers of the tone window tests: letting queued events run, the keyboard
// focus on a shared display, and a lock that lets one test at a time of
// these programs hold the keyboard.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <vector>

#include "WinTestUtil.h"
#include "image/CloneImage.h"
#include "image/FileUtil.h"
#include "image/TestHost.h"
#include "ui/RealInput.h"
#include "tone/ToneGridView.h"
#include "tone/ToneSystemWnd.h"

namespace ToneWin {

inline void Pump() {
    RealInput::Pump(10);
}

// The grid or one of its windows holds the keyboard.
inline bool HasFocusIn(wxWindow* window) {
    return RealInput::HoldsFocus(window, RealInput::FocusOn::WindowOrChild);
}

inline bool Focus(wxWindow* window) {
    return RealInput::AskFocus(window, RealInput::FocusOn::WindowOrChild, 10);
}

// The tests of this program take the keyboard of a display that other test
// programs share: one at a time holds it, by a lock named after the display.
class DisplayLock {
  public:
    DisplayLock() {
        const char* display = std::getenv("DISPLAY");
        std::string name = "/tmp/zt-keyboard-lock";
        for (const char* c = display ? display : ""; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        fd_ = ::open(name.c_str(), O_CREAT | O_RDWR, 0666);
        if (fd_ >= 0) ::flock(fd_, LOCK_EX);
    }
    ~DisplayLock() {
        if (fd_ >= 0) {
            ::flock(fd_, LOCK_UN);
            ::close(fd_);
        }
    }

  private:
    int fd_ = -1;
};

// Other test programs share the display and may take the keyboard for a
// moment: a key that had no effect is sent again until `done` holds.
// Presses a button from the keyboard: Space on the focused button.
inline void Press(wxWindow* button, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 5 && !done(); ++attempt) {
        if (!Focus(button)) continue;
        wxUIActionSimulator sim;
        sim.Char(WXK_SPACE);
        Pump();
    }
    EXPECT_TRUE(done()) << "the button did nothing";
}

// Puts the grid's cursor on a cell and gives the grid the keyboard.
inline void Aim(CToneGridView& view, int row, int col) {
    CVSFlexGrid& grid = view.Grid();
    if (grid.GetRow() != row || grid.GetCol() != col) {
        grid.SetRow(row);
        grid.SetCol(col);
        grid.SelectRow(row);
    }
    ASSERT_TRUE(Focus(&grid));
}

// Other test programs share the display and may take the keyboard or lie
// over a button for a moment: a key or click that had no effect here is
// sent again, up to a few times, until `done` holds.
inline void Key(CToneGridView& view, int row, int col, int key, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 5 && !done(); ++attempt) {
        Aim(view, row, col);
        wxUIActionSimulator sim;
        sim.Char(key);
        Pump();
    }
    EXPECT_TRUE(done()) << "key " << key << " had no effect";
}

inline void Type(CToneGridView& view, const char* text) {
    for (int attempt = 0; attempt < 5 && view.Grid().GetStringProperty91() != text; ++attempt) {
        ASSERT_TRUE(Focus(&view.Grid()));
        view.Grid().SetStringProperty91("");
        wxUIActionSimulator sim;
        sim.Text(text);
        Pump();
    }
}

inline std::vector<std::size_t> Differences(const CloneImage& a, const CloneImage& b) {
    std::vector<std::size_t> at;
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (a[i] != b[i]) at.push_back(i);
    return at;
}

// Runs a tone system window modally over a working copy of `document` as the
// main window does; the user acts inside the modal loop and closes the
// window. On OK the working copy becomes the document.
inline int RunSystemWindow(wxWindow* parent, CloneImage& document, int windowId, const std::string& programFolder,
                           const std::function<void(CDialogDmy&)>& user) {
    CloneImage working = document;
    int result;
    {
        CDialogDmy window(parent, working, programFolder, windowId);
        std::function<void()> act = [&] {
            if (!window.IsModal()) return window.CallAfter(act);
            Pump();
            user(window);
            if (window.GetReturnCode() == 0) window.EndModal(wxID_ABORT);  // the user forgot to close
        };
        window.CallAfter(act);
        result = window.ShowModal();
    }
    if (result == wxID_OK) document = working;
    return result;
}

// The fixture of a tone window's tests: the default data file as the
// document, a frame to open windows over, the display's keyboard held.
struct ToneWindowTest : ::testing::Test {
    DisplayLock keyboard;
    TestHost host;
    CloneImage document;
    TestFrame frame;

    void SetUp() override {
        ASSERT_EQ(FileUtil::LoadImageFile(document, std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX"), 1);
    }
};

// ... of a tone system window (2-tone or 5-tone).
template <int WindowId>
struct SystemWindowTest : ToneWindowTest {
    // Runs the window modally over a working copy as the main window does; the
    // user acts inside the modal loop and closes the window.
    int Run(std::function<void(CDialogDmy&)> user) {
        return RunSystemWindow(frame.frame, document, WindowId, "/nonexistent", user);
    }
    static wxWindow* Button(CDialogDmy& window, int id) { return window.FindWindow(id); }
};

}  // namespace ToneWin
