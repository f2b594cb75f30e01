#pragma once
// The single document: the clone image every screen edits, the copy last
// loaded or saved, the data file path and the file commands. Plain code: the
// windows around it answer through DocumentView, messages go through the
// application host.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image/CloneImage.h"

// What the document asks of the windows around it.
class DocumentView {
  public:
    virtual ~DocumentView() = default;
    // The file dialogs; nullopt when the user cancelled.
    virtual std::optional<std::string> AskOpenPath(const std::string& startFolder) = 0;
    virtual std::optional<std::string> AskSavePath(const std::string& startFolder) = 0;
    // Every pane shows the current image again.
    virtual void RefreshAllPanes() {}
    virtual void RestoreGridFocus() {}
    virtual void ScrollGridToFirstColumn() {}
    virtual void TitleChanged(const std::string& /*title*/) {}
    virtual void AddToRecentFiles(const std::string& /*path*/) {}
};

// Image rules of the channel library that the document applies at load and
// save. Unset members do nothing.
struct DocumentImageRules {
    std::function<void(CloneImage&)> refreshGroupValid;
    // True when channel `channel`'s transmit frequency lies in a narrowband band.
    std::function<bool(const CloneImage&, int channel)> txInNarrowband;
};

class CCloneEditorDoc {
  public:
    static constexpr const char* NoTitle = "<none>";
    static constexpr const char* FallbackDefaultName = "default640ud.PDX";

    // `dataFolders`: where the shipped default data files are looked for, in
    // order. `programFolder`: where the file dialogs start.
    CCloneEditorDoc(DocumentView& view, std::vector<std::filesystem::path> dataFolders,
                    std::filesystem::path programFolder, DocumentImageRules rules = {});

    CloneImage CurrentImage;
    CloneImage SavedImage;

    // The start-up load: the command-line file, else the default data file of
    // the variant the settings name, else the fallback default. A default
    // file gives an image without a path. False (with the message) when no
    // default data file can be read at all.
    bool LoadStartupImage(const std::string& commandLineFile);
    bool IsUsable() const { return usable_; }

    // Modified: the image differs from the one last loaded or saved, or it
    // has no path and did not come from a default data file (a radio read).
    bool IsModified() const;
    void SetModifiedFlag(bool flag) { modifiedFlag_ = flag; }
    bool ModifiedFlag() const { return modifiedFlag_; }

    const std::string& PathName() const { return path_; }
    const std::string& Title() const { return title_; }
    // The full path, or "<none>" for an empty title or "<none>"; also sets
    // the current-file name.
    void SetTitle(const std::string& title);
    const std::string& LastFolder() const { return lastFolder_; }
    // The export of the HTML document keeps its chosen path here too.
    std::string& LastFolderRef() { return lastFolder_; }

    // 1 on success, else the reader's result; a failure changes nothing.
    int LoadFile(const std::string& path, bool addToRecent);
    // LoadFile; a failure tells the user why.
    int LoadFileReporting(const std::string& path, bool addToRecent);
    int LoadFileByName(const std::string& path, bool addToRecent) { return LoadFile(path, addToRecent); }
    // Shell open and recent files: 1 on success.
    int OpenDocument(const std::string& path);

    // A shipped default data file by name, loaded without a path (New).
    int LoadDefaultFile(const std::string& name);
    // Where a shipped data file of that name lies (the first data folder
    // that holds it).
    std::filesystem::path DataFilePath(const std::string& name) const { return FindDataFile(name); }
    // The image no longer comes from the file (a radio read, an alignment, a
    // conversion): no path, title "<none>".
    void ClearPath() { SetPath("", false); }
    // True while the image is a default data file loaded without a path.
    bool FromDefaultFile() const { return fromDefault_; }

    // The file commands. Save and SaveAs return true only when the image was
    // written.
    void OnFileNew();
    void OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    // The save-changes question before the document is closed or replaced:
    // true when the caller may go on.
    bool SaveModified();
    // A file handed over by a second start. `windowEnabled` is false while a
    // modal dialog is open; nothing is opened then.
    bool HandOver(const std::string& path, bool windowEnabled);

    // 1 a file was chosen in the last Save As, 2 it was cancelled.
    int SaveAsResult = 0;

  private:
    int LoadDefault(const std::string& name);
    bool LoadStartupDefault();
    bool ProbeDefaultFiles() const;
    std::filesystem::path FindDataFile(const std::string& name) const;
    bool IsShippedDefaultFile(const std::string& path) const;
    void ApplyNarrowbandRule();
    bool WriteTo(const std::string& path);
    void AfterFileCommand();
    void SetPath(const std::string& path, bool addToRecent);

    DocumentView& view_;
    std::vector<std::filesystem::path> dataFolders_;
    DocumentImageRules rules_;
    std::string path_;
    std::string title_ = NoTitle;
    std::string lastFolder_;
    bool modifiedFlag_ = false;
    bool usable_ = true;
    bool fromDefault_ = false;
};
