#pragma once
// The document's printout as a printer lays it out: A4 at 100 dpi, from a
// screen of 96 dpi, in the print language's font.
#include <wx/gdicmn.h>

#include <memory>
#include <string>

#include "image/CloneImage.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"
#include "ui/HtmlPrinterWindow.h"

constexpr int kA4Width = 827, kA4Height = 1169;  // pixels at 100 dpi

inline std::unique_ptr<FitPagePrintout> A4Printout(const CloneImage& image) {
    const std::string font = CurrentPrintLanguage().fontName;
    auto printout = std::make_unique<FitPagePrintout>(
        "page", wxString::FromUTF8(HtmlForRendering(HtmlPrinter::Instance().BuildHtml(image), font)),
        wxString::FromUTF8(font));
    printout->SetPPIScreen(96, 96);
    printout->SetPPIPrinter(100, 100);
    printout->SetPageSizePixels(kA4Width, kA4Height);
    printout->SetPageSizeMM(210, 297);
    printout->SetPaperRectPixels(wxRect(0, 0, kA4Width, kA4Height));
    return printout;
}
