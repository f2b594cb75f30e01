#include "serial/ui/FileConfigDlg.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "language/Language.h"
#include "language/SettingsFile.h"
#include "ui/MessageService.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiUtil.h"

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}
std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

constexpr const char* kCautionCaption = "Caution";
constexpr const char* kCautionText =
    "This baud rate is not recommended.\nWhen this setting is used, the programming may not be able to "
    "complete "
    "successfully.\nIn the worst case, the programming data may be damaged and broken.";

}  // namespace

CFileConfigDlg::CFileConfigDlg(wxWindow* parent, const PortConfig& current, const PortSources& sources)
    : wxDialog(parent, wxID_ANY, "Configuration"), config_(current) {
    auto* box = new wxStaticBox(this, IDC_GROUP, "Select Com Port");
    auto* portCaption = new wxStaticText(box, IDC_PORT_CAPTION, "COM &Port");
    port_ = new wxComboBox(box, IDC_PORT, "", wxDefaultPosition, wxSize(330, -1), 0, nullptr, wxCB_DROPDOWN);
    auto* baudCaption = new wxStaticText(box, IDC_BAUD_CAPTION, "&BaudRate");
    baud_ = new wxChoice(box, IDC_BAUD, wxDefaultPosition, wxSize(120, -1));
    auto* help = new wxButton(this, IDC_HELP, "?", wxDefaultPosition, wxSize(32, -1));
    ok_ = new wxButton(this, IDC_OK, "OK");
    auto* cancel = new wxButton(this, IDC_CANCEL, "Cancel");

    auto* grid = new wxFlexGridSizer(2, 8, 8);
    grid->AddGrowableCol(1);
    grid->Add(portCaption, wxSizerFlags().CenterVertical());
    grid->Add(port_, wxSizerFlags().Expand());
    grid->Add(baudCaption, wxSizerFlags().CenterVertical());
    grid->Add(baud_);
    auto* group = new wxStaticBoxSizer(box, wxVERTICAL);
    group->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, 8));
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(help);
    buttons->AddStretchSpacer();
    buttons->Add(ok_, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(group, wxSizerFlags(1).Expand().Border(wxALL, 10));
    column->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
    SetSizer(column);

    UiUtil::TranslateWindowTexts(this, IDD);
    for (wxWindow* w : {static_cast<wxWindow*>(portCaption), static_cast<wxWindow*>(baudCaption)}) {
        std::string text;
        if (LangTable::LookupRID(MakeRID(0, IDD, w->GetId()), Utf8(w->GetLabel()), text))
            w->SetLabel(Wx(text));
    }

    // The ports as they are now: a cable plugged in since the last opening shows.
    ComPortTable table;
    EnumComPorts(table, sources);
    model_ = std::make_unique<PortConfiguration::Model>(std::move(table), config_);
    for (const std::string& row : ScreenTranslation::RowsForControl(port_, model_->PortRows())) port_->Append(Wx(row));
    if (model_->InitialRow() >= 0)
        port_->SetSelection(model_->InitialRow());
    else
        port_->ChangeValue(Wx(model_->InitialText()));
    UiUtil::FillComboFromTable(*baud_, baudList_, config_.baudRate);
    ApplyBaudRestriction();

    Fit();
    CentreOnParent();
    SetEscapeId(IDC_CANCEL);

    port_->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) { OnSelChangePort(); });
    port_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnSelChangePort(); });
    ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
    cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); });
    help->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { UiUtil::ShowContextHelp(this, IDD); });
    Bind(wxEVT_HELP, [this](wxHelpEvent&) { UiUtil::ShowHelpForFocus(this, IDD); });
    Bind(wxEVT_CHAR_HOOK, &CFileConfigDlg::OnCharHook, this);
}

std::string CFileConfigDlg::PortText() const {
    const std::string shown = Utf8(port_->GetValue());
    return ScreenTranslation::BaseOfRow(port_, port_->GetSelection(), shown);
}

void CFileConfigDlg::OnSelChangePort() {
    ApplyBaudRestriction();
}

void CFileConfigDlg::ApplyBaudRestriction() {
    const int current = UiUtil::GetComboValue(*baud_, baudList_);
    const std::string portText = PortText();
    if (portText.empty()) return;
    const auto baud = model_->BaudFor(portText, current);
    baudList_ = baud.list;
    UiUtil::FillComboFromTable(*baud_, baudList_, baud.selected);
}

void CFileConfigDlg::OnOK() {
    const std::string portText = PortText();
    if (const std::string refusal = model_->Refusal(portText); !refusal.empty()) {
        ShowMessage(refusal, {}, MsgStyle::Ok | MsgStyle::IconWarning);
        port_->SetFocus();
        return;
    }
    const auto outcome = model_->Ok(portText, UiUtil::GetComboValue(*baud_, baudList_));
    config_ = outcome.config;
    WriteProfileString(PortConfiguration::Section, PortConfiguration::PortKey, config_.port);
    WriteProfileInt(PortConfiguration::Section, PortConfiguration::BaudRateKey, config_.baudRate);
    WriteProfileInt(PortConfiguration::Section, PortConfiguration::CableTypeKey, config_.cableType);
    if (outcome.caution)
        ShowMessage(TextByRid(CautionTextId, kCautionText), TextByRid(CautionCaptionId, kCautionCaption),
                    MsgStyle::Ok | MsgStyle::IconWarning);
    if (IsModal())
        EndModal(wxID_OK);
    else
        SetReturnCode(wxID_OK);
}

void CFileConfigDlg::OnCancel() {
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        SetReturnCode(wxID_CANCEL);
}

void CFileConfigDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    // Enter takes the choice only from the OK button; in a box it does nothing.
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && wxWindow::FindFocus() != ok_) return;
    if (key == WXK_F1) {
        UiUtil::ShowHelpForFocus(this, IDD);
        return;
    }
    event.Skip();
}
