// The operation runner and its power-on step, and the command object driven
// directly (the way the alignment dialogs use it).
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include "SimFixture.h"
#include "serial/CommResult.h"
#include "serial/PXComCommandRetry.h"
#include "serial/RadioFrame.h"

namespace {

using Runner = RadioLinkTest;

int Handshakes(const std::vector<RadioSim::Record>& log) {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [](const RadioSim::Record& r) {
        return r.kind == RadioSim::Record::Kind::Handshake;
    }));
}

TEST_F(Runner, UnknownOperationRunsNothing) {
    CloneImage image;
    RecordingView view;
    EXPECT_FALSE(RunOp(5, image, view));
    PXCommunicationEvent runner(sim.PortPath(), 38400, FastTiming());
    EXPECT_FALSE(runner.Run(0, nullptr, view));
    EXPECT_EQ(view.closes, 0);
    EXPECT_TRUE(sim.Log().empty());
}

TEST_F(Runner, MissingPortIsAPortOpenError) {
    TestHost localHost;
    PXCommunicationEvent runner("/dev/zt-no-such-port", 38400, FastTiming());
    CloneImage image;
    RecordingView view;
    EXPECT_FALSE(runner.Run(0, &image, view));
    EXPECT_EQ(runner.Result(), CommResult::PortOpenError);
    EXPECT_EQ(view.results, std::vector<int>{CommResult::PortOpenError});
    EXPECT_EQ(view.closes, 1);
}

TEST_F(Runner, NoBeaconUsesAllFourPowerOnWindows) {
    sim.SetFaults({{RadioSim::FaultKind::NoBeacon}});
    CloneImage image;
    RecordingView view;
    EXPECT_FALSE(RunOp(0, image, view));
    EXPECT_EQ(result, CommResult::TimeOutError);
    const LinkTiming t = FastTiming();
    EXPECT_GE(elapsedMs, t.firstWindowMs + 3 * t.retryWindowMs);
    // Attempt 0 asks to switch on; each later attempt asks again.
    EXPECT_EQ(view.states, (std::vector<int>{10, 1, 1, 1}));
    EXPECT_EQ(Handshakes(sim.Log()), 0);
}

TEST_F(Runner, WrongModelEndsAfterTheFirstHandshake) {
    sim.SetFaults({{RadioSim::FaultKind::WrongModelCode}});
    CloneImage image;
    RecordingView view;
    EXPECT_FALSE(RunOp(1, image, view));
    EXPECT_EQ(result, CommResult::ProductTypeError);
    EXPECT_EQ(Handshakes(sim.Log()), 1);
}

// A line error on the model probe after the handshake: the radio stays in
// its programming connection and beacons no more, so the later attempts ask
// it again at once instead of waiting for a beacon (and ending with "Time Out
// Error"); a line that stays bad is a communication error.
TEST_F(Runner, ALineErrorOnTheModelProbeAsksTheConnectedRadioAgain) {
    using RadioSim::FaultKind;
    constexpr std::uint8_t F6 = RadioFrame::FlashReadCode;
    const struct {
        const char* name;
        RadioSim::Fault fault;
        int result;
    } cases[] = {
        {"probe refused once", {FaultKind::Nak, 0, 1, F6}, 0},
        {"probe reply spoilt once", {FaultKind::BadChecksum, 0, 1, F6}, 0},
        {"probe echo spoilt twice", {FaultKind::EchoCorrupted, 0, 2, F6}, 0},
        {"probe always refused", {FaultKind::Nak, 0, -1, F6}, CommResult::CommunicationError},
        {"probe reply always spoilt", {FaultKind::BadChecksum, 0, -1, F6}, CommResult::CommunicationError},
    };
    const LinkTiming t = FastTiming();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RadioSim::Simulator radio(FastSimOptions());
        radio.LoadImage(RadioSim::MakeRadioImage(0));
        ASSERT_TRUE(radio.Start());
        radio.SetFaults({c.fault});
        PXCommunicationEvent runner(radio.PortPath(), 38400, t);
        CloneImage image;
        RecordingView view;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(runner.Run(0, &image, view), c.result == 0);
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        EXPECT_EQ(runner.Result(), c.result);
        // One handshake, and no attempt waited for a beacon or asked to
        // switch the radio on again.
        EXPECT_EQ(Handshakes(radio.Log()), 1);
        EXPECT_EQ(std::count(view.states.begin(), view.states.end(), 1), 0);
        if (c.result == 0)
            EXPECT_EQ(image[CloneImage::BlockOffset(8, 0x106)], 0x11);
        else
            EXPECT_LT(ms, t.firstWindowMs + t.retryWindowMs);
    }
}

// A radio that falls silent after the handshake (power lost) is waited for
// with its beacon again, and ends as a time-out when it does not come back.
TEST_F(Runner, ARadioSilentAfterTheHandshakeIsWaitedForAgain) {
    sim.SetFaults({{RadioSim::FaultKind::Stall, 0}});
    CloneImage image;
    RecordingView view;
    EXPECT_FALSE(RunOp(0, image, view));
    EXPECT_EQ(result, CommResult::TimeOutError);
    EXPECT_EQ(std::count(view.states.begin(), view.states.end(), 1), 3);
}

class Command : public ::testing::Test {
  protected:
    void SetUp() override {
        RadioSim::Options options = FastSimOptions();
        options.startConnected = true;
        sim = std::make_unique<RadioSim::Simulator>(options);
        sim->LoadImage(RadioSim::MakeRadioImage(0));
        ASSERT_TRUE(sim->Start());
        cmd = std::make_unique<PXComCommandRetry>(sim->PortPath(), 115200, FastTiming());
        ASSERT_TRUE(cmd->PortOpen());
        ASSERT_TRUE(cmd->InitializePort());
    }
    std::vector<RadioSim::Record> Frames() const { return sim->Log(); }

    TestHost host;
    std::unique_ptr<RadioSim::Simulator> sim;
    std::unique_ptr<PXComCommandRetry> cmd;
};

TEST_F(Command, AlignmentCommandsCarryTheirBytes) {
    EXPECT_TRUE(cmd->SelectAlignChannelRetry(37));
    EXPECT_TRUE(cmd->Command36Retry(0x1234, 0x56));
    EXPECT_TRUE(cmd->Command3DOnRetry());
    EXPECT_TRUE(cmd->Command3CRetry(0x07));
    int pumps = 0;
    EXPECT_TRUE(cmd->Command3ERetry(0x0102, 0, [&] { ++pumps; }));
    const auto log = Frames();
    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0].data, (std::vector<std::uint8_t>{2, 5}));
    EXPECT_EQ(log[1].data, (std::vector<std::uint8_t>{0x12, 0x34, 0x56}));
    EXPECT_EQ(log[2].data, (std::vector<std::uint8_t>{0x01}));
    EXPECT_EQ(log[3].command, 0x3C);
    EXPECT_EQ(log[4].data, (std::vector<std::uint8_t>{0x01, 0x02, 0x00, 0x00}));
}

TEST_F(Command, StatusReadReturnsTheSixBytes) {
    const std::uint8_t status[6] = {1, 2, 3, 4, 5, 0xFE};
    sim->SetStatus(status);
    std::uint8_t six[6] = {};
    ASSERT_TRUE(cmd->ReadValueRetry(six));
    EXPECT_TRUE(std::equal(std::begin(six), std::end(six), std::begin(status)));
}

TEST_F(Command, RefusedShortCommandIsTriedItsNumberOfTimes) {
    sim->SetFaults({{RadioSim::FaultKind::Nak}});
    EXPECT_FALSE(cmd->TransmitRetry());
    EXPECT_FALSE(cmd->ReceiveRetry());
    const auto log = Frames();
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](auto& r) { return r.command == 0x34; }), 3);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](auto& r) { return r.command == 0x35; }), 10);
}

TEST_F(Command, FlashValueByKind) {
    CloneImage radio = RadioSim::MakeRadioImage(0);
    const int channel = 21;  // page 1, record 5
    const std::size_t record = CloneImage::BlockOffset(1, 5 * 64);
    radio[record + 40] = 0x2A;
    radio[record + 41] = 0x3B;
    radio[record + 42] = 0x9C;
    sim->LoadImage(radio);
    struct Case {
        int kind;
        bool ok;
        int value;
    };
    for (const Case& c : {Case{2, true, 0x2A}, Case{3, true, 0x3B}, Case{9, true, 0x9C}, Case{4, false, 0}}) {
        int value = -1;
        EXPECT_EQ(cmd->ReadFlashValue(c.kind, value, channel), c.ok) << c.kind;
        EXPECT_EQ(value, c.value) << c.kind;
    }
    EXPECT_EQ(Frames().back().address, 1);
}

TEST_F(Command, MismatchedWordWriteRestartsTheRunFromItsFirstWord) {
    sim->SetFaults({{RadioSim::FaultKind::WriteMismatch, 1, 1, RadioFrame::EepromWriteCode}});
    const std::uint8_t words[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_TRUE(cmd->EepromWriteRetry(100, 3, words));
    std::vector<int> addresses;
    for (const auto& r : Frames()) addresses.push_back(r.address);
    EXPECT_EQ(addresses, (std::vector<int>{100, 101, 100, 101, 102}));
    EXPECT_EQ(sim->Memory()[200], 1);
    EXPECT_EQ(sim->Memory()[205], 6);
}

TEST_F(Command, CancelStopsTransfersButNotAlignmentCommands) {
    cmd->Cancel() = true;
    std::uint8_t word[2];
    std::vector<std::uint8_t> page(1024);
    EXPECT_FALSE(cmd->EepromReadRetry(0, 1, word));
    EXPECT_FALSE(cmd->FlashPageWriteRetry(0, page.data()));
    EXPECT_TRUE(Frames().empty());
    EXPECT_TRUE(cmd->TransmitRetry());
}

TEST(Handshake, OtherBytesThanTheBeaconKeepItWaitingUntilItsWindowEnds) {
    TestHost host;
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    PXComCommandRetry cmd(ptsname(master), 38400, FastTiming());
    ASSERT_TRUE(cmd.PortOpen());
    ASSERT_TRUE(cmd.InitializePort());
    std::atomic<bool> stop{false};
    std::thread noise([&] {
        while (!stop) {
            const std::uint8_t x = 'X';
            (void)!write(master, &x, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(15));
        }
    });
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(cmd.PowerOnHandshake(0, 200.0));
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(ms, 200.0);
    EXPECT_LT(ms, 1000.0);
    EXPECT_FALSE(cmd.PowerOnHandshake(3, 200.0));  // no such answer mode
    stop = true;
    noise.join();
    cmd.PortClose();
    close(master);
}

}  // namespace
