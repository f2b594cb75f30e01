#pragma once
// CVSFlexGrid: the grid every grid screen shows its table in. It is a wxGrid
// with the operations and cell events the screens were written against:
// rows and columns counted from 0 with the fixed (header) rows and columns
// included, widths in twips, header rows whose equal neighbouring texts merge
// into one cell, per-cell pictures and colours, a drop-down list or a
// length-limited text editor per edit, and row drag and drop.
//
// Fixed rows and columns are ordinary cells shown in the header style,
// read-only, never the cursor cell, and frozen so they stay in view.
// Colours are 0x00BBGGRR values, as the screens' tables give them.
#include <wx/dnd.h>
#include <wx/grid.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "image/ItemList.h"

class FlexTextEditor;

// Draws a cell's text as wxGrid lays it out (lines stacked, each aligned on
// its own), measuring each distinct text once per font.
void DrawGridCellText(wxDC& dc, const wxString& text, const wxRect& rect, int horizAlign, int vertAlign);

// One event class for every cell event; the fields a handler may change to
// answer the grid are noted.
class FlexGridEvent : public wxCommandEvent {
  public:
    FlexGridEvent(wxEventType type = wxEVT_NULL, int id = 0) : wxCommandEvent(type, id) {}
    wxEvent* Clone() const override { return new FlexGridEvent(*this); }

    int row = -1, col = -1;
    bool cancel = false;           // before/start edit, before mouse down: true refuses
    int key = 0;                   // key press / key down in the editor: 0 drops the key
    int shift = 0;                 // modifier state: 1 Shift, 2 Ctrl, 4 Alt
    int button = 0;                // mouse button: 1 left, 2 right
    int x = 0, y = 0;              // mouse position in the grid's client pixels
    int effect = 0;                // drag: allowed / resulting effect (0 none, 1 copy, 2 move)
    int oldRow = -1, oldCol = -1;  // row/col change: where the cursor was
};

// Dispatch ids of the events, as the screens' handler tables name them.
wxDECLARE_EVENT(FLEXGRID_SEL_CHANGE, FlexGridEvent);         // 1
wxDECLARE_EVENT(FLEXGRID_BEFORE_MOUSE_DOWN, FlexGridEvent);  // 5 (cancel)
wxDECLARE_EVENT(FLEXGRID_ROWCOL_CHANGE, FlexGridEvent);      // 9 (oldRow, oldCol, row, col)
wxDECLARE_EVENT(FLEXGRID_BEFORE_EDIT, FlexGridEvent);        // 21 (cancel)
wxDECLARE_EVENT(FLEXGRID_START_EDIT, FlexGridEvent);         // 22 (cancel)
wxDECLARE_EVENT(FLEXGRID_AFTER_EDIT, FlexGridEvent);         // 24
wxDECLARE_EVENT(FLEXGRID_KEY_PRESS_EDIT, FlexGridEvent);     // 25 (key)
wxDECLARE_EVENT(FLEXGRID_KEY_DOWN_EDIT, FlexGridEvent);      // 26 (key, shift)
wxDECLARE_EVENT(FLEXGRID_START_DRAG, FlexGridEvent);         // 37 (effect)
wxDECLARE_EVENT(FLEXGRID_COMPLETE_DRAG, FlexGridEvent);      // 40 (effect)
wxDECLARE_EVENT(FLEXGRID_DRAG_DROP, FlexGridEvent);          // 42 (effect, button, shift, x, y)
wxDECLARE_EVENT(FLEXGRID_CLICK, FlexGridEvent);              // -600
wxDECLARE_EVENT(FLEXGRID_DBL_CLICK, FlexGridEvent);          // -601

// Cell property settings of the range put.
namespace FlexCellSetting {
inline constexpr int Text = 0, Alignment = 2, Picture = 3, PictureAlignment = 4, Checked = 5, BackColor = 6,
                     ForeColor = 7;
}
// Alignments: left/centre/right by top/centre/bottom, 9 general.
namespace FlexAlign {
inline constexpr int LeftTop = 0, LeftCenter = 1, LeftBottom = 2, CenterTop = 3, CenterCenter = 4,
                     CenterBottom = 5, RightTop = 6, RightCenter = 7, RightBottom = 8, General = 9;
}

class CVSFlexGrid : public wxGrid {
  public:
    CVSFlexGrid() = default;
    CVSFlexGrid(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);
    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize);
    ~CVSFlexGrid() override;

    // ---- shape (7, 8, 11, 12, 189) --------------------------------------
    int GetRows() const { return GetNumberRows(); }
    void SetRows(int rows);
    int GetCols() const { return GetNumberCols(); }
    void SetCols(int cols);
    int GetFixedRows() const { return fixedRows_; }
    void SetFixedRows(int rows);
    int GetFixedCols() const { return fixedCols_; }
    void SetFixedCols(int cols);
    // Leading columns, counted from column 0, that stay in view.
    void SetFrozenCols(int cols);
    int GetFrozenCols() const { return frozenCols_; }

    // ---- cursor, scrolling, mouse (13, 14, 17, 18, 33, 34) --------------
    int GetRow() const { return GetGridCursorRow(); }
    void SetRow(int row);
    int GetCol() const { return GetGridCursorCol(); }
    void SetCol(int col);
    void SetTopRow(int row);
    void SetLeftCol(int col);
    int GetMouseRow() const { return mouseRow_; }
    int GetMouseCol() const { return mouseCol_; }

    // ---- text (130) -----------------------------------------------------
    std::string GetTextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string_view text);

    // ---- redraw switch (31) ---------------------------------------------
    void SetRedraw(bool on);
    bool GetRedraw() const { return redraw_; }

    // ---- font (1, 2) ----------------------------------------------------
    std::string GetFontName() const;
    void SetFontName(std::string_view face);
    // The grid's sizes in twips are made for text of DesignFontPoints; a
    // larger font (the 125 % and 150 % font rates) widens the columns and
    // heightens the rows by as much, and the twips read back stay those of
    // the design size, so saved widths do not depend on the rate.
    static constexpr double DesignFontPoints = 8.25;
    void SetFontSize(double points);
    double SizeScale() const { return scale_; }

    // ---- merging (62, 122, 123) -----------------------------------------
    void SetMergeCells(int mode);
    void SetMergeRow(int row, bool merge);
    void SetMergeCol(int col, bool merge);
    // The merged header cells now in force.
    struct MergedCell {
        int row, col, rows, cols;
    };
    std::vector<MergedCell> GetMergedCells() const;

    // ---- editor (45, 72, 91, 113, 114, 116, 132, 200) ------------------
    void SetColorProperty45(std::uint32_t colorref) { editorBack_ = colorref; }
    void SetComboList(std::string_view list) { comboList_ = list; }
    std::string GetComboList() const { return comboList_; }
    void SetComboListFromItems(ItemList list);
    std::string GetStringProperty91() const;  // text in the open editor
    void SetStringProperty91(std::string_view text);
    int GetEditSelStart() const;
    void SetEditSelStart(int start);
    int GetEditSelLength() const;
    void SetEditSelLength(int length);
    void SetEditMaxLength(int length) { editMaxLength_ = length; }
    int GetEditMaxLength() const { return editMaxLength_; }
    void EditCell();
    // Non-zero while a cell editor is open (and while its edit is committed).
    int GetProperty200() const;

    // ---- sizes (119, 120, 121, 138, 147, 173) ---------------------------
    int GetColWidthTwips(int col) const;
    void SetColWidthTwips(int col, int twips);
    int GetRowHeightTwips(int row) const;
    void SetRowHeightTwips(int row, int twips);
    void SetMinColWidthTwips(int twips);
    // Header alignment (119) and data alignment (138) of a column.
    void SetColHeaderAlignment(int col, int flexAlign);
    void SetColDataAlignment(int col, int flexAlign);
    // Fits the widths of columns first..last (-1: to the last) to their texts.
    void AutoSizeColumns(int first, int last = -1, bool equal = false, int extraTwips = 0);

    // ---- visibility (139, 140, 171, 172) --------------------------------
    bool IsRowInView(int row) const;
    bool IsColInView(int col) const;
    bool GetRowHidden(int row) const { return !IsRowShown(row); }
    void SetRowHidden(int row, bool hidden);
    bool GetColHidden(int col) const { return !IsColShown(col); }
    void SetColHidden(int col, bool hidden);

    // ---- selection (143, 150, 167, 168) ---------------------------------
    // The row's selected state.
    bool GetRowFlag143(int row) const;
    void SetRowFlag143(int row, bool selected);
    int GetProperty167() const;              // number of selected rows
    int GetIndexedProperty168(int i) const;  // grid row of the i-th selected row
    std::vector<int> SelectedRows() const;
    // Starts a drag of the selected rows.
    void InvokeMethod150();
    // For a press that the screen took (cancelled in its before-mouse-down
    // handler) and that may become a drag of the selected rows: while the
    // button stays down the grid ignores the pointer, so the selection is not
    // extended, and the drag starts on the first move beyond the system's drag
    // threshold. A release before that ends the gesture without a drag.
    void ArmRowDrag();
    bool IsRowDragArmed() const { return dragArmed_; }

    // ---- cell ranges (158) ----------------------------------------------
    void SetCellRangeText(int row1, int col1, int row2, int col2, std::string_view text);
    void SetCellRangeAlignment(int row1, int col1, int row2, int col2, int flexAlign);
    void SetCellRangePicture(int row1, int col1, int row2, int col2, const wxBitmap* picture);
    void SetCellRangePictureAlignment(int row1, int col1, int row2, int col2, int flexAlign);
    void SetCellRangeBackColor(int row1, int col1, int row2, int col2, std::uint32_t colorref);
    void SetCellRangeForeColor(int row1, int col1, int row2, int col2, std::uint32_t colorref);
    // Check-box cells: 0 none, 1 checked, 2 unchecked.
    void SetCellRangeChecked(int row1, int col1, int row2, int col2, int state);
    int GetCellChecked(int row, int col) const;
    // The generic form: `value` is the colour, alignment or flag for the
    // numeric settings, `text` for the text setting, `picture` for pictures.
    void SetCellRangeProperty(int setting, int row1, int col1, int row2, int col2, long value,
                              std::string_view text = {}, const wxBitmap* picture = nullptr);
    const wxBitmap* GetCellPicture(int row, int col) const;
    std::uint32_t GetCellBackColor(int row, int col) const;
    std::uint32_t GetCellForeColor(int row, int col) const;

    // ---- drag and drop ---------------------------------------------------
    // Runs a drag for this grid; the default runs a real drag and drop. Tests
    // install one that drops on a grid of their choice.
    using DragDriver = std::function<wxDragResult(CVSFlexGrid& source)>;
    static void SetDragDriver(DragDriver driver);
    // A drop at (x, y) in this grid's client pixels: sets the mouse cell and
    // raises the drop event; returns the handler's effect.
    int RaiseDrop(int x, int y, int effect);

    // Colour conversion of the screens' 0x00BBGGRR values.
    static wxColour FromColorRef(std::uint32_t colorref);
    static std::uint32_t ToColorRef(const wxColour& colour);

  protected:
    // The line under a header row is not drawn where a header cell merges
    // down through it; the grid would draw it across the merged text.
    wxPen GetRowGridLinePen(int row) override;

  private:
    friend class FlexTextEditor;
    friend class FlexChoiceEditor;

    void Setup();
    void ApplyHeaderStyle();
    void UpdateFreeze();
    void RecomputeMerges();
    bool IsFixedCell(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }
    void ClampRange(int& row1, int& col1, int& row2, int& col2) const;
    template <class F>
    void ForRange(int row1, int col1, int row2, int col2, F f);
    FlexGridEvent MakeEvent(wxEventType type, int row, int col) const;
    bool Raise(FlexGridEvent& event);
    void ScheduleSelectionNotice();
    void NotifySelection();
    void SetCellPicture(int row, int col, const wxBitmap* picture);

    // wx events
    void OnEditorShown(wxGridEvent& event);
    void OnCellChanged(wxGridEvent& event);
    void OnSelectCell(wxGridEvent& event);
    void OnRangeSelected(wxGridRangeSelectEvent& event);
    void OnCellLeftClick(wxGridEvent& event);
    void OnCellRightClick(wxGridEvent& event);
    void OnCellDClick(wxGridEvent& event);
    void OnLabelClick(wxGridEvent& event);
    void OnEditorKeyDown(wxKeyEvent& event);
    void OnEditorChar(wxKeyEvent& event);
    void OnGridKeyDown(wxKeyEvent& event);
    void OnArmedMouse(wxMouseEvent& event);
    void DisarmRowDrag();
    std::vector<wxWindow*> CellWindows() const;
    void EnsureDataCursor();
    void FitHeaderRow(int row);
    void AfterEditDone(int row, int col);

    wxTextCtrl* EditorText() const;

    int fixedRows_ = 0, fixedCols_ = 0, frozenCols_ = 0;
    int mergeMode_ = 0;
    std::vector<bool> mergeRows_, mergeCols_;
    std::vector<MergedCell> merged_;
    bool redraw_ = true;
    int mouseRow_ = -1, mouseCol_ = -1;
    std::uint32_t editorBack_ = 0xFFFFFF;
    std::string comboList_;
    std::string activeComboList_;
    int editMaxLength_ = 0;
    int pendingSelStart_ = -1, pendingSelLength_ = -1;
    bool committing_ = false;
    bool commitPending_ = false;
    bool selectionNoticePending_ = false;
    int lastRow_ = -1, lastCol_ = -1;
    std::map<int, int> hiddenColWidths_;  // twips of hidden columns
    double scale_ = 1.0;                  // font size / DesignFontPoints
    int minColTwips_ = 0;
    int ScaledPixels(int twips) const;
    int DesignTwips(int pixels) const;
    std::map<std::pair<int, int>, wxBitmap> pictures_;
    std::map<std::pair<int, int>, int> pictureAlign_;
    std::map<std::pair<int, int>, int> checked_;
    FlexTextEditor* textEditor_ = nullptr;
    wxGridCellEditor* choiceEditor_ = nullptr;
    bool inDrag_ = false;
    bool dragArmed_ = false;
    wxPoint dragPressAt_;  // screen point of the armed press
    std::vector<wxWindow*> dragWatched_;

    static DragDriver dragDriver_;
};
