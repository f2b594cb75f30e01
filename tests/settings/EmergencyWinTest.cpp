// The Emergency dialog on the default data file, driven by keys and clicks:
// OK changes exactly the chosen bytes, the silent mode leaves what it
// blanks, "PRI CH" without a priority channel warns and falls back, a
// second OK changes nothing, Cancel leaves the document.
#include "SettingsWinFixture.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "settings/Emergency.h"

using namespace SettingsTest;

namespace {

using Page = CEmergencyDlg;

struct EmergencyWin : SettingsWin {
    EmergencyWin() {
        ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], document, 1, 0);  // position 2 of group 1 in use
        ItemMap::SetPriorityChannel(document, 0, 0);  // the keys pass "PRI CH" on their way
    }
    void OpenDialog() { Open(&CEmergencyDlg::MakeDialog); }
    std::uint8_t At(std::size_t offset) const { return document[CloneImage::BlockOffset(8, offset)]; }
};

}  // namespace

TEST_F(EmergencyWin, SelectChannelWritesTheChosenPosition) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Emergency");
    Pick(Page::IDC_EMERGENCY_CHANNEL, "Select CH");
    auto* channel = wxDynamicCast(Control(Page::IDC_SELECT_CHANNEL), wxComboBox);
    ASSERT_TRUE(channel->IsEnabled());
    Pick(Page::IDC_SELECT_CHANNEL, channel->GetString(1));
    Pick(Page::IDC_KEY_HOLD_TIME, "3 sec");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(At(0x1B0) & 0x07, 3);
    EXPECT_EQ(Diff(before, document), (Changes{{CloneImage::BlockOffset(8, 0x1B0), static_cast<std::uint8_t>((before[CloneImage::BlockOffset(8, 0x1B0)] & 0xF8) | 3)},
                                               {CloneImage::BlockOffset(8, 0x1B2), 1},
                                               {CloneImage::BlockOffset(8, 0x1B3), 30}}));

    OpenDialog();
    EXPECT_EQ(wxDynamicCast(Control(Page::IDC_SELECT_CHANNEL), wxComboBox)->GetSelection(), 1);
    ExpectOkChangesNothing();
}

TEST_F(EmergencyWin, SilentModeBlanksTheDependentBoxesAndOkLeavesThem) {
    OpenDialog();
    Pick(Page::IDC_SILENT_MODE, "Enable");
    for (int id : {Page::IDC_KEY_INHIBIT, Page::IDC_LED, Page::IDC_LED_COLOR, Page::IDC_ALERT})
        EXPECT_EQ(wxDynamicCast(Control(id), wxComboBox)->GetSelection(), wxNOT_FOUND) << id;
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    const std::size_t silent = CloneImage::BlockOffset(8, 0x1B7);
    EXPECT_EQ(Diff(before, document), (Changes{{silent, static_cast<std::uint8_t>(before[silent] | 0x80)}}));
}

TEST_F(EmergencyWin, PriChWithoutAPriorityChannelWarnsAndFallsBack) {
    for (std::size_t g = 0; g < 16; ++g) document[0x220 + g] = 0xFF;
    OpenDialog();
    auto* revert = wxDynamicCast(Control(Page::IDC_REVERT), wxComboBox);
    ASSERT_EQ(revert->GetString(1), "PRI CH");
    ASSERT_TRUE(Focus(revert));
    Key(WXK_DOWN);  // from "Start CH" to "PRI CH"
    EXPECT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "No Priority CH!");
    EXPECT_EQ(wxDynamicCast(Control(Page::IDC_REVERT), wxComboBox)->GetValue(), "Start CH");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), Changes{});
}

TEST_F(EmergencyWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Pick(Page::IDC_LED, "ON");
    Pick(Page::IDC_LED_COLOR, "Orange");
    Pick(Page::IDC_LONE_WORKER, "30 min");
    Type(Page::IDC_DTMF_CODE, "123");
    ExpectCancelLeaves(before);
}
