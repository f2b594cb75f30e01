// The printer's commands under a display: the preview window and its pages,
// page 1 rendered into a picture, the export file, the progress window and
// the order of the modal dialogs.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/html/htmprint.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/utils.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "image/TestHost.h"
#include "ui/HtmlCheck.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"
#include "ui/HtmlPrinterWindow.h"
#include "ui/MessageService.h"
#include "ui/Restraction.h"

namespace {

constexpr std::uint8_t kShown[15] = {};
const ControlRuleRow kRows[] = {{2001, 0, kShown}, {2101, 0, kShown}, {-1, 0, nullptr}};

// A settings form and a channel-like table, both printed from plain data.
class FormScreen : public PrintableScreen {
  public:
    explicit FormScreen(std::string title) : PrintableScreen(700, kRows), title_(std::move(title)) {}
    bool IsDialog() const override { return true; }
    std::string WindowText() const override { return title_; }
    PrintControl ControlForPrint(int id) const override {
        if (id == 2001) return {true, false, false, "Squelch <level>"};
        return {true, false, false, "Level & 5"};
    }

  protected:
    PrintCache& ClassCache() override { return CacheOf<FormScreen>(); }

  private:
    std::string title_;
};

class TableScreen : public PrintableScreen {
  public:
    explicit TableScreen(int rows) : rows_(rows) {}
    std::string& GetHtml(std::string& out, PrintContext, bool* more, bool) override {
        std::vector<std::vector<std::string>> cells = {{"CH", "RX", "TX", "TAG"}};
        const int first = part_ * 40;
        for (int r = first; r < std::min(rows_, first + 40); ++r)
            cells.push_back({std::to_string(r + 1), "451.12500", "456.12500", "CH" + std::to_string(r + 1)});
        TextPrintGrid grid(1, cells);
        GridTableHtml(out, grid, 0, static_cast<int>(cells.size()) - 1, true);
        ++part_;
        *more = part_ * 40 < rows_;
        return out;
    }

  protected:
    PrintCache& ClassCache() override { return CacheOf<TableScreen>(); }

  private:
    int rows_;
    int part_ = 0;
};

class HtmlPrinterWinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        PrintScreens::ClearAll();
        PrintScreens::Register(PrintScreens::Slot::Hardware,
                               [](const CloneImage&) { return std::make_unique<FormScreen>("Hardware"); });
        PrintScreens::Register(PrintScreens::Slot::FrontPanel,
                               [](const CloneImage&) { return std::make_unique<FormScreen>("Front Panel"); });
        PrintScreens::Register(PrintScreens::Slot::ChannelGrid,
                               [](const CloneImage&) { return std::make_unique<TableScreen>(100); });
        frame = new wxFrame(nullptr, wxID_ANY, "main");
        frame->Show();
        image.Fill(0);
    }
    void TearDown() override {
        PrintHooks::Current() = {};
        PrintScreens::ClearAll();
        for (wxWindow* w : wxTopLevelWindows)
            if (w != frame) w->Destroy();
        frame->Destroy();
        wxTheApp->ProcessIdle();
    }
    static wxWindow* ProgressWindow() {
        for (wxWindow* w : wxTopLevelWindows)
            if (w->GetId() == 622 && w->IsShown()) return w;
        return nullptr;
    }

    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService useMessages{messages};
    HtmlPrinter printer;
    wxFrame* frame = nullptr;
    CloneImage image;
};

// Page `page` of the document as the printer renders it, on A4 at 100 dpi.
wxBitmap RenderPage(const std::string& document, int page, int* pageCount) {
    const int w = 827, h = 1169;
    wxBitmap bitmap(w, h, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    FitPagePrintout printout("page", wxString::FromUTF8(HtmlForRendering(document, "Courier New")),
                             "Courier New");
    printout.SetPPIScreen(96, 96);
    printout.SetPPIPrinter(100, 100);
    printout.SetPageSizePixels(w, h);
    printout.SetPageSizeMM(210, 297);
    printout.SetPaperRectPixels(wxRect(0, 0, w, h));
    printout.SetDC(&dc);
    printout.OnPreparePrinting();
    int minPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, pageCount, &from, &to);
    printout.OnPrintPage(page);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

int DarkPixels(const wxBitmap& bitmap) {
    const wxImage picture = bitmap.ConvertToImage();
    int dark = 0;
    for (int y = 0; y < picture.GetHeight(); ++y)
        for (int x = 0; x < picture.GetWidth(); ++x)
            if (picture.GetRed(x, y) < 160 && picture.GetGreen(x, y) < 160 && picture.GetBlue(x, y) < 160)
                ++dark;
    return dark;
}

TEST_F(HtmlPrinterWinTest, PreviewOpensWithTheDocumentsPages) {
    printer.PrintPreview(frame, image);
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* p = dynamic_cast<wxPreviewFrame*>(w)) preview = p;
    ASSERT_NE(preview, nullptr) << (messages.Count() ? messages.Last().text : "no message");
    EXPECT_TRUE(preview->IsShown());
    wxPrintPreviewBase* pages = nullptr;
    for (wxWindow* child : preview->GetChildren())
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) pages = bar->GetPrintPreview();
    ASSERT_NE(pages, nullptr);
    EXPECT_TRUE(pages->IsOk());
    // The preview counts its pages when it first draws a page.
    for (int i = 0; i < 100 && pages->GetMaxPage() < 2; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
    // Two forms on page 1, the channel table in three parts after it.
    EXPECT_GE(pages->GetMaxPage(), 4);
    EXPECT_EQ(messages.Count(), 0u);
    EXPECT_EQ(ProgressWindow(), nullptr);
    preview->Close(true);
}

TEST_F(HtmlPrinterWinTest, PageOneRendersTheFormsAndIsNotBlank) {
    int pages = 0;
    const std::string document = printer.BuildHtml(image);
    const wxBitmap page1 = RenderPage(document, 1, &pages);
    EXPECT_GE(pages, 4);
    wxImage::AddHandler(new wxPNGHandler);
    ASSERT_TRUE(page1.SaveFile("print-page1.png", wxBITMAP_TYPE_PNG));
    EXPECT_GT(DarkPixels(page1), 2000);

    // A page past the end draws nothing.
    EXPECT_EQ(DarkPixels(RenderPage(document, pages + 1, &pages)), 0);
}

TEST_F(HtmlPrinterWinTest, ExportWritesTheExactDocumentWellFormedWithCrLf) {
    TempDir dir;
    const std::string path = dir / "sheet.html";
    ASSERT_TRUE(printer.ExportToPath(frame, image, path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    std::string lf;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at " << i;
        }
        if (bytes[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at " << i;
            continue;
        }
        lf += bytes[i];
    }
    EXPECT_EQ(lf, printer.BuildHtml(image));
    EXPECT_EQ(HtmlCheck::Check(lf), "");
    EXPECT_NE(lf.find("Squelch &lt;level&gt;:</td>\n<td>Level &amp; 5</td>"), std::string::npos);
    EXPECT_NE(lf.find("<td>100</td>"), std::string::npos);
    EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(HtmlPrinterWinTest, ExportThatCannotWriteReportsAndLeavesNoFile) {
    TempDir dir;
    const std::string path = dir / "missing-folder/sheet.html";
    EXPECT_FALSE(printer.ExportToPath(frame, image, path));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, 110);
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(HtmlPrinterWinTest, CancelledExportBuildsNothingAndShowsNoProgress) {
    bool progressSeen = false;
    std::string askedIn;
    PrintHooks::Current().chooseExportPath = [&](const std::string& folder) {
        progressSeen = ProgressWindow() != nullptr;
        askedIn = folder;
        return std::string{};
    };
    std::string lastFolder = "/tmp/old.html";
    printer.ExportToFile(frame, image, lastFolder);
    EXPECT_EQ(printer.BuildCount(), 0);
    EXPECT_FALSE(progressSeen);
    EXPECT_EQ(askedIn, "/tmp/old.html");
    EXPECT_EQ(lastFolder, "/tmp/old.html");

    TempDir dir;
    const std::string chosen = dir / "out.html";
    PrintHooks::Current().chooseExportPath = [&](const std::string&) { return chosen; };
    printer.ExportToFile(frame, image, lastFolder);
    EXPECT_EQ(lastFolder, chosen);
    EXPECT_TRUE(std::filesystem::exists(chosen));
}

TEST_F(HtmlPrinterWinTest, PageSetupClosesTheProgressFirstPrintKeepsItOpen) {
    std::vector<std::pair<std::string, bool>> seen;
    PrintHooks::Current().beforeModal = [&](const char* what) {
        seen.emplace_back(what, ProgressWindow() != nullptr);
        return false;
    };
    printer.PageSetup(frame, image);
    printer.Print(frame, image);
    const std::vector<std::pair<std::string, bool>> expected = {{"page setup", false}, {"print", true}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(ProgressWindow(), nullptr);
    EXPECT_EQ(printer.BuildCount(), 1);  // the second command took the cached document
}

TEST_F(HtmlPrinterWinTest, ADocumentThatCannotBeBuiltIsReportedAndNothingIsShown) {
    HtmlPrinter failing([](const CloneImage&) -> std::string { throw std::runtime_error("screen failed"); });
    bool modal = false;
    PrintHooks::Current().beforeModal = [&](const char*) { return modal = true; };
    failing.Print(frame, image);
    failing.PrintPreview(frame, image);
    EXPECT_FALSE(modal);
    for (wxWindow* w : wxTopLevelWindows) EXPECT_EQ(dynamic_cast<wxPreviewFrame*>(w), nullptr);
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.Last().text.find("could not be built"), std::string::npos);
    EXPECT_EQ(ProgressWindow(), nullptr);

    // A document the renderer cannot take (here: bytes that are not UTF-8).
    HtmlPrinter garbled([](const CloneImage&) { return std::string("<html>\xff\xfe</html>"); });
    garbled.Print(frame, image);
    EXPECT_FALSE(modal);
    ASSERT_EQ(messages.Count(), 3u);
    EXPECT_NE(messages.Last().text.find("could not be rendered"), std::string::npos);
    EXPECT_EQ(ProgressWindow(), nullptr);
}

TEST_F(HtmlPrinterWinTest, ProgressStepsAddUpAndTheWindowCloses) {
    {
        PrintProgress progress;
        EXPECT_NE(ProgressWindow(), nullptr);
        for (int step : {10, 30, 30, 30}) progress.Step(step);
        EXPECT_EQ(progress.Position(), 100);
    }
    EXPECT_EQ(ProgressWindow(), nullptr);
}

}  // namespace
