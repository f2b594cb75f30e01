#include "tone/ToneSystemWnd.h"

#include <wx/button.h>
#include <wx/display.h>
#include <wx/html/htmlwin.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/splitter.h>

#include <algorithm>

#include "image/ImageHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "tone/TwoToneSystemViews.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/WindowPlacement.h"

namespace {

constexpr int ButtonBarHeight = 40;

std::filesystem::path& ProgramFolderOverride() {
    static std::filesystem::path folder;
    return folder;
}

std::filesystem::path DefaultProgramFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    // The folder holding "Tone_sample": the share folder once installed.
    return Host().ShippedFile("Tone_sample").parent_path();
}

}  // namespace

void CDialogDmy::SetProgramFolder(std::filesystem::path folder) {
    ProgramFolderOverride() = std::move(folder);
}

bool CDialogDmy::Edit2ToneSystem(wxWindow* parent, CloneImage& working) {
    CDialogDmy window(parent, working, DefaultProgramFolder());
    return window.ShowModal() == wxID_OK;
}

CDialogDmy::CDialogDmy(wxWindow* parent, CloneImage& working, std::filesystem::path programFolder)
    : wxDialog(parent, IDD, "2-Tone System", wxDefaultPosition, wxSize(800, 600),
               wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxMAXIMIZE_BOX | wxCLOSE_BOX) {
    SetMinSize(wxSize(800, 600));
    BuildPanes(working, programFolder);
    UiUtil::TranslateWindowTexts(this, windowId_);

    // Placement: "Position" and "Size" (default 800 x 600), "Maximize".
    WindowPlacement::RestoreWindow(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, 800, 600,
                                   Section);
    if (GetSize().x < 800 || GetSize().y < 600) SetSize(std::max(GetSize().x, 800), std::max(GetSize().y, 600));
    WindowPlacement::LoadBarPosition(Section, proportions_);
    if (GetProfileInt(Section, "Maximize", 0) == 1) Maximize(true);
    ApplyLayout();

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, IDC_CANCEL);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        ShowHelpPane(!helpVisible_, false);
        if (helpVisible_) {
            if (const auto& hooks = UiHooks::Current(); hooks.openHelp) hooks.openHelp(this, MakeRID(0, windowId_, 0));
        }
    }, IDC_HELP);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& e) {
        // Enter belongs to the grids; Escape cancels.
        if (e.GetKeyCode() == WXK_ESCAPE) return OnCancel();
        e.Skip();
    });
}

CDialogDmy::~CDialogDmy() {
    SavePlacement();
}

void CDialogDmy::BuildPanes(CloneImage& working, const std::filesystem::path& programFolder) {
    outer_ = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_3D);
    lower_ = new wxSplitterWindow(outer_, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_3D);
    middle_ = new wxSplitterWindow(lower_, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSP_LIVE_UPDATE | wxSP_3D);
    outer_->SetMinimumPaneSize(100);
    lower_->SetMinimumPaneSize(ButtonBarHeight);
    middle_->SetMinimumPaneSize(50);

    views_[0] = new C2ToneSystemView1(outer_, working);
    views_[1] = new C2ToneSystemView2(middle_, working);
    views_[2] = new C2ToneSystemView3(middle_, working, programFolder);

    bottom_ = new wxPanel(lower_, 628);
    auto* bar = new wxBoxSizer(wxHORIZONTAL);
    bar->AddStretchSpacer();
    bar->Add(new wxButton(bottom_, IDC_HELP, "Help"), 0, wxALL, 6);
    bar->Add(new wxButton(bottom_, wxID_OK, "OK"), 0, wxALL, 6);
    bar->Add(new wxButton(bottom_, IDC_CANCEL, "Cancel"), 0, wxALL, 6);
    help_ = new wxHtmlWindow(bottom_, 138, wxDefaultPosition, wxSize(-1, 160));
    help_->Hide();
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(bar, 0, wxEXPAND);
    column->Add(help_, 1, wxEXPAND);
    bottom_->SetSizer(column);

    middle_->SplitVertically(views_[1], views_[2]);
    lower_->SplitHorizontally(middle_, bottom_);
    outer_->SplitHorizontally(views_[0], lower_);
    lower_->SetSashGravity(1.0);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(outer_, 1, wxEXPAND);
    SetSizer(sizer);
}

void CDialogDmy::ApplyLayout() {
    Layout();
    const wxSize client = GetClientSize();
    const auto rows = ToneWindowLayout::FromProportions(client.y, proportions_[0], proportions_[1]);
    outer_->SetSashPosition(rows.top);
    const int lowerHeight = client.y - rows.top - outer_->GetSashSize();
    // The middle row takes what the button bar (and the help pane) leave.
    const int bottom = ButtonBarHeight + (helpVisible_ ? help_->GetSize().y : 0);
    lower_->SetSashPosition(std::max(lowerHeight - bottom, 50));
    const double p2 = std::isfinite(proportions_[2]) ? proportions_[2] : 0.33;
    middle_->SetSashPosition(std::max(static_cast<int>(p2 * client.x), 50));
}

void CDialogDmy::ShowHelpPane(bool show, bool keepHeight) {
    if (!show && helpVisible_ && !keepHeight)
        WriteProfileInt(Section, "Help", help_->GetSize().y);
    helpVisible_ = show;
    const int height = ToneWindowLayout::HelpHeight(GetProfileInt(Section, "Help", 160));
    help_->Show(show);
    help_->SetMinSize(wxSize(-1, show ? height : 0));
    bottom_->Layout();
    const int lowerHeight = lower_->GetClientSize().y;
    lower_->SetSashPosition(std::max(lowerHeight - ButtonBarHeight - (show ? height : 0), 50));
}

void CDialogDmy::OnOK() {
    for (CToneGridView* view : views_)
        if (view) view->CommitAllCells();
    SavePlacement();
    EndModal(wxID_OK);
}

void CDialogDmy::OnCancel() {
    SavePlacement();
    EndModal(wxID_CANCEL);
}

void CDialogDmy::AutoGridWidth() {
    for (CToneGridView* view : views_)
        if (view) view->AutoGridWidth();
}

void CDialogDmy::SavePlacement() {
    if (placementSaved_) return;
    placementSaved_ = true;
    for (CToneGridView* view : views_)
        if (view) view->SaveWidths();
    ShowHelpPane(false, true);
    const bool maximised = IsMaximized();
    if (!maximised) WindowPlacement::Save(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, Section);
    WriteProfileInt(Section, "Maximize", maximised ? 1 : 0);
    const wxSize client = GetClientSize();
    if (client.y > 0 && client.x > 0) {
        const double values[3] = {static_cast<double>(outer_->GetSashPosition()) / client.y,
                                  static_cast<double>(lower_->GetSashPosition()) / client.y,
                                  static_cast<double>(middle_->GetSashPosition()) / client.x};
        WindowPlacement::SaveBarPosition(Section, values);
    }
    WriteProfileInt("HelpFrame", "Visible", helpVisible_ ? 1 : 0);
}
