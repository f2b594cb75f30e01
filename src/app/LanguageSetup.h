#pragma once
// The language services of the application: screens, menus and printouts
// follow the language in force, and the language dialog opens in the
// "language" folder of the shipped data.
#include <filesystem>
#include <vector>

#include "app/MenuCommands.h"

namespace LanguageSetup {

// Installs the screen, menu and print translation. Run once at start-up,
// before the language named in the settings is loaded.
void Install(const std::vector<std::filesystem::path>& shippedDataFolders);

// The menu entries by the one RID `keyBase`, told apart by their labels
// (the text before a tab); the shortcut after the tab stays. Sub-menus
// below a drop-down are translated with the same RID.
void TranslateMenu(MenuModel& menu, int keyBase);

}  // namespace LanguageSetup
