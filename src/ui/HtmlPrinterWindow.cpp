// The printer's commands: the progress window, the printing engine and the
// file dialog of the export.
#include "ui/HtmlPrinterWindow.h"

#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/gauge.h>
#include <wx/html/htmprint.h>
#include <wx/print.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>

#include "image/FileUtil.h"
#include "image/ImageHost.h"
#include "language/Language.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"
#include "ui/MessageService.h"
#include "ui/PrintSurface.h"

// ---- progress window ----------------------------------------------------------------

PrintProgress::PrintProgress() {
    // Template 622: a bar (1095) and a text (1101), owned by the desktop.
    dialog_ = new wxDialog(nullptr, 622, wxEmptyString, wxDefaultPosition, wxDefaultSize, wxCAPTION);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* text = new wxStaticText(dialog_, 1101, wxString::FromUTF8(TextByRid(33052, "Please wait...")));
    gauge_ = new wxGauge(dialog_, 1095, 100, wxDefaultPosition, wxSize(240, -1));
    sizer->Add(text, 0, wxALL, 10);
    sizer->Add(gauge_, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
    dialog_->SetSizerAndFit(sizer);
    dialog_->CentreOnScreen();
    dialog_->Show();
    Paint();
}

PrintProgress::~PrintProgress() {
    Stop();
}

void PrintProgress::Step(int delta) {
    if (!dialog_) return;
    position_ = std::min(100, position_ + delta);
    gauge_->SetValue(position_);
    Paint();
}

void PrintProgress::Stop() {
    if (!dialog_) return;
    dialog_->Hide();
    dialog_->Destroy();
    dialog_ = nullptr;
    gauge_ = nullptr;
}

bool PrintProgress::IsShown() const {
    return dialog_ && dialog_->IsShown();
}

void PrintProgress::Paint() {
    // The document is built on this thread: let the window draw itself
    // between the steps, without taking the user's input.
    dialog_->Update();
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
}

// ---- shrink to the page's width ---------------------------------------------------------

FitPagePrintout::FitPagePrintout(const wxString& title, const wxString& html, const wxString& fontName,
                                 const wxPageSetupDialogData* setup)
    : wxHtmlPrintout(title), html_(html), fontName_(fontName) {
    if (setup) {
        top_ = static_cast<float>(setup->GetMarginTopLeft().y);
        left_ = static_cast<float>(setup->GetMarginTopLeft().x);
        bottom_ = static_cast<float>(setup->GetMarginBottomRight().y);
        right_ = static_cast<float>(setup->GetMarginBottomRight().x);
    }
    SetMargins(top_, bottom_, left_, right_);
    SetStandardFonts(PrintFontSize, fontName_, fontName_);
    SetHtmlText(html_);
}

bool FitPagePrintout::CheckFit(const wxSize&, const wxSize&) const {
    return true;
}

void FitPagePrintout::OnPreparePrinting() {
    if (realPage_.x == 0) {
        GetPageSizePixels(&realPage_.x, &realPage_.y);
    } else {
        SetPageSizePixels(realPage_.x, realPage_.y);
    }
    if (IsPreview()) {
        // The preview draws into a bitmap of the screen, where text measures
        // (hinted at the zoomed size) differ from the printer's and page
        // breaks fall elsewhere: the document is laid out on the print
        // surface, at the printer's resolution, and the preview draws that
        // layout. The paper's millimetres are the printer's too (the preview
        // cuts them off, the printer rounds them: Letter is 215 or 216 mm).
        wxDC* shown = GetDC();
        int dpiX = 0, dpiY = 0;
        GetPPIPrinter(&dpiX, &dpiY);
        const bool laidOut = WithPrinterDC(realPage_, dpiY, [this](wxDC& printer) {
            int mmW = 0, mmH = 0;
            printer.GetSizeMM(&mmW, &mmH);
            SetPageSizeMM(mmW, mmH);
            SetDC(&printer);
            LayOut();
        });
        SetDC(shown);
        if (laidOut) return;
        SetPageSizePixels(realPage_.x, realPage_.y);
    }
    LayOut();
}

void FitPagePrintout::LayOut() {
    // The page is measured as the base class lays it out (the renderer's
    // scales for a typical 96 dpi screen); when the document is wider, the
    // page is declared larger by that much, so that the base class scales
    // everything it draws down onto the real page.
    shrink_ = 1.0;
    int mmW = 0, mmH = 0, ppiX = 0, ppiY = 0, screenX = 0, screenY = 0, dcW = 0, dcH = 0;
    GetPageSizeMM(&mmW, &mmH);
    GetPPIPrinter(&ppiX, &ppiY);
    GetPPIScreen(&screenX, &screenY);
    wxDC* dc = GetDC();
    if (dc && dc->IsOk()) dc->GetSize(&dcW, &dcH);
    const int width = mmW > 0 ? static_cast<int>(double(realPage_.x) / mmW * (mmW - left_ - right_)) : 0;
    const int height = mmH > 0 ? static_cast<int>(double(realPage_.y) / mmH * (mmH - top_ - bottom_)) : 0;
    if (width > 0 && height > 0 && ppiY > 0 && screenY > 0 && dcW > 0 && realPage_.y > 0) {
        dc->SetUserScale(double(dcW) / realPage_.x, double(dcH) / realPage_.y);
        wxHtmlDCRenderer probe;
        probe.SetDC(dc, ppiY / 96.0, double(ppiY) / screenY);
        probe.SetStandardFonts(PrintFontSize, fontName_, fontName_);
        probe.SetSize(width, height);
        probe.SetHtmlText(html_);
        const int total = probe.GetTotalWidth();
        if (total > width) {
            shrink_ = double(width) / total;
            shrunkPage_ = wxSize(static_cast<int>(std::ceil(realPage_.x / shrink_)),
                                 static_cast<int>(std::ceil(realPage_.y / shrink_)));
            SetPageSizePixels(shrunkPage_.x, shrunkPage_.y);
        }
    }
    wxHtmlPrintout::OnPreparePrinting();
    prepared_ = true;
}

bool FitPagePrintout::OnPrintPage(int page) {
    if (shrink_ < 1.0) SetPageSizePixels(shrunkPage_.x, shrunkPage_.y);
    return wxHtmlPrintout::OnPrintPage(page);
}

void FitPagePrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
    if (prepared_) {
        wxHtmlPrintout::GetPageInfo(minPage, maxPage, selPageFrom, selPageTo);
        return;
    }
    // The printer asks before it prepares the printout: a range here would
    // become the dialog's default ("page 1 to -1" printed one page).
    *minPage = 1;
    *maxPage = 0;
    *selPageFrom = 0;
    *selPageTo = 0;
}

// The engine makes its printouts as FitPagePrintout of the text it is given.
class FitPageEasyPrinting : public wxHtmlEasyPrinting {
  public:
    using wxHtmlEasyPrinting::wxHtmlEasyPrinting;
    void SetDocument(const wxString& html, const wxString& fontName) {
        html_ = html;
        fontName_ = fontName;
    }

  protected:
    wxHtmlPrintout* CreatePrintout() override {
        return new FitPagePrintout(GetName(), html_, fontName_, GetPageSetupData());
    }

  private:
    wxString html_, fontName_;
};

// ---- hooks for tests ---------------------------------------------------------------------

namespace {

PrintHooks& Hooks() {
    static PrintHooks hooks;
    return hooks;
}

void ReportError(const std::string& what) {
    ShowMessage(what, {}, MsgStyle::Ok | MsgStyle::IconError);
}

}  // namespace

PrintHooks& PrintHooks::Current() {
    return Hooks();
}

// ---- the printer's window half ------------------------------------------------------------

HtmlPrinter::~HtmlPrinter() {
    delete engine_;
}

wxHtmlEasyPrinting& HtmlPrinter::Engine(wxWindow* parent) {
    if (!engine_) engine_ = new FitPageEasyPrinting("Print", parent);
    engine_->SetParentWindow(parent);
    const wxString font = wxString::FromUTF8(CurrentPrintLanguage().fontName);
    engine_->SetStandardFonts(PrintFontSize, font, font);
    return *engine_;
}

std::optional<std::string> HtmlPrinter::BuildForCommand(wxWindow*, const CloneImage& image,
                                                        PrintProgress& progress, int stepBefore,
                                                        int stepAfter) {
    progress.Step(stepBefore);
    std::string document;
    try {
        document = BuildHtml(image);
    } catch (const std::exception& error) {
        progress.Stop();
        ReportError(std::string("The HTML document could not be built.\n") + error.what());
        return std::nullopt;
    }
    progress.Step(stepAfter);
    return document;
}

// Print, preview and page setup share one sequence; they differ in the
// engine's command and in when the progress window closes.
void HtmlPrinter::RunCommand(wxWindow* parent, const CloneImage& image, int command) {
    PrintProgress progress;
    progress.Step(10);
    const std::optional<std::string> document = BuildForCommand(parent, image, progress, 30, 30);
    if (!document) return;
    const std::string fontName = CurrentPrintLanguage().fontName;
    const wxString text = wxString::FromUTF8(HtmlForRendering(*document, fontName));
    wxHtmlEasyPrinting& engine = Engine(parent);
    static_cast<FitPageEasyPrinting&>(engine).SetDocument(text, wxString::FromUTF8(fontName));
    progress.Step(30);
    if (text.empty()) {
        progress.Stop();
        ReportError("The HTML document could not be rendered.");
        return;
    }
    switch (command) {
        case CommandPageSetup:
            progress.Stop();
            if (!Hooks().beforeModal || Hooks().beforeModal("page setup")) engine.PageSetup();
            break;
        case CommandPrint:
            if (Hooks().beforeModal && !Hooks().beforeModal("print")) break;
            if (!engine.PrintText(text) && wxPrinter::GetLastError() == wxPRINTER_ERROR) {
                progress.Stop();
                ReportError("The HTML document could not be printed.");
            }
            break;
        case CommandPreview:
            if (!engine.PreviewText(text)) {
                progress.Stop();
                ReportError("The HTML document could not be previewed.");
            }
            break;
    }
}

void HtmlPrinter::Print(wxWindow* parent, const CloneImage& image) {
    RunCommand(parent, image, CommandPrint);
}

void HtmlPrinter::PrintPreview(wxWindow* parent, const CloneImage& image) {
    RunCommand(parent, image, CommandPreview);
}

void HtmlPrinter::PageSetup(wxWindow* parent, const CloneImage& image) {
    RunCommand(parent, image, CommandPageSetup);
}

void HtmlPrinter::ExportToFile(wxWindow* parent, const CloneImage& image, std::string& lastFolder) {
    std::string path;
    if (Hooks().chooseExportPath) {
        path = Hooks().chooseExportPath(lastFolder);
    } else {
        // The filter text ends with the empty pair that closes such lists.
        std::string filter = ExportFilter;
        while (filter.size() >= 2 && filter.compare(filter.size() - 2, 2, "||") == 0)
            filter.resize(filter.size() - 2);
        std::string folder = lastFolder;
        std::error_code ec;
        if (!folder.empty() && !std::filesystem::is_directory(folder, ec))
            folder = std::filesystem::path(folder).parent_path().string();
        wxFileDialog dialog(parent, wxFileSelectorPromptStr, wxString::FromUTF8(folder), wxEmptyString,
                            wxString::FromUTF8(filter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
        if (dialog.ShowModal() != wxID_OK) return;
        path = std::string(dialog.GetPath().utf8_str());
        if (std::filesystem::path(path).extension().empty()) path += ".html";
    }
    if (path.empty()) return;
    lastFolder = path;
    ExportToPath(parent, image, path);
}

bool HtmlPrinter::ExportToPath(wxWindow* parent, const CloneImage& image, const std::string& path) {
    PrintProgress progress;
    const std::optional<std::string> document = BuildForCommand(parent, image, progress, 20, 40);
    if (!document) return false;
    const int written = FileUtil::WriteHtmlFile(path, [&document] { return *document; });
    progress.Step(40);
    progress.Stop();
    if (!written) {
        Host().Message(110, "Problem writing to file.\nFile Name = ", path,
                       MsgStyle::Ok | MsgStyle::IconError);
        return false;
    }
    return true;
}
