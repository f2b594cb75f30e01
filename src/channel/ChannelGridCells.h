#pragma once
// What the channel grid shows, without a window: the header texts, which
// columns the radio variant and service mode hide or leave out of the
// printout, how many channel rows the image binds, and the text of every
// cell. Reading a cell never changes the image.
#include <array>
#include <span>
#include <string>

#include "channel/ChannelTables.h"
#include "image/CloneImage.h"

namespace ChannelGridCells {

inline constexpr int ColumnCount = ChannelTables::ChannelGridColumnCount;
inline constexpr int FixedRows = 2;      // the two header rows
inline constexpr int RowsPerGroup = 16;  // data rows: the channels of one group
inline constexpr int PrintRowsPerPage = 52;
inline constexpr int DialogId = 134;
inline constexpr int GridControlId = 1063;
inline constexpr const char* Caption = "CH DATA";
inline constexpr const char* SettingsSection = "CHSetting";
inline constexpr const char* EntryGridVisible = "Grid_Visible";
inline constexpr int MinColumnWidthTwips = 300;

// Column numbers the grid's rules name.
namespace Col {
inline constexpr int Number = 0, Priority = 1, Bandwidth = 2, Tag = 3, RxFrequency = 4, TxFrequency = 5,
                     DecodeSubAudio = 6, EncodeSubAudio = 7, RxPowerSave = 8, TxPowerSave = 9, TxPower = 10,
                     Scan = 11, AutoScan = 12, TimeOutTimer = 13, Squelch = 14, RxClockShift = 15,
                     TxClockShift = 16, Ani = 17, Vox = 18, Encryption = 19, LockOut = 20, Olta = 21,
                     SignalingType = 22, SignalingNumber = 23, TxFlat = 24, TxHpf = 25, RxHpf = 26,
                     TxSpl = 27, RxLpf = 28;
}

// Header row 0 and row 1 of each column; "\n" breaks a line.
struct HeaderTexts {
    const char* top;
    const char* bottom;
};
extern const std::array<HeaderTexts, ColumnCount> Headers;
// Header row `row` of column `col` in the current language (RID: sub-index
// the column, the grid's dialog and control); the print text while print
// texts are asked for. The grid and the printout both show this text.
std::string HeaderText(int row, int col);

// The View menu's column groups as the grid adds them to a menu.
struct MainItemText {
    int commandId;
    const char* text;
};
extern const std::array<MainItemText, 21> MainItemMenuTexts;

const ChannelTables::GridColumnSpec& Spec(int column);

// The column's state byte for the image's band selection and the current
// service mode.
int ColumnState(const CloneImage& image, int column);
// Hidden by the restriction rules: states 3 and 4, and 5 for the name tag
// column on a plain-display radio.
bool IsColumnRestricted(const CloneImage& image, int column);
// The columns the grid shows: those the restriction rules leave and whose
// View menu column group is on.
std::array<bool, ColumnCount> ShownColumns(const CloneImage& image);
// States 0, 1, 2 and 5 may be printed.
bool IsColumnPrintable(const CloneImage& image, int column);

// Channels the grid binds: 8 x Max CH (0-16), at least 16, at most 128.
int BindingCount(const CloneImage& image);
// In use: its bit in the in-use bitmap is clear.
bool IsChannelInUse(const CloneImage& image, int channel);

// The signalling numbers a channel's type offers ("1".."32" stored as number
// - 1; type 7 the four named rows). `forCell` cuts the named rows to their
// leading number, as the cell shows them.
ChannelTables::RowList SignalingNumberRows(const CloneImage& image, int channel, bool forCell);

// The text of one cell from the image. A value without a row in the
// column's list gives the empty text.
std::string FormatCellText(const CloneImage& image, int column, int channel);

// "Grid_Visible": "%d," of 1 (shown) or 0 (hidden) for every column.
std::string GridVisibleText(std::span<const bool> shown);

}  // namespace ChannelGridCells
