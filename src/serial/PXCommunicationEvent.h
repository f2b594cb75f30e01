#pragma once
// The operation runner: runs one radio operation on a worker thread while the
// caller's view runs on the calling thread, and starts every programming
// connection with the radio (power-on step). The worker reports only through
// the view; the view's Cancel sets the command object's cancel flag, which
// every wait of the worker polls.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "image/CloneImage.h"
#include "serial/LinkTiming.h"
#include "serial/OperationView.h"
#include "serial/PXComCommandRetry.h"

// The service mode (0 normal, 1 engineer, 2 manufacture) and application mode
// (0 normal, 4 the unattended ship mode) an operation runs under. A runner
// takes the host's modes when it is made, on the user-interface thread; the
// worker reads them only from its runner, so an operation that runs part of
// its work under other modes changes its runner's, never the program's.
struct OperationModes {
    int service = 0;
    int app = 0;
    static OperationModes OfHost();
};

// The image side of a write into the radio: `prepare` turns the image to send
// (the user's image with the radio's own areas read into it) into the image
// that is written, given the user's image as it was; `recalculate` refreshes
// the derived adjustment values afterwards. Either may be empty.
struct DownloadPreparation {
    std::function<void(CloneImage& toSend, const CloneImage& user, const OperationModes& modes)> prepare;
    std::function<void(CloneImage& toSend)> recalculate;

    // What every runner starts with: the image library's preparation for
    // writing (plus the user's serial number in the unattended ship mode)
    // and the recalculation of the channels' adjustment values.
    static DownloadPreparation Standard();
};

class PXCommunicationEvent {
  public:
    enum Operation { OpUpload = 0, OpDownload = 1 };

    // The document's programming password: flag 1 = none known.
    struct DocumentPassword {
        int flag = 1;
        std::array<int, 6> digits{};
    };
    static DocumentPassword DocumentPasswordOf(const CloneImage& image);

    // A runner with its own command object on `portName`.
    PXCommunicationEvent(const std::string& portName, unsigned baudRate,
                         const LinkTiming& timing = LinkTiming{});
    // A runner on a command object that outlives it.
    explicit PXCommunicationEvent(PXComCommandRetry& shared);
    ~PXCommunicationEvent();
    PXCommunicationEvent(const PXCommunicationEvent&) = delete;
    PXCommunicationEvent& operator=(const PXCommunicationEvent&) = delete;

    // Runs operation `operation` (0 Upload, 1 Download: `parameter` is the
    // working CloneImage) and returns true on success. Unknown operations
    // return false without opening the view.
    bool Run(int operation, void* parameter, OperationView& view);

    // Starts a programming connection: opens the port, waits for the radio
    // and identifies it. 1 on success, 0 on failure (Result() says why).
    int cmd_PowerOn(int retryState, int answerMode, int firstState);
    // Records a failure; a cancelled operation records 0 (no message).
    void CommErrorEvent(int resultId);

    // Operations beyond Upload and Download, added by the folders that own
    // them (the alignment operations, the recoveries): `parameter` as Run
    // was given it; true on success. Registered once at start-up.
    using OperationFn = std::function<bool(PXCommunicationEvent& runner, void* parameter)>;
    static void RegisterOperation(int operation, OperationFn fn);
    static bool HasOperation(int operation);

    // A text an operation leaves for its caller (the alignment read leaves
    // the name of its backup file).
    const std::string& StatusText() const { return statusText_; }
    void SetStatusText(std::string text) { statusText_ = std::move(text); }

    PXComCommandRetry& Command() { return *command_; }
    OperationView& View() { return *view_; }
    // Closes the view once.
    void CloseView();
    // Waits until the view has drawn its pending progress steps.
    void WaitForPendingSteps();

    int Result() const { return result_; }
    void SetResult(int resultId) { result_ = resultId; }

    const OperationModes& Modes() const { return modes_; }
    void SetModes(const OperationModes& modes) { modes_ = modes; }

    void SetDocumentPassword(const DocumentPassword& password) { password_ = password; }
    const DocumentPassword& GetDocumentPassword() const { return password_; }

    // DownloadPreparation::Standard() unless replaced.
    void SetDownloadPreparation(DownloadPreparation preparation) { preparation_ = std::move(preparation); }
    const DownloadPreparation& GetDownloadPreparation() const { return preparation_; }
    // Set after an unattended run has applied a model information file: the
    // write then also covers the serial-number and alignment word ranges.
    void SetUnattendedPrepared(bool on) { unattendedPrepared_ = on; }
    bool UnattendedPrepared() const { return unattendedPrepared_; }
    // Set around a recovery write; the user's answer to the serial-number
    // question is remembered.
    void SetRecoveryUnderway(bool on) { recoveryUnderway_ = on; }
    bool RecoveryUnderway() const { return recoveryUnderway_; }
    void SetRecoveryContinued(bool on) { recoveryContinued_ = on; }
    bool RecoveryContinued() const { return recoveryContinued_; }

  private:
    bool RunOperation(int operation, void* parameter);

    std::unique_ptr<PXComCommandRetry> owned_;
    PXComCommandRetry* command_;
    int result_ = 0;
    DocumentPassword password_;
    OperationModes modes_ = OperationModes::OfHost();
    DownloadPreparation preparation_ = DownloadPreparation::Standard();
    bool unattendedPrepared_ = false;
    bool recoveryUnderway_ = false;
    bool recoveryContinued_ = false;
    HeadlessOperationView idleView_;
    OperationView* view_ = &idleView_;
    bool closeSent_ = false;
    std::string statusText_;
};
