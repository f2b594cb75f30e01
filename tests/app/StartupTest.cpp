// The start-up's pieces: command line, settings read at start-up, recent
// files and the program's folders.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Fixtures.h"
#include "app/AppSettings.h"
#include "app/AppState.h"
#include "app/CommandLine.h"
#include "app/ProgramFolders.h"
#include "app/RecentFileList.h"
#include "image/FileUtil.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"

namespace fs = std::filesystem;

TEST(CommandLine, FileNameAndFolderOptionsByMode) {
    struct Case {
        std::vector<std::string> words;
        int appMode, serviceMode;
        std::string file, cxx, html, modelInfo, result;
    };
    const Case cases[] = {
        {{}, 0, 0, "", "", "", "", ""},
        {{"radio.PDX"}, 0, 0, "radio.PDX", "", "", "", ""},
        {{"-unknown", "/p", "radio.PDX", "second.PDX"}, 0, 0, "/p", "", "", "", ""},
        {{"-dde", "a.PDX"}, 0, 0, "a.PDX", "", "", "", ""},
        {{"MODELINFO=/tmp/mi"}, 0, 0, "MODELINFO=/tmp/mi", "", "", "", ""},
        {{"MODELINFO=/tmp/mi", "data.PDX"}, 4, 0, "data.PDX", "", "", "/tmp/mi", ""},
        {{"cxx=/tmp/cx", "Html=/h", "result=/r/"}, 4, 0, "", "/tmp/cx", "/h", "", "/r/"},
        {{"cxx=modelinfo=/m"}, 4, 0, "", "modelinfo=/m", "", "/m", ""},
        {{"-flag", "x.PDX"}, 4, 1, "x.PDX", "", "", "", ""},
    };
    for (const auto& c : cases) {
        CVondelCommandLineInfo info;
        info.Parse(c.words, c.appMode, c.serviceMode);
        const std::string label = c.words.empty() ? "(none)" : c.words.front();
        EXPECT_EQ(info.FileName, c.file) << label;
        EXPECT_EQ(info.Command == CVondelCommandLineInfo::ShellCommand::FileOpen, !c.file.empty()) << label;
        EXPECT_EQ(info.CxxFolder, c.cxx) << label;
        EXPECT_EQ(info.HtmlFolder, c.html) << label;
        EXPECT_EQ(info.ModelInfoFolder, c.modelInfo) << label;
        EXPECT_EQ(info.ResultFolder, c.result) << label;
    }
}

TEST(CommandLine, ModeOptions) {
    struct Case {
        std::vector<std::string> words;
        int appMode, serviceMode;
        std::vector<std::string> rest;
        bool wrong;
    };
    const Case cases[] = {
        {{}, 0, 0, {}, false},
        {{"--app-mode=1", "a.PDX"}, 1, 0, {"a.PDX"}, false},
        {{"--service-mode=2", "--app-mode=3"}, 3, 2, {}, false},
        {{"--app-mode=4", "cxx=/c", "--service-mode=1", "-line-tool-flag"},
         4,
         1,
         {"cxx=/c", "-line-tool-flag"},
         false},
        {{"--app-mode=5"}, 0, 0, {}, true},
        {{"--service-mode=3"}, 0, 0, {}, true},
        {{"--app-mode=", "x"}, 0, 0, {"x"}, true},
        {{"--app-mode=-1"}, 0, 0, {}, true},
        {{"--appmode=1"}, 0, 0, {"--appmode=1"}, true},
        {{"-dde", "a.PDX"}, 0, 0, {"-dde", "a.PDX"}, true},
        {{"--app-mode=4", "-flag"}, 4, 0, {"-flag"}, true},
    };
    for (const auto& c : cases) {
        const ModeOptions m = ParseModeOptions(c.words);
        const std::string label = c.words.empty() ? "(none)" : c.words.front();
        EXPECT_EQ(m.appMode, c.appMode) << label;
        EXPECT_EQ(m.serviceMode, c.serviceMode) << label;
        EXPECT_EQ(m.rest, c.rest) << label;
        EXPECT_EQ(!m.error.empty(), c.wrong) << label << ": " << m.error;
    }
    const std::string usage = UsageText("pardex");
    for (const char* word :
         {"--app-mode=N", "--service-mode=N", "4 the unattended ship mode", "2 Manufacture Mode"})
        EXPECT_NE(usage.find(word), std::string::npos) << word;
}

TEST(CommandLine, FolderOptionsGetTheirSeparators) {
    CVondelCommandLineInfo info;
    info.Parse({"modelinfo=/tmp/mi", "result=/tmp/res/", "cxx=/tmp/cx", "html=/tmp/h"}, 4, 0);
    ApplyFolderOptions(info);
    EXPECT_EQ(AppState::Folders().modelInfo, "/tmp/mi/");
    EXPECT_EQ(AppState::Folders().result, "/tmp/res/");
    EXPECT_EQ(AppState::Folders().cxx, "/tmp/cx");
    EXPECT_EQ(AppState::Folders().html, "/tmp/h");
    EXPECT_EQ(ResultLog::ResultFolder(), "/tmp/res/");
    ApplyFolderOptions(CVondelCommandLineInfo{});
    EXPECT_EQ(AppState::Folders().modelInfo, "");
}

class ProfileTest : public ::testing::Test {
  protected:
    void SetUp() override { SetProfilePath(dir.path() / "pardex.xml"); }
    void TearDown() override { SetProfilePath({}); }
    TestHost host;
    TempDir dir;
};

TEST_F(ProfileTest, AppSettingsWithTheirFallbacks) {
    AppSettings::LoadAppSettings();
    EXPECT_EQ(AppState::Link().baudRate, 230400);
    EXPECT_EQ(AppState::Link().cableType, 1);
    EXPECT_EQ(AppState::Link().port, "");
    EXPECT_EQ(GetProfileString("Spl21", "SplitterPosition", ""), "506,275,");

    WriteProfileInt("Configure", "BaudRate", 9600);
    WriteProfileInt("Configure", "ComType", 3);
    WriteProfileString("Configure", "ComPort", "/dev/ttyUSB1");
    WriteProfileString("Spl3A", "SplitterPosition", "400,300,");
    AppSettings::LoadAppSettings();
    EXPECT_EQ(AppState::Link().baudRate, 38400);
    EXPECT_EQ(AppState::Link().cableType, 3);
    EXPECT_EQ(AppState::Link().port, "/dev/ttyUSB1");
    EXPECT_EQ(GetProfileString("Spl21", "SplitterPosition", ""), "400,300,");

    WriteProfileString("Configure", "ComPort", "1");  // an old port number names no device
    WriteProfileInt("Configure", "BaudRate", 115200);
    AppSettings::LoadAppSettings();
    EXPECT_EQ(AppState::Link().port, "");
    EXPECT_EQ(AppState::Link().baudRate, 115200);
    EXPECT_EQ(AppSettings::PreviewPageCount(), 0);
}

TEST_F(ProfileTest, RecentFilesKeepFourAndForgetRemovedEntries) {
    CVondelRecentFileList list;
    for (const char* path : {"/d/1.PDX", "/d/2.PDX", "/d/3.PDX", "/d/4.PDX", "/d/5.PDX", "/d/3.PDX"})
        list.Add(path);
    ASSERT_EQ(list.Count(), 4u);
    EXPECT_EQ(list[0], "/d/3.PDX");
    EXPECT_EQ(list[1], "/d/5.PDX");
    EXPECT_EQ(list[3], "/d/2.PDX");
    list.WriteList();

    CVondelRecentFileList read;
    read.ReadList();
    ASSERT_EQ(read.Count(), 4u);
    EXPECT_EQ(read[0], "/d/3.PDX");

    // A removed (dead) entry must not come back at the next start.
    read.Remove(3);
    read.Remove(2);
    read.WriteList();
    EXPECT_EQ(GetProfileString("RecentFileList", "File4", ""), "");
    EXPECT_EQ(GetProfileString("RecentFileList", "File1", ""), "/d/3.PDX");
    CVondelRecentFileList again;
    again.ReadList();
    EXPECT_EQ(again.Count(), 2u);
}

TEST(RecentFiles, DisplayNamesFitThirtyCharacters) {
    struct Case {
        std::string path, expected;
    };
    const Case cases[] = {
        {"/home/u/radio.PDX", "/home/u/radio.PDX"},
        {"/home/user/projects/radios/site/radio.PDX", "/home/.../site/radio.PDX"},
        {"/home/user/a/b/c/averyveryverylongname.PDX", "averyveryverylongname.PDX"},
    };
    for (const auto& c : cases) {
        const auto shown = CVondelRecentFileList::Abbreviate(c.path, 30);
        EXPECT_EQ(shown, c.expected);
        EXPECT_LE(shown.size(), 30u);
    }
}

TEST(ProgramFolders, WrittenFilesGoBesideTheProgramOrIntoXdgFolders) {
    TempDir dir;
    const fs::path missing = dir.path() / "not-there";
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const char* oldData = std::getenv("XDG_DATA_HOME");
    const char* oldHome = std::getenv("HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "", savedData = oldData ? oldData : "",
                      savedHome = oldHome ? oldHome : "";

    using ProgramFolders::Purpose;
    EXPECT_EQ(ProgramFolders::WritableFolder(Purpose::Settings, dir.path(), "pardex"), dir.path());

    setenv("XDG_CONFIG_HOME", (dir.path() / "cfg").c_str(), 1);
    setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
    EXPECT_EQ(ProgramFolders::WritableFolder(Purpose::Settings, missing, "pardex"),
              dir.path() / "cfg/pardex");
    EXPECT_EQ(ProgramFolders::WritableFolder(Purpose::Data, missing, "pardex"), dir.path() / "data/pardex");
    EXPECT_TRUE(fs::is_directory(dir.path() / "cfg/pardex"));

    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    unsetenv("XDG_DATA_HOME");
    setenv("HOME", (dir.path() / "home").c_str(), 1);
    EXPECT_EQ(ProgramFolders::WritableFolder(Purpose::Settings, missing, "pardex"),
              dir.path() / "home/.config/pardex");
    EXPECT_EQ(ProgramFolders::WritableFolder(Purpose::Data, missing, "pardex"),
              dir.path() / "home/.local/share/pardex");

    auto restore = [](const char* name, const char* old, const std::string& value) {
        if (old)
            setenv(name, value.c_str(), 1);
        else
            unsetenv(name);
    };
    restore("XDG_CONFIG_HOME", oldConfig, savedConfig);
    restore("XDG_DATA_HOME", oldData, savedData);
    restore("HOME", oldHome, savedHome);
}

TEST(ProgramFolders, ShippedDataBesideTheProgramOrInTheShareFolder) {
    EXPECT_EQ(ProgramFolders::ShippedDataFolders("/opt/x/bin"),
              (std::vector<fs::path>{"/opt/x/bin", "/opt/x/share/pardex"}));
    EXPECT_EQ(ProgramFolders::ShippedDataFolders("/build/tests"), std::vector<fs::path>{"/build/tests"});
}
