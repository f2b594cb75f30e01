// The settings-page framework without windows: restriction states, the
// invalid-value list, the no-selection skip, writing only what changed, and
// the printed rows of single pages and containers.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/TestHost.h"
#include "settings/SettingsPage.h"
#include "settings/SettingsPrint.h"

using namespace Settings;
using SettingsTest::Diff;

namespace {

constexpr ST_DISPDATA kList[] = {{0, "Zero", ""}, {1, "One", ""}, {2, "Two", ""}, {-1, "", ""}};
constexpr std::size_t kAlphaByte = CloneImage::BlockOffset(8, 0x3F0);
constexpr std::size_t kBetaByte = CloneImage::BlockOffset(8, 0x3F1);

// Two combo boxes on two bytes, a check box, and one restriction state for
// the first combo box (the others always shown).
class TinyPage : public SettingsPage {
  public:
    TinyPage(std::uint8_t state, std::uint32_t restrict, std::string tab = {})
        : SettingsPage(900, std::move(tab)), restrict_(restrict) {
        for (auto& s : alphaStates_) s = state;
    }
    bool CheckUnconditional(int) override { return allow; }
    void CheckControl(int id) override { checked.push_back(id); }

    bool allow = false;
    std::vector<int> checked;

  protected:
    void Build() override {
        AddCombo(
            2001, "&Alpha", 2101, kList,
            [](const CloneImage& image) { return std::int32_t{image[kAlphaByte]}; },
            [](CloneImage& image, std::int32_t v) { image[kAlphaByte] = static_cast<std::uint8_t>(v); });
        AddCombo(
            2002, "Beta", 2102, kList, [](const CloneImage& image) { return std::int32_t{image[kBetaByte]}; },
            [](CloneImage& image, std::int32_t v) { image[kBetaByte] = static_cast<std::uint8_t>(v); });
        AddCheck(2201, "&Gamma");
        rules_[0] = {2001, 0, alphaStates_};
        rules_[1] = {2101, restrict_, alphaStates_};
        rules_[2] = {2002, 0, betaStates_};
        rules_[3] = {2102, 1, betaStates_};
        rules_[4] = {2201, 1, gammaStates_};
        rules_[5] = {-1, 0, nullptr};
        SetRuleRows(rules_);
    }

  private:
    std::uint32_t restrict_;
    std::uint8_t alphaStates_[15]{};
    std::uint8_t betaStates_[15]{};
    std::uint8_t gammaStates_[15]{};
    ControlRuleRow rules_[6]{};
};

CloneImage TinyImage(std::uint8_t alpha, std::uint8_t beta) {
    CloneImage image;
    image[kAlphaByte] = alpha;
    image[kBetaByte] = beta;
    return image;
}

}  // namespace

TEST(SettingsForm, RestrictionStatesOnOpening) {
    struct Case {
        std::uint8_t state;
        std::uint32_t restrict;
        bool allow;
        bool enabled, visible, showsValue;
    };
    const Case cases[] = {
        {0, 1, false, true, true, true},   {1, 1, false, false, true, true},  {1, 0, false, true, true, true},
        {3, 0, false, false, false, true}, {4, 1, false, false, false, true}, {5, 1, true, true, true, true},
        {5, 1, false, false, true, false}, {6, 1, false, false, true, false}, {6, 0, false, true, true, true},
    };
    TestHost host;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << int(c.state) << " restrict " << c.restrict);
        TinyPage page(c.state, c.restrict);
        page.allow = c.allow;
        const CloneImage image = TinyImage(1, 2);
        page.Open(image, 0);
        EXPECT_EQ(page.Form().IsEnabled(2101), c.enabled);
        EXPECT_EQ(page.Form().IsVisible(2101), c.visible);
        EXPECT_EQ(page.Form().IsVisible(2001), c.visible) << "the caption shares the control's states";
        EXPECT_EQ(page.Form().Value(2101), c.showsValue ? 1 : -1);
        // Whatever the state, OK without edits writes nothing.
        CloneImage saved = image;
        page.Save(saved);
        EXPECT_EQ(saved, image);
    }
}

TEST(SettingsForm, StateTwoAsksThePage) {
    TestHost host;
    TinyPage page(2, 1);
    page.Open(TinyImage(0, 0), 0);
    EXPECT_EQ(page.checked, std::vector<int>{2101});
}

TEST(SettingsForm, AValueWithoutARowIsKeptUntilTheUserPicksOne) {
    TestHost host;
    TinyPage page(0, 1);
    const CloneImage image = TinyImage(7, 2);
    page.Open(image, 0);
    EXPECT_EQ(page.Form().Invalid(), std::vector<int>{2101});
    EXPECT_EQ(page.Form().Value(2101), -1);

    CloneImage saved = image;
    page.Save(saved);
    EXPECT_EQ(saved, image) << "no selection writes nothing";

    page.Form().SelectIndex(2101, 2);
    page.Save(saved);
    EXPECT_EQ(Diff(image, saved), (SettingsTest::Changes{{kAlphaByte, 2}}));
}

TEST(SettingsForm, OnlyChangedItemsAreWritten) {
    TestHost host;
    TinyPage page(0, 1);
    // Bits outside the list's values: writing the loaded value back would be
    // harmless here, but a composite or fanned-out item is not.
    const CloneImage image = TinyImage(1, 2);
    page.Open(image, 0);
    page.Form().SelectIndex(2102, 0);
    page.Form().SelectIndex(2102, 2);  // back to the loaded value
    page.Form().SelectIndex(2101, 0);
    CloneImage saved = image;
    page.Save(saved);
    EXPECT_EQ(Diff(image, saved), (SettingsTest::Changes{{kAlphaByte, 0}}));
}

TEST(SettingsForm, ListsKeepTheSelectedValue) {
    SettingsForm form;
    form.Add(5, ControlKind::Combo).rows = RowsOf(kList);
    EXPECT_TRUE(form.SelectValue(5, 2));
    form.SetRows(5, {{2, "Two"}, {3, "Three"}});
    EXPECT_EQ(form.Value(5), 2);
    form.SetRows(5, {{3, "Three"}});
    EXPECT_EQ(form.Value(5), -1) << "a withdrawn row leaves no selection";
    EXPECT_FALSE(form.SelectValue(5, 9));
}

TEST(SettingsPrint, SinglePagePrintsShownRowsOnly) {
    TestHost host;
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<TinyPage>(3, 1));  // Alpha hidden
    const CloneImage image = TinyImage(1, 2);
    SettingsPrint print(
        std::make_unique<SettingsDialogModel>(DialogSpec{900, "Tiny", "Tiny", false}, std::move(pages)),
        image);
    std::string out;
    print.RenderPage(out, &image);
    EXPECT_NE(out.find("[Tiny]"), std::string::npos) << out;
    EXPECT_NE(out.find("<td>Beta:</td>\n<td>Two</td>"), std::string::npos) << out;
    EXPECT_EQ(out.find("Alpha"), std::string::npos) << "a hidden row is not printed\n" << out;
}

TEST(SettingsPrint, ContainerPrintsOnePagePerCall) {
    TestHost host;
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<TinyPage>(0, 1, "First"));
    pages.push_back(std::make_unique<TinyPage>(0, 1, "Second"));
    const CloneImage image = TinyImage(0, 1);
    SettingsPrint print(
        std::make_unique<SettingsDialogModel>(DialogSpec{900, "Tiny", "Tiny", true}, std::move(pages)),
        image);
    std::string first, second, third;
    print.RenderPage(first, &image);
    print.RenderPage(second, &image);
    print.RenderPage(third, &image);
    EXPECT_NE(first.find("[Tiny - 1(First)]"), std::string::npos) << first;
    EXPECT_NE(first.find("<td>Alpha:</td>\n<td>Zero</td>"), std::string::npos) << first;
    EXPECT_NE(second.find("[Tiny - 2(Second)]"), std::string::npos) << second;
    EXPECT_EQ(third, SettingsPrint::InvalidPageText);
}

namespace {

// A line of a caption and three controls between two ordinary lines: the
// page takes four cells a line and prints each control in a cell of its own.
class WidePage : public SettingsPage {
  public:
    WidePage() : SettingsPage(901) {}

  protected:
    void Build() override {
        AddCombo(2001, "Alpha", 2101, kList, nullptr, nullptr);
        BeginRow(2002, "Row");
        AddCombo(0, {}, 2102, kList, nullptr, nullptr);
        AddCheck(2202, "Check");
        AddEmptyCombo(0, {}, 2103);
        EndRow();
        AddCheck(2201, "Gamma", 2003, "Last");
        Form().SelectValue(2101, 1);
        Form().SelectValue(2102, 2);
        static constexpr std::uint8_t kAlpha[15]{}, kRow[15]{}, kLast[15]{};
        static constexpr ControlRuleRow kRules[] = {{2001, 0, kAlpha}, {2101, 0, kAlpha}, {2002, 0, kRow},
                                                    {2102, 0, kRow},   {2202, 0, kRow},   {2103, 0, kRow},
                                                    {2003, 0, kLast},  {2201, 0, kLast},  {-1, 0, nullptr}};
        SetRuleRows(kRules);
    }
};

}  // namespace

TEST(SettingsPrint, ALineOfSeveralControlsPrintsACellEach) {
    TestHost host;
    WidePage probe;
    probe.Open(CloneImage{}, 0);
    ASSERT_EQ(probe.Layout().size(), 3u);
    EXPECT_EQ(probe.Layout()[1].labelId, 2002);
    EXPECT_EQ(probe.Layout()[1].controlId, 2102);
    EXPECT_EQ(probe.Layout()[1].beside, (std::vector<int>{2202, 2103}));
    EXPECT_EQ(probe.Columns(), 4);

    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<WidePage>());
    const CloneImage image;
    SettingsPrint print(
        std::make_unique<SettingsDialogModel>(DialogSpec{901, "Wide", "Wide", false}, std::move(pages)), image);
    std::string out;
    print.RenderPage(out, &image);
    EXPECT_NE(out.find("<th colspan=\"4\">[Wide]"), std::string::npos) << out;
    EXPECT_NE(out.find("<td>Alpha:</td>\n<td>One</td>\n</tr>"), std::string::npos) << out;
    EXPECT_NE(out.find("<td>Row:</td>\n<td>Two</td>\n<td>" + PrintableScreen::DisableText() +
                       "</td>\n<td>&nbsp;</td>\n</tr>"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("<td>Last:</td>\n<td>" + PrintableScreen::DisableText() + "</td>\n</tr>"),
              std::string::npos)
        << out;
}
