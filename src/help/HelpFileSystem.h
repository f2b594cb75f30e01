#pragma once
// Pages of the help file as wxFileSystem locations, so that an HTML window
// shows a topic with its pictures and follows its links inside the same file:
// "file:///.../PardexWIN.chm#zthelp:/pardex/Main/Ch/CH_CHANNEL.htm".
// Open help files are kept open between pages and opened again when the file
// changes on disk. A help file that cannot be read is logged once, not at
// every page.
#include <wx/string.h>

#include <functional>
#include <string>

#include "help/ChmFile.h"
#include "help/HelpMap.h"

namespace Help {

inline constexpr const char* Protocol = "zthelp";

// Adds the handler to wxFileSystem (once; later calls do nothing).
void InstallFileSystem();
// The location of a topic; "" for an empty location.
wxString TopicUrl(const HelpLocation& location);
// The help file at `path`, open; null when it cannot be read.
ChmFile* OpenHelpFile(const std::filesystem::path& path);
// Closes the files kept open.
void CloseHelpFiles();

// Where the help code writes its log lines; standard error until set.
void SetLogSink(std::function<void(const std::string& line)> sink);
void Log(const std::string& line);

}  // namespace Help
