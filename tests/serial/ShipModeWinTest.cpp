// The unattended ship mode against the simulated radio: the line's command
// sequence (Configure, Marketing(Ship Mode), Download, again and again until
// the operator cancels) and the model information watcher, which picks up
// "Model_info.txt", loads its data file, writes the radio's identity and
// downloads. After each write the written data and HTML document, the result
// line and "power.txt" follow. An invalid identity code and a data file that
// cannot be loaded end in a failure line and no download.
#include <wx/app.h>
#include <wx/modalhook.h>

#include <fstream>
#include <memory>

#include "SimFixture.h"
#include "app/AppState.h"
#include "app/Fixtures.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "app/ShipMode.h"
#include "app/VersionText.h"
#include "image/FileUtil.h"
#include "language/SettingsFile.h"
#include "serial/ui/FileConfigDlg.h"
#include "settings/SettingsDlg.h"
#include "ui/MessageService.h"
#include "ui/RealInput.h"

namespace fs = std::filesystem;

namespace {

// Nobody sits at the line: the sequence's port configuration is refused,
// which ends the sequence and leaves the watcher alone at work.
class LineOperator : public wxModalDialogHook {
  public:
    LineOperator() { Register(); }
    ~LineOperator() override { Unregister(); }
    bool present = false;  // someone answers the sequence's dialogs

  protected:
    int Enter(wxDialog* dialog) override {
        return !present && dynamic_cast<CFileConfigDlg*>(dialog) ? wxID_CANCEL : wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

// The operator at the line, with the mouse: accepts the port configuration,
// accepts the Marketing(Ship Mode) dialog `marketingOks` times and then
// cancels it, which ends the sequence. Notes each dialog it answered.
class LineClicks : public wxTimer {
  public:
    explicit LineClicks(int marketingOks) : marketingOks_(marketingOks) { Start(50); }
    std::vector<std::string> answered;

    void Notify() override {
        for (wxWindow* w : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<wxDialog*>(w);
            if (!dialog || !dialog->IsShown() || !dialog->IsModal()) continue;
            if (dynamic_cast<CFileConfigDlg*>(dialog)) {
                Answer(*dialog, CFileConfigDlg::IDC_OK, "Configure OK");
            } else if (dynamic_cast<SettingsDlg*>(dialog)) {
                const bool ok = marketingOks_-- > 0;
                Answer(*dialog, ok ? SettingsDlg::IDC_OK : SettingsDlg::IDC_CANCEL,
                       ok ? "Marketing OK" : "Marketing Cancel");
            }
            return;
        }
    }

  private:
    void Answer(wxDialog& dialog, int button, const char* what) {
        Stop();
        answered.push_back(what);
        RealInput::Click(dialog.FindWindow(button));
        Start(50);
    }
    int marketingOks_;
};

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    return files;
}

class ShipModeWin : public ::testing::Test {
  protected:
    void SetUp() override {
        line.present = lineSequence;
        // The sequence's first dialog opens as soon as the window shows.
        if (lineSequence) clicks = std::make_unique<LineClicks>(1);
        CloneImage radio = RadioSim::MakeRadioImage(0);
        radio[0x250C] = 0x02;  // a production radio's product code
        radio[0x250D] = 0x04;
        sim.LoadImage(radio);
        ASSERT_TRUE(sim.Start()) << "no pseudo-terminal";
        for (const fs::path& f : {program, cxx, html, info, result}) fs::create_directories(f);
        Fixtures::WriteDefaults(program, {0, 5});
        Fixtures::WriteImage(dataFile, radio);
        SetProfilePath(dir.path() / "pardex.xml");
        host.appMode = 4;
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 4;
        AppState::Link() = {sim.PortPath(), CableType::Plain, 38400};
        AppState::Folders() = {cxx.string(), html.string(), info.string() + "/", result.string() + "/"};
        ResultLog::ResultFolder() = result.string() + "/";
        ResultLog::ModelInfoText().clear();
        // The line's sequence begins at the first activation when the command
        // line names the data file.
        AppState::CommandLineDataFile() = lineSequence ? dataFile.string() : std::string();
        ShipMode::WatchInterval() = std::chrono::milliseconds(100);
        Screens::ClearAll();
        RegisterScreens();
        ShipMode::Register([this] { return frame; });
        Screens::RadioLink link = Screens::Radio();
        link.timing = FastTiming();
        Screens::RegisterRadioLink(link);
        frame = new CMainFrame(&recent, {program}, program);
        ASSERT_TRUE(frame->Document().LoadStartupImage(AppState::CommandLineDataFile()));
        frame->Show();
        RealInput::Settle();
        frame->AfterShow();
        Screens::Ship().startWatcher();
        ASSERT_TRUE(RealInput::WaitFor([] { return ShipMode::WatcherState() == ShipMode::Idle; }));
    }
    void TearDown() override {
        clicks.reset();
        ShipMode::StopAll();
        frame->Destroy();
        wxTheApp->ProcessIdle();
        Screens::ClearAll();
        AppState::AppMode() = 0;
        AppState::Folders() = {};
        AppState::CommandLineDataFile().clear();
        ResultLog::ResultFolder().clear();
        SetProfilePath({});
    }

    // Drops a model information file and waits until the watcher is idle again.
    void Drop(const std::string& line) {
        { std::ofstream(info / "Model_info.txt") << line << "\r\n"; }
        ASSERT_TRUE(RealInput::WaitFor([&] { return !fs::exists(info / "Model_info.txt"); }, 10000));
        ASSERT_TRUE(RealInput::WaitFor([] { return ShipMode::WatcherState() == ShipMode::Idle; }, 20000));
        RealInput::Settle(700);  // the power marker follows half a second after a write
    }
    std::string Line(const std::string& data, const std::string& identity) const {
        return ProgramVersionText() + ",\"" + data + "\"," + identity + ",x,LINE-7";
    }
    std::string ResultText() const { return Fixtures::ReadBytes(result / "result.txt"); }
    // The records of the one write: "power.txt", the dated data file and the
    // HTML document of the same name. The image the data file holds.
    CloneImage RecordsOfOneWrite() const {
        EXPECT_TRUE(fs::exists(result / "power.txt"));
        const auto pdx = FilesIn(cxx), htm = FilesIn(html);
        CloneImage saved;
        if (pdx.size() != 1 || htm.size() != 1) {
            ADD_FAILURE() << pdx.size() << " data files, " << htm.size() << " HTML documents";
            return saved;
        }
        EXPECT_NE(pdx[0].filename().string().find("_20261210_0930.pdx"), std::string::npos) << pdx[0];
        EXPECT_EQ(htm[0].stem(), pdx[0].stem());
        EXPECT_EQ(FileUtil::OpenRead(saved, pdx[0].string()), 1);
        return saved;
    }

    TestHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin", cxx = dir.path() / "cxx", html = dir.path() / "html",
             info = dir.path() / "info", result = dir.path() / "result", dataFile = dir.path() / "ship.PDX";
    RadioSim::Simulator sim{FastSimOptions()};
    ScriptedMessageService messages;
    ScopedMessageService scopedMessages{messages};
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
    LineOperator line;
    bool lineSequence = false;
    std::unique_ptr<LineClicks> clicks;
};

TEST_F(ShipModeWin, AModelInformationFileProgramsTheRadioAndLeavesItsRecords) {
    Drop(Line(dataFile.string(), "24AC34BEEF"));
    // The radio holds the identity, the result line names it as passed.
    const CloneImage radio = sim.Memory();
    EXPECT_EQ(radio[0x250E], 0xA1);
    EXPECT_EQ(radio[0x250F], 0x34);
    EXPECT_EQ(radio[0x2510], 0xBE);
    EXPECT_EQ(radio[0x2511], 0xEF);
    EXPECT_EQ(ResultText().rfind("24AC34BEEF,LINE-7,P,", 0), 0u) << ResultText();
    const CloneImage saved = RecordsOfOneWrite();
    EXPECT_EQ(saved[0x2510], 0xBE);
}

TEST_F(ShipModeWin, AnInvalidIdentityOrAnUnreadableDataFileDownloadsNothing) {
    struct Case {
        const char* name;
        std::string data, identity, resultTail;
    };
    const fs::path notData = dir.path() / "short.PDX";
    { std::ofstream(notData) << "not a data file"; }
    const Case cases[] = {
        {"letter O is no serial letter", dataFile.string(), "24AO34BEEF", ",LINE-7,F,0005,Wrong serial No."},
        {"not hexadecimal", dataFile.string(), "24AC34BEEG", ",LINE-7,F,0005,Wrong serial No."},
        {"data file cannot be loaded", notData.string(), "24AC34BEEF", ",LINE-7,F,0004,Not found shipdata file"},
    };
    for (const Case& c : cases) {
        sim.ClearLog();
        fs::remove(result / "power.txt");
        Drop(Line(c.data, c.identity));
        EXPECT_EQ(ResultText(), c.identity + c.resultTail) << c.name;
        EXPECT_TRUE(sim.Log().empty()) << c.name << ": the radio was spoken to";
        EXPECT_TRUE(FilesIn(cxx).empty()) << c.name;
        EXPECT_FALSE(fs::exists(result / "power.txt")) << c.name;
    }
}

// Started with a data file on the command line: the line's sequence runs.
class ShipModeLineWin : public ShipModeWin {
  protected:
    ShipModeLineWin() { lineSequence = true; }
};

TEST_F(ShipModeLineWin, TheSequenceConfiguresSetsTheMarketingDataAndDownloadsUntilCancelled) {
    ASSERT_TRUE(RealInput::WaitFor([&] { return clicks->answered.size() == 3 && ShipMode::SequenceFlag() == 0; },
                                   30000))
        << clicks->answered.size();
    clicks->Stop();
    RealInput::Settle(700);  // the power marker follows half a second after a write
    EXPECT_EQ(clicks->answered, (std::vector<std::string>{"Configure OK", "Marketing OK", "Marketing Cancel"}));
    // One download of the command line's data, then the cancelled Marketing
    // ended the sequence: the radio was written once.
    int pagesWritten = 0;
    for (const auto& r : sim.Log()) pagesWritten += r.command == 0xF7;
    EXPECT_GT(pagesWritten, 0);
    EXPECT_EQ(ResultText().rfind("24", 0), 0u) << ResultText();
    EXPECT_NE(ResultText().find(",,P,"), std::string::npos) << ResultText();
    // No model information file is being processed: the ordinary result box.
    ASSERT_GT(messages.Count(), 0u);
    EXPECT_NE(messages.Last().text.find("Download is Completed!"), std::string::npos) << messages.Last().text;
    const CloneImage saved = RecordsOfOneWrite();
    EXPECT_EQ(saved, frame->Document().CurrentImage);
    // The watcher stays at work after the sequence.
    EXPECT_EQ(ShipMode::WatcherState(), ShipMode::Idle);
}

}  // namespace
