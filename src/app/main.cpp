#include "app/CloneEditorApp.h"

wxIMPLEMENT_APP(CCloneEditorApp);
