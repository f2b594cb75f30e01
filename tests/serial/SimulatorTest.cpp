// The simulator itself: the benchmark and the tests trust its pacing, its
// memory files and its answers.
#include <fstream>

#include "SimFixture.h"
#include "serial/PXComCommandRetry.h"

namespace {

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
    // Echo of the 6-byte request and the 1,028-byte reply: 1,034 bytes of
    // 10 bits, after the drain's silence and the pause before a read.
    const double wire = 1034 * 10 * 1000.0 / 115200;
    EXPECT_GE(ms, wire + 11.0 + 5.0);
    EXPECT_LT(ms, wire + 11.0 + 5.0 + 300.0);
    EXPECT_EQ(page[0x106], 0x11);
}

TEST(Simulator, RefusesWhatItCannotTake) {
    TestHost host;
    RadioSim::Options options;
    options.startConnected = true;
    RadioSim::Simulator sim(options);
    sim.LoadImage(RadioSim::MakeRadioImage(0));
    ASSERT_TRUE(sim.Start());
    PXComCommandRetry cmd(sim.PortPath(), 38400, FastTiming());
    ASSERT_TRUE(cmd.PortOpen());
    ASSERT_TRUE(cmd.InitializePort());
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

TEST(Simulator, EndOfProgrammingRebootsTheRadio) {
    TestHost host;
    RadioSim::Options options = FastSimOptions();
    options.startConnected = true;
    RadioSim::Simulator sim(options);
    ASSERT_TRUE(sim.Start());
    PXComCommandRetry cmd(sim.PortPath(), 38400, FastTiming());
    ASSERT_TRUE(cmd.PortOpen());
    ASSERT_TRUE(cmd.InitializePort());
    EXPECT_TRUE(sim.InProgramming());
    EXPECT_TRUE(cmd.SendEnd());
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(sim.InProgramming());
    // It beacons again and takes a new handshake.
    EXPECT_TRUE(cmd.PowerOnHandshake(1, 500.0));
    EXPECT_TRUE(sim.InProgramming());
    EXPECT_EQ(sim.Log().back().command, '0');
}

}  // namespace
