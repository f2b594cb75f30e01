#pragma once
// The frame of the tone-system windows: views stacked in four rows of an
// outer splitter (row 1 split in two columns by an inner splitter) with the
// help topic pane in the last row. It keeps every row at least at its
// minimum height when the window is resized, lets the caller hide and show a
// row, moves the focus between the panes with Tab and answers F1 with the
// topic of the focused control.
#include <wx/panel.h>

#include <functional>
#include <map>
#include <vector>

#include "help/SplitterLayout.h"

// A static splitter of rows x cols panes with draggable bars. Rows keep the
// arithmetic of SplitterLayout; columns take ideal widths likewise.
class CHelpSplitterWnd : public wxPanel {
  public:
    static constexpr int BarSize = 6;
    // Hit codes of HitTest: the bar below row b, the bar right of column c.
    static constexpr int NoHit = 0, RowBarHit = 101, ColumnBarHit = 201;

    CHelpSplitterWnd(wxWindow* parent, wxWindowID id, int rows, int cols);

    int Rows() const { return static_cast<int>(rows_.size()); }
    int Cols() const { return static_cast<int>(cols_.size()); }
    void SetPane(int row, int col, wxWindow* pane);
    wxWindow* GetPane(int row, int col) const;

    void SetRowInfo(int row, int ideal, int minimum);
    void GetRowInfo(int row, int& current, int& minimum) const;
    void SetColumnInfo(int col, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    std::vector<SplitterRow>& RowData() { return rows_; }
    const std::vector<SplitterRow>& RowData() const { return rows_; }
    // Lays the panes out by the ideal sizes.
    void RecalcLayout();

    // Fixed rows: row -> bar index. The bar below row b cannot be dragged
    // while b is one of the values.
    std::map<int, int>& FixedRows() { return fixedRows_; }

    // The hit code of a point in client coordinates.
    int HitTest(const wxPoint& point) const;
    // Drags of a bar (the row height or column width it is dragged to).
    void TrackRowSize(int height, int row);
    void TrackColumnSize(int x, int col);

  private:
    void OnSize(wxSizeEvent& event);
    void OnMouse(wxMouseEvent& event);
    void OnPaint(wxPaintEvent& event);
    int RowTop(int row) const;
    int ColLeft(int col) const;

    std::vector<SplitterRow> rows_, cols_;
    std::vector<wxWindow*> panes_;
    std::map<int, int> fixedRows_;
    int dragging_ = NoHit;
    int grab_ = 0;
};

class CHelpFrameWnd : public wxPanel {
  public:
    // One view of the frame: its window id, how it is made, where it lies
    // and its heights. Key 4 is the help row's pane.
    struct PaneEntry {
        int paneId = 0;
        std::function<wxWindow*(wxWindow* parent, int paneId)> make;
        int outerRow = 0, row = 0, col = 0;
        int minimum = 0, ideal = 0;
    };
    static constexpr int HelpPaneKey = 4;

    // `helpDialogId`: the dialog id under which F1 looks topics up.
    CHelpFrameWnd(int helpDialogId);
    // Fill before Create.
    std::map<int, PaneEntry>& Panes() { return panes_; }
    // Creates the splitters and the panes; false when one cannot be made.
    bool Create(wxWindow* parent, wxWindowID id = wxID_ANY, const wxSize& size = wxDefaultSize);

    wxWindow* GetPaneWindow(int key) const;
    // Hides or shows an outer row; a hidden row's bar `fixValue` is locked.
    void ShowPaneRow(int outerRow, int fixValue, bool show);
    void SetPaneState(int outerRow, int height);
    CHelpSplitterWnd* Outer() const { return outer_; }
    CHelpSplitterWnd* Inner() const { return inner_; }

    // Esc closes the owning window through this call.
    std::function<void()> OnCancel;

  private:
    void OnSize(wxSizeEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnHelp(wxHelpEvent& event);
    void ShowHelp();
    int PaneKeyOf(wxWindow* window) const;
    bool FocusPane(int key, bool backwards);

    int helpDialogId_;
    CHelpSplitterWnd* outer_ = nullptr;
    CHelpSplitterWnd* inner_ = nullptr;
    std::map<int, PaneEntry> panes_;
    std::map<int, CHelpSplitterWnd*> splitters_;
    std::map<int, int> hiddenHeight_;  // hidden outer row -> its height
    wxSize last_;
    bool lastSet_ = false;
};
