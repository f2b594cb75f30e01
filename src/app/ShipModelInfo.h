#pragma once
// The model information file of the unattended ship mode, without a window:
// a line tool writes "Model_info.txt" for each radio; its first valid line
// names the data file to load and the radio's identity code to write into
// the image before the download.
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"

namespace ShipModelInfo {

inline constexpr const char* FileName = "Model_info.txt";

// Check results of one line, in the order the checks run.
enum Check : int {
    TooFewFields = 8,
    VersionMismatch = 3,
    NoDataFile = 4,
    BadIdentity = 5,
    NoResultText = 7,
    Valid = 255,
};

struct Line {
    std::vector<std::string> fields;
    std::string dataFile;  // field 1 without its double quotes
    std::string identity;  // field 2
    std::string resultText;  // field 4
};

// What a check needs of the world: the accepted version texts and whether a
// data file exists.
struct Environment {
    std::vector<std::string> versions;
    std::function<bool(const std::string& path)> fileExists;
};

// Splits and checks one line (one trailing CR or LF removed). The identity
// code must be ten characters: hexadecimal digits, and a serial letter
// ("B" to "N", "Q", "R", "S") in the fourth place.
int CheckLine(std::string_view text, const Environment& env, Line& out);

bool IsValidIdentity(std::string_view code);
// The serial letter's number, in either case: "B"-"N" 0-12, "Q" 13, "R" 14,
// "S" 15; -1 for others.
int SerialLetterValue(char letter);
// Writes a valid identity code into image bytes 0x250C-0x2511 and header
// bytes 0x0E-0x11, keeping the other bits of shared bytes; false (nothing
// written) for an invalid code.
bool WriteIdentity(CloneImage& image, std::string_view code);

struct FileResult {
    bool opened = false;
    int check = TooFewFields;  // of the last line checked
    Line line;                 // the valid line, or the last one checked
    std::string resultText;    // field 4 of the last line checked with five fields, else empty
};
// Reads the file line by line up to the first valid line.
FileResult ReadFile(const std::filesystem::path& path, const Environment& env);

}  // namespace ShipModelInfo
