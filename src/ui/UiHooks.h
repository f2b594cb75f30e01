#pragma once
// What the toolkit asks of the font and help services: the screen font and
// help topics. Until those services install their answers, windows keep
// their font and no help opens.
#include <functional>

class wxWindow;

namespace UiHooks {

struct Hooks {
    // Gives a window the language's screen font.
    std::function<void(wxWindow& window)> applyScreenFont;
    // Whether the help map holds a topic for `rid`.
    std::function<bool(int rid)> hasHelpTopic;
    // Opens the help topic of `rid`, owned by `owner`.
    std::function<void(wxWindow* owner, int rid)> openHelp;
};

Hooks& Current();

}  // namespace UiHooks
