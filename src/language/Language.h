#pragma once
// Texts by RID. Every text the user sees has an RID; a loaded language may
// replace it, otherwise the program's own English text stays. A translation
// applies only when its base text equals the text the program shows now, so
// a language file made for another program version leaves changed texts alone.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/ItemList.h"

// sub x 10,000,000 + dialog x 10,000 + control: the decimal text "%02d%03d%04d".
constexpr int MakeRID(int sub, int dialogId, int controlId) {
    return sub * 10'000'000 + dialogId * 10'000 + controlId;
}

// True for the RIDs of dialogs whose texts are never translated.
bool IsLangExemptDialog(int rid);

namespace LangTable {
// The translation of `base` (the text shown now) for `rid`; false when the
// language has none. Exempt dialogs translate to `base` itself. While print
// texts are asked for, the print text wins over the screen text.
bool LookupRID(int rid, std::string_view base, std::string& out);
// A common word ("Enable", "OK" ...) in the current language.
std::string TranslateCommonWord(std::string_view word);
// Leading and trailing spaces (character 32 only) removed.
std::string TrimSpaces(std::string_view text);

// The common word inside `text` whose removal leaves only digits and signs
// (no letters, no control characters, no "&"): {RID, word}.
std::optional<std::pair<int, std::string>> FindCommonWordIn(std::string_view text);
// `base` with its common word translated ("12.5 kHz"); false when it holds
// none or the language has no translation of it.
bool TranslateCommonWordsIn(std::string_view base, std::string& out);

// The text to show for one row, window text, grid cell or menu item whose
// program text is `base`: its own translation, else the translation of the
// common word in it, else the base itself.
std::string TranslateRow(int rid, std::string_view base);
// TranslateRow, and while print texts are asked for, escaped for HTML.
std::string TranslateItem(int rid, std::string_view base);
// The rows of a list up to its end row, each by TranslateItem under the one
// RID of the control that shows the list.
std::vector<std::string> ApplyTextTable(int rid, ItemList list);
std::vector<std::string> ApplyTextTable(int rid, const std::vector<std::string>& bases);

// The label without its keyboard mnemonic: "&Save" -> "Save",
// "Save(&S)" -> "Save".
std::string PrintTextForRID(std::string_view text);
}  // namespace LangTable

// A text in an HTML document: "&nbsp;" for an empty text or a lone space;
// the mnemonic removed; every "&" ("&&" counts once), "<" and ">" escaped and
// each line feed a "<BR>"; in an attribute value '"' too.
std::string HtmlEscapeText(std::string_view text, bool attribute = false);
// `text` with every `c` replaced by `replacement`.
std::string ReplaceCharWith(std::string_view text, char c, std::string_view replacement);

// The string-table text `rid` in the current language; "" when the string
// table has no such entry.
std::string GetRIDText(int rid);
// Whether the language translates the string-table message `rid`.
bool GetPrintText(int rid);
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

// ---- language files ------------------------------------------------------------
// Loads the language file at `path` and makes it current; the empty path
// means the program's own texts. On success the settings remember the path
// ("LanguageFilePath"/"Language") and every listener is told. On failure
// nothing changes (the language in force stays) and `error`, when given,
// receives a message naming the file.
bool LoadLanguage(const std::filesystem::path& path, std::string* error = nullptr);
// The language name of a file ("xml:lang"): "en-us" for the empty path, ""
// when the file cannot be read or its root names no language.
std::string ReadXmlLang(const std::filesystem::path& path);
// The file in force, empty for the program's own texts.
const std::filesystem::path& CurrentLanguageFile();
// Counts the successful loads; a cache keyed by it notices a change.
int LanguageGeneration();
// Called after every successful load (screens re-translate, printouts are
// rebuilt). Listeners stay for the run.
void AddLanguageListener(std::function<void()> listener);

// ---- fonts ---------------------------------------------------------------------------
// The face names the file in force gave (`screenfont`, `printfont`), cut to
// 31 bytes; empty while no file named one, and then screens keep their own
// font and printouts use the code page's font.
const std::string& ScreenFontName();
const std::string& PrintFontName();
// The face printouts use: the file's print font, else the code page's.
std::string PrintFaceName();
inline constexpr std::size_t MaxFaceNameBytes = 31;
inline constexpr const char* DefaultFaceName = "Courier New";

// ---- locale and code pages ---------------------------------------------------------
// 255 for "en-us" and unknown names, 1 "ja", 2 "zh", 3 "ru" (whole name,
// any case). Index 3 makes the Cyrillic tag rule current.
int LanguageIndex();
void SetLanguageIndex(std::string_view name);
int LanguageIndexOf(std::string_view name);

// The code page of a culture name (any case); 0 for a culture listed
// without one; none for a name not in the table.
std::optional<int> CultureCodePage(std::string_view name);
// True for "en-us"; otherwise whether the culture's code page is `codePage`.
bool MatchesSystemCodePage(std::string_view name, int codePage);
// The character-set name and font of a code page's row; the end row's
// ("Windows-1252", "Courier New") when none matches.
std::string NameForCodePage(int codePage);
std::string AltNameForCodePage(int codePage);
// Those of the first row while no language file is chosen, else those of
// the system's code page.
std::string CurrentCodePageName();
std::string CurrentAltCodePageName();

// What the running system offers: the code page of the user's locale
// culture (0 when it has none), and whether its text is UTF-8.
int SystemAnsiCodePage();
bool SystemCodesetIsUtf8();
// Whether a language shows correctly here: the program's own texts always;
// with a UTF-8 codeset every culture that has a code page; otherwise the
// culture's code page must be the system's.
bool LanguageSuitsSystem(std::string_view name);

// The language start-up: loads the file named in the settings; when it
// cannot be loaded the program's own texts stay.
void ApplyThreadLocale();
// Starts reading the file named in the settings on a worker thread, so that
// the parts of the main window without texts can be built meanwhile; the
// next load of that file (ApplyThreadLocale) waits for and takes the result.
// Nothing changes until then: the language in force stays until the load.
void StartReadingStoredLanguage();

}  // namespace Lang
