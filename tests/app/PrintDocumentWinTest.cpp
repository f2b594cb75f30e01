// The printed document of a default data file with the program's own
// screens: exported through the main window's command, previewed, and its
// first page rendered.
#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/html/htmprint.h>
#include <wx/image.h>
#include <wx/print.h>
#include <wx/utils.h>

#include <array>
#include <filesystem>
#include <regex>
#include <set>

#include "A4Printout.h"
#include "Fixtures.h"
#include "app/MainInfoDlg.h"
#include "app/MenuCommands.h"
#include "app/ScreenRegistry.h"
#include "channel/ChannelGridPrint.h"
#include "channel/GroupAllocationPrint.h"
#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/TestHost.h"
#include "ui/HtmlCheck.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"
#include "ui/HtmlPrinterWindow.h"
#include "ui/MessageService.h"

namespace {

class PrintDocumentWinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.serviceMode = 0;
        Screens::ClearAll();
        PrintScreens::ClearAll();
        RegisterScreens();
        const auto file = std::filesystem::path(ZT_PROGRAM_EXE).parent_path() / "default640v.PDX";
        ASSERT_EQ(FileUtil::LoadImageFile(image, file.string()), 1);
        // Channel 1 is in use; channels 2-20, 37 and 128 become copies of it.
        std::vector<int> targets;
        for (int ch = 1; ch < 20; ++ch) targets.push_back(ch);
        targets.push_back(36);
        targets.push_back(127);
        const std::array<int, 1> first{0};
        Channel::StoreClipboard(image, first);
        Channel::PasteClipboard(image, targets);
    }
    void TearDown() override {
        PrintHooks::Current() = {};
        Screens::ClearAll();
        PrintScreens::ClearAll();
    }

    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService useMessages{messages};
    CloneImage image;
};

std::string Unix(const std::string& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        out += bytes[i];
    }
    return out;
}

TEST_F(PrintDocumentWinTest, ExportHoldsTheMainInformationEveryChannelInUseAndTheGroups) {
    TempDir dir;
    const std::string path = dir / "radio.html";
    PrintHooks::Current().chooseExportPath = [&](const std::string&) { return path; };
    ASSERT_TRUE(Screens::Print());
    Screens::Print()(nullptr, image, Cmd::Export);
    ASSERT_EQ(messages.Count(), 0u) << messages.Last().text;

    const std::string bytes = Fixtures::ReadBytes(path);
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), std::count(bytes.begin(), bytes.end(), '\r'));
    EXPECT_EQ(bytes.find("\r\r"), std::string::npos);
    const std::string doc = Unix(bytes);
    EXPECT_EQ(HtmlCheck::Check(doc), "");
    EXPECT_EQ(doc, HtmlPrinter::Instance().BuildHtml(image));

    // The main information first, then the group allocation, then the channel table.
    const auto mainInfo = doc.find("[Main Information]");
    const auto groups = doc.find("[Group Allocation]");
    const auto channels = doc.find("[CH DATA]");
    ASSERT_NE(mainInfo, std::string::npos);
    ASSERT_NE(groups, std::string::npos);
    ASSERT_NE(channels, std::string::npos);
    EXPECT_LT(mainInfo, groups);
    EXPECT_LT(groups, channels);
    EXPECT_NE(doc.find("<td>Serial No.:</td>\n<td>" + MainInfo::SerialNumberText(image) + "</td>"),
              std::string::npos);

    // One channel row per channel in use: numbers 1-20, 37 and 128.
    std::set<int> rows;
    const std::string table = doc.substr(channels);
    static const std::regex row("<tr><td>([0-9]+)</td>\n");
    for (std::sregex_iterator it(table.begin(), table.end(), row), end; it != end; ++it)
        rows.insert(std::stoi((*it)[1]));
    std::set<int> expected;
    for (int ch = 1; ch <= 20; ++ch) expected.insert(ch);
    expected.insert(37);
    expected.insert(128);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(ChannelGridPrint::PrintedChannels(image).size(), expected.size());
}

TEST_F(PrintDocumentWinTest, PreviewOpensAndPageOneIsNotBlank) {
    Screens::Print()(nullptr, image, Cmd::Preview);
    ASSERT_EQ(messages.Count(), 0u) << messages.Last().text;
    wxPreviewFrame* preview = nullptr;
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* p = dynamic_cast<wxPreviewFrame*>(w)) preview = p;
    ASSERT_NE(preview, nullptr);
    wxPrintPreviewBase* pages = nullptr;
    for (wxWindow* child : preview->GetChildren())
        if (auto* bar = dynamic_cast<wxPreviewControlBar*>(child)) pages = bar->GetPrintPreview();
    ASSERT_NE(pages, nullptr);
    for (int i = 0; i < 100 && pages->GetMaxPage() < 2; ++i) {
        wxYield();
        wxMilliSleep(20);
    }
    EXPECT_GE(pages->GetMaxPage(), 3);  // the first page, the groups, the channels
    preview->Close(true);
    wxYield();

    // Pages as the printer draws them, A4 at 100 dpi.
    const int w = kA4Width, h = kA4Height;
    const auto a4 = A4Printout(image);
    FitPagePrintout& printout = *a4;
    auto render = [&](int page, bool prepare) {
        wxBitmap bitmap(w, h, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            printout.SetDC(&dc);
            if (prepare) printout.OnPreparePrinting();
            printout.OnPrintPage(page);
            printout.SetDC(nullptr);
        }
        return bitmap.ConvertToImage();
    };
    wxImage::AddHandler(new wxPNGHandler);
    const wxImage first = render(1, true);
    // The channel table is wider than the page: the page is shrunk to fit it.
    EXPECT_LT(printout.Shrink(), 1.0);
    int minPage = 0, maxPage = 0, from = 0, to = 0;
    printout.GetPageInfo(&minPage, &maxPage, &from, &to);
    EXPECT_GE(maxPage, 3);
    // Page 1 (the main information) and the last page (the channel table).
    const wxImage last = render(maxPage, false);
    for (const wxImage* picture : {&first, &last}) {
        ASSERT_TRUE(picture->SaveFile(
            picture == &first ? "print-document-page1.png" : "print-document-last.png", wxBITMAP_TYPE_PNG));
        int dark = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (picture->GetRed(x, y) < 160 && picture->GetGreen(x, y) < 160) ++dark;
        EXPECT_GT(dark, 2000);
    }
}

}  // namespace

TEST_F(PrintDocumentWinTest, GroupAllocationPrintsWithoutADialogAndLeavesTheImage) {
    const CloneImage before = image;
    auto screen = PrintScreens::Make(PrintScreens::Slot::GroupAllocation, image);
    ASSERT_TRUE(screen);
    EXPECT_EQ(dynamic_cast<wxWindow*>(screen.get()), nullptr) << "a window built only to print";

    // Its pages are the group allocation printer's, one per call.
    std::string printed, expected;
    bool more = true;
    for (int page = 0; more && page < 8; ++page) screen->GetHtml(printed, &image, &more, false);
    EXPECT_FALSE(more);
    ZoneAllocationPrinter printer(image);
    for (int page = 0; printer.GetHtml(expected, page, page == 0, "Group Allocation") && page < 8; ++page) {
    }
    EXPECT_EQ(printed, expected);
    EXPECT_NE(printed.find("[Group Allocation]"), std::string::npos);
    EXPECT_EQ(image, before);
}
