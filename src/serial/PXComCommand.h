#pragma once
// Single radio command frames over the serial port: every frame is written,
// its cable echo read back and compared, then the radio's reply is read and
// checked. One try each; PXComCommandRetry adds the retries.
#include <cstdint>
#include <functional>

#include "serial/Serialport.h"

class PXComCommand : public Serialport {
  public:
    using Serialport::Serialport;

    // ReadFailed: the radio answered, but the frame or its reply was spoilt
    // on the line; NoAnswer: the cable echoed the request and the radio
    // stayed silent.
    enum class ProbeResult { Ok, ReadFailed, WrongModel, NoAnswer };

    // Set to stop the running operation; cleared when a progress view opens.
    CancelFlag& Cancel() { return cancel_; }
    bool Cancelled() const { return cancel_.load(); }

    // Sends one frame and checks its echo. On a short or different echo
    // waits the back-off and fails.
    bool CmdSend(const std::uint8_t* frame, int length, double backoffMs, bool cancellable = false);
    // CmdSend, then one byte within `waitMs` that must be the ACK.
    bool SendCommandAck(const std::uint8_t* frame, int length, double waitMs,
                        const std::function<void()>& pump = {});

    // The four transfers, one try each. Words are two bytes in image order.
    bool EepromRead(std::uint16_t word, std::uint8_t* data);
    bool EepromWrite(std::uint16_t word, const std::uint8_t* data);
    bool FlashPageRead(std::uint16_t page, std::uint8_t* data, bool cancellable = true);
    bool FlashPageWrite(std::uint16_t page, const std::uint8_t* data);
    // Words first..first+count-1, stopping at the first failure.
    bool EepromReadWords(std::uint16_t first, int count, std::uint8_t* data);
    bool FlashReadPages(std::uint16_t page, std::uint8_t* data);

    // Waits up to `waitMs` for the radio's power-on beacon 'P' and answers
    // '@' (answer mode 0 or 2) or '0' (answer mode 1).
    bool PowerOnHandshake(int answerMode, double waitMs);
    // Ends the programming connection (0x38); only the echo is checked.
    bool SendEnd();
    // Reads flash page 8 and checks the model code of the series.
    ProbeResult ProbeModel();
    // After a failed EEPROM or flash read: true when the radio sent nothing
    // back at all (its request was echoed intact).
    bool LastReadUnanswered() const { return lastReadUnanswered_; }

    // Called with state 0 when the handshake succeeds (clears the state text).
    void SetStateSink(std::function<void(int)> sink) { stateSink_ = std::move(sink); }

    // The two model codes of the series, in the upper 16 bits of the model
    // code field of flash page 8.
    static bool IsSeriesModelCode(std::uint32_t field) {
        const std::uint32_t code = field >> 16;
        return code == 0x1127 || code == 0x1128;
    }

  protected:
    const CancelFlag* CancelFor(bool cancellable) const { return cancellable ? &cancel_ : nullptr; }
    void Diagnostic(const char* text) const;

  private:
    bool ReadReply(std::uint8_t* reply, int length, double budgetMs, std::uint8_t command, bool cancellable);

    CancelFlag cancel_{false};
    bool lastReadUnanswered_ = false;
    std::function<void(int)> stateSink_;
};
