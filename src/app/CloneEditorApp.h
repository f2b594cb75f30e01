#pragma once
// The application object: one instance per program file, the settings file
// beside the program, the debug log, the recent files, the command line and
// the main window on the start-up image.
#include <wx/app.h>

#include <memory>
#include <string>

#include "app/AppHost.h"

class CMainFrame;
class CVondelRecentFileList;
class SingleInstance;

class CCloneEditorApp : public wxApp {
  public:
    CCloneEditorApp();
    ~CCloneEditorApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // The data file named on this command line; empty when none.
    std::string CommandLineFile;
    int PreviewPageCount = 0;
    CMainFrame* MainFrame = nullptr;

  private:
    void ReportFirstIdle();

    AppHost host_;
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<CVondelRecentFileList> recent_;
    bool exitAtOnce_ = false;
};

wxDECLARE_APP(CCloneEditorApp);
