#include "language/SettingsFile.h"

#include <sys/stat.h>
#include <unistd.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/sstream.h>
#include <wx/xml/xml.h>

#include <cctype>
#include <climits>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <sstream>

#include "image/ImageHost.h"

namespace fs = std::filesystem;

namespace {

wxString Wx(std::string_view text) {
    return wxString::FromUTF8(text.data(), text.size());
}
std::string Utf8(const wxString& text) {
    const wxScopedCharBuffer buffer = text.utf8_str();
    return std::string(buffer.data(), buffer.length());
}

enum class LoadState { Loaded, Missing, Damaged, Unreadable };

// Reads and parses the whole file. Whitespace nodes are kept so that the
// line breaks between entries survive a rewrite.
LoadState LoadDocument(const fs::path& path, wxXmlDocument& doc, std::string* raw = nullptr) {
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return LoadState::Missing;
    if (!fs::is_regular_file(path, ec)) return LoadState::Unreadable;
    std::ifstream in(path, std::ios::binary);
    if (!in) return LoadState::Unreadable;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return LoadState::Unreadable;
    const std::string text = bytes.str();
    if (raw) *raw = text;
    wxMemoryInputStream stream(text.data(), text.size());
    wxLogNull quiet;  // a parse error is an answer here, not a message for the user
    if (!doc.Load(stream, "UTF-8", wxXMLDOC_KEEP_WHITESPACE_NODES) || !doc.GetRoot())
        return LoadState::Damaged;
    return LoadState::Loaded;
}

bool LoadTemplate(wxXmlDocument& doc) {
    wxMemoryInputStream stream(SettingsFile::Template.data(), SettingsFile::Template.size());
    wxLogNull quiet;
    return doc.Load(stream, "UTF-8", wxXMLDOC_KEEP_WHITESPACE_NODES);
}

// Sections are children of the root, entries children of their section; a
// deeper element of the same name is not a setting.
wxXmlNode* FindChild(wxXmlNode* parent, std::string_view name) {
    if (!parent) return nullptr;
    const wxString wanted = Wx(name);
    for (wxXmlNode* node = parent->GetChildren(); node; node = node->GetNext())
        if (node->GetType() == wxXML_ELEMENT_NODE && node->GetName() == wanted) return node;
    return nullptr;
}

// What tells one state of the file on disk from another: a rewrite renames
// a new file over it (a new inode), an edit in place changes size or times.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0, changed = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const fs::path& path) {
    struct stat st {};
    FileStamp stamp;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec;
    stamp.changed = st.st_ctim.tv_sec * 1'000'000'000LL + st.st_ctim.tv_nsec;
    return stamp;
}

// XML element names: a letter, '_' or ':' first, then letters, digits, '_',
// ':', '-' and '.'. Non-ASCII bytes are let through as name characters.
bool IsElementName(std::string_view name) {
    if (name.empty()) return false;
    auto first = static_cast<unsigned char>(name[0]);
    if (!(std::isalpha(first) || first == '_' || first == ':' || first >= 0x80)) return false;
    for (unsigned char c : name)
        if (!(std::isalnum(c) || c == '_' || c == ':' || c == '-' || c == '.' || c >= 0x80)) return false;
    if (name.size() >= 3 && (name[0] | 0x20) == 'x' && (name[1] | 0x20) == 'm' && (name[2] | 0x20) == 'l')
        return false;
    return true;
}

// The document as text with CR LF line ends; a lone CR in a value is
// already escaped by the writer, so every '\n' here is a line end.
std::string Serialise(const wxXmlDocument& doc) {
    wxStringOutputStream out;
    doc.Save(out, wxXML_NO_INDENTATION);
    const std::string text = Utf8(out.GetString());
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') result += '\r';
        result += c;
    }
    return result;
}

// Writes a temporary file beside `path` and renames it over `path`, so a
// reader never sees half a file. Settings are rewritten often; they are not
// worth a flush to disk each time.
bool WriteReplacing(const fs::path& path, const std::string& text) {
    const fs::path temp = path.string() + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::error_code ec;
            fs::remove(temp, ec);
            return false;
        }
    }
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (!ec && fs::exists(status)) fs::permissions(temp, status.permissions(), ec);
    fs::rename(temp, path, ec);
    if (!ec) return true;
    fs::remove(temp, ec);
    return false;
}

std::optional<long long> LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    return negative ? -value : value;
}

}  // namespace

struct SettingsFile::Snapshot {
    fs::path path;
    FileStamp stamp;
    // section -> entry -> value; the first element of a name wins, as in the file.
    std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>> values;

    std::optional<std::string> Find(std::string_view section, std::string_view entry) const {
        const auto s = values.find(section);
        if (s == values.end()) return std::nullopt;
        const auto e = s->second.find(entry);
        if (e == s->second.end()) return std::nullopt;
        return e->second;
    }
};

const SettingsFile::Snapshot& SettingsFile::Current() const {
    const FileStamp stamp = StampOf(path_);
    if (snapshot_ && snapshot_->path == path_ && snapshot_->stamp == stamp) return *snapshot_;
    auto fresh = std::make_shared<Snapshot>();
    fresh->path = path_;
    fresh->stamp = stamp;
    wxXmlDocument doc;
    if (stamp.exists && LoadDocument(path_, doc) == LoadState::Loaded) {
        ++loads_;
        for (wxXmlNode* section = doc.GetRoot()->GetChildren(); section; section = section->GetNext()) {
            if (section->GetType() != wxXML_ELEMENT_NODE) continue;
            auto [found, first] = fresh->values.try_emplace(Utf8(section->GetName()));
            if (!first) continue;  // a later section of the same name is not read
            auto& entries = found->second;
            for (wxXmlNode* entry = section->GetChildren(); entry; entry = entry->GetNext())
                if (entry->GetType() == wxXML_ELEMENT_NODE)
                    entries.emplace(Utf8(entry->GetName()), Utf8(entry->GetNodeContent()));
        }
    }
    // A file that changed while it was read gets another look next time.
    if (!(StampOf(path_) == stamp)) fresh->stamp = FileStamp{};
    snapshot_ = std::move(fresh);
    return *snapshot_;
}

void SettingsFile::SetPath(std::filesystem::path path) {
    std::lock_guard lock(mutex_);
    path_ = std::move(path);
    snapshot_.reset();
}

fs::path SettingsFile::BackupPath() const {
    return fs::path(path_.string() + ".bad");
}

int SettingsFile::GetInt(std::string_view section, std::string_view entry, int defaultValue) const {
    std::lock_guard lock(mutex_);
    const auto text = Current().Find(section, entry);
    if (!text) return defaultValue;
    const auto number = LeadingNumber(*text);
    if (!number) return defaultValue;
    if (*number > INT_MAX) return INT_MAX;
    if (*number < INT_MIN) return INT_MIN;
    return static_cast<int>(*number);
}

std::string SettingsFile::GetString(std::string_view section, std::string_view entry,
                                    std::string_view defaultValue) const {
    std::lock_guard lock(mutex_);
    auto text = Current().Find(section, entry);
    return text ? *text : std::string(defaultValue);
}

bool SettingsFile::WriteInt(std::string_view section, std::string_view entry, int value) {
    return WriteString(section, entry, std::to_string(value));
}

bool SettingsFile::WriteString(std::string_view section, std::string_view entry, std::string_view value) {
    const std::pair<std::string, std::string> one{std::string(entry), std::string(value)};
    return WriteEntries(section, std::span(&one, 1));
}

bool SettingsFile::WriteEntries(std::string_view section,
                                std::span<const std::pair<std::string, std::string>> entries) {
    std::lock_guard lock(mutex_);
    if (path_.empty() || !IsElementName(section)) return false;
    for (const auto& [entry, value] : entries)
        if (!IsElementName(entry)) return false;

    wxXmlDocument doc;
    std::string before;
    switch (LoadDocument(path_, doc, &before)) {
        case LoadState::Loaded:
            break;
        case LoadState::Unreadable:
            return false;  // replacing it would lose what we cannot even read
        case LoadState::Damaged: {
            // Keep the damaged file for the user before starting anew.
            std::error_code ec;
            fs::copy_file(path_, BackupPath(), fs::copy_options::overwrite_existing, ec);
            if (ec) return false;
            Host().Log("Settings file " + path_.string() + " could not be parsed; kept as " +
                       BackupPath().string() + " and replaced by a new one.");
            if (!LoadTemplate(doc)) return false;
            break;
        }
        case LoadState::Missing:
            if (!LoadTemplate(doc)) return false;
            break;
    }

    wxXmlNode* root = doc.GetRoot();
    wxXmlNode* sectionNode = FindChild(root, section);
    if (!sectionNode) {
        sectionNode = new wxXmlNode(wxXML_ELEMENT_NODE, Wx(section));
        sectionNode->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), "\n"));
        root->AddChild(sectionNode);
    }
    for (const auto& [entry, value] : entries) {
        wxXmlNode* entryNode = FindChild(sectionNode, entry);
        if (entryNode) {
            // Replace the element's whole content by one text node.
            while (wxXmlNode* child = entryNode->GetChildren()) {
                entryNode->RemoveChild(child);
                delete child;
            }
        } else {
            entryNode = new wxXmlNode(wxXML_ELEMENT_NODE, Wx(entry));
            sectionNode->AddChild(entryNode);
            sectionNode->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), "\n"));
        }
        if (!value.empty()) entryNode->AddChild(new wxXmlNode(wxXML_TEXT_NODE, wxString(), Wx(value)));
    }

    // A read-only settings file stays as it is, as it would on a system that
    // refuses to write it; the atomic rename would otherwise replace it.
    std::error_code ec;
    if (fs::exists(path_, ec) && ::access(path_.c_str(), W_OK) != 0) return false;
    // Always written as XML 1.0 in UTF-8: the text is serialised through
    // UTF-8, and a declaration taken over from a damaged file (another
    // encoding, a mangled version) would save the file unreadable.
    doc.SetVersion("1.0");
    doc.SetFileEncoding("utf-8");
    const std::string after = Serialise(doc);
    if (after == before) return true;  // already saved as it stands
    snapshot_.reset();
    return WriteReplacing(path_, after);
}

SettingsFile& Profile() {
    static SettingsFile file;
    return file;
}

void SetProfilePath(const std::filesystem::path& path) {
    Profile().SetPath(path);
}

int GetProfileInt(std::string_view section, std::string_view entry, int defaultValue) {
    return Profile().GetInt(section, entry, defaultValue);
}
std::string GetProfileString(std::string_view section, std::string_view entry,
                             std::string_view defaultValue) {
    return Profile().GetString(section, entry, defaultValue);
}
bool WriteProfileInt(std::string_view section, std::string_view entry, int value) {
    return Profile().WriteInt(section, entry, value);
}
bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value) {
    return Profile().WriteString(section, entry, value);
}
