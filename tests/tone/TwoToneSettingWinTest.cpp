// The 2-Tone Setting dialog on a default data file, with real key input:
// overlapping decode bands are refused with 61206 and both tones marked; OK
// writes exactly the tone that changed; Cancel and a second OK change nothing.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "ToneWinUtil.h"
#include "WinTestUtil.h"
#include "image/FileUtil.h"
#include "image/ItemsTone.h"
#include "image/TestHost.h"
#include "settings/SettingsDlg.h"
#include "tone/TwoToneSettingDlg.h"
#include "ui/MessageService.h"
#include "ui/PopupDlg.h"

#include <wx/listbox.h>
#include <wx/timer.h>

using namespace ToneWin;

namespace {

constexpr std::size_t B10 = CloneImage::BlockOffset(10);

struct TwoToneSettingWin : ::testing::Test {
    DisplayLock keyboard;
    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scope{messages};
    TestFrame frame;
    CloneImage document, working;
    SettingsDlg* dialog = nullptr;
    C2ToneSettingDlg* page = nullptr;

    void SetUp() override {
        ASSERT_EQ(FileUtil::LoadImageFile(document, std::string(ZT_DEFAULT_DATA_DIR) + "/default640v.PDX"), 1);
    }
    void TearDown() override { Close(); }
    void Open() {
        working = document;
        auto model = C2ToneSettingDlg::MakeDialog();
        page = static_cast<C2ToneSettingDlg*>(&model->Page(0));
        dialog = new SettingsDlg(frame.frame, std::move(model), working);
        C2ToneSettingDlg::Attach(*dialog, *page);
        dialog->Show();
        Pump();
    }
    void Close() {
        if (!dialog) return;
        dialog->Destroy();
        dialog = nullptr;
        Pump();
    }
    // Types `text` over the edit's contents and leaves it with Tab.
    void TypeInto(int id, const char* text) {
        auto* edit = dynamic_cast<wxTextCtrl*>(dialog->Control(id));
        ASSERT_NE(edit, nullptr);
        for (int attempt = 0; attempt < 5 && edit->GetValue() != text; ++attempt) {
            ASSERT_TRUE(Focus(edit));
            edit->SelectAll();
            wxUIActionSimulator sim;
            sim.Text(text);
            Pump();
        }
        ASSERT_EQ(edit->GetValue(), text);
        // Leaves the edit with a click into the lead-in delay edit. (Tab does
        // not move on from these edits: their key filter takes it.)
        wxWindow* other = dialog->Control(C2ToneSettingDlg::IDC_LEAD_IN);
        for (int attempt = 0; attempt < 5 && HasFocusIn(edit); ++attempt) {
            wxGetTopLevelParent(other)->Raise();
            const wxRect r = other->GetScreenRect();
            wxUIActionSimulator sim;
            sim.MouseMove(r.GetLeft() + r.GetWidth() / 2, r.GetTop() + r.GetHeight() / 2);
            Pump();
            sim.MouseClick();
            Pump();
        }
        EXPECT_FALSE(HasFocusIn(edit)) << "the edit kept the focus";
        Pump();
    }
    std::string Text(int id) { return dynamic_cast<wxTextCtrl*>(dialog->Control(id))->GetValue().utf8_string(); }
    // OK or Cancel from the keyboard; the main window's rule on OK.
    int Finish(int button) {
        const std::size_t shown = messages.Count();
        Press(dialog->FindWindow(button), [&] { return dialog->GetReturnCode() != 0 || messages.Count() > shown; });
        const int code = dialog->GetReturnCode();
        if (code == wxID_OK) document = working;
        return code;
    }
};

}  // namespace

TEST_F(TwoToneSettingWin, OverlappingBandsAreRefusedAndBothTonesMarked) {
    ItemMap::SetTone2DecodePrecision(document, 10);  // "1.0%"
    const CloneImage before = document;
    Open();
    TypeInto(C2ToneSettingDlg::IDC_TONE0, "1000");
    EXPECT_EQ(Text(C2ToneSettingDlg::IDC_TONE0), "1000.0");
    TypeInto(C2ToneSettingDlg::IDC_TONE0 + 1, "1010");
    EXPECT_EQ(Finish(SettingsDlg::IDC_OK), 0) << "the dialog stays open";
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_EQ(messages.Last().text, "Decode band width are duplicated.\nChange tone freq. or decode band width.");
    EXPECT_TRUE(page->Marks()[0]);
    EXPECT_TRUE(page->Marks()[1]);
    EXPECT_FALSE(page->Marks()[2]);
    EXPECT_EQ(dialog->Control(C2ToneSettingDlg::IDC_TONE0)->GetForegroundColour(), *wxRED);
    EXPECT_EQ(Finish(SettingsDlg::IDC_CANCEL), wxID_CANCEL);
    EXPECT_EQ(document, before);
}

TEST_F(TwoToneSettingWin, OkWritesTheChangedToneOnlyAndASecondOkNothing) {
    const CloneImage before = document;
    Open();
    TypeInto(C2ToneSettingDlg::IDC_TONE0 + 2, "250");
    EXPECT_EQ(Text(C2ToneSettingDlg::IDC_TONE0 + 2), "288.5");
    ASSERT_EQ(Finish(SettingsDlg::IDC_OK), wxID_OK);
    EXPECT_EQ(ItemMap::GetPackBytesLE(document, 2), 2885u);
    for (std::size_t at = 0; at < CloneImage::Size; ++at) {
        if (document[at] == before[at]) continue;
        // Tone 2's register and word, and the decoder register pairs.
        const bool expected = at == B10 + 0x04 || at == B10 + 0x05 || at == B10 + 0x24 || at == B10 + 0x25 ||
                              (at >= B10 + 0x80 && at < B10 + 0xC0);
        EXPECT_TRUE(expected) << "byte " << at << " changed";
    }
    Close();

    const CloneImage after = document;
    Open();
    ASSERT_EQ(Finish(SettingsDlg::IDC_OK), wxID_OK);
    EXPECT_EQ(document, after);
}

TEST_F(TwoToneSettingWin, EnterInAToneOpensTheCodePlanAndAHeadingFillsTenTones) {
    Open();
    TypeInto(C2ToneSettingDlg::IDC_TONE0, "682.5");
    int row = -1;
    // Acts in the plan popup once it runs modally (timers run in its loop).
    auto* timer = new wxTimer;
    timer->Bind(wxEVT_TIMER, [&, timer](wxTimerEvent&) {
        for (wxWindow* w : wxTopLevelWindows)
            if (auto* popup = dynamic_cast<CPopupDlg*>(w); popup && popup->IsModal()) {
                timer->Stop();
                row = popup->List()->GetSelection();
                // The plan opens on the tone's row; its heading is the row above.
                EXPECT_EQ(popup->List()->GetStringSelection().utf8_string(), "A0 - 682.5");
                for (int attempt = 0; attempt < 5 && popup->List()->GetSelection() != row - 1; ++attempt) {
                    if (!Focus(popup->List())) continue;
                    wxUIActionSimulator sim;
                    sim.Char(WXK_UP);
                    Pump();
                }
                EXPECT_EQ(popup->List()->GetStringSelection().utf8_string(), "[GE Type 99-A]");
                Press(popup->OkButton(), [popup] { return popup->GetReturnCode() != 0; });
                EXPECT_EQ(popup->Chosen(), row - 1);
                return;
            }
    });
    timer->Start(20);
    auto* edit = dialog->Control(C2ToneSettingDlg::IDC_TONE0);
    for (int attempt = 0; attempt < 5 && row < 0; ++attempt) {
        ASSERT_TRUE(Focus(edit));
        wxUIActionSimulator sim;
        sim.Char(WXK_RETURN);
        Pump();
    }
    delete timer;
    Pump();
    const char* expected[] = {"682.5", "592.5", "757.5", "802.5", "847.5",
                              "892.5", "937.5", "547.5", "727.5", "637.5"};
    for (int k = 0; k < 10; ++k) EXPECT_EQ(Text(C2ToneSettingDlg::IDC_TONE0 + k), expected[k]) << k;
    EXPECT_EQ(Finish(SettingsDlg::IDC_CANCEL), wxID_CANCEL);
}
