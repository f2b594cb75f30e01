#include "serial/PortConfiguration.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

namespace PortConfiguration {

namespace {

std::filesystem::path Canonical(const std::string& path) {
    std::error_code ec;
    auto out = std::filesystem::weakly_canonical(path, ec);
    return ec ? std::filesystem::path(path) : out;
}

}  // namespace

bool IsRestrictedCable(int cableType) {
    return CableType::TakesShortChunks(cableType);
}

ItemList BaudListFor(int cableType) {
    return IsRestrictedCable(cableType) ? RestrictedBaudRateList : BaudRateList;
}

bool IsListedBaudRate(int rate) {
    for (const auto& row : BaudRateList)
        if (row.value != ItemListEnd && row.value == rate) return true;
    return false;
}

int ValidBaudRate(int saved) {
    return IsListedBaudRate(saved) ? saved : FirstBaudRate;
}

int RestrictedSelection(int cableType, int currentRate) {
    if (!IsRestrictedCable(cableType)) return currentRate;
    return currentRate == 38400 || currentRate == 115200 ? currentRate : RestrictedDefault;
}

bool NeedsCaution(int cableType, int baudRate) {
    const bool seriesCable = cableType == CableType::Qlv10 || cableType == CableType::Qlv10Special ||
                             cableType == CableType::Qlv12;
    return !seriesCable && baudRate >= CautionBaudRate;
}

std::string CheckTypedPort(const std::string& text) {
    if (text.empty() || text.front() != '/')
        return "Enter the full path of the serial device, such as /dev/ttyUSB0.";
    struct stat st {};
    if (::stat(text.c_str(), &st) != 0) return text + " does not exist.";
    if (!S_ISCHR(st.st_mode)) return text + " is not a serial device.";
    return {};
}

Model::Model(ComPortTable table, PortConfig current)
    : table_(std::move(table)), current_(std::move(current)) {
    for (int i = 0; i < table_.count; ++i) {
        std::string label = PortLabelAt(table_, i);
        if (label.empty()) continue;
        if (table_.entries[static_cast<std::size_t>(i)].port == current_.port)
            initialRow_ = static_cast<int>(rows_.size());
        rows_.push_back(std::move(label));
        rowEntry_.push_back(i);
    }
    if (initialRow_ >= 0) return;
    // A device that exists but is not listed (a pseudo-terminal, a link of
    // the user's) stays as typed; a port that is gone gives way to row 0.
    typed_ = !current_.port.empty() && CheckTypedPort(current_.port).empty();
    if (!typed_ && !rows_.empty()) initialRow_ = 0;
}

std::string Model::InitialText() const {
    if (initialRow_ >= 0) return rows_[static_cast<std::size_t>(initialRow_)];
    return typed_ ? current_.port : std::string();
}

bool Model::PortForText(const std::string& text, ComPortEntry& out) const {
    for (std::size_t row = 0; row < rows_.size(); ++row)
        if (rows_[row] == text) {
            out = table_.entries[static_cast<std::size_t>(rowEntry_[row])];
            return true;
        }
    if (text.empty()) return false;
    out = ComPortEntry{};
    out.port = text;
    out.cableType = CableType::Plain;
    const auto target = Canonical(text);
    for (const auto& entry : table_.entries)
        if (entry.cableType != CableType::Unnamed && Canonical(entry.port) == target) {
            out.cableType = entry.cableType;
            break;
        }
    return true;
}

std::string Model::Refusal(const std::string& portText) const {
    for (const auto& row : rows_)
        if (row == portText) return {};
    if (portText.empty()) return {};
    return CheckTypedPort(portText);
}

Model::Baud Model::BaudFor(const std::string& portText, int currentRate) const {
    ComPortEntry entry;
    if (!PortForText(portText, entry)) return {BaudRateList, currentRate};
    return {BaudListFor(entry.cableType), RestrictedSelection(entry.cableType, currentRate)};
}

Model::Outcome Model::Ok(const std::string& portText, int baudRate) const {
    Outcome outcome;
    outcome.config = current_;
    ComPortEntry entry;
    if (PortForText(portText, entry)) {
        outcome.config.port = entry.port;
        outcome.config.cableType = entry.cableType;
        if (baudRate > 0) outcome.config.baudRate = baudRate;
    }
    const PortConfig& c = outcome.config;
    outcome.writes = {{PortKey, c.port},
                      {BaudRateKey, std::to_string(c.baudRate)},
                      {CableTypeKey, std::to_string(c.cableType)}};
    outcome.caution = NeedsCaution(c.cableType, c.baudRate);
    return outcome;
}

}  // namespace PortConfiguration
