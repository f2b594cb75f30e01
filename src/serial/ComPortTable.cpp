#include "serial/ComPortTable.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The first line of a sysfs attribute, without surrounding blanks.
std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) return {};
    const auto first = line.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = line.find_last_not_of(" \t\r\n");
    return line.substr(first, last - first + 1);
}

// "ttyUSB10" -> ("ttyUSB", 10); a name without a trailing number gives -1.
std::pair<std::string_view, long> SplitName(std::string_view name) {
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1]))) --digits;
    if (digits == name.size() || name.size() - digits > 9) return {name, -1};
    return {name.substr(0, digits), std::stol(std::string(name.substr(digits)))};
}

bool NameBefore(std::string_view a, std::string_view b) {
    const auto [prefixA, numberA] = SplitName(a);
    const auto [prefixB, numberB] = SplitName(b);
    if (prefixA != prefixB) return prefixA < prefixB;
    if (numberA != numberB) return numberA < numberB;
    return a < b;
}

fs::path Canonical(const fs::path& path) {
    std::error_code ec;
    fs::path out = fs::weakly_canonical(path, ec);
    return ec ? path : out;
}

// A serial-core tty reports its UART type; 0 means no UART behind the name
// (the legacy ttyS placeholders). Other drivers have no such attribute.
bool HasUart(const fs::path& ttyDir) {
    std::error_code ec;
    if (!fs::exists(ttyDir / "type", ec)) return true;
    return ReadAttribute(ttyDir / "type") != "0";
}

// "manufacturer product" of the USB device above the tty, "" when none.
std::string UsbFriendlyName(const fs::path& ttyDir, const fs::path& sysRoot) {
    std::error_code ec;
    fs::path dir = fs::canonical(ttyDir / "device", ec);
    if (ec) return {};
    const fs::path root = Canonical(sysRoot);
    for (; !dir.empty() && dir != root && dir != dir.root_path(); dir = dir.parent_path()) {
        if (!fs::exists(dir / "idVendor", ec)) continue;
        const std::string manufacturer = ReadAttribute(dir / "manufacturer");
        const std::string product = ReadAttribute(dir / "product");
        if (manufacturer.empty()) return product;
        return product.empty() ? manufacturer : manufacturer + " " + product;
    }
    return {};
}

// The by-id link name of every device node, in link-name order.
void AddByIdNames(std::vector<ComPortEntry>& entries, const fs::path& devRoot) {
    std::error_code ec;
    std::vector<fs::path> links;
    for (fs::directory_iterator it(devRoot / "serial" / "by-id", ec), end; !ec && it != end; it.increment(ec))
        links.push_back(it->path());
    std::sort(links.begin(), links.end());
    for (const fs::path& link : links) {
        const fs::path target = Canonical(link);
        for (ComPortEntry& entry : entries)
            if (entry.byId.empty() && Canonical(entry.port) == target) {
                entry.byId = link.filename().string();
                break;
            }
    }
}

}  // namespace

int FindNoCase(std::string_view text, std::string_view pattern) {
    if (pattern.empty()) return -1;
    const auto at = Upper(text).find(Upper(pattern));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CableTypeFromName(std::string_view friendlyName, int current) {
    if (FindNoCase(friendlyName, "QLV-10/SPECIAL") >= 0) return CableType::Qlv10Special;
    if (FindNoCase(friendlyName, "QLV-10") >= 0) return CableType::Qlv10;
    if (FindNoCase(friendlyName, "QLV-12") >= 0) return CableType::Qlv12;
    return current;
}

bool PortComesBefore(const ComPortEntry& a, const ComPortEntry& b) {
    const bool placeholderA = a.cableType == CableType::Unnamed,
               placeholderB = b.cableType == CableType::Unnamed;
    if (placeholderA != placeholderB) return placeholderB;
    return NameBefore(a.name, b.name);
}

int EnumComPorts(ComPortTable& table, const PortSources& sources) {
    table.count = 0;
    table.entries.clear();
    const fs::path classDir = sources.sysRoot / "class" / "tty";
    std::error_code ec;
    std::vector<std::string> names;
    for (fs::directory_iterator it(classDir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code exists;
        // Consoles and pseudo-terminals have no device behind them.
        if (fs::exists(it->path() / "device", exists)) names.push_back(it->path().filename().string());
    }
    for (const std::string& name : names) {
        ComPortEntry entry;
        entry.port = (sources.devRoot / name).string();
        entry.name = name;
        entry.cableType = HasUart(classDir / name) ? CableType::Plain : CableType::Unnamed;
        table.entries.push_back(std::move(entry));
    }
    // Placeholders sort last, so when the table is full they are the ones
    // left out.
    std::stable_sort(table.entries.begin(), table.entries.end(), PortComesBefore);
    if (table.entries.size() > static_cast<std::size_t>(ComPortTable::MaxEntries))
        table.entries.resize(ComPortTable::MaxEntries);
    for (ComPortEntry& entry : table.entries) {
        if (entry.cableType == CableType::Unnamed) continue;
        entry.friendlyName = UsbFriendlyName(classDir / entry.name, sources.sysRoot);
        entry.cableType = CableTypeFromName(entry.friendlyName, entry.cableType);
    }
    AddByIdNames(table.entries, sources.devRoot);
    table.count = static_cast<int>(table.entries.size());
    return table.count;
}

std::string FormatPortLabel(const ComPortEntry& entry) {
    static constexpr const char* kSuffix[] = {"", "", " (QLV-10)", " (QLV-10/S)", " (QLV-12)"};
    if (entry.cableType < CableType::Plain || entry.cableType > CableType::Qlv12 || entry.name.empty())
        return {};
    std::string label = entry.name + kSuffix[entry.cableType];
    if (!entry.byId.empty()) label += "  [" + entry.byId + "]";
    return label;
}

std::string PortLabelAt(const ComPortTable& table, int index) {
    if (index < 0 || index >= table.count || index >= static_cast<int>(table.entries.size())) return {};
    return FormatPortLabel(table.entries[static_cast<std::size_t>(index)]);
}
