// The built program as real processes: each test runs its own copy in a
// private program folder (its own settings, lock and socket), finds its main
// window on the X display by process id and ends the processes it started.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "Fixtures.h"
#include "XWindowTitles.h"
#include "image/TestHost.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

class ProgramCopy {
  public:
    ProgramCopy() {
        fs::copy_file(ZT_PROGRAM_EXE, exe);
        CopyDefaults();
    }
    // An installed program, started where it lies.
    explicit ProgramCopy(const fs::path& installedExe) : exe(installedExe) {}

    // The build's default data files when they lie beside the program,
    // otherwise a fixture of the fallback default.
    void CopyDefaults() {
        const fs::path built = fs::path(ZT_PROGRAM_EXE).parent_path();
        for (const auto& row : Model::VariantTable)
            if (fs::exists(built / row.fileName))
                fs::copy_file(built / row.fileName, dir.path() / row.fileName);
        if (!fs::exists(dir.path() / "default640ud.PDX")) Fixtures::WriteDefaults(dir.path(), {5});
    }
    ~ProgramCopy() {
        for (pid_t pid : pids_) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }

    pid_t Start(const std::vector<std::string>& args, const fs::path& folder) {
        std::vector<std::string> words{exe.string()};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& w : words) argv.push_back(w.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
        pid_t pid = 0;
        const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) return -1;
        pids_.push_back(pid);
        return pid;
    }

    // Waits for `pid` to end; its exit status, or -1 after the timeout.
    int Wait(pid_t pid, std::chrono::milliseconds timeout) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            int status = 0;
            if (::waitpid(pid, &status, WNOHANG) == pid) {
                std::erase(pids_, pid);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(20ms);
        }
        return -1;
    }

    // Waits until a window of `pid` carries `title`.
    bool WaitForTitle(pid_t pid, const std::string& title, std::chrono::milliseconds timeout) {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            for (const auto& t : WindowTitles(pid))
                if (t == title) return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    TempDir dir;
    fs::path exe = dir.path() / "pardex";

  private:
    std::vector<pid_t> pids_;
};

const std::string kAppTitle = " - Pardex for ZT-610/640 Series";

}  // namespace

TEST(Program, StartsOnTheDefaultDataFileAndShowsItsTitle) {
    ProgramCopy program;
    const pid_t pid = program.Start({}, program.dir.path());
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(program.WaitForTitle(pid, "<none>" + kAppTitle, 15s));
    EXPECT_TRUE(fs::exists(program.dir.path() / "pardex.xml"));  // the settings file lies beside the program
}

TEST(Program, SecondStartHandsItsFileToTheFirstAndEnds) {
    ProgramCopy program;
    const fs::path work = program.dir.path() / "work";
    fs::create_directories(work);
    Fixtures::WriteImage(work / "first.PDX", Fixtures::VariantImage(4, 1));
    Fixtures::WriteImage(work / "second.PDX", Fixtures::VariantImage(4, 2));

    const pid_t first = program.Start({(work / "first.PDX").string()}, program.dir.path());
    ASSERT_GT(first, 0);
    ASSERT_TRUE(program.WaitForTitle(first, (work / "first.PDX").string() + kAppTitle, 15s));

    // A relative name: the first instance must get it with the second's folder.
    const pid_t second = program.Start({"second.PDX"}, work);
    ASSERT_GT(second, 0);
    EXPECT_EQ(program.Wait(second, 15s), 0);
    EXPECT_TRUE(program.WaitForTitle(first, (work / "second.PDX").string() + kAppTitle, 15s));

    // A second start without a file changes nothing.
    const pid_t third = program.Start({}, work);
    EXPECT_EQ(program.Wait(third, 15s), 0);
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(program.WaitForTitle(first, (work / "second.PDX").string() + kAppTitle, 1s));
}

TEST(Program, ModeOptionsSetTheModeAndAWrongOneEndsAtOnce) {
    ProgramCopy program;
    const pid_t manufacture = program.Start({"--app-mode=2", "--service-mode=2"}, program.dir.path());
    ASSERT_GT(manufacture, 0);
    EXPECT_TRUE(program.WaitForTitle(manufacture, "<none> - Pardex for ZT-610/640 Series(M)", 15s));
    ::kill(manufacture, SIGTERM);
    program.Wait(manufacture, 5s);

    const pid_t wrong = program.Start({"--app-mode=7"}, program.dir.path());
    ASSERT_GT(wrong, 0);
    EXPECT_NE(program.Wait(wrong, 10s), 0);
    EXPECT_TRUE(WindowTitles(wrong).empty());
}

// Installed, the program lies in <prefix>/bin and finds what it ships in
// <prefix>/share/pardex; nothing of it is left beside the executable.
TEST(Program, InstalledUnderAPrefixFindsItsSharedDataAndStarts) {
    TempDir prefix;
    const std::string command = std::string("\"") + ZT_CMAKE_COMMAND + "\" --install \"" + ZT_BINARY_DIR +
                                "\" --prefix \"" + prefix.path().string() + "\" >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const fs::path share = prefix.path() / "share" / "pardex";
    for (const auto& row : Model::VariantTable) EXPECT_TRUE(fs::exists(share / row.fileName)) << row.fileName;
    EXPECT_FALSE(fs::is_empty(share / "Alignment Data"));
    EXPECT_TRUE(fs::is_directory(share / "language"));
    EXPECT_TRUE(fs::is_directory(share / "Tone_sample"));
    EXPECT_TRUE(fs::exists(prefix.path() / "share" / "applications" / "pardex.desktop"));
    EXPECT_FALSE(fs::exists(prefix.path() / "bin" / "default640ud.PDX"));

    ProgramCopy program(prefix.path() / "bin" / "pardex");
    const pid_t pid = program.Start({}, prefix.path());
    ASSERT_GT(pid, 0);
    // The default data file came from the share folder: no "no default file" message.
    EXPECT_TRUE(program.WaitForTitle(pid, "<none>" + kAppTitle, 15s));
}
