#include "alignment/Tuning.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <thread>

#include "alignment/AlignmentData.h"
#include "serial/PXComCommandRetry.h"

namespace {

void Wait50Ms() {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

#define ZT_SG_TABLE(dev, mod, rf)                                                          \
    {                                                                                      \
        {2801, dev, false, "%.1f", 0.1, "kHz"}, {2802, mod, false, "%.1f", 0.1, "kHz"},     \
            {2803, rf, true, "%.0f", 1.0, "dBuV"}, { -1, -1, false, "", 0.0, "" }           \
    }
constexpr SgSettingRow kSquelchSg[8][4] = {
    ZT_SG_TABLE(0xF2, 0xF3, 0xF1), ZT_SG_TABLE(0xEC, 0xED, 0xEB), ZT_SG_TABLE(-1, -1, 0xF7),
    ZT_SG_TABLE(-1, -1, 0xF9),     ZT_SG_TABLE(0xF5, 0xF6, 0xF4), ZT_SG_TABLE(0xEF, 0xF0, 0xEE),
    ZT_SG_TABLE(-1, -1, 0xF8),     ZT_SG_TABLE(-1, -1, 0xFA),
};
#undef ZT_SG_TABLE

}  // namespace

namespace Tuning {

int SgRaw(const SgSettingRow& row, const CloneImage& image) {
    if (row.page8Offset < 0) return 0;
    const std::uint8_t byte = image[CloneImage::BlockOffset(8, static_cast<std::size_t>(row.page8Offset))];
    if (!row.signMagnitude) return byte;
    return (byte & 0x80) ? -(byte & 0x7F) : (byte & 0x7F);
}

std::string SgText(const SgSettingRow& row, const CloneImage& image) {
    if (row.page8Offset < 0) return "----";
    char text[48];
    std::snprintf(text, sizeof text, row.format, SgRaw(row, image) * row.scale);
    return std::string(text) + " " + row.unit;
}

AutoTuneResult AutoTune(PXComCommandRetry& radio, Request& request,
                        const std::function<void(int tune, int level)>& trace) {
    if (!radio.ReceiveRetry()) return AutoTuneResult::CmdError;
    const int step = std::clamp(request.step, StepMin, StepMax);
    int best = 0;
    for (int tune = 0; tune <= 255; tune += step) {
        if (!radio.SetAdjustValueRetry(tune)) return AutoTuneResult::TuneSetError;
        Wait50Ms();
        std::uint8_t status[6] = {};
        if (!radio.ReadValueRetry(status)) return AutoTuneResult::CmdError;
        const int level = status[2];
        if (trace) trace(tune, level);
        if (level > best) {
            best = level;
            request.bestValue = tune;
            request.bestLevel = level;
        }
        if (level <= best - 10) break;  // fallen 10 below the peak
    }
    // A peak of 0 is no peak: offering tuning value 0 would detune the radio.
    return best > 0 ? AutoTuneResult::Found : AutoTuneResult::NoSignal;
}

}  // namespace Tuning

namespace Squelch {

const SgSettingRow* SgTable(int item) {
    return kSquelchSg[std::clamp(item, 0, 7)];
}

int Stored(const CloneImage& image, int item) {
    return static_cast<int>(AlignmentData::ReadHeaderByte(image, Items[std::clamp(item, 0, 7)].headerByte));
}

int Default(const CloneImage& image, int item) {
    return image[CloneImage::BlockOffset(15, static_cast<std::size_t>(Items[std::clamp(item, 0, 7)].defaultByte))];
}

void Store(CloneImage& image, int item, int value) {
    AlignmentData::WriteHeaderByte(image, Items[std::clamp(item, 0, 7)].headerByte,
                                   static_cast<std::uint32_t>(std::clamp(value, 0, 255)));
}

int Level(const std::array<int, Samples>& samples) {
    const int sum = std::accumulate(samples.begin(), samples.end(), 0);
    const auto [min, max] = std::minmax_element(samples.begin(), samples.end());
    return (sum - *max - *min) / (Samples - 2);
}

std::optional<Levels> Measure(PXComCommandRetry& radio) {
    std::array<int, Samples> noise{}, rssi{};
    for (int i = 0; i < Samples; ++i) {
        std::uint8_t status[6] = {};
        if (!radio.ReadValueRetry(status)) return std::nullopt;
        Wait50Ms();
        noise[static_cast<std::size_t>(i)] = status[1];
        rssi[static_cast<std::size_t>(i)] = status[2];
    }
    return Levels{Level(noise), Level(rssi)};
}

}  // namespace Squelch
