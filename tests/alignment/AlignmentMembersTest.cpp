// The other members of the alignment frame, the single-point dialogs, the
// automatic receiver tuning and the squelch measurement: what each sends to
// the simulated radio, what OK stores, and the limits of each layout.
#include "AlignmentFixture.h"
#include "alignment/AlignmentFrame.h"
#include "alignment/SinglePoint.h"
#include "alignment/Tuning.h"
#include "image/Frequency.h"
#include "image/ItemsChannel.h"
#include "image/Model.h"

namespace {

using Frame = AlignmentFrame;
using Cmds = std::vector<std::vector<int>>;
using RadioSim::Fault;
using RadioSim::FaultKind;

class MemberTest : public AlignedLinkTest {};

// Channel record byte `offset` of point `point`.
std::uint8_t& RecordByte(CloneImage& image, int point, int offset) {
    return image[CloneImage::BlockOffset(point / 16, (point % 16) * 64 + offset)];
}

TEST_F(MemberTest, EachMemberOpensKeysUpSendsAndStopsWithItsOwnCommands) {
    const int item9 = 16;  // live item 9 on model 0
    struct Case {
        const char* name;
        Frame::Member member;
        bool channelSetting;  // key-up sends the point's channel setting with 0x32
        Cmds afterSetting;    // what key-up sends between the setting and the value
        std::vector<int> value;  // the value command without the value byte
        Cmds stop;
    } cases[] = {
        {"CTCSS narrow", Frame::Ctcss(1), true, {}, {0x33, item9}, {{0x35}}},
        {"DCS wide", Frame::Dcs(0), true, {{0x37, 1}}, {0x33, item9}, {{0x37, 0}, {0x35}}},
        {"TX power high", Frame::TxPower(0, false), false, {}, {0x32}, {{0x35}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.ClearLog();
        Frame frame(working, c.member, shared.get());
        ASSERT_TRUE(frame.Open());
        const int first = c.member.firstPoint;
        EXPECT_EQ(AlignCommands(sim), (Cmds{{0x30, first / 16, first % 16}, {0x35}}));

        sim.ClearLog();
        const int point = first + 3;
        ASSERT_EQ(frame.OnPtt(3), Frame::Ptt::Keyed);
        Cmds keyUp{{0x30, point / 16, point % 16}, {0x34}};
        if (c.channelSetting) keyUp.push_back({0x32, static_cast<int>(ItemMap::GetChannelItem(working, point))});
        keyUp.insert(keyUp.end(), c.afterSetting.begin(), c.afterSetting.end());
        auto value = c.value;
        value.push_back(frame.Value(3));
        keyUp.push_back(value);
        EXPECT_EQ(AlignCommands(sim), keyUp);
        EXPECT_TRUE(sim.Alignment().transmitting);

        sim.ClearLog();
        ASSERT_TRUE(frame.ScrollRow(3, Frame::Scroll::LineLeft, 0));
        value = c.value;
        value.push_back(frame.Value(3));
        EXPECT_EQ(AlignCommands(sim), (Cmds{value}));

        sim.ClearLog();
        ASSERT_EQ(frame.OnPtt(3), Frame::Ptt::Stopped);
        EXPECT_EQ(AlignCommands(sim), c.stop);
        EXPECT_FALSE(sim.Alignment().transmitting);
    }
}

TEST_F(MemberTest, ReceiverSensitivityReadsTheSignalAfterEveryChange) {
    sim.SetRssiCurve({100, 180, 2, 77});
    Frame frame(working, Frame::RxTune(), shared.get());
    EXPECT_EQ(frame.DialogNumber(), 284);
    ASSERT_TRUE(frame.Open());
    EXPECT_EQ(AlignCommands(sim), (Cmds{{0x30, 0, 0}, {0x35}, {0x32, frame.Value(0)}, {0x31}}));
    EXPECT_EQ(frame.Vcv(), 77);

    frame.OnAdjType(Frame::AdjType::Single);
    sim.ClearLog();
    ASSERT_TRUE(frame.ApplyRowValue(0, 100));
    EXPECT_EQ(AlignCommands(sim), (Cmds{{0x32, 100}, {0x31}}));
    EXPECT_EQ(frame.Rssi(), 180);
    EXPECT_EQ(frame.OnPtt(0), Frame::Ptt::Failed);  // the row buttons never key up
    EXPECT_FALSE(sim.Alignment().transmitting);

    sim.ClearLog();
    ASSERT_TRUE(frame.SelectRow(5));
    EXPECT_EQ(AlignCommands(sim), (Cmds{{0x30, 0, 5}, {0x35}, {0x32, frame.Value(5)}, {0x31}}));
    // The sensitivity is aligned at the receive frequencies.
    EXPECT_DOUBLE_EQ(frame.Frequency(2), CalcPLLFrequency::RxFrequency(working, 2));
}

TEST_F(MemberTest, OkStoresRow7WithTheMembersHeaderByteAndTheRadioTakesIt) {
    struct Case {
        const char* name;
        Frame::Member member;
        int headerByte;  // -1: nothing stored
    } cases[] = {
        {"CTCSS wide", Frame::Ctcss(0), 0x4C}, {"DCS narrow", Frame::Dcs(1), 0x4F},
        {"TX power low", Frame::TxPower(2, false), 0x47}, {"TX power low3", Frame::TxPower(1, false), -1},
        {"RX tune", Frame::RxTune(), 0x50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CloneImage image = working;
        const CloneImage before = image;
        Frame frame(image, c.member, shared.get());
        ASSERT_TRUE(frame.Open());
        frame.OnAdjType(Frame::AdjType::Single);
        ASSERT_TRUE(frame.ApplyRowValue(7, 23));
        ASSERT_TRUE(frame.Finish());
        if (c.headerByte >= 0) {
            EXPECT_EQ(image[static_cast<std::size_t>(c.headerByte)], 23);
        } else {
            EXPECT_TRUE(std::equal(image.data() + 0x46, image.data() + 0x51, before.data() + 0x46));
        }
        EXPECT_EQ(AlignmentData::Checksum(image, AlignmentData::Copy::Eeprom), image[0x30] | (image[0x31] << 8));
        EXPECT_TRUE(std::equal(image.data() + 0x240, image.data() + 0x340,
                               image.data() + CloneImage::BlockOffset(14, 0x300)));
        RecordingView items;
        ASSERT_TRUE(AlignmentOperations::RunAlignItemsWrite(c.member.itemsOperation, image, *shared, items));
        if (c.headerByte >= 0) {
            EXPECT_EQ(sim.Memory()[static_cast<std::size_t>(c.headerByte)], 23);
        }
    }
}

TEST_F(MemberTest, DcsOkKeepsTheTransmitSubAudioTypeOfTheAlignmentChannels) {
    for (int r = 0; r < 16; ++r)
        RecordByte(working, 64 + r, 0x0F) = static_cast<std::uint8_t>((r % 3) << 6 | 0x15);
    CloneImage before = working;
    Frame frame(working, Frame::Dcs(0), shared.get());
    ASSERT_TRUE(frame.Open());
    ASSERT_TRUE(frame.Finish());
    for (int r = 0; r < 16; ++r) EXPECT_EQ(RecordByte(working, 64 + r, 0x0F), RecordByte(before, 64 + r, 0x0F)) << r;
    EXPECT_EQ(sim.Alignment().byte37, 0);  // the DCS modulation is off again
}

TEST_F(MemberTest, CtcssTargetShowsTheTransmitToneOfTheCurrentPoint) {
    RecordByte(working, 32, 0x0F) = 0x40;  // CTCSS
    RecordByte(working, 32, 0x10) = 0x75;  // 88.5 Hz = 885 = 0x375
    RecordByte(working, 32, 0x11) = 0x03;
    RecordByte(working, 33, 0x0F) = 0x80;  // DCS
    Frame frame(working, Frame::Ctcss(0), nullptr);
    EXPECT_EQ(frame.TargetTone(0), "88.5");
    EXPECT_EQ(frame.TargetTone(1), "-----");
}

// Receiver status replies with the given noise readings.
std::vector<std::array<std::uint8_t, 6>> Readings(const std::vector<int>& noise, int rssi) {
    std::vector<std::array<std::uint8_t, 6>> out;
    for (const int n : noise)
        out.push_back({0, static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(rssi), 0, 0, 0});
    return out;
}

TEST_F(MemberTest, SquelchLevelDropsTheHighestAndLowestOfTwentyReadings) {
    std::vector<int> noise{90, 10};
    noise.resize(20, 50);
    sim.QueueStatus(Readings(noise, 33));
    const auto levels = Squelch::Measure(*shared);
    ASSERT_TRUE(levels);
    EXPECT_EQ(levels->noise, 50);
    EXPECT_EQ(levels->rssi, 33);
    EXPECT_EQ(AlignCommands(sim).size(), 20u);

    // A failed read ends the measurement: no level is made of it.
    sim.ClearLog();
    sim.SetFaults({Fault{FaultKind::Nak, 4, -1, 0x31}});
    EXPECT_FALSE(Squelch::Measure(*shared));
    sim.ClearFaults();

    const std::array<int, 20> truncates{7, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2};
    EXPECT_EQ(Squelch::Level(truncates), 19 / 18);
}

TEST_F(MemberTest, SquelchStoresTheMeasuredLevelInItsOwnHeaderByte) {
    for (int i = 0; i < 8; ++i) {
        Squelch::Store(working, i, 100 + i);
        EXPECT_EQ(working[static_cast<std::size_t>(Squelch::Items[i].headerByte)], 100 + i);
        EXPECT_EQ(Squelch::Stored(working, i), 100 + i);
    }
    EXPECT_EQ(Squelch::Items[4].point, 23);
}

TEST_F(MemberTest, AutoTuneFindsThePeakAndStopsTenBelowIt) {
    sim.SetRssiCurve({120, 200, 1, 0});
    Tuning::Request request{55, 10, 0, 0};
    std::vector<int> tried;
    EXPECT_EQ(Tuning::AutoTune(*shared, request, [&](int tune, int) { tried.push_back(tune); }),
              Tuning::AutoTuneResult::Found);
    EXPECT_EQ(request.bestValue, 120);
    EXPECT_EQ(request.bestLevel, 200);
    EXPECT_EQ(tried.back(), 130);  // 190: ten below the peak
    EXPECT_EQ(tried.size(), 14u);
    EXPECT_EQ(sim.Alignment().adjustValue, 130);
    EXPECT_EQ(AlignCommands(sim).front(), (std::vector<int>{0x35}));
}

TEST_F(MemberTest, AutoTuneWithoutSignalOrWithAFailureOffersNothing) {
    sim.SetRssiCurve({120, 0, 1, 0});
    Tuning::Request request{55, 10, 0, 0};
    std::vector<int> tried;
    EXPECT_EQ(Tuning::AutoTune(*shared, request, [&](int tune, int) { tried.push_back(tune); }),
              Tuning::AutoTuneResult::NoSignal);
    EXPECT_EQ(tried.size(), 26u);  // 0, 10 ... 250

    sim.SetRssiCurve({120, 200, 1, 0});
    struct Case {
        std::uint8_t command;
        Tuning::AutoTuneResult result;
    } cases[] = {{0x35, Tuning::AutoTuneResult::CmdError},
                 {0x32, Tuning::AutoTuneResult::TuneSetError},
                 {0x31, Tuning::AutoTuneResult::CmdError}};
    for (const auto& c : cases) {
        sim.SetFaults({Fault{FaultKind::Nak, 0, -1, c.command}});
        EXPECT_EQ(Tuning::AutoTune(*shared, request), c.result) << int(c.command);
        sim.ClearFaults();
    }
}

TEST_F(MemberTest, AutoTuneKeepsTheFirstOfEqualPeaksAndStopsExactlyTenBelow) {
    // Readings at 0, 10, 20, 30, 40: 41 is nine below the peak, 40 ten.
    sim.QueueStatus({{0, 0, 5, 0, 0, 0}, {0, 0, 50, 0, 0, 0}, {0, 0, 50, 0, 0, 0}, {0, 0, 41, 0, 0, 0},
                     {0, 0, 40, 0, 0, 0}, {0, 0, 99, 0, 0, 0}});
    Tuning::Request request{0, 10, 0, 0};
    EXPECT_EQ(Tuning::AutoTune(*shared, request), Tuning::AutoTuneResult::Found);
    EXPECT_EQ(request.bestValue, 10);
    EXPECT_EQ(sim.Alignment().adjustValue, 40);
}

TEST_F(MemberTest, SinglePointDialogsSendTheirOwnTransmitAndValueCommands) {
    const int setting = static_cast<int>(ItemMap::GetChannelItem(working, 7));
    struct Case {
        SinglePoint::Kind kind;
        Cmds keyUp;  // without the value command
        std::vector<int> value;
        Cmds stop;
        int headerByte;
        int operation;
    } cases[] = {
        {SinglePoint::Kind::Dtmf, {{0x34}, {0x32, setting}, {0x36, 0xFF, 0x0A, 8}}, {0x33, 14},
         {{0x36, 0, 0, 0}, {0x35}}, 0x36, 21},
        {SinglePoint::Kind::Frequency, {{0x34}, {0x32, setting}}, {0x3C}, {{0x35}}, 0x39, 20},
        {SinglePoint::Kind::SeqTone, {{0x34}, {0x32, working[0x47]}, {0x36, 0x03, 0xE8, 0}}, {0x33, 14},
         {{0x36, 0, 0, 0}, {0x35}}, 0x37, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        CloneImage image = working;
        SinglePoint dialog(image, c.kind, shared.get());
        dialog.Open();
        sim.ClearLog();
        ASSERT_TRUE(dialog.SetValue(9));  // receiving: nothing goes out
        EXPECT_TRUE(AlignCommands(sim).empty());
        ASSERT_EQ(dialog.OnPtt(), SinglePoint::Ptt::Keyed);
        Cmds keyUp = c.keyUp;
        auto value = c.value;
        value.push_back(9);
        keyUp.push_back(value);
        EXPECT_EQ(AlignCommands(sim), keyUp);

        sim.ClearLog();
        ASSERT_TRUE(dialog.SetValue(11));
        value.back() = 11;
        EXPECT_EQ(AlignCommands(sim), (Cmds{value}));
        EXPECT_FALSE(dialog.OkEnabled());

        sim.ClearLog();
        ASSERT_TRUE(dialog.Finish());
        EXPECT_EQ(AlignCommands(sim), c.stop);
        EXPECT_EQ(image[static_cast<std::size_t>(c.headerByte)], 11);
        EXPECT_EQ(dialog.Info().operation, c.operation);
        EXPECT_EQ(AlignmentData::Checksum(image, AlignmentData::Copy::Eeprom), image[0x30] | (image[0x31] << 8));
        // Only the reference frequency goes to page 14 as well.
        EXPECT_EQ(image[CloneImage::BlockOffset(14, 0x280) + static_cast<std::size_t>(c.headerByte - 0x30)] == 11,
                  c.kind == SinglePoint::Kind::Frequency);
        RecordingView items;
        ASSERT_TRUE(AlignmentOperations::RunAlignItemsWrite(c.operation, image, *shared, items));
        EXPECT_EQ(sim.Memory()[static_cast<std::size_t>(c.headerByte)], 11);
    }
}

TEST_F(MemberTest, AFailedSinglePointStopKeepsTransmitAndTheImage) {
    SinglePoint dialog(working, SinglePoint::Kind::Dtmf, shared.get());
    dialog.Open();
    ASSERT_EQ(dialog.OnPtt(), SinglePoint::Ptt::Keyed);
    const CloneImage before = working;
    sim.SetFaults({Fault{FaultKind::Nak, 0, -1, 0x35}});
    EXPECT_FALSE(dialog.Finish());
    EXPECT_TRUE(dialog.Transmitting());
    EXPECT_EQ(working, before);
    sim.ClearFaults();
    EXPECT_TRUE(dialog.Finish());
    EXPECT_FALSE(sim.Alignment().transmitting);
}

// Model 0 (layout A) or 1 (layout B) without a radio.
CloneImage ModelImage(int index) {
    CloneImage image = RadioSim::MakeRadioImage(index);
    return image;
}

TEST(AlignmentLimits, EachLayoutBoundsTheValuesAndTheScale) {
    struct Case {
        const char* name;
        int model;
        int maximum;
        std::array<int, 5> scale;
    };
    const Case frames[] = {
        {"CTCSS A", 0, 31, {0, 8, 16, 24, 31}}, {"CTCSS B", 1, 255, {0, 64, 128, 192, 255}},
        {"DCS A", 0, 31, {0, 8, 16, 24, 31}},   {"DCS B", 1, 255, {0, 64, 128, 192, 255}},
        {"Power A", 0, 255, {0, 64, 128, 192, 255}}, {"RX tune A", 0, 255, {0, 64, 128, 192, 255}},
    };
    for (const auto& c : frames) {
        SCOPED_TRACE(c.name);
        CloneImage image = ModelImage(c.model);
        const std::string name = c.name;
        const Frame::Member member = name.rfind("CTCSS", 0) == 0 ? Frame::Ctcss(0)
                                     : name.rfind("DCS", 0) == 0 ? Frame::Dcs(0)
                                     : name.rfind("Power", 0) == 0 ? Frame::TxPower(0, false)
                                                                   : Frame::RxTune();
        Frame frame(image, member, nullptr);
        EXPECT_EQ(frame.Maximum(), c.maximum);
        EXPECT_EQ(frame.Scale(), c.scale);
    }
    const Case singles[] = {
        {"DTMF A", 0, 15, {0, 4, 8, 12, 15}}, {"DTMF B", 1, 255, {0, 64, 128, 192, 255}},
        {"Seq A", 0, 15, {0, 4, 8, 12, 15}},  {"Frequency A", 0, 255, {0, 64, 128, 192, 255}},
    };
    for (const auto& c : singles) {
        SCOPED_TRACE(c.name);
        CloneImage image = ModelImage(c.model);
        const std::string name = c.name;
        const auto kind = name[0] == 'D'   ? SinglePoint::Kind::Dtmf
                          : name[0] == 'S' ? SinglePoint::Kind::SeqTone
                                           : SinglePoint::Kind::Frequency;
        SinglePoint dialog(image, kind, nullptr);
        EXPECT_EQ(dialog.Maximum(), c.maximum);
        EXPECT_EQ(dialog.Scale(), c.scale);
        EXPECT_TRUE(dialog.SetValue(300));
        EXPECT_EQ(dialog.Value(), c.maximum);
    }
}

TEST(AlignmentLimits, UnsetSubAudioFactoryBytesShow31OnEveryLayout) {
    CloneImage image = ModelImage(1);
    image[CloneImage::BlockOffset(15, 0x308)] = 255;
    image[CloneImage::BlockOffset(15, 0x318)] = 17;
    Frame frame(image, Frame::Ctcss(0), nullptr);
    EXPECT_EQ(frame.DefaultValue(0), 31);
    EXPECT_EQ(frame.DefaultValue(1), 17);
    Frame low3(image, Frame::TxPower(1, false), nullptr);
    EXPECT_EQ(low3.DefaultValue(0), -1);
    EXPECT_EQ(low3.Value(5), 0);
}

// The special variant: model 0, product 0, band 4, frequency type 3, byte 3 = 2, 0x2406 high nibble 5.
CloneImage SpecialVariant() {
    CloneImage image = ModelImage(0);
    image[0x2400] = static_cast<std::uint8_t>(image[0x2400] & ~0x30);
    image[0x2402] = 0x83;
    image[0x03] = 2;
    image[0x2406] = static_cast<std::uint8_t>((image[0x2406] & 0x0F) | 0x50);
    return image;
}

TEST(AlignmentLimits, SpecialVariantPowerRisesAtMostTenAboveItsReference) {
    CloneImage image = SpecialVariant();
    ASSERT_TRUE(Model::IsSpecialVariant(image));
    image[CloneImage::BlockOffset(15, 0x303 + 16 * 2)] = 120;  // row 2: factory 120
    image[CloneImage::BlockOffset(15, 0x303 + 16 * 4)] = 255;  // row 4: unset, stored value counts
    RecordByte(image, 4, 38) = 200;  // Low, point 4
    RecordByte(image, 64 + 4, 36) = 250;  // High, point 68
    struct Case {
        int kind, row, limit;
    } cases[] = {{2, 2, 130}, {2, 4, 210}, {1, 4, 10}, {3, 4, 10}, {0, 4, 255}, {0, 2, 130}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " row " << c.row);
        Frame frame(image, Frame::TxPower(c.kind, true), nullptr);
        EXPECT_EQ(frame.RowLimit(c.row), c.limit);
        frame.SetRowValue(c.row, 255);
        EXPECT_EQ(frame.Value(c.row), c.limit);
    }
    EXPECT_STREQ(Frame::TxPower(1, true).title, "TX Power Alignment (High)");
    // Elsewhere the power takes the whole range.
    CloneImage other = ModelImage(0);
    Frame open(other, Frame::TxPower(2, false), nullptr);
    EXPECT_EQ(open.RowLimit(2), 255);
}

TEST(AlignmentLimits, TargetPowerFollowsThePowerClass) {
    CloneImage image = ModelImage(0);
    image[CloneImage::BlockOffset(8, 0)] = 0x10;  // not the higher class
    EXPECT_EQ(Frame(image, Frame::TxPower(0, false), nullptr).TargetPower(), "5.0");
    EXPECT_EQ(Frame(image, Frame::TxPower(2, false), nullptr).TargetPower(), "1.0");
    image[CloneImage::BlockOffset(8, 0)] = 0x00;
    image[CloneImage::BlockOffset(8, 6)] = 0x30;
    for (int kind = 0; kind < 4; ++kind)
        EXPECT_EQ(Frame(image, Frame::TxPower(kind, false), nullptr).TargetPower(), "25.0");
}

TEST(SignalGenerator, RowsShowTheScaledByteWithItsUnit) {
    CloneImage image;
    image[CloneImage::BlockOffset(8, 0xEA)] = 10;
    image[CloneImage::BlockOffset(8, 0xE9)] = 0;
    image[CloneImage::BlockOffset(8, 0xE8)] = 0x85;
    EXPECT_EQ(Tuning::SgText(Tuning::RxTuneSg[1], image), "1.0 kHz");
    EXPECT_EQ(Tuning::SgText(Tuning::AutoTuneSg[1], image), "1.0 kHz");
    EXPECT_EQ(Tuning::SgText(Tuning::AutoTuneSg[0], image), "0.0 kHz");
    EXPECT_EQ(Tuning::SgText(Tuning::AutoTuneSg[2], image), "-5 dBuV");
    for (const int item : {2, 3, 6, 7}) {
        EXPECT_EQ(Tuning::SgText(Squelch::SgTable(item)[0], image), "----") << item;
        EXPECT_EQ(Tuning::SgText(Squelch::SgTable(item)[1], image), "----") << item;
    }
    image[CloneImage::BlockOffset(8, 0xF2)] = 30;
    EXPECT_EQ(Tuning::SgText(Squelch::SgTable(0)[0], image), "3.0 kHz");
}

}  // namespace
