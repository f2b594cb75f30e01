#pragma once
// The main window: title by application mode and document, the File menu
// (New, Open, Save, Save As, recent files, Exit), Help > About and the status
// bar. It is the document's view: file dialogs, title and recent files.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <wx/frame.h>

#include "app/CloneEditorDoc.h"
#include "app/CommandIds.h"

class CVondelRecentFileList;
class wxMenu;

class CMainFrame : public wxFrame, public DocumentView {
public:
    // Command ids of the main menu, as wx sees them (CommandIds.h).
    enum : int {
        ID_FILE_NEW = WxCommandId(57600),
        ID_FILE_OPEN = WxCommandId(57601),
        ID_FILE_SAVE = WxCommandId(57603),
        ID_FILE_SAVE_AS = WxCommandId(57604),
        ID_FILE_MRU_FILE1 = WxCommandId(57616),
        ID_FILE_MRU_LAST = WxCommandId(57631),
        ID_APP_ABOUT = WxCommandId(57664),
        ID_APP_EXIT = WxCommandId(57665),
    };
    static constexpr int MinWidth = 800;
    static constexpr int MinHeight = 541;

    // `recent` (not owned) may be null when the history is off.
    CMainFrame(CVondelRecentFileList* recent, std::vector<std::filesystem::path> dataFolders,
               std::filesystem::path programFolder, DocumentImageRules rules = {});
    ~CMainFrame() override;

    CCloneEditorDoc& Document() { return *doc_; }

    // A file handed over by a second start: the window comes to the front and
    // the document opens the file unless a modal dialog is open.
    void ReceiveHandOver(const std::string& path);

    // "Firmware Update": starts the firmware tool from the program folder with
    // the configured port; the window is minimised while the tool runs. False
    // while an earlier launch still runs.
    bool LaunchFirmwareTool();

    // Tests replace the file dialogs: the function gets the start folder and
    // gives the chosen path or nothing.
    using PathChooser = std::function<std::optional<std::string>(const std::string& startFolder)>;
    void SetFileChoosers(PathChooser open, PathChooser save);

    // DocumentView
    std::optional<std::string> AskOpenPath(const std::string& startFolder) override;
    std::optional<std::string> AskSavePath(const std::string& startFolder) override;
    void TitleChanged(const std::string& title) override;
    void AddToRecentFiles(const std::string& path) override;

    // Number of modal dialogs open at the moment (any window of the program).
    static int OpenModalDialogs();

private:
    void BuildMenus();
    void RebuildRecentMenu();
    void UpdateTitle();
    void WriteSettingsAtExit();

    void OnNew(wxCommandEvent&);
    void OnOpen(wxCommandEvent&);
    void OnSave(wxCommandEvent&);
    void OnSaveAs(wxCommandEvent&);
    void OnRecent(wxCommandEvent&);
    void OnExit(wxCommandEvent&);
    void OnAbout(wxCommandEvent&);
    void OnClose(wxCloseEvent&);

    std::unique_ptr<CCloneEditorDoc> doc_;
    std::filesystem::path programFolder_;
    CVondelRecentFileList* recent_;
    wxMenu* fileMenu_ = nullptr;
    int recentPosition_ = 0;  // index in the File menu where the recent entries begin
    int recentShown_ = 0;     // menu items between the separators for the recent files
    PathChooser openChooser_, saveChooser_;
    wxSize normalSize_;
};
