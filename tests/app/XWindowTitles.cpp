// Reads window titles straight from the X server, kept apart from the tests
// because the X headers define macros that clash with other headers.
#include "XWindowTitles.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

std::vector<std::string> WindowTitles(pid_t pid) {
    std::vector<std::string> titles;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return titles;
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    const Atom nameAtom = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count; ++i) {
            Atom type = 0;
            int format = 0;
            unsigned long items = 0, after = 0;
            unsigned char* data = nullptr;
            if (XGetWindowProperty(display, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                                   &items, &after, &data) == Success &&
                data && items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid) {
                unsigned char* name = nullptr;
                if (XGetWindowProperty(display, children[i], nameAtom, 0, 4096, False, utf8, &type, &format,
                                       &items, &after, &name) == Success &&
                    name) {
                    titles.emplace_back(reinterpret_cast<char*>(name), items);
                    XFree(name);
                }
            }
            if (data) XFree(data);
        }
        if (children) XFree(children);
    }
    XCloseDisplay(display);
    return titles;
}
