#pragma once
// The three views of the 5-tone system window as the grid-view framework
// sees them: the system view (16 or 32 systems, 25 columns), the encode view
// (32 encode codes, 18 columns) and the decode view (5 or 8 decode codes and
// the group record, 22 columns). Each is a column table, a state table,
// header texts and spans, and one binding per column to its record. The
// number of rows, the offered tone formats and the transpond codes depend on
// the image, so the specs are made per image.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "tone/GridViewModel.h"

namespace FiveToneViews {

inline constexpr int SystemGridId = 1013, EncodeGridId = 1014, DecodeGridId = 1015;
inline constexpr int SystemFormId = 625, EncodeFormId = 626, DecodeFormId = 627, ButtonFormId = 628;
inline constexpr int WindowId = 406;

namespace SystemCol {
inline constexpr int RepeaterTable = 1, RepeaterCode = 2, CallIdTable = 3, CallCode = 4, IdCode = 5, MoniSw = 6,
                     ChSw = 7, PttSw = 8, IdFlow = 9, AniTrans = 10, CdComp = 11, SprImp = 12, Duty = 13,
                     Backup = 14, AutoResetTime = 15, AutoResetBeep = 16, DecodeCode1 = 17, Count = 25;
}
namespace EncodeCol {
inline constexpr int Code = 1, Tag = 2, MuteMode = 3, Ext1st = 4, Sel = 5, OverWrt = 6, TransDec = 7,
                     TransBeep = 8, GrpDgt = 9, InputDigit1 = 10, Count = 18;
}
namespace DecodeCol {
inline constexpr int Code = 1, Tag = 2, TranspondTxLed = 3, TranspondCode = 4, DecIdDisp = 5, CallDisp = 6,
                     MuteMode = 7, Scan = 8, Stun = 9, AutoTx = 10, EmgOff = 11, LedMode = 12, LedColor = 13,
                     AlertMode = 14, AlertRepeat = 15, Beep = 16, Play = 17, Acc1 = 18, Count = 22;
}

// Systems shown: 16 for model index 1, else 32.
int SystemCount(const CloneImage& image);
// Decode rows shown, the group row included: 6 for model index 1, else 9.
int DecodeRowCount(const CloneImage& image);
inline constexpr int GroupRecord = 8;
// Whether the TP40 format is offered: in a service mode other than normal,
// or when header byte 3 is 2.
bool Tp40Offered(const CloneImage& image, int serviceMode);

GridView::ViewSpec SystemSpec(const CloneImage& image, int serviceMode);
GridView::ViewSpec EncodeSpec();
// Also refills the transpond code list for the image.
GridView::ViewSpec DecodeSpec(const CloneImage& image);

// A code's digit text: `count` upper-case hex digits (at most 8), "" for 0.
std::string CodeText(std::uint32_t count, const std::array<std::uint32_t, 8>& digits);
// The digits of a typed code: nullopt when the text cannot be stored (more
// than 8 digits); an empty vector when the code is cleared (a character
// outside 0-9, A-E).
std::optional<std::vector<std::uint8_t>> ParseCode(std::string_view text);

// The OK pass of the system view also keeps the header copies of the call
// encode codes and of the encode code digits up to date.
void UpdateDerivedItems(CloneImage& image);

// The popup caption of a system view cell ("Call Code No. (No.3)"), empty for
// a column without a popup.
std::string SystemPopupCaption(int col, int record);
std::string TranspondPopupCaption(int record);

// The drag between the views: the dragged code numbers in selection order,
// at most eight; 0xFF marks an empty slot.
struct DragState {
    int kind = 0;  // 0 none, 2 encode codes, 3 decode codes
    std::array<std::uint8_t, 8> items{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
};
// The state of a drag of `rows` (in selection order) from the encode
// (kind 2) or decode (kind 3) view; the decode group row is left out.
DragState MakeDrag(const GridView::GridViewModel& view, int kind, const std::vector<int>& rows);
// A drop on the system view: encode codes on Repeater Code, Call or ID fill
// consecutive systems from the drop row; decode codes tick the drop row's
// decode code columns. True when something was written.
bool DropOnSystem(GridView::GridViewModel& system, const DragState& drag, int row, int col);

// The decode record of a decode view row's record index (the last row is the
// group record).
int DecodeRecordOf(const GridView::GridViewModel& decode, int row);
// The sample file of a decode record's alert beep: "Tone_sample/<A-J>.wav"
// under `programFolder`, named after the stored beep; empty for no beep, a
// beep the firmware does not offer or a value outside the list.
std::filesystem::path SampleFile(const CloneImage& image, int record, const std::filesystem::path& programFolder);

// The edit rules: Auto Reset Time is edited as a bare number; the decode
// view refuses Alert Repeat where it does not apply, limits the Beep list by
// the firmware and edits nothing in the group row's hidden cells.
void AdjustSystemEdit(const GridView::GridViewModel& view, int row, int col, GridView::GridViewModel::EditStart& e);
void AdjustDecodeEdit(const GridView::GridViewModel& view, int row, int col, GridView::GridViewModel::EditStart& e);
// Whether a decode view cell holds anything (the group row has no code,
// transpond or auto TX).
bool IsDecodeCellShown(const GridView::GridViewModel& view, int row, int col);

}  // namespace FiveToneViews
