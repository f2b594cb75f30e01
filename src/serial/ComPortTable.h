#pragma once
// The serial ports of this computer, each tagged with the programming cable
// found behind it. Ports come from sysfs (every tty that a device backs);
// the friendly name of a USB port is its manufacturer and product strings,
// which tell the series' cables apart by model name; /dev/serial/by-id gives
// the stable name shown beside a port. Both roots can be moved, so tests
// run against fake trees.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "serial/CableType.h"


struct ComPortEntry {
    std::string port;  // device path, "/dev/ttyUSB0"
    int cableType = CableType::Unnamed;
    int baudRate = 0;          // always 0 in an enumerated entry
    std::string name;          // short name shown, "ttyUSB0"
    std::string friendlyName;  // USB "manufacturer product"; "" for other ports
    std::string byId;          // name of its /dev/serial/by-id link; "" when none
};

struct ComPortTable {
    static constexpr int MaxEntries = 64;
    int count = 0;
    std::vector<ComPortEntry> entries;
};

struct PortSources {
    std::filesystem::path sysRoot = "/sys";  // holds class/tty
    std::filesystem::path devRoot = "/dev";  // device nodes and serial/by-id
};

// Fills `table` afresh: the ports sorted (placeholders last) and cut to 64,
// with cable types from their friendly names. Returns the count.
int EnumComPorts(ComPortTable& table, const PortSources& sources = {});

// Index of the first occurrence of `pattern` in `text`, both taken in upper
// case; -1 when there is none or the pattern is empty.
int FindNoCase(std::string_view text, std::string_view pattern);
// The cable type a friendly name gives; `current` when it names no cable of
// the series. "QLV-10/SPECIAL" is tested before "QLV-10", which it contains.
int CableTypeFromName(std::string_view friendlyName, int current);
// Sort order: placeholders behind every real port, then by name with the
// trailing number compared as a number (ttyS2 before ttyS10).
bool PortComesBefore(const ComPortEntry& a, const ComPortEntry& b);

// The text shown for a port: its short name, the cable suffix and its by-id
// name; empty for a placeholder or an unknown cable type, which keeps the port
// out of the port box.
std::string FormatPortLabel(const ComPortEntry& entry);
// FormatPortLabel of entry `index`; empty outside 0 .. count - 1.
std::string PortLabelAt(const ComPortTable& table, int index);
