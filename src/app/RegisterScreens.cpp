#include <wx/app.h>

#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/FileConvDlg.h"
#include "app/FileDataDlg.h"
#include "app/GridPages.h"
#include "app/ItemVisibleDlg.h"
#include "app/ShipMode.h"
#include "image/FileUtil.h"
#include "app/HelpRegistration.h"
#include "app/MainFrm.h"
#include "app/MainInfoPrint.h"
#include "app/MenuCommands.h"
#include "app/PassInput2Dlg.h"
#include "app/ScreenRegistry.h"
#include "alignment/AlignmentOperations.h"
#include "alignment/ui/AlignmentCommand.h"
#include "channel/ChannelGrid.h"
#include "channel/ChannelPopups.h"
#include "channel/ChannelGridPrint.h"
#include "channel/GroupAllocationDlg.h"
#include "channel/GroupAllocationPrintScreen.h"
#include "channel/GroupGrid.h"
#include "serial/RadioRecovery.h"
#include "serial/ui/FileConfigDlg.h"
#include "serial/ui/UploadDownload.h"
#include "settings/SettingsFlags.h"
#include "settings/SettingsScreens.h"
#include "tone/FiveToneCommonDlg.h"
#include "tone/FiveToneStatusDlg.h"
#include "tone/FiveToneTableDlg.h"
#include "tone/ToneSystemWnd.h"
#include "tone/TwoToneSettingDlg.h"
#include "tone/TwoTonePrint.h"
#include "signalling/SignallingScreens.h"
#include "ui/HtmlDocument.h"
#include "ui/HtmlPrinter.h"
#include "ui/PaneFramework.h"

// Every window folder's screens, added once at start-up. A folder offers
// its screens here and src/app/CMakeLists.txt links its library.
void RegisterScreens() {
    // The channel grid is the middle column's pane; "Auto Grid Width" fits it.
    Screens::RegisterMiddlePane(PaneKind::ChannelGrid, ChannelList::IDD,
                                [](CloneImage& image) { return new ChannelList(image); });
    ChannelList::RegisterGridPage();
    CZoneList::RegisterGridPage();
    Screens::RegisterDialog(Cmd::GroupAllocation, &CZoneAllocationDlg::Edit);

    // Tone signalling: the 2-tone system window and its views in the printout.
    Screens::RegisterDialog(Cmd::TwoToneSystem, &CDialogDmy::Edit2ToneSystem);
    TwoTonePrintScreen::Register();
    Screens::RegisterDialog(Cmd::TwoToneSetting, &C2ToneSettingDlg::Edit);
    PrintScreens::Register(PrintScreens::Slot::TwoToneSetting, &C2ToneSettingDlg::Print);
    Screens::RegisterDialog(Cmd::FiveToneCommon, &C5ToneCommonDlg::Edit);
    PrintScreens::Register(PrintScreens::Slot::FiveToneCommon, &C5ToneCommonDlg::Print);
    Screens::RegisterDialog(Cmd::FiveToneStatus, &C5ToneStatusDlg::Edit);
    PrintScreens::Register(PrintScreens::Slot::FiveToneStatus, &C5ToneStatusDlg::Print);
    // The 5-tone system window.
    Screens::RegisterDialog(Cmd::FiveToneSystem, &CDialogDmy::Edit5ToneSystem);
    FiveTonePrintScreen::Register();
    Screens::RegisterDialog(Cmd::FiveToneTable, &C5ToneTableDlg::Edit);
    PrintScreens::Register(PrintScreens::Slot::FiveToneTable, &C5ToneTableDlg::Print);

    // The radio: the progress dialog of every operation, which asks for the
    // radio's password in the password prompt, and the port configuration.
    Screens::RegisterRadioLink({[](wxWindow* parent) -> std::unique_ptr<OperationView> {
                                    return std::make_unique<CUploadDownload>(
                                        parent, [](wxWindow* owner, std::string& entry) {
                                            CPassInput2Dlg prompt(owner, CPassInput2Dlg::ProgrammingPassword);
                                            if (prompt.ShowModal() != wxID_OK) return 2;
                                            entry = prompt.Password;
                                            return 1;
                                        });
                                },
                                {},
                                {}});
    // Alignment: the alignment operations on the runner, and the Alignment
    // command over the configured port with the same progress view.
    AlignmentOperations::Register();
    // The radio data recovery and the return to default on the same runner.
    RadioRecovery::Register();
    {
        Screens::RadioLink link = Screens::Radio();
        link.extraOperations.push_back(RadioRecovery::OpRadioDataRecovery);
        link.extraOperations.push_back(RadioRecovery::OpAdjReturn);
        link.alignment = [](wxWindow* parent, CloneImage& working) {
            const auto& radio = Screens::Radio();
            const auto& port = AppState::Link();
            return AlignmentCommand::Run(parent, working,
                                         {port.port, static_cast<unsigned>(port.baudRate), radio.timing, radio.makeView});
        };
        Screens::RegisterRadioLink(link);
    }
    Screens::RegisterConfigure([](wxWindow* parent) {
        auto& link = AppState::Link();
        CFileConfigDlg dialog(parent, PortConfig{link.port, link.cableType, link.baudRate});
        if (dialog.ShowModal() != wxID_OK) {
            ShipMode::SequenceFlag() = 0;  // the ship sequence stops at a refused step
            return false;
        }
        link.port = dialog.Config().port;
        link.cableType = dialog.Config().cableType;
        link.baudRate = dialog.Config().baudRate;
        return true;
    });

    // The screens of the printed document, and print, preview, page setup
    // and export of a snapshot of the image.
    PrintScreens::Register(PrintScreens::Slot::MainInformation,
                           [](const CloneImage& image) { return std::make_unique<CMainInfoPrint>(image); });
    PrintScreens::Register(PrintScreens::Slot::GroupAllocation, [](const CloneImage& image) {
        return std::make_unique<CZoneAllocationPrint>(image);
    });
    ChannelGridPrintScreen::Register();

    // The radio-wide settings dialogs, and their places in the printed document.
    AppState::AddEditStateClearer(&Settings::ClearImageFlags);
    Screens::RegisterDialog(Cmd::PowerSaving, &SettingsScreens::PowerSaving);
    PrintScreens::Register(PrintScreens::Slot::PowerSaving, &SettingsScreens::PowerSavingPrint);
    Screens::RegisterDialog(Cmd::Password, &SettingsScreens::Password);
    PrintScreens::Register(PrintScreens::Slot::Password, &SettingsScreens::PasswordPrint);
    Screens::RegisterDialog(Cmd::Scanning, &SettingsScreens::ScanSetting);
    PrintScreens::Register(PrintScreens::Slot::ScanSetting, &SettingsScreens::ScanSettingPrint);
    Screens::RegisterDialog(Cmd::Marketing, &SettingsScreens::Marketing);
    PrintScreens::Register(PrintScreens::Slot::Marketing, &SettingsScreens::MarketingPrint);

    // Data signalling: the DTMF and FleetLink dialogs, and their places in the printed document.
    Screens::RegisterDialog(Cmd::DtmfDialing, &SignallingScreens::DtmfDialing);
    PrintScreens::Register(PrintScreens::Slot::DtmfDialing, &SignallingScreens::DtmfDialingPrint);
    Screens::RegisterDialog(Cmd::DtmfAni, &SignallingScreens::DtmfAni);
    PrintScreens::Register(PrintScreens::Slot::DtmfAni, &SignallingScreens::DtmfAniPrint);
    Screens::RegisterDialog(Cmd::DtmfPage, &SignallingScreens::DtmfPage);
    PrintScreens::Register(PrintScreens::Slot::DtmfPage, &SignallingScreens::DtmfPagePrint);
    Screens::RegisterDialog(Cmd::FleetlinkAni, &SignallingScreens::FleetLinkAni);
    PrintScreens::Register(PrintScreens::Slot::FleetLinkAni, &SignallingScreens::FleetLinkAniPrint);
    Screens::RegisterDialog(Cmd::Mdc1200Common, &SignallingScreens::Mdc1200Common);
    Screens::RegisterDialog(Cmd::Mdc1200System, &SignallingScreens::Mdc1200System);
    PrintScreens::Register(PrintScreens::Slot::Mdc1200, &SignallingScreens::Mdc1200Print);
    Screens::RegisterDialog(Cmd::Mdc1200Call, &SignallingScreens::Mdc1200Call);
    PrintScreens::Register(PrintScreens::Slot::Mdc1200CallAdvanced, &SignallingScreens::Mdc1200CallPrint);
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::Mdc1200Common, [](wxWindow* parent, CloneImage& image) {
        return SignallingScreens::Mdc1200Common(parent, image) ? wxID_OK : wxID_CANCEL;
    });
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::Mdc1200System, [](wxWindow* parent, CloneImage& image) {
        return SignallingScreens::Mdc1200System(parent, image) ? wxID_OK : wxID_CANCEL;
    });
    // The channel grid's "ANI Setting" opens the settings of the channel's ANI system.
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::DtmfAni, [](wxWindow* parent, CloneImage& image) {
        return SignallingScreens::DtmfAni(parent, image) ? wxID_OK : wxID_CANCEL;
    });
    ChannelPopups::RegisterAniScreen(ChannelPopups::AniScreen::FleetLinkAni, [](wxWindow* parent, CloneImage& image) {
        return SignallingScreens::FleetLinkAni(parent, image) ? wxID_OK : wxID_CANCEL;
    });
    Screens::RegisterDialog(Cmd::FrontPanel, &SettingsScreens::FrontPanel);
    PrintScreens::Register(PrintScreens::Slot::FrontPanel, &SettingsScreens::FrontPanelPrint);
    Screens::RegisterDialog(Cmd::Hardware, &SettingsScreens::Hardware);
    PrintScreens::Register(PrintScreens::Slot::Hardware, &SettingsScreens::HardwarePrint);
    Screens::RegisterDialog(Cmd::Emergency, &SettingsScreens::Emergency);
    PrintScreens::Register(PrintScreens::Slot::Emergency, &SettingsScreens::EmergencyPrint);
    Screens::RegisterDialog(Cmd::KeyFunction, &SettingsScreens::KeyFunction);
    PrintScreens::Register(PrintScreens::Slot::KeyFunction, &SettingsScreens::KeyFunctionPrint);
    Screens::RegisterDialog(Cmd::Miscellaneous, &SettingsScreens::Miscellaneous);
    PrintScreens::Register(PrintScreens::Slot::Miscellaneous, &SettingsScreens::MiscellaneousPrint);
    Screens::RegisterPrint([](wxWindow* parent, const CloneImage& snapshot, int commandId) {
        HtmlPrinter& printer = HtmlPrinter::Instance();
        switch (commandId) {
            case Cmd::Print:
                printer.Print(parent, snapshot);
                break;
            case Cmd::Preview:
                printer.PrintPreview(parent, snapshot);
                break;
            case Cmd::PageSetup:
                printer.PageSetup(parent, snapshot);
                break;
            case Cmd::Export: {
                // The export dialog begins where the document's file dialogs last were.
                static std::string exportFolder;
                auto* frame = dynamic_cast<CMainFrame*>(parent);
                std::string& folder = frame ? frame->Document().LastFolderRef() : exportFolder;
                printer.ExportToFile(parent, snapshot, folder);
                break;
            }
            default:
                break;
        }
    });

    // File Convert: the default data files are found where the document finds them.
    Screens::RegisterDialog(Cmd::FileConvert, [](wxWindow* parent, CloneImage& working) {
        auto* frame = dynamic_cast<CMainFrame*>(parent);
        return CFileConvModelDlg::Run(parent, working, [frame](const std::string& name, CloneImage& image) {
            const std::string path = frame ? frame->Document().DataFilePath(name).string() : name;
            return FileUtil::LoadImageFile(image, path) == 1;
        });
    });

    // "Visible Items": the optional channel columns of the View menu.
    Screens::RegisterVisibleItems([](wxWindow* parent, std::vector<Screens::VisibleEntry>& entries) {
        std::vector<CItemVisible::Column> columns;
        for (const auto& e : entries)
            columns.push_back({e.text, static_cast<std::uint8_t>(e.checked), static_cast<std::uint8_t>(e.enabled), e.id});
        CItemVisible dialog(parent, columns);
        if (dialog.ShowModal() != wxID_OK) return;
        for (std::size_t i = 0; i < entries.size() && i < columns.size(); ++i) entries[i].checked = columns[i].shown != 0;
    });
    // "Auto Grid Width" fits the tone windows' grids after the channel and group grids.
    RegisterToneGridPages();

    // The unattended ship mode: its workers drive the program's main window.
    ShipMode::Register([] { return dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow()); });

    // The image editor (Shift+F9 outside the normal mode), on a working copy.
    Screens::RegisterImageEditor(&CFileDataDlg::EditImage);

    // Help: F1, the Help buttons and the Help menu, the help topic pane and
    // the related-items pane.
    HelpRegistration::Register();
}
