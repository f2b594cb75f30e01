// The box whose choice decides the group/channel selector's mode, shared by
// the emergency, scan and power-on pages: a refused choice goes back to the
// last accepted one (keeping the shown channel), and when that is refused
// too, to the fallback; an empty box is remembered or not as the page says.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "settings/GroupChannelSelector.h"

using namespace Settings;

namespace {

constexpr int kBox = 2101;
constexpr std::int32_t kFallback = 0;

struct Call {
    std::int32_t value;
    bool keep;
    bool operator==(const Call&) const = default;
};

struct Case {
    const char* what;
    ModeChoice::Empty empty;
    std::set<std::int32_t> refused;   // choices the selector cannot follow once the page is open
    std::vector<std::int32_t> picks;  // what the user picks after the page opened on 1 (-1: the box emptied)
    std::int32_t shown;               // what the box shows at the end
    std::vector<Call> lastCalls;      // what the last pick asked of the selector
};

}  // namespace

TEST(ModeChoice, RefusedChoiceFallsBackToTheLastAcceptedThenToTheFallback) {
    using E = ModeChoice::Empty;
    const Case cases[] = {
        {"accepted", E::Remembered, {}, {2}, 2, {{2, false}}},
        {"back to the last accepted, keeping the channel",
         E::Remembered,
         {3},
         {2, 3},
         2,
         {{3, false}, {2, true}}},
        {"last accepted refused now: the fallback",
         E::Remembered,
         {3, 1},
         {3},
         0,
         {{3, false}, {1, true}, {0, false}}},
        {"the opening value counts as accepted", E::Remembered, {3}, {3}, 1, {{3, false}, {1, true}}},
        {"an empty box remembered", E::Remembered, {3}, {-1, 3}, -1, {{3, false}, {-1, true}}},
        {"an empty box not remembered", E::Ignored, {3}, {-1, 3}, 1, {{3, false}, {1, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SettingsForm form;
        form.Add(kBox, ControlKind::Combo);
        form.SetRows(kBox, {{0, "Zero"}, {1, "One"}, {2, "Two"}, {3, "Three"}});
        std::vector<Call> calls;
        const std::set<std::int32_t> none;
        const std::set<std::int32_t>* refused = &none;
        ModeChoice choice(
            form, kBox, kFallback,
            [&calls, &refused](std::int32_t value, bool keep) {
                calls.push_back({value, keep});
                return refused->count(value) == 0;
            },
            c.empty);
        form.SelectValue(kBox, 1);
        choice.Start();
        refused = &c.refused;
        for (const std::int32_t pick : c.picks) {
            calls.clear();
            if (pick == -1)
                form.SelectIndex(kBox, -1);
            else
                form.SelectValue(kBox, pick);
            choice.Follow();
        }
        EXPECT_EQ(form.Value(kBox), c.shown);
        EXPECT_EQ(calls, c.lastCalls);
    }
}
