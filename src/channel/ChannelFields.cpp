#include "channel/ChannelFields.h"

#include "channel/ChannelEditorRules.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelTables.h"
#include "image/ChannelOps.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"

namespace ChannelFields {

namespace {

namespace Col = ChannelGridCells::Col;
namespace Id = ChannelEditor::Id;
using namespace ChannelTables;

// Record items without an accessor of their own.
constexpr int kRxPowerSaveItem = 2, kTxPowerSaveItem = 3, kCompanderItem = 26, kDsubAfInputItem = 34,
              kDsubAfOutputItem = 38;

template <int Item>
int ReadRecordItem(const CloneImage& image, int channel) {
    return static_cast<int>(ItemMap::ReadChannelField(ItemMap::ChannelItems[Item], image, channel));
}
template <int Item>
void WriteRecordItem(CloneImage& image, int channel, int value) {
    ItemMap::WriteChannelField(ItemMap::ChannelItems[Item], image, channel,
                               static_cast<std::uint32_t>(value));
}
// A check field: on is 1, anything else 0.
template <int Item>
void WriteFlag(CloneImage& image, int channel, int value) {
    WriteRecordItem<Item>(image, channel, value == 1 ? 1 : 0);
}

template <std::uint32_t (*Get)(const CloneImage&, int)>
int Read(const CloneImage& image, int channel) {
    return static_cast<int>(Get(image, channel));
}
template <int (*Set)(CloneImage&, int, std::uint32_t)>
void Write(CloneImage& image, int channel, int value) {
    Set(image, channel, static_cast<std::uint32_t>(value));
}

void WriteSignalingType(CloneImage& image, int channel, int value) {
    Channel::SetSignalingType(image, channel, value);
    // 5-tone and MDC1200 signalling carry no ANI of their own.
    if (value == 2 || value == 4) Channel::SetAniMode(image, channel, 0);
}

void WriteTxFlat(CloneImage& image, int channel, int value) {
    ItemMap::SetChannelTxFlatAf(image, channel, value == 1 ? 1 : 0);
}

using namespace ItemMap;

// clang-format off
const Field kFields[] = {
    {Col::Bandwidth, Id::Bandwidth, Read<GetChannelWideNarrow>, Channel::SetBandwidth, &BandwidthList},
    {Col::RxPowerSave, Id::RxPowerSave, ReadRecordItem<kRxPowerSaveItem>, WriteFlag<kRxPowerSaveItem>, &GridBlankMarkList},
    {Col::TxPowerSave, Id::TxPowerSave, ReadRecordItem<kTxPowerSaveItem>, WriteFlag<kTxPowerSaveItem>, &GridBlankMarkList},
    {Col::TxPower, Id::TxPower, Read<GetChannelTxPowerHigh>, Write<SetChannelTxPowerHigh>, &TxPowerList},
    {Col::AutoScan, Id::AutoScan, Channel::GetAutoScan, Channel::SetAutoScan, &AutoScanMarkList},
    {Col::TimeOutTimer, Id::TimeOutTimer, Read<GetChannelTotTimer>, Write<SetChannelTotTimer>, &TimeOutTimerList},
    {Col::Squelch, Id::SqlLevel, Read<GetChannelSqlLevel>, Write<SetChannelSqlLevel>, &SquelchLevelList},
    {Col::RxClockShift, Id::RxClockShift, ReadRecordItem<ChannelRxClockShiftItem>, WriteFlag<ChannelRxClockShiftItem>, &GridBlankMarkList},
    {Col::TxClockShift, Id::TxClockShift, ReadRecordItem<ChannelTxClockShiftItem>, WriteFlag<ChannelTxClockShiftItem>, &GridBlankMarkList},
    {Col::Vox, Id::Vox, Read<GetChannelVox>, Write<SetChannelVox>, &VoxList},
    {Col::Encryption, Id::Encryption, Channel::GetEncryption, Channel::SetEncryption, &EncryptionList},
    {Col::LockOut, Id::LockOut, Read<GetChannelLockOut>, Write<SetChannelLockOut>, &LockOutList},
    {Col::Olta, Id::Olta, Read<GetChannelOlta>, Channel::SetOltaMode, &GridBlankMarkList},
    {Col::SignalingType, Id::SignalingType, Read<GetChannelSignalingType>, WriteSignalingType, &SignalingTypeMarkList},
    {Col::SignalingNumber, Id::SystemNo, Channel::GetSignalingNumber, Channel::SetSignalingNumber, nullptr},
    // The editor's Flat AF(TX) may stand for two fields: it keeps its own rule.
    {Col::TxFlat, -1, Read<GetChannelTxFlatAf>, WriteTxFlat, &GridBlankMarkList},
    {Col::TxHpf, Id::TxHpf, Read<GetChannelTxHpfType>, Write<SetChannelTxHpfType>, &FilterUpLowList},
    {Col::RxHpf, Id::RxHpf, Read<GetChannelRxHpfType>, Write<SetChannelRxHpfType>, &FilterUpLowList},
    {Col::TxSpl, Id::TxSpl, Read<GetChannelTxSplType>, Write<SetChannelTxSplType>, &TxSplLevelList},
    {Col::RxLpf, Id::RxSpl, Read<GetChannelRxLpfType>, Write<SetChannelRxLpfType>, &RxLpfLevelList},
    // Fields only the editor shows.
    {-1, Id::PenaltyTimer, Read<GetChannelPenaltyTimer>, Write<SetChannelPenaltyTimer>, nullptr},
    {-1, Id::ReleaseTimer, Read<GetChannelReleaseTimer>, Write<SetChannelReleaseTimer>, nullptr},
    {-1, Id::AniType, Read<GetChannelAniType>, Channel::SetAniMode, nullptr},
    {-1, Id::AniMonitor, Read<GetChannelAniMonitor>, Write<SetChannelAniMonitor>, nullptr},
    {-1, Id::Mdc1200Ani, Read<GetChannelMdc1200Ani>, Write<SetChannelMdc1200Ani>, nullptr},
    {-1, Id::ScanGroup, Read<GetChannelScanZone>, Write<SetChannelScanZone>, nullptr},
    {-1, Id::PreEmphasis, Read<GetChannelPreEmphasis>, Write<SetChannelPreEmphasis>, nullptr},
    {-1, Id::DeEmphasis, Read<GetChannelDeEmphasis>, Write<SetChannelDeEmphasis>, nullptr},
    {-1, Id::RxFlatAf, Read<GetChannelRxFlatAf>, Write<SetChannelRxFlatAf>, nullptr},
    {-1, Id::PriorityMic, Read<GetChannelExtMicSelect>, Write<SetChannelExtMicSelect>, nullptr},
    {-1, Id::DsubMic, Read<GetChannelExtMicSelect>, Write<SetChannelExtMicSelect>, nullptr},
    {-1, Id::DsubAfInput, ReadRecordItem<kDsubAfInputItem>, WriteRecordItem<kDsubAfInputItem>, nullptr},
    {-1, Id::DsubAfOutput, ReadRecordItem<kDsubAfOutputItem>, WriteRecordItem<kDsubAfOutputItem>, nullptr},
    {-1, Id::Compander, ReadRecordItem<kCompanderItem>, WriteFlag<kCompanderItem>, nullptr},
    // The PLL references change the synthesiser words too: the editor's own rule.
    {-1, Id::TxPllRef, Read<GetChannelTxPllRefType>, nullptr, nullptr},
    {-1, Id::RxPllRef, Read<GetChannelRxPllRefType>, nullptr, nullptr},
};
// clang-format on

}  // namespace

std::span<const Field> Fields() {
    return kFields;
}

const Field* ForColumn(int column) {
    if (column < 0) return nullptr;
    for (const Field& f : Fields())
        if (f.column == column) return &f;
    return nullptr;
}

const Field* ForControl(int controlId) {
    if (controlId < 0) return nullptr;
    for (const Field& f : Fields())
        if (f.controlId == controlId) return &f;
    return nullptr;
}

}  // namespace ChannelFields
