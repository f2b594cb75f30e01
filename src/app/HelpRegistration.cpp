#include "app/HelpRegistration.h"

#include <wx/window.h>
// after the window class it tracks
#include <wx/weakref.h>

#include "app/AppState.h"
#include "app/HLogPrint.h"
#include "app/ProgramFolders.h"
#include "app/ScreenRegistry.h"
#include "help/HelpFileSystem.h"
#include "help/HelpMap.h"
#include "help/HelpTopics.h"
#include "help/HelpViewer.h"
#include "help/RelatedItemPane.h"
#include "language/Language.h"

namespace HelpRegistration {

void Register(std::filesystem::path helpFile, std::filesystem::path relatedFile) {
    if (helpFile.empty()) helpFile = ProgramFolders::FindShippedFile(HelpFileName);
    if (relatedFile.empty()) relatedFile = ProgramFolders::FindShippedFile(RelatedItemsFileName);
    Help::SetHelpFilePath(helpFile);
    Help::SetLogSink([](const std::string& line) {
        HLogPrint::Print(0, HLogPrint::LevelWarning, __FILE__, __LINE__, "Help", line);
    });
    Help::InstallHelpHooks();
    // Shift+F9 in a help pane: the image editor outside the normal mode.
    Help::ImageEditorKey() = [](wxWindow* pane) {
        PaneHost* host = MainPaneHost();
        if (AppState::AppMode() == 0 || !Screens::ImageEditor() || !host) return false;
        wxWeakRef<wxWindow> focus(wxWindow::FindFocus());
        const bool ok = Screens::ImageEditor()(pane, host->Image());
        if (ok) host->RefreshAllPanes();
        if (focus) focus->SetFocus();
        return true;
    };
    Screens::RegisterSidePanes({
        [](CloneImage&) -> HPainBaseDlg* { return new CHelpTopics; },
        [relatedFile](CloneImage&) -> HPainBaseDlg* {
            return new CRelatedItem(CRelatedItem::ProgramFile(relatedFile));
        },
        [](HPainBaseDlg* pane, int dialogId, int controlId, int sub) {
            if (auto* help = dynamic_cast<CHelpTopics*>(pane))
                help->ShowTopicForRID(MakeRID(sub, dialogId, controlId), dialogId);
        },
        [](HPainBaseDlg* pane) {
            if (auto* help = dynamic_cast<CHelpTopics*>(pane)) help->ReloadTopic();
        },
        [](HPainBaseDlg* pane, int dialogId, int column) {
            if (auto* related = dynamic_cast<CRelatedItem*>(pane))
                related->ShowForGridColumn(dialogId, column);
        },
    });
}

}  // namespace HelpRegistration
