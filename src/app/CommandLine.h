#pragma once
// The command line: the data file to open and, in the unattended ship mode
// only, the four folder options "cxx=", "html=", "modelinfo=" and "result=".
// Flags begin with "-" (a leading "/" is a path here).
#include <string>
#include <vector>

class CVondelCommandLineInfo {
  public:
    enum class ShellCommand { FileNew, FileOpen };

    std::string FileName;
    ShellCommand Command = ShellCommand::FileNew;
    std::string CxxFolder, HtmlFolder, ModelInfoFolder, ResultFolder;

    // One word of the command line, as the parser of the application sees it.
    void ParseParam(const std::string& word, int appMode, int serviceMode);
    // Every word after the program name.
    void Parse(const std::vector<std::string>& words, int appMode, int serviceMode);

    static bool IsFlag(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

  private:
    void ParseFrameworkParam(const std::string& word);
};

// The mode options, read before anything else of the command line:
// "--app-mode=N" (0 normal, 1 E, 2 M, 3 SP, 4 the unattended ship mode) and
// "--service-mode=N" (0 normal, 1 Engineer Mode, 2 Manufacture Mode).
struct ModeOptions {
    int appMode = 0;
    int serviceMode = 0;
    // The words that are not mode options, in their order.
    std::vector<std::string> rest;
    // Empty when the command line is sound, else what is wrong with it.
    std::string error;
    bool help = false;
};
ModeOptions ParseModeOptions(const std::vector<std::string>& words);
// What a wrong option prints.
std::string UsageText(const std::string& programName);

// The folder options carried into the process-wide state, with a trailing
// separator added to ModelInfoFolder and ResultFolder.
void ApplyFolderOptions(const CVondelCommandLineInfo& info);
