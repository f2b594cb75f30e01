#include <gtest/gtest.h>

#include <vector>

#include "TestHost.h"
#include "image/RegionCopy.h"

namespace {

// The regions as the radio's flash map gives them: {block, first, end}.
struct Expected {
    std::uint32_t block, first, end;
};
constexpr Expected kRegions[ItemMap::RegionCount] = {
    {8, 0x000, 0x018},  {8, 0x018, 0x068},  {8, 0x068, 0x0A8},  {8, 0x0A8, 0x0B8},  {8, 0x0B8, 0x0E8},
    {8, 0x0E8, 0x100},  {8, 0x100, 0x106},  {8, 0x106, 0x10C},  {8, 0x10C, 0x118},  {8, 0x118, 0x120},
    {8, 0x120, 0x140},  {8, 0x140, 0x1AC},  {8, 0x1AC, 0x1B0},  {8, 0x1B0, 0x1D0},  {8, 0x1D0, 0x200},
    {8, 0x200, 0x400},  {9, 0x000, 0x070},  {9, 0x070, 0x080},  {9, 0x080, 0x0B0},  {9, 0x0B0, 0x100},
    {9, 0x100, 0x180},  {9, 0x180, 0x280},  {9, 0x280, 0x2B0},  {10, 0x000, 0x070}, {10, 0x070, 0x080},
    {10, 0x080, 0x100}, {10, 0x100, 0x120}, {10, 0x120, 0x1A0}, {10, 0x1A0, 0x220}, {10, 0x220, 0x2A0},
    {11, 0x000, 0x040}, {11, 0x040, 0x400}, {12, 0x000, 0x200}, {12, 0x200, 0x400}, {13, 0x000, 0x020},
    {13, 0x020, 0x140}, {13, 0x140, 0x340}, {14, 0x000, 0x080}, {14, 0x080, 0x120}, {14, 0x120, 0x180},
    {14, 0x180, 0x190}, {14, 0x190, 0x280}, {14, 0x280, 0x300}, {14, 0x300, 0x400}, {15, 0x000, 0x100},
    {15, 0x100, 0x280}, {15, 0x280, 0x300}, {15, 0x300, 0x400},
};

// Two images that differ in every byte.
void FillDistinct(CloneImage& source, CloneImage& destination) {
    for (std::size_t i = 0; i < CloneImage::Size; ++i) {
        source[i] = static_cast<std::uint8_t>(i * 7 + 3);
        destination[i] = static_cast<std::uint8_t>(~source[i]);
    }
}

std::vector<std::size_t> ChangedBytes(const CloneImage& before, const CloneImage& after) {
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < CloneImage::Size; ++i)
        if (before[i] != after[i]) changed.push_back(i);
    return changed;
}

class RegionCopyTest : public ::testing::TestWithParam<int> {};

TEST_P(RegionCopyTest, CopiesExactlyTheRegionsBytes) {
    TestHost host;
    const int region = GetParam();
    const Expected& e = kRegions[region];
    CloneImage source, destination;
    FillDistinct(source, destination);
    const CloneImage before = destination;

    EXPECT_EQ(ItemMap::CopyRegion(destination, source, region), 1);

    std::vector<std::size_t> expected;
    for (std::uint32_t o = e.first; o < e.end; ++o) expected.push_back(CloneImage::BlockOffset(e.block, o));
    EXPECT_EQ(ChangedBytes(before, destination), expected);
    for (std::size_t pos : expected) EXPECT_EQ(destination[pos], source[pos]) << pos;
    ASSERT_EQ(host.log.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(AllRegions, RegionCopyTest, ::testing::Range(0, ItemMap::RegionCount));

// Flash address = 0xEF000 + block x 0x400 + offset; the end is inclusive.
TEST(RegionCopy, LogsFirstAndLastFlashAddress) {
    TestHost host;
    CloneImage source, destination;
    FillDistinct(source, destination);
    ASSERT_EQ(ItemMap::CopyRegion(destination, source, 47), 1);
    ASSERT_EQ(host.log.size(), 1u);
    EXPECT_EQ(host.log[0], "  memcpy staddr=xF2F00, edaddr=xF2FFF");
    EXPECT_EQ(destination[0x4300], source[0x4300]);
    EXPECT_EQ(destination[0x43FF], source[0x43FF]);
    EXPECT_NE(destination[0x42FF], source[0x42FF]);
    EXPECT_NE(destination[0x4400], source[0x4400]);

    ASSERT_EQ(ItemMap::CopyRegion(destination, source, 0), 1);
    EXPECT_EQ(host.log[1], "  memcpy staddr=xF1000, edaddr=xF1017");
}

TEST(RegionCopy, NumbersOutsideTheTableCopyNothing) {
    TestHost host;
    for (int region : {48, 100, -1, -2}) {
        CloneImage source, destination;
        FillDistinct(source, destination);
        const CloneImage before = destination;
        EXPECT_EQ(ItemMap::CopyRegion(destination, source, region), 0) << region;
        EXPECT_EQ(destination, before) << region;
    }
    EXPECT_TRUE(host.log.empty());
}

TEST(RegionCopy, AllRegionsTogetherLeaveTheUnmappedTailsAlone) {
    TestHost host;
    CloneImage source, destination;
    FillDistinct(source, destination);
    const CloneImage before = destination;
    for (int r = 0; r < ItemMap::RegionCount; ++r) ItemMap::CopyRegion(destination, source, r);

    std::vector<std::size_t> expected;
    for (std::size_t pos = CloneImage::BlockOffset(8); pos < CloneImage::BlockOffset(16); ++pos) {
        const std::size_t block = pos / 1024 - 1, offset = pos % 1024;
        const bool unmapped = (block == 9 && offset >= 0x2B0) || (block == 10 && offset >= 0x2A0) ||
                              (block == 13 && offset >= 0x340);
        if (!unmapped) expected.push_back(pos);
    }
    EXPECT_EQ(ChangedBytes(before, destination), expected);
}

}  // namespace
