#include "signalling/Mdc1200CallList.h"

#include <wx/sizer.h>

#include <charconv>
#include <cstdio>
#include <optional>

#include "image/ItemsSignalling.h"
#include "image/Model.h"
#include "image/TagCharRule.h"
#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"
#include "signalling/Mdc1200Settings.h"
#include "signalling/SignallingLists.h"
#include "tone/ToneSample.h"

using namespace GridView;
using namespace SignallingLists;
using namespace Mdc1200Call;

namespace {

// The copy and print form of the call list's check cells.
constexpr ST_DISPDATA kCheckCopyList[] = {{0, "-", ""}, {1, "v", ""}, End};
constexpr const char* kUnchecked = " - ";
constexpr const char* kChecked = "";

bool RecordInUse(const CloneImage& image, int record) {
    return ItemMap::GetMdc1200CallNotInUse(image, record) == 0;
}

std::string ListText(ItemList list, std::uint32_t value, bool& invalid) {
    for (const ST_DISPDATA& row : list) {
        if (row.value == ItemListEnd) break;
        if (row.value == static_cast<std::int32_t>(value)) return row.text;
    }
    invalid = true;
    return {};
}

// The whole text as a hexadecimal number of at most four digits.
std::optional<std::uint32_t> Hex(std::string_view text) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 16);
    if (text.empty() || text.size() > 4 || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::string IdText(const CloneImage& image, int record) {
    const std::uint32_t id = ItemMap::GetMdc1200CallId(image, record);
    if (id == 0xFFFF && ItemMap::GetMdc1200CallType(image, record) == TypeAllCall) return "FFFF";
    char text[8];
    std::snprintf(text, sizeof text, "%04x", id);
    return text;
}

// ---- the columns ------------------------------------------------------------------------------

GridColumn ToGridColumn(int col, const ColumnRow& row, const KeyTriggers& on) {
    GridColumn c{col, 0, static_cast<int>(row.width), row.list, CellKind::ReadOnly, 0, 0, 0, 0, 0};
    auto when = [](bool allowed, int action) { return allowed ? action : Action::Consume; };
    switch (row.kind) {
        case 1:
            if (col == Col::CallNo) {
                // Typed only so that a pasted row reaches the column and marks
                // its record in use; the number itself is never edited.
                c.kind = CellKind::Typed;
                c.spaceAction = when(on.space, Action::Select);
                c.doubleClickAction = when(on.doubleClick, Action::Select);
                c.enterAction = Action::PassOn3;
            } else {  // Tone Play
                c.spaceAction = when(on.space, Action::PassOn);
                c.doubleClickAction = when(on.doubleClick, Action::PassOn);
                c.enterAction = when(on.enter, Action::PassOn);
            }
            break;
        case 2:
            c.kind = CellKind::Typed;
            c.editLength = col == Col::Id ? 4 : 8;
            c.spaceAction = c.doubleClickAction = c.enterAction = Action::Edit;
            break;
        case 3:
            c.kind = CellKind::DropDown;
            c.spaceAction = when(on.space, Action::Edit);
            c.doubleClickAction = when(on.doubleClick, Action::Edit);
            c.enterAction = when(on.enter, Action::PassOn3);
            break;
        case 5:
            c.kind = CellKind::Check;
            // Only ACK Exp is stored; ID Status and the system cells are read-only.
            if (col == Col::AckExp) {
                c.spaceAction = when(on.space, Action::Toggle);
                c.doubleClickAction = when(on.doubleClick, Action::Toggle);
                c.enterAction = when(on.enter, Action::Toggle);
            }
            break;
    }
    return c;
}

const std::array<GridColumn, Cols>& GridColumns() {
    static const auto columns = [] {
        std::array<GridColumn, Cols> out{};
        for (int c = 0; c < Cols; ++c)
            out[static_cast<std::size_t>(c)] =
                ToGridColumn(c, Columns()[static_cast<std::size_t>(c)], Triggers()[static_cast<std::size_t>(c)]);
        return out;
    }();
    return columns;
}

constexpr ColumnStates Same(std::uint8_t state) {
    ColumnStates s{};
    for (auto& b : s) b = state;
    return s;
}

// Call Type, ID Status and the system columns are kept but hidden; TAG shows
// for radios that are not of the plain kind.
const std::array<ColumnStates, Cols>& States() {
    static const auto states = [] {
        std::array<ColumnStates, Cols> out{};
        for (int c = 0; c < Cols; ++c) {
            const bool hidden = c == Col::Type || c == Col::IdStatus || c >= Col::FirstSystem;
            out[static_cast<std::size_t>(c)] = Same(hidden ? 3 : c == Col::Tag ? 5 : 0);
        }
        return out;
    }();
    return states;
}

ColumnBinding Number() {
    ColumnBinding b;
    b.format = [](const CloneImage&, int record) { return CellValue{std::to_string(record + 1)}; };
    b.store = [](CloneImage& image, int record, std::string_view) {
        ItemMap::SetMdc1200CallNotInUse(image, record, 0);
        return true;
    };
    return b;
}

ColumnBinding Type() {
    ColumnBinding b;
    b.format = [](const CloneImage& image, int record) {
        CellValue v;
        v.text = ListText(Mdc1200CallTypeList, ItemMap::GetMdc1200CallType(image, record), v.invalid);
        return v;
    };
    // The call ID follows the new type: FFFF for "ALL Call", E in front for "Group".
    b.write = [](CloneImage& image, int record, std::uint32_t type) {
        if (!RecordInUse(image, record) || ItemMap::GetMdc1200CallType(image, record) == type) return;
        ItemMap::SetMdc1200CallType(image, record, type);
        const std::uint32_t id = ItemMap::GetMdc1200CallId(image, record);
        if (type == TypeAllCall) ItemMap::SetMdc1200CallId(image, record, 0xFFFF);
        if (type == TypeGroup) ItemMap::SetMdc1200CallId(image, record, 0xE000 | (id & 0x0FFF));
    };
    return b;
}

// An empty or unreadable ID is refused; a Group ID edited as its three last
// digits gets its E back; an "ALL Call" ID cannot be changed.
ColumnBinding Id() {
    ColumnBinding b;
    b.format = [](const CloneImage& image, int record) { return CellValue{IdText(image, record)}; };
    b.store = [](CloneImage& image, int record, std::string_view text) {
        if (!RecordInUse(image, record)) return false;
        const std::uint32_t type = ItemMap::GetMdc1200CallType(image, record);
        if (type == TypeAllCall) return false;
        auto value = Hex(text);
        if (!value) return false;
        if (type == TypeGroup && text.size() <= 3) *value |= 0xE000;
        ItemMap::SetMdc1200CallId(image, record, *value);
        return true;
    };
    return b;
}

ColumnBinding IdStatus() {
    ColumnBinding b;
    b.format = [](const CloneImage& image, int record) {
        return CellValue{RecordInUse(image, record) ? kChecked : kUnchecked};
    };
    return b;
}

ColumnBinding Tag() {
    ColumnBinding b;
    b.format = [](const CloneImage& image, int record) { return CellValue{ItemMap::GetMdc1200CallTag(image, record)}; };
    b.store = [](CloneImage& image, int record, std::string_view text) {
        if (!RecordInUse(image, record)) return false;
        // An edit that changed nothing leaves the stored bytes as they are.
        if (text != ItemMap::GetMdc1200CallTag(image, record))
            ItemMap::SetMdc1200CallTag(image, record, KXTagString(text, 8).GetText());
        return true;
    };
    return b;
}

// Stored 0 means an acknowledgement is expected (the cell is checked).
ColumnBinding AckExp() {
    ColumnBinding b;
    b.format = [](const CloneImage& image, int record) {
        return CellValue{ItemMap::GetMdc1200CallAckExp(image, record) == 0 ? kChecked : kUnchecked};
    };
    b.write = [](CloneImage& image, int record, std::uint32_t checked) {
        if (RecordInUse(image, record)) ItemMap::SetMdc1200CallAckExp(image, record, checked == 1 ? 0 : 1);
    };
    return b;
}

ColumnBinding RingTone() {
    ColumnBinding b;
    b.format = [](const CloneImage& image, int record) {
        CellValue v;
        v.text = ListText(Mdc1200RingToneTemplate, ItemMap::GetMdc1200CallRingTone(image, record), v.invalid);
        return v;
    };
    b.write = [](CloneImage& image, int record, std::uint32_t tone) {
        if (RecordInUse(image, record)) ItemMap::SetMdc1200CallRingTone(image, record, tone);
    };
    return b;
}

ColumnBinding SystemCell() {
    ColumnBinding b;
    b.format = [](const CloneImage&, int) { return CellValue{kUnchecked}; };
    return b;
}

char32_t HexKey(char32_t key) {
    if (key >= 'a' && key <= 'f') return key - 'a' + 'A';
    return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'F') ? key : 0;
}

}  // namespace

// ---- the tables ---------------------------------------------------------------------------------

namespace Mdc1200Call {

const std::array<ColumnRow, Cols>& Columns() {
    static const auto columns = [] {
        std::array<ColumnRow, Cols> out{{
            {0, 1035, {}, 1},
            {0, 1170, Mdc1200CallTypeList, 3},
            {0, 930, {}, 2},
            {0, 705, Mdc1200CheckCellList, 5},
            {0, 1020, {}, 2},
            {0, 930, Mdc1200CheckCellList, 5},
            {0, 1140, Mdc1200RingToneTemplate, 3},
            {0, 1140, {}, 1},
        }};
        for (int c = Col::FirstSystem; c < Cols; ++c) out[static_cast<std::size_t>(c)] = {0, 450, Mdc1200CheckCellList, 5};
        return out;
    }();
    return columns;
}

const std::array<KeyTriggers, Cols>& Triggers() {
    static const auto triggers = [] {
        std::array<KeyTriggers, Cols> out{};
        for (auto& t : out) t = {true, true, true};
        out[Col::CallNo] = {false, true, true};
        out[Col::Id] = out[Col::Tag] = {false, false, false};
        return out;
    }();
    return triggers;
}

bool IdFitsType(std::uint32_t id, std::uint32_t type) {
    switch (type) {
        case TypeIndividual:
            return id >= 0x0001 && id <= 0xDFFF;
        case TypeGroup:
            return id >= 0xE001 && id <= 0xEFFF;
        case TypeAllCall:
            return id == 0xFFFF;
        default:
            return false;
    }
}

void CellLocks::Clear() {
    cells_.fill(1);
    columnFlags_.fill(0);
}

void CellLocks::Lock(int row, int col, bool locked) {
    if (row < 0 || row >= Rows || col < 0 || col >= Cols) return;
    cells_[static_cast<std::size_t>(row * Cols + col)] = locked ? 0 : 1;
    bool any = false;
    for (int r = 0; r < Rows; ++r) any = any || cells_[static_cast<std::size_t>(r * Cols + col)] == 0;
    columnFlags_[static_cast<std::size_t>(col)] = any ? 1 : 0;
}

bool CellLocks::Editable(int row, int col) const {
    if (row < 0 || row >= Rows || col < 0 || col >= Cols) return false;
    return cells_[static_cast<std::size_t>(row * Cols + col)] != 0;
}

ViewSpec MakeSpec(int setupType) {
    ViewSpec v;
    v.columns = GridColumns();
    v.states = States();
    v.headerRows = HeaderRows;
    v.records = Records;
    std::vector<std::string> r0 = {"Call No.", "Call Type", "Call ID", "ID Status", "TAG", "ACK Exp", "Ring Tone",
                                   "Tone Play"};
    std::vector<std::string> r1 = r0;
    for (int k = 1; k <= 16; ++k) {
        r0.push_back(k == 1 && setupType != 1 ? Mdc1200SysHeaderList[0].text : "System No.");
        r1.push_back(std::to_string(k));
    }
    v.headers = {r0, r1};
    HeaderSpanRows spans(2, std::vector<HeaderSpan>(Cols, HeaderSpan{0, 0}));
    for (int c = 0; c < Col::FirstSystem; ++c) spans[0][static_cast<std::size_t>(c)] = {2, 1};
    if (setupType == 1) {
        spans[0][Col::FirstSystem] = {1, 16};
    } else {
        spans[0][Col::FirstSystem] = {1, 1};
        spans[0][Col::FirstSystem + 1] = {1, 15};
    }
    for (int c = Col::FirstSystem; c < Cols; ++c) spans[1][static_cast<std::size_t>(c)] = {1, 1};
    v.headerSpans = spans;

    v.bindings = {Number(), Type(), Id(), IdStatus(), Tag(), AckExp(), RingTone(), ColumnBinding{}};
    for (int c = Col::FirstSystem; c < Cols; ++c) v.bindings.push_back(SystemCell());
    v.shown = [setupType](const CloneImage& image, int col, int state) {
        if (state == 1 || state == 3 || state == 4) return false;
        if (state == 2 || state == 5) {
            if (col == Col::Tag) return !Model::IsPlainKind(image);
            if (col > Col::FirstSystem) return setupType == 1;
        }
        return true;
    };
    v.printListOf = [](ItemList) -> ItemList { return kCheckCopyList; };
    v.keyFilter = [](int col, char32_t key) -> char32_t {
        if (col == Col::Id) return HexKey(key);
        if (col == Col::Tag) return CurrentTagCharRule().NormalizeChar(key);
        return key;
    };
    return v;
}

}  // namespace Mdc1200Call

// ---- the grid page --------------------------------------------------------------------------------

CMDC1200CallDlg::CMDC1200CallDlg(wxWindow* parent, CloneImage& image, std::filesystem::path programFolder)
    : CToneGridView(parent, MakeSpec(Mdc1200::SetupType()), image, IDC_GRID, Section, IDD),
      programFolder_(std::move(programFolder)) {
    SetName("MDC1200 Call List");
    model_.adjustEdit = [this](int r, int c, GridViewModel::EditStart& e) { AdjustEdit(r, c, e); };
    for (int r = 0; r < Records; ++r)
        shownIds_[static_cast<std::size_t>(r)] =
            ItemMap::GetMdc1200CallId(image, r) | (ItemMap::GetMdc1200CallType(image, r) << 16);
    // The rows again, now with their states (the base showed them while
    // this view was not yet built).
    RefreshGrid();
}

bool CMDC1200CallDlg::InUse(int row) const {
    return model_.IsDataRow(row) && RecordInUse(model_.Image(), model_.RecordOf(row));
}

void CMDC1200CallDlg::AdjustEdit(int row, int col, GridViewModel::EditStart& e) const {
    if (col == Col::CallNo || !InUse(row) || !locks_.Editable(row, col)) {
        e.allowed = false;
        return;
    }
    if (col == Col::Id && model_.Text(row, Col::Type) == Mdc1200GroupText) {
        // A Group ID is edited as its last three digits.
        e.maxLength = 3;
        if (e.text.size() > 3) e.text = e.text.substr(e.text.size() - 3);
    }
}

std::vector<int> CMDC1200CallDlg::TargetRows(int row) const {
    std::vector<int> rows;
    for (int r : grid_->SelectedRows())
        if (model_.IsDataRow(r)) rows.push_back(r);
    if (rows.empty()) rows.push_back(row);
    return rows;
}

bool CMDC1200CallDlg::RunAction(int action, int row, int col) {
    if (col == Col::CallNo && action == Action::Select) {
        // Every selected row takes the opposite of the current row's state.
        const std::uint32_t notInUse = InUse(row) ? 1 : 0;
        for (int r : TargetRows(row)) {
            ItemMap::SetMdc1200CallNotInUse(model_.Image(), model_.RecordOf(r), notInUse);
            RefreshRow(r);
        }
        return true;
    }
    if (col == Col::TonePlay && action == Action::PassOn) {
        const auto path = RingToneSample(model_.Image(), model_.RecordOf(row), programFolder_);
        if (!path.empty()) {
            if (!player_) player_ = ToneSample::MakePlayer();
            ToneSample::Play(*player_, path);
        }
        return true;
    }
    if (action == Action::Toggle) {
        for (int r : TargetRows(row)) {
            if (!InUse(r) || !locks_.Editable(r, col)) continue;
            model_.CycleCell(r, col);
            RefreshRow(r);
        }
        return true;
    }
    if (action == Action::Edit && (!InUse(row) || !locks_.Editable(row, col))) return false;
    return CToneGridView::RunAction(action, row, col);
}

void CMDC1200CallDlg::EnterKey() {
    if (grid_->IsCellEditControlShown()) {
        grid_->DisableCellEditControl();
        return;
    }
    const int row = grid_->GetRow(), col = grid_->GetCol();
    if (!model_.IsDataRow(row)) return;
    const int action = model_.ActionOf(col, Gesture::Enter);
    if (action == Action::PassOn3 && model_.Column(col).kind == CellKind::DropDown) {
        if (InUse(row)) grid_->EditCell();  // with its drop-down list
        return;
    }
    RunAction(action, row, col);
}

std::filesystem::path CMDC1200CallDlg::RingToneSample(const CloneImage& image, int record,
                                                      const std::filesystem::path& programFolder) {
    // Named after the stored tone, whatever the language shows.
    const std::uint32_t tone = ItemMap::GetMdc1200CallRingTone(image, record);
    if (tone < 1 || tone > 10) return {};
    const std::string name(1, static_cast<char>('A' + tone - 1));
    return programFolder / "Tone_sample" / (name + ".wav");
}

const wxBitmap* CMDC1200CallDlg::PictureOf(int, int col, const std::string& text) const {
    if (col == Col::TonePlay) return &TonePlayPicture();
    if (model_.Column(col).kind == CellKind::Check && text == kChecked) return &ToneTickPicture();
    return nullptr;
}

void CMDC1200CallDlg::RowShown(int row) {
    if (!model_.IsDataRow(row)) return;
    const CloneImage& image = model_.Image();
    const int record = model_.RecordOf(row);
    const std::uint32_t type = ItemMap::GetMdc1200CallType(image, record);
    const std::uint32_t id = ItemMap::GetMdc1200CallId(image, record);
    locks_.Lock(row, Col::Id, type == TypeAllCall);

    const bool inUse = InUse(row);
    grid_->SetCellRangeForeColor(row, 0, row, Cols - 1, inUse ? 0x000000 : GreyText);
    grid_->SetCellRangeBackColor(row, 0, row, Cols - 1, CellLocks::NormalBack);
    if (!locks_.Editable(row, Col::Id)) grid_->SetCellRangeBackColor(row, Col::Id, row, Col::Id, CellLocks::LockedBack);
    // The ID Status column is hidden: the ID itself shows an ID outside its type's range.
    const std::uint32_t status = IdFitsType(id, type) ? 0x000000 : OutOfRangeText;
    grid_->SetCellRangeForeColor(row, Col::IdStatus, row, Col::IdStatus, status);
    if (inUse) grid_->SetCellRangeForeColor(row, Col::Id, row, Col::Id, status);

    std::uint32_t& shown = shownIds_[static_cast<std::size_t>(record)];
    const std::uint32_t now = id | (type << 16);
    if (shown != now) {
        shown = now;
        if (onIdsChanged) onIdsChanged();
    }
}

// ---- the call keys ----------------------------------------------------------------------------------

namespace {

constexpr std::uint8_t kKeyStates[3][15] = {};
constexpr ControlRuleRow kCallKeyRules[] = {
    {2001, 0, kKeyStates[0]}, {2101, 1, kKeyStates[0]}, {2111, 1, kKeyStates[0]},
    {2002, 0, kKeyStates[1]}, {2102, 1, kKeyStates[1]}, {2112, 1, kKeyStates[1]},
    {2003, 0, kKeyStates[2]}, {2103, 1, kKeyStates[2]}, {2113, 1, kKeyStates[2]},
    {-1, 0, nullptr},
};

template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Settings::Getter& get, Settings::Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

}  // namespace

std::vector<Settings::ListRow> CMDC1200CallAdvDlg::IdRows(const CloneImage& image) {
    std::vector<Settings::ListRow> rows;
    for (int i = 0; i < Records; ++i) {
        char text[32];
        std::snprintf(text, sizeof text, "%s : %4X", Mdc1200CallNameList[i].text,
                      static_cast<unsigned>(ItemMap::GetMdc1200CallId(image, i)));
        rows.push_back({Mdc1200CallNameList[i].value, text});
    }
    return rows;
}

void CMDC1200CallKeyPage::Build() {
    using namespace ItemMap;
    SetRuleRows(kCallKeyRules);
    Settings::Getter get;
    Settings::Setter set;
    const std::vector<Settings::ListRow> names = Settings::RowsOf(Mdc1200CallNameList);
    // One line a key: its caption, the type and the call record under the
    // "Type" and "ID" heads.
    BeginRow();
    AddLabel(IDC_TYPE_CAPTION, "Type");
    AddLabel(IDC_ID_CAPTION, "ID");
    EndRow();
    BeginRow(2001, "Call &1");
    Item<GetMdc1200CallKey1Type, SetMdc1200CallKey1Type>(get, set);
    AddCombo(0, {}, IDC_KEY1_TYPE, Mdc1200CallKeyTypeList, get, set);
    Item<GetMdc1200CallKey1Id, SetMdc1200CallKey1Id>(get, set);
    AddCombo(0, {}, IDC_KEY1_ID, names, get, set);
    EndRow();
    BeginRow(2002, "Call &2");
    Item<GetMdc1200CallKey2Type, SetMdc1200CallKey2Type>(get, set);
    AddCombo(0, {}, IDC_KEY2_TYPE, Mdc1200CallKeyTypeList, get, set);
    Item<GetMdc1200CallKey2Id, SetMdc1200CallKey2Id>(get, set);
    AddCombo(0, {}, IDC_KEY2_ID, names, get, set);
    EndRow();
    BeginRow(2003, "Call &3");
    Item<GetMdc1200CallKey3Type, SetMdc1200CallKey3Type>(get, set);
    AddCombo(0, {}, IDC_KEY3_TYPE, Mdc1200CallKeyTypeList, get, set);
    Item<GetMdc1200CallKey3Id, SetMdc1200CallKey3Id>(get, set);
    AddCombo(0, {}, IDC_KEY3_ID, names, get, set);
    EndRow();
}

void CMDC1200CallKeyPage::FilterLists(const CloneImage& image) {
    RefreshIdLists(image);
}

void CMDC1200CallKeyPage::RefreshIdLists(const CloneImage& image) {
    const auto rows = CMDC1200CallAdvDlg::IdRows(image);
    for (int id : {IDC_KEY1_ID, IDC_KEY2_ID, IDC_KEY3_ID}) Form().SetRows(id, rows);
}

void CMDC1200CallKeyPage::SaveOwn(CloneImage& image) {
    if (afterSave) afterSave(image);
}

std::unique_ptr<Settings::SettingsDialogModel> CMDC1200CallAdvDlg::MakeDialog() {
    std::vector<std::unique_ptr<Settings::SettingsPage>> pages;
    pages.push_back(std::make_unique<CMDC1200CallKeyPage>());
    return std::make_unique<Settings::SettingsDialogModel>(Settings::DialogSpec{IDD, Caption, Section, false, true},
                                                           std::move(pages));
}

CMDC1200CallDlg* CMDC1200CallAdvDlg::AttachGrid(SettingsDlg& dialog, std::filesystem::path programFolder) {
    auto* grid = new CMDC1200CallDlg(&dialog, dialog.Image(), std::move(programFolder));
    grid->SetMinSize(wxSize(680, 380));
    // Below the call keys, above the buttons; the grid takes the spare height.
    dialog.GetSizer()->GetItem(std::size_t{0})->SetProportion(0);
    dialog.GetSizer()->Insert(1, grid, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
    auto& page = static_cast<CMDC1200CallKeyPage&>(dialog.Model().Page(0));
    page.afterSave = [grid](CloneImage&) { grid->CommitAllCells(); };
    grid->onIdsChanged = [&dialog, &page] {
        page.RefreshIdLists(dialog.Image());
        dialog.ShowForm();
    };
    // The dialog gives Enter no meaning; in the grid it edits a cell or ends
    // the edit.
    grid->Bind(wxEVT_CHAR_HOOK, [grid](wxKeyEvent& event) {
        const bool enter = event.GetKeyCode() == WXK_RETURN || event.GetKeyCode() == WXK_NUMPAD_ENTER;
        if (!enter || event.HasAnyModifiers()) return event.Skip();
        grid->EnterKey();
    });
    // When the dialog grows, OK and Cancel keep to its right edge and Help
    // keeps its place on the left.
    if (wxWindow* help = dialog.FindWindow(SettingsDlg::IDC_HELP)) {
        if (wxSizer* buttons = help->GetContainingSizer(); buttons && buttons->Detach(help))
            buttons->Insert(0, help, 0, wxRIGHT, 6);
    }
    // The size it opens at is the smallest it can be made.
    dialog.GetSizer()->SetSizeHints(&dialog);
    dialog.Fit();
    dialog.CentreOnParent();
    return grid;
}

// ---- the printout -------------------------------------------------------------------------------------

namespace {

// The records in use, without the play column, check cells as "v" and "-".
class CallListPrintGrid : public PrintGrid {
  public:
    explicit CallListPrintGrid(const GridViewModel& model) : model_(model) {
        for (int r = model.HeaderRows(); r < model.Rows(); ++r)
            if (RecordInUse(model.Image(), model.RecordOf(r))) rows_.push_back(r);
    }
    int HeaderRows() const override { return model_.HeaderRows(); }
    int Rows() const override { return model_.HeaderRows() + static_cast<int>(rows_.size()); }
    int Cols() const override { return model_.Cols(); }
    bool ColHidden(int col) const override { return col == Col::TonePlay || model_.IsColumnHidden(col); }
    std::string Text(int row, int col) const override {
        if (row < model_.HeaderRows()) return model_.Text(row, col);
        const int source = rows_[static_cast<std::size_t>(row - model_.HeaderRows())];
        std::string text = model_.CopyCellText(source, col);
        if (text.find_first_not_of(' ') == std::string::npos) text = "-";
        return text;
    }
    void SetText(int, int, std::string_view) override {}

  private:
    const GridViewModel& model_;
    std::vector<int> rows_;
};

class CallPrint : public Settings::SettingsPrint {
  public:
    explicit CallPrint(const CloneImage& image)
        : SettingsPrint(CMDC1200CallAdvDlg::MakeDialog(), image), image_(image),
          model_(MakeSpec(Mdc1200::SetupType()), image_) {
        model_.Refresh();
    }

    static constexpr const char* KeyGroupCaption = "Call Key Setting";

    // The key form is headed by its group's caption.
    std::string WindowText() const override { return KeyGroupCaption; }

    std::string& RenderPage(std::string& out, PrintContext context) override {
        switch (part_++) {
            case 0:
                return SettingsPrint::RenderPage(out, context);
            case 2:
                return out;
            case 1: {
                const std::string title = std::string(CMDC1200CallAdvDlg::Caption) + " - 1(" +
                                          CMDC1200CallAdvDlg::Caption + ")";
                out += "<table width=\"100%\"><colgroup span=\"1\"></colgroup><tr><th colspan=\"1\">[" +
                       HtmlEscape(title) + "]</th></tr></table>\n";
                CallListPrintGrid grid(model_);
                return GridTableHtml(out, grid, 0, grid.Rows() - grid.HeaderRows(), true);
            }
            default:
                out += InvalidPageText;
                return out;
        }
    }

    // Header texts that cover both rows or several columns are written once.
    std::string& GridHeaderHtml(std::string& out, PrintGrid& grid) override {
        const auto spans = model_.PrintHeaderSpans();
        for (int r = 0; r < grid.HeaderRows(); ++r) {
            HtmlTag tr(out, "tr");
            for (int c = 0; c < grid.Cols(); ++c) {
                const auto& span = spans[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
                if (span.rowspan == 0 || grid.ColHidden(c)) continue;
                std::string attributes;
                if (span.rowspan > 1) attributes += " rowspan=\"" + std::to_string(span.rowspan) + "\"";
                if (span.colspan > 1) attributes += " colspan=\"" + std::to_string(span.colspan) + "\"";
                HtmlTag th;
                BorderlessCell(th, out, "th", attributes);
                out += HtmlEscape(grid.Text(r, c));
            }
        }
        return out;
    }

  private:
    CloneImage image_;
    GridViewModel model_;
    int part_ = 0;
};

}  // namespace

std::unique_ptr<PrintableScreen> MakeMdc1200CallPrint(const CloneImage& image) {
    return std::make_unique<CallPrint>(image);
}
