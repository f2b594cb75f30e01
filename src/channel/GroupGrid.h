#pragma once
// The group grid pane (template 140): the member slots of the group chosen
// in the pane selector, one row per slot, with the member channel's
// bandwidth, name tag and frequencies. A channel number typed, dropped,
// pasted or assigned into a slot is stored at once; the bandwidth and
// transmit switches change the member channel; "Info" opens the channel
// information dialog on a copy of the image.
#include <functional>
#include <string>
#include <vector>

#include "channel/GroupGridRules.h"
#include "image/CloneImage.h"
#include "ui/PaneFramework.h"
#include "ui/PrintableScreen.h"

class CVSFlexGrid;
class FlexGridEvent;
class wxBitmap;
class wxKeyEvent;

// The check mark of the group screens' mark cells.
const wxBitmap& ZoneCheckPicture();

class CZoneList : public HPainBaseDlg, public PrintableScreen, public AutoGridWidth {
  public:
    enum { IDD = ZoneGrid::DialogId, IDC_GRID = ZoneGrid::GridControlId };
    // Context-menu entries of the grid.
    enum { ID_ROW_COPY = 32873, ID_ROW_PASTE = 32872 };

    explicit CZoneList(CloneImage& image);
    ~CZoneList() override;

    // HPainBaseDlg
    void RefreshFromImage() override;
    void RebuildGrid() override;
    int GetRowIndex(int gridRow) const override;
    int GetCurrentIndex() const override;
    int GetColumnState(int column) const override { return ZoneGrid::ColumnState(column); }
    void UpdateGridRow(int row, int flag) override;
    bool IsFirstSelectedChannelEmpty() const override;
    void AssignChannelToSelection(int channel) override;
    void OnIndexChanged(int index) override;
    bool IsGridFocused() const override;
    void AddPaneMenuItems(std::vector<PaneMenuItem>& items) const override;
    void RestoreFocus() override;

    // AutoGridWidth
    void FitColumnWidths() override;
    // Adds the group grid to the pages "Auto Grid Width" builds and fits.
    static void RegisterGridPage();

    // PrintableScreen: the group's table.
    std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome,
                         bool createHidden) override;

    CVSFlexGrid* Grid() const { return grid_; }
    // The group shown: the pane selector's, or the one set here when no main
    // view exists.
    int Group() const;
    void SetGroup(int group);
    int SlotOfRow(int gridRow) const { return gridRow - ZoneGrid::HeaderRows; }

    // The gestures of a data cell: 0 Space, 1 double click, 2 Enter.
    void Gesture(int kind, int row, int col);
    void RowCopy();
    void RowPaste();
    void Copy();
    void Paste();
    // Delete: Row Paste, then the selection marks go.
    void DeleteRows();
    // A drop of the shared drag record on grid row `row`.
    void DropOn(int row);
    // Told after every change the pane stores in the image.
    void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;
    PrintCache& ClassCache() override { return CacheOf<CZoneList>(); }

  private:
    void FillRow(int row);
    void Changed();
    std::vector<int> SelectedDataRows() const;
    // Runs `operation` on each run of consecutive selected slots (the last
    // run first), then shows the group again.
    void ForEachSelectedRun(void (*operation)(CloneImage&, int group, int first, int last));
    void TellHelp();
    void OpenInfo(int row);

    void OnStartEdit(FlexGridEvent& event);
    void OnKeyPressEdit(FlexGridEvent& event);
    void OnKeyDownEdit(FlexGridEvent& event);
    void OnAfterEdit(FlexGridEvent& event);
    void OnSelChange(FlexGridEvent& event);
    void OnStartDrag(FlexGridEvent& event);
    void OnDrop(FlexGridEvent& event);
    void OnCompleteDrag(FlexGridEvent& event);
    void OnGridKey(wxKeyEvent& event);

    CloneImage& image_;
    CVSFlexGrid* grid_ = nullptr;
    int group_ = 0;
    int lastEditKey_ = 0;
    bool inSelChange_ = false;
    std::function<void()> changed_;
};
