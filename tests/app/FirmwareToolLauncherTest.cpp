#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "Fixtures.h"
#include "app/FirmwareToolLauncher.h"
#include "image/TestHost.h"

namespace fs = std::filesystem;

namespace {

fs::path MakeTool(const fs::path& folder, const std::string& script) {
    const fs::path tool = folder / FirmwareToolLauncher::ToolName;
    std::ofstream(tool) << "#!/bin/sh\n" << script << "\n";
    ::chmod(tool.c_str(), 0755);
    return tool;
}

}  // namespace

TEST(FirmwareTool, ArgumentByServiceMode) {
    EXPECT_EQ(FirmwareToolLauncher::ArgumentFor(0), "");
    EXPECT_EQ(FirmwareToolLauncher::ArgumentFor(1), "-eng");
    EXPECT_EQ(FirmwareToolLauncher::ArgumentFor(2), "-manu");
}

TEST(FirmwareTool, PortGoesOnlyIntoAnExistingSettingsFile) {
    TempDir dir;
    const fs::path tool = dir.path() / "TQ7.exe";
    EXPECT_EQ(FirmwareToolLauncher::SettingsFileOf(tool), dir.path() / "TQ7.INI");
    EXPECT_FALSE(FirmwareToolLauncher::HandPortToTool(tool, "/dev/ttyUSB0"));
    EXPECT_FALSE(fs::exists(dir.path() / "TQ7.INI"));

    std::ofstream(dir.path() / "TQ7.INI") << "[Initialize]\r\nCOM_PORT=1\r\nSPEED=9600\r\n";
    EXPECT_TRUE(FirmwareToolLauncher::HandPortToTool(tool, "/dev/ttyUSB0"));
    EXPECT_EQ(Fixtures::ReadBytes(dir.path() / "TQ7.INI"),
              "[Initialize]\r\nCOM_PORT=/dev/ttyUSB0\r\nSPEED=9600\r\n");
}

TEST(FirmwareTool, OneToolAtATimeWithTheWindowMinimisedAroundIt) {
    TempDir dir;
    const auto log = dir.path() / "runs.txt";
    const auto tool = MakeTool(dir.path(), "echo \"run $1\" >> '" + log.string() + "'; sleep 0.3");
    std::ofstream(dir.path() / "TQ7.INI") << "[Initialize]\r\nCOM_PORT=1\r\n";

    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::string> events;
    auto note = [&](std::string what) {
        std::lock_guard lock(mutex);
        events.push_back(std::move(what));
        changed.notify_all();
    };
    FirmwareToolLauncher launcher;
    FirmwareToolLauncher::Callbacks callbacks{[&] { note("minimise"); }, [&] { note("restore"); },
                                              [&](const std::string& m) { note("cannot: " + m); }};
    ASSERT_TRUE(launcher.Launch(tool, 1, "/dev/ttyS0", callbacks));
    EXPECT_FALSE(launcher.Launch(tool, 1, "/dev/ttyS0", callbacks));  // still running
    launcher.Join();
    EXPECT_FALSE(launcher.Running());
    EXPECT_EQ(events, (std::vector<std::string>{"minimise", "restore"}));
    EXPECT_EQ(Fixtures::ReadBytes(log), "run -eng\n");
    EXPECT_NE(Fixtures::ReadBytes(dir.path() / "TQ7.INI").find("COM_PORT=/dev/ttyS0"), std::string::npos);

    ASSERT_TRUE(launcher.Launch(tool, 0, "", callbacks));  // a finished launch allows the next
    launcher.Join();
    EXPECT_EQ(Fixtures::ReadBytes(log), "run -eng\nrun \n");
}

TEST(FirmwareTool, MissingOrNotExecutableToolIsReported) {
    TempDir dir;
    std::vector<std::string> events;
    FirmwareToolLauncher launcher;
    FirmwareToolLauncher::Callbacks callbacks{[&] { events.push_back("minimise"); },
                                              [&] { events.push_back("restore"); },
                                              [&](const std::string& m) { events.push_back(m); }};
    ASSERT_TRUE(launcher.Launch(dir.path() / "TQ7.exe", 0, "", callbacks));
    launcher.Join();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_NE(events[0].find("TQ7.exe"), std::string::npos);

    std::ofstream(dir.path() / "TQ7.exe") << "not a program";
    ::chmod((dir.path() / "TQ7.exe").c_str(), 0644);
    events.clear();
    ASSERT_TRUE(launcher.Launch(dir.path() / "TQ7.exe", 0, "", callbacks));
    launcher.Join();
    if (::access((dir.path() / "TQ7.exe").c_str(), X_OK) != 0) {
        ASSERT_EQ(events.size(), 1u);
        EXPECT_NE(events[0].find("cannot be executed"), std::string::npos);
    }
}
