#include "image/FileUtil.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"

namespace fs = std::filesystem;

namespace {

// The whole 32-bit serial word at 0x2506; its top 20 bits name the prefix.
const ImageItemDescriptor& kSerialWord = ItemMap::SystemItems[7];

struct PrefixRow {
    int value;
    const char* prefix;
};
constexpr PrefixRow kSerialPrefixes[] = {{0x419, "4P"}, {0x41A, "4Q"}, {0x204, "24"}, {0x205, "25"},
                                         {0x206, "26"}, {0x207, "27"}, {-1, nullptr}};

const char* PrefixOf(std::uint32_t value, const char* absent) {
    for (const auto& row : kSerialPrefixes)
        if (row.value >= 0 && static_cast<std::uint32_t>(row.value) == value) return row.prefix;
    return absent;
}

char SerialLetter(std::uint32_t c) {
    return static_cast<char>(c <= 12 ? 'B' + c : 'B' + c + 2);
}

std::string SerialName(const char* prefix, const FileUtil::SerialParts& s) {
    char text[64];
    std::snprintf(text, sizeof text, "%s%X%c%02X%04X", prefix, s.b, SerialLetter(s.c), s.d, s.e);
    return text;
}

std::string& CurrentFilePath() {
    static std::string path;
    return path;
}

// Writes `size` bytes to a temporary file beside `target`, flushes it to
// disk and renames it over the target. Keeps the old file's permissions.
bool AtomicWrite(const fs::path& target, const void* data, std::size_t size) {
    std::error_code ec;
    fs::path real = target;
    // Saving through a link replaces the file it points to, not the link.
    if (fs::is_symlink(fs::symlink_status(target, ec))) {
        real = fs::weakly_canonical(target, ec);
        if (ec) return false;
    }
    const fs::path folder = real.has_parent_path() ? real.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + real.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) return false;
    const fs::path temp(name.data());

    bool ok = true;
    const auto* p = static_cast<const char*>(data);
    std::size_t left = size;
    while (ok && left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            ok = false;
        else {
            p += n;
            left -= static_cast<std::size_t>(n);
        }
    }
    struct stat old {};
    mode_t mode = 0644;
    const bool existed = ::stat(real.c_str(), &old) == 0;
    if (existed)
        mode = old.st_mode & 07777;
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ok = ok && ::fchmod(fd, mode) == 0;
    // The replaced file keeps its owner where the process may set it; where
    // it may not, the new file is the saving user's, as a fresh file would be.
    if (ok && existed && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        [[maybe_unused]] const int kept = ::fchown(fd, old.st_uid, old.st_gid);
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), real.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

}  // namespace

namespace FileUtil {

bool FileExistsWithSize(const std::string& path, std::uint64_t expectedSize) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return false;
    return expectedSize == AnySize || static_cast<std::uint64_t>(st.st_size) == expectedSize;
}

int OpenRead(CloneImage& image, const std::string& path) {
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;
    CloneImage loaded;
    in.read(reinterpret_cast<char*>(loaded.data()), CloneImage::Size);
    if (static_cast<std::size_t>(in.gcount()) != CloneImage::Size) return 0;
    // Exactly 17,664 bytes: nothing may follow.
    if (in.peek() != std::char_traits<char>::eof()) return 0;
    image = loaded;
    return 1;
}

std::string ReadProblem(const std::string& path) {
    std::error_code ec;
    if (path.empty()) return "No file name was given.";
    const auto status = fs::status(path, ec);
    if (!fs::exists(status)) return "The file does not exist.";
    if (fs::is_directory(status)) return "It is a folder, not a data file.";
    if (!fs::is_regular_file(status)) return "It is not a data file.";
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::string("The file cannot be read (") + std::strerror(errno) + ").";
    const auto size = fs::file_size(path, ec);
    if (!ec && size != CloneImage::Size)
        return "The file holds " + std::to_string(size) + " bytes; a data file holds exactly " +
               std::to_string(CloneImage::Size) + " bytes.";
    CloneImage scratch;
    return OpenRead(scratch, path) == 1 ? std::string() : "The file cannot be read.";
}

int LoadImageFile(CloneImage& image, const std::string& path) {
    const int result = OpenRead(image, path);
    if (result == 1) FindModelCodeByName(fs::path(path).filename().string(), image);
    return result;
}

void FindModelCodeByName(const std::string& fileName, CloneImage& image) {
    int code = -1;
    for (const auto& row : DefaultFileTable)
        if (fileName == row.name) code = row.code;
    if (code >= 0 && code <= 2) {
        ItemMap::SetMaxCh(image, 2);
        ItemMap::SetMaxGroup(image, 1);
    } else if (code >= 3 && code <= 5) {
        ItemMap::SetMaxCh(image, 16);
        ItemMap::SetMaxGroup(image, 8);
    }
}

int SaveImageFile(const CloneImage& image, const std::string& path) {
    if (FileExistsWithSize(path, AnySize)) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR)) {
            Host().Message(RidReadOnly, "The File's attribute is Read_Only.\nFile Name = ", path,
                           MsgStyle::Ok | MsgStyle::IconError);
            return 0;
        }
        // The rename needs only the folder's permission: never replace a file
        // that its owner did not let this user write.
        if (::access(path.c_str(), W_OK) != 0) {
            Host().Message(RidNone, "You have no permission to write this file.\nFile Name = ", path,
                           MsgStyle::Ok | MsgStyle::IconError);
            return 0;
        }
    }
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec) || !AtomicWrite(path, image.data(), CloneImage::Size)) {
        Host().Message(RidWriteProblem, "Problem writing to file.\nFile Name = ", path,
                       MsgStyle::Ok | MsgStyle::IconError);
        return 0;
    }
    return 1;
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec)) return false;
    return AtomicWrite(path, text.data(), text.size());
}

bool LoadModelDefaultFile(const CloneImage& identified, CloneImage& target) {
    const std::string name = Model::DefaultDataFileName(Model::VariantCodeFromImage(identified), false);
    if (name.empty()) return false;
    CloneImage read = target;
    if (LoadImageFile(read, Host().ShippedFile(name).string()) != 1) return false;
    target = read;
    return true;
}

std::string ModuleDirectory() {
    std::string folder = Host().ProgramFolder().string();
    return folder.size() >= 260 ? std::string{} : folder;
}

std::string ModuleDirectoryWithSlash() {
    std::string folder = ModuleDirectory();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string FileNameOfPath(const std::string& path) {
    std::error_code ec;
    fs::path p(path);
    if (fs::exists(p, ec)) p = fs::absolute(p, ec);
    return p.filename().string();
}

std::string SetCurrentDirectory(const std::string& path) {
    // Only the old platform family changed the process's folder; this one
    // leaves it and reports the file's folder.
    return fs::path(path).parent_path().string();
}

std::string GetCurrentFilePath() {
    return CurrentFilePath();
}
void SetCurrentFilePath(const std::string& path) {
    CurrentFilePath() = path;
}

int WriteHtmlFile(const std::string& path, const std::function<std::string()>& build) {
    const std::string html = build ? build() : std::string{};
    std::string text;
    text.reserve(html.size() + html.size() / 16);
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '\n' && (i == 0 || html[i - 1] != '\r')) text += '\r';
        text += html[i];
    }
    return WriteFileAtomically(path, text) ? 1 : 0;
}

SerialParts ReadSerialParts(const CloneImage& image) {
    return {ItemMap::GetSerialNumberWord(image), ItemMap::GetSerialNumber1(image),
            ItemMap::GetSerialNumber2(image), ItemMap::GetSerialNumber3(image),
            ItemMap::GetSerialNumber4(image)};
}

std::string DefaultFileName(const CloneImage& image) {
    const SerialParts s = ReadSerialParts(image);
    return SerialName(PrefixOf(s.a, "__"), s);
}

std::string DatedFileName(const CloneImage& image) {
    const std::tm now = Host().Now();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "_%04d%02d%02d_%02d%02d", now.tm_year + 1900, now.tm_mon + 1,
                  now.tm_mday, now.tm_hour, now.tm_min);
    return DefaultFileName(image) + stamp;
}

std::string ResultSerialName(const CloneImage& image) {
    const SerialParts s = ReadSerialParts(image);
    return SerialName(PrefixOf(ItemMap::ReadImageField(kSerialWord, image) >> 12, "**"), s);
}

}  // namespace FileUtil

namespace ResultLog {

std::string& ResultFolder() {
    static std::string folder;
    return folder;
}

std::string& ModelInfoText() {
    static std::string text;
    return text;
}

std::string ResultFilePath() {
    const std::string& folder = ResultFolder();
    if (!folder.empty()) return folder + "result.txt";
    return (Host().WritableFolder() / "result.txt").string();
}

namespace {

const ShipResultRow& RowAt(int row) {
    constexpr int count = static_cast<int>(std::size(ShipResultTable));
    return ShipResultTable[(row >= 0 && row < count) ? row : count - 1];
}

bool WriteLine(const std::string& line) {
    std::ofstream out(ResultFilePath(), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << line;
    return static_cast<bool>(out.flush());
}

std::string Text32At(const CloneImage& image, std::size_t position) {
    const char* p = reinterpret_cast<const char*>(image.data() + position);
    return std::string(p, strnlen(p, 32));
}

}  // namespace

bool Append(int row, const std::string& text) {
    const ShipResultRow& r = RowAt(row);
    char code[16];
    std::snprintf(code, sizeof code, "%04d", r.code);
    return WriteLine(text + "," + ModelInfoText() + ",F," + code + "," + r.text);
}

bool AppendDetailed(const CloneImage& image, int state, const std::string& extra, int row) {
    const FileUtil::SerialParts s = FileUtil::ReadSerialParts(image);
    char serial[64];
    std::snprintf(serial, sizeof serial, "%u%u%X%c%02X%04X", s.a >> 8, s.a & 0xFF, s.b,
                  static_cast<char>('B' + s.c), s.d, s.e);
    std::string line = std::string(serial) + "," + ModelInfoText() + ",";
    if (state == 0) {
        const ShipResultRow& r = RowAt(row);
        char code[16];
        std::snprintf(code, sizeof code, "%04d", r.code);
        line += std::string("F,") + code + "," + r.text;
    } else {
        line += state == 1 ? "P" : "F";
        if (!extra.empty()) line += extra;
    }
    return WriteLine(line);
}

std::string GetText2600(const CloneImage& image) {
    return Text32At(image, 0x2600);
}
std::string GetText2620(const CloneImage& image) {
    return Text32At(image, 0x2620);
}

}  // namespace ResultLog
