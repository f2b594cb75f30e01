#include "ui/UpDownCtrl.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include <algorithm>
#include <utility>

namespace {
// A held arrow starts repeating after the first delay, then steps at the
// second, as the platform's spin buttons do.
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 80;
}  // namespace

UpDownCtrl::UpDownCtrl(wxWindow* parent, wxWindowID id, long style, const wxPoint& pos, const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE),
      wrap_((style & wxSP_WRAP) != 0),
      repeat_(this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetInitialSize(size);
    Bind(wxEVT_PAINT, &UpDownCtrl::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &UpDownCtrl::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, &UpDownCtrl::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) { Release(); });
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { Release(); });
    Bind(wxEVT_KEY_DOWN, &UpDownCtrl::OnKeyDown, this);
    Bind(wxEVT_TIMER, &UpDownCtrl::OnRepeat, this);
    Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        Refresh();
    });
    Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        Refresh();
    });
}

void UpDownCtrl::SetRange(int minimum, int maximum) {
    if (minimum > maximum) std::swap(minimum, maximum);
    min_ = minimum;
    max_ = maximum;
    value_ = std::clamp(value_, min_, max_);
}

void UpDownCtrl::SetValue(int value) {
    value_ = std::clamp(value, min_, max_);
}

int UpDownCtrl::ArrowAt(const wxPoint& point) const {
    return point.y < GetClientSize().y / 2 ? +1 : -1;
}

wxSize UpDownCtrl::DoGetBestSize() const {
    return FromDIP(wxSize(18, 30));
}

void UpDownCtrl::Step(int direction) {
    int next = value_ + direction;
    if (next > max_) next = wrap_ ? min_ : max_;
    if (next < min_) next = wrap_ ? max_ : min_;
    if (next == value_) return;
    wxSpinEvent event(direction > 0 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
    event.SetEventObject(this);
    event.SetPosition(next);
    if (HandleWindowEvent(event) && !event.IsAllowed()) return;
    value_ = next;
    event.SetEventType(wxEVT_SPIN);
    event.SetPosition(value_);
    HandleWindowEvent(event);
}

void UpDownCtrl::Release() {
    repeat_.Stop();
    if (HasCapture()) ReleaseMouse();
    if (pressed_ != 0) {
        pressed_ = 0;
        Refresh();
    }
}

void UpDownCtrl::OnLeftDown(wxMouseEvent& event) {
    if (!IsEnabled()) return;
    pressed_ = ArrowAt(event.GetPosition());
    if (!HasCapture()) CaptureMouse();
    Refresh();
    Step(pressed_);
    repeat_.StartOnce(kRepeatDelayMs);
}

void UpDownCtrl::OnRepeat(wxTimerEvent&) {
    if (pressed_ == 0) return;
    // Only while the pointer stays on the arrow that was pressed.
    const wxPoint at = ScreenToClient(wxGetMousePosition());
    if (GetClientRect().Contains(at) && ArrowAt(at) == pressed_) Step(pressed_);
    repeat_.StartOnce(kRepeatIntervalMs);
}

void UpDownCtrl::OnKeyDown(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
    case WXK_UP:
    case WXK_NUMPAD_UP:
        Step(+1);
        break;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        Step(-1);
        break;
    default:
        event.Skip();
    }
}

void UpDownCtrl::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    const wxSize client = GetClientSize();
    const int half = client.y / 2;
    const wxRect arrows[2] = {wxRect(0, 0, client.x, half), wxRect(0, half, client.x, client.y - half)};
    const wxColour glyph = wxSystemSettings::GetColour(IsEnabled() ? wxSYS_COLOUR_BTNTEXT : wxSYS_COLOUR_GRAYTEXT);
    dc.SetPen(wxPen(glyph));
    dc.SetBrush(wxBrush(glyph));
    for (int i = 0; i < 2; ++i) {
        const int direction = i == 0 ? +1 : -1;
        int flags = IsEnabled() ? 0 : int(wxCONTROL_DISABLED);
        if (pressed_ == direction) flags |= wxCONTROL_PRESSED;
        wxRendererNative::Get().DrawPushButton(this, dc, arrows[i], flags);
        // A small triangle in the middle of its button.
        const wxPoint c(arrows[i].x + arrows[i].width / 2, arrows[i].y + arrows[i].height / 2);
        const int w = std::max(2, std::min(arrows[i].width, arrows[i].height) / 4);
        const wxPoint up[] = {{c.x - w, c.y + w / 2}, {c.x + w, c.y + w / 2}, {c.x, c.y - w / 2 - 1}};
        const wxPoint down[] = {{c.x - w, c.y - w / 2}, {c.x + w, c.y - w / 2}, {c.x, c.y + w / 2 + 1}};
        dc.DrawPolygon(3, direction > 0 ? up : down);
    }
    if (HasFocus()) wxRendererNative::Get().DrawFocusRect(this, dc, GetClientRect().Deflate(2));
}
