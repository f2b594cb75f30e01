#pragma once
// The forms every named item accessor is built from. A getter/setter pair is
// bound to one descriptor (or a layout pair, or a low/high byte pair) and goes
// through the generic reader and writer of ItemMap.h; no accessor computes a
// byte position of its own.
//
// Forms:
//   single        Get/SetSingle(d, image[, value])
//   record        Get/SetRecord(d, image, n, recordSize[, value])
//   layout A/B    Get/SetLayout(a, b, image[, value]), Get/SetLayoutRecord(...)
//   LE pair       Get/SetLEPair(low, high, image[, value]), Get/SetLEPairRecord(...)
//   inline LE     Get/SetInlineLE(d, image[, n, recordSize][, value])
//   table         Get/SetTableWord(d, image, n, recordSize[, value]) (bytes reversed)
//   text8 / raw8  Get/SetText8(d, image[, n, recordSize]), Get/SetRaw8(d, image, buffer)
//   text32        Get/SetText32(d, image[, text])
//   bitmap bit    Get/SetBitmapBit(d, image, n, bitCount[, value])
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"
#include "image/ItemMap.h"

namespace ItemMap {

// Uniform accessor signatures, so that copy loops can run
// set(destination, get(source)) over a list of pairs.
using ItemGetter = std::uint32_t (*)(const CloneImage&);
using ItemSetter = int (*)(CloneImage&, std::uint32_t);
using RecordGetter = std::uint32_t (*)(const CloneImage&, int);
using RecordSetter = int (*)(CloneImage&, int, std::uint32_t);

struct ItemAccessorPair {
    ItemGetter get;
    ItemSetter set;
};
struct RecordAccessorPair {
    RecordGetter get;
    RecordSetter set;
};

// ---- Either descriptor form through one name ------------------------------

inline std::uint32_t ReadItem(const HeaderItemDescriptor& d, const CloneImage& image, std::uint32_t index = 0,
                              std::uint32_t stride = 0) {
    return ReadHeaderField(d, image, index, stride);
}
inline std::uint32_t ReadItem(const ImageItemDescriptor& d, const CloneImage& image, std::uint32_t index = 0,
                              std::uint32_t stride = 0) {
    return ReadImageField(d, image, index, stride);
}
inline int WriteItem(const HeaderItemDescriptor& d, CloneImage& image, std::uint32_t index,
                     std::uint32_t stride, std::uint32_t value) {
    return WriteHeaderField(d, image, index, stride, value);
}
inline int WriteItem(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                     std::uint32_t stride, std::uint32_t value) {
    return WriteImageField(d, image, index, stride, value);
}
inline std::uint32_t ReadItemLE(const HeaderItemDescriptor& d, const CloneImage& image,
                                std::uint32_t index = 0, std::uint32_t stride = 0) {
    return ReadHeaderFieldLE(d, image, index, stride);
}
inline std::uint32_t ReadItemLE(const ImageItemDescriptor& d, const CloneImage& image,
                                std::uint32_t index = 0, std::uint32_t stride = 0) {
    return ReadImageFieldLE(d, image, index, stride);
}
inline int WriteItemLE(const HeaderItemDescriptor& d, CloneImage& image, std::uint32_t index,
                       std::uint32_t stride, std::uint32_t value) {
    return WriteHeaderFieldLE(d, image, index, stride, value);
}
inline int WriteItemLE(const ImageItemDescriptor& d, CloneImage& image, std::uint32_t index,
                       std::uint32_t stride, std::uint32_t value) {
    return WriteImageFieldLE(d, image, index, stride, value);
}

// A record index becomes the generic index; a negative one lands outside the
// image, where the core reads 0 and writes nothing.
constexpr std::uint32_t RecordIndex(int n) {
    return n < 0 ? 0x7FFFFFFFu : static_cast<std::uint32_t>(n);
}

// Records of the header area never reach past it into the flash blocks.
inline bool RecordInArea(const HeaderItemDescriptor& d, int n, std::uint32_t recordSize) {
    if (n < 0) return false;
    const std::uint64_t end = std::uint64_t{d.offset} + std::uint64_t(n) * recordSize + d.width;
    return end <= CloneImage::HeaderSize;
}
inline bool RecordInArea(const ImageItemDescriptor&, int n, std::uint32_t) {
    return n >= 0;
}

// A table of `count` records of `size` bytes. Record accessors given one
// refuse an index past the table as the header-area records do: the read
// gives 0 (or the empty text) and the write changes nothing, so a stray
// index never lands in the next table of the flash page.
struct RecordTable {
    std::uint32_t size;
    int count;
};

// Reverses the byte order of the low `width` bytes of a value (1-4).
constexpr std::uint32_t ReverseBytes(std::uint32_t value, std::uint32_t width) {
    std::uint32_t out = 0;
    for (std::uint32_t i = 0; i < width && i < 4; ++i) out = (out << 8) | ((value >> (8 * i)) & 0xFF);
    return out;
}

// ---- single --------------------------------------------------------------

template <class D>
std::uint32_t GetSingle(const D& d, const CloneImage& image) {
    return ReadItem(d, image, 0, 0);
}
template <class D>
int SetSingle(const D& d, CloneImage& image, std::uint32_t value) {
    return WriteItem(d, image, 0, 0, value);
}

// ---- record: item of record n of a table of recordSize-byte records -------

template <class D>
std::uint32_t GetRecord(const D& d, const CloneImage& image, int n, std::uint32_t recordSize) {
    if (!RecordInArea(d, n, recordSize)) return 0;
    return ReadItem(d, image, RecordIndex(n), recordSize);
}
template <class D>
int SetRecord(const D& d, CloneImage& image, int n, std::uint32_t recordSize, std::uint32_t value) {
    if (RecordInArea(d, n, recordSize)) WriteItem(d, image, RecordIndex(n), recordSize, value);
    return 1;
}

template <class D>
std::uint32_t GetRecord(const D& d, const CloneImage& image, int n, RecordTable table) {
    return n < table.count ? GetRecord(d, image, n, table.size) : 0;
}
template <class D>
int SetRecord(const D& d, CloneImage& image, int n, RecordTable table, std::uint32_t value) {
    return n < table.count ? SetRecord(d, image, n, table.size, value) : 1;
}

// ---- layout A/B: chosen from the image on every call ----------------------

template <class D>
std::uint32_t GetLayout(const D& a, const D& b, const CloneImage& image) {
    return GetSingle(ChooseLayout(image, a, b), image);
}
template <class D>
int SetLayout(const D& a, const D& b, CloneImage& image, std::uint32_t value) {
    return SetSingle(ChooseLayout(image, a, b), image, value);
}
template <class D>
std::uint32_t GetLayoutRecord(const D& a, const D& b, const CloneImage& image, int n,
                              std::uint32_t recordSize) {
    return GetRecord(ChooseLayout(image, a, b), image, n, recordSize);
}
template <class D>
int SetLayoutRecord(const D& a, const D& b, CloneImage& image, int n, std::uint32_t recordSize,
                    std::uint32_t value) {
    return SetRecord(ChooseLayout(image, a, b), image, n, recordSize, value);
}
template <class D>
std::uint32_t GetLayoutRecord(const D& a, const D& b, const CloneImage& image, int n, RecordTable table) {
    return GetRecord(ChooseLayout(image, a, b), image, n, table);
}
template <class D>
int SetLayoutRecord(const D& a, const D& b, CloneImage& image, int n, RecordTable table, std::uint32_t value) {
    return SetRecord(ChooseLayout(image, a, b), image, n, table, value);
}

// ---- LE pair: a 16-bit number in two one-byte items, low byte first -------

template <class D>
std::uint32_t GetLEPairRecord(const D& low, const D& high, const CloneImage& image, int n,
                              std::uint32_t recordSize) {
    return GetRecord(high, image, n, recordSize) * 256 + GetRecord(low, image, n, recordSize);
}
template <class D>
int SetLEPairRecord(const D& low, const D& high, CloneImage& image, int n, std::uint32_t recordSize,
                    std::uint32_t value) {
    SetRecord(low, image, n, recordSize, value & 0xFF);
    SetRecord(high, image, n, recordSize, (value >> 8) & 0xFF);
    return 1;
}
template <class D>
std::uint32_t GetLEPairRecord(const D& low, const D& high, const CloneImage& image, int n, RecordTable table) {
    return n < table.count ? GetLEPairRecord(low, high, image, n, table.size) : 0;
}
template <class D>
int SetLEPairRecord(const D& low, const D& high, CloneImage& image, int n, RecordTable table,
                    std::uint32_t value) {
    return n < table.count ? SetLEPairRecord(low, high, image, n, table.size, value) : 1;
}
template <class D>
std::uint32_t GetLEPair(const D& low, const D& high, const CloneImage& image) {
    return GetLEPairRecord(low, high, image, 0, 0);
}
template <class D>
int SetLEPair(const D& low, const D& high, CloneImage& image, std::uint32_t value) {
    return SetLEPairRecord(low, high, image, 0, 0, value);
}

// ---- inline LE: a little-endian word read natively, masked, no shift ------

template <class D>
std::uint32_t GetInlineLE(const D& d, const CloneImage& image, int n = 0, std::uint32_t recordSize = 0) {
    if (!RecordInArea(d, n, recordSize)) return 0;
    return ReadItemLE(d, image, RecordIndex(n), recordSize);
}
template <class D>
int SetInlineLE(const D& d, CloneImage& image, std::uint32_t value) {
    return WriteItemLE(d, image, 0, 0, value);
}
template <class D>
int SetInlineLE(const D& d, CloneImage& image, int n, std::uint32_t recordSize, std::uint32_t value) {
    if (RecordInArea(d, n, recordSize)) WriteItemLE(d, image, RecordIndex(n), recordSize, value);
    return 1;
}

// ---- table: a little-endian row of a tone table; the big-endian field is
// read over the descriptor's width and its bytes reversed ------------------

template <class D>
std::uint32_t GetTableWord(const D& d, const CloneImage& image, int n = 0, std::uint32_t recordSize = 0) {
    return ReverseBytes(GetRecord(d, image, n, recordSize), d.width);
}
template <class D>
int SetTableWord(const D& d, CloneImage& image, int n, std::uint32_t recordSize, std::uint32_t value) {
    return SetRecord(d, image, n, recordSize, ReverseBytes(value, d.width));
}

// ---- texts and raw bytes --------------------------------------------------

inline std::string GetText8(const ImageItemDescriptor& d, const CloneImage& image, int n = 0,
                            std::uint32_t recordSize = 0) {
    if (n < 0) return {};
    return ReadImageText8(d, image, RecordIndex(n), recordSize);
}
inline int SetText8(const ImageItemDescriptor& d, CloneImage& image, std::string_view text) {
    return WriteImageText8(d, image, 0, 0, text);
}
inline int SetText8(const ImageItemDescriptor& d, CloneImage& image, int n, std::uint32_t recordSize,
                    std::string_view text) {
    if (n >= 0) WriteImageText8(d, image, RecordIndex(n), recordSize, text);
    return 1;
}
inline std::string GetText8(const ImageItemDescriptor& d, const CloneImage& image, int n, RecordTable table) {
    return n < table.count ? GetText8(d, image, n, table.size) : std::string();
}
inline int SetText8(const ImageItemDescriptor& d, CloneImage& image, int n, RecordTable table,
                    std::string_view text) {
    return n < table.count ? SetText8(d, image, n, table.size, text) : 1;
}
inline int GetRaw8(const ImageItemDescriptor& d, const CloneImage& image, std::uint8_t* buffer) {
    return ReadRaw8(d, image, buffer);
}
inline int SetRaw8(const ImageItemDescriptor& d, CloneImage& image, const std::uint8_t* buffer) {
    return WriteRaw8(d, image, buffer);
}

// Up to 32 one-byte characters from the item's (one-byte) descriptor on,
// ended by the first 0xFF; a write pads with 0xFF to 32 bytes.
inline constexpr std::uint32_t Text32Size = 32;
inline std::string GetText32(const ImageItemDescriptor& d, const CloneImage& image) {
    std::string text;
    for (std::uint32_t i = 0; i < Text32Size; ++i) {
        const std::uint32_t c = ReadImageField(d, image, i, 1);
        if (c == 0xFF) break;
        text.push_back(static_cast<char>(c));
    }
    return text;
}
inline int SetText32(const ImageItemDescriptor& d, CloneImage& image, std::string_view text) {
    for (std::uint32_t i = 0; i < Text32Size; ++i)
        WriteImageField(d, image, i, 1, i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF);
    return 1;
}

// ---- bitmap bits: element n at byte n/8, bit 7-(n mod 8) ------------------
// Elements outside 0..bitCount-1 read 0 and write nothing, so a stray index
// cannot reach the bytes after the bitmap.

inline std::uint32_t GetBitmapBit(const HeaderItemDescriptor& d, const CloneImage& image, int n,
                                  int bitCount) {
    if (n < 0 || n >= bitCount) return 0;
    const HeaderItemDescriptor bit{d.offset, 1, d.mask << (7 - n % 8), 0, d.ordinal};
    return ReadHeaderField(bit, image, static_cast<std::uint32_t>(n / 8), 1);
}
inline int SetBitmapBit(const HeaderItemDescriptor& d, CloneImage& image, int n, int bitCount,
                        std::uint32_t value) {
    if (n < 0 || n >= bitCount) return 1;
    const HeaderItemDescriptor bit{d.offset, 1, d.mask << (7 - n % 8), 0, d.ordinal};
    return WriteHeaderField(bit, image, static_cast<std::uint32_t>(n / 8), 1, value & 1);
}
inline std::uint32_t GetBitmapBit(const ImageItemDescriptor& d, const CloneImage& image, int n,
                                  int bitCount) {
    if (n < 0 || n >= bitCount) return 0;
    return static_cast<std::uint32_t>(ReadBitmapBit(d, image, n));
}
inline int SetBitmapBit(const ImageItemDescriptor& d, CloneImage& image, int n, int bitCount,
                        std::uint32_t value) {
    if (n < 0 || n >= bitCount) return 1;
    return WriteBit(d, image, n, value);
}

}  // namespace ItemMap
