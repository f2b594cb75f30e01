#pragma once
// The main window's Alignment command: reads the radio with its backup
// (operation 8) into the working copy and, when that succeeded, runs the
// alignment main dialog over the shared command object.
#include <functional>
#include <memory>
#include <string>

#include "image/CloneImage.h"
#include "serial/LinkTiming.h"

class wxWindow;
class OperationView;

namespace AlignmentCommand {

// The progress view of every alignment operation, over `parent`.
using ViewFactory = std::function<std::unique_ptr<OperationView>(wxWindow* parent)>;

struct Link {
    std::string port;
    unsigned baudRate;
    LinkTiming timing;
    ViewFactory makeView;
};

// True when operation 8 succeeded (the working copy then holds the image the
// alignment ended with).
bool Run(wxWindow* parent, CloneImage& working, const Link& link);

}  // namespace AlignmentCommand
