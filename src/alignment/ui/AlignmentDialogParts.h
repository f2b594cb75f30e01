#pragma once
// What the per-channel alignment dialogs build alike: the value grid's
// heading and scale, the RX/TX indicator, the Help/OK/Cancel foot, reading a
// typed value, the command error message and the translation of the texts.
// Each dialog keeps its own rows.
#include <wx/string.h>

#include <array>
#include <functional>

class wxButton;
class wxDialog;
class wxFlexGridSizer;
class wxSizer;
class wxStaticText;
class wxTextCtrl;
class wxWindow;

namespace AlignmentDialogParts {

wxString Number(int value);

// The seven-column grid (CH, frequency, scroll bar, value, spin, button,
// factory value) with its heading row and the five scale marks above the
// scroll bars, ids `scaleId` to `scaleId` + 4.
wxFlexGridSizer* MakeValueGrid(wxWindow* parent, const std::array<int, 5>& marks, int scaleId);

// The large transmit indicator; ShowTransmitting paints it "TX" on red or
// "RX" on green.
wxStaticText* MakeIndicator(wxWindow* parent, int id);
void ShowTransmitting(wxStaticText* indicator, bool transmitting);

// Help (the topic of `dialogNumber`), OK and Cancel at the foot of `side`.
// OK and Cancel call back; closing the window cancels; Escape alone does
// nothing. Returns the OK button.
wxButton* AddFoot(wxDialog* dialog, wxSizer* side, int helpId, int dialogNumber, std::function<void()> onOk,
                  std::function<void()> onCancel);

// The grid beside the side column, fitted.
void LayOut(wxDialog* dialog, wxSizer* grid, wxSizer* side);

// The value typed into `edit`: not a number gives 0, a number outside
// 0..maximum the nearer bound.
int ReadValue(const wxTextCtrl* edit, int maximum);

// "Cmd Request Error!": a command to the radio failed.
void ShowCmdError();

// The dialog's texts in the current language under `dialogNumber`. OK and
// Cancel, made with the toolkit's ids, go by the ids every alignment
// template gives them: OK 1, Cancel 2.
void TranslateTexts(wxWindow* dialog, int dialogNumber);

}  // namespace AlignmentDialogParts
