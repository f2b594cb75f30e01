// Upload against the simulated radio: what goes over the wire, in which
// order, and what lands in the caller's image.
#include "SimFixture.h"
#include "serial/CommResult.h"
#include "serial/RadioFrame.h"

namespace {

using Upload = RadioLinkTest;

struct ModeCase {
    int mode;
    std::vector<int> listWords;  // the words of the mode's list
};

TEST_F(Upload, TransfersExactlyTheRangesOfEachServiceMode) {
    const ModeCase cases[] = {
        {0, Words({{0, 415}, {511, 511}})},
        {1, Words({{0, 511}})},
        {2, Words({{0, 511}})},
    };
    const CloneImage radio = sim.Memory();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        host.serviceMode = c.mode;
        sim.PowerOn();  // a fresh connection each time
        sim.ClearLog();
        CloneImage image;
        RecordingView view;
        ASSERT_TRUE(RunOp(0, image, view));
        EXPECT_EQ(result, 0);
        // Word 0 after the handshake, words 0-5 for the identity, 0-23 for
        // the first read, then the mode's list.
        std::vector<int> words = Words({{0, 0}, {0, 5}, {0, 23}});
        words.insert(words.end(), c.listWords.begin(), c.listWords.end());
        EXPECT_EQ(Addresses(RadioFrame::EepromReadCode), words);
        // Page 8 to identify the model, page 8 for the password, all pages.
        std::vector<int> pages{8, 8};
        for (int p = 0; p < 16; ++p) pages.push_back(p);
        EXPECT_EQ(Addresses(RadioFrame::FlashReadCode), pages);
        EXPECT_TRUE(Addresses(RadioFrame::EndCode).empty()) << "a good read leaves the radio connected";

        // The image holds what was read; words outside the list keep the
        // caller's content (0xFF for a new image).
        for (int w = 0; w < 512; ++w) {
            const bool read = std::find(words.begin(), words.end(), w) != words.end();
            const std::uint8_t expected0 = read ? radio[2 * w] : 0xFF;
            ASSERT_EQ(image[2 * w], expected0) << "word " << w;
        }
        for (std::size_t i = CloneImage::HeaderSize; i < CloneImage::TrailerOffset; ++i)
            ASSERT_EQ(image[i], radio[i]) << i;
        EXPECT_EQ(image[CloneImage::TrailerOffset], 0xFF);  // the trailer is not the radio's
    }
}

TEST_F(Upload, ReportsProgressAndItsResultToTheView) {
    CloneImage image;
    RecordingView view;
    ASSERT_TRUE(RunOp(0, image, view));
    EXPECT_EQ(view.title, CommResult::UploadName);
    EXPECT_EQ(view.range, 76);
    EXPECT_EQ(view.steps, 75);
    EXPECT_TRUE(view.progressShown);
    EXPECT_TRUE(view.finished);
    EXPECT_FALSE(view.abandoned);
    EXPECT_EQ(view.results, std::vector<int>{CommResult::UploadCompleted});
    EXPECT_EQ(view.closes, 1);
    // Asked to switch on; the handshake clears it; then uploading.
    EXPECT_EQ(view.states, (std::vector<int>{10, 0, 3, 3}));
}

TEST_F(Upload, ARadioStillConnectedIsTakenWithoutHandshake) {
    CloneImage first, second;
    RecordingView view1, view2;
    ASSERT_TRUE(RunOp(0, first, view1));
    sim.ClearLog();
    ASSERT_TRUE(RunOp(0, second, view2));
    for (const auto& r : sim.Log()) EXPECT_NE(r.kind, RadioSim::Record::Kind::Handshake);
    EXPECT_EQ(view2.states, (std::vector<int>{3}));
    EXPECT_EQ(first, second);
}

TEST_F(Upload, UnknownRadioIsRefusedAndProgrammingEnded) {
    struct Case {
        const char* name;
        int mode;
        std::size_t offset;
        std::uint8_t value;
        bool accepted;
    };
    const Case cases[] = {
        {"unknown radio type", 0, 0x02, 0x99, false},
        {"variant 2 in normal mode", 0, 0x03, 0x02, false},
        {"variant 2 in service mode 1", 1, 0x03, 0x02, true},
        {"unknown type in service mode 2", 2, 0x02, 0x99, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        host.serviceMode = c.mode;
        CloneImage radio = RadioSim::MakeRadioImage(0);
        radio[c.offset] = c.value;
        sim.LoadImage(radio);
        sim.PowerOn();
        sim.ClearLog();
        CloneImage image;
        const CloneImage before = image;
        RecordingView view;
        EXPECT_EQ(RunOp(0, image, view), c.accepted);
        if (c.accepted) continue;
        EXPECT_EQ(result, CommResult::ProductTypeError);
        EXPECT_EQ(view.results, std::vector<int>{CommResult::ProductTypeError});
        EXPECT_EQ(image, before);
        EXPECT_EQ(Commands().back(), RadioFrame::EndCode);
        EXPECT_TRUE(Addresses(RadioFrame::FlashReadCode).size() == 1u);  // only the model probe
    }
}

struct PasswordCase {
    const char* name;
    int documentFlag;
    std::array<int, 6> documentDigits;
    std::deque<std::string> answers;
    bool ok;
    int result;
    int prompts;
};

TEST_F(Upload, PasswordPaths) {
    const std::array<int, 6> radioDigits{1, 2, 0xA, 0xB, 3, 0xC};
    const PasswordCase cases[] = {
        {"document holds the radio's digits", 0, radioDigits, {}, true, 0, 0},
        {"document digits differ", 0, {1, 2, 0xA, 0xB, 3, 0xD}, {"12AB3C"}, true, 0, 1},
        {"document has no password", 1, radioDigits, {"12AB3C"}, true, 0, 1},
        {"answered in lower case", 1, {}, {"12ab3c"}, true, 0, 1},
        {"second answer right", 1, {}, {"000000", "12AB3C"}, true, 0, 2},
        {"three mismatches", 1, {}, {"000000", "12AB3", "12AB3D"}, false, CommResult::PasswordMismatch, 3},
        {"prompt cancelled", 1, {}, {"<cancel>"}, false, 0, 1},
        {"cancelled after a mismatch", 1, {}, {"000000", "<cancel>"}, false, 0, 2},
    };
    sim.SetRadioPassword("12AB3C");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.PowerOn();
        sim.ClearLog();
        CloneImage image;
        RecordingView view;
        view.passwords = c.answers;
        const bool ok = RunOp(0, image, view, [&](PXCommunicationEvent& runner) {
            runner.SetDocumentPassword({c.documentFlag, c.documentDigits});
        });
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(view.prompts, c.prompts);
        EXPECT_EQ(view.results, std::vector<int>{c.ok ? CommResult::UploadCompleted : c.result});
        if (!c.ok) {
            EXPECT_EQ(Commands().back(), RadioFrame::EndCode);
            EXPECT_EQ(image, CloneImage{});
        }
    }
}

TEST_F(Upload, RadioWithoutPasswordIsReadWithoutPrompt) {
    CloneImage image;
    RecordingView view;
    view.passwords = {"000000"};
    ASSERT_TRUE(RunOp(0, image, view));
    EXPECT_EQ(view.prompts, 0);
}

TEST(DocumentPassword, TakenFromTheImage) {
    CloneImage image;
    EXPECT_EQ(PXCommunicationEvent::DocumentPasswordOf(image).flag, 1);
    image[CloneImage::BlockOffset(8, 0x1D0)] = 0xFB;  // bit 2 clear: a password is set
    image[CloneImage::BlockOffset(8, 0x1D1)] = 0x12;
    image[CloneImage::BlockOffset(8, 0x1D2)] = 0xAB;
    image[CloneImage::BlockOffset(8, 0x1D3)] = 0x3C;
    const auto password = PXCommunicationEvent::DocumentPasswordOf(image);
    EXPECT_EQ(password.flag, 0);
    EXPECT_EQ(password.digits, (std::array<int, 6>{1, 2, 0xA, 0xB, 3, 0xC}));
}

}  // namespace
