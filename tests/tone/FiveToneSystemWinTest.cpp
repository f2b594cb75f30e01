// The 5-tone system window on a default data file, driven with real key and
// mouse input: edits in each view reach the working copy, OK hands them over,
// Cancel and an OK without edits leave the document byte for byte, also when
// every column holds a value its list lacks.
#include <gtest/gtest.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ToneWinUtil.h"
#include "WinTestUtil.h"
#include "help/HelpMap.h"
#include "help/HelpTopics.h"
#include "image/FileUtil.h"
#include "image/ItemsTone.h"
#include "image/RadioImagePrep.h"
#include "image/TestHost.h"
#include "tone/FiveToneSystemViews.h"
#include "tone/ToneSystemWnd.h"
#include "ui/MessageService.h"
#include "ui/RealInput.h"

using namespace FiveToneViews;
using namespace ToneWin;

namespace {

constexpr int H = 3;
constexpr std::size_t SystemBase = 0x3600, DecodeBase = 0x3820, EncodeBase = 0x3940;

struct FiveToneSystemWin : SystemWindowTest<CDialogDmy::Window5Tone> {
    static void Ok(CDialogDmy& window) {
        Press(Button(window, wxID_OK), [&] { return window.GetReturnCode() != 0; });
    }
};

std::string Cell(CToneGridView& v, int row, int col) {
    return v.Grid().GetTextMatrix(row, col);
}

// Opens the editor of a cell with Enter, types and confirms with Enter.
void TypeInto(CToneGridView& v, int row, int col, const char* text) {
    Key(v, row, col, WXK_RETURN, [&] { return v.Grid().IsCellEditControlShown(); });
    Type(v, text);
    Key(v, row, col, WXK_RETURN, [&] { return !v.Grid().IsCellEditControlShown(); });
    Pump();
}

}  // namespace

TEST_F(FiveToneSystemWin, DefaultDataShowsEveryShownCell) {
    for (const char* name : {"default610v", "default610ua", "default610ud", "default640v", "default640ua",
                             "default640ud"}) {
        CloneImage image;
        ASSERT_EQ(FileUtil::LoadImageFile(image, std::string(ZT_DEFAULT_DATA_DIR) + "/" + name + ".PDX"), 1);
        document = image;
        Run([&](CDialogDmy& window) {
            for (int key = 0; key < 3; ++key) {
                const auto& model = window.View(key)->Model();
                for (auto [row, col] : model.InvalidCells())
                    if (!model.IsColumnHidden(col)) ADD_FAILURE() << name << " view " << key << " row " << row << " col " << col;
            }
            window.EndModal(wxID_CANCEL);
        });
    }
}

TEST_F(FiveToneSystemWin, EditsInEachViewReachTheDocumentOnOk) {
    const CloneImage before = document;
    const int result = Run([](CDialogDmy& window) {
        EXPECT_EQ(window.GetTitle(), "5-Tone System");
        CToneGridView& systems = *window.View(0);
        CToneGridView& encode = *window.View(1);
        CToneGridView& decode = *window.View(2);
        // Systems: Space ticks Duty of system 2; Auto Reset Time typed with a comma.
        const std::string duty = Cell(systems, H + 1, SystemCol::Duty);
        Key(systems, H + 1, SystemCol::Duty, WXK_SPACE, [&] { return Cell(systems, H + 1, SystemCol::Duty) != duty; });
        TypeInto(systems, H + 1, SystemCol::AutoResetTime, "2,5");
        EXPECT_EQ(Cell(systems, H + 1, SystemCol::AutoResetTime), "2.5 sec");
        // Encode: a code typed in lower case.
        TypeInto(encode, H, EncodeCol::Code, "0a1");
        EXPECT_EQ(Cell(encode, H, EncodeCol::Code), "0A1");
        // Decode: Space steps Stun of decode code 3.
        const std::string stun = Cell(decode, H + 2, DecodeCol::Stun);
        Key(decode, H + 2, DecodeCol::Stun, WXK_SPACE, [&] { return Cell(decode, H + 2, DecodeCol::Stun) != stun; });
        Ok(window);
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(document[SystemBase + 16 + 2] & 0x80, (before[SystemBase + 16 + 2] & 0x80) ^ 0x80);
    EXPECT_EQ(document[SystemBase + 16 + 8], 5);
    EXPECT_EQ(document[EncodeBase] >> 4, 3);
    EXPECT_EQ(document[EncodeBase + 1], 0x0A);
    EXPECT_EQ(document[EncodeBase + 2] >> 4, 1);
    EXPECT_NE(document[DecodeBase + 64 + 6] & 0x30, before[DecodeBase + 64 + 6] & 0x30);
    // Besides them only the header copy of encode code 1 (0x103-0x107).
    const std::set<std::size_t> allowed{SystemBase + 18, SystemBase + 24, EncodeBase, EncodeBase + 1,
                                        EncodeBase + 2, DecodeBase + 70, 0x103, 0x104, 0x105, 0x106, 0x107};
    for (std::size_t at : Differences(before, document)) EXPECT_TRUE(allowed.count(at)) << "byte " << at << " changed";
}

TEST_F(FiveToneSystemWin, CancelLeavesTheDocumentByteForByte) {
    const CloneImage before = document;
    const int result = Run([](CDialogDmy& window) {
        CToneGridView& systems = *window.View(0);
        CToneGridView& decode = *window.View(2);
        const std::string moni = Cell(systems, H, SystemCol::MoniSw);
        Key(systems, H, SystemCol::MoniSw, WXK_SPACE, [&] { return Cell(systems, H, SystemCol::MoniSw) != moni; });
        TypeInto(decode, H, DecodeCol::Code, "123");
        EXPECT_EQ(Cell(decode, H, DecodeCol::Code), "123");
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(document, before);
}

TEST_F(FiveToneSystemWin, OkWithoutEditsChangesNothingAlsoOnOutOfListValues) {
    for (int fixture = 0; fixture < 2; ++fixture) {
        if (fixture == 1) {
            // Every list column holds a value no row has.
            for (int s = 0; s < 32; ++s) {
                const std::size_t r = SystemBase + 16 * s;
                document[r + 3] = 0xBB;  // TP40 (not offered in the normal mode)
                document[r + 4] = 40;    // repeater code 40
                document[r + 5] = 200;
                document[r + 6] = 99;
            }
            for (int d = 0; d < 9; ++d) {
                const std::size_t r = DecodeBase + 32 * d;
                for (int k = 0; k < 5; ++k) document[r + k] = 0xFF;  // erased code
                document[r + 5] = 0xFF;
                document[r + 7] = 0x63;                // LED mode 6
                document[r + 8] = 0x30;                // alert Repeat ...
                document[r + 9] = 7;                   // ... 7 times
                document[r + 0x0A] = 0xD0;             // beep 13
                document[r + 0x0C] = 0xE0 | 0x05;      // transpond type 7
            }
            for (int e = 0; e < 32; ++e) document[EncodeBase + 16 * e + 6] &= 0xCF;  // mute mode 0
            // The header copies follow the records, as on a file the program wrote.
            CloneImageOps::Copy5ToneSystemBytes(document);
            CloneImageOps::CopyItemList(document);
        }
        const CloneImage before = document;
        for (int pass = 0; pass < 2; ++pass) {
            ASSERT_EQ(Run([](CDialogDmy& window) {
                          if (!window.View(0)->Model().InvalidCells().empty()) {
                              EXPECT_EQ(Cell(*window.View(0), H, SystemCol::RepeaterCode), "");
                          }
                          Ok(window);
                      }),
                      wxID_OK);
            EXPECT_TRUE(Differences(before, document).empty()) << "fixture " << fixture << " pass " << pass;
        }
    }
}

// A click on a row's number, with Shift held or not.
void ClickNumber(CToneGridView& view, int row, bool shift) {
    ASSERT_TRUE(Focus(&view.Grid()));
    wxUIActionSimulator sim;
    sim.MouseMove(RealInput::CellCentre(view.Grid(), row, 0));
    Pump();
    if (shift) sim.KeyDown(WXK_SHIFT);
    sim.MouseClick();
    if (shift) sim.KeyUp(WXK_SHIFT);
    Pump();
}

// Selects rows first..last with a click and a shift-click on their numbers.
void SelectRows(CToneGridView& view, int first, int last) {
    std::vector<int> rows;
    for (int row = first; row <= last; ++row) rows.push_back(row);
    for (int attempt = 0; attempt < 5 && view.Grid().SelectedRows() != rows; ++attempt) {
        ClickNumber(view, first, false);
        ClickNumber(view, last, true);
    }
    ASSERT_EQ(view.Grid().SelectedRows(), rows);
}

// Press on the number of a selected row, move with the button held onto a
// cell of another view in small steps, release.
void DragRows(CToneGridView& from, int row, CToneGridView& onto, int ontoRow, int ontoCol) {
    ASSERT_TRUE(Focus(&from.Grid()));
    const wxPoint start = RealInput::CellCentre(from.Grid(), row, 0);
    const wxPoint end = RealInput::CellCentre(onto.Grid(), ontoRow, ontoCol);
    // A press soon after the last click at the same place would be a double click.
    RealInput::Settle(600);
    RealInput::DragMouse(start, end);
    Pump();
}

TEST_F(FiveToneSystemWin, EncodeRowsDraggedOntoASystemBecomeItsCallCodes) {
    const int result = Run([](CDialogDmy& window) {
        CToneGridView& systems = *window.View(0);
        CToneGridView& encode = *window.View(1);
        const std::vector<int> codes{H, H + 1, H + 2};
        SelectRows(encode, H, H + 2);
        auto calls = [&] {
            std::vector<std::string> texts;
            for (int row = H + 2; row <= H + 4; ++row) texts.push_back(Cell(systems, row, SystemCol::CallCode));
            return texts;
        };
        const std::vector<std::string> dropped{"1", "2", "3"};
        ASSERT_NE(calls(), dropped);
        const auto before = calls();
        // A press and release on a selected number neither drags nor changes the selection.
        ClickNumber(encode, H + 1, false);
        EXPECT_EQ(encode.Grid().SelectedRows(), codes);
        EXPECT_EQ(calls(), before);
        // The drag itself, with the button held: the moves do not extend the selection.
        // A drop is handled a little after the release: wait for it before
        // trying again, so that two gestures never overlap.
        for (int attempt = 0; attempt < 3 && calls() != dropped; ++attempt) {
            SelectRows(encode, H, H + 2);
            DragRows(encode, H + 1, systems, H + 2, SystemCol::CallCode);
            RealInput::WaitFor([&] { return calls() == dropped; }, 2000);
        }
        EXPECT_EQ(encode.Grid().SelectedRows(), codes);
        EXPECT_EQ(calls(), dropped);
        Ok(window);
    });
    ASSERT_EQ(result, wxID_OK);
    EXPECT_EQ(document[0x3625], 0);
    EXPECT_EQ(document[0x3635], 1);
    EXPECT_EQ(document[0x3645], 2);
    // The header keeps each system's call code.
    EXPECT_EQ(document[0xD2], 0);
    EXPECT_EQ(document[0xD4], 2);
}

// Decode rows dropped on a system tick those decode codes of that system.
TEST_F(FiveToneSystemWin, DecodeRowsDraggedOntoASystemTickItsDecodeCodes) {
    Run([](CDialogDmy& window) {
        CToneGridView& systems = *window.View(0);
        CToneGridView& decode = *window.View(2);
        auto ticks = [&] {
            std::string marks;
            for (int code = 0; code < 3; ++code) marks += Cell(systems, H + 5, SystemCol::DecodeCode1 + code);
            return marks;
        };
        ASSERT_EQ(ticks(), "---");
        for (int attempt = 0; attempt < 3 && ticks() == "---"; ++attempt) {
            SelectRows(decode, H + 1, H + 2);
            DragRows(decode, H + 2, systems, H + 5, SystemCol::Duty);
            RealInput::WaitFor([&] { return ticks() != "---"; }, 2000);
        }
        // Decode codes 2 and 3 ticked (a blank is the tick), code 1 left alone.
        EXPECT_EQ(ticks(), "-  ");
        EXPECT_EQ(decode.Grid().SelectedRows(), (std::vector<int>{H + 1, H + 2}));
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
}

TEST_F(FiveToneSystemWin, PlayingBeepCWithoutTheFileNamesThePath) {
    ScriptedMessageService messages;
    ScopedMessageService scope(messages);
    document[DecodeBase + 0x0A] = 0x30;  // decode code 1 beeps "C"
    Run([&](CDialogDmy& window) {
        EXPECT_EQ(Cell(*window.View(2), H, DecodeCol::Beep), "C");
        Key(*window.View(2), H, DecodeCol::Play, WXK_SPACE, [&] { return messages.Count() > 0; });
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("File not found"), std::string::npos);
    EXPECT_NE(messages.Last().text.find("/nonexistent/Tone_sample/C.wav"), std::string::npos);
}

// While the help pane is shown, a click in the decode grid shows the topic of
// the clicked column; with the pane hidden the topic stays.
TEST_F(FiveToneSystemWin, TheHelpPaneFollowsTheDecodeColumn) {
    Help::SetHelpFilePath("/nonexistent/PardexWIN.chm");
    Run([](CDialogDmy& window) {
        CToneGridView& decode = *window.View(2);
        auto topic = [&] { return window.HelpTopics()->View()->GetCurrentURL().Lower().utf8_string(); };
        auto click = [&](int row, int col, const std::string& expected) {
            for (int attempt = 0; attempt < 5 && topic().find(expected) == std::string::npos; ++attempt)
                RealInput::ClickCell(decode.Grid(), row, col);
        };
        wxWindow* help = window.FindWindow(CDialogDmy::IDC_HELP);
        Press(help, [&] { return window.HelpVisible(); });
        const struct {
            int row, col;
            const char* topic;
        } cases[] = {{H, DecodeCol::TranspondTxLed, "/sys/transpondtxled.htm"},
                     {H, DecodeCol::LedMode, "/sys/decodeledmode.htm"},
                     {H, DecodeCol::Play, "/sys/beep.htm"},
                     {H + 1, 0, "/sys/5tonedecode.htm"}};
        for (const auto& c : cases) {
            click(c.row, c.col, c.topic);
            EXPECT_NE(topic().find(c.topic), std::string::npos) << c.col << " " << topic();
        }
        Press(help, [&] { return !window.HelpVisible(); });
        const std::string shown = topic();
        RealInput::ClickCell(decode.Grid(), H, DecodeCol::Scan);
        EXPECT_EQ(decode.Grid().GetCol(), DecodeCol::Scan);
        EXPECT_EQ(topic(), shown);
        Press(Button(window, CDialogDmy::IDC_CANCEL), [&] { return window.GetReturnCode() != 0; });
    });
    Help::SetHelpFilePath({});
}
