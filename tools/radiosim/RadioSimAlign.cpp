// The radio's side of the alignment commands: what each command changes in
// the live alignment state, and the status reply of 0x31.
#include <algorithm>
#include <cstdlib>

#include "RadioSim.h"

namespace RadioSim {

AlignState Simulator::Alignment() const {
    std::lock_guard lock(mutex_);
    return align_;
}

void Simulator::SetRssiCurve(const RssiCurve& curve) {
    std::lock_guard lock(mutex_);
    curve_ = curve;
    curveOn_ = true;
}

void Simulator::QueueStatus(const std::vector<std::array<std::uint8_t, 6>>& replies) {
    std::lock_guard lock(mutex_);
    statusQueue_.insert(statusQueue_.end(), replies.begin(), replies.end());
}

void Simulator::OnAlignCommand(std::uint8_t command, const std::uint8_t* payload, std::size_t size) {
    switch (command) {
        case 0x30:
            if (size == 2) align_.point = payload[0] * 16 + payload[1];
            break;
        case 0x32:
            if (size == 1) align_.adjustValue = payload[0];
            break;
        case 0x33:
            if (size == 2) align_.items[payload[0]] = payload[1];
            break;
        case 0x37:
            if (size == 1) align_.byte37 = payload[0];
            break;
        case 0x3C:
            if (size == 1) align_.reference = payload[0];
            break;
        case 0x34:
            align_.transmitting = true;
            break;
        case 0x35:
            align_.transmitting = false;
            break;
        case 0x36:
            if (size == 3) {
                align_.value36 = static_cast<std::uint16_t>((payload[0] << 8) | payload[1]);
                align_.byte36 = payload[2];
            }
            break;
        default:
            break;
    }
}

std::vector<std::uint8_t> Simulator::StatusBytes() const {
    if (!statusQueue_.empty()) {
        const auto next = statusQueue_.front();
        statusQueue_.pop_front();
        return {next.begin(), next.end()};
    }
    if (!curveOn_) return {std::begin(status_), std::end(status_)};
    const int distance = std::abs(std::max(align_.adjustValue, 0) - curve_.center);
    const int rssi = std::clamp(curve_.peak - distance * curve_.slope, 0, 255);
    return {
        0, static_cast<std::uint8_t>(std::clamp(curve_.vcv, 0, 255)), static_cast<std::uint8_t>(rssi), 0, 0,
        0};
}

}  // namespace RadioSim
