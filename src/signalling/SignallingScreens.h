#pragma once
// The data-signalling dialogs as the main window, the channel grid and the
// printed document reach them: each runs on the caller's working copy (true
// when it ended with OK) and prints on the image being printed.
#include <memory>

#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

class wxWindow;

namespace SignallingScreens {

bool DtmfDialing(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> DtmfDialingPrint(const CloneImage& image);
bool DtmfAni(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> DtmfAniPrint(const CloneImage& image);
bool DtmfPage(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> DtmfPagePrint(const CloneImage& image);
bool FleetLinkAni(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> FleetLinkAniPrint(const CloneImage& image);

}  // namespace SignallingScreens
