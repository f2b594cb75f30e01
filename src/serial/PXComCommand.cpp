#include "serial/PXComCommand.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "image/CloneImage.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "serial/RadioFrame.h"
#include "serial/RadioItems.h"

namespace {

using Clock = std::chrono::steady_clock;

std::uint8_t Hi(unsigned v) {
    return static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
std::uint8_t Lo(unsigned v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

}  // namespace

void PXComCommand::Diagnostic(const char* text) const {
    Host().Log(text);
}

bool PXComCommand::CmdSend(const std::uint8_t* frame, int length, double backoffMs, bool cancellable) {
    if (!Drain()) return false;
    PurgeOutput();
    if (WriteBuffer(frame, length) < length) {
        Diagnostic("WriteBuffer() error.");
        return false;
    }
    std::array<std::uint8_t, RadioFrame::PageWriteFrameSize> echo{};
    if (length > static_cast<int>(echo.size())) return false;
    const double budget = Timing().Budget(Timing().echoMsPerByte * length);
    const int got = ReadEcho(echo.data(), length, budget, CancelFor(cancellable));
    if (got != length || std::memcmp(echo.data(), frame, static_cast<std::size_t>(length)) != 0) {
        Diagnostic("ReadBuffer() error. echoback");
        Pause(backoffMs, CancelFor(cancellable));
        return false;
    }
    return true;
}

bool PXComCommand::SendCommandAck(const std::uint8_t* frame, int length, double waitMs,
                                  const std::function<void()>& pump) {
    if (!CmdSend(frame, length, waitMs)) return false;
    std::uint8_t ack = 0;
    if (ReadBufferTimeout(&ack, 1, waitMs, pump) != 1) {
        Diagnostic("ReadBuffer() error. receive");
        return false;
    }
    return ack == RadioFrame::Ack;
}

bool PXComCommand::ReadReply(std::uint8_t* reply, int length, double budgetMs, std::uint8_t command,
                             bool cancellable) {
    const int got = ReadBufferTimeout(reply, length, budgetMs, {}, CancelFor(cancellable));
    lastReadUnanswered_ = got == 0;
    if (got != length) {
        char line[64];
        std::snprintf(line, sizeof line, "ReadBuffer() error. receive. len=%d", got);
        Diagnostic(line);
        return false;
    }
    if (!RadioFrame::IsValidReply(reply, static_cast<std::size_t>(length), command)) {
        Diagnostic("check sum error.");
        return false;
    }
    return true;
}

bool PXComCommand::EepromRead(std::uint16_t word, std::uint8_t* data) {
    const auto frame = RadioFrame::Build(RadioFrame::EepromReadCode, {Hi(word), Lo(word), 0x00, 0x00});
    lastReadUnanswered_ = false;
    Pause(Timing().preReadPauseMs, &cancel_);
    if (!CmdSend(frame.data(), static_cast<int>(frame.size()), Timing().eepromReadReplyMs, true)) {
        char line[48];
        std::snprintf(line, sizeof line, "CmdSend() error. eeprom addr=%04X", word);
        Diagnostic(line);
        return false;
    }
    std::uint8_t reply[RadioFrame::WordReplySize];
    if (!ReadReply(reply, sizeof reply, Timing().eepromReadReplyMs, RadioFrame::EepromReadCode, true))
        return false;
    data[0] = reply[3];
    data[1] = reply[4];
    return true;
}

bool PXComCommand::EepromWrite(std::uint16_t word, const std::uint8_t* data) {
    const auto frame = RadioFrame::Build(RadioFrame::EepromWriteCode, {Hi(word), Lo(word), data[0], data[1]});
    if (!CmdSend(frame.data(), static_cast<int>(frame.size()), Timing().eepromWriteReplyMs, true)) {
        char line[48];
        std::snprintf(line, sizeof line, "CmdSend() error. eeprom addr=%04X", word);
        Diagnostic(line);
        return false;
    }
    std::uint8_t reply[RadioFrame::WordReplySize];
    if (!ReadReply(reply, sizeof reply, Timing().eepromWriteReplyMs, RadioFrame::EepromWriteCode, true))
        return false;
    // The radio answers with what it stored: anything else is a failed write.
    return reply[3] == data[0] && reply[4] == data[1];
}

bool PXComCommand::FlashPageRead(std::uint16_t page, std::uint8_t* data, bool cancellable) {
    const auto frame = RadioFrame::Build(RadioFrame::FlashReadCode, {Hi(page), Lo(page)});
    lastReadUnanswered_ = false;
    Pause(Timing().preReadPauseMs, CancelFor(cancellable));
    if (!CmdSend(frame.data(), static_cast<int>(frame.size()), Timing().flashReadReplyMs, cancellable)) {
        char line[48];
        std::snprintf(line, sizeof line, "CmdSend() error. flash Page=%02X", page);
        Diagnostic(line);
        return false;
    }
    std::vector<std::uint8_t> reply(RadioFrame::PageReplySize);
    if (!ReadReply(reply.data(), static_cast<int>(reply.size()), Timing().flashReadReplyMs,
                   RadioFrame::FlashReadCode, cancellable))
        return false;
    std::memcpy(data, reply.data() + 3, RadioFrame::PageSize);
    return true;
}

bool PXComCommand::FlashPageWrite(std::uint16_t page, const std::uint8_t* data) {
    std::vector<std::uint8_t> payload(2 + RadioFrame::PageSize);
    payload[0] = Hi(page);
    payload[1] = Lo(page);
    std::memcpy(payload.data() + 2, data, RadioFrame::PageSize);
    const auto frame = RadioFrame::Build(RadioFrame::FlashWriteCode, payload.data(), payload.size());
    if (!CmdSend(frame.data(), static_cast<int>(frame.size()), Timing().flashWriteBackoffMs, true)) {
        char line[48];
        std::snprintf(line, sizeof line, "CmdSend() error. flash Page=%02X", page);
        Diagnostic(line);
        return false;
    }
    std::uint8_t ack = 0;
    if (ReadBufferTimeout(&ack, 1, Timing().flashWriteAckMs, {}, &cancel_) != 1) {
        Diagnostic("ReadBuffer() error. receive");
        return false;
    }
    return ack == RadioFrame::Ack;
}

bool PXComCommand::EepromReadWords(std::uint16_t first, int count, std::uint8_t* data) {
    for (int i = 0; i < count; ++i)
        if (!EepromRead(static_cast<std::uint16_t>(first + i), data + 2 * i)) return false;
    return true;
}

bool PXComCommand::FlashReadPages(std::uint16_t page, std::uint8_t* data) {
    return FlashPageRead(page, data);
}

bool PXComCommand::PowerOnHandshake(int answerMode, double waitMs) {
    std::uint8_t answer = 0;
    if (answerMode == 0 || answerMode == 2)
        answer = '@';
    else if (answerMode == 1)
        answer = '0';
    else
        return false;
    if (!Drain()) return false;
    PurgeOutput();
    const auto start = Clock::now();
    while (std::chrono::duration<double, std::milli>(Clock::now() - start).count() < waitMs) {
        std::uint8_t byte = 0;
        const int got = ReadBufferTimeout(&byte, 1, Timing().handshakeByteMs, {}, &cancel_);
        if (got == 1 && byte == 'P') {
            if (WriteBuffer(&answer, 1) != 1) return false;
            if (stateSink_) stateSink_(0);
            std::uint8_t echo = 0;
            ReadEcho(&echo, 1, Timing().handshakeEchoMs);
            return true;
        }
        if (Cancelled()) return false;
    }
    return false;
}

bool PXComCommand::SendEnd() {
    const auto frame = RadioFrame::Build(RadioFrame::EndCode, {});
    return CmdSend(frame.data(), static_cast<int>(frame.size()), 0.0);
}

PXComCommand::ProbeResult PXComCommand::ProbeModel() {
    CloneImage scratch;
    std::uint8_t* page8 = scratch.data() + CloneImage::BlockOffset(8);
    if (!FlashReadPages(8, page8))
        return LastReadUnanswered() ? ProbeResult::NoAnswer : ProbeResult::ReadFailed;
    return IsSeriesModelCode(ItemMap::ReadImageField(RadioItems::ModelCodeField, scratch))
               ? ProbeResult::Ok
               : ProbeResult::WrongModel;
}
