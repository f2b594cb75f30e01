#pragma once
// The window half of the HTML printer: the "Please wait..." window shown
// while a document is built, and the points where tests stand in for the
// modal dialogs.
#include <functional>
#include <string>

class wxDialog;
class wxGauge;

// The progress window (template 622): shown at construction, stepped by the
// command (the steps of a command add up to 100), closed by Stop or at the
// end of its life. It lives on the user-interface thread and is drawn
// between the steps.
class PrintProgress {
public:
    PrintProgress();
    ~PrintProgress();
    PrintProgress(const PrintProgress&) = delete;
    PrintProgress& operator=(const PrintProgress&) = delete;

    void Step(int delta);
    void Stop();
    bool IsShown() const;
    int Position() const { return position_; }

private:
    void Paint();

    wxDialog* dialog_ = nullptr;
    wxGauge* gauge_ = nullptr;
    int position_ = 0;
};

// The save dialog's filter, in the program's own notation.
inline constexpr const char* ExportFilter = "Html Files(*.html)|*.html||";

struct PrintHooks {
    // Stands in for the export's save dialog: the chosen path, "" for Cancel.
    std::function<std::string(const std::string& lastFolder)> chooseExportPath;
    // Called just before the engine's modal print or page setup dialog
    // ("print", "page setup"); false leaves the dialog out.
    std::function<bool(const char* what)> beforeModal;

    static PrintHooks& Current();
};
