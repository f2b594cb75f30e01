#include "image/ImageHost.h"

#include <unistd.h>

#include <iostream>

#include "Version.h"

namespace {
ImageHost g_defaultHost;
ImageHost* g_host = &g_defaultHost;
}  // namespace

ImageHost& Host() {
    return *g_host;
}
void SetHost(ImageHost* host) {
    g_host = host ? host : &g_defaultHost;
}

std::tm ImageHost::Now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::filesystem::path ImageHost::ProgramFolder() const {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return {};
    return exe.parent_path();
}

std::filesystem::path ImageHost::ShippedFile(const std::string& name) const {
    return ProgramFolder() / name;
}

std::filesystem::path ImageHost::WritableFolder() const {
    auto folder = ProgramFolder();
    if (!folder.empty() && access(folder.c_str(), W_OK) == 0) return folder;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"))
        base = std::filesystem::path(home) / ".local" / "share";
    else
        return folder;
    base /= ZT_PROGRAM_NAME;
    std::error_code ec;
    std::filesystem::create_directories(base, ec);
    return base;
}

int ImageHost::VersionMajor() const {
    return ZT_VERSION_MAJOR;
}
int ImageHost::VersionMinor() const {
    return ZT_VERSION_MINOR;
}
int ImageHost::VersionPatch() const {
    return ZT_VERSION_PATCH;
}

int ImageHost::Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style) {
    std::cerr << Text(rid, builtin) << suffix << '\n';
    return CautiousAnswer(style);
}

int CautiousAnswer(unsigned style) {
    switch (style & 0x0F) {
        case MsgStyle::YesNo:
            return MsgAnswer::No;
        case MsgStyle::OkCancel:
        case MsgStyle::YesNoCancel:
            return MsgAnswer::Cancel;
        default:
            return MsgAnswer::Ok;
    }
}

void ImageHost::Log(std::string_view) {}
