#include "tone/GridViewModel.h"

#include <algorithm>

#include "image/Model.h"
#include "image/UiUtil.h"

namespace GridView {

ItemList ListRows(ItemList list) {
    std::size_t n = 0;
    while (n < list.size() && list[n].value != ItemListEnd) ++n;
    return list.first(n);
}

std::optional<std::int32_t> NextListValue(ItemList list, std::string_view text) {
    const ItemList rows = ListRows(list);
    if (rows.empty()) return std::nullopt;
    const int at = UiUtil::FindTableRow(rows, text);
    if (at < 0 || at + 1 >= static_cast<int>(rows.size())) return rows[0].value;
    return rows[static_cast<std::size_t>(at) + 1].value;
}

int ColumnState(std::span<const ColumnStates> states, int col, int variant, int mode) {
    if (col < 0 || col >= static_cast<int>(states.size())) return 0;
    if (variant < 0 || variant > 4 || mode < 0 || mode > 2) return 0;
    return states[static_cast<std::size_t>(col)][static_cast<std::size_t>(variant * 3 + mode)];
}

HeaderSpanRows SpansWithoutHidden(HeaderSpanRows spans, const std::vector<bool>& hidden) {
    const int cols = static_cast<int>(hidden.size());
    for (int h = cols - 1; h >= 0; --h) {
        if (!hidden[static_cast<std::size_t>(h)]) continue;
        for (auto& row : spans) {
            if (h >= static_cast<int>(row.size())) continue;
            HeaderSpan& cell = row[static_cast<std::size_t>(h)];
            if (cell.rowspan == 0) {
                // Covered: shorten the cell to the left whose span reaches here.
                for (int k = h - 1; k >= 0; --k) {
                    HeaderSpan& left = row[static_cast<std::size_t>(k)];
                    if (left.rowspan == 0) continue;
                    if (k + left.colspan - 1 >= h) --left.colspan;
                    break;
                }
            } else if (cell.colspan > 1 && h + 1 < static_cast<int>(row.size())) {
                row[static_cast<std::size_t>(h) + 1] = {cell.rowspan, cell.colspan - 1};
            }
            cell = {0, 0};
        }
    }
    return spans;
}

GridViewModel::GridViewModel(const ViewSpec& spec, CloneImage& image, int serviceMode)
    : spec_(spec), image_(&image), serviceMode_(serviceMode) {
    cells_.assign(static_cast<std::size_t>(spec_.records), std::vector<std::string>(spec_.columns.size()));
}

std::string GridViewModel::Text(int row, int col) const {
    if (col < 0 || col >= Cols() || row < 0) return {};
    if (row < HeaderRows()) {
        if (row >= static_cast<int>(spec_.headers.size())) return {};
        const auto& line = spec_.headers[static_cast<std::size_t>(row)];
        return col < static_cast<int>(line.size()) ? line[static_cast<std::size_t>(col)] : std::string{};
    }
    if (row >= Rows()) return {};
    return cells_[static_cast<std::size_t>(RecordOf(row))][static_cast<std::size_t>(col)];
}

void GridViewModel::SetText(int row, int col, std::string_view text) {
    if (!IsDataRow(row) || col < 0 || col >= Cols()) return;
    cells_[static_cast<std::size_t>(RecordOf(row))][static_cast<std::size_t>(col)] = std::string(text);
}

CellValue GridViewModel::Format(int record, int col) const {
    const auto& b = spec_.bindings[static_cast<std::size_t>(col)];
    if (!b.format) return {};
    return b.format(*image_, record);
}

void GridViewModel::FormatRow(int row) {
    const int record = RecordOf(row);
    for (int c = 0; c < Cols(); ++c) {
        CellValue v = Format(record, c);
        if (v.invalid) {
            invalid_.insert({row, c});
            v.text.clear();
        } else {
            invalid_.erase({row, c});
        }
        SetText(row, c, v.text);
    }
}

void GridViewModel::Refresh() {
    invalid_.clear();
    for (int row = HeaderRows(); row < Rows(); ++row) FormatRow(row);
}

void GridViewModel::RefreshRow(int row) {
    if (IsDataRow(row)) FormatRow(row);
}

bool GridViewModel::IsColumnHidden(int col) const {
    const int state = ColumnState(spec_.states, col, Model::GetBandSelection(*image_), serviceMode_);
    if (spec_.shown) return !spec_.shown(*image_, col, state);
    return state == 1 || state == 3 || state == 4;
}

std::vector<bool> GridViewModel::HiddenColumns() const {
    std::vector<bool> hidden(static_cast<std::size_t>(Cols()));
    for (int c = 0; c < Cols(); ++c) hidden[static_cast<std::size_t>(c)] = IsColumnHidden(c);
    return hidden;
}

std::optional<std::uint32_t> GridViewModel::Parse(int col, std::string_view text) const {
    const auto& b = spec_.bindings[static_cast<std::size_t>(col)];
    if (b.parse) return b.parse(*image_, text);
    const ItemList rows = ListRows(Column(col).list);
    const int at = UiUtil::FindTableRow(rows, text);
    if (at < 0) return std::nullopt;
    return static_cast<std::uint32_t>(rows[static_cast<std::size_t>(at)].value);
}

bool GridViewModel::CommitCell(int row, int col) {
    if (!IsDataRow(row) || col < 0 || col >= Cols()) return false;
    if (Column(col).kind == CellKind::ReadOnly || !IsCellShown(row, col)) return false;
    const auto& b = spec_.bindings[static_cast<std::size_t>(col)];
    bool stored = false;
    if (b.store) {
        stored = b.store(*image_, RecordOf(row), Text(row, col));
    } else if (b.write) {
        if (auto value = Parse(col, Text(row, col))) {
            b.write(*image_, RecordOf(row), *value);
            stored = true;
        }
    }
    RefreshRow(row);
    return stored;
}

void GridViewModel::CommitChangedCells() {
    for (int row = HeaderRows(); row < Rows(); ++row) {
        for (int c = 0; c < Cols(); ++c) {
            CellValue shown = Format(RecordOf(row), c);
            if (shown.invalid) shown.text.clear();
            if (Text(row, c) != shown.text) CommitCell(row, c);
        }
    }
}

void GridViewModel::CycleCell(int row, int col) {
    if (!IsDataRow(row) || col < 0 || col >= Cols() || !IsCellShown(row, col)) return;
    const auto& b = spec_.bindings[static_cast<std::size_t>(col)];
    const std::string text = Text(row, col);
    if (b.cycle) {
        b.cycle(*image_, RecordOf(row), text);
    } else if (b.write) {
        if (auto next = NextListValue(Column(col).list, text))
            b.write(*image_, RecordOf(row), static_cast<std::uint32_t>(*next));
    }
    RefreshRow(row);
}

int GridViewModel::ActionOf(int col, Gesture gesture) const {
    if (col < 0 || col >= Cols()) return Action::Consume;
    const GridColumn& c = Column(col);
    return UiUtil::GestureAction({c.spaceAction, c.doubleClickAction, c.enterAction, c.clickAction}, gesture);
}

GridViewModel::EditStart GridViewModel::BeginEdit(int row, int col) const {
    EditStart e;
    if (!IsDataRow(row) || col < 0 || col >= Cols() || !IsCellShown(row, col)) return e;
    const GridColumn& c = Column(col);
    if (c.kind == CellKind::Typed) {
        e.allowed = true;
        e.maxLength = c.editLength;
        e.text = Text(row, col);
    } else if (c.kind == CellKind::DropDown) {
        e.allowed = true;
        e.text = Text(row, col);
        for (const auto& r : ListRows(c.list)) {
            if (!e.comboList.empty()) e.comboList += '|';
            e.comboList += r.text;
        }
    }
    if (adjustEdit) adjustEdit(row, col, e);
    return e;
}

char32_t GridViewModel::FilterKey(int col, char32_t key) const {
    if (key == 8 || key == 13 || key == 27) return key;
    if (key == 9) return 0;
    if (spec_.keyFilter) return spec_.keyFilter(col, key);
    return key;
}

std::string GridViewModel::CopyCellText(int row, int col) const {
    const std::string text = Text(row, col);
    const GridColumn& c = Column(col);
    if (c.kind != CellKind::Check || !spec_.printListOf) return text;
    const ItemList rows = ListRows(c.list);
    const int at = UiUtil::FindTableRow(rows, text);
    const ItemList print = ListRows(spec_.printListOf(c.list));
    if (at < 0 || at >= static_cast<int>(print.size())) return text;
    return print[static_cast<std::size_t>(at)].text;
}

std::string GridViewModel::CopyRows(const std::vector<int>& rows) const {
    std::string out;
    bool first = true;
    for (int row : rows) {
        if (!IsDataRow(row)) continue;
        if (!first) out += '\n';
        first = false;
        for (int c = 0; c < Cols(); ++c) {
            if (c) out += '\t';
            out += CopyCellText(row, c);
        }
    }
    return out;
}

bool GridViewModel::PasteCell(int row, int col, std::string_view text) {
    if (!IsDataRow(row) || col < 0 || col >= Cols() || !IsCellShown(row, col)) return false;
    const GridColumn& c = Column(col);
    switch (c.kind) {
        case CellKind::ReadOnly:
            return false;
        case CellKind::Typed:
            SetText(row, col, text);
            return CommitCell(row, col);
        case CellKind::Check: {
            if (!spec_.printListOf) return false;
            const int at = UiUtil::FindTableRow(ListRows(spec_.printListOf(c.list)), text);
            const ItemList rows = ListRows(c.list);
            if (at < 0 || at >= static_cast<int>(rows.size())) return false;
            SetText(row, col, rows[static_cast<std::size_t>(at)].text);
            return CommitCell(row, col);
        }
        default:
            if (text.empty() || !Parse(col, text)) return false;
            SetText(row, col, text);
            return CommitCell(row, col);
    }
}

namespace {
std::vector<std::string_view> Split(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(sep, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}
}  // namespace

void GridViewModel::PasteRows(std::string_view text, int currentRow, const std::vector<int>& selectedRows) {
    auto pasteLine = [&](int row, std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const auto fields = Split(line, '\t');
        if (static_cast<int>(fields.size()) != Cols()) return;
        for (int c = 0; c < Cols(); ++c)
            if (c != spec_.pasteLastColumn) PasteCell(row, c, fields[static_cast<std::size_t>(c)]);
        if (spec_.pasteLastColumn >= 0 && spec_.pasteLastColumn < Cols())
            PasteCell(row, spec_.pasteLastColumn, fields[static_cast<std::size_t>(spec_.pasteLastColumn)]);
    };
    if (text.find('\n') != std::string_view::npos) {
        const auto lines = Split(text, '\n');
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int row = currentRow + static_cast<int>(i);
            if (!IsDataRow(row)) break;
            if (!lines[i].empty()) pasteLine(row, lines[i]);
        }
    } else {
        for (int row : selectedRows)
            if (IsDataRow(row)) pasteLine(row, text);
    }
    Refresh();
}

std::vector<std::pair<int, int>> GridViewModel::DefaultWidths() const {
    std::vector<std::pair<int, int>> widths;
    for (const auto& c : spec_.columns) widths.emplace_back(c.widthGeneration, c.defaultWidth);
    return widths;
}

HeaderSpanRows GridViewModel::PrintHeaderSpans() const {
    return SpansWithoutHidden(spec_.headerSpans, HiddenColumns());
}

}  // namespace GridView
