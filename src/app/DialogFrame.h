#pragma once
// The frame the application's small dialogs share: their body above a row of
// buttons, each 10 pixels from the dialog's edges. The row starts with the
// "?" help button, as narrow as its label allows, and ends with the given
// buttons at the right, 6 pixels apart.
#include <initializer_list>

class wxDialog;
class wxSizer;

namespace DialogFrame {

struct Button {
    int id;
    const char* label;
};

constexpr int NoHelp = 0;

// Sets the dialog's sizer: `body` above the button row. No "?" button with
// `helpId` NoHelp.
void LayOut(wxDialog& dialog, wxSizer* body, int helpId, std::initializer_list<Button> buttons);

}  // namespace DialogFrame
