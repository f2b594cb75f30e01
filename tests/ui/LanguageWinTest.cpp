// Screens in the language in force: the one call every screen makes when it
// is built, lists filled before and after it, a change of language while
// the screen is open, and the language dialog driven by real clicks.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <fstream>
#include <functional>

#include "WinTestUtil.h"
#include "image/TestHost.h"
#include "language/Language.h"
#include "language/LanguageFixtures.h"
#include "language/SettingsFile.h"
#include "ui/FileLanguageDlg.h"
#include "ui/HtmlDocument.h"
#include "ui/MessageService.h"
#include "ui/PopupDlg.h"
#include "ui/PrintableScreen.h"
#include "ui/RealInput.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"
#include "ui/VSFlexGrid.h"

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

constexpr ST_DISPDATA kBands[] = {{98, "VHF", ""}, {128, "UHF A", ""}, {131, "UHF D", ""}, {-1, "", ""}};

class LanguageWin : public ::testing::Test {
  protected:
    void SetUp() override {
        SetProfilePath(dir.path() / "settings.xml");
        ScreenTranslation::InstallLanguageServices();
        ASSERT_TRUE(Lang::LoadLanguage({}));
        japanese = LanguageFixtures::Write(dir.path(), "ja.xml", LanguageFixtures::Japanese);
        russian = LanguageFixtures::Write(dir.path(), "ru.xml", LanguageFixtures::Russian);
    }
    void TearDown() override {
        Lang::LoadLanguage({});
        SetProfilePath({});
    }
    static std::vector<std::string> Items(const wxChoice& box) {
        std::vector<std::string> out;
        for (unsigned i = 0; i < box.GetCount(); ++i) out.push_back(box.GetString(i).utf8_string());
        return out;
    }

    TempDir dir;
    fs::path japanese, russian;
    ScriptedMessageService messages;
    ScopedMessageService scopedMessages{messages};
    TestFrame frame;
};

TEST_F(LanguageWin, ScreensShowTheLanguageAndFollowAChangeWhileOpen) {
    // The New dialog's band row as a screen of its own (dialog 603).
    auto* page = new wxPanel(frame.frame, wxID_ANY);
    auto* box = new wxStaticBox(page, 7, "Band");
    auto* inBox = new wxStaticText(box, 2001, "Language File");
    auto* bands = new wxChoice(page, 2101);
    auto* edit = new wxTextCtrl(page, 2301, "VHF");
    UiUtil::FillComboFromTable(*bands, kBands, 128);

    ASSERT_TRUE(Lang::LoadLanguage(japanese));
    UiUtil::TranslateWindowTexts(page, 603);
    EXPECT_EQ(Items(*bands), (std::vector<std::string>{"VHF帯", "UHF帯 A", "UHF D"}));
    EXPECT_EQ(UiUtil::GetComboValue(*bands, kBands), 128);  // found by its program text
    EXPECT_EQ(edit->GetValue(), "VHF");                     // what the user typed stays

    // A list made and filled after its screen was translated is translated as it fills.
    auto* second = new wxPanel(frame.frame, wxID_ANY);
    UiUtil::TranslateWindowTexts(second, 603);
    auto* late = new wxChoice(second, 2101);
    UiUtil::FillComboFromTable(*late, kBands, 98);
    EXPECT_EQ(late->GetString(0).utf8_string(), "VHF帯");
    EXPECT_EQ(UiUtil::GetComboValue(*late, kBands), 98);

    // Another language: every text starts again from the program's own.
    ASSERT_TRUE(Lang::LoadLanguage(russian));
    EXPECT_EQ(Items(*bands), (std::vector<std::string>{"VHF", "UHF A", "UHF D"}));
    EXPECT_EQ(late->GetString(0).utf8_string(), "VHF");
    EXPECT_EQ(UiUtil::GetComboValue(*bands, kBands), 128);
    ASSERT_TRUE(Lang::LoadLanguage(japanese));
    EXPECT_EQ(Items(*bands)[1], "UHF帯 A");
    EXPECT_EQ(inBox->GetLabel().utf8_string(), "Language File");  // RID 6032001 has no entry

    const int open = ScreenTranslation::OpenScreenCount();
    page->Destroy();
    EXPECT_EQ(ScreenTranslation::OpenScreenCount(), open - 1);
}

TEST_F(LanguageWin, LabelsInsideBoxesAndTheCaptionTranslateByRid) {
    ASSERT_TRUE(Lang::LoadLanguage(japanese));
    auto* dialog = new wxDialog(frame.frame, wxID_ANY, "Language");
    auto* box = new wxStaticBox(dialog, wxID_ANY, "");
    auto* caption = new wxStaticText(box, 3202, "Language File");
    auto* typed = new wxStaticText(dialog, 2802, "Language File");
    UiUtil::TranslateWindowTexts(dialog, 621);
    EXPECT_EQ(dialog->GetTitle().utf8_string(), "言語");
    EXPECT_EQ(caption->GetLabel().utf8_string(), "言語ファイル");
    EXPECT_EQ(typed->GetLabel().utf8_string(), "言語ファイル名");
    // A label the screen writes itself later holds its data: a change of
    // language leaves it, common words and all.
    typed->SetLabel("67.0 Hz");
    ASSERT_TRUE(Lang::LoadLanguage(japanese));
    EXPECT_EQ(typed->GetLabel().utf8_string(), "67.0 Hz");
    ASSERT_TRUE(Lang::LoadLanguage({}));
    EXPECT_EQ(dialog->GetTitle().utf8_string(), "Language");
    EXPECT_EQ(caption->GetLabel().utf8_string(), "Language File");
    EXPECT_EQ(typed->GetLabel().utf8_string(), "67.0 Hz");
    dialog->Destroy();
}

TEST_F(LanguageWin, GridHeadersTranslateUnderOneRidAndShortBaseListsLeaveCellsEmpty) {
    ASSERT_TRUE(Lang::LoadLanguage(LanguageFixtures::Write(
        dir.path(), "grid.xml",
        "<L xml:lang=\"de\"><G><RID_1331013><base>Name</base><string>Nom</string></RID_1331013>"
        "<RID_1331013><base>Value</base><string>Valeur</string></RID_1331013></G></L>")));
    auto* grid = new CVSFlexGrid(frame.frame, 1013);
    grid->SetCols(3);
    grid->SetRows(4);
    grid->SetFixedRows(2);
    grid->SetTextMatrix(0, 0, "Name");
    grid->SetTextMatrix(0, 1, "Value");
    grid->SetTextMatrix(1, 2, "12.5 kHz");
    ScreenTranslation::TranslateGridHeader(*grid, 133);
    EXPECT_EQ(grid->GetTextMatrix(0, 0), "Nom");
    EXPECT_EQ(grid->GetTextMatrix(0, 1), "Valeur");
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "12.5 kHz");
    const std::vector<std::vector<std::string>> bases{{"Value"}, {}};
    ScreenTranslation::TranslateGridHeader(*grid, 133, &bases);
    EXPECT_EQ(grid->GetTextMatrix(0, 0), "Valeur");
    EXPECT_EQ(grid->GetTextMatrix(0, 1), "");
    EXPECT_EQ(grid->GetTextMatrix(1, 2), "");
    grid->Destroy();
}

TEST_F(LanguageWin, PopupListRowsShowTheirCommonWordsInTheLanguage) {
    ASSERT_TRUE(Lang::LoadLanguage(japanese));
    constexpr ST_DISPDATA tones[] = {{1, "67.0 Hz", ""}, {2, "Direct CH 2", ""}, {-1, "", ""}};
    CPopupDlg popup(frame.frame, "Sub-Audio", tones, 1);
    auto* list = dynamic_cast<wxListBox*>(popup.FindWindow(CPopupDlg::IDC_LIST));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetCount(), 2u);
    EXPECT_EQ(list->GetString(0).utf8_string(), "67.0 ヘルツ");
    EXPECT_EQ(list->GetString(1).utf8_string(), "Direct CH 2");
}

// The popup's texts take the sub-index of the RID its caller opens it for:
// one list reads differently for each caller, and F1 asks for that RID.
TEST_F(LanguageWin, PopupRowsTranslateUnderTheSubIndexOfTheCallersKey) {
    const fs::path file = LanguageFixtures::Write(dir.path(), "de.xml", R"(<?xml version="1.0" encoding="utf-8"?>
<Language xml:lang="de">
  <Dialog227>
    <RID_2271153><base>Off</base><string>Aus</string></RID_2271153>
    <RID_42271153><base>Off</base><string>Aus (Antwort)</string></RID_42271153>
  </Dialog227>
</Language>
)");
    ASSERT_TRUE(Lang::LoadLanguage(file));
    constexpr ST_DISPDATA codes[] = {{255, "Off", ""}, {0, "0", ""}, {-1, "", ""}};
    struct Case {
        int key;
        const char* off;
    };
    const Case cases[] = {
        {0, "Aus"},                               // the popup's own key
        {MakeRID(0, 406, 1013), "Aus"},           // sub-index 0
        {MakeRID(4, 406, 1015), "Aus (Antwort)"}, // sub-index 4
        {MakeRID(2, 403, 2303), "Off"},           // none for sub-index 2
    };
    for (const Case& c : cases) {
        CPopupDlg popup(frame.frame, "Code", codes, 255, std::nullopt, c.key);
        ASSERT_EQ(popup.List()->GetCount(), 2u);
        EXPECT_EQ(popup.List()->GetString(0).utf8_string(), c.off) << c.key;
        EXPECT_EQ(popup.List()->GetString(1).utf8_string(), "0");
    }

    auto& hooks = UiHooks::Current();
    const UiHooks::Hooks saved = hooks;
    std::vector<int> asked;
    hooks.openHelp = [&asked](wxWindow*, int rid) { asked.push_back(rid); };
    for (int key : {MakeRID(4, 406, 1015), 0}) {
        CPopupDlg popup(frame.frame, "Code", codes, 255, std::nullopt, key);
        popup.Show();
        EXPECT_TRUE(RealInput::Focus(popup.List()));
        RealInput::Key(WXK_F1);
        popup.Hide();
    }
    hooks = saved;
    EXPECT_EQ(asked, (std::vector<int>{MakeRID(4, 406, 1015), MakeRID(0, 227, 0)}));
}

// ---- the language dialog -------------------------------------------------------------

void Click(wxWindow* target) {
    wxUIActionSimulator sim;
    sim.MouseMove(target->GetScreenRect().GetPosition() + target->GetSize() / 2);
    wxYield();
    sim.MouseClick();
}

// Runs the dialog; `steps` run one after another inside its modal loop.
int RunDialog(CFileLanguageDlg& dialog, std::vector<std::function<void()>> steps) {
    auto next = std::make_shared<std::function<void(std::size_t)>>();
    *next = [&dialog, steps, next](std::size_t i) {
        if (i >= steps.size() || !dialog.IsModal()) return;
        steps[i]();
        wxTheApp->CallAfter([next, i] { (*next)(i + 1); });
    };
    wxTheApp->CallAfter([next] { (*next)(0); });
    const int result = dialog.ShowModal();
    *next = nullptr;
    return result;
}

std::function<void()> ClickOn(CFileLanguageDlg& d, int id) {
    return [&d, id] {
        d.Raise();
        wxYield();
        Click(d.FindWindow(id));
        for (int i = 0; i < 20 && d.IsModal(); ++i) wxYield();
    };
}

TEST_F(LanguageWin, LanguageDialogOkLoadsTheChosenFileCancelAndDefaultBehave) {
    std::string shownName;
    // A file stored by a former run shows by name; Cancel keeps the program's texts.
    WriteProfileString("LanguageFilePath", "Language", japanese.string());
    {
        CFileLanguageDlg d(frame.frame);
        shownName = d.FindWindow(CFileLanguageDlg::IDC_FILE_NAME)->GetLabel().utf8_string();
        EXPECT_EQ(RunDialog(d, {ClickOn(d, CFileLanguageDlg::IDC_CANCEL)}), wxID_CANCEL);
    }
    EXPECT_EQ(shownName, "ja.xml");
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");

    // OK on it: the warning only where the language may not show, then loaded.
    messages.QueueAnswer(MsgAnswer::Ok);
    {
        CFileLanguageDlg d(frame.frame);
        EXPECT_EQ(RunDialog(d, {ClickOn(d, CFileLanguageDlg::IDC_OK)}), wxID_OK);
    }
    EXPECT_EQ(messages.Count(), Lang::LanguageSuitsSystem("ja") ? 0u : 1u);
    EXPECT_EQ(GetRIDText(32907), "アップロード中です。");
    EXPECT_EQ(Lang::CurrentLanguageFile(), japanese);
    // Printouts are rebuilt, in the file's print font.
    EXPECT_TRUE(PrintableScreen::RerenderFlag());
    EXPECT_EQ(CurrentPrintLanguage().fontName, "Serif");

    // A second OK without a change leaves the settings file byte for byte.
    const std::string before = ReadAll(dir.path() / "settings.xml");
    messages.QueueAnswer(MsgAnswer::Ok);
    {
        CFileLanguageDlg d(frame.frame);
        EXPECT_EQ(RunDialog(d, {ClickOn(d, CFileLanguageDlg::IDC_OK)}), wxID_OK);
    }
    EXPECT_EQ(ReadAll(dir.path() / "settings.xml"), before);

    // Default then OK: the program's own texts, the stored choice empty.
    {
        CFileLanguageDlg d(frame.frame);
        EXPECT_EQ(d.GetTitle().utf8_string(), "言語");
        RunDialog(
            d, {ClickOn(d, CFileLanguageDlg::IDC_DEFAULT),
                [&] { shownName = d.FindWindow(CFileLanguageDlg::IDC_FILE_NAME)->GetLabel().utf8_string(); },
                ClickOn(d, CFileLanguageDlg::IDC_OK)});
    }
    EXPECT_EQ(shownName, "既定");
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");
    EXPECT_EQ(GetProfileString("LanguageFilePath", "Language", "<none>"), "");
}

TEST_F(LanguageWin, LanguageDialogRefusesABrokenFileWithAMessageAndKeepsTheLanguage) {
    ASSERT_TRUE(Lang::LoadLanguage(japanese));
    const fs::path broken = LanguageFixtures::Write(dir.path(), "broken.xml", "<L xml:lang=\"de\"><G>");
    WriteProfileString("LanguageFilePath", "Language", broken.string());
    {
        CFileLanguageDlg d(frame.frame);
        EXPECT_EQ(RunDialog(d, {ClickOn(d, CFileLanguageDlg::IDC_OK)}), wxID_CANCEL);
    }
    ASSERT_EQ(messages.Count(), 1u);
    EXPECT_NE(messages.Last().text.find("broken.xml"), std::string::npos);
    EXPECT_EQ(GetRIDText(32907), "アップロード中です。");
    EXPECT_EQ(Lang::CurrentLanguageFile(), japanese);
}

TEST_F(LanguageWin, AWarnedLanguageCancelledKeepsTheLanguageInForce) {
    const fs::path hindi = LanguageFixtures::Write(
        dir.path(), "hi.xml",
        "<L xml:lang=\"hi\"><G><RID_32907><base>Now, Uploading... Please Wait.</base><string>H</string>"
        "</RID_32907></G></L>");
    WriteProfileString("LanguageFilePath", "Language", hindi.string());
    messages.QueueAnswer(MsgAnswer::Cancel);
    {
        CFileLanguageDlg d(frame.frame);
        EXPECT_EQ(RunDialog(d, {ClickOn(d, CFileLanguageDlg::IDC_OK)}), wxID_CANCEL);
    }
    ASSERT_EQ(messages.Count(), 1u);  // "hi" has no code page: always warned
    EXPECT_EQ(messages.Last().text, GetRIDText(33302));
    EXPECT_EQ(messages.Last().caption, "Language");
    EXPECT_EQ(GetRIDText(32907), "Now, Uploading... Please Wait.");
}

}  // namespace
