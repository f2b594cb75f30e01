// The per-channel popups as windows: what they show when they open, what OK
// stores and that anything but OK leaves the channel alone.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>


#include "ChannelGridFixture.h"
#include "WinTestUtil.h"
#include "channel/ChannelPopups.h"
#include "image/ChannelOps.h"
#include "image/ItemsChannel.h"
#include "image/TestHost.h"
#include "language/LanguageFixtures.h"
#include "ui/RealInput.h"
#include "ui/UiHooks.h"

using ChannelGridFixture::LoadDefault;

namespace {

struct PopupFixture : ::testing::Test {
    TestHost host;
    TestFrame frame;
    CloneImage image = LoadDefault();

    static std::string Selected(const wxListBox* list) {
        const int i = list->GetSelection();
        return i == wxNOT_FOUND ? "" : list->GetString(i).utf8_string();
    }
    static std::string Selected(const wxChoice* combo) {
        const int i = combo->GetSelection();
        return i == wxNOT_FOUND ? "" : combo->GetString(i).utf8_string();
    }
};

}  // namespace

TEST_F(PopupFixture, AniDialogStoresTheChosenTypeOnlyOnOk) {
    const CloneImage before = image;
    {
        CCHSetupANI dialog(frame.frame, image, 0);
        EXPECT_EQ(dialog.FindWindow(CCHSetupANI::IDC_CHANNEL)->GetLabel(), "1");
        EXPECT_EQ(Selected(dialog.TypeCombo()), "Disable");
        EXPECT_FALSE(dialog.TableCombo()->IsEnabled());
        EXPECT_FALSE(dialog.MonitorCombo()->IsEnabled());
        EXPECT_FALSE(dialog.SettingButton()->IsEnabled());
        dialog.TypeCombo()->SetSelection(3);  // FleetLink, then left without OK
        dialog.OnTypeChanged();
    }
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);

    CCHSetupANI dialog(frame.frame, image, 0);
    dialog.TypeCombo()->SetSelection(3);
    dialog.OnTypeChanged();
    dialog.Confirm();
    EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 3u);
    EXPECT_EQ(ItemMap::GetChannelMdc1200Ani(image, 0), 128u);
}

TEST_F(PopupFixture, AniDialogStatesByTypeAndSignalling) {
    Channel::SetSignalingType(image, 0, 4);
    {
        CCHSetupANI dialog(frame.frame, image, 0);
        EXPECT_FALSE(dialog.TypeCombo()->IsEnabled()) << "signalling type 4";
    }
    Channel::SetSignalingType(image, 0, 1);
    ItemMap::SetChannelAniType(image, 0, 2);
    ItemMap::SetChannelMdc1200Ani(image, 0, 1);
    {
        CCHSetupANI dialog(frame.frame, image, 0);
        EXPECT_TRUE(dialog.TypeCombo()->IsEnabled());
        EXPECT_TRUE(dialog.TableCombo()->IsEnabled());
        EXPECT_EQ(Selected(dialog.TableCombo()), "Secondary");
        EXPECT_TRUE(dialog.MonitorCombo()->IsShown());
        EXPECT_TRUE(dialog.MonitorCombo()->IsEnabled());
        dialog.TypeCombo()->SetSelection(1);
        dialog.OnTypeChanged();
        EXPECT_FALSE(dialog.TableCombo()->IsEnabled());
        EXPECT_EQ(Selected(dialog.TableCombo()), "Primary");
    }
    Channel::SetSignalingType(image, 0, 7);
    ItemMap::SetChannelAniType(image, 0, 2);
    {
        CCHSetupANI dialog(frame.frame, image, 0);
        EXPECT_FALSE(dialog.TableCombo()->IsEnabled()) << "signalling type 7";
        EXPECT_FALSE(dialog.SettingButton()->IsEnabled());
    }
    // Without the firmware feature the monitor is not offered at all.
    CloneImage zt610 = LoadDefault("default610v.PDX");
    CCHSetupANI dialog(frame.frame, zt610, 0);
    EXPECT_FALSE(dialog.MonitorCombo()->IsShown());
    EXPECT_FALSE(dialog.FindWindow(CCHSetupANI::IDC_MONITOR_CAPTION)->IsShown());
}

TEST_F(PopupFixture, AniSettingClosesWithTheTypeOnceItsScreenExists) {
    ItemMap::SetChannelAniType(image, 0, 1);  // DTMF
    {
        CCHSetupANI dialog(frame.frame, image, 0);
        EXPECT_FALSE(dialog.SettingButton()->IsEnabled()) << "no DTMF ANI screen yet";
    }
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::DtmfAni,
                                     [](wxWindow*, CloneImage&) { return 0; });
    {
        CCHSetupANI dialog(frame.frame, image, 0);
        ASSERT_TRUE(dialog.SettingButton()->IsEnabled());
        dialog.ChooseSetting();
        EXPECT_EQ(dialog.GetReturnCode(), 1025);
    }
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::DtmfAni, nullptr);
    EXPECT_FALSE(ChannelPopups::IsAniScreenAvailable(ChannelPopups::AniScreen::DtmfAni));

    // MDC1200 on a channel of signalling type 4 clears that signalling.
    Channel::SetSignalingType(image, 0, 4);
    Channel::SetSignalingNumber(image, 0, 1);
    ItemMap::SetChannelAniType(image, 0, 0);
    CCHSetupANI dialog(frame.frame, image, 0);
    dialog.TypeCombo()->SetSelection(2);
    dialog.OnTypeChanged();
    dialog.Confirm();
    EXPECT_EQ(ItemMap::GetChannelSignalingType(image, 0), 0u);
    EXPECT_EQ(ItemMap::GetChannelSignalingNo(image, 0), 0u);
}

TEST_F(PopupFixture, VoxAndEncryptionLists) {
    ItemMap::SetChannelVox(image, 0, 2);
    {
        CChSetupPopup popup(frame.frame, image, 0, ChannelPopups::PopupKind::Vox);
        EXPECT_EQ(popup.GetTitle(), "VOX");
        EXPECT_EQ(popup.List()->GetCount(), 4u);
        EXPECT_EQ(Selected(popup.List()), "2:Power ON");
        popup.List()->SetSelection(3);
    }
    EXPECT_EQ(ItemMap::GetChannelVox(image, 0), 2u) << "closed without OK";
    CChSetupPopup popup(frame.frame, image, 0, ChannelPopups::PopupKind::Encryption);
    EXPECT_EQ(popup.GetTitle(), "Encryption");
    EXPECT_EQ(Selected(popup.List()), "-:OFF");
    popup.List()->SetSelection(1);
    popup.Confirm();
    EXPECT_EQ(popup.GetReturnCode(), wxID_OK);
    EXPECT_EQ(Channel::GetEncryption(image, 0), 1);
}

TEST_F(PopupFixture, SubAudioListsByTypeAndSide) {
    Channel::SetRxSubAudio(image, 0, {1, 885, 0});
    Channel::SetTxSubAudio(image, 0, 2, 19);
    {
        CChSetupSubAudio decode(frame.frame, image, 0, ChannelPopups::Direction::Decode);
        EXPECT_EQ(decode.GetTitle(), "CTCSS Frequency(Decode)");
        EXPECT_EQ(decode.List()->GetCount(), 50u);
        EXPECT_EQ(decode.List()->GetString(0), "67.0");
        EXPECT_EQ(Selected(decode.List()), "88.5");
        decode.List()->SetSelection(12);  // 100.0
        decode.Confirm();
        EXPECT_EQ(decode.GetReturnCode(), wxID_OK);
    }
    EXPECT_EQ(ItemMap::GetChannelSubAudioDecCode(image, 0), 1000u);
    EXPECT_EQ(ItemMap::GetChannelSubAudioEncCode(image, 0), 19u) << "the encode code is left as it was";

    CChSetupSubAudio encode(frame.frame, image, 0, ChannelPopups::Direction::Encode);
    EXPECT_EQ(encode.GetTitle(), "DCS Code(Encode)");
    EXPECT_EQ(encode.List()->GetCount(), 106u);
    EXPECT_EQ(Selected(encode.List()), "023");
}

TEST_F(PopupFixture, SubAudioOkWithoutAChoiceKeepsTheStoredCode) {
    Channel::SetRxSubAudio(image, 0, {1, 1234, 0});  // 123.4 Hz: not a listed tone
    const CloneImage before = image;
    CChSetupSubAudio popup(frame.frame, image, 0, ChannelPopups::Direction::Decode);
    EXPECT_EQ(popup.List()->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(popup.OkButton()->IsEnabled());
    popup.Confirm();
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0) << "neither 60.0 Hz nor anything else is written";

    Channel::SetRxSubAudio(image, 0, {3, 0777, 0});  // a DCS code outside the list
    CChSetupSubAudio dcs(frame.frame, image, 0, ChannelPopups::Direction::Decode);
    EXPECT_EQ(dcs.GetTitle(), "DCS Code(Decode)");
    EXPECT_FALSE(dcs.OkButton()->IsEnabled());
    dcs.Confirm();
    EXPECT_EQ(ItemMap::GetChannelSubAudioDecCode(image, 0), 0777u);

    Channel::SetRxSubAudio(image, 0, {0, 0, 0});
    CChSetupSubAudio none(frame.frame, image, 0, ChannelPopups::Direction::Decode);
    none.Confirm();
    EXPECT_EQ(none.GetReturnCode(), wxID_CANCEL);
}

// The sub-audio captions are a list of their own, translated under
// sub-index 77 of the popup's RIDs (not under the popup's caption); F1 in a
// popup asks for the popup's topic.
TEST_F(PopupFixture, SubAudioCaptionsInTheLanguageAndF1) {
    {
        const LanguageFixtures::ScopedLanguage german(R"(  <Dialog227>
    <RID_772273901><base>CTCSS Frequency(Decode)</base><string>CTCSS-Ton (Empfang)</string></RID_772273901>
    <RID_2273901><base>DCS Code(Encode)</base><string>not this one</string></RID_2273901>
  </Dialog227>
)");
        ASSERT_TRUE(german.Loaded());
        Channel::SetRxSubAudio(image, 0, {1, 885, 0});
        Channel::SetTxSubAudio(image, 0, 2, 19);
        EXPECT_EQ(CChSetupSubAudio(frame.frame, image, 0, ChannelPopups::Direction::Decode).GetTitle().utf8_string(),
                  "CTCSS-Ton (Empfang)");
        EXPECT_EQ(CChSetupSubAudio(frame.frame, image, 0, ChannelPopups::Direction::Encode).GetTitle().utf8_string(),
                  "DCS Code(Encode)");
    }

    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> asked;
    hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
    CChSetupPopup vox(frame.frame, image, 0, ChannelPopups::PopupKind::Vox);
    vox.Show();
    ASSERT_TRUE(RealInput::Focus(vox.List()));
    RealInput::Key(WXK_F1);
    hooks = saved;
    EXPECT_EQ(asked, std::vector<int>{MakeRID(0, CChSetupPopup::IDD, 0)});
}
