#pragma once
// The data file (the raw 17,664-byte image) and the small file services
// around it: program folder, names built from the serial number, the result
// file of unattended transfers.
#include <cstdint>
#include <functional>
#include <string>

#include "image/CloneImage.h"

namespace FileUtil {

inline constexpr std::uint64_t AnySize = ~std::uint64_t{0};
inline constexpr int RidReadOnly = 106;
inline constexpr int RidWriteProblem = 110;
// Texts that have no string-table entry.
inline constexpr int RidNone = 0;
inline constexpr const char* DataFileFilter = "Pardex Files(*.PDX)|*.PDX;*.pdx|All files(*.*)|*.*||";

struct DefaultFileRow {
    int code;
    const char* name;
};
inline constexpr DefaultFileRow DefaultFileTable[] = {
    {0, "default610v.PDX"}, {1, "default610ua.PDX"}, {2, "default610ud.PDX"},
    {3, "default640v.PDX"}, {4, "default640ua.PDX"}, {5, "default640ud.PDX"},
};

bool FileExistsWithSize(const std::string& path, std::uint64_t expectedSize);
// Reads a data file into `image`. Refuses (returns 0, image unchanged) a
// missing file, a folder, an unreadable file and any size but 17,664 bytes.
int OpenRead(CloneImage& image, const std::string& path);
// OpenRead, then the capacity rule of the default file names.
int LoadImageFile(CloneImage& image, const std::string& path);
// The default data file of `identified`'s variant (program folder + its
// name) read into `target`; false, `target` unchanged, when the variant has no
// default file or the file cannot be read.
bool LoadModelDefaultFile(const CloneImage& identified, CloneImage& target);
// Why OpenRead refuses `path`, in words for the user; empty when it reads.
std::string ReadProblem(const std::string& path);
// A default data file opened under its own name gets its model's capacity.
void FindModelCodeByName(const std::string& fileName, CloneImage& image);
// Saves atomically: a temporary file in the same folder, flushed, renamed
// over the target. A link is saved through to the file it names; the file
// keeps its mode (and owner where allowed). A file the user may not write is
// left alone. On failure the old file is intact and a message is shown.
int SaveImageFile(const CloneImage& image, const std::string& path);
// Writes `text` to `path` atomically; false on failure. Used for exports.
bool WriteFileAtomically(const std::string& path, const std::string& text);

std::string ModuleDirectory();
std::string ModuleDirectoryWithSlash();
std::string FileNameOfPath(const std::string& path);
std::string SetCurrentDirectory(const std::string& path);
std::string GetCurrentFilePath();
void SetCurrentFilePath(const std::string& path);

// Exports HTML text with CR LF line ends. `build` produces the text.
int WriteHtmlFile(const std::string& path, const std::function<std::string()>& build);

// Names built from the radio's serial number (block 8, 0x250C-0x2511).
std::string DefaultFileName(const CloneImage& image);
std::string DatedFileName(const CloneImage& image);
// The variant used by the radio operations' result reporting.
std::string ResultSerialName(const CloneImage& image);

struct SerialParts {
    std::uint32_t a, b, c, d, e;
};
SerialParts ReadSerialParts(const CloneImage& image);

}  // namespace FileUtil

namespace ResultLog {

struct ShipResultRow {
    int code;
    const char* text;
};
inline constexpr ShipResultRow ShipResultTable[] = {
    {0, "Port open error"},
    {1, "Product type error"},
    {2, "Communication error"},
    {3, "PX/FW Ver. mismatched"},
    {4, "Not found shipdata file"},
    {5, "Wrong serial No."},
    {6, "Wrong CSM code"},
    {7, "Wrong Model"},
    {8, "Model_Info.txt format error"},
    {9, "Time Out Error"},
    {255, ""},
};

// Process-wide: the "result=" folder (ends in a separator, or empty) and the
// model-information text of the ship mode.
std::string& ResultFolder();
std::string& ModelInfoText();
// The full path of "result.txt".
std::string ResultFilePath();

bool Append(int row, const std::string& text);
bool AppendDetailed(const CloneImage& image, int state, const std::string& extra, int row);
inline bool AppendForDocument(const CloneImage& document, int row, int state, const std::string& extra) {
    return AppendDetailed(document, state, extra, row);
}
std::string GetText2600(const CloneImage& image);
std::string GetText2620(const CloneImage& image);

}  // namespace ResultLog
