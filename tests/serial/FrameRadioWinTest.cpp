// The radio commands of the main window against the simulated radio: Upload
// and Download through the menu commands with the program's own screens
// registered, Configure onto the simulator's pseudo-terminal, the password
// prompt, Cancel and failures, each leaving the document as the command says.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>

#include "SimFixture.h"
#include "app/AppState.h"
#include "app/Fixtures.h"
#include "app/MainFrm.h"
#include "app/MenuCommands.h"
#include "app/PassInput2Dlg.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "image/ItemsHeader.h"
#include "language/SettingsFile.h"
#include "serial/RadioFrame.h"
#include "serial/ui/FileConfigDlg.h"
#include "serial/ui/UploadDownload.h"
#include "ui/MessageService.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* NoneTitle = "<none> - Pardex for ZT-610/640 Series";

// Plays the user in the modal dialogs the commands open: types the password
// into the prompt and picks the simulator's port in the configuration.
class User : public wxModalDialogHook {
  public:
    User() { Register(); }
    ~User() override { Unregister(); }
    std::deque<std::string> passwords;
    int prompts = 0;
    std::string typedPort;

  protected:
    int Enter(wxDialog* dialog) override {
        if (auto* prompt = dynamic_cast<CPassInput2Dlg*>(dialog)) {
            ++prompts;
            if (passwords.empty()) return wxID_CANCEL;
            prompt->Edit()->SetValue(passwords.front());
            passwords.pop_front();
            prompt->TransferDataFromWindow();
            return wxID_OK;
        }
        if (auto* config = dynamic_cast<CFileConfigDlg*>(dialog)) {
            config->PortBox()->SetValue(typedPort);
            config->OnOK();
            return config->GetReturnCode();
        }
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}
};

// The progress dialog on the screen now, if any.
CUploadDownload* OpenProgressDialog() {
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* d = dynamic_cast<CUploadDownload*>(w); d && d->IsModal()) return d;
    return nullptr;
}

class FrameRadio : public ::testing::Test {
  protected:
    void SetUp() override {
        sim.LoadImage(RadioSim::MakeRadioImage(0));
        ASSERT_TRUE(sim.Start()) << "no pseudo-terminal";
        fs::create_directories(program);
        Fixtures::WriteDefaults(program, {0, 5});
        SetProfilePath(dir.path() / "pardex.xml");
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
        AppState::Link() = {sim.PortPath(), CableType::Plain, 38400};
        Screens::ClearAll();
        RegisterScreens();
        Screens::RadioLink link = Screens::Radio();
        link.timing = FastTiming();
        Screens::RegisterRadioLink(link);

        frame = new CMainFrame(&recent, {program}, program);
        // The document comes from a file, so that a read visibly drops its path.
        const fs::path file = dir.path() / "radio.PDX";
        Fixtures::WriteImage(file, Fixtures::VariantImage(0, 0x42));
        ASSERT_EQ(frame->Document().OpenDocument(file.string()), 1);
        frame->Show();
        wxTheApp->Yield(true);
    }
    void TearDown() override {
        frame->Destroy();
        wxTheApp->ProcessIdle();
        Screens::ClearAll();
        SetProfilePath({});
    }

    // Runs a menu command; `user` runs about every 10 ms while a progress
    // dialog is open.
    void Command(int id, const std::function<void(CUploadDownload&)>& user = {}) {
        wxTimer ticker;
        ticker.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (CUploadDownload* d = OpenProgressDialog(); d && user) user(*d);
        });
        ticker.Start(10);
        frame->RunCommand(id);
        ticker.Stop();
    }
    CloneImage& Current() { return frame->Document().CurrentImage; }
    std::string Title() const { return std::string(frame->GetTitle().utf8_str()); }

    TestHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin";
    RadioSim::Simulator sim{FastSimOptions()};
    ScriptedMessageService messages;
    ScopedMessageService scopedMessages{messages};
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
    User user;
};

TEST_F(FrameRadio, UploadReplacesTheDocumentAndItsTitleBecomesNone) {
    ASSERT_NE(Title(), NoneTitle);
    Command(Cmd::Upload);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Upload is Completed!");
    EXPECT_EQ(Title(), NoneTitle);
    EXPECT_EQ(frame->Document().PathName(), "");
    // Every page and the words a normal read covers are the radio's.
    const CloneImage radio = sim.Memory();
    for (std::size_t i = 0; i < CloneImage::TrailerOffset; ++i) {
        if (i >= 2 * 416 && i < 2 * 511) continue;
        ASSERT_EQ(Current()[i], radio[i]) << i;
    }
}

TEST_F(FrameRadio, ARadioWithAPasswordIsAskedForIt) {
    sim.SetRadioPassword("12AB34");
    user.passwords = {"12ab34"};
    Command(Cmd::Upload);
    EXPECT_EQ(user.prompts, 1);
    EXPECT_EQ(messages.Last().text, "Upload is Completed!");
    EXPECT_EQ(Title(), NoneTitle);
}

TEST_F(FrameRadio, DownloadWritesThePreparedImageIntoTheRadio) {
    Command(Cmd::Upload);  // the radio's own image, which the radio accepts back
    ASSERT_EQ(Title(), NoneTitle);
    const CloneImage read = Current();
    sim.ClearLog();
    messages.Clear();
    messages.QueueAnswer(MsgAnswer::Yes);  // "Do you start downloading?"
    messages.QueueAnswer(MsgAnswer::Yes);  // narrow the wide channels, when asked
    Command(Cmd::Download);
    EXPECT_EQ(messages.Messages().front().text, "Do you start downloading?");
    EXPECT_EQ(messages.Last().text, "Download is Completed!");
    // The document holds what was prepared and written; the radio holds it too.
    EXPECT_NE(Current(), read);
    const CloneImage radio = sim.Memory();
    for (std::size_t i = CloneImage::HeaderSize; i < CloneImage::TrailerOffset; ++i)
        ASSERT_EQ(radio[i], Current()[i]) << i;
    EXPECT_EQ(ItemMap::GetHeaderProductionDate(radio), 0x261210u);
    EXPECT_EQ(radio[2 * 511], 0x5A);
}

TEST_F(FrameRadio, CancelWhileWaitingForTheRadioLeavesTheDocument) {
    sim.PowerOff();
    const CloneImage before = Current();
    const std::string title = Title();
    bool pressed = false;
    Command(Cmd::Upload, [&](CUploadDownload& d) {
        if (pressed || d.CurrentState() != 10) return;
        wxCommandEvent click(wxEVT_BUTTON, CUploadDownload::IDC_CANCEL);
        d.CancelButton()->ProcessWindowEvent(click);
        pressed = true;
    });
    EXPECT_TRUE(pressed);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(Current(), before);
    EXPECT_EQ(Title(), title);
}

TEST_F(FrameRadio, AFailureShowsItsResultAndLeavesTheDocument) {
    struct Case {
        const char* name;
        int command;
        std::vector<RadioSim::Fault> faults;
        const char* text;
    };
    const Case cases[] = {
        {"read of another model",
         Cmd::Upload,
         {{RadioSim::FaultKind::WrongModelCode}},
         "Product Type Error!"},
        {"write refused",
         Cmd::Download,
         {{RadioSim::FaultKind::Nak, 0, -1, RadioFrame::FlashWriteCode}},
         "Communication Error"},
    };
    Command(Cmd::Upload);  // a document the radio accepts
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.SetFaults(c.faults);
        sim.PowerOn();
        messages.Clear();
        messages.QueueAnswer(MsgAnswer::Yes);
        messages.QueueAnswer(MsgAnswer::Yes);
        const CloneImage before = Current();
        Command(c.command);
        EXPECT_EQ(messages.Last().text, c.text);
        EXPECT_EQ(messages.Last().caption, "Error");
        EXPECT_EQ(Current(), before);
        sim.ClearFaults();
    }
}

TEST_F(FrameRadio, ConfigureTakesATypedPortThatTheNextReadUses) {
    AppState::Link() = {"", CableType::Plain, 38400};
    user.typedPort = sim.PortPath();
    Command(Cmd::Configure);
    EXPECT_EQ(AppState::Link().port, sim.PortPath());
    EXPECT_EQ(GetProfileString("Configure", "ComPort", ""), sim.PortPath());
    EXPECT_EQ(messages.Last().caption, "Caution");  // a plain cable at 38400 baud
    messages.Clear();
    Command(Cmd::Upload);
    EXPECT_EQ(messages.Last().text, "Upload is Completed!");
}

}  // namespace
