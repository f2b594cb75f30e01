// The DTMF ANI dialog on the default data file, driven by keys and clicks.
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "SettingsWinFixture.h"
#include "signalling/DtmfAni.h"

using namespace SettingsTest;

namespace {

constexpr std::size_t kTransmit = 0x2870, kCode = 0x2873, kSpeed = 0x2872;

using DtmfAniWin = DialogWin<&CDtmfAniDlg::MakeDialog>;

}  // namespace

TEST_F(DtmfAniWin, OkChangesExactlyTheChosenBytes) {
    document[kTransmit] = 0x8A;  // bits 7-6 and 3-0 belong to other settings
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "DTMF ANI");
    Pick(CDtmfAniDlg::IDC_TRANSMIT, "PTT Pressed");
    Type(CDtmfAniDlg::IDC_CODE, "a*0");
    ASSERT_TRUE(Focus(Control(CDtmfAniDlg::IDC_SPEED)));  // leaving the edit upper-cases it
    EXPECT_EQ(wxDynamicCast(Control(CDtmfAniDlg::IDC_CODE), wxTextCtrl)->GetValue(), "A*0");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);

    Changes expected{{kTransmit, 0xAA}};
    const std::uint8_t code[8] = {0x3A, 0xE0, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 8; ++i)
        if (before[kCode + i] != code[i]) expected[kCode + i] = code[i];
    EXPECT_EQ(Diff(before, document), expected);

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(DtmfAniWin, CancelLeavesTheDocumentAndOutOfListValuesSurviveOk) {
    const CloneImage unchanged = document;
    OpenDialog();
    Pick(CDtmfAniDlg::IDC_DELAY_TIME, "500 mS");
    ExpectCancelLeaves(unchanged);

    document[kSpeed] = 40;
    OpenDialog();
    auto* speed = wxDynamicCast(Control(CDtmfAniDlg::IDC_SPEED), wxComboBox);
    ASSERT_NE(speed, nullptr);
    EXPECT_EQ(speed->GetSelection(), wxNOT_FOUND);
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, before);
}
