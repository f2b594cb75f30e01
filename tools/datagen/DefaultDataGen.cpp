// Writes the six default data files the program starts a new document from,
// one per model variant: zt_datagen <output folder>.
//
// Each file is an erased image with the variant's identity, the model's
// capacities, a hardware description for its band and channel 1 in use. The
// image is written only through the image library, like any document.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "alignment/AlignmentFiles.h"
#include "image/Image.h"

namespace {

// ---------------------------------------------------------------------------
// SYNTHETIC hardware descriptions. These are NOT factory data of any real
// radio. They are chosen to be plausible and self-consistent:
//  * a 15.36 MHz reference crystal divided by 3, 6, 12 or 24 gives
//    comparison steps of 5.12, 2.56, 1.28 and 0.64 MHz; one 2^-18 fraction of
//    each (19.53, 9.77, 4.88, 2.44 Hz) divides 1.25 kHz, so every frequency
//    on any channel-step grid is held exactly by the synthesiser words;
//  * the 50.85 MHz first IF is a multiple of 1.25 kHz, so receive frequencies
//    are exact too; VHF injects above the channel (local offset 1), UHF below;
//  * the 1.25 kHz step is not offered (CH Step mask bit 8);
//  * both tone reference clocks run at 11.0592 MHz.
// ---------------------------------------------------------------------------
struct BandHardware {
    const char* name;
    std::uint32_t min100kHz;  // band limits, units of 100 kHz
    std::uint32_t max100kHz;
    std::uint32_t xtalKHz;      // reference crystal
    std::uint32_t firstIfKHz;   // first IF
    std::uint32_t localOffset;  // 1: receive synthesiser above the channel
    std::uint32_t dividers[8];  // PLL REF 0-7
    std::uint32_t stepMask;     // CH Step: a set bit withdraws a step
    std::uint32_t toneClockHz;  // 2-tone and 5-tone reference clocks
    double channel1MHz;         // channel 1, receive and transmit
};

// clang-format off
constexpr BandHardware kBands[] = {
//   name     min   max   xtal   IF     LO  dividers                        step  tone clock  CH 1
    {"VHF",   1360, 1740, 15360, 50850, 1, {3, 6, 12, 24, 3, 6, 12, 24}, 0x8, 11059200, 150.000},
    {"UHF a", 4000, 4400, 15360, 50850, 0, {3, 6, 12, 24, 3, 6, 12, 24}, 0x8, 11059200, 420.000},
    {"UHF d", 4400, 4700, 15360, 50850, 0, {3, 6, 12, 24, 3, 6, 12, 24}, 0x8, 11059200, 450.000},
};
// clang-format on

// The variant rows: identity comes from the model table, the band from here.
struct VariantFile {
    int variantCode;
    std::uint32_t radioTypeCode;
    int band;  // index into kBands
};
constexpr VariantFile kFiles[] = {
    {0, Model::TypeCodeZT610, 0}, {1, Model::TypeCodeZT610, 1}, {2, Model::TypeCodeZT610, 2},
    {3, Model::TypeCodeZT640, 0}, {4, Model::TypeCodeZT640, 1}, {5, Model::TypeCodeZT640, 2},
};

// Firmware 1.90.00.00 (BCD bytes): the newest version any feature gate asks
// for, so every firmware-dependent screen and item is offered.
constexpr std::uint32_t kFirmware[4] = {0x01, 0x90, 0x00, 0x00};

constexpr const char* kChannel1Name = "CH 1";

// Fixed date, normal mode; any message is a generator fault.
class GeneratorHost : public ImageHost {
  public:
    std::tm Now() const override {
        std::tm t{};
        t.tm_year = 2026 - 1900;
        t.tm_mday = 1;
        return t;
    }
    int Message(int rid, std::string_view builtin, std::string_view suffix, unsigned style) override {
        ++messages;
        return ImageHost::Message(rid, builtin, suffix, style);
    }
    int messages = 0;
};

const Model::VariantRow* VariantRowOf(int code) {
    for (const auto& row : Model::VariantTable)
        if (row.code == code) return &row;
    return nullptr;
}

void WriteIdentity(CloneImage& image, const Model::VariantRow& row, std::uint32_t typeCode) {
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[0], image, kFirmware[0]);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[1], image, kFirmware[1]);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[2], image, typeCode);
    ItemMap::SetVariantByte(image, 0);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[4], image, kFirmware[2]);
    ItemMap::SetSingle(ItemMap::HeaderInfoItems[5], image, kFirmware[3]);

    ItemMap::SetProductType(image, static_cast<std::uint32_t>(row.productType));
    ItemMap::SetSingle(ItemMap::HardwareItems[2], image, static_cast<std::uint32_t>(row.byte2401Low));
    ItemMap::SetBandType(image, static_cast<std::uint32_t>(row.bandType));
    ItemMap::SetFrequencyType(image, static_cast<std::uint32_t>(row.frequencyType));
    ItemMap::SetKeypadType(image, static_cast<std::uint32_t>(row.keypadType));
    ItemMap::SetDisplayType(image, static_cast<std::uint32_t>(row.displayType));
    ItemMap::SetWideBandPermit(image, 0);
}

void WriteHardware(CloneImage& image, const BandHardware& hw) {
    ItemMap::SetMinFrequency(image, hw.min100kHz);
    ItemMap::SetMaxFrequency(image, hw.max100kHz);
    ItemMap::SetReferenceXtalFrequency(image, hw.xtalKHz);
    ItemMap::SetFirstIfFrequency(image, hw.firstIfKHz);
    ItemMap::SetLocalOffset(image, hw.localOffset);
    for (int k = 0; k < 8; ++k) ItemMap::SetSingle(ItemMap::HardwareItems[86 + k], image, hw.dividers[k]);
    ItemMap::SetStandardRxPllRef(image, 0);
    ItemMap::SetStandardTxPllRef(image, 0);
    ItemMap::SetChannelStep(image, hw.stepMask);
    ItemMap::SetTone2ReferenceClock(image, hw.toneClockHz);
    ItemMap::SetTone5ReferenceClock(image, hw.toneClockHz);
}

// Radio-wide settings that the built screens read, each with its choice:
//  * One Group Mode (block 8, 0x128 bit 1) = 0 "Disable": the radio uses the
//    whole group table. Erased (1) it would lock CH Status and Scan Group in
//    the channel editor and withdraw "Scan" from Auto Scan.
// The other radio-wide settings stay erased until a screen that shows them
// gives them a choice here.
void WriteRadioSettings(CloneImage& image) {
    ItemMap::SetOneGroupMode(image, 0);
}

// Groups below the model's group count list their 16 channels in order.
void WriteGroups(CloneImage& image) {
    const int groups = static_cast<int>(ItemMap::GetMaxGroup(image));
    for (int g = 0; g < 8; ++g)
        for (int k = 0; k < 16; ++k)
            ItemMap::WriteIndexedItem(image, g, k,
                                      g < groups ? static_cast<std::uint32_t>(16 * g + k) : 0xFF);
}

bool WriteChannel1(CloneImage& image, double mhz) {
    for (const auto& item : ItemMap::ChannelItems) ItemMap::WriteChannelField(item, image, 0, 0);
    ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], image, 0, 0);
    ItemMap::SetChannelScanZoneBit(image, 0, 0);
    Channel::SetTag(image, 0, kChannel1Name);
    Channel::SetBandwidth(image, 0, 2);
    return Channel::SetRxFrequency(image, 0, mhz) && Channel::SetTxFrequency(image, 0, mhz);
}

// The other channels hold channel 1's settings without a name and stay out of
// use, so that a channel taken into use starts from sensible values instead
// of erased memory.
void WriteUnusedChannels(CloneImage& image) {
    for (int c = 1; c < ItemMap::ChannelCount; ++c) {
        for (const auto& item : ItemMap::ChannelItems)
            ItemMap::WriteChannelField(item, image, c, ItemMap::ReadChannelField(item, image, 0));
        Channel::SetTag(image, c, "");
    }
}

// Radio-wide settings, one documented choice per item that a settings
// dialog shows, so that every dialog opens with a value in each control.
void WriteRadioWideSettings(CloneImage& image) {
    // Power Saving.
    ItemMap::SetSystemSave(image, 0);                        // "Enable"
    ItemMap::SetRxSaveMode(image, 2);                        // "1:2"
    ItemMap::SetRxSaveOnTime(image, 4);                      // "100 msec"
    ItemMap::SetSingle(ItemMap::SystemItems[40], image, 5);  // backlight timer 5 s (1-15: timed)
    ItemMap::SetLcdKeyBacklight(image, 1);                   // "All Key ON"
    ItemMap::SetDimmerLevel(image, 2);                       // "ON", or "2" on a display with steps
    ItemMap::SetRxLcdKeyLighting(image, 0);                  // "Enable"
    ItemMap::SetTrxLedLighting(image, 0);                    // "Enable"
    ItemMap::SetLowBatteryAlert(image, 0);                   // "Enable"
    ItemMap::SetTxLowBatteryAlert(image, 0);                 // "Enable"
    ItemMap::SetLowBatteryAlertInterval(image, 1);           // "2 sec"
    ItemMap::SetText4000(image, TagTextToCodes("WELCOME"));  // power-on tag
    // TOT Penalty and Release Timer are channel fields: 0 ("0 sec") with
    // channel 1's settings.

    // Password: switched off ("Disable"), digits "000000".
    ItemMap::SetProgrammingPasswordOn(image, 1);
    for (auto set : {ItemMap::SetProgrammingPasswordDigit1, ItemMap::SetProgrammingPasswordDigit2,
                     ItemMap::SetProgrammingPasswordDigit3, ItemMap::SetProgrammingPasswordDigit4,
                     ItemMap::SetProgrammingPasswordDigit5, ItemMap::SetProgrammingPasswordDigit6})
        set(image, 0);

    // Scanning: the eight scan records and the group-scan record alike. The
    // radio scans its groups: one-group mode off, else the scan settings
    // could not be changed.
    ItemMap::SetOneGroupMode(image, 0);
    for (int n = 0; n < 8; ++n) {
        ItemMap::SetScanType(image, n, 1);                // "Scan"
        ItemMap::SetScanTalkBack(image, n, 1);            // off
        ItemMap::SetScanRevertCh(image, n, 2);            // "Start CH" ("CH Position" where offered)
        ItemMap::SetScanPriorityCheckTime(image, n, 10);  // "1.0 sec"
        ItemMap::SetScanSelectCh1(image, n, 0);           // group 1
        ItemMap::SetScanSelectCh2(image, n, 0);           // its first channel
        ItemMap::SetScanPriorityCh2Scan(image, n, 1);     // off
        ItemMap::SetScanBeep(image, n, 0);                // on
        ItemMap::SetScanEdit(image, n, 1);                // off
        ItemMap::SetScanDisplay(image, n, 0);             // "-SCAN-"
        ItemMap::SetScanResumeTime1(image, n, 4);         // "1.0 sec" (value: quarter seconds)
        ItemMap::SetScanResumeTime2(image, n, 10);        // "2.5 sec"
    }
    ItemMap::SetGroupScanTalkBack(image, 1);
    ItemMap::SetGroupScanRevertCh(image, 2);
    ItemMap::SetGroupScanPriorityCheckTime(image, 10);
    ItemMap::SetGroupScanSelectCh1(image, 0);
    ItemMap::SetGroupScanSelectCh2(image, 0);
    ItemMap::SetGroupScanPriorityCh2Scan(image, 1);
    ItemMap::SetGroupScanBeep(image, 0);
    ItemMap::SetGroupScanEdit(image, 1);
    ItemMap::SetGroupScanDisplay(image, 0);
    ItemMap::SetGroupScanResumeTime1(image, 4);
    ItemMap::SetGroupScanResumeTime2(image, 10);
    ItemMap::SetDualWatchTime(image, 10);                    // "1.0 sec"
    ItemMap::SetSingle(ItemMap::SystemItems[66], image, 1);  // FM Scan PRI Overwrite "Disable"
    ItemMap::SetSingle(ItemMap::SystemItems[45], image, 0);  // PRI CH Beep "Enable"

    // Marketing: programmed 2026/01/01 (BCD YYMMDD) by version 1.00; the
    // FCC narrow-band note is the wide-band permit above. The serial number
    // and model code stay erased: they belong to one radio and the factory
    // writes them.
    const std::uint32_t programmed[] = {0x26, 0x01, 0x01, 0x01, 0x00};  // block 8, 0x100-0x104
    for (std::size_t i = 0; i < 5; ++i) ItemMap::SetSingle(ItemMap::SystemItems[1 + i], image, programmed[i]);

    // Front Panel: no lock; each microphone gain at its aligned reference
    // ("Standard"); one-group mode off (above).
    ItemMap::SetPttLock(image, 1);                  // "Disable"
    ItemMap::SetDialLock(image, 1);                 // "Disable"
    ItemMap::SetKeyLock(image, 1);                  // "Disable"
    ItemMap::SetInternalMicGain(image, ItemMap::GetAlignIntMicGain(image));
    ItemMap::SetExtMicGain(image, ItemMap::GetAlignExtMicGain(image));
    ItemMap::SetExtMicGain2(image, ItemMap::GetAlignExtMicGain2(image));
    ItemMap::SetRotarySelectorMode(image, 0);       // "Channel"
    ItemMap::SetChSelectorChMode(image, 0);         // "Group"
    ItemMap::SetVoxMicSelect(image, 0);             // "Front MIC"
    ItemMap::SetRotarySwAction(image, 1);           // "SW"
    ItemMap::SetPanelLedA(image, 0);                // "None"
    ItemMap::SetPanelLedB(image, 0);                // "None"
    ItemMap::SetLcdContrast(image, 8);              // "8"
    ItemMap::SetKeyHoldingTime(image, 15);          // "150 msec"
    ItemMap::SetUserLedOnTime(image, 50);           // 500 msec
    ItemMap::SetUserLedOffTime(image, 50);          // 500 msec
    ItemMap::SetVoxAttackTime(image, 10);           // 100 msec
    ItemMap::SetVoxReleaseTime(image, 50);          // 500 msec
    ItemMap::SetLedColorLowBattery(image, 1);       // "Red"
    ItemMap::SetLedColorTx(image, 1);               // "Red"
    for (auto set : {ItemMap::SetLedColorSqlOpenBusy, ItemMap::SetLedColorMonitor, ItemMap::SetLedColorScan,
                     ItemMap::SetLedColorGroup2, ItemMap::SetLedColorEncryption, ItemMap::SetLedColorLowPower,
                     ItemMap::SetLedColorVox})
        set(image, 2);                              // "Green"

    // Hardware: squelch and VOX timing a radio can use, normal DCS data,
    // safety type "Normal", no option board, channel selection by up/down
    // key. Product Name (0x106-0x107) stays erased with the serial number
    // it shares its bytes with: the factory writes both.
    ItemMap::SetSqlStabilityTime(image, 10);   // 10 msec
    ItemMap::SetSqlReleaseTime(image, 8);      // 40 msec (units of 5)
    ItemMap::SetSqlAttackTime(image, 4);       // 20 msec (units of 5)
    ItemMap::SetSqlHysteresis(image, 5);       // 5
    ItemMap::SetVoxHysteresis(image, 3);       // "3"
    ItemMap::SetVoxOffsetStep(image, 0);       // "1"
    ItemMap::SetRxDcsData(image, 0);           // "Normal"
    ItemMap::SetTxDcsData(image, 0);           // "Normal"
    ItemMap::SetSafetyType(image, 0);          // "Normal"
    ItemMap::SetOptionBoard(image, 0);         // "None"
    ItemMap::SetChSelectorType(image, 1);      // "Up/Down Key"
    ItemMap::SetDisplayDigit(image, 7);        // "8"

    // Emergency: sent on the current channel, back to the start channel;
    // group 1 position 1 preset for "Select CH"; key held 1 sec, no limit,
    // 10 sec TX and RX; silent mode off; normal audio, keys and MIC level,
    // alert "Tone1", backlight "ON", display "Emergency TAG", LED "Blink"
    // green, receive flash on, lone worker 10 min; no DTMF code; tag
    // "EMG CALL".
    ItemMap::SetEmergencyRevertCh(image, 3);          // "Start CH"
    ItemMap::SetEmergencyChannel(image, 0);           // "Current CH"
    ItemMap::SetEmergencySelectZone(image, 0);        // group 1
    ItemMap::SetEmergencySelectChannel(image, 0);     // position 1
    ItemMap::SetEmergencyKeyHoldTime(image, 10);      // "1 sec"
    ItemMap::SetEmergencyContinuousTime(image, 0);    // "No Limit"
    ItemMap::SetEmergencyTxTime(image, 10);           // "10 sec"
    ItemMap::SetEmergencyRxTime(image, 10);           // "10 sec"
    ItemMap::SetEmergencySilentMode(image, 0);        // "Disable"
    ItemMap::SetEmergencyMicLevel(image, 0);          // "Normal"
    ItemMap::SetSingle(ItemMap::SystemItems[147], image, 0);  // alert on ...
    ItemMap::SetSingle(ItemMap::SystemItems[146], image, 0);  // ... "Tone1"
    ItemMap::SetEmergencyAf(image, 0);                // "Normal"
    ItemMap::SetEmergencyLcdBacklight(image, 3);      // "ON"
    ItemMap::SetEmergencyKeyInhibit(image, 0);        // "Disable"
    ItemMap::SetEmergencyDisplay(image, 1);           // "Emergency TAG"
    ItemMap::SetEmergencyLed(image, 3);               // "Blink" ...
    ItemMap::SetSingle(ItemMap::SystemItems[138], image, 1);  // ... colour 2 "Green"
    ItemMap::SetSingle(ItemMap::SystemItems[139], image, 0);
    ItemMap::SetEmergencyReceiveFlash(image, 0);      // "Enable"
    ItemMap::SetLoneWorkerTimer(image, 20);           // "10 min"
    const std::uint8_t noCode[8] = {};                // no digits
    ItemMap::WriteRaw8(ItemMap::DtmfItems[17], image, noCode);
    ItemMap::SetEmergencyTag(image, TagTextToCodes("EMG CALL", 8));
}

// Key functions: every key slot (block 8, 0x140-0x16F) "None" (0), but the
// portable's Side-1 press "Monitor" (1) and Side-2 press "Low Power" (4),
// which every portable key list offers. The default files are portables:
// from 0x170 their bytes hold the LED colours, not key slots.
void WriteKeyFunctions(CloneImage& image) {
    constexpr const ImageItemDescriptor& kKeySlot = ItemMap::SystemItems[71];  // slot n: index 1, stride n
    for (std::uint32_t slot = 0; slot < 0x30; ++slot) ItemMap::WriteImageField(kKeySlot, image, 1, slot, 0);
    ItemMap::WriteImageField(kKeySlot, image, 1, 0, 1);
    ItemMap::WriteImageField(kKeySlot, image, 1, 1, 4);
}

// The 2-tone settings and records. Every value is one the 2-tone screens
// offer, so that no cell or combo box of a new document shows empty:
//  * tone table: tones 0-9 empty (0xFFFF, shown 0.0); the user fills them;
//  * decode precision 1.0%, lead in/out 0 ms, beep repeat "Endless", call
//    beep level "AF Level", call key encode code "Disable";
//  * system s calls with encode record s ("Enc Code-s+1"), sync mute, duty,
//    PTT SW and C/D Comp not ticked, monitor and channel switch "-----", no
//    decode code ticked, tone periods 1.00 s, 1.00 s and none ("------"),
//    auto reset beep "Disable", auto reset time "Endless"; the header keeps
//    each call code (bytes 200-207) as the radio expects;
//  * encode and decode records: no tones ("-"), empty tags; decode: call
//    display OFF, AF mute Close, decode LED OFF, alert OFF (repeat Endless),
//    no beep.
void WriteTwoTone(CloneImage& image) {
    using ItemMap::Tone2Items;
    auto put = [&image](int ordinal, int record, std::uint32_t value) {
        ItemMap::WriteImageField(Tone2Items[ordinal], image, static_cast<std::uint32_t>(record), 16, value);
    };
    for (int k = 0; k < 16; ++k) ItemMap::SetPackBytesLE(image, k, 0xFFFF);
    ItemMap::SetTone2DecodePrecision(image, 10);
    put(1, 0, 0);
    put(2, 0, 0);
    ItemMap::SetTone2BeepRepeatInterval(image, 0);
    ItemMap::SetTone2CallBeepLevel(image, 255);
    ItemMap::SetTone2Call1To5EncodeCode(image, 255);
    constexpr HeaderItemDescriptor kCallCodeCopy{200, 1, 0xFF, 0, 0};
    for (int s = 0; s < 8; ++s) {
        put(6, s, static_cast<std::uint32_t>(s));  // call code
        put(7, s, 1);                              // sync mute: 1 = not ticked
        put(8, s, 0);                              // duty
        put(9, s, 1);                              // auto reset beep "Disable"
        put(10, s, 0);                             // auto reset time "Endless"
        put(11, s, 0);
        put(12, s, 0);
        put(13, s, 0);
        put(14, s, 1);  // C/D Comp: 1 = not ticked
        put(15, s, 20);
        put(16, s, 20);
        put(17, s, 0);
        for (int k = 0; k < 8; ++k) put(18 + k, s, 1);  // decode codes: 1 = not ticked
        ItemMap::WriteHeaderField(kCallCodeCopy, image, static_cast<std::uint32_t>(s), 1,
                                  static_cast<std::uint32_t>(s));
    }
    for (int n = 0; n < 8; ++n) {
        put(26, n, 255);
        put(27, n, 255);
        put(28, n, 1);  // call display OFF
        put(29, n, 1);  // AF mute Close
        put(30, n, 0);  // decode LED OFF: mode 0 with both companion bits 0
        put(31, n, 0);
        put(32, n, 0);
        put(33, n, 0);  // alert OFF
        put(34, n, 0);
        put(35, n, 0);  // no beep
        ItemMap::SetTone2DecodeTag(image, n, "");
        put(44, n, 255);
        put(45, n, 255);
        ItemMap::SetTone2EncodeTag(image, n, "");
    }
    TwoTone::RecalcToneRegisters(image);
}

// The data-signalling settings, each a value its dialog offers:
//  * DTMF dialing: keypad and side tone monitor "Enable", pause code
//    "Disable" with pause time 0 (the blank row that goes with it), delay
//    "100 mS", speed "50 mS", five empty codes (8 zero bytes) with blank tags;
//  * DTMF ANI: type "Page", transmit "Disable", delay "100 mS", speed
//    "50 mS (10 dig)", an empty code;
//  * DTMF paging: auto reset beep "Disable", auto reset time "Endless",
//    separate code "*", ten empty page codes (digits 15, 15, 15);
//  * FleetLink ANI: transmit "Disable", PTT side tone "Enable", fleet 100,
//    own ID 1000, lead-in delay 200 ms.
void WriteSignalling(CloneImage& image) {
    using ItemMap::DtmfItems;
    ItemMap::SetDtmfKeypad(image, 0);
    ItemMap::SetDtmfSideToneMonitor(image, 0);
    ItemMap::WriteImageField(DtmfItems[2], image, 0, 0, 1);  // pause code off
    ItemMap::WriteImageField(DtmfItems[3], image, 0, 0, 0);
    ItemMap::SetDtmfPauseTime(image, 0);
    ItemMap::SetDtmfDelayTime(image, 2);
    ItemMap::SetDtmfSpeed(image, 50);
    const std::uint8_t empty[8] = {};
    const std::string blankTag = TagTextToCodes("", 8);
    ItemMap::SetDtmfCode1(image, empty);
    ItemMap::SetDtmfCode2(image, empty);
    ItemMap::SetDtmfCode3(image, empty);
    ItemMap::SetDtmfCode4(image, empty);
    ItemMap::SetDtmfCode5(image, empty);
    ItemMap::SetDtmfCode1Tag(image, blankTag);
    ItemMap::SetDtmfCode2Tag(image, blankTag);
    ItemMap::SetDtmfCode3Tag(image, blankTag);
    ItemMap::SetDtmfCode4Tag(image, blankTag);
    ItemMap::SetDtmfCode5Tag(image, blankTag);

    ItemMap::SetDtmfAniType(image, 0);
    ItemMap::SetDtmfAniTransmit(image, 0);
    ItemMap::SetDtmfAniDelayTime(image, 2);
    ItemMap::SetDtmfAniSpeed(image, 50);
    ItemMap::SetDtmfAniCode(image, empty);

    ItemMap::SetDtmfAutoResetBeep(image, 1);
    ItemMap::SetDtmfAutoResetTime(image, 0);
    ItemMap::SetDtmfSeparateCode(image, 14);
    for (int n = 0; n < 10; ++n) {
        ItemMap::SetDtmfPageCodeDigit1(image, n, 15);
        ItemMap::SetDtmfPageCodeDigit2(image, n, 15);
        ItemMap::SetDtmfPageCodeDigit3(image, n, 15);
    }

    using ItemMap::FleetLinkItems;
    ItemMap::SetFleetLinkAniTransmit(image, 0);
    ItemMap::SetFleetLinkPttSideTone(image, 0);
    ItemMap::WriteImageField(FleetLinkItems[2], image, 0, 0, 1);     // fleet 100
    ItemMap::WriteImageFieldLE(FleetLinkItems[3], image, 0, 0, 1);   // own ID 1000
    ItemMap::WriteImageField(FleetLinkItems[4], image, 0, 0, 20);    // lead-in 200 ms
}

// The settings every 5-tone system shares (block 13 offsets 0x00-0x18), as a
// new radio leaves the factory:
//  * 5-Tone Setup "Simple"; TAG and ANI Display on; PTT Call "Disable"; Side
//    Tone "Mute"; Minimum Decode Digit "5"; Signaling Monitor Mode "Disable";
//    Repeat Tone "E"; Group Tone "A"; Last Gap Tone "No Tone"; Clear to
//    Transpond Time "Disable";
//  * Auto TX Time "Endless"; Lead In Delay, Extend 1st, 2nd Last Gap and Last
//    Gap "Disable"; Lead Out Delay "Disable"; ACK Decode Time "Disable";
//    Transpond ACK Re-Try "Disable"; Call 1-3 and Emergency Encode Code
//    "Disable";
//  * every Display and Compare Digit box ticked (masks 0); Beep Repeat
//    Interval "Endless"; Call Beep Level "AF Level"; TP40 1st Lead In Tone
//    "Disable"; 5-Tone Decode Precision "2.0 %"; Transpond Delay Time "0 msec".
void WriteFiveToneCommon(CloneImage& image) {
    ItemMap::SetTone5Setup(image, 0);
    ItemMap::SetTone5TagDisplay(image, 0);
    ItemMap::SetTone5AniDisplay(image, 0);
    ItemMap::SetTone5PttCall(image, 1);
    ItemMap::SetTone5SideTone(image, 0);
    ItemMap::SetTone5MinimumDecodeDigit(image, 4);
    ItemMap::SetTone5SignalingMonitorMode(image, 0);
    ItemMap::SetTone5RepeatTone(image, 14);
    ItemMap::SetTone5GroupTone(image, 10);
    ItemMap::SetTone5LastGapTone(image, 16);
    ItemMap::SetTone5ClearToTranspond(image, 0);
    ItemMap::SetTone5AutoTxTime(image, 255);
    ItemMap::SetTone5LeadInDelay(image, 0);
    ItemMap::SetTone5Extend1stToneTime(image, 0);
    ItemMap::SetTone5SecondLastGapTime(image, 0);
    ItemMap::SetTone5LastGapTime(image, 0);
    ItemMap::SetTone5LeadOutDelay(image, 0);
    ItemMap::SetTone5AckDecodeTime(image, 0);
    ItemMap::SetTone5TranspondAckRetry(image, 0);
    ItemMap::SetTone5Call1EncodeCode(image, 255);
    ItemMap::SetTone5Call2EncodeCode(image, 255);
    ItemMap::SetTone5Call3EncodeCode(image, 255);
    ItemMap::SetTone5EmergencyEncodeCode(image, 255);
    for (std::uint32_t offset : {0x12u, 0x13u})
        ItemMap::WriteImageField(ImageItemDescriptor{13, offset, 1, 0xFF, 0x00, 47}, image, 0, 0, 0);
    ItemMap::SetTone5BeepRepeatInterval(image, 0);
    ItemMap::SetTone5CallBeepLevel(image, 255);
    ItemMap::SetTone5Tp40LeadInToneTime(image, 0);
    ItemMap::SetTone5DecodePrecision(image, 20);
    ItemMap::SetTone5TranspondDelayTime(image, 0);
}

// Every frequency of the 1.25 kHz grid inside the band must come back exactly
// from the synthesiser words, in both directions and on every PLL REF 0-7.
bool GridRoundTrips(const CloneImage& image, const BandHardware& hw) {
    CloneImage scratch = image;
    const PllReference reference = CalcPLLFrequency::ReadReference(scratch);
    const std::int64_t first = std::int64_t{hw.min100kHz} * 100000,
                       last = std::int64_t{hw.max100kHz} * 100000;
    for (int pllRef = 0; pllRef < 8; ++pllRef) {
        ItemMap::SetChannelRxPllRefType(scratch, 0, static_cast<std::uint32_t>(pllRef));
        ItemMap::SetChannelTxPllRefType(scratch, 0, static_cast<std::uint32_t>(pllRef));
        // PLL REF 0 walks the whole grid, the others every 97th point.
        const std::int64_t stride = pllRef == 0 ? 1250 : 1250 * 97;
        for (std::int64_t hz = first; hz <= last; hz += stride) {
            for (int direction : {DirectionRx, DirectionTx}) {
                const double mhz = static_cast<double>(hz) / 1e6;
                if (!CalcPLLFrequency::UpdateChannelFrequency(scratch, direction, 0, reference, mhz) ||
                    RoundHalfUp(CalcPLLFrequency::ChannelFrequency(&scratch, 0, direction) * 1e6) != hz) {
                    std::fprintf(stderr, "%s: %.6f MHz does not round-trip (PLL REF %d, direction %d)\n",
                                 hw.name, mhz, pllRef, direction);
                    return false;
                }
            }
        }
    }
    return true;
}

// SYNTHETIC alignment specification file of a variant ("Alignment Data/
// <name>.vdx"): the variant's default image with the alignment points in use.
// Records 0-15 (the wide points) and 16-31 (the narrow points, narrow
// bandwidth) lie at sixteen frequencies spread evenly over the band on the
// 12.5 kHz grid, named "AP01".."AP32"; words 20-23 and the nineteen radio
// information bytes of page 8 (0xE8-0xFA) hold 0. Not factory data.
bool WriteSpecification(const CloneImage& defaults, const BandHardware& hw,
                        const std::filesystem::path& folder) {
    CloneImage spec = defaults;
    const double low = hw.min100kHz / 10.0 + 1.0, high = hw.max100kHz / 10.0 - 1.0;
    for (int c = 0; c < 32; ++c) {
        for (const auto& item : ItemMap::ChannelItems)
            ItemMap::WriteChannelField(item, spec, c, ItemMap::ReadChannelField(item, spec, 0));
        const double mhz = std::round((low + (high - low) * (c % 16) / 15.0) * 80.0) / 80.0;
        char name[16];
        std::snprintf(name, sizeof name, "AP%02d", c + 1);
        Channel::SetTag(spec, c, name);
        Channel::SetBandwidth(spec, c, c < 16 ? 0 : 2);
        if (!Channel::SetRxFrequency(spec, c, mhz) || !Channel::SetTxFrequency(spec, c, mhz)) return false;
        ItemMap::WriteBit(ItemMap::ChannelBitmapItems[0], spec, c, 0);
    }
    for (int w = 20; w <= 23; ++w)
        ItemMap::WriteHeaderField({static_cast<std::uint32_t>(2 * w), 2, 0xFFFF, 0, 0}, spec, 0, 0, 0);
    for (std::uint32_t b = 0xE8; b <= 0xFA; ++b)
        ItemMap::WriteImageField({8, b, 1, 0xFF, 0, 0}, spec, 0, 0, 0);
    const std::string name = AlignmentFiles::SpecFileName(spec);
    if (name.empty()) return false;
    const auto specFolder = folder / AlignmentFiles::SpecFolderName;
    std::error_code ec;
    std::filesystem::create_directories(specFolder, ec);
    return FileUtil::SaveImageFile(spec, (specFolder / name).string()) == 1;
}

bool Generate(const VariantFile& file, const std::filesystem::path& folder, GeneratorHost& host) {
    const Model::VariantRow* row = VariantRowOf(file.variantCode);
    if (!row) return false;
    const BandHardware& hw = kBands[file.band];

    CloneImage image;
    WriteIdentity(image, *row, file.radioTypeCode);
    WriteHardware(image, hw);
    WriteRadioSettings(image);
    FileUtil::FindModelCodeByName(row->fileName, image);  // the model's capacities
    WriteGroups(image);
    if (!WriteChannel1(image, hw.channel1MHz)) {
        std::fprintf(stderr, "%s: channel 1 cannot be set to %.4f MHz\n", row->fileName, hw.channel1MHz);
        return false;
    }
    WriteUnusedChannels(image);
    WriteRadioWideSettings(image);
    WriteTwoTone(image);
    WriteKeyFunctions(image);
    WriteSignalling(image);
    WriteFiveToneCommon(image);
    Zone::RefreshValidBits(image);
    Channel::MarkBeyondCapacity(image);

    if (!GridRoundTrips(image, hw) || host.messages != 0) return false;
    if (Model::VariantCodeFromImage(image) != file.variantCode) {
        std::fprintf(stderr, "%s: identity does not name its own variant\n", row->fileName);
        return false;
    }
    if (!WriteSpecification(image, hw, folder)) {
        std::fprintf(stderr, "%s: the alignment specification file cannot be made\n", row->fileName);
        return false;
    }
    return FileUtil::SaveImageFile(image, (folder / row->fileName).string()) == 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    GeneratorHost host;
    SetHost(&host);
    int failures = 0;
    for (const auto& file : kFiles)
        if (!Generate(file, folder, host)) ++failures;
    SetHost(nullptr);
    return failures == 0 ? 0 : 1;
}
