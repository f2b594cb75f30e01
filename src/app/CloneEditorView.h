#pragma once
// The document's main view: the pane view in the main window's first pane,
// through which every screen reaches the document and the panes. It keeps
// the five pane slots the main frame fills, and carries the View menu's
// operations: column groups of the channel grid, the column choice dialog,
// the help-topics and related-items panes and the font-size rate.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/MenuCommands.h"
#include "ui/PaneFramework.h"

class CCloneEditorDoc;
class wxMenu;
class CVSFlexGrid;

class CCloneEditorView : public HPainBaseView, public PaneHost {
  public:
    // Registers itself as the main view.
    CCloneEditorView(wxWindow* parent, CCloneEditorDoc& document, const wxSize& initialSize = wxDefaultSize);
    ~CCloneEditorView() override;

    CCloneEditorDoc& Document() { return document_; }

    // Pane slots: not owned; each pane belongs to the view that hosts it.
    HPainBaseDlg* MainInfoPane() const { return mainInfo_; }
    HPainBaseDlg* HelpPane() const { return helpPane_; }
    HPainBaseDlg* RelatedPane() const { return relatedPane_; }
    void SetMainInfoPane(HPainBaseDlg* pane) { mainInfo_ = pane; }
    void SetPaneSelector(HPainBaseDlg* pane) { selector_ = pane; }
    void SetActivePane(HPainBaseDlg* pane) { active_ = pane; }
    void SetHelpPane(HPainBaseDlg* pane) { helpPane_ = pane; }
    // The related-items pane is built when it is first shown, by `make`;
    // the items asked for meanwhile are shown in it then.
    void SetRelatedPaneMaker(std::function<HPainBaseDlg*()> make) { makeRelated_ = std::move(make); }
    HPainBaseDlg* EnsureRelatedPane();
    // The views of the side column's two rows, whose visibility the toggles
    // read.
    void SetSideViews(wxWindow* helpView, wxWindow* relatedView);

    int HelpScreenVisible = 1;
    int RelatedScreenVisible = 0;

    // Font-size entries: checked by the stored rate.
    bool IsFontCommandChecked(int commandId) const;
    // Column groups of the channel grid.
    CommandState UpdateMainItemCommand(int commandId) const;
    // Whether the channel grid's rules keep a column hidden.
    bool IsColumnLocked(int column) const;
    void ToggleMainItem(int commandId, bool toggle);
    // The column choice dialog over the "Main Items" sub-menu's entries.
    void ShowVisibleItemsDialog(wxMenu* mainItems);
    void ToggleHelpScreen();
    void ToggleRelatedScreen();

    // The channel grid pane's grid, when it has one.
    CVSFlexGrid* ChannelGrid() const;

    // Set by the frame: refreshes every pane from the image.
    void SetRefreshAll(std::function<void()> refresh) { refreshAll_ = std::move(refresh); }

    // PaneHost
    CloneImage& Image() override;
    HPainBaseDlg* PaneSelector() const override { return selector_; }
    HPainBaseDlg* ActivePane() const override { return active_; }
    int SelectedGroup() const override;
    void ShowHelpForRID(int dialogId, int controlId, int sub = 0) override;
    void ShowRelatedItems(int dialogId, int column) override;
    void RefreshAllPanes() override;

    // The group selector pane's group, as it reports it.
    std::function<int()> SelectedGroupSource;

  private:
    CCloneEditorDoc& document_;
    HPainBaseDlg* mainInfo_ = nullptr;
    HPainBaseDlg* selector_ = nullptr;
    HPainBaseDlg* active_ = nullptr;
    HPainBaseDlg* helpPane_ = nullptr;
    HPainBaseDlg* relatedPane_ = nullptr;
    wxWindow* helpView_ = nullptr;
    wxWindow* relatedView_ = nullptr;
    std::function<void()> refreshAll_;
    std::function<HPainBaseDlg*()> makeRelated_;
    // The last items asked for before the related-items pane was built.
    struct RelatedRequest {
        int dialogId = 0, column = 0;
    };
    std::optional<RelatedRequest> pendingRelated_;
};

// The channel grid's control id in its pane.
inline constexpr int ChannelGridControlId = 1063;
