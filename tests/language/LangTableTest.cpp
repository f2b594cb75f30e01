#include <gtest/gtest.h>

#include "language/LangTable.h"
#include "language/Language.h"
#include "language/StringTable.h"
#include "language/TextTables.h"

namespace {

// Installs a table made of `entries` for one test and empties it after.
class LangTableTest : public ::testing::Test {
  protected:
    void Use(const std::vector<std::pair<int, LangTableItem>>& entries) {
        LangTable::Install(BuildNodes(entries));
    }
    void TearDown() override { LangTable::Install({}); }
    static std::string Lookup(int rid, std::string_view base) {
        std::string out = "<none>";
        LangTable::LookupRID(rid, base, out);
        return out;
    }
};

constexpr int kCancelRid = MakeRID(0, 621, 1096);
constexpr int kComboRid = MakeRID(0, 607, 2101);

TEST_F(LangTableTest, SingleNodeMatchesTheTrimmedBaseExactly) {
    Use({{kCancelRid, {"Cancel", "Annuler", ""}}, {MakeRID(0, 621, 1), {"", "Vide", ""}}});
    const struct {
        int rid;
        const char* base;
        const char* shown;
    } cases[] = {
        {kCancelRid, "Cancel", "Annuler"},
        {kCancelRid, "  Cancel ", "Annuler"},
        {kCancelRid, "cancel", "<none>"},
        {kCancelRid, "Cancel.", "<none>"},
        {kCancelRid, "\tCancel", "<none>"},
        {MakeRID(0, 621, 1), "", "Vide"},
        {MakeRID(0, 621, 1), "   ", "Vide"},
        {MakeRID(0, 621, 1), "x", "<none>"},
        {MakeRID(1, 621, 1096), "Cancel", "<none>"},
    };
    for (const auto& c : cases) EXPECT_EQ(Lookup(c.rid, c.base), c.shown) << c.rid << " '" << c.base << "'";
}

TEST_F(LangTableTest, PluralNodeTellsRowsApartByBaseAndKeepsTheLaterOfTwoEqualBases) {
    Use({{kComboRid, {"Disable", "Aus", ""}},
         {kComboRid, {"Enable", "Ein", ""}},
         {kComboRid, {"Disable", "Nein", ""}},
         {kComboRid, {"Empty", "", "print only"}}});
    EXPECT_EQ(Lookup(kComboRid, "Enable"), "Ein");
    EXPECT_EQ(Lookup(kComboRid, " Disable"), "Nein");
    EXPECT_EQ(Lookup(kComboRid, "Empty"), "<none>");  // an empty screen text is no translation
    EXPECT_EQ(Lookup(kComboRid, "Other"), "<none>");
}

TEST_F(LangTableTest, PrintTextsWinWhilePrintingAndFallBackToScreenTexts) {
    Use({{1001, {"A", "screen A", ""}}, {1002, {"B", "screen B", "print B"}}});
    EXPECT_EQ(Lookup(1002, "B"), "screen B");
    ScopedPrintTextMode printing;
    EXPECT_EQ(Lookup(1001, "A"), "screen A");
    EXPECT_EQ(Lookup(1002, "B"), "print B");
}

TEST_F(LangTableTest, ExemptDialogsKeepTheirTextEvenWithAnEntry) {
    Use({{3712001, {"Text", "Translated", ""}}});
    EXPECT_EQ(Lookup(3712001, "Text"), "Text");
    EXPECT_EQ(Lookup(MakeRID(3, 640, 0), "Caption"), "Caption");
}

TEST_F(LangTableTest, CommonWordsTranslateByTheFirstRowOfTheirWord) {
    EXPECT_EQ(LangTable::TranslateCommonWord("kHz"), "kHz");  // no language
    Use({{70013, {"CH", "Kanal", ""}}, {70041, {"CH", "K41", ""}}, {70007, {"kHz", "KHZ", ""}}});
    EXPECT_EQ(LangTable::TranslateCommonWord("CH"), "Kanal");
    EXPECT_EQ(LangTable::TranslateCommonWord("kHz"), "KHZ");
    EXPECT_EQ(LangTable::TranslateCommonWord("khz"), "khz");
    EXPECT_EQ(LangTable::TranslateCommonWord("Other"), "Other");
}

TEST_F(LangTableTest, RowsTakeTheirOwnTranslationThenTheirCommonWordThenStayAsTheyAre) {
    Use({{70006, {"Hz", "Hertz", ""}},
         {70007, {"kHz", "KiloHertz", ""}},
         {70013, {"CH", "Kanal", ""}},
         {kComboRid, {"Direct CH 2", "Direkt 2", ""}}});
    const struct {
        const char* base;
        const char* shown;
    } cases[] = {
        {"67.0 Hz", "67.0 Hertz"},
        {"12.5 kHz", "12.5 KiloHertz"},
        {"Direct CH 2", "Direkt 2"},
        {"Direct CH 3", "Direct CH 3"},
        {"CH 5", "Kanal 5"},
        {"&CH", "&CH"},
        {"Hz", "Hertz"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(LangTable::TranslateRow(kComboRid, c.base), c.shown) << c.base;

    const ST_DISPDATA list[] = {
        {0, "12.5 kHz", ""}, {1, "Direct CH 2", ""}, {-1, "", ""}, {2, "after end", ""}};
    EXPECT_EQ(LangTable::ApplyTextTable(kComboRid, list),
              (std::vector<std::string>{"12.5 KiloHertz", "Direkt 2"}));
    ScopedPrintTextMode printing;
    EXPECT_EQ(LangTable::TranslateItem(kComboRid, "a<b"), "a&lt;b");
}

TEST(PrintForms, MnemonicsAreRemovedAndHtmlIsEscapedThroughout) {
    const struct {
        const char* text;
        const char* label;
        const char* html;
    } cases[] = {
        {"&Save", "Save", "Save"},
        {"Save(&S)", "Save", "Save"},
        {"CH Cut(&x)", "CH Cut", "CH Cut"},
        {"&#1", "#1", "#1"},
        {"A & B", "A & B", "A &amp; B"},
        {"A && B & C", "A && B & C", "A &amp; B &amp; C"},
        {"x<y>z", "x<y>z", "x&lt;y&gt;z"},
        {"one\ntwo", "one\ntwo", "one<BR>two"},
        {" ", " ", "&nbsp;"},
        {"", "", "&nbsp;"},
        {"say \"hi\"", "say \"hi\"", "say \"hi\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LangTable::PrintTextForRID(c.text), c.label) << c.text;
        EXPECT_EQ(HtmlEscapeText(c.text), c.html) << c.text;
    }
    EXPECT_EQ(HtmlEscapeText("a\"b", true), "a&quot;b");
    EXPECT_EQ(ReplaceCharWith("a\nb\n", '\n', "<BR>"), "a<BR>b<BR>");
}

TEST(TextTablesTest, CommonWordsAndStringTableHoldTheirTexts) {
    EXPECT_EQ(std::size(TextTables::CommonWordTable), 47u);
    EXPECT_EQ(TextTables::CommonWordRid("CH"), 70013);
    EXPECT_EQ(TextTables::CommonWordRid("Sys"), 70045);
    EXPECT_EQ(TextTables::CommonWordRid("sys"), std::nullopt);
    for (int rid = TextTables::FirstCommonWordRid; rid <= TextTables::LastCommonWordRid; ++rid)
        EXPECT_EQ(TextTables::CommonWordTable[rid - 70000].value, rid);

    EXPECT_EQ(GetRIDText(33302), "There is a possibility of the garble. \nDo you continue?");
    EXPECT_EQ(GetRIDText(33059), "Cmd Request Error!");
    EXPECT_EQ(GetRIDText(107), "Error");
    EXPECT_FALSE(GetPrintText(33059));
    EXPECT_FALSE(GetPrintText(4));
}

}  // namespace
