#pragma once
// Data files for the shell's tests: small images that carry a variant's
// identity, written where a test's program folder would hold the shipped
// default data files.
#include <filesystem>
#include <fstream>
#include <string>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"
#include "image/ItemMap.h"
#include "image/Model.h"

namespace Fixtures {

// An image of variant `code` (0-5) whose byte 0x3FF carries `mark`, so tests
// can tell the files apart.
inline CloneImage VariantImage(int code, std::uint8_t mark = 0) {
    CloneImage image;
    const auto& row = Model::VariantTable[code];
    constexpr HeaderItemDescriptor typeCode{0x02, 1, 0xFF, 0, 0};
    ItemMap::WriteHeaderField(typeCode, image, 0, 0, code < 3 ? Model::TypeCodeZT610 : Model::TypeCodeZT640);
    const ImageItemDescriptor items[] = {{8, 0x000, 1, 0x30, 0, 0}, {8, 0x001, 1, 0x0F, 0, 0},
                                         {8, 0x002, 1, 0xE0, 0, 0}, {8, 0x002, 1, 0x1F, 0, 0},
                                         {8, 0x006, 1, 0x0F, 0, 0}, {8, 0x007, 1, 0x0F, 0, 0}};
    const int values[] = {row.productType,   row.byte2401Low, row.bandType,
                          row.frequencyType, row.keypadType,  row.displayType};
    for (int i = 0; i < 6; ++i)
        ItemMap::WriteImageField(items[i], image, 0, 0, static_cast<std::uint32_t>(values[i]));
    image[0x3FF] = mark;
    return image;
}

inline void WriteImage(const std::filesystem::path& path, const CloneImage& image) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()), CloneImage::Size);
}

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes the default data file of each variant code in `codes` into
// `folder`, marked with 0x10 + code.
inline void WriteDefaults(const std::filesystem::path& folder, std::initializer_list<int> codes) {
    for (int code : codes)
        WriteImage(folder / Model::VariantTable[code].fileName,
                   VariantImage(code, static_cast<std::uint8_t>(0x10 + code)));
}

}  // namespace Fixtures
