// The progress dialog of radio operations against the simulated radio on a
// pseudo-terminal: what it shows, its result boxes, the password prompt,
// Cancel, the close box and the keys. A repeating timer of the test plays
// the user while the dialog's modal loop runs.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/gauge.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "SimFixture.h"
#include "app/PassInput2Dlg.h"
#include "image/ItemsHeader.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"
#include "serial/ui/UploadDownload.h"
#include "ui/MessageService.h"

namespace {

// Answers the password prompt as a user would type into it.
class PasswordTyper : public wxModalDialogHook {
  public:
    PasswordTyper() { Register(); }
    ~PasswordTyper() override { Unregister(); }
    std::deque<std::string> entries;  // "<cancel>" presses Cancel
    int shown = 0;

  protected:
    int Enter(wxDialog* dialog) override {
        auto* prompt = dynamic_cast<CPassInput2Dlg*>(dialog);
        if (!prompt) return wxID_NONE;
        ++shown;
        EXPECT_EQ(prompt->GetTitle(), "Programming Password");
        if (entries.empty() || entries.front() == "<cancel>") {
            if (!entries.empty()) entries.pop_front();
            return wxID_CANCEL;
        }
        prompt->Edit()->SetValue(entries.front());
        entries.pop_front();
        prompt->TransferDataFromWindow();
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

// The prompt the program gives the dialog.
int AskWithPassInput(wxWindow* owner, std::string& entry) {
    CPassInput2Dlg prompt(owner);
    if (prompt.ShowModal() != wxID_OK) return 2;
    entry = prompt.Password;
    return 1;
}

class ProgressDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        sim.LoadImage(RadioSim::MakeRadioImage(0));
        ASSERT_TRUE(sim.Start()) << "no pseudo-terminal";
        frame = new wxFrame(nullptr, wxID_ANY, "radio", wxDefaultPosition, wxSize(640, 480));
        frame->Show();
    }
    void TearDown() override {
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }

    // Runs the operation behind a progress dialog; `user` is called about
    // every 10 ms while the dialog is modal.
    bool Run(int operation, CloneImage& image, const std::function<void(CUploadDownload&)>& user = {}) {
        PXCommunicationEvent runner(sim.PortPath(), 38400, timing);
        CUploadDownload dialog(frame, AskWithPassInput);
        wxTimer ticker;
        ticker.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (dialog.IsModal() && user) user(dialog);
        });
        ticker.Start(10);
        const bool ok = runner.Run(operation, &image, dialog);
        ticker.Stop();
        result = runner.Result();
        title = dialog.GetTitle().utf8_str();
        cancelShown = dialog.CancelButton()->IsShown();
        // The range holds one unit more than the work announces.
        barDrawn = dialog.PendingSteps() == 0 &&
                   dialog.ProgressBar()->GetValue() == dialog.ProgressBar()->GetRange() - 10;
        return ok;
    }

    // The user's image for a write: the simulated radio's model with other
    // settings.
    static CloneImage UserImage() {
        CloneImage image = RadioSim::MakeRadioImage(0);
        for (std::size_t i = CloneImage::BlockOffset(0); i < CloneImage::BlockOffset(8); i += 7)
            image[i] = static_cast<std::uint8_t>(i);
        return image;
    }

    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scopedMessages{messages};
    RadioSim::Simulator sim{FastSimOptions()};
    LinkTiming timing = FastTiming();
    wxFrame* frame = nullptr;
    int result = -1;
    std::string title;
    bool cancelShown = false, barDrawn = false;
};

TEST_F(ProgressDialog, UploadDrawsItsProgressAndEndsWithTheCompletionBox) {
    CloneImage image;
    std::set<std::string> texts;
    bool barShown = false;
    ASSERT_TRUE(Run(0, image, [&](CUploadDownload& d) {
        texts.insert(std::string(d.MessageText()->GetLabel().utf8_str()));
        barShown = barShown || d.ProgressBar()->IsShown();
    }));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(title, "Upload");
    EXPECT_TRUE(barShown);
    EXPECT_TRUE(barDrawn);
    EXPECT_TRUE(texts.count("Now, Uploading... Please Wait.")) << texts.size();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Upload is Completed!");
    EXPECT_EQ(messages.Last().caption, "Pardex");
    EXPECT_EQ(messages.Last().style, MsgStyle::Ok | MsgStyle::IconInformation);
    EXPECT_EQ(image[CloneImage::BlockOffset(8, 2)], sim.Memory()[CloneImage::BlockOffset(8, 2)]);
}

TEST_F(ProgressDialog, ARadioWithAPasswordIsReadOnlyWithTheRightOne) {
    sim.SetRadioPassword("12AB34");
    struct Case {
        const char* name;
        std::deque<std::string> entries;
        bool ok;
        int prompts;
        const char* message;  // "" for none
    };
    const Case cases[] = {
        {"typed right, in lower case", {"12ab34"}, true, 1, "Upload is Completed!"},
        {"wrong once, then right", {"000000", "12AB34"}, true, 2, "Upload is Completed!"},
        {"wrong three times", {"1", "2", "3"}, false, 3, "Password is Mismatched!"},
        {"prompt cancelled", {"<cancel>"}, false, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.PowerOn();
        messages.Clear();
        PasswordTyper typer;
        typer.entries = c.entries;
        CloneImage image;
        const CloneImage before = image;
        EXPECT_EQ(Run(0, image), c.ok);
        EXPECT_EQ(typer.shown, c.prompts);
        if (*c.message) {
            ASSERT_EQ(messages.Count(), 1u);
            EXPECT_EQ(messages.Last().text, c.message);
        } else {
            EXPECT_EQ(messages.Count(), 0u);
        }
        if (!c.ok) {
            EXPECT_EQ(image, before);
        }
    }
}

TEST_F(ProgressDialog, DownloadWritesThePreparedImageWithCancelHidden) {
    CloneImage image = UserImage();
    const CloneImage user = image;
    ASSERT_TRUE(Run(1, image));
    EXPECT_EQ(title, "Download");
    EXPECT_FALSE(cancelShown);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Download is Completed!");
    // The image handed back is the prepared one, and the radio holds it.
    EXPECT_NE(image, user);
    EXPECT_EQ(ItemMap::GetHeaderProductionDate(image), 0x261210u);
    const CloneImage memory = sim.Memory();
    for (std::size_t i = CloneImage::HeaderSize; i < CloneImage::TrailerOffset; ++i)
        ASSERT_EQ(memory[i], image[i]) << i;
    EXPECT_EQ(ItemMap::GetHeaderProductionDate(memory), 0x261210u);
}

TEST_F(ProgressDialog, CancelWhileWaitingForTheRadioEndsQuietly) {
    sim.PowerOff();
    CloneImage image = UserImage();
    const CloneImage before = image;
    bool pressed = false;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Run(0, image, [&](CUploadDownload& d) {
        if (pressed || d.CurrentState() != 10) return;  // "Switch Radio ON, then start uploading."
        wxCommandEvent click(wxEVT_BUTTON, CUploadDownload::IDC_CANCEL);
        click.SetEventObject(d.CancelButton());
        d.CancelButton()->ProcessWindowEvent(click);
        pressed = true;
        EXPECT_TRUE(d.IsModal());  // Cancel only asks the worker to stop
    }));
    EXPECT_TRUE(pressed);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(image, before);
    // Not every power-on window was waited out.
    const double allWindows = timing.firstWindowMs + 3 * timing.retryWindowMs;
    EXPECT_LT(std::chrono::steady_clock::now() - start,
              std::chrono::milliseconds(static_cast<int>(allWindows)));
}

TEST_F(ProgressDialog, TheCloseBoxCancelsAndWaitsForTheWorker) {
    sim.PowerOff();
    CloneImage image;
    int closes = 0;
    EXPECT_FALSE(Run(0, image, [&](CUploadDownload& d) {
        if (d.CurrentState() != 10 || closes > 0) return;
        EXPECT_FALSE(static_cast<wxWindow&>(d).Close());  // vetoed
        ++closes;
        EXPECT_TRUE(d.IsModal());
    }));
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(ProgressDialog, TheCloseBoxEnterAndEscapeDoNotStopAWrite) {
    CloneImage image = UserImage();
    int tries = 0;
    ASSERT_TRUE(Run(1, image, [&](CUploadDownload& d) {
        if (!d.ProgressBar()->IsShown() || tries > 0) return;
        ++tries;
        EXPECT_FALSE(static_cast<wxWindow&>(d).Close());
        for (int key : {WXK_ESCAPE, WXK_RETURN, WXK_NUMPAD_ENTER}) {
            wxKeyEvent press(wxEVT_CHAR_HOOK);
            press.m_keyCode = key;
            press.SetEventObject(&d);
            d.ProcessWindowEvent(press);
        }
        EXPECT_TRUE(d.IsModal());
    }));
    EXPECT_EQ(tries, 1);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Download is Completed!");
}

TEST_F(ProgressDialog, EscapeAndEnterLeaveAnUploadRunning) {
    CloneImage image;
    int tries = 0;
    ASSERT_TRUE(Run(0, image, [&](CUploadDownload& d) {
        if (d.CurrentState() != 3 || tries++ > 0) return;
        for (int key : {WXK_ESCAPE, WXK_RETURN}) {
            wxKeyEvent press(wxEVT_CHAR_HOOK);
            press.m_keyCode = key;
            press.SetEventObject(&d);
            d.ProcessWindowEvent(press);
        }
    }));
    EXPECT_GT(tries, 0);
    EXPECT_EQ(messages.Last().text, "Upload is Completed!");
}

struct FaultCase {
    const char* name;
    int operation;
    std::vector<RadioSim::Fault> faults;
    const char* text;
};

TEST_F(ProgressDialog, AFailureShowsItsResultAndLeavesTheImage) {
    const FaultCase cases[] = {
        {"wrong model", 0, {{RadioSim::FaultKind::WrongModelCode}}, "Product Type Error!"},
        {"identity read refused",
         0,
         {{RadioSim::FaultKind::Nak, 1, -1, RadioFrame::EepromReadCode}},
         "Communication Error"},
        {"write refused",
         1,
         {{RadioSim::FaultKind::Nak, 0, -1, RadioFrame::FlashWriteCode}},
         "Communication Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.LoadImage(RadioSim::MakeRadioImage(0));
        sim.SetFaults(c.faults);
        sim.PowerOn();
        messages.Clear();
        CloneImage image = UserImage();
        const CloneImage before = image;
        EXPECT_FALSE(Run(c.operation, image));
        ASSERT_EQ(messages.Count(), 1u);
        EXPECT_EQ(messages.Last().text, c.text);
        EXPECT_EQ(messages.Last().caption, "Error");
        EXPECT_EQ(messages.Last().style, MsgStyle::Ok | MsgStyle::IconWarning);
        EXPECT_EQ(image, before);
        sim.ClearFaults();
    }
}

TEST_F(ProgressDialog, APortInUseSaysSo) {
    const int fd = ::open(sim.PortPath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
    CloneImage image;
    EXPECT_FALSE(Run(0, image));
    ::close(fd);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text,
              "Port Open Error!\n\n" + sim.PortPath() +
                  " is in use by another program.\nClose that program, then try again.");
    EXPECT_EQ(messages.Last().caption, "Error");
}

TEST_F(ProgressDialog, StatesAndResultsShownDirectly) {
    CUploadDownload dialog(frame);
    EXPECT_EQ(dialog.CurrentState(), CUploadDownload::NoState);
    EXPECT_EQ(dialog.ResultId(), -1);
    EXPECT_EQ(dialog.GetTitle(), "");
    EXPECT_FALSE(dialog.ProgressBar()->IsShown());
    EXPECT_TRUE(dialog.CancelButton()->IsShown());

    dialog.SetState(7);
    EXPECT_EQ(dialog.MessageText()->GetLabel(), "Switch Radio ON,\nthen start preparing for Alignment");
    dialog.MessageText()->SetLabel("drawn");
    dialog.SetState(7);  // the same state again changes nothing
    EXPECT_EQ(dialog.MessageText()->GetLabel(), "drawn");
    dialog.SetState(0);
    EXPECT_EQ(dialog.MessageText()->GetLabel(), "");
    dialog.SetState(6);  // no text of its own
    EXPECT_EQ(dialog.MessageText()->GetLabel(), "");

    dialog.SetTitle(9);
    EXPECT_EQ(dialog.GetTitle(), "ADJ-Data Return To Default");

    for (int id : {0, -1, 99}) EXPECT_EQ(dialog.ShowResult(id), 0) << id;
    EXPECT_EQ(messages.Count(), 0u);
    messages.QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(dialog.ShowResult(9), MsgAnswer::No);
    EXPECT_EQ(messages.Last().text, "Do you start downloading?");
    EXPECT_EQ(messages.Last().style, MsgStyle::YesNo | MsgStyle::IconInformation);
}

TEST_F(ProgressDialog, TheTimerDrawsAnnouncedStepsIntoTheBar) {
    CUploadDownload dialog(frame);
    dialog.SetRange(76);
    dialog.SetPosition(0);
    dialog.AddSteps(30);  // 300 bar steps
    EXPECT_EQ(dialog.PendingSteps(), 300);
    std::vector<int> values;
    for (int i = 0; i < 6; ++i) {
        dialog.DrainTick();
        values.push_back(dialog.ProgressBar()->GetValue());
    }
    EXPECT_EQ(values, (std::vector<int>{104, 173, 219, 250, 270, 274}));
    dialog.FinishSteps();
    dialog.DrainTick();
    EXPECT_EQ(dialog.ProgressBar()->GetValue(), 300);
    EXPECT_EQ(dialog.PendingSteps(), 0);
    EXPECT_EQ(dialog.ProgressBar()->GetRange(), 760);
}

// A picture of the dialog part way through a read from a radio that answers
// at 230400 baud, written to $ZT_SCREENSHOT_DIR when that is set; then Cancel.
TEST_F(ProgressDialog, MidTransferPicture) {
    RadioSim::Options paced = FastSimOptions();
    paced.baud = 230400;
    RadioSim::Simulator slow(paced);
    slow.LoadImage(RadioSim::MakeRadioImage(0));
    ASSERT_TRUE(slow.Start());
    // The link's own budgets, with short pauses: no need to sit out the
    // radio's settling time.
    LinkTiming real;
    real.afterHandshakeMs = 100.0;
    real.preReadPauseMs = 0.5;
    PXCommunicationEvent runner(slow.PortPath(), 230400, real);
    CUploadDownload dialog(frame, AskWithPassInput);
    bool taken = false;
    wxTimer ticker;
    ticker.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        wxGauge* bar = dialog.ProgressBar();
        if (taken || !dialog.IsModal() || !bar->IsShown() || bar->GetValue() < bar->GetRange() / 8) return;
        taken = true;
        EXPECT_LT(bar->GetValue(), bar->GetRange());
        EXPECT_EQ(dialog.MessageText()->GetLabel(), "Now, Uploading... Please Wait.");
        EXPECT_TRUE(dialog.CancelButton()->IsShown());
        EXPECT_EQ(dialog.GetTitle(), "Upload");
        if (const char* dir = std::getenv("ZT_SCREENSHOT_DIR")) {
            wxInitAllImageHandlers();
            dialog.Update();
            wxTheApp->Yield(true);
            const wxRect r = dialog.GetScreenRect();
            wxBitmap picture(r.width, r.height);
            wxMemoryDC memory(picture);
            wxScreenDC screen;
            memory.Blit(0, 0, r.width, r.height, &screen, r.x, r.y);
            memory.SelectObject(wxNullBitmap);
            EXPECT_TRUE(picture.SaveFile((std::filesystem::path(dir) / "progress-dialog.png").string(),
                                         wxBITMAP_TYPE_PNG));
        }
        wxCommandEvent click(wxEVT_BUTTON, CUploadDownload::IDC_CANCEL);
        dialog.CancelButton()->ProcessWindowEvent(click);
    });
    ticker.Start(20);
    CloneImage image;
    const CloneImage before = image;
    EXPECT_FALSE(runner.Run(0, &image, dialog));
    ticker.Stop();
    EXPECT_TRUE(taken);
    EXPECT_EQ(runner.Result(), 0);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(image, before);
}

}  // namespace
