#pragma once
// A host for tests: fixed date, modes and folders; records every message and
// answers with a preset reply.
#include <filesystem>
#include <string>
#include <vector>

#include "image/ImageHost.h"

class TestHost : public ImageHost {
  public:
    struct Shown {
        int rid;
        std::string text;
        unsigned style;
    };

    TestHost() { SetHost(this); }
    ~TestHost() override { SetHost(nullptr); }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    int ServiceMode() const override { return serviceMode; }
    int AppMode() const override { return appMode; }
    std::tm Now() const override { return now; }
    std::filesystem::path ProgramFolder() const override { return programFolder; }
    std::filesystem::path WritableFolder() const override { return programFolder; }
    int VersionMajor() const override { return version[0]; }
    int VersionMinor() const override { return version[1]; }
    int VersionPatch() const override { return version[2]; }
    int Mdc1200SetupType() const override { return mdcSetupType; }
    int Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style) override {
        messages.push_back({rid, std::string(builtin) + std::string(suffix), style});
        return answer;
    }
    void Log(std::string_view line) override { log.emplace_back(line); }

    int serviceMode = 0;
    int appMode = 0;
    std::tm now = MakeTime(2026, 12, 10, 9, 30);
    std::filesystem::path programFolder;
    int version[3] = {1, 0, 0};
    int mdcSetupType = 0;
    int answer = MsgAnswer::Ok;
    std::vector<Shown> messages;
    std::vector<std::string> log;

    static std::tm MakeTime(int y, int mo, int d, int h, int mi) {
        std::tm t{};
        t.tm_year = y - 1900;
        t.tm_mon = mo - 1;
        t.tm_mday = d;
        t.tm_hour = h;
        t.tm_min = mi;
        return t;
    }
};

// A fresh temporary folder removed at the end of the test.
class TempDir {
  public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "zt_test_XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  private:
    std::filesystem::path path_;
};
