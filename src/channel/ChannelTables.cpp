#include "channel/ChannelTables.h"

#include <algorithm>

#include "image/UiUtil.h"

namespace ChannelTables {

namespace {

constexpr ST_DISPDATA kEnd{ItemListEnd, "", ""};

// clang-format off
constexpr ST_DISPDATA kGridBlankMark[] = {{0, "-", ""}, {1, " ", ""}, kEnd};
constexpr ST_DISPDATA kGridBlankMarkInverted[] = {{1, "-", ""}, {0, " ", ""}, kEnd};
constexpr ST_DISPDATA kAutoScanMark[] = {{0, "-", ""}, {2, " ", ""}, kEnd};
constexpr ST_DISPDATA kGridCheckMark[] = {{0, "-", ""}, {1, "v", ""}, kEnd};
constexpr ST_DISPDATA kGridCheckMarkInverted[] = {{1, "-", ""}, {0, "v", ""}, kEnd};
constexpr ST_DISPDATA kBandwidth[] = {{0, "W5", ""}, {1, "W4", ""}, {2, "N", ""}, kEnd};
constexpr ST_DISPDATA kSubAudioType[] = {{0, "------", ""}, {1, "C-", ""}, {2, "D-", ""}, kEnd};
constexpr ST_DISPDATA kTxPower[] = {{1, "L", ""}, {0, "H", ""}, kEnd};
constexpr ST_DISPDATA kTimeOutTimer[] = {
    {0, "-", ""}, {1, "0.5", ""}, {2, "1.0", ""}, {3, "1.5", ""}, {4, "2.0", ""}, {5, "2.5", ""}, {6, "3.0", ""},
    {7, "3.5", ""}, {8, "4.0", ""}, {9, "4.5", ""}, {10, "5.0", ""}, {11, "5.5", ""}, {12, "6.0", ""},
    {13, "6.5", ""}, {14, "7.0", ""}, {15, "7.5", ""}, {16, "8.0", ""}, {17, "8.5", ""}, {18, "9.0", ""},
    {19, "9.5", ""}, {20, "10.0", ""}, kEnd};
constexpr ST_DISPDATA kSquelchLevel[] = {
    {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""}, {5, "5", ""}, {6, "6", ""},
    {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, {10, "10", ""}, {11, "11", ""}, {12, "12", ""}, {13, "13", ""},
    {14, "14", ""}, {15, "15", ""}, kEnd};
constexpr ST_DISPDATA kVox[] = {{0, "-", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, kEnd};
constexpr ST_DISPDATA kEncryption[] = {{0, "-", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, kEnd};
constexpr ST_DISPDATA kLockOut[] = {{0, "-", ""}, {1, "BC", ""}, {3, "INV", ""}, {2, "BT", ""}, kEnd};
constexpr ST_DISPDATA kSelectableTone[] = {{0, "-", ""}, {2, "A", ""}, {3, "B", ""}, kEnd};
constexpr ST_DISPDATA kSignalingTypeMark[] = {
    {0, "-", ""}, {1, "2T", ""}, {2, "5T", ""}, {3, "Page", ""}, {4, "MDC", ""}, kEnd};
constexpr ST_DISPDATA kSignalingNumber[] = {
    {0, "1", ""}, {1, "2", ""}, {2, "3", ""}, {3, "4", ""}, {4, "5", ""}, {5, "6", ""}, {6, "7", ""},
    {7, "8", ""}, {8, "9", ""}, {9, "10", ""}, {10, "11", ""}, {11, "12", ""}, {12, "13", ""}, {13, "14", ""},
    {14, "15", ""}, {15, "16", ""}, {16, "17", ""}, {17, "18", ""}, {18, "19", ""}, {19, "20", ""},
    {20, "21", ""}, {21, "22", ""}, {22, "23", ""}, {23, "24", ""}, {24, "25", ""}, {25, "26", ""},
    {26, "27", ""}, {27, "28", ""}, {28, "29", ""}, {29, "30", ""}, {30, "31", ""}, {31, "32", ""},
    {0, "0:OFF", ""}, {1, "1:GE-Star", ""}, {2, "2:MDC1200", ""}, {3, "3:DTMF", ""},
    {0, "0", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {4, "4", ""}, {5, "5", ""}, {6, "6", ""},
    {7, "7", ""}, {8, "8", ""}, {9, "9", ""}, kEnd};
constexpr ST_DISPDATA kFilterUpLow[] = {{1, "Up", ""}, {0, "Low", ""}, kEnd};
constexpr ST_DISPDATA kTxSplLevel[] = {{0, "Low", ""}, {1, "Up", ""}, kEnd};
constexpr ST_DISPDATA kRxLpfLevel[] = {{0, "Low", ""}, {1, "Up", ""}, kEnd};

constexpr ST_DISPDATA kDsubAfInputLevel[] = {{0, "Hi", ""}, {1, "MIC", ""}, kEnd};
constexpr ST_DISPDATA kSurveillance[] = {{0, "Surveil", ""}, {1, "Normal", ""}, kEnd};
constexpr ST_DISPDATA kChannelStatus[] = {{1, "Not Used", ""}, {0, "Used", ""}, kEnd};
constexpr ST_DISPDATA kOltaMode[] = {{0, "---", ""}, {1, "DCS", ""}, kEnd};
constexpr ST_DISPDATA kVoxMode[] = {{0, "-:OFF", ""}, {1, "1:Key ON", ""}, {2, "2:Power ON", ""}, {3, "3:ON", ""}, kEnd};
constexpr ST_DISPDATA kEncryptionMode[] = {
    {0, "-:OFF", ""}, {1, "1:Key ON", ""}, {2, "2:Power ON", ""}, {3, "3:ON", ""}, kEnd};
constexpr ST_DISPDATA kSignalingType[] = {
    {0, "-------", ""}, {1, "2-Tone", ""}, {2, "5-Tone", ""}, {3, "DTMF Page", ""}, {4, "MDC1200", ""},
    {7, "Option", ""}, {6, "MSK", ""}, kEnd};
constexpr ST_DISPDATA kLockOutMode[] = {{0, "-", ""}, {1, "BCLO", ""}, {3, "Invert BCLO", ""}, {2, "BTLO", ""}, kEnd};
constexpr ST_DISPDATA kAutoScan[] = {{0, "-", ""}, {2, "Scan", ""}, {3, "Group Scan", ""}, kEnd};
constexpr ST_DISPDATA kAnnouncement[] = {
    {0, "CH No.", ""}, {128, "No.0", ""}, {129, "No.1", ""}, {130, "No.2", ""}, {131, "No.3", ""},
    {132, "No.4", ""}, {133, "No.5", ""}, {134, "No.6", ""}, {135, "No.7", ""}, {136, "No.8", ""},
    {137, "No.9", ""}, {138, "No.10", ""}, {139, "No.11", ""}, {140, "No.12", ""}, {141, "No.13", ""},
    {142, "No.14", ""}, {143, "No.15", ""}, {144, "No.16", ""}, {159, "--", ""}, kEnd};
constexpr ST_DISPDATA kStandardRefLabel[] = {{3901, "Standard", ""}, kEnd};
constexpr ST_DISPDATA kPreEmphasis[] = {{0, "Disable", ""}, {1, "Enable", ""}, kEnd};
constexpr ST_DISPDATA kDeEmphasis[] = {{0, "Disable", ""}, {1, "Enable", ""}, kEnd};
constexpr ST_DISPDATA kTxFlatAf[] = {{0, "Normal", ""}, {1, "Flat", ""}, kEnd};
constexpr ST_DISPDATA kRxFlatAf[] = {{0, "Normal", ""}, {1, "Flat", ""}, kEnd};
constexpr ST_DISPDATA kTxHpf[] = {{0, "280 Hz", ""}, {1, "300 Hz", ""}, kEnd};
constexpr ST_DISPDATA kRxHpf[] = {{0, "280 Hz", ""}, {1, "300 Hz", ""}, kEnd};
constexpr ST_DISPDATA kTxSpl[] = {{0, "2.55 kHz", ""}, {1, "3.3 kHz", ""}, kEnd};
constexpr ST_DISPDATA kRxSpl[] = {{0, "3 kHz", ""}, {1, "4 kHz", ""}, kEnd};
constexpr ST_DISPDATA kTxPllRef[] = {
    {0, "REF 1", ""}, {1, "REF 2", ""}, {2, "REF 3", ""}, {3, "REF 4", ""}, {4, "REF 5", ""}, {5, "REF 6", ""},
    {6, "REF 7", ""}, {7, "REF 8", ""}, kEnd};
constexpr ST_DISPDATA kRxPllRef[] = {
    {0, "REF 1", ""}, {1, "REF 2", ""}, {2, "REF 3", ""}, {3, "REF 4", ""}, {4, "REF 5", ""}, {5, "REF 6", ""},
    {6, "REF 7", ""}, {7, "REF 8", ""}, kEnd};
constexpr ST_DISPDATA kMicSelect[] = {{0, "Internal", ""}, {1, "External", ""}, kEnd};
constexpr ST_DISPDATA kDsubMicSelect[] = {{0, "Front Mic", ""}, {1, "D-Sub Mic", ""}, kEnd};
constexpr ST_DISPDATA kAniType[] = {{0, "Disable", ""}, {1, "DTMF", ""}, {2, "MDC1200", ""}, {3, "FleetLink", ""}, kEnd};
constexpr ST_DISPDATA kAniTable[] = {{0, "Primary", ""}, {1, "Secondary", ""}, kEnd};
constexpr ST_DISPDATA kDisableEnable[] = {{0, "Disable", ""}, {1, "Enable", ""}, kEnd};
constexpr ST_DISPDATA kScanGroupSelect[] = {
    {255, "CurrentGrp", ""}, {0, "Group-1", ""}, {1, "Group-2", ""}, {2, "Group-3", ""}, {3, "Group-4", ""},
    {4, "Group-5", ""}, {5, "Group-6", ""}, {6, "Group-7", ""}, {7, "Group-8", ""}, {8, "Group-9", ""},
    {9, "Group-10", ""}, {10, "Group-11", ""}, {11, "Group-12", ""}, {12, "Group-13", ""}, {13, "Group-14", ""},
    {14, "Group-15", ""}, {15, "Group-16", ""}, {16, "Group-17", ""}, {17, "Group-18", ""}, {18, "Group-19", ""},
    {19, "Group-20", ""}, {20, "Group-21", ""}, {21, "Group-22", ""}, {22, "Group-23", ""}, {23, "Group-24", ""},
    {24, "Group-25", ""}, {25, "Group-26", ""}, {26, "Group-27", ""}, {27, "Group-28", ""}, {28, "Group-29", ""},
    {29, "Group-30", ""}, {30, "Group-31", ""}, {31, "Group-32", ""}, kEnd};
constexpr ST_DISPDATA kVoxPopup[] = {{0, "-:OFF", ""}, {1, "1:Key ON", ""}, {2, "2:Power ON", ""}, {3, "3:ON", ""}, kEnd};
constexpr ST_DISPDATA kEncryptionPopup[] = {
    {0, "-:OFF", ""}, {1, "1:Key ON", ""}, {2, "2:Power ON", ""}, {3, "3:ON", ""}, kEnd};
constexpr ST_DISPDATA kSubAudioPopupTitle[] = {
    {0, "CTCSS Frequency(Decode)", ""}, {1, "CTCSS Frequency(Encode)", ""}, {2, "DCS Code(Decode)", ""},
    {3, "DCS Code(Encode)", ""}, kEnd};
constexpr ST_DISPDATA kPenaltyTimer[] = {{0, "0 sec", ""}, {1, "6 sec", ""}, {2, "20 sec", ""}, {3, "60 sec", ""}, kEnd};
constexpr ST_DISPDATA kReleaseTimer[] = {{0, "0 sec", ""}, {1, "2 sec", ""}, {2, "3 sec", ""}, {3, "5 sec", ""}, kEnd};
constexpr ST_DISPDATA kSignalingNumberShort[] = {
    {0, "1", ""}, {1, "2", ""}, {2, "3", ""}, {3, "4", ""}, {4, "5", ""}, {5, "6", ""}, {6, "7", ""},
    {7, "8", ""}, {8, "9", ""}, {9, "10", ""}, {10, "11", ""}, {11, "12", ""}, {12, "13", ""}, {13, "14", ""},
    {14, "15", ""}, {15, "16", ""}, {16, "17", ""}, {17, "18", ""}, {18, "19", ""}, {19, "20", ""},
    {20, "21", ""}, {21, "22", ""}, {22, "23", ""}, {23, "24", ""}, {24, "25", ""}, {25, "26", ""},
    {26, "27", ""}, {27, "28", ""}, {28, "29", ""}, {29, "30", ""}, {30, "31", ""}, {31, "32", ""},
    {0, "0:OFF", ""}, {1, "1:GE-Star", ""}, {2, "2:MDC1200", ""}, {3, "3:DTMF", ""}, kEnd};

constexpr ST_DISPDATA kGroupNumber[] = {
    {0, "01", ""}, {1, "02", ""}, {2, "03", ""}, {3, "04", ""}, {4, "05", ""}, {5, "06", ""}, {6, "07", ""},
    {7, "08", ""}, {8, "09", ""}, {9, "10", ""}, {10, "11", ""}, {11, "12", ""}, {12, "13", ""}, {13, "14", ""},
    {14, "15", ""}, {15, "16", ""}, {16, "17", ""}, {17, "18", ""}, {18, "19", ""}, {19, "20", ""},
    {20, "21", ""}, {21, "22", ""}, {22, "23", ""}, {23, "24", ""}, {24, "25", ""}, {25, "26", ""},
    {26, "27", ""}, {27, "28", ""}, {28, "29", ""}, {29, "30", ""}, {30, "31", ""}, {31, "32", ""}, kEnd};
constexpr ST_DISPDATA kZoneGridHeader[] = {{0, "CH\nNo.", ""}, {1, "List\nNo.", ""}, kEnd};
constexpr ST_DISPDATA kEnableDisable[] = {{0, "Enable", ""}, {1, "Disable", ""}, kEnd};
constexpr ST_DISPDATA kAlignmentFileLetter[] = {
    {1, "C", ""}, {2, "D", ""}, {3, "E", ""}, {4, "F", ""}, {5, "G", ""}, {6, "H", ""}, {7, "I", ""},
    {8, "J", ""}, {9, "K", ""}, {10, "L", ""}, {11, "M", ""}, {12, "N", ""}, {0, "B", ""}, {13, "Q", ""},
    {14, "R", ""}, {15, "S", ""}, kEnd};
// clang-format on

int ListLength(ItemList list) {
    int n = 0;
    for (const auto& row : list) {
        if (row.value == ItemListEnd) break;
        ++n;
    }
    return n;
}

}  // namespace

const ItemList GridBlankMarkList{kGridBlankMark};
const ItemList GridBlankMarkInvertedList{kGridBlankMarkInverted};
const ItemList AutoScanMarkList{kAutoScanMark};
const ItemList GridCheckMarkList{kGridCheckMark};
const ItemList GridCheckMarkInvertedList{kGridCheckMarkInverted};
const ItemList BandwidthList{kBandwidth};
const ItemList SubAudioTypeList{kSubAudioType};
const ItemList TxPowerList{kTxPower};
const ItemList TimeOutTimerList{kTimeOutTimer};
const ItemList SquelchLevelList{kSquelchLevel};
const ItemList VoxList{kVox};
const ItemList EncryptionList{kEncryption};
const ItemList LockOutList{kLockOut};
const ItemList SelectableToneList{kSelectableTone};
const ItemList SignalingTypeMarkList{kSignalingTypeMark};
const ItemList SignalingNumberList{kSignalingNumber};
const ItemList FilterUpLowList{kFilterUpLow};
const ItemList TxSplLevelList{kTxSplLevel};
const ItemList RxLpfLevelList{kRxLpfLevel};

const ItemList DsubAfInputLevelList{kDsubAfInputLevel};
const ItemList SurveillanceList{kSurveillance};
const ItemList ChannelStatusList{kChannelStatus};
const ItemList OltaModeList{kOltaMode};
const ItemList VoxModeList{kVoxMode};
const ItemList EncryptionModeList{kEncryptionMode};
const ItemList SignalingTypeList{kSignalingType};
const ItemList LockOutModeList{kLockOutMode};
const ItemList AutoScanList{kAutoScan};
const ItemList AnnouncementList{kAnnouncement};
const ItemList StandardRefLabelList{kStandardRefLabel};
const ItemList PreEmphasisList{kPreEmphasis};
const ItemList DeEmphasisList{kDeEmphasis};
const ItemList TxFlatAfList{kTxFlatAf};
const ItemList RxFlatAfList{kRxFlatAf};
const ItemList TxHpfList{kTxHpf};
const ItemList RxHpfList{kRxHpf};
const ItemList TxSplList{kTxSpl};
const ItemList RxSplList{kRxSpl};
const ItemList TxPllRefList{kTxPllRef};
const ItemList RxPllRefList{kRxPllRef};
const ItemList MicSelectList{kMicSelect};
const ItemList DsubMicSelectList{kDsubMicSelect};
const ItemList AniTypeList{kAniType};
const ItemList AniTableList{kAniTable};
const ItemList DisableEnableList{kDisableEnable};
const ItemList ScanGroupSelectList{kScanGroupSelect};
const ItemList VoxPopupList{kVoxPopup};
const ItemList EncryptionPopupList{kEncryptionPopup};
const ItemList SubAudioPopupTitleList{kSubAudioPopupTitle};
const ItemList PenaltyTimerList{kPenaltyTimer};
const ItemList ReleaseTimerList{kReleaseTimer};
const ItemList SignalingNumberShortList{kSignalingNumberShort};

const ItemList GroupNumberList{kGroupNumber};
const ItemList ZoneGridHeaderList{kZoneGridHeader};
const ItemList EnableDisableList{kEnableDisable};
const ItemList AlignmentFileLetterList{kAlignmentFileLetter};

// clang-format off
const std::array<GridColumnSpec, ChannelGridColumnCount + 1> ChannelGridColumns = {{
    {0, 0, 510, nullptr, 1, 0, 1, 1, 1, 0},
    {1, 0, 510, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {2, 0, 510, &BandwidthList, 1, 0, 4, 4, 4, 0},
    {3, 0, 1035, nullptr, 2, 8, 2, 2, 2, 0},
    {5, 0, 1140, nullptr, 2, 9, 2, 2, 2, 0},
    {4, 0, 1140, nullptr, 2, 9, 4, 2, 2, 0},
    {6, 0, 930, &SubAudioTypeList, 2, 7, 4, 6, 6, 0},
    {7, 0, 930, &SubAudioTypeList, 2, 7, 4, 6, 6, 0},
    {8, 0, 615, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {9, 0, 615, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {10, 0, 510, &TxPowerList, 1, 0, 4, 4, 4, 0},
    {11, 0, 615, &GridBlankMarkInvertedList, 5, 0, 5, 5, 5, 0},
    {12, 0, 615, &AutoScanMarkList, 5, 0, 5, 5, 5, 0},
    {13, 0, 510, &TimeOutTimerList, 3, 0, 3, 3, 3, 0},
    {14, 0, 510, &SquelchLevelList, 3, 0, 3, 3, 3, 0},
    {15, 0, 615, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {16, 0, 615, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {17, 0, 510, nullptr, 1, 0, 6, 6, 6, 0},
    {18, 0, 510, &VoxList, 1, 0, 6, 6, 6, 0},
    {19, 0, 615, &EncryptionList, 1, 0, 6, 6, 6, 0},
    {20, 0, 615, &LockOutList, 3, 0, 3, 3, 3, 0},
    {21, 0, 615, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {22, 0, 615, &SignalingTypeMarkList, 3, 0, 3, 3, 3, 0},
    {23, 0, 825, &SignalingNumberList, 1, 0, 6, 6, 6, 0},
    {24, 0, 615, &GridBlankMarkList, 5, 0, 5, 5, 5, 0},
    {25, 0, 720, &FilterUpLowList, 1, 0, 4, 4, 4, 0},
    {26, 0, 720, &FilterUpLowList, 1, 0, 4, 4, 4, 0},
    {27, 0, 720, &TxSplLevelList, 1, 0, 4, 4, 4, 0},
    {28, 0, 720, &RxLpfLevelList, 1, 0, 4, 4, 4, 0},
    {-1, -1, 0, nullptr, 0, 0, 0, 0, 0, 0},
}};
// clang-format on

namespace {
constexpr std::array<std::array<std::uint8_t, ServiceModes>, BandSelections> Uniform(std::uint8_t s) {
    return {{{s, s, s}, {s, s, s}, {s, s, s}, {s, s, s}, {s, s, s}}};
}
constexpr std::array<std::array<std::uint8_t, ServiceModes>, BandSelections> OnlyBands(std::uint8_t s,
                                                                                       int from, int to) {
    std::array<std::array<std::uint8_t, ServiceModes>, BandSelections> rows{};
    for (int b = from; b <= to; ++b) rows[b] = {s, s, s};
    return rows;
}
constexpr ColumnStateTable MakeColumnStates() {
    ColumnStateTable t{};
    t[3] = Uniform(5);
    t[8] = OnlyBands(4, 3, 4);
    for (int c : {19, 25, 26, 27, 28}) t[c] = OnlyBands(3, 0, 0);
    return t;
}
}  // namespace

const ColumnStateTable ChannelGridColumnStates = MakeColumnStates();

int ColumnState(int column, int bandSelection, int serviceMode) {
    if (column < 0 || column >= ChannelGridColumnCount || bandSelection < 0 ||
        bandSelection >= BandSelections || serviceMode < 0 || serviceMode >= ServiceModes)
        return 0;
    return ChannelGridColumnStates[column][bandSelection][serviceMode];
}

const std::array<ListKey, 10> ChannelGridListKeys = {{
    {3301, &BandwidthList},
    {3302, &TxPowerList},
    {3305, &AutoScanMarkList},
    {3306, &SquelchLevelList},
    {3307, &VoxList},
    {3308, &EncryptionList},
    {3309, &LockOutList},
    {3311, &SelectableToneList},
    {3312, &SignalingTypeMarkList},
    {3313, &SignalingNumberList},
}};

// ---- check cells ---------------------------------------------------------------

const ItemList& CheckTwinList(ItemList columnList) {
    return columnList.data() == GridBlankMarkList.data() ? GridCheckMarkList : GridCheckMarkInvertedList;
}

std::string CheckCopyText(ItemList columnList, std::string_view cellText) {
    const int row = UiUtil::FindTableRow(columnList, cellText);
    const ItemList& twin = CheckTwinList(columnList);
    if (row < 0 || row >= ListLength(twin)) return std::string(cellText);
    return twin[row].text;
}

std::optional<std::string> CheckPasteText(ItemList columnList, std::string_view pasted) {
    const int row = UiUtil::FindTableRow(CheckTwinList(columnList), pasted);
    if (row < 0 || row >= ListLength(columnList)) return std::nullopt;
    return std::string(columnList[row].text);
}

// ---- information pane --------------------------------------------------------------

std::array<ControlItemListPair, ChannelInfoControlCount> ChannelInfoControlLists = {{
    {2101, &BandwidthList},
    {2102, &TxPowerList},
    {2105, &TimeOutTimerList},
    {2106, &PenaltyTimerList},
    {2107, &ReleaseTimerList},
    {2108, &AniTypeList},
    {2109, &AniTableList},
    {2110, &SignalingTypeList},
    {2111, &SignalingNumberShortList},
    {2112, &SignalingNumberList},
    {2113, &ScanGroupSelectList},
    {2114, &AutoScanList},
    {2115, &SquelchLevelList},
    {2116, &VoxModeList},
    {2117, &EncryptionModeList},
    {2118, &LockOutModeList},
    {2119, &SelectableToneList},
    {2120, &PreEmphasisList},
    {2121, &DeEmphasisList},
    {2122, &TxFlatAfList},
    {2123, &RxFlatAfList},
    {2124, &TxHpfList},
    {2125, &TxSplList},
    {2126, &RxHpfList},
    {2127, &RxSplList},
    {2128, &TxPllRefList},
    {2129, &RxPllRefList},
    {2130, &MicSelectList},
    {2131, &DisableEnableList},
    {2132, &SurveillanceList},
    {2133, &SurveillanceList},
    {2134, &SurveillanceList},
    {2135, &OltaModeList},
    {2136, &DisableEnableList},
    {2137, &DsubAfInputLevelList},
    {2138, &DsubMicSelectList},
    {2139, &ChannelStatusList},
    {2140, &AnnouncementList},
}};

const ItemList* FindControlList(int controlId) {
    for (const auto& pair : ChannelInfoControlLists)
        if (pair.controlId == controlId) return pair.list;
    return nullptr;
}

void RedirectPllRefLists(const ItemList* tx, const ItemList* rx) {
    for (auto& pair : ChannelInfoControlLists) {
        if (pair.controlId == 2128) pair.list = tx ? tx : &TxPllRefList;
        if (pair.controlId == 2129) pair.list = rx ? rx : &RxPllRefList;
    }
}

namespace {
RowList Rows(ItemList list, int first, int count) {
    RowList rows;
    const int length = ListLength(list);
    for (int i = first; i < first + count && i < length; ++i) rows.push_back(list[i]);
    rows.push_back(kEnd);
    return rows;
}
}  // namespace

RowList InfoPaneSignalingNumberRows(int signalingType, int mdc1200SetupType) {
    switch (signalingType) {
        case 0:
            return Rows(GridBlankMarkList, 0, ListLength(GridBlankMarkList));
        case 7:
            return Rows(SignalingNumberList, 32, 4);
        case 3:
            return Rows(SignalingNumberList, 0, 10);
        case 1:
            return Rows(SignalingNumberList, 0, 16);
        case 4:
            return Rows(SignalingNumberList, 0, mdc1200SetupType == 1 ? 16 : 1);
        default:
            return Rows(SignalingNumberList, 0, 32);
    }
}

RowList ScanGroupRows(int groupCount) {
    const int g = std::clamp(groupCount, 0, 8);
    return Rows(ScanGroupSelectList, 0, 1 + g);
}

RowList PllRefRowsWithStandard(ItemList list, int standardValue, const char* label) {
    RowList rows = Rows(list, 0, ListLength(list));
    for (auto& row : rows)
        if (row.value == standardValue && row.value != ItemListEnd) row.text = label;
    return rows;
}

int SubAudioPopupTitleValue(int subAudioType, int direction) {
    const int side = direction == 1 ? 1 : 0;
    if (subAudioType == 1) return side;
    if (subAudioType == 2 || subAudioType == 3) return 2 + side;
    return 0;
}

// ---- program-wide objects ------------------------------------------------------------

std::uint8_t ChannelGridStateData::CellFlag(int row, int col) const {
    if (row < 0 || row >= RowCount || col < 0 || col >= ColumnCount) return 0;
    return cellFlags[static_cast<std::size_t>(row) * ColumnCount + col];
}

ChannelGridStateData& ChannelGridState() {
    static ChannelGridStateData state;
    return state;
}

std::vector<ST_CELL>& ChannelGridEmptyCells() {
    static std::vector<ST_CELL> cells;
    return cells;
}

std::vector<ST_CELL>& ZoneGridCells() {
    static std::vector<ST_CELL> cells;
    return cells;
}

ZoneGridStateData& ZoneGridState() {
    static ZoneGridStateData state;
    if (state.flags.empty()) state.flags.assign(ZoneGridStateData::Rows * ZoneGridStateData::Cols, 1);
    return state;
}

void InitZoneMatrix() {
    ZoneGridState().flags.assign(ZoneGridStateData::Rows * ZoneGridStateData::Cols, 1);
}

std::string& ChannelListHtmlCache() {
    static std::string text;
    return text;
}

std::string& ZoneListHtmlCache() {
    static std::string text;
    return text;
}

std::string& AdvanceSetupHtmlCache() {
    static std::string text;
    return text;
}

}  // namespace ChannelTables
