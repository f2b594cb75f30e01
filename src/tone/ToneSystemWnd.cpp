#include "tone/ToneSystemWnd.h"

#include <wx/button.h>
#include <wx/display.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <algorithm>
#include <cmath>

#include "help/HelpFrame.h"
#include "help/HelpTopics.h"
#include "image/ImageHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "image/ImageHost.h"
#include "tone/FiveToneSystemViews.h"
#include "tone/ToneGridView.h"
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

bool CDialogDmy::Edit5ToneSystem(wxWindow* parent, CloneImage& working) {
    CDialogDmy window(parent, working, DefaultProgramFolder(), Window5Tone);
    return window.ShowModal() == wxID_OK;
}

CDialogDmy::CDialogDmy(wxWindow* parent, CloneImage& working, std::filesystem::path programFolder, int windowId)
    : wxDialog(parent, IDD, windowId == Window5Tone ? "5-Tone System" : "2-Tone System", wxDefaultPosition,
               wxSize(800, 600), wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxMAXIMIZE_BOX | wxCLOSE_BOX),
      windowId_(windowId == Window5Tone ? Window5Tone : Window2Tone) {
    SetMinSize(wxSize(800, 600));
    if (windowId_ == Window5Tone) proportions_[2] = 0.5;

    // Placement: "Position" and "Size" (default 800 x 600), "Maximize".
    WindowPlacement::RestoreWindow(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, 800, 600,
                                   Section());
    if (GetSize().x < 800 || GetSize().y < 600) SetSize(std::max(GetSize().x, 800), std::max(GetSize().y, 600));
    WindowPlacement::LoadBarPosition(Section(), proportions_);
    BuildPanes(working, programFolder);
    UiUtil::TranslateWindowTexts(this, windowId_);
    if (GetProfileInt(Section(), "Maximize", 0) == 1) Maximize(true);
    // The help row starts hidden behind the middle row.
    ShowHelpPane(false, true);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, IDC_CANCEL);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowHelpPane(!helpVisible_, false); }, IDC_HELP);
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { AutoGridWidth(); }, CToneGridView::ID_AUTO_GRID_WIDTH);
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
    const bool five = windowId_ == Window5Tone;
    frame_ = new CHelpFrameWnd(windowId_);
    auto& panes = frame_->Panes();
    auto view = [this](int key, CToneGridView* made) {
        views_[static_cast<std::size_t>(key)] = made;
        made->SetColumnHelp([this](int gridId, int column) { ShowGridItemHelp(gridId, column); });
        return made;
    };
    CloneImage* image = &working;
    const std::filesystem::path folder = programFolder;
    panes[0] = {five ? 625 : 167, [=](wxWindow* parent, int) -> wxWindow* {
                    if (five) return view(0, new C5ToneSystemView1(parent, *image, Host().ServiceMode()));
                    return view(0, new C2ToneSystemView1(parent, *image));
                }, TopRow, 0, 0, 140, 300};
    panes[1] = {five ? 626 : 168, [=](wxWindow* parent, int) -> wxWindow* {
                    if (five) return view(1, new C5ToneSystemView2(parent, *image));
                    return view(1, new C2ToneSystemView2(parent, *image));
                }, MiddleRow, 0, 0, 100, 200};
    panes[2] = {five ? 627 : 169, [=](wxWindow* parent, int) -> wxWindow* {
                    if (five) return view(2, new C5ToneSystemView3(parent, *image, folder));
                    return view(2, new C2ToneSystemView3(parent, *image, folder));
                }, MiddleRow, 0, 1, 100, 200};
    panes[3] = {628, [this](wxWindow* parent, int id) -> wxWindow* {
                    bottom_ = new wxPanel(parent, id);
                    auto* bar = new wxBoxSizer(wxHORIZONTAL);
                    bar->AddStretchSpacer();
                    bar->Add(new wxButton(bottom_, IDC_HELP, "Help"), 0, wxALL, 6);
                    bar->Add(new wxButton(bottom_, wxID_OK, "OK"), 0, wxALL, 6);
                    bar->Add(new wxButton(bottom_, IDC_CANCEL, "Cancel"), 0, wxALL, 6);
                    bottom_->SetSizer(bar);
                    return bottom_;
                }, ButtonRow, 2, 0, ButtonBarHeight, ButtonBarHeight};
    panes[CHelpFrameWnd::HelpPaneKey] = {CHelpTopics::IDD, [this](wxWindow* parent, int id) -> wxWindow* {
                    auto* pane = new CHelpTopics;
                    if (!pane->CreatePane(parent, id)) {
                        delete pane;
                        return nullptr;
                    }
                    help_ = pane;
                    return pane;
                }, HelpRow, 3, 0, 0, ToneWindowLayout::HelpHeight(GetProfileInt(Section(), "Help", 160))};

    // Rows 0 and 1 and the first middle column from the saved proportions.
    const wxSize client = GetClientSize();
    const auto rows = ToneWindowLayout::FromProportions(client.y, proportions_[0], proportions_[1]);
    frame_->SetPaneState(TopRow, rows.top);
    frame_->SetPaneState(MiddleRow, rows.middle);
    if (!frame_->Create(this, wxID_ANY, client)) {
        // A pane that cannot be made leaves the window without its views.
        return;
    }
    frame_->OnCancel = [this] { OnCancel(); };
    const double p2 = std::isfinite(proportions_[2]) ? proportions_[2] : 0.33;
    frame_->Inner()->SetColumnInfo(0, std::max(static_cast<int>(p2 * client.x), 50), 0);
    frame_->Inner()->RecalcLayout();
    if (help_) help_->SyncTopicForRID(MakeRID(0, windowId_, 0));

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(frame_, 1, wxEXPAND);
    SetSizer(sizer);
    Layout();
}

void CDialogDmy::ShowHelpPane(bool show, bool keepHeight) {
    if (!frame_ || !help_) return;
    int current = 0, minimum = 0;
    frame_->Outer()->GetRowInfo(HelpRow, current, minimum);
    if (!show && helpVisible_ && !keepHeight) WriteProfileInt(Section(), "Help", current);
    const bool was = helpVisible_;
    helpVisible_ = show;
    if (show && !was) {
        frame_->ShowPaneRow(HelpRow, MiddleRow, true);
        // The row opens at the saved height (never below 160), which the
        // middle row gives up, whatever the row held when it was hidden.
        auto& rows = frame_->Outer()->RowData();
        const int height = ToneWindowLayout::HelpHeight(GetProfileInt(Section(), "Help", 160));
        const int delta = height - rows[HelpRow].ideal;
        rows[MiddleRow].ideal = std::max(rows[MiddleRow].ideal - delta, 0);
        rows[HelpRow].ideal = height;
        frame_->Outer()->RecalcLayout();
        frame_->Inner()->RecalcLayout();
        help_->Show();
        // The topic of the window; the pane navigates once it is on screen.
        help_->ShowTopicForRID(MakeRID(0, windowId_, 0), windowId_);
        help_->ReloadTopic();
    } else if (!show && (was || !frame_->Outer()->FixedRows().count(HelpRow))) {
        frame_->ShowPaneRow(HelpRow, MiddleRow, false);
        help_->Hide();
    }
}

void CDialogDmy::ShowGridItemHelp(int gridId, int column) {
    // A topic the map lacks falls back to the main window's.
    if (help_ && helpVisible_) help_->ShowTopicForRID(MakeRID(column, windowId_, gridId), 101);
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
    if (!maximised) WindowPlacement::Save(this, WindowPlacement::FlagPosition | WindowPlacement::FlagSize, Section());
    WriteProfileInt(Section(), "Maximize", maximised ? 1 : 0);
    const wxSize client = GetClientSize();
    if (frame_ && client.y > 0 && client.x > 0) {
        int top = 0, middle = 0, first = 0, minimum = 0;
        frame_->Outer()->GetRowInfo(TopRow, top, minimum);
        frame_->Outer()->GetRowInfo(MiddleRow, middle, minimum);
        frame_->Inner()->GetColumnInfo(0, first, minimum);
        const double values[3] = {static_cast<double>(top) / client.y, static_cast<double>(middle) / client.y,
                                  static_cast<double>(first) / client.x};
        WindowPlacement::SaveBarPosition(Section(), values);
    }
    WriteProfileInt("HelpFrame", "Visible", helpVisible_ ? 1 : 0);
}
