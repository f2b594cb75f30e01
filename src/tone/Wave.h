#pragma once
// RIFF/WAVE files of the tone samples: uncompressed 8-bit mono PCM only. The
// parser walks the chunks with overflow-safe arithmetic and says why a file
// is refused.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace Wave {

struct Format {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSecond = 8000;
    std::uint32_t bytesPerSecond = 8000;
    std::uint16_t blockAlign = 1;
    std::uint16_t bitsPerSample = 8;
    std::uint16_t extraSize = 18;
};

enum class Error {
    None,
    NotRiff,           // no "RIFF" header, or a RIFF size beyond the file
    NotWave,           // no "WAVE" form, or nothing after it
    ChunkOverrun,      // a chunk header or size runs past the end
    FormatTooShort,    // a "fmt " chunk of fewer than 16 bytes
    NotPcm8Mono,       // compressed, more than one channel or not 8 bits
    DataBeforeFormat,  // "data" before "fmt "
    NoData,            // no "data" chunk
};

struct Parsed {
    Error error = Error::None;
    Format format;
    std::vector<std::uint8_t> samples;
    bool ok() const { return error == Error::None; }
};

Parsed Parse(std::span<const std::uint8_t> bytes);
// A sentence for the user about why a file cannot be played.
std::string Describe(Error error);

}  // namespace Wave
