#pragma once
// Menu command ids. The program's command ids (57600 File New, 32775
// Configure ...) lie above the range wx accepts for menu items (below
// 0x7FFF), so every command id in 0x8000-0xFFFF is shifted down by 0x8000 for
// wx; tables keep the program's own ids and convert where they meet wx.
constexpr int WxCommandId(int commandId) {
    return commandId >= 0x8000 ? commandId - 0x8000 : commandId;
}
constexpr int ProgramCommandId(int wxId) {
    return wxId >= 0 && wxId < 0x8000 ? wxId + 0x8000 : wxId;
}
