#pragma once
// The two files of alignment, both the raw 17,664-byte data-file layout:
//  - the specification file (".vdx"), one per model variant, in the folder
//    "Alignment Data" of the program folder: the channels and settings the
//    radio is aligned with;
//  - the backup file (".adx"), written where the program writes its files:
//    the radio as read before the alignment wrote anything into it.
#include <ctime>
#include <filesystem>
#include <string>

#include "image/CloneImage.h"

namespace AlignmentFiles {

inline constexpr const char* SpecFolderName = "Alignment Data";

// The specification file's name from the hardware page's product type,
// frequency type and band sub-type and the model index; "" when the radio
// has none.
std::string SpecFileName(int productType, int frequencyType, int subType, int modelIndex);
std::string SpecFileName(const CloneImage& image);
std::filesystem::path SpecFolder();

// "<serial>_YYYYMMDD_HHMM.adx" from the radio's serial number and `when`.
std::string BackupFileName(const CloneImage& image, const std::tm& when);
// Where backups are written.
std::filesystem::path BackupFolder();
// `name` in `folder`, or, when a file of that name is there already, the
// first free "<stem>_2.adx", "<stem>_3.adx" ...: a backup never replaces
// another.
std::string UniqueName(const std::filesystem::path& folder, const std::string& name);

// Writes `image` as `folder`/`name` and reads it back: true only when the
// file holds the image byte for byte.
bool SaveBackup(const std::filesystem::path& folder, const std::string& name, const CloneImage& image);
// Loads backup `name` from the backup folder into `image` (unchanged unless
// the whole 17,664 bytes were read). False for an empty name.
bool CHBaselineFileLoad(const std::string& name, CloneImage& image);
// Loads a specification file into `image` (unchanged on failure).
bool LoadSpecFile(const std::filesystem::path& path, CloneImage& image);
// Deletes backup `name` from the backup folder; true when it is gone.
bool DeleteBackup(const std::string& name);

}  // namespace AlignmentFiles
