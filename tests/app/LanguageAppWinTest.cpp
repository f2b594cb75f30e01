// The main window in another language: the Japanese file chosen through
// the Language command of the File menu and its file chooser, then the
// menu, the channel grid headers, the About box and the exported document.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/uiaction.h>

#include <fstream>
#include <functional>

#include "Fixtures.h"
#include "app/AboutDlg.h"
#include "channel/ChannelInfoDlg.h"
#include "channel/ChannelPopups.h"
#include "channel/GroupAllocationDlg.h"
#include "app/AppState.h"
#include "app/CloneEditorView.h"
#include "app/FileConvDlg.h"
#include "app/FileDataDlg.h"
#include "app/FileNewDlg.h"
#include "app/HShipMessageBox.h"
#include "app/ItemVisibleDlg.h"
#include "app/PassInput2Dlg.h"
#include "app/LanguageSetup.h"
#include "app/MainFrm.h"
#include "app/PaneSelectorDlg.h"
#include "app/MenuCommands.h"
#include "app/RecentFileList.h"
#include "app/ScreenRegistry.h"
#include "image/ItemsSystem.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/LanguageFixtures.h"
#include "language/SettingsFile.h"
#include "ui/FileLanguageDlg.h"
#include "ui/HtmlPrinter.h"
#include "ui/HtmlPrinterWindow.h"
#include "ui/MessageService.h"
#include "tone/TwoToneCodeSelectPopup.h"
#include "ui/PaneFramework.h"
#include "ui/PopupDlg.h"
#include "ui/RealInput.h"
#include "ui/ScreenTranslation.h"
#include "ui/VSFlexGrid.h"

namespace fs = std::filesystem;

namespace {

void Yield() {
    for (int i = 0; i < 6; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
    }
}

void ClickOn(wxWindow* target) {
    wxUIActionSimulator sim;
    sim.MouseMove(target->GetScreenRect().GetPosition() + target->GetSize() / 2);
    Yield();
    sim.MouseClick();
    Yield();
}

template <class Window>
Window* OpenWindow() {
    for (wxWindow* w : wxTopLevelWindows)
        if (auto* found = dynamic_cast<Window*>(w); found && found->IsShown()) return found;
    return nullptr;
}

// Runs `step` once the event loop is idle again, `tries` times at most
// until it answers true.
void WhenReady(std::function<bool()> step, int tries = 100) {
    wxTheApp->CallAfter([step, tries] {
        if (!step() && tries > 0) {
            wxMilliSleep(20);
            WhenReady(step, tries - 1);
        }
    });
}

class LanguageAppWinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(program / "language");
        for (const auto& row : Model::VariantTable)
            fs::copy_file(fs::path(ZT_PROGRAM_EXE).parent_path() / row.fileName, program / row.fileName);
        japanese = LanguageFixtures::Write(program / "language", "ja.xml", LanguageFixtures::Japanese);
        SetProfilePath(dir.path() / "pardex.xml");
        AppState::ServiceMode() = 0;
        AppState::AppMode() = 0;
        Screens::ClearAll();
        RegisterScreens();
        LanguageSetup::Install({program});
        Lang::ApplyThreadLocale();
        frame = new CMainFrame(&recent, {program}, program);
        ASSERT_TRUE(frame->Document().LoadStartupImage(""));
        frame->RefreshAllPanes();
        frame->SetSize(1100, 760);
        frame->Show();
        Yield();
        frame->AfterShow();
        Yield();
    }
    void TearDown() override {
        // No frame when the set-up failed before making it.
        if (frame) frame->Destroy();
        Yield();
        Lang::LoadLanguage({});
        Screens::ClearAll();
        SetProfilePath({});
    }

    TestHost host;
    TempDir dir;
    fs::path program = dir.path() / "bin";
    fs::path japanese;
    CVondelRecentFileList recent;
    CMainFrame* frame = nullptr;
    ScriptedMessageService messages;
    ScopedMessageService scoped{messages};
};

TEST_F(LanguageAppWinTest, JapaneseChosenFromTheMenuShowsInMenusGridAboutBoxAndExport) {
    CVSFlexGrid* grid = frame->MainView()->ChannelGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetTextMatrix(0, 3), "TAG");
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0).utf8_string(), "&File");

    // "Select File" in the dialog the menu opens, the file chosen in the
    // language folder beside the program, then OK.
    fs::path offeredFolder;
    CLanguageFileDialog::Substitute() = [&](const fs::path& folder) {
        offeredFolder = folder;
        return japanese.string();
    };
    bool confirmed = false;
    messages.QueueAnswer(MsgAnswer::Ok);  // the code-page warning, where the system asks for it
    WhenReady([&] {
        auto* dialog = OpenWindow<CFileLanguageDlg>();
        if (!dialog) return false;
        ClickOn(dialog->FindWindow(CFileLanguageDlg::IDC_SELECT_FILE));
        WhenReady([&, dialog] {
            if (dialog->FindWindow(CFileLanguageDlg::IDC_FILE_NAME)->GetLabel() != "ja.xml") return false;
            ClickOn(dialog->FindWindow(CFileLanguageDlg::IDC_OK));
            confirmed = true;
            return true;
        });
        return true;
    });
    frame->RunCommand(Cmd::Language);
    Yield();
    CLanguageFileDialog::Substitute() = nullptr;
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(offeredFolder, program / "language");
    ASSERT_EQ(Lang::CurrentLanguageFile(), japanese);
    EXPECT_EQ(GetProfileString("LanguageFilePath", "Language", ""), japanese.string());

    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0).utf8_string(), "ファイル(&F)");
    wxMenuItem* language = frame->GetMenuBar()->FindItem(WxCommandId(Cmd::Language));
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->GetItemLabel().utf8_string(), "言語(&L)");
    wxMenuItem* open = frame->GetMenuBar()->FindItem(WxCommandId(Cmd::Open));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->GetItemLabel().utf8_string(), "開く(&O)...\tCtrl+O");  // the shortcut stays

    grid = frame->MainView()->ChannelGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetTextMatrix(0, 3), "タグ");
    EXPECT_EQ(grid->GetTextMatrix(1, 3), "タグ");
    {
        CAbout about(frame);
        EXPECT_EQ(about.GetTitle().utf8_string(), "Pardexについて");
    }

    const std::string path = dir / "radio.html";
    PrintHooks::Current().chooseExportPath = [&](const std::string&) { return path; };
    Screens::Print()(frame, frame->Document().CurrentImage, Cmd::Export);
    PrintHooks::Current() = {};
    const std::string html = Fixtures::ReadBytes(path);
    EXPECT_NE(html.find("周波数帯(印刷)"), std::string::npos);
    EXPECT_EQ(html.find(">Freq. Band<"), std::string::npos);
}

}  // namespace

// The group numbers of the pane selector are a list the program fills
// itself: they follow a language like every other list, and back.
// Start-up reads the stored language beside the window's first parts; the
// window's hook takes it in before any text is looked up.
TEST_F(LanguageAppWinTest, TheLanguageReadAtStartIsInForceBeforeTheFirstText) {
    frame->Destroy();
    frame = nullptr;
    Yield();
    WriteProfileString("LanguageFilePath", "Language", japanese.string());
    Lang::StartReadingStoredLanguage();
    int screensAtHook = -1;
    frame = new CMainFrame(&recent, {program}, program, {}, [&] {
        screensAtHook = ScreenTranslation::OpenScreenCount();
        Lang::ApplyThreadLocale();
    });
    ASSERT_TRUE(frame->Document().LoadStartupImage(""));
    frame->RefreshAllPanes();
    frame->Show();
    Yield();

    EXPECT_EQ(screensAtHook, 0);
    EXPECT_EQ(Lang::CurrentLanguageFile(), japanese);
    EXPECT_EQ(frame->GetMenuBar()->GetMenuLabel(0).utf8_string(), "ファイル(&F)");
    wxWindow* band = frame->MainView()->MainInfoPane()->FindWindow(1001);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->GetLabel().utf8_string(), "周波数帯");
    CVSFlexGrid* grid = frame->MainView()->ChannelGrid();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetTextMatrix(0, 3), "タグ");
}

TEST_F(LanguageAppWinTest, PaneSelectorGroupNumbersFollowTheLanguage) {
    auto* selector = dynamic_cast<PaneSelectorDialog*>(frame->MainView()->PaneSelector());
    ASSERT_NE(selector, nullptr);
    ASSERT_GT(PaneSelectorDialog::GroupCount(frame->Document().CurrentImage), 1);
    auto* groups = dynamic_cast<wxChoice*>(selector->FindWindow(PaneSelectorDialog::IDC_GROUP));
    ASSERT_NE(groups, nullptr);
    EXPECT_EQ(groups->GetString(1), "02");
    const fs::path file = dir.path() / "de.xml";
    std::ofstream(file) << R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="de">
  <Dialog641>
    <RID_6412101><base>01</base><string>Gr. 01</string></RID_6412101>
    <RID_6412101><base>02</base><string>Gr. 02</string></RID_6412101>
  </Dialog641>
</Language>
)";
    ASSERT_TRUE(Lang::LoadLanguage(file));
    Yield();
    EXPECT_EQ(groups->GetString(0), "Gr. 01");
    EXPECT_EQ(groups->GetString(1), "Gr. 02");
    EXPECT_EQ(groups->GetString(2), "03");
    Lang::LoadLanguage({});
    Yield();
    EXPECT_EQ(groups->GetString(1), "02");
}

// The New dialog refills its keypad box through the language whenever the
// display changes, for a portable (product type 2, which no default data
// file holds: the document is made one here).
TEST_F(LanguageAppWinTest, NewDialogKeypadRowsRefilledInTheLanguage) {
    const fs::path file = dir.path() / "de.xml";
    std::ofstream(file) << R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="de">
  <Dialog603>
    <RID_6032104><base>No Key</base><string>Keine Taste</string></RID_6032104>
    <RID_6032104><base>16 Key</base><string>16 Tasten</string></RID_6032104>
  </Dialog603>
</Language>
)";
    ASSERT_TRUE(Lang::LoadLanguage(file));
    ItemMap::SetProductType(frame->Document().CurrentImage, 2);
    CFileNewDlg dialog(frame, frame->Document());
    dialog.Show();
    wxChoice* lcd = dialog.Box(CFileNewDlg::IDC_LCD);
    wxChoice* keypad = dialog.Box(CFileNewDlg::IDC_KEYPAD);
    auto rows = [keypad] {
        std::vector<std::string> out;
        for (unsigned i = 0; i < keypad->GetCount(); ++i) out.push_back(keypad->GetString(i).utf8_string());
        return out;
    };
    struct Case {
        const char* display;
        std::vector<std::string> keypads;
    };
    const Case cases[] = {
        {"None(ZT-610)", {"Keine Taste"}},
        {"LCD(ZT-640)", {" 4 Key"}},
        {" ", {" 4 Key", "16 Tasten"}},  // the first, blank display row
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(RealInput::PickRow(lcd, lcd->FindString(c.display, true))) << c.display;
        RealInput::Settle();
        EXPECT_EQ(rows(), c.keypads) << c.display;
    }
    // Back to the program's own texts while the dialog is open.
    Lang::LoadLanguage({});
    Yield();
    EXPECT_EQ(rows(), (std::vector<std::string>{" 4 Key", "16 Key"}));
    dialog.Hide();
}

// OK and Cancel keep the toolkit's standard ids (and with them Enter,
// Escape and the dialog's result) but read as the ids of their template:
// a language file keyed 1 and 1096 (or 2) reaches them.
TEST_F(LanguageAppWinTest, OkAndCancelTranslateUnderTheirTemplateIds) {
    const LanguageFixtures::ScopedLanguage german(R"(  <Dialog227>
    <RID_2270001><base>OK</base><string>Übernehmen</string></RID_2270001>
    <RID_2271096><base>Cancel</base><string>Abbrechen</string></RID_2271096>
  </Dialog227>
  <Dialog223>
    <RID_2230001><base>OK</base><string>ANI übernehmen</string></RID_2230001>
    <RID_2231096><base>Cancel</base><string>ANI abbrechen</string></RID_2231096>
  </Dialog223>
  <Dialog603>
    <RID_6030001><base>OK</base><string>Neu übernehmen</string></RID_6030001>
    <RID_6031096><base>Cancel</base><string>Neu abbrechen</string></RID_6031096>
  </Dialog603>
  <Dialog142>
    <RID_1420001><base>OK</base><string>Kanal übernehmen</string></RID_1420001>
    <RID_1420002><base>Cancel</base><string>Kanal abbrechen</string></RID_1420002>
  </Dialog142>
  <Dialog601>
    <RID_6010001><base>OK</base><string>Gruppen übernehmen</string></RID_6010001>
  </Dialog601>
  <Dialog604>
    <RID_6040001><base>OK</base><string>Daten übernehmen</string></RID_6040001>
    <RID_6041096><base>Cancel</base><string>Daten abbrechen</string></RID_6041096>
  </Dialog604>
  <Dialog609>
    <RID_6090001><base>OK</base><string>Kennwort übernehmen</string></RID_6090001>
    <RID_6090002><base>Cancel</base><string>Kennwort abbrechen</string></RID_6090002>
  </Dialog609>
  <Dialog616>
    <RID_6160001><base>Next</base><string>Weiter</string></RID_6160001>
    <RID_6160002><base>Cancel</base><string>Umwandeln abbrechen</string></RID_6160002>
  </Dialog616>
  <Dialog634>
    <RID_6340001><base>OK</base><string>Spalten übernehmen</string></RID_6340001>
    <RID_6340002><base>Cancel</base><string>Spalten abbrechen</string></RID_6340002>
  </Dialog634>
  <Dialog645>
    <RID_6450001><base>OK</base><string>Meldung übernehmen</string></RID_6450001>
    <RID_6451096><base>Cancel</base><string>Meldung abbrechen</string></RID_6451096>
  </Dialog645>
)");
    ASSERT_TRUE(german.Loaded());
    CloneImage& image = frame->Document().CurrentImage;
    static constexpr ST_DISPDATA rows[] = {{0, "Off", ""}, {1, "On", ""}, {-1, "", ""}};
    struct Case {
        const char* name;
        std::function<wxDialog*()> open;
        const char* ok;
        const char* cancel;
    };
    const Case cases[] = {
        {"list popup", [&] { return new CPopupDlg(frame, "Pick", rows, 0); }, "Übernehmen", "Abbrechen"},
        {"list popup under a key's sub-index",
         [&] { return new CPopupDlg(frame, "Pick", rows, 0, std::nullopt, MakeRID(4, 406, 1015)); }, "OK", "Cancel"},
        {"VOX popup", [&] { return new CChSetupPopup(frame, image, 0, ChannelPopups::PopupKind::Vox); }, "Übernehmen",
         "Abbrechen"},
        {"sub-audio popup",
         [&] { return new CChSetupSubAudio(frame, image, 0, ChannelPopups::Direction::Decode); }, "Übernehmen",
         "Abbrechen"},
        {"2-tone code popup", [&] { return new C2ToneCodeSelectPopup(frame, image, 2, 7); }, "Übernehmen",
         "Abbrechen"},
        {"ANI", [&] { return new CCHSetupANI(frame, image, 0); }, "ANI übernehmen", "ANI abbrechen"},
        {"New", [&] { return new CFileNewDlg(frame, frame->Document()); }, "Neu übernehmen", "Neu abbrechen"},
        {"channel information", [&] { return new CCHInformation(frame, image, 0); }, "Kanal übernehmen",
         "Kanal abbrechen"},
        {"group allocation",
         [&]() -> wxDialog* {
             auto* dialog = new CZoneAllocationDlg(image);
             dialog->Create(frame);
             return dialog;
         },
         "Gruppen übernehmen", nullptr},
        {"file data", [&] { return new CFileDataDlg(frame, image); }, "Daten übernehmen", "Daten abbrechen"},
        {"password", [&] { return new CPassInput2Dlg(frame); }, "Kennwort übernehmen", "Kennwort abbrechen"},
        {"file convert",
         [&] { return new CFileConvModelDlg(frame, image, [](const std::string&, CloneImage&) { return false; }); },
         "Weiter", "Umwandeln abbrechen"},
        {"visible columns",
         [&] {
             static std::vector<CItemVisible::Column> columns{{"CH", 1, 1, 32785}};
             return new CItemVisible(frame, columns);
         },
         "Spalten übernehmen", "Spalten abbrechen"},
        {"ship-mode message", [&] { return new HShipMessageBox(frame, "", "Time Out Error", dir.path() / "w"); },
         "Meldung übernehmen", "Meldung abbrechen"},
    };
    for (const Case& c : cases) {
        wxDialog* dialog = c.open();
        ASSERT_TRUE(dialog->FindWindow(wxID_OK)) << c.name;
        EXPECT_EQ(dialog->FindWindow(wxID_OK)->GetLabel().utf8_string(), c.ok) << c.name;
        if (c.cancel) {
            EXPECT_EQ(dialog->FindWindow(wxID_CANCEL)->GetLabel().utf8_string(), c.cancel) << c.name;
        }
        EXPECT_EQ(dialog->GetAffirmativeId(), wxID_OK) << c.name;
        dialog->Destroy();
    }
    Yield();

    // Real keys in the list popup: Escape cancels and leaves the caller's
    // value, Enter on a row takes it.
    struct KeyCase {
        int key;
        int result;
        int out;
    };
    for (const KeyCase& k : {KeyCase{WXK_ESCAPE, wxID_CANCEL, -7}, KeyCase{WXK_RETURN, wxID_OK, 1}}) {
        std::string okShown;
        RealInput::WhenModal<CPopupDlg>([&](CPopupDlg& popup) {
            okShown = popup.FindWindow(wxID_OK)->GetLabel().utf8_string();
            ASSERT_TRUE(RealInput::PickRow(popup.List(), 1));
            RealInput::Key(k.key);
        });
        int out = -7;
        EXPECT_EQ(CPopupDlg::Popup(frame, "Pick", rows, 0, std::nullopt, out), k.result) << k.key;
        EXPECT_EQ(out, k.out) << k.key;
        EXPECT_EQ(okShown, "Übernehmen");
    }
}
