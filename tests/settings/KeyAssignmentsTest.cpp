// What the key function dialogs load and write, without windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "ImageDiff.h"
#include "image/ItemsSystem.h"
#include "image/RadioFixture.h"
#include "image/TestHost.h"
#include "settings/KeyAssignments.h"

using namespace Settings::KeyFunctions;
using SettingsTest::Changes;
using SettingsTest::Diff;

namespace {

constexpr std::size_t kSlot0 = CloneImage::BlockOffset(8, 0x140);

struct KeyModel : ::testing::Test {
    TestHost host;
    CloneImage image = SettingsTest::DefaultImage();  // portable, 13seg display, 4 key keypad

    void SetSlot(int slot, std::uint8_t code) { image[SlotOffset(slot)] = code; }
    CloneImage OpenAndSave(KeyAssignments& keys) {
        CloneImage working = image;
        keys.Load(working);
        keys.Save(working);
        return working;
    }
};

bool Has(const std::vector<int>& codes, int code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

TEST_F(KeyModel, PortableOkWithoutEditsChangesNothing) {
    for (int slot = 0; slot < 16; ++slot) SetSlot(slot, 0);
    SetSlot(0, 1);
    SetSlot(8, 4);
    SetSlot(4, 12);
    KeyAssignments keys(Radio::Portable);
    EXPECT_EQ(Diff(image, OpenAndSave(keys)), Changes{});
    EXPECT_EQ(keys.Value(0), 1);
    EXPECT_EQ(keys.Value(6), 4);
    EXPECT_EQ(keys.Value(2), 12);
}

TEST_F(KeyModel, PressOnlyFunctionClearsAndDisablesTheHold) {
    SetSlot(0, 1);
    SetSlot(8, 4);
    KeyAssignments keys(Radio::Portable);
    CloneImage working = image;
    keys.Load(working);
    EXPECT_TRUE(keys.Enabled(6));
    keys.Choose(0, 24);  // Emergency
    EXPECT_EQ(keys.Value(6), kNone);
    EXPECT_FALSE(keys.Enabled(6));
    keys.Choose(6, 4);
    EXPECT_EQ(keys.Value(6), kNone) << "a disabled key takes nothing";
    keys.Save(working);
    EXPECT_EQ(Diff(image, working), (Changes{{kSlot0, 24}, {kSlot0 + 8, 0}}));

    keys.Choose(0, 1);  // Monitor: the hold comes back, still None
    EXPECT_TRUE(keys.Enabled(6));
    EXPECT_EQ(keys.Value(6), kNone);
}

TEST(KeyDefaults, EveryDefaultFileOpensItsKeysUnchanged) {
    TestHost host;
    for (const char* name : {"default610v.PDX", "default610ua.PDX", "default610ud.PDX", "default640v.PDX",
                             "default640ua.PDX", "default640ud.PDX"}) {
        const CloneImage image = SettingsTest::DefaultImage(name);
        CloneImage working = image;
        KeyAssignments keys(Radio::Portable);
        keys.Load(working);
        keys.Save(working);
        EXPECT_EQ(Diff(image, working), Changes{}) << name;
        EXPECT_EQ(keys.Value(0), 1) << name;
        EXPECT_EQ(keys.Value(1), 4) << name;
    }
}

TEST_F(KeyModel, StoredCodesTheKeyCannotHoldOpenAsNone) {
    struct Case {
        int slot, key;
        std::uint8_t stored;
        int loaded;
    };
    // Slot 9 is Side-2's hold; slot 1 Side-2's press.
    const Case cases[] = {
        {1, 1, 23, 0},  // reserved code
        {1, 1, 36, 0},  // Speed CH Up is in no portable list
        {9, 7, 24, 0},  // Emergency on a hold
        {1, 1, 3, 3},   // Lamp: list 1 holds it
        {1, 1, 102, 102},
    };
    for (const Case& c : cases) {
        CloneImage copy = image;
        copy[SlotOffset(c.slot)] = c.stored;
        KeyAssignments keys(Radio::Portable);
        keys.Load(copy);
        EXPECT_EQ(keys.Value(c.key), c.loaded) << int(c.stored);
        keys.Save(copy);
        EXPECT_EQ(copy[SlotOffset(c.slot)], c.loaded) << int(c.stored);
    }
}

TEST_F(KeyModel, KeypadNoneWritesZeroIntoTheKeypadSlots) {
    ItemMap::SetKeypadType(image, 0);
    for (int slot = 0; slot < 16; ++slot) SetSlot(slot, 1 + slot % 2 * 3);  // Monitor / Low Power
    KeyAssignments keys(Radio::Portable);
    const CloneImage saved = OpenAndSave(keys);
    Changes expected;
    for (const int slot : {4, 5, 6, 7, 12, 13, 14, 15}) expected[SlotOffset(slot)] = 0;
    // Keys holding one function twice keep it until focused.
    EXPECT_EQ(Diff(image, saved), expected);
    EXPECT_FALSE(keys.Shown(2));
    EXPECT_TRUE(keys.Shown(1));

    // Side-1 and its hold both hold Monitor, Side-2 and its hold Low Power.
    keys.Focus(1);
    EXPECT_EQ(keys.Value(1), kNone) << "the first focused loses it";
    keys.Focus(7);
    EXPECT_EQ(keys.Value(7), 4) << "the other keeps it";
}

TEST_F(KeyModel, ScanBarredOnNewFirmwareInOneGroupMode) {
    SetSlot(0, 48);
    SetSlot(1, 51);
    ItemMap::SetOneGroupMode(image, 1);
    RadioFixture::SetFirmware(image, 0x01, 0x10, 0, 0);
    KeyAssignments keys(Radio::Portable);
    const CloneImage saved = OpenAndSave(keys);
    EXPECT_EQ(saved[SlotOffset(0)], 0);
    EXPECT_EQ(saved[SlotOffset(1)], 0);
    EXPECT_FALSE(Has(keys.Offered(2), 48));

    RadioFixture::SetFirmware(image, 0x01, 0x09, 0, 0);
    KeyAssignments older(Radio::Portable);
    EXPECT_EQ(OpenAndSave(older)[SlotOffset(0)], 48);
}

TEST_F(KeyModel, MobileKeysAndKeypadClearing) {
    ItemMap::SetProductType(image, 0);
    ItemMap::SetDisplayType(image, 2);
    ItemMap::SetKeypadType(image, 1);
    for (int slot = 0; slot < 64; ++slot) SetSlot(slot, 0);
    for (const int slot : {14, 15, 30, 31, 26}) SetSlot(slot, 5);
    SetSlot(34, 1);   // P1 press: Monitor
    SetSlot(42, 1);   // MIC A press: Monitor too, another group
    SetSlot(46, 46);  // MIC * press: Direct CH Entry
    SetSlot(36, 46);  // P3 press: Direct CH Entry is a microphone function
    KeyAssignments keys(Radio::Mobile);
    const CloneImage saved = OpenAndSave(keys);
    EXPECT_EQ(Diff(image, saved), (Changes{{SlotOffset(14), 0},
                                           {SlotOffset(15), 0},
                                           {SlotOffset(30), 0},
                                           {SlotOffset(31), 0},
                                           {SlotOffset(36), 0}}));
    EXPECT_EQ(keys.Value(2), 1);
    EXPECT_EQ(keys.Value(6), 1);
    EXPECT_EQ(keys.Value(10), 46);
    EXPECT_TRUE(Has(keys.Offered(7), 46) == false) << "MIC * holds it";
    EXPECT_FALSE(Has(keys.Offered(3), 46));
    EXPECT_FALSE(Has(keys.Offered(3), 1)) << "P1 holds Monitor";
    EXPECT_TRUE(Has(keys.Offered(19), 36)) << "Speed CH Up on a hold";

    // Firmware 1.8.0.0 has no CH Announce; 1.8.0.1 has.
    RadioFixture::SetFirmware(image, 0x01, 0x08, 0, 0);
    KeyAssignments old(Radio::Mobile);
    OpenAndSave(old);
    EXPECT_FALSE(Has(old.Offered(0), 21));
    RadioFixture::SetFirmware(image, 0x01, 0x08, 0, 1);
    KeyAssignments later(Radio::Mobile);
    OpenAndSave(later);
    EXPECT_TRUE(Has(later.Offered(0), 21));
    EXPECT_TRUE(Has(later.Offered(0), 22));
}
