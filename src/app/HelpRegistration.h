#pragma once
// The help services of the main window: the help file and the related-items
// file from the program folder, F1 and the Help buttons through the help map,
// and the help topic and related-items panes.
namespace HelpRegistration {
void Register();
}
