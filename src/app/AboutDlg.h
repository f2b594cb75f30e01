#pragma once
// The About box (dialog 100): the program's version, the product line and a
// link to the maker's web page.
#include <wx/dialog.h>

class CAbout : public wxDialog {
  public:
    enum {
        IDD = 100,
        IDC_VERSION = 3202,
        IDC_MARKET = 2001,
        IDC_PRODUCT = 2002,
        IDC_LINK = 2003,
        IDC_COMPANY = 2004,
        IDC_YEAR = 2005,
        IDC_RIGHTS = 2006,
    };
    static constexpr const char* LinkAddress = "https://www.talvick.example/pardex";

    explicit CAbout(wxWindow* parent);
};
