#include "app/CloneEditorDoc.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/AppTables.h"
#include "app/HLogPrint.h"
#include "image/FileUtil.h"
#include "image/ImageHost.h"
#include "image/ItemDescriptor.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/RadioImagePrep.h"
#include "image/Modes.h"
#include "language/SettingsFile.h"
#include "language/StringTable.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRidSaveChanges = 102;
constexpr int kRidSwitchRadioOff = 114;
constexpr int kRidNarrowbandCaution = 33025;
constexpr int kRidSaveChangesTo = 33061;
constexpr int kRidNoDefaultFile = 33304;

constexpr const char* kCannotOpen = "The file cannot be opened.\nFile Name = ";
constexpr const char* kDefaultDataFile =
    "This is a default data file of the program; it is never overwritten.\nSave the data under another "
    "name.\nFile Name = ";

constexpr int kNarrowCode = 2;
// The low nibble of block-8 byte 1, part of the variant key.
const ImageItemDescriptor& kVariantNibble = ItemMap::HardwareItems[2];

fs::path Normal(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::path(path).lexically_normal() : p;
}

std::string Folder(const std::string& lastFolder) {
    if (lastFolder.empty()) return lastFolder;
    if (lastFolder.back() == '/') return lastFolder;
    std::error_code ec;
    if (fs::is_directory(lastFolder, ec)) return lastFolder;
    return fs::path(lastFolder).parent_path().string();
}

}  // namespace

CCloneEditorDoc::CCloneEditorDoc(DocumentView& view, std::vector<fs::path> dataFolders,
                                 fs::path programFolder, DocumentImageRules rules)
    : view_(view), dataFolders_(std::move(dataFolders)), rules_(std::move(rules)) {
    lastFolder_ = programFolder.string();
    if (!lastFolder_.empty() && lastFolder_.back() != '/') lastFolder_ += '/';
}

bool CCloneEditorDoc::IsModified() const {
    return (path_.empty() && !fromDefault_) || !(CurrentImage == SavedImage);
}

void CCloneEditorDoc::SetTitle(const std::string& title) {
    title_ = (title.empty() || title == NoTitle) ? std::string(NoTitle) : (path_.empty() ? title : path_);
    const std::string name = fs::path(title_).filename().string();
    const auto dot = name.find('.');
    AppState::CurrentFileName() = dot == std::string::npos ? std::string() : name.substr(0, dot);
    view_.TitleChanged(title_);
}

void CCloneEditorDoc::SetPath(const std::string& path, bool addToRecent) {
    path_ = path;
    fromDefault_ = false;
    if (addToRecent && !path.empty()) view_.AddToRecentFiles(path);
    SetTitle(path);
}

fs::path CCloneEditorDoc::FindDataFile(const std::string& name) const {
    std::error_code ec;
    for (const auto& folder : dataFolders_)
        if (fs::exists(folder / name, ec)) return folder / name;
    return dataFolders_.empty() ? fs::path(name) : dataFolders_.front() / name;
}

bool CCloneEditorDoc::IsShippedDefaultFile(const std::string& path) const {
    const fs::path target = Normal(path);
    for (const auto& folder : dataFolders_)
        for (const auto& row : FileUtil::DefaultFileTable)
            if (Normal((folder / row.name).string()) == target) return true;
    return false;
}

int CCloneEditorDoc::LoadFile(const std::string& path, bool addToRecent) {
    CloneImage scratch;
    const int result = FileUtil::LoadImageFile(scratch, path);
    if (result != 1) return result;
    if (rules_.refreshGroupValid) rules_.refreshGroupValid(scratch);
    CurrentImage = scratch;
    SetPath(Normal(path).string(), addToRecent);
    modifiedFlag_ = false;
    SavedImage = CurrentImage;
    return 1;
}

int CCloneEditorDoc::LoadFileReporting(const std::string& path, bool addToRecent) {
    const int result = LoadFile(path, addToRecent);
    if (result != 1) {
        std::string why = FileUtil::ReadProblem(path);
        if (why.empty()) why = "The file cannot be read.";
        Host().Message(FileUtil::RidNone, kCannotOpen, path + "\n" + why, MsgStyle::Ok | MsgStyle::IconError);
    }
    return result;
}

int CCloneEditorDoc::LoadDefault(const std::string& name) {
    if (name.empty()) return 0;
    const fs::path file = FindDataFile(name);
    const int result = LoadFile(file.string(), false);
    // A shipped default is a starting point, never the file to save into.
    if (result == 1) {
        PX_LOG("App Default File = %s", file.c_str());
        SetPath("", false);
        fromDefault_ = true;
    }
    return result;
}

bool CCloneEditorDoc::LoadStartupDefault() {
    const int freqBand = GetProfileInt("Hardware", "FreqBand", 0);
    const int productType = GetProfileInt("Hardware", "ProductType", 0);
    const int keyType = GetProfileInt("Hardware", "KeyType", 0);
    const int lcdType = GetProfileInt("Hardware", "LCDType", 0);
    const auto& band = AppTables::FindBand(freqBand);

    CloneImage header;
    ItemMap::SetProductType(header, static_cast<std::uint32_t>(productType));
    ItemMap::WriteImageField(kVariantNibble, header, 0, 0, 0);
    ItemMap::SetBandType(header, static_cast<std::uint32_t>(band.bandType));
    ItemMap::SetFrequencyType(header, static_cast<std::uint32_t>(band.frequencyType));
    ItemMap::SetKeypadType(header, static_cast<std::uint32_t>(keyType));
    ItemMap::SetDisplayType(header, static_cast<std::uint32_t>(lcdType));
    const std::string name = Model::DefaultDataFileName(Model::VariantCodeFromImage(header), false);

    if (LoadDefault(name) == 1) return true;
    return LoadDefault(FallbackDefaultName) == 1;
}

bool CCloneEditorDoc::ProbeDefaultFiles() const {
    CloneImage scratch;
    // The probe of last resort: any shipped default data file at all.
    for (const auto& row : FileUtil::DefaultFileTable)
        if (FileUtil::OpenRead(scratch, FindDataFile(row.name).string()) == 1) return true;
    return false;
}

bool CCloneEditorDoc::LoadStartupImage(const std::string& commandLineFile) {
    usable_ = true;
    // A command-line file that cannot be read is reported; the default follows.
    if (!commandLineFile.empty() && LoadFileReporting(commandLineFile, true) == 1) return true;
    if (LoadStartupDefault()) return true;
    if (!ProbeDefaultFiles()) {
        Host().Message(kRidNoDefaultFile, BuiltinText(kRidNoDefaultFile), "", MsgStyle::Ok);
        usable_ = false;
    }
    return usable_;
}

int CCloneEditorDoc::LoadDefaultFile(const std::string& name) {
    return LoadDefault(name);
}

int CCloneEditorDoc::OpenDocument(const std::string& path) {
    view_.ScrollGridToFirstColumn();
    const int result = LoadFileReporting(path, true);
    if (result == 1) AfterFileCommand();
    return result;
}

void CCloneEditorDoc::AfterFileCommand() {
    view_.RefreshAllPanes();
    view_.RestoreGridFocus();
    AppState::ClearEditStateFlags();
    // A new document keeps the radio's own MDC1200 IDs until asked again.
    CloneImageOps::ClearMdc1200OverWriteFlags();
}

void CCloneEditorDoc::OnFileNew() {
    if (!SaveModified()) return;
    if (!LoadStartupDefault()) {
        Host().Message(kRidNoDefaultFile, BuiltinText(kRidNoDefaultFile), "", MsgStyle::Ok);
        return;
    }
    AfterFileCommand();
}

void CCloneEditorDoc::OnFileOpen() {
    const auto chosen = view_.AskOpenPath(Folder(lastFolder_));
    if (!chosen) return;
    lastFolder_ = *chosen;
    // The document is replaced only once its changes are saved or given up.
    if (!SaveModified()) return;
    view_.ScrollGridToFirstColumn();
    LoadFileReporting(*chosen, true);
    AfterFileCommand();
}

void CCloneEditorDoc::ApplyNarrowbandRule() {
    if (AppState::ServiceMode() != ServiceModes::Normal || !rules_.txInNarrowband) return;
    if (ItemMap::GetWideBandPermit(CurrentImage) != 0) return;
    if (Host().Now().tm_year + 1900 < 2013) return;
    const int capacity = 8 * std::clamp(static_cast<int>(ItemMap::GetMaxCh(CurrentImage)), 0, 16);
    std::vector<int> wide;
    for (int ch = 0; ch < capacity && ch < ItemMap::ChannelCount; ++ch) {
        const auto code = ItemMap::GetChannelWideNarrow(CurrentImage, ch);
        if ((code == 0 || code == 1) && rules_.txInNarrowband(CurrentImage, ch)) wide.push_back(ch);
    }
    if (wide.empty()) return;
    Host().Message(kRidNarrowbandCaution, BuiltinText(kRidNarrowbandCaution), "",
                   MsgStyle::Ok | MsgStyle::IconWarning);
    for (int ch : wide) {
        ItemMap::SetChannelWideNarrow(CurrentImage, ch, kNarrowCode);
        ItemMap::SetChannelTxSplType(CurrentImage, ch, 0);
    }
}

bool CCloneEditorDoc::WriteTo(const std::string& path) {
    if (IsShippedDefaultFile(path)) {
        Host().Message(FileUtil::RidNone, kDefaultDataFile, path, MsgStyle::Ok | MsgStyle::IconError);
        return false;
    }
    return FileUtil::SaveImageFile(CurrentImage, path) == 1;
}

bool CCloneEditorDoc::OnFileSave() {
    if (path_.empty()) return OnFileSaveAs();
    if (rules_.refreshGroupValid) rules_.refreshGroupValid(CurrentImage);
    ApplyNarrowbandRule();
    const bool written = WriteTo(path_);
    if (written) {
        modifiedFlag_ = false;
        SavedImage = CurrentImage;
    }
    AfterFileCommand();
    return written;
}

bool CCloneEditorDoc::OnFileSaveAs() {
    const auto chosen = view_.AskSavePath(Folder(lastFolder_));
    if (!chosen) {
        SaveAsResult = 2;
        return false;
    }
    // A cancelled dialog leaves the image as it was.
    ApplyNarrowbandRule();
    if (rules_.refreshGroupValid) rules_.refreshGroupValid(CurrentImage);
    lastFolder_ = *chosen;
    const bool written = WriteTo(*chosen);
    if (written) {
        SetPath(Normal(*chosen).string(), true);
        modifiedFlag_ = false;
        SavedImage = CurrentImage;
    }
    AfterFileCommand();
    SaveAsResult = 1;
    return written;
}

bool CCloneEditorDoc::SaveModified() {
    if (!IsModified()) return true;
    std::string name = path_.empty() ? title_ : fs::path(path_).filename().string();
    if (name.empty()) name = "Untitled";
    const int answer = Host().Message(kRidSaveChangesTo, BuiltinText(kRidSaveChangesTo), " " + name,
                                      MsgStyle::YesNoCancel | MsgStyle::IconQuestion);
    if (answer == MsgAnswer::Cancel) return false;
    if (answer == MsgAnswer::Yes) {
        SaveAsResult = 0;
        // Only an image actually written lets the caller go on. At close
        // (the modified flag set) a save that failed offers another file.
        if (!OnFileSave()) {
            if (!modifiedFlag_ || SaveAsResult == 2) return false;
            SaveAsResult = 0;
            if (!OnFileSaveAs()) return false;
        }
    }
    const int cable = AppState::Link().cableType;
    if (Model::ProductType(CurrentImage) == 0 && (cable == 2 || cable == 3))
        Host().Message(kRidSwitchRadioOff, BuiltinText(kRidSwitchRadioOff), "",
                       MsgStyle::Ok | MsgStyle::IconInformation);
    return true;
}

bool CCloneEditorDoc::HandOver(const std::string& path, bool windowEnabled) {
    if (path.empty() || !windowEnabled) return false;
    if (IsModified()) {
        const int answer = Host().Message(kRidSaveChanges, BuiltinText(kRidSaveChanges), "",
                                          MsgStyle::YesNoCancel | MsgStyle::IconWarning);
        if (answer == MsgAnswer::Cancel) return false;
        if (answer == MsgAnswer::Yes && !OnFileSave()) return false;
    }
    if (LoadFileReporting(path, true) != 1) return false;
    view_.RefreshAllPanes();
    AppState::EditStateFlags()[0] = 0;
    return true;
}
