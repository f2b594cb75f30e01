#pragma once
// Program-wide flags of the settings dialogs that outlive each dialog.
namespace Settings {

// The Power Saving dialog's "Over Write" check box between openings.
int& OverWriteFlag();
// The Marketing dialog's "Serial Write Check" between openings.
int& SerialWriteFlag();
// The ship automation's serial step: the Marketing dialog then asks only
// for the serial number.
int& SerialStepFlag();
// Cleared whenever an image is opened, created, saved, read or written.
void ClearImageFlags();

}  // namespace Settings
