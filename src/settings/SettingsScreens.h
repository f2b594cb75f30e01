#pragma once
// The radio-wide settings dialogs as the main window and the printed
// document reach them: each runs on the main window's working copy (true
// when it ended with OK) and prints on the image being printed.
#include <memory>

#include "image/CloneImage.h"
#include "ui/PrintableScreen.h"

class wxWindow;

namespace SettingsScreens {

bool PowerSaving(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> PowerSavingPrint(const CloneImage& image);
bool Password(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> PasswordPrint(const CloneImage& image);
bool Marketing(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> MarketingPrint(const CloneImage& image);
bool ScanSetting(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> ScanSettingPrint(const CloneImage& image);
bool FrontPanel(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> FrontPanelPrint(const CloneImage& image);
bool Hardware(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> HardwarePrint(const CloneImage& image);
bool Emergency(wxWindow* parent, CloneImage& working);
std::unique_ptr<PrintableScreen> EmergencyPrint(const CloneImage& image);

}  // namespace SettingsScreens
