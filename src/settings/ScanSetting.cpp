#include "settings/ScanSetting.h"

#include <cstdio>

#include "image/ItemMap.h"
#include "image/ItemsHeader.h"
#include "image/ItemsScan.h"
#include "image/ItemsSystem.h"
#include "image/Model.h"

using namespace Settings;
using Page = CScanSettingBasicPage1Dlg;

namespace {

constexpr int kScanRecords = 8;

constexpr ST_DISPDATA kScanType[] = {{1, "Scan", ""}, {2, "Vote", ""}, {-1, "", ""}};
constexpr std::int32_t kVote = 2;
// "CH Position" and "Start CH" share the value 2, "Last Busy CH" and "Vote"
// the value 3: the filters offer one of each pair.
constexpr ST_DISPDATA kRevert[] = {
    {1, "PRI CH", ""},    {2, "CH Position", ""}, {2, "Start CH", ""}, {3, "Last Busy CH", ""},
    {4, "Select CH", ""}, {3, "Vote", ""},        {-1, "", ""}};
enum RevertRow { PriCh, ChPosition, StartCh, LastBusyCh, SelectCh, VoteRow };
constexpr std::int32_t kRevertFallback = 2;
constexpr int kDisplayLabel = 2012;
constexpr ST_DISPDATA kDisplay[] = {{0, "-SCAN-", ""}, {1, "Vote", ""}, {2, "Revert CH", ""}, {-1, "", ""}};
constexpr ST_DISPDATA kDisableEnable[] = {{1, "Disable", ""}, {0, "Enable", ""}, {-1, "", ""}};

// Block 8: FM Scan PRI Overwrite (0x130 bit 0) and PRI CH Beep (0x128 bit 2).
constexpr const ImageItemDescriptor& kFmPriOverwrite = ItemMap::SystemItems[66];
constexpr const ImageItemDescriptor& kPriChBeep = ItemMap::SystemItems[45];
static_assert(kFmPriOverwrite.offset == 0x130 && kFmPriOverwrite.mask == 0x01);
static_assert(kPriChBeep.offset == 0x128 && kPriChBeep.mask == 0x04);

// "Disable", then 0.5 to 7.5 seconds in tenths.
std::vector<ListRow> CheckTimeRows(bool withDisable) {
    std::vector<ListRow> rows;
    if (withDisable) rows.push_back({0, "Disable"});
    for (int tenths = 5; tenths <= 75; tenths += 5) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f sec", tenths / 10.0);
        rows.push_back({tenths, text});
    }
    return rows;
}

// Half seconds up to `count` rows; the value counts quarter seconds.
std::vector<ListRow> ResumeRows(int count) {
    std::vector<ListRow> rows;
    for (int i = 1; i <= count; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "%2.1f sec", i * 0.5);
        rows.push_back({2 * i, text});
    }
    return rows;
}

// A field of the scan records: shown from record 0, written into all eight
// and, where it has one, into the group-scan record.
using RecordGet = std::uint32_t (*)(const CloneImage&, int);
using RecordSet = int (*)(CloneImage&, int, std::uint32_t);
using GroupSet = int (*)(CloneImage&, std::uint32_t);
Getter FromRecord0(RecordGet get) {
    return [get](const CloneImage& image) { return static_cast<std::int32_t>(get(image, 0)); };
}
Setter IntoRecords(RecordSet set, GroupSet groupSet) {
    return [set, groupSet](CloneImage& image, std::int32_t value) {
        for (int n = 0; n < kScanRecords; ++n) set(image, n, static_cast<std::uint32_t>(value));
        if (groupSet) groupSet(image, static_cast<std::uint32_t>(value));
    };
}
Getter FromItem(const ImageItemDescriptor& item) {
    return [&item](const CloneImage& image) {
        return static_cast<std::int32_t>(ItemMap::ReadImageField(item, image));
    };
}
Setter IntoItem(const ImageItemDescriptor& item) {
    return [&item](CloneImage& image, std::int32_t value) {
        ItemMap::WriteImageField(item, image, 0, 0, static_cast<std::uint32_t>(value));
    };
}

// One state array per printed line; H hides, D disables, C asks the page.
constexpr std::uint8_t H = RestrictionState::Hide, D = RestrictionState::Disable,
                       C = RestrictionState::CheckUnconditional;
constexpr std::uint8_t kHidden[][15] = {
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // scan type
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // PRI scan
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // group scan
    {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H},  // scan edit
};
constexpr std::uint8_t kGroupStates[15] = {D, D, D};  // variant 0 does not choose the group
constexpr std::uint8_t kDisplayStates[15] = {C, C, C, C, C, C, C, C, C, C, C, C, C, C, C};
constexpr std::uint8_t kShown[10][15] = {};

#define ZT_SCAN_RULES(CHECK)                                                                          \
    {2001, 0, kHidden[0]}, {2101, 1, kHidden[0]}, {2020, 0, kShown[0]}, {2117, 1, kShown[0]},         \
        {2002, 0, kShown[1]}, {2102, 1, kShown[1]}, CHECK(2203, kShown[2]){2004, 0, kShown[3]},       \
        {2104, 1, kShown[3]}, {2005, 0, kGroupStates}, {2105, 1, kGroupStates}, {2006, 0, kShown[4]}, \
        {2106, 1, kShown[4]},                                                                         \
        CHECK(2208, kHidden[1]) CHECK(2209, kHidden[2]) CHECK(2210, kShown[5])                        \
            CHECK(2211, kHidden[3]){2012, 0, kDisplayStates},                                         \
        {2112, 1, kDisplayStates}, {2013, 0, kShown[6]}, {2113, 1, kShown[6]}, {2014, 0, kShown[7]},  \
        {2114, 1, kShown[7]}, {2015, 0, kShown[8]}, {2115, 1, kShown[8]}, {2019, 0, kShown[9]},       \
        {2116, 1, kShown[9]}, {                                                                       \
        -1, 0, nullptr                                                                                \
    }
#define ZT_ONCE(id, states) {id, 1, states},
// The printout lists each check box twice: its caption, then its state.
#define ZT_TWICE(id, states) {id, 1, states}, {id, 1, states},
constexpr ControlRuleRow kRules[] = {ZT_SCAN_RULES(ZT_ONCE)};
constexpr ControlRuleRow kPrintRules[] = {ZT_SCAN_RULES(ZT_TWICE)};
#undef ZT_SCAN_RULES
#undef ZT_ONCE
#undef ZT_TWICE

bool ShownDisplay(const CloneImage& image) {
    return !Model::IsPlainKind(image);
}

}  // namespace

std::unique_ptr<SettingsDialogModel> CScanSettingBasicDlg::MakeDialog() {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<CScanSettingBasicPage1Dlg>());
    return std::make_unique<SettingsDialogModel>(DialogSpec{IDD, Caption, Section, true}, std::move(pages));
}

bool Page::ScanSettingsLocked(const CloneImage& image) {
    return Version::Compare(image, 1, 10, 0, 0) >= 0 && ItemMap::GetOneGroupMode(image) == 1;
}

const ControlRuleRow* Page::PrintRows() const {
    return kPrintRules;
}

bool Page::CheckUnconditional(int controlId) {
    return (controlId == IDC_DISPLAY || controlId == kDisplayLabel) && shownDisplay_;
}

void Page::Build() {
    SetRuleRows(kRules);
    using namespace ItemMap;
    // Check boxes show a stored 0 as checked.
    constexpr std::int32_t kOn = 0, kOff = 1;
    AddCombo(2001, "Scan &Type", IDC_SCAN_TYPE, kScanType, FromRecord0(GetScanType),
             [](CloneImage& image, std::int32_t value) {
                 for (int n = 0; n < kScanRecords; ++n)
                     SetScanType(image, n, static_cast<std::uint32_t>(value));
                 SetGroupScanType(image, static_cast<std::uint32_t>(value));
             });
    AddCombo(2020, "PRI &CH Beep", IDC_PRI_CH_BEEP, kDisableEnable, FromItem(kPriChBeep),
             IntoItem(kPriChBeep));
    AddCombo(2002, "&PRI CH Check Time", IDC_PRI_CHECK_TIME, CheckTimeRows(true),
             FromRecord0(GetScanPriorityCheckTime),
             IntoRecords(SetScanPriorityCheckTime, SetGroupScanPriorityCheckTime));
    AddCheck(IDC_TALK_BACK, "Talk &Back", FromRecord0(GetScanTalkBack),
             IntoRecords(SetScanTalkBack, SetGroupScanTalkBack), kOn, kOff);
    AddCombo(2004, "Scan &Revert CH", IDC_REVERT, std::vector<ListRow>{}, FromRecord0(GetScanRevertCh),
             IntoRecords(SetScanRevertCh, SetGroupScanRevertCh));
    AddCombo(
        2005, "Select CH (&Group)", IDC_SELECT_GROUP, std::vector<ListRow>{},
        [](const CloneImage& image) {
            // A ZT-640 does not choose the group: it shows the first.
            return Model::IndexFromTypeCode(image) == 1
                       ? 0
                       : static_cast<std::int32_t>(GetScanSelectCh1(image, 0));
        },
        IntoRecords(SetScanSelectCh1, SetGroupScanSelectCh1));
    AddCombo(2006, "Select CH (&CH)", IDC_SELECT_CHANNEL, std::vector<ListRow>{},
             FromRecord0(GetScanSelectCh2), IntoRecords(SetScanSelectCh2, SetGroupScanSelectCh2));
    AddCheck(IDC_PRI_SCAN, "PRI Sca&n", FromRecord0(GetScanPriorityCh2Scan),
             IntoRecords(SetScanPriorityCh2Scan, SetGroupScanPriorityCh2Scan), kOn, kOff);
    AddCheck(
        IDC_GROUP_SCAN, "Gr&oup Scan",
        [](const CloneImage& image) { return static_cast<std::int32_t>(GetGroupScanFlag(image, 0)); },
        [](CloneImage& image, std::int32_t value) {
            for (int n = 0; n < kScanRecords; ++n)
                SetGroupScanFlag(image, n, static_cast<std::uint32_t>(value));
        },
        kOn, kOff);
    AddCheck(IDC_SCAN_BEEP, "Scan B&eep", FromRecord0(GetScanBeep),
             IntoRecords(SetScanBeep, SetGroupScanBeep), kOn, kOff);
    AddCheck(IDC_SCAN_EDIT, "Scan Edi&t", FromRecord0(GetScanEdit),
             IntoRecords(SetScanEdit, SetGroupScanEdit), kOn, kOff);
    AddCombo(2012, "Scan &Display", IDC_DISPLAY, kDisplay, FromRecord0(GetScanDisplay),
             IntoRecords(SetScanDisplay, SetGroupScanDisplay));
    AddCombo(2013, "Scan Resume Time &1", IDC_RESUME_TIME_1, ResumeRows(30), FromRecord0(GetScanResumeTime1),
             IntoRecords(SetScanResumeTime1, SetGroupScanResumeTime1));
    AddCombo(2014, "Scan Resume Time &2", IDC_RESUME_TIME_2, ResumeRows(120), FromRecord0(GetScanResumeTime2),
             IntoRecords(SetScanResumeTime2, SetGroupScanResumeTime2));
    AddCombo(
        2015, "D&ual Watch Time", IDC_DUAL_WATCH_TIME, CheckTimeRows(true),
        [](const CloneImage& image) { return static_cast<std::int32_t>(GetDualWatchTime(image)); },
        [](CloneImage& image, std::int32_t value) {
            SetDualWatchTime(image, static_cast<std::uint32_t>(value));
        });
    AddCombo(2019, "FM Scan PRI Over&write", IDC_FM_PRI_OVERWRITE, kDisableEnable, FromItem(kFmPriOverwrite),
             IntoItem(kFmPriOverwrite));
    AddLabel(IDC_ONE_GROUP_NOTE, OneGroupNote);
    selector_ = std::make_unique<GroupChannelSelector>(Form(), IDC_SELECT_GROUP, IDC_SELECT_CHANNEL);
    // The revert channel says how the scan's own channel is chosen.
    revert_ = std::make_unique<ModeChoice>(Form(), IDC_REVERT, kRevertFallback,
                                           [this](std::int32_t value, bool keep) {
                                               using Mode = GroupChannelSelector::Mode;
                                               const Mode mode = value == 0   ? Mode::Fixed
                                                                 : value == 1 ? Mode::Priority
                                                                 : value == 4 ? Mode::Select
                                                                              : Mode::Off;
                                               return selector_->SetMode(mode, keep);
                                           });
}

std::vector<ListRow> Page::RevertRows() const {
    std::vector<ListRow> rows;
    const auto all = RowsOf(kRevert);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i == VoteRow) continue;
        if (i == ChPosition && !(channelPosition_ && !oneGroupLocked_)) continue;
        if (i == StartCh && channelPosition_) continue;
        rows.push_back(all[i]);
    }
    return rows;
}

void Page::FilterLists(const CloneImage& image) {
    shownDisplay_ = ShownDisplay(image);
    newFirmware_ = Version::Compare(image, 1, 10, 0, 0) >= 0;
    oneGroupLocked_ = ScanSettingsLocked(image);
    plainModel_ = Model::IndexFromTypeCode(image) != 1;
    channelPosition_ = ItemMap::GetProductType(image) == 2 && ItemMap::GetDisplayType(image) == 0;
    Form().SetRows(IDC_REVERT, RevertRows());
    selector_->SetWarnings(false);
    selector_->Bind(image);
}

void Page::Loaded(int controlId) {
    if (selector_->Picked(controlId)) return;
    if (controlId == IDC_REVERT) revert_->Start();
}

void Page::AfterLoad() {
    lastScanType_ = 1;
    if (newFirmware_ && Form().Value(IDC_SCAN_TYPE) == kVote) {
        VoteLayout();
        lastScanType_ = kVote;
    }
    Form().Show(IDC_ONE_GROUP_NOTE, oneGroupLocked_);
    if (oneGroupLocked_)
        for (const FormControl& control : Form().Controls())
            if (control.kind != ControlKind::Label) Form().Enable(control.id, false);
    selector_->SetWarnings(true);
}

void Page::Changed(int controlId) {
    if (selector_->Picked(controlId)) return;
    switch (controlId) {
        case IDC_REVERT:
            revert_->Follow();
            break;
        case IDC_SCAN_TYPE: {
            const std::int32_t value = newFirmware_ ? Form().Value(IDC_SCAN_TYPE) : 1;
            if (value == kVote && lastScanType_ != kVote) VoteLayout();
            if (value != kVote && lastScanType_ == kVote) NormalLayout();
            lastScanType_ = value;
            break;
        }
        default:
            break;
    }
}

// Voting scans decide the revert channel, the display and the priority
// check themselves.
void Page::VoteLayout() {
    Form().SetRows(IDC_REVERT, {RowsOf(kRevert)[VoteRow]});
    revert_->Follow();
    if (shownDisplay_) Form().SetRows(IDC_DISPLAY, {RowsOf(kDisplay)[1]});
    Form().SetRows(IDC_PRI_CHECK_TIME, {CheckTimeRows(true).front()});
    Form().SetChecked(IDC_TALK_BACK, true);
    Form().SetChecked(IDC_PRI_SCAN, false);
    Form().SetChecked(IDC_GROUP_SCAN, false);
    for (const int id :
         {IDC_REVERT, IDC_DISPLAY, IDC_PRI_CHECK_TIME, IDC_TALK_BACK, IDC_PRI_SCAN, IDC_GROUP_SCAN})
        Form().Enable(id, false);
}

void Page::NormalLayout() {
    Form().SetRows(IDC_REVERT, RevertRows());
    Form().SelectValue(IDC_REVERT, kRevertFallback);
    revert_->Follow();
    Form().SetRows(IDC_PRI_CHECK_TIME, CheckTimeRows(false));
    Form().Enable(IDC_PRI_CHECK_TIME, true);
    Form().Enable(IDC_REVERT, true);
    if (shownDisplay_) {
        std::vector<ListRow> rows = RowsOf(kDisplay);
        rows.erase(rows.begin() + 1);  // "Vote"
        Form().SetRows(IDC_DISPLAY, rows);
        Form().Enable(IDC_DISPLAY, true);
    }
    for (const int id : {IDC_TALK_BACK, IDC_PRI_SCAN, IDC_GROUP_SCAN}) Form().Enable(id, true);
}

// Hidden controls are never written, the group and channel only while they
// can be chosen, and nothing at all while one-group mode keeps the records.
bool Page::Writable(int controlId) const {
    if (oneGroupLocked_ || !Form().IsVisible(controlId)) return false;
    if (controlId == IDC_SELECT_GROUP || controlId == IDC_SELECT_CHANNEL) return Form().IsEnabled(controlId);
    return true;
}
