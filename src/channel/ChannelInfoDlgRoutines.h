#pragma once
// Small image routines of the per-channel editors: the group count, and the
// re-encoding of one side's frequency after its synthesiser reference
// changed.
#include "image/CloneImage.h"

// Block-8 byte 0x2404 (the number of groups) clamped to 0..8.
int ReadZoneCount(const CloneImage& image);
// Stores `mhz` as the channel's TX (which = 1) or RX (which = 0) frequency
// with the image's current reference parameters, then decides the transmit
// (A) or receive (B) clock-shift bit. False, nothing stored, when the
// synthesiser cannot produce the frequency.
bool FrequencyConvertA(CloneImage& image, int channel, int which, double mhz);
bool FrequencyConvertB(CloneImage& image, int channel, int which, double mhz);
