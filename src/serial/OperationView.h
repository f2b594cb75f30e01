#pragma once
// What a radio operation shows and asks while it runs. The worker thread
// calls these one at a time and each call returns only when it has been
// handled (the password prompt returns the user's answer), so a window
// implementation marshals each call to its user-interface thread and waits.
// The runner calls Open and RunModal on its own (calling) thread.
#include <condition_variable>
#include <mutex>
#include <string>
#include <string_view>

#include "serial/Serialport.h"

class OperationView {
  public:
    virtual ~OperationView() = default;

    // Runner side. Open binds the view to the operation's cancel flag and
    // clears it; RunModal returns once Close has been handled.
    virtual void Open(CancelFlag& cancel) = 0;
    virtual void RunModal() = 0;

    // Worker side.
    virtual void SetState(int /*stateId*/) {}    // state text; 0 clears it
    virtual void SetResult(int /*resultId*/) {}  // shown when the view closes
    // How to fix a port that would not open; shown below "Port Open Error!".
    virtual void SetResultDetail(const std::string& /*detail*/) {}
    virtual void ShowCancel(bool /*show*/) {}        // Cancel button shown and enabled, or hidden
    virtual void ShowProgress(bool /*show*/) {}      // progress bar shown, or hidden
    virtual void SetRange(int /*units*/) {}          // range 0..units x 10; drops pending steps
    virtual void SetPosition(int /*units*/) {}       // position units x 10; drops pending steps
    virtual void AddSteps(int /*units*/) {}          // units x 10 more steps for the bar to draw
    virtual void SetTitle(int /*operationName*/) {}  // title from CommResult::OperationNames
    // Shows the result's message box now; the user's answer (MsgAnswer), 0 for none.
    virtual int ShowResultNow(int /*resultId*/) { return 0; }
    // Any other message box of an operation; the user's answer.
    virtual int ShowMessage(int /*rid*/, std::string_view /*text*/, unsigned /*style*/) { return 0; }
    // Asks for the radio's password: 1 when confirmed (entry filled), else not.
    virtual int AskPassword(std::string& /*entry*/) { return 2; }
    virtual void FinishSteps() {}   // draw the pending steps at once
    virtual void AbandonSteps() {}  // drop the pending steps
    virtual void Close() = 0;       // show the result (unless cancelled) and close
    // Steps announced but not yet drawn; the worker waits for 0.
    virtual int PendingSteps() { return 0; }
};

// A view without a window: records nothing, answers no prompt, and closes
// when the worker says so. Tools and tests derive from it.
class HeadlessOperationView : public OperationView {
  public:
    void Open(CancelFlag& cancel) override {
        std::lock_guard lock(mutex_);
        cancel_ = &cancel;
        cancel.store(false);
        closed_ = false;
    }
    void RunModal() override {
        std::unique_lock lock(mutex_);
        closedChanged_.wait(lock, [&] { return closed_; });
    }
    void Close() override {
        std::lock_guard lock(mutex_);
        closed_ = true;
        closedChanged_.notify_all();
    }
    // The Cancel button.
    void PressCancel() {
        std::lock_guard lock(mutex_);
        if (cancel_) cancel_->store(true);
    }

  private:
    std::mutex mutex_;
    std::condition_variable closedChanged_;
    bool closed_ = false;
    CancelFlag* cancel_ = nullptr;
};
