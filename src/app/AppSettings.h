#pragma once
// The settings the start-up reads into the process-wide state.
namespace AppSettings {

// Port, cable type and baud rate ("Configure"); an unlisted baud rate falls
// back to the first listed one. Carries the "Spl3A" splitter position over
// to "Spl21".
void LoadAppSettings();
// "Settings"/"PreviewPages".
int PreviewPageCount();

}  // namespace AppSettings
