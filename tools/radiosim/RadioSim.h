#pragma once
// A radio on the far side of a pseudo-terminal, for tests, benchmarks and
// trying the program by hand. It plays the programming cable (every byte the
// program sends comes back as echo) and the radio behind it: the power-on
// beacon 'P' until the program answers '@' or '0', then the framed commands
// (EEPROM words 0xF0/0xF1, flash pages 0xF6/0xF7, the alignment commands
// 0x30-0x3E, 0x38 to end programming and reboot). Faults can be injected per
// test, and the bytes it sends can be paced at a baud rate. The cable's echo
// comes back at once, whatever the radio is still sending; what the radio
// sends while no program holds the port is lost, as on a real line.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "image/CloneImage.h"

namespace RadioSim {

enum class FaultKind {
    NoBeacon,        // the radio boots without beaconing
    WrongModelCode,  // flash page 8 is read with another model code
    EchoLost,        // the cable returns nothing of the frame
    EchoCorrupted,   // the cable returns the frame with one byte changed
    Nak,             // the radio refuses the frame
    BadChecksum,     // the reply's checksum is wrong (an ACK becomes another byte)
    DelayedReply,    // the reply comes delayMs late
    Stall,           // power loss: the radio goes dead at this frame
    WriteMismatch,   // 0xF1 answers other data bytes than those sent
};

struct Fault {
    FaultKind kind;
    int fromFrame = 0;         // the first matching frame it applies to (0-based)
    int count = -1;            // how many matching frames; -1 = all from then on
    std::uint8_t command = 0;  // only frames of this command; 0 = any
    double delayMs = 0.0;      // DelayedReply
};

// One thing the radio heard.
struct Record {
    enum class Kind { Handshake, Frame };
    Kind kind;
    std::uint8_t command;            // the frame's code, or the handshake answer byte
    std::uint16_t address;           // EEPROM word or flash page; 0 for others
    std::vector<std::uint8_t> data;  // 0xF1 data bytes, short-command payload
    bool answered;                   // false when the radio refused it or did not react
    double atMs;                     // since the simulator started
};

struct Options {
    unsigned baud = 0;  // 0: no pacing
    double beaconIntervalMs = 30.0;
    double rebootMs = 50.0;       // silence after 0x38 before beaconing again
    bool startConnected = false;  // already in a programming connection
    bool startOff = false;        // switched off until PowerOn()
};

// What the radio made of the alignment commands (0x30-0x3E).
struct AlignState {
    bool alignmentConnection = false;  // the last handshake was answered '0'
    int point = -1;                    // 0x30 (a, b): point a x 16 + b
    bool transmitting = false;         // 0x34 keys up, 0x35 receives
    int adjustValue = -1;              // the last 0x32 value
    std::map<int, int> items;          // 0x33 (code, value): the live value of each item code
    std::uint16_t value36 = 0;         // the last 0x36 (value, byte)
    std::uint8_t byte36 = 0;
    int byte37 = -1;                   // the last 0x37 (DCS modulation on 1 / off 0)
    int reference = -1;                // the last 0x3C (reference frequency value)
};

// The 0x31 status reply while the curve is on: byte 1 the VCV A/D reading,
// byte 2 the RSSI, which peaks at `center` of the last 0x32 value and falls
// by `slope` per step away from it (not below 0).
struct RssiCurve {
    int center = 128;
    int peak = 200;
    int slope = 2;
    int vcv = 100;
};

class Simulator {
  public:
    explicit Simulator(const Options& options = Options{});
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // Opens the pseudo-terminal and starts serving; false when no pty.
    bool Start();
    void Stop();
    // The device path the program opens.
    std::string PortPath() const;

    void LoadImage(const CloneImage& image);
    CloneImage Memory() const;
    bool LoadFile(const std::string& path);
    bool DumpFile(const std::string& path) const;

    void SetFaults(std::vector<Fault> faults);
    void ClearFaults();
    // A programming password: six hex digits, or "" for none.
    void SetRadioPassword(const std::string& digits);
    // The six bytes of the 0x31 status reply.
    void SetStatus(const std::uint8_t (&status)[6]);

    AlignState Alignment() const;
    void SetRssiCurve(const RssiCurve& curve);
    // The next 0x31 replies, one each, before the curve or the fixed status.
    void QueueStatus(const std::vector<std::array<std::uint8_t, 6>>& replies);

    void PowerOff();
    // Switches the radio on: it boots and beacons.
    void PowerOn();
    bool InProgramming() const;

    std::vector<Record> Log() const;
    void ClearLog();
    // Bytes the simulator sent (echo, replies, beacons).
    std::uint64_t BytesSent() const { return bytesSent_.load(); }

  private:
    using Clock = std::chrono::steady_clock;
    enum class State { Off, Booting, Programming, Rebooting };

    void Serve();
    void OnAlignCommand(std::uint8_t command, const std::uint8_t* payload, std::size_t size);
    std::vector<std::uint8_t> StatusBytes() const;
    void OnByte(std::uint8_t byte, Clock::time_point now);
    void OnFrame(Clock::time_point now);
    bool FaultActive(FaultKind kind) const;  // among this frame's faults
    // The radio's bytes, sent one after the other from `notBefore` on.
    void Queue(const std::uint8_t* bytes, std::size_t count, Clock::time_point notBefore);
    // One byte of the cable's echo: back at once, beside the radio's bytes.
    void QueueEcho(std::uint8_t byte, Clock::time_point now);
    // Replies the radio holds back (a late reply) go out at their time.
    void ReleaseHeld(Clock::time_point now);
    // Nobody holds the port: what is on its way is lost.
    void DropPending();
    // Empties the port's input queue once no program holds it.
    void FlushPortInput();
    void QueueReply(std::vector<std::uint8_t> reply, Clock::time_point notBefore);
    void Flush(Clock::time_point now);
    double MsSinceStart(Clock::time_point t) const;

    Options options_;
    int master_ = -1;
    bool portHeld_ = false;  // a program has the port open
    std::string path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<std::uint64_t> bytesSent_{0};
    Clock::time_point start_;

    mutable std::mutex mutex_;  // everything below
    CloneImage memory_;
    std::vector<Fault> faults_;
    std::vector<int> faultSeen_;
    std::vector<Record> log_;
    std::uint8_t status_[6] = {};
    AlignState align_;
    RssiCurve curve_;
    bool curveOn_ = false;
    mutable std::deque<std::array<std::uint8_t, 6>> statusQueue_;
    State state_ = State::Booting;
    Clock::time_point nextBeacon_;
    Clock::time_point rebootEnd_;

    // The frame being received.
    std::vector<std::uint8_t> frame_;
    std::size_t frameLength_ = 0;
    Clock::time_point lastByte_;
    std::vector<FaultKind> frameFaults_;
    double frameDelayMs_ = 0.0;

    struct Out {
        std::uint8_t byte;
        Clock::time_point due;
    };
    std::deque<Out> out_;  // by due time
    Clock::time_point lineFree_;
    struct Held {
        std::vector<std::uint8_t> bytes;
        Clock::time_point due;
    };
    std::vector<Held> held_;
};

// An image that identifies as a radio of the series: model `index` 0
// (ZT-610, model code 0x1128) or 1 (ZT-640, model code 0x1127), band type 4,
// frequency type 0, no password, word 511 marked complete.
CloneImage MakeRadioImage(int index = 0);

// A radio whose stored data is sound in every area the radio data recovery
// examines: MakeRadioImage's, with the variant "default610ua.PDX" (ZT-610) or
// "default640ua.PDX" (ZT-640) names, a right page-14 checksum, not stunned,
// the header's band limits those of page 8, the hardware marker 0x41A0 at
// page 8 0x6D (a 16.8 MHz reference crystal), and the EEPROM alignment equal
// to the factory copy of page 15 (the tuned page-14 block differs from it).
CloneImage MakeSoundRadioImage(int index = 0);

// One kind of damage of a radio's stored data each, as the recovery finds it.
enum class Damage {
    AlignChecksum,          // the page-14 alignment block's checksum is wrong
    IncompleteMarker,       // EEPROM word 511 reads FF FF (a write was cut off)
    Stunned,                // header bytes 0xB8-0xB9 hold a kill/stun code
    HeaderBandErased,       // the header's copy of the band limits is erased
    Page8BandErased,        // page 8's band limits are erased
    BandLimitsDisagree,     // both present, different
    BandLimitsErased,       // both erased
    EepromAlignmentErased,  // the EEPROM alignment block and table are erased
    Page15AlignmentErased,  // the factory copy in page 15 is erased
    AlignmentErased,        // both copies are erased
    HardwareData,           // page 8's hardware marker is wrong
    SubAudioFilterErased,   // page 15 from 0x100 is erased up to the factory block
    LcdTagErased,           // page 15 0x000-0x07F is erased
};
struct DamageName {
    Damage damage;
    const char* name;
};
inline constexpr DamageName DamageNames[] = {
    {Damage::AlignChecksum, "align-checksum"},
    {Damage::IncompleteMarker, "incomplete-marker"},
    {Damage::Stunned, "stunned"},
    {Damage::HeaderBandErased, "header-band-erased"},
    {Damage::Page8BandErased, "page8-band-erased"},
    {Damage::BandLimitsDisagree, "band-limits-disagree"},
    {Damage::BandLimitsErased, "band-limits-erased"},
    {Damage::EepromAlignmentErased, "eeprom-alignment-erased"},
    {Damage::Page15AlignmentErased, "page15-alignment-erased"},
    {Damage::AlignmentErased, "alignment-erased"},
    {Damage::HardwareData, "hardware-data"},
    {Damage::SubAudioFilterErased, "sub-audio-filter-erased"},
    {Damage::LcdTagErased, "lcd-tag-erased"},
};
void ApplyDamage(CloneImage& image, Damage damage);

}  // namespace RadioSim
