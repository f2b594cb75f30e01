#include <gtest/gtest.h>

#include "language/Language.h"
#include "language/StringTable.h"

TEST(Rid, FormedFromSubIndexDialogAndControl) {
    EXPECT_EQ(MakeRID(0, 621, 2802), 6212802);
    EXPECT_EQ(MakeRID(17, 614, 1013), 176141013);
    EXPECT_EQ(MakeRID(0, 3, 3302), 33302);
}

TEST(Rid, ExemptDialogsTranslateToTheGivenText) {
    std::string out;
    EXPECT_TRUE(IsLangExemptDialog(3712001));
    EXPECT_TRUE(IsLangExemptDialog(MakeRID(5, 640, 1)));
    EXPECT_FALSE(IsLangExemptDialog(MakeRID(0, 100, 3202)));
    EXPECT_TRUE(LangTable::LookupRID(3712001, "Text", out));
    EXPECT_EQ(out, "Text");
    EXPECT_FALSE(LangTable::LookupRID(MakeRID(0, 100, 3202), "Text", out));
}

TEST(Texts, BuiltInTextsWithoutALanguage) {
    EXPECT_EQ(GetRIDText(102), "Do you want to save changes ?");
    EXPECT_EQ(GetRIDText(33061), "Save changes to");
    EXPECT_EQ(GetRIDText(57344), "Pardex");
    EXPECT_EQ(GetRIDText(4), "");
    EXPECT_EQ(TextByRid(MakeRID(0, 100, 2001), "EXP"), "EXP");
    EXPECT_EQ(LangTable::TranslateCommonWord("kHz"), "kHz");
    // The table is searched by bisection: every row must be found.
    for (const auto& row : StringTable()) EXPECT_EQ(BuiltinText(row.id), row.text) << row.id;
}

TEST(Texts, PrintFlagIsScoped) {
    EXPECT_FALSE(PrintTextMode());
    {
        ScopedPrintTextMode printing;
        EXPECT_TRUE(PrintTextMode());
        EXPECT_EQ(GetRIDText(102), "Do you want to save changes ?");
    }
    EXPECT_FALSE(PrintTextMode());
}
