#pragma once
// The debug log: silent unless "PX_LOG.ini" configures it. 100 channels
// (0-99), each with a highest level it records and a file it appends to.
// Every line is time-stamped; a lock keeps lines of different threads whole.
#include <filesystem>
#include <string>
#include <string_view>

namespace HLogPrint {

inline constexpr int ChannelCount = 100;
inline constexpr int LevelError = 1, LevelWarning = 2, LevelDebug1 = 3, LevelDebug2 = 4, LevelDebug3 = 5,
                     LevelDebug4 = 6;
inline constexpr const char* IniFileName = "PX_LOG.ini";

// Reads `iniFile` (section "LOG_INFO": "DEF_LOG_NAME", "LOG_LEVEL<n>",
// "LOG_NAME<n>"); log files go into `logFolder`. Returns 0, and leaves every
// channel silent, when no default log name is configured; else 1. Writes the
// first line on channel 0.
int InitLog(const std::filesystem::path& iniFile, const std::filesystem::path& logFolder);
// The program's own configuration: "PX_LOG.ini" beside the program (else in
// the settings folder), logs in the folder for written files.
int InitLog();
// Forgets the configuration: every channel silent again.
void Reset();

// The tag of a level ("[D1]" for 3), "" outside 1-6.
std::string_view LevelTag(int level);
// One finished line without its line end: time, tag, text, place, function.
std::string FormatLine(int level, std::string_view text, std::string_view file, int line,
                       std::string_view function);

void Print(int channel, int level, const char* file, int line, const char* function, std::string_view text);
void Printf(int channel, int level, const char* file, int line, const char* function, const char* format, ...)
    __attribute__((format(printf, 6, 7)));

// The file that channel `channel` writes to; empty when it is silent.
std::filesystem::path ChannelFile(int channel);

}  // namespace HLogPrint

// The writers' form: channel 0, level "[D1]", with the caller's place.
#define PX_LOG(...) HLogPrint::Printf(0, HLogPrint::LevelDebug1, __FILE__, __LINE__, __func__, __VA_ARGS__)
