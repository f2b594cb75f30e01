// File Convert's region table and the copy of areas from the default data.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/FileConvert.h"

using namespace FileConvert;

namespace {
CloneImage Filled(std::uint8_t value) {
    CloneImage image;
    std::fill(image.data(), image.data() + CloneImage::Size, value);
    return image;
}
bool AreaIs(const CloneImage& image, std::uint32_t begin, std::uint32_t end, std::uint8_t value) {
    return std::all_of(image.data() + begin, image.data() + end, [value](std::uint8_t b) { return b == value; });
}
}  // namespace

TEST(FileConvert, RegionTableKeepsTheWalkAndStaysInsideTheImage) {
    const auto table = RegionTable();
    // 19 EEPROM ranges and 51 memory ranges, each area closed by its end row.
    const auto memoryStart = std::find_if(table.begin(), table.end(), [](const Region& r) { return r.position == 0x50000; });
    ASSERT_NE(memoryStart, table.end());
    EXPECT_EQ(memoryStart - table.begin(), 20);
    EXPECT_EQ(table.end() - memoryStart, 52);
    EXPECT_EQ((memoryStart - 1)->position, 0xE1000u);
    EXPECT_EQ(table.back().position, 0x6B000u);
    for (auto it = table.begin() + 1; it != table.end(); ++it) {
        if (it != memoryStart) {
            EXPECT_LT((it - 1)->position, it->position) << std::hex << it->position;
        }
    }

    // Every mapped area lies inside the image and no two overlap.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> areas;
    for (const Region& r : table) {
        if (r.begin == NoArea) continue;
        EXPECT_LT(r.begin, r.end) << std::hex << r.position;
        EXPECT_LE(r.end, CloneImage::Size) << std::hex << r.position;
        areas.emplace_back(r.begin, r.end);
    }
    std::sort(areas.begin(), areas.end());
    for (std::size_t i = 1; i < areas.size(); ++i) EXPECT_LE(areas[i - 1].second, areas[i].first) << i;

    // The rules of a few ranges that decide what a user keeps.
    auto rule = [&](std::uint32_t position) {
        return std::find_if(table.begin(), table.end(), [&](const Region& r) { return r.position == position; })->rule;
    };
    EXPECT_EQ(rule(0xE04E0), Rule::ChannelBox);
    EXPECT_EQ(rule(0xE0FF8), Rule::Never);
    EXPECT_EQ(rule(0x502A0), Rule::CommonBox);
    EXPECT_EQ(rule(0x50368), Rule::ChannelBox);
    EXPECT_EQ(rule(0x52A00), Rule::SignalingBox);
    EXPECT_EQ(rule(0x53000), Rule::Always);
    EXPECT_EQ(rule(0x5A200), Rule::Never);
    EXPECT_EQ(rule(0x5B000), Rule::ChannelBox);
}

TEST(FileConvert, BoxesAndTheChangeLevelDecideWhatIsReplaced) {
    struct Case {
        Rule rule;
        Boxes boxes;
        int level;
        bool replaced;
    };
    const Case cases[] = {
        {Rule::Always, {true, true, true}, 1, true},        {Rule::Never, {}, 4, false},
        {Rule::CommonBox, {}, 1, true},                     {Rule::CommonBox, {true, false, false}, 1, false},
        {Rule::SignalingBox, {false, true, false}, 3, false}, {Rule::SignalingBox, {true, false, true}, 1, true},
        {Rule::ChannelBox, {false, false, true}, 2, false}, {Rule::ChannelBox, {false, false, true}, 3, true},
        {Rule::ChannelBox, {}, 1, true},
    };
    for (const auto& c : cases) EXPECT_EQ(Replaces(c.rule, c.boxes, c.level), c.replaced) << int(c.rule) << c.level;
    EXPECT_EQ(ChangeLevel(false, false), 1);
    EXPECT_EQ(ChangeLevel(false, true), 2);
    EXPECT_EQ(ChangeLevel(true, false), 3);
    EXPECT_EQ(ChangeLevel(true, true), 4);
}

TEST(FileConvert, SignalingKeptTakesChannelsFromTheDefaultByArea) {
    CloneImage user = Filled(0x11);
    const CloneImage defaults = Filled(0x22);
    ApplyRegions(user, defaults, {false, true, false}, 1);
    EXPECT_TRUE(AreaIs(user, 0x0400, 0x2400, 0x22)) << "channel records";
    EXPECT_TRUE(AreaIs(user, 0x3C00, 0x3E80, 0x22)) << "groups and scan lists";
    EXPECT_TRUE(AreaIs(user, 0x2520, 0x2800, 0x22)) << "common settings";
    EXPECT_TRUE(AreaIs(user, 0x2800, 0x3C00, 0x11)) << "signalling";
    EXPECT_TRUE(AreaIs(user, 0x3E80, 0x4000, 0x11)) << "alignment";
    EXPECT_TRUE(AreaIs(user, 0x4400, 0x4500, 0x11)) << "trailer";

    // Keeping channels holds only while the band stays.
    CloneImage kept = Filled(0x11);
    ApplyRegions(kept, defaults, {false, false, true}, 2);
    EXPECT_TRUE(AreaIs(kept, 0x0400, 0x2400, 0x11));
    ApplyRegions(kept, defaults, {false, false, true}, 3);
    EXPECT_TRUE(AreaIs(kept, 0x0400, 0x2400, 0x22));
}

TEST(FileConvert, CopyAreaRefusesARangeBeyondTheImage) {
    CloneImage to = Filled(0x11);
    const CloneImage from = Filled(0x22);
    EXPECT_FALSE(CopyArea(to, from, 0x4400, 0x4501));
    EXPECT_FALSE(CopyArea(to, from, 0x50000, 0x50050));
    EXPECT_FALSE(CopyArea(to, from, 0x20, 0x20));
    EXPECT_TRUE(AreaIs(to, 0, CloneImage::Size, 0x11));
    EXPECT_TRUE(CopyArea(to, from, 0x4400, 0x4500));
    EXPECT_TRUE(AreaIs(to, 0x4400, 0x4500, 0x22));
}
