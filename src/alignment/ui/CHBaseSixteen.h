#pragma once
// The sixteen-point alignment dialogs (templates 636 and 241): one row per
// alignment point (number, frequency, scroll bar, value, spin, PTT or Auto
// button, factory value), the RX/TX indicator, the adjustment types and the
// member's target. The rows and the radio live in AlignmentFrame; these
// windows only show them and pass the user's input on. Members: maximum
// deviation, CTCSS and DCS deviation, TX power, receiver sensitivity.
#include <wx/dialog.h>

#include <array>
#include <functional>
#include <memory>

#include "alignment/AlignmentFrame.h"

class wxSizer;

class wxButton;
class wxRadioButton;
class wxScrollBar;
class UpDownCtrl;
class wxStaticText;
class wxTextCtrl;
class OperationView;
class PXComCommandRetry;

class CCHBaseSixteen : public wxDialog {
  public:
    enum {
        IDD = 636,
        IDC_RSSI_CAPTION = 3203,
        IDC_RSSI = 2802,
        IDC_STEP_CAPTION = 3207,
        IDC_STEP = 2317,
        IDC_SG_BOX = 1106,
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

    CCHBaseSixteen(wxWindow* parent, CloneImage& working, const AlignmentFrame::Member& member,
                   PXComCommandRetry* radio, ViewFactory makeView);

    AlignmentFrame& Frame() { return frame_; }
    wxScrollBar* ScrollBar(int row) const { return rows_[static_cast<std::size_t>(row)].scroll; }
    wxTextCtrl* Edit(int row) const { return rows_[static_cast<std::size_t>(row)].edit; }
    wxButton* Ptt(int row) const { return rows_[static_cast<std::size_t>(row)].ptt; }
    wxStaticText* Indicator() const { return indicator_; }
    wxStaticText* Target() const { return target_; }
    wxStaticText* DefaultText(int row) const { return rows_[static_cast<std::size_t>(row)].defaultValue; }
    UpDownCtrl* Spin(int row) const { return rows_[static_cast<std::size_t>(row)].spin; }

  protected:
    // The row button: PTT, or the receiver's automatic tuning.
    virtual void OnRowButton(int row) { OnPtt(row); }
    // After OK stored the values (the receiver keeps its auto step).
    virtual void OnStored() {}
    void Report(bool ok);
    void Refresh();
    CloneImage& Edited() { return edited_; }
    PXComCommandRetry* Radio() const { return radio_; }
    wxTextCtrl* step_ = nullptr;
    wxStaticText* rssi_ = nullptr;

  private:
    struct Row {
        wxStaticText* label;
        wxStaticText* frequency;
        wxScrollBar* scroll;
        wxTextCtrl* edit;
        UpDownCtrl* spin;
        wxButton* ptt;
        wxStaticText* defaultValue;
    };
    int RowOf(const wxWindow* window) const;
    void AddTarget(wxSizer* side);
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
    wxStaticText* target_ = nullptr;
    wxRadioButton* types_[3] = {};
    wxButton* ok_ = nullptr;
    bool opening_ = true;
};

class CCHBaseMaxDev : public CCHBaseSixteen {
  public:
    CCHBaseMaxDev(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio, ViewFactory makeView)
        : CCHBaseSixteen(parent, working, AlignmentFrame::MaxDev(kind), radio, std::move(makeView)) {}
};

class CCHBaseSubAudioCTCSS : public CCHBaseSixteen {
  public:
    CCHBaseSubAudioCTCSS(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio,
                         ViewFactory makeView)
        : CCHBaseSixteen(parent, working, AlignmentFrame::Ctcss(kind), radio, std::move(makeView)) {}
};

class CCHBaseSubAudioDCS : public CCHBaseSixteen {
  public:
    CCHBaseSubAudioDCS(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio,
                       ViewFactory makeView)
        : CCHBaseSixteen(parent, working, AlignmentFrame::Dcs(kind), radio, std::move(makeView)) {}
};

class CCHBaseTxPower : public CCHBaseSixteen {
  public:
    // `kind` 0 High, 1 Low3, 2 Low, 3 Low1.
    CCHBaseTxPower(wxWindow* parent, CloneImage& working, int kind, PXComCommandRetry* radio, ViewFactory makeView);
};

// Receiver sensitivity (template 241): no transmit; each row's "Auto"
// searches the tuning value with the strongest signal.
class CCHBaseRXTune1 : public CCHBaseSixteen {
  public:
    CCHBaseRXTune1(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio, ViewFactory makeView);
    // The auto step from the edit, clamped to 1-10 and kept in the settings.
    int SaveStep();

  protected:
    void OnRowButton(int row) override;
    void OnStored() override { SaveStep(); }
};
