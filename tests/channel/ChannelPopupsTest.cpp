// The per-channel popups' rules: tone lists, what each popup stores, and the
// screen an "ANI Setting" result leads to.
#include <gtest/gtest.h>

#include <algorithm>

#include "ChannelGridFixture.h"
#include "channel/ChannelPopupsRules.h"
#include "image/ChannelOps.h"
#include "image/ItemsChannel.h"
#include "image/TestHost.h"

using namespace ChannelPopups;
using ChannelGridFixture::LoadDefault;

TEST(ChannelPopupsRules, ToneListsAndTheirTexts) {
    EXPECT_EQ(CtcssTones.front(), 670);
    EXPECT_EQ(CtcssTones[12], 1000);
    EXPECT_EQ(CtcssTones[38], 2503);
    EXPECT_EQ(CtcssTones[39], 1598) << "the later tones follow the first 39";
    EXPECT_EQ(CtcssTones.back(), 2541);
    for (int t : CtcssTones) EXPECT_TRUE(t >= CtcssMin && t <= CtcssMax) << t;
    EXPECT_TRUE(std::is_sorted(DcsCodes.begin(), DcsCodes.end()));
    EXPECT_EQ(DcsCodes.front(), 19);  // 023
    EXPECT_EQ(DcsCodes.back(), 492);  // 754
    EXPECT_EQ(DcsCodes[16], 76);      // 114
    EXPECT_EQ(CtcssText(670), "67.0");
    EXPECT_EQ(CtcssText(1000), "100.0");
    EXPECT_EQ(DcsText(19), "023");
    EXPECT_EQ(DcsText(492), "754");
}

TEST(ChannelPopupsRules, SubAudioCodeGoesToItsSideOnly) {
    TestHost host;
    CloneImage image = LoadDefault();
    Channel::SetRxSubAudio(image, 0, {1, 885, 0});
    EXPECT_TRUE(StoreSubAudioCode(image, 0, Direction::Decode, 1000));
    EXPECT_EQ(ItemMap::GetChannelSubAudioDecCode(image, 0), 1000u);
    EXPECT_EQ(ItemMap::GetChannelSubAudioEncCode(image, 0), 885u) << "the encode code is left as it was";
    EXPECT_TRUE(StoreSubAudioCode(image, 0, Direction::Encode, 3000));
    EXPECT_EQ(ItemMap::GetChannelSubAudioEncCode(image, 0), 2541u);
    const CloneImage before = image;
    EXPECT_FALSE(StoreSubAudioCode(image, 0, Direction::Decode, -1)) << "nothing chosen";
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);

    Channel::SetRxSubAudio(image, 0, {3, 19, 0});
    EXPECT_EQ(SubAudioType(image, 0, Direction::Decode), 3);
    EXPECT_TRUE(StoreSubAudioCode(image, 0, Direction::Decode, 600));
    EXPECT_EQ(SubAudioCode(image, 0, Direction::Decode), 511);
    Channel::SetRxSubAudio(image, 0, {0, 0, 0});
    EXPECT_FALSE(StoreSubAudioCode(image, 0, Direction::Decode, 670)) << "no tone";
}

TEST(ChannelPopupsRules, AniFields) {
    TestHost host;
    CloneImage image = LoadDefault();
    SaveAniFields(image, 0, {3, 0, 1});  // FleetLink
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 3u);
    EXPECT_EQ(ItemMap::GetChannelMdc1200Ani(image, 0), 128u);

    Channel::SetSignalingType(image, 0, 4);
    Channel::SetSignalingNumber(image, 0, 1);
    SaveAniFields(image, 0, {2, 1, 1});  // MDC1200 turns MDC1200 signalling off
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 2u);
    EXPECT_EQ(ItemMap::GetChannelSignalingType(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelSignalingNo(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelAniMonitor(image, 0), 1u);
    EXPECT_EQ(ItemMap::GetChannelMdc1200Ani(image, 0), 1u);

    SaveAniFields(image, 0, {-1, -1, 0});  // nothing selected: nothing stored
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 2u);
    EXPECT_EQ(ItemMap::GetChannelMdc1200Ani(image, 0), 1u);
}

TEST(ChannelPopupsRules, ScreenOfAnAniSettingResult) {
    TestHost host;
    const CloneImage zt640 = LoadDefault();                   // firmware 1.90 with a display
    const CloneImage zt610 = LoadDefault("default610v.PDX");  // no display
    EXPECT_EQ(ScreenForAniResult(zt640, 1024), AniScreen::None);
    EXPECT_EQ(ScreenForAniResult(zt640, 1025), AniScreen::DtmfAni);
    EXPECT_EQ(ScreenForAniResult(zt640, 1026), AniScreen::Mdc1200Common);
    EXPECT_EQ(ScreenForAniResult(zt610, 1026), AniScreen::Mdc1200System);
    EXPECT_EQ(ScreenForAniResult(zt640, 1027), AniScreen::FleetLinkAni);
    EXPECT_EQ(ScreenForAniResult(zt640, 1), AniScreen::None);
}

TEST(ChannelPopupsRules, ListPopupValues) {
    TestHost host;
    CloneImage image = LoadDefault();
    StorePopupValue(image, 0, PopupKind::Vox, 2);
    EXPECT_EQ(PopupValue(image, 0, PopupKind::Vox), 2);
    StorePopupValue(image, 0, PopupKind::Encryption, 3);
    EXPECT_EQ(PopupValue(image, 0, PopupKind::Encryption), 3);
    Channel::SetSignalingType(image, 0, 7);
    StorePopupValue(image, 0, PopupKind::Encryption, 1);
    EXPECT_EQ(PopupValue(image, 0, PopupKind::Encryption), 0) << "type 7 keeps encryption off";
}
