// Download against the simulated radio: identity checks, what is read back
// first, what is written and in which order, and the completion marker.
#include "SimFixture.h"
#include "serial/AlignmentBlock.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"
#include "serial/TransferList.h"

namespace {

class Download : public RadioLinkTest {
protected:
    // The user's image: the same radio model with other settings.
    static CloneImage UserImage() {
        CloneImage image = RadioSim::MakeRadioImage(0);
        for (std::size_t i = 0; i < CloneImage::TrailerOffset; ++i)
            if (i % 5 == 0) image[i] = static_cast<std::uint8_t>(image[i] ^ 0x5A);
        // Keep the identifying items equal to the radio's.
        const CloneImage radio = RadioSim::MakeRadioImage(0);
        for (std::size_t i : {std::size_t{2}, std::size_t{3}, CloneImage::BlockOffset(8, 2),
                              CloneImage::BlockOffset(8, 0x0C), CloneImage::BlockOffset(8, 0x0D),
                              CloneImage::BlockOffset(8, 0x0E), CloneImage::BlockOffset(8, 0x0F),
                              CloneImage::BlockOffset(8, 0x1D0)})
            image[i] = radio[i];
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

        // The caller's image is now the image sent: the user's settings with
        // the radio's own areas; the radio holds it.
        const CloneImage radio = sim.Memory();
        for (int w : preWords) {
            if (w == static_cast<int>(AlignmentBlock::Copies[0] / 2)) continue;  // checksum refreshed
            ASSERT_EQ(image[2 * w], radioBefore[2 * w]) << "pre-read word " << w;
            ASSERT_EQ(image[2 * w + 1], radioBefore[2 * w + 1]) << "pre-read word " << w;
        }
        for (int w : listWords) {
            ASSERT_EQ(radio[2 * w], image[2 * w]) << "written word " << w;
            ASSERT_EQ(radio[2 * w + 1], image[2 * w + 1]) << "written word " << w;
        }
        for (std::size_t i = CloneImage::HeaderSize; i < CloneImage::TrailerOffset; ++i)
            ASSERT_EQ(radio[i], image[i]) << i;
        // Channel pages are never read back: they stay the user's.
        for (std::size_t i = CloneImage::BlockOffset(0); i < CloneImage::BlockOffset(8); ++i)
            ASSERT_EQ(image[i], user[i]) << i;
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
        runner.SetDownloadPreparation(
            {[&](CloneImage& toSend, const CloneImage& userImage) {
                 EXPECT_EQ(userImage, user);
                 // The radio's page 14 is in the image to send already.
                 sawRadioAreas = toSend[CloneImage::BlockOffset(14, 1)] ==
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
        const bool ok = RunOp(1, image, view, [](PXCommunicationEvent& runner) { runner.SetRecoveryUnderway(true); });
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
