#include "signalling/FleetLinkAni.h"

#include <charconv>
#include <optional>
#include <cstdint>
#include <cstdio>

#include "image/ItemMap.h"
#include "image/ItemsSignalling.h"
#include "signalling/SignallingLists.h"
#include "signalling/SignallingRules.h"
#include "ui/EditRules.h"

using namespace Settings;
using namespace SignallingLists;

namespace {

constexpr std::uint8_t kFleet[15] = {}, kId[15] = {}, kTransmit[15] = {}, kSideTone[15] = {}, kLeadIn[15] = {};
constexpr ControlRuleRow kRules[] = {
    {2004, 0, kFleet},    {2302, 1, kFleet},    {2001, 0, kId},      {2301, 1, kId},
    {2003, 0, kTransmit}, {2102, 1, kTransmit}, {2006, 0, kSideTone}, {2103, 1, kSideTone},
    {2005, 0, kLeadIn},   {2303, 1, kLeadIn},   {-1, 0, nullptr},
};

struct Field {
    int id;
    int (*get)(const CloneImage&);
    void (*set)(CloneImage&, int);
    const char* format;
};
constexpr Field kFields[] = {
    {CFleetLinkAniPage1Dlg::IDC_OWN_ID, FleetLink::OwnIdGet, FleetLink::OwnIdSet, "%04d"},
    {CFleetLinkAniPage1Dlg::IDC_FLEET, FleetLink::FleetGet, FleetLink::FleetSet, "%03d"},
    {CFleetLinkAniPage1Dlg::IDC_LEAD_IN, FleetLink::LeadInDelayGet, FleetLink::LeadInDelaySet, "%d"},
};

std::string Format(const char* format, int value) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// A whole decimal number; nothing for an empty text or any other character.
std::optional<int> Number(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CFleetLinkAniDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CFleetLinkAniPage1Dlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

void CFleetLinkAniPage1Dlg::Build() {
    SetRuleRows(kRules);
    AddEdit(2004, "&Fleet", {IDC_FLEET, 3, FleetLink::FleetMin, FleetLink::FleetMax, EditKind::Decimal, 0});
    AddEdit(2001, "&ID", {IDC_OWN_ID, 4, FleetLink::OwnIdMin, FleetLink::OwnIdMax, EditKind::Decimal, 0});
    Getter get;
    Setter set;
    Item<ItemMap::GetFleetLinkAniTransmit, ItemMap::SetFleetLinkAniTransmit>(get, set);
    AddCombo(2003, "&ANI Trans", IDC_ANI_TRANSMIT, FleetLinkAniTransmitList, get, set);
    Item<ItemMap::GetFleetLinkPttSideTone, ItemMap::SetFleetLinkPttSideTone>(get, set);
    AddCombo(2006, "&PTT Sidetone", IDC_PTT_SIDE_TONE, FleetLinkPttSideToneList, get, set);
    AddEdit(2005, "&Lead in Delay Time",
            {IDC_LEAD_IN, 4, FleetLink::LeadInMin, FleetLink::LeadInMax, EditKind::Decimal, 0});
}

void CFleetLinkAniPage1Dlg::LoadOwn(const CloneImage& image) {
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        loaded_[i] = Format(kFields[i].format, kFields[i].get(image));
        Form().SetText(kFields[i].id, loaded_[i]);
    }
}

void CFleetLinkAniPage1Dlg::Left(int controlId) {
    if (controlId != IDC_LEAD_IN) return;
    if (const auto value = Number(Form().Text(IDC_LEAD_IN)))
        Form().SetText(IDC_LEAD_IN, std::to_string(FleetLink::LeadInDelayOnLeave(*value)));
}

// Only an edited field is written, and only a whole number (clamped by its
// setter); an empty or unreadable text keeps the stored value.
void CFleetLinkAniPage1Dlg::SaveOwn(CloneImage& image) {
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        const std::string text = Form().Text(kFields[i].id);
        if (text == loaded_[i]) continue;
        if (const auto value = Number(text)) kFields[i].set(image, *value);
    }
}
