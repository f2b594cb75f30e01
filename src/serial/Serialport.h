#pragma once
// One serial line to the radio on POSIX termios: 8 data bits, no parity, one
// stop bit, raw bytes. Reads wait with poll() and return as soon as the bytes
// asked for are in; every wait has a deadline. Works on pseudo-terminals,
// where the modem-line calls are refused and skipped.
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "serial/CableType.h"
#include "serial/LinkTiming.h"

// The cancel flag of a radio operation: written by the user's side, polled by
// every wait of the worker.
using CancelFlag = std::atomic<bool>;

// What the line spent, for measurements: the bytes exchanged and the time
// the link waited by its own rules (pauses taken and budgets that ran out,
// at their nominal values). The cable's echo is booked apart: it comes back
// while the frame goes out and costs the line no time of its own.
struct LinkStats {
    std::uint64_t bytesWritten = 0;
    std::uint64_t bytesRead = 0;  // bytes of reads that ended in time, the echo included
    std::uint64_t echoBytes = 0;  // of those, the cable's echo of what was written
    double mandatedMs = 0.0;

    // What the radio itself sent.
    std::uint64_t RadioBytes() const { return bytesRead - echoBytes; }
};

class Serialport {
  public:
    static constexpr std::uint8_t Nak = 0x15;

    Serialport(std::string portName, unsigned baudRate, const LinkTiming& timing = LinkTiming{});
    virtual ~Serialport();
    Serialport(const Serialport&) = delete;
    Serialport& operator=(const Serialport&) = delete;

    // Opens the device for exclusive use; true at once when already open.
    bool PortOpen();
    // Kept for the calling order; the per-byte time-out lives in the timing.
    void SetTimeouts();
    // Sets 8N1 raw at the baud rate (two passes), raises DTR and RTS where
    // the device has them, and reads the baud rate back.
    bool InitializePort();
    // Reads up to `length` bytes; stops when the line stays silent for one
    // per-byte time-out. Returns the count read.
    int ReadBuffer(std::uint8_t* buffer, int length);
    // Reads until `length` bytes are in, the budget is spent, the first byte
    // is a NAK, or `cancel` is set. A budget of 0 still waits one per-byte
    // time-out. `pump` runs about every pump interval of waiting.
    int ReadBufferTimeout(std::uint8_t* buffer, int length, double budgetMs,
                          const std::function<void()>& pump = {}, const CancelFlag* cancel = nullptr);
    // ReadBufferTimeout for the cable's echo of what was just written; its
    // bytes count as echo in the statistics.
    int ReadEcho(std::uint8_t* buffer, int length, double budgetMs, const CancelFlag* cancel = nullptr);
    // Writes in chunks; the length written, or 0 on any failure.
    int WriteBuffer(const std::uint8_t* buffer, int length);
    // Discards what the radio still sends until the line is silent. False
    // when it does not fall silent within the drain limit.
    bool Drain();
    void PurgeInput();
    void PurgeOutput();
    void PurgeBoth();
    // Lowers and raises the modem lines, purges and closes; the descriptor
    // is always released. True when the port ends closed.
    bool PortClose();

    bool IsOpen() const { return fd_ >= 0; }
    const std::string& PortName() const { return portName_; }
    unsigned BaudRate() const { return baudRate_; }
    int PortType() const { return portType_; }
    void SetPortType(int type) { portType_ = type; }
    int WriteChunkSize() const { return CableType::TakesShortChunks(portType_) ? 16 : 1030; }
    // errno of the last failed open or line set-up (EACCES: no permission).
    int LastError() const { return lastError_; }

    const LinkTiming& Timing() const { return timing_; }
    void SetTiming(const LinkTiming& timing) { timing_ = timing; }
    LinkStats& Stats() { return stats_; }

    // A deliberate pause; ends early (false) when `cancel` is set.
    bool Pause(double ms, const CancelFlag* cancel = nullptr);

    // The standard termios speeds this port can be set to.
    static bool IsSupportedBaudRate(unsigned baud);

  protected:
    // The baud rate the device reports after set-up (0 when unknown).
    virtual unsigned ReadBackBaudRate();
    // Writes, for tests that check chunking.
    virtual long WriteChunk(const std::uint8_t* data, std::size_t size);
    int Descriptor() const { return fd_; }

  private:
    bool SetModemLines(bool raise);
    // Waits up to `ms` for input; false on time-out or hang-up.
    enum class WaitResult { Ready, TimedOut, HungUp };
    WaitResult WaitReadable(double ms);
    int ReadAvailable(std::uint8_t* buffer, int length);
    void Trace(const char* where, const char* mark) const;

    std::string portName_;
    unsigned baudRate_;
    int portType_ = CableType::Plain;
    int fd_ = -1;
    int lastError_ = 0;
    LinkTiming timing_;
    LinkStats stats_;
};
