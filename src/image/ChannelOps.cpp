#include "image/ChannelOps.h"

#include <algorithm>
#include <cstring>

#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"
#include "image/Model.h"
#include "image/Modes.h"
#include "image/TagCharRule.h"

namespace {

constexpr int kTagLength = 8;
constexpr int kGroupCount = 8;
constexpr int kGroupSlots = 16;
constexpr std::uint32_t kEmptySlot = 0xFF;
// The channel record as sixteen 4-byte words, for whole-record copies.
constexpr int kRecordWords = ItemMap::ChannelRecordSize / 4;

const ImageItemDescriptor& InUseBitmap() {
    return ItemMap::ChannelBitmapItems[0];
}
const ImageItemDescriptor& GroupValidBitmap() {
    return ItemMap::ChannelBitmapItems[1];
}

bool ValidChannel(int channel) {
    return channel >= 0 && channel < ItemMap::ChannelCount;
}

std::uint32_t TxSetFlag(const CloneImage& image, int channel) {
    return ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, channel);
}
void SetTxSetFlag(CloneImage& image, int channel, std::uint32_t value) {
    ItemMap::WriteChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, channel, value);
}

int MaxZone(const CloneImage& image) {
    return static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxGroup(image), 8));
}

bool IsDcs(std::uint32_t type) {
    return type == 2 || type == 3;
}

// Stores one direction's frequency and decides its clock-shift bit.
bool StoreFrequency(CloneImage& image, int channel, int direction, double mhz) {
    if (!CalcPLLFrequency::UpdateChannelFrequency(image, direction, channel,
                                                  CalcPLLFrequency::ReadReference(image), mhz))
        return false;
    CalcClockShift shift(image);
    if (direction == DirectionRx)
        shift.UpdateRxClockShift(channel);
    else
        shift.UpdateTxClockShift(channel);
    return true;
}

// A frequency the synthesiser cannot produce is refused, not stored wrong.
void ReportUnstorable(const CloneImage& image, int channel, double mhz, bool showMessage) {
    Host().Log("channel " + std::to_string(channel + 1) + ": " + std::to_string(mhz) +
               " MHz cannot be set with this radio's synthesiser");
    // Out of the band the snap has already said so.
    if (showMessage && Channel::IsFrequencyInBand(image, mhz))
        Host().Message(Channel::RidOutOfRange, Channel::TextOutOfRange, "",
                       MsgStyle::Ok | MsgStyle::IconWarning);
}

// Copies the 64-byte record of channel `from` of `source` onto channel `to`.
void CopyRecord(const CloneImage& source, int from, CloneImage& image, int to) {
    for (int w = 0; w < kRecordWords; ++w) {
        const ImageItemDescriptor word{0, static_cast<std::uint32_t>(4 * w), 4, 0xFFFFFFFFu, 0, 0};
        ItemMap::WriteChannelField(word, image, to, ItemMap::ReadChannelField(word, source, from));
    }
}

// Copies a channel: its record, its in-use bit and its scan bit.
void CopyChannel(const CloneImage& source, int from, CloneImage& image, int to) {
    if (!ValidChannel(from) || !ValidChannel(to)) return;
    CopyRecord(source, from, image, to);
    ItemMap::WriteBit(InUseBitmap(), image, to, static_cast<std::uint32_t>(ItemMap::ReadBit(source, from)));
    ItemMap::SetChannelScanZoneBit(image, to, ItemMap::GetChannelScanZoneBit(source, from));
}

// After every move: channel 1 cannot be unused, and group validity follows
// the in-use bits.
void FinishMove(CloneImage& image) {
    ItemMap::WriteBit(InUseBitmap(), image, 0, 0);
    Zone::RefreshValidBits(image);
}

struct ClipboardStore {
    CloneImage image;
    std::vector<int> channels;
};
ClipboardStore& Clipboard() {
    static ClipboardStore store;
    return store;
}

}  // namespace

namespace Channel {

int Capacity(const CloneImage& image) {
    return 8 * static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxCh(image), 16));
}

// ---- Column setters ----------------------------------------------------------

void SetBandwidth(CloneImage& image, int channel, int value) {
    if (!ValidChannel(channel)) return;
    const std::uint32_t old = ItemMap::GetChannelWideNarrow(image, channel);
    if (!Pll::WideBandAllowed(image, channel)) value = 2;
    ItemMap::SetChannelWideNarrow(image, channel, static_cast<std::uint32_t>(value));
    if (old <= 1 && value == 2) ItemMap::SetChannelTxSplType(image, channel, 0);
    if (old == 2 && (value == 0 || value == 1)) ItemMap::SetChannelTxSplType(image, channel, 1);
}

void ForceNarrowBandwidth(CloneImage& image, int channel) {
    ItemMap::SetChannelWideNarrow(image, channel, 2);
    ItemMap::SetChannelTxSplType(image, channel, 0);
}

bool BandwidthCodeIsPlain(const CloneImage& image, int channel) {
    return Pll::InNarrowbandRange(image, channel) && ItemMap::GetChannelWideNarrow(image, channel) <= 1;
}

void SetTag(CloneImage& image, int channel, std::string_view text) {
    ItemMap::SetChannelName(image, channel, KXTagString(text, kTagLength).CodeBytes());
}

std::string GetTag(const CloneImage& image, int channel) {
    return TagCodesToText(ItemMap::GetChannelName(image, channel));
}

bool SetRxFrequency(CloneImage& image, int channel, double mhz) {
    if (!ValidChannel(channel)) return false;
    const double snapped = SnapFrequency(image, mhz, true);
    // Outside the radio's band the frequency is refused (the snap has said
    // so) and the channel keeps what it had.
    if (!IsFrequencyInBand(image, snapped)) return false;
    const std::uint32_t txSetBefore = TxSetFlag(image, channel);
    if (!StoreFrequency(image, channel, DirectionRx, snapped)) {
        ReportUnstorable(image, channel, snapped, true);
        return false;
    }
    // The trailer's transmit offset is in tenths of MHz.
    const double tx = CalcPLLFrequency::RxFrequency(image, channel) + ItemMap::GetSignMagnitude(image) / 10.0;
    SetTxFrequency(image, channel, tx, false);
    if (txSetBefore == 0) SetTxSetFlag(image, channel, 0);
    return true;
}

bool SetTxFrequency(CloneImage& image, int channel, double mhz, bool showMessage) {
    if (!ValidChannel(channel)) return false;
    const double snapped = SnapFrequency(image, mhz, showMessage);
    if (!IsFrequencyInBand(image, snapped)) return false;
    if (!StoreFrequency(image, channel, DirectionTx, snapped)) {
        ReportUnstorable(image, channel, snapped, showMessage);
        return false;
    }
    if (TxSetFlag(image, channel) == 0) SetTxSetFlag(image, channel, 1);
    if (!Pll::WideBandAllowed(image, channel)) SetBandwidth(image, channel, 2);
    return true;
}

void SetRxSubAudio(CloneImage& image, int channel, SubAudio value) {
    ItemMap::SetChannelSubAudioDecType(image, channel, static_cast<std::uint32_t>(value.type));
    ItemMap::SetChannelSubAudioDecCode(image, channel, static_cast<std::uint32_t>(value.code));
    ItemMap::SetChannelSubAudioDecFlag(image, channel, static_cast<std::uint32_t>(value.polarity));
    SetTxSubAudio(image, channel, value.type, value.code);
}

void SetTxSubAudio(CloneImage& image, int channel, int type, int code) {
    ItemMap::SetChannelSubAudioEncType(image, channel, static_cast<std::uint32_t>(type));
    ItemMap::SetChannelSubAudioEncCode(image, channel, static_cast<std::uint32_t>(code));
    if (!IsDcs(static_cast<std::uint32_t>(type)) && ItemMap::GetChannelOlta(image, channel) == 1)
        ItemMap::SetChannelOlta(image, channel, 0);
}

SubAudio GetRxSubAudio(const CloneImage& image, int channel) {
    return {static_cast<int>(ItemMap::GetChannelSubAudioDecType(image, channel)),
            static_cast<int>(ItemMap::GetChannelSubAudioDecCode(image, channel)),
            static_cast<int>(ItemMap::GetChannelSubAudioDecFlag(image, channel))};
}

SubAudio GetTxSubAudio(const CloneImage& image, int channel) {
    return {static_cast<int>(ItemMap::GetChannelSubAudioEncType(image, channel)),
            static_cast<int>(ItemMap::GetChannelSubAudioEncCode(image, channel)), 0};
}

void SetAutoScan(CloneImage& image, int channel, int value) {
    if (value == 3 && ItemMap::GetMaxGroup(image) < 2) value = 0;
    if (value == 2 && Version::HasFeatureFlag(image)) value = 0;
    ItemMap::SetChannelAutoScan(image, channel, static_cast<std::uint32_t>(value));
}

int GetAutoScan(const CloneImage& image, int channel) {
    const auto stored = static_cast<int>(ItemMap::GetChannelAutoScan(image, channel));
    return (stored == 2 && Version::HasFeatureFlag(image)) ? 0 : stored;
}

void SetEncryption(CloneImage& image, int channel, int value) {
    if (ItemMap::GetChannelSignalingType(image, channel) == 7) return;
    ItemMap::SetChannelEncryption(image, channel, static_cast<std::uint32_t>(value));
}

int GetEncryption(const CloneImage& image, int channel) {
    return static_cast<int>(ItemMap::GetChannelEncryption(image, channel));
}

void SetOltaMode(CloneImage& image, int channel, int mode) {
    ItemMap::SetChannelOlta(image, channel, static_cast<std::uint32_t>(mode));
    if (mode == 2) SetAniMode(image, channel, 2);
    if (mode != 1) return;
    // The radio-wide OLTA mode names the sides that must carry DCS.
    const std::uint32_t radioMode = ItemMap::GetOltaMode(image);
    if ((radioMode == 0 || radioMode == 1) && !IsDcs(ItemMap::GetChannelSubAudioDecType(image, channel))) {
        ItemMap::SetChannelSubAudioDecType(image, channel, SubAudioDcs);
        ItemMap::SetChannelSubAudioDecCode(image, channel, OltaForcedDcsCode);
    }
    if ((radioMode == 0 || radioMode == 2) && !IsDcs(ItemMap::GetChannelSubAudioEncType(image, channel))) {
        ItemMap::SetChannelSubAudioEncType(image, channel, SubAudioDcs);
        ItemMap::SetChannelSubAudioEncCode(image, channel, OltaForcedDcsCode);
    }
}

void SetSignalingType(CloneImage& image, int channel, int type) {
    ItemMap::SetChannelSignalingType(image, channel, static_cast<std::uint32_t>(type));
    if (type != 4 && ItemMap::GetChannelOlta(image, channel) == 2) ItemMap::SetChannelOlta(image, channel, 0);
    ItemMap::SetChannelSignalingNo(image, channel, 0);
    if (type == 4 && ItemMap::GetChannelAniType(image, channel) == 2)
        ItemMap::SetChannelAniType(image, channel, 0);
    if (type == 7) {
        ItemMap::SetChannelEncryption(image, channel, 0);
        ItemMap::SetChannelAniType(image, channel, 0);
        ItemMap::SetChannelAniMonitor(image, channel, 0);
        ItemMap::SetChannelMdc1200Ani(image, channel, 0);
    }
}

bool IsValidSignalingNumber(const CloneImage& image, int channel, int number) {
    if (number < 0) return false;
    // One range per signalling type, the same the channel grid offers in its
    // number list, so the grid, the editor and this check never disagree.
    switch (ItemMap::GetChannelSignalingType(image, channel)) {
        case 0:
            return number == 0;
        case 1:
            return number < 8;
        case 2:
            return number < (Model::IndexFromTypeCode(image) == 1 ? 16 : 32);
        case 3:
            return number < 10;
        case 4:
            return number < 2;
        case 5:
        case 6:
            return number < 16;
        case 7:
            return number < 4;
        default:
            return number < 32;
    }
}

void SetSignalingNumber(CloneImage& image, int channel, int number) {
    const int stored = IsValidSignalingNumber(image, channel, number) ? number : 0;
    ItemMap::SetChannelSignalingNo(image, channel, static_cast<std::uint32_t>(stored));
}

int GetSignalingNumber(const CloneImage& image, int channel) {
    const auto stored = static_cast<int>(ItemMap::GetChannelSignalingNo(image, channel));
    return IsValidSignalingNumber(image, channel, stored) ? stored : 0;
}

void SetAniMode(CloneImage& image, int channel, int mode) {
    ItemMap::SetChannelAniType(image, channel, static_cast<std::uint32_t>(mode));
    if (mode == 2 && ItemMap::GetChannelSignalingType(image, channel) == 4) {
        ItemMap::SetChannelSignalingType(image, channel, 0);
        if (ItemMap::GetChannelOlta(image, channel) == 2) ItemMap::SetChannelOlta(image, channel, 0);
        ItemMap::SetChannelSignalingNo(image, channel, 0);
    }
}

int GetScanFlag(const CloneImage& image, int channel) {
    return static_cast<int>(ItemMap::GetChannelScanZoneBit(image, channel));
}

bool IsInUse(const CloneImage& image, int channel) {
    return channel != NoChannel && ValidChannel(channel) && ItemMap::ReadBit(image, channel) == 0;
}

// ---- Record moves ----------------------------------------------------------------

void StoreClipboard(const CloneImage& image, std::span<const int> channels) {
    Clipboard().image = image;
    Clipboard().channels.assign(channels.begin(), channels.end());
}

int ClipboardCount() {
    return static_cast<int>(Clipboard().channels.size());
}

void PasteClipboard(CloneImage& image, std::span<const int> targets) {
    const ClipboardStore& kept = Clipboard();
    if (kept.channels.empty()) return;
    if (kept.channels.size() == 1) {
        for (int target : targets) CopyChannel(kept.image, kept.channels[0], image, target);
    } else {
        const std::size_t n = std::min(kept.channels.size(), targets.size());
        for (std::size_t k = 0; k < n; ++k) CopyChannel(kept.image, kept.channels[k], image, targets[k]);
    }
    FinishMove(image);
}

void InsertClipboardRecords(CloneImage& image, int row) {
    const ClipboardStore& kept = Clipboard();
    const int capacity = Capacity(image);
    const int count = static_cast<int>(kept.channels.size());
    if (count == 0 || row < 0 || row >= capacity) return;
    for (int c = capacity - 1; c >= row + count; --c) CopyChannel(image, c - count, image, c);
    for (int k = 0; k < count && row + k < capacity; ++k)
        CopyChannel(kept.image, kept.channels[k], image, row + k);
    FinishMove(image);
}

void InsertEmptyRecord(CloneImage& image, int row) {
    const int capacity = Capacity(image);
    if (row < 0 || row >= capacity) return;
    for (int c = capacity - 1; c > row; --c) CopyChannel(image, c - 1, image, c);
    SetTag(image, row, "");
    FinishMove(image);
}

void DeleteRecord(CloneImage& image, int row) {
    const int capacity = Capacity(image);
    if (row < 0 || row >= capacity) return;
    for (int c = row; c + 1 < capacity; ++c) CopyChannel(image, c + 1, image, c);
    // The last position's record moved down: it holds no channel now.
    const int last = capacity - 1;
    SetTag(image, last, "");
    ItemMap::WriteBit(InUseBitmap(), image, last, 1);
    ItemMap::SetChannelScanZoneBit(image, last, 0);
    FinishMove(image);
}

void MarkBeyondCapacity(CloneImage& image) {
    for (int c = Capacity(image); c < ItemMap::ChannelCount; ++c)
        ItemMap::WriteBit(InUseBitmap(), image, c, 1);
}

}  // namespace Channel

// ---- Groups ----------------------------------------------------------------------

namespace Zone {

void RefreshValidBits(CloneImage& image) {
    const int zones = MaxZone(image);
    for (int g = 0; g < kGroupCount; ++g) {
        bool valid = false;
        for (int k = 0; g < zones && k < kGroupSlots && !valid; ++k) {
            const std::uint32_t member = ItemMap::ReadIndexedItem(image, g, k);
            valid = member != kEmptySlot && Channel::IsInUse(image, static_cast<int>(member));
        }
        ItemMap::WriteBit(GroupValidBitmap(), image, g, valid ? 0 : 1);
    }
}

bool ContainsChannel(const CloneImage& image, int channel) {
    if (channel == Channel::NoChannel) return false;
    const int zones = MaxZone(image);
    const int members = std::min(Channel::Capacity(image), kGroupSlots);
    for (int g = 0; g < zones; ++g)
        for (int k = 0; k < members; ++k)
            if (ItemMap::ReadIndexedItem(image, g, k) == static_cast<std::uint32_t>(channel)) return true;
    return false;
}

}  // namespace Zone

// ---- Image-wide operations ---------------------------------------------------

namespace CloneImageOps {

namespace {

// The key-assignment table of block 8, one byte per key slot.
const ImageItemDescriptor& KeySlot() {
    return ItemMap::SystemItems[71];
}
void ClearKeySlot(CloneImage& image, int slot) {
    ItemMap::SetRecord(KeySlot(), image, slot, 1, 0);
}

constexpr int kSelectableKeySlots[] = {0,  2,  3,  4,  5,  10, 11, 12, 13, 14, 15,
                                       16, 18, 19, 20, 21, 26, 27, 28, 29, 30, 31};
// The 5-tone decode records that exist (the encode records follow them).
constexpr int kTone5DecodeRecords = 9;

}  // namespace

int Compare(const CloneImage& a, const CloneImage& b) {
    const int r = std::memcmp(a.data(), b.data(), CloneImage::Size);
    return r == 0 ? 0 : (r < 0 ? -1 : 1);
}

void ClearKeySlots(CloneImage& image, int mode) {
    if (mode == 1) {
        for (int slot : {14, 15, 30, 31}) ClearKeySlot(image, slot);
    } else if (mode == 0) {
        for (int slot = 10; slot <= 15; ++slot) ClearKeySlot(image, slot);
        for (int slot = 26; slot <= 31; ++slot) ClearKeySlot(image, slot);
    }
}

void ResetUnavailableSelections(CloneImage& image) {
    for (int slot : kSelectableKeySlots) {
        const std::uint32_t function = ItemMap::GetRecord(KeySlot(), image, slot, 1);
        if (function == 48 || function == 51) ClearKeySlot(image, slot);
    }
    const std::uint32_t condition = ItemMap::GetPowerOnCondition(image);
    if (condition == 3 || condition == 5 || condition == 16) ItemMap::SetPowerOnCondition(image, 0);
    if (Version::HasFeatureFlag(image))
        for (int n = 0; n < kTone5DecodeRecords; ++n)
            if (ItemMap::GetTone5DecodeScan(image, n) == 2) ItemMap::SetTone5DecodeScan(image, n, 3);
    if (ItemMap::GetEmergencyRevertCh(image) == 2) ItemMap::SetEmergencyRevertCh(image, 3);
}

void CopyAdjustPoint7ToBase(CloneImage& image) {
    constexpr ItemMap::RecordGetter kPoint[] = {
        ItemMap::GetAlignTableKind1,  ItemMap::GetAlignTableKind2, ItemMap::GetAlignTableKind3,
        ItemMap::GetAlignTableKind4,  ItemMap::GetAlignTableKind5, ItemMap::GetAlignTableKind6,
        ItemMap::GetAlignTableKind7,  ItemMap::GetAlignTableKind8, ItemMap::GetAlignTableKind9,
        ItemMap::GetAlignTableKind10, ItemMap::GetAlignTableKind11};
    constexpr ItemMap::ItemSetter kBase[] = {
        ItemMap::SetAlignBaseKind1,  ItemMap::SetAlignBaseKind2, ItemMap::SetAlignBaseKind3,
        ItemMap::SetAlignBaseKind4,  ItemMap::SetAlignBaseKind5, ItemMap::SetAlignBaseKind6,
        ItemMap::SetAlignBaseKind7,  ItemMap::SetAlignBaseKind8, ItemMap::SetAlignBaseKind9,
        ItemMap::SetAlignBaseKind10, ItemMap::SetAlignBaseKind11};
    for (std::size_t k = 0; k < std::size(kPoint); ++k) kBase[k](image, kPoint[k](image, 7));
}

void FixUpAfterModelConversion(CloneImage& image, const CloneImage& before) {
    // The channels as they are now, read with the hardware they were made for:
    // until they are re-encoded, the converted image's words do not give the
    // channels' frequencies under its new synthesiser parameters.
    CloneImage reference = before;
    for (int c = 0; c < ItemMap::ChannelCount; ++c) CopyRecord(image, c, reference, c);

    const bool ruleApplies = Host().ServiceMode() == ServiceModes::Normal &&
                             ItemMap::GetWideBandPermit(image) == 0 && Host().Now().tm_year + 1900 >= 2013;
    if (ruleApplies) {
        std::vector<int> wide;
        for (int c = 0; c < Channel::Capacity(image); ++c)
            if (Channel::BandwidthCodeIsPlain(reference, c)) wide.push_back(c);
        if (!wide.empty()) {
            Host().Message(RidWideBandCaution, TextWideBandCaution, "", MsgStyle::Ok | MsgStyle::IconWarning);
            for (int c : wide) Channel::ForceNarrowBandwidth(image, c);
        }
    }
    const int failures = CalcPLLFrequency::ReencodeChannels(image, reference);
    if (failures > 0)
        Host().Log("model conversion: " + std::to_string(failures) +
                   " channel frequencies could not be re-encoded for the new synthesiser and were left as "
                   "they were");
    CalcPLLFrequency::RecalcTxPowerAll(image);
    CalcPLLFrequency::RecalcMaxDevAll(image);
    CalcPLLFrequency::RecalcKind5And6All(image);
    CalcPLLFrequency::ApplyChannelAdjustment(image);
    for (int kind : {11, 12, 13}) CalcPLLFrequency::RecalcKindAll(image, kind);
}

}  // namespace CloneImageOps

namespace Password {

bool DigitsMatch(const CloneImage& image, std::span<const std::int32_t, 6> digits) {
    constexpr ItemMap::ItemGetter kDigit[6] = {
        ItemMap::GetProgrammingPasswordDigit1, ItemMap::GetProgrammingPasswordDigit2,
        ItemMap::GetProgrammingPasswordDigit3, ItemMap::GetProgrammingPasswordDigit4,
        ItemMap::GetProgrammingPasswordDigit5, ItemMap::GetProgrammingPasswordDigit6};
    for (int i = 0; i < 6; ++i)
        if (digits[i] != static_cast<std::int32_t>(kDigit[i](image))) return false;
    return true;
}

}  // namespace Password
