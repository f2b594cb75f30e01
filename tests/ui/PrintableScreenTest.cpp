// The printable-screen base without a window: the tag writer, forms from rule
// tables, grid tables, check cells and the class cache.
#include <gtest/gtest.h>

#include <map>

#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"
#include "ui/Restraction.h"

namespace {

constexpr std::uint8_t kShown[15] = {};
constexpr std::uint8_t kShown2[15] = {};
constexpr std::uint8_t kHidden[15] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};

// A form screen whose "window" is a map of control id -> control.
class FakeForm : public PrintableScreen {
  public:
    FakeForm(const ControlRuleRow* rows, std::map<int, PrintControl> controls, bool dialog = true)
        : PrintableScreen(700, rows), controls_(std::move(controls)), dialog_(dialog) {}

    bool IsDialog() const override { return dialog_; }
    std::string WindowText() const override { return title; }
    PrintControl ControlForPrint(int id) const override {
        const auto it = controls_.find(id);
        return it == controls_.end() ? PrintControl{} : it->second;
    }
    bool IsFullRowControl(int id) override { return id == fullRowId; }
    std::string& ExtraHtml(std::string& out, PrintContext) override { return out += "extra"; }

    std::string title = "Form & Co";
    int fullRowId = -2;
    int renders = 0;
    std::string& RenderPage(std::string& out, PrintContext context) override {
        ++renders;
        return PrintableScreen::RenderPage(out, context);
    }

  protected:
    PrintCache& ClassCache() override { return CacheOf<FakeForm>(); }

  private:
    std::map<int, PrintControl> controls_;
    bool dialog_;
};

PrintControl Text(std::string text) {
    return {true, false, false, std::move(text)};
}
PrintControl Check(bool on) {
    return {true, true, on, {}};
}

const std::string kHead =
    "<table width=\"100%\"><colgroup span=\"2\"></colgroup>\n<tr><th colspan=\"2\">[Form &amp; Co]</th>\n";

TEST(HtmlTagTest, OpensWithOrWithoutAttributesAndClosesWithALineBreakOnce) {
    std::string out;
    {
        HtmlTag td(out, "td");
        EXPECT_EQ(out, "<td>");
    }
    EXPECT_EQ(out, "<td></td>\n");

    out.clear();
    HtmlTag tag;
    tag.Open(out, "table", "width=\"100%\"");
    tag.Close();
    tag.Close();
    EXPECT_EQ(out, "<table width=\"100%\"></table>\n");

    out.clear();
    HtmlTag th;
    PrintableScreen::BorderlessCell(th, out, "th", {});
    EXPECT_EQ(out, "<th  class=\"borderless\">");
    th.Close();
    PrintableScreen::BorderlessCell(th, out, "td", "align=\"left\"");
    EXPECT_EQ(out, "<th  class=\"borderless\"></th>\n<td align=\"left\" class=\"borderless\">");
}

TEST(HtmlTagTest, EscapesMarkupCharacters) {
    EXPECT_EQ(HtmlEscape("a<b>&\"c\" d"), "a&lt;b&gt;&amp;&quot;c&quot; d");
    EXPECT_EQ(HtmlEscape(""), "");
}

TEST(PrintableFormTest, CaptionAndThreeValuesInTwoColumnsShareTheSecondCell) {
    const ControlRuleRow rows[] = {{2001, 0, kShown}, {2101, 0, kShown},  {2102, 0, kShown},
                                   {2103, 0, kShown}, {2002, 0, kShown2}, {2301, 0, kShown2},
                                   {-1, 0, nullptr}};
    FakeForm form(rows, {{2001, Text("Power")},
                         {2101, Text("High")},
                         {2102, Text("Low")},
                         {2103, Text("Mid")},
                         {2002, Text("Name")},
                         {2301, Text("")}});
    CloneImage image;
    std::string out;
    form.DialogToHtml(out, &image, 2);
    EXPECT_EQ(out, kHead +
                       "</tr>\n"
                       "<tr><td>Power:</td>\n<td>High Low Mid</td>\n</tr>\n"
                       "<tr><td>Name:</td>\n<td>&nbsp;</td>\n</tr>\n"
                       "</table>\n");
}

TEST(PrintableFormTest, HiddenOmittedAndFullRowControls) {
    struct Case {
        const char* name;
        std::vector<ControlRuleRow> rows;
        int fullRow;
        std::string body;
    };
    const std::vector<Case> cases = {
        {"every control hidden", {{2001, 1, kHidden}, {2101, 1, kHidden}, {-1, 0, nullptr}}, -2, ""},
        {"hidden value leaves the caption",
         {{2001, 0, kShown}, {2101, 0, kShown}, {2102, 1, kHidden}, {-1, 0, nullptr}},
         -2,
         "<tr><td>Cap:</td>\n<td>On</td>\n</tr>\n"},
        {"full row ends the group",
         {{2001, 0, kShown}, {2201, 0, kShown2}, {2101, 0, kShown2}, {-1, 0, nullptr}},
         2201,
         "<tr><td>Cap:</td>\n</tr>\n<tr><td colspan=\"2\">extra</td>\n</tr>\n<tr><td>On:</td>\n</tr>\n"},
        {"checks and escaping",
         {{2001, 0, kShown}, {2201, 0, kShown}, {2202, 0, kShown}, {2002, 0, kShown2}, {-1, 0, nullptr}},
         -2,
         "<tr><td>Cap:</td>\n<td>Enable Disable</td>\n</tr>\n<tr><td>&lt;x&amp;y&gt;:</td>\n</tr>\n"},
    };
    for (const Case& c : cases) {
        FakeForm form(c.rows.data(), {{2001, Text("Cap")},
                                      {2101, Text("On")},
                                      {2102, Text("Off")},
                                      {2201, Check(true)},
                                      {2202, Check(false)},
                                      {2002, Text("<x&y>")}});
        form.fullRowId = c.fullRow;
        std::string out;
        form.DialogToHtml(out, nullptr, 2);
        EXPECT_EQ(out, kHead + "</tr>\n" + c.body + "</table>\n") << c.name;
    }
}

TEST(PrintableFormTest, OmittedControlAndTranslatedCheckWords) {
    class Omitting : public FakeForm {
      public:
        using FakeForm::FakeForm;
        bool IsControlOmitted(int id) override { return id == 2101; }
    };
    const ControlRuleRow rows[] = {{2001, 0, kShown}, {2101, 0, kShown}, {2201, 0, kShown}, {-1, 0, nullptr}};
    Omitting form(rows, {{2001, Text("Cap")}, {2101, Text("On")}, {2201, Check(false)}});
    PrintableScreen::SetCheckWords("Ein", "Aus");
    std::string out;
    form.DialogToHtml(out, nullptr, 2);
    PrintableScreen::SetCheckWords("Enable", "Disable");
    EXPECT_EQ(out, kHead + "</tr>\n<tr><td>Cap:</td>\n<td>Aus</td>\n</tr>\n</table>\n");
}

TEST(PrintableFormTest, AScreenWithoutAFormPrintsItsTitleParagraph) {
    FakeForm noRows(nullptr, {});
    std::string out;
    noRows.RenderPage(out, nullptr);
    EXPECT_EQ(out, "<p>Form &amp; Co</p><P style= \"font-size:10pt; color:red; \"> !!Not Implemented!! </P>");

    const ControlRuleRow rows[] = {{2001, 0, kShown}, {-1, 0, nullptr}};
    FakeForm notDialog(rows, {{2001, Text("Cap")}}, false);
    std::string viewOut;
    notDialog.RenderPage(viewOut, nullptr);
    EXPECT_EQ(viewOut, out);
}

TEST(PrintableGridTest, TableOfHeaderAndRowsWithHiddenColumnsDashesAndEscaping) {
    TextPrintGrid grid(1, {{"No.", "TAG", "Hidden"}, {"1", "   ", "x"}, {"2", "", "y"}, {"3", "a<b", "z"}});
    grid.SetColHidden(2, true);
    FakeForm screen(nullptr, {});
    std::string out;
    screen.GridTableHtml(out, grid, 0, 3, true);
    EXPECT_EQ(
        out,
        "<table width=\"100%\"><tr><th  class=\"borderless\">No.</th>\n<th  class=\"borderless\">TAG</th>\n"
        "</tr>\n"
        "<tr><td>1</td>\n<td>---</td>\n</tr>\n"
        "<tr><td>2</td>\n<td>-</td>\n</tr>\n"
        "<tr><td>3</td>\n<td>a&lt;b</td>\n</tr>\n"
        "</table>\n");

    std::string noHeader;
    screen.GridTableHtml(noHeader, grid, 1, 1, false);
    EXPECT_EQ(noHeader, "<table width=\"100%\"><tr><td>2</td>\n<td>-</td>\n</tr>\n</table>\n");

    // A row with no visible column still prints its empty row.
    for (int c = 0; c < 3; ++c) grid.SetColHidden(c, true);
    std::string empty;
    screen.GridRowHtml(empty, grid, 0);
    EXPECT_EQ(empty, "<tr></tr>\n");
}

TEST(PrintableGridTest, CheckCellsBecomeVOrDash) {
    TextPrintGrid grid(1, {{"A", "B", "C"}, {"", " ", "x"}, {" ", "on", ""}});
    const int columns[] = {0, 2, -1};
    PrintableScreen::ConvertCheckCells(grid, 1, columns);
    EXPECT_EQ(grid.Text(0, 0), "A");  // above the first row: unchanged
    EXPECT_EQ(grid.Text(1, 0), "v");
    EXPECT_EQ(grid.Text(2, 0), "v");
    EXPECT_EQ(grid.Text(1, 1), " ");  // not listed
    EXPECT_EQ(grid.Text(1, 2), "-");
    EXPECT_EQ(grid.Text(2, 2), "v");
}

TEST(PrintableCacheTest, BaseRendersEveryTimeAValidCacheIsReusedUntilTheRerenderFlag) {
    const ControlRuleRow rows[] = {{2001, 0, kShown}, {-1, 0, nullptr}};
    FakeForm form(rows, {{2001, Text("Cap")}});
    bool more = false;
    std::string first, second;
    form.GetHtml(first, nullptr, &more, false);
    form.GetHtml(second, nullptr, &more, false);
    EXPECT_EQ(form.renders, 2);
    EXPECT_EQ(first, second);
    EXPECT_FALSE(more);
    EXPECT_EQ(form.CachedHtml(), first);

    *form.CacheValidFlag() = true;
    form.title = "Changed";
    std::string cached;
    form.GetHtml(cached, nullptr, &more, false);
    EXPECT_EQ(form.renders, 2);
    EXPECT_EQ(cached, first);

    PrintableScreen::SetRerenderFlag(true);
    EXPECT_FALSE(*form.CacheValidFlag());
    PrintableScreen::SetRerenderFlag(false);
    std::string fresh;
    form.GetHtml(fresh, nullptr, &more, false);
    EXPECT_EQ(form.renders, 3);
    EXPECT_NE(fresh, first);
}

}  // namespace
