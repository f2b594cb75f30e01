// The result table, the state texts and the operation names.
#include <gtest/gtest.h>

#include "TestHost.h"
#include "serial/CommResult.h"

namespace {

// The 38 rows of the radio's results, then the download's own stop for a
// channel the radio cannot hold.
TEST(CommResult, TableHoldsThirtyNineRowsWithFiveBeforeFour) {
    ASSERT_EQ(std::size(CommResult::Table), 39u);
    EXPECT_EQ(CommResult::Table[38].id, CommResult::ChannelNotHeld);
    EXPECT_EQ(CommResult::Table[3].id, 5);
    EXPECT_EQ(CommResult::Table[4].id, 4);
}

TEST(CommResult, LookupsByResultId) {
    TestHost host;
    EXPECT_EQ(CommResult::MessageText(4), "Password is Mismatched!");
    EXPECT_EQ(CommResult::CaptionText(4), "Error");
    EXPECT_EQ(CommResult::Style(4), static_cast<int>(MsgStyle::Ok | MsgStyle::IconWarning));
    EXPECT_EQ(CommResult::MessageText(7), "Upload is Completed!");
    EXPECT_EQ(CommResult::CaptionText(7), "Pardex");
    EXPECT_EQ(CommResult::Style(9), static_cast<int>(MsgStyle::YesNo | MsgStyle::IconInformation));
    EXPECT_EQ(CommResult::CaptionText(15), "Radio Data Recovery");
    EXPECT_EQ(CommResult::Style(15), static_cast<int>(MsgStyle::OkCancel | MsgStyle::IconInformation));
    EXPECT_EQ(CommResult::CaptionText(36), "ADJ-Data Return to Default");
    EXPECT_EQ(CommResult::MessageText(36), "Backup Data is broken.\nTry to \"Radio Data Recovery\".");
    for (int missing : {0, -1, 40}) {
        EXPECT_EQ(CommResult::MessageText(missing), "");
        EXPECT_EQ(CommResult::CaptionText(missing), "");
        EXPECT_EQ(CommResult::Style(missing), -1);
    }
}

// A language file replaces texts by their string id.
class TranslatingHost : public TestHost {
  public:
    std::string Text(int rid, std::string_view builtin) const override {
        return rid == 32914 ? "Kommunikationsfehler" : std::string(builtin);
    }
};

TEST(CommResult, TextsGoThroughTheHostLookup) {
    TranslatingHost host;
    EXPECT_EQ(CommResult::MessageText(6), "Kommunikationsfehler");
    EXPECT_EQ(CommResult::MessageText(3), "Communication Error");
}

TEST(CommResult, StateTextsAndOperationNames) {
    TestHost host;
    EXPECT_EQ(CommResult::StateText(3), "Now, Uploading... Please Wait.");
    EXPECT_EQ(CommResult::StateText(7), "Switch Radio ON,\nthen start preparing for Alignment");
    EXPECT_EQ(CommResult::StateText(11), "Switch Radio ON, then start downloading.");
    EXPECT_EQ(CommResult::StateText(0), "");
    EXPECT_EQ(CommResult::StateText(6), "");
    EXPECT_EQ(CommResult::OperationName(CommResult::UploadName), "Upload");
    EXPECT_EQ(CommResult::OperationName(CommResult::DownloadName), "Download");
    EXPECT_EQ(CommResult::OperationName(9), "ADJ-Data Return To Default");
    EXPECT_EQ(CommResult::OperationName(5), "");
}

}  // namespace
