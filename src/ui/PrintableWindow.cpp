// What the printout reads of a screen's window, and the hidden holder window
// in which screens create their windows for printing.
#include "ui/PrintableWindow.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/weakref.h>

#include "ui/PaneFramework.h"
#include "ui/VSFlexGrid.h"

namespace {

// Never shown, and never the reason the program keeps running.
class PrintHolderFrame : public wxFrame {
  public:
    PrintHolderFrame()
        : wxFrame(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(0, 0), wxDEFAULT_FRAME_STYLE) {}
    bool ShouldPreventAppExit() const override { return false; }
};

wxWeakRef<wxFrame>& Holder() {
    static wxWeakRef<wxFrame> holder;
    return holder;
}

std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

}  // namespace

wxWindow* PrintHolderWindow() {
    wxWeakRef<wxFrame>& holder = Holder();
    if (!holder) holder = new PrintHolderFrame;
    return holder.get();
}

bool PrintHolderExists() {
    return Holder().get() != nullptr;
}

bool PrintableScreen::IsDialog() const {
    wxWindow* window = PrintWindow();
    return window && (dynamic_cast<wxDialog*>(window) || dynamic_cast<HPainBaseDlg*>(window));
}

bool PrintableScreen::IsView() const {
    return PrintWindow() && !IsDialog();
}

std::string PrintableScreen::WindowText() const {
    wxWindow* window = PrintWindow();
    return window ? Utf8(window->GetLabel()) : std::string{};
}

// dynamic_cast, not wxDynamicCast: that macro static_casts the pointer to the
// asked type before it checks the type, undefined when the control is another kind.
PrintControl PrintableScreen::ControlForPrint(int controlId) const {
    PrintControl control;
    wxWindow* window = PrintWindow();
    wxWindow* item = window ? window->FindWindow(controlId) : nullptr;
    if (!item) return control;
    control.exists = true;
    if (auto* box = dynamic_cast<wxCheckBox*>(item)) {
        control.checkBox = true;
        control.checked = box->Get3StateValue() == wxCHK_CHECKED;
    } else if (auto* toggle = dynamic_cast<wxToggleButton*>(item)) {
        control.checkBox = true;
        control.checked = toggle->GetValue();
    } else if (auto* combo = dynamic_cast<wxComboBox*>(item)) {
        control.text = Utf8(combo->GetValue());
    } else if (auto* choice = dynamic_cast<wxChoice*>(item)) {
        control.text = Utf8(choice->GetStringSelection());
    } else if (auto* edit = dynamic_cast<wxTextCtrl*>(item)) {
        control.text = Utf8(edit->GetValue());
    } else {
        control.text = Utf8(item->GetLabel());
    }
    return control;
}

// Screens without a window of their own print from the image alone.
bool PrintableScreen::CreateForPrint() {
    return false;
}

// ---- grid adapter ---------------------------------------------------------------

int FlexPrintGrid::HeaderRows() const {
    return grid_.GetFixedRows();
}
int FlexPrintGrid::Rows() const {
    return grid_.GetRows();
}
int FlexPrintGrid::Cols() const {
    return grid_.GetCols();
}
bool FlexPrintGrid::ColHidden(int col) const {
    return grid_.GetColHidden(col);
}
std::string FlexPrintGrid::Text(int row, int col) const {
    return grid_.GetTextMatrix(row, col);
}
void FlexPrintGrid::SetText(int row, int col, std::string_view text) {
    grid_.SetTextMatrix(row, col, text);
}
