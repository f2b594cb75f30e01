#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "image/TestHost.h"
#include "language/SettingsFile.h"

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    TestHost host;
    TempDir dir;
    std::filesystem::path path = dir.path() / "pardex.xml";
    SettingsFile file{path};
};

}  // namespace

TEST_F(SettingsFileTest, FirstWriteCreatesTheFileInTheExactLayout) {
    ASSERT_TRUE(file.WriteInt("MainScreen", "Maximize", 1));
    EXPECT_EQ(ReadAll(path),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<InitialFile>\r\n<MainScreen>\r\n<Maximize>1</Maximize>\r\n</MainScreen></InitialFile>\r\n");
    EXPECT_EQ(file.GetInt("MainScreen", "Maximize", 0), 1);
}

TEST_F(SettingsFileTest, EntriesAppendInOrderAndReplaceInPlace) {
    ASSERT_TRUE(file.WriteInt("MainScreen", "X", 800));
    ASSERT_TRUE(file.WriteInt("MainScreen", "Y", 541));
    ASSERT_TRUE(file.WriteString("Configure", "ComPort", "/dev/ttyUSB0"));
    ASSERT_TRUE(file.WriteInt("MainScreen", "X", 1024));
    EXPECT_EQ(ReadAll(path),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<InitialFile>\r\n"
              "<MainScreen>\r\n<X>1024</X>\r\n<Y>541</Y>\r\n</MainScreen>"
              "<Configure>\r\n<ComPort>/dev/ttyUSB0</ComPort>\r\n</Configure></InitialFile>\r\n");
    EXPECT_EQ(file.GetInt("MainScreen", "X", 0), 1024);
    EXPECT_EQ(file.GetString("Configure", "ComPort", ""), "/dev/ttyUSB0");
}

TEST_F(SettingsFileTest, ValuesRoundTripIncludingMarkupAndText) {
    const std::string values[] = {"a<b>&c\"d'", "  spaced  ", "Grüße", "506,275,", "-12"};
    for (std::size_t i = 0; i < std::size(values); ++i)
        ASSERT_TRUE(file.WriteString("Values", "V" + std::to_string(i), values[i]));
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(file.GetString("Values", "V" + std::to_string(i), "?"), values[i]);
    EXPECT_EQ(file.GetInt("Values", "V4", 0), -12);
}

TEST_F(SettingsFileTest, ReadsFallBackToTheirDefaults) {
    WriteAll(path,
             "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<InitialFile>\r\n<S>\r\n<Empty></Empty>\r\n"
             "<Word>abc</Word>\r\n<Lead>12abc</Lead>\r\n<Big>99999999999</Big>\r\n</S></InitialFile>");
    struct Case {
        const char* entry;
        int expected;
    };
    const Case cases[] = {{"Empty", 7}, {"Word", 7}, {"Lead", 12}, {"Big", 2147483647}, {"Missing", 7}};
    for (const auto& c : cases) EXPECT_EQ(file.GetInt("S", c.entry, 7), c.expected) << c.entry;
    EXPECT_EQ(file.GetString("S", "Empty", "dflt"), "");
    EXPECT_EQ(file.GetString("S", "Missing", "dflt"), "dflt");
    EXPECT_EQ(file.GetString("Nope", "Empty", "dflt"), "dflt");
}

TEST_F(SettingsFileTest, MissingFileReadsDefaults) {
    EXPECT_EQ(file.GetInt("MainScreen", "X", 800), 800);
    EXPECT_EQ(file.GetString("Hardware", "FreqBand", "x"), "x");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SettingsFileTest, SectionsAreOnlyChildrenOfTheRoot) {
    WriteAll(path,
             "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<InitialFile>\r\n"
             "<Other>\r\n<MainScreen>\r\n<X>5</X>\r\n</MainScreen>\r\n</Other></InitialFile>");
    EXPECT_EQ(file.GetInt("MainScreen", "X", 800), 800);
    ASSERT_TRUE(file.WriteInt("MainScreen", "X", 900));
    EXPECT_EQ(file.GetInt("MainScreen", "X", 800), 900);
    // The nested element is left as it was.
    EXPECT_NE(ReadAll(path).find("<Other>\r\n<MainScreen>\r\n<X>5</X>"), std::string::npos);
}

TEST_F(SettingsFileTest, DamagedFileIsKeptAsBackupBeforeTheTemplateReplacesIt) {
    const std::string damaged = "this is <not xml";
    WriteAll(path, damaged);
    EXPECT_EQ(file.GetInt("MainScreen", "X", 800), 800);
    EXPECT_EQ(ReadAll(path), damaged);  // a read changes nothing
    ASSERT_TRUE(file.WriteInt("MainScreen", "X", 1000));
    EXPECT_EQ(ReadAll(file.BackupPath()), damaged);
    EXPECT_EQ(file.BackupPath(), dir.path() / "pardex.xml.bad");
    EXPECT_EQ(file.GetInt("MainScreen", "X", 800), 1000);
    ASSERT_EQ(host.log.size(), 1u);
    EXPECT_NE(host.log[0].find("pardex.xml.bad"), std::string::npos);
}

// The file is ours and always written as XML 1.0 in UTF-8, whatever its
// declaration said: a rewrite under a declaration the text cannot stand in
// (another encoding, another XML version) lost every value while the write
// reported success.
TEST_F(SettingsFileTest, AFileWithAnotherDeclarationIsRewrittenAsXml10InUtf8) {
    const std::string body =
        "\r\n<InitialFile>\r\n<MainScreen><Maximize>1</Maximize></MainScreen>\r\n"
        "<Communication><Port>/\xff\xffv/ttyUSB0</Port></Communication>\r\n</InitialFile>";
    const std::string files[] = {
        "<?xml version=\"1.0\" encoding=\"utf-1\"?>" + body,
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + body,
        "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body,
        "<?xml version=\n\"11.0\"?><Other><FuzzSection/></Other>",
    };
    for (const std::string& text : files) {
        SCOPED_TRACE(text.substr(0, 40));
        WriteAll(path, text);
        ASSERT_TRUE(file.WriteInt("Fuzz", "Entry", 4321));
        EXPECT_EQ(file.GetInt("Fuzz", "Entry", 0), 4321);
        EXPECT_EQ(SettingsFile(path).GetInt("Fuzz", "Entry", 0), 4321);
        EXPECT_EQ(ReadAll(path).rfind("<?xml version=\"1.0\" encoding=\"utf-8\"?>", 0), 0u);
    }
}

TEST_F(SettingsFileTest, RefusesNamesThatAreNoElementNames) {
    for (const char* name : {"Recent File List", "", "1st", "a<b"}) {
        EXPECT_FALSE(file.WriteInt(name, "X", 1)) << name;
        EXPECT_FALSE(file.WriteInt("S", name, 1)) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(SettingsFileTest, ReadOnlyFileIsNotReplaced) {
    ASSERT_TRUE(file.WriteInt("S", "A", 1));
    const std::string before = ReadAll(path);
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    if (::access(path.c_str(), W_OK) == 0) GTEST_SKIP() << "running with rights that ignore file modes";
    EXPECT_FALSE(file.WriteInt("S", "A", 2));
    EXPECT_EQ(ReadAll(path), before);
}

TEST_F(SettingsFileTest, ProcessWideProfileUsesTheNamedFile) {
    EXPECT_FALSE(WriteProfileInt("S", "A", 1));  // no path named yet
    SetProfilePath(path);
    EXPECT_TRUE(WriteProfileInt("S", "A", 3));
    EXPECT_TRUE(WriteProfileString("S", "B", "x"));
    EXPECT_EQ(GetProfileInt("S", "A", 0), 3);
    EXPECT_EQ(GetProfileString("S", "B", ""), "x");
    SetProfilePath({});
}

TEST_F(SettingsFileTest, ReadsParseTheFileOnceUntilItChangesOnDisk) {
    ASSERT_TRUE(file.WriteInt("MainScreen", "X", 5));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(file.GetInt("MainScreen", "X", 0), 5);
        EXPECT_EQ(file.GetString("Hardware", "FreqBand", "none"), "none");
    }
    EXPECT_EQ(file.Loads(), 1);

    // Another program (or a second instance) rewrites the file: read again.
    WriteAll(path,
             "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<InitialFile>\r\n<MainScreen>\r\n<X>77</X>\r\n"
             "</MainScreen>\r\n</InitialFile>");
    EXPECT_EQ(file.GetInt("MainScreen", "X", 0), 77);
    // Our own write is seen at once.
    ASSERT_TRUE(file.WriteInt("MainScreen", "X", 78));
    EXPECT_EQ(file.GetInt("MainScreen", "X", 0), 78);
    // A removed file reads its defaults again.
    std::filesystem::remove(path);
    EXPECT_EQ(file.GetInt("MainScreen", "X", 0), 0);
    EXPECT_EQ(file.Loads(), 3);
}

TEST_F(SettingsFileTest, TheFirstSectionOfANameIsTheOneRead) {
    WriteAll(
        path,
        "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<InitialFile>\r\n<A>\r\n</A>\r\n<A>\r\n<X>1</X>\r\n"
        "</A>\r\n<B>\r\n<X>2</X>\r\n<X>3</X>\r\n</B>\r\n</InitialFile>");
    EXPECT_EQ(file.GetInt("A", "X", 9), 9);
    EXPECT_EQ(file.GetInt("B", "X", 9), 2);
}
