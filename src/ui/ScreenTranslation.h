#pragma once
// Every screen shows the current language through one call made when it is
// built, UiUtil::TranslateWindowTexts(window, dialogId, sub). The call
// remembers the screen and the program's own texts of its caption, its
// controls and the rows of its lists, so that the texts can be shown again
// in another language whenever the user picks one: every translation starts
// from the program's text, never from an earlier translation.
#include <string>
#include <vector>

class wxWindow;
class CVSFlexGrid;

namespace ScreenTranslation {

// The ids a dialog's template gives the OK and Cancel buttons that the
// screen makes with the toolkit's standard ids.
struct TemplateButtons {
    int ok;
    int cancel;
};

// The screen font, then the caption (control 0) and every control by RID
// (sub, dialog, control id): labels of buttons and static texts, the rows
// of choice and list boxes. Controls inside unnamed panels and boxes count
// as the screen's own. Edits keep their contents. OK and Cancel go by
// TemplateControlId, or by `buttons` where the screen names its own.
void TranslateScreen(wxWindow* window, int dialogId, int sub = 0);
void TranslateScreen(wxWindow* window, int dialogId, TemplateButtons buttons, int sub = 0);

// The id a control has in its dialog's template: the standard OK and
// Cancel ids map to the template's own for the dialogs listed here that
// make their buttons with them; every other id is its own.
int TemplateControlId(int dialogId, int controlId);

// The rows a list control is about to show, translated under the control's
// RID when the control lies on a translated screen (as they are
// otherwise). The rows are remembered for a later change of language.
std::vector<std::string> RowsForControl(wxWindow* control, const std::vector<std::string>& rows);

// The program's text of row `index` of a list control that shows `shown`
// there (`shown` itself when the control's rows were not translated).
std::string BaseOfRow(const wxWindow* control, int index, const std::string& shown);

// Shows every open screen in the language now in force.
void RetranslateAll();
// The number of screens open and remembered (tests).
int OpenScreenCount();

// The language's screen font on a window and its children; nothing while
// the language names none.
void ApplyScreenFont(wxWindow& window);
// The header cells of a grid under the one RID (0, dialog, grid id), told
// apart by their base texts; `baseRows` (one list per header row) gives
// the bases, else the cells' texts do. Cells beyond a short list get "".
void TranslateGridHeader(CVSFlexGrid& grid, int dialogId,
                         const std::vector<std::vector<std::string>>* baseRows = nullptr);

// Installs the screen font hook, the print font and the re-translation
// after every language load. Run once at start-up.
void InstallLanguageServices();

}  // namespace ScreenTranslation
