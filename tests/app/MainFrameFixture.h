#pragma once
// The main window as the program starts it, for window tests driven with
// real input: a scratch program folder holding the shipped default data
// files, the settings in a scratch file, every screen registered and the
// start-up image loaded.
#include <gtest/gtest.h>
#include <wx/gdicmn.h>

#include <filesystem>

#include "app/AppState.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "image/Model.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"
#include "ui/RealInput.h"

class MainFrameFixture : public ::testing::Test {
  protected:
    // Creates the frame on the start-up image.
    void OpenFrame() {
        namespace fs = std::filesystem;
        fs::create_directories(program);
        for (const auto& row : Model::VariantTable)
            fs::copy_file(fs::path(ZT_PROGRAM_EXE).parent_path() / row.fileName, program / row.fileName);
        SetProfilePath(dir.path() / "pardex.xml");
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
        MainItems::ResetVisible();
        Screens::ClearAll();
        RegisterScreens();
        frame = new CMainFrame(&recent, {program}, program);
        ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    }
    // Shows the frame at `size` with its panes filled, as after start-up.
    void ShowFrame(wxSize size) {
        frame->RefreshAllPanes();
        frame->SetSize(size);
        frame->Show();
        RealInput::Settle();
        frame->AfterShow();
        RealInput::Settle();
    }
    void TearDown() override {
        if (frame) frame->Destroy();
        RealInput::Settle();
        Screens::ClearAll();
        SetProfilePath({});
    }

    TestHost host;
    TempDir dir;
    std::filesystem::path program = dir.path() / "bin";
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
};
