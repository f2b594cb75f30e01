#pragma once
// What a user does to channels, without a window: the setters of the channel
// grid's columns (each keeps the dependent fields of the record consistent),
// the record moves of copy, paste, cut, insert and new, the group validity
// bits, and the image-wide fix-ups after a model conversion and before
// writing into the radio. Channel numbers are 0-127; the capacity is
// 8 x Max CH (taken as 0-16) channels.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"

namespace Channel {

// The empty member of a group list, as the group grid passes it.
inline constexpr int NoChannel = 0xFFFF;

// Number of channels the image's radio holds: 8 x Max CH (0-16).
int Capacity(const CloneImage& image);

// ---- Column setters ------------------------------------------------------

// "W/N": narrow (2) is written instead when the wide-band rule refuses; TX SPL
// follows a change between wide (0, 1) and narrow (2).
void SetBandwidth(CloneImage& image, int channel, int value);
void ForceNarrowBandwidth(CloneImage& image, int channel);
// The channel is wide (W/N 0 or 1) with its TX frequency in a narrowband band.
bool BandwidthCodeIsPlain(const CloneImage& image, int channel);

// "TAG": the name through the current tag character rule (8 radio codes).
void SetTag(CloneImage& image, int channel, std::string_view text);
std::string GetTag(const CloneImage& image, int channel);

// "Frequency" RX: snaps and stores the receive frequency, then sets TX to
// RX + the image's transmit offset (when that lies in the band), keeping the
// TX-set flag as it was. False and "Out of Frequency Range!" when the snapped
// frequency lies outside the image's band limits or the synthesiser cannot
// produce it; nothing is stored then.
bool SetRxFrequency(CloneImage& image, int channel, double mhz);
// "Frequency" TX: snaps and stores the transmit frequency and sets the TX-set
// flag; narrows the channel when the wide-band rule refuses. Refused as RX
// is (the message only when asked).
bool SetTxFrequency(CloneImage& image, int channel, double mhz, bool showMessage = true);

struct SubAudio {
    int type = 0;  // 0 none, 1 CTCSS, 2 and 3 DCS
    int code = 0;
    int polarity = 0;  // receive side only
    bool operator==(const SubAudio&) const = default;
};
inline constexpr int SubAudioCtcss = 1;
inline constexpr int SubAudioDcs = 2;
inline constexpr int OltaForcedDcsCode = 19;  // octal 023

// "Sub-Audio" DEC: type, code and polarity of the receive side, then the same
// type and code for the transmit side.
void SetRxSubAudio(CloneImage& image, int channel, SubAudio value);
// ENC: a type other than DCS turns an OLTA mode of 1 off.
void SetTxSubAudio(CloneImage& image, int channel, int type, int code);
SubAudio GetRxSubAudio(const CloneImage& image, int channel);
SubAudio GetTxSubAudio(const CloneImage& image, int channel);

// "Auto Scan": 3 is stored as 0 with fewer than 2 groups; 2 is stored as 0
// where the firmware feature flag holds. The getter shows a stored 2 as 0
// there, without changing the image.
void SetAutoScan(CloneImage& image, int channel, int value);
int GetAutoScan(const CloneImage& image, int channel);

// "Encr": refused on channels of signalling type 7.
void SetEncryption(CloneImage& image, int channel, int value);
int GetEncryption(const CloneImage& image, int channel);

// "OLTA": mode 2 also sets ANI mode 2; mode 1 forces DCS code 023 on the sides
// the radio-wide OLTA mode names that have no DCS.
void SetOltaMode(CloneImage& image, int channel, int mode);

// "Signaling": the type clears the number and the settings that the type
// excludes.
void SetSignalingType(CloneImage& image, int channel, int type);
bool IsValidSignalingNumber(const CloneImage& image, int channel, int number);
void SetSignalingNumber(CloneImage& image, int channel, int number);
int GetSignalingNumber(const CloneImage& image, int channel);

// "ANI": mode 2 on a channel of signalling type 4 turns that signalling off.
void SetAniMode(CloneImage& image, int channel, int mode);

// "Scan": the channel's bit in the header scan bitmap.
int GetScanFlag(const CloneImage& image, int channel);
// In use (its in-use bit is 0). NoChannel is never in use.
bool IsInUse(const CloneImage& image, int channel);
inline bool IsInUseForCell(const CloneImage& image, int channel) {
    return IsInUse(image, channel);
}

// ---- Record moves -------------------------------------------------------
// Every move carries each record's in-use and scan bits with it, keeps
// channel 1 in use, and recomputes the group validity bits.

// Keeps a copy of the image and the selected channels for later pastes.
void StoreClipboard(const CloneImage& image, std::span<const int> channels);
// Number of channels kept by the last StoreClipboard.
int ClipboardCount();
// One kept record onto every target; otherwise the k-th kept onto the k-th.
void PasteClipboard(CloneImage& image, std::span<const int> targets);
// Makes room at `row` for the kept records and copies them in; records pushed
// past the capacity are lost.
void InsertClipboardRecords(CloneImage& image, int row);
// Moves the records from `row` up by one (the last one of the capacity drops
// off) and clears the row's name.
void InsertEmptyRecord(CloneImage& image, int row);
// Moves the records after `row` down by one; the last record of the capacity
// is emptied (name cleared, not in use, not scanned).
void DeleteRecord(CloneImage& image, int row);

// Marks every channel from the capacity to 127 empty.
void MarkBeyondCapacity(CloneImage& image);

}  // namespace Channel

namespace Zone {

// A group is valid (bit 0) when at least one of its listed channels is in
// use; groups at or above Max Zone are never valid.
void RefreshValidBits(CloneImage& image);
// The channel is listed in a group below Max Zone, among its first
// min(8 x Max CH, 16) members.
bool ContainsChannel(const CloneImage& image, int channel);

}  // namespace Zone

// Image-wide operations. (CloneImage itself is the plain byte store.)
namespace CloneImageOps {

inline constexpr int RidWideBandCaution = 33025;
inline constexpr const char* TextWideBandCaution =
    "FCC Rule Caution!\nYour Data includes some Wide bandwidth CHs in 150 - 174 MHz or 421 - 470 MHz band.\n"
    "After Jan.1, 2013, You must change their CHs to Narrow bandwidth.\nSo, the Wide bandwidth CHs in your "
    "data "
    "was changed to Narrow bandwidth automatically.\n";

// 0 when equal, else 1 or -1 by the first differing byte (unsigned).
int Compare(const CloneImage& a, const CloneImage& b);
// Clears the key slots a keypad does not have: mode 1 slots 14, 15, 30, 31;
// mode 0 slots 10-15 and 26-31; other modes nothing.
void ClearKeySlots(CloneImage& image, int mode);
// Resets selections the image no longer offers.
void ResetUnavailableSelections(CloneImage& image);
// Copies the alignment values at frequency point 7 of kinds 1-11 into the
// base alignment bytes.
void CopyAdjustPoint7ToBase(CloneImage& image);
// After a model conversion: narrows wide channels the rule forbids (with one
// message), re-encodes the synthesiser words for the new hardware and
// recomputes the channels' alignment values.
void FixUpAfterModelConversion(CloneImage& image, const CloneImage& before);

}  // namespace CloneImageOps

namespace Password {

// The six digits equal the programming-password digits of the image.
bool DigitsMatch(const CloneImage& image, std::span<const std::int32_t, 6> digits);

}  // namespace Password
