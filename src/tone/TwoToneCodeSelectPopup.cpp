#include "tone/TwoToneCodeSelectPopup.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "image/ItemMap.h"
#include "image/ItemsTone.h"
#include "image/UiUtil.h"
#include "language/Language.h"
#include "tone/GridViewModel.h"
#include "tone/ToneTables.h"
#include "tone/TwoToneViews.h"
#include "ui/UiUtil.h"

namespace {
const ImageItemDescriptor& FieldOf(int kind) {
    switch (kind) {
        case 7:
            return ItemMap::Tone2Items[44];
        case 8:
            return ItemMap::Tone2Items[45];
        case 9:
            return ItemMap::Tone2Items[26];
        default:
            return ItemMap::Tone2Items[27];
    }
}
}  // namespace

std::size_t C2ToneCodeSelectPopup::FieldOffset(int kind, int record) {
    return ImagePosition(FieldOf(kind)) + 16u * static_cast<std::size_t>(record);
}

C2ToneCodeSelectPopup::C2ToneCodeSelectPopup(wxWindow* parent, CloneImage& image, int record, int kind)
    : wxDialog(parent, IDD, "", wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      image_(image), record_(record), kind_(std::clamp(kind, 7, 10)) {
    const ItemList titles = GridView::ListRows(ToneTables::TwoToneCodeSelectTitleList);
    std::string caption = titles[static_cast<std::size_t>(kind_ - 7)].text;
    // The record names and the codes read as the column kind's own texts.
    caption += "(" + TextByRid(MakeRID(kind_, IDD, 3901), FindNameById(ToneTables::TwoToneRecordNoList, record_ + 1)) +
               ")";
    SetTitle(wxString::FromUTF8(caption));

    list_ = new wxListBox(this, IDC_LIST, wxDefaultPosition, wxSize(180, 220));
    const std::uint32_t current =
        ItemMap::ReadImageField(FieldOf(kind_), image_, static_cast<std::uint32_t>(record_), 16);
    int select = wxNOT_FOUND;
    const ItemList codes = GridView::ListRows(ToneTables::TwoToneToneCodeList);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        std::string line = TextByRid(MakeRID(kind_, IDD, 3902), codes[i].text);
        if (i > 0) line += " : " + TwoToneViews::ToneText(ItemMap::GetPackBytesLE(image_, codes[i].value));
        const int at = list_->Append(wxString::FromUTF8(line));
        list_->SetClientData(static_cast<unsigned>(at), reinterpret_cast<void*>(static_cast<std::intptr_t>(codes[i].value)));
        if (static_cast<std::uint32_t>(codes[i].value) == current) select = at;
    }
    if (select != wxNOT_FOUND) {
        list_->SetSelection(select);
        chosen_ = true;
    }

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxALL, 4);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(list_, 1, wxEXPAND | wxALL, 6);
    sizer->Add(buttons, 0, wxALIGN_RIGHT);
    SetSizerAndFit(sizer);
    UiUtil::TranslateWindowTexts(this, IDD);
    UiUtil::OnF1(*this, [this] { UiUtil::ShowHelpForFocus(this, IDD, kind_); });

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, wxID_OK);
    // Only a selection the user makes counts: the list box selects its first
    // row by itself when it takes the focus.
    auto acted = [this](auto& e) {
        userActed_ = true;
        e.Skip();
    };
    list_->Bind(wxEVT_KEY_DOWN, acted);
    list_->Bind(wxEVT_LEFT_DOWN, acted);
    list_->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& e) {
        if (userActed_) chosen_ = true;
        e.Skip();
    });
    list_->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) {
        chosen_ = true;
        OnOk();
    });
}

void C2ToneCodeSelectPopup::OnOk() {
    const int at = list_->GetSelection();
    // No selection keeps the stored code.
    if (at != wxNOT_FOUND && chosen_) {
        const auto code = static_cast<std::uint32_t>(reinterpret_cast<std::intptr_t>(list_->GetClientData(static_cast<unsigned>(at))));
        ItemMap::WriteImageField(FieldOf(kind_), image_, static_cast<std::uint32_t>(record_), 16, code);
    }
    EndModal(wxID_OK);
}
