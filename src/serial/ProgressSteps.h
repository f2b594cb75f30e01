#pragma once
// The backlog of progress-bar steps: the worker announces finished work in
// bursts, and a 50 ms timer draws it so that the bar moves smoothly. Changed
// on the user-interface thread only; the worker reads the pending count while
// it waits for the bar to catch up.
#include <atomic>

class ProgressSteps {
  public:
    static constexpr int BaseStep = 4;     // steps per tick at least
    static constexpr int Backlog = 30;     // above this a third of it goes per tick
    static constexpr int FastBonus = 999;  // after Finish: everything at once

    // A new range or position: nothing pending, normal pace.
    void Reset() {
        pending_ = 0;
        fast_ = false;
    }
    void Add(int steps) { pending_ += steps; }
    void Finish() { fast_ = true; }
    void Abandon() { Reset(); }
    int Pending() const { return pending_.load(); }

    // One timer tick: the steps to draw now, taken off the backlog.
    int Tick() {
        const int pending = pending_.load();
        if (pending <= 0) return 0;
        int step = BaseStep;
        if (pending > Backlog) step = pending / 3 + BaseStep;
        if (fast_) step += FastBonus;
        if (step > pending) step = pending;
        pending_ -= step;
        return step;
    }

  private:
    std::atomic<int> pending_{0};
    std::atomic<bool> fast_{false};
};
