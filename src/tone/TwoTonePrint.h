#pragma once
// The three 2-tone views in the printed document. Each prints from a model
// over the printed image, without a window: the grid's data rows with check
// cells as "v" and "-", hidden columns left out, and the header rows with
// the view's spans corrected for those columns.
#include <memory>

#include "tone/GridViewModel.h"
#include "ui/PrintableScreen.h"

class TwoTonePrintScreen : public PrintableScreen {
  public:
    // `key` 1 systems, 2 encode, 3 decode.
    TwoTonePrintScreen(const CloneImage& image, int key);

    std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome, bool createHidden) override;
    std::string& GridHeaderHtml(std::string& out, PrintGrid& grid) override;
    std::string WindowText() const override;
    bool IsDialog() const override { return false; }

    // Puts the three views into the printed document.
    static void Register();

  protected:
    PrintCache& ClassCache() override;

  private:
    CloneImage image_;
    int key_;
    GridView::GridViewModel model_;
};
