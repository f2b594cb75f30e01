#include "ui/PaneFramework.h"

#include <wx/app.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include <algorithm>

wxDEFINE_EVENT(EVT_PANE_SELECTOR_REBUILD, wxCommandEvent);
wxDEFINE_EVENT(EVT_PANE_REPLACE_ACTIVE, wxCommandEvent);
wxDEFINE_EVENT(EVT_PANE_SWALLOWED, wxCommandEvent);

void PostToMainWindow(wxWindow* from, wxEventType type, int value) {
    wxWindow* top = from ? wxGetTopLevelParent(from) : nullptr;
    if (!top && wxTheApp) top = wxTheApp->GetTopWindow();
    if (!top) return;
    auto* event = new wxCommandEvent(type);
    event->SetInt(value);
    wxQueueEvent(top, event);
}

// ---- HPainBaseDlg -------------------------------------------------------------

HPainBaseDlg::~HPainBaseDlg() = default;

bool HPainBaseDlg::CreatePane(wxWindow* parent, int templateId) {
    templateId_ = templateId;
    if (!wxPanel::Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE))
        return false;
    BuildControls();
    return OnInitDialog();
}

bool HPainBaseDlg::OnInitDialog() {
    // The template's size is what its controls need at the screen's font.
    if (wxSizer* sizer = GetSizer()) {
        sizer->Layout();
        minimum_ = sizer->GetMinSize();
        SetSize(minimum_);
    } else {
        minimum_ = GetSize();
    }
    return true;
}

// ---- HPainBaseView ------------------------------------------------------------

namespace {
// The scroll range of a view that has nothing to scroll.
const wxSize kNoScroll(10, 10);
bool g_paneSplitterCreated = false;
PaneHost* g_mainPaneHost = nullptr;
}  // namespace

HPainBaseView::HPainBaseView(wxWindow* parent, wxWindowID id, const wxSize& initialSize)
    : wxScrolledWindow(parent, id, wxDefaultPosition, initialSize, wxHSCROLL | wxVSCROLL | wxBORDER_NONE) {
    // The initial size is where the view starts, not a least size: the
    // splitter that holds the view decides its room.
    SetMinSize(wxDefaultSize);
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    SetScrollRate(8, 8);
    SetVirtualSize(kNoScroll);
    Bind(wxEVT_SIZE, &HPainBaseView::OnSize, this);
}

HPainBaseView::~HPainBaseView() = default;

void HPainBaseView::SetPane(HPainBaseDlg* pane, int templateId, int showCommand, bool scrollable) {
    if (pane_) {
        pane_->Destroy();
        pane_ = nullptr;
    }
    if (!pane) return;
    if (!pane->CreatePane(this, templateId)) {
        delete pane;
        return;
    }
    pane_ = pane;
    scrollable_ = scrollable;
    const bool shown = showCommand == ShowCommand::Show;
    pane_->Show(shown);
    SetVirtualSize(shown && scrollable ? pane_->MinimumSize() : kNoScroll);
    const wxSize client = GetClientSize();
    ResizePane(client.x, client.y);
}

void HPainBaseView::ResizePane(int cx, int cy) {
    if (!pane_) return;
    if (scrollable_) {
        const wxSize minimum = pane_->MinimumSize();
        cx = std::max(cx, minimum.x);
        cy = std::max(cy, minimum.y);
        Scroll(0, 0);
    }
    pane_->SetSize(0, 0, cx, cy);
    Refresh();
}

void HPainBaseView::OnUpdate() {
    if (pane_) pane_->RefreshFromImage();
}

void HPainBaseView::OnSize(wxSizeEvent& event) {
    event.Skip();
    const wxSize client = GetClientSize();
    ResizePane(client.x, client.y);
}

// ---- HPaneSplitterView ----------------------------------------------------------

HPaneSplitterView::HPaneSplitterView(wxWindow* parent, wxWindowID id, const wxSize& initialSize)
    : HPainBaseView(parent, id, initialSize) {
    _innerFrame = new wxPanel(this, wxID_ANY);
    splitter_ = new HSplitterWnd(_innerFrame, 2, 1);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(splitter_, 1, wxEXPAND);
    _innerFrame->SetSizer(sizer);
    for (int row = 0; row < 2; ++row) {
        rows_[row] = new HPainBaseView(splitter_->PaneParent(row, 0));
        splitter_->SetPane(row, 0, rows_[row]);
    }
    // The top row holds the pane selector: it keeps its height when the
    // view grows.
    splitter_->SetRowInfo(0, 25, 25);
    splitter_->SetRowInfo(1, 150, 0);
    splitter_->RecalcLayout();
    g_paneSplitterCreated = true;
    PostToMainWindow(this, EVT_PANE_SELECTOR_REBUILD);
}

bool HPaneSplitterView::SplitterCreated() {
    return g_paneSplitterCreated;
}

HPainBaseView* HPaneSplitterView::RowView(int row) const {
    return row >= 0 && row < 2 ? rows_[row] : nullptr;
}

void HPaneSplitterView::SetPane(HPainBaseDlg* pane, int templateId, int showCommand, bool scrollable) {
    rows_[1]->SetPane(pane, templateId, showCommand, scrollable);
}

void HPaneSplitterView::ResizePane(int cx, int cy) {
    if (_innerFrame) _innerFrame->SetSize(0, 0, cx, cy);
}

HPainBaseDlg* HPaneSplitterView::GetPane() const {
    return rows_[1]->GetPane();
}

void HPaneSplitterView::OnUpdate() {
    rows_[1]->OnUpdate();
}

// ---- HSplitterWnd ---------------------------------------------------------------

HSplitterWnd::HSplitterWnd(wxWindow* parent, int rows, int cols, wxWindowID id)
    : wxPanel(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxTAB_TRAVERSAL),
      vertical_(rows == 1 && cols > 1),
      count_(std::max(2, vertical_ ? cols : rows)) {
    colMovable_.fill(true);
    rowMovable_.fill(true);
    wxWindow* host = this;
    for (int i = 0; i + 1 < count_; ++i) {
        auto* splitter = new wxSplitterWindow(host, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                              wxSP_LIVE_UPDATE | wxSP_3DSASH);
        // A pane never vanishes by a drag or a double click on its bar.
        splitter->SetMinimumPaneSize(1);
        splitter->SetSashGravity(0.0);
        splitter->Bind(wxEVT_SPLITTER_SASH_POS_CHANGING, &HSplitterWnd::OnSashChanging, this);
        splitter->Bind(wxEVT_SPLITTER_SASH_POS_CHANGED, &HSplitterWnd::OnSashChanged, this);
        splitter->Bind(wxEVT_SPLITTER_DOUBLECLICKED, [](wxSplitterEvent& event) { event.Veto(); });
        splitter->Bind(wxEVT_SPLITTER_UNSPLIT, [](wxSplitterEvent&) {});
        chain_.push_back(splitter);
        host = splitter;
    }
    panes_.assign(count_, nullptr);
    ideal_.assign(count_, -1);
    minimum_.assign(count_, 0);
    hiddenByRequest_.assign(count_, false);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(chain_.front(), 1, wxEXPAND);
    SetSizer(sizer);
    Bind(wxEVT_SIZE, &HSplitterWnd::OnSize, this);
}

wxWindow* HSplitterWnd::PaneParent(int row, int col) const {
    const int i = Index(row, col);
    if (i < 0 || i >= count_) return nullptr;
    return chain_[std::min(i, count_ - 2)];
}

void HSplitterWnd::SetPane(int row, int col, wxWindow* pane) {
    const int i = Index(row, col);
    if (i < 0 || i >= count_) return;
    panes_[i] = pane;
    if (pane && ideal_[i] < 0) ideal_[i] = vertical_ ? pane->GetSize().x : pane->GetSize().y;
}

wxWindow* HSplitterWnd::GetPane(int row, int col) const {
    const int i = Index(row, col);
    return i >= 0 && i < count_ ? panes_[i] : nullptr;
}

void HSplitterWnd::SetColumnInfo(int col, int ideal, int minimum) {
    // Across the division the one column always has the whole width.
    if (!vertical_ || col < 0 || col >= count_) return;
    ideal_[col] = ideal;
    minimum_[col] = std::max(0, minimum);
    hiddenByRequest_[col] = ideal <= 0 || ideal < minimum;
}

void HSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const {
    if (!vertical_) {
        current = GetClientSize().x;
        minimum = 0;
        return;
    }
    const auto sizes = CurrentSizes();
    current = col >= 0 && col < count_ ? sizes[col] : 0;
    minimum = col >= 0 && col < count_ ? minimum_[col] : 0;
}

void HSplitterWnd::SetRowInfo(int row, int ideal, int minimum) {
    if (vertical_ || row < 0 || row >= count_) return;
    ideal_[row] = ideal;
    minimum_[row] = std::max(0, minimum);
    hiddenByRequest_[row] = ideal <= 0 || ideal < minimum;
}

void HSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const {
    if (vertical_) {
        current = GetClientSize().y;
        minimum = 0;
        return;
    }
    const auto sizes = CurrentSizes();
    current = row >= 0 && row < count_ ? sizes[row] : 0;
    minimum = row >= 0 && row < count_ ? minimum_[row] : 0;
}

std::vector<int> HSplitterWnd::CurrentSizes() const {
    std::vector<int> sizes(count_, 0);
    for (int i = 0; i < count_; ++i) {
        const wxWindow* pane = panes_[i];
        if (!pane || !pane->IsShown()) continue;
        bool visible = true;
        for (int j = 1; j <= std::min(i, count_ - 2); ++j) visible = visible && chain_[j]->IsShown();
        if (!visible) continue;
        sizes[i] = vertical_ ? pane->GetSize().x : pane->GetSize().y;
    }
    return sizes;
}

int HSplitterWnd::Extent() const {
    const wxSize size = GetClientSize();
    return vertical_ ? size.x : size.y;
}

int HSplitterWnd::BarSize(int bar) const {
    return bar >= 0 && bar + 1 < count_ ? chain_[bar]->GetSashSize() : 0;
}

void HSplitterWnd::RecalcLayout() {
    for (const wxWindow* pane : panes_)
        if (!pane) return;
    // Until the splitter has its size, the ideal sizes wait.
    if (!sized_) return;
    Layout();
    const int total = Extent();
    if (total <= 0) return;
    std::vector<int> target(count_, 0);
    int rest = total;
    for (int i = 0; i + 1 < count_; ++i) {
        int size = ideal_[i] < minimum_[i] || ideal_[i] <= 0 ? 0 : ideal_[i];
        if (size > 0) {
            if (size >= rest - BarSize(i)) {
                // The pane takes all that is left; the panes after it vanish.
                size = rest;
                rest = 0;
            } else {
                rest -= size + BarSize(i);
            }
        }
        target[i] = size;
    }
    target[count_ - 1] = std::max(0, rest);
    fits_ = true;
    for (int i = 0; i + 1 < count_; ++i)
        fits_ = fits_ && target[i] == (ideal_[i] < minimum_[i] ? 0 : ideal_[i]);

    for (int i = 0; i + 1 < count_; ++i) {
        wxSplitterWindow* splitter = chain_[i];
        wxWindow* one = panes_[i];
        wxWindow* two = i + 2 == count_ ? panes_[count_ - 1] : chain_[i + 1];
        const bool hideOne = target[i] == 0;
        const bool hideTwo = i + 2 == count_ && target[count_ - 1] == 0 && !hideOne;
        if (!hideOne && !hideTwo) {
            if (!splitter->IsSplit()) {
                if (splitter->GetWindow1() && splitter->GetWindow1() != one && splitter->GetWindow1() != two)
                    splitter->GetWindow1()->Hide();
                if (vertical_)
                    splitter->SplitVertically(one, two, target[i]);
                else
                    splitter->SplitHorizontally(one, two, target[i]);
            }
            splitter->SetSashPosition(target[i], true);
        } else {
            wxWindow* keep = hideOne ? two : one;
            wxWindow* drop = hideOne ? one : two;
            if (splitter->IsSplit())
                splitter->Unsplit(drop);
            else if (splitter->GetWindow1() != keep)
                splitter->Initialize(keep);
            drop->Hide();
            keep->Show();
        }
    }
}

void HSplitterWnd::SetColumnBarMovable(int bar, bool movable) {
    if (bar >= 0 && bar < MaxBars) colMovable_[bar] = movable;
}
bool HSplitterWnd::IsColumnBarMovable(int bar) const {
    return bar >= 0 && bar < MaxBars && colMovable_[bar];
}
void HSplitterWnd::SetRowBarMovable(int bar, bool movable) {
    if (bar >= 0 && bar < MaxBars) rowMovable_[bar] = movable;
}
bool HSplitterWnd::IsRowBarMovable(int bar) const {
    return bar >= 0 && bar < MaxBars && rowMovable_[bar];
}

bool HSplitterWnd::IsBarMovable(int bar) const {
    return vertical_ ? IsColumnBarMovable(bar) : IsRowBarMovable(bar);
}

int HSplitterWnd::ClampBar(int bar, int position) const {
    const wxSize size = chain_[bar]->GetClientSize();
    const int extent = vertical_ ? size.x : size.y;
    const int after = bar + 2 == count_ ? minimum_[count_ - 1] : 0;
    const int high = std::max(1, extent - BarSize(bar) - std::max(1, after));
    return std::clamp(position, std::min(std::max(1, minimum_[bar]), high), high);
}

int HSplitterWnd::TrackBar(int bar, int position) {
    if (bar < 0 || bar + 1 >= count_ || !IsBarMovable(bar)) return -1;
    if (!vertical_ && rowTrackHook_) rowTrackHook_(position - chain_[bar]->GetSashPosition(), *this, bar);
    const int clamped = ClampBar(bar, position);
    chain_[bar]->SetSashPosition(clamped, true);
    ideal_ = CurrentSizes();
    for (int i = 0; i < count_; ++i) hiddenByRequest_[i] = ideal_[i] == 0;
    return clamped;
}

void HSplitterWnd::OnSashChanging(wxSplitterEvent& event) {
    const auto it = std::find(chain_.begin(), chain_.end(), event.GetEventObject());
    if (it == chain_.end()) {
        event.Skip();
        return;
    }
    const int bar = static_cast<int>(it - chain_.begin());
    if (!IsBarMovable(bar)) {
        event.SetSashPosition(-1);
        return;
    }
    if (!vertical_ && rowTrackHook_)
        rowTrackHook_(event.GetSashPosition() - (*it)->GetSashPosition(), *this, bar);
    event.SetSashPosition(ClampBar(bar, event.GetSashPosition()));
}

void HSplitterWnd::OnSashChanged(wxSplitterEvent& event) {
    if (std::find(chain_.begin(), chain_.end(), event.GetEventObject()) == chain_.end()) {
        event.Skip();
        return;
    }
    // A dragged bar sets the ideal sizes.
    ideal_ = CurrentSizes();
    for (int i = 0; i < count_; ++i) hiddenByRequest_[i] = ideal_[i] == 0;
}

void HSplitterWnd::OnSize(wxSizeEvent&) {
    Layout();
    const int extent = Extent();
    // While every pane has its ideal size, the stretch pane takes the change
    // (it may owe room while the window is small: its ideal size then lies
    // below 0 and it is hidden); a pane squeezed by a small window gets its
    // ideal size back as the window grows.
    if (sized_ && fits_ && stretch_ >= 0 && stretch_ + 1 < count_ && !hiddenByRequest_[stretch_] &&
        lastExtent_ > 0)
        ideal_[stretch_] += extent - lastExtent_;
    lastExtent_ = extent;
    sized_ = true;
    RecalcLayout();
}

// ---- HScrollBar ---------------------------------------------------------------------

HScrollBar::HScrollBar(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style)
    : wxScrollBar(parent, id, pos, size, style) {
    Bind(wxEVT_SET_FOCUS, &HScrollBar::OnFocus, this);
}

void HScrollBar::OnFocus(wxFocusEvent& event) {
    event.Skip();
    if (wxWindow* parent = GetParent()) {
        wxFocusEvent notice(wxEVT_SET_FOCUS, parent->GetId());
        notice.SetEventObject(parent);
        notice.SetWindow(this);
        parent->HandleWindowEvent(notice);
    }
}

// ---- AutoGridWidth -------------------------------------------------------------------

namespace {
std::vector<AutoGridWidth::PageFactory>& Pages() {
    static std::vector<AutoGridWidth::PageFactory> pages;
    return pages;
}
}  // namespace

bool& AutoGridWidth::AutoWidthFlag() {
    static bool flag = false;
    return flag;
}

void AutoGridWidth::RegisterPage(PageFactory factory) {
    if (factory) Pages().push_back(std::move(factory));
}

std::size_t AutoGridWidth::RegisteredPages() {
    return Pages().size();
}

void AutoGridWidth::CreateAllPages(wxWindow* parent, CloneImage& image) {
    AutoWidthFlag() = true;
    std::vector<Page> built;
    for (const auto& factory : Pages()) built.push_back(factory(parent, image));
    for (const Page& page : built)
        if (page.fitter) page.fitter->FitColumnWidths();
    for (const Page& page : built) {
        if (page.pane)
            page.pane->Destroy();
        else
            delete page.fitter;
    }
    AutoWidthFlag() = false;
}

// ---- PaneHost ------------------------------------------------------------------------

PaneHost* MainPaneHost() {
    return g_mainPaneHost;
}
void SetMainPaneHost(PaneHost* host) {
    g_mainPaneHost = host;
}
