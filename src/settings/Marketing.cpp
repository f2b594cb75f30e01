#include "settings/Marketing.h"

#include <cstdio>
#include <cstdlib>

#include "image/ImageHost.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSystem.h"
#include "language/StringTable.h"
#include "settings/SettingsFlags.h"
#include "ui/EditRules.h"
#include "ui/MessageService.h"

using namespace Settings;

namespace {

// clang-format off
constexpr PageControlSpec kSpecs[] = {
    {CMarketingDlg::IDC_SERIAL, 8, 0, 0, EditKind::SerialNumber, 0},
    {2302, 8, 0, 0, EditKind::Hex, 0}, {2303, 8, 0, 0, EditKind::Hex, 0}, {2304, 8, 0, 0, EditKind::Hex, 0},
    {2305, 8, 0, 0, EditKind::Hex, 0}, {2306, 8, 0, 0, EditKind::Hex, 0}, {2307, 8, 0, 0, EditKind::Hex, 0},
    {2308, 8, 0, 0, EditKind::Hex, 0}, {2309, 8, 0, 0, EditKind::Hex, 0},
    // The date is shown as "20YY/MM/DD" and never stored: ten characters.
    {CMarketingDlg::IDC_DATE, 10, 0, 0, EditKind::Any, 0},
    {CMarketingDlg::IDC_VERSION, 5, 0, 99.99, EditKind::DecimalNumber, 0},
};
// The texts the dialog shows but never stores.
constexpr PageControlSpec kShownOnly[] = {
    {CMarketingDlg::IDC_MODEL_CODE, 2, 0, 0, EditKind::Any, 0},
    {CMarketingDlg::IDC_FCC_NARROW, 10, 0, 0, EditKind::Any, 0},
    {CMarketingDlg::IDC_MARKET, 3, 0, 0, EditKind::Any, 0},
};
// clang-format on

constexpr ST_DISPDATA kModelCodes[] = {{1049, "4P", ""}, {1050, "4Q", ""}, {516, "24", ""},
                                       {517, "25", ""},  {518, "26", ""},  {519, "27", ""}};

// The same states in every variant and mode; one array per printed line.
constexpr std::uint8_t H = RestrictionState::Hide, D = RestrictionState::Disable;
constexpr std::uint8_t kShown[15] = {};
constexpr std::uint8_t kHidden[4][15] = {
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},
};
constexpr std::uint8_t kDisabled[2][15] = {
    {D, D, D, D, D, D, D, D, D, D, D, D, D, D, D},
    {D, D, D, D, D, D, D, D, D, D, D, D, D, D, D},
};
constexpr ControlRuleRow kRules[] = {
    {2001, 0, kShown},       {2312, 1, kShown},       {2301, 1, kShown},       {2005, 0, kHidden[0]},
    {2201, 1, kHidden[0]},   {2002, 0, kHidden[1]},   {2302, 1, kHidden[1]},   {2303, 1, kHidden[1]},
    {2304, 1, kHidden[1]},   {2305, 1, kHidden[1]},   {2306, 1, kHidden[1]},   {2307, 1, kHidden[1]},
    {2308, 1, kHidden[1]},   {2309, 1, kHidden[1]},   {1101, 0, kHidden[1]},   {1102, 0, kHidden[1]},
    {1103, 0, kHidden[1]},   {1104, 0, kHidden[1]},   {1105, 0, kHidden[1]},   {1106, 0, kHidden[1]},
    {2401, 1, kHidden[2]},   {2003, 0, kDisabled[0]}, {2310, 1, kDisabled[0]}, {2004, 0, kDisabled[1]},
    {2311, 1, kDisabled[1]}, {2007, 0, kHidden[3]},   {2314, 1, kHidden[3]},   {-1, 0, nullptr},
};

constexpr std::size_t kBlock8 = CloneImage::BlockOffset(8);

// The serial letters B-N, Q, R, S by code 0-15.
char SerialLetter(std::uint32_t code) {
    return static_cast<char>(code <= 12 ? 'B' + code : 'B' + code + 2);
}

bool ParseHex(const std::string& text, std::uint32_t& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = static_cast<std::uint32_t>(std::strtoul(text.c_str(), &end, 16));
    return end && *end == '\0';
}

// A whole text that is a decimal number, in hundredths.
bool ParseHundredths(const std::string& text, long& hundredths) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (!end || *end != '\0' || value < 0 || value > 99.99) return false;
    hundredths = static_cast<long>(value * 100 + 0.5);
    return true;
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CMarketingDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CMarketingDlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

std::uint32_t CMarketingDlg::BcdToInt(std::uint32_t bcd) {
    std::uint32_t value = 0;
    for (int shift = 28; shift >= 0; shift -= 4) value = value * 10 + ((bcd >> shift) & 0xF);
    return value;
}

std::uint32_t CMarketingDlg::IntToBcd(std::uint32_t value) {
    std::uint32_t bcd = 0;
    for (int shift = 0; value && shift < 32; shift += 4, value /= 10) bcd |= (value % 10) << shift;
    return bcd;
}

bool CMarketingDlg::IsValidBcd(std::uint32_t bcd) {
    for (int shift = 0; shift < 32; shift += 4)
        if (((bcd >> shift) & 0xF) > 9) return false;
    return true;
}

std::string CMarketingDlg::SerialText(const CloneImage& image) {
    char text[32];
    std::snprintf(text, sizeof text, "%X%c%02X%04X", ItemMap::GetSerialNumber1(image),
                  SerialLetter(ItemMap::GetSerialNumber2(image)), ItemMap::GetSerialNumber3(image),
                  ItemMap::GetSerialNumber4(image));
    return text;
}

std::string CMarketingDlg::ModelCodeText(const CloneImage& image) {
    const auto code = static_cast<std::int32_t>(ItemMap::GetSerialNumberWord(image));
    for (const auto& row : kModelCodes)
        if (row.value == code) return row.text;
    return "**";
}

void CMarketingDlg::Build() {
    SetRuleRows(kRules);
    AddEdit(2001, "&Serial Number", kShownOnly[0]);
    AddEdit(0, {}, kSpecs[0]);
    AddEdit(2003, "&Programmed Date", kSpecs[9]);
    AddEdit(2004, "Programmed PX &Version", kSpecs[10]);
    AddCheck(IDC_SERIAL_WRITE, {}, 2005, "Serial &Write Check");
    AddEdit(2007, "&Marketing", kShownOnly[2]);
    AddEdit(2002, "&Custom Type Code", kSpecs[1]);
    for (int i = 2; i <= 8; ++i) AddEdit(0, {}, kSpecs[i]);
    for (int id = 1101; id <= 1106; ++id) Form().Add(id, ControlKind::Label, "-");
    AddButton(IDC_EDIT_CUSTOM, "&Edit");
    AddEdit(IDC_FCC_LABEL, "&FCC Narrow", kShownOnly[1]);
}

void CMarketingDlg::LoadOwn(const CloneImage& image) {
    loadedSerial_ = SerialText(image);
    Form().SetText(IDC_SERIAL, loadedSerial_);
    Form().SetText(IDC_MODEL_CODE, ModelCodeText(image));

    const std::uint32_t date = (std::uint32_t{image[kBlock8 + 0x100]} << 16) |
                               (std::uint32_t{image[kBlock8 + 0x101]} << 8) | image[kBlock8 + 0x102];
    const std::uint32_t v = BcdToInt(date);
    char text[32];
    std::snprintf(text, sizeof text, "20%02u/%02u/%02u", v / 10000 % 100, (v % 10000) / 100, v % 100);
    Form().SetText(IDC_DATE, text);

    // Version bytes that are not BCD have no number to show.
    const std::uint8_t whole = image[kBlock8 + 0x103], hundredths = image[kBlock8 + 0x104];
    if (IsValidBcd(whole) && IsValidBcd(hundredths)) {
        std::snprintf(text, sizeof text, "%.2f", (BcdToInt(whole) * 100 + BcdToInt(hundredths)) / 100.0);
        loadedVersion_ = text;
    } else {
        loadedVersion_.clear();
        Form().MarkInvalid(IDC_VERSION);
    }
    Form().SetText(IDC_VERSION, loadedVersion_);

    const bool narrow = image[kBlock8 + 0x105] == 0;
    Form().SetText(IDC_FCC_NARROW, "Correspond");
    Form().Show(IDC_FCC_NARROW, narrow);
    Form().Show(IDC_FCC_LABEL, narrow);
    Form().SetText(IDC_MARKET, "USA");
    Form().SetChecked(IDC_SERIAL_WRITE, SerialWriteFlag() != 0);
}

bool CMarketingDlg::ShipStep() const {
    return !Printing() && Host().AppMode() == 4 && SerialStepFlag() == 1;
}

void CMarketingDlg::AfterRules() {
    if (ShipStep()) {
        // The factory only types the serial number.
        for (const ControlRuleRow* row = kRules; row->controlId != -1; ++row)
            if (row->controlId != 2001 && row->controlId != IDC_SERIAL && row->controlId != IDC_MODEL_CODE)
                Form().Show(row->controlId, false);
        Form().SetText(IDC_SERIAL, {});
        return;
    }
    Form().Enable(IDC_SERIAL, Form().Checked(IDC_SERIAL_WRITE));
}

void CMarketingDlg::Changed(int controlId) {
    if (controlId == IDC_SERIAL_WRITE && !ShipStep())
        Form().Enable(IDC_SERIAL, Form().Checked(IDC_SERIAL_WRITE));
}

// In the factory step a complete serial number confirms the dialog.
void CMarketingDlg::Edited(int controlId) {
    if (controlId == IDC_SERIAL && ShipStep() && Form().Text(IDC_SERIAL).size() == 8) Form().RequestConfirm();
}

// A serial number is checked only while it can be typed: a blank image's
// stored "FSFFFFFF" does not block OK when nobody may change it.
bool CMarketingDlg::Validate() {
    if (!Form().IsEnabled(IDC_SERIAL) || !Form().IsVisible(IDC_SERIAL)) return true;
    // The serial letter counts in either case and is stored as a capital.
    std::string serial = Form().Text(IDC_SERIAL);
    if (serial.size() > 1 && serial[1] >= 'a' && serial[1] <= 'z') {
        serial[1] = static_cast<char>(serial[1] - 'a' + 'A');
        Form().SetText(IDC_SERIAL, serial);
    }
    if (EditRules::IsValidSerialNumber(serial)) return true;
    // This message is never translated.
    ShowMessage(BuiltinText(RidInvalidSerial), "Error", MsgStyle::Ok | MsgStyle::IconError);
    Form().SetText(IDC_SERIAL, {});
    Form().RequestFocus(IDC_SERIAL);
    return false;
}

void CMarketingDlg::SaveOwn(CloneImage& image) {
    const std::string serial = Form().Text(IDC_SERIAL);
    if (Form().IsEnabled(IDC_SERIAL) && Form().IsVisible(IDC_SERIAL) && serial.size() == 8 &&
        serial != loadedSerial_) {
        std::uint32_t d1 = 0, d3 = 0, d4 = 0;
        int code = serial[1] - 'B';
        if (code >= 15 && code <= 17) code -= 2;
        if (ParseHex(serial.substr(0, 1), d1) && ParseHex(serial.substr(2, 2), d3) &&
            ParseHex(serial.substr(4, 4), d4) && IsValidBcd(d1) && IsValidBcd(d3) && IsValidBcd(d4) &&
            code >= 0 && code <= 15) {
            const auto c = static_cast<std::uint32_t>(code);
            ItemMap::SetSerialPart1(image, d1);
            ItemMap::SetSerialPart2(image, c);
            ItemMap::SetSerialPart3(image, d3);
            ItemMap::SetSerialPart4(image, d4);
            ItemMap::SetSerialNumber1(image, d1);
            ItemMap::SetSerialNumber2(image, c);
            ItemMap::SetSerialNumber3(image, d3);
            ItemMap::SetSerialNumber4(image, d4);
        }
    }
    long hundredths = 0;
    const std::string version = Form().Text(IDC_VERSION);
    if (version != loadedVersion_ && ParseHundredths(version, hundredths)) {
        image[kBlock8 + 0x103] =
            static_cast<std::uint8_t>(IntToBcd(static_cast<std::uint32_t>(hundredths / 100)));
        image[kBlock8 + 0x104] =
            static_cast<std::uint8_t>(IntToBcd(static_cast<std::uint32_t>(hundredths % 100)));
    }
    SerialWriteFlag() = Form().Checked(IDC_SERIAL_WRITE) ? 1 : 0;
}

std::array<std::uint8_t, 64> CMarketingDlg::ReadCustomCode() const {
    std::array<std::uint8_t, 64> values{};
    for (int r = 0; r < 8; ++r) {
        std::string field = Form().Text(IDC_CUSTOM_FIRST + r);
        if (field.size() < 8) field.insert(0, 8 - field.size(), '0');
        std::uint8_t previous = 0;
        for (int k = 0; k < 8; ++k) {
            const char c = field[k];
            std::uint8_t value = previous;  // any other character repeats the one before
            if (c >= '0' && c <= '9') value = static_cast<std::uint8_t>(c - '0');
            if (c >= 'A' && c <= 'F') value = static_cast<std::uint8_t>(c - 'A' + 10);
            if (c >= 'a' && c <= 'f') value = static_cast<std::uint8_t>(c - 'a' + 10);
            values[8 * r + k] = previous = value;
        }
    }
    return values;
}

void CMarketingDlg::WriteCustomCode(const std::array<std::uint8_t, 64>& values) {
    for (int r = 0; r < 8; ++r) {
        std::string field;
        for (int k = 0; k < 8; ++k) {
            const std::uint8_t v = values[8 * r + k];
            field += v <= 9 ? static_cast<char>('0' + v) : v <= 15 ? static_cast<char>('A' + v - 10) : '0';
        }
        Form().SetText(IDC_CUSTOM_FIRST + r, field);
    }
}
