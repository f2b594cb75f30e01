#include "alignment/ChannelAdjust.h"

#include <vector>

#include "image/Model.h"

namespace ChannelAdjust {

namespace {

struct ClassRow {
    DialogClass dialog;
    int numbers[8];  // by sub-index; 0 ends a row, a single entry serves every sub-index
    bool anySubIndex;
};

constexpr ClassRow kClasses[] = {
    {DialogClass::Frequency, {275}, true},
    {DialogClass::MaxDev, {277, 276}, false},
    {DialogClass::RXTune1, {284}, true},
    {DialogClass::SQL2, {288, 286, 290, 292, 287, 285, 289, 291}, false},
    {DialogClass::RXTune2, {293}, true},
    {DialogClass::RXTune3, {307}, true},
    {DialogClass::SubAudioCTCSS, {295, 294}, false},
    {DialogClass::SubAudioDCS, {297, 296}, false},
    {DialogClass::DTMF, {298}, true},
    {DialogClass::SeqTone, {299}, true},
    {DialogClass::TxPower, {300, 303, 302, 301}, false},
    {DialogClass::SQL3, {311, 309, 313, 315, 310, 308, 312, 314}, false},
};

struct CodeRow {
    int item;
    int codes[2];
};
constexpr CodeRow kItemCodes[] = {
    {0, {9, 2}},   {1, {10, 2}},  {2, {11, 6}}, {3, {12, 5}},   {4, {13, -1}}, {5, {14, 3}},   {6, {14, -1}},
    {7, {15, -1}}, {8, {15, -1}}, {9, {16, 4}}, {10, {17, -1}}, {11, {25, 7}}, {12, {26, -1}},
};

}  // namespace

int ClassifyDialog(DialogClass dialog, int subIndex, int fallback) {
    for (const auto& row : kClasses) {
        if (row.dialog != dialog) continue;
        if (row.anySubIndex) return row.numbers[0];
        if (subIndex < 0 || subIndex >= 8 || row.numbers[subIndex] == 0) return fallback;
        return row.numbers[subIndex];
    }
    return fallback;
}

int ItemCode(int item, int modelIndex) {
    if (modelIndex != 0 && modelIndex != 1) return -1;
    for (const auto& row : kItemCodes)
        if (row.item == item) return row.codes[modelIndex];
    return -1;
}

int ItemCodeForImage(int item, const CloneImage& image) {
    const int type = image[0x02];
    const int model = type == Model::TypeCodeZT610 ? 0 : type == Model::TypeCodeZT640 ? 1 : -1;
    return ItemCode(item, model);
}

}  // namespace ChannelAdjust

namespace Util {

void InterpolateSegment(const InterpPoint& p1, const InterpPoint& p0, std::array<InterpPoint, 16>& points,
                        int first, int last) {
    const double span = p1.frequency - p0.frequency;
    for (int i = first; i <= last; ++i) {
        InterpPoint& e = points[static_cast<std::size_t>(i)];
        if (span == 0.0) {
            e.ratio = 1.0;
            e.newValue = e.oldValue;
            continue;
        }
        const double line = (e.frequency - p0.frequency) * ((p1.oldValue - p0.oldValue) / span) + p0.oldValue;
        if (line == e.oldValue)
            e.ratio = 1.0;
        else if (line == 0.0) {
            // No proportion to a line through zero: the point stays where it was.
            e.ratio = 0.0;
            e.newValue = e.oldValue;
            continue;
        } else
            e.ratio = e.oldValue / line;
        e.newValue =
            ((e.frequency - p0.frequency) * ((p1.newValue - p0.newValue) / span) + p0.newValue) * e.ratio;
    }
}

void InterpolateKnownPoints(std::array<InterpPoint, 16>& points) {
    std::vector<int> known;
    for (int i = 0; i < 16; ++i)
        if (points[static_cast<std::size_t>(i)].known) known.push_back(i);
    if (known.size() < 2) return;
    const std::size_t pairs = known.size() - 1;
    for (std::size_t k = 1; k <= pairs; ++k) {
        const int i0 = known[k - 1], i1 = known[k];
        const int first = k == 1 ? 0 : i0;
        const int last = k == pairs ? 15 : i1;
        // Copies: the segment rewrites the known points' ratio as well.
        const InterpPoint p0 = points[static_cast<std::size_t>(i0)],
                          p1 = points[static_cast<std::size_t>(i1)];
        InterpolateSegment(p1, p0, points, first, last);
    }
}

}  // namespace Util
