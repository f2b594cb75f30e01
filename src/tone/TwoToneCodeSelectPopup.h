#pragma once
// C2ToneCodeSelectPopup: chooses the tone code of one encode or decode record
// from the ten tones of the 2-tone tone table, each shown with its frequency.
// It writes the chosen code into the image it is given, only on OK, and a list
// without a selection writes nothing.
#include <wx/dialog.h>

#include "image/CloneImage.h"

class wxListBox;

class C2ToneCodeSelectPopup : public wxDialog {
  public:
    enum { IDD = 227, IDC_LIST = 1153 };
    // Column kinds: 7/8 encode 1st/2nd tone, 9/10 decode 1st/2nd tone.
    C2ToneCodeSelectPopup(wxWindow* parent, CloneImage& image, int record, int kind);

    // The field the kind names for the record.
    static std::size_t FieldOffset(int kind, int record);
    wxListBox* List() const { return list_; }

  private:
    void OnOk();

    CloneImage& image_;
    int record_, kind_;
    wxListBox* list_ = nullptr;
    // A row matched the stored code, or the user picked one. (A list box may
    // select its first row by itself when it takes the focus.)
    bool chosen_ = false;
    bool userActed_ = false;
};
