#pragma once
// The list popup that grid cells open to choose a value (template 227): the
// rows of an item list in a list box; OK returns the chosen row's index.
#include <wx/dialog.h>

#include <cstdint>
#include <optional>
#include <string>

#include "image/ItemList.h"

class wxListBox;
class wxButton;

class CPopupDlg : public wxDialog {
  public:
    enum { IDD = 227, IDC_LIST = 1153, IDC_OK = 1, IDC_CANCEL = 1096 };

    // Builds the dialog and runs it; on OK the chosen row's index goes to
    // `out` (untouched otherwise). Returns the modal result (wxID_OK or
    // wxID_CANCEL).
    static int Popup(wxWindow* parent, const std::string& caption, ItemList list, std::int32_t current,
                     std::optional<wxSize> size, int& out, int key = 0);

    // `key`: the RID the caller opens the popup for (0: the popup's own,
    // (0, 227, 0)). F1 opens its help topic, and its sub-index is the one
    // the popup's texts and rows are translated under, so the same list
    // can read differently for each caller.
    CPopupDlg(wxWindow* parent, const std::string& caption, ItemList list, std::int32_t current,
              std::optional<wxSize> size = std::nullopt, int key = 0);

    // The row index chosen by OK, -1 before.
    int Chosen() const { return chosen_; }
    wxListBox* List() const { return list_; }
    wxButton* OkButton() const { return ok_; }
    // OK as the button does it: closes only with a row chosen.
    bool TryOk();

  private:
    void UpdateOk();
    long SelectedData() const;

    ItemList items_;
    std::int32_t current_;
    int key_;
    int chosen_ = -1;
    wxListBox* list_ = nullptr;
    wxButton* ok_ = nullptr;
};
