#include "settings/SettingsDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "image/ImageHost.h"
#include "language/Language.h"
#include "ui/HEdit.h"
#include "ui/UiUtil.h"
#include "ui/WindowPlacement.h"

using namespace Settings;

namespace {

SettingsDlg::Setup& SetupHook() {
    static SettingsDlg::Setup setup;
    return setup;
}

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text.c_str());
}

std::string Utf8(const wxString& text) {
    return std::string(text.utf8_str());
}

}  // namespace

SettingsDlg::SettingsDlg(wxWindow* parent, std::unique_ptr<SettingsDialogModel> model, CloneImage& image)
    : wxDialog(parent, wxID_ANY, Wx(model->Spec().caption), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | (model->Spec().resizable ? wxRESIZE_BORDER : 0)),
      model_(std::move(model)),
      image_(image) {
    model_->Open(image_, Host().ServiceMode());
    const DialogSpec& spec = model_->Spec();
    shown_.resize(model_->PageCount());
    spacers_.resize(model_->PageCount());

    auto* top = new wxBoxSizer(wxVERTICAL);
    if (spec.container) {
        tabs_ = new wxNotebook(this, IDC_TAB);
        for (std::size_t i = 0; i < model_->PageCount(); ++i) {
            BuildPage(i, tabs_);
            std::string label = model_->Page(i).TabLabel();
            std::string translated;
            if (LangTable::LookupRID(MakeRID(0, spec.idd, IDC_TAB), label, translated)) label = translated;
            tabs_->AddPage(panels_[i], Wx(label), i == 0);
        }
        top->Add(tabs_, 1, wxEXPAND | wxALL, 8);
        tabs_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
            OnTabChanged();
            event.Skip();
        });
    } else {
        BuildPage(0, this);
        top->Add(panels_[0], 1, wxEXPAND | wxALL, 8);
    }

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, IDC_OK, "OK"), 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, IDC_CANCEL, "Cancel"), 0, wxRIGHT, 6);
    buttons->Add(new wxButton(this, IDC_HELP, "Help"), 0);
    top->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
    SetSizer(top);

    // Escape presses Cancel; no button is the default, so Enter presses none.
    SetEscapeId(IDC_CANCEL);
    SetAffirmativeId(wxID_NONE);
    Bind(wxEVT_BUTTON, &SettingsDlg::OnButton, this);
    Bind(wxEVT_CHAR_HOOK, &SettingsDlg::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { CancelDialog(); });

    UiUtil::TranslateWindowTexts(this, spec.idd);
    for (std::size_t i = 0; i < panels_.size(); ++i)
        UiUtil::TranslateWindowTexts(panels_[i], model_->Page(i).Idd());
    ShowForm();
    top->SetSizeHints(this);
    Fit();
    CentreOnParent();
    if (tabs_) tabs_->SetFocus();
}

SettingsDlg::~SettingsDlg() = default;

bool SettingsDlg::Edit(wxWindow* parent, CloneImage& working, std::unique_ptr<SettingsDialogModel> model) {
    SettingsDlg dialog(parent, std::move(model), working);
    if (SetupHook()) SetupHook()(dialog);
    return dialog.ShowModal() == wxID_OK;
}

void SettingsDlg::SetSetup(Setup setup) {
    SetupHook() = std::move(setup);
}

void SettingsDlg::SetButtonHandler(int controlId, ButtonHandler handler) {
    buttons_[controlId] = std::move(handler);
}

wxWindow* SettingsDlg::MakeWindow(wxWindow* panel, const FormControl& control) {
    switch (control.kind) {
        case ControlKind::Combo: {
            auto* combo = new wxComboBox(panel, control.id, wxEmptyString, wxDefaultPosition, wxSize(170, -1), 0,
                                         nullptr, wxCB_READONLY);
            combo->Bind(wxEVT_COMBOBOX, &SettingsDlg::OnChoice, this);
            combo->Bind(wxEVT_SET_FOCUS, [this, combo](wxFocusEvent& event) {
                event.Skip();
                if (showing_) return;
                SettingsForm& form = model_->Page(PageOf(combo)).Form();
                const unsigned revision = form.Revision();
                model_->Page(PageOf(combo)).Entered(combo->GetId());
                if (form.Revision() != revision) ShowForm();
            });
            return combo;
        }
        case ControlKind::Edit: {
            HEditBase* edit = CreateEditForSpec(panel, control.spec, wxDefaultPosition, wxSize(170, -1));
            if (!control.format.empty()) {
                if (auto* frequency = dynamic_cast<HEditFrequency*>(edit))
                    frequency->SetEditConfig(control.spec, control.format.c_str());
                else if (auto* number = dynamic_cast<HEditDouble*>(edit))
                    number->SetEditConfig(control.spec, control.format.c_str());
            }
            edit->SetSigned(control.signedText);
            edit->Bind(wxEVT_TEXT, &SettingsDlg::OnText, this);
            edit->Bind(wxEVT_KILL_FOCUS, [this, edit](wxFocusEvent& event) {
                event.Skip();
                // After the edit's own correction of the text.
                const int id = edit->GetId();
                const std::size_t pageIndex = PageOf(edit);
                CallAfter([this, id, pageIndex] {
                    model_->Page(pageIndex).Left(id);
                    ShowForm();
                });
            });
            return edit;
        }
        case ControlKind::Check: {
            auto* check = new wxCheckBox(panel, control.id, Wx(control.caption));
            check->Bind(wxEVT_CHECKBOX, &SettingsDlg::OnCheck, this);
            return check;
        }
        case ControlKind::Button:
            return new wxButton(panel, control.id, Wx(control.caption));
        case ControlKind::Label:
            break;
    }
    return new wxStaticText(panel, control.id, Wx(control.caption));
}

void SettingsDlg::BuildPage(std::size_t index, wxWindow* parent) {
    SettingsPage& page = model_->Page(index);
    auto* panel = new wxPanel(parent, wxID_ANY);
    panels_.push_back(panel);
    const int columns = page.Columns();
    auto* grid = new wxFlexGridSizer(columns, 4, 12);
    for (int c = 1; c < columns; ++c) grid->AddGrowableCol(c);
    const SettingsForm& form = page.Form();
    auto& spacers = spacers_[index];
    auto label = [&](int id) -> wxWindow* {
        const FormControl* control = form.Find(id);
        return new wxStaticText(panel, id, Wx(control ? control->caption : std::string{}));
    };
    for (const LayoutRow& row : page.Layout()) {
        const FormControl* control = row.controlId ? form.Find(row.controlId) : nullptr;
        // A row's empty cell goes with the row's window, so that a hidden
        // row leaves no gap.
        if (row.labelId)
            grid->Add(label(row.labelId), 0, wxALIGN_CENTER_VERTICAL);
        else
            spacers.emplace(row.controlId, grid->AddSpacer(0));
        if (!control) {
            spacers.emplace(row.labelId, grid->AddSpacer(0));
        } else {
            grid->Add(MakeWindow(panel, *control), 0, wxEXPAND | wxALIGN_CENTER_VERTICAL);
        }
        int last = row.controlId ? row.controlId : row.labelId;
        for (const int id : row.beside) {
            if (const FormControl* beside = form.Find(id)) {
                grid->Add(MakeWindow(panel, *beside), 0, wxEXPAND | wxALIGN_CENTER_VERTICAL);
                last = id;
            } else {
                spacers.emplace(last, grid->AddSpacer(0));
            }
        }
        // A line narrower than the page's widest fills up with empty cells
        // that go with its last window.
        for (int cell = row.Cells(); cell < columns; ++cell) spacers.emplace(last, grid->AddSpacer(0));
    }
    auto* box = new wxBoxSizer(wxVERTICAL);
    box->Add(grid, 1, wxEXPAND | wxALL, 6);
    panel->SetSizer(box);
}

wxWindow* SettingsDlg::Control(int controlId, std::size_t page) const {
    if (page >= panels_.size()) return nullptr;
    return panels_[page]->FindWindow(controlId);
}

std::size_t SettingsDlg::PageOf(const wxWindow* window) const {
    for (const wxWindow* w = window; w; w = w->GetParent())
        for (std::size_t i = 0; i < panels_.size(); ++i)
            if (panels_[i] == w) return i;
    return 0;
}

std::string SettingsDlg::ListText(const SettingsPage& page, int controlId, const std::string& text) const {
    std::string translated;
    if (LangTable::LookupRID(MakeRID(0, page.Idd(), controlId), text, translated)) return translated;
    return text;
}

void SettingsDlg::ShowForm() {
    if (showing_) return;
    showing_ = true;
    bool relayout = false;
    int focus = 0;
    std::size_t focusPage = 0;
    for (std::size_t p = 0; p < model_->PageCount(); ++p) {
        SettingsPage& page = model_->Page(p);
        for (const FormControl& control : page.Form().Controls()) {
            wxWindow* window = Control(control.id, p);
            if (!window) continue;
            if (window->IsShown() != control.visible) {
                window->Show(control.visible);
                const auto [first, last] = spacers_[p].equal_range(control.id);
                for (auto spacer = first; spacer != last; ++spacer) spacer->second->Show(control.visible);
                relayout = true;
            }
            if (window->IsEnabled() != control.enabled) window->Enable(control.enabled);
            // dynamic_cast, not wxDynamicCast: that macro static_casts to the asked
            // type before checking it, undefined for a control of another kind.
            if (auto* combo = dynamic_cast<wxComboBox*>(window)) {
                std::vector<std::string> texts;
                for (const ListRow& row : control.rows) texts.push_back(ListText(page, control.id, row.text));
                auto& shown = shown_[p][control.id];
                if (shown != texts) {
                    wxArrayString items;
                    for (const auto& text : texts) items.Add(Wx(text));
                    combo->Set(items);
                    shown = std::move(texts);
                    combo->SetSelection(wxNOT_FOUND);
                }
                const int selection = control.selection < 0 ? wxNOT_FOUND : control.selection;
                if (combo->GetSelection() != selection) {
                    combo->SetSelection(selection);
                    if (selection == wxNOT_FOUND) combo->ChangeValue(wxEmptyString);
                }
            } else if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) {
                if (Utf8(edit->GetValue()) != control.text) edit->ChangeValue(Wx(control.text));
            } else if (auto* check = dynamic_cast<wxCheckBox*>(window)) {
                if (check->GetValue() != control.checked) check->SetValue(control.checked);
            }
        }
        if (const int id = page.Form().TakeFocusRequest()) {
            focus = id;
            focusPage = p;
        }
        if (page.Form().TakeConfirmRequest()) CallAfter([this] { Confirm(); });
    }
    if (relayout) {
        for (wxPanel* panel : panels_) panel->Layout();
        Layout();
    }
    showing_ = false;
    if (focus)
        if (wxWindow* window = Control(focus, focusPage)) window->SetFocus();
}

void SettingsDlg::OnChoice(wxCommandEvent& event) {
    auto* combo = dynamic_cast<wxComboBox*>(event.GetEventObject());
    if (!combo || showing_) return;
    SettingsPage& page = model_->Page(PageOf(combo));
    page.Form().SelectIndex(combo->GetId(), combo->GetSelection());
    page.Changed(combo->GetId());
    ShowForm();
}

void SettingsDlg::OnText(wxCommandEvent& event) {
    auto* edit = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    if (!edit || showing_) return;
    SettingsPage& page = model_->Page(PageOf(edit));
    page.Form().SetText(edit->GetId(), Utf8(edit->GetValue()));
    page.Edited(edit->GetId());
    ShowForm();
}

void SettingsDlg::OnCheck(wxCommandEvent& event) {
    auto* check = dynamic_cast<wxCheckBox*>(event.GetEventObject());
    if (!check || showing_) return;
    SettingsPage& page = model_->Page(PageOf(check));
    page.Form().SetChecked(check->GetId(), check->GetValue());
    page.Changed(check->GetId());
    ShowForm();
}

void SettingsDlg::OnButton(wxCommandEvent& event) {
    switch (event.GetId()) {
        case IDC_OK:
            Confirm();
            return;
        case IDC_CANCEL:
            CancelDialog();
            return;
        case IDC_HELP:
            UiUtil::ShowContextHelp(this, model_->Spec().idd);
            return;
        default:
            break;
    }
    auto* window = dynamic_cast<wxWindow*>(event.GetEventObject());
    const auto it = buttons_.find(event.GetId());
    if (it == buttons_.end() || !window) {
        event.Skip();
        return;
    }
    it->second(*this, model_->Page(PageOf(window)));
    ShowForm();
}

void SettingsDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    wxWindow* focus = wxWindow::FindFocus();
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        // Enter never confirms: a combo box opens its list instead.
        for (wxWindow* w = focus; w && w != this; w = w->GetParent())
            if (auto* combo = dynamic_cast<wxComboBox*>(w)) {
                combo->Popup();
                break;
            }
        return;
    }
    if (key == WXK_F1) {
        const bool inPage = focus && focus != this && PageOf(focus) < panels_.size() &&
                            wxGetTopLevelParent(focus) == this && focus->GetParent() != this;
        UiUtil::ShowHelpForFocus(this, inPage ? model_->Page(PageOf(focus)).Idd() : model_->Spec().idd);
        return;
    }
    event.Skip();
}

void SettingsDlg::OnTabChanged() {
    if (tabs_ && IsShown()) tabs_->SetFocus();
}

void SettingsDlg::Confirm() {
    if (!model_->Confirm(image_)) {
        ShowForm();
        return;
    }
    Finish(wxID_OK);
}

void SettingsDlg::CancelDialog() {
    Finish(wxID_CANCEL);
}

void SettingsDlg::Finish(int code) {
    WindowPlacement::Save(this, WindowPlacement::FlagPosition, model_->Spec().section);
    if (IsModal()) {
        EndModal(code);
    } else {
        SetReturnCode(code);
        Hide();
    }
}
