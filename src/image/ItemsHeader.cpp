#include "image/ItemsHeader.h"

#include "image/ItemAccessors.h"

namespace ItemMap {

std::uint32_t GetVariantByte(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[3], image);
}
int SetVariantByte(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[3], image, value);
}

std::uint32_t GetHeader0A(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[11], image);
}
int SetHeader0A(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[11], image, value);
}

std::uint32_t GetHeader0BBits4To7(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[12], image);
}
int SetHeader0BBits4To7(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[12], image, value);
}

std::uint32_t GetHeader0BBit3(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[13], image);
}
int SetHeader0BBit3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[13], image, value);
}

std::uint32_t GetHeader0BBits0To2(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[14], image);
}
int SetHeader0BBits0To2(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[14], image, value);
}

std::uint32_t GetSerialPart1(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[16], image);
}
int SetSerialPart1(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[16], image, value);
}

std::uint32_t GetSerialPart2(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[17], image);
}
int SetSerialPart2(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[17], image, value);
}

std::uint32_t GetSerialPart3(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[18], image);
}
int SetSerialPart3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[18], image, value);
}

std::uint32_t GetSerialPart4(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[19], image);
}
int SetSerialPart4(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[19], image, value);
}

std::uint32_t GetHeader1C(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[25], image);
}
int SetHeader1C(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[25], image, value);
}

std::uint32_t GetHeader1D(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[26], image);
}
int SetHeader1D(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[26], image, value);
}

std::uint32_t GetHeader1EBits4To7(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[27], image);
}
int SetHeader1EBits4To7(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[27], image, value);
}

std::uint32_t GetHeader1EBits0To3(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[28], image);
}
int SetHeader1EBits0To3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[28], image, value);
}

std::uint32_t GetHeader1FBits4To7(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[29], image);
}
int SetHeader1FBits4To7(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[29], image, value);
}

std::uint32_t GetHeader1FBits0To3(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[30], image);
}
int SetHeader1FBits0To3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[30], image, value);
}

std::uint32_t GetHeader20Bits6To7(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[31], image);
}
int SetHeader20Bits6To7(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[31], image, value);
}

std::uint32_t GetHeader20Bits4To5(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[32], image);
}
int SetHeader20Bits4To5(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[32], image, value);
}

std::uint32_t GetHeader20Bits0To3(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[33], image);
}
int SetHeader20Bits0To3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[33], image, value);
}

std::uint32_t GetHeader23Bit3(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[34], image);
}
int SetHeader23Bit3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[34], image, value);
}

std::uint32_t GetHeader23Bit0(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[35], image);
}
int SetHeader23Bit0(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[35], image, value);
}

std::uint32_t GetHeaderProductionDate(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[42], image);
}
int SetHeaderProductionDate(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[42], image, value);
}

std::uint32_t GetHeaderProgramVersionMajor(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[46], image);
}
int SetHeaderProgramVersionMajor(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[46], image, value);
}

std::uint32_t GetHeaderProgramVersionMinor(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[47], image);
}
int SetHeaderProgramVersionMinor(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[47], image, value);
}

std::uint32_t GetHeader2D(const CloneImage& image) {
    return GetSingle(HeaderInfoItems[48], image);
}
int SetHeader2D(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderInfoItems[48], image, value);
}

std::uint32_t GetHeaderWord24(const CloneImage& image) {
    return GetLEPair(HeaderInfoItems[37], HeaderInfoItems[38], image);
}
int SetHeaderWord24(CloneImage& image, std::uint32_t value) {
    return SetLEPair(HeaderInfoItems[37], HeaderInfoItems[38], image, value);
}

std::uint32_t GetHeaderWord26(const CloneImage& image) {
    return GetLEPair(HeaderInfoItems[40], HeaderInfoItems[41], image);
}
int SetHeaderWord26(CloneImage& image, std::uint32_t value) {
    return SetLEPair(HeaderInfoItems[40], HeaderInfoItems[41], image, value);
}

std::uint32_t GetThresholdNsqLevelWide(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[11], AlignHeaderItemsB[11], image);
}
int SetThresholdNsqLevelWide(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[11], AlignHeaderItemsB[11], image, value);
}

std::uint32_t GetThresholdNsqLevelNarrow(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[12], AlignHeaderItemsB[12], image);
}
int SetThresholdNsqLevelNarrow(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[12], AlignHeaderItemsB[12], image, value);
}

std::uint32_t GetTightNsqLevelWide(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[13], AlignHeaderItemsB[13], image);
}
int SetTightNsqLevelWide(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[13], AlignHeaderItemsB[13], image, value);
}

std::uint32_t GetTightNsqLevelNarrow(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[14], AlignHeaderItemsB[14], image);
}
int SetTightNsqLevelNarrow(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[14], AlignHeaderItemsB[14], image, value);
}

std::uint32_t GetTightRssiLevelWide(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[15], AlignHeaderItemsB[15], image);
}
int SetTightRssiLevelWide(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[15], AlignHeaderItemsB[15], image, value);
}

std::uint32_t GetTightRssiLevelNarrow(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[16], AlignHeaderItemsB[16], image);
}
int SetTightRssiLevelNarrow(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[16], AlignHeaderItemsB[16], image, value);
}

std::uint32_t GetTxSaveLevelWide(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[17], AlignHeaderItemsB[17], image);
}
int SetTxSaveLevelWide(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[17], AlignHeaderItemsB[17], image, value);
}

std::uint32_t GetTxSaveLevelNarrow(const CloneImage& image) {
    return GetLayout(AlignHeaderItemsA[18], AlignHeaderItemsB[18], image);
}
int SetTxSaveLevelNarrow(CloneImage& image, std::uint32_t value) {
    return SetLayout(AlignHeaderItemsA[18], AlignHeaderItemsB[18], image, value);
}

std::uint32_t GetVoxAntiTrip(const CloneImage& image) {
    return GetSingle(HeaderMiscItems[0], image);
}
int SetVoxAntiTrip(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderMiscItems[0], image, value);
}

std::uint32_t GetHeaderMiscB0Bit3(const CloneImage& image) {
    return GetSingle(HeaderMiscItems[4], image);
}
int SetHeaderMiscB0Bit3(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderMiscItems[4], image, value);
}

std::uint32_t GetSqlOffsetData(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[0], image);
}
int SetSqlOffsetData(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[0], image, value);
}

std::uint32_t GetVoxOffsetData(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[1], image);
}
int SetVoxOffsetData(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[1], image, value);
}

std::uint32_t GetAfMinimumVolume(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[2], image);
}
int SetAfMinimumVolume(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[2], image, value);
}

std::uint32_t GetBeepLevel(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[3], image);
}
int SetBeepLevel(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[3], image, value);
}

std::uint32_t GetLcdContrast(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[4], image);
}
int SetLcdContrast(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[4], image, value);
}

std::uint32_t GetKeyLock(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[5], image);
}
int SetKeyLock(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[5], image, value);
}

std::uint32_t GetDialLock(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[6], image);
}
int SetDialLock(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[6], image, value);
}

std::uint32_t GetPttLock(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[7], image);
}
int SetPttLock(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[7], image, value);
}

std::uint32_t GetBell(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[9], image);
}
int SetBell(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[9], image, value);
}

std::uint32_t GetTrxLedLighting(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[10], image);
}
int SetTrxLedLighting(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[10], image, value);
}

std::uint32_t GetDimmerLevel(const CloneImage& image) {
    return GetSingle(HeaderPanelItems[11], image);
}
int SetDimmerLevel(CloneImage& image, std::uint32_t value) {
    return SetSingle(HeaderPanelItems[11], image, value);
}

std::uint32_t GetHeaderCodeDigitCount(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[0], image, record, 8);
}
int SetHeaderCodeDigitCount(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[0], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit1(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[1], image, record, 8);
}
int SetHeaderCodeDigit1(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[1], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit2(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[2], image, record, 8);
}
int SetHeaderCodeDigit2(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[2], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit3(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[3], image, record, 8);
}
int SetHeaderCodeDigit3(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[3], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit4(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[4], image, record, 8);
}
int SetHeaderCodeDigit4(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[4], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit5(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[5], image, record, 8);
}
int SetHeaderCodeDigit5(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[5], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit6(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[6], image, record, 8);
}
int SetHeaderCodeDigit6(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[6], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit7(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[7], image, record, 8);
}
int SetHeaderCodeDigit7(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[7], image, record, 8, value);
}

std::uint32_t GetHeaderCodeDigit8(const CloneImage& image, int record) {
    if (record >= HeaderCodeRecordCount) return 0;
    return GetRecord(HeaderCopyItems[8], image, record, 8);
}
int SetHeaderCodeDigit8(CloneImage& image, int record, std::uint32_t value) {
    if (record >= HeaderCodeRecordCount) return 1;
    return SetRecord(HeaderCopyItems[8], image, record, 8, value);
}

std::uint32_t GetGroupScanFlag(const CloneImage& image, int group) {
    return GetBitmapBit(HeaderOptionItems[1], image, group, GroupScanFlagCount);
}
int SetGroupScanFlag(CloneImage& image, int group, std::uint32_t value) {
    return SetBitmapBit(HeaderOptionItems[1], image, group, GroupScanFlagCount, value);
}

std::uint32_t GetChannelScanZoneBit(const CloneImage& image, int channel) {
    return GetBitmapBit(HeaderOptionItems[2], image, channel, ChannelCount);
}
int SetChannelScanZoneBit(CloneImage& image, int channel, std::uint32_t value) {
    return SetBitmapBit(HeaderOptionItems[2], image, channel, ChannelCount, value);
}

std::uint32_t GetPriorityChannel(const CloneImage& image, int group) {
    if (group >= PriorityChannelCount) return 0;
    return GetRecord(HeaderOptionItems[3], image, group, 1);
}
int SetPriorityChannel(CloneImage& image, int group, std::uint32_t value) {
    if (group >= PriorityChannelCount) return 1;
    return SetRecord(HeaderOptionItems[3], image, group, 1, value);
}

std::uint32_t GetHeaderAlignPoint(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLEPairRecord(HeaderModelItemsA[1], HeaderModelItemsA[2], image, row, 16);
}
int SetHeaderAlignPoint(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLEPairRecord(HeaderModelItemsA[1], HeaderModelItemsA[2], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind1(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[3], HeaderModelItemsB[3], image, row, 16);
}
int SetHeaderAlignKind1(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[3], HeaderModelItemsB[3], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind2(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[4], HeaderModelItemsB[4], image, row, 16);
}
int SetHeaderAlignKind2(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[4], HeaderModelItemsB[4], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind3(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[5], HeaderModelItemsB[5], image, row, 16);
}
int SetHeaderAlignKind3(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[5], HeaderModelItemsB[5], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind4(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[6], HeaderModelItemsB[6], image, row, 16);
}
int SetHeaderAlignKind4(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[6], HeaderModelItemsB[6], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind5(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[7], HeaderModelItemsB[7], image, row, 16);
}
int SetHeaderAlignKind5(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[7], HeaderModelItemsB[7], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind6(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[8], HeaderModelItemsB[8], image, row, 16);
}
int SetHeaderAlignKind6(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[8], HeaderModelItemsB[8], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind7(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[9], HeaderModelItemsB[9], image, row, 16);
}
int SetHeaderAlignKind7(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[9], HeaderModelItemsB[9], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind8(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[10], HeaderModelItemsB[10], image, row, 16);
}
int SetHeaderAlignKind8(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[10], HeaderModelItemsB[10], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind9(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[11], HeaderModelItemsB[11], image, row, 16);
}
int SetHeaderAlignKind9(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[11], HeaderModelItemsB[11], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind10(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[12], HeaderModelItemsB[12], image, row, 16);
}
int SetHeaderAlignKind10(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[12], HeaderModelItemsB[12], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind11(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[13], HeaderModelItemsB[13], image, row, 16);
}
int SetHeaderAlignKind11(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[13], HeaderModelItemsB[13], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind12(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[14], HeaderModelItemsB[14], image, row, 16);
}
int SetHeaderAlignKind12(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[14], HeaderModelItemsB[14], image, row, 16, value);
}

std::uint32_t GetHeaderAlignKind13(const CloneImage& image, int row) {
    if (row >= AlignRowCount) return 0;
    return GetLayoutRecord(HeaderModelItemsA[15], HeaderModelItemsB[15], image, row, 16);
}
int SetHeaderAlignKind13(CloneImage& image, int row, std::uint32_t value) {
    if (row >= AlignRowCount) return 1;
    return SetLayoutRecord(HeaderModelItemsA[15], HeaderModelItemsB[15], image, row, 16, value);
}

}  // namespace ItemMap
