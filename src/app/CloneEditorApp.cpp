#include "app/CloneEditorApp.h"

#include <unistd.h>
#include <wx/grid.h>
#include <wx/timer.h>

#include <cstdio>
#include <ctime>
#include <vector>

#include "app/AppSettings.h"
#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/CommandLine.h"
#include "app/HLogPrint.h"
#include "app/ImageRules.h"
#include "app/MainFrm.h"
#include "app/ProgramFolders.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "app/SingleInstance.h"
#include "app/StartupHeap.h"
#include "app/LanguageSetup.h"
#include "image/Modes.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/PaneFramework.h"
#include "ui/UiUtil.h"

namespace {

// Set by the start-up benchmark: the program reports the moment of its first
// idle and ends there.
constexpr const char* kReportFirstIdle = "PARDEX_REPORT_FIRST_IDLE";

std::vector<std::string> Arguments(const wxCmdLineArgsArray& argv, int argc) {
    std::vector<std::string> words;
    for (int i = 1; i < argc; ++i) words.emplace_back(argv[i].utf8_str());
    return words;
}

}  // namespace

CCloneEditorApp::CCloneEditorApp() = default;
CCloneEditorApp::~CCloneEditorApp() = default;

bool CCloneEditorApp::OnInit() {
    // Before the first of the start-up's many small blocks.
    StartupHeap::Prepare();
    const std::string name = ProgramFolders::ProgramName();
    SetAppName(name);
    SetAppDisplayName(wxString::FromUTF8(GetRIDText(57344)));
    const ModeOptions modes = ParseModeOptions(Arguments(argv, argc));
    if (!modes.error.empty() || modes.help) {
        if (!modes.error.empty()) std::fprintf(stderr, "%s: %s\n", name.c_str(), modes.error.c_str());
        std::fputs(UsageText(name).c_str(), modes.help ? stdout : stderr);
        if (modes.help) {
            exitAtOnce_ = true;
            return true;
        }
        return false;
    }
    const auto& words = modes.rest;
    CVondelCommandLineInfo info;

    // A second start hands its file to the first instance and ends.
    const auto settingsFolder = ProgramFolders::SettingsFolder();
    instance_ = std::make_unique<SingleInstance>(name, settingsFolder);
    if (instance_->AnotherIsRunning()) {
        info.Parse(words, 0, 0);
        instance_->SendToRunning(info.FileName);
        exitAtOnce_ = true;
        return true;
    }

    UiUtil::StartFontSetup();
    AppState::ServiceMode() = modes.serviceMode;
    AppState::AppMode() = modes.appMode;
    SetHost(&host_);
    HLogPrint::InitLog();
    SetProfilePath(settingsFolder / (name + ".xml"));
    AppSettings::LoadAppSettings();
    LanguageSetup::Install(ProgramFolders::ShippedDataFolders());
    // The stored language file is read while the parts of the window that
    // show no text are built; it is in force before the first text.
    Lang::StartReadingStoredLanguage();
    recent_ = std::make_unique<CVondelRecentFileList>();
    recent_->ReadList();
    PreviewPageCount = AppSettings::PreviewPageCount();

    info.Parse(words, AppState::AppMode(), AppState::ServiceMode());
    ApplyFolderOptions(info);
    CommandLineFile = info.FileName;
    AppState::CommandLineDataFile() = info.FileName;

    RegisterScreens();
    MainFrame = new CMainFrame(recent_.get(), ProgramFolders::ShippedDataFolders(),
                               ProgramFolders::ProgramFolder(), ApplicationImageRules(),
                               [] { Lang::ApplyThreadLocale(); });
    SetTopWindow(MainFrame);
    if (!MainFrame->Document().LoadStartupImage(CommandLineFile)) {
        MainFrame->Destroy();
        MainFrame = nullptr;
        return false;
    }
    MainFrame->RefreshAllPanes();
    if (GetProfileInt("MainScreen", "Maximize", 0) == 1) MainFrame->Maximize(true);
    MainFrame->Show(true);
    MainFrame->AfterShow();

    instance_->Listen([](const std::string& path) {
        if (auto* frame = wxGetApp().MainFrame) frame->ReceiveHandOver(path);
    });
    if (const char* report = std::getenv(kReportFirstIdle); report && *report) ReportFirstIdle();
    return true;
}

int CCloneEditorApp::OnRun() {
    if (exitAtOnce_) return 0;
    return wxApp::OnRun();
}

int CCloneEditorApp::OnExit() {
    if (recent_) recent_->WriteList();
    recent_.reset();
    instance_.reset();
    SetHost(nullptr);
    return wxApp::OnExit();
}

namespace {

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// What the benchmark waits for: the first idle and the first paint of the
// channel grid, in either order. A grid that never paints ends the report
// after two seconds with the idle alone.
struct FirstReport {
    bool idle = false, paint = false;
    void Print(const char* what) {
        std::printf("%s %lld\n", what, MonotonicNs());
        std::fflush(stdout);
    }
    bool paintPrinted = false;
    void EndWhenDone() {
        if (idle && paintPrinted) _exit(0);
    }
};

}  // namespace

void CCloneEditorApp::ReportFirstIdle() {
    static FirstReport report;
    static bool watching = false;
    // The channel grid is built by an event after start-up: look for it at
    // every idle until its paint is watched.
    auto watchGrid = [this] {
        if (watching) return;
        HPainBaseDlg* pane = MainFrame->MainView() ? MainFrame->MainView()->ActivePane() : nullptr;
        auto* grid = pane ? dynamic_cast<wxGrid*>(pane->FindWindow(ChannelGridControlId)) : nullptr;
        if (!grid) return;
        watching = true;
        grid->GetGridWindow()->Bind(wxEVT_PAINT, [](wxPaintEvent& event) {
            event.Skip();
            if (report.paint) return;
            report.paint = true;
            // Reported once the grid's own paint handler has drawn the cells.
            wxTheApp->CallAfter([] {
                report.Print("grid-paint");
                report.paintPrinted = true;
                report.EndWhenDone();
            });
        });
    };
    MainFrame->Bind(wxEVT_IDLE, [watchGrid](wxIdleEvent&) {
        watchGrid();
        if (report.idle) return;
        report.idle = true;
        // The language in force, so that a run meant to load one can tell.
        std::printf("language %s\n", Lang::CurrentLanguageFile().string().c_str());
        report.Print("first-idle");
        report.EndWhenDone();
        static wxTimer deadline;
        deadline.Bind(wxEVT_TIMER, [](wxTimerEvent&) { _exit(0); });
        deadline.StartOnce(2000);
    });
}
