#pragma once
// The channel fields that the channel grid and the channel editor pane both
// show and change, each in one row: the grid column that shows it, the
// editor control that shows it, how it is read and written, and the list
// that gives the grid cell's text. The grid's cell texts and parsing and the
// editor's combo and check values all go through this table, so a field's
// rule lives in one place. Fields with rules of their own (name tag,
// frequencies, sub-audio, the priority and scan bits of the header, ANI,
// the in-use bit, the editor's combined Flat AF and the PLL references)
// are not in it.
#include <span>

#include "image/CloneImage.h"
#include "image/ItemList.h"

namespace ChannelFields {

struct Field {
    int column;     // channel grid column; -1 when the grid does not show it
    int controlId;  // channel editor combo or check box; -1 when it does not
    int (*get)(const CloneImage& image, int channel);
    void (*set)(CloneImage& image, int channel, int value);
    // The grid cell's texts by value; null when the cell's list depends on
    // the channel (the signalling number) or the grid does not show it.
    const ItemList* list;
};

std::span<const Field> Fields();
// The field of a grid column or an editor control; null for none.
const Field* ForColumn(int column);
const Field* ForControl(int controlId);

}  // namespace ChannelFields
