#pragma once
// The pictures of the ship mode's result box, one per result kind, drawn
// large so that the line sees from a distance which way a radio went: a
// check mark on green (the download is completed), a clock on orange (the
// radio did not answer in time), a struck-out radio on red (the radio is
// of another product type).
#include <wx/bitmap.h>
#include <wx/colour.h>

namespace ShipResultPicture {

inline constexpr int Size = 64;

// The picture of result kind `kind` (183, 182, 181) on `background`; an
// invalid bitmap for any other kind.
wxBitmap For(int kind, const wxColour& background);

}  // namespace ShipResultPicture
