#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "TestHost.h"
#include "image/FileUtil.h"
#include "image/PowerMarker.h"

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct ResultFolderGuard {
    ~ResultFolderGuard() { ResultLog::ResultFolder().clear(); }
};

TEST(PowerMarker, LiesBesideTheResultFile) {
    TestHost host;
    TempDir programDir, resultDir;
    host.programFolder = programDir.path();
    ResultFolderGuard guard;

    ResultLog::ResultFolder().clear();
    EXPECT_EQ(CloneImageOps::PowerMarkerPath(), programDir.path() / "power.txt");

    ResultLog::ResultFolder() = resultDir.path().string() + "/";
    EXPECT_EQ(CloneImageOps::PowerMarkerPath(), resultDir.path() / "power.txt");
}

TEST(PowerMarker, WorkerWritesAnEmptyFileAfterTheDelay) {
    TempDir dir;
    const fs::path path = dir.path() / "power.txt";
    {
        std::ofstream old(path);
        old << "stale";
    }
    CloneImageOps::PowerMarkerWriter writer;
    const auto start = std::chrono::steady_clock::now();
    writer.Start(path, 50ms);
    writer.Wait();
    EXPECT_GE(std::chrono::steady_clock::now() - start, 50ms);
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path), 0u);
}

// Shutting down while the worker waits must neither hang for the delay nor
// leave a thread running; the marker is still written.
TEST(PowerMarker, DestroyingTheOwnerEndsTheWorkerAndKeepsTheMarker) {
    TempDir dir;
    const fs::path path = dir.path() / "power.txt";
    const auto start = std::chrono::steady_clock::now();
    {
        CloneImageOps::PowerMarkerWriter writer;
        writer.Start(path, 60s);
        EXPECT_FALSE(fs::exists(path));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);
    EXPECT_TRUE(fs::exists(path));
}

TEST(PowerMarker, AFolderThatCannotBeWrittenIsIgnored) {
    TempDir dir;
    const fs::path path = dir.path() / "missing" / "power.txt";
    EXPECT_FALSE(CloneImageOps::WritePowerMarker(path));
    CloneImageOps::PowerMarkerWriter writer;
    writer.Start(path, 1ms);
    writer.Wait();
    EXPECT_FALSE(fs::exists(path));
}

}  // namespace
