#include "app/FirmwareToolLauncher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "app/IniFile.h"
#include "image/FileUtil.h"

extern char** environ;

namespace fs = std::filesystem;

FirmwareToolLauncher::~FirmwareToolLauncher() {
    Join();
}

std::string FirmwareToolLauncher::ArgumentFor(int serviceMode) {
    switch (serviceMode) {
        case 1:
            return "-eng";
        case 2:
            return "-manu";
        default:
            return "";
    }
}

fs::path FirmwareToolLauncher::SettingsFileOf(const fs::path& tool) {
    fs::path ini = tool;
    ini.replace_extension(".INI");
    return ini;
}

bool FirmwareToolLauncher::HandPortToTool(const fs::path& tool, const std::string& port) {
    const fs::path ini = SettingsFileOf(tool);
    std::error_code ec;
    if (!fs::is_regular_file(ini, ec)) return false;
    IniFile file = IniFile::Load(ini);
    file.Set("Initialize", "COM_PORT", port);
    return FileUtil::WriteFileAtomically(ini.string(), file.Text());
}

bool FirmwareToolLauncher::Launch(const fs::path& tool, int serviceMode, const std::string& port,
                                  Callbacks callbacks) {
    std::lock_guard lock(mutex_);
    if (running_.load()) return false;
    if (thread_.joinable()) thread_.join();
    running_ = true;
    thread_ = std::thread(&FirmwareToolLauncher::Run, this, tool, ArgumentFor(serviceMode), port,
                          std::move(callbacks));
    return true;
}

void FirmwareToolLauncher::Join() {
    std::lock_guard lock(mutex_);
    if (thread_.joinable()) thread_.join();
}

void FirmwareToolLauncher::Run(fs::path tool, std::string argument, std::string port, Callbacks callbacks) {
    std::error_code ec;
    if (!fs::is_regular_file(tool, ec) || ::access(tool.c_str(), X_OK) != 0) {
        if (callbacks.cannotStart)
            callbacks.cannotStart("The firmware tool \"" + tool.string() +
                                  "\" is missing or cannot be executed.");
        running_ = false;
        return;
    }
    HandPortToTool(tool, port);

    std::vector<std::string> words{tool.string()};
    if (!argument.empty()) words.push_back(argument);
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, tool.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        if (callbacks.cannotStart)
            callbacks.cannotStart("The firmware tool \"" + tool.string() + "\" could not be started.");
        running_ = false;
        return;
    }
    if (callbacks.minimise) callbacks.minimise();
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (callbacks.restore) callbacks.restore();
    running_ = false;
}
