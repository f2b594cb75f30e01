// The main window on the build's default data file: its panes and splitters,
// the menu and the command states, dialog commands on a working copy, the
// New dialog, the main information pane, the port label, the settings it
// writes at exit, and a screenshot of it.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/sizer.h>
#include <wx/mstream.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/uiaction.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "Fixtures.h"
#include "MenuTexts.h"
#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/FileNewDlg.h"
#include "app/MainFrm.h"
#include "app/MainInfoDlg.h"
#include "app/PaneSelectorDlg.h"
#include "app/PassInput2Dlg.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/TagCharRule.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "serial/OperationView.h"
#include "ui/HEdit.h"
#include "ui/MainItems.h"
#include "ui/MessageService.h"
#include "ui/PaneFramework.h"
#include "ui/RealInput.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

#include "ToolbarImages.h"

namespace fs = std::filesystem;

namespace {

// The build's program folder, where the default data files lie.
fs::path BuildProgramFolder() {
    return fs::path(ZT_PROGRAM_EXE).parent_path();
}

void Yield() {
    for (int i = 0; i < 6; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
    }
}

// Gives `window` the keyboard focus once its frame is shown and active.
bool Focus(wxWindow* window) {
    for (int i = 0; i < 30 && wxWindow::FindFocus() != window; ++i) {
        wxGetTopLevelParent(window)->Raise();
        window->SetFocus();
        Yield();
        if (wxWindow::FindFocus() != window) wxMilliSleep(20);
    }
    return wxWindow::FindFocus() == window;
}

// A channel grid pane as the channel library will register it: one grid
// control 1063 that reports whether it has the focus.
class FakeGridPane : public HPainBaseDlg {
  public:
    int GetPaneKind() const override { return PaneKind::ChannelGrid; }
    bool IsGridFocused() const override { return gridFocused; }
    void AddPaneMenuItems(std::vector<PaneMenuItem>& items) const override {
        items.push_back({32785, "&Pri"});
        items.push_back({32786, "&W/N"});
    }
    int GetColumnState(int column) const override { return column == 19 ? 3 : 0; }
    void RefreshFromImage() override { ++refreshed; }
    void RestoreFocus() override { ++focusRestored; }

    static inline bool gridFocused = false;
    int refreshed = 0;
    int focusRestored = 0;
    int copies = 0;

  protected:
    void BuildControls() override {
        auto* grid = new CVSFlexGrid(this, ChannelGridControlId);
        grid->SetCols(29);
        grid->SetRows(18);
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(grid, 1, wxEXPAND);
        SetSizer(sizer);
        Bind(
            wxEVT_MENU, [this](wxCommandEvent&) { ++copies; }, WxCommandId(57634));
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program);
        for (const auto& row : Model::VariantTable)
            fs::copy_file(BuildProgramFolder() / row.fileName, program / row.fileName);
        SetProfilePath(dir.path() / "pardex.xml");
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
        AppState::Link() = {"", 1, 38400};
        MainItems::ResetVisible();
        Screens::ClearAll();
    }
    void TearDown() override {
        if (frame) {
            frame->Destroy();
            Yield();
        }
        Screens::ClearAll();
        SetProfilePath({});
        AppState::ServiceMode() = 0;
        FakeGridPane::gridFocused = false;
    }
    void Open(bool withGrid = false) {
        if (withGrid)
            Screens::RegisterMiddlePane(PaneKind::ChannelGrid, 134,
                                        [](CloneImage&) { return new FakeGridPane; });
        frame = new CMainFrame(&recent, {program}, program);
        ASSERT_TRUE(frame->Document().LoadStartupImage(""));
        frame->RefreshAllPanes();
        frame->SetSize(1000, 700);
        frame->Show();
        Yield();
        frame->AfterShow();
        Yield();
    }
    void Command(int id) { frame->RunCommand(id); }
    wxMenuItem* Item(int id) const { return frame->GetMenuBar()->FindItem(WxCommandId(id)); }
    std::string Setting(const char* section, const char* entry) const {
        return GetProfileString(section, entry, "<missing>");
    }

    TestHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin";
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
};

}  // namespace

TEST_F(MainWindowTest, PanesSitInTheirColumnsAndRows) {
    Open(true);
    HSplitterWnd* outer = frame->OuterSplitter();
    EXPECT_EQ(outer->Cols(), 3);
    EXPECT_EQ(frame->InnerSplitter()->Rows(), 2);
    EXPECT_EQ(outer->GetPane(0, 0), frame->MainView());
    EXPECT_EQ(outer->GetPane(0, 1), reinterpret_cast<wxWindow*>(frame->MiddleView()));
    EXPECT_EQ(outer->GetPane(0, 2), frame->InnerSplitter());
    EXPECT_NE(dynamic_cast<CMainInfoDlg*>(frame->MainView()->MainInfoPane()), nullptr);
    EXPECT_NE(dynamic_cast<inner_ConvDlg*>(frame->MainView()->PaneSelector()), nullptr);
    EXPECT_NE(dynamic_cast<FakeGridPane*>(frame->MainView()->ActivePane()), nullptr);
    EXPECT_EQ(MainPaneHost(), frame->MainView());
    // Information column, a wide middle column and the side column with the
    // help row only.
    const auto columns = outer->CurrentSizes();
    EXPECT_GE(columns[0], 70);
    EXPECT_GT(columns[1], columns[0]);
    EXPECT_GT(columns[2], 0);
    EXPECT_TRUE(frame->SideColumnShown());
    const auto rows = frame->InnerSplitter()->CurrentSizes();
    EXPECT_GT(rows[0], 0);
    EXPECT_EQ(rows[1], 0);
    // The middle column: the selector over the grid.
    const auto middle = frame->MiddleView()->Splitter()->CurrentSizes();
    EXPECT_GT(middle[0], 0);
    EXPECT_GT(middle[1], middle[0]);
}

TEST_F(MainWindowTest, ToggledPanesComeBackAtTheirPositions) {
    Open();
    const auto columns = frame->OuterSplitter()->CurrentSizes();
    Command(Cmd::HelpTopic);
    Yield();
    EXPECT_FALSE(frame->SideColumnShown());
    EXPECT_EQ(frame->OuterSplitter()->CurrentSizes()[2], 0);
    Command(Cmd::HelpTopic);
    Yield();
    EXPECT_TRUE(frame->SideColumnShown());
    EXPECT_EQ(frame->OuterSplitter()->CurrentSizes(), columns);

    // Both rows, then the related row alone, then both again.
    AppState::ServiceMode() = 1;
    Command(Cmd::RelatedItem);
    Yield();
    EXPECT_TRUE(frame->InnerLaidOut());
    const auto rows = frame->InnerSplitter()->CurrentSizes();
    EXPECT_GT(rows[0], 0);
    EXPECT_GT(rows[1], 0);
    Command(Cmd::HelpTopic);
    Yield();
    EXPECT_EQ(frame->InnerSplitter()->CurrentSizes()[0], 0);
    Command(Cmd::HelpTopic);
    Yield();
    EXPECT_EQ(frame->InnerSplitter()->CurrentSizes(), rows);
    EXPECT_EQ(Setting("HelpScreen", "Visible"), "1");
    EXPECT_EQ(Setting("RelatedScreen", "Visible"), "1");
}

TEST_F(MainWindowTest, SettingsAtExitHoldTheWindowPortHardwareItemsAndSplitters) {
    Open();
    AppState::Link() = {"/dev/ttyUSB0", 3, 115200};
    MainItems::Row(32799)->visible = 0;
    frame->Close(true);
    frame = nullptr;
    Yield();
    EXPECT_EQ(Setting("MainScreen", "X"), "1000");
    EXPECT_EQ(Setting("MainScreen", "Maximize"), "0");
    EXPECT_EQ(Setting("Configure", "ComPort"), "/dev/ttyUSB0");
    EXPECT_EQ(Setting("Configure", "ComType"), "3");
    EXPECT_EQ(Setting("Configure", "BaudRate"), "115200");
    EXPECT_EQ(Setting("Hardware", "FreqBand"), "131");  // default640ud: UHF D
    EXPECT_EQ(Setting("Hardware", "ProductType"), "2");
    EXPECT_EQ(Setting("Hardware", "LCDType"), "2");
    EXPECT_EQ(Setting("Hardware", "KeyType"), "1");
    EXPECT_EQ(Setting("MainItem", "Item_CONV1"), "1");
    EXPECT_EQ(Setting("MainItem", "Item_CONV15"), "0");
    EXPECT_EQ(Setting("MainItem", "Item_CONV21"), "1");
    EXPECT_EQ(Setting("MainItem", "Item_CONV0"), "<missing>");
    EXPECT_NE(Setting("Spl1", "SplitterPosition"), "<missing>");
    EXPECT_NE(Setting("Spl1v0", "SplitterPosition"), "<missing>");
    EXPECT_NE(Setting("Spl2", "SplitterPosition"), "<missing>");
    EXPECT_EQ(Setting("ToolBar", "Visible"), "1");
    EXPECT_EQ(Setting("StatusBar", "Visible"), "1");
}

TEST_F(MainWindowTest, PortLabelFollowsPortCableAndBaudRate) {
    Open();
    struct Case {
        const char* port;
        int cable, baud;
        const char* label;
    };
    const Case cases[] = {{"/dev/ttyUSB0", 3, 115200, "ttyUSB0 (QLV-10/S) / 115200bps"},
                          {"/dev/ttyUSB0", 7, 115200, "ttyUSB0 / 115200bps"},
                          {"/dev/ttyS4", 2, 38400, "ttyS4 (QLV-10) / 38400bps"},
                          {"/dev/ttyACM1", 4, 230400, "ttyACM1 (QLV-12) / 230400bps"},
                          {"", 1, 38400, "No port / 38400bps"}};
    for (const Case& c : cases) {
        AppState::Link() = {c.port, c.cable, c.baud};
        frame->UpdatePortLabel();
        EXPECT_EQ(frame->GetStatusBar()->GetStatusText(1), c.label);
    }
    // Configure rewrites it.
    Screens::RegisterConfigure([](wxWindow*) {
        AppState::Link() = {"/dev/ttyUSB1", 2, 230400};
        return true;
    });
    Command(Cmd::Configure);
    EXPECT_EQ(frame->GetStatusBar()->GetStatusText(1), "ttyUSB1 (QLV-10) / 230400bps");
}

// A rendered drop-down against the model it was rendered from.
void ExpectRendered(const wxMenu& menu, const MenuModel& model) {
    ASSERT_EQ(menu.GetMenuItemCount(), model.size());
    for (std::size_t i = 0; i < model.size(); ++i) {
        const wxMenuItem* item = menu.FindItemByPosition(i);
        switch (model[i].kind) {
            case MenuEntry::Separator:
                EXPECT_TRUE(item->IsSeparator()) << i;
                break;
            case MenuEntry::SubMenu:
                ASSERT_TRUE(item->IsSubMenu()) << i;
                ExpectRendered(*item->GetSubMenu(), model[i].items);
                break;
            case MenuEntry::Command:
                EXPECT_EQ(ProgramCommandId(item->GetId()), model[i].id) << i;
                EXPECT_EQ(std::string(item->GetItemLabel().utf8_str()), model[i].text) << model[i].id;
                break;
        }
    }
}

// Every entry of the bar's resource with its caption and shortcut, and the
// drop-downs showing exactly the entries the context gives them.
TEST_F(MainWindowTest, TheMenuBarShowsEveryEntryWithItsCaptionAndShortcut) {
    AppState::ServiceMode() = 1;
    Open();
    const MenuModel resource = MainMenuResource();
    for (const MenuTexts::Entry& expected : MenuTexts::kMainMenu) {
        const MenuEntry* entry = FindEntry(resource, expected.id);
        ASSERT_NE(entry, nullptr) << expected.id;
        // The recent files take the place of their entry.
        if (expected.id == Cmd::RecentFirst || *expected.text == '\0') continue;
        EXPECT_EQ(entry->text, expected.text) << expected.id;
    }
    for (int index = 0; index < DropDown::Count; ++index) {
        if (index == DropDown::File) continue;  // the recent files stand in for their entry
        SCOPED_TRACE(index);
        ExpectRendered(*frame->GetMenuBar()->GetMenu(index), frame->Menu()[static_cast<std::size_t>(index)].items);
    }
    EXPECT_EQ(std::string(Item(Cmd::Open)->GetItemLabel().utf8_str()), "&Open...\tCtrl+O");
}

TEST_F(MainWindowTest, MenuFollowsTheServiceModeAndTheGridFocus) {
    for (int mode : {0, 1, 2}) {
        AppState::ServiceMode() = mode;
        Open(true);
        EXPECT_EQ(Item(Cmd::FileConvert) != nullptr, mode != 0) << mode;
        frame->RebuildMenuOnOpen();
        EXPECT_EQ(Item(Cmd::DownloadManu) != nullptr, mode == 2);
        EXPECT_EQ(Item(Cmd::BasicAlignment) != nullptr, mode != 0);
        EXPECT_EQ(Item(Cmd::RelatedItem) != nullptr, mode != 0);
        EXPECT_EQ(Item(Cmd::ScanSetting), nullptr);
        // The grid pane's own column entries under "Main Items".
        EXPECT_NE(Item(32786), nullptr);
        EXPECT_EQ(Item(32799), nullptr);
        frame->Destroy();
        frame = nullptr;
        Yield();
    }

    Open(true);
    auto* grid = frame->MainView()->ActivePane()->FindWindow(ChannelGridControlId);
    ASSERT_TRUE(Focus(grid)) << "the grid takes no keyboard focus";
    FakeGridPane::gridFocused = true;
    frame->RebuildMenuOnOpen();
    EXPECT_NE(Item(Cmd::ChInsert), nullptr);
    EXPECT_EQ(std::string(Item(Cmd::Copy)->GetItemLabel().utf8_str()), "CH &Copy\tCtrl+C");
    FakeGridPane::gridFocused = false;
    frame->RebuildMenuOnOpen();
    EXPECT_EQ(Item(Cmd::ChInsert), nullptr);
    EXPECT_EQ(std::string(Item(Cmd::Copy)->GetItemLabel().utf8_str()), "&Copy\tCtrl+C");
}

// The toolkit sizes a drop-down before it reports its opening: the Edit
// menu must already hold the entries of the grid's focus when the bar opens,
// or it shows them in a menu of the old size.
TEST_F(MainWindowTest, TheEditMenuFollowsTheGridFocusBeforeTheBarOpens) {
    Open(true);
    auto* grid = frame->MainView()->ActivePane()->FindWindow(ChannelGridControlId);
    FakeGridPane::gridFocused = true;
    ASSERT_TRUE(Focus(grid)) << "the grid takes no keyboard focus";
    Yield();
    EXPECT_NE(Item(Cmd::ChInsert), nullptr);
    EXPECT_EQ(std::string(Item(Cmd::Copy)->GetItemLabel().utf8_str()), "CH &Copy\tCtrl+C");

    // Opened straight from the keyboard (Alt+E): the entries Edit holds as it
    // opens are the ones it keeps.
    wxMenu* edit = frame->GetMenuBar()->GetMenu(DropDown::Edit);
    std::vector<std::string> atOpening, afterOpening;
    auto labels = [edit] {
        std::vector<std::string> shown;
        for (const wxMenuItem* item : edit->GetMenuItems())
            shown.emplace_back(item->GetItemLabel().utf8_str());
        return shown;
    };
    bool editOpened = false;
    // Seen before any handler of the opening runs.
    struct OpeningWatch : wxEventFilter {
        std::function<void(wxMenuEvent&)> seen;
        OpeningWatch() { wxEvtHandler::AddFilter(this); }
        ~OpeningWatch() override { wxEvtHandler::RemoveFilter(this); }
        int FilterEvent(wxEvent& event) override {
            if (event.GetEventType() == wxEVT_MENU_OPEN) seen(static_cast<wxMenuEvent&>(event));
            return Event_Skip;
        }
    } watch;
    watch.seen = [&](wxMenuEvent& event) {
        if (event.GetMenu() != edit) return;
        atOpening = labels();
        wxTheApp->CallAfter([&] {
            afterOpening = labels();
            editOpened = true;
        });
    };
    // Escape closes the drop-down, and again the bar.
    RealInput::KeysWhenMenuOpens close([](wxUIActionSimulator& sim) {
        sim.Char(WXK_ESCAPE);
        sim.Char(WXK_ESCAPE);
    });
    RealInput::Key('E', wxMOD_ALT);
    ASSERT_TRUE(RealInput::WaitFor([&] { return editOpened; })) << "the bar did not open";
    RealInput::Settle(600);
    EXPECT_GT(atOpening.size(), 2u);
    EXPECT_EQ(atOpening, afterOpening);

    // The grid no longer has the focus: Copy and Paste alone again.
    FakeGridPane::gridFocused = false;
    Yield();
    EXPECT_EQ(Item(Cmd::ChInsert), nullptr);
    EXPECT_EQ(std::string(Item(Cmd::Copy)->GetItemLabel().utf8_str()), "&Copy\tCtrl+C");
}

// The tool bar shows the images built into the program, each read whole.
TEST_F(MainWindowTest, TheToolBarShowsItsBuiltInImages) {
    Open();
    using namespace ToolbarImages;
    const struct {
        int id;
        const unsigned char* png;
        std::size_t size;
    } tools[] = {{Cmd::New, kNew, sizeof kNew},           {Cmd::Open, kOpen, sizeof kOpen},
                 {Cmd::Save, kSave, sizeof kSave},        {Cmd::Upload, kUpload, sizeof kUpload},
                 {Cmd::Download, kDownload, sizeof kDownload}, {Cmd::Print, kPrint, sizeof kPrint},
                 {Cmd::About, kAbout, sizeof kAbout}};
    wxToolBar* bar = frame->GetToolBar();
    ASSERT_TRUE(bar);
    EXPECT_EQ(bar->GetToolsCount(), 10u);  // with three separators
    for (const auto& tool : tools) {
        SCOPED_TRACE(tool.id);
        wxMemoryInputStream data(tool.png, tool.size);
        const wxImage expected(data, wxBITMAP_TYPE_PNG);
        ASSERT_TRUE(expected.IsOk());
        EXPECT_EQ(expected.GetSize(), wxSize(16, 16));
        const wxToolBarToolBase* shown = bar->FindById(WxCommandId(tool.id));
        ASSERT_TRUE(shown);
        const wxImage image = shown->GetNormalBitmap().ConvertToImage();
        ASSERT_EQ(image.GetSize(), expected.GetSize());
        EXPECT_EQ(0, std::memcmp(image.GetData(), expected.GetData(), 16 * 16 * 3));
    }
}

TEST_F(MainWindowTest, CommandStatesFollowTheRules) {
    Open(true);
    frame->UpdateWindowUI();
    // Later screens and the radio stay disabled until they exist.
    for (int id : {Cmd::Hardware, Cmd::DtmfDialing, Cmd::GroupAllocation, Cmd::Print, Cmd::Configure,
                   Cmd::Upload, Cmd::Download, Cmd::Alignment})
        EXPECT_FALSE(frame->StateOf(id)->enabled) << id;
    EXPECT_TRUE(frame->StateOf(Cmd::Language)->enabled);
    Screens::RegisterDialog(Cmd::Hardware, [](wxWindow*, CloneImage&) { return false; });
    Screens::RegisterRadioLink({[](wxWindow*) { return std::unique_ptr<OperationView>(); }, {}, {}});
    EXPECT_TRUE(frame->StateOf(Cmd::Hardware)->enabled);
    EXPECT_TRUE(frame->StateOf(Cmd::Upload)->enabled);
    EXPECT_FALSE(frame->StateOf(Cmd::RadioDataRecovery)->enabled);

    // Checks: panes, bars, font rate, main items; the locked encryption column.
    EXPECT_EQ(frame->StateOf(Cmd::HelpTopic)->checked, true);
    EXPECT_EQ(frame->StateOf(Cmd::RelatedItem)->checked, false);
    EXPECT_EQ(frame->StateOf(Cmd::Font100)->checked, true);
    Command(Cmd::Font125);
    EXPECT_EQ(Setting("FontSize", "SizeRate"), "1.25");
    EXPECT_EQ(frame->StateOf(Cmd::Font125)->checked, true);
    EXPECT_EQ(frame->StateOf(Cmd::Font100)->checked, false);
    EXPECT_FALSE(frame->StateOf(32799)->enabled);
    Command(32788);
    EXPECT_EQ(frame->StateOf(32788)->checked, false);
    EXPECT_TRUE(dynamic_cast<CVSFlexGrid*>(frame->MainView()->ChannelGrid())->GetColHidden(5));
    Command(32788);
    EXPECT_FALSE(frame->MainView()->ChannelGrid()->GetColHidden(5));
    Command(Cmd::StatusBar);
    EXPECT_EQ(frame->StateOf(Cmd::StatusBar)->checked, false);
    EXPECT_EQ(Setting("StatusBar", "Visible"), "0");

    // A disabled command does not run when it is sent: in the ship mode
    // without its sequence, "Marketing(Ship Mode)" opens no Marketing dialog.
    int marketing = 0;
    Screens::RegisterDialog(Cmd::Marketing, [&](wxWindow*, CloneImage&) { return ++marketing, false; });
    Command(Cmd::MarketingShip);
    EXPECT_EQ(marketing, 1);
    AppState::AppMode() = 4;
    EXPECT_FALSE(frame->StateOf(Cmd::MarketingShip)->enabled);
    Command(Cmd::MarketingShip);
    EXPECT_EQ(marketing, 1);
    AppState::AppMode() = 0;
}

TEST_F(MainWindowTest, ColumnGroupsAndTheColumnChoiceDialog) {
    Open(true);
    CCloneEditorView* view = frame->MainView();
    CVSFlexGrid* grid = view->ChannelGrid();
    ASSERT_NE(grid, nullptr);
    // A column the rules lock stays hidden whatever its group says.
    view->ToggleMainItem(32799, true);
    view->ToggleMainItem(32799, true);
    EXPECT_EQ(MainItems::Row(32799)->visible, 1);
    EXPECT_TRUE(grid->GetColHidden(19));

    // The dialog sees the pane's entries of "Main Items"; a changed entry
    // toggles its group, an unchanged one is applied again.
    frame->RebuildMenuOnOpen();
    std::vector<Screens::VisibleEntry> seen;
    Screens::RegisterVisibleItems([&](wxWindow*, std::vector<Screens::VisibleEntry>& entries) {
        seen = entries;
        for (auto& entry : entries)
            if (entry.id == 32786) entry.checked = !entry.checked;
    });
    frame->UpdateWindowUI();
    Command(Cmd::VisibleItems);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].id, 32785);
    EXPECT_EQ(seen[1].text, "&W/N");
    EXPECT_EQ(MainItems::Row(32785)->visible, 1);
    EXPECT_EQ(MainItems::Row(32786)->visible, 0);
    EXPECT_TRUE(grid->GetColHidden(2));
    EXPECT_FALSE(grid->GetColHidden(1));
}

TEST_F(MainWindowTest, DialogCommandWritesTheWorkingCopyOnlyOnOk) {
    Open(true);
    bool answer = false;
    int calls = 0;
    Screens::RegisterDialog(Cmd::Hardware, [&](wxWindow*, CloneImage& working) {
        ++calls;
        working[0x2410] ^= 0x5A;
        return answer;
    });
    Screens::RegisterDialog(Cmd::DtmfDialing, [&](wxWindow*, CloneImage& working) {
        working[0x2800] ^= 0x0F;
        return true;
    });
    auto* grid = dynamic_cast<FakeGridPane*>(frame->MainView()->ActivePane());
    const CloneImage before = frame->Document().CurrentImage;
    Command(Cmd::Hardware);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(frame->Document().CurrentImage == before);

    answer = true;
    const int refreshed = grid->refreshed;
    Command(Cmd::Hardware);
    EXPECT_EQ(frame->Document().CurrentImage[0x2410], before[0x2410] ^ 0x5A);
    EXPECT_GT(grid->refreshed, refreshed);
    // Signalling dialogs copy back without a refresh.
    const int afterCommon = grid->refreshed;
    Command(Cmd::DtmfDialing);
    EXPECT_EQ(frame->Document().CurrentImage[0x2800], before[0x2800] ^ 0x0F);
    EXPECT_EQ(grid->refreshed, afterCommon);
}

TEST_F(MainWindowTest, EditCommandsGoToTheActivePane) {
    Open(true);
    auto* pane = dynamic_cast<FakeGridPane*>(frame->MainView()->ActivePane());
    auto* grid = pane->FindWindow(ChannelGridControlId);
    ASSERT_TRUE(Focus(grid)) << "the grid takes no keyboard focus";
    Command(Cmd::Copy);
    EXPECT_EQ(pane->copies, 1);
}

TEST_F(MainWindowTest, NewLoadsTheChosenVariantsDefaultFile) {
    Open();
    CFileNewDlg dialog(frame, frame->Document());
    // UHF A with a display: default640ua.PDX.
    dialog.Box(CFileNewDlg::IDC_BAND)->SetStringSelection("UHF A");
    dialog.Box(CFileNewDlg::IDC_LCD)->SetStringSelection("LCD(ZT-640)");
    dialog.OnSelectionChange();
    EXPECT_FALSE(dialog.Box(CFileNewDlg::IDC_KEYPAD)->IsShown());
    messages.QueueAnswer(MsgAnswer::No);  // the default image counts as modified
    ASSERT_TRUE(dialog.TryOk());
    CloneImage expected;
    ASSERT_EQ(FileUtil::LoadImageFile(expected, (program / "default640ua.PDX").string()), 1);
    EXPECT_EQ(Model::VariantCodeFromImage(frame->Document().CurrentImage), 4);
    EXPECT_EQ(frame->Document().PathName(), "");
    EXPECT_EQ(frame->GetTitle(), "<none> - Pardex for ZT-610/640 Series");

    // The ZT-610 without keypad.
    CFileNewDlg second(frame, frame->Document());
    second.Box(CFileNewDlg::IDC_BAND)->SetStringSelection("VHF");
    second.Box(CFileNewDlg::IDC_LCD)->SetStringSelection("None(ZT-610)");
    second.OnSelectionChange();
    messages.QueueAnswer(MsgAnswer::No);
    ASSERT_TRUE(second.TryOk());
    EXPECT_EQ(Model::VariantCodeFromImage(frame->Document().CurrentImage), 0);
}

TEST_F(MainWindowTest, NewPreselectsTheDocumentsVariantAndCancelKeepsItOpen) {
    Open();
    CloneImage& image = frame->Document().CurrentImage;
    image[0x2402] = 4 << 5 | 5;  // band 4, frequency type 5: "UHF A"
    CFileNewDlg dialog(frame, frame->Document());
    EXPECT_EQ(dialog.Box(CFileNewDlg::IDC_BAND)->GetStringSelection(), "UHF A");
    EXPECT_EQ(dialog.Box(CFileNewDlg::IDC_LCD)->GetStringSelection(), "LCD(ZT-640)");
    const CloneImage before = image;
    messages.QueueAnswer(MsgAnswer::Cancel);
    EXPECT_FALSE(dialog.TryOk());
    EXPECT_TRUE(image == before);
    // Yes with a save that writes nothing (Save As cancelled) goes no further.
    frame->SetFileChoosers({}, [](const std::string&) { return std::optional<std::string>(); });
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_FALSE(dialog.TryOk());
    EXPECT_TRUE(image == before);
    image[0x2402] = 0x21;
    CFileNewDlg other(frame, frame->Document());
    EXPECT_EQ(other.Box(CFileNewDlg::IDC_BAND)->GetStringSelection(), "VHF");
}

TEST_F(MainWindowTest, MainInformationPaneShowsTheImageAndEditsTheFirmwareVersion) {
    Open();
    auto* info = dynamic_cast<CMainInfoDlg*>(frame->MainView()->MainInfoPane());
    ASSERT_NE(info, nullptr);
    const CloneImage& image = frame->Document().CurrentImage;
    auto text = [&](int id) { return std::string(info->FindWindow(id)->GetLabel().utf8_str()); };
    EXPECT_EQ(text(CMainInfoDlg::IDC_SERIAL), MainInfo::SerialNumberText(image));
    EXPECT_EQ(text(CMainInfoDlg::IDC_BAND).rfind("UHF D (", 0), 0u);
    EXPECT_EQ(text(CMainInfoDlg::IDC_PRODUCT), "ZT-640 (Portable)");
    EXPECT_EQ(text(CMainInfoDlg::IDC_FIRMWARE_TEXT), MainInfo::FirmwareText(image));
    EXPECT_EQ(text(CMainInfoDlg::IDC_CHANNEL), MainInfo::ChannelText(image));
    EXPECT_EQ(text(CMainInfoDlg::IDC_DESTINATION), MainInfo::DestinationText(image));
    EXPECT_TRUE(info->FindWindow(CMainInfoDlg::IDC_FIRMWARE_TEXT)->IsShown());
    EXPECT_FALSE(info->FirmwareEdit()->IsShown());

    AppState::ServiceMode() = 2;
    frame->RefreshAllPanes();
    EXPECT_TRUE(info->FirmwareEdit()->IsShown());
    EXPECT_FALSE(info->FindWindow(CMainInfoDlg::IDC_FIRMWARE_TEXT)->IsShown());
    ASSERT_TRUE(Focus(info->FirmwareEdit())) << "the edit takes no keyboard focus";
    info->FirmwareEdit()->SetValue("1.5.123");
    EXPECT_EQ(image[0x000], 0x01);
    EXPECT_EQ(image[0x001], 0x05);
    EXPECT_EQ(image[0x004], 0x99);
    EXPECT_EQ(image[0x005], 0x00);
}

TEST_F(MainWindowTest, GroupSelectorListsTheGroupsAndWritesTagAndScanFlag) {
    Open(true);
    auto* selector = dynamic_cast<PaneSelectorDialog*>(frame->MainView()->PaneSelector());
    ASSERT_NE(selector, nullptr);
    CloneImage& image = frame->Document().CurrentImage;
    const int count = PaneSelectorDialog::GroupCount(image);
    ASSERT_GT(count, 1);
    auto* groups = dynamic_cast<wxChoice*>(selector->FindWindow(PaneSelectorDialog::IDC_GROUP));
    EXPECT_EQ(static_cast<int>(groups->GetCount()), count);
    EXPECT_EQ(groups->GetString(0), "01");
    EXPECT_EQ(selector->SelectedGroup(), 0);
    EXPECT_EQ(frame->MainView()->SelectedGroup(), 0);

    // Next and previous wrap around the list.
    selector->SelectPrevious();
    EXPECT_EQ(selector->SelectedGroup(), count - 1);
    selector->SelectNext();
    EXPECT_EQ(selector->SelectedGroup(), 0);
    selector->SelectNext();
    EXPECT_EQ(frame->MainView()->SelectedGroup(), 1);

    auto* tag = dynamic_cast<wxTextCtrl*>(selector->FindWindow(PaneSelectorDialog::IDC_TAG));
    tag->ChangeValue("north");
    selector->CommitTag();
    // Stored through the tag rule, as radio codes padded to 8.
    EXPECT_EQ(ItemMap::GetGroupTag(image, 1), TagTextToCodes("NORTH", 8));
    auto* scan = dynamic_cast<wxCheckBox*>(selector->FindWindow(PaneSelectorDialog::IDC_GROUP_SCAN));
    // Checked is Group Scan on, stored as 0, as the group allocation reads it.
    for (bool on : {true, false, true}) {
        scan->SetValue(on);
        wxCommandEvent click(wxEVT_CHECKBOX, PaneSelectorDialog::IDC_GROUP_SCAN);
        click.SetEventObject(scan);
        scan->ProcessWindowEvent(click);
        EXPECT_EQ(ItemMap::GetGroupScanFlag(image, 1), on ? 0u : 1u);
    }
    ItemMap::SetGroupScanFlag(image, 0, 0);
    ItemMap::SetGroupTag(image, 0, std::string(8, '\xFF'));  // erased
    selector->SelectPrevious();
    EXPECT_TRUE(scan->GetValue());
    EXPECT_EQ(tag->GetValue().Strip(wxString::both), "") << "an erased tag shows blank";
    selector->SelectNext();

    // The group count follows the image.
    image[0x2404] = 3;
    frame->RefreshAllPanes();
    EXPECT_EQ(groups->GetCount(), 3u);
    EXPECT_EQ(selector->SelectedGroup(), 1);
}

TEST_F(MainWindowTest, GroupSelectorRulesByVariant) {
    // Variant 0 (no keypad) has no group controls; the tab row never shows.
    for (int id :
         {PaneSelectorDialog::IDC_GROUP, PaneSelectorDialog::IDC_TAG, PaneSelectorDialog::IDC_GROUP_SCAN}) {
        for (int mode : {0, 1, 2}) {
            EXPECT_FALSE(PaneSelectorDialog::VisibilityOf(id, 0, mode).shown);
            EXPECT_TRUE(PaneSelectorDialog::VisibilityOf(id, 1, mode).shown);
            EXPECT_TRUE(PaneSelectorDialog::VisibilityOf(id, 4, mode).shown);
        }
    }
    for (int variant = 0; variant < 5; ++variant)
        EXPECT_FALSE(PaneSelectorDialog::VisibilityOf(PaneSelectorDialog::IDC_TAB, variant, 2).shown);
}

TEST_F(MainWindowTest, SmallRadiosLetTheWindowShrinkFurther) {
    Open();
    EXPECT_EQ(frame->GetMinSize(), wxSize(800, 541));
    frame->Document().CurrentImage[0x2405] = 1;  // 8 channels
    frame->RefreshAllPanes();
    EXPECT_EQ(frame->GetMinSize(), wxSize(800, 400));
    frame->Document().CurrentImage[0x2405] = 2;
    frame->RefreshAllPanes();
    EXPECT_EQ(frame->GetMinSize().y, 541);
}

TEST_F(MainWindowTest, PasswordPromptTakesSixCharacters) {
    Open();
    CPassInput2Dlg prompt(frame);
    EXPECT_EQ(prompt.GetTitle(), "Programming Password");
    EXPECT_EQ(prompt.FindWindow(CPassInput2Dlg::IDC_PROMPT)->GetLabel(), "Input the Programming Password.");
    EXPECT_EQ(CPassInput2Dlg::TextLimit(0), 6);
    EXPECT_EQ(CPassInput2Dlg::TextLimit(3), 30);
    prompt.Edit()->ChangeValue("123456");
    prompt.TransferDataFromWindow();
    EXPECT_EQ(prompt.Password, "123456");
    CPassInput2Dlg other(frame, 7);
    EXPECT_EQ(other.GetTitle(), "Programming Password");
}

TEST_F(MainWindowTest, ScreenshotOfTheMainWindow) {
    // The program's own screens, as the start-up registers them.
    RegisterScreens();
    // As the start-up does it: the settings' size, shown, then set up at once.
    frame = new CMainFrame(&recent, {program}, program);
    ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    frame->RefreshAllPanes();
    frame->Show();
    frame->AfterShow();
    frame->Raise();
    for (int i = 0; i < 20; ++i) {
        Yield();
        wxMilliSleep(10);
    }
    const wxRect rect = frame->GetScreenRect();
    wxBitmap shot(rect.width, rect.height);
    {
        wxScreenDC screen;
        wxMemoryDC memory(shot);
        memory.Blit(0, 0, rect.width, rect.height, &screen, rect.x, rect.y);
    }
    wxImage::AddHandler(new wxPNGHandler);
    const fs::path out = fs::path(ZT_PROGRAM_EXE).parent_path().parent_path() / "screenshots";
    fs::create_directories(out);
    EXPECT_TRUE(shot.SaveFile(wxString::FromUTF8((out / "main-window.png").string()), wxBITMAP_TYPE_PNG));
    // Information column, the grid's column and the side column all have room.
    const auto columns = frame->OuterSplitter()->CurrentSizes();
    EXPECT_GE(columns[0], frame->MainView()->MainInfoPane()->MinimumSize().x);
    EXPECT_GT(columns[1], columns[0] + columns[2]);
    EXPECT_GE(columns[2], 150);
}

TEST_F(MainWindowTest, HelpCommandsAndTheQuestionButtonOnlyWhenTheyDoSomething) {
    Open();
    const UiHooks::Hooks saved = UiHooks::Current();
    UiHooks::Current().openHelp = nullptr;
    UiHooks::Current().hasHelpTopic = nullptr;
    frame->UpdateWindowUI();
    EXPECT_FALSE(frame->StateOf(Cmd::HelpTopics)->enabled);
    EXPECT_FALSE(frame->StateOf(Cmd::GetStarted)->enabled);
    {
        CFileNewDlg dialog(frame, frame->Document());
        wxWindow* question = dialog.FindWindow(CFileNewDlg::IDC_HELP);
        ASSERT_NE(question, nullptr);
        EXPECT_FALSE(question->IsEnabled());
        // The label fits its button.
        EXPECT_GE(question->GetSize().x, question->GetTextExtent("?").x + 4);
    }

    int opened = 0;
    UiHooks::Current().openHelp = [&](wxWindow*, int) { ++opened; };
    UiHooks::Current().hasHelpTopic = [](int rid) { return rid == MakeRID(0, CFileNewDlg::IDD, 0); };
    EXPECT_TRUE(frame->StateOf(Cmd::HelpTopics)->enabled);
    EXPECT_FALSE(frame->StateOf(Cmd::GetStarted)->enabled) << "no such topic in the help";
    {
        CFileNewDlg dialog(frame, frame->Document());
        EXPECT_TRUE(dialog.FindWindow(CFileNewDlg::IDC_HELP)->IsEnabled());
    }
    UiHooks::Current() = saved;
}
