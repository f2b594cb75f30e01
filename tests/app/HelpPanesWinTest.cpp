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
#include "app/MenuCommands.h"
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
#include "ui/RealInput.h"
#include "ui/VSFlexGrid.h"

namespace fs = std::filesystem;

namespace {

fs::path BuildFolder() {
    return fs::path(ZT_PROGRAM_EXE).parent_path().parent_path();
}

using RealInput::WaitFor;

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
            RealInput::Settle(50);
        }
        Screens::ClearAll();
        AppState::ServiceMode() = 0;
        Help::UseTopicRows(HelpTopicTable());
        SetProfilePath({});
    }

    // The main window as the program shows it at start.
    void OpenFrame() {
        frame = new CMainFrame(&recent, {program}, program);
        ASSERT_TRUE(frame->Document().LoadStartupImage(""));
        frame->RefreshAllPanes();
        frame->SetSize(1400, 800);
        frame->Show();
        frame->AfterShow();
        frame->Raise();
        RealInput::Settle(200);
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
    ASSERT_NO_FATAL_FAILURE(OpenFrame());

    auto* help = dynamic_cast<CHelpTopics*>(frame->MainView()->HelpPane());
    auto* related = dynamic_cast<CRelatedItem*>(frame->MainView()->RelatedPane());
    CVSFlexGrid* grid = frame->MainView()->ChannelGrid();
    ASSERT_TRUE(help && related && grid);
    ASSERT_TRUE(help->IsShownOnScreen());
    ASSERT_TRUE(related->IsShownOnScreen());

    // A real click on the receive frequency of the first channel.
    RealInput::ClickCell(*grid, grid->GetFixedRows(), kRxColumn);
    ASSERT_TRUE(WaitFor([&] { return grid->GetCol() == kRxColumn; })) << grid->GetCol();

    EXPECT_TRUE(WaitFor([&] { return related->Grid()->GetTextMatrix(1, 0) == "Band"; }));
    EXPECT_EQ(related->Grid()->GetTextMatrix(2, 0), "Step");
    EXPECT_EQ(related->Grid()->GetTextMatrix(1, 1), "136-174 MHz");
    EXPECT_TRUE(WaitFor([&] { return help->View()->ToText().Find("number of each channel") != wxNOT_FOUND; }))
        << help->View()->ToText();
}

// A hidden related-items pane is built only when it is first shown, and then
// shows the items of the column clicked while it was hidden.
TEST_F(HelpPanesTest, AHiddenRelatedPaneIsBuiltWhenShownWithTheLastClickedColumn) {
    WriteProfileInt("RelatedScreen", "Visible", 0);
    AppState::ServiceMode() = 1;
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    EXPECT_EQ(frame->MainView()->RelatedPane(), nullptr);

    CVSFlexGrid* grid = frame->MainView()->ChannelGrid();
    ASSERT_TRUE(grid);
    RealInput::ClickCell(*grid, grid->GetFixedRows(), kRxColumn);
    ASSERT_TRUE(WaitFor([&] { return grid->GetCol() == kRxColumn; })) << grid->GetCol();
    EXPECT_EQ(frame->MainView()->RelatedPane(), nullptr);

    frame->RunCommand(Cmd::RelatedItem);
    RealInput::Settle(100);
    auto* related = dynamic_cast<CRelatedItem*>(frame->MainView()->RelatedPane());
    ASSERT_TRUE(related);
    EXPECT_TRUE(WaitFor([&] { return related->IsShownOnScreen(); }));
    EXPECT_EQ(related->Grid()->GetTextMatrix(1, 0), "Band");
    EXPECT_EQ(related->Grid()->GetTextMatrix(1, 1), "136-174 MHz");
    EXPECT_EQ(GetProfileString("RelatedScreen", "Visible", ""), "1");

    // Hidden and shown again, it is the same pane.
    frame->RunCommand(Cmd::RelatedItem);
    RealInput::Settle(50);
    EXPECT_FALSE(related->IsShownOnScreen());
    frame->RunCommand(Cmd::RelatedItem);
    RealInput::Settle(50);
    EXPECT_EQ(frame->MainView()->RelatedPane(), related);
    EXPECT_TRUE(related->IsShownOnScreen());
}

}  // namespace
