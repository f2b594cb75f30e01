#pragma once
// The main window: tool bar, status bar with the port label, and a client
// area divided by two static splitters into the main information pane, the
// middle column (pane selector over the active pane) and the side column
// (help topics over related items). It is the document's view (file dialogs,
// title, recent files, pane refresh) and carries every menu command: the
// menu is rebuilt from its model each time the bar opens, and the command
// states follow the rules of MenuCommands.h.
#include <wx/frame.h>
#include <wx/weakref.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/CloneEditorDoc.h"
#include "app/CommandIds.h"
#include "app/MenuCommands.h"

class CVondelRecentFileList;
class CCloneEditorView;
class HPainBaseView;
class HPaneSplitterView;
class HSplitterWnd;
class wxMenu;
class wxMenuEvent;
class wxUpdateUIEvent;
class wxContextMenuEvent;

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
    // The least height of a window on a radio of 8 channels.
    static constexpr int MinHeightSmall = 400;
    static constexpr int PortLabelWidth = 200;

    // `recent` (not owned) may be null when the history is off.
    // `beforeTexts`, when given, runs once the parts of the window that show
    // no text (the window, tool bar, status bar and splitters) are built and
    // before the first text is looked up: the start-up finishes loading the
    // language there.
    CMainFrame(CVondelRecentFileList* recent, std::vector<std::filesystem::path> dataFolders,
               std::filesystem::path programFolder, DocumentImageRules rules = {},
               const std::function<void()>& beforeTexts = {});
    ~CMainFrame() override;

    CCloneEditorDoc& Document() { return *doc_; }
    CCloneEditorView* MainView() const { return view_; }

    // The set-up once the window is shown: splitter positions from the
    // settings, the side column by the pane flags, the grid's focus.
    void AfterShow();

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
    void SetBackupChooser(PathChooser chooser) { backupChooser_ = std::move(chooser); }

    // "<port> (<cable>) / <baud>bps" in status pane 1.
    void UpdatePortLabel();
    static std::string PortLabel(const std::string& port, int cableType, int baudRate);

    // Shows or hides the side column and its rows by the main view's help and
    // related-pane flags, keeping the splitter positions in the settings.
    void RelayoutSideColumn();

    // Runs a command as the menu does (program command id).
    void RunCommand(int commandId);
    // The state a command's menu entry shows now (program command id).
    std::optional<CommandState> StateOf(int commandId) const;
    // The menu bar as it stands, and the rebuild the bar's opening runs.
    const MenuModel& Menu() const { return menu_; }
    void RebuildMenuOnOpen();

    // The splitters and the views of their panes.
    HSplitterWnd* OuterSplitter() const { return outer_; }
    HSplitterWnd* InnerSplitter() const { return inner_; }
    HPaneSplitterView* MiddleView() const { return middle_; }
    HPainBaseView* HelpView() const { return helpView_; }
    HPainBaseView* RelatedView() const { return relatedView_; }
    bool SideColumnShown() const { return sideShown_; }
    bool InnerLaidOut() const { return innerLaidOut_; }

    // Set while the middle pane is being replaced.
    static bool& Busy();

    // DocumentView
    std::optional<std::string> AskOpenPath(const std::string& startFolder) override;
    std::optional<std::string> AskSavePath(const std::string& startFolder) override;
    void RefreshAllPanes() override;
    void RestoreGridFocus() override;
    void ScrollGridToFirstColumn() override;
    void TitleChanged(const std::string& title) override;
    void AddToRecentFiles(const std::string& path) override;

    // Number of modal dialogs open at the moment (any window of the program).
    static int OpenModalDialogs();

  private:
    class Roads;

    void CreateBars();
    void CreateSplitters();
    void CreateClient();
    void CreatePanes();
    void BuildMenus();
    // After a language change: the menus and the middle panes anew in the
    // new language (the other open windows re-translate themselves).
    void ApplyLanguage();
    void RenderDropDown(int index);
    void RebuildRecentMenu();
    void UpdateTitle();
    void UpdateMinimumSize();
    void WriteSettingsAtExit();
    CommandContext StateContext() const;
    MenuContext RebuildContext() const;
    bool Available(int commandId) const;

    // Commands
    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    void OnContextMenu(wxContextMenuEvent& event);
    bool RunDialogCommand(int commandId, int screenId, bool refresh);
    void ForwardEditCommand(int commandId);
    void ResendToFocus(int commandId);
    void ToggleBar(int commandId);
    void SetFontRate(int commandId);
    void RunAlignment();
    void RefreshMiddleLayout();

    // Pane events
    void OnRebuildSelector(wxCommandEvent& event);
    void OnReplaceActive(wxCommandEvent& event);
    void OnActivate(wxActivateEvent& event);
    void OnHelp(wxHelpEvent& event);

    void OnNew(wxCommandEvent&);
    void OnOpen(wxCommandEvent&);
    void OnSave(wxCommandEvent&);
    void OnSaveAs(wxCommandEvent&);
    void OnRecent(wxCommandEvent&);
    void OnExit(wxCommandEvent&);
    void OnAbout(wxCommandEvent&);
    void OnClose(wxCloseEvent&);
    void OnIdle(wxIdleEvent&);
    void KeepMenusCurrent();

    std::unique_ptr<CCloneEditorDoc> doc_;
    std::filesystem::path programFolder_;
    CVondelRecentFileList* recent_;
    MenuModel menu_;
    std::vector<MenuModel> rendered_;  // what each drop-down shows now
    // The context the bar's drop-downs were last rebuilt for, and whether one
    // of them is open now.
    std::optional<MenuContext> barContext_;
    bool barOpen_ = false;
    wxMenu* fileMenu_ = nullptr;
    int recentPosition_ = 0;  // index in the File menu where the recent entries begin
    int recentShown_ = 0;     // menu items between the separators for the recent files
    PathChooser openChooser_, saveChooser_, backupChooser_;
    wxSize normalSize_;

    HSplitterWnd* outer_ = nullptr;
    HSplitterWnd* inner_ = nullptr;
    CCloneEditorView* view_ = nullptr;
    HPaneSplitterView* middle_ = nullptr;
    HPainBaseView* helpView_ = nullptr;
    HPainBaseView* relatedView_ = nullptr;
    bool sideShown_ = true;
    bool innerLaidOut_ = true;
    bool paneRebuildPending_ = true;
    int activeKind_ = 1;
    bool firstActivation_ = true;
    int afterShowWaits_ = 0;
    bool forwarding_ = false;
    wxWeakRef<wxWindow> deactivatedFocus_;
    wxWeakRef<wxWindow> commandFocus_;
    std::string statusKeys_;
};
