// The DTMF Page dialog on the default data file, driven by keys and clicks:
// page codes must be complete, OK changes exactly the chosen bytes, a second
// OK changes nothing and Cancel leaves the document.
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "SettingsWinFixture.h"
#include "signalling/DtmfPage.h"

using namespace SettingsTest;

namespace {

constexpr std::size_t kResetTime = 0x2A85, kCode1 = 0x2A90, kCode2 = 0x2A92;

using DtmfPageWin = DialogWin<&CDtmfPageDlg::MakeDialog>;

}  // namespace

TEST_F(DtmfPageWin, AnIncompleteCodeIsRefusedAndACompleteOneStored) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "DTMF Page");
    EXPECT_FALSE(Control(2101)->IsShown());  // decode LED: hidden on every radio
    Pick(CDtmfPageDlg::IDC_AUTO_RESET_TIME, "1.5 sec");
    Type(CDtmfPageDlg::IDC_CODE1, "12#");
    // A code gets Type "Encode" and Action "Normal"; neither can be changed.
    auto* type = wxDynamicCast(Control(CDtmfPageDlg::IDC_TYPE1), wxComboBox);
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->GetValue(), "Encode");
    EXPECT_FALSE(type->IsEnabled());
    EXPECT_FALSE(Control(CDtmfPageDlg::IDC_ACTION1)->IsEnabled());

    ClickOk();
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("Page Code 1"), std::string::npos) << messages.Last().text;
    EXPECT_NE(messages.Last().text.find("three digits"), std::string::npos) << messages.Last().text;
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(working, document) << "nothing is written while a code is refused";

    Type(CDtmfPageDlg::IDC_CODE1, "###");
    ClickOk();
    ASSERT_EQ(messages.Count(), 2u);
    EXPECT_NE(messages.Last().text.find("###"), std::string::npos) << messages.Last().text;
    EXPECT_TRUE(dialog->IsShown());

    Type(CDtmfPageDlg::IDC_CODE1, "123");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    Changes expected{{kResetTime, 3}, {kCode1 + 1, 0x23}};
    const auto first = static_cast<std::uint8_t>((before[kCode1] & 0xF0) | 0x01);
    if (first != before[kCode1]) expected[kCode1] = first;
    EXPECT_EQ(Diff(before, document), expected);

    OpenDialog();
    EXPECT_EQ(wxDynamicCast(Control(CDtmfPageDlg::IDC_CODE1), wxTextCtrl)->GetValue(), "123");
    ExpectOkChangesNothing();
}

TEST_F(DtmfPageWin, CancelLeavesTheDocumentAndAStoredShortCodeSurvivesOk) {
    const CloneImage unchanged = document;
    OpenDialog();
    Type(CDtmfPageDlg::IDC_CODE1, "456");
    Pick(CDtmfPageDlg::IDC_SEPARATE_CODE, "#");
    ExpectCancelLeaves(unchanged);

    // Digits 1, 2, 15 as the radio may hold them: shown "12#", kept untouched.
    document[kCode2] = 0xF1;
    document[kCode2 + 1] = 0x2F;
    OpenDialog();
    EXPECT_EQ(wxDynamicCast(Control(CDtmfPageDlg::IDC_CODE1 + 1), wxTextCtrl)->GetValue(), "12#");
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, before);
    EXPECT_EQ(messages.Count(), 0u);
}

// A page code, its Type and its Action share one line, so the ten codes fit
// a dialog that fits the screen.
TEST_F(DtmfPageWin, EachCodeShowsItsTypeAndActionBesideIt) {
    OpenDialog();
    for (int i = 0; i < CDtmfPageDlg::CodeCount; ++i) {
        wxWindow* code = Control(CDtmfPageDlg::IDC_CODE1 + i);
        wxWindow* type = Control(CDtmfPageDlg::IDC_TYPE1 + i);
        wxWindow* action = Control(CDtmfPageDlg::IDC_ACTION1 + i);
        ASSERT_TRUE(code && type && action);
        const int middle = code->GetPosition().y + code->GetSize().y / 2;
        EXPECT_NEAR(type->GetPosition().y + type->GetSize().y / 2, middle, 3) << i;
        EXPECT_NEAR(action->GetPosition().y + action->GetSize().y / 2, middle, 3) << i;
        EXPECT_LT(code->GetRect().GetRight(), type->GetPosition().x) << i;
        EXPECT_LT(type->GetRect().GetRight(), action->GetPosition().x) << i;
    }
    // The column captions head the three columns, above the first code.
    const struct {
        int caption, column;
        const char* text;
    } heads[] = {{CDtmfPageDlg::IDC_CODE_CAPTION, CDtmfPageDlg::IDC_CODE1, "Code"},
                 {CDtmfPageDlg::IDC_TYPE_CAPTION, CDtmfPageDlg::IDC_TYPE1, "Type"},
                 {CDtmfPageDlg::IDC_ACTION_CAPTION, CDtmfPageDlg::IDC_ACTION1, "Action"}};
    for (const auto& head : heads) {
        wxWindow* caption = Control(head.caption);
        wxWindow* column = Control(head.column);
        ASSERT_TRUE(caption && column) << head.text;
        EXPECT_EQ(caption->GetLabel(), head.text);
        EXPECT_TRUE(caption->IsShown()) << head.text;
        EXPECT_EQ(caption->GetPosition().x, column->GetPosition().x) << head.text;
        EXPECT_LT(caption->GetRect().GetBottom(), column->GetPosition().y) << head.text;
    }
    EXPECT_LT(dialog->GetSize().y, 700);
}
