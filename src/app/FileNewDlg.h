#pragma once
// The New dialog (dialog 603): the user picks the radio variant by frequency
// band and display; OK loads that variant's default data file into the
// document, which then has no path.
#include <wx/dialog.h>

#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "image/ItemList.h"

class CCloneEditorDoc;
class wxChoice;

namespace FileNew {

extern const ItemList BandList;     // 98 "VHF", 128 "UHF A", 131 "UHF D"
extern const ItemList ProductList;  // 2 "Portable"
extern const ItemList LcdList;      // 3 " ", 2 " ", 0 "None(ZT-610)", 2 "LCD(ZT-640)"
extern const ItemList KeypadList;   // 0 "No Key", 1 " 4 Key", 2 "16 Key"

// The band-table key of a band type and frequency type.
int BandCode(int bandType, int frequencyType);
int BandCode(const CloneImage& image);

// The keypad box after a band or LCD change: the keypad values offered, in
// order, and the position selected (-1: none).
struct KeypadChoice {
    std::vector<int> values;
    int selection = -1;
    bool operator==(const KeypadChoice&) const = default;
};
KeypadChoice KeypadFor(int lcdValue, int keypadValue);

// The default data file of the variant the four values name, "" when they
// name none. A keypad value of -1 (nothing chosen) counts as 3.
std::string DefaultFileFor(int bandValue, int productValue, int lcdValue, int keypadValue);

}  // namespace FileNew

class CFileNewDlg : public wxDialog {
  public:
    enum {
        IDD = 603,
        IDC_BAND_LABEL = 2001,
        IDC_PRODUCT_LABEL = 2002,
        IDC_LCD_LABEL = 2003,
        IDC_KEYPAD_LABEL = 2004,
        IDC_BAND = 2101,
        IDC_PRODUCT = 2102,
        IDC_LCD = 2103,
        IDC_KEYPAD = 2104,
        IDC_GROUP = 3202,
        IDC_HELP = 2450,
    };

    CFileNewDlg(wxWindow* parent, CCloneEditorDoc& document);

    wxChoice* Box(int id) const;
    // The selection change of the band and LCD boxes.
    void OnSelectionChange();
    // OK: asks to save a modified document, then loads the chosen variant's
    // default file; the dialog closes only when the load succeeded.
    bool TryOk();

  private:
    int Value(int id, ItemList list) const;

    CCloneEditorDoc& document_;
    CloneImage image_;
};
