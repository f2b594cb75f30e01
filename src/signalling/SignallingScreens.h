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
// "MDC1200 &Common": the common settings when the radio has the extended
// MDC1200 feature, else the system settings; "MDC1200 &System": the system
// settings. The printout chooses the same way.
bool Mdc1200Common(wxWindow* parent, CloneImage& working);
bool Mdc1200System(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> Mdc1200Print(const CloneImage& image);
// "MDC1200 Ca&ll": the call keys above the call list.
bool Mdc1200Call(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> Mdc1200CallPrint(const CloneImage& image);

}  // namespace SignallingScreens
