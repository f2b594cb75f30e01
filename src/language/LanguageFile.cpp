#include "language/LanguageFile.h"

#include <wx/log.h>
#include <wx/thread.h>
#include <wx/xml/xml.h>

#include <climits>
#include <functional>
#include <future>
#include <system_error>

#include "image/TagCharRule.h"
#include "language/LangTable.h"
#include "language/Language.h"
#include "language/SettingsFile.h"

namespace fs = std::filesystem;

namespace {

// Gathers what the XML parser reports while one file loads, instead of
// showing it.
class CollectingLog : public wxLog {
  public:
    // A worker thread collects into a target of its own: the program's
    // target stays the main thread's.
    CollectingLog()
        : worker_(!wxThread::IsMain()),
          previous_(worker_ ? wxLog::SetThreadActiveTarget(this) : wxLog::SetActiveTarget(this)) {}
    ~CollectingLog() override {
        if (worker_)
            wxLog::SetThreadActiveTarget(previous_);
        else
            wxLog::SetActiveTarget(previous_);
    }
    const std::string& Text() const { return text_; }

  protected:
    void DoLogTextAtLevel(wxLogLevel, const wxString& msg) override {
        if (!text_.empty()) text_ += '\n';
        text_ += msg.utf8_string();
    }

  private:
    bool worker_;
    wxLog* previous_;
    std::string text_;
};

std::string Utf8(const wxString& s) {
    return s.utf8_string();
}

std::string LocalName(const wxString& name) {
    const std::string full = Utf8(name);
    const auto colon = full.rfind(':');
    return colon == std::string::npos ? full : full.substr(colon + 1);
}

// The text and character data directly inside an element.
std::string TextContent(const wxXmlNode& element) {
    std::string text;
    for (const wxXmlNode* child = element.GetChildren(); child; child = child->GetNext())
        if (child->GetType() == wxXML_TEXT_NODE || child->GetType() == wxXML_CDATA_SECTION_NODE)
            text += Utf8(child->GetContent());
    return text;
}

void Join(std::string& value, const std::string& more) {
    if (value.empty())
        value = more;
    else
        value += "\r\n" + more;
}

struct State {
    fs::path file;
    std::string screenFont;
    std::string printFont;
    int generation = 0;
    std::vector<std::function<void()>> listeners;
};
State& Current() {
    static State state;
    return state;
}

std::string NameOf(const fs::path& path) {
    return path.filename().string();
}

// A read of a language file running on a worker thread.
struct Reading {
    bool ok = false;
    LanguageFile::Contents contents;
    std::string error;
};
struct PendingRead {
    fs::path path;
    std::future<Reading> result;
};
PendingRead& Pending() {
    static PendingRead pending;
    return pending;
}

}  // namespace

namespace LanguageFile {

int RidOfEntryName(std::string_view name) {
    std::string rest(name);
    for (auto at = rest.find("RID_"); at != std::string::npos; at = rest.find("RID_")) rest.erase(at, 4);
    long long value = 0;
    for (const char c : rest) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(value);
}

std::string CutFaceName(std::string_view name) {
    if (name.size() <= Lang::MaxFaceNameBytes) return std::string(name);
    std::size_t end = Lang::MaxFaceNameBytes;
    // Never split a character: step back over continuation bytes.
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    return std::string(name.substr(0, end));
}

bool Parse(const fs::path& path, Contents& out, std::string& error) {
    out = {};
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        error = "The language file \"" + NameOf(path) + "\" does not exist.";
        return false;
    }
    wxXmlDocument document;
    bool loaded = false;
    std::string parserText;
    {
        CollectingLog log;
        // Whitespace is kept so that texts such as " 4 Key" arrive whole.
        loaded = document.Load(wxString::FromUTF8(path.string()), "UTF-8", wxXMLDOC_KEEP_WHITESPACE_NODES);
        parserText = log.Text();
    }
    if (!loaded || !document.GetRoot()) {
        error = "The language file \"" + NameOf(path) + "\" could not be read" +
                (parserText.empty() ? std::string(".") : ":\n" + parserText);
        return false;
    }
    const wxXmlNode& root = *document.GetRoot();
    wxString value;
    if (!root.GetAttribute("xml:lang", &value) || value.empty()) {
        error = "The language file \"" + NameOf(path) + "\" names no language (xml:lang).";
        return false;
    }
    out.language = Utf8(value);
    if (root.GetAttribute("screenfont", &value)) out.screenFont = CutFaceName(Utf8(value));
    if (root.GetAttribute("printfont", &value)) out.printFont = CutFaceName(Utf8(value));

    for (const wxXmlNode* group = root.GetChildren(); group; group = group->GetNext()) {
        if (group->GetType() != wxXML_ELEMENT_NODE) continue;
        for (const wxXmlNode* entry = group->GetChildren(); entry; entry = entry->GetNext()) {
            if (entry->GetType() != wxXML_ELEMENT_NODE) continue;
            LangTableItem item;
            for (const wxXmlNode* part = entry->GetChildren(); part; part = part->GetNext()) {
                if (part->GetType() != wxXML_ELEMENT_NODE) continue;
                const std::string kind = LocalName(part->GetName());
                if (kind == "string")
                    Join(item.screen, TextContent(*part));
                else if (kind == "print")
                    Join(item.print, TextContent(*part));
                else if (kind == "base")
                    Join(item.base, TextContent(*part));
            }
            out.entries.emplace_back(RidOfEntryName(Utf8(entry->GetName())), std::move(item));
        }
    }
    return true;
}

}  // namespace LanguageFile

namespace {

// Makes the contents current: table, fonts, language index and tag rule.
void MakeCurrent(const LanguageFile::Contents& contents, const fs::path& path) {
    State& state = Current();
    LangTable::Install(BuildNodes(contents.entries));
    // A file without a font attribute keeps the face the last file named;
    // the program's own texts go back to the program's own fonts.
    if (path.empty()) {
        state.screenFont.clear();
        state.printFont.clear();
    }
    if (contents.screenFont) state.screenFont = *contents.screenFont;
    if (contents.printFont) state.printFont = *contents.printFont;
    Lang::SetLanguageIndex(contents.language);
    state.file = path;
    ++state.generation;
}

}  // namespace

namespace Lang {

bool LoadLanguage(const fs::path& path, std::string* error) {
    LanguageFile::Contents contents;
    if (path.empty()) {
        contents.language = "en-us";
    } else {
        std::string message;
        bool read = false;
        PendingRead& pending = Pending();
        if (pending.result.valid() && pending.path == path) {
            Reading reading = pending.result.get();
            read = reading.ok;
            contents = std::move(reading.contents);
            message = std::move(reading.error);
        } else {
            read = LanguageFile::Parse(path, contents, message);
        }
        if (!read) {
            if (error) *error = message;
            return false;
        }
    }
    MakeCurrent(contents, path);
    // Written only when it changes: every start loads the stored file again.
    if (GetProfileString("LanguageFilePath", "Language", "") != path.string())
        WriteProfileString("LanguageFilePath", "Language", path.string());
    for (const auto& listener : Current().listeners) listener();
    return true;
}

std::string ReadXmlLang(const fs::path& path) {
    if (path.empty()) return "en-us";
    LanguageFile::Contents contents;
    std::string error;
    if (!LanguageFile::Parse(path, contents, error)) return {};
    return contents.language;
}

const fs::path& CurrentLanguageFile() {
    return Current().file;
}

int LanguageGeneration() {
    return Current().generation;
}

void AddLanguageListener(std::function<void()> listener) {
    Current().listeners.push_back(std::move(listener));
}

const std::string& ScreenFontName() {
    return Current().screenFont;
}
const std::string& PrintFontName() {
    return Current().printFont;
}
std::string PrintFaceName() {
    const std::string& face = PrintFontName();
    return face.empty() ? CurrentAltCodePageName() : face;
}

void StartReadingStoredLanguage() {
    const std::string path = GetProfileString("LanguageFilePath", "Language", "");
    PendingRead& pending = Pending();
    if (path.empty() || pending.result.valid()) return;
    try {
        pending.result = std::async(std::launch::async, [file = fs::path(path)] {
            Reading reading;
            reading.ok = LanguageFile::Parse(file, reading.contents, reading.error);
            return reading;
        });
        pending.path = path;
    } catch (const std::system_error&) {
        // No thread to be had: the load reads the file itself.
    }
}

void ApplyThreadLocale() {
    // The C library's locale stays as the toolkit set it: numbers in data
    // files and edits are read the same whatever the user's language.
    // A stored file that cannot be loaded leaves the program's own texts in
    // force and the choice stored: the file may be back at the next start.
    const std::string path = GetProfileString("LanguageFilePath", "Language", "");
    const bool loaded = !path.empty() && LoadLanguage(fs::path(path));
    // A read started for another name is not kept for a later load.
    if (PendingRead& pending = Pending(); pending.result.valid()) {
        pending.result.wait();
        pending = {};
    }
    if (loaded) return;
    LanguageFile::Contents none;
    none.language = "en-us";
    MakeCurrent(none, {});
}

}  // namespace Lang
