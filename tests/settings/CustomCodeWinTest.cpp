// The custom code grid: double clicks and keys switch functions, OK writes
// their bits, Cancel leaves the block.
#include "SettingsWinFixture.h"
#include "settings/CustomCode.h"
#include "ui/VSFlexGrid.h"

using namespace SettingsTest;

namespace {

struct CustomCodeWin : ::testing::Test {
    TestFrame frame;
    wxUIActionSimulator sim;
    CustomCode::Block block{};
    CCustomCodeEditDlg* dialog = nullptr;

    void SetUp() override {
        dialog = new CCustomCodeEditDlg(frame.frame, block);
        dialog->Show();
        Settle();
    }
    void TearDown() override {
        dialog->Destroy();
        Settle();
    }
    // Double-clicks the middle of a cell.
    void DoubleClick(int row, int col) {
        CVSFlexGrid* grid = dialog->Grid();
        grid->MakeCellVisible(row, col);
        Settle();
        const wxRect cell = grid->CellToRect(row, col);
        const wxPoint centre =
            grid->CalcScrolledPosition(cell.GetPosition()) + wxPoint(cell.width / 2, cell.height / 2);
        sim.MouseMove(grid->GetGridWindow()->ClientToScreen(centre));
        Settle();
        sim.MouseDblClick();
        Settle();
    }
    void Press(int key) {
        sim.Char(key);
        Settle();
    }
};

}  // namespace

TEST_F(CustomCodeWin, FunctionsSwitchAndOkWritesTheirBits) {
    using namespace CustomCode;
    EXPECT_EQ(dialog->Grid()->GetTextMatrix(0, 0), "function-1");
    EXPECT_EQ(dialog->Grid()->GetTextMatrix(0, 2), "function-33");
    EXPECT_EQ(dialog->Grid()->GetTextMatrix(0, 1), CCustomCodeEditDlg::OffText);

    DoubleClick(0, 1);  // function 1 by its flag
    DoubleClick(0, 2);  // function 33 by its label
    ASSERT_TRUE(Focus(dialog->Grid()));
    dialog->Grid()->SetRow(5);
    dialog->Grid()->SetCol(15);  // function 230
    Press(WXK_SPACE);
    Press(WXK_RETURN);  // and back off: Enter switches, it never confirms
    Press(WXK_RETURN);
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_TRUE(dialog->FlagOn(0));
    EXPECT_TRUE(dialog->FlagOn(32));
    EXPECT_TRUE(dialog->FlagOn(229));

    const wxRect ok = dialog->FindWindow(CCustomCodeEditDlg::IDC_OK)->GetScreenRect();
    sim.MouseMove(ok.GetPosition() + wxPoint(ok.width / 2, ok.height / 2));
    Settle();
    sim.MouseClick();
    Settle();
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    Block expected{};
    expected[0] = 0x01;   // function 1: bit 0 of value 0
    expected[8] = 0x01;   // function 33: bit 0 of value 8
    expected[57] = 0x02;  // function 230: bit 1 of value 57
    EXPECT_EQ(block, expected);
}

TEST_F(CustomCodeWin, CancelLeavesTheBlock) {
    DoubleClick(3, 1);
    EXPECT_TRUE(dialog->FlagOn(3));
    Press(WXK_ESCAPE);
    EXPECT_FALSE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(block, CustomCode::Block{});
}
