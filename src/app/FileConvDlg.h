#pragma once
// File Convert: step 1 chooses the target model (band, product type,
// capacity, display, key type) and writes it into the working copy; step 2
// chooses the groups of settings to keep; everything else comes from the
// default data file of the target variant.
#include <wx/dialog.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/FileConvert.h"
#include "image/CloneImage.h"

class wxCheckBox;
class wxChoice;

// Reads a shipped default data file (by its file name) into `image`; false
// when it cannot be read.
using DefaultDataLoader = std::function<bool(const std::string& fileName, CloneImage& image)>;

class CFileConvModelDlg : public wxDialog {
  public:
    enum {
        IDD = 616,
        IDC_CURRENT_FIRST = 2801,  // 2801-2805 the current values
        IDC_BAND = 2101,
        IDC_PRODUCT = 2102,
        IDC_CAPACITY = 2103,
        IDC_DISPLAY = 2104,
        IDC_KEY = 2105,
        IDC_HELP = 2450,
    };
    CFileConvModelDlg(wxWindow* parent, CloneImage& working, DefaultDataLoader loader);

    // The File Convert command: runs both steps on `working`; true on OK.
    static bool Run(wxWindow* parent, CloneImage& working, DefaultDataLoader loader);

    // The choice of the combos; -1 for a combo without a selection.
    FileConvert::ModelChoice Chosen() const;
    // The texts shown for the image's current and the chosen band and product type.
    std::string CurrentText(int comboId) const;
    std::string ChosenText(int comboId) const;
    wxChoice* Combo(int id) const;

  private:
    void Fill(int comboId, const std::vector<std::pair<int, std::string>>& rows, int select);
    void FillDependentLists(int product, int display, int keyType);
    void OnNext();

    CloneImage& working_;
    const CloneImage before_;
    DefaultDataLoader loader_;
    FileConvert::ModelChoice current_;
    std::map<int, std::vector<int>> values_;  // per combo: the value of each row
    int displayFallbackRow_ = -1;
};

class CFileConvDataDlg : public wxDialog {
  public:
    enum {
        IDD = 617,
        IDC_NOTE = 2001,
        IDC_COMMON = 2201,
        IDC_SIGNALING = 2202,
        IDC_CHANNELS = 2203,
        IDC_RETURN = 2401,
        IDC_HELP = 2450,
        ID_RETURN = 1001,
    };
    CFileConvDataDlg(wxWindow* parent, CloneImage& working, const CFileConvModelDlg& model,
                     DefaultDataLoader loader);

    int ChangeLevel() const { return changeLevel_; }
    wxCheckBox* Box(int id) const;

  private:
    void UpdateOk();
    void OnOk();

    CloneImage& working_;
    DefaultDataLoader loader_;
    int changeLevel_;
};
