#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filesys.h>
#include <wx/html/htmlcell.h>
#include <wx/image.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <fstream>
#include <memory>
#include <vector>

#include "HelpWinUtil.h"
#include "help/HelpFileSystem.h"
#include "help/HelpMap.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "language/Language.h"
#include "ui/UiUtil.h"

namespace {

// The rows of the program's table that the test help file has pages for,
// and a topic for dialog 621 and its control 2101.
const HelpTopicRow kRows[] = {
    {1010, "pardex\\Main\\Ch\\CH_CHANNEL.htm"},
    {1400, "pardex\\Main\\Zone\\ZONELIST.htm"},
    {1282866, "pardex\\Help\\GETSTARTED.htm"},
    {6210000, "pardex\\Dialog621.htm"},
    {6212101, "pardex\\Main\\ZoneInfo\\ZoneInfo_TAG.htm"},
    {7770000, "pardex\\NotInTheFile.htm"},
};

class HelpPaneTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Help::UseTopicRows(kRows);
        Help::SetHelpFilePath(ZT_HELP_FIXTURE);
        Help::SetLogSink([this](const std::string& line) { log_.push_back(line); });
        pane_ = new CHelpTopics;
        ASSERT_TRUE(pane_->CreatePane(frame_.frame, CHelpTopics::IDD));
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(pane_, 1, wxEXPAND);
        frame_->SetSizer(sizer);
        frame_->Layout();
        ProcessQueued();
    }
    void TearDown() override {
        Help::SetLogSink({});
        Help::CloseHelpFiles();
    }
    std::string Text() const { return pane_->View()->ToText().utf8_string(); }

    TestFrame frame_;
    CHelpTopics* pane_ = nullptr;
    std::vector<std::string> log_;
};

// The first cell of the page that links somewhere.
const wxHtmlCell* FindLink(const wxHtmlCell* cell) {
    for (; cell; cell = cell->GetNext()) {
        if (cell->GetLink()) return cell;
        if (const wxHtmlCell* found = FindLink(cell->GetFirstChild())) return found;
    }
    return nullptr;
}

std::string Dump(const wxHtmlCell* cell, int depth) {
    std::string out;
    for (; cell; cell = cell->GetNext()) {
        out += std::string(depth, ' ') + wxString(cell->GetClassInfo()->GetClassName()).utf8_string() + " " +
               cell->ConvertToText(nullptr).utf8_string() + (cell->GetLink() ? " LINK" : "") + "\n";
        out += Dump(cell->GetFirstChild(), depth + 1);
    }
    return out;
}

TEST_F(HelpPaneTest, ShowsTheTopicOfARidWithItsPictureAndFollowsItsLink) {
    EXPECT_EQ(pane_->View()->LoadCount(), 0);  // blank until the first real request
    pane_->ShowTopicForRID(1010, 101);
    EXPECT_NE(Text().find("number of each channel"), std::string::npos) << Text();
    EXPECT_EQ(pane_->View()->LoadCount(), 1);
    pane_->ShowTopicForRID(1010, 134);  // the same page: not loaded again
    EXPECT_EQ(pane_->View()->LoadCount(), 1);

    // The page's picture is read from the help file itself.
    wxFileSystem fs;
    fs.ChangePathTo(pane_->View()->GetOpenedPage());
    std::unique_ptr<wxFSFile> picture(fs.OpenFile("../../../BMP/pic.bmp"));
    ASSERT_TRUE(picture);
    wxImage image(*picture->GetStream(), wxBITMAP_TYPE_BMP);
    EXPECT_EQ(image.GetWidth(), 4);

    // A click on the link shows the second page of the file.
    const wxHtmlCell* link = FindLink(pane_->View()->GetInternalRepresentation());
    ASSERT_TRUE(link) << Dump(pane_->View()->GetInternalRepresentation(), 0);
    const wxPoint at = pane_->View()->CalcScrolledPosition(link->GetAbsPos()) +
                       wxPoint(link->GetWidth() / 2, link->GetHeight() / 2);
    ClickAt(pane_->View(), at);
    EXPECT_TRUE(WaitFor([&] { return Text().find("group list holds") != std::string::npos; })) << Text();
    EXPECT_TRUE(pane_->View()->GetCurrentURL().EndsWith("/pardex/Main/Zone/ZONELIST.htm"));
    // Asking for the same topic by its RID now loads nothing more.
    const int loads = pane_->View()->LoadCount();
    pane_->ShowTopicForRID(1400, 101);
    EXPECT_EQ(pane_->View()->LoadCount(), loads);
}

TEST_F(HelpPaneTest, RidsWithoutTopicsLeaveThePage) {
    pane_->ShowTopicForRID(1400, 101);
    const std::string shown = Text();
    pane_->ShowTopicForRID(MakeRID(0, 101, 0), 101);     // the first request of every pane
    pane_->ShowTopicForRID(MakeRID(0, 134, 1063), 134);  // neither the control nor the dialog
    EXPECT_EQ(Text(), shown);
    // A control without a topic shows its dialog's.
    pane_->ShowTopicForRID(MakeRID(0, 621, 2102), 621);
    EXPECT_NE(Text().find("whole dialog 621"), std::string::npos);
    // A topic the help file lacks keeps the page and is logged.
    pane_->ShowTopicForRID(7770000, 777);
    EXPECT_NE(Text().find("whole dialog 621"), std::string::npos);
    EXPECT_EQ(log_.size(), 1u);
}

TEST_F(HelpPaneTest, HiddenPaneRecordsTheTopicAndShowsItWhenReloaded) {
    pane_->Hide();
    pane_->ShowTopicForRID(1010, 101);
    EXPECT_EQ(pane_->View()->LoadCount(), 0);
    pane_->Show();
    ProcessQueued();
    pane_->ReloadTopic();
    EXPECT_NE(Text().find("number of each channel"), std::string::npos);
    // The tone-system windows keep the page in step while hidden.
    pane_->Hide();
    pane_->SyncTopicForRID(1400);
    EXPECT_NE(Text().find("group list holds"), std::string::npos);
}

TEST_F(HelpPaneTest, MissingOrDamagedHelpFileLeavesThePaneEmptyWithOneLogLine) {
    const auto dir = std::filesystem::temp_directory_path() / ("zt_help_missing_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const char* name : {"none.chm", "bad.chm"}) {
        log_.clear();
        if (std::string(name) == "bad.chm") std::ofstream(dir / name) << "this is not a help file";
        Help::SetHelpFilePath(dir / name);
        for (int control : {1010, 1400, 1010}) pane_->ShowTopicForRID(control, 101);
        EXPECT_EQ(pane_->View()->LoadCount(), 0) << name;
        EXPECT_EQ(log_.size(), 1u) << name;
    }
    std::filesystem::remove_all(dir);
}

// The main view's pane selector, as far as F2 and F4 move it.
class SelectorPane : public HPainBaseDlg {
  public:
    void SelectNext() override { moves.push_back(+1); }
    void SelectPrevious() override { moves.push_back(-1); }
    std::vector<int> moves;
};

class MainViewStub : public PaneHost {
  public:
    CloneImage& Image() override { return image; }
    HPainBaseDlg* PaneSelector() const override { return selector; }
    HPainBaseDlg* ActivePane() const override { return nullptr; }
    int SelectedGroup() const override { return 0; }
    void ShowHelpForRID(int, int, int) override {}
    void ShowRelatedItems(int, int) override {}
    void RefreshAllPanes() override {}
    CloneImage image{};
    SelectorPane* selector = nullptr;
};

TEST_F(HelpPaneTest, KeysInThePane) {
    SelectorPane selector;
    MainViewStub host;
    host.selector = &selector;
    SetMainPaneHost(&host);
    pane_->ShowTopicForRID(1010, 101);
    ASSERT_TRUE(Focus(pane_->View()));
    const int loads = pane_->View()->LoadCount();
    Key(WXK_F5);  // never reloads
    Key(WXK_RETURN);
    Key(WXK_ESCAPE);
    EXPECT_EQ(pane_->View()->LoadCount(), loads);
    EXPECT_TRUE(pane_->IsShown());
    EXPECT_TRUE(frame_->IsShown());
    Key(WXK_F2);
    Key(WXK_F4);
    EXPECT_EQ(selector.moves, (std::vector<int>{+1, -1}));
    // With its keys off (the tone-system windows' help row) the pane takes none.
    pane_->SetKeysEnabled(false);
    Key(WXK_F2);
    EXPECT_EQ(selector.moves.size(), 2u);
    SetMainPaneHost(nullptr);
}

// F1 in a dialog opens the focused control's topic when it has one, else
// the dialog's; the help window shows it.
TEST(ContextHelp, F1OnDialog621OpensTheDialogTopic) {
    Help::UseTopicRows(kRows);
    Help::SetHelpFilePath(ZT_HELP_FIXTURE);
    Help::InstallHelpHooks();
    TestFrame frame;
    auto* dialog = new wxDialog(frame.frame, wxID_ANY, "621");
    auto* withTopic = new wxTextCtrl(dialog, 2101, "", wxPoint(10, 10));
    auto* without = new wxTextCtrl(dialog, 2102, "", wxPoint(10, 50));
    dialog->Bind(wxEVT_CHAR_HOOK, [dialog](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_F1)
            UiUtil::ShowHelpForFocus(dialog, 621);
        else
            event.Skip();
    });
    dialog->SetSize(300, 150);
    dialog->Show();
    const struct {
        wxWindow* focus;
        const char* page;
    } cases[] = {{without, "/pardex/Dialog621.htm"}, {withTopic, "/pardex/Main/ZoneInfo/ZoneInfo_TAG.htm"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(Focus(c.focus));
        Key(WXK_F1);
        ASSERT_TRUE(WaitFor([] { return CHelpViewer::Current() != nullptr; }));
        EXPECT_TRUE(CHelpViewer::Current()->Html()->GetOpenedPage().EndsWith(c.page))
            << CHelpViewer::Current()->Html()->GetOpenedPage();
    }
    CHelpViewer::Current()->Destroy();
    dialog->Destroy();
    ProcessQueued();
}

}  // namespace
