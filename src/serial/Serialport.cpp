#include "serial/Serialport.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "image/ImageHost.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct SpeedRow {
    unsigned baud;
    speed_t speed;
};
constexpr SpeedRow kSpeeds[] = {{1200, B1200},   {2400, B2400},     {4800, B4800},
                                {9600, B9600},   {19200, B19200},   {38400, B38400},
                                {57600, B57600}, {115200, B115200}, {230400, B230400}};

speed_t SpeedOf(unsigned baud) {
    for (const auto& row : kSpeeds)
        if (row.baud == baud) return row.speed;
    return B0;
}

unsigned BaudOf(speed_t speed) {
    for (const auto& row : kSpeeds)
        if (row.speed == speed) return row.baud;
    return 0;
}

// The modem-line ioctls a pseudo-terminal or a bare UART does not offer.
bool Unsupported(int error) {
    return error == ENOTTY || error == EINVAL || error == ENOTSUP || error == ENOSYS;
}

timespec ToTimespec(double ms) {
    if (ms < 0) ms = 0;
    const auto ns = static_cast<long long>(ms * 1e6);
    return timespec{static_cast<time_t>(ns / 1000000000LL), static_cast<long>(ns % 1000000000LL)};
}

}  // namespace

Serialport::Serialport(std::string portName, unsigned baudRate, const LinkTiming& timing)
    : portName_(std::move(portName)), baudRate_(baudRate), timing_(timing) {}

Serialport::~Serialport() {
    PortClose();
}

void Serialport::Trace(const char* where, const char* mark) const {
    Host().Log(std::string("CSerialport::") + where + " " + mark);
}

bool Serialport::IsSupportedBaudRate(unsigned baud) {
    return SpeedOf(baud) != B0;
}

bool Serialport::PortOpen() {
    Trace("PortOpen", "[IN]");
    if (IsOpen()) return true;
    const int fd = ::open(portName_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastError_ = errno;
        Trace("PortOpen", "[OUT] open failed");
        return false;
    }
    // No sharing: a second program on the same line would corrupt every frame.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        lastError_ = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        Trace("PortOpen", "[OUT] port in use");
        return false;
    }
    fd_ = fd;
    lastError_ = 0;
    Trace("PortOpen", "[OUT]");
    return true;
}

void Serialport::SetTimeouts() {
    Trace("SetTimeouts", "[IN]");
    Trace("SetTimeouts", "[OUT]");
}

unsigned Serialport::ReadBackBaudRate() {
    termios t{};
    if (::tcgetattr(fd_, &t) != 0) return 0;
    return BaudOf(::cfgetospeed(&t));
}

bool Serialport::SetModemLines(bool raise) {
    int bits = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd_, raise ? TIOCMBIS : TIOCMBIC, &bits) == 0) return true;
    return Unsupported(errno);
}

bool Serialport::InitializePort() {
    Trace("InitializePort", "[IN]");
    if (!IsOpen()) return false;
    const auto start = Clock::now();
    const speed_t speed = SpeedOf(baudRate_);
    if (speed == B0) {
        lastError_ = EINVAL;
        return false;
    }
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) Pause(timing_.initPassGapMs);
        termios t{};
        if (::tcgetattr(fd_, &t) != 0) {
            lastError_ = errno;
            return false;
        }
        ::cfmakeraw(&t);
        t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
        t.c_cflag |= CS8 | CREAD | CLOCAL;
        t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
        if (::tcsetattr(fd_, TCSANOW, &t) != 0) {
            lastError_ = errno;
            return false;
        }
        // DTR and RTS held high power some cables; a pty has neither.
        SetModemLines(true);
    }
    if (ReadBackBaudRate() != baudRate_) {
        lastError_ = EINVAL;
        Trace("InitializePort", "[OUT] baud rate not taken");
        return false;
    }
    char line[64];
    std::snprintf(line, sizeof line, "InitializePort timeGetTime()=[%d ms]",
                  static_cast<int>(MsSince(start)));
    Host().Log(line);
    Trace("InitializePort", "[OUT]");
    return true;
}

Serialport::WaitResult Serialport::WaitReadable(double ms) {
    pollfd p{fd_, POLLIN, 0};
    const timespec ts = ToTimespec(ms);
    for (;;) {
        const int r = ::ppoll(&p, 1, &ts, nullptr);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return r == 0 ? WaitResult::TimedOut : WaitResult::HungUp;
        if (p.revents & POLLIN) return WaitResult::Ready;
        return WaitResult::HungUp;  // POLLHUP, POLLERR, POLLNVAL
    }
}

int Serialport::ReadAvailable(std::uint8_t* buffer, int length) {
    for (;;) {
        // A raw line (VMIN = VTIME = 0) reads 0 bytes when nothing is there.
        const ssize_t n = ::read(fd_, buffer, static_cast<std::size_t>(length));
        if (n >= 0) return static_cast<int>(n);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;  // a device error: the line is gone
    }
}

int Serialport::ReadBuffer(std::uint8_t* buffer, int length) {
    if (!IsOpen() || buffer == nullptr || length <= 0) return 0;
    int got = 0;
    bool readable = false;
    while (got < length) {
        const int n = ReadAvailable(buffer + got, length - got);
        if (n < 0 || (n == 0 && readable)) break;  // readable yet empty: hung up
        got += n;
        if (got == length) break;
        const WaitResult w = WaitReadable(timing_.charTimeoutMs);
        if (w == WaitResult::TimedOut) stats_.mandatedMs += timing_.charTimeoutMs;
        if (w != WaitResult::Ready) break;
        readable = true;
    }
    return got;
}

int Serialport::ReadBufferTimeout(std::uint8_t* buffer, int length, double budgetMs,
                                  const std::function<void()>& pump, const CancelFlag* cancel) {
    if (!IsOpen() || buffer == nullptr || length <= 0 || budgetMs < 0) return 0;
    const double limit = std::max(budgetMs, timing_.charTimeoutMs);
    const auto start = Clock::now();
    auto nextPump = timing_.pumpIntervalMs;
    int got = 0;
    bool readable = false;
    for (;;) {
        const int n = ReadAvailable(buffer + got, length - got);
        if (n < 0 || (n == 0 && readable)) return got;  // readable yet empty: hung up
        got += n;
        if (got == length) {
            stats_.bytesRead += static_cast<std::uint64_t>(got);
            return got;
        }
        if (got > 0 && buffer[0] == Nak) return got;
        if (cancel && cancel->load()) return got;
        const double elapsed = MsSince(start);
        if (elapsed >= limit) break;
        double wait = limit - elapsed;
        if (pump && wait > nextPump - elapsed) wait = std::max(0.0, nextPump - elapsed);
        if (cancel && wait > 10.0) wait = 10.0;  // cancel is seen within 10 ms
        const WaitResult w = WaitReadable(wait);
        if (w == WaitResult::HungUp) return got;
        readable = w == WaitResult::Ready;
        if (pump && MsSince(start) >= nextPump) {
            pump();
            nextPump = MsSince(start) + timing_.pumpIntervalMs;
        }
    }
    stats_.mandatedMs += limit;
    char line[64];
    std::snprintf(line, sizeof line, "Timeout timeGetTime()=[%d ms]", static_cast<int>(MsSince(start)));
    Host().Log(line);
    return got;
}

int Serialport::ReadEcho(std::uint8_t* buffer, int length, double budgetMs, const CancelFlag* cancel) {
    const std::uint64_t before = stats_.bytesRead;
    const int got = ReadBufferTimeout(buffer, length, budgetMs, {}, cancel);
    stats_.echoBytes += stats_.bytesRead - before;
    return got;
}

long Serialport::WriteChunk(const std::uint8_t* data, std::size_t size) {
    const auto start = Clock::now();
    const double budget = timing_.writeChunkMs + static_cast<double>(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd_, data + done, size - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return -1;
        const double left = budget - MsSince(start);
        if (left <= 0) return static_cast<long>(done);
        pollfd p{fd_, POLLOUT, 0};
        const timespec ts = ToTimespec(left);
        if (::ppoll(&p, 1, &ts, nullptr) < 0 && errno != EINTR) return -1;
        if (p.revents & (POLLERR | POLLHUP | POLLNVAL)) return -1;
    }
    return static_cast<long>(done);
}

int Serialport::WriteBuffer(const std::uint8_t* buffer, int length) {
    if (!IsOpen() || buffer == nullptr || length <= 0) return 0;
    const int chunk = WriteChunkSize();
    for (int offset = 0; offset < length; offset += chunk) {
        const int size = std::min(chunk, length - offset);
        if (WriteChunk(buffer + offset, static_cast<std::size_t>(size)) != size) return 0;
    }
    stats_.bytesWritten += static_cast<std::uint64_t>(length);
    return length;
}

void Serialport::PurgeInput() {
    if (IsOpen()) ::tcflush(fd_, TCIFLUSH);
}
void Serialport::PurgeOutput() {
    if (IsOpen()) ::tcflush(fd_, TCOFLUSH);
}
void Serialport::PurgeBoth() {
    if (IsOpen()) ::tcflush(fd_, TCIOFLUSH);
}

bool Serialport::Drain() {
    if (!IsOpen()) return true;
    const auto start = Clock::now();
    PurgeInput();
    std::uint8_t byte = 0;
    while (ReadBuffer(&byte, 1) == 1) {
        // A radio that keeps talking must not hold the worker for ever.
        if (MsSince(start) >= timing_.drainLimitMs) {
            Host().Log("CSerialport::Drain [OUT] line never fell silent");
            return false;
        }
        Pause(timing_.drainGapMs);
        PurgeInput();
    }
    return true;
}

bool Serialport::Pause(double ms, const CancelFlag* cancel) {
    if (ms <= 0) return !(cancel && cancel->load());
    stats_.mandatedMs += ms;
    const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                        std::chrono::duration<double, std::milli>(ms));
    while (Clock::now() < end) {
        if (cancel && cancel->load()) return false;
        auto step = end - Clock::now();
        if (cancel && step > std::chrono::milliseconds(10)) step = std::chrono::milliseconds(10);
        std::this_thread::sleep_for(step);
    }
    return !(cancel && cancel->load());
}

bool Serialport::PortClose() {
    Trace("PortClose", "[IN]");
    if (!IsOpen()) return true;
    for (int pass = 0; pass < 2; ++pass) {
        if (!IsOpen()) {
            // Reopened and closed once more: some USB cables only settle
            // their lines on the second close.
            Host().Log("port close retry.");
            Pause(timing_.closeReopenPauseMs);
            const bool reopened = PortOpen();
            Pause(timing_.closeReopenPauseMs);
            if (!reopened) break;
        }
        auto tryStep = [](auto&& step) {
            for (int t = 0; t < 3; ++t)
                if (step()) return true;
            return false;
        };
        tryStep([&] { return SetModemLines(false); });
        tryStep([&] { return ::tcflush(fd_, TCIOFLUSH) == 0 || Unsupported(errno); });
        tryStep([&] { return SetModemLines(true); });
        // close() releases the descriptor even when it reports an error.
        ::close(fd_);
        fd_ = -1;
    }
    char line[32];
    std::snprintf(line, sizeof line, "[OUT] Ret = %d", IsOpen() ? 0 : 1);
    Trace("PortClose", line);
    return !IsOpen();
}
