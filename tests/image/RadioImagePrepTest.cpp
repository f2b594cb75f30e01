#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <vector>

#include "TestHost.h"
#include "image/ChannelOps.h"
#include "image/Frequency.h"
#include "image/ItemAccessors.h"
#include "image/ItemsChannel.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"
#include "image/RadioImagePrep.h"
#include "image/RegionCopy.h"

namespace {

constexpr std::uint32_t kZT610 = 0x35, kZT640 = 0x36, kUnknownModel = 0x37;

// ---- constructed images -------------------------------------------------------------

// Distinct byte patterns: a user byte never equals the radio byte at the same place.
std::uint8_t UserPattern(std::size_t i) {
    return static_cast<std::uint8_t>(i * 13 + 5);
}
std::uint8_t RadioPattern(std::size_t i) {
    return static_cast<std::uint8_t>(i * 29 + 77);
}

struct Hardware {
    std::uint32_t xtalKHz = 12800;
    std::uint32_t ifKHz = 45100;
    std::uint32_t localOffset = 1;
    std::uint32_t divider = 128;  // 100 kHz step
};

void SetIdentity(CloneImage& image, std::uint32_t typeCode, std::uint32_t versionMinorBcd = 0x90) {
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[2], image, typeCode);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[0], image, 0x01);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[1], image, versionMinorBcd);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[4], image, 0x00);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[5], image, 0x00);
    // The variant rows of the two models: v band, keypad and display by model.
    const bool zt640 = typeCode == kZT640;
    ItemMap::SetProductType(image, 2);
    ItemMap::SetSingle(ItemMap::HardwareItems[2], image, 0);
    ItemMap::SetBandType(image, 3);
    ItemMap::SetFrequencyType(image, 2);
    ItemMap::SetKeypadType(image, zt640 ? 1 : 0);
    ItemMap::SetDisplayType(image, zt640 ? 2 : 0);
    ItemMap::SetMaxCh(image, 16);
    ItemMap::SetMaxGroup(image, 8);
}

void SetHardware(CloneImage& image, const Hardware& hw) {
    ItemMap::SetReferenceXtalFrequency(image, hw.xtalKHz);
    ItemMap::SetFirstIfFrequency(image, hw.ifKHz);
    ItemMap::SetLocalOffset(image, hw.localOffset);
    for (int k = 0; k < 8; ++k) ItemMap::SetSingle(ItemMap::HardwareItems[86 + k], image, hw.divider);
}

double ChannelRxMHz(int c) {
    return 400.0125 + 0.0375 * c;
}
double ChannelTxMHz(int c) {
    return ChannelRxMHz(c) + 5.0;
}

// The document's image: every byte set, every channel on a real frequency.
CloneImage MakeUser(std::uint32_t typeCode = kZT610, const Hardware& hw = {}) {
    CloneImage image;
    for (std::size_t i = 0; i < CloneImage::Size; ++i) image[i] = UserPattern(i);
    SetIdentity(image, typeCode);
    SetHardware(image, hw);
    const PllReference reference = CalcPLLFrequency::ReadReference(image);
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        ItemMap::SetChannelRxPllRefType(image, c, 0);
        ItemMap::SetChannelTxPllRefType(image, c, 0);
        EXPECT_TRUE(
            CalcPLLFrequency::UpdateChannelFrequency(image, DirectionTx, c, reference, ChannelTxMHz(c)));
        EXPECT_TRUE(
            CalcPLLFrequency::UpdateChannelFrequency(image, DirectionRx, c, reference, ChannelRxMHz(c)));
    }
    ItemMap::SetText4000(image, "POWERON1");
    return image;
}

// What the radio holds: its own calibration, clocks, serial and production values.
CloneImage MakeRadioMemory(std::uint32_t typeCode = kZT610, const Hardware& hw = {}) {
    CloneImage image;
    for (std::size_t i = 0; i < CloneImage::Size; ++i) image[i] = RadioPattern(i);
    SetIdentity(image, typeCode);
    SetHardware(image, hw);
    return image;
}

// The image to send as the write operation hands it over: the user's image
// with the radio's EEPROM and flash pages 8-15 read into it.
CloneImage ReadBack(const CloneImage& user, const CloneImage& radioMemory) {
    CloneImage image = user;
    std::copy(radioMemory.data(), radioMemory.data() + CloneImage::HeaderSize, image.data());
    std::copy(radioMemory.data() + CloneImage::BlockOffset(8),
              radioMemory.data() + CloneImage::BlockOffset(16), image.data() + CloneImage::BlockOffset(8));
    return image;
}

struct Prepared {
    CloneImage user, radioMemory, result;
};

Prepared Prepare(const CloneImage& user, const CloneImage& radioMemory) {
    Prepared p{user, radioMemory, ReadBack(user, radioMemory)};
    CloneImageOps::PrepareForWriting(p.result, p.user);
    return p;
}

std::set<std::size_t> ChangedBytes(const CloneImage& a, const CloneImage& b, std::size_t first = 0,
                                   std::size_t end = CloneImage::Size) {
    std::set<std::size_t> changed;
    for (std::size_t i = first; i < end; ++i)
        if (a[i] != b[i]) changed.insert(i);
    return changed;
}

std::set<std::size_t> Range(std::size_t first, std::size_t end) {
    std::set<std::size_t> s;
    for (std::size_t i = first; i < end; ++i) s.insert(i);
    return s;
}

class PrepTest : public ::testing::Test {
  protected:
    void SetUp() override {
        host.programFolder = programDir.path();
        host.now = TestHost::MakeTime(2024, 3, 7, 10, 0);
        host.version[0] = 1;
        host.version[1] = 23;
        host.version[2] = 4;
        CloneImageOps::ClearMdc1200OverWriteFlags();
    }
    void TearDown() override { CloneImageOps::ClearMdc1200OverWriteFlags(); }

    TestHost host;
    TempDir programDir;
};

// ---- what the result holds, by service mode ------------------------------------------

enum class From { User, Radio };

struct Area {
    const char* name;
    std::size_t first, end;
    From mode[3];  // service modes 0, 1, 2
};

constexpr From U = From::User, R = From::Radio;

// clang-format off
constexpr Area kAreas[] = {
    {"ChannelRecords",          0x0400, 0x2400, {U, U, U}},
    {"HeaderVersionAndType",    0x0000, 0x0003, {R, R, R}},
    {"Header0AAnd0B",           0x000A, 0x000C, {R, U, U}},
    {"HeaderSerialNumber",      0x000E, 0x0012, {R, R, R}},
    {"Header1CTo20",            0x001C, 0x0021, {R, R, U}},
    {"HeaderWords24And26",      0x0024, 0x0028, {R, R, U}},
    {"HeaderAlignment",         0x0030, 0x0053, {R, R, R}},
    {"HeaderAlignmentTable",    0x0240, 0x0340, {R, R, R}},
    {"HardwareDescription",     0x2408, 0x24E8, {R, R, U}},
    {"RadioInformation",        0x24E8, 0x24FB, {R, R, U}},
    {"SerialWord",              0x250C, 0x250E, {R, U, R}},
    {"SerialNumberParts",       0x250E, 0x2518, {R, R, R}},
    {"ProductionBlock2506",     0x2506, 0x250C, {R, R, U}},
    {"SettingsBlock8",          0x2540, 0x25B0, {U, U, U}},
    {"Block8Texts",             0x2600, 0x2800, {R, R, R}},
    {"Dtmf",                    0x2800, 0x2880, {U, U, U}},
    {"Mdc1200Calls",            0x2980, 0x2AB0, {U, U, U}},
    {"Block9Tail",              0x2AB0, 0x2C00, {R, R, R}},
    {"Tone2Table",              0x2C00, 0x2C70, {U, U, U}},
    {"Tone2ReferenceClock",     0x2C70, 0x2C7A, {R, R, U}},
    {"Tone2ReferenceArea",      0x2C7A, 0x2C80, {R, R, R}},
    {"Tone2Settings",           0x2C80, 0x2EA0, {U, U, U}},
    {"Block10Tail",             0x2EA0, 0x3000, {R, R, R}},
    {"Tone5Reference",          0x3000, 0x300A, {R, R, U}},
    {"Tone5ReferenceArea",      0x300A, 0x3040, {R, R, R}},
    {"Tone5Tables",             0x3040, 0x3800, {U, U, U}},
    {"Tone5Codes",              0x3800, 0x3B40, {U, U, U}},
    {"Block13Tail",             0x3B40, 0x3C00, {R, R, R}},
    {"ScanSettings",            0x3C80, 0x3D80, {U, U, U}},
    {"FlashAlignment",          0x3E80, 0x4000, {R, R, R}},
    {"PowerOnTag",              0x4000, 0x4008, {U, U, U}},
    {"Block15Bookkeeping",      0x4008, 0x4100, {R, R, U}},
    {"Block15Region45",         0x4100, 0x4280, {R, R, U}},
    {"FlashAlignmentCopyTuning",0x4280, 0x4400, {R, R, R}},
    {"Trailer",                 0x4400, 0x4500, {U, U, U}},
};
// clang-format on

struct ModeCase {
    int mode;
    std::uint32_t typeCode;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
    *os << (c.typeCode == kZT610 ? "ZT-610" : "ZT-640") << " service mode " << c.mode;
}

class ServiceModeTest : public PrepTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ServiceModeTest, EachAreaComesFromTheUserOrStaysTheRadios) {
    const ModeCase c = GetParam();
    host.serviceMode = c.mode;
    const Prepared p = Prepare(MakeUser(c.typeCode), MakeRadioMemory(c.typeCode));
    for (const Area& a : kAreas) {
        const CloneImage& source = a.mode[c.mode] == From::User ? p.user : p.radioMemory;
        EXPECT_EQ(ChangedBytes(p.result, source, a.first, a.end), std::set<std::size_t>{})
            << a.name << " should be the " << (a.mode[c.mode] == From::User ? "user's" : "radio's");
    }
}

TEST_P(ServiceModeTest, HeaderSwitchesTakeAFixedStateAndTheUsersOwnBits) {
    const ModeCase c = GetParam();
    host.serviceMode = c.mode;
    const Prepared p = Prepare(MakeUser(c.typeCode), MakeRadioMemory(c.typeCode));
    const CloneImage& r = p.result;
    // Variant byte: cleared in normal mode, the user's in the manufacture mode.
    const std::uint8_t variant[3] = {0x00, p.radioMemory[0x03], p.user[0x03]};
    EXPECT_EQ(r[0x03], variant[c.mode]);
    EXPECT_EQ(r[0xB0], 0x77 | (p.user[0xB0] & 0x88));
    EXPECT_EQ(r[0xB1], 0xFB);
    EXPECT_EQ(r[0xB8], 0xFF);
    EXPECT_EQ(r[0xB9], 0xFF);
    for (std::size_t i = 0xBA; i <= 0xBF; ++i) EXPECT_EQ(r[i], 0x00) << i;
    const std::uint8_t b5From = c.mode == 2 ? p.user[0xB5] : p.radioMemory[0xB5];
    EXPECT_EQ(r[0xB5], (b5From & 0xC0) | (p.radioMemory[0xB5] & 0x3F));
    const std::uint8_t from23 = c.mode == 2 ? p.user[0x23] : p.radioMemory[0x23];
    EXPECT_EQ(r[0x23], (from23 & 0x09) | (p.radioMemory[0x23] & 0xF6));
}

INSTANTIATE_TEST_SUITE_P(Modes, ServiceModeTest,
                         ::testing::Values(ModeCase{0, kZT610}, ModeCase{1, kZT610}, ModeCase{2, kZT610},
                                           ModeCase{0, kZT640}, ModeCase{1, kZT640}, ModeCase{2, kZT640}),
                         [](const auto& info) {
                             return std::string(info.param.typeCode == kZT610 ? "ZT610" : "ZT640") + "Mode" +
                                    std::to_string(info.param.mode);
                         });

// Inside the regions that are always carried over, only the bytes the
// preparation derives may differ from the user's.
TEST_F(PrepTest, CarriedRegionsDifferFromTheUsersOnlyWhereThePreparationWrites) {
    const Prepared p = Prepare(MakeUser(kZT640), MakeRadioMemory(kZT640));
    std::set<std::size_t> allowed = Range(0x3C00, 0x3C80);  // group member table
    allowed.insert(0x3D90);                                 // group valid bitmap
    for (std::size_t i : {0x252C, 0x252D, 0x252E, 0x25BA})
        allowed.insert(i);  // mic gains, emergency mic level
    for (std::size_t i : {0x2880, 0x2881, 0x2890, 0x2891}) allowed.insert(i);  // MDC1200 primary ids
    for (int region : {9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 25,
                       26, 27, 28, 29, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}) {
        ItemMap::RegionRange range{};
        ASSERT_TRUE(ItemMap::FindRegion(region, range));
        const std::size_t first = CloneImage::BlockOffset(range.block, range.first);
        const std::size_t end = CloneImage::BlockOffset(range.block, range.end);
        for (std::size_t pos : ChangedBytes(p.result, p.user, first, end))
            EXPECT_TRUE(allowed.count(pos)) << "region " << region << " byte 0x" << std::hex << pos;
    }
}

TEST_F(PrepTest, MergeAloneChangesOnlyTheCarriedRegionsAndItems) {
    const CloneImage user = MakeUser(kZT610);
    const CloneImage before = ReadBack(user, MakeRadioMemory(kZT610));
    CloneImage radio = before;
    CloneImageOps::MergeIntoRadioImage(radio, user);

    std::set<std::size_t> allowed = {0x03, 0xB0, 0xB1, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF};
    for (int region : {9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 25,
                       26, 27, 28, 29, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}) {
        ItemMap::RegionRange range{};
        ASSERT_TRUE(ItemMap::FindRegion(region, range));
        for (std::uint32_t o = range.first; o < range.end; ++o)
            allowed.insert(CloneImage::BlockOffset(range.block, o));
    }
    for (std::size_t i = 0x4000; i < 0x4008; ++i) allowed.insert(i);  // power-on tag
    for (std::size_t pos : ChangedBytes(before, radio))
        EXPECT_TRUE(allowed.count(pos)) << "byte 0x" << std::hex << pos;
    EXPECT_EQ(ChangedBytes(before, radio, CloneImage::BlockOffset(0), CloneImage::BlockOffset(8)),
              std::set<std::size_t>{});
}

// ---- date and version stamps ----------------------------------------------------------------

struct StampCase {
    const char* name;
    int serviceMode;
    int appMode;
    int version[2];
    bool dateStamped;           // 0x28-0x2A and 0x2500-0x2502 hold today
    std::uint8_t major, minor;  // expected version bytes; 0 with copyAll
    bool copyAll;               // the unattended run copies the user's stamps
};

void PrintTo(const StampCase& c, std::ostream* os) {
    *os << c.name;
}

class StampTest : public PrepTest, public ::testing::WithParamInterface<StampCase> {};

TEST_P(StampTest, StampBytesHoldTheInjectedDateAndVersion) {
    const StampCase& c = GetParam();
    host.serviceMode = c.serviceMode;
    host.appMode = c.appMode;
    host.version[0] = c.version[0];
    host.version[1] = c.version[1];
    const Prepared p = Prepare(MakeUser(), MakeRadioMemory());
    const CloneImage& r = p.result;
    if (c.copyAll) {
        for (std::size_t i = 0x28; i <= 0x2D; ++i) EXPECT_EQ(r[i], p.user[i]) << i;
        for (std::size_t i = 0x2500; i <= 0x2505; ++i) EXPECT_EQ(r[i], p.user[i]) << i;
        return;
    }
    for (std::size_t base : {std::size_t{0x28}, std::size_t{0x2500}}) {
        if (c.dateStamped) {
            EXPECT_EQ(r[base], 0x24);
            EXPECT_EQ(r[base + 1], 0x03);
            EXPECT_EQ(r[base + 2], 0x07);
        }
        EXPECT_EQ(r[base + 3], c.major);
        EXPECT_EQ(r[base + 4], c.minor);
    }
    if (!c.dateStamped) {
        // Engineer mode: the header keeps the radio's date; block 8 takes the user's.
        for (std::size_t i = 0x28; i <= 0x2A; ++i) EXPECT_EQ(r[i], p.radioMemory[i]) << i;
        for (std::size_t i = 0x2500; i <= 0x2502; ++i) EXPECT_EQ(r[i], p.user[i]) << i;
        EXPECT_EQ(r[0x2D], p.radioMemory[0x2D]);
    } else {
        EXPECT_EQ(r[0x2D], p.user[0x2D]);
    }
    EXPECT_EQ(r[0x2505], p.user[0x2505]);
}

INSTANTIATE_TEST_SUITE_P(Modes, StampTest,
                         ::testing::Values(StampCase{"Normal", 0, 0, {1, 23}, true, 0x01, 0x23, false},
                                           StampCase{"Engineer", 1, 0, {1, 23}, false, 0x01, 0x23, false},
                                           StampCase{"Manufacture", 2, 0, {1, 23}, true, 0x01, 0x23, false},
                                           StampCase{
                                               "VersionAbove99", 0, 0, {123, 7}, true, 0x23, 0x07, false},
                                           StampCase{"Unattended", 0, 4, {1, 23}, false, 0, 0, true}),
                         [](const auto& info) { return info.param.name; });

// ---- group member tables ----------------------------------------------------------------------

struct GroupCase {
    const char* name;
    std::uint32_t typeCode;
    std::uint32_t displayType;
    int groups;
};

void PrintTo(const GroupCase& c, std::ostream* os) {
    *os << c.name;
}

class GroupTableTest : public PrepTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(GroupTableTest, SlotKOfGroupGIsChannel16GPlusK) {
    const GroupCase& c = GetParam();
    CloneImage radioMemory = MakeRadioMemory(c.typeCode);
    ItemMap::SetDisplayType(radioMemory, c.displayType);
    const Prepared p = Prepare(MakeUser(c.typeCode), radioMemory);
    EXPECT_EQ(CloneImageOps::GroupTableCount(p.result), c.groups);
    for (int g = 0; g < 8; ++g) {
        for (int k = 0; k < 16; ++k) {
            const std::size_t pos = 0x3C00 + 16 * g + k;
            if (g < c.groups)
                EXPECT_EQ(p.result[pos], 16 * g + k) << "group " << g << " slot " << k;
            else
                EXPECT_EQ(p.result[pos], p.user[pos]) << "group " << g << " slot " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Models, GroupTableTest,
                         ::testing::Values(GroupCase{"ZT610", kZT610, 0, 1}, GroupCase{"ZT640", kZT640, 2, 8},
                                           GroupCase{"UnknownWithDisplay", kUnknownModel, 2, 8},
                                           GroupCase{"UnknownWithoutDisplay", kUnknownModel, 0, 1}),
                         [](const auto& info) { return info.param.name; });

// ---- derived header tables and resets --------------------------------------------------------

TEST_F(PrepTest, DerivedHeaderTablesFollowTheUsersSettings) {
    CloneImage radioMemory = MakeRadioMemory();
    ItemMap::SetMaxCh(radioMemory, 2);
    const Prepared p = Prepare(MakeUser(), radioMemory);
    const CloneImage& r = p.result;
    EXPECT_EQ(r[0xC0], 0x00);
    EXPECT_EQ(r[0xC1], 0x00);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(r[0xC8 + i], p.user[0x2D20 + 16 * i] & 0x0F) << "2-tone system " << i;
    for (int i = 0; i < 32; ++i) EXPECT_EQ(r[0xD0 + i], p.user[0x3605 + 16 * i]) << "5-tone system " << i;
    for (int i = 0; i < 32; ++i) {
        const std::size_t h = 0x103 + 8 * i, s = 0x3940 + 16 * i;
        EXPECT_EQ(r[h] & 0xF0, p.user[s] & 0xF0) << "code " << i;
        EXPECT_EQ(r[h] & 0x0F, p.radioMemory[h] & 0x0F) << "code " << i;
        for (int b = 1; b <= 4; ++b) EXPECT_EQ(r[h + b], p.user[s + b]) << "code " << i << " byte " << b;
    }
    for (std::size_t i = 0x200; i < 0x208; ++i) EXPECT_EQ(r[i], 0x00) << i;
    EXPECT_EQ(ItemMap::GetEmergencyMicLevel(r), 1u);
    // Capacity 2 x 8 channels: channels 16-127 become empty, 0-15 keep their bits.
    for (int c = 16; c < 128; ++c) EXPECT_EQ(ItemMap::ReadBit(r, c), 1) << c;
    EXPECT_EQ(r[0x3D80], p.user[0x3D80]);
    EXPECT_EQ(r[0x3D81], p.user[0x3D81]);
}

// ---- microphone gains -----------------------------------------------------------------------

struct GainCase {
    const char* name;
    std::uint32_t radioType, userType;
    std::uint32_t userGain, userAlign, radioAlign;
    std::uint32_t expected;
};

void PrintTo(const GainCase& c, std::ostream* os) {
    *os << c.name;
}

class MicGainTest : public PrepTest, public ::testing::WithParamInterface<GainCase> {};

TEST_P(MicGainTest, GainsFollowTheRadiosAlignment) {
    const GainCase& c = GetParam();
    CloneImage user = MakeUser(c.userType);
    CloneImage radioMemory = MakeRadioMemory(c.radioType);
    for (auto set : {ItemMap::SetInternalMicGain, ItemMap::SetExtMicGain, ItemMap::SetExtMicGain2})
        set(user, c.userGain);
    for (auto set :
         {ItemMap::SetAlignIntMicGain, ItemMap::SetAlignExtMicGain, ItemMap::SetAlignExtMicGain2}) {
        set(user, c.userAlign);
        set(radioMemory, c.radioAlign);
    }
    const Prepared p = Prepare(user, radioMemory);
    EXPECT_EQ(ItemMap::GetInternalMicGain(p.result), c.expected);
    EXPECT_EQ(ItemMap::GetExtMicGain(p.result), c.expected);
    EXPECT_EQ(ItemMap::GetExtMicGain2(p.result), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MicGainTest,
    ::testing::Values(GainCase{"RaisedByTheDifference", kZT610, kZT610, 10, 12, 15, 13},
                      GainCase{"NegativeStoredAsZero", kZT610, kZT610, 10, 12, 0, 0},
                      GainCase{"LayoutACapsAt31", kZT610, kZT610, 40, 5, 5, 31},
                      GainCase{"LayoutBCapsAt255", kZT640, kZT640, 250, 0, 20, 255},
                      // The user's alignment is read whole (layout B), the radio's in 5 bits.
                      GainCase{"EachImageInItsOwnLayout", kZT610, kZT640, 50, 40, 15, 25}),
    [](const auto& info) { return info.param.name; });

// ---- synthesiser words ------------------------------------------------------------------------

TEST_F(PrepTest, EqualSynthesiserParametersLeaveTheChannelWordsAlone) {
    const Prepared p = Prepare(MakeUser(), MakeRadioMemory());
    EXPECT_EQ(ChangedBytes(p.result, p.user, CloneImage::BlockOffset(0), CloneImage::BlockOffset(8)),
              std::set<std::size_t>{});
}

struct SynthCase {
    const char* name;
    Hardware radio;
};

void PrintTo(const SynthCase& c, std::ostream* os) {
    *os << c.name;
}

class SynthTest : public PrepTest, public ::testing::WithParamInterface<SynthCase> {};

TEST_P(SynthTest, DifferentParametersReencodeTheWordsForTheSameFrequencies) {
    const Prepared p = Prepare(MakeUser(), MakeRadioMemory(kZT610, GetParam().radio));
    std::set<std::size_t> changedOffsets;
    for (std::size_t pos :
         ChangedBytes(p.result, p.user, CloneImage::BlockOffset(0), CloneImage::BlockOffset(8)))
        changedOffsets.insert((pos - CloneImage::BlockOffset(0)) % 64);
    EXPECT_FALSE(changedOffsets.empty());
    for (std::size_t offset : changedOffsets)  // flags byte and the four synthesiser words only
        EXPECT_TRUE(offset == 0 || (offset >= 0x14 && offset <= 0x1F))
            << "record byte 0x" << std::hex << offset;
    for (int c = 0; c < ItemMap::ChannelCount; ++c) {
        EXPECT_NEAR(CalcPLLFrequency::TxFrequency(p.result, c), ChannelTxMHz(c), 100e-6) << c;
        EXPECT_NEAR(CalcPLLFrequency::RxFrequency(p.result, c), ChannelRxMHz(c), 100e-6) << c;
    }
}

INSTANTIATE_TEST_SUITE_P(Parameters, SynthTest,
                         ::testing::Values(SynthCase{"Divider", {12800, 45100, 1, 64}},
                                           SynthCase{"ReferenceCrystal", {19200, 45100, 1, 128}},
                                           SynthCase{"FirstIf", {12800, 21400, 1, 128}},
                                           SynthCase{"LocalOffset", {12800, 45100, 0, 128}}),
                         [](const auto& info) { return info.param.name; });

// ---- MDC1200 primary ids and defaults ---------------------------------------------------------

struct IdCase {
    const char* name;
    std::uint32_t userVersionMinor;
    int overwriteFlag0;
    bool keepRadioId0, keepRadioId1;
};

void PrintTo(const IdCase& c, std::ostream* os) {
    *os << c.name;
}

class Mdc1200IdTest : public PrepTest, public ::testing::WithParamInterface<IdCase> {};

TEST_P(Mdc1200IdTest, RadioKeepsItsPrimaryIdsUnlessOverwritten) {
    const IdCase& c = GetParam();
    CloneImage user = MakeUser(kZT640);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[1], user, c.userVersionMinor);
    CloneImageOps::Mdc1200OverWriteFlags()[0] = c.overwriteFlag0;
    const Prepared p = Prepare(user, MakeRadioMemory(kZT640));
    const auto id = [](const CloneImage& image, int s) { return ItemMap::GetMdc1200PrimaryId(image, s); };
    EXPECT_EQ(id(p.result, 0), id(c.keepRadioId0 ? p.radioMemory : p.user, 0));
    EXPECT_EQ(id(p.result, 1), id(c.keepRadioId1 ? p.radioMemory : p.user, 1));
    EXPECT_NE(id(p.user, 0), id(p.radioMemory, 0));
}

INSTANTIATE_TEST_SUITE_P(Cases, Mdc1200IdTest,
                         ::testing::Values(IdCase{"Firmware190KeepsBoth", 0x90, 0, true, true},
                                           IdCase{"OverwriteFlagTakesTheUsers", 0x90, 1, false, true},
                                           IdCase{"OlderFirmwareTakesTheUsers", 0x89, 0, false, false}),
                         [](const auto& info) { return info.param.name; });

class Mdc1200DefaultsTest : public PrepTest {
  protected:
    // The default file of the ZT-640 v variant, with recognisable MDC1200 values.
    CloneImage WriteDefaults() {
        CloneImage defaults;
        defaults.Fill(0x00);
        for (int s = 0; s < 2; ++s) {
            ItemMap::SetRecord(ItemMap::Mdc1200SystemItems[0], defaults, s, 16, 0x4242);
            for (std::size_t i = 2; i < 16; ++i)
                defaults[0x2880 + 16 * s + i] = static_cast<std::uint8_t>(0x60 + i);
        }
        for (std::size_t i = 0; i < 6; ++i) defaults[0x28B0 + i] = static_cast<std::uint8_t>(0x10 + i);
        for (std::size_t i = 0; i < 16 * 16; ++i) defaults[0x2980 + i] = static_cast<std::uint8_t>(i);
        for (std::size_t i = 0x2A80; i < 0x2AB0; ++i) defaults[i] = 0xA5;
        std::ofstream out(programDir.path() / "default640v.PDX", std::ios::binary);
        out.write(reinterpret_cast<const char*>(defaults.data()), CloneImage::Size);
        return defaults;
    }
    // A ZT-640 radio whose call-key area will hold nothing after the merge.
    Prepared PrepareWithEmptyCallKeys(std::uint8_t userKeyByte = 0xFF) {
        CloneImage user = MakeUser(kZT640);
        user[0x28B0] = userKeyByte;
        return Prepare(user, MakeRadioMemory(kZT640));
    }
};

TEST_F(Mdc1200DefaultsTest, RadioWithoutCallKeysTakesTheVariantsDefaults) {
    const CloneImage defaults = WriteDefaults();
    const Prepared p = PrepareWithEmptyCallKeys();
    const CloneImage& r = p.result;
    for (int s = 0; s < 2; ++s) {
        EXPECT_EQ(ItemMap::GetMdc1200PrimaryId(r, s), ItemMap::GetMdc1200PrimaryId(p.radioMemory, s));
        // Bits of the record that the default items cover (not the primary id,
        // the two tone bits of +5, the bytes +6, +7 and +0x0C and bit 3 of +0x0E).
        constexpr std::uint8_t kDefaultMask[16] = {0x00, 0x00, 0x8F, 0xFF, 0xFF, 0xF9, 0x00, 0x00,
                                                   0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0xF7, 0xFF};
        for (std::size_t i = 0; i < 16; ++i) {
            const std::size_t pos = 0x2880 + 16 * s + i;
            if (i < 2) continue;
            EXPECT_EQ(r[pos], (defaults[pos] & kDefaultMask[i]) | (p.user[pos] & ~kDefaultMask[i] & 0xFF))
                << "system " << s << " byte " << i;
        }
    }
    for (std::size_t i = 0x28B0; i < 0x28B6; ++i) EXPECT_EQ(r[i], defaults[i]) << i;
    for (std::size_t i = 0x2980; i < 0x2A80; ++i) {
        const std::size_t offset = (i - 0x2980) % 16;
        const CloneImage& from = (offset >= 2 && offset < 8 && offset != 2) ? p.user : defaults;
        EXPECT_EQ(r[i], from[i]) << std::hex << i;
    }
    EXPECT_EQ(r[0x2A81] & 0x01, defaults[0x2A81] & 0x01);
    EXPECT_EQ(r[0x2A81] & 0xFE, p.user[0x2A81] & 0xFE);
    EXPECT_EQ(r[0x2A85], defaults[0x2A85]);
    EXPECT_EQ(r[0x2A87] & 0xF0, defaults[0x2A87] & 0xF0);
    for (int n = 0; n < 10; ++n) {
        EXPECT_EQ(r[0x2A90 + 2 * n] & 0x0F, 0x05) << n;
        EXPECT_EQ(r[0x2A91 + 2 * n], 0xA5) << n;
    }
    EXPECT_EQ(r[0x2AA4], p.user[0x2AA4]);  // past the tenth page code
}

TEST_F(Mdc1200DefaultsTest, DefaultsAreNotLoadedWhenCallKeysExistOrTheFileIsMissing) {
    const Prepared missing = PrepareWithEmptyCallKeys();
    EXPECT_EQ(missing.result[0x28B0], 0xFF);
    EXPECT_EQ(missing.result[0x28B1], missing.user[0x28B1]);

    WriteDefaults();
    const Prepared present = PrepareWithEmptyCallKeys(0x01);
    for (std::size_t i = 0x2880; i < 0x2AB0; ++i) {
        if (i == 0x2880 || i == 0x2881 || i == 0x2890 || i == 0x2891) continue;  // primary ids: the radio's
        EXPECT_EQ(present.result[i], present.user[i]) << std::hex << i;
    }
}

// ---- rotary switch, serial numbers, alignment copy --------------------------------------------

struct RotaryCase {
    const char* name;
    std::uint32_t radioType, userType;
    int expected;  // -1: the user's value
};

void PrintTo(const RotaryCase& c, std::ostream* os) {
    *os << c.name;
}

class RotaryTest : public PrepTest, public ::testing::WithParamInterface<RotaryCase> {};

TEST_P(RotaryTest, ActionFollowsAModelChange) {
    const RotaryCase& c = GetParam();
    CloneImage user = MakeUser(c.userType);
    ItemMap::SetRotarySwAction(user, 3);
    const Prepared p = Prepare(user, MakeRadioMemory(c.radioType));
    EXPECT_EQ(ItemMap::GetRotarySwAction(p.result),
              c.expected < 0 ? 3u : static_cast<std::uint32_t>(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Models, RotaryTest,
                         ::testing::Values(RotaryCase{"ZT610DataIntoZT640", kZT640, kZT610, 1},
                                           RotaryCase{"ZT640DataIntoZT610", kZT610, kZT640, 2},
                                           RotaryCase{"SameModel", kZT640, kZT640, -1}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PrepTest, SerialNumberCopyTakesExactlyTheSerialBytes) {
    const CloneImage user = MakeUser();
    const CloneImage before = ReadBack(user, MakeRadioMemory());
    CloneImage radio = before;
    CloneImageOps::CopySerialNumberItems(radio, user);
    std::set<std::size_t> expected = Range(0x0E, 0x12);
    for (std::size_t i = 0x250C; i < 0x2512; ++i) expected.insert(i);
    EXPECT_EQ(ChangedBytes(before, radio), expected);
    for (std::size_t i : expected) EXPECT_EQ(radio[i], user[i]);
}

TEST_F(PrepTest, AlignmentCopyTakesExactlyTheRadioInformationBytes) {
    CloneImage source = MakeUser(), destination = MakeRadioMemory();
    const CloneImage before = destination;
    CloneImageOps::CopyAlignmentSettings(destination, source);
    EXPECT_EQ(ChangedBytes(before, destination), Range(0x24E8, 0x24FB));
}

}  // namespace
