#include "ui/UiUtil.h"

#include <wx/bitmap.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/ctrlsub.h>
#include <wx/dataobj.h>
#include <wx/dc.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/window.h>
#include <wx/event.h>
#include <pango/pangocairo.h>

#include "language/Language.h"
#include "ui/GridLogic.h"
#include "ui/GridParts.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiHooks.h"
#include "ui/VSFlexGrid.h"

namespace UiHooks {
Hooks& Current() {
    static Hooks hooks;
    return hooks;
}
}  // namespace UiHooks

namespace {
wxString Wx(std::string_view s) {
    return wxString::FromUTF8(s.data(), s.size());
}
std::string Utf8(const wxString& s) {
    return s.utf8_string();
}
const char* TextOf(const ST_DISPDATA& row) {
    return row.text ? row.text : "";
}
}  // namespace

namespace UiUtil {

ComboFill PlanComboFill(ItemList list, std::int32_t value) {
    ComboFill fill;
    for (const auto& row : list) {
        if (row.value == ItemListEnd) break;
        if (*TextOf(row) == '\0') continue;
        if (row.value == value) fill.selection = static_cast<int>(fill.texts.size());
        fill.texts.emplace_back(TextOf(row));
        fill.values.push_back(row.value);
    }
    if (fill.selection < 0 && !fill.texts.empty()) fill.selection = 0;
    return fill;
}

void FillComboFromTable(wxItemContainer& combo, ItemList list, std::int32_t value) {
    const ComboFill fill = PlanComboFill(list, value);
    combo.Clear();
    for (const auto& t : ScreenTranslation::RowsForControl(dynamic_cast<wxWindow*>(&combo), fill.texts))
        combo.Append(Wx(t));
    if (fill.selection >= 0) combo.SetSelection(fill.selection);
}

std::string GetComboText(const wxItemContainer& combo) {
    const int sel = combo.GetSelection();
    return sel == wxNOT_FOUND ? std::string() : Utf8(combo.GetString(sel));
}

std::int32_t GetComboValue(const wxItemContainer& combo, ItemList list) {
    // A translated row is found by its program text.
    const std::string text = ScreenTranslation::BaseOfRow(dynamic_cast<const wxWindow*>(&combo),
                                                          combo.GetSelection(), GetComboText(combo));
    return text.empty() ? -1 : FindIdByName(list, text);
}

bool IsComboBox(const wxWindow* w) {
    return dynamic_cast<const wxComboBox*>(w) || dynamic_cast<const wxChoice*>(w);
}
bool IsComboControl(const wxWindow* w) {
    return IsComboBox(w);
}
bool IsEditControl(const wxWindow* w) {
    return dynamic_cast<const wxTextCtrl*>(w) != nullptr;
}
bool IsButtonControl(const wxWindow* w) {
    return dynamic_cast<const wxCheckBox*>(w) || dynamic_cast<const wxRadioButton*>(w) ||
           dynamic_cast<const wxToggleButton*>(w);
}

void ClearControl(wxWindow* control) {
    if (!control) return;
    if (auto* combo = dynamic_cast<wxComboBox*>(control)) {
        combo->SetSelection(wxNOT_FOUND);
        if (!combo->HasFlag(wxCB_READONLY)) combo->ChangeValue(wxString());
    } else if (auto* choice = dynamic_cast<wxChoice*>(control)) {
        choice->SetSelection(wxNOT_FOUND);
    } else if (auto* text = dynamic_cast<wxTextCtrl*>(control)) {
        text->ChangeValue(wxString());
    } else if (auto* check = dynamic_cast<wxCheckBox*>(control)) {
        check->SetValue(false);
    } else if (auto* radio = dynamic_cast<wxRadioButton*>(control)) {
        radio->SetValue(false);
    } else if (auto* toggle = dynamic_cast<wxToggleButton*>(control)) {
        toggle->SetValue(false);
    }
}

void ClearControls(wxWindow* dialog, std::span<const int> controlIds) {
    if (!dialog) return;
    for (int id : controlIds) ClearControl(dialog->FindWindow(id));
}

void ClearGridCells(CVSFlexGrid& grid, std::span<const std::pair<int, int>> cells) {
    for (const auto& [row, col] : cells) grid.SetTextMatrix(row, col, "");
}

void SetDlgItemString(wxWindow* dialog, int controlId, std::string_view text) {
    wxWindow* w = dialog ? dialog->FindWindow(controlId) : nullptr;
    if (!w) return;
    if (auto* t = dynamic_cast<wxTextCtrl*>(w))
        t->ChangeValue(Wx(text));
    else
        w->SetLabel(Wx(text));
}

void SetDlgItemInt(wxWindow* dialog, int controlId, int value) {
    SetDlgItemString(dialog, controlId, std::to_string(value));
}

void TranslateWindowTexts(wxWindow* window, int dialogId, int sub) {
    ScreenTranslation::TranslateScreen(window, dialogId, sub);
}

void TranslateWindowTexts(wxWindow* window, int dialogId, ScreenTranslation::TemplateButtons buttons,
                          int sub) {
    ScreenTranslation::TranslateScreen(window, dialogId, buttons, sub);
}

void ShowContextHelp(wxWindow* dialog, int dialogId, int sub) {
    if (!dialog) return;
    wxWindow* focus = wxWindow::FindFocus();
    if (!focus || focus != dialog->FindWindow(2450)) return;
    const auto& hooks = UiHooks::Current();
    if (hooks.openHelp) hooks.openHelp(dialog, MakeRID(sub, dialogId, 0));
}

void ShowHelpForFocus(wxWindow* dialog, int dialogId, int sub) {
    if (!dialog) return;
    const auto& hooks = UiHooks::Current();
    int rid = MakeRID(sub, dialogId, 0);
    wxWindow* focus = wxWindow::FindFocus();
    if (focus && focus != dialog && focus->GetId() > 0) {
        const int controlRid =
            MakeRID(sub, dialogId, ScreenTranslation::TemplateControlId(dialogId, focus->GetId()));
        if (hooks.hasHelpTopic && hooks.hasHelpTopic(controlRid)) rid = controlRid;
    }
    if (hooks.openHelp) hooks.openHelp(dialog, rid);
}

void OnF1(wxWindow& window, std::function<void()> help) {
    window.Bind(wxEVT_CHAR_HOOK, [help = std::move(help)](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_F1 || event.HasAnyModifiers()) {
            event.Skip();
            return;
        }
        help();
    });
}

void SendHelpEventOnF1(wxWindow& window) {
    OnF1(window, [&window] {
        wxWindow* target = wxWindow::FindFocus();
        if (!target || !window.IsDescendant(target)) target = &window;
        wxHelpEvent help(wxEVT_HELP, target->GetId(), wxDefaultPosition, wxHelpEvent::Origin_Keyboard);
        help.SetEventObject(target);
        target->GetEventHandler()->ProcessEvent(help);
    });
}

void PlaceWindowRelative(wxWindow* window, wxWindow* /*parent*/, int dx, int dy) {
    if (!window) return;
    const wxRect r = window->GetRect();  // in the parent's client coordinates
    window->SetSize(r.x, r.y, r.width + dx, r.height + dy);
}

wxPoint GridPopupPoint(const CVSFlexGrid& grid) {
    const int colSum = GridLogic::SumVisiblePixels(
        grid.GetCol(), [&](int c) { return grid.IsColInView(c); },
        [&](int c) { return grid.GetColHidden(c); }, [&](int c) { return grid.GetColWidthTwips(c); });
    const int rowSum = GridLogic::SumVisiblePixels(
        grid.GetRow(), [&](int r) { return grid.IsRowInView(r); },
        [&](int r) { return grid.GetRowHidden(r); }, [&](int r) { return grid.GetRowHeightTwips(r); });
    const wxRect rect = grid.GetScreenRect();
    return wxPoint(rect.x + std::min(colSum, rect.width), rect.y + rowSum);
}

void TrackGridPopupMenu(wxMenu* menu, wxWindow* owner, int x, int y, const CVSFlexGrid* grid) {
    if (!menu || !owner) return;
    wxPoint screen(x, y);
    if (x == -1 && y == -1) {
        if (!grid) return;
        screen = GridPopupPoint(*grid);
    }
    owner->PopupMenu(menu, owner->ScreenToClient(screen));
}

const wxBitmap& TickPicture() {
    static const wxBitmap picture =
        GridParts::DrawCellPicture([](wxDC& dc) { GridParts::DrawCheckMark(dc, *wxBLACK); }, false);
    return picture;
}

void StartFontSetup() {
    pango_cairo_font_map_get_default();
}

}  // namespace UiUtil

namespace Clipboard {

bool CopyText(wxWindow* /*owner*/, std::string_view text) {
    wxClipboardLocker lock;
    if (!lock) return false;
    wxTheClipboard->Clear();
    return wxTheClipboard->SetData(new wxTextDataObject(Wx(text)));
}

std::string PasteText(wxWindow* /*owner*/) {
    wxClipboardLocker lock;
    if (!lock || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return {};
    wxTextDataObject data;
    if (!wxTheClipboard->GetData(data)) return {};
    return Utf8(data.GetText());
}

}  // namespace Clipboard
