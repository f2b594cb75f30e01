#pragma once
// The dialogs around the signal generator: template 238 tells the user how
// to set the generator and then measures (automatic tuning, squelch
// tuning); template 231 shows the result beside the current value and asks
// whether to take it.
#include <wx/dialog.h>

#include <string>

#include "alignment/Tuning.h"
#include "image/CloneImage.h"

class wxButton;
class PXComCommandRetry;

// A signal level (dBuV EMF, sign applied) in the level unit chosen in the
// alignment main dialog, with the unit's name.
std::string SgLevelText(int dbuv);

// Template 238: "Setting Your SG as followings!", the point, its receive
// frequency and the generator's deviation, modulation and RF level. OK
// (only with the focus on OK) runs Measure() with OK and Cancel disabled.
class SgSettingDlg : public wxDialog {
  public:
    enum { IDD = 238, IDC_POINT = 1149, IDC_FREQUENCY = 1150, IDC_HELP = 2450 };

  protected:
    SgSettingDlg(wxWindow* parent, const std::string& title, int dialogNumber, const CloneImage& image, int point,
                 const SgSettingRow* rows, bool showPoint);
    // The measurement; ends the dialog itself when it has a result.
    virtual void Measure() = 0;
    void Warn(int rid, const char* text);

  private:
    void OnOk();
    wxButton* ok_ = nullptr;
    wxButton* cancel_ = nullptr;
};

// Template 231: "<done>", "Do you change the Alignment Data to Result?",
// Current -> New. OK (only with the focus on OK) takes the new value.
class ResultDlg : public wxDialog {
  public:
    enum { IDD = 231, IDC_CURRENT = 2801, IDC_NEW = 2802, IDC_HELP = 2450 };
    ResultDlg(wxWindow* parent, const std::string& title, const char* done, int dialogNumber, int current,
              int result);
};

// Automatic tuning of one receiver point (search dialog).
class CCHBaseRXTune2 : public SgSettingDlg {
  public:
    CCHBaseRXTune2(wxWindow* parent, const CloneImage& image, int point, Tuning::Request& request,
                   PXComCommandRetry* radio);

  protected:
    void Measure() override;

  private:
    Tuning::Request& request_;
    PXComCommandRetry* radio_;
};

// The question whether to take the tuning result.
class CCHBaseRXTune3 : public ResultDlg {
  public:
    CCHBaseRXTune3(wxWindow* parent, const Tuning::Request& request);
};

// Squelch tuning of item i: the generator settings, then twenty readings.
class CCHBaseSQL2 : public SgSettingDlg {
  public:
    CCHBaseSQL2(wxWindow* parent, CloneImage& image, int item, PXComCommandRetry* radio);

  protected:
    void Measure() override;

  private:
    CloneImage& image_;
    int item_;
    PXComCommandRetry* radio_;
};

// The measured squelch level against the stored one; OK stores it.
class CCHBaseSQL3 : public ResultDlg {
  public:
    CCHBaseSQL3(wxWindow* parent, const CloneImage& image, int item, const Squelch::Levels& levels);
    int NewValue() const { return value_; }

  private:
    int value_;
};
