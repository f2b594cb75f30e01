#pragma once
// Process-wide state of the application shell that the other window folders
// read: modes, the per-image edit-state flags, the radio-link settings read
// at start-up, the ship-mode folder options and the current-file name.
#include <array>
#include <string>

namespace AppState {

// 0 normal, 1 "(E)", 2 "(M)", 3 "(SP)", 4 the unattended factory/ship mode.
int& AppMode();
// 0 normal, 1 "Engineer Mode", 2 "Manufacture Mode".
int& ServiceMode();

// Set by settings screens when the user set their values; consulted when an
// image is prepared for the radio; cleared after every load, save and New.
std::array<int, 4>& EditStateFlags();
void ClearEditStateFlags();
// Per-image flags kept by window libraries (the settings dialogs') are
// cleared with the edit-state flags; this library stays free of them.
void AddEditStateClearer(void (*clear)());

struct RadioLink {
    std::string port;   // device path; empty when none is configured
    int cableType = 1;  // 1 none, 2 "QLV-10", 3 "QLV-10/S", 4 "QLV-12"
    int baudRate = 38400;
};
RadioLink& Link();

// The ship mode's folder options; ModelInfoFolder and ResultFolder end in a
// separator when not empty.
struct FolderOptions {
    std::string cxx, html, modelInfo, result;
};
FolderOptions& Folders();

// The file name of the window title up to its first "." (empty when none).
std::string& CurrentFileName();

// The data file named on the command line (empty when none): the ship mode
// starts its sequence only with one and reopens it after a failed write.
std::string& CommandLineDataFile();

}  // namespace AppState
