#include "app/CommandLine.h"

#include <strings.h>

#include "app/AppState.h"
#include "image/FileUtil.h"
#include "image/Modes.h"

namespace {

bool TakePrefix(std::string& rest, const char* prefix) {
    const std::size_t n = std::char_traits<char>::length(prefix);
    if (rest.size() < n || strncasecmp(rest.c_str(), prefix, n) != 0) return false;
    rest.erase(0, n);
    return true;
}

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

void CVondelCommandLineInfo::ParseParam(const std::string& word, int appMode, int serviceMode) {
    if (appMode == AppModes::Ship) {
        if (!IsFlag(word)) {
            std::string rest = word;
            bool matched = false;
            if (TakePrefix(rest, "cxx=")) {
                CxxFolder = rest;
                matched = true;
            } else if (TakePrefix(rest, "html=")) {
                HtmlFolder = rest;
                matched = true;
            }
            if (TakePrefix(rest, "modelinfo=")) {
                ModelInfoFolder = rest;
                matched = true;
            } else if (TakePrefix(rest, "result=")) {
                ResultFolder = rest;
                matched = true;
            }
            if (matched) return;
        } else if (serviceMode != ServiceModes::Normal) {
            return;
        }
    }
    ParseFrameworkParam(word);
}

void CVondelCommandLineInfo::ParseFrameworkParam(const std::string& word) {
    // The first word that is not a flag names the file; flags and further
    // words change nothing here.
    if (IsFlag(word) || word.empty() || !FileName.empty()) return;
    FileName = word;
    Command = ShellCommand::FileOpen;
}

void CVondelCommandLineInfo::Parse(const std::vector<std::string>& words, int appMode, int serviceMode) {
    for (const auto& word : words) ParseParam(word, appMode, serviceMode);
}

namespace {

// "--name=N" with N a whole number in [first, last].
bool TakeMode(const std::string& word, const char* option, int first, int last, int& value,
              std::string& error) {
    const std::string prefix = std::string(option) + "=";
    if (word.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string number = word.substr(prefix.size());
    const bool digits =
        !number.empty() && number.size() <= 2 && number.find_first_not_of("0123456789") == std::string::npos;
    const int n = digits ? std::stoi(number) : -1;
    if (n < first || n > last)
        error = "wrong value in " + word + " (" + std::to_string(first) + " to " + std::to_string(last) + ")";
    else
        value = n;
    return true;
}

}  // namespace

ModeOptions ParseModeOptions(const std::vector<std::string>& words) {
    ModeOptions options;
    for (const auto& word : words) {
        if (word == "--help" || word == "-h") {
            options.help = true;
            continue;
        }
        if (TakeMode(word, "--app-mode", AppModes::First, AppModes::Last, options.appMode, options.error) ||
            TakeMode(word, "--service-mode", ServiceModes::First, ServiceModes::Last, options.serviceMode,
                     options.error))
            continue;
        options.rest.push_back(word);
    }
    // Flags are the program's own; in the ship mode with a service mode the
    // line tool's flags are taken and ignored.
    const bool flagsIgnored =
        options.appMode == AppModes::Ship && options.serviceMode != ServiceModes::Normal;
    for (const auto& word : options.rest)
        if (options.error.empty() && CVondelCommandLineInfo::IsFlag(word) && !flagsIgnored)
            options.error = "unknown option " + word;
    return options;
}

std::string UsageText(const std::string& programName) {
    return "usage: " + programName +
           " [--app-mode=N] [--service-mode=N] [data file] [cxx=F] [html=F] [modelinfo=F] [result=F]\n"
           "  --app-mode=N      0 normal (default), 1 E, 2 M, 3 SP,\n"
           "                    4 the unattended ship mode (enables the four folder options)\n"
           "  --service-mode=N  0 normal (default), 1 Engineer Mode, 2 Manufacture Mode\n"
           "  data file         a data file (.PDX) to open instead of the default data file\n"
           "  cxx=, html=, modelinfo=, result=   ship-mode folders for data files, HTML documents,\n"
           "                    the model information file and the result file\n";
}

void ApplyFolderOptions(const CVondelCommandLineInfo& info) {
    auto& folders = AppState::Folders();
    folders.cxx = info.CxxFolder;
    folders.html = info.HtmlFolder;
    folders.modelInfo = WithSeparator(info.ModelInfoFolder);
    folders.result = WithSeparator(info.ResultFolder);
    ResultLog::ResultFolder() = folders.result;
}
