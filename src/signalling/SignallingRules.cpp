#include "signalling/SignallingRules.h"

#include <algorithm>

#include "image/ItemMap.h"
#include "image/ItemsSignalling.h"
#include "signalling/SignallingLists.h"

namespace {
constexpr const ImageItemDescriptor& kPauseOff = ItemMap::DtmfItems[2];
constexpr const ImageItemDescriptor& kPauseDigit = ItemMap::DtmfItems[3];
static_assert(kPauseOff.offset == 0x001 && kPauseOff.mask == 0x10);
static_assert(kPauseDigit.offset == 0x001 && kPauseDigit.mask == 0x0F);

constexpr const ImageItemDescriptor& kFleet = ItemMap::FleetLinkItems[2];
constexpr const ImageItemDescriptor& kOwnId = ItemMap::FleetLinkItems[3];
constexpr const ImageItemDescriptor& kLeadIn = ItemMap::FleetLinkItems[4];
static_assert(kFleet.offset == 0x101 && kOwnId.offset == 0x102 && kLeadIn.offset == 0x104);

constexpr char kDtmfChars[] = "0123456789ABCD*#";

// Digit code of a DTMF character (a-d as A-D); -1 for any other.
int DigitCode(char c) {
    if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
    for (int i = 0; i < 16; ++i)
        if (kDtmfChars[i] == c) return i;
    return -1;
}
}  // namespace

namespace DtmfPauseCode {

std::int32_t Get(const CloneImage& image) {
    if (ItemMap::ReadImageField(kPauseOff, image) == 1) return SignallingLists::PauseCodeOff;
    return static_cast<std::int32_t>(ItemMap::ReadImageField(kPauseDigit, image));
}

void Set(CloneImage& image, std::int32_t value) {
    if (value == -1) return;
    if (value == SignallingLists::PauseCodeOff) {
        ItemMap::WriteImageField(kPauseOff, image, 0, 0, 1);
        ItemMap::WriteImageField(kPauseDigit, image, 0, 0, 0);
        return;
    }
    ItemMap::WriteImageField(kPauseOff, image, 0, 0, 0);
    ItemMap::WriteImageField(kPauseDigit, image, 0, 0, static_cast<std::uint32_t>(value) & 0x0F);
}

}  // namespace DtmfPauseCode

namespace DtmfPageCode {

Digits Get(const CloneImage& image, int n) {
    return {static_cast<std::uint8_t>(ItemMap::GetDtmfPageCodeDigit1(image, n)),
            static_cast<std::uint8_t>(ItemMap::GetDtmfPageCodeDigit2(image, n)),
            static_cast<std::uint8_t>(ItemMap::GetDtmfPageCodeDigit3(image, n))};
}

void Set(CloneImage& image, int n, const Digits& digits) {
    ItemMap::SetDtmfPageCodeDigit1(image, n, digits[0]);
    ItemMap::SetDtmfPageCodeDigit2(image, n, digits[1]);
    ItemMap::SetDtmfPageCodeDigit3(image, n, digits[2]);
}

std::string Text(const Digits& digits) {
    if (digits[0] == 15 && digits[1] == 15 && digits[2] == 15) return {};
    std::string text;
    for (std::uint8_t d : digits) text += kDtmfChars[d & 0x0F];
    return text;
}

Problem Check(std::string_view text) {
    if (text.empty()) return Problem::None;
    if (text == "###") return Problem::NoCode;
    if (text.size() != 3) return Problem::Incomplete;
    for (char c : text) {
        const int code = DigitCode(c);
        if (code < 0 || code == 15) return Problem::Incomplete;
    }
    return Problem::None;
}

std::optional<Digits> Parse(std::string_view text) {
    if (text.empty()) return Digits{15, 15, 15};
    if (Check(text) != Problem::None) return std::nullopt;
    Digits digits{};
    for (std::size_t i = 0; i < 3; ++i) digits[i] = static_cast<std::uint8_t>(DigitCode(text[i]));
    return digits;
}

}  // namespace DtmfPageCode

namespace FleetLink {

int OwnIdGet(const CloneImage& image) {
    const int stored = static_cast<int>(ItemMap::ReadImageFieldLE(kOwnId, image));
    return std::clamp(stored + OwnIdMin - 1, OwnIdMin, OwnIdMax);
}

void OwnIdSet(CloneImage& image, int value) {
    const int v = std::clamp(value, OwnIdMin, OwnIdMax);
    ItemMap::WriteImageFieldLE(kOwnId, image, 0, 0, static_cast<std::uint32_t>(v - (OwnIdMin - 1)));
}

int FleetGet(const CloneImage& image) {
    return std::clamp(static_cast<int>(ItemMap::ReadImageField(kFleet, image)) + FleetMin - 1, FleetMin, FleetMax);
}

void FleetSet(CloneImage& image, int value) {
    const int v = std::clamp(value, FleetMin, FleetMax);
    ItemMap::WriteImageField(kFleet, image, 0, 0, static_cast<std::uint32_t>(v - (FleetMin - 1)));
}

int LeadInDelayGet(const CloneImage& image) {
    return std::clamp(static_cast<int>(ItemMap::ReadImageField(kLeadIn, image)) * 10, LeadInMin, LeadInMax);
}

void LeadInDelaySet(CloneImage& image, int value) {
    const int v = std::clamp(value, LeadInMin, LeadInMax);
    ItemMap::WriteImageField(kLeadIn, image, 0, 0, static_cast<std::uint32_t>(v / 10));
}

int LeadInDelayOnLeave(int value) {
    return std::clamp(value, LeadInMin, LeadInMax) / 10 * 10;
}

}  // namespace FleetLink
