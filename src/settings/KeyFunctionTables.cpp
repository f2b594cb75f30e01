#include "settings/KeyFunctionTables.h"

#include <algorithm>

#include "image/ItemsSystem.h"
#include "image/Model.h"

namespace Settings::KeyFunctions {

namespace {

constexpr int kSpeedChUp = 36, kSpeedChDown = 37, kOltaLogin = 83;
constexpr int kScan = 48, kFollowMeScan = 51;
constexpr int kDirectChEntry = 46, kChEdit = 47, kDtmfCodeSet = 74;
constexpr int kSqlSet = 9, kSpeedDial = 73;
constexpr int kChAnnounce = 21, kVoxAntiTrip = 22;

bool FullDisplay(int displayType) {
    return displayType == 2 || displayType == 5 || displayType == 6;
}

template <std::size_t N>
bool Holds(const std::uint8_t (&codes)[N], int code) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

// Mobile keys share functions only across the radio/microphone boundary.
bool SameMobileGroup(int a, int b) {
    return (a % 12 < 6) == (b % 12 < 6);
}

}  // namespace

std::string_view FunctionName(int code, Radio radio) {
    if (code < 0 || code >= kCodeCount) return {};
    if (radio == Radio::Mobile && code == 3) return "Dimmer/Lamp";
    if (radio == Radio::Mobile && code == 11) return "!!RESERVED!!";
    return kPortableNames[static_cast<std::size_t>(code)];
}

bool IsPressOnly(int code) {
    return Holds(kPressOnly, code);
}

int PortableListIndex(int displayType, int keypadType) {
    if (!FullDisplay(displayType)) return 0;
    return keypadType == 1 ? 1 : keypadType == 2 ? 2 : 0;
}

int MobileListIndex(int displayType) {
    return FullDisplay(displayType) ? 1 : 0;
}

std::vector<int> WorkingList(Radio radio, int listIndex, bool firmwareAfter18) {
    std::vector<int> codes;
    auto take = [&codes](auto const& list) { codes.assign(std::begin(list), std::end(list)); };
    if (radio == Radio::Portable)
        listIndex == 0 ? take(kPortableBasic) : take(kPortableKeypad);
    else
        listIndex == 0 ? take(kMobileBasic) : take(kMobileFull);
    if (radio == Radio::Mobile && firmwareAfter18) {
        codes.push_back(kChAnnounce);
        codes.push_back(kVoxAntiTrip);
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

OfferRules RulesFromImage(const CloneImage& image, Radio radio) {
    const int display = static_cast<int>(ItemMap::GetDisplayType(image));
    OfferRules rules;
    rules.radio = radio;
    rules.oltaAllowed = display == 2;
    rules.scanBarred = Version::Compare(image, 1, 10, 0, 0) >= 0 && ItemMap::GetOneGroupMode(image) == 1;
    rules.basicDisplay = radio == Radio::Mobile && !FullDisplay(display);
    return rules;
}

int HoldOffset(Radio radio) {
    return radio == Radio::Portable ? kPortableKeys / 2 : kMobileKeys / 2;
}

std::vector<int> OfferedList(const OfferRules& rules, std::span<const int> working, int keyIndex,
                             std::span<const int> assignments) {
    const bool mobile = rules.radio == Radio::Mobile;
    const bool hold = keyIndex >= HoldOffset(rules.radio);
    const bool radioKey = mobile && keyIndex % 12 < 6;
    auto takenElsewhere = [&](int code) {
        if (code == kNone) return false;
        for (std::size_t other = 0; other < assignments.size(); ++other) {
            const int k = static_cast<int>(other);
            if (k == keyIndex || assignments[other] != code) continue;
            if (!mobile || SameMobileGroup(k, keyIndex)) return true;
        }
        return false;
    };
    std::vector<int> offered;
    for (const int code : working) {
        if (takenElsewhere(code)) continue;
        if (hold && IsPressOnly(code)) continue;
        if (!hold && (code == kSpeedChUp || code == kSpeedChDown)) continue;
        if (!rules.oltaAllowed && code == kOltaLogin) continue;
        if (rules.scanBarred && (code == kScan || code == kFollowMeScan)) continue;
        if (radioKey && (code == kDirectChEntry || code == kChEdit || code == kDtmfCodeSet)) continue;
        if (mobile && rules.basicDisplay && (code == kSqlSet || code == kSpeedDial)) continue;
        offered.push_back(code);
    }
    return offered;
}

}  // namespace Settings::KeyFunctions
