#include "app/CommandLine.h"

#include <strings.h>

#include "app/AppState.h"
#include "image/FileUtil.h"

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
    if (appMode == 4) {
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
        } else if (serviceMode != 0) {
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

void ApplyFolderOptions(const CVondelCommandLineInfo& info) {
    auto& folders = AppState::Folders();
    folders.cxx = info.CxxFolder;
    folders.html = info.HtmlFolder;
    folders.modelInfo = WithSeparator(info.ModelInfoFolder);
    folders.result = WithSeparator(info.ResultFolder);
    ResultLog::ResultFolder() = folders.result;
}
