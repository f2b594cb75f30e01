// The channel grid's sizes as the user changes them from the View menu with
// the keyboard: the font rates grow its rows and columns with the font, and
// Auto Grid Width leaves every text inside its column.
#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/tokenzr.h>

#include <filesystem>
#include <map>

#include "Fixtures.h"
#include "MainFrameFixture.h"
#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/MainFrm.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "channel/ChannelGrid.h"
#include "channel/ChannelGridCells.h"
#include "image/Model.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"
#include "ui/RealInput.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

namespace fs = std::filesystem;
namespace Col = ChannelGridCells::Col;

namespace {

class GridSizeTest : public MainFrameFixture {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(OpenFrame());
        ShowFrame(wxSize(1400, 900));
        ASSERT_NE(Grid(), nullptr);
        ASSERT_TRUE(RealInput::Focus(Grid()));
    }
    CVSFlexGrid* Grid() const {
        auto* pane = dynamic_cast<ChannelList*>(frame->MainView()->ActivePane());
        return pane ? pane->Grid() : nullptr;
    }
    // The View menu opened with Alt+V, then the keys given.
    static void ViewMenu(std::initializer_list<int> keys) {
        RealInput::Key('V', wxMOD_ALT);
        RealInput::Settle(300);
        for (int key : keys) {
            RealInput::Key(key);
            RealInput::Settle(150);
        }
        RealInput::Settle(300);
    }
};

// Every cell text, line by line, measured in the cell's font, against the
// width of the cell (of the merged header cell it belongs to).
std::vector<std::string> TextsWiderThanTheirCells(CVSFlexGrid& grid) {
    std::vector<std::string> wide;
    wxClientDC dc(&grid);
    std::map<std::pair<int, int>, int> spanWidth;
    for (const auto& m : grid.GetMergedCells()) {
        int width = 0;
        for (int c = m.col; c < m.col + m.cols; ++c)
            if (grid.IsColShown(c)) width += grid.GetColSize(c);
        for (int r = m.row; r < m.row + m.rows; ++r)
            for (int c = m.col; c < m.col + m.cols; ++c) spanWidth[{r, c}] = width;
    }
    for (int r = 0; r < grid.GetNumberRows(); ++r)
        for (int c = 0; c < grid.GetNumberCols(); ++c) {
            if (!grid.IsColShown(c)) continue;
            const auto span = spanWidth.find({r, c});
            const int width = span != spanWidth.end() ? span->second : grid.GetColSize(c);
            dc.SetFont(grid.GetCellFont(r, c));
            wxStringTokenizer lines(grid.GetCellValue(r, c), "\n");
            while (lines.HasMoreTokens()) {
                const wxString line = lines.GetNextToken();
                if (dc.GetTextExtent(line).x > width)
                    wide.push_back(wxString::Format("row %d col %d \"%s\" %d > %d", r, c, line,
                                                    dc.GetTextExtent(line).x, width)
                                       .utf8_string());
            }
        }
    return wide;
}

}  // namespace

TEST_F(GridSizeTest, FontRatesGrowRowsAndColumnsWithTheFont) {
    const int width100 = Grid()->GetColSize(Col::RxFrequency);
    const int height100 = Grid()->GetRowSize(ChannelGridCells::FixedRows);
    const int header100 = Grid()->GetRowSize(0);
    // View > Font Size > 150%.
    ViewMenu({'F', WXK_DOWN, WXK_DOWN, WXK_DOWN, WXK_RETURN});
    ASSERT_EQ(GetProfileString("FontSize", "SizeRate", ""), "1.50");
    CVSFlexGrid& grid = *Grid();
    EXPECT_NEAR(grid.GetColSize(Col::RxFrequency), width100 * 1.5, 2);
    EXPECT_GE(grid.GetRowSize(ChannelGridCells::FixedRows), height100 * 1.3);
    EXPECT_GE(grid.GetRowSize(0), header100 * 1.3);
    // The widths kept in the settings are those of the design size.
    EXPECT_NEAR(grid.GetColWidthTwips(Col::RxFrequency) / 15, width100, 1);
    // Back at 100 % the grid is as it was.
    ViewMenu({'F', WXK_DOWN, WXK_RETURN});
    ASSERT_EQ(GetProfileString("FontSize", "SizeRate", ""), "1.00");
    EXPECT_NEAR(Grid()->GetColSize(Col::RxFrequency), width100, 1);
    EXPECT_EQ(Grid()->GetRowSize(ChannelGridCells::FixedRows), height100);
}

TEST_F(GridSizeTest, AutoGridWidthFitsEveryColumnAtEveryRate) {
    for (const char* rate : {"1.00", "1.50"}) {
        SCOPED_TRACE(rate);
        if (std::string(rate) == "1.50") ViewMenu({'F', WXK_DOWN, WXK_DOWN, WXK_DOWN, WXK_RETURN});
        ASSERT_EQ(GetProfileString("FontSize", "SizeRate", "1.00"), rate);
        // Columns squeezed as by dragging their borders.
        for (int c : {Col::Tag, Col::RxFrequency, Col::TxPower, Col::Squelch})
            Grid()->SetColSize(c, Grid()->GetColMinimalAcceptableWidth());
        ASSERT_FALSE(TextsWiderThanTheirCells(*Grid()).empty());
        ViewMenu({'A'});
        const auto wide = TextsWiderThanTheirCells(*Grid());
        EXPECT_TRUE(wide.empty()) << wide.size() << " texts, first: " << wide.front();
    }
}
