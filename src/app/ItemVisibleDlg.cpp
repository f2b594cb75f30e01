#include "app/ItemVisibleDlg.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>

#include <algorithm>

#include "app/DialogFrame.h"
#include "language/Language.h"
#include "ui/UiUtil.h"

namespace {
constexpr ST_DISPDATA kOptionalFeatures[] = {{32791, "TX Power", ""},
                                             {32792, "Scan List", ""},
                                             {32793, "Auto Scan", ""},
                                             {32799, "Encryption", ""},
                                             {ItemListEnd, "", ""}};
constexpr int kFeatureListRid = MakeRID(0, CItemVisible::IDD, 3901);
}  // namespace

const ItemList CItemVisible::OptionalFeatures{kOptionalFeatures};

std::string CItemVisible::CaptionOf(const Column& column) {
    const std::vector<std::string> names = LangTable::ApplyTextTable(kFeatureListRid, OptionalFeatures);
    for (std::size_t i = 0; i < names.size() && OptionalFeatures[i].value != ItemListEnd; ++i)
        if (OptionalFeatures[i].value == column.commandId && !names[i].empty()) return names[i];
    return column.text;
}

CItemVisible::CItemVisible(wxWindow* parent, std::vector<Column>& columns)
    : wxDialog(parent, wxID_ANY, "Visible"),
      columns_(columns),
      used_(std::min<std::size_t>(columns.size(), RowCount)) {
    auto* box = new wxStaticBoxSizer(new wxStaticBox(this, IDC_GROUP, ""), wxVERTICAL);
    auto* grid = new wxFlexGridSizer(2, wxSize(16, 4));
    for (int row = 0; row < RowCount; ++row)
        grid->Add(new wxCheckBox(box->GetStaticBox(), IDC_FIRST_BOX + row, ""));
    box->Add(grid, wxSizerFlags().Border(wxALL, 8));
    DialogFrame::LayOut(*this, box, DialogFrame::NoHelp, {{wxID_OK, "OK"}, {wxID_CANCEL, "Cancel"}});
    // The boxes carry the columns' own captions, not translated texts.
    UiUtil::TranslateWindowTexts(this, IDD);

    for (int row = 0; row < RowCount; ++row) {
        wxCheckBox* check = Box(row);
        if (static_cast<std::size_t>(row) >= used_) {
            check->Hide();
            continue;
        }
        const Column& c = columns_[static_cast<std::size_t>(row)];
        check->SetLabel(wxString::FromUTF8(CaptionOf(c)));
        check->SetValue(c.shown != 0);
        check->Enable(c.enabled != 0);
    }
    Fit();
    CentreOnParent();
    // OK is a button only: Enter on a check box does not close the dialog.
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && FindFocus() != FindWindow(wxID_OK) &&
            FindFocus() != FindWindow(wxID_CANCEL))
            return;
        event.Skip();
    });
}

wxCheckBox* CItemVisible::Box(int row) const {
    return dynamic_cast<wxCheckBox*>(FindWindow(IDC_FIRST_BOX + row));
}

void CItemVisible::OnOk() {
    for (std::size_t row = 0; row < used_; ++row)
        columns_[row].shown = Box(static_cast<int>(row))->GetValue() ? 1 : 0;
    EndModal(wxID_OK);
}
