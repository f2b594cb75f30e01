// The Front Panel pages without windows: the gain codes against the aligned
// reference, the 10-ms times, the one-group clean-up and what variant 0
// hides.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"
#include "settings/FrontPanel.h"

using namespace Settings;
using namespace FrontPanelRules;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

using P1 = CFrontPanelPage1Dlg;

struct FrontPanelModel : ::testing::Test {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    std::unique_ptr<SettingsDialogModel> dialog = CFrontPanelDlg::MakeDialog();

    SettingsPage& Page1() { return dialog->Page(0); }
    void Open() { dialog->Open(image, 0); }
    CloneImage Saved() {
        CloneImage saved = image;
        EXPECT_TRUE(dialog->Confirm(saved));
        return saved;
    }
    void Pick(int id, const std::string& text) {
        const auto& rows = Page1().Form().Find(id)->rows;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].text == text) return Page1().Form().SelectIndex(id, static_cast<int>(i));
        FAIL() << "no row " << text << " in " << id;
    }
};

}  // namespace

TEST(FrontPanelGain, CodesAndLevelsOfBothFamilies) {
    struct Case {
        GainScale scale;
        std::int32_t code, level;
    };
    const Case cases[] = {
        {{false, 20, 31}, 0, 20}, {{false, 20, 31}, 1, 28}, {{false, 20, 31}, 2, 31},  // 40 limited
        {{false, 20, 31}, 4, 14}, {{false, 20, 31}, 5, 10}, {{false, 20, 255}, 2, 40},
        {{true, 20, 31}, 1, 22},  {{true, 20, 31}, 2, 24},  {{true, 20, 31}, 4, 18},
        {{true, 20, 31}, 5, 16},  {{true, 3, 31}, 6, 0},    {{true, 20, 31}, -1, 20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LevelOfCode(c.scale, c.code), c.level) << c.scale.steps << " code " << c.code;
        if (c.level != c.scale.upper && c.level != 0 && c.code >= 0) {
            EXPECT_EQ(CodeOfLevel(c.scale, c.level), c.code) << c.scale.steps << " level " << c.level;
        }
    }
    // A level none of the codes gives has no code; with reference 0 every
    // code gives 0, which reads back as "Standard".
    EXPECT_EQ(CodeOfLevel({false, 20, 31}, 21), 255);
    EXPECT_EQ(CodeOfLevel({true, 20, 31}, 27), 3);  // +7 steps: a code the list does not offer
    EXPECT_EQ(LevelOfCode({false, 0, 31}, 2), 0);
    EXPECT_EQ(CodeOfLevel({false, 0, 31}, 0), 0);
}

TEST_F(FrontPanelModel, GainOfReferenceTwentyPlusThreeDecibels) {
    ItemMap::SetAlignIntMicGain(image, 20);
    ItemMap::SetInternalMicGain(image, 20);
    const GainScale scale = ScaleOf(image, 0);
    Open();
    EXPECT_EQ(Page1().Form().SelectedText(P1::IDC_INT_MIC_GAIN), "Standard");
    Pick(P1::IDC_INT_MIC_GAIN, "+3 dB");
    EXPECT_EQ(Diff(image, Saved()),
              (Changes{{CloneImage::BlockOffset(8, 0x12C), static_cast<std::uint8_t>(LevelOfCode(scale, 1))}}));
}

TEST_F(FrontPanelModel, AnUnknownGainLevelShowsNothingAndIsKept) {
    ItemMap::SetAlignIntMicGain(image, 20);
    ItemMap::SetInternalMicGain(image, 21);
    Open();
    EXPECT_EQ(Page1().Form().Value(P1::IDC_INT_MIC_GAIN), -1);
    EXPECT_EQ(Saved(), image);
}

TEST_F(FrontPanelModel, TimesAreTenMillisecondUnitsRoundedWhenLeft) {
    Open();
    EXPECT_EQ(Page1().Form().Text(P1::IDC_USER_LED_ON), "500");
    Page1().Form().SetText(P1::IDC_USER_LED_ON, "125");
    Page1().Left(P1::IDC_USER_LED_ON);
    EXPECT_EQ(Page1().Form().Text(P1::IDC_USER_LED_ON), "120");
    // An empty or malformed entry writes nothing.
    Page1().Form().SetText(P1::IDC_USER_LED_OFF, "");
    Page1().Form().SetText(P1::IDC_VOX_ATTACK, "30x");
    EXPECT_EQ(Diff(image, Saved()), (Changes{{CloneImage::BlockOffset(8, 0x133), 12}}));
}

TEST_F(FrontPanelModel, OneGroupCleanUpOnNewFirmwareOnly) {
    ItemMap::SetOneGroupMode(image, 1);
    for (int g = 0; g < 8; ++g) {
        ItemMap::SetPriorityChannel(image, g, 3);
        ItemMap::SetGroupScanFlag(image, g, 1);
    }
    const int groups = static_cast<int>(ItemMap::GetMaxGroup(image));
    ASSERT_GT(groups, 0);

    RadioFixture::SetFirmware(image, 0x01, 0x09, 0, 0);
    Open();
    EXPECT_EQ(Saved(), image) << "firmware 1.9 has no clean-up";

    RadioFixture::SetFirmware(image, 0x01, 0x10, 0, 0);
    Open();
    const CloneImage saved = Saved();
    for (int g = 0; g < 8; ++g) {
        EXPECT_EQ(ItemMap::GetPriorityChannel(saved, g), g < groups ? 0xFFu : 3u) << g;
        EXPECT_EQ(ItemMap::GetGroupScanFlag(saved, g), g < groups ? 0u : 1u) << g;
    }
    // The channels' in-use bits (block 14 from 0x180) are the user's.
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(saved[CloneImage::BlockOffset(14, 0x180 + i)], image[CloneImage::BlockOffset(14, 0x180 + i)]);
}

TEST_F(FrontPanelModel, VariantZeroHidesTheSelectorModes) {
    Open();
    const bool hidden = Model::GetBandSelection(image) == 0;
    EXPECT_EQ(Page1().Form().IsVisible(P1::IDC_ROTARY_SELECTOR_MODE), !hidden);
    EXPECT_EQ(Page1().Form().IsVisible(P1::IDC_CH_SELECTOR_CH_MODE), !hidden);
    EXPECT_TRUE(Page1().Form().IsVisible(P1::IDC_KEY_HOLDING_TIME));
    EXPECT_FALSE(Page1().Form().IsVisible(P1::IDC_PANEL_LED_A));
    EXPECT_FALSE(dialog->Page(1).Form().IsVisible(CFrontPanelPage2Dlg::IDC_GROUP2));
    EXPECT_TRUE(dialog->Page(1).Form().IsVisible(CFrontPanelPage2Dlg::IDC_VOX));
}
