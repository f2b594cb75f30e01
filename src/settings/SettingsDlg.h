#pragma once
// The window of every radio-wide settings dialog: it builds the controls of
// each page of a SettingsDialogModel (sizers, the model's ids and captions),
// shows the model's state, and reports what the user does back to the page.
// A container holds its pages under tabs (control 1130).
//
// Its buttons are OK (1), Cancel (1096) and Help (2450). Escape cancels;
// Enter never confirms: on a combo box it opens the list, elsewhere it does
// nothing. F1 opens the help topic of the focused control, or the page's.
// OK runs the pages' checks and saves into the working copy; Cancel writes
// nothing. Closing keeps the window's "Position" under the dialog's section.
#include <wx/dialog.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "settings/SettingsPage.h"

class wxNotebook;
class wxSizerItem;
class wxPanel;

class SettingsDlg : public wxDialog {
  public:
    enum { IDC_OK = 1, IDC_TAB = 1130, IDC_CANCEL = 1096, IDC_HELP = 2450 };

    SettingsDlg(wxWindow* parent, std::unique_ptr<Settings::SettingsDialogModel> model, CloneImage& image);
    ~SettingsDlg() override;

    // Runs `model` modally on the working copy; true when it ended with OK.
    static bool Edit(wxWindow* parent, CloneImage& working,
                     std::unique_ptr<Settings::SettingsDialogModel> model);
    // Called with every dialog Edit makes, before it is shown (the
    // dialogs' own buttons, tests).
    using Setup = std::function<void(SettingsDlg& dialog)>;
    static void SetSetup(Setup setup);

    // A button of a page other than OK, Cancel and Help.
    using ButtonHandler = std::function<void(SettingsDlg& dialog, Settings::SettingsPage& page)>;
    void SetButtonHandler(int controlId, ButtonHandler handler);

    Settings::SettingsDialogModel& Model() { return *model_; }
    CloneImage& Image() { return image_; }
    // The window of a page's control; null when the page has none.
    wxWindow* Control(int controlId, std::size_t page = 0) const;
    wxNotebook* Tabs() const { return tabs_; }
    wxPanel* PagePanel(std::size_t page) const { return page < panels_.size() ? panels_[page] : nullptr; }

    // Shows the model's state in the controls.
    void ShowForm();
    // What the OK and Cancel buttons do.
    void Confirm();
    void CancelDialog();

  private:
    void BuildPage(std::size_t index, wxWindow* parent);
    wxWindow* MakeWindow(wxWindow* panel, const Settings::FormControl& control);
    std::size_t PageOf(const wxWindow* window) const;
    // The sub-index of the dialog's own help topic.
    int DialogHelpSub() const;
    void OnChoice(wxCommandEvent& event);
    void OnText(wxCommandEvent& event);
    void OnCheck(wxCommandEvent& event);
    void OnButton(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnTabChanged();
    void Finish(int code);
    std::string ListText(const Settings::SettingsPage& page, int controlId, const std::string& text) const;

    std::unique_ptr<Settings::SettingsDialogModel> model_;
    CloneImage& image_;
    wxNotebook* tabs_ = nullptr;
    std::vector<wxPanel*> panels_;
    // The texts each combo box lists now, to refill it only when they change.
    std::vector<std::map<int, std::vector<std::string>>> shown_;
    // The empty cells that show and hide with a control.
    std::vector<std::multimap<int, wxSizerItem*>> spacers_;
    std::map<int, ButtonHandler> buttons_;
    bool showing_ = false;
};
