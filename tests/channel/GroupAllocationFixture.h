#pragma once
// Images for the group screens' tests: a radio with firmware 1.90, 16 x 8
// channels, 8 groups whose members are channels 16g + k, every channel in
// use, tags shown (Display Type 2) and no One Group Mode.
#include "image/ChannelOps.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/RadioFixture.h"

namespace GroupFixture {

inline CloneImage MakeImage(int maxCh = 16, int groups = 8) {
    CloneImage image = RadioFixture::MakeImage();
    ItemMap::SetMaxCh(image, static_cast<std::uint32_t>(maxCh));
    ItemMap::SetMaxGroup(image, static_cast<std::uint32_t>(groups));
    ItemMap::SetDisplayType(image, 2);
    ItemMap::SetOneGroupMode(image, 0);
    for (int g = 0; g < 8; ++g) {
        for (int k = 0; k < 16; ++k)
            ItemMap::WriteIndexedItem(image, g, k, static_cast<std::uint32_t>(16 * g + k));
        ItemMap::SetGroupTag(image, g, "GROUP" + std::to_string(g + 1) + "  ");
        ItemMap::SetPriorityChannel(image, g, 0xFF);
        ItemMap::SetGroupScanFlag(image, g, 1);
    }
    for (int c = 0; c < 128; ++c) {
        ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, c, 0);
        ItemMap::SetChannelScanZoneBit(image, c, 1);
        Channel::SetTag(image, c, "CH" + std::to_string(c + 1));
    }
    Zone::RefreshValidBits(image);
    return image;
}

}  // namespace GroupFixture
