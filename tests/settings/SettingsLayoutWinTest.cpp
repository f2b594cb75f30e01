// The settings window's lines of several controls: the controls stand side
// by side in the line's cells, a shorter line leaves the extra cells empty,
// and a line whose controls are all hidden leaves no gap.
#include <wx/checkbox.h>
#include <wx/stattext.h>

#include "SettingsWinFixture.h"

using namespace Settings;
using namespace SettingsTest;

namespace {

constexpr ST_DISPDATA kList[] = {{0, "Zero", ""}, {1, "One", ""}, {-1, "", ""}};

class WidePage : public SettingsPage {
  public:
    WidePage() : SettingsPage(901) {}

  protected:
    void Build() override {
        AddCombo(2001, "Alpha", 2101, kList, nullptr, nullptr);
        BeginRow(2002, "Row");
        AddCombo(0, {}, 2102, kList, nullptr, nullptr);
        AddCheck(2202, "Check");
        AddCombo(0, {}, 2103, kList, nullptr, nullptr);
        EndRow();
        AddCombo(2003, "Last", 2104, kList, nullptr, nullptr);
    }
};

std::unique_ptr<SettingsDialogModel> MakeWide() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<WidePage>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{901, "Wide", "Wide", false}, std::move(pages));
}

int MiddleY(wxWindow* window) {
    return window->GetPosition().y + window->GetSize().y / 2;
}

}  // namespace

TEST_F(SettingsWin, ALineHoldsItsControlsSideBySide) {
    Open(&MakeWide);
    wxWindow* caption = Control(2002);
    wxWindow* press = Control(2102);
    wxWindow* check = Control(2202);
    wxWindow* hold = Control(2103);
    ASSERT_TRUE(caption && press && check && hold);
    for (wxWindow* w : {press, check, hold}) EXPECT_NEAR(MiddleY(w), MiddleY(caption), 2);
    EXPECT_LT(caption->GetRect().GetRight(), press->GetPosition().x);
    EXPECT_LT(press->GetRect().GetRight(), check->GetPosition().x);
    EXPECT_LT(check->GetRect().GetRight(), hold->GetPosition().x);
    // The ordinary lines keep caption and control in the first two cells.
    EXPECT_EQ(Control(2101)->GetPosition().x, press->GetPosition().x);
    EXPECT_EQ(Control(2104)->GetPosition().x, press->GetPosition().x);
    EXPECT_GT(MiddleY(Control(2104)), MiddleY(caption));

    // The user's pick in a control beside another reaches the page.
    Pick(2103, "One");
    EXPECT_EQ(dialog->Model().Page(0).Form().Value(2103), 1);
    Click(check);
    EXPECT_TRUE(dialog->Model().Page(0).Form().Checked(2202));
}

TEST_F(SettingsWin, AHiddenLineOfSeveralControlsLeavesNoGap) {
    Open(&MakeWide);
    const int lastShown = Control(2104)->GetPosition().y;
    const int rowY = Control(2102)->GetPosition().y;
    SettingsForm& form = dialog->Model().Page(0).Form();
    for (const int id : {2002, 2102, 2202, 2103}) form.Show(id, false);
    dialog->ShowForm();
    Settle();
    EXPECT_FALSE(Control(2202)->IsShown());
    EXPECT_LE(Control(2104)->GetPosition().y, rowY + 2) << "the last line moves up into the hidden one";
    EXPECT_LT(Control(2104)->GetPosition().y, lastShown);
}
