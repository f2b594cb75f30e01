#include "alignment/AlignmentFrame.h"

#include <algorithm>
#include <cmath>

#include "alignment/AlignmentData.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "serial/PXComCommandRetry.h"

namespace {

using AlignmentData::Copy;

constexpr int kMaxDevItem = 2;

// The one-byte EEPROM alignment item at `offset` in `layout`.
template <std::size_t N>
const HeaderItemDescriptor& HeaderItemAt(const HeaderItemDescriptor (&layout)[N], int offset) {
    for (const auto& item : layout)
        if (item.width == 1 && static_cast<int>(item.offset) == offset) return item;
    return layout[0];
}

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

AlignmentFrame::AlignmentFrame(CloneImage& image, const Member& member, PXComCommandRetry* radio)
    : image_(image), member_(member), radio_(radio) {
    const auto& item = ItemMap::ChooseLayout(image_, ItemMap::AlignItemsA[member_.maxItem],
                                             ItemMap::AlignItemsB[member_.maxItem]);
    maximum_ = static_cast<int>(item.valueMask ? item.valueMask : item.mask);
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
    return CalcPLLFrequency::TxFrequency(image_, Point(row));
}

int AlignmentFrame::DefaultValue(int row) const {
    return image_[member_.defaultOffset + 16 * static_cast<std::size_t>(row)];
}

int AlignmentFrame::StoredValue(int row) const {
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

bool AlignmentFrame::Open() {
    type_ = AdjType::Single;
    OnAdjType(AdjType::Basic);
    visible_ = true;
    currentRow_ = 0;
    return SendPointCommands(Select | Receive, 0);
}

bool AlignmentFrame::SendPointCommands(int flags, int row) {
    if (!radio_ || row < 0 || row >= Rows) return false;
    PXComCommandRetry& cmd = *radio_;
    bool ok = true;
    if (flags & Stop) {
        ok = cmd.Command36Retry(0, 0);
        flags |= Receive;
    }
    if (ok && (flags & Select)) ok = cmd.SelectAlignChannelRetry(Point(row));
    if (ok && (flags & Receive)) ok = cmd.ReceiveRetry();
    if (ok && (flags & Transmit)) {
        ok = cmd.TransmitRetry() &&
             cmd.SetAdjustValueRetry(static_cast<int>(ItemMap::GetChannelItem(image_, Point(row))));
        if (ok && member_.transmitMode == 0) ok = cmd.Command36Retry(1000, 2);
        if (ok && member_.transmitMode == 1) ok = cmd.Command36Retry(0, 0);
    }
    if (ok && (flags & LiveValue)) {
        const int code = ChannelAdjust::ItemCodeForImage(member_.itemNumber, image_);
        // An item this model has no code for is never sent.
        ok = code >= 0 &&
             cmd.Command33Retry(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(Value(row)));
    }
    return ok;
}

bool AlignmentFrame::SetRowValue(int row, int value) {
    if (row < 0 || row >= Rows) return true;
    value = std::clamp(value, 0, maximum_);
    const int delta = value - Value(row);
    values_[static_cast<std::size_t>(row)] = value;
    if (!visible_) return true;
    if (type_ == AdjType::AllFreq)
        for (int j = 0; j < Rows; ++j)
            if (j != row) values_[static_cast<std::size_t>(j)] = std::clamp(Value(j) + delta, 0, maximum_);
    return transmitting_ ? SendPointCommands(LiveValue, currentRow_) : true;
}

bool AlignmentFrame::ApplyRowValue(int row, int value) {
    if (row < 0 || row >= Rows) return true;
    if (type_ != AdjType::AllFreq) return SetRowValue(row, value);
    const int delta = value - Value(row);
    const int reference = delta > 0 ? HighestRow() : LowestRow();
    return SetRowValue(reference, std::clamp(Value(reference) + delta, 0, maximum_));
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
    target = std::clamp(target, 0, maximum_);
    if (row == currentRow_ && target == Value(row)) return true;
    return ApplyRowValue(row, target);
}

bool AlignmentFrame::SelectRow(int row) {
    if (transmitting_ || row == currentRow_ || row < 0 || row >= Rows) return true;
    if (!SendPointCommands(Select | Receive, row)) return false;
    currentRow_ = row;
    return true;
}

AlignmentFrame::Ptt AlignmentFrame::OnPtt(int row) {
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
    const auto& header =
        ItemMap::ChooseLayout(image_, HeaderItemAt(ItemMap::AlignHeaderItemsA, member_.headerByte),
                              HeaderItemAt(ItemMap::AlignHeaderItemsB, member_.headerByte));
    ItemMap::WriteHeaderField(header, image_, 0, 0, static_cast<std::uint32_t>(Value(7)));
    std::array<AdjustmentInput, 16> rows{};
    for (int r = 0; r < Rows; ++r) rows[static_cast<std::size_t>(r)] = {Frequency(r), Value(r)};
    CalcPLLFrequency::StoreAdjustmentTable(rows, member_.calculatorKind, image_);
    AlignmentData::CopyBlockAndTable(image_, Copy::Page14, image_, Copy::Eeprom);
    CalcPLLFrequency::RecalcMaxDevAll(image_);
    AlignmentData::UpdateAlignChecksum(image_, Copy::Eeprom);
    AlignmentData::UpdateAlignChecksum(image_, Copy::Page14);
}
