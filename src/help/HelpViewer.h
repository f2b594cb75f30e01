#pragma once
// The help window that F1, the Help buttons and the Help menu open: one
// window of the program, showing the topic of a RID from the help file, with
// the help file's links and pictures. It stands in for the system's help
// viewer; the help map is the help file's table of context numbers.
#include <wx/frame.h>

class wxHtmlWindow;

class CHelpViewer : public wxFrame {
  public:
    // Opens (or brings forward) the help window at the topic of `rid`; a RID
    // without a topic, 0 included, opens the help file's first topic.
    static CHelpViewer* Open(wxWindow* owner, int rid);
    // The window while it is open; null otherwise.
    static CHelpViewer* Current();

    wxHtmlWindow* Html() const { return html_; }

  private:
    explicit CHelpViewer(wxWindow* owner);
    ~CHelpViewer() override;
    void ShowRid(int rid);

    wxHtmlWindow* html_ = nullptr;
};

namespace Help {
// Makes F1, the Help buttons and the Help menu of every screen use the help
// map and the help window (the toolkit's help hooks).
void InstallHelpHooks();
}  // namespace Help
