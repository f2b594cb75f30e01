#include "app/CloneEditorView.h"

#include <wx/menu.h>

#include "app/CloneEditorDoc.h"
#include "app/CommandIds.h"
#include "app/ScreenRegistry.h"
#include "image/Model.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"
#include "ui/Restraction.h"
#include "ui/VSFlexGrid.h"

namespace {

// Shown within its frame: the window and every parent below the top level.
bool VisibleInFrame(const wxWindow* window) {
    for (; window && !window->IsTopLevel(); window = window->GetParent())
        if (!window->IsShown()) return false;
    return window != nullptr;
}

// The View menu's column choice reads at most this many entries.
constexpr std::size_t kMaxVisibleEntries = 30;

}  // namespace

CCloneEditorView::CCloneEditorView(wxWindow* parent, CCloneEditorDoc& document, const wxSize& initialSize)
    : HPainBaseView(parent, wxID_ANY, initialSize), document_(document) {
    HelpScreenVisible = GetProfileInt("HelpScreen", "Visible", 1);
    RelatedScreenVisible = GetProfileInt("RelatedScreen", "Visible", 0);
    SetMainPaneHost(this);
}

CCloneEditorView::~CCloneEditorView() {
    if (MainPaneHost() == this) SetMainPaneHost(nullptr);
}

void CCloneEditorView::SetSideViews(wxWindow* helpView, wxWindow* relatedView) {
    helpView_ = helpView;
    relatedView_ = relatedView;
}

CloneImage& CCloneEditorView::Image() {
    return document_.CurrentImage;
}

int CCloneEditorView::SelectedGroup() const {
    return SelectedGroupSource ? SelectedGroupSource() : 0;
}

bool CCloneEditorView::IsFontCommandChecked(int commandId) const {
    return ::IsFontCommandChecked(GetProfileString("FontSize", "SizeRate", ""), commandId);
}

CVSFlexGrid* CCloneEditorView::ChannelGrid() const {
    if (!active_) return nullptr;
    return dynamic_cast<CVSFlexGrid*>(active_->FindWindow(ChannelGridControlId));
}

bool CCloneEditorView::IsColumnLocked(int column) const {
    if (!active_ || active_->GetPaneKind() != PaneKind::ChannelGrid) return false;
    const int state = active_->GetColumnState(column);
    if (state == RestrictionState::Hide || state == RestrictionState::HideToo) return true;
    // The name tag column under its rule: hidden for radios without a display.
    return column == 3 && state == RestrictionState::CheckUnconditional &&
           Model::IsPlainKind(document_.CurrentImage);
}

CommandState CCloneEditorView::UpdateMainItemCommand(int commandId) const {
    CommandContext context;
    context.columnLocked = [this](int column) { return IsColumnLocked(column); };
    return CommandStateOf(commandId, context).value_or(CommandState{false, false});
}

void CCloneEditorView::ToggleMainItem(int commandId, bool toggle) {
    if (!active_ || !active_->IsShown()) return;
    MainItemRow* row = MainItems::Row(commandId);
    if (!row) return;
    if (toggle) row->visible = row->visible ? 0 : 1;
    CVSFlexGrid* grid = ChannelGrid();
    if (!grid) return;
    for (int column : row->columns) {
        const int state = active_->GetColumnState(column);
        if (state == RestrictionState::Hide || state == RestrictionState::HideToo)
            grid->SetColHidden(column, true);
        else if (column != 0)
            grid->SetColHidden(column, row->visible == 0);
    }
    // The leading columns up to the name tag stay in view while scrolling.
    int frozen = grid->GetFixedCols();
    if (active_->GetPaneKind() == PaneKind::ChannelGrid)
        for (int column = grid->GetFixedCols(); column <= 3 && column < grid->GetCols(); ++column)
            if (!grid->GetColHidden(column)) frozen = column + 1;
    grid->SetFrozenCols(frozen);
}

void CCloneEditorView::ShowVisibleItemsDialog(wxMenu* mainItems) {
    const auto& dialog = Screens::VisibleItems();
    if (!mainItems || !dialog) return;
    std::vector<Screens::VisibleEntry> entries;
    for (std::size_t i = 2; i < mainItems->GetMenuItemCount() && entries.size() < kMaxVisibleEntries; ++i) {
        const wxMenuItem* item = mainItems->FindItemByPosition(i);
        if (!item || item->IsSeparator() || item->IsSubMenu()) continue;
        entries.push_back({std::string(item->GetItemLabel().utf8_str()), item->IsChecked(),
                           ProgramCommandId(item->GetId()), item->IsEnabled()});
    }
    const auto before = entries;
    dialog(this, entries);
    for (std::size_t i = 0; i < entries.size(); ++i)
        ToggleMainItem(entries[i].id, entries[i].checked != before[i].checked);
}

void CCloneEditorView::ToggleHelpScreen() {
    const bool show = HelpScreenVisible != 1;
    if (helpPane_) helpPane_->Show(show);
    HelpScreenVisible = show ? 1 : 0;
    WriteProfileInt("HelpScreen", "Visible", HelpScreenVisible);
}

HPainBaseDlg* CCloneEditorView::EnsureRelatedPane() {
    if (relatedPane_ || !makeRelated_) return relatedPane_;
    relatedPane_ = makeRelated_();
    if (relatedPane_ && pendingRelated_) ShowRelatedItems(pendingRelated_->dialogId, pendingRelated_->column);
    pendingRelated_.reset();
    return relatedPane_;
}

void CCloneEditorView::ToggleRelatedScreen() {
    // The related pane goes by what is on the screen, not by its flag.
    const bool shown = relatedView_ ? VisibleInFrame(relatedView_) : RelatedScreenVisible == 1;
    if (!shown) EnsureRelatedPane();
    if (relatedPane_) relatedPane_->Show(!shown);
    RelatedScreenVisible = shown ? 0 : 1;
    WriteProfileInt("RelatedScreen", "Visible", RelatedScreenVisible);
}

void CCloneEditorView::ShowHelpForRID(int dialogId, int controlId, int sub) {
    const auto& show = Screens::Side().showTopic;
    if (helpPane_ && show) show(helpPane_, dialogId, controlId, sub);
}

void CCloneEditorView::ShowRelatedItems(int dialogId, int column) {
    if (!relatedPane_) {
        pendingRelated_ = RelatedRequest{dialogId, column};
        return;
    }
    const auto& show = Screens::Side().showRelated;
    if (show) show(relatedPane_, dialogId, column);
}

void CCloneEditorView::RefreshAllPanes() {
    if (refreshAll_) refreshAll_();
}
