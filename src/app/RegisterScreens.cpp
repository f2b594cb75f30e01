#include <string>

#include "app/ScreenRegistry.h"
#include "app/MenuCommands.h"
#include "channel/ChannelGrid.h"
#include "channel/GroupAllocationDlg.h"
#include "channel/GroupGrid.h"
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

    // Print, preview, page setup and export of a snapshot of the image.
    Screens::RegisterPrint([](wxWindow* parent, const CloneImage& snapshot, int commandId) {
        static std::string exportFolder;
        HtmlPrinter& printer = HtmlPrinter::Instance();
        switch (commandId) {
            case Cmd::Print: printer.Print(parent, snapshot); break;
            case Cmd::Preview: printer.PrintPreview(parent, snapshot); break;
            case Cmd::PageSetup: printer.PageSetup(parent, snapshot); break;
            case Cmd::Export: printer.ExportToFile(parent, snapshot, exportFolder); break;
            default: break;
        }
    });
}
