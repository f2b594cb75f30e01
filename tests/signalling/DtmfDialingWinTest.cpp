// The DTMF Dialing dialog on the default data file, driven by keys and
// clicks: OK changes exactly the chosen bytes, a second OK changes nothing,
// Cancel leaves the document, and out-of-list values survive OK.
#include <wx/combobox.h>
#include <wx/textctrl.h>

#include "SettingsWinFixture.h"
#include "image/ItemMap.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "signalling/DtmfDialing.h"

using namespace SettingsTest;

namespace {

constexpr std::size_t kPage9 = 0x2800;

struct DtmfDialingWin : DialogWin<&CDtmfDialingDlg::MakeDialog> {
    wxComboBox* Combo(int id) { return wxDynamicCast(Control(id), wxComboBox); }
};

}  // namespace

TEST_F(DtmfDialingWin, OkChangesExactlyTheChosenBytes) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "DTMF Dialing");
    // The default file has the pause code off: no pause time to choose.
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_PAUSE_CODE)->GetValue(), "Disable");
    EXPECT_FALSE(Control(CDtmfDialingDlg::IDC_PAUSE_TIME)->IsEnabled());
    Pick(CDtmfDialingDlg::IDC_PAUSE_CODE, "5");
    EXPECT_TRUE(Control(CDtmfDialingDlg::IDC_PAUSE_TIME)->IsEnabled());
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_PAUSE_TIME)->GetSelection(), wxNOT_FOUND);
    Pick(CDtmfDialingDlg::IDC_PAUSE_TIME, "1.0 sec");
    Type(CDtmfDialingDlg::IDC_CODE1, "123#");
    EXPECT_EQ(wxDynamicCast(Control(CDtmfDialingDlg::IDC_CODE1), wxTextCtrl)->GetValue(), "123#");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);

    Changes expected;
    auto expect = [&](std::size_t at, std::uint8_t value) {
        if (before[at] != value) expected[at] = value;
    };
    expect(kPage9 + 0x001, static_cast<std::uint8_t>((before[kPage9 + 0x001] & 0xE0) | 0x05));
    expect(kPage9 + 0x002, 10);
    const std::uint8_t code[8] = {0x41, 0x23, 0xF0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < 8; ++i) expect(kPage9 + 0x018 + i, code[i]);
    EXPECT_EQ(Diff(before, document), expected);

    // Opened again on the result, OK without edits changes no byte.
    OpenDialog();
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_PAUSE_TIME)->GetValue(), "1.0 sec");
    ExpectOkChangesNothing();
}

TEST_F(DtmfDialingWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenDialog();
    Pick(CDtmfDialingDlg::IDC_SPEED, "100 mS");
    Type(CDtmfDialingDlg::IDC_CODE1, "9");
    ExpectCancelLeaves(before);
}

TEST_F(DtmfDialingWin, OutOfListValuesOpenEmptyAndSurviveOk) {
    // A pause time that is no multiple of 5 with the pause code on, and a
    // speed no row holds; a code packed with a count past its digits.
    document[kPage9 + 0x001] = 0x07;
    document[kPage9 + 0x002] = 12;
    document[kPage9 + 0x005] = 40;
    OpenDialog();
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_PAUSE_CODE)->GetValue(), "7");
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_PAUSE_TIME)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_SPEED)->GetSelection(), wxNOT_FOUND);
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, before);
}

TEST_F(DtmfDialingWin, SwitchingThePauseCodeOffKeepsThePauseTime) {
    document[kPage9 + 0x001] = 0x03;
    document[kPage9 + 0x002] = 25;
    OpenDialog();
    EXPECT_EQ(Combo(CDtmfDialingDlg::IDC_PAUSE_TIME)->GetValue(), "2.5 sec");
    Pick(CDtmfDialingDlg::IDC_PAUSE_CODE, "Disable");
    EXPECT_FALSE(Control(CDtmfDialingDlg::IDC_PAUSE_TIME)->IsEnabled());
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), (Changes{{kPage9 + 0x001, 0x10}}));
}

// Each code has its tag beside it under the "Code" and "TAG" column
// captions; a display that cannot show tags has no TAG caption.
TEST_F(DtmfDialingWin, TheTagColumnHasItsCaptionWhereTheDisplayShowsTags) {
    const struct {
        std::uint32_t displayType;
        bool tags;
    } cases[] = {{2, true}, {5, true}, {6, true}, {0, false}, {1, false}, {3, false}};
    for (const auto& c : cases) {
        ItemMap::SetDisplayType(document, c.displayType);
        OpenDialog();
        wxWindow* codeHead = Control(CDtmfDialingDlg::IDC_CODE_CAPTION);
        wxWindow* tagHead = Control(CDtmfDialingDlg::IDC_TAG_CAPTION);
        wxWindow* code = Control(CDtmfDialingDlg::IDC_CODE1);
        wxWindow* tag = Control(CDtmfDialingDlg::IDC_TAG1);
        ASSERT_TRUE(codeHead && tagHead && code && tag);
        EXPECT_EQ(tagHead->GetLabel(), "TAG");
        EXPECT_EQ(tagHead->IsShown(), c.tags) << c.displayType;
        EXPECT_TRUE(codeHead->IsShown());
        EXPECT_EQ(codeHead->GetPosition().x, code->GetPosition().x);
        EXPECT_LT(codeHead->GetRect().GetBottom(), code->GetPosition().y);
        if (tag->IsShown()) {
            EXPECT_NEAR(tag->GetPosition().y, code->GetPosition().y, 3);
            EXPECT_GT(tag->GetPosition().x, code->GetRect().GetRight());
        }
        if (c.tags) {
            EXPECT_EQ(tagHead->GetPosition().x, tag->GetPosition().x);
            EXPECT_LT(tagHead->GetRect().GetBottom(), tag->GetPosition().y);
        }
        ClickCancel();
        EXPECT_EQ(Finish(), wxID_CANCEL);
    }
}
