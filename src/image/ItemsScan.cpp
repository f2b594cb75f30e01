#include "image/ItemsScan.h"

#include "image/ItemAccessors.h"

namespace ItemMap {

namespace {
// Scan records 0-7 (the group-scan record follows them) and the eight group tags.
constexpr RecordTable kScanRecords{16, 8};
constexpr RecordTable kGroupTags{8, 8};
// The alignment table's 16 frequency points; the power-on tag follows.
constexpr RecordTable kAlignTableRows{16, 16};
}  // namespace

std::uint32_t ReadIndexedItem(const CloneImage& image, int group, int position) {
    if (group < 0 || group >= GroupCount || position < 0 || position >= GroupSlotCount) return 0xFF;
    return GetRecord(ScanItems[0], image, group * GroupSlotCount + position, 1);
}
int WriteIndexedItem(CloneImage& image, int group, int position, std::uint32_t value) {
    if (group < 0 || group >= GroupCount || position < 0 || position >= GroupSlotCount) return 1;
    return SetRecord(ScanItems[0], image, group * GroupSlotCount + position, 1, value);
}

std::uint32_t GetScanType(const CloneImage& image, int n) {
    return GetRecord(ScanItems[1], image, n, kScanRecords);
}
int SetScanType(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[1], image, n, kScanRecords, value);
}
std::uint32_t GetScanTalkBack(const CloneImage& image, int n) {
    return GetRecord(ScanItems[2], image, n, kScanRecords);
}
int SetScanTalkBack(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[2], image, n, kScanRecords, value);
}
std::uint32_t GetScanRevertCh(const CloneImage& image, int n) {
    return GetRecord(ScanItems[3], image, n, kScanRecords);
}
int SetScanRevertCh(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[3], image, n, kScanRecords, value);
}
std::uint32_t GetScanPriorityCheckTime(const CloneImage& image, int n) {
    return GetRecord(ScanItems[4], image, n, kScanRecords);
}
int SetScanPriorityCheckTime(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[4], image, n, kScanRecords, value);
}
std::uint32_t GetScanSelectCh1(const CloneImage& image, int n) {
    return GetRecord(ScanItems[5], image, n, kScanRecords);
}
int SetScanSelectCh1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[5], image, n, kScanRecords, value);
}
std::uint32_t GetScanSelectCh2(const CloneImage& image, int n) {
    return GetRecord(ScanItems[6], image, n, kScanRecords);
}
int SetScanSelectCh2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[6], image, n, kScanRecords, value);
}
std::uint32_t GetScanPriorityCh2Scan(const CloneImage& image, int n) {
    return GetRecord(ScanItems[7], image, n, kScanRecords);
}
int SetScanPriorityCh2Scan(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[7], image, n, kScanRecords, value);
}
std::uint32_t GetScanBeep(const CloneImage& image, int n) {
    return GetRecord(ScanItems[8], image, n, kScanRecords);
}
int SetScanBeep(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[8], image, n, kScanRecords, value);
}
std::uint32_t GetScanEdit(const CloneImage& image, int n) {
    return GetRecord(ScanItems[9], image, n, kScanRecords);
}
int SetScanEdit(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[9], image, n, kScanRecords, value);
}
std::uint32_t GetScanDisplay(const CloneImage& image, int n) {
    return GetRecord(ScanItems[10], image, n, kScanRecords);
}
int SetScanDisplay(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[10], image, n, kScanRecords, value);
}
std::uint32_t GetScanResumeTime1(const CloneImage& image, int n) {
    return GetRecord(ScanItems[11], image, n, kScanRecords);
}
int SetScanResumeTime1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[11], image, n, kScanRecords, value);
}
std::uint32_t GetScanResumeTime2(const CloneImage& image, int n) {
    return GetRecord(ScanItems[12], image, n, kScanRecords);
}
int SetScanResumeTime2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(ScanItems[12], image, n, kScanRecords, value);
}
std::uint32_t GetGroupScanType(const CloneImage& image) {
    return GetSingle(ScanItems[13], image);
}
int SetGroupScanType(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[13], image, value);
}
std::uint32_t GetGroupScanTalkBack(const CloneImage& image) {
    return GetSingle(ScanItems[14], image);
}
int SetGroupScanTalkBack(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[14], image, value);
}
std::uint32_t GetGroupScanRevertCh(const CloneImage& image) {
    return GetSingle(ScanItems[15], image);
}
int SetGroupScanRevertCh(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[15], image, value);
}
std::uint32_t GetGroupScanPriorityCheckTime(const CloneImage& image) {
    return GetSingle(ScanItems[16], image);
}
int SetGroupScanPriorityCheckTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[16], image, value);
}
std::uint32_t GetGroupScanSelectCh1(const CloneImage& image) {
    return GetSingle(ScanItems[17], image);
}
int SetGroupScanSelectCh1(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[17], image, value);
}
std::uint32_t GetGroupScanSelectCh2(const CloneImage& image) {
    return GetSingle(ScanItems[18], image);
}
int SetGroupScanSelectCh2(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[18], image, value);
}
std::uint32_t GetGroupScanPriorityCh1Scan(const CloneImage& image) {
    return GetSingle(ScanItems[19], image);
}
int SetGroupScanPriorityCh1Scan(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[19], image, value);
}
std::uint32_t GetGroupScanPriorityCh2Scan(const CloneImage& image) {
    return GetSingle(ScanItems[20], image);
}
int SetGroupScanPriorityCh2Scan(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[20], image, value);
}
std::uint32_t GetGroupScanBeep(const CloneImage& image) {
    return GetSingle(ScanItems[21], image);
}
int SetGroupScanBeep(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[21], image, value);
}
std::uint32_t GetGroupScanEdit(const CloneImage& image) {
    return GetSingle(ScanItems[22], image);
}
int SetGroupScanEdit(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[22], image, value);
}
std::uint32_t GetGroupScanDisplay(const CloneImage& image) {
    return GetSingle(ScanItems[23], image);
}
int SetGroupScanDisplay(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[23], image, value);
}
std::uint32_t GetGroupScanResumeTime1(const CloneImage& image) {
    return GetSingle(ScanItems[24], image);
}
int SetGroupScanResumeTime1(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[24], image, value);
}
std::uint32_t GetGroupScanResumeTime2(const CloneImage& image) {
    return GetSingle(ScanItems[25], image);
}
int SetGroupScanResumeTime2(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[25], image, value);
}
std::uint32_t GetDualWatchTalkBack(const CloneImage& image) {
    return GetSingle(ScanItems[27], image);
}
int SetDualWatchTalkBack(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[27], image, value);
}
std::uint32_t GetDualWatchRevertCh(const CloneImage& image) {
    return GetSingle(ScanItems[28], image);
}
int SetDualWatchRevertCh(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[28], image, value);
}
std::uint32_t GetDualWatchTime(const CloneImage& image) {
    return GetSingle(ScanItems[29], image);
}
int SetDualWatchTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[29], image, value);
}
std::uint32_t GetPri1DualWatch(const CloneImage& image) {
    return GetSingle(ScanItems[30], image);
}
int SetPri1DualWatch(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[30], image, value);
}
std::uint32_t GetPri2DualWatch(const CloneImage& image) {
    return GetSingle(ScanItems[31], image);
}
int SetPri2DualWatch(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[31], image, value);
}
std::uint32_t GetDualWatchBeep(const CloneImage& image) {
    return GetSingle(ScanItems[32], image);
}
int SetDualWatchBeep(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[32], image, value);
}
std::uint32_t GetDualWatchResumeTime1(const CloneImage& image) {
    return GetSingle(ScanItems[33], image);
}
int SetDualWatchResumeTime1(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[33], image, value);
}
std::uint32_t GetDualWatchResumeTime2(const CloneImage& image) {
    return GetSingle(ScanItems[34], image);
}
int SetDualWatchResumeTime2(CloneImage& image, std::uint32_t value) {
    return SetSingle(ScanItems[34], image, value);
}
std::string GetGroupTag(const CloneImage& image, int n) {
    return GetText8(ScanItems[35], image, n, kGroupTags);
}
int SetGroupTag(CloneImage& image, int n, std::string_view text) {
    return SetText8(ScanItems[35], image, n, kGroupTags, text);
}

std::uint32_t GetAlignIntMicGain(const CloneImage& image) {
    return GetLayout(AlignItemsA[3], AlignItemsB[3], image);
}
int SetAlignIntMicGain(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[3], AlignItemsB[3], image, value);
}
std::uint32_t GetAlignExtMicGain(const CloneImage& image) {
    return GetLayout(AlignItemsA[4], AlignItemsB[4], image);
}
int SetAlignExtMicGain(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[4], AlignItemsB[4], image, value);
}
std::uint32_t GetAlignExtMicGain2(const CloneImage& image) {
    return GetLayout(AlignItemsA[5], AlignItemsB[5], image);
}
int SetAlignExtMicGain2(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[5], AlignItemsB[5], image, value);
}
std::uint32_t GetAlignBaseKind1(const CloneImage& image) {
    return GetLayout(AlignItemsA[22], AlignItemsB[22], image);
}
int SetAlignBaseKind1(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[22], AlignItemsB[22], image, value);
}
std::uint32_t GetAlignBaseKind2(const CloneImage& image) {
    return GetLayout(AlignItemsA[23], AlignItemsB[23], image);
}
int SetAlignBaseKind2(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[23], AlignItemsB[23], image, value);
}
std::uint32_t GetAlignBaseKind3(const CloneImage& image) {
    return GetLayout(AlignItemsA[24], AlignItemsB[24], image);
}
int SetAlignBaseKind3(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[24], AlignItemsB[24], image, value);
}
std::uint32_t GetAlignBaseKind4(const CloneImage& image) {
    return GetLayout(AlignItemsA[25], AlignItemsB[25], image);
}
int SetAlignBaseKind4(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[25], AlignItemsB[25], image, value);
}
std::uint32_t GetAlignBaseKind5(const CloneImage& image) {
    return GetLayout(AlignItemsA[26], AlignItemsB[26], image);
}
int SetAlignBaseKind5(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[26], AlignItemsB[26], image, value);
}
std::uint32_t GetAlignBaseKind6(const CloneImage& image) {
    return GetLayout(AlignItemsA[27], AlignItemsB[27], image);
}
int SetAlignBaseKind6(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[27], AlignItemsB[27], image, value);
}
std::uint32_t GetAlignBaseKind7(const CloneImage& image) {
    return GetLayout(AlignItemsA[28], AlignItemsB[28], image);
}
int SetAlignBaseKind7(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[28], AlignItemsB[28], image, value);
}
std::uint32_t GetAlignBaseKind8(const CloneImage& image) {
    return GetLayout(AlignItemsA[29], AlignItemsB[29], image);
}
int SetAlignBaseKind8(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[29], AlignItemsB[29], image, value);
}
std::uint32_t GetAlignBaseKind9(const CloneImage& image) {
    return GetLayout(AlignItemsA[30], AlignItemsB[30], image);
}
int SetAlignBaseKind9(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[30], AlignItemsB[30], image, value);
}
std::uint32_t GetAlignBaseKind10(const CloneImage& image) {
    return GetLayout(AlignItemsA[31], AlignItemsB[31], image);
}
int SetAlignBaseKind10(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[31], AlignItemsB[31], image, value);
}
std::uint32_t GetAlignBaseKind11(const CloneImage& image) {
    return GetLayout(AlignItemsA[32], AlignItemsB[32], image);
}
int SetAlignBaseKind11(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignItemsA[32], AlignItemsB[32], image, value);
}

std::uint32_t GetAlignTablePoint(const CloneImage& image, int n) {
    return GetLEPairRecord(AlignExtraItemsA[1], AlignExtraItemsA[2], image, n, kAlignTableRows);
}
int SetAlignTablePoint(CloneImage& image, int n, std::uint32_t value) {
    return SetLEPairRecord(AlignExtraItemsA[1], AlignExtraItemsA[2], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind1(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[3], AlignExtraItemsB[3], image, n, kAlignTableRows);
}
int SetAlignTableKind1(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[3], AlignExtraItemsB[3], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind2(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[4], AlignExtraItemsB[4], image, n, kAlignTableRows);
}
int SetAlignTableKind2(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[4], AlignExtraItemsB[4], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind3(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[5], AlignExtraItemsB[5], image, n, kAlignTableRows);
}
int SetAlignTableKind3(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[5], AlignExtraItemsB[5], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind4(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[6], AlignExtraItemsB[6], image, n, kAlignTableRows);
}
int SetAlignTableKind4(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[6], AlignExtraItemsB[6], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind5(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[7], AlignExtraItemsB[7], image, n, kAlignTableRows);
}
int SetAlignTableKind5(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[7], AlignExtraItemsB[7], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind6(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[8], AlignExtraItemsB[8], image, n, kAlignTableRows);
}
int SetAlignTableKind6(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[8], AlignExtraItemsB[8], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind7(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[9], AlignExtraItemsB[9], image, n, kAlignTableRows);
}
int SetAlignTableKind7(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[9], AlignExtraItemsB[9], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind8(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[10], AlignExtraItemsB[10], image, n, kAlignTableRows);
}
int SetAlignTableKind8(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[10], AlignExtraItemsB[10], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind9(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[11], AlignExtraItemsB[11], image, n, kAlignTableRows);
}
int SetAlignTableKind9(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[11], AlignExtraItemsB[11], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind10(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[12], AlignExtraItemsB[12], image, n, kAlignTableRows);
}
int SetAlignTableKind10(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[12], AlignExtraItemsB[12], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind11(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[13], AlignExtraItemsB[13], image, n, kAlignTableRows);
}
int SetAlignTableKind11(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[13], AlignExtraItemsB[13], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind12(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[14], AlignExtraItemsB[14], image, n, kAlignTableRows);
}
int SetAlignTableKind12(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[14], AlignExtraItemsB[14], image, n, kAlignTableRows, value);
}
std::uint32_t GetAlignTableKind13(const CloneImage& image, int n) {
    return GetLayoutRecord(AlignExtraItemsA[15], AlignExtraItemsB[15], image, n, kAlignTableRows);
}
int SetAlignTableKind13(CloneImage& image, int n, std::uint32_t value) {
    return SetLayoutRecord(AlignExtraItemsA[15], AlignExtraItemsB[15], image, n, kAlignTableRows, value);
}

std::string GetPowerOnTag(const CloneImage& image) {
    return GetText8(PowerOnTagItems[0], image);
}
int SetText4000(CloneImage& image, std::string_view text) {
    return SetText8(PowerOnTagItems[0], image, text);
}

}  // namespace ItemMap
