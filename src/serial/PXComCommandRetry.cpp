#include "serial/PXComCommandRetry.h"

#include <vector>

#include "image/CloneImage.h"
#include "image/ItemMap.h"
#include "serial/RadioFrame.h"

bool PXComCommandRetry::EepromReadRetry(std::uint16_t first, int count, std::uint8_t* words) {
    for (int t = 0; t < ReadTries; ++t) {
        if (Cancelled()) return false;
        if (EepromReadWords(first, count, words)) return true;
    }
    return false;
}

bool PXComCommandRetry::EepromWriteRetry(std::uint16_t first, int count, const std::uint8_t* words) {
    for (int t = 0; t < WriteTries; ++t) {
        if (Cancelled()) return false;
        bool ok = true;
        for (int i = 0; i < count && ok; ++i)
            ok = EepromWrite(static_cast<std::uint16_t>(first + i), words + 2 * i);
        if (ok) return true;
    }
    return false;
}

bool PXComCommandRetry::FlashPageReadRetry(std::uint16_t page, std::uint8_t* buffer) {
    for (int t = 0; t < ReadTries; ++t) {
        if (Cancelled()) return false;
        if (FlashPageRead(page, buffer)) return true;
    }
    return false;
}

bool PXComCommandRetry::FlashPageWriteRetry(std::uint16_t page, const std::uint8_t* buffer) {
    for (int t = 0; t < WriteTries; ++t) {
        if (Cancelled()) return false;
        if (FlashPageWrite(page, buffer)) return true;
    }
    return false;
}

bool PXComCommandRetry::ShortCommand(std::uint8_t code, std::initializer_list<std::uint8_t> payload,
                                     int tries, double waitMs, const std::function<void()>& pump) {
    const auto frame = RadioFrame::Build(code, payload);
    for (int t = 0; t < tries; ++t)
        if (SendCommandAck(frame.data(), static_cast<int>(frame.size()), waitMs, pump)) return true;
    return false;
}

bool PXComCommandRetry::SelectAlignPointRetry(std::uint8_t a, std::uint8_t b) {
    return ShortCommand(0x30, {a, b}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::SelectAlignChannelRetry(int channel) {
    return SelectAlignPointRetry(static_cast<std::uint8_t>(channel / 16),
                                 static_cast<std::uint8_t>(channel % 16));
}

bool PXComCommandRetry::ReadValueRetry(std::uint8_t* six) {
    const auto frame = RadioFrame::Build(0x31, {});
    for (int t = 0; t < CommandTries; ++t) {
        if (!CmdSend(frame.data(), static_cast<int>(frame.size()), Timing().shortCommandMs)) continue;
        std::uint8_t reply[10] = {};
        if (ReadBufferTimeout(reply, sizeof reply, Timing().shortCommandMs) != sizeof reply) {
            Diagnostic("ReadBuffer() error. receive");
            continue;
        }
        if (!RadioFrame::IsValidReply(reply, sizeof reply, 0x31)) {
            Diagnostic("check sum error.");
            continue;
        }
        for (int i = 0; i < 6; ++i) six[i] = reply[3 + i];
        return true;
    }
    return false;
}

bool PXComCommandRetry::SetAdjustValueRetry(int value) {
    return ShortCommand(0x32, {static_cast<std::uint8_t>(value & 0xFF)}, CommandTries,
                        Timing().shortCommandMs);
}

bool PXComCommandRetry::TransmitRetry() {
    return ShortCommand(0x34, {}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::ReceiveRetry() {
    return ShortCommand(0x35, {}, ReceiveTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::Command36Retry(std::uint16_t value, std::uint8_t byte) {
    return ShortCommand(
        0x36, {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF), byte},
        CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::Command37Retry(std::uint8_t byte) {
    return ShortCommand(0x37, {byte}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::Command33Retry(std::uint8_t a, std::uint8_t b) {
    return ShortCommand(0x33, {a, b}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::ReadFlashValue(int kind, int& value, int channel) {
    value = 0;
    int recordByte = 0;
    switch (kind) {
        case 2:
            recordByte = 40;
            break;
        case 3:
            recordByte = 41;
            break;
        case 9:
            recordByte = 42;
            break;
        default:
            return false;
    }
    if (channel < 0 || channel >= ItemMap::ChannelCount) return false;
    const int page = channel * ItemMap::ChannelRecordSize / static_cast<int>(RadioFrame::PageSize);
    CloneImage scratch;
    std::uint8_t* buffer = scratch.data() + CloneImage::BlockOffset(static_cast<std::size_t>(page));
    for (int t = 0; t < CommandTries; ++t) {
        if (!FlashPageRead(static_cast<std::uint16_t>(page), buffer, false)) continue;
        const ImageItemDescriptor field{0, static_cast<std::uint32_t>(recordByte), 1, 0xFF, 0, 0};
        value = static_cast<int>(ItemMap::ReadChannelField(field, scratch, channel));
        return true;
    }
    return false;
}

bool PXComCommandRetry::Command3CRetry(std::uint8_t byte) {
    // The radio may still be sending from the previous step: start clean.
    Drain();
    PurgeOutput();
    return ShortCommand(0x3C, {byte}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::Command3DOnRetry() {
    return ShortCommand(0x3D, {0x01}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::Command3DOffRetry() {
    return ShortCommand(0x3D, {0x00}, CommandTries, Timing().shortCommandMs);
}

bool PXComCommandRetry::Command3ERetry(std::uint16_t value, std::uint16_t count,
                                       const std::function<void()>& pump) {
    const double wait = (count * 5.0 + 250.0) * Timing().longCommandUnitMs;
    return ShortCommand(0x3E,
                        {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF),
                         static_cast<std::uint8_t>(count >> 8), static_cast<std::uint8_t>(count & 0xFF)},
                        CommandTries, wait, pump);
}
