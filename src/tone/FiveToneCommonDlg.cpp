#include "tone/FiveToneCommonDlg.h"

#include <string>
#include <vector>

#include "image/ItemMap.h"
#include "image/ItemsTone.h"
#include "image/ToneRegisters.h"
#include "settings/SettingsDlg.h"
#include "settings/SettingsPrint.h"
#include "tone/FiveToneCommonLists.h"

using namespace Settings;
using namespace FiveToneCommonLists;
using Dlg = C5ToneCommonDlg;

namespace {

constexpr std::uint8_t H = RestrictionState::Hide;
constexpr std::uint8_t D = RestrictionState::Disable;
constexpr std::uint8_t kHidden[15] = {H, H, H, H, H, H, H, H, H, H, H, H, H, H, H};
// Hidden in variant 0 in normal mode, disabled in its service modes and in
// variant 3.
constexpr std::uint8_t kDigits[15] = {H, D, D, 0, 0, 0, 0, 0, 0, D, D, D, 0, 0, 0};
constexpr std::uint8_t kTagDisplay[15] = {H, D, D, 0, 0, 0, 0, 0, 0, D, D, D, 0, 0, 0};
constexpr std::uint8_t kAniDisplay[15] = {H, D, D, 0, 0, 0, 0, 0, 0, D, D, D, 0, 0, 0};
// One state array per caption-and-control group: the printout puts a group
// on one line.
constexpr std::uint8_t kP1[7][15] = {};
constexpr std::uint8_t kP2[12][15] = {};
constexpr std::uint8_t kP3[7][15] = {};

constexpr ControlRuleRow kPage1Rules[] = {
    {2002, 0, kDigits},    {2201, 1, kDigits},   {2202, 1, kDigits},   {2203, 1, kDigits},
    {2204, 1, kDigits},    {2205, 1, kDigits},   {2206, 1, kDigits},   {2207, 1, kDigits},
    {2208, 1, kDigits},    {2003, 0, kP1[0]},    {2209, 1, kP1[0]},    {2210, 1, kP1[0]},
    {2211, 1, kP1[0]},     {2212, 1, kP1[0]},    {2213, 1, kP1[0]},    {2214, 1, kP1[0]},
    {2215, 1, kP1[0]},     {2216, 1, kP1[0]},    {2005, 0, kP1[1]},    {2105, 1, kP1[1]},
    {2006, 0, kP1[2]},     {2106, 1, kP1[2]},    {2010, 0, kP1[3]},    {2110, 1, kP1[3]},
    {2014, 0, kHidden},    {2111, 1, kHidden},   {2009, 0, kHidden},   {2109, 1, kHidden},
    {-1, 0, nullptr},
};

constexpr ControlRuleRow kPage2Rules[] = {
    {2002, 0, kP2[0]},  {2102, 1, kP2[0]},  {2003, 0, kP2[1]},  {2103, 1, kP2[1]},  {2004, 0, kP2[2]},
    {2104, 1, kP2[2]},  {2005, 0, kP2[3]},  {2105, 1, kP2[3]},  {2006, 0, kP2[4]},  {2106, 1, kP2[4]},
    {2007, 0, kP2[5]},  {2107, 1, kP2[5]},  {2008, 0, kP2[6]},  {2108, 1, kP2[6]},  {2009, 0, kP2[7]},
    {2109, 1, kP2[7]},  {2010, 0, kP2[8]},  {2110, 1, kP2[8]},  {2011, 0, kP2[9]},  {2111, 1, kP2[9]},
    {2012, 0, kP2[10]}, {2112, 1, kP2[10]}, {2013, 0, kP2[11]}, {2113, 1, kP2[11]}, {2016, 0, kHidden},
    {2116, 1, kHidden}, {-1, 0, nullptr},
};

constexpr ControlRuleRow kPage3Rules[] = {
    {2202, 1, kTagDisplay}, {2203, 1, kAniDisplay}, {2006, 0, kP3[0]},  {2106, 1, kP3[0]},
    {2008, 0, kP3[1]},      {2108, 1, kP3[1]},      {2009, 0, kP3[2]},  {2109, 1, kP3[2]},
    {2010, 0, kP3[3]},      {2110, 1, kP3[3]},      {2011, 0, kP3[4]},  {2111, 1, kP3[4]},
    {2012, 0, kP3[5]},      {2112, 1, kP3[5]},      {2015, 0, kHidden}, {2115, 1, kHidden},
    {2016, 0, kP3[6]},      {2117, 1, kP3[6]},      {-1, 0, nullptr},
};

// The lines the printout writes as one cell across the page's table: page
// 1's two rows of digit boxes and page 2's call key codes, each as a small
// table of its own.
constexpr int kDisplayDigitsLine = -2, kCompareDigitsLine = -3, kCallKeyCodesLine = -4;
constexpr std::uint8_t kAlways[15] = {};

constexpr ControlRuleRow kPage1Print[] = {
    {kDisplayDigitsLine, 0, kDigits}, {kCompareDigitsLine, 0, kP1[0]},
    {2005, 0, kP1[1]},                {2105, 1, kP1[1]},
    {2006, 0, kP1[2]},                {2106, 1, kP1[2]},
    {2010, 0, kP1[3]},                {2110, 1, kP1[3]},
    {-1, 0, nullptr},
};

// Page 2's first nine settings, then its call key codes in one line.
constexpr ControlRuleRow kPage2Print[] = {
    {2002, 0, kP2[0]}, {2102, 1, kP2[0]}, {2003, 0, kP2[1]}, {2103, 1, kP2[1]},
    {2004, 0, kP2[2]}, {2104, 1, kP2[2]}, {2005, 0, kP2[3]}, {2105, 1, kP2[3]},
    {2006, 0, kP2[4]}, {2106, 1, kP2[4]}, {2007, 0, kP2[5]}, {2107, 1, kP2[5]},
    {2008, 0, kP2[6]}, {2108, 1, kP2[6]}, {2009, 0, kP2[7]}, {2109, 1, kP2[7]},
    {2010, 0, kP2[8]}, {2110, 1, kP2[8]}, {kCallKeyCodesLine, 0, kAlways}, {-1, 0, nullptr},
};
constexpr ControlRuleRow kCallKeyCodeRows[] = {
    {2011, 0, kP2[9]},  {2111, 1, kP2[9]},  {2012, 0, kP2[10]}, {2112, 1, kP2[10]},
    {2013, 0, kP2[11]}, {2113, 1, kP2[11]}, {-1, 0, nullptr},
};

// Page 3's check boxes have no caption of their own: each is listed twice,
// so that it prints its caption, then its state.
constexpr ControlRuleRow kPage3Print[] = {
    {2202, 1, kTagDisplay}, {2202, 1, kTagDisplay}, {2203, 1, kAniDisplay}, {2203, 1, kAniDisplay},
    {2006, 0, kP3[0]},      {2106, 1, kP3[0]},      {2008, 0, kP3[1]},      {2108, 1, kP3[1]},
    {2009, 0, kP3[2]},      {2109, 1, kP3[2]},      {2010, 0, kP3[3]},      {2110, 1, kP3[3]},
    {2011, 0, kP3[4]},      {2111, 1, kP3[4]},      {2012, 0, kP3[5]},      {2112, 1, kP3[5]},
    {2016, 0, kP3[6]},      {2117, 1, kP3[6]},      {-1, 0, nullptr},
};

class CommonPrint : public SettingsPrint {
  public:
    using SettingsPrint::SettingsPrint;

    bool IsFullRowControl(int controlId) override {
        return controlId == kDisplayDigitsLine || controlId == kCompareDigitsLine ||
               controlId == kCallKeyCodesLine;
    }
    std::string& ControlValueHtml(std::string& out, int controlId) override {
        if (!IsFullRowControl(controlId)) return SettingsPrint::ControlValueHtml(out, controlId);
        line_ = controlId;
        return out;
    }
    std::string& ExtraHtml(std::string& out, PrintContext context) override {
        switch (line_) {
            case kDisplayDigitsLine:
                return DigitTable(out, 2002, Dlg::IDC_DISPLAY_DIGIT1);
            case kCompareDigitsLine:
                return DigitTable(out, 2003, Dlg::IDC_COMPARE_DIGIT1);
            case kCallKeyCodesLine: {
                HtmlTag table(out, "table", "width=\"100%\"");
                Heading(out, 2, 3202);
                return FormRowsHtml(out, context, 2, kCallKeyCodeRows);
            }
            default:
                return out;
        }
    }

  protected:
    PrintCache& ClassCache() override { return CacheOf<CommonPrint>(); }

  private:
    // The column group and one heading cell across the columns: the caption.
    void Heading(std::string& out, int columns, int captionId) {
        const std::string n = std::to_string(columns);
        { HtmlTag colgroup(out, "colgroup", "span=\"" + n + "\""); }
        HtmlTag tr(out, "tr");
        HtmlTag th(out, "th", "colspan=\"" + n + "\"");
        out += HtmlEscape(ControlForPrint(captionId).text);
    }
    // The digits 1-8 as column heads over a check mark each: "v" for a
    // checked box, "-" for a cleared one.
    std::string& DigitTable(std::string& out, int captionId, int firstBox) {
        std::vector<std::string> digits, marks;
        for (int k = 0; k < 8; ++k) {
            digits.push_back(std::to_string(k + 1));
            marks.push_back(ControlForPrint(firstBox + k).checked ? "v" : "-");
        }
        TextPrintGrid grid(1, {digits, marks});
        HtmlTag table(out, "table", "width=\"100%\"");
        Heading(out, 8, captionId);
        GridHeaderHtml(out, grid);
        return GridRowHtml(out, grid, 0);
    }

    int line_ = 0;
};

template <std::uint32_t (*Get)(const CloneImage&), int (*Set)(CloneImage&, std::uint32_t)>
std::pair<Getter, Setter> Item() {
    return {[](const CloneImage& image) { return static_cast<std::int32_t>(Get(image)); },
            [](CloneImage& image, std::int32_t value) { Set(image, static_cast<std::uint32_t>(value)); }};
}
#define ZT_ITEM(name) Item<ItemMap::Get##name, ItemMap::Set##name>()

std::vector<ListRow> Rows(const std::vector<Row>& rows) {
    std::vector<ListRow> out;
    out.reserve(rows.size());
    for (const auto& row : rows) out.push_back({row.value, row.text});
    return out;
}

// Digit k of a mask byte (offset 0x12 display, 0x13 compare): bit k-1, set
// when the digit's box is cleared.
constexpr ImageItemDescriptor DigitBit(std::uint32_t offset, int k) {
    return {13, offset, 1, 1u << (k - 1), 0x00, offset == 0x12 ? 47u : 48u};
}
std::uint8_t ReadMask(const CloneImage& image, std::uint32_t offset) {
    std::uint8_t mask = 0;
    for (int k = 1; k <= 8; ++k)
        if (ItemMap::ReadImageField(DigitBit(offset, k), image)) mask |= static_cast<std::uint8_t>(1u << (k - 1));
    return mask;
}

int SelectedRow(const SettingsForm& form, int id) {
    const FormControl* control = form.Find(id);
    return control ? control->selection : -1;
}

// The three pages of one dialog, each knowing the others.
class CommonModel : public SettingsDialogModel {
  public:
    CommonModel(std::vector<std::unique_ptr<SettingsPage>> pages, const C5ToneCommonPage::Pages& links)
        : SettingsDialogModel(DialogSpec{Dlg::IDD, Dlg::Caption, Dlg::Section, true}, std::move(pages)),
          links_(links) {
        for (auto* page : links_) page->SetPages(&links_);
    }

  private:
    C5ToneCommonPage::Pages links_;
};

}  // namespace

// ---- the container -----------------------------------------------------------------

std::unique_ptr<SettingsDialogModel> C5ToneCommonDlg::MakeDialog() {
    auto page1 = std::make_unique<C5ToneCommonPage1Dlg>();
    auto page2 = std::make_unique<C5ToneCommonPage2Dlg>();
    auto page3 = std::make_unique<C5ToneCommonPage3Dlg>();
    const C5ToneCommonPage::Pages links{page1.get(), page2.get(), page3.get()};
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::move(page1));
    pages.push_back(std::move(page2));
    pages.push_back(std::move(page3));
    return std::make_unique<CommonModel>(std::move(pages), links);
}

bool C5ToneCommonDlg::Edit(wxWindow* parent, CloneImage& working) {
    return SettingsDlg::Edit(parent, working, MakeDialog());
}

std::unique_ptr<PrintableScreen> C5ToneCommonDlg::Print(const CloneImage& image) {
    return std::make_unique<CommonPrint>(MakeDialog(), image);
}

// ---- what the pages share -------------------------------------------------------------

void C5ToneCommonPage::SelectSetupMode(int row) {
    Form().SelectIndex(Dlg::IDC_SETUP, row);
    ApplySetupMode(row == 1);
}

void C5ToneCommonPage::Changed(int controlId) {
    if (controlId != Dlg::IDC_SETUP) return;
    const int row = SelectedRow(Form(), Dlg::IDC_SETUP);
    for (int i = 0; i < 3; ++i) {
        C5ToneCommonPage* page = Sibling(i);
        if (page && page != this) page->SelectSetupMode(row);
    }
    ApplySetupMode(row == 1);
}

void C5ToneCommonPage::AfterRules() { ApplySetupMode(SelectedRow(Form(), Dlg::IDC_SETUP) == 1); }

void C5ToneCommonPage::NoteRestricted(std::initializer_list<int> ids) {
    restricted_.clear();
    for (int id : ids)
        if (!Form().IsEnabled(id)) restricted_.insert(id);
}

// ---- page 1 ------------------------------------------------------------------------------

void C5ToneCommonPage1Dlg::Build() {
    SetRuleRows(kPage1Rules);
    // The eight digit boxes side by side after their caption.
    BeginRow(2002, "&Display Digit");
    for (int k = 1; k <= 8; ++k) AddCheck(Dlg::IDC_DISPLAY_DIGIT1 + k - 1, std::to_string(k));
    EndRow();
    BeginRow(2003, "&Compare Digit");
    for (int k = 1; k <= 8; ++k) AddCheck(Dlg::IDC_COMPARE_DIGIT1 + k - 1, std::to_string(k));
    EndRow();
    auto [beepGet, beepSet] = ZT_ITEM(Tone5BeepRepeatInterval);
    AddCombo(2005, "Beep Repeat &Interval", Dlg::IDC_BEEP_INTERVAL, BeepRepeatIntervalList, beepGet, beepSet);
    auto [levelGet, levelSet] = ZT_ITEM(Tone5CallBeepLevel);
    AddCombo(2006, "Call Beep &Level", Dlg::IDC_BEEP_LEVEL, CallBeepLevelList, levelGet, levelSet);
    auto [precGet, precSet] = ZT_ITEM(Tone5DecodePrecision);
    AddCombo(2010, "5-Tone Decode &Precision", Dlg::IDC_DECODE_PRECISION, DecodePrecisionList, precGet, precSet);
    auto [setupGet, setupSet] = ZT_ITEM(Tone5Setup);
    AddCombo(2001, "5-Tone &Setup", Dlg::IDC_SETUP, SetupList, setupGet, setupSet);
    auto [tpGet, tpSet] = ZT_ITEM(Tone5Tp40LeadInToneTime);
    AddCombo(2012, "TP40 1&st Lead In Tone", Dlg::IDC_TP40_LEAD_IN, Rows(GapTimeRows()), tpGet, tpSet);
    // Not stored: it only follows the Last Gap of page 2.
    AddCombo(2016, "Lead In &Tone Gap Time", Dlg::IDC_LEAD_IN_GAP, Rows(GapTimeRows()), nullptr, nullptr);
    AddEmptyCombo(2009, "&Auto Reset Time", 2109);
    AddEmptyCombo(2014, "&Auto Reset Beep", 2111);
    AddEmptyCombo(2011, "5-Tone ID &Record", 2113);
    AddEmptyCombo(2013, "TP40 Status &Gap Time", 2114);
}

const ControlRuleRow* C5ToneCommonPage1Dlg::PrintRows() const { return kPage1Print; }

void C5ToneCommonPage1Dlg::LoadOwn(const CloneImage& image) {
    displayMask_ = ReadMask(image, 0x12);
    compareMask_ = ReadMask(image, 0x13);
    for (int k = 1; k <= 8; ++k) {
        const std::uint8_t bit = static_cast<std::uint8_t>(1u << (k - 1));
        Form().SetChecked(Dlg::IDC_DISPLAY_DIGIT1 + k - 1, (displayMask_ & bit) == 0);
        Form().SetChecked(Dlg::IDC_COMPARE_DIGIT1 + k - 1, (compareMask_ & bit) == 0);
    }
}

void C5ToneCommonPage1Dlg::SaveOwn(CloneImage& image) {
    // Only the bit of a box the user changed is written.
    for (int k = 1; k <= 8; ++k) {
        const std::uint8_t bit = static_cast<std::uint8_t>(1u << (k - 1));
        const bool display = Form().Checked(Dlg::IDC_DISPLAY_DIGIT1 + k - 1);
        if (display != ((displayMask_ & bit) == 0))
            ItemMap::WriteImageField(DigitBit(0x12, k), image, 0, 0, display ? 0 : 1);
        const bool compare = Form().Checked(Dlg::IDC_COMPARE_DIGIT1 + k - 1);
        if (compare != ((compareMask_ & bit) == 0))
            ItemMap::WriteImageField(DigitBit(0x13, k), image, 0, 0, compare ? 0 : 1);
    }
}

void C5ToneCommonPage1Dlg::AfterRules() {
    // Controls this page keeps out of sight in every variant.
    for (int id : std::initializer_list<int>{2001, Dlg::IDC_SETUP, 2012, Dlg::IDC_TP40_LEAD_IN, 2016, Dlg::IDC_LEAD_IN_GAP, 2011, 2113, 2013,
                   2114}) {
        Form().Show(id, false);
        Form().Enable(id, false);
    }
    C5ToneCommonPage::AfterRules();
}

void C5ToneCommonPage1Dlg::LimitLeadInGap(std::int32_t limit) {
    if (limit < 0) return;
    auto rows = Rows(GapTimeRows());
    if (Form().Value(Dlg::IDC_LEAD_IN_GAP) > limit) Form().SelectValue(Dlg::IDC_LEAD_IN_GAP, limit);
    std::erase_if(rows, [limit](const ListRow& row) { return row.value > limit; });
    Form().SetRows(Dlg::IDC_LEAD_IN_GAP, std::move(rows));
}

// ---- page 2 ------------------------------------------------------------------------------

void C5ToneCommonPage2Dlg::Build() {
    SetRuleRows(kPage2Rules);
    const auto gaps = Rows(GapTimeRows());
    const auto codes = Rows(EncodeCodeRows());
    auto [setupGet, setupSet] = ZT_ITEM(Tone5Setup);
    AddCombo(2001, "5-Tone &Setup", Dlg::IDC_SETUP, SetupList, setupGet, setupSet);
    auto [txGet, txSet] = ZT_ITEM(Tone5AutoTxTime);
    AddCombo(2002, "Auto T&X Time", Dlg::IDC_AUTO_TX, AutoTxTimeList, txGet, txSet);
    auto [inGet, inSet] = ZT_ITEM(Tone5LeadInDelay);
    AddCombo(2003, "Lead &In Delay", Dlg::IDC_LEAD_IN_DELAY, gaps, inGet, inSet);
    auto [extGet, extSet] = ZT_ITEM(Tone5Extend1stToneTime);
    AddCombo(2004, "&Extend 1st", Dlg::IDC_EXTEND_1ST, gaps, extGet, extSet);
    auto [slGet, slSet] = ZT_ITEM(Tone5SecondLastGapTime);
    AddCombo(2005, "2n&d Last Gap", Dlg::IDC_SECOND_LAST_GAP, gaps, slGet, slSet);
    auto [lastGet, lastSet] = ZT_ITEM(Tone5LastGapTime);
    AddCombo(2006, "&Last Gap", Dlg::IDC_LAST_GAP, gaps, lastGet, lastSet);
    auto [outGet, outSet] = ZT_ITEM(Tone5LeadOutDelay);
    AddCombo(2007, "Lead &Out Delay", Dlg::IDC_LEAD_OUT_DELAY, gaps, outGet, outSet);
    auto [ackGet, ackSet] = ZT_ITEM(Tone5AckDecodeTime);
    AddCombo(2008, "&ACK Decode Time", Dlg::IDC_ACK_DECODE, AckDecodeTimeList, ackGet, ackSet);
    auto [retryGet, retrySet] = ZT_ITEM(Tone5TranspondAckRetry);
    AddCombo(2009, "&Transpond ACK Re-Try", Dlg::IDC_TRANSPOND_RETRY, TranspondAckRetryList, retryGet, retrySet);
    auto [pttGet, pttSet] = ZT_ITEM(Tone5PttCall);
    AddCombo(2010, "&PTT Call", Dlg::IDC_PTT_CALL, PttCallList, pttGet, pttSet);
    AddLabel(3202, "Call Key Code");
    auto [c1Get, c1Set] = ZT_ITEM(Tone5Call1EncodeCode);
    AddCombo(2011, "Call &1 Encode Code", Dlg::IDC_CALL1_CODE, codes, c1Get, c1Set);
    auto [c2Get, c2Set] = ZT_ITEM(Tone5Call2EncodeCode);
    AddCombo(2012, "Call &2 Encode Code", Dlg::IDC_CALL2_CODE, codes, c2Get, c2Set);
    auto [c3Get, c3Set] = ZT_ITEM(Tone5Call3EncodeCode);
    AddCombo(2013, "Call &3 Encode Code", Dlg::IDC_CALL3_CODE, codes, c3Get, c3Set);
    auto [emGet, emSet] = ZT_ITEM(Tone5EmergencyEncodeCode);
    AddCombo(2016, "E&mergency Encode Code", Dlg::IDC_EMERGENCY_CODE, codes, emGet, emSet);
    AddEmptyCombo(2014, "Call &4 Encode Code", 2114);
    AddEmptyCombo(2015, "Call &5 Encode Code", 2115);
}

const ControlRuleRow* C5ToneCommonPage2Dlg::PrintRows() const { return kPage2Print; }

void C5ToneCommonPage2Dlg::AfterRules() {
    for (int id : std::initializer_list<int>{2001, Dlg::IDC_SETUP, 2014, 2114, 2015, 2115}) {
        Form().Show(id, false);
        Form().Enable(id, false);
    }
    NoteRestricted({2102, 2103, 2104, 2105, 2106, 2107, 2108, 2109});
    C5ToneCommonPage::AfterRules();
    // The Last Gap bounds page 1's lead-in tone gap from the start.
    if (auto* page1 = static_cast<C5ToneCommonPage1Dlg*>(Sibling(0)))
        page1->LimitLeadInGap(Form().Value(Dlg::IDC_LAST_GAP));
}

void C5ToneCommonPage2Dlg::Changed(int controlId) {
    if (controlId == Dlg::IDC_LAST_GAP) {
        if (auto* page1 = static_cast<C5ToneCommonPage1Dlg*>(Sibling(0)))
            page1->LimitLeadInGap(Form().Value(Dlg::IDC_LAST_GAP));
        return;
    }
    C5ToneCommonPage::Changed(controlId);
}

void C5ToneCommonPage2Dlg::ApplySetupMode(bool advanced) {
    for (int id = Dlg::IDC_AUTO_TX; id <= Dlg::IDC_TRANSPOND_RETRY; ++id)
        Form().Enable(id, !advanced && !Restricted(id));
}

// ---- page 3 ------------------------------------------------------------------------------

void C5ToneCommonPage3Dlg::Build() {
    SetRuleRows(kPage3Rules);
    auto [setupGet, setupSet] = ZT_ITEM(Tone5Setup);
    AddCombo(2001, "5-Tone &Setup", Dlg::IDC_SETUP, SetupList, setupGet, setupSet);
    auto [tagGet, tagSet] = ZT_ITEM(Tone5TagDisplay);
    AddCheck(Dlg::IDC_TAG_DISPLAY, "&TAG Display", tagGet, tagSet, 0, 1);
    auto [aniGet, aniSet] = ZT_ITEM(Tone5AniDisplay);
    AddCheck(Dlg::IDC_ANI_DISPLAY, "&ANI Display", aniGet, aniSet, 0, 1);
    AddLabel(3202, "Side Tone");
    auto [sideGet, sideSet] = ZT_ITEM(Tone5SideTone);
    AddCombo(2006, "&Side Tone", Dlg::IDC_SIDE_TONE, SideToneList, sideGet, sideSet);
    auto [minGet, minSet] = ZT_ITEM(Tone5MinimumDecodeDigit);
    AddCombo(2008, "Minimum Decode &Digit", Dlg::IDC_MIN_DECODE_DIGIT, MinimumDecodeDigitList, minGet, minSet);
    auto [monGet, monSet] = ZT_ITEM(Tone5SignalingMonitorMode);
    AddCombo(2009, "Signaling &Monitor Mode", Dlg::IDC_MONITOR_MODE, SignalingMonitorModeList, monGet, monSet);
    auto [repGet, repSet] = ZT_ITEM(Tone5RepeatTone);
    AddCombo(2010, "&Repeat Tone", Dlg::IDC_REPEAT_TONE, RepeatToneList, repGet, repSet);
    auto [grpGet, grpSet] = ZT_ITEM(Tone5GroupTone);
    AddCombo(2011, "Gro&up Tone", Dlg::IDC_GROUP_TONE, GroupToneList, grpGet, grpSet);
    auto [lgGet, lgSet] = ZT_ITEM(Tone5LastGapTone);
    AddCombo(2012, "Last &Gap Tone", Dlg::IDC_LAST_GAP_TONE, LastGapToneList, lgGet, lgSet);
    // The two ANI times have no place in the image: shown, never stored.
    AddCombo(2013, "&Periodic ANI Time", Dlg::IDC_PERIODIC_ANI, Rows(PeriodicAniTimeRows()), nullptr, nullptr);
    AddCombo(2014, "ANI &Lockout Period Time", Dlg::IDC_ANI_LOCKOUT, Rows(AniLockoutPeriodRows()), nullptr, nullptr);
    auto [tdGet, tdSet] = ZT_ITEM(Tone5TranspondDelayTime);
    AddCombo(2015, "Transpond Dela&y Time", Dlg::IDC_TRANSPOND_DELAY, TranspondDelayTimeList, tdGet, tdSet);
    auto [ctGet, ctSet] = ZT_ITEM(Tone5ClearToTranspond);
    AddCombo(2016, "Clear to Tra&nspond Time", Dlg::IDC_CLEAR_TO_TRANSPOND, Rows(ClearToTranspondRows()), ctGet,
             ctSet);
}

const ControlRuleRow* C5ToneCommonPage3Dlg::PrintRows() const { return kPage3Print; }

void C5ToneCommonPage3Dlg::AfterRules() {
    // A value typed here would go nowhere: shown read-only.
    Form().Enable(Dlg::IDC_PERIODIC_ANI, false);
    Form().Enable(Dlg::IDC_ANI_LOCKOUT, false);
    NoteRestricted({Dlg::IDC_TAG_DISPLAY, Dlg::IDC_ANI_DISPLAY, Dlg::IDC_SIDE_TONE, Dlg::IDC_MIN_DECODE_DIGIT,
                    Dlg::IDC_MONITOR_MODE, Dlg::IDC_REPEAT_TONE, Dlg::IDC_GROUP_TONE, Dlg::IDC_LAST_GAP_TONE,
                    Dlg::IDC_TRANSPOND_DELAY, Dlg::IDC_CLEAR_TO_TRANSPOND});
    C5ToneCommonPage::AfterRules();
}

void C5ToneCommonPage3Dlg::ApplySetupMode(bool advanced) {
    for (int id : {Dlg::IDC_TAG_DISPLAY, Dlg::IDC_ANI_DISPLAY, Dlg::IDC_SIDE_TONE, Dlg::IDC_MIN_DECODE_DIGIT,
                   Dlg::IDC_MONITOR_MODE, Dlg::IDC_REPEAT_TONE, Dlg::IDC_GROUP_TONE, Dlg::IDC_LAST_GAP_TONE,
                   Dlg::IDC_TRANSPOND_DELAY, Dlg::IDC_CLEAR_TO_TRANSPOND})
        Form().Enable(id, !advanced && !Restricted(id));
}

void C5ToneCommonPage3Dlg::SaveOwn(CloneImage& image) { FiveTone::RecalcToneRegisters(image); }
