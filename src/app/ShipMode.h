#pragma once
// The unattended ship mode (application mode 4): a production line programs
// radio after radio. Two worker threads drive the main window with its
// ordinary menu commands: the command sequence (Configure, Marketing(Ship
// Mode), Download) and the watcher of the model information file, which
// imports the file (command 32957) and downloads. The workers never touch a
// window: every command runs on the user-interface thread (CallAfter) and
// the worker waits for it to end; the flags they share are atomics.
#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "image/CloneImage.h"

class CMainFrame;
class wxWindow;

namespace ShipMode {

enum WatcherStates : int { Stopped = 0, Idle = 1, Processing = 2 };
std::atomic<int>& WatcherState();
// 1 while the command sequence runs; a Cancel of its dialogs clears it.
std::atomic<int>& SequenceFlag();

// Where the main window is found (on the user-interface thread); the
// program's top window unless a test says otherwise.
using FrameGetter = std::function<CMainFrame*()>;
// Registers the ship mode's hooks: the frame's ship callbacks and the
// progress dialog's result hook.
void Register(FrameGetter frame);

// Where the model information file is looked for.
std::filesystem::path ModelInfoPath();

// The frame's command 32957: reads the model information file, loads its
// data file and writes the identity code; true when a download may follow.
bool OnBatchModelInfo(CMainFrame& frame);

// The result row of the result file for a failed download's result id.
int ShipResultRowOf(int resultId);

// Stops both workers and waits for them (the frame's destroy).
void StopAll();

// Waits in the watcher (tests shorten it).
std::chrono::milliseconds& WatchInterval();

}  // namespace ShipMode
