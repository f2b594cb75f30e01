#pragma once
// Where the program finds what it ships and where it writes. Shipped data
// lies beside the executable in the build tree, or in the share folder of the
// install prefix. Written files go beside the executable when that folder is
// writable, otherwise into the user's XDG folders.
#include <filesystem>
#include <string>
#include <vector>

namespace ProgramFolders {

// The folder of the running executable.
std::filesystem::path ProgramFolder();
// The executable's file name without extension ("pardex").
std::string ProgramName();

// Folders searched for shipped data, in order: the program folder, then
// <prefix>/share/<program> when the executable lies in <prefix>/bin.
std::vector<std::filesystem::path> ShippedDataFolders(const std::filesystem::path& programFolder);
std::vector<std::filesystem::path> ShippedDataFolders();
// The first existing `name` in the shipped data folders; the program folder's
// path of `name` when none has it.
std::filesystem::path FindShippedFile(const std::string& name);

enum class Purpose { Settings, Data };
// The one rule for written files: `programFolder` when it is writable, else
// $XDG_CONFIG_HOME (settings) or $XDG_DATA_HOME (data), with their defaults
// under $HOME, in a sub-folder named `programName`. The folder is created.
std::filesystem::path WritableFolder(Purpose purpose, const std::filesystem::path& programFolder,
                                     const std::string& programName);
std::filesystem::path SettingsFolder();
std::filesystem::path DataWriteFolder();

// The settings file: named after the program file.
std::filesystem::path SettingsFilePath();

bool IsWritableFolder(const std::filesystem::path& folder);

}  // namespace ProgramFolders
