// The Scanning dialog on the default data file, driven by keys and clicks.
#include <wx/notebook.h>

#include "SettingsWinFixture.h"
#include "settings/ScanSetting.h"

using namespace SettingsTest;
using Page = CScanSettingBasicPage1Dlg;

namespace {

using ScanWin = DialogWin<&CScanSettingBasicDlg::MakeDialog>;

}  // namespace

TEST_F(ScanWin, OkWritesTheChoiceIntoEveryScanRecord) {
    OpenDialog();
    ASSERT_NE(dialog->Tabs(), nullptr);
    EXPECT_EQ(dialog->Tabs()->GetPageText(0), "Common");
    EXPECT_FALSE(Control(Page::IDC_SCAN_TYPE)->IsShown());
    Pick(Page::IDC_REVERT, "Last Busy CH");
    Pick(Page::IDC_RESUME_TIME_1, "3.0 sec");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);

    Changes expected;
    for (const std::size_t record : {0x080, 0x090, 0x0A0, 0x0B0, 0x0C0, 0x0D0, 0x0E0, 0x0F0, 0x100}) {
        const std::size_t at = CloneImage::BlockOffset(14, record);
        expected[at] = static_cast<std::uint8_t>((before[at] & ~0x07) | 3);
        expected[at + 5] = 12;  // "3.0 sec": row 6, value 2 x 6
    }
    EXPECT_EQ(Diff(before, document), expected);

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(ScanWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Pick(Page::IDC_DUAL_WATCH_TIME, "7.5 sec");
    Pick(Page::IDC_PRI_CH_BEEP, "Disable");
    ExpectCancelLeaves(before);
}
