// The channel editor's value rules: what each control shows and offers, what
// a change writes, and which controls are shown and enabled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GroupAllocationFixture.h"
#include "channel/ChannelEditorRules.h"
#include "channel/ChannelInfoDlgRoutines.h"
#include "image/Frequency.h"
#include "image/ItemsChannel.h"
#include "image/Model.h"
#include "image/TestHost.h"

using namespace ChannelEditor;

namespace {

constexpr int kChannel = 3;

struct Editor : ::testing::Test {
    TestHost host;
    CloneImage image = GroupFixture::MakeImage();

    void SetUp() override {
        for (const auto& item : ItemMap::ChannelItems) ItemMap::WriteChannelField(item, image, kChannel, 0);
        ItemMap::SetChannelRxPllRefType(image, kChannel, 0);
        ItemMap::SetChannelTxPllRefType(image, kChannel, 0);
        ItemMap::SetSignMagnitude(image, 0);
        ASSERT_TRUE(Channel::SetRxFrequency(image, kChannel, 150.0));
        ASSERT_TRUE(Channel::SetTxFrequency(image, kChannel, 151.0));
        host.messages.clear();
    }
    std::vector<std::string> Texts(int id, int channel = kChannel) const {
        std::vector<std::string> texts;
        for (const auto& row : ComboRows(image, channel, id))
            if (row.value != ItemListEnd) texts.emplace_back(row.text);
        return texts;
    }
    std::uint32_t Item(int item) const {
        return ItemMap::ReadChannelField(ItemMap::ChannelItems[item], image, kChannel);
    }
    void SetItem(int item, std::uint32_t value) {
        ItemMap::WriteChannelField(ItemMap::ChannelItems[item], image, kChannel, value);
    }
};

}  // namespace

TEST_F(Editor, ASelectionThatMatchesNoRowWritesNothing) {
    const CloneImage before = image;
    for (const auto& pair : ChannelTables::ChannelInfoControlLists) {
        EXPECT_FALSE(ApplyComboChange(image, kChannel, pair.controlId, -1)) << pair.controlId;
        EXPECT_EQ(image, before) << pair.controlId;
    }
}

TEST_F(Editor, NoChannelShowsNothingAndWritesNothing) {
    const CloneImage before = image;
    EXPECT_EQ(ComboValue(image, -1, Id::Bandwidth), -1);
    EXPECT_EQ(EditText(image, -1, Id::RxFrequency), "");
    EXPECT_FALSE(ApplyComboChange(image, -1, Id::Bandwidth, 0));
    EXPECT_EQ(LeaveFrequency(image, -1, Id::RxFrequency, "150", ""), Leave::Unchanged);
    EXPECT_EQ(image, before);
    const auto plan = PlanControlStates(image, -1, 0);
    for (const auto& [id, state] : plan) {
        if (id == Id::ChannelCombo) continue;
        const bool controlOfPane =
            id >= 2000 || id == Id::Tag || id == Id::RxFrequency || id == Id::DecodeSubAudio;
        if (controlOfPane && state.shown) {
            EXPECT_TRUE(state.cleared) << id;
        }
    }
    EXPECT_TRUE(plan.at(Id::ChannelCombo).enabled);
}

TEST_F(Editor, FlatAfTxKeepsTheDsubAfFieldUnlessTheRowSetsIt) {
    struct Case {
        int productType;
        std::uint32_t fw[4];
        bool combined;
    } cases[] = {
        {0, {0x01, 0x13, 0x03, 0x00}, true},
        {0, {0x01, 0x13, 0x02, 0x00}, false},
        {2, {0x01, 0x90, 0x00, 0x00}, false},
    };
    for (const Case& c : cases) {
        ItemMap::SetProductType(image, static_cast<std::uint32_t>(c.productType));
        RadioFixture::SetFirmware(image, c.fw[0], c.fw[1], c.fw[2], c.fw[3]);
        ASSERT_EQ(FlatAfTxCombined(image), c.combined);
        SetItem(39, 2);
        SetItem(29, 0);
        EXPECT_EQ(ComboValue(image, kChannel, Id::TxFlatAf), c.combined ? 4 : 0);
        EXPECT_TRUE(ApplyComboChange(image, kChannel, Id::TxFlatAf, 1));
        EXPECT_EQ(Item(29), 1u);
        EXPECT_EQ(Item(39), 2u) << "the D-SUB AF field stays";
        EXPECT_TRUE(ApplyComboChange(image, kChannel, Id::TxFlatAf, 0));
        EXPECT_EQ(Item(29), 0u);
        EXPECT_EQ(Item(39), 2u);
    }
    EXPECT_EQ(Texts(Id::TxFlatAf), (std::vector<std::string>{"Normal", "Flat"}));
}

TEST_F(Editor, ChannelOneCannotBeMadeUnused) {
    EXPECT_FALSE(ApplyComboChange(image, 0, Id::Status, 1));
    EXPECT_EQ(ItemMap::ReadBit(image, 0), 0);
    EXPECT_TRUE(ApplyComboChange(image, kChannel, Id::Status, 1));
    EXPECT_EQ(ComboValue(image, kChannel, Id::Status), 1);

    const auto plan = PlanControlStates(image, kChannel, 0);
    EXPECT_TRUE(plan.at(Id::Status).enabled);
    for (int id : {Id::Bandwidth, Id::Tag, Id::RxFrequency, Id::DecodeSubAudio, Id::RxPowerSave, Id::SqlLevel,
                   Id::AniMonitor, Id::ClockShiftOption, Id::PowerLow})
        EXPECT_FALSE(plan.at(id).enabled) << id;
    ApplyComboChange(image, kChannel, Id::Status, 0);
    EXPECT_TRUE(PlanControlStates(image, kChannel, 0).at(Id::SqlLevel).enabled);
}

TEST_F(Editor, FrequencyTextsAreLimitedSnappedAndStored) {
    struct Case {
        int id;
        const char* text;
        Leave result;
        double rx, tx;
        bool message;
    } cases[] = {
        {Id::RxFrequency, "145,5", Leave::Stored, 145.5, 145.5, false},
        {Id::TxFrequency, "146.0125", Leave::Stored, 145.5, 146.0125, false},
        // Limited to 555 and 100 MHz, which lie outside the band: the message,
        // and the channel keeps its frequencies.
        {Id::TxFrequency, "600", Leave::Refused, 145.5, 146.0125, true},
        {Id::RxFrequency, "44", Leave::Refused, 145.5, 146.0125, true},
        {Id::RxFrequency, "abc", Leave::Refused, 145.5, 146.0125, false},
        {Id::RxFrequency, "", Leave::Refused, 145.5, 146.0125, false},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        EXPECT_EQ(LeaveFrequency(image, kChannel, c.id, c.text, EditText(image, kChannel, c.id)), c.result)
            << c.text;
        EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, kChannel), c.rx, 1e-6) << c.text;
        EXPECT_NEAR(CalcPLLFrequency::TxFrequency(image, kChannel), c.tx, 1e-6) << c.text;
        EXPECT_EQ(!host.messages.empty(), c.message) << c.text;
        if (c.message) {
            EXPECT_EQ(host.messages[0].rid, Channel::RidOutOfRange);
        }
    }
}

TEST_F(Editor, LeavingAnUnchangedEditStoresNothing) {
    // A transmit frequency of its own must survive tabbing through RX, and
    // the empty TX text must never be read as a frequency.
    const CloneImage before = image;
    for (int id : {Id::RxFrequency, Id::TxFrequency})
        EXPECT_EQ(
            LeaveFrequency(image, kChannel, id, EditText(image, kChannel, id), EditText(image, kChannel, id)),
            Leave::Unchanged);
    EXPECT_EQ(image, before);
    SetItem(ItemMap::ChannelTxSetItem, 0);
    const CloneImage silent = image;
    EXPECT_EQ(EditText(image, kChannel, Id::TxFrequency), "---.-----");
    EXPECT_EQ(LeaveFrequency(image, kChannel, Id::TxFrequency, "---.-----", "---.-----"), Leave::Unchanged);
    for (int id : {Id::Tag, Id::DecodeSubAudio, Id::EncodeSubAudio}) {
        const std::string shown = EditText(image, kChannel, id);
        EXPECT_EQ(id == Id::Tag ? LeaveTag(image, kChannel, shown, shown)
                                : LeaveSubAudio(image, kChannel, id, shown, shown),
                  Leave::Unchanged);
    }
    EXPECT_EQ(image, silent);
}

TEST_F(Editor, RxOnASilentChannelFillsTxWithTheOffset) {
    SetItem(ItemMap::ChannelTxSetItem, 0);
    ItemMap::SetSignMagnitude(image, -6);  // -0.6 MHz
    EXPECT_EQ(LeaveFrequency(image, kChannel, Id::RxFrequency, "145.0", "150.00000"), Leave::Stored);
    EXPECT_EQ(Item(ItemMap::ChannelTxSetItem), 1u);
    EXPECT_NEAR(CalcPLLFrequency::TxFrequency(image, kChannel), 144.4, 1e-6);
    EXPECT_EQ(EditText(image, kChannel, Id::TxFrequency), "144.40000");
}

TEST(EditorSubAudio, TextsReadAsThePaneReadsThem) {
    struct Case {
        const char* text;
        Channel::SubAudio value;
    } cases[] = {
        {"D-023I", {3, 19, 0}},    {"D-023B", {2, 19, 1}},  {"D-023N", {2, 19, 0}}, {"D-777", {2, 511, 0}},
        {"C-300.0", {1, 2541, 0}}, {"C-67,0", {1, 670, 0}}, {"C-10", {1, 600, 0}},  {"------", {0, 0, 0}},
        {"X-12", {0, 0, 0}},       {"", {0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseSubAudio(c.text), c.value) << c.text;
}

TEST_F(Editor, SubAudioEditsWriteTheirOwnSide) {
    Channel::SetTxSubAudio(image, kChannel, 1, 885);
    EXPECT_EQ(LeaveSubAudio(image, kChannel, Id::DecodeSubAudio, "D-023B", "------"), Leave::Stored);
    EXPECT_EQ(Channel::GetRxSubAudio(image, kChannel), (Channel::SubAudio{2, 19, 1}));
    EXPECT_EQ(Channel::GetTxSubAudio(image, kChannel), (Channel::SubAudio{1, 885, 0})) << "encode untouched";
    EXPECT_EQ(EditText(image, kChannel, Id::DecodeSubAudio), "D-023B");

    // Space steps the type with its default code; F3 steps the polarity.
    struct Step {
        bool space;
        int id;
        Channel::SubAudio expected;
    } steps[] = {
        {false, Id::DecodeSubAudio, {2, 19, 0}}, {false, Id::DecodeSubAudio, {3, 19, 0}},
        {false, Id::DecodeSubAudio, {2, 19, 1}}, {true, Id::DecodeSubAudio, {0, 0, 0}},
        {true, Id::DecodeSubAudio, {1, 670, 0}}, {true, Id::DecodeSubAudio, {2, 19, 0}},
        {true, Id::EncodeSubAudio, {2, 19, 0}},  {false, Id::EncodeSubAudio, {3, 19, 0}},
        {false, Id::EncodeSubAudio, {2, 19, 0}}, {true, Id::EncodeSubAudio, {0, 0, 0}},
    };
    for (const Step& s : steps) {
        if (s.space)
            StepSubAudioType(image, kChannel, s.id);
        else
            StepDcsPolarity(image, kChannel, s.id);
        const auto now = s.id == Id::DecodeSubAudio ? Channel::GetRxSubAudio(image, kChannel)
                                                    : Channel::GetTxSubAudio(image, kChannel);
        EXPECT_EQ(now, s.expected);
    }
}

TEST_F(Editor, SignalingAndAniTypesExcludeEachOther) {
    ApplyComboChange(image, kChannel, Id::AniType, 2);
    ApplyComboChange(image, kChannel, Id::SignalingType, 4);
    EXPECT_EQ(ComboValue(image, kChannel, Id::AniType), 0);
    EXPECT_EQ(ComboValue(image, kChannel, Id::SignalingType), 4);
    ApplyComboChange(image, kChannel, Id::AniType, 2);
    EXPECT_EQ(ComboValue(image, kChannel, Id::SignalingType), 0);
    EXPECT_EQ(ComboValue(image, kChannel, Id::AniType), 2);
    // Type 7 clears the encryption and keeps it cleared.
    ApplyComboChange(image, kChannel, Id::Encryption, 2);
    ApplyComboChange(image, kChannel, Id::SignalingType, 7);
    EXPECT_EQ(ComboValue(image, kChannel, Id::Encryption), 0);
    EXPECT_FALSE(PlanControlStates(image, kChannel, 0).at(Id::Encryption).enabled);
}

TEST_F(Editor, ComboRowsFollowTheRadio) {
    EXPECT_EQ(Texts(Id::SignalingType),
              (std::vector<std::string>{"-------", "2-Tone", "5-Tone", "DTMF Page", "MDC1200", "Option"}));
    ItemMap::SetMaxGroup(image, 1);
    ItemMap::SetOneGroupMode(image, 0);
    EXPECT_EQ(Texts(Id::AutoScan), (std::vector<std::string>{"-", "Scan"}));
    EXPECT_EQ(Texts(Id::ScanGroup), (std::vector<std::string>{"CurrentGrp", "Group-1"}));
    ItemMap::SetMaxGroup(image, 3);
    ItemMap::SetOneGroupMode(image, 1);  // firmware 1.90 in One Group Mode: no "Scan"
    EXPECT_EQ(Texts(Id::AutoScan), (std::vector<std::string>{"-", "Group Scan"}));

    struct LockOut {
        int productType;
        std::uint32_t minor, patch;
        bool btlo;
    } lockOuts[] = {{2, 0x13, 0x03, false},
                    {2, 0x13, 0x04, true},
                    {0, 0x14, 0x03, false},
                    {0, 0x14, 0x04, true},
                    {1, 0x01, 0x00, true}};
    for (const LockOut& c : lockOuts) {
        ItemMap::SetProductType(image, static_cast<std::uint32_t>(c.productType));
        RadioFixture::SetFirmware(image, 0x01, c.minor, c.patch, 0);
        const auto texts = Texts(Id::LockOut);
        EXPECT_EQ(std::find(texts.begin(), texts.end(), "BTLO") != texts.end(), c.btlo) << c.productType;
    }

    ItemMap::SetStandardTxPllRef(image, 2);
    ItemMap::SetStandardRxPllRef(image, 5);
    EXPECT_EQ(Texts(Id::TxPllRef)[2], "Standard");
    EXPECT_EQ(Texts(Id::TxPllRef)[5], "REF 6");
    EXPECT_EQ(Texts(Id::RxPllRef)[5], "Standard");
}

TEST_F(Editor, SystemNumbersComeFromTheGridsList) {
    struct Case {
        int type;
        std::size_t rows;
        const char* first;
        const char* last;
    } cases[] = {{0, 1, "-", "-"}, {1, 8, "1", "8"},   {3, 10, "1", "10"},
                 {4, 2, "1", "2"}, {5, 16, "1", "16"}, {7, 4, "0:OFF", "3:DTMF"}};
    for (const Case& c : cases) {
        ItemMap::SetChannelSignalingType(image, kChannel, static_cast<std::uint32_t>(c.type));
        const auto texts = Texts(Id::SystemNo);
        ASSERT_EQ(texts.size(), c.rows) << c.type;
        EXPECT_EQ(texts.front(), c.first) << c.type;
        EXPECT_EQ(texts.back(), c.last) << c.type;
    }
    ItemMap::SetChannelSignalingType(image, kChannel, 0);
    EXPECT_FALSE(PlanControlStates(image, kChannel, 0).at(Id::SystemNo).enabled);
}

TEST(EditorNavigation, F2AndF5Wrap) {
    struct Case {
        int index, count, next, previous;
    } cases[] = {{0, 128, 1, 127}, {127, 128, 0, 126}, {7, 8, 0, 6}, {-1, 8, 0, 7}, {0, 0, -1, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(NextChannel(c.index, c.count), c.next) << c.index;
        EXPECT_EQ(PreviousChannel(c.index, c.count), c.previous) << c.index;
    }
}

TEST_F(Editor, RuleTableByVariantAndServiceMode) {
    // Variant 0 (the fixture), then variant 3 (band mode 0, display 0).
    auto plan = PlanControlStates(image, kChannel, 0);
    EXPECT_TRUE(plan.at(Id::PriorityMic).shown);
    EXPECT_FALSE(plan.at(Id::DsubMic).shown);
    EXPECT_FALSE(plan.at(Id::TxPllRef).shown) << "normal mode hides the references";
    EXPECT_FALSE(plan.at(Id::DsubAfInput).shown);
    EXPECT_FALSE(plan.at(Id::SelectableTone).shown);
    EXPECT_FALSE(plan.at(Id::SelectableToneCaption).shown);
    EXPECT_TRUE(PlanControlStates(image, kChannel, 1).at(Id::TxPllRef).shown);

    ItemMap::SetProductType(image, 0);
    ItemMap::SetDisplayType(image, 0);
    ASSERT_EQ(Model::GetBandSelection(image), 3);
    plan = PlanControlStates(image, kChannel, 0);
    EXPECT_FALSE(plan.at(Id::PriorityMic).shown);
    EXPECT_TRUE(plan.at(Id::DsubMic).shown);
    EXPECT_FALSE(plan.at(Id::RxPowerSave).enabled);
    EXPECT_TRUE(plan.at(Id::RxPowerSave).shown);
    EXPECT_TRUE(plan.at(Id::DsubAfInput).shown);
    EXPECT_TRUE(plan.at(Id::Tag).cleared) << "a plain display has no name tags";
    EXPECT_FALSE(plan.at(Id::Tag).enabled);
}

TEST_F(Editor, ChannelRulesDecideTheirControls) {
    struct Case {
        int control;
        int item;
        std::uint32_t value;
        int checked;
        bool enabled, cleared;
    } cases[] = {
        {Id::Mdc1200Ani, 15, 1, Id::Mdc1200Ani, false, false},
        {Id::Mdc1200Ani, 15, 2, Id::Mdc1200Ani, true, false},
        {Id::AniMonitor, 15, 0, Id::AniMonitor, false, false},
        {Id::AniMonitor, 15, 3, Id::AniMonitor, true, false},
        {Id::AutoScan, 20, 3, Id::ScanGroup, false, true},
        {Id::AutoScan, 20, 0, Id::ScanGroup, true, false},
        {Id::SignalingType, 40, 2, Id::AniType, false, false},
        {Id::TimeOutTimer, 8, 0, Id::PenaltyTimer, false, false},
        {Id::TimeOutTimer, 8, 4, Id::ReleaseTimer, true, false},
    };
    ItemMap::SetOneGroupMode(image, 0);
    for (const Case& c : cases) {
        SetItem(c.item, c.value);
        const ControlState state = PlanControlStates(image, kChannel, 1).at(c.checked);
        EXPECT_EQ(state.enabled, c.enabled) << c.control << "=" << c.value;
        EXPECT_EQ(state.cleared, c.cleared) << c.control << "=" << c.value;
    }
    // Flat AF(TX) on clears D-SUB AF Input Level where the variant shows it.
    ItemMap::SetProductType(image, 0);
    ItemMap::SetDisplayType(image, 2);
    SetItem(29, 1);
    EXPECT_TRUE(PlanControlStates(image, kChannel, 0).at(Id::DsubAfInput).cleared);
    // Newer firmware in One Group Mode: the status and the scan group are fixed.
    ItemMap::SetOneGroupMode(image, 1);
    const auto plan = PlanControlStates(image, kChannel, 0);
    EXPECT_FALSE(plan.at(Id::Status).enabled);
    EXPECT_FALSE(plan.at(Id::ScanGroup).enabled);
}

TEST_F(Editor, BandwidthFollowsTheNarrowbandRule) {
    // 150 MHz is a narrowband frequency; after 2013 wide is refused there.
    ApplyComboChange(image, kChannel, Id::Bandwidth, 0);
    EXPECT_EQ(ComboValue(image, kChannel, Id::Bandwidth), 2);
    EXPECT_EQ(ComboValue(image, kChannel, Id::TxSpl), 0);
    EXPECT_FALSE(PlanControlStates(image, kChannel, 0).at(Id::Bandwidth).enabled);
    host.serviceMode = 1;
    ApplyComboChange(image, kChannel, Id::Bandwidth, 1);
    EXPECT_EQ(ComboValue(image, kChannel, Id::Bandwidth), 1);
    EXPECT_EQ(ComboValue(image, kChannel, Id::TxSpl), 1);
}

TEST_F(Editor, ReferenceChangeKeepsTheFrequency) {
    const auto rxWords = CalcPLLFrequency::ReadWords(image, kChannel, DirectionRx);
    ItemMap::SetSingle(ItemMap::HardwareItems[86 + 1], image, 6u);  // PLL REF 1 divides by 6
    EXPECT_TRUE(ApplyComboChange(image, kChannel, Id::RxPllRef, 1));
    EXPECT_EQ(ComboValue(image, kChannel, Id::RxPllRef), 1);
    EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, kChannel), 150.0, 1e-6);
    EXPECT_NE(CalcPLLFrequency::ReadWords(image, kChannel, DirectionRx), rxWords);
    EXPECT_NEAR(CalcPLLFrequency::TxFrequency(image, kChannel), 151.0, 1e-6);
}

TEST_F(Editor, ChecksAndPlainCombosWriteTheirField) {
    struct Case {
        int id;
        int value;
        int item;
    } cases[] = {{Id::TxPower, 1, 5},      {Id::SqlLevel, 9, 42},    {Id::Vox, 3, 22},
                 {Id::LockOut, 2, 14},     {Id::TxHpf, 1, 32},       {Id::RxSpl, 1, 31},
                 {Id::DsubMic, 1, 23},     {Id::DsubAfInput, 1, 34}, {Id::DsubAfOutput, 1, 38},
                 {Id::ScanGroup, 255, 21}, {Id::PenaltyTimer, 3, 9}};
    for (const Case& c : cases) {
        EXPECT_TRUE(ApplyComboChange(image, kChannel, c.id, c.value)) << c.id;
        EXPECT_EQ(Item(c.item), static_cast<std::uint32_t>(c.value)) << c.id;
        EXPECT_EQ(ComboValue(image, kChannel, c.id), c.value) << c.id;
    }
    for (int id : {Id::Light, Id::Announce, Id::SignalingButtonNumber, Id::PowerLow}) {
        const CloneImage before = image;
        EXPECT_FALSE(ApplyComboChange(image, kChannel, id, 1)) << id;
        EXPECT_EQ(image, before) << id;
    }
    const int checks[][2] = {{Id::RxPowerSave, 2},
                             {Id::TxPowerSave, 3},
                             {Id::RxClockShift, 11},
                             {Id::TxClockShift, 12},
                             {Id::Compander, 26}};
    for (const auto& c : checks) {
        ApplyCheck(image, kChannel, c[0], true);
        EXPECT_EQ(Item(c[1]), 1u) << c[0];
        EXPECT_TRUE(CheckValue(image, kChannel, c[0]));
        ApplyCheck(image, kChannel, c[0], false);
        EXPECT_EQ(Item(c[1]), 0u) << c[0];
    }
}

TEST(ChannelInfoRoutines, ZoneCountIsClampedToEight) {
    CloneImage image;
    struct Case {
        std::uint32_t stored;
        int count;
    } cases[] = {{0, 0}, {3, 3}, {8, 8}, {12, 8}, {255, 8}};
    for (const Case& c : cases) {
        ItemMap::SetMaxGroup(image, c.stored);
        EXPECT_EQ(ReadZoneCount(image), c.count) << c.stored;
    }
}
