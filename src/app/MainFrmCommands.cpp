// The main frame's menu and commands: the menu rendered from its model and
// rebuilt when the bar opens, the command states, and every command of the
// table: dialogs on a working copy, edit forwarding, the View commands and
// the radio roads.
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>

#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/MainFrm.h"
#include "app/ShipMode.h"
#include "app/PaneSelectorDlg.h"
#include "app/RadioRoads.h"
#include "app/ScreenRegistry.h"
#include "image/RadioImagePrep.h"
#include "image/Model.h"
#include "image/Modes.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "serial/PXCommunicationEvent.h"
#include "ui/FileLanguageDlg.h"
#include "ui/MainItems.h"
#include "ui/MessageService.h"
#include "ui/PaneFramework.h"
#include "ui/UiHooks.h"
#include "ui/WindowPlacement.h"

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

// Entries that carry a check mark.
bool IsCheckCommand(int id) {
    if (id >= Cmd::MainItemRangeFirst && id <= Cmd::MainItemRangeLast) return true;
    const CommandRow* row = FindCommand(id);
    if (!row) return false;
    switch (row->kind) {
        case CommandKind::BarToggle:
        case CommandKind::MainItem:
        case CommandKind::HelpPane:
        case CommandKind::RelatedPane:
        case CommandKind::FontSize:
            return true;
        default:
            return false;
    }
}

void AppendEntries(wxMenu* menu, const MenuModel& entries) {
    for (const MenuEntry& entry : entries) {
        switch (entry.kind) {
            case MenuEntry::Separator:
                menu->AppendSeparator();
                break;
            case MenuEntry::SubMenu: {
                auto* sub = new wxMenu;
                AppendEntries(sub, entry.items);
                menu->AppendSubMenu(sub, Wx(entry.text));
                break;
            }
            case MenuEntry::Command: {
                // An entry without a text still needs a label.
                const wxString text = entry.text.empty() ? wxString(" ") : Wx(entry.text);
                if (IsCheckCommand(entry.id))
                    menu->AppendCheckItem(WxCommandId(entry.id), text);
                else
                    menu->Append(WxCommandId(entry.id), text);
                break;
            }
        }
    }
}

void ClearMenu(wxMenu* menu) {
    while (menu->GetMenuItemCount() > 0) menu->Destroy(menu->FindItemByPosition(0));
}

// The radio operations a runner of the link core offers by number.
constexpr int kHelpDefaultTopic = 0;
const int kGetStartedTopic = MakeRID(0, 128, 2866);

}  // namespace

// ---- the radio roads' view of the frame -----------------------------------------------

class CMainFrame::Roads : public RoadHost {
  public:
    explicit Roads(CMainFrame& frame) : frame_(frame) {}

    CloneImage& CurrentImage() override { return frame_.doc_->CurrentImage; }
    void ClearDocumentPath() override { frame_.doc_->ClearPath(); }
    void RefreshAllPanes() override { frame_.RefreshAllPanes(); }
    void RestorePaneFocus() override { frame_.RestoreGridFocus(); }
    void RestoreRememberedFocus() override {
        if (frame_.commandFocus_) frame_.commandFocus_->SetFocus();
    }

    int RunOperation(int operation, CloneImage& working) override {
        const auto& link = Screens::Radio();
        if (!Screens::HasRadioOperation(operation)) return 0;
        std::unique_ptr<OperationView> view = link.makeView(&frame_);
        if (!view) return 0;
        const auto& port = AppState::Link();
        PXCommunicationEvent runner(port.port, static_cast<unsigned>(port.baudRate), link.timing);
        // The configured cable decides how a write is cut into chunks.
        runner.Command().SetPortType(port.cableType);
        runner.SetDocumentPassword(PXCommunicationEvent::DocumentPasswordOf(working));
        runner.SetRecoveryUnderway(RadioRoads::RecoveryFlag());
        const bool ok = runner.Run(operation, &working, *view);
        // A recovery the user chose to go on with keeps its backup file.
        if (RadioRoads::RecoveryFlag() && runner.RecoveryContinued()) RadioRoads::KeepBackupFlag() = true;
        return ok ? 1 : 0;
    }

    std::optional<std::string> AskBackupFile(const std::string& startFolder) override {
        if (frame_.backupChooser_) return frame_.backupChooser_(startFolder);
        wxFileDialog dialog(&frame_, wxFileSelectorPromptStr, Wx(startFolder), wxEmptyString,
                            "adx Files(*.adx)|*.adx", wxFD_OPEN | wxFD_FILE_MUST_EXIST);
        if (dialog.ShowModal() != wxID_OK) return std::nullopt;
        return std::string(dialog.GetPath().utf8_str());
    }

    bool OpenHandedOver(const std::string& path) override { return frame_.doc_->HandOver(path, true); }

  private:
    CMainFrame& frame_;
};

// ---- menu -------------------------------------------------------------------------------

void CMainFrame::BuildMenus() {
    auto* bar = new wxMenuBar;
    barContext_.reset();
    rendered_.assign(menu_.size(), {});
    for (std::size_t i = 0; i < menu_.size(); ++i) {
        auto* menu = new wxMenu;
        bar->Append(menu, Wx(menu_[i].text));
        if (static_cast<int>(i) == DropDown::File) {
            // The recent files take the place of their entry.
            fileMenu_ = menu;
            MenuModel entries = menu_[i].items;
            for (std::size_t k = 0; k < entries.size(); ++k)
                if (entries[k].kind == MenuEntry::Command && entries[k].id == Cmd::RecentFirst) {
                    recentPosition_ = static_cast<int>(k);
                    entries.erase(entries.begin() + static_cast<long>(k));
                    break;
                }
            AppendEntries(menu, entries);
            rendered_[i] = menu_[i].items;
        }
    }
    SetMenuBar(bar);
    for (std::size_t i = 0; i < menu_.size(); ++i)
        if (static_cast<int>(i) != DropDown::File) RenderDropDown(static_cast<int>(i));
    RebuildRecentMenu();
}

void CMainFrame::ApplyLanguage() {
    wxMenuBar* old = GetMenuBar();
    menu_ = MainMenuResource();
    PopupMenu::Update(PopupMenu::MainMenu, menu_, RebuildContext());
    BuildMenus();
    delete old;
    if (!view_) return;
    // The old selector goes with the rebuild: nothing may ask it meanwhile.
    view_->SetPaneSelector(nullptr);
    wxCommandEvent rebuild(EVT_PANE_SELECTOR_REBUILD);
    OnRebuildSelector(rebuild);
    wxCommandEvent replace(EVT_PANE_REPLACE_ACTIVE);
    replace.SetInt(activeKind_);
    OnReplaceActive(replace);
    RefreshAllPanes();
}

void CMainFrame::RenderDropDown(int index) {
    wxMenuBar* bar = GetMenuBar();
    if (!bar || index < 0 || index >= static_cast<int>(bar->GetMenuCount())) return;
    const MenuModel& entries = menu_[static_cast<std::size_t>(index)].items;
    if (rendered_[static_cast<std::size_t>(index)] == entries && bar->GetMenu(index)->GetMenuItemCount() > 0)
        return;
    wxMenu* menu = bar->GetMenu(index);
    ClearMenu(menu);
    AppendEntries(menu, entries);
    rendered_[static_cast<std::size_t>(index)] = entries;
}

MenuContext CMainFrame::RebuildContext() const {
    MenuContext context;
    context.serviceMode = AppState::ServiceMode();
    context.appMode = AppState::AppMode();
    const CloneImage& image = doc_->CurrentImage;
    context.signalingExtended = Version::HasFeature_1_90(image) && Model::DisplayType(image) != 0;
    if (view_) {
        if (HPainBaseDlg* pane = view_->ActivePane()) {
            // The grid counts as focused only while the focus is inside the pane.
            const wxWindow* focus = FindFocus();
            bool inside = false;
            for (const wxWindow* w = focus; w; w = w->GetParent())
                if (w == pane) inside = true;
            context.gridFocused = inside && pane->IsGridFocused();
            std::vector<PaneMenuItem> items;
            pane->AddPaneMenuItems(items);
            for (const auto& item : items) context.paneItems.emplace_back(item.id, item.text);
        }
    }
    return context;
}

void CMainFrame::RebuildMenuOnOpen() {
    const MenuContext context = RebuildContext();
    RebuildOnOpen(menu_, context);
    barContext_ = context;
    for (int index : {DropDown::Edit, DropDown::View, DropDown::Common, DropDown::Signaling, DropDown::Radio,
                      DropDown::Channel})
        RenderDropDown(index);
}

void CMainFrame::KeepMenusCurrent() {
    // The toolkit sizes a drop-down before it reports the opening, so entries
    // that change then would show in a menu of the old size: the drop-downs
    // follow the context (the grid's focus above all) as it changes instead.
    if (barOpen_ || !GetMenuBar()) return;
    if (barContext_ && *barContext_ == RebuildContext()) return;
    RebuildMenuOnOpen();
}

void CMainFrame::OnMenuOpen(wxMenuEvent& event) {
    event.Skip();
    // Only a drop-down of the bar as it opens; its sub-menus open inside it,
    // and context menus rebuild themselves.
    const wxMenu* menu = event.GetMenu();
    wxMenuBar* bar = GetMenuBar();
    if (bar && menu && !menu->GetParent() && menu->GetMenuBar() == bar) {
        // Usually nothing is left to change here (KeepMenusCurrent).
        RebuildMenuOnOpen();
        barOpen_ = true;
    }
}

void CMainFrame::OnContextMenu(wxContextMenuEvent& event) {
    // The active pane's grid asks for the Edit menu at the point it gives.
    HPainBaseDlg* pane = view_ ? view_->ActivePane() : nullptr;
    bool inside = false;
    for (auto* w = dynamic_cast<wxWindow*>(event.GetEventObject()); w && pane; w = w->GetParent())
        if (w == pane) inside = true;
    if (!inside) {
        event.Skip();
        return;
    }
    MenuModel edit;
    PopupMenu::Update(PopupMenu::ChannelGridMenu, edit, RebuildContext());
    wxMenu menu;
    AppendEntries(&menu, edit);
    const wxPoint point = event.GetPosition();
    // The chosen entry runs once the menu is gone and the grid has the focus
    // back: the Edit commands act only while it has.
    wxWindow* focus = FindFocus();
    const int chosen = GetPopupMenuSelectionFromUser(
        menu, point == wxDefaultPosition ? wxDefaultPosition : ScreenToClient(point));
    if (chosen == wxID_NONE) return;
    if (focus) focus->SetFocus();
    wxCommandEvent command(wxEVT_MENU, chosen);
    command.SetEventObject(this);
    ProcessWindowEvent(command);
}

// ---- states ---------------------------------------------------------------------------

bool CMainFrame::Available(int commandId) const {
    const CommandRow* row = FindCommand(commandId);
    if (!row) return false;
    switch (row->kind) {
        case CommandKind::FileConvert:
        case CommandKind::CommonDialog:
        case CommandKind::SignalingDialog:
        case CommandKind::GroupAllocation:
            return Screens::HasDialog(commandId);
        case CommandKind::MarketingShip:
            return static_cast<bool>(Screens::Ship().beginSequence);
        case CommandKind::Print:
            return static_cast<bool>(Screens::Print());
        case CommandKind::Configure:
            return Screens::HasConfigure();
        case CommandKind::VisibleItems:
            return static_cast<bool>(Screens::VisibleItems());
        case CommandKind::Upload:
            return Screens::HasRadioOperation(RadioRoads::OpUpload);
        case CommandKind::Download:
        case CommandKind::DownloadManu:
        case CommandKind::AlignmentRecovery:
            return Screens::HasRadioOperation(RadioRoads::OpDownload);
        case CommandKind::Alignment:
            return static_cast<bool>(Screens::Radio().alignment);
        case CommandKind::RadioOperation:
            return Screens::HasRadioOperation(commandId == Cmd::RadioDataRecovery
                                                  ? RadioRoads::OpRadioDataRecovery
                                                  : RadioRoads::OpAdjReturn);
        case CommandKind::ModelInfoImport:
            return static_cast<bool>(Screens::Ship().importModelInfo);
        case CommandKind::HelpFile: {
            // Offered only when there is a help to open and, for Get
            // Started, when it holds that topic (the default topic always opens).
            const auto& hooks = UiHooks::Current();
            if (!hooks.openHelp) return false;
            return commandId != Cmd::GetStarted || !hooks.hasHelpTopic ||
                   hooks.hasHelpTopic(kGetStartedTopic);
        }
        default:
            return true;
    }
}

CommandContext CMainFrame::StateContext() const {
    CommandContext context;
    context.serviceMode = AppState::ServiceMode();
    context.appMode = AppState::AppMode();
    context.available = [this](int id) { return Available(id); };
    if (view_) {
        context.columnLocked = [this](int column) { return view_->IsColumnLocked(column); };
        context.helpVisible = view_->HelpScreenVisible == 1;
        context.relatedVisible = view_->RelatedScreenVisible == 1;
    }
    context.toolBarShown = GetToolBar() && GetToolBar()->IsShown();
    context.statusBarShown = GetStatusBar() && GetStatusBar()->IsShown();
    return context;
}

std::optional<CommandState> CMainFrame::StateOf(int commandId) const {
    CommandContext context = StateContext();
    if (commandId >= Cmd::Font85 && commandId <= Cmd::Font150)
        context.storedFontRate = GetProfileString("FontSize", "SizeRate", "");
    return CommandStateOf(commandId, context);
}

void CMainFrame::OnUpdateCommand(wxUpdateUIEvent& event) {
    const auto state = StateOf(ProgramCommandId(event.GetId()));
    if (!state) {
        event.Skip();
        return;
    }
    event.Enable(state->enabled);
    if (state->checked && IsCheckCommand(ProgramCommandId(event.GetId()))) event.Check(*state->checked);
}

// ---- commands -------------------------------------------------------------------------------

void CMainFrame::OnCommand(wxCommandEvent& event) {
    RunCommand(ProgramCommandId(event.GetId()));
}

void CMainFrame::RunCommand(int id) {
    // A command its state disables does not run, whoever sends it.
    const auto state = StateOf(id);
    if (state && !state->enabled) return;
    const bool mainItem = id >= Cmd::MainItemRangeFirst && id <= Cmd::MainItemRangeLast;
    const CommandRow* row = FindCommand(id);
    if (!row && !mainItem) return;
    commandFocus_ = FindFocus();
    Roads roads(*this);
    switch (mainItem ? CommandKind::MainItem : row->kind) {
        case CommandKind::FileConvert:
        case CommandKind::CommonDialog:
        case CommandKind::GroupAllocation:
            RunDialogCommand(id, id, true);
            break;
        case CommandKind::SignalingDialog:
            RunDialogCommand(id, id, false);
            break;
        case CommandKind::MarketingShip: {
            const auto& ship = Screens::Ship();
            const bool running = ship.sequenceRunning && ship.sequenceRunning();
            if (AppState::AppMode() == AppModes::Ship && !running && ship.beginSequence)
                ship.beginSequence();
            else if (!RunDialogCommand(id, Cmd::Marketing, true))
                ShipMode::SequenceFlag() = 0;  // the ship sequence stops at a refused step
            break;
        }
        case CommandKind::Print: {
            const CloneImage snapshot = doc_->CurrentImage;
            if (const auto& print = Screens::Print()) print(this, snapshot, id);
            break;
        }
        case CommandKind::Configure:
            Screens::RunConfigure(this);
            UpdatePortLabel();
            break;
        case CommandKind::EditForward:
            ForwardEditCommand(id);
            break;
        case CommandKind::BarToggle:
            ToggleBar(id);
            break;
        case CommandKind::VisibleItems: {
            wxMenuBar* bar = GetMenuBar();
            wxMenu* view = bar ? bar->GetMenu(DropDown::View) : nullptr;
            wxMenuItem* items = view && view->GetMenuItemCount() > 3 ? view->FindItemByPosition(3) : nullptr;
            view_->ShowVisibleItemsDialog(items ? items->GetSubMenu() : nullptr);
            if (commandFocus_) commandFocus_->SetFocus();
            break;
        }
        case CommandKind::MainItem:
            view_->ToggleMainItem(id, true);
            break;
        case CommandKind::HelpPane: {
            const bool wasShown = view_->HelpScreenVisible == 1;
            view_->ToggleHelpScreen();
            RelayoutSideColumn();
            const auto& reload = Screens::Side().reloadTopic;
            if (!wasShown && view_->HelpScreenVisible == 1 && reload && view_->HelpPane())
                reload(view_->HelpPane());
            break;
        }
        case CommandKind::RelatedPane:
            view_->ToggleRelatedScreen();
            RelayoutSideColumn();
            break;
        case CommandKind::FontSize:
            SetFontRate(id);
            break;
        case CommandKind::AutoGridWidth: {
            auto* host = new wxPanel(this);
            host->Hide();
            AutoGridWidth::CreateAllPages(host, doc_->CurrentImage);
            host->Destroy();
            // While the flag is set the shown grids take the fitted widths
            // instead of saving their old ones over them.
            AutoGridWidth::AutoWidthFlag() = true;
            RefreshAllPanes();
            AutoGridWidth::AutoWidthFlag() = false;
            break;
        }
        case CommandKind::ResendToFocus:
            ResendToFocus(id);
            break;
        case CommandKind::Upload:
            RadioRoads::Upload(roads);
            break;
        case CommandKind::Download:
            RadioRoads::DownloadCommand(roads);
            break;
        case CommandKind::DownloadManu:
            RadioRoads::DownloadManuCommand(roads);
            break;
        case CommandKind::AlignmentMessage:
            ShowMessage(id == Cmd::BasicAlignment ? "Basic Alignment" : "CH Fine Alignment", {},
                        MsgStyle::Ok);
            break;
        case CommandKind::Alignment:
            RunAlignment();
            break;
        case CommandKind::AlignmentRecovery:
            RadioRoads::AlignmentRecovery(roads);
            break;
        case CommandKind::RadioOperation:
            RadioRoads::RadioOperation(roads, id);
            break;
        case CommandKind::FirmwareUpdate:
            LaunchFirmwareTool();
            break;
        case CommandKind::HelpFile:
            if (const auto& open = UiHooks::Current().openHelp)
                open(this, id == Cmd::GetStarted ? kGetStartedTopic : kHelpDefaultTopic);
            break;
        case CommandKind::ModelInfoImport:
            if (const auto& import = Screens::Ship().importModelInfo) import();
            break;
        case CommandKind::Language:
            if (CFileLanguageDlg::Run(this)) ApplyLanguage();
            break;
        case CommandKind::NoAction:
        case CommandKind::Document:
        case CommandKind::Framework:
        case CommandKind::About:
            break;
    }
}

bool CMainFrame::RunDialogCommand(int commandId, int screenId, bool refresh) {
    wxWeakRef<wxWindow> focus(FindFocus());
    CloneImage working = doc_->CurrentImage;
    const bool ok = Screens::RunDialog(screenId, this, working);
    if (ok) {
        doc_->CurrentImage = working;
        // A converted image is no longer the file's.
        if (commandId == Cmd::FileConvert) doc_->ClearPath();
        if (refresh) RefreshAllPanes();
    }
    if (focus) focus->SetFocus();
    return ok;
}

void CMainFrame::ForwardEditCommand(int commandId) {
    if (forwarding_) return;
    wxWindow* taken = FindFocus();
    if (!taken) return;
    if (auto* paneView = dynamic_cast<HPainBaseView*>(taken))
        taken = paneView->GetPane();
    else if (dynamic_cast<wxSplitterWindow*>(taken) || dynamic_cast<HSplitterWnd*>(taken))
        return;
    if (!taken) return;
    wxWindow* target = view_ && taken == view_->ActivePane() ? taken : taken->GetParent();
    if (!target) return;
    wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
    command.SetEventObject(target);
    forwarding_ = true;
    target->ProcessWindowEventLocally(command);
    forwarding_ = false;
}

void CMainFrame::ResendToFocus(int commandId) {
    wxWindow* focus = FindFocus();
    if (forwarding_ || !focus) return;
    wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
    command.SetEventObject(focus);
    forwarding_ = true;
    focus->ProcessWindowEvent(command);
    forwarding_ = false;
}

void CMainFrame::ToggleBar(int commandId) {
    wxWindow* bar = commandId == Cmd::ToolBar ? static_cast<wxWindow*>(GetToolBar())
                                              : static_cast<wxWindow*>(GetStatusBar());
    if (!bar) return;
    bar->Show(!bar->IsShown());
    SendSizeEvent();
    WriteProfileInt(commandId == Cmd::ToolBar ? "ToolBar" : "StatusBar", "Visible", bar->IsShown() ? 1 : 0);
}

void CMainFrame::SetFontRate(int commandId) {
    const float rate = RateOfFontCommand(commandId);
    if (static_cast<float>(WindowPlacement::LoadFontSize()) != rate) WindowPlacement::SaveFontSize(rate);
    RefreshAllPanes();
}

void CMainFrame::RunAlignment() {
    const auto& alignment = Screens::Radio().alignment;
    if (!alignment) return;
    CloneImage working = doc_->CurrentImage;
    if (!alignment(this, working)) return;
    doc_->CurrentImage = working;
    doc_->ClearPath();
    RefreshAllPanes();
    RestoreGridFocus();
    AppState::ClearEditStateFlags();
    CloneImageOps::ClearMdc1200OverWriteFlags();
}
