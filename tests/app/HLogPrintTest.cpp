#include <gtest/gtest.h>

#include <regex>
#include <thread>

#include "Fixtures.h"
#include "app/HLogPrint.h"
#include "image/TestHost.h"

namespace fs = std::filesystem;

namespace {

class LogTest : public ::testing::Test {
  protected:
    void TearDown() override { HLogPrint::Reset(); }
    int Init(const std::string& ini) {
        if (!ini.empty()) std::ofstream(dir.path() / "PX_LOG.ini", std::ios::binary) << ini;
        return HLogPrint::InitLog(dir.path() / "PX_LOG.ini", dir.path());
    }
    std::string Log(const std::string& name = "px.log") { return Fixtures::ReadBytes(dir.path() / name); }
    static int Lines(const std::string& text) {
        return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    }

    TempDir dir;
};

}  // namespace

TEST_F(LogTest, SilentWithoutConfiguration) {
    const char* configs[] = {"", "[LOG_INFO]\r\nLOG_LEVEL0=3\r\n", "[LOG_INFO]\r\nDEF_LOG_NAME=px.log\r\n"};
    for (const char* ini : configs) {
        fs::remove(dir.path() / "PX_LOG.ini");
        Init(ini);
        PX_LOG("hello %d", 1);
        EXPECT_TRUE(fs::is_empty(dir.path()) || !fs::exists(dir.path() / "px.log")) << ini;
    }
    fs::remove(dir.path() / "PX_LOG.ini");
    EXPECT_EQ(Init(""), 0);
}

TEST_F(LogTest, LevelsDecideWhatAChannelRecords) {
    ASSERT_EQ(Init("[log_info]\ndef_log_name = px.log\nLOG_LEVEL0=2\n"), 1);
    EXPECT_EQ(Log(), "");  // the first line is a [D1] line: not recorded at level 2
    HLogPrint::Printf(0, 3, "f.cpp", 1, "F", "debug");
    HLogPrint::Printf(0, 2, "f.cpp", 2, "F", "warning");
    HLogPrint::Printf(0, 1, "f.cpp", 3, "F", "error");
    HLogPrint::Printf(0, 7, "f.cpp", 4, "F", "beyond");
    HLogPrint::Printf(0, 0, "f.cpp", 5, "F", "below");
    const auto text = Log();
    EXPECT_EQ(Lines(text), 2);
    EXPECT_NE(text.find("[WR] warning"), std::string::npos);
    EXPECT_NE(text.find("[ER] error"), std::string::npos);
}

TEST_F(LogTest, LineFormatAndFirstLine) {
    ASSERT_EQ(Init("[LOG_INFO]\r\nDEF_LOG_NAME=px.log\r\nLOG_LEVEL0=6\r\n"), 1);
    HLogPrint::Printf(0, 6, "/src/radio.cpp", 42, "Radio::Read", "value %s=%d", "x", 7);
    const auto text = Log();
    ASSERT_EQ(Lines(text), 2);
    const std::regex line(
        R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d\.\d{3} \[D1\] \*{14}The log output begins\.\[Ver\.\]\[Inner Ver\.\] \*{17} )"
        R"(\(File:\[[^\]]*\] Line:\[\d+\]\) HLogPrint::InitLog\r\n)"
        R"(\d{4}/\d\d/\d\d \d\d:\d\d:\d\d\.\d{3} \[D4\] value x=7 \(File:\[/src/radio\.cpp\] Line:\[42\]\) Radio::Read\r\n)");
    EXPECT_TRUE(std::regex_match(text, line)) << text;
}

TEST_F(LogTest, ChannelsHaveTheirOwnFilesAndOutOfRangeChannelsAreIgnored) {
    ASSERT_EQ(Init("[LOG_INFO]\nDEF_LOG_NAME=px.log\nLOG_LEVEL0=3\nLOG_LEVEL7=3\nLOG_NAME7=seven.log\n"), 1);
    HLogPrint::Printf(7, 3, "f", 1, "F", "to seven");
    HLogPrint::Printf(3, 3, "f", 1, "F", "channel without level");
    HLogPrint::Printf(-1, 3, "f", 1, "F", "negative");
    HLogPrint::Printf(100, 3, "f", 1, "F", "hundred");
    HLogPrint::Print(12345, 3, "f", 1, "F", "far");
    EXPECT_EQ(Lines(Log()), 1);  // only the first line
    EXPECT_EQ(Lines(Log("seven.log")), 1);
    EXPECT_NE(Log("seven.log").find("to seven"), std::string::npos);
    EXPECT_EQ(HLogPrint::ChannelFile(7), dir.path() / "seven.log");
    EXPECT_EQ(HLogPrint::ChannelFile(3), fs::path());
    EXPECT_EQ(HLogPrint::ChannelFile(100), fs::path());
}

TEST_F(LogTest, LinesOfThreadsStayWhole) {
    ASSERT_EQ(Init("[LOG_INFO]\nDEF_LOG_NAME=px.log\nLOG_LEVEL0=3\n"), 1);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 50; ++i)
                PX_LOG("thread %d line %d %s", t, i, std::string(200, 'a' + t).c_str());
        });
    for (auto& thread : threads) thread.join();
    const auto text = Log();
    EXPECT_EQ(Lines(text), 201);
    std::istringstream lines(text);
    std::string line;
    const std::regex whole(R"(.* \[D1\] (thread \d line \d+ ([a-d])\2{199}|\*+The log.*) \(File:.*\r)");
    while (std::getline(lines, line)) EXPECT_TRUE(std::regex_match(line, whole)) << line;
}
