// Every fault a cable or a radio produces, and Cancel at each stage: the
// operation ends with its result (0 for a cancel) within a bounded time,
// leaves the caller's image as it was, leaves a half-written radio marked
// incomplete, and the same operation succeeds on the next try.
#include "SimFixture.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"

namespace {

using RadioSim::Fault;
using RadioSim::FaultKind;

enum class Cancel { None, WhileWaitingForRadio, AfterHandshake, DuringTransfer };

struct FaultCase {
    const char* name;
    int operation;
    std::vector<Fault> faults;
    Cancel cancel;
    int result;
    bool radioDead;    // needs switching on again before the next try
    bool halfWritten;  // the radio's word 511 must read FF FF afterwards
    double maxMs;
};

constexpr std::uint8_t F0 = RadioFrame::EepromReadCode, F1 = RadioFrame::EepromWriteCode,
                       F6 = RadioFrame::FlashReadCode, F7 = RadioFrame::FlashWriteCode;
constexpr int Comm = CommResult::CommunicationError;

const FaultCase kCases[] = {
    // Upload.
    {"upload: radio never beacons",
     0,
     {{FaultKind::NoBeacon}},
     Cancel::None,
     CommResult::TimeOutError,
     false,
     false,
     5000},
    {"upload: wrong model code",
     0,
     {{FaultKind::WrongModelCode}},
     Cancel::None,
     CommResult::ProductTypeError,
     false,
     false,
     3000},
    {"upload: identity read fails", 0, {{FaultKind::Nak, 1, -1, F0}}, Cancel::None, Comm, false, false, 3000},
    {"upload: echo lost", 0, {{FaultKind::EchoLost, 10}}, Cancel::None, Comm, false, false, 3000},
    {"upload: echo corrupted", 0, {{FaultKind::EchoCorrupted, 10}}, Cancel::None, Comm, false, false, 3000},
    {"upload: radio refuses", 0, {{FaultKind::Nak, 40}}, Cancel::None, Comm, false, false, 3000},
    {"upload: page with a bad checksum",
     0,
     {{FaultKind::BadChecksum, 3, -1, F6}},
     Cancel::None,
     Comm,
     false,
     false,
     3000},
    {"upload: reply past its budget",
     0,
     {{FaultKind::DelayedReply, 20, -1, F0, 200.0}},
     Cancel::None,
     Comm,
     false,
     false,
     4000},
    {"upload: power lost mid-read", 0, {{FaultKind::Stall, 100}}, Cancel::None, Comm, true, false, 3000},
    {"upload: power lost at the model probe",
     0,
     {{FaultKind::Stall, 0}},
     Cancel::None,
     CommResult::TimeOutError,
     true,
     false,
     5000},
    {"upload: one refusal is retried", 0, {{FaultKind::Nak, 40, 1}}, Cancel::None, 0, false, false, 3000},
    {"upload: two lost echoes are retried",
     0,
     {{FaultKind::EchoLost, 40, 2}},
     Cancel::None,
     0,
     false,
     false,
     3000},
    {"upload: cancel while waiting for the radio",
     0,
     {{FaultKind::NoBeacon}},
     Cancel::WhileWaitingForRadio,
     0,
     false,
     false,
     2000},
    {"upload: cancel after the handshake", 0, {}, Cancel::AfterHandshake, 0, false, false, 2000},
    {"upload: cancel while reading", 0, {}, Cancel::DuringTransfer, 0, false, false, 2000},
    // Download.
    {"download: radio never beacons",
     1,
     {{FaultKind::NoBeacon}},
     Cancel::None,
     CommResult::TimeOutError,
     false,
     false,
     5000},
    {"download: wrong model code",
     1,
     {{FaultKind::WrongModelCode}},
     Cancel::None,
     CommResult::ProductTypeError,
     false,
     false,
     3000},
    {"download: identity read fails",
     1,
     {{FaultKind::Nak, 1, -1, F0}},
     Cancel::None,
     Comm,
     false,
     false,
     3000},
    {"download: pre-read refused", 1, {{FaultKind::Nak, 30, -1, F0}}, Cancel::None, Comm, false, false, 3000},
    {"download: word write refused", 1, {{FaultKind::Nak, 5, -1, F1}}, Cancel::None, Comm, false, true, 4000},
    {"download: word write answers other data",
     1,
     {{FaultKind::WriteMismatch, 5, -1, F1}},
     Cancel::None,
     Comm,
     false,
     true,
     4000},
    {"download: word write with a bad checksum",
     1,
     {{FaultKind::BadChecksum, 5, -1, F1}},
     Cancel::None,
     Comm,
     false,
     true,
     4000},
    {"download: page write echo lost",
     1,
     {{FaultKind::EchoLost, 3, -1, F7}},
     Cancel::None,
     Comm,
     false,
     true,
     6000},
    {"download: page write echo corrupted",
     1,
     {{FaultKind::EchoCorrupted, 3, -1, F7}},
     Cancel::None,
     Comm,
     false,
     true,
     6000},
    {"download: page write not acknowledged",
     1,
     {{FaultKind::BadChecksum, 3, -1, F7}},
     Cancel::None,
     Comm,
     false,
     true,
     4000},
    // The late acknowledgement does not hold up the next try's echo: the
    // retry of the page is acknowledged at once.
    {"download: one page acknowledged late is retried",
     1,
     {{FaultKind::DelayedReply, 3, 1, F7, 200.0}},
     Cancel::None,
     0,
     false,
     false,
     6000},
    {"download: power lost mid-write",
     1,
     {{FaultKind::Stall, 5, -1, F7}},
     Cancel::None,
     Comm,
     true,
     true,
     4000},
    {"download: one refused page is retried",
     1,
     {{FaultKind::Nak, 3, 1, F7}},
     Cancel::None,
     0,
     false,
     false,
     3000},
    {"download: cancel while waiting for the radio",
     1,
     {{FaultKind::NoBeacon}},
     Cancel::WhileWaitingForRadio,
     0,
     false,
     false,
     2000},
    {"download: cancel after the handshake", 1, {}, Cancel::AfterHandshake, 0, false, false, 2000},
    {"download: cancel while writing", 1, {}, Cancel::DuringTransfer, 0, false, true, 2000},
};

class FaultSuite : public RadioLinkTest, public ::testing::WithParamInterface<FaultCase> {
  protected:
    // The caller's image: for a Download the radio's own content with other
    // channels, for an Upload a document that is not the radio's.
    CloneImage CallerImage(int operation) const {
        CloneImage image = RadioSim::MakeRadioImage(0);
        for (std::size_t i = CloneImage::BlockOffset(0); i < CloneImage::BlockOffset(8); ++i)
            image[i] = static_cast<std::uint8_t>(operation == 1 ? 0x11 : 0x77);
        return image;
    }

    void Arm(RecordingView& view, Cancel cancel) {
        switch (cancel) {
            case Cancel::None:
                break;
            case Cancel::WhileWaitingForRadio:
                // Once the radio has been asked for, press Cancel a little later.
                canceller_ = std::thread([&view] {
                    std::this_thread::sleep_for(std::chrono::milliseconds(150));
                    view.PressCancel();
                });
                break;
            case Cancel::AfterHandshake:
                stateHook_ = true;
                break;
            case Cancel::DuringTransfer:
                // Six units into the main transfer (the range is set for it).
                view.onSteps = [&view](int steps) {
                    if (view.range > 0 && steps >= 6) view.PressCancel();
                };
                break;
        }
    }

    void TearDown() override {
        if (canceller_.joinable()) canceller_.join();
    }

    std::thread canceller_;
    bool stateHook_ = false;
};

// Presses Cancel when the working state (uploading / downloading) shows.
class CancelOnWorkingState : public RecordingView {
  public:
    bool armed = false;
    void SetState(int state) override {
        RecordingView::SetState(state);
        if (armed && (state == 3 || state == 4)) PressCancel();
    }
};

TEST_P(FaultSuite, EndsWithItsResultAndTheNextTrySucceeds) {
    const FaultCase& c = GetParam();
    sim.SetFaults(c.faults);
    CloneImage image = CallerImage(c.operation);
    const CloneImage before = image;
    CancelOnWorkingState view;
    Arm(view, c.cancel);
    view.armed = stateHook_;

    const bool ok = RunOp(c.operation, image, view);
    if (canceller_.joinable()) canceller_.join();
    EXPECT_EQ(ok, c.result == 0 && c.cancel == Cancel::None);
    EXPECT_EQ(result, c.result);
    EXPECT_LT(elapsedMs, c.maxMs);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(view.results.size(), 1u);
    if (!ok) {
        EXPECT_EQ(image, before) << "the caller's image changed";
    }
    const CloneImage radio = sim.Memory();
    if (c.halfWritten) {
        EXPECT_EQ(radio[2 * 511], 0xFF);
        EXPECT_EQ(radio[2 * 511 + 1], 0xFF);
    } else if (!ok) {
        EXPECT_EQ(radio[2 * 511], 0x5A) << "nothing was to be written";
    }

    // The same operation on the next try.
    sim.ClearFaults();
    if (c.radioDead) sim.PowerOn();
    image = before;
    RecordingView again;
    EXPECT_TRUE(RunOp(c.operation, image, again)) << "result " << result;
    if (c.operation == 1) {
        EXPECT_EQ(sim.Memory()[2 * 511], 0x5A);
        EXPECT_EQ(sim.Memory()[CloneImage::BlockOffset(0)], 0x11);
    } else {
        EXPECT_EQ(image[CloneImage::BlockOffset(0)], RadioSim::MakeRadioImage(0)[CloneImage::BlockOffset(0)]);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultSuite, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return name;
});

}  // namespace
