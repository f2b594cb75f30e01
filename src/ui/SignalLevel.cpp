#include "ui/SignalLevel.h"

#include <cmath>
#include <cstdio>

namespace SignalLevel {

int DecodeStored(std::uint8_t stored) {
    int magnitude = stored & 0x7F;
    return stored & 0x80 ? -magnitude : magnitude;
}

double Convert(double v, int unit) {
    switch (unit) {
        case 1:
            return v - 6;
        case 2:
            return std::pow(10.0, v / 20);
        case 3:
            return std::pow(10.0, (v - 6) / 20);
        case 4:
            return v - 113;
        default:
            return v;
    }
}

std::string ToText(std::uint8_t stored, int unit) {
    const char* format = FormatList[0].text;
    for (const auto& row : FormatList)
        if (row.value == unit && row.value != ItemListEnd) format = row.text;
    double value = Convert(DecodeStored(stored), unit);
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return value >= 0 ? std::string("+") + buf : std::string(buf);
}

std::string ToText(LevelGetter getter, const CloneImage& image, int unit) {
    return getter ? ToText(getter(image), unit) : std::string();
}

}  // namespace SignalLevel
