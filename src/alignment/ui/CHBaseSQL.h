#pragma once
// The squelch menu (template 233): the eight squelch levels, wide and
// narrow, with their stored and factory values; "Start" tunes one level
// (signal generator settings, measurement, result). OK writes the
// alignment items into the radio.
#include <wx/dialog.h>

#include <functional>
#include <memory>

#include "image/CloneImage.h"

class wxButton;
class wxStaticText;
class OperationView;
class PXComCommandRetry;

class CCHBaseSQL : public wxDialog {
  public:
    enum { IDD = 233, IDC_START = 2401, IDC_DATA = 2801, IDC_DEFAULT = 2809, IDC_HELP = 2450 };
    using ViewFactory = std::function<std::unique_ptr<OperationView>(wxWindow* parent)>;

    CCHBaseSQL(wxWindow* parent, CloneImage& working, PXComCommandRetry* radio, ViewFactory makeView);

    void OnStart(int id);
    wxStaticText* Data(int item) const { return data_[item]; }

  private:
    void RefreshRows();
    void OnOk();

    CloneImage& working_;
    CloneImage edited_;
    PXComCommandRetry* radio_;
    ViewFactory makeView_;
    wxStaticText* data_[8] = {};
    wxStaticText* default_[8] = {};
    wxButton* ok_ = nullptr;
};
