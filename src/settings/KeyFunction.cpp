#include "settings/KeyFunction.h"

#include <array>

#include "image/ItemsSystem.h"
#include "language/Language.h"
#include "ui/Restraction.h"

using namespace Settings;
using namespace Settings::KeyFunctions;

namespace {

// The three service modes are alike in every line. Each line has an array
// of its own: the printout puts the rows of one array on one line.
constexpr std::uint8_t H = RestrictionState::Hide, C = RestrictionState::Check,
                       D = RestrictionState::DisableClear;
#define ZT_KEY_STATES(v0, v1, v2, v3, v4) {v0, v0, v0, v1, v1, v1, v2, v2, v2, v3, v3, v3, v4, v4, v4}

// Portable: A-D only with a 4 or 16 key keypad (variants 1 and 2 here).
constexpr std::uint8_t kPortableStates[6][15] = {
    ZT_KEY_STATES(0, 0, 0, 0, 0), ZT_KEY_STATES(0, 0, 0, 0, 0),  // Side-1, Side-2
    ZT_KEY_STATES(H, 0, 0, 0, 0), ZT_KEY_STATES(H, 0, 0, 0, 0),  // A, B
    ZT_KEY_STATES(H, 0, 0, 0, 0), ZT_KEY_STATES(H, 0, 0, 0, 0),  // C, D
};

// Mobile: a mobile image always opens in variant 3 or 4, where every key is
// shown; the lower variants keep the radio's own rules for the keys.
constexpr std::uint8_t kMobileStates[12][15] = {
    ZT_KEY_STATES(0, 0, 0, 0, 0),                                                              // Up
    ZT_KEY_STATES(D, D, D, 0, 0),                                                              // Down
    ZT_KEY_STATES(C, C, C, 0, 0),                                                              // P1
    ZT_KEY_STATES(D, D, D, 0, 0), ZT_KEY_STATES(D, D, D, 0, 0), ZT_KEY_STATES(D, D, D, 0, 0),  // P2-P4
    ZT_KEY_STATES(D, 0, 0, 0, 0), ZT_KEY_STATES(D, 0, 0, 0, 0), ZT_KEY_STATES(D, 0, 0, 0, 0),  // MIC A-C
    ZT_KEY_STATES(D, 0, 0, 0, 0),                                                              // MIC D
    ZT_KEY_STATES(D, D, 0, 0, 0), ZT_KEY_STATES(D, D, 0, 0, 0),                                // MIC *, #
};
#undef ZT_KEY_STATES

constexpr CKeyFunctionPage::KeyLine kPortableLines[] = {
    {2002, "Side-&1 Key", 2102, 2118}, {2003, "Side-&2 Key", 2103, 2119}, {2008, "&A-Key", 2108, 2124},
    {2009, "&B-Key", 2109, 2125},      {2010, "&C-Key", 2110, 2126},      {2011, "&D-Key", 2111, 2127},
};

constexpr CKeyFunctionPage::KeyLine kMobileLines[] = {
    {2001, "&Up", 2101, 2117},    {2002, "&Down", 2102, 2118},  {2003, "P&1", 2103, 2119},
    {2004, "P&2", 2104, 2120},    {2005, "P&3", 2105, 2121},    {2006, "P&4", 2106, 2122},
    {2007, "MIC &A", 2107, 2123}, {2008, "MIC &B", 2108, 2124}, {2009, "MIC &C", 2109, 2125},
    {2010, "MIC &D", 2110, 2126}, {2011, "MIC &*", 2111, 2127}, {2012, "MIC &#", 2112, 2128},
};

// Per line: the caption (restrict 0), then press and hold (restrict 1).
template <std::size_t N>
constexpr std::array<ControlRuleRow, 3 * N + 1> RulesOf(const CKeyFunctionPage::KeyLine (&lines)[N],
                                                        const std::uint8_t (&states)[N][15]) {
    std::array<ControlRuleRow, 3 * N + 1> rows{};
    for (std::size_t i = 0; i < N; ++i) {
        rows[3 * i] = {lines[i].labelId, 0, states[i]};
        rows[3 * i + 1] = {lines[i].pressId, 1, states[i]};
        rows[3 * i + 2] = {lines[i].holdId, 1, states[i]};
    }
    rows[3 * N] = {-1, 0, nullptr};
    return rows;
}

constexpr auto kPortableRules = RulesOf(kPortableLines, kPortableStates);
constexpr auto kMobileRules = RulesOf(kMobileLines, kMobileStates);

std::unique_ptr<SettingsDialogModel> MakeKeyDialog(Radio radio, int idd, std::span<const CKeyFunctionPage::KeyLine> lines,
                                                   const ControlRuleRow* rules) {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CKeyFunctionPage>(radio, idd, lines, rules));
    return std::make_unique<SettingsDialogModel>(
        DialogSpec{idd, CKeyFunctionPage::Caption, CKeyFunctionPage::Section, false}, std::move(pages));
}

}  // namespace

CKeyFunctionPage::CKeyFunctionPage(Radio radio, int idd, std::span<const KeyLine> lines,
                                   const ControlRuleRow* rules)
    : SettingsPage(idd), radio_(radio), lines_(lines), rules_(rules), keys_(radio) {}

void CKeyFunctionPage::Build() {
    BeginRow(IDC_KEY_NAME, "Key Name");
    AddLabel(IDC_PRESS, "Press");
    AddLabel(IDC_HOLD, "Press && Hold");
    EndRow();
    for (const KeyLine& line : lines_) {
        BeginRow(line.labelId, line.label);
        AddEmptyCombo(0, {}, line.pressId);
        AddEmptyCombo(0, {}, line.holdId);
        EndRow();
    }
    SetRuleRows(rules_);
}

int CKeyFunctionPage::KeyOf(int controlId) const {
    const auto slots = keys_.Slots();
    for (std::size_t k = 0; k < slots.size(); ++k)
        if (slots[k].comboId == controlId) return static_cast<int>(k);
    return -1;
}

int CKeyFunctionPage::ComboOf(int key) const {
    return keys_.Slots()[static_cast<std::size_t>(key)].comboId;
}

// The function names are translated as one list of the dialog.
std::vector<ListRow> CKeyFunctionPage::RowsOf(const std::vector<int>& codes) const {
    std::vector<ListRow> rows;
    for (const int code : codes) {
        std::string name(FunctionName(code, radio_));
        std::string translated;
        if (LangTable::LookupRID(MakeRID(0, Idd(), IDC_FUNCTION_NAMES), name, translated)) name = translated;
        rows.push_back({code, std::move(name)});
    }
    return rows;
}

void CKeyFunctionPage::LoadOwn(const CloneImage& image) {
    keys_ = KeyAssignments(radio_);
    keys_.Load(image);
    for (int k = 0; k < keys_.KeyCount(); ++k) {
        const int id = ComboOf(k);
        Form().SetRows(id, RowsOf(keys_.OfferedAlone(k)));
        Form().SelectValue(id, keys_.Value(k));
        Form().Enable(id, keys_.Enabled(k));
        if (keys_.LoadedInvalid(k)) Form().MarkInvalid(id);
    }
}

void CKeyFunctionPage::ShowHold(int key) {
    const int hold = key + HoldOffset(radio_);
    if (key >= HoldOffset(radio_) || hold >= keys_.KeyCount()) return;
    Form().SelectValue(ComboOf(hold), keys_.Value(hold));
    Form().Enable(ComboOf(hold), keys_.Enabled(hold));
}

// A key's list is offered anew when it gets the focus: a function another
// key took meanwhile is no longer listed, and a key still holding it falls
// back to None.
void CKeyFunctionPage::Entered(int controlId) {
    const int k = KeyOf(controlId);
    if (k < 0) return;
    keys_.Focus(k);
    Form().SetRows(controlId, RowsOf(keys_.Offered(k)));
    Form().SelectValue(controlId, keys_.Value(k));
}

void CKeyFunctionPage::Changed(int controlId) {
    const int k = KeyOf(controlId);
    const std::int32_t code = Form().Value(controlId);
    if (k < 0 || code < 0) return;
    keys_.Choose(k, code);
    ShowHold(k);
    Entered(controlId);
}

void CKeyFunctionPage::SaveOwn(CloneImage& image) {
    keys_.Save(image);
}

std::unique_ptr<SettingsDialogModel> CKeyFunctionDlg::MakeDialog() {
    return MakeKeyDialog(Radio::Portable, IDD, kPortableLines, kPortableRules.data());
}

std::unique_ptr<SettingsDialogModel> CKeyFunctionDlgM::MakeDialog() {
    return MakeKeyDialog(Radio::Mobile, IDD, kMobileLines, kMobileRules.data());
}

namespace KeyFunctionScreens {

std::unique_ptr<SettingsDialogModel> MakeDialogFor(const CloneImage& image) {
    return ItemMap::GetProductType(image) == 0 ? CKeyFunctionDlgM::MakeDialog() : CKeyFunctionDlg::MakeDialog();
}

}  // namespace KeyFunctionScreens
