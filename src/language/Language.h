#pragma once
// Texts by RID. Every text the user sees has an RID; a loaded language may
// replace it, otherwise the program's own English text stays. No language
// file is loaded yet, so every lookup gives the built-in text.
#include <string>
#include <string_view>

// sub x 10,000,000 + dialog x 10,000 + control: the decimal text "%02d%03d%04d".
constexpr int MakeRID(int sub, int dialogId, int controlId) {
    return sub * 10'000'000 + dialogId * 10'000 + controlId;
}

// True for the RIDs of dialogs whose texts are never translated.
bool IsLangExemptDialog(int rid);

namespace LangTable {
// The translation of `base` (the text shown now) for `rid`; false when the
// language has none. Exempt dialogs translate to `base` itself.
bool LookupRID(int rid, std::string_view base, std::string& out);
// A common word ("Enable", "OK" ...) in the current language.
std::string TranslateCommonWord(std::string_view word);
}  // namespace LangTable

// The string-table text `rid` in the current language; "" when the string
// table has no such entry.
std::string GetRIDText(int rid);
// The text of `rid` in the current language, `builtin` when the language has
// none. For texts that live beside their code rather than in the table.
std::string TextByRid(int rid, std::string_view builtin);

// The process-wide print flag: set while a printout or an HTML export is
// built; lookups then prefer the language's print texts.
bool PrintTextMode();
void SetPrintTextMode(bool on);
class ScopedPrintTextMode {
  public:
    ScopedPrintTextMode() : previous_(PrintTextMode()) { SetPrintTextMode(true); }
    ~ScopedPrintTextMode() { SetPrintTextMode(previous_); }
    ScopedPrintTextMode(const ScopedPrintTextMode&) = delete;
    ScopedPrintTextMode& operator=(const ScopedPrintTextMode&) = delete;

  private:
    bool previous_;
};

namespace Lang {
// Reads "LanguageFilePath"/"Language" from the settings file. Language files
// are not read yet: the built-in texts stay whatever it names.
void ApplyThreadLocale();
}  // namespace Lang
