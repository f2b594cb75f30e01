#include "alignment/ui/AlignmentCommand.h"

#include "alignment/AlignmentLink.h"
#include "alignment/AlignmentOperations.h"
#include "alignment/ui/CHBaselineADJ.h"
#include "serial/OperationView.h"
#include "serial/PXCommunicationEvent.h"

namespace AlignmentCommand {

bool Run(wxWindow* parent, CloneImage& working, const Link& link) {
    if (!link.makeView) return false;
    AlignmentOperations::Register();
    PXComCommandRetry command(link.port, link.baudRate, link.timing);
    {
        PXCommunicationEvent runner(command);
        const auto view = link.makeView(parent);
        if (!view || !runner.Run(AlignmentOperations::OpAlignmentRead, &working, *view)) return false;
        AlignmentLink::Shared() = &command;
        CCHBaselineADJ dialog(parent, working, runner.StatusText(), &command, link.makeView);
        dialog.ShowModal();
        working = dialog.Image();
        AlignmentLink::Shared() = nullptr;
    }
    command.PortClose();
    return true;
}

}  // namespace AlignmentCommand
