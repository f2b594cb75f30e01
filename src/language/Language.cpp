#include "language/Language.h"

#include <atomic>

#include "language/SettingsFile.h"
#include "language/StringTable.h"

namespace {
std::atomic<bool> g_printTextMode{false};

constexpr int kExemptDialogs[] = {171, 172, 173, 174, 175, 371, 638, 639, 640};
}  // namespace

bool IsLangExemptDialog(int rid) {
    const int dialog = (rid % 10'000'000) / 10'000;
    for (int id : kExemptDialogs)
        if (id == dialog) return true;
    return false;
}

namespace LangTable {

bool LookupRID(int rid, std::string_view base, std::string& out) {
    if (IsLangExemptDialog(rid)) {
        out.assign(base);
        return true;
    }
    // No language table is loaded: nothing is translated.
    return false;
}

std::string TranslateCommonWord(std::string_view word) {
    return std::string(word);
}

}  // namespace LangTable

std::string GetRIDText(int rid) {
    return TextByRid(rid, BuiltinText(rid));
}

std::string TextByRid(int rid, std::string_view builtin) {
    std::string out;
    if (LangTable::LookupRID(rid, builtin, out)) return out;
    return std::string(builtin);
}

bool PrintTextMode() {
    return g_printTextMode.load();
}
void SetPrintTextMode(bool on) {
    g_printTextMode.store(on);
}

namespace Lang {

void ApplyThreadLocale() {
    // The program is UTF-8 throughout; the setting is read so that a named
    // language file is noticed once loading them is supported.
    (void)GetProfileString("LanguageFilePath", "Language", "");
}

}  // namespace Lang
