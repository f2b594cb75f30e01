#include "app/AppTables.h"

#include <algorithm>

#include "image/FileUtil.h"

namespace AppTables {

namespace {

constexpr ST_DISPDATA kWindowTitles[] = {
    {0, "Pardex for ZT-610/640 Series", ""},
    {1, "Pardex for ZT-610/640 Series(E)", ""},
    {2, "Pardex for ZT-610/640 Series(M)", ""},
    {3, "Pardex for ZT-610/640 Series(SP)", ""},
    {4, "Pardex for ZT-610/640 Series(Factory/Ship Mode)", ""},
};

// Header-area areas carry their byte offset; flash areas the address the
// image editor's jump dialog uses.
constexpr ST_DISPDATA kJumpList[] = {
    {0x0, "EE:Radio Information", ""},
    {0x30, "EE:Adjustment Data", ""},
    {0x240, "EE:Trimming Data", ""},
    {0xB0, "EE:Backup Area", ""},
    {0xC0, "EE:Set Mode Data", ""},
    {0xC8, "EE:2Tone Backup", ""},
    {0xD0, "EE:5Tone Backup", ""},
    {0x200, "EE:Group Allocation Data", ""},
    {0x208, "EE:Group Scan Allocation", ""},
    {0x210, "EE:Scan Allocation Data", ""},
    {0x220, "EE:Pri CH", ""},
    {0x228, "EE:Group Status", ""},
    {0x3FE, "EE:EEPROM Condition", ""},
    {0x2D000, "00:CF_CH 01", ""},
    {0xF1000, "08:Radio Information", ""},
    {0xF1018, "08:Hardware Parameter", ""},
    {0xF1068, "08:PLL Data", ""},
    {0xF10A8, "08:FQ0801 Data", ""},
    {0xF10B8, "08:SQL TH OFFSET", ""},
    {0xF10E8, "08:Clone Editor Area ", ""},
    {0xF1100, "08:Hardware-2", ""},
    {0xF1120, "08:General", ""},
    {0xF11AC, "08:Option", ""},
    {0xF11B0, "08:Emergency", ""},
    {0xF11D0, "08:Password", ""},
    {0xF1400, "09:DTMF Speed Dial", ""},
    {0xF1470, "09:DTMF ANI", ""},
    {0xF1480, "09:MDC1200 System", ""},
    {0xF1500, "09:FleetLink Data Area", ""},
    {0xF1800, "0A:2Tone Encode Table", ""},
    {0xF1870, "0A:2Tone Encode Table Data", ""},
    {0xF1880, "0A:2Tone Decode Table", ""},
    {0xF1900, "0A:2Tone Setting", ""},
    {0xF1920, "0A:2Tone System", ""},
    {0xF19A0, "0A:2Tone Decode", ""},
    {0xF1A20, "0A:2Tone Encode", ""},
    {0xF1C00, "0B:5Tone Table Data", ""},
    {0xF1C40, "0B:5Tone Decode Table", ""},
    {0xF2000, "0C:5Tone Encode Table", ""},
    {0xF2200, "0C:5Tone System", ""},
    {0xF2400, "0D:5Tone Common", ""},
    {0xF2420, "0D:5Tone Decode", ""},
    {0xF2540, "0D:5Tone Encode Code", ""},
    {0xF2800, "0E:Group CH List", ""},
    {0xF2880, "0E:Scan Setup Data", ""},
    {0xF2920, "0E:Group List Tag Data", ""},
    {0xF2980, "0E:CH Allocation Data", ""},
    {0xF2990, "0E:Group Allocation Data", ""},
    {0xF2A80, "0E:Adjustment Data", ""},
    {0xF2B00, "0E:ADJ Trimming", ""},
    {0xF2C00, "0F:LCD Tag", ""},
    {0xF2D00, "0F:TX Sub-Audio Filter", ""},
    {0xF2D80, "0F:RX Sub-Audio Filter", ""},
    {0xF2E80, "0F:Adjustment Data Backup", ""},
    {0xF2F00, "0F:ADJ Trimming Backup", ""},
    {ItemListEnd, "", ""},
};

constexpr ST_DISPDATA kRadioTypes[] = {
    {0, "Other", ""},
    {1, " ", ""},
    {2, " ", ""},
    {3, "ZT-610 (Portable)", ""},
    {4, "ZT-640 (Portable)", ""},
    {ItemListEnd, "", ""},
};
constexpr ST_DISPDATA kVariants[] = {{0, "", ""}, {1, "LTR", ""}, {2, "AUS", ""}, {ItemListEnd, "", ""}};
constexpr ST_DISPDATA kVersionCodes[] = {
    {1049, "4P", ""}, {1050, "4Q", ""}, {516, "24", ""},       {517, "25", ""},
    {518, "26", ""},  {519, "27", ""},  {ItemListEnd, "", ""},
};
constexpr ST_DISPDATA kPlaceholder[] = {{0, "**", ""}, {ItemListEnd, "", ""}};

constexpr ST_DISPDATA kPasswordCaption[] = {{0, "Programming Password", ""}, {ItemListEnd, "", ""}};
constexpr ST_DISPDATA kPasswordPrompt[] = {{0, "Input the Programming Password.", ""}, {ItemListEnd, "", ""}};

constexpr ST_DISPDATA kLevelUnits[] = {
    {0, "dBuV(EMF)", ""}, {1, "dBuV(PD)", ""}, {2, "uV(EMF)", ""},
    {3, "uV(PD)", ""},    {4, "dBm", ""},      {ItemListEnd, "", ""},
};
constexpr ST_DISPDATA kLevelFormats[] = {
    {0, "%.0f", ""}, {1, "%.0f", ""}, {2, "%.2f", ""},
    {3, "%.2f", ""}, {4, "%.0f", ""}, {ItemListEnd, "", ""},
};

}  // namespace

const ItemList WindowTitles{kWindowTitles};
const ItemList JumpList{kJumpList};
const ItemList RadioTypeList{kRadioTypes};
const ItemList VariantList{kVariants};
const ItemList VersionCodeList{kVersionCodes};
const ItemList PlaceholderList{kPlaceholder};
const ItemList PasswordCaptionList{kPasswordCaption};
const ItemList PasswordPromptList{kPasswordPrompt};
const ItemList SignalLevelUnits{kLevelUnits};
const ItemList SignalLevelFormats{kLevelFormats};

std::string_view WindowTitle(int appMode) {
    for (const auto& row : kWindowTitles)
        if (row.value == appMode) return row.text;
    return kWindowTitles[0].text;
}

std::optional<std::int32_t> FindJumpAddress(std::string_view text) {
    for (const auto& row : kJumpList) {
        if (row.value == ItemListEnd) break;
        if (text == row.text) return row.value;
    }
    return std::nullopt;
}

const BandRow& FindBand(int key) {
    for (const auto& row : BandTable)
        if (row.key == key) return row;
    return BandTable[0];
}

std::optional<std::string_view> ResultCodeText(int code) {
    for (const auto& row : ResultLog::ShipResultTable) {
        if (row.code == 255) break;
        if (row.code == code) return row.text;
    }
    return std::nullopt;
}

}  // namespace AppTables
