#pragma once
// CToneGridView: the thin window half of the grid-view framework. It shows a
// GridView::GridViewModel in a CVSFlexGrid and turns the grid's keys, clicks,
// edits, clipboard commands and column widths into the model's operations.
// The views of the tone screens derive from it and add only the actions that
// are their own (popups, playback, drag and drop).
#include <wx/panel.h>

#include <functional>
#include <memory>
#include <string>

#include "tone/GridViewModel.h"
#include "ui/VSFlexGrid.h"

class wxMenu;

class CToneGridView : public wxPanel {
  public:
    // The row commands and the window's "Auto Grid Width" command of the
    // context menu (menu ids stay below 0x7fff).
    static constexpr int ID_ROW_COPY = 0x7E01, ID_ROW_PASTE = 0x7E02, ID_AUTO_GRID_WIDTH = 0x7E03;
    // `section`: where the column widths are kept; `formId`: the view's form,
    // for translation and help.
    CToneGridView(wxWindow* parent, const GridView::ViewSpec& spec, CloneImage& image, int gridId,
                  std::string section, int formId);
    ~CToneGridView() override;

    GridView::GridViewModel& Model() { return model_; }
    CVSFlexGrid& Grid() { return *grid_; }
    int GridId() const { return gridId_; }

    // Every cell from the image, hidden columns and pictures included.
    void RefreshGrid();
    void RefreshRow(int row);
    // The window's OK pass.
    virtual void CommitAllCells();
    // Edit commands: Copy and Paste work on rows while the current column is
    // the row number column.
    void Copy();
    void Paste();
    void RowCopy();
    void RowPaste();
    void AutoGridWidth();
    void SaveWidths();
    // Told the grid id and current column whenever the cursor moves or the
    // mouse is pressed while the grid has the focus (the system window shows
    // that column's help topic).
    void SetColumnHelp(std::function<void(int gridId, int column)> show) { columnHelp_ = std::move(show); }

  protected:
    // A gesture's action on a data row; false lets the grid go on with the
    // key. The base runs edit (2), cycle (4) and toggle (5).
    virtual bool RunAction(int action, int row, int col);
    // Drag and drop between views; the base does nothing. A view that is a
    // drag source answers true: a click on the number of a selected row then
    // starts dragging the selected rows.
    virtual bool IsDragSource() const { return false; }
    virtual void OnStartDrag(FlexGridEvent& event);
    virtual void OnDrop(FlexGridEvent& event);
    // The picture of a cell; the base shows the tick in checked check cells.
    virtual const wxBitmap* PictureOf(int row, int col, const std::string& text) const;
    // After a row was shown from the model: views whose rows have states of
    // their own (colours, locked cells) show them here.
    virtual void RowShown(int /*row*/) {}
    void ShowRowFromModel(int row);

    GridView::GridViewModel model_;
    CVSFlexGrid* grid_ = nullptr;

  private:
    void Setup();
    void Gesture(GridView::Gesture gesture, int row, int col);
    void OnGridKey(wxKeyEvent& event);
    std::vector<int> SelectedDataRows() const;
    void TellColumnHelp();

    int gridId_;
    std::string section_;
    int formId_;
    bool widthsSaved_ = false;
    std::function<void(int, int)> columnHelp_;
};

// The context menu of the tone grids: Row Copy, Row Paste, Copy, Paste and
// Auto Grid Width; the row commands are greyed where the screen has none.
void AppendToneGridMenu(wxMenu& menu, bool rowCommands);

// The tick of the check cells and the play mark of sample cells.
const wxBitmap& ToneTickPicture();
const wxBitmap& TonePlayPicture();
