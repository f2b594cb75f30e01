#include "ui/GridLogic.h"

#include <algorithm>

namespace GridLogic {

std::vector<Span> ComputeHeaderSpans(const MergeInput& in) {
    const int rows = in.headerRows, cols = in.cols;
    if (rows <= 0 || cols <= 0) return {};
    auto hidden = [&](int c) { return in.hidden && in.hidden(c); };
    // Horizontal runs, one list per row: [first, last] columns.
    struct Run {
        int first, last;
        std::string text;
        bool used = false;
    };
    std::vector<std::vector<Run>> runs(rows);
    for (int r = 0; r < rows; ++r) {
        const bool rowMerges = in.mergeRow && in.mergeRow(r);
        for (int c = 0; c < cols;) {
            std::string t = in.text(r, c);
            int last = c;
            if (rowMerges && !t.empty() && !hidden(c)) {
                while (last + 1 < cols && last + 1 != in.frozenCols && !hidden(last + 1) &&
                       in.text(r, last + 1) == t)
                    ++last;
            }
            runs[r].push_back({c, last, std::move(t)});
            c = last + 1;
        }
    }
    // Stack equal runs with the same extent in columns that all merge.
    auto colsMerge = [&](int first, int last) {
        if (!in.mergeCol) return false;
        for (int c = first; c <= last; ++c)
            if (!in.mergeCol(c) || hidden(c)) return false;
        return true;
    };
    std::vector<Span> spans;
    for (int r = 0; r < rows; ++r) {
        for (auto& run : runs[r]) {
            if (run.used) continue;
            int height = 1;
            if (!run.text.empty() && colsMerge(run.first, run.last)) {
                for (int below = r + 1; below < rows; ++below) {
                    auto it = std::find_if(runs[below].begin(), runs[below].end(), [&](const Run& o) {
                        return o.first == run.first && o.last == run.last && !o.used && o.text == run.text;
                    });
                    if (it == runs[below].end()) break;
                    it->used = true;
                    ++height;
                }
            }
            const int width = run.last - run.first + 1;
            if (width > 1 || height > 1) spans.push_back({r, run.first, height, width});
        }
    }
    return spans;
}

std::string JoinComboList(ItemList list) {
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0 && list[i].value == ItemListEnd) break;
        if (i > 0) out += '|';
        out += list[i].text ? list[i].text : "";
        if (i == 0 && list[0].value == ItemListEnd) break;
    }
    return out;
}

std::vector<std::string> SplitComboList(std::string_view list) {
    std::vector<std::string> out;
    if (list.empty()) return out;
    std::size_t start = 0;
    for (;;) {
        std::size_t bar = list.find('|', start);
        out.emplace_back(
            list.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    return out;
}

std::vector<int> SelectedRows(std::span<const Block> blocks, int cursorRow) {
    std::vector<int> rows;
    for (const auto& b : blocks)
        for (int r = b.top; r <= b.bottom; ++r)
            if (std::find(rows.begin(), rows.end(), r) == rows.end()) rows.push_back(r);
    if (rows.empty() && cursorRow >= 0) rows.push_back(cursorRow);
    return rows;
}

int SumVisiblePixels(int last, const std::function<bool(int)>& inView, const std::function<bool(int)>& hidden,
                     const std::function<int(int)>& sizeTwips) {
    long long twips = 0;
    for (int i = 0; i <= last; ++i)
        if (inView(i) && !hidden(i)) twips += sizeTwips(i);
    return static_cast<int>(twips / TwipsPerPixel);
}

}  // namespace GridLogic
