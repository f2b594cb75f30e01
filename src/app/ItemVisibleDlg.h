#pragma once
// "Visible": the user ticks which of the channel grid's optional columns are
// shown. Thirty check boxes (2201-2230), one per column record the caller
// passes; rows without a record are hidden. A record whose menu entry is
// greyed shows a disabled box that keeps its state.
#include <wx/dialog.h>

#include <cstdint>
#include <string>
#include <vector>

#include "image/ItemList.h"

class wxCheckBox;

class CItemVisible : public wxDialog {
  public:
    enum { IDD = 634, IDC_FIRST_BOX = 2201, RowCount = 30, IDC_GROUP = 3201 };

    // One optional column, built by the caller from its menu entry.
    struct Column {
        std::string text;      // the entry's menu text
        std::uint8_t shown;    // the column is visible
        std::uint8_t enabled;  // the entry may be changed
        std::int32_t commandId;
    };
    // Display names of the columns whose commands carry these ids.
    static const ItemList OptionalFeatures;

    // Binds the first min(count, 30) records to the rows.
    CItemVisible(wxWindow* parent, std::vector<Column>& columns);

    wxCheckBox* Box(int row) const;
    // The caption a record gets: its feature name, else its menu text.
    static std::string CaptionOf(const Column& column);

  private:
    void OnOk();

    std::vector<Column>& columns_;
    std::size_t used_;
};
