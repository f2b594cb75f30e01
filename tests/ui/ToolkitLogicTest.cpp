// Window-free rules of the toolkit: restriction states, signal levels, combo
// filling, header merging, selected rows and window placement.
#include <gtest/gtest.h>

#include <map>

#include "image/ImageHost.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/GridLogic.h"
#include "ui/Restraction.h"
#include "ui/SignalLevel.h"
#include "ui/UiUtil.h"
#include "ui/WindowPlacement.h"

namespace {

// Every state 0-6 in a row of its own, the same for all variants and modes.
std::array<std::uint8_t, 15> Uniform(std::uint8_t state) {
    std::array<std::uint8_t, 15> s{};
    s.fill(state);
    return s;
}

class RecordingRules : public CRestraction {
  public:
    int unconditionalAnswer = 0;
    std::vector<int> checked, unconditional;
    void CheckControl(int id) override { checked.push_back(id); }
    int CheckControlUnconditional(int id) override {
        unconditional.push_back(id);
        return unconditionalAnswer;
    }
};

}  // namespace

TEST(Restriction, OpeningStateForEveryStateWithRestrictOnAndOff) {
    // state -> (restrict set, restrict 0)
    const int expected[7][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 3}, {4, 4}, {5, 5}, {6, 0}};
    for (int state = 0; state <= 6; ++state) {
        auto states = Uniform(static_cast<std::uint8_t>(state));
        for (int restrict = 1; restrict >= 0; --restrict) {
            ControlRuleRow row{2101, static_cast<std::uint32_t>(restrict), states.data()};
            EXPECT_EQ(OpeningState(row, 2, 0), expected[state][restrict == 1 ? 0 : 1])
                << "state " << state << " restrict " << restrict;
        }
    }
}

TEST(Restriction, PrintableForEveryStateWithRestrictOnAndOff) {
    // state -> printed (restrict set, restrict 0); state 5 asks the rule object.
    const bool expected[7][2] = {{true, true},   {true, true},   {true, true},  {false, false},
                                 {false, false}, {false, false}, {false, false}};
    RecordingRules rules;
    for (int state = 0; state <= 6; ++state) {
        auto states = Uniform(static_cast<std::uint8_t>(state));
        for (int restrict = 1; restrict >= 0; --restrict) {
            ControlRuleRow row{2101, static_cast<std::uint32_t>(restrict), states.data()};
            EXPECT_EQ(IsControlPrintable(0, 0, row, rules), expected[state][restrict == 1 ? 0 : 1])
                << "state " << state << " restrict " << restrict;
        }
    }
    auto five = Uniform(5);
    ControlRuleRow row{2105, 1, five.data()};
    rules.unconditionalAnswer = 1;
    EXPECT_TRUE(IsControlPrintable(0, 0, row, rules));
    EXPECT_EQ(rules.unconditional.back(), 2105);
    // Restrict 0 with state 6: left alone on screen, still not printed.
    auto six = Uniform(6);
    ControlRuleRow cleared{2106, 0, six.data()};
    EXPECT_EQ(OpeningState(cleared, 0, 0), RestrictionState::None);
    EXPECT_FALSE(IsControlPrintable(0, 0, cleared, rules));
}

TEST(Restriction, StateByteIsVariantTimesThreePlusServiceMode) {
    std::array<std::uint8_t, 15> states{};
    for (int i = 0; i < 15; ++i) states[i] = static_cast<std::uint8_t>(i % 7);
    ControlRuleRow row{1, 1, states.data()};
    for (int v = 0; v < 5; ++v)
        for (int m = 0; m < 3; ++m) EXPECT_EQ(RuleState(row, v, m), (v * 3 + m) % 7);
    // Outside the table: no state, no out-of-bounds read.
    EXPECT_EQ(RuleState(row, 5, 0), -1);
    EXPECT_EQ(RuleState(row, -1, 0), -1);
    EXPECT_EQ(RuleState(row, 0, 3), -1);
    ControlRuleRow noStates{1, 1, nullptr};
    EXPECT_EQ(RuleState(noStates, 0, 0), -1);
    RecordingRules rules;
    EXPECT_FALSE(IsControlPrintable(0, 0, noStates, rules));
    ControlRuleRow end{-1, 1, states.data()};
    EXPECT_FALSE(IsControlPrintable(0, 0, end, rules));
}

TEST(Restriction, PrintableUsesTheHostServiceMode) {
    struct ModeHost : ImageHost {
        int mode = 0;
        int ServiceMode() const override { return mode; }
    } host;
    SetHost(&host);
    std::array<std::uint8_t, 15> states{};
    states[3 * 1 + 2] = 3;  // variant 1, manufacture mode: hidden
    ControlRuleRow row{2101, 1, states.data()};
    RecordingRules rules;
    EXPECT_TRUE(IsControlPrintable(1, row, rules));
    host.mode = 2;
    EXPECT_FALSE(IsControlPrintable(1, row, rules));
    SetHost(nullptr);
}

TEST(SignalLevel, TextsInEveryUnit) {
    struct Case {
        std::uint8_t stored;
        int unit;
        const char* text;
    } cases[] = {
        {0x86, 1, "-12"}, {0x14, 2, "+10.00"}, {0x14, 4, "-93"},    {0x00, 0, "+0"},
        {0x14, 0, "+20"}, {0x14, 1, "+14"},    {0x1A, 3, "+10.00"}, {0x86, 0, "-6"},
        {0x14, 7, "+20"}, {0xFF, 0, "-127"},   {0x00, 2, "+1.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignalLevel::ToText(c.stored, c.unit), c.text) << int(c.stored) << "/" << c.unit;
    CloneImage image;
    EXPECT_EQ(SignalLevel::ToText([](const CloneImage&) -> std::uint8_t { return 0x86; }, image, 1), "-12");
    EXPECT_EQ(SignalLevel::ToText(nullptr, image, 1), "");
    EXPECT_STREQ(SignalLevel::UnitList[4].text, "dBm");
}

TEST(ComboFill, OffersNonEmptyTextsAndSelectsTheLastMatch) {
    const ST_DISPDATA dimmer[] = {{0, "OFF", ""}, {2, "ON", ""}, {1, "1", ""},
                                  {2, "2", ""},   {3, "3", ""},  {-1, "", ""}};
    auto fill = UiUtil::PlanComboFill(dimmer, 2);
    EXPECT_EQ(fill.texts, (std::vector<std::string>{"OFF", "ON", "1", "2", "3"}));
    EXPECT_EQ(fill.selection, 3);  // the last row with value 2
    EXPECT_EQ(UiUtil::PlanComboFill(dimmer, 9).selection, 0);
    const ST_DISPDATA gaps[] = {{0, "A", ""}, {1, "", ""}, {2, "C", ""}, {-1, "tail", ""}, {3, "D", ""}};
    fill = UiUtil::PlanComboFill(gaps, 2);
    EXPECT_EQ(fill.texts, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(fill.selection, 1);
    const ST_DISPDATA empty[] = {{-1, "end", ""}};
    fill = UiUtil::PlanComboFill(empty, 0);
    EXPECT_TRUE(fill.texts.empty());
    EXPECT_EQ(fill.selection, -1);
}

TEST(GridLogic, HeaderSpans) {
    // Channel-grid-like header: two rows, merging in row 0 and every column.
    std::vector<std::vector<std::string>> t = {
        {"CH", "RX Freq", "TX Freq", "Option", "Option", "Option", "Scan"},
        {"CH", "RX Freq", "TX Freq", "Low", "High", "High", ""},
    };
    GridLogic::MergeInput in;
    in.headerRows = 2;
    in.cols = 7;
    in.text = [&](int r, int c) { return t[r][c]; };
    in.mergeRow = [](int r) { return r == 0; };
    in.mergeCol = [](int) { return true; };
    auto spans = GridLogic::ComputeHeaderSpans(in);
    std::vector<GridLogic::Span> expected = {{0, 0, 2, 1}, {0, 1, 2, 1}, {0, 2, 2, 1}, {0, 3, 1, 3}};
    EXPECT_EQ(spans, expected);  // "High High" in row 1 does not merge: row 1 does not allow it

    // A frozen edge after column 4 splits the "Option" run.
    in.frozenCols = 4;
    spans = GridLogic::ComputeHeaderSpans(in);
    expected = {{0, 0, 2, 1}, {0, 1, 2, 1}, {0, 2, 2, 1}, {0, 4, 1, 2}};
    EXPECT_EQ(spans, expected);
    in.frozenCols = 0;

    // Columns that do not merge keep their two header cells apart.
    in.mergeCol = [](int c) { return c != 1; };
    spans = GridLogic::ComputeHeaderSpans(in);
    expected = {{0, 0, 2, 1}, {0, 2, 2, 1}, {0, 3, 1, 3}};
    EXPECT_EQ(spans, expected);

    in.headerRows = 0;
    EXPECT_TRUE(GridLogic::ComputeHeaderSpans(in).empty());
}

TEST(GridLogic, ComboListSelectedRowsAndSums) {
    const ST_DISPDATA list[] = {{0, "Enc Code-1", ""}, {1, "Enc Code-2", ""}, {-1, "", ""}};
    EXPECT_EQ(GridLogic::JoinComboList(list), "Enc Code-1|Enc Code-2");
    const ST_DISPDATA endFirst[] = {{-1, "", ""}, {1, "x", ""}};
    EXPECT_EQ(GridLogic::JoinComboList(endFirst), "");
    EXPECT_EQ(GridLogic::SplitComboList("a|b||c"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_TRUE(GridLogic::SplitComboList("").empty());

    std::vector<GridLogic::Block> blocks = {{5, 6}, {3, 3}, {6, 7}};
    EXPECT_EQ(GridLogic::SelectedRows(blocks, 9), (std::vector<int>{5, 6, 3, 7}));
    EXPECT_EQ(GridLogic::SelectedRows({}, 4), (std::vector<int>{4}));
    EXPECT_TRUE(GridLogic::SelectedRows({}, -1).empty());

    auto all = [](int) { return true; };
    auto none = [](int) { return false; };
    auto width = [](int c) { return c == 1 ? 1245 : 510; };
    EXPECT_EQ(GridLogic::SumVisiblePixels(2, all, none, width), (510 + 1245 + 510) / 15);
    EXPECT_EQ(GridLogic::SumVisiblePixels(
                  2, all, [](int c) { return c == 1; }, width),
              1020 / 15);
    EXPECT_EQ(GridLogic::SumVisiblePixels(-1, all, none, width), 0);
    EXPECT_EQ(GridLogic::SumVisiblePixels(0, all, none, [](int) { return 29; }), 1);  // truncated
}

TEST(WindowPlacement, RestoreKeepsTheWindowInsideTheWorkArea) {
    using WindowPlacement::Rect;
    struct Case {
        Rect in;
        unsigned flags;
        const char* pos;
        const char* size;
        Rect work;
        Rect out;
    } cases[] = {
        // A position beyond the right edge: right edge on the work area's.
        {{0, 0, 400, 300}, 1, "2000,100", "", {0, 0, 1280, 1000}, {880, 100, 400, 300}},
        // A size below the minimum: the minimum.
        {{10, 10, 400, 300}, 3, "10,10", "50,40", {0, 0, 1280, 1000}, {10, 10, 200, 150}},
        // Negative positions come back to the origin.
        {{0, 0, 400, 300}, 1, "-50,-70", "", {0, 0, 1280, 1000}, {0, 0, 400, 300}},
        // A work area away from the origin (a second display, a panel on top).
        {{0, 0, 400, 300}, 1, "100,10", "", {1280, 40, 1024, 728}, {1280, 40, 400, 300}},
        {{0, 0, 400, 300}, 1, "9000,9000", "", {1280, 40, 1024, 728}, {1904, 468, 400, 300}},
        // Position not asked for: not applied; a size that does not parse: ignored.
        {{100, 100, 400, 300}, 2, "900,900", "500,400", {0, 0, 1280, 1000}, {100, 100, 500, 400}},
        {{100, 100, 400, 300}, 3, "x", "500", {0, 0, 1280, 1000}, {100, 100, 400, 300}},
    };
    for (const auto& c : cases) {
        Rect r = WindowPlacement::ClampToWorkArea(c.in, 200, 150, c.pos, c.size, c.flags, c.work);
        EXPECT_EQ(r, c.out) << c.pos << " -> " << r.left << "," << r.top << " " << r.width << "x" << r.height;
    }
}

TEST(WindowPlacement, GridWidthsByGeneration) {
    using WindowPlacement::WidthDefault;
    // The 2-tone system columns: column 3 came later (generation 1).
    std::vector<WidthDefault> table = {{0, 510}, {0, 1245}, {0, 615}, {1, 510}, {0, 300}};
    auto w = WindowPlacement::ResolveGridWidths(table, "600,1200,700,800,900,");
    EXPECT_EQ(w, (std::vector<int>{600, 1200, 700, 800, 900}));
    // Saved before the later column existed: it keeps its default.
    w = WindowPlacement::ResolveGridWidths(table, "600,1200,700,900,");
    EXPECT_EQ(w, (std::vector<int>{600, 1200, 700, 510, 900}));
    // Nothing saved, or pieces that are not widths: defaults.
    EXPECT_EQ(WindowPlacement::ResolveGridWidths(table, ""), (std::vector<int>{510, 1245, 615, 510, 300}));
    w = WindowPlacement::ResolveGridWidths(table, "600,abc,0,800,900,");
    EXPECT_EQ(w, (std::vector<int>{600, 1245, 615, 800, 900}));
    // A list that fits no generation applies from the first column.
    w = WindowPlacement::ResolveGridWidths(table, "600,");
    EXPECT_EQ(w, (std::vector<int>{600, 1245, 615, 510, 300}));
}

TEST(WindowPlacement, SettingsRoundTripAndFontRate) {
    TempDir dir;
    SetProfilePath(dir.path() / "settings.xml");
    const double bars[] = {0.4, 0.3, 0.2};
    WindowPlacement::SaveBarPosition("Tone5_Sys", bars);
    EXPECT_EQ(GetProfileString("Tone5_Sys", "BarPosition", ""), "0.4000,0.3000,0.2000,");
    double loaded[] = {0.5, 0.33, 0.5};
    WindowPlacement::LoadBarPosition("Tone5_Sys", loaded);
    EXPECT_EQ(std::vector<double>(loaded, loaded + 3), (std::vector<double>{0.4, 0.3, 0.2}));
    const int sizes[] = {120, 340};
    WindowPlacement::SaveSplitter("Spl1", sizes);
    EXPECT_EQ(GetProfileString("Spl1", "SplitterPosition", ""), "120,340,");

    EXPECT_EQ(WindowPlacement::LoadFontSize(), 1.0);
    WindowPlacement::SaveFontSize(1.25);
    EXPECT_EQ(GetProfileString("FontSize", "SizeRate", ""), "1.25");
    EXPECT_EQ(WindowPlacement::LoadFontSize(), 1.25);
    for (const char* bad : {"3", "0", "-1", "x"}) {
        WriteProfileString("FontSize", "SizeRate", bad);
        const double rate = WindowPlacement::LoadFontSize();
        EXPECT_GT(rate, 0.0) << bad;
        EXPECT_LE(rate, 2.0) << bad;
    }
    SetProfilePath({});
}
