#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <fstream>

#include "help/ChmFile.h"

namespace {

TEST(InnerPath, NormalisedForLookup) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"pardex\\Main\\Ch\\CH_CHANNEL.htm", "/pardex/Main/Ch/CH_CHANNEL.htm"},
        {"/pardex/Main/Ch/../Zone/ZONELIST.htm", "/pardex/Main/Zone/ZONELIST.htm"},
        {"pardex/Main/Ch/../../../../BMP/pic.bmp", "/BMP/pic.bmp"},
        {"./a//b/./c.htm#part", "/a/b/c.htm"},
        {"a.htm?x=1", "/a.htm"},
        {"/#SYSTEM", "/#SYSTEM"},
        {"p\\#STRINGS", "/p/#STRINGS"},
        {"", "/"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormalizeInnerPath(c.in), c.out) << c.in;
}

TEST(ChmFile, ReadsPagesAndPicturesByPath) {
    auto file = ChmFile::Open(ZT_HELP_FIXTURE);
    ASSERT_TRUE(file);
    const auto page = file->Read("pardex\\Main\\Ch\\CH_CHANNEL.htm");
    ASSERT_TRUE(page);
    EXPECT_NE(page->find("number of each channel"), std::string::npos);
    // Letter case of the path does not matter.
    EXPECT_TRUE(file->Contains("/PARDEX/main/zone/zonelist.HTM"));
    const auto picture = file->Read("/BMP/pic.bmp");
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->size(), 102u);
    EXPECT_EQ(picture->substr(0, 2), "BM");
    EXPECT_FALSE(file->Read("pardex\\nothing.htm"));
    EXPECT_EQ(NormalizeInnerPath(file->DefaultTopic()), "/pardex/Help/GETSTARTED.htm");
}

TEST(ChmFile, MissingEmptyOrForeignFilesAreRefused) {
    const auto dir = std::filesystem::temp_directory_path() / ("zt_chm_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    EXPECT_FALSE(ChmFile::Open(dir / "none.chm"));
    EXPECT_FALSE(ChmFile::Open(dir));  // a folder
    std::ofstream(dir / "empty.chm").close();
    EXPECT_FALSE(ChmFile::Open(dir / "empty.chm"));
    std::ofstream(dir / "text.chm") << std::string(4096, 'x');
    EXPECT_FALSE(ChmFile::Open(dir / "text.chm"));
    // A help file cut short opens no more than it can read whole.
    {
        std::ifstream in(ZT_HELP_FIXTURE, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(dir / "cut.chm", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    if (auto cut = ChmFile::Open(dir / "cut.chm")) {
        const auto page = cut->Read("pardex\\Main\\Ch\\CH_CHANNEL.htm");
        if (page) {
            EXPECT_NE(page->find("channel"), std::string::npos);
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
