#pragma once
// A grid view of the tone screens in the printed document. It prints from a
// model over the printed image, without a window: the grid's data rows in
// parts of a fixed number of rows, check cells as "v" and "-", hidden and
// unprinted columns left out, and the header rows with the view's spans
// corrected for those columns. A title table in square brackets may open the
// first part.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tone/GridViewModel.h"
#include "ui/PrintableScreen.h"

class ToneGridPrintScreen : public PrintableScreen {
  public:
    struct Options {
        int formId = 0;
        std::string title;     // empty: no title table
        int rowsPerPart = 32;
        std::vector<int> notPrinted;  // columns never printed
        PrintCache* cache = nullptr;  // the class cache of the view
    };
    ToneGridPrintScreen(const CloneImage& image, const std::function<GridView::ViewSpec(const CloneImage&)>& spec,
                        Options options);

    std::string& GetHtml(std::string& out, PrintContext context, bool* moreToCome, bool createHidden) override;
    std::string& GridHeaderHtml(std::string& out, PrintGrid& grid) override;
    std::string WindowText() const override { return options_.title; }
    bool IsDialog() const override { return false; }

  protected:
    PrintCache& ClassCache() override { return *options_.cache; }

  private:
    bool Printed(int col) const;

    CloneImage image_;
    Options options_;
    std::unique_ptr<GridView::GridViewModel> model_;
    int part_ = 0;
};

// The title table of a printed screen: "[title]" in one header cell.
std::string PrintTitleTable(const std::string& title);
