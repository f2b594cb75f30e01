#pragma once
// The window-free half of every grid view of the tone and signalling screens.
// A view gives its column table, its per-column state table, its header texts
// and, per column, how a record's cell is formatted, parsed and written; this
// model does the rest: the cell texts of the whole grid, invalid cells, the
// key and mouse actions, in-place edit rules, commits, the clipboard forms of
// cells and rows, hidden columns, default widths and the printed header
// spans. ToneGridAdapter puts it on a CVSFlexGrid.
//
// Rows and columns are the grid's: the header rows come first, record r is
// row HeaderRows() + r.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/CloneImage.h"
#include "image/ItemList.h"
#include "image/UiUtil.h"

namespace GridView {

// What a cell holds and how it is changed.
namespace CellKind {
inline constexpr int ReadOnly = 0, ListValue = 1, Typed = 2, DropDown = 3, Check = 5;
}
// What a key or mouse gesture does in a column. Codes 0 and 1-6 as the
// column tables give them; a view may give its own meaning to 1 and 6.
namespace Action {
inline constexpr int Consume = 0, PassOn = 1, Edit = 2, PassOn3 = 3, Cycle = 4, Toggle = 5, Select = 6;
}
using Gesture = UiUtil::GridGesture;

// One column of a grid view: ten fields, the table ends with column -1.
struct GridColumn {
    int column;
    int widthGeneration;  // 1 for a column added after the first layout
    int defaultWidth;     // twips
    ItemList list;        // values and texts, or empty
    int kind;
    int editLength;  // typed text
    int spaceAction, doubleClickAction, enterAction, clickAction;
};

// Availability of one column: a state per (variant 0-4, service mode 0-2) at
// index variant x 3 + mode. States 1, 3 and 4 hide the column; what 2 and 5
// mean is the view's rule.
using ColumnStates = std::array<std::uint8_t, 15>;

struct CellValue {
    std::string text;
    bool invalid = false;  // the stored value has no row in the column's list
};

// How one column binds to its record. Every hook may be left empty:
//   format: the text of the record's cell (empty hook: "");
//   parse: the stored value a text stands for, nullopt when none (empty hook:
//          the value of the column list's first row with that text);
//   write: stores the value (empty hook: the column stores nothing);
//   cycle: the step of actions 4 and 5 from the cell's current text (empty
//          hook: the value of the list row after the current text's row,
//          wrapping, the first row when the text matches none, then write);
struct ColumnBinding {
    std::function<CellValue(const CloneImage&, int record)> format;
    std::function<std::optional<std::uint32_t>(const CloneImage&, std::string_view text)> parse;
    std::function<void(CloneImage&, int record, std::uint32_t value)> write;
    std::function<void(CloneImage&, int record, std::string_view text)> cycle;
    // Columns that keep text rather than a value (name tags): stores the text
    // itself; when set, parse and write are not used for commits.
    std::function<bool(CloneImage&, int record, std::string_view text)> store;
};

// The printed header: {rowspan, colspan} per header cell; rowspan 0 marks a
// cell covered by another.
struct HeaderSpan {
    int rowspan = 1, colspan = 1;
    bool operator==(const HeaderSpan&) const = default;
};
using HeaderSpanRows = std::vector<std::vector<HeaderSpan>>;

struct ViewSpec {
    std::span<const GridColumn> columns;   // one row per column, from column 0
    std::span<const ColumnStates> states;  // one row per column
    int headerRows = 3;
    int records = 8;
    // Header texts: headers[row][col].
    std::vector<std::vector<std::string>> headers;
    HeaderSpanRows headerSpans;
    std::vector<ColumnBinding> bindings;  // one per column
    // Whether a column shows for this image; empty: states 1, 3, 4 hide.
    std::function<bool(const CloneImage&, int col, int state)> shown;
    // The print twin of a check column's list (copy and paste texts).
    std::function<ItemList(ItemList checkList)> printListOf;
    // Characters accepted while typing in a column; empty: every character.
    // Returns 0 to drop the key, else the character to insert.
    std::function<char32_t(int col, char32_t key)> keyFilter;
    // A column whose field a pasted row writes after all the others (it
    // depends on them), -1 for none.
    int pasteLastColumn = -1;
    // Whether a record's cell holds anything; empty: every cell. A cell that
    // does not is neither edited, stepped, pasted nor committed.
    std::function<bool(int record, int col)> cellShown;
};

// The state byte of (column, variant, mode), 0 outside the table.
int ColumnState(std::span<const ColumnStates> states, int col, int variant, int mode);

// Corrects a header span layout for hidden columns (from the last to the
// first): a hidden column covered from its left shortens the covering cell; a
// hidden cell that covers columns to its right hands its spans on to the next
// column; the hidden cell is then not written.
HeaderSpanRows SpansWithoutHidden(HeaderSpanRows spans, const std::vector<bool>& hidden);

class GridViewModel {
  public:
    GridViewModel(const ViewSpec& spec, CloneImage& image, int serviceMode = 0);

    const ViewSpec& Spec() const { return spec_; }
    CloneImage& Image() { return *image_; }
    const CloneImage& Image() const { return *image_; }
    // The view now works on another image (a popup's copy coming back).
    void SetImage(CloneImage& image) { image_ = &image; }

    int HeaderRows() const { return spec_.headerRows; }
    int Rows() const { return spec_.headerRows + spec_.records; }
    int Cols() const { return static_cast<int>(spec_.columns.size()); }
    bool IsDataRow(int row) const { return row >= HeaderRows() && row < Rows(); }
    int RecordOf(int row) const { return row - HeaderRows(); }
    const GridColumn& Column(int col) const { return spec_.columns[static_cast<std::size_t>(col)]; }
    bool IsCellShown(int row, int col) const { return !spec_.cellShown || spec_.cellShown(RecordOf(row), col); }

    // ---- cells ---------------------------------------------------------------
    std::string Text(int row, int col) const;
    // What an editor left in a cell; nothing is stored until it is committed.
    void SetText(int row, int col, std::string_view text);
    // Every data cell from the image; cells whose value has no list row are
    // recorded as invalid and shown empty.
    void Refresh();
    void RefreshRow(int row);
    const std::set<std::pair<int, int>>& InvalidCells() const { return invalid_; }
    bool IsColumnHidden(int col) const;
    std::vector<bool> HiddenColumns() const;

    // ---- storing ------------------------------------------------------------
    // Stores the cell's text (parse, write) and redraws the row from the
    // image; false when the text stands for no value or nothing is bound.
    bool CommitCell(int row, int col);
    // The OK pass: commits the cells whose text differs from what the image
    // shows, so that untouched cells are never rewritten.
    void CommitChangedCells();
    // Actions 4 and 5 on one row.
    void CycleCell(int row, int col);

    // ---- gestures and in-place editing --------------------------------------
    int ActionOf(int col, Gesture gesture) const;
    struct EditStart {
        bool allowed = false;
        int maxLength = 0;
        std::string text;       // the editor's text (typed kinds)
        std::string comboList;  // "a|b|c" for the drop-down kind
    };
    // What the editor of a cell starts with; views adjust it by their hook.
    EditStart BeginEdit(int row, int col) const;
    std::function<void(int row, int col, EditStart&)> adjustEdit;
    // A key typed in the editor: 0 drops it. Backspace, Enter and Escape pass,
    // Tab is dropped, the rest goes through the view's filter.
    char32_t FilterKey(int col, char32_t key) const;

    // ---- clipboard ------------------------------------------------------------
    std::string CopyCellText(int row, int col) const;
    // Selected rows' copy texts: cells joined by "\t", rows by "\n".
    std::string CopyRows(const std::vector<int>& rows) const;
    // A clipboard text into one cell; true when something was stored.
    bool PasteCell(int row, int col, std::string_view text);
    // Lines go to consecutive rows from `currentRow` (a text without "\n" to
    // every selected row); only lines with exactly Cols() fields are pasted.
    void PasteRows(std::string_view text, int currentRow, const std::vector<int>& selectedRows);

    // ---- widths and print ---------------------------------------------------
    std::vector<std::pair<int, int>> DefaultWidths() const;  // {generation, twips}
    // Header spans with hidden columns taken out.
    HeaderSpanRows PrintHeaderSpans() const;

  private:
    std::optional<std::uint32_t> Parse(int col, std::string_view text) const;
    CellValue Format(int record, int col) const;
    void FormatRow(int row);

    ViewSpec spec_;
    CloneImage* image_;
    int serviceMode_;
    std::vector<std::vector<std::string>> cells_;  // data rows only
    std::set<std::pair<int, int>> invalid_;
};

// Value of the list row after the one whose text is `text` (wrapping; the
// first row when none matches), nullopt for an empty list.
std::optional<std::int32_t> NextListValue(ItemList list, std::string_view text);
// The list's rows up to the end row.
ItemList ListRows(ItemList list);

}  // namespace GridView
