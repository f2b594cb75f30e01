#include "image/Modes.h"
#pragma once
// The main menu without a window: the command ids, what each command does,
// the menu as the program's resource holds it, the rebuild of the drop-downs
// each time the menu bar opens, and the enabled and checked state of every
// command. The frame renders the menu model and asks the rules; tests ask
// them directly.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace Cmd {
// File
inline constexpr int New = 57600, Open = 57601, Save = 57603, SaveAs = 57604, FileConvert = 32893,
                     Print = 57607, Export = 32812, Preview = 32809, PageSetup = 32810, Configure = 32775,
                     Language = 32900, RecentFirst = 57616, RecentLast = 57631, Exit = 57665;
// Edit (57635 and 57636 lie in the edit range but are not forwarded)
inline constexpr int Copy = 57634, Paste = 57637, ChCopy = 32891, ChPaste = 32892, ChCut = 32894,
                     ChInsert = 32895, ChNew = 32896, AssignToGroup = 32931, SetPriority = 32932,
                     CancelPriority = 32933;
// View
inline constexpr int ToolBar = 59392, StatusBar = 59393, VisibleItems = 32783, MainItemFirst = 32785,
                     MainItemLast = 32805, MainItemRangeFirst = 32784, MainItemRangeLast = 32808,
                     HelpTopic = 32776, RelatedItem = 32777, Font85 = 32951, Font100 = 32952, Font125 = 32953,
                     Font150 = 32954, AutoGridWidth = 32955, AutoGridWidthGrid = 32956;
// Common
inline constexpr int Hardware = 32832, Scanning = 32938, PowerSaving = 32834, FrontPanel = 32835,
                     KeyFunction = 32836, Emergency = 32837, Password = 32838, Miscellaneous = 32841,
                     Marketing = 32843, MarketingShip = 32867, Option = 32833, DirectCh = 32839,
                     DSub15 = 32840, ChAnnouncement = 32842, VoteMenu = 32844, LtrCommon = 32935,
                     UniversalIdList = 32936;
// Signaling
inline constexpr int DtmfDialing = 32845, DtmfAni = 32846, DtmfPage = 32847, TwoToneSetting = 32848,
                     TwoToneSystem = 32849, FiveToneCommon = 32850, FiveToneTable = 32851,
                     FiveToneSystem = 32852, FiveToneStatus = 32853, SelectableTone = 32854,
                     Mdc1200Common = 32888, Mdc1200System = 32889, Mdc1200Call = 32890, FleetlinkAni = 32940;
// Radio
inline constexpr int Upload = 32855, Download = 32856, DownloadManu = 32926, BasicAlignment = 32857,
                     ChFineAlignment = 32858, Alignment = 32859, AlignmentRecovery = 32927,
                     RadioDataRecovery = 32860, AdjReturnToDefault = 32861, FirmwareUpdate = 32862,
                     Maintenance = 32937;
// Channel
inline constexpr int GroupAllocation = 32864, ScanSetting = 32863;
// Help
inline constexpr int HelpTopics = 32865, GetStarted = 32866, About = 57664;
// Sent by the ship-mode watcher only.
inline constexpr int ModelInfoImport = 32957;
// Context menus of the grids.
inline constexpr int GroupInsert = 32873, GroupDelete = 32872;
}  // namespace Cmd

// What a command does when it runs.
enum class CommandKind {
    Document,         // New, Open, Save, Save As (the document)
    FileConvert,      // convert dialog on the working copy
    Print,            // print, preview, export and page setup of a snapshot
    Configure,        // port configuration, then the port label
    Language,         // the language dialog
    Framework,        // recent files, exit
    EditForward,      // sent on to the active pane
    BarToggle,        // tool bar, status bar
    VisibleItems,     // column choice dialog
    MainItem,         // column group toggle
    HelpPane,         // help-topics pane toggle
    RelatedPane,      // related-items pane toggle
    FontSize,         // font-size rate
    AutoGridWidth,    // fit every grid page
    ResendToFocus,    // the grids' own "Auto Grid Width"
    CommonDialog,     // settings dialog on the working copy; panes refresh on OK
    MarketingShip,    // ship sequence in mode 4, else the Marketing dialog
    SignalingDialog,  // signalling dialog on the working copy; no refresh
    NoAction,
    Upload,
    Download,
    DownloadManu,
    AlignmentMessage,  // a message box with the command's name
    Alignment,
    AlignmentRecovery,
    RadioOperation,  // recovery or ADJ return on an erased image
    FirmwareUpdate,
    GroupAllocation,  // dialog on the working copy; panes refresh on OK
    HelpFile,         // help topics, get started
    About,
    ModelInfoImport,
};

struct CommandRow {
    int id;
    const char* text;  // text of the menu resource; "" where it has none
    CommandKind kind;
};

// Every command of the main frame, in the order of the command table.
std::span<const CommandRow> CommandTable();
const CommandRow* FindCommand(int id);
// Whether a command id is one the frame forwards to the active pane.
bool IsForwardedEditCommand(int id);

// ---- menu model -------------------------------------------------------------

struct MenuEntry {
    enum Kind { Command, Separator, SubMenu };
    Kind kind = Command;
    int id = 0;
    std::string text;
    std::vector<MenuEntry> items;  // a sub-menu's entries

    static MenuEntry Item(int id, std::string text) { return {Command, id, std::move(text), {}}; }
    static MenuEntry Line() { return {Separator, 0, {}, {}}; }
    static MenuEntry Sub(std::string text, std::vector<MenuEntry> items) {
        return {SubMenu, 0, std::move(text), std::move(items)};
    }
    bool operator==(const MenuEntry&) const = default;
};
using MenuModel = std::vector<MenuEntry>;

// The drop-downs of the menu bar, by position.
namespace DropDown {
inline constexpr int File = 0, Edit = 1, View = 2, Common = 3, Signaling = 4, Radio = 5, Channel = 6,
                     Help = 7, Count = 8;
}
// Text keys of the translation: the bar, drop-down i (66010 + 10 i), and the
// context menus.
inline constexpr int MenuBarTextKey = 66000;
constexpr int DropDownTextKey(int index) {
    return 66010 + 10 * index;
}
inline constexpr int EditTextKey = 66010, RadioTextKey = 66060, GroupGridTextKey = 66090,
                     GridMenuTextKey = 66100;

// The main menu (resource 128): one sub-menu per drop-down.
MenuModel MainMenuResource();

// What the rebuild of a menu depends on.
struct MenuContext {
    int serviceMode = ServiceModes::Normal;
    int appMode = AppModes::Normal;
    bool gridFocused = false;
    // Firmware 1.90.0.0 or later with a display: DTMF Page and MDC1200 Call.
    bool signalingExtended = false;
    // The active pane's own column entries for "Main Items".
    std::vector<std::pair<int, std::string>> paneItems;
    bool rowMode = false;        // grid context menu: row copy and paste
    bool groupNoInsert = false;  // group grid: no Insert

    bool operator==(const MenuContext&) const = default;
};

namespace PopupMenu {
inline constexpr int MainMenu = 0, ViewMenu = 1, CommonMenu = 2, SignalingMenu = 3, EditMenu = 4,
                     RadioMenu = 5, GroupGridMenu = 6, TranslateOnly = 7, GridMenu = 8, ChannelGridMenu = 9;

// Kind 0 adjusts the whole bar; kinds 1-5 rebuild the drop-down they are
// given; 6 and 8 build the context menus; 7 only translates; 9 builds the
// channel grid's context menu: the resource's whole Edit menu.
void Update(int kind, MenuModel& menu, const MenuContext& context);

// The translation of menu texts by key base; the language services install
// it. Without one, texts stay as built.
using Translator = std::function<void(MenuModel& menu, int keyBase)>;
void SetTranslator(Translator translator);
}  // namespace PopupMenu

// Everything the menu bar does when it opens: Edit, View, Common,
// Signaling and Radio rebuilt, "Scan Setting" removed from Channel.
void RebuildOnOpen(MenuModel& bar, const MenuContext& context);

// Removes every entry with `id`, in sub-menus too; true when one was removed.
bool RemoveCommand(MenuModel& menu, int id);
// The first entry with `id`, in sub-menus too; null when none.
const MenuEntry* FindEntry(const MenuModel& menu, int id);
// Every command id of the model, in order.
std::vector<int> CommandIds(const MenuModel& menu);

// ---- command states -------------------------------------------------------------

// What the state of a command depends on. Unset functions answer false.
struct CommandContext {
    int serviceMode = ServiceModes::Normal;
    int appMode = AppModes::Normal;
    // The command's screen or road exists in this program.
    std::function<bool(int id)> available;
    // The channel grid reports the column as locked (hidden by its rules).
    std::function<bool(int column)> columnLocked;
    bool helpVisible = false;
    bool relatedVisible = false;
    bool toolBarShown = true;
    bool statusBarShown = true;
    // "FontSize"/"SizeRate" as stored.
    std::string storedFontRate;
};

struct CommandState {
    bool enabled = true;
    std::optional<bool> checked;  // no value: the entry carries no check
    bool operator==(const CommandState&) const = default;
};

// The state of `id`; nullopt for the commands whose state is not the
// frame's business (document, recent files, exit, About).
std::optional<CommandState> CommandStateOf(int id, const CommandContext& context);

// Font-size rate of a View command: 0.85, 1.0, 1.25, 1.5; 1.0 for any other.
float RateOfFontCommand(int commandId);
// The entry of the stored rate is checked: empty is 1.0, 2.0 and more is
// 2.0, 0 and less is 0; compared exactly as single-precision values.
bool IsFontCommandChecked(const std::string& storedRate, int commandId);
