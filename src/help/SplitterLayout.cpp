#include "help/SplitterLayout.h"

#include <algorithm>

namespace SplitterLayout {

void Layout(std::vector<SplitterRow>& rows, int extent, int bar) {
    int avail = std::max(0, extent);
    const int n = static_cast<int>(rows.size());
    for (int i = 0; i < n; ++i) {
        SplitterRow& r = rows[i];
        if (i == n - 1) {
            r.current = std::max(0, avail);
            break;
        }
        if (avail <= 0 || r.ideal < r.minimum || r.ideal <= 0) {
            r.current = 0;
            continue;
        }
        r.current = std::min(r.ideal, avail);
        avail -= r.current + bar;
    }
}

void AdjustRowSizes(std::vector<SplitterRow>& rows, int extra, int row) {
    int rest = extra;
    for (int i = static_cast<int>(rows.size()) - 1; i >= row && rest > 0; --i) {
        SplitterRow& r = rows[i];
        const int height = i == row ? r.ideal : r.current;
        const int spare = std::max(0, height - r.minimum);
        if (spare >= rest) {
            r.ideal = height - rest;
            rest = 0;
        } else {
            r.ideal = std::min(height, r.minimum);
            rest -= spare;
        }
    }
}

void GiveUpHeight(std::vector<SplitterRow>& rows, int shrink, int skip) {
    int remove = shrink;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (i == skip) continue;
        SplitterRow& r = rows[i];
        if (r.current < r.minimum) {
            remove += r.minimum - r.current;
            r.current = r.minimum;
        }
        r.ideal = r.current;
    }
    for (int i = static_cast<int>(rows.size()) - 1; i >= 0 && remove > 0; --i) {
        if (i == skip) continue;
        SplitterRow& r = rows[i];
        const int give = std::min(remove, r.current - r.minimum);
        r.ideal = r.current - give;
        remove -= give;
    }
}

void GrowFirstRow(std::vector<SplitterRow>& rows, int grown) {
    if (rows.empty()) return;
    int rest = grown;
    const int last = static_cast<int>(rows.size()) - 1;
    for (int i = last; i > 0 && rest > 0; --i) {
        SplitterRow& r = rows[i];
        const int take = std::min(rest, std::max(0, r.current - r.minimum));
        if (i != last) r.ideal = r.current - take;
        rest -= take;
    }
    // Row 0 takes only what the rows below gave: after a window smaller than
    // the rows' minimums they have less to give than the window grew.
    rows[0].ideal = rows[0].current + (grown - rest);
}

void TrackRowSize(std::vector<SplitterRow>& rows, int height, int row, const std::map<int, int>& fixedRows) {
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    SplitterRow& dragged = rows[row];
    dragged.ideal = std::max(height, dragged.minimum);
    const int d = dragged.ideal - dragged.current;
    if (d <= 0) {
        for (int i = static_cast<int>(rows.size()) - 1; i > row; --i) {
            if (fixedRows.count(i)) continue;
            rows[i].ideal = rows[i].current - d;
            break;
        }
    } else {
        AdjustRowSizes(rows, d, row);
    }
}

int TrackColumnWidth(int x, int clientWidth) {
    return std::max(100, std::min(x, clientWidth - 100));
}

bool IsBarMovable(int row, const std::map<int, int>& fixedRows) {
    for (const auto& [key, barIndex] : fixedRows)
        if (barIndex == row) return false;
    return true;
}

}  // namespace SplitterLayout
