#include "app/AppState.h"

#include <algorithm>
#include <vector>

namespace AppState {

int& AppMode() {
    static int mode = 0;
    return mode;
}

int& ServiceMode() {
    static int mode = 0;
    return mode;
}

std::array<int, 4>& EditStateFlags() {
    static std::array<int, 4> flags{};
    return flags;
}

namespace {
std::vector<void (*)()>& Clearers() {
    static std::vector<void (*)()> clearers;
    return clearers;
}
}  // namespace

void AddEditStateClearer(void (*clear)()) {
    if (std::find(Clearers().begin(), Clearers().end(), clear) == Clearers().end()) Clearers().push_back(clear);
}

void ClearEditStateFlags() {
    EditStateFlags().fill(0);
    for (auto clear : Clearers()) clear();
}

RadioLink& Link() {
    static RadioLink link;
    return link;
}

FolderOptions& Folders() {
    static FolderOptions folders;
    return folders;
}

std::string& CommandLineDataFile() {
    static std::string file;
    return file;
}

std::string& CurrentFileName() {
    static std::string name;
    return name;
}

}  // namespace AppState
