// Names, places and loading of the alignment files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "AlignmentFixture.h"
#include "TestHost.h"

namespace {

using namespace AlignmentFiles;

TEST(SpecFileName, FollowsProductFrequencyAndSubType) {
    struct Case {
        int product, frequency, sub, model;
        const char* name;
    };
    const Case cases[] = {
        {0, 1, 0, 0, "mva.vdx"},  {2, 4, 3, 0, "hud.vdx"}, {2, 2, 2, 1, "hvcn.vdx"}, {0, 2, 1, 0, "m.vdx"},
        {0, 4, 10, 1, "muk.vdx"}, {2, 4, 1, 1, "hn.vdx"},  {1, 1, 0, 0, ""},         {3, 1, 0, 0, ""},
        {0, 0, 0, 0, ""},         {2, 5, 0, 0, ""},        {0, 3, 2, 1, "mvc.vdx"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpecFileName(c.product, c.frequency, c.sub, c.model), c.name)
            << c.product << " " << c.frequency << " " << c.sub << " " << c.model;
    // From the image's hardware page.
    EXPECT_EQ(SpecFileName(MakeAlignRadio()), "mua.vdx");
}

TEST(BackupFileName, SerialNumberAndMinute) {
    const CloneImage radio = MakeAlignRadio();
    EXPECT_EQ(BackupFileName(radio, TestHost::MakeTime(2026, 3, 2, 14, 7)), "AC051234_20260302_1407.adx");
}

TEST(AlignmentFilesOnDisk, BackupsNeverReplaceEachOtherAndLoadOnlyWhole) {
    TestHost host;
    TempDir folder;
    host.programFolder = folder.path();
    const CloneImage radio = MakeAlignRadio();
    EXPECT_EQ(UniqueName(folder.path(), "a.adx"), "a.adx");
    ASSERT_TRUE(SaveBackup(folder.path(), "a.adx", radio));
    EXPECT_EQ(UniqueName(folder.path(), "a.adx"), "a_2.adx");
    ASSERT_TRUE(SaveBackup(folder.path(), "a_2.adx", radio));
    EXPECT_EQ(UniqueName(folder.path(), "a.adx"), "a_3.adx");

    CloneImage loaded;
    ASSERT_TRUE(CHBaselineFileLoad("a.adx", loaded));
    EXPECT_EQ(loaded, radio);
    // Anything but a whole image is refused and leaves the image as it was.
    WriteFile(folder.path() / "short.adx", radio.data(), radio.size() - 1);
    std::vector<std::uint8_t> longer(radio.data(), radio.data() + radio.size());
    longer.push_back(0);
    WriteFile(folder.path() / "long.adx", longer.data(), longer.size());
    std::filesystem::create_directory(folder.path() / "folder.adx");
    for (const char* name : {"", "missing.adx", "short.adx", "long.adx", "folder.adx"}) {
        CloneImage untouched;
        EXPECT_FALSE(CHBaselineFileLoad(name, untouched)) << name;
        EXPECT_EQ(untouched, CloneImage{}) << name;
    }
    EXPECT_TRUE(DeleteBackup("a.adx"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "a.adx"));
    EXPECT_FALSE(DeleteBackup(""));
    // A folder that cannot be written fails the save instead of pretending.
    EXPECT_FALSE(SaveBackup(folder.path() / "no" / "such", "b.adx", radio));
}

}  // namespace
