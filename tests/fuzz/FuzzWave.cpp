// Tone samples: any bytes. Either a reason the file cannot be played, or an
// 8-bit mono PCM sound whose samples all came from inside the file.
#include <span>

#include "FuzzSupport.h"
#include "tone/Wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Wave::Parsed parsed = Wave::Parse(std::span<const std::uint8_t>(data, size));
    if (!parsed.ok()) {
        ZT_FUZZ_PROMISE(!Wave::Describe(parsed.error).empty());
        return 0;
    }
    ZT_FUZZ_PROMISE(parsed.format.channels == 1);
    ZT_FUZZ_PROMISE(parsed.format.bitsPerSample == 8);
    ZT_FUZZ_PROMISE(parsed.samples.size() <= size);
    return 0;
}
