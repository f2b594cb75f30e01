#pragma once
// The application-wide constant tables: window titles by mode, the image
// editor's jump list, the main information pane's lists, group numbers, the
// password prompt, baud rates, the "FreqBand" band table and the signal-level
// units. Item lists that feed combo boxes end with a row of value -1.
#include <optional>
#include <string>
#include <string_view>

#include "channel/ChannelTables.h"
#include "image/ItemList.h"
#include "serial/PortConfiguration.h"

namespace AppTables {

// Indexed by the application mode 0-4 (no end row).
extern const ItemList WindowTitles;
// The main window's title in `appMode`; mode 0's title for an unknown mode.
std::string_view WindowTitle(int appMode);

// 55 image areas and the end row.
extern const ItemList JumpList;
// The area whose whole text is `text`.
std::optional<std::int32_t> FindJumpAddress(std::string_view text);

extern const ItemList RadioTypeList;
extern const ItemList VariantList;
extern const ItemList VersionCodeList;
extern const ItemList PlaceholderList;
// 0-31 shown as "01"-"32".
// Group numbers "01".."32": the channel screens' list.
inline const ItemList& GroupNumberList = ChannelTables::GroupNumberList;
extern const ItemList PasswordCaptionList;
extern const ItemList PasswordPromptList;

// 38400, 115200, 230400 and the end row.
// The baud rates belong to the port configuration; the application table is
// the same list.
inline constexpr const ItemList& BaudRateList = PortConfiguration::BaudRateList;
inline bool IsListedBaudRate(int rate) {
    return PortConfiguration::IsListedBaudRate(rate);
}
inline constexpr int FirstBaudRate = PortConfiguration::FirstBaudRate;

struct BandRow {
    int key;  // band type x 32 + frequency type
    const char* name;
    int bandType;
    int frequencyType;
};
inline constexpr BandRow BandTable[] = {
    {98, "VHF", 3, 2},
    {128, "UHF A", 4, 0},
    {131, "UHF D", 4, 3},
};
// The row of `key`; the first row for a key that is not in the table.
const BandRow& FindBand(int key);

extern const ItemList SignalLevelUnits;
extern const ItemList SignalLevelFormats;

// The text of an unattended-operation result code; nullopt when no row
// before the end row 255 has it.
std::optional<std::string_view> ResultCodeText(int code);

// The page title of the printed and exported document.
inline constexpr const char* PrintPageTitle = "Talvick ZT-610/640 Series Programming Information";

}  // namespace AppTables
