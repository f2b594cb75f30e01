#include "app/AppState.h"

#include "settings/SettingsFlags.h"

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

void ClearEditStateFlags() {
    EditStateFlags().fill(0);
    // The settings dialogs' own per-image flags go with them.
    Settings::ClearImageFlags();
}

RadioLink& Link() {
    static RadioLink link;
    return link;
}

FolderOptions& Folders() {
    static FolderOptions folders;
    return folders;
}

std::string& CurrentFileName() {
    static std::string name;
    return name;
}

}  // namespace AppState
