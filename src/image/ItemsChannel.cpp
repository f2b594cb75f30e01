#include "image/ItemsChannel.h"

#include "image/ItemMap.h"

namespace ItemMap {
namespace {

// A 16-bit code from its low and high byte items.
std::uint32_t ReadCode(const CloneImage& image, int channel, int lowItem) {
    return ReadChannelField(ChannelItems[lowItem + 1], image, channel) * 256 +
           ReadChannelField(ChannelItems[lowItem], image, channel);
}
int WriteCode(CloneImage& image, int channel, int lowItem, std::uint32_t code) {
    WriteChannelField(ChannelItems[lowItem], image, channel, code & 0xFF);
    WriteChannelField(ChannelItems[lowItem + 1], image, channel, (code >> 8) & 0xFF);
    return 1;
}

constexpr int EncodeCodeLowItem = 46;
constexpr int DecodeCodeLowItem = 48;
constexpr int AdjustKind1Item = 64;
constexpr int AdjustKind2Item = 65;

}  // namespace

std::uint32_t GetChannelWideNarrow(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[0], image, channel);
}

int SetChannelWideNarrow(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[0], image, channel, value);
}

std::uint32_t GetChannelTxPowerHigh(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[5], image, channel);
}

int SetChannelTxPowerHigh(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[5], image, channel, value);
}

std::uint32_t GetChannelTotTimer(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[8], image, channel);
}

int SetChannelTotTimer(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[8], image, channel, value);
}

std::uint32_t GetChannelPenaltyTimer(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[9], image, channel);
}

int SetChannelPenaltyTimer(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[9], image, channel, value);
}

std::uint32_t GetChannelReleaseTimer(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[10], image, channel);
}

int SetChannelReleaseTimer(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[10], image, channel, value);
}

std::uint32_t GetChannelEncryption(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[13], image, channel);
}

int SetChannelEncryption(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[13], image, channel, value);
}

std::uint32_t GetChannelLockOut(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[14], image, channel);
}

int SetChannelLockOut(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[14], image, channel, value);
}

std::uint32_t GetChannelAniType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[15], image, channel);
}

int SetChannelAniType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[15], image, channel, value);
}

std::uint32_t GetChannelAniMonitor(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[16], image, channel);
}

int SetChannelAniMonitor(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[16], image, channel, value);
}

std::uint32_t GetChannelOlta(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[17], image, channel);
}

int SetChannelOlta(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[17], image, channel, value);
}

std::uint32_t GetChannelMdc1200Ani(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[18], image, channel);
}

int SetChannelMdc1200Ani(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[18], image, channel, value);
}

std::uint32_t GetChannelAutoScan(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[20], image, channel);
}

int SetChannelAutoScan(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[20], image, channel, value);
}

std::uint32_t GetChannelScanZone(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[21], image, channel);
}

int SetChannelScanZone(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[21], image, channel, value);
}

std::uint32_t GetChannelVox(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[22], image, channel);
}

int SetChannelVox(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[22], image, channel, value);
}

std::uint32_t GetChannelExtMicSelect(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[23], image, channel);
}

int SetChannelExtMicSelect(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[23], image, channel, value);
}

std::uint32_t GetChannelPreEmphasis(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[24], image, channel);
}

int SetChannelPreEmphasis(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[24], image, channel, value);
}

std::uint32_t GetChannelDeEmphasis(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[25], image, channel);
}

int SetChannelDeEmphasis(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[25], image, channel, value);
}

std::uint32_t GetChannelRxFlatAf(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[28], image, channel);
}

int SetChannelRxFlatAf(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[28], image, channel, value);
}

std::uint32_t GetChannelTxFlatAf(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[29], image, channel);
}

int SetChannelTxFlatAf(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[29], image, channel, value);
}

std::uint32_t GetChannelRxHpfType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[30], image, channel);
}

int SetChannelRxHpfType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[30], image, channel, value);
}

std::uint32_t GetChannelRxLpfType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[31], image, channel);
}

int SetChannelRxLpfType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[31], image, channel, value);
}

std::uint32_t GetChannelTxHpfType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[32], image, channel);
}

int SetChannelTxHpfType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[32], image, channel, value);
}

std::uint32_t GetChannelTxSplType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[33], image, channel);
}

int SetChannelTxSplType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[33], image, channel, value);
}

std::uint32_t GetChannelSignalingType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[40], image, channel);
}

int SetChannelSignalingType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[40], image, channel, value);
}

std::uint32_t GetChannelSignalingNo(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[41], image, channel);
}

int SetChannelSignalingNo(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[41], image, channel, value);
}

std::uint32_t GetChannelSqlLevel(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[42], image, channel);
}

int SetChannelSqlLevel(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[42], image, channel, value);
}

std::uint32_t GetChannelSubAudioEncType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[43], image, channel);
}

int SetChannelSubAudioEncType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[43], image, channel, value);
}

std::uint32_t GetChannelSubAudioDecType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[44], image, channel);
}

int SetChannelSubAudioDecType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[44], image, channel, value);
}

std::uint32_t GetChannelSubAudioDecFlag(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[45], image, channel);
}

int SetChannelSubAudioDecFlag(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[45], image, channel, value);
}

std::uint32_t GetChannelRxPllRefType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[6], image, channel);
}

int SetChannelRxPllRefType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[6], image, channel, value);
}

std::uint32_t GetChannelTxPllRefType(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[7], image, channel);
}

int SetChannelTxPllRefType(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[7], image, channel, value);
}

std::uint32_t GetChannelSubAudioEncCode(const CloneImage& image, int channel) {
    return ReadCode(image, channel, EncodeCodeLowItem);
}
int SetChannelSubAudioEncCode(CloneImage& image, int channel, std::uint32_t code) {
    return WriteCode(image, channel, EncodeCodeLowItem, code);
}
std::uint32_t GetChannelSubAudioDecCode(const CloneImage& image, int channel) {
    return ReadCode(image, channel, DecodeCodeLowItem);
}
int SetChannelSubAudioDecCode(CloneImage& image, int channel, std::uint32_t code) {
    return WriteCode(image, channel, DecodeCodeLowItem, code);
}

std::uint32_t GetChannelAdjustKind1(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[64], image, channel);
}

int SetChannelAdjustKind1(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[64], image, channel, value);
}

std::uint32_t GetChannelAdjustKind2(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[65], image, channel);
}

int SetChannelAdjustKind2(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[65], image, channel, value);
}

int SetChannelAdjustKind3And4(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[66], image, channel, value);
}

int SetChannelAdjustKind5And6(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[67], image, channel, value);
}

int SetChannelAdjustKind7To10(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[68], image, channel, value);
}

int SetChannelAdjustKind11(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[69], image, channel, value);
}

int SetChannelAdjustKind12(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[54], image, channel, value);
}

int SetChannelAdjustKind13(CloneImage& image, int channel, std::uint32_t value) {
    return WriteChannelField(ChannelItems[61], image, channel, value);
}

std::uint32_t GetChannelItem(const CloneImage& image, int channel) {
    return ReadChannelField(ChannelItems[AdjustKind2Item], image, channel);
}

std::uint32_t GetChannelFieldByKind(int kind, const CloneImage& image, int channel) {
    switch (kind) {
        case 0:
            return ReadChannelField(ChannelItems[AdjustKind1Item], image, channel);
        case 2:
            return ReadChannelField(ChannelItems[AdjustKind2Item], image, channel);
        default:
            return 0;
    }
}

std::string GetChannelName(const CloneImage& image, int channel) {
    return ReadChannelName(image, channel);
}
int SetChannelName(CloneImage& image, int channel, std::string_view text) {
    return WriteChannelName(image, channel, text);
}

}  // namespace ItemMap
