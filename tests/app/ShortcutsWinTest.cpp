// The main window's keyboard shortcuts pressed as a user presses them, on
// the program's own channel grid: each runs its menu command whatever the
// Edit menu held when it last opened, and in the grid Ctrl+C copies as the
// Edit menu's Copy does.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/menu.h>
#include <wx/timer.h>

#include <algorithm>
#include <filesystem>

#include "Fixtures.h"
#include "MenuTexts.h"
#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "app/Shortcuts.h"
#include "channel/ChannelGrid.h"
#include "channel/ChannelGridCells.h"
#include "image/ChannelOps.h"
#include "image/ItemsHeader.h"
#include "image/Model.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"
#include "ui/UiHooks.h"
#include "ui/RealInput.h"
#include "MainFrameFixture.h"

namespace fs = std::filesystem;
namespace Col = ChannelGridCells::Col;

namespace {

class ShortcutTest : public MainFrameFixture {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(OpenFrame());
        ShowFrame(wxSize(1200, 800));
        grid = dynamic_cast<ChannelList*>(frame->MainView()->ActivePane());
        ASSERT_NE(grid, nullptr);
        ASSERT_TRUE(RealInput::Focus(grid->Grid()));
    }
    CloneImage& Image() { return frame->Document().CurrentImage; }
    std::string Clipboard() {
        std::string text;
        if (wxTheClipboard->Open()) {
            wxTextDataObject data;
            if (wxTheClipboard->GetData(data)) text = data.GetText().utf8_string();
            wxTheClipboard->Close();
        }
        return text;
    }

    ChannelList* grid = nullptr;
};

}  // namespace

TEST(Shortcuts, CtrlLettersRunTheirCommandsAndNothingElseDoes) {
    for (const MenuTexts::Shortcut& s : MenuTexts::kShortcuts) {
        EXPECT_EQ(Shortcuts::CommandForKey(s.key, true, false, false), s.id) << s.key;
        EXPECT_EQ(Shortcuts::CommandForKey(s.key - 'A' + 'a', true, false, false), s.id) << s.key;
        EXPECT_EQ(Shortcuts::CommandForKey(s.key, false, false, false), 0) << s.key;
        EXPECT_EQ(Shortcuts::CommandForKey(s.key, true, true, false), 0) << s.key;
        EXPECT_EQ(Shortcuts::CommandForKey(s.key, true, false, true), 0) << s.key;
    }
    for (char key = 'A'; key <= 'Z'; ++key) {
        const bool listed = std::any_of(std::begin(MenuTexts::kShortcuts), std::end(MenuTexts::kShortcuts),
                                        [key](const MenuTexts::Shortcut& s) { return s.key == key; });
        if (!listed) {
            EXPECT_EQ(Shortcuts::CommandForKey(key, true, false, false), 0) << key;
        }
    }
    EXPECT_EQ(Shortcuts::KeyOfMenuText("&Set to Pri CH"), 0);
}

// CH Copy (Ctrl+Y) and CH Paste (Ctrl+T) work though the Edit menu was last
// rebuilt while the grid had no focus, when it offers only Copy and Paste.
TEST_F(ShortcutTest, ChannelShortcutsWorkWhateverTheMenuHolds) {
    frame->MainView()->MainInfoPane()->SetFocus();
    RealInput::Settle();
    frame->RebuildMenuOnOpen();
    ASSERT_TRUE(RealInput::Focus(grid->Grid()));
    ASSERT_FALSE(Channel::IsInUse(Image(), 3));
    RealInput::ClickCell(*grid->Grid(), ChannelGridCells::FixedRows, Col::Number);
    RealInput::Key('Y', wxMOD_CONTROL);
    EXPECT_EQ(Channel::ClipboardCount(), 1);
    RealInput::ClickCell(*grid->Grid(), ChannelGridCells::FixedRows + 3, Col::Number);
    RealInput::Key('T', wxMOD_CONTROL);
    EXPECT_TRUE(Channel::IsInUse(Image(), 3));
    EXPECT_EQ(Channel::GetTag(Image(), 3), Channel::GetTag(Image(), 0));
}

// Ctrl+C on a check cell copies what the Edit menu's Copy copies ("v" for a
// cell that is on), not the grid's own text of the cell.
TEST_F(ShortcutTest, CtrlCInTheGridRunsTheCopyCommand) {
    const int row = ChannelGridCells::FixedRows;
    const std::string shown = grid->Grid()->GetTextMatrix(row, Col::Scan);
    RealInput::ClickCell(*grid->Grid(), row, Col::Scan);
    RealInput::Key('C', wxMOD_CONTROL);
    EXPECT_EQ(Clipboard(), shown == "-" ? "-" : "v");
}

// The grid's context menu is the whole Edit menu; its entries run on the
// row the cursor is on ("&Set to Pri CH" chosen by its mnemonic, as a user
// picks it while the menu is open).
TEST_F(ShortcutTest, ContextMenuHoldsTheWholeEditMenu) {
    std::vector<int> shown;
    int answer = 0;  // the key pressed once the menu is open
    frame->Bind(wxEVT_MENU_OPEN, [&](wxMenuEvent& event) {
        event.Skip();
        if (!event.IsPopup() || !event.GetMenu()) return;
        for (const wxMenuItem* item : event.GetMenu()->GetMenuItems())
            if (!item->IsSeparator()) shown.push_back(ProgramCommandId(item->GetId()));
        // Pressed once the open menu has the keyboard.
        const int key = answer;
        auto* timer = new wxTimer;
        timer->Bind(wxEVT_TIMER, [key, timer](wxTimerEvent&) {
            wxUIActionSimulator().Char(key);
            wxTheApp->CallAfter([timer] { delete timer; });
        });
        timer->StartOnce(400);
    });
    const int row = ChannelGridCells::FixedRows + 4;
    RealInput::ClickCell(*grid->Grid(), row, Col::Tag);
    answer = 's';
    RealInput::ClickCell(*grid->Grid(), row, Col::Tag, wxMOUSE_BTN_RIGHT);
    RealInput::Settle(800);
    EXPECT_EQ(shown,
              (std::vector<int>{Cmd::Copy, Cmd::Paste, Cmd::ChCopy, Cmd::ChPaste, Cmd::ChCut, Cmd::ChInsert,
                                Cmd::ChNew, Cmd::AssignToGroup, Cmd::SetPriority, Cmd::CancelPriority}));
    EXPECT_EQ(ItemMap::GetPriorityChannel(Image(), 0), 4u);
    // From the keyboard the menu opens at the current cell.
    shown.clear();
    answer = 'n';
    RealInput::Key(WXK_F10, wxMOD_SHIFT);
    RealInput::Settle(800);
    EXPECT_EQ(shown.size(), 10u);
    EXPECT_EQ(ItemMap::GetPriorityChannel(Image(), 0), 0xFFu);
}

// F1 in the grid asks for the help topic of the current column (sub-index
// = column, dialog 134, grid 1063), or the pane's when there is none.
TEST_F(ShortcutTest, F1InTheGridAsksForTheColumnsTopic) {
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> asked;
    hooks.hasHelpTopic = [](int rid) { return rid == MakeRID(Col::Tag, 134, 1063); };
    hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
    const int row = ChannelGridCells::FixedRows + 1;
    RealInput::ClickCell(*grid->Grid(), row, Col::Tag);
    RealInput::Key(WXK_F1);
    RealInput::ClickCell(*grid->Grid(), row, Col::Scan);
    RealInput::Key(WXK_F1);
    hooks = saved;
    EXPECT_EQ(asked, (std::vector<int>{MakeRID(Col::Tag, 134, 1063), MakeRID(0, 134, 0)}));
}
