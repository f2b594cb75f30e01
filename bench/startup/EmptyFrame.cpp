// The yardstick of the start-up benchmark: an empty wxFrame that reports its
// first idle the same way the program does.
#include <time.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/frame.h>

#include <cstdio>

class EmptyFrameApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, "Empty");
        frame->Show();
        frame->Bind(wxEVT_IDLE, [](wxIdleEvent&) {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("first-idle %lld\n",
                        static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
            std::fflush(stdout);
            _exit(0);
        });
        return true;
    }
};

wxIMPLEMENT_APP(EmptyFrameApp);
