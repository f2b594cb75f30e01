#include "help/HelpFrame.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/sizer.h>

#include <algorithm>

#include "help/HelpMap.h"
#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

// ---- the splitter --------------------------------------------------------------

CHelpSplitterWnd::CHelpSplitterWnd(wxWindow* parent, wxWindowID id, int rows, int cols)
    : wxPanel(parent, id, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      rows_(std::max(1, rows)),
      cols_(std::max(1, cols)),
      panes_(rows_.size() * cols_.size(), nullptr) {
    Bind(wxEVT_SIZE, &CHelpSplitterWnd::OnSize, this);
    Bind(wxEVT_PAINT, &CHelpSplitterWnd::OnPaint, this);
    for (auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_MOTION, wxEVT_LEAVE_WINDOW})
        Bind(type, &CHelpSplitterWnd::OnMouse, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { dragging_ = NoHit; });
}

void CHelpSplitterWnd::SetPane(int row, int col, wxWindow* pane) {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return;
    panes_[row * Cols() + col] = pane;
}

wxWindow* CHelpSplitterWnd::GetPane(int row, int col) const {
    if (row < 0 || row >= Rows() || col < 0 || col >= Cols()) return nullptr;
    return panes_[row * Cols() + col];
}

void CHelpSplitterWnd::SetRowInfo(int row, int ideal, int minimum) {
    if (row < 0 || row >= Rows()) return;
    rows_[row].ideal = ideal;
    rows_[row].minimum = minimum;
}

void CHelpSplitterWnd::GetRowInfo(int row, int& current, int& minimum) const {
    current = minimum = 0;
    if (row < 0 || row >= Rows()) return;
    current = rows_[row].current;
    minimum = rows_[row].minimum;
}

void CHelpSplitterWnd::SetColumnInfo(int col, int ideal, int minimum) {
    if (col < 0 || col >= Cols()) return;
    cols_[col].ideal = ideal;
    cols_[col].minimum = minimum;
}

void CHelpSplitterWnd::GetColumnInfo(int col, int& current, int& minimum) const {
    current = minimum = 0;
    if (col < 0 || col >= Cols()) return;
    current = cols_[col].current;
    minimum = cols_[col].minimum;
}

int CHelpSplitterWnd::RowTop(int row) const {
    int y = 0;
    for (int i = 0; i < row; ++i)
        if (rows_[i].current > 0) y += rows_[i].current + BarSize;
    return y;
}

int CHelpSplitterWnd::ColLeft(int col) const {
    int x = 0;
    for (int i = 0; i < col; ++i)
        if (cols_[i].current > 0) x += cols_[i].current + BarSize;
    return x;
}

void CHelpSplitterWnd::RecalcLayout() {
    const wxSize size = GetClientSize();
    SplitterLayout::Layout(rows_, size.y, BarSize);
    SplitterLayout::Layout(cols_, size.x, BarSize);
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < Cols(); ++c) {
            wxWindow* pane = GetPane(r, c);
            if (!pane) continue;
            const bool shown = rows_[r].current > 0 && cols_[c].current > 0;
            if (shown) pane->SetSize(ColLeft(c), RowTop(r), cols_[c].current, rows_[r].current);
            pane->Show(shown);
        }
    }
    Refresh();
}

int CHelpSplitterWnd::HitTest(const wxPoint& point) const {
    for (int r = 0; r + 1 < Rows(); ++r) {
        if (rows_[r].current <= 0) continue;
        const int top = RowTop(r) + rows_[r].current;
        if (point.y >= top && point.y < top + BarSize)
            return SplitterLayout::IsBarMovable(r, fixedRows_) ? RowBarHit + r : NoHit;
    }
    for (int c = 0; c + 1 < Cols(); ++c) {
        if (cols_[c].current <= 0) continue;
        const int left = ColLeft(c) + cols_[c].current;
        if (point.x >= left && point.x < left + BarSize) return ColumnBarHit + c;
    }
    return NoHit;
}

void CHelpSplitterWnd::TrackRowSize(int height, int row) {
    SplitterLayout::TrackRowSize(rows_, height, row, fixedRows_);
    RecalcLayout();
}

void CHelpSplitterWnd::TrackColumnSize(int x, int col) {
    if (col < 0 || col >= Cols()) return;
    cols_[col].ideal = SplitterLayout::TrackColumnWidth(x, GetClientSize().x);
    RecalcLayout();
}

void CHelpSplitterWnd::OnSize(wxSizeEvent& event) {
    RecalcLayout();
    event.Skip();
}

void CHelpSplitterWnd::OnMouse(wxMouseEvent& event) {
    const wxPoint point = event.GetPosition();
    const int hit = dragging_ != NoHit ? dragging_ : HitTest(point);
    if (event.LeftDown() && hit != NoHit) {
        dragging_ = hit;
        // Where in the bar it was taken, so the bar moves by what the mouse moves.
        grab_ = hit >= ColumnBarHit
                    ? point.x - ColLeft(hit - ColumnBarHit) - cols_[hit - ColumnBarHit].current
                    : point.y - RowTop(hit - RowBarHit) - rows_[hit - RowBarHit].current;
        CaptureMouse();
    } else if (event.LeftUp() && dragging_ != NoHit) {
        const int done = dragging_;
        dragging_ = NoHit;
        if (HasCapture()) ReleaseMouse();
        if (done >= ColumnBarHit)
            TrackColumnSize(point.x - grab_ - ColLeft(done - ColumnBarHit), done - ColumnBarHit);
        else
            TrackRowSize(point.y - grab_ - RowTop(done - RowBarHit), done - RowBarHit);
    }
    if (hit >= ColumnBarHit)
        SetCursor(wxCursor(wxCURSOR_SIZEWE));
    else if (hit >= RowBarHit)
        SetCursor(wxCursor(wxCURSOR_SIZENS));
    else
        SetCursor(wxNullCursor);
    event.Skip();
}

void CHelpSplitterWnd::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBrush(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)));
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.DrawRectangle(GetClientRect());
}

// ---- the frame ------------------------------------------------------------------

namespace {
constexpr int kTwoToneFirstPane = 167;
constexpr int kCancelControl = 1096;

// The grid (1013-1015) that holds `window`, if any.
CVSFlexGrid* GridOf(wxWindow* window) {
    for (wxWindow* w = window; w; w = w->GetParent()) {
        if (w->GetId() >= 1013 && w->GetId() <= 1015)
            if (auto* grid = dynamic_cast<CVSFlexGrid*>(w)) return grid;
        if (w->IsTopLevel()) break;
    }
    return nullptr;
}

// Whether `window` is the last (first, backwards) visible, enabled child of
// its parent in the tab order.
bool AtTabEnd(wxWindow* window, bool backwards) {
    wxWindow* parent = window ? window->GetParent() : nullptr;
    if (!parent) return true;
    wxWindow* end = nullptr;
    for (wxWindow* child : parent->GetChildren()) {
        if (!child->IsShown() || !child->IsEnabled() || child->IsTopLevel()) continue;
        if (!end || !backwards) end = child;
        if (backwards && end) break;
    }
    return end == window;
}
}  // namespace

CHelpFrameWnd::CHelpFrameWnd(int helpDialogId) : helpDialogId_(helpDialogId) {}

bool CHelpFrameWnd::Create(wxWindow* parent, wxWindowID id, const wxSize& size) {
    if (!wxPanel::Create(parent, id, wxDefaultPosition, size, wxTAB_TRAVERSAL | wxBORDER_NONE)) return false;
    const int firstId = panes_.empty() ? wxID_ANY : panes_.begin()->second.paneId;
    outer_ = new CHelpSplitterWnd(this, firstId, 4, 1);
    inner_ = new CHelpSplitterWnd(outer_, wxID_ANY, 1, 2);
    outer_->SetPane(1, 0, inner_);
    int created = 0;
    for (auto& [key, entry] : panes_) {
        if (created++ == 5) break;
        CHelpSplitterWnd* splitter = key == 1 || key == 2 ? inner_ : outer_;
        wxWindow* pane = entry.make ? entry.make(splitter, entry.paneId) : nullptr;
        if (!pane) return false;
        splitter->SetPane(entry.row, entry.col, pane);
        if (splitter == inner_) inner_->SetColumnInfo(entry.col, std::max(100, size.x / 2), 0);
        splitters_[key] = splitter;
    }
    for (const auto& [key, entry] : panes_)
        if (entry.outerRow >= 0 && entry.outerRow < 4)
            outer_->SetRowInfo(entry.outerRow, entry.ideal, entry.minimum);
    outer_->FixedRows()[2] = 2;
    Bind(wxEVT_SIZE, &CHelpFrameWnd::OnSize, this);
    Bind(wxEVT_CHAR_HOOK, &CHelpFrameWnd::OnCharHook, this);
    Bind(wxEVT_HELP, &CHelpFrameWnd::OnHelp, this);
    outer_->SetSize(GetClientSize());
    outer_->RecalcLayout();
    return true;
}

wxWindow* CHelpFrameWnd::GetPaneWindow(int key) const {
    const auto entry = panes_.find(key);
    const auto splitter = splitters_.find(key);
    if (entry == panes_.end() || splitter == splitters_.end()) return nullptr;
    return splitter->second->GetPane(entry->second.row, entry->second.col);
}

void CHelpFrameWnd::SetPaneState(int outerRow, int height) {
    for (auto& [key, entry] : panes_)
        if (entry.outerRow == outerRow) entry.ideal = height;
    if (outer_) outer_->SetRowInfo(outerRow, height, outer_->RowData()[outerRow].minimum);
}

void CHelpFrameWnd::ShowPaneRow(int outerRow, int fixValue, bool show) {
    if (!outer_ || outerRow < 0 || outerRow >= outer_->Rows()) return;
    auto& rows = outer_->RowData();
    SplitterRow& row = rows[outerRow];
    if (!show) {
        if (outer_->FixedRows().count(outerRow) && row.ideal <= 0) return;  // already hidden
        // The row keeps the height it had, so showing it again gives the
        // other rows back exactly what they received.
        const int height = row.current;
        rows[1].ideal += height;
        rows[1].minimum = 0;
        row.ideal = outerRow == outer_->Rows() - 1 ? height : 0;
        hiddenHeight_[outerRow] = height;
        outer_->FixedRows()[outerRow] = fixValue;
    } else {
        const auto saved = hiddenHeight_.find(outerRow);
        if (saved == hiddenHeight_.end()) return;
        row.ideal = saved->second;
        hiddenHeight_.erase(saved);
        SplitterLayout::GiveUpHeight(rows, row.ideal, outerRow);
        outer_->FixedRows().erase(outerRow);
    }
    outer_->RecalcLayout();
    inner_->RecalcLayout();
}

void CHelpFrameWnd::OnSize(wxSizeEvent& event) {
    const wxSize size = GetClientSize();
    if (!lastSet_) {
        lastSet_ = true;
        last_ = size;
        outer_->SetSize(size);
        outer_->RecalcLayout();
        return;
    }
    auto& rows = outer_->RowData();
    const int d = size.y - last_.y;
    if (d < 0) {
        SplitterLayout::GiveUpHeight(rows, -d);
        outer_->SetSize(size);
        outer_->RecalcLayout();
    } else {
        outer_->SetSize(size);
        outer_->RecalcLayout();
        SplitterLayout::GrowFirstRow(rows, d);
    }
    auto first = panes_.find(0);
    if (last_.x > 0 && !(first != panes_.end() && first->second.paneId == kTwoToneFirstPane)) {
        int width, minimum;
        inner_->GetColumnInfo(0, width, minimum);
        inner_->SetColumnInfo(0, width * size.x / last_.x, minimum);
    }
    outer_->RecalcLayout();
    inner_->RecalcLayout();
    last_ = size;
    event.Skip();
}

int CHelpFrameWnd::PaneKeyOf(wxWindow* window) const {
    for (wxWindow* w = window; w && w != this; w = w->GetParent())
        for (const auto& [key, entry] : panes_)
            if (key != HelpPaneKey && GetPaneWindow(key) == w) return key;
    return -1;
}

bool CHelpFrameWnd::FocusPane(int key, bool backwards) {
    wxWindow* pane = GetPaneWindow(key);
    if (!pane || !pane->IsShown()) return true;
    if (key == 3 && backwards)
        if (wxWindow* cancel = pane->FindWindow(kCancelControl)) {
            cancel->SetFocus();
            return true;
        }
    pane->SetFocus();
    return true;
}

void CHelpFrameWnd::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    wxWindow* focus = wxWindow::FindFocus();
    CVSFlexGrid* grid = GridOf(focus);
    if (key == WXK_TAB && !event.ControlDown() && !event.AltDown()) {
        const bool backwards = event.ShiftDown();
        wxWindow* at = grid ? grid : focus;
        if (at && AtTabEnd(at, backwards)) {
            const int from = PaneKeyOf(at);
            const int next = backwards ? (from <= 0 ? 3 : from - 1) : (from < 0 || from >= 3 ? 0 : from + 1);
            FocusPane(next, backwards);
            return;
        }
    } else if (key == WXK_F1 && !event.HasAnyModifiers()) {
        ShowHelp();
        return;
    } else if (key == WXK_ESCAPE && !event.HasAnyModifiers()) {
        if (!(grid && grid->GetProperty200() != 0)) {
            if (OnCancel) OnCancel();
            return;
        }
    }
    event.Skip();
}

void CHelpFrameWnd::OnHelp(wxHelpEvent&) {
    ShowHelp();
}

void CHelpFrameWnd::ShowHelp() {
    wxWindow* focus = wxWindow::FindFocus();
    int rid = MakeRID(0, helpDialogId_, 0);
    if (CVSFlexGrid* grid = GridOf(focus))
        rid = ContextHelpRID(Help::Map(), helpDialogId_, grid->GetId(), std::max(0, grid->GetCol()));
    else if (focus)
        rid = ContextHelpRID(Help::Map(), helpDialogId_, focus->GetId());
    if (const auto& open = UiHooks::Current().openHelp) open(this, rid);
}
