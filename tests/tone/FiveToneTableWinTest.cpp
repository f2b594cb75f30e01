// The 5-Tone Table dialog with real key input: typed tones and periods reach
// the working copy, OK writes exactly them (and the registers of the changed
// tone), overlapping USER decode bands keep the dialog open, Cancel and an OK
// without edits leave the document byte for byte.
#include <gtest/gtest.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <vector>

#include "ToneWinUtil.h"
#include "WinTestUtil.h"
#include "image/FileUtil.h"
#include "image/ItemsTone.h"
#include "image/TestHost.h"
#include "tone/FiveToneTableDlg.h"
#include "language/Language.h"
#include "ui/MessageService.h"
#include "ui/RealInput.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

using namespace ToneWin;
using namespace FiveToneTable;

namespace {

constexpr std::size_t UserTones = 0x3400 + 32 * 13, UserPeriod = 0x35FA, UserRegisters = 0x3040 + 64 * 13;

struct FiveToneTableWin : ToneWindowTest {
    // Runs the dialog over a working copy as the main window does.
    int Run(const std::function<void(C5ToneTableDlg&)>& user) {
        CloneImage working = document;
        int result;
        {
            C5ToneTableDlg dialog(frame.frame, working, 0);
            std::function<void()> act = [&] {
                if (!dialog.IsModal()) return dialog.CallAfter(act);
                Pump();
                user(dialog);
                if (dialog.GetReturnCode() == 0) dialog.EndModal(wxID_ABORT);
            };
            dialog.CallAfter(act);
            result = dialog.ShowModal();
        }
        if (result == wxID_OK) document = working;
        return result;
    }
};

// Enter opens the cell's editor; the text typed is stored on Enter.
void TypeInto(C5ToneTableDlg& dialog, int row, int col, const char* text) {
    CVSFlexGrid& grid = dialog.Grid();
    for (int attempt = 0; attempt < 5 && grid.GetTextMatrix(row, col) != text; ++attempt) {
        grid.SetRow(row);
        grid.SetCol(col);
        ASSERT_TRUE(Focus(&grid));
        wxUIActionSimulator sim;
        sim.Char(WXK_RETURN);
        Pump();
        if (!grid.IsCellEditControlShown()) continue;
        sim.Text(text);
        sim.Char(WXK_RETURN);
        Pump();
    }
}

void Ok(C5ToneTableDlg& dialog, const std::function<bool()>& done) {
    Press(dialog.FindWindow(wxID_OK), done);
}

}  // namespace

TEST_F(FiveToneTableWin, TypedUserToneAndPeriodReachTheDocumentOnOk) {
    const CloneImage before = document;
    ASSERT_EQ(Run([](C5ToneTableDlg& dialog) {
                  TypeInto(dialog, TonePeriodRow, UserColumn, "80");
                  EXPECT_EQ(dialog.Grid().GetTextMatrix(GapPeriodRow, UserColumn), "120");
                  // Letters are not typed; a standard format's tone takes no editor.
                  TypeInto(dialog, 1, UserColumn, "1000");
                  dialog.Grid().SetRow(1);
                  dialog.Grid().SetCol(1);
                  ASSERT_TRUE(Focus(&dialog.Grid()));
                  wxUIActionSimulator sim;
                  sim.Char(WXK_RETURN);
                  Pump();
                  EXPECT_FALSE(dialog.Grid().IsCellEditControlShown());
                  Ok(dialog, [&] { return dialog.GetReturnCode() != 0; });
              }),
              wxID_OK);
    EXPECT_EQ(document[UserPeriod], 80);
    EXPECT_EQ(document[UserPeriod + 1], 24);
    const std::uint32_t reference = ItemMap::Get16FromPair(document);
    EXPECT_EQ(ItemMap::GetTone5ToneValue(document, 13, 0), RawOfHz(1000, reference));
    for (std::size_t at : Differences(before, document)) {
        const bool expected = at == UserPeriod || at == UserPeriod + 1 || at == UserTones || at == UserTones + 1 ||
                              (at >= UserRegisters && at < UserRegisters + 4);
        EXPECT_TRUE(expected) << "byte " << at << " changed";
    }
}

TEST_F(FiveToneTableWin, CancelAndOkWithoutEditsLeaveTheDocument) {
    const CloneImage before = document;
    EXPECT_EQ(Run([](C5ToneTableDlg& dialog) {
                  TypeInto(dialog, TonePeriodRow, 1, "40");
                  Press(dialog.FindWindow(C5ToneTableDlg::IDC_CANCEL), [&] { return dialog.GetReturnCode() != 0; });
              }),
              wxID_CANCEL);
    EXPECT_EQ(document, before);

    // Tones that do not round-trip through the shown Hz, registers that do not
    // follow the tones: nothing is rewritten without an edit.
    document[0x3000] = 0x33;  // reference 11059
    document[0x3001] = 0x2B;
    for (std::size_t i = 0; i < 14 * 32; ++i) document[0x3400 + i] = static_cast<std::uint8_t>(i * 7 + 1);
    for (std::size_t i = 0; i < 64; ++i) document[UserRegisters + i] = static_cast<std::uint8_t>(i);
    const CloneImage odd = document;
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_EQ(Run([](C5ToneTableDlg& dialog) { Ok(dialog, [&] { return dialog.GetReturnCode() != 0; }); }),
                  wxID_OK);
        EXPECT_TRUE(Differences(odd, document).empty()) << "pass " << pass;
    }
}

TEST_F(FiveToneTableWin, OverlappingUserBandsKeepTheDialogOpen) {
    ScriptedMessageService messages;
    ScopedMessageService scope(messages);
    ItemMap::SetTone5DecodePrecision(document, 20);
    document[0x3000] = 0x10;  // reference 10000
    document[0x3001] = 0x27;
    const CloneImage before = document;
    EXPECT_EQ(Run([&](C5ToneTableDlg& dialog) {
                  TypeInto(dialog, 1, UserColumn, "1000");
                  TypeInto(dialog, 2, UserColumn, "1019");
                  Ok(dialog, [&] { return messages.Count() > 0; });
                  EXPECT_EQ(dialog.GetReturnCode(), 0);
                  EXPECT_EQ(dialog.Grid().GetCellForeColor(1, UserColumn), 0x0000FFu);
                  EXPECT_EQ(dialog.Grid().GetCellForeColor(2, UserColumn), 0x0000FFu);
                  Press(dialog.FindWindow(C5ToneTableDlg::IDC_CANCEL), [&] { return dialog.GetReturnCode() != 0; });
              }),
              wxID_CANCEL);
    ASSERT_GE(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("Decode band width are duplicated"), std::string::npos);
    EXPECT_EQ(document, before);
}

// F1 in the grid opens the topic of the current row (each tone digit and each
// period row has its own); elsewhere the dialog's topic.
TEST_F(FiveToneTableWin, F1InTheGridOpensTheTopicOfTheCurrentRow) {
    std::vector<int> opened;
    const UiHooks::Hooks saved = UiHooks::Current();
    UiHooks::Current().openHelp = [&](wxWindow*, int rid) { opened.push_back(rid); };
    Run([&](C5ToneTableDlg& dialog) {
        CVSFlexGrid& grid = dialog.Grid();
        for (int row : {1, 16, TonePeriodRow, GapPeriodRow}) {
            const std::size_t before = opened.size();
            for (int attempt = 0; attempt < 5 && opened.size() == before; ++attempt) {
                grid.SetRow(row);
                grid.SetCol(UserColumn);
                ASSERT_TRUE(Focus(&grid));
                wxUIActionSimulator sim;
                sim.Char(WXK_F1);
                Pump();
            }
            ASSERT_EQ(opened.size(), before + 1) << row;
            EXPECT_EQ(opened.back(), MakeRID(row, C5ToneTableDlg::IDD, C5ToneTableDlg::IDC_GRID)) << row;
        }
        const std::size_t before = opened.size();
        for (int attempt = 0; attempt < 5 && opened.size() == before; ++attempt) {
            ASSERT_TRUE(Focus(dialog.FindWindow(wxID_OK)));
            wxUIActionSimulator sim;
            sim.Char(WXK_F1);
            Pump();
        }
        ASSERT_EQ(opened.size(), before + 1);
        EXPECT_EQ(opened.back(), MakeRID(0, C5ToneTableDlg::IDD, 0));
        Press(dialog.FindWindow(C5ToneTableDlg::IDC_CANCEL), [&] { return dialog.GetReturnCode() != 0; });
    });
    UiHooks::Current() = saved;
}

// The grid's context menu: "Auto Grid Width" fits the columns to their texts.
TEST_F(FiveToneTableWin, AutoGridWidthFromTheContextMenuFitsTheColumns) {
    Run([](C5ToneTableDlg& dialog) {
        CVSFlexGrid& grid = dialog.Grid();
        grid.SetColWidthTwips(UserColumn, 6000);
        Pump();
        ASSERT_GE(grid.GetColWidthTwips(UserColumn), 6000);
        // The last item, picked by keys once the menu is open.
        RealInput::KeysWhenMenuOpens keys([](wxUIActionSimulator& sim) {
            sim.Char(WXK_UP);
            sim.Char(WXK_RETURN);
        });
        for (int attempt = 0; attempt < 5 && grid.GetColWidthTwips(UserColumn) >= 6000; ++attempt) {
            wxUIActionSimulator sim;
            sim.MouseMove(RealInput::CellCentre(grid, 1, 1));
            Pump();
            sim.MouseClick(wxMOUSE_BTN_RIGHT);
            for (int i = 0; i < 10 && grid.GetColWidthTwips(UserColumn) >= 6000; ++i) Pump();
        }
        EXPECT_LT(grid.GetColWidthTwips(UserColumn), 6000);
        Press(dialog.FindWindow(C5ToneTableDlg::IDC_CANCEL), [&] { return dialog.GetReturnCode() != 0; });
    });
}
