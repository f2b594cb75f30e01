// The key function dialogs on a default data file, driven by keys and
// clicks: what OK writes byte for byte, Cancel, the press-only rule, the
// lists offered anew on focus, the hidden keypad keys, the mobile's
// microphone-only functions and the help topics of each kind of radio.
#include <wx/combobox.h>

#include "SettingsWinFixture.h"
#include "image/ItemsSystem.h"
#include "language/Language.h"
#include "language/LanguageFixtures.h"
#include "settings/KeyFunction.h"
#include "ui/UiHooks.h"

using namespace SettingsTest;
using Settings::KeyFunctions::SlotOffset;

namespace {

constexpr int kSide1 = 2102, kSide2 = 2103, kSide1Hold = 2118, kKeyA = 2108, kKeyAHold = 2124;

struct KeyFunctionWin : SettingsWin {
    // Portable, 13-segment display, 4 key keypad: list 1.
    void SetUp() override {
        for (int slot = 0; slot < 16; ++slot) document[SlotOffset(slot)] = 0;
        document[SlotOffset(0)] = 1;   // Side-1: Monitor
        document[SlotOffset(8)] = 12;  // Side-1 hold: VOX
        document[SlotOffset(1)] = 4;   // Side-2: Low Power
    }
    void OpenPortable() { Open(&CKeyFunctionDlg::MakeDialog); }
    void OpenMobile() { Open(&CKeyFunctionDlgM::MakeDialog); }
    wxComboBox* Combo(int id) { return wxDynamicCast(Control(id), wxComboBox); }
    wxString Shown(int id) { return Combo(id)->GetValue(); }
    bool Lists(int id, const wxString& text) { return Combo(id)->FindString(text, true) != wxNOT_FOUND; }
};

}  // namespace

TEST_F(KeyFunctionWin, PressOnlyFunctionEmptiesAndLocksTheHold) {
    OpenPortable();
    EXPECT_EQ(dialog->GetTitle(), "Key Function");
    EXPECT_EQ(Shown(kSide1Hold), "VOX");
    Pick(kSide1, "Emergency");
    EXPECT_FALSE(Combo(kSide1Hold)->IsEnabled());
    EXPECT_EQ(Shown(kSide1Hold), "None");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), (Changes{{SlotOffset(0), 24}, {SlotOffset(8), 0}}));

    // Opened on the result: the hold stays locked; OK without edits writes nothing.
    OpenPortable();
    EXPECT_FALSE(Combo(kSide1Hold)->IsEnabled());
    ClickOk();
    const CloneImage after = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(after, document), Changes{});

    // Leaving the press-only function frees the hold again, still at None.
    OpenPortable();
    Pick(kSide1, "Monitor");
    EXPECT_TRUE(Combo(kSide1Hold)->IsEnabled());
    EXPECT_EQ(Shown(kSide1Hold), "None");
    ASSERT_TRUE(Focus(Combo(kSide1Hold)));
    EXPECT_FALSE(Lists(kSide1Hold, "Emergency")) << "a hold never offers a press-only function";
    EXPECT_FALSE(Lists(kSide1Hold, "Monitor(Moment)"));
    EXPECT_FALSE(Lists(kSide1Hold, "Monitor")) << "Side-1 press holds it";
}

TEST_F(KeyFunctionWin, CancelLeavesTheDocument) {
    const CloneImage before = document;
    OpenPortable();
    Pick(kSide2, "Lamp");
    Pick(kKeyAHold, "Scan");
    ClickCancel();
    EXPECT_EQ(Finish(), wxID_CANCEL);
    EXPECT_EQ(Diff(before, document), Changes{});
}

TEST_F(KeyFunctionWin, AFunctionHeldTwiceFallsBackToNoneOnFocus) {
    document[SlotOffset(4)] = 4;   // A press holds Low Power as Side-2 does
    document[SlotOffset(5)] = 23;  // B press: a reserved code
    OpenPortable();
    EXPECT_EQ(Shown(kSide2), "Low Power");
    EXPECT_EQ(Shown(kKeyA), "Low Power");
    EXPECT_EQ(Shown(2109), "") << "a code no list holds shows no choice";
    ASSERT_TRUE(Focus(Combo(kKeyA)));
    EXPECT_EQ(Shown(kKeyA), "None");
    EXPECT_FALSE(Lists(kKeyA, "Low Power"));
    ASSERT_TRUE(Focus(Combo(kSide2)));
    EXPECT_EQ(Shown(kSide2), "Low Power") << "the other holder keeps it";
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), (Changes{{SlotOffset(4), 0}, {SlotOffset(5), 0}}));
}

TEST_F(KeyFunctionWin, WithoutKeypadTheLetterKeysAreHiddenAndCleared) {
    ItemMap::SetKeypadType(document, 0);
    for (const int slot : {4, 5, 6, 7, 12, 13, 14, 15}) document[SlotOffset(slot)] = 12;
    OpenPortable();
    EXPECT_TRUE(Control(kSide1)->IsShown());
    for (const int id : {2008, kKeyA, kKeyAHold, 2111, 2127}) EXPECT_FALSE(Control(id)->IsShown()) << id;
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    Changes expected;
    for (const int slot : {4, 5, 6, 7, 12, 13, 14, 15}) expected[SlotOffset(slot)] = 0;
    EXPECT_EQ(Diff(before, document), expected);
}

TEST_F(KeyFunctionWin, MobileOffersDirectEntryOnMicrophoneKeysOnly) {
    ItemMap::SetProductType(document, 0);
    ItemMap::SetDisplayType(document, 2);
    ItemMap::SetKeypadType(document, 2);
    for (int slot = 0; slot < 64; ++slot) document[SlotOffset(slot)] = 0;
    document[SlotOffset(34)] = 1;  // P1: Monitor
    OpenMobile();
    EXPECT_EQ(dialog->Model().Spec().idd, CKeyFunctionDlgM::IDD);
    EXPECT_EQ(Shown(2103), "Monitor");
    EXPECT_TRUE(Lists(2107, "Direct CH Entry"));   // MIC A
    EXPECT_TRUE(Lists(2123, "Direct CH Entry"));   // MIC A hold
    EXPECT_FALSE(Lists(2101, "Direct CH Entry"));  // Up
    EXPECT_FALSE(Lists(2117, "Direct CH Entry"));  // Up hold
    EXPECT_FALSE(Lists(2101, "Speed CH Up")) << "never on a press";
    EXPECT_TRUE(Lists(2117, "Speed CH Up"));

    Pick(2107, "Monitor");  // MIC A may hold what P1 holds: another group
    Pick(2123, "Direct CH Entry");
    ClickOk();
    const CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), (Changes{{SlotOffset(42), 1}, {SlotOffset(58), 46}}));

    OpenMobile();
    ClickOk();
    const CloneImage after = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(after, document), Changes{});
}

// The help holds a topic per control for each kind of radio: sub-index 1 for
// a portable with a keypad list (full display, 4 or 16 keys) or a mobile
// with a full display, else 0. F1 on a key's combo and the Help button ask
// for that kind's topics.
TEST_F(KeyFunctionWin, HelpTopicsFollowTheKindOfDisplayAndKeypad) {
    struct Case {
        bool mobile;
        int display, keypad;
        int sub;
    };
    const Case cases[] = {
        {false, 2, 1, 1}, {false, 2, 2, 1}, {false, 2, 0, 0}, {false, 0, 1, 0},
        {true, 2, 2, 1},  {true, 6, 0, 1},  {true, 0, 2, 0},  {true, 3, 0, 0},
    };
    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    for (const Case& c : cases) {
        const int idd = c.mobile ? int{CKeyFunctionDlgM::IDD} : int{CKeyFunctionDlg::IDD};
        const int combo = c.mobile ? 2101 : kSide1;  // Up, Side-1
        std::vector<int> asked;
        hooks.hasHelpTopic = [&](int rid) { return rid == MakeRID(c.sub, idd, combo); };
        hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
        ItemMap::SetProductType(document, c.mobile ? 0 : 2);
        ItemMap::SetDisplayType(document, static_cast<std::uint32_t>(c.display));
        ItemMap::SetKeypadType(document, static_cast<std::uint32_t>(c.keypad));
        c.mobile ? OpenMobile() : OpenPortable();
        ASSERT_TRUE(Focus(Combo(combo)));
        Key(WXK_F1);
        Click(dialog->FindWindow(SettingsDlg::IDC_HELP));
        EXPECT_EQ(asked, (std::vector<int>{MakeRID(c.sub, idd, combo), MakeRID(c.sub, idd, 0)}))
            << (c.mobile ? "mobile" : "portable") << " display " << c.display << " keypad " << c.keypad;
        ClickCancel();
        Finish();
    }
    hooks = saved;
}

// The function names read in the language (one list per dialog), and a
// translated name still stands for its code: OK without edits writes nothing.
TEST_F(KeyFunctionWin, FunctionNamesInTheLanguageKeepTheirCodes) {
    const LanguageFixtures::ScopedLanguage german(R"(  <Dialog358>
    <RID_3583901><base>Monitor</base><string>Mithören</string></RID_3583901>
    <RID_3583901><base>Low Power</base><string>Kleine Leistung</string></RID_3583901>
    <RID_3583901><base>Lamp</base><string>Licht</string></RID_3583901>
  </Dialog358>
  <Dialog606>
    <RID_6063901><base>Monitor</base><string>Abhören</string></RID_6063901>
  </Dialog606>
)");
    ASSERT_TRUE(german.Loaded());
    // The arrow keys pass press-only functions on their way, which empty
    // the hold: let it hold nothing from the start.
    document[SlotOffset(8)] = 0;
    OpenPortable();
    EXPECT_EQ(Shown(kSide1).utf8_string(), "Mithören");
    EXPECT_EQ(Shown(kSide2).utf8_string(), "Kleine Leistung");
    ClickOk();
    CloneImage before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), Changes{});

    // Another key takes the translated name and stores its code.
    OpenPortable();
    Pick(kSide1, "Licht");
    ClickOk();
    before = document;
    ASSERT_EQ(Finish(), wxID_OK);
    EXPECT_EQ(Diff(before, document), (Changes{{SlotOffset(0), 3}}));

    ItemMap::SetProductType(document, 0);
    document[SlotOffset(34)] = 1;  // P1: Monitor
    OpenMobile();
    EXPECT_EQ(Shown(2103).utf8_string(), "Abhören");
    ClickCancel();
    Finish();
}
