#include "image/RadioImagePrep.h"

#include <algorithm>
#include <array>
#include <ctime>
#include <span>

#include "image/ChannelOps.h"
#include "image/FileUtil.h"
#include "image/Frequency.h"
#include "image/ImageHost.h"
#include "image/ItemAccessors.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "image/ItemsTone.h"
#include "image/Model.h"
#include "image/RegionCopy.h"

namespace CloneImageOps {
namespace {

using ItemMap::ItemAccessorPair;

enum ServiceMode { Normal = 0, Engineer = 1, Manufacture = 2 };
constexpr int ShipAppMode = 4;

// ---- copying items from the user image --------------------------------------

void Copy(std::span<const ItemAccessorPair> pairs, CloneImage& radio, const CloneImage& user) {
    for (const ItemAccessorPair& p : pairs) p.set(radio, p.get(user));
}

template <class D>
void CopyItem(const D& d, CloneImage& radio, const CloneImage& user) {
    ItemMap::SetSingle(d, radio, ItemMap::GetSingle(d, user));
}

template <class D>
void CopyRecordItem(const D& d, CloneImage& radio, const CloneImage& user, int n, std::uint32_t recordSize) {
    ItemMap::SetRecord(d, radio, n, recordSize, ItemMap::GetRecord(d, user, n, recordSize));
}

void CopyRegions(std::initializer_list<int> regions, CloneImage& radio, const CloneImage& user) {
    for (int r : regions) ItemMap::CopyRegion(radio, user, r);
}

// ---- header items that the merge carries over -------------------------------

constexpr ItemAccessorPair kServiceHeaderItems[] = {
    {ItemMap::GetHeader0A, ItemMap::SetHeader0A},
    {ItemMap::GetHeader0BBits4To7, ItemMap::SetHeader0BBits4To7},
    {ItemMap::GetHeader0BBit3, ItemMap::SetHeader0BBit3},
    {ItemMap::GetHeader0BBits0To2, ItemMap::SetHeader0BBits0To2},
};

constexpr ItemAccessorPair kManufactureHeaderItems[] = {
    {ItemMap::GetHeader1C, ItemMap::SetHeader1C},
    {ItemMap::GetHeader1D, ItemMap::SetHeader1D},
    {ItemMap::GetHeader1EBits4To7, ItemMap::SetHeader1EBits4To7},
    {ItemMap::GetHeader1EBits0To3, ItemMap::SetHeader1EBits0To3},
    {ItemMap::GetHeader1FBits4To7, ItemMap::SetHeader1FBits4To7},
    {ItemMap::GetHeader1FBits0To3, ItemMap::SetHeader1FBits0To3},
    {ItemMap::GetHeader20Bits6To7, ItemMap::SetHeader20Bits6To7},
    {ItemMap::GetHeader20Bits4To5, ItemMap::SetHeader20Bits4To5},
    {ItemMap::GetHeader20Bits0To3, ItemMap::SetHeader20Bits0To3},
    {ItemMap::GetHeader23Bit3, ItemMap::SetHeader23Bit3},
    {ItemMap::GetHeader23Bit0, ItemMap::SetHeader23Bit0},
    {ItemMap::GetHeaderWord24, ItemMap::SetHeaderWord24},
    {ItemMap::GetHeaderWord26, ItemMap::SetHeaderWord26},
};

constexpr ItemAccessorPair kUserMiscB0Items[] = {
    {ItemMap::GetVoxAntiTrip, ItemMap::SetVoxAntiTrip},
    {ItemMap::GetHeaderMiscB0Bit3, ItemMap::SetHeaderMiscB0Bit3},
};

// Miscellaneous bytes the radio must receive in a fixed state: 0xB0-0xB1 and
// 0xB8-0xB9 all ones, 0xBA-0xBF zero (ordinals of the misc table).
constexpr int kMiscB0B1First = 0, kMiscB0B1Last = 15;
constexpr int kMiscB8 = 17, kMiscB9 = 18, kMiscBAFirst = 19, kMiscBFLast = 24;
constexpr int kMiscB1Bit2 = 13;
constexpr int kMiscB5Bits6To7 = 16;

// ---- MDC1200 defaults from the variant's default data file ------------------

// Record items of an MDC1200 system taken from the defaults (not the primary id).
constexpr int kMdc1200DefaultItems[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                        12, 15, 18, 19, 20, 21, 23, 24, 25, 26, 27};
constexpr int kMdc1200Systems = 2;
constexpr int kMdc1200Calls = 16;
constexpr int kMdc1200RecordSize = 16;
// DTMF paging: four single items, then three nibble items of 10 two-byte records.
constexpr int kDtmfPageSingleItems[] = {0, 1, 2, 3};
constexpr int kDtmfPageRecordItems[] = {4, 5, 6};
constexpr int kDtmfPageRecords = 10;

bool HasMdc1200Extensions(const CloneImage& image) {
    return Version::Compare(image, 1, 90, 0, 0) >= 0 && ItemMap::GetDisplayType(image) != 0;
}

// When the radio has never been given MDC1200 call keys, it receives the
// defaults of its variant rather than erased memory.
void TakeMdc1200Defaults(CloneImage& radio) {
    if (!HasMdc1200Extensions(radio)) return;
    if (ItemMap::GetSingle(ItemMap::Mdc1200CallKeyItems[0], radio) != 0xFF) return;

    const std::string name = Model::DefaultDataFileName(Model::VariantCodeFromImage(radio), false);
    if (name.empty()) return;
    CloneImage defaults;
    if (!FileUtil::LoadImageFile(defaults, Host().ShippedFile(name).string())) return;

    for (int s = 0; s < kMdc1200Systems; ++s)
        for (int item : kMdc1200DefaultItems)
            CopyRecordItem(ItemMap::Mdc1200SystemItems[item], radio, defaults, s, kMdc1200RecordSize);
    for (const ImageItemDescriptor& d : ItemMap::Mdc1200CallKeyItems) CopyItem(d, radio, defaults);
    for (int n = 0; n < kMdc1200Calls; ++n)
        for (const ImageItemDescriptor& d : ItemMap::Mdc1200CallItems)
            CopyRecordItem(d, radio, defaults, n, kMdc1200RecordSize);
    for (int item : kDtmfPageSingleItems) CopyItem(ItemMap::DtmfPageItems[item], radio, defaults);
    for (int n = 0; n < kDtmfPageRecords; ++n)
        for (int item : kDtmfPageRecordItems)
            CopyRecordItem(ItemMap::DtmfPageItems[item], radio, defaults, n, 2);
}

// ---- BCD stamps --------------------------------------------------------------

constexpr std::uint32_t Bcd(int value) {
    const int v = ((value % 100) + 100) % 100;
    return static_cast<std::uint32_t>((v / 10) * 16 + v % 10);
}

}  // namespace

std::array<std::atomic<int>, 2>& Mdc1200OverWriteFlags() {
    static std::array<std::atomic<int>, 2> flags{};
    return flags;
}

void ClearMdc1200OverWriteFlags() {
    for (auto& flag : Mdc1200OverWriteFlags()) flag = 0;
}

void MergeIntoRadioImage(CloneImage& radio, const CloneImage& user) {
    const int s = Host().ServiceMode();

    // 1. The variant byte.
    if (s == Normal)
        ItemMap::SetVariantByte(radio, 0);
    else if (s == Manufacture)
        ItemMap::SetVariantByte(radio, ItemMap::GetVariantByte(user));

    // 2-3. Identity bytes of the service modes.
    if (s == Engineer || s == Manufacture) Copy(kServiceHeaderItems, radio, user);
    if (s == Manufacture) Copy(kManufactureHeaderItems, radio, user);

    // 4-5. Miscellaneous switches: a fixed state, then the user's own bits.
    for (int i = kMiscB0B1First; i <= kMiscB0B1Last; ++i)
        ItemMap::SetSingle(ItemMap::HeaderMiscItems[i], radio, 1);
    ItemMap::SetSingle(ItemMap::HeaderMiscItems[kMiscB8], radio, 0xFF);
    ItemMap::SetSingle(ItemMap::HeaderMiscItems[kMiscB9], radio, 0xFF);
    for (int i = kMiscBAFirst; i <= kMiscBFLast; ++i)
        ItemMap::SetSingle(ItemMap::HeaderMiscItems[i], radio, 0);
    Copy(kUserMiscB0Items, radio, user);
    if (s == Manufacture) CopyItem(ItemMap::HeaderMiscItems[kMiscB5Bits6To7], radio, user);
    ItemMap::SetSingle(ItemMap::HeaderMiscItems[kMiscB1Bit2], radio, 0);

    // 6-9. Block 8: the hardware description only in the manufacture mode;
    // production date, wide-band permit and serial word only in the engineer mode.
    if (s == Manufacture) CopyRegions({0, 1, 2, 3, 4, 5}, radio, user);
    if (s == Engineer) {
        ItemMap::SetProductionDate(radio, ItemMap::GetProductionDate(user));
        ItemMap::SetWideBandPermit(radio, ItemMap::GetWideBandPermit(user));
    }
    if (s == Manufacture) CopyRegions({7}, radio, user);
    if (s == Engineer) ItemMap::SetSerialNumberWord(radio, ItemMap::GetSerialNumberWord(user));

    // 10. The radio-wide settings and DTMF.
    CopyRegions({9, 10, 11, 12, 13, 14, 16, 17}, radio, user);

    // 11. MDC1200 systems; the radio keeps its primary ids unless the user
    // chose to overwrite them.
    std::array<std::uint32_t, kMdc1200Systems> radioIds{};
    for (int sys = 0; sys < kMdc1200Systems; ++sys)
        radioIds[sys] = ItemMap::GetRecord(ItemMap::Mdc1200SystemItems[0], radio, sys, kMdc1200RecordSize);
    CopyRegions({18}, radio, user);
    if (HasMdc1200Extensions(user)) {
        for (int sys = 0; sys < kMdc1200Systems; ++sys)
            if (Mdc1200OverWriteFlags()[sys] == 0)
                ItemMap::SetRecord(ItemMap::Mdc1200SystemItems[0], radio, sys, kMdc1200RecordSize,
                                   radioIds[sys]);
    }

    // 12-13. The rest of block 9, then defaults for radios without call keys.
    CopyRegions({20, 19, 21, 22}, radio, user);
    TakeMdc1200Defaults(radio);

    // 14-17. Tone tables; their reference values only in the manufacture mode.
    CopyRegions({23}, radio, user);
    if (s == Manufacture)
        for (int item : {5, 6, 7, 8, 9}) CopyItem(ItemMap::Tone2TableItems[item], radio, user);
    CopyRegions({25, 26, 27, 28, 29}, radio, user);
    if (s == Manufacture)
        for (int item : {0, 1, 2, 3, 4}) CopyItem(ItemMap::Tone5TableItems[item], radio, user);

    // 18-20. 5-tone codes, groups and scan, flash bookkeeping.
    CopyRegions({31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41}, radio, user);
    if (s == Manufacture)
        CopyRegions({44}, radio, user);
    else
        ItemMap::SetText4000(radio, ItemMap::GetPowerOnTag(user));
    if (s == Manufacture) CopyRegions({45}, radio, user);
}

int GroupTableCount(const CloneImage& image) {
    switch (Model::IndexFromTypeCode(image)) {
        case 0:
            return 1;
        case 1:
            return 8;
        default:
            return ItemMap::GetDisplayType(image) != 0 ? 8 : 1;
    }
}

void ResetGroupTables(CloneImage& radio) {
    const int groups = GroupTableCount(radio);
    for (int g = 0; g < groups; ++g)
        for (int p = 0; p < 16; ++p)
            ItemMap::WriteIndexedItem(radio, g, p, static_cast<std::uint32_t>(16 * g + p));
    Zone::RefreshValidBits(radio);
}

void StampDateAndVersion(CloneImage& radio, const CloneImage& user) {
    const int s = Host().ServiceMode();
    if (Host().AppMode() == ShipAppMode) {
        // The unattended run writes what the production data file holds.
        constexpr ItemAccessorPair kStamps[] = {
            {ItemMap::GetHeaderProductionDate, ItemMap::SetHeaderProductionDate},
            {ItemMap::GetHeaderProgramVersionMajor, ItemMap::SetHeaderProgramVersionMajor},
            {ItemMap::GetHeaderProgramVersionMinor, ItemMap::SetHeaderProgramVersionMinor},
            {ItemMap::GetHeader2D, ItemMap::SetHeader2D},
            {ItemMap::GetProductionDate, ItemMap::SetProductionDate},
            {ItemMap::GetProgramVersionMajor, ItemMap::SetProgramVersionMajor},
            {ItemMap::GetProgramVersionMinor, ItemMap::SetProgramVersionMinor},
            {ItemMap::GetWideBandPermit, ItemMap::SetWideBandPermit},
        };
        Copy(kStamps, radio, user);
        return;
    }
    if (s != Engineer) {
        const std::tm now = Host().Now();
        const std::uint32_t date =
            Bcd(now.tm_year + 1900) << 16 | Bcd(now.tm_mon + 1) << 8 | Bcd(now.tm_mday);
        ItemMap::SetHeaderProductionDate(radio, date);
        ItemMap::SetProductionDate(radio, date);
    }
    const std::uint32_t major = Bcd(std::max(0, Host().VersionMajor()));
    const std::uint32_t minor = Bcd(std::max(0, Host().VersionMinor()));
    ItemMap::SetHeaderProgramVersionMajor(radio, major);
    ItemMap::SetProgramVersionMajor(radio, major);
    ItemMap::SetHeaderProgramVersionMinor(radio, minor);
    ItemMap::SetProgramVersionMinor(radio, minor);
    if (s != Engineer) {
        ItemMap::SetHeader2D(radio, ItemMap::GetHeader2D(user));
        ItemMap::SetWideBandPermit(radio, ItemMap::GetWideBandPermit(user));
    }
}

// Whole bytes with no item of their own in the header tables.
namespace {
constexpr HeaderItemDescriptor kOffsetByte{0x0C0, 1, 0xFF, 0, 0};       // 0xC0-0xC1, records of 1
constexpr HeaderItemDescriptor kTone2SystemByte{0x0C8, 1, 0xFF, 0, 0};  // 0xC8-0xCF, records of 1
constexpr int kTone2Systems = 8, kTone5Systems = 32, kTone5Codes = 32;
}  // namespace

void ClearOffsetBytes(CloneImage& radio) {
    for (int i = 0; i < 2; ++i) ItemMap::SetRecord(kOffsetByte, radio, i, 1, 0);
}

void Copy2ToneSystemBytes(CloneImage& image) {
    for (int i = 0; i < kTone2Systems; ++i)
        ItemMap::SetRecord(kTone2SystemByte, image, i, 1,
                           ItemMap::GetRecord(ItemMap::Tone2Items[6], image, i, 16));
}

void Copy5ToneSystemBytes(CloneImage& image) {
    for (int i = 0; i < kTone5Systems; ++i)
        ItemMap::SetRecord(ItemMap::HeaderTone5Items[0], image, i, 1,
                           ItemMap::GetTone5CallEncodeCode(image, i));
}

void CopyItemList(CloneImage& image) {
    // Encode code record items 64-72 (digit count, eight digits) into header items 0-8.
    constexpr int kFirstCodeItem = 64;
    for (int i = 0; i < kTone5Codes; ++i)
        for (int k = 0; k < 9; ++k)
            ItemMap::SetRecord(ItemMap::HeaderCopyItems[k], image, i, 8,
                               ItemMap::GetRecord(ItemMap::Tone5CodeItems[kFirstCodeItem + k], image, i, 16));
}

void ClearOptionBytes(CloneImage& radio) {
    for (int i = 0; i < 8; ++i) ItemMap::SetRecord(ItemMap::HeaderOptionItems[0], radio, i, 1, 0);
}

void RebaseMicGains(CloneImage& radio, const CloneImage& user) {
    // Each gain paired with its alignment reference, read in each image's own layout.
    struct Gain {
        ItemAccessorPair gain;
        ItemMap::ItemGetter alignment;
    };
    constexpr Gain kGains[] = {
        {{ItemMap::GetInternalMicGain, ItemMap::SetInternalMicGain}, ItemMap::GetAlignIntMicGain},
        {{ItemMap::GetExtMicGain, ItemMap::SetExtMicGain}, ItemMap::GetAlignExtMicGain},
        {{ItemMap::GetExtMicGain2, ItemMap::SetExtMicGain2}, ItemMap::GetAlignExtMicGain2},
    };
    // The largest gain is what the radio's layout keeps of its first alignment byte (0x3E82).
    constexpr int kFirstGainAlignItem = 3;
    const ImageItemDescriptor& limit = ItemMap::ChooseLayout(radio, ItemMap::AlignItemsA[kFirstGainAlignItem],
                                                             ItemMap::AlignItemsB[kFirstGainAlignItem]);
    const int maxGain = static_cast<int>(limit.valueMask ? limit.valueMask : limit.mask);
    for (const Gain& g : kGains) {
        const int value = static_cast<int>(g.gain.get(radio)) + static_cast<int>(g.alignment(radio)) -
                          static_cast<int>(g.alignment(user));
        g.gain.set(radio, static_cast<std::uint32_t>(std::clamp(value, 0, maxGain)));
    }
}

void RecalcPLL(CloneImage& radio, const CloneImage& user) {
    // Each channel keeps its frequency; its words follow the radio's own
    // reference crystal, IF and dividers. Nothing changes when they are equal.
    CalcPLLFrequency::ReencodeChannels(radio, user);
}

void AdjustRotarySwitchAction(CloneImage& radio, const CloneImage& user) {
    const int radioModel = Model::IndexFromTypeCode(radio);
    const int userModel = Model::IndexFromTypeCode(user);
    if (radioModel == 1 && userModel == 0)
        ItemMap::SetRotarySwAction(radio, 1);
    else if (radioModel == 0 && userModel == 1)
        ItemMap::SetRotarySwAction(radio, 2);
}

void PrepareForWriting(CloneImage& radio, const CloneImage& user) {
    MergeIntoRadioImage(radio, user);
    Channel::MarkBeyondCapacity(radio);
    ResetGroupTables(radio);
    ItemMap::SetEmergencyMicLevel(radio, 1);
    StampDateAndVersion(radio, user);
    ClearOffsetBytes(radio);
    Copy2ToneSystemBytes(radio);
    Copy5ToneSystemBytes(radio);
    CopyItemList(radio);
    ClearOptionBytes(radio);
    RebaseMicGains(radio, user);
    RecalcPLL(radio, user);
    AdjustRotarySwitchAction(radio, user);
}

void CopySerialNumberItems(CloneImage& radio, const CloneImage& user) {
    constexpr ItemAccessorPair kSerial[] = {
        {ItemMap::GetSerialNumberWord, ItemMap::SetSerialNumberWord},
        {ItemMap::GetSerialNumber1, ItemMap::SetSerialNumber1},
        {ItemMap::GetSerialNumber2, ItemMap::SetSerialNumber2},
        {ItemMap::GetSerialNumber3, ItemMap::SetSerialNumber3},
        {ItemMap::GetSerialNumber4, ItemMap::SetSerialNumber4},
        {ItemMap::GetSerialPart1, ItemMap::SetSerialPart1},
        {ItemMap::GetSerialPart2, ItemMap::SetSerialPart2},
        {ItemMap::GetSerialPart3, ItemMap::SetSerialPart3},
        {ItemMap::GetSerialPart4, ItemMap::SetSerialPart4},
    };
    Copy(kSerial, radio, user);
}

void CopyAlignmentSettings(CloneImage& destination, const CloneImage& source) {
    for (const ImageItemDescriptor& d : ItemMap::RadioInfoItems) CopyItem(d, destination, source);
}

}  // namespace CloneImageOps
