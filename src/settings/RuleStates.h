#pragma once
// Restriction tables of caption + control pairs. The printout joins rows
// that share one states array into one line, so each pair needs an array of
// its own even where the states are alike: Pairs() gives every pair its own
// copy of the states it names, PairRows() the table over those copies.
#include <array>
#include <cstddef>
#include <cstdint>

#include "ui/Restraction.h"

namespace Settings {

struct RulePair {
    int labelId;
    int controlId;
    const std::uint8_t* states;  // 15 bytes
};

using RuleStates = std::array<std::uint8_t, RestrictionVariants * RestrictionServiceModes>;

template <std::size_t N>
constexpr std::array<RuleStates, N> PairStates(const std::array<RulePair, N>& pairs) {
    std::array<RuleStates, N> states{};
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t k = 0; k < states[i].size(); ++k) states[i][k] = pairs[i].states[k];
    return states;
}

// Caption row (restrict 0) then control row (restrict 1) per pair, then the
// end row.
template <std::size_t N>
constexpr std::array<ControlRuleRow, 2 * N + 1> PairRows(const std::array<RulePair, N>& pairs,
                                                         const std::array<RuleStates, N>& states) {
    std::array<ControlRuleRow, 2 * N + 1> rows{};
    for (std::size_t i = 0; i < N; ++i) {
        rows[2 * i] = {pairs[i].labelId, 0, states[i].data()};
        rows[2 * i + 1] = {pairs[i].controlId, 1, states[i].data()};
    }
    rows[2 * N] = {-1, 0, nullptr};
    return rows;
}

}  // namespace Settings
