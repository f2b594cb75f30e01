// The Miscellaneous pages without windows: the priority-channel list, the
// default split's texts, and what opening and OK do with stored values the
// fields or lists cannot show.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"
#include "settings/KeyFunction.h"
#include "settings/Miscellaneous.h"
#include "settings/SettingsPrint.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

CloneImage EmptyGroups() {
    CloneImage image = SettingsTest::DefaultImage();
    for (int g = 0; g < ItemMap::GroupCount; ++g)
        for (int k = 0; k < ItemMap::GroupSlotCount; ++k) ItemMap::WriteIndexedItem(image, g, k, 0xFF);
    return image;
}

// OK on a freshly opened dialog, as the main window does it.
CloneImage OpenAndConfirm(const CloneImage& image) {
    CloneImage working = image;
    auto dialog = CMiscDlg::MakeDialog();
    dialog->Open(working, 0);
    EXPECT_TRUE(dialog->Confirm(working));
    return working;
}

}  // namespace

TEST(MiscPriorityChannels, SixteenMembersPerGroupEachChannelOnce) {
    TestHost host;
    CloneImage image = EmptyGroups();
    ItemMap::SetDisplayType(image, 0);
    ItemMap::WriteIndexedItem(image, 0, 0, 2);
    ItemMap::WriteIndexedItem(image, 2, 15, 2);    // channel 3 in two groups
    ItemMap::WriteIndexedItem(image, 7, 15, 40);   // the last member byte of the last group
    ItemMap::WriteIndexedItem(image, 3, 4, 200);   // no channel
    // The scan records follow the member table: read as members of group
    // 7 they would list channels that no group holds.
    ItemMap::SetScanType(image, 0, 0);
    ItemMap::SetScanTalkBack(image, 0, 1);
    ItemMap::SetScanRevertCh(image, 0, 5);
    const auto rows = MiscRules::PriorityChannelRows(image, "Disable");
    EXPECT_EQ(rows, (std::vector<ListRow>{{65535, "Disable"}, {2, "CH-003"}, {40, "CH-041"}}));

    ItemMap::SetDisplayType(image, 5);
    ItemMap::WriteChannelName(image, 2, "BASE");
    EXPECT_EQ(MiscRules::PriorityChannelRows(image, "Disable")[1].text, "CH-003 :" + ItemMap::GetChannelName(image, 2));
}

TEST(MiscSplit, TextsAndTenths) {
    struct Case {
        const char* typed;
        const char* shown;
        std::int32_t tenths;
    };
    const Case cases[] = {{"-1.5", "-1.5", -15}, {"12,5", "12.5", 125}, {"12.5", "12.5", 125}, {"2.3", "2.3", 23},
                          {"150", "99.9", 999},  {"-150", "-99.9", -999}, {"abc", "-99.9", -999}, {"", "", 0}};
    for (const Case& c : cases) {
        const std::string shown = MiscRules::CorrectSplit(c.typed);
        EXPECT_EQ(shown, c.shown) << c.typed;
        EXPECT_EQ(MiscRules::SplitTenths(shown), c.tenths) << c.typed;
    }
    EXPECT_EQ(MiscRules::SplitText(-15), "-1.5");
}

// Opening shows what it can; OK writes only what the user changed, except
// where the radio's own rules replace a stored value.
TEST(MiscPages, StoredValuesOnOpeningAndOk) {
    TestHost host;
    const CloneImage base = SettingsTest::DefaultImage();
    const std::size_t split = ItemMap::SignMagnitudeOffset;
    const std::size_t condition = CloneImage::BlockOffset(8, 0x120);
    {
        CloneImage image = base;  // an erased split and one out of range
        for (int i = 0; i < 4; ++i) image[split + i] = 0xFF;
        EXPECT_EQ(Diff(image, OpenAndConfirm(image)), Changes{});
        ItemMap::SetSignMagnitude(image, 1500);
        EXPECT_EQ(Diff(image, OpenAndConfirm(image)), Changes{});
    }
    {
        CloneImage image = base;  // values no list holds
        ItemMap::SetPowerOnCondition(image, 2);
        ItemMap::SetTailEliminationTime(image, 26);
        ItemMap::SetSqlOffsetData(image, 16);
        EXPECT_EQ(Diff(image, OpenAndConfirm(image)), Changes{});
    }
    {
        CloneImage image = base;  // one-group mode has no scan to power on at
        RadioFixture::SetFirmware(image, 0x01, 0x10, 0, 0);
        ItemMap::SetOneGroupMode(image, 1);
        ItemMap::SetPowerOnCondition(image, 16);
        EXPECT_EQ(Diff(image, OpenAndConfirm(image)), (Changes{{condition, 0}}));
    }
    {
        CloneImage image = base;  // no programming password: no cloning
        ItemMap::SetProgrammingPasswordOn(image, 0);
        ItemMap::SetRadioToRadioClone(image, 0);
        const CloneImage saved = OpenAndConfirm(image);
        EXPECT_EQ(ItemMap::GetRadioToRadioClone(saved), 1u);
        EXPECT_EQ(Diff(image, saved).size(), 1u);
    }
}

TEST(MiscPages, ServiceModeEnablesTheTailTimeAndHookFunctionSwitchesItsSettings) {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    ItemMap::SetHookFunction(image, 1);
    for (const int mode : {0, 1}) {
        auto dialog = CMiscDlg::MakeDialog();
        dialog->Open(image, mode);
        const SettingsForm& page2 = dialog->Page(1).Form();
        EXPECT_TRUE(page2.IsVisible(CMiscPage2Dlg::IDC_TAIL_TIME));
        EXPECT_EQ(page2.IsEnabled(CMiscPage2Dlg::IDC_TAIL_TIME), mode != 0);
        EXPECT_FALSE(page2.IsVisible(2112));
        EXPECT_FALSE(page2.IsEnabled(2112)) << "hook function Disable";
    }
    ItemMap::SetHookFunction(image, 0);
    auto dialog = CMiscDlg::MakeDialog();
    dialog->Open(image, 0);
    EXPECT_TRUE(dialog->Page(1).Form().IsEnabled(2112));
}

TEST(MiscPages, PrintsTheShownSettingsOfBothPages) {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    ItemMap::SetSignMagnitude(image, -15);
    ItemMap::SetOltaMode(image, 1);
    SettingsPrint print(CMiscDlg::MakeDialog(), image);
    std::string first, second;
    print.RenderPage(first, &image);
    print.RenderPage(second, &image);
    EXPECT_NE(first.find("[Miscellaneous - 1(Misc 1)]"), std::string::npos) << first;
    EXPECT_NE(first.find("<td>Default Split:</td>\n<td>-1.5</td>\n<td>MHz</td>"), std::string::npos) << first;
    EXPECT_NE(first.find("<td>VOX Talk Permit Tone:</td>"), std::string::npos) << first;
    EXPECT_EQ(first.find("Dual Watch"), std::string::npos) << first;
    EXPECT_NE(second.find("[Miscellaneous - 2(Misc 2)]"), std::string::npos) << second;
    EXPECT_NE(second.find("<td>OLTA Mode:</td>\n<td>RX</td>"), std::string::npos) << second;
    EXPECT_EQ(second.find("Hook"), std::string::npos) << second;
}

// The default data files hold a listed value in every control of the
// Miscellaneous and Key Function dialogs.
TEST(MiscPages, DefaultFilesOpenWithAValueEverywhere) {
    TestHost host;
    for (const char* name : {"default610v.PDX", "default610ua.PDX", "default610ud.PDX", "default640v.PDX",
                             "default640ua.PDX", "default640ud.PDX"}) {
        const CloneImage image = SettingsTest::DefaultImage(name);
        std::unique_ptr<SettingsDialogModel> dialogs[] = {CMiscDlg::MakeDialog(),
                                                          KeyFunctionScreens::MakeDialogFor(image)};
        for (auto& dialog : dialogs) {
            dialog->Open(image, 0);
            for (std::size_t p = 0; p < dialog->PageCount(); ++p)
                EXPECT_EQ(dialog->Page(p).Form().Invalid(), std::vector<int>{})
                    << name << " " << dialog->Spec().caption << " page " << p;
        }
    }
}
