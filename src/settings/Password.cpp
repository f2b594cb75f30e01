#include "settings/Password.h"

#include <cstdio>

#include "image/ImageHost.h"
#include "image/ItemsSystem.h"

using namespace Settings;

namespace {

constexpr ST_DISPDATA kOnOff[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};
constexpr std::int32_t kEnable = 0, kDisable = 1;
constexpr PageControlSpec kDigitsSpec{CPasswordPage2Dlg::IDC_DIGITS, 6, 0, 1, EditKind::Hex, 0};

constexpr std::uint8_t kShown[2][15] = {};
constexpr ControlRuleRow kRules[] = {
    {2001, 0, kShown[0]}, {2101, 1, kShown[0]}, {2002, 0, kShown[1]}, {2302, 1, kShown[1]}, {-1, 0, nullptr},
};

// The six digit items, most significant first.
using DigitGet = std::uint32_t (*)(const CloneImage&);
using DigitSet = int (*)(CloneImage&, std::uint32_t);
constexpr DigitGet kGetDigit[6] = {
    ItemMap::GetProgrammingPasswordDigit1, ItemMap::GetProgrammingPasswordDigit2,
    ItemMap::GetProgrammingPasswordDigit3, ItemMap::GetProgrammingPasswordDigit4,
    ItemMap::GetProgrammingPasswordDigit5, ItemMap::GetProgrammingPasswordDigit6};
constexpr DigitSet kSetDigit[6] = {
    ItemMap::SetProgrammingPasswordDigit1, ItemMap::SetProgrammingPasswordDigit2,
    ItemMap::SetProgrammingPasswordDigit3, ItemMap::SetProgrammingPasswordDigit4,
    ItemMap::SetProgrammingPasswordDigit5, ItemMap::SetProgrammingPasswordDigit6};

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CPasswordDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CPasswordPage2Dlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

bool CPasswordPage2Dlg::IsValidPassword(std::string_view text) {
    if (text.size() != 6) return false;
    for (const char c : text)
        if (HexValue(c) < 0) return false;
    return true;
}

void CPasswordPage2Dlg::Build() {
    SetRuleRows(kRules);
    // The on/off item is saved by SaveOwn: turning the password on also
    // allows radio-to-radio cloning.
    AddCombo(
        2001, "Programming Password", IDC_ON_OFF, kOnOff,
        [](const CloneImage& image) {
            return static_cast<std::int32_t>(ItemMap::GetProgrammingPasswordOn(image));
        },
        nullptr);
    AddEdit(2002, "Programming Password Edit", kDigitsSpec);
}

void CPasswordPage2Dlg::LoadOwn(const CloneImage& image) {
    std::string digits;
    for (const DigitGet get : kGetDigit) {
        char text[4];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(get(image) & 0xF));
        digits += text;
    }
    loadedDigits_ = digits;
    Form().SetText(IDC_DIGITS, digits);
}

// The digits are editable only while the password is on; the stored digits
// stay visible either way.
void CPasswordPage2Dlg::AfterLoad() {
    Form().Enable(IDC_DIGITS, Form().Value(IDC_ON_OFF) == kEnable);
}

void CPasswordPage2Dlg::Changed(int controlId) {
    if (controlId != IDC_ON_OFF) return;
    const std::int32_t value = Form().Value(IDC_ON_OFF);
    if (value == -1) return;
    const bool on = value == kEnable;
    // A radio with a password cannot be read without it: say so each time
    // it is switched on.
    if (on && !Form().IsEnabled(IDC_DIGITS))
        ShowRidMessage(RidWarning, {}, MsgStyle::Ok | MsgStyle::IconWarning);
    Form().Enable(IDC_DIGITS, on);
}

bool CPasswordPage2Dlg::Validate() {
    if (!Form().IsEnabled(IDC_DIGITS) || IsValidPassword(Form().Text(IDC_DIGITS))) return true;
    ShowRidMessage(RidSixDigits, {}, MsgStyle::Ok | MsgStyle::IconWarning);
    Form().RequestFocus(IDC_DIGITS);
    return false;
}

void CPasswordPage2Dlg::SaveOwn(CloneImage& image) {
    const std::string digits = Form().Text(IDC_DIGITS);
    bool written = false;
    if (Form().IsEnabled(IDC_DIGITS) && IsValidPassword(digits) && digits != loadedDigits_) {
        for (std::size_t i = 0; i < 6; ++i)
            kSetDigit[i](image, static_cast<std::uint32_t>(HexValue(digits[i])));
        written = true;
    }
    if (Form().IsEnabled(IDC_ON_OFF)) {
        const std::int32_t old = LoadedValue(IDC_ON_OFF);
        const std::int32_t value = Form().Value(IDC_ON_OFF);
        if (value != -1 && value != old) {
            ItemMap::SetProgrammingPasswordOn(image, static_cast<std::uint32_t>(value));
            if (old == kDisable && value == kEnable) ItemMap::SetRadioToRadioClone(image, 1);
        }
    }
    if (written) {
        std::string upper;
        for (const char c : digits) upper += static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
        ShowRidMessage(RidConfirmation, upper, MsgStyle::Ok | MsgStyle::IconInformation);
    }
}
