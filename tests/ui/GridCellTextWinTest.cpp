// Cell text is drawn by our own layout with cached extents; it must put every
// pixel where the grid's own layout puts it.
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include "ui/VSFlexGrid.h"

namespace {

wxImage Render(const std::function<void(wxDC&, const wxRect&)>& draw) {
    wxBitmap bitmap(120, 60, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetFont(wxFont(wxFontInfo(9).FaceName("Sans")));
    dc.SetTextForeground(*wxBLACK);
    draw(dc, wxRect(10, 5, 90, 48));
    dc.SelectObject(wxNullBitmap);
    return bitmap.ConvertToImage();
}

bool SamePixels(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + a.GetWidth() * a.GetHeight() * 3, b.GetData());
}

}  // namespace

TEST(GridCellText, DrawsExactlyAsTheGridsOwnLayout) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "grid");
    auto* grid = new CVSFlexGrid(frame, wxID_ANY, wxDefaultPosition, wxSize(200, 100));
    const wxString texts[] = {"", "145.12500", "OFF", "two\nlines", "trailing\n", "\nleading",
                              "a\n\nb", "much too long a text for the cell it is drawn in"};
    const int aligns[] = {wxALIGN_LEFT, wxALIGN_CENTRE, wxALIGN_RIGHT};
    const int valigns[] = {wxALIGN_TOP, wxALIGN_CENTRE, wxALIGN_BOTTOM};
    for (const wxString& text : texts)
        for (int h : aligns)
            for (int v : valigns)
                for (int pass = 0; pass < 2; ++pass) {  // the second pass draws from the cache
                    SCOPED_TRACE(text + wxString::Format(" h=%d v=%d pass=%d", h, v, pass));
                    const wxImage theirs = Render(
                        [&](wxDC& dc, const wxRect& r) { grid->DrawTextRectangle(dc, text, r, h, v); });
                    const wxImage ours =
                        Render([&](wxDC& dc, const wxRect& r) { DrawGridCellText(dc, text, r, h, v); });
                    EXPECT_TRUE(SamePixels(theirs, ours));
                }
    frame->Destroy();
}
