// A printable dialog with real controls: made hidden in the one holder
// window, and its form printed from the controls' states.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "ui/PrintableScreen.h"
#include "ui/Restraction.h"

namespace {

constexpr std::uint8_t kShown[15] = {};
constexpr std::uint8_t kShown2[15] = {};
constexpr std::uint8_t kShown3[15] = {};
const ControlRuleRow kRows[] = {{2001, 0, kShown},  {2101, 0, kShown},  {2002, 0, kShown2},
                                {2301, 0, kShown2}, {2003, 0, kShown3}, {2201, 0, kShown3},
                                {-1, 0, nullptr}};

template <int N>
class PrintDialog : public wxDialog, public PrintableScreen {
  public:
    PrintDialog() : PrintableScreen(600 + N, kRows) {}
    wxWindow* PrintWindow() const override { return created_ ? const_cast<PrintDialog*>(this) : nullptr; }
    bool CreateForPrint() override {
        if (created_) return true;
        created_ = wxDialog::Create(PrintHolderWindow(), wxID_ANY, "Scan <Setting>");
        new wxStaticText(this, 2001, "Scan Type");
        auto* choice = new wxChoice(this, 2101);
        choice->Append("Priority");
        choice->Append("Normal");
        choice->SetSelection(1);
        new wxStaticText(this, 2002, "Hold Time");
        new wxTextCtrl(this, 2301, "");
        new wxStaticText(this, 2003, "Talk Back");
        new wxCheckBox(this, 2201, "");
        return created_;
    }
    void DestroyPrintWindow() override {}

  protected:
    PrintCache& ClassCache() override { return CacheOf<PrintDialog<N>>(); }

  private:
    bool created_ = false;
};

TEST(PrintableScreenWinTest, DialogsAreMadeHiddenInOneHolderAndPrintTheirControls) {
    PrintDialog<1> first;
    PrintDialog<2> second;
    EXPECT_FALSE(first.IsDialog());  // no window yet
    bool more = false;
    std::string out;
    first.GetHtml(out, nullptr, &more, true);
    ASSERT_TRUE(PrintHolderExists());
    wxWindow* holder = PrintHolderWindow();
    EXPECT_FALSE(holder->IsShown());
    EXPECT_FALSE(first.IsShown());
    EXPECT_EQ(first.GetParent(), holder);
    second.CreateHidden();
    EXPECT_EQ(second.GetParent(), holder);
    EXPECT_EQ(PrintHolderWindow(), holder);

    EXPECT_TRUE(first.IsDialog());
    EXPECT_EQ(out,
              "<table width=\"100%\"><colgroup span=\"2\"></colgroup>\n"
              "<tr><th colspan=\"2\">[Scan &lt;Setting&gt;]</th>\n</tr>\n"
              "<tr><td>Scan Type:</td>\n<td>Normal</td>\n</tr>\n"
              "<tr><td>Hold Time:</td>\n<td>&nbsp;</td>\n</tr>\n"
              "<tr><td>Talk Back:</td>\n<td>Disable</td>\n</tr>\n"
              "</table>\n");
    static_cast<wxCheckBox*>(first.FindWindow(2201))->SetValue(true);
    EXPECT_EQ(first.ControlForPrint(2201).checked, true);
    EXPECT_FALSE(first.ControlForPrint(9999).exists);
}

}  // namespace
