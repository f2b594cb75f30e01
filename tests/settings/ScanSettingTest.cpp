// The scan setting page without windows: the records a change goes into,
// the one-group lock, the group and channel selector, the Vote layout and
// what the page leaves alone.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ChannelOps.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"
#include "settings/ScanSetting.h"
#include "settings/SettingsPrint.h"
#include "ui/MessageService.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;
using Page = CScanSettingBasicPage1Dlg;

namespace {

void SetFirmware(CloneImage& image, std::uint32_t major, std::uint32_t minor) {
    RadioFixture::SetFirmware(image, major, minor, 0, 0);
}

struct ScanModel : ::testing::Test {
    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    CloneImage image = SettingsTest::DefaultImage("default610v.PDX");
    Page page;

    CloneImage Saved() {
        CloneImage saved = image;
        page.Save(saved);
        return saved;
    }
    void Pick(int id, const std::string& text) {
        const auto& rows = page.Form().Find(id)->rows;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].text == text) {
                page.Form().SelectIndex(id, static_cast<int>(i));
                page.Changed(id);
                return;
            }
        FAIL() << "no row " << text << " in " << id;
    }
    std::vector<std::string> Texts(int id) {
        std::vector<std::string> texts;
        for (const auto& row : page.Form().Find(id)->rows) texts.push_back(row.text);
        return texts;
    }
};

}  // namespace

TEST_F(ScanModel, TheDefaultFileOpensFullAndSavesNothing) {
    page.Open(image, 0);
    for (const int id :
         {Page::IDC_PRI_CHECK_TIME, Page::IDC_REVERT, Page::IDC_RESUME_TIME_1, Page::IDC_RESUME_TIME_2,
          Page::IDC_DUAL_WATCH_TIME, Page::IDC_FM_PRI_OVERWRITE, Page::IDC_PRI_CH_BEEP})
        EXPECT_NE(page.Form().Value(id), -1) << id;
    // Returning to the channel position, the scan chooses no channel.
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_SELECT_GROUP));
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_SELECT_CHANNEL));
    EXPECT_EQ(Saved(), image);
}

TEST_F(ScanModel, ARevertChangeGoesIntoEveryScanRecordAndTheGroupScanRecord) {
    page.Open(image, 0);
    Pick(Page::IDC_REVERT, "Last Busy CH");
    const CloneImage saved = Saved();
    for (int n = 0; n < 8; ++n) EXPECT_EQ(ItemMap::GetScanRevertCh(saved, n), 3u) << n;
    EXPECT_EQ(ItemMap::GetGroupScanRevertCh(saved), 3u);
    EXPECT_EQ(Diff(image, saved).size(), 9u) << "one byte per record";
}

TEST_F(ScanModel, OneGroupModeOnNewFirmwareKeepsEverythingAndSaysSo) {
    SetFirmware(image, 0x01, 0x10);
    ItemMap::SetOneGroupMode(image, 1);
    page.Open(image, 0);
    EXPECT_TRUE(page.Form().IsVisible(Page::IDC_ONE_GROUP_NOTE));
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_RESUME_TIME_1));
    const auto revert = Texts(Page::IDC_REVERT);
    EXPECT_EQ(std::count(revert.begin(), revert.end(), "CH Position"), 0);
    page.Form().SelectIndex(Page::IDC_RESUME_TIME_1, 9);
    EXPECT_EQ(Saved(), image);

    SetFirmware(image, 0x01, 0x09);
    Page older;
    older.Open(image, 0);
    EXPECT_FALSE(older.Form().IsVisible(Page::IDC_ONE_GROUP_NOTE));
    EXPECT_TRUE(older.Form().IsEnabled(Page::IDC_RESUME_TIME_1));
}

TEST_F(ScanModel, RevertRowsFollowTheRadio) {
    // A ZT-610 portable without a display returns to its channel position;
    // others to the start channel.
    page.Open(image, 0);
    EXPECT_EQ(Texts(Page::IDC_REVERT),
              (std::vector<std::string>{"PRI CH", "CH Position", "Last Busy CH", "Select CH"}));
    Page withDisplay;
    withDisplay.Open(SettingsTest::DefaultImage("default640v.PDX"), 0);
    EXPECT_EQ(withDisplay.Form().SelectedText(Page::IDC_REVERT), "Start CH");
}

TEST_F(ScanModel, SelectChListsGroupsAndChannelsInUse) {
    image = SettingsTest::DefaultImage("default640v.PDX");  // display type 2: names shown
    for (int c = 16; c < 18; ++c) ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, c, 0);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[1], image, 1, 0);  // group 2 listed
    RadioFixture::SetTypeCode(image, 0x35);                          // a ZT-610 code: the group is chosen
    Channel::SetTag(image, 16, "NORTH");
    ItemMap::SetGroupTag(image, 1, "TWO");
    ItemMap::SetScanRevertCh(image, 0, 4);  // "Select CH"
    ItemMap::SetScanSelectCh1(image, 0, 1);
    ItemMap::SetScanSelectCh2(image, 0, 1);
    page.Open(image, 0);
    EXPECT_EQ(Texts(Page::IDC_SELECT_GROUP).at(1).rfind("Group02 :TWO", 0), 0u);
    EXPECT_EQ(Texts(Page::IDC_SELECT_CHANNEL).size(), 2u) << "only the channels in use";
    EXPECT_EQ(Texts(Page::IDC_SELECT_CHANNEL).at(0).rfind("CH17 :NORTH", 0), 0u);
    EXPECT_EQ(page.Form().Value(Page::IDC_SELECT_GROUP), 1);

    // A ZT-640 does not choose the group: it shows group 1, disabled.
    RadioFixture::SetTypeCode(image, 0x36);
    Page zt640;
    zt640.Open(image, 0);
    EXPECT_EQ(zt640.Form().Value(Page::IDC_SELECT_GROUP), 0);
    EXPECT_FALSE(zt640.Form().IsEnabled(Page::IDC_SELECT_GROUP));
}

TEST_F(ScanModel, AGroupWithoutChannelsWarnsAfterOpening) {
    image = SettingsTest::DefaultImage("default640v.PDX");
    RadioFixture::SetTypeCode(image, 0x35);                          // a ZT-610 code: the group is chosen
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[1], image, 1, 0);  // group 2 listed, no channel in use
    ItemMap::SetScanRevertCh(image, 0, 4);
    page.Open(image, 0);
    ASSERT_TRUE(page.Form().IsEnabled(Page::IDC_SELECT_GROUP));
    EXPECT_EQ(messages.Count(), 0u) << "no warning while the page opens";
    page.Form().SelectValue(Page::IDC_SELECT_GROUP, 1);  // no channel of group 2 is in use
    page.Changed(Page::IDC_SELECT_GROUP);
    EXPECT_EQ(messages.Last().text, "No Active CH!");
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_SELECT_CHANNEL));
}

TEST_F(ScanModel, VariantZeroNeverWritesTheSelectedChannel) {
    ItemMap::SetScanRevertCh(image, 0, 4);
    page.Open(image, 0);
    ASSERT_EQ(page.Variant(), 0);
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_SELECT_GROUP));
    page.Form().SelectIndex(Page::IDC_SELECT_CHANNEL, -1);
    EXPECT_EQ(Saved(), image);
}

TEST_F(ScanModel, ValuesWithoutARowOpenEmptyAndStay) {
    ItemMap::SetScanResumeTime1(image, 0, 61);
    ItemMap::SetDisplayType(image, 0);  // Scan Display only on displays 2, 5 and 6
    ItemMap::SetScanDisplay(image, 0, 2);
    page.Open(image, 0);
    EXPECT_EQ(page.Form().Value(Page::IDC_RESUME_TIME_1), -1);
    EXPECT_EQ(page.Form().Value(Page::IDC_DISPLAY), -1);
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_DISPLAY));
    EXPECT_EQ(Saved(), image);
}

TEST_F(ScanModel, StoredVoteOpensTheVoteLayoutWithoutWritingHiddenBoxes) {
    ItemMap::SetScanType(image, 0, 2);
    ItemMap::SetScanPriorityCh2Scan(image, 0, 0);  // PRI Scan on: the layout clears it, but it is hidden
    page.Open(image, 0);
    EXPECT_FALSE(page.Form().IsEnabled(Page::IDC_REVERT));
    EXPECT_EQ(Texts(Page::IDC_PRI_CHECK_TIME), std::vector<std::string>{"Disable"});
    EXPECT_TRUE(page.Form().Checked(Page::IDC_TALK_BACK));
    const Changes changes = Diff(image, Saved());
    for (const auto& [offset, value] : changes)
        EXPECT_NE(offset, CloneImage::BlockOffset(14, 0x084)) << "PRI Scan is hidden and never written";
    EXPECT_EQ(ItemMap::GetScanTalkBack(Saved(), 5), 0u) << "Talk Back is on in a voting scan";
}

TEST_F(ScanModel, PrintsCheckBoxesAsCaptionAndState) {
    SettingsPrint print(CScanSettingBasicDlg::MakeDialog(), image);
    std::string out;
    print.RenderPage(out, &image);
    EXPECT_NE(out.find("[Scanning - 1(Common)]"), std::string::npos) << out;
    EXPECT_NE(out.find("<td>Scan Beep:</td>\n<td>Enable</td>"), std::string::npos) << out;
    EXPECT_NE(out.find("<td>Talk Back:</td>\n<td>Disable</td>"), std::string::npos) << out;
    EXPECT_EQ(out.find("Scan Type"), std::string::npos) << out;
    EXPECT_EQ(out.find("Scan Edit"), std::string::npos) << out;
    std::string past;
    print.RenderPage(past, &image);
    EXPECT_EQ(past, SettingsPrint::InvalidPageText);
}
