#include <gtest/gtest.h>

#include "ToneFixture.h"
#include "image/ItemsTone.h"
#include "tone/ToneTables.h"
#include "tone/TwoToneSettingRules.h"

using namespace TwoToneSetting;

TEST(TwoToneSetting, ToneEditOnLeaving) {
    const std::pair<const char*, const char*> cases[] = {
        {"250", "288.5"},   {"3500", "3000.0"}, {"1234,5", "1234.5"}, {"0", " 0.0"},
        {"", " 0.0"},       {"0.5", "288.5"},   {"abc", "288.5"},     {"0.0", " 0.0"},
        {"1000", "1000.0"}, {"12x", "288.5"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(CommitToneText(typed), shown) << typed;
    EXPECT_EQ(ToneWord(" 0.0"), 0xFFFFu);
    EXPECT_EQ(ToneWord("330.5"), 3305u);
}

TEST(TwoToneSetting, DecodeBandsMarkEveryOverlappingTone) {
    struct Case {
        const char *a, *b;
        std::uint32_t precision;
        bool overlap;
    };
    const Case cases[] = {
        {"1000.0", "1010.0", 10, true}, {"1000.0", "1010.0", 5, true}, {"1000.0", "1011.0", 5, false},
        {"700.0", "700.0", 5, true},    {" 0.0", " 0.0", 40, false},   {"1000.0", " 0.0", 40, false},
    };
    for (const auto& c : cases) {
        ToneTexts tones{"300.0", c.a, "500.0", c.b, "1500.0", "1700.0", "2000.0", "2300.0", "2600.0", "2900.0"};
        const auto marks = OverlappingBands(tones, c.precision);
        EXPECT_EQ(marks[1], c.overlap) << c.a << " " << c.b;
        EXPECT_EQ(marks[3], c.overlap) << c.a << " " << c.b;
        EXPECT_FALSE(marks[0] || marks[2] || marks[4]);
    }
}

TEST(TwoToneSetting, RegistersLeadDelaysAndCodePlan) {
    EXPECT_EQ(ToneRegister(10000, 0x2000), 1221u);
    EXPECT_EQ(ToneRegister(10000, 0), 0xFFFFu);
    EXPECT_EQ(CommitLeadDelay("125"), 120);
    EXPECT_EQ(CommitLeadDelay("3000"), 2550);

    EXPECT_EQ(ToneTables::TwoToneCodePlan[static_cast<std::size_t>(CodePlanStartRow("742.5"))].text,
              std::string("DIA - 742.5"));
    EXPECT_EQ(ToneTables::TwoToneCodePlan[static_cast<std::size_t>(CodePlanStartRow("1400.0"))].text,
              std::string("RB0 -1400.0"));
    EXPECT_EQ(ToneTables::TwoToneCodePlan[static_cast<std::size_t>(CodePlanStartRow("330.55"))].text,
              std::string("110 - 330.5"));
    EXPECT_EQ(CodePlanStartRow("300.0"), 0);

    ToneTexts tones;
    tones.fill("1.0");
    int ge = 0;
    while (std::string(ToneTables::TwoToneCodePlan[static_cast<std::size_t>(ge)].text) != "[GE Type 99-A]") ++ge;
    ApplyCodePlanRow(ge, 4, tones);
    EXPECT_EQ(tones[0], "682.5");
    EXPECT_EQ(tones[9], "637.5");
    ApplyCodePlanRow(CodePlanStartRow("288.5"), 4, tones);
    EXPECT_EQ(tones[4], "288.5");
    EXPECT_EQ(tones[0], "682.5");
    int last = 0;
    while (std::string(ToneTables::TwoToneCodePlan[static_cast<std::size_t>(last)].text) != "[REACH 2T-E]") ++last;
    ApplyCodePlanRow(last, 0, tones);
    EXPECT_EQ(tones[9], "609.0");
    EXPECT_EQ(tones[1], "804.0");
}

TEST(TwoToneSetting, SaveWritesTonesAndSkipsUnselectedCombos) {
    CloneImage image = ToneFixture::ClearedImage();
    ItemMap::SetTone2ReferenceValue(image, 0x2000);
    ToneFixture::B10(image, 0x105) = 7;  // beep repeat interval outside its list
    Values v = Load(image);
    v.beepRepeatInterval = -1;  // the combo shows no selection
    v.tones[0] = "1000.0";
    v.tones[1] = " 0.0";
    v.leadIn = 120;
    v.autoResetTime = 20;
    Save(image, v);
    EXPECT_EQ(ToneFixture::B10(image, 0x105), 7);
    EXPECT_EQ(ItemMap::GetPackBytesLE(image, 0), 10000u);
    EXPECT_EQ(ItemMap::GetPackBytesLE(image, 1), 0xFFFFu);
    EXPECT_EQ(ToneFixture::B10(image, 0x00) | ToneFixture::B10(image, 0x01) << 8, 1221);
    EXPECT_EQ(ToneFixture::B10(image, 0x102), 12);
    for (int s = 0; s < 8; ++s) EXPECT_EQ(ToneFixture::B10(image, 0x122 + 16 * s), 20) << s;
}
