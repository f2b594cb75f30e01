// Starts one wx application for the window tests of a test program and tears
// it down at the end. The tests drive windows directly and yield to the event
// loop where an event has to be delivered. Every window test program links
// this file.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include <chrono>
#include <thread>

namespace {
class WxEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        int argc = 1;
        static char name[] = "window_tests";
        static char* argv[] = {name, nullptr};
        // A failed wx assertion fails the test instead of opening a dialog.
        wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                              const wxString& msg) {
            ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << func << ": " << cond << " " << msg;
        });
        // A display server that many test programs reach at the same moment
        // may refuse a connection now and then: try a few times.
        bool started = false;
        for (int attempt = 0; attempt < 10 && !started; ++attempt) {
            if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(200 * attempt));
            wxApp::SetInstance(new wxApp);
            started = wxEntryStart(argc, argv);
        }
        ASSERT_TRUE(started) << "no display";
        wxTheApp->CallOnInit();
    }
    void TearDown() override {
        wxTheApp->OnExit();
        wxEntryCleanup();
    }
};
const auto* g_env = ::testing::AddGlobalTestEnvironment(new WxEnvironment);
}  // namespace
