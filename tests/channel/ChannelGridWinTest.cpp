// The channel grid pane on a default data file: what it shows, typing into
// cells, the key and mouse gestures, the Edit commands and the cell popups.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <string>
#include <vector>

#include "ChannelGridFixture.h"
#include "WinTestUtil.h"
#include "channel/ChannelGrid.h"
#include "channel/ChannelGridCells.h"
#include "channel/ChannelGridEditRules.h"
#include "channel/ChannelPopups.h"
#include "channel/ChannelTables.h"
#include "channel/GroupGridRules.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemMap.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/TestHost.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"
#include "ui/PopupDlg.h"
#include "ui/UiUtil.h"

namespace Col = ChannelGridCells::Col;
using ChannelGridFixture::CopyFirstChannel;
using ChannelGridFixture::LoadDefault;

namespace {

// The pane as the tests drive it: the keyboard focus counts as being in the
// grid (a display without a window manager gives no reliable focus).
class TestChannelList : public ChannelList {
  public:
    using ChannelList::ChannelList;

  protected:
    bool HasGridFocus() const override { return true; }
};

// Runs every popup through `answer` instead of a modal loop.
class ScopedRunner {
  public:
    explicit ScopedRunner(ChannelPopups::ModalRunner runner) {
        ChannelPopups::SetModalRunner(std::move(runner));
    }
    ~ScopedRunner() { ChannelPopups::SetModalRunner(nullptr); }
};

struct GridFixture : ::testing::Test {
    TestHost host;
    TestFrame frame;
    CloneImage image = LoadDefault();
    CloneImage saved;  // the image as the document last loaded it
    TestChannelList* pane = nullptr;
    int changes = 0;

    void Open() {
        saved = image;
        pane = new TestChannelList(image);
        ASSERT_TRUE(pane->CreatePane(frame.frame, ChannelList::IDD));
        pane->SetOnImageChanged([this] { ++changes; });
        auto* sizer = new wxBoxSizer(wxVERTICAL);
        sizer->Add(pane, wxSizerFlags(1).Expand());
        frame->SetSizer(sizer);
        frame->Layout();
        ProcessQueued();
    }
    CVSFlexGrid& Grid() { return *pane->Grid(); }
    bool Modified() const { return CloneImageOps::Compare(image, saved) != 0; }
    std::string Cell(int row, int col) { return Grid().GetTextMatrix(row, col); }

    void Select(int row, int col) {
        Grid().ClearSelection();
        Grid().SetGridCursor(row, col);
        Grid().SelectBlock(row, col, row, col);
    }
    void SelectRows(int first, int last, int col = 0) {
        Grid().ClearSelection();
        Grid().SetGridCursor(first, col);
        Grid().SelectBlock(first, col, last, col);
    }
    void Key(int keyCode) {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = keyCode;
        key.SetEventObject(&Grid());
        Grid().ProcessWindowEvent(key);
        ProcessQueued();
    }
    void DoubleClick(int row, int col) {
        Select(row, col);
        FlexGridEvent e(FLEXGRID_DBL_CLICK, Grid().GetId());
        e.row = row;
        e.col = col;
        e.button = 1;
        Grid().ProcessWindowEvent(e);
        ProcessQueued();
    }
    // Types into the open editor the way the grid does: each character goes
    // through the pane's key filter first.
    void Type(const std::string& text) {
        ASSERT_TRUE(Grid().IsCellEditControlShown());
        auto* editor = Grid().GetCellEditor(Grid().GetRow(), Grid().GetCol());
        auto* control = dynamic_cast<wxTextCtrl*>(editor->GetControl());
        editor->DecRef();
        ASSERT_NE(control, nullptr);
        for (char ch : text) {
            FlexGridEvent e(FLEXGRID_KEY_PRESS_EDIT, Grid().GetId());
            e.row = Grid().GetRow();
            e.col = Grid().GetCol();
            e.key = static_cast<unsigned char>(ch);
            Grid().ProcessWindowEvent(e);
            if (e.key != 0) control->WriteText(wxString(static_cast<wxChar>(e.key)));
        }
    }
    void TypeIntoCell(int row, int col, const std::string& text) {
        Select(row, col);
        Grid().EditCell();
        Type(text);
        CloseEditor();
    }
    // As Enter in the editor ends an edit.
    void CloseEditor() {
        Grid().DisableCellEditControl();
        ProcessQueued();
    }
};

}  // namespace

TEST_F(GridFixture, ShowsTheSixteenChannelsOfTheGroupWithTheHeaders) {
    CopyFirstChannel(image, {1, 34});
    Open();
    EXPECT_EQ(Grid().GetRows(), 18);
    EXPECT_EQ(Grid().GetCols(), 29);
    EXPECT_EQ(Grid().GetFixedRows(), 2);
    EXPECT_EQ(pane->GetLabel(), "CH DATA");
    for (int c = 0; c < 29; ++c) {
        EXPECT_EQ(Cell(0, c), ChannelGridCells::Headers[c].top) << c;
        EXPECT_EQ(Cell(1, c), ChannelGridCells::Headers[c].bottom) << c;
    }
    for (int r = 0; r < 16; ++r) EXPECT_EQ(Cell(2 + r, 0), std::to_string(r + 1));
    EXPECT_EQ(Cell(2, Col::Tag), "CH 1    ");
    EXPECT_EQ(Cell(3, Col::TxFrequency), ChannelGridCells::FormatCellText(image, Col::TxFrequency, 1));
    // In-use rows in the normal text colour, the others grey.
    const auto normal = CVSFlexGrid::ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
    const auto grey = CVSFlexGrid::ToColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    EXPECT_EQ(Grid().GetCellForeColor(2, 5), normal);
    // (Reads use a different cell each time: wxGrid keeps the last one read
    // in a cache that a colour set in place does not refresh.)
    EXPECT_EQ(Grid().GetCellForeColor(4, 6), grey);
    // Check cells carry a picture when on; ANI shows a picture, no text.
    EXPECT_NE(Grid().GetCellPicture(2, Col::Scan), nullptr);
    EXPECT_EQ(Grid().GetCellPicture(2, Col::RxPowerSave), nullptr);
    EXPECT_NE(Grid().GetCellPicture(2, Col::Ani), nullptr);
    EXPECT_EQ(Cell(2, Col::Ani), "");
    // Equal header texts merge: "Frequency" over RX and TX.
    bool frequencyMerged = false;
    for (const auto& m : Grid().GetMergedCells())
        if (m.row == 0 && m.col == Col::RxFrequency && m.cols == 2) frequencyMerged = true;
    EXPECT_TRUE(frequencyMerged);

    pane->ShowGroup(2);
    EXPECT_EQ(Cell(2, 0), "33");
    EXPECT_EQ(Cell(17, 0), "48");
    EXPECT_TRUE(Channel::IsInUse(image, 34));
    EXPECT_EQ(Cell(4, 0), "35");
    EXPECT_EQ(Grid().GetCellForeColor(4, 5), normal) << "channel 35 is in use";
    EXPECT_EQ(pane->ChannelOfRow(4), 34);
    EXPECT_EQ(pane->ChannelOfRow(1), -1);
    EXPECT_FALSE(Modified()) << "showing changes nothing";
}

TEST_F(GridFixture, HiddenColumnsFollowTheVariant) {
    auto hidden = [&] {
        std::vector<int> cols;
        for (int c = 0; c < 29; ++c)
            if (Grid().GetColHidden(c)) cols.push_back(c);
        return cols;
    };
    image = LoadDefault("default610v.PDX");  // band selection 0, plain display
    Open();
    EXPECT_EQ(hidden(), (std::vector<int>{3, 19, 25, 26, 27, 28}));
    EXPECT_EQ(Grid().GetFrozenCols(), 3) << "the leading columns up to W/N stay in view";
    EXPECT_TRUE(pane->IsColumnEditable(19)) << "the View menu locks the group";
    EXPECT_EQ(pane->GetColumnState(3), 5);

    image = LoadDefault("default640v.PDX");
    pane->RefreshFromImage();
    EXPECT_TRUE(hidden().empty());
    EXPECT_EQ(Grid().GetFrozenCols(), 4);

    ItemMap::SetProductType(image, 0);  // band selection 4
    for (int mode = 0; mode < 3; ++mode) {
        host.serviceMode = mode;
        pane->RefreshFromImage();
        EXPECT_EQ(hidden(), std::vector<int>{8}) << mode;
    }

    // A column group the View menu turned off stays hidden when rebuilt.
    MainItems::Row(32799)->visible = 0;
    pane->RefreshFromImage();
    EXPECT_TRUE(Grid().GetColHidden(19));
    MainItems::ResetVisible();
}

TEST_F(GridFixture, TypingIntoCellsWritesTheImage) {
    Open();
    TypeIntoCell(2, Col::RxFrequency, "145.5");
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::RxFrequency(image, 0), 145.5);
    EXPECT_EQ(Cell(2, Col::RxFrequency), "145.50000");
    EXPECT_TRUE(Modified());
    EXPECT_GT(changes, 0);

    TypeIntoCell(2, Col::Tag, "ab*1");
    EXPECT_EQ(ItemMap::ReadChannelName(image, 0), "AB*1    ");
    EXPECT_EQ(Cell(2, Col::Tag), "AB*1    ");

    // "d" opens a DCS code; a seventh character is refused.
    TypeIntoCell(2, Col::DecodeSubAudio, "d023nx5");
    EXPECT_EQ(Channel::GetRxSubAudio(image, 0), (Channel::SubAudio{2, 19, 0}));
    EXPECT_EQ(Cell(2, Col::DecodeSubAudio), "D-023N");

    TypeIntoCell(2, Col::EncodeSubAudio, "c88.5");
    EXPECT_EQ(Channel::GetTxSubAudio(image, 0), (Channel::SubAudio{1, 885, 0}));

    // Letters never reach a frequency.
    TypeIntoCell(2, Col::TxFrequency, "146a.0");
    EXPECT_DOUBLE_EQ(CalcPLLFrequency::TxFrequency(image, 0), 146.0);

    // A cancelled edit writes nothing.
    const CloneImage before = image;
    Select(2, Col::DecodeSubAudio);
    Grid().EditCell();
    CloseEditor();
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0);

    // Unused channels take no edit.
    Select(3, Col::Tag);
    Grid().EditCell();
    EXPECT_FALSE(Grid().IsCellEditControlShown());
}

TEST_F(GridFixture, EditingAnEmptyTransmitCellSwitchesTransmitOn) {
    Open();
    Select(2, Col::TxFrequency);
    Key(WXK_SPACE);
    EXPECT_EQ(Cell(2, Col::TxFrequency), ChannelTables::EmptyFrequencyText);
    Grid().EditCell();
    EXPECT_NE(Grid().GetStringProperty91(), ChannelTables::EmptyFrequencyText);
    CloseEditor();
    EXPECT_EQ(ItemMap::ReadChannelField(ItemMap::ChannelItems[ItemMap::ChannelTxSetItem], image, 0), 1u);
}

TEST_F(GridFixture, SpaceEnterAndDoubleClick) {
    Open();
    // Space on the number toggles an unused channel into use; channel 1 stays.
    Select(3, Col::Number);
    Key(WXK_SPACE);
    EXPECT_TRUE(Channel::IsInUse(image, 1));
    Select(2, Col::Number);
    Key(WXK_SPACE);
    EXPECT_TRUE(Channel::IsInUse(image, 0));

    // Space cycles a list cell and a check cell of every selected row.
    CopyFirstChannel(image, {1});
    pane->RefreshAllRows();
    SelectRows(2, 3, Col::TxHpf);
    Key(WXK_SPACE);
    EXPECT_EQ(ItemMap::GetChannelTxHpfType(image, 0), 1u);
    EXPECT_EQ(ItemMap::GetChannelTxHpfType(image, 1), 1u);
    EXPECT_EQ(Cell(3, Col::TxHpf), "Up");
    Select(6, Col::Priority);  // an unused channel: nothing
    Key(WXK_SPACE);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 0xFFu);
    Select(3, Col::Priority);
    Key(WXK_SPACE);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 1u);
    EXPECT_NE(Grid().GetCellPicture(3, Col::Priority), nullptr);
    Select(2, Col::Priority);
    Key(WXK_RETURN);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 0u);
    EXPECT_EQ(Cell(3, Col::Priority), "-") << "the old priority row is shown again";

    // Enter on a text cell opens its editor.
    Select(2, Col::Tag);
    Key(WXK_RETURN);
    EXPECT_TRUE(Grid().IsCellEditControlShown());
    CloseEditor();

    // F3 swaps the DCS polarity.
    ChannelGridEdit::ParseCellText(image, 0, Col::EncodeSubAudio, "D-023N");
    pane->RefreshAllRows();
    Select(2, Col::EncodeSubAudio);
    Key(WXK_F3);
    EXPECT_EQ(Cell(2, Col::EncodeSubAudio), "D-023I");

    // A double click on the VOX cell opens its popup.
    int popups = 0;
    ScopedRunner runner([&](wxDialog& dialog) {
        ++popups;
        auto& popup = dynamic_cast<CChSetupPopup&>(dialog);
        popup.List()->SetSelection(2);
        popup.Confirm();
        return dialog.GetReturnCode();
    });
    DoubleClick(2, Col::Vox);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(ItemMap::GetChannelVox(image, 0), 2u);
    EXPECT_EQ(Cell(2, Col::Vox), "2");
    DoubleClick(4, Col::Vox);  // unused channel
    EXPECT_EQ(popups, 1);
}

TEST_F(GridFixture, RowCopyPasteInsertAndDelete) {
    CopyFirstChannel(image, {1, 2, 3});
    const char* names[] = {"A", "B", "C", "D"};
    for (int ch = 0; ch < 4; ++ch) Channel::SetTag(image, ch, names[ch]);
    ItemMap::WriteIndexedItem(image, 1, 0, 20);  // group 2 lists channel 21
    Zone::RefreshValidBits(image);
    const ImageItemDescriptor& validBits = ItemMap::ChannelBitmapItems[1];
    EXPECT_EQ(ItemMap::ReadBitmapBit(validBits, image, 1), 1);
    Open();
    auto name = [&](int ch) { return Channel::GetTag(image, ch).substr(0, 1); };

    // Copy channels 1-2, paste onto channels 5 and 21.
    SelectRows(2, 3);
    EXPECT_TRUE(pane->ExecuteCommand(ChannelList::Command::Copy));
    SelectRows(6, 6);
    pane->ExecuteCommand(ChannelList::Command::Paste);
    EXPECT_EQ(name(4), "A");
    EXPECT_TRUE(Channel::IsInUse(image, 4));
    EXPECT_EQ(Cell(6, Col::Tag).substr(0, 1), "A");

    // Insert the kept two at channel 2: B, C, D move up by two.
    SelectRows(3, 3);
    pane->ExecuteCommand(ChannelList::Command::ChInsert);
    EXPECT_EQ(name(1), "A");
    EXPECT_EQ(name(2), "B");
    EXPECT_EQ(name(3), "B");
    EXPECT_EQ(name(4), "C");
    EXPECT_EQ(name(5), "D");
    EXPECT_TRUE(Channel::IsInUse(image, 5));

    // Cut three channels picked out of order: the rest move down by three.
    Grid().ClearSelection();
    Grid().SetGridCursor(4, 0);
    Grid().SelectBlock(4, 0, 4, 0, true);
    Grid().SelectBlock(2, 0, 2, 0, true);
    Grid().SelectBlock(6, 0, 6, 0, true);
    pane->ExecuteCommand(ChannelList::Command::ChCut);
    EXPECT_EQ(name(0), "A");  // channel 1 moved down but stays in use
    EXPECT_EQ(name(1), "B");
    EXPECT_EQ(name(2), "D");
    EXPECT_TRUE(Channel::IsInUse(image, 0));
    EXPECT_EQ(Channel::ClipboardCount(), 3);

    // A new channel at channel 2 pushes the others up.
    SelectRows(3, 3);
    pane->ExecuteCommand(ChannelList::Command::ChNew);
    EXPECT_EQ(Channel::GetTag(image, 1), "        ");
    EXPECT_EQ(name(2), "B");
    EXPECT_EQ(name(3), "D");

    // "CH Copy" and "CH Paste" take whole channels from any column; a paste
    // onto channel 21 makes group 2 valid.
    Select(2, Col::Squelch);
    pane->ExecuteCommand(ChannelList::Command::ChCopy);
    EXPECT_EQ(Channel::ClipboardCount(), 1);
    pane->ShowGroup(1);
    Select(6, Col::Vox);
    pane->ExecuteCommand(ChannelList::Command::ChPaste);
    EXPECT_TRUE(Channel::IsInUse(image, 20));
    EXPECT_EQ(ItemMap::ReadBitmapBit(validBits, image, 1), 0);
    EXPECT_TRUE(Modified());
}

TEST_F(GridFixture, CellCopyPasteAndPriorityCommands) {
    CopyFirstChannel(image, {1, 2});
    ItemMap::SetChannelScanZoneBit(image, 2, 1);  // channel 3 left out of the scan
    Open();
    Select(2, Col::Scan);
    pane->ExecuteCommand(ChannelList::Command::Copy);
    EXPECT_EQ(Clipboard::PasteText(frame.frame), "v");
    Select(4, Col::Scan);
    pane->ExecuteCommand(ChannelList::Command::Paste);
    EXPECT_EQ(ItemMap::GetChannelScanZoneBit(image, 2), 0u);

    Clipboard::CopyText(frame.frame, "14a.5");
    Select(3, Col::RxFrequency);
    const CloneImage before = image;
    pane->ExecuteCommand(ChannelList::Command::Paste);
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0) << "a frequency with a letter is not taken";

    Select(6, Col::Tag);  // the fifth row
    pane->ExecuteCommand(ChannelList::Command::SetPriority);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 4u);
    pane->ExecuteCommand(ChannelList::Command::CancelPriority);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 0xFFu);
    EXPECT_FALSE(pane->ExecuteCommand(32864)) << "not an Edit command";
}

TEST_F(GridFixture, CellDialogsOnOkAndCancel) {
    Open();
    ChannelGridEdit::ParseCellText(image, 0, Col::DecodeSubAudio, "C-67.0");
    pane->RefreshAllRows();
    int answer = wxID_CANCEL;
    std::string caption;
    ScopedRunner runner([&](wxDialog& dialog) {
        caption = dialog.GetTitle().utf8_string();
        if (auto* sub = dynamic_cast<CChSetupSubAudio*>(&dialog)) {
            sub->List()->SetSelection(12);  // 100.0 Hz
            if (answer == wxID_OK) sub->Confirm();
        }
        if (auto* popup = dynamic_cast<CPopupDlg*>(&dialog)) {
            popup->List()->SetSelection(3);
            if (answer == wxID_OK) popup->TryOk();
        }
        return answer == wxID_OK ? dialog.GetReturnCode() : wxID_CANCEL;
    });
    const CloneImage before = image;
    DoubleClick(2, Col::DecodeSubAudio);
    EXPECT_EQ(caption, "CTCSS Frequency(Decode)");
    EXPECT_EQ(CloneImageOps::Compare(image, before), 0) << "Cancel leaves the channel";
    answer = wxID_OK;
    DoubleClick(2, Col::DecodeSubAudio);
    EXPECT_EQ(ItemMap::GetChannelSubAudioDecCode(image, 0), 1000u);
    EXPECT_EQ(ItemMap::GetChannelSubAudioEncCode(image, 0), 670u);
    EXPECT_EQ(Cell(2, Col::DecodeSubAudio), "C-100.0");

    // The signalling number popup lists the numbers of the channel's type.
    ChannelGridEdit::ParseCellText(image, 0, Col::SignalingType, "5T");
    pane->RefreshAllRows();
    DoubleClick(2, Col::SignalingNumber);
    EXPECT_EQ(caption, "Signaling No.");
    EXPECT_EQ(Channel::GetSignalingNumber(image, 0), 3);
    EXPECT_EQ(Cell(2, Col::SignalingNumber), "4");
}

TEST_F(GridFixture, AniCellAndItsFollowUpScreen) {
    Open();
    int result = wxID_OK;
    ScopedRunner runner([&](wxDialog& dialog) {
        auto& ani = dynamic_cast<CCHSetupANI&>(dialog);
        ani.TypeCombo()->SetSelection(1);  // DTMF
        ani.OnTypeChanged();
        if (result == wxID_OK)
            ani.Confirm();
        else if (result > 1024)
            ani.ChooseSetting();
        return result == wxID_CANCEL ? wxID_CANCEL : dialog.GetReturnCode();
    });
    result = wxID_CANCEL;
    DoubleClick(2, Col::Ani);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 0u);
    result = wxID_OK;
    DoubleClick(2, Col::Ani);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 1u);
    EXPECT_NE(Grid().GetCellPicture(2, Col::Ani), nullptr);

    // "ANI Setting" keeps the dialog's fields and opens the DTMF ANI screen,
    // once that screen exists, on a fresh copy.
    int opened = 0;
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::DtmfAni, [&](wxWindow*, CloneImage& copy) {
        ++opened;
        EXPECT_EQ(ItemMap::GetChannelAniType(copy, 0), 1u);
        ItemMap::SetChannelAniMonitor(copy, 0, 1);
        return static_cast<int>(wxID_OK);
    });
    ItemMap::SetChannelAniType(image, 0, 0);
    result = 1025;
    DoubleClick(2, Col::Ani);
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::DtmfAni, nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(ItemMap::GetChannelAniType(image, 0), 1u);
    EXPECT_EQ(ItemMap::GetChannelAniMonitor(image, 0), 1u);
}

TEST_F(GridFixture, PrintsEveryChannelInUse) {
    CopyFirstChannel(image, {1, 40});
    Open();
    std::string html;
    EXPECT_FALSE(pane->GetHtml(html, true));
    EXPECT_NE(html.find("[CH DATA]"), std::string::npos);
    EXPECT_NE(html.find("<tr><td>41</td>\n"), std::string::npos);
    EXPECT_EQ(html.find("<tr><td>3</td>\n"), std::string::npos);
    EXPECT_FALSE(Modified());
}

TEST_F(GridFixture, PaneOperations) {
    Open();
    std::vector<PaneMenuItem> items;
    pane->AddPaneMenuItems(items);
    ASSERT_EQ(items.size(), 21u);
    EXPECT_EQ(items.front().id, 32785);
    EXPECT_EQ(items.front().text, "&Pri");
    EXPECT_EQ(items.back().id, 32805);
    EXPECT_EQ(items.back().text, "&SPL");
    EXPECT_EQ(pane->GetPaneKind(), PaneKind::ChannelGrid);
    pane->RestoreFocus();
    EXPECT_EQ(Grid().GetRow(), 2);
    EXPECT_EQ(Grid().GetCol(), 0);
    // Selected rows are painted 0xFFFFE0, the others white.
    SelectRows(3, 4, 2);
    pane->RepaintSelection();
    EXPECT_EQ(Grid().GetCellBackColor(3, 20), 0xFFFFE0u);
    EXPECT_EQ(Grid().GetCellBackColor(4, 0), 0xFFFFE0u);
    EXPECT_EQ(Grid().GetCellBackColor(5, 0), 0xFFFFFFu);
}

TEST_F(GridFixture, RowDragFromASelectedNumberKeepsTheSelection) {
    CopyFirstChannel(image, {1, 2, 3});
    Open();
    int drags = 0;
    std::vector<int> offered;  // the channels the group grid could take
    CVSFlexGrid::SetDragDriver([&](CVSFlexGrid&) {
        ++drags;
        const auto& drag = ZoneGrid::SharedDrag();
        for (int c = 0; c < 128; ++c)
            if (drag.mode == 1 && drag.channels[c]) offered.push_back(c);
        return wxDragMove;
    });
    SelectRows(3, 5);
    FlexGridEvent press(FLEXGRID_BEFORE_MOUSE_DOWN, Grid().GetId());
    press.row = 4;
    press.col = 0;
    press.button = 1;
    Grid().ProcessWindowEvent(press);
    ProcessQueued();
    CVSFlexGrid::SetDragDriver(nullptr);
    EXPECT_TRUE(press.cancel) << "the press is not passed on";
    EXPECT_EQ(drags, 1);
    EXPECT_EQ(offered,
              (std::vector<int>{pane->ChannelOfRow(3), pane->ChannelOfRow(4), pane->ChannelOfRow(5)}));
    EXPECT_EQ(ZoneGrid::SharedDrag().mode, 0) << "the record is closed when the drag ends";
    EXPECT_EQ(pane->SelectedDataRows(), (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(Grid().GetCellBackColor(5, 10), 0xFFFFE0u);

    // A press on a row outside the selection is the grid's own.
    FlexGridEvent other(FLEXGRID_BEFORE_MOUSE_DOWN, Grid().GetId());
    other.row = 8;
    other.col = 0;
    other.button = 1;
    Grid().ProcessWindowEvent(other);
    EXPECT_FALSE(other.cancel);
    EXPECT_EQ(drags, 1);
}

TEST_F(GridFixture, VisibleColumnsAndWidthsAreKeptOnClose) {
    TempDir dir;
    SetProfilePath(dir.path() / "PardexWIN.xml");
    image = LoadDefault("default610v.PDX");
    Open();
    Grid().SetColWidthTwips(Col::Squelch, 900);
    pane->Destroy();
    pane = nullptr;
    const std::string visible = GetProfileString("CHSetting", "Grid_Visible", "");
    const std::string widths = GetProfileString("CHSetting", "Grid_Width", "");
    SetProfilePath({});
    EXPECT_EQ(visible, "1,1,1,0,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,0,1,1,1,1,1,0,0,0,0,");
    EXPECT_NE(widths.find("900,"), std::string::npos) << widths;
}

TEST_F(GridFixture, MenuEventsAndGroupKeys) {
    CopyFirstChannel(image, {1});
    Open();
    EXPECT_EQ(ChannelList::CommandOfMenuId(57634 - 0x8000), ChannelList::Command::Copy);
    EXPECT_EQ(ChannelList::CommandOfMenuId(32932), ChannelList::Command::SetPriority);
    EXPECT_EQ(ChannelList::CommandOfMenuId(32864 - 0x8000), 0);
    // "Set to Pri CH" as the main window forwards it to the grid.
    Select(3, Col::Tag);
    wxCommandEvent menu(wxEVT_MENU, ChannelList::Command::SetPriority - 0x8000);
    Grid().ProcessWindowEventLocally(menu);
    EXPECT_EQ(ItemMap::GetPriorityChannel(image, 0), 1u);

    // F2 / F4: the next and the previous group (no pane selector here).
    Key(WXK_F2);
    EXPECT_EQ(pane->ShownGroup(), 1);
    EXPECT_EQ(Cell(2, 0), "17");
    Key(WXK_F4);
    Key(WXK_F4);
    EXPECT_EQ(pane->ShownGroup(), 7);
    EXPECT_EQ(Cell(17, 0), "128");

    // Tab in an open editor ends the edit where it is.
    pane->ShowGroup(0);
    Select(3, Col::Tag);
    Grid().EditCell();
    ASSERT_TRUE(Grid().IsCellEditControlShown());
    Key(WXK_TAB);
    EXPECT_FALSE(Grid().IsCellEditControlShown());
    EXPECT_EQ(Grid().GetCol(), Col::Tag);
}
