#pragma once
// The toolbox every settings dialog and pane uses: combo boxes filled from
// item lists, clearing controls, translating window texts, context help, the
// grid's popup menu, and the clipboard.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "image/ItemList.h"
#include "image/UiUtil.h"
#include "ui/ScreenTranslation.h"

class wxItemContainer;
class wxMenu;
class wxPoint;
class wxWindow;
class CVSFlexGrid;

class wxBitmap;

namespace UiUtil {

// ---- item lists and combo boxes --------------------------------------------

// What FillComboFromTable puts into a box: the non-empty texts of the rows up
// to the end row, and the position to select: the last listed row with the
// value, else the first item; -1 for an empty box.
struct ComboFill {
    std::vector<std::string> texts;
    std::vector<std::int32_t> values;
    int selection = -1;
};
ComboFill PlanComboFill(ItemList list, std::int32_t value);

void FillComboFromTable(wxItemContainer& combo, ItemList list, std::int32_t value);
// The selected item's text, "" when nothing is selected.
std::string GetComboText(const wxItemContainer& combo);
// The list value of the selected text, -1 when nothing is selected or the
// text is in no row.
std::int32_t GetComboValue(const wxItemContainer& combo, ItemList list);

// ---- controls ---------------------------------------------------------------

bool IsComboBox(const wxWindow* window);
bool IsComboControl(const wxWindow* window);
bool IsEditControl(const wxWindow* window);
bool IsButtonControl(const wxWindow* window);

// A combo box loses its selection, an edit its text, a check or radio button
// its check; other windows are left alone.
void ClearControl(wxWindow* control);
void ClearControls(wxWindow* dialog, std::span<const int> controlIds);
void ClearGridCells(CVSFlexGrid& grid, std::span<const std::pair<int, int>> cells);

void SetDlgItemString(wxWindow* dialog, int controlId, std::string_view text);
void SetDlgItemInt(wxWindow* dialog, int controlId, int value);

// ---- texts and help -----------------------------------------------------------

// The screen font, then the window's own text by RID (dialog, 0, sub) and each
// direct child's (id above 0) by RID (dialog, child id, sub); texts the
// language lacks stay as they are. Edits and combo boxes keep their contents.
void TranslateWindowTexts(wxWindow* window, int dialogId, int sub = 0);
// The same for a screen that makes its OK and Cancel with the toolkit's ids
// where its template has `buttons`.
void TranslateWindowTexts(wxWindow* window, int dialogId, ScreenTranslation::TemplateButtons buttons,
                          int sub = 0);
// Opens the dialog's topic (sub, dialog, 0), only when the focus is on its
// Help button (2450).
void ShowContextHelp(wxWindow* dialog, int dialogId, int sub = 0);
// Opens the focused control's topic (sub, dialog, control) when it has one,
// else the dialog's (sub, dialog, 0).
void ShowHelpForFocus(wxWindow* dialog, int dialogId, int sub = 0);
// F1 without modifiers anywhere inside `window` runs `help`. GTK sends no
// help event for F1, so a dialog asks for its topic through this.
void OnF1(wxWindow& window, std::function<void()> help);
// F1 inside `window` sends a help event to the focused control (or to the
// window), from where it travels up through the parents, so the help
// handlers of panes and controls answer it.
void SendHelpEventOnF1(wxWindow& window);

// ---- windows ------------------------------------------------------------------

// Enlarges `window` by (dx, dy), its top-left corner kept.
void PlaceWindowRelative(wxWindow* window, wxWindow* parent, int dx, int dy);

// The screen point of the lower right corner of the grid's current cell: the
// point of a popup menu asked for from the keyboard.
wxPoint GridPopupPoint(const CVSFlexGrid& grid);
// Shows `menu` at the screen point (x, y), or, when both are -1, at the
// grid's current cell.
void TrackGridPopupMenu(wxMenu* menu, wxWindow* owner, int x, int y, const CVSFlexGrid* grid);

// The 12 x 12 tick the grids draw in a ticked cell, made once.
const wxBitmap& TickPicture();

// Makes the toolkit's font map now: it reads the system's font configuration
// on a thread of its own, which then runs while the program's first windows
// are built instead of when the first text is measured.
void StartFontSetup();

}  // namespace UiUtil

namespace Clipboard {
// Places `text` on the clipboard as plain text; false when the clipboard
// cannot be opened.
bool CopyText(wxWindow* owner, std::string_view text);
// The clipboard's plain text, "" when there is none.
std::string PasteText(wxWindow* owner);
}  // namespace Clipboard
