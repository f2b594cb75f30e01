#pragma once
// What the per-channel alignment dialogs share without a window: the dialog
// number under which each dialog's texts and help are looked up, the live
// item codes of command 0x33, and the interpolation between known points.
#include <array>
#include <cstdint>

#include "image/CloneImage.h"

namespace ChannelAdjust {

// The alignment dialog classes (several share one template).
enum class DialogClass {
    Frequency,
    MaxDev,
    RXTune1,
    SQL2,
    RXTune2,
    RXTune3,
    SubAudioCTCSS,
    SubAudioDCS,
    DTMF,
    SeqTone,
    TxPower,
    SQL3,
    BaselineADJ,  // the alignment main dialog: not one of the classes listed
};

// The dialog number of a class and sub-index; `fallback` for a class not
// listed or a sub-index outside its row.
int ClassifyDialog(DialogClass dialog, int subIndex, int fallback);

// The item code command 0x33 carries for item number `item` on model
// `modelIndex` (0 or 1); -1 when there is none.
int ItemCode(int item, int modelIndex);
// Model from the image's radio-type code (0x35 model 0, 0x36 model 1).
int ItemCodeForImage(int item, const CloneImage& image);

}  // namespace ChannelAdjust

// A point of the interpolation: its frequency, the value it had, and, once
// interpolated, its new value keeping its proportion to the line through
// its known neighbours.
struct InterpPoint {
    double frequency = 0.0;
    double oldValue = 0.0;
    double ratio = 0.0;
    bool known = false;
    double newValue = 0.0;
};

namespace Util {

// Fills the new value of every point from the known ones (nothing when
// fewer than two are known): before the second known point along the first
// pair's line, after the last but one along the last pair's, between them
// along their own pair's. Points whose pair has one frequency twice, or
// whose old line passes through 0, keep their old value.
void InterpolateKnownPoints(std::array<InterpPoint, 16>& points);
// Points [first, last] along the pair (p0, p1).
void InterpolateSegment(const InterpPoint& p1, const InterpPoint& p0, std::array<InterpPoint, 16>& points,
                        int first, int last);

}  // namespace Util
