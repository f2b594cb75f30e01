#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <span>

#include "ItemAccessorCases.h"
#include "image/ItemsSignalling.h"
#include "image/TagCharRule.h"

namespace {

using AccessorChecks::Case;
using AccessorChecks::TableRow;

const TableRow kTables[] = {
    {"DtmfItems", ItemMap::DtmfItems, 22, 0x2800, 0x2873},
    {"Mdc1200SystemItems", ItemMap::Mdc1200SystemItems, 28, 0x2880, 0x288F},
    {"Mdc1200CallKeyItems", ItemMap::Mdc1200CallKeyItems, 6, 0x28B0, 0x28B5},
    {"FleetLinkItems", ItemMap::FleetLinkItems, 5, 0x2900, 0x2904},
    {"Mdc1200CallItems", ItemMap::Mdc1200CallItems, 13, 0x2980, 0x298F},
    {"DtmfPageItems", ItemMap::DtmfPageItems, 7, 0x2A81, 0x2A91},
};

TEST(SignallingTables, CountsShapesAndNoValueMasks) {
    AccessorChecks::ExpectCountsAndShapes(kTables);
    AccessorChecks::ExpectNoValueMasks(kTables);
}

TEST(SignallingTables, EveryDescriptorWritesOnlyItsBits) {
    AccessorChecks::ExpectEveryWriteChangesOnlyItsBits(kTables);
}

// Every numeric accessor and the field it addresses: buffer position of
// record 0, width, mask, record size (0: a single item).
const Case kCases[] = {
    ACCESSOR_ONE(DtmfKeypad, 0x2800, 1, 0x80, 0),
    ACCESSOR_ONE(DtmfSideToneMonitor, 0x2800, 1, 0x40, 0),
    ACCESSOR_ONE(DtmfPauseTime, 0x2802, 1, 0xFF, 0),
    ACCESSOR_ONE(DtmfDelayTime, 0x2804, 1, 0xFF, 0),
    ACCESSOR_ONE(DtmfSpeed, 0x2805, 1, 0xFF, 0),
    ACCESSOR_ONE(DtmfAniTransmit, 0x2870, 1, 0x30, 0),
    ACCESSOR_ONE(DtmfAniDelayTime, 0x2871, 1, 0xFF, 0),
    ACCESSOR_ONE(DtmfAniSpeed, 0x2872, 1, 0xFF, 0),
    ACCESSOR_REC(Mdc1200PrimaryId, 0x2880, 2, 0xFFFF, 16),
    ACCESSOR_REC(Mdc1200Wildcard, 0x2882, 1, 0x80, 16),
    ACCESSOR_REC(Mdc1200GroupId, 0x2882, 2, 0xFFF, 16),
    ACCESSOR_REC(Mdc1200AniTrans, 0x2884, 1, 0xC0, 16),
    ACCESSOR_REC(Mdc1200PlTransmit, 0x2884, 1, 0x20, 16),
    ACCESSOR_REC(Mdc1200DisplayDecodeId, 0x2884, 1, 0x10, 16),
    ACCESSOR_REC(Mdc1200CallAlertType, 0x2884, 1, 0x8, 16),
    ACCESSOR_REC(Mdc1200CtcssDcsComplement, 0x2884, 1, 0x4, 16),
    ACCESSOR_REC(Mdc1200BasicSelCall, 0x2884, 1, 0x2, 16),
    ACCESSOR_REC(Mdc1200TranspondLed, 0x2884, 1, 0x1, 16),
    ACCESSOR_REC(Mdc1200DecodeLedMode, 0x2885, 1, 0xC0, 16),
    ACCESSOR_REC(Mdc1200AlertMode, 0x2885, 1, 0x30, 16),
    ACCESSOR_REC(Mdc1200Duty, 0x2885, 1, 0x8, 16),
    ACCESSOR_REC(Mdc1200PttSideTone, 0x2885, 1, 0x4, 16),
    ACCESSOR_REC(Mdc1200CourtesyTone, 0x2885, 1, 0x2, 16),
    ACCESSOR_REC(Mdc1200ReleaseAniDisp, 0x2885, 1, 0x1, 16),
    ACCESSOR_REC(Mdc1200PreambleBitSync, 0x2886, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200LeadInDelayTime, 0x2887, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200DosAutoMuteDuration, 0x2888, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200DosCoastDuration, 0x2889, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200AckDecodeTime, 0x288A, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200TranspondDelayTime, 0x288B, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200AniLockoutPeriod, 0x288C, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200ClearToTranspond, 0x288D, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200BeepToneType, 0x288E, 1, 0xF0, 16),
    ACCESSOR_REC(Mdc1200AutoResetBeep, 0x288E, 1, 0x4, 16),
    ACCESSOR_REC(Mdc1200AlertRepeatTime, 0x288E, 1, 0x3, 16),
    ACCESSOR_REC(Mdc1200AutoResetTime, 0x288F, 1, 0xFF, 16),
    ACCESSOR_ONE(Mdc1200CallKey1Type, 0x28B0, 1, 0xFF, 0),
    ACCESSOR_ONE(Mdc1200CallKey1Id, 0x28B1, 1, 0xFF, 0),
    ACCESSOR_ONE(Mdc1200CallKey2Type, 0x28B2, 1, 0xFF, 0),
    ACCESSOR_ONE(Mdc1200CallKey2Id, 0x28B3, 1, 0xFF, 0),
    ACCESSOR_ONE(Mdc1200CallKey3Type, 0x28B4, 1, 0xFF, 0),
    ACCESSOR_ONE(Mdc1200CallKey3Id, 0x28B5, 1, 0xFF, 0),
    ACCESSOR_ONE(FleetLinkAniTransmit, 0x2900, 1, 0xC0, 0),
    ACCESSOR_REC(FleetLinkAniTransmitAlt, 0x2900, 1, 0xC0, 16),
    ACCESSOR_ONE(FleetLinkPttSideTone, 0x2900, 1, 0x20, 0),
    ACCESSOR_REC(FleetLinkPttSideToneAlt, 0x2900, 1, 0x20, 16),
    ACCESSOR_REC(Mdc1200CallId, 0x2980, 2, 0xFFFF, 16),
    ACCESSOR_REC(Mdc1200CallNotInUse, 0x2982, 1, 0x80, 16),
    ACCESSOR_REC(Mdc1200CallType, 0x2982, 1, 0x60, 16),
    ACCESSOR_REC(Mdc1200CallAckExp, 0x2982, 1, 0x10, 16),
    ACCESSOR_REC(Mdc1200CallRingTone, 0x2982, 1, 0xF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte0, 0x2988, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte1, 0x2989, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte2, 0x298A, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte3, 0x298B, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte4, 0x298C, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte5, 0x298D, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte6, 0x298E, 1, 0xFF, 16),
    ACCESSOR_REC(Mdc1200CallTagByte7, 0x298F, 1, 0xFF, 16),
    ACCESSOR_ONE(DtmfAniType, 0x2A81, 1, 0x1, 0),
    ACCESSOR_ONE(DtmfAutoResetBeep, 0x2A84, 1, 0x1, 0),
    ACCESSOR_ONE(DtmfAutoResetTime, 0x2A85, 1, 0xFF, 0),
    ACCESSOR_ONE(DtmfSeparateCode, 0x2A87, 1, 0xF0, 0),
    ACCESSOR_REC(DtmfPageCodeDigit1, 0x2A90, 1, 0xF, 2),
    ACCESSOR_REC(DtmfPageCodeDigit2, 0x2A91, 1, 0xF0, 2),
    ACCESSOR_REC(DtmfPageCodeDigit3, 0x2A91, 1, 0xF, 2),
};

class SignallingAccessorTest : public ::testing::TestWithParam<Case> {};

TEST_P(SignallingAccessorTest, WritesExactlyItsFieldAndReadsItBack) {
    AccessorChecks::ExpectAccessorAddressesItsField(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Block9, SignallingAccessorTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SignallingItems, Mdc1200PrimaryIdIsBigEndianPerSystem) {
    CloneImage image;
    ItemMap::SetMdc1200PrimaryId(image, 1, 0x1234);
    EXPECT_EQ(image[0x2890], 0x12);
    EXPECT_EQ(image[0x2891], 0x34);
    EXPECT_EQ(image[0x2880], 0xFF);
    EXPECT_EQ(ItemMap::GetMdc1200PrimaryId(image, 1), 0x1234u);
    // The group id shares its first byte with the wildcard bit; bits 4-6 of
    // that byte belong to neither.
    ItemMap::SetMdc1200GroupId(image, 0, 0xABC);
    ItemMap::SetMdc1200Wildcard(image, 0, 0);
    EXPECT_EQ(image[0x2882], 0x7A);
    EXPECT_EQ(image[0x2883], 0xBC);
    EXPECT_EQ(ItemMap::GetMdc1200GroupId(image, 0), 0xABCu);
}

using RawGetter = int (*)(const CloneImage&, std::uint8_t*);
using RawSetter = int (*)(CloneImage&, const std::uint8_t*);

TEST(SignallingItems, DtmfCodesMoveExactlyEightRawBytes) {
    struct Code {
        RawGetter get;
        RawSetter set;
        std::size_t position;
    };
    const Code codes[] = {
        {ItemMap::GetDtmfCode1, ItemMap::SetDtmfCode1, 0x2818},
        {ItemMap::GetDtmfCode2, ItemMap::SetDtmfCode2, 0x2828},
        {ItemMap::GetDtmfCode3, ItemMap::SetDtmfCode3, 0x2838},
        {ItemMap::GetDtmfCode4, ItemMap::SetDtmfCode4, 0x2848},
        {ItemMap::GetDtmfCode5, ItemMap::SetDtmfCode5, 0x2858},
        {ItemMap::GetDtmfAniCode, ItemMap::SetDtmfAniCode, 0x2873},
    };
    // Whatever the digits are, all 8 bytes travel and nothing around them.
    const std::uint8_t digits[8] = {0x00, 0x12, 0xFF, 0xF0, 0x0F, 0xAB, 0x00, 0xCD};
    for (const Code& c : codes) {
        SCOPED_TRACE(testing::Message() << std::hex << c.position);
        CloneImage image;
        CloneImage expected;
        std::memcpy(expected.data() + c.position, digits, 8);
        EXPECT_EQ(c.set(image, digits), 1);
        EXPECT_TRUE(image == expected) << AccessorChecks::FirstDifference(image, expected);
        std::uint8_t back[8] = {};
        EXPECT_EQ(c.get(image, back), 1);
        EXPECT_EQ(std::memcmp(back, digits, 8), 0);
    }
}

using TextGetter = std::string (*)(const CloneImage&);
using TextSetter = int (*)(CloneImage&, std::string_view);

TEST(SignallingItems, DtmfCodeTagsAreTheStoredBytesPaddedWithZeroAndCutAtEight) {
    struct Tag {
        TextGetter get;
        TextSetter set;
        std::size_t position;
    };
    const Tag tags[] = {
        {ItemMap::GetDtmfCode1Tag, ItemMap::SetDtmfCode1Tag, 0x2810},
        {ItemMap::GetDtmfCode2Tag, ItemMap::SetDtmfCode2Tag, 0x2820},
        {ItemMap::GetDtmfCode3Tag, ItemMap::SetDtmfCode3Tag, 0x2830},
        {ItemMap::GetDtmfCode4Tag, ItemMap::SetDtmfCode4Tag, 0x2840},
        {ItemMap::GetDtmfCode5Tag, ItemMap::SetDtmfCode5Tag, 0x2850},
    };
    for (const Tag& t : tags) {
        SCOPED_TRACE(testing::Message() << std::hex << t.position);
        CloneImage image;
        t.set(image, "ab");
        const std::uint8_t shortTag[8] = {'a', 'b', 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(std::memcmp(image.data() + t.position, shortTag, 8), 0);
        EXPECT_EQ(image[t.position + 8], 0xFF);
        EXPECT_EQ(t.get(image), "ab");

        t.set(image, "ABCDEFGHIJ");
        EXPECT_EQ(t.get(image), "ABCDEFGH");
        EXPECT_EQ(image[t.position + 8], 0xFF);
    }
}

class RuleGuard {
  public:
    ~RuleGuard() { SetCurrentTagCharRule(DefaultTagCharRule::Instance()); }
};

TEST(SignallingItems, Mdc1200CallTagIsDisplayTextThroughTheCurrentRule) {
    RuleGuard guard;
    CloneImage image;
    CloneImage untouched = image;
    ItemMap::SetMdc1200CallTag(image, 1, "ab-1");
    // Call 1's tag at 0x2998: normalised codes, padded with spaces to 8.
    const std::uint8_t codes[8] = {'A', 'B', '-', '1', ' ', ' ', ' ', ' '};
    std::memcpy(untouched.data() + 0x2998, codes, 8);
    EXPECT_TRUE(image == untouched) << AccessorChecks::FirstDifference(image, untouched);
    EXPECT_EQ(ItemMap::GetMdc1200CallTag(image, 1), "AB-1    ");

    SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    ItemMap::SetMdc1200CallTag(image, 2, "жёлтый");
    const std::uint8_t cyr[8] = {0x87, 0x86, 0x8C, 0x93, 0x9C, 0x8A, 0x20, 0x20};
    EXPECT_EQ(std::memcmp(image.data() + 0x29A8, cyr, 8), 0);
    EXPECT_EQ(ItemMap::GetMdc1200CallTag(image, 2), "ЖЁЛТЫЙ  ");
    // The tag bytes are also items of their own.
    EXPECT_EQ(ItemMap::GetMdc1200CallTagByte0(image, 2), 0x87u);
    EXPECT_EQ(ItemMap::GetMdc1200CallTagByte7(image, 2), 0x20u);
}

}  // namespace
