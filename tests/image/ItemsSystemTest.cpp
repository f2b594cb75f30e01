#include <gtest/gtest.h>

#include <bit>
#include <span>
#include <string>

#include "ItemTableChecks.h"
#include "image/ItemAccessors.h"
#include "image/ItemsSystem.h"

namespace {

using ItemTableChecks::Expected;
using ItemTableChecks::FirstDifference;

struct TableCase {
    const char* name;
    std::span<const ImageItemDescriptor> table;
    std::size_t count;
    std::size_t areaBegin, areaEnd;
    std::size_t width2, width3, width4;
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.name;
}

class SystemTableTest : public ::testing::TestWithParam<TableCase> {};

TEST_P(SystemTableTest, CountShapeAndWidths) {
    const TableCase& c = GetParam();
    EXPECT_EQ(c.table.size(), c.count);
    ItemTableChecks::ExpectWellFormed(c.table, c.areaBegin, c.areaEnd);
    std::size_t widths[5] = {};
    for (const auto& d : c.table) {
        EXPECT_EQ(d.block, 8u);
        EXPECT_EQ(d.valueMask, 0u);
        ++widths[d.width];
    }
    EXPECT_EQ(widths[2], c.width2);
    EXPECT_EQ(widths[3], c.width3);
    EXPECT_EQ(widths[4], c.width4);
}

TEST_P(SystemTableTest, EveryItemWritesOnlyItsBits) {
    ItemTableChecks::ExpectWritesOnlyItsBits(GetParam().table);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SystemTableTest,
    ::testing::Values(TableCase{"HardwareItems", ItemMap::HardwareItems, 116, 0x2400, 0x24AF, 10, 1, 1},
                      TableCase{"RadioInfoItems", ItemMap::RadioInfoItems, 19, 0x24E8, 0x24FB, 0, 0, 0},
                      TableCase{"SystemItems", ItemMap::SystemItems, 166, 0x2500, 0x2621, 4, 1, 1}),
    [](const auto& info) { return info.param.name; });

// ---- single accessors, against the item's position and bits --------------

struct SingleCase {
    const char* name;
    ItemMap::ItemGetter get;
    ItemMap::ItemSetter set;
    std::size_t position;
    std::uint32_t width, mask, valueMask;
};

void PrintTo(const SingleCase& c, std::ostream* os) {
    *os << c.name;
}

const SingleCase kSystemSingles[] = {
    {"ProductType", ItemMap::GetProductType, ItemMap::SetProductType, 0x2400, 1, 0x30, 0},
    {"SafetyType", ItemMap::GetSafetyType, ItemMap::SetSafetyType, 0x2400, 1, 0xF, 0},
    {"BandType", ItemMap::GetBandType, ItemMap::SetBandType, 0x2402, 1, 0xE0, 0},
    {"FrequencyType", ItemMap::GetFrequencyType, ItemMap::SetFrequencyType, 0x2402, 1, 0x1F, 0},
    {"MaxCh", ItemMap::GetMaxCh, ItemMap::SetMaxCh, 0x2405, 1, 0xFF, 0},
    {"MaxGroup", ItemMap::GetMaxGroup, ItemMap::SetMaxGroup, 0x2404, 1, 0xFF, 0},
    {"KeypadType", ItemMap::GetKeypadType, ItemMap::SetKeypadType, 0x2406, 1, 0xF, 0},
    {"ChSelectorType", ItemMap::GetChSelectorType, ItemMap::SetChSelectorType, 0x2407, 1, 0xF0, 0},
    {"DisplayType", ItemMap::GetDisplayType, ItemMap::SetDisplayType, 0x2407, 1, 0xF, 0},
    {"DisplayDigit", ItemMap::GetDisplayDigit, ItemMap::SetDisplayDigit, 0x2408, 1, 0xF, 0},
    {"OptionBoard", ItemMap::GetOptionBoard, ItemMap::SetOptionBoard, 0x240B, 1, 0x1, 0},
    {"ChannelStep", ItemMap::GetChannelStep, ItemMap::SetChannelStep, 0x2418, 1, 0xF0, 0},
    {"SqlStabilityTime", ItemMap::GetSqlStabilityTime, ItemMap::SetSqlStabilityTime, 0x2419, 1, 0xFF, 0},
    {"SqlReleaseTime", ItemMap::GetSqlReleaseTime, ItemMap::SetSqlReleaseTime, 0x241A, 1, 0xFF, 0},
    {"SqlAttackTime", ItemMap::GetSqlAttackTime, ItemMap::SetSqlAttackTime, 0x241B, 1, 0xFF, 0},
    {"SqlHysteresis", ItemMap::GetSqlHysteresis, ItemMap::SetSqlHysteresis, 0x241C, 1, 0xFF, 0},
    {"VoxOffsetStep", ItemMap::GetVoxOffsetStep, ItemMap::SetVoxOffsetStep, 0x241D, 1, 0xFF, 0},
    {"VoxHysteresis", ItemMap::GetVoxHysteresis, ItemMap::SetVoxHysteresis, 0x241E, 1, 0xFF, 0},
    {"TailEliminationTime", ItemMap::GetTailEliminationTime, ItemMap::SetTailEliminationTime, 0x2423, 1, 0xFF,
     0},
    {"RxDcsData", ItemMap::GetRxDcsData, ItemMap::SetRxDcsData, 0x2468, 1, 0x80, 0},
    {"TxDcsData", ItemMap::GetTxDcsData, ItemMap::SetTxDcsData, 0x2468, 1, 0x40, 0},
    {"LocalOffset", ItemMap::GetLocalOffset, ItemMap::SetLocalOffset, 0x2468, 1, 0x1, 0},
    {"StandardRxPllRef", ItemMap::GetStandardRxPllRef, ItemMap::SetStandardRxPllRef, 0x246F, 1, 0xF0, 0},
    {"StandardTxPllRef", ItemMap::GetStandardTxPllRef, ItemMap::SetStandardTxPllRef, 0x246F, 1, 0xF, 0},
    {"RadioInfo0", ItemMap::GetRadioInfo0, ItemMap::SetRadioInfo0, 0x24E8, 1, 0xFF, 0},
    {"RadioInfo1", ItemMap::GetRadioInfo1, ItemMap::SetRadioInfo1, 0x24E9, 1, 0xFF, 0},
    {"RadioInfo2", ItemMap::GetRadioInfo2, ItemMap::SetRadioInfo2, 0x24EA, 1, 0xFF, 0},
    {"RadioInfo3", ItemMap::GetRadioInfo3, ItemMap::SetRadioInfo3, 0x24EB, 1, 0xFF, 0},
    {"RadioInfo4", ItemMap::GetRadioInfo4, ItemMap::SetRadioInfo4, 0x24EC, 1, 0xFF, 0},
    {"RadioInfo5", ItemMap::GetRadioInfo5, ItemMap::SetRadioInfo5, 0x24ED, 1, 0xFF, 0},
    {"RadioInfo6", ItemMap::GetRadioInfo6, ItemMap::SetRadioInfo6, 0x24EE, 1, 0xFF, 0},
    {"RadioInfo7", ItemMap::GetRadioInfo7, ItemMap::SetRadioInfo7, 0x24EF, 1, 0xFF, 0},
    {"RadioInfo8", ItemMap::GetRadioInfo8, ItemMap::SetRadioInfo8, 0x24F0, 1, 0xFF, 0},
    {"RadioInfo9", ItemMap::GetRadioInfo9, ItemMap::SetRadioInfo9, 0x24F1, 1, 0xFF, 0},
    {"RadioInfo10", ItemMap::GetRadioInfo10, ItemMap::SetRadioInfo10, 0x24F2, 1, 0xFF, 0},
    {"RadioInfo11", ItemMap::GetRadioInfo11, ItemMap::SetRadioInfo11, 0x24F3, 1, 0xFF, 0},
    {"RadioInfo12", ItemMap::GetRadioInfo12, ItemMap::SetRadioInfo12, 0x24F4, 1, 0xFF, 0},
    {"RadioInfo13", ItemMap::GetRadioInfo13, ItemMap::SetRadioInfo13, 0x24F5, 1, 0xFF, 0},
    {"RadioInfo14", ItemMap::GetRadioInfo14, ItemMap::SetRadioInfo14, 0x24F6, 1, 0xFF, 0},
    {"RadioInfo15", ItemMap::GetRadioInfo15, ItemMap::SetRadioInfo15, 0x24F7, 1, 0xFF, 0},
    {"RadioInfo16", ItemMap::GetRadioInfo16, ItemMap::SetRadioInfo16, 0x24F8, 1, 0xFF, 0},
    {"RadioInfo17", ItemMap::GetRadioInfo17, ItemMap::SetRadioInfo17, 0x24F9, 1, 0xFF, 0},
    {"RadioInfo18", ItemMap::GetRadioInfo18, ItemMap::SetRadioInfo18, 0x24FA, 1, 0xFF, 0},
    {"ProductionDate", ItemMap::GetProductionDate, ItemMap::SetProductionDate, 0x2500, 3, 0xFFFFFF, 0},
    {"ProgramVersionMajor", ItemMap::GetProgramVersionMajor, ItemMap::SetProgramVersionMajor, 0x2503, 1, 0xFF,
     0},
    {"ProgramVersionMinor", ItemMap::GetProgramVersionMinor, ItemMap::SetProgramVersionMinor, 0x2504, 1, 0xFF,
     0},
    {"WideBandPermit", ItemMap::GetWideBandPermit, ItemMap::SetWideBandPermit, 0x2505, 1, 0xFF, 0},
    {"SerialNumberWord", ItemMap::GetSerialNumberWord, ItemMap::SetSerialNumberWord, 0x250C, 2, 0xFFFF, 0},
    {"SerialNumber1", ItemMap::GetSerialNumber1, ItemMap::SetSerialNumber1, 0x250E, 1, 0xF0, 0},
    {"SerialNumber2", ItemMap::GetSerialNumber2, ItemMap::SetSerialNumber2, 0x250E, 1, 0xF, 0},
    {"SerialNumber3", ItemMap::GetSerialNumber3, ItemMap::SetSerialNumber3, 0x250F, 1, 0xFF, 0},
    {"SerialNumber4", ItemMap::GetSerialNumber4, ItemMap::SetSerialNumber4, 0x2510, 2, 0xFFFF, 0},
    {"RotarySwAction", ItemMap::GetRotarySwAction, ItemMap::SetRotarySwAction, 0x2518, 1, 0x30, 0},
    {"CtcssTailElimination", ItemMap::GetCtcssTailElimination, ItemMap::SetCtcssTailElimination, 0x2518, 1,
     0x3, 0},
    {"VoxAttackTime", ItemMap::GetVoxAttackTime, ItemMap::SetVoxAttackTime, 0x2519, 1, 0xFF, 0},
    {"VoxReleaseTime", ItemMap::GetVoxReleaseTime, ItemMap::SetVoxReleaseTime, 0x251A, 1, 0xFF, 0},
    {"PowerOnCondition", ItemMap::GetPowerOnCondition, ItemMap::SetPowerOnCondition, 0x2520, 1, 0xFF, 0},
    {"PowerOnGroup", ItemMap::GetPowerOnGroup, ItemMap::SetPowerOnGroup, 0x2521, 1, 0xFF, 0},
    {"PowerOnChannel", ItemMap::GetPowerOnChannel, ItemMap::SetPowerOnChannel, 0x2522, 1, 0xFF, 0},
    {"SystemSave", ItemMap::GetSystemSave, ItemMap::SetSystemSave, 0x2523, 1, 0x80, 0},
    {"LowBatteryAlert", ItemMap::GetLowBatteryAlert, ItemMap::SetLowBatteryAlert, 0x2523, 1, 0x8, 0},
    {"TxLowBatteryAlert", ItemMap::GetTxLowBatteryAlert, ItemMap::SetTxLowBatteryAlert, 0x2523, 1, 0x4, 0},
    {"LowBatteryAlertInterval", ItemMap::GetLowBatteryAlertInterval, ItemMap::SetLowBatteryAlertInterval,
     0x2523, 1, 0x3, 0},
    {"RxSaveOnTime", ItemMap::GetRxSaveOnTime, ItemMap::SetRxSaveOnTime, 0x2524, 1, 0xFF, 0},
    {"RxSaveMode", ItemMap::GetRxSaveMode, ItemMap::SetRxSaveMode, 0x2525, 1, 0xFF, 0},
    {"HookFunction", ItemMap::GetHookFunction, ItemMap::SetHookFunction, 0x2526, 1, 0x10, 0},
    {"OffHookScan", ItemMap::GetOffHookScan, ItemMap::SetOffHookScan, 0x2526, 1, 0x8, 0},
    {"OffHookSignaling", ItemMap::GetOffHookSignaling, ItemMap::SetOffHookSignaling, 0x2526, 1, 0x4, 0},
    {"OffHookCall4", ItemMap::GetOffHookCall4, ItemMap::SetOffHookCall4, 0x2526, 1, 0x2, 0},
    {"OnHookCall5", ItemMap::GetOnHookCall5, ItemMap::SetOnHookCall5, 0x2526, 1, 0x1, 0},
    {"BusyAlert", ItemMap::GetBusyAlert, ItemMap::SetBusyAlert, 0x2528, 1, 0x80, 0},
    {"LcdKeyBacklight", ItemMap::GetLcdKeyBacklight, ItemMap::SetLcdKeyBacklight, 0x2528, 1, 0x40, 0},
    {"RxLcdKeyLighting", ItemMap::GetRxLcdKeyLighting, ItemMap::SetRxLcdKeyLighting, 0x2528, 1, 0x30, 0},
    {"KeyBeep", ItemMap::GetKeyBeep, ItemMap::SetKeyBeep, 0x2528, 1, 0x8, 0},
    {"OneGroupMode", ItemMap::GetOneGroupMode, ItemMap::SetOneGroupMode, 0x2528, 1, 0x2, 0},
    {"VoxTalkPermitTone", ItemMap::GetVoxTalkPermitTone, ItemMap::SetVoxTalkPermitTone, 0x2528, 1, 0x1, 0},
    {"KeyHoldingTime", ItemMap::GetKeyHoldingTime, ItemMap::SetKeyHoldingTime, 0x2529, 1, 0xFF, 0},
    {"RotarySelectorMode", ItemMap::GetRotarySelectorMode, ItemMap::SetRotarySelectorMode, 0x252A, 1, 0xC0,
     0},
    {"ChSelectorChMode", ItemMap::GetChSelectorChMode, ItemMap::SetChSelectorChMode, 0x252A, 1, 0x20, 0},
    {"ExternalPtt", ItemMap::GetExternalPtt, ItemMap::SetExternalPtt, 0x252A, 1, 0x10, 0},
    {"OltaMode", ItemMap::GetOltaMode, ItemMap::SetOltaMode, 0x252A, 1, 0xC, 0},
    {"OltaTxTime", ItemMap::GetOltaTxTime, ItemMap::SetOltaTxTime, 0x252A, 1, 0x2, 0},
    {"OltaBeep", ItemMap::GetOltaBeep, ItemMap::SetOltaBeep, 0x252A, 1, 0x1, 0},
    {"HornAlertTime", ItemMap::GetHornAlertTime, ItemMap::SetHornAlertTime, 0x252B, 1, 0xFF, 0},
    {"InternalMicGain", ItemMap::GetInternalMicGain, ItemMap::SetInternalMicGain, 0x252C, 1, 0xFF, 0},
    {"ExtMicGain", ItemMap::GetExtMicGain, ItemMap::SetExtMicGain, 0x252D, 1, 0xFF, 0},
    {"ExtMicGain2", ItemMap::GetExtMicGain2, ItemMap::SetExtMicGain2, 0x252E, 1, 0xFF, 0},
    {"IgnitionSense", ItemMap::GetIgnitionSense, ItemMap::SetIgnitionSense, 0x2530, 1, 0x80, 0},
    {"HornAlertOneTime", ItemMap::GetHornAlertOneTime, ItemMap::SetHornAlertOneTime, 0x2530, 1, 0x40, 0},
    {"VoxMicSelect", ItemMap::GetVoxMicSelect, ItemMap::SetVoxMicSelect, 0x2530, 1, 0x10, 0},
    {"RadioToRadioClone", ItemMap::GetRadioToRadioClone, ItemMap::SetRadioToRadioClone, 0x2530, 1, 0x8, 0},
    {"UserLedOnTime", ItemMap::GetUserLedOnTime, ItemMap::SetUserLedOnTime, 0x2533, 1, 0xFF, 0},
    {"UserLedOffTime", ItemMap::GetUserLedOffTime, ItemMap::SetUserLedOffTime, 0x2534, 1, 0xFF, 0},
    {"LedColorLowBattery", ItemMap::GetLedColorLowBattery, ItemMap::SetLedColorLowBattery, 0x2570, 1, 0xFF,
     0},
    {"LedColorTx", ItemMap::GetLedColorTx, ItemMap::SetLedColorTx, 0x2571, 1, 0xFF, 0},
    {"LedColorSqlOpenBusy", ItemMap::GetLedColorSqlOpenBusy, ItemMap::SetLedColorSqlOpenBusy, 0x2572, 1, 0xFF,
     0},
    {"LedColorMonitor", ItemMap::GetLedColorMonitor, ItemMap::SetLedColorMonitor, 0x2573, 1, 0xFF, 0},
    {"LedColorScan", ItemMap::GetLedColorScan, ItemMap::SetLedColorScan, 0x2574, 1, 0xFF, 0},
    {"LedColorGroup2", ItemMap::GetLedColorGroup2, ItemMap::SetLedColorGroup2, 0x2575, 1, 0xFF, 0},
    {"LedColorLowPower", ItemMap::GetLedColorLowPower, ItemMap::SetLedColorLowPower, 0x2576, 1, 0xFF, 0},
    {"LedColorEncryption", ItemMap::GetLedColorEncryption, ItemMap::SetLedColorEncryption, 0x2577, 1, 0xFF,
     0},
    {"LedColorVox", ItemMap::GetLedColorVox, ItemMap::SetLedColorVox, 0x2578, 1, 0xFF, 0},
    {"PanelLedA", ItemMap::GetPanelLedA, ItemMap::SetPanelLedA, 0x2579, 1, 0xFF, 0},
    {"PanelLedB", ItemMap::GetPanelLedB, ItemMap::SetPanelLedB, 0x257A, 1, 0xFF, 0},
    {"EmergencyRevertCh", ItemMap::GetEmergencyRevertCh, ItemMap::SetEmergencyRevertCh, 0x25B0, 1, 0xF0, 0},
    {"EmergencyChannel", ItemMap::GetEmergencyChannel, ItemMap::SetEmergencyChannel, 0x25B0, 1, 0x7, 0},
    {"EmergencySelectZone", ItemMap::GetEmergencySelectZone, ItemMap::SetEmergencySelectZone, 0x25B1, 1, 0xFF,
     0},
    {"EmergencySelectChannel", ItemMap::GetEmergencySelectChannel, ItemMap::SetEmergencySelectChannel, 0x25B2,
     1, 0xFF, 0},
    {"EmergencyKeyHoldTime", ItemMap::GetEmergencyKeyHoldTime, ItemMap::SetEmergencyKeyHoldTime, 0x25B3, 1,
     0xFF, 0},
    {"EmergencyContinuousTime", ItemMap::GetEmergencyContinuousTime, ItemMap::SetEmergencyContinuousTime,
     0x25B4, 1, 0xFF, 0},
    {"EmergencyTxTime", ItemMap::GetEmergencyTxTime, ItemMap::SetEmergencyTxTime, 0x25B5, 1, 0xFF, 0},
    {"EmergencyRxTime", ItemMap::GetEmergencyRxTime, ItemMap::SetEmergencyRxTime, 0x25B6, 1, 0xFF, 0},
    {"EmergencySilentMode", ItemMap::GetEmergencySilentMode, ItemMap::SetEmergencySilentMode, 0x25B7, 1, 0x80,
     0},
    {"EmergencyLed", ItemMap::GetEmergencyLed, ItemMap::SetEmergencyLed, 0x25B7, 1, 0x70, 0},
    {"EmergencyAf", ItemMap::GetEmergencyAf, ItemMap::SetEmergencyAf, 0x25B8, 1, 0xC0, 0},
    {"EmergencyKeyInhibit", ItemMap::GetEmergencyKeyInhibit, ItemMap::SetEmergencyKeyInhibit, 0x25B8, 1, 0x20,
     0},
    {"EmergencyReceiveFlash", ItemMap::GetEmergencyReceiveFlash, ItemMap::SetEmergencyReceiveFlash, 0x25B8, 1,
     0x10, 0},
    {"EmergencyLcdBacklight", ItemMap::GetEmergencyLcdBacklight, ItemMap::SetEmergencyLcdBacklight, 0x25B8, 1,
     0xC, 0},
    {"EmergencyDisplay", ItemMap::GetEmergencyDisplay, ItemMap::SetEmergencyDisplay, 0x25B8, 1, 0x3, 0},
    {"LoneWorkerTimer", ItemMap::GetLoneWorkerTimer, ItemMap::SetLoneWorkerTimer, 0x25B9, 1, 0xFF, 0},
    {"EmergencyMicLevel", ItemMap::GetEmergencyMicLevel, ItemMap::SetEmergencyMicLevel, 0x25BA, 1, 0x1, 0},
    {"ProgrammingPasswordOn", ItemMap::GetProgrammingPasswordOn, ItemMap::SetProgrammingPasswordOn, 0x25D0, 1,
     0x4, 0},
    {"ProgrammingPasswordDigit1", ItemMap::GetProgrammingPasswordDigit1,
     ItemMap::SetProgrammingPasswordDigit1, 0x25D1, 1, 0xF0, 0},
    {"ProgrammingPasswordDigit2", ItemMap::GetProgrammingPasswordDigit2,
     ItemMap::SetProgrammingPasswordDigit2, 0x25D1, 1, 0xF, 0},
    {"ProgrammingPasswordDigit3", ItemMap::GetProgrammingPasswordDigit3,
     ItemMap::SetProgrammingPasswordDigit3, 0x25D2, 1, 0xF0, 0},
    {"ProgrammingPasswordDigit4", ItemMap::GetProgrammingPasswordDigit4,
     ItemMap::SetProgrammingPasswordDigit4, 0x25D2, 1, 0xF, 0},
    {"ProgrammingPasswordDigit5", ItemMap::GetProgrammingPasswordDigit5,
     ItemMap::SetProgrammingPasswordDigit5, 0x25D3, 1, 0xF0, 0},
    {"ProgrammingPasswordDigit6", ItemMap::GetProgrammingPasswordDigit6,
     ItemMap::SetProgrammingPasswordDigit6, 0x25D3, 1, 0xF, 0},
};

class SystemAccessorTest : public ::testing::TestWithParam<SingleCase> {};

TEST_P(SystemAccessorTest, WritesExactlyItsBitsAndReadsThemBack) {
    const SingleCase& c = GetParam();
    for (const std::uint8_t fill : {std::uint8_t{0x00}, std::uint8_t{0xFF}}) {
        CloneImage image;
        image.Fill(fill);
        EXPECT_EQ(c.set(image, fill ? 0u : 0xFFFFFFFFu), 1);
        const CloneImage expected = Expected(fill, c.position, c.width, c.mask, c.valueMask);
        EXPECT_TRUE(image == expected) << FirstDifference(image, expected);
        const std::uint32_t all = c.mask >> std::countr_zero(c.mask);
        EXPECT_EQ(c.get(image), fill ? 0u : all);
    }
}

INSTANTIATE_TEST_SUITE_P(Items, SystemAccessorTest, ::testing::ValuesIn(kSystemSingles),
                         [](const auto& info) { return info.param.name; });

// ---- little-endian numbers ------------------------------------------------

TEST(SystemAccessors, FrequencyLimitsAreLittleEndianPairs) {
    struct Case {
        ItemMap::ItemGetter get;
        ItemMap::ItemSetter set;
        std::size_t low;
    };
    for (const Case& c : {Case{ItemMap::GetMinFrequency, ItemMap::SetMinFrequency, 0x240C},
                          Case{ItemMap::GetMaxFrequency, ItemMap::SetMaxFrequency, 0x240E}}) {
        CloneImage image;
        image.Fill(0);
        EXPECT_EQ(c.set(image, 0x71234), 1);  // bits above 16 are dropped
        CloneImage expected;
        expected.Fill(0);
        expected[c.low] = 0x34;
        expected[c.low + 1] = 0x12;
        EXPECT_TRUE(image == expected) << FirstDifference(image, expected);
        EXPECT_EQ(c.get(image), 0x1234u);
    }
}

TEST(SystemAccessors, FirstIfIsALittleEndianWord) {
    CloneImage image;
    const std::uint8_t bytes[] = {0x40, 0x42, 0x0F, 0x00};
    std::copy(std::begin(bytes), std::end(bytes), image.data() + 0x2469);
    EXPECT_EQ(ItemMap::GetFirstIfFrequency(image), 1000000u);

    image.Fill(0);
    EXPECT_EQ(ItemMap::SetFirstIfFrequency(image, 0x12345678), 1);
    CloneImage expected;
    expected.Fill(0);
    expected[0x2469] = 0x78;
    expected[0x246A] = 0x56;
    expected[0x246B] = 0x34;
    expected[0x246C] = 0x12;
    EXPECT_TRUE(image == expected) << FirstDifference(image, expected);
}

TEST(SystemAccessors, ReferenceXtalIsSixteenBitsAndLeavesItsNeighbours) {
    CloneImage image;
    image[0x246D] = 0x00;
    image[0x246E] = 0x7D;
    EXPECT_EQ(ItemMap::GetReferenceXtalFrequency(image), 0x7D00u);  // 0x246F-0x2470 (0xFF) not read

    image.Fill(0xFF);
    EXPECT_EQ(ItemMap::SetReferenceXtalFrequency(image, 0xAAAA1234), 1);
    CloneImage expected;
    expected[0x246D] = 0x34;
    expected[0x246E] = 0x12;
    EXPECT_TRUE(image == expected) << FirstDifference(image, expected);
}

// ---- texts ------------------------------------------------------------------

TEST(SystemAccessors, InfoTextIsPaddedWithFFToThirtyTwoBytes) {
    struct Case {
        std::string text;
        std::string readBack;
    };
    const Case cases[] = {
        {"HELLO", "HELLO"},
        {"", ""},
        {std::string(32, 'A'), std::string(32, 'A')},
        {std::string(40, 'B'), std::string(32, 'B')},  // cut at 32
    };
    for (const Case& c : cases) {
        CloneImage image;
        image.Fill(0);
        EXPECT_EQ(ItemMap::SetInfoText(image, c.text), 1);
        for (std::size_t i = 0; i < 32; ++i)
            EXPECT_EQ(image[0x2620 + i], i < c.readBack.size() ? std::uint8_t(c.readBack[i]) : 0xFF) << i;
        EXPECT_EQ(image[0x2620 + 32], 0x00);  // nothing after the item
        EXPECT_EQ(image[0x261F], 0x00);
        EXPECT_EQ(ItemMap::GetInfoText(image), c.readBack);
    }
}

TEST(SystemAccessors, SecondTextIsReadToTheFirstFF) {
    CloneImage image;
    const char text[] = "ABC";
    std::copy(text, text + 3, image.data() + 0x2600);
    EXPECT_EQ(ItemMap::GetText2600(image), "ABC");
    image.Fill('x');
    EXPECT_EQ(ItemMap::GetText2600(image), std::string(32, 'x'));  // no 0xFF: 32 bytes
}

TEST(SystemAccessors, EmergencyTagIsAnEightByteText) {
    CloneImage image;
    ItemMap::SetEmergencyTag(image, "SOS");
    EXPECT_EQ(image[0x25C0], 'S');
    EXPECT_EQ(image[0x25C3], 0x00);
    EXPECT_EQ(image[0x25C7], 0x00);
    EXPECT_EQ(image[0x25C8], 0xFF);
    EXPECT_EQ(ItemMap::GetEmergencyTag(image), "SOS");
    ItemMap::SetEmergencyTag(image, "ABCDEFGHIJ");
    EXPECT_EQ(ItemMap::GetEmergencyTag(image), "ABCDEFGH");
    EXPECT_EQ(image[0x25C8], 0xFF);
}

TEST(SystemAccessors, SynthesiserReferencesAreMiddleBytesOfWords) {
    // Eight 16-bit words at 0x2471 + 6k, each an 8-bit value in mask 0x0FF0.
    for (int k = 0; k < 8; ++k) {
        const ImageItemDescriptor& d = ItemMap::HardwareItems[86 + k];
        EXPECT_EQ(ImagePosition(d), 0x2471u + 6 * k);
        EXPECT_EQ(d.width, 2u);
        EXPECT_EQ(d.mask, 0x0FF0u);
    }
    CloneImage image;
    image[0x2471] = 0x12;
    image[0x2472] = 0x34;
    EXPECT_EQ(ItemMap::ReadImageField(ItemMap::HardwareItems[86], image), 0x23u);
}

}  // namespace
