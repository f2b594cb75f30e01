// The simulator itself: the benchmark and the tests trust its pacing, its
// memory files and its answers.
#include <fstream>
#include <functional>
#include <memory>

#include "SimFixture.h"
#include "image/Model.h"
#include "serial/PXComCommandRetry.h"
#include "serial/RadioFrame.h"

namespace {

// A simulated radio (image 0) already in a programming connection, and the
// line to it once Open() has run.
class ConnectedSim : public ::testing::Test {
  protected:
    ConnectedSim() { sim.LoadImage(RadioSim::MakeRadioImage(0)); }
    void Open() {
        ASSERT_TRUE(sim.Start());
        line = std::make_unique<PXComCommandRetry>(sim.PortPath(), 38400, FastTiming());
        ASSERT_TRUE(line->PortOpen());
        ASSERT_TRUE(line->InitializePort());
    }
    static RadioSim::Options Connected() {
        RadioSim::Options options = FastSimOptions();
        options.startConnected = true;
        return options;
    }

    TestHost host;
    RadioSim::Simulator sim{Connected()};
    std::unique_ptr<PXComCommandRetry> line;
};

TEST(Simulator, MemoryFilesRoundTripAndOtherSizesAreRefused) {
    TempDir dir;
    RadioSim::Simulator sim;
    const CloneImage radio = RadioSim::MakeRadioImage(1);
    sim.LoadImage(radio);
    ASSERT_TRUE(sim.DumpFile(dir / "radio.PDX"));
    RadioSim::Simulator other;
    ASSERT_TRUE(other.LoadFile(dir / "radio.PDX"));
    EXPECT_EQ(other.Memory(), radio);
    std::ofstream(dir / "short.PDX") << "too short";
    EXPECT_FALSE(other.LoadFile(dir / "short.PDX"));
    EXPECT_FALSE(other.LoadFile(dir / "missing.PDX"));
    EXPECT_EQ(other.Memory(), radio);
}

TEST(Simulator, PacesWhatItSendsAtTheBaudRate) {
    TestHost host;
    RadioSim::Options options;
    options.baud = 115200;
    options.startConnected = true;
    RadioSim::Simulator sim(options);
    sim.LoadImage(RadioSim::MakeRadioImage(0));
    ASSERT_TRUE(sim.Start());
    PXComCommandRetry cmd(sim.PortPath(), 115200);
    ASSERT_TRUE(cmd.PortOpen());
    ASSERT_TRUE(cmd.InitializePort());
    std::vector<std::uint8_t> page(1024);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(cmd.FlashPageRead(8, page.data()));
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    // The 1,028-byte reply, 10 bits a byte, after the drain's silence and
    // the pause before a read (the cable's echo comes back as it is sent).
    const double wire = 1028 * 10 * 1000.0 / 115200;
    EXPECT_GE(ms, wire + 11.0 + 5.0);
    EXPECT_LT(ms, wire + 11.0 + 5.0 + 300.0);
    EXPECT_EQ(page[0x106], 0x11);
}

// The benchmark's wire time counts what the radio sent; the cable's echo of
// each frame is booked apart.
TEST_F(ConnectedSim, TheLinkCountsTheEchoApartFromWhatTheRadioSent) {
    ASSERT_NO_FATAL_FAILURE(Open());
    PXComCommandRetry& cmd = *line;
    std::uint8_t word[2] = {0x12, 0x34};
    std::vector<std::uint8_t> page(1024, 0x5A);
    struct Case {
        const char* name;
        std::function<bool()> send;
        std::uint64_t echo, radio;
    };
    const Case cases[] = {
        {"EEPROM read", [&] { return cmd.EepromRead(3, word); }, 8, 6},
        {"EEPROM write", [&] { return cmd.EepromWrite(3, word); }, 8, 6},
        {"page read", [&] { return cmd.FlashPageRead(2, page.data()); }, 6, 1028},
        {"page write", [&] { return cmd.FlashPageWrite(2, page.data()); }, 1030, 1},
        {"transmit", [&] { return cmd.TransmitRetry(); }, 4, 1},
        {"end of programming", [&] { return cmd.SendEnd(); }, 4, 0},
    };
    for (const Case& c : cases) {
        const LinkStats before = cmd.Stats();
        ASSERT_TRUE(c.send()) << c.name;
        EXPECT_EQ(cmd.Stats().echoBytes - before.echoBytes, c.echo) << c.name;
        EXPECT_EQ(cmd.Stats().RadioBytes() - before.RadioBytes(), c.radio) << c.name;
        EXPECT_EQ(cmd.Stats().bytesWritten - before.bytesWritten, c.echo) << c.name;
    }
}

TEST_F(ConnectedSim, RefusesWhatItCannotTake) {
    ASSERT_NO_FATAL_FAILURE(Open());
    PXComCommandRetry& cmd = *line;
    std::uint8_t word[2];
    std::vector<std::uint8_t> page(1024);
    EXPECT_FALSE(cmd.EepromRead(512, word));           // beyond the EEPROM
    EXPECT_FALSE(cmd.FlashPageRead(16, page.data()));  // beyond the flash
    EXPECT_TRUE(cmd.EepromRead(511, word));
    EXPECT_EQ(word[0], 0x5A);
    const auto log = sim.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_FALSE(log[0].answered);
    EXPECT_FALSE(log[1].answered);
    EXPECT_TRUE(log[2].answered);
}

TEST_F(ConnectedSim, EndOfProgrammingRebootsTheRadio) {
    ASSERT_NO_FATAL_FAILURE(Open());
    PXComCommandRetry& cmd = *line;
    EXPECT_TRUE(sim.InProgramming());
    EXPECT_TRUE(cmd.SendEnd());
    // The simulator takes the frame on its own thread: give a loaded machine time.
    for (int i = 0; i < 100 && sim.InProgramming(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(sim.InProgramming());
    // It beacons again and takes a new handshake.
    EXPECT_TRUE(cmd.PowerOnHandshake(1, 500.0));
    EXPECT_TRUE(sim.InProgramming());
    EXPECT_EQ(sim.Log().back().command, '0');
}

// The model code of flash page 8 names the model the radio-type code gives.
TEST(Simulator, RadiosCarryTheModelCodeOfTheirModel) {
    for (const auto& [index, code] : {std::pair{0, 0x1128u}, std::pair{1, 0x1127u}}) {
        const CloneImage image = RadioSim::MakeRadioImage(index);
        const std::size_t field = CloneImage::BlockOffset(8, 0x106);
        EXPECT_EQ(unsigned{image[field]} << 8 | image[field + 1], code) << index;
        EXPECT_EQ(Model::IndexFromTypeCode(image), index);
    }
}

// The cable returns each frame at once, also while the radio still owes a
// late reply to the frame before: a late reply shows as late, not as a
// spoilt echo of the next frame.
TEST_F(ConnectedSim, TheEchoDoesNotWaitBehindALateReply) {
    sim.SetFaults({{RadioSim::FaultKind::DelayedReply, 0, 1, RadioFrame::EepromReadCode, 400.0}});
    ASSERT_NO_FATAL_FAILURE(Open());
    PXComCommandRetry& cmd = *line;
    std::uint8_t word[2];
    EXPECT_FALSE(cmd.EepromRead(0, word));  // its reply comes 400 ms late
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(cmd.EepromRead(511, word));  // the next frame's echo and reply come at once
    using Ms = std::chrono::duration<double, std::milli>;
    EXPECT_LT(Ms(std::chrono::steady_clock::now() - start).count(), 300.0);
    EXPECT_EQ(word[0], 0x5A);
}

// Nothing the radio sends while no program holds the port waits for the
// next program that opens it.
TEST(Simulator, WhatIsSentWhileThePortIsClosedIsLost) {
    TestHost host;
    RadioSim::Options options = FastSimOptions();
    options.startConnected = true;
    RadioSim::Simulator sim(options);
    sim.LoadImage(RadioSim::MakeRadioImage(0));
    sim.SetFaults({{RadioSim::FaultKind::DelayedReply, 0, 1, RadioFrame::EepromReadCode, 100.0}});
    ASSERT_TRUE(sim.Start());
    const auto frame = RadioFrame::Build(RadioFrame::EepromReadCode, {0x01, 0xFF, 0x00, 0x00});
    {
        PXComCommandRetry cmd(sim.PortPath(), 38400, FastTiming());
        ASSERT_TRUE(cmd.PortOpen());
        ASSERT_TRUE(cmd.InitializePort());
        ASSERT_EQ(cmd.WriteBuffer(frame.data(), static_cast<int>(frame.size())),
                  static_cast<int>(frame.size()));
        std::uint8_t echo[16];
        ASSERT_EQ(cmd.ReadBufferTimeout(echo, static_cast<int>(frame.size()), 200.0),
                  static_cast<int>(frame.size()));
    }  // closed before the late reply
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    ASSERT_EQ(sim.Log().size(), 1u);
    PXComCommandRetry cmd(sim.PortPath(), 38400, FastTiming());
    ASSERT_TRUE(cmd.PortOpen());
    ASSERT_TRUE(cmd.InitializePort());
    std::uint8_t stale[16];
    EXPECT_EQ(cmd.ReadBufferTimeout(stale, sizeof stale, 50.0), 0);
}

}  // namespace
