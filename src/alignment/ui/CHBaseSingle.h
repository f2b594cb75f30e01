#pragma once
// The single-point alignment dialogs (template 235): DTMF deviation,
// reference frequency and sequential-tone deviation at alignment point 7.
// The value and the radio live in SinglePoint; this window shows the row
// (frequency, scroll bar, value, spin, PTT, factory value) and passes the
// user's input on.
#include <wx/dialog.h>

#include <functional>
#include <memory>

#include "alignment/SinglePoint.h"

class wxButton;
class wxScrollBar;
class UpDownCtrl;
class wxStaticText;
class wxTextCtrl;
class OperationView;

class CCHBaseSingle : public wxDialog {
  public:
    enum {
        IDD = 235,
        IDC_LABEL = 1420,
        IDC_FREQUENCY = 2001,
        IDC_SCROLL = 1311,
        IDC_EDIT = 2301,
        IDC_SPIN = 2701,
        IDC_PTT = 2401,
        IDC_DEFAULT = 2806,
        IDC_SCALE = 1450,
        IDC_INDICATOR = 1134,
        IDC_HELP = 2450,
    };
    using ViewFactory = std::function<std::unique_ptr<OperationView>(wxWindow* parent)>;

    CCHBaseSingle(wxWindow* parent, CloneImage& working, SinglePoint::Kind kind, PXComCommandRetry* radio,
                  ViewFactory makeView);

    SinglePoint& Model() { return model_; }
    wxScrollBar* ScrollBar() const { return scroll_; }
    wxTextCtrl* Edit() const { return edit_; }
    wxButton* Ptt() const { return ptt_; }

  private:
    void Refresh();
    void Report(bool ok);
    void Apply(int value);
    void CommitEdit();
    void OnPtt();
    void OnScroll(wxScrollEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnOk();
    void OnCancel();

    CloneImage& working_;
    CloneImage edited_;
    SinglePoint model_;
    PXComCommandRetry* radio_;
    ViewFactory makeView_;
    wxScrollBar* scroll_ = nullptr;
    wxTextCtrl* edit_ = nullptr;
    UpDownCtrl* spin_ = nullptr;
    wxButton* ptt_ = nullptr;
    wxStaticText* indicator_ = nullptr;
    wxButton* ok_ = nullptr;
};

class CCHBaseDTMF : public CCHBaseSingle {
  public:
    CCHBaseDTMF(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio, ViewFactory makeView)
        : CCHBaseSingle(parent, working, SinglePoint::Kind::Dtmf, radio, std::move(makeView)) {}
};
class CCHBaseFrequency : public CCHBaseSingle {
  public:
    CCHBaseFrequency(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio, ViewFactory makeView)
        : CCHBaseSingle(parent, working, SinglePoint::Kind::Frequency, radio, std::move(makeView)) {}
};
class CCHBaseSeqTone : public CCHBaseSingle {
  public:
    CCHBaseSeqTone(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio, ViewFactory makeView)
        : CCHBaseSingle(parent, working, SinglePoint::Kind::SeqTone, radio, std::move(makeView)) {}
};
