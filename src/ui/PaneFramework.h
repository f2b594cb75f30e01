#pragma once
// The panes of the main window. A pane (HPainBaseDlg) is a panel built from
// its dialog template and hosted in a scroll view (HPainBaseView) that gives
// it the pane's room, never less than the size it was designed at, and has it
// re-read the clone image whenever the document changes. HPaneSplitterView
// hosts a two-row division (pane selector over the active pane), and
// HSplitterWnd is the static splitter of the main window: a fixed number of
// panes in one row or one column, bars that can be locked, and ideal and
// minimum sizes per pane. AutoGridWidth is the interface of every grid screen
// that fits its column widths.
//
// PaneHost is what panes of other folders may ask of the main view without
// linking the application: the image, the other panes, the help panes and the
// View menu's column groups.
#include <wx/panel.h>
#include <wx/scrolbar.h>
#include <wx/scrolwin.h>
#include <wx/splitter.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "image/CloneImage.h"

// The main window's private requests, posted by panes to their top-level
// window: rebuild the pane selector; replace the active middle pane by a new
// pane of the kind in the event's int; a request that is only swallowed.
wxDECLARE_EVENT(EVT_PANE_SELECTOR_REBUILD, wxCommandEvent);
wxDECLARE_EVENT(EVT_PANE_REPLACE_ACTIVE, wxCommandEvent);
wxDECLARE_EVENT(EVT_PANE_SWALLOWED, wxCommandEvent);

// Posts `type` (with `value` as its int) to the top-level window of `from`.
void PostToMainWindow(wxWindow* from, wxEventType type, int value = 0);

namespace PaneKind {
inline constexpr int Base = 0, ChannelGrid = 1;
}
// How a view shows the pane it is given.
namespace ShowCommand {
inline constexpr int Hide = 0, Show = 5;
}

// One entry a pane adds to a menu.
struct PaneMenuItem {
    int id;
    std::string text;
};

class HPainBaseDlg : public wxPanel {
  public:
    HPainBaseDlg() = default;
    ~HPainBaseDlg() override;

    // Creates the pane's window in `parent` from its template: the controls
    // first, then the initialisation. False when the window cannot be made.
    bool CreatePane(wxWindow* parent, int templateId);
    int TemplateId() const { return templateId_; }
    // The size the pane was laid out at when initialised: the least room it
    // is ever given while its view scrolls.
    wxSize MinimumSize() const { return minimum_; }

    // The pane's operations; the base does nothing.
    virtual int GetPaneKind() const { return PaneKind::Base; }
    virtual void RefreshFromImage() {}
    virtual void OnSelectionChanged() {}
    virtual void RebuildGrid() {}
    virtual int GetRowIndex(int /*gridRow*/) const { return 0; }
    virtual int GetCurrentIndex() const { return 0; }
    // State byte of a grid column in the current service mode.
    virtual int GetColumnState(int /*column*/) const { return 0; }
    virtual void SelectNext() {}
    virtual void SelectPrevious() {}
    virtual void UpdateGridRow(int /*row*/, int /*flag*/) {}
    // The group grid: whether the channel cell of its first selected row is
    // empty, and the assigning of a channel to that row.
    virtual bool IsFirstSelectedChannelEmpty() const { return false; }
    virtual void AssignChannelToSelection(int /*channel*/) {}
    // The record with that index changed elsewhere.
    virtual void OnIndexChanged(int /*index*/) {}
    // The focus is in the pane's grid and no cell editor is open.
    virtual bool IsGridFocused() const { return false; }
    virtual void AddPaneMenuItems(std::vector<PaneMenuItem>& /*items*/) const {}
    virtual bool IsColumnEditable(int /*column*/) const { return false; }
    // Puts the focus back into the pane after file and radio operations.
    virtual void RestoreFocus() {}

  protected:
    // The template's controls, created as children of the pane.
    virtual void BuildControls() {}
    // Records the minimum size; subclasses call it first.
    virtual bool OnInitDialog();

  private:
    int templateId_ = 0;
    wxSize minimum_;
};

class HPainBaseView : public wxScrolledWindow {
  public:
    HPainBaseView(wxWindow* parent, wxWindowID id = wxID_ANY, const wxSize& initialSize = wxDefaultSize);
    ~HPainBaseView() override;

    // Destroys the pane held before, creates `pane` (owned from now on) in
    // the view from its template and shows it by the show command. A shown,
    // scrollable pane scrolls within its minimum size; a shown pane that does
    // not scroll is fitted to the view; a hidden one leaves a 10 x 10 range.
    virtual void SetPane(HPainBaseDlg* pane, int templateId, int showCommand = ShowCommand::Show,
                         bool scrollable = true);
    // Gives the pane the view's room of cx x cy, never less than its minimum
    // while it scrolls.
    virtual void ResizePane(int cx, int cy);
    virtual HPainBaseDlg* GetPane() const { return pane_; }
    // The document changed: the pane re-reads the image.
    virtual void OnUpdate();

    bool IsScrollable() const { return scrollable_; }

  private:
    void OnSize(wxSizeEvent& event);

    HPainBaseDlg* pane_ = nullptr;
    bool scrollable_ = true;
};

class HSplitterWnd;

// A pane view divided in two rows: the top row and the row that takes the
// view's pane operations once the division exists.
class HPaneSplitterView : public HPainBaseView {
  public:
    HPaneSplitterView(wxWindow* parent, wxWindowID id = wxID_ANY, const wxSize& initialSize = wxDefaultSize);

    void SetPane(HPainBaseDlg* pane, int templateId, int showCommand = ShowCommand::Show,
                 bool scrollable = true) override;
    void ResizePane(int cx, int cy) override;
    HPainBaseDlg* GetPane() const override;
    void OnUpdate() override;

    HSplitterWnd* Splitter() const { return splitter_; }
    HPainBaseView* RowView(int row) const;

    // Set once a pane splitter has been created in this process.
    static bool SplitterCreated();

  private:
    wxPanel* _innerFrame = nullptr;
    HSplitterWnd* splitter_ = nullptr;
    std::array<HPainBaseView*, 2> rows_{};
};

// A static splitter: `rows` x `cols` panes with one of them 1, built from
// nested wxSplitterWindows. Pane i is created in PaneParent(i) and handed to
// SetPane; RecalcLayout gives each pane its ideal size in order (an ideal
// below the pane's minimum hides the pane) and the last pane the rest.
class HSplitterWnd : public wxPanel {
  public:
    static constexpr int MaxBars = 14;

    HSplitterWnd(wxWindow* parent, int rows, int cols, wxWindowID id = wxID_ANY);

    int Rows() const { return vertical_ ? 1 : count_; }
    int Cols() const { return vertical_ ? count_ : 1; }

    wxWindow* PaneParent(int row, int col) const;
    void SetPane(int row, int col, wxWindow* pane);
    wxWindow* GetPane(int row, int col) const;

    // Sizes along the division (widths of columns, heights of rows). The
    // current size of a hidden pane is 0.
    void SetColumnInfo(int col, int ideal, int minimum);
    void GetColumnInfo(int col, int& current, int& minimum) const;
    void SetRowInfo(int row, int ideal, int minimum);
    void GetRowInfo(int row, int& current, int& minimum) const;
    // Every pane's current size, in order.
    std::vector<int> CurrentSizes() const;
    // Applies the ideal sizes.
    void RecalcLayout();
    // Width of bar `bar` (between pane bar and pane bar + 1).
    int BarSize(int bar) const;
    // The splitter has been given its size (the ideal sizes are applied).
    bool IsSized() const { return sized_; }

    // Lock flags: a bar that is not movable cannot be dragged.
    void SetColumnBarMovable(int bar, bool movable);
    bool IsColumnBarMovable(int bar) const;
    void SetRowBarMovable(int bar, bool movable);
    bool IsRowBarMovable(int bar) const;

    // Rows that a row drag never takes space from.
    void SetRowList(std::vector<int> rows) { rowList_ = std::move(rows); }
    const std::vector<int>& RowList() const { return rowList_; }
    // Told the size difference and the row whenever a row bar is dragged,
    // before the drag is applied.
    using RowTrackHook = std::function<void(int difference, HSplitterWnd& splitter, int row)>;
    void SetRowTrackHook(RowTrackHook hook) { rowTrackHook_ = std::move(hook); }

    // The pane that takes a change of the splitter's size while every pane
    // has its ideal size; without one (-1) the last pane takes it.
    void SetStretchPane(int index) { stretch_ = index; }

    // A drag of bar `bar` to `position` (pixels from the start of the pane
    // before it), with the rules of a mouse drag: the new position, or -1
    // when the bar is locked.
    int TrackBar(int bar, int position);

  private:
    int Index(int row, int col) const { return vertical_ ? col : row; }
    bool IsBarMovable(int bar) const;
    int Extent() const;
    int ClampBar(int bar, int position) const;
    void OnSashChanging(wxSplitterEvent& event);
    void OnSashChanged(wxSplitterEvent& event);
    void OnSize(wxSizeEvent& event);

    bool vertical_;
    int count_;
    std::vector<wxSplitterWindow*> chain_;
    std::vector<wxWindow*> panes_;
    std::vector<int> ideal_, minimum_;
    std::vector<bool> hiddenByRequest_;  // an ideal size of 0 was asked for
    std::array<bool, MaxBars> colMovable_{}, rowMovable_{};
    std::vector<int> rowList_;
    RowTrackHook rowTrackHook_;
    int stretch_ = -1;
    int lastExtent_ = 0;
    bool sized_ = false;  // the splitter has been given its size
    bool fits_ = false;   // the last layout gave every pane its ideal size
};

// A scroll bar that lets its parent see the focus arrive.
class HScrollBar : public wxScrollBar {
  public:
    HScrollBar() = default;
    HScrollBar(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
               const wxSize& size = wxDefaultSize, long style = wxSB_HORIZONTAL);

  private:
    void OnFocus(wxFocusEvent& event);
};

// Every grid screen: fits its column widths to their texts and keeps them.
class AutoGridWidth {
  public:
    virtual ~AutoGridWidth() = default;
    virtual void FitColumnWidths() {}

    // Set while every grid page is built to fit its widths.
    static bool& AutoWidthFlag();

    // A grid page made for one fitting: `parent` hosts it (hidden), `image`
    // is what it shows. The caller fits and destroys it.
    struct Page {
        HPainBaseDlg* pane = nullptr;  // the window, when the page is a pane
        AutoGridWidth* fitter = nullptr;
    };
    using PageFactory = std::function<Page(wxWindow* parent, CloneImage& image)>;
    // Grid screens add their page once; CreateAllPages builds each in order.
    static void RegisterPage(PageFactory factory);
    // The page of a grid pane: a hidden `Pane` made from the image (an
    // HPainBaseDlg and AutoGridWidth with its template id IDD).
    template <class Pane>
    static void RegisterPane() {
        RegisterPage([](wxWindow* parent, CloneImage& image) {
            auto* pane = new Pane(image);
            pane->Hide();
            if (!pane->CreatePane(parent, Pane::IDD)) {
                delete pane;
                return Page{};
            }
            return Page{pane, pane};
        });
    }
    static std::size_t RegisteredPages();
    // Builds every registered page with the image, fits each and destroys it,
    // with the auto-width flag set meanwhile.
    static void CreateAllPages(wxWindow* parent, CloneImage& image);
};

// What panes may ask of the main view.
class PaneHost {
  public:
    virtual ~PaneHost() = default;
    // The document's current image.
    virtual CloneImage& Image() = 0;
    virtual HPainBaseDlg* PaneSelector() const = 0;
    virtual HPainBaseDlg* ActivePane() const = 0;
    // The group chosen in the pane selector; 0 when none is chosen.
    virtual int SelectedGroup() const = 0;
    // The help-topics pane shows the topic of that RID.
    virtual void ShowHelpForRID(int dialogId, int controlId, int sub = 0) = 0;
    // The related-items pane shows the items of that dialog and column.
    virtual void ShowRelatedItems(int dialogId, int column) = 0;
    virtual void RefreshAllPanes() = 0;
};
// The main view once it exists; null before and after.
PaneHost* MainPaneHost();
void SetMainPaneHost(PaneHost* host);
