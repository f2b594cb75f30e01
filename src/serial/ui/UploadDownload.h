#pragma once
// The progress dialog of a radio operation (resource 607): the operation's
// name as title, a state text, a progress bar that a 50 ms timer advances
// smoothly, and Cancel. The worker thread reports through the OperationView
// calls; each is carried over to the user-interface thread and waited for,
// so no window is touched off that thread and the worker sees every call
// handled in order. The dialog ends only when the worker closes it: the close
// box acts as Cancel while Cancel is offered and is ignored otherwise.
#include <wx/dialog.h>
#include <wx/timer.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "serial/OperationView.h"
#include "serial/ProgressSteps.h"

class wxButton;
class wxGauge;
class wxStaticText;

class CUploadDownload : public wxDialog, public OperationView {
  public:
    enum {
        IDD = 607,
        IDC_MESSAGE = 2001,
        IDC_PROGRESS = 1095,
        IDC_CANCEL = 2,
        IDC_DUMMY_FOCUS = 2401,
        IDC_OPERATION_NAMES = 3901,
    };
    static constexpr int TimerMs = 50;
    static constexpr int NoState = -777;

    // Asks for the radio's password over `owner`: the prompt's return code
    // (1 when confirmed) with the entry filled.
    using PasswordPrompt = std::function<int(wxWindow* owner, std::string& entry)>;
    // The unattended ship mode sees every result before it is shown (to note
    // it in the result file, and to show it in its own box); an answer means
    // it has been shown. `text` may be changed.
    using ResultHook = std::function<std::optional<int>(wxWindow* owner, int resultId, std::string& text)>;
    static void SetResultHook(ResultHook hook);

    explicit CUploadDownload(wxWindow* parent, PasswordPrompt prompt = {});
    ~CUploadDownload() override;
    // The window's own calls of these names stay reachable beside the view's.
    using wxDialog::SetPosition;
    using wxDialog::SetTitle;

    // Runner side (user-interface thread).
    void Open(CancelFlag& cancel) override;
    void RunModal() override;

    // Worker side.
    void SetState(int stateId) override;
    void SetResult(int resultId) override;
    void SetResultDetail(const std::string& detail) override;
    void ShowCancel(bool show) override;
    void ShowProgress(bool show) override;
    void SetRange(int units) override;
    void SetPosition(int units) override;
    void AddSteps(int units) override;
    void SetTitle(int operationName) override;
    int ShowResultNow(int resultId) override;
    int ShowMessage(int rid, std::string_view text, unsigned style) override;
    int AskPassword(std::string& entry) override;
    void FinishSteps() override;
    void AbandonSteps() override;
    void Close() override;
    int PendingSteps() override { return steps_.Pending(); }

    // Shows the result's message box; the answer, 0 for ids below 1 or when
    // the table has no text for the id.
    int ShowResult(int resultId);

    // What the dialog shows, for tests and the screenshot tool.
    wxStaticText* MessageText() const { return message_; }
    wxGauge* ProgressBar() const { return progress_; }
    wxButton* CancelButton() const { return cancel_; }
    int CurrentState() const { return currentState_; }
    int ResultId() const { return resultId_; }
    // One tick of the progress timer.
    void DrainTick();

  private:
    // Runs `work` on the user-interface thread and waits until it has run;
    // false (work not run) once the dialog has ended.
    bool OnUiThread(std::function<void()> work);
    void PressCancel();
    void OnCloseBox(wxCloseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void EndOperation();
    void MarkEnded();

    PasswordPrompt prompt_;
    wxStaticText* message_ = nullptr;
    wxGauge* progress_ = nullptr;
    wxButton* cancel_ = nullptr;
    wxTimer timer_;
    ProgressSteps steps_;
    CancelFlag* cancelFlag_ = nullptr;
    int resultId_ = -1;
    std::string resultDetail_;
    int currentState_ = NoState;
    bool closeRequested_ = false;

    std::mutex mutex_;
    std::condition_variable handled_;
    bool ended_ = false;
};
