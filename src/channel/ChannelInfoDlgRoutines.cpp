#include "channel/ChannelInfoDlgRoutines.h"

#include <algorithm>

#include "image/Frequency.h"
#include "image/ItemsSystem.h"

int ReadZoneCount(const CloneImage& image) {
    return static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxGroup(image), 8));
}

namespace {

bool Store(CloneImage& image, int channel, int which, double mhz) {
    if (channel < 0 || channel >= 128) return false;
    const PllReference reference = CalcPLLFrequency::ReadReference(image);
    return CalcPLLFrequency::UpdateChannelFrequency(image, which, channel, reference, mhz);
}

}  // namespace

bool FrequencyConvertA(CloneImage& image, int channel, int which, double mhz) {
    if (!Store(image, channel, which, mhz)) return false;
    CalcClockShift(image).UpdateTxClockShift(channel);
    return true;
}

bool FrequencyConvertB(CloneImage& image, int channel, int which, double mhz) {
    if (!Store(image, channel, which, mhz)) return false;
    CalcClockShift(image).UpdateRxClockShift(channel);
    return true;
}
