// The grid-view framework on the three 2-tone views, without windows.
#include <gtest/gtest.h>

#include "ToneFixture.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/ItemsTone.h"
#include "image/ItemMap.h"
#include "tone/ToneTables.h"
#include "tone/TwoToneViews.h"

using namespace GridView;
using namespace TwoToneViews;
using ToneFixture::B10;

namespace {

constexpr int H = 3;  // header rows

// System s's record byte.
std::uint8_t& Sys(CloneImage& image, int s, int byte) {
    return B10(image, 0x120 + 16 * s + byte);
}

struct SystemGrid : ::testing::Test {
    CloneImage image = ToneFixture::ClearedImage();
    GridViewModel view{SystemSpec(), image};
    void SetUp() override { view.Refresh(); }
};

}  // namespace

TEST_F(SystemGrid, EditedCellsReachTheirFieldsAndShowAgain) {
    struct Case {
        int system, col;
        const char* typed;
        int byte;
        std::uint8_t mask, expected;
        const char* shown;
    };
    const Case cases[] = {
        {1, SystemCol::CallCode, "Enc Code-3", 0, 0x0F, 2, "Enc Code-3"},
        {0, SystemCol::Period1st, "1,5", 4, 0xFF, 30, "1.50 sec"},
        {0, SystemCol::Period2nd, "20", 5, 0xFF, 255, "12.75 sec"},
        {0, SystemCol::PeriodGroup, "0.5 sec", 6, 0xFF, 10, "0.50 sec"},
        {2, SystemCol::PeriodGroup, "------", 6, 0xFF, 0, "------"},
        {3, SystemCol::MoniSw, "Both", 3, 0xC0, 0xC0, "Both"},
    };
    for (const auto& c : cases) {
        const int row = H + c.system;
        view.SetText(row, c.col, c.typed);
        EXPECT_TRUE(view.CommitCell(row, c.col)) << c.typed;
        EXPECT_EQ(Sys(image, c.system, c.byte) & c.mask, c.expected) << c.typed;
        EXPECT_EQ(view.Text(row, c.col), c.shown);
    }
}

TEST_F(SystemGrid, ChecksCopyAsVAndPasteFromVOnly) {
    Sys(image, 0, 1) = 0x02;  // duty ticked (1), sync mute ticked (0)
    view.Refresh();
    EXPECT_EQ(view.Text(H, SystemCol::Duty), " ");
    EXPECT_EQ(view.CopyCellText(H, SystemCol::Duty), "v");
    EXPECT_EQ(view.CopyCellText(H, SystemCol::SyncMute), "v");

    Sys(image, 1, 1) = 0x10;  // sync mute not ticked
    view.Refresh();
    EXPECT_FALSE(view.PasteCell(H + 1, SystemCol::SyncMute, "x"));
    EXPECT_EQ(Sys(image, 1, 1), 0x10);
    EXPECT_TRUE(view.PasteCell(H + 1, SystemCol::SyncMute, "v"));
    EXPECT_EQ(Sys(image, 1, 1), 0x00);
    EXPECT_EQ(view.Text(H + 1, SystemCol::SyncMute), " ");
}

TEST_F(SystemGrid, RowCopyAndRowPasteNeedEveryField) {
    Sys(image, 0, 0) = 4;
    Sys(image, 0, 4) = 20;
    view.Refresh();
    const std::string two = view.CopyRows({H, H + 1});
    ASSERT_EQ(std::count(two.begin(), two.end(), '\n'), 1);
    EXPECT_NE(two.back(), '\n');
    const std::string line = two.substr(0, two.find('\n'));
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 18);

    // One line onto three selected rows writes all three (the row number
    // column is read-only).
    view.PasteRows(line, H + 2, {H + 2, H + 3, H + 4});
    for (int s : {2, 3, 4}) {
        EXPECT_EQ(Sys(image, s, 0) & 0x0F, 4) << s;
        EXPECT_EQ(Sys(image, s, 4), 20) << s;
    }
    // 18 fields change nothing.
    const CloneImage before = image;
    view.PasteRows(line.substr(0, line.rfind('\t')), H + 5, {H + 5, H + 6});
    EXPECT_EQ(image, before);
    // Several lines go to consecutive rows and stop at the last row.
    view.PasteRows(line + "\n" + line, H + 7, {});
    EXPECT_EQ(Sys(image, 7, 0) & 0x0F, 4);
    EXPECT_EQ(image[ToneFixture::Block10 + 0x120 + 16 * 8], 0);  // the decode area after the systems
}

TEST_F(SystemGrid, VariantZeroHidesDecodeCodes6To8InGridAndPrint) {
    ASSERT_EQ(Model::GetBandSelection(image), 0);
    // Firmware 1.00.00.00: older than both C/D Comp thresholds.
    for (int field : {0, 1, 4, 5}) image[ItemMap::HeaderInfoItems[field].offset] = field == 0 ? 0x01 : 0x00;
    for (int c = 0; c < view.Cols(); ++c)
        EXPECT_EQ(view.IsColumnHidden(c), (c >= 13 && c <= 15) || c == SystemCol::CdComp) << c;
    const HeaderSpanRows spans = view.PrintHeaderSpans();
    EXPECT_EQ(spans[0][1].colspan, 14);  // 18 data columns less C/D Comp and 3 decode codes
    EXPECT_EQ(spans[1][8].colspan, 5);   // "Decode Code" over 1-5
    EXPECT_EQ(spans[1][7].rowspan, 0);   // the hidden C/D Comp heading is not written
    EXPECT_EQ(spans[2][13].rowspan, 0);

    ItemMap::SetKeypadType(image, 1);  // variant 1 shows them
    ASSERT_EQ(Model::GetBandSelection(image), 1);
    EXPECT_FALSE(view.IsColumnHidden(13));
    EXPECT_EQ(view.PrintHeaderSpans()[1][8].colspan, 8);
    // Firmware 2.01.01.00 shows C/D Comp on every model.
    const std::uint8_t v201[] = {0x02, 0x01, 0x01, 0x00};
    const int fields[] = {0, 1, 4, 5};
    for (int i = 0; i < 4; ++i) image[ItemMap::HeaderInfoItems[fields[i]].offset] = v201[i];
    EXPECT_FALSE(view.IsColumnHidden(SystemCol::CdComp));
    EXPECT_EQ(view.PrintHeaderSpans()[0][1].colspan, 18);
}

TEST_F(SystemGrid, OutOfListCallCodeStaysThroughOkAndIsCopiedToTheHeader) {
    Sys(image, 5, 0) = 0x0B;
    view.Refresh();
    EXPECT_EQ(view.Text(H + 5, SystemCol::CallCode), "");
    EXPECT_TRUE(view.InvalidCells().count({H + 5, SystemCol::CallCode}));
    const CloneImage before = image;
    view.CommitChangedCells();
    EXPECT_EQ(image, before);
    CopyCallCodesToHeader(image);
    EXPECT_EQ(image[200 + 5], 0x0B);
    EXPECT_EQ(image[200 + 0], 0x00);
}

TEST_F(SystemGrid, SpaceCyclesListsAndTogglesChecks) {
    Sys(image, 0, 3) = 0xC0;  // Moni SW "Both"
    view.Refresh();
    EXPECT_EQ(view.ActionOf(SystemCol::MoniSw, Gesture::Space), Action::Cycle);
    view.CycleCell(H, SystemCol::MoniSw);
    EXPECT_EQ(view.Text(H, SystemCol::MoniSw), "-----");
    EXPECT_EQ(Sys(image, 0, 3) & 0xC0, 0);
    view.CycleCell(H, SystemCol::DecodeCode1);  // ticked (0) -> not ticked (1)
    EXPECT_EQ(Sys(image, 0, 14) & 0x01, 1);
    EXPECT_EQ(view.ActionOf(SystemCol::CallCode, Gesture::Enter), Action::PassOn3);
    EXPECT_EQ(view.ActionOf(0, Gesture::Space), Action::Consume);
}

TEST_F(SystemGrid, EditorsFollowTheColumnKinds) {
    auto e = view.BeginEdit(H, SystemCol::CallCode);
    EXPECT_TRUE(e.allowed);
    EXPECT_EQ(e.comboList.substr(0, 21), "Enc Code-1|Enc Code-2");
    e = view.BeginEdit(H, SystemCol::Period1st);
    EXPECT_TRUE(e.allowed);
    EXPECT_EQ(e.maxLength, 5);
    EXPECT_FALSE(view.BeginEdit(H, SystemCol::Duty).allowed);
    EXPECT_FALSE(view.BeginEdit(H, 0).allowed);
    EXPECT_EQ(view.FilterKey(SystemCol::Period1st, U'a'), 0u);
    EXPECT_EQ(view.FilterKey(SystemCol::Period1st, U','), U',');
    EXPECT_EQ(view.FilterKey(SystemCol::Period1st, 9), 0u);  // Tab
    EXPECT_EQ(view.FilterKey(SystemCol::Period1st, 8), 8u);  // Backspace
}

// ---- encode and decode views ---------------------------------------------------

namespace {
void SetTone(CloneImage& image, int code, std::uint32_t tenths) {
    ItemMap::SetPackBytesLE(image, code, tenths);
}
}  // namespace

TEST(EncodeGrid, ToneCellsShowFrequenciesAndOkLeavesUntouchedCodes) {
    CloneImage image = ToneFixture::ClearedImage();
    for (int c = 0; c < 10; ++c) SetTone(image, c, 0xFFFF);
    SetTone(image, 2, 10000);
    SetTone(image, 5, 10000);
    B10(image, 0x220) = 5;         // record 0: 1st tone code 5
    B10(image, 0x222) = 12;        // 2nd tone outside the list
    B10(image, 0x220 + 16) = 7;    // record 1: an empty entry
    GridViewModel view(EncodeSpec(), image);
    view.Refresh();
    EXPECT_EQ(view.Text(H, EncodeCol::Tone1st), "1000.0");
    EXPECT_EQ(view.Text(H, EncodeCol::Tone2nd), "-");
    EXPECT_EQ(view.Text(H + 1, EncodeCol::Tone1st), "0.0");
    const CloneImage before = image;
    view.CommitChangedCells();
    EXPECT_EQ(image, before);  // duplicates, empty entries and 12 stay as stored

    // A typed or pasted frequency picks the first code with that tone.
    EXPECT_TRUE(view.PasteCell(H + 2, EncodeCol::Tone1st, "1000.0"));
    EXPECT_EQ(B10(image, 0x220 + 32), 2);
    EXPECT_TRUE(view.PasteCell(H + 2, EncodeCol::Tone2nd, "-"));
    EXPECT_EQ(B10(image, 0x222 + 32), 255);
    EXPECT_FALSE(view.PasteCell(H + 2, EncodeCol::Tone2nd, "999.0"));
    EXPECT_EQ(view.ActionOf(EncodeCol::Tone1st, Gesture::DoubleClick), Action::Select);
    EXPECT_EQ(view.ActionOf(EncodeCol::Tone1st, Gesture::Space), Action::Consume);
}

TEST(DecodeGrid, LedAlertAndRepeatRules) {
    CloneImage image = ToneFixture::ClearedImage();
    GridViewModel view(DecodeSpec(), image);
    view.adjustEdit = [&](int r, int c, GridViewModel::EditStart& e) { AdjustDecodeEdit(view, r, c, e); };
    view.Refresh();
    std::uint8_t& led = B10(image, 0x1A3);
    EXPECT_EQ(view.Text(H, DecodeCol::DecodeLed), "OFF");  // mode 0, both bits 0
    led = 0x02;
    view.RefreshRow(H);
    EXPECT_EQ(view.Text(H, DecodeCol::DecodeLed), "------");
    led = 0x00;
    view.RefreshRow(H);
    view.CycleCell(H, DecodeCol::DecodeLed);  // OFF -> ON sets both bits and mode 1
    EXPECT_EQ(led, 0x13);
    EXPECT_EQ(view.Text(H, DecodeCol::DecodeLed), "ON");
    view.CycleCell(H, DecodeCol::DecodeLed);
    view.CycleCell(H, DecodeCol::DecodeLed);  // Blink -> ------
    EXPECT_EQ(view.Text(H, DecodeCol::DecodeLed), "------");
    view.CycleCell(H, DecodeCol::DecodeLed);  // ------ -> OFF clears everything
    EXPECT_EQ(led, 0x00);

    B10(image, 0x1A4) = 0x10;  // Single
    B10(image, 0x1A5) = 10;
    view.RefreshRow(H);
    EXPECT_EQ(view.Text(H, DecodeCol::AlertRepeat), "------");
    EXPECT_FALSE(view.BeginEdit(H, DecodeCol::AlertRepeat).allowed);
    view.CycleCell(H, DecodeCol::AlertMode);  // Single -> Repeat: repeat becomes Endless
    EXPECT_EQ(B10(image, 0x1A4), 0x30);
    EXPECT_EQ(B10(image, 0x1A5), 0);
    EXPECT_EQ(view.Text(H, DecodeCol::AlertRepeat), "Endless");
    EXPECT_TRUE(view.BeginEdit(H, DecodeCol::AlertRepeat).allowed);
}

TEST(DecodeGrid, BeepListAndSampleFiles) {
    CloneImage image = ToneFixture::ClearedImage();
    ItemMap::SetProductType(image, 1);
    GridViewModel view(DecodeSpec(), image);
    view.adjustEdit = [&](int r, int c, GridViewModel::EditStart& e) { AdjustDecodeEdit(view, r, c, e); };
    view.Refresh();
    EXPECT_EQ(view.BeginEdit(H, DecodeCol::Beep).comboList, "-|A|B|C|D|E|F|G");

    // Firmware thresholds compare as decimal: 1.10.02.05 allows all ten.
    ItemMap::SetProductType(image, 2);
    const std::size_t fw[] = {0, 1, 4, 5};  // version bytes in the header
    const std::uint8_t below[] = {0x01, 0x10, 0x02, 0x04}, at[] = {0x01, 0x10, 0x02, 0x05};
    for (int i = 0; i < 4; ++i) image[ItemMap::HeaderInfoItems[fw[i]].offset] = below[i];
    EXPECT_FALSE(AllBeepsAllowed(image));
    for (int i = 0; i < 4; ++i) image[ItemMap::HeaderInfoItems[fw[i]].offset] = at[i];
    EXPECT_TRUE(AllBeepsAllowed(image));

    B10(image, 0x1A6 + 16) = 0x30;  // record 1: beep C
    EXPECT_EQ(SampleFile(image, 1, "/p"), std::filesystem::path("/p/Tone_sample/C.wav"));
    B10(image, 0x1A6 + 16) = 0xB0;  // 11: not a beep
    EXPECT_TRUE(SampleFile(image, 1, "/p").empty());
    EXPECT_TRUE(SampleFile(image, 0, "/p").empty());  // "-"
}

TEST(DecodeGrid, TagAndCallDisplayShowOnlyForDisplayTypes2_5_6) {
    CloneImage image = ToneFixture::ClearedImage();
    GridViewModel view(DecodeSpec(), image);
    for (std::uint32_t type : {0u, 1u, 2u, 5u, 6u, 7u}) {
        ItemMap::SetDisplayType(image, type);
        const bool shown = type == 2 || type == 5 || type == 6;
        EXPECT_EQ(view.IsColumnHidden(DecodeCol::Tag), !shown) << type;
        EXPECT_EQ(view.IsColumnHidden(DecodeCol::CallDisp), !shown) << type;
        EXPECT_FALSE(view.IsColumnHidden(DecodeCol::AfMute));
    }
}

TEST(DragBetweenViews, EncodeRecordsAssignCallCodesAndDecodeRecordsTick) {
    CloneImage image = ToneFixture::ClearedImage();
    GridViewModel encode(EncodeSpec(), image), decode(DecodeSpec(), image), system(SystemSpec(), image);
    encode.Refresh();
    decode.Refresh();
    system.Refresh();
    const DragPayload enc = MakeDragPayload(encode, 2, {H + 0, H + 2});
    EXPECT_EQ(enc.records[0], 1);
    EXPECT_EQ(enc.records[1], 0xFF);
    EXPECT_EQ(enc.records[2], 3);
    EXPECT_FALSE(DropOnSystem(system, enc, H + 3, SystemCol::Duty));
    EXPECT_TRUE(DropOnSystem(system, enc, H + 3, SystemCol::CallCode));
    EXPECT_EQ(system.Text(H + 3, SystemCol::CallCode), "Enc Code-1");
    EXPECT_EQ(system.Text(H + 4, SystemCol::CallCode), "Enc Code-3");

    B10(image, 0x120 + 14) = 0xFF;  // system 0: no decode code ticked
    system.Refresh();
    const DragPayload dec = MakeDragPayload(decode, 3, {H + 1});
    EXPECT_TRUE(DropOnSystem(system, dec, H, SystemCol::DecodeCode1));
    EXPECT_EQ(B10(image, 0x120 + 14), 0xFD);  // code 2 ticked = 0
    EXPECT_EQ(system.Text(H, SystemCol::DecodeCode1 + 1), " ");
}
