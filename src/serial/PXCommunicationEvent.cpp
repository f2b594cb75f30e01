#include "serial/PXCommunicationEvent.h"

#include <sys/prctl.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <thread>

#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/RadioImagePrep.h"
#include "serial/CommResult.h"
#include "serial/PortOpenAdvice.h"
#include "serial/RadioItems.h"
#include "serial/RadioTransfer.h"

namespace {

// Power-on states that name the work once the radio has answered.
int WorkingState(int retryState) {
    if (retryState == 1) return 3;
    if (retryState == 7) return 14;
    return 4;
}

constexpr int UnattendedShipMode = 4;

// Retry state 13 (writing alignment data) never takes a radio that is
// already connected: the write must start from a fresh connection.
constexpr int NoPreconnectedState = 13;

std::mutex& OperationsMutex() {
    static std::mutex mutex;
    return mutex;
}
std::map<int, PXCommunicationEvent::OperationFn>& Operations() {
    static std::map<int, PXCommunicationEvent::OperationFn> operations;
    return operations;
}
PXCommunicationEvent::OperationFn FindOperation(int operation) {
    std::lock_guard lock(OperationsMutex());
    const auto it = Operations().find(operation);
    return it == Operations().end() ? PXCommunicationEvent::OperationFn{} : it->second;
}

}  // namespace

void PXCommunicationEvent::RegisterOperation(int operation, OperationFn fn) {
    std::lock_guard lock(OperationsMutex());
    Operations()[operation] = std::move(fn);
}

bool PXCommunicationEvent::HasOperation(int operation) {
    return static_cast<bool>(FindOperation(operation));
}

OperationModes OperationModes::OfHost() {
    return {Host().ServiceMode(), Host().AppMode()};
}

DownloadPreparation DownloadPreparation::Standard() {
    return {[](CloneImage& toSend, const CloneImage& user, const OperationModes& modes) {
                CloneImageOps::PrepareForWriting(toSend, user, modes.service, modes.app);
                // A production run programs each radio with its own serial
                // number from the data it was given.
                if (modes.app == UnattendedShipMode)
                    CloneImageOps::CopySerialNumberItems(toSend, user);
            },
            [](CloneImage& toSend) { CalcPLLFrequency::RecalcAllAdjustments(toSend); }};
}

PXCommunicationEvent::DocumentPassword PXCommunicationEvent::DocumentPasswordOf(const CloneImage& image) {
    const auto password = RadioItems::PasswordOf(image);
    return {password.flag, password.digits};
}

PXCommunicationEvent::PXCommunicationEvent(const std::string& portName, unsigned baudRate,
                                           const LinkTiming& timing)
    : owned_(std::make_unique<PXComCommandRetry>(portName, baudRate, timing)), command_(owned_.get()) {}

PXCommunicationEvent::PXCommunicationEvent(PXComCommandRetry& shared) : command_(&shared) {}

PXCommunicationEvent::~PXCommunicationEvent() = default;

void PXCommunicationEvent::CommErrorEvent(int resultId) {
    char line[96];
    std::snprintf(line, sizeof line, "PXCommunicationEvent::CommErrorEvent [IN](ErrorID=%d) ", resultId);
    Host().Log(line);
    result_ = command_->Cancelled() ? 0 : resultId;
    Host().Log("PXCommunicationEvent::CommErrorEvent [OUT]");
}

void PXCommunicationEvent::CloseView() {
    if (closeSent_) return;
    closeSent_ = true;
    view_->Close();
}

void PXCommunicationEvent::WaitForPendingSteps() {
    while (view_->PendingSteps() > 0) command_->Pause(command_->Timing().pendingPollMs);
}

bool PXCommunicationEvent::Run(int operation, void* parameter, OperationView& view) {
    result_ = 0;
    if ((operation != OpUpload && operation != OpDownload && !HasOperation(operation)) || parameter == nullptr)
        return false;
    view_ = &view;
    closeSent_ = false;
    view.Open(command_->Cancel());
    int slot = -1;
    std::thread worker([&] {
        // The link's waits are short and many: keep the kernel from
        // stretching each one by its default 50 us of timer slack.
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
        slot = RunOperation(operation, parameter) ? 0 : -1;
        CloseView();  // every operation closes the view; this only guards against a missed close
    });
    view.RunModal();
    worker.join();
    view_ = &idleView_;
    return slot == 0;
}

bool PXCommunicationEvent::RunOperation(int operation, void* parameter) {
    auto& image = *static_cast<CloneImage*>(parameter);
    switch (operation) {
        case OpUpload:
            return RadioTransfer::Upload(*this, image, 0);
        case OpDownload:
            return RadioTransfer::Download(*this, image, 0);
        default: {
            const OperationFn fn = FindOperation(operation);
            return fn && fn(*this, parameter);
        }
    }
}

int PXCommunicationEvent::cmd_PowerOn(int retryState, int answerMode, int firstState) {
    PXComCommandRetry& cmd = *command_;
    const LinkTiming& timing = cmd.Timing();
    cmd.SetStateSink([this](int state) { view_->SetState(state); });
    // Set once the radio has answered a handshake: it is then in its
    // programming connection and beacons no more until it restarts.
    bool radioConnected = false;
    for (int attempt = 0; attempt < 4; ++attempt) {
        if (cmd.Cancelled()) {
            result_ = 0;
            return 0;
        }
        if (attempt > 0) {
            cmd.PortClose();
            char line[32];
            std::snprintf(line, sizeof line, "retry=%d", attempt);
            Host().Log(line);
        }
        bool opened = cmd.PortOpen();
        if (opened) {
            cmd.SetTimeouts();
            opened = cmd.InitializePort();
        }
        if (!opened) {
            view_->SetResultDetail(PortOpenAdvice(cmd.PortName(), cmd.LastError()));
            CommErrorEvent(CommResult::PortOpenError);
            return 0;
        }
        double window = timing.retryWindowMs;
        if (attempt == 0) {
            window = timing.firstWindowMs;
            if (answerMode == 2 && retryState != NoPreconnectedState) {
                // A radio still in a programming connection answers at once.
                std::uint8_t word[2];
                if (cmd.ProbeModel() == PXComCommand::ProbeResult::Ok && cmd.EepromRead(0, word)) {
                    result_ = 0;
                    return 1;
                }
                if (firstState != 0) view_->SetState(firstState);
            }
        } else {
            if (radioConnected) {
                // After a line error the radio still holds its connection:
                // ask it before waiting for a beacon that will not come.
                std::uint8_t word[2];
                const auto probe = cmd.ProbeModel();
                if (probe == PXComCommand::ProbeResult::Ok && cmd.EepromRead(0, word)) {
                    result_ = 0;
                    return 1;
                }
                if (probe == PXComCommand::ProbeResult::WrongModel) {
                    CommErrorEvent(CommResult::ProductTypeError);
                    return 0;
                }
                if (cmd.Cancelled()) {
                    result_ = 0;
                    return 0;
                }
                if (!cmd.LastReadUnanswered()) {
                    CommErrorEvent(CommResult::CommunicationError);
                    continue;
                }
                // Silent: switched off or restarted; it beacons when back.
            }
            view_->SetState(retryState);
        }
        if (!cmd.PowerOnHandshake(answerMode, window)) {
            CommErrorEvent(CommResult::TimeOutError);
            continue;
        }
        radioConnected = true;
        const auto probe = cmd.ProbeModel();
        if (probe == PXComCommand::ProbeResult::WrongModel) {
            CommErrorEvent(CommResult::ProductTypeError);
            return 0;
        }
        if (probe != PXComCommand::ProbeResult::Ok) {
            // The line failed, not the model: worth another attempt.
            CommErrorEvent(CommResult::CommunicationError);
            continue;
        }
        view_->SetState(WorkingState(retryState));
        cmd.Pause(timing.afterHandshakeMs, &cmd.Cancel());
        std::uint8_t word[2];
        if (!cmd.EepromReadRetry(0, 1, word)) {
            CommErrorEvent(CommResult::CommunicationError);
            continue;
        }
        result_ = 0;
        return 1;
    }
    return 0;
}
