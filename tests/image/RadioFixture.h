#pragma once
// Builds small radio images for the channel and frequency tests: identity,
// synthesiser parameters and band limits written through the item map.
#include <cstdint>

#include "image/CloneImage.h"
#include "image/ItemAccessors.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"

namespace RadioFixture {

struct Hardware {
    std::uint32_t xtalKHz = 15360;
    std::uint32_t ifKHz = 50850;
    std::uint32_t localOffset = 1;
    std::uint32_t divider = 3;
    std::uint32_t min100kHz = 1360;
    std::uint32_t max100kHz = 1740;
    std::uint32_t stepMask = 0;
};

inline void SetTypeCode(CloneImage& image, std::uint32_t code) {
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[2], image, code);
}

// Firmware version as its four BCD bytes.
inline void SetFirmware(CloneImage& image, std::uint32_t a, std::uint32_t b, std::uint32_t c,
                        std::uint32_t d) {
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[0], image, a);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[1], image, b);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[4], image, c);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[5], image, d);
}

inline void SetHardware(CloneImage& image, const Hardware& hw) {
    ItemMap::SetReferenceXtalFrequency(image, hw.xtalKHz);
    ItemMap::SetFirstIfFrequency(image, hw.ifKHz);
    ItemMap::SetLocalOffset(image, hw.localOffset);
    for (int k = 0; k < 8; ++k) ItemMap::SetSingle(ItemMap::HardwareItems[86 + k], image, hw.divider);
    ItemMap::SetMinFrequency(image, hw.min100kHz);
    ItemMap::SetMaxFrequency(image, hw.max100kHz);
    ItemMap::SetChannelStep(image, hw.stepMask);
}

// A ZT-610 image with the given hardware and every channel on PLL REF 0.
inline CloneImage MakeImage(const Hardware& hw = {}, std::uint32_t typeCode = 0x35) {
    CloneImage image;
    SetTypeCode(image, typeCode);
    SetFirmware(image, 0x01, 0x90, 0x00, 0x00);
    SetHardware(image, hw);
    ItemMap::SetMaxCh(image, 16);
    ItemMap::SetMaxGroup(image, 8);
    ItemMap::SetWideBandPermit(image, 0);
    for (int c = 0; c < 128; ++c) {
        ItemMap::SetChannelRxPllRefType(image, c, 0);
        ItemMap::SetChannelTxPllRefType(image, c, 0);
    }
    return image;
}

}  // namespace RadioFixture
