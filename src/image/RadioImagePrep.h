#pragma once
// Turning the image read back from a radio into the image written into it.
//
// A write never sends the user's image unchanged. The write operation reads
// the radio's own EEPROM ranges and flash pages 8-15 into the image it will
// send (the radio image); its pages 0-7 keep the user's channel records. The
// steps here carry the user's settings over from the untouched user image,
// keep the radio's alignment, reference clocks, serial numbers and production
// values, and fill what the firmware derives from the settings. They change
// only the radio image, never report failure and run on the caller's thread.
#include <array>
#include <atomic>

#include "image/CloneImage.h"

namespace CloneImageOps {

// Per MDC1200 system (0, 1): set when the user asked to overwrite the
// radio's primary id with the document's. Cleared on every document load,
// set by the MDC1200 system pages, read by MergeIntoRadioImage.
std::array<std::atomic<int>, 2>& Mdc1200OverWriteFlags();
void ClearMdc1200OverWriteFlags();

// The user's settings into the radio image, by regions and items, as far as
// the service mode allows.
void MergeIntoRadioImage(CloneImage& radio, const CloneImage& user);
void MergeIntoRadioImage(CloneImage& radio, const CloneImage& user, int serviceMode);

// The whole preparation: merge, then the derived tables and resets below.
void PrepareForWriting(CloneImage& radio, const CloneImage& user);
// The same under the given modes instead of the host's (a radio operation
// runs under the modes it was started with).
void PrepareForWriting(CloneImage& radio, const CloneImage& user, int serviceMode, int appMode);
// The name the write operation knows the preparation by.
inline void FixUpAfterRead(CloneImage& radio, const CloneImage& user) {
    PrepareForWriting(radio, user);
}

// The steps of PrepareForWriting, in its order.
void ResetGroupTables(CloneImage& radio);
void StampDateAndVersion(CloneImage& radio, const CloneImage& user);
void StampDateAndVersion(CloneImage& radio, const CloneImage& user, int serviceMode, int appMode);
void ClearOffsetBytes(CloneImage& radio);
void Copy2ToneSystemBytes(CloneImage& image);
void Copy5ToneSystemBytes(CloneImage& image);
// The 5-tone encode code digits into their header copies (also run by the
// 5-tone screens when their settings are confirmed).
void CopyItemList(CloneImage& image);
void ClearOptionBytes(CloneImage& radio);
void RebaseMicGains(CloneImage& radio, const CloneImage& user);
// Re-encodes every channel's synthesiser words for the radio's reference
// crystal, IF and dividers when they differ from the user image's.
void RecalcPLL(CloneImage& radio, const CloneImage& user);
void AdjustRotarySwitchAction(CloneImage& radio, const CloneImage& user);

// Number of groups whose member table the preparation rewrites.
int GroupTableCount(const CloneImage& image);

// The radio's serial number from the user image (unattended ship mode only).
void CopySerialNumberItems(CloneImage& radio, const CloneImage& user);
// The 19 radio-information bytes (0x24E8-0x24FA) from source to destination.
void CopyAlignmentSettings(CloneImage& destination, const CloneImage& source);

}  // namespace CloneImageOps
