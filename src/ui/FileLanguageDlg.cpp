#include "ui/FileLanguageDlg.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <system_error>

#include "image/FileUtil.h"
#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"
#include "ui/UiUtil.h"

namespace fs = std::filesystem;

namespace {
wxString Wx(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}
std::string Utf8(const wxString& s) {
    return s.utf8_string();
}
bool IsExistingFile(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}
constexpr int kGarbleWarning = 33302;
}  // namespace

// ---- file chooser --------------------------------------------------------------------

CLanguageFileDialog::CLanguageFileDialog(wxWindow* parent, const wxString& filter)
    : wxFileDialog(parent, wxFileSelectorPromptStr, Wx(LastLanguagePath().string()), wxEmptyString, filter,
                   wxFD_OPEN | wxFD_FILE_MUST_EXIST) {}

int CLanguageFileDialog::ShowModal() {
    const int result = wxFileDialog::ShowModal();
    if (result == wxID_OK) LastLanguagePath() = fs::path(Utf8(GetPath())).parent_path();
    return result;
}

std::function<std::string(const fs::path&)>& CLanguageFileDialog::Substitute() {
    static std::function<std::string(const fs::path&)> substitute;
    return substitute;
}

fs::path& CLanguageFileDialog::LastLanguagePath() {
    static fs::path path;
    return path;
}

// ---- the dialog ------------------------------------------------------------------------

CFileLanguageDlg::CFileLanguageDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Language") {
    auto* caption = new wxStaticText(this, IDC_CAPTION, "Language File");
    fileName_ = new wxStaticText(this, IDC_FILE_NAME, "", wxDefaultPosition, wxSize(260, -1),
                                 wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    auto* select = new wxButton(this, IDC_SELECT_FILE, "Select File");
    defaultButton_ = new wxButton(this, IDC_DEFAULT, "Default");
    auto* help = new wxButton(this, IDC_HELP, "?", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    auto* ok = new wxButton(this, IDC_OK, "OK");
    auto* cancel = new wxButton(this, IDC_CANCEL, "Cancel");
    SetEscapeId(IDC_CANCEL);

    auto* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(caption, wxSizerFlags().CenterVertical().Border(wxRIGHT, 8));
    fileRow->Add(fileName_, wxSizerFlags(1).CenterVertical());
    auto* choose = new wxBoxSizer(wxHORIZONTAL);
    choose->AddStretchSpacer();
    choose->Add(select, wxSizerFlags().Border(wxRIGHT, 6));
    choose->Add(defaultButton_);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(help);
    buttons->AddStretchSpacer();
    buttons->Add(ok, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(fileRow, wxSizerFlags().Expand().Border(wxALL, 10));
    column->Add(choose, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
    column->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
    SetSizerAndFit(column);

    Bind(wxEVT_BUTTON, &CFileLanguageDlg::OnOK, this, IDC_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_CANCEL); }, IDC_CANCEL);
    Bind(wxEVT_BUTTON, &CFileLanguageDlg::OnSelectFile, this, IDC_SELECT_FILE);
    Bind(wxEVT_BUTTON, &CFileLanguageDlg::OnDefault, this, IDC_DEFAULT);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, IDD); }, IDC_HELP);
    UiUtil::OnF1(*this, [this] { UiUtil::ShowHelpForFocus(this, IDD); });
    OnInitDialog();
    Centre();
}

void CFileLanguageDlg::OnInitDialog() {
    UiUtil::TranslateWindowTexts(this, IDD);
    const fs::path stored = fs::path(GetProfileString("LanguageFilePath", "Language", ""));
    if (IsExistingFile(stored)) {
        ShowChosen(stored);
    } else {
        wxCommandEvent none;
        OnDefault(none);
    }
}

void CFileLanguageDlg::ShowChosen(const fs::path& path) {
    path_ = path;
    fileName_->SetLabel(Wx(path.filename().string()));
}

void CFileLanguageDlg::OnDefault(wxCommandEvent&) {
    // The Default button's caption as shown, without its mnemonic.
    fileName_->SetLabel(Wx(LangTable::PrintTextForRID(Utf8(defaultButton_->GetLabel()))));
    path_.clear();
}

void CFileLanguageDlg::OnSelectFile(wxCommandEvent&) {
    const fs::path chosen = fs::path(BrowseLanguageFile("Language XML file(*.xml)|*.xml|"));
    if (IsExistingFile(chosen)) ShowChosen(chosen);
}

std::string CFileLanguageDlg::BrowseLanguageFile(const std::string& filter) {
    if (const auto& substitute = CLanguageFileDialog::Substitute()) {
        std::string chosen = substitute(CLanguageFileDialog::LastLanguagePath());
        if (!chosen.empty()) CLanguageFileDialog::LastLanguagePath() = fs::path(chosen).parent_path();
        return chosen;
    }
    CLanguageFileDialog chooser(this, Wx(filter + "All files(*.*)|*"));
    if (chooser.ShowModal() != wxID_OK) return {};
    return Utf8(chooser.GetPath());
}

void CFileLanguageDlg::OnOK(wxCommandEvent&) {
    std::string language = Lang::ReadXmlLang(path_);
    if (language.empty()) {
        // Not loadable: say why, and keep the language in force.
        std::string error;
        Lang::LoadLanguage(path_, &error);
        ShowMessage(error, Utf8(GetTitle()), MsgStyle::Ok | MsgStyle::IconWarning);
        EndModal(wxID_CANCEL);
        return;
    }
    if (!Lang::LanguageSuitsSystem(language) &&
        ShowMessage(GetRIDText(kGarbleWarning), Utf8(GetTitle()),
                    MsgStyle::OkCancel | MsgStyle::IconInformation) != MsgAnswer::Ok) {
        EndModal(wxID_CANCEL);
        return;
    }
    std::string error;
    if (!Lang::LoadLanguage(path_, &error)) {
        ShowMessage(error, Utf8(GetTitle()), MsgStyle::Ok | MsgStyle::IconWarning);
        EndModal(wxID_CANCEL);
        return;
    }
    EndModal(wxID_OK);
}

bool CFileLanguageDlg::Run(wxWindow* parent) {
    CFileLanguageDlg dialog(parent);
    return dialog.ShowModal() == wxID_OK;
}
