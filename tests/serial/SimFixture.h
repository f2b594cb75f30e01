#pragma once
// Shared pieces of the radio link tests: scaled-down timing, a view that
// records what the worker shows, and a fixture with a simulated radio on its
// own pseudo-terminal (so tests can run in parallel).
#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "RadioSim.h"
#include "TestHost.h"
#include "image/CloneImage.h"
#include "serial/LinkTiming.h"
#include "serial/OperationView.h"
#include "serial/PXCommunicationEvent.h"

// Every wait scaled down; budgets stay long enough for a loaded machine.
inline LinkTiming FastTiming() {
    LinkTiming t = LinkTiming::Scaled(0.02, 50.0);
    t.charTimeoutMs = 0.3;
    t.firstWindowMs = 400.0;
    t.retryWindowMs = 500.0;
    return t;
}

inline RadioSim::Options FastSimOptions() {
    RadioSim::Options o;
    o.beaconIntervalMs = 20.0;
    o.rebootMs = 20.0;
    return o;
}

// Records every call of the worker; answers password prompts from a script.
class RecordingView : public HeadlessOperationView {
  public:
    void SetState(int state) override {
        Note([&] { states.push_back(state); });
    }
    void SetResult(int result) override {
        Note([&] { results.push_back(result); });
    }
    void SetResultDetail(const std::string& text) override {
        Note([&] { detail = text; });
    }
    void ShowCancel(bool show) override {
        Note([&] { cancelShown.push_back(show); });
    }
    void ShowProgress(bool show) override {
        Note([&] { progressShown = show; });
    }
    void SetRange(int units) override {
        Note([&] {
            range = units;
            steps = 0;
        });
    }
    void SetPosition(int) override {}
    void AddSteps(int units) override {
        Note([&] { steps += units; });
        if (onSteps) onSteps(steps);
    }
    void SetTitle(int name) override {
        Note([&] { title = name; });
    }
    int ShowResultNow(int resultId) override {
        Note([&] { shownNow.push_back(resultId); });
        return resultNowAnswer;
    }
    int ShowMessage(int rid, std::string_view, unsigned) override {
        Note([&] { messages.push_back(rid); });
        return messageAnswer;
    }
    int AskPassword(std::string& entry) override {
        Note([&] { ++prompts; });
        if (onPrompt) onPrompt();
        std::lock_guard lock(mutex_);
        if (passwords.empty()) return 2;
        entry = passwords.front();
        passwords.pop_front();
        return entry == "<cancel>" ? 2 : 1;
    }
    void FinishSteps() override {
        Note([&] { finished = true; });
    }
    void AbandonSteps() override {
        Note([&] { abandoned = true; });
    }
    void Close() override {
        Note([&] { ++closes; });
        HeadlessOperationView::Close();
    }

    std::vector<int> states, results;
    std::vector<bool> cancelShown;
    std::vector<int> messages;
    std::vector<int> shownNow;  // results shown while the operation runs
    int resultNowAnswer = MsgAnswer::Ok;
    std::string detail;
    std::deque<std::string> passwords;  // "<cancel>" cancels that prompt
    bool progressShown = false, finished = false, abandoned = false;
    int range = 0, steps = 0, title = 0, prompts = 0, closes = 0;
    int messageAnswer = MsgAnswer::Ok;
    std::function<void(int)> onSteps;
    std::function<void()> onPrompt;

  private:
    template <class F>
    void Note(F f) {
        std::lock_guard lock(mutex_);
        f();
    }
    std::mutex mutex_;
};

class RadioLinkTest : public ::testing::Test {
  protected:
    explicit RadioLinkTest(RadioSim::Options options = FastSimOptions()) : sim(options) {}

    void SetUp() override {
        sim.LoadImage(RadioSim::MakeRadioImage(0));
        ASSERT_TRUE(sim.Start()) << "no pseudo-terminal";
    }

    // Runs one operation against the simulator; returns Run's answer.
    bool RunOp(int operation, CloneImage& image, RecordingView& view,
               const std::function<void(PXCommunicationEvent&)>& setup = {}) {
        PXCommunicationEvent runner(sim.PortPath(), 38400, FastTiming());
        if (setup) setup(runner);
        const auto start = std::chrono::steady_clock::now();
        const bool ok = runner.Run(operation, &image, view);
        elapsedMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        result = runner.Result();
        return ok;
    }

    // The addresses of the frames of `command` in the simulator's log.
    std::vector<int> Addresses(std::uint8_t command) const {
        std::vector<int> out;
        for (const auto& r : sim.Log())
            if (r.kind == RadioSim::Record::Kind::Frame && r.command == command) out.push_back(r.address);
        return out;
    }
    std::vector<std::uint8_t> Commands() const {
        std::vector<std::uint8_t> out;
        for (const auto& r : sim.Log()) out.push_back(r.command);
        return out;
    }

    TestHost host;
    RadioSim::Simulator sim;
    int result = -1;
    double elapsedMs = 0.0;
};

// Word ranges as the list of word addresses, in order.
inline std::vector<int> Words(std::initializer_list<std::pair<int, int>> ranges) {
    std::vector<int> out;
    for (const auto& [first, last] : ranges)
        for (int w = first; w <= last; ++w) out.push_back(w);
    return out;
}
