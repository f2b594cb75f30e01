#include "help/HelpFileSystem.h"

#include <wx/filename.h>
#include <wx/filesys.h>
#include <wx/mstream.h>

#include <iostream>
#include <map>
#include <memory>

namespace Help {

namespace {

std::function<void(const std::string&)>& Sink() {
    static std::function<void(const std::string&)> sink;
    return sink;
}

struct OpenFile {
    std::unique_ptr<ChmFile> file;
    std::filesystem::file_time_type stamp{};
    std::uintmax_t size = 0;
    bool failureLogged = false;
};

std::map<std::filesystem::path, OpenFile>& Files() {
    static std::map<std::filesystem::path, OpenFile> files;
    return files;
}

// The type of a file inside the help file, by its extension.
wxString MimeType(const std::string& inner) {
    const wxString ext = wxString::FromUTF8(inner).AfterLast('.').Lower();
    if (ext == "htm" || ext == "html") return "text/html";
    if (ext == "css") return "text/css";
    if (ext == "bmp") return "image/bmp";
    if (ext == "gif") return "image/gif";
    if (ext == "png") return "image/png";
    if (ext == "jpg" || ext == "jpeg") return "image/jpeg";
    return "application/octet-stream";
}

class HelpFSHandler : public wxFileSystemHandler {
  public:
    bool CanOpen(const wxString& location) override { return GetProtocol(location) == Protocol; }

    wxFSFile* OpenFile(wxFileSystem&, const wxString& location) override {
        const wxString left = GetLeftLocation(location);
        const wxFileName name =
            left.StartsWith("file:") ? wxFileSystem::URLToFileName(left) : wxFileName(left);
        ChmFile* file = OpenHelpFile(std::filesystem::path(name.GetFullPath().utf8_string()));
        if (!file) return nullptr;
        const std::string inner = NormalizeInnerPath(GetRightLocation(location).utf8_string());
        const auto bytes = file->Read(inner);
        if (!bytes) return nullptr;
        // The location names the page without "." or "..", so that a page
        // reached by a link compares equal to the same page asked by topic.
        const wxString named = left + "#" + Protocol + ":" + wxString::FromUTF8(inner);
        wxMemoryOutputStream out;
        out.Write(bytes->data(), bytes->size());
        return new wxFSFile(new wxMemoryInputStream(out), named, MimeType(inner), GetAnchor(location),
                            wxDateTime());
    }
};

}  // namespace

void SetLogSink(std::function<void(const std::string&)> sink) {
    Sink() = std::move(sink);
}

void Log(const std::string& line) {
    if (Sink())
        Sink()(line);
    else
        std::cerr << line << '\n';
}

void InstallFileSystem() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    wxFileSystem::AddHandler(new HelpFSHandler);
}

wxString TopicUrl(const HelpLocation& location) {
    if (location.Empty()) return {};
    const wxString file = wxFileSystem::FileNameToURL(wxFileName(wxString::FromUTF8(location.file.string())));
    return file + "#" + Protocol + ":" + wxString::FromUTF8(NormalizeInnerPath(location.topic));
}

ChmFile* OpenHelpFile(const std::filesystem::path& path) {
    OpenFile& entry = Files()[path];
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(path, ec);
    const auto size = ec ? 0 : std::filesystem::file_size(path, ec);
    if (ec) {
        entry.file.reset();
        if (!entry.failureLogged) Log("Help file \"" + path.string() + "\" not found; help shows nothing.");
        entry.failureLogged = true;
        return nullptr;
    }
    if (entry.file && entry.stamp == stamp && entry.size == size) return entry.file.get();
    if (!entry.file && entry.failureLogged && entry.stamp == stamp && entry.size == size) return nullptr;
    entry.stamp = stamp;
    entry.size = size;
    entry.file = ChmFile::Open(path);
    if (!entry.file) {
        Log("Help file \"" + path.string() + "\" cannot be read; help shows nothing.");
        entry.failureLogged = true;
        return nullptr;
    }
    entry.failureLogged = false;
    return entry.file.get();
}

void CloseHelpFiles() {
    Files().clear();
}

}  // namespace Help
