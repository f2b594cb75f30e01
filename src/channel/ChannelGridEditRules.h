#pragma once
// How a cell of the channel grid is changed, without a window: typed text
// parsed by its column's rule and written through the channel operations,
// the key filter of the in-place editor, cycling to the next value, the DCS
// polarity swap, which dialog a cell opens, and the clipboard forms of cells.
// The pane (ChannelList) applies these to the grid and refills the row.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/CloneImage.h"

namespace ChannelGridEdit {

inline constexpr int KeyBackspace = 8, KeyTab = 9, KeyEnter = 13, KeyEscape = 27;

// A cell takes input: the column is one of the 29, and a channel that is not
// in use reacts only in the channel-number column.
bool AcceptsInput(const CloneImage& image, int channel, int column);

// Writes a cell's text into the image by the column's rule. A list column
// takes the value of the row with that text (row 0 when none has it). A
// frequency text without a number leaves the receive frequency alone and
// switches transmit off; a tick or a blank in the priority column sets or
// clears this channel as the group's priority channel.
void ParseCellText(CloneImage& image, int channel, int column, std::string_view text);

// The cell's next value: the next row of its list (wrapping), the next
// sub-audio type with its starting code, the in-use bit or the transmit flag.
void CycleCellValue(CloneImage& image, int channel, int column, std::string_view currentText);

// F3: DCS normal / inverted on the encode side, normal / inverted / both on
// the decode side. True when the channel changed.
bool SwapDcsPolarity(CloneImage& image, int channel, int column);

// What the editor does with a typed key: `key` 0 drops it; `replaceText`
// replaces the editor's whole text (the sub-audio type prefix).
struct KeyFilter {
    int key = 0;
    std::optional<std::string> replaceText;
    bool operator==(const KeyFilter&) const = default;
};
KeyFilter FilterEditKey(int column, int key, std::string_view editorText, int caret, int selectionLength);

// How an edit begins: refused, or the editor's length, selection and
// drop-down rows. `cycleFirst`: the transmit cell is switched on first.
struct EditStart {
    bool cancel = false;
    bool cycleFirst = false;
    int maxLength = 0;
    std::vector<std::string> dropDown;
};
EditStart BeginCellEdit(const CloneImage& image, int channel, int column, std::string_view cellText);
// The drop-down rows of a list column, without the rows the radio's firmware
// does not offer.
std::vector<std::string> DropDownRows(const CloneImage& image, int column);

enum class CellDialog { None, DecodeSubAudio, EncodeSubAudio, Ani, Vox, Encryption, SignalingNumber };
// The dialog a cell opens (double click, Enter, Space by the column).
CellDialog DialogForCell(const CloneImage& image, int channel, int column);

// A committed edit: the text is parsed into the image; an OLTA cell whose
// text changed asks for the dialog that completes the new mode.
struct Commit {
    int oldPriorityPosition = -1;  // the group's priority before (-1 none)
    CellDialog followUp = CellDialog::None;
};
Commit CommitCellText(CloneImage& image, int channel, int column, std::string_view newText);

// The clipboard text of a cell: check cells as "v" / "-".
std::string CellCopyText(int column, std::string_view cellText);
// The text a paste puts into a cell, nothing when the cell cannot take it.
std::optional<std::string> CellPasteText(const CloneImage& image, int channel, int column,
                                         std::string_view clip);

// The group's priority position 0-15, -1 for none.
int PriorityPosition(const CloneImage& image, int group);
void SetPriorityChannel(CloneImage& image, int group, int position);
void CancelPriorityChannel(CloneImage& image, int group);

}  // namespace ChannelGridEdit
