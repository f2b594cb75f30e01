#pragma once
// Channel frequencies and the synthesiser words the radio stores for them,
// the channel-step grid and band limits, the narrowband rule, the clock-shift
// bits, and the per-frequency alignment values interpolated into the channel
// records.
//
// A channel record holds, per direction, a 15-bit integer word N and an
// 18-bit two's-complement fraction F of the synthesiser, and the index of the
// reference divider (PLL REF) it runs on:
//   synthesiser = step x (N + F / 2^18),  step = reference crystal / divider
//   TX frequency = synthesiser,  RX frequency = synthesiser - signed IF
// where the signed IF is +IF with Local Offset 1 (synthesiser above the
// channel) and -IF with Local Offset 0.
#include <array>
#include <cstdint>
#include <memory>

#include "image/CloneImage.h"

// floor(x + 0.5).
std::int64_t RoundHalfUp(double x);

inline constexpr int DirectionRx = 0;
inline constexpr int DirectionTx = 1;

// The synthesiser parameters of an image's hardware description.
struct PllReference {
    double referenceHz = 0.0;  // reference crystal
    double firstIfHz = 0.0;    // first IF (unsigned)
    int localOffset = 0;       // 1: receive synthesiser one IF above the channel
    // Dividers by PLL REF 0-15; 8-15 are always 1.
    std::array<std::uint32_t, 16> dividers{};

    double SignedIfHz() const { return localOffset ? firstIfHz : -firstIfHz; }
    // Reference / divider; 0.0 for a divider of 0 or a PLL REF outside 0-15.
    double StepHz(int pllRef) const;
};

struct PllWords {
    std::uint32_t n = 0;  // 0-0x7FFF
    std::uint32_t f = 0;  // 18 bits, bit 17 the sign
    bool operator==(const PllWords&) const = default;
};

// One row of an alignment dialog's table.
struct AdjustmentInput {
    double mhz;
    int value;
};

class CalcPLLFrequency {
  public:
    static constexpr std::uint32_t MaxN = 0x7FFF;
    static constexpr std::uint32_t FractionMask = 0x3FFFF;
    static constexpr double FractionOne = 262144.0;  // 2^18
    // The synthesiser must land within this many Hz of the wanted frequency.
    static constexpr double Tolerance = 100.0;
    static constexpr int KindCount = 13;

    virtual ~CalcPLLFrequency() = default;

    // The reference parameters of `image` (read afresh on every call).
    static PllReference ReadReference(const CloneImage& image);
    static PllWords ReadWords(const CloneImage& image, int channel, int direction);
    // Stores N and F. Refuses (false, nothing written) an N outside 0-0x7FFF.
    static bool WriteWords(CloneImage& image, int channel, int direction, PllWords words);
    // MHz of the words with the given step (signed fraction, IF for RX).
    static double WordsToFrequency(PllWords words, const PllReference& reference, int direction,
                                   double stepHz);

    // The channel's frequency in MHz; 0.0 without an image, for a direction
    // other than 0 or 1, a channel outside 0-127 or a divider of 0.
    static double ChannelFrequency(const CloneImage* image, int channel, int direction);
    static double RxFrequency(const CloneImage& image, int channel) {
        return ChannelFrequency(&image, channel, DirectionRx);
    }
    static double TxFrequency(const CloneImage& image, int channel) {
        return ChannelFrequency(&image, channel, DirectionTx);
    }

    // Encodes `mhz` into the channel's words with `reference` and refreshes the
    // same-frequency flag. False, words unchanged, when the divider is 0, the
    // word N does not fit its field or the words cannot come within 100 Hz.
    static bool UpdateChannelFrequency(CloneImage& image, int direction, int channel,
                                       const PllReference& reference, double mhz);

    // The alignment value of `kind` (1-13) for the channel's frequency,
    // interpolated in the block-14 alignment table; -1 for another kind.
    static int InterpolateAdjustment(const CloneImage& image, int kind, int channel);

    // Fill the channel records' alignment fields from the table; each always
    // returns true.
    static bool RecalcTxPowerAll(CloneImage& image);
    static bool RecalcMaxDevAll(CloneImage& image);
    static bool RecalcKind5And6All(CloneImage& image);
    static bool ApplyChannelAdjustment(CloneImage& image);
    static bool RecalcKindAll(CloneImage& image, int kind);
    static bool RecalcAllAdjustments(CloneImage& image);

    // Resamples 16 {MHz, value} rows onto the image's 16 frequency points and
    // writes them into the kind's column of the header-area table.
    static bool StoreAdjustmentTable(const std::array<AdjustmentInput, 16>& rows, int kind,
                                     CloneImage& image);

    // Keeps every channel's frequencies while its words follow the synthesiser
    // parameters of `target`: each channel's TX then RX frequency is read from
    // `source` and stored into `target` with target's parameters. Nothing
    // changes when both images have the same parameters. Returns the number of
    // frequencies of channels in use that could not be stored (their words are
    // left as they were). Only channels below `channelCount` are touched.
    static int ReencodeChannels(CloneImage& target, const CloneImage& source, int channelCount = 128);
};

namespace Pll {

// The channel-step table: a step is offered unless its mask bit is set in
// the image's CH Step nibble.
struct StepRow {
    int maskBit;
    std::int64_t stepHz;
};
inline constexpr StepRow StepTable[] = {{1, 12500}, {1, 10000}, {2, 6250}, {2, 5000}, {4, 2500}, {8, 1250}};

// `hz` when an offered step divides it; otherwise the next multiple above it
// of the offered step that leaves the smallest remainder (a later row wins a
// tie); `hz` when no step is offered.
std::int64_t BestChannelStep(const CloneImage& image, std::int64_t hz);

// The narrowband bands, both ends inclusive.
bool IsNarrowbandFrequency(double mhz);
// The channel's TX frequency lies in a narrowband band.
bool InNarrowbandRange(const CloneImage& image, int channel);
// Wide bandwidth is allowed: in a service mode, with byte 0x2505 set, before
// 2013, or for a channel outside the narrowband bands.
bool WideBandAllowed(const CloneImage& image, int channel);

}  // namespace Pll

namespace Band {

// `f100kHz` (units of 100 kHz) within the image's band limits.
bool IsFrequencyInRange(const CloneImage& image, double f100kHz);

}  // namespace Band

namespace Channel {

inline constexpr int RidOutOfRange = 109;
inline constexpr const char* TextOutOfRange = "Out of Frequency Range!";
inline constexpr double MinTypedMHz = 100.0;
inline constexpr double MaxTypedMHz = 555.0;

// A typed frequency: clamped to 100-555 MHz, truncated to whole Hz, snapped
// to the channel-step grid. Outside the band, and when asked, shows "Out of
// Frequency Range!". The snapped value is returned in either case.
double SnapFrequency(const CloneImage& image, double mhz, bool showMessage);
bool IsFrequencyInBand(const CloneImage& image, double mhz);

}  // namespace Channel

// Decides a channel's two clock-shift bits: whether a harmonic of the radio's
// reference clocks falls too near its receive (or image) or transmit frequency.
class CalcClockShift {
  public:
    struct Window {
        int low;   // ppm, excluded
        int high;  // ppm, excluded
    };
    static constexpr double SecondClockHz = 115200.0;
    static constexpr double DefaultReferenceClockHz = 11059200.0;
    static constexpr double HighBandHz = 178000000.0;

    explicit CalcClockShift(CloneImage& image);
    virtual ~CalcClockShift() = default;

    void UpdateRxClockShift(int channel);
    void UpdateTxClockShift(int channel);

    // The reference clock of the image in Hz (unset counts as the default).
    static double ReferenceClock(const CloneImage& image);
    // True when a harmonic of `clockHz` lies inside the window around `hz`.
    // A frequency or clock of 0 or below never hits.
    static bool Hits(double hz, double clockHz, Window window);

  private:
    CloneImage& image_;
    std::unique_ptr<CalcPLLFrequency> pll_;
    bool isZT610_;
    Window rx_{-150, 20};
    Window tx_{-150, 20};
    Window secondTx_{-50, 50};
    double offset1_ = 50850000.0;
    double offset2_ = 101700000.0;
};
