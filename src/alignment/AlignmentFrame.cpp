#include "alignment/AlignmentFrame.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "alignment/AlignmentData.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "serial/PXComCommandRetry.h"

namespace {

using AlignmentData::Copy;

constexpr int kMaxDevItem = 2;
constexpr int kSubAudioItem = 9;
// Channel record byte 0x0F bits 6-7: the transmit sub-audio type (1 CTCSS, 2 DCS).
constexpr ImageItemDescriptor kTxSubAudioType{0, 0x0F, 1, 0xC0, 0, 0};

}  // namespace

AlignmentFrame::Member AlignmentFrame::MaxDev(int kind) {
    const bool narrow = kind == 1;
    return {ChannelAdjust::DialogClass::MaxDev,
            narrow ? 1 : 0,
            narrow ? 16 : 0,
            1,
            kMaxDevItem,
            24,
            40,
            CloneImage::BlockOffset(15, narrow ? 0x305 : 0x304),
            narrow ? 0x49 : 0x48,
            narrow ? 4 : 3,
            636,
            narrow ? "Max Deviation Alignment (Narrow)" : "Max Deviation Alignment (Wide)"};
}

AlignmentFrame::Member AlignmentFrame::RxTune() {
    Member m{ChannelAdjust::DialogClass::RXTune1, 0, 0, -1, -1, 32, 43, CloneImage::BlockOffset(15, 0x30C),
             0x50, 11, 241, "RX Sensitivity Alignment"};
    m.sequence = Sequence::Receiver;
    m.recalc = Recalc::Kind;
    m.receiveFrequency = true;
    return m;
}

AlignmentFrame::Member AlignmentFrame::Ctcss(int kind) {
    const bool narrow = kind == 1;
    Member m{ChannelAdjust::DialogClass::SubAudioCTCSS,
             narrow ? 1 : 0,
             narrow ? 48 : 32,
             -1,
             kSubAudioItem,
             28,
             42,
             CloneImage::BlockOffset(15, narrow ? 0x309 : 0x308),
             narrow ? 0x4D : 0x4C,
             narrow ? 8 : 7,
             636,
             narrow ? "CTCSS Deviation Alignment (Narrow)" : "CTCSS Deviation Alignment (Wide)"};
    m.sequence = Sequence::NoStop;
    m.defaults = Defaults::UnsetShows31;
    m.recalc = Recalc::SubAudio;
    m.itemsOperation = 21;
    return m;
}

AlignmentFrame::Member AlignmentFrame::Dcs(int kind) {
    const bool narrow = kind == 1;
    Member m{ChannelAdjust::DialogClass::SubAudioDCS,
             narrow ? 1 : 0,
             narrow ? 112 : 64,
             -1,
             kSubAudioItem,
             30,
             42,
             CloneImage::BlockOffset(15, narrow ? 0x30B : 0x30A),
             narrow ? 0x4F : 0x4E,
             narrow ? 10 : 9,
             636,
             narrow ? "DCS Deviation Alignment (Narrow)" : "DCS Deviation Alignment (Wide)"};
    m.sequence = Sequence::Dcs37;
    m.defaults = Defaults::UnsetShows31;
    m.recalc = Recalc::DcsSubAudio;
    m.itemsOperation = 21;
    return m;
}

AlignmentFrame::Member AlignmentFrame::TxPower(int kind, bool specialVariant) {
    struct Level {
        int firstPoint, recordByte, defaultByte, headerByte, calculatorKind;
        const char* title;
    };
    // Low3 and Low1 have no stored value: their rows start at 0 and OK keeps no value.
    static constexpr Level kLevels[4] = {
        {64, 36, 0x302, 0x46, 1, "TX Power Alignment (High)"},
        {16, -1, -1, -1, -1, "TX Power Alignment (Low3)"},
        {0, 38, 0x303, 0x47, 2, "TX Power Alignment (Low)"},
        {0, -1, -1, -1, -1, "TX Power Alignment (Low1)"},
    };
    const Level& level = kLevels[std::clamp(kind, 0, 3)];
    Member m{ChannelAdjust::DialogClass::TxPower,
             std::clamp(kind, 0, 3),
             level.firstPoint,
             -1,
             -1,
             22,
             level.recordByte,
             level.defaultByte < 0 ? 0 : CloneImage::BlockOffset(15, static_cast<std::size_t>(level.defaultByte)),
             level.headerByte,
             level.calculatorKind,
             636,
             specialVariant && kind == 1 ? "TX Power Alignment (High)" : level.title};
    m.sequence = Sequence::Power;
    m.defaults = level.defaultByte < 0 ? Defaults::None : Defaults::Raw;
    m.recalc = Recalc::TxPower;
    m.itemsOperation = 21;
    return m;
}

AlignmentFrame::AlignmentFrame(CloneImage& image, const Member& member, PXComCommandRetry* radio)
    : image_(image), member_(member), radio_(radio) {
    const auto& item = ItemMap::ChooseLayout(image_, ItemMap::AlignItemsA[member_.maxItem],
                                             ItemMap::AlignItemsB[member_.maxItem]);
    maximum_ = static_cast<int>(item.valueMask ? item.valueMask : item.mask);
    powerLimits_ = member_.recalc == Recalc::TxPower && Model::IsSpecialVariant(image_);
    for (int r = 0; r < Rows; ++r)
        values_[static_cast<std::size_t>(r)] = std::clamp(StoredValue(r), 0, maximum_);
}

int AlignmentFrame::DialogNumber() const {
    return ChannelAdjust::ClassifyDialog(member_.dialogClass, member_.kind, member_.templateId);
}

std::array<int, 5> AlignmentFrame::Scale() const {
    const int s = (maximum_ + 1) / 4;
    return {0, s, 2 * s, 3 * s, maximum_};
}

double AlignmentFrame::Frequency(int row) const {
    return member_.receiveFrequency ? CalcPLLFrequency::RxFrequency(image_, Point(row))
                                    : CalcPLLFrequency::TxFrequency(image_, Point(row));
}

int AlignmentFrame::DefaultValue(int row) const {
    if (member_.defaults == Defaults::None || row < 0 || row >= Rows) return -1;
    const int value = image_[member_.defaultOffset + 16 * static_cast<std::size_t>(row)];
    // An unset factory byte shows as the layout-A maximum on every layout.
    return member_.defaults == Defaults::UnsetShows31 && value == 255 ? 31 : value;
}

int AlignmentFrame::RowLimit(int row) const {
    if (!powerLimits_ || row < 0 || row >= Rows) return maximum_;
    // The special variant's power may rise at most 10 above its factory value,
    // or above the stored value where the factory byte is unset.
    int base = image_[CloneImage::BlockOffset(15, 0x303) + 16 * static_cast<std::size_t>(row)];
    if (base == 255)
        base = static_cast<int>(ItemMap::GetChannelFieldByKind(member_.kind, image_, Point(row)));
    return std::min({base + 10, 255, maximum_});
}

int AlignmentFrame::StoredValue(int row) const {
    if (member_.recordByte < 0) return 0;
    const ImageItemDescriptor field{0, static_cast<std::uint32_t>(member_.recordByte), 1, 0xFF, 0, 0};
    return static_cast<int>(ItemMap::ReadChannelField(field, image_, Point(row)));
}

bool AlignmentFrame::IsBasicRow(int row) const {
    const auto band = ItemMap::GetBandType(image_);
    const int b = band >= 1 && band <= 3 ? 1 : 0;
    return row == b || row == 7 || row == 14;
}

bool AlignmentFrame::RowEnabled(int row) const {
    if (type_ == AdjType::Basic && !IsBasicRow(row)) return false;
    return !transmitting_ || row == currentRow_;
}

bool AlignmentFrame::ScrollEnabled(int row) const {
    return !(type_ == AdjType::Basic && !IsBasicRow(row));
}

int AlignmentFrame::SelectFlags() const {
    return member_.sequence == Sequence::Receiver ? Select | Receive | LiveValue | Status : Select | Receive;
}

bool AlignmentFrame::Open() {
    type_ = AdjType::Single;
    OnAdjType(AdjType::Basic);
    visible_ = true;
    currentRow_ = 0;
    return SendPointCommands(SelectFlags(), 0);
}

bool AlignmentFrame::SendPointCommands(int flags, int row) {
    if (!radio_ || row < 0 || row >= Rows) return false;
    PXComCommandRetry& cmd = *radio_;
    const Sequence seq = member_.sequence;
    bool ok = true;
    if (flags & Stop) {
        if (seq == Sequence::Stop36) ok = cmd.Command36Retry(0, 0);
        if (seq == Sequence::Dcs37) ok = cmd.Command37Retry(0);
        flags |= Receive;
    }
    if (ok && (flags & Select)) ok = cmd.SelectAlignChannelRetry(Point(row));
    if (ok && (flags & Receive)) ok = cmd.ReceiveRetry();
    if (ok && (flags & Transmit) && seq != Sequence::Receiver) {
        ok = cmd.TransmitRetry();
        if (ok && seq != Sequence::Power)
            ok = cmd.SetAdjustValueRetry(static_cast<int>(ItemMap::GetChannelItem(image_, Point(row))));
        if (ok && seq == Sequence::Stop36 && member_.transmitMode == 0) ok = cmd.Command36Retry(1000, 2);
        if (ok && seq == Sequence::Stop36 && member_.transmitMode == 1) ok = cmd.Command36Retry(0, 0);
        if (ok && seq == Sequence::Dcs37) ok = cmd.Command37Retry(1);
    }
    if (ok && (flags & LiveValue)) {
        if (seq == Sequence::Power || seq == Sequence::Receiver) {
            ok = cmd.SetAdjustValueRetry(Value(row));
        } else {
            const int code = ChannelAdjust::ItemCodeForImage(member_.itemNumber, image_);
            // An item this model has no code for is never sent.
            ok = code >= 0 &&
                 cmd.Command33Retry(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(Value(row)));
        }
    }
    if (ok && (flags & Status)) {
        // The receiver needs a moment to settle on the new value.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::uint8_t status[6] = {};
        ok = cmd.ReadValueRetry(status);
        if (ok) {
            vcv_ = status[1];
            rssi_ = status[2];
        }
    }
    return ok;
}

bool AlignmentFrame::SetRowValue(int row, int value) {
    if (row < 0 || row >= Rows) return true;
    value = std::clamp(value, 0, RowLimit(row));
    const int delta = value - Value(row);
    values_[static_cast<std::size_t>(row)] = value;
    if (!visible_) return true;
    if (type_ == AdjType::AllFreq)
        for (int j = 0; j < Rows; ++j)
            if (j != row) values_[static_cast<std::size_t>(j)] = std::clamp(Value(j) + delta, 0, RowLimit(j));
    return transmitting_ ? SendPointCommands(LiveValue, currentRow_) : true;
}

bool AlignmentFrame::ApplyRowValue(int row, int value) {
    if (row < 0 || row >= Rows) return true;
    bool ok = true;
    if (type_ != AdjType::AllFreq) {
        ok = SetRowValue(row, value);
    } else {
        const int delta = value - Value(row);
        const int reference = delta > 0 ? HighestRow() : LowestRow();
        ok = SetRowValue(reference, std::clamp(Value(reference) + delta, 0, RowLimit(reference)));
    }
    // The receiver shows at once what the new value brings in.
    if (ok && visible_ && member_.sequence == Sequence::Receiver)
        ok = SendPointCommands(LiveValue | Status, row);
    return ok;
}

bool AlignmentFrame::ScrollRow(int row, Scroll code, int position) {
    if (row < 0 || row >= Rows) return true;
    if (type_ != AdjType::AllFreq && row != currentRow_) return true;
    int target = Value(row);
    switch (code) {
        case Scroll::LineLeft:
            target -= 1;
            break;
        case Scroll::LineRight:
            target += 1;
            break;
        case Scroll::PageLeft:
            target -= 10;
            break;
        case Scroll::PageRight:
            target += 10;
            break;
        case Scroll::Thumb:
            target = position;
            break;
        default:
            return true;
    }
    target = std::clamp(target, 0, RowLimit(row));
    if (row == currentRow_ && target == Value(row)) return true;
    return ApplyRowValue(row, target);
}

bool AlignmentFrame::SelectRow(int row) {
    if (transmitting_ || row == currentRow_ || row < 0 || row >= Rows) return true;
    if (!SendPointCommands(SelectFlags(), row)) return false;
    currentRow_ = row;
    return true;
}

AlignmentFrame::Ptt AlignmentFrame::OnPtt(int row) {
    if (member_.sequence == Sequence::Receiver) return Ptt::Failed;  // the receiver never keys up
    if (!transmitting_) {
        if (!SendPointCommands(Select | Transmit | LiveValue, row)) {
            // The radio may have keyed up before the failure: make sure it did not stay so.
            SendPointCommands(Stop, row);
            return Ptt::Failed;
        }
        transmitting_ = true;
        currentRow_ = row;
        return Ptt::Keyed;
    }
    if (!SendPointCommands(Stop, row)) return Ptt::Failed;
    transmitting_ = false;
    if (row != currentRow_) {
        if (!SendPointCommands(Select | Receive, row)) return Ptt::Failed;
        currentRow_ = row;
    }
    return Ptt::Stopped;
}

int AlignmentFrame::LowestRow() const {
    return static_cast<int>(std::min_element(values_.begin(), values_.end()) - values_.begin());
}

int AlignmentFrame::HighestRow() const {
    return static_cast<int>(std::max_element(values_.begin(), values_.end()) - values_.begin());
}

void AlignmentFrame::OnAdjType(AdjType type) {
    if (type == type_ || (type != AdjType::Basic && type_ != AdjType::Basic)) {
        type_ = type;
        return;
    }
    if (type == AdjType::Basic) {
        SnapshotPoints();
        type_ = type;
        return;
    }
    // Leaving Basic: the other rows follow the Basic points, without the All Freq shift.
    type_ = AdjType::Single;
    InterpolateFromBasic();
    type_ = type;
}

void AlignmentFrame::SnapshotPoints() {
    for (int r = 0; r < Rows; ++r) {
        snapshotFrequency_[static_cast<std::size_t>(r)] = Frequency(r);
        snapshotValue_[static_cast<std::size_t>(r)] = Value(r);
    }
}

void AlignmentFrame::InterpolateFromBasic() {
    std::array<InterpPoint, 16> points{};
    for (int r = 0; r < Rows; ++r) {
        auto& p = points[static_cast<std::size_t>(r)];
        p.frequency = snapshotFrequency_[static_cast<std::size_t>(r)];
        p.oldValue = snapshotValue_[static_cast<std::size_t>(r)];
        if (IsBasicRow(r)) {
            p.newValue = Value(r);
            p.known = true;
        }
    }
    Util::InterpolateKnownPoints(points);
    for (int r = 0; r < Rows; ++r)
        if (!IsBasicRow(r)) {
            const double v = std::floor(points[static_cast<std::size_t>(r)].newValue + 0.5);
            SetRowValue(r, static_cast<int>(std::clamp(v, 0.0, static_cast<double>(maximum_))));
        }
}

bool AlignmentFrame::StopForCancel() {
    if (!transmitting_) return SendPointCommands(Stop, std::max(currentRow_, 0));
    if (!SendPointCommands(Stop, currentRow_)) return false;
    transmitting_ = false;
    return true;
}

bool AlignmentFrame::Finish() {
    OnAdjType(AdjType::AllFreq);
    if (!StopForCancel()) return false;
    Store();
    return true;
}

void AlignmentFrame::Store() {
    if (member_.headerByte >= 0) {
        AlignmentData::WriteHeaderByte(image_, member_.headerByte, static_cast<std::uint32_t>(Value(7)));
    }
    if (member_.calculatorKind >= 0) {
        std::array<AdjustmentInput, 16> rows{};
        for (int r = 0; r < Rows; ++r) rows[static_cast<std::size_t>(r)] = {Frequency(r), Value(r)};
        CalcPLLFrequency::StoreAdjustmentTable(rows, member_.calculatorKind, image_);
    }
    AlignmentData::CopyBlockAndTable(image_, Copy::Page14, image_, Copy::Eeprom);
    switch (member_.recalc) {
        case Recalc::MaxDev:
            CalcPLLFrequency::RecalcMaxDevAll(image_);
            break;
        case Recalc::Kind:
            CalcPLLFrequency::RecalcKindAll(image_, member_.calculatorKind);
            break;
        case Recalc::SubAudio:
            CalcPLLFrequency::ApplyChannelAdjustment(image_);
            break;
        case Recalc::DcsSubAudio: {
            // The points' channels are computed as DCS channels, then keep the
            // transmit sub-audio type they had.
            std::array<std::uint32_t, Rows> types{};
            for (int r = 0; r < Rows; ++r) {
                types[static_cast<std::size_t>(r)] = ItemMap::ReadChannelField(kTxSubAudioType, image_, Point(r));
                ItemMap::WriteChannelField(kTxSubAudioType, image_, Point(r), 2);
            }
            CalcPLLFrequency::ApplyChannelAdjustment(image_);
            for (int r = 0; r < Rows; ++r)
                ItemMap::WriteChannelField(kTxSubAudioType, image_, Point(r), types[static_cast<std::size_t>(r)]);
            break;
        }
        case Recalc::TxPower:
            CalcPLLFrequency::RecalcTxPowerAll(image_);
            break;
    }
    AlignmentData::UpdateAlignChecksum(image_, Copy::Eeprom);
    AlignmentData::UpdateAlignChecksum(image_, Copy::Page14);
}

std::string AlignmentFrame::TargetTone(int row) const {
    if (row < 0 || row >= Rows || ItemMap::ReadChannelField(kTxSubAudioType, image_, Point(row)) != 1)
        return "-----";
    const ImageItemDescriptor tone{0, 0x10, 1, 0xFF, 0, 0}, toneHigh{0, 0x11, 1, 0xFF, 0, 0};
    const double hz = (ItemMap::ReadChannelField(toneHigh, image_, Point(row)) * 256.0 +
                       ItemMap::ReadChannelField(tone, image_, Point(row))) /
                      10.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", hz);
    return text;
}

std::string AlignmentFrame::TargetPower() const {
    // Radios of the higher power class aim at 25 W on every level.
    const std::uint8_t hw0 = image_[CloneImage::BlockOffset(8, 0)], hw6 = image_[CloneImage::BlockOffset(8, 6)];
    const bool high = (hw0 & 0x30) == 0 && (hw6 >> 4) < 4;
    const int value = high ? 250 : member_.kind == 0 ? 50 : 10;
    char text[32];
    std::snprintf(text, sizeof text, "%0.1f", value * 0.1);
    return text;
}
