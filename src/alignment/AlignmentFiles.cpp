#include "alignment/AlignmentFiles.h"

#include <cstdio>

#include "image/FileUtil.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"

namespace fs = std::filesystem;

namespace AlignmentFiles {

namespace {

// The serial number's letter codes 0-15, as the backup names spell them
// (the alignment file letter list: B to S without O and P).
constexpr char kSerialLetters[] = "BCDEFGHIJKLMNQRS";

}  // namespace

std::string SpecFileName(int productType, int frequencyType, int subType, int modelIndex) {
    std::string name;
    if (productType == 0)
        name = "m";
    else if (productType == 2)
        name = "h";
    else
        return {};
    const char letter = static_cast<char>('a' + subType);
    if (frequencyType >= 1 && frequencyType <= 3) {
        if (subType == 0 || subType == 2) name += std::string("v") + letter;
    } else if (frequencyType == 4) {
        if (subType == 0 || subType == 3 || subType == 7 || subType == 8 || subType == 10)
            name += std::string("u") + letter;
    } else {
        return {};
    }
    if (productType == 2 && modelIndex == 1) name += "n";
    return name + ".vdx";
}

std::string SpecFileName(const CloneImage& image) {
    const std::size_t page8 = CloneImage::BlockOffset(8);
    const int productType = (image[page8 + 0x000] >> 4) & 0x03;
    const int frequencyType = (image[page8 + 0x002] >> 5) & 0x07;
    const int subType = image[page8 + 0x002] & 0x1F;
    return SpecFileName(productType, frequencyType, subType, Model::IndexFromTypeCode(image));
}

fs::path SpecFolder() {
    return Host().ShippedFile(SpecFolderName);
}

std::string BackupFileName(const CloneImage& image, const std::tm& when) {
    const unsigned letterCode = ItemMap::GetSerialNumber2(image) & 0x0F;
    char name[64];
    std::snprintf(name, sizeof name, "%X%c%02X%04X_%04d%02d%02d_%02d%02d.adx",
                  ItemMap::GetSerialNumber1(image) & 0x0F, kSerialLetters[letterCode],
                  ItemMap::GetSerialNumber3(image) & 0xFF, ItemMap::GetSerialNumber4(image) & 0xFFFF,
                  when.tm_year + 1900, when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min);
    return name;
}

fs::path BackupFolder() {
    return Host().WritableFolder();
}

std::string UniqueName(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (!fs::exists(folder / name, ec)) return name;
    const fs::path base(name);
    const std::string stem = base.stem().string(), extension = base.extension().string();
    for (int n = 2;; ++n) {
        const std::string candidate = stem + "_" + std::to_string(n) + extension;
        if (!fs::exists(folder / candidate, ec)) return candidate;
    }
}

bool SaveBackup(const fs::path& folder, const std::string& name, const CloneImage& image) {
    const fs::path path = folder / name;
    const std::string bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!FileUtil::WriteFileAtomically(path.string(), bytes)) return false;
    CloneImage check;
    return FileUtil::OpenRead(check, path.string()) == 1 && check == image;
}

bool CHBaselineFileLoad(const std::string& name, CloneImage& image) {
    if (name.empty()) return false;
    return FileUtil::OpenRead(image, (BackupFolder() / name).string()) == 1;
}

bool LoadSpecFile(const fs::path& path, CloneImage& image) {
    return FileUtil::OpenRead(image, path.string()) == 1;
}

bool DeleteBackup(const std::string& name) {
    if (name.empty()) return false;
    std::error_code ec;
    fs::remove(BackupFolder() / name, ec);
    return !ec && !fs::exists(BackupFolder() / name, ec);
}

}  // namespace AlignmentFiles
