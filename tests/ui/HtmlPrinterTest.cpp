// The printer's document cache and the document as the renderer sees it,
// without a window.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "image/TestHost.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"

namespace {

class HtmlPrinterCacheTest : public ::testing::Test {
  protected:
    void SetUp() override { PrintScreens::ClearAll(); }
    void TearDown() override {
        PrintScreens::ClearAll();
        SetPrintLanguageSource({});
        PrintableScreen::SetRerenderFlag(false);
    }
    TestHost host;
    int counter = 0;
    HtmlPrinter printer{[this](const CloneImage& image) {
        ++counter;
        return "doc" + std::to_string(counter) + ":" + std::to_string(image[100]);
    }};
};

TEST_F(HtmlPrinterCacheTest, EachInputTheDocumentDependsOnBuildsItAgain) {
    CloneImage image;
    std::string columns = "1111";
    PrintScreens::RegisterDependency("columns", [&columns] { return columns; });
    std::string font = "Courier New";
    SetPrintLanguageSource([&font] { return PrintLanguage{font, "UTF-8"}; });

    struct Step {
        const char* change;
        std::function<void()> apply;
        bool rebuilds;
    };
    const std::vector<Step> steps = {
        {"first request", [] {}, true},
        {"same image again", [] {}, false},
        {"one image byte", [&] { image[100] = 7; }, true},
        {"5-tone system setting", [&] { image[CloneImage::BlockOffset(13, 0)] = 0xFE; }, true},
        {"5-tone setting other bits only", [&] { image[CloneImage::BlockOffset(13, 0)] = 0xF2; }, true},
        {"MDC1200 setup type", [&] { host.mdcSetupType = 1; }, true},
        {"MDC1200 setup type out of range counts as 0", [&] { host.mdcSetupType = 5; }, true},
        {"MDC1200 other value out of range", [&] { host.mdcSetupType = 7; }, false},
        {"service mode", [&] { host.serviceMode = 2; }, true},
        {"visible channel columns", [&] { columns = "1011"; }, true},
        {"language font", [&] { font = "Mono"; }, true},
        {"re-render flag of a language load", [] { PrintableScreen::SetRerenderFlag(true); }, true},
        {"a screen registered",
         [] {
             PrintScreens::Register(PrintScreens::Slot::Password,
                                    [](const CloneImage&) { return std::unique_ptr<PrintableScreen>(); });
         },
         true},
        {"nothing changed", [] {}, false},
    };
    for (const Step& step : steps) {
        step.apply();
        const int before = printer.BuildCount();
        const std::string doc = printer.BuildHtml(image);
        EXPECT_EQ(printer.BuildCount() - before, step.rebuilds ? 1 : 0) << step.change;
        EXPECT_EQ(doc, "doc" + std::to_string(counter) + ":" + std::to_string(image[100])) << step.change;
        EXPECT_FALSE(PrintableScreen::RerenderFlag()) << step.change;
    }
}

TEST_F(HtmlPrinterCacheTest, AFailedBuildKeepsTheLastDocumentAndIsTriedAgain) {
    bool fail = false;
    HtmlPrinter failing([&](const CloneImage& image) -> std::string {
        if (fail) throw std::runtime_error("out of memory");
        return "doc " + std::to_string(image[5]);
    });
    CloneImage image;
    image[5] = 1;
    EXPECT_EQ(failing.BuildHtml(image), "doc 1");
    image[5] = 2;
    fail = true;
    EXPECT_THROW(failing.BuildHtml(image), std::runtime_error);
    EXPECT_TRUE(failing.NeedsRebuild(image));
    fail = false;
    EXPECT_EQ(failing.BuildHtml(image), "doc 2");
    EXPECT_FALSE(failing.NeedsRebuild(image));
    EXPECT_EQ(failing.BuildCount(), 2);
}

TEST(HtmlForRenderingTest, ColumnsBecomeATableAndStylesBecomeAttributes) {
    const std::string doc =
        "<!DOCTYPE x><html><head><title>T</title>\n<style type=\"text/css\"><!--\np "
        "{}\n-->\n</style>\n</head>\n"
        "<body><p class=\"title\">Title</p>\n"
        "<div class=\"container\"><div class=\"first\">A<p></p>\n</div>\n<div class=\"second\">B</div>\n"
        "<div class=\"footer\"></div>\n</div>\n"
        "<div class=\"container\"><div class=\"first\">C</div>\n<p></p>\n<div class=\"full\">"
        "<table width=\"100%\"><tr><td>x</td>\n</tr>\n</table>\n</div>\n</div>\n"
        "<div class=\"container\"><div class=\"second\">D</div>\n</div>\n"
        "</body>\n</html>\n";
    const std::string html = HtmlForRendering(doc, "Courier New");
    const std::string columns = "<table width=\"100%\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\"><tr>";
    EXPECT_EQ(
        html,
        "<!DOCTYPE x><html><head><title>T</title>\n\n</head>\n"
        "<body><font face=\"Courier New\" size=\"1\"><p align=\"center\"><font size=\"3\">Title</font></p>\n"
        "<div>" +
            columns +
            "<td valign=\"top\" width=\"49%\">A<p></p>\n</td>\n"
            "<td width=\"2%\"></td><td valign=\"top\" width=\"49%\">B</td></tr></table>\n"
            "<div style=\"page-break-before:always\"></div>\n</div>\n"
            "<div>" +
            columns +
            "<td valign=\"top\" width=\"49%\">C</td>\n"
            "<td width=\"2%\"></td><td width=\"49%\"></td></tr></table>\n<p></p>\n<div>"
            "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"1\"><tr><td>x</td>\n</tr>\n"
            "</table>\n</div>\n</div>\n"
            "<div>" +
            columns +
            "<td width=\"49%\"></td><td width=\"2%\"></td>"
            "<td valign=\"top\" width=\"49%\">D</td></tr></table>\n</div>\n"
            "</font></body>\n</html>\n");
}

}  // namespace

#include "ui/HtmlCheck.h"

namespace {

TEST(HtmlCheckTest, RefusesWhatIsNotWellFormed) {
    const std::string good =
        "<!DOCTYPE x><html><head><style><!-- a > b --></style>\n<meta a=\"1\"></head>"
        "<body><p>a &amp; b</p>\n<table><tr><td>&nbsp;</td>\n</tr>\n</table>\n</body>\n"
        "</html>\n";
    EXPECT_EQ(HtmlCheck::Check(good), "");
    struct Case {
        const char* name;
        std::string from, to;
        const char* error;
    };
    const std::vector<Case> cases = {
        {"no declaration", "<!DOCTYPE x>", "", "no document type"},
        {"unclosed cell", "&nbsp;</td>", "&nbsp;", "</tr> closes <td>"},
        {"bare ampersand", "a &amp; b", "a & b", "bare &"},
        {"raw less-than", "a &amp; b", "a < b", "raw <"},
        {"unquoted value", "a=\"1\"", "a=1", "unquoted"},
        {"two roots", "</html>\n", "</html>\n<html></html>", "second root"},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        bad.replace(bad.find(c.from), c.from.size(), c.to);
        EXPECT_NE(HtmlCheck::Check(bad).find(c.error), std::string::npos)
            << c.name << ": " << HtmlCheck::Check(bad);
    }
}

}  // namespace
