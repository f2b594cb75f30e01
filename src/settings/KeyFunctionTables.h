#pragma once
// Key function codes: the byte each programmable key holds in the key
// assignment table (block 8, 0x140-0x17F), the names shown for them and the
// rules deciding which codes a key may be offered. Window-free; the portable
// and mobile key dialogs and their printouts read everything from here.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"

namespace Settings::KeyFunctions {

inline constexpr int kCodeCount = 106;  // codes 0-105
inline constexpr int kNone = 0;
inline constexpr int kUnset = -1;  // an assignment not loaded yet

// Portable names by code; "!!RESERVED!!" codes are in no source list.
inline constexpr std::array<std::string_view, kCodeCount> kPortableNames = {"None",
                                                                            "Monitor",
                                                                            "Monitor(Moment)",
                                                                            "Lamp",
                                                                            "Low Power",
                                                                            "Encryption",
                                                                            "SET",
                                                                            "SQL OFF(Moment)",
                                                                            "SQL OFF",
                                                                            "SQL Set",
                                                                            "Beep OFF",
                                                                            "Whisper",
                                                                            "VOX",
                                                                            "VOX Set",
                                                                            "Clear Voice",
                                                                            "AF Min Volume",
                                                                            "Noise Blanker",
                                                                            "Horn Alert",
                                                                            "PA",
                                                                            "Ext ACC 1",
                                                                            "Ext ACC 2",
                                                                            "CH Announce",
                                                                            "VOX Anti Trip",
                                                                            "!!RESERVED!!",
                                                                            "Emergency",
                                                                            "Lone Worker",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "Group Up",
                                                                            "Group Down",
                                                                            "CH Up",
                                                                            "CH Down",
                                                                            "Speed CH Up",
                                                                            "Speed CH Down",
                                                                            "PRI-1",
                                                                            "PRI",
                                                                            "PRI Set",
                                                                            "PRI Disable",
                                                                            "Direct CH 1",
                                                                            "Direct CH 2",
                                                                            "Direct CH 3",
                                                                            "Direct CH 4",
                                                                            "Direct CH Entry",
                                                                            "CH Edit",
                                                                            "Scan",
                                                                            "Group Scan",
                                                                            "Dual Watch",
                                                                            "Follow Me Scan",
                                                                            "!!RESERVED!!",
                                                                            "Scan Set",
                                                                            "Group Scan Set",
                                                                            "TA Scan",
                                                                            "Talk Around",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "Reset",
                                                                            "Call 1",
                                                                            "Call 2",
                                                                            "Call 3",
                                                                            "Call 4",
                                                                            "Call 5",
                                                                            "Code Up",
                                                                            "Code Down",
                                                                            "Code Set",
                                                                            "Speed Dial",
                                                                            "DTMF Code Set",
                                                                            "Call",
                                                                            "!!RESERVED!!",
                                                                            "Status Set",
                                                                            "Status Up",
                                                                            "Status Down",
                                                                            "Status Check",
                                                                            "Duty",
                                                                            "ID Check",
                                                                            "OLTA Login",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "Option SW 1",
                                                                            "Option SW 2",
                                                                            "!!RESERVED!!",
                                                                            "REC",
                                                                            "PLAY",
                                                                            "TX Save Disable",
                                                                            "Lock",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!",
                                                                            "!!RESERVED!!"};

// Source lists: the codes each kind of radio offers, ascending. The row
// capacity of a list (69 portable, 72 mobile) includes its end row.
inline constexpr std::size_t kPortableRows = 69;
inline constexpr std::size_t kMobileRows = 72;

// Portable list 0: no full display, or a keypad other than "4 Key"/"16 Key".
inline constexpr std::uint8_t kPortableBasic[] = {0,  1,  2,  4,  7,  8,  10, 11, 12, 22, 24, 25,  39, 48,
                                                  50, 51, 55, 56, 64, 65, 66, 67, 73, 75, 81, 101, 102};
// Portable lists 1 and 2 (the same codes): full display with a 4 or 16 key keypad.
inline constexpr std::uint8_t kPortableKeypad[] = {0,  1,  2,  3,  4,  5,  7,  8,  9,  10, 11, 12,  13, 22,
                                                   24, 25, 32, 33, 34, 35, 39, 48, 49, 50, 51, 53,  54, 55,
                                                   56, 64, 65, 66, 67, 70, 71, 72, 73, 75, 81, 101, 102};
// Mobile list 0: display type not 2, 5 or 6.
inline constexpr std::uint8_t kMobileBasic[] = {
    0,  1,  2,  3,  4,  5,  7,  8,  9,  10, 12, 14, 15, 17, 18, 19, 20, 24, 25, 34, 35, 38, 39,  40,  41,
    42, 43, 44, 45, 48, 50, 51, 53, 55, 56, 64, 65, 66, 67, 68, 69, 73, 75, 81, 96, 97, 99, 100, 101, 102};
// Mobile list 1: display type 2, 5 or 6.
inline constexpr std::uint8_t kMobileFull[] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 13, 14, 15, 17, 18, 19, 20, 24, 25,  32,  33,
    34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 48, 49, 50, 51, 53, 54, 55, 56,  64,  65,
    66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 77, 78, 79, 80, 81, 82, 83, 96, 97, 99, 100, 101, 102};

// Functions acting only while the key is pressed: never on a press-and-hold
// combo, and a key pressed for one has no press-and-hold function.
inline constexpr std::uint8_t kPressOnly[] = {2, 7, 19, 24, 96};

enum class Radio { Portable, Mobile };

// The name shown for a code; the mobile dialog names 3 "Dimmer/Lamp" and
// 11 "!!RESERVED!!". Codes outside 0-105 give "".
std::string_view FunctionName(int code, Radio radio);
bool IsPressOnly(int code);

// Which source list a radio uses (display and keypad type as stored).
int PortableListIndex(int displayType, int keypadType);
int MobileListIndex(int displayType);

// The working list of a dialog: the source list's codes ascending. Mobile
// firmware later than 1.8.0.0 adds 21 "CH Announce" and 22 "VOX Anti Trip".
std::vector<int> WorkingList(Radio radio, int listIndex, bool firmwareAfter18);

// What the image decides about the offered lists.
struct OfferRules {
    Radio radio = Radio::Portable;
    bool oltaAllowed = false;   // display type 2
    bool scanBarred = false;    // firmware 1.10.0.0 or later in 1 Group Mode
    bool basicDisplay = false;  // mobile: display type not 2, 5 or 6
};
OfferRules RulesFromImage(const CloneImage& image, Radio radio);

// Key indexes: portable 0-5 press, 6-11 press and hold; mobile 0-11 press,
// 12-23 press and hold (0-5 and 12-17 radio keys, the rest microphone keys).
inline constexpr int kPortableKeys = 12;
inline constexpr int kMobileKeys = 24;
int HoldOffset(Radio radio);  // press key index + this = its hold key index

// The codes offered to key k of the working list, in list order, given every
// key's current assignment (a function sits on one key only: per dialog on a
// portable, per radio/microphone group on a mobile; None on any number).
std::vector<int> OfferedList(const OfferRules& rules, std::span<const int> working, int keyIndex,
                             std::span<const int> assignments);

}  // namespace Settings::KeyFunctions
