#include "ui/PopupDlg.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include "language/Language.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"

CPopupDlg::CPopupDlg(wxWindow* parent, const std::string& caption, ItemList list, std::int32_t current,
                     std::optional<wxSize> size, int key)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(caption), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      items_(list),
      current_(current),
      key_(key != 0 ? key : MakeRID(0, IDD, 0)) {
    list_ = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(180, 200), 0, nullptr, wxLB_SINGLE);
    ok_ = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(ok_, wxSizerFlags().Border(wxRIGHT, 6));
    buttons->Add(cancel);
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(list_, wxSizerFlags(1).Expand().Border(wxALL, 8));
    column->Add(buttons, wxSizerFlags().Right().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(column);

    if (auto& font = UiHooks::Current().applyScreenFont) font(*this);
    UiUtil::TranslateWindowTexts(this, IDD, key_ / 10'000'000);
    SetTitle(wxString::FromUTF8(caption));

    // The rows up to the first one without a text, each with its value,
    // in the language in force.
    std::vector<std::string> texts;
    std::vector<std::int32_t> values;
    for (const ST_DISPDATA& row : items_) {
        if (row.value == ItemListEnd || row.text == nullptr || *row.text == '\0') break;
        texts.emplace_back(row.text);
        values.push_back(row.value);
    }
    texts = ScreenTranslation::RowsForControl(list_, texts);
    for (std::size_t i = 0; i < texts.size(); ++i)
        list_->Append(wxString::FromUTF8(texts[i]),
                      reinterpret_cast<void*>(static_cast<std::intptr_t>(values[i])));
    // A given size is taken with the position kept; the sizer moves the list
    // and the buttons by the same change.
    if (size) SetSize(*size);
    UpdateOk();
    CentreOnParent();

    list_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { UpdateOk(); });
    list_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { TryOk(); });
    ok_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { TryOk(); });
    UiUtil::OnF1(*this, [this] {
        if (auto& open = UiHooks::Current().openHelp) open(this, key_);
    });
}

long CPopupDlg::SelectedData() const {
    const int selection = list_->GetSelection();
    if (selection == wxNOT_FOUND) return -1;
    return static_cast<long>(reinterpret_cast<std::intptr_t>(list_->GetClientData(selection)));
}

void CPopupDlg::UpdateOk() {
    ok_->Enable(SelectedData() != -1);
}

bool CPopupDlg::TryOk() {
    if (SelectedData() == -1) return false;
    chosen_ = list_->GetSelection();
    if (IsModal())
        EndModal(wxID_OK);
    else
        SetReturnCode(wxID_OK);
    return true;
}

int CPopupDlg::Popup(wxWindow* parent, const std::string& caption, ItemList list, std::int32_t current,
                     std::optional<wxSize> size, int& out, int key) {
    CPopupDlg dialog(parent, caption, list, current, size, key);
    const int result = dialog.ShowModal();
    if (result == wxID_OK) out = dialog.Chosen();
    return result;
}
