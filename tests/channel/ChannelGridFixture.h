#pragma once
// Images for the channel grid tests: a default data file as the build writes
// it, with a few channels made from its first channel.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "image/ChannelOps.h"
#include "image/CloneImage.h"
#include "image/FileUtil.h"

namespace ChannelGridFixture {

inline std::string DefaultFile(const char* name) {
    return std::string(ZT_DEFAULT_DATA_DIR) + "/" + name;
}

// default640v.PDX: a VHF ZT-640 with 128 channels in 8 groups; only channel
// 1 ("CH 1") is in use.
inline CloneImage LoadDefault(const char* name = "default640v.PDX") {
    CloneImage image;
    EXPECT_EQ(FileUtil::LoadImageFile(image, DefaultFile(name)), 1) << name;
    return image;
}

// Channels `targets` become copies of channel 1 (record, in-use and scan
// bits).
inline void CopyFirstChannel(CloneImage& image, const std::vector<int>& targets) {
    const std::array<int, 1> first{0};
    Channel::StoreClipboard(image, first);
    Channel::PasteClipboard(image, targets);
}

}  // namespace ChannelGridFixture
