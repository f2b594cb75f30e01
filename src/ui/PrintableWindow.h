#pragma once
// The window half of the printable screens: a CVSFlexGrid seen as a
// PrintGrid, so grid screens print the grid they show.
#include "ui/PrintableScreen.h"

class CVSFlexGrid;

class FlexPrintGrid : public PrintGrid {
  public:
    explicit FlexPrintGrid(CVSFlexGrid& grid) : grid_(grid) {}
    int HeaderRows() const override;
    int Rows() const override;
    int Cols() const override;
    bool ColHidden(int col) const override;
    std::string Text(int row, int col) const override;
    void SetText(int row, int col, std::string_view text) override;

  private:
    CVSFlexGrid& grid_;
};
