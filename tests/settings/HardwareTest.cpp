// The Hardware pages without windows: frequencies kept at their stored
// resolution, the times' rounding, the identity boxes that keep what they
// cannot show, and the channels keeping their frequencies when the
// synthesiser values change.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Modes.h"
#include "image/TestHost.h"
#include "settings/Hardware.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

using P1 = CHardwarePage1Dlg;
using P2 = CHardwarePage2Dlg;

struct HardwareModel : ::testing::Test {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    std::unique_ptr<SettingsDialogModel> dialog = CHardwareDlg::MakeDialog();

    SettingsForm& Form(std::size_t page) { return dialog->Page(page).Form(); }
    void Open(int mode = ServiceModes::Engineer) { dialog->Open(image, mode); }
    CloneImage Saved() {
        CloneImage saved = image;
        EXPECT_TRUE(dialog->Confirm(saved));
        return saved;
    }
    // What the user does in an edit: types, then leaves it.
    void Enter(std::size_t page, int id, const std::string& text) {
        Form(page).SetText(id, text);
        dialog->Page(page).Left(id);
    }
};

}  // namespace

TEST(HardwareFrequency, TextsKeepTheStoredResolution) {
    using namespace HardwareRules;
    struct Case {
        int id;
        std::uint32_t stored;
        const char* text;
    };
    const Case cases[] = {
        {P1::IDC_REF_XTAL, 21250, "21.250"},   // a 0.1-MHz text would lose 50 kHz
        {P1::IDC_REF_XTAL, 15360, "15.360"},   {P1::IDC_FIRST_IF, 50850, "50.850"},
        {P1::IDC_FIRST_IF, 45055, "45.055"},   {P1::IDC_MIN_FREQUENCY, 1367, "136.7"},
        {P1::IDC_MAX_FREQUENCY, 4699, "469.9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyText(c.id, c.stored), c.text);
        EXPECT_EQ(FrequencyValue(c.id, c.text), c.stored) << c.text;
    }
    // Typed values are rounded to nearest, never truncated, and bounded.
    EXPECT_EQ(FrequencyValue(P1::IDC_REF_XTAL, "21.2496"), 21250u);
    EXPECT_EQ(FrequencyValue(P1::IDC_MIN_FREQUENCY, "136.69"), 1367u);
    EXPECT_EQ(FrequencyValue(P1::IDC_REF_XTAL, "99"), 65535u);
    EXPECT_EQ(FrequencyValue(P1::IDC_REF_XTAL, "12.5x"), std::nullopt);
}

TEST_F(HardwareModel, NormalModeDisablesOrHidesTheFields) {
    Open(ServiceModes::Normal);
    for (int id : {P1::IDC_MIN_FREQUENCY, P1::IDC_REF_XTAL, P1::IDC_SQL_ATTACK, P1::IDC_CH_STEP})
        EXPECT_FALSE(Form(0).IsEnabled(id)) << id;
    for (int id : {P1::IDC_RX_DCS, P1::IDC_TX_PLL_REF}) EXPECT_FALSE(Form(0).IsVisible(id)) << id;
    for (int id : {P2::IDC_PRODUCT_NAME, P2::IDC_MAX_GROUP, P2::IDC_MAX_CHANNEL, P2::IDC_DISPLAY_TYPE})
        EXPECT_FALSE(Form(1).IsEnabled(id)) << id;
    EXPECT_FALSE(Form(1).IsVisible(P2::IDC_FREQUENCY_TYPE));

    dialog = CHardwareDlg::MakeDialog();
    Open(ServiceModes::Manufacture);
    EXPECT_TRUE(Form(0).IsEnabled(P1::IDC_REF_XTAL));
    EXPECT_TRUE(Form(0).IsVisible(P1::IDC_RX_DCS));
    for (int id : {P2::IDC_DISPLAY_DIGIT, P2::IDC_SAFETY_TYPE, P2::IDC_OPERATION_MODE, P2::IDC_CH_SELECTOR,
                   P2::IDC_OPTION_BOARD})
        EXPECT_FALSE(Form(1).IsVisible(id)) << id;
}

TEST_F(HardwareModel, LeavingAnEditRoundsItsEntry) {
    Open();
    struct Case {
        std::size_t page;
        int id;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {0, P1::IDC_SQL_STABILITY, "7", "6"},     {0, P1::IDC_SQL_RELEASE, "119", "80"},
        {0, P1::IDC_SQL_ATTACK, "999", "100"},    {0, P1::IDC_VOX_RELEASE, "1550", "1500"},
        {0, P1::IDC_VOX_ATTACK, "120", "100"},    {0, P1::IDC_SQL_HYSTERESIS, "300", "255"},
        {0, P1::IDC_REF_XTAL, "21.25", "21.250"}, {1, P2::IDC_MAX_CHANNEL, "37", "32"},
        {1, P2::IDC_MAX_GROUP, "12", "8"},        {1, P2::IDC_MAX_GROUP, "0", "1"},
    };
    for (const auto& c : cases) {
        Enter(c.page, c.id, c.typed);
        EXPECT_EQ(Form(c.page).Text(c.id), c.shown) << c.typed;
    }
    // Min and Max Frequency limit each other.
    Enter(0, P1::IDC_MAX_FREQUENCY, "174.0");
    Enter(0, P1::IDC_MIN_FREQUENCY, "180");
    EXPECT_EQ(Form(0).Text(P1::IDC_MIN_FREQUENCY), "174.0");
    Enter(0, P1::IDC_MIN_FREQUENCY, "150");
    Enter(0, P1::IDC_MAX_FREQUENCY, "140");
    EXPECT_EQ(Form(0).Text(P1::IDC_MAX_FREQUENCY), "150.0");
}

TEST_F(HardwareModel, ValuesWithoutARowAreShownAsTheyMayBeAndKept) {
    ItemMap::SetSafetyType(image, 3);
    ItemMap::SetDisplayType(image, 9);
    ItemMap::SetSingle(ItemMap::SystemItems[9], image, 0x123);  // no product name
    ItemMap::SetMaxGroup(image, 8);
    Open();
    EXPECT_EQ(Form(1).SelectedText(P2::IDC_SAFETY_TYPE), "Other");
    EXPECT_EQ(Form(1).SelectedText(P2::IDC_DISPLAY_TYPE), "Other");
    EXPECT_EQ(Form(1).Value(P2::IDC_PRODUCT_NAME), -1);
    EXPECT_EQ(Diff(image, Saved()), Changes{});

    // "Other" is written when the user picks it.
    dialog = CHardwareDlg::MakeDialog();
    ItemMap::SetDisplayType(image, 5);
    Open();
    Form(1).SelectValue(P2::IDC_DISPLAY_TYPE, 15);
    EXPECT_EQ(ItemMap::GetDisplayType(Saved()), 15u);
}

TEST_F(HardwareModel, MaxGroupAboveEightIsStoredAsTheEightShown) {
    ItemMap::SetMaxGroup(image, 12);
    Open();
    EXPECT_EQ(Form(1).Text(P2::IDC_MAX_GROUP), "8");
    EXPECT_EQ(ItemMap::GetMaxGroup(Saved()), 8u);
}

TEST_F(HardwareModel, ReferenceChangeKeepsEveryChannelFrequency) {
    ItemMap::SetMaxCh(image, 16);
    for (int c : {1, 5, 127}) {
        ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, c, 0);
        ASSERT_TRUE(Channel::SetRxFrequency(image, c, 150.0125 + c * 0.025));
        ASSERT_TRUE(Channel::SetTxFrequency(image, c, 151.5 + c * 0.0125));
    }
    Open();
    Enter(0, P1::IDC_REF_XTAL, "12.8");
    Enter(0, P1::IDC_FIRST_IF, "45.1");
    const CloneImage saved = Saved();
    EXPECT_EQ(ItemMap::GetReferenceXtalFrequency(saved), 12800u);
    EXPECT_EQ(ItemMap::GetFirstIfFrequency(saved), 45100u);
    for (int c : {0, 1, 5, 127}) {
        EXPECT_NEAR(CalcPLLFrequency::RxFrequency(saved, c), CalcPLLFrequency::RxFrequency(image, c), 1e-4) << c;
        EXPECT_NEAR(CalcPLLFrequency::TxFrequency(saved, c), CalcPLLFrequency::TxFrequency(image, c), 1e-4) << c;
        EXPECT_NE(CalcPLLFrequency::ReadWords(saved, c, DirectionRx), CalcPLLFrequency::ReadWords(image, c, DirectionRx))
            << c;
    }
}

TEST_F(HardwareModel, ChannelsBeyondTheCapacityAreNotRewritten) {
    const CloneImage before = image;
    ItemMap::SetReferenceXtalFrequency(image, 12800);
    ItemMap::SetMaxCh(image, 0);
    CloneImage none = image;
    HardwareRules::AfterSave(none, before);
    for (int c : {0, 1, 127})
        EXPECT_EQ(CalcPLLFrequency::ReadWords(none, c, DirectionTx), CalcPLLFrequency::ReadWords(before, c, DirectionTx));

    ItemMap::SetMaxCh(image, 1);  // channels 0-7
    HardwareRules::AfterSave(image, before);
    EXPECT_NE(CalcPLLFrequency::ReadWords(image, 0, DirectionTx), CalcPLLFrequency::ReadWords(before, 0, DirectionTx));
    EXPECT_EQ(CalcPLLFrequency::ReadWords(image, 8, DirectionTx), CalcPLLFrequency::ReadWords(before, 8, DirectionTx));
}

TEST(HardwareDefaults, EveryShownControlHoldsAValue) {
    TestHost host;
    for (const char* file : {"default610v.PDX", "default610ua.PDX", "default610ud.PDX", "default640v.PDX",
                             "default640ua.PDX", "default640ud.PDX"}) {
        const CloneImage image = SettingsTest::DefaultImage(file);
        auto dialog = CHardwareDlg::MakeDialog();
        dialog->Open(image, ServiceModes::Manufacture);
        for (std::size_t p = 0; p < dialog->PageCount(); ++p)
            for (const FormControl& c : dialog->Page(p).Form().Controls()) {
                // Operation Mode and Destination have no list; the product
                // name belongs to one radio and stays erased.
                if (!c.visible || (p == 1 && (c.id == P2::IDC_OPERATION_MODE || c.id == P2::IDC_DESTINATION ||
                                              c.id == P2::IDC_PRODUCT_NAME)))
                    continue;
                if (c.kind == ControlKind::Combo) {
                    EXPECT_NE(c.selection, -1) << file << " " << c.id;
                }
                if (c.kind != ControlKind::Edit) continue;
                const auto value = EditRules::ParseWholeDouble(c.text);
                ASSERT_TRUE(value) << file << " " << c.id;
                EXPECT_GE(*value, c.spec.min) << file << " " << c.id;
                EXPECT_LE(*value, c.spec.max) << file << " " << c.id;
            }
        CloneImage saved = image;
        dialog->Confirm(saved);
        EXPECT_EQ(Diff(image, saved), Changes{}) << file;
    }
}
