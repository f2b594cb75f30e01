#include "signalling/DtmfPage.h"

#include <cstdint>

#include "image/ItemMap.h"
#include "image/ItemsSignalling.h"
#include "language/Language.h"
#include "signalling/SignallingLists.h"
#include "signalling/SignallingRules.h"
#include "ui/EditRules.h"
#include "ui/MessageService.h"

using namespace Settings;
using namespace SignallingLists;

namespace {

constexpr std::uint8_t H = RestrictionState::Hide;
constexpr std::uint8_t kHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};
// One state array per printed line.
constexpr std::uint8_t kBeep[15] = {}, kTime[15] = {}, kSeparate[15] = {};
constexpr std::uint8_t kCodes[10][15] = {};

constexpr ControlRuleRow kRules[] = {
    {2001, 0, kHidden},     {2101, 1, kHidden},     {2002, 0, kHidden},     {2102, 1, kHidden},
    {2003, 0, kHidden},     {2103, 1, kHidden},     {2004, 0, kHidden},     {2104, 1, kHidden},
    {2005, 0, kHidden},     {2105, 1, kHidden},     {2006, 0, kHidden},     {2106, 1, kHidden},
    {2007, 0, kHidden},     {2107, 1, kHidden},     {2008, 0, kBeep},       {2108, 1, kBeep},
    {2009, 0, kTime},       {2109, 1, kTime},       {2010, 0, kHidden},     {2110, 1, kHidden},
    {2011, 0, kHidden},     {2111, 1, kHidden},     {2012, 0, kSeparate},   {2112, 1, kSeparate},
    {2013, 0, kHidden},     {2113, 1, kHidden},     {2014, 0, kHidden},     {2114, 1, kHidden},
    {2015, 0, kCodes[0]},   {2301, 1, kCodes[0]},   {2016, 0, kCodes[1]},   {2302, 1, kCodes[1]},
    {2017, 0, kCodes[2]},   {2303, 1, kCodes[2]},   {2018, 0, kCodes[3]},   {2304, 1, kCodes[3]},
    {2019, 0, kCodes[4]},   {2305, 1, kCodes[4]},   {2020, 0, kCodes[5]},   {2306, 1, kCodes[5]},
    {2021, 0, kCodes[6]},   {2307, 1, kCodes[6]},   {2022, 0, kCodes[7]},   {2308, 1, kCodes[7]},
    {2023, 0, kCodes[8]},   {2309, 1, kCodes[8]},   {2024, 0, kCodes[9]},   {2310, 1, kCodes[9]},
    {-1, 0, nullptr},
};
// The settings table prints the first 28 rows; the code table the page codes.
constexpr std::size_t kSettingsRows = 28;
constexpr std::uint8_t kFullRowStates[15] = {};
constexpr std::uint8_t kCodePairs[5][15] = {};


template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

constexpr std::int32_t kEncode = 1, kNormal = 0;

}  // namespace

std::unique_ptr<SettingsDialogModel> CDtmfPageDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CDtmfPageDlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

void CDtmfPageDlg::Build() {
    SetRuleRows(kRules);
    // Hidden on every radio: listed, never loaded or saved.
    AddCombo(2001, "Page Decode LED", 2101, DtmfPageDecodeLedList, nullptr, nullptr);
    AddCombo(2002, "Decode LED Color", 2102, DtmfPageLedColorList, nullptr, nullptr);
    AddCombo(2003, "Decode Alert Type", 2103, DtmfPageAlertTypeList, nullptr, nullptr);
    AddCombo(2004, "Decode Alert Mode", 2104, DtmfPageAlertModeList, nullptr, nullptr);
    AddCombo(2005, "Decode Alert Repeat Time", 2105, DtmfPageAlertRepeatList, nullptr, nullptr);
    AddCombo(2006, "Beep Tone Type", 2106, DtmfPageBeepToneList, nullptr, nullptr);
    AddCombo(2007, "Answer Back", 2107, DtmfPageAnswerBackList, nullptr, nullptr);
    Getter get;
    Setter set;
    Item<ItemMap::GetDtmfAutoResetBeep, ItemMap::SetDtmfAutoResetBeep>(get, set);
    AddCombo(2008, "DTMF Auto Reset &Beep", IDC_AUTO_RESET_BEEP, DtmfPageAutoResetBeepList, get, set);
    Item<ItemMap::GetDtmfAutoResetTime, ItemMap::SetDtmfAutoResetTime>(get, set);
    AddCombo(2009, "DTMF Auto Reset &Time", IDC_AUTO_RESET_TIME, DtmfPageAutoResetTimeList, get, set);
    AddCombo(2010, "DTMF Revive Code Type", 2110, DtmfPageReviveTypeList, nullptr, nullptr);
    AddCombo(2011, "DTMF Revive Code", 2111, DtmfPageDigitList, nullptr, nullptr);
    Item<ItemMap::GetDtmfSeparateCode, ItemMap::SetDtmfSeparateCode>(get, set);
    AddCombo(2012, "DTMF &Separate Code", IDC_SEPARATE_CODE, DtmfPageDigitList, get, set);
    AddCombo(2013, "DTMF Group Code", 2113, DtmfPageDigitList, nullptr, nullptr);
    AddCombo(2014, "DTMF Reset Code", 2114, DtmfPageDigitList, nullptr, nullptr);
    // The column captions over the page codes' three controls.
    BeginRow();
    AddLabel(IDC_CODE_CAPTION, "Code");
    AddLabel(IDC_TYPE_CAPTION, "Type");
    AddLabel(IDC_ACTION_CAPTION, "Action");
    EndRow();
    for (int i = 0; i < CodeCount; ++i) {
        const auto code = static_cast<std::uint32_t>(IDC_CODE1 + i);
        // Code, Type and Action side by side.
        BeginRow(2015 + i, "Page Code " + std::to_string(i + 1));
        AddEdit(0, {}, {code, 3, 0, 0, EditKind::Dtmf, 0});
        AddCombo(0, {}, IDC_TYPE1 + i, DtmfPageCodeTypeList, nullptr, nullptr);
        AddCombo(0, {}, IDC_ACTION1 + i, DtmfPageCodeActionList, nullptr, nullptr);
        EndRow();
    }
}

void CDtmfPageDlg::LoadOwn(const CloneImage& image) {
    for (int i = 0; i < CodeCount; ++i) {
        loaded_[i] = DtmfPageCode::Text(DtmfPageCode::Get(image, i));
        Form().SetText(IDC_CODE1 + i, loaded_[i]);
        ShowTypeOf(i);
    }
}

void CDtmfPageDlg::AfterRules() {
    for (int i = 0; i < CodeCount; ++i) {
        Form().Enable(IDC_TYPE1 + i, false);
        Form().Enable(IDC_ACTION1 + i, false);
    }
}

void CDtmfPageDlg::Edited(int controlId) {
    if (controlId >= IDC_CODE1 && controlId < IDC_CODE1 + CodeCount) ShowTypeOf(controlId - IDC_CODE1);
}

void CDtmfPageDlg::Left(int controlId) {
    if (controlId >= IDC_CODE1 && controlId < IDC_CODE1 + CodeCount)
        Form().SetText(controlId, EditRules::NormalizeDtmf(Form().Text(controlId)));
}

// A code is sent as a plain encode: Type "Encode", Action "Normal"; an empty
// code has neither.
void CDtmfPageDlg::ShowTypeOf(int code) {
    if (Form().Text(IDC_CODE1 + code).empty()) {
        Form().ClearValue(IDC_TYPE1 + code);
        Form().ClearValue(IDC_ACTION1 + code);
        return;
    }
    Form().SelectValue(IDC_TYPE1 + code, kEncode);
    Form().SelectValue(IDC_ACTION1 + code, kNormal);
}

namespace {
// Why a page code is refused, after the code's name.
constexpr int kRidThreeDigits = 33401, kRidNoCode = 33402;
}  // namespace

const ControlRuleRow* CDtmfPageDlg::PrintRows() const {
    static const std::vector<ControlRuleRow> rows = [] {
        std::vector<ControlRuleRow> out(kRules, kRules + kSettingsRows);
        out.push_back({-2, 0, kFullRowStates});
        out.push_back({-1, 0, nullptr});
        return out;
    }();
    return rows.data();
}

std::vector<ControlRuleRow> CDtmfPageDlg::CodeTableRows() {
    std::vector<ControlRuleRow> rows;
    for (int i = 0; i < CodeCount; ++i) {
        const ControlRuleRow* code = kRules + kSettingsRows + 2 * i;
        rows.push_back({code[0].controlId, code[0].restrict, kCodePairs[i / 2]});
        rows.push_back({code[1].controlId, code[1].restrict, kCodePairs[i / 2]});
    }
    return rows;
}

bool CDtmfPageDlg::Validate() {
    for (int i = 0; i < CodeCount; ++i) {
        const std::string text = Form().Text(IDC_CODE1 + i);
        if (text == loaded_[i]) continue;
        const DtmfPageCode::Problem problem = DtmfPageCode::Check(text);
        if (problem == DtmfPageCode::Problem::None) continue;
        const std::string name = "Page Code " + std::to_string(i + 1);
        ShowMessage(name + GetRIDText(problem == DtmfPageCode::Problem::NoCode ? kRidNoCode : kRidThreeDigits),
                    Caption, MsgStyle::Ok | MsgStyle::IconError);
        Form().RequestFocus(IDC_CODE1 + i);
        return false;
    }
    return true;
}

void CDtmfPageDlg::SaveOwn(CloneImage& image) {
    for (int i = 0; i < CodeCount; ++i) {
        const std::string text = Form().Text(IDC_CODE1 + i);
        if (text == loaded_[i]) continue;
        if (const auto digits = DtmfPageCode::Parse(text)) DtmfPageCode::Set(image, i, *digits);
    }
}
