#include "settings/KeyAssignments.h"

#include <algorithm>

#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"

namespace Settings::KeyFunctions {

namespace {

// Key slot 0 of the key assignment table: block 8, offset 0x140, a byte.
constexpr const ImageItemDescriptor& kKeySlot = ItemMap::SystemItems[71];
static_assert(kKeySlot.block == 8 && kKeySlot.offset == 0x140 && kKeySlot.mask == 0xFF);

constexpr int kScan = 48, kFollowMeScan = 51;

// Slots a mobile's keypad lacks: "4 Key" has no MIC * and #, "None" no
// microphone keys C-# (as the radio reads them, in the portable layout).
void ClearMissingKeySlots(CloneImage& image, int keypad) {
    auto clear = [&image](int from, int to) {
        for (int slot = from; slot <= to; ++slot)
            ItemMap::WriteImageField(kKeySlot, image, 1, static_cast<std::uint32_t>(slot), 0);
    };
    if (keypad == 1) {
        clear(14, 15);
        clear(30, 31);
    } else if (keypad == 0) {
        clear(10, 15);
        clear(26, 31);
    }
}

bool Holds(const std::vector<int>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

std::size_t SlotOffset(int slot) {
    return CloneImage::BlockOffset(8, 0x140 + slot);
}

KeyAssignments::KeyAssignments(Radio radio)
    : radio_(radio),
      values_(static_cast<std::size_t>(radio == Radio::Portable ? kPortableKeys : kMobileKeys), kUnset),
      invalid_(values_.size(), false) {
    rules_.radio = radio;
}

int KeyAssignments::KeyCount() const {
    return static_cast<int>(values_.size());
}

std::span<const KeySlot> KeyAssignments::Slots() const {
    if (radio_ == Radio::Portable) return kPortableSlots;
    return kMobileSlots;
}

int KeyAssignments::HoldOf(int key) const {
    return key + HoldOffset(radio_);
}

bool KeyAssignments::Shown(int key) const {
    if (radio_ == Radio::Mobile) return true;
    const bool keypadKey = key % 6 >= 2;
    return !keypadKey || keypad_ == 1 || keypad_ == 2;
}

void KeyAssignments::Load(const CloneImage& image) {
    keypad_ = static_cast<int>(ItemMap::GetKeypadType(image));
    const int display = static_cast<int>(ItemMap::GetDisplayType(image));
    rules_ = RulesFromImage(image, radio_);
    listIndex_ = radio_ == Radio::Portable ? PortableListIndex(display, keypad_) : MobileListIndex(display);
    working_ = WorkingList(radio_, listIndex_, radio_ == Radio::Mobile && Version::Compare(image, 1, 8, 0, 0) > 0);
    const auto slots = Slots();
    const std::vector<int> nothingTaken(values_.size(), kUnset);
    for (int k = 0; k < KeyCount(); ++k) {
        int value = static_cast<int>(ItemMap::ReadImageField(
            kKeySlot, image, 1, static_cast<std::uint32_t>(slots[static_cast<std::size_t>(k)].slot)));
        if (!Shown(k)) value = kNone;
        if (rules_.scanBarred && (value == kScan || value == kFollowMeScan)) value = kNone;
        invalid_[static_cast<std::size_t>(k)] = !Holds(OfferedList(rules_, working_, k, nothingTaken), value);
        if (invalid_[static_cast<std::size_t>(k)]) value = kNone;
        values_[static_cast<std::size_t>(k)] = value;
    }
    for (int k = 0; k < HoldOffset(radio_); ++k)
        if (IsPressOnly(Value(k))) values_[static_cast<std::size_t>(HoldOf(k))] = kNone;
}

void KeyAssignments::Save(CloneImage& image) const {
    if (radio_ == Radio::Mobile) ClearMissingKeySlots(image, keypad_);
    const auto slots = Slots();
    for (int k = 0; k < KeyCount(); ++k)
        if (Value(k) != kUnset)
            ItemMap::WriteImageField(kKeySlot, image, 1,
                                     static_cast<std::uint32_t>(slots[static_cast<std::size_t>(k)].slot),
                                     static_cast<std::uint32_t>(Value(k)));
}

std::vector<int> KeyAssignments::Offered(int key) const {
    return OfferedList(rules_, working_, key, values_);
}

std::vector<int> KeyAssignments::OfferedAlone(int key) const {
    const std::vector<int> nothingTaken(values_.size(), kUnset);
    return OfferedList(rules_, working_, key, nothingTaken);
}

bool KeyAssignments::Enabled(int key) const {
    const int press = key - HoldOffset(radio_);
    return press < 0 || !IsPressOnly(Value(press));
}

void KeyAssignments::Focus(int key) {
    if (!Holds(Offered(key), Value(key))) values_[static_cast<std::size_t>(key)] = kNone;
}

void KeyAssignments::Choose(int key, int code) {
    if (!Enabled(key) || !Holds(Offered(key), code)) return;
    values_[static_cast<std::size_t>(key)] = code;
    invalid_[static_cast<std::size_t>(key)] = false;
    if (key < HoldOffset(radio_) && IsPressOnly(code)) values_[static_cast<std::size_t>(HoldOf(key))] = kNone;
}

}  // namespace Settings::KeyFunctions
