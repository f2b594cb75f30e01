// Starts one wx application for the window tests and tears it down at the
// end. The tests drive windows directly; a radio operation runs its own
// modal loop, in which timers of the test act as the user.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

namespace {
class WxEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        int argc = 1;
        static char name[] = "serial_win_tests";
        static char* argv[] = {name, nullptr};
        // A failed wx assertion fails the test instead of opening a dialog.
        wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                              const wxString& msg) {
            ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << func << ": " << cond << " " << msg;
        });
        wxApp::SetInstance(new wxApp);
        ASSERT_TRUE(wxEntryStart(argc, argv)) << "no display";
        wxTheApp->CallOnInit();
    }
    void TearDown() override {
        wxTheApp->OnExit();
        wxEntryCleanup();
    }
};
const auto* g_env = ::testing::AddGlobalTestEnvironment(new WxEnvironment);
}  // namespace
