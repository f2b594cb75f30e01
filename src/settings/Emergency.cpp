#include "settings/Emergency.h"

#include <algorithm>
#include <array>

#include "image/ImageHost.h"
#include "image/ItemAccessors.h"
#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "settings/RuleStates.h"
#include "ui/EditRules.h"

using namespace Settings;

namespace {

using Dlg = CEmergencyDlg;

constexpr ST_DISPDATA kRevert[] = {{3, "Start CH", ""}, {2, "PRI CH", ""}, {0, "Emergency CH", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kEmergencyChannel[] = {
    {0, "Current CH", ""}, {2, "PRI CH", ""}, {3, "Select CH", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kKeyHold[] = {{0, "0 sec", ""},  {5, "0.5 sec", ""}, {10, "1 sec", ""}, {20, "2 sec", ""},
                                    {30, "3 sec", ""}, {40, "4 sec", ""},  {50, "5 sec", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kDisableEnable[] = {{0, "Disable", ""}, {1, "Enable", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kMicLevel[] = {{0, "Normal", ""}, {1, "Max", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAlert[] = {{1, "Disable", ""}, {0, "Tone1", ""}, {2, "Tone2", ""},
                                  {4, "Tone3", ""},   {6, "Tone4", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kAf[] = {
    {0, "Normal", ""}, {2, "AF Mute", ""}, {1, "Beep Mute", ""}, {3, "All Mute", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kBacklight[] = {{0, "OFF", ""}, {1, "-----", ""}, {2, "Flashing", ""}, {3, "ON", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kDisplay[] = {
    {1, "Emergency TAG", ""}, {2, "Emergency CH TAG", ""}, {0, "-----", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kLed[] = {{0, "------", ""}, {255, "OFF", ""}, {1, "ON", ""}, {3, "Blink", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kColour[] = {{1, "Red", ""}, {2, "Green", ""}, {3, "Orange", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kReceiveFlash[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};

// `first` as its own text, then first+step.. last as "%d <unit>" of
// value / divisor.
std::vector<ListRow> Steps(std::string firstText, int first, int step, int last, int divisor, const char* unit) {
    std::vector<ListRow> rows;
    if (!firstText.empty()) rows.push_back({0, std::move(firstText)});
    for (int v = first; v <= last; v += step) rows.push_back({v, std::to_string(v / divisor) + unit});
    return rows;
}

constexpr PageControlSpec kDtmfSpec{Dlg::IDC_DTMF_CODE, 15, 0.0, 0.0, EditKind::Dtmf, 0};
constexpr PageControlSpec kTagSpec{Dlg::IDC_TAG, 8, 0.0, 0.0, EditKind::NameTag, 0};
constexpr const ImageItemDescriptor& kDtmfCode = ItemMap::DtmfItems[17];

constexpr std::uint8_t H = RestrictionState::Hide;
constexpr std::uint8_t kShown[15] = {};
constexpr std::uint8_t kVariant0Hidden[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};

constexpr std::array<RulePair, 21> kPairs = {{
    {2002, 2102, kShown},          {2012, 2112, kShown},  {2003, 2103, kShown},  {2004, 2104, kShown},
    {2001, 2101, kShown},          {2005, 2105, kShown},  {2006, 2106, kShown},  {2007, 2107, kShown},
    {2008, 2108, kShown},          {2009, 2109, kShown},  {2013, 2113, kVariant0Hidden},
    {2014, 2114, kShown},          {2017, 2117, kShown},  {2018, 2318, kShown},  {2019, 2319, kHidden},
    {2016, 2118, kHidden},         {2021, 2119, kShown},  {2010, 2110, kHidden}, {2011, 2111, kHidden},
    {2015, 2115, kShown},          {2020, 2116, kHidden},
}};
constexpr auto kStates = PairStates(kPairs);
constexpr auto kRules = PairRows(kPairs, kStates);

using Get = std::uint32_t (*)(const CloneImage&);
using Set = int (*)(CloneImage&, std::uint32_t);
template <Get G, Set S>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(G(image)); };
    set = [](CloneImage& image, std::int32_t value) { S(image, static_cast<std::uint32_t>(value)); };
}

// The two colour bits and the alert's tone and disable bit.
constexpr const ImageItemDescriptor& kColourHigh = ItemMap::SystemItems[138];
constexpr const ImageItemDescriptor& kColourLow = ItemMap::SystemItems[139];
constexpr const ImageItemDescriptor& kAlertTone = ItemMap::SystemItems[146];
constexpr const ImageItemDescriptor& kAlertDisable = ItemMap::SystemItems[147];

bool NamedDisplay(const CloneImage& image) {
    return !Model::IsPlainKind(image);
}

}  // namespace

namespace EmergencyRules {

bool AnyPriorityChannel(const CloneImage& image) {
    const int groups = static_cast<int>(std::min<std::uint32_t>(ItemMap::GetMaxGroup(image), 8));
    for (int g = 0; g < groups; ++g)
        if (ItemMap::GetPriorityChannel(image, g) != 0xFF) return true;
    return false;
}

GroupChannelSelector::Mode ModeOf(std::int32_t emergencyChannel) {
    using Mode = GroupChannelSelector::Mode;
    switch (emergencyChannel) {
        case 3:
            return Mode::Select;
        case 1:
            return Mode::Fixed;
        case 2:
            return Mode::Priority;
        default:
            return Mode::Off;
    }
}

bool PriorityRevertOffered(const CloneImage& image) {
    return !(Version::Compare(image, 1, 10, 0, 0) >= 0 && ItemMap::GetOneGroupMode(image) == 1);
}

std::int32_t ShownRevert(const CloneImage& image, std::int32_t stored) {
    if (stored == 1) return RevertStartCh;
    if (stored == RevertPriCh && (!PriorityRevertOffered(image) || !AnyPriorityChannel(image)))
        return RevertStartCh;
    return stored;
}

std::int32_t GetEmergencyAlert(const CloneImage& image) {
    if (ItemMap::GetSingle(kAlertDisable, image)) return 1;
    return 2 * static_cast<std::int32_t>(ItemMap::GetSingle(kAlertTone, image));
}

void SetEmergencyAlert(CloneImage& image, std::int32_t value) {
    const auto disabled = static_cast<std::uint32_t>(value & 1);
    ItemMap::SetSingle(kAlertDisable, image, disabled);
    if (!disabled) ItemMap::SetSingle(kAlertTone, image, static_cast<std::uint32_t>(value / 2));
}

std::int32_t LedColour(const CloneImage& image) {
    return static_cast<std::int32_t>(2 * ItemMap::GetSingle(kColourHigh, image) + ItemMap::GetSingle(kColourLow, image));
}

std::int32_t ShownLed(const CloneImage& image) {
    const auto led = static_cast<std::int32_t>(ItemMap::GetEmergencyLed(image));
    return led != 0 && LedColour(image) == 0 ? LedOff : led;
}

static void SetColour(CloneImage& image, std::int32_t colour) {
    ItemMap::SetSingle(kColourHigh, image, static_cast<std::uint32_t>(colour >> 1) & 1);
    ItemMap::SetSingle(kColourLow, image, static_cast<std::uint32_t>(colour) & 1);
}

void SetLed(CloneImage& image, std::int32_t shownLed, std::int32_t colour) {
    switch (shownLed) {
        case 0:
            ItemMap::SetEmergencyLed(image, 0);
            break;
        case LedOff:
            ItemMap::SetEmergencyLed(image, 1);
            SetColour(image, 0);
            break;
        case 1:
        case 3:
            ItemMap::SetEmergencyLed(image, static_cast<std::uint32_t>(shownLed));
            if (colour >= 1 && colour <= 3) SetColour(image, colour);
            break;
        default:
            break;
    }
}

}  // namespace EmergencyRules

std::unique_ptr<SettingsDialogModel> CEmergencyDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CEmergencyDlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

void CEmergencyDlg::Build() {
    SetRuleRows(kRules.data());
    using namespace ItemMap;
    Getter get;
    Setter set;
    Item<GetEmergencyChannel, SetEmergencyChannel>(get, set);
    AddCombo(2002, "Emergency &Channel", IDC_EMERGENCY_CHANNEL, kEmergencyChannel, get, set);
    Item<GetEmergencyKeyInhibit, SetEmergencyKeyInhibit>(get, set);
    AddCombo(2012, "EMG Key &Inhibit", IDC_KEY_INHIBIT, kDisableEnable, get, set);
    Item<GetEmergencySelectZone, SetEmergencySelectZone>(get, set);
    AddCombo(2003, "EMG Select &Group", IDC_SELECT_GROUP, std::vector<ListRow>{}, get, set);
    Item<GetEmergencySelectChannel, SetEmergencySelectChannel>(get, set);
    AddCombo(2004, "EMG &Select Channel", IDC_SELECT_CHANNEL, std::vector<ListRow>{}, get, set);
    // Revert CH: loaded and saved by the page (what it shows may differ
    // from what is stored).
    AddCombo(2001, "EMG Re&vert CH", IDC_REVERT, kRevert, nullptr, nullptr);
    Item<GetEmergencyKeyHoldTime, SetEmergencyKeyHoldTime>(get, set);
    AddCombo(2005, "EMG &Key Hold Time", IDC_KEY_HOLD_TIME, kKeyHold, get, set);
    Item<GetEmergencyContinuousTime, SetEmergencyContinuousTime>(get, set);
    AddCombo(2006, "EMG Co&ntinuous Time", IDC_CONTINUOUS_TIME, Steps("No Limit", 5, 5, 60, 1, " min"), get, set);
    Item<GetEmergencyRxTime, SetEmergencyRxTime>(get, set);
    AddCombo(2007, "EMG &RX Time", IDC_RX_TIME, Steps("TX Only", 10, 10, 150, 1, " sec"), get, set);
    Item<GetEmergencyTxTime, SetEmergencyTxTime>(get, set);
    AddCombo(2008, "EMG &TX Time", IDC_TX_TIME, Steps("ANI", 5, 5, 75, 1, " sec"), get, set);
    Item<GetEmergencySilentMode, SetEmergencySilentMode>(get, set);
    AddCombo(2009, "EMG Silent &Mode", IDC_SILENT_MODE, kDisableEnable, get, set);
    Item<GetEmergencyDisplay, SetEmergencyDisplay>(get, set);
    AddCombo(2013, "EMG &Display", IDC_DISPLAY, kDisplay, get, set);
    // LED and its colour: loaded and saved together by the page.
    AddCombo(2014, "EMG L&ED", IDC_LED, kLed, nullptr, nullptr);
    Item<GetLoneWorkerTimer, SetLoneWorkerTimer>(get, set);
    AddCombo(2017, "Lone &Worker Timer", IDC_LONE_WORKER, Steps("", 10, 10, 160, 2, " min"), get, set);
    AddEdit(2018, "DT&MF EMG Code", kDtmfSpec);
    AddEdit(2019, "EMG TA&G", kTagSpec);
    Item<GetEmergencyMicLevel, SetEmergencyMicLevel>(get, set);
    AddCombo(2016, "Emergenc&y MIC Level", IDC_MIC_LEVEL, kMicLevel, get, set);
    AddCombo(
        2021, "EMG Alert(&P)", IDC_ALERT, kAlert, [](const CloneImage& image) { return EmergencyRules::GetEmergencyAlert(image); },
        [](CloneImage& image, std::int32_t value) { EmergencyRules::SetEmergencyAlert(image, value); });
    Item<GetEmergencyAf, SetEmergencyAf>(get, set);
    AddCombo(2010, "EMG &AF", IDC_AF, kAf, get, set);
    Item<GetEmergencyLcdBacklight, SetEmergencyLcdBacklight>(get, set);
    AddCombo(2011, "EMG &LCD Backlight", IDC_LCD_BACKLIGHT, kBacklight, get, set);
    AddCombo(2015, "EMG LED C&olor", IDC_LED_COLOR, kColour, nullptr, nullptr);
    Item<GetEmergencyReceiveFlash, SetEmergencyReceiveFlash>(get, set);
    AddCombo(2020, "EMG Receive &Flash", IDC_RECEIVE_FLASH, kReceiveFlash, get, set);
    selector_ = std::make_unique<GroupChannelSelector>(Form(), IDC_SELECT_GROUP, IDC_SELECT_CHANNEL);
    // A choice the group and channel boxes cannot follow ends at "Current CH".
    emergencyChannel_ = std::make_unique<ModeChoice>(
        Form(), IDC_EMERGENCY_CHANNEL, 0,
        [this](std::int32_t value, bool keep) { return selector_->SetMode(EmergencyRules::ModeOf(value), keep); });
}

void CEmergencyDlg::FilterLists(const CloneImage& image) {
    stored_ = image;
    namedDisplay_ = NamedDisplay(image);
    anyPriority_ = EmergencyRules::AnyPriorityChannel(image);
    std::vector<ListRow> revert;
    for (const ListRow& row : RowsOf(kRevert))
        if (row.value != EmergencyRules::RevertPriCh || EmergencyRules::PriorityRevertOffered(image))
            revert.push_back(row);
    Form().SetRows(IDC_REVERT, revert);
    Form().SetRows(IDC_LED_COLOR, RowsOf(kColour));
    selector_->SetWarnings(false);
    selector_->Bind(image);
}

void CEmergencyDlg::Loaded(int controlId) {
    if (selector_->Picked(controlId)) return;
    if (controlId == IDC_EMERGENCY_CHANNEL) emergencyChannel_->Start();
}

void CEmergencyDlg::LoadOwn(const CloneImage& image) {
    std::array<std::uint8_t, 8> packed{};
    ItemMap::ReadRaw8(kDtmfCode, image, packed.data());
    loadedDtmf_ = EditRules::UnpackDtmf(packed);
    loadedTag_ = TagCodesToText(ItemMap::GetEmergencyTag(image));
    Form().SetText(IDC_DTMF_CODE, loadedDtmf_);
    Form().SetText(IDC_TAG, loadedTag_);

    storedRevert_ = static_cast<std::int32_t>(ItemMap::GetEmergencyRevertCh(image));
    loadedRevert_ = EmergencyRules::ShownRevert(image, storedRevert_);
    if (!Form().SelectValue(IDC_REVERT, loadedRevert_)) Form().MarkInvalid(IDC_REVERT);

    loadedLed_ = EmergencyRules::ShownLed(image);
    loadedColour_ = EmergencyRules::LedColour(image);
    if (!Form().SelectValue(IDC_LED, loadedLed_)) Form().MarkInvalid(IDC_LED);
    // A colour of none is no colour: the box shows nothing and keeps it.
    if (!Form().SelectValue(IDC_LED_COLOR, loadedColour_)) Form().MarkInvalid(IDC_LED_COLOR);
}

void CEmergencyDlg::AfterLoad() {
    ApplySilentMode();
    selector_->SetWarnings(true);
}

void CEmergencyDlg::Changed(int controlId) {
    if (selector_->Picked(controlId)) return;
    switch (controlId) {
        case IDC_EMERGENCY_CHANNEL:
            emergencyChannel_->Follow();
            break;
        case IDC_REVERT:
            RevertChanged();
            break;
        case IDC_LED:
            LedChanged();
            break;
        case IDC_SILENT_MODE:
            if (Form().Value(IDC_SILENT_MODE) != -1) ApplySilentMode();
            break;
        default:
            break;
    }
}

void CEmergencyDlg::RevertChanged() {
    const std::int32_t value = Form().Value(IDC_REVERT);
    if (value == 1 || (value == EmergencyRules::RevertPriCh && !anyPriority_)) {
        ShowRidMessage(GroupChannelSelector::RidNoPriorityChannel, {}, MsgStyle::Ok | MsgStyle::IconWarning);
        Form().SelectValue(IDC_REVERT, EmergencyRules::RevertStartCh);
    }
}

// "OFF" and "------" have no colour to choose; "ON" and "Blink" light green
// or orange.
void CEmergencyDlg::LedChanged() {
    const std::int32_t led = Form().Value(IDC_LED);
    std::vector<ListRow> rows = RowsOf(kColour);
    const bool coloured = led != EmergencyRules::LedOff && led != 0;
    if (coloured)
        rows.erase(rows.begin());
    else
        rows.resize(1);
    Form().SetRows(IDC_LED_COLOR, std::move(rows));
    Form().Enable(IDC_LED_COLOR, coloured);
}

// Silent mode on blanks what it overrides (nothing is then written for
// those); off shows the stored values again, not the earlier picks.
void CEmergencyDlg::ApplySilentMode() {
    const bool off = Form().SelectedText(IDC_SILENT_MODE) == "Disable";
    std::vector<int> treated = {IDC_AF, IDC_KEY_INHIBIT, IDC_LED, IDC_LED_COLOR, IDC_ALERT};
    if (namedDisplay_) treated.push_back(IDC_DISPLAY);
    if (!off) {
        for (const int id : treated) Form().SelectIndex(id, -1);
        return;
    }
    const CloneImage& image = stored_;
    Form().SelectValue(IDC_AF, static_cast<std::int32_t>(ItemMap::GetEmergencyAf(image)));
    Form().SelectValue(IDC_KEY_INHIBIT, static_cast<std::int32_t>(ItemMap::GetEmergencyKeyInhibit(image)));
    if (namedDisplay_) Form().SelectValue(IDC_DISPLAY, static_cast<std::int32_t>(ItemMap::GetEmergencyDisplay(image)));
    Form().SelectValue(IDC_ALERT, EmergencyRules::GetEmergencyAlert(image));
    Form().SetRows(IDC_LED_COLOR, RowsOf(kColour));
    Form().SelectValue(IDC_LED, loadedLed_);
    Form().Enable(IDC_LED, true);
    Form().SelectValue(IDC_LED_COLOR, loadedColour_);
    Form().Enable(IDC_LED_COLOR, loadedLed_ != 0 && loadedLed_ != EmergencyRules::LedOff);
}

void CEmergencyDlg::Left(int controlId) {
    if (controlId == IDC_DTMF_CODE) Form().SetText(controlId, EditRules::NormalizeDtmf(Form().Text(controlId)));
}

void CEmergencyDlg::SaveOwn(CloneImage& image) {
    const std::string dtmf = EditRules::NormalizeDtmf(Form().Text(IDC_DTMF_CODE));
    if (dtmf != loadedDtmf_) {
        std::array<std::uint8_t, 8> packed{};
        const auto bytes = EditRules::PackDtmf(dtmf, kDtmfSpec.digits);
        std::copy(bytes.begin(), bytes.end(), packed.begin());
        ItemMap::WriteRaw8(kDtmfCode, image, packed.data());
    }
    const std::string tag = Form().Text(IDC_TAG);
    if (tag != loadedTag_) ItemMap::SetEmergencyTag(image, TagTextToCodes(tag, 8));

    // Revert CH: a shown value other than the stored one is written (an
    // unusable "PRI CH" goes back to the radio as "Start CH").
    const std::int32_t revert = Form().Value(IDC_REVERT);
    if (revert != -1 && revert != storedRevert_) ItemMap::SetEmergencyRevertCh(image, static_cast<std::uint32_t>(revert));

    // The LED is written only when the LED or its colour was changed; an
    // empty LED box (silent mode) writes neither.
    const std::int32_t led = Form().Value(IDC_LED);
    const std::int32_t colour = Form().IsEnabled(IDC_LED_COLOR) ? Form().Value(IDC_LED_COLOR) : -1;
    if (led == -1) return;
    const bool colourChanged = colour != -1 && colour != loadedColour_;
    if (led != loadedLed_ || colourChanged) EmergencyRules::SetLed(image, led, colour);
}
