#pragma once
// Items of block 9, the data signalling: DTMF settings, codes and tags, the
// MDC1200 system records (16 bytes each), call keys and call records (16
// bytes, 8-character tag at +8), FleetLink ANI and DTMF paging.
//
// Record accessors take the record number n (system, call, page code).
// DTMF code tags are the 8 stored bytes as they are; MDC1200 call tags are
// display text, converted through the current tag character rule.
#include <cstdint>
#include <string>
#include <string_view>

#include "image/CloneImage.h"
#include "image/ItemDescriptor.h"

namespace ItemMap {

// clang-format off
inline constexpr ImageItemDescriptor DtmfItems[] = {
    {9, 0x000, 1, 0x80, 0x00, 0},  // DtmfKeypad
    {9, 0x000, 1, 0x40, 0x00, 1},  // DtmfSideToneMonitor
    {9, 0x001, 1, 0x10, 0x00, 2},
    {9, 0x001, 1, 0x0F, 0x00, 3},
    {9, 0x002, 1, 0xFF, 0x00, 4},  // DtmfPauseTime
    {9, 0x004, 1, 0xFF, 0x00, 5},  // DtmfDelayTime
    {9, 0x005, 1, 0xFF, 0x00, 6},  // DtmfSpeed
    {9, 0x010, 1, 0xFF, 0x00, 7},  // DtmfCode1Tag
    {9, 0x018, 1, 0x0F, 0x00, 8},  // DtmfCode1
    {9, 0x020, 1, 0xFF, 0x00, 9},  // DtmfCode2Tag
    {9, 0x028, 1, 0x0F, 0x00, 10},  // DtmfCode2
    {9, 0x030, 1, 0xFF, 0x00, 11},  // DtmfCode3Tag
    {9, 0x038, 1, 0x0F, 0x00, 12},  // DtmfCode3
    {9, 0x040, 1, 0xFF, 0x00, 13},  // DtmfCode4Tag
    {9, 0x048, 1, 0x0F, 0x00, 14},  // DtmfCode4
    {9, 0x050, 1, 0xFF, 0x00, 15},  // DtmfCode5Tag
    {9, 0x058, 1, 0x0F, 0x00, 16},  // DtmfCode5
    {9, 0x060, 1, 0xFF, 0x00, 17},
    {9, 0x070, 1, 0x30, 0x00, 18},  // DtmfAniTransmit
    {9, 0x071, 1, 0xFF, 0x00, 19},  // DtmfAniDelayTime
    {9, 0x072, 1, 0xFF, 0x00, 20},  // DtmfAniSpeed
    {9, 0x073, 1, 0xFF, 0x00, 21},  // DtmfAniCode
};

// System n at +16n.
inline constexpr ImageItemDescriptor Mdc1200SystemItems[] = {
    {9, 0x080, 2, 0xFFFF, 0x00, 0},  // Mdc1200PrimaryId
    {9, 0x082, 1, 0x80, 0x00, 1},  // Mdc1200Wildcard
    {9, 0x082, 2, 0x0FFF, 0x00, 2},  // Mdc1200GroupId
    {9, 0x084, 1, 0xC0, 0x00, 3},  // Mdc1200AniTrans
    {9, 0x084, 1, 0x20, 0x00, 4},  // Mdc1200PlTransmit
    {9, 0x084, 1, 0x10, 0x00, 5},  // Mdc1200DisplayDecodeId
    {9, 0x084, 1, 0x08, 0x00, 6},  // Mdc1200CallAlertType
    {9, 0x084, 1, 0x04, 0x00, 7},  // Mdc1200CtcssDcsComplement
    {9, 0x084, 1, 0x02, 0x00, 8},  // Mdc1200BasicSelCall
    {9, 0x084, 1, 0x01, 0x00, 9},  // Mdc1200TranspondLed
    {9, 0x085, 1, 0xC0, 0x00, 10},  // Mdc1200DecodeLedMode
    {9, 0x085, 1, 0x30, 0x00, 11},  // Mdc1200AlertMode
    {9, 0x085, 1, 0x08, 0x00, 12},  // Mdc1200Duty
    {9, 0x085, 1, 0x04, 0x00, 13},  // Mdc1200PttSideTone
    {9, 0x085, 1, 0x02, 0x00, 14},  // Mdc1200CourtesyTone
    {9, 0x085, 1, 0x01, 0x00, 15},  // Mdc1200ReleaseAniDisp
    {9, 0x086, 1, 0xFF, 0x00, 16},  // Mdc1200PreambleBitSync
    {9, 0x087, 1, 0xFF, 0x00, 17},  // Mdc1200LeadInDelayTime
    {9, 0x088, 1, 0xFF, 0x00, 18},  // Mdc1200DosAutoMuteDuration
    {9, 0x089, 1, 0xFF, 0x00, 19},  // Mdc1200DosCoastDuration
    {9, 0x08A, 1, 0xFF, 0x00, 20},  // Mdc1200AckDecodeTime
    {9, 0x08B, 1, 0xFF, 0x00, 21},  // Mdc1200TranspondDelayTime
    {9, 0x08C, 1, 0xFF, 0x00, 22},  // Mdc1200AniLockoutPeriod
    {9, 0x08D, 1, 0xFF, 0x00, 23},  // Mdc1200ClearToTranspond
    {9, 0x08E, 1, 0xF0, 0x00, 24},  // Mdc1200BeepToneType
    {9, 0x08E, 1, 0x04, 0x00, 25},  // Mdc1200AutoResetBeep
    {9, 0x08E, 1, 0x03, 0x00, 26},  // Mdc1200AlertRepeatTime
    {9, 0x08F, 1, 0xFF, 0x00, 27},  // Mdc1200AutoResetTime
};

inline constexpr ImageItemDescriptor Mdc1200CallKeyItems[] = {
    {9, 0x0B0, 1, 0xFF, 0x00, 0},  // Mdc1200CallKey1Type
    {9, 0x0B1, 1, 0xFF, 0x00, 1},  // Mdc1200CallKey1Id
    {9, 0x0B2, 1, 0xFF, 0x00, 2},  // Mdc1200CallKey2Type
    {9, 0x0B3, 1, 0xFF, 0x00, 3},  // Mdc1200CallKey2Id
    {9, 0x0B4, 1, 0xFF, 0x00, 4},  // Mdc1200CallKey3Type
    {9, 0x0B5, 1, 0xFF, 0x00, 5},  // Mdc1200CallKey3Id
};

inline constexpr ImageItemDescriptor FleetLinkItems[] = {
    {9, 0x100, 1, 0xC0, 0x00, 0},  // FleetLinkAniTransmit
    {9, 0x100, 1, 0x20, 0x00, 1},  // FleetLinkPttSideTone
    {9, 0x101, 1, 0xFF, 0x00, 2},
    {9, 0x102, 2, 0xFFFF, 0x00, 3},
    {9, 0x104, 1, 0xFF, 0x00, 4},
};

// Call record n at +16n.
inline constexpr ImageItemDescriptor Mdc1200CallItems[] = {
    {9, 0x180, 2, 0xFFFF, 0x00, 0},  // Mdc1200CallId
    {9, 0x182, 1, 0x80, 0x00, 1},  // Mdc1200CallNotInUse
    {9, 0x182, 1, 0x60, 0x00, 2},  // Mdc1200CallType
    {9, 0x182, 1, 0x10, 0x00, 3},  // Mdc1200CallAckExp
    {9, 0x182, 1, 0x0F, 0x00, 4},  // Mdc1200CallRingTone
    {9, 0x188, 1, 0xFF, 0x00, 5},  // Mdc1200CallTag, Mdc1200CallTagByte0
    {9, 0x189, 1, 0xFF, 0x00, 6},  // Mdc1200CallTagByte1
    {9, 0x18A, 1, 0xFF, 0x00, 7},  // Mdc1200CallTagByte2
    {9, 0x18B, 1, 0xFF, 0x00, 8},  // Mdc1200CallTagByte3
    {9, 0x18C, 1, 0xFF, 0x00, 9},  // Mdc1200CallTagByte4
    {9, 0x18D, 1, 0xFF, 0x00, 10},  // Mdc1200CallTagByte5
    {9, 0x18E, 1, 0xFF, 0x00, 11},  // Mdc1200CallTagByte6
    {9, 0x18F, 1, 0xFF, 0x00, 12},  // Mdc1200CallTagByte7
};

// Page code n's digits at +2n.
inline constexpr ImageItemDescriptor DtmfPageItems[] = {
    {9, 0x281, 1, 0x01, 0x00, 0},  // DtmfAniType
    {9, 0x284, 1, 0x01, 0x00, 1},  // DtmfAutoResetBeep
    {9, 0x285, 1, 0xFF, 0x00, 2},  // DtmfAutoResetTime
    {9, 0x287, 1, 0xF0, 0x00, 3},  // DtmfSeparateCode
    {9, 0x290, 1, 0x0F, 0x00, 4},  // DtmfPageCodeDigit1
    {9, 0x291, 1, 0xF0, 0x00, 5},  // DtmfPageCodeDigit2
    {9, 0x291, 1, 0x0F, 0x00, 6},  // DtmfPageCodeDigit3
};
// clang-format on

// ---- DTMF: settings, five codes with tags, ANI ----------------------------------------
// The codes are packed digit strings moved as 8 raw bytes.
std::uint32_t GetDtmfKeypad(const CloneImage& image);
int SetDtmfKeypad(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfSideToneMonitor(const CloneImage& image);
int SetDtmfSideToneMonitor(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfPauseTime(const CloneImage& image);
int SetDtmfPauseTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfDelayTime(const CloneImage& image);
int SetDtmfDelayTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfSpeed(const CloneImage& image);
int SetDtmfSpeed(CloneImage& image, std::uint32_t value);
// Raw: the five DTMF code tags are radio codes (TagCodesToText shows them).
std::string GetDtmfCode1Tag(const CloneImage& image);
int SetDtmfCode1Tag(CloneImage& image, std::string_view text);
int GetDtmfCode1(const CloneImage& image, std::uint8_t* buffer);
int SetDtmfCode1(CloneImage& image, const std::uint8_t* buffer);
std::string GetDtmfCode2Tag(const CloneImage& image);
int SetDtmfCode2Tag(CloneImage& image, std::string_view text);
int GetDtmfCode2(const CloneImage& image, std::uint8_t* buffer);
int SetDtmfCode2(CloneImage& image, const std::uint8_t* buffer);
std::string GetDtmfCode3Tag(const CloneImage& image);
int SetDtmfCode3Tag(CloneImage& image, std::string_view text);
int GetDtmfCode3(const CloneImage& image, std::uint8_t* buffer);
int SetDtmfCode3(CloneImage& image, const std::uint8_t* buffer);
std::string GetDtmfCode4Tag(const CloneImage& image);
int SetDtmfCode4Tag(CloneImage& image, std::string_view text);
int GetDtmfCode4(const CloneImage& image, std::uint8_t* buffer);
int SetDtmfCode4(CloneImage& image, const std::uint8_t* buffer);
std::string GetDtmfCode5Tag(const CloneImage& image);
int SetDtmfCode5Tag(CloneImage& image, std::string_view text);
int GetDtmfCode5(const CloneImage& image, std::uint8_t* buffer);
int SetDtmfCode5(CloneImage& image, const std::uint8_t* buffer);
std::uint32_t GetDtmfAniTransmit(const CloneImage& image);
int SetDtmfAniTransmit(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfAniDelayTime(const CloneImage& image);
int SetDtmfAniDelayTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfAniSpeed(const CloneImage& image);
int SetDtmfAniSpeed(CloneImage& image, std::uint32_t value);
int GetDtmfAniCode(const CloneImage& image, std::uint8_t* buffer);
int SetDtmfAniCode(CloneImage& image, const std::uint8_t* buffer);

// ---- MDC1200 systems (n = system) -----------------------------------------------------
std::uint32_t GetMdc1200PrimaryId(const CloneImage& image, int n);
int SetMdc1200PrimaryId(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200Wildcard(const CloneImage& image, int n);
int SetMdc1200Wildcard(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200GroupId(const CloneImage& image, int n);
int SetMdc1200GroupId(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AniTrans(const CloneImage& image, int n);
int SetMdc1200AniTrans(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200PlTransmit(const CloneImage& image, int n);
int SetMdc1200PlTransmit(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200DisplayDecodeId(const CloneImage& image, int n);
int SetMdc1200DisplayDecodeId(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallAlertType(const CloneImage& image, int n);
int SetMdc1200CallAlertType(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CtcssDcsComplement(const CloneImage& image, int n);
int SetMdc1200CtcssDcsComplement(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200BasicSelCall(const CloneImage& image, int n);
int SetMdc1200BasicSelCall(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200TranspondLed(const CloneImage& image, int n);
int SetMdc1200TranspondLed(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200DecodeLedMode(const CloneImage& image, int n);
int SetMdc1200DecodeLedMode(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AlertMode(const CloneImage& image, int n);
int SetMdc1200AlertMode(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200Duty(const CloneImage& image, int n);
int SetMdc1200Duty(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200PttSideTone(const CloneImage& image, int n);
int SetMdc1200PttSideTone(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CourtesyTone(const CloneImage& image, int n);
int SetMdc1200CourtesyTone(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200ReleaseAniDisp(const CloneImage& image, int n);
int SetMdc1200ReleaseAniDisp(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200PreambleBitSync(const CloneImage& image, int n);
int SetMdc1200PreambleBitSync(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200LeadInDelayTime(const CloneImage& image, int n);
int SetMdc1200LeadInDelayTime(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200DosAutoMuteDuration(const CloneImage& image, int n);
int SetMdc1200DosAutoMuteDuration(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200DosCoastDuration(const CloneImage& image, int n);
int SetMdc1200DosCoastDuration(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AckDecodeTime(const CloneImage& image, int n);
int SetMdc1200AckDecodeTime(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200TranspondDelayTime(const CloneImage& image, int n);
int SetMdc1200TranspondDelayTime(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AniLockoutPeriod(const CloneImage& image, int n);
int SetMdc1200AniLockoutPeriod(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200ClearToTranspond(const CloneImage& image, int n);
int SetMdc1200ClearToTranspond(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200BeepToneType(const CloneImage& image, int n);
int SetMdc1200BeepToneType(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AutoResetBeep(const CloneImage& image, int n);
int SetMdc1200AutoResetBeep(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AlertRepeatTime(const CloneImage& image, int n);
int SetMdc1200AlertRepeatTime(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200AutoResetTime(const CloneImage& image, int n);
int SetMdc1200AutoResetTime(CloneImage& image, int n, std::uint32_t value);

// ---- MDC1200 call keys 1-3 ------------------------------------------------------------
std::uint32_t GetMdc1200CallKey1Type(const CloneImage& image);
int SetMdc1200CallKey1Type(CloneImage& image, std::uint32_t value);
std::uint32_t GetMdc1200CallKey1Id(const CloneImage& image);
int SetMdc1200CallKey1Id(CloneImage& image, std::uint32_t value);
std::uint32_t GetMdc1200CallKey2Type(const CloneImage& image);
int SetMdc1200CallKey2Type(CloneImage& image, std::uint32_t value);
std::uint32_t GetMdc1200CallKey2Id(const CloneImage& image);
int SetMdc1200CallKey2Id(CloneImage& image, std::uint32_t value);
std::uint32_t GetMdc1200CallKey3Type(const CloneImage& image);
int SetMdc1200CallKey3Type(CloneImage& image, std::uint32_t value);
std::uint32_t GetMdc1200CallKey3Id(const CloneImage& image);
int SetMdc1200CallKey3Id(CloneImage& image, std::uint32_t value);

// ---- FleetLink ANI; the Alt forms address record n ------------------------------------
std::uint32_t GetFleetLinkAniTransmit(const CloneImage& image);
int SetFleetLinkAniTransmit(CloneImage& image, std::uint32_t value);
std::uint32_t GetFleetLinkAniTransmitAlt(const CloneImage& image, int n);
int SetFleetLinkAniTransmitAlt(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetFleetLinkPttSideTone(const CloneImage& image);
int SetFleetLinkPttSideTone(CloneImage& image, std::uint32_t value);
std::uint32_t GetFleetLinkPttSideToneAlt(const CloneImage& image, int n);
int SetFleetLinkPttSideToneAlt(CloneImage& image, int n, std::uint32_t value);

// ---- MDC1200 call records (n = call 0-15) ---------------------------------------------
// The tag bytes one by one, for copying records item by item.
std::uint32_t GetMdc1200CallId(const CloneImage& image, int n);
int SetMdc1200CallId(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallNotInUse(const CloneImage& image, int n);
int SetMdc1200CallNotInUse(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallType(const CloneImage& image, int n);
int SetMdc1200CallType(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallAckExp(const CloneImage& image, int n);
int SetMdc1200CallAckExp(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallRingTone(const CloneImage& image, int n);
int SetMdc1200CallRingTone(CloneImage& image, int n, std::uint32_t value);
// Text: converted through the current tag character rule both ways.
std::string GetMdc1200CallTag(const CloneImage& image, int n);
int SetMdc1200CallTag(CloneImage& image, int n, std::string_view text);
std::uint32_t GetMdc1200CallTagByte0(const CloneImage& image, int n);
int SetMdc1200CallTagByte0(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte1(const CloneImage& image, int n);
int SetMdc1200CallTagByte1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte2(const CloneImage& image, int n);
int SetMdc1200CallTagByte2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte3(const CloneImage& image, int n);
int SetMdc1200CallTagByte3(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte4(const CloneImage& image, int n);
int SetMdc1200CallTagByte4(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte5(const CloneImage& image, int n);
int SetMdc1200CallTagByte5(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte6(const CloneImage& image, int n);
int SetMdc1200CallTagByte6(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetMdc1200CallTagByte7(const CloneImage& image, int n);
int SetMdc1200CallTagByte7(CloneImage& image, int n, std::uint32_t value);

// ---- DTMF paging (page code digits: n = page code 0-9) --------------------------------
std::uint32_t GetDtmfAniType(const CloneImage& image);
int SetDtmfAniType(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfAutoResetBeep(const CloneImage& image);
int SetDtmfAutoResetBeep(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfAutoResetTime(const CloneImage& image);
int SetDtmfAutoResetTime(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfSeparateCode(const CloneImage& image);
int SetDtmfSeparateCode(CloneImage& image, std::uint32_t value);
std::uint32_t GetDtmfPageCodeDigit1(const CloneImage& image, int n);
int SetDtmfPageCodeDigit1(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetDtmfPageCodeDigit2(const CloneImage& image, int n);
int SetDtmfPageCodeDigit2(CloneImage& image, int n, std::uint32_t value);
std::uint32_t GetDtmfPageCodeDigit3(const CloneImage& image, int n);
int SetDtmfPageCodeDigit3(CloneImage& image, int n, std::uint32_t value);

}  // namespace ItemMap
