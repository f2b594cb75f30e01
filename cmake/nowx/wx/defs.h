// Found first on the include path of the window-free libraries: every
// wxWidgets header includes "wx/defs.h", so any of them stops the build here.
#error "this library is window-free: it may not include a wxWidgets header"
