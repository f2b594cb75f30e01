#pragma once
// The radio commands of the main window, without a window: Upload, Download
// (both forms), the radio data recovery and the ADJ return, and the
// recovery from an alignment backup. Each works on a working copy of the
// document's image and replaces the document's image only when the radio
// operation succeeded.
#include <optional>
#include <string>
#include <vector>

#include "image/CloneImage.h"

// What the roads need of the main window.
class RoadHost {
  public:
    virtual ~RoadHost() = default;
    virtual CloneImage& CurrentImage() = 0;
    // The document has no path any more: its title reads "<none>".
    virtual void ClearDocumentPath() = 0;
    virtual void RefreshAllPanes() = 0;
    // The active pane takes the focus back after a success.
    virtual void RestorePaneFocus() = 0;
    // The window that had the focus when the command began gets it back.
    virtual void RestoreRememberedFocus() = 0;
    // Runs radio operation `operation` on `working`; 1 on success.
    virtual int RunOperation(int operation, CloneImage& working) = 0;
    // The recovery road: the backup file to load ("*.adx"), and opening it as
    // a hand-over does (save question, load); true when it was loaded.
    virtual std::optional<std::string> AskBackupFile(const std::string& startFolder) = 0;
    virtual bool OpenHandedOver(const std::string& path) = 0;
};

namespace RadioRoads {

inline constexpr int OpUpload = 0, OpDownload = 1, OpAlignmentRead = 8, OpRadioDataRecovery = 11,
                     OpAdjReturn = 12;

// A channel within the image's capacity is in use.
bool HasEnabledChannel(const CloneImage& image);
// Channels within the capacity that are wide in a narrowband band.
std::vector<int> WideChannelsInNarrowbandBands(const CloneImage& image);

// Upload: 1 when the radio was read into the document.
int Upload(RoadHost& host);
// The write road; `refresh` refreshes the panes after a success. The result
// of the command: 1 success, 0 anything else (refused, declined, failed).
int Download(RoadHost& host, bool refresh);
// "Download": in Manufacture Mode the write runs with both modes normal and
// the panes refresh once afterwards.
int DownloadCommand(RoadHost& host);
// "Download(Manu)": the write road with the modes as they are, in
// Manufacture Mode only.
int DownloadManuCommand(RoadHost& host);
// "Radio Data Recovery" (operation 11) and "ADJ-Data Return to Default"
// (operation 12), after their question, on an erased image; the document is
// not changed.
int RadioOperation(RoadHost& host, int commandId);
// "Data recovery in case of alignment failure".
int AlignmentRecovery(RoadHost& host);

// The result of the last write into the radio (1 success).
int& LastDownloadResult();
// Set around the write of an alignment backup; the runner reads it.
bool& RecoveryFlag();
// Set by the runner when the backup file must be kept.
bool& KeepBackupFlag();
// The alignment backup file chosen last.
std::string& BackupPath();

}  // namespace RadioRoads
