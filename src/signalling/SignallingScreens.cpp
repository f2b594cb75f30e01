#include "signalling/SignallingScreens.h"

#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"
#include "signalling/CodeTablePrint.h"
#include "signalling/DtmfAni.h"
#include "signalling/DtmfDialing.h"
#include "signalling/DtmfPage.h"
#include "signalling/FleetLinkAni.h"
#include "signalling/Mdc1200CallList.h"
#include "signalling/Mdc1200Settings.h"
#include "image/ImageHost.h"
#include "image/Model.h"

namespace SignallingScreens {

bool DtmfDialing(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CDtmfDialingDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> DtmfDialingPrint(const CloneImage& image) {
    return std::make_unique<CodeTablePrint>(CDtmfDialingDlg::MakeDialog(), image, CDtmfDialingDlg::CodeTableRows(), 3,
                                            std::vector<CodeTablePrint::Head>{{1074, "Code"}, {1075, "TAG"}});
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
    return std::make_unique<CodeTablePrint>(CDtmfPageDlg::MakeDialog(), image, CDtmfPageDlg::CodeTableRows(), 4,
                                            std::vector<CodeTablePrint::Head>{{3202, "Code"}});
}

bool FleetLinkAni(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CFleetLinkAniDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> FleetLinkAniPrint(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(CFleetLinkAniDlg::MakeDialog(), image);
}

bool Mdc1200Common(wxWindow* parent, CloneImage& working) {
    if (!Version::HasFeature_1_90(working)) return Mdc1200System(parent, working);
    SettingsDlg dialog(parent, CMDC1200CommonDlg::MakeDialog(), working);
    CMDC1200CommonDlg::AttachButtons(dialog, Host().ShippedFile("Tone_sample").parent_path());
    return dialog.ShowModal() == wxID_OK;
}

bool Mdc1200System(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, CMDC1200SysDlg::MakeDialog());
}

std::unique_ptr<PrintableScreen> Mdc1200Print(const CloneImage& image) {
    return std::make_unique<Settings::SettingsPrint>(
        Version::HasFeature_1_90(image) ? CMDC1200CommonDlg::MakeDialog() : CMDC1200SysDlg::MakeDialog(), image);
}

bool Mdc1200Call(wxWindow* parent, CloneImage& working) {
    SettingsDlg dialog(parent, CMDC1200CallAdvDlg::MakeDialog(), working);
    CMDC1200CallAdvDlg::AttachGrid(dialog, Host().ShippedFile("Tone_sample").parent_path());
    return dialog.ShowModal() == wxID_OK;
}

std::unique_ptr<PrintableScreen> Mdc1200CallPrint(const CloneImage& image) {
    return MakeMdc1200CallPrint(image);
}

}  // namespace SignallingScreens
