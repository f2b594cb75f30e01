#include "signalling/SignallingScreens.h"

#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"
#include "signalling/DtmfAni.h"
#include "signalling/DtmfDialing.h"
#include "signalling/DtmfPage.h"
#include "signalling/FleetLinkAni.h"

namespace SignallingScreens {

bool DtmfDialing(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CDtmfDialingDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> DtmfDialingPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CDtmfDialingDlg::MakeDialog(), image);
}

bool DtmfAni(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CDtmfAniDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> DtmfAniPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CDtmfAniDlg::MakeDialog(), image);
}

bool DtmfPage(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CDtmfPageDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> DtmfPagePrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CDtmfPageDlg::MakeDialog(), image);
}

bool FleetLinkAni(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CFleetLinkAniDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> FleetLinkAniPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CFleetLinkAniDlg::MakeDialog(), image);
}

}  // namespace SignallingScreens
