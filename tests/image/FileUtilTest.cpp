#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include "TestHost.h"
#include "image/FileUtil.h"
#include "image/ItemMap.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, std::size_t size, std::uint8_t seed) {
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < size; ++i) out.put(static_cast<char>((i * 7 + seed) & 0xFF));
}

CloneImage Patterned(std::uint8_t seed) {
    CloneImage image;
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        image[i] = static_cast<std::uint8_t>((i * 7 + seed) & 0xFF);
    return image;
}

class FileUtilTest : public ::testing::Test {
  protected:
    TestHost host;
    TempDir dir;
    void SetUp() override { host.programFolder = dir.path(); }
};

TEST_F(FileUtilTest, SaveAndLoadRoundTripByteForByte) {
    const CloneImage image = Patterned(3);
    const std::string path = dir / "radio.PDX";
    ASSERT_EQ(FileUtil::SaveImageFile(image, path), 1);
    EXPECT_EQ(ReadAll(path).size(), CloneImage::Size);
    CloneImage loaded;
    ASSERT_EQ(FileUtil::LoadImageFile(loaded, path), 1);
    EXPECT_EQ(loaded, image);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FileUtilTest, RefusedFilesLeaveTheImageUnchanged) {
    WriteBytes(dir / "short.PDX", CloneImage::Size - 1, 1);
    WriteBytes(dir / "long.PDX", CloneImage::Size + 1, 1);
    WriteBytes(dir / "empty.PDX", 0, 1);
    std::filesystem::create_directory(dir / "folder.PDX");
    const std::string cases[] = {dir / "short.PDX",  dir / "long.PDX",    dir / "empty.PDX",
                                 dir / "folder.PDX", dir / "missing.PDX", ""};
    const CloneImage original = Patterned(9);
    for (const auto& path : cases) {
        CloneImage image = original;
        EXPECT_EQ(FileUtil::LoadImageFile(image, path), 0) << path;
        EXPECT_EQ(image, original) << path;
    }
    EXPECT_TRUE(host.messages.empty()) << "loading reports nothing itself";
}

TEST_F(FileUtilTest, DefaultFileNamesForceTheirModelsCapacity) {
    CloneImage stored;
    stored[0x2404] = 3;
    stored[0x2405] = 5;
    const struct {
        const char* name;
        std::uint8_t zone, channel;
    } cases[] = {{"default610v.PDX", 1, 2},   {"default610ud.PDX", 1, 2}, {"default640ua.PDX", 8, 16},
                 {"default640ud.PDX", 8, 16}, {"DEFAULT640UA.PDX", 3, 5}, {"copy.PDX", 3, 5}};
    for (const auto& c : cases) {
        const std::string path = dir / c.name;
        ASSERT_EQ(FileUtil::SaveImageFile(stored, path), 1);
        CloneImage image;
        ASSERT_EQ(FileUtil::LoadImageFile(image, path), 1);
        EXPECT_EQ(image[0x2404], c.zone) << c.name;
        EXPECT_EQ(image[0x2405], c.channel) << c.name;
    }
}

TEST_F(FileUtilTest, SavingOverAReadOnlyFileIsRefusedAndLeavesItUnchanged) {
    const std::string path = dir / "locked.PDX";
    WriteBytes(path, CloneImage::Size, 5);
    chmod(path.c_str(), 0444);
    const std::string before = ReadAll(path);
    EXPECT_EQ(FileUtil::SaveImageFile(Patterned(1), path), 0);
    EXPECT_EQ(ReadAll(path), before);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, 106);
    EXPECT_EQ(host.messages[0].text, "The File's attribute is Read_Only.\nFile Name = " + path);
}

TEST_F(FileUtilTest, SaveKeepsTheModeAndWritesThroughALink) {
    const std::string target = dir / "real.PDX";
    const std::string link = dir / "link.PDX";
    WriteBytes(target, CloneImage::Size, 5);
    chmod(target.c_str(), 0640);
    std::filesystem::create_symlink("real.PDX", link);

    ASSERT_EQ(FileUtil::SaveImageFile(Patterned(9), link), 1);
    EXPECT_TRUE(std::filesystem::is_symlink(link)) << "the link was replaced by a file";
    EXPECT_EQ(ReadAll(target), ReadAll(link));
    EXPECT_EQ(static_cast<std::uint8_t>(ReadAll(target)[1]), Patterned(9)[1]);
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(FileUtilTest, NeverReplacesAFileTheUserMayNotWrite) {
    // A file of another user in a folder anyone may write: the rename would
    // succeed, but the file is not this user's to replace.
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make a file of another user";
    const std::string path = dir / "theirs.PDX";
    WriteBytes(path, CloneImage::Size, 5);
    chmod(path.c_str(), 0644);
    chmod(dir.path().c_str(), 0777);
    const std::string before = ReadAll(path);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        const int saved = FileUtil::SaveImageFile(Patterned(1), path);
        const bool told = host.messages.size() == 1 &&
                          host.messages[0].text ==
                              "You have no permission to write this file.\nFile Name = " + path;
        _exit(saved == 0 && told ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadAll(path), before);
    struct stat st {};
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 0u);
}

TEST_F(FileUtilTest, AFailedWriteKeepsTheOldFileIntact) {
    const std::string path = dir / "keep.PDX";
    WriteBytes(path, CloneImage::Size, 5);
    const std::string before = ReadAll(path);

    // Limit the file size so that the write fails part way, even as root.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const int result = FileUtil::SaveImageFile(Patterned(1), path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadAll(path), before);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, 110);
    EXPECT_EQ(host.messages[0].text, "Problem writing to file.\nFile Name = " + path);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().filename(), "keep.PDX") << "temporary file left behind";
}

TEST_F(FileUtilTest, SaveIntoAMissingFolderFailsWithMessage) {
    EXPECT_EQ(FileUtil::SaveImageFile(Patterned(1), dir / "no/such/folder.PDX"), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, 110);
}

TEST_F(FileUtilTest, FileExistsWithSize) {
    WriteBytes(dir / "a", 10, 0);
    EXPECT_TRUE(FileUtil::FileExistsWithSize(dir / "a", FileUtil::AnySize));
    EXPECT_TRUE(FileUtil::FileExistsWithSize(dir / "a", 10));
    EXPECT_FALSE(FileUtil::FileExistsWithSize(dir / "a", 11));
    EXPECT_FALSE(FileUtil::FileExistsWithSize(dir / "b", FileUtil::AnySize));
}

TEST_F(FileUtilTest, PathHelpers) {
    EXPECT_EQ(FileUtil::FileNameOfPath("/x/y/radio.PDX"), "radio.PDX");
    EXPECT_EQ(FileUtil::ModuleDirectoryWithSlash(), dir.path().string() + "/");
    FileUtil::SetCurrentFilePath("/a/b.PDX");
    EXPECT_EQ(FileUtil::GetCurrentFilePath(), "/a/b.PDX");
}

TEST_F(FileUtilTest, HtmlExportUsesCrLf) {
    const std::string path = dir / "out.html";
    ASSERT_EQ(FileUtil::WriteHtmlFile(path, [] { return std::string("<html>\n<body>\r\n</body>\n"); }), 1);
    EXPECT_EQ(ReadAll(path), "<html>\r\n<body>\r\n</body>\r\n");
}

CloneImage WithSerial(std::uint16_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d, std::uint16_t e) {
    CloneImage image;
    image[0x250C] = a >> 8;
    image[0x250D] = a & 0xFF;
    image[0x250E] = static_cast<std::uint8_t>(b << 4 | c);
    image[0x250F] = d;
    image[0x2510] = e >> 8;
    image[0x2511] = e & 0xFF;
    return image;
}

TEST_F(FileUtilTest, SerialNumberNames) {
    const struct {
        std::uint16_t a;
        std::uint8_t c;
        const char* name;
    } cases[] = {{0x0419, 0, "4P3B0A1234"},
                 {0x041A, 12, "4Q3N0A1234"},
                 {0x0204, 13, "243Q0A1234"},
                 {0x0207, 15, "273S0A1234"},
                 {0x0999, 1, "__3C0A1234"}};
    for (const auto& c : cases)
        EXPECT_EQ(FileUtil::DefaultFileName(WithSerial(c.a, 3, c.c, 0x0A, 0x1234)), c.name);
    EXPECT_EQ(FileUtil::DatedFileName(WithSerial(0x0419, 3, 0, 0x0A, 0x1234)), "4P3B0A1234_20261210_0930");

    CloneImage image = WithSerial(0x0419, 3, 0, 0x0A, 0x1234);
    for (int i = 0; i < 4; ++i) image[0x2506 + i] = 0;
    image[0x2507] = 0x20;
    image[0x2508] = 0x50;  // 0x00205000 >> 12 = 0x205
    EXPECT_EQ(FileUtil::ResultSerialName(image), "253B0A1234");
    image[0x2507] = 0x99;
    EXPECT_EQ(FileUtil::ResultSerialName(image), "**3B0A1234");
}

TEST_F(FileUtilTest, ResultFileHoldsOnlyTheLastLine) {
    ResultLog::ModelInfoText() = "INFO";
    const CloneImage image = WithSerial(0x0419, 3, 13, 0x0A, 0x1234);
    ASSERT_TRUE(ResultLog::AppendDetailed(image, 0, "", 2));
    EXPECT_EQ(ReadAll(dir / "result.txt"), "4253O0A1234,INFO,F,0002,Communication error");
    ASSERT_TRUE(ResultLog::AppendDetailed(image, 1, ",x,y,Firmware Ver.1", 0));
    EXPECT_EQ(ReadAll(dir / "result.txt"), "4253O0A1234,INFO,P,x,y,Firmware Ver.1");
    ASSERT_TRUE(ResultLog::Append(9, "T"));
    EXPECT_EQ(ReadAll(dir / "result.txt"), "T,INFO,F,0009,Time Out Error");

    ResultLog::ResultFolder() = (dir.path() / "res").string() + "/";
    std::filesystem::create_directory(dir.path() / "res");
    ASSERT_TRUE(ResultLog::Append(0, "X"));
    EXPECT_EQ(ReadAll(dir / "res/result.txt"), "X,INFO,F,0000,Port open error");
    ResultLog::ResultFolder().clear();
    ResultLog::ModelInfoText().clear();
}

}  // namespace
