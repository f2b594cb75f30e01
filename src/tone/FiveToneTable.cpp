#include "tone/FiveToneTable.h"

#include <algorithm>
#include <charconv>

#include "image/ItemsTone.h"
#include "image/Model.h"
#include "tone/FiveToneLists.h"
#include "image/UiUtil.h"

namespace FiveToneTable {

namespace {
constexpr int kFormatOfColumn[Cols] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 11, 13};
constexpr const char* kHeaders[Cols] = {"No.",   "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI", "PDZVEI", "CCIR1",
                                        "CCIR2", "PCCIR", "EEA",   "EIA",   "NATEL", "TP40",  "USER"};

bool IsDataCell(int row, int col) {
    return row >= 1 && row < Rows && col >= 1 && col < Cols;
}
}  // namespace

int FormatOfColumn(int col) {
    return col >= 1 && col < Cols ? kFormatOfColumn[col] : -1;
}

std::string HeaderText(int col) {
    return col >= 0 && col < Cols ? kHeaders[col] : "";
}

std::string RowCaption(int row) {
    if (row >= 1 && row <= 16) return std::string(1, "0123456789ABCDEF"[row - 1]);
    const ItemList captions = FiveToneLists::FiveToneTableRowCaptionList;
    if (row == TonePeriodRow) return captions[0].text;
    if (row == GapPeriodRow) return captions[1].text;
    return HeaderText(0);
}

int EditLength(int row) {
    return row == TonePeriodRow ? 3 : row == GapPeriodRow ? 4 : 5;
}

std::uint32_t ToneHz(std::uint32_t raw, std::uint32_t reference) {
    if (raw == 0xFFFF) raw = 0;
    const std::uint64_t product = static_cast<std::uint64_t>(raw) * reference;
    return static_cast<std::uint32_t>((product + 5000) / 10000);
}

std::uint32_t RawOfHz(std::uint64_t hz, std::uint32_t reference) {
    if (hz == 0 || reference == 0) return 0xFFFF;
    hz = std::clamp<std::uint64_t>(hz, 300, 3000);
    const std::uint64_t raw = (hz * 10000 * 2 + reference) / (2ull * reference);
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(raw, 0xFFFE));
}

std::optional<std::uint64_t> ParseNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::uint64_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return v;
}

Model::Model(CloneImage& image, int serviceMode) : image_(&image), serviceMode_(serviceMode) {
    Refresh();
}

std::string Model::Text(int row, int col) const {
    if (row == 0) return HeaderText(col);
    if (col == 0) return RowCaption(row);
    if (!IsDataCell(row, col)) return {};
    return texts_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void Model::SetText(int row, int col, std::string_view text) {
    if (IsDataCell(row, col)) texts_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::string(text);
}

std::string Model::Format(int row, int col) const {
    const int f = FormatOfColumn(col);
    if (f < 0 || row < 1 || row >= Rows) return {};
    if (row == TonePeriodRow) return std::to_string(ItemMap::GetTone5TonePeriod(*image_, f));
    if (row == GapPeriodRow) return std::to_string(ItemMap::GetTone5GapPeriod(*image_, f) * 5);
    return std::to_string(ToneHz(ItemMap::GetTone5ToneValue(*image_, f, row - 1), ItemMap::Get16FromPair(*image_)));
}

void Model::Refresh() {
    for (int r = 1; r < Rows; ++r)
        for (int c = 1; c < Cols; ++c) SetText(r, c, Format(r, c));
}

bool Model::IsEditable(int row, int col) const {
    if (!IsDataCell(row, col)) return false;
    // Standard formats: only their periods, except in the manufacture mode.
    const int state = col == UserColumn ? 0 : (serviceMode_ == 2 ? 0 : 2);
    if (state == 2 && row != TonePeriodRow && row != GapPeriodRow) return false;
    // Without a reference no tone can be stored.
    if (row < TonePeriodRow && ItemMap::Get16FromPair(*image_) == 0) return false;
    return true;
}

bool Model::IsColumnHidden(int col) const {
    return col == Tp40Column && serviceMode_ == 0 && (*image_)[3] != 2;
}

bool Model::Commit(int row, int col) {
    if (!IsEditable(row, col)) return false;
    const auto value = ParseNumber(Text(row, col));
    const int f = FormatOfColumn(col);
    bool written = false;
    if (value) {
        if (row == TonePeriodRow) {
            const std::uint64_t period = std::min<std::uint64_t>(*value, 255);
            ItemMap::SetTone5TonePeriod(*image_, f, static_cast<std::uint32_t>(period));
            // The gap follows: one and a half times the tone, in steps of 5 ms.
            ItemMap::SetTone5GapPeriod(*image_, f, static_cast<std::uint32_t>(std::min<std::uint64_t>(period * 3 / 2 / 5, 255)));
            SetText(GapPeriodRow, col, Format(GapPeriodRow, col));
        } else if (row == GapPeriodRow) {
            ItemMap::SetTone5GapPeriod(*image_, f, static_cast<std::uint32_t>(std::min<std::uint64_t>(*value / 5, 255)));
        } else {
            ItemMap::SetTone5ToneValue(*image_, f, row - 1, RawOfHz(*value, ItemMap::Get16FromPair(*image_)));
        }
        written = true;
    }
    SetText(row, col, Format(row, col));
    return written;
}

void Model::CommitChanged() {
    for (int c = 1; c < Cols; ++c) {
        std::vector<int> changed;
        for (int r = 1; r < Rows; ++r)
            if (IsEditable(r, c) && Text(r, c) != Format(r, c)) changed.push_back(r);
        // A typed gap survives the tone period's own gap.
        const std::string gap = Text(GapPeriodRow, c);
        for (int r : changed) {
            if (r == GapPeriodRow) SetText(r, c, gap);
            Commit(r, c);
        }
    }
}

std::vector<int> Model::CollidingUserTones() const {
    const double p = ItemMap::GetTone5DecodePrecision(*image_) * 0.001;
    struct Band {
        bool on;
        double low, high;
    };
    std::array<Band, 16> bands{};
    for (int t = 0; t < 16; ++t) {
        const auto f = ParseNumber(Text(t + 1, UserColumn));
        const double hz = f ? static_cast<double>(*f) : 0.0;
        bands[static_cast<std::size_t>(t)] = {hz != 0, hz - hz * p, hz + hz * p};
    }
    std::vector<bool> hit(16, false);
    for (std::size_t t = 0; t < 16; ++t)
        for (std::size_t u = t + 1; u < 16; ++u) {
            if (!bands[t].on || !bands[u].on) continue;
            const auto in = [&](double x) { return x >= bands[t].low && x <= bands[t].high; };
            if (in(bands[u].low) || in(bands[u].high)) hit[t] = hit[u] = true;
        }
    std::vector<int> out;
    for (int t = 0; t < 16; ++t)
        if (hit[static_cast<std::size_t>(t)]) out.push_back(t);
    return out;
}

}  // namespace FiveToneTable
