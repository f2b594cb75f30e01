// The Hardware dialog on the default data file in Engineer Mode, driven by
// keys and clicks on both tabs: OK changes exactly the chosen bytes, a
// reference change keeps every channel's frequency, a second OK changes
// nothing, Cancel leaves the document.
#include "SettingsWinFixture.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Modes.h"
#include "settings/Hardware.h"

using namespace SettingsTest;

namespace {

using P1 = CHardwarePage1Dlg;
using P2 = CHardwarePage2Dlg;

struct HardwareWin : DialogWin<&CHardwareDlg::MakeDialog> {
    HardwareWin() { host.serviceMode = ServiceModes::Engineer; }
    wxString Shown(int id, std::size_t page) {
        auto* edit = wxDynamicCast(Control(id, page), wxTextCtrl);
        return edit ? edit->GetValue() : wxString();
    }
};

}  // namespace

TEST_F(HardwareWin, OkChangesExactlyTheChosenBytes) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Hardware");
    Pick(P1::IDC_CH_STEP, "10/12.5 kHz");
    Type(P1::IDC_SQL_ATTACK, "57");
    Key(WXK_TAB);
    EXPECT_EQ(Shown(P1::IDC_SQL_ATTACK, 0), "55");
    ShowTab(1);
    Type(P2::IDC_MAX_CHANNEL, "37", 1);
    Key(WXK_TAB);
    EXPECT_EQ(Shown(P2::IDC_MAX_CHANNEL, 1), "32");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);

    const std::size_t step = CloneImage::BlockOffset(8, 0x018);
    EXPECT_EQ(Diff(before, document),
              (Changes{{CloneImage::BlockOffset(8, 0x005), 4},
                       {step, static_cast<std::uint8_t>((before[step] & 0x0F) | 0xE0)},
                       {CloneImage::BlockOffset(8, 0x01B), 11}}));

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(HardwareWin, ReferenceChangeKeepsEveryChannelFrequency) {
    for (int c : {3, 9}) {
        ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], document, c, 0);
        ASSERT_TRUE(Channel::SetRxFrequency(document, c, 150.0125 + c));
        ASSERT_TRUE(Channel::SetTxFrequency(document, c, 151.0250 + c));
    }
    const CloneImage before = document;
    OpenDialog();
    Type(P1::IDC_REF_XTAL, "12.8");
    Key(WXK_TAB);
    EXPECT_EQ(Shown(P1::IDC_REF_XTAL, 0), "12.800");
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);

    EXPECT_EQ(ItemMap::GetReferenceXtalFrequency(document), 12800u);
    for (int c = 0; c < Channel::Capacity(document); ++c) {
        EXPECT_NEAR(CalcPLLFrequency::RxFrequency(document, c), CalcPLLFrequency::RxFrequency(before, c), 1e-4) << c;
        EXPECT_NEAR(CalcPLLFrequency::TxFrequency(document, c), CalcPLLFrequency::TxFrequency(before, c), 1e-4) << c;
    }
    EXPECT_NE(CalcPLLFrequency::ReadWords(document, 3, DirectionRx), CalcPLLFrequency::ReadWords(before, 3, DirectionRx));
    // Outside the channel records only the crystal's two bytes changed.
    for (const auto& [offset, value] : Diff(before, document)) {
        if (offset < CloneImage::BlockOffset(8, 0)) continue;
        EXPECT_TRUE(offset == CloneImage::BlockOffset(8, 0x06D) || offset == CloneImage::BlockOffset(8, 0x06E))
            << std::hex << offset;
    }
}

TEST_F(HardwareWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Type(P1::IDC_FIRST_IF, "45.1");
    Pick(P1::IDC_LOCAL_OFFSET, "Lower");
    ShowTab(1);
    Pick(P2::IDC_DISPLAY_TYPE, "Other", 1);
    ExpectCancelLeaves(before);
}
