// Print and Print Preview chosen from the File menu with the keyboard, on
// the main window with a default data file whose channel table runs over
// several pages: the print dialog offers every page, and each preview page
// keeps the channel table inside the page's margins as the print does.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/print.h>
#include <wx/printdlg.h>

#include <array>
#include <filesystem>

#include "A4Printout.h"
#include "Fixtures.h"
#include "MainFrameFixture.h"
#include "app/AppState.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "image/ChannelOps.h"
#include "image/Model.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"
#include "ui/HtmlPrinterWindow.h"
#include "ui/MainItems.h"
#include "ui/PrintSurface.h"
#include "ui/RealInput.h"

namespace fs = std::filesystem;

namespace {

// Stands in for the user at the system print dialog: notes what the dialog
// was about to offer and cancels it.
class PrintDialogWatch : public wxModalDialogHook {
  public:
    PrintDialogWatch() { Register(); }
    ~PrintDialogWatch() override { Unregister(); }
    int Enter(wxDialog* dialog) override {
        auto* print = dynamic_cast<wxPrintDialogBase*>(dialog);
        if (!print) return wxID_NONE;
        ++shown;
        const wxPrintDialogData& data = print->GetPrintDialogData();
        allPages = data.GetAllPages();
        selection = data.GetSelection();
        from = data.GetFromPage();
        to = data.GetToPage();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}

    int shown = 0;
    bool allPages = false, selection = false;
    int from = 0, to = 0;
};

class PrintMenuTest : public MainFrameFixture {
  protected:
    void SetUp() override {
        PrintScreens::ClearAll();
        ASSERT_NO_FATAL_FAILURE(OpenFrame());
        // Channel 1 copied into channels 2-128: the channel table takes three pages.
        std::vector<int> targets;
        for (int ch = 1; ch < 128; ++ch) targets.push_back(ch);
        const std::array<int, 1> first{0};
        Channel::StoreClipboard(frame->Document().CurrentImage, first);
        Channel::PasteClipboard(frame->Document().CurrentImage, targets);
        ShowFrame(wxSize(1200, 800));
        ASSERT_TRUE(RealInput::Focus(frame));
    }
    void TearDown() override {
        for (wxWindow* w : wxTopLevelWindows)
            if (w != frame) w->Destroy();
        MainFrameFixture::TearDown();
        PrintScreens::ClearAll();
    }
    // The File menu opened with Alt+F and an entry chosen by its mnemonic.
    static void FileMenu(int mnemonic) {
        RealInput::Key('F', wxMOD_ALT);
        RealInput::Settle(300);
        RealInput::Key(mnemonic);
    }
    static wxPreviewFrame* PreviewFrame() {
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* p = dynamic_cast<wxPreviewFrame*>(w); p && p->IsShown()) return p;
        return nullptr;
    }
};

// A page as the preview shows it: the paper (the white area the preview
// draws) and the right-most dark pixel on it, both in screen pixels.
struct PreviewPage {
    int paperWidth = 0;
    int contentRight = -1;
};

PreviewPage ShowPage(wxPrintPreviewBase& preview, int page) {
    preview.SetCurrentPage(page);
    preview.UpdatePageRendering();
    const wxSize size = preview.GetCanvas()->GetVirtualSize();
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxRED_BRUSH);
        dc.Clear();
        preview.PaintPage(preview.GetCanvas(), dc);
    }
    const wxImage picture = bitmap.ConvertToImage();
    int left = picture.GetWidth(), right = -1;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            if (picture.GetRed(x, y) == 255 && picture.GetGreen(x, y) == 255 && picture.GetBlue(x, y) == 255) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    PreviewPage shown{right - left + 1, -1};
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = left + 2; x < right - 1; ++x)
            if (picture.GetRed(x, y) < 160 && picture.GetGreen(x, y) < 160 && picture.GetBlue(x, y) < 160)
                shown.contentRight = std::max(shown.contentRight, x - left);
    return shown;
}

// The pages of the document as the printer lays them out (A4 at 100 dpi).
int PrintedPageCount(const CloneImage& image) {
    const auto a4 = A4Printout(image);
    FitPagePrintout& printout = *a4;
    wxBitmap bitmap(kA4Width, kA4Height, 24);
    wxMemoryDC dc(bitmap);
    printout.SetDC(&dc);
    printout.OnPreparePrinting();
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    printout.SetDC(nullptr);
    return maxPage;
}

// Prints `printout` as the printer does, through its begin-print and
// draw-page steps, onto GTK's PDF export at `dpi`: the print without a
// dialog. Gives the number of pages printed.
int PrintOnPrintSurface(wxPrintout& printout, const wxPrintDialogData& settings, wxSize paper, int dpi,
                        const fs::path& pdf) {
    wxPrintDialogData data(settings);
    wxGtkPrinter printer(&data);
    PrintSurfaceSteps steps;
    int printed = 0;
    steps.begin = [&](GtkPrintOperation* op, GtkPrintContext* context) {
        printer.BeginPrint(&printout, op, context);
    };
    steps.draw = [&](GtkPrintOperation* op, GtkPrintContext* context, int page) {
        printer.DrawPage(&printout, op, context, page);
        ++printed;
    };
    wxDC* const before = printout.GetDC();
    const bool ran = RunOnPrintSurface(paper, dpi, pdf.string(), steps);
    if (ran) printout.OnEndPrinting();
    // The toolkit's printer makes the printout's drawing surface in its
    // begin-print step and never frees it; this driver runs that step, so it
    // frees what the step made.
    if (printout.GetDC() != before) {
        delete printout.GetDC();
        printout.SetDC(before);
    }
    return ran ? printed : -1;
}

// A page of a prepared printout drawn at a fixed size: two printouts that
// break their pages at the same places give the same picture.
std::vector<unsigned char> DrawnPage(wxPrintout& printout, int page) {
    wxBitmap bitmap(600, 848, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        printout.SetDC(&dc);
        printout.OnPrintPage(page);
        printout.SetDC(nullptr);
    }
    const wxImage picture = bitmap.ConvertToImage();
    return {picture.GetData(), picture.GetData() + picture.GetWidth() * picture.GetHeight() * 3};
}

}  // namespace

TEST_F(PrintMenuTest, PrintOffersEveryPageByDefault) {
    const CloneImage before = frame->Document().CurrentImage;
    PrintDialogWatch watch;
    FileMenu('p');
    ASSERT_TRUE(RealInput::WaitFor([&] { return watch.shown > 0; }, 8000));
    // Before, the printer took the range the printout gave before counting
    // its pages ("1 to -1") as the user's choice: only page 1 was printed.
    EXPECT_TRUE(watch.allPages) << "from " << watch.from << " to " << watch.to;
    EXPECT_FALSE(watch.selection);
    // Cancelled at the dialog: no error follows, the document is unchanged.
    RealInput::Settle(300);
    EXPECT_EQ(wxPrinter::GetLastError(), wxPRINTER_CANCELLED);
    EXPECT_EQ(frame->Document().CurrentImage, before);
}

TEST_F(PrintMenuTest, PreviewPagesStayInsideTheMarginsAsPrinted) {
    FileMenu('v');
    ASSERT_TRUE(RealInput::WaitFor([] { return PreviewFrame() != nullptr; }, 8000));
    wxPreviewFrame* frame = PreviewFrame();
    frame->SetSize(1000, 1150);
    RealInput::Settle(300);
    wxPrintPreviewBase* preview = nullptr;
    for (wxWindow* child : frame->GetChildren())
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) preview = bar->GetPrintPreview();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(RealInput::WaitFor([&] { return preview->GetMaxPage() > 1; }));

    // The first page, the groups and the channel table's three parts at least
    // (how many more depends on the text measures of the surface drawn on).
    const int pages = preview->GetMaxPage();
    EXPECT_GE(pages, 5);
    EXPECT_GE(PrintedPageCount(this->frame->Document().CurrentImage), 5);
    // The printout's right margin is 25.2 mm of the 210 mm page. Before, every
    // page after the first was drawn at the unshrunk scale and the channel
    // table ran to the paper's edge, its right columns cut.
    for (int page = 1; page <= pages; ++page) {
        const PreviewPage shown = ShowPage(*preview, page);
        ASSERT_GT(shown.paperWidth, 300);
        EXPECT_GT(shown.contentRight, 0) << "page " << page << " is blank";
        EXPECT_LE(shown.contentRight, shown.paperWidth * (1.0 - 25.2 / 210.0) + 2) << "page " << page;
    }
    frame->Close(true);
}

// A4 and Letter: the preview cuts Letter's 215.9 mm off to 215, the printer
// rounds it to 216.
TEST_F(PrintMenuTest, PreviewBreaksThePagesWhereThePrintDoes) {
    wxPrintData& settings = *HtmlPrinter::Instance().Engine(this->frame).GetPrintData();
    const wxPaperSize before = settings.GetPaperId();
    for (const wxPaperSize paperId : {wxPAPER_A4, wxPAPER_LETTER}) {
        SCOPED_TRACE(paperId == wxPAPER_A4 ? "A4" : "Letter");
        settings.SetPaperId(paperId);
        FileMenu('v');
        ASSERT_TRUE(RealInput::WaitFor([] { return PreviewFrame() != nullptr; }, 8000));
        wxPreviewFrame* frame = PreviewFrame();
        wxPrintPreviewBase* preview = nullptr;
        for (wxWindow* child : frame->GetChildren())
            if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) preview = bar->GetPrintPreview();
        ASSERT_NE(preview, nullptr);
        ASSERT_TRUE(RealInput::WaitFor([&] { return preview->GetMaxPage() > 1; }));

        // The preview's own printout for printing, printed on the paper and at
        // the resolution the preview shows.
        wxPrintout& shown = *preview->GetPrintout();
        wxPrintout& printed = *preview->GetPrintoutForPrinting();
        int dpiX = 0, dpiY = 0;
        shown.GetPPIPrinter(&dpiX, &dpiY);
        const wxSize paper = shown.GetPaperRectPixels().GetSize();
        const int pages = PrintOnPrintSurface(printed, preview->GetPrintDialogData(), paper, dpiY,
                                              dir.path() / "print.pdf");

        // Before, the preview measured its text on the screen's bitmap and broke
        // 128 channels into 11 pages where the print made 13.
        ASSERT_GE(pages, 5);
        EXPECT_EQ(preview->GetMaxPage(), pages);
        for (int page = 1; page <= std::min(pages, preview->GetMaxPage()); ++page)
            EXPECT_TRUE(DrawnPage(shown, page) == DrawnPage(printed, page)) << "page " << page;
        frame->Close(true);
        RealInput::Settle(300);
    }
    settings.SetPaperId(before);
}
