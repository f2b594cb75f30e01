// The channel table of the printout.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "ChannelGridFixture.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelGridEditRules.h"
#include "channel/ChannelGridPrint.h"
#include "image/ItemsChannel.h"
#include "image/ItemsSystem.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/HtmlDocument.h"
#include "ui/MainItems.h"

using namespace ChannelGridPrint;
namespace Col = ChannelGridCells::Col;
using ChannelGridFixture::CopyFirstChannel;
using ChannelGridFixture::LoadDefault;

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

ColumnFlags AllShown(const CloneImage& image) {
    std::array<bool, 29> flags;
    flags.fill(true);
    return PrintedColumns(image, flags);
}

// The <td> texts of a row.
std::vector<std::string> Cells(const std::string& row) {
    std::vector<std::string> cells;
    for (std::size_t at = row.find("<td>"); at != std::string::npos; at = row.find("<td>", at + 1)) {
        const std::size_t end = row.find("</td>", at);
        cells.push_back(row.substr(at + 4, end - at - 4));
    }
    return cells;
}

}  // namespace

TEST(ChannelGridPrint, HeaderRowsMergeEqualTexts) {
    TestHost host;
    const CloneImage image = LoadDefault();
    const std::string header = HeaderHtml(AllShown(image));
    EXPECT_EQ(Count(header, "<tr>"), 2);
    EXPECT_NE(header.find("<th colspan=\"2\">Frequency</th>\n"), std::string::npos);
    EXPECT_NE(header.find("<th>RX</th>\n<th>TX</th>\n"), std::string::npos);
    EXPECT_NE(header.find("<th rowspan=\"2\">TAG</th>\n"), std::string::npos);
    EXPECT_NE(header.find("<th rowspan=\"2\">CH <BR>No.</th>\n"), std::string::npos);
    EXPECT_NE(header.find("<th colspan=\"2\">Clock Shift</th>\n"), std::string::npos);
    EXPECT_EQ(Count(header, "TAG"), 1);
    // 29 columns: 15 span both rows, 7 pairs share their top cell.
    EXPECT_EQ(Count(header, "<th"), 15 + 7 + 14);
}

// The printed header is the grid's header in the language in force, with
// its print texts; equal translated texts still merge.
TEST(ChannelGridPrint, HeaderFollowsTheLanguagesPrintTexts) {
    TestHost host;
    TempDir dir;
    SetProfilePath(dir.path() / "settings.xml");
    const auto file = dir.path() / "de.xml";
    std::ofstream(file) << R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="de">
  <Dialog134>
    <RID_31341063><base>TAG</base><string>Name</string><print>Name (Druck)</print></RID_31341063>
    <RID_41341063><base>Frequency</base><string>Frequenz</string></RID_41341063>
    <RID_51341063><base>Frequency</base><string>Frequenz</string></RID_51341063>
    <RID_51341063><base>TX</base><string>Senden</string></RID_51341063>
  </Dialog134>
</Language>
)";
    ASSERT_TRUE(Lang::LoadLanguage(file));
    const CloneImage image = LoadDefault();
    std::string header;
    {
        ScopedPrintTextMode printing;
        header = HeaderHtml(AllShown(image));
    }
    EXPECT_NE(header.find("<th rowspan=\"2\">Name (Druck)</th>\n"), std::string::npos) << header;
    EXPECT_NE(header.find("<th colspan=\"2\">Frequenz</th>\n"), std::string::npos);
    EXPECT_NE(header.find("<th>RX</th>\n<th>Senden</th>\n"), std::string::npos);
    // On the screen the grid shows the screen text.
    EXPECT_EQ(ChannelGridCells::HeaderText(0, 3), "Name");
    EXPECT_EQ(ChannelGridCells::HeaderText(1, 5), "Senden");
    Lang::LoadLanguage({});
    EXPECT_EQ(ChannelGridCells::HeaderText(0, 3), "TAG");
    SetProfilePath({});
}

TEST(ChannelGridPrint, HiddenColumnsAreLeftOut) {
    TestHost host;
    const CloneImage zt610 = LoadDefault("default610v.PDX");  // band selection 0
    std::array<bool, 29> shown;
    shown.fill(true);
    shown[Col::Vox] = false;  // hidden by the user's choice
    const ColumnFlags printed = PrintedColumns(zt610, shown);
    for (int c : {Col::Vox, Col::Encryption, Col::TxHpf, Col::RxHpf, Col::TxSpl, Col::RxLpf})
        EXPECT_FALSE(printed[c]) << c;
    EXPECT_TRUE(printed[Col::Tag]) << "state 5 prints";
    const std::string header = HeaderHtml(printed);
    EXPECT_EQ(header.find("Encr"), std::string::npos);
    EXPECT_EQ(header.find("VOX"), std::string::npos);
    EXPECT_EQ(header.find("HPF"), std::string::npos);
    EXPECT_EQ(Cells(RowHtml(zt610, 0, printed)).size(), 29u - 6u);
}

TEST(ChannelGridPrint, EveryChannelInUseOfTheImagePrints) {
    TestHost host;
    CloneImage image = LoadDefault();
    // Group 1: channels 1-11 in use, 5 unused; group 3 has two more.
    std::vector<int> used;
    for (int ch = 1; ch <= 10; ++ch) used.push_back(ch);
    used.push_back(33);
    used.push_back(40);
    CopyFirstChannel(image, used);
    EXPECT_EQ(PrintedChannels(image).size(), 13u);
    Printout printout(image, AllShown(image), ChannelGridCells::Caption);
    std::string out;
    EXPECT_FALSE(printout.GetHtml(out, true));
    EXPECT_EQ(Count(out, "<td>"), 13 * 29);
    EXPECT_EQ(
        out.find(
            "<table width=\"100%\"><colgroup span=\"1\"></colgroup>\n<tr><th colspan=\"1\">[CH DATA]</th>\n"),
        0u);
    EXPECT_NE(out.find("<tr><td>41</td>\n"), std::string::npos);
    EXPECT_EQ(out.find("<tr><td>12</td>\n"), std::string::npos);
}

TEST(ChannelGridPrint, FiftyTwoRowsAPage) {
    TestHost host;
    CloneImage image = LoadDefault();
    std::vector<int> used;
    for (int ch = 1; ch < 60; ++ch) used.push_back(ch);
    CopyFirstChannel(image, used);
    Printout printout(image, AllShown(image), ChannelGridCells::Caption);
    std::string first, second;
    EXPECT_TRUE(printout.GetHtml(first, true));
    EXPECT_FALSE(printout.GetHtml(second, false));
    EXPECT_EQ(Count(first, "<td>") / 29, 52);
    EXPECT_EQ(Count(second, "<td>") / 29, 8);
    EXPECT_EQ(second.find("[CH DATA]"), std::string::npos);
    EXPECT_EQ(Count(second, "<tr>"), 2 + 8);
    EXPECT_EQ(printout.PagesDone(), 2);
}

TEST(ChannelGridPrint, CellTextsAreEscapedAndChecksPrintAsMarks) {
    TestHost host;
    CloneImage image = LoadDefault();
    CopyFirstChannel(image, {1});
    ChannelGridEdit::ParseCellText(image, 1, Col::Tag, "<A>");
    ChannelGridEdit::ParseCellText(image, 1, Col::RxPowerSave, " ");
    ItemMap::SetChannelTotTimer(image, 1, 30);  // no row: empty
    ItemMap::SetChannelAniType(image, 1, 1);
    ItemMap::SetChannelOlta(image, 1, 2);
    ItemMap::SetChannelSignalingType(image, 1, 2);
    const CloneImage before = image;
    const auto cells = Cells(RowHtml(image, 1, AllShown(image)));
    ASSERT_EQ(cells.size(), 29u);
    EXPECT_EQ(cells[Col::Tag], "&lt;A&gt;     ");
    EXPECT_EQ(cells[Col::RxPowerSave], "v");
    EXPECT_EQ(cells[Col::TxPowerSave], "-");
    EXPECT_EQ(cells[Col::Scan], "v");
    EXPECT_EQ(cells[Col::Ani], "v");
    EXPECT_EQ(cells[Col::TimeOutTimer], "&nbsp;");
    EXPECT_EQ(cells[Col::TxPower], "H");
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0) << "printing never changes a channel";
}

TEST(ChannelGridPrint, TheDocumentsScreenPrintsPageByPage) {
    TestHost host;
    CloneImage image = LoadDefault();
    std::vector<int> used;
    for (int ch = 1; ch < 60; ++ch) used.push_back(ch);
    CopyFirstChannel(image, used);
    ChannelGridPrintScreen::Register();
    ASSERT_TRUE(PrintScreens::IsRegistered(PrintScreens::Slot::ChannelGrid));
    const std::string before = PrintScreens::DependencyState();
    MainItems::Row(32798)->visible = 0;  // VOX off in the View menu
    EXPECT_NE(PrintScreens::DependencyState(), before) << "the printer notices the column choice";
    auto screen = PrintScreens::Make(PrintScreens::Slot::ChannelGrid, image);
    MainItems::ResetVisible();
    ASSERT_NE(screen, nullptr);
    std::string out;
    bool more = false;
    screen->GetHtml(out, &image, &more, true);
    EXPECT_TRUE(more);
    screen->GetHtml(out, &image, &more, false);
    EXPECT_FALSE(more);
    PrintScreens::Unregister(PrintScreens::Slot::ChannelGrid);
    EXPECT_EQ(Count(out, "[CH DATA]"), 1);
    EXPECT_EQ(Count(out, "<tr><td>"), 60);
    EXPECT_EQ(out.find("VOX"), std::string::npos);
    EXPECT_EQ(Count(out, "<td>"), 60 * 28);
}
