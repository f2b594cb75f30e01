#include "app/CloneEditorApp.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <vector>

#include "app/AppSettings.h"
#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/HLogPrint.h"
#include "app/ImageRules.h"
#include "app/MainFrm.h"
#include "app/ProgramFolders.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "app/SingleInstance.h"
#include "app/LanguageSetup.h"
#include "image/Modes.h"
#include "language/Language.h"
#include "language/SettingsFile.h"

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

    AppState::ServiceMode() = modes.serviceMode;
    AppState::AppMode() = modes.appMode;
    SetHost(&host_);
    HLogPrint::InitLog();
    SetProfilePath(settingsFolder / (name + ".xml"));
    AppSettings::LoadAppSettings();
    LanguageSetup::Install(ProgramFolders::ShippedDataFolders());
    Lang::ApplyThreadLocale();
    recent_ = std::make_unique<CVondelRecentFileList>();
    recent_->ReadList();
    PreviewPageCount = AppSettings::PreviewPageCount();

    info.Parse(words, AppState::AppMode(), AppState::ServiceMode());
    ApplyFolderOptions(info);
    CommandLineFile = info.FileName;

    RegisterScreens();
    MainFrame = new CMainFrame(recent_.get(), ProgramFolders::ShippedDataFolders(),
                               ProgramFolders::ProgramFolder(), ApplicationImageRules());
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

void CCloneEditorApp::ReportFirstIdle() {
    MainFrame->Bind(wxEVT_IDLE, [](wxIdleEvent&) {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("first-idle %lld\n", static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec);
        std::fflush(stdout);
        _exit(0);
    });
}
