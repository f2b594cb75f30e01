#include "help/HelpViewer.h"

#include <wx/html/htmlwin.h>
#include <wx/log.h>
#include <wx/sizer.h>

#include "help/HelpFileSystem.h"
#include "help/HelpMap.h"
#include "ui/HtmlText.h"
#include "ui/UiHooks.h"

namespace {
CHelpViewer* g_viewer = nullptr;
}  // namespace

CHelpViewer::CHelpViewer(wxWindow* owner)
    : wxFrame(owner, wxID_ANY, "Help", wxDefaultPosition, wxSize(640, 560),
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT) {
    Help::InstallFileSystem();
    html_ = new wxHtmlWindow(this, wxID_ANY);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(html_, 1, wxEXPAND);
    SetSizer(sizer);
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE && !event.HasAnyModifiers())
            Close();
        else
            event.Skip();
    });
}

CHelpViewer::~CHelpViewer() {
    if (g_viewer == this) g_viewer = nullptr;
}

CHelpViewer* CHelpViewer::Current() {
    return g_viewer;
}

CHelpViewer* CHelpViewer::Open(wxWindow* owner, int rid) {
    if (!g_viewer) {
        wxWindow* top = owner ? wxGetTopLevelParent(owner) : nullptr;
        // A dialog may close before its help: the help belongs to the main window.
        while (top && top->GetParent()) top = wxGetTopLevelParent(top->GetParent());
        g_viewer = new CHelpViewer(top);
    }
    g_viewer->ShowRid(rid);
    g_viewer->Show();
    g_viewer->Raise();
    return g_viewer;
}

void CHelpViewer::ShowRid(int rid) {
    const std::filesystem::path& path = Help::HelpFilePath();
    ChmFile* file = path.empty() ? nullptr : Help::OpenHelpFile(path);
    if (!file) {
        html_->SetPage(
            "<html><body><p>The help file \"" +
            wxString::FromUTF8(HtmlEscape(path.empty() ? std::string(HelpFileName) : path.string())) +
            "\" cannot be read.</p></body></html>");
        return;
    }
    HelpLocation location{path, ""};
    if (const std::string* topic = Help::Map().Topic(rid)) location.topic = *topic;
    if (location.topic.empty() || !file->Contains(location.topic)) location.topic = file->DefaultTopic();
    if (location.topic.empty()) {
        html_->SetPage("<html><body><p>No help topic for this item.</p></body></html>");
        return;
    }
    wxLogNull quiet;  // a page the file lacks leaves the window as it was
    html_->LoadPage(Help::TopicUrl(location));
}

namespace Help {
void InstallHelpHooks() {
    auto& hooks = UiHooks::Current();
    hooks.hasHelpTopic = [](int rid) { return HasHelpTopic(rid); };
    hooks.openHelp = [](wxWindow* owner, int rid) { CHelpViewer::Open(owner, rid); };
}
}  // namespace Help
