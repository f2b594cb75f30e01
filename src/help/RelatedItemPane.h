#pragma once
// The related-items pane of the main window: a two-column grid (names,
// values; row 0 the header) that lists the related items of the grid column
// or control the user is in.
#include <filesystem>
#include <memory>
#include <string_view>

#include "help/RelatedItems.h"
#include "ui/PaneFramework.h"

class CVSFlexGrid;

class CRelatedItem : public HPainBaseDlg {
  public:
    enum { IDD = 133, IDC_GRID = 1013 };

    // `file` is the related-items file, shared by every pane of the program.
    explicit CRelatedItem(std::shared_ptr<RelatedItemsFile> file);

    // The related items of a control (control key 5300) of a dialog.
    void ShowForControl(std::string_view elementName, int dialogId);
    // The related items of a grid column (control key 4300 + column).
    void ShowForGridColumn(int dialogId, int column);
    void ShowForRID(int dialogId, int controlKey, std::string_view elementName, int sub);

    CVSFlexGrid* Grid() const { return grid_; }

    // The program's related-items file at `path`: one reader for every pane.
    static std::shared_ptr<RelatedItemsFile> ProgramFile(const std::filesystem::path& path);

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;

  private:
    void FillColumn(std::string_view text, int column);
    void OnCharHook(wxKeyEvent& event);

    std::shared_ptr<RelatedItemsFile> file_;
    CVSFlexGrid* grid_ = nullptr;
};
