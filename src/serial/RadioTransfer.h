#pragma once
// Reading the radio into an image (Upload, operation 0) and writing an image
// into the radio (Download, operation 1), with the checks around them. Both
// run on the runner's worker thread and report through its view.
//
// The caller's image changes only when the operation succeeds: a failed or
// cancelled operation leaves it exactly as it was.
#include "image/CloneImage.h"
#include "serial/TransferList.h"

class PXCommunicationEvent;

namespace RadioTransfer {

// Reads every word entry, then every page, into `image` (word w at byte 2w,
// page p at (p+1) x 1,024), adding progress units as it goes.
bool ReadBlocks(PXCommunicationEvent& runner, CloneImage& image, const TransferList::Lists& lists);
// Writes the lists between the completion markers: word 511 = FF FF first,
// 5A A5 after everything else has been written.
bool WriteBlocks(PXCommunicationEvent& runner, const CloneImage& image, const TransferList::Lists& lists);
bool WriteBlocksNoMarker(PXCommunicationEvent& runner, const CloneImage& image,
                         const TransferList::Lists& lists);

// Upload's identity check of EEPROM words 0-5.
bool CheckRadioModel(PXCommunicationEvent& runner);
// The radio's band and frequency type equal the image's.
bool BandCheck(const CloneImage& radio, const CloneImage& image);
// The radio's frequency range covers the image's.
bool RangeCheck(const CloneImage& radio, const CloneImage& image);
// The radio's programming password: none, the document's digits, or asked.
bool CheckRadioPassword(PXCommunicationEvent& runner);

// continueFlag != 0: a programming connection is already open and stays open
// (no power-on, no closing command, no close, no result and no view close);
// for Upload, 1 still asks for the password and 2 does not.
bool Upload(PXCommunicationEvent& runner, CloneImage& image, int continueFlag);
bool Download(PXCommunicationEvent& runner, CloneImage& image, int continueFlag);

}  // namespace RadioTransfer
