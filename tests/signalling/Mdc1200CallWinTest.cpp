// The "MDC1200 Call" dialog (three call keys above the call list grid) on
// the default data file, driven by keys and clicks: OK writes exactly the
// edited bytes, Cancel and a second OK write nothing, values without a row
// survive; rows in use, locked ALL Call IDs, row copy and paste, playback
// and the printout.
#include <wx/clipbrd.h>

#include <tuple>

#include "RealInput.h"
#include "SettingsWinFixture.h"
#include "image/ItemsSignalling.h"
#include "settings/SettingsPrint.h"
#include "signalling/Mdc1200CallList.h"

using namespace SettingsTest;
using namespace Mdc1200Call;

namespace {

using Keys = CMDC1200CallKeyPage;
constexpr int H = HeaderRows;
constexpr std::size_t kRecords = 0x2980;

std::size_t Record(int n, int offset) {
    return kRecords + 16 * static_cast<std::size_t>(n) + static_cast<std::size_t>(offset);
}

struct Mdc1200CallWin : SettingsWin {
    CMDC1200CallDlg* grid = nullptr;

    void OpenCall() {
        Open(&CMDC1200CallAdvDlg::MakeDialog);
        grid = CMDC1200CallAdvDlg::AttachGrid(*dialog, "/nonexistent-zt-folder");
        Settle();
    }
    CVSFlexGrid& Grid() { return grid->Grid(); }
    std::string Cell(int row, int col) { return Grid().GetTextMatrix(row, col); }
    wxComboBox* Combo(int id) { return wxDynamicCast(Control(id), wxComboBox); }
    // Clicks a cell, then sends a key; again while the key had no effect
    // (another test program may hold the display for a moment).
    void KeyOn(int row, int col, int key, const std::function<bool()>& done, int modifiers = wxMOD_NONE) {
        for (int attempt = 0; attempt < 5 && !done(); ++attempt) {
            RealInput::ClickCell(Grid(), row, col);
            ASSERT_TRUE(RealInput::Focus(&Grid()));
            RealInput::Key(key, modifiers);
            RealInput::WaitFor(done, 500);
        }
        EXPECT_TRUE(done()) << "key " << key << " on " << row << "," << col << " had no effect";
    }
    static std::string Clipboard() {
        std::string text;
        if (!wxTheClipboard->Open()) return text;
        wxTextDataObject data;
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT))
            wxTheClipboard->GetData(data);
        wxTheClipboard->Close();
        return data.GetText().utf8_string();
    }
    static void SetClipboard(const std::string& text) {
        ASSERT_TRUE(wxTheClipboard->Open());
        wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text)));
        wxTheClipboard->Close();
    }
    static std::vector<std::string> Fields(const std::string& line) {
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', start);
            fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) return fields;
            start = tab + 1;
        }
    }
    static std::string Join(const std::vector<std::string>& fields) {
        std::string line;
        for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + fields[i];
        return line;
    }
};

}  // namespace

TEST_F(Mdc1200CallWin, KeysAndIdsByteForByteAndTheKeyListsFollowTheGrid) {
    document[Record(0, 0)] = 0x1A;
    document[Record(0, 1)] = 0x2B;
    document[Record(2, 2)] &= 0x7F;  // Call-3 in use
    OpenCall();
    EXPECT_EQ(dialog->GetTitle(), "MDC1200 Call");
    EXPECT_EQ(Cell(H, Col::Id), "1a2b");
    EXPECT_EQ(Combo(Keys::IDC_KEY1_ID)->GetString(0), "Call-1 : 1A2B");
    EXPECT_EQ(Combo(Keys::IDC_KEY1_ID)->GetString(2), "Call-3 :    3");
    Pick(Keys::IDC_KEY1_TYPE, "Sel Call");
    Pick(Keys::IDC_KEY1_ID, "Call-3 :    3");

    // A new ID for Call-3 shows in the key lists at once; the selection stays.
    KeyOn(H + 2, Col::Id, WXK_RETURN, [&] { return Grid().IsCellEditControlShown(); });
    RealInput::Type("e1f");
    RealInput::Key(WXK_RETURN);
    ASSERT_TRUE(RealInput::WaitFor([&] { return Cell(H + 2, Col::Id) == "0e1f"; }));
    ASSERT_TRUE(RealInput::WaitFor([&] { return Combo(Keys::IDC_KEY1_ID)->GetString(2) == "Call-3 :  E1F"; }));
    EXPECT_EQ(Combo(Keys::IDC_KEY1_ID)->GetSelection(), 2);
    EXPECT_EQ(Combo(Keys::IDC_KEY2_ID)->GetString(2), "Call-3 :  E1F");

    // An emptied ID is refused, not stored as 0.
    KeyOn(H, Col::Id, WXK_RETURN, [&] { return Grid().IsCellEditControlShown(); });
    RealInput::Key(WXK_BACK);
    RealInput::Key(WXK_BACK);
    RealInput::Key(WXK_BACK);
    RealInput::Key(WXK_BACK);
    RealInput::Key(WXK_RETURN);
    ASSERT_TRUE(RealInput::WaitFor([&] { return !Grid().IsCellEditControlShown(); }));
    RealInput::Settle();
    EXPECT_EQ(Cell(H, Col::Id), "1a2b");

    // A tag typed in lower case is stored upper-cased, filled with blanks to 8.
    KeyOn(H, Col::Tag, WXK_RETURN, [&] { return Grid().IsCellEditControlShown(); });
    RealInput::Type("ab");
    RealInput::Key(WXK_RETURN);
    ASSERT_TRUE(RealInput::WaitFor([&] { return Cell(H, Col::Tag).rfind("AB", 0) == 0; })) << Cell(H, Col::Tag);

    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    Changes expected{{0x28B0, 2}, {0x28B1, 2}};
    for (int i = 0; i < 8; ++i) {
        const auto tag = static_cast<std::uint8_t>(i == 0 ? 'A' : i == 1 ? 'B' : ' ');
        if (before[Record(0, 8 + i)] != tag) expected[Record(0, 8 + i)] = tag;
    }
    expected[Record(2, 0)] = 0x0E;
    expected[Record(2, 1)] = 0x1F;
    EXPECT_EQ(Diff(before, document), expected);

    OpenCall();
    EXPECT_EQ(Cell(H, Col::Id), "1a2b");
    ClickOk();
    const CloneImage after = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(after, document), Changes{});
}

TEST_F(Mdc1200CallWin, OutOfListValuesAndErasedIdsSurviveOkAndCancelWritesNothing) {
    document[0x28B0] = 7;   // a key type without a row
    document[0x28B3] = 20;  // a call number past Call-16
    document[Record(0, 2)] = static_cast<std::uint8_t>((document[Record(0, 2)] & 0x90) | 0x60 | 12);  // type 3, tone 12
    document[Record(1, 0)] = 0xFF;  // an erased record
    document[Record(1, 1)] = 0xFF;
    document[Record(1, 2)] = 0xFF;
    const CloneImage unchanged = document;
    OpenCall();
    EXPECT_EQ(Combo(Keys::IDC_KEY1_TYPE)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Combo(Keys::IDC_KEY2_ID)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Cell(H, Col::RingTone), "");
    EXPECT_EQ(Cell(H + 1, Col::Id), "ffff");
    // Out of its type's range: the visible ID says so.
    EXPECT_EQ(Grid().GetCellForeColor(H, Col::Id), CMDC1200CallDlg::OutOfRangeText);
    ClickOk();
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(document, unchanged);

    OpenCall();
    Pick(Keys::IDC_KEY3_TYPE, "Radio Check");
    KeyOn(H, Col::CallNo, WXK_SPACE, [&] { return working[Record(0, 2)] & 0x80; });
    ClickCancel();
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(document, unchanged);
}

TEST_F(Mdc1200CallWin, RowsInUseCopyPasteAllCallLockAndRingTonePlayback) {
    document[Record(0, 2)] = static_cast<std::uint8_t>((document[Record(0, 2)] & 0xE0) | 10);  // ACK, tone J
    OpenCall();
    EXPECT_EQ(Cell(H, Col::RingTone), "J");
    EXPECT_EQ(Cell(H, Col::AckExp), "");  // checked
    EXPECT_EQ(Grid().GetCellForeColor(H + 1, Col::Id), CMDC1200CallDlg::GreyText);

    // The tone sample is named after the stored tone.
    const std::size_t shown = messages.Count();
    KeyOn(H, Col::TonePlay, WXK_SPACE, [&] { return messages.Count() > shown; });
    EXPECT_NE(messages.Last().text.find("Tone_sample/J.wav"), std::string::npos) << messages.Last().text;

    // A grey row takes no edit.
    RealInput::ClickCell(Grid(), H + 1, Col::Tag);
    RealInput::Key(WXK_RETURN);
    EXPECT_FALSE(Grid().IsCellEditControlShown());

    // Row copy: 24 fields, check cells as "v" and "-"; pasted onto Call-2 it
    // takes the row in use.
    KeyOn(H, Col::CallNo, 'C', [&] { return Fields(Clipboard()).size() == Cols; }, wxMOD_CONTROL);
    std::vector<std::string> fields = Fields(Clipboard());
    ASSERT_EQ(fields.size(), static_cast<std::size_t>(Cols));
    EXPECT_EQ(fields[Col::Type], "Individual");
    EXPECT_EQ(fields[Col::AckExp], "v");
    EXPECT_EQ(fields[Col::FirstSystem], "-");
    KeyOn(H + 1, Col::CallNo, 'V', [&] { return (working[Record(1, 2)] & 0x80) == 0; }, wxMOD_CONTROL);
    EXPECT_EQ(working[Record(1, 2)] & 0x7F, working[Record(0, 2)] & 0x7F);
    EXPECT_EQ(Cell(H + 1, Col::RingTone), "J");

    // A line of 23 fields changes nothing; an "ALL Call" row locks its ID at FFFF.
    std::vector<std::string> short_ = fields;
    short_.pop_back();
    SetClipboard(Join(short_));
    const CloneImage beforeShort = working;
    RealInput::ClickCell(Grid(), H + 2, Col::CallNo);
    RealInput::Key('V', wxMOD_CONTROL);
    EXPECT_EQ(working, beforeShort);
    fields[Col::Type] = "ALL Call";
    SetClipboard(Join(fields));
    KeyOn(H + 2, Col::CallNo, 'V', [&] { return Cell(H + 2, Col::Id) == "FFFF"; }, wxMOD_CONTROL);
    EXPECT_FALSE(grid->Locks().Editable(H + 2, Col::Id));
    EXPECT_TRUE(grid->Locks().ColumnHasLocks(Col::Id));
    EXPECT_EQ(Grid().GetCellBackColor(H + 2, Col::Id), CellLocks::LockedBack);
    RealInput::ClickCell(Grid(), H + 2, Col::Id);
    RealInput::Key(WXK_RETURN);
    EXPECT_FALSE(Grid().IsCellEditControlShown());

    // Space on "Call No." takes Call-1 out of use.
    KeyOn(H, Col::CallNo, WXK_SPACE, [&] { return (working[Record(0, 2)] & 0x80) != 0; });

    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    const std::uint8_t pasted = before[Record(0, 2)] & 0x7F;
    EXPECT_EQ(Diff(before, document),
              (Changes{{Record(0, 2), static_cast<std::uint8_t>(pasted | 0x80)},
                       {Record(1, 1), 0x01},
                       {Record(1, 2), pasted},
                       {Record(2, 0), 0xFF},
                       {Record(2, 1), 0xFF},
                       {Record(2, 2), static_cast<std::uint8_t>((pasted & 0x1F) | 0x40)}}));
}

TEST_F(Mdc1200CallWin, PrintoutIsTheKeyFormThenTheRecordsInUseThenNothing) {
    document[Record(3, 2)] &= 0x7F;  // Call-4 in use as well
    const auto print = MakeMdc1200CallPrint(document);
    std::string keys, list, more, past;
    print->RenderPage(keys, &document);
    print->RenderPage(list, &document);
    print->RenderPage(more, &document);
    print->RenderPage(past, &document);
    // Three columns: the key, its type, its call record.
    EXPECT_EQ(keys.rfind("<table width=\"100%\"><colgroup span=\"3\"></colgroup>\n"
                         "<tr><th colspan=\"3\">[Call Key Setting]</th>\n</tr>\n"
                         "<tr><th>&nbsp;</th>\n<th>Type</th>\n<th>ID</th>\n</tr>\n"
                         "<tr><td>Call 1:</td>\n<td>Disable</td>\n<td>Call-1 :    1</td>\n</tr>\n",
                         0),
              0u)
        << keys;
    EXPECT_NE(keys.find("<tr><td>Call 3:</td>\n<td>Disable</td>\n<td>Call-3 :    3</td>\n</tr>\n</table>\n"),
              std::string::npos)
        << keys;
    EXPECT_NE(list.find("[MDC1200 Call - 1(MDC1200 Call)]"), std::string::npos) << list;
    EXPECT_NE(list.find("rowspan=\"2\" class=\"borderless\">Call No."), std::string::npos) << list;
    EXPECT_EQ(list.find("Tone Play"), std::string::npos) << list;
    EXPECT_NE(list.find("<td>1</td>"), std::string::npos) << list;
    EXPECT_NE(list.find("<td>4</td>"), std::string::npos) << list;
    EXPECT_EQ(list.find("<td>2</td>"), std::string::npos) << list;
    EXPECT_EQ(more, "");
    EXPECT_EQ(past, Settings::SettingsPrint::InvalidPageText);
}

// Made larger, the call list takes all the room gained, OK and Cancel keep to
// the bottom-right corner and Help to its place on the left; the dialog never
// gets smaller than it opened. Each key's type and ID stand on its line.
TEST_F(Mdc1200CallWin, GrowingTheDialogGrowsTheCallList) {
    OpenCall();
    EXPECT_TRUE(dialog->HasFlag(wxRESIZE_BORDER));
    for (const auto& [caption, type, id] : {std::tuple{2001, Keys::IDC_KEY1_TYPE, Keys::IDC_KEY1_ID},
                                            std::tuple{2003, Keys::IDC_KEY3_TYPE, Keys::IDC_KEY3_ID}}) {
        const wxRect label = Control(caption)->GetScreenRect();
        const wxRect typeBox = Control(type)->GetScreenRect();
        const wxRect idBox = Control(id)->GetScreenRect();
        EXPECT_NEAR(typeBox.GetTop(), idBox.GetTop(), 3) << caption;
        EXPECT_GT(typeBox.GetLeft(), label.GetRight()) << caption;
        EXPECT_GT(idBox.GetLeft(), typeBox.GetRight()) << caption;
        EXPECT_LT(idBox.GetBottom(), grid->GetScreenRect().GetTop()) << caption;
    }

    const wxSize opened = dialog->GetSize();
    EXPECT_EQ(dialog->GetMinSize(), opened);
    const auto cornerDistance = [&](int button) {
        const wxRect r = dialog->FindWindow(button)->GetRect();
        const wxSize client = dialog->GetClientSize();
        return wxSize(client.x - r.GetRight(), client.y - r.GetBottom());
    };
    const wxSize okCorner = cornerDistance(SettingsDlg::IDC_OK);
    const wxSize cancelCorner = cornerDistance(SettingsDlg::IDC_CANCEL);
    const wxRect help = dialog->FindWindow(SettingsDlg::IDC_HELP)->GetRect();
    const wxSize helpCorner = cornerDistance(SettingsDlg::IDC_HELP);
    const wxSize gridSize = grid->GetSize();
    EXPECT_LT(help.GetRight(), dialog->FindWindow(SettingsDlg::IDC_OK)->GetRect().GetLeft());

    dialog->SetSize(opened + wxSize(120, 90));
    RealInput::WaitFor([&] { return dialog->GetSize() == opened + wxSize(120, 90); }, 2000);
    dialog->Layout();
    Settle();
    ASSERT_EQ(dialog->GetSize(), opened + wxSize(120, 90));
    EXPECT_EQ(grid->GetSize(), gridSize + wxSize(120, 90));
    EXPECT_EQ(cornerDistance(SettingsDlg::IDC_OK), okCorner);
    EXPECT_EQ(cornerDistance(SettingsDlg::IDC_CANCEL), cancelCorner);
    EXPECT_EQ(dialog->FindWindow(SettingsDlg::IDC_HELP)->GetRect().GetLeft(), help.GetLeft());
    EXPECT_EQ(cornerDistance(SettingsDlg::IDC_HELP).y, helpCorner.y);

    dialog->SetSize(opened - wxSize(100, 100));
    Settle();
    EXPECT_GE(dialog->GetSize().x, opened.x);
    EXPECT_GE(dialog->GetSize().y, opened.y);
}
