#include "app/MainFrm.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/panel.h>
#include <wx/statusbr.h>

#include "app/AboutDlg.h"
#include "app/AppState.h"
#include "app/AppTables.h"
#include "app/FirmwareToolLauncher.h"
#include "app/RecentFileList.h"
#include "image/FileUtil.h"
#include "image/Model.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"

namespace fs = std::filesystem;

namespace {

wxString Wx(const std::string& text) { return wxString::FromUTF8(text); }
std::string Utf8(const wxString& text) { return std::string(text.utf8_str()); }

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

}  // namespace

int CMainFrame::OpenModalDialogs() { return Counter().open; }

CMainFrame::CMainFrame(CVondelRecentFileList* recent, std::vector<fs::path> dataFolders, fs::path programFolder,
                       DocumentImageRules rules)
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

    BuildMenus();
    CreateStatusBar(2);
    const int widths[] = {-1, 200};
    GetStatusBar()->SetStatusWidths(2, widths);
    SetStatusText("Ready", 0);
    new wxPanel(this, wxID_ANY);
    UpdateTitle();
    Centre();

    Bind(wxEVT_MENU, &CMainFrame::OnNew, this, ID_FILE_NEW);
    Bind(wxEVT_MENU, &CMainFrame::OnOpen, this, ID_FILE_OPEN);
    Bind(wxEVT_MENU, &CMainFrame::OnSave, this, ID_FILE_SAVE);
    Bind(wxEVT_MENU, &CMainFrame::OnSaveAs, this, ID_FILE_SAVE_AS);
    Bind(wxEVT_MENU, &CMainFrame::OnRecent, this, ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST);
    Bind(wxEVT_MENU, &CMainFrame::OnExit, this, ID_APP_EXIT);
    Bind(wxEVT_MENU, &CMainFrame::OnAbout, this, ID_APP_ABOUT);
    Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::OnClose, this);
    normalSize_ = GetSize();
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        if (!IsMaximized() && !IsIconized() && !IsFullScreen()) normalSize_ = event.GetSize();
        event.Skip();
    });
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::BuildMenus() {
    auto* bar = new wxMenuBar;
    fileMenu_ = new wxMenu;
    fileMenu_->Append(ID_FILE_NEW, "&New\tCtrl+N");
    fileMenu_->Append(ID_FILE_OPEN, "&Open...\tCtrl+O");
    fileMenu_->Append(ID_FILE_SAVE, "&Save\tCtrl+S");
    fileMenu_->Append(ID_FILE_SAVE_AS, "Save &As...");
    fileMenu_->AppendSeparator();
    recentPosition_ = static_cast<int>(fileMenu_->GetMenuItemCount());
    fileMenu_->AppendSeparator();
    fileMenu_->Append(ID_APP_EXIT, "E&xit");
    bar->Append(fileMenu_, "&File");

    auto* help = new wxMenu;
    help->Append(ID_APP_ABOUT, "&About Pardex...");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
    RebuildRecentMenu();
}

void CMainFrame::RebuildRecentMenu() {
    for (; recentShown_ > 0; --recentShown_) fileMenu_->Destroy(fileMenu_->FindItemByPosition(recentPosition_));
    const std::size_t count = recent_ ? recent_->Count() : 0;
    if (count == 0) {
        fileMenu_->Insert(recentPosition_, ID_FILE_MRU_FILE1, "Recent Files");
        fileMenu_->Enable(ID_FILE_MRU_FILE1, false);
        recentShown_ = 1;
        return;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const wxString label = wxString::Format("&%zu ", i + 1) + Wx(recent_->DisplayName(i));
        fileMenu_->Insert(recentPosition_ + static_cast<int>(i), ID_FILE_MRU_FILE1 + static_cast<int>(i), label);
    }
    recentShown_ = static_cast<int>(count);
}

void CMainFrame::UpdateTitle() {
    SetTitle(Wx(doc_->Title()) + " - " + Wx(std::string(AppTables::WindowTitle(AppState::AppMode()))));
}

void CMainFrame::TitleChanged(const std::string&) { UpdateTitle(); }

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
        WithMainFrame([message](CMainFrame&) { ShowMessage(message, {}, MsgStyle::Ok | MsgStyle::IconError); });
    };
    return Launcher().Launch(programFolder_ / FirmwareToolLauncher::ToolName, AppState::ServiceMode(), AppState::Link().port,
                      std::move(callbacks));
}

void CMainFrame::OnNew(wxCommandEvent&) { doc_->OnFileNew(); }
void CMainFrame::OnOpen(wxCommandEvent&) { doc_->OnFileOpen(); }
void CMainFrame::OnSave(wxCommandEvent&) { doc_->OnFileSave(); }
void CMainFrame::OnSaveAs(wxCommandEvent&) { doc_->OnFileSaveAs(); }

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

void CMainFrame::OnExit(wxCommandEvent&) { Close(); }

void CMainFrame::OnAbout(wxCommandEvent&) {
    CAbout about(this);
    about.ShowModal();
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
            ShowMessage(TextByRid(114,
                                  "Switch the mobile radio OFF before PC is shut down or disconnected the USB "
                                  "cable.\n(It will be switched the radio to transmit.)"),
                        {}, MsgStyle::Ok | MsgStyle::IconInformation);
    }
    WriteSettingsAtExit();
    Destroy();
}

void CMainFrame::WriteSettingsAtExit() {
    const auto& link = AppState::Link();
    WriteProfileString("Configure", "ComPort", link.port);
    WriteProfileInt("Configure", "BaudRate", link.baudRate);
    WriteProfileInt("Configure", "ComType", link.cableType);

    const CloneImage& image = doc_->CurrentImage;
    WriteProfileInt("Hardware", "FreqBand", Model::BandType(image) * 32 + Model::FrequencyType(image));
    WriteProfileInt("Hardware", "ProductType", Model::ProductType(image));
    WriteProfileInt("Hardware", "LCDType", Model::DisplayType(image));
    WriteProfileInt("Hardware", "KeyType", Model::KeypadType(image));

    const bool maximised = IsMaximized();
    // The normal-position size, not the maximised one.
    const wxSize size = maximised ? normalSize_ : GetSize();
    WriteProfileInt("MainScreen", "X", std::max(size.x, MinWidth));
    WriteProfileInt("MainScreen", "Y", std::max(size.y, MinHeight));
    WriteProfileInt("MainScreen", "Maximize", maximised ? 1 : 0);
}
