#include "app/MainInfoDlg.h"

#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/weakref.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "app/AppState.h"
#include "app/AppTables.h"
#include "app/ScreenRegistry.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/Modes.h"
#include "image/UiUtil.h"
#include "ui/EditRules.h"
#include "ui/HEdit.h"
#include "ui/Restraction.h"
#include "ui/UiUtil.h"

namespace MainInfo {

namespace {

// The four firmware-version bytes of the header area, in field order.
const HeaderItemDescriptor* const kVersionFields[4] = {
    &ItemMap::HeaderInfoItems[0], &ItemMap::HeaderInfoItems[1], &ItemMap::HeaderInfoItems[4],
    &ItemMap::HeaderInfoItems[5]};

constexpr PageControlSpec kFirmwareEdit{CMainInfoDlg::IDC_FIRMWARE_EDIT, 11, 0, 0,
                                        EditKind::FirmwareVersion,       0};

// Pane rules: per band variant, normal / Engineer / Manufacture.
constexpr std::uint8_t kEditStates[15] = {3, 3, 0, 3, 3, 0, 3, 3, 0, 3, 3, 0, 3, 3, 0};
constexpr std::uint8_t kTextStates[15] = {0, 0, 3, 0, 0, 3, 0, 0, 3, 0, 0, 3, 0, 0, 3};
constexpr std::uint8_t kDestinationStates[15] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
constexpr ControlRuleRow kPaneRules[] = {
    {CMainInfoDlg::IDC_FIRMWARE_EDIT, 1, kEditStates},
    {CMainInfoDlg::IDC_FIRMWARE_TEXT, 0, kTextStates},
    {CMainInfoDlg::IDC_DESTINATION_CAPTION, 1, kDestinationStates},
    {CMainInfoDlg::IDC_DESTINATION, 1, kDestinationStates},
};

// Serial letters skip "O" and "P".
char SerialLetter(int n) {
    static constexpr char kHigh[] = {'Q', 'R', 'S'};
    return n <= 12 ? static_cast<char>('B' + n) : kHigh[std::clamp(n - 13, 0, 2)];
}

}  // namespace

std::string SerialNumberText(const CloneImage& image) {
    const auto code = static_cast<std::int32_t>(ItemMap::GetSerialNumberWord(image));
    std::string prefix = FindNameByIdOrEmpty(AppTables::VersionCodeList, code);
    if (FindIndexInTable12(AppTables::VersionCodeList, code) < 0)
        prefix = FindNameById(AppTables::PlaceholderList, 0);
    char text[64];
    std::snprintf(text, sizeof text, "%s %X%c%02X%04X", prefix.c_str(), ItemMap::GetSerialNumber1(image),
                  SerialLetter(static_cast<int>(ItemMap::GetSerialNumber2(image))),
                  ItemMap::GetSerialNumber3(image), ItemMap::GetSerialNumber4(image));
    return text;
}

std::string BandText(const CloneImage& image) {
    const int key = Model::BandType(image) * 32 + Model::FrequencyType(image);
    std::string name;
    for (const auto& row : AppTables::BandTable)
        if (row.key == key) name = row.name;
    char range[48];
    std::snprintf(range, sizeof range, " (%d-%d)", static_cast<int>(ItemMap::GetMinFrequency(image) / 10),
                  static_cast<int>(ItemMap::GetMaxFrequency(image) / 10));
    return name + range;
}

std::string ProductTypeText(const CloneImage& image) {
    const int product = Model::ProductType(image);
    const int display = Model::DisplayType(image);
    int index = 0;
    if (Model::Byte2401Low(image) == 0) {
        if (product == 0 && display == 3) index = 1;
        if (product == 0 && display == 2) index = 2;
        if (product == 2 && display == 0) index = 3;
        if (product == 2 && display == 2) index = 4;
    }
    return FindNameByIdOrEmpty(AppTables::RadioTypeList, index);
}

std::string DestinationText(const CloneImage& image) {
    int variant = static_cast<int>(ItemMap::GetVariantByte(image));
    if (variant < 0 || variant > 3) variant = 0;
    // Value 3 is the list's end row, whose text is empty.
    std::string text = variant == 3 ? std::string() : FindNameByIdOrEmpty(AppTables::VariantList, variant);
    if (ItemMap::GetWideBandPermit(image) == 0) {
        if (!text.empty()) text += " / ";
        text += "USA";
    }
    return text;
}

std::string FirmwareText(const CloneImage& image) {
    return Version::Format(image);
}

std::string ChannelText(const CloneImage& image) {
    const int maxChannel = std::clamp(static_cast<int>(ItemMap::GetMaxCh(image)), 0, 16);
    return std::to_string(maxChannel * 8);
}

void WriteFirmwareVersion(CloneImage& image, std::string_view text) {
    int fields[4] = {0, 0, 0, 0};
    std::size_t pos = 0;
    for (int& field : fields) {
        if (pos >= text.size()) break;
        // A number runs to the first character that is not a digit; the next
        // one starts one character later.
        bool negative = false;
        if (text[pos] == '-' || text[pos] == '+') negative = text[pos++] == '-';
        long value = 0;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && value < 1000)
            value = value * 10 + (text[pos++] - '0');
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) ++pos;
        field = negative ? 0 : static_cast<int>(std::min(value, 99L));
        ++pos;
    }
    for (int i = 0; i < 4; ++i)
        ItemMap::WriteHeaderField(*kVersionFields[i], image, 0, 0,
                                  static_cast<std::uint32_t>(fields[i] / 10 * 16 + fields[i] % 10));
}

std::vector<ControlShow> PaneRules(const CloneImage& image, int serviceMode) {
    const int variant = Model::GetBandSelection(image);
    const bool wideBandPermit = ItemMap::GetWideBandPermit(image) != 0;
    const auto destination = ItemMap::GetVariantByte(image);
    std::vector<ControlShow> result;
    for (const ControlRuleRow& row : kPaneRules) {
        ControlShow show{row.controlId, true, true, false};
        switch (OpeningState(row, variant, serviceMode)) {
            case RestrictionState::Disable:
                show.readOnly = true;
                break;
            case RestrictionState::Check:
                show.enabled = false;
                break;
            case RestrictionState::Hide:
            case RestrictionState::HideToo:
                show.shown = show.enabled = false;
                break;
            case RestrictionState::CheckUnconditional:
                if (wideBandPermit) {
                    const bool isDestination = row.controlId == CMainInfoDlg::IDC_DESTINATION_CAPTION ||
                                               row.controlId == CMainInfoDlg::IDC_DESTINATION;
                    show.shown = show.enabled = isDestination && destination != 0 && destination != 1;
                }
                break;
            default:
                break;
        }
        result.push_back(show);
    }
    return result;
}

}  // namespace MainInfo

// ---- the pane ------------------------------------------------------------------------

namespace {

struct Field {
    int caption;
    const char* captionText;
    int value;
};
constexpr Field kFields[] = {
    {CMainInfoDlg::IDC_SERIAL_CAPTION, " Serial No.", CMainInfoDlg::IDC_SERIAL},
    {CMainInfoDlg::IDC_BAND_CAPTION, " Freq. Band", CMainInfoDlg::IDC_BAND},
    {CMainInfoDlg::IDC_PRODUCT_CAPTION, " Product Type", CMainInfoDlg::IDC_PRODUCT},
    {CMainInfoDlg::IDC_FIRMWARE_CAPTION, " FW Version", CMainInfoDlg::IDC_FIRMWARE_TEXT},
    {CMainInfoDlg::IDC_CHANNEL_CAPTION, " Radio Channel", CMainInfoDlg::IDC_CHANNEL},
    {CMainInfoDlg::IDC_DESTINATION_CAPTION, " Destination", CMainInfoDlg::IDC_DESTINATION},
};

}  // namespace

void CMainInfoDlg::BuildControls() {
    // One caption band and its value under it per item: the pane is a narrow
    // column at the left of the main window.
    auto* column = new wxBoxSizer(wxVERTICAL);
    const wxColour band = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    const wxColour bandText = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT);
    for (const Field& field : kFields) {
        auto* caption = new wxStaticText(this, field.caption, field.captionText, wxDefaultPosition,
                                         wxDefaultSize, wxST_NO_AUTORESIZE);
        caption->SetBackgroundColour(band);
        caption->SetForegroundColour(bandText);
        column->Add(caption,
                    wxSizerFlags().Expand().Border(wxTOP, field.caption == IDC_SERIAL_CAPTION ? 4 : 8));
        auto* value = new wxStaticText(this, field.value, "");
        value->SetMinSize(wxSize(value->GetTextExtent("ZT-640 (Portable)").x, -1));
        column->Add(value, wxSizerFlags().Border(wxLEFT | wxTOP, 4));
        if (field.value == IDC_FIRMWARE_TEXT) {
            firmwareEdit_ = new HEditFirmwareVersion(this, IDC_FIRMWARE_EDIT);
            firmwareEdit_->SetEditConfig(MainInfo::kFirmwareEdit);
            column->Add(firmwareEdit_, wxSizerFlags().Expand().Border(wxLEFT | wxTOP | wxRIGHT, 2));
        }
    }
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(column, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 4));
    SetSizer(outer);

    firmwareEdit_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { OnFirmwareVersionChange(); });
    firmwareEdit_->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        OnFirmwareVersionKillFocus();
    });
    Bind(wxEVT_CHAR_HOOK, &CMainInfoDlg::OnCharHook, this);
}

bool CMainInfoDlg::OnInitDialog() {
    UiUtil::TranslateWindowTexts(this, IDD);
    RefreshFields();
    return HPainBaseDlg::OnInitDialog();
}

void CMainInfoDlg::RefreshFields() {
    UiUtil::SetDlgItemString(this, IDC_SERIAL, MainInfo::SerialNumberText(image_));
    UiUtil::SetDlgItemString(this, IDC_BAND, MainInfo::BandText(image_));
    UiUtil::SetDlgItemString(this, IDC_PRODUCT, MainInfo::ProductTypeText(image_));
    UiUtil::SetDlgItemString(this, IDC_DESTINATION, MainInfo::DestinationText(image_));
    const std::string firmware = MainInfo::FirmwareText(image_);
    if (firmwareEdit_) firmwareEdit_->ChangeValue(wxString::FromUTF8(firmware));
    UiUtil::SetDlgItemString(this, IDC_FIRMWARE_TEXT, firmware);
    UiUtil::SetDlgItemString(this, IDC_CHANNEL, MainInfo::ChannelText(image_));
    ApplyRules();
}

void CMainInfoDlg::ApplyRules() {
    for (const auto& show : MainInfo::PaneRules(image_, AppState::ServiceMode())) {
        wxWindow* control = FindWindow(show.controlId);
        if (!control) continue;
        control->Show(show.shown);
        control->Enable(show.enabled);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(control)) edit->SetEditable(!show.readOnly);
    }
    Layout();
}

void CMainInfoDlg::OnFirmwareVersionChange() {
    if (!firmwareEdit_ || wxWindow::FindFocus() != firmwareEdit_ || !firmwareEdit_->IsEditable()) return;
    MainInfo::WriteFirmwareVersion(image_, firmwareEdit_->GetText());
}

void CMainInfoDlg::OnFirmwareVersionKillFocus() {
    if (!IsShown() || !firmwareEdit_ || !firmwareEdit_->IsEditable()) return;
    firmwareEdit_->Correct();
}

void CMainInfoDlg::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() != WXK_F9 || !event.ShiftDown() || AppState::AppMode() == AppModes::Normal ||
        !Screens::ImageEditor()) {
        event.Skip();
        return;
    }
    wxWeakRef<wxWindow> focus(wxWindow::FindFocus());
    // The editor works on a copy; on OK every pane shows what it wrote.
    if (Screens::ImageEditor()(this, image_))
        if (PaneHost* host = MainPaneHost()) host->RefreshAllPanes();
    if (focus) focus->SetFocus();
}
