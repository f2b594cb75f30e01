#include <gtest/gtest.h>
#include <wx/init.h>
#include <wx/log.h>

#include <cstdlib>

#include "image/TagCharRule.h"
#include "image/TestHost.h"
#include "language/LangTable.h"
#include "language/Language.h"
#include "language/LanguageFile.h"
#include "language/LanguageFixtures.h"
#include "language/SettingsFile.h"

namespace {

namespace fs = std::filesystem;
using LanguageFixtures::Write;

std::string Shown(int rid, std::string_view base) {
    std::string out = "<none>";
    LangTable::LookupRID(rid, base, out);
    return out;
}

std::string Wrapped(const std::string& entries, const std::string& rootAttributes = "xml:lang=\"de\"") {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<L " + rootAttributes + "><G>" + entries +
           "</G></L>\n";
}

class LanguageFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetProfilePath(dir.path() / "settings.xml");
        Lang::LoadLanguage({});
    }
    void TearDown() override {
        Lang::LoadLanguage({});
        SetProfilePath({});
    }
    std::string StoredPath() const { return GetProfileString("LanguageFilePath", "Language", "<unset>"); }

    wxInitializer wx;
    TempDir dir;
};

TEST_F(LanguageFileTest, JapaneseFileTranslatesDialogsListsHeadersMenusAndCommonWords) {
    const fs::path path = Write(dir.path(), "ja.xml", LanguageFixtures::Japanese);
    std::string error;
    ASSERT_TRUE(Lang::LoadLanguage(path, &error)) << error;
    EXPECT_EQ(Shown(MakeRID(0, 621, 2802), "Language File"), "言語ファイル名");
    EXPECT_EQ(GetRIDText(32907), "アップロード中です。");
    EXPECT_EQ(LangTable::TranslateRow(MakeRID(0, 603, 2101), "VHF"), "VHF帯");
    EXPECT_EQ(LangTable::TranslateRow(MakeRID(0, 603, 2101), "UHF A"), "UHF帯 A");
    EXPECT_EQ(LangTable::TranslateRow(MakeRID(0, 603, 2101), "UHF D"), "UHF D");
    EXPECT_EQ(Shown(MakeRID(3, 134, 1063), "TAG"), "タグ");
    EXPECT_EQ(Shown(66010, "&Language"), "言語(&L)");
    EXPECT_EQ(LangTable::TranslateRow(MakeRID(0, 300, 2101), "67.0 Hz"), "67.0 ヘルツ");
    EXPECT_EQ(LangTable::TranslateRow(MakeRID(0, 300, 2101), "12.5 kHz"), "12.5 キロヘルツ");
    {
        ScopedPrintTextMode printing;
        EXPECT_EQ(LangTable::TranslateCommonWord("Enable"), "有効(印刷)");
    }
    EXPECT_EQ(Lang::LanguageIndex(), 1);
    EXPECT_EQ(Lang::ScreenFontName(), "Sans");
    EXPECT_EQ(Lang::PrintFontName(), "Serif");
    EXPECT_EQ(Lang::CurrentLanguageFile(), path);
    EXPECT_EQ(StoredPath(), path.string());
    EXPECT_EQ(Lang::ReadXmlLang(path), "ja");

    // A second language replaces the first whole.
    ASSERT_TRUE(Lang::LoadLanguage(Write(dir.path(), "ru.xml", LanguageFixtures::Russian)));
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");
    EXPECT_EQ(GetRIDText(57344), "Пардекс");
    EXPECT_EQ(Lang::ScreenFontName(), "Sans");  // the file names none: the last face stays
}

TEST_F(LanguageFileTest, EntriesJoinRepeatedChildrenAndTakeTheirRidFromTheName) {
    const fs::path path =
        Write(dir.path(), "de.xml",
              Wrapped("<RID_100><base>One</base><string>Eins</string><string>Zwei</string></RID_100>"
                      "<RID_101><base>Two</base><string></string><string>Nur</string></RID_101>"
                      "<RID_12abc><base>X</base><string>Zwoelf</string></RID_12abc>"
                      "<Other><base>Y</base><string>Null</string></Other>"
                      "<RID_7><x:base xmlns:x=\"urn:x\">P</x:base><string>Q</string><note>n</note>"
                      "</RID_7><RID_8/>"));
    ASSERT_TRUE(Lang::LoadLanguage(path));
    EXPECT_EQ(Shown(100, "One"), "Eins\r\nZwei");
    EXPECT_EQ(Shown(101, "Two"), "Nur");
    EXPECT_EQ(Shown(12, "X"), "Zwoelf");
    EXPECT_EQ(Shown(0, "Y"), "Null");
    EXPECT_EQ(Shown(7, "P"), "Q");
    EXPECT_EQ(Shown(8, ""), "<none>");  // an entry without texts translates nothing

    EXPECT_EQ(LanguageFile::RidOfEntryName("RID_6212802"), 6212802);
    EXPECT_EQ(LanguageFile::RidOfEntryName("RID_RID_5"), 5);
    EXPECT_EQ(LanguageFile::RidOfEntryName("Entry"), 0);
}

TEST_F(LanguageFileTest, FailedLoadsKeepTheLanguageInForceAndTheStoredChoice) {
    const fs::path good = Write(dir.path(), "ja.xml", LanguageFixtures::Japanese);
    ASSERT_TRUE(Lang::LoadLanguage(good));
    Write(dir.path(), "secret.txt", "SECRET");
    const struct {
        const char* name;
        std::string text;
        const char* says;
    } cases[] = {
        {"broken.xml", Wrapped("<RID_1><base>a</base>"), "could not be read"},
        {"nolang.xml", Wrapped("<RID_1><base>a</base><string>b</string></RID_1>", "screenfont=\"X\""),
         "names no language"},
        {"empty.xml", "", "could not be read"},
        {"missing.xml", "", "does not exist"},
        {"external.xml",
         "<?xml version=\"1.0\"?><!DOCTYPE L [<!ENTITY ext SYSTEM \"secret.txt\">]>"
         "<L xml:lang=\"de\"><G><RID_1><base>a</base><string>&ext;</string></RID_1></G></L>",
         ""},
    };
    for (const auto& c : cases) {
        const fs::path path = dir.path() / c.name;
        if (std::string(c.name) != "missing.xml") Write(dir.path(), c.name, c.text);
        std::string error;
        const bool loaded = Lang::LoadLanguage(path, &error);
        if (*c.says == '\0') {
            // External entities are never read: the file loads without them, or fails.
            if (loaded) {
                EXPECT_EQ(Shown(1, "a").find("SECRET"), std::string::npos);
            }
            ASSERT_TRUE(Lang::LoadLanguage(good));
            continue;
        }
        EXPECT_FALSE(loaded) << c.name;
        EXPECT_NE(error.find(c.name), std::string::npos) << error;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_EQ(Shown(MakeRID(0, 621, 2802), "Language File"), "言語ファイル名") << c.name;
        EXPECT_EQ(Lang::CurrentLanguageFile(), good);
        EXPECT_EQ(StoredPath(), good.string());
        EXPECT_EQ(Lang::ReadXmlLang(path), "") << c.name;
    }
}

TEST_F(LanguageFileTest, EmptyPathBringsBackTheProgramsOwnTextsAndFonts) {
    ASSERT_TRUE(Lang::LoadLanguage(Write(dir.path(), "ja.xml", LanguageFixtures::Japanese)));
    // Listeners stay for the run: the count outlives the test.
    static int told;
    told = 0;
    Lang::AddLanguageListener([] { ++told; });
    const int generation = Lang::LanguageGeneration();
    ASSERT_TRUE(Lang::LoadLanguage({}));
    EXPECT_EQ(told, 1);
    EXPECT_EQ(Lang::LanguageGeneration(), generation + 1);
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");
    EXPECT_EQ(Lang::ScreenFontName(), "");
    EXPECT_EQ(Lang::PrintFaceName(), "Courier New");
    EXPECT_EQ(Lang::LanguageIndex(), 255);
    EXPECT_EQ(StoredPath(), "");
    EXPECT_EQ(Lang::ReadXmlLang({}), "en-us");
}

TEST_F(LanguageFileTest, StartUpLoadsTheStoredFileAndKeepsTheChoiceOfOneThatFails) {
    const fs::path good = Write(dir.path(), "ja.xml", LanguageFixtures::Japanese);
    WriteProfileString("LanguageFilePath", "Language", good.string());
    Lang::ApplyThreadLocale();
    EXPECT_EQ(GetRIDText(32907), "アップロード中です。");

    const fs::path broken = Write(dir.path(), "broken.xml", "<L xml:lang=\"de\">");
    ASSERT_TRUE(Lang::LoadLanguage({}));
    WriteProfileString("LanguageFilePath", "Language", broken.string());
    Lang::ApplyThreadLocale();
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");
    EXPECT_EQ(Lang::CurrentLanguageFile(), fs::path());
    EXPECT_EQ(StoredPath(), broken.string());
}

TEST_F(LanguageFileTest, StartUpReadsTheStoredFileBesideTheWindowAndTakesItsResult) {
    // The program's own log target: what the parser says on the reading
    // thread is kept for the failure message, never shown.
    struct CountingLog : wxLog {
        int messages = 0;
        void DoLogTextAtLevel(wxLogLevel, const wxString&) override { ++messages; }
    } log;
    wxLog* previous = wxLog::SetActiveTarget(&log);
    const fs::path japanese = Write(dir.path(), "ja.xml", LanguageFixtures::Japanese);
    const fs::path russian = Write(dir.path(), "ru.xml", LanguageFixtures::Russian);
    const fs::path broken = Write(dir.path(), "broken.xml", "<L xml:lang=\"de\">");

    WriteProfileString("LanguageFilePath", "Language", japanese.string());
    Lang::StartReadingStoredLanguage();
    Lang::ApplyThreadLocale();
    EXPECT_EQ(GetRIDText(32907), "アップロード中です。");
    EXPECT_EQ(Lang::CurrentLanguageFile(), japanese);

    // A broken file read beside the window: own texts, the choice kept.
    WriteProfileString("LanguageFilePath", "Language", broken.string());
    Lang::StartReadingStoredLanguage();
    Lang::ApplyThreadLocale();
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");
    EXPECT_EQ(StoredPath(), broken.string());

    // The choice changed after the read began: the chosen file is loaded,
    // and the early read is not kept for a later load of its file.
    WriteProfileString("LanguageFilePath", "Language", japanese.string());
    Lang::StartReadingStoredLanguage();
    WriteProfileString("LanguageFilePath", "Language", russian.string());
    Lang::ApplyThreadLocale();
    EXPECT_EQ(Lang::CurrentLanguageFile(), russian);
    Write(dir.path(), "ja.xml", "<L/>");
    EXPECT_FALSE(Lang::LoadLanguage(japanese));
    EXPECT_EQ(Lang::CurrentLanguageFile(), russian);

    wxLog::FlushActive();
    wxLog::SetActiveTarget(previous);
    EXPECT_EQ(log.messages, 0);
}

TEST_F(LanguageFileTest, FaceNamesAreCutTo31BytesWithoutSplittingACharacter) {
    const std::string longName(40, 'F');
    const std::string kana = std::string(30, 'K') + "ゴ";  // 30 + 3 bytes
    ASSERT_TRUE(Lang::LoadLanguage(
        Write(dir.path(), "f.xml",
              Wrapped("", "xml:lang=\"de\" screenfont=\"" + longName + "\" printfont=\"" + kana + "\""))));
    EXPECT_EQ(Lang::ScreenFontName(), std::string(31, 'F'));
    EXPECT_EQ(Lang::PrintFontName(), std::string(30, 'K'));
}

TEST_F(LanguageFileTest, RussianSelectsTheCyrillicTagRuleByTheWholeName) {
    const struct {
        const char* lang;
        bool cyrillic;
    } cases[] = {{"ru", true}, {"RU", true}, {"ru-RU", false}, {"ja", false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(Lang::LoadLanguage(
            Write(dir.path(), "l.xml", Wrapped("", std::string("xml:lang=\"") + c.lang + "\""))));
        EXPECT_EQ(&CurrentTagCharRule() == &CyrillicTagCharRule::Instance(), c.cyrillic) << c.lang;
    }
    ASSERT_TRUE(Lang::LoadLanguage(Write(dir.path(), "ru.xml", LanguageFixtures::Russian)));
    EXPECT_EQ(TagCodesToText(TagTextToCodes("жук", 3)), "ЖУК");
    ASSERT_TRUE(Lang::LoadLanguage({}));
    EXPECT_EQ(&CurrentTagCharRule(), &DefaultTagCharRule::Instance());
}

TEST(CodePages, CulturesAndCodePagesFollowTheTables) {
    const struct {
        const char* name;
        int codePage;
        bool matches;
    } cases[] = {
        {"ja", 1252, false},    {"ja", 932, true},     {"de-DE", 1252, true}, {"DE-de", 1252, true},
        {"sr-SP", 1251, false}, {"sr-SP", 1250, true}, {"hi", 0, true},       {"hi", 1252, false},
        {"xx", 1252, false},    {"en-us", 932, true},  {"EN-US", 1252, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lang::MatchesSystemCodePage(c.name, c.codePage), c.matches) << c.name << " " << c.codePage;
    EXPECT_EQ(Lang::NameForCodePage(1200), "Windows-1252");
    EXPECT_EQ(Lang::NameForCodePage(949), "EUC-KR");
    EXPECT_EQ(Lang::AltNameForCodePage(1257), "Simplified Arabic Fixed");
    EXPECT_EQ(Lang::AltNameForCodePage(932), "MS ゴシック");
    SetProfilePath({});
    EXPECT_EQ(Lang::CurrentCodePageName(), "Windows-1252");
    EXPECT_EQ(Lang::CurrentAltCodePageName(), "Courier New");
}

TEST(CodePages, UnderAUtf8LocaleEveryCultureWithACodePageSuits) {
    const char* saved = std::getenv("LC_ALL");
    const std::string keep = saved ? saved : "";
    const struct {
        const char* locale;
        const char* lang;
        bool suits;
    } cases[] = {
        {"de_DE.UTF-8", "ja", true},       {"de_DE.UTF-8", "hi", false},
        {"de_DE.utf8", "xx", false},       {"de_DE.UTF-8", "en-us", true},
        {"de_DE.ISO-8859-1", "ja", false}, {"de_DE.ISO-8859-1", "fr", true},
        {"ja_JP.eucJP", "ja", true},       {"C", "ru", false},
    };
    for (const auto& c : cases) {
        setenv("LC_ALL", c.locale, 1);
        EXPECT_EQ(Lang::LanguageSuitsSystem(c.lang), c.suits) << c.locale << " " << c.lang;
    }
    setenv("LC_ALL", "ja_JP.UTF-8", 1);
    EXPECT_EQ(Lang::SystemAnsiCodePage(), 932);
    if (saved)
        setenv("LC_ALL", keep.c_str(), 1);
    else
        unsetenv("LC_ALL");
}

}  // namespace
