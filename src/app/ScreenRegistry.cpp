#include "app/ScreenRegistry.h"

#include <algorithm>
#include <map>

namespace Screens {

namespace {

struct Registry {
    std::map<int, Dialog> dialogs;
    PlainDialog configure;
    VisibleItemsDialog visibleItems;
    Dialog imageEditor;
    PrintCommand print;
    std::map<int, MiddlePaneEntry> middlePanes;
    SidePanes side;
    RadioLink radio;
    ShipMode ship;
};

Registry& Get() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterDialog(int commandId, Dialog dialog) {
    Get().dialogs[commandId] = std::move(dialog);
}

bool HasDialog(int commandId) {
    const auto it = Get().dialogs.find(commandId);
    return it != Get().dialogs.end() && it->second;
}

bool RunDialog(int commandId, wxWindow* parent, CloneImage& working) {
    if (!HasDialog(commandId)) return false;
    // A copy of the function, so a dialog may register screens while it runs.
    const Dialog dialog = Get().dialogs[commandId];
    return dialog(parent, working);
}

void RegisterConfigure(PlainDialog dialog) {
    Get().configure = std::move(dialog);
}
bool HasConfigure() {
    return static_cast<bool>(Get().configure);
}
bool RunConfigure(wxWindow* parent) {
    const PlainDialog dialog = Get().configure;
    return dialog && dialog(parent);
}

void RegisterVisibleItems(VisibleItemsDialog dialog) {
    Get().visibleItems = std::move(dialog);
}
const VisibleItemsDialog& VisibleItems() {
    return Get().visibleItems;
}

void RegisterImageEditor(Dialog dialog) {
    Get().imageEditor = std::move(dialog);
}
const Dialog& ImageEditor() {
    return Get().imageEditor;
}

void RegisterPrint(PrintCommand command) {
    Get().print = std::move(command);
}
const PrintCommand& Print() {
    return Get().print;
}

void RegisterMiddlePane(int paneKind, int templateId, PaneFactory factory) {
    Get().middlePanes[paneKind] = MiddlePaneEntry{templateId, std::move(factory)};
}

const MiddlePaneEntry* MiddlePane(int paneKind) {
    const auto it = Get().middlePanes.find(paneKind);
    return it != Get().middlePanes.end() && it->second.make ? &it->second : nullptr;
}

void RegisterSidePanes(SidePanes panes) {
    Get().side = std::move(panes);
}
const SidePanes& Side() {
    return Get().side;
}

void RegisterRadioLink(RadioLink link) {
    Get().radio = std::move(link);
}
const RadioLink& Radio() {
    return Get().radio;
}

bool HasRadioOperation(int operation) {
    const RadioLink& link = Get().radio;
    if (!link.makeView) return false;
    if (operation == 0 || operation == 1) return true;
    return std::find(link.extraOperations.begin(), link.extraOperations.end(), operation) !=
           link.extraOperations.end();
}

void RegisterShipMode(ShipMode ship) {
    Get().ship = std::move(ship);
}
const ShipMode& Ship() {
    return Get().ship;
}

void ClearAll() {
    Get() = Registry{};
}

}  // namespace Screens
