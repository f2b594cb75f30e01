#include "alignment/SinglePoint.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "alignment/AlignmentData.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "serial/PXComCommandRetry.h"

namespace {

using AlignmentData::Copy;

constexpr int kToneItem = 5;  // live item of DTMF and sequential-tone deviation

}  // namespace

SinglePoint::Spec SinglePoint::For(Kind kind) {
    switch (kind) {
        case Kind::Frequency:
            return {kind, ChannelAdjust::DialogClass::Frequency, 235, "Frequency Alignment", 10, 0x39, 0x289, 20};
        case Kind::SeqTone:
            return {kind, ChannelAdjust::DialogClass::SeqTone, 235, "Sequential Tone Deviation Alignment", 8,
                    0x37, 0x287, 21};
        case Kind::Dtmf:
        default:
            return {Kind::Dtmf, ChannelAdjust::DialogClass::DTMF, 235, "DTMF Alignment", 7, 0x36, 0x286, 21};
    }
}

SinglePoint::SinglePoint(CloneImage& image, Kind kind, PXComCommandRetry* radio, int point)
    : image_(image), spec_(For(kind)), radio_(radio), point_(point) {
    const auto& item =
        ItemMap::ChooseLayout(image_, ItemMap::AlignItemsA[spec_.maxItem], ItemMap::AlignItemsB[spec_.maxItem]);
    maximum_ = static_cast<int>(item.valueMask ? item.valueMask : item.mask);
    value_ = std::clamp(HeaderValue(), 0, maximum_);
}

int SinglePoint::DialogNumber() const {
    return ChannelAdjust::ClassifyDialog(spec_.dialogClass, 0, spec_.templateId);
}

std::array<int, 5> SinglePoint::Scale() const {
    const int s = (maximum_ + 1) / 4;
    return {0, s, 2 * s, 3 * s, maximum_};
}

double SinglePoint::Frequency() const {
    return CalcPLLFrequency::TxFrequency(image_, point_);
}

int SinglePoint::HeaderValue() const {
    return static_cast<int>(AlignmentData::ReadHeaderByte(image_, spec_.headerByte));
}

int SinglePoint::DefaultValue() const {
    const int value = image_[CloneImage::BlockOffset(15, static_cast<std::size_t>(spec_.defaultByte))];
    // Layout A keeps the deviations in the low four bits.
    return maximum_ == 15 ? (value & 0x0F) : value;
}

bool SinglePoint::SendCommands(int flags) {
    if (!radio_) return false;
    PXComCommandRetry& cmd = *radio_;
    const bool frequency = spec_.kind == Kind::Frequency;
    bool ok = true;
    if ((flags & Stop) && !frequency) ok = cmd.Command36Retry(0, 0);
    if (ok && (flags & Receive)) ok = cmd.ReceiveRetry();
    if (ok && (flags & Transmit)) {
        ok = cmd.TransmitRetry();
        const int setting = spec_.kind == Kind::SeqTone ? image_[0x47]
                                                        : static_cast<int>(ItemMap::GetChannelItem(image_, point_));
        if (ok) ok = cmd.SetAdjustValueRetry(setting);
        if (ok && spec_.kind == Kind::Dtmf) ok = cmd.Command36Retry(0xFF0A, 8);
        if (ok && spec_.kind == Kind::SeqTone) ok = cmd.Command36Retry(1000, 0);
    }
    if (ok && (flags & LiveValue)) {
        // The radio needs a moment after key-up or the last value.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (frequency) {
            ok = cmd.Command3CRetry(static_cast<std::uint8_t>(value_));
        } else {
            const int code = ChannelAdjust::ItemCodeForImage(kToneItem, image_);
            ok = code >= 0 && cmd.Command33Retry(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value_));
        }
    }
    return ok;
}

bool SinglePoint::SetValue(int value) {
    value_ = std::clamp(value, 0, maximum_);
    return open_ && transmitting_ ? SendCommands(LiveValue) : true;
}

SinglePoint::Ptt SinglePoint::OnPtt() {
    if (!transmitting_) {
        if (!SendCommands(Transmit | LiveValue)) {
            // The radio may have keyed up before the failure: make sure it did not stay so.
            SendCommands(Stop | Receive);
            return Ptt::Failed;
        }
        transmitting_ = true;
        return Ptt::Keyed;
    }
    if (!SendCommands(Stop | Receive)) return Ptt::Failed;
    transmitting_ = false;
    return Ptt::Stopped;
}

bool SinglePoint::StopForCancel() {
    if (!SendCommands(Stop | Receive)) return false;
    transmitting_ = false;
    return true;
}

bool SinglePoint::Finish() {
    if (!StopForCancel()) return false;
    AlignmentData::WriteHeaderByte(image_, spec_.headerByte, static_cast<std::uint32_t>(value_));
    if (spec_.kind == Kind::Frequency) {
        AlignmentData::CopyBlockAndTable(image_, Copy::Page14, image_, Copy::Eeprom);
        AlignmentData::UpdateAlignChecksum(image_, Copy::Page14);
    }
    AlignmentData::UpdateAlignChecksum(image_, Copy::Eeprom);
    return true;
}
