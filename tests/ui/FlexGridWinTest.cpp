#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WinTestUtil.h"
#include "ui/VSFlexGrid.h"

namespace {

// A grid shaped like the tone system grids: three header rows, no fixed
// column, titles that merge across and down.
CVSFlexGrid* MakeToneGrid(wxWindow* parent) {
    auto* g = new CVSFlexGrid(parent, 1013, wxDefaultPosition, wxSize(700, 400));
    g->SetCols(6);
    g->SetRows(8);
    g->SetFixedRows(3);
    g->SetFixedCols(0);
    const char* h0[] = {
        "", "2-Tone System", "2-Tone System", "2-Tone System", "2-Tone System", "2-Tone System"};
    const char* h1[] = {"Sys\r\nNo.",  "Call\r\nCode", "Decode Code",
                        "Decode Code", "Tone Period",  "Tone Period"};
    const char* h2[] = {"Sys\r\nNo.", "Call\r\nCode", "1", "2", "1st", "2nd"};
    for (int c = 0; c < 6; ++c) {
        g->SetTextMatrix(0, c, h0[c]);
        g->SetTextMatrix(1, c, h1[c]);
        g->SetTextMatrix(2, c, h2[c]);
    }
    g->SetMergeCells(5);
    g->SetMergeRow(0, true);
    g->SetMergeRow(1, true);
    for (int c = 0; c < 6; ++c) g->SetMergeCol(c, true);
    return g;
}

}  // namespace

TEST(FlexGridWin, TextWidthsAndShapeRoundTrip) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    EXPECT_EQ(g->GetRows(), 8);
    EXPECT_EQ(g->GetCols(), 6);
    EXPECT_EQ(g->GetFixedRows(), 3);
    EXPECT_EQ(g->GetNumberFrozenRows(), 3);  // the header rows stay in view
    g->SetTextMatrix(3, 1, "Enc Code-1");
    EXPECT_EQ(g->GetTextMatrix(3, 1), "Enc Code-1");
    EXPECT_EQ(g->GetTextMatrix(1, 0), "Sys\r\nNo.");  // line ends kept exactly
    EXPECT_EQ(g->GetTextMatrix(99, 0), "");           // outside the grid: nothing
    g->SetTextMatrix(99, 0, "x");                     // ... and no write
    for (int twips : {510, 1245, 615, 1035, 300, 1440}) {
        g->SetColWidthTwips(2, twips);
        EXPECT_EQ(g->GetColWidthTwips(2), twips);
    }
    g->SetRowHeightTwips(4, 300);
    EXPECT_EQ(g->GetRowHeightTwips(4), 300);
    g->SetRows(5);
    EXPECT_EQ(g->GetRows(), 5);
    EXPECT_EQ(g->GetTextMatrix(3, 1), "Enc Code-1");
}

TEST(FlexGridWin, EqualHeaderTextsMergeAcrossAndDown) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    auto merged = g->GetMergedCells();
    auto has = [&](int r, int c, int rows, int cols) {
        for (const auto& m : merged)
            if (m.row == r && m.col == c && m.rows == rows && m.cols == cols) return true;
        return false;
    };
    EXPECT_TRUE(has(0, 1, 1, 5));  // "2-Tone System" over columns 1-5
    EXPECT_TRUE(has(1, 0, 2, 1));  // "Sys No." down rows 1-2
    EXPECT_TRUE(has(1, 1, 2, 1));  // "Call Code" down rows 1-2
    EXPECT_TRUE(has(1, 2, 1, 2));  // "Decode Code" over 2-3
    EXPECT_TRUE(has(1, 4, 1, 2));
    EXPECT_EQ(merged.size(), 5u);
    int rows = 0, cols = 0;
    g->GetCellSize(0, 1, &rows, &cols);
    EXPECT_EQ(cols, 5);

    // A hidden column splits the run it lies in.
    g->SetColHidden(3, true);
    EXPECT_TRUE(g->GetColHidden(3));
    merged = g->GetMergedCells();
    EXPECT_TRUE(has(0, 1, 1, 2));
    EXPECT_TRUE(has(0, 4, 1, 2));
    EXPECT_FALSE(has(1, 2, 1, 2));
    g->SetColHidden(3, false);
    merged = g->GetMergedCells();
    EXPECT_TRUE(has(0, 1, 1, 5));

    // Merging switched off: no merged cell remains.
    g->SetMergeCells(0);
    EXPECT_TRUE(g->GetMergedCells().empty());
    g->GetCellSize(0, 1, &rows, &cols);
    EXPECT_EQ(cols, 1);
}

TEST(FlexGridWin, HiddenColumnKeepsItsWidth) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    g->SetColWidthTwips(4, 1035);
    g->SetColHidden(4, true);
    EXPECT_TRUE(g->GetColHidden(4));
    EXPECT_EQ(g->GetColWidthTwips(4), 1035);
    g->SetColWidthTwips(4, 600);  // while hidden: remembered
    g->SetColHidden(4, false);
    EXPECT_FALSE(g->GetColHidden(4));
    EXPECT_EQ(g->GetColWidthTwips(4), 600);
}

TEST(FlexGridWin, EditEventsInOrderWithCancelAndFilter) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    std::vector<std::string> log;
    bool refuse = false;
    g->Bind(FLEXGRID_SEL_CHANGE, [&](FlexGridEvent& e) {
        log.push_back("sel " + std::to_string(e.row) + "," + std::to_string(e.col));
    });
    g->Bind(FLEXGRID_BEFORE_EDIT, [&](FlexGridEvent& e) {
        log.push_back("before");
        g->SetComboList("");
        (void)e;
    });
    g->Bind(FLEXGRID_START_EDIT, [&](FlexGridEvent& e) {
        log.push_back("start " + std::to_string(e.row) + "," + std::to_string(e.col));
        e.cancel = refuse;
        g->SetEditMaxLength(5);
    });
    g->Bind(FLEXGRID_KEY_PRESS_EDIT, [&](FlexGridEvent& e) {
        log.push_back("key");
        if (e.key == 'x') e.key = 0;
    });
    g->Bind(FLEXGRID_AFTER_EDIT, [&](FlexGridEvent& e) {
        log.push_back("after " + g->GetTextMatrix(e.row, e.col) +
                      " p200=" + std::to_string(g->GetProperty200()));
    });
    g->SetTextMatrix(4, 4, "1.0");
    g->SetRow(4);
    g->SetCol(4);
    ProcessQueued();

    // A refused edit opens no editor.
    refuse = true;
    g->EditCell();
    EXPECT_FALSE(g->IsCellEditControlShown());
    refuse = false;

    g->EditCell();
    ASSERT_TRUE(g->IsCellEditControlShown());
    EXPECT_EQ(g->GetStringProperty91(), "1.0");
    EXPECT_EQ(g->GetEditSelLength(), 3);  // the whole text selected
    g->SetStringProperty91("2.5");
    g->SaveEditControlValue();
    g->HideCellEditControl();
    g->DisableCellEditControl();
    ProcessQueued();
    EXPECT_EQ(g->GetTextMatrix(4, 4), "2.5");
    EXPECT_EQ(g->GetProperty200(), 0);

    std::vector<std::string> expected = {"sel 4,4", "before",    "start 4,4",
                                         "before",  "start 4,4", "after 2.5 p200=1"};
    EXPECT_EQ(log, expected);
}

TEST(FlexGridWin, HeaderCellsNeverTakeTheCursor) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    g->SetRow(5);
    g->SetCol(2);
    g->SetGridCursor(1, 2);  // what a click or arrow key would ask
    EXPECT_EQ(g->GetRow(), 5);
    g->SetRow(1);
    EXPECT_EQ(g->GetRow(), 5);
}

TEST(FlexGridWin, SelectedRowsAndRowFlag) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    g->SetRow(3);
    g->SetCol(1);
    EXPECT_EQ(g->GetProperty167(), 1);
    EXPECT_EQ(g->GetIndexedProperty168(0), 3);
    g->SetRowFlag143(5, true);
    g->SetRowFlag143(6, true);
    EXPECT_TRUE(g->GetRowFlag143(5));
    EXPECT_FALSE(g->GetRowFlag143(4));
    EXPECT_EQ(g->GetProperty167(), 2);
    EXPECT_EQ(g->GetIndexedProperty168(1), 6);
    EXPECT_EQ(g->GetIndexedProperty168(2), -1);
}

TEST(FlexGridWin, CellRangeColoursAndPictures) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    g->SetCellRangeBackColor(3, 0, 4, 5, 0xFFFFE0);
    EXPECT_EQ(g->GetCellBackColor(4, 5), 0xFFFFE0u);
    EXPECT_EQ(CVSFlexGrid::FromColorRef(0xFFFFE0), wxColour(0xE0, 0xFF, 0xFF));
    g->SetCellRangeProperty(FlexCellSetting::ForeColor, 3, 0, 3, 5, 0x808080);
    EXPECT_EQ(g->GetCellForeColor(3, 2), 0x808080u);
    wxBitmap tick(16, 16);
    g->SetCellRangePicture(5, 2, 5, 3, &tick);
    EXPECT_NE(g->GetCellPicture(5, 3), nullptr);
    g->SetCellRangePicture(5, 3, 5, 3, nullptr);
    EXPECT_EQ(g->GetCellPicture(5, 3), nullptr);
    // A range beyond the grid is cut to it.
    g->SetCellRangeBackColor(6, 4, 100, 100, 0x0000FF);
    EXPECT_EQ(g->GetCellBackColor(7, 5), 0x0000FFu);
    g->SetCellRangeProperty(FlexCellSetting::Checked, 6, 1, 6, 2, 1);
    EXPECT_EQ(g->GetCellChecked(6, 2), 1);
    g->SetCellRangeChecked(6, 2, 6, 2, 0);
    EXPECT_EQ(g->GetCellChecked(6, 2), 0);
    g->Update();  // paints the pictures, check boxes and merged headers once
}

TEST(FlexGridWin, ClicksReportTheMouseCellAndMayBeRefused) {
    TestFrame f;
    CVSFlexGrid* g = MakeToneGrid(f.frame);
    std::vector<std::string> log;
    bool refuse = false;
    g->Bind(FLEXGRID_BEFORE_MOUSE_DOWN, [&](FlexGridEvent& e) {
        log.push_back("down " + std::to_string(g->GetMouseRow()) + "," + std::to_string(g->GetMouseCol()));
        e.cancel = refuse;
    });
    g->Bind(FLEXGRID_CLICK, [&](FlexGridEvent& e) {
        log.push_back("click " + std::to_string(e.row) + "," + std::to_string(e.col) + " cursor " +
                      std::to_string(g->GetRow()));
    });
    g->SetRow(3);
    g->SetCol(0);
    ProcessQueued();
    auto click = [&](int row, int col) {
        wxGridEvent e(g->GetId(), wxEVT_GRID_CELL_LEFT_CLICK, g, row, col, 5, 5);
        g->ProcessWindowEvent(e);
        ProcessQueued();
    };
    refuse = true;
    click(5, 2);
    EXPECT_EQ(g->GetRow(), 3);  // refused: the grid did not act on it
    refuse = false;
    click(1, 2);  // a header cell: reported, no cursor
    EXPECT_EQ(g->GetRow(), 3);
    std::vector<std::string> expected = {"down 5,2", "down 1,2", "click 1,2 cursor 3"};
    EXPECT_EQ(log, expected);
}

TEST(FlexGridWin, RowDragRaisesStartDropAndComplete) {
    TestFrame f;
    CVSFlexGrid* source = MakeToneGrid(f.frame);
    auto* target = new CVSFlexGrid(f.frame, 1014, wxPoint(0, 300), wxSize(300, 200));
    target->SetCols(2);
    target->SetRows(5);
    target->SetFixedRows(1);
    std::vector<std::string> log;
    std::vector<int> dragged;
    int allowed = 2;
    source->Bind(FLEXGRID_START_DRAG, [&](FlexGridEvent& e) {
        for (int i = 0; i < source->GetProperty167(); ++i)
            dragged.push_back(source->GetIndexedProperty168(i));
        log.push_back("start");
        e.effect = allowed;
    });
    target->Bind(FLEXGRID_DRAG_DROP, [&](FlexGridEvent& e) {
        log.push_back("drop " + std::to_string(e.row));
        e.effect = 1;
    });
    source->Bind(FLEXGRID_COMPLETE_DRAG,
                 [&](FlexGridEvent& e) { log.push_back("complete " + std::to_string(e.effect)); });
    CVSFlexGrid::SetDragDriver([&](CVSFlexGrid&) {
        const int effect = target->RaiseDrop(3, target->CellToRect(2, 0).y + 2, 2);
        return effect == 1 ? wxDragCopy : wxDragNone;
    });
    source->SetRowFlag143(4, true);
    source->SetRowFlag143(5, true);
    source->InvokeMethod150();
    CVSFlexGrid::SetDragDriver({});
    EXPECT_EQ(dragged, (std::vector<int>{4, 5}));
    EXPECT_EQ(log, (std::vector<std::string>{"start", "drop 2", "complete 1"}));
    EXPECT_EQ(target->GetMouseRow(), 2);

    // A handler that allows no effect stops the drag before it starts.
    log.clear();
    allowed = 0;
    source->InvokeMethod150();
    EXPECT_EQ(log, (std::vector<std::string>{"start"}));
}
