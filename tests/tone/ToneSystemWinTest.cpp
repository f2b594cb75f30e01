// The 2-tone system window on a default data file, driven with real key and
// mouse input: edits in each view reach the working copy, OK hands them over,
// Cancel and an OK without edits leave the document byte for byte.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "ToneWinUtil.h"
#include "help/HelpFrame.h"
#include "help/HelpTopics.h"
#include "WinTestUtil.h"
#include "ui/RealInput.h"
#include "image/FileUtil.h"
#include "image/ItemsTone.h"
#include "image/TestHost.h"
#include "language/LanguageFixtures.h"
#include "ui/UiHooks.h"
#include "ui/MessageService.h"
#include "tone/ToneSystemWnd.h"
#include "tone/TwoToneCodeSelectPopup.h"
#include "tone/TwoToneSystemViews.h"

using namespace TwoToneViews;
using namespace ToneWin;

namespace {

constexpr int H = 3;

constexpr std::size_t B10 = CloneImage::BlockOffset(10);

using ToneSystemWin = SystemWindowTest<CDialogDmy::Window2Tone>;

}  // namespace

TEST_F(ToneSystemWin, EditsInEachViewReachTheDocumentOnOk) {
    const CloneImage before = document;
    const int result = Run([](CDialogDmy& window) {
        CToneGridView& systems = *window.View(0);
        CToneGridView& encode = *window.View(1);
        CToneGridView& decode = *window.View(2);
        auto cell = [](CToneGridView& v, int row, int col) { return v.Grid().GetTextMatrix(row, col); };
        // Systems: Space toggles the Duty check of system 2.
        Key(systems, H + 1, SystemCol::Duty, WXK_SPACE, [&] { return cell(systems, H + 1, SystemCol::Duty) == " "; });
        // A tone period typed with a decimal comma.
        Key(systems, H + 1, SystemCol::Period1st, WXK_RETURN, [&] { return systems.Grid().IsCellEditControlShown(); });
        Type(systems, "1,5");
        Key(systems, H + 1, SystemCol::Period1st, WXK_RETURN, [&] { return !systems.Grid().IsCellEditControlShown(); });
        Pump();
        EXPECT_EQ(cell(systems, H + 1, SystemCol::Period1st), "1.50 sec");
        // Encode: Enter opens the TAG editor; typed text is stored on Enter.
        Key(encode, H, EncodeCol::Tag, WXK_RETURN, [&] { return encode.Grid().IsCellEditControlShown(); });
        Type(encode, "AB1");
        Key(encode, H, EncodeCol::Tag, WXK_RETURN, [&] { return !encode.Grid().IsCellEditControlShown(); });
        Pump();
        EXPECT_EQ(cell(encode, H, EncodeCol::Tag), "AB1     ");
        // Decode: Space cycles AF Mute of record 3 from Close to Open.
        Key(decode, H + 2, DecodeCol::AfMute, WXK_SPACE, [&] { return cell(decode, H + 2, DecodeCol::AfMute) == "Open"; });
        Press(Button(window, wxID_OK), [&] { return window.GetReturnCode() != 0; });
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(document[B10 + 0x131] & 0x02, 0x02);  // duty of system 2
    EXPECT_EQ(document[B10 + 0x134], 30);           // its 1st tone period
    EXPECT_EQ(ItemMap::GetTone2EncodeTag(document, 0), "AB1     ");
    EXPECT_EQ(document[B10 + 0x1A2 + 32] & 0x03, 0x03);  // AF mute of decode record 3
    for (std::size_t at : Differences(before, document)) {
        const bool expected =
            at == B10 + 0x131 || at == B10 + 0x134 || (at >= B10 + 0x228 && at < B10 + 0x230) || at == B10 + 0x1C2;
        EXPECT_TRUE(expected) << "byte " << at << " changed";
    }
}

TEST_F(ToneSystemWin, CancelLeavesTheDocumentByteForByte) {
    const CloneImage before = document;
    const int result = Run([](CDialogDmy& window) {
        CToneGridView& systems = *window.View(0);
        CToneGridView& decode = *window.View(2);
        Key(systems, H, SystemCol::MoniSw, WXK_SPACE,
            [&] { return systems.Grid().GetTextMatrix(H, SystemCol::MoniSw) == "Open"; });
        Key(decode, H, DecodeCol::AlertMode, WXK_SPACE,
            [&] { return decode.Grid().GetTextMatrix(H, DecodeCol::AlertMode) == "Single"; });
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(document, before);
}

TEST_F(ToneSystemWin, OkWithoutEditsChangesNothing) {
    const CloneImage before = document;
    for (int pass = 0; pass < 2; ++pass) {
        const int result =
            Run([](CDialogDmy& window) { Press(Button(window, wxID_OK), [&] { return window.GetReturnCode() != 0; }); });
        ASSERT_EQ(result, wxID_OK);
        EXPECT_TRUE(Differences(before, document).empty()) << "pass " << pass;
    }
}

TEST_F(ToneSystemWin, HelpButtonTogglesTheHelpPaneAndTheWindowKeepsItsMinimum) {
    // Both windows share the help row: it opens below the button bar at its
    // height (never below 160), taken from the middle row, and gives it back.
    for (int id : {CDialogDmy::Window5Tone, CDialogDmy::Window2Tone}) {
        RunSystemWindow(frame.frame, document, id, "/nonexistent", [&](CDialogDmy& window) {
            auto row = [&](int r) {
                int current = 0, minimum = 0;
                window.Frame()->Outer()->GetRowInfo(r, current, minimum);
                return current;
            };
            ASSERT_NE(window.HelpTopics(), nullptr);
            EXPECT_FALSE(window.HelpVisible());
            EXPECT_FALSE(window.HelpTopics()->IsShownOnScreen());
            const int middle = row(CDialogDmy::MiddleRow);
            wxWindow* help = Button(window, CDialogDmy::IDC_HELP);
            Press(help, [&] { return window.HelpVisible(); });
            Pump();
            EXPECT_TRUE(window.HelpTopics()->IsShownOnScreen()) << id;
            EXPECT_GE(row(CDialogDmy::HelpRow), 160) << id;
            EXPECT_GE(window.HelpTopics()->GetScreenPosition().y,
                      help->GetScreenPosition().y + help->GetSize().y) << id;
            EXPECT_EQ(row(CDialogDmy::MiddleRow) + row(CDialogDmy::HelpRow), middle) << id;
            Press(help, [&] { return !window.HelpVisible(); });
            Pump();
            EXPECT_FALSE(window.HelpTopics()->IsShownOnScreen()) << id;
            EXPECT_EQ(row(CDialogDmy::MiddleRow), middle) << id;
            Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
        });
    }
    Run([](CDialogDmy& window) {
        EXPECT_FALSE(window.HelpVisible());
        wxWindow* help = Button(window, CDialogDmy::IDC_HELP);
        Press(help, [&] { return window.HelpVisible(); });
        EXPECT_TRUE(window.HelpVisible());
        Press(help, [&] { return !window.HelpVisible(); });
        EXPECT_FALSE(window.HelpVisible());
        window.SetSize(300, 200);
        Pump();
        EXPECT_GE(window.GetSize().x, 800);
        EXPECT_GE(window.GetSize().y, 600);
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
}

TEST_F(ToneSystemWin, PlayWithoutASampleFileSaysWhichFileIsMissing) {
    ScriptedMessageService messages;
    ScopedMessageService scope(messages);
    document[B10 + 0x1A6] = 0x30;  // decode record 1 beeps "C"
    Run([&](CDialogDmy& window) {
        Key(*window.View(2), H, DecodeCol::Play, WXK_SPACE, [&] { return messages.Count() > 0; });
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("File not found"), std::string::npos);
    EXPECT_NE(messages.Last().text.find("/nonexistent/Tone_sample/C.wav"), std::string::npos);
}

namespace {

// Acts in the code select popup once it runs modally. A timer looks for it:
// timers run inside the popup's modal loop.
void WhenPopupShows(std::function<void(C2ToneCodeSelectPopup&)> act) {
    auto* timer = new wxTimer;
    timer->Bind(wxEVT_TIMER, [timer, act](wxTimerEvent&) {
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* popup = dynamic_cast<C2ToneCodeSelectPopup*>(w); popup && popup->IsModal()) {
                timer->Stop();
                wxTheApp->CallAfter([timer] { delete timer; });
                act(*popup);
                return;
            }
    });
    timer->Start(20);
}

// Moves the list's selection to `row` with the arrow keys.
void ChooseRow(wxListBox* list, int row) {
    for (int attempt = 0; attempt < 20 && list->GetSelection() != row; ++attempt) {
        ASSERT_TRUE(Focus(list));
        wxUIActionSimulator sim;
        sim.Char(list->GetSelection() == wxNOT_FOUND || list->GetSelection() < row ? WXK_DOWN : WXK_UP);
        Pump();
    }
    EXPECT_EQ(list->GetSelection(), row);
}

int RowOfCode(wxListBox* list, std::intptr_t code) {
    for (unsigned i = 0; i < list->GetCount(); ++i)
        if (reinterpret_cast<std::intptr_t>(list->GetClientData(i)) == code) return static_cast<int>(i);
    return wxNOT_FOUND;
}

}  // namespace

TEST_F(ToneSystemWin, EnterOnAToneCellOpensTheCodePopupAndOnlyItsOkWrites) {
    ItemMap::SetPackBytesLE(document, 3, 10000);  // code 3 is 1000.0 Hz
    document[B10 + 0x220] = 12;                    // encode record 1's 1st tone: outside the list
    const int result = Run([](CDialogDmy& window) {
        CToneGridView& encode = *window.View(1);
        int popups = 0;
        auto enter = [&](std::function<void(C2ToneCodeSelectPopup&)> act) {
            const int before = popups;
            WhenPopupShows([&, act](C2ToneCodeSelectPopup& popup) {
                ++popups;
                act(popup);
            });
            Key(encode, H, EncodeCol::Tone1st, WXK_RETURN, [&] { return popups > before; });
        };
        // No row is selected for code 12: OK keeps the stored code.
        enter([](C2ToneCodeSelectPopup& popup) {
            EXPECT_EQ(popup.List()->GetString(4).utf8_string(), "3 : 1000.0");
            Press(popup.FindWindow(wxID_OK), [&] { return popup.GetReturnCode() != 0; });
        });
        EXPECT_EQ(window.View(1)->Model().Image()[B10 + 0x220], 12);
        // A choice and Cancel: nothing.
        enter([](C2ToneCodeSelectPopup& popup) {
            ChooseRow(popup.List(), RowOfCode(popup.List(), 3));
            Press(popup.FindWindow(wxID_CANCEL), [&] { return popup.GetReturnCode() != 0; });
        });
        EXPECT_EQ(encode.Grid().GetTextMatrix(H, EncodeCol::Tone1st), "-");
        // A choice and OK: the code, shown as its tone.
        enter([](C2ToneCodeSelectPopup& popup) {
            ChooseRow(popup.List(), RowOfCode(popup.List(), 3));
            Press(popup.FindWindow(wxID_OK), [&] { return popup.GetReturnCode() != 0; });
        });
        EXPECT_EQ(encode.Grid().GetTextMatrix(H, EncodeCol::Tone1st), "1000.0");
        Press(Button(window, wxID_OK), [&] { return window.GetReturnCode() != 0; });
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(document[B10 + 0x220], 3);
}

// "Auto Grid Width" from a view's context menu fits the columns of every grid
// of the window, not only the one clicked.
TEST_F(ToneSystemWin, AutoGridWidthFromTheContextMenuFitsEveryGrid) {
    Run([](CDialogDmy& window) {
        CToneGridView& systems = *window.View(0);
        CVSFlexGrid& encode = window.View(1)->Grid();
        encode.SetColWidthTwips(EncodeCol::Tag, 6000);
        Pump();
        ASSERT_GE(encode.GetColWidthTwips(EncodeCol::Tag), 6000);
        // The last item, picked by keys once the menu is open.
        RealInput::KeysWhenMenuOpens keys([](wxUIActionSimulator& sim) {
            sim.Char(WXK_UP);
            sim.Char(WXK_RETURN);
        });
        for (int attempt = 0; attempt < 5 && encode.GetColWidthTwips(EncodeCol::Tag) >= 6000; ++attempt) {
            Aim(systems, H, SystemCol::CallCode);
            wxUIActionSimulator sim;
            sim.MouseMove(RealInput::CellCentre(systems.Grid(), H, SystemCol::CallCode));
            Pump();
            sim.MouseClick(wxMOUSE_BTN_RIGHT);
            for (int i = 0; i < 10 && encode.GetColWidthTwips(EncodeCol::Tag) >= 6000; ++i) Pump();
        }
        EXPECT_LT(encode.GetColWidthTwips(EncodeCol::Tag), 6000);
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
}

// The popup's record name and codes read as its column kind's texts (the
// kind is the sub-index); F1 asks for the focused list's topic of that kind,
// or the popup's own when the help has none.
TEST_F(ToneSystemWin, CodePopupTextsAndHelpFollowTheColumnKind) {
    const LanguageFixtures::ScopedLanguage german(R"(  <Dialog227>
    <RID_82273901><base>No.3</base><string>Nr. 3</string></RID_82273901>
    <RID_82273902><base>Off</base><string>Aus</string></RID_82273902>
  </Dialog227>
)");
    ASSERT_TRUE(german.Loaded());
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> asked;
    hooks.hasHelpTopic = [](int rid) { return rid == MakeRID(8, 227, C2ToneCodeSelectPopup::IDC_LIST); };
    hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
    for (int kind : {7, 8}) {
        C2ToneCodeSelectPopup popup(frame.frame, document, 2, kind);
        const bool translated = kind == 8;
        EXPECT_TRUE(popup.GetTitle().utf8_string().ends_with(translated ? "(Nr. 3)" : "(No.3)")) << popup.GetTitle();
        EXPECT_EQ(popup.List()->GetString(0).utf8_string(), translated ? "Aus" : "Off");
        popup.Show();
        ASSERT_TRUE(RealInput::Focus(popup.List()));
        RealInput::Key(WXK_F1);
        popup.Hide();
    }
    hooks = saved;
    EXPECT_EQ(asked, (std::vector<int>{MakeRID(7, 227, 0), MakeRID(8, 227, C2ToneCodeSelectPopup::IDC_LIST)}));
}
