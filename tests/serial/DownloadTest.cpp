// Download against the simulated radio: identity checks, what is read back
// first, what is written and in which order, and the completion marker.
#include <algorithm>

#include "SimFixture.h"
#include "image/Frequency.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/RadioImagePrep.h"
#include "serial/AlignmentBlock.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"
#include "serial/TransferList.h"

namespace {

// Local offset, first IF, reference crystal and the eight dividers.
constexpr std::size_t kSynthesiserFirst = 0x2468, kSynthesiserLast = 0x249C;

class Download : public RadioLinkTest {
  protected:
    // The user's image: the same radio model with other settings.
    static CloneImage UserImage() {
        CloneImage image = RadioSim::MakeRadioImage(0);
        for (std::size_t i = 0; i < CloneImage::TrailerOffset; ++i)
            if (i % 5 == 0) image[i] = static_cast<std::uint8_t>(image[i] ^ 0x5A);
        // Keep the identifying items equal to the radio's, and its
        // synthesiser, so that every channel reaches the radio unchanged.
        const CloneImage radio = RadioSim::MakeRadioImage(0);
        for (std::size_t i :
             {std::size_t{2}, std::size_t{3}, CloneImage::BlockOffset(8, 2), CloneImage::BlockOffset(8, 0x0C),
              CloneImage::BlockOffset(8, 0x0D), CloneImage::BlockOffset(8, 0x0E),
              CloneImage::BlockOffset(8, 0x0F), CloneImage::BlockOffset(8, 0x1D0)})
            image[i] = radio[i];
        for (std::size_t i = kSynthesiserFirst; i <= kSynthesiserLast; ++i) image[i] = radio[i];
        return image;
    }

    std::vector<RadioSim::Record> Writes() const {
        std::vector<RadioSim::Record> out;
        for (const auto& r : sim.Log())
            if (r.command == RadioFrame::EepromWriteCode) out.push_back(r);
        return out;
    }
};

std::vector<int> ListWords(const TransferList::Lists& lists) {
    std::vector<int> out;
    for (const auto& e : lists.words)
        for (int w = e.first; w <= e.last; ++w) out.push_back(w);
    return out;
}

std::vector<int> ListPages(const TransferList::Lists& lists) {
    std::vector<int> out;
    for (const auto& e : lists.pages)
        for (int p = e.first; p <= e.last; ++p) out.push_back(p);
    return out;
}

// What a write sends, worked out without the link: the user's image with the
// radio's pre-read areas, then the image library's preparation, the fresh
// alignment checksums and the adjustment recalculation.
CloneImage PreparedImage(const CloneImage& user, const CloneImage& radio, const TransferList::Lists& pre) {
    CloneImage image = user;
    for (int w : ListWords(pre)) {
        image[2 * w] = radio[2 * w];
        image[2 * w + 1] = radio[2 * w + 1];
    }
    for (int p : ListPages(pre))
        std::copy_n(radio.data() + CloneImage::BlockOffset(p), CloneImage::BlockSize,
                    image.data() + CloneImage::BlockOffset(p));
    CloneImageOps::PrepareForWriting(image, user);
    if (Host().AppMode() == 4) CloneImageOps::CopySerialNumberItems(image, user);
    AlignmentBlock::RefreshChecksums(image);
    CalcPLLFrequency::RecalcAllAdjustments(image);
    return image;
}

TEST_F(Download, WritesBetweenTheCompletionMarkersInEachServiceMode) {
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        host.serviceMode = mode;
        const CloneImage radioBefore = RadioSim::MakeRadioImage(0);
        sim.LoadImage(radioBefore);
        sim.PowerOn();
        sim.ClearLog();
        CloneImage image = UserImage();
        const CloneImage user = image;
        RecordingView view;
        ASSERT_TRUE(RunOp(1, image, view));
        EXPECT_EQ(result, 0);
        EXPECT_EQ(view.results, std::vector<int>{CommResult::DownloadCompleted});

        const auto pre = TransferList::DownloadPreReadLists(mode);
        const auto write = TransferList::DownloadWriteLists(mode, false);
        // Reads: word 0 after the handshake, words 0-19 for the identity,
        // then the radio's own areas.
        std::vector<int> reads = Words({{0, 0}, {0, 19}});
        const auto preWords = ListWords(pre);
        reads.insert(reads.end(), preWords.begin(), preWords.end());
        EXPECT_EQ(Addresses(RadioFrame::EepromReadCode), reads);
        std::vector<int> pageReads{8, 8};
        const auto prePages = ListPages(pre);
        pageReads.insert(pageReads.end(), prePages.begin(), prePages.end());
        EXPECT_EQ(Addresses(RadioFrame::FlashReadCode), pageReads);

        // Writes: marker FF FF first, the lists, marker 5A A5 last, then end.
        const auto writes = Writes();
        ASSERT_GE(writes.size(), 2u);
        EXPECT_EQ(writes.front().address, 511);
        EXPECT_EQ(writes.front().data, (std::vector<std::uint8_t>{0xFF, 0xFF}));
        EXPECT_EQ(writes.back().address, 511);
        EXPECT_EQ(writes.back().data, (std::vector<std::uint8_t>{0x5A, 0xA5}));
        std::vector<int> written = {511};
        const auto listWords = ListWords(write);
        written.insert(written.end(), listWords.begin(), listWords.end());
        written.push_back(511);
        EXPECT_EQ(Addresses(RadioFrame::EepromWriteCode), written);
        EXPECT_EQ(Addresses(RadioFrame::FlashWriteCode), Words({{0, 15}}));
        EXPECT_EQ(Commands().back(), RadioFrame::EndCode);

        // The caller's image is now the image sent: the user's image with the
        // radio's own areas read into it, prepared for writing; the radio
        // holds it.
        const CloneImage expected = PreparedImage(user, radioBefore, pre);
        EXPECT_EQ(image, expected);
        const CloneImage radio = sim.Memory();
        for (int w : listWords) {
            ASSERT_EQ(radio[2 * w], expected[2 * w]) << "written word " << w;
            ASSERT_EQ(radio[2 * w + 1], expected[2 * w + 1]) << "written word " << w;
        }
        for (std::size_t i = CloneImage::HeaderSize; i < CloneImage::TrailerOffset; ++i)
            ASSERT_EQ(radio[i], expected[i]) << i;
        EXPECT_EQ(radio[2 * 511], 0x5A);
        EXPECT_EQ(radio[2 * 511 + 1], 0xA5);
    }
}

TEST_F(Download, ThePreparationShapesWhatIsWritten) {
    CloneImage image = UserImage();
    const CloneImage user = image;
    RecordingView view;
    bool sawRadioAreas = false;
    const std::size_t stamp = CloneImage::BlockOffset(3, 0x10);
    ASSERT_TRUE(RunOp(1, image, view, [&](PXCommunicationEvent& runner) {
        runner.SetDownloadPreparation({[&](CloneImage& toSend, const CloneImage& userImage, const OperationModes&) {
                                           EXPECT_EQ(userImage, user);
                                           // The radio's page 14 is in the image to send already.
                                           sawRadioAreas =
                                               toSend[CloneImage::BlockOffset(14, 1)] ==
                                               RadioSim::MakeRadioImage(0)[CloneImage::BlockOffset(14, 1)];
                                           toSend[stamp] = 0x42;
                                       },
                                       [&](CloneImage& toSend) { toSend[stamp + 1] = 0x43; }});
    }));
    EXPECT_TRUE(sawRadioAreas);
    EXPECT_EQ(image[stamp], 0x42);
    EXPECT_EQ(sim.Memory()[stamp], 0x42);
    EXPECT_EQ(sim.Memory()[stamp + 1], 0x43);
    // The alignment blocks go out with fresh checksums.
    for (std::size_t copy : AlignmentBlock::Copies) {
        const std::uint16_t sum = AlignmentBlock::Checksum(image, copy);
        EXPECT_EQ(image[copy], sum & 0xFF);
        EXPECT_EQ(image[copy + 1], sum >> 8);
    }
}

// Without a preparation of its own a runner prepares the image the way the
// program does: the radio receives today's date and the program's version,
// and keeps its own serial number except in the unattended ship mode, where
// the data file's serial number is programmed.
TEST_F(Download, TheRadioReceivesTheStandardPreparation) {
    const std::size_t code = CloneImage::BlockOffset(8, 0x10C);
    for (int appMode : {0, 4}) {
        SCOPED_TRACE(appMode);
        host.appMode = appMode;
        CloneImage radio = RadioSim::MakeRadioImage(0);
        radio[code] = 0x02;
        radio[code + 1] = 0x05;
        ItemMap::SetSerialNumber3(radio, 0x11);
        ItemMap::SetSerialNumber4(radio, 0x2222);
        sim.LoadImage(radio);
        sim.PowerOn();
        CloneImage image = UserImage();
        image[code] = 0x02;
        image[code + 1] = 0x05;
        ItemMap::SetSerialNumber3(image, 0x77);
        ItemMap::SetSerialNumber4(image, 0x8888);
        const CloneImage user = image;
        RecordingView view;
        ASSERT_TRUE(RunOp(1, image, view));
        const CloneImage memory = sim.Memory();
        EXPECT_EQ(ItemMap::GetHeaderProductionDate(memory),
                  appMode == 4 ? ItemMap::GetHeaderProductionDate(user) : 0x261210u);
        EXPECT_EQ(ItemMap::GetProgramVersionMajor(memory),
                  appMode == 4 ? ItemMap::GetProgramVersionMajor(user) : 1u);
        EXPECT_EQ(ItemMap::GetSerialNumber3(memory), appMode == 4 ? 0x77u : 0x11u);
        EXPECT_EQ(ItemMap::GetSerialNumber4(memory), appMode == 4 ? 0x8888u : 0x2222u);
        EXPECT_EQ(memory[2 * 511], 0x5A);
    }
}

TEST_F(Download, CancelIsHiddenOnceWritingBegins) {
    CloneImage image = UserImage();
    RecordingView view;
    ASSERT_TRUE(RunOp(1, image, view));
    EXPECT_EQ(view.cancelShown, std::vector<bool>{false});
    EXPECT_EQ(view.title, CommResult::DownloadName);
    EXPECT_EQ(view.range, TransferList::DownloadWriteLists(0, false).Units() + 1);
}

struct IdentityCase {
    const char* name;
    int mode;
    std::size_t offset;
    std::uint8_t value;
    int result;  // 0: accepted
};

TEST_F(Download, IdentityChecksRefuseBeforeWritingAndStillEndProgramming) {
    const std::size_t page8 = CloneImage::BlockOffset(8);
    const IdentityCase cases[] = {
        {"radio type without model", 0, 0x02, 0x99, CommResult::ProductMismatch1},
        {"variant above 1", 0, 0x03, 0x02, CommResult::ProductMismatch2},
        {"other band type", 0, page8 + 2, 0x60, CommResult::BandMismatch},
        {"other frequency type", 0, page8 + 2, 0x83, CommResult::BandMismatch},
        {"radio minimum above the image's", 0, page8 + 0x0D, 0x11, CommResult::RangeMismatch},
        {"radio maximum below the image's", 0, page8 + 0x0F, 0x1F, CommResult::RangeMismatch},
        {"service mode 1 ignores the variant", 1, 0x03, 0x02, 0},
        {"service mode 1 ignores the band", 1, page8 + 2, 0x60, 0},
        {"service mode 2 ignores the radio type", 2, 0x02, 0x99, 0},
        {"service mode 1 still needs a model", 1, 0x02, 0x99, CommResult::ProductMismatch1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.serviceMode = c.mode;
        CloneImage radio = RadioSim::MakeRadioImage(0);
        radio[c.offset] = c.value;
        sim.LoadImage(radio);
        sim.PowerOn();
        sim.ClearLog();
        CloneImage image = UserImage();
        const CloneImage before = image;
        RecordingView view;
        EXPECT_EQ(RunOp(1, image, view), c.result == 0);
        EXPECT_EQ(result, c.result);
        if (c.result == 0) continue;
        EXPECT_EQ(view.results, std::vector<int>{c.result});
        EXPECT_TRUE(Writes().empty());
        EXPECT_TRUE(Addresses(RadioFrame::FlashWriteCode).empty());
        EXPECT_EQ(Commands().back(), RadioFrame::EndCode);
        EXPECT_EQ(sim.Memory(), radio);
        EXPECT_EQ(image, before);
    }
}

// A channel that the radio's synthesiser cannot hold (its reference divider
// is 0 in this radio) would reach the radio as another frequency: the
// Download stops before writing anything and names the channel; the same
// radio with every channel holdable takes the write.
TEST_F(Download, AChannelTheRadioCannotHoldStopsItBeforeWriting) {
    CloneImage radio = RadioSim::MakeRadioImage(0);
    ItemMap::SetSingle(ItemMap::HardwareItems[86 + 2], radio, 0);  // PLL REF 2: no divider
    for (bool holdable : {false, true}) {
        SCOPED_TRACE(holdable);
        sim.LoadImage(radio);
        sim.PowerOn();
        sim.ClearLog();
        CloneImage image = UserImage();
        // Only channel 12 in use, on PLL REF 2 (or 1, which this radio has).
        std::fill_n(image.data() + ItemMap::InUseBitmapOffset, ItemMap::ChannelCount / 8, 0xFF);
        image[ItemMap::InUseBitmapOffset + 1] &= static_cast<std::uint8_t>(~(0x80 >> 3));
        ASSERT_EQ(ItemMap::ReadBit(image, 11), 0);
        const std::uint32_t pllRef = holdable ? 1 : 2;
        ItemMap::SetChannelRxPllRefType(image, 11, pllRef);
        ItemMap::SetChannelTxPllRefType(image, 11, pllRef);
        ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionRx, 11,
                                                             CalcPLLFrequency::ReadReference(image), 451.5));
        ASSERT_TRUE(CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, 11,
                                                             CalcPLLFrequency::ReadReference(image), 456.5));
        const CloneImage before = image;
        RecordingView view;
        EXPECT_EQ(RunOp(1, image, view), holdable);
        if (holdable) {
            EXPECT_NEAR(CalcPLLFrequency::RxFrequency(sim.Memory(), 11), 451.5, 0.0001);
            continue;
        }
        EXPECT_EQ(result, CommResult::ChannelNotHeld);
        EXPECT_EQ(view.detail, "CH No. 12: RX 451.50000 MHz");
        EXPECT_TRUE(Writes().empty());
        EXPECT_TRUE(Addresses(RadioFrame::FlashWriteCode).empty());
        EXPECT_EQ(Commands().back(), RadioFrame::EndCode);
        EXPECT_EQ(sim.Memory(), radio);
        EXPECT_EQ(image, before);
    }
}

// Sets the identifying items of a variant row on page 8.
void SetVariant(CloneImage& image, int keypad, int display) {
    const std::size_t page8 = CloneImage::BlockOffset(8);
    image[page8 + 0] = static_cast<std::uint8_t>((image[page8] & ~0x30) | 0x20);  // product type 2
    image[page8 + 1] &= 0xF0;
    image[page8 + 2] = 0x80;
    image[page8 + 6] = static_cast<std::uint8_t>((image[page8 + 6] & 0xF0) | keypad);
    image[page8 + 7] = static_cast<std::uint8_t>((image[page8 + 7] & 0xF0) | display);
}

TEST_F(Download, RecoveryAsksWhenTheRadioIsAnotherVariant) {
    host.serviceMode = 1;
    CloneImage radio = RadioSim::MakeRadioImage(0);
    SetVariant(radio, 1, 2);
    for (int answer : {MsgAnswer::Cancel, MsgAnswer::Ok}) {
        SCOPED_TRACE(answer);
        sim.LoadImage(radio);
        sim.PowerOn();
        sim.ClearLog();
        CloneImage image = UserImage();
        SetVariant(image, 0, 0);
        RecordingView view;
        view.messageAnswer = answer;
        const bool ok =
            RunOp(1, image, view, [](PXCommunicationEvent& runner) { runner.SetRecoveryUnderway(true); });
        EXPECT_EQ(view.messages, std::vector<int>{33007});
        EXPECT_EQ(ok, answer == MsgAnswer::Ok);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Writes().empty(), answer != MsgAnswer::Ok);
    }
}

TEST_F(Download, ShipModeNeedsAMatchingProductCode) {
    host.appMode = 4;
    const std::size_t code = CloneImage::BlockOffset(8, 0x10C);
    struct Case {
        std::uint8_t radioLow, imageLow;
        bool ok;
    };
    for (const Case& c : {Case{0x05, 0x05, true}, Case{0x05, 0x06, false}, Case{0x09, 0x09, false}}) {
        CloneImage radio = RadioSim::MakeRadioImage(0);
        radio[code] = 0x02;
        radio[code + 1] = c.radioLow;
        sim.LoadImage(radio);
        sim.PowerOn();
        CloneImage image = UserImage();
        image[code] = 0x02;
        image[code + 1] = c.imageLow;
        RecordingView view;
        EXPECT_EQ(RunOp(1, image, view), c.ok);
        EXPECT_EQ(result, c.ok ? 0 : CommResult::ProductTypeError);
    }
}

}  // namespace
