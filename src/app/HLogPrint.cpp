#include "app/HLogPrint.h"

#include <sys/time.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <vector>

#include "app/IniFile.h"
#include "app/ProgramFolders.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxName = 512;

struct Channel {
    int level = 0;
    fs::path file;
};

struct LogState {
    std::mutex lock;  // guards the channels and every file write
    std::array<Channel, HLogPrint::ChannelCount> channels;
};

LogState& State() {
    static LogState state;
    return state;
}

std::string Cut(std::string text) {
    if (text.size() > kMaxName) text.resize(kMaxName);
    return text;
}

}  // namespace

namespace HLogPrint {

std::string_view LevelTag(int level) {
    static constexpr std::string_view kTags[] = {"[ER]", "[WR]", "[D1]", "[D2]", "[D3]", "[D4]"};
    if (level < 1 || level > 6) return {};
    return kTags[level - 1];
}

int InitLog(const fs::path& iniFile, const fs::path& logFolder) {
    const IniFile ini = IniFile::Load(iniFile);
    const std::string defaultName = Cut(ini.GetString("LOG_INFO", "DEF_LOG_NAME", ""));
    {
        std::lock_guard guard(State().lock);
        for (auto& channel : State().channels) channel = {};
        if (defaultName.empty()) return 0;
        for (int n = 0; n < ChannelCount; ++n) {
            auto& channel = State().channels[static_cast<std::size_t>(n)];
            channel.level = ini.GetInt("LOG_INFO", "LOG_LEVEL" + std::to_string(n), 0);
            channel.file =
                logFolder / Cut(ini.GetString("LOG_INFO", "LOG_NAME" + std::to_string(n), defaultName));
        }
    }
    Printf(0, LevelDebug1, __FILE__, __LINE__, "HLogPrint::InitLog",
           "**************The log output begins.[Ver.%s][Inner Ver.%s] *****************", "", "");
    return 1;
}

int InitLog() {
    const fs::path program = ProgramFolders::ProgramFolder();
    fs::path ini = program / IniFileName;
    std::error_code ec;
    if (!fs::exists(ini, ec)) ini = ProgramFolders::SettingsFolder() / IniFileName;
    return InitLog(ini, ProgramFolders::DataWriteFolder());
}

void Reset() {
    std::lock_guard guard(State().lock);
    for (auto& channel : State().channels) channel = {};
}

fs::path ChannelFile(int channel) {
    if (channel < 0 || channel >= ChannelCount) return {};
    std::lock_guard guard(State().lock);
    const auto& c = State().channels[static_cast<std::size_t>(channel)];
    return c.level > 0 ? c.file : fs::path();
}

std::string FormatLine(int level, std::string_view text, std::string_view file, int line,
                       std::string_view function) {
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm local{};
    const std::time_t seconds = now.tv_sec;
    localtime_r(&seconds, &local);
    char stamp[40];
    std::snprintf(stamp, sizeof stamp, "%04d/%02d/%02d %02d:%02d:%02d.%03d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(now.tv_usec / 1000));
    std::string place = "(File:[" + std::string(file) + "] Line:[" + std::to_string(line) + "])";
    std::string result;
    result.reserve(text.size() + place.size() + function.size() + 40);
    result.append(stamp).append(" ").append(LevelTag(level)).append(" ");
    result.append(text).append(" ").append(place).append(" ").append(function);
    return result;
}

void Print(int channel, int level, const char* file, int line, const char* function, std::string_view text) {
    // Writers outside the channel range or the level range are ignored.
    if (channel < 0 || channel >= ChannelCount || level < 1 || level > 6) return;
    fs::path target;
    {
        std::lock_guard guard(State().lock);
        const auto& c = State().channels[static_cast<std::size_t>(channel)];
        if (c.level <= 0 || c.file.empty() || level > c.level) return;
        target = c.file;
    }
    // Lines are text-mode lines of the log's own format: CR LF throughout.
    const std::string formatted =
        FormatLine(level, text, file ? file : "", line, function ? function : "") + "\n";
    std::string out;
    out.reserve(formatted.size() + 4);
    for (char ch : formatted) {
        if (ch == '\n') out += '\r';
        out += ch;
    }
    std::lock_guard guard(State().lock);
    if (std::FILE* f = std::fopen(target.c_str(), "ab")) {
        std::fwrite(out.data(), 1, out.size(), f);
        std::fclose(f);
    }
}

void Printf(int channel, int level, const char* file, int line, const char* function, const char* format,
            ...) {
    if (channel < 0 || channel >= ChannelCount || ChannelFile(channel).empty()) return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int size = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::vector<char> text(size > 0 ? static_cast<std::size_t>(size) + 1 : 1, '\0');
    if (size > 0) std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    Print(channel, level, file, line, function, std::string_view(text.data(), size > 0 ? size : 0));
}

}  // namespace HLogPrint
