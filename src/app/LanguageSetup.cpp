#include "app/LanguageSetup.h"

#include <system_error>

#include "language/Language.h"
#include "ui/FileLanguageDlg.h"
#include "ui/ScreenTranslation.h"

namespace fs = std::filesystem;

namespace LanguageSetup {

void TranslateMenu(MenuModel& menu, int keyBase) {
    std::vector<std::string> labels;
    for (const MenuEntry& entry : menu) labels.push_back(entry.text.substr(0, entry.text.find('\t')));
    const std::vector<std::string> shown = LangTable::ApplyTextTable(keyBase, labels);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        MenuEntry& entry = menu[i];
        if (entry.kind == MenuEntry::SubMenu && keyBase != MenuBarTextKey)
            TranslateMenu(entry.items, keyBase);
        if (entry.text.empty() || shown[i].empty()) continue;
        const auto tab = entry.text.find('\t');
        entry.text = shown[i] + (tab == std::string::npos ? std::string() : entry.text.substr(tab));
    }
}

void Install(const std::vector<fs::path>& shippedDataFolders) {
    ScreenTranslation::InstallLanguageServices();
    PopupMenu::SetTranslator(&TranslateMenu);
    // The chooser opens in the first shipped "language" folder that exists.
    fs::path folder =
        shippedDataFolders.empty() ? fs::path("language") : shippedDataFolders.front() / "language";
    for (const fs::path& data : shippedDataFolders) {
        std::error_code ec;
        if (fs::is_directory(data / "language", ec)) {
            folder = data / "language";
            break;
        }
    }
    CLanguageFileDialog::LastLanguagePath() = folder;
}

}  // namespace LanguageSetup
