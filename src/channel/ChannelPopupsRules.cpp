#include "channel/ChannelPopupsRules.h"

#include <algorithm>
#include <cstdio>

#include "image/ChannelOps.h"
#include "image/ItemsChannel.h"
#include "image/Model.h"

namespace ChannelPopups {

// clang-format off
const std::array<int, 50> CtcssTones = {
    670, 693, 719, 744, 770, 797, 825, 854, 885, 915, 948, 974, 1000, 1035, 1072, 1109, 1148, 1188, 1230,
    1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257,
    2336, 2418, 2503, 1598, 1655, 1713, 1773, 1835, 1899, 1966, 1995, 2065, 2291, 2541};

// Octal literals, as the codes are named.
const std::array<int, 106> DcsCodes = {
    0023, 0025, 0026, 0031, 0032, 0036, 0043, 0047, 0051, 0053, 0054, 0065, 0071, 0072, 0073, 0074, 0114,
    0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162, 0165, 0172, 0174, 0205,
    0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0250, 0251, 0252, 0255, 0261, 0263, 0265, 0266, 0271,
    0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351, 0356, 0364, 0365, 0371, 0411, 0412, 0413,
    0423, 0431, 0432, 0435, 0445, 0446, 0452, 0454, 0455, 0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523,
    0526, 0532, 0546, 0565, 0606, 0612, 0624, 0627, 0631, 0632, 0654, 0662, 0664, 0703, 0712, 0723, 0731,
    0732, 0734, 0743, 0754};
// clang-format on

std::string CtcssText(int tenths) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%4.1f", tenths / 10.0);
    return buffer;
}

std::string DcsText(int code) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%03o", static_cast<unsigned>(code));
    return buffer;
}

int SubAudioType(const CloneImage& image, int channel, int direction) {
    return static_cast<int>(direction == Direction::Encode
                                ? ItemMap::GetChannelSubAudioEncType(image, channel)
                                : ItemMap::GetChannelSubAudioDecType(image, channel));
}

int SubAudioCode(const CloneImage& image, int channel, int direction) {
    return static_cast<int>(direction == Direction::Encode
                                ? ItemMap::GetChannelSubAudioEncCode(image, channel)
                                : ItemMap::GetChannelSubAudioDecCode(image, channel));
}

bool StoreSubAudioCode(CloneImage& image, int channel, int direction, int code) {
    const int type = SubAudioType(image, channel, direction);
    if (code < 0 || type < 1 || type > 3) return false;
    code = type == 1 ? std::clamp(code, CtcssMin, CtcssMax) : std::clamp(code, DcsMin, DcsMax);
    if (direction == Direction::Encode)
        ItemMap::SetChannelSubAudioEncCode(image, channel, static_cast<std::uint32_t>(code));
    else
        ItemMap::SetChannelSubAudioDecCode(image, channel, static_cast<std::uint32_t>(code));
    return true;
}

void SaveAniFields(CloneImage& image, int channel, const AniFields& fields) {
    if (fields.type >= 0) Channel::SetAniMode(image, channel, fields.type);
    if (fields.monitor >= 0)
        ItemMap::SetChannelAniMonitor(image, channel, static_cast<std::uint32_t>(fields.monitor));
    if (fields.type == 2 && fields.table >= 0)
        ItemMap::SetChannelMdc1200Ani(image, channel, static_cast<std::uint32_t>(fields.table));
    if (fields.type == 3) ItemMap::SetChannelMdc1200Ani(image, channel, 128);
}

AniScreen ScreenForAniResult(const CloneImage& image, int result) {
    switch (result - AniSettingResultBase) {
        case 1:
            return AniScreen::DtmfAni;
        case 2:
            return Version::HasFeature_1_90(image) ? AniScreen::Mdc1200Common : AniScreen::Mdc1200System;
        case 3:
            return AniScreen::FleetLinkAni;
        default:
            return AniScreen::None;
    }
}

int PopupValue(const CloneImage& image, int channel, int kind) {
    return kind == PopupKind::Vox ? static_cast<int>(ItemMap::GetChannelVox(image, channel))
                                  : Channel::GetEncryption(image, channel);
}

void StorePopupValue(CloneImage& image, int channel, int kind, int value) {
    if (kind == PopupKind::Vox)
        ItemMap::SetChannelVox(image, channel, static_cast<std::uint32_t>(value));
    else if (kind == PopupKind::Encryption)
        Channel::SetEncryption(image, channel, value);
}

}  // namespace ChannelPopups
