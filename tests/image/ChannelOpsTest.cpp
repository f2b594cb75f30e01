#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "RadioFixture.h"
#include "TestHost.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsScan.h"
#include "image/TagCharRule.h"

namespace {

using RadioFixture::MakeImage;

std::int64_t Hz(double mhz) {
    return RoundHalfUp(mhz * 1e6);
}

const ImageItemDescriptor& InUse() {
    return ItemMap::ChannelBitmapItems[0];
}
const ImageItemDescriptor& GroupValid() {
    return ItemMap::ChannelBitmapItems[1];
}

std::uint32_t TxSet(const CloneImage& image, int c) {
    return ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, c);
}

class ChannelOpsTest : public ::testing::Test {
  protected:
    TestHost host;  // 2026, normal service mode
    CloneImage image = MakeImage({.min100kHz = 1360, .max100kHz = 1740});
};

// ---- Bandwidth ---------------------------------------------------------------

TEST_F(ChannelOpsTest, BandwidthFollowsTheWideBandRuleAndSetsTxSpl) {
    ASSERT_TRUE(Channel::SetTxFrequency(image, 0, 155.0));
    ASSERT_TRUE(Channel::SetTxFrequency(image, 1, 140.0));
    ItemMap::SetChannelWideNarrow(image, 0, 0);  // as an old file may hold it
    ItemMap::SetChannelTxSplType(image, 0, 1);
    EXPECT_TRUE(Channel::BandwidthCodeIsPlain(image, 0));

    Channel::SetBandwidth(image, 0, 0);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 0), 2u) << "narrowband channel in 2026 is narrowed";
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 0), 0u);
    EXPECT_FALSE(Channel::BandwidthCodeIsPlain(image, 0));

    struct Step {
        int from, to;
        std::uint32_t splAfter;
    };
    // Channel 1 lies outside the narrowband bands: any code is allowed.
    const Step steps[] = {{2, 0, 1}, {0, 1, 1}, {1, 2, 0}, {2, 3, 0}};
    for (const auto& s : steps) {
        ItemMap::SetChannelWideNarrow(image, 1, static_cast<std::uint32_t>(s.from));
        ItemMap::SetChannelTxSplType(image, 1, s.from == 2 ? 0 : 1);
        Channel::SetBandwidth(image, 1, s.to);
        EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 1), static_cast<std::uint32_t>(s.to));
        EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 1), s.splAfter) << s.from << "->" << s.to;
    }
    host.now = TestHost::MakeTime(2012, 6, 1, 0, 0);
    Channel::SetBandwidth(image, 0, 0);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 0), 0u) << "before 2013 wide is allowed";
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 0), 1u);
}

TEST_F(ChannelOpsTest, TxFrequencyInNarrowbandNarrowsTheChannel) {
    ItemMap::SetChannelWideNarrow(image, 4, 0);
    ItemMap::SetChannelTxSplType(image, 4, 1);
    ASSERT_TRUE(Channel::SetTxFrequency(image, 4, 160.0));
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 4), 2u);
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 4), 0u);
}

// ---- Frequencies -------------------------------------------------------------

TEST_F(ChannelOpsTest, RxEntrySetsTxWithTheOffsetInTenthsOfMHz) {
    struct Case {
        std::uint32_t offsetRaw;  // as stored in the trailer
        std::int64_t txHz;
    };
    const Case cases[] = {
        {0x80000006u, 144400000},  // -0.6 MHz
        {0x00000050u, 153000000},  // +8.0 MHz
        {0xFFFFFFFFu, 145000000},  // unset: TX = RX
    };
    for (const auto& c : cases) {
        ItemMap::SetSignMagnitude(image, 0);
        for (int i = 0; i < 4; ++i)
            ItemMap::WriteField(image, ItemMap::SignMagnitudeOffset + i, 1, 0xFF, 0,
                                (c.offsetRaw >> (8 * i)) & 0xFF);
        ASSERT_TRUE(Channel::SetRxFrequency(image, 2, 145.0));
        EXPECT_EQ(Hz(CalcPLLFrequency::RxFrequency(image, 2)), 145000000);
        EXPECT_EQ(Hz(CalcPLLFrequency::TxFrequency(image, 2)), c.txHz) << std::hex << c.offsetRaw;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ChannelOpsTest, RxEntryKeepsAClearedTxSetFlagAndTxEntrySetsIt) {
    ItemMap::WriteChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, 3, 0);
    ASSERT_TRUE(Channel::SetRxFrequency(image, 3, 150.0125));
    EXPECT_EQ(TxSet(image, 3), 0u) << "transmit stays off";
    EXPECT_EQ(Hz(CalcPLLFrequency::TxFrequency(image, 3)), 150012500) << "but its words follow RX";
    ASSERT_TRUE(Channel::SetTxFrequency(image, 3, 151.0));
    EXPECT_EQ(TxSet(image, 3), 1u);
    ASSERT_TRUE(Channel::SetRxFrequency(image, 3, 150.0));
    EXPECT_EQ(TxSet(image, 3), 1u);
}

TEST_F(ChannelOpsTest, FrequencyEntriesSnapAndUpdateTheClockShift) {
    ASSERT_TRUE(Channel::SetTxFrequency(image, 0, 154.8288));  // a harmonic of 11.0592 MHz: snapped to 154.83
    EXPECT_EQ(Hz(CalcPLLFrequency::TxFrequency(image, 0)), 154830000);
    EXPECT_EQ(ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxClockShiftItem], image, 0),
              1u)
        << "-7.8 ppm from the 14th harmonic";
    ASSERT_TRUE(Channel::SetTxFrequency(image, 0, 140.0));
    EXPECT_EQ(ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxClockShiftItem], image, 0),
              0u);
}

TEST_F(ChannelOpsTest, UnstorableFrequencyIsRefusedAndReported) {
    RadioFixture::SetHardware(image, {.xtalKHz = 1000, .divider = 255});
    CalcPLLFrequency::WriteWords(image, 5, DirectionRx, {77, 0});
    EXPECT_FALSE(Channel::SetRxFrequency(image, 5, 150.0));
    EXPECT_EQ(CalcPLLFrequency::ReadWords(image, 5, DirectionRx), (PllWords{77, 0}));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, Channel::RidOutOfRange);
    EXPECT_FALSE(host.log.empty());
}

// A frequency outside the image's band (136-174 MHz here), also after the
// 100-555 MHz limit, is refused with the message; the channel keeps both of
// its frequencies and its transmit switch.
TEST_F(ChannelOpsTest, OutOfBandFrequencyIsRefusedAndTheChannelKept) {
    ASSERT_TRUE(Channel::SetTxFrequency(image, 2, 151.0));
    ASSERT_TRUE(Channel::SetRxFrequency(image, 2, 150.0));
    const CloneImage before = image;
    struct Case {
        bool rx;
        double mhz;
    } cases[] = {{true, 600.0}, {true, 44.0}, {true, 174.1}, {false, 135.9}, {false, 555.0}};
    for (const Case& c : cases) {
        host.messages.clear();
        EXPECT_FALSE(c.rx ? Channel::SetRxFrequency(image, 2, c.mhz)
                          : Channel::SetTxFrequency(image, 2, c.mhz))
            << c.mhz;
        EXPECT_EQ(CloneImageOps::Compare(image, before), 0) << c.mhz;
        ASSERT_EQ(host.messages.size(), 1u) << c.mhz;
        EXPECT_EQ(host.messages[0].rid, Channel::RidOutOfRange);
    }
    // The band edges themselves are taken.
    EXPECT_TRUE(Channel::SetRxFrequency(image, 2, 136.0));
    EXPECT_TRUE(Channel::SetTxFrequency(image, 2, 174.0));
}

// An RX frequency in the band whose transmit offset leads out of it keeps
// the old TX frequency.
TEST_F(ChannelOpsTest, RxInBandWithTxOffsetOutOfBandKeepsTheTx) {
    ASSERT_TRUE(Channel::SetTxFrequency(image, 2, 151.0));
    ItemMap::SetSignMagnitude(image, 50);  // +5 MHz
    host.messages.clear();
    ASSERT_TRUE(Channel::SetRxFrequency(image, 2, 172.0));
    EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, 2), 172.0, 1e-6);
    EXPECT_NEAR(CalcPLLFrequency::TxFrequency(image, 2), 151.0, 1e-6);
    EXPECT_TRUE(host.messages.empty());
}

// ---- Sub-audio, OLTA, signalling, ANI, encryption, auto scan -----------------

TEST_F(ChannelOpsTest, SubAudioDecodeAlsoSetsEncodeAndNonDcsTurnsOltaOff) {
    ItemMap::SetChannelOlta(image, 0, 1);
    Channel::SetRxSubAudio(image, 0, {2, 0x13, 1});
    EXPECT_EQ(Channel::GetRxSubAudio(image, 0), (Channel::SubAudio{2, 0x13, 1}));
    EXPECT_EQ(Channel::GetTxSubAudio(image, 0), (Channel::SubAudio{2, 0x13, 0}));
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 0), 1u) << "DCS keeps OLTA 1";
    Channel::SetTxSubAudio(image, 0, 1, 0x0234);
    EXPECT_EQ(Channel::GetTxSubAudio(image, 0), (Channel::SubAudio{1, 0x0234, 0}));
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 0), 0u);
    ItemMap::SetChannelOlta(image, 0, 2);
    Channel::SetTxSubAudio(image, 0, 0, 0);
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 0), 2u) << "only mode 1 depends on DCS";
}

TEST_F(ChannelOpsTest, OltaModeOneForcesDcsOnTheSidesTheRadioModeNames) {
    struct Case {
        std::uint32_t radioMode;
        int rxType, txType;  // after
    };
    const Case cases[] = {{0, 2, 2}, {1, 2, 0}, {2, 1, 2}, {3, 1, 0}};
    for (const auto& c : cases) {
        ItemMap::SetOltaMode(image, c.radioMode);
        Channel::SetRxSubAudio(image, 1, {1, 0x0100, 0});  // CTCSS both sides
        Channel::SetTxSubAudio(image, 1, 0, 0);            // then TX none
        Channel::SetOltaMode(image, 1, 1);
        EXPECT_EQ(Channel::GetRxSubAudio(image, 1).type, c.rxType) << c.radioMode;
        EXPECT_EQ(Channel::GetTxSubAudio(image, 1).type, c.txType) << c.radioMode;
        if (c.rxType == 2) {
            EXPECT_EQ(Channel::GetRxSubAudio(image, 1).code, 19);
        }
        if (c.txType == 2) {
            EXPECT_EQ(Channel::GetTxSubAudio(image, 1).code, 19);
        }
    }
    Channel::SetRxSubAudio(image, 2, {3, 0x55, 0});
    ItemMap::SetOltaMode(image, 0);
    Channel::SetOltaMode(image, 2, 1);
    EXPECT_EQ(Channel::GetRxSubAudio(image, 2), (Channel::SubAudio{3, 0x55, 0})) << "DCS sides stay";
}

TEST_F(ChannelOpsTest, OltaModeTwoSetsAniModeTwo) {
    ItemMap::SetChannelSignalingType(image, 0, 1);
    Channel::SetOltaMode(image, 0, 2);
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 0), 2u);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 2u);
}

TEST_F(ChannelOpsTest, SignalingTypeClearsWhatItExcludes) {
    auto prepare = [&](int c) {
        ItemMap::SetChannelOlta(image, c, 2);
        ItemMap::SetChannelSignalingNo(image, c, 5);
        ItemMap::SetChannelAniType(image, c, 2);
        ItemMap::SetChannelAniMonitor(image, c, 1);
        ItemMap::SetChannelMdc1200Ani(image, c, 9);
        ItemMap::SetChannelEncryption(image, c, 2);
    };
    prepare(0);
    Channel::SetSignalingType(image, 0, 4);
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 0), 2u) << "type 4 keeps OLTA 2";
    EXPECT_EQ(ItemMap::GetChannelSignalingNo(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelEncryption(image, 0), 2u);

    prepare(1);
    Channel::SetSignalingType(image, 1, 7);
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 1), 0u);
    EXPECT_EQ(ItemMap::GetChannelEncryption(image, 1), 0u);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 1), 0u);
    EXPECT_EQ(ItemMap::GetChannelAniMonitor(image, 1), 0u);
    EXPECT_EQ(ItemMap::GetChannelMdc1200Ani(image, 1), 0u);
    Channel::SetEncryption(image, 1, 3);
    EXPECT_EQ(Channel::GetEncryption(image, 1), 0) << "type 7 refuses encryption";
    Channel::SetSignalingType(image, 1, 2);
    Channel::SetEncryption(image, 1, 3);
    EXPECT_EQ(Channel::GetEncryption(image, 1), 3);

    prepare(2);
    Channel::SetSignalingType(image, 2, 1);
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 2), 0u);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 2), 2u) << "only type 4 clears ANI mode 2";
}

TEST_F(ChannelOpsTest, SignalingNumberRangeByType) {
    // The ranges of the channel grid's number list: one table for the grid,
    // the channel editor and the setters.
    struct Case {
        int typeCode;
        int type;
        int number;
        bool valid;
    };
    const Case cases[] = {
        {0x36, 0, 0, true},  {0x36, 0, 1, false},  {0x36, 1, 7, true},   {0x36, 1, 8, false},
        {0x36, 2, 15, true}, {0x36, 2, 16, false}, {0x35, 2, 31, true},  {0x35, 2, 32, false},
        {0x36, 3, 9, true},  {0x36, 3, 10, false}, {0x36, 4, 1, true},   {0x36, 4, 2, false},
        {0x36, 5, 15, true}, {0x36, 5, 16, false}, {0x36, 6, 15, true},  {0x36, 6, 16, false},
        {0x36, 7, 3, true},  {0x36, 7, 4, false},  {0x36, 2, -1, false},
    };
    for (const auto& c : cases) {
        image[0x02] = static_cast<std::uint8_t>(c.typeCode);
        ItemMap::SetChannelSignalingType(image, 0, static_cast<std::uint32_t>(c.type));
        EXPECT_EQ(Channel::IsValidSignalingNumber(image, 0, c.number), c.valid) << c.type << "/" << c.number;
        Channel::SetSignalingNumber(image, 0, c.number);
        EXPECT_EQ(Channel::GetSignalingNumber(image, 0), c.valid ? c.number : 0);
    }
    ItemMap::SetChannelSignalingType(image, 0, 1);
    ItemMap::SetChannelSignalingNo(image, 0, 20);
    EXPECT_EQ(Channel::GetSignalingNumber(image, 0), 0) << "a stored number out of range reads 0";
}

TEST_F(ChannelOpsTest, AniModeTwoTurnsMdcSignalingOff) {
    ItemMap::SetChannelSignalingType(image, 0, 4);
    ItemMap::SetChannelSignalingNo(image, 0, 1);
    ItemMap::SetChannelOlta(image, 0, 2);
    Channel::SetAniMode(image, 0, 2);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 2u);
    EXPECT_EQ(ItemMap::GetChannelSignalingType(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelOlta(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelSignalingNo(image, 0), 0u);
    ItemMap::SetChannelSignalingType(image, 1, 3);
    ItemMap::SetChannelSignalingNo(image, 1, 4);
    Channel::SetAniMode(image, 1, 2);
    EXPECT_EQ(ItemMap::GetChannelSignalingType(image, 1), 3u);
    EXPECT_EQ(ItemMap::GetChannelSignalingNo(image, 1), 4u);
}

TEST_F(ChannelOpsTest, AutoScanRulesAndAGetterThatNeverWrites) {
    ItemMap::SetMaxGroup(image, 1);
    Channel::SetAutoScan(image, 0, 3);
    EXPECT_EQ(ItemMap::GetChannelAutoScan(image, 0), 0u) << "3 needs two groups";
    ItemMap::SetMaxGroup(image, 2);
    Channel::SetAutoScan(image, 0, 3);
    EXPECT_EQ(ItemMap::GetChannelAutoScan(image, 0), 3u);

    // Firmware 1.90 with 1 Group Mode: the feature flag holds.
    ItemMap::SetOneGroupMode(image, 1);
    ItemMap::SetChannelAutoScan(image, 1, 2);
    const CloneImage before = image;
    EXPECT_EQ(Channel::GetAutoScan(image, 1), 0);
    EXPECT_EQ(image, before) << "a getter must not change the image";
    Channel::SetAutoScan(image, 1, 2);
    EXPECT_EQ(ItemMap::GetChannelAutoScan(image, 1), 0u) << "an explicit edit normalises";
    ItemMap::SetOneGroupMode(image, 0);
    ItemMap::SetChannelAutoScan(image, 1, 2);
    EXPECT_EQ(Channel::GetAutoScan(image, 1), 2);
}

TEST_F(ChannelOpsTest, TagGoesThroughTheTagRule) {
    Channel::SetTag(image, 6, "ab-1=x");
    EXPECT_EQ(ItemMap::GetChannelName(image, 6), "AB-1=X  ");
    EXPECT_EQ(Channel::GetTag(image, 6), "AB-1=X  ");
    Channel::SetTag(image, 6, "");
    EXPECT_EQ(ItemMap::GetChannelName(image, 6), "        ");
}

TEST_F(ChannelOpsTest, InUseScanAndEmptyMember) {
    ItemMap::WriteBit(InUse(), image, 9, 0);
    ItemMap::SetChannelScanZoneBit(image, 9, 1);
    EXPECT_TRUE(Channel::IsInUse(image, 9));
    EXPECT_TRUE(Channel::IsInUseForCell(image, 9));
    EXPECT_FALSE(Channel::IsInUse(image, 10));
    EXPECT_FALSE(Channel::IsInUse(image, Channel::NoChannel));
    EXPECT_EQ(Channel::GetScanFlag(image, 9), 1);
}

// ---- Record moves ----------------------------------------------------------------

// 16 channels (Max CH 2), group 0 lists channels 0-15; channel c is named
// "CHc", tuned to 150 + c/100 MHz, in use when c is even, scanned when c % 3 == 0.
class RecordMoveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ItemMap::SetMaxCh(image, 2);
        ItemMap::SetMaxGroup(image, 2);
        for (int c = 0; c < 16; ++c) {
            ItemMap::WriteIndexedItem(image, 0, c, static_cast<std::uint32_t>(c));
            ItemMap::WriteIndexedItem(image, 1, c, 0xFF);
        }
        ItemMap::WriteIndexedItem(image, 1, 0, 15);  // group 1 holds only channel 15
        for (int c = 0; c < 16; ++c) {
            Channel::SetTag(image, c, "CH" + std::to_string(c));
            ASSERT_TRUE(Channel::SetRxFrequency(image, c, 150.0 + c / 100.0));
            ItemMap::WriteBit(InUse(), image, c, c % 2 == 0 ? 0 : 1);
            ItemMap::SetChannelScanZoneBit(image, c, c % 3 == 0 ? 1 : 0);
        }
        Zone::RefreshValidBits(image);
        original = image;
    }
    // The channel that row `row` now holds, recognised by its name.
    std::string Name(int row) { return Channel::GetTag(image, row); }
    void ExpectHolds(int row, int c) {
        EXPECT_EQ(Name(row), Channel::GetTag(original, c)) << "row " << row;
        EXPECT_EQ(Hz(CalcPLLFrequency::RxFrequency(image, row)), Hz(150.0 + c / 100.0)) << "row " << row;
        EXPECT_EQ(Channel::IsInUse(image, row), row == 0 || Channel::IsInUse(original, c)) << "row " << row;
        EXPECT_EQ(Channel::GetScanFlag(image, row), Channel::GetScanFlag(original, c)) << "row " << row;
    }
    int GroupBit(int g) { return ItemMap::ReadBitmapBit(GroupValid(), image, g); }

    TestHost host;
    CloneImage image = MakeImage({.min100kHz = 1360, .max100kHz = 1740});
    CloneImage original;
};

TEST_F(RecordMoveTest, DeleteMovesRecordsWithTheirBitsAndEmptiesTheLast) {
    Channel::DeleteRecord(image, 4);
    for (int row = 4; row < 15; ++row) ExpectHolds(row, row + 1);
    EXPECT_EQ(Name(15), "        ");
    EXPECT_FALSE(Channel::IsInUse(image, 15));
    EXPECT_EQ(Channel::GetScanFlag(image, 15), 0);
    EXPECT_EQ(GroupBit(1), 1) << "group 1 lists only the emptied channel 15";
    for (int c = 16; c < 128; ++c) EXPECT_EQ(ItemMap::ReadBit(image, c), ItemMap::ReadBit(original, c));
}

TEST_F(RecordMoveTest, CutOfThreeMovesTheRestDownByThree) {
    const int selected[] = {2, 3, 4};
    Channel::StoreClipboard(image, selected);
    for (int i = 2; i >= 0; --i) Channel::DeleteRecord(image, selected[i]);
    for (int row = 2; row < 13; ++row) ExpectHolds(row, row + 3);
    for (int row = 13; row < 16; ++row) EXPECT_FALSE(Channel::IsInUse(image, row));
}

TEST_F(RecordMoveTest, InsertEmptyRecordMovesUpAndClearsOnlyTheName) {
    ItemMap::WriteBit(InUse(), image, 14, 1);  // 14 unused, 15 (group 1's only member) in use
    ItemMap::WriteBit(InUse(), image, 15, 0);
    Zone::RefreshValidBits(image);
    ASSERT_EQ(GroupBit(1), 0);
    original = image;
    Channel::InsertEmptyRecord(image, 5);
    for (int row = 6; row < 16; ++row) ExpectHolds(row, row - 1);
    EXPECT_EQ(Name(5), "        ");
    EXPECT_EQ(Hz(CalcPLLFrequency::RxFrequency(image, 5)), Hz(150.05)) << "other fields stay";
    EXPECT_EQ(GroupBit(1), 1) << "position 15 now holds the unused channel 14; channel 15 dropped off";
}

TEST_F(RecordMoveTest, NewAndCutOnTheLastRowMoveNothing) {
    Channel::InsertEmptyRecord(image, 15);
    for (int row = 0; row < 15; ++row) ExpectHolds(row, row);
    EXPECT_EQ(Name(15), "        ");
    EXPECT_EQ(Hz(CalcPLLFrequency::RxFrequency(image, 15)), Hz(150.15));
    Channel::DeleteRecord(image, 15);
    for (int row = 0; row < 15; ++row) ExpectHolds(row, row);
}

TEST_F(RecordMoveTest, InsertClipboardRecordsTakesTheKeptRecordsAndBits) {
    const int kept[] = {3, 6};
    Channel::StoreClipboard(image, kept);
    EXPECT_EQ(Channel::ClipboardCount(), 2);
    Channel::SetTag(image, 3, "LATER");  // the kept copy is what is inserted
    Channel::InsertClipboardRecords(image, 10);
    ExpectHolds(10, 3);
    ExpectHolds(11, 6);
    for (int row = 12; row < 16; ++row) ExpectHolds(row, row - 2);
    for (int row = 0; row < 10; ++row)
        if (row != 3) ExpectHolds(row, row);
}

TEST_F(RecordMoveTest, PasteOneOntoManyOrPairwise) {
    const int one[] = {4};
    Channel::StoreClipboard(image, one);
    const int targets[] = {1, 7, 9};
    Channel::PasteClipboard(image, targets);
    for (int t : targets) ExpectHolds(t, 4);
    const int two[] = {6, 9};
    Channel::StoreClipboard(image, two);
    const int three[] = {11, 12, 13};
    Channel::PasteClipboard(image, three);
    ExpectHolds(11, 6);
    ExpectHolds(12, 4);  // pasted before from channel 4 onto row 9
    ExpectHolds(13, 13);
}

TEST_F(RecordMoveTest, ChannelOneStaysInUse) {
    Channel::DeleteRecord(image, 0);  // channel 1 (odd, unused) moves onto row 0
    EXPECT_TRUE(Channel::IsInUse(image, 0));
    EXPECT_EQ(Name(0), Channel::GetTag(original, 1));
}

// ---- Groups and capacity -------------------------------------------------------------

TEST_F(RecordMoveTest, GroupValidityAndMembership) {
    ItemMap::SetMaxGroup(image, 3);
    for (int k = 0; k < 16; ++k) ItemMap::WriteIndexedItem(image, 2, k, 0xFF);
    ItemMap::WriteIndexedItem(image, 2, 3, 200);  // not a channel: never in use
    ItemMap::WriteIndexedItem(image, 3, 0, 0);    // group 3 is beyond Max Zone
    Zone::RefreshValidBits(image);
    EXPECT_EQ(GroupBit(0), 0);
    EXPECT_EQ(GroupBit(1), 1) << "channel 15 is not in use";
    EXPECT_EQ(GroupBit(2), 1);
    for (int g = 3; g < 8; ++g) EXPECT_EQ(GroupBit(g), 1) << g;
    ItemMap::WriteBit(InUse(), image, 15, 0);
    Zone::RefreshValidBits(image);
    EXPECT_EQ(GroupBit(1), 0);

    EXPECT_TRUE(Zone::ContainsChannel(image, 15));
    EXPECT_FALSE(Zone::ContainsChannel(image, Channel::NoChannel));
    ItemMap::SetMaxCh(image, 1);  // 8 channels: only the first 8 members count
    EXPECT_FALSE(Zone::ContainsChannel(image, 12));
    EXPECT_TRUE(Zone::ContainsChannel(image, 7));
    ItemMap::SetMaxGroup(image, 0);
    EXPECT_FALSE(Zone::ContainsChannel(image, 0));
}

TEST(MarkBeyondCapacity, MarksOnlyChannelsPastTheCapacity) {
    struct Case {
        std::uint32_t maxCh;
        int firstEmpty;
    };
    for (const Case c : {Case{4, 32}, Case{2, 16}, Case{16, 128}, Case{40, 128}}) {
        CloneImage image;
        for (int ch = 0; ch < 128; ++ch) ItemMap::WriteBit(InUse(), image, ch, 0);
        ItemMap::SetMaxCh(image, c.maxCh);
        Channel::MarkBeyondCapacity(image);
        for (int ch = 0; ch < 128; ++ch)
            EXPECT_EQ(ItemMap::ReadBit(image, ch), ch >= c.firstEmpty ? 1 : 0) << ch;
    }
}

// ---- Image-wide ----------------------------------------------------------------

TEST(CloneImageOps, CompareByFirstDifferingUnsignedByte) {
    CloneImage a, b;
    EXPECT_EQ(CloneImageOps::Compare(a, b), 0);
    a[100] = 0x80;
    b[100] = 0x7F;
    b[5] = 0xFE;
    EXPECT_EQ(CloneImageOps::Compare(a, b), 1) << "byte 5: 0xFF > 0xFE";
    EXPECT_EQ(CloneImageOps::Compare(b, a), -1);
    b[5] = 0xFF;
    EXPECT_EQ(CloneImageOps::Compare(a, b), 1) << "0x80 > 0x7F unsigned";
}

std::vector<int> KeySlots(const CloneImage& image) {
    std::vector<int> slots;
    for (int s = 0; s < 32; ++s)
        slots.push_back(static_cast<int>(ItemMap::GetRecord(ItemMap::SystemItems[71], image, s, 1)));
    return slots;
}

TEST(CloneImageOps, ClearKeySlotsByMode) {
    struct Case {
        int mode;
        std::vector<int> cleared;
    };
    const Case cases[] = {
        {1, {14, 15, 30, 31}}, {0, {10, 11, 12, 13, 14, 15, 26, 27, 28, 29, 30, 31}}, {2, {}}};
    for (const auto& c : cases) {
        CloneImage image;
        for (int s = 0; s < 33; ++s) ItemMap::SetRecord(ItemMap::SystemItems[71], image, s, 1, 7);
        CloneImageOps::ClearKeySlots(image, c.mode);
        std::vector<int> expected(32, 7);
        for (int s : c.cleared) expected[s] = 0;
        EXPECT_EQ(KeySlots(image), expected) << c.mode;
        EXPECT_EQ(ItemMap::GetRecord(ItemMap::SystemItems[71], image, 32, 1), 7u);
    }
}

TEST(CloneImageOps, ResetUnavailableSelections) {
    TestHost host;
    CloneImage image = MakeImage();
    for (int s = 0; s < 32; ++s) ItemMap::SetRecord(ItemMap::SystemItems[71], image, s, 1, s % 2 ? 48 : 51);
    ItemMap::SetPowerOnCondition(image, 16);
    ItemMap::SetEmergencyRevertCh(image, 2);
    ItemMap::SetOneGroupMode(image, 1);  // with firmware 1.90: the feature flag holds
    for (int n = 0; n < 16; ++n) ItemMap::SetTone5DecodeScan(image, n, 2);
    for (int k = 0; k < 16; ++k) ItemMap::WriteIndexedItem(image, 0, k, static_cast<std::uint32_t>(k));
    const CloneImage before = image;

    CloneImageOps::ResetUnavailableSelections(image);
    const std::vector<int> kept = {1, 6, 7, 8, 9, 17, 22, 23, 24, 25};
    for (int s = 0; s < 32; ++s) {
        const bool stays = std::find(kept.begin(), kept.end(), s) != kept.end();
        EXPECT_EQ(ItemMap::GetRecord(ItemMap::SystemItems[71], image, s, 1), stays ? (s % 2 ? 48u : 51u) : 0u)
            << s;
    }
    EXPECT_EQ(ItemMap::GetPowerOnCondition(image), 0u);
    EXPECT_EQ(ItemMap::GetEmergencyRevertCh(image), 3u);
    for (int n = 0; n < 9; ++n) EXPECT_EQ(ItemMap::GetTone5DecodeScan(image, n), 3u) << n;
    // Beyond the nine decode records lie the encode records and the group
    // member table: untouched.
    for (std::size_t i = CloneImage::BlockOffset(13, 0x140); i < CloneImage::BlockOffset(14, 0x10); ++i)
        EXPECT_EQ(image[i], before[i]) << std::hex << i;

    CloneImage other = MakeImage();
    ItemMap::SetPowerOnCondition(other, 4);
    ItemMap::SetTone5DecodeScan(other, 0, 2);  // feature flag off (1 Group Mode 0)
    ItemMap::SetOneGroupMode(other, 0);
    CloneImageOps::ResetUnavailableSelections(other);
    EXPECT_EQ(ItemMap::GetPowerOnCondition(other), 4u);
    EXPECT_EQ(ItemMap::GetTone5DecodeScan(other, 0), 2u);
}

TEST(CloneImageOps, CopyAdjustPoint7ToBaseInTheModelsLayout) {
    for (std::uint32_t type : {0x35u, 0x36u}) {
        CloneImage image = MakeImage({}, type);
        for (int p = 0; p < 16; ++p) {
            ItemMap::SetAlignTableKind1(image, p, 100 + p);
            ItemMap::SetAlignTableKind7(image, p, 200 + p);
            ItemMap::SetAlignTableKind11(image, p, 40 + p);
        }
        CloneImageOps::CopyAdjustPoint7ToBase(image);
        EXPECT_EQ(ItemMap::GetAlignBaseKind1(image), 107u);
        EXPECT_EQ(ItemMap::GetAlignBaseKind11(image), 47u);
        // Layout A keeps 5 bits of kinds 7-10 on both sides.
        EXPECT_EQ(ItemMap::GetAlignBaseKind7(image), type == 0x35 ? (207u & 0x1F) : 207u);
    }
}

TEST(Password, DigitsMatch) {
    CloneImage image;
    const std::uint32_t digits[6] = {1, 2, 3, 4, 5, 6};
    using G = int (*)(CloneImage&, std::uint32_t);
    const G set[6] = {ItemMap::SetProgrammingPasswordDigit1, ItemMap::SetProgrammingPasswordDigit2,
                      ItemMap::SetProgrammingPasswordDigit3, ItemMap::SetProgrammingPasswordDigit4,
                      ItemMap::SetProgrammingPasswordDigit5, ItemMap::SetProgrammingPasswordDigit6};
    for (int i = 0; i < 6; ++i) set[i](image, digits[i]);
    const std::int32_t same[6] = {1, 2, 3, 4, 5, 6};
    const std::int32_t last[6] = {1, 2, 3, 4, 5, 7};
    const std::int32_t big[6] = {17, 2, 3, 4, 5, 6};
    EXPECT_TRUE(Password::DigitsMatch(image, same));
    EXPECT_FALSE(Password::DigitsMatch(image, last));
    EXPECT_FALSE(Password::DigitsMatch(image, big)) << "a value beyond a nibble never matches";
}

// ---- Model conversion ---------------------------------------------------------------

TEST(FixUpAfterModelConversion, NarrowsOnceReencodesAndRecalculates) {
    TestHost host;
    // Before: VHF radio with a 12.8 MHz crystal; after: 15.36 MHz crystal.
    CloneImage before = MakeImage({.xtalKHz = 12800, .divider = 2});
    ItemMap::SetMaxCh(before, 2);
    for (int c = 0; c < 3; ++c) {
        ASSERT_TRUE(Channel::SetTxFrequency(before, c, c == 2 ? 140.0 : 155.0 + c));
        ASSERT_TRUE(Channel::SetRxFrequency(before, c, c == 2 ? 140.0 : 155.0 + c));
    }
    // Wide codes as the other model's file held them.
    for (int c = 0; c < 3; ++c) {
        ItemMap::SetChannelWideNarrow(before, c, c == 1 ? 1 : 0);
        ItemMap::SetChannelTxSplType(before, c, 1);
    }
    CloneImage image = before;
    RadioFixture::SetHardware(image, {.xtalKHz = 15360, .divider = 3});
    for (int p = 0; p < 16; ++p) {
        ItemMap::SetAlignTablePoint(image, p, 1360 + 25 * p);
        ItemMap::SetAlignTableKind1(image, p, 50 + p);
    }

    CloneImageOps::FixUpAfterModelConversion(image, before);
    ASSERT_EQ(host.messages.size(), 1u) << "one message for all channels";
    EXPECT_EQ(host.messages[0].rid, CloneImageOps::RidWideBandCaution);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 0), 2u);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 1), 2u);
    EXPECT_EQ(ItemMap::GetChannelTxSplType(image, 1), 0u);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(image, 2), 0u) << "140 MHz may stay wide";
    for (int c = 0; c < 3; ++c) {
        const double mhz = c == 2 ? 140.0 : 155.0 + c;
        EXPECT_EQ(Hz(CalcPLLFrequency::TxFrequency(image, c)), Hz(mhz)) << "kept under the new crystal";
        EXPECT_EQ(Hz(CalcPLLFrequency::RxFrequency(image, c)), Hz(mhz));
    }
    EXPECT_EQ(ItemMap::GetChannelAdjustKind1(image, 2), static_cast<std::uint32_t>(50 + 2))
        << "140 MHz between points 1 and 2: 51.6 rounds to 52";

    CloneImage quiet = before;
    host.messages.clear();
    host.serviceMode = 2;
    CloneImageOps::FixUpAfterModelConversion(quiet, before);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(quiet, 0), 0u) << "service mode lifts the rule";
}

}  // namespace
