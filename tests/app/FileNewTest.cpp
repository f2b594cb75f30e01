// The New dialog's rules, without a window: band codes, the keypad that
// follows the display, and the default file a choice names.
#include <gtest/gtest.h>

#include "Fixtures.h"
#include "app/FileNewDlg.h"

TEST(FileNewRules, BandCodeOfBandAndFrequencyType) {
    struct Case {
        int band, frequency, code;
    };
    const Case cases[] = {{1, 1, 0x21}, {1, 0, 0x20}, {3, 10, 0x6A}, {3, 2, 0x62},
                          {4, 3, 0x83}, {4, 7, 0x87}, {4, 8, 0x88},  {4, 10, 0x8A},
                          {4, 5, 0x80}, {4, 0, 0x80}, {2, 2, 0x62},  {7, 0, 0x62}};
    for (const Case& c : cases)
        EXPECT_EQ(FileNew::BandCode(c.band, c.frequency), c.code) << c.band << c.frequency;
}

TEST(FileNewRules, KeypadFollowsTheDisplay) {
    using K = FileNew::KeypadChoice;
    EXPECT_EQ(FileNew::KeypadFor(0, 2), (K{{0}, 0}));
    EXPECT_EQ(FileNew::KeypadFor(2, 0), (K{{1}, 0}));
    EXPECT_EQ(FileNew::KeypadFor(3, 0), (K{{1, 2}, 1}));
    EXPECT_EQ(FileNew::KeypadFor(3, 1), (K{{1, 2}, 0}));
    EXPECT_EQ(FileNew::KeypadFor(3, 2), (K{{1, 2}, 1}));
    EXPECT_EQ(FileNew::KeypadFor(3, -1).selection, -2);
}

TEST(FileNewRules, EveryVariantHasItsDefaultFile) {
    struct Case {
        int band, lcd, keypad;
        const char* file;
    };
    const Case cases[] = {
        {98, 0, 0, "default610v.PDX"},
        {128, 0, 0, "default610ua.PDX"},
        {131, 0, 0, "default610ud.PDX"},
        {98, 2, 1, "default640v.PDX"},
        {128, 2, 1, "default640ua.PDX"},
        {131, 2, 1, "default640ud.PDX"},
        // A band outside the table is taken as the first row.
        {33, 2, 1, "default640v.PDX"},
        // No variant has these: nothing to load.
        {98, 3, 2, ""},
        {98, 2, -1, ""},
        {98, 0, 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileNew::DefaultFileFor(c.band, 2, c.lcd, c.keypad), c.file) << c.band;
}

TEST(FileNewRules, ImageBandCodeUsesTheImagesItems) {
    CloneImage image = Fixtures::VariantImage(4);
    image[0x2402] = 4 << 5 | 5;
    EXPECT_EQ(FileNew::BandCode(image), 0x80);
}
