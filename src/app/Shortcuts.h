#pragma once
// The keyboard shortcuts of the main menu ("\tCtrl+K" in a command's menu
// text) as one table the main window looks keys up in, so that every
// shortcut works whatever the menus hold at the moment (the Edit menu is
// rebuilt each time it opens and may then lack some entries).
#include <string_view>

namespace Shortcuts {

// The shortcut key of a menu text: the upper-case letter after "\tCtrl+",
// 0 when the text has none.
int KeyOfMenuText(std::string_view text);

// The command of Ctrl+`key` (an upper-case letter), 0 for none. Only plain
// Ctrl shortcuts exist.
int CommandForKey(int key, bool ctrl, bool shift, bool alt);

// Ctrl+C, Ctrl+V and Ctrl+X stay a text field's own clipboard keys while one
// has the focus.
bool IsTextFieldKey(int key);

}  // namespace Shortcuts
