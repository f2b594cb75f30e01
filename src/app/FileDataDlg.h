#pragma once
// The image editor: the image as a hexadecimal dump in a grid, every shown
// byte writable, a page edit with an up-down control and a jump to a named
// area or a typed radio address. It edits the image it is given; the
// command that opens it hands it a working copy and keeps the copy only on
// OK (`EditImage`).
#include <wx/dialog.h>

#include <cstdint>

#include "image/CloneImage.h"

class CVSFlexGrid;
class HEditBase;
class wxButton;
class wxChoice;
class wxRadioButton;
class UpDownCtrl;
class wxSpinEvent;

class CFileDataDlg : public wxDialog {
  public:
    enum {
        IDD = 604,
        IDC_GRID = 1013,
        IDC_JUMP = 1154,
        IDC_PAGE = 2301,
        IDC_UPDOWN = 2701,
        ID_JUMP_COMMAND = 32883,
    };
    static constexpr const char* SettingsSection = "BinaryEdit";

    CFileDataDlg(wxWindow* parent, CloneImage& image);

    // Runs the editor on a working copy of `image`; OK copies the copy back
    // and answers true, Cancel leaves `image` as it was.
    static bool EditImage(wxWindow* parent, CloneImage& image);

    CVSFlexGrid& Grid() const { return *grid_; }
    HEditBase& PageEdit() const { return *pageEdit_; }
    UpDownCtrl& UpDown() const { return *upDown_; }
    int CurrentPage() const { return currentPage_; }
    // The template's size, below which the window never goes.
    wxSize TemplateSize() const { return initialSize_; }

    // Opens the jump dialog (button and Ctrl+G).
    void OpenJump();

  private:
    void FillGrid();
    void SelectPage(int newPage);
    void OnPageText();
    void OnSpin(wxSpinEvent& event);
    void Close(int code);

    CloneImage& image_;
    CVSFlexGrid* grid_ = nullptr;
    HEditBase* pageEdit_ = nullptr;
    UpDownCtrl* upDown_ = nullptr;
    wxButton* ok_ = nullptr;
    wxSize initialSize_;
    int currentPage_ = -1;
};

// Moves the editor's grid to an area of the jump list or a typed address.
class CFileDataJumpDlg : public wxDialog {
  public:
    enum { IDD = 605, IDC_CAPTION = 1097, IDC_SELECT_BLOCK = 1070, IDC_ADDRESS_MODE = 1071, IDC_AREA = 2101,
           IDC_ADDRESS = 2301 };

    CFileDataJumpDlg(wxWindow* parent, CVSFlexGrid& grid);

    // The choices kept from one jump to the next while the program runs.
    struct Remembered {
        int mode = 1;         // 1 select block, 0 address
        int areaRow = -1;     // row of the area list; none at start
        std::int64_t address = -1;  // typed address; none at start
    };
    static Remembered& Choices();

    wxRadioButton& SelectBlock() const { return *selectBlock_; }
    wxRadioButton& AddressMode() const { return *addressMode_; }
    wxChoice& Area() const { return *area_; }
    HEditBase& Address() const { return *address_; }

  private:
    void ApplyMode(int mode);
    void OnOk();

    CVSFlexGrid& grid_;
    wxRadioButton* selectBlock_ = nullptr;
    wxRadioButton* addressMode_ = nullptr;
    wxChoice* area_ = nullptr;
    HEditBase* address_ = nullptr;
};
