// The Marketing dialog on the default data file, driven by keys and clicks.
#include "SettingsWinFixture.h"
#include "settings/Marketing.h"
#include "settings/SettingsFlags.h"

using namespace SettingsTest;

namespace {

struct MarketingWin : SettingsWin {
    void SetUp() override { Settings::SerialWriteFlag() = 1; }
    void TearDown() override {
        SettingsWin::TearDown();
        Settings::SerialWriteFlag() = 0;
    }
    void OpenDialog() { Open(&CMarketingDlg::MakeDialog); }
};

}  // namespace

TEST_F(MarketingWin, OkWritesTheTypedSerialIntoBothCopies) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Marketing");
    Type(CMarketingDlg::IDC_SERIAL, "1Q234567");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    const std::size_t block8 = CloneImage::BlockOffset(8);
    EXPECT_EQ(Diff(before, document), (Changes{{0x0E, 0x1D},
                                               {0x0F, 0x23},
                                               {0x10, 0x45},
                                               {0x11, 0x67},
                                               {block8 + 0x10E, 0x1D},
                                               {block8 + 0x10F, 0x23},
                                               {block8 + 0x110, 0x45},
                                               {block8 + 0x111, 0x67}}));

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(MarketingWin, AnInvalidSerialKeepsTheDialogOpenAndCancelWritesNothing) {
    const CloneImage before = document;
    OpenDialog();
    Type(CMarketingDlg::IDC_SERIAL, "1Q23");
    ClickOk();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(messages.Last().text, "Invalid No.\nRetry to input No.");
    ExpectCancelLeaves(before);
}
