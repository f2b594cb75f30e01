#include "app/AboutDlg.h"

#include <wx/button.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "app/VersionText.h"
#include "language/Language.h"

namespace {

wxString Translated(int control, const char* builtin) {
    return wxString::FromUTF8(TextByRid(MakeRID(0, CAbout::IDD, control), builtin));
}

}  // namespace

CAbout::CAbout(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, Translated(0, "About Pardex"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    auto* column = new wxBoxSizer(wxVERTICAL);

    // The version line's own text is the format of the version.
    wxString format = wxString::FromUTF8("Pardex Ver. %s");
    auto* version =
        new wxStaticText(this, IDC_VERSION, wxString::Format(format, wxString(ProgramVersionText())));
    wxFont big = GetFont();
    big.SetPixelSize(wxSize(0, 18));
    version->SetFont(big);

    auto* market = new wxStaticText(this, IDC_MARKET, Translated(IDC_MARKET, "EXP"));
    auto* product = new wxStaticText(this, IDC_PRODUCT,
                                     Translated(IDC_PRODUCT, "ZT-610/640 Series Programming Software"));
    auto* link = new wxHyperlinkCtrl(this, IDC_LINK, LinkAddress, LinkAddress);
    wxFont linkFont = big;
    linkFont.SetUnderlined(true);
    link->SetFont(linkFont);
    link->SetNormalColour(wxColour(0, 0, 255));
    auto* company = new wxStaticText(this, IDC_COMPANY, Translated(IDC_COMPANY, "Talvick"));
    auto* year = new wxStaticText(this, IDC_YEAR, Translated(IDC_YEAR, "Copyright (C) 2026"));
    auto* rights = new wxStaticText(this, IDC_RIGHTS, Translated(IDC_RIGHTS, "All rights reserved."));

    const auto flags = wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, 10);
    column->Add(version, flags);
    column->Add(market, flags);
    column->Add(product, flags);
    column->Add(link, flags);
    column->Add(company, flags);
    column->Add(year, flags);
    column->Add(rights, flags);
    column->Add(new wxButton(this, wxID_OK, Translated(1, "OK")), wxSizerFlags().Center().Border(wxALL, 10));
    SetSizerAndFit(column);
    CentreOnParent();
}
