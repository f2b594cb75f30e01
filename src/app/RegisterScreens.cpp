#include "app/ScreenRegistry.h"

// Each window folder's screens are added here once that folder offers a
// registration function, e.g.
//     ChannelScreens::Register();   // channel grid pane (kind 1), group grid
// and src/app/CMakeLists.txt links the folder's library.
void RegisterScreens() {}
