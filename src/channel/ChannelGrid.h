#pragma once
// ChannelList: the main window's channel grid pane (dialog 134, grid 1063).
// It shows the 16 channels of the chosen group, one row each, with a column
// per channel setting; the user edits cells in place, cycles them with Space,
// Enter or a double click, opens the per-channel popups from cells, and
// copies, pastes, cuts and inserts cells and whole channels. Every change is
// written at once into the image through the channel operations and the row
// is shown again from the image.
//
// How it plugs in: the main view creates it with the document's current
// image (HPainBaseView::SetPane(new ChannelList(image), ChannelList::IDD)),
// forwards the Edit commands to ExecuteCommand, shows or hides the View
// menu's column groups on Grid(), and receives the grid's context-menu event
// (wxEVT_CONTEXT_MENU rises from the pane with the point filled in) to show
// its Edit menu. The selected group comes from MainPaneHost().
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "channel/ChannelGridEditRules.h"
#include "channel/ChannelGridPrint.h"
#include "image/CloneImage.h"
#include "image/UiUtil.h"
#include "ui/PaneFramework.h"
#include "ui/VSFlexGrid.h"

class wxDialog;

class ChannelList : public HPainBaseDlg, public AutoGridWidth {
  public:
    enum { IDD = 134, IDC_GRID = 1063 };

    // Edit commands the pane answers (the program's command numbers). The
    // main menu's "CH Copy" and "CH Paste" copy and paste whole channels
    // whatever the current column.
    struct Command {
        static constexpr int Copy = 57634, Paste = 57637, Cut = 57635, ChCopy = 32891, ChPaste = 32892,
                             ChCut = 32894, ChInsert = 32895, ChNew = 32896, AssignToGroup = 32931,
                             SetPriority = 32932, CancelPriority = 32933;
    };

    // `image` is the image shown and edited; it outlives the pane.
    explicit ChannelList(CloneImage& image);
    ~ChannelList() override;

    CVSFlexGrid* Grid() const { return grid_; }
    CloneImage& Image() const { return image_; }

    // The group shown: the pane selector's choice when the main view exists,
    // else the group last given to ShowGroup.
    int ShownGroup() const;
    void ShowGroup(int group);
    // Called after every change the pane writes into the image.
    void SetOnImageChanged(std::function<void()> callback) { onImageChanged_ = std::move(callback); }

    // ---- pane operations ----------------------------------------------------
    int GetPaneKind() const override { return PaneKind::ChannelGrid; }
    void RefreshFromImage() override;
    void OnSelectionChanged() override;
    int GetColumnState(int column) const override;
    // True for a column the radio variant and mode lock away (the View menu
    // disables its group).
    bool IsColumnEditable(int column) const override;
    bool IsColumnHidden(int column) const;
    bool IsGridFocused() const override;
    void AddPaneMenuItems(std::vector<PaneMenuItem>& items) const override;
    void RestoreFocus() override;
    int GetRowIndex(int gridRow) const override { return ChannelOfRow(gridRow); }
    int GetCurrentIndex() const override;

    // ---- AutoGridWidth --------------------------------------------------------
    void FitColumnWidths() override;
    // Adds the channel grid to the pages that "Auto Grid Width" fits.
    static void RegisterGridPage();

    // ---- grid ------------------------------------------------------------------
    void BuildGrid();
    void RefreshAllRows();
    void RefreshRow(int row);
    void FillRow(int row);
    void RepaintCellColours();
    void RepaintSelection();
    // The channel of a grid row; -1 outside the data rows.
    int ChannelOfRow(int row) const;
    // Data rows selected, in selection order (the current row when none).
    std::vector<int> SelectedDataRows() const;

    // ---- gestures and editing --------------------------------------------------
    // Runs the column's action for a gesture on a data row; false when the
    // gesture is left to the grid.
    using Gesture = UiUtil::GridGesture;
    bool DoGesture(Gesture gesture, int row, int column);
    void SwapDcsPolarity(int row, int column);
    void OpenCellDialog(int row, int column);
    // The cell's text (already in the grid) is written into the image and
    // the row shown again from it.
    void CommitCellEdit(int row, int column);

    // ---- Edit commands -----------------------------------------------------------
    // False when the command is not the pane's. Commands act only while the
    // keyboard focus is in the grid.
    bool ExecuteCommand(int commandId);
    // The Edit command of a menu event's id (the program's id, or the same
    // shifted below 0x8000 as menus carry it); 0 for any other id.
    static int CommandOfMenuId(int menuId);

    // ---- printing ------------------------------------------------------------------
    // The next page of the channel table; true while more pages follow.
    bool GetHtml(std::string& out, bool withTitle);

    // Stores "Grid_Visible" and the column widths in section "CHSetting".
    void SaveSettings();

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;
    // The keyboard focus is in the grid or its editor.
    virtual bool HasGridFocus() const;

  private:
    void WriteHeaders();
    void ApplyColumnVisibility();
    void NotifyChanged();
    int FirstChannel() const;
    bool IsDataRow(int row) const;
    bool CellTakesInput(int row, int column) const;
    void RunAction(int action, int row, int column);
    void RefillPriorityRow(int oldPosition);
    void OpenDialog(ChannelGridEdit::CellDialog dialog, int row);
    // Runs the dialog `make` builds on a copy of the image; OK writes the
    // copy back and shows the row again.
    int RunOnCopy(int row, const std::function<std::unique_ptr<wxDialog>(CloneImage& copy)>& make);
    void OpenAniDialog(int row);

    // grid events
    void OnBeforeEdit(FlexGridEvent& event);
    void OnStartEdit(FlexGridEvent& event);
    void OnKeyPressEdit(FlexGridEvent& event);
    void OnAfterEdit(FlexGridEvent& event);
    void OnRowColChange(FlexGridEvent& event);
    void OnBeforeMouseDown(FlexGridEvent& event);
    void OnDoubleClick(FlexGridEvent& event);
    void OnClick(FlexGridEvent& event);
    void OnStartDrag(FlexGridEvent& event);
    void OnCompleteDrag(FlexGridEvent& event);
    void OnGridKeyDown(wxKeyEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    void OnHelp(wxHelpEvent& event);

    // edit commands
    void CopyCell();
    void PasteCell();
    void CopyChannels();
    void PasteChannels();
    void CutChannels();
    void InsertChannels();
    void NewChannel();
    void SetPriority();
    void CancelPriority();
    void AfterChannelMove();

    CloneImage& image_;
    CVSFlexGrid* grid_ = nullptr;
    int group_ = 0;
    int bindingCount_ = 16;
    int lastHelpColumn_ = -1;
    bool editorOpen_ = false;
    bool repainting_ = false;
    bool dragRestorePending_ = false;
    std::vector<int> dragRows_;
    std::unique_ptr<ChannelGridPrint::Printout> printout_;
    std::function<void()> onImageChanged_;
};
