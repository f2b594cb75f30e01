#include "app/RadioRoads.h"

#include <filesystem>
#include <system_error>

#include "app/AppState.h"
#include "app/MenuCommands.h"
#include "app/ScreenRegistry.h"
#include "image/ChannelOps.h"
#include "image/ImageHost.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/Modes.h"
#include "image/RadioImagePrep.h"
#include "language/Language.h"
#include "serial/CommResult.h"
#include "ui/MessageService.h"

namespace RadioRoads {

namespace {

constexpr int kResultNoEnabledChannel = 14;
constexpr int kResultConfirmDownload = 9;
constexpr int kResultModelUnknown = 10;
constexpr int kResultModelMismatch = 11;
constexpr int kResultRadioDataRecovery = 15;
constexpr int kResultAdjReturn = 34;

constexpr int kRidNarrowbandAsk = 33024;
constexpr int kRidNarrowbandQuestion = 33026;
constexpr int kRidNarrowbandCaption = 33027;
constexpr int kRidAlignmentRecovery = 33206;

// The first year of the narrowband rule, and the year from which wide
// channels are narrowed whatever the answer.
constexpr int kNarrowbandFirstYear = 2011;
constexpr int kNarrowbandMandatoryYear = 2013;

int ShowResult(int resultId) {
    return ShowMessage(CommResult::MessageText(resultId), CommResult::CaptionText(resultId),
                       static_cast<unsigned>(CommResult::Style(resultId)));
}

// Both modes normal for the length of one write.
class NormalModes {
  public:
    NormalModes() : service_(AppState::ServiceMode()), app_(AppState::AppMode()) {
        AppState::ServiceMode() = ServiceModes::Normal;
        AppState::AppMode() = AppModes::Normal;
    }
    ~NormalModes() {
        AppState::ServiceMode() = service_;
        AppState::AppMode() = app_;
    }
    NormalModes(const NormalModes&) = delete;
    NormalModes& operator=(const NormalModes&) = delete;

  private:
    int service_, app_;
};

void AfterRead(RoadHost& host, const CloneImage& working) {
    host.CurrentImage() = working;
    host.ClearDocumentPath();
    host.RefreshAllPanes();
    host.RestorePaneFocus();
    AppState::ClearEditStateFlags();
}

}  // namespace

bool HasEnabledChannel(const CloneImage& image) {
    // The in-use bitmap decides; the group member table is rebuilt by the
    // write preparation anyway.
    const int capacity = Channel::Capacity(image);
    for (int channel = 0; channel < capacity; ++channel)
        if (Channel::IsInUse(image, channel)) return true;
    return false;
}

std::vector<int> WideChannelsInNarrowbandBands(const CloneImage& image) {
    std::vector<int> channels;
    const int capacity = Channel::Capacity(image);
    for (int channel = 0; channel < capacity; ++channel)
        if (Channel::BandwidthCodeIsPlain(image, channel)) channels.push_back(channel);
    return channels;
}

int Upload(RoadHost& host) {
    CloneImage working = host.CurrentImage();
    if (host.RunOperation(OpUpload, working) != 1) {
        host.RestoreRememberedFocus();
        return 0;
    }
    AfterRead(host, working);
    // The document holds the radio's own MDC1200 IDs now.
    CloneImageOps::ClearMdc1200OverWriteFlags();
    return 1;
}

int Download(RoadHost& host, bool refresh) {
    CloneImage working = host.CurrentImage();
    if (!HasEnabledChannel(working)) {
        ShowResult(kResultNoEnabledChannel);
        host.RestoreRememberedFocus();
        return 0;
    }
    if (AppState::AppMode() != AppModes::Ship && ShowResult(kResultConfirmDownload) != MsgAnswer::Yes) {
        host.RestoreRememberedFocus();
        return 0;
    }
    const int serviceMode = AppState::ServiceMode();
    if (serviceMode != ServiceModes::Manufacture) {
        const bool known = Model::IndexFromTypeCode(working) != -1;
        if (!known || (serviceMode == ServiceModes::Normal && ItemMap::GetVariantByte(working) > 1)) {
            ShowResult(known ? kResultModelMismatch : kResultModelUnknown);
            host.RestoreRememberedFocus();
            return 0;
        }
    }
    const int year = Host().Now().tm_year + 1900;
    if (serviceMode == ServiceModes::Normal && ItemMap::GetWideBandPermit(working) == 0 &&
        year >= kNarrowbandFirstYear) {
        const auto wide = WideChannelsInNarrowbandBands(working);
        if (!wide.empty()) {
            const bool mandatory = year >= kNarrowbandMandatoryYear;
            const std::string text =
                mandatory ? GetRIDText(CloneImageOps::RidWideBandCaution) + GetRIDText(kRidNarrowbandQuestion)
                          : GetRIDText(kRidNarrowbandAsk);
            const int answer = ShowMessage(text, GetRIDText(kRidNarrowbandCaption), MsgStyle::YesNo);
            if (mandatory || answer == MsgAnswer::Yes)
                for (int channel : wide) Channel::ForceNarrowBandwidth(working, channel);
            if (mandatory && answer != MsgAnswer::Yes) {
                // Declined: nothing is written, nothing counts as written.
                host.RestoreRememberedFocus();
                return 0;
            }
        }
    }

    const int result = host.RunOperation(OpDownload, working);
    LastDownloadResult() = result;
    const auto& ship = Screens::Ship();
    if (result == 1) {
        host.CurrentImage() = working;
        if (refresh) host.RefreshAllPanes();
        if (AppState::AppMode() == AppModes::Ship && ship.afterDownload) ship.afterDownload(true);
        host.RestorePaneFocus();
        AppState::ClearEditStateFlags();
        // The write has used the over-write choice (keeping the radio's own
        // Primary IDs where it was off); the next write asks again.
        CloneImageOps::ClearMdc1200OverWriteFlags();
        return 1;
    }
    if (AppState::AppMode() == AppModes::Ship && ship.sequenceRunning && ship.sequenceRunning() &&
        ship.afterDownload)
        ship.afterDownload(false);
    host.RestoreRememberedFocus();
    return 0;
}

int DownloadCommand(RoadHost& host) {
    if (AppState::ServiceMode() != ServiceModes::Manufacture) return Download(host, true);
    int result = 0;
    {
        const NormalModes normal;
        result = Download(host, false);
    }
    host.RefreshAllPanes();
    return result;
}

int DownloadManuCommand(RoadHost& host) {
    if (AppState::ServiceMode() != ServiceModes::Manufacture) return 0;
    return Download(host, true);
}

int RadioOperation(RoadHost& host, int commandId) {
    const bool recovery = commandId == Cmd::RadioDataRecovery;
    if (ShowResult(recovery ? kResultRadioDataRecovery : kResultAdjReturn) != MsgAnswer::Ok) return 0;
    CloneImage erased;
    erased.Fill(0xFF);
    return host.RunOperation(recovery ? OpRadioDataRecovery : OpAdjReturn, erased);
}

int AlignmentRecovery(RoadHost& host) {
    if (ShowMessage(GetRIDText(kRidAlignmentRecovery), {}, MsgStyle::OkCancel | MsgStyle::IconInformation) !=
        MsgAnswer::Ok)
        return 0;
    const std::string folder = std::filesystem::path(BackupPath()).parent_path().string();
    const auto chosen = host.AskBackupFile(folder);
    if (!chosen) return 0;
    BackupPath() = *chosen;
    if (!host.OpenHandedOver(*chosen)) return 0;
    RecoveryFlag() = true;
    KeepBackupFlag() = false;
    LastDownloadResult() = 0;
    DownloadCommand(host);
    if (LastDownloadResult() == 1 && !KeepBackupFlag()) {
        std::error_code ec;
        std::filesystem::remove(*chosen, ec);
    }
    RecoveryFlag() = false;
    return LastDownloadResult() == 1 ? 1 : 0;
}

int& LastDownloadResult() {
    static int result = 0;
    return result;
}

bool& RecoveryFlag() {
    static bool flag = false;
    return flag;
}

bool& KeepBackupFlag() {
    static bool flag = false;
    return flag;
}

std::string& BackupPath() {
    static std::string path;
    return path;
}

}  // namespace RadioRoads
