// The HTML document without a window: the head, the screen list and its
// filters, and the layout of the containers for a set of screens.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "image/Model.h"
#include "language/Language.h"
#include "ui/HtmlDocument.h"

namespace {

using PrintScreens::Slot;

// Prints "{name<call number>}" and asks for `parts` parts in all; records the
// create-hidden flag of every call and whether the print flag was set.
class FakeScreen : public PrintableScreen {
  public:
    FakeScreen(std::string name, int parts, std::vector<std::string>* log)
        : name_(std::move(name)), parts_(parts), log_(log) {}
    std::string& GetHtml(std::string& out, PrintContext, bool* more, bool createHidden) override {
        ++calls_;
        out += "{" + name_ + std::to_string(calls_) + "}";
        if (calls_ < parts_) *more = true;
        if (log_) log_->push_back(name_ + (createHidden ? "+" : "-") + (PrintTextMode() ? "p" : ""));
        return out;
    }
    void DestroyPrintWindow() override {
        if (log_) log_->push_back(name_ + " destroyed");
    }

  protected:
    PrintCache& ClassCache() override { return CacheOf<FakeScreen>(); }

  private:
    std::string name_;
    int parts_;
    int calls_ = 0;
    std::vector<std::string>* log_;
};

class HtmlDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override { PrintScreens::ClearAll(); }
    void TearDown() override {
        PrintScreens::ClearAll();
        SetPrintLanguageSource({});
    }
    void Add(Slot slot, std::string name, int parts = 1) {
        PrintScreens::Register(slot, [this, name, parts](const CloneImage&) {
            return std::make_unique<FakeScreen>(name, parts, &log);
        });
    }
    std::vector<std::string> log;
};

std::string Body(const std::string& document) {
    const std::string open = "<p class=\"title\">Talvick ZT-610/640 Series Programming Information</p>\n";
    const auto begin = document.find(open);
    const auto end = document.rfind("</body>\n");
    if (begin == std::string::npos || end == std::string::npos) return "(no body)";
    return document.substr(begin + open.size(), end - begin - open.size());
}

const char* const kHead =
    "<head><title>Talvick ZT-610/640 Series Programming Information</title>\n"
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">\n"
    "<meta http-equiv=\"Content-Style-Type\" content=\"text/css\">\n"
    "<style type=\"text/css\"><!--\n"
    "div.container {  width: 100%; margin-left:auto; margin-right:auto; text-align:left; }\n"
    "div.first  { float: left; width: 49%; }\n"
    "div.second { float: right; width: 49%; }\n"
    "div.full   { clear: both; width: 100%; }\n"
    "div.footer { clear: both; width: 100%; page-break-after: always; }\n"
    "p       { font-family: \"Courier New\"; font-size: 6pt; word-break: break-all; "
    "mso-number-format:\"\\@\"; \n"
    "          margin-bottom: 3px ; margin-top: 3px ; padding-bottom:0px ; padding-top:0px }\n"
    "p.title { font-size: 9pt; text-align: center; }\n"
    "table   { font-family: \"Courier New\"; font-size: 6pt; text-align: left; word-break: break-all; "
    "mso-number-format:\"\\@\";  border: 1px #000000 solid; }\n"
    "caption { text-align: left; }\n"
    "th      { font-weight: normal; mso-number-format:\"\\@\"; border: 2px #999999 solid; text-align:center; "
    "}\n"
    "th.borderless { border: 0px; }\n"
    "td      { font-weight: normal; mso-number-format:\"\\@\"; border: 1px #aaaaaa solid; }\n"
    "td.borderless { font-weight: normal; mso-number-format:\"\\@\"; border: 0px;}\n"
    "-->\n"
    "</style>\n"
    "</head>\n";

TEST_F(HtmlDocumentTest, DocumentHeadIsTheDeclarationTheCharsetAndTheStyleSheetExactly) {
    const std::string doc = Header::WriteDocumentStart(CloneImage{});
    EXPECT_EQ(std::string(Header::DocType).size(), 102u);
    EXPECT_EQ(doc.rfind(std::string(Header::DocType) + "<html>" + kHead + "<body><p class=\"title\">", 0),
              0u);
    EXPECT_EQ(doc.substr(doc.size() - 16), "</body>\n</html>\n");
    // The head's mso-number-format values are the four characters "\@".
    EXPECT_NE(doc.find("mso-number-format:\"\\@\";"), std::string::npos);
    // The print flag is set only while the document is written.
    EXPECT_FALSE(PrintTextMode());
}

TEST_F(HtmlDocumentTest, HeadFollowsTheLanguageFontAndEscapesIt) {
    SetPrintLanguageSource([] { return PrintLanguage{"Mono\"<x>", "UTF-8"}; });
    const std::string doc = Header::WriteDocumentStart(CloneImage{});
    EXPECT_NE(doc.find("p       { font-family: \"Mono&quot;&lt;x&gt;\"; font-size: 6pt;"), std::string::npos);
    SetPrintLanguageSource({});
    EXPECT_NE(Header::WriteDocumentStart(CloneImage{}).find("font-family: \"Courier New\""),
              std::string::npos);
}

TEST_F(HtmlDocumentTest, NoRegisteredScreenGivesAnEmptyBody) {
    EXPECT_EQ(Body(Header::WriteDocumentStart(CloneImage{})), "");
}

TEST_F(HtmlDocumentTest, LayoutOfColumnsFullBlocksPageBreaksAndPartsForASetOfScreens) {
    Add(Slot::MainInformation, "MI");
    Add(Slot::Hardware, "HW");  // two passes
    Add(Slot::ScanSetting, "SC");
    Add(Slot::FrontPanel, "FP");  // two passes
    Add(Slot::Emergency, "EM");
    Add(Slot::Marketing, "MK");
    Add(Slot::GroupAllocation, "GA");
    Add(Slot::ChannelGrid, "CG", 2);  // prints in two parts

    const std::string body = Body(Header::WriteDocumentStart(CloneImage{}));
    EXPECT_EQ(
        body,
        "<div class=\"container\"><div class=\"full\">{MI1}<p></p>\n"
        "</div>\n<p></p>\n<div class=\"first\">{HW1}{HW2}<p></p>\n"
        "{SC1}<p></p>\n"
        "</div>\n<div class=\"second\">{FP1}{FP2}<p></p>\n"
        "{EM1}"
        "</div>\n<div class=\"footer\"></div>\n</div>\n<p></p>\n"
        "<div class=\"container\"><div class=\"first\">{MK1}"
        "</div>\n<div class=\"footer\"></div>\n</div>\n"
        "<div class=\"container\"><div class=\"full\">{GA1}"
        "</div>\n<div class=\"footer\"></div>\n</div>\n"
        "<div class=\"container\"><div class=\"full\">{CG1}</div>\n<div class=\"footer\"></div>\n</div>\n"
        "<div class=\"container\"><div class=\"full\">{CG2}</div>\n</div>\n");
    // A new screen's window is created (hidden) once, at its first call; the
    // print flag is set for every screen; windows are destroyed after their records.
    const std::vector<std::string> expected = {
        "MI+p", "MI destroyed", "HW+p",         "HW-p", "HW destroyed", "SC+p", "SC destroyed",
        "FP+p", "FP-p",         "FP destroyed", "EM+p", "EM destroyed", "MK+p", "MK destroyed",
        "GA+p", "GA destroyed", "CG+p",         "CG-p", "CG destroyed"};
    EXPECT_EQ(log, expected);
}

TEST_F(HtmlDocumentTest, ScreensPrintedByTwoRecordsAreMadeOnceAndKeepTheirWindowBetween) {
    int made = 0;
    PrintScreens::Register(Slot::FiveToneCommon, [this, &made](const CloneImage&) {
        ++made;
        return std::make_unique<FakeScreen>("5T", 1, &log);
    });
    const std::string body = Body(Header::WriteDocumentStart(CloneImage{}));
    EXPECT_EQ(made, 1);
    // First page in the first column, the further pages in the second.
    EXPECT_EQ(body,
              "<div class=\"container\"><div class=\"first\">{5T1}<p></p>\n</div>\n"
              "<div class=\"second\">{5T2}{5T3}</div>\n</div>\n");
    const std::vector<std::string> expected = {"5T+p", "5T-p", "5T-p", "5T destroyed"};
    EXPECT_EQ(log, expected);
}

TEST_F(HtmlDocumentTest, HandMadeListsKeepThePageBreakAndColumnRules) {
    struct Case {
        const char* name;
        std::vector<int> kinds;  // -1: a page break record
        std::string body;
    };
    const std::vector<Case> cases = {
        {"two page breaks in a row",
         {-1, -1},
         "<div class=\"container\"><div class=\"footer\"></div>\n</div>\n<div class=\"container\"></div>\n"},
        {"first column to a full block",
         {0, 2},
         "<div class=\"container\"><div class=\"first\">{A1}</div>\n<p></p>\n<div class=\"full\">{B1}</div>\n"
         "</div>\n"},
        {"second column to the first",
         {1, 0},
         "<div class=\"container\"><div class=\"second\">{A1}<p></p>\n</div>\n<p></p>\n<div "
         "class=\"first\">{B1}"
         "</div>\n</div>\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<FakeScreen>> screens;
        PrintScreenList list;
        const CloneImage image;
        list.context = &image;
        char name = 'A';
        for (const int kind : c.kinds) {
            if (kind < 0) {
                list.records.push_back({PrintKind::PageBreak, -1, nullptr, 1, true, false});
                continue;
            }
            screens.push_back(std::make_unique<FakeScreen>(std::string(1, name++), 1, nullptr));
            list.records.push_back({kind, 0, screens.back().get(), 1, true, true});
        }
        std::string out;
        Header("Courier New", "UTF-8").WriteBody(out, list);
        EXPECT_EQ(out, c.body) << c.name;
    }
}

TEST_F(HtmlDocumentTest, PagingAndAdvancedCallOnlyWithTheDisplayFirmware) {
    Add(Slot::DtmfAni, "ANI");
    Add(Slot::DtmfPage, "PAGE");
    Add(Slot::Mdc1200, "MDC");
    Add(Slot::Mdc1200CallAdvanced, "ADV");

    CloneImage plain;
    plain.Fill(0);
    ASSERT_FALSE(Version::HasFeature_1_90(plain));
    auto ids = [](const PrintScreenList& list) {
        std::vector<int> out;
        for (const auto& r : list.records) out.push_back(r.id);
        return out;
    };
    EXPECT_EQ(ids(Header::BuildScreenList(plain)), (std::vector<int>{9, -1, 22, 23}));

    CloneImage display;
    display.Fill(0);
    display[0x00] = 0x01;
    display[0x01] = 0x90;
    display[0x04] = 0x00;
    display[0x05] = 0x00;
    display[0x2407] = 0x02;
    ASSERT_TRUE(Version::HasFeature_1_90(display));
    EXPECT_EQ(ids(Header::BuildScreenList(display)), (std::vector<int>{9, 10, -1, 22, 23, 24}));
}

TEST_F(HtmlDocumentTest, FactoriesChooseByTheImageAndMayDecline) {
    PrintScreens::Register(Slot::KeyFunction,
                           [this](const CloneImage& image) -> std::unique_ptr<PrintableScreen> {
                               const int productType = (image[0x2400] >> 4) & 0x03;
                               return std::make_unique<FakeScreen>(productType == 2 ? "KF" : "KFM", 1, &log);
                           });
    PrintScreens::Register(Slot::Emergency,
                           [](const CloneImage&) { return std::unique_ptr<PrintableScreen>(); });
    CloneImage image;
    image[0x2400] = 0x20;
    EXPECT_EQ(Body(Header::WriteDocumentStart(image)),
              "<div class=\"container\"><div class=\"second\">{KF1}</div>\n"
              "</div>\n");
    image[0x2400] = 0x10;
    EXPECT_NE(Body(Header::WriteDocumentStart(image)).find("{KFM1}"), std::string::npos);
}

TEST_F(HtmlDocumentTest, CheckWordsAreTranslatedAndEscapedForEachDocument) {
    PrintableScreen::SetCheckWords("x", "y");
    Header::WriteDocumentStart(CloneImage{});
    EXPECT_EQ(PrintableScreen::EnableText(), "Enable");
    EXPECT_EQ(PrintableScreen::DisableText(), "Disable");
}

TEST_F(HtmlDocumentTest, AScreenThatNeverStopsEndsTheBuildWithAnError) {
    Add(Slot::ChannelGrid, "CG", 1'000'000);
    EXPECT_THROW(Header::WriteDocumentStart(CloneImage{}), std::runtime_error);
}

}  // namespace
