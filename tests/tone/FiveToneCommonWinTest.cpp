// The 5-Tone Common dialog on a default data file, with real key input: OK
// writes exactly the bytes of the controls changed (and the tone registers
// that follow them), Cancel and a second OK change nothing; 5-Tone Setup
// keeps the three pages on one row; the Last Gap bounds page 1's lead-in gap.
#include <wx/checkbox.h>
#include <wx/notebook.h>

#include "ToneWinUtil.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"
#include "image/Model.h"
#include "image/ToneRegisters.h"
#include "settings/SettingsPrint.h"
#include "settings/SettingsWinFixture.h"
#include "tone/FiveToneCommonDlg.h"
#include "tone/FiveToneStatusDlg.h"
#include "ui/HtmlDocument.h"

using namespace SettingsTest;
using Dlg = C5ToneCommonDlg;

namespace {

constexpr std::size_t B13 = CloneImage::BlockOffset(13);

struct FiveToneCommonWin : SettingsWin {
    ToneWin::DisplayLock keyboard;

    void OpenDialog() { Open(&C5ToneCommonDlg::MakeDialog); }
    void ShowPage(std::size_t page) {
        dialog->Tabs()->SetSelection(page);
        Settle();
    }
    // Toggles a check box with the space bar.
    void Toggle(int id, std::size_t page) {
        auto* box = wxDynamicCast(Control(id, page), wxCheckBox);
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(Focus(box));
        Key(WXK_SPACE);
    }
    Settings::SettingsForm& Form(std::size_t page) { return dialog->Model().Page(page).Form(); }
};

TEST_F(FiveToneCommonWin, OkWritesTheChosenBytesAndCancelNothing) {
    const CloneImage before = document;
    ASSERT_EQ(before[B13 + 0x12], 0x00);

    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "5-Tone Common");
    ASSERT_EQ(dialog->Tabs()->GetPageCount(), 3u);
    EXPECT_EQ(dialog->Tabs()->GetPageText(2), "Common 3");
    // Display Digit boxes 1 and 3 cleared: bits 0 and 2 of offset 0x12 set.
    Toggle(Dlg::IDC_DISPLAY_DIGIT1, 0);
    Toggle(Dlg::IDC_DISPLAY_DIGIT1 + 2, 0);
    ShowPage(1);
    Pick(Dlg::IDC_CALL1_CODE, "Enc-3", 1);
    ShowPage(2);
    Pick(Dlg::IDC_LAST_GAP_TONE, "0", 2);
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);

    CloneImage expected = before;
    expected[B13 + 0x12] = 0x05;
    expected[B13 + 0x0E] = 2;
    expected[B13 + 0x04] = static_cast<std::uint8_t>(before[B13 + 0x04] & 0xE0);
    FiveTone::RecalcToneRegisters(expected);
    EXPECT_EQ(Diff(before, document), Diff(before, expected));
    EXPECT_EQ(ItemMap::GetTone5Call1EncodeCode(document), 2u);

    // "No Tone" is stored as 16 in bits 4-0.
    OpenDialog();
    ShowPage(2);
    Pick(Dlg::IDC_LAST_GAP_TONE, "No Tone", 2);
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document[B13 + 0x04] & 0x1F, 16);

    // Opened again, the boxes show the stored mask; OK without edits changes
    // no byte.
    const CloneImage saved = document;
    OpenDialog();
    EXPECT_FALSE(Form(0).Checked(Dlg::IDC_DISPLAY_DIGIT1));
    EXPECT_TRUE(Form(0).Checked(Dlg::IDC_DISPLAY_DIGIT1 + 1));
    EXPECT_FALSE(Form(0).Checked(Dlg::IDC_DISPLAY_DIGIT1 + 2));
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(saved, document), Changes{});

    // Cancel after edits leaves the document byte for byte.
    OpenDialog();
    Toggle(Dlg::IDC_COMPARE_DIGIT1 + 7, 0);
    ShowPage(1);
    Pick(Dlg::IDC_AUTO_TX, "30 sec", 1);
    ClickCancel();
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(document, saved);
}

TEST_F(FiveToneCommonWin, AdvancedOnPageThreeGreysTheTimingAndSyncsThePages) {
    OpenDialog();
    const int page3[] = {Dlg::IDC_TAG_DISPLAY,    Dlg::IDC_ANI_DISPLAY,     Dlg::IDC_SIDE_TONE,
                         Dlg::IDC_MIN_DECODE_DIGIT, Dlg::IDC_MONITOR_MODE,  Dlg::IDC_REPEAT_TONE,
                         Dlg::IDC_GROUP_TONE,     Dlg::IDC_LAST_GAP_TONE,   Dlg::IDC_TRANSPOND_DELAY,
                         Dlg::IDC_CLEAR_TO_TRANSPOND};
    for (int id : page3) EXPECT_TRUE(Form(2).IsEnabled(id) || id == Dlg::IDC_TRANSPOND_DELAY) << id;
    // Values that go nowhere are shown read-only.
    EXPECT_FALSE(Form(2).IsEnabled(Dlg::IDC_PERIODIC_ANI));
    EXPECT_FALSE(Form(2).IsEnabled(Dlg::IDC_ANI_LOCKOUT));

    ShowPage(2);
    Pick(Dlg::IDC_SETUP, "Advanced", 2);
    for (int id : page3) {
        EXPECT_FALSE(Form(2).IsEnabled(id)) << id;
        if (wxWindow* window = dialog->Control(id, 2)) {
            EXPECT_FALSE(window->IsEnabled()) << id;
        }
    }
    EXPECT_EQ(Form(0).Value(Dlg::IDC_SETUP), 2);
    EXPECT_EQ(Form(1).Value(Dlg::IDC_SETUP), 2);
    for (int id = Dlg::IDC_AUTO_TX; id <= Dlg::IDC_TRANSPOND_RETRY; ++id)
        EXPECT_FALSE(Form(1).IsEnabled(id)) << id;
    EXPECT_TRUE(Form(1).IsEnabled(Dlg::IDC_PTT_CALL));
    EXPECT_TRUE(Form(1).IsEnabled(Dlg::IDC_CALL1_CODE));

    // Back to "Simple": everything the restriction table allows comes back,
    // the always-hidden Transpond Delay Time does not.
    Pick(Dlg::IDC_SETUP, "Simple", 2);
    for (int id : page3) EXPECT_EQ(Form(2).IsEnabled(id), id != Dlg::IDC_TRANSPOND_DELAY) << id;
    EXPECT_TRUE(Form(1).IsEnabled(Dlg::IDC_LAST_GAP));

    Pick(Dlg::IDC_SETUP, "Advanced", 2);
    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document[B13] & 0x03, 2);
    CloneImage expected = before;
    expected[B13] = static_cast<std::uint8_t>((before[B13] & 0xFC) | 2);
    FiveTone::RecalcToneRegisters(expected);
    EXPECT_EQ(Diff(before, document), Diff(before, expected));

    // Stored "Advanced" opens with the timing greyed on page 2.
    OpenDialog();
    EXPECT_FALSE(Form(1).IsEnabled(Dlg::IDC_LAST_GAP));
    EXPECT_FALSE(Form(2).IsEnabled(Dlg::IDC_SIDE_TONE));
}

TEST_F(FiveToneCommonWin, LastGapBoundsTheLeadInGap) {
    OpenDialog();
    // The stored Last Gap ("Disable") leaves the lead-in gap only "Disable".
    EXPECT_EQ(Form(0).Find(Dlg::IDC_LEAD_IN_GAP)->rows.size(), 1u);
    ShowPage(1);
    Pick(Dlg::IDC_LAST_GAP, "800 msec", 1);
    Form(0).SelectValue(Dlg::IDC_LEAD_IN_GAP, 80);
    Pick(Dlg::IDC_LAST_GAP, "500 msec", 1);
    const auto& rows = Form(0).Find(Dlg::IDC_LEAD_IN_GAP)->rows;
    ASSERT_EQ(rows.size(), 51u);
    EXPECT_EQ(rows.back().value, 50);
    EXPECT_EQ(Form(0).Value(Dlg::IDC_LEAD_IN_GAP), 50);

    const CloneImage before = document;
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    CloneImage expected = before;
    expected[B13 + 0x0A] = 50;
    FiveTone::RecalcToneRegisters(expected);
    EXPECT_EQ(Diff(before, document), Diff(before, expected));
}

// A stored value no row lists shows empty on every page and survives OK.
TEST_F(FiveToneCommonWin, OutOfListValuesShowEmptyAndAreKept) {
    ItemMap::SetTone5BeepRepeatInterval(document, 3);
    ItemMap::SetTone5Call1EncodeCode(document, 40);
    ItemMap::SetTone5LastGapTone(document, 20);
    const CloneImage before = document;
    OpenDialog();
    EXPECT_EQ(Form(0).Value(Dlg::IDC_BEEP_INTERVAL), -1);
    EXPECT_EQ(Form(1).Value(Dlg::IDC_CALL1_CODE), -1);
    EXPECT_EQ(Form(2).Value(Dlg::IDC_LAST_GAP_TONE), -1);
    auto* combo = wxDynamicCast(Control(Dlg::IDC_BEEP_INTERVAL, 0), wxComboBox);
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetValue(), "");
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    CloneImage expected = before;
    FiveTone::RecalcToneRegisters(expected);
    EXPECT_EQ(Diff(before, document), Diff(before, expected));
    EXPECT_EQ(ItemMap::GetTone5BeepRepeatInterval(document), 3u);
    EXPECT_EQ(ItemMap::GetTone5Call1EncodeCode(document), 40u);
    EXPECT_EQ(ItemMap::GetTone5LastGapTone(document), 20u);
}

// Page 1 prints each row of digit boxes as a small table across the page,
// page 2 its call key codes; the hidden controls print nowhere.
TEST_F(FiveToneCommonWin, PrintsThreePagesThenTheErrorText) {
    document[B13 + 0x12] = 0x05;  // Display Digit boxes 1 and 3 cleared
    document[B13 + 0x13] = 0x80;  // Compare Digit box 8 cleared
    ItemMap::SetTone5Call1EncodeCode(document, 2);
    const auto print = C5ToneCommonDlg::Print(document);
    std::string pages[4];
    for (auto& page : pages) print->RenderPage(page, &document);

    const auto digitTable = [](const char* caption, const char* marks) {
        std::string out = "<tr><td colspan=\"2\"><table width=\"100%\"><colgroup span=\"8\"></colgroup>\n<tr><th "
                          "colspan=\"8\">" +
                          std::string(caption) + "</th>\n</tr>\n<tr>";
        for (int k = 1; k <= 8; ++k) out += "<th  class=\"borderless\">" + std::to_string(k) + "</th>\n";
        out += "</tr>\n<tr>";
        for (int k = 0; k < 8; ++k) out += std::string("<td>") + marks[k] + "</td>\n";
        return out + "</tr>\n</table>\n</td>\n</tr>\n";
    };
    const std::string page1Head = "<table width=\"100%\"><colgroup span=\"2\"></colgroup>\n<tr><th colspan=\"2\">"
                                  "[5-Tone Common - 1(Common 1)]</th>\n</tr>\n";
    EXPECT_EQ(pages[0].rfind(page1Head + digitTable("Display Digit", "-v-vvvvv") +
                                 digitTable("Compare Digit", "vvvvvvv-") + "<tr><td>Beep Repeat Interval:</td>",
                             0),
              0u)
        << pages[0];
    for (const char* hidden : {"Auto Reset", "TP40", "5-Tone Setup", "Lead In Tone Gap"})
        EXPECT_EQ(pages[0].find(hidden), std::string::npos) << hidden;

    EXPECT_NE(pages[1].find("[5-Tone Common - 2(Common 2)]"), std::string::npos) << pages[1];
    EXPECT_NE(pages[1].find("<td>PTT Call:</td>\n<td>"), std::string::npos) << pages[1];
    EXPECT_NE(pages[1].find("<tr><td colspan=\"2\"><table width=\"100%\"><colgroup span=\"2\"></colgroup>\n"
                            "<tr><th colspan=\"2\">Call Key Code</th>\n</tr>\n"
                            "<tr><td>Call 1 Encode Code:</td>\n<td>Enc-3</td>\n</tr>\n"),
              std::string::npos)
        << pages[1];
    EXPECT_LT(pages[1].find("PTT Call"), pages[1].find("Call Key Code"));
    EXPECT_NE(pages[1].find("<td>Call 3 Encode Code:</td>"), std::string::npos);
    EXPECT_EQ(pages[1].find("Emergency"), std::string::npos);

    EXPECT_NE(pages[2].find("[5-Tone Common - 3(Common 3)]"), std::string::npos) << pages[2];
    EXPECT_NE(pages[2].find("<td>Last Gap Tone:</td>"), std::string::npos) << pages[2];
    EXPECT_NE(pages[2].find("<tr><td>TAG Display:</td>\n<td>"), std::string::npos) << pages[2];
    EXPECT_NE(pages[2].find("<tr><td>ANI Display:</td>\n<td>"), std::string::npos) << pages[2];
    EXPECT_EQ(pages[2].find("Periodic ANI"), std::string::npos);
    EXPECT_EQ(pages[3], Settings::SettingsPrint::InvalidPageText);

    // Variant 0 in normal mode hides the Display Digit row, and so its table.
    CloneImage variant0 = document;
    ItemMap::SetProductType(variant0, 2);
    ItemMap::SetKeypadType(variant0, 0);
    ASSERT_EQ(Model::GetBandSelection(variant0), 0);
    std::string page1;
    C5ToneCommonDlg::Print(variant0)->RenderPage(page1, &variant0);
    EXPECT_EQ(page1.find("Display Digit"), std::string::npos) << page1;
    EXPECT_NE(page1.find(digitTable("Compare Digit", "vvvvvvv-")), std::string::npos) << page1;
}

}  // namespace

namespace {

struct FiveToneStatusWin : SettingsWin {
    ToneWin::DisplayLock keyboard;
};

TEST_F(FiveToneStatusWin, FivePagesOfReadOnlyTagsThatNeverTouchTheImage) {
    EXPECT_EQ(C5ToneStatusDlg::RowCaption(0, 0), "&0");
    EXPECT_EQ(C5ToneStatusDlg::RowCaption(0, 19), "19(&J)");
    EXPECT_EQ(C5ToneStatusDlg::RowCaption(20, 0), "2&0");
    EXPECT_EQ(C5ToneStatusDlg::RowCaption(20, 10), "30(&A)");
    EXPECT_EQ(C5ToneStatusDlg::RowCaption(80, 9), "8&9");

    const CloneImage before = document;
    Open(&C5ToneStatusDlg::MakeDialog);
    EXPECT_EQ(dialog->GetTitle(), "5-Tone Status");
    ASSERT_EQ(dialog->Tabs()->GetPageCount(), 5u);
    EXPECT_EQ(dialog->Tabs()->GetPageText(0), "#0-19");
    EXPECT_EQ(dialog->Tabs()->GetPageText(4), "#80-99");
    for (std::size_t page = 0; page < 5; ++page)
        for (int row = 0; row < 20; ++row) {
            wxWindow* edit = Control(C5ToneStatusDlg::IDC_TAG0 + row, page);
            ASSERT_NE(edit, nullptr);
            EXPECT_FALSE(edit->IsEnabled());
        }
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, before);

    Open(&C5ToneStatusDlg::MakeDialog);
    Key(WXK_ESCAPE);
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(document, before);
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// Two tables of 50 (the third page split between them), each line the
// status number and its empty tag; then the error text. In the document the
// tables stand side by side.
TEST_F(FiveToneStatusWin, PrintsTwoTablesOfFiftyThenTheErrorText) {
    auto print = C5ToneStatusDlg::Print(document);
    std::string tables[3];
    for (auto& table : tables) print->RenderPage(table, &document);
    const auto line = [](const char* caption) {
        return "<tr><td>" + std::string(caption) + ":</td>\n<td>&nbsp;</td>\n</tr>\n";
    };
    struct Case {
        const char* heading;
        const char* first;
        const char* last;
    };
    const Case cases[] = {{"[5-Tone Status (#0-49)]", "0", "49"}, {"[5-Tone Status (#50-99)]", "50(A)", "99(J)"}};
    for (int i = 0; i < 2; ++i) {
        const std::string& table = tables[i];
        EXPECT_EQ(table.rfind("<table width=\"100%\"><colgroup span=\"2\"></colgroup>\n<tr><th colspan=\"2\">" +
                                  std::string(cases[i].heading) + "</th>\n</tr>\n" + line(cases[i].first),
                              0),
                  0u)
            << table;
        EXPECT_EQ(table.substr(table.size() - line(cases[i].last).size() - 9), line(cases[i].last) + "</table>\n");
        EXPECT_EQ(Count(table, "<tr><td>"), 50u) << table;
        EXPECT_EQ(Count(table, "<table"), 1u);
    }
    EXPECT_NE(tables[0].find(line("20")), std::string::npos) << "access-key marks are not printed";
    EXPECT_NE(tables[0].find(line("30(A)")), std::string::npos);
    EXPECT_NE(tables[1].find(line("59(J)")), std::string::npos);
    EXPECT_EQ(tables[2], "!!! ERROR[invalid page] !!!");

    PrintScreens::Register(PrintScreens::Slot::FiveToneStatus, &C5ToneStatusDlg::Print);
    const std::string doc = Header::WriteDocumentStart(document);
    PrintScreens::Unregister(PrintScreens::Slot::FiveToneStatus);
    const auto first = doc.find("<div class=\"first\"><table width=\"100%\"><colgroup span=\"2\"></colgroup>\n"
                                "<tr><th colspan=\"2\">[5-Tone Status (#0-49)]");
    const auto second = doc.find("<div class=\"second\"><table width=\"100%\"><colgroup span=\"2\"></colgroup>\n"
                                 "<tr><th colspan=\"2\">[5-Tone Status (#50-99)]");
    ASSERT_NE(first, std::string::npos) << doc;
    ASSERT_NE(second, std::string::npos) << doc;
    EXPECT_LT(first, second);
    EXPECT_EQ(doc.find("ERROR"), std::string::npos);
}

}  // namespace

// Each digit row holds its caption and eight boxes on one line, in digit order.
TEST_F(FiveToneCommonWin, DigitBoxesStandSideBySideAfterTheirCaption) {
    OpenDialog();
    for (const int first : {static_cast<int>(Dlg::IDC_DISPLAY_DIGIT1), static_cast<int>(Dlg::IDC_COMPARE_DIGIT1)}) {
        wxWindow* previous = Control(first == Dlg::IDC_DISPLAY_DIGIT1 ? 2002 : 2003);
        ASSERT_NE(previous, nullptr);
        for (int k = 0; k < 8; ++k) {
            wxWindow* box = Control(first + k);
            ASSERT_NE(box, nullptr);
            EXPECT_NEAR(box->GetRect().GetTop() + box->GetSize().y / 2,
                        previous->GetRect().GetTop() + previous->GetSize().y / 2, 3)
                << first + k;
            EXPECT_GT(box->GetPosition().x, previous->GetRect().GetRight()) << first + k;
            previous = box;
        }
    }
    EXPECT_GT(Control(Dlg::IDC_COMPARE_DIGIT1)->GetPosition().y, Control(Dlg::IDC_DISPLAY_DIGIT1)->GetPosition().y);
}
