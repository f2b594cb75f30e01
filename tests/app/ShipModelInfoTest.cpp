// The model information file of the ship mode: line checks in their order,
// the identity code's validation and its places in the image.
#include <gtest/gtest.h>

#include <fstream>

#include "app/ShipModelInfo.h"
#include "image/TestHost.h"

using namespace ShipModelInfo;

namespace {
Environment Env() {
    return {{"1.20", ""}, [](const std::string& path) { return path == "C:/data/a.pdx"; }};
}
}  // namespace

TEST(ShipModelInfo, LinesAreCheckedInOrderAndTheFirstFailureCounts) {
    struct Case {
        const char* line;
        int check;
    };
    const Case cases[] = {
        {"1.20,C:/data/a.pdx,12AC34BEEF,x", TooFewFields},
        {"1.21,C:/data/a.pdx,12AC34BEEF,x,ok", VersionMismatch},
        {"1.21,,bad,x,", VersionMismatch},  // the version is checked first
        {"1.20,,12AC34BEEF,x,ok", NoDataFile},
        {"1.20,C:/data/b.pdx,12AC34BEEF,x,ok", NoDataFile},
        {"1.20,C:/data/a.pdx,12AC34BEE,x,ok", BadIdentity},
        {"1.20,C:/data/a.pdx,12AO34BEEF,x,ok", BadIdentity},
        {"1.20,C:/data/a.pdx,12AC34BEEF,x,", NoResultText},
        {"1.20,C:/data/a.pdx,12AC34BEEF,x,ok", Valid},
        {"1.20,\"C:/data/a.pdx\",12AC34BEEF,x,ok\r", Valid},  // quotes and CR removed
        {"1.20,C:/data/a.pdx,12ac34beef,,ok,extra", Valid},
    };
    for (const auto& c : cases) {
        Line line;
        EXPECT_EQ(CheckLine(c.line, Env(), line), c.check) << c.line;
    }
    Line line;
    ASSERT_EQ(CheckLine("1.20,\"C:/data/a.pdx\",12AC34BEEF,x,ok", Env(), line), Valid);
    EXPECT_EQ(line.dataFile, "C:/data/a.pdx");
}

TEST(ShipModelInfo, IdentityLettersFollowTheSerialLetterTable) {
    EXPECT_EQ(SerialLetterValue('B'), 0);
    EXPECT_EQ(SerialLetterValue('N'), 12);
    EXPECT_EQ(SerialLetterValue('Q'), 13);
    EXPECT_EQ(SerialLetterValue('S'), 15);
    EXPECT_EQ(SerialLetterValue('c'), 1);
    for (char bad : {'A', 'O', 'P', 'T', 'o', '1'}) EXPECT_EQ(SerialLetterValue(bad), -1) << bad;
    EXPECT_TRUE(IsValidIdentity("24AS34BEEF"));
    EXPECT_FALSE(IsValidIdentity("24A334BEEF"));
    EXPECT_FALSE(IsValidIdentity("24AC34BEEF0"));
}

TEST(ShipModelInfo, IdentityIsWrittenIntoTheImageAndTheHeaderCopy) {
    CloneImage image;
    image[0x250E] = 0x5A;
    ASSERT_TRUE(WriteIdentity(image, "12AC34BEEF"));
    const std::uint8_t imageBytes[] = {0x01, 0x02, 0xA1, 0x34, 0xBE, 0xEF};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(image[0x250C + i], imageBytes[i]) << i;
    const std::uint8_t header[] = {0xA1, 0x34, 0xBE, 0xEF};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(image[0x0E + i], header[i]) << i;
    // "Q" is serial letter 13, shown back as "Q".
    ASSERT_TRUE(WriteIdentity(image, "24AQ34BEEF"));
    EXPECT_EQ(image[0x250E], 0xAD);
    // An invalid code writes nothing.
    const CloneImage before = image;
    EXPECT_FALSE(WriteIdentity(image, "24AO34BEEF"));
    EXPECT_TRUE(image == before);
}

TEST(ShipModelInfo, TheFirstValidLineOfTheFileIsUsed) {
    TempDir dir;
    const auto path = dir.path() / "Model_info.txt";
    {
        std::ofstream out(path);
        out << "1.20,C:/data/a.pdx,12AC34BEEF,x\n"
            << "1.20,C:/data/a.pdx,12AC34BEEF,x,second\n"
            << "1.20,C:/data/a.pdx,99AC34BEEF,x,third\n";
    }
    const FileResult read = ReadFile(path, Env());
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(read.check, Valid);
    EXPECT_EQ(read.resultText, "second");
    EXPECT_FALSE(ReadFile(dir.path() / "none.txt", Env()).opened);
}
