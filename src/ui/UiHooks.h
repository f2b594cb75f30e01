#pragma once
// What the toolkit asks of the language and help services: the screen text
// of a RID, the screen font, and help topics. Until those services install
// their answers, screens keep their built-in texts and open no help.
#include <functional>
#include <optional>
#include <string>

class wxWindow;

namespace UiHooks {

struct Hooks {
    // The current language's screen text of `rid`; nothing keeps the built-in text.
    std::function<std::optional<std::string>(int rid)> screenText;
    // Gives a window the language's screen font.
    std::function<void(wxWindow& window)> applyScreenFont;
    // Whether the help map holds a topic for `rid`.
    std::function<bool(int rid)> hasHelpTopic;
    // Opens the help topic of `rid`, owned by `owner`.
    std::function<void(wxWindow* owner, int rid)> openHelp;
};

Hooks& Current();

// The key of a text or help topic: sub-index, dialog id and control id as the
// decimal digits "%02d%03d%04d".
constexpr int Rid(int sub, int dialogId, int controlId) { return sub * 10000000 + dialogId * 10000 + controlId; }

}  // namespace UiHooks
