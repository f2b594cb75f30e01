// How the progress bar drains the steps the worker announces.
#include <gtest/gtest.h>

#include <vector>

#include "serial/ProgressSteps.h"

namespace {

std::vector<int> DrainAll(ProgressSteps& steps) {
    std::vector<int> ticks;
    while (int step = steps.Tick()) ticks.push_back(step);
    return ticks;
}

TEST(ProgressSteps, ABacklogDrainsByAThirdThenFourAtATime) {
    ProgressSteps steps;
    steps.Add(300);
    const std::vector<int> expected = {104, 69, 46, 31, 20, 4, 4, 4, 4, 4, 4, 4, 2};
    EXPECT_EQ(DrainAll(steps), expected);
    EXPECT_EQ(steps.Pending(), 0);
    EXPECT_EQ(steps.Tick(), 0);
}

TEST(ProgressSteps, FinishDrawsEverythingAtOnceAndANewRangeDropsTheBacklog) {
    ProgressSteps steps;
    steps.Add(300);
    steps.Finish();
    EXPECT_EQ(DrainAll(steps), std::vector<int>{300});

    steps.Add(50);
    steps.Reset();  // a new range or position
    EXPECT_EQ(steps.Pending(), 0);
    steps.Add(30);
    EXPECT_EQ(steps.Tick(), 4);  // normal pace again

    steps.Abandon();
    EXPECT_EQ(steps.Pending(), 0);
}

}  // namespace
