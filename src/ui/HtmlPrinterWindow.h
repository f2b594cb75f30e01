#pragma once
// The window half of the HTML printer: the "Please wait..." window shown
// while a document is built, and the points where tests stand in for the
// modal dialogs.
#include <wx/html/htmprint.h>

#include <functional>
#include <string>

class wxDialog;
class wxGauge;
class wxPageSetupDialogData;

// The base size of the printed fonts; the document's texts are the smallest
// HTML size of it.
inline constexpr int PrintFontSize = 10;

// A printout that shrinks the document to the page's width, as a browser
// prints: the table of every channel column is wider than a page at the
// document's font size. It never asks the user anything while preparing.
class FitPagePrintout : public wxHtmlPrintout {
  public:
    // `html` as HtmlForRendering gives it; margins from `setup` (null: the
    // printout's defaults).
    FitPagePrintout(const wxString& title, const wxString& html, const wxString& fontName,
                    const wxPageSetupDialogData* setup = nullptr);
    void OnPreparePrinting() override;
    // Draws a page at the shrunk scale whatever page size the caller set
    // since the preparation (the preview sets its real page before each page).
    bool OnPrintPage(int page) override;
    // Before the pages are counted no page range is given, so the print
    // dialog offers every page; afterwards the base's pages.
    void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;
    // How much the page was shrunk (1 when the document fits).
    double Shrink() const { return shrink_; }

  protected:
    bool CheckFit(const wxSize& pageArea, const wxSize& docArea) const override;

  private:
    // Measures the document on the printout's DC and counts the pages.
    void LayOut();

    wxString html_, fontName_;
    float top_ = 25.2f, bottom_ = 25.2f, left_ = 25.2f, right_ = 25.2f;
    wxSize realPage_;
    wxSize shrunkPage_;
    double shrink_ = 1.0;
    bool prepared_ = false;
};

// The progress window (template 622): shown at construction, stepped by the
// command (the steps of a command add up to 100), closed by Stop or at the
// end of its life. It lives on the user-interface thread and is drawn
// between the steps.
class PrintProgress {
  public:
    PrintProgress();
    ~PrintProgress();
    PrintProgress(const PrintProgress&) = delete;
    PrintProgress& operator=(const PrintProgress&) = delete;

    void Step(int delta);
    void Stop();
    bool IsShown() const;
    int Position() const { return position_; }

  private:
    void Paint();

    wxDialog* dialog_ = nullptr;
    wxGauge* gauge_ = nullptr;
    int position_ = 0;
};

// The save dialog's filter, in the program's own notation.
inline constexpr const char* ExportFilter = "Html Files(*.html)|*.html||";

struct PrintHooks {
    // Stands in for the export's save dialog: the chosen path, "" for Cancel.
    std::function<std::string(const std::string& lastFolder)> chooseExportPath;
    // Called just before the engine's modal print or page setup dialog
    // ("print", "page setup"); false leaves the dialog out.
    std::function<bool(const char* what)> beforeModal;

    static PrintHooks& Current();
};
