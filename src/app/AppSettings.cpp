#include "app/AppSettings.h"

#include <string>

#include "app/AppState.h"
#include "app/AppTables.h"
#include "language/SettingsFile.h"
#include "ui/MainItems.h"

namespace AppSettings {

void LoadAppSettings() {
    auto& link = AppState::Link();
    // A port is a device path here; "1", the old default port number, names
    // no device.
    link.port = GetProfileString("Configure", "ComPort", "");
    if (!link.port.empty() && link.port.front() != '/') link.port.clear();
    link.cableType = GetProfileInt("Configure", "ComType", 1);
    const int baud = GetProfileInt("Configure", "BaudRate", 230400);
    link.baudRate = AppTables::IsListedBaudRate(baud) ? baud : AppTables::FirstBaudRate;

    // The View menu's column groups as they were at the last exit.
    for (MainItemRow& row : MainItems::Table()) {
        if (row.commandId == -1) break;
        if (MainItems::LastColumn(row) == 0) continue;
        const std::string entry = "Item_CONV" + std::to_string(row.commandId - MainItems::FirstCommand);
        row.visible = GetProfileInt("MainItem", entry, 1);
    }

    // The 2x1 layout starts where the 3-pane layout's splitter was.
    std::string split = GetProfileString("Spl3A", "SplitterPosition", "");
    if (split.empty()) split = "506,275,";
    WriteProfileString("Spl21", "SplitterPosition", split);
}

int PreviewPageCount() {
    return GetProfileInt("Settings", "PreviewPages", 0);
}

}  // namespace AppSettings
