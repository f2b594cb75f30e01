#pragma once
// The channel editor pane without its window: which value each control of
// the pane shows for a channel, which rows each combo box offers, what each
// change writes into the image (always through the channel operations and
// the channel-record writers), and which controls are shown, enabled or
// cleared for the radio, the service mode and the channel's own settings.
//
// The pane has no OK: every change is written at once and the pane then
// shows the channel again from the image.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "channel/ChannelTables.h"
#include "image/ChannelOps.h"
#include "image/CloneImage.h"
#include "ui/EditRules.h"
#include "ui/Restraction.h"

namespace ChannelEditor {

inline constexpr int DialogId = 143;

// Control ids of the pane (its own numbering, not the settings pages' one).
namespace Id {
inline constexpr int ChannelCombo = 1021, RxFrequency = 1022, RxPowerSave = 1023, TxPowerSave = 1024,
                     TxFrequency = 1027, Tag = 1029, DecodeSubAudio = 1030, EncodeSubAudio = 1031,
                     RxClockShift = 1054, TxClockShift = 1055, ClockShiftOption = 1056, Compander = 1060;
inline constexpr int Bandwidth = 2101, TxPower = 2102, PowerLow = 2103, StandardTxPower = 2104,
                     TimeOutTimer = 2105, PenaltyTimer = 2106, ReleaseTimer = 2107, AniType = 2108,
                     Mdc1200Ani = 2109, SignalingType = 2110, SignalingButtonNumber = 2111, SystemNo = 2112,
                     ScanGroup = 2113, AutoScan = 2114, SqlLevel = 2115, Vox = 2116, Encryption = 2117,
                     LockOut = 2118, SelectableTone = 2119, PreEmphasis = 2120, DeEmphasis = 2121,
                     TxFlatAf = 2122, RxFlatAf = 2123, TxHpf = 2124, TxSpl = 2125, RxHpf = 2126, RxSpl = 2127,
                     TxPllRef = 2128, RxPllRef = 2129, PriorityMic = 2130, DsubAfOutput = 2131, Light = 2132,
                     BeepAnnounce = 2133, SurveilAudio = 2134, Olta = 2135, AniMonitor = 2136,
                     DsubAfInput = 2137, DsubMic = 2138, Status = 2139, Announce = 2140;
// Captions the rule table names, and the two bold column heads.
inline constexpr int SelectableToneCaption = 1132, TagCaption = 1102, PowerSaveCaption = 1085,
                     Mdc1200AniCaption = 1118, LightCaption = 1145, BeepAnnounceCaption = 1146,
                     DsubAfInputCaption = 1148, DsubAfOutputCaption = 1144, TxPllRefCaption = 1141,
                     RxPllRefCaption = 1142, AnnounceCaption = 1103, ScanGroupCaption = 1121,
                     PreEmphasisCaption = 1133, EncryptionCaption = 1128, AniTypeCaption = 1150,
                     AniMonitorCaption = 1117, FlatAfTxCaption = 1135, RxHead = 1109, TxHead = 1106,
                     ListNoCaption = 1149;
}  // namespace Id

// The five edits: {id, digits, min, max, kind}. A frequency is shown as
// "%.5f": nine characters for three digits of MHz.
inline constexpr PageControlSpec EditSpecs[] = {
    {Id::Tag, 8, 0, 0, EditKind::NameTag, 0},
    {Id::RxFrequency, 9, 0.0, 999.9, EditKind::Any, 0},
    {Id::TxFrequency, 9, 0.0, 999.9, EditKind::Any, 0},
    {Id::DecodeSubAudio, 7, 0, 0, EditKind::SubAudio, 0},
    {Id::EncodeSubAudio, 7, 0, 0, EditKind::SubAudio, 0},
};
inline constexpr int CheckIds[] = {Id::RxPowerSave,  Id::TxPowerSave,      Id::RxClockShift,
                                   Id::TxClockShift, Id::ClockShiftOption, Id::Compander};
// The combo boxes without a row in the control map.
inline constexpr int UnlistedComboIds[] = {Id::PowerLow, Id::StandardTxPower};

// The pane's rule table, ended by control id -1.
extern const std::array<ControlRuleRow, 37> RuleRows;

// ---- reading ---------------------------------------------------------------------

// Rows of the channel combo: "1".."N", N = min(8 x Max CH, 128).
int ChannelCount(const CloneImage& image);
// F2 and F5: the next and previous channel, wrapping; -1 without channels.
int NextChannel(int index, int count);
int PreviousChannel(int index, int count);

// Flat AF(TX) stands for item 29 + 2 x item 39 on band mode 0 with firmware
// 1.13.3 or later.
bool FlatAfTxCombined(const CloneImage& image);
// The value a combo shows for the channel; -1 for a combo without a field.
int ComboValue(const CloneImage& image, int channel, int controlId);
bool CheckValue(const CloneImage& image, int channel, int controlId);
// The texts of the edits: name, RX and TX frequencies ("---.-----" while the
// channel does not transmit), decode and encode sub-audio.
std::string EditText(const CloneImage& image, int channel, int controlId);

// The rows a combo offers for the channel (ended by the end row); empty for
// a control the pane does not fill.
ChannelTables::RowList ComboRows(const CloneImage& image, int channel, int controlId);

// ---- changes ------------------------------------------------------------------------

// A combo selection. -1 (a selection that matches no row) writes nothing.
// Answers whether anything was written.
bool ApplyComboChange(CloneImage& image, int channel, int controlId, int value);
void ApplyCheck(CloneImage& image, int channel, int controlId, bool checked);

enum class Leave { Unchanged, Stored, Refused };
// Leaving an edit. A text equal to what the edit showed stores nothing, so
// that only what the user changed is written; a frequency text that is no
// number stores nothing.
Leave LeaveTag(CloneImage& image, int channel, std::string_view text, std::string_view shown);
Leave LeaveFrequency(CloneImage& image, int channel, int controlId, std::string_view text,
                     std::string_view shown);
Leave LeaveSubAudio(CloneImage& image, int channel, int controlId, std::string_view text,
                    std::string_view shown);

// A sub-audio text read as the pane reads it: the first two characters give
// the type ("C-" CTCSS, "D-" DCS, anything else none); CTCSS in tenths of a
// hertz (600-2541), DCS in octal (0-511) with the last character "B" (the
// decode flag) or "I" (inverted).
Channel::SubAudio ParseSubAudio(std::string_view text);
// Space in a sub-audio edit: none, CTCSS 67.0 Hz, DCS 023, none...
void StepSubAudioType(CloneImage& image, int channel, int controlId);
// F3: encode N and I alternate; decode goes N, I, B, N.
void StepDcsPolarity(CloneImage& image, int channel, int controlId);

// ---- control states --------------------------------------------------------------------

struct ControlState {
    bool shown = true;
    bool enabled = true;
    bool cleared = false;  // no selection, no text, not checked
    bool operator==(const ControlState&) const = default;
};
// The state of every control the pane sets, for the channel (-1: none) in
// the given service mode.
std::map<int, ControlState> PlanControlStates(const CloneImage& image, int channel, int serviceMode);

// The rule object's check (state 2) of one control: nothing, or the control
// enabled, disabled, or disabled and cleared.
enum class Check { Keep, Enable, Disable, DisableClear };
Check CheckDecision(const CloneImage& image, int channel, int controlId);

}  // namespace ChannelEditor
