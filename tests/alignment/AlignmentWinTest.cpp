// The alignment dialogs with real mouse input against the simulated radio:
// the maximum deviation sequence from the PTT toggle to the store on OK, and
// the main dialog's OK and Cancel with their writes and the backup file.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/scrolbar.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "AlignmentFixture.h"
#include "AlignmentScript.h"
#include "alignment/ui/CHBaseSixteen.h"
#include "alignment/ui/CHBaselineADJ.h"
#include "ui/MessageService.h"
#include "ui/WinTestUtil.h"

namespace {

class AlignmentWin : public AlignedLinkTest {
  protected:
    CCHBaselineADJ::ViewFactory Views() {
        return [this](wxWindow*) -> std::unique_ptr<OperationView> {
            auto view = std::make_unique<RecordingView>();
            ++views;
            return view;
        };
    }
    int views = 0;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    TestFrame top;
};

TEST_F(AlignmentWin, MaxDeviationSequenceThenOkWritesTheRadioAndDeletesTheBackup) {
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    std::vector<std::vector<int>> keyUp, scrolled, stopped;
    int storedRow7 = -1;
    CCHBaseMaxDev* maxDev = nullptr;
    Script script({
        [&] {  // "Max Dev(W)"
            if (!dialog.IsShownOnScreen()) return false;
            Click(dialog.Button(2409));
            return true;
        },
        [&] {  // "Single"
            maxDev = Open<CCHBaseMaxDev>();
            if (!maxDev) return false;
            Click(maxDev->FindWindow(CCHBaseMaxDev::IDC_SINGLE));
            return true;
        },
        [&] {  // PTT on row 3
            if (maxDev->Frame().Type() != AlignmentFrame::AdjType::Single) return false;
            sim.ClearLog();
            Click(maxDev->Ptt(3));
            return true;
        },
        [&] {  // a click in the scroll bar's trough moves the value
            if (!maxDev->Frame().Transmitting()) return false;
            keyUp = AlignCommands(sim);
            sim.ClearLog();
            // Click the trough on the side away from the thumb: a click on the
            // thumb itself moves nothing.
            const int width = maxDev->ScrollBar(3)->GetSize().x;
            Click(maxDev->ScrollBar(3), maxDev->Frame().Value(3) > 127 ? width / 10 : width * 9 / 10);
            return true;
        },
        [&] {  // PTT again stops
            scrolled = AlignCommands(sim);
            if (scrolled.empty()) return false;
            sim.ClearLog();
            Click(maxDev->Ptt(3));
            return true;
        },
        [&] {  // OK stores and writes
            if (maxDev->Frame().Transmitting()) return false;
            stopped = AlignCommands(sim);
            storedRow7 = maxDev->Frame().Value(7);
            Click(maxDev->FindWindow(wxID_OK));
            return true;
        },
        [&] {  // back in the main dialog: OK, confirmed
            if (Open<CCHBaseMaxDev>()) return false;
            messages.QueueAnswer(MsgAnswer::Ok);
            Click(dialog.FindWindow(wxID_OK));
            return true;
        },
    });
    const int rc = dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    ASSERT_GE(keyUp.size(), 5u);
    std::vector<int> codes;
    for (const auto& c : keyUp) codes.push_back(c[0]);
    EXPECT_EQ(codes, (std::vector<int>{0x30, 0x34, 0x32, 0x36, 0x33}));
    EXPECT_EQ(keyUp[0], (std::vector<int>{0x30, 0, 3}));
    ASSERT_FALSE(scrolled.empty());
    for (const auto& c : scrolled) EXPECT_EQ(c[0], 0x33);
    EXPECT_EQ(stopped, (std::vector<std::vector<int>>{{0x36, 0, 0, 0}, {0x35}}));
    EXPECT_EQ(rc, wxID_OK);
    EXPECT_EQ(views, 2);  // operation 19, then operation 9
    EXPECT_FALSE(std::filesystem::exists(folder.path() / backup));
    const CloneImage memory = sim.Memory();
    EXPECT_TRUE(SameChannelNamesAs(memory, radio));
    EXPECT_EQ(memory[0x48], storedRow7);  // operation 19 wrote the EEPROM item
    EXPECT_EQ(Word511(), 0x5AA5);
    EXPECT_FALSE(sim.Alignment().alignmentConnection);
}

TEST_F(AlignmentWin, SubDialogCancelChangesNothingAndMainCancelRestores) {
    const CloneImage before = working;
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    Script script({
        [&] {
            if (!dialog.IsShownOnScreen()) return false;
            Click(dialog.Button(2410));  // "Max Dev(N)"
            return true;
        },
        [&] {
            auto* maxDev = Open<CCHBaseMaxDev>();
            if (!maxDev) return false;
            Click(maxDev->FindWindow(wxID_CANCEL));
            return true;
        },
        [&] {
            if (Open<CCHBaseMaxDev>()) return false;
            EXPECT_EQ(dialog.Image(), before);
            // Cancel asked, answered Cancel: nothing happens.
            messages.QueueAnswer(MsgAnswer::Cancel);
            Click(dialog.FindWindow(wxID_CANCEL));
            return true;
        },
        [&] {
            if (messages.Count() < 1) return false;
            EXPECT_TRUE(dialog.IsShownOnScreen());
            EXPECT_TRUE(std::filesystem::exists(folder.path() / backup));
            messages.QueueAnswer(MsgAnswer::Ok);
            Click(dialog.FindWindow(wxID_CANCEL));
            return true;
        },
    });
    const int rc = dialog.ShowModal();
    EXPECT_TRUE(script.Done()) << "stopped at step " << script.Step();
    EXPECT_EQ(rc, wxID_CANCEL);
    EXPECT_EQ(views, 1);  // operation 10 only
    EXPECT_FALSE(std::filesystem::exists(folder.path() / backup));
    EXPECT_TRUE(SameChannelNamesAs(sim.Memory(), radio));
    EXPECT_TRUE(SameChannelNamesAs(dialog.Image(), radio));
    EXPECT_EQ(Word511(), 0x5AA5);
}

TEST_F(AlignmentWin, PowerLimitSaysNoSpecificationAndSendsNothing) {
    CCHBaselineADJ dialog(top.frame, working, backup, shared.get(), Views());
    Script script({
        [&] {
            if (!dialog.IsShownOnScreen()) return false;
            Click(dialog.Button(2422));
            return true;
        },
        [&] {
            if (messages.Count() < 1) return false;
            EXPECT_EQ(messages.Last().text, "no specification");
            dialog.EndModal(wxID_CANCEL);
            return true;
        },
    });
    dialog.ShowModal();
    EXPECT_TRUE(script.Done());
    EXPECT_TRUE(sim.Log().empty());
}

}  // namespace
