// The image editor's dump layout, page list, address jump and cell input.
#include <gtest/gtest.h>

#include <sstream>

#include "app/FileDataMap.h"

using namespace FileDataMap;

TEST(FileDataMap, RowsShowTheHeaderAndBothFlashHalvesUnderTheirAddresses) {
    struct Case {
        int row;
        const char* address;
        int offset;
    };
    const Case cases[] = {
        {0, "00000", 0x0000},    {1, "", 0x0010},          {2, "00010", 0x0020},
        {63, "", 0x03F0},        {64, "2D000", 0x0400},    {65, "2D010", 0x0410},
        {575, "2EFF0", 0x23F0},  {576, "F1000", 0x2400},   {1087, "F2FF0", 0x43F0},
        {1088, "", 0x4400},  // the trailer is not shown
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddressText(c.row), c.address) << c.row;
        EXPECT_EQ(ImageOffsetOfRow(c.row), c.offset) << c.row;
    }
    // Every shown byte lies inside the image, the last row ends at the trailer.
    EXPECT_EQ(ImageOffsetOfRow(DataRows - 1) + BytesPerRow, 0x4400);
}

TEST(FileDataMap, AddressesAndPagesPlaceTheCursor) {
    struct Case {
        std::uint32_t address;
        std::optional<Place> place;
    };
    const Case cases[] = {
        {0x0000, Place{0, 0}},      {0x03FF, Place{63, 15}},   {0x0400, std::nullopt},
        {0x2CFFF, std::nullopt},    {0x2D000, Place{64, 0}},   {0x2D012, Place{65, 2}},
        {0x2EFFF, Place{575, 15}},  {0x2F000, std::nullopt},   {0x30000, std::nullopt},
        {0xF0FFF, std::nullopt},    {0xF1000, Place{576, 0}},  {0xF2FFF, Place{1087, 15}},
        {0xF3000, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(PlaceAddress(c.address), c.place) << std::hex << c.address;

    // Every row the jump places shows the address it was given.
    for (std::uint32_t address : {0x2D010u, 0x2EFF0u, 0xF1230u})
        EXPECT_EQ(AddressText(PlaceAddress(address)->row), (std::ostringstream() << std::uppercase << std::hex << address).str());

    struct PageCase {
        const char* text;
        std::optional<int> page;
    };
    const PageCase pages[] = {{"P", -1}, {"00", 0}, {"0", 0}, {"0F", 15}, {"f", 15}, {"10", std::nullopt},
                              {"", std::nullopt}, {"0G", std::nullopt}, {"PP", std::nullopt}};
    for (const auto& c : pages) EXPECT_EQ(PageFromText(c.text), c.page) << c.text;
    EXPECT_EQ(FirstRowOfPage(-1), 0);
    EXPECT_EQ(FirstRowOfPage(0), 64);
    EXPECT_EQ(FirstRowOfPage(15), 1024);
    EXPECT_EQ(PageText(-1), "P");
    EXPECT_EQ(PageText(10), "0A");
}

TEST(FileDataMap, CellInputTakesHexadecimalDigitsOnly) {
    EXPECT_EQ(FilterCellKey('a'), 'A');
    EXPECT_EQ(FilterCellKey('F'), 'F');
    EXPECT_EQ(FilterCellKey('7'), '7');
    for (int passes : {8, 13, 27}) EXPECT_EQ(FilterCellKey(passes), passes);
    for (int dropped : {int('g'), int('G'), int(' '), int('-'), 0xE4, 0x1F}) EXPECT_EQ(FilterCellKey(dropped), 0) << dropped;

    EXPECT_EQ(ParseCellByte("A"), 0x0A);
    EXPECT_EQ(ParseCellByte("ff"), 0xFF);
    EXPECT_EQ(ParseCellByte("1G"), 0x01);
    EXPECT_EQ(ParseCellByte(""), 0x00);
    EXPECT_EQ(ParseCellByte("123"), 0x23);  // low eight bits

    EXPECT_EQ(ParseAddress("2D012"), 0x2D012u);
    EXPECT_EQ(ParseAddress("2d012"), 0x2D012u);
    EXPECT_EQ(ParseAddress(""), std::nullopt);
    EXPECT_EQ(ParseAddress("2X"), std::nullopt);
}
