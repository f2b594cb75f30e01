#include "app/SingleInstance.h"

#include <unistd.h>
#include <wx/app.h>
#include <wx/ipc.h>
#include <wx/log.h>
#include <wx/snglinst.h>

#include <chrono>
#include <thread>

#include "app/HandOver.h"

namespace fs = std::filesystem;

namespace {

// A UNIX socket path must fit sun_path (108 bytes with its NUL).
constexpr std::size_t kMaxSocketPath = 100;

class HandOverConnection : public wxConnection {
  public:
    explicit HandOverConnection(std::function<void(const std::string&)> receive)
        : receive_(std::move(receive)) {}

    bool OnExecute(const wxString& /*topic*/, const void* data, size_t size,
                   wxIPCFormat /*format*/) override {
        const auto path = HandOver::Decode(data, size);
        if (!path) return false;
        // Answer the sender at once; the document work (which may ask the
        // user) runs afterwards on the user-interface thread.
        if (wxTheApp) wxTheApp->CallAfter([receive = receive_, p = *path] { receive(p); });
        return true;
    }

  private:
    std::function<void(const std::string&)> receive_;
};

}  // namespace

class HandOverServer : public wxServer {
  public:
    explicit HandOverServer(std::function<void(const std::string&)> receive) : receive_(std::move(receive)) {}

    wxConnectionBase* OnAcceptConnection(const wxString& topic) override {
        if (topic != HandOver::Topic) return nullptr;
        return new HandOverConnection(receive_);
    }

  private:
    std::function<void(const std::string&)> receive_;
};

SingleInstance::SingleInstance(std::string name, fs::path folder)
    : name_(std::move(name)), folder_(std::move(folder)) {}

SingleInstance::~SingleInstance() = default;

fs::path SingleInstance::SocketPath() const {
    fs::path path = folder_ / ("." + name_ + ".ipc");
    if (path.string().size() <= kMaxSocketPath) return path;
    // A long folder name: a short name in the temporary folder that still
    // differs per folder and per user.
    const auto hash = std::hash<std::string>{}(folder_.string());
    return fs::temp_directory_path() /
           (name_ + "-" + std::to_string(::getuid()) + "-" + std::to_string(hash % 1000000007) + ".ipc");
}

bool SingleInstance::AnotherIsRunning() {
    checker_ = std::make_unique<wxSingleInstanceChecker>();
    wxLogNull quiet;
    if (!checker_->Create("." + name_ + ".lock", folder_.string())) return false;
    return checker_->IsAnotherRunning();
}

bool SingleInstance::SendToRunning(const std::string& fileName, int patienceMs) {
    std::error_code ec;
    const auto message = HandOver::Encode(fileName, fs::current_path(ec).string());
    wxLogNull quiet;
    wxClient client;
    // The running instance may still be starting: try again for a while.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(patienceMs);
    do {
        std::unique_ptr<wxConnectionBase> connection(
            client.MakeConnection("localhost", SocketPath().string(), HandOver::Topic));
        if (connection) {
            const bool sent = connection->Execute(message.data(), message.size(), wxIPC_PRIVATE);
            connection->Disconnect();
            return sent;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

bool SingleInstance::Listen(std::function<void(const std::string&)> receive) {
    server_ = std::make_unique<HandOverServer>(std::move(receive));
    wxLogNull quiet;
    if (!server_->Create(SocketPath().string())) {
        server_.reset();
        return false;
    }
    return true;
}
