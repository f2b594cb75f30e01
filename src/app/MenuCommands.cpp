#include "app/MenuCommands.h"

#include <algorithm>
#include <cstdlib>

#include "image/Modes.h"
#include "ui/MainItems.h"

namespace {

using K = CommandKind;

constexpr CommandRow kCommands[] = {
    {Cmd::New, "&New\tCtrl+N", K::Document},
    {Cmd::Open, "&Open...\tCtrl+O", K::Document},
    {Cmd::Save, "&Save\tCtrl+S", K::Document},
    {Cmd::SaveAs, "Save &As...", K::Document},
    {Cmd::FileConvert, "&File Convert", K::FileConvert},
    {Cmd::Print, "&Print\tCtrl+P", K::Print},
    {Cmd::Export, "&Export to File", K::Print},
    {Cmd::Preview, "Print Pre&view", K::Print},
    {Cmd::PageSetup, "Pa&ge Setup", K::Print},
    {Cmd::Configure, "&Configure", K::Configure},
    {Cmd::Language, "&Language", K::Language},
    {Cmd::RecentFirst, "Recent Files", K::Framework},
    {Cmd::Exit, "E&xit", K::Framework},
    {Cmd::Copy, "&Copy\tCtrl+C", K::EditForward},
    {Cmd::Paste, "&Paste\tCtrl+V", K::EditForward},
    {Cmd::ChCopy, "CH Cop&y\tCtrl+Y", K::EditForward},
    {Cmd::ChPaste, "CH Pas&te\tCtrl+T", K::EditForward},
    {Cmd::ChCut, "CH Cut(&x)\tCtrl+X", K::EditForward},
    {Cmd::ChInsert, "CH &Insert\tCtrl+I", K::EditForward},
    {Cmd::ChNew, "CH Ne&w\tCtrl+W", K::EditForward},
    {Cmd::AssignToGroup, "&Assign to Current Group", K::EditForward},
    {Cmd::SetPriority, "&Set to Pri CH", K::EditForward},
    {Cmd::CancelPriority, "Ca&ncel the Pri CH", K::EditForward},
    {Cmd::ToolBar, "&Tool Bar", K::BarToggle},
    {Cmd::StatusBar, "&Status Bar", K::BarToggle},
    {Cmd::VisibleItems, "&Visible", K::VisibleItems},
    {32785, "&W/N", K::MainItem},
    {32786, "&TAG", K::MainItem},
    {32787, "", K::MainItem},
    {32788, "&Frequency", K::MainItem},
    {32789, "&Sub Audio", K::MainItem},
    {32790, "Power Sa&ve", K::MainItem},
    {32791, "&Power", K::MainItem},
    {32792, "&Scan", K::MainItem},
    {32793, "&Dial Scan", K::MainItem},
    {32794, "T&OT", K::MainItem},
    {32795, "S&quelch", K::MainItem},
    {32796, "&Clock Shift", K::MainItem},
    {32797, "&ANI", K::MainItem},
    {32798, "VO&X", K::MainItem},
    {32799, "&Encr", K::MainItem},
    {32800, "&Lock Out", K::MainItem},
    {32801, "O&LTA", K::MainItem},
    {32802, "CO&MP", K::MainItem},
    {32803, "ST", K::MainItem},
    {32804, "Si&gnaling", K::MainItem},
    {32805, "S&urveillance", K::MainItem},
    {Cmd::HelpTopic, "&Help Topic", K::HelpPane},
    {Cmd::RelatedItem, "&Related Item", K::RelatedPane},
    {Cmd::Font85, "85%", K::FontSize},
    {Cmd::Font100, "100%", K::FontSize},
    {Cmd::Font125, "125%", K::FontSize},
    {Cmd::Font150, "150%", K::FontSize},
    {Cmd::AutoGridWidth, "&Auto Grid Width", K::AutoGridWidth},
    {Cmd::AutoGridWidthGrid, "&Auto Grid Width", K::ResendToFocus},
    {Cmd::Hardware, "&Hardware", K::CommonDialog},
    {Cmd::Scanning, "&Scanning", K::CommonDialog},
    {Cmd::PowerSaving, "&Power Saving", K::CommonDialog},
    {Cmd::FrontPanel, "&Front Panel", K::CommonDialog},
    {Cmd::KeyFunction, "&Key Function", K::CommonDialog},
    {Cmd::Emergency, "&Emergency", K::CommonDialog},
    {Cmd::Password, "Pass&word", K::CommonDialog},
    {Cmd::Miscellaneous, "M&iscellaneous", K::CommonDialog},
    {Cmd::Marketing, "&Marketing", K::CommonDialog},
    {Cmd::MarketingShip, "&Marketing(Ship Mode)", K::MarketingShip},
    {Cmd::Option, "&Option", K::NoAction},
    {Cmd::DirectCh, "Di&rect CH", K::NoAction},
    {Cmd::DSub15, "Mobile &D-SUB 15", K::NoAction},
    {Cmd::ChAnnouncement, "CH &Announcement", K::NoAction},
    {Cmd::VoteMenu, "&Vote Menu", K::NoAction},
    {Cmd::LtrCommon, "&Common", K::NoAction},
    {Cmd::UniversalIdList, "&Universal ID List", K::NoAction},
    {Cmd::DtmfDialing, "&DTMF Dialing", K::SignalingDialog},
    {Cmd::DtmfAni, "DTMF &ANI", K::SignalingDialog},
    {Cmd::DtmfPage, "DTMF &Page", K::SignalingDialog},
    {Cmd::TwoToneSetting, "2-Tone &Setting", K::SignalingDialog},
    {Cmd::TwoToneSystem, "2-Tone S&ystem", K::SignalingDialog},
    {Cmd::FiveToneCommon, "5-Tone &Common", K::SignalingDialog},
    {Cmd::FiveToneTable, "5-Tone &Table", K::SignalingDialog},
    {Cmd::FiveToneSystem, "5-Tone S&ystem", K::SignalingDialog},
    {Cmd::FiveToneStatus, "5-Tone &Status", K::SignalingDialog},
    {Cmd::SelectableTone, "&Selectable Tone", K::NoAction},
    {Cmd::Mdc1200System, "MDC1200 &System", K::SignalingDialog},
    {Cmd::Mdc1200Common, "MDC1200 &Common", K::SignalingDialog},
    {Cmd::Mdc1200Call, "MDC1200 Ca&ll", K::SignalingDialog},
    {Cmd::FleetlinkAni, "Fleetlink &ANI", K::SignalingDialog},
    {Cmd::Upload, "&Upload", K::Upload},
    {Cmd::Download, "&Download", K::Download},
    {Cmd::DownloadManu, "Download(&Manu)", K::DownloadManu},
    {Cmd::BasicAlignment, "Basic &Alignment", K::AlignmentMessage},
    {Cmd::ChFineAlignment, "&CH Fine Alignment", K::AlignmentMessage},
    {Cmd::Alignment, "&Alignment", K::Alignment},
    {Cmd::AlignmentRecovery, "Data recovery &in case of alignment failure", K::AlignmentRecovery},
    {Cmd::RadioDataRecovery, "Radio Data &Recovery", K::RadioOperation},
    {Cmd::AdjReturnToDefault, "ADJ-Data Return &to Default", K::RadioOperation},
    {Cmd::FirmwareUpdate, "&Firmware Update", K::FirmwareUpdate},
    {Cmd::GroupAllocation, "&Group Allocation", K::GroupAllocation},
    {Cmd::ScanSetting, "&Scan Setting", K::NoAction},
    {Cmd::HelpTopics, "&Help Topics", K::HelpFile},
    {Cmd::GetStarted, "&Get Started", K::HelpFile},
    {Cmd::About, "&About Pardex...", K::About},
    {Cmd::ModelInfoImport, "", K::ModelInfoImport},
};

constexpr int kForwarded[] = {Cmd::Copy,        Cmd::Paste,         Cmd::ChCopy, Cmd::ChPaste,
                              Cmd::ChCut,       Cmd::ChInsert,      Cmd::ChNew,  Cmd::AssignToGroup,
                              Cmd::SetPriority, Cmd::CancelPriority};

// Positions of the View drop-down's sub-menus.
constexpr std::size_t kMainItemsPosition = 3;
constexpr std::size_t kSubItemsPosition = 4;

MenuEntry Entry(int id) {
    const CommandRow* row = FindCommand(id);
    return MenuEntry::Item(id, row ? row->text : "");
}

PopupMenu::Translator& CurrentTranslator() {
    static PopupMenu::Translator translator;
    return translator;
}

void Translate(MenuModel& menu, int keyBase) {
    if (const auto& translator = CurrentTranslator()) translator(menu, keyBase);
}

MenuEntry* SubMenuAt(MenuModel& menu, std::size_t position) {
    if (position >= menu.size() || menu[position].kind != MenuEntry::SubMenu) return nullptr;
    return &menu[position];
}

}  // namespace

std::span<const CommandRow> CommandTable() {
    return kCommands;
}

const CommandRow* FindCommand(int id) {
    for (const auto& row : kCommands)
        if (row.id == id) return &row;
    return nullptr;
}

bool IsForwardedEditCommand(int id) {
    return std::find(std::begin(kForwarded), std::end(kForwarded), id) != std::end(kForwarded);
}

MenuModel MainMenuResource() {
    using E = MenuEntry;
    MenuModel mainItems{Entry(Cmd::VisibleItems), E::Line()};
    for (int id = Cmd::MainItemFirst; id <= Cmd::MainItemLast; ++id) mainItems.push_back(Entry(id));

    return {
        E::Sub("&File",
               {Entry(Cmd::New), Entry(Cmd::Open), Entry(Cmd::Save), Entry(Cmd::SaveAs),
                Entry(Cmd::FileConvert), E::Line(), Entry(Cmd::Print), Entry(Cmd::Preview),
                Entry(Cmd::PageSetup), Entry(Cmd::Export), E::Line(), Entry(Cmd::Configure),
                Entry(Cmd::Language), E::Line(), Entry(Cmd::RecentFirst), E::Line(), Entry(Cmd::Exit)}),
        E::Sub("&Edit",
               {Entry(Cmd::Copy), Entry(Cmd::Paste), E::Line(), Entry(Cmd::ChCopy), Entry(Cmd::ChPaste),
                Entry(Cmd::ChCut), Entry(Cmd::ChInsert), Entry(Cmd::ChNew), E::Line(),
                Entry(Cmd::AssignToGroup), Entry(Cmd::SetPriority), Entry(Cmd::CancelPriority)}),
        E::Sub("&View",
               {Entry(Cmd::ToolBar), Entry(Cmd::StatusBar), E::Line(), E::Sub("&Main Items", mainItems),
                E::Sub("Sub &Items", {Entry(Cmd::HelpTopic), Entry(Cmd::RelatedItem)}),
                E::Sub("&Font Size",
                       {Entry(Cmd::Font85), Entry(Cmd::Font100), Entry(Cmd::Font125), Entry(Cmd::Font150)}),
                E::Line(), Entry(Cmd::AutoGridWidth)}),
        E::Sub("&Common",
               {Entry(Cmd::Hardware), Entry(Cmd::Scanning), Entry(Cmd::PowerSaving), Entry(Cmd::FrontPanel),
                Entry(Cmd::KeyFunction), Entry(Cmd::Emergency), Entry(Cmd::Marketing),
                Entry(Cmd::MarketingShip), Entry(Cmd::Password), Entry(Cmd::Miscellaneous), E::Line(),
                Entry(Cmd::Option), Entry(Cmd::DirectCh), Entry(Cmd::DSub15), Entry(Cmd::ChAnnouncement),
                Entry(Cmd::VoteMenu), E::Sub("&LTR", {Entry(Cmd::LtrCommon), Entry(Cmd::UniversalIdList)})}),
        E::Sub("&Signaling",
               {E::Sub("&DTMF", {Entry(Cmd::DtmfDialing), Entry(Cmd::DtmfAni), Entry(Cmd::DtmfPage)}),
                E::Sub("&2-Tone", {Entry(Cmd::TwoToneSetting), Entry(Cmd::TwoToneSystem)}),
                E::Sub("&5-Tone",
                       {Entry(Cmd::FiveToneCommon), Entry(Cmd::FiveToneTable), Entry(Cmd::FiveToneSystem),
                        Entry(Cmd::FiveToneStatus), Entry(Cmd::SelectableTone)}),
                E::Sub("&MDC1200",
                       {Entry(Cmd::Mdc1200Common), Entry(Cmd::Mdc1200System), Entry(Cmd::Mdc1200Call)}),
                E::Sub("&Fleetlink", {Entry(Cmd::FleetlinkAni)})}),
        E::Sub("&Radio", {Entry(Cmd::Upload), Entry(Cmd::Download), Entry(Cmd::DownloadManu), E::Line(),
                          Entry(Cmd::BasicAlignment), Entry(Cmd::ChFineAlignment), Entry(Cmd::Alignment),
                          Entry(Cmd::AlignmentRecovery), E::Line(), Entry(Cmd::RadioDataRecovery),
                          Entry(Cmd::AdjReturnToDefault), E::Line(), Entry(Cmd::FirmwareUpdate),
                          E::Item(Cmd::Maintenance, "&Maintenance")}),
        E::Sub("C&hannel", {Entry(Cmd::GroupAllocation), Entry(Cmd::ScanSetting)}),
        E::Sub("&Help", {Entry(Cmd::HelpTopics), Entry(Cmd::GetStarted), E::Line(), Entry(Cmd::About)}),
    };
}

namespace PopupMenu {

void SetTranslator(Translator translator) {
    CurrentTranslator() = std::move(translator);
}

void Update(int kind, MenuModel& menu, const MenuContext& context) {
    using E = MenuEntry;
    switch (kind) {
        case MainMenu:
            if (context.serviceMode == ServiceModes::Normal) RemoveCommand(menu, Cmd::FileConvert);
            for (std::size_t i = 0; i < menu.size() && i < DropDown::Count; ++i)
                if (menu[i].kind == E::SubMenu)
                    Translate(menu[i].items, DropDownTextKey(static_cast<int>(i)));
            Translate(menu, MenuBarTextKey);
            return;
        case ViewMenu:
            if (MenuEntry* items = SubMenuAt(menu, kMainItemsPosition)) {
                items->items = {Entry(Cmd::VisibleItems), E::Line()};
                for (const auto& [id, text] : context.paneItems) items->items.push_back(E::Item(id, text));
            }
            if (MenuEntry* items = SubMenuAt(menu, kSubItemsPosition)) {
                items->items = {Entry(Cmd::HelpTopic)};
                if (context.serviceMode != ServiceModes::Normal)
                    items->items.push_back(Entry(Cmd::RelatedItem));
            }
            Translate(menu, DropDownTextKey(DropDown::View));
            return;
        case CommonMenu: {
            menu = {Entry(Cmd::Hardware),   Entry(Cmd::Scanning),    Entry(Cmd::PowerSaving),
                    Entry(Cmd::FrontPanel), Entry(Cmd::KeyFunction), Entry(Cmd::Emergency),
                    Entry(Cmd::Marketing)};
            if (context.appMode == AppModes::Ship)
                menu.push_back(E::Item(Cmd::MarketingShip, "Marketing(&Ship Mode)"));
            menu.push_back(Entry(Cmd::Password));
            menu.push_back(Entry(Cmd::Miscellaneous));
            Translate(menu, DropDownTextKey(DropDown::Common));
            return;
        }
        case SignalingMenu: {
            MenuModel dtmf{Entry(Cmd::DtmfDialing), Entry(Cmd::DtmfAni)};
            if (context.signalingExtended) dtmf.push_back(Entry(Cmd::DtmfPage));
            MenuModel mdc;
            if (context.signalingExtended)
                mdc = {Entry(Cmd::Mdc1200Common), Entry(Cmd::Mdc1200Call)};
            else
                mdc = {E::Item(Cmd::Mdc1200Common, "MDC1200 &ANI")};
            menu = {E::Sub("&DTMF", dtmf),
                    E::Sub("&2-Tone", {Entry(Cmd::TwoToneSetting), Entry(Cmd::TwoToneSystem)}),
                    E::Sub("&5-Tone", {Entry(Cmd::FiveToneCommon), Entry(Cmd::FiveToneTable),
                                       Entry(Cmd::FiveToneSystem)}),
                    E::Sub("&MDC1200", mdc), E::Sub("&Fleetlink", {Entry(Cmd::FleetlinkAni)})};
            Translate(menu, DropDownTextKey(DropDown::Signaling));
            return;
        }
        case EditMenu:
            if (context.gridFocused)
                menu = {E::Item(Cmd::Copy, "CH &Copy\tCtrl+C"), E::Item(Cmd::ChCut, "CH Cut(&x)\tCtrl+X"),
                        E::Item(Cmd::Paste, "CH &Paste\tCtrl+V"),
                        E::Item(Cmd::ChInsert, "CH &Insert\tCtrl+I"), E::Item(Cmd::ChNew, "CH Ne&w\tCtrl+W")};
            else
                menu = {Entry(Cmd::Copy), Entry(Cmd::Paste)};
            Translate(menu, EditTextKey);
            return;
        case RadioMenu:
            menu = {Entry(Cmd::Upload), Entry(Cmd::Download)};
            if (context.serviceMode == ServiceModes::Manufacture) menu.push_back(Entry(Cmd::DownloadManu));
            menu.push_back(E::Line());
            if (context.serviceMode != ServiceModes::Normal) {
                menu.push_back(Entry(Cmd::BasicAlignment));
                menu.push_back(Entry(Cmd::ChFineAlignment));
            }
            menu.push_back(Entry(Cmd::Alignment));
            menu.push_back(E::Line());
            menu.push_back(Entry(Cmd::RadioDataRecovery));
            Translate(menu, RadioTextKey);
            return;
        case GroupGridMenu:
            menu.clear();
            if (!context.groupNoInsert) menu.push_back(E::Item(Cmd::GroupInsert, "&Insert"));
            menu.push_back(E::Item(Cmd::GroupDelete, "&Delete"));
            Translate(menu, GroupGridTextKey);
            return;
        case TranslateOnly:
            Translate(menu, GridMenuTextKey);
            return;
        case ChannelGridMenu: {
            const MenuModel bar = MainMenuResource();
            menu = bar[DropDown::Edit].items;
            Translate(menu, EditTextKey);
            return;
        }
        case GridMenu:
            if (context.rowMode)
                menu = {E::Item(Cmd::Copy, "Row &Copy\tCtrl+C"), E::Item(Cmd::Paste, "Row &Paste\tCtrl+V")};
            else
                menu = {E::Item(Cmd::Copy, "&Copy\tCtrl+C"), E::Item(Cmd::Paste, "&Paste\tCtrl+V")};
            Translate(menu, GridMenuTextKey);
            return;
        default:
            return;
    }
}

}  // namespace PopupMenu

void RebuildOnOpen(MenuModel& bar, const MenuContext& context) {
    auto dropDown = [&](int index) -> MenuModel* {
        return index < static_cast<int>(bar.size()) && bar[index].kind == MenuEntry::SubMenu
                   ? &bar[index].items
                   : nullptr;
    };
    if (MenuModel* edit = dropDown(DropDown::Edit)) PopupMenu::Update(PopupMenu::EditMenu, *edit, context);
    if (MenuModel* view = dropDown(DropDown::View)) PopupMenu::Update(PopupMenu::ViewMenu, *view, context);
    if (MenuModel* common = dropDown(DropDown::Common))
        PopupMenu::Update(PopupMenu::CommonMenu, *common, context);
    if (MenuModel* signaling = dropDown(DropDown::Signaling))
        PopupMenu::Update(PopupMenu::SignalingMenu, *signaling, context);
    if (MenuModel* radio = dropDown(DropDown::Radio))
        PopupMenu::Update(PopupMenu::RadioMenu, *radio, context);
    if (MenuModel* channel = dropDown(DropDown::Channel)) RemoveCommand(*channel, Cmd::ScanSetting);
}

bool RemoveCommand(MenuModel& menu, int id) {
    bool removed = false;
    for (auto it = menu.begin(); it != menu.end();) {
        if (it->kind == MenuEntry::Command && it->id == id) {
            it = menu.erase(it);
            removed = true;
            continue;
        }
        if (it->kind == MenuEntry::SubMenu) removed = RemoveCommand(it->items, id) || removed;
        ++it;
    }
    return removed;
}

const MenuEntry* FindEntry(const MenuModel& menu, int id) {
    for (const auto& entry : menu) {
        if (entry.kind == MenuEntry::Command && entry.id == id) return &entry;
        if (entry.kind == MenuEntry::SubMenu)
            if (const MenuEntry* found = FindEntry(entry.items, id)) return found;
    }
    return nullptr;
}

std::vector<int> CommandIds(const MenuModel& menu) {
    std::vector<int> ids;
    for (const auto& entry : menu) {
        if (entry.kind == MenuEntry::Command) ids.push_back(entry.id);
        if (entry.kind == MenuEntry::SubMenu) {
            const auto inner = CommandIds(entry.items);
            ids.insert(ids.end(), inner.begin(), inner.end());
        }
    }
    return ids;
}

// ---- command states ---------------------------------------------------------

float RateOfFontCommand(int commandId) {
    switch (commandId) {
        case Cmd::Font85:
            return 0.85f;
        case Cmd::Font100:
            return 1.0f;
        case Cmd::Font125:
            return 1.25f;
        case Cmd::Font150:
            return 1.5f;
        default:
            return 1.0f;
    }
}

bool IsFontCommandChecked(const std::string& storedRate, int commandId) {
    float rate = 1.0f;
    if (!storedRate.empty()) {
        rate = static_cast<float>(std::strtod(storedRate.c_str(), nullptr));
        if (rate >= 2.0f) rate = 2.0f;
        if (rate <= 0.0f) rate = 0.0f;
    }
    return rate == RateOfFontCommand(commandId);
}

std::optional<CommandState> CommandStateOf(int id, const CommandContext& context) {
    const auto available = [&](int command) { return context.available && context.available(command); };
    if (id >= Cmd::MainItemRangeFirst && id <= Cmd::MainItemRangeLast) {
        const MainItemRow* row = MainItems::Row(id);
        if (!row) return CommandState{false, false};
        const int column = MainItems::LastColumn(*row);
        const bool locked = column != 0 && context.columnLocked && context.columnLocked(column);
        return CommandState{!locked, row->visible != 0};
    }
    const CommandRow* row = FindCommand(id);
    if (!row) return std::nullopt;
    switch (row->kind) {
        case K::Document:
        case K::Framework:
        case K::About:
            return std::nullopt;
        case K::Language:
            return CommandState{true, {}};
        case K::BarToggle:
            return CommandState{true, id == Cmd::ToolBar ? context.toolBarShown : context.statusBarShown};
        case K::HelpPane:
            return CommandState{true, context.helpVisible};
        case K::RelatedPane:
            return CommandState{true, context.relatedVisible};
        case K::FontSize:
            return CommandState{true, IsFontCommandChecked(context.storedFontRate, id)};
        case K::MarketingShip:
            return CommandState{
                available(context.appMode == AppModes::Ship ? Cmd::MarketingShip : Cmd::Marketing), {}};
        case K::FileConvert:
        case K::Print:
        case K::Configure:
        case K::VisibleItems:
        case K::CommonDialog:
        case K::SignalingDialog:
        case K::GroupAllocation:
        case K::Upload:
        case K::Download:
        case K::DownloadManu:
        case K::Alignment:
        case K::AlignmentRecovery:
        case K::RadioOperation:
        case K::ModelInfoImport:
            return CommandState{available(id), {}};
        case K::MainItem:  // handled above
        case K::EditForward:
        case K::AutoGridWidth:
        case K::ResendToFocus:
        case K::NoAction:
        case K::AlignmentMessage:
        case K::FirmwareUpdate:
            return CommandState{true, {}};
        case K::HelpFile:
            return CommandState{available(id), {}};
    }
    return std::nullopt;
}
