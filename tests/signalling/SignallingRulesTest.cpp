// The value rules of the data-signalling dialogs on an image: the pause code
// with its off flag, the three-digit page codes and the FleetLink clamps.
#include <gtest/gtest.h>

#include "image/CloneImage.h"
#include "signalling/SignallingRules.h"

namespace {
constexpr std::size_t kPage9 = 0x2800;
}

TEST(DtmfPauseCode, OffFlagAndDigitShareOneByteWithOtherBitsKept) {
    CloneImage image;
    image[kPage9 + 1] = 0xE5;  // bits 7-5 belong to nothing here
    EXPECT_EQ(DtmfPauseCode::Get(image), 5);
    DtmfPauseCode::Set(image, 255);
    EXPECT_EQ(image[kPage9 + 1], 0xF0);
    EXPECT_EQ(DtmfPauseCode::Get(image), 255);
    DtmfPauseCode::Set(image, 15);
    EXPECT_EQ(image[kPage9 + 1], 0xEF);
    DtmfPauseCode::Set(image, -1);  // no selection writes nothing
    EXPECT_EQ(image[kPage9 + 1], 0xEF);
}

TEST(DtmfPageCode, OnlyCompleteThreeDigitCodesAreAccepted) {
    using D = DtmfPageCode::Digits;
    const struct {
        const char* text;
        std::optional<D> digits;
    } cases[] = {
        {"", D{15, 15, 15}},   {"123", D{1, 2, 3}},   {"a*D", D{10, 14, 13}}, {"12", std::nullopt},
        {"7", std::nullopt},   {"1234", std::nullopt}, {"12#", std::nullopt},  {"#12", std::nullopt},
        {"###", std::nullopt}, {"1x3", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(DtmfPageCode::Parse(c.text), c.digits) << c.text;
    using P = DtmfPageCode::Problem;
    EXPECT_EQ(DtmfPageCode::Check("###"), P::NoCode);
    EXPECT_EQ(DtmfPageCode::Check("12#"), P::Incomplete);
    EXPECT_EQ(DtmfPageCode::Check(""), P::None);
    EXPECT_EQ(DtmfPageCode::Text({15, 15, 15}), "");
    EXPECT_EQ(DtmfPageCode::Text({1, 2, 15}), "12#");
    EXPECT_EQ(DtmfPageCode::Text({10, 14, 0}), "A*0");
}

TEST(DtmfPageCode, DigitsLieInNibblesOfTwoBytesPerCode) {
    CloneImage image;
    image[kPage9 + 0x292] = 0xA0;  // high nibble of the first byte is not a digit
    DtmfPageCode::Set(image, 1, {1, 2, 3});
    EXPECT_EQ(image[kPage9 + 0x292], 0xA1);
    EXPECT_EQ(image[kPage9 + 0x293], 0x23);
    EXPECT_EQ(DtmfPageCode::Get(image, 1), (DtmfPageCode::Digits{1, 2, 3}));
}

TEST(FleetLink, ValuesAreClampedBothWays) {
    CloneImage image;
    image[0x2902] = 0x01;
    image[0x2903] = 0x00;
    EXPECT_EQ(FleetLink::OwnIdGet(image), 1000);
    FleetLink::OwnIdSet(image, 4999);
    EXPECT_EQ(image[0x2902], 0xA0);
    EXPECT_EQ(image[0x2903], 0x0F);
    FleetLink::OwnIdSet(image, 99999);
    EXPECT_EQ(FleetLink::OwnIdGet(image), 4999);
    image[0x2902] = 0xFF;
    image[0x2903] = 0xFF;
    EXPECT_EQ(FleetLink::OwnIdGet(image), 4999);

    image[0x2901] = 0;
    EXPECT_EQ(FleetLink::FleetGet(image), 100);
    image[0x2901] = 251;
    EXPECT_EQ(FleetLink::FleetGet(image), 349);
    FleetLink::FleetSet(image, 100);
    EXPECT_EQ(image[0x2901], 1);

    FleetLink::LeadInDelaySet(image, 1234);
    EXPECT_EQ(image[0x2904], 123);
    image[0x2904] = 0;
    EXPECT_EQ(FleetLink::LeadInDelayGet(image), 10);
    EXPECT_EQ(FleetLink::LeadInDelayOnLeave(1234), 1230);
    EXPECT_EQ(FleetLink::LeadInDelayOnLeave(0), 10);
    EXPECT_EQ(FleetLink::LeadInDelayOnLeave(9999), 2550);
}
