// Dialog numbers, live item codes and the interpolation between the Basic
// points, without windows.
#include <gtest/gtest.h>

#include <cmath>

#include "alignment/ChannelAdjust.h"

namespace {

using ChannelAdjust::DialogClass;

TEST(ClassifyDialog, NumbersByClassAndSubIndex) {
    struct Case {
        DialogClass dialog;
        int sub;
        int number;
    };
    const Case cases[] = {
        {DialogClass::Frequency, 5, 275},     {DialogClass::MaxDev, 0, 277},
        {DialogClass::MaxDev, 1, 276},        {DialogClass::MaxDev, 2, -1},
        {DialogClass::RXTune1, 0, 284},       {DialogClass::SQL2, 0, 288},
        {DialogClass::SQL2, 7, 291},          {DialogClass::SQL2, 8, -1},
        {DialogClass::RXTune2, 3, 293},       {DialogClass::RXTune3, 0, 307},
        {DialogClass::SubAudioCTCSS, 1, 294}, {DialogClass::SubAudioDCS, 0, 297},
        {DialogClass::DTMF, 1, 298},          {DialogClass::SeqTone, 0, 299},
        {DialogClass::TxPower, 1, 303},       {DialogClass::TxPower, 3, 301},
        {DialogClass::TxPower, -1, -1},       {DialogClass::SQL3, 5, 308},
        {DialogClass::BaselineADJ, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChannelAdjust::ClassifyDialog(c.dialog, c.sub, -1), c.number)
            << static_cast<int>(c.dialog) << "/" << c.sub;
}

TEST(ItemCode, ByItemAndModel) {
    EXPECT_EQ(ChannelAdjust::ItemCode(2, 0), 11);
    EXPECT_EQ(ChannelAdjust::ItemCode(2, 1), 6);
    EXPECT_EQ(ChannelAdjust::ItemCode(4, 1), -1);
    EXPECT_EQ(ChannelAdjust::ItemCode(12, 0), 26);
    EXPECT_EQ(ChannelAdjust::ItemCode(13, 0), -1);
    EXPECT_EQ(ChannelAdjust::ItemCode(2, 2), -1);
    CloneImage image;
    image[0x02] = 0x36;
    EXPECT_EQ(ChannelAdjust::ItemCodeForImage(9, image), 4);
    image[0x02] = 0x12;
    EXPECT_EQ(ChannelAdjust::ItemCodeForImage(9, image), -1);
}

std::array<InterpPoint, 16> Points(double oldValue) {
    std::array<InterpPoint, 16> points{};
    for (int i = 0; i < 16; ++i) points[static_cast<std::size_t>(i)] = {400.0 + i, oldValue, 0.0, false, 0.0};
    return points;
}

TEST(Interpolation, KeepsEachPointsProportionToTheLineThroughItsKnownNeighbours) {
    // Old values on a straight line, one point 10 % above it.
    auto points = Points(0);
    for (int i = 0; i < 16; ++i) points[static_cast<std::size_t>(i)].oldValue = 100.0 + 2 * i;
    points[3].oldValue *= 1.1;
    for (const int k : {1, 7, 14}) {
        points[static_cast<std::size_t>(k)].known = true;
        points[static_cast<std::size_t>(k)].newValue = 2 * points[static_cast<std::size_t>(k)].oldValue;
    }
    Util::InterpolateKnownPoints(points);
    for (int i = 0; i < 16; ++i) {
        const double expected = 2 * (100.0 + 2 * i) * (i == 3 ? 1.1 : 1.0);
        EXPECT_NEAR(points[static_cast<std::size_t>(i)].newValue, expected, 1e-9) << i;
    }
}

TEST(Interpolation, EqualFrequenciesAndAZeroLineKeepTheOldValue) {
    auto points = Points(50);
    points[0].known = points[15].known = true;
    points[0].newValue = 60;
    points[15].newValue = 80;
    points[15].frequency = points[0].frequency;  // one frequency twice
    Util::InterpolateKnownPoints(points);
    for (const auto& p : points) EXPECT_TRUE(std::isfinite(p.newValue));
    EXPECT_EQ(points[5].newValue, 50);

    auto zero = Points(0);
    zero[2].oldValue = 10;  // off a line that is 0 everywhere
    zero[0].known = zero[15].known = true;
    zero[0].newValue = 20;
    zero[15].newValue = 20;
    Util::InterpolateKnownPoints(zero);
    for (const auto& p : zero) EXPECT_TRUE(std::isfinite(p.newValue));
    EXPECT_EQ(zero[2].newValue, 10);    // no proportion to keep: as it was
    EXPECT_EQ(zero[5].newValue, 20.0);  // on the old line: follows the new one
}

TEST(Interpolation, FewerThanTwoKnownPointsChangeNothing) {
    auto points = Points(30);
    points[4].known = true;
    points[4].newValue = 99;
    Util::InterpolateKnownPoints(points);
    for (const auto& p : points) EXPECT_EQ(p.newValue, p.known ? 99 : 0);
}

}  // namespace
