// The Front Panel dialog on the default data file, driven by keys and
// clicks on both tabs: OK changes exactly the chosen bytes, a second OK
// changes nothing, Cancel leaves the document.
#include "SettingsWinFixture.h"
#include "image/ItemMap.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "settings/FrontPanel.h"

using namespace SettingsTest;

namespace {

using P1 = CFrontPanelPage1Dlg;
using P2 = CFrontPanelPage2Dlg;

using FrontPanelWin = DialogWin<&CFrontPanelDlg::MakeDialog>;

}  // namespace

TEST_F(FrontPanelWin, OkChangesExactlyTheChosenBytes) {
    ItemMap::SetAlignIntMicGain(document, 20);
    ItemMap::SetInternalMicGain(document, 20);
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Front Panel");
    Pick(P1::IDC_INT_MIC_GAIN, "+3 dB");
    Pick(P1::IDC_KEY_LOCK, "Enable");
    Pick(P1::IDC_KEY_HOLDING_TIME, "650 msec");
    ShowTab(1);
    Pick(P2::IDC_TX, "OFF", 1);
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);

    const bool steps = !Model::IsPlainKind(before);
    const std::size_t keyLock = 0xC4;
    EXPECT_EQ(Diff(before, document),
              (Changes{{CloneImage::BlockOffset(8, 0x12C), steps ? 22 : 28},
                       {keyLock, static_cast<std::uint8_t>(before[keyLock] & ~0x40)},
                       {CloneImage::BlockOffset(8, 0x129), 65},
                       {CloneImage::BlockOffset(8, 0x171), 0}}));

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(FrontPanelWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Pick(P1::IDC_PTT_LOCK, "Enable");
    Pick(P1::IDC_EXT_MIC_GAIN, "-6 dB");
    ShowTab(1);
    Pick(P2::IDC_VOX, "OFF", 1);
    ExpectCancelLeaves(before);
}
