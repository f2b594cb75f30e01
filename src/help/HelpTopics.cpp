#include "help/HelpTopics.h"

#include <wx/log.h>
#include <wx/sizer.h>

#include "help/HelpFileSystem.h"
#include "help/HelpMap.h"
#include "language/Language.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"

namespace {
constexpr int kMainDialog = 101;
}

// ---- the view -------------------------------------------------------------------

CHelpHtmlView::CHelpHtmlView(wxWindow* parent, wxWindowID id)
    : wxHtmlWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxHW_SCROLLBAR_AUTO | wxBORDER_NONE) {
    Help::InstallFileSystem();
    SetPage("<html><body></body></html>");  // about:blank
    Bind(wxEVT_KEY_DOWN, &CHelpHtmlView::OnKeyDown, this);
    Bind(wxEVT_HTML_LINK_CLICKED, [this](wxHtmlLinkEvent& event) {
        if (!FollowLink(event.GetLinkInfo())) event.Skip();
    });
}

bool CHelpHtmlView::Navigate(const wxString& url) {
    // A help file that cannot be read leaves the page and is logged once,
    // never a message at each focus change.
    const wxString left = url.BeforeFirst('#');
    if (!Help::OpenHelpFile(
            std::filesystem::path(wxFileSystem::URLToFileName(left).GetFullPath().utf8_string())))
        return false;
    wxLogNull quiet;
    if (!LoadPage(url)) {
        Help::Log("Help topic \"" + url.utf8_string() + "\" is not in the help file.");
        return false;
    }
    ++loads_;
    currentUrl_ = GetOpenedPage().empty() ? url : GetOpenedPage();
    return true;
}

bool CHelpHtmlView::FollowLink(const wxHtmlLinkInfo& link) {
    const wxString href = link.GetHref();
    if (href.StartsWith("#")) return false;  // an anchor on this page
    wxFileSystem fs;
    fs.ChangePathTo(GetOpenedPage());
    std::unique_ptr<wxFSFile> file(fs.OpenFile(href));
    if (!file) return true;  // a link outside the help file goes nowhere
    Navigate(file->GetLocation());
    return true;
}

void CHelpHtmlView::OnKeyDown(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    // Enter, Esc and F5 never act on the page.
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE || key == WXK_F5) return;
    event.Skip();
}

// ---- the pane ---------------------------------------------------------------------

CHelpTopics::CHelpTopics() {
    Help::Map();  // built with the first help pane
}

void CHelpTopics::BuildControls() {
    view_ = new CHelpHtmlView(this, IDC_VIEW);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(view_, 1, wxEXPAND);
    sizer->SetMinSize(wxSize(120, 80));
    SetSizer(sizer);
    Bind(wxEVT_CHAR_HOOK, &CHelpTopics::OnCharHook, this);
}

bool CHelpTopics::OnInitDialog() {
    HPainBaseDlg::OnInitDialog();
    if (const auto& font = UiHooks::Current().applyScreenFont) font(*this);
    UiUtil::TranslateWindowTexts(this, IDD);
    ShowTopicForRID(MakeRID(0, kMainDialog, 0), kMainDialog);
    return true;
}

void CHelpTopics::ShowTopicForRID(int rid, int dialogId) {
    const wxString url = Help::TopicUrl(Help::BuildHelpLocation(rid, dialogId));
    if (url.empty() || !view_ || url == view_->GetCurrentURL()) return;
    view_->SetCurrentURL(url);
    if (IsShownOnScreen()) view_->Navigate(url);
}

void CHelpTopics::SyncTopicForRID(int rid) {
    const wxString url = Help::TopicUrl(Help::BuildHelpLocation(rid, kMainDialog));
    if (url.empty() || !view_ || url == view_->GetCurrentURL()) return;
    view_->Navigate(url);
}

void CHelpTopics::ReloadTopic() {
    if (!view_ || !IsShownOnScreen() || view_->GetCurrentURL().empty()) return;
    view_->Navigate(view_->GetCurrentURL());
}

void CHelpTopics::OnCharHook(wxKeyEvent& event) {
    if (!keysEnabled_) return;
    const int key = event.GetKeyCode();
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER || key == WXK_ESCAPE) && !event.HasAnyModifiers())
        return;
    if (Help::HandlePaneKey(event, this)) return;
    event.Skip();
}

namespace Help {

std::function<bool(wxWindow*)>& ImageEditorKey() {
    static std::function<bool(wxWindow*)> key;
    return key;
}

bool HandlePaneKey(wxKeyEvent& event, wxWindow* pane) {
    const int key = event.GetKeyCode();
    if ((key == WXK_F2 || key == WXK_F4) && !event.HasAnyModifiers()) {
        PaneHost* host = MainPaneHost();
        if (HPainBaseDlg* selector = host ? host->PaneSelector() : nullptr) {
            if (key == WXK_F2)
                selector->SelectNext();
            else
                selector->SelectPrevious();
        }
        return true;
    }
    if (key == WXK_F9 && event.GetModifiers() == wxMOD_SHIFT && ImageEditorKey())
        return ImageEditorKey()(pane);
    return false;
}

}  // namespace Help
