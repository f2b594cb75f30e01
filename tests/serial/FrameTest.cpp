// Frame layout, checksums and the transfer lists of the operations.
#include <gtest/gtest.h>

#include "serial/RadioFrame.h"
#include "serial/TransferList.h"

namespace {

using TransferList::Range;

TEST(RadioFrame, ChecksumsOfTheFixedFrames) {
    EXPECT_EQ(RadioFrame::Build(0x31, {}), (std::vector<std::uint8_t>{0x31, 0x00, 0x01, 0x32}));
    EXPECT_EQ(RadioFrame::Build(0x38, {}), (std::vector<std::uint8_t>{0x38, 0x00, 0x01, 0x39}));
    EXPECT_EQ(RadioFrame::Build(0x3D, {0x01}), (std::vector<std::uint8_t>{0x3D, 0x00, 0x02, 0x01, 0x40}));
    // The sum keeps its low 8 bits only.
    EXPECT_EQ(RadioFrame::Build(0xF0, {0x01, 0xFF, 0x00, 0x00}).back(), 0xF5);
}

TEST(RadioFrame, PageWriteFrameLayout) {
    std::vector<std::uint8_t> payload(2 + 1024, 0x01);
    payload[0] = 0x00;
    payload[1] = 0x0F;
    const auto frame = RadioFrame::Build(0xF7, payload.data(), payload.size());
    ASSERT_EQ(frame.size(), 1030u);
    EXPECT_EQ(frame[1], 0x04);
    EXPECT_EQ(frame[2], 0x03);
    EXPECT_EQ(frame[4], 0x0F);
    EXPECT_EQ(frame.back(), static_cast<std::uint8_t>(0xF7 + 0x04 + 0x03 + 0x0F + 1024));
}

TEST(RadioFrame, ReplyNeedsItsCodeAndChecksumOnly) {
    auto reply = RadioFrame::Build(0xF0, {0x12, 0x34});
    EXPECT_TRUE(RadioFrame::IsValidReply(reply.data(), reply.size(), 0xF0));
    EXPECT_FALSE(RadioFrame::IsValidReply(reply.data(), reply.size(), 0xF1));
    reply[1] = 0x55;  // length bytes are not examined...
    reply.back() = RadioFrame::Checksum(reply.data(), reply.size() - 1);
    EXPECT_TRUE(RadioFrame::IsValidReply(reply.data(), reply.size(), 0xF0));
    reply.back() ^= 0x01;  // ...but a wrong last byte is
    EXPECT_FALSE(RadioFrame::IsValidReply(reply.data(), reply.size(), 0xF0));
}

// Expands 16-word entries back into ranges to compare with the stated lists.
std::vector<Range> Merge(const std::vector<Range>& entries) {
    std::vector<Range> out;
    for (const auto& e : entries) {
        EXPECT_LE(e.last - e.first + 1, TransferList::MaxWordsPerEntry);
        if (!out.empty() && out.back().last + 1 == e.first)
            out.back().last = e.last;
        else
            out.push_back(e);
    }
    return out;
}

struct ListCase {
    const char* name;
    TransferList::Lists lists;
    std::vector<Range> words;
    std::vector<Range> pages;
};

TEST(TransferList, StatedRangesPerOperationAndMode) {
    const ListCase cases[] = {
        {"upload normal", TransferList::UploadLists(0), {{0, 415}, {511, 511}}, {{0, 7}, {8, 15}}},
        {"upload mode 1", TransferList::UploadLists(1), {{0, 511}}, {{0, 15}}},
        {"upload mode 2", TransferList::UploadLists(2), {{0, 511}}, {{0, 15}}},
        {"pre-read normal",
         TransferList::DownloadPreReadLists(0),
         {{0, 19}, {24, 47}, {88, 95}, {276, 415}},
         {{8, 9}, {11, 11}, {14, 15}}},
        {"pre-read mode 1",
         TransferList::DownloadPreReadLists(1),
         {{0, 47}, {88, 95}, {276, 415}},
         {{8, 9}, {11, 11}, {14, 15}}},
        {"pre-read mode 2",
         TransferList::DownloadPreReadLists(2),
         {{0, 11}, {24, 47}, {288, 415}},
         {{8, 9}, {14, 15}}},
        {"write normal",
         TransferList::DownloadWriteLists(0, false),
         {{0, 2}, {20, 23}, {88, 275}},
         {{0, 15}}},
        {"write mode 1",
         TransferList::DownloadWriteLists(1, false),
         {{3, 8}, {20, 23}, {88, 275}},
         {{0, 15}}},
        {"write mode 2",
         TransferList::DownloadWriteLists(2, false),
         {{0, 5}, {12, 23}, {88, 287}},
         {{0, 15}}},
        {"write normal unattended",
         TransferList::DownloadWriteLists(0, true),
         {{0, 2}, {20, 47}, {88, 275}, {288, 415}},
         {{0, 15}}},
        {"upload unknown mode reads as normal",
         TransferList::UploadLists(7),
         {{0, 415}, {511, 511}},
         {{0, 7}, {8, 15}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Merge(c.lists.words), c.words);
        EXPECT_EQ(c.lists.pages, c.pages);
    }
}

TEST(TransferList, WordRangesSplitIntoEntriesOfSixteenFromTheFirstWord) {
    EXPECT_EQ(TransferList::SplitWords({{0, 19}, {24, 24}}),
              (std::vector<Range>{{0, 15}, {16, 19}, {24, 24}}));
}

TEST(TransferList, UploadInNormalModeCountsSeventySixUnits) {
    const auto lists = TransferList::UploadLists(0);
    EXPECT_EQ(lists.words.size(), 27u);
    EXPECT_EQ(lists.Units() + 1, 76);
}

}  // namespace
