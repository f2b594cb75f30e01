// The main window in this process: title, Open / Save As / reopen through the
// File menu, recent files and the About box.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/app.h>
#include <wx/menu.h>
#include <wx/stattext.h>

#include <chrono>
#include <thread>

#include "Fixtures.h"
#include "app/AboutDlg.h"
#include "app/AppState.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"

namespace fs = std::filesystem;

namespace {

class MainFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program);
        SetProfilePath(dir.path() / "pardex.xml");
        AppState::AppMode() = 0;
        Fixtures::WriteDefaults(program, {5});
        frame = new CMainFrame(&recent, {program}, program);
    }
    void TearDown() override {
        frame->Destroy();
        wxTheApp->ProcessIdle();
        SetProfilePath({});
    }
    void Command(int id) {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(frame);
        frame->ProcessWindowEvent(event);
    }

    TestHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin";
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
};

}  // namespace

TEST_F(MainFrameTest, StartsOnTheDefaultFileWithItsTitle) {
    ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    frame->Show();
    EXPECT_EQ(frame->GetTitle(), "<none> - Pardex for ZT-610/640 Series");
    EXPECT_EQ(frame->Document().CurrentImage[0x3FF], 0x15);
    EXPECT_GE(frame->GetSize().x, CMainFrame::MinWidth);
    EXPECT_GE(frame->GetSize().y, CMainFrame::MinHeight);
}

TEST_F(MainFrameTest, OpenSaveAsAndReopenKeepTheBytes) {
    ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    const fs::path original = dir.path() / "radio.PDX";
    const fs::path copy = dir.path() / "copy.PDX";
    CloneImage image = Fixtures::VariantImage(2, 0x5A);
    for (std::size_t i = 0; i < CloneImage::Size; i += 97) image[i] = static_cast<std::uint8_t>(i * 7);
    Fixtures::WriteImage(original, image);

    std::vector<std::string> opens{original.string(), copy.string()};
    std::vector<std::string> folders;
    frame->SetFileChoosers(
        [&](const std::string& folder) -> std::optional<std::string> {
            folders.push_back(folder);
            if (opens.empty()) return std::nullopt;
            auto next = opens.front();
            opens.erase(opens.begin());
            return next;
        },
        [&](const std::string& folder) -> std::optional<std::string> {
            folders.push_back(folder);
            return copy.string();
        });

    host.answer = MsgAnswer::No;  // the default image is not kept
    Command(CMainFrame::ID_FILE_OPEN);
    EXPECT_EQ(frame->GetTitle(), wxString::FromUTF8(original.string()) + " - Pardex for ZT-610/640 Series");
    Command(CMainFrame::ID_FILE_SAVE_AS);
    EXPECT_EQ(Fixtures::ReadBytes(copy), Fixtures::ReadBytes(original));
    EXPECT_EQ(frame->GetTitle(), wxString::FromUTF8(copy.string()) + " - Pardex for ZT-610/640 Series");
    EXPECT_FALSE(frame->Document().IsModified());

    frame->Document().CurrentImage.Fill(0);
    host.answer = MsgAnswer::No;
    Command(CMainFrame::ID_FILE_OPEN);
    EXPECT_EQ(frame->Document().CurrentImage, image);
    EXPECT_EQ(frame->Document().PathName(), copy.string());
    // Dialogs start where the user last was.
    ASSERT_EQ(folders.size(), 3u);
    EXPECT_EQ(folders[0], program.string() + "/");
    EXPECT_EQ(folders[1], dir.path().string());

    // Both files are in the recent list, the latest first, and in the menu.
    ASSERT_EQ(recent.Count(), 2u);
    EXPECT_EQ(recent[0], copy.string());
    wxMenuItem* first = frame->GetMenuBar()->FindItem(CMainFrame::ID_FILE_MRU_FILE1);
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->GetItemLabelText().Contains("copy.PDX"));
}

TEST_F(MainFrameTest, RecentFileThatCannotBeOpenedLeavesTheList) {
    ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    const fs::path gone = dir.path() / "gone.PDX";
    Fixtures::WriteImage(gone, Fixtures::VariantImage(1));
    host.answer = MsgAnswer::No;
    frame->SetFileChoosers([&](const std::string&) { return std::optional<std::string>(gone.string()); },
                           nullptr);
    Command(CMainFrame::ID_FILE_OPEN);
    ASSERT_EQ(recent.Count(), 1u);
    fs::remove(gone);
    Command(CMainFrame::ID_FILE_MRU_FILE1);
    EXPECT_EQ(recent.Count(), 0u);
    wxMenuItem* placeholder = frame->GetMenuBar()->FindItem(CMainFrame::ID_FILE_MRU_FILE1);
    ASSERT_NE(placeholder, nullptr);
    EXPECT_FALSE(placeholder->IsEnabled());
}

TEST_F(MainFrameTest, AboutBoxShowsTheVersion) {
    CAbout about(frame);
    auto* version = dynamic_cast<wxStaticText*>(about.FindWindow(CAbout::IDC_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_TRUE(version->GetLabel().StartsWith("Pardex Ver. 1."));
    EXPECT_EQ(about.GetTitle(), "About Pardex");
    const int ids[] = {CAbout::IDC_MARKET, CAbout::IDC_PRODUCT, CAbout::IDC_LINK, CAbout::IDC_COMPANY,
                       CAbout::IDC_YEAR,   CAbout::IDC_RIGHTS,  wxID_OK};
    for (int id : ids) EXPECT_NE(about.FindWindow(id), nullptr) << id;
}

TEST_F(MainFrameTest, FirmwareToolGetsThePortAndTheModeArgument) {
    ScriptedMessageService messages;
    ScopedMessageService scoped(messages);
    AppState::ServiceMode() = 2;
    AppState::Link().port = "/dev/ttyUSB7";
    const fs::path marker = dir.path() / "ran.txt";
    const fs::path tool = program / "TQ7.exe";
    std::ofstream(tool) << "#!/bin/sh\necho \"$1\" > '" << marker.string() << ".tmp'; mv '" << marker.string()
                        << ".tmp' '" << marker.string() << "'\n";
    ::chmod(tool.c_str(), 0755);
    std::ofstream(program / "TQ7.INI") << "[Initialize]\r\nCOM_PORT=1\r\n";

    ASSERT_TRUE(frame->LaunchFirmwareTool());
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(marker) && std::chrono::steady_clock::now() < until) {
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(fs::exists(marker));
    EXPECT_EQ(Fixtures::ReadBytes(marker), "-manu\n");
    EXPECT_EQ(Fixtures::ReadBytes(program / "TQ7.INI"), "[Initialize]\r\nCOM_PORT=/dev/ttyUSB7\r\n");

    // Without the tool the user is told so.
    fs::remove(tool);
    const auto until2 = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!frame->LaunchFirmwareTool() &&
           std::chrono::steady_clock::now() < until2)  // the first launch ends
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    while (messages.Count() == 0 && std::chrono::steady_clock::now() < until2) {
        wxTheApp->Yield(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("TQ7.exe"), std::string::npos);
    AppState::ServiceMode() = 0;
    AppState::Link() = {};
}

TEST_F(MainFrameTest, HandOverWaitsForNoOpenDialog) {
    const fs::path first = dir.path() / "first.PDX";
    const fs::path second = dir.path() / "second.PDX";
    Fixtures::WriteImage(first, Fixtures::VariantImage(3, 1));
    Fixtures::WriteImage(second, Fixtures::VariantImage(3, 2));
    ASSERT_TRUE(frame->Document().LoadStartupImage(first.string()));
    frame->Show();

    frame->Enable(false);  // as while a modal dialog is open
    frame->ReceiveHandOver(second.string());
    EXPECT_EQ(frame->Document().PathName(), first.string());
    frame->Enable(true);
    frame->ReceiveHandOver(second.string());
    EXPECT_EQ(frame->Document().PathName(), second.string());
    EXPECT_EQ(frame->GetTitle(), wxString::FromUTF8(second.string()) + " - Pardex for ZT-610/640 Series");
    EXPECT_TRUE(host.messages.empty());
}
