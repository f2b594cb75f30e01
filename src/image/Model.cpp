#include "image/Model.h"

#include <cstdio>

#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"

namespace {

// Identifying items that have no accessor of their own.
const HeaderItemDescriptor& kTypeCode = ItemMap::HeaderInfoItems[2];
const HeaderItemDescriptor* const kVersion[4] = {&ItemMap::HeaderInfoItems[0], &ItemMap::HeaderInfoItems[1],
                                                 &ItemMap::HeaderInfoItems[4], &ItemMap::HeaderInfoItems[5]};
const HeaderItemDescriptor& kOptionHigh = ItemMap::HeaderOptionItems[4];
const ImageItemDescriptor& k2401Low = ItemMap::HardwareItems[2];
const ImageItemDescriptor& k2406High = ItemMap::HardwareItems[7];

int Bcd(std::uint32_t byte) {
    return static_cast<int>((byte >> 4) * 10 + (byte & 0x0F));
}

}  // namespace

namespace Model {

int IndexFromTypeCode(const CloneImage& image) {
    const auto code = static_cast<int>(ItemMap::ReadHeaderField(kTypeCode, image));
    for (const auto& row : ModelTable)
        if (row.index >= 0 && row.typeCode == code) return row.index;
    return -1;
}

int ProductType(const CloneImage& image) {
    return static_cast<int>(ItemMap::GetProductType(image));
}
int Byte2401Low(const CloneImage& image) {
    return static_cast<int>(ItemMap::ReadImageField(k2401Low, image));
}
int BandType(const CloneImage& image) {
    return static_cast<int>(ItemMap::GetBandType(image));
}
int FrequencyType(const CloneImage& image) {
    return static_cast<int>(ItemMap::GetFrequencyType(image));
}
int KeypadType(const CloneImage& image) {
    return static_cast<int>(ItemMap::GetKeypadType(image));
}
int DisplayType(const CloneImage& image) {
    return static_cast<int>(ItemMap::GetDisplayType(image));
}
int Byte2406High(const CloneImage& image) {
    return static_cast<int>(ItemMap::ReadImageField(k2406High, image));
}
int GroupMode(const CloneImage& image) {
    return static_cast<int>(ItemMap::GetOneGroupMode(image));
}

int GetBandSelection(const CloneImage& image) {
    if (ProductType(image) == 0) return DisplayType(image) == 2 ? 4 : 3;
    const int keypad = KeypadType(image);
    return (keypad >= 0 && keypad <= 2) ? keypad : 0;
}

bool IsPlainKind(const CloneImage& image) {
    const int display = DisplayType(image);
    return display != 2 && display != 5 && display != 6;
}

bool IsBandModeZero(const CloneImage& image) {
    return ProductType(image) == 0;
}

bool IsSpecialVariant(const CloneImage& image) {
    return ItemMap::GetVariantByte(image) == 2 && ProductType(image) == 0 &&
           BandType(image) * 32 + FrequencyType(image) == 0x83 && Byte2406High(image) == 5;
}

int VariantCodeFromImage(const CloneImage& image) {
    const int values[6] = {ProductType(image),   Byte2401Low(image), BandType(image),
                           FrequencyType(image), KeypadType(image),  DisplayType(image)};
    for (const auto& row : VariantTable) {
        const int wanted[6] = {row.productType,   row.byte2401Low, row.bandType,
                               row.frequencyType, row.keypadType,  row.displayType};
        bool match = true;
        for (int i = 0; i < 6; ++i) match = match && values[i] == wanted[i];
        if (match) return row.code;
    }
    return NoVariant;
}

std::string DefaultDataFileName(int variantCode, bool fallback) {
    for (const auto& row : VariantTable)
        if (row.code == variantCode) return row.fileName;
    return fallback ? "default640ud.PDX" : "";
}

}  // namespace Model

namespace Version {

int Compare(const CloneImage& image, int a, int b, int c, int d) {
    const int wanted[4] = {a, b, c, d};
    for (int i = 0; i < 4; ++i) {
        const int field = Bcd(ItemMap::ReadHeaderField(*kVersion[i], image));
        if (field != wanted[i]) return field - wanted[i];
    }
    return 0;
}

std::string Format(const CloneImage& image) {
    char text[32];
    std::snprintf(text, sizeof text, "%X.%02X.%02X.%02X", ItemMap::ReadHeaderField(*kVersion[0], image),
                  ItemMap::ReadHeaderField(*kVersion[1], image),
                  ItemMap::ReadHeaderField(*kVersion[2], image),
                  ItemMap::ReadHeaderField(*kVersion[3], image));
    return text;
}

bool HasFeature_1_9(const CloneImage& image, int index) {
    if (Compare(image, 1, 9, 0, 0) < 0) return false;
    std::uint32_t option = ItemMap::ReadHeaderField(kOptionHigh, image, static_cast<std::uint32_t>(index), 1);
    if (option == 15) option = 0;
    return option == 4;
}

bool HasFeatureFlag(const CloneImage& image) {
    return Compare(image, 1, 10, 0, 0) >= 0 && Model::GroupMode(image) == 1;
}

bool HasFeature_1_90(const CloneImage& image) {
    return Compare(image, 1, 90, 0, 0) >= 0 && Model::DisplayType(image) != 0;
}

}  // namespace Version
