#pragma once
// The group allocation in the printed and exported HTML document. The grid is
// printed in pages of up to four groups side by side; groups that are not
// valid (their bit in the group valid bitmap set) are left out. Each page is a
// table with the three title rows ("Group No.", "Group TAG" unless hidden,
// "Group Scan"), the "Position" row and every position row of the grid. Mark
// cells print "v" when on and "-" when off; an empty cell prints "-".
#include <string>
#include <string_view>

#include "channel/GroupAllocationModel.h"
#include "image/CloneImage.h"

class ZoneAllocationPrinter {
  public:
    // Builds the model from `image`, the image being printed.
    explicit ZoneAllocationPrinter(const CloneImage& image);
    ZoneAllocationPrinter(const zone_allocation_grid& model, const CloneImage& image);

    // The heading table: "[" + the dialog's window text + "]".
    static std::string TitleHtml(std::string_view windowText);

    // Appends page `page` (0 starts again from group 1) to `out`, after the
    // heading when `withTitle`. Answers whether groups remain for a further
    // page.
    bool GetHtml(std::string& out, int page, bool withTitle,
                 std::string_view windowText = "Group Allocation");

    // The table of the given groups (at most four, left to right).
    std::string GridTableHtml(const int* groups, int count) const;

  private:
    bool IsPrintedGroup(int group) const;
    bool IsPrintableColumn(int col, const int* groups, int count) const;
    std::string PrintText(int row, int col) const;

    zone_allocation_grid model_;
    bool groupValid_[ZoneAllocation::Groups] = {};
    int cursor_ = 0;
};
