// The serial port on a bare pseudo-terminal: the test holds the far side.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>
#include <vector>

#include "SimFixture.h"
#include "serial/Serialport.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// The far side of a pseudo-terminal.
class FarEnd {
  public:
    FarEnd() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) path_ = ptsname(master_);
    }
    ~FarEnd() {
        if (master_ >= 0) close(master_);
    }
    const std::string& path() const { return path_; }
    void Send(std::vector<std::uint8_t> bytes) const {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    int fd() const { return master_; }

  private:
    int master_ = -1;
    std::string path_;
};

class SerialportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(far.path().empty());
        ASSERT_TRUE(port.PortOpen());
        ASSERT_TRUE(port.InitializePort());
    }
    TestHost host;
    FarEnd far;
    Serialport port{far.path(), 38400, FastTiming()};
};

TEST_F(SerialportTest, TimedReadReturnsAsSoonAsTheBytesAreIn) {
    std::thread sender([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        far.Send({1, 2, 3});
    });
    std::uint8_t buffer[3] = {};
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadBufferTimeout(buffer, 3, 5000.0), 3);
    EXPECT_LT(MsSince(start), 1000.0);
    sender.join();
    EXPECT_EQ(buffer[2], 3);
}

TEST_F(SerialportTest, TimedReadEndsAtItsBudgetWithTheShortCount) {
    far.Send({7});
    std::uint8_t buffer[4] = {};
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadBufferTimeout(buffer, 4, 60.0), 1);
    EXPECT_GE(MsSince(start), 55.0);
}

TEST_F(SerialportTest, ZeroBudgetStillMakesOnePass) {
    far.Send({9, 8});
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::uint8_t buffer[2] = {};
    EXPECT_EQ(port.ReadBufferTimeout(buffer, 2, 0.0), 2);
    EXPECT_EQ(port.ReadBufferTimeout(buffer, 2, -1.0), 0);  // a negative budget is refused
}

TEST_F(SerialportTest, NakAsFirstByteEndsTheReadEarly) {
    far.Send({0x15});
    std::uint8_t buffer[6] = {};
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadBufferTimeout(buffer, 6, 3000.0), 1);
    EXPECT_LT(MsSince(start), 1000.0);
}

TEST_F(SerialportTest, CancelEndsAWaitingRead) {
    CancelFlag cancel{false};
    std::thread canceller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        cancel = true;
    });
    std::uint8_t buffer[1];
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadBufferTimeout(buffer, 1, 5000.0, {}, &cancel), 0);
    EXPECT_LT(MsSince(start), 1000.0);
    canceller.join();
}

TEST_F(SerialportTest, PumpRunsWhileALongReadWaits) {
    LinkTiming timing = FastTiming();
    timing.pumpIntervalMs = 20.0;
    port.SetTiming(timing);
    int pumps = 0;
    std::uint8_t buffer[1];
    port.ReadBufferTimeout(buffer, 1, 150.0, [&] { ++pumps; });
    EXPECT_GE(pumps, 3);
}

TEST_F(SerialportTest, DrainGivesUpOnALineThatNeverFallsSilent) {
    LinkTiming timing = FastTiming();
    timing.drainLimitMs = 100.0;
    // Far above the chatter's 1 ms pace, so that a loaded machine pausing the
    // chatter thread does not make the line look silent.
    timing.charTimeoutMs = 500.0;
    port.SetTiming(timing);
    std::atomic<bool> stop{false};
    std::thread chatter([&] {
        while (!stop) {
            const std::uint8_t p = 'P';
            (void)!write(far.fd(), &p, 1);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    const auto start = Clock::now();
    EXPECT_FALSE(port.Drain());
    EXPECT_LT(MsSince(start), 2000.0);
    stop = true;
    chatter.join();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    EXPECT_TRUE(port.Drain());
}

TEST_F(SerialportTest, OpenIsExclusiveAndCloseAlwaysReleasesThePort) {
    EXPECT_TRUE(port.PortOpen());  // already open: true without reopening
    Serialport second(far.path(), 38400, FastTiming());
    EXPECT_FALSE(second.PortOpen());
    EXPECT_EQ(second.LastError(), EBUSY);
    // A pty refuses the modem-line calls: the close still ends closed.
    EXPECT_TRUE(port.PortClose());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(port.PortClose());  // closed: true at once
    EXPECT_TRUE(second.PortOpen());
    EXPECT_TRUE(second.InitializePort());
}

TEST(Serialport, MissingDeviceAndUnsupportedRateFail) {
    TestHost host;
    Serialport missing("/dev/zt-no-such-port", 38400, FastTiming());
    EXPECT_FALSE(missing.PortOpen());
    EXPECT_EQ(missing.LastError(), ENOENT);
    EXPECT_FALSE(missing.InitializePort());

    FarEnd far;
    Serialport odd(far.path(), 12345, FastTiming());
    ASSERT_TRUE(odd.PortOpen());
    EXPECT_FALSE(odd.InitializePort());
}

TEST(Serialport, EachBaudRateOfTheLinkIsTakenAndReadBack) {
    TestHost host;
    FarEnd far;
    for (unsigned baud : {38400u, 115200u, 230400u}) {
        Serialport port(far.path(), baud, FastTiming());
        ASSERT_TRUE(port.PortOpen());
        EXPECT_TRUE(port.InitializePort()) << baud;
    }
}

// A driver that silently keeps another rate.
class StubbornPort : public Serialport {
  public:
    using Serialport::Serialport;
    unsigned ReadBackBaudRate() override { return 9600; }
};

TEST(Serialport, InitializeFailsWhenTheDriverKeepsAnotherRate) {
    TestHost host;
    FarEnd far;
    StubbornPort port(far.path(), 38400, FastTiming());
    ASSERT_TRUE(port.PortOpen());
    EXPECT_FALSE(port.InitializePort());
}

// Records the chunk sizes of each write.
class ChunkPort : public Serialport {
  public:
    using Serialport::Serialport;
    std::vector<std::size_t> chunks;
    long WriteChunk(const std::uint8_t* data, std::size_t size) override {
        chunks.push_back(size);
        return Serialport::WriteChunk(data, size);
    }
};

TEST(Serialport, WritesAreChunkedByCableType) {
    TestHost host;
    FarEnd far;
    const std::vector<std::uint8_t> frame(1030, 0xAA);
    struct Case {
        int type;
        std::size_t count, last;
    };
    for (const Case& c : {Case{CableType::Qlv10, 65, 6}, Case{CableType::Qlv10Special, 65, 6},
                          Case{CableType::Plain, 1, 1030}, Case{CableType::Qlv12, 1, 1030}}) {
        ChunkPort port(far.path(), 38400, FastTiming());
        port.SetPortType(c.type);
        ASSERT_TRUE(port.PortOpen());
        ASSERT_TRUE(port.InitializePort());
        EXPECT_EQ(port.WriteBuffer(frame.data(), static_cast<int>(frame.size())), 1030);
        ASSERT_EQ(port.chunks.size(), c.count) << c.type;
        EXPECT_EQ(port.chunks.front(), c.count == 1 ? 1030u : 16u);
        EXPECT_EQ(port.chunks.back(), c.last);
        std::vector<std::uint8_t> sink(frame.size());
        std::size_t got = 0;
        while (got < sink.size()) {
            const ssize_t n = read(far.fd(), sink.data() + got, sink.size() - got);
            ASSERT_GT(n, 0);
            got += static_cast<std::size_t>(n);
        }
        EXPECT_EQ(sink, frame);
        port.PortClose();
    }
}

}  // namespace
