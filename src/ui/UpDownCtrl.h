#pragma once
// An up-down control: a vertical pair of arrow buttons that steps a position
// within a range, for the spin controls of the panes and dialogs. A click on
// the upper arrow (or the Up key) adds one, on the lower arrow (or Down)
// takes one away; holding the button repeats. Each step raises
// wxEVT_SPIN_UP or wxEVT_SPIN_DOWN, which a handler may veto, then
// wxEVT_SPIN with the new position, as wxSpinButton does.
//
// The control draws itself: the toolkit's spin button loads the desktop's
// whole icon theme for its two glyphs, a cost the main window paid at start
// for its group selector.
#include <wx/control.h>
#include <wx/spinbutt.h>
#include <wx/timer.h>

class UpDownCtrl : public wxControl {
  public:
    // `style`: wxSP_WRAP steps from one end of the range to the other.
    UpDownCtrl(wxWindow* parent, wxWindowID id, long style = 0, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize);

    // A range given the wrong way round is put right.
    void SetRange(int minimum, int maximum);
    // Clamped to the range; raises no event.
    void SetValue(int value);
    int GetValue() const { return value_; }
    int GetMin() const { return min_; }
    int GetMax() const { return max_; }

  protected:
    wxSize DoGetBestSize() const override;

  private:
    // The arrow a point of the client area falls on: +1 upper, -1 lower.
    int ArrowAt(const wxPoint& point) const;
    void Step(int direction);
    void Release();
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnRepeat(wxTimerEvent& event);

    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    bool wrap_;
    int pressed_ = 0;  // the arrow held down: +1, -1 or 0
    wxTimer repeat_;
};
