#include "image/UiUtil.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <thread>

#include "image/TextUtil.h"

namespace {

std::string_view TextOf(const ST_DISPDATA& row) {
    return row.text ? std::string_view(row.text) : std::string_view();
}

// Number of rows before the end row.
std::size_t RowCount(ItemList list) {
    std::size_t n = 0;
    while (n < list.size() && list[n].value != ItemListEnd) ++n;
    return n;
}

template <class T>
bool ParseWhole(std::string_view piece, T& out) {
    if (piece.empty()) return false;
    T value{};
    const auto [end, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (ec != std::errc() || end != piece.data() + piece.size()) return false;
    out = value;
    return true;
}

template <class T>
void ParseList(std::string_view text, std::span<T> values) {
    const auto pieces = TextUtil::Split(text, ',');
    for (std::size_t i = 0; i < values.size() && i < pieces.size(); ++i)
        if (!ParseWhole(pieces[i], values[i])) return;
}

}  // namespace

std::int32_t FindIdByName(ItemList list, std::string_view text) {
    const std::size_t n = RowCount(list);
    for (std::size_t i = 0; i < n; ++i)
        if (TextOf(list[i]) == text) return list[i].value;
    return -1;
}

std::string FindNameById(ItemList list, std::int32_t value) {
    const int index = FindIndexInTable12(list, value);
    if (index >= 0) return std::string(TextOf(list[static_cast<std::size_t>(index)]));
    return list.empty() ? std::string() : std::string(TextOf(list[0]));
}

std::string FindNameByIdOrEmpty(ItemList list, std::int32_t value) {
    const int index = FindIndexInTable12(list, value);
    return index >= 0 ? std::string(TextOf(list[static_cast<std::size_t>(index)])) : std::string();
}

int FindIndexInTable12(ItemList list, std::int32_t value) {
    const std::size_t n = RowCount(list);
    for (std::size_t i = 0; i < n; ++i)
        if (list[i].value == value) return static_cast<int>(i);
    return -1;
}

void WaitMilliseconds(int milliseconds) {
    if (milliseconds <= 0) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

namespace UiUtil {

int FindTableRow(ItemList list, std::string_view text) {
    const std::size_t n = RowCount(list);
    for (std::size_t i = 0; i < n; ++i)
        if (TextOf(list[i]) == text) return static_cast<int>(i);
    return -1;
}

void SortTableByValue(std::span<ST_DISPDATA> list) {
    const std::size_t n = RowCount(ItemList(list.data(), list.size()));
    std::stable_sort(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(n),
                     [](const ST_DISPDATA& a, const ST_DISPDATA& b) { return a.value < b.value; });
}

}  // namespace UiUtil

namespace WindowPlacement {

std::string FormatInt(int value) {
    return std::to_string(value);
}

std::string FormatPair(int first, int second) {
    return std::to_string(first) + "," + std::to_string(second);
}

bool ParsePair(std::string_view text, int& first, int& second) {
    const auto pieces = TextUtil::Split(text, ',');
    int a = 0, b = 0;
    if (pieces.size() < 2 || !ParseWhole(pieces[0], a) || !ParseWhole(pieces[1], b)) return false;
    first = a;
    second = b;
    return true;
}

std::string FormatDoubleList(std::span<const double> values) {
    std::string text;
    char piece[64];
    for (double v : values) {
        std::snprintf(piece, sizeof piece, "%.4f,", v);
        text += piece;
    }
    return text;
}

std::string FormatIntList(std::span<const int> values) {
    std::string text;
    for (int v : values) text += std::to_string(v) + ",";
    return text;
}

void ParseDoubleList(std::string_view text, std::span<double> values) {
    ParseList(text, values);
}
void ParseIntList(std::string_view text, std::span<int> values) {
    ParseList(text, values);
}

std::string FormatFontSize(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%2.2f", value);
    return text;
}

double ParseFontSize(std::string_view text, double fallback) {
    double value = 0.0;
    return ParseWhole(text, value) ? value : fallback;
}

Rect Restore(Rect rect, unsigned flags, int minWidth, int minHeight, std::string_view storedPosition,
             std::string_view storedSize, int workAreaWidth, int workAreaHeight) {
    if (flags & FlagPosition) ParsePair(storedPosition, rect.left, rect.top);
    if (flags & FlagSize) ParsePair(storedSize, rect.width, rect.height);
    rect.width = std::max(rect.width, minWidth);
    rect.height = std::max(rect.height, minHeight);
    rect.left = std::max(0, std::min(rect.left, workAreaWidth - rect.width));
    rect.top = std::max(0, std::min(rect.top, workAreaHeight - rect.height));
    return rect;
}

}  // namespace WindowPlacement
