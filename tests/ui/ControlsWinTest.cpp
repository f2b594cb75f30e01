// Window tests of the edit controls, item combo boxes and restriction
// objects on a small page built from the same kind of tables the settings
// pages use.
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "WinTestUtil.h"
#include "image/ImageHost.h"
#include "image/ItemMap.h"
#include "image/TagCharRule.h"
#include "ui/HEdit.h"
#include "ui/ItemCombo.h"
#include "ui/Restraction.h"
#include "ui/UiUtil.h"

namespace {

void Type(HEditBase* edit, std::u32string_view keys) {
    for (char32_t c : keys) edit->TypeChar(c);
}

// One edit per kind, as a page's edit table gives them.
constexpr PageControlSpec kEdits[] = {
    {2301, 3, 0, 255, EditKind::Decimal, 0},
    {2302, 4, 0, 65535, EditKind::Hex, 0},
    {2303, 10, 136, 174, EditKind::Frequency, 0},
    {2304, 5, -99.9, 99.9, EditKind::DecimalNumber, 0},
    {2305, 8, 0, 0, EditKind::Dtmf, 0},
    {2306, 7, 0, 0, EditKind::SubAudio, 0},
    {2307, 10, 0, 0, EditKind::FirmwareVersion, 0},
    {2308, 8, 0, 0, EditKind::NameTag, 0},
    {2309, 8, 0, 0, EditKind::SerialNumber, 0},
    {2310, 6, 0, 0, EditKind::Ascii, 0},
};

template <class T>
T* Edit(wxWindow* page, int id) {
    auto* e = dynamic_cast<T*>(page->FindWindow(id));
    EXPECT_NE(e, nullptr) << id;
    return e;
}

}  // namespace

TEST(EditControlsWin, PageTableMakesTheRightControls) {
    TestFrame f;
    auto* page = new wxPanel(f.frame);
    for (const auto& spec : kEdits) CreateEditForSpec(page, spec);
    EXPECT_NE(Edit<HEditFrequency>(page, 2303), nullptr);
    EXPECT_NE(Edit<HEditDouble>(page, 2304), nullptr);
    EXPECT_NE(Edit<HEditDtmf>(page, 2305), nullptr);
    EXPECT_NE(Edit<HEditSubAudio>(page, 2306), nullptr);
    EXPECT_NE(Edit<HEditFirmwareVersion>(page, 2307), nullptr);
    EXPECT_NE(Edit<HEditKXTag>(page, 2308), nullptr);
    EXPECT_NE(Edit<HEditSrialNumber>(page, 2309), nullptr);
    EXPECT_EQ(Edit<HEditBase>(page, 2301)->EditConfig().digits, 3u);
}

TEST(EditControlsWin, TypingFiltersAndLimits) {
    TestFrame f;
    auto* page = new wxPanel(f.frame);
    for (const auto& spec : kEdits) CreateEditForSpec(page, spec);
    struct Case {
        int id;
        std::u32string keys;
        const char* text;
    } cases[] = {
        {2301, U"1a2-34", "123"},  // digits only, three at most
        {2302, U"fg1Z", "f1"},        {2303, U"146,5x2", "146,52"},     {2304, U"-12.5", "12.5"},
        {2305, U"12e*#ab", "12*#ab"}, {2306, U"d8023n", "D-023N"},  // "d" at the start makes "D-"; 8 is no
                                                                    // octal digit
        {2307, U"1.2a.3", "1.2.3"},   {2309, U"1bo234567", "1B234567"},  // the serial letter in the second
                                                                         // place, upper-cased
        {2310, U"aé~", "a~"},
    };
    for (const auto& c : cases) {
        auto* e = Edit<HEditBase>(page, c.id);
        Type(e, c.keys);
        EXPECT_EQ(e->GetText(), c.text) << c.id;
    }
    // Backspace always works; a minus only with the signed flag.
    auto* dec = Edit<HEditBase>(page, 2301);
    dec->TypeChar(EditRules::Backspace);
    EXPECT_EQ(dec->GetText(), "12");
    dec->SetText("");
    dec->SetSigned(true);
    Type(dec, U"-5");
    EXPECT_EQ(dec->GetText(), "-5");
}

TEST(EditControlsWin, CorrectionWhenLeftOrRead) {
    TestFrame f;
    auto* page = new wxPanel(f.frame);
    for (const auto& spec : kEdits) CreateEditForSpec(page, spec);

    auto* freq = Edit<HEditFrequency>(page, 2303);
    freq->SetText("146,52");
    wxFocusEvent leave(wxEVT_KILL_FOCUS, freq->GetId());
    leave.SetEventObject(freq);
    freq->ProcessWindowEvent(leave);  // the field is left
    EXPECT_EQ(freq->GetText(), "146.52000");
    freq->SetText("200");
    freq->Correct();
    EXPECT_EQ(freq->GetText(), "174.00000");

    auto* dec = Edit<HEditBase>(page, 2301);
    dec->SetText("300");
    EXPECT_FALSE(dec->FormatNumber());
    EXPECT_EQ(dec->GetText(), "255");
    dec->SetText("007");
    EXPECT_TRUE(dec->FormatNumber());
    EXPECT_EQ(dec->GetText(), "007");

    auto* hex = Edit<HEditBase>(page, 2302);
    hex->SetText("1a");
    hex->FormatNumber();
    EXPECT_EQ(hex->GetText(), "001A");
    hex->SetText("1F");
    hex->PadWithZeros();
    EXPECT_EQ(hex->GetText(), "001F");

    auto* fw = Edit<HEditFirmwareVersion>(page, 2307);
    fw->SetText("1.2.345");
    fw->Correct();
    EXPECT_EQ(fw->GetText(), "1.02.99.00");

    auto* dtmf = Edit<HEditDtmf>(page, 2305);
    dtmf->SetText("12ab*x9");
    dtmf->CorrectOnLeave();
    EXPECT_EQ(dtmf->GetText(), "12AB*");
    dtmf->SetText("12*");
    EXPECT_EQ(dtmf->GetDigits(), (std::vector<std::uint8_t>{0x31, 0x2E, 0, 0, 0}));
    const std::uint8_t packed[] = {0x49, 0x87, 0xEF};
    dtmf->SetDigits(packed);
    EXPECT_EQ(dtmf->GetText(), "987*");
}

TEST(EditControlsWin, NameTagFollowsTheCurrentRule) {
    TestFrame f;
    auto* page = new wxPanel(f.frame);
    auto* tag = static_cast<HEditKXTag*>(CreateEditForSpec(page, {2301, 4, 0, 0, EditKind::NameTag, 0}));
    Type(tag, U"ab=[c");
    EXPECT_EQ(tag->GetText(), "AB=C");  // "[" is no default-rule sign
    tag->TypeChar('d');                 // four codes already: full
    EXPECT_EQ(tag->GetText(), "AB=C");

    SetCurrentTagCharRule(CyrillicTagCharRule::Instance());
    tag->SetText("");
    Type(tag, U"жё=");
    EXPECT_EQ(tag->GetText(), "ЖЁ");
    tag->SetText("ж:a");
    tag->CorrectOnLeave();
    EXPECT_EQ(tag->GetText(), "Ж A");
    SetCurrentTagCharRule(DefaultTagCharRule::Instance());
}

TEST(EditControlsWin, SerialPastePageAndMdc1200) {
    TestFrame f;
    auto* page = new wxPanel(f.frame);
    auto* serial =
        static_cast<HEditSrialNumber*>(CreateEditForSpec(page, {2309, 8, 0, 0, EditKind::SerialNumber, 0}));
    serial->SetText("1B000000");
    serial->PasteText("1O234567\r\n");
    EXPECT_EQ(serial->GetText(), "1B000000");
    serial->PasteText("1C234567\r\n");
    EXPECT_EQ(serial->GetText(), "1C234567");

    auto* pageCode = new HEditPage(page, 2320);
    pageCode->SetEditConfig({2320, 6, 0, 0, EditKind::Decimal, 0});  // the kind does not matter
    Type(pageCode, U"1fPzq9");
    EXPECT_EQ(pageCode->GetText(), "1fP9");

    auto* id = new HEditMDC1200ID(page, 2321);
    id->SetEditConfig({2321, 4, 1, 0xDEEE, EditKind::Hex, 0});
    Type(id, U"1fF2e");  // kind 2 filters as hexadecimal
    EXPECT_EQ(id->GetText(), "1fF2");
    id->SetEditConfig({2321, 4, 1, 0xDEEE, EditKind::Any + 99, 0});
    id->SetText("");
    Type(id, U"1fF2e");  // its own rule: no F
    EXPECT_EQ(id->GetText(), "12e");
    id->SetText("e000");
    id->SetAllowF(true);
    id->CorrectOnLeave();
    EXPECT_EQ(id->GetText(), "D000");
}

TEST(ItemComboWin, RebuildKeepsTheSelectedValue) {
    TestFrame f;
    static const ST_DISPDATA dimmer[] = {
        {0, "OFF", ""}, {1, "1", ""}, {2, "2", ""}, {3, "3", ""}, {-1, "", ""}};
    auto* combo = new DynamicItemChangeComboBox(f.frame, 2107);
    combo->SetItemList(dimmer);
    EXPECT_EQ(combo->GetCount(), 4u);
    EXPECT_EQ(combo->GetSelection(), wxNOT_FOUND);
    combo->SelectByValue(2);
    EXPECT_EQ(combo->GetSelectedValue(), 2);

    combo->Rows().SetOffered(1, false);
    combo->Rebuild();
    EXPECT_EQ(combo->GetCount(), 3u);
    EXPECT_EQ(UiUtil::GetComboText(*combo), "2");  // still selected at its new place
    EXPECT_EQ(combo->GetSelection(), 1);

    combo->Rows().SetOffered(2, false);
    combo->Refresh();
    EXPECT_EQ(combo->GetSelection(), wxNOT_FOUND);  // no longer offered: nothing selected
    combo->Rows().SetOffered(2, true);
    combo->Rebuild();
    EXPECT_EQ(combo->GetSelection(), wxNOT_FOUND);  // and not restored by itself

    static const ST_DISPDATA endOnly[] = {{-1, "", ""}};
    combo->SetItemList(endOnly);
    EXPECT_EQ(combo->GetCount(), 0u);
}

TEST(ItemComboWin, ChannelListsOfferUsedChannelsOnly) {
    TestFrame f;
    auto* ch = new ChListCombo(f.frame, 2104);
    ch->SetChannelRow(0, 0, 0, "CH01");
    ch->SetChannelRow(0, 2, 2, "CH03");
    ch->SetChannelRow(1, 0, 0, "CH17");
    EXPECT_TRUE(ch->LoadList(0, false));
    EXPECT_EQ(ch->GetCount(), 2u);  // the "Not Used" rows are never offered
    EXPECT_EQ(ch->GetSelection(), wxNOT_FOUND);
    ch->SetSelection(1);
    ch->SelectValue();
    EXPECT_EQ(ch->RememberedValue(), 2);

    EXPECT_TRUE(ch->LoadList(1, true));  // keeps the remembered value over the switch
    EXPECT_EQ(ch->RememberedValue(), 2);
    EXPECT_EQ(ch->GetCount(), 1u);
    EXPECT_TRUE(ch->LoadList(1, false));
    EXPECT_EQ(ch->RememberedValue(), -1);

    EXPECT_FALSE(ch->LoadList(5, false));  // all "Not Used"
    EXPECT_EQ(ch->GetCount(), 0u);
    EXPECT_TRUE(ch->LoadList(0, false));
    EXPECT_FALSE(ch->LoadList(-1, false));
    EXPECT_EQ(ch->GetCount(), 0u);

    // Binding reads the channel limit and, from firmware 1.9 on, the group types.
    CloneImage image;
    image[CloneImage::BlockOffset(8, 0x005)] = 20;  // clamped to 16
    image[0x00] = 0x01;
    image[0x01] = 0x09;
    image[0x04] = 0x00;
    image[0x05] = 0x00;
    image[0x228 + 1] = 0x10;
    image[0x228 + 2] = 0x2F;
    ch->BindZone({}, &image);
    EXPECT_EQ(ch->ChannelLimit(), 128);
    EXPECT_EQ(ch->GroupType(0), 0);  // 15 counts as 0
    EXPECT_EQ(ch->Prefix(1), "LTR");
    EXPECT_EQ(ch->Prefix(2), "PPT");
    image[0x01] = 0x08;  // older firmware: no group types
    ch->BindZone({}, &image);
    EXPECT_EQ(ch->GroupType(1), 0);
}

namespace {

// A page with a label and a control per row, as the settings pages lay them out.
struct RestrictedPage {
    wxPanel* page;
    wxChoice* combo;
    wxCheckBox* check;
    HEditBase* edit;
    wxStaticText* label;
    wxChoice* other;
    explicit RestrictedPage(wxWindow* parent) : page(new wxPanel(parent)) {
        static const ST_DISPDATA list[] = {{0, "Enable", ""}, {1, "Disable", ""}, {-1, "", ""}};
        combo = new wxChoice(page, 2101);
        UiUtil::FillComboFromTable(*combo, list, 1);
        check = new wxCheckBox(page, 2201, "O&ver Write");
        check->SetValue(true);
        edit = CreateEditForSpec(page, {2301, 8, 0, 0, EditKind::Ascii, 0});
        edit->SetText("TAG");
        label = new wxStaticText(page, 2001, "&Dimmer Level");
        other = new wxChoice(page, 2102);
        UiUtil::FillComboFromTable(*other, list, 0);
    }
};

// States per variant (0-4) and service mode (0-2).
constexpr std::uint8_t kComboStates[15] = {0, 0, 0, 1, 1, 0, 3, 3, 3, 6, 6, 0, 2, 5, 5};
constexpr std::uint8_t kCheckStates[15] = {6, 0, 0, 0, 0, 0, 4, 0, 0, 1, 1, 1, 0, 0, 0};
constexpr ControlRuleRow kRules[] = {
    {2001, 0, kComboStates},  // the caption shares the combo's states
    {2101, 1, kComboStates}, {2201, 1, kCheckStates}, {2301, 0, kCheckStates},
    {-1, 0, nullptr},        {2102, 1, kCheckStates},  // after the end row: never read
};

class PageRules : public CRestraction {
  public:
    using CRestraction::CRestraction;
    std::vector<int> checked;
    void CheckControl(int id) override { checked.push_back(id); }
    int CheckControlUnconditional(int id) override {
        Dialog()->FindWindow(id)->Disable();
        return 0;
    }
};

}  // namespace

TEST(RestrictionWin, EachVariantAndServiceMode) {
    struct Expect {
        int variant, mode;
        bool comboShown, comboEnabled, comboCleared;
        bool labelShown;
        bool checkShown, checkEnabled, checkCleared;
        bool editEnabled, editCleared;
        std::vector<int> checked;
    } cases[] = {
        // variant 0 normal: the check box is disabled and cleared; the edit
        // shares the states with restrict 0 and stays as it is.
        {0, 0, true, true, false, true, true, false, true, true, false, {}},
        {1, 0, true, false, false, true, true, true, false, true, false, {}},
        {1, 2, true, true, false, true, true, true, false, true, false, {}},
        {2, 0, false, false, false, false, false, false, false, false, false, {}},
        {3, 1, true, false, true, true, true, false, false, true, false, {}},
        {4, 0, true, true, false, true, true, true, false, true, false, {2101}},
        {4, 1, true, false, false, true, true, true, false, true, false, {}},
    };
    for (const auto& c : cases) {
        TestFrame f;
        RestrictedPage p(f.frame);
        PageRules rules(p.page);
        ApplyRestraction(kRules, c.variant, c.mode, rules);
        const std::string where = "variant " + std::to_string(c.variant) + " mode " + std::to_string(c.mode);
        EXPECT_EQ(p.combo->IsShown(), c.comboShown) << where;
        EXPECT_EQ(p.combo->IsEnabled(), c.comboEnabled) << where;
        EXPECT_EQ(p.combo->GetSelection() == wxNOT_FOUND, c.comboCleared) << where;
        EXPECT_EQ(p.label->IsShown(), c.labelShown) << where;
        EXPECT_EQ(p.check->IsShown(), c.checkShown) << where;
        EXPECT_EQ(p.check->IsEnabled(), c.checkEnabled) << where;
        EXPECT_EQ(!p.check->GetValue(), c.checkCleared) << where;
        EXPECT_EQ(p.edit->IsEnabled(), c.editEnabled) << where;
        EXPECT_EQ(p.edit->GetText().empty(), c.editCleared) << where;
        EXPECT_EQ(rules.checked, c.checked) << where;
        EXPECT_TRUE(p.other->IsEnabled()) << where;  // its row lies after the end row
    }
}

TEST(RestrictionWin, ServiceModeComesFromTheHostAndEmptyTablesChangeNothing) {
    struct ModeHost : ImageHost {
        int ServiceMode() const override { return 2; }
    } host;
    SetHost(&host);
    TestFrame f;
    RestrictedPage p(f.frame);
    PageRules rules(p.page);
    ApplyRestraction(kRules, 3, rules);  // variant 3, mode 2: state 0 for the combo
    EXPECT_TRUE(p.combo->IsEnabled());
    EXPECT_FALSE(p.combo->GetSelection() == wxNOT_FOUND);
    SetHost(nullptr);

    const ControlRuleRow empty[] = {{-1, 0, nullptr}};
    ApplyRestraction(empty, 0, 0, rules);
    ApplyRestraction({}, 0, 0, rules);
    // A row naming a control the page lacks is passed over.
    const ControlRuleRow missing[] = {{4999, 1, kCheckStates}, {2201, 1, kCheckStates}, {-1, 0, nullptr}};
    ApplyRestraction(missing, 0, 0, rules);
    EXPECT_FALSE(p.check->IsEnabled());
}
