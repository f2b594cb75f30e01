#include "ui/HighlightedTabCtrl.h"

#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <algorithm>

wxDEFINE_EVENT(EVT_TAB_SELCHANGE, wxCommandEvent);

namespace {
constexpr int kPadX = 10;
constexpr int kPadY = 5;
constexpr std::size_t kMaxText = 255;
}  // namespace

HighlightedTabCtrl::HighlightedTabCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                       const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    UpdateHighlightFont();
    Bind(wxEVT_PAINT, &HighlightedTabCtrl::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &HighlightedTabCtrl::OnLeftDown, this);
}

void HighlightedTabCtrl::UpdateHighlightFont() {
    highlight_ = GetFont();
    highlight_.SetWeight(wxFONTWEIGHT_BOLD);
    highlight_.SetStyle(wxFONTSTYLE_ITALIC);
}

bool HighlightedTabCtrl::SetFont(const wxFont& font) {
    const bool changed = wxControl::SetFont(font);
    UpdateHighlightFont();
    InvalidateBestSize();
    return changed;
}

int HighlightedTabCtrl::InsertItem(int index, const std::string& text, long data) {
    index = std::clamp(index, 0, GetItemCount());
    tabs_.insert(tabs_.begin() + index, Tab{text.substr(0, kMaxText), data});
    if (selection_ < 0)
        selection_ = 0;
    else if (index <= selection_ && GetItemCount() > 1)
        ++selection_;
    InvalidateBestSize();
    Refresh();
    return index;
}

bool HighlightedTabCtrl::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) return false;
    tabs_.erase(tabs_.begin() + index);
    if (tabs_.empty())
        selection_ = -1;
    else if (selection_ > index || selection_ >= GetItemCount())
        --selection_;
    InvalidateBestSize();
    Refresh();
    return true;
}

void HighlightedTabCtrl::DeleteAllItems() {
    tabs_.clear();
    selection_ = -1;
    InvalidateBestSize();
    Refresh();
}

std::string HighlightedTabCtrl::GetItemText(int index) const {
    return index >= 0 && index < GetItemCount() ? tabs_[index].text : std::string();
}

void HighlightedTabCtrl::SetItemText(int index, const std::string& text) {
    if (index < 0 || index >= GetItemCount()) return;
    tabs_[index].text = text.substr(0, kMaxText);
    InvalidateBestSize();
    Refresh();
}

long HighlightedTabCtrl::GetItemData(int index) const {
    return index >= 0 && index < GetItemCount() ? tabs_[index].data : 0;
}

int HighlightedTabCtrl::SetCurSel(int index) {
    const int previous = selection_;
    if (index >= 0 && index < GetItemCount()) selection_ = index;
    Refresh();
    return previous;
}

wxRect HighlightedTabCtrl::GetItemRect(int index) const {
    if (index < 0 || index >= GetItemCount()) return {};
    // Tabs are as wide as their texts in the highlight font, so a tab keeps
    // its place when it becomes the selected one.
    int x = 0;
    const int height = GetClientSize().y > 0 ? GetClientSize().y : DoGetBestSize().y;
    for (int i = 0; i < GetItemCount(); ++i) {
        int w = 0, h = 0;
        GetTextExtent(wxString::FromUTF8(tabs_[i].text), &w, &h, nullptr, nullptr, &highlight_);
        const int width = w + 2 * kPadX;
        if (i == index) return wxRect(x, 0, width, height);
        x += width;
    }
    return {};
}

wxSize HighlightedTabCtrl::DoGetBestSize() const {
    int width = 0, height = 0;
    for (const Tab& tab : tabs_) {
        int w = 0, h = 0;
        GetTextExtent(wxString::FromUTF8(tab.text), &w, &h, nullptr, nullptr, &highlight_);
        width += w + 2 * kPadX;
        height = std::max(height, h);
    }
    if (height == 0) height = GetCharHeight();
    return wxSize(std::max(width, 20), height + 2 * kPadY);
}

void HighlightedTabCtrl::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    const wxColour shadow = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW);
    const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT);
    const wxSize client = GetClientSize();
    dc.SetBackground(wxBrush(face.ChangeLightness(95)));
    dc.Clear();

    // The plain tabs first, then the selected one over them.
    dc.SetFont(GetFont());
    dc.SetTextForeground(text);
    for (int i = 0; i < GetItemCount(); ++i) {
        const wxRect r = GetItemRect(i).Deflate(1, 0);
        dc.SetPen(wxPen(shadow));
        dc.SetBrush(wxBrush(face.ChangeLightness(90)));
        dc.DrawRectangle(r.x, r.y + 2, r.width, r.height - 2);
        dc.DrawLabel(wxString::FromUTF8(tabs_[i].text), r, wxALIGN_CENTER);
    }
    dc.SetPen(wxPen(shadow));
    dc.DrawLine(0, client.y - 1, client.x, client.y - 1);

    if (selection_ >= 0 && selection_ < GetItemCount()) {
        const wxRect r = GetItemRect(selection_).Inflate(1, 0);
        dc.SetPen(wxPen(shadow));
        dc.SetBrush(wxBrush(face));
        dc.DrawRectangle(r);
        dc.SetFont(highlight_);
        dc.DrawLabel(wxString::FromUTF8(tabs_[selection_].text), r, wxALIGN_CENTER);
    }
}

void HighlightedTabCtrl::OnLeftDown(wxMouseEvent& event) {
    for (int i = 0; i < GetItemCount(); ++i) {
        if (!GetItemRect(i).Contains(event.GetPosition())) continue;
        if (i != selection_) {
            selection_ = i;
            Refresh();
            wxCommandEvent changed(EVT_TAB_SELCHANGE, GetId());
            changed.SetEventObject(this);
            changed.SetInt(i);
            ProcessWindowEvent(changed);
        }
        return;
    }
    event.Skip();
}
