// The radio commands of the main window without a window or a radio: what
// each asks, when it writes, and when the document takes the working copy.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <functional>

#include "Fixtures.h"
#include "app/AppState.h"
#include "app/MenuCommands.h"
#include "app/RadioRoads.h"
#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsScan.h"
#include "image/RadioImagePrep.h"
#include "image/TestHost.h"
#include "ui/MessageService.h"

namespace fs = std::filesystem;

namespace {

fs::path ProgramFolder() {
    char buffer[4096] = {};
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return fs::path(std::string(buffer, n > 0 ? static_cast<std::size_t>(n) : 0))
               .parent_path()
               .parent_path() /
           "bin";
}

// The VHF default data file with channel 1 in use.
CloneImage DefaultVhf() {
    CloneImage image;
    EXPECT_EQ(FileUtil::LoadImageFile(image, (ProgramFolder() / "default640v.PDX").string()), 1);
    image[0x003] = 0;   // destination: plain
    image[0x2505] = 0;  // no wide-band permit
    return image;
}

struct Run {
    int operation;
    CloneImage image;
    int serviceMode, appMode;
};

class FakeRoadHost : public RoadHost {
  public:
    CloneImage current;
    std::deque<int> results;                 // answers of the radio operations, 1 when empty
    std::function<void(CloneImage&)> radio;  // what the operation does to the image
    std::vector<Run> runs;
    int pathCleared = 0, refreshed = 0, paneFocus = 0, rememberedFocus = 0;
    std::optional<std::string> backupFile;
    std::vector<std::string> askedFolders;
    bool openResult = true;
    std::vector<std::string> opened;

    CloneImage& CurrentImage() override { return current; }
    void ClearDocumentPath() override { ++pathCleared; }
    void RefreshAllPanes() override { ++refreshed; }
    void RestorePaneFocus() override { ++paneFocus; }
    void RestoreRememberedFocus() override { ++rememberedFocus; }
    int RunOperation(int operation, CloneImage& working) override {
        runs.push_back({operation, working, AppState::ServiceMode(), AppState::AppMode()});
        if (radio) radio(working);
        if (results.empty()) return 1;
        const int result = results.front();
        results.pop_front();
        return result;
    }
    std::optional<std::string> AskBackupFile(const std::string& folder) override {
        askedFolders.push_back(folder);
        return backupFile;
    }
    bool OpenHandedOver(const std::string& path) override {
        opened.push_back(path);
        return openResult;
    }
};

class RadioRoadsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
        host.current = DefaultVhf();
        ASSERT_TRUE(Channel::IsInUse(host.current, 0));
    }
    void TearDown() override {
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
    }
    // A wide channel 1 at 160 MHz.
    void MakeWideNarrowbandChannel() {
        ASSERT_TRUE(Channel::SetTxFrequency(host.current, 0, 160.0, false));
        ItemMap::SetChannelWideNarrow(host.current, 0, 0);
        ASSERT_EQ(RadioRoads::WideChannelsInNarrowbandBands(host.current), std::vector<int>{0});
    }

    TestHost image;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    FakeRoadHost host;
};

}  // namespace

TEST_F(RadioRoadsTest, EnabledChannelMeansInUseWithinTheCapacity) {
    CloneImage image = host.current;
    image[0x2405] = 1;  // 8 channels
    EXPECT_TRUE(RadioRoads::HasEnabledChannel(image));
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 0, 1);
    EXPECT_FALSE(RadioRoads::HasEnabledChannel(image));
    // In use, but beyond the capacity.
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 20, 0);
    EXPECT_FALSE(RadioRoads::HasEnabledChannel(image));
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 7, 0);
    EXPECT_TRUE(RadioRoads::HasEnabledChannel(image));
}

TEST_F(RadioRoadsTest, GroupTableBeyondTheCapacityDoesNotBlockTheWrite) {
    // Every member slot names a channel at or above the capacity.
    for (int g = 0; g < 8; ++g)
        for (int s = 0; s < 16; ++s) ItemMap::WriteIndexedItem(host.current, g, s, 0xFE);
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::Download(host, true), 1);
    ASSERT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(host.runs[0].operation, RadioRoads::OpDownload);
}

TEST_F(RadioRoadsTest, NoChannelInUseRefusesTheWrite) {
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], host.current, 0, 1);
    const CloneImage empty = host.current;
    EXPECT_EQ(RadioRoads::Download(host, true), 0);
    EXPECT_TRUE(host.runs.empty());
    EXPECT_EQ(messages.Last().text, "There is no enable CH.");
    EXPECT_EQ(messages.Last().caption, "Error");
    EXPECT_TRUE(host.current == empty);
    EXPECT_EQ(host.rememberedFocus, 1);
}

TEST_F(RadioRoadsTest, ConfirmationAndModelChecks) {
    struct Case {
        int serviceMode, appMode;
        int typeCode, destination;
        int confirm;  // answer to "Do you start downloading?"
        bool written;
        const char* last;  // the last message, "" when none but the confirmation
    };
    const Case cases[] = {
        {0, 0, 0x36, 0, MsgAnswer::No, false, "Do you start downloading?"},
        {0, 0, 0x36, 0, MsgAnswer::Yes, true, "Do you start downloading?"},
        {0, 0, 0x99, 0, MsgAnswer::Yes, false, "Product Type mismatched (1)"},
        {0, 0, 0x36, 2, MsgAnswer::Yes, false, "Product Type mismatched (2)"},
        {1, 0, 0x36, 2, MsgAnswer::Yes, true, "Do you start downloading?"},
        {1, 0, 0x99, 0, MsgAnswer::Yes, false, "Product Type mismatched (1)"},
        {2, 0, 0x99, 2, MsgAnswer::Yes, true, "Do you start downloading?"},
        // The unattended mode asks nothing.
        {0, 4, 0x36, 0, MsgAnswer::No, true, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        messages.Clear();
        host.runs.clear();
        AppState::ServiceMode() = c.serviceMode;
        AppState::AppMode() = c.appMode;
        host.current[0x002] = static_cast<std::uint8_t>(c.typeCode);
        host.current[0x003] = static_cast<std::uint8_t>(c.destination);
        if (c.appMode != 4) messages.QueueAnswer(c.confirm);
        EXPECT_EQ(RadioRoads::Download(host, true), c.written ? 1 : 0) << c.serviceMode << " " << c.typeCode;
        EXPECT_EQ(host.runs.size(), c.written ? 1u : 0u);
        EXPECT_EQ(messages.Last().text, c.last);
    }
}

TEST_F(RadioRoadsTest, SuccessReplacesTheImageAndFailureLeavesIt) {
    const CloneImage before = host.current;
    host.radio = [](CloneImage& image) { image[0x3FF] = 0x42; };
    host.results = {0};
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::Download(host, true), 0);
    EXPECT_TRUE(host.current == before);
    EXPECT_EQ(RadioRoads::LastDownloadResult(), 0);
    EXPECT_EQ(host.refreshed, 0);

    AppState::EditStateFlags().fill(1);
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::Download(host, true), 1);
    EXPECT_EQ(host.current[0x3FF], 0x42);
    EXPECT_EQ(host.refreshed, 1);
    EXPECT_EQ(host.paneFocus, 1);
    EXPECT_EQ(host.pathCleared, 0);  // a write keeps the file name
    EXPECT_EQ(AppState::EditStateFlags(), (std::array<int, 4>{}));
    EXPECT_EQ(RadioRoads::LastDownloadResult(), 1);
}

TEST_F(RadioRoadsTest, NarrowbandQuestionBeforeTheMandatoryYear) {
    MakeWideNarrowbandChannel();
    image.now = TestHost::MakeTime(2012, 6, 1, 12, 0);
    messages.QueueAnswer(MsgAnswer::Yes);  // download?
    messages.QueueAnswer(MsgAnswer::No);   // narrow them?
    EXPECT_EQ(RadioRoads::Download(host, true), 1);
    ASSERT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(host.runs[0].image, 0), 0u);
    EXPECT_EQ(messages.Last().caption, "Download");
    EXPECT_NE(messages.Last().text.find("No : It will start downloading"), std::string::npos);

    host.runs.clear();
    messages.QueueAnswer(MsgAnswer::Yes);
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::Download(host, true), 1);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(host.runs[0].image, 0), 2u);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(host.current, 0), 2u);
}

TEST_F(RadioRoadsTest, DecliningTheMandatoryNarrowingCancelsTheWrite) {
    MakeWideNarrowbandChannel();
    image.now = TestHost::MakeTime(2014, 1, 2, 8, 0);
    const CloneImage before = host.current;
    RadioRoads::LastDownloadResult() = 7;
    messages.QueueAnswer(MsgAnswer::Yes);
    messages.QueueAnswer(MsgAnswer::No);
    EXPECT_EQ(RadioRoads::Download(host, true), 0);
    EXPECT_TRUE(host.runs.empty());
    EXPECT_TRUE(host.current == before);
    EXPECT_EQ(RadioRoads::LastDownloadResult(), 7);
    EXPECT_NE(messages.Last().text.find("Do you start downloading them?"), std::string::npos);
    EXPECT_NE(messages.Last().text.find("was changed to Narrow"), std::string::npos);

    messages.QueueAnswer(MsgAnswer::Yes);
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::Download(host, true), 1);
    EXPECT_EQ(ItemMap::GetChannelWideNarrow(host.runs.at(0).image, 0), 2u);
}

TEST_F(RadioRoadsTest, NarrowbandQuestionOnlyInNormalModeWithoutPermit) {
    MakeWideNarrowbandChannel();
    image.now = TestHost::MakeTime(2014, 1, 2, 8, 0);
    struct Case {
        int serviceMode;
        std::uint8_t permit;
        int year;
    };
    for (const Case& c : {Case{0, 1, 2014}, Case{1, 0, 2014}, Case{2, 0, 2014}, Case{0, 0, 2010}}) {
        AppState::ServiceMode() = c.serviceMode;
        host.current[0x2505] = c.permit;
        image.now = TestHost::MakeTime(c.year, 3, 1, 8, 0);
        host.runs.clear();
        messages.Clear();
        messages.QueueAnswer(MsgAnswer::Yes);
        EXPECT_EQ(RadioRoads::Download(host, true), 1) << c.serviceMode;
        EXPECT_EQ(messages.Count(), 1u) << c.serviceMode;
        EXPECT_EQ(ItemMap::GetChannelWideNarrow(host.runs.at(0).image, 0), 0u);
    }
}

TEST_F(RadioRoadsTest, ManufactureModeDownloadRunsWithNormalModes) {
    AppState::ServiceMode() = 2;
    AppState::AppMode() = 1;
    host.current[0x002] = 0x99;  // unknown model: only the relaxed checks pass it
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::DownloadCommand(host), 0);
    EXPECT_EQ(messages.Last().text, "Product Type mismatched (1)");
    EXPECT_EQ(host.refreshed, 1);
    EXPECT_EQ(AppState::ServiceMode(), 2);
    EXPECT_EQ(AppState::AppMode(), 1);

    host.current[0x002] = 0x36;
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::DownloadCommand(host), 1);
    ASSERT_EQ(host.runs.size(), 1u);
    EXPECT_EQ(host.runs[0].serviceMode, 0);
    EXPECT_EQ(host.runs[0].appMode, 0);
    EXPECT_EQ(host.refreshed, 2);

    host.current[0x002] = 0x99;
    messages.QueueAnswer(MsgAnswer::Yes);
    EXPECT_EQ(RadioRoads::DownloadManuCommand(host), 1);
    EXPECT_EQ(host.runs.back().serviceMode, 2);

    AppState::ServiceMode() = 1;
    EXPECT_EQ(RadioRoads::DownloadManuCommand(host), 0);
    EXPECT_EQ(host.runs.size(), 2u);
}

TEST_F(RadioRoadsTest, UploadReplacesTheDocumentOnlyOnSuccess) {
    const CloneImage before = host.current;
    host.radio = [](CloneImage& image) { image[0x100] = 0x33; };
    host.results = {0, 1};
    EXPECT_EQ(RadioRoads::Upload(host), 0);
    EXPECT_TRUE(host.current == before);
    EXPECT_EQ(host.pathCleared, 0);
    EXPECT_EQ(host.rememberedFocus, 1);

    AppState::EditStateFlags().fill(1);
    EXPECT_EQ(RadioRoads::Upload(host), 1);
    EXPECT_EQ(host.current[0x100], 0x33);
    EXPECT_EQ(host.pathCleared, 1);
    EXPECT_EQ(host.refreshed, 1);
    EXPECT_EQ(host.paneFocus, 1);
    EXPECT_EQ(AppState::EditStateFlags(), (std::array<int, 4>{}));
    EXPECT_EQ(host.runs.at(0).operation, RadioRoads::OpUpload);
}

// The MDC1200 over-write choice lasts until the radio was read or written:
// a write still sees it, a failed command keeps it, a done one clears it.
TEST_F(RadioRoadsTest, OverWriteFlagsAreClearedOnlyByADoneReadOrWrite) {
    struct Case {
        const char* road;
        int (*run)(RoadHost&);
        bool asks;
    } cases[] = {{"Upload", &RadioRoads::Upload, false},
                 {"Download", &RadioRoads::DownloadCommand, true}};
    auto& flags = CloneImageOps::Mdc1200OverWriteFlags();
    for (const Case& c : cases) {
        std::vector<int> seen;
        host.radio = [&](CloneImage&) { seen.push_back(flags[0] + flags[1]); };
        host.results = {0, 1};
        flags[0] = 1;
        flags[1] = 1;
        if (c.asks) messages.QueueAnswer(MsgAnswer::Yes);
        EXPECT_EQ(c.run(host), 0) << c.road;
        EXPECT_EQ(flags[0] + flags[1], 2) << c.road;
        if (c.asks) messages.QueueAnswer(MsgAnswer::Yes);
        EXPECT_EQ(c.run(host), 1) << c.road;
        EXPECT_EQ(seen, (std::vector<int>{2, 2})) << c.road;
        EXPECT_EQ(flags[0] + flags[1], 0) << c.road;
    }
}

TEST_F(RadioRoadsTest, RecoveryAndAdjReturnRunOnAnErasedImageAfterTheirQuestion) {
    const CloneImage before = host.current;
    messages.QueueAnswer(MsgAnswer::Cancel);
    EXPECT_EQ(RadioRoads::RadioOperation(host, Cmd::RadioDataRecovery), 0);
    EXPECT_TRUE(host.runs.empty());
    EXPECT_EQ(messages.Last().text, "It starts to check the \"Error Code\".");
    EXPECT_EQ(messages.Last().caption, "Radio Data Recovery");

    messages.QueueAnswer(MsgAnswer::Ok);
    EXPECT_EQ(RadioRoads::RadioOperation(host, Cmd::RadioDataRecovery), 1);
    messages.QueueAnswer(MsgAnswer::Ok);
    EXPECT_EQ(RadioRoads::RadioOperation(host, Cmd::AdjReturnToDefault), 1);
    EXPECT_EQ(messages.Last().caption, "ADJ-Data Return to Default");
    ASSERT_EQ(host.runs.size(), 2u);
    EXPECT_EQ(host.runs[0].operation, RadioRoads::OpRadioDataRecovery);
    EXPECT_EQ(host.runs[1].operation, RadioRoads::OpAdjReturn);
    EXPECT_TRUE(host.runs[0].image == CloneImage{});
    EXPECT_TRUE(host.current == before);
}

TEST_F(RadioRoadsTest, AlignmentRecoveryDeletesTheBackupOnlyAfterASuccessfulWrite) {
    TempDir dir;
    const fs::path backup = dir.path() / "radio.adx";
    struct Case {
        int question;  // the recovery question
        bool chosen;
        int confirm;  // "Do you start downloading?"
        int radioResult;
        bool keep;  // the runner asks to keep the file
        bool deleted;
    };
    const Case cases[] = {
        {MsgAnswer::Cancel, true, MsgAnswer::Yes, 1, false, false},
        {MsgAnswer::Ok, false, MsgAnswer::Yes, 1, false, false},
        {MsgAnswer::Ok, true, MsgAnswer::No, 1, false, false},
        {MsgAnswer::Ok, true, MsgAnswer::Yes, 0, false, false},
        {MsgAnswer::Ok, true, MsgAnswer::Yes, 1, true, false},
        {MsgAnswer::Ok, true, MsgAnswer::Yes, 1, false, true},
    };
    for (const Case& c : cases) {
        Fixtures::WriteImage(backup, host.current);
        messages.QueueAnswer(c.question);
        messages.QueueAnswer(c.confirm);
        host.backupFile = c.chosen ? std::optional<std::string>(backup.string()) : std::nullopt;
        host.results = {c.radioResult};
        bool recoveryDuringWrite = false;
        host.radio = [&](CloneImage&) {
            recoveryDuringWrite = RadioRoads::RecoveryFlag();
            RadioRoads::KeepBackupFlag() = c.keep;
        };
        RadioRoads::AlignmentRecovery(host);
        EXPECT_EQ(!fs::exists(backup), c.deleted)
            << c.question << c.chosen << c.confirm << c.radioResult << c.keep;
        EXPECT_FALSE(RadioRoads::RecoveryFlag());
        if (c.question == MsgAnswer::Ok && c.chosen && c.confirm == MsgAnswer::Yes) {
            EXPECT_TRUE(recoveryDuringWrite);
        }
        messages.Clear();
    }
    EXPECT_EQ(host.askedFolders.back(), dir.path().string());
}
