#pragma once
// One running instance per program file: a lock held by the first instance
// and a local socket over which a second start hands its file over.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class wxSingleInstanceChecker;
class HandOverServer;

class SingleInstance {
  public:
    // `name`: the program's name; `folder`: where the lock and the socket lie.
    SingleInstance(std::string name, std::filesystem::path folder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another instance holds the lock.
    bool AnotherIsRunning();
    // Second instance: sends `fileName` (made absolute here) to the running
    // instance; false when none answered within `patienceMs`.
    bool SendToRunning(const std::string& fileName, int patienceMs = 3000);
    // First instance: listens for hand-overs; `receive` gets each valid path
    // on the user-interface thread.
    bool Listen(std::function<void(const std::string&)> receive);

    std::filesystem::path SocketPath() const;

  private:
    std::string name_;
    std::filesystem::path folder_;
    std::unique_ptr<wxSingleInstanceChecker> checker_;
    std::unique_ptr<HandOverServer> server_;
};
