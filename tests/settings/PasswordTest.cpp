// The programming password page without windows: the six digits, the
// on/off switch with its warning and the radio-to-radio clone item, and the
// check that keeps a partial password out of the image.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/ItemsSystem.h"
#include "image/TestHost.h"
#include "settings/Password.h"
#include "ui/MessageService.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

constexpr std::size_t kDigits = CloneImage::BlockOffset(8, 0x1D1);
constexpr int kDisableRow = 0, kEnableRow = 1;  // rows of the on/off list

struct PasswordModel : ::testing::Test {
    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    CloneImage image = SettingsTest::DefaultImage();
    CPasswordPage2Dlg page;

    void SetUp() override {
        ItemMap::SetProgrammingPasswordOn(image, 1);  // "Disable"
        ItemMap::SetRadioToRadioClone(image, 0);
    }
    void Switch(int row) {
        page.Form().SelectIndex(CPasswordPage2Dlg::IDC_ON_OFF, row);
        page.Changed(CPasswordPage2Dlg::IDC_ON_OFF);
    }
    // OK as the dialog runs it: the check, then the save.
    bool Ok(CloneImage& saved) {
        if (!page.Validate()) return false;
        page.Save(saved);
        return true;
    }
};

}  // namespace

TEST_F(PasswordModel, SwitchingOnWarnsWritesTheDigitsAndAllowsCloning) {
    page.Open(image, 0);
    EXPECT_FALSE(page.Form().IsEnabled(CPasswordPage2Dlg::IDC_DIGITS))
        << "a switched-off password is not edited";
    Switch(kEnableRow);
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text.rfind("The \"Programming Password\" is required", 0), 0u);
    EXPECT_TRUE(page.Form().IsEnabled(CPasswordPage2Dlg::IDC_DIGITS));

    page.Form().SetText(CPasswordPage2Dlg::IDC_DIGITS, "1a2b3c");
    CloneImage saved = image;
    ASSERT_TRUE(Ok(saved));
    const Changes expected{
        {kDigits, 0x1A},
        {kDigits + 1, 0x2B},
        {kDigits + 2, 0x3C},
        {CloneImage::BlockOffset(8, 0x1D0), std::uint8_t(image[CloneImage::BlockOffset(8, 0x1D0)] & ~0x04)},
        {CloneImage::BlockOffset(8, 0x130), std::uint8_t(image[CloneImage::BlockOffset(8, 0x130)] | 0x08)}};
    EXPECT_EQ(Diff(image, saved), expected);
    EXPECT_EQ(messages.Last().text, "Programming password have been set to 1A2B3C");
}

TEST_F(PasswordModel, OnlyExactlySixHexDigitsPass) {
    ItemMap::SetProgrammingPasswordOn(image, 0);
    page.Open(image, 0);
    EXPECT_TRUE(page.Form().IsEnabled(CPasswordPage2Dlg::IDC_DIGITS));
    for (const char* text : {"12345", "", "12G456", "1234567", "12 456"}) {
        SCOPED_TRACE(text);
        page.Form().SetText(CPasswordPage2Dlg::IDC_DIGITS, text);
        CloneImage saved = image;
        messages.Clear();
        EXPECT_FALSE(Ok(saved));
        EXPECT_EQ(saved, image);
        EXPECT_EQ(messages.Last().text, "Enter 6 digits!");
    }
    page.Form().SetText(CPasswordPage2Dlg::IDC_DIGITS, "00000a");
    CloneImage saved = image;
    EXPECT_TRUE(Ok(saved));
    EXPECT_EQ(Diff(image, saved), (Changes{{kDigits + 2, 0x0A}})) << "the default file's digits are 000000";
}

TEST_F(PasswordModel, SwitchingOffWritesOnlyTheSwitch) {
    ItemMap::SetProgrammingPasswordOn(image, 0);
    ItemMap::SetRadioToRadioClone(image, 0);
    page.Open(image, 0);
    page.Form().SetText(CPasswordPage2Dlg::IDC_DIGITS, "12");
    Switch(kDisableRow);
    EXPECT_FALSE(page.Form().IsEnabled(CPasswordPage2Dlg::IDC_DIGITS));
    CloneImage saved = image;
    ASSERT_TRUE(Ok(saved)) << "a switched-off password needs no digits";
    const std::size_t onOff = CloneImage::BlockOffset(8, 0x1D0);
    EXPECT_EQ(Diff(image, saved), (Changes{{onOff, std::uint8_t(image[onOff] | 0x04)}}));
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(PasswordModel, UnchangedDigitsAreNotRewrittenNorConfirmed) {
    ItemMap::SetProgrammingPasswordOn(image, 0);
    image[kDigits] = 0x12;
    image[kDigits + 1] = 0xAB;
    image[kDigits + 2] = 0xEF;
    page.Open(image, 0);
    EXPECT_EQ(page.Form().Text(CPasswordPage2Dlg::IDC_DIGITS), "12ABEF");
    CloneImage saved = image;
    ASSERT_TRUE(Ok(saved));
    EXPECT_EQ(saved, image);
    EXPECT_EQ(messages.Count(), 0u);
}
