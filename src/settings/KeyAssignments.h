#pragma once
// The key assignments a key function dialog edits, without windows: which
// function each key holds, what each key may be offered now, the press-only
// rule tying a key's press-and-hold to its press, and what OK writes.
#include <span>
#include <vector>

#include "image/CloneImage.h"
#include "settings/KeyFunctionTables.h"

namespace Settings::KeyFunctions {

// One key action: its slot in the key assignment table (block 8, 0x140 +
// slot) and whether the radio variant shows it.
struct KeySlot {
    int slot;
    int comboId;
};

// Portable: Side-1, Side-2, A-D press, then the same keys press and hold.
inline constexpr KeySlot kPortableSlots[kPortableKeys] = {{0, 2102},  {1, 2103},  {4, 2108},  {5, 2109},
                                                          {6, 2110},  {7, 2111},  {8, 2118},  {9, 2119},
                                                          {12, 2124}, {13, 2125}, {14, 2126}, {15, 2127}};
// Mobile: Up, Down, P1-P4, MIC A-D, MIC *, MIC # press, then press and hold.
inline constexpr KeySlot kMobileSlots[kMobileKeys] = {
    {32, 2101}, {33, 2102}, {34, 2103}, {35, 2104}, {36, 2105}, {37, 2106}, {42, 2107}, {43, 2108},
    {44, 2109}, {45, 2110}, {46, 2111}, {47, 2112}, {48, 2117}, {49, 2118}, {50, 2119}, {51, 2120},
    {52, 2121}, {53, 2122}, {58, 2123}, {59, 2124}, {60, 2125}, {61, 2126}, {62, 2127}, {63, 2128}};

// Byte offset of a key slot in the image.
std::size_t SlotOffset(int slot);

class KeyAssignments {
  public:
    explicit KeyAssignments(Radio radio);

    Radio Kind() const { return radio_; }
    int KeyCount() const;
    std::span<const KeySlot> Slots() const;

    // Reads every key: a key the variant hides, a scan function the radio
    // bars, or a code the key's list does not hold becomes None.
    void Load(const CloneImage& image);
    // Writes every key's slot; a mobile first clears the key slots its
    // keypad lacks.
    void Save(CloneImage& image) const;
    // Whether key k held a code its list does not offer (shown as no
    // choice until the user picks one; saved as None).
    bool LoadedInvalid(int key) const { return invalid_[static_cast<std::size_t>(key)]; }

    // Whether the variant shows key k (A-D on a portable need a 4 or 16 key
    // keypad; a mobile shows all).
    bool Shown(int key) const;
    int Value(int key) const { return values_[static_cast<std::size_t>(key)]; }
    std::span<const int> Values() const { return values_; }
    // What key k may be offered with the other keys as they are now.
    std::vector<int> Offered(int key) const;
    // What key k is offered while no key holds anything (the lists as the
    // dialog opens: two keys holding one function both show it).
    std::vector<int> OfferedAlone(int key) const;
    // A press-and-hold key is off while its press key holds a press-only function.
    bool Enabled(int key) const;
    // The key got the focus: a code another key took meanwhile becomes None.
    void Focus(int key);
    // The user picked `code` for key k. A press-only function clears and
    // disables the key's press-and-hold; leaving one enables it again.
    void Choose(int key, int code);
    // The help topics' sub-index: 1 for a radio with a full display (a
    // portable with a keypad list), else 0.
    int HelpSub() const { return listIndex_ != 0 ? 1 : 0; }

  private:
    int HoldOf(int key) const;
    Radio radio_;
    OfferRules rules_;
    std::vector<int> working_;
    std::vector<int> values_;
    std::vector<bool> invalid_;
    int keypad_ = 0;
    int listIndex_ = 0;
};

}  // namespace Settings::KeyFunctions
