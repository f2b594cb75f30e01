#pragma once
// CDialogDmy: the tone system window. It lays out the family's three system
// views, a button bar (Help, OK, Cancel) and a help pane in splitters, keeps
// its placement, proportions and help height in the settings file, and on OK
// asks every view for its commit pass. The views write into the window's
// working copy; the caller copies it back into the document only after OK.
#include <wx/dialog.h>

#include <array>
#include <filesystem>
#include <string>

#include "image/CloneImage.h"

class wxPanel;
class CHelpFrameWnd;
class CHelpTopics;
class CToneGridView;

class CDialogDmy : public wxDialog {
  public:
    enum { IDD = 166, Window2Tone = 404, Window5Tone = 406 };
    enum { IDC_HELP = 2450, IDC_CANCEL = 1096 };

    // The 2-tone (404) or 5-tone (406) window over `working`; the views play
    // samples from the "Tone_sample" folder under `programFolder`.
    CDialogDmy(wxWindow* parent, CloneImage& working, std::filesystem::path programFolder,
               int windowId = Window2Tone);
    ~CDialogDmy() override;

    // Runs the 2-tone or the 5-tone window on the working copy; true on OK.
    static bool Edit2ToneSystem(wxWindow* parent, CloneImage& working);
    static bool Edit5ToneSystem(wxWindow* parent, CloneImage& working);
    // Where the program's shipped files lie (the samples); tests point it
    // elsewhere.
    static void SetProgramFolder(std::filesystem::path folder);

    int WindowId() const { return windowId_; }
    CToneGridView* View(int key) const { return views_[static_cast<std::size_t>(key)]; }
    bool HelpVisible() const { return helpVisible_; }
    CHelpTopics* HelpTopics() const { return help_; }
    CHelpFrameWnd* Frame() const { return frame_; }
    // The outer rows of the frame.
    enum { TopRow = 0, MiddleRow = 1, ButtonRow = 2, HelpRow = 3 };
    void ShowHelpPane(bool show, bool keepHeight);
    // While the help pane is shown: the help topic of a grid's column.
    void ShowGridItemHelp(int gridId, int column);

    void OnOK();
    void OnCancel();

    // The settings section of the window's placement.
    const char* Section() const { return windowId_ == Window5Tone ? "Tone5_Sys" : "Tone2_Sys"; }

  private:
    void BuildPanes(CloneImage& working, const std::filesystem::path& programFolder);
    void SavePlacement();
    void AutoGridWidth();

    int windowId_ = Window2Tone;
    CHelpFrameWnd* frame_ = nullptr;
    wxPanel* bottom_ = nullptr;
    CHelpTopics* help_ = nullptr;
    std::array<CToneGridView*, 3> views_{};
    bool helpVisible_ = false;
    bool placementSaved_ = false;
    double proportions_[3] = {0.5, 0.33, 0.33};
};
