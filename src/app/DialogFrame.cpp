#include "app/DialogFrame.h"

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/sizer.h>

namespace DialogFrame {

void LayOut(wxDialog& dialog, wxSizer* body, int helpId, std::initializer_list<Button> buttons) {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    if (helpId != NoHelp)
        row->Add(new wxButton(&dialog, helpId, "?", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT));
    row->AddStretchSpacer();
    std::size_t left = buttons.size();
    for (const Button& button : buttons) {
        --left;
        row->Add(new wxButton(&dialog, button.id, button.label),
                 left == 0 ? wxSizerFlags() : wxSizerFlags().Border(wxRIGHT, 6));
    }
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(body, wxSizerFlags(1).Expand().Border(wxALL, 10));
    column->Add(row, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 10));
    dialog.SetSizer(column);
}

}  // namespace DialogFrame
