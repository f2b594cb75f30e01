// The channel editor pane and the channel information dialog on a default
// data file: edits write the image, the grid showing the channel follows,
// and the dialog keeps its copy only on OK.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/listbox.h>
#include <wx/scrolwin.h>

#include "GroupAllocationFixture.h"
#include "RealInput.h"
#include "WinTestUtil.h"
#include "channel/ChannelEditor.h"
#include "channel/ChannelInfoDlg.h"
#include "channel/ChannelPopups.h"
#include "channel/GroupGrid.h"
#include "image/FileUtil.h"
#include "image/Frequency.h"
#include "image/ItemsChannel.h"
#include "image/ItemsSystem.h"
#include "image/TestHost.h"
#include "ui/HEdit.h"
#include "ui/VSFlexGrid.h"

using namespace ChannelEditor;

namespace {

struct EditorWin : ::testing::Test {
    TestHost host;
    CloneImage image;
    TestFrame frame;

    void SetUp() override {
        ASSERT_EQ(FileUtil::LoadImageFile(image, std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX"), 1);
        ASSERT_EQ(ChannelEditor::ChannelCount(image), 128);
        ItemMap::SetOneGroupMode(image, 0);
    }
    CCHInfoSub* MakePane(int channel) {
        auto* pane = new CCHInfoSub(image, channel);
        EXPECT_TRUE(pane->CreatePane(frame.frame, CCHInfoSub::IDD));
        return pane;
    }
    std::string Shown(CCHInfoSub& pane, int id) const {
        return pane.Combo(id)->GetStringSelection().utf8_string();
    }
};

// Ends the dialog from inside its modal run.
struct ScopedRunner {
    explicit ScopedRunner(CCHInformation::ModalRunner runner) {
        CCHInformation::SetModalRunner(std::move(runner));
    }
    ~ScopedRunner() { CCHInformation::SetModalRunner(nullptr); }
};

}  // namespace

TEST_F(EditorWin, EditingAChannelWritesTheBytesAndRefreshesTheGridRow) {
    auto* grid = new CZoneList(image);
    ASSERT_TRUE(grid->CreatePane(frame.frame, CZoneList::IDD));
    CCHInfoSub* pane = MakePane(0);
    int told = -1;
    pane->SetChangeHandler([&](int channel) {
        told = channel;
        grid->OnIndexChanged(channel);
    });
    const int row = ZoneGrid::HeaderRows;  // slot 1 of group 1 holds channel 1

    pane->ChooseValue(Id::SqlLevel, 9);
    EXPECT_EQ(ItemMap::GetChannelSqlLevel(image, 0), 9u);
    EXPECT_EQ(told, 0);
    EXPECT_EQ(Shown(*pane, Id::SqlLevel), "9");

    pane->EnterText(Id::Tag, "base");
    EXPECT_EQ(Channel::GetTag(image, 0), "BASE    ");
    EXPECT_EQ(grid->Grid()->GetTextMatrix(row, ZoneGrid::Col::Tag), "BASE    ");

    pane->EnterText(Id::RxFrequency, "145,5");
    EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, 0), 145.5, 1e-6);
    EXPECT_EQ(pane->Edit(Id::RxFrequency)->GetText(), "145.50000");
    EXPECT_EQ(grid->Grid()->GetTextMatrix(row, ZoneGrid::Col::Rx), "145.50000");

    pane->SetCheck(Id::Compander, true);
    EXPECT_EQ(ItemMap::ReadChannelField(ItemMap::ChannelItems[26], image, 0), 1u);
}

TEST_F(EditorWin, AComboSelectionWithoutARowWritesNothing) {
    CCHInfoSub* pane = MakePane(0);
    ItemMap::SetChannelTotTimer(image, 0, 4);
    pane->RefreshFromImage();
    const CloneImage before = image;
    pane->Combo(Id::TimeOutTimer)->SetSelection(wxNOT_FOUND);
    pane->ChooseValue(Id::TimeOutTimer, 99);
    EXPECT_EQ(image, before);
    EXPECT_EQ(pane->SelectedValue(Id::TimeOutTimer), 4) << "the stored value is shown again";
}

TEST_F(EditorWin, ChannelStatusEnablesTheOtherControls) {
    CCHInfoSub* pane = MakePane(5);
    EXPECT_EQ(pane->SelectedValue(Id::Status), 1) << "channel 6 of a default file is not used";
    EXPECT_FALSE(pane->Combo(Id::SqlLevel)->IsEnabled());
    EXPECT_FALSE(pane->Edit(Id::RxFrequency)->IsEnabled());
    pane->ChooseValue(Id::Status, 0);
    EXPECT_EQ(ItemMap::ReadBit(image, 5), 0);
    EXPECT_TRUE(pane->Combo(Id::SqlLevel)->IsEnabled());
    EXPECT_TRUE(pane->CheckBox(Id::Compander)->IsEnabled());

    // Channel 1 cannot be made unused: the combo goes back to "Used".
    pane->SelectChannel(0);
    pane->ChooseValue(Id::Status, 1);
    EXPECT_EQ(ItemMap::ReadBit(image, 0), 0);
    EXPECT_EQ(pane->SelectedValue(Id::Status), 0);
}

TEST_F(EditorWin, F2AndF5WrapAroundTheChannels) {
    CCHInfoSub* pane = MakePane(0);
    EXPECT_TRUE(pane->HandleKey(WXK_F5, nullptr));
    EXPECT_EQ(pane->GetCurrentIndex(), 127);
    EXPECT_EQ(pane->Combo(Id::ChannelCombo)->GetSelection(), 127);
    EXPECT_TRUE(pane->HandleKey(WXK_F2, nullptr));
    EXPECT_EQ(pane->GetCurrentIndex(), 0);
    pane->SelectChannel(-1);
    EXPECT_EQ(pane->GetCurrentIndex(), -1);
    EXPECT_EQ(pane->Edit(Id::RxFrequency)->GetText(), "");
    EXPECT_EQ(pane->Combo(Id::SqlLevel)->GetSelection(), wxNOT_FOUND);
}

TEST_F(EditorWin, SubAudioKeysStepTheStoredCode) {
    CCHInfoSub* pane = MakePane(0);
    HEditBase* decode = pane->Edit(Id::DecodeSubAudio);
    EXPECT_TRUE(pane->HandleKey(WXK_SPACE, decode));
    EXPECT_EQ(decode->GetText(), "C-67.0");
    EXPECT_TRUE(pane->HandleKey(WXK_SPACE, decode));
    EXPECT_EQ(decode->GetText(), "D-023N");
    EXPECT_TRUE(pane->HandleKey(WXK_F3, decode));
    EXPECT_EQ(decode->GetText(), "D-023I");
    EXPECT_EQ(Channel::GetRxSubAudio(image, 0), (Channel::SubAudio{3, 19, 0}));
    EXPECT_FALSE(pane->HandleKey(WXK_SPACE, pane->Edit(Id::RxFrequency)));
}

TEST_F(EditorWin, EnterInASubAudioEditOpensItsList) {
    CCHInfoSub* pane = MakePane(0);
    HEditBase* encode = pane->Edit(Id::EncodeSubAudio);
    pane->HandleKey(WXK_SPACE, encode);  // CTCSS 67.0 Hz
    int shown = 0;
    ChannelPopups::SetModalRunner([&](wxDialog& dialog) {
        auto& list = dynamic_cast<CChSetupSubAudio&>(dialog);
        ++shown;
        list.List()->SetSelection(1);
        list.Confirm();
        return static_cast<int>(wxID_OK);
    });
    EXPECT_TRUE(pane->HandleKey(WXK_RETURN, encode));
    ChannelPopups::SetModalRunner(nullptr);
    EXPECT_EQ(shown, 1);
    const auto stored = Channel::GetTxSubAudio(image, 0);
    EXPECT_EQ(stored.type, 1);
    EXPECT_NE(stored.code, 670);
    EXPECT_EQ(encode->GetText(), ChannelEditor::EditText(image, 0, Id::EncodeSubAudio));
}

TEST_F(EditorWin, TheInformationDialogKeepsItsCopyOnlyOnOk) {
    const CloneImage before = image;
    {
        ScopedRunner runner([](CCHInformation& dialog) {
            dialog.Pane()->ChooseValue(Id::SqlLevel, 12);
            return static_cast<int>(wxID_CANCEL);
        });
        EXPECT_FALSE(CCHInformation::EditChannel(frame.frame, image, 0));
    }
    EXPECT_EQ(image, before) << "Cancel leaves the document byte for byte";
    {
        ScopedRunner runner([](CCHInformation& dialog) {
            dialog.Pane()->ChooseValue(Id::SqlLevel, 12);
            return static_cast<int>(wxID_OK);
        });
        EXPECT_TRUE(CCHInformation::EditChannel(frame.frame, image, 0));
    }
    EXPECT_EQ(ItemMap::GetChannelSqlLevel(image, 0), 12u);
}

TEST_F(EditorWin, OnlyEscapeCancelsAndCtrlCCopiesAComboText) {
    CCHInformation dialog(frame.frame, image, 0);
    dialog.SetReturnCode(0);
    wxChoice* combo = dialog.Pane()->Combo(Id::SqlLevel);
    dialog.Pane()->ChooseValue(Id::SqlLevel, 7);

    EXPECT_TRUE(dialog.HandleKey('C', true, combo));
    EXPECT_EQ(dialog.GetReturnCode(), 0) << "Ctrl+C closes nothing";
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        EXPECT_TRUE(wxTheClipboard->GetData(data));
        EXPECT_EQ(data.GetText(), "7");
        wxTheClipboard->Close();
    }
    EXPECT_FALSE(dialog.HandleKey(3, false, combo));
    EXPECT_EQ(dialog.GetReturnCode(), 0);

    EXPECT_TRUE(dialog.HandleKey(WXK_F2, false, combo));
    EXPECT_EQ(dialog.Pane()->GetCurrentIndex(), 1);
    EXPECT_TRUE(dialog.HandleKey(WXK_F5, false, combo));
    EXPECT_EQ(dialog.Pane()->GetCurrentIndex(), 0);

    EXPECT_TRUE(dialog.HandleKey(WXK_ESCAPE, false, combo));
    EXPECT_EQ(dialog.GetReturnCode(), wxID_CANCEL);
}

TEST_F(EditorWin, TheInformationDialogScrollsContentLargerThanIt) {
    CCHInformation dialog(frame.frame, image, 0);
    const wxSize content = dialog.ContentSize();
    EXPECT_EQ(dialog.GetMaxSize(), content);
    EXPECT_LE(dialog.GetMinSize().x, CCHInformation::MinWidth);
    EXPECT_LE(dialog.GetMinSize().y, CCHInformation::MinHeight);
    dialog.SetSize(dialog.GetMinSize());
    dialog.Layout();
    const wxSize virtualSize = dialog.Content()->GetVirtualSize();
    const wxSize client = dialog.Content()->GetClientSize();
    EXPECT_TRUE(virtualSize.x > client.x || virtualSize.y > client.y)
        << "at its least size the content scrolls (" << virtualSize.x << "x" << virtualSize.y << " in "
        << client.x << "x" << client.y << ")";
    EXPECT_NE(dialog.FindWindow(CCHInformation::IDC_HINT), nullptr);
}

// Typed into the RX edit and left with Tab, as a user does: an out-of-band
// frequency brings "Out of Frequency Range!" and the edit shows the stored
// value again; Home, End, the arrows and Delete edit the text.
TEST_F(EditorWin, OutOfBandFrequencyTypedIntoTheEditIsRefused) {
    ASSERT_TRUE(Channel::SetRxFrequency(image, 0, 150.0));
    CCHInfoSub* pane = MakePane(0);
    frame->SetSize(1000, 900);
    pane->SetSize(pane->GetBestSize());
    HEditBase* rx = pane->Edit(Id::RxFrequency);
    ASSERT_EQ(rx->GetText(), "150.00000");
    ASSERT_TRUE(RealInput::Focus(rx));
    rx->SelectAll();
    RealInput::Type("600");
    host.messages.clear();
    RealInput::Key(WXK_TAB);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].rid, Channel::RidOutOfRange);
    EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, 0), 150.0, 1e-6);
    EXPECT_EQ(rx->GetText(), "150.00000");

    ASSERT_TRUE(RealInput::Focus(rx));
    RealInput::Key(WXK_END);
    for (int i = 0; i < 4; ++i) RealInput::Key(WXK_BACK);
    RealInput::Key(WXK_HOME);
    RealInput::Key(WXK_RIGHT);
    RealInput::Key(WXK_DELETE);
    RealInput::Type("6");
    EXPECT_EQ(rx->GetText(), "160.0");
    RealInput::Key(WXK_TAB);
    EXPECT_NEAR(CalcPLLFrequency::RxFrequency(image, 0), 160.0, 1e-6);
}
