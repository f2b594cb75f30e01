#pragma once
// What a dialog changed in an image: every byte that differs, with its old
// and new value, so a failing test names the bytes.
#include <cstdint>
#include <map>
#include <string>

#include "image/CloneImage.h"
#include "image/FileUtil.h"

namespace SettingsTest {

using Changes = std::map<std::size_t, std::uint8_t>;  // offset -> new value

inline Changes Diff(const CloneImage& before, const CloneImage& after) {
    Changes changes;
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (before[i] != after[i]) changes[i] = after[i];
    return changes;
}

// The build's default data file of a variant ("default640v.PDX").
inline CloneImage DefaultImage(const std::string& name = "default640v.PDX") {
    CloneImage image;
    FileUtil::LoadImageFile(image, std::string(ZT_DEFAULT_DATA_DIR) + "/" + name);
    return image;
}

}  // namespace SettingsTest
