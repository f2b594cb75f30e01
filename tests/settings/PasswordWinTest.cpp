// The Password dialog on the default data file, driven by keys and clicks.
#include <wx/notebook.h>

#include "SettingsWinFixture.h"
#include "image/ItemsSystem.h"
#include "language/Language.h"
#include "settings/Password.h"
#include "ui/UiHooks.h"

using namespace SettingsTest;

namespace {

using PasswordWin = DialogWin<&CPasswordDlg::MakeDialog>;

}  // namespace

TEST_F(PasswordWin, OkWritesTheTypedPasswordOnce) {
    ItemMap::SetProgrammingPasswordOn(document, 1);
    ItemMap::SetRadioToRadioClone(document, 1);
    OpenDialog();
    ASSERT_NE(dialog->Tabs(), nullptr);
    EXPECT_EQ(dialog->Tabs()->GetPageText(0), "Programming");
    EXPECT_FALSE(Control(CPasswordPage2Dlg::IDC_DIGITS)->IsEnabled());
    Pick(CPasswordPage2Dlg::IDC_ON_OFF, "Enable");
    EXPECT_EQ(messages.Count(), 1u) << "the warning of a switched-on password";
    Type(CPasswordPage2Dlg::IDC_DIGITS, "1a2b3c");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    const std::size_t onOff = CloneImage::BlockOffset(8, 0x1D0), digits = CloneImage::BlockOffset(8, 0x1D1);
    EXPECT_EQ(Diff(before, document), (Changes{{onOff, std::uint8_t(before[onOff] & ~0x04)},
                                               {digits, 0x1A},
                                               {digits + 1, 0x2B},
                                               {digits + 2, 0x3C}}));
    EXPECT_EQ(messages.Last().text, "Programming password have been set to 1A2B3C");

    OpenDialog();
    EXPECT_TRUE(Control(CPasswordPage2Dlg::IDC_DIGITS)->IsEnabled());
    ExpectOkChangesNothing();
}

TEST_F(PasswordWin, FiveDigitsKeepTheDialogOpen) {
    ItemMap::SetProgrammingPasswordOn(document, 0);
    OpenDialog();
    Type(CPasswordPage2Dlg::IDC_DIGITS, "12345");
    ClickOk();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(messages.Last().text, "Enter 6 digits!");
    EXPECT_EQ(working, document);
    Key(WXK_ESCAPE);
    EXPECT_EQ(Finish(), wxID_CANCEL);
}

TEST_F(PasswordWin, EscapeInsideThePageCancels) {
    const CloneImage before = document;
    OpenDialog();
    Pick(CPasswordPage2Dlg::IDC_ON_OFF, "Enable");
    Type(CPasswordPage2Dlg::IDC_DIGITS, "abcdef");
    Key(WXK_ESCAPE);
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(document, before);
}

TEST_F(PasswordWin, HelpInsideThePageUsesThePagesTopicsAndTheButtonTheDialogs) {
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> opened;
    hooks.hasHelpTopic = [](int) { return false; };
    hooks.openHelp = [&opened](wxWindow*, int rid) { opened.push_back(rid); };
    OpenDialog();
    ASSERT_TRUE(Focus(Control(CPasswordPage2Dlg::IDC_ON_OFF)));
    Key(WXK_F1);
    Click(dialog->FindWindow(SettingsDlg::IDC_HELP));
    hooks = saved;
    EXPECT_EQ(opened, (std::vector<int>{MakeRID(0, 362, 0), MakeRID(0, 360, 0)}));
}
