// The emergency page and its channel selection without windows: the rows
// the group and channel boxes list, the priority test, the fall-backs and
// their message, the LED and its colour, the alert bits and the silent mode.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ChannelOps.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"
#include "settings/Emergency.h"
#include "ui/MessageService.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;
using Page = CEmergencyDlg;

namespace {

constexpr std::size_t kByte1B7 = CloneImage::BlockOffset(8, 0x1B7);
constexpr std::size_t kByte1BA = CloneImage::BlockOffset(8, 0x1BA);

struct EmergencyModel : ::testing::Test {
    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    CloneImage image = SettingsTest::DefaultImage("default640v.PDX");
    std::unique_ptr<Page> page = std::make_unique<Page>();

    void Open() {
        page = std::make_unique<Page>();
        page->Open(image, 0);
    }
    CloneImage Saved() {
        CloneImage saved = image;
        page->Save(saved);
        return saved;
    }
    void Pick(int id, const std::string& text) {
        const auto& rows = page->Form().Find(id)->rows;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].text == text) {
                page->Form().SelectIndex(id, static_cast<int>(i));
                page->Changed(id);
                return;
            }
        FAIL() << "no row " << text << " in " << id;
    }
    std::vector<std::string> Texts(int id) {
        std::vector<std::string> texts;
        for (const auto& row : page->Form().Find(id)->rows) texts.push_back(row.text);
        return texts;
    }
    void ClearPriorities() {
        for (int g = 0; g < 16; ++g) image[0x220 + static_cast<std::size_t>(g)] = 0xFF;
    }
};

}  // namespace

TEST_F(EmergencyModel, TheDefaultFilesOpenFullAndSaveNothing) {
    for (const char* file : {"default610v.PDX", "default610ua.PDX", "default610ud.PDX", "default640v.PDX",
                             "default640ua.PDX", "default640ud.PDX"}) {
        image = SettingsTest::DefaultImage(file);
        Open();
        for (const FormControl& c : page->Form().Controls()) {
            if (!c.visible || c.kind != ControlKind::Combo || c.id == Page::IDC_SELECT_GROUP ||
                c.id == Page::IDC_SELECT_CHANNEL)
                continue;
            EXPECT_NE(c.selection, -1) << file << " " << c.id;
        }
        EXPECT_EQ(Diff(image, Saved()), Changes{}) << file;
    }
}

// Group g's rows name its tag, channel rows the channel's name, on display
// types 2, 5 and 6 only.
TEST_F(EmergencyModel, SelectorRowsByDisplayType) {
    RadioFixture::SetTypeCode(image, 0x35);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 16, 0);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 18, 0);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[1], image, 1, 0);
    Channel::SetTag(image, 16, "NORTH");
    ItemMap::SetGroupTag(image, 0, "ONE");
    ItemMap::SetEmergencyChannel(image, 3);  // "Select CH"
    ItemMap::SetEmergencySelectZone(image, 1);
    struct Case {
        std::uint32_t display;
        const char* group;
        const char* channel;
    };
    for (const Case& c : {Case{0, "Group01", "CH17"}, Case{5, "Group01 :ONE", "CH17 :NORTH"}}) {
        ItemMap::SetDisplayType(image, c.display);
        Open();
        EXPECT_EQ(Texts(Page::IDC_SELECT_GROUP).at(0), c.group);
        const auto channels = Texts(Page::IDC_SELECT_CHANNEL);
        ASSERT_EQ(channels.size(), 2u) << "positions whose channel is in use";
        EXPECT_EQ(channels[0].rfind(c.channel, 0), 0u) << channels[0];
        EXPECT_EQ(channels[0].size(), std::string(c.channel).size() + (c.display ? 3 : 0)) << "names fill 8";
        EXPECT_EQ(channels[1].substr(0, 4), "CH19");
    }
}

// Only 0x220 + g for the configured groups names a priority channel; the
// bytes from 0x228 are the group kinds.
TEST_F(EmergencyModel, PriorityTestReadsOnlyTheGroupsPriorityBytes) {
    ClearPriorities();
    ItemMap::SetMaxGroup(image, 2);
    for (std::size_t g = 0; g < 8; ++g) image[0x228 + g] = 0x0F;  // kinds: not a priority channel
    image[0x222] = 3;                                                // group 3: beyond the count
    EXPECT_FALSE(EmergencyRules::AnyPriorityChannel(image));
    image[0x221] = 3;
    EXPECT_TRUE(EmergencyRules::AnyPriorityChannel(image));

    // A stored "PRI CH" without a priority channel opens as "Start CH" and
    // is written back as such.
    image[0x221] = 0xFF;
    ItemMap::SetEmergencyRevertCh(image, 2);
    Open();
    EXPECT_EQ(page->Form().SelectedText(Page::IDC_REVERT), "Start CH");
    EXPECT_EQ(ItemMap::GetEmergencyRevertCh(Saved()), 3u);
}

TEST_F(EmergencyModel, PriChWithoutAPriorityChannelWarnsAndFallsBack) {
    ClearPriorities();
    Open();
    EXPECT_EQ(messages.Count(), 0u);
    Pick(Page::IDC_REVERT, "PRI CH");
    EXPECT_EQ(messages.Last().text, "No Priority CH!");
    EXPECT_EQ(page->Form().SelectedText(Page::IDC_REVERT), "Start CH");

    Pick(Page::IDC_EMERGENCY_CHANNEL, "Select CH");
    Pick(Page::IDC_EMERGENCY_CHANNEL, "PRI CH");
    EXPECT_EQ(messages.Count(), 2u);
    EXPECT_EQ(messages.Last().text, "No Priority CH!");
    EXPECT_EQ(page->Form().SelectedText(Page::IDC_EMERGENCY_CHANNEL), "Select CH") << "the last accepted value";
    EXPECT_EQ(ItemMap::GetEmergencyChannel(Saved()), 3u);
}

TEST_F(EmergencyModel, PriChListsOnlyGroupsWithAPriorityChannelInUse) {
    RadioFixture::SetTypeCode(image, 0x35);
    ClearPriorities();
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[1], image, 1, 0);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[1], image, 2, 0);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 33, 0);
    ItemMap::SetDisplayType(image, 0);
    ItemMap::SetPriorityChannel(image, 1, 4);  // channel 20: not in use
    ItemMap::SetPriorityChannel(image, 2, 1);  // channel 33: in use
    Open();
    Pick(Page::IDC_EMERGENCY_CHANNEL, "PRI CH");
    EXPECT_EQ(Texts(Page::IDC_SELECT_GROUP), (std::vector<std::string>{"Group03"}));
    EXPECT_TRUE(page->Form().Find(Page::IDC_SELECT_CHANNEL)->rows.empty());
    EXPECT_FALSE(page->Form().IsEnabled(Page::IDC_SELECT_CHANNEL));

    Pick(Page::IDC_EMERGENCY_CHANNEL, "Current CH");
    EXPECT_FALSE(page->Form().IsEnabled(Page::IDC_SELECT_GROUP));
    EXPECT_EQ(Diff(image, Saved()), (Changes{}));
}

TEST_F(EmergencyModel, NoWarningWhileThePageOpens) {
    RadioFixture::SetTypeCode(image, 0x35);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[1], image, 1, 0);  // group 2 listed, no channel in use
    ItemMap::SetEmergencyChannel(image, 3);
    ItemMap::SetEmergencySelectZone(image, 1);
    Open();
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_FALSE(page->Form().IsEnabled(Page::IDC_SELECT_CHANNEL));
    Pick(Page::IDC_SELECT_GROUP, "Group02 :        ");
    EXPECT_EQ(messages.Last().text, "No Active CH!") << "warnings are on once the page is open";
}

TEST(EmergencyAlert, DisableKeepsTheTone) {
    CloneImage image;
    EmergencyRules::SetEmergencyAlert(image, 4);  // "Tone3"
    EXPECT_EQ(EmergencyRules::GetEmergencyAlert(image), 4);
    EmergencyRules::SetEmergencyAlert(image, 1);  // "Disable"
    EXPECT_EQ(EmergencyRules::GetEmergencyAlert(image), 1);
    EXPECT_EQ((image[kByte1BA] >> 2) & 3, 2) << "tone bits kept";
    EmergencyRules::SetEmergencyAlert(image, 6);
    EXPECT_EQ(image[kByte1BA] & 0x0E, 0x0C);
}

TEST_F(EmergencyModel, LedAndColour) {
    // LED field 3 without a colour is "OFF", and no colour shows none; OK
    // keeps both.
    const std::uint8_t stored = image[kByte1B7];
    image[kByte1B7] = static_cast<std::uint8_t>((stored & 0x80) | 0x30);
    Open();
    EXPECT_EQ(page->Form().SelectedText(Page::IDC_LED), "OFF");
    EXPECT_EQ(page->Form().Value(Page::IDC_LED_COLOR), -1);
    EXPECT_FALSE(page->Form().IsEnabled(Page::IDC_LED_COLOR));
    EXPECT_EQ(Diff(image, Saved()), Changes{});

    Pick(Page::IDC_LED, "Blink");
    EXPECT_EQ(Texts(Page::IDC_LED_COLOR), (std::vector<std::string>{"Green", "Orange"}));
    EXPECT_TRUE(page->Form().IsEnabled(Page::IDC_LED_COLOR));
    Pick(Page::IDC_LED_COLOR, "Orange");
    EXPECT_EQ(Saved()[kByte1B7] & 0x73, 0x33);

    // "OFF" chosen is the LED on without a colour (the default is "Blink"
    // green).
    image[kByte1B7] = stored;
    Open();
    Pick(Page::IDC_LED, "OFF");
    EXPECT_EQ(Texts(Page::IDC_LED_COLOR), (std::vector<std::string>{"Red"}));
    EXPECT_FALSE(page->Form().IsEnabled(Page::IDC_LED_COLOR));
    EXPECT_EQ(Saved()[kByte1B7] & 0x73, 0x10);
}

TEST_F(EmergencyModel, SilentModeBlanksAndThenShowsTheStoredValues) {
    ItemMap::SetDisplayType(image, 5);
    Open();
    const std::vector<int> treated = {Page::IDC_AF,  Page::IDC_KEY_INHIBIT, Page::IDC_DISPLAY,
                                      Page::IDC_LED, Page::IDC_LED_COLOR,   Page::IDC_ALERT};
    Pick(Page::IDC_KEY_INHIBIT, "Enable");
    Pick(Page::IDC_SILENT_MODE, "Enable");
    for (int id : treated) EXPECT_EQ(page->Form().Value(id), -1) << id;
    const Changes silent = Diff(image, Saved());
    EXPECT_EQ(silent, (Changes{{kByte1B7, static_cast<std::uint8_t>(image[kByte1B7] | 0x80)}}));

    Pick(Page::IDC_SILENT_MODE, "Disable");
    EXPECT_EQ(page->Form().SelectedText(Page::IDC_KEY_INHIBIT), "Disable") << "the stored value, not the pick";
    for (int id : treated) EXPECT_NE(page->Form().Value(id), -1) << id;
    EXPECT_EQ(Diff(image, Saved()), Changes{});
}

TEST_F(EmergencyModel, DtmfCodeFillsItsEightBytes) {
    Open();
    page->Form().SetText(Page::IDC_DTMF_CODE, "0123456789abcd*");
    page->Left(Page::IDC_DTMF_CODE);
    EXPECT_EQ(page->Form().Text(Page::IDC_DTMF_CODE), "0123456789ABCD*");
    const CloneImage saved = Saved();
    std::uint8_t bytes[8];
    ItemMap::ReadRaw8(ItemMap::DtmfItems[17], saved, bytes);
    EXPECT_EQ(bytes[0] >> 4, 15);
    EXPECT_EQ(EditRules::UnpackDtmf(bytes), "0123456789ABCD*");
    EXPECT_EQ(Diff(image, saved).size(), 8u);
}
