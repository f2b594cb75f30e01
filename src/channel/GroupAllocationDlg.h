#pragma once
// "Group Allocation" (template 601): which channel sits at which position of
// each group, with the groups' tags and Group Scan flags and the members'
// "SC" and "P" marks, in one grid. The dialog edits a model of the allocation
// and writes it into the image only on OK; Cancel leaves the image as it was.
// It also prints the allocation in pages of four groups.
#include <wx/dialog.h>

#include <functional>
#include <memory>

#include "channel/GroupAllocationModel.h"
#include "channel/GroupAllocationPrint.h"
#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

class CVSFlexGrid;
class FlexGridEvent;
class wxKeyEvent;

class CZoneAllocationDlg : public wxDialog, public PrintableScreen {
  public:
    enum {
        IDD = 601,
        IDC_GRID = 1013,
        IDC_ONE_GROUP_CAPTION = 2001,
        IDC_ONE_GROUP_MODE = 2101,
        IDC_CANCEL = 1096,
        IDC_HELP = 2450,
    };
    static constexpr const char* SettingsSection = "ZoneAllocation";

    // `image` is the working copy the dialog writes into on OK; for printing,
    // the image being printed. The window is made by Create (or Run).
    explicit CZoneAllocationDlg(CloneImage& image);
    ~CZoneAllocationDlg() override;

    // Makes the window; false when it cannot be made.
    bool Create(wxWindow* parent);
    // Creates the window and runs it modally; wxID_OK after the model was
    // stored into the image.
    int Run(wxWindow* parent);
    // The "&Group Allocation" command on the main window's working copy: true
    // when the dialog ended with OK and wrote the copy.
    static bool Edit(wxWindow* parent, CloneImage& working);
    using ModalRunner = std::function<int(CZoneAllocationDlg& dialog)>;
    static void SetModalRunner(ModalRunner runner);

    zone_allocation_grid& Model() { return *model_; }
    CVSFlexGrid* Grid() const { return grid_; }

    // OK: stores the model and closes; Cancel closes.
    void OnOK();
    void OnCancel();

    // The gestures of the current cell and of the grid's clipboard commands.
    void Activate(int row, int col);
    void CopyCell();
    void PasteCell();
    // Shows the model in the grid again.
    void RenderGrid();

    // PrintableScreen: one page of up to four groups per call.
    std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome,
                         bool createHidden) override;
    bool IsDialog() const override { return true; }
    std::string WindowText() const override { return "Group Allocation"; }
    bool CreateForPrint() override { return true; }

  protected:
    PrintCache& ClassCache() override { return CacheOf<CZoneAllocationDlg>(); }

  private:
    void BuildGrid();
    ZoneAllocation::Cell CellAt(int row, int col) const;
    void OnStartEdit(FlexGridEvent& event);
    void OnKeyPressEdit(FlexGridEvent& event);
    void OnAfterEdit(FlexGridEvent& event);
    void OnGridKey(wxKeyEvent& event);
    void OnHelp();
    void SavePlacement();

    CloneImage& image_;
    std::unique_ptr<zone_allocation_grid> model_;
    std::unique_ptr<ZoneAllocationPrinter> printer_;
    CVSFlexGrid* grid_ = nullptr;
    int printPage_ = 0;
};
