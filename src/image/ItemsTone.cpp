#include "image/ItemsTone.h"

#include "image/ItemAccessors.h"
#include "image/TagCharRule.h"

namespace ItemMap {

namespace {
// 5-tone systems 0-31, decode records 0-8 (8 the group record) and encode
// records 0-31.
constexpr RecordTable kTone5SystemRecords{16, 32};
// The eight 2-tone systems, decode records and encode records.
constexpr RecordTable kTone2Records{16, 8};
constexpr RecordTable kTone5DecodeRecords{32, 9};
constexpr RecordTable kTone5EncodeRecords{16, 32};
}  // namespace

namespace {

constexpr std::uint32_t Tone2TableSize = 16;
constexpr std::uint32_t Tone5RegisterRecord = 64;
constexpr std::uint32_t Tone5ValueRecord = 32;
constexpr std::uint32_t NoTone = 0xFFFF;
constexpr int RegisterLowBase = 5, RegisterHighBase = 21, ToneValueBase = 37, TonePeriodBase = 53,
              GapPeriodBase = 67;

bool IsToneOfFormat(int format, int tone) {
    return format >= 0 && format < Tone5FormatCount && tone >= 0 && tone < Tone5ToneCount;
}
bool IsFormat(int format) {
    return format >= 0 && format < Tone5FormatCount;
}

// Tone k of every format has its own descriptor; the format is the record.
std::uint32_t GetFormatTone(int base, std::uint32_t record, const CloneImage& image, int format, int tone) {
    if (!IsToneOfFormat(format, tone)) return NoTone;
    return GetTableWord(Tone5TableItems[base + tone], image, format, record);
}
int SetFormatTone(int base, std::uint32_t record, CloneImage& image, int format, int tone,
                  std::uint32_t value) {
    if (IsToneOfFormat(format, tone))
        SetTableWord(Tone5TableItems[base + tone], image, format, record, value);
    return 1;
}

}  // namespace

std::uint32_t PackBytesLE(std::uint32_t value, std::uint32_t width) {
    return ReverseBytes(value, width);
}

std::uint32_t PackBytesLE(int index, const CloneImage& image) {
    return GetPackBytesLE(image, index);
}

std::uint32_t GetPackBytesLE(const CloneImage& image, int n) {
    if (n < 0 || n >= static_cast<int>(Tone2TableSize)) return NoTone;
    return GetTableWord(Tone2TableItems[1], image, n, 2);
}
int SetPackBytesLE(CloneImage& image, int n, std::uint32_t value) {
    if (n >= 0 && n < static_cast<int>(Tone2TableSize)) SetTableWord(Tone2TableItems[1], image, n, 2, value);
    return 1;
}
std::uint32_t GetTone2ReferenceValue(const CloneImage& image) {
    return GetTableWord(Tone2TableItems[5], image);
}
int SetTone2ReferenceValue(CloneImage& image, std::uint32_t value) {
    return SetTableWord(Tone2TableItems[5], image, 0, 0, value);
}
std::uint32_t GetTone2TableWord72(const CloneImage& image) {
    return GetTableWord(Tone2TableItems[6], image);
}
int SetTone2TableWord72(CloneImage& image, std::uint32_t value) {
    return SetTableWord(Tone2TableItems[6], image, 0, 0, value);
}
std::uint32_t GetTone2TableByte74(const CloneImage& image) {
    return GetSingle(Tone2TableItems[7], image);
}
int SetTone2TableByte74(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone2TableItems[7], image, value);
}
std::uint32_t GetTone2TableByte75(const CloneImage& image) {
    return GetSingle(Tone2TableItems[8], image);
}
int SetTone2TableByte75(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone2TableItems[8], image, value);
}
std::uint32_t GetTone2ReferenceClock(const CloneImage& image) {
    return GetTableWord(Tone2TableItems[9], image);
}
int SetTone2ReferenceClock(CloneImage& image, std::uint32_t value) {
    return SetTableWord(Tone2TableItems[9], image, 0, 0, value);
}

std::uint32_t GetTone2DecodePrecision(const CloneImage& image) {
    return GetSingle(Tone2Items[0], image);
}
int SetTone2DecodePrecision(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone2Items[0], image, value);
}
std::uint32_t GetTone2BeepRepeatInterval(const CloneImage& image) {
    return GetSingle(Tone2Items[3], image);
}
int SetTone2BeepRepeatInterval(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone2Items[3], image, value);
}
std::uint32_t GetTone2CallBeepLevel(const CloneImage& image) {
    return GetSingle(Tone2Items[4], image);
}
int SetTone2CallBeepLevel(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone2Items[4], image, value);
}
std::uint32_t GetTone2Call1To5EncodeCode(const CloneImage& image) {
    return GetSingle(Tone2Items[5], image);
}
int SetTone2Call1To5EncodeCode(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone2Items[5], image, value);
}
std::uint32_t GetTone2SystemDecodeCode1(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[18], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[18], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode2(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[19], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[19], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode3(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[20], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[20], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode4(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[21], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[21], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode5(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[22], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode5(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[22], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode6(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[23], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode6(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[23], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode7(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[24], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode7(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[24], image, n, kTone2Records, value);
}
std::uint32_t GetTone2SystemDecodeCode8(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[25], image, n, kTone2Records);
}
int SetTone2SystemDecodeCode8(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[25], image, n, kTone2Records, value);
}
std::uint32_t GetTone2DecodeAlertRepeat(const CloneImage& image, int n) {
    return GetRecord(Tone2Items[34], image, n, kTone2Records);
}
int SetTone2DecodeAlertRepeat(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone2Items[34], image, n, kTone2Records, value);
}
std::string GetTone2DecodeTag(const CloneImage& image, int n) {
    return TagCodesToText(GetText8(Tone2Items[36], image, n, kTone2Records));
}
int SetTone2DecodeTag(CloneImage& image, int n, std::string_view text) {
    return SetText8(Tone2Items[36], image, n, kTone2Records, TagTextToCodes(text));
}
std::string GetTone2EncodeTag(const CloneImage& image, int n) {
    return TagCodesToText(GetText8(Tone2Items[46], image, n, kTone2Records));
}
int SetTone2EncodeTag(CloneImage& image, int n, std::string_view text) {
    return SetText8(Tone2Items[46], image, n, kTone2Records, TagTextToCodes(text));
}

std::uint32_t Get16FromPair(const CloneImage& image) {
    return GetTableWord(Tone5TableItems[0], image);
}
int Set16FromPair(CloneImage& image, std::uint32_t value) {
    return SetTableWord(Tone5TableItems[0], image, 0, 0, value);
}
std::uint32_t GetTone5TableWord02(const CloneImage& image) {
    return GetTableWord(Tone5TableItems[1], image);
}
int SetTone5TableWord02(CloneImage& image, std::uint32_t value) {
    return SetTableWord(Tone5TableItems[1], image, 0, 0, value);
}
std::uint32_t GetTone5TableByte04(const CloneImage& image) {
    return GetSingle(Tone5TableItems[2], image);
}
int SetTone5TableByte04(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5TableItems[2], image, value);
}
std::uint32_t GetTone5TableByte05(const CloneImage& image) {
    return GetSingle(Tone5TableItems[3], image);
}
int SetTone5TableByte05(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5TableItems[3], image, value);
}
std::uint32_t GetTone5ReferenceClock(const CloneImage& image) {
    return GetTableWord(Tone5TableItems[4], image);
}
int SetTone5ReferenceClock(CloneImage& image, std::uint32_t value) {
    return SetTableWord(Tone5TableItems[4], image, 0, 0, value);
}

std::uint32_t GetTone5RegisterLow(const CloneImage& image, int format, int tone) {
    return GetFormatTone(RegisterLowBase, Tone5RegisterRecord, image, format, tone);
}
int SetTone5RegisterLow(CloneImage& image, int format, int tone, std::uint32_t value) {
    return SetFormatTone(RegisterLowBase, Tone5RegisterRecord, image, format, tone, value);
}
std::uint32_t GetTone5RegisterHigh(const CloneImage& image, int format, int tone) {
    return GetFormatTone(RegisterHighBase, Tone5RegisterRecord, image, format, tone);
}
int SetTone5RegisterHigh(CloneImage& image, int format, int tone, std::uint32_t value) {
    return SetFormatTone(RegisterHighBase, Tone5RegisterRecord, image, format, tone, value);
}
std::uint32_t GetTone5ToneValue(const CloneImage& image, int format, int tone) {
    return GetFormatTone(ToneValueBase, Tone5ValueRecord, image, format, tone);
}
int SetTone5ToneValue(CloneImage& image, int format, int tone, std::uint32_t value) {
    return SetFormatTone(ToneValueBase, Tone5ValueRecord, image, format, tone, value);
}

std::uint32_t GetTone5TonePeriod(const CloneImage& image, int format) {
    return IsFormat(format) ? GetSingle(Tone5TableItems[TonePeriodBase + format], image) : 0xFF;
}
int SetTone5TonePeriod(CloneImage& image, int format, std::uint32_t value) {
    if (IsFormat(format)) SetSingle(Tone5TableItems[TonePeriodBase + format], image, value);
    return 1;
}
std::uint32_t GetTone5GapPeriod(const CloneImage& image, int format) {
    return IsFormat(format) ? GetSingle(Tone5TableItems[GapPeriodBase + format], image) : 0xFF;
}
int SetTone5GapPeriod(CloneImage& image, int format, std::uint32_t value) {
    if (IsFormat(format)) SetSingle(Tone5TableItems[GapPeriodBase + format], image, value);
    return 1;
}

std::uint32_t GetTone5RegisterLow0(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 0);
}
int SetTone5RegisterLow0(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 0, value);
}
std::uint32_t GetTone5RegisterLow1(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 1);
}
int SetTone5RegisterLow1(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 1, value);
}
std::uint32_t GetTone5RegisterLow2(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 2);
}
int SetTone5RegisterLow2(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 2, value);
}
std::uint32_t GetTone5RegisterLow3(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 3);
}
int SetTone5RegisterLow3(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 3, value);
}
std::uint32_t GetTone5RegisterLow4(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 4);
}
int SetTone5RegisterLow4(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 4, value);
}
std::uint32_t GetTone5RegisterLow5(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 5);
}
int SetTone5RegisterLow5(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 5, value);
}
std::uint32_t GetTone5RegisterLow6(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 6);
}
int SetTone5RegisterLow6(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 6, value);
}
std::uint32_t GetTone5RegisterLow7(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 7);
}
int SetTone5RegisterLow7(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 7, value);
}
std::uint32_t GetTone5RegisterLow8(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 8);
}
int SetTone5RegisterLow8(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 8, value);
}
std::uint32_t GetTone5RegisterLow9(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 9);
}
int SetTone5RegisterLow9(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 9, value);
}
std::uint32_t GetTone5RegisterLow10(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 10);
}
int SetTone5RegisterLow10(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 10, value);
}
std::uint32_t GetTone5RegisterLow11(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 11);
}
int SetTone5RegisterLow11(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 11, value);
}
std::uint32_t GetTone5RegisterLow12(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 12);
}
int SetTone5RegisterLow12(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 12, value);
}
std::uint32_t GetTone5RegisterLow13(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 13);
}
int SetTone5RegisterLow13(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 13, value);
}
std::uint32_t GetTone5RegisterLow14(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 14);
}
int SetTone5RegisterLow14(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 14, value);
}
std::uint32_t GetTone5RegisterLow15(const CloneImage& image, int format) {
    return GetTone5RegisterLow(image, format, 15);
}
int SetTone5RegisterLow15(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterLow(image, format, 15, value);
}
std::uint32_t GetTone5RegisterHigh0(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 0);
}
int SetTone5RegisterHigh0(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 0, value);
}
std::uint32_t GetTone5RegisterHigh1(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 1);
}
int SetTone5RegisterHigh1(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 1, value);
}
std::uint32_t GetTone5RegisterHigh2(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 2);
}
int SetTone5RegisterHigh2(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 2, value);
}
std::uint32_t GetTone5RegisterHigh3(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 3);
}
int SetTone5RegisterHigh3(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 3, value);
}
std::uint32_t GetTone5RegisterHigh4(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 4);
}
int SetTone5RegisterHigh4(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 4, value);
}
std::uint32_t GetTone5RegisterHigh5(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 5);
}
int SetTone5RegisterHigh5(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 5, value);
}
std::uint32_t GetTone5RegisterHigh6(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 6);
}
int SetTone5RegisterHigh6(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 6, value);
}
std::uint32_t GetTone5RegisterHigh7(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 7);
}
int SetTone5RegisterHigh7(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 7, value);
}
std::uint32_t GetTone5RegisterHigh8(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 8);
}
int SetTone5RegisterHigh8(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 8, value);
}
std::uint32_t GetTone5RegisterHigh9(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 9);
}
int SetTone5RegisterHigh9(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 9, value);
}
std::uint32_t GetTone5RegisterHigh10(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 10);
}
int SetTone5RegisterHigh10(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 10, value);
}
std::uint32_t GetTone5RegisterHigh11(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 11);
}
int SetTone5RegisterHigh11(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 11, value);
}
std::uint32_t GetTone5RegisterHigh12(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 12);
}
int SetTone5RegisterHigh12(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 12, value);
}
std::uint32_t GetTone5RegisterHigh13(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 13);
}
int SetTone5RegisterHigh13(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 13, value);
}
std::uint32_t GetTone5RegisterHigh14(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 14);
}
int SetTone5RegisterHigh14(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 14, value);
}
std::uint32_t GetTone5RegisterHigh15(const CloneImage& image, int format) {
    return GetTone5RegisterHigh(image, format, 15);
}
int SetTone5RegisterHigh15(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5RegisterHigh(image, format, 15, value);
}
std::uint32_t GetTone5ToneValue0(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 0);
}
int SetTone5ToneValue0(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 0, value);
}
std::uint32_t GetTone5ToneValue1(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 1);
}
int SetTone5ToneValue1(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 1, value);
}
std::uint32_t GetTone5ToneValue2(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 2);
}
int SetTone5ToneValue2(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 2, value);
}
std::uint32_t GetTone5ToneValue3(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 3);
}
int SetTone5ToneValue3(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 3, value);
}
std::uint32_t GetTone5ToneValue4(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 4);
}
int SetTone5ToneValue4(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 4, value);
}
std::uint32_t GetTone5ToneValue5(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 5);
}
int SetTone5ToneValue5(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 5, value);
}
std::uint32_t GetTone5ToneValue6(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 6);
}
int SetTone5ToneValue6(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 6, value);
}
std::uint32_t GetTone5ToneValue7(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 7);
}
int SetTone5ToneValue7(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 7, value);
}
std::uint32_t GetTone5ToneValue8(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 8);
}
int SetTone5ToneValue8(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 8, value);
}
std::uint32_t GetTone5ToneValue9(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 9);
}
int SetTone5ToneValue9(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 9, value);
}
std::uint32_t GetTone5ToneValue10(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 10);
}
int SetTone5ToneValue10(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 10, value);
}
std::uint32_t GetTone5ToneValue11(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 11);
}
int SetTone5ToneValue11(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 11, value);
}
std::uint32_t GetTone5ToneValue12(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 12);
}
int SetTone5ToneValue12(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 12, value);
}
std::uint32_t GetTone5ToneValue13(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 13);
}
int SetTone5ToneValue13(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 13, value);
}
std::uint32_t GetTone5ToneValue14(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 14);
}
int SetTone5ToneValue14(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 14, value);
}
std::uint32_t GetTone5ToneValue15(const CloneImage& image, int format) {
    return GetTone5ToneValue(image, format, 15);
}
int SetTone5ToneValue15(CloneImage& image, int format, std::uint32_t value) {
    return SetTone5ToneValue(image, format, 15, value);
}
std::uint32_t GetTone5TonePeriod0(const CloneImage& image) {
    return GetTone5TonePeriod(image, 0);
}
int SetTone5TonePeriod0(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 0, value);
}
std::uint32_t GetTone5TonePeriod1(const CloneImage& image) {
    return GetTone5TonePeriod(image, 1);
}
int SetTone5TonePeriod1(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 1, value);
}
std::uint32_t GetTone5TonePeriod2(const CloneImage& image) {
    return GetTone5TonePeriod(image, 2);
}
int SetTone5TonePeriod2(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 2, value);
}
std::uint32_t GetTone5TonePeriod3(const CloneImage& image) {
    return GetTone5TonePeriod(image, 3);
}
int SetTone5TonePeriod3(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 3, value);
}
std::uint32_t GetTone5TonePeriod4(const CloneImage& image) {
    return GetTone5TonePeriod(image, 4);
}
int SetTone5TonePeriod4(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 4, value);
}
std::uint32_t GetTone5TonePeriod5(const CloneImage& image) {
    return GetTone5TonePeriod(image, 5);
}
int SetTone5TonePeriod5(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 5, value);
}
std::uint32_t GetTone5TonePeriod6(const CloneImage& image) {
    return GetTone5TonePeriod(image, 6);
}
int SetTone5TonePeriod6(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 6, value);
}
std::uint32_t GetTone5TonePeriod7(const CloneImage& image) {
    return GetTone5TonePeriod(image, 7);
}
int SetTone5TonePeriod7(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 7, value);
}
std::uint32_t GetTone5TonePeriod8(const CloneImage& image) {
    return GetTone5TonePeriod(image, 8);
}
int SetTone5TonePeriod8(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 8, value);
}
std::uint32_t GetTone5TonePeriod9(const CloneImage& image) {
    return GetTone5TonePeriod(image, 9);
}
int SetTone5TonePeriod9(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 9, value);
}
std::uint32_t GetTone5TonePeriod10(const CloneImage& image) {
    return GetTone5TonePeriod(image, 10);
}
int SetTone5TonePeriod10(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 10, value);
}
std::uint32_t GetTone5TonePeriod11(const CloneImage& image) {
    return GetTone5TonePeriod(image, 11);
}
int SetTone5TonePeriod11(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 11, value);
}
std::uint32_t GetTone5TonePeriod12(const CloneImage& image) {
    return GetTone5TonePeriod(image, 12);
}
int SetTone5TonePeriod12(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 12, value);
}
std::uint32_t GetTone5TonePeriod13(const CloneImage& image) {
    return GetTone5TonePeriod(image, 13);
}
int SetTone5TonePeriod13(CloneImage& image, std::uint32_t value) {
    return SetTone5TonePeriod(image, 13, value);
}
std::uint32_t GetTone5GapPeriod0(const CloneImage& image) {
    return GetTone5GapPeriod(image, 0);
}
int SetTone5GapPeriod0(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 0, value);
}
std::uint32_t GetTone5GapPeriod1(const CloneImage& image) {
    return GetTone5GapPeriod(image, 1);
}
int SetTone5GapPeriod1(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 1, value);
}
std::uint32_t GetTone5GapPeriod2(const CloneImage& image) {
    return GetTone5GapPeriod(image, 2);
}
int SetTone5GapPeriod2(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 2, value);
}
std::uint32_t GetTone5GapPeriod3(const CloneImage& image) {
    return GetTone5GapPeriod(image, 3);
}
int SetTone5GapPeriod3(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 3, value);
}
std::uint32_t GetTone5GapPeriod4(const CloneImage& image) {
    return GetTone5GapPeriod(image, 4);
}
int SetTone5GapPeriod4(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 4, value);
}
std::uint32_t GetTone5GapPeriod5(const CloneImage& image) {
    return GetTone5GapPeriod(image, 5);
}
int SetTone5GapPeriod5(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 5, value);
}
std::uint32_t GetTone5GapPeriod6(const CloneImage& image) {
    return GetTone5GapPeriod(image, 6);
}
int SetTone5GapPeriod6(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 6, value);
}
std::uint32_t GetTone5GapPeriod7(const CloneImage& image) {
    return GetTone5GapPeriod(image, 7);
}
int SetTone5GapPeriod7(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 7, value);
}
std::uint32_t GetTone5GapPeriod8(const CloneImage& image) {
    return GetTone5GapPeriod(image, 8);
}
int SetTone5GapPeriod8(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 8, value);
}
std::uint32_t GetTone5GapPeriod9(const CloneImage& image) {
    return GetTone5GapPeriod(image, 9);
}
int SetTone5GapPeriod9(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 9, value);
}
std::uint32_t GetTone5GapPeriod10(const CloneImage& image) {
    return GetTone5GapPeriod(image, 10);
}
int SetTone5GapPeriod10(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 10, value);
}
std::uint32_t GetTone5GapPeriod11(const CloneImage& image) {
    return GetTone5GapPeriod(image, 11);
}
int SetTone5GapPeriod11(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 11, value);
}
std::uint32_t GetTone5GapPeriod12(const CloneImage& image) {
    return GetTone5GapPeriod(image, 12);
}
int SetTone5GapPeriod12(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 12, value);
}
std::uint32_t GetTone5GapPeriod13(const CloneImage& image) {
    return GetTone5GapPeriod(image, 13);
}
int SetTone5GapPeriod13(CloneImage& image, std::uint32_t value) {
    return SetTone5GapPeriod(image, 13, value);
}

std::uint32_t GetTone5CtcssDcsComplement(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[3], image, n, kTone5SystemRecords);
}
int SetTone5CtcssDcsComplement(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[3], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5AutoResetBeep(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[9], image, n, kTone5SystemRecords);
}
int SetTone5AutoResetBeep(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[9], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5RepeaterCode(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[12], image, n, kTone5SystemRecords);
}
int SetTone5RepeaterCode(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[12], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5CallEncodeCode(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[13], image, n, kTone5SystemRecords);
}
int SetTone5CallEncodeCode(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[13], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5IdEncodeCode(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[14], image, n, kTone5SystemRecords);
}
int SetTone5IdEncodeCode(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[14], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode1(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[15], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[15], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode2(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[16], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[16], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode3(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[17], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[17], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode4(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[18], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[18], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode5(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[19], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode5(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[19], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode6(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[20], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode6(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[20], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode7(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[21], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode7(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[21], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5DecodeCode8(const CloneImage& image, int n) {
    return GetRecord(Tone5SystemItems[22], image, n, kTone5SystemRecords);
}
int SetTone5DecodeCode8(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5SystemItems[22], image, n, kTone5SystemRecords, value);
}
std::uint32_t GetTone5Setup(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[24], image);
}
int SetTone5Setup(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[24], image, value);
}
std::uint32_t GetTone5TagDisplay(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[25], image);
}
int SetTone5TagDisplay(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[25], image, value);
}
std::uint32_t GetTone5AniDisplay(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[26], image);
}
int SetTone5AniDisplay(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[26], image, value);
}
std::uint32_t GetTone5PttCall(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[27], image);
}
int SetTone5PttCall(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[27], image, value);
}
std::uint32_t GetTone5SideTone(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[28], image);
}
int SetTone5SideTone(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[28], image, value);
}
std::uint32_t GetTone5MinimumDecodeDigit(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[29], image);
}
int SetTone5MinimumDecodeDigit(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[29], image, value);
}
std::uint32_t GetTone5SignalingMonitorMode(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[30], image);
}
int SetTone5SignalingMonitorMode(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[30], image, value);
}
std::uint32_t GetTone5RepeatTone(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[31], image);
}
int SetTone5RepeatTone(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[31], image, value);
}
std::uint32_t GetTone5GroupTone(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[32], image);
}
int SetTone5GroupTone(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[32], image, value);
}
std::uint32_t GetTone5LastGapTone(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[33], image);
}
int SetTone5LastGapTone(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[33], image, value);
}
std::uint32_t GetTone5ClearToTranspond(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[34], image);
}
int SetTone5ClearToTranspond(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[34], image, value);
}
std::uint32_t GetTone5AutoTxTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[35], image);
}
int SetTone5AutoTxTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[35], image, value);
}
std::uint32_t GetTone5LeadInDelay(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[36], image);
}
int SetTone5LeadInDelay(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[36], image, value);
}
std::uint32_t GetTone5Extend1stToneTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[37], image);
}
int SetTone5Extend1stToneTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[37], image, value);
}
std::uint32_t GetTone5SecondLastGapTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[38], image);
}
int SetTone5SecondLastGapTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[38], image, value);
}
std::uint32_t GetTone5LastGapTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[39], image);
}
int SetTone5LastGapTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[39], image, value);
}
std::uint32_t GetTone5LeadOutDelay(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[40], image);
}
int SetTone5LeadOutDelay(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[40], image, value);
}
std::uint32_t GetTone5AckDecodeTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[41], image);
}
int SetTone5AckDecodeTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[41], image, value);
}
std::uint32_t GetTone5TranspondAckRetry(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[42], image);
}
int SetTone5TranspondAckRetry(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[42], image, value);
}
std::uint32_t GetTone5Call1EncodeCode(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[43], image);
}
int SetTone5Call1EncodeCode(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[43], image, value);
}
std::uint32_t GetTone5Call2EncodeCode(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[44], image);
}
int SetTone5Call2EncodeCode(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[44], image, value);
}
std::uint32_t GetTone5Call3EncodeCode(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[45], image);
}
int SetTone5Call3EncodeCode(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[45], image, value);
}
std::uint32_t GetTone5EmergencyEncodeCode(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[46], image);
}
int SetTone5EmergencyEncodeCode(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[46], image, value);
}
std::uint32_t GetTone5BeepRepeatInterval(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[49], image);
}
int SetTone5BeepRepeatInterval(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[49], image, value);
}
std::uint32_t GetTone5CallBeepLevel(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[50], image);
}
int SetTone5CallBeepLevel(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[50], image, value);
}
std::uint32_t GetTone5Tp40LeadInToneTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[51], image);
}
int SetTone5Tp40LeadInToneTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[51], image, value);
}
std::uint32_t GetTone5DecodePrecision(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[52], image);
}
int SetTone5DecodePrecision(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[52], image, value);
}
std::uint32_t GetTone5TranspondDelayTime(const CloneImage& image) {
    return GetSingle(Tone5SystemItems[53], image);
}
int SetTone5TranspondDelayTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(Tone5SystemItems[53], image, value);
}

std::uint32_t GetTone5DecodeDigit1(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[1], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[1], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit2(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[2], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[2], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit3(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[3], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[3], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit4(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[4], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[4], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit5(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[5], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit5(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[5], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit6(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[6], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit6(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[6], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit7(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[7], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit7(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[7], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeDigit8(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[8], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeDigit8(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[8], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeScan(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[12], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeScan(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[12], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeLedColorHigh(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[17], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeLedColorHigh(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[17], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeLedColorLow(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[18], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeLedColorLow(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[18], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeAlertRepeat(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[21], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeAlertRepeat(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[21], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeAccControl1(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[23], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeAccControl1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[23], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeAccControl2(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[24], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeAccControl2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[24], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeAccControl3(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[25], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeAccControl3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[25], image, n, kTone5DecodeRecords, value);
}
std::uint32_t GetTone5DecodeAccControl4(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[26], image, n, kTone5DecodeRecords);
}
int SetTone5DecodeAccControl4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[26], image, n, kTone5DecodeRecords, value);
}
std::string GetTone5DecodeTag(const CloneImage& image, int n) {
    return TagCodesToText(GetText8(Tone5CodeItems[32], image, n, kTone5DecodeRecords));
}
int SetTone5DecodeTag(CloneImage& image, int n, std::string_view text) {
    return SetText8(Tone5CodeItems[32], image, n, kTone5DecodeRecords, TagTextToCodes(text));
}
std::uint32_t GetTone5EncodeDigitCount(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[64], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigitCount(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[64], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit1(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[65], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[65], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit2(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[66], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[66], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit3(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[67], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[67], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit4(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[68], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[68], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit5(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[69], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit5(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[69], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit6(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[70], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit6(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[70], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit7(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[71], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit7(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[71], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeDigit8(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[72], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeDigit8(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[72], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit1(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[73], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[73], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit2(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[74], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[74], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit3(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[75], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[75], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit4(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[76], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[76], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit5(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[77], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit5(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[77], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit6(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[78], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit6(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[78], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit7(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[79], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit7(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[79], image, n, kTone5EncodeRecords, value);
}
std::uint32_t GetTone5EncodeInputDigit8(const CloneImage& image, int n) {
    return GetRecord(Tone5CodeItems[80], image, n, kTone5EncodeRecords);
}
int SetTone5EncodeInputDigit8(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Tone5CodeItems[80], image, n, kTone5EncodeRecords, value);
}
std::string GetTone5EncodeTag(const CloneImage& image, int n) {
    return TagCodesToText(GetText8(Tone5CodeItems[88], image, n, kTone5EncodeRecords));
}
int SetTone5EncodeTag(CloneImage& image, int n, std::string_view text) {
    return SetText8(Tone5CodeItems[88], image, n, kTone5EncodeRecords, TagTextToCodes(text));
}

}  // namespace ItemMap
