#include "app/ProgramFolders.h"

#include <unistd.h>

#include <cstdlib>

#include "Version.h"

namespace fs = std::filesystem;

namespace ProgramFolders {

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec);
    return exe.parent_path();
}

std::string ProgramName() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.stem().empty()) return ZT_PROGRAM_NAME;
    return exe.stem().string();
}

std::vector<fs::path> ShippedDataFolders(const fs::path& programFolder) {
    std::vector<fs::path> folders{programFolder};
    if (programFolder.filename() == "bin")
        folders.push_back(programFolder.parent_path() / "share" / ZT_PROGRAM_NAME);
    return folders;
}

std::vector<fs::path> ShippedDataFolders() {
    return ShippedDataFolders(ProgramFolder());
}

fs::path FindShippedFile(const std::string& name) {
    const auto folders = ShippedDataFolders();
    std::error_code ec;
    for (const auto& folder : folders)
        if (fs::exists(folder / name, ec)) return folder / name;
    return folders.front() / name;
}

bool IsWritableFolder(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

fs::path WritableFolder(Purpose purpose, const fs::path& programFolder, const std::string& programName) {
    if (IsWritableFolder(programFolder)) return programFolder;
    const char* variable = purpose == Purpose::Settings ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME";
    fs::path base;
    const char* xdg = std::getenv(variable);
    // The XDG rules ignore a relative path in these variables.
    if (xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base =
            fs::path(home) / (purpose == Purpose::Settings ? fs::path(".config") : fs::path(".local/share"));
    } else {
        return programFolder;
    }
    const fs::path folder = base / programName;
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

fs::path SettingsFolder() {
    return WritableFolder(Purpose::Settings, ProgramFolder(), ZT_PROGRAM_NAME);
}
fs::path DataWriteFolder() {
    return WritableFolder(Purpose::Data, ProgramFolder(), ZT_PROGRAM_NAME);
}

fs::path SettingsFilePath() {
    return SettingsFolder() / (ProgramName() + ".xml");
}

}  // namespace ProgramFolders
