// The MDC1200 common and system dialogs (two tabs, one system record each)
// on the default data file, driven by keys and clicks: OK writes exactly the
// edited fields, Cancel and a second OK write nothing, values without a row
// and erased IDs survive.
#include <wx/checkbox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "SettingsWinFixture.h"
#include "image/RadioImagePrep.h"
#include "signalling/Mdc1200Settings.h"

using namespace SettingsTest;

namespace {

using Common = CMDC1200CommonPage1Dlg;
using Sys = CMDC1200SysPage1Dlg;
constexpr std::size_t kSecond = 1;

struct Mdc1200Win : SettingsWin {
    void SetUp() override { CloneImageOps::ClearMdc1200OverWriteFlags(); }
    void TearDown() override {
        SettingsWin::TearDown();
        CloneImageOps::ClearMdc1200OverWriteFlags();
    }
    void OpenCommon() { Open(&CMDC1200CommonDlg::MakeDialog); }
    void OpenSystem() { Open(&CMDC1200SysDlg::MakeDialog); }
    wxString Text(int id, std::size_t page = 0) { return wxDynamicCast(Control(id, page), wxTextCtrl)->GetValue(); }
    wxComboBox* Combo(int id, std::size_t page = 0) { return wxDynamicCast(Control(id, page), wxComboBox); }
    wxCheckBox* Check(int id, std::size_t page = 0) { return wxDynamicCast(Control(id, page), wxCheckBox); }
    // Clicks the tab of `page` where the notebook says it is.
    void ClickTab(std::size_t page) {
        wxNotebook* tabs = dialog->Tabs();
        ASSERT_NE(tabs, nullptr);
        const wxSize size = tabs->GetSize();
        for (int y = 2; y < 60 && y < size.y; y += 4)
            for (int x = 2; x < size.x; x += 6)
                if (tabs->HitTest(wxPoint(x, y)) == static_cast<int>(page)) {
                    sim.MouseMove(tabs->ClientToScreen(wxPoint(x + 4, y + 4)));
                    Settle();
                    sim.MouseClick();
                    Settle();
                    ASSERT_EQ(tabs->GetSelection(), static_cast<int>(page));
                    return;
                }
        FAIL() << "no tab " << page;
    }
    // Leaves an edit by giving the focus to another control.
    void Leave(int other, std::size_t page = 0) { ASSERT_TRUE(Focus(Control(other, page))); }
};

}  // namespace

TEST_F(Mdc1200Win, CommonOkWritesExactlyTheEditedFieldsOfBothSystems) {
    OpenCommon();
    EXPECT_EQ(dialog->GetTitle(), "MDC1200 Common");
    ASSERT_NE(dialog->Tabs(), nullptr);
    EXPECT_EQ(dialog->Tabs()->GetPageText(0), "Primary ID");
    EXPECT_EQ(dialog->Tabs()->GetPageText(1), "Secondary ID");
    // The Primary ID is locked until Over Write is checked.
    EXPECT_FALSE(Control(Common::IDC_PRIMARY_ID)->IsEnabled());
    Click(Check(Common::IDC_OVER_WRITE));
    EXPECT_TRUE(Control(Common::IDC_PRIMARY_ID)->IsEnabled());
    Type(Common::IDC_PRIMARY_ID, "1234");
    Type(Common::IDC_LEAD_IN, "1234");
    Leave(Common::IDC_PREAMBLE);
    EXPECT_EQ(Text(Common::IDC_LEAD_IN), "1230");
    ClickTab(kSecond);
    Type(Common::IDC_GROUP_ID, "ABC", kSecond);
    Leave(Common::IDC_PREAMBLE, kSecond);
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    const auto group = static_cast<std::uint8_t>((before[0x2892] & 0xF0) | 0x0A);
    EXPECT_EQ(Diff(before, document),
              (Changes{{0x2880, 0x12}, {0x2881, 0x34}, {0x2887, 123}, {0x2892, group}, {0x2893, 0xBC}}));
    EXPECT_EQ(CloneImageOps::Mdc1200OverWriteFlags()[0], 1);
    EXPECT_EQ(CloneImageOps::Mdc1200OverWriteFlags()[1], 0);

    // Over Write stays checked for the next opening; OK without edits writes nothing.
    OpenCommon();
    EXPECT_TRUE(Check(Common::IDC_OVER_WRITE)->GetValue());
    EXPECT_EQ(Text(Common::IDC_PRIMARY_ID), "1234");
    ClickOk();
    const CloneImage after = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(after, document), Changes{});
}

TEST_F(Mdc1200Win, PrimaryIdIsWrittenOnlyUnderOverWriteAndCancelWritesNothing) {
    const CloneImage unchanged = document;
    OpenCommon();
    Click(Check(Common::IDC_OVER_WRITE));
    Type(Common::IDC_PRIMARY_ID, "4321");
    Click(Check(Common::IDC_OVER_WRITE));  // cleared again: the typed ID is not written
    Pick(Common::IDC_DUTY, "ON Duty");
    ExpectCancelLeaves(unchanged);
    EXPECT_EQ(CloneImageOps::Mdc1200OverWriteFlags()[0], 0);

    OpenCommon();
    Click(Check(Common::IDC_OVER_WRITE));
    Type(Common::IDC_PRIMARY_ID, "4321");
    Click(Check(Common::IDC_OVER_WRITE));
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, unchanged);
}

TEST_F(Mdc1200Win, AlertModeSingleClearsRepeatAndRepeatRestoresThisPagesValue) {
    // System 0 repeats 3 times, system 1 5 times, both in "Repeat" mode.
    document[0x2885] = static_cast<std::uint8_t>((document[0x2885] & 0xCF) | 0x30);
    document[0x2895] = static_cast<std::uint8_t>((document[0x2895] & 0xCF) | 0x30);
    document[0x288E] = static_cast<std::uint8_t>((document[0x288E] & 0xFC) | 2);
    document[0x289E] = static_cast<std::uint8_t>((document[0x289E] & 0xFC) | 3);
    OpenCommon();
    EXPECT_EQ(Combo(Common::IDC_ALERT_REPEAT)->GetValue(), "3 times");
    Pick(Common::IDC_ALERT_MODE, "Single");
    EXPECT_EQ(Combo(Common::IDC_ALERT_REPEAT)->GetSelection(), wxNOT_FOUND);
    EXPECT_FALSE(Combo(Common::IDC_ALERT_REPEAT)->IsEnabled());
    ClickTab(kSecond);
    Pick(Common::IDC_ALERT_MODE, "Single", kSecond);
    Pick(Common::IDC_ALERT_MODE, "Repeat", kSecond);
    EXPECT_EQ(Combo(Common::IDC_ALERT_REPEAT, kSecond)->GetValue(), "5 times");
    ClickTab(0);
    Pick(Common::IDC_ALERT_MODE, "Repeat");
    EXPECT_EQ(Combo(Common::IDC_ALERT_REPEAT)->GetValue(), "3 times");
    EXPECT_TRUE(Combo(Common::IDC_ALERT_REPEAT)->IsEnabled());
    Pick(Common::IDC_ALERT_MODE, "Single");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    // Only the mode of system 0; its repeat time is kept.
    EXPECT_EQ(Diff(before, document), (Changes{{0x2885, static_cast<std::uint8_t>((before[0x2885] & 0xCF) | 0x10)}}));
}

TEST_F(Mdc1200Win, ValuesWithoutARowAndErasedIdsSurviveOk) {
    document[0x2885] = static_cast<std::uint8_t>((document[0x2885] & 0xCF) | 0x20);  // Alert Mode 2
    document[0x288C] = 13;                                                           // ANI Lockout 13
    document[0x2880] = 0xFF;  // an erased Primary ID
    document[0x2881] = 0xFF;
    document[0x2890] = 0x12;  // an ID with "F" under a clear Wild Card
    document[0x2891] = 0xF4;
    document[0x2892] |= 0x80;
    OpenCommon();
    EXPECT_EQ(Combo(Common::IDC_ALERT_MODE)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Combo(Common::IDC_ANI_LOCKOUT)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Text(Common::IDC_PRIMARY_ID), "FFFF");
    EXPECT_EQ(Text(Common::IDC_PRIMARY_ID, kSecond), "12F4");
    EXPECT_FALSE(Check(Common::IDC_WILD_CARD, kSecond)->GetValue());
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), Changes{});
}

TEST_F(Mdc1200Win, SystemDialogShowsSixFieldsAndNeverWritesTheHiddenOnes) {
    document[0x288A] = 25;  // the hidden Message Value
    OpenSystem();
    EXPECT_EQ(dialog->GetTitle(), "MDC1200 ANI");
    EXPECT_EQ(dialog->Tabs()->GetPageCount(), 2u);
    for (int id : std::initializer_list<int>{Sys::IDC_GROUP_ID, Sys::IDC_MESSAGE_VALUE, Sys::IDC_WILD_CARD, Sys::IDC_PL_TRANSMIT})
        EXPECT_FALSE(Control(id)->IsShown()) << id;
    for (int id : std::initializer_list<int>{Sys::IDC_PRIMARY_ID, Sys::IDC_ANI_TRANS, Sys::IDC_COURTESY_TONE, Sys::IDC_LEAD_IN,
                   Sys::IDC_PTT_SIDE_TONE, Sys::IDC_ANI_LOCKOUT})
        EXPECT_TRUE(Control(id)->IsShown()) << id;
    EXPECT_EQ(Text(Sys::IDC_MESSAGE_VALUE), "250");
    Type(Sys::IDC_LEAD_IN, "3");
    Leave(Sys::IDC_PRIMARY_ID);
    EXPECT_EQ(Text(Sys::IDC_LEAD_IN), "10");
    Type(Sys::IDC_PRIMARY_ID, "0A0B");
    Pick(Sys::IDC_ANI_LOCKOUT, "30 sec");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), (Changes{{0x2880, 0x0A}, {0x2881, 0x0B}, {0x2887, 1}, {0x288C, 3}}));

    OpenSystem();
    ClickOk();
    const CloneImage after = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(after, document), Changes{});

    OpenSystem();
    Type(Sys::IDC_LEAD_IN, "500");
    ExpectCancelLeaves(after);
}
