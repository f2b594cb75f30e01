#include "app/ShipMode.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

#include "app/AppState.h"
#include "app/CloneEditorDoc.h"
#include "app/HShipMessageBox.h"
#include "app/MainFrm.h"
#include "app/MenuCommands.h"
#include "app/ProgramFolders.h"
#include "app/ScreenRegistry.h"
#include "app/ShipModelInfo.h"
#include "app/VersionText.h"
#include "image/FileUtil.h"
#include "image/Model.h"
#include "image/PowerMarker.h"
#include "language/Language.h"
#include "serial/ui/UploadDownload.h"
#include "ui/HtmlPrinter.h"

namespace ShipMode {

namespace {
using namespace std::chrono_literals;

FrameGetter& Frame() {
    static FrameGetter getter;
    return getter;
}

struct Workers {
    std::thread sequence, watcher;
    std::atomic<bool> stopping{false};
    CloneImageOps::PowerMarkerWriter power;
};
Workers& W() {
    static Workers workers;
    return workers;
}

// Runs `work` on the user-interface thread and waits for it; false when the
// program is stopping before it ran.
template <class T>
std::optional<T> OnUi(std::function<T()> work) {
    auto promise = std::make_shared<std::promise<T>>();
    auto future = promise->get_future();
    wxTheApp->CallAfter([promise, work] { promise->set_value(work()); });
    while (future.wait_for(20ms) != std::future_status::ready)
        if (W().stopping) return std::nullopt;
    return future.get();
}

// Sends a menu command to the main window and waits until it has ended.
bool SendCommand(int id) {
    return OnUi<bool>([id] {
               CMainFrame* frame = Frame() ? Frame()() : nullptr;
               if (!frame) return false;
               frame->RunCommand(id);
               return true;
           })
        .value_or(false);
}

bool Sleep(std::chrono::milliseconds total) {
    for (auto waited = 0ms; waited < total; waited += 20ms) {
        if (W().stopping) return false;
        std::this_thread::sleep_for(20ms);
    }
    return !W().stopping;
}

void SequenceThread() {
    // The sequence begins once the main window exists.
    while (!W().stopping && !OnUi<bool>([] { return Frame() && Frame()() != nullptr; }).value_or(false))
        std::this_thread::sleep_for(20ms);
    SequenceFlag() = 1;
    if (!SendCommand(Cmd::Configure)) return;
    while (SequenceFlag() != 0 && !W().stopping) {
        if (!SendCommand(Cmd::MarketingShip)) break;
        if (SequenceFlag() == 0) break;
        if (!SendCommand(Cmd::Download)) break;
        SequenceFlag() = 1;
    }
    SequenceFlag() = 0;
}

void WatcherThread() {
    WatcherState() = Idle;
    while (WatcherState() != Stopped && Sleep(WatchInterval())) {
        // Nothing is sent while a modal dialog runs: the window is disabled then.
        const bool found = OnUi<bool>([] {
                               CMainFrame* frame = Frame() ? Frame()() : nullptr;
                               std::error_code ec;
                               return frame && frame->IsEnabled() && std::filesystem::exists(ModelInfoPath(), ec);
                           }).value_or(false);
        if (!found) continue;
        WatcherState() = Processing;
        if (SendCommand(Cmd::ModelInfoImport) && WatcherState() == Processing) SendCommand(Cmd::Download);
        OnUi<bool>([] {
            if (CMainFrame* frame = Frame() ? Frame()() : nullptr) frame->Iconize(true);
            return true;
        });
        if (WatcherState() != Stopped) WatcherState() = Idle;
    }
    WatcherState() = Stopped;
}

bool SequenceRunning() {
    return SequenceFlag() != 0;
}

void BeginSequence() {
    Workers& w = W();
    if (w.sequence.joinable()) {
        if (SequenceFlag() != 0) return;
        w.sequence.join();
    }
    w.stopping = false;
    SequenceFlag() = 1;
    w.sequence = std::thread(SequenceThread);
}

void StartWatcher() {
    Workers& w = W();
    if (w.watcher.joinable()) {
        if (WatcherState() != Stopped) return;
        w.watcher.join();
    }
    w.stopping = false;
    WatcherState() = Idle;
    w.watcher = std::thread(WatcherThread);
}

std::string Folder(std::string folder) {
    if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
    return folder;
}

// The written image kept as a data file and as an HTML document.
void AfterDownload(bool success) {
    CMainFrame* frame = Frame() ? Frame()() : nullptr;
    if (!frame) return;
    const auto& folders = AppState::Folders();
    if (success) {
        const CloneImage& image = frame->Document().CurrentImage;
        const std::string base = FileUtil::DatedFileName(image);
        if (!folders.cxx.empty()) FileUtil::SaveImageFile(image, Folder(folders.cxx) + base + ".pdx");
        if (!folders.html.empty())
            HtmlPrinter::Instance().ExportToPath(frame, image, Folder(folders.html) + base + ".html");
        return;
    }
    // The next radio begins from the command line's data again.
    const std::string& file = AppState::CommandLineDataFile();
    if (!file.empty() && frame->Document().LoadFileByName(file, false) == 1) frame->RefreshAllPanes();
}

// The result of every radio operation in the ship mode: a line in the
// result file and the power marker after a write, and the self-closing box
// for the results it knows.
std::optional<int> OnResult(wxWindow* owner, int resultId, std::string& text) {
    if (AppState::AppMode() != AppModes::Ship) return std::nullopt;
    CMainFrame* frame = Frame() ? Frame()() : nullptr;
    static constexpr int kWriteResults[] = {1, 2, 3, 4, 5, 6, 8, 10, 11, 12, 13, 39};
    if (frame && std::find(std::begin(kWriteResults), std::end(kWriteResults), resultId) != std::end(kWriteResults)) {
        const CloneImage& image = frame->Document().CurrentImage;
        if (resultId == 8) {
            char extra[256];
            std::snprintf(extra, sizeof extra, GetRIDText(61209).c_str(), ResultLog::GetText2600(image).c_str(),
                          ResultLog::GetText2620(image).c_str(), Version::Format(image).c_str());
            ResultLog::AppendForDocument(image, 0, 1, extra);
            char withSerial[256];
            std::snprintf(withSerial, sizeof withSerial, GetRIDText(61208).c_str(),
                          FileUtil::ResultSerialName(image).c_str());
            text = withSerial;
        } else {
            ResultLog::AppendForDocument(image, ShipResultRowOf(resultId), 0, "");
        }
        W().power.Start();
    }
    if (WatcherState() != Processing || HShipMessageBox::MessageKind(text) == 0) return std::nullopt;
    HShipMessageBox box(owner, "", text, ModelInfoPath());
    return box.ShowModal() == wxID_OK ? 1 : 2;
}

}  // namespace

std::atomic<int>& WatcherState() {
    static std::atomic<int> state{Stopped};
    return state;
}

std::atomic<int>& SequenceFlag() {
    static std::atomic<int> flag{0};
    return flag;
}

std::chrono::milliseconds& WatchInterval() {
    static std::chrono::milliseconds interval{1000};
    return interval;
}

std::filesystem::path ModelInfoPath() {
    const std::string& folder = AppState::Folders().modelInfo;
    if (!folder.empty()) return std::filesystem::path(folder + ShipModelInfo::FileName);
    return ProgramFolders::ProgramFolder() / ShipModelInfo::FileName;
}

int ShipResultRowOf(int resultId) {
    switch (resultId) {
        case 1:
            return 0;  // port open error
        case 5:
        case 10:
        case 11:
            return 1;  // product type error
        case 12:
        case 13:
            return 7;  // wrong model
        case 2:
            return 9;  // time-out
        default:
            return 2;  // communication error
    }
}

bool OnBatchModelInfo(CMainFrame& frame) {
    const std::filesystem::path program = ProgramFolders::ProgramFolder();
    ShipModelInfo::Environment env;
    env.versions = {ProgramVersionText(), FileVersionText(program / "TQ6.exe")};
    env.fileExists = [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    };
    const std::filesystem::path path = ModelInfoPath();
    const ShipModelInfo::FileResult read = ShipModelInfo::ReadFile(path, env);
    bool download = false;
    if (read.opened) {
        ResultLog::ModelInfoText() = read.resultText;
        std::error_code ec;
        if (read.check == ShipModelInfo::Valid) {
            std::filesystem::remove(path, ec);
            // A data file that cannot be loaded is a failure: the previous
            // radio's data is never written into this one.
            if (frame.Document().LoadFileReporting(read.line.dataFile, false) == 1) {
                ShipModelInfo::WriteIdentity(frame.Document().CurrentImage, read.line.identity);
                frame.RefreshAllPanes();
                download = true;
            } else {
                ResultLog::Append(ShipModelInfo::NoDataFile, read.line.identity);
            }
        } else {
            wxMilliSleep(1000);
            std::filesystem::remove(path, ec);
            ResultLog::Append(read.check, read.line.fields.size() > 2 ? read.line.fields[2] : std::string());
        }
    }
    frame.Iconize(false);
    frame.Raise();
    WatcherState() = download ? Processing : Idle;
    return download;
}

void StopAll() {
    Workers& w = W();
    WatcherState() = Stopped;
    w.stopping = true;
    if (w.watcher.joinable()) w.watcher.join();
    if (w.sequence.joinable()) w.sequence.join();
    w.power.Stop();
    SequenceFlag() = 0;
}

void Register(FrameGetter frame) {
    Frame() = std::move(frame);
    Screens::RegisterShipMode({&BeginSequence, &StartWatcher, &StopAll, &AfterDownload,
                               [] {
                                   if (CMainFrame* f = Frame() ? Frame()() : nullptr) OnBatchModelInfo(*f);
                               },
                               &SequenceRunning});
    CUploadDownload::SetResultHook(&OnResult);
}

}  // namespace ShipMode
