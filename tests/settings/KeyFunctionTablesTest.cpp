// The key function tables and the rules deciding what each key is offered,
// without windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ImageDiff.h"
#include "image/ItemsSystem.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"
#include "settings/KeyFunctionTables.h"

using namespace Settings::KeyFunctions;

namespace {

bool Has(const std::vector<int>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::vector<int> Unassigned(Radio radio) {
    return std::vector<int>(radio == Radio::Portable ? kPortableKeys : kMobileKeys, kNone);
}

}  // namespace

TEST(KeyFunctionTables, SourceListsAreAscendingNamedAndFitTheirRows) {
    struct List {
        Radio radio;
        int index;
        std::size_t codes;
    };
    for (const List list :
         {List{Radio::Portable, 0, 27}, List{Radio::Portable, 1, 41}, List{Radio::Portable, 2, 41},
          List{Radio::Mobile, 0, 50}, List{Radio::Mobile, 1, 69}}) {
        const auto codes = WorkingList(list.radio, list.index, false);
        const std::size_t rows = list.radio == Radio::Portable ? kPortableRows : kMobileRows;
        EXPECT_EQ(codes.size(), list.codes) << list.index;
        EXPECT_LT(codes.size(), rows) << "room for the end row";
        EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
        EXPECT_EQ(std::adjacent_find(codes.begin(), codes.end()), codes.end()) << "no code twice";
        for (const int code : codes) {
            EXPECT_NE(FunctionName(code, list.radio), "!!RESERVED!!") << code;
            EXPECT_FALSE(FunctionName(code, list.radio).empty()) << code;
        }
    }
}

TEST(KeyFunctionTables, NamesDifferBetweenPortableAndMobileOnlyAtLampAndWhisper) {
    for (int code = 0; code < kCodeCount; ++code) {
        if (code == 3 || code == 11) continue;
        EXPECT_EQ(FunctionName(code, Radio::Portable), FunctionName(code, Radio::Mobile));
    }
    EXPECT_EQ(FunctionName(3, Radio::Portable), "Lamp");
    EXPECT_EQ(FunctionName(3, Radio::Mobile), "Dimmer/Lamp");
    EXPECT_EQ(FunctionName(11, Radio::Portable), "Whisper");
    EXPECT_EQ(FunctionName(11, Radio::Mobile), "!!RESERVED!!");
    EXPECT_EQ(FunctionName(83, Radio::Portable), "OLTA Login");
    EXPECT_EQ(FunctionName(102, Radio::Portable), "Lock");
    EXPECT_EQ(FunctionName(103, Radio::Portable), "!!RESERVED!!");
    EXPECT_EQ(FunctionName(106, Radio::Portable), "");
    EXPECT_EQ(FunctionName(-1, Radio::Mobile), "");
}

TEST(KeyFunctionTables, PortableListFollowsDisplayAndKeypad) {
    struct Case {
        int display, keypad, list;
        std::size_t pressRows;
    };
    // Display types: 0 None, 2 13seg, 3 7seg, 5 Dot, 6 Fulldot, 15 Other.
    // Keypad types: 0 None, 1 "4 Key", 2 "16 Key", 3 Simple, 4 DTMF.
    const Case cases[] = {{2, 2, 2, 41}, {2, 1, 1, 41}, {5, 1, 1, 41}, {6, 2, 2, 41}, {2, 0, 0, 27},
                          {2, 3, 0, 27}, {6, 4, 0, 27}, {0, 2, 0, 27}, {3, 1, 0, 27}, {15, 2, 0, 27}};
    OfferRules rules;
    for (const Case& c : cases) {
        const int list = PortableListIndex(c.display, c.keypad);
        EXPECT_EQ(list, c.list) << c.display << "/" << c.keypad;
        const auto working = WorkingList(Radio::Portable, list, true);
        EXPECT_EQ(OfferedList(rules, working, 0, Unassigned(Radio::Portable)).size(), c.pressRows)
            << c.display << "/" << c.keypad;
    }
}

TEST(KeyFunctionTables, MobileFirmwareAfter18AddsAnnounceAndAntiTrip) {
    EXPECT_EQ(MobileListIndex(2), 1);
    EXPECT_EQ(MobileListIndex(6), 1);
    EXPECT_EQ(MobileListIndex(3), 0);
    EXPECT_EQ(MobileListIndex(15), 0);

    const auto full = WorkingList(Radio::Mobile, 1, true);
    EXPECT_EQ(full.size() + 1, kMobileRows) << "the insertion fills every row, end row included";
    EXPECT_EQ(full.size() + 1, 72u);
    const auto at = std::find(full.begin(), full.end(), 20);
    ASSERT_NE(at, full.end());
    EXPECT_EQ(std::vector<int>(at, at + 4), (std::vector<int>{20, 21, 22, 24}));
    EXPECT_EQ(WorkingList(Radio::Mobile, 0, true).size(), 52u);

    for (const int list : {0, 1}) {
        const auto old = WorkingList(Radio::Mobile, list, false);
        EXPECT_FALSE(Has(old, 21));
        EXPECT_FALSE(Has(old, 22));
    }
    // A portable list is the same whatever the firmware.
    EXPECT_EQ(WorkingList(Radio::Portable, 1, true), WorkingList(Radio::Portable, 1, false));
}

TEST(KeyFunctionTables, PressAndHoldRules) {
    struct Case {
        Radio radio;
        int list, press, hold;
    };
    for (const Case c : {Case{Radio::Portable, 0, 0, 6}, Case{Radio::Portable, 2, 5, 11},
                         Case{Radio::Mobile, 0, 0, 12}, Case{Radio::Mobile, 1, 11, 23}}) {
        OfferRules rules;
        rules.radio = c.radio;
        rules.oltaAllowed = true;
        const auto working = WorkingList(c.radio, c.list, true);
        const auto press = OfferedList(rules, working, c.press, Unassigned(c.radio));
        const auto hold = OfferedList(rules, working, c.hold, Unassigned(c.radio));
        EXPECT_EQ(c.press + HoldOffset(c.radio), c.hold);
        for (const int code : kPressOnly) {
            EXPECT_FALSE(Has(hold, code)) << code;
            EXPECT_EQ(Has(press, code), Has(working, code)) << code;
        }
        for (const int speed : {36, 37}) {
            EXPECT_FALSE(Has(press, speed));
            EXPECT_EQ(Has(hold, speed), Has(working, speed)) << speed;
        }
    }
    // Speed CH is a mobile full-display function only.
    OfferRules mobile;
    mobile.radio = Radio::Mobile;
    EXPECT_TRUE(
        Has(OfferedList(mobile, WorkingList(Radio::Mobile, 1, false), 12, Unassigned(Radio::Mobile)), 36));
}

TEST(KeyFunctionTables, ImageFlagsRemoveOltaScanAndBasicDisplayFunctions) {
    const auto full = WorkingList(Radio::Mobile, 1, false);
    const auto keys = Unassigned(Radio::Mobile);
    OfferRules rules;
    rules.radio = Radio::Mobile;
    EXPECT_FALSE(Has(OfferedList(rules, full, 6, keys), 83)) << "OLTA Login needs display type 2";
    EXPECT_TRUE(Has(OfferedList(rules, full, 6, keys), 48));
    EXPECT_TRUE(Has(OfferedList(rules, full, 6, keys), 9));
    rules.oltaAllowed = true;
    rules.scanBarred = true;
    rules.basicDisplay = true;
    const auto offered = OfferedList(rules, full, 6, keys);
    EXPECT_TRUE(Has(offered, 83));
    for (const int gone : {48, 51, 9, 73}) EXPECT_FALSE(Has(offered, gone)) << gone;
    EXPECT_TRUE(Has(offered, 49)) << "Group Scan stays";

    // A portable keeps SQL Set and Speed Dial whatever its display.
    OfferRules portable;
    portable.basicDisplay = true;
    const auto port =
        OfferedList(portable, WorkingList(Radio::Portable, 1, false), 0, Unassigned(Radio::Portable));
    EXPECT_TRUE(Has(port, 9));
    EXPECT_TRUE(Has(port, 73));
}

TEST(KeyFunctionTables, MicrophoneKeysAloneOfferEntryEditAndDtmfCodeSet) {
    OfferRules rules;
    rules.radio = Radio::Mobile;
    const auto full = WorkingList(Radio::Mobile, 1, false);
    for (int k = 0; k < kMobileKeys; ++k) {
        const auto offered = OfferedList(rules, full, k, Unassigned(Radio::Mobile));
        const bool mic = k % 12 >= 6;
        EXPECT_EQ(Has(offered, 46), mic) << k;  // Direct CH Entry
        EXPECT_EQ(Has(offered, 74), mic) << k;  // DTMF Code Set
        EXPECT_EQ(Has(offered, 42), true) << k;
    }
    // CH Edit is in no mobile list, so no key offers it.
    EXPECT_FALSE(Has(full, 47));
}

TEST(KeyFunctionTables, AFunctionSitsOnOneKeyPerGroup) {
    // Mobile: P1 (2) holds Monitor and MIC B (7) Low Power. Every other radio
    // key (Up 0, P2 3, the Up hold 12) loses Monitor but may take Low Power;
    // the microphone keys the other way round.
    OfferRules mobile;
    mobile.radio = Radio::Mobile;
    const auto full = WorkingList(Radio::Mobile, 1, false);
    auto keys = Unassigned(Radio::Mobile);
    keys[2] = 1;
    keys[7] = 4;
    struct Case {
        int key;
        bool monitor, lowPower;
    };
    for (const Case c :
         {Case{2, true, true}, Case{3, false, true}, Case{12, false, true}, Case{6, true, false},
          Case{18, true, false}, Case{7, true, true}, Case{23, true, false}, Case{0, false, true}}) {
        const auto offered = OfferedList(mobile, full, c.key, keys);
        EXPECT_EQ(Has(offered, 1), c.monitor) << c.key;
        EXPECT_EQ(Has(offered, 4), c.lowPower) << c.key;
        EXPECT_TRUE(Has(offered, kNone)) << "None sits on any number of keys";
    }

    // Portable: every key of the dialog is one group.
    OfferRules portable;
    const auto list = WorkingList(Radio::Portable, 0, false);
    std::vector<int> assigned = Unassigned(Radio::Portable);
    assigned[0] = 24;
    assigned[11] = 1;
    EXPECT_FALSE(Has(OfferedList(portable, list, 5, assigned), 24));
    EXPECT_TRUE(Has(OfferedList(portable, list, 0, assigned), 24)) << "a key keeps its own";
    EXPECT_FALSE(Has(OfferedList(portable, list, 6, assigned), 1));
    EXPECT_EQ(OfferedList(portable, list, 3, assigned).size(), 25u);
    // Unloaded assignments take nothing.
    EXPECT_EQ(OfferedList(portable, list, 3, std::vector<int>(12, kUnset)).size(), 27u);
}

TEST(KeyFunctionTables, RulesComeFromTheImage) {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();
    ItemMap::SetDisplayType(image, 2);
    ItemMap::SetOneGroupMode(image, 1);
    RadioFixture::SetFirmware(image, 0x01, 0x10, 0, 0);
    OfferRules rules = RulesFromImage(image, Radio::Mobile);
    EXPECT_TRUE(rules.oltaAllowed);
    EXPECT_TRUE(rules.scanBarred);
    EXPECT_FALSE(rules.basicDisplay);

    RadioFixture::SetFirmware(image, 0x01, 0x09, 0, 0);
    ItemMap::SetDisplayType(image, 5);
    rules = RulesFromImage(image, Radio::Mobile);
    EXPECT_FALSE(rules.oltaAllowed) << "OLTA needs display type 2 exactly";
    EXPECT_FALSE(rules.scanBarred);
    EXPECT_FALSE(rules.basicDisplay);

    ItemMap::SetDisplayType(image, 3);
    EXPECT_TRUE(RulesFromImage(image, Radio::Mobile).basicDisplay);
    EXPECT_FALSE(RulesFromImage(image, Radio::Portable).basicDisplay);
    RadioFixture::SetFirmware(image, 0x01, 0x10, 0, 0);
    ItemMap::SetOneGroupMode(image, 0);
    EXPECT_FALSE(RulesFromImage(image, Radio::Portable).scanBarred);
}
