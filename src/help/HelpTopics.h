#pragma once
// The help topic pane: shows, inside the program's windows, the help topic of
// the control the user is working in. Screens call it with a RID whenever the
// focus moves; it turns the RID into a page of the help file and shows it.
// A request while the pane is hidden only records the page; ReloadTopic
// shows it once the pane is visible again.
#include <wx/html/htmlwin.h>

#include <functional>

#include "ui/PaneFramework.h"

class CHelpHtmlView : public wxHtmlWindow {
  public:
    CHelpHtmlView(wxWindow* parent, wxWindowID id);

    const wxString& GetCurrentURL() const { return currentUrl_; }
    void SetCurrentURL(const wxString& url) { currentUrl_ = url; }
    // Shows the page at `url`; the current URL becomes the page loaded. False
    // when the help file or the page cannot be read (the page stays).
    bool Navigate(const wxString& url);
    // How many pages were loaded (the pane navigates only when it must).
    int LoadCount() const { return loads_; }

  private:
    bool FollowLink(const wxHtmlLinkInfo& link);
    void OnKeyDown(wxKeyEvent& event);

    wxString currentUrl_;
    int loads_ = 0;
};

class CHelpTopics : public HPainBaseDlg {
  public:
    enum { IDD = 138, IDC_VIEW = 1018 };

    CHelpTopics();

    // Shows the topic of `rid`, else of the dialog (RID of dialogId, 0);
    // nothing changes when neither has a topic.
    void ShowTopicForRID(int rid, int dialogId);
    // The same with dialog 101 as fallback, also while the pane is hidden
    // (the tone-system windows keep their help row in step).
    void SyncTopicForRID(int rid);
    // Shows the recorded page again (after the pane became visible).
    void ReloadTopic();

    CHelpHtmlView* View() const { return view_; }
    // While false every key in the pane is swallowed.
    void SetKeysEnabled(bool enabled) { keysEnabled_ = enabled; }

  protected:
    void BuildControls() override;
    bool OnInitDialog() override;

  private:
    void OnCharHook(wxKeyEvent& event);

    CHelpHtmlView* view_ = nullptr;
    bool keysEnabled_ = true;
};

namespace Help {
// The pane keys that help panes share with the main window's other panes:
// F2 and F4 move the pane selector; Shift+F9 runs `imageEditor` when set (the
// application sets it; it answers whether it handled the key). True when
// the key was taken.
bool HandlePaneKey(wxKeyEvent& event, wxWindow* pane);
std::function<bool(wxWindow* pane)>& ImageEditorKey();
}  // namespace Help
