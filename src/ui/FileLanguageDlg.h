#pragma once
// The "Language" dialog: shows the language file in use, lets the user pick
// another XML file in a file chooser or go back to the program's own texts
// ("Default"), warns when the language may not show correctly here, and on
// OK loads the file (which also remembers it for the next start).
#include <wx/dialog.h>
#include <wx/filedlg.h>

#include <filesystem>
#include <functional>
#include <string>

class wxStaticText;

// The file chooser over the language folder. It opens where the user last
// chose a file, at first in the folder of shipped language files.
class CLanguageFileDialog : public wxFileDialog {
  public:
    CLanguageFileDialog(wxWindow* parent, const wxString& filter);
    int ShowModal() override;
    // The folder the next chooser opens in; set at start-up and after each choice.
    static std::filesystem::path& LastLanguagePath();
    // When set, answers in place of the system's chooser with the folder it
    // would open in; "" is a cancel. Window tests cannot drive that chooser.
    static std::function<std::string(const std::filesystem::path& folder)>& Substitute();
};

class CFileLanguageDlg : public wxDialog {
  public:
    enum {
        IDD = 621,
        IDC_OK = 1,
        IDC_CANCEL = 1096,
        IDC_SELECT_FILE = 2401,
        IDC_DEFAULT = 2402,
        IDC_HELP = 2450,
        IDC_FILE_NAME = 2802,
        IDC_CAPTION = 3202,
    };

    explicit CFileLanguageDlg(wxWindow* parent);

    // The file chosen now; empty for the program's own texts.
    const std::filesystem::path& ChosenPath() const { return path_; }

    // Runs the dialog; true when it ended with OK (the language is loaded).
    static bool Run(wxWindow* parent);

  private:
    void OnInitDialog();
    void OnOK(wxCommandEvent& event);
    void OnDefault(wxCommandEvent& event);
    void OnSelectFile(wxCommandEvent& event);
    std::string BrowseLanguageFile(const std::string& filter);
    void ShowChosen(const std::filesystem::path& path);

    wxStaticText* fileName_ = nullptr;
    wxButton* defaultButton_ = nullptr;
    std::filesystem::path path_;
};
