// The Power Saving page without windows: its items, the backlight composite,
// the per-channel timers, the dimmer filter, the low-battery rule and what
// each radio variant hides.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/TagCharRule.h"
#include "image/TestHost.h"
#include "settings/PowerSaving.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

constexpr std::size_t kLcdTimer = CloneImage::BlockOffset(8, 0x127);
constexpr std::size_t kLightingByte = CloneImage::BlockOffset(8, 0x128);

struct PowerSavingModel : ::testing::Test {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    CPowerSavingDlg page;

    void Open() { page.Open(image, 0); }
    CloneImage Saved() {
        CloneImage saved = image;
        page.Save(saved);
        return saved;
    }
    void Pick(int id, const std::string& text) {
        const auto& rows = page.Form().Find(id)->rows;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].text == text) return page.Form().SelectIndex(id, static_cast<int>(i));
        FAIL() << "no row " << text << " in " << id;
    }
};

}  // namespace

TEST_F(PowerSavingModel, RxSaveModeWritesItsByte) {
    Open();
    Pick(CPowerSavingDlg::IDC_RX_SAVE_MODE, "1:3");
    EXPECT_EQ(Diff(image, Saved()), (Changes{{0x2525, 3}}));
}

TEST_F(PowerSavingModel, PenaltyTimerGoesIntoEveryChannelOnlyWhenChanged) {
    // Channels that differ from channel 1 keep their own value until the user
    // picks one.
    ItemMap::SetChannelPenaltyTimer(image, 0, 0);
    ItemMap::SetChannelPenaltyTimer(image, 90, 3);
    Open();
    EXPECT_EQ(Saved(), image);

    Pick(CPowerSavingDlg::IDC_TOT_PENALTY, "20 sec");
    const CloneImage saved = Saved();
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        EXPECT_EQ(ItemMap::GetChannelPenaltyTimer(saved, c), 2u) << "channel " << c;
        EXPECT_EQ(ItemMap::GetChannelReleaseTimer(saved, c), ItemMap::GetChannelReleaseTimer(image, c));
    }
    for (const auto& [offset, value] : Diff(image, saved))
        EXPECT_EQ((offset - CloneImage::BlockOffset(0)) % 64, 3u) << "only byte 3 of channel records";
}

TEST_F(PowerSavingModel, BacklightTimerOffOrOnShowsNothingAndWritesOnlyThePickedBit) {
    for (const std::uint8_t timer : {std::uint8_t{0}, std::uint8_t{127}, std::uint8_t{50}}) {
        SCOPED_TRACE(int(timer));
        image[kLcdTimer] = timer;
        ItemMap::SetLcdKeyBacklight(image, 0);
        CPowerSavingDlg fresh;
        fresh.Open(image, 0);
        EXPECT_EQ(fresh.Form().Value(CPowerSavingDlg::IDC_LCD_BACKLIGHT), -1);
        CloneImage saved = image;
        fresh.Save(saved);
        EXPECT_EQ(saved, image);

        fresh.Form().SelectIndex(CPowerSavingDlg::IDC_LCD_BACKLIGHT, 0);  // "All Key ON"
        fresh.Save(saved);
        EXPECT_EQ(Diff(image, saved), (Changes{{kLightingByte, std::uint8_t(image[kLightingByte] | 0x40)}}));
    }
}

TEST_F(PowerSavingModel, BacklightTimerInRangeShowsTheBit) {
    image[kLcdTimer] = 5;
    ItemMap::SetLcdKeyBacklight(image, 1);
    Open();
    EXPECT_EQ(page.Form().SelectedText(CPowerSavingDlg::IDC_LCD_BACKLIGHT), "All Key ON");
    Pick(CPowerSavingDlg::IDC_LCD_BACKLIGHT, "Lamp Key ON");
    EXPECT_EQ(Diff(image, Saved()), (Changes{{kLightingByte, std::uint8_t(image[kLightingByte] & ~0x40)}}));
}

TEST_F(PowerSavingModel, DimmerRowsFollowTheDisplayType) {
    struct Case {
        std::uint32_t display, stored;
        std::vector<std::string> rows;
        std::string shown;
    };
    const Case cases[] = {
        {2, 2, {"OFF", "1", "2", "3"}, "2"},
        {0, 2, {"OFF", "ON"}, "ON"},
        {3, 1, {"OFF", "ON"}, ""},  // a step the display cannot show: empty, kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.display);
        ItemMap::SetDisplayType(image, c.display);
        ItemMap::SetDimmerLevel(image, c.stored);
        CPowerSavingDlg fresh;
        fresh.Open(image, 0);
        std::vector<std::string> rows;
        for (const auto& row : fresh.Form().Find(CPowerSavingDlg::IDC_DIMMER_LEVEL)->rows)
            rows.push_back(row.text);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(fresh.Form().SelectedText(CPowerSavingDlg::IDC_DIMMER_LEVEL), c.shown);
        CloneImage saved = image;
        fresh.Save(saved);
        EXPECT_EQ(saved, image);
    }
}

TEST_F(PowerSavingModel, LowBatteryDisableSwitchesOffItsSettingsWhichStillSave) {
    ItemMap::SetLowBatteryAlert(image, 1);
    Open();
    EXPECT_FALSE(page.Form().IsEnabled(CPowerSavingDlg::IDC_TX_LOW_BATTERY_ALERT));
    EXPECT_FALSE(page.Form().IsEnabled(CPowerSavingDlg::IDC_LOW_BATTERY_INTERVAL));
    Pick(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT, "Enable");
    page.Changed(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT);
    EXPECT_TRUE(page.Form().IsEnabled(CPowerSavingDlg::IDC_TX_LOW_BATTERY_ALERT));
    Pick(CPowerSavingDlg::IDC_LOW_BATTERY_INTERVAL, "10 sec");
    Pick(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT, "Disable");
    page.Changed(CPowerSavingDlg::IDC_LOW_BATTERY_ALERT);
    EXPECT_FALSE(page.Form().IsEnabled(CPowerSavingDlg::IDC_LOW_BATTERY_INTERVAL));
    EXPECT_EQ(ItemMap::GetLowBatteryAlertInterval(Saved()), 3u);
}

TEST_F(PowerSavingModel, VariantZeroHidesTagBacklightAndLighting) {
    const CloneImage image610 = SettingsTest::DefaultImage("default610v.PDX");
    page.Open(image610, 0);
    const SettingsForm& form = page.Form();
    for (const int id : {2301, 2106, 2109, 2001}) EXPECT_FALSE(form.IsVisible(id)) << id;
    for (const int id : {2201, 2105, 2108, 2114, 2107, 2102, 2103})
        EXPECT_FALSE(form.IsVisible(id)) << id << " is hidden in every variant";
    for (const int id : {2104, 2110, 2111, 2112, 2113, 2115, 2116}) EXPECT_TRUE(form.IsVisible(id)) << id;
}

TEST_F(PowerSavingModel, TagIsWrittenOnlyWhenEdited) {
    Open();
    EXPECT_EQ(Saved(), image);
    page.Form().SetText(CPowerSavingDlg::IDC_TAG, "HELLO");
    const CloneImage saved = Saved();
    EXPECT_EQ(TagCodesToText(ItemMap::GetPowerOnTag(saved)), "HELLO   ");
    for (const auto& [offset, value] : Diff(image, saved))
        EXPECT_TRUE(offset >= CloneImage::BlockOffset(15) && offset < CloneImage::BlockOffset(15, 8))
            << offset;
}
