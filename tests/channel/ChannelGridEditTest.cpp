// The channel grid's rules without a window: cell texts, typed text into
// stored bytes, cycling, the DCS polarity swap, the editor's key filter, how
// edits begin, which dialog a cell opens, and the clipboard forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "ChannelGridFixture.h"
#include "channel/ChannelEditorRules.h"
#include "channel/ChannelFields.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelGridEditRules.h"
#include "channel/ChannelTables.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"

using namespace ChannelGridEdit;
using ChannelGridCells::FormatCellText;
namespace Col = ChannelGridCells::Col;
using ChannelGridFixture::CopyFirstChannel;
using ChannelGridFixture::LoadDefault;

namespace {

class ChannelGridRules : public ::testing::Test {
  protected:
    TestHost host;
    CloneImage image = LoadDefault();

    std::array<std::string, 29> Row(int channel) const {
        std::array<std::string, 29> row;
        for (int c = 0; c < 29; ++c) row[c] = FormatCellText(image, c, channel);
        return row;
    }
};

std::uint32_t Field(const CloneImage& image, int item, int channel) {
    return ItemMap::ReadChannelField(ItemMap::ChannelItems[item], image, channel);
}

}  // namespace

TEST_F(ChannelGridRules, CellTextOfEveryColumnForKnownChannels) {
    // Channel 1 of the default file as it is.
    const std::array<std::string, 29> first = {"1",
                                               "-",
                                               "N",
                                               "CH 1",
                                               FormatCellText(image, 4, 0),
                                               FormatCellText(image, 5, 0),
                                               "------",
                                               "------",
                                               "-",
                                               "-",
                                               "H",
                                               " ",
                                               "-",
                                               "-",
                                               "0",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "-",
                                               "Low",
                                               "Low",
                                               "Low",
                                               "Low"};
    auto row = Row(0);
    row[3] = row[3].substr(0, 4);  // the tag is padded to 8 characters
    EXPECT_EQ(row, first);
    EXPECT_EQ(FormatCellText(image, 3, 0).size(), 8u);
    EXPECT_NE(FormatCellText(image, 4, 0), ChannelTables::EmptyFrequencyText);

    // Channel 2 made from it and then given a value in every column.
    CopyFirstChannel(image, {1});
    const std::vector<std::pair<int, std::string>> typed = {
        {Col::RxFrequency, "145.5"},
        {Col::TxFrequency, "146,125"},
        {Col::Priority, " "},
        {Col::Bandwidth, "W4"},
        {Col::Tag, "ab<>"},
        {Col::DecodeSubAudio, "D-023B"},
        {Col::EncodeSubAudio, "C-100.0"},
        {Col::RxPowerSave, " "},
        {Col::TxPowerSave, "-"},
        {Col::TxPower, "L"},
        {Col::Scan, "-"},
        {Col::TimeOutTimer, "2.5"},
        {Col::Squelch, "7"},
        {Col::RxClockShift, " "},
        {Col::TxClockShift, " "},
        {Col::Vox, "2"},
        {Col::Encryption, "3"},
        {Col::LockOut, "INV"},
        {Col::SignalingType, "2T"},
        {Col::SignalingNumber, "8"},
        {Col::TxFlat, " "},
        {Col::TxHpf, "Up"},
        {Col::RxHpf, "Low"},
        {Col::TxSpl, "Up"},
        {Col::RxLpf, "Up"},
        {Col::Olta, " "},
    };
    for (const auto& [column, text] : typed) ParseCellText(image, 1, column, text);
    const std::array<std::string, 29> second = {
        "2",   " ", "W4", "AB<>    ", "145.50000", "146.12500", "D-023B", "C-100.0", " ", "-",
        "L",   "-", "-",  "2.5",      "7",         " ",         " ",      "-",       "2", "3",
        "INV", " ", "2T", "8",        " ",         "Up",        "Low",    "Up",      "Up"};
    EXPECT_EQ(Row(1), second);
    EXPECT_TRUE(host.messages.empty());

    // ANI shows through check list A; a value without a row gives an empty cell.
    ItemMap::SetChannelAniType(image, 1, 2);
    ItemMap::SetChannelTotTimer(image, 1, 21);
    ItemMap::SetChannelWideNarrow(image, 1, 3);
    EXPECT_EQ(FormatCellText(image, Col::Ani, 1), " ");
    EXPECT_EQ(FormatCellText(image, Col::TimeOutTimer, 1), "");
    EXPECT_EQ(FormatCellText(image, Col::Bandwidth, 1), "");
}

TEST_F(ChannelGridRules, TypedTextBecomesStoredValues) {
    CopyFirstChannel(image, {1});
    ParseCellText(image, 1, Col::RxFrequency, "145.5");
    ParseCellText(image, 1, Col::Bandwidth, "W5");
    struct Case {
        int column;
        const char* text;
        std::function<int(const CloneImage&)> read;
        int expected;
    };
    auto dec = [](const CloneImage& i) { return Channel::GetRxSubAudio(i, 1); };
    auto enc = [](const CloneImage& i) { return Channel::GetTxSubAudio(i, 1); };
    const std::vector<Case> cases = {
        {Col::Bandwidth, "N", [](auto& i) { return (int)ItemMap::GetChannelWideNarrow(i, 1); }, 2},
        {Col::Bandwidth, "X", [](auto& i) { return (int)ItemMap::GetChannelWideNarrow(i, 1); }, 0},  // row 0
        {Col::TxPower, "H", [](auto& i) { return (int)ItemMap::GetChannelTxPowerHigh(i, 1); }, 0},
        {Col::TxPower, "?", [](auto& i) { return (int)ItemMap::GetChannelTxPowerHigh(i, 1); },
         1},  // row 0 "L"
        {Col::TimeOutTimer, "10.0", [](auto& i) { return (int)ItemMap::GetChannelTotTimer(i, 1); }, 20},
        {Col::Squelch, "15", [](auto& i) { return (int)ItemMap::GetChannelSqlLevel(i, 1); }, 15},
        {Col::LockOut, "BT", [](auto& i) { return (int)ItemMap::GetChannelLockOut(i, 1); }, 2},
        {Col::Scan, " ", [](auto& i) { return (int)ItemMap::GetChannelScanZoneBit(i, 1); }, 0},
        {Col::Scan, "-", [](auto& i) { return (int)ItemMap::GetChannelScanZoneBit(i, 1); }, 1},
        {Col::RxPowerSave, " ", [](auto& i) { return (int)Field(i, 2, 1); }, 1},
        {Col::TxPowerSave, " ", [](auto& i) { return (int)Field(i, 3, 1); }, 1},
        // Sub-audio: CTCSS in tenths clamped to 60.0-254.1 Hz, DCS octal up to 777.
        {Col::DecodeSubAudio, "C-300.0", [&](auto& i) { return dec(i).code; }, 2541},
        {Col::DecodeSubAudio, "C-10", [&](auto& i) { return dec(i).code; }, 600},
        {Col::DecodeSubAudio, "C-71,9", [&](auto& i) { return dec(i).code; }, 719},
        {Col::DecodeSubAudio, "C-67.05", [&](auto& i) { return dec(i).code; }, 670},
        {Col::DecodeSubAudio, "D-023N", [&](auto& i) { return dec(i).type * 1000 + dec(i).code; }, 2019},
        {Col::DecodeSubAudio, "D-023I", [&](auto& i) { return dec(i).type * 1000 + dec(i).code; }, 3019},
        {Col::DecodeSubAudio, "D-754B", [&](auto& i) { return dec(i).polarity * 1000 + dec(i).code; }, 1492},
        {Col::DecodeSubAudio, "X-12", [&](auto& i) { return dec(i).type * 1000 + dec(i).code; }, 0},
        {Col::DecodeSubAudio, "------", [&](auto& i) { return dec(i).type; }, 0},
        {Col::EncodeSubAudio, "D-777B", [&](auto& i) { return enc(i).type * 1000 + enc(i).code; }, 2511},
        {Col::EncodeSubAudio, "D-777B", [&](auto& i) { return dec(i).type; }, 0},  // decode side untouched
        // Signalling numbers are checked against the type.
        {Col::SignalingType, "2T", [](auto& i) { return (int)ItemMap::GetChannelSignalingType(i, 1); }, 1},
        {Col::SignalingNumber, "9", [](auto& i) { return Channel::GetSignalingNumber(i, 1); },
         0},  // not offered
        {Col::SignalingNumber, "8", [](auto& i) { return Channel::GetSignalingNumber(i, 1); }, 7},
        {Col::SignalingType, "-", [](auto& i) { return Channel::GetSignalingNumber(i, 1); }, 0},
    };
    for (const Case& c : cases) {
        ParseCellText(image, 1, c.column, c.text);
        EXPECT_EQ(c.read(image), c.expected) << "column " << c.column << " text \"" << c.text << "\"";
    }
}

TEST_F(ChannelGridRules, FrequencyTexts) {
    CopyFirstChannel(image, {1});
    ParseCellText(image, 1, Col::RxFrequency, "145,25");  // decimal comma
    EXPECT_EQ(FormatCellText(image, Col::RxFrequency, 1), "145.25000");
    ParseCellText(image, 1, Col::TxFrequency, "146.0");
    EXPECT_EQ(FormatCellText(image, Col::TxFrequency, 1), "146.00000");

    // Text without a number: the receive frequency stays, transmit goes off.
    const CloneImage before = image;
    ParseCellText(image, 1, Col::RxFrequency, "");
    ParseCellText(image, 1, Col::RxFrequency, ".");
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);
    ParseCellText(image, 1, Col::TxFrequency, "");
    EXPECT_EQ(Field(image, ItemMap::ChannelTxSetItem, 1), 0u);
    EXPECT_EQ(FormatCellText(image, Col::TxFrequency, 1), ChannelTables::EmptyFrequencyText);
    ParseCellText(image, 1, Col::TxFrequency, "146.0");
    ParseCellText(image, 1, Col::TxFrequency, ChannelTables::EmptyFrequencyText);
    EXPECT_EQ(Field(image, ItemMap::ChannelTxSetItem, 1), 0u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ChannelGridRules, PriorityFollowsTheTickNotAToggle) {
    CopyFirstChannel(image, {17, 20});
    ParseCellText(image, 20, Col::Priority, " ");
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 1), 4u);
    ParseCellText(image, 20, Col::Priority, " ");  // a second tick keeps it
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 1), 4u);
    ParseCellText(image, 17, Col::Priority, "-");  // clearing another channel leaves it
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 1), 4u);
    EXPECT_EQ(FormatCellText(image, Col::Priority, 20), " ");
    EXPECT_EQ(FormatCellText(image, Col::Priority, 17), "-");
    // Cycling twice sets and then clears it.
    CycleCellValue(image, 17, Col::Priority, "-");
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 1), 1u);
    CycleCellValue(image, 17, Col::Priority, FormatCellText(image, Col::Priority, 17));
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 1), 0xFFu);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 0xFFu) << "other groups untouched";
}

TEST_F(ChannelGridRules, CyclingByColumn) {
    CopyFirstChannel(image, {1});
    ParseCellText(image, 1, Col::RxFrequency, "145.5");
    auto cycle = [&](int column) {
        CycleCellValue(image, 1, column, FormatCellText(image, column, 1));
        return FormatCellText(image, column, 1);
    };
    // Lists wrap after their last row.
    ParseCellText(image, 1, Col::Bandwidth, "W5");
    EXPECT_EQ(cycle(Col::Bandwidth), "W4");
    EXPECT_EQ(cycle(Col::Bandwidth), "N");
    EXPECT_EQ(cycle(Col::Bandwidth), "W5");
    EXPECT_EQ(cycle(Col::TxHpf), "Up");
    EXPECT_EQ(cycle(Col::TxHpf), "Low");
    // Auto scan "Scan" (2) is stored as 0 where the firmware's group mode
    // does without it.
    ItemMap::SetOneGroupMode(image, 0);
    EXPECT_EQ(cycle(Col::AutoScan), " ");
    EXPECT_EQ(cycle(Col::AutoScan), "-");
    ItemMap::SetOneGroupMode(image, 1);
    ASSERT_TRUE(Version::HasFeatureFlag(image));
    EXPECT_EQ(cycle(Col::AutoScan), "-");
    EXPECT_EQ(cycle(Col::Scan), "-");
    EXPECT_EQ(cycle(Col::Scan), " ");
    // Sub-audio: no tone -> CTCSS 67.0 -> DCS 023 -> no tone with code 0.
    EXPECT_EQ(cycle(Col::DecodeSubAudio), "C-67.0");
    EXPECT_EQ(cycle(Col::DecodeSubAudio), "D-023N");
    ParseCellText(image, 1, Col::DecodeSubAudio, "D-023B");
    EXPECT_EQ(cycle(Col::DecodeSubAudio), "------");
    EXPECT_EQ(Channel::GetRxSubAudio(image, 1), (Channel::SubAudio{0, 0, 0}));
    EXPECT_EQ(cycle(Col::EncodeSubAudio), "C-67.0");
    EXPECT_EQ(Channel::GetRxSubAudio(image, 1).type, 0);
    // Transmit off (empty cell) and on again (the stored frequency).
    ParseCellText(image, 1, Col::TxFrequency, "146.0");
    EXPECT_EQ(cycle(Col::TxFrequency), ChannelTables::EmptyFrequencyText);
    EXPECT_EQ(cycle(Col::TxFrequency), "146.00000");
    // Power: the special variant never offers "L".
    EXPECT_EQ(cycle(Col::TxPower), "L");
    EXPECT_EQ(cycle(Col::TxPower), "H");
}

TEST_F(ChannelGridRules, TxPowerCyclingOnTheSpecialVariant) {
    CopyFirstChannel(image, {1});
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[3], image, 2);
    ItemMap::SetProductType(image, 0);
    ItemMap::SetBandType(image, 4);
    ItemMap::SetFrequencyType(image, 3);
    ItemMap::SetSingle(ItemMap::HardwareItems[7], image, 5);  // byte 0x006 high nibble
    ASSERT_TRUE(Model::IsSpecialVariant(image));
    for (int i = 0; i < 3; ++i) {
        CycleCellValue(image, 1, Col::TxPower, FormatCellText(image, Col::TxPower, 1));
        EXPECT_EQ(FormatCellText(image, Col::TxPower, 1), "H");
    }
}

TEST_F(ChannelGridRules, InUseToggleKeepsChannelOneAndGroupValidity) {
    EXPECT_EQ(ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, 1), 1)
        << "group 2 starts invalid";
    ItemMap::WriteIndexedItem(image, 1, 0, 16);  // group 2 lists channel 17
    CycleCellValue(image, 16, Col::Number, "17");
    EXPECT_TRUE(Channel::IsInUse(image, 16));
    EXPECT_EQ(ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, 1), 0);
    CycleCellValue(image, 16, Col::Number, "17");
    EXPECT_FALSE(Channel::IsInUse(image, 16));
    EXPECT_EQ(ItemMap::ReadBitmapBit(ItemMap::ChannelBitmapItems[1], image, 1), 1);
    CycleCellValue(image, 0, Col::Number, "1");
    EXPECT_TRUE(Channel::IsInUse(image, 0)) << "channel 1 cannot be made unused";
}

TEST_F(ChannelGridRules, DcsPolaritySwap) {
    CopyFirstChannel(image, {1});
    ParseCellText(image, 1, Col::DecodeSubAudio, "D-023N");
    const char* decode[] = {"D-023I", "D-023B", "D-023N"};
    for (const char* next : decode) {
        EXPECT_TRUE(SwapDcsPolarity(image, 1, Col::DecodeSubAudio));
        EXPECT_EQ(FormatCellText(image, Col::DecodeSubAudio, 1), next);
    }
    EXPECT_TRUE(SwapDcsPolarity(image, 1, Col::EncodeSubAudio));
    EXPECT_EQ(FormatCellText(image, Col::EncodeSubAudio, 1), "D-023I");
    EXPECT_TRUE(SwapDcsPolarity(image, 1, Col::EncodeSubAudio));
    EXPECT_EQ(FormatCellText(image, Col::EncodeSubAudio, 1), "D-023N");
    ParseCellText(image, 1, Col::EncodeSubAudio, "C-67.0");
    const CloneImage before = image;
    EXPECT_FALSE(SwapDcsPolarity(image, 1, Col::EncodeSubAudio));
    EXPECT_FALSE(SwapDcsPolarity(image, 1, Col::Tag));
    EXPECT_FALSE(SwapDcsPolarity(image, 5, Col::DecodeSubAudio)) << "unused channel";
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);
}

TEST(ChannelGridKeys, FilterByColumnAndCaret) {
    struct Case {
        int column;
        int key;
        const char* text;
        int caret, selection;
        KeyFilter expected;
    };
    const Case cases[] = {
        {Col::DecodeSubAudio, 'd', "", 0, 0, {0, "D-"}},
        {Col::DecodeSubAudio, 'c', "D-0", 1, 0, {0, "C-"}},
        {Col::DecodeSubAudio, 'x', "", 0, 0, {}},
        {Col::DecodeSubAudio, '0', "D-", 2, 0, {'0', {}}},
        {Col::DecodeSubAudio, '8', "D-", 2, 0, {}},   // not octal
        {Col::DecodeSubAudio, 'N', "D-0", 3, 0, {}},  // a letter among the digits
        {Col::DecodeSubAudio, 'n', "D-023", 5, 0, {'N', {}}},
        {Col::DecodeSubAudio, 'b', "D-023", 5, 0, {'B', {}}},
        {Col::EncodeSubAudio, 'b', "D-023", 5, 0, {}},   // no "both" on the encode side
        {Col::DecodeSubAudio, '1', "D-023", 5, 0, {}},   // a digit after the code
        {Col::DecodeSubAudio, 'N', "D-023N", 6, 0, {}},  // a seventh character
        {Col::DecodeSubAudio, 'I', "D-023N", 5, 1, {'I', {}}},
        {Col::EncodeSubAudio, '.', "C-67", 4, 0, {'.', {}}},
        {Col::EncodeSubAudio, '.', "C-", 2, 0, {}},
        {Col::EncodeSubAudio, '5', "C-67.", 6, 0, {'5', {}}},
        {Col::EncodeSubAudio, '.', "C-67.", 6, 0, {}},
        {Col::EncodeSubAudio, 0xE9, "C-", 2, 0, {}},
        {Col::RxFrequency, '5', "", 0, 0, {'5', {}}},
        {Col::RxFrequency, ',', "1", 1, 0, {',', {}}},
        {Col::TxFrequency, 'a', "", 0, 0, {}},
        {Col::TxFrequency, '-', "", 0, 0, {}},
        {Col::TxFrequency, 0x663, "", 0, 0, {}},  // a digit of another script
        {Col::Tag, 'a', "", 0, 0, {'A', {}}},
        {Col::Tag, '#', "", 0, 0, {' ', {}}},
        {Col::Bandwidth, 'x', "", 0, 0, {'x', {}}},
        {Col::Tag, KeyBackspace, "", 0, 0, {KeyBackspace, {}}},
        {Col::RxFrequency, KeyEnter, "", 0, 0, {KeyEnter, {}}},
        {Col::DecodeSubAudio, KeyEscape, "", 0, 0, {KeyEscape, {}}},
        {Col::Bandwidth, KeyTab, "", 0, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FilterEditKey(c.column, c.key, c.text, c.caret, c.selection), c.expected)
            << "column " << c.column << " key " << c.key << " text \"" << c.text << "\" caret " << c.caret;
}

TEST_F(ChannelGridRules, HowEditsBegin) {
    CopyFirstChannel(image, {1});
    EXPECT_TRUE(BeginCellEdit(image, 5, Col::Tag, "").cancel) << "unused channel";
    EXPECT_TRUE(BeginCellEdit(image, 1, 29, "").cancel);
    EXPECT_TRUE(BeginCellEdit(image, 1, Col::Number, "2").cancel);
    EXPECT_TRUE(BeginCellEdit(image, 1, Col::Priority, "-").cancel);
    const EditStart tag = BeginCellEdit(image, 1, Col::Tag, "CH 1");
    EXPECT_FALSE(tag.cancel);
    EXPECT_EQ(tag.maxLength, 8);
    EXPECT_TRUE(tag.dropDown.empty());
    EXPECT_TRUE(BeginCellEdit(image, 1, Col::TxFrequency, ChannelTables::EmptyFrequencyText).cycleFirst);
    EXPECT_FALSE(BeginCellEdit(image, 1, Col::TxFrequency, "146.00000").cycleFirst);
    EXPECT_EQ(BeginCellEdit(image, 1, Col::EncodeSubAudio, "").maxLength, 7);
    EXPECT_EQ(BeginCellEdit(image, 1, Col::RxFrequency, "").maxLength, 9);
    EXPECT_EQ(BeginCellEdit(image, 1, Col::Squelch, "0").dropDown.size(), 16u);

    using Rows = std::vector<std::string>;
    EXPECT_EQ(DropDownRows(image, Col::LockOut), (Rows{"-", "BC", "INV", "BT"}));
    EXPECT_EQ(DropDownRows(image, Col::SignalingType), (Rows{"-", "2T", "5T", "Page", "MDC"}));
    RadioFixture::SetFirmware(image, 0x01, 0x13, 0x03, 0x00);  // before 1.13.4.0
    EXPECT_EQ(DropDownRows(image, Col::LockOut), (Rows{"-", "BC", "INV"}));
    EXPECT_EQ(DropDownRows(image, Col::SignalingType), (Rows{"-", "2T", "5T"}));
    RadioFixture::SetFirmware(image, 0x01, 0x13, 0x04, 0x00);
    EXPECT_EQ(DropDownRows(image, Col::LockOut).size(), 4u);
    ItemMap::SetProductType(image, 0);  // needs 1.14.4.0 too
    EXPECT_EQ(DropDownRows(image, Col::LockOut).size(), 3u);

    CloneImage small = LoadDefault("default610v.PDX");  // no "Page" or "MDC" without the display
    EXPECT_EQ(DropDownRows(small, Col::SignalingType), (Rows{"-", "2T", "5T"}));
}

TEST_F(ChannelGridRules, DialogOfEachCell) {
    CopyFirstChannel(image, {1});
    EXPECT_EQ(DialogForCell(image, 1, Col::DecodeSubAudio), CellDialog::None);
    ParseCellText(image, 1, Col::DecodeSubAudio, "C-67.0");
    EXPECT_EQ(DialogForCell(image, 1, Col::DecodeSubAudio), CellDialog::DecodeSubAudio);
    EXPECT_EQ(DialogForCell(image, 1, Col::EncodeSubAudio), CellDialog::EncodeSubAudio);
    EXPECT_EQ(DialogForCell(image, 1, Col::Ani), CellDialog::Ani);
    EXPECT_EQ(DialogForCell(image, 1, Col::Vox), CellDialog::Vox);
    EXPECT_EQ(DialogForCell(image, 1, Col::Encryption), CellDialog::Encryption);
    EXPECT_EQ(DialogForCell(image, 1, Col::SignalingNumber), CellDialog::None);
    ParseCellText(image, 1, Col::SignalingType, "5T");
    EXPECT_EQ(DialogForCell(image, 1, Col::SignalingNumber), CellDialog::SignalingNumber);
    Channel::SetSignalingType(image, 1, 7);
    EXPECT_EQ(DialogForCell(image, 1, Col::Encryption), CellDialog::None);
    EXPECT_EQ(DialogForCell(image, 1, Col::Bandwidth), CellDialog::None);
    EXPECT_EQ(DialogForCell(image, 5, Col::Ani), CellDialog::None) << "unused channel";
}

TEST_F(ChannelGridRules, SignalingNumbersOfAChannel) {
    CopyFirstChannel(image, {1});
    auto texts = [&](bool forCell) {
        std::vector<std::string> t;
        for (const auto& row : ChannelGridCells::SignalingNumberRows(image, 1, forCell))
            if (row.value != ItemListEnd) t.push_back(row.text);
        return t;
    };
    using Rows = std::vector<std::string>;
    EXPECT_EQ(texts(true), Rows{"-"});
    const std::pair<int, std::size_t> counts[] = {{1, 8}, {2, 16}, {3, 10}, {4, 2}, {5, 16}, {6, 16}};
    for (auto [type, count] : counts) {
        ItemMap::SetChannelSignalingType(image, 1, type);
        EXPECT_EQ(texts(true).size(), count) << type;  // type 2 on a ZT-640: 16
    }
    ItemMap::SetChannelSignalingType(image, 1, 7);
    EXPECT_EQ(texts(false), (Rows{"0:OFF", "1:GE-Star", "2:MDC1200", "3:DTMF"}));
    EXPECT_EQ(texts(true), (Rows{"0", "1", "2", "3"}));
    ItemMap::SetChannelSignalingNo(image, 1, 3);
    EXPECT_EQ(FormatCellText(image, Col::SignalingNumber, 1), "3");
    ParseCellText(image, 1, Col::SignalingNumber, "2:MDC1200");
    EXPECT_EQ(Channel::GetSignalingNumber(image, 1), 2);
    ParseCellText(image, 1, Col::SignalingNumber, "1");
    EXPECT_EQ(Channel::GetSignalingNumber(image, 1), 1);

    CloneImage zt610 = LoadDefault("default610v.PDX");
    ItemMap::SetChannelSignalingType(zt610, 0, 2);
    EXPECT_EQ(ChannelGridCells::SignalingNumberRows(zt610, 0, true).size(), 33u);
}

TEST_F(ChannelGridRules, CommitOfAnOltaCellAsksForItsDialog) {
    CopyFirstChannel(image, {1});
    struct Case {
        int radioWide;
        CellDialog followUp;
    };
    const Case cases[] = {{0, CellDialog::DecodeSubAudio},
                          {1, CellDialog::DecodeSubAudio},
                          {2, CellDialog::EncodeSubAudio},
                          {3, CellDialog::None}};
    for (const Case& c : cases) {
        ItemMap::SetOltaMode(image, c.radioWide);
        ParseCellText(image, 1, Col::Olta, "-");
        EXPECT_EQ(CommitCellText(image, 1, Col::Olta, " ").followUp, c.followUp) << c.radioWide;
        EXPECT_EQ(ItemMap::GetChannelOlta(image, 1), 1u);
        EXPECT_EQ(CommitCellText(image, 1, Col::Olta, " ").followUp, CellDialog::None) << "unchanged text";
    }
    ParseCellText(image, 1, Col::Priority, " ");
    EXPECT_EQ(CommitCellText(image, 3, Col::Priority, " ").oldPriorityPosition, 1);
}

TEST_F(ChannelGridRules, ShowingAChannelNeverChangesIt) {
    CopyFirstChannel(image, {1});
    ItemMap::SetChannelOlta(image, 1, 2);
    ItemMap::SetChannelSignalingType(image, 1, 2);
    ItemMap::SetChannelAutoScan(image, 1, 2);
    const CloneImage before = image;
    const auto row = Row(1);
    EXPECT_EQ(row[Col::Olta], "");
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);
}

TEST_F(ChannelGridRules, ClipboardFormsOfCells) {
    CopyFirstChannel(image, {1, 2});
    EXPECT_EQ(CellCopyText(Col::Scan, " "), "v");
    EXPECT_EQ(CellCopyText(Col::Priority, "-"), "-");
    EXPECT_EQ(CellCopyText(Col::Bandwidth, "N"), "N");
    EXPECT_EQ(CellCopyText(Col::TxFrequency, ChannelTables::EmptyFrequencyText),
              ChannelTables::EmptyFrequencyText);

    using Opt = std::optional<std::string>;
    struct Case {
        int channel, column;
        const char* clip;
        Opt expected;
    };
    ItemMap::SetChannelSignalingType(image, 2, 7);
    const Case cases[] = {
        {1, Col::Priority, "v", Opt(" ")},
        {1, Col::Scan, "v", Opt(" ")},
        {1, Col::AutoScan, "-", Opt("-")},
        {1, Col::RxPowerSave, "x", std::nullopt},
        {1, Col::Bandwidth, "N", Opt("N")},
        {1, Col::Bandwidth, "Q", std::nullopt},
        {1, Col::Squelch, "12", Opt("12")},
        {1, Col::RxFrequency, "145.5", Opt("145.5")},
        {1, Col::RxFrequency, "14a.5", std::nullopt},
        {1, Col::RxFrequency, "", std::nullopt},
        {1, Col::TxFrequency, "", Opt("")},
        {1, Col::TxFrequency, ChannelTables::EmptyFrequencyText, Opt(ChannelTables::EmptyFrequencyText)},
        {1, Col::Tag, "", Opt("")},
        {1, Col::DecodeSubAudio, "anything", Opt("anything")},
        {1, Col::Ani, "x", std::nullopt},
        {1, Col::Number, "5", std::nullopt},
        {5, Col::Bandwidth, "N", std::nullopt},  // unused channel
        {1, Col::SignalingNumber, "-", Opt("-")},
        {1, Col::SignalingNumber, "2", std::nullopt},  // type 0 offers "-" only
        {2, Col::SignalingNumber, "3", Opt("3")},
        {2, Col::SignalingNumber, "12", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CellPasteText(image, c.channel, c.column, c.clip), c.expected)
            << "channel " << c.channel << " column " << c.column << " clip \"" << c.clip << "\"";
}

TEST_F(ChannelGridRules, PriorityCommands) {
    SetPriorityChannel(image, 3, 4);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 3), 4u);
    EXPECT_EQ(PriorityPosition(image, 3), 4);
    CancelPriorityChannel(image, 3);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 3), 0xFFu);
    EXPECT_EQ(PriorityPosition(image, 3), -1);
    const CloneImage before = image;
    SetPriorityChannel(image, 8, 0);
    SetPriorityChannel(image, 0, 16);
    CancelPriorityChannel(image, -1);
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);
}

TEST(ChannelGridColumns, HiddenAndPrintableByVariantAndMode) {
    TestHost host;
    auto hidden = [](const CloneImage& image) {
        std::vector<int> cols;
        for (int c = 0; c < 29; ++c)
            if (ChannelGridCells::IsColumnRestricted(image, c)) cols.push_back(c);
        return cols;
    };
    const CloneImage zt610 = LoadDefault("default610v.PDX");  // band 0, plain display
    EXPECT_EQ(hidden(zt610), (std::vector<int>{3, 19, 25, 26, 27, 28}));
    CloneImage zt640 = LoadDefault("default640v.PDX");  // band 1, display 2
    EXPECT_TRUE(hidden(zt640).empty());
    ItemMap::SetProductType(zt640, 0);  // band selection 4
    ASSERT_EQ(Model::GetBandSelection(zt640), 4);
    EXPECT_EQ(hidden(zt640), std::vector<int>{8});
    for (int mode = 0; mode < 3; ++mode) {
        host.serviceMode = mode;
        EXPECT_EQ(ChannelGridCells::ColumnState(zt610, 19), 3);
        EXPECT_FALSE(ChannelGridCells::IsColumnPrintable(zt610, 19));
        EXPECT_TRUE(ChannelGridCells::IsColumnPrintable(zt610, 3));
        EXPECT_FALSE(ChannelGridCells::IsColumnPrintable(zt640, 8));
    }
}

TEST(ChannelGridColumns, BindingCountAndVisibleText) {
    CloneImage image = LoadDefault();
    const std::pair<int, int> counts[] = {{0, 16},   {1, 16},   {2, 16},   {4, 32},
                                          {16, 128}, {17, 128}, {255, 128}};
    for (auto [maxCh, bound] : counts) {
        ItemMap::SetMaxCh(image, maxCh);
        EXPECT_EQ(ChannelGridCells::BindingCount(image), bound) << maxCh;
    }
    std::array<bool, 29> shown;
    shown.fill(true);
    shown[19] = false;
    const std::string text = ChannelGridCells::GridVisibleText(shown);
    EXPECT_EQ(text.size(), 58u);
    EXPECT_EQ(text.substr(0, 6), "1,1,1,");
    EXPECT_EQ(text.substr(38, 2), "0,");
}

// A field the grid and the channel editor share reads and writes the same
// stored value from either screen: after each row of the grid's list is
// typed into the cell, the editor's control shows the value whose text the
// cell shows, and after the editor writes that row's value the cell shows
// the text of what the editor then shows (the store may refuse a value, as
// Auto Scan "Scan" on this firmware: both screens then agree on the old one).
TEST_F(ChannelGridRules, SharedFieldsReadTheSameValueInGridAndEditor) {
    const int channel = 0;
    auto textOf = [](ItemList list, int value) {
        for (const auto& row : list)
            if (row.value == ItemListEnd) break;
            else if (row.value == value) return std::string(row.text);
        return std::string();
    };
    int taken = 0;
    for (const ChannelFields::Field& field : ChannelFields::Fields()) {
        if (field.column < 0 || field.controlId < 0 || !field.list) continue;
        const bool isCheck = std::find(std::begin(ChannelEditor::CheckIds), std::end(ChannelEditor::CheckIds),
                                       field.controlId) != std::end(ChannelEditor::CheckIds);
        auto editorValue = [&] {
            return isCheck ? int(ChannelEditor::CheckValue(image, channel, field.controlId))
                           : ChannelEditor::ComboValue(image, channel, field.controlId);
        };
        for (const auto& row : *field.list) {
            if (row.value == ItemListEnd) break;
            ChannelGridEdit::ParseCellText(image, channel, field.column, row.text);
            EXPECT_EQ(FormatCellText(image, field.column, channel), textOf(*field.list, editorValue()))
                << field.column << " typed " << row.text;
            if (editorValue() == row.value) ++taken;
            if (isCheck)
                ChannelEditor::ApplyCheck(image, channel, field.controlId, row.value == 1);
            else
                ChannelEditor::ApplyComboChange(image, channel, field.controlId, row.value);
            EXPECT_EQ(FormatCellText(image, field.column, channel), textOf(*field.list, editorValue()))
                << field.column << " chosen " << row.value;
        }
    }
    EXPECT_GT(taken, 40);
}
