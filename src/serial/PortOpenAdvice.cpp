#include "serial/PortOpenAdvice.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>

namespace {

// The group that owns the device node; "dialout" when it cannot be told.
std::string OwningGroup(const std::string& port) {
    struct stat st {};
    if (::stat(port.c_str(), &st) == 0) {
        if (const group* g = ::getgrgid(st.st_gid); g && g->gr_name && *g->gr_name) return g->gr_name;
    }
    return "dialout";
}

}  // namespace

std::string PortOpenAdvice(const std::string& port, int error) {
    switch (error) {
        case EACCES:
        case EPERM: {
            const std::string group = OwningGroup(port);
            return "You have no permission to use " + port + ".\nAdd your user to the group \"" + group +
                   "\" that owns the port (for example: sudo usermod -aG " + group +
                   " $USER), then log out and log in again.";
        }
        case EBUSY:
            return port + " is in use by another program.\nClose that program, then try again.";
        default:
            return {};
    }
}
