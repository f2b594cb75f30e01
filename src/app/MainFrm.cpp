#include "app/MainFrm.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/statusbr.h>
#include <wx/textentry.h>
#include <wx/toolbar.h>
#include <wx/utils.h>

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/AppState.h"
#include "app/AppTables.h"
#include "app/CloneEditorView.h"
#include "app/FileNewDlg.h"
#include "app/FirmwareToolLauncher.h"
#include "app/MainInfoDlg.h"
#include "app/PaneSelectorDlg.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "app/Shortcuts.h"
#include "image/FileUtil.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/Modes.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "serial/CableType.h"
#include "ui/MainItems.h"
#include "ui/MessageService.h"
#include "ui/PaneFramework.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"
#include "ui/WindowPlacement.h"

#include "ToolbarImages.h"

namespace fs = std::filesystem;

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}
std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

// Counts the modal dialogs that are open, native ones included, so that a
// hand-over never opens a file under an open dialog.
class ModalCounter : public wxModalDialogHook {
  public:
    int open = 0;

  protected:
    int Enter(wxDialog*) override {
        ++open;
        return wxID_NONE;
    }
    void Exit(wxDialog*) override { --open; }
};

ModalCounter& Counter() {
    static ModalCounter* counter = [] {
        auto* c = new ModalCounter;
        c->Register();
        return c;
    }();
    return *counter;
}

// One launcher for the life of the process: its thread may outlive the
// window that started it.
FirmwareToolLauncher& Launcher() {
    static auto* launcher = new FirmwareToolLauncher;
    return *launcher;
}

// Runs `action` on the user-interface thread with the main frame, when there
// still is one. Safe to call from any thread.
void WithMainFrame(std::function<void(CMainFrame&)> action) {
    if (!wxTheApp) return;
    wxTheApp->CallAfter([action = std::move(action)] {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* frame = dynamic_cast<CMainFrame*>(window); frame && !frame->IsBeingDeleted()) {
                action(*frame);
                return;
            }
    });
}

constexpr const char* kOpenFilter = "Pardex Files(*.PDX)|*.PDX;*.pdx|All files(*.*)|*";
constexpr const char* kSaveFilter = "Pardex Files(*.PDX)|*.PDX;*.pdx";

// Status bar: message line, port label, then the lock-key indicators.
enum StatusPane { PaneMessage = 0, PanePort = 1, PaneCaps = 2, PaneNum = 3, PaneScroll = 4, PaneCount = 5 };
constexpr const char* kIndicators[] = {"CAP", "NUM", "SCRL"};

// Layout of the client area as created: the main information column, the
// middle column and the side column; the splitters' own minimums.
constexpr int kInfoColumnIdeal = 90, kInfoColumnMinimum = 70, kColumnIdeal = 200;
constexpr int kSideColumnDefault = 160,
              kMiddleColumnLeast = 200;  // widths when nothing is saved; the middle column's least

// Settings sections of the splitter positions.
constexpr const char* kSpl1 = "Spl1";
constexpr const char* kSpl2 = "Spl2";
constexpr const char* kSpl1v0 = "Spl1v0";

// Templates of the panes the frame hosts.
constexpr int kHelpTemplate = 138, kRelatedTemplate = 133;

const char* CableSuffix(int cableType) {
    switch (cableType) {
        case CableType::Qlv10:
            return " (QLV-10)";
        case CableType::Qlv10Special:
            return " (QLV-10/S)";
        case CableType::Qlv12:
            return " (QLV-12)";
        default:
            return "";
    }
}

// A port is shown by its device name: "ttyUSB0" for /dev/ttyUSB0 or a link to it.
std::string PortShortName(const std::string& port) {
    if (port.empty()) return "No port";
    std::error_code ec;
    fs::path path = fs::canonical(port, ec);
    if (ec) path = port;
    const std::string text = path.string();
    if (text.rfind("/dev/", 0) == 0) return text.substr(5);
    const std::string name = path.filename().string();
    return name.empty() ? text : name;
}

}  // namespace

int CMainFrame::OpenModalDialogs() {
    return Counter().open;
}

bool& CMainFrame::Busy() {
    static bool busy = false;
    return busy;
}

CMainFrame::CMainFrame(CVondelRecentFileList* recent, std::vector<fs::path> dataFolders,
                       fs::path programFolder, DocumentImageRules rules,
                       const std::function<void()>& beforeTexts)
    : wxFrame(nullptr, wxID_ANY, Wx(std::string(AppTables::WindowTitle(AppState::AppMode())))),
      programFolder_(programFolder),
      recent_(recent) {
    Counter();
    doc_ = std::make_unique<CCloneEditorDoc>(*this, std::move(dataFolders), std::move(programFolder),
                                             std::move(rules));
    const int width = std::max(GetProfileInt("MainScreen", "X", MinWidth), MinWidth);
    const int height = std::max(GetProfileInt("MainScreen", "Y", MinHeight), MinHeight);
    SetSize(width, height);
    SetMinSize(wxSize(MinWidth, MinHeight));
    DragAcceptFiles(true);

    CreateBars();
    CreateSplitters();
    if (beforeTexts) beforeTexts();
    menu_ = MainMenuResource();
    PopupMenu::Update(PopupMenu::MainMenu, menu_, RebuildContext());
    BuildMenus();
    SetStatusText(Wx(TextByRid(57345, "Ready")), PaneMessage);
    UpdatePortLabel();
    CreateClient();
    UpdateTitle();
    Centre();

    Bind(wxEVT_MENU, &CMainFrame::OnNew, this, ID_FILE_NEW);
    Bind(wxEVT_MENU, &CMainFrame::OnOpen, this, ID_FILE_OPEN);
    Bind(wxEVT_MENU, &CMainFrame::OnSave, this, ID_FILE_SAVE);
    Bind(wxEVT_MENU, &CMainFrame::OnSaveAs, this, ID_FILE_SAVE_AS);
    Bind(wxEVT_MENU, &CMainFrame::OnRecent, this, ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST);
    Bind(wxEVT_MENU, &CMainFrame::OnExit, this, ID_APP_EXIT);
    Bind(wxEVT_MENU, &CMainFrame::OnAbout, this, ID_APP_ABOUT);
    // Every other command of the table goes through one dispatcher.
    for (const CommandRow& row : CommandTable()) {
        if (row.kind == CommandKind::Document || row.kind == CommandKind::Framework ||
            row.kind == CommandKind::About)
            continue;
        Bind(wxEVT_MENU, &CMainFrame::OnCommand, this, WxCommandId(row.id));
        Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommand, this, WxCommandId(row.id));
    }
    Bind(wxEVT_MENU, &CMainFrame::OnCommand, this, WxCommandId(Cmd::MainItemRangeFirst),
         WxCommandId(Cmd::MainItemRangeLast));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::OnUpdateCommand, this, WxCommandId(Cmd::MainItemRangeFirst),
         WxCommandId(Cmd::MainItemRangeLast));
    Bind(wxEVT_MENU_OPEN, &CMainFrame::OnMenuOpen, this);
    Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
        event.Skip();
        // A sub-menu closing leaves its drop-down open.
        if (event.GetMenu() && !event.GetMenu()->GetParent()) barOpen_ = false;
    });
    Bind(wxEVT_CONTEXT_MENU, &CMainFrame::OnContextMenu, this);
    // Every menu shortcut runs its command whatever the menus hold now, and
    // before a control (the grid's own copy) can take the key.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        const int command =
            Shortcuts::CommandForKey(key, event.ControlDown(), event.ShiftDown(), event.AltDown());
        if (command == 0 || (Shortcuts::IsTextFieldKey(key) && dynamic_cast<wxTextEntry*>(FindFocus()))) {
            event.Skip();
            return;
        }
        wxCommandEvent menu(wxEVT_MENU, WxCommandId(command));
        menu.SetEventObject(this);
        ProcessWindowEvent(menu);
    });
    Bind(EVT_PANE_SELECTOR_REBUILD, &CMainFrame::OnRebuildSelector, this);
    Bind(EVT_PANE_REPLACE_ACTIVE, &CMainFrame::OnReplaceActive, this);
    Bind(EVT_PANE_SWALLOWED, [](wxCommandEvent&) {});
    Bind(wxEVT_ACTIVATE, &CMainFrame::OnActivate, this);
    Bind(wxEVT_HELP, &CMainFrame::OnHelp, this);
    UiUtil::SendHelpEventOnF1(*this);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    Bind(wxEVT_IDLE, &CMainFrame::OnIdle, this);
    // A data file dropped on the window opens as the recent files do.
    Bind(wxEVT_DROP_FILES, [this](wxDropFilesEvent& event) {
        if (event.GetNumberOfFiles() < 1 || !doc_->SaveModified()) return;
        doc_->OpenDocument(Utf8(event.GetFiles()[0]));
    });
    normalSize_ = GetSize();
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        if (!IsMaximized() && !IsIconized() && !IsFullScreen()) normalSize_ = event.GetSize();
        event.Skip();
    });
}

CMainFrame::~CMainFrame() = default;

// ---- bars ------------------------------------------------------------------------

void CMainFrame::CreateBars() {
    wxToolBar* tools = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT | wxTB_NODIVIDER);
    struct Tool {
        int id;
        const unsigned char* png;
        std::size_t size;
        wxArtID art;  // when the built-in image cannot be read
        const char* tip;
    };
    using namespace ToolbarImages;
    const Tool row[] = {
        {Cmd::New, kNew, sizeof kNew, wxART_NEW, "New"},
        {Cmd::Open, kOpen, sizeof kOpen, wxART_FILE_OPEN, "Open"},
        {Cmd::Save, kSave, sizeof kSave, wxART_FILE_SAVE, "Save"},
        {0, nullptr, 0, {}, nullptr},
        {Cmd::Upload, kUpload, sizeof kUpload, wxART_GO_DOWN, "Upload"},
        {Cmd::Download, kDownload, sizeof kDownload, wxART_GO_UP, "Download"},
        {0, nullptr, 0, {}, nullptr},
        {Cmd::Print, kPrint, sizeof kPrint, wxART_PRINT, "Print"},
        {0, nullptr, 0, {}, nullptr},
        {Cmd::About, kAbout, sizeof kAbout, wxART_HELP, "About"},
    };
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    for (const Tool& tool : row) {
        if (tool.id == 0) {
            tools->AddSeparator();
            continue;
        }
        wxBitmap image = wxBitmap::NewFromPNGData(tool.png, tool.size);
        if (!image.IsOk()) image = wxArtProvider::GetBitmap(tool.art, wxART_TOOLBAR, wxSize(16, 16));
        tools->AddTool(WxCommandId(tool.id), tool.tip, image, tool.tip);
    }
    tools->Realize();

    wxStatusBar* status = CreateStatusBar(PaneCount);
    int widths[PaneCount] = {-1, PortLabelWidth, 0, 0, 0};
    for (int i = 0; i < 3; ++i) widths[PaneCaps + i] = status->GetTextExtent(kIndicators[i]).x + 16;
    status->SetStatusWidths(PaneCount, widths);
}

std::string CMainFrame::PortLabel(const std::string& port, int cableType, int baudRate) {
    return PortShortName(port) + CableSuffix(cableType) + " / " + std::to_string(baudRate) + "bps";
}

void CMainFrame::UpdatePortLabel() {
    const auto& link = AppState::Link();
    SetStatusText(Wx(PortLabel(link.port, link.cableType, link.baudRate)), PanePort);
}

void CMainFrame::OnIdle(wxIdleEvent& event) {
    event.Skip();
    KeepMenusCurrent();
    wxStatusBar* status = GetStatusBar();
    if (!status) return;
    // The lock keys, as the indicators of the status bar show them.
    const wxKeyCode keys[] = {WXK_CAPITAL, WXK_NUMLOCK, WXK_SCROLL};
    std::string now;
    for (int i = 0; i < 3; ++i) now += wxGetKeyState(keys[i]) ? '1' : '0';
    if (now == statusKeys_) return;
    statusKeys_ = now;
    for (int i = 0; i < 3; ++i) status->SetStatusText(now[i] == '1' ? kIndicators[i] : "", PaneCaps + i);
}

// ---- client area -------------------------------------------------------------------

void CMainFrame::CreateSplitters() {
    outer_ = new HSplitterWnd(this, 1, 3);
    inner_ = new HSplitterWnd(outer_->PaneParent(0, 2), 2, 1);
    const wxSize initial(500, 150);
    view_ = new CCloneEditorView(outer_->PaneParent(0, 0), *doc_, initial);
    middle_ = new HPaneSplitterView(outer_->PaneParent(0, 1), wxID_ANY, initial);
    helpView_ = new HPainBaseView(inner_->PaneParent(0, 0), wxID_ANY, initial);
    relatedView_ = new HPainBaseView(inner_->PaneParent(1, 0), wxID_ANY, wxSize(300, 150));
    outer_->SetPane(0, 0, view_);
    outer_->SetPane(0, 1, middle_);
    outer_->SetPane(0, 2, inner_);
    inner_->SetPane(0, 0, helpView_);
    inner_->SetPane(1, 0, relatedView_);
    // Resizing the window changes the middle column: the information column
    // and the side column keep their widths, the related-items row its height.
    outer_->SetStretchPane(1);
    inner_->SetStretchPane(0);

    view_->SetSideViews(helpView_, relatedView_);
    view_->SetRefreshAll([this] { RefreshAllPanes(); });
    view_->SelectedGroupSource = [this] {
        auto* selector = dynamic_cast<PaneSelectorDialog*>(view_->PaneSelector());
        return selector ? std::max(0, selector->SelectedGroup()) : 0;
    };
}

void CMainFrame::CreateClient() {
    CreatePanes();

    // The information column is never narrower than its pane was designed.
    const int infoWidth = view_->MainInfoPane() ? view_->MainInfoPane()->MinimumSize().x : 0;
    outer_->SetColumnInfo(0, std::max(kInfoColumnIdeal, infoWidth), kInfoColumnMinimum);
    outer_->SetColumnInfo(1, kColumnIdeal, 0);
    outer_->SetColumnInfo(2, kColumnIdeal, 0);
    outer_->RecalcLayout();
    inner_->RecalcLayout();
    // The side column counts as shown and its rows as laid out until the
    // settings are applied (AfterShow).
    sideShown_ = true;
    innerLaidOut_ = true;
}

void CMainFrame::CreatePanes() {
    auto* info = new CMainInfoDlg(doc_->CurrentImage);
    view_->SetPane(info, CMainInfoDlg::IDD, ShowCommand::Show);
    view_->SetMainInfoPane(view_->GetPane());
    const auto& side = Screens::Side();
    if (side.helpPane) {
        helpView_->SetPane(side.helpPane(doc_->CurrentImage), kHelpTemplate, ShowCommand::Show);
        view_->SetHelpPane(helpView_->GetPane());
    }
    if (side.relatedPane) {
        // A hidden related-items pane costs start-up time: it is built when
        // it is first shown.
        view_->SetRelatedPaneMaker([this] {
            relatedView_->SetPane(Screens::Side().relatedPane(doc_->CurrentImage), kRelatedTemplate,
                                  ShowCommand::Show);
            return relatedView_->GetPane();
        });
        if (view_->RelatedScreenVisible == 1) view_->EnsureRelatedPane();
    }
}

void CMainFrame::OnRebuildSelector(wxCommandEvent&) {
    paneRebuildPending_ = false;
    auto* selector = new inner_ConvDlg(doc_->CurrentImage, activeKind_);
    HPainBaseView* row = middle_->RowView(0);
    row->SetPane(selector, PaneSelectorDialog::IDD, ShowCommand::Show);
    view_->SetPaneSelector(row->GetPane());
    if (HPainBaseDlg* pane = row->GetPane()) pane->RefreshFromImage();
    RefreshMiddleLayout();
    if (!view_->ActivePane()) {
        wxCommandEvent replace(EVT_PANE_REPLACE_ACTIVE);
        replace.SetInt(activeKind_);
        OnReplaceActive(replace);
    }
}

void CMainFrame::RefreshMiddleLayout() {
    // The selector row is as high as the selector needs; the grid takes the rest.
    HSplitterWnd* splitter = middle_->Splitter();
    const HPainBaseDlg* selector = view_->PaneSelector();
    const int height = selector ? selector->MinimumSize().y : 25;
    splitter->SetRowInfo(0, height, height);
    splitter->RecalcLayout();
}

void CMainFrame::OnReplaceActive(wxCommandEvent& event) {
    const int kind = event.GetInt() > 0 ? event.GetInt() : PaneKind::ChannelGrid;
    const Screens::MiddlePaneEntry* entry = Screens::MiddlePane(kind);
    if (!entry) return;
    Busy() = true;
    HPainBaseDlg* pane = entry->make(doc_->CurrentImage);
    view_->SetActivePane(nullptr);
    middle_->SetPane(pane, entry->templateId, ShowCommand::Show);
    view_->SetActivePane(middle_->GetPane());
    activeKind_ = kind;
    middle_->SendSizeEvent(wxSEND_EVENT_POST);
    Busy() = false;
}

void CMainFrame::RefreshAllPanes() {
    if (!view_) return;
    view_->OnUpdate();
    middle_->RowView(0)->OnUpdate();
    middle_->OnUpdate();
    helpView_->OnUpdate();
    relatedView_->OnUpdate();
    RefreshMiddleLayout();
    UpdateMinimumSize();
}

void CMainFrame::RestoreGridFocus() {
    if (view_ && view_->ActivePane()) view_->ActivePane()->RestoreFocus();
}

void CMainFrame::ScrollGridToFirstColumn() {
    if (!IsShown() || !view_) return;
    if (CVSFlexGrid* grid = view_->ChannelGrid()) grid->SetCol(0);
}

void CMainFrame::UpdateMinimumSize() {
    // A radio of 8 channels needs only a few grid rows.
    const int channels = 8 * std::clamp(static_cast<int>(ItemMap::GetMaxCh(doc_->CurrentImage)), 0, 16);
    SetMinSize(wxSize(MinWidth, channels == 8 ? MinHeightSmall : MinHeight));
}

// ---- side column ---------------------------------------------------------------------

void CMainFrame::AfterShow() {
    SendSizeEvent();
    // The positions need the splitters' real sizes: wait for the first layout.
    if (!outer_->IsSized() || !inner_->IsSized()) {
        if (++afterShowWaits_ < 100) CallAfter([this] { AfterShow(); });
        return;
    }
    outer_->Layout();
    const int total = outer_->GetClientSize().x;
    const int infoWidth = view_->MainInfoPane() ? view_->MainInfoPane()->MinimumSize().x : 0;

    int column0[1] = {std::max(kInfoColumnIdeal, infoWidth)};
    WindowPlacement::LoadSplitter(kSpl1v0, column0);
    column0[0] = std::max(column0[0], kInfoColumnMinimum);
    // Without saved positions the side column starts at its least width.
    const int rest = std::max(0, total - column0[0] - outer_->BarSize(0) - outer_->BarSize(1));
    int columns[2] = {std::max(kColumnIdeal, rest - kSideColumnDefault), kSideColumnDefault};
    WindowPlacement::LoadSplitter(kSpl1, columns);
    outer_->SetColumnInfo(0, column0[0], kInfoColumnMinimum);
    outer_->SetColumnInfo(1, columns[0], 0);
    outer_->SetColumnInfo(2, columns[1], 0);
    outer_->RecalcLayout();

    const int height = inner_->GetClientSize().y;
    int rows[2] = {height / 2, height - height / 2};
    WindowPlacement::LoadSplitter(kSpl2, rows);
    inner_->SetRowInfo(0, rows[0], 0);
    inner_->SetRowInfo(1, rows[1], 0);
    inner_->RecalcLayout();
    sideShown_ = true;
    innerLaidOut_ = true;
    RelayoutSideColumn();

    // The grid pane comes up with its first row selected and the focus.
    if (HPainBaseDlg* pane = view_->ActivePane()) {
        if (auto* grid = dynamic_cast<CVSFlexGrid*>(pane->FindWindow(ChannelGridControlId))) {
            grid->SetRowFlag143(2, true);
            pane->OnSelectionChanged();
            grid->SetFocus();
        }
    }
}

void CMainFrame::RelayoutSideColumn() {
    const bool help = view_->HelpScreenVisible == 1;
    const bool related = view_->RelatedScreenVisible == 1;
    const auto sizes = outer_->CurrentSizes();
    const int both = sizes[1] + sizes[2];
    if (!sideShown_ && (help || related)) {
        int columns[2] = {std::max(kMiddleColumnLeast, both - kSideColumnDefault), kSideColumnDefault};
        WindowPlacement::LoadSplitter(kSpl1, columns);
        const int first = std::min(std::max(columns[0], kMiddleColumnLeast), both);
        outer_->SetColumnInfo(1, first, 0);
        outer_->SetColumnInfo(2, std::max(1, both - first), 0);
        outer_->RecalcLayout();
        sideShown_ = true;
        // One row takes the whole column until both are wanted.
        const int height = inner_->GetClientSize().y;
        inner_->SetRowInfo(0, help ? height : 0, 0);
        inner_->SetRowInfo(1, help ? 0 : height, 0);
        inner_->RecalcLayout();
        innerLaidOut_ = false;
    } else if (sideShown_ && !help && !related) {
        const int column0[1] = {sizes[0]};
        WindowPlacement::SaveSplitter(kSpl1v0, column0);
        const int columns[2] = {sizes[1], sizes[2]};
        WindowPlacement::SaveSplitter(kSpl1, columns);
        outer_->SetColumnInfo(1, both, 0);
        outer_->SetColumnInfo(2, 0, 0);
        outer_->RecalcLayout();
        sideShown_ = false;
    }

    const auto rows = inner_->CurrentSizes();
    if (!innerLaidOut_ && help && related) {
        const int height = inner_->GetClientSize().y;
        int saved[2] = {height / 2, height - height / 2};
        WindowPlacement::LoadSplitter(kSpl2, saved);
        inner_->SetRowInfo(0, saved[0], 0);
        inner_->SetRowInfo(1, saved[1], 0);
        inner_->RecalcLayout();
        innerLaidOut_ = true;
    } else if (innerLaidOut_ && (!help || !related)) {
        const int saved[2] = {rows[0], rows[1]};
        WindowPlacement::SaveSplitter(kSpl2, saved);
        const int height = inner_->GetClientSize().y;
        inner_->SetRowInfo(0, help ? height : 0, 0);
        inner_->SetRowInfo(1, help ? 0 : height, 0);
        inner_->RecalcLayout();
        innerLaidOut_ = false;
    }
}

// ---- document view -------------------------------------------------------------------

void CMainFrame::RebuildRecentMenu() {
    for (; recentShown_ > 0; --recentShown_)
        fileMenu_->Destroy(fileMenu_->FindItemByPosition(recentPosition_));
    const std::size_t count = recent_ ? recent_->Count() : 0;
    if (count == 0) {
        fileMenu_->Insert(recentPosition_, ID_FILE_MRU_FILE1, "Recent Files");
        fileMenu_->Enable(ID_FILE_MRU_FILE1, false);
        recentShown_ = 1;
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const wxString label = wxString::Format("&%zu ", i + 1) + Wx(recent_->DisplayName(i));
        fileMenu_->Insert(recentPosition_ + static_cast<int>(i), ID_FILE_MRU_FILE1 + static_cast<int>(i),
                          label);
    }
    recentShown_ = static_cast<int>(count);
}

void CMainFrame::UpdateTitle() {
    SetTitle(Wx(doc_->Title()) + " - " + Wx(std::string(AppTables::WindowTitle(AppState::AppMode()))));
}

void CMainFrame::TitleChanged(const std::string&) {
    UpdateTitle();
}

void CMainFrame::AddToRecentFiles(const std::string& path) {
    if (!recent_) return;
    recent_->Add(path);
    RebuildRecentMenu();
}

void CMainFrame::SetFileChoosers(PathChooser open, PathChooser save) {
    openChooser_ = std::move(open);
    saveChooser_ = std::move(save);
}

std::optional<std::string> CMainFrame::AskOpenPath(const std::string& startFolder) {
    if (openChooser_) return openChooser_(startFolder);
    wxFileDialog dialog(this, wxFileSelectorPromptStr, Wx(startFolder), wxEmptyString, kOpenFilter,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return Utf8(dialog.GetPath());
}

std::optional<std::string> CMainFrame::AskSavePath(const std::string& startFolder) {
    if (saveChooser_) return saveChooser_(startFolder);
    wxFileDialog dialog(this, wxFileSelectorPromptStr, Wx(startFolder), wxEmptyString, kSaveFilter,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    fs::path path = fs::path(Utf8(dialog.GetPath()));
    if (path.extension().empty()) {
        // The data file's extension is added as the dialog's default.
        path += ".PDX";
        std::error_code ec;
        if (fs::exists(path, ec) &&
            ShowMessage(path.string() + " already exists.\nDo you want to replace it?", {},
                        MsgStyle::YesNo | MsgStyle::IconWarning) != MsgAnswer::Yes)
            return std::nullopt;
    }
    return path.string();
}

void CMainFrame::ReceiveHandOver(const std::string& path) {
    if (IsIconized()) Iconize(false);
    Raise();
    doc_->HandOver(path, IsEnabled() && OpenModalDialogs() == 0);
}

bool CMainFrame::LaunchFirmwareTool() {
    FirmwareToolLauncher::Callbacks callbacks;
    callbacks.minimise = [] { WithMainFrame([](CMainFrame& frame) { frame.Iconize(true); }); };
    callbacks.restore = [] {
        WithMainFrame([](CMainFrame& frame) {
            if (frame.IsIconized()) frame.Iconize(false);
        });
    };
    callbacks.cannotStart = [](const std::string& message) {
        WithMainFrame(
            [message](CMainFrame&) { ShowMessage(message, {}, MsgStyle::Ok | MsgStyle::IconError); });
    };
    return Launcher().Launch(programFolder_ / FirmwareToolLauncher::ToolName, AppState::ServiceMode(),
                             AppState::Link().port, std::move(callbacks));
}

// ---- file commands and window events -----------------------------------------------------

void CMainFrame::OnNew(wxCommandEvent&) {
    // The New dialog asks the save question itself and loads the default file.
    wxWeakRef<wxWindow> focus(FindFocus());
    CFileNewDlg dialog(this, *doc_);
    if (dialog.ShowModal() == wxID_OK) {
        RefreshAllPanes();
        RestoreGridFocus();
        AppState::ClearEditStateFlags();
    } else if (focus) {
        focus->SetFocus();
    }
}

void CMainFrame::OnOpen(wxCommandEvent&) {
    doc_->OnFileOpen();
}
void CMainFrame::OnSave(wxCommandEvent&) {
    doc_->OnFileSave();
}
void CMainFrame::OnSaveAs(wxCommandEvent&) {
    doc_->OnFileSaveAs();
}

void CMainFrame::OnRecent(wxCommandEvent& event) {
    if (!recent_) return;
    const auto index = static_cast<std::size_t>(event.GetId() - ID_FILE_MRU_FILE1);
    if (index >= recent_->Count()) return;
    const std::string path = (*recent_)[index];
    if (!doc_->SaveModified()) return;
    if (doc_->OpenDocument(path) != 1) {
        // A file that cannot be opened leaves the list.
        recent_->Remove(index);
        RebuildRecentMenu();
    }
}

void CMainFrame::OnExit(wxCommandEvent&) {
    Close();
}

void CMainFrame::OnAbout(wxCommandEvent&) {
    CAbout about(this);
    about.ShowModal();
}

void CMainFrame::OnActivate(wxActivateEvent& event) {
    event.Skip();
    if (!event.GetActive()) {
        deactivatedFocus_ = FindFocus();
        return;
    }
    HPainBaseDlg* pane = view_ ? view_->ActivePane() : nullptr;
    if (!pane) return;
    pane->OnSelectionChanged();
    wxWindow* grid = pane->FindWindow(ChannelGridControlId);
    if (!grid) return;
    grid->SetFocus();
    if (AppState::AppMode() == AppModes::Ship) {
        const auto& ship = Screens::Ship();
        // The line's sequence begins only when the command line names its data file.
        if (firstActivation_ && ship.beginSequence && !AppState::CommandLineDataFile().empty())
            ship.beginSequence();
        if (ship.startWatcher) ship.startWatcher();
    }
    firstActivation_ = false;
}

void CMainFrame::OnHelp(wxHelpEvent& event) {
    const wxWindow* focus = FindFocus();
    const int rid = MakeRID(0, CMainInfoDlg::IDD, focus ? focus->GetId() : 0);
    const auto& hooks = UiHooks::Current();
    if (hooks.hasHelpTopic && hooks.openHelp && hooks.hasHelpTopic(rid)) {
        hooks.openHelp(this, rid);
        return;
    }
    event.Skip();
}

void CMainFrame::OnClose(wxCloseEvent& event) {
    if (doc_->IsModified()) {
        doc_->SetModifiedFlag(true);
        if (!doc_->SaveModified() && event.CanVeto()) {
            event.Veto();
            return;
        }
    } else {
        const int cable = AppState::Link().cableType;
        if (Model::ProductType(doc_->CurrentImage) == 0 && (cable == 2 || cable == 3))
            ShowMessage(
                TextByRid(114,
                          "Switch the mobile radio OFF before PC is shut down or disconnected the USB "
                          "cable.\n(It will be switched the radio to transmit.)"),
                {}, MsgStyle::Ok | MsgStyle::IconInformation);
    }
    WriteSettingsAtExit();
    Destroy();
}

void CMainFrame::WriteSettingsAtExit() {
    if (const auto& stop = Screens::Ship().stopWatcher) stop();

    const auto& link = AppState::Link();
    WriteProfileString("Configure", "ComPort", link.port);
    WriteProfileInt("Configure", "BaudRate", link.baudRate);
    WriteProfileInt("Configure", "ComType", link.cableType);

    const CloneImage& image = doc_->CurrentImage;
    WriteProfileInt("Hardware", "FreqBand", FileNew::BandCode(image));
    WriteProfileInt("Hardware", "ProductType", Model::ProductType(image));
    WriteProfileInt("Hardware", "LCDType", Model::DisplayType(image));
    WriteProfileInt("Hardware", "KeyType", Model::KeypadType(image));

    std::vector<std::pair<std::string, std::string>> items;
    for (const MainItemRow& row : MainItems::Table()) {
        if (row.commandId == -1) break;
        if (MainItems::LastColumn(row) == 0) continue;
        items.emplace_back("Item_CONV" + std::to_string(row.commandId - MainItems::FirstCommand),
                           std::to_string(row.visible));
    }
    Profile().WriteEntries("MainItem", items);

    const auto columns = outer_->CurrentSizes();
    const int column0[1] = {columns[0]};
    WindowPlacement::SaveSplitter(kSpl1v0, column0);
    if (sideShown_) {
        const int pair[2] = {columns[1], columns[2]};
        WindowPlacement::SaveSplitter(kSpl1, pair);
    }
    if (innerLaidOut_) {
        const auto rows = inner_->CurrentSizes();
        const int pair[2] = {rows[0], rows[1]};
        WindowPlacement::SaveSplitter(kSpl2, pair);
    }

    const bool maximised = IsMaximized();
    // The normal-position size, not the maximised one.
    const wxSize size = maximised ? normalSize_ : GetSize();
    WriteProfileInt("MainScreen", "X", std::max(size.x, MinWidth));
    WriteProfileInt("MainScreen", "Y", std::max(size.y, MinHeight));
    WriteProfileInt("MainScreen", "Maximize", maximised ? 1 : 0);

    WriteProfileInt("ToolBar", "Visible", GetToolBar() && GetToolBar()->IsShown() ? 1 : 0);
    WriteProfileInt("StatusBar", "Visible", GetStatusBar() && GetStatusBar()->IsShown() ? 1 : 0);
}
