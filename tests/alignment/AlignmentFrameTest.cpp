// The sixteen-point frame with the maximum deviation member: the live
// command sequences against the simulated radio, All Freq, Basic and the
// store on OK.
#include "AlignmentFixture.h"
#include "alignment/AlignmentFrame.h"
#include "alignment/AlignmentMain.h"
#include "image/ItemsChannel.h"

namespace {

using Frame = AlignmentFrame;
using RadioSim::Fault;
using RadioSim::FaultKind;

class FrameTest : public AlignedLinkTest {};

TEST_F(FrameTest, MaxDeviationKeysUpSendsValuesAndStops) {
    Frame frame(working, Frame::MaxDev(0), shared.get());
    EXPECT_EQ(frame.DialogNumber(), 277);
    EXPECT_EQ(frame.Maximum(), 255);
    EXPECT_EQ(frame.Scale(), (std::array<int, 5>{0, 64, 128, 192, 255}));
    ASSERT_TRUE(frame.Open());
    EXPECT_EQ(AlignCommands(sim), (std::vector<std::vector<int>>{{0x30, 0, 0}, {0x35}}));

    sim.ClearLog();
    const int setting = static_cast<int>(ItemMap::GetChannelItem(working, 3));
    const int value = frame.Value(3);
    ASSERT_EQ(frame.OnPtt(3), Frame::Ptt::Keyed);
    EXPECT_EQ(AlignCommands(sim),
              (std::vector<std::vector<int>>{
                  {0x30, 0, 3}, {0x34}, {0x32, setting}, {0x36, 0, 0, 0}, {0x33, 11, value}}));
    EXPECT_TRUE(sim.Alignment().transmitting);
    EXPECT_TRUE(frame.Transmitting());
    EXPECT_FALSE(frame.OkEnabled());
    EXPECT_FALSE(frame.RowEnabled(7));  // only the keyed row takes input

    // Every change goes out at once while transmitting.
    sim.ClearLog();
    ASSERT_TRUE(frame.ScrollRow(3, Frame::Scroll::LineRight, 0));
    EXPECT_EQ(AlignCommands(sim), (std::vector<std::vector<int>>{{0x33, 11, (value + 1) & 0xFF}}));

    sim.ClearLog();
    ASSERT_EQ(frame.OnPtt(3), Frame::Ptt::Stopped);
    EXPECT_EQ(AlignCommands(sim), (std::vector<std::vector<int>>{{0x36, 0, 0, 0}, {0x35}}));
    EXPECT_FALSE(sim.Alignment().transmitting);
}

TEST_F(FrameTest, AFailedStopKeepsTransmitShownUntilARetrySucceeds) {
    Frame frame(working, Frame::MaxDev(1), shared.get());
    ASSERT_TRUE(frame.Open());
    EXPECT_EQ(sim.Alignment().point, 16);  // narrow starts at point 16
    ASSERT_EQ(frame.OnPtt(0), Frame::Ptt::Keyed);
    sim.SetFaults({Fault{FaultKind::Nak, 0, -1, 0x35}});
    EXPECT_EQ(frame.OnPtt(0), Frame::Ptt::Failed);
    EXPECT_TRUE(frame.Transmitting());
    EXPECT_FALSE(frame.StopForCancel());
    sim.ClearFaults();
    EXPECT_EQ(frame.OnPtt(0), Frame::Ptt::Stopped);
    EXPECT_FALSE(frame.Transmitting());
    EXPECT_FALSE(sim.Alignment().transmitting);
}

TEST_F(FrameTest, AKeyUpThatFailsLeavesTheRadioReceiving) {
    Frame frame(working, Frame::MaxDev(0), shared.get());
    ASSERT_TRUE(frame.Open());
    sim.SetFaults({Fault{FaultKind::Nak, 0, -1, 0x33}});
    EXPECT_EQ(frame.OnPtt(2), Frame::Ptt::Failed);
    EXPECT_FALSE(frame.Transmitting());
    EXPECT_FALSE(sim.Alignment().transmitting);
}

TEST_F(FrameTest, AnItemWithoutCodeIsRefusedAndNothingIsSent) {
    auto member = Frame::MaxDev(0);
    member.itemNumber = 4;  // no code on model 1
    working[0x02] = 0x36;
    Frame frame(working, member, shared.get());
    ASSERT_TRUE(frame.Open());
    sim.ClearLog();
    EXPECT_FALSE(frame.SendPointCommands(Frame::LiveValue, 0));
    EXPECT_TRUE(AlignCommands(sim).empty());
}

TEST_F(FrameTest, OkStoresRow7AndTheTableAndTheImageIsWrittenByOperation19) {
    Frame frame(working, Frame::MaxDev(0), shared.get());
    ASSERT_TRUE(frame.Open());
    frame.OnAdjType(Frame::AdjType::Single);
    ASSERT_TRUE(frame.ApplyRowValue(7, 99));
    ASSERT_TRUE(frame.ApplyRowValue(2, 40));
    ASSERT_TRUE(frame.Finish());
    EXPECT_EQ(working[0x48], 99);  // row 7 even though row 2 changed last
    EXPECT_TRUE(std::equal(working.data() + 0x240, working.data() + 0x340,
                           working.data() + CloneImage::BlockOffset(14, 0x300)));
    EXPECT_EQ(AlignmentData::Checksum(working, AlignmentData::Copy::Eeprom),
              working[0x30] | (working[0x31] << 8));
    RecordingView items;
    ASSERT_TRUE(AlignmentOperations::RunAlignItemsWrite(AlignmentOperations::OpItemsWithPage14, working,
                                                        *shared, items));
    EXPECT_EQ(sim.Memory()[0x48], 99);
}

TEST(FrameModel, AllFreqMovesEveryRowByWhatTheExtremeRowAllows) {
    CloneImage image = MakeAlignRadio();
    Frame frame(image, Frame::MaxDev(0), nullptr);
    frame.Open();  // no radio: only the rows
    frame.OnAdjType(Frame::AdjType::Single);
    for (int r = 0; r < 16; ++r) frame.ApplyRowValue(r, 100 + r);
    frame.ApplyRowValue(15, 252);  // the highest row: maximum - 3
    frame.OnAdjType(Frame::AdjType::AllFreq);
    frame.ApplyRowValue(4, frame.Value(4) + 10);
    EXPECT_EQ(frame.Value(15), 255);
    EXPECT_EQ(frame.Value(4), 107);
    EXPECT_EQ(frame.Value(0), 103);
    // Down: stops when the lowest row reaches 0.
    frame.ApplyRowValue(9, frame.Value(9) - 500);
    EXPECT_EQ(frame.Value(0), 0);
    EXPECT_EQ(frame.Value(15), 152);
}

TEST(FrameModel, BasicLocksAllButThreeRowsAndLeavingItRescalesTheOthers) {
    CloneImage image = MakeAlignRadio();
    Frame frame(image, Frame::MaxDev(0), nullptr);
    frame.OnAdjType(Frame::AdjType::Single);
    frame.Open();
    EXPECT_EQ(frame.Type(), Frame::AdjType::Basic);
    const int b = frame.IsBasicRow(1) ? 1 : 0;
    for (int r = 0; r < 16; ++r) EXPECT_EQ(frame.RowEnabled(r), r == b || r == 7 || r == 14) << r;
    const auto before = [&] {
        std::array<int, 16> v{};
        for (int r = 0; r < 16; ++r) v[static_cast<std::size_t>(r)] = frame.Value(r);
        return v;
    }();
    for (const int r : {b, 7, 14}) frame.ApplyRowValue(r, frame.Value(r));  // Basic rows unchanged
    frame.OnAdjType(Frame::AdjType::Single);
    for (int r = 0; r < 16; ++r) EXPECT_EQ(frame.Value(r), before[static_cast<std::size_t>(r)]) << r;
    for (int r = 0; r < 16; ++r) EXPECT_TRUE(frame.RowEnabled(r));
}

TEST(MainModel, ButtonsAndPreparation) {
    const auto* maxDev = AlignmentMain::FindButton(2410);
    ASSERT_NE(maxDev, nullptr);
    EXPECT_EQ(maxDev->action, AlignmentMain::Action::MaxDev);
    EXPECT_EQ(maxDev->kind, 1);
    EXPECT_EQ(AlignmentMain::FindButton(2422)->action, AlignmentMain::Action::NoSpecification);
    EXPECT_EQ(AlignmentMain::FindButton(2423)->point, 7);
    EXPECT_EQ(AlignmentMain::FindButton(9999), nullptr);
    EXPECT_FALSE(AlignmentMain::PrepareAlignment(nullptr, AlignmentMain::PrepareReceive, 0));
}

TEST_F(FrameTest, PreparationSelectsRecord7ForTheSinglePointDialogs) {
    ASSERT_TRUE(AlignmentMain::PrepareAlignment(
        shared.get(), AlignmentMain::PrepareSelect | AlignmentMain::PrepareReceive, 7));
    EXPECT_EQ(AlignCommands(sim), (std::vector<std::vector<int>>{{0x30, 0, 7}, {0x35}}));
}

TEST_F(FrameTest, EndDeletesTheBackupOnlyAfterTheRadioTookIt) {
    const std::string backup = status;
    const auto run = [&](int op, CloneImage& image) {
        RecordingView view;
        return RunShared(op, image, view);
    };
    // The radio is gone: Cancel fails, the image falls back to the backup, the file stays.
    sim.SetFaults({Fault{FaultKind::NoBeacon}});
    CloneImage image = working;
    EXPECT_EQ(AlignmentMain::End(false, image, backup, run), AlignmentMain::Finish::Failed);
    EXPECT_TRUE(std::filesystem::exists(folder.path() / backup));
    EXPECT_TRUE(SameChannelNamesAs(image, radio));
    sim.ClearFaults();
    // An unreadable backup: nothing is sent.
    std::filesystem::resize_file(folder.path() / backup, 1000);
    sim.ClearLog();
    EXPECT_EQ(AlignmentMain::End(true, image, backup, run), AlignmentMain::Finish::BackupUnreadable);
    EXPECT_TRUE(sim.Log().empty());
    // A good backup: OK writes and deletes it.
    ASSERT_TRUE(AlignmentFiles::SaveBackup(folder.path(), backup, radio));
    EXPECT_EQ(AlignmentMain::End(true, image, backup, run), AlignmentMain::Finish::Done);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / backup));
    EXPECT_EQ(Word511(), 0x5AA5);
}

}  // namespace
