#pragma once
// Starts the external firmware tool "TQ7.exe" from the program folder with
// the argument of the service mode, hands it the selected serial port
// through the tool's own settings file when that file exists, and waits for
// it in a thread of its own. One tool at a time.
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class FirmwareToolLauncher {
  public:
    static constexpr const char* ToolName = "TQ7.exe";

    // Called from the launcher thread; the window side moves them onto its
    // own thread.
    struct Callbacks {
        std::function<void()> minimise;
        std::function<void()> restore;
        std::function<void(const std::string& message)> cannotStart;
    };

    FirmwareToolLauncher() = default;
    ~FirmwareToolLauncher();
    FirmwareToolLauncher(const FirmwareToolLauncher&) = delete;
    FirmwareToolLauncher& operator=(const FirmwareToolLauncher&) = delete;

    // "" in normal mode, "-eng" in Engineer Mode, "-manu" in Manufacture Mode.
    static std::string ArgumentFor(int serviceMode);
    // The tool's settings file: its path with the extension ".INI".
    static std::filesystem::path SettingsFileOf(const std::filesystem::path& tool);
    // Writes "COM_PORT" of section "Initialize" into an existing settings
    // file; a missing file is not created. False when nothing was written.
    static bool HandPortToTool(const std::filesystem::path& tool, const std::string& port);

    // Starts the tool; false (nothing started) while a launch still runs.
    bool Launch(const std::filesystem::path& tool, int serviceMode, const std::string& port,
                Callbacks callbacks);
    bool Running() const { return running_.load(); }
    // Waits for a running launch to end.
    void Join();

  private:
    void Run(std::filesystem::path tool, std::string argument, std::string port, Callbacks callbacks);

    std::atomic<bool> running_{false};
    std::mutex mutex_;
    std::thread thread_;
};
