#include "tone/TwoToneSettingRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "image/ItemMap.h"
#include "image/ItemsTone.h"
#include "image/ToneRegisters.h"
#include "tone/GridViewModel.h"
#include "tone/ToneTables.h"

namespace TwoToneSetting {
namespace {

std::string Format41(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%4.1f", v);
    return buf;
}

std::string Normalised(std::string_view text) {
    std::string t(text);
    std::replace(t.begin(), t.end(), ',', '.');
    return t;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Auto reset beep and time belong to each of the eight systems.
constexpr int SystemCount = 8;
constexpr std::uint32_t SystemStride = 16;

}  // namespace

double ToneValue(std::string_view text) {
    const std::string t = Normalised(text);
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || !std::isfinite(v)) return 0;
    return v;
}

std::string CommitToneText(std::string_view text) {
    if (IsBlank(text)) return Format41(0);
    const std::string t = Normalised(text);
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || !std::isfinite(v) || !IsBlank(end)) return Format41(MinTone);
    if (v == 0) return Format41(0);
    return Format41(std::clamp(v, MinTone, MaxTone));
}

std::uint32_t ToneWord(std::string_view text) {
    const double t = std::trunc(ToneValue(text) * 10.0 + 1e-6);
    if (t <= 0) return 0xFFFF;
    return static_cast<std::uint32_t>(std::min(t, 65534.0));
}

std::uint32_t ToneRegister(std::uint32_t tenths, std::uint32_t reference) {
    if (reference == 0) return 0xFFFF;
    const std::uint64_t q = static_cast<std::uint64_t>(tenths) * 10000u / reference;
    return static_cast<std::uint32_t>((q + 5) / 10) & 0xFFFF;
}

std::array<bool, ToneCount> OverlappingBands(const ToneTexts& tones, std::uint32_t precision) {
    const double p = precision * 0.001;
    std::array<double, ToneCount> low{}, high{};
    for (int k = 0; k < ToneCount; ++k) {
        const double f = ToneValue(tones[static_cast<std::size_t>(k)]);
        low[static_cast<std::size_t>(k)] = f == 0 ? 0 : f - f * p;
        high[static_cast<std::size_t>(k)] = f == 0 ? 0 : f + f * p;
    }
    std::array<bool, ToneCount> marks{};
    for (std::size_t i = 0; i < ToneCount; ++i) {
        for (std::size_t j = i + 1; j < ToneCount; ++j) {
            if (low[i] == 0 || low[j] == 0) continue;
            const bool overlap =
                (low[i] <= low[j] && low[j] <= high[i]) || (low[i] <= high[j] && high[j] <= high[i]) ||
                (low[j] <= low[i] && low[i] <= high[j]);
            if (overlap) marks[i] = marks[j] = true;
        }
    }
    return marks;
}

int CommitLeadDelay(std::string_view text) {
    const long v = std::strtol(std::string(text).c_str(), nullptr, 10);
    return static_cast<int>(std::clamp(v, 0L, 2550L) / 10 * 10);
}

int CodePlanStartRow(std::string_view text) {
    const auto t = static_cast<std::int32_t>(std::trunc(ToneValue(text) * 10.0 + 1e-6));
    const ItemList plan = GridView::ListRows(ToneTables::TwoToneCodePlan);
    for (std::size_t i = 0; i < plan.size(); ++i)
        if (plan[i].value >= 0 && plan[i].value == t) return static_cast<int>(i);
    return 0;
}

void ApplyCodePlanRow(int row, int edit, ToneTexts& tones) {
    const ItemList plan = GridView::ListRows(ToneTables::TwoToneCodePlan);
    if (row < 0 || row >= static_cast<int>(plan.size())) return;
    const auto& chosen = plan[static_cast<std::size_t>(row)];
    if (chosen.value >= 0) {
        if (edit >= 0 && edit < ToneCount) tones[static_cast<std::size_t>(edit)] = Format41(chosen.value / 10.0);
        return;
    }
    std::size_t k = 0;
    for (std::size_t i = static_cast<std::size_t>(row) + 1; i < plan.size() && plan[i].value >= 0 && k < ToneCount;
         ++i)
        tones[k++] = Format41(plan[i].value / 10.0);
    for (; k < ToneCount; ++k) tones[k] = Format41(0);
}

Values Load(const CloneImage& image) {
    using namespace ItemMap;
    Values v;
    v.decodePrecision = static_cast<std::int32_t>(GetTone2DecodePrecision(image));
    v.beepRepeatInterval = static_cast<std::int32_t>(GetTone2BeepRepeatInterval(image));
    v.callBeepLevel = static_cast<std::int32_t>(GetTone2CallBeepLevel(image));
    v.callEncodeCode = static_cast<std::int32_t>(GetTone2Call1To5EncodeCode(image));
    v.autoResetBeep = static_cast<std::int32_t>(ReadImageField(Tone2Items[9], image, 0, SystemStride));
    v.autoResetTime = static_cast<std::int32_t>(ReadImageField(Tone2Items[10], image, 0, SystemStride));
    v.leadIn = static_cast<int>(ReadImageField(Tone2Items[1], image)) * 10;
    v.leadOut = static_cast<int>(ReadImageField(Tone2Items[2], image)) * 10;
    for (int k = 0; k < ToneCount; ++k) {
        std::uint32_t word = GetPackBytesLE(image, k);
        if (word == 0xFFFF) word = 0;
        v.tones[static_cast<std::size_t>(k)] = Format41(word / 10.0);
    }
    return v;
}

void Save(CloneImage& image, const Values& v) {
    using namespace ItemMap;
    auto put = [](std::int32_t value, auto setter) {
        if (value >= 0) setter(static_cast<std::uint32_t>(value));
    };
    put(v.decodePrecision, [&](std::uint32_t x) { SetTone2DecodePrecision(image, x); });
    put(v.beepRepeatInterval, [&](std::uint32_t x) { SetTone2BeepRepeatInterval(image, x); });
    put(v.callBeepLevel, [&](std::uint32_t x) { SetTone2CallBeepLevel(image, x); });
    put(v.callEncodeCode, [&](std::uint32_t x) { SetTone2Call1To5EncodeCode(image, x); });
    for (std::uint32_t s = 0; s < SystemCount; ++s) {
        put(v.autoResetBeep, [&](std::uint32_t x) { WriteImageField(Tone2Items[9], image, s, SystemStride, x); });
        put(v.autoResetTime, [&](std::uint32_t x) { WriteImageField(Tone2Items[10], image, s, SystemStride, x); });
    }
    WriteImageField(Tone2Items[1], image, 0, 0, static_cast<std::uint32_t>(std::clamp(v.leadIn, 0, 2550) / 10));
    WriteImageField(Tone2Items[2], image, 0, 0, static_cast<std::uint32_t>(std::clamp(v.leadOut, 0, 2550) / 10));
    const std::uint32_t reference = GetTone2ReferenceValue(image);
    for (int k = 0; k < ToneCount; ++k) {
        const std::uint32_t word = ToneWord(v.tones[static_cast<std::size_t>(k)]);
        const std::uint32_t tenths = word == 0xFFFF ? 0 : word;
        WriteImageFieldLE(Tone2TableItems[0], image, static_cast<std::uint32_t>(k), 2,
                          ToneRegister(tenths, reference));
        SetPackBytesLE(image, k, word);
    }
    TwoTone::RecalcToneRegisters(image);
}

}  // namespace TwoToneSetting
