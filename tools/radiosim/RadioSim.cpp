#include "RadioSim.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "image/ItemAccessors.h"
#include "image/ItemsSystem.h"

namespace RadioSim {

namespace {

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;
constexpr std::uint8_t kNotAck = 0x16;
constexpr std::size_t kPage = 1024;
constexpr std::size_t kMaxFrameLength = kPage + 3;  // page write: page number, data, checksum
constexpr auto kResyncGap = std::chrono::milliseconds(100);
// The model code of page 8 and the value a wrong radio shows there.
constexpr std::size_t kModelCodeOffset = CloneImage::BlockOffset(8, 0x106);
constexpr std::uint8_t kWrongModel[2] = {0x12, 0x34};

std::uint8_t Sum(const std::uint8_t* data, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += data[i];
    return static_cast<std::uint8_t>(sum);
}

std::vector<std::uint8_t> Reply(std::uint8_t command, const std::uint8_t* data, std::size_t count) {
    std::vector<std::uint8_t> frame(count + 4);
    frame[0] = command;
    frame[1] = static_cast<std::uint8_t>((count + 1) >> 8);
    frame[2] = static_cast<std::uint8_t>((count + 1) & 0xFF);
    std::copy(data, data + count, frame.begin() + 3);
    frame.pop_back();
    frame.push_back(Sum(frame.data(), frame.size()));
    return frame;
}

bool KnownCommand(std::uint8_t c) {
    return c == 0xF0 || c == 0xF1 || c == 0xF6 || c == 0xF7 || (c >= 0x30 && c <= 0x3E);
}

// Faults that describe the radio rather than one frame.
bool IsStanding(FaultKind kind) {
    return kind == FaultKind::NoBeacon || kind == FaultKind::WrongModelCode;
}

}  // namespace

Simulator::Simulator(const Options& options) : options_(options) {
    if (options_.startConnected) state_ = State::Programming;
    if (options_.startOff) state_ = State::Off;
}

Simulator::~Simulator() {
    Stop();
}

bool Simulator::Start() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) return false;
    char name[128];
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 || ::ptsname_r(master_, name, sizeof name) != 0) {
        ::close(master_);
        master_ = -1;
        return false;
    }
    path_ = name;
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    // Make the line raw at once (a cooked line would echo the beacon back
    // to us); the setting outlives this open. The slave is not held: the
    // master then sees a hang-up whenever no program holds the port.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave >= 0) {
        termios t{};
        if (::tcgetattr(slave, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(slave, TCSANOW, &t);
        }
        ::close(slave);
    }
    portHeld_ = false;
    start_ = Clock::now();
    nextBeacon_ = start_;
    lineFree_ = start_;
    stop_ = false;
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void Simulator::Stop() {
    if (thread_.joinable()) {
        stop_ = true;
        thread_.join();
    }
    if (master_ >= 0) ::close(master_);
    master_ = -1;
}

std::string Simulator::PortPath() const {
    return path_;
}

void Simulator::LoadImage(const CloneImage& image) {
    std::lock_guard lock(mutex_);
    memory_ = image;
}

CloneImage Simulator::Memory() const {
    std::lock_guard lock(mutex_);
    return memory_;
}

bool Simulator::LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    CloneImage image;
    if (!in.read(reinterpret_cast<char*>(image.data()), static_cast<std::streamsize>(image.size())))
        return false;
    in.peek();
    if (!in.eof()) return false;  // longer than an image
    LoadImage(image);
    return true;
}

bool Simulator::DumpFile(const std::string& path) const {
    const CloneImage image = Memory();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    return static_cast<bool>(out);
}

void Simulator::SetFaults(std::vector<Fault> faults) {
    std::lock_guard lock(mutex_);
    faults_ = std::move(faults);
    faultSeen_.assign(faults_.size(), 0);
}

void Simulator::ClearFaults() {
    SetFaults({});
}

void Simulator::SetRadioPassword(const std::string& digits) {
    std::lock_guard lock(mutex_);
    const std::size_t flag = CloneImage::BlockOffset(8, 0x1D0);
    if (digits.size() != 6) {
        memory_[flag] |= 0x04;
        return;
    }
    memory_[flag] &= static_cast<std::uint8_t>(~0x04);
    for (std::size_t i = 0; i < 3; ++i) {
        const auto hi =
            static_cast<std::uint8_t>(std::strtoul(std::string(1, digits[2 * i]).c_str(), nullptr, 16));
        const auto lo =
            static_cast<std::uint8_t>(std::strtoul(std::string(1, digits[2 * i + 1]).c_str(), nullptr, 16));
        memory_[flag + 1 + i] = static_cast<std::uint8_t>((hi << 4) | lo);
    }
}

void Simulator::SetStatus(const std::uint8_t (&status)[6]) {
    std::lock_guard lock(mutex_);
    std::copy(std::begin(status), std::end(status), status_);
}

void Simulator::PowerOff() {
    std::lock_guard lock(mutex_);
    state_ = State::Off;
    frame_.clear();
}

void Simulator::PowerOn() {
    std::lock_guard lock(mutex_);
    state_ = State::Booting;
    frame_.clear();
    nextBeacon_ = Clock::now();
}

bool Simulator::InProgramming() const {
    std::lock_guard lock(mutex_);
    return state_ == State::Programming;
}

std::vector<Record> Simulator::Log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

void Simulator::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

double Simulator::MsSinceStart(Clock::time_point t) const {
    return std::chrono::duration<double, std::milli>(t - start_).count();
}

void Simulator::Queue(const std::uint8_t* bytes, std::size_t count, Clock::time_point notBefore) {
    const auto byteTime =
        options_.baud
            ? std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(10.0 / options_.baud))
            : Clock::duration::zero();
    for (std::size_t i = 0; i < count; ++i) {
        const auto begin = std::max({lineFree_, notBefore, Clock::now()});
        lineFree_ = begin + byteTime;
        out_.push_back({bytes[i], lineFree_});
    }
}

void Simulator::QueueEcho(std::uint8_t byte, Clock::time_point now) {
    // The cable loops the program's line back by itself: the echo does not
    // wait for the radio, it only keeps the order of what is already due.
    const auto at = std::upper_bound(out_.begin(), out_.end(), now,
                                     [](Clock::time_point t, const Out& o) { return t < o.due; });
    out_.insert(at, {byte, now});
}

void Simulator::ReleaseHeld(Clock::time_point now) {
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->due <= now) {
            Queue(it->bytes.data(), it->bytes.size(), it->due);
            it = held_.erase(it);
        } else {
            ++it;
        }
    }
}

void Simulator::DropPending() {
    out_.clear();
    held_.clear();
    lineFree_ = Clock::now();
}

void Simulator::Flush(Clock::time_point now) {
    std::uint8_t chunk[4096];
    while (!out_.empty() && out_.front().due <= now) {
        std::size_t n = 0;
        while (n < sizeof chunk && n < out_.size() && out_[n].due <= now) chunk[n] = out_[n].byte, ++n;
        const ssize_t w = ::write(master_, chunk, n);
        if (w <= 0) return;  // the line is full: try again later
        bytesSent_ += static_cast<std::uint64_t>(w);
        out_.erase(out_.begin(), out_.begin() + w);
    }
}

bool Simulator::FaultActive(FaultKind kind) const {
    if (IsStanding(kind))
        return std::any_of(faults_.begin(), faults_.end(), [&](const Fault& f) { return f.kind == kind; });
    return std::find(frameFaults_.begin(), frameFaults_.end(), kind) != frameFaults_.end();
}

void Simulator::OnByte(std::uint8_t byte, Clock::time_point now) {
    if (!frame_.empty() && now - lastByte_ > kResyncGap) frame_.clear();
    lastByte_ = now;
    const bool frameStart = state_ == State::Programming && frame_.empty();
    if (frameStart) {
        frameFaults_.clear();
        frameDelayMs_ = 0.0;
        for (std::size_t i = 0; i < faults_.size(); ++i) {
            const Fault& f = faults_[i];
            if (IsStanding(f.kind) || (f.command != 0 && f.command != byte)) continue;
            const int seen = faultSeen_[i]++;
            if (seen >= f.fromFrame && (f.count < 0 || seen < f.fromFrame + f.count)) {
                frameFaults_.push_back(f.kind);
                if (f.kind == FaultKind::DelayedReply) frameDelayMs_ = f.delayMs;
            }
        }
        if (FaultActive(FaultKind::Stall)) {
            // Power lost: from here on only the cable answers.
            state_ = State::Off;
            log_.push_back({Record::Kind::Frame, byte, 0, {}, false, MsSinceStart(now)});
        }
    }
    // The cable returns what the program sends.
    const bool inFrame = state_ == State::Programming;
    if (!(inFrame && FaultActive(FaultKind::EchoLost))) {
        std::uint8_t echo = byte;
        if (inFrame && frame_.empty() && FaultActive(FaultKind::EchoCorrupted)) echo ^= 0x01;
        QueueEcho(echo, now);
    }
    switch (state_) {
        case State::Booting:
            if (byte == '@' || byte == '0') {
                align_ = AlignState{};
                align_.alignmentConnection = byte == '0';
                state_ = State::Programming;
                frame_.clear();
                log_.push_back({Record::Kind::Handshake, byte, 0, {}, true, MsSinceStart(now)});
            }
            break;
        case State::Programming:
            frame_.push_back(byte);
            if (frame_.size() == 1 && !KnownCommand(byte)) {
                log_.push_back({Record::Kind::Frame, byte, 0, {}, false, MsSinceStart(now)});
                frame_.clear();
                Queue(&kNak, 1, now);
            } else if (frame_.size() == 3) {
                frameLength_ = (std::size_t{frame_[1]} << 8) | frame_[2];
                if (frameLength_ == 0 || frameLength_ > kMaxFrameLength) {
                    log_.push_back({Record::Kind::Frame, frame_[0], 0, {}, false, MsSinceStart(now)});
                    frame_.clear();
                    Queue(&kNak, 1, now);
                }
            } else if (frame_.size() > 3 && frame_.size() == 3 + frameLength_) {
                OnFrame(now);
                frame_.clear();
            }
            break;
        default:
            break;
    }
}

void Simulator::QueueReply(std::vector<std::uint8_t> reply, Clock::time_point notBefore) {
    if (FaultActive(FaultKind::Nak))
        reply.assign(1, kNak);
    else if (FaultActive(FaultKind::BadChecksum)) {
        if (reply.size() == 1)
            reply[0] = kNotAck;
        else
            reply.back() = static_cast<std::uint8_t>(reply.back() + 1);
    }
    if (FaultActive(FaultKind::DelayedReply)) {
        // The radio answers late; the line stays free for the echo meanwhile.
        const auto due = std::max(notBefore, lineFree_) +
                         std::chrono::duration_cast<Clock::duration>(
                             std::chrono::duration<double, std::milli>(frameDelayMs_));
        held_.push_back({std::move(reply), due});
        return;
    }
    Queue(reply.data(), reply.size(), notBefore);
}

void Simulator::OnFrame(Clock::time_point now) {
    const std::uint8_t command = frame_[0];
    const std::uint8_t* payload = frame_.data() + 3;
    const std::size_t payloadSize = frameLength_ - 1;
    Record record{Record::Kind::Frame, command, 0, {}, true, MsSinceStart(now)};
    auto refuse = [&] {
        record.answered = false;
        Queue(&kNak, 1, now);
        log_.push_back(record);
    };
    if (frame_.back() != Sum(frame_.data(), frame_.size() - 1)) return refuse();
    if (FaultActive(FaultKind::Nak)) {
        record.answered = false;
        log_.push_back(record);
        QueueReply({kNak}, now);
        return;
    }
    const auto address = [&] { return static_cast<std::uint16_t>((payload[0] << 8) | payload[1]); };
    switch (command) {
        case 0xF0: {
            if (payloadSize != 4) return refuse();
            record.address = address();
            if (record.address > 511) return refuse();
            QueueReply(Reply(0xF0, memory_.data() + 2 * record.address, 2), now);
            break;
        }
        case 0xF1: {
            if (payloadSize != 4) return refuse();
            record.address = address();
            if (record.address > 511) return refuse();
            record.data.assign(payload + 2, payload + 4);
            std::copy(payload + 2, payload + 4, memory_.data() + 2 * record.address);
            std::uint8_t answer[2] = {payload[2], payload[3]};
            if (FaultActive(FaultKind::WriteMismatch)) answer[1] ^= 0xFF;
            QueueReply(Reply(0xF1, answer, 2), now);
            break;
        }
        case 0xF6: {
            if (payloadSize != 2) return refuse();
            record.address = address();
            if (record.address > 15) return refuse();
            std::vector<std::uint8_t> data(memory_.data() + CloneImage::BlockOffset(record.address),
                                           memory_.data() + CloneImage::BlockOffset(record.address) + kPage);
            if (record.address == 8 && FaultActive(FaultKind::WrongModelCode))
                std::copy(std::begin(kWrongModel), std::end(kWrongModel),
                          data.begin() + static_cast<long>(kModelCodeOffset - CloneImage::BlockOffset(8)));
            QueueReply(Reply(0xF6, data.data(), data.size()), now);
            break;
        }
        case 0xF7: {
            if (payloadSize != 2 + kPage) return refuse();
            record.address = address();
            if (record.address > 15) return refuse();
            std::copy(payload + 2, payload + 2 + kPage,
                      memory_.data() + CloneImage::BlockOffset(record.address));
            QueueReply({kAck}, now);
            break;
        }
        case 0x31: {
            const auto status = StatusBytes();
            QueueReply(Reply(0x31, status.data(), status.size()), now);
            break;
        }
        case 0x38:
            // Programming ends; the radio restarts and beacons again.
            state_ = State::Rebooting;
            rebootEnd_ = now + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double, std::milli>(options_.rebootMs));
            break;
        default:
            record.data.assign(payload, payload + payloadSize);
            OnAlignCommand(command, payload, payloadSize);
            QueueReply({kAck}, now);
            break;
    }
    log_.push_back(record);
}

void Simulator::Serve() {
    // Pacing wakes up once per byte or two: keep each wake-up on time.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    std::uint8_t buffer[4096];
    const auto interval = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double, std::milli>(options_.beaconIntervalMs));
    while (!stop_) {
        auto now = Clock::now();
        auto wake = now + std::chrono::milliseconds(10);
        {
            std::lock_guard lock(mutex_);
            if (state_ == State::Rebooting && now >= rebootEnd_) {
                state_ = State::Booting;
                nextBeacon_ = now + interval;
            }
            if (state_ == State::Booting && !FaultActive(FaultKind::NoBeacon)) {
                if (now >= nextBeacon_) {
                    if (out_.empty()) {
                        const std::uint8_t beacon = 'P';
                        Queue(&beacon, 1, now);
                    }
                    nextBeacon_ = now + interval;
                }
                wake = std::min(wake, nextBeacon_);
            }
            if (state_ == State::Rebooting) wake = std::min(wake, rebootEnd_);
            ReleaseHeld(Clock::now());
            if (portHeld_)
                Flush(Clock::now());
            else
                DropPending();
            if (!out_.empty()) wake = std::min(wake, out_.front().due);
            for (const Held& h : held_) wake = std::min(wake, h.due);
        }
        const auto wait = std::max(wake - Clock::now(), Clock::duration::zero());
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
        timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        pollfd p{master_, POLLIN, 0};
        const int r = ::ppoll(&p, 1, &ts, nullptr);
        const bool held = !(r > 0 && (p.revents & POLLHUP));
        if (held != portHeld_) {
            std::lock_guard lock(mutex_);
            portHeld_ = held;
            // The port was let go: what the line still held for it is gone.
            if (!held) FlushPortInput();
        }
        if (r > 0 && (p.revents & POLLIN)) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                std::lock_guard lock(mutex_);
                const auto at = Clock::now();
                for (ssize_t i = 0; i < n; ++i) OnByte(buffer[i], at);
            }
        } else if (r > 0) {
            // No program on the other side: nothing to read until one opens.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

void Simulator::FlushPortInput() {
    // Only a holder of the port can empty its input queue: hold it for a
    // moment. A program that opens it meanwhile finds it as empty.
    const int slave = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (slave < 0) return;
    ::tcflush(slave, TCIFLUSH);
    ::close(slave);
    DropPending();
}

CloneImage MakeRadioImage(int index) {
    CloneImage image;
    // Recognisable content everywhere, so that a transfer can be checked byte
    // for byte; then the items that identify the radio.
    for (std::size_t i = 0; i < CloneImage::TrailerOffset; ++i)
        image[i] = static_cast<std::uint8_t>((i * 7 + i / 251 + 3) & 0xFF);
    image[0x02] = static_cast<std::uint8_t>(index == 1 ? 0x36 : 0x35);  // radio-type code
    image[0x03] = 0x00;                                                 // variant
    const std::size_t page8 = CloneImage::BlockOffset(8);
    image[page8 + 0x002] = 0x80;  // band type 4, frequency type 0
    image[page8 + 0x00C] = 0x00;  // minimum frequency 0x1000, low byte first
    image[page8 + 0x00D] = 0x10;
    image[page8 + 0x00E] = 0x00;  // maximum frequency 0x2000
    image[page8 + 0x00F] = 0x20;
    image[page8 + 0x106] = 0x11;  // model code of the series: 0x127 ZT-640, 0x128 ZT-610
    image[page8 + 0x107] = static_cast<std::uint8_t>(index == 1 ? 0x27 : 0x28);
    // A synthesiser like that of the default data files (15.36 MHz crystal,
    // 50.85 MHz IF below the channel, dividers 3 to 24), so that their
    // channels reach this radio unchanged.
    ItemMap::SetReferenceXtalFrequency(image, 15360);
    ItemMap::SetFirstIfFrequency(image, 50850);
    ItemMap::SetLocalOffset(image, 0);
    constexpr std::uint32_t kDividers[8] = {3, 6, 12, 24, 3, 6, 12, 24};
    for (int k = 0; k < 8; ++k) ItemMap::SetSingle(ItemMap::HardwareItems[86 + k], image, kDividers[k]);
    image[page8 + 0x1D0] |= 0x04;  // no programming password
    image[2 * 511] = 0x5A;         // the last write completed
    image[2 * 511 + 1] = 0xA5;
    return image;
}

namespace {

void SetLe16(CloneImage& image, std::size_t offset, unsigned value) {
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}
void Erase(CloneImage& image, std::size_t first, std::size_t size) {
    std::fill_n(image.data() + static_cast<std::ptrdiff_t>(first), size, std::uint8_t{0xFF});
}
void StoreBlockChecksum(CloneImage& image, std::size_t block) {
    unsigned sum = 0;
    for (std::size_t i = 2; i < 48; ++i) sum += image[block + i];
    SetLe16(image, block, sum & 0xFFFF);
}

constexpr std::size_t kPage8 = CloneImage::BlockOffset(8);
constexpr std::size_t kPage14Block = CloneImage::BlockOffset(14, 0x280);
constexpr std::size_t kPage15 = CloneImage::BlockOffset(15);

}  // namespace

CloneImage MakeSoundRadioImage(int index) {
    CloneImage image = MakeRadioImage(index);
    // Variant 1 (ZT-610) or 4 (ZT-640): product type 2, band type 4, frequency
    // type 0; the ZT-640 with keypad 1 and display 2.
    ItemMap::SetProductType(image, 2);
    ItemMap::SetSingle(ItemMap::HardwareItems[2], image, 0);
    ItemMap::SetBandType(image, 4);
    ItemMap::SetFrequencyType(image, 0);
    ItemMap::SetKeypadType(image, index == 1 ? 1 : 0);
    ItemMap::SetDisplayType(image, index == 1 ? 2 : 0);
    image[0xB8] = image[0xB9] = 0xFF;  // not stunned
    std::copy_n(image.data() + kPage8 + 0x0C, 4, image.data() + 0x24);
    SetLe16(image, kPage8 + 0x6D, 0x41A0);
    // The EEPROM holds the factory values of page 15 (block and table).
    std::copy_n(image.data() + kPage15 + 0x280, 0x80, image.data() + 0x30);
    std::copy_n(image.data() + kPage15 + 0x300, 0x100, image.data() + 0x240);
    StoreBlockChecksum(image, kPage15 + 0x280);
    std::copy_n(image.data() + kPage15 + 0x280, 2, image.data() + 0x30);
    StoreBlockChecksum(image, kPage14Block);
    image[kPage15 + 0x000] = 'W';  // the power-on tag's first letter
    image[kPage15 + 0x100] = 0x12;
    return image;
}

void ApplyDamage(CloneImage& image, Damage damage) {
    switch (damage) {
        case Damage::AlignChecksum:
            image[kPage14Block] = static_cast<std::uint8_t>(image[kPage14Block] ^ 0x5A);
            break;
        case Damage::IncompleteMarker:
            image[2 * 511] = image[2 * 511 + 1] = 0xFF;
            break;
        case Damage::Stunned:
            image[0xB8] = 0x01;
            image[0xB9] = 0x00;
            break;
        case Damage::HeaderBandErased:
            Erase(image, 0x24, 4);
            break;
        case Damage::Page8BandErased:
            Erase(image, kPage8 + 0x0C, 4);
            break;
        case Damage::BandLimitsDisagree:
            SetLe16(image, 0x24, 0x1234);
            break;
        case Damage::BandLimitsErased:
            Erase(image, 0x24, 4);
            Erase(image, kPage8 + 0x0C, 4);
            break;
        case Damage::EepromAlignmentErased:
            Erase(image, 0x30, 0x80);
            Erase(image, 0x240, 0x100);
            break;
        case Damage::Page15AlignmentErased:
            Erase(image, kPage15 + 0x280, 0x180);
            break;
        case Damage::AlignmentErased:
            Erase(image, 0x30, 0x80);
            Erase(image, 0x240, 0x100);
            Erase(image, kPage15 + 0x280, 0x180);
            break;
        case Damage::HardwareData:
            SetLe16(image, kPage8 + 0x6D, 0x3C00);
            break;
        case Damage::SubAudioFilterErased:
            Erase(image, kPage15 + 0x100, 0x180);
            break;
        case Damage::LcdTagErased:
            Erase(image, kPage15, 0x80);
            break;
    }
}

}  // namespace RadioSim
