// The Miscellaneous dialog on a default data file, driven by keys and
// clicks across both tabs: what OK writes byte for byte, Cancel, and the
// power-on condition refused when no group has a priority channel.
#include "SettingsWinFixture.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "settings/Miscellaneous.h"

using namespace SettingsTest;

namespace {

using MiscWin = DialogWin<&CMiscDlg::MakeDialog>;

constexpr std::size_t kOlta = CloneImage::BlockOffset(8, 0x12A);

}  // namespace

TEST_F(MiscWin, OkWritesTheSplitAndTheOltaModeOnly) {
    ItemMap::SetOltaMode(document, 0);
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Miscellaneous");
    EXPECT_EQ(dialog->Tabs()->GetPageText(0), "Misc 1");
    EXPECT_EQ(dialog->Tabs()->GetPageText(1), "Misc 2");
    Type(CMiscPage1Dlg::IDC_DEFAULT_SPLIT, "-1.5");
    ShowTab(1);
    Pick(CMiscPage2Dlg::IDC_OLTA_MODE, "RX", 1);
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    Changes expected{{0x4400, 0x0F}, {0x4401, 0x00}, {0x4402, 0x00}, {0x4403, 0x80}};
    for (auto it = expected.begin(); it != expected.end();)
        it = before[it->first] == it->second ? expected.erase(it) : std::next(it);
    expected[kOlta] = static_cast<std::uint8_t>((before[kOlta] & ~0x0C) | 0x04);
    EXPECT_EQ(Diff(before, document), expected);
    EXPECT_EQ(ItemMap::GetSignMagnitude(document), -15);

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(MiscWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Type(CMiscPage1Dlg::IDC_DEFAULT_SPLIT, "12.5");
    Pick(CMiscPage1Dlg::IDC_KEY_BEEP, "Disable");
    ShowTab(1);
    Pick(CMiscPage2Dlg::IDC_BELL, "Disable", 1);
    ClickCancel();
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(Diff(before, document), Changes{});
}

// A split stored beyond the field's range opens as it is and survives OK;
// leaving the field after typing clamps what was typed.
TEST_F(MiscWin, AStoredSplitIsKeptUntilEdited) {
    ItemMap::SetSignMagnitude(document, 1500);
    OpenDialog();
    auto* split = wxDynamicCast(Control(CMiscPage1Dlg::IDC_DEFAULT_SPLIT), wxTextCtrl);
    EXPECT_EQ(split->GetValue(), "150.0");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), Changes{});

    OpenDialog();
    Type(CMiscPage1Dlg::IDC_DEFAULT_SPLIT, "150");
    ASSERT_TRUE(Focus(Control(CMiscPage1Dlg::IDC_KEY_BEEP)));
    Settle();
    split = wxDynamicCast(Control(CMiscPage1Dlg::IDC_DEFAULT_SPLIT), wxTextCtrl);
    EXPECT_EQ(split->GetValue(), "99.9");
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(ItemMap::GetSignMagnitude(document), 999);
}

TEST_F(MiscWin, PriorityChannelConditionNeedsAPriorityChannel) {
    document = DefaultImage("default610v.PDX");  // a model offering PRI CH
    for (int g = 0; g < 8; ++g) ItemMap::SetPriorityChannel(document, g, 255);
    ItemMap::SetPowerOnCondition(document, 0);
    OpenDialog();
    auto* combo = wxDynamicCast(Control(CMiscPage1Dlg::IDC_POWER_ON), wxComboBox);
    ASSERT_EQ(combo->GetValue(), "Backup");
    ASSERT_EQ(combo->GetString(1), "PRI CH");
    ASSERT_TRUE(Focus(combo));
    Key(WXK_DOWN);
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("No Priority CH!"), std::string::npos) << messages.Last().text;
    EXPECT_EQ(combo->GetValue(), "Backup");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), Changes{});
}
