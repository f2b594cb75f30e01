#pragma once
// The constant data of the channel screens: the channel grid's column table
// and column availability, the item lists that turn a stored channel value
// into the words of a cell, a combo box or a popup, the information pane's
// control-to-list map, and the few program-wide objects the channel and
// group grids share. Plain data with the lookups that read it; no window.
//
// Item lists end with a row of value -1 and empty texts. Lists with equal
// rows are separate objects: each screen keeps to its own.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/ItemList.h"
#include "image/UiUtil.h"

namespace ChannelTables {

// ---- channel grid lists ------------------------------------------------------

extern const ItemList GridBlankMarkList;          // 0 "-", 1 " "
extern const ItemList GridBlankMarkInvertedList;  // 1 "-", 0 " "
extern const ItemList AutoScanMarkList;           // 0 "-", 2 " "
extern const ItemList GridCheckMarkList;          // clipboard twin of GridBlankMarkList
extern const ItemList GridCheckMarkInvertedList;  // clipboard twin of every other check list
extern const ItemList BandwidthList;
extern const ItemList SubAudioTypeList;  // 0 "------", 1 "C-", 2 "D-"
extern const ItemList TxPowerList;
extern const ItemList TimeOutTimerList;
extern const ItemList SquelchLevelList;
extern const ItemList VoxList;
extern const ItemList EncryptionList;
extern const ItemList LockOutList;
extern const ItemList SelectableToneList;
extern const ItemList SignalingTypeMarkList;
extern const ItemList SignalingNumberList;  // 46 rows: "1".."32", the four type-7 rows, "0".."9"
extern const ItemList FilterUpLowList;
extern const ItemList TxSplLevelList;
extern const ItemList RxLpfLevelList;

// Shown in the transmit-frequency cell of a channel that does not transmit.
inline constexpr const char* EmptyFrequencyText = "---.-----";

// ---- per-channel dialog lists ----------------------------------------------

extern const ItemList DsubAfInputLevelList;
extern const ItemList SurveillanceList;
extern const ItemList ChannelStatusList;
extern const ItemList OltaModeList;
extern const ItemList VoxModeList;
extern const ItemList EncryptionModeList;
extern const ItemList SignalingTypeList;
extern const ItemList LockOutModeList;
extern const ItemList AutoScanList;
extern const ItemList AnnouncementList;
extern const ItemList StandardRefLabelList;
extern const ItemList PreEmphasisList;
extern const ItemList DeEmphasisList;
extern const ItemList TxFlatAfList;
extern const ItemList RxFlatAfList;
extern const ItemList TxHpfList;
extern const ItemList RxHpfList;
extern const ItemList TxSplList;
extern const ItemList RxSplList;
extern const ItemList TxPllRefList;
extern const ItemList RxPllRefList;
extern const ItemList MicSelectList;
extern const ItemList DsubMicSelectList;
extern const ItemList AniTypeList;
extern const ItemList AniTableList;
extern const ItemList DisableEnableList;  // 0 "Disable", 1 "Enable"
extern const ItemList ScanGroupSelectList;
extern const ItemList VoxPopupList;
extern const ItemList EncryptionPopupList;
extern const ItemList SubAudioPopupTitleList;
extern const ItemList PenaltyTimerList;
extern const ItemList ReleaseTimerList;
extern const ItemList SignalingNumberShortList;

// ---- lists shared by the channel and group grids ---------------------------

extern const ItemList GroupNumberList;          // 0-31 as "01".."32"
extern const ItemList ZoneGridHeaderList;       // the group grid's two-line headers
extern const ItemList EnableDisableList;        // 0 "Enable", 1 "Disable"
extern const ItemList AlignmentFileLetterList;  // 0-15 as B..S without O and P

// ---- the channel grid's column table -----------------------------------------

namespace CellKind {
inline constexpr int Value = 1;  // changed by cycling or a dialog
inline constexpr int Text = 2;   // in-place text editor
inline constexpr int List = 3;   // the grid's own drop-down list
inline constexpr int Check = 5;  // check mark
}  // namespace CellKind

// What a key or a mouse gesture does in a column.
namespace CellAction {
inline constexpr int None = 0, ToggleInUse = 1, Edit = 2, GridList = 3, Cycle = 4, CycleCheck = 5, Dialog = 6;
}

// Edit kinds of text cells; each is also the editor's maximum length.
namespace CellEditKind {
inline constexpr int None = 0, SubAudio = 7, NameTag = 8, Frequency = 9;
}

struct GridColumnSpec {
    std::int32_t fieldId;   // the setting shown; -1 ends the table
    std::int32_t widthKey;  // 0 for every column; -1 in the end row
    std::int32_t width;     // twips
    const ItemList* list;   // null: none
    std::int32_t kind;      // CellKind
    std::int32_t editKind;  // CellEditKind, also the editor's maximum length
    std::int32_t spaceAction;
    std::int32_t dblClickAction;
    std::int32_t enterAction;
    std::int32_t clickAction;

    constexpr UiUtil::GestureActions Gestures() const {
        return {spaceAction, dblClickAction, enterAction, clickAction};
    }
};

inline constexpr int ChannelGridColumnCount = 29;
// Row n describes grid column n; row 29 is the end row.
extern const std::array<GridColumnSpec, ChannelGridColumnCount + 1> ChannelGridColumns;

// Availability of a column: [column][band selection 0-4][service mode 0-2].
// 0 shown, 3 and 4 hidden, 5 hidden under the column's own rule.
inline constexpr int BandSelections = 5;
inline constexpr int ServiceModes = 3;
using ColumnStateTable =
    std::array<std::array<std::array<std::uint8_t, ServiceModes>, BandSelections>, ChannelGridColumnCount>;
extern const ColumnStateTable ChannelGridColumnStates;
// The state byte; 0 for a column, band selection or mode outside the table.
int ColumnState(int column, int bandSelection, int serviceMode);

// The lists the channel grid translates, each under its control number of
// dialog 134, in key order.
struct ListKey {
    int key;
    const ItemList* list;
};
extern const std::array<ListKey, 10> ChannelGridListKeys;

// ---- check cells and the clipboard ---------------------------------------------

// The clipboard twin of a check column's list: GridCheckMarkList for
// GridBlankMarkList, GridCheckMarkInvertedList for every other list.
const ItemList& CheckTwinList(ItemList columnList);
// A check cell's clipboard text: the twin's text of the row (by index) whose
// text is the cell's; the cell text itself when no row has it.
std::string CheckCopyText(ItemList columnList, std::string_view cellText);
// What a check cell shows for a pasted text: the column list's text of the
// twin row the paste names; nothing when the paste names none.
std::optional<std::string> CheckPasteText(ItemList columnList, std::string_view pasted);

// ---- the information pane's combo boxes ----------------------------------------

struct ControlItemListPair {
    std::int32_t controlId;
    const ItemList* list;
};
inline constexpr int ChannelInfoControlCount = 38;
// Ascending control ids, no end row. The rows of 2128 and 2129 may lead to
// the information pane's own copies while it exists (RedirectPllRefLists).
extern std::array<ControlItemListPair, ChannelInfoControlCount> ChannelInfoControlLists;
// The list of a combo box; null for a control without a row.
const ItemList* FindControlList(int controlId);
// Leads the TX and RX PLL reference rows to the given lists; null restores
// the shared lists.
void RedirectPllRefLists(const ItemList* tx, const ItemList* rx);

// A list built at run time from the rows of constant lists, closed by an end
// row. Its texts point into the constant lists.
using RowList = std::vector<ST_DISPDATA>;
inline ItemList AsItemList(const RowList& rows) {
    return ItemList(rows.data(), rows.size());
}

// "System No." rows of the information pane by signalling type: type 0 the
// single "-" row, 7 the four named rows, 3 rows "1".."10", 1 rows "1".."16",
// 4 "1".."16" with the extended MDC1200 setup else "1" alone, any other
// "1".."32".
RowList InfoPaneSignalingNumberRows(int signalingType, int mdc1200SetupType);
// "CurrentGrp" and the rows of groups 1..g, g the group count limited to 0-8.
RowList ScanGroupRows(int groupCount);
// The PLL reference rows with the row of the radio's standard reference
// labelled `label` (the "Standard" text).
RowList PllRefRowsWithStandard(ItemList list, int standardValue, const char* label);
// The SubAudioPopupTitleList value of a side: CTCSS 0 / 1, DCS 2 / 3 for
// direction 0 (decode) / 1 (encode); 0 for any other type.
int SubAudioPopupTitleValue(int subAudioType, int direction);

// ---- program-wide grid objects ---------------------------------------------------

struct ST_CELL {
    std::int32_t row;
    std::int32_t col;
    bool operator==(const ST_CELL&) const = default;
};

// The channel grid's cell and column flags (cell actions skip a cell whose
// flag is 0) and its two cell back colours. The pictures live with the grid.
struct ChannelGridStateData {
    static constexpr int ColumnCount = ChannelGridColumnCount;
    static constexpr int RowCount = 128;
    static constexpr std::uint32_t Grey = 0xAAAAAA;
    static constexpr std::uint32_t White = 0xFFFFFF;

    std::vector<std::uint8_t> cellFlags = std::vector<std::uint8_t>(RowCount * ColumnCount, 1);
    std::vector<std::uint8_t> columnFlags = std::vector<std::uint8_t>(ColumnCount, 0);
    int gridControlId = 0;

    // 0 for a cell outside the counts.
    std::uint8_t CellFlag(int row, int col) const;
};
ChannelGridStateData& ChannelGridState();

// Cells blanked after a channel row is filled, and the group grid's cells.
std::vector<ST_CELL>& ChannelGridEmptyCells();
std::vector<ST_CELL>& ZoneGridCells();

// The group grid's flags: 9 x 64, all 1.
struct ZoneGridStateData {
    static constexpr int Rows = 9;
    static constexpr int Cols = 64;
    std::vector<std::uint8_t> flags;
};
ZoneGridStateData& ZoneGridState();
void InitZoneMatrix();

// Cached printout texts of three screens, empty until rendered.
std::string& ChannelListHtmlCache();
std::string& ZoneListHtmlCache();
std::string& AdvanceSetupHtmlCache();

}  // namespace ChannelTables
