// The column choice dialog with real clicks and keys, and "Auto Grid Width"
// over every grid screen of the program.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/panel.h>

#include "app/ItemVisibleDlg.h"
#include "app/ScreenRegistry.h"
#include "image/FileUtil.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/PaneFramework.h"
#include "ui/RealInput.h"
#include "ui/WinTestUtil.h"

using namespace RealInput;

namespace {

class ItemVisibleWin : public ::testing::Test {
  protected:
    void SetUp() override { SetProfilePath(dir.path() / "pardex.xml"); }
    void TearDown() override { SetProfilePath({}); }

    // Runs the dialog on `columns`; `user` acts on it.
    int Run(std::vector<CItemVisible::Column>& columns, const std::function<void(CItemVisible&)>& user) {
        WhenModal<CItemVisible>([&](CItemVisible& dialog) {
            Settle();
            user(dialog);
            if (dialog.IsModal()) dialog.EndModal(wxID_ABORT);
        });
        CItemVisible dialog(frame.frame, columns);
        return dialog.ShowModal();
    }

    TempDir dir;
    TestFrame frame;
};

std::vector<CItemVisible::Column> ThreeColumns() {
    return {{"&RX Freq", 1, 1, 32785}, {"&Crypt", 0, 1, 32799}, {"&W/N", 1, 0, 32786}};
}

TEST_F(ItemVisibleWin, OkTakesTheTicksAndTheGreyedBoxKeepsItsState) {
    auto columns = ThreeColumns();
    const int result = Run(columns, [](CItemVisible& dialog) {
        EXPECT_EQ(dialog.Box(1)->GetLabel(), "Encryption") << "the feature name, whatever the menu says";
        EXPECT_EQ(dialog.Box(0)->GetLabel(), "&RX Freq");
        EXPECT_FALSE(dialog.Box(2)->IsEnabled());
        for (int row = 3; row < CItemVisible::RowCount; ++row) EXPECT_FALSE(dialog.Box(row)->IsShown()) << row;
        Click(dialog.Box(1));  // tick "Encryption"
        Click(dialog.Box(0));  // untick the first
        Click(dialog.Box(2));  // greyed: nothing happens
        EXPECT_TRUE(dialog.Box(2)->GetValue());
        // Enter on a check box does not close the dialog.
        ASSERT_TRUE(Focus(dialog.Box(1)));
        Key(WXK_RETURN);
        EXPECT_TRUE(dialog.IsModal());
        Click(dialog.FindWindow(wxID_OK));
    });
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(columns[0].shown, 0);
    EXPECT_EQ(columns[1].shown, 1);
    EXPECT_EQ(columns[2].shown, 1);
}

TEST_F(ItemVisibleWin, CancelAndAnEmptyListChangeNothing) {
    auto columns = ThreeColumns();
    EXPECT_EQ(Run(columns,
                  [](CItemVisible& dialog) {
                      Click(dialog.Box(0));
                      Click(dialog.FindWindow(wxID_CANCEL));
                  }),
              wxID_CANCEL);
    EXPECT_EQ(columns[0].shown, 1);

    std::vector<CItemVisible::Column> none;
    EXPECT_EQ(Run(none,
                  [](CItemVisible& dialog) {
                      for (int row = 0; row < CItemVisible::RowCount; ++row) EXPECT_FALSE(dialog.Box(row)->IsShown());
                      Click(dialog.FindWindow(wxID_OK));
                  }),
              wxID_OK);
}

TEST_F(ItemVisibleWin, AutoGridWidthWritesTheWidthsOfEveryGridScreen) {
    Screens::ClearAll();
    RegisterScreens();
    CloneImage image;
    ASSERT_EQ(FileUtil::OpenRead(image, (std::filesystem::path(ZT_PROGRAM_EXE).parent_path() / "default640ua.PDX").string()), 1);
    const char* sections[] = {"CHSetting",    "ZoneList",     "Tone2_System", "Tone2_Encode", "Tone2_Decode",
                              "Tone5_System", "Tone5_Encode", "Tone5_Decode", "Tone5_Table"};
    for (const char* section : sections) EXPECT_EQ(GetProfileString(section, "Grid_Width", ""), "") << section;
    auto* host = new wxPanel(frame.frame);
    host->Hide();
    AutoGridWidth::CreateAllPages(host, image);
    host->Destroy();
    Settle();
    for (const char* section : sections) EXPECT_NE(GetProfileString(section, "Grid_Width", ""), "") << section;
    // The tone table is a dialog: building it for the widths leaves where the user put it alone.
    EXPECT_EQ(GetProfileString("Tone5_Table", "Position", ""), "");
    EXPECT_EQ(GetProfileString("Tone5_Table", "Size", ""), "");
    Screens::ClearAll();
}

}  // namespace
