// The main window's help and related-items panes with the program's own
// screens: a click into a channel grid column shows that column's help topic
// and related items, with the help file and the related-items file beside
// the program.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <chrono>
#include <fstream>
#include <functional>

#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/HelpRegistration.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "help/HelpMap.h"
#include "help/HelpTopics.h"
#include "help/RelatedItemPane.h"
#include "image/Model.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"
#include "ui/MessageService.h"
#include "ui/VSFlexGrid.h"

namespace fs = std::filesystem;

namespace {

fs::path BuildFolder() {
    return fs::path(ZT_PROGRAM_EXE).parent_path().parent_path();
}

bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxMilliSleep(5);
    }
    return true;
}

constexpr int kChannelGrid = 134, kGridControl = 1063, kRxColumn = 4;

class HelpPanesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program);
        for (const auto& row : Model::VariantTable)
            fs::copy_file(BuildFolder() / "bin" / row.fileName, program / row.fileName);
        const fs::path helpFile = BuildFolder() / "tests" / "help" / "helpfile" / HelpFileName;
        ASSERT_TRUE(fs::exists(helpFile)) << "build the help_tests fixture first";
        fs::copy_file(helpFile, program / HelpFileName);
        std::ofstream(program / RelatedItemsFileName)
            << "<?xml version=\"1.0\"?><RELATED><CH><NAME>Channel</NAME><VALUE>1-128</VALUE></CH>"
               "<FREQ_RX><NAME>Band,Step</NAME><VALUE>136-174 MHz,6.25 kHz</VALUE></FREQ_RX></RELATED>";
        SetProfilePath(dir.path() / "pardex.xml");
        WriteProfileInt("RelatedScreen", "Visible", 1);
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
        MainItems::ResetVisible();
        Screens::ClearAll();
        RegisterScreens();
        HelpRegistration::Register(program / HelpFileName, program / RelatedItemsFileName);
        // The map row of the receive frequency column of the channel grid.
        static const HelpTopicRow rows[] = {
            {MakeRID(kRxColumn, kChannelGrid, kGridControl), "pardex\\Main\\Ch\\CH_CHANNEL.htm"}};
        Help::UseTopicRows(rows);
    }
    void TearDown() override {
        if (frame) {
            frame->Destroy();
            WaitUntil([] { return false; }, 50);
        }
        Screens::ClearAll();
        Help::UseTopicRows(HelpTopicTable());
        SetProfilePath({});
    }

    TestHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin";
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
};

TEST_F(HelpPanesTest, AClickIntoAGridColumnFillsBothPanes) {
    frame = new CMainFrame(&recent, {program}, program);
    ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    frame->RefreshAllPanes();
    frame->SetSize(1400, 800);
    frame->Show();
    frame->AfterShow();
    frame->Raise();
    WaitUntil([] { return false; }, 200);

    auto* help = dynamic_cast<CHelpTopics*>(frame->MainView()->HelpPane());
    auto* related = dynamic_cast<CRelatedItem*>(frame->MainView()->RelatedPane());
    CVSFlexGrid* grid = frame->MainView()->ChannelGrid();
    ASSERT_TRUE(help && related && grid);
    ASSERT_TRUE(help->IsShownOnScreen());
    ASSERT_TRUE(related->IsShownOnScreen());

    // A real click on the receive frequency of the first channel.
    const int row = grid->GetFixedRows();
    // The cell lies in the grid's scrolling part, right of the frozen columns
    // and below the frozen header rows.
    const wxRect cell = grid->CellToRect(row, kRxColumn);
    const int frozenCols = grid->GetNumberFrozenCols(), frozenRows = grid->GetNumberFrozenRows();
    const wxPoint frozen(frozenCols > 0 ? grid->CellToRect(0, frozenCols).x : 0,
                         frozenRows > 0 ? grid->CellToRect(frozenRows, 0).y : 0);
    const wxPoint at =
        grid->GetGridWindow()->ClientToScreen(grid->CalcScrolledPosition(cell.GetPosition()) - frozen) +
        wxPoint(cell.width / 2, cell.height / 2);
    wxUIActionSimulator sim;
    sim.MouseMove(at);
    WaitUntil([] { return false; }, 50);
    sim.MouseClick();
    ASSERT_TRUE(WaitUntil([&] { return grid->GetCol() == kRxColumn; })) << grid->GetCol();

    EXPECT_TRUE(WaitUntil([&] { return related->Grid()->GetTextMatrix(1, 0) == "Band"; }));
    EXPECT_EQ(related->Grid()->GetTextMatrix(2, 0), "Step");
    EXPECT_EQ(related->Grid()->GetTextMatrix(1, 1), "136-174 MHz");
    EXPECT_TRUE(WaitUntil([&] {
        return help->View()->ToText().Find("number of each channel") != wxNOT_FOUND;
    })) << help->View()->ToText();
}

}  // namespace
