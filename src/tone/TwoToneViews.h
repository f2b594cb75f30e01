#pragma once
// The three views of the 2-tone system window as the grid-view framework
// sees them: the system view (eight systems, 19 columns), the encode view
// (eight tone pairs with their tags) and the decode view (eight decode
// records). Each is a column table, a state table, header texts and spans,
// and one binding per column to its record in the image.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "tone/GridViewModel.h"

namespace TwoToneViews {

inline constexpr int SystemGridId = 1013, EncodeGridId = 1014, DecodeGridId = 1015;
inline constexpr int SystemFormId = 167, EncodeFormId = 168, DecodeFormId = 169;

const GridView::ViewSpec& SystemSpec();
const GridView::ViewSpec& EncodeSpec();
const GridView::ViewSpec& DecodeSpec();

// Columns of the views that the window and the tests name.
namespace SystemCol {
inline constexpr int CallCode = 1, SyncMute = 2, Duty = 3, MoniSw = 4, ChSw = 5, PttSw = 6, CdComp = 7,
                     DecodeCode1 = 8, Period1st = 16, Period2nd = 17, PeriodGroup = 18;
}
namespace EncodeCol {
inline constexpr int Tag = 1, Tone1st = 2, Tone2nd = 3;
}
namespace DecodeCol {
inline constexpr int Tag = 1, Tone1st = 2, Tone2nd = 3, CallDisp = 4, AfMute = 5, DecodeLed = 6,
                     AlertMode = 7, AlertRepeat = 8, Beep = 9, Play = 10;
}

// "%.1f" of a tone-table word in tenths of Hz; an empty word (0xFFFF) is 0.0.
std::string ToneText(std::uint32_t word);
// The text a tone-code cell shows: the tone of code 0-9, "-" for any other.
std::string ToneCodeText(const CloneImage& image, std::uint32_t code);
// The lowest code 0-9 whose tone shows `text`; 255 for "-"; none otherwise.
std::optional<std::uint32_t> ToneCodeOf(const CloneImage& image, std::string_view text);

// The OK pass of the system view also keeps each system's call code in
// header-area byte 200 + system.
void CopyCallCodesToHeader(CloneImage& image);

// The drag between the views: which records were dragged, by position.
struct DragPayload {
    int kind = 0;  // 0 none, 2 encode records, 3 decode records
    std::array<std::uint8_t, 8> records{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
};
// The payload of the selected rows of the encode (kind 2) or decode (kind 3)
// view: record number 1-8 at the record's position.
DragPayload MakeDragPayload(const GridView::GridViewModel& view, int kind, const std::vector<int>& rows);
// A drop on the system view: encode records on the Call Code column assign
// call codes to consecutive systems; decode records tick the system's decode
// codes. True when something changed.
bool DropOnSystem(GridView::GridViewModel& system, const DragPayload& payload, int row, int col);

// Whether the decode view's Beep list offers all ten beeps, else "-" and A-G.
bool AllBeepsAllowed(const CloneImage& image);
// The sample file of a decode record's beep: "Tone_sample/<A-J>.wav" under
// `programFolder`; empty for no beep or a value outside the list.
std::filesystem::path SampleFile(const CloneImage& image, int record, const std::filesystem::path& programFolder);

// The system view's edit rule: a tone period is edited as "%.2f" seconds,
// without its unit.
void AdjustSystemEdit(const GridView::GridViewModel& view, int row, int col, GridView::GridViewModel::EditStart& e);
// The decode view's edit rules: no editor on an Alert Repeat cell that does
// not apply; the Beep drop-down limited by the firmware.
void AdjustDecodeEdit(const GridView::GridViewModel& view, int row, int col, GridView::GridViewModel::EditStart& e);

}  // namespace TwoToneViews

namespace ToneWindowLayout {
// The outer rows of a tone system window of client height `height` from the
// saved proportions: the top row at least 140, the middle row at least 100,
// and when both leave less than 65 pixels the taller (the middle row when
// equal) gives up the excess.
struct Rows {
    int top, middle;
};
Rows FromProportions(int height, double top, double middle);
// The help row's height: the saved one, never below 160.
int HelpHeight(int saved);
}  // namespace ToneWindowLayout
