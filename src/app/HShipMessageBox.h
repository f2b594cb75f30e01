#pragma once
// The result box of the unattended ship mode: the result text (red for the
// errors the line must act on) and a picture of its kind. While a model
// information file is being processed it closes by itself about two
// seconds after it opens, or earlier when the next model information file
// shows up, so the line never waits for a key press.
#include <wx/dialog.h>
#include <wx/timer.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

class HShipMessageBox : public wxDialog {
  public:
    enum { IDD = 645, IDC_TEXT = 3906, IDC_PICTURE = 3907, TimerId = 2 };
    static constexpr int CloseAfterMs = 2000;

    // `watchFile`: the model information file whose appearance closes the box early.
    HShipMessageBox(wxWindow* parent, std::string caption, std::string text, std::filesystem::path watchFile);
    ~HShipMessageBox() override;

    // 183 completed, 182 time-out, 181 product type, 118 other link errors, 0 none.
    static int MessageKind(std::string_view text);
    int Kind() const { return kind_; }

  private:
    void StartWorker();
    void StopWorker();
    void OnTimer(wxTimerEvent& event);
    void Finish(int code);

    std::string text_;
    std::filesystem::path watchFile_;
    int kind_;
    wxTimer timer_;
    wxLongLong start_ = 0;
    std::thread worker_;
    std::atomic<int> workerFlag_{0};
    std::atomic<bool> workerEnded_{true};
};
