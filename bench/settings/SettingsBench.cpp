// Opens each radio-wide settings dialog on the default data file and prints
// the time from constructing it to its window being shown and its queued
// events handled (median and worst of 20 openings). Target: under 100 ms.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/init.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "image/FileUtil.h"
#include "settings/CustomCode.h"
#include "settings/Marketing.h"
#include "settings/Password.h"
#include "settings/PowerSaving.h"
#include "settings/ScanSetting.h"
#include "settings/SettingsDlg.h"

namespace {

using Clock = std::chrono::steady_clock;

void Settle() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
}

// Milliseconds from `open` to the dialog shown and settled.
double TimeToShown(const std::function<wxDialog*()>& open) {
    const auto start = Clock::now();
    wxDialog* dialog = open();
    dialog->Show();
    Settle();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    dialog->Destroy();
    Settle();
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "no display: run under xvfb-run -a\n");
        return 1;
    }
    wxTheApp->CallOnInit();

    CloneImage image;
    const std::string file = std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX";
    if (FileUtil::LoadImageFile(image, file) != 1) {
        std::fprintf(stderr, "cannot load %s\n", file.c_str());
        return 1;
    }
    auto* frame = new wxFrame(nullptr, wxID_ANY, "bench", wxDefaultPosition, wxSize(800, 600));
    frame->Show();
    Settle();

    CustomCode::Block block{};
    using Make = std::unique_ptr<Settings::SettingsDialogModel> (*)();
    struct Entry {
        const char* name;
        std::function<wxDialog*()> open;
    };
    auto settings = [&](Make make) { return [&image, frame, make] { return new SettingsDlg(frame, make(), image); }; };
    const Entry entries[] = {
        {"Power Saving", settings(&CPowerSavingDlg::MakeDialog)},
        {"Password", settings(&CPasswordDlg::MakeDialog)},
        {"Scanning", settings(&CScanSettingBasicDlg::MakeDialog)},
        {"Marketing", settings(&CMarketingDlg::MakeDialog)},
        {"Custom Code Edit", [&] { return new CCustomCodeEditDlg(frame, block); }},
    };
    constexpr int kRuns = 20;
    bool slow = false;
    std::printf("%-18s %10s %10s\n", "dialog", "median ms", "worst ms");
    for (const Entry& entry : entries) {
        TimeToShown(entry.open);  // warm-up
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i) times.push_back(TimeToShown(entry.open));
        std::sort(times.begin(), times.end());
        std::printf("%-18s %10.1f %10.1f\n", entry.name, times[kRuns / 2], times.back());
        slow = slow || times[kRuns / 2] >= 100.0;
    }
    frame->Destroy();
    Settle();
    wxEntryCleanup();
    return slow ? 2 : 0;
}
