#pragma once
// Model, variant and firmware version of an image, and the default data file
// of each variant. Everything is derived from the image it is given.
#include <cstdint>
#include <string>

#include "image/CloneImage.h"

namespace Model {

inline constexpr int TypeCodeZT610 = 0x35;
inline constexpr int TypeCodeZT640 = 0x36;
inline constexpr int NoVariant = 65535;

struct ModelRow {
    int index;
    int typeCode;
};
inline constexpr ModelRow ModelTable[] = {{0, TypeCodeZT610}, {1, TypeCodeZT640}, {-1, -1}};

struct VariantRow {
    int code;
    int productType;
    int byte2401Low;
    int bandType;
    int frequencyType;
    int keypadType;
    int displayType;
    const char* fileName;
};
inline constexpr VariantRow VariantTable[] = {
    {0, 2, 0, 3, 2, 0, 0, "default610v.PDX"},  {1, 2, 0, 4, 0, 0, 0, "default610ua.PDX"},
    {2, 2, 0, 4, 3, 0, 0, "default610ud.PDX"}, {3, 2, 0, 3, 2, 1, 2, "default640v.PDX"},
    {4, 2, 0, 4, 0, 1, 2, "default640ua.PDX"}, {5, 2, 0, 4, 3, 1, 2, "default640ud.PDX"},
};

// 0 for ZT-610, 1 for ZT-640, -1 for any other radio-type code (header 0x02).
int IndexFromTypeCode(const CloneImage& image);
// The variant column 0-4 of restriction tables and item lists.
int GetBandSelection(const CloneImage& image);
// True unless Display Type is 2, 5 or 6.
bool IsPlainKind(const CloneImage& image);
// True when Product Type is 0.
bool IsBandModeZero(const CloneImage& image);
bool IsSpecialVariant(const CloneImage& image);
// The code of the first matching variant row, NoVariant when none matches.
int VariantCodeFromImage(const CloneImage& image);
// The default file of a variant; other codes give "default640ud.PDX" with the
// fallback flag, else "".
std::string DefaultDataFileName(int variantCode, bool fallback);
inline std::string GetDefaultFileName(int variantCode) {
    return DefaultDataFileName(variantCode, true);
}

// The identifying items, read through the item map.
int ProductType(const CloneImage& image);
int Byte2401Low(const CloneImage& image);
int BandType(const CloneImage& image);
int FrequencyType(const CloneImage& image);
int KeypadType(const CloneImage& image);
int DisplayType(const CloneImage& image);
int Byte2406High(const CloneImage& image);
int GroupMode(const CloneImage& image);  // byte 0x2528 bit 1

}  // namespace Model

namespace Version {

// Compares the image's firmware version (four BCD bytes) with a.b.c.d: the
// difference of the first field that differs, 0 when equal.
int Compare(const CloneImage& image, int a, int b, int c, int d);
// "%X.%02X.%02X.%02X" of the raw version bytes.
std::string Format(const CloneImage& image);
bool HasFeature_1_9(const CloneImage& image, int index);
bool HasFeatureFlag(const CloneImage& image);
bool HasFeature_1_90(const CloneImage& image);

}  // namespace Version
