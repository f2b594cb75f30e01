// Window tests of the dialog utilities: combo boxes from item lists,
// clearing controls, the clipboard, window placement and the grid's popup
// point and key filter.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/display.h>
#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "WinTestUtil.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

namespace {
const ST_DISPDATA kList[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
}

TEST(UiUtilWin, ComboFillAndValueOnChoiceAndComboBox) {
    TestFrame f;
    auto* choice = new wxChoice(f.frame, 2103);
    auto* combo =
        new wxComboBox(f.frame, 2104, "", wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_READONLY);
    for (wxItemContainer* box :
         {static_cast<wxItemContainer*>(choice), static_cast<wxItemContainer*>(combo)}) {
        UiUtil::FillComboFromTable(*box, kList, 0);
        EXPECT_EQ(box->GetCount(), 2u);
        EXPECT_EQ(UiUtil::GetComboText(*box), "Enable");
        EXPECT_EQ(UiUtil::GetComboValue(*box, kList), 0);
        UiUtil::FillComboFromTable(*box, kList, 7);  // no row has it: the first item
        EXPECT_EQ(UiUtil::GetComboValue(*box, kList), 1);
        box->SetSelection(wxNOT_FOUND);
        EXPECT_EQ(UiUtil::GetComboText(*box), "");
        EXPECT_EQ(UiUtil::GetComboValue(*box, kList), -1);
    }
    const ST_DISPDATA endFirst[] = {{-1, "", ""}};
    UiUtil::FillComboFromTable(*choice, endFirst, 0);
    EXPECT_EQ(choice->GetCount(), 0u);
    EXPECT_EQ(choice->GetSelection(), wxNOT_FOUND);
}

TEST(UiUtilWin, ClearControlsAndGridCells) {
    TestFrame f;
    auto* page = new wxPanel(f.frame);
    auto* choice = new wxChoice(page, 2101);
    UiUtil::FillComboFromTable(*choice, kList, 0);
    auto* edit = new wxTextCtrl(page, 2301, "TAG");
    auto* check = new wxCheckBox(page, 2201, "Over Write");
    check->SetValue(true);
    auto* label = new wxStaticText(page, 2001, "Caption");
    const int ids[] = {2101, 2301, 2201, 2001, 4999};
    UiUtil::ClearControls(page, ids);
    EXPECT_EQ(choice->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(edit->GetValue(), "");
    EXPECT_FALSE(check->GetValue());
    EXPECT_EQ(label->GetLabel(), "Caption");
    EXPECT_TRUE(UiUtil::IsComboBox(choice));
    EXPECT_TRUE(UiUtil::IsEditControl(edit));
    EXPECT_TRUE(UiUtil::IsButtonControl(check));
    EXPECT_FALSE(UiUtil::IsButtonControl(label));

    UiUtil::SetDlgItemInt(page, 2301, -42);
    EXPECT_EQ(edit->GetValue(), "-42");

    auto* grid = new CVSFlexGrid(f.frame, 1013);
    grid->SetCols(3);
    grid->SetRows(4);
    grid->SetFixedRows(1);
    grid->SetTextMatrix(1, 1, "x");
    grid->SetTextMatrix(2, 2, "y");
    grid->SetTextMatrix(3, 0, "z");
    const std::pair<int, int> cells[] = {{1, 1}, {2, 2}, {9, 9}};
    UiUtil::ClearGridCells(*grid, cells);
    EXPECT_EQ(grid->GetTextMatrix(1, 1), "");
    EXPECT_EQ(grid->GetTextMatrix(2, 2), "");
    EXPECT_EQ(grid->GetTextMatrix(3, 0), "z");
}

TEST(UiUtilWin, TextsAndHelpWithoutLanguageOrHelpFile) {
    TestFrame f;
    auto* page = new wxPanel(f.frame, 354);
    auto* label = new wxStaticText(page, 2001, "Power ON TA&G");
    auto* edit = new wxTextCtrl(page, 2301, "ABC");
    UiUtil::TranslateWindowTexts(page, 354);
    EXPECT_EQ(label->GetLabel(), "Power ON TA&G");  // built-in text stays
    EXPECT_EQ(edit->GetValue(), "ABC");

    std::vector<int> opened;
    auto& hooks = UiHooks::Current();
    hooks.openHelp = [&](wxWindow*, int rid) { opened.push_back(rid); };
    hooks.hasHelpTopic = [](int rid) { return rid == 3542301; };
    edit->SetFocus();
    ProcessQueued();
    ASSERT_EQ(wxWindow::FindFocus(), edit);
    UiUtil::ShowHelpForFocus(page, 354);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], 3542301);
    UiUtil::ShowContextHelp(page, 354);  // focus not on Help: nothing
    EXPECT_EQ(opened.size(), 1u);
    label->SetFocus();
    UiUtil::ShowHelpForFocus(page, 354);  // no topic of its own: the dialog's
    EXPECT_EQ(opened.back(), 3540000);
    hooks = {};
}

TEST(UiUtilWin, ClipboardRoundTrip) {
    TestFrame f;
    ASSERT_TRUE(Clipboard::CopyText(f.frame, "146.52000\t-\r\nCH01"));
    EXPECT_EQ(Clipboard::PasteText(f.frame), "146.52000\t-\r\nCH01");
    ASSERT_TRUE(Clipboard::CopyText(f.frame, "ЖЁЛТЫЙ"));
    EXPECT_EQ(Clipboard::PasteText(f.frame), "ЖЁЛТЫЙ");
}

TEST(UiUtilWin, PlacementSavedAndRestoredStaysInTheWorkArea) {
    TempDir dir;
    SetProfilePath(dir.path() / "settings.xml");
    TestFrame f;
    const wxRect area = wxDisplay(0u).GetClientArea();
    f->SetSize(area.x + 40, area.y + 30, 300, 200);
    WindowPlacement::Save(f.frame, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, "Emergency");
    const std::string saved = GetProfileString("Emergency", "Position", "");
    EXPECT_FALSE(saved.empty());

    WindowPlacement::Rect rect{0, 0, 100, 100};
    WindowPlacement::Restore(rect, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, 150, 120,
                             "Emergency");
    EXPECT_EQ(rect.width, 300);
    EXPECT_EQ(rect.height, 200);
    int x = 0, y = 0;
    ASSERT_TRUE(WindowPlacement::ParsePair(saved, x, y));
    EXPECT_EQ(rect.left, x);
    EXPECT_EQ(rect.top, y);

    // A position far beyond the screen comes back inside the work area.
    WriteProfileString("Emergency", "Position", "100000,100000");
    WindowPlacement::RestoreWindow(f.frame, WindowPlacement::FlagPosition, 0, 0, "Emergency");
    const wxRect r = f->GetRect();
    EXPECT_LE(r.GetRight(), area.GetRight());
    EXPECT_LE(r.GetBottom(), area.GetBottom());
    EXPECT_GE(r.x, area.x);
    EXPECT_GE(r.y, area.y);

    auto* grid = new CVSFlexGrid(f.frame, 1013);
    grid->SetCols(3);
    grid->SetRows(2);
    const WindowPlacement::WidthDefault table[] = {{0, 510}, {0, 1245}, {1, 300}};
    WindowPlacement::LoadGridWidths(*grid, "Tone2_System", table);
    EXPECT_EQ(grid->GetColWidthTwips(1), 1245);
    grid->SetColWidthTwips(1, 900);
    WindowPlacement::SaveGridWidths(*grid, "Tone2_System");
    EXPECT_EQ(GetProfileString("Tone2_System", "Grid_Width", ""), "510,900,300,");
    grid->SetColWidthTwips(1, 300);
    WindowPlacement::LoadGridWidths(*grid, "Tone2_System", table);
    EXPECT_EQ(grid->GetColWidthTwips(1), 900);
    SetProfilePath({});
}

TEST(UiUtilWin, PopupPointIsTheCurrentCellsCorner) {
    TestFrame f;
    auto* grid = new CVSFlexGrid(f.frame, 1013, wxPoint(0, 0), wxSize(300, 300));
    grid->SetCols(4);
    grid->SetRows(6);
    grid->SetFixedRows(1);
    for (int c = 0; c < 4; ++c) grid->SetColWidthTwips(c, 1500);  // 100 px each
    for (int r = 0; r < 6; ++r) grid->SetRowHeightTwips(r, 300);  // 20 px each
    grid->SetRow(2);
    grid->SetCol(1);
    ProcessQueued();
    const wxRect rect = grid->GetScreenRect();
    wxPoint p = UiUtil::GridPopupPoint(*grid);
    EXPECT_EQ(p.x, rect.x + 200);
    EXPECT_EQ(p.y, rect.y + 60);
    grid->SetColHidden(0, true);
    p = UiUtil::GridPopupPoint(*grid);
    EXPECT_EQ(p.x, rect.x + 100);
    // Wider than the grid: the right edge.
    grid->SetColHidden(0, false);
    grid->SetColWidthTwips(0, 6000);
    p = UiUtil::GridPopupPoint(*grid);
    EXPECT_EQ(p.x, rect.x + rect.width);
}

TEST(FlexGridWin, EditorKeyFilterDropsAndChangesKeys) {
    TestFrame f;
    auto* grid = new CVSFlexGrid(f.frame, 1013, wxDefaultPosition, wxSize(400, 300));
    grid->SetCols(3);
    grid->SetRows(4);
    grid->SetFixedRows(1);
    grid->SetTextMatrix(2, 1, "");
    std::vector<int> keys;
    grid->Bind(FLEXGRID_START_EDIT, [&](FlexGridEvent&) { grid->SetEditMaxLength(4); });
    grid->Bind(FLEXGRID_KEY_PRESS_EDIT, [&](FlexGridEvent& e) {
        keys.push_back(e.key);
        if (e.key >= 'a' && e.key <= 'f')
            e.key -= 'a' - 'A';  // hexadecimal, upper case
        else if (!(e.key >= '0' && e.key <= '9') && !(e.key >= 'A' && e.key <= 'F') && e.key != WXK_BACK)
            e.key = 0;
    });
    grid->SetRow(2);
    grid->SetCol(1);
    grid->EditCell();
    ASSERT_TRUE(grid->IsCellEditControlShown());
    wxGridCellEditorPtr cellEditor(grid->GetCellEditor(2, 1));
    wxWindow* editor = cellEditor->GetControl();
    ASSERT_NE(editor, nullptr);
    auto* text = dynamic_cast<wxTextCtrl*>(editor);
    ASSERT_NE(text, nullptr);
    for (int key : {'a', 'x', 'B'}) {
        wxKeyEvent ev(wxEVT_CHAR);
        ev.m_keyCode = key;
        ev.m_uniChar = key;
        ev.SetEventObject(text);
        text->ProcessWindowEvent(ev);
    }
    EXPECT_EQ(keys, (std::vector<int>{'a', 'x', 'B'}));
    // The changed key was typed by the grid; the dropped one left no trace.
    // (An unchanged key is typed by the native control, which a synthetic
    // event does not reach.)
    EXPECT_EQ(grid->GetStringProperty91(), "A");
    grid->DisableCellEditControl();
}
