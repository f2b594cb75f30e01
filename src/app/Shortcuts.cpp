#include "app/Shortcuts.h"

#include "app/MenuCommands.h"

namespace Shortcuts {

int KeyOfMenuText(std::string_view text) {
    constexpr std::string_view marker = "\tCtrl+";
    const auto at = text.find(marker);
    if (at == std::string_view::npos || at + marker.size() + 1 != text.size()) return 0;
    const char key = text[at + marker.size()];
    if (key >= 'a' && key <= 'z') return key - 'a' + 'A';
    return key >= 'A' && key <= 'Z' ? key : 0;
}

int CommandForKey(int key, bool ctrl, bool shift, bool alt) {
    if (!ctrl || shift || alt || key == 0) return 0;
    if (key >= 'a' && key <= 'z') key = key - 'a' + 'A';
    for (const CommandRow& row : CommandTable())
        if (KeyOfMenuText(row.text) == key) return row.id;
    return 0;
}

bool IsTextFieldKey(int key) {
    return key == 'C' || key == 'V' || key == 'X';
}

}  // namespace Shortcuts
