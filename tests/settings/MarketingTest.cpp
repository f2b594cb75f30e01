// The marketing page without windows: the serial number in its two copies,
// the texts it only shows, the version, the factory's serial step and the
// custom type code fields.
#include <gtest/gtest.h>

#include "ImageDiff.h"
#include "image/TestHost.h"
#include "settings/Marketing.h"
#include "settings/SettingsFlags.h"
#include "ui/MessageService.h"

using namespace Settings;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

constexpr std::size_t kBlock8 = CloneImage::BlockOffset(8);

struct MarketingModel : ::testing::Test {
    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    CloneImage image = SettingsTest::DefaultImage();
    CMarketingDlg page;

    void SetUp() override {
        SerialWriteFlag() = 0;
        SerialStepFlag() = 0;
    }
    void TearDown() override {
        SerialWriteFlag() = 0;
        SerialStepFlag() = 0;
    }
    bool Ok(CloneImage& saved) {
        if (!page.Validate()) return false;
        page.Save(saved);
        return true;
    }
};

}  // namespace

TEST_F(MarketingModel, LoadsTheIdentification) {
    const std::uint8_t bytes[] = {0x04, 0x19, 0x1D, 0x23, 0x45, 0x67};  // model code, serial
    for (std::size_t i = 0; i < 6; ++i) image[kBlock8 + 0x10C + i] = bytes[i];
    image[kBlock8 + 0x100] = 0x15, image[kBlock8 + 0x101] = 0x07, image[kBlock8 + 0x102] = 0x31;
    image[kBlock8 + 0x103] = 0x01, image[kBlock8 + 0x104] = 0x15, image[kBlock8 + 0x105] = 0;
    page.Open(image, 0);
    const SettingsForm& form = page.Form();
    EXPECT_EQ(form.Text(CMarketingDlg::IDC_SERIAL), "1Q234567");
    EXPECT_EQ(form.Text(CMarketingDlg::IDC_MODEL_CODE), "4P");
    EXPECT_EQ(form.Text(CMarketingDlg::IDC_DATE), "2015/07/31");
    EXPECT_EQ(form.Text(CMarketingDlg::IDC_VERSION), "1.15");
    EXPECT_TRUE(form.IsVisible(CMarketingDlg::IDC_FCC_NARROW));
    EXPECT_EQ(form.Text(CMarketingDlg::IDC_FCC_NARROW), "Correspond");
    EXPECT_FALSE(form.IsVisible(CMarketingDlg::IDC_SERIAL_WRITE));
    EXPECT_FALSE(form.IsEnabled(CMarketingDlg::IDC_SERIAL)) << "serial writing is off";

    image[kBlock8 + 0x10D] = 0x20;
    image[kBlock8 + 0x105] = 1;
    CMarketingDlg other;
    other.Open(image, 0);
    EXPECT_EQ(other.Form().Text(CMarketingDlg::IDC_MODEL_CODE), "**");
    EXPECT_FALSE(other.Form().IsVisible(CMarketingDlg::IDC_FCC_NARROW));
}

TEST_F(MarketingModel, ABlankSerialDoesNotBlockOkWhenNobodyMayTypeOne) {
    page.Open(image, 0);
    EXPECT_EQ(page.Form().Text(CMarketingDlg::IDC_SERIAL), "FSFFFFFF");
    CloneImage saved = image;
    EXPECT_TRUE(Ok(saved));
    EXPECT_EQ(saved, image);
    EXPECT_EQ(messages.Count(), 0u);
}

TEST_F(MarketingModel, ATypedSerialGoesIntoBothCopies) {
    SerialWriteFlag() = 1;
    page.Open(image, 0);
    ASSERT_TRUE(page.Form().IsEnabled(CMarketingDlg::IDC_SERIAL));
    page.Form().SetText(CMarketingDlg::IDC_SERIAL, "1q234567");
    CloneImage saved = image;
    ASSERT_TRUE(Ok(saved));
    EXPECT_EQ(Diff(image, saved), (Changes{{0x0E, 0x1D},
                                           {0x0F, 0x23},
                                           {0x10, 0x45},
                                           {0x11, 0x67},
                                           {kBlock8 + 0x10E, 0x1D},
                                           {kBlock8 + 0x10F, 0x23},
                                           {kBlock8 + 0x110, 0x45},
                                           {kBlock8 + 0x111, 0x67}}));
    EXPECT_EQ(SerialWriteFlag(), 1);
}

TEST_F(MarketingModel, AnInvalidSerialIsRefusedAndEmptied) {
    SerialWriteFlag() = 1;
    page.Open(image, 0);
    for (const char* text : {"1O234567", "1P234567", "1Q23456", "AQ234567"}) {
        SCOPED_TRACE(text);
        page.Form().SetText(CMarketingDlg::IDC_SERIAL, text);
        CloneImage saved = image;
        EXPECT_FALSE(Ok(saved));
        EXPECT_EQ(saved, image);
        EXPECT_EQ(messages.Last().text, "Invalid No.\nRetry to input No.");
        EXPECT_EQ(messages.Last().caption, "Error");
        EXPECT_EQ(page.Form().Text(CMarketingDlg::IDC_SERIAL), "");
    }
}

TEST_F(MarketingModel, VersionBytesThatAreNotBcdStayUnlessEdited) {
    image[kBlock8 + 0x103] = 0x1A;
    page.Open(image, 0);
    EXPECT_EQ(page.Form().Text(CMarketingDlg::IDC_VERSION), "");
    CloneImage saved = image;
    ASSERT_TRUE(Ok(saved));
    EXPECT_EQ(saved, image);
    page.Form().SetText(CMarketingDlg::IDC_VERSION, "2.05");
    ASSERT_TRUE(Ok(saved));
    EXPECT_EQ(Diff(image, saved), (Changes{{kBlock8 + 0x103, 0x02}, {kBlock8 + 0x104, 0x05}}));
}

TEST_F(MarketingModel, TheFactoryStepAsksOnlyForTheSerialAndConfirmsItself) {
    host.appMode = 4;
    SerialStepFlag() = 1;
    page.Open(image, 0);
    SettingsForm& form = page.Form();
    EXPECT_EQ(form.Text(CMarketingDlg::IDC_SERIAL), "");
    EXPECT_TRUE(form.IsEnabled(CMarketingDlg::IDC_SERIAL));
    for (const int id : {2003, 2310, 2004, 2311}) EXPECT_FALSE(form.IsVisible(id)) << id;
    form.SetText(CMarketingDlg::IDC_SERIAL, "2B00001");
    page.Edited(CMarketingDlg::IDC_SERIAL);
    EXPECT_FALSE(form.TakeConfirmRequest());
    form.SetText(CMarketingDlg::IDC_SERIAL, "2B000012");
    page.Edited(CMarketingDlg::IDC_SERIAL);
    EXPECT_TRUE(form.TakeConfirmRequest());
}

TEST_F(MarketingModel, CustomCodeFieldsAndValues) {
    page.Open(image, 0);
    page.Form().SetText(CMarketingDlg::IDC_CUSTOM_FIRST, "1aF");
    page.Form().SetText(CMarketingDlg::IDC_CUSTOM_FIRST + 1, "12x4");
    const auto values = page.ReadCustomCode();
    EXPECT_EQ((std::vector<int>(values.begin(), values.begin() + 16)),
              (std::vector<int>{0, 0, 0, 0, 0, 1, 10, 15, 0, 0, 0, 0, 1, 2, 2, 4}));
    auto changed = values;
    changed[63] = 12;
    changed[0] = 20;
    page.WriteCustomCode(changed);
    EXPECT_EQ(page.Form().Text(CMarketingDlg::IDC_CUSTOM_FIRST), "000001AF");
    EXPECT_EQ(page.Form().Text(CMarketingDlg::IDC_CUSTOM_LAST), "0000000C");
}
