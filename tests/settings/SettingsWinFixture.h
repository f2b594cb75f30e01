#pragma once
// Window tests of the settings dialogs: a dialog on a working copy of a
// default data file, driven with real key presses and mouse clicks.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <memory>

#include "ImageDiff.h"
#include "WinTestUtil.h"
#include "ui/RealInput.h"
#include "image/TestHost.h"
#include "settings/SettingsDlg.h"
#include "ui/MessageService.h"

namespace SettingsTest {

inline void Settle() {
    RealInput::Pump(8);
}

// Gives `window` itself the keyboard focus.
inline bool Focus(wxWindow* window) {
    return RealInput::AskFocus(window, RealInput::FocusOn::Window, 8, 20);
}

class SettingsWin : public ::testing::Test {
  protected:
    TestHost host;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
    TestFrame frame;
    CloneImage document = DefaultImage();
    wxUIActionSimulator sim;
    SettingsDlg* dialog = nullptr;

    void TearDown() override { Close(); }

    // Opens a dialog of `model` on a working copy of the document.
    template <class Make>
    void Open(Make make) {
        Close();
        working = document;
        dialog = new SettingsDlg(frame.frame, make(), working);
        dialog->Show();
        Settle();
    }
    void Close() {
        if (!dialog) return;
        dialog->Destroy();
        dialog = nullptr;
        Settle();
    }
    // The main window's rule: the working copy replaces the document on OK.
    int Finish() {
        Settle();
        const int code = dialog->GetReturnCode();
        EXPECT_FALSE(dialog->IsShown()) << "the dialog should have closed";
        if (code == wxID_OK) document = working;
        Close();
        return code;
    }

    wxWindow* Control(int id, std::size_t page = 0) {
        wxWindow* window = dialog->Control(id, page);
        EXPECT_NE(window, nullptr) << "no control " << id;
        return window;
    }
    // Picks the row `text` of a combo box with the arrow keys.
    void Pick(int id, const wxString& text, std::size_t page = 0) {
        auto* combo = wxDynamicCast(Control(id, page), wxComboBox);
        ASSERT_NE(combo, nullptr);
        // A page may offer the list anew when the combo box gets the focus,
        // or after each pick: the target row is looked up every step.
        ASSERT_TRUE(Focus(combo));
        ASSERT_NE(combo->FindString(text, true), wxNOT_FOUND) << text;
        for (int i = 0; i < 200 && combo->GetSelection() != combo->FindString(text, true); ++i) {
            const int target = combo->FindString(text, true);
            sim.Char(combo->GetSelection() == wxNOT_FOUND || combo->GetSelection() < target ? WXK_DOWN
                                                                                            : WXK_UP);
            Settle();
        }
        ASSERT_EQ(combo->GetStringSelection(), text);
    }
    // Replaces the text of an edit by typing.
    void Type(int id, const std::string& text, std::size_t page = 0) {
        auto* edit = wxDynamicCast(Control(id, page), wxTextCtrl);
        ASSERT_NE(edit, nullptr);
        ASSERT_TRUE(Focus(edit));
        edit->SelectAll();
        sim.Char(WXK_DELETE);
        sim.Text(text.c_str());
        Settle();
    }
    void Click(wxWindow* window) {
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->IsShownOnScreen());
        const wxRect rect = window->GetScreenRect();
        sim.MouseMove(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
        Settle();
        sim.MouseClick();
        Settle();
    }
    // Brings tab `page` of a container to the front with the arrow keys.
    void ShowTab(std::size_t page) {
        ASSERT_NE(dialog->Tabs(), nullptr);
        ASSERT_TRUE(Focus(dialog->Tabs()));
        for (int i = 0; i < 10 && dialog->Tabs()->GetSelection() != static_cast<int>(page); ++i) {
            sim.Char(dialog->Tabs()->GetSelection() < static_cast<int>(page) ? WXK_RIGHT : WXK_LEFT);
            Settle();
        }
        ASSERT_EQ(dialog->Tabs()->GetSelection(), static_cast<int>(page));
    }
    // On a dialog opened on the result of an OK: OK without edits changes
    // no byte.
    void ExpectOkChangesNothing() {
        ClickOk();
        const CloneImage after = document;
        ASSERT_EQ(Finish(), wxID_OK);
        EXPECT_EQ(Diff(after, document), Changes{});
    }
    // Cancel leaves the document as it was `before` the dialog opened.
    void ExpectCancelLeaves(const CloneImage& before) {
        ClickCancel();
        EXPECT_EQ(Finish(), wxID_CANCEL);
        EXPECT_EQ(document, before);
    }
    void ClickOk() { Click(dialog->FindWindow(SettingsDlg::IDC_OK)); }
    void ClickCancel() { Click(dialog->FindWindow(SettingsDlg::IDC_CANCEL)); }
    void Key(int key) {
        sim.Char(key);
        Settle();
    }

    CloneImage working;
};

// The fixture of one dialog, which OpenDialog() opens.
template <auto Make>
struct DialogWin : SettingsWin {
    void OpenDialog() { Open(Make); }
};

}  // namespace SettingsTest
