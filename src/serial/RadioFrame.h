#pragma once
// The radio's frame: command, 16-bit length (payload + checksum, big-endian),
// payload, and the low 8 bits of the sum of everything before it. The radio
// answers short commands with a single ACK byte and refuses with NAK.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace RadioFrame {

inline constexpr std::uint8_t Ack = 0x06;
inline constexpr std::uint8_t Nak = 0x15;
inline constexpr std::size_t Overhead = 4;  // command, length (2), checksum

inline constexpr std::uint8_t EepromReadCode = 0xF0;
inline constexpr std::uint8_t EepromWriteCode = 0xF1;
inline constexpr std::uint8_t FlashReadCode = 0xF6;
inline constexpr std::uint8_t FlashWriteCode = 0xF7;
inline constexpr std::uint8_t EndCode = 0x38;

inline constexpr std::size_t PageSize = 1024;
inline constexpr std::size_t PageWriteFrameSize = PageSize + 2 + Overhead;  // 1,030
inline constexpr std::size_t PageReplySize = PageSize + Overhead;           // 1,028
inline constexpr std::size_t WordReplySize = 2 + Overhead;                  // 6

inline std::uint8_t Checksum(const std::uint8_t* data, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < count; ++i) sum += data[i];
    return static_cast<std::uint8_t>(sum);
}

// A whole frame around `payload`.
inline std::vector<std::uint8_t> Build(std::uint8_t command, const std::uint8_t* payload, std::size_t count) {
    std::vector<std::uint8_t> frame;
    frame.reserve(count + Overhead);
    const std::size_t length = count + 1;
    frame.push_back(command);
    frame.push_back(static_cast<std::uint8_t>(length >> 8));
    frame.push_back(static_cast<std::uint8_t>(length & 0xFF));
    frame.insert(frame.end(), payload, payload + count);
    frame.push_back(Checksum(frame.data(), frame.size()));
    return frame;
}
inline std::vector<std::uint8_t> Build(std::uint8_t command, std::initializer_list<std::uint8_t> payload) {
    return Build(command, payload.begin(), payload.size());
}

// A reply is taken when it carries the command code and its last byte is the
// checksum of all before it; its length bytes are not examined.
inline bool IsValidReply(const std::uint8_t* reply, std::size_t count, std::uint8_t command) {
    return count >= 2 && reply[0] == command && reply[count - 1] == Checksum(reply, count - 1);
}

}  // namespace RadioFrame
