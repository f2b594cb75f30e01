#pragma once
// GTK's print surface without a printer or a dialog: a print operation that
// exports a PDF. Text measured there is measured as the printer measures it
// (unhinted, at the printer's resolution), whatever the screen does.
#include <wx/dc.h>
#include <wx/gtk/print.h>

#include <functional>
#include <string>

// The steps of the operation, as GTK calls them: once before the pages,
// then once per page (page from 0). No draw step: nothing is drawn.
struct PrintSurfaceSteps {
    std::function<void(GtkPrintOperation*, GtkPrintContext*)> begin;
    std::function<void(GtkPrintOperation*, GtkPrintContext*, int page)> draw;
};

// Runs the steps on a paper of `paperPixels` at `dpi`, writing the PDF to
// `pdfPath`. False when the operation failed.
bool RunOnPrintSurface(wxSize paperPixels, int dpi, const std::string& pdfPath,
                       const PrintSurfaceSteps& steps);

// Calls `use` with a printer DC of that surface (its size `paperPixels`),
// and stops the operation before any page. False when no DC could be made.
bool WithPrinterDC(wxSize paperPixels, int dpi, const std::function<void(wxDC&)>& use);
