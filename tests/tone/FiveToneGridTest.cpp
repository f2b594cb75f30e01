// The three 5-tone views on the grid-view framework and the 5-tone tone
// table, without windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "image/ItemsTone.h"
#include "image/UiUtil.h"
#include "tone/FiveToneLists.h"
#include "tone/FiveToneTable.h"
#include "tone/FiveToneViews.h"

using namespace GridView;
using namespace FiveToneViews;

namespace {

constexpr int H = 3;  // header rows
constexpr std::size_t SystemBase = 0x3600, DecodeBase = 0x3820, EncodeBase = 0x3940;

// A tone area of zeros: every list column holds its value-0 row.
CloneImage ZeroedImage(std::uint8_t typeCode = 0x35) {
    CloneImage image;
    for (std::size_t i = 0x3000; i < 0x3C00; ++i) image[i] = 0;
    image[2] = typeCode;
    return image;
}

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!text.empty() && text.back() == sep) parts.emplace_back();
    return parts;
}

}  // namespace

TEST(FiveToneViewsShape, RowsAndTranspondCodesFollowTheRadioModel) {
    for (auto [type, systems, decodeRows, encCodes] : {std::tuple{0x35, 32, 9, 8}, std::tuple{0x36, 16, 6, 5}}) {
        CloneImage image = ZeroedImage(static_cast<std::uint8_t>(type));
        GridViewModel system(SystemSpec(image, 0), image);
        GridViewModel decode(DecodeSpec(image), image);
        decode.Refresh();
        EXPECT_EQ(system.Rows() - H, systems);
        EXPECT_EQ(decode.Rows() - H, decodeRows);
        EXPECT_EQ(decode.Text(decode.Rows() - 1, 0), "Grp");
        EXPECT_EQ(decode.Text(decode.Rows() - 2, 0), std::to_string(decodeRows - 1));
        const ItemList transpond = ListRows(FiveToneLists::FiveToneTranspondCodeList());
        ASSERT_EQ(static_cast<int>(transpond.size()), 3 + encCodes);
        EXPECT_STREQ(transpond.back().text, ("ENC Code " + std::to_string(encCodes)).c_str());
    }
}

TEST(FiveToneLists, OrderValuesAndLookups) {
    using namespace FiveToneLists;
    EXPECT_EQ(ListRows(FiveToneFormatList).size(), 14u);
    EXPECT_EQ(ListRows(FiveToneFormatListNoTp40).size(), 13u);
    EXPECT_EQ(ListRows(FiveToneRepeaterCodeList).size(), 33u);
    EXPECT_EQ(ListRows(FiveToneTenthSecondsList).size(), 152u);
    EXPECT_EQ(FindNameById(ListRows(FiveToneRepeaterCodeList), 40), "--");
    EXPECT_EQ(FindNameById(FiveToneViewKeyList, 2), "Tone5_Encode");
    EXPECT_EQ(FiveToneViewKeyList.size(), 3u);
    EXPECT_EQ(FindNameById(ListRows(FiveToneTenthSecondsList), 150), "15.0 sec");
    EXPECT_EQ(SystemPopupCaption(SystemCol::CallCode, 0), "Call Code No. (No.1)");
    EXPECT_EQ(TranspondPopupCaption(2), "Transpond ENC Code (No.3)");
    // A cell steps through the list in its order, not by value.
    std::string text = "ID", seen;
    for (int i = 0; i < 4; ++i) {
        text = FindNameById(ListRows(FiveToneIdFlowList), *NextListValue(FiveToneIdFlowList, text));
        seen += text + ",";
    }
    EXPECT_EQ(seen, "Call+ID,ID+Call,Call,ID,");
}

// ---- system view -----------------------------------------------------------------------

struct SystemView : ::testing::Test {
    CloneImage image = ZeroedImage();
    GridViewModel view{SystemSpec(image, 0), image};
    void SetUp() override {
        for (int s = 0; s < 32; ++s) image[SystemBase + 16 * s + 4] = 255;  // no repeater code
        view.Refresh();
    }
    std::uint8_t& Sys(int s, int byte) { return image[SystemBase + 16 * s + byte]; }
};

TEST_F(SystemView, TypedAndChosenTextsReachTheirFields) {
    struct Case {
        int system, col;
        const char* text;
        int byte;
        std::uint8_t mask, expected;
        const char* shown;
    };
    const Case cases[] = {
        {0, SystemCol::AutoResetTime, "2,5", 8, 0xFF, 5, "2.5 sec"},
        {1, SystemCol::AutoResetTime, "200", 8, 0xFF, 255, "127.5 sec"},
        {2, SystemCol::AutoResetTime, "0", 8, 0xFF, 0, "Disable"},
        {3, SystemCol::CallCode, "3", 5, 0xFF, 2, "3"},
        {3, SystemCol::RepeaterCode, "32", 4, 0xFF, 31, "32"},
        {4, SystemCol::MoniSw, "Both", 0, 0xC0, 0xC0, "Both"},
        {4, SystemCol::IdFlow, "ID", 1, 0xC0, 0xC0, "ID"},
        {5, SystemCol::AniTrans, "Pressed", 1, 0x30, 0x20, "Pressed"},
        {6, SystemCol::CallIdTable, "User", 3, 0x0F, 13, "User"},
        {7, SystemCol::DecodeCode1 + 7, "-", 7, 0x01, 0x01, "-"},
    };
    for (const auto& c : cases) {
        view.SetText(H + c.system, c.col, c.text);
        EXPECT_TRUE(view.CommitCell(H + c.system, c.col)) << c.text;
        EXPECT_EQ(Sys(c.system, c.byte) & c.mask, c.expected) << c.text;
        EXPECT_EQ(view.Text(H + c.system, c.col), c.shown);
    }
}

TEST_F(SystemView, RepeaterFormatNeedsARepeaterCodeAndTp40ItsServiceMode) {
    Sys(0, 3) = 0x50;  // repeater format 5 while the code is "--"
    view.RefreshRow(H);
    EXPECT_EQ(view.Text(H, SystemCol::RepeaterTable), "");
    view.SetText(H, SystemCol::RepeaterTable, "CCIR1");
    view.CommitCell(H, SystemCol::RepeaterTable);
    EXPECT_EQ(Sys(0, 3), 0x50);
    // Choosing a code shows the stored format unchanged.
    view.SetText(H, SystemCol::RepeaterCode, "1");
    view.CommitCell(H, SystemCol::RepeaterCode);
    EXPECT_EQ(view.Text(H, SystemCol::RepeaterTable), "PDZVEI");

    // TP40 is neither offered nor accepted in the normal mode.
    view.SetText(H, SystemCol::CallIdTable, "TP40");
    EXPECT_FALSE(view.CommitCell(H, SystemCol::CallIdTable));
    image[3] = 2;
    GridViewModel offered(SystemSpec(image, 0), image);
    offered.SetText(H, SystemCol::CallIdTable, "TP40");
    EXPECT_TRUE(offered.CommitCell(H, SystemCol::CallIdTable));
    EXPECT_EQ(Sys(0, 3) & 0x0F, 11);
    // With TP40 the ID flow shows Call+ID and does not step.
    EXPECT_EQ(offered.Text(H, SystemCol::IdFlow), "Call+ID");
    offered.CycleCell(H, SystemCol::IdFlow);
    EXPECT_EQ(Sys(0, 1) & 0xC0, 0);
}

TEST_F(SystemView, UntickingSuperimposeUnticksComplementOnlyByToggle) {
    view.CycleCell(H, SystemCol::SprImp);  // ticked (0) -> not ticked
    EXPECT_EQ(Sys(0, 0) & 0x03, 0x03);
    Sys(1, 0) = 0;
    view.Refresh();
    EXPECT_TRUE(view.PasteCell(H + 1, SystemCol::SprImp, "-"));
    EXPECT_EQ(Sys(1, 0) & 0x03, 0x01);
}

TEST_F(SystemView, RowsCopyAndPasteWithExactFieldCounts) {
    Sys(0, 5) = 7;
    Sys(1, 5) = 9;
    Sys(1, 0) = 0x40;
    view.Refresh();
    const std::string text = view.CopyRows({H, H + 1});
    const auto lines = Split(text, '\n');
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& line : lines) EXPECT_EQ(Split(line, '\t').size(), 25u);
    EXPECT_NE(text.find('v'), std::string::npos);

    view.PasteRows(text, H + 2, {H + 7});
    EXPECT_EQ(Sys(2, 5), 7);
    EXPECT_EQ(Sys(3, 5), 9);
    EXPECT_EQ(Sys(3, 0), 0x40);
    EXPECT_EQ(Sys(7, 5), 0);

    for (int fields : {24, 26}) {
        std::string line = "9";
        for (int c = 1; c < fields; ++c) line += "\t" + view.Text(H + 1, c);
        view.PasteRows(line, H + 10, {H + 10});
        EXPECT_EQ(Sys(10, 5), 0) << fields;
        EXPECT_EQ(Sys(10, 0), 0) << fields;
    }
    // A row with a repeater code and format: the code is pasted first.
    Sys(0, 4) = 3;
    Sys(0, 3) = 0x60;
    view.Refresh();
    view.PasteRows(view.CopyRows({H}), H + 12, {H + 12});
    EXPECT_EQ(Sys(12, 4), 3);
    EXPECT_EQ(Sys(12, 3), 0x60);
}

TEST_F(SystemView, DecodeCodeColumnsHideForVariantZeroAndBackupAlways) {
    const auto hidden = view.HiddenColumns();
    EXPECT_TRUE(hidden[SystemCol::Backup]);
    for (int c = 22; c <= 24; ++c) EXPECT_TRUE(hidden[static_cast<std::size_t>(c)]);
    EXPECT_FALSE(hidden[21]);
}

// ---- out-of-list values -------------------------------------------------------------------

// Every list column of every view holds a value its list lacks; the OK pass
// and edits of other cells must leave them alone.
TEST(FiveToneOutOfList, OkPassAndNeighbourEditsKeepEveryByte) {
    CloneImage image = ZeroedImage();
    for (int s = 0; s < 32; ++s) {
        image[SystemBase + 16 * s + 3] = 0xBB;  // TP40 / TP40 (not offered)
        image[SystemBase + 16 * s + 4] = 40;    // repeater code 40
        image[SystemBase + 16 * s + 5] = 200;
        image[SystemBase + 16 * s + 6] = 33;
    }
    for (int d = 0; d < 9; ++d) {
        const std::size_t r = DecodeBase + 32 * d;
        for (int k = 0; k < 5; ++k) image[r + k] = 0xFF;  // erased code: count 15
        image[r + 7] = 0x20;  // LED mode 2
        image[r + 8] = 0x30;  // alert Repeat
        image[r + 9] = 7;     // repeat 7 times
        image[r + 0x0A] = 0xC0;  // beep 12
        image[r + 0x0C] = 0xE0 | 0x05;  // transpond type 7
    }
    for (int e = 0; e < 32; ++e) image[EncodeBase + 16 * e + 6] = 0x00;  // mute mode 0
    const CloneImage before = image;

    GridViewModel system(SystemSpec(image, 0), image);
    GridViewModel encode(EncodeSpec(), image);
    GridViewModel decode(DecodeSpec(image), image);
    for (auto* v : {&system, &encode, &decode}) {
        v->Refresh();
        v->CommitChangedCells();
    }
    EXPECT_TRUE(std::equal(before.data(), before.data() + CloneImage::Size, image.data()));
    EXPECT_TRUE(system.InvalidCells().count({H, SystemCol::RepeaterCode}));
    EXPECT_TRUE(decode.InvalidCells().count({H, DecodeCol::LedMode}));
    EXPECT_TRUE(decode.InvalidCells().count({H, DecodeCol::TranspondCode}));
    EXPECT_EQ(decode.Text(H, DecodeCol::Code), "FFFFFFFF");

    // An edit in the row changes only its own field; the row stays invalid.
    system.SetText(H, SystemCol::MoniSw, "Open");
    system.CommitCell(H, SystemCol::MoniSw);
    decode.CycleCell(H, DecodeCol::Stun);
    encode.CycleCell(H, EncodeCol::Sel);
    EXPECT_EQ(image[SystemBase + 3], 0xBB);
    EXPECT_EQ(image[SystemBase + 4], 40);
    EXPECT_EQ(image[DecodeBase + 0x0C], 0xE5);
    EXPECT_EQ(image[DecodeBase + 7], 0x20);
    EXPECT_EQ(image[DecodeBase], 0xFF);
    EXPECT_TRUE(system.InvalidCells().count({H, SystemCol::RepeaterCode}));
    EXPECT_EQ(system.Text(H, SystemCol::RepeaterCode), "");
}

// ---- encode view ---------------------------------------------------------------------------

struct EncodeView : ::testing::Test {
    CloneImage image = ZeroedImage();
    GridViewModel view{EncodeSpec(), image};
    void SetUp() override { view.Refresh(); }
};

TEST_F(EncodeView, CodesAreTypedAsHexDigitsWithoutF) {
    view.SetText(H, EncodeCol::Code, "0a1");
    EXPECT_TRUE(view.CommitCell(H, EncodeCol::Code));
    EXPECT_EQ(image[EncodeBase] >> 4, 3);
    EXPECT_EQ(image[EncodeBase + 1], 0x0A);
    EXPECT_EQ(image[EncodeBase + 2] >> 4, 1);
    EXPECT_EQ(view.Text(H, EncodeCol::Code), "0A1");

    // More than eight digits never reach the record.
    view.SetText(H, EncodeCol::Code, "123456789");
    EXPECT_FALSE(view.CommitCell(H, EncodeCol::Code));
    EXPECT_EQ(image[EncodeBase] >> 4, 3);
    EXPECT_TRUE(view.PasteCell(H, EncodeCol::Code, "12F"));
    EXPECT_EQ(image[EncodeBase] >> 4, 0);
    EXPECT_EQ(view.Text(H, EncodeCol::Code), "");

    EXPECT_EQ(view.FilterKey(EncodeCol::Code, 'c'), U'C');
    EXPECT_EQ(view.FilterKey(EncodeCol::Code, 'f'), 0u);
    EXPECT_EQ(view.FilterKey(EncodeCol::Code, 'F'), 0u);
}

TEST_F(EncodeView, ErasedRecordShowsAndChecksStepByTheirPolarity) {
    for (int i = 0; i < 16; ++i) image[EncodeBase + 16 + i] = 0xFF;
    view.Refresh();
    EXPECT_EQ(view.Text(H + 1, EncodeCol::Code), "FFFFFFFF");
    EXPECT_EQ(view.Text(H + 1, EncodeCol::MuteMode), "-----");
    EXPECT_EQ(view.CopyCellText(H + 1, EncodeCol::Ext1st), "-");
    EXPECT_EQ(view.CopyCellText(H + 1, EncodeCol::InputDigit1), "v");
    // Mute Mode from an empty cell (value 0) steps to "-----".
    view.CycleCell(H, EncodeCol::MuteMode);
    EXPECT_EQ((image[EncodeBase + 6] >> 4) & 3, 3);
    view.CycleCell(H, EncodeCol::Ext1st);  // ticked (bit clear) -> set
    EXPECT_EQ(image[EncodeBase + 6] & 0x80, 0x80);
    EXPECT_TRUE(view.PasteCell(H, EncodeCol::InputDigit1, "v"));
    EXPECT_EQ(image[EncodeBase + 5] & 0x80, 0x80);
    EXPECT_FALSE(view.PasteCell(H, EncodeCol::InputDigit1 + 1, " "));
}

// ---- decode view ---------------------------------------------------------------------------

struct DecodeView : ::testing::Test {
    CloneImage image = ZeroedImage();
    GridViewModel view{DecodeSpec(image), image};
    void SetUp() override { view.Refresh(); }
    std::uint8_t& Dec(int record, int byte) { return image[DecodeBase + 32 * record + byte]; }
};

TEST_F(DecodeView, LedModeAndColourMoveTogether) {
    EXPECT_EQ(view.Text(H, DecodeCol::LedMode), "OFF");
    EXPECT_EQ(view.Text(H, DecodeCol::LedColor), "------");
    view.CycleCell(H, DecodeCol::LedMode);  // OFF -> ON lights yellow
    EXPECT_EQ(Dec(0, 7), 0x13);
    EXPECT_EQ(view.Text(H, DecodeCol::LedColor), "Yellow");
    view.SetText(H, DecodeCol::LedMode, "OFF");
    view.CommitCell(H, DecodeCol::LedMode);
    EXPECT_EQ(Dec(0, 7), 0x00);
}

TEST_F(DecodeView, GroupRowHoldsNoCodeTranspondOrAutoTx) {
    const int grp = view.Rows() - 1;
    Dec(8, 0) = 0x21;
    Dec(8, 1) = 0x23;
    view.Refresh();
    for (int col : {DecodeCol::Code, DecodeCol::TranspondTxLed, DecodeCol::TranspondCode, DecodeCol::AutoTx}) {
        EXPECT_EQ(view.Text(grp, col), "") << col;
        EXPECT_FALSE(IsDecodeCellShown(view, grp, col));
    }
    EXPECT_FALSE(view.PasteCell(grp, DecodeCol::Code, "12"));
    EXPECT_FALSE(view.PasteCell(grp, DecodeCol::TranspondCode, "Call Code"));
    EXPECT_EQ(Dec(8, 0), 0x21);
    EXPECT_EQ(Dec(8, 0x0C), 0);
    // Its other cells are record 8's.
    view.CycleCell(grp, DecodeCol::Stun);
    EXPECT_EQ(Dec(8, 6) & 0x30, 0x20);
}

TEST_F(DecodeView, AlertRepeatScanAndBeepShowOnlyWhatApplies) {
    EXPECT_EQ(view.Text(H, DecodeCol::AlertRepeat), "------");
    GridViewModel::EditStart e = view.BeginEdit(H, DecodeCol::AlertRepeat);
    AdjustDecodeEdit(view, H, DecodeCol::AlertRepeat, e);
    EXPECT_FALSE(e.allowed);
    Dec(0, 9) = 5;
    view.SetText(H, DecodeCol::AlertMode, "Repeat");
    view.CommitCell(H, DecodeCol::AlertMode);
    EXPECT_EQ(Dec(0, 9), 0);
    EXPECT_EQ(view.Text(H, DecodeCol::AlertRepeat), "Endless");

    // Without the newer firmware beeps H-J are not offered and show "-".
    Dec(0, 0x0A) = 0x90;
    view.RefreshRow(H);
    EXPECT_EQ(view.Text(H, DecodeCol::Beep), "-");
    e = view.BeginEdit(H, DecodeCol::Beep);
    AdjustDecodeEdit(view, H, DecodeCol::Beep, e);
    EXPECT_EQ(e.comboList, "-|A|B|C|D|E|F|G");
    EXPECT_TRUE(SampleFile(image, 0, "/p").empty());
    Dec(0, 0x0A) = 0x30;
    EXPECT_EQ(SampleFile(image, 0, "/p"), std::filesystem::path("/p/Tone_sample/C.wav"));
    Dec(0, 0x0A) = 0x00;
    EXPECT_TRUE(SampleFile(image, 0, "/p").empty());
}

TEST_F(DecodeView, TranspondCodesByTypeAndParameter) {
    view.SetText(H + 1, DecodeCol::TranspondCode, "ENC Code 4");
    EXPECT_TRUE(view.CommitCell(H + 1, DecodeCol::TranspondCode));
    EXPECT_EQ(Dec(1, 0x0C) >> 5, 3);
    EXPECT_EQ(Dec(1, 0x0D) & 0x1F, 3);
    view.SetText(H + 1, DecodeCol::TranspondCode, "ID Code");
    view.CommitCell(H + 1, DecodeCol::TranspondCode);
    EXPECT_EQ(Dec(1, 0x0C) >> 5, 2);
    view.SetText(H, DecodeCol::Code, "0a0");
    view.CommitCell(H, DecodeCol::Code);
    EXPECT_EQ(Dec(0, 0) >> 4, 3);
    EXPECT_EQ(Dec(0, 1), 0x0A);
    EXPECT_EQ(view.Text(H, DecodeCol::Code), "0A0");
}

// ---- drag and drop -------------------------------------------------------------------------

TEST(FiveToneDrag, EncodeRowsFillSystemsInSelectionOrder) {
    CloneImage image = ZeroedImage();
    GridViewModel system(SystemSpec(image, 0), image), encode(EncodeSpec(), image), decode(DecodeSpec(image), image);
    for (auto* v : {&system, &encode, &decode}) v->Refresh();

    DragState drag = MakeDrag(encode, 2, {H, H + 1, H + 2});
    EXPECT_TRUE(DropOnSystem(system, drag, H + 2, SystemCol::CallCode));
    EXPECT_EQ(image[0x3625], 0);
    EXPECT_EQ(image[0x3635], 1);
    EXPECT_EQ(image[0x3645], 2);
    // Other columns take no encode codes.
    EXPECT_FALSE(DropOnSystem(system, drag, H, SystemCol::MoniSw));

    // Eight slots at most, in the order of selection; rows beyond 8 keep their
    // numbers.
    std::vector<int> rows;
    for (int r = 31; r >= 20; --r) rows.push_back(H + r);
    drag = MakeDrag(encode, 2, rows);
    EXPECT_EQ(drag.items[0], 32);
    EXPECT_EQ(drag.items[7], 25);

    // Decode rows tick the drop row's decode codes; the group row is left out.
    image[0x3600 + 16 * 5 + 7] = 0xFF;
    drag = MakeDrag(decode, 3, {decode.Rows() - 1, H + 2, H});
    EXPECT_EQ(drag.items[0], 3);
    EXPECT_EQ(drag.items[1], 1);
    EXPECT_EQ(drag.items[2], 0xFF);
    DropOnSystem(system, drag, H + 5, SystemCol::MoniSw);
    EXPECT_EQ(image[0x3600 + 16 * 5 + 7], 0xFF & ~0x80 & ~0x20);
}

// ---- tone table ----------------------------------------------------------------------------

TEST(FiveToneTableModel, ToneValuesScaleByTheReference) {
    EXPECT_EQ(FiveToneTable::ToneHz(1060, 10000), 1060u);
    EXPECT_EQ(FiveToneTable::ToneHz(0xFFFF, 10000), 0u);
    EXPECT_EQ(FiveToneTable::ToneHz(1000, 11059), 1106u);
    EXPECT_EQ(FiveToneTable::ToneHz(0xFFFE, 0xFFFF), 429477u);  // no 32-bit overflow
    EXPECT_EQ(FiveToneTable::RawOfHz(250, 10000), 300u);
    EXPECT_EQ(FiveToneTable::RawOfHz(0, 10000), 0xFFFFu);
    EXPECT_EQ(FiveToneTable::RawOfHz(3000, 1), 0xFFFEu);
    EXPECT_FALSE(FiveToneTable::ParseNumber("99999999999999999999999"));
    EXPECT_FALSE(FiveToneTable::ParseNumber("12a"));
}

TEST(FiveToneTableModel, PeriodsAndUserTonesAreWrittenOnlyWhereEditable) {
    CloneImage image = ZeroedImage();
    image[0x3000] = 0x10;  // reference 10000, little-endian
    image[0x3001] = 0x27;
    FiveToneTable::Model table(image, 0);
    const int user = FiveToneTable::UserColumn;
    table.SetText(FiveToneTable::TonePeriodRow, user, "70");
    EXPECT_TRUE(table.Commit(FiveToneTable::TonePeriodRow, user));
    EXPECT_EQ(image[0x35FA], 70);
    EXPECT_EQ(image[0x35FB], 21);
    EXPECT_EQ(table.Text(FiveToneTable::GapPeriodRow, user), "105");
    table.SetText(FiveToneTable::GapPeriodRow, user, "103");
    table.Commit(FiveToneTable::GapPeriodRow, user);
    EXPECT_EQ(image[0x35FB], 20);
    EXPECT_EQ(table.Text(FiveToneTable::GapPeriodRow, user), "100");

    table.SetText(1, user, "1000");
    table.Commit(1, user);
    EXPECT_EQ(image[0x3400 + 32 * 13], 0xE8);
    EXPECT_EQ(image[0x3400 + 32 * 13 + 1], 0x03);
    // Standard formats: periods only; TP40 hidden in the normal mode.
    EXPECT_FALSE(table.IsEditable(1, 1));
    EXPECT_TRUE(table.IsEditable(FiveToneTable::TonePeriodRow, 1));
    EXPECT_TRUE(table.IsColumnHidden(FiveToneTable::Tp40Column));
    EXPECT_TRUE(FiveToneTable::Model(image, 2).IsEditable(1, 1));

    // Without a reference no tone can be edited.
    image[0x3000] = image[0x3001] = 0;
    FiveToneTable::Model zero(image, 0);
    EXPECT_EQ(zero.Text(1, user), "0");
    EXPECT_FALSE(zero.IsEditable(1, user));
}

TEST(FiveToneTableModel, OkPassRewritesNothingUntouched) {
    CloneImage image = ZeroedImage();
    image[0x3000] = 0x33;  // reference 11059: values do not round-trip
    image[0x3001] = 0x2B;
    for (int i = 0; i < 14 * 32; ++i) image[0x3400 + i] = static_cast<std::uint8_t>(i * 7);
    const CloneImage before = image;
    FiveToneTable::Model table(image, 2);
    table.CommitChanged();
    EXPECT_TRUE(std::equal(before.data(), before.data() + CloneImage::Size, image.data()));
}

TEST(FiveToneTableModel, UserDecodeBandsMustNotOverlap) {
    CloneImage image = ZeroedImage();
    image[0x3817] = 20;  // 2 %
    FiveToneTable::Model table(image, 0);
    table.SetText(1, FiveToneTable::UserColumn, "1000");
    table.SetText(2, FiveToneTable::UserColumn, "1019");
    EXPECT_EQ(table.CollidingUserTones(), (std::vector<int>{0, 1}));
    table.SetText(2, FiveToneTable::UserColumn, "1041");
    EXPECT_TRUE(table.CollidingUserTones().empty());
}
