#pragma once
// The screens of the other window folders, as the main window reaches them.
// A folder adds its screens once at start-up (RegisterScreens in
// ScreenRegistry.cpp calls each folder's registration); until a screen is
// registered, the commands that open it stay disabled and its pane slot
// stays empty.
//
// Dialog commands get the main window and the working copy of the image; a
// dialog that ends with OK has written its changes into the copy and answers
// true. Panes are made for the document's current image and created by the
// view that hosts them.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "image/CloneImage.h"
#include "serial/LinkTiming.h"

class wxWindow;
class HPainBaseDlg;
class OperationView;

namespace Screens {

// ---- dialogs on the working copy, by command id ------------------------------
// The Common and Signaling entries, File Convert, Group Allocation: each
// factory chooses its class from the image where the command has two (Key
// Function, MDC1200 Common).
using Dialog = std::function<bool(wxWindow* parent, CloneImage& working)>;
void RegisterDialog(int commandId, Dialog dialog);
bool HasDialog(int commandId);
// Runs the dialog; false when none is registered or it was cancelled.
bool RunDialog(int commandId, wxWindow* parent, CloneImage& working);

// ---- dialogs without the image ---------------------------------------------------
// "Configure" (port configuration): true when the settings were written.
using PlainDialog = std::function<bool(wxWindow* parent)>;
void RegisterConfigure(PlainDialog dialog);
bool HasConfigure();
bool RunConfigure(wxWindow* parent);

// The column choice dialog: entries {text, checked, id, enabled}; the
// dialog changes the checked flags.
struct VisibleEntry {
    std::string text;
    bool checked;
    int id;
    bool enabled;
};
using VisibleItemsDialog = std::function<void(wxWindow* parent, std::vector<VisibleEntry>& entries)>;
void RegisterVisibleItems(VisibleItemsDialog dialog);
const VisibleItemsDialog& VisibleItems();

// The image editor (Shift+F9 outside the normal application mode), on the
// document's image itself; true on OK.
void RegisterImageEditor(Dialog dialog);
const Dialog& ImageEditor();

// Print, preview, export and page setup of a snapshot, by command id.
using PrintCommand = std::function<void(wxWindow* parent, const CloneImage& snapshot, int commandId)>;
void RegisterPrint(PrintCommand command);
const PrintCommand& Print();

// ---- panes ---------------------------------------------------------------------------
// A middle pane by pane kind (1 the channel grid), the help-topics pane and
// the related-items pane; each made for the document's current image.
using PaneFactory = std::function<HPainBaseDlg*(CloneImage& image)>;
struct MiddlePaneEntry {
    int templateId;  // 134 the channel grid, 140 the group grid
    PaneFactory make;
};
void RegisterMiddlePane(int paneKind, int templateId, PaneFactory factory);
// The entry of a pane kind; null when none is registered.
const MiddlePaneEntry* MiddlePane(int paneKind);

struct SidePanes {
    PaneFactory helpPane;     // template 138
    PaneFactory relatedPane;  // template 133
    // The help pane shows the topic of (dialog, control, sub); reloads its topic.
    std::function<void(HPainBaseDlg* pane, int dialogId, int controlId, int sub)> showTopic;
    std::function<void(HPainBaseDlg* pane)> reloadTopic;
    // The related-items pane shows the items of a dialog's column.
    std::function<void(HPainBaseDlg* pane, int dialogId, int column)> showRelated;
};
void RegisterSidePanes(SidePanes panes);
const SidePanes& Side();

// ---- the radio ---------------------------------------------------------------------
// The progress view of radio operations, made over the main window, and the
// operations beyond Upload (0) and Download (1) that the runner offers.
struct RadioLink {
    std::function<std::unique_ptr<OperationView>(wxWindow* parent)> makeView;
    std::vector<int> extraOperations;  // 8, 11, 12 as they come
    // The Alignment command: reads with backup (operation 8) into the
    // working copy and, when that succeeded, runs the alignment dialog on it;
    // true when the read succeeded.
    std::function<bool(wxWindow* parent, CloneImage& working)> alignment;
    // The waits of the link; tests scale them down.
    LinkTiming timing{};
};
void RegisterRadioLink(RadioLink link);
const RadioLink& Radio();
bool HasRadioOperation(int operation);

// ---- ship mode ----------------------------------------------------------------------
struct ShipMode {
    std::function<void()> beginSequence;  // "Marketing(Ship Mode)" in mode 4, first activation
    std::function<void()> startWatcher;   // every activation in mode 4
    std::function<void()> stopWatcher;    // at destroy; waits for the watcher
    std::function<void(bool success)> afterDownload;
    std::function<void()> importModelInfo;  // command 32957
    std::function<bool()> sequenceRunning;
};
void RegisterShipMode(ShipMode ship);
const ShipMode& Ship();

// Forgets every registration (tests).
void ClearAll();

}  // namespace Screens

// Registers the screens of every window folder that this program is built
// with; run once at start-up before the main window is created.
void RegisterScreens();
