// The main menu's command table, its rebuild when the bar opens, and the
// enabled and checked state of the commands, without a window.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "MenuTexts.h"
#include "app/MenuCommands.h"
#include "ui/MainItems.h"

namespace {

MenuContext InMode(int serviceMode) {
    MenuContext context;
    context.serviceMode = serviceMode;
    return context;
}

std::vector<int> Ids(const MenuModel& menu) {
    return CommandIds(menu);
}

MenuModel& DropDownOf(MenuModel& bar, int index) {
    return bar[static_cast<std::size_t>(index)].items;
}

}  // namespace

TEST(CommandTable, IdsAreUniqueAndTheResourceHoldsEveryEntryWithItsCaption) {
    std::set<int> seen;
    for (const CommandRow& row : CommandTable()) EXPECT_TRUE(seen.insert(row.id).second) << row.id;
    const MenuModel resource = MainMenuResource();
    for (const MenuTexts::Entry& expected : MenuTexts::kMainMenu) {
        const MenuEntry* entry = FindEntry(resource, expected.id);
        ASSERT_NE(entry, nullptr) << expected.id;
        EXPECT_EQ(entry->text, expected.text) << expected.id;
    }
    // And no entry beyond them.
    for (int id : CommandIds(resource)) EXPECT_NE(MenuTexts::TextOf(id), nullptr) << id;
}

TEST(CommandTable, TextsAndKindsOfTheTable) {
    struct Case {
        int id;
        const char* text;
        CommandKind kind;
    };
    const Case cases[] = {
        {57600, "&New\tCtrl+N", CommandKind::Document},
        {32893, "&File Convert", CommandKind::FileConvert},
        {57607, "&Print\tCtrl+P", CommandKind::Print},
        {32812, "&Export to File", CommandKind::Print},
        {32775, "&Configure", CommandKind::Configure},
        {32900, "&Language", CommandKind::Language},
        {32891, "CH Cop&y\tCtrl+Y", CommandKind::EditForward},
        {32933, "Ca&ncel the Pri CH", CommandKind::EditForward},
        {59393, "&Status Bar", CommandKind::BarToggle},
        {32783, "&Visible", CommandKind::VisibleItems},
        {32785, "&W/N", CommandKind::MainItem},
        {32787, "", CommandKind::MainItem},
        {32805, "S&urveillance", CommandKind::MainItem},
        {32776, "&Help Topic", CommandKind::HelpPane},
        {32953, "125%", CommandKind::FontSize},
        {32955, "&Auto Grid Width", CommandKind::AutoGridWidth},
        {32956, "&Auto Grid Width", CommandKind::ResendToFocus},
        {32938, "&Scanning", CommandKind::CommonDialog},
        {32867, "&Marketing(Ship Mode)", CommandKind::MarketingShip},
        {32936, "&Universal ID List", CommandKind::NoAction},
        {32853, "5-Tone &Status", CommandKind::SignalingDialog},
        {32889, "MDC1200 &System", CommandKind::SignalingDialog},
        {32940, "Fleetlink &ANI", CommandKind::SignalingDialog},
        {32926, "Download(&Manu)", CommandKind::DownloadManu},
        {32858, "&CH Fine Alignment", CommandKind::AlignmentMessage},
        {32927, "Data recovery &in case of alignment failure", CommandKind::AlignmentRecovery},
        {32861, "ADJ-Data Return &to Default", CommandKind::RadioOperation},
        {32864, "&Group Allocation", CommandKind::GroupAllocation},
        {32863, "&Scan Setting", CommandKind::NoAction},
        {32866, "&Get Started", CommandKind::HelpFile},
        {57664, "&About Pardex...", CommandKind::About},
    };
    for (const Case& c : cases) {
        const CommandRow* row = FindCommand(c.id);
        ASSERT_NE(row, nullptr) << c.id;
        EXPECT_STREQ(row->text, c.text) << c.id;
        EXPECT_EQ(row->kind, c.kind) << c.id;
    }
    EXPECT_EQ(FindCommand(12345), nullptr);
}

TEST(CommandTable, OnlyTheTenEditCommandsAreForwarded) {
    for (int id : {57634, 57637, 32891, 32892, 32894, 32895, 32896, 32931, 32932, 32933})
        EXPECT_TRUE(IsForwardedEditCommand(id)) << id;
    for (int id : {57635, 57636, 32783, 32955}) EXPECT_FALSE(IsForwardedEditCommand(id)) << id;
}

TEST(MenuResource, MainItemsIsTheFourthEntryOfTheThirdDropDown) {
    MenuModel bar = MainMenuResource();
    ASSERT_EQ(bar.size(), 8u);
    const MenuEntry& mainItems = DropDownOf(bar, DropDown::View)[3];
    ASSERT_EQ(mainItems.kind, MenuEntry::SubMenu);
    EXPECT_EQ(mainItems.text, "&Main Items");
    EXPECT_EQ(mainItems.items[0].id, Cmd::VisibleItems);
    EXPECT_EQ(mainItems.items[1].kind, MenuEntry::Separator);
    EXPECT_EQ(mainItems.items.size(), 2u + 21u);
}

TEST(MenuRebuild, MainMenuDropsFileConvertOnlyInTheNormalServiceMode) {
    for (int mode : {0, 1, 2}) {
        MenuModel bar = MainMenuResource();
        PopupMenu::Update(PopupMenu::MainMenu, bar, InMode(mode));
        EXPECT_EQ(FindEntry(bar, Cmd::FileConvert) != nullptr, mode != 0) << mode;
    }
}

TEST(MenuRebuild, RadioDropDownByServiceMode) {
    const std::vector<int> expected[] = {
        {Cmd::Upload, Cmd::Download, Cmd::Alignment, Cmd::RadioDataRecovery},
        {Cmd::Upload, Cmd::Download, Cmd::BasicAlignment, Cmd::ChFineAlignment, Cmd::Alignment,
         Cmd::RadioDataRecovery},
        {Cmd::Upload, Cmd::Download, Cmd::DownloadManu, Cmd::BasicAlignment, Cmd::ChFineAlignment,
         Cmd::Alignment, Cmd::RadioDataRecovery},
    };
    for (int mode : {0, 1, 2}) {
        MenuModel bar = MainMenuResource();
        MenuModel radio = DropDownOf(bar, DropDown::Radio);
        PopupMenu::Update(PopupMenu::RadioMenu, radio, InMode(mode));
        EXPECT_EQ(Ids(radio), expected[mode]) << mode;
        // Two separators: after the Download entries and before the recovery.
        EXPECT_EQ(std::count_if(radio.begin(), radio.end(),
                                [](const MenuEntry& e) { return e.kind == MenuEntry::Separator; }),
                  2);
    }
}

TEST(MenuRebuild, EditDropDownFollowsTheGridFocus) {
    MenuModel edit;
    MenuContext context;
    context.gridFocused = true;
    PopupMenu::Update(PopupMenu::EditMenu, edit, context);
    EXPECT_EQ(Ids(edit), (std::vector<int>{57634, 32894, 57637, 32895, 32896}));
    EXPECT_EQ(edit[0].text, "CH &Copy\tCtrl+C");
    EXPECT_EQ(edit[2].text, "CH &Paste\tCtrl+V");

    context.gridFocused = false;
    PopupMenu::Update(PopupMenu::EditMenu, edit, context);
    EXPECT_EQ(Ids(edit), (std::vector<int>{57634, 57637}));
    EXPECT_EQ(edit[0].text, "&Copy\tCtrl+C");
}

TEST(MenuRebuild, SignalingDropDownByFirmwareAndDisplay) {
    MenuModel menu;
    MenuContext context;
    PopupMenu::Update(PopupMenu::SignalingMenu, menu, context);
    EXPECT_EQ(Ids(menu), (std::vector<int>{32845, 32846, 32848, 32849, 32850, 32851, 32852, 32888, 32940}));
    EXPECT_EQ(FindEntry(menu, Cmd::Mdc1200Common)->text, "MDC1200 &ANI");

    context.signalingExtended = true;
    PopupMenu::Update(PopupMenu::SignalingMenu, menu, context);
    EXPECT_EQ(Ids(menu), (std::vector<int>{32845, 32846, 32847, 32848, 32849, 32850, 32851, 32852, 32888,
                                           32890, 32940}));
    EXPECT_EQ(FindEntry(menu, Cmd::Mdc1200Common)->text, "MDC1200 &Common");
    ASSERT_EQ(menu.size(), 5u);
    EXPECT_EQ(menu[3].text, "&MDC1200");
}

TEST(MenuRebuild, CommonDropDownOffersShipModeMarketingOnlyInTheShipMode) {
    MenuModel menu;
    MenuContext context;
    PopupMenu::Update(PopupMenu::CommonMenu, menu, context);
    EXPECT_EQ(Ids(menu), (std::vector<int>{32832, 32938, 32834, 32835, 32836, 32837, 32843, 32838, 32841}));
    context.appMode = 4;
    PopupMenu::Update(PopupMenu::CommonMenu, menu, context);
    EXPECT_EQ(Ids(menu),
              (std::vector<int>{32832, 32938, 32834, 32835, 32836, 32837, 32843, 32867, 32838, 32841}));
    EXPECT_EQ(FindEntry(menu, Cmd::MarketingShip)->text, "Marketing(&Ship Mode)");
}

TEST(MenuRebuild, ViewDropDownTakesThePaneEntriesAndTheRelatedItemOutsideNormalMode) {
    for (int mode : {0, 1}) {
        MenuModel bar = MainMenuResource();
        MenuModel& view = DropDownOf(bar, DropDown::View);
        MenuContext context = InMode(mode);
        context.paneItems = {{32785, "&Pri"}, {32786, "&W/N"}};
        PopupMenu::Update(PopupMenu::ViewMenu, view, context);
        EXPECT_EQ(Ids(view[3].items), (std::vector<int>{32783, 32785, 32786}));
        EXPECT_EQ(view[3].items[3].text, "&W/N");
        const std::vector<int> subItems =
            mode == 0 ? std::vector<int>{32776} : std::vector<int>{32776, 32777};
        EXPECT_EQ(Ids(view[4].items), subItems);
        // The rest of the View drop-down stays.
        EXPECT_NE(FindEntry(view, Cmd::ToolBar), nullptr);
        EXPECT_NE(FindEntry(view, Cmd::Font125), nullptr);
    }
}

TEST(MenuRebuild, ContextMenus) {
    MenuModel menu;
    MenuContext context;
    PopupMenu::Update(PopupMenu::GroupGridMenu, menu, context);
    EXPECT_EQ(Ids(menu), (std::vector<int>{32873, 32872}));
    context.groupNoInsert = true;
    PopupMenu::Update(PopupMenu::GroupGridMenu, menu, context);
    EXPECT_EQ(Ids(menu), (std::vector<int>{32872}));

    PopupMenu::Update(PopupMenu::GridMenu, menu, context);
    EXPECT_EQ(menu[0].text, "&Copy\tCtrl+C");
    context.rowMode = true;
    PopupMenu::Update(PopupMenu::GridMenu, menu, context);
    EXPECT_EQ(Ids(menu), (std::vector<int>{57634, 57637}));
    EXPECT_EQ(menu[1].text, "Row &Paste\tCtrl+V");
}

TEST(MenuRebuild, OpeningTheBarRemovesScanSettingAndTheResourceLeftovers) {
    MenuModel bar = MainMenuResource();
    RebuildOnOpen(bar, MenuContext{});
    for (int id : {Cmd::ScanSetting, Cmd::Maintenance, Cmd::AlignmentRecovery, Cmd::AdjReturnToDefault,
                   Cmd::FirmwareUpdate, Cmd::Option, Cmd::LtrCommon, Cmd::FiveToneStatus, Cmd::ChCopy})
        EXPECT_EQ(FindEntry(bar, id), nullptr) << id;
    EXPECT_NE(FindEntry(bar, Cmd::GroupAllocation), nullptr);
    EXPECT_NE(FindEntry(bar, Cmd::Configure), nullptr);
}

TEST(MenuRebuild, TranslatorSeesEachMenuWithItsKey) {
    std::vector<int> keys;
    PopupMenu::SetTranslator([&](MenuModel&, int key) { keys.push_back(key); });
    MenuModel bar = MainMenuResource();
    PopupMenu::Update(PopupMenu::MainMenu, bar, InMode(1));
    MenuModel radio;
    PopupMenu::Update(PopupMenu::RadioMenu, radio, MenuContext{});
    PopupMenu::SetTranslator({});
    EXPECT_EQ(keys, (std::vector<int>{66010, 66020, 66030, 66040, 66050, 66060, 66070, 66080, 66000, 66060}));
}

TEST(CommandState, FontEntriesFollowTheStoredRate) {
    struct Case {
        const char* stored;
        int checked;  // 0: none
    };
    const Case cases[] = {{"1.25", Cmd::Font125}, {"", Cmd::Font100},     {"3", 0},  {"0.85", Cmd::Font85},
                          {"1.00", Cmd::Font100}, {"1.50", Cmd::Font150}, {"-1", 0}, {"abc", 0}};
    for (const Case& c : cases)
        for (int id = Cmd::Font85; id <= Cmd::Font150; ++id) {
            CommandContext context;
            context.storedFontRate = c.stored;
            const auto state = CommandStateOf(id, context);
            ASSERT_TRUE(state && state->checked);
            EXPECT_EQ(*state->checked, id == c.checked) << c.stored << " " << id;
        }
    EXPECT_FLOAT_EQ(RateOfFontCommand(32951), 0.85f);
    EXPECT_FLOAT_EQ(RateOfFontCommand(12), 1.0f);
}

TEST(CommandState, ScreensOfLaterSubsystemsStayDisabledUntilTheyExist) {
    const int ids[] = {Cmd::FileConvert,
                       Cmd::Print,
                       Cmd::Export,
                       Cmd::Preview,
                       Cmd::PageSetup,
                       Cmd::Configure,
                       Cmd::Hardware,
                       Cmd::KeyFunction,
                       Cmd::DtmfPage,
                       Cmd::Mdc1200Call,
                       Cmd::GroupAllocation,
                       Cmd::VisibleItems,
                       Cmd::Upload,
                       Cmd::Download,
                       Cmd::DownloadManu,
                       Cmd::Alignment,
                       Cmd::AlignmentRecovery,
                       Cmd::RadioDataRecovery,
                       Cmd::ModelInfoImport};
    for (int id : ids) {
        CommandContext context;
        EXPECT_FALSE(CommandStateOf(id, context)->enabled) << id;
        context.available = [id](int asked) { return asked == id; };
        EXPECT_TRUE(CommandStateOf(id, context)->enabled) << id;
    }
}

TEST(CommandState, FixedStatesInEveryMode) {
    for (int mode : {0, 1, 2}) {
        CommandContext context;
        context.serviceMode = mode;
        context.available = [](int) { return true; };
        for (int id : {Cmd::Language, Cmd::Copy, Cmd::ChInsert, Cmd::AutoGridWidth, Cmd::AutoGridWidthGrid, Cmd::Option,
                       Cmd::BasicAlignment, Cmd::FirmwareUpdate, Cmd::HelpTopics, Cmd::ScanSetting})
            EXPECT_EQ(CommandStateOf(id, context), (CommandState{true, {}})) << id;
        for (int id : {Cmd::New, Cmd::Exit, Cmd::About, Cmd::RecentFirst})
            EXPECT_FALSE(CommandStateOf(id, context));
    }
}

TEST(CommandState, ShipModeMarketingNeedsTheShipSequenceOnlyInTheShipMode) {
    CommandContext context;
    context.available = [](int id) { return id == Cmd::Marketing; };
    EXPECT_TRUE(CommandStateOf(Cmd::MarketingShip, context)->enabled);
    context.appMode = 4;
    EXPECT_FALSE(CommandStateOf(Cmd::MarketingShip, context)->enabled);
}

TEST(CommandState, PanesAndBarsAreChecked) {
    CommandContext context;
    context.helpVisible = true;
    context.statusBarShown = false;
    EXPECT_EQ(CommandStateOf(Cmd::HelpTopic, context), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(Cmd::RelatedItem, context), (CommandState{true, false}));
    EXPECT_EQ(CommandStateOf(Cmd::ToolBar, context), (CommandState{true, true}));
    EXPECT_EQ(CommandStateOf(Cmd::StatusBar, context), (CommandState{true, false}));
}

TEST(CommandState, MainItemsFollowTheirFlagsAndLockedColumns) {
    MainItems::ResetVisible();
    MainItems::Row(32788)->visible = 0;
    CommandContext context;
    context.columnLocked = [](int column) { return column == 5 || column == 19; };
    EXPECT_EQ(CommandStateOf(32785, context), (CommandState{true, true}));
    // Frequency: columns 4 and 5, its last column is locked.
    EXPECT_EQ(CommandStateOf(32788, context), (CommandState{false, false}));
    EXPECT_EQ(CommandStateOf(32799, context), (CommandState{false, true}));
    // The leading row and the ids after the table carry no entry.
    EXPECT_FALSE(CommandStateOf(32784, context)->enabled);
    EXPECT_FALSE(CommandStateOf(32807, context)->enabled);
    MainItems::ResetVisible();
}
