#include "image/ItemsSignalling.h"

#include "image/ItemAccessors.h"
#include "image/TagCharRule.h"

namespace ItemMap {

namespace {
// MDC1200 systems 0-2 (the call keys follow them) and calls 0-15 (the DTMF
// paging area follows them).
constexpr RecordTable kMdc1200SystemRecords{16, 3};
constexpr RecordTable kMdc1200CallRecords{16, 16};
// FleetLink records 0-7 (the MDC1200 calls follow at 0x2980) and the ten DTMF
// page codes, two bytes apart.
constexpr RecordTable kFleetLinkRecords{16, 8};
constexpr RecordTable kDtmfPageCodes{2, 10};
}  // namespace

std::uint32_t GetDtmfKeypad(const CloneImage& image) {
    return GetSingle(DtmfItems[0], image);
}
int SetDtmfKeypad(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[0], image, value);
}
std::uint32_t GetDtmfSideToneMonitor(const CloneImage& image) {
    return GetSingle(DtmfItems[1], image);
}
int SetDtmfSideToneMonitor(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[1], image, value);
}
std::uint32_t GetDtmfPauseTime(const CloneImage& image) {
    return GetSingle(DtmfItems[4], image);
}
int SetDtmfPauseTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[4], image, value);
}
std::uint32_t GetDtmfDelayTime(const CloneImage& image) {
    return GetSingle(DtmfItems[5], image);
}
int SetDtmfDelayTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[5], image, value);
}
std::uint32_t GetDtmfSpeed(const CloneImage& image) {
    return GetSingle(DtmfItems[6], image);
}
int SetDtmfSpeed(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[6], image, value);
}
std::string GetDtmfCode1Tag(const CloneImage& image) {
    return GetText8(DtmfItems[7], image);
}
int SetDtmfCode1Tag(CloneImage& image, std::string_view text) {
    return SetText8(DtmfItems[7], image, text);
}
int GetDtmfCode1(const CloneImage& image, std::uint8_t* buffer) {
    return GetRaw8(DtmfItems[8], image, buffer);
}
int SetDtmfCode1(CloneImage& image, const std::uint8_t* buffer) {
    return SetRaw8(DtmfItems[8], image, buffer);
}
std::string GetDtmfCode2Tag(const CloneImage& image) {
    return GetText8(DtmfItems[9], image);
}
int SetDtmfCode2Tag(CloneImage& image, std::string_view text) {
    return SetText8(DtmfItems[9], image, text);
}
int GetDtmfCode2(const CloneImage& image, std::uint8_t* buffer) {
    return GetRaw8(DtmfItems[10], image, buffer);
}
int SetDtmfCode2(CloneImage& image, const std::uint8_t* buffer) {
    return SetRaw8(DtmfItems[10], image, buffer);
}
std::string GetDtmfCode3Tag(const CloneImage& image) {
    return GetText8(DtmfItems[11], image);
}
int SetDtmfCode3Tag(CloneImage& image, std::string_view text) {
    return SetText8(DtmfItems[11], image, text);
}
int GetDtmfCode3(const CloneImage& image, std::uint8_t* buffer) {
    return GetRaw8(DtmfItems[12], image, buffer);
}
int SetDtmfCode3(CloneImage& image, const std::uint8_t* buffer) {
    return SetRaw8(DtmfItems[12], image, buffer);
}
std::string GetDtmfCode4Tag(const CloneImage& image) {
    return GetText8(DtmfItems[13], image);
}
int SetDtmfCode4Tag(CloneImage& image, std::string_view text) {
    return SetText8(DtmfItems[13], image, text);
}
int GetDtmfCode4(const CloneImage& image, std::uint8_t* buffer) {
    return GetRaw8(DtmfItems[14], image, buffer);
}
int SetDtmfCode4(CloneImage& image, const std::uint8_t* buffer) {
    return SetRaw8(DtmfItems[14], image, buffer);
}
std::string GetDtmfCode5Tag(const CloneImage& image) {
    return GetText8(DtmfItems[15], image);
}
int SetDtmfCode5Tag(CloneImage& image, std::string_view text) {
    return SetText8(DtmfItems[15], image, text);
}
int GetDtmfCode5(const CloneImage& image, std::uint8_t* buffer) {
    return GetRaw8(DtmfItems[16], image, buffer);
}
int SetDtmfCode5(CloneImage& image, const std::uint8_t* buffer) {
    return SetRaw8(DtmfItems[16], image, buffer);
}
std::uint32_t GetDtmfAniTransmit(const CloneImage& image) {
    return GetSingle(DtmfItems[18], image);
}
int SetDtmfAniTransmit(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[18], image, value);
}
std::uint32_t GetDtmfAniDelayTime(const CloneImage& image) {
    return GetSingle(DtmfItems[19], image);
}
int SetDtmfAniDelayTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[19], image, value);
}
std::uint32_t GetDtmfAniSpeed(const CloneImage& image) {
    return GetSingle(DtmfItems[20], image);
}
int SetDtmfAniSpeed(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfItems[20], image, value);
}
int GetDtmfAniCode(const CloneImage& image, std::uint8_t* buffer) {
    return GetRaw8(DtmfItems[21], image, buffer);
}
int SetDtmfAniCode(CloneImage& image, const std::uint8_t* buffer) {
    return SetRaw8(DtmfItems[21], image, buffer);
}

std::uint32_t GetMdc1200PrimaryId(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[0], image, n, kMdc1200SystemRecords);
}
int SetMdc1200PrimaryId(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[0], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200Wildcard(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[1], image, n, kMdc1200SystemRecords);
}
int SetMdc1200Wildcard(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[1], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200GroupId(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[2], image, n, kMdc1200SystemRecords);
}
int SetMdc1200GroupId(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[2], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AniTrans(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[3], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AniTrans(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[3], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200PlTransmit(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[4], image, n, kMdc1200SystemRecords);
}
int SetMdc1200PlTransmit(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[4], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200DisplayDecodeId(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[5], image, n, kMdc1200SystemRecords);
}
int SetMdc1200DisplayDecodeId(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[5], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200CallAlertType(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[6], image, n, kMdc1200SystemRecords);
}
int SetMdc1200CallAlertType(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[6], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200CtcssDcsComplement(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[7], image, n, kMdc1200SystemRecords);
}
int SetMdc1200CtcssDcsComplement(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[7], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200BasicSelCall(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[8], image, n, kMdc1200SystemRecords);
}
int SetMdc1200BasicSelCall(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[8], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200TranspondLed(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[9], image, n, kMdc1200SystemRecords);
}
int SetMdc1200TranspondLed(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[9], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200DecodeLedMode(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[10], image, n, kMdc1200SystemRecords);
}
int SetMdc1200DecodeLedMode(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[10], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AlertMode(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[11], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AlertMode(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[11], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200Duty(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[12], image, n, kMdc1200SystemRecords);
}
int SetMdc1200Duty(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[12], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200PttSideTone(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[13], image, n, kMdc1200SystemRecords);
}
int SetMdc1200PttSideTone(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[13], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200CourtesyTone(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[14], image, n, kMdc1200SystemRecords);
}
int SetMdc1200CourtesyTone(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[14], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200ReleaseAniDisp(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[15], image, n, kMdc1200SystemRecords);
}
int SetMdc1200ReleaseAniDisp(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[15], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200PreambleBitSync(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[16], image, n, kMdc1200SystemRecords);
}
int SetMdc1200PreambleBitSync(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[16], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200LeadInDelayTime(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[17], image, n, kMdc1200SystemRecords);
}
int SetMdc1200LeadInDelayTime(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[17], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200DosAutoMuteDuration(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[18], image, n, kMdc1200SystemRecords);
}
int SetMdc1200DosAutoMuteDuration(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[18], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200DosCoastDuration(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[19], image, n, kMdc1200SystemRecords);
}
int SetMdc1200DosCoastDuration(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[19], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AckDecodeTime(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[20], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AckDecodeTime(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[20], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200TranspondDelayTime(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[21], image, n, kMdc1200SystemRecords);
}
int SetMdc1200TranspondDelayTime(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[21], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AniLockoutPeriod(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[22], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AniLockoutPeriod(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[22], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200ClearToTranspond(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[23], image, n, kMdc1200SystemRecords);
}
int SetMdc1200ClearToTranspond(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[23], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200BeepToneType(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[24], image, n, kMdc1200SystemRecords);
}
int SetMdc1200BeepToneType(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[24], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AutoResetBeep(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[25], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AutoResetBeep(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[25], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AlertRepeatTime(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[26], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AlertRepeatTime(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[26], image, n, kMdc1200SystemRecords, value);
}
std::uint32_t GetMdc1200AutoResetTime(const CloneImage& image, int n) {
    return GetRecord(Mdc1200SystemItems[27], image, n, kMdc1200SystemRecords);
}
int SetMdc1200AutoResetTime(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200SystemItems[27], image, n, kMdc1200SystemRecords, value);
}

std::uint32_t GetMdc1200CallKey1Type(const CloneImage& image) {
    return GetSingle(Mdc1200CallKeyItems[0], image);
}
int SetMdc1200CallKey1Type(CloneImage& image, std::uint32_t value) {
    return SetSingle(Mdc1200CallKeyItems[0], image, value);
}
std::uint32_t GetMdc1200CallKey1Id(const CloneImage& image) {
    return GetSingle(Mdc1200CallKeyItems[1], image);
}
int SetMdc1200CallKey1Id(CloneImage& image, std::uint32_t value) {
    return SetSingle(Mdc1200CallKeyItems[1], image, value);
}
std::uint32_t GetMdc1200CallKey2Type(const CloneImage& image) {
    return GetSingle(Mdc1200CallKeyItems[2], image);
}
int SetMdc1200CallKey2Type(CloneImage& image, std::uint32_t value) {
    return SetSingle(Mdc1200CallKeyItems[2], image, value);
}
std::uint32_t GetMdc1200CallKey2Id(const CloneImage& image) {
    return GetSingle(Mdc1200CallKeyItems[3], image);
}
int SetMdc1200CallKey2Id(CloneImage& image, std::uint32_t value) {
    return SetSingle(Mdc1200CallKeyItems[3], image, value);
}
std::uint32_t GetMdc1200CallKey3Type(const CloneImage& image) {
    return GetSingle(Mdc1200CallKeyItems[4], image);
}
int SetMdc1200CallKey3Type(CloneImage& image, std::uint32_t value) {
    return SetSingle(Mdc1200CallKeyItems[4], image, value);
}
std::uint32_t GetMdc1200CallKey3Id(const CloneImage& image) {
    return GetSingle(Mdc1200CallKeyItems[5], image);
}
int SetMdc1200CallKey3Id(CloneImage& image, std::uint32_t value) {
    return SetSingle(Mdc1200CallKeyItems[5], image, value);
}

std::uint32_t GetFleetLinkAniTransmit(const CloneImage& image) {
    return GetSingle(FleetLinkItems[0], image);
}
int SetFleetLinkAniTransmit(CloneImage& image, std::uint32_t value) {
    return SetSingle(FleetLinkItems[0], image, value);
}
std::uint32_t GetFleetLinkAniTransmitAlt(const CloneImage& image, int n) {
    return GetRecord(FleetLinkItems[0], image, n, kFleetLinkRecords);
}
int SetFleetLinkAniTransmitAlt(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(FleetLinkItems[0], image, n, kFleetLinkRecords, value);
}
std::uint32_t GetFleetLinkPttSideTone(const CloneImage& image) {
    return GetSingle(FleetLinkItems[1], image);
}
int SetFleetLinkPttSideTone(CloneImage& image, std::uint32_t value) {
    return SetSingle(FleetLinkItems[1], image, value);
}
std::uint32_t GetFleetLinkPttSideToneAlt(const CloneImage& image, int n) {
    return GetRecord(FleetLinkItems[1], image, n, kFleetLinkRecords);
}
int SetFleetLinkPttSideToneAlt(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(FleetLinkItems[1], image, n, kFleetLinkRecords, value);
}

std::uint32_t GetMdc1200CallId(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[0], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallId(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[0], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallNotInUse(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[1], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallNotInUse(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[1], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallType(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[2], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallType(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[2], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallAckExp(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[3], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallAckExp(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[3], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallRingTone(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[4], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallRingTone(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[4], image, n, kMdc1200CallRecords, value);
}
std::string GetMdc1200CallTag(const CloneImage& image, int n) {
    return TagCodesToText(GetText8(Mdc1200CallItems[5], image, n, kMdc1200CallRecords));
}
int SetMdc1200CallTag(CloneImage& image, int n, std::string_view text) {
    return SetText8(Mdc1200CallItems[5], image, n, kMdc1200CallRecords, TagTextToCodes(text));
}
std::uint32_t GetMdc1200CallTagByte0(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[5], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte0(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[5], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte1(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[6], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[6], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte2(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[7], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[7], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte3(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[8], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[8], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte4(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[9], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte4(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[9], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte5(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[10], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte5(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[10], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte6(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[11], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte6(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[11], image, n, kMdc1200CallRecords, value);
}
std::uint32_t GetMdc1200CallTagByte7(const CloneImage& image, int n) {
    return GetRecord(Mdc1200CallItems[12], image, n, kMdc1200CallRecords);
}
int SetMdc1200CallTagByte7(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(Mdc1200CallItems[12], image, n, kMdc1200CallRecords, value);
}

std::uint32_t GetDtmfAniType(const CloneImage& image) {
    return GetSingle(DtmfPageItems[0], image);
}
int SetDtmfAniType(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfPageItems[0], image, value);
}
std::uint32_t GetDtmfAutoResetBeep(const CloneImage& image) {
    return GetSingle(DtmfPageItems[1], image);
}
int SetDtmfAutoResetBeep(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfPageItems[1], image, value);
}
std::uint32_t GetDtmfAutoResetTime(const CloneImage& image) {
    return GetSingle(DtmfPageItems[2], image);
}
int SetDtmfAutoResetTime(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfPageItems[2], image, value);
}
std::uint32_t GetDtmfSeparateCode(const CloneImage& image) {
    return GetSingle(DtmfPageItems[3], image);
}
int SetDtmfSeparateCode(CloneImage& image, std::uint32_t value) {
    return SetSingle(DtmfPageItems[3], image, value);
}
std::uint32_t GetDtmfPageCodeDigit1(const CloneImage& image, int n) {
    return GetRecord(DtmfPageItems[4], image, n, kDtmfPageCodes);
}
int SetDtmfPageCodeDigit1(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(DtmfPageItems[4], image, n, kDtmfPageCodes, value);
}
std::uint32_t GetDtmfPageCodeDigit2(const CloneImage& image, int n) {
    return GetRecord(DtmfPageItems[5], image, n, kDtmfPageCodes);
}
int SetDtmfPageCodeDigit2(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(DtmfPageItems[5], image, n, kDtmfPageCodes, value);
}
std::uint32_t GetDtmfPageCodeDigit3(const CloneImage& image, int n) {
    return GetRecord(DtmfPageItems[6], image, n, kDtmfPageCodes);
}
int SetDtmfPageCodeDigit3(CloneImage& image, int n, std::uint32_t value) {
    return SetRecord(DtmfPageItems[6], image, n, kDtmfPageCodes, value);
}

}  // namespace ItemMap
