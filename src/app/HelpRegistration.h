#pragma once
// The help services of the main window: the help file and the related-items
// file from the program folder, F1 and the Help buttons through the help map,
// and the help topic and related-items panes.
#include <filesystem>

namespace HelpRegistration {
// The help file and the related-items file; the program's own files when
// not given.
void Register(std::filesystem::path helpFile = {}, std::filesystem::path relatedFile = {});
}  // namespace HelpRegistration
