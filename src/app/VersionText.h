#pragma once
// Version texts: "a.bb" when the third number is 0, else "a.bb.cc". The
// program's own numbers come from the build; another program file's from
// the fixed version record of its version resource.
#include <filesystem>
#include <string>

struct VersionNumbers {
    int a = 0, b = 0, c = 0;
};

std::string FormatVersionText(const VersionNumbers& v);
// The three numbers of the program itself.
VersionNumbers GetProgramVersionNumbers();
std::string ProgramVersionText();
// The numbers of a Windows program file's fixed version record; false when
// the file cannot be read or has none.
bool ReadFileVersion(const std::filesystem::path& path, VersionNumbers& out);
// "0.00" when the file has no readable version.
std::string FileVersionText(const std::filesystem::path& path);
