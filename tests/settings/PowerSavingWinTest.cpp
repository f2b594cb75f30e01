// The Power Saving dialog on the default data file, driven by keys and
// clicks: OK changes exactly the chosen bytes, a second OK changes nothing,
// Cancel and Escape leave the document, Enter never confirms.
#include <wx/combobox.h>

#include "SettingsWinFixture.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/TagCharRule.h"
#include "language/Language.h"
#include "settings/PowerSaving.h"
#include "ui/UiHooks.h"

using namespace SettingsTest;

namespace {

using PowerSavingWin = DialogWin<&CPowerSavingDlg::MakeDialog>;

}  // namespace

TEST_F(PowerSavingWin, OkChangesExactlyTheChosenBytes) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Power Saving");
    Pick(CPowerSavingDlg::IDC_RX_SAVE_MODE, "1:3");
    Pick(CPowerSavingDlg::IDC_TOT_PENALTY, "20 sec");
    Type(CPowerSavingDlg::IDC_TAG, "home");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);

    Changes expected{{0x2525, 3}};
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        const std::size_t at = CloneImage::BlockOffset(0) + 64 * c + 3;
        const std::uint8_t value = static_cast<std::uint8_t>((before[at] & 0x3F) | 0x80);
        if (value != before[at]) expected[at] = value;
    }
    const std::string codes = TagTextToCodes("HOME");
    for (std::size_t i = 0; i < 8; ++i) {
        const std::size_t at = CloneImage::BlockOffset(15, i);
        if (before[at] != static_cast<std::uint8_t>(codes[i]))
            expected[at] = static_cast<std::uint8_t>(codes[i]);
    }
    EXPECT_EQ(Diff(before, document), expected);

    // Opened again on the result, OK without edits changes no byte.
    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(PowerSavingWin, CancelAndEscapeLeaveTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Pick(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT, "Disable");
    Pick(CPowerSavingDlg::IDC_TOT_RELEASE, "5 sec");
    ExpectCancelLeaves(before);

    OpenDialog();
    Pick(CPowerSavingDlg::IDC_RX_SAVE_MODE, "1:7");
    Key(WXK_ESCAPE);
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(document, before);
}

TEST_F(PowerSavingWin, EnterNeverConfirmsAndOpensAComboList) {
    const CloneImage before = document;
    OpenDialog();
    ASSERT_TRUE(Focus(Control(CPowerSavingDlg::IDC_TAG)));
    Key(WXK_RETURN);
    EXPECT_TRUE(dialog->IsShown());

    // Enter on a combo box opens its list; a row is then chosen with the
    // keys of the list.
    auto* combo = wxDynamicCast(Control(CPowerSavingDlg::IDC_RX_SAVE_MODE), wxComboBox);
    ASSERT_TRUE(Focus(combo));
    const int start = combo->GetSelection();
    Key(WXK_RETURN);
    Key(WXK_DOWN);
    Key(WXK_RETURN);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(combo->GetSelection(), start + 1);
    EXPECT_EQ(working, before) << "nothing is written before OK";
}

TEST_F(PowerSavingWin, LowBatteryDisableDisablesItsSettings) {
    OpenDialog();
    Pick(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT, "Disable");
    EXPECT_FALSE(Control(CPowerSavingDlg::IDC_TX_LOW_BATTERY_ALERT)->IsEnabled());
    EXPECT_FALSE(Control(CPowerSavingDlg::IDC_LOW_BATTERY_INTERVAL)->IsEnabled());
    Pick(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT, "Enable");
    EXPECT_TRUE(Control(CPowerSavingDlg::IDC_LOW_BATTERY_INTERVAL)->IsEnabled());
    EXPECT_FALSE(Control(CPowerSavingDlg::IDC_RX_SAVE_ON_TIME)->IsShown());
}

TEST_F(PowerSavingWin, F1OpensTheFocusedControlsTopicOrTheDialogs) {
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> opened;
    hooks.hasHelpTopic = [](int rid) {
        return rid == MakeRID(0, CPowerSavingDlg::IDD, CPowerSavingDlg::IDC_RX_SAVE_MODE);
    };
    hooks.openHelp = [&opened](wxWindow*, int rid) { opened.push_back(rid); };
    OpenDialog();
    ASSERT_TRUE(Focus(Control(CPowerSavingDlg::IDC_RX_SAVE_MODE)));
    Key(WXK_F1);
    ASSERT_TRUE(Focus(Control(CPowerSavingDlg::IDC_TOT_PENALTY)));
    Key(WXK_F1);
    hooks = saved;
    EXPECT_EQ(opened, (std::vector<int>{MakeRID(0, 354, 2104), MakeRID(0, 354, 0)}));
    EXPECT_TRUE(dialog->IsShown());
}

TEST_F(PowerSavingWin, AnOutOfListValueOpensEmptyAndIsKept) {
    ItemMap::SetRxSaveMode(document, 9);
    OpenDialog();
    auto* combo = wxDynamicCast(Control(CPowerSavingDlg::IDC_RX_SAVE_MODE), wxComboBox);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(combo->GetValue(), "");
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, before);
}
