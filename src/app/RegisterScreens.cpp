#include <string>

#include "app/ScreenRegistry.h"
#include "channel/ChannelGrid.h"
#include "ui/HtmlPrinter.h"
#include "ui/PaneFramework.h"

// Every window folder's screens, added once at start-up. A folder offers
// its screens here and src/app/CMakeLists.txt links its library.
void RegisterScreens() {
    // The channel grid is the middle column's pane; "Auto Grid Width" fits it.
    Screens::RegisterMiddlePane(PaneKind::ChannelGrid, ChannelList::IDD,
                                [](CloneImage& image) { return new ChannelList(image); });
    ChannelList::RegisterGridPage();

    // Print, preview, page setup and export of a snapshot of the image.
    Screens::RegisterPrint([](wxWindow* parent, const CloneImage& snapshot, int commandId) {
        static std::string exportFolder;
        HtmlPrinter& printer = HtmlPrinter::Instance();
        switch (commandId) {
            case 57607: printer.Print(parent, snapshot); break;
            case 32809: printer.PrintPreview(parent, snapshot); break;
            case 32810: printer.PageSetup(parent, snapshot); break;
            case 32812: printer.ExportToFile(parent, snapshot, exportFolder); break;
            default: break;
        }
    });
}
