#include "image/Frequency.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

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

namespace {

using ItemMap::ChannelItems;

// The channel setter each adjustment kind (1-13) fills.
constexpr ItemMap::RecordSetter kKindSetter[CalcPLLFrequency::KindCount + 1] = {
    nullptr,
    ItemMap::SetChannelAdjustKind1,
    ItemMap::SetChannelAdjustKind2,
    ItemMap::SetChannelAdjustKind3And4,
    ItemMap::SetChannelAdjustKind3And4,
    ItemMap::SetChannelAdjustKind5And6,
    ItemMap::SetChannelAdjustKind5And6,
    ItemMap::SetChannelAdjustKind7To10,
    ItemMap::SetChannelAdjustKind7To10,
    ItemMap::SetChannelAdjustKind7To10,
    ItemMap::SetChannelAdjustKind7To10,
    ItemMap::SetChannelAdjustKind11,
    ItemMap::SetChannelAdjustKind12,
    ItemMap::SetChannelAdjustKind13,
};

constexpr int kAlignmentRows = 16;

// Column k of the block-14 alignment table, and of its header-area copy.
constexpr ItemMap::RecordGetter kFlashKind[CalcPLLFrequency::KindCount + 1] = {nullptr,
                                                                               ItemMap::GetAlignTableKind1,
                                                                               ItemMap::GetAlignTableKind2,
                                                                               ItemMap::GetAlignTableKind3,
                                                                               ItemMap::GetAlignTableKind4,
                                                                               ItemMap::GetAlignTableKind5,
                                                                               ItemMap::GetAlignTableKind6,
                                                                               ItemMap::GetAlignTableKind7,
                                                                               ItemMap::GetAlignTableKind8,
                                                                               ItemMap::GetAlignTableKind9,
                                                                               ItemMap::GetAlignTableKind10,
                                                                               ItemMap::GetAlignTableKind11,
                                                                               ItemMap::GetAlignTableKind12,
                                                                               ItemMap::GetAlignTableKind13};
constexpr ItemMap::RecordSetter kHeaderKindSetter[CalcPLLFrequency::KindCount + 1] = {
    nullptr,
    ItemMap::SetHeaderAlignKind1,
    ItemMap::SetHeaderAlignKind2,
    ItemMap::SetHeaderAlignKind3,
    ItemMap::SetHeaderAlignKind4,
    ItemMap::SetHeaderAlignKind5,
    ItemMap::SetHeaderAlignKind6,
    ItemMap::SetHeaderAlignKind7,
    ItemMap::SetHeaderAlignKind8,
    ItemMap::SetHeaderAlignKind9,
    ItemMap::SetHeaderAlignKind10,
    ItemMap::SetHeaderAlignKind11,
    ItemMap::SetHeaderAlignKind12,
    ItemMap::SetHeaderAlignKind13};

std::uint32_t ReadChannel(const CloneImage& image, int channel, int item) {
    return ItemMap::ReadChannelField(ChannelItems[item], image, channel);
}
void WriteChannel(CloneImage& image, int channel, int item, std::uint32_t value) {
    ItemMap::WriteChannelField(ChannelItems[item], image, channel, value);
}

bool ValidChannel(int channel) {
    return channel >= 0 && channel < ItemMap::ChannelCount;
}

// Kinds 11 and 12 follow the receive frequency, the others the transmit one.
int KindDirection(int kind) {
    return (kind == 11 || kind == 12) ? DirectionRx : DirectionTx;
}
bool IsStepwiseKind(int kind) {
    return kind == 12 || kind == 13;
}

int Clamp255(double v) {
    return static_cast<int>(std::clamp<double>(v, 0.0, 255.0));
}

// The frequency points of the block-14 alignment table, in units of 100 Hz.
std::array<double, kAlignmentRows> FlashPoints(const CloneImage& image) {
    std::array<double, kAlignmentRows> points{};
    for (int k = 0; k < kAlignmentRows; ++k) points[k] = 1000.0 * ItemMap::GetAlignTablePoint(image, k);
    return points;
}

std::array<int, kAlignmentRows> FlashValues(const CloneImage& image, int kind) {
    std::array<int, kAlignmentRows> values{};
    for (int k = 0; k < kAlignmentRows; ++k) values[k] = static_cast<int>(kFlashKind[kind](image, k));
    return values;
}

// Value at `f` on a 16-point curve: the end values outside it, the lower
// point's value (stepwise) or the rounded straight line inside a segment.
// `found` is false when no segment brackets f (points not ascending).
double CurveValue(const std::array<double, kAlignmentRows>& points,
                  const std::array<int, kAlignmentRows>& values, double f, bool stepwise, bool& found) {
    found = true;
    if (f < points[0]) return values[0];
    if (f >= points[kAlignmentRows - 1]) return values[kAlignmentRows - 1];
    for (int k = 0; k + 1 < kAlignmentRows; ++k) {
        if (points[k] <= f && f < points[k + 1]) {
            if (stepwise) return values[k];
            return std::floor(values[k] +
                              (values[k + 1] - values[k]) * (f - points[k]) / (points[k + 1] - points[k]) +
                              0.5);
        }
    }
    found = false;
    return 0.0;
}

void WriteKind(CloneImage& image, int channel, int kind, int value) {
    if (kind < 1 || kind > CalcPLLFrequency::KindCount || value < 0) return;
    kKindSetter[kind](image, channel, static_cast<std::uint32_t>(value));
}

std::uint32_t PllRef(const CloneImage& image, int channel, int direction) {
    return direction == DirectionRx ? ItemMap::GetChannelRxPllRefType(image, channel)
                                    : ItemMap::GetChannelTxPllRefType(image, channel);
}

double FrequencyMHz(const CloneImage& image, int channel, int direction, const PllReference& reference) {
    const double step = reference.StepHz(static_cast<int>(PllRef(image, channel, direction)));
    if (step == 0.0) return 0.0;
    return CalcPLLFrequency::WordsToFrequency(CalcPLLFrequency::ReadWords(image, channel, direction),
                                              reference, direction, step);
}

void RefreshSameFrequencyFlag(CloneImage& image, int channel, const PllReference& reference) {
    char tx[64], rx[64];
    std::snprintf(tx, sizeof tx, "%.5f", FrequencyMHz(image, channel, DirectionTx, reference));
    std::snprintf(rx, sizeof rx, "%.5f", FrequencyMHz(image, channel, DirectionRx, reference));
    WriteChannel(image, channel, ItemMap::ChannelSameFrequencyItem, std::strcmp(tx, rx) == 0 ? 1 : 0);
}

bool SameReference(const PllReference& a, const PllReference& b) {
    return a.referenceHz == b.referenceHz && a.firstIfHz == b.firstIfHz && a.localOffset == b.localOffset &&
           a.dividers == b.dividers;
}

}  // namespace

std::int64_t RoundHalfUp(double x) {
    return static_cast<std::int64_t>(std::floor(x + 0.5));
}

double PllReference::StepHz(int pllRef) const {
    if (pllRef < 0 || pllRef >= static_cast<int>(dividers.size()) || dividers[pllRef] == 0) return 0.0;
    return referenceHz / static_cast<double>(dividers[pllRef]);
}

// ---- CalcPLLFrequency ------------------------------------------------------

PllReference CalcPLLFrequency::ReadReference(const CloneImage& image) {
    PllReference r;
    r.referenceHz = 1000.0 * ItemMap::GetReferenceXtalFrequency(image);
    r.firstIfHz = 1000.0 * ItemMap::GetFirstIfFrequency(image);
    r.localOffset = static_cast<int>(ItemMap::GetLocalOffset(image));
    for (int k = 0; k < 8; ++k) r.dividers[k] = ItemMap::GetSingle(ItemMap::HardwareItems[86 + k], image);
    for (int k = 8; k < 16; ++k) r.dividers[k] = 1;
    return r;
}

PllWords CalcPLLFrequency::ReadWords(const CloneImage& image, int channel, int direction) {
    const bool rx = direction == DirectionRx;
    return {
        ReadChannel(image, channel, rx ? ItemMap::ChannelRxIntegerItem : ItemMap::ChannelTxIntegerItem),
        ReadChannel(image, channel, rx ? ItemMap::ChannelRxFractionItem : ItemMap::ChannelTxFractionItem)};
}

bool CalcPLLFrequency::WriteWords(CloneImage& image, int channel, int direction, PllWords words) {
    if (words.n > MaxN || !ValidChannel(channel)) return false;
    const bool rx = direction == DirectionRx;
    WriteChannel(image, channel, rx ? ItemMap::ChannelRxIntegerItem : ItemMap::ChannelTxIntegerItem, words.n);
    WriteChannel(image, channel, rx ? ItemMap::ChannelRxFractionItem : ItemMap::ChannelTxFractionItem,
                 words.f & FractionMask);
    return true;
}

double CalcPLLFrequency::WordsToFrequency(PllWords words, const PllReference& reference, int direction,
                                          double stepHz) {
    const std::uint32_t f = words.f & FractionMask;
    const double fraction = (f & 0x20000u) ? static_cast<double>(f) - FractionOne : static_cast<double>(f);
    const double value = stepHz * words.n + stepHz * fraction / FractionOne;
    return (direction == DirectionRx ? value - reference.SignedIfHz() : value) / 1000000.0;
}

double CalcPLLFrequency::ChannelFrequency(const CloneImage* image, int channel, int direction) {
    if (!image || (direction != DirectionRx && direction != DirectionTx) || !ValidChannel(channel))
        return 0.0;
    return FrequencyMHz(*image, channel, direction, ReadReference(*image));
}

bool CalcPLLFrequency::UpdateChannelFrequency(CloneImage& image, int direction, int channel,
                                              const PllReference& reference, double mhz) {
    if ((direction != DirectionRx && direction != DirectionTx) || !ValidChannel(channel)) return false;
    const auto target = static_cast<double>(RoundHalfUp(mhz * 1000000.0));
    const double synthesiser = direction == DirectionRx ? target + reference.SignedIfHz() : target;
    const double step = reference.StepHz(static_cast<int>(PllRef(image, channel, direction)));
    if (step == 0.0) return false;

    const double x = synthesiser / step;
    const std::int64_t n = RoundHalfUp(x);
    bool stored = false;
    // A word that does not fit its field would stand for another frequency.
    if (n >= 0 && n <= static_cast<std::int64_t>(MaxN)) {
        const double d = synthesiser - static_cast<double>(n) * step;
        const std::int64_t f = d >= 0 ? RoundHalfUp(std::fabs(d) / step * FractionOne)
                                      : RoundHalfUp(FractionOne - std::fabs(d) / step * FractionOne);
        const PllWords words{static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(f) & FractionMask};
        const double back = WordsToFrequency(words, reference, direction, step) * 1000000.0;
        if (std::fabs(back - target) <= Tolerance) stored = WriteWords(image, channel, direction, words);
    }
    RefreshSameFrequencyFlag(image, channel, reference);
    return stored;
}

int CalcPLLFrequency::InterpolateAdjustment(const CloneImage& image, int kind, int channel) {
    if (kind < 1 || kind > KindCount) return -1;
    const double mhz = ChannelFrequency(&image, channel, KindDirection(kind));
    const auto f = static_cast<double>(RoundHalfUp(mhz * 10000.0));
    bool found = false;
    const double v = CurveValue(FlashPoints(image), FlashValues(image, kind), f, IsStepwiseKind(kind), found);
    return Clamp255(found ? v : FlashValues(image, kind)[kAlignmentRows - 1]);
}

bool CalcPLLFrequency::RecalcTxPowerAll(CloneImage& image) {
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        WriteKind(image, c, 1, InterpolateAdjustment(image, 1, c));
        WriteKind(image, c, 2, InterpolateAdjustment(image, 2, c));
    }
    return true;
}

bool CalcPLLFrequency::RecalcMaxDevAll(CloneImage& image) {
    // By W/N code: the kind and the share of its value.
    constexpr struct {
        int kind;
        double factor;
    } kByCode[4] = {{3, 1.0}, {3, 0.8}, {4, 1.0}, {4, 0.5}};
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        const auto& row = kByCode[ItemMap::GetChannelWideNarrow(image, c) & 3];
        const int v = InterpolateAdjustment(image, row.kind, c);
        if (v >= 0) WriteKind(image, c, row.kind, static_cast<int>(v * row.factor));
    }
    return true;
}

bool CalcPLLFrequency::RecalcKind5And6All(CloneImage& image) {
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        const int kind = ItemMap::GetChannelWideNarrow(image, c) >= 2 ? 6 : 5;
        WriteKind(image, c, kind, InterpolateAdjustment(image, kind, c));
    }
    return true;
}

bool CalcPLLFrequency::ApplyChannelAdjustment(CloneImage& image) {
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        const std::uint32_t type = ItemMap::GetChannelSubAudioEncType(image, c);
        if (type == 0) continue;  // no sub-audio: the deviation byte stays
        const bool narrow = ItemMap::GetChannelWideNarrow(image, c) >= 2;
        const int kind = (type == 1 ? 7 : 9) + (narrow ? 1 : 0);
        WriteKind(image, c, kind, InterpolateAdjustment(image, kind, c));
    }
    return true;
}

bool CalcPLLFrequency::RecalcKindAll(CloneImage& image, int kind) {
    if (kind < 1 || kind > KindCount) return true;
    for (int c = 0; c < ItemMap::ChannelCount; ++c)
        WriteKind(image, c, kind, InterpolateAdjustment(image, kind, c));
    return true;
}

bool CalcPLLFrequency::RecalcAllAdjustments(CloneImage& image) {
    bool ok = RecalcTxPowerAll(image);
    ok = RecalcMaxDevAll(image) && ok;
    ok = RecalcKind5And6All(image) && ok;
    ok = ApplyChannelAdjustment(image) && ok;
    for (int kind : {11, 12, 13}) ok = RecalcKindAll(image, kind) && ok;
    return ok;
}

bool CalcPLLFrequency::StoreAdjustmentTable(const std::array<AdjustmentInput, 16>& rows, int kind,
                                            CloneImage& image) {
    if (kind < 1 || kind > KindCount) return true;
    std::array<double, kAlignmentRows> inputPoints{};
    std::array<int, kAlignmentRows> inputValues{};
    for (int k = 0; k < kAlignmentRows; ++k) {
        inputPoints[k] = std::trunc(rows[k].mhz * 1000.0 * 10.0);
        inputValues[k] = rows[k].value;
    }
    double previous = inputValues[0];
    for (int j = 0; j < kAlignmentRows; ++j) {
        const double point = 1000.0 * ItemMap::GetHeaderAlignPoint(image, j);
        bool found = false;
        double v = CurveValue(inputPoints, inputValues, point, IsStepwiseKind(kind), found);
        if (!found) v = previous;
        previous = v;
        kHeaderKindSetter[kind](image, j, static_cast<std::uint32_t>(Clamp255(v)));
    }
    return true;
}

int CalcPLLFrequency::ReencodeChannels(CloneImage& target, const CloneImage& source, int channelCount) {
    const PllReference from = ReadReference(source);
    const PllReference to = ReadReference(target);
    if (SameReference(from, to)) return 0;
    int failures = 0;
    const int count = std::clamp(channelCount, 0, ItemMap::ChannelCount);
    for (int c = 0; c < count; ++c) {
        for (int direction : {DirectionTx, DirectionRx}) {
            const double mhz = FrequencyMHz(source, c, direction, from);
            // Erased records hold no frequency: only channels in use count.
            if (!UpdateChannelFrequency(target, direction, c, to, mhz) && ItemMap::ReadBit(target, c) == 0)
                ++failures;
        }
    }
    return failures;
}

// ---- Pll, Band, Channel ------------------------------------------------------

namespace Pll {

std::int64_t BestChannelStep(const CloneImage& image, std::int64_t hz) {
    const std::uint32_t mask = ItemMap::GetChannelStep(image);
    std::int64_t bestStep = 0;
    std::int64_t bestRemainder = 0;
    for (const StepRow& row : StepTable) {
        if (mask & static_cast<std::uint32_t>(row.maskBit)) continue;
        const std::int64_t r = row.stepHz - hz % row.stepHz;
        if (r == row.stepHz) return hz;
        if (bestStep == 0 || r <= bestRemainder) {
            bestStep = row.stepHz;
            bestRemainder = r;
        }
    }
    if (bestStep == 0) return hz;
    return (hz / bestStep + 1) * bestStep;
}

bool IsNarrowbandFrequency(double mhz) {
    return (mhz >= 150.0 && mhz <= 174.0) || (mhz >= 421.0 && mhz <= 470.0);
}

bool InNarrowbandRange(const CloneImage& image, int channel) {
    return IsNarrowbandFrequency(CalcPLLFrequency::TxFrequency(image, channel));
}

bool WideBandAllowed(const CloneImage& image, int channel) {
    if (Host().ServiceMode() != ServiceModes::Normal || ItemMap::GetWideBandPermit(image) != 0) return true;
    const std::tm now = Host().Now();
    if (now.tm_year + 1900 < 2013) return true;
    return !InNarrowbandRange(image, channel);
}

}  // namespace Pll

namespace Band {

bool IsFrequencyInRange(const CloneImage& image, double f100kHz) {
    return ItemMap::GetMinFrequency(image) <= f100kHz && f100kHz <= ItemMap::GetMaxFrequency(image);
}

}  // namespace Band

namespace Channel {

bool IsFrequencyInBand(const CloneImage& image, double mhz) {
    return Band::IsFrequencyInRange(image, mhz * 10.0);
}

double SnapFrequency(const CloneImage& image, double mhz, bool showMessage) {
    const double clamped = std::clamp(mhz, MinTypedMHz, MaxTypedMHz);
    const auto hz = static_cast<std::int64_t>(clamped * 1000000.0);
    const double snapped = static_cast<double>(Pll::BestChannelStep(image, hz)) / 1000000.0;
    if (!IsFrequencyInBand(image, snapped) && showMessage)
        Host().Message(RidOutOfRange, TextOutOfRange, "", MsgStyle::Ok | MsgStyle::IconWarning);
    return snapped;
}

}  // namespace Channel

// ---- CalcClockShift ----------------------------------------------------------

CalcClockShift::CalcClockShift(CloneImage& image)
    : image_(image),
      pll_(std::make_unique<CalcPLLFrequency>()),
      isZT610_(Model::IndexFromTypeCode(image) == 0) {}

double CalcClockShift::ReferenceClock(const CloneImage& image) {
    const std::uint32_t stored = ItemMap::GetTone2ReferenceClock(image);
    return stored == 0xFFFFFFFFu ? DefaultReferenceClockHz : static_cast<double>(stored);
}

bool CalcClockShift::Hits(double hz, double clockHz, Window window) {
    // A mixing product below zero is as near a harmonic as its mirror; only
    // a zero product (no frequency) or no clock cannot hit.
    if (hz == 0.0 || clockHz <= 0.0) return false;
    const auto n = static_cast<double>(RoundHalfUp(hz / clockHz));
    const std::int64_t ppm = RoundHalfUp((n * clockHz / hz - 1.0) * 1000000.0);
    return window.low < ppm && ppm < window.high;
}

void CalcClockShift::UpdateRxClockShift(int channel) {
    if (!ValidChannel(channel)) return;
    const PllReference reference = CalcPLLFrequency::ReadReference(image_);
    const auto f = static_cast<double>(RoundHalfUp(pll_->RxFrequency(image_, channel) * 1000000.0));
    const double c = ReferenceClock(image_);
    bool hit = false;
    if (f > 0.0 && c > 0.0) {
        const double g =
            reference.localOffset ? f + 2.0 * reference.firstIfHz : f - 2.0 * reference.firstIfHz;
        const bool high = f >= HighBandHz;
        const double offsets[3] = {0.0, high ? offset1_ : -offset1_, high ? -offset2_ : offset2_};
        for (double base : {f, g})
            for (double o : offsets)
                if (!hit && Hits(base + o, c, rx_)) hit = true;
    }
    WriteChannel(image_, channel, ItemMap::ChannelRxClockShiftItem, hit ? 1 : 0);
}

void CalcClockShift::UpdateTxClockShift(int channel) {
    if (!ValidChannel(channel)) return;
    const auto t = static_cast<double>(RoundHalfUp(pll_->TxFrequency(image_, channel) * 1000000.0));
    const double c = ReferenceClock(image_);
    bool hit = Hits(t, c, tx_);
    if (!hit && isZT610_ && t < HighBandHz) hit = Hits(t, SecondClockHz, secondTx_);
    WriteChannel(image_, channel, ItemMap::ChannelTxClockShiftItem, hit ? 1 : 0);
}
