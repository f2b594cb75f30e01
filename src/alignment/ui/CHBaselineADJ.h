#pragma once
// The alignment main dialog (205): one button per alignment item, each
// opening its per-channel dialog on a copy of the image; OK writes the tuned
// alignment with the user's channels back into the radio, Cancel restores
// the radio as it was read.
#include <wx/dialog.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "image/CloneImage.h"

class wxButton;
class wxChoice;
class OperationView;
class PXComCommandRetry;

class CCHBaselineADJ : public wxDialog {
  public:
    enum { IDD = 205, IDC_CAPTION = 3201, IDC_UNIT_CAPTION = 3207, IDC_UNIT = 2101, IDC_HELP = 2450 };
    using ViewFactory = std::function<std::unique_ptr<OperationView>(wxWindow* parent)>;

    CCHBaselineADJ(wxWindow* parent, const CloneImage& image, std::string backupName,
                   PXComCommandRetry* radio, ViewFactory makeView);

    const CloneImage& Image() const { return image_; }
    const std::string& BackupName() const { return backupName_; }
    wxButton* Button(int id) const;
    wxChoice* UnitBox() const { return unit_; }

  private:
    void OnItemButton(int id);
    void OnEnd(bool accept);
    bool RunOperation(int operation, CloneImage& working);

    CloneImage image_;
    std::string backupName_;
    PXComCommandRetry* radio_;
    ViewFactory makeView_;
    wxChoice* unit_ = nullptr;
    std::map<int, wxButton*> buttons_;
};
