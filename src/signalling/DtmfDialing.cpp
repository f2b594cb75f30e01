#include "signalling/DtmfDialing.h"

#include <cstdint>

#include "image/ItemMap.h"
#include "image/ItemsSignalling.h"
#include "image/ItemsSystem.h"
#include "image/TagCharRule.h"
#include "signalling/DtmfCodeText.h"
#include "signalling/SignallingLists.h"
#include "signalling/SignallingRules.h"
#include "ui/EditRules.h"

using namespace Settings;
using namespace SignallingLists;

namespace {

constexpr std::uint8_t H = RestrictionState::Hide, C = RestrictionState::CheckUnconditional;
constexpr std::uint8_t kHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};
constexpr std::uint8_t kCode1[15] = {C, C, C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

// One state array per printed line: a caption with its combo box, or a code's
// caption, code and tag.
constexpr std::uint8_t kSideTone[15] = {}, kPauseCode[15] = {}, kPauseTime[15] = {}, kDelay[15] = {},
                       kSpeed[15] = {};
constexpr std::uint8_t kCode2[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                       kCode3[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                       kCode4[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                       kCode5[15] = {H, H, H, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

constexpr ControlRuleRow kRules[] = {
    {2001, 0, kHidden},    {2101, 1, kHidden},    {2002, 0, kSideTone},  {2102, 1, kSideTone},
    {2003, 0, kPauseCode}, {2103, 1, kPauseCode}, {2004, 0, kPauseTime}, {2104, 1, kPauseTime},
    {2006, 0, kDelay},     {2106, 1, kDelay},     {2007, 0, kSpeed},     {2107, 1, kSpeed},
    {2008, 0, kCode1},     {2308, 1, kCode1},     {2318, 1, kCode1},     {2009, 0, kCode2},
    {2309, 1, kCode2},     {2319, 1, kCode2},     {2010, 0, kCode3},     {2310, 1, kCode3},
    {2320, 1, kCode3},     {2011, 0, kCode4},     {2311, 1, kCode4},     {2321, 1, kCode4},
    {2012, 0, kCode5},     {2312, 1, kCode5},     {2322, 1, kCode5},     {-1, 0, nullptr},
};
// The settings table prints the first twelve rows, the code table the rest.
constexpr std::size_t kSettingsRows = 12;
constexpr std::uint8_t kFullRowStates[15] = {};
const std::vector<ControlRuleRow>& PrintRowsOf() {
    static const std::vector<ControlRuleRow> rows = [] {
        std::vector<ControlRuleRow> out(kRules, kRules + kSettingsRows);
        out.push_back({-2, 0, kFullRowStates});
        out.push_back({-1, 0, nullptr});
        return out;
    }();
    return rows;
}



using CodeGet = int (*)(const CloneImage&, std::uint8_t*);
using CodeSet = int (*)(CloneImage&, const std::uint8_t*);
using TagGet = std::string (*)(const CloneImage&);
using TagSet = int (*)(CloneImage&, std::string_view);
struct CodeAccess {
    CodeGet getCode;
    CodeSet setCode;
    TagGet getTag;
    TagSet setTag;
};
constexpr CodeAccess kCodes[CDtmfDialingDlg::CodeCount] = {
    {ItemMap::GetDtmfCode1, ItemMap::SetDtmfCode1, ItemMap::GetDtmfCode1Tag, ItemMap::SetDtmfCode1Tag},
    {ItemMap::GetDtmfCode2, ItemMap::SetDtmfCode2, ItemMap::GetDtmfCode2Tag, ItemMap::SetDtmfCode2Tag},
    {ItemMap::GetDtmfCode3, ItemMap::SetDtmfCode3, ItemMap::GetDtmfCode3Tag, ItemMap::SetDtmfCode3Tag},
    {ItemMap::GetDtmfCode4, ItemMap::SetDtmfCode4, ItemMap::GetDtmfCode4Tag, ItemMap::SetDtmfCode4Tag},
    {ItemMap::GetDtmfCode5, ItemMap::SetDtmfCode5, ItemMap::GetDtmfCode5Tag, ItemMap::SetDtmfCode5Tag},
};

template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
void Item(Getter& get, Setter& set) {
    get = [](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); };
    set = [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); };
}

bool ShowsTags(const CloneImage& image) {
    const std::uint32_t type = ItemMap::GetDisplayType(image);
    return type == 2 || type == 5 || type == 6;
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CDtmfDialingDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CDtmfDialingDlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, false}, std::move(pages));
}

const ControlRuleRow* CDtmfDialingDlg::PrintRows() const {
    return PrintRowsOf().data();
}

std::vector<ControlRuleRow> CDtmfDialingDlg::CodeTableRows() {
    std::vector<ControlRuleRow> rows;
    for (const ControlRuleRow* row = kRules + kSettingsRows; row->controlId != -1; ++row) rows.push_back(*row);
    return rows;
}

void CDtmfDialingDlg::Build() {
    SetRuleRows(kRules);
    Getter get;
    Setter set;
    Item<ItemMap::GetDtmfKeypad, ItemMap::SetDtmfKeypad>(get, set);
    AddCombo(2001, "DTMF &Keypad", IDC_KEYPAD, DtmfKeypadList, get, set);
    Item<ItemMap::GetDtmfSideToneMonitor, ItemMap::SetDtmfSideToneMonitor>(get, set);
    AddCombo(2002, "DTMF &Side Tone Monitor", IDC_SIDE_TONE, DtmfSideToneMonitorList, get, set);
    AddCombo(2003, "DTMF Pause &Code", IDC_PAUSE_CODE, DtmfPauseCodeList, &DtmfPauseCode::Get,
             &DtmfPauseCode::Set);
    Item<ItemMap::GetDtmfPauseTime, ItemMap::SetDtmfPauseTime>(get, set);
    AddCombo(2004, "DTMF &Pause Time", IDC_PAUSE_TIME, DtmfPauseTimeList, get, set);
    Item<ItemMap::GetDtmfDelayTime, ItemMap::SetDtmfDelayTime>(get, set);
    AddCombo(2006, "DTMF &Delay Time", IDC_DELAY_TIME, DtmfDelayTimeList, get, set);
    Item<ItemMap::GetDtmfSpeed, ItemMap::SetDtmfSpeed>(get, set);
    AddCombo(2007, "DTMF S&peed", IDC_SPEED, DtmfSpeedList, get, set);
    // The column captions over each code and its tag.
    BeginRow();
    AddLabel(IDC_CODE_CAPTION, "Code");
    AddLabel(IDC_TAG_CAPTION, "TAG");
    EndRow();
    for (int k = 0; k < CodeCount; ++k) {
        const auto code = static_cast<std::uint32_t>(IDC_CODE1 + k);
        const auto tag = static_cast<std::uint32_t>(IDC_TAG1 + k);
        BeginRow(2008 + k, "DTMF Code " + std::to_string(k + 1));
        AddEdit(0, {}, {code, DtmfCodeText::MaxDigits, 0, 0, EditKind::Dtmf, 0});
        AddEdit(0, {}, {tag, 8, 0, 0, EditKind::NameTag, 0});
        EndRow();
    }
}

void CDtmfDialingDlg::Loaded(int controlId) {
    // The pause time offers its rows by the pause code loaded just before it.
    if (controlId == IDC_PAUSE_CODE) PauseRule();
}

void CDtmfDialingDlg::Changed(int controlId) {
    if (controlId == IDC_PAUSE_CODE) PauseRule();
}

void CDtmfDialingDlg::Left(int controlId) {
    if (controlId >= IDC_CODE1 && controlId < IDC_CODE1 + CodeCount)
        Form().SetText(controlId, EditRules::NormalizeDtmf(Form().Text(controlId)));
}

void CDtmfDialingDlg::PauseRule() {
    const bool off = Form().Value(IDC_PAUSE_CODE) == PauseCodeOff;
    // Off offers only the blank row, which a combo box cannot list: the
    // pause time shows nothing and keeps its stored byte.
    Form().SetRows(IDC_PAUSE_TIME, off ? std::vector<ListRow>{} : RowsOf(DtmfPauseTimeList));
    Form().Enable(IDC_PAUSE_TIME, !off);
}

bool CDtmfDialingDlg::CheckUnconditional(int controlId) {
    if (controlId != IDC_TAG1) return true;
    const CloneImage* image = OpeningImage();
    return image && ShowsTags(*image);
}

// The TAG column goes with the tags: a display that cannot show tags has none.
void CDtmfDialingDlg::AfterRules() {
    const CloneImage* image = OpeningImage();
    Form().Show(IDC_TAG_CAPTION, image && ShowsTags(*image));
}

void CDtmfDialingDlg::LoadOwn(const CloneImage& image) {
    for (int k = 0; k < CodeCount; ++k) {
        loadedCodes_[k] = DtmfCodeText::Load(kCodes[k].getCode, image);
        Form().SetText(IDC_CODE1 + k, loadedCodes_[k]);
        loadedTags_[k] = TagCodesToText(kCodes[k].getTag(image));
        Form().SetText(IDC_TAG1 + k, loadedTags_[k]);
    }
}

void CDtmfDialingDlg::SaveOwn(CloneImage& image) {
    // Only what the user changed is written: the text shown is a normal form
    // of the stored bytes, which need not pack back to the same bytes.
    for (int k = 0; k < CodeCount; ++k) {
        const std::string code = Form().Text(IDC_CODE1 + k);
        if (code != loadedCodes_[k]) DtmfCodeText::Store(kCodes[k].setCode, image, code);
        const std::string tag = Form().Text(IDC_TAG1 + k);
        if (tag != loadedTags_[k]) {
            // At most 8 radio codes, blank-padded to the field's 8 bytes.
            kCodes[k].setTag(image, TagTextToCodes(tag, 8));
        }
    }
}
