#pragma once
// The sixteen-point alignment dialog (template 636) with the maximum
// deviation member: one row per alignment point (number, frequency, scroll
// bar, value, spin, PTT toggle, factory value), the RX/TX indicator and the
// adjustment types. The rows and the radio live in AlignmentFrame; this
// window only shows them and passes the user's input on.
#include <wx/dialog.h>

#include <array>
#include <functional>
#include <memory>

#include "alignment/AlignmentFrame.h"

class wxButton;
class wxRadioButton;
class wxScrollBar;
class wxSpinButton;
class wxStaticText;
class wxTextCtrl;
class OperationView;
class PXComCommandRetry;

class CCHBaseMaxDev : public wxDialog {
  public:
    enum {
        IDD = 636,
        IDC_LABEL = 1420,
        IDC_FREQUENCY = 2001,
        IDC_SCROLL = 1311,
        IDC_EDIT = 2301,
        IDC_SPIN = 2701,
        IDC_PTT = 2401,
        IDC_DEFAULT = 2806,
        IDC_SCALE = 1450,
        IDC_INDICATOR = 1134,
        IDC_BASIC = 1070,
        IDC_ALL_FREQ = 1071,
        IDC_SINGLE = 1072,
        IDC_TARGET_CAPTION = 3202,
        IDC_TARGET = 2801,
        IDC_UNIT = 3101,
        IDC_HELP = 2450,
    };
    using ViewFactory = std::function<std::unique_ptr<OperationView>(wxWindow* parent)>;

    CCHBaseMaxDev(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio,
                  ViewFactory makeView);

    AlignmentFrame& Frame() { return frame_; }
    wxScrollBar* ScrollBar(int row) const { return rows_[static_cast<std::size_t>(row)].scroll; }
    wxTextCtrl* Edit(int row) const { return rows_[static_cast<std::size_t>(row)].edit; }
    wxButton* Ptt(int row) const { return rows_[static_cast<std::size_t>(row)].ptt; }
    wxStaticText* Indicator() const { return indicator_; }

  private:
    struct Row {
        wxStaticText* label;
        wxStaticText* frequency;
        wxScrollBar* scroll;
        wxTextCtrl* edit;
        wxSpinButton* spin;
        wxButton* ptt;
        wxStaticText* defaultValue;
    };
    int RowOf(const wxWindow* window) const;
    void Refresh();
    void Report(bool ok);
    void CommitEdit(int row);
    void OnPtt(int row);
    void OnScroll(int row, wxScrollEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnOk();
    void OnCancel();

    CloneImage& working_;
    CloneImage edited_;
    AlignmentFrame frame_;
    PXComCommandRetry* radio_;
    ViewFactory makeView_;
    std::array<Row, AlignmentFrame::Rows> rows_{};
    wxStaticText* indicator_ = nullptr;
    wxRadioButton* types_[3] = {};
    wxButton* ok_ = nullptr;
    bool opening_ = true;
};
