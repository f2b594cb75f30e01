#pragma once
// Receiver tuning and squelch alignment without a window: the signal
// generator settings the user is told to apply, the automatic search for the
// tuning value with the strongest signal, and the squelch measurement.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "image/CloneImage.h"

class PXComCommandRetry;

// One line of the signal generator settings: a byte of the hardware page
// (page 8) shown scaled, with its unit.
struct SgSettingRow {
    int controlId;        // -1 ends a table
    int page8Offset;      // -1: nothing to set ("----")
    bool signMagnitude;   // bit 7 the sign, bits 0-6 the magnitude
    const char* format;
    double scale;
    const char* unit;
};

namespace Tuning {

// "<value> <unit>", or "----" for a row without a byte.
std::string SgText(const SgSettingRow& row, const CloneImage& image);
// The raw byte of a row, sign applied; 0 without a byte.
int SgRaw(const SgSettingRow& row, const CloneImage& image);

// Receiver sensitivity dialog (2803-2805) and the automatic tuning dialog
// (2801-2803): deviation, modulation, RF level.
inline constexpr SgSettingRow RxTuneSg[] = {
    {2803, 0xE9, false, "%.1f", 0.1, "kHz"},
    {2804, 0xEA, false, "%.1f", 0.1, "kHz"},
    {2805, 0xE8, true, "%.0f", 1.0, "dBuV"},
    {-1, -1, false, "", 0.0, ""},
};
inline constexpr SgSettingRow AutoTuneSg[] = {
    {2801, 0xE9, false, "%.1f", 0.1, "kHz"},
    {2802, 0xEA, false, "%.1f", 0.1, "kHz"},
    {2803, 0xE8, true, "%.0f", 1.0, "dBuV"},
    {-1, -1, false, "", 0.0, ""},
};

// One automatic search: the row's value when it started, the step, and the
// tuning value with the strongest signal so far.
struct Request {
    int current = 0;
    int step = 1;
    int bestValue = 0;
    int bestLevel = 0;
};

enum class AutoTuneResult {
    Found,        // bestValue holds the value to offer
    NoSignal,     // no reading rose above 0: nothing to offer
    CmdError,     // receive or status read failed: "Cmd Request Error!"
    TuneSetError  // a tuning value was refused: "Tune Set Error!"
};
inline constexpr int RidTuneSetError = 33060;
inline constexpr const char* TextTuneSetError = "Tune Set Error!";
inline constexpr const char* TextNoSignal = "No signal was received: nothing to offer.";

// Steps the tuning value 0, step, 2 step ... (at most 255) and reads the
// signal after each; stops once the signal fell 10 below the best. The first
// value that reached the best level wins. `trace` sees every reading.
AutoTuneResult AutoTune(PXComCommandRetry& radio, Request& request,
                        const std::function<void(int tune, int level)>& trace = {});

// The auto step of the sensitivity dialog: settings section and key, range.
inline constexpr const char* StepSection = "BA_RXTRUE";
inline constexpr const char* StepKey = "STEP";
inline constexpr int StepMin = 1, StepMax = 10;

}  // namespace Tuning

namespace Squelch {

struct Item {
    const char* label;  // on the squelch menu
    const char* name;   // title of its dialogs
    int point;          // alignment point it is measured at
    int headerByte;     // the stored level
    int defaultByte;    // page 15 factory level
    bool noise;         // measured from the noise reading, else from the signal strength
};
inline constexpr Item Items[8] = {
    {"TI NSQ(W)", "Tight NSQ Level(Wide)", 7, 0x3C, 0x28C, true},
    {"TH NSQ(W)", "Threshold NSQ Level(Wide)", 7, 0x3A, 0x28A, true},
    {"TI RSSI(W)", "Tight RSSI Level(Wide)", 7, 0x3E, 0x28E, false},
    {"TX Save(W)", "TX SAVE Level(Wide)", 7, 0x40, 0x290, false},
    {"TI NSQ(N)", "Tight NSQ Level(Narrow)", 23, 0x3D, 0x28D, true},
    {"TH NSQ(N)", "Threshold NSQ Level(Narrow)", 23, 0x3B, 0x28B, true},
    {"TI RSSI(N)", "Tight RSSI Level(Narrow)", 23, 0x3F, 0x28F, false},
    {"TX Save(N)", "TX SAVE Level(Narrow)", 23, 0x41, 0x291, false},
};

// The signal generator settings of item i (2801 deviation, 2802
// modulation, 2803 RF level), ended by control id -1.
const SgSettingRow* SgTable(int item);

int Stored(const CloneImage& image, int item);
int Default(const CloneImage& image, int item);
void Store(CloneImage& image, int item, int value);

struct Levels {
    int noise = 0;
    int rssi = 0;
};
inline constexpr int Samples = 20;
// (sum - max - min) / 18 of twenty readings.
int Level(const std::array<int, Samples>& samples);
// Twenty status reads 50 ms apart; nothing when a read failed (a level made
// of failed reads would be stored as if measured).
std::optional<Levels> Measure(PXComCommandRetry& radio);

}  // namespace Squelch
