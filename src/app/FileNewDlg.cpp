#include "app/FileNewDlg.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/AppTables.h"
#include "app/CloneEditorDoc.h"
#include "app/DialogFrame.h"
#include "image/ItemMap.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"
#include "image/UiUtil.h"
#include "language/Language.h"
#include "language/TextTables.h"
#include "ui/MessageService.h"
#include "ui/ScreenTranslation.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"

namespace FileNew {

// The shared lists of the New dialog.
const ItemList BandList{TextTables::NewFrequencyBandList};
const ItemList ProductList{TextTables::NewProductTypeList};
const ItemList LcdList{TextTables::NewDisplayTypeList};
const ItemList KeypadList{TextTables::NewKeyTypeList};

int BandCode(int bandType, int frequencyType) {
    switch (bandType) {
        case 1:
            return frequencyType == 1 ? 0x21 : 0x20;
        case 3:
            return frequencyType == 10 ? 0x6A : 0x62;
        case 4:
            if (frequencyType == 3 || frequencyType == 7 || frequencyType == 8 || frequencyType == 10)
                return 0x80 + frequencyType;
            return 0x80;
        default:
            return 0x62;
    }
}

int BandCode(const CloneImage& image) {
    return BandCode(Model::BandType(image), Model::FrequencyType(image));
}

KeypadChoice KeypadFor(int lcdValue, int keypadValue) {
    if (lcdValue == 0) return {{0}, 0};
    if (lcdValue == 2) return {{1}, 0};
    return {{1, 2}, keypadValue == 0 ? 1 : keypadValue - 1};
}

std::string DefaultFileFor(int bandValue, int productValue, int lcdValue, int keypadValue) {
    if (keypadValue == -1) keypadValue = 3;
    const auto& band = AppTables::FindBand(bandValue);
    // A header made as the document's start-up makes it.
    CloneImage header;
    ItemMap::SetProductType(header, static_cast<std::uint32_t>(productValue));
    ItemMap::SetSafetyType(header, 0);
    ItemMap::WriteImageField(ItemMap::HardwareItems[2], header, 0, 0, 0);
    ItemMap::SetBandType(header, static_cast<std::uint32_t>(band.bandType));
    ItemMap::SetFrequencyType(header, static_cast<std::uint32_t>(band.frequencyType));
    ItemMap::SetKeypadType(header, static_cast<std::uint32_t>(keypadValue));
    ItemMap::SetDisplayType(header, static_cast<std::uint32_t>(lcdValue));
    return Model::DefaultDataFileName(Model::VariantCodeFromImage(header), false);
}

}  // namespace FileNew

namespace {
constexpr int kRidSaveChanges = 102;
}

CFileNewDlg::CFileNewDlg(wxWindow* parent, CCloneEditorDoc& document)
    : wxDialog(parent, wxID_ANY, "New"), document_(document), image_(document.CurrentImage) {
    auto* box = new wxStaticBoxSizer(new wxStaticBox(this, IDC_GROUP, "Select Radio Type"), wxVERTICAL);
    auto* grid = new wxFlexGridSizer(2, wxSize(10, 6));
    grid->AddGrowableCol(1);
    struct Row {
        int label;
        const char* text;
        int combo;
    };
    constexpr Row rows[] = {{IDC_PRODUCT_LABEL, "&Product Type", IDC_PRODUCT},
                            {IDC_BAND_LABEL, "&Freq. Band", IDC_BAND},
                            {IDC_LCD_LABEL, "&LCD Type", IDC_LCD},
                            {IDC_KEYPAD_LABEL, "&Keypad Type", IDC_KEYPAD}};
    for (const Row& row : rows) {
        grid->Add(new wxStaticText(box->GetStaticBox(), row.label, row.text),
                  wxSizerFlags().CenterVertical());
        auto* choice = new wxChoice(box->GetStaticBox(), row.combo, wxDefaultPosition, wxSize(160, -1));
        grid->Add(choice, wxSizerFlags().Expand());
    }
    box->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, 8));
    DialogFrame::LayOut(*this, box, IDC_HELP, {{wxID_OK, "OK"}, {wxID_CANCEL, "Cancel"}});

    UiUtil::TranslateWindowTexts(this, IDD);
    // The product type is not offered.
    for (int id : {IDC_PRODUCT_LABEL, IDC_PRODUCT}) {
        FindWindow(id)->Hide();
        FindWindow(id)->Disable();
    }
    UiUtil::FillComboFromTable(*Box(IDC_BAND), FileNew::BandList, FileNew::BandCode(image_));
    UiUtil::FillComboFromTable(*Box(IDC_PRODUCT), FileNew::ProductList, Model::ProductType(image_));
    UiUtil::FillComboFromTable(*Box(IDC_LCD), FileNew::LcdList, Model::DisplayType(image_));
    UiUtil::FillComboFromTable(*Box(IDC_KEYPAD), FileNew::KeypadList, Model::KeypadType(image_));
    // The keypad follows the display; it is never chosen by hand.
    for (int id : {IDC_KEYPAD_LABEL, IDC_KEYPAD}) FindWindow(id)->Hide();
    Fit();
    CentreOnParent();

    Box(IDC_BAND)->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnSelectionChange(); });
    Box(IDC_LCD)->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnSelectionChange(); });
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { TryOk(); });
    // The button is offered only when the help can show this dialog's topic.
    const auto& hooks = UiHooks::Current();
    FindWindow(IDC_HELP)->Enable(hooks.openHelp &&
                                 (!hooks.hasHelpTopic || hooks.hasHelpTopic(MakeRID(0, IDD, 0))));
    FindWindow(IDC_HELP)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (auto& open = UiHooks::Current().openHelp) open(this, MakeRID(0, IDD, 0));
    });
    UiUtil::OnF1(*this, [this] { UiUtil::ShowHelpForFocus(this, IDD); });
}

wxChoice* CFileNewDlg::Box(int id) const {
    return dynamic_cast<wxChoice*>(FindWindow(id));
}

int CFileNewDlg::Value(int id, ItemList list) const {
    return UiUtil::GetComboValue(*Box(id), list);
}

void CFileNewDlg::OnSelectionChange() {
    const int product = Value(IDC_PRODUCT, FileNew::ProductList);
    const int lcd = Value(IDC_LCD, FileNew::LcdList);
    const int keypad = Value(IDC_KEYPAD, FileNew::KeypadList);
    if (product == 2) {
        wxChoice* box = Box(IDC_KEYPAD);
        box->Clear();
        const auto choice = FileNew::KeypadFor(lcd, keypad);
        std::vector<std::string> rows;
        for (int value : choice.values) rows.emplace_back(FindNameById(FileNew::KeypadList, value));
        for (const std::string& row : ScreenTranslation::RowsForControl(box, rows))
            box->Append(wxString::FromUTF8(row));
        if (choice.selection >= 0 && choice.selection < static_cast<int>(box->GetCount()))
            box->SetSelection(choice.selection);
    }
    for (int id : {IDC_KEYPAD, IDC_KEYPAD_LABEL}) FindWindow(id)->Hide();
    Box(IDC_PRODUCT)->Disable();
}

bool CFileNewDlg::TryOk() {
    const std::string name =
        FileNew::DefaultFileFor(Value(IDC_BAND, FileNew::BandList), Value(IDC_PRODUCT, FileNew::ProductList),
                                Value(IDC_LCD, FileNew::LcdList), Value(IDC_KEYPAD, FileNew::KeypadList));
    if (document_.IsModified()) {
        const int answer = ShowMessage(TextByRid(kRidSaveChanges, "Do you want to save changes ?"), {},
                                       MsgStyle::YesNoCancel | MsgStyle::IconWarning);
        if (answer == MsgAnswer::Cancel) return false;
        // The document is replaced only once its changes are written.
        if (answer == MsgAnswer::Yes && !document_.OnFileSave()) return false;
    }
    if (name.empty() || document_.LoadDefaultFile(name) != 1) return false;
    if (IsModal())
        EndModal(wxID_OK);
    else
        SetReturnCode(wxID_OK);
    return true;
}
