#include "ui/ScreenTranslation.h"

#include <wx/combobox.h>
#include <wx/ctrlsub.h>
#include <wx/panel.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include <optional>
#include <unordered_map>

#include "language/Language.h"
#include "ui/HtmlDocument.h"
#include "ui/PrintableScreen.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

namespace {

wxString Wx(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}
std::string Utf8(const wxString& s) {
    return s.utf8_string();
}

// OK and Cancel made with the toolkit's standard ids keep its Enter and
// Escape handling; their texts are keyed by the ids the dialog's template
// gives them (Cancel is 1096 in most templates, the standard 2 in some).
// Screens of other parts of the program name theirs when they are translated.
struct TemplateButtonIds {
    int dialogId;
    int ok;
    int cancel;
};
constexpr TemplateButtonIds kTemplateButtonIds[] = {
    {142, 1, 2},     // channel information
    {223, 1, 1096},  // ANI
    {227, 1, 1096},  // list popups
    {601, 1, 1096},  // group allocation
    {603, 1, 1096},  // new
    {604, 1, 1096},  // file data
    {605, 1, 1096},  // address jump
    {609, 1, 2},     // password
    {616, 1, 2},     // file convert, model ("Next")
    {617, 1, 2},     // file convert, data
    {634, 1, 2},     // visible columns
    {645, 1, 1096},  // ship-mode message
};

// What the program wrote into a control, and what it shows now.
struct LabelTexts {
    std::string base;
    std::string shown;
};
struct RowTexts {
    std::vector<std::string> bases;
    std::vector<std::string> shown;
};
struct Screen {
    int dialogId = 0;
    int sub = 0;
    // OK and Cancel as the screen names them, else as the table has them.
    std::optional<ScreenTranslation::TemplateButtons> buttons;
    std::unordered_map<const wxWindow*, LabelTexts> labels;
    std::unordered_map<const wxWindow*, RowTexts> rows;
    int ControlId(const wxWindow* control) const {
        const int id = control->GetId();
        if (!buttons) return ScreenTranslation::TemplateControlId(dialogId, id);
        return id == wxID_OK ? buttons->ok : id == wxID_CANCEL ? buttons->cancel : id;
    }
    int Rid(const wxWindow* control) const { return MakeRID(sub, dialogId, ControlId(control)); }
};

std::unordered_map<const wxWindow*, Screen>& OpenScreens() {
    static std::unordered_map<const wxWindow*, Screen> screens;
    return screens;
}

Screen* ScreenOf(const wxWindow* window) {
    auto& screens = OpenScreens();
    const auto it = screens.find(window);
    return it == screens.end() ? nullptr : &it->second;
}

// The translated screen a control lies on: the nearest remembered ancestor.
std::pair<const wxWindow*, Screen*> OwningScreen(const wxWindow* control) {
    for (const wxWindow* w = control ? control->GetParent() : nullptr; w; w = w->GetParent()) {
        if (Screen* screen = ScreenOf(w)) return {w, screen};
        if (w->IsTopLevel()) break;
    }
    return {nullptr, nullptr};
}

wxItemContainer* ListOf(wxWindow* w) {
    if (auto* combo = dynamic_cast<wxComboBox*>(w))
        return combo->HasFlag(wxCB_READONLY) ? static_cast<wxItemContainer*>(combo) : nullptr;
    return dynamic_cast<wxItemContainer*>(w);
}

bool HoldsUserText(const wxWindow* w) {
    return dynamic_cast<const wxTextCtrl*>(w) || dynamic_cast<const wxComboBox*>(w) ||
           dynamic_cast<const wxSpinCtrl*>(w) || dynamic_cast<const wxSpinCtrlDouble*>(w);
}

// Unnamed panels and boxes group a screen's controls; their children are
// the screen's own. Grids and other composite controls are not walked.
bool IsGroup(const wxWindow* w) {
    return !w->IsTopLevel() && !ScreenOf(w) &&
           (dynamic_cast<const wxStaticBox*>(w) || (dynamic_cast<const wxPanel*>(w) && w->GetId() <= 0));
}

// `again`: a change of language on an open screen. A label or list the
// screen has rewritten since holds its own data then, and stays as it is.
void TranslateLabel(Screen& screen, wxWindow* w, int rid, bool again) {
    const std::string current = Utf8(w->GetLabel());
    auto [it, added] = screen.labels.try_emplace(w, LabelTexts{current, current});
    LabelTexts& texts = it->second;
    if (!added && current != texts.shown) {
        texts.base = texts.shown = current;
        if (again) return;
    }
    const std::string shown = LangTable::TranslateRow(rid, texts.base);
    if (shown.empty() && !texts.base.empty()) return;
    texts.shown = shown;
    if (shown != current) w->SetLabel(Wx(shown));
}

std::vector<std::string> ItemsOf(const wxItemContainer& list) {
    std::vector<std::string> items;
    for (unsigned i = 0; i < list.GetCount(); ++i) items.push_back(Utf8(list.GetString(i)));
    return items;
}

void TranslateRows(Screen& screen, wxWindow* w, wxItemContainer& list, bool again) {
    const std::vector<std::string> current = ItemsOf(list);
    RowTexts& texts = screen.rows[w];
    if (current != texts.shown) {  // filled by the screen itself
        texts.bases = texts.shown = current;
        if (again) return;
    }
    texts.shown = LangTable::ApplyTextTable(screen.Rid(w), texts.bases);
    for (unsigned i = 0; i < list.GetCount() && i < texts.shown.size(); ++i)
        if (current[i] != texts.shown[i]) list.SetString(i, Wx(texts.shown[i]));
}

void TranslateChildren(Screen& screen, wxWindow* parent, bool again) {
    for (wxWindow* child : parent->GetChildren()) {
        if (child->IsTopLevel() || ScreenOf(child)) continue;
        if (child->GetId() > 0) {
            if (wxItemContainer* list = ListOf(child))
                TranslateRows(screen, child, *list, again);
            else if (!HoldsUserText(child) && !dynamic_cast<CVSFlexGrid*>(child))
                TranslateLabel(screen, child, screen.Rid(child), again);
        }
        if (IsGroup(child)) TranslateChildren(screen, child, again);
    }
}

void Translate(wxWindow* window, Screen& screen, bool again) {
    TranslateLabel(screen, window, MakeRID(screen.sub, screen.dialogId, 0), again);
    TranslateChildren(screen, window, again);
}

void Forget(wxWindowDestroyEvent& event) {
    event.Skip();
    const wxWindow* gone = dynamic_cast<const wxWindow*>(event.GetEventObject());
    auto& screens = OpenScreens();
    if (screens.erase(gone)) return;
    // A control that goes while its screen stays.
    for (auto& [window, screen] : screens) {
        screen.labels.erase(gone);
        screen.rows.erase(gone);
    }
}

void Remember(wxWindow* window, int dialogId, std::optional<ScreenTranslation::TemplateButtons> buttons,
              int sub) {
    if (!window) return;
    const auto& hooks = UiHooks::Current();
    if (hooks.applyScreenFont) hooks.applyScreenFont(*window);
    auto [it, added] = OpenScreens().try_emplace(window);
    if (added) window->Bind(wxEVT_DESTROY, &Forget);
    it->second.dialogId = dialogId;
    it->second.sub = sub;
    it->second.buttons = buttons;
    Translate(window, it->second, false);
}

}  // namespace

namespace ScreenTranslation {

int TemplateControlId(int dialogId, int controlId) {
    if (controlId != wxID_OK && controlId != wxID_CANCEL) return controlId;
    for (const TemplateButtonIds& row : kTemplateButtonIds)
        if (row.dialogId == dialogId) return controlId == wxID_OK ? row.ok : row.cancel;
    return controlId;
}

void TranslateScreen(wxWindow* window, int dialogId, int sub) {
    Remember(window, dialogId, std::nullopt, sub);
}

void TranslateScreen(wxWindow* window, int dialogId, TemplateButtons buttons, int sub) {
    Remember(window, dialogId, buttons, sub);
}

std::vector<std::string> RowsForControl(wxWindow* control, const std::vector<std::string>& rows) {
    auto [owner, screen] = OwningScreen(control);
    if (!screen) return rows;
    RowTexts& texts = screen->rows[control];
    texts.bases = rows;
    texts.shown = LangTable::ApplyTextTable(screen->Rid(control), rows);
    return texts.shown;
}

std::string BaseOfRow(const wxWindow* control, int index, const std::string& shown) {
    auto [owner, screen] = OwningScreen(control);
    if (!screen || index < 0) return shown;
    const auto it = screen->rows.find(control);
    if (it == screen->rows.end()) return shown;
    const RowTexts& texts = it->second;
    const auto i = static_cast<std::size_t>(index);
    if (i >= texts.shown.size() || i >= texts.bases.size() || texts.shown[i] != shown) return shown;
    return texts.bases[i];
}

void RetranslateAll() {
    // A copy of the keys: translating may create or close nothing, but be safe.
    std::vector<const wxWindow*> windows;
    for (const auto& [window, screen] : OpenScreens()) windows.push_back(window);
    for (const wxWindow* window : windows) {
        Screen* screen = ScreenOf(window);
        if (!screen) continue;
        auto* w = const_cast<wxWindow*>(window);
        if (const auto& font = UiHooks::Current().applyScreenFont) font(*w);
        Translate(w, *screen, true);
    }
}

int OpenScreenCount() {
    return static_cast<int>(OpenScreens().size());
}

void ApplyScreenFont(wxWindow& window) {
    const std::string& face = Lang::ScreenFontName();
    if (face.empty()) return;
    wxFont font = window.GetFont();
    if (!font.IsOk() || Utf8(font.GetFaceName()) == face) return;
    // The face changes; the size stays what the layout was made for.
    font.SetFaceName(Wx(face));
    window.SetFont(font);
    for (wxWindow* child : window.GetChildren())
        if (!child->IsTopLevel()) ApplyScreenFont(*child);
    window.Refresh();
}

void TranslateGridHeader(CVSFlexGrid& grid, int dialogId,
                         const std::vector<std::vector<std::string>>* baseRows) {
    const int rows = grid.GetFixedRows();
    const int cols = grid.GetCols();
    std::vector<std::string> bases;
    bases.reserve(static_cast<std::size_t>(rows * cols));
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            if (!baseRows)
                bases.push_back(grid.GetTextMatrix(r, c));
            else if (static_cast<std::size_t>(r) < baseRows->size() &&
                     static_cast<std::size_t>(c) < (*baseRows)[static_cast<std::size_t>(r)].size())
                bases.push_back((*baseRows)[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
            else
                bases.emplace_back();
        }
    const auto texts = LangTable::ApplyTextTable(MakeRID(0, dialogId, grid.GetId()), bases);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetTextMatrix(r, c, texts[static_cast<std::size_t>(r * cols + c)]);
    const std::string& face = Lang::ScreenFontName();
    if (!face.empty() && grid.GetFontName() != face) grid.SetFontName(face);
}

void InstallLanguageServices() {
    auto& hooks = UiHooks::Current();
    if (!hooks.applyScreenFont) hooks.applyScreenFont = [](wxWindow& window) { ApplyScreenFont(window); };
    SetPrintLanguageSource([] { return PrintLanguage{Lang::PrintFaceName(), "UTF-8"}; });
    static bool listening = false;
    if (listening) return;
    listening = true;
    Lang::AddLanguageListener([] {
        // Printouts are rebuilt in the new language, open screens shown in it.
        PrintableScreen::SetRerenderFlag(true);
        RetranslateAll();
    });
}

}  // namespace ScreenTranslation
