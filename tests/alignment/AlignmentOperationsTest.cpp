// The alignment data operations end to end against the simulated radio:
// what each reads and writes, the backup file, the alignment connection,
// and power lost in the middle of each write.
#include "AlignmentFixture.h"
#include "image/FileUtil.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"

namespace {

using AlignmentData::Copy;
using namespace AlignmentOperations;
using RadioSim::Fault;
using RadioSim::FaultKind;

bool SameRange(const CloneImage& a, const CloneImage& b, std::size_t from, std::size_t count) {
    return std::equal(a.data() + from, a.data() + from + count, b.data() + from);
}
bool SamePages(const CloneImage& a, const CloneImage& b, int first, int last) {
    return SameRange(a, b, CloneImage::BlockOffset(first),
                     static_cast<std::size_t>(last - first + 1) * CloneImage::BlockSize);
}
bool SameWords(const CloneImage& a, const CloneImage& b, int first, int last) {
    return SameRange(a, b, 2 * static_cast<std::size_t>(first),
                     2 * static_cast<std::size_t>(last - first + 1));
}
// Channel names of records 0-127: what the alignment values never touch.
bool SameChannelNames(const CloneImage& a, const CloneImage& b) {
    for (int c = 0; c < ItemMap::ChannelCount; ++c)
        if (ItemMap::ReadChannelName(a, c) != ItemMap::ReadChannelName(b, c)) return false;
    return true;
}

TEST(AlignmentChecksum, IsTheLittleEndianSumOfTheLast46Bytes) {
    CloneImage image;  // all FF
    AlignmentData::UpdateAlignChecksum(image, Copy::Eeprom);
    EXPECT_EQ(image[0x30], 0xD2);
    EXPECT_EQ(image[0x31], 0x2D);
    image[CloneImage::BlockOffset(14, 0x282)] = 0x01;
    std::fill_n(image.data() + CloneImage::BlockOffset(14, 0x283), 45, 0);
    AlignmentData::UpdateAlignChecksum(image, Copy::Page14);
    EXPECT_EQ(image[CloneImage::BlockOffset(14, 0x280)], 0x01);
    EXPECT_EQ(image[CloneImage::BlockOffset(14, 0x281)], 0x00);
    // The other copies are left alone.
    EXPECT_EQ(image[CloneImage::BlockOffset(15, 0x280)], 0xFF);
}

TEST(AlignmentLists, EachOperationWritesItsRanges) {
    using TransferList::Range;
    const auto pages = [](int op) { return WriteLists(op).pages; };
    EXPECT_EQ(pages(OpAlignmentRead), (std::vector<Range>{{14, 14}, {0, 7}}));
    EXPECT_EQ(pages(OpAlignmentWrite), (std::vector<Range>{{8, 8}, {14, 14}, {0, 7}}));
    EXPECT_EQ(pages(OpAlignmentRestore), (std::vector<Range>{{14, 14}, {0, 7}}));
    EXPECT_EQ(pages(OpItemsWithPage14), (std::vector<Range>{{14, 14}}));
    EXPECT_TRUE(pages(OpItems).empty());
    // Restore puts words 20-23 back as well; the item writes leave them.
    EXPECT_EQ(WriteLists(OpAlignmentRestore).words.front(), (Range{20, 23}));
    EXPECT_EQ(WriteLists(OpItems).words.front(), (Range{24, 39}));
    EXPECT_EQ(WriteLists(OpAlignmentWrite).words, (std::vector<Range>{{20, 23}}));
}

TEST_F(AlignmentLinkTest, ReadSavesTheBackupAndLoadsTheSpecificationChannels) {
    CloneImage working;
    RecordingView view;
    ASSERT_TRUE(RunShared(OpAlignmentRead, working, view)) << "result " << result;
    // The backup: the radio as read, under its serial number and the time.
    EXPECT_EQ(status, "AC051234_20261210_0930.adx");
    CloneImage backup;
    ASSERT_EQ(FileUtil::OpenRead(backup, (folder.path() / status).string()), 1);
    EXPECT_TRUE(SameWords(backup, radio, 0, 415));
    EXPECT_TRUE(SamePages(backup, radio, 0, 15));
    // The radio: the specification's channels and words 20-23, its own hardware page.
    const CloneImage memory = sim.Memory();
    EXPECT_TRUE(SameChannelNames(memory, spec));
    EXPECT_TRUE(SameWords(memory, spec, 20, 23));
    EXPECT_TRUE(SamePages(memory, radio, 8, 8));
    EXPECT_EQ(Word511(), 0x5AA5);
    EXPECT_EQ(AlignmentData::Checksum(memory, Copy::Eeprom), memory[0x30] | (memory[0x31] << 8));
    // Reconnected in the alignment connection ('0') on the first channel in use.
    std::vector<std::uint8_t> answers;
    for (const auto& r : sim.Log())
        if (r.kind == RadioSim::Record::Kind::Handshake) answers.push_back(r.command);
    EXPECT_EQ(answers, (std::vector<std::uint8_t>{'@', '0'}));
    const auto state = sim.Alignment();
    EXPECT_TRUE(state.alignmentConnection);
    EXPECT_EQ(state.point, 3);
    EXPECT_FALSE(state.transmitting);
    EXPECT_TRUE(shared->IsOpen());
    // The working image is what the radio holds, with the radio's identity bytes.
    EXPECT_TRUE(SameChannelNames(working, spec));
    EXPECT_EQ(working[0x02], radio[0x02]);
    EXPECT_TRUE(view.results.empty());
}

TEST_F(AlignmentLinkTest, WriteBringsBackTheUsersChannelsWithTheTunedTable) {
    CloneImage working;
    RecordingView read;
    ASSERT_TRUE(RunShared(OpAlignmentRead, working, read));
    // Tuning changes the radio's EEPROM table (row 2, kind 3) live.
    CloneImage tuned = sim.Memory();
    tuned[0x264] = 0x77;
    sim.LoadImage(tuned);
    CloneImage backup;
    ASSERT_TRUE(AlignmentFiles::CHBaselineFileLoad(status, backup));
    RecordingView write;
    ASSERT_TRUE(RunShared(OpAlignmentWrite, backup, write)) << "result " << result;
    EXPECT_EQ(write.results, (std::vector<int>{ResultCompleted}));
    const CloneImage memory = sim.Memory();
    EXPECT_TRUE(SameChannelNames(memory, radio));
    EXPECT_TRUE(SameWords(memory, radio, 20, 23));
    EXPECT_TRUE(SamePages(memory, radio, 8, 8));
    EXPECT_EQ(memory[CloneImage::BlockOffset(14, 0x324)], 0x77);  // page 14 holds the tuned table
    EXPECT_EQ(memory[0x264], 0x77);                               // the EEPROM keeps it
    EXPECT_EQ(Word511(), 0x5AA5);
    EXPECT_FALSE(shared->IsOpen());
    EXPECT_FALSE(sim.Alignment().alignmentConnection);
}

TEST_F(AlignmentLinkTest, RestorePutsEverythingBackIncludingWords20To23) {
    CloneImage working;
    RecordingView read;
    ASSERT_TRUE(RunShared(OpAlignmentRead, working, read));
    CloneImage tuned = sim.Memory();
    tuned[0x264] = 0x77;
    tuned[0x48] = 0x55;
    sim.LoadImage(tuned);
    CloneImage backup;
    ASSERT_TRUE(AlignmentFiles::CHBaselineFileLoad(status, backup));
    RecordingView restore;
    ASSERT_TRUE(RunShared(OpAlignmentRestore, backup, restore)) << "result " << result;
    CloneImage expected = radio;
    AlignmentData::UpdateAllChecksums(expected);
    const CloneImage memory = sim.Memory();
    EXPECT_TRUE(SameWords(memory, expected, 20, 47));
    EXPECT_TRUE(SameWords(memory, expected, 288, 415));
    EXPECT_TRUE(SamePages(memory, expected, 0, 7));
    EXPECT_TRUE(SamePages(memory, expected, 14, 14));
    EXPECT_EQ(Word511(), 0x5AA5);
}

TEST_F(AlignmentLinkTest, ItemWritesStayInTheAlignmentConnection) {
    CloneImage working;
    RecordingView read;
    ASSERT_TRUE(RunShared(OpAlignmentRead, working, read));
    sim.ClearLog();
    working[0x48] = 0x42;
    working[CloneImage::BlockOffset(14, 0x298)] = 0x43;
    RecordingView items;
    ASSERT_TRUE(RunAlignItemsWrite(OpItems, working, *shared, items));
    EXPECT_EQ(sim.Memory()[0x48], 0x42);
    EXPECT_NE(sim.Memory()[CloneImage::BlockOffset(14, 0x298)], 0x43);  // 21 writes no page
    EXPECT_TRUE(Addresses(RadioFrame::FlashWriteCode).empty());
    RecordingView withPage;
    ASSERT_TRUE(RunAlignItemsWrite(OpItemsWithPage14, working, *shared, withPage));
    EXPECT_EQ(sim.Memory()[CloneImage::BlockOffset(14, 0x298)], 0x43);
    EXPECT_EQ(Addresses(RadioFrame::FlashWriteCode), (std::vector<int>{14}));
    // No new connection was made and the radio still aligns.
    for (const auto& r : sim.Log()) EXPECT_NE(r.kind, RadioSim::Record::Kind::Handshake);
    EXPECT_TRUE(sim.InProgramming());
    EXPECT_EQ(Word511(), 0x5AA5);
    EXPECT_TRUE(items.results.empty());
    EXPECT_FALSE(RunAlignItemsWrite(OpAlignmentWrite, working, *shared, items));  // not an item write
}

TEST_F(AlignmentLinkTest, MissingOrMalformedSpecificationStopsBeforeAnyWrite) {
    const std::vector<std::uint8_t> shortFile(100, 0xAB);
    for (const bool present : {false, true}) {
        SCOPED_TRACE(present ? "truncated file" : "no file");
        std::filesystem::remove(SpecPath());
        if (present) WriteFile(SpecPath(), shortFile.data(), shortFile.size());
        sim.ClearLog();
        CloneImage working;
        RecordingView view;
        EXPECT_FALSE(RunShared(OpAlignmentRead, working, view));
        EXPECT_EQ(view.messages, (std::vector<int>{RidSpecMissing}));
        EXPECT_TRUE(Addresses(RadioFrame::EepromWriteCode).empty());
        EXPECT_TRUE(Addresses(RadioFrame::FlashWriteCode).empty());
        EXPECT_EQ(sim.Memory(), radio);
        EXPECT_TRUE(Backups().empty());
        EXPECT_FALSE(shared->IsOpen());
    }
}

TEST_F(AlignmentLinkTest, ASecondBackupInTheSameMinuteGetsANewName) {
    CloneImage working;
    RecordingView first, end, second;
    ASSERT_TRUE(RunShared(OpAlignmentRead, working, first));
    CloneImage backup;
    ASSERT_TRUE(AlignmentFiles::CHBaselineFileLoad(status, backup));
    ASSERT_TRUE(RunShared(OpAlignmentRestore, backup, end));
    ASSERT_TRUE(RunShared(OpAlignmentRead, working, second));
    EXPECT_EQ(status, "AC051234_20261210_0930_2.adx");
    EXPECT_EQ(Backups().size(), 2u);
}

TEST_F(AlignmentLinkTest, WrongModelIsRefusedBeforeTheBackup) {
    CloneImage other = radio;
    other[0x02] = 0x99;
    sim.LoadImage(other);
    CloneImage working;
    RecordingView view;
    EXPECT_FALSE(RunShared(OpAlignmentRead, working, view));
    EXPECT_EQ(view.results, (std::vector<int>{CommResult::ProductMismatch1}));
    EXPECT_TRUE(Backups().empty());
    EXPECT_TRUE(Addresses(RadioFrame::EepromWriteCode).empty());
}

TEST_F(AlignmentLinkTest, AFailedReadWritesTheRadiosOwnDataBack) {
    // The radio refuses every try of the second channel page, then recovers.
    sim.SetFaults({Fault{FaultKind::Nak, 2, PXComCommandRetry::WriteTries, RadioFrame::FlashWriteCode}});
    CloneImage working;
    RecordingView view;
    EXPECT_FALSE(RunShared(OpAlignmentRead, working, view));
    EXPECT_EQ(view.results, (std::vector<int>{CommResult::CommunicationError}));
    EXPECT_NE(view.detail.find("written back"), std::string::npos) << view.detail;
    CloneImage expected = radio;
    AlignmentData::UpdateAllChecksums(expected);
    const CloneImage memory = sim.Memory();
    EXPECT_TRUE(SamePages(memory, expected, 0, 7));
    EXPECT_TRUE(SameWords(memory, expected, 20, 47));
    EXPECT_EQ(Word511(), 0x5AA5);
    EXPECT_FALSE(shared->IsOpen());
}

// Power lost at the n-th write frame of each operation: the radio is left
// marked incomplete, the operation reports it, and once the radio is back
// the same operation succeeds.
TEST_F(AlignmentLinkTest, PowerLossDuringEachWriteLeavesTheRadioMarkedIncomplete) {
    struct Case {
        const char* name;
        int operation;
        std::uint8_t command;
        int frame;
    };
    const Case cases[] = {
        {"read: EEPROM words", OpAlignmentRead, RadioFrame::EepromWriteCode, 3},
        {"read: channel pages", OpAlignmentRead, RadioFrame::FlashWriteCode, 2},
        {"write: pages", OpAlignmentWrite, RadioFrame::FlashWriteCode, 1},
        {"restore: table words", OpAlignmentRestore, RadioFrame::EepromWriteCode, 20},
        {"items: page 14", OpItemsWithPage14, RadioFrame::FlashWriteCode, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.ClearFaults();
        sim.LoadImage(radio);
        sim.PowerOn();
        shared->PortClose();
        CloneImage working;
        CloneImage backup = radio;
        if (c.operation != OpAlignmentRead) {
            RecordingView read;
            ASSERT_TRUE(RunShared(OpAlignmentRead, working, read));
            ASSERT_TRUE(AlignmentFiles::CHBaselineFileLoad(status, backup));
        }
        sim.SetFaults({Fault{FaultKind::Stall, c.frame, -1, c.command}});
        CloneImage& parameter =
            c.operation == OpAlignmentRead || c.operation == OpItemsWithPage14 ? working : backup;
        RecordingView failing;
        EXPECT_FALSE(RunShared(c.operation, parameter, failing));
        EXPECT_EQ(Word511(), 0xFFFF);
        ASSERT_FALSE(failing.results.empty());
        EXPECT_NE(failing.results.back(), 0);
        if (c.operation == OpAlignmentRead) {
            // It tried to put the radio's data back and names the backup that holds it.
            EXPECT_NE(failing.detail.find(status), std::string::npos) << failing.detail;
        }
        // The radio comes back: the same operation succeeds.
        sim.ClearFaults();
        sim.PowerOn();
        if (c.operation == OpItemsWithPage14) {
            shared->PortClose();
            RecordingView reread;
            ASSERT_TRUE(RunShared(OpAlignmentRead, working, reread));
        }
        RecordingView retry;
        EXPECT_TRUE(RunShared(c.operation, parameter, retry)) << "result " << result;
        EXPECT_EQ(Word511(), 0x5AA5);
    }
}

}  // namespace
