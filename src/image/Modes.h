#pragma once
// The program's two mode settings, set from the command line at start-up.

// Application mode: the window title's mark and the unattended ship mode.
namespace AppModes {
enum Value : int { Normal = 0, E = 1, M = 2, SP = 3, Ship = 4 };
inline constexpr int First = Normal, Last = Ship;
}  // namespace AppModes

// Service mode: what a service technician may change beyond the user.
namespace ServiceModes {
enum Value : int { Normal = 0, Engineer = 1, Manufacture = 2 };
inline constexpr int First = Normal, Last = Manufacture;
}  // namespace ServiceModes
