#pragma once
// A row of tabs without pages that marks its selected tab: the selected tab
// is painted again in the button-face colour with its text in a bold italic
// copy of the control's font. Choosing a tab with the mouse raises
// EVT_TAB_SELCHANGE (a wxCommandEvent whose int is the new selection).
#include <wx/control.h>
#include <wx/font.h>

#include <string>
#include <vector>

wxDECLARE_EVENT(EVT_TAB_SELCHANGE, wxCommandEvent);

class HighlightedTabCtrl : public wxControl {
  public:
    HighlightedTabCtrl(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize);

    int InsertItem(int index, const std::string& text, long data = 0);
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(tabs_.size()); }
    std::string GetItemText(int index) const;
    void SetItemText(int index, const std::string& text);
    long GetItemData(int index) const;
    // -1 when no tab is selected.
    int GetCurSel() const { return selection_; }
    // Selects `index` without raising the event; the previous selection.
    int SetCurSel(int index);
    wxRect GetItemRect(int index) const;
    // The font the selected tab's text is drawn in.
    const wxFont& HighlightFont() const { return highlight_; }
    bool SetFont(const wxFont& font) override;

  protected:
    wxSize DoGetBestSize() const override;

  private:
    struct Tab {
        std::string text;
        long data;
    };
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void UpdateHighlightFont();

    std::vector<Tab> tabs_;
    int selection_ = -1;
    wxFont highlight_;
};
