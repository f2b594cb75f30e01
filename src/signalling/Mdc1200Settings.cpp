#include "signalling/Mdc1200Settings.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "image/ImageHost.h"
#include "image/ItemsSignalling.h"
#include "image/Model.h"
#include "image/RadioImagePrep.h"
#include "language/Language.h"
#include "settings/SettingsDlg.h"
#include "signalling/SignallingLists.h"
#include "tone/ToneSample.h"
#include "ui/EditRules.h"

using namespace Settings;
using namespace SignallingLists;

namespace Mdc1200 {
int SetupType() {
    return Host().Mdc1200SetupType() == 1 ? 1 : 0;
}
}  // namespace Mdc1200

namespace {

std::string Format(const char* format, unsigned value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The whole text as a number in `base`; nothing for an empty text or any
// other character.
std::optional<long> Number(const std::string& text, int base) {
    long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0) return std::nullopt;
    return value;
}

// ---- restriction tables ------------------------------------------------------------------
// One state array per printed line: the printout joins the rows that share one.
constexpr std::uint8_t kLine[32][15] = {};
constexpr std::uint8_t kAskPage[3][15] = {{2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
                                          {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
                                          {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}};
constexpr std::uint8_t kHidden[15] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};

constexpr ControlRuleRow kCommonRules[] = {
    {2001, 0, kLine[0]},     {2301, 1, kLine[0]},     {2201, 1, kLine[1]},  {2006, 0, kLine[2]},
    {2302, 1, kLine[2]},     {2014, 0, kLine[3]},     {2101, 1, kLine[3]},  {2009, 0, kLine[4]},
    {2102, 1, kLine[4]},     {2025, 0, kLine[5]},     {2105, 1, kLine[5]},  {2205, 1, kLine[6]},
    {2210, 1, kLine[7]},     {2211, 1, kAskPage[0]},  {2022, 0, kLine[8]},  {2103, 1, kLine[8]},
    {2024, 0, kAskPage[1]},  {2106, 1, kAskPage[1]},  {2216, 1, kLine[9]},  {2010, 0, kLine[10]},
    {2108, 1, kLine[10]},    {2004, 0, kLine[11]},    {2107, 1, kLine[11]}, {2015, 0, kLine[12]},
    {2109, 1, kLine[12]},    {2011, 0, kLine[13]},    {2110, 1, kLine[13]}, {2220, 1, kLine[14]},
    {2012, 0, kLine[15]},    {2111, 1, kLine[15]},    {2016, 0, kLine[16]}, {2401, 0, kLine[16]},
    {2112, 1, kLine[16]},    {2221, 1, kLine[17]},    {2018, 0, kLine[18]}, {2113, 1, kLine[18]},
    {2003, 0, kLine[19]},    {2305, 1, kLine[19]},    {2007, 0, kLine[20]}, {2114, 1, kLine[20]},
    {2017, 0, kLine[21]},    {2306, 1, kLine[21]},    {2008, 0, kLine[22]}, {2304, 1, kLine[22]},
    {2019, 0, kLine[23]},    {2115, 1, kLine[23]},    {2020, 0, kLine[24]}, {2307, 1, kLine[24]},
    {2021, 0, kLine[25]},    {2308, 1, kLine[25]},    {-1, 0, nullptr},
};

// Group ID, Message Value, Wild Card and Sub-Audio Transmit are kept but never shown.
constexpr ControlRuleRow kSysRules[] = {
    {2001, 0, kLine[0]}, {2301, 1, kLine[0]}, {2006, 0, kHidden},   {2302, 1, kHidden},   {2014, 0, kLine[1]},
    {2101, 1, kLine[1]}, {2025, 0, kLine[2]}, {2105, 1, kLine[2]},  {2008, 0, kLine[3]},  {2304, 1, kLine[3]},
    {2002, 0, kHidden},  {2303, 1, kHidden},  {2201, 0, kHidden},   {2009, 0, kLine[4]},  {2102, 1, kLine[4]},
    {2210, 0, kHidden},  {2010, 0, kLine[5]}, {2108, 1, kLine[5]},  {-1, 0, nullptr},
};

constexpr PageControlSpec kPrimaryIdSpec{Mdc1200SystemPage::IDC_PRIMARY_ID, 4, 1, 57070, EditKind::Hex, 0};
constexpr PageControlSpec kGroupIdSpec{Mdc1200SystemPage::IDC_GROUP_ID, 3, 0, 3822, EditKind::Hex, 0};

PageControlSpec TensSpec(int id, double min = 10) {
    return {static_cast<std::uint32_t>(id), 4, min, 2550, EditKind::Decimal, 0};
}

}  // namespace

// ---- shared page ---------------------------------------------------------------------------

Mdc1200SystemPage::Mdc1200SystemPage(int idd, int system)
    : SettingsPage(idd, system == 0 ? "Primary ID" : "Secondary ID"), system_(system) {}

void Mdc1200SystemPage::AddField(int labelId, std::string label, const PageControlSpec& spec, FieldKind kind,
                                 Mdc1200::Get get, Mdc1200::Set set) {
    AddEdit(labelId, std::move(label), spec);
    fields_.push_back({static_cast<int>(spec.controlId), kind, spec, get, set, {}});
}

void Mdc1200SystemPage::AddItemCombo(int labelId, std::string label, int id, ItemList list, Mdc1200::Get get,
                                     Mdc1200::Set set) {
    const int s = system_;
    AddCombo(
        labelId, std::move(label), id, list,
        [get, s](const CloneImage& image) { return static_cast<std::int32_t>(get(image, s)); },
        [set, s](CloneImage& image, std::int32_t value) { set(image, s, static_cast<std::uint32_t>(value)); });
}

void Mdc1200SystemPage::AddInvertedCheck(int id, std::string caption, Mdc1200::Get get, Mdc1200::Set set) {
    const int s = system_;
    AddCheck(
        id, std::move(caption),
        [get, s](const CloneImage& image) { return static_cast<std::int32_t>(get(image, s)); },
        [set, s](CloneImage& image, std::int32_t value) { set(image, s, static_cast<std::uint32_t>(value)); }, 0,
        1);
}

// The stored IDs are shown as they are, even outside the range a user may
// type: they change only when edited.
void Mdc1200SystemPage::LoadOwn(const CloneImage& image) {
    for (Field& field : fields_) {
        const std::uint32_t value = field.get(image, system_);
        switch (field.kind) {
            case FieldKind::Id:
                field.loaded = Format("%04X", value);
                break;
            case FieldKind::GroupId:
                field.loaded = Format("%03X", value);
                break;
            case FieldKind::Tens:
                field.loaded = Format("%u", value * 10);
                break;
            case FieldKind::Plain:
                field.loaded = Format("%u", value);
                break;
        }
        Form().SetText(field.id, field.loaded);
    }
}

void Mdc1200SystemPage::Left(int controlId) {
    for (const Field& field : fields_) {
        if (field.id != controlId) continue;
        const std::string text = Form().Text(controlId);
        if (text == field.loaded || text.empty()) return;
        switch (field.kind) {
            case FieldKind::Id:
                Form().SetText(controlId,
                               EditRules::Mdc1200IdOnLeave(text, field.spec, Form().Checked(IDC_WILD_CARD), false));
                return;
            case FieldKind::GroupId:
            case FieldKind::Plain:
                Form().SetText(controlId, EditRules::FormatNumber(text, field.spec).text);
                return;
            case FieldKind::Tens:
                if (const auto value = Number(EditRules::FormatNumber(text, field.spec).text, 10))
                    Form().SetText(controlId, std::to_string(*value / 10 * 10));
                return;
        }
    }
}

// Clearing Wild Card takes an "F" out of an edited Primary ID.
void Mdc1200SystemPage::Changed(int controlId) {
    if (controlId == IDC_WILD_CARD && !Form().Checked(IDC_WILD_CARD)) Left(IDC_PRIMARY_ID);
}

const ControlRuleRow* Mdc1200SystemPage::PrintRows() const {
    if (printRows_.empty() && RuleRows()) {
        for (const ControlRuleRow* row = RuleRows(); row->controlId != -1; ++row) {
            if (row->controlId == CMDC1200CommonPage1Dlg::IDC_PLAY_BEEP) continue;
            printRows_.push_back(*row);
            if (row->controlId >= 2201 && row->controlId <= 2299) printRows_.push_back(*row);
        }
        printRows_.push_back({-1, 0, nullptr});
    }
    return printRows_.empty() ? nullptr : printRows_.data();
}

bool Mdc1200SystemPage::Writable(int controlId) const {
    return Form().IsVisible(controlId);
}

// An edited field is written when its whole text is a number; an empty or
// unreadable text keeps the stored value, and a hidden field is never written.
void Mdc1200SystemPage::SaveOwn(CloneImage& image) {
    for (const Field& field : fields_) {
        const std::string text = Form().Text(field.id);
        if (text == field.loaded || !Form().IsVisible(field.id)) continue;
        if (field.id == IDC_PRIMARY_ID && !PrimaryIdWritable()) continue;
        const bool hex = field.kind == FieldKind::Id || field.kind == FieldKind::GroupId;
        const auto value = Number(text, hex ? 16 : 10);
        if (!value) continue;
        field.set(image, system_, static_cast<std::uint32_t>(field.kind == FieldKind::Tens ? *value / 10 : *value));
    }
}

// ---- common page ---------------------------------------------------------------------------

CMDC1200CommonPage1Dlg::CMDC1200CommonPage1Dlg(int system) : Mdc1200SystemPage(IDD, system) {}

void CMDC1200CommonPage1Dlg::Build() {
    using namespace ItemMap;
    SetRuleRows(kCommonRules);
    AddField(IDC_CAPTION, IdCaption(), kPrimaryIdSpec, FieldKind::Id, GetMdc1200PrimaryId, SetMdc1200PrimaryId);
    AddCheck(IDC_OVER_WRITE, "O&ver Write");
    AddInvertedCheck(IDC_WILD_CARD, "&Wild Card", GetMdc1200Wildcard, SetMdc1200Wildcard);
    AddField(2006, "&Group ID", kGroupIdSpec, FieldKind::GroupId, GetMdc1200GroupId, SetMdc1200GroupId);
    AddItemCombo(2014, "ANI &Trans", IDC_ANI_TRANS, Mdc1200AniTransList, GetMdc1200AniTrans, SetMdc1200AniTrans);
    AddItemCombo(2009, "PTT Side T&one", IDC_PTT_SIDE_TONE, Mdc1200PttSideToneList, GetMdc1200PttSideTone,
                 SetMdc1200PttSideTone);
    AddItemCombo(2025, "&Courtesy Tone", IDC_COURTESY_TONE, Mdc1200CourtesyToneList, GetMdc1200CourtesyTone,
                 SetMdc1200CourtesyTone);
    AddInvertedCheck(IDC_BASIC_SEL_CALL, "&Basic Sel Call", GetMdc1200BasicSelCall, SetMdc1200BasicSelCall);
    AddInvertedCheck(IDC_PL_TRANSMIT, "S&ub-Audio Transmit", GetMdc1200PlTransmit, SetMdc1200PlTransmit);
    AddInvertedCheck(IDC_DISPLAY_DECODE_ID, "&Display Decode ID", GetMdc1200DisplayDecodeId,
                     SetMdc1200DisplayDecodeId);
    AddItemCombo(2022, "Call Alert Ty&pe", IDC_CALL_ALERT_TYPE, Mdc1200CallAlertTypeList, GetMdc1200CallAlertType,
                 SetMdc1200CallAlertType);
    AddItemCombo(2024, "Release A&NI Disp", IDC_RELEASE_ANI_DISP, Mdc1200ReleaseAniDispList,
                 GetMdc1200ReleaseAniDisp, SetMdc1200ReleaseAniDisp);
    AddInvertedCheck(IDC_TRANSPOND_LED, "Transpond &LED", GetMdc1200TranspondLed, SetMdc1200TranspondLed);
    AddItemCombo(2010, "ANI Loc&kout Period", IDC_ANI_LOCKOUT, Mdc1200AniLockoutPeriodList,
                 GetMdc1200AniLockoutPeriod, SetMdc1200AniLockoutPeriod);
    AddItemCombo(2004, "Decode LED &Mode", IDC_DECODE_LED, Mdc1200DecodeLedModeList, GetMdc1200DecodeLedMode,
                 SetMdc1200DecodeLedMode);
    AddItemCombo(2015, "&Alert Mode", IDC_ALERT_MODE, Mdc1200AlertModeList, GetMdc1200AlertMode,
                 SetMdc1200AlertMode);
    AddItemCombo(2011, "Alert &Repeat Time", IDC_ALERT_REPEAT, Mdc1200AlertRepeatTimeList,
                 GetMdc1200AlertRepeatTime, SetMdc1200AlertRepeatTime);
    AddInvertedCheck(IDC_COMPLEMENT, "CTCSS/DCS Co&mplement", GetMdc1200CtcssDcsComplement,
                     SetMdc1200CtcssDcsComplement);
    AddItemCombo(2012, "D&uty", IDC_DUTY, Mdc1200DutyList, GetMdc1200Duty, SetMdc1200Duty);
    AddItemCombo(2016, "B&eep Tone Type", IDC_BEEP_TONE, Mdc1200BeepToneTypeList, GetMdc1200BeepToneType,
                 SetMdc1200BeepToneType);
    AddButton(IDC_PLAY_BEEP, "Play");
    AddInvertedCheck(IDC_AUTO_RESET_BEEP, "Auto Reset Beep", GetMdc1200AutoResetBeep, SetMdc1200AutoResetBeep);
    AddItemCombo(2018, "Auto Reset T&ime", IDC_AUTO_RESET_TIME, Mdc1200AutoResetTimeList, GetMdc1200AutoResetTime,
                 SetMdc1200AutoResetTime);
    AddField(2003, "Preamble Bit S&ync", {IDC_PREAMBLE, 2, 24, 96, EditKind::Decimal, 0}, FieldKind::Plain,
             GetMdc1200PreambleBitSync, SetMdc1200PreambleBitSync);
    AddItemCombo(2007, "Clear to Trans&pond", IDC_CLEAR_TO_TRANSPOND, Mdc1200ClearToTranspondList,
                 GetMdc1200ClearToTranspond, SetMdc1200ClearToTranspond);
    AddField(2017, "Transpond Delay Time (msec)", TensSpec(IDC_TRANSPOND_DELAY), FieldKind::Tens,
             GetMdc1200TranspondDelayTime, SetMdc1200TranspondDelayTime);
    AddField(2008, "Lead In Delay Time (msec)", TensSpec(IDC_LEAD_IN), FieldKind::Tens, GetMdc1200LeadInDelayTime,
             SetMdc1200LeadInDelayTime);
    AddItemCombo(2019, "ACK Decode Time", IDC_ACK_DECODE_TIME, Mdc1200AckDecodeTimeList, GetMdc1200AckDecodeTime,
                 SetMdc1200AckDecodeTime);
    AddField(2020, "DOS Auto Mute Duration (msec)", TensSpec(IDC_DOS_AUTO_MUTE), FieldKind::Tens,
             GetMdc1200DosAutoMuteDuration, SetMdc1200DosAutoMuteDuration);
    AddField(2021, "DOS Coast Duration (msec)", TensSpec(IDC_DOS_COAST), FieldKind::Tens,
             GetMdc1200DosCoastDuration, SetMdc1200DosCoastDuration);
}

void CMDC1200CommonPage1Dlg::LoadOwn(const CloneImage& image) {
    Mdc1200SystemPage::LoadOwn(image);
    Form().SetChecked(IDC_OVER_WRITE, CloneImageOps::Mdc1200OverWriteFlags()[static_cast<std::size_t>(System())] != 0);
    plainModel_ = Model::IndexFromTypeCode(image) == 1;
    // The page keeps its own system's repeat time while the mode is not "Repeat".
    rememberedRepeat_ = -1;
    const std::int32_t repeat = static_cast<std::int32_t>(ItemMap::GetMdc1200AlertRepeatTime(image, System()));
    for (const ST_DISPDATA& row : Mdc1200AlertRepeatTimeList)
        if (row.value == repeat) rememberedRepeat_ = repeat;
}

void CMDC1200CommonPage1Dlg::AfterLoad() {
    ApplyAlertMode();
}

void CMDC1200CommonPage1Dlg::AfterRules() {
    Form().Enable(IDC_PRIMARY_ID, Form().Checked(IDC_OVER_WRITE));
}

void CMDC1200CommonPage1Dlg::CheckControl(int controlId) {
    // The second model has no decode ID display and no release ANI display.
    Form().Enable(controlId, !plainModel_);
}

void CMDC1200CommonPage1Dlg::ApplyAlertMode() {
    const bool repeat = Form().Value(IDC_ALERT_MODE) == AlertModeRepeat;
    if (!repeat) {
        const std::int32_t current = Form().Value(IDC_ALERT_REPEAT);
        if (current != -1) rememberedRepeat_ = current;
        Form().SelectIndex(IDC_ALERT_REPEAT, -1);
    } else if (Form().Value(IDC_ALERT_REPEAT) == -1 && rememberedRepeat_ != -1) {
        Form().SelectValue(IDC_ALERT_REPEAT, rememberedRepeat_);
    }
    Form().Enable(IDC_ALERT_REPEAT, repeat);
}

void CMDC1200CommonPage1Dlg::Changed(int controlId) {
    Mdc1200SystemPage::Changed(controlId);
    if (controlId == IDC_ALERT_MODE) ApplyAlertMode();
    if (controlId == IDC_OVER_WRITE) Form().Enable(IDC_PRIMARY_ID, Form().Checked(IDC_OVER_WRITE));
}

bool CMDC1200CommonPage1Dlg::PrimaryIdWritable() const {
    return Form().Checked(IDC_OVER_WRITE);
}

void CMDC1200CommonPage1Dlg::SaveOwn(CloneImage& image) {
    Mdc1200SystemPage::SaveOwn(image);
    CloneImageOps::Mdc1200OverWriteFlags()[static_cast<std::size_t>(System())] = Form().Checked(IDC_OVER_WRITE) ? 1 : 0;
}

std::filesystem::path CMDC1200CommonPage1Dlg::BeepSample(const std::filesystem::path& programFolder) const {
    const std::int32_t tone = Form().Value(IDC_BEEP_TONE);
    if (tone < 1 || tone > 10) return {};
    // Named after the tone, whatever the language shows.
    const std::string name(1, static_cast<char>('A' + tone - 1));
    return programFolder / "Tone_sample" / (name + ".wav");
}

// ---- system page -----------------------------------------------------------------------------

CMDC1200SysPage1Dlg::CMDC1200SysPage1Dlg(int system) : Mdc1200SystemPage(IDD, system) {}

void CMDC1200SysPage1Dlg::Build() {
    using namespace ItemMap;
    SetRuleRows(kSysRules);
    AddField(IDC_CAPTION, IdCaption(), kPrimaryIdSpec, FieldKind::Id, GetMdc1200PrimaryId, SetMdc1200PrimaryId);
    AddField(2006, "&Group ID", kGroupIdSpec, FieldKind::GroupId, GetMdc1200GroupId, SetMdc1200GroupId);
    AddItemCombo(2014, "ANI &Trans", IDC_ANI_TRANS, Mdc1200SysAniTransList, GetMdc1200AniTrans, SetMdc1200AniTrans);
    AddItemCombo(2025, "&Courtesy Tone", IDC_COURTESY_TONE, Mdc1200SysCourtesyToneList, GetMdc1200CourtesyTone,
                 SetMdc1200CourtesyTone);
    AddField(2008, "Lead In Delay Time (msec)", TensSpec(IDC_LEAD_IN), FieldKind::Tens, GetMdc1200LeadInDelayTime,
             SetMdc1200LeadInDelayTime);
    AddField(2002, "&Message Value", TensSpec(IDC_MESSAGE_VALUE, 0), FieldKind::Tens, GetMdc1200AckDecodeTime,
             SetMdc1200AckDecodeTime);
    AddInvertedCheck(IDC_WILD_CARD, "&Wild Card", GetMdc1200Wildcard, SetMdc1200Wildcard);
    AddItemCombo(2009, "PTT Side T&one", IDC_PTT_SIDE_TONE, Mdc1200PttSideToneList, GetMdc1200PttSideTone,
                 SetMdc1200PttSideTone);
    AddInvertedCheck(IDC_PL_TRANSMIT, "S&ub-Audio Transmit", GetMdc1200PlTransmit, SetMdc1200PlTransmit);
    AddItemCombo(2010, "ANI Loc&kout Period", IDC_ANI_LOCKOUT, Mdc1200SysAniLockoutPeriodList,
                 GetMdc1200AniLockoutPeriod, SetMdc1200AniLockoutPeriod);
}

// ---- containers --------------------------------------------------------------------------------

std::unique_ptr<SettingsDialogModel> CMDC1200CommonDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    for (int s = 0; s < Mdc1200::SystemCount; ++s) pages.push_back(std::make_unique<CMDC1200CommonPage1Dlg>(s));
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

std::unique_ptr<SettingsDialogModel> CMDC1200SysDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    for (int s = 0; s < Mdc1200::SystemCount; ++s) pages.push_back(std::make_unique<CMDC1200SysPage1Dlg>(s));
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

// ---- the speaker buttons ---------------------------------------------------------------------

void CMDC1200CommonDlg::AttachButtons(SettingsDlg& dialog, std::filesystem::path programFolder) {
    auto player = std::make_shared<std::unique_ptr<CPhrase>>();
    dialog.SetButtonHandler(CMDC1200CommonPage1Dlg::IDC_PLAY_BEEP,
                            [player, programFolder](SettingsDlg&, SettingsPage& page) {
                                const auto path = static_cast<CMDC1200CommonPage1Dlg&>(page).BeepSample(programFolder);
                                if (path.empty()) return;
                                if (!*player) *player = ToneSample::MakePlayer();
                                ToneSample::Play(**player, path);
                            });
}
