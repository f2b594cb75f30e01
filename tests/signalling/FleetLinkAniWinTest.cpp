// The FleetLink ANI dialog (one tab) on the default data file, driven by keys
// and clicks: values are clamped, only edited fields are written.
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "SettingsWinFixture.h"
#include "signalling/FleetLinkAni.h"

using namespace SettingsTest;

namespace {

using Page = CFleetLinkAniPage1Dlg;

struct FleetLinkWin : DialogWin<&CFleetLinkAniDlg::MakeDialog> {
    wxString Text(int id) { return wxDynamicCast(Control(id), wxTextCtrl)->GetValue(); }
};

}  // namespace

TEST_F(FleetLinkWin, OkChangesExactlyTheEditedFields) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Fleetlink ANI");
    ASSERT_NE(dialog->Tabs(), nullptr);
    EXPECT_EQ(dialog->Tabs()->GetPageCount(), 1u);
    EXPECT_EQ(dialog->Tabs()->GetPageText(0), "ID");
    EXPECT_EQ(Text(Page::IDC_OWN_ID), "1000");
    EXPECT_EQ(Text(Page::IDC_FLEET), "100");
    Type(Page::IDC_OWN_ID, "4999");
    Type(Page::IDC_LEAD_IN, "1234");
    ASSERT_TRUE(Focus(Control(Page::IDC_FLEET)));
    EXPECT_EQ(Text(Page::IDC_LEAD_IN), "1230");
    Pick(Page::IDC_ANI_TRANSMIT, "Released");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    const auto transmit = static_cast<std::uint8_t>((before[0x2900] & 0x3F) | 0x40);
    EXPECT_EQ(Diff(before, document), (Changes{{0x2900, transmit}, {0x2902, 0xA0}, {0x2903, 0x0F}, {0x2904, 123}}));

    OpenDialog();
    ExpectOkChangesNothing();
}

TEST_F(FleetLinkWin, EmptyEditsAndCancelChangeNothingOutOfRangeIsShownClamped) {
    const CloneImage unchanged = document;
    OpenDialog();
    Type(Page::IDC_FLEET, "");
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, unchanged) << "an empty edit means no change";

    OpenDialog();
    Type(Page::IDC_OWN_ID, "2000");
    ExpectCancelLeaves(unchanged);

    // A fleet byte past the range shows the limit and is kept unless edited.
    document[0x2901] = 251;
    OpenDialog();
    EXPECT_EQ(Text(Page::IDC_FLEET), "349");
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, before);
}
