#include "app/ShipResultPicture.h"

#include <wx/dcgraph.h>
#include <wx/dcmemory.h>

#include <iterator>

namespace ShipResultPicture {

namespace {

enum class Glyph { Check, Clock, StruckRadio };

struct Picture {
    int kind;
    unsigned char red, green, blue;  // the disc
    Glyph glyph;
};

constexpr Picture kPictures[] = {
    {183, 0, 150, 60, Glyph::Check},
    {182, 230, 120, 0, Glyph::Clock},
    {181, 200, 0, 0, Glyph::StruckRadio},
};

// The glyphs in white on a disc of 64 pixels.
void DrawGlyph(wxDC& dc, Glyph glyph) {
    const wxColour white(255, 255, 255);
    dc.SetPen(wxPen(white, 7, wxPENSTYLE_SOLID));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    switch (glyph) {
        case Glyph::Check: {
            const wxPoint check[] = {{17, 33}, {28, 44}, {47, 21}};
            dc.DrawLines(static_cast<int>(std::size(check)), check);
            break;
        }
        case Glyph::Clock:
            dc.SetPen(wxPen(white, 5, wxPENSTYLE_SOLID));
            dc.DrawCircle(32, 32, 20);
            dc.DrawLine(32, 32, 32, 18);
            dc.DrawLine(32, 32, 42, 38);
            break;
        case Glyph::StruckRadio:
            // Body, antenna and speaker slot of a handheld radio, then the stroke.
            dc.SetPen(wxPen(white, 4, wxPENSTYLE_SOLID));
            dc.DrawRoundedRectangle(24, 22, 16, 28, 3);
            dc.DrawLine(28, 22, 28, 11);
            dc.DrawLine(28, 30, 36, 30);
            dc.SetPen(wxPen(white, 6, wxPENSTYLE_SOLID));
            dc.DrawLine(15, 49, 49, 15);
            break;
    }
}

}  // namespace

wxBitmap For(int kind, const wxColour& background) {
    for (const Picture& p : kPictures) {
        if (p.kind != kind) continue;
        wxBitmap bitmap(Size, Size, 24);
        wxMemoryDC memory(bitmap);
        memory.SetBackground(wxBrush(background));
        memory.Clear();
        {
            wxGCDC dc(memory);
            dc.SetPen(*wxTRANSPARENT_PEN);
            dc.SetBrush(wxBrush(wxColour(p.red, p.green, p.blue)));
            dc.DrawEllipse(1, 1, Size - 2, Size - 2);
            DrawGlyph(dc, p.glyph);
        }
        memory.SelectObject(wxNullBitmap);
        return bitmap;
    }
    return wxBitmap();
}

}  // namespace ShipResultPicture
