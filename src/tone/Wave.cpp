#include "tone/Wave.h"

#include <cstring>

namespace Wave {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
bool Is(const std::uint8_t* p, const char* id) {
    return std::memcmp(p, id, 4) == 0;
}

}  // namespace

Parsed Parse(std::span<const std::uint8_t> bytes) {
    Parsed r;
    const std::size_t n = bytes.size();
    if (n < 8 || !Is(bytes.data(), "RIFF") || U32(bytes.data() + 4) > n - 8) {
        r.error = Error::NotRiff;
        return r;
    }
    if (n < 12 || !Is(bytes.data() + 8, "WAVE") || n == 12) {
        r.error = Error::NotWave;
        return r;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at < n) {
        // Sizes are compared against what remains, never added to a position
        // first, so that a huge declared size cannot wrap around.
        if (n - at < 8) {
            r.error = Error::ChunkOverrun;
            return r;
        }
        const std::uint8_t* chunk = bytes.data() + at;
        const std::uint32_t size = U32(chunk + 4);
        const std::size_t remaining = n - at - 8;
        if (size > remaining) {
            r.error = Is(chunk, "data") && !haveFormat ? Error::DataBeforeFormat : Error::ChunkOverrun;
            return r;
        }
        const std::uint8_t* body = chunk + 8;
        if (Is(chunk, "fmt ")) {
            if (size < 16) {
                r.error = Error::FormatTooShort;
                return r;
            }
            Format f;
            f.formatTag = U16(body);
            f.channels = U16(body + 2);
            f.samplesPerSecond = U32(body + 4);
            f.bytesPerSecond = U32(body + 8);
            f.blockAlign = U16(body + 12);
            f.bitsPerSample = U16(body + 14);
            f.extraSize = size >= 18 ? U16(body + 16) : 0;
            if (f.formatTag != 1 || f.channels != 1 || f.bitsPerSample != 8) {
                r.error = Error::NotPcm8Mono;
                return r;
            }
            r.format = f;
            haveFormat = true;
        } else if (Is(chunk, "data")) {
            if (!haveFormat) {
                r.error = Error::DataBeforeFormat;
                return r;
            }
            r.samples.assign(body, body + size);
            return r;
        }
        // No pad byte after an odd-sized chunk: the files are written so.
        at += 8 + static_cast<std::size_t>(size);
    }
    r.error = Error::NoData;
    return r;
}

std::string Describe(Error error) {
    switch (error) {
        case Error::None:
            return {};
        case Error::NotRiff:
            return "The file is not a RIFF file, or it is cut short.";
        case Error::NotWave:
            return "The file is not a WAVE sound file.";
        case Error::ChunkOverrun:
            return "The sound file is damaged: a part of it runs past its end.";
        case Error::FormatTooShort:
            return "The sound file's format description is too short.";
        case Error::NotPcm8Mono:
            return "The sound file is not 8-bit mono PCM, the only form the tone samples are played in.";
        case Error::DataBeforeFormat:
            return "The sound file's samples come before its format description.";
        case Error::NoData:
            return "The sound file holds no samples.";
    }
    return {};
}

}  // namespace Wave
