#include "app/FileConvDlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "app/DialogFrame.h"
#include "image/ChannelOps.h"
#include "image/ItemList.h"
#include "image/Model.h"
#include "language/Language.h"
#include "language/TextTables.h"
#include "ui/MessageService.h"
#include "ui/UiHooks.h"
#include "ui/UiUtil.h"

namespace {
constexpr int kRidFileNotFound = 33053, kRidConvertCompleted = 32920;
constexpr int kRidChannelWord = MakeRID(0, CFileConvModelDlg::IDD, 2103);

using Rows = std::vector<std::pair<int, std::string>>;

// The rows of a list, translated for the dialog's combo.
Rows ListRows(int dialogId, int comboId, ItemList list) {
    const std::vector<std::string> texts = LangTable::ApplyTextTable(MakeRID(0, dialogId, comboId), list);
    Rows rows;
    for (std::size_t i = 0; i < list.size() && list[i].value != ItemListEnd; ++i)
        rows.emplace_back(list[i].value, i < texts.size() ? texts[i] : std::string(list[i].text));
    return rows;
}

int ProductIndex(int product) {
    return product >= 0 && product < 3 ? product : 2;
}

Rows DisplayRows(int product) {
    const auto& list = TextTables::DisplayTypeLists[static_cast<std::size_t>(ProductIndex(product))];
    return ListRows(CFileConvModelDlg::IDD, CFileConvModelDlg::IDC_DISPLAY, list);
}

Rows KeyRows(int product) {
    const auto& list = TextTables::KeyTypeLists[static_cast<std::size_t>(ProductIndex(product))];
    return ListRows(CFileConvModelDlg::IDD, CFileConvModelDlg::IDC_KEY, list);
}

// 8 to 128 channels in steps of 8; the value is the count in units of 8.
Rows CapacityRows() {
    const std::string word = TextByRid(kRidChannelWord, "CH");
    Rows rows;
    for (int n = 1; n <= 16; ++n) rows.emplace_back(n, std::to_string(8 * n) + " " + word);
    return rows;
}

std::string TextOf(const Rows& rows, int value) {
    for (const auto& [v, text] : rows)
        if (v == value) return text;
    return {};
}

void EnableHelp(wxDialog* dialog, int buttonId, int dialogId) {
    const auto& hooks = UiHooks::Current();
    wxWindow* help = dialog->FindWindow(buttonId);
    help->Enable(hooks.openHelp && (!hooks.hasHelpTopic || hooks.hasHelpTopic(MakeRID(0, dialogId, 0))));
    help->Bind(wxEVT_BUTTON, [dialog, dialogId](wxCommandEvent&) { UiUtil::ShowHelpForFocus(dialog, dialogId); });
    UiUtil::OnF1(*dialog, [dialog, dialogId] { UiUtil::ShowHelpForFocus(dialog, dialogId); });
}
}  // namespace

// ---- step 1 ----------------------------------------------------------------------------------

CFileConvModelDlg::CFileConvModelDlg(wxWindow* parent, CloneImage& working, DefaultDataLoader loader)
    : wxDialog(parent, wxID_ANY, "File Convert"),
      working_(working),
      before_(working),
      loader_(std::move(loader)),
      current_(FileConvert::CurrentChoice(working)) {
    auto* box = new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, "Set the Convert Model"), wxVERTICAL);
    auto* grid = new wxFlexGridSizer(3, wxSize(12, 6));
    grid->AddGrowableCol(2);
    const char* labels[] = {"Freq. Band", "Product Type", "Max CH", "Display Type", "Key Type"};
    for (int i = 0; i < 5; ++i) {
        grid->Add(new wxStaticText(box->GetStaticBox(), 2001 + i, labels[i]), wxSizerFlags().CenterVertical());
        grid->Add(new wxStaticText(box->GetStaticBox(), IDC_CURRENT_FIRST + i, "", wxDefaultPosition,
                                   wxSize(110, -1)),
                  wxSizerFlags().CenterVertical());
        grid->Add(new wxChoice(box->GetStaticBox(), IDC_BAND + i, wxDefaultPosition, wxSize(160, -1)),
                  wxSizerFlags().Expand());
    }
    box->Add(grid, wxSizerFlags(1).Expand().Border(wxALL, 8));
    DialogFrame::LayOut(*this, box, IDC_HELP, {{wxID_OK, "Next"}, {wxID_CANCEL, "Cancel"}});
    UiUtil::TranslateWindowTexts(this, IDD);

    Fill(IDC_BAND, ListRows(IDD, IDC_BAND, TextTables::FrequencyBandList), current_.band);
    Fill(IDC_PRODUCT, ListRows(IDD, IDC_PRODUCT, TextTables::ProductTypeList), current_.product);
    Fill(IDC_CAPACITY, CapacityRows(), current_.capacity);
    FillDependentLists(current_.product, current_.display, current_.keyType);
    for (int id = IDC_BAND; id <= IDC_KEY; ++id)
        if (auto* label = dynamic_cast<wxStaticText*>(FindWindow(IDC_CURRENT_FIRST + (id - IDC_BAND))))
            label->SetLabel(wxString::FromUTF8(CurrentText(id)));
    Fit();
    CentreOnParent();

    Combo(IDC_PRODUCT)->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        FillDependentLists(Chosen().product, -1, -1);
    });
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnNext(); });
    EnableHelp(this, IDC_HELP, IDD);
}

bool CFileConvModelDlg::Run(wxWindow* parent, CloneImage& working, DefaultDataLoader loader) {
    CFileConvModelDlg dialog(parent, working, std::move(loader));
    return dialog.ShowModal() == wxID_OK;
}

wxChoice* CFileConvModelDlg::Combo(int id) const {
    return dynamic_cast<wxChoice*>(FindWindow(id));
}

void CFileConvModelDlg::Fill(int comboId, const Rows& rows, int select) {
    wxChoice* combo = Combo(comboId);
    combo->Clear();
    auto& values = values_[comboId];
    values.clear();
    for (const auto& [value, text] : rows) {
        combo->Append(wxString::FromUTF8(text));
        values.push_back(value);
    }
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] == select) combo->SetSelection(static_cast<int>(i));
    if (comboId != IDC_DISPLAY) return;
    // An image whose channel-selector nibble no row carries shows the row of
    // its display type; left so, the nibble stays the image's own.
    displayFallbackRow_ = wxNOT_FOUND;
    if (combo->GetSelection() == wxNOT_FOUND && select >= 0)
        for (std::size_t i = 0; i < values.size(); ++i)
            if ((values[i] & 0x0F) == (select & 0x0F)) {
                combo->SetSelection(static_cast<int>(i));
                displayFallbackRow_ = static_cast<int>(i);
                break;
            }
}

void CFileConvModelDlg::FillDependentLists(int product, int display, int keyType) {
    Fill(IDC_DISPLAY, DisplayRows(product), display);
    Fill(IDC_KEY, KeyRows(product), keyType);
}

FileConvert::ModelChoice CFileConvModelDlg::Chosen() const {
    auto value = [this](int id) {
        const int row = Combo(id)->GetSelection();
        const auto it = values_.find(id);
        if (row == wxNOT_FOUND || it == values_.end() || row >= static_cast<int>(it->second.size())) return -1;
        if (id == IDC_DISPLAY && row == displayFallbackRow_) return current_.display;
        return it->second[static_cast<std::size_t>(row)];
    };
    return {value(IDC_BAND), value(IDC_PRODUCT), value(IDC_CAPACITY), value(IDC_DISPLAY), value(IDC_KEY)};
}

std::string CFileConvModelDlg::CurrentText(int comboId) const {
    switch (comboId) {
        case IDC_BAND:
            return TextOf(ListRows(IDD, IDC_BAND, TextTables::FrequencyBandList), current_.band);
        case IDC_PRODUCT:
            return TextOf(ListRows(IDD, IDC_PRODUCT, TextTables::ProductTypeList), current_.product);
        case IDC_CAPACITY:
            return TextOf(CapacityRows(), current_.capacity);
        case IDC_DISPLAY: {
            const Rows rows = DisplayRows(current_.product);
            std::string text = TextOf(rows, current_.display);
            for (const auto& [value, row] : rows)
                if (text.empty() && (value & 0x0F) == (current_.display & 0x0F)) text = row;
            return text;
        }
        case IDC_KEY:
            return TextOf(KeyRows(current_.product), current_.keyType);
        default:
            return {};
    }
}

std::string CFileConvModelDlg::ChosenText(int comboId) const {
    const int row = Combo(comboId)->GetSelection();
    return row == wxNOT_FOUND ? std::string() : std::string(Combo(comboId)->GetString(row).utf8_str());
}

void CFileConvModelDlg::OnNext() {
    {
        FileConvert::WriteChoice(working_, Chosen());
        CFileConvDataDlg data(this, working_, *this, loader_);
        CloneImage scratch;
        const std::string name = Model::DefaultDataFileName(Model::VariantCodeFromImage(working_), false);
        if (name.empty() || !loader_ || !loader_(name, scratch)) {
            ShowMessage(TextByRid(kRidFileNotFound, "File Not Found"), std::string(GetTitle().utf8_str()),
                        MsgStyle::Ok | MsgStyle::IconWarning);
            EndModal(wxID_CANCEL);
            return;
        }
        const int result = data.ShowModal();
        if (result == wxID_OK) {
            FileConvert::WriteChoice(working_, Chosen());
            if (ChosenText(IDC_BAND) == CurrentText(IDC_BAND))
                CloneImageOps::FixUpAfterModelConversion(working_, before_);
            EndModal(wxID_OK);
            return;
        }
        if (result == CFileConvDataDlg::ID_RETURN) return;  // back to step 1
        EndModal(wxID_CANCEL);
        return;
    }
}

// ---- step 2 ----------------------------------------------------------------------------------

CFileConvDataDlg::CFileConvDataDlg(wxWindow* parent, CloneImage& working, const CFileConvModelDlg& model,
                                   DefaultDataLoader loader)
    : wxDialog(parent, wxID_ANY, "File Convert"),
      working_(working),
      loader_(std::move(loader)),
      changeLevel_(FileConvert::ChangeLevel(
          model.ChosenText(CFileConvModelDlg::IDC_BAND) != model.CurrentText(CFileConvModelDlg::IDC_BAND),
          model.ChosenText(CFileConvModelDlg::IDC_PRODUCT) != model.CurrentText(CFileConvModelDlg::IDC_PRODUCT))) {
    auto* box = new wxStaticBoxSizer(new wxStaticBox(this, wxID_ANY, "Select the Convert Data"), wxVERTICAL);
    box->Add(new wxCheckBox(box->GetStaticBox(), IDC_COMMON, "Common Settings"), wxSizerFlags().Border(wxALL, 4));
    box->Add(new wxStaticText(box->GetStaticBox(), IDC_NOTE, "(Except to Hardware Data etc.)"),
             wxSizerFlags().Border(wxLEFT, 28));
    box->Add(new wxCheckBox(box->GetStaticBox(), IDC_SIGNALING, "Signaling Settings"),
             wxSizerFlags().Border(wxALL, 4));
    box->Add(new wxCheckBox(box->GetStaticBox(), IDC_CHANNELS, "CH && Group && Scan List"),
             wxSizerFlags().Border(wxALL, 4));
    DialogFrame::LayOut(*this, box, IDC_HELP, {{IDC_RETURN, "Return"}, {wxID_OK, "OK"}, {wxID_CANCEL, "Cancel"}});
    UiUtil::TranslateWindowTexts(this, IDD);
    // A new band always takes the channels and groups of the default data.
    if (changeLevel_ >= 3) Box(IDC_CHANNELS)->Disable();
    UpdateOk();
    Fit();
    CentreOnParent();

    for (int id : {IDC_COMMON, IDC_SIGNALING, IDC_CHANNELS})
        Box(id)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { UpdateOk(); });
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
    FindWindow(IDC_RETURN)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(ID_RETURN); });
    EnableHelp(this, IDC_HELP, IDD);
}

wxCheckBox* CFileConvDataDlg::Box(int id) const {
    return dynamic_cast<wxCheckBox*>(FindWindow(id));
}

void CFileConvDataDlg::UpdateOk() {
    FindWindow(wxID_OK)->Enable(Box(IDC_COMMON)->GetValue() || Box(IDC_SIGNALING)->GetValue() ||
                                Box(IDC_CHANNELS)->GetValue());
}

void CFileConvDataDlg::OnOk() {
    CloneImage defaults;
    std::fill(defaults.data(), defaults.data() + CloneImage::Size, std::uint8_t{0});
    const std::string name = Model::DefaultDataFileName(Model::VariantCodeFromImage(working_), false);
    if (name.empty() || !loader_ || !loader_(name, defaults)) {
        EndModal(wxID_CANCEL);
        return;
    }
    const FileConvert::Boxes boxes{Box(IDC_COMMON)->GetValue(), Box(IDC_SIGNALING)->GetValue(),
                                   Box(IDC_CHANNELS)->IsEnabled() && Box(IDC_CHANNELS)->GetValue()};
    FileConvert::ApplyRegions(working_, defaults, boxes, changeLevel_);
    ShowMessage(TextByRid(kRidConvertCompleted, "File Convert is Completed."), std::string(GetTitle().utf8_str()),
                MsgStyle::Ok);
    EndModal(wxID_OK);
}
